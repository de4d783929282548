#include "QORDlgPageTitle.h"

#include <X11/IntrinsicP.h>
#include <Xm/DrawnB.h>
#include <Xm/Form.h>
#include <Xm/Label.h>

#include "QORDlgText.h"
#include "l_QORDlgTabContainer.h"

namespace {
constexpr int kBorder = 2;
// Room beside the text: the two borders and as much again inside them.
constexpr int kLabelRoom = 8;
const char* const kSideNames[] = {"top", "bottom", "left", "right"};
}  // namespace

QORDlgPageTitle::QORDlgPageTitle(l_QORDlgTabContainer* f, const QORUnicodeString& l) : father(f), text(l) {}

QORDlgPageTitle::~QORDlgPageTitle() {
  if (!form) return;
  XtRemoveCallback(form, XmNdestroyCallback, destroyedCB, this);
  XtDestroyWidget(form);
}

void QORDlgPageTitle::destroyedCB(Widget, XtPointer me, XtPointer) {
  auto* self = static_cast<QORDlgPageTitle*>(me);
  self->form = self->label = nullptr;
  for (Widget& b : self->borders) b = nullptr;
}

void QORDlgPageTitle::Build(Widget parent) {
  if (form) return;
  form = XtVaCreateWidget(unused ? "unusedForm" : text.c_str(), xmFormWidgetClass, parent, XmNshadowThickness, 0,
                          XmNmarginWidth, 0, XmNmarginHeight, 0, nullptr);
  XtAddCallback(form, XmNdestroyCallback, destroyedCB, this);
  for (int s = Top; s <= Right; ++s) {
    const bool across = s == Top || s == Bottom;
    borders[s] = XtVaCreateManagedWidget(kSideNames[s], xmDrawnButtonWidgetClass, form, XmNshadowThickness, 0,
                                         XmNhighlightThickness, 0, XmNtraversalOn, False, XmNpushButtonEnabled, False,
                                         across ? XmNheight : XmNwidth, kBorder, nullptr);
    XtAddCallback(borders[s], XmNexposeCallback, exposeCB, this);
  }
  XtVaSetValues(borders[Top], XmNtopAttachment, XmATTACH_FORM, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment,
                XmATTACH_FORM, nullptr);
  XtVaSetValues(borders[Bottom], XmNbottomAttachment, XmATTACH_FORM, XmNleftAttachment, XmATTACH_FORM,
                XmNrightAttachment, XmATTACH_FORM, nullptr);
  for (Side s : {Left, Right})
    XtVaSetValues(borders[s], s == Left ? XmNleftAttachment : XmNrightAttachment, XmATTACH_FORM, XmNtopAttachment,
                  XmATTACH_WIDGET, XmNtopWidget, borders[Top], XmNbottomAttachment, XmATTACH_WIDGET,
                  XmNbottomWidget, borders[Bottom], nullptr);
  label = XtVaCreateManagedWidget(unused ? "unusedLabel" : text.c_str(), xmLabelWidgetClass, form, XmNtopAttachment,
                                  XmATTACH_WIDGET, XmNtopWidget, borders[Top], XmNbottomAttachment, XmATTACH_WIDGET,
                                  XmNbottomWidget, borders[Bottom], XmNleftAttachment, XmATTACH_WIDGET,
                                  XmNleftWidget, borders[Left], XmNleftOffset, kBorder, XmNrightAttachment,
                                  XmATTACH_WIDGET, XmNrightWidget, borders[Right], XmNrightOffset, kBorder, nullptr);
  if (!unused) {
    XtAddEventHandler(label, ButtonPressMask, False, pressEH, this);
    XtAddEventHandler(form, ButtonPressMask, False, pressEH, this);
  }
  showLabel();
}

void QORDlgPageTitle::Manage() {
  if (form) XtManageChild(form);
}

void QORDlgPageTitle::SetLabel(const QORUnicodeString& l) {
  text = l;
  showLabel();
}

void QORDlgPageTitle::showLabel() {
  if (!label) return;
  XmString s = QORDlgText::toXmString(text);
  XtVaSetValues(label, XmNlabelString, s, nullptr);
  XmStringFree(s);
  XtWidgetGeometry natural{};
  XtQueryGeometry(label, nullptr, &natural);
  XtVaSetValues(form, XmNwidth, static_cast<Dimension>(natural.width + kLabelRoom), nullptr);
}

void QORDlgPageTitle::SetActive(char a) {
  if (a == active) return;
  active = a;
  if (borders[Bottom] && XtIsRealized(borders[Bottom])) draw(Bottom);
}

void QORDlgPageTitle::exposeCB(Widget w, XtPointer me, XtPointer) {
  auto* self = static_cast<QORDlgPageTitle*>(me);
  for (int s = Top; s <= Right; ++s)
    if (self->borders[s] == w) self->draw(static_cast<Side>(s));
}

void QORDlgPageTitle::pressEH(Widget, XtPointer me, XEvent* event, Boolean*) {
  if (event->xbutton.button != Button1) return;
  auto* self = static_cast<QORDlgPageTitle*>(me);
  self->father->titlePressed(self);
}

// Light edges on the top and the left, dark on the right; the bottom edge
// continues the page's top edge, open under the active title.
void QORDlgPageTitle::draw(Side side) {
  Widget w = borders[side];
  if (!w || !XtIsRealized(w)) return;
  Pixel light = 0, dark = 0, back = 0;
  XtVaGetValues(w, XmNtopShadowColor, &light, XmNbottomShadowColor, &dark, XmNbackground, &back, nullptr);
  Display* d = XtDisplay(w);
  Window win = XtWindow(w);
  const int width = w->core.width, height = w->core.height;
  GC gc = XCreateGC(d, win, 0, nullptr);
  auto fill = [&](Pixel p, int x, int y, int fw, int fh) {
    if (fw <= 0 || fh <= 0) return;
    XSetForeground(d, gc, p);
    XFillRectangle(d, win, gc, x, y, static_cast<unsigned>(fw), static_cast<unsigned>(fh));
  };
  switch (side) {
    case Top:
      fill(light, 0, 0, width, kBorder);
      break;
    case Bottom:
      fill(light, 0, 0, width, kBorder);
      if (active) fill(back, kBorder, 0, width - 2 * kBorder, kBorder);
      break;
    case Left:  // bevelled: the outer column starts one pixel lower
      fill(light, 0, 1, 1, height - 1);
      fill(light, 1, 0, 1, height);
      break;
    case Right:
      fill(dark, 1, 1, 1, height - 1);
      fill(dark, 0, 0, 1, height);
      break;
  }
  XFreeGC(d, gc);
}
