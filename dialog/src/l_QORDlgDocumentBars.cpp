// The document's side of its bars: the docking areas around the work area,
// the tool bars placed in them, the sashes that resize the areas, and the
// status row.
#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <Xm/SashP.h>

#include <algorithm>

#include "QORRecord.h"
#include "l_QORDlgClientMDI.h"
#include "l_QORDlgDocument.h"
#include "l_QORDlgStatusBar.h"
#include "l_QORDlgToolBar.h"

namespace {
// The placement rule of the docked bars: their offset from the area's edges.
constexpr int kNear = 3, kFar = 8;
// Room across an area beyond its thickest bar: the offset before it and
// the strip after it that holds the separator and the sash.
constexpr int kAcross = kNear + kFar;
constexpr int kSashSize = 6;
constexpr int kSeparatorSize = 2;

void place(Widget w, int x, int y, int width, int height) {
  if (!w) return;
  XtConfigureWidget(w, static_cast<Position>(x), static_cast<Position>(y), static_cast<Dimension>(std::max(width, 1)),
                    static_cast<Dimension>(std::max(height, 1)), w->core.border_width);
}

int preferredHeight(Widget w) {
  XtWidgetGeometry wanted{};
  XtQueryGeometry(w, nullptr, &wanted);
  return (wanted.request_mode & CWHeight) ? wanted.height : w->core.height;
}

l_QORDlgDocument::Dock dockOf(unsigned long state) {
  switch (state) {
    case QORDlgToolBarBottom: return l_QORDlgDocument::Bottom;
    case QORDlgToolBarLeft: return l_QORDlgDocument::Left;
    case QORDlgToolBarRight: return l_QORDlgDocument::Right;
    default: return l_QORDlgDocument::Top;
  }
}

// Xt does nothing for a child already in the asked state.
void manageIf(Widget w, bool managed) {
  if (!w) return;
  if (managed) XtManageChild(w);
  else XtUnmanageChild(w);
}

bool horizontalDock(int d) { return d == l_QORDlgDocument::Top || d == l_QORDlgDocument::Bottom; }
}  // namespace

void l_QORDlgDocument::roomAround(int& thickTop, int& thickBottom, int& thickLeft, int& thickRight, int& status) {
  int thick[Docks] = {};
  for (int d = 0; d < Docks; ++d)
    thick[d] = docks[d].holdsToolBar && XtIsManaged(docks[d].area) ? std::max(docks[d].size, 1) : 0;
  thickTop = thick[Top], thickBottom = thick[Bottom], thickLeft = thick[Left], thickRight = thick[Right];
  status = statusRow && XtIsManaged(statusRow) ? preferredHeight(statusRow) : 0;
}

void l_QORDlgDocument::arrangeAreas() {
  if (!clientArea || arranging) return;
  arranging = 1;
  const int width = clientArea->core.width, height = clientArea->core.height;
  int top = 0, bottom = 0, left = 0, right = 0, status = 0;
  roomAround(top, bottom, left, right, status);
  const int middle = height - top - bottom - status;
  if (top) place(docks[Top].area, 0, 0, width, top);
  if (bottom) place(docks[Bottom].area, 0, height - status - bottom, width, bottom);
  if (left) place(docks[Left].area, 0, top, left, middle);
  if (right) place(docks[Right].area, width - right, top, right, middle);
  if (status) place(statusRow, 0, height - status, width, status);
  const Dimension oldWidth = workArea->core.width, oldHeight = workArea->core.height;
  place(workArea, left, top, width - left - right, middle);
  for (int d = 0; d < Docks; ++d) placeEdge(static_cast<Dock>(d));
  if (mdiClient) mdiClient->FollowWorkArea();
  // The objects follow the work area, whoever changed it (the window's size,
  // a bar docking elsewhere, a sash).
  const bool changed = workArea->core.width != oldWidth || workArea->core.height != oldHeight;
  if (changed && !firstSizePending && shell && !quietGeometry) UserResize(shell->core.height, shell->core.width);
  arranging = 0;
}

// The separator and the sash lie along the area's edge next to the work area.
void l_QORDlgDocument::placeEdge(Dock d) {
  DockArea& a = docks[d];
  const bool shown = a.holdsToolBar && XtIsManaged(a.area);
  if (!shown) {
    XtUnmanageChild(a.separator);
    return;
  }
  const int w = a.area->core.width, h = a.area->core.height;
  const int sep = d == Top || d == Left ? (horizontalDock(d) ? h : w) - kSeparatorSize : 0;
  if (horizontalDock(d)) place(a.separator, a.area->core.x, a.area->core.y + sep, w, kSeparatorSize);
  else place(a.separator, a.area->core.x + sep, a.area->core.y, kSeparatorSize, h);
  XtManageChild(a.separator);
  if (a.separator && XtIsRealized(a.separator)) XRaiseWindow(XtDisplay(a.separator), XtWindow(a.separator));
  const int across = d == Top || d == Left ? (horizontalDock(d) ? h : w) - kSeparatorSize - kSashSize : kSeparatorSize;
  const int along = (horizontalDock(d) ? w : h) - 4 * kSashSize;
  if (horizontalDock(d)) place(a.sash, along, across, kSashSize, kSashSize);
  else place(a.sash, across, along, kSashSize, kSashSize);
  if (a.sash && XtIsRealized(a.sash)) XRaiseWindow(XtDisplay(a.sash), XtWindow(a.sash));
}

// ---- the sashes ----

void l_QORDlgDocument::makeSash(Dock d, const char* name) {
  docks[d].sash = XtVaCreateWidget(name, xmSashWidgetClass, docks[d].area, XmNwidth, kSashSize, XmNheight, kSashSize,
                                   nullptr);
  XtAddCallback(docks[d].sash, XmNcallback, sashCB, this);
}

// Dragging a sash sets the thickness of its area, within what leaves the
// work area some room; the resizable bars of the area take it.
void l_QORDlgDocument::sashCB(Widget w, XtPointer client, XtPointer call) {
  // A recorded run replays notifications, not pointer drags.
  if (QORRecord::GetMain()->RecordMod() == QORRecordCapture) return;
  auto* self = static_cast<l_QORDlgDocument*>(client);
  auto* data = static_cast<SashCallData>(call);
  if (!data || !data->event || data->num_params < 1) return;
  const char step = data->params[0][0];
  if (step != 'S' && step != 'M') return;
  for (int d = 0; d < Docks; ++d) {
    if (self->docks[d].sash != w) continue;
    const int reached = self->sashReach(static_cast<Dock>(d), data->event);
    if (step == 'S') self->sashOffset = self->docks[d].size - reached;
    else self->dragSash(static_cast<Dock>(d), reached + self->sashOffset);
  }
}

// The area's thickness that would reach the pointer of `event`.
int l_QORDlgDocument::sashReach(Dock d, XEvent* event) {
  const DockArea& a = docks[d];
  const bool press = event->type == ButtonPress || event->type == ButtonRelease;
  const int xr = press ? event->xbutton.x_root : event->xmotion.x_root;
  const int yr = press ? event->xbutton.y_root : event->xmotion.y_root;
  int rx = 0, ry = 0;
  Window child = 0;
  XTranslateCoordinates(XtDisplay(a.area), RootWindowOfScreen(XtScreen(a.area)), XtWindow(clientArea), xr, yr, &rx,
                        &ry, &child);
  switch (d) {
    case Top: return ry;
    case Bottom: return a.area->core.y + a.area->core.height - ry;
    case Left: return rx;
    default: return clientArea->core.width - rx;
  }
}

void l_QORDlgDocument::dragSash(Dock d, int size) {
  DockArea& a = docks[d];
  const int cw = clientArea->core.width, ch = clientArea->core.height;
  const int limit = (horizontalDock(d) ? ch : cw) / 2;
  a.size = std::clamp(size, kAcross + 1, std::max(limit, kAcross + 1));
  for (int i = 0; i < toolBars.getCount(); ++i) {
    auto* bar = static_cast<l_QORDlgToolBar*>(toolBars[i]);
    if (bar->IsFloating() || dockOf(bar->GetDockState()) != d || !bar->IsResizable()) continue;
    int bx = 0, by = 0, bh = 0, bw = 0;
    bar->GetRectDimensions(&bx, &by, &bh, &bw);
    const int inner = a.size - kAcross;
    if (horizontalDock(d)) bar->SetRectDimensions(bx, by, inner, bw, 1);
    else bar->SetRectDimensions(bx, by, bh, inner, 1);
  }
  arrangeAreas();
}

// ---- the tool bars ----

void l_QORDlgDocument::addToolBar(l_QORDlgToolBar* bar) {
  if (toolBars.getPosition(bar) < 0) toolBars.insertTail(bar);
  ToolBarChanged();
}

void l_QORDlgDocument::removeToolBar(l_QORDlgToolBar* bar) {
  if (toolBars.at(toolBars.getPosition(bar))) toolBars.deleteCurrent();
  ToolBarChanged();
}

void l_QORDlgDocument::ToolBarChanged() {
  pending |= QORDlgUpdToolBars;
  registerDifferUpdate();
}

// The docked bars in registration order, each side's one after the other.
// Bars are placed with XtConfigureWidget, which asks nothing of their area,
// and only what changes is managed or unmanaged: each change costs Motif's
// traversal check a round trip to the server.
void l_QORDlgDocument::PositionToolbars() {
  if (!clientArea) return;
  int running[Docks] = {}, thickest[Docks] = {};
  bool resizable[Docks] = {};
  for (int i = 0; i < toolBars.getCount(); ++i) {
    auto* bar = static_cast<l_QORDlgToolBar*>(toolBars[i]);
    Widget w = bar->GetOwnWidget();
    if (!w || !XtIsManaged(w) || bar->IsFloating()) continue;
    const Dock d = dockOf(bar->GetDockState());
    const int width = w->core.width, height = w->core.height;
    const int along = running[d] + kNear, across = d == Top || d == Left ? kNear : kFar;
    if (horizontalDock(d)) bar->SetToolBarRect(along, across, width, height);
    else bar->SetToolBarRect(across, along, width, height);
    running[d] += (horizontalDock(d) ? width : height) + kNear;
    thickest[d] = std::max(thickest[d], horizontalDock(d) ? height : width);
    resizable[d] = resizable[d] || bar->IsResizable();
  }
  for (int d = 0; d < Docks; ++d) {
    DockArea& a = docks[d];
    a.holdsToolBar = running[d] > 0;
    a.size = a.holdsToolBar ? thickest[d] + kAcross : 0;
    manageIf(a.area, a.holdsToolBar);
    manageIf(a.sash, resizable[d]);
  }
  manageIf(statusRow, statusBar != nullptr);
  arrangeAreas();
}

// ---- the status texts ----

void l_QORDlgDocument::SetStatusBarText(const QORUnicodeString& text) {
  if (auto* bar = dynamic_cast<l_QORDlgStatusBar*>(statusBar)) bar->UpdateText(text);
}

void l_QORDlgDocument::SetStatusBarTemporaryText(const QORUnicodeString& text) {
  if (auto* bar = dynamic_cast<l_QORDlgStatusBar*>(statusBar)) bar->UpdateTemporaryText(text);
}
