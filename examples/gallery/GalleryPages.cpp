#include "GalleryPages.h"

#include <Xm/Xm.h>

#include <cstdlib>

#include "GalleryDialog.h"
#include "QORDlgFrame.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgLabel.h"
#include "QORDlgPushButton.h"
#include "QORDlgCheckButton.h"
#include "QORDlgRadioButton.h"
#include "QORDlgSplitter.h"
#include "QORDlgTabContainer.h"
#include "QORDlgTabPage.h"

namespace {
constexpr unsigned int kFill = QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop | QORDlgGridBottom;
constexpr unsigned int kTopLeft = QORDlgGridLeft | QORDlgGridTop;

void place(QORDialog* o, short row, short column) { o->SetGridConstraints(row, column, 1, 1, kTopLeft); }

// A pane of the splitter: a frame holding one label that tells what it is.
void addPane(QORDialog* splitter, const char* name) {
  auto* pane = new QORDlgFrame(splitter, name, QORDlgGridLayout);
  auto* text = new QORDlgLabel(pane, "Text", 0);
  text->SetGridConstraints(0, 0, 1, 1, kFill);
  pane->SetGridColumnResizable(0, 1);
  pane->SetGridRowResizable(0, 1);
}

// The widget at an Xt name path below the dialog's standard buttons' box,
// which holds the whole work area.
Widget widgetAt(GalleryDialog* dialog, const char* path) { return dialog->GetStandardButton(path); }

bool centreOf(Widget w, int* x, int* y) {
  if (!w || !XtIsRealized(w)) return false;
  Dimension width = 0, height = 0;
  XtVaGetValues(w, XmNwidth, &width, XmNheight, &height, nullptr);
  Window child;
  Display* d = XtDisplay(w);
  return XTranslateCoordinates(d, XtWindow(w), DefaultRootWindow(d), width / 2, height / 2, x, y, &child);
}

// The title form of page `index`: the strip's children in their order, the filler last.
Widget pageTitle(GalleryDialog* dialog, int index) {
  Widget strip = widgetAt(dialog, "*PagesDa*_pageTitleBox");
  if (!strip) return nullptr;
  WidgetList children = nullptr;
  Cardinal count = 0;
  XtVaGetValues(strip, XmNchildren, &children, XmNnumChildren, &count, nullptr);
  for (Cardinal i = 0; i < count; ++i) {
    short at = -1;
    XtVaGetValues(children[i], XmNpositionIndex, &at, nullptr);
    if (at == index && XtIsManaged(children[i])) return children[i];
  }
  return nullptr;
}
}  // namespace

QORDlgTabPage* AddGalleryPage(QORDlgTabContainer* tabs, const char* name) {
  return new QORDlgTabPage(tabs, name, QORDlgGridLayout);
}

void GalleryDialog::buildPagesFrame() {
  auto* frame = new QORDlgFrame(this, "Pages", QORDlgGridLayout);
  frame->SetGridConstraints(5, 0, 2, 1, kFill);
  auto* tabs = new QORDlgTabContainer(frame, "Tabs", 0);
  tabs->SetGridConstraints(0, 0, 1, 1, kFill);

  QORDlgTabPage* general = AddGalleryPage(tabs, "General");
  place(new QORDlgLabel(general, "Name", 0), 0, 0);
  place(new QORDlgCheckButton(general, "Visible", 0), 1, 0);
  place(new QORDlgCheckButton(general, "Locked", 0), 1, 1);

  QORDlgTabPage* options = AddGalleryPage(tabs, "Options");
  place(new QORDlgRadioButton(options, "Fast", 0), 0, 0);
  place(new QORDlgRadioButton(options, "Exact", 0), 0, 1);
  place(new QORDlgPushButton(options, "Reset", 0), 1, 0);

  QORDlgTabPage* about = AddGalleryPage(tabs, "About");
  place(new QORDlgLabel(about, "Pages", 0), 0, 0);
  place(new QORDlgLabel(about, "Sash", 0), 1, 0);

  // The splitter fills its page; the second pane takes what the page adds.
  QORDlgTabPage* splitter = AddGalleryPage(tabs, "Splitter");
  auto* split = new QORDlgSplitter(splitter, "Split", 0);
  split->SetGridConstraints(0, 0, 1, 1, kFill);
  addPane(split, "Before");
  addPane(split, "After");
  splitter->SetGridColumnResizable(0, 1);
  splitter->SetGridRowResizable(0, 1);
  frame->SetGridColumnResizable(0, 1);
  frame->SetGridRowResizable(0, 1);
}

bool GalleryPagesTarget(GalleryDialog* dialog, const std::string& verb, const std::string& arg, int* x, int* y,
                        int* along) {
  *along = std::atoi(arg.c_str());
  if (verb == "tab") return centreOf(pageTitle(dialog, *along), x, y);
  return centreOf(widgetAt(dialog, "*PagesDa*Splitter.Split.vert_2Sash"), x, y);
}
