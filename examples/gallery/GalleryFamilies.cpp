// The gallery's pages, one per family of objects. Each frame is built by its
// own file where that file puts it; here it moves onto its family's page, as
// an application regrouping its dialog would do with Reparent.
#include <Xm/Xm.h>

#include <string>

#include "GalleryDialog.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgTabContainer.h"
#include "QORDlgTabPage.h"

namespace {

constexpr unsigned int kFill = QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop | QORDlgGridBottom;

struct Placement {
  const char* frame;
  short row, column, span;
};
struct Family {
  const char* page;
  Placement frames[4];
};

// Families in the order of their tabs; a frame the gallery lacks is passed over.
const Family kFamilies[] = {
    {"Basics", {{"Buttons", 0, 0, 2}, {"Layout", 1, 0, 1}, {"Scrolled", 1, 1, 1}, {"Scripts", 2, 0, 2}}},
    {"Values", {{"Values", 0, 0, 1}, {"Steppers", 1, 0, 1}}},
    {"Lists", {{"Lists", 0, 0, 1}}},
    {"Containers", {{"Pages", 0, 0, 1}}},
    {"Dragging", {{"Dragging", 0, 0, 1}, {"Boxes", 1, 0, 1}}},
};

// A page reads the catalog again from itself down, so that the frames moved
// onto it keep the keys they have in their own files ("Buttons.Push.Title").
class FamilyPage : public QORDlgTabPage {
 public:
  FamilyPage(QORDlgTabContainer* father, const char* name) : QORDlgTabPage(father, name, QORDlgGridLayout) {}
  const char* GetResourceFilename(int level) const override { return level == 0 ? "Gallery" : nullptr; }
};

QORDialog* childNamed(QORDialog* father, const char* name) {
  for (int i = 0; i < father->GetChildCount(); ++i)
    if (QORDialog* c = father->GetChildFromChildNumber(i); c && c->GetName() == name) return c;
  return nullptr;
}

}  // namespace

void GalleryDialog::arrangeFamilies() {
  families = new QORDlgTabContainer(this, "Families", 0);
  for (const Family& family : kFamilies) {
    QORDlgTabPage* page = nullptr;
    for (const Placement& p : family.frames) {
      QORDialog* frame = p.frame ? childNamed(this, p.frame) : nullptr;
      if (!frame) continue;
      if (!page) page = new FamilyPage(families, family.page);
      frame->Reparent(page);
      frame->SetGridConstraints(p.row, p.column, p.span, 1, kFill);
      page->SetGridColumnResizable(p.column, 1);
      page->SetGridRowResizable(p.row, 1);
    }
  }
  // The frames' cells are free now.
  families->SetGridConstraints(0, 0, 1, 1, kFill);
}

// The title of page `name` of the families: the strip's children carry
// their page's index.
bool GalleryDialog::PageTitleCentre(const char* name, int* x, int* y) const {
  QORDialog* page = childNamed(families, name);
  // The shallowest strip is the families'.
  Widget strip = page ? GetStandardButton("*_pageTitleBox") : nullptr;
  if (!strip) return false;
  const int index = families->GetChildNumberFromChild(page);
  WidgetList children = nullptr;
  Cardinal count = 0;
  XtVaGetValues(strip, XmNchildren, &children, XmNnumChildren, &count, nullptr);
  for (Cardinal i = 0; i < count; ++i) {
    short at = -1;
    XtVaGetValues(children[i], XmNpositionIndex, &at, nullptr);
    if (at != index || !XtIsManaged(children[i]) || !XtIsRealized(children[i])) continue;
    Dimension width = 0, height = 0;
    XtVaGetValues(children[i], XmNwidth, &width, XmNheight, &height, nullptr);
    Window child;
    Display* d = XtDisplay(children[i]);
    return XTranslateCoordinates(d, XtWindow(children[i]), DefaultRootWindow(d), width / 2, height / 2, x, y, &child);
  }
  return false;
}
