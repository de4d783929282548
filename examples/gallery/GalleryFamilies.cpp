// The gallery's families of objects, one dialog box each. Each frame is built
// by its own file on the document; here it moves into its family's box, as an
// application regrouping its windows would do with Reparent. The boxes are
// MDI children of the document: child frames inside it in MDI style,
// top-level boxes beside it otherwise.
#include "GalleryDialog.h"
#include "QORDlgDialog.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgStyle.h"

namespace {

constexpr unsigned int kFill = QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop | QORDlgGridBottom;

struct Placement {
  const char* frame;
  short row, column;
};
struct Family {
  const char* name;
  Placement frames[2];
};

// Families in the order of the View menu; a frame the gallery lacks is passed
// over. A box's name differs from its frames' names: catalog keys from the
// document down ("Tables.Title") and from the box down ("Lists.Title") meet.
const Family kFamilies[] = {
    {"Basics", {{"Buttons", 0, 0}, {"Scripts", 1, 0}}},
    {"Inputs", {{"Values", 0, 0}, {"Steppers", 1, 0}}},
    {"Tables", {{"Lists", 0, 0}, {}}},
    {"Layouts", {{"Layout", 0, 0}, {"Scrolled", 0, 1}}},
    {"Containers", {{"Pages", 0, 0}, {}}},
    {"Interaction", {{"Dragging", 0, 0}, {"Boxes", 1, 0}}},
};

// Beside a document that is a strip of bars, the top-level boxes open in a
// cascade below it, so that none hides the document's menu bar.
constexpr int kStripWidth = 1000, kStripHeight = 124, kMdiWidth = 1100, kMdiHeight = 850;
constexpr int kCascadeX = 10, kCascadeY = 175, kCascadeStep = 40;

// A family's box. It reads the catalog again from itself down, so that the
// frames moved into it keep the keys they have in their own files
// ("Buttons.Push.Title"). Closing it only hides it: the View menu shows it again.
class FamilyDialog : public QORDlgDialog {
 public:
  FamilyDialog(QORDlgDocument* document, const char* name)
      : QORDlgDialog(document, name,
                     QORDlgGridLayout | QORDlgDialogMDIChild | QORDlgDialogApply | QORDlgDialogCancel |
                         QORDlgDialogHelp) {
    auto hide = [this](QORCommand*, QORNotification*) { SetVisibility(QORDlgHidden); };
    for (const char* closing : {"QORDlgDiaCANCELNotification", "QORDlgWindCloseNotification", "QORDlgMDICloseNotification"})
      AddAnalyseNotificationCB(this, closing, hide);
  }
  const char* GetResourceFilename(int level) const override { return level == 0 ? "Gallery" : nullptr; }
};

QORDialog* childNamed(QORDialog* father, const char* name) {
  for (int i = 0; i < father->GetChildCount(); ++i)
    if (QORDialog* c = father->GetChildFromChildNumber(i); c && c->GetName() == name) return c;
  return nullptr;
}

}  // namespace

void GalleryDialog::arrangeFamilies() {
  for (const Family& family : kFamilies) {
    QORDlgDialog* box = nullptr;
    for (const Placement& p : family.frames) {
      QORDialog* frame = p.frame ? childNamed(this, p.frame) : nullptr;
      if (!frame) continue;
      if (!box) box = new FamilyDialog(this, family.name);
      frame->Reparent(box);
      frame->SetGridConstraints(p.row, p.column, 1, 1, kFill);
      box->SetGridColumnResizable(p.column, 1);
      box->SetGridRowResizable(p.row, 1);
    }
    if (!box) continue;
    // The MDI client chooses where its frames open; top-level boxes cascade.
    // Their size is their content's: a size set by the program would be sent
    // as a resize, recorded as the user's.
    const int at = static_cast<int>(families.size()) * kCascadeStep;
    if (!IsMDI()) box->SetRectPosition(kCascadeX + at, kCascadeY + at);
    families.push_back(box);
  }
  if (IsMDI()) SetRectDimensions(0, 0, kMdiHeight, kMdiWidth);
  else SetRectDimensions(0, 0, kStripHeight, kStripWidth);
}

void GalleryDialog::ShowFamily(QORDlgDialog* family) {
  // Shown again, a box comes to the front; an MDI child is also made active.
  family->SetVisibility(QORDlgShown);
  if (IsMDI()) MDIActivate(family);
}
