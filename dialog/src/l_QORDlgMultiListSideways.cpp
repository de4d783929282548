// Scrolling the multi-column list sideways. The columns and their titles sit
// in one form inside a clip window; the horizontal bar moves that form, so
// the titles stay over their columns, while the vertical bar keeps its place
// at the right and moves the lines. A column reached with the keyboard
// scrolls into view.
#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <Xm/DrawingA.h>
#include <Xm/Form.h>
#include <Xm/ScrollBar.h>

#include <algorithm>

#include "l_QORDlgMultiList.h"

void l_QORDlgMultiList::buildClip() {
  // A drawing area lays out nothing itself: the form goes where placeColumns puts it.
  clip = XtVaCreateManagedWidget("clip", xmDrawingAreaWidgetClass, baseWidget, XmNmarginWidth, 0, XmNmarginHeight,
                                 0, XmNresizePolicy, XmRESIZE_NONE, nullptr);
  XtAddCallback(clip, XmNresizeCallback, clipResizedCB, this);
  mainForm = XtVaCreateManagedWidget("mainForm", xmFormWidgetClass, clip, XmNresizePolicy, XmRESIZE_NONE, nullptr);
  hbar = XtVaCreateWidget("hbar", xmScrollBarWidgetClass, baseWidget, XmNorientation, XmHORIZONTAL, nullptr);
  addScrollCallbacks(hbar, sideScrolledCB);
}

// The form fills the clip window's height and is at least as wide; the part
// wider than the clip window is what the horizontal bar scrolls through, the
// bar being shown only when there is such a part.
void l_QORDlgMultiList::placeColumns() {
  const int clipWidth = clip->core.width, clipHeight = clip->core.height;
  if (clipWidth <= 1) return;  // not laid out yet: its resize comes back here
  const int width = columnsWidth(), hidden = std::max(0, width - clipWidth);
  shift = std::min(shift, hidden);
  if (hidden > 0) {
    XtVaSetValues(hbar, XmNminimum, 0, XmNmaximum, width, XmNsliderSize, clipWidth, XmNvalue, shift, XmNincrement,
                  charWidth, XmNpageIncrement, std::max(clipWidth - charWidth, 1), nullptr);
    XtManageChild(hbar);
  } else {
    XtUnmanageChild(hbar);
  }
  XtConfigureWidget(mainForm, static_cast<Position>(-shift), 0, static_cast<Dimension>(std::max(width, clipWidth)),
                    static_cast<Dimension>(std::max(clipHeight, 1)), 0);
}

void l_QORDlgMultiList::clipResizedCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgMultiList*>(client)->placeColumns();
}

void l_QORDlgMultiList::sideScrolledCB(Widget, XtPointer client, XtPointer call) {
  auto* self = static_cast<l_QORDlgMultiList*>(client);
  self->shift = static_cast<XmScrollBarCallbackStruct*>(call)->value;
  XtMoveWidget(self->mainForm, static_cast<Position>(-self->shift), 0);
}

void l_QORDlgMultiList::focusEH(Widget w, XtPointer client, XEvent* event, Boolean*) {
  if (event->type != FocusIn) return;
  auto* self = static_cast<l_QORDlgMultiList*>(client);
  self->showColumn(self->columns[static_cast<size_t>(self->columnOfList(w))]);
}

// Scrolls as little as shows the whole column, or its left part when it is
// wider than the table.
void l_QORDlgMultiList::showColumn(const Column& c) {
  if (clip->core.width <= 1) return;
  const int left = c.form->core.x, right = left + c.form->core.width;
  int wanted = std::max(shift, right - static_cast<int>(clip->core.width));
  wanted = std::min(wanted, left);
  if (wanted == shift) return;
  shift = wanted;
  placeColumns();
}
