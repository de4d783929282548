// What the buttons, the label and the separator share: their creation
// arguments, their label string and the drag start on button-1 motion.
#include "l_QORDlgControl.h"

#include <Xm/Xm.h>

#include <cstring>

#include "l_QORInteractiveApplication.h"

void l_QORDlgControl::commonArgs(QORDlgArgList& args, bool toggle) {
  args.add(XmNuserData, static_cast<XtPointer>(this));
  if (!GlobalXResources.enabled) return;
  args.add(XmNbackground, GlobalXResources.documentBackground);
  args.add(XmNforeground, GlobalXResources.documentForeground);
  if (GlobalXResources.documentFontList) args.add(XmNfontList, GlobalXResources.documentFontList);
  if (toggle) args.add(XmNselectColor, globalSelectColor());
}

void l_QORDlgControl::takeNaturalSize() {
  XtManageChild(baseWidget);
  Dimension w = 0, h = 0;
  XtVaGetValues(baseWidget, XmNwidth, &w, XmNheight, &h, nullptr);
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
  const QORUnicodeString& t = GetTitle();
  XmString s = XmStringCreateSimple(const_cast<char*>(t.c_str()));
  XtVaSetValues(w, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

XtTranslations l_QORDlgControl::motionTranslations() {
  static XtTranslations parsed = XtParseTranslationTable("<Btn1Motion>: Motion()");
  return parsed;
}

void l_QORDlgControl::dragStart(XEvent* event) {
  if (!event || event->type != MotionNotify) return;
  const int rx = event->xmotion.x_root, ry = event->xmotion.y_root;
  if (dragStartX == 0 && dragStartY == 0) {
    dragStartX = rx;
    dragStartY = ry;
    return;
  }
  const long ddx = rx - dragStartX, ddy = ry - dragStartY;
  if (ddx * ddx + ddy * ddy < 100) return;
  dragStartX = dragStartY = 0;
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
  n.keyState = 1;
  // NOT DONE: the application's StartDrag and drag loop, which a subscriber
  // would call from here to turn this start into a drag, do not exist yet.
  notify(&n);
}

bool l_QORDlgControl::restoreDragButton(QORNotification* n) {
  if (std::strcmp(n->IsA(), dragButtonNotification.IsA()) != 0) return false;
  if (!api) return true;
  l_QORInteractiveApplication::dragStartWidget = baseWidget;
  notify(&dragButtonNotification);
  return true;
}
