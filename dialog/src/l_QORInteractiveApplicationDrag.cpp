// Letter of QORInteractiveApplication: drag and drop inside the application.
// StartDrag asks for a drag; the idle pass runs the modal loop that grabs the
// pointer, tells the objects under it what happens with the drag
// notifications, shows the cursor of the effect they choose and ends with a
// drop or a cancel.
#include "l_QORInteractiveApplication.h"

#include <X11/keysym.h>
#include <Xm/Xm.h>

#include "QORDlgCursorDefinition.h"
#include "QORRecord.h"
#include "l_QORDialog.h"
#include "l_QORInteractiveApplicationShared.h"

namespace {

constexpr unsigned int kGrabMask =
    ButtonPressMask | ButtonReleaseMask | EnterWindowMask | LeaveWindowMask | PointerMotionMask;

// The drag fields of one of the eight drag notifications of a letter.
struct DragFields {
  QORDialog** source = nullptr;
  QORDialog** target = nullptr;
  int* x = nullptr;
  int* y = nullptr;
  unsigned long* flags = nullptr;
  unsigned long* effect = nullptr;
  unsigned long* keys = nullptr;
};

template <class N>
DragFields fieldsOf(N& n) {
  return DragFields{&n.source, &n.target, &n.x, &n.y, &n.startFlags, &n.dropEffect, &n.keyState};
}

DragFields fieldsOf(l_QORDialog* l, QORNotification* n) {
  if (n == &l->dragEnterNotification) return fieldsOf(l->dragEnterNotification);
  if (n == &l->dragOverNotification) return fieldsOf(l->dragOverNotification);
  if (n == &l->dragLeaveNotification) return fieldsOf(l->dragLeaveNotification);
  if (n == &l->dropNotification) return fieldsOf(l->dropNotification);
  if (n == &l->endDropNotification) return fieldsOf(l->endDropNotification);
  if (n == &l->startDragNotification) return fieldsOf(l->startDragNotification);
  if (n == &l->cancelDragNotification) return fieldsOf(l->cancelDragNotification);
  if (n == &l->dragButtonNotification) return fieldsOf(l->dragButtonNotification);
  return DragFields{};
}

// The key state of a drag from X modifiers and buttons.
unsigned long keyStateOf(unsigned int mods) {
  unsigned long keys = 0;
  if (mods & ControlMask) keys |= QORDlgDragKeyControl;
  if (mods & ShiftMask) keys |= QORDlgDragKeyShift;
  if (mods & Button1Mask) keys |= QORDlgDragKeyButton1;
  if (mods & Button2Mask) keys |= QORDlgDragKeyButton2;
  if (mods & Button3Mask) keys |= QORDlgDragKeyButton3;
  return keys;
}

// Index in the drag cursor table: move, copy, link, anything else none.
int cursorIndexOf(unsigned long effect) {
  switch (effect) {
    case DROPEFFECT_MOVE: return 1;
    case DROPEFFECT_COPY: return 2;
    case DROPEFFECT_LINK: return 3;
    default: return 0;
  }
}

Widget widgetOf(l_QORDialog* l) {
  Widget w = l ? l->GetOwnWidget() : nullptr;
  return w ? w : (l ? l->GetBaseWidget(0) : nullptr);
}

}  // namespace

// ---- operations ----

bool l_QORInteractiveApplication::PassesDragThreshold(const XEvent* event, int& startX, int& startY) {
  if (!event || event->type != MotionNotify) return false;
  const int rx = event->xmotion.x_root, ry = event->xmotion.y_root;
  if (startX == 0 && startY == 0) {
    startX = rx;
    startY = ry;
    return false;
  }
  const long ddx = rx - startX, ddy = ry - startY;
  if (ddx * ddx + ddy * ddy < 100) return false;
  startX = startY = 0;
  return true;
}

void l_QORInteractiveApplication::StartDrag(void* data, unsigned long flags) {
  if (dragState == QORDlgDragRequested || dragState == QORDlgDragRunning) return;
  if (!dragAvailability) {
    dragStartWidget = nullptr;
    return;
  }
  dragState = QORDlgDragRequested;
  dragFlag = 1;
  dragSource = dropTarget = nullptr;
  dragData = data;
  dragStartFlags = flags;
  dropEffect = DROPEFFECT_NONE;
  dragX = dragY = 0;
  dragKeyState = 0;
  registerDifferUpdate();
}

void l_QORInteractiveApplication::CancelDrag() {
  if (dragState == QORDlgDragRunning) dragState = QORDlgDragCancelled;
}

int l_QORInteractiveApplication::GetDragState(QORDialog** source, QORDialog** target, POINTL& position,
                                              unsigned long& keyState) const {
  if (source) *source = dragSource ? dragSource->GetAPIObject() : nullptr;
  if (target) *target = dropTarget ? dropTarget->GetAPIObject() : nullptr;
  position.x = dragX;
  position.y = dragY;
  keyState = dragKeyState;
  return dragState;
}

void l_QORInteractiveApplication::SetCurrentDropDialog(QORDialog* target) {
  dropTarget = target ? target->GetLetterObject() : nullptr;
}

Cursor l_QORInteractiveApplication::GetDragCursor(unsigned long effect) {
  static Cursor cursors[QORDlgDragCursorCount] = {};
  const int i = cursorIndexOf(effect);
  if (!cursors[i] && display) cursors[i] = l_QORDialog::createcursor(&QORDlgDragCursorTable[i]);
  return cursors[i];
}

// ---- the loop ----

void l_QORInteractiveApplication::DragMainLoop() {
  if (!display) return;
  if (!dragBegin()) {
    // Nothing to drag, or no grab: no end notification, and a new drag may start.
    dragState = QORDlgDragNone;
    return;
  }
  XEvent event;
  while (dragState == QORDlgDragRunning) {
    XNextEvent(display, &event);
    dragEvent(event);
    // A source destroyed by a receiver leaves nobody to finish the drag with.
    if (!dragSource && dragState == QORDlgDragRunning) dragState = QORDlgDragCancelled;
    dragCursorFollowEffect();
  }
  dragEnd();
}

bool l_QORInteractiveApplication::dragBegin() {
  if (!dragStartWidget)
    dragStartWidget = XtWindowToWidget(display, interactive_application::topViewableWindowAtPointer(display));
  if (!dragStartWidget) return false;
  dragFindTarget(dragStartWidget, nullptr);
  dragSource = dropTarget;
  if (!dragSource) return false;
  Window root = 0, child = 0;
  int rootX = 0, rootY = 0, winX = 0, winY = 0;
  XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &winX, &winY, &dragModifiers);
  dragPositionFrom(rootX, rootY);
  dragKeyState = keyStateOf(dragModifiers);
  XFlush(display);
  if (topLevel) XmUpdateDisplay(topLevel);
  dragState = QORDlgDragRunning;
  dragCursorShown = GetDragCursor(dropEffect);
  sendDrag(dragSource, &dragSource->startDragNotification, false);
  if (dropTarget) sendDrag(dropTarget, &dropTarget->dragEnterNotification, true);
  // A receiver may have destroyed the source (and with it the start widget).
  Widget start = dragStartWidget;
  if (!dragSource || !start || !XtIsRealized(start)) return false;
  if (XGrabPointer(display, XtWindow(start), True, kGrabMask, GrabModeAsync, GrabModeAsync, None, dragCursorShown,
                   XtLastTimestampProcessed(display)) != GrabSuccess)
    return false;
  // Escape and the modifiers reach the drag wherever the keyboard focus is.
  XGrabKeyboard(display, XtWindow(start), True, GrabModeAsync, GrabModeAsync, XtLastTimestampProcessed(display));
  dragMoved = false;
  return true;
}

void l_QORInteractiveApplication::dragEvent(XEvent& event) {
  // Windows the pointer only crossed on its way (virtual crossings) are not
  // where it is: the window it ends in gets the real crossing.
  const bool crossing = event.type == EnterNotify || event.type == LeaveNotify;
  if (crossing && (event.xcrossing.detail == NotifyVirtual || event.xcrossing.detail == NotifyNonlinearVirtual)) return;
  switch (event.type) {
    case Expose:
    case ClientMessage: XtDispatchEvent(&event); break;
    case KeyPress:
    case KeyRelease: dragKey(event); break;
    case MotionNotify:
      if (!dragMoved) {
        dragMoved = true;
        releaseStartWidget(event);
      }
      if (!dropTarget) break;
      dragPositionFrom(event.xmotion.x_root, event.xmotion.y_root);
      sendDrag(dropTarget, &dropTarget->dragOverNotification, true);
      break;
    case LeaveNotify:
      if (dropTarget) sendDrag(dropTarget, &dropTarget->dragLeaveNotification, true);
      // Left for a window of another program, no enter follows: a release
      // there is over no object of ours.
      dropTarget = nullptr;
      break;
    case EnterNotify: dragEnter(event); break;
    case ButtonPress:
    case ButtonRelease: dragState = dropTarget ? QORDlgDragDropped : QORDlgDragCancelled; break;
    default: break;
  }
}

void l_QORInteractiveApplication::dragKey(XEvent& event) {
  const KeySym key = XLookupKeysym(&event.xkey, 0);
  const bool press = event.type == KeyPress;
  // The event's state is the one before this key.
  dragModifiers = event.xkey.state;
  if (key == XK_Shift_L || key == XK_Shift_R) dragModifiers = press ? dragModifiers | ShiftMask : dragModifiers & ~ShiftMask;
  if (key == XK_Control_L || key == XK_Control_R)
    dragModifiers = press ? dragModifiers | ControlMask : dragModifiers & ~ControlMask;
  dragKeyState = keyStateOf(dragModifiers);
  if (key == XK_Escape) {
    if (press) dragState = QORDlgDragCancelled;
    return;
  }
  if (dropTarget) sendDrag(dropTarget, &dropTarget->dragOverNotification, true);
}

void l_QORInteractiveApplication::dragEnter(XEvent& event) {
  dropTarget = nullptr;
  // Crossings of windows that do not select them come as the grab window's:
  // the window really under the pointer says where it is.
  Window entered = event.xcrossing.window;
  if (dragStartWidget && entered == XtWindow(dragStartWidget))
    entered = interactive_application::topViewableWindowAtPointer(display);
  dragFindTarget(XtWindowToWidget(display, entered), &event);
  if (!dropTarget) return;
  dragPositionFrom(event.xcrossing.x_root, event.xcrossing.y_root);
  sendDrag(dropTarget, &dropTarget->dragEnterNotification, true);
}

void l_QORInteractiveApplication::releaseStartWidget(XEvent& motion) {
  Widget w = dragStartWidget;
  if (!w || !XtIsRealized(w)) return;
  // It leaves its pressed look; the release falls outside it, so that a
  // toggle does not take it for a click.
  XEvent release{};
  XButtonEvent& b = release.xbutton;
  b.type = ButtonRelease;
  b.display = display;
  b.window = XtWindow(w);
  b.root = motion.xmotion.root;
  b.time = motion.xmotion.time;
  b.x = b.y = -1;
  b.x_root = motion.xmotion.x_root;
  b.y_root = motion.xmotion.y_root;
  b.state = motion.xmotion.state;
  b.button = Button1;
  b.same_screen = True;
  XtDispatchEvent(&release);
}

void l_QORInteractiveApplication::dragEnd() {
  XUngrabPointer(display, CurrentTime);
  XUngrabKeyboard(display, CurrentTime);
  XFlush(display);
  const int ended = dragState;
  dragState = QORDlgDragNone;
  if (ended == QORDlgDragDropped && dropTarget) {
    sendDrag(dropTarget, &dropTarget->dropNotification, false);
    if (dragSource) sendDrag(dragSource, &dragSource->endDropNotification, false);
  } else if (ended == QORDlgDragCancelled && dragSource) {
    sendDrag(dragSource, &dragSource->cancelDragNotification, false);
  }
  dragData = nullptr;
}

// ---- helpers ----

void l_QORInteractiveApplication::dragFindTarget(Widget w, XEvent* event) {
  dropTarget = nullptr;
  while (w && XtHasCallbacks(w, XmNhelpCallback) != XtCallbackHasSome) w = XtParent(w);
  if (!w) return;
  XmAnyCallbackStruct cbs;
  cbs.reason = XmCR_DRAG;
  cbs.event = event;
  XtCallCallbacks(w, XmNhelpCallback, &cbs);
}

void l_QORInteractiveApplication::dragPositionFrom(int rootX, int rootY) {
  Widget w = widgetOf(dropTarget);
  Position wx = 0, wy = 0;
  if (w && XtIsRealized(w)) XtTranslateCoords(w, 0, 0, &wx, &wy);
  dragX = rootX - wx;
  dragY = rootY - wy;
}

void l_QORInteractiveApplication::sendDrag(l_QORDialog* letter, QORNotification* n, bool takeEffect) {
  const DragFields f = fieldsOf(letter, n);
  if (!f.source) return;
  *f.source = dragSource ? dragSource->GetAPIObject() : nullptr;
  *f.target = dropTarget ? dropTarget->GetAPIObject() : nullptr;
  *f.x = dragX;
  *f.y = dragY;
  *f.flags = dragStartFlags;
  *f.effect = dropEffect;
  *f.keys = dragKeyState;
  // The receiver chooses again each time.
  if (takeEffect) dropEffect = DROPEFFECT_NONE;
  if (QORDialog* api = letter->GetAPIObject()) api->SendNotification(api, n);
}

void l_QORInteractiveApplication::dragCursorFollowEffect() {
  const Cursor c = GetDragCursor(dropTarget ? dropEffect : DROPEFFECT_NONE);
  if (c == dragCursorShown || dragState != QORDlgDragRunning) return;
  dragCursorShown = c;
  XChangeActivePointerGrab(display, kGrabMask, c, CurrentTime);
  XSync(display, False);
}

// ---- replay ----

void l_QORInteractiveApplication::ReplayDragNotification(l_QORDialog* letter, QORNotification* n) {
  if (n == &letter->startDragNotification) {
    dragSource = dropTarget = letter;
    dragState = QORDlgDragRunning;
  } else if (n == &letter->dragEnterNotification || n == &letter->dropNotification) {
    dropTarget = letter;
  }
  // As in the loop: the state is back to none when the drop is sent, the
  // data goes after the last notification.
  const bool last = n == &letter->endDropNotification || n == &letter->cancelDragNotification;
  if (last || n == &letter->dropNotification) dragState = QORDlgDragNone;
  const bool crossing = n == &letter->dragEnterNotification || n == &letter->dragOverNotification ||
                        n == &letter->dragLeaveNotification;
  sendDrag(letter, n, crossing);
  if (last) dragData = nullptr;
}
