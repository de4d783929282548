// The tab container's widgets and its strip of titles: a scrolled window
// without scroll bars, moved by the two arrows so that a hidden title shows.
#include <X11/IntrinsicP.h>
#include <Xm/ArrowB.h>
#include <Xm/DrawingA.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrolledW.h>

#include <string>

#include "QORDlgPageTitle.h"
#include "l_QORDlgTabContainer.h"
#include "qordlg_assert.h"

namespace {
constexpr int kWorkShadow = 2;
// The filler after the last title: as wide as any strip, it carries the
// line under the titles to the end and takes no clicks.
constexpr int kFillerBlanks = 1023;

Widget clipOf(Widget scrolled) {
  Widget clip = nullptr;
  XtVaGetValues(scrolled, XmNclipWindow, &clip, nullptr);
  return clip;
}
}  // namespace

void l_QORDlgTabContainer::buildStrip() {
  selectArea = XtVaCreateManagedWidget("selectArea", xmFormWidgetClass, baseWidget, XmNtopAttachment, XmATTACH_FORM,
                                       XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM,
                                       XmNmarginWidth, 0, XmNmarginHeight, 0, XmNshadowThickness, 0, nullptr);
  rightArrow = XtVaCreateWidget("right", xmArrowButtonWidgetClass, selectArea, XmNarrowDirection, XmARROW_RIGHT,
                                XmNtopAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM,
                                XmNrightAttachment, XmATTACH_FORM, XmNtraversalOn, False, nullptr);
  leftArrow = XtVaCreateWidget("left", xmArrowButtonWidgetClass, selectArea, XmNarrowDirection, XmARROW_LEFT,
                               XmNtopAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM,
                               XmNrightAttachment, XmATTACH_WIDGET, XmNrightWidget, rightArrow, XmNtraversalOn, False,
                               nullptr);
  const bool arrows = !(style & QORDlgTabNoArrows);
  for (Widget a : {rightArrow, leftArrow}) {
    XtAddCallback(a, XmNactivateCallback, arrowCB, this);
    if (arrows) XtManageChild(a);
  }
  // Scroll bars are made and left unmanaged: the arrows scroll instead.
  scrollWindow = XtVaCreateManagedWidget(
      "_scrollWindow", xmScrolledWindowWidgetClass, selectArea, XmNscrollingPolicy, XmAUTOMATIC,
      XmNscrollBarDisplayPolicy, XmSTATIC, XmNshadowThickness, 0, XmNspacing, 0, XmNscrolledWindowMarginWidth, 0,
      XmNscrolledWindowMarginHeight, 0, XmNtopAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM,
      XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, arrows ? XmATTACH_WIDGET : XmATTACH_FORM,
      XmNrightWidget, leftArrow, nullptr);
  Widget bars[2] = {nullptr, nullptr};
  XtVaGetValues(scrollWindow, XmNhorizontalScrollBar, &bars[0], XmNverticalScrollBar, &bars[1], nullptr);
  for (Widget b : bars)
    if (b) XtUnmanageChild(b);
  if (Widget clip = clipOf(scrollWindow)) XtAddEventHandler(clip, StructureNotifyMask, False, stripResizedEH, this);
  titleBox = XtVaCreateManagedWidget("_pageTitleBox", xmRowColumnWidgetClass, scrollWindow, XmNorientation,
                                     XmHORIZONTAL, XmNpacking, XmPACK_TIGHT, XmNmarginWidth, 0, XmNmarginHeight, 0,
                                     XmNspacing, 0, XmNentryBorder, 0, nullptr);
  workArea = XtVaCreateManagedWidget("_workAreaWidget", xmFrameWidgetClass, baseWidget, XmNshadowType, XmSHADOW_OUT,
                                     XmNshadowThickness, kWorkShadow, XmNmarginWidth, 0, XmNmarginHeight, 0,
                                     XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, selectArea, XmNleftAttachment,
                                     XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, XmNbottomAttachment,
                                     XmATTACH_FORM, nullptr);
  clientArea = XtVaCreateManagedWidget("_clientAreaWidget", xmDrawingAreaWidgetClass, workArea, XmNmarginWidth, 0,
                                       XmNmarginHeight, 0, XmNresizePolicy, XmRESIZE_NONE, nullptr);
}

// Built once, first in the strip: its height is the strip's.
void l_QORDlgTabContainer::addFiller() {
  if (filler || !titleBox) return;
  filler = new QORDlgPageTitle(this, QORUnicodeString(std::string(kFillerBlanks, ' ').c_str()));
  filler->SetUnused(1);
  filler->Build(titleBox);
  XtVaSetValues(filler->GetBaseWidget(), XmNpositionIndex, XmLAST_POSITION, nullptr);
  filler->Manage();
  XtWidgetGeometry natural{};
  XtQueryGeometry(filler->GetBaseWidget(), nullptr, &natural);
  stripHeight = natural.height;
  XtVaSetValues(selectArea, XmNheight, static_cast<Dimension>(stripHeight), nullptr);
  for (Widget a : {rightArrow, leftArrow}) XtVaSetValues(a, XmNwidth, static_cast<Dimension>(stripHeight), nullptr);
}

void l_QORDlgTabContainer::ComputeVisibleItems() {
  hiddenLeft = hiddenRight = -1;
  Widget clip = scrollWindow ? clipOf(scrollWindow) : nullptr;
  if (!clip || !titleBox) return;
  const int visible = clip->core.width;
  const int origin = titleBox->core.x;
  for (int i = 0; i < static_cast<int>(titles.size()); ++i) {
    Widget f = titles[i] ? titles[i]->GetBaseWidget() : nullptr;
    if (!f || !XtIsManaged(f)) continue;
    const int x = origin + f->core.x;
    if (x < 0) hiddenLeft = i;
    if (hiddenRight < 0 && x + f->core.width > visible) hiddenRight = i;
  }
  XtSetSensitive(leftArrow, hiddenLeft >= 0 ? True : False);
  XtSetSensitive(rightArrow, hiddenRight >= 0 ? True : False);
}

void l_QORDlgTabContainer::scrollLeft() {
  ComputeVisibleItems();
  scrollTo(hiddenLeft);
}

void l_QORDlgTabContainer::scrollRight() {
  ComputeVisibleItems();
  scrollTo(hiddenRight);
}

// Brings the title of page `index` into view (none for -1).
void l_QORDlgTabContainer::scrollTo(int index) {
  if (index < 0) return;
  QORDlgPageTitle* cur_page = titles[index];
  QORDLG_ASSERT(cur_page != nullptr, "cur_page != NULL");
  XmScrollVisible(scrollWindow, cur_page->GetBaseWidget(), 0, 0);
  ComputeVisibleItems();
}

void l_QORDlgTabContainer::arrowCB(Widget w, XtPointer me, XtPointer) {
  auto* self = static_cast<l_QORDlgTabContainer*>(me);
  if (w == self->leftArrow) self->scrollLeft();
  else self->scrollRight();
}

void l_QORDlgTabContainer::stripResizedEH(Widget, XtPointer me, XEvent* event, Boolean*) {
  if (event->type == ConfigureNotify) static_cast<l_QORDlgTabContainer*>(me)->ComputeVisibleItems();
}
