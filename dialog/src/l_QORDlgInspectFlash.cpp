#include "l_QORDlgInspectFlash.h"

#include <X11/Shell.h>
#include <Xm/Xm.h>

#include "l_QORDialog.h"
#include "l_QORInteractiveApplication.h"

namespace {
const unsigned long kBlinkMs = 500;
// Hidden after steps 1, 3, 5, shown again after 2, 4, 6; step 7 ends it.
const int kLastStep = 7;
}  // namespace

l_QORDlgInspectFlash::l_QORDlgInspectFlash(Widget s, XtAppContext c) : shell(s), context(c) {
  XtAddCallback(shell, XtNdestroyCallback, destroyedCB, this);
}

void l_QORDlgInspectFlash::Start(l_QORDialog* object, Widget widget, int x, int y, int width, int height) {
  l_QORInteractiveApplication* app = object->GetApplication();
  Widget parent = XtParent(widget) ? XtParent(widget) : widget;
  Arg args[6];
  Cardinal n = 0;
  XtSetArg(args[n], XmNx, static_cast<Position>(x)), ++n;
  XtSetArg(args[n], XmNy, static_cast<Position>(y)), ++n;
  if (app && app->GetVisual()) {
    XtSetArg(args[n], XmNvisual, app->GetVisual()), ++n;
    XtSetArg(args[n], XmNdepth, app->GetDepth()), ++n;
    XtSetArg(args[n], XmNcolormap, app->GetColormap()), ++n;
  }
  Widget shell = XtCreatePopupShell("flash", overrideShellWidgetClass, parent, args, n);
  XtVaSetValues(shell, XtVaTypedArg, XmNbackground, XmRString, "blue", 5, nullptr);
  Dimension border = 0;
  XtVaGetValues(shell, XmNborderWidth, &border, nullptr);
  const int w = width - 2 * border, h = height - 2 * border;
  XtVaSetValues(shell, XmNwidth, static_cast<Dimension>(w > 0 ? w : 1), XmNheight,
                static_cast<Dimension>(h > 0 ? h : 1), nullptr);
  XtRealizeWidget(shell);
  auto* flash = new l_QORDlgInspectFlash(shell, XtWidgetToApplicationContext(shell));
  flash->show();
  flash->schedule();
}

void l_QORDlgInspectFlash::schedule() { timer = XtAppAddTimeOut(context, kBlinkMs, stepTO, this); }

void l_QORDlgInspectFlash::show() { XMapRaised(XtDisplay(shell), XtWindow(shell)); }

void l_QORDlgInspectFlash::step() {
  timer = 0;
  ++steps;
  if (steps == kLastStep) {
    XUnmapWindow(XtDisplay(shell), XtWindow(shell));
    XFlush(XtDisplay(shell));
    XtDestroyWidget(shell);  // the destroy callback deletes this
    return;
  }
  if (steps % 2) {
    XUnmapWindow(XtDisplay(shell), XtWindow(shell));
  } else {
    show();
  }
  schedule();
}

void l_QORDlgInspectFlash::stepTO(XtPointer self, XtIntervalId*) { static_cast<l_QORDlgInspectFlash*>(self)->step(); }

void l_QORDlgInspectFlash::destroyedCB(Widget, XtPointer self, XtPointer) {
  auto* flash = static_cast<l_QORDlgInspectFlash*>(self);
  if (flash->timer) XtRemoveTimeOut(flash->timer);
  delete flash;
}
