#include "l_QORDlgWindow.h"

#include <X11/IntrinsicP.h>
#include <X11/Shell.h>
#include <Xm/Protocols.h>
#include <Xm/Xm.h>

#include <cstdio>

#include "QORDlgText.h"
#include "l_QORDlgCombo.h"
#include "l_QORDlgInspect.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgRadioState.h"
#include "l_QORInteractiveApplication.h"

int l_QORDlgWindow::_deco_width = -1;
int l_QORDlgWindow::_deco_height = -1;
int l_QORDlgWindow::wmOffsetFlag = 0;
l_QORDlgList l_QORDlgWindow::liveWindows;

l_QORDlgWindow::l_QORDlgWindow(l_QORDialog* f, const QORString& n, QORDialog* a, unsigned long s)
    : l_QORDialog(f, n, a, s) {
  // A window roots a tree: its objects reach the application through it.
  if (!f) SetApplication(l_QORInteractiveApplication::GetCurrent());
  if (s & QORDlgGridLayout) style |= QORDlgGridLayout;
  layoutManager = new l_QORDlgLayoutManager(this, QORString("LM_") + n);
  pending |= QORDlgUpdSize;
  liveWindows.insertTail(this);
}

l_QORDlgWindow::~l_QORDlgWindow() {
  l_QORInteractiveApplication* app = GetApplication();
  if (app) app->UpdateCursor();
  liveWindows -= this;
  // Never leave a dangling entry on the application's window list.
  if (app) app->RemoveWindow(this);
}


void l_QORDlgWindow::GetRectPosition(int* px, int* py) {
  if (px) *px = x;
  if (py) *py = y;
}

Widget l_QORDlgWindow::FindShell() {
  for (Widget w = baseWidget; w; w = XtParent(w))
    if (XtIsShell(w)) return w;
  return nullptr;
}

// ---- visibility, manage, focus ----

void l_QORDlgWindow::SetVisibility(unsigned long v) {
  if (built && GetVisibility() == QORDlgShown && (v & QORDlgShown)) {
    // Asked again to show: bring it to the front instead.
    Widget shell = FindShell();
    if (shell && XtWindow(shell)) XRaiseWindow(XtDisplay(shell), XtWindow(shell));
    return;
  }
  l_QORDialog::SetVisibility(v);
  if (!built) {
    pending |= QORDlgUpdSubclass;
    registerDifferUpdate();
  }
}

void l_QORDlgWindow::manage() {
  if (menuBar && menuBar->GetBaseWidget(0)) XtManageChild(menuBar->GetBaseWidget(0));
  l_QORDialog::manage();
}

void l_QORDlgWindow::unmanage() {
  if (menuBar && menuBar->GetBaseWidget(0)) XtUnmanageChild(menuBar->GetBaseWidget(0));
  l_QORDialog::unmanage();
}

l_QORDialog* l_QORDlgWindow::GetFirstEditable() {
  if (!(style & QORDlgSensitive) || !(style & QORDlgShown)) return nullptr;
  for (int i = 0; i < children.getCount(); ++i)
    if (l_QORDialog* e = GetChild(i)->GetFirstEditable()) return e;
  return nullptr;
}

void l_QORDlgWindow::setKeyboardFocus() {
  l_QORDialog* first = GetFirstEditable();
  if (!first || !first->IsBuild()) return;
  Widget w = first->GetBaseWidget(0);
  if (!w) return;
  // Motif settles the traversal on the second request when the shell has
  // only just taken the focus.
  XmProcessTraversal(w, XmTRAVERSE_CURRENT);
  XmProcessTraversal(w, XmTRAVERSE_CURRENT);
}

Boolean l_QORDlgWindow::setKeyboardFocusWP(XtPointer window) {
  auto* w = static_cast<l_QORDlgWindow*>(window);
  if (IsLiveWindow(w) && w->IsBuild()) w->setKeyboardFocus();
  return True;
}

void l_QORDlgWindow::DeselectAllBrothers(int position, int notify) {
  // Radio buttons placed directly in the window form groups of adjacent
  // radio buttons: scan back, then forward, from the caller.
  auto radio = [this](int i) -> l_QORDlgRadioState* {
    if (i < 0 || i >= children.getCount() || !GetChild(i)->IsAKindOf(QORDlgCodeRadioButton)) return nullptr;
    return dynamic_cast<l_QORDlgRadioState*>(GetChild(i));
  };
  for (int i = position - 2; l_QORDlgRadioState* r = radio(i); --i)
    if (r->isRadioSelected()) return r->setRadioUnselected(notify);
  for (int i = position; l_QORDlgRadioState* r = radio(i); ++i)
    if (r->isRadioSelected()) return r->setRadioUnselected(notify);
}

void l_QORDlgWindow::close() { this->notify(&windCloseNotification); }

// ---- slots ----

void l_QORDlgWindow::ForgetMenuBar(l_QORDialog* bar) {
  if (menuBar == bar) menuBar = nullptr;
  if (previousMenuBar == bar) previousMenuBar = nullptr;
}

l_QORDialog* l_QORDlgWindow::SetMenuBar(l_QORDialog* bar) {
  l_QORDialog* old = menuBar;
  previousMenuBar = old;
  menuBar = bar;
  pending |= QORDlgUpdMenuBar;
  registerDifferUpdate();
  return old;
}

l_QORDialog* l_QORDlgWindow::SetStatusBar(l_QORDialog* bar) {
  l_QORDialog* old = statusBar;
  statusBar = bar;
  return old;
}

void l_QORDlgWindow::SetDefaultContextualMenu(l_QORDlgContextualMenu* menu) {
  defaultContextualMenu = menu;
  pending |= QORDlgUpdContextualMenu;
  registerDifferUpdate();
}

void l_QORDlgWindow::SetOpenCombo(l_QORDialog* combo) {
  // One drop-down per window: the one open before closes.
  l_QORDialog* previous = openCombo;
  openCombo = combo;
  if (previous && previous->IsAKindOf(QORDlgCodeCombo)) static_cast<l_QORDlgCombo*>(previous)->CloseCombo();
}

// ---- window manager protocols and events ----

void l_QORDlgWindow::closeCallback(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgWindow*>(client)->close();
}

void l_QORDlgWindow::AddWMCallbacks() {
  Widget shell = baseWidget;
  while (shell && !XtIsWMShell(shell)) shell = XtParent(shell);
  if (!shell) return;
  // Every kind of window answers inspection tools on its shell.
  l_QORDlgInspect::Install(shell, this);
  Display* d = XtDisplay(shell);
  Atom deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", True);
  if (deleteWindow == None) return;
  Atom protocols = XInternAtom(d, "WM_PROTOCOLS", False);
  XmAddProtocolCallback(shell, protocols, deleteWindow, closeCallback, this);
}

void l_QORDlgWindow::InstallMoveWindowHandler(Widget w) {
  if (!w) w = baseWidget;
  if (!w) return;
  XtAddEventHandler(w, StructureNotifyMask, False, moveEH, this);
  XtAddEventHandler(w, NoEventMask, True, moveEH, this);
}

void l_QORDlgWindow::moveEH(Widget, XtPointer client, XEvent* event, Boolean*) {
  static_cast<l_QORDlgWindow*>(client)->handleWindowEvent(event);
}

void l_QORDlgWindow::handleWindowEvent(XEvent* event) {
  if (GetVisibility() == QORDlgHidden) return;
  Display* d = event->xany.display;
  switch (event->type) {
    case ConfigureNotify: {
      const XConfigureEvent& c = event->xconfigure;
      // The window manager's (synthetic) events give the position on the
      // root window; a real one is relative to the window manager's frame, so
      // the position is asked from the server. Xt's own x and y resources of
      // the shell are not kept up to date for real events.
      int nx = c.x, ny = c.y;
      if (!c.send_event) {
        Window child = None;
        XTranslateCoordinates(d, c.window, RootWindow(d, XScreenNumberOfScreen(DefaultScreenOfDisplay(d))), 0, 0,
                              &nx, &ny, &child);
      }
      Screen* screen = baseWidget ? XtScreen(baseWidget) : DefaultScreenOfDisplay(d);
      const int sw = WidthOfScreen(screen), sh = HeightOfScreen(screen);
      // Our own Maximize() and Restore() move and resize in two steps: the
      // event between them says nothing about the window's state.
      if (transition) {
        // Restoring resizes first: the saved size marks the end (a position
        // read back from Xt may be off by what the window manager added).
        const bool arrived = transition == 1 ? nx == _deco_width && ny == _deco_height && c.width == transitionWidth &&
                                                   c.height == transitionHeight
                                             : c.width == savedWidth && c.height == savedHeight;
        if (arrived || ++transitionEvents > 4) transition = 0;
      }
      if (transition) {
        // waiting for the second step
      } else if (nx == _deco_width && ny == _deco_height && nx * 2 + c.width == sw && nx + ny + c.height == sh) {
        // Maximize() has told already when it asked for this geometry.
        const bool already = maximised && !minimised;
        minimised = 0;
        maximised = 1;
        if (!already) notify(&windMaximizeNotification);
      } else if (minimised || maximised) {
        minimised = maximised = 0;
        notify(&windRestoreNotification);
      }
      if (nx != x || ny != y) {
        x = nx;
        y = ny;
        // Where the window manager puts the window before it is mapped is its
        // place, not a move: only changes while it shows are told, whatever
        // the order in which the window manager's events came (a replayed
        // run then tells the same as the recorded one).
        if (placed) notify(&windMoveNotification);
      }
      if (c.width != dx || c.height != dy) {
        dx = c.width;
        dy = c.height;
      }
      break;
    }
    case MapNotify:
      placed = 1;
      break;
    case UnmapNotify:
      placed = 0;  // shown again, it is placed again
      minimised = 1;
      maximised = 0;
      notify(&windMinimizeNotification);
      break;
    case ClientMessage: {
      const XClientMessageEvent& m = event->xclient;
      if (m.message_type != XInternAtom(d, "_MOTIF_WM_MESSAGES", False)) break;
      const unsigned long first = m.format == 16 ? static_cast<unsigned short>(m.data.s[0])
                                                 : static_cast<unsigned long>(m.data.l[0]) & 0xFFFF;
      if (first == (XInternAtom(d, "_MOTIF_WM_OFFSET", False) & 0xFFFF)) wmOffsetFlag = 1;
      break;
    }
    default:
      break;
  }
}

void l_QORDlgWindow::visibilityCB(Widget, XtPointer client, XtPointer) {
  auto* w = static_cast<l_QORDlgWindow*>(client);
  w->notify(&w->visibilityNotification);
}

void l_QORDlgWindow::popupCB(Widget shell, XtPointer client, XtPointer) {
  auto* w = static_cast<l_QORDlgWindow*>(client);
  XtRemoveCallback(shell, XmNpopupCallback, popupCB, client);
  w->Resize();
  w->notify(&w->visibilityNotification);
  XtAddCallback(shell, XmNpopdownCallback, visibilityCB, client);
  XtAddCallback(shell, XmNpopupCallback, visibilityCB, client);
  if (w->workArea && XtHasCallbacks(w->workArea, XmNresizeCallback) != XtCallbackNoList)
    XtAddCallback(w->workArea, XmNresizeCallback, resizeCB, client);
}

void l_QORDlgWindow::resizeCB(Widget, XtPointer client, XtPointer) {
  auto* w = static_cast<l_QORDlgWindow*>(client);
  if (!w->layoutManager || !w->built) return;
  if (w->quietGeometry) return;  // the replay lays out and notifies itself, in order
  w->notify(&w->resizeNotification);
  w->Resize();
  w->notify(&w->windSizeNotification);
}

// ---- maximise, minimise, restore, full screen ----

void l_QORDlgWindow::GetMaximumSize(int* height, int* width) {
  int h = 0, w = 0;
  if (baseWidget) {
    Screen* s = XtScreen(baseWidget);
    h = HeightOfScreen(s);
    w = WidthOfScreen(s);
  }
  if (height) *height = h;
  if (width) *width = w;
}

namespace {
// Asked from the server once the shell is shown: Xt's own position of a shell
// is what it last requested until the window manager's answer comes back.
void shellGeometry(Widget shell, int& x, int& y, int& w, int& h) {
  Position px = 0, py = 0;
  Dimension pw = 0, ph = 0;
  XtVaGetValues(shell, XmNx, &px, XmNy, &py, XmNwidth, &pw, XmNheight, &ph, nullptr);
  x = px, y = py, w = pw, h = ph;
  if (!XtWindow(shell)) return;
  Display* d = XtDisplay(shell);
  Window root = None, child = None;
  int gx = 0, gy = 0;
  unsigned int gw = 0, gh = 0, border = 0, depth = 0;
  if (!XGetGeometry(d, XtWindow(shell), &root, &gx, &gy, &gw, &gh, &border, &depth)) return;
  if (!XTranslateCoordinates(d, XtWindow(shell), root, 0, 0, &gx, &gy, &child)) return;
  x = gx, y = gy, w = static_cast<int>(gw), h = static_cast<int>(gh);
}
// Through Xt, so that the shell's own idea of its geometry stays true (Motif
// puts a shell back where it believes it is), but without waiting for the
// window manager's answer: waiting would swallow the configure event that
// drives the window's state and notifications. (x, y) is where the shell's
// own window goes; a window manager that places frames is given the frame's
// origin.
void placeShell(Widget shell, int x, int y, int w, int h, bool moveFirst) {
  if (l_QORDlgWindow::wmOffsetFlag) {
    x -= l_QORDlgWindow::_deco_width;
    y -= l_QORDlgWindow::_deco_height;
  }
  XtVaSetValues(shell, XtNwaitForWm, False, nullptr);
  // One request at a time, in an order whose last configure event shows the
  // final geometry: the state follows the events. Xt skips a request for
  // what it believes is already so, and its belief may be stale: the same
  // request also goes to the server directly.
  auto move = [&] {
    XtVaSetValues(shell, XmNx, static_cast<Position>(x), XmNy, static_cast<Position>(y), nullptr);
    if (XtWindow(shell)) XMoveWindow(XtDisplay(shell), XtWindow(shell), x, y);
  };
  if (moveFirst) move();
  XtVaSetValues(shell, XmNwidth, static_cast<Dimension>(w), XmNheight, static_cast<Dimension>(h), nullptr);
  if (!moveFirst) move();
}
void deiconify(Widget shell) {
  if (XtWindow(shell)) XMapWindow(XtDisplay(shell), XtWindow(shell));
}
}  // namespace

void l_QORDlgWindow::Maximize() {
  if (!built || maximised) return;
  Widget shell = FindShell();
  if (!shell) return;
  if (minimised) deiconify(shell);
  shellGeometry(shell, savedX, savedY, savedWidth, savedHeight);
  int h = 0, w = 0;
  GetMaximumSize(&h, &w);
  transition = 1;
  transitionEvents = 0;
  transitionWidth = w - 2 * _deco_width;
  transitionHeight = h - _deco_width - _deco_height;
  placeShell(shell, _deco_width, _deco_height, transitionWidth, transitionHeight, true);
  minimised = 0;
  maximised = 1;
  notify(&windMaximizeNotification);
}

void l_QORDlgWindow::Minimize() {
  if (!built || minimised) return;
  Widget shell = FindShell();
  if (!shell || !XtIsTopLevelShell(shell) || !XtWindow(shell)) return;
  XIconifyWindow(XtDisplay(shell), XtWindow(shell), XScreenNumberOfScreen(XtScreen(shell)));
}

void l_QORDlgWindow::Restore() {
  if (!built) return;
  Widget shell = FindShell();
  if (!shell) return;
  if (minimised) {
    deiconify(shell);
    return;
  }
  if (maximised) {
    // The layout's minimum was computed at the maximised size.
    XtVaSetValues(shell, XmNminWidth, 1, XmNminHeight, 1, nullptr);
    transition = 2;
    transitionEvents = 0;
    placeShell(shell, savedX, savedY, savedWidth, savedHeight, false);
  }
}

void l_QORDlgWindow::SetFullScreen(int on) {
  on = on ? 1 : 0;
  if (on == fullScreen) return;
  fullScreen = on;
  pending |= QORDlgUpdFullScreen;
  registerDifferUpdate();
}

void l_QORDlgWindow::applyFullScreen() {
  manage();
  Widget shell = FindShell();
  if (!shell) return;
  if (fullScreen) {
    shellGeometry(shell, savedX, savedY, savedWidth, savedHeight);
    Dimension ww = 0, wh = 0;
    XtVaGetValues(baseWidget, XmNwidth, &ww, XmNheight, &wh, nullptr);
    int h = 0, w = 0;
    GetMaximumSize(&h, &w);
    XtVaSetValues(shell, XmNminWidth, w + 5, XmNminHeight, h + 5, nullptr);
    if (XtWindow(shell)) {
      const int dw = wmOffsetFlag ? _deco_width : 0, dh = wmOffsetFlag ? _deco_height : 0;
      XMoveWindow(XtDisplay(shell), XtWindow(shell), -3 - dw, -3 - dh);
    }
    // The widget grows by what the shell adds around it.
    const int width = (w + 5) - (savedWidth - ww), height = (h + 5) - (savedHeight - wh);
    XtVaSetValues(baseWidget, XmNwidth, static_cast<Dimension>(width), XmNheight, static_cast<Dimension>(height),
                  nullptr);
    UserResize(height, width);
  } else {
    XtVaSetValues(shell, XmNminWidth, 0, XmNminHeight, 0, nullptr);
    placeShell(shell, savedX, savedY, savedWidth, savedHeight, false);
  }
}

// ---- decorations and the deferred update ----

bool l_QORDlgWindow::measureDecorations() {
  if (_deco_width != -1 || _deco_height != -1) return true;
  Widget shell = FindShell();
  if (!shell || !XtWindow(shell)) return false;
  Display* d = XtDisplay(shell);
  // Until the window manager has framed and mapped the window the chain of
  // parents is not final.
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(d, XtWindow(shell), &attributes) || attributes.map_state != IsViewable) return false;
  int sumX = 0, sumY = 0, frameX = 0, frameY = 0;
  for (Window w = XtWindow(shell); w != None;) {
    Window root = None, parent = None, *kids = nullptr;
    unsigned int nkids = 0, gw = 0, gh = 0, border = 0, depth = 0;
    int gx = 0, gy = 0;
    if (!XGetGeometry(d, w, &root, &gx, &gy, &gw, &gh, &border, &depth)) break;
    sumX += gx;
    sumY += gy;
    if (!XQueryTree(d, w, &root, &parent, &kids, &nkids)) break;
    if (kids) XFree(kids);
    if (parent == root) {
      frameX = gx;
      frameY = gy;
    }
    w = parent;
  }
  const int offsetX = sumX - frameX, offsetY = sumY - frameY;
  if (offsetX != 0 && offsetY != 0) {
    _deco_width = offsetX;
    _deco_height = offsetY;
    return true;
  }
  if (XmIsMotifWMRunning(shell)) return false;
  std::printf("Window Manager not working\n");
  std::fflush(stdout);
  _deco_width = _deco_height = 0;
  return true;
}

void l_QORDlgWindow::update(unsigned long mask) {
  if (!built) return;
  bool retry = false;
  auto take = [&](unsigned long bit) { return takePending(bit, mask); };
  if (take(QORDlgUpdSubclass)) {
    if (l_QORInteractiveApplication* app = GetApplication()) app->UpdateCursor();
    registerDifferUpdate();
  }
  if (take(QORDlgUpdKeep) && !measureDecorations()) retry = true;
  if (take(QORDlgUpdVisibility)) {
    if (GetVisibility() == QORDlgShown) {
      if (l_QORInteractiveApplication* app = GetApplication()) app->AddDialogToManage(this);
      if (_deco_width == -1 && _deco_height == -1) retry = true;
    } else {
      for (int i = 0; i < children.getCount(); ++i)
        if (GetChild(i)->IsAKindOf(QORDlgCodeWindow)) GetChild(i)->SetVisibility(QORDlgHidden);
      unmanage();
    }
  }
  if (take(QORDlgUpdTitle)) {
    if (Widget shell = FindShell()) QORDlgText::setShellTitle(shell, title);
  }
  if (take(QORDlgUpdMenuBar)) {
    if (previousMenuBar) previousMenuBar->UnBuild();
    previousMenuBar = nullptr;
    if (menuBar) menuBar->Build();
    registerDifferUpdate();
  }
  if (take(QORDlgUpdSensitivity)) {
    for (int i = 0; i < children.getCount(); ++i)
      if (QORDialog* child = GetChild(i)->GetAPIObject()) child->SetSensitivity(GetChild(i)->GetSensitivity());
    globalUpdate(0);
  }
  if (take(QORDlgUpdFullScreen)) applyFullScreen();
  if (take(QORDlgUpdPosition)) {
    Widget shell = baseWidget && XtIsShell(baseWidget) ? baseWidget
                   : baseWidget && XtParent(baseWidget) && XtIsShell(XtParent(baseWidget)) ? XtParent(baseWidget)
                                                                                             : nullptr;
    if (shell) {
      const int sx = wmOffsetFlag ? x - _deco_width : x, sy = wmOffsetFlag ? y - _deco_height : y;
      XtVaSetValues(shell, XmNx, static_cast<Position>(sx), XmNy, static_cast<Position>(sy), nullptr);
    }
  }
  l_QORDialog::update(mask);
  if (retry) {
    pending |= QORDlgUpdKeep;
    registerDifferUpdate();
  }
}
