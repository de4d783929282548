// Help of a dialog object: the status text while the pointer is over it, the
// short-help bubble after the pointer rests, and long help on request.
#include <X11/Shell.h>
#include <Xm/Gadget.h>
#include <Xm/Label.h>
#include <Xm/Manager.h>
#include <Xm/Primitive.h>
#include <Xm/Xm.h>

#include <algorithm>

#include "QORDlgArgs.h"
#include "QORDlgText.h"
#include "l_QORDialog.h"
#include "l_QORDlgWindow.h"
#include "l_QORInteractiveApplication.h"

Widget l_QORDialog::HelpShell = nullptr;

namespace {

const unsigned long bubbleDelay = 600;  // ms of rest before the bubble shows

// At most one bubble in the process, pending (timer) or shown (shell).
Widget bubble = nullptr;
XtIntervalId bubbleTimer = 0;
l_QORDialog* bubbleOwner = nullptr;
Widget pressWidget = nullptr;  // carries the press handler while a bubble is pending or shown

// The shells hang off the application shell, which may go first: forget them then.
void forgetShellCB(Widget w, XtPointer, XtPointer) {
  if (w == bubble) bubble = nullptr;
  if (w == l_QORDialog::HelpShell) l_QORDialog::HelpShell = nullptr;
}

void forgetPressWidgetCB(Widget w, XtPointer, XtPointer) {
  if (w == pressWidget) pressWidget = nullptr;
}

void destroyShell(Widget& shell) {
  if (!shell) return;
  Widget s = shell;
  shell = nullptr;
  XtRemoveCallback(s, XmNdestroyCallback, forgetShellCB, nullptr);
  XtPopdown(s);
  XtDestroyWidget(s);
}

void helpShellPressEH(Widget, XtPointer, XEvent* event, Boolean*) {
  if (event->type == ButtonPress) destroyShell(l_QORDialog::HelpShell);
}

void bubbleTimeoutCB(XtPointer client, XtIntervalId*) {
  bubbleTimer = 0;
  l_QORDialog* owner = static_cast<l_QORDialog*>(client);
  if (!owner->IsBuild()) return;  // unbuilt while the pointer rested
  const QORUnicodeString* text = owner->GetShortHelp();
  if (!text || text->IsEmpty()) return;
  QORUnicodeString copy(*text);
  bubble = owner->CreateHelpShell(&copy, 0);
}

void setLabel(Widget label, const QORUnicodeString& text) {
  XmString s = QORDlgText::toXmString(text);
  XtVaSetValues(label, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

// Every Motif primitive, manager and gadget has a help callback: only other
// widgets are asked, which costs a resource name lookup.
bool hasHelpCallback(Widget w) {
  return XmIsPrimitive(w) || XmIsManager(w) || XmIsGadget(w) || XtHasCallbacks(w, XmNhelpCallback) != XtCallbackNoList;
}

}  // namespace

void l_QORDialog::BulleDestroy() {
  if (bubbleTimer) XtRemoveTimeOut(bubbleTimer);
  bubbleTimer = 0;
  destroyShell(bubble);
  if (pressWidget) {
    XtRemoveEventHandler(pressWidget, ButtonPressMask, False, bullePressEH, bubbleOwner);
    XtRemoveCallback(pressWidget, XmNdestroyCallback, forgetPressWidgetCB, nullptr);
  }
  pressWidget = nullptr;
  bubbleOwner = nullptr;
}

void l_QORDialog::bullePressEH(Widget, XtPointer, XEvent* event, Boolean*) {
  if (event->type == ButtonPress) BulleDestroy();
}

void l_QORDialog::InstallFurtifHelpHandler(Widget w) {
  Widget target = w ? w : baseWidget;
  if (!target) return;
  if (hasHelpCallback(target)) XtAddCallback(target, XmNhelpCallback, QORDlgHelpCB, this);
  // Gadgets get no crossing events of their own.
  if (XtIsWidget(target)) XtAddEventHandler(target, EnterWindowMask | LeaveWindowMask, False, crossingEH, this);
}

void l_QORDialog::crossingEH(Widget w, XtPointer client, XEvent* event, Boolean*) {
  if (event->type != EnterNotify && event->type != LeaveNotify) return;
  // Moving into or out of a child stays over this object.
  if (event->xcrossing.detail == NotifyInferior) return;
  l_QORDialog* self = static_cast<l_QORDialog*>(client);
  l_QORInteractiveApplication* app = self->GetApplication();
  l_QORDialog* document = self->GetDocumentWindow();
  Widget status = app ? app->GetExternalStatusWidget() : nullptr;
  if (event->type == EnterNotify) {
    if (!self->resourceLock) self->loadResources();
    if (self->help && !self->help->IsEmpty()) {
      if (document) document->SetStatusBarTemporaryText(*self->help);
      else if (status) setLabel(status, *self->help);
    }
    BulleDestroy();
    const QORUnicodeString* shortText = self->GetShortHelp();
    if (!shortText || shortText->IsEmpty() || !app) return;
    bubbleTimer = XtAppAddTimeOut(app->GetContext(), bubbleDelay, bubbleTimeoutCB, self);
    bubbleOwner = self;
    pressWidget = (self->baseWidget && XtIsWidget(self->baseWidget)) ? self->baseWidget : w;
    XtAddEventHandler(pressWidget, ButtonPressMask, False, bullePressEH, self);
    XtAddCallback(pressWidget, XmNdestroyCallback, forgetPressWidgetCB, nullptr);
    return;
  }
  BulleDestroy();
  if (document) {
    const QORUnicodeString& t = document->GetTitle();
    document->SetStatusBarTemporaryText(t.IsEmpty() ? QORUnicodeString(" ") : t);
  } else if (status) {
    setLabel(status, app->GetExternalStatusMessage());
  }
}

Widget l_QORDialog::CreateHelpShell(QORUnicodeString* text, int kind) {
  l_QORInteractiveApplication* app = GetApplication();
  if (!text || !app || !app->GetWidget()) return nullptr;
  const QORDlgGlobalXResources& g = GlobalXResources;
  QORDlgArgs<6> args;
  args.add(XmNvisual, app->GetVisual()).add(XmNdepth, app->GetDepth()).add(XmNcolormap, app->GetColormap());
  args.add(XmNborderWidth, 1).add(XmNborderColor, g.shortHelpForeground);
  Widget shell =
      XtCreatePopupShell("HelpShell", overrideShellWidgetClass, app->GetWidget(), args.data(), args.count());
  XtAddCallback(shell, XmNdestroyCallback, forgetShellCB, nullptr);

  // Line breaks in the text start new lines.
  XmString s = QORDlgText::toXmString(*text, QORDlgText::ShortHelp);
  args.clear();
  args.add(XmNlabelString, s).add(XmNbackground, g.shortHelpBackground).add(XmNforeground, g.shortHelpForeground);
  args.add(XmNmarginWidth, 4).add(XmNmarginHeight, 2);
  if (g.shortHelpFontList) args.add(XmNfontList, g.shortHelpFontList);
  Widget label = XtCreateManagedWidget("label", xmLabelWidgetClass, shell, args.data(), args.count());
  XmStringFree(s);
  if (kind == 1) XtAddEventHandler(label, ButtonPressMask, False, helpShellPressEH, nullptr);
  XtRealizeWidget(shell);

  Dimension width = 0, height = 0, border = 0;
  XtVaGetValues(shell, XmNwidth, &width, XmNheight, &height, XmNborderWidth, &border, nullptr);
  if (width == 0 || height == 0) {
    destroyShell(shell);
    return nullptr;
  }
  Display* d = XtDisplay(shell);
  Screen* screen = XtScreen(shell);
  Window root = RootWindowOfScreen(screen), child = 0;
  int px = 0, py = 0, wx = 0, wy = 0;
  unsigned int buttons = 0;
  XQueryPointer(d, root, &root, &child, &px, &py, &wx, &wy, &buttons);
  const int outerW = width + 2 * border, outerH = height + 2 * border;
  int x = px - outerW / 2;
  int y = kind == 0 ? py + 15 : py - outerH / 2;
  x = std::max(0, std::min(x, WidthOfScreen(screen) - outerW));
  y = std::max(0, std::min(y, HeightOfScreen(screen) - outerH));
  XtVaSetValues(shell, XmNx, static_cast<Position>(x), XmNy, static_cast<Position>(y), nullptr);
  XtPopup(shell, XtGrabNone);
  return shell;
}

void l_QORDialog::QORDlgHelp() {
  const QORUnicodeString* text = GetNearestLongHelp();
  if (!text) {
    notify(&helpNotification);
    return;
  }
  destroyShell(HelpShell);
  QORUnicodeString copy(*text);
  HelpShell = CreateHelpShell(&copy, 1);
  if (HelpShell) XtAddEventHandler(HelpShell, ButtonPressMask, False, helpShellPressEH, nullptr);
}

void l_QORDialog::QORDlgHelpCB(Widget, XtPointer client, XtPointer call) {
  const XmAnyCallbackStruct* cbs = static_cast<XmAnyCallbackStruct*>(call);
  if (!cbs) return;
  l_QORDialog* self = static_cast<l_QORDialog*>(client);
  if (cbs->reason == XmCR_HELP) self->QORDlgHelp();
  // The drag loop asks which object is under the pointer.
  if (cbs->reason == XmCR_DRAG)
    if (l_QORInteractiveApplication* app = self->GetApplication()) app->SetCurrentDropDialog(self->GetAPIObject());
}

void l_QORDialog::InstallFocusHandler(Widget w) {
  Widget target = w ? w : baseWidget;
  if (target && XtIsWidget(target)) XtAddEventHandler(target, FocusChangeMask, False, focusEH, this);
}

void l_QORDialog::focusEH(Widget, XtPointer client, XEvent* event, Boolean*) {
  if (event->type == FocusOut) destroyShell(HelpShell);
  if (event->type != FocusIn) return;
  // The focus went elsewhere in the window: its dropped combo list closes.
  l_QORDialog* window = static_cast<l_QORDialog*>(client)->GetWindowFather();
  if (window && window->traits().Has(QORDlgCapWindow)) static_cast<l_QORDlgWindow*>(window)->CloseOpenCombo();
}
