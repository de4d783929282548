// The third mouse button of a dialog object: a window takes every press of
// button 3 in it, gathers into one pop-up the contextual menus of the
// objects under the pointer, most inner first, with a separator between
// the groups, and pops it up at the pointer.
#include <Xm/RowColumn.h>
#include <Xm/Separator.h>

#include <algorithm>
#include <vector>

#include "l_QORDialog.h"
#include "l_QORDlgClientMDI.h"
#include "l_QORDlgContextualMenu.h"
#include "l_QORDlgDialog.h"
#include "l_QORDlgDocument.h"
#include "l_QORDlgWindow.h"

namespace {

l_QORDlgClientMDI* mdiClientOf(l_QORDialog* window) {
  auto* document = dynamic_cast<l_QORDlgDocument*>(window);
  return document && document->IsMDI() ? document->GetMDIClient() : nullptr;
}

// The child's own widget takes the press, as the window of a dialog box of
// its own would: Motif sees there the gesture that posts the child's menu,
// and the child gathers its menus from it.
void pressOnMDIChild(l_QORDlgDialog* child, const XButtonEvent& press) {
  Widget w = child ? child->GetBaseWidget(1) : nullptr;
  if (!w || !XtWindow(w)) return;
  XEvent copy;
  copy.xbutton = press;
  copy.xbutton.window = XtWindow(w);
  copy.xbutton.subwindow = None;
  Window below = None;
  XTranslateCoordinates(press.display, press.root, copy.xbutton.window, press.x_root, press.y_root, &copy.xbutton.x,
                        &copy.xbutton.y, &below);
  XtDispatchEventToWidget(w, &copy);
}

// An empty gesture on an MDI document goes to its active child.
void passToActiveMDIChild(l_QORDialog* window, XButtonEvent* event) {
  l_QORDlgClientMDI* client = mdiClientOf(window);
  if (l_QORDlgDialog* active = client ? client->MDIGetActive() : nullptr) pressOnMDIChild(active, *event);
}

// The document takes every press in it (its grab is the outermost one); one
// over a child frame is that child's gesture, the child brought to the front
// first, as a click would.
bool passToMDIFrameUnderPointer(l_QORDialog* window, XButtonEvent* event) {
  l_QORDlgClientMDI* client = mdiClientOf(window);
  l_QORDlgClientMDI::Child* c = client ? client->FrameAt(*event) : nullptr;
  if (!c) return false;
  client->MDIActivate(c->dialog);
  pressOnMDIChild(c->dialog, *event);
  return true;
}

// Objects a contextual menu may belong to, as the user sees them: not the
// menus, their items, nor the windows hung below this one.
bool takesPart(l_QORDialog* d) {
  return !d->IsAKindOf(QORDlgCodeMenu) && !d->IsAKindOf(QORDlgCodeMenuItem) && !d->IsAKindOf(QORDlgCodeWindow);
}

// On the screen (built, shown, its widget managed up to the window) and
// holding the point (root coordinates).
bool underPointer(l_QORDialog* d, int rx, int ry) {
  if (!d->IsBuild() || !d->IsOnScreen()) return false;
  Widget w = d->GetBaseWidget(0);
  if (!w || !XtIsRealized(w)) return false;
  for (Widget up = w; up && !XtIsShell(up); up = XtParent(up))
    if (!XtIsManaged(up)) return false;
  Position x = 0, y = 0;
  Dimension width = 0, height = 0;
  XtTranslateCoords(w, 0, 0, &x, &y);
  XtVaGetValues(w, XmNwidth, &width, XmNheight, &height, nullptr);
  return rx >= x && ry >= y && rx < x + width && ry < y + height;
}

// The menus with items along the path of objects under the point, from `d` down.
void gatherAlongTree(l_QORDialog* d, int rx, int ry, std::vector<l_QORDlgContextualMenu*>& found) {
  if (l_QORDlgContextualMenu* m = d->GetContextualMenu())
    if (m->GetChildCount() > 0) found.push_back(m);
  // The last child created lies on top where children overlap.
  for (int i = d->GetChildCount() - 1; i >= 0; --i) {
    l_QORDialog* child = d->GetChild(i);
    if (!takesPart(child) || !underPointer(child, rx, ry)) continue;
    gatherAlongTree(child, rx, ry, found);
    return;
  }
}

// Straight on the server: Xt's own book-keeping of a passive grab would hold
// on to the events Motif's menu grabs next.
void grabThirdButton(Widget w) {
  XGrabButton(XtDisplay(w), Button3, AnyModifier, XtWindow(w), False, ButtonPressMask | ButtonReleaseMask,
              GrabModeAsync, GrabModeAsync, None, None);
}

void grabWhenMappedEH(Widget w, XtPointer, XEvent* event, Boolean*) {
  if (event->type != MapNotify) return;
  XtRemoveEventHandler(w, StructureNotifyMask, False, grabWhenMappedEH, nullptr);
  grabThirdButton(w);
}

// The grab brings every third-button press to the window: the widget under
// the pointer still gets it first, as if there were no grab (a list takes its
// contextual line from it).
void passToWidgetUnderPointer(const XButtonEvent& press) {
  Display* d = press.display;
  Window at = press.window, below = None;
  int x = press.x, y = press.y;
  while (XTranslateCoordinates(d, press.root, at, press.x_root, press.y_root, &x, &y, &below) && below != None)
    at = below;
  if (at == press.window || !XtWindowToWidget(d, at)) return;
  XTranslateCoordinates(d, press.root, at, press.x_root, press.y_root, &x, &y, &below);
  XEvent copy;
  copy.xbutton = press;
  copy.xbutton.window = at;
  copy.xbutton.subwindow = None;
  copy.xbutton.x = x;
  copy.xbutton.y = y;
  XtDispatchEvent(&copy);
}

}  // namespace

void l_QORDialog::threeButtonEH(Widget, XtPointer client, XEvent* event, Boolean*) {
  if (event->type != ButtonPress || event->xbutton.button != Button3) return;
  auto* self = static_cast<l_QORDialog*>(client);
  if (passToMDIFrameUnderPointer(self, &event->xbutton)) return;
  passToWidgetUnderPointer(event->xbutton);
  self->threeButton(&event->xbutton);
}

void l_QORDialog::InstallThreeButtonHandler(Widget w) {
  if (w) XtAddEventHandler(w, ButtonPressMask, False, threeButtonEH, this);
}

// Xt keeps one registration per handler and one grab per button: enabling
// twice changes nothing. The grab brings the presses over the children to
// the window, whatever child widget lies under the pointer.
void l_QORDialog::EnableThreeButton(Widget w) {
  if (!traits().Has(QORDlgCapThreeButton)) return;
  Widget target = w ? w : baseWidget;
  if (!target) return;
  InstallThreeButtonHandler(target);
  if (XtIsRealized(target)) grabThirdButton(target);
  else XtAddEventHandler(target, StructureNotifyMask, False, grabWhenMappedEH, nullptr);
}

void l_QORDialog::threeButton(XButtonEvent* event) {
  auto* window = dynamic_cast<l_QORDlgWindow*>(GetWindowFather());
  l_QORDlgContextualMenu* owner = window ? window->GetDefaultContextualMenu() : nullptr;
  if (!owner) return passToActiveMDIChild(window, event);
  owner->Build();
  Widget popup = owner->GetBaseWidget(0);
  if (!popup) return;
  std::vector<l_QORDlgContextualMenu*> found;
  gatherAlongTree(window, event->x_root, event->y_root, found);
  std::reverse(found.begin(), found.end());
  int groups = 0;
  for (l_QORDlgContextualMenu* m : found) {
    m->Build();
    if (groups++ > 0) XtManageChild(XmCreateSeparator(popup, const_cast<char*>("automatic_sp"), nullptr, 0));
    m->popupMenu();
    l_QORDlgContextualMenu::ctxemptylist.push_back(m);
  }
  if (groups == 0) return passToActiveMDIChild(window, event);
  XmMenuPosition(popup, event);
  XtManageChild(popup);
}

void l_QORDialog::threeButtonSecondaryHandler(XButtonEvent* event) { threeButton(event); }
