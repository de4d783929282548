// The MDI client and the pointer: sectors, cursors, and the moves and
// resizes the user drags with a rubber band under a pointer grab.
#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <X11/cursorfont.h>
#include <X11/keysym.h>

#include <algorithm>

#include "l_QORDlgClientMDI.h"
#include "l_QORDlgDialog.h"

namespace {
// The cursor of each sector (index = sector; 0, 10 and 11 keep the parent's).
const unsigned int kSectorShape[12] = {0,
                                       XC_top_left_corner,
                                       XC_top_side,
                                       XC_top_right_corner,
                                       XC_right_side,
                                       XC_bottom_right_corner,
                                       XC_bottom_side,
                                       XC_bottom_left_corner,
                                       XC_left_side,
                                       XC_fleur,
                                       0,
                                       0};
// The smallest frame a resize leaves: the title bar and a little room.
const int kMinimumInside = 20;
}  // namespace

int l_QORDlgClientMDI::getSector(Child* c, int rootX, int rootY) const {
  if (!c || !client || !XtWindow(client)) return Outside;
  int x = 0, y = 0;
  Window child = None;
  XTranslateCoordinates(XtDisplay(client), RootWindowOfScreen(XtScreen(client)), XtWindow(client), rootX, rootY, &x,
                        &y, &child);
  const int fx = c->x, fy = c->y, fw = c->width, fh = c->height;
  if (maximized || x < fx || y < fy || x >= fx + fw || y >= fy + fh) return Outside;
  // Along a border: the 20-pixel corner zones at either end.
  auto along = [](int p, int start, int length, int first, int middle, int last) {
    return p < start + kCorner ? first : p < start + length - kCorner ? middle : last;
  };
  if (x < fx + kBorder) return along(y, fy, fh, TopLeft, Left, BottomLeft);
  if (x > fx + fw - kBorder) return along(y, fy, fh, TopRight, Right, BottomRight);
  if (y < fy + kBorder) return along(x, fx, fw, TopLeft, Top, TopRight);
  if (y > fy + fh - kBorder) return along(x, fx, fw, BottomLeft, Bottom, BottomRight);
  return y < fy + kBorder + titleHeight ? TitleBar : Inside;
}

l_QORDlgClientMDI::Child* l_QORDlgClientMDI::FrameAt(const XButtonEvent& press) const {
  if (!client || !XtWindow(client)) return nullptr;
  // A window of another shell (a floating tool bar) may lie over the client.
  Widget pressed = XtWindowToWidget(press.display, press.window);
  while (pressed && !XtIsShell(pressed)) pressed = XtParent(pressed);
  Widget shell = client;
  while (shell && !XtIsShell(shell)) shell = XtParent(shell);
  if (pressed != shell) return nullptr;
  int x = 0, y = 0;
  Window top = None;
  XTranslateCoordinates(display, press.root, XtWindow(client), press.x_root, press.y_root, &x, &y, &top);
  Widget w = top != None ? XtWindowToWidget(display, top) : nullptr;
  return w ? FindFrame(w) : nullptr;
}

Cursor l_QORDlgClientMDI::sectorCursor(int sector) {
  if (sector < 1 || sector >= 12 || !kSectorShape[sector]) return None;
  if (!cursors[sector]) cursors[sector] = XCreateFontCursor(XtDisplay(client), kSectorShape[sector]);
  return cursors[sector];
}

void l_QORDlgClientMDI::installPointer(Child* c) {
  XtAddEventHandler(c->frame, ButtonPressMask, False, framePressEH, this);
  XtAddEventHandler(c->frame, PointerMotionMask, False, frameMotionEH, this);
  for (Widget w : {c->titleBar, c->title}) XtAddEventHandler(w, ButtonPressMask, False, titlePressEH, this);
  for (Widget w : {c->frame, c->titleBar, c->title})
    XtAddEventHandler(w, ButtonMotionMask | ButtonReleaseMask | KeyPressMask, False, trackEH, this);
}

// A press that reaches the frame: its own border, or (passed on by the
// application's loop) a press anywhere inside. Either activates the frame;
// on the border it starts a resize.
void l_QORDlgClientMDI::framePressEH(Widget w, XtPointer self, XEvent* event, Boolean*) {
  auto* m = static_cast<l_QORDlgClientMDI*>(self);
  Child* c = m->FindFrame(w);
  if (!c || event->type != ButtonPress) return;
  m->setActiveMDI(c);
  if (event->xbutton.button != Button1 || event->xbutton.window != XtWindow(w)) return;
  const int sector = m->getSector(c, event->xbutton.x_root, event->xbutton.y_root);
  if (sector >= TopLeft && sector <= Left && !c->iconified)
    m->startTracking(c, sector, event->xbutton.x_root, event->xbutton.y_root, w);
}

void l_QORDlgClientMDI::titlePressEH(Widget w, XtPointer self, XEvent* event, Boolean*) {
  auto* m = static_cast<l_QORDlgClientMDI*>(self);
  Widget frame = XtParent(w) && m->FindFrame(XtParent(w)) ? XtParent(w) : XtParent(XtParent(w));
  Child* c = m->FindFrame(frame);
  if (!c || event->type != ButtonPress) return;
  m->setActiveMDI(c);
  if (event->xbutton.button == Button1 && !m->maximized)
    m->startTracking(c, TitleBar, event->xbutton.x_root, event->xbutton.y_root, w);
}

void l_QORDlgClientMDI::frameMotionEH(Widget w, XtPointer self, XEvent* event, Boolean*) {
  auto* m = static_cast<l_QORDlgClientMDI*>(self);
  Child* c = m->FindFrame(w);
  if (!c || m->tracking.child || event->xmotion.window != XtWindow(w)) return;
  const int sector = c->iconified ? Inside : m->getSector(c, event->xmotion.x_root, event->xmotion.y_root);
  XDefineCursor(XtDisplay(w), XtWindow(w), m->sectorCursor(sector == TitleBar ? Inside : sector));
}

// ---- the drag ----

void l_QORDlgClientMDI::startTracking(Child* c, int sector, int rootX, int rootY, Widget grabWidget) {
  tracking = Tracking{};
  tracking.child = c;
  tracking.sector = sector;
  tracking.startX = tracking.lastX = rootX;
  tracking.startY = tracking.lastY = rootY;
  tracking.grab = grabWidget;
  XGrabPointer(XtDisplay(grabWidget), XtWindow(grabWidget), False,
               ButtonMotionMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync, GrabModeAsync, None,
               sectorCursor(sector), CurrentTime);
  // Through Xt, so that the keys come to the grab widget, not to the focus.
  XtGrabKeyboard(grabWidget, False, GrabModeAsync, GrabModeAsync, CurrentTime);
}

void l_QORDlgClientMDI::trackEH(Widget, XtPointer self, XEvent* event, Boolean*) {
  auto* m = static_cast<l_QORDlgClientMDI*>(self);
  if (!m->tracking.grab) return;
  if (event->type == MotionNotify) m->track(event->xmotion.x_root, event->xmotion.y_root);
  else if (event->type == ButtonRelease) m->endTracking(event->xbutton.x_root, event->xbutton.y_root);
  else if (event->type == KeyPress) m->trackKey(&event->xkey);
}

// The keyboard meanwhile: the arrows step the pointer, and so the outline;
// Return places the frame there, Escape leaves it where it was.
void l_QORDlgClientMDI::trackKey(XKeyEvent* key) {
  const int step = 10;
  int dx = 0, dy = 0;
  switch (XLookupKeysym(key, 0)) {
    case XK_Left: dx = -step; break;
    case XK_Right: dx = step; break;
    case XK_Up: dy = -step; break;
    case XK_Down: dy = step; break;
    case XK_Return:
    case XK_KP_Enter: return endTracking(tracking.lastX, tracking.lastY);
    case XK_Escape: return stopTracking();
    default: return;
  }
  XWarpPointer(key->display, None, None, 0, 0, 0, 0, dx, dy);
}

// The frame's rectangle if the pointer were released at (rootX, rootY).
void l_QORDlgClientMDI::trackedRect(int rootX, int rootY, int& x, int& y, int& w, int& h) const {
  const Child* c = tracking.child;
  const int dx = rootX - tracking.startX, dy = rootY - tracking.startY;
  x = c->x, y = c->y, w = c->width, h = c->height;
  const int s = tracking.sector;
  const int minW = buttonWidth[0] + buttonWidth[1] + buttonWidth[2] + buttonWidth[3] + 2 * kBorder + 8;
  const int minH = titleHeight + 2 * kBorder + kMinimumInside;
  if (s == TitleBar) {
    x += dx;
    y += dy;
    return;
  }
  if (s == TopLeft || s == Left || s == BottomLeft) {
    const int nw = std::max(w - dx, minW);
    x += w - nw;
    w = nw;
  }
  if (s == TopRight || s == Right || s == BottomRight) w = std::max(w + dx, minW);
  if (s == TopLeft || s == Top || s == TopRight) {
    const int nh = std::max(h - dy, minH);
    y += h - nh;
    h = nh;
  }
  if (s == BottomLeft || s == Bottom || s == BottomRight) h = std::max(h + dy, minH);
}

// The outline is drawn inverted on the client, over the frames.
void l_QORDlgClientMDI::drawBand() {
  if (!client || !XtWindow(client) || !tracking.child) return;
  Display* d = XtDisplay(client);
  if (!bandGC) bandGC = XCreateGC(d, XtWindow(client), 0, nullptr);
  XSetFunction(d, bandGC, GXinvert);
  XSetSubwindowMode(d, bandGC, IncludeInferiors);
  XSetLineAttributes(d, bandGC, 2, LineSolid, CapButt, JoinMiter);
  int x = 0, y = 0, w = 0, h = 0;
  trackedRect(tracking.lastX, tracking.lastY, x, y, w, h);
  XDrawRectangle(d, XtWindow(client), bandGC, x + 1, y + 1, static_cast<unsigned>(std::max(w - 2, 1)),
                 static_cast<unsigned>(std::max(h - 2, 1)));
}

void l_QORDlgClientMDI::track(int rootX, int rootY) {
  if (!tracking.child) return;
  if (tracking.drawn) drawBand();  // inverting again wipes the old outline
  tracking.lastX = rootX;
  tracking.lastY = rootY;
  drawBand();
  tracking.drawn = 1;
}

// Wipes the outline and lets the pointer and the keyboard go.
void l_QORDlgClientMDI::stopTracking() {
  if (tracking.drawn) drawBand();
  XUngrabPointer(XtDisplay(tracking.grab), CurrentTime);
  XtUngrabKeyboard(tracking.grab, CurrentTime);
  tracking.grab = nullptr;
  tracking.child = nullptr;
}

void l_QORDlgClientMDI::endTracking(int rootX, int rootY) {
  Child* c = tracking.child;
  const bool still = rootX == tracking.startX && rootY == tracking.startY;
  int x = 0, y = 0, w = 0, h = 0;
  if (c) trackedRect(rootX, rootY, x, y, w, h);
  stopTracking();
  if (!c || still) return;
  const bool moved = x != c->x || y != c->y;
  placeChild(c, x, y, w, h);
  if (!c->iconified) c->savedX = x, c->savedY = y, c->savedWidth = w, c->savedHeight = h;
  if (moved) sendMessage(c, Move);
}
