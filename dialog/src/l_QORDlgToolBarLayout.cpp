// Laying out a tool bar's children: a row or a column of the shown ones,
// the containers stretched along the bar.
#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>

#include <algorithm>
#include <vector>

#include "l_QORDlgToolBar.h"

// ---- children ----

int l_QORDlgToolBar::IsResizable() {
  for (int i = 0; i < GetChildCount(); ++i)
    if (GetChild(i)->GetLayoutManager()) return 1;
  return 0;
}

void l_QORDlgToolBar::ChildVisibilityModified() {
  childrenChanged = true;
  pending |= QORDlgUpdSize;
  registerDifferUpdate();
}

namespace {
struct Placed {
  l_QORDialog* child;
  int width, height;
};

std::vector<Placed> shownChildren(l_QORDialog* bar) {
  std::vector<Placed> out;
  for (int i = 0; i < bar->GetChildCount(); ++i) {
    l_QORDialog* c = bar->GetChild(i);
    if (c->GetVisibility() == QORDlgHidden || c->IsAKindOf(QORDlgCodeMenu)) continue;
    int w = 0, h = 0;
    c->GetRectDimensions(nullptr, nullptr, &h, &w);
    if (Widget cw = c->GetOwnWidget(); (w < 1 || h < 1) && cw) {
      w = cw->core.width;
      h = cw->core.height;
    }
    out.push_back({c, w, h});
  }
  return out;
}
}  // namespace

void l_QORDlgToolBar::PositionChildren() {
  if (!baseWidget) return;
  const int mw = kMargin, mh = kMargin;
  const std::vector<Placed> kids = shownChildren(this);
  int width = 0, height = 0;
  if (horizontal) {
    for (const Placed& p : kids) height = std::max(height, p.height);
    height += 2 * mh;
    int at = mw;
    for (const Placed& p : kids) {
      p.child->SetRectDimensions(at, (height - p.height) / 2, p.height, p.width, 1);
      at += p.width + mw;
    }
    width = at + (kids.empty() ? mw : 0);
  } else {
    int at = mh, widest = 0;
    for (const Placed& p : kids) {
      p.child->SetRectDimensions(mw, at, p.height, p.width, 1);
      at += p.height + mh;
      widest = std::max(widest, p.width);
    }
    height = at + (kids.empty() ? mh : 0);
    width = 2 * mw + widest;
  }
  dx = std::max(width, 1);
  dy = std::max(height, 1);
  XtResizeWidget(baseWidget, static_cast<Dimension>(dx), static_cast<Dimension>(dy), 0);
  if (IsFloating()) fitFloatingShell(dx, dy);
}

// The containers share the length the plain children leave, in proportion
// to their own lengths, and take the bar's inner thickness.
void l_QORDlgToolBar::stretchContainers() {
  const std::vector<Placed> kids = shownChildren(this);
  if (kids.empty()) return;
  const int m = kMargin;
  const int length = horizontal ? dx : dy, thickness = (horizontal ? dy : dx) - 2 * m;
  int freeLength = length - m * (static_cast<int>(kids.size()) + 1), containers = 0, count = 0;
  for (const Placed& p : kids) {
    const int along = horizontal ? p.width : p.height;
    if (p.child->GetLayoutManager()) {
      containers += along;
      ++count;
    } else {
      freeLength -= along;
    }
  }
  if (count == 0 || containers <= 0 || freeLength < 20 * static_cast<int>(kids.size()) || thickness < 20) return;
  for (const Placed& p : kids) {
    if (!p.child->GetLayoutManager()) continue;
    int cx = 0, cy = 0;
    p.child->GetRectDimensions(&cx, &cy, nullptr, nullptr);
    const int along = static_cast<int>(static_cast<long>(horizontal ? p.width : p.height) * freeLength / containers);
    if (horizontal) p.child->SetRectDimensions(std::max(cx, 1), std::max(m, 1), thickness, along, 1);
    else p.child->SetRectDimensions(std::max(m, 1), std::max(cy, 1), along, thickness, 1);
  }
}
