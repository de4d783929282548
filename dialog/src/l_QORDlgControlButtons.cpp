// What the buttons, the label and the separator share: their creation
// arguments, their label string and the drag start on button-1 motion.
#include "l_QORDlgControl.h"

#include <X11/IntrinsicP.h>
#include <Xm/Xm.h>

#include "QORDlgText.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORInteractiveApplication.h"

void l_QORDlgControl::commonArgs(QORDlgArgList& args, bool toggle, bool withLabel) {
  args.add(XmNuserData, static_cast<XtPointer>(this));
  // Created with its text, a label measures itself once instead of twice.
  if (withLabel && !IsAKindOf(QORDlgCodeSeparator)) {
    if (creationLabel) XmStringFree(creationLabel);
    creationLabel = QORDlgText::toXmString(GetTitle());
    args.add(XmNlabelString, creationLabel);
  }
  if (!GlobalXResources.enabled) return;
  args.add(XmNbackground, GlobalXResources.documentBackground);
  args.add(XmNforeground, GlobalXResources.documentForeground);
  if (GlobalXResources.documentFontList) args.add(XmNfontList, GlobalXResources.documentFontList);
  if (toggle) args.add(XmNselectColor, globalSelectColor());
}

void l_QORDlgControl::takeNaturalSize() {
  // Read from the widget record: XtGetValues costs more than the measure.
  XtManageChild(baseWidget);
  const Dimension w = baseWidget->core.width, h = baseWidget->core.height;
  XtUnmanageChild(baseWidget);
  dx = w;
  dy = h;
}

Pixel l_QORDlgControl::globalSelectColor() {
  // The global set keeps no select colour of its own. Motif's derived one is
  // a shade of the document background, which leaves a set indicator hard to
  // tell from an unset one: the text colour fills it instead.
  return GlobalXResources.documentForeground;
}

void l_QORDlgControl::setLabelString(Widget w) {
  if (!w) return;
  if (creationLabel) {
    XmStringFree(creationLabel);
    creationLabel = nullptr;
    return;
  }
  XmString s = QORDlgText::toXmString(GetTitle());
  XtVaSetValues(w, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

XtTranslations l_QORDlgControl::motionTranslations() {
  static XtTranslations parsed = XtParseTranslationTable("<Btn1Motion>: Motion()");
  return parsed;
}

void l_QORDlgControl::dragStart(XEvent* event) {
  if (!l_QORInteractiveApplication::PassesDragThreshold(event, dragStartX, dragStartY)) return;
  // One start per drag: the idle pass (or the drag loop) clears it.
  if (l_QORInteractiveApplication::dragStartWidget) return;
  l_QORInteractiveApplication::dragStartWidget = baseWidget;
  QORDlgDragButtonNotification& n = dragButtonNotification;
  n.source = api;
  n.target = api;
  // The pointer in the widget; the start flags and the effect belong to a
  // drag that has not been started yet.
  n.x = event->xmotion.x;
  n.y = event->xmotion.y;
  n.startFlags = 0;
  n.dropEffect = 0;
  n.keyState = QORDlgDragKeyButton1;
  // A subscriber turns this start into a drag with the application's StartDrag.
  notify(&n);
}

void l_QORDlgControl::recordDragButton(l_QORDlgRecordCases& cases) {
  cases.add(&dragButtonNotification).untraced().onReplay([this] {
    l_QORInteractiveApplication::dragStartWidget = baseWidget;
    notify(&dragButtonNotification);
  });
}
