#include "GalleryDialog.h"

#include <Xm/DrawingA.h>

#include <cstdio>
#include <string>

#include "QORDlgCheckButton.h"
#include "QORDlgContainer.h"
#include "QORDlgFrame.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgLabel.h"
#include "QORDlgMotif.h"
#include "QORDlgPushButton.h"
#include "QORDlgRadioButton.h"
#include "QORDlgSeparator.h"
#include "QORNotification.h"

namespace {

// Fills its cells: left and right, top and bottom.
constexpr unsigned int kFill = QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop | QORDlgGridBottom;

// A drawing area that paints a swatch of its own, to show raw Motif inside
// the layout.
void paintSwatch(Widget w, XtPointer, XtPointer) {
  if (!XtIsRealized(w)) return;
  Display* d = XtDisplay(w);
  Dimension width = 0, height = 0;
  Pixel fg = 0, bg = 0;
  XtVaGetValues(w, XmNwidth, &width, XmNheight, &height, XmNforeground, &fg, XmNbackground, &bg, nullptr);
  GC gc = XCreateGC(d, XtWindow(w), 0, nullptr);
  XSetForeground(d, gc, fg);
  for (int x = 0; x < width; x += 8) XDrawLine(d, XtWindow(w), gc, x, 0, width - 1 - x, height - 1);
  XDrawRectangle(d, XtWindow(w), gc, 0, 0, width - 1, height - 1);
  XFreeGC(d, gc);
}

class Swatch : public QORDlgMotif {
 public:
  Swatch(QORDialog* father, const char* name, int width, int height) : QORDlgMotif(father, name, 0) {
    SetRectDimensions(1, 1, height, width);
    // The drawing area exists once built: hook the painting then.
    AddAnalyseNotificationCB(this, "QORDlgCreateNotification", [this](QORCommand*, QORNotification*) {
      if (Widget w = GetFatherWidget()) XtAddCallback(w, XmNexposeCallback, paintSwatch, nullptr);
    });
  }
};

}  // namespace

GalleryDialog::GalleryDialog(QORInteractiveApplication* app, const QORString& name, bool mdi)
    : QORDlgDocument(app, name, QORDlgGridLayout | (mdi ? QORDlgDocumentMDI : 0UL)) {
  // The frames are built here first, then each moves into its family's box.
  buildLayoutFrame();
  buildContainerFrame();
  buildButtonsFrame();
  buildScriptsFrame();
  buildDraggingFrame(app);
  buildBoxesFrame();
  buildPagesFrame();
  buildSteppersFrame();
  buildValuesFrame();
  buildListsFrame();
  arrangeFamilies();
  buildMenus();
  buildBars();
  showDroppedFiles();
}

const char* GalleryDialog::GetResourceFilename(int level) const { return level == 0 ? "Gallery" : nullptr; }

void GalleryDialog::buildLayoutFrame() {
  auto* frame = new QORDlgFrame(this, "Layout", QORDlgGridLayout);
  frame->SetGridConstraints(0, 0, 1, 1, kFill);
  // A wide swatch over two columns, two below it; the first column grows.
  auto* wide = new Swatch(frame, "Wide", 160, 40);
  wide->SetGridConstraints(0, 0, 2, 1, kFill);
  raw = wide;
  auto* left = new Swatch(frame, "Left", 70, 50);
  left->SetGridConstraints(1, 0, 1, 1, kFill);
  auto* right = new Swatch(frame, "Right", 70, 30);
  right->SetGridConstraints(1, 1, 1, 1, 0);
  frame->SetGridColumnResizable(0, 1);
  frame->SetGridRowResizable(1, 1);
}

void GalleryDialog::buildButtonsFrame() {
  auto* frame = new QORDlgFrame(this, "Buttons", QORDlgGridLayout);
  frame->SetGridConstraints(1, 0, 2, 1, kFill);
  auto place = [](QORDialog* o, short row, short column, short span = 1) {
    o->SetGridConstraints(row, column, span, 1, QORDlgGridLeft | QORDlgGridTop);
  };
  place(new QORDlgPushButton(frame, "Push", 0), 0, 0);
  place(new QORDlgPushButton(frame, "Repeat", QORDlgPushRepeat), 0, 1);
  auto* save = new QORDlgPushButton(frame, "Save", 0);
  save->SetIconName("save");
  place(save, 0, 2);
  place(new QORDlgCheckButton(frame, "Check", 0), 1, 0);
  place(new QORDlgCheckButton(frame, "Also", 0), 1, 1);
  place(new QORDlgLabel(frame, "Choose", 0), 2, 0);
  place(new QORDlgRadioButton(frame, "One", 0), 2, 1);
  place(new QORDlgRadioButton(frame, "Two", 0), 2, 2);
  place(new QORDlgRadioButton(frame, "Three", 0), 2, 3);
  auto* line = new QORDlgSeparator(frame, "Line", QORDlgSeparatorHorizontal);
  line->SetGridConstraints(3, 0, 4, 1, QORDlgGridLeft | QORDlgGridRight | QORDlgGridVCenter);
  place(new QORDlgLabel(frame, "Note", QORDlgLabelFramed), 4, 0, 4);
}

// Texts in several writing systems, all from the catalog.
void GalleryDialog::buildScriptsFrame() {
  auto* frame = new QORDlgFrame(this, "Scripts", QORDlgGridLayout);
  frame->SetGridConstraints(2, 0, 2, 1, kFill);
  const char* names[] = {"Latin", "Greek", "Cyrillic", "Cjk"};
  for (short i = 0; i < 4; ++i) {
    auto* text = new QORDlgLabel(frame, names[i], 0);
    text->SetGridConstraints(i, 0, 1, 1, QORDlgGridLeft | QORDlgGridTop);
  }
}

void GalleryDialog::buildContainerFrame() {
  auto* frame = new QORDlgFrame(this, "Scrolled", QORDlgGridLayout);
  frame->SetGridConstraints(0, 1, 1, 1, kFill);
  auto* container = new QORDlgContainer(frame, "Viewport", 0);
  container->SetGridConstraints(0, 0, 1, 1, kFill);
  container->SetRectDimensions(1, 1, 150, 200);
  new Swatch(container, "Large", 300, 220);
  frame->SetGridColumnResizable(0, 1);
  frame->SetGridRowResizable(0, 1);
}

void GalleryDialog::AnalyseNotification(QORCommand* from, QORNotification* n) {
  const std::string cls = n->IsA();
  // Every object tells when it is created or shown; the log keeps what users do.
  if (cls != "QORDlgCreateNotification" && cls != "QORDlgVisibilityNotification") {
    std::printf("notify %s %s\n", from->GetPath().c_str(), cls.c_str());
    std::fflush(stdout);
  }
  QORDlgDocument::AnalyseNotification(from, n);
}

XtAppContext GalleryDialog::GetXtAppContext() const { return raw->GetXtAppContext(); }

// Every window of the gallery hangs below the application's top widget, the
// boxes as popup children: the search starts there. The layout box's drawing
// area is the way in, once that box has been shown.
Widget GalleryDialog::GetStandardButton(const char* name) const {
  Widget top = raw->GetFatherWidget();
  while (top && XtParent(top)) top = XtParent(top);
  return top ? XtNameToWidget(top, name) : nullptr;
}

QORDialog* GalleryDialog::Find(const char* path) { return findBelow(this, path); }

// Tour paths start at a frame, whichever box it lives in: the path is tried
// from each object, depth first.
QORDialog* GalleryDialog::findBelow(QORDialog* from, const char* path) {
  if (QORDialog* found = findFrom(from, path)) return found;
  for (int i = 0; i < from->GetChildCount(); ++i)
    if (QORDialog* c = from->GetChildFromChildNumber(i))
      if (QORDialog* found = findBelow(c, path)) return found;
  return nullptr;
}

QORDialog* GalleryDialog::findFrom(QORDialog* from, const char* path) {
  QORDialog* at = from;
  std::string rest = path;
  while (at && !rest.empty()) {
    const size_t slash = rest.find('/');
    const std::string name = rest.substr(0, slash);
    rest = slash == std::string::npos ? "" : rest.substr(slash + 1);
    QORDialog* next = nullptr;
    for (int i = 0; i < at->GetChildCount() && !next; ++i)
      if (QORDialog* c = at->GetChildFromChildNumber(i); c && name == c->GetName().c_str()) next = c;
    at = next;
  }
  return at;
}
