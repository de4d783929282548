// The MDI client's arrangements (cascade, tile, icons) and the frames'
// states (iconified, maximised, restored), with the operations the document
// forwards.
#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <Xm/Xm.h>

#include <algorithm>
#include <vector>

#include "QORDlgText.h"
#include "l_QORDlgClientMDI.h"
#include "l_QORDlgDialog.h"

namespace {
// The integer square root, for up to 120 frames.
int rootOf(int n) {
  int k = 1;
  while ((k + 1) * (k + 1) <= n) ++k;
  return k;
}
}  // namespace

// ---- the document's operations ----

void l_QORDlgClientMDI::MDIActivate(l_QORDlgDialog* dialog) {
  if (Child* c = FindChild(dialog)) setActiveMDI(c);
}

l_QORDlgDialog* l_QORDlgClientMDI::MDIGetActive() const {
  return frames.getCount() > 0 ? GetChild(0)->dialog : nullptr;
}

void l_QORDlgClientMDI::MDIMaximize(l_QORDlgDialog* dialog) {
  if (Child* c = FindChild(dialog)) maximize(c);
}

void l_QORDlgClientMDI::MDIMinimize(l_QORDlgDialog* dialog) {
  if (Child* c = FindChild(dialog)) minimize(c);
}

void l_QORDlgClientMDI::MDIRestore(l_QORDlgDialog* dialog) {
  if (Child* c = FindChild(dialog)) restore(c);
}

// Next goes to the frame active longest ago, so that repeating it visits
// every frame; previous goes back to the one active before.
void l_QORDlgClientMDI::MDINext() {
  if (visibleCount() < 2) return;
  sendMessage(GetChild(0), Next);
  for (int i = frames.getCount() - 1; i > 0; --i)
    if (isShown(GetChild(i))) return setActiveMDI(GetChild(i));
}

void l_QORDlgClientMDI::MDIPrevious() {
  if (visibleCount() < 2) return;
  sendMessage(GetChild(0), Previous);
  for (int i = 1; i < frames.getCount(); ++i)
    if (isShown(GetChild(i))) return setActiveMDI(GetChild(i));
}

// ---- states ----

void l_QORDlgClientMDI::refreshButtons(Child* c) {
  auto show = [this](Widget b, int picture) {
    if (pictures[picture] != None) XtVaSetValues(b, XmNlabelPixmap, pictures[picture], nullptr);
  };
  show(c->minimizeButton, c->iconified ? RestorePicture : MinimizePicture);
  show(c->maximizeButton, maximized && frames[0] == c ? RestorePicture : MaximizePicture);
}

void l_QORDlgClientMDI::fillClient(Child* c) {
  placeChild(c, 0, 0, clientWidth, clientHeight);
  if (XtWindow(c->frame)) XRaiseWindow(XtDisplay(c->frame), XtWindow(c->frame));
  refreshButtons(c);
}

void l_QORDlgClientMDI::minimize(Child* c) {
  if (c->iconified) return;
  if (maximized && frames[0] == c) maximized = 0;
  c->iconified = 1;
  refreshButtons(c);
  iconArrange();
  menuItemsFor(GetChild(0));
  sendMessage(c, Minimized);
}

void l_QORDlgClientMDI::maximize(Child* c) {
  if (maximized && frames[0] == c && !c->iconified) return;
  c->iconified = 0;
  maximized = 1;
  setActiveMDI(c);
  fillClient(c);
  menuItemsFor(c);
  sendMessage(c, Maximized);
}

void l_QORDlgClientMDI::restore(Child* c) {
  if (c->iconified) {
    c->iconified = 0;
    placeChild(c, c->savedX, c->savedY, c->savedWidth, c->savedHeight);
    refreshButtons(c);
    iconArrange();
  } else if (maximized) {
    maximized = 0;
    for (int i = 0; i < frames.getCount(); ++i) {
      Child* f = GetChild(i);
      if (!f->iconified) placeChild(f, f->savedX, f->savedY, f->savedWidth, f->savedHeight);
      refreshButtons(f);
    }
  } else {
    return;
  }
  if (frames.getCount() > 0) menuItemsFor(GetChild(0));
  sendMessage(c, Restored);
}

// ---- arrangements ----

void l_QORDlgClientMDI::nextCascadeRect(int& x, int& y, int& w, int& h) {
  const int d = 25 * std::max(((100 * clientHeight / 3) / 25 + 50) / 100 - 1, 0);
  w = clientWidth - d;
  h = clientHeight - d;
  if (cascadeX > d) cascadeX = cascadeY = 0;
  x = cascadeX;
  y = cascadeY;
  cascadeX += 25;
  cascadeY += 25;
}

void l_QORDlgClientMDI::MDICascade(int flags) {
  if (toBeBuilt) Build();
  if (maximized || !client) return;
  cascadeX = cascadeY = 0;
  for (int i = frames.getCount() - 1; i >= 0; --i) {
    Child* c = GetChild(i);
    if (!isShown(c)) continue;
    if (c->iconified) {
      if (flags & 4) continue;
      restore(c);
    }
    int x = 0, y = 0, w = 0, h = 0;
    nextCascadeRect(x, y, w, h);
    c->savedX = x, c->savedY = y, c->savedWidth = w, c->savedHeight = h;
    placeChild(c, x, y, w, h);
  }
}

// One row (or column) of tiles: `count` frames across the row's length.
void l_QORDlgClientMDI::tileLine(Child** line, int count, int along, int start, int size, bool columns) {
  const int each = along / count;
  for (int j = 0; j < count; ++j) {
    Child* c = line[j];
    if (c->iconified) restore(c);
    const int x = columns ? start : j * each, y = columns ? j * each : start;
    const int w = columns ? size : each, h = columns ? each : size;
    c->savedX = x, c->savedY = y, c->savedWidth = w, c->savedHeight = h;
    placeChild(c, x, y, w, h);
  }
}

void l_QORDlgClientMDI::MDITile(int flags) {
  if (toBeBuilt) Build();
  if (maximized || !client) return;
  const bool keepIcons = (flags & 4) != 0;
  std::vector<Child*> tiles;
  int icons = 0;
  for (int i = frames.getCount() - 1; i >= 0; --i) {
    Child* c = GetChild(i);
    if (!isShown(c)) continue;
    if (c->iconified && keepIcons) ++icons;
    else tiles.push_back(c);
  }
  const int n = static_cast<int>(tiles.size());
  if (n < 1 || n >= 121) return;
  const int usable = clientHeight - (keepIcons && icons > 0 ? titleHeight : 0);
  const bool columns = (flags & 1) != 0;
  const int k = rootOf(n);
  const int lineSize = (columns ? clientWidth : usable) / k;
  int left = n, next = 0;
  for (int r = 0; r < k; ++r) {
    const int count = left / (k - r);
    tileLine(&tiles[next], count, columns ? usable : clientWidth, r * lineSize, lineSize, columns);
    next += count;
    left -= count;
  }
  if (icons > 0) iconArrange();
}

void l_QORDlgClientMDI::iconArrange() {
  if (!client) return;
  const int iconWidth = (buttonWidth[0] + buttonWidth[1] + buttonWidth[2] + buttonWidth[3] + 8) * 2;
  int x = 0, y = clientHeight - titleHeight;
  for (int i = frames.getCount() - 1; i >= 0; --i) {
    Child* c = GetChild(i);
    if (!c->iconified || !isShown(c)) continue;
    if (x > 0 && x + iconWidth > clientWidth) {
      x = 0;
      y -= titleHeight;
    }
    placeChild(c, x, y, iconWidth, titleHeight);
    x += iconWidth;
  }
}
