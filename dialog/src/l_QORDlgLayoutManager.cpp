#include "l_QORDlgLayoutManager.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "LayoutGridSweep.h"
#include "LayoutMatrix.h"
#include "l_QORDialog.h"
#include "l_QORDlgSplitter.h"
#include "l_QORDlgTab.h"
#include "qordlg_assert.h"

namespace {
int traceLevel = -1;

void out(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
void out(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  std::vprintf(fmt, ap);
  va_end(ap);
  std::fflush(stdout);
}

int roundHalf(double v) { return static_cast<int>(v + 0.5); }
bool drawn(int level) { return level == 1 || level == 3; }
}  // namespace

unsigned l_QORDlgLayoutManager::nextStamp = 0;

int l_QORDlgLayoutManager::TraceLevel() {
  if (traceLevel < 0) ReloadTraceLevel();
  return traceLevel;
}

void l_QORDlgLayoutManager::ReloadTraceLevel() {
  int v = 0;
  const char* e = std::getenv("DEBUG_LAYOUT");
  if (!e || std::sscanf(e, "%i", &v) != 1) v = 0;
  traceLevel = v;
}

int l_QORDlgLayoutManager::Spacing() { return drawn(TraceLevel()) ? 6 : 1; }

l_QORDlgLayoutManager::l_QORDlgLayoutManager(l_QORDialog* o, const QORString& n) : owner(o), name(n) {
  style = (owner && (owner->GetStyle() & QORDlgGridLayout)) ? GridLayout : AttachLayout;
  if (style == GridLayout) _objectMat = new LayoutMatrix(0, 0);
  startX = startY = drawn(TraceLevel()) ? 6 : 1;
}

l_QORDlgLayoutManager::~l_QORDlgLayoutManager() {
  for (auto& list : tabs)
    for (l_QORDlgTab* t : list) {
      // Children outlive the manager: make them forget the lines.
      for (int i = 0; i < t->getNbComponents(); ++i) {
        l_QORDialog* c = t->getComponentAt(i)->component;
        const int o = t->getOrientation();
        if (c->getFirstTab(o) == t) c->setFirstTab(o, nullptr);
        if (c->getSecondTab(o) == t) c->setSecondTab(o, nullptr);
      }
      delete t;
    }
  delete _objectMat;
}

Widget l_QORDlgLayoutManager::GetBaseWidget() { return owner ? owner->GetBaseWidget(0) : nullptr; }

void l_QORDlgLayoutManager::initX(int v) { startX = v + (drawn(TraceLevel()) ? 5 : 0); }
void l_QORDlgLayoutManager::initY(int v) { startY = v + (drawn(TraceLevel()) ? 5 : 0); }

void l_QORDlgLayoutManager::GetRectPosition(int* x, int* y) const {
  if (x) *x = startX;
  if (y) *y = startY;
}

// ---- tabulations ----

void l_QORDlgLayoutManager::AddDialog(l_QORDlgTab* tab) {
  const int o = tab->getOrientation();
  auto at = std::lower_bound(indexes[o].begin(), indexes[o].end(), tab->getIndex());
  const auto rank = at - indexes[o].begin();
  indexes[o].insert(at, tab->getIndex());
  tabs[o].insert(tabs[o].begin() + rank, tab);
  tab->setManager(this);
}

l_QORDlgTab* l_QORDlgLayoutManager::GetTab(int index, Orientation o) {
  auto at = std::lower_bound(indexes[o].begin(), indexes[o].end(), index);
  l_QORDlgTab* tab = nullptr;
  if (at != indexes[o].end() && *at == index) tab = tabs[o][at - indexes[o].begin()];
  else tab = new l_QORDlgTab(this, index, o);
  if (TraceLevel() >= 2) {
    out("--------------> %s->GetTab <-----------------\n", name.c_str());
    for (size_t r = 0; r < tabs[o].size(); ++r)
      out("%d:%d -> %s\n", static_cast<int>(r), indexes[o][r], tabs[o][r]->GetName().c_str());
    out("...............................................\n");
  }
  return tab;
}

int l_QORDlgLayoutManager::GetTabIndex(const l_QORDialog* child, Alignment a, Orientation o) const {
  const l_QORDlgTab* t = a == RightOrBottom ? child->getSecondTab(o) : child->getFirstTab(o);
  return t ? t->getIndex() : -1;
}

l_QORDlgTab* l_QORDlgLayoutManager::getNextTab(const l_QORDlgTab* tab) const {
  const int o = tab->getOrientation();
  auto at = std::upper_bound(indexes[o].begin(), indexes[o].end(), tab->getIndex());
  return at == indexes[o].end() ? nullptr : tabs[o][at - indexes[o].begin()];
}

l_QORDlgTab* l_QORDlgLayoutManager::getPreviousTab(const l_QORDlgTab* tab) const {
  const int o = tab->getOrientation();
  auto at = std::lower_bound(indexes[o].begin(), indexes[o].end(), tab->getIndex());
  return at == indexes[o].begin() ? nullptr : tabs[o][at - indexes[o].begin() - 1];
}

namespace {
[[noreturn]] void refuse(const char* why, l_QORDialog* c, l_QORDlgTab* first, l_QORDlgTab* tab) {
  out("%s\n", why);
  out("Component name = %s\n", c->GetName().c_str());
  out("First tab name = %s\n", first ? first->GetName().c_str() : "");
  out("Secnd tab name = %s\n", tab->GetName().c_str());
  QORDLG_ASSERT(0, "consistent attachments");
  std::abort();
}
}  // namespace

int l_QORDlgLayoutManager::addTabbedComponent(ComponentInfo* info, l_QORDlgTab* tab) {
  const int o = tab->getOrientation();
  l_QORDialog* c = info->component;
  const Alignment a = info->alignment;
  if (tab->getNbComponents() > 0 && (tab->isRightOrBottom() != (a == RightOrBottom))) {
    out("Can't use the same Tab with TopOrLeft && RightOrBottom attachment\n");
    out("Current component name = %s\n", c->GetName().c_str());
    out("tab name               = %s\n", tab->GetName().c_str());
    QORDLG_ASSERT(0, "same kind of attachment on one tab");
  }
  l_QORDlgTab* F = c->getFirstTab(o);
  l_QORDlgTab* S = c->getSecondTab(o);
  if (!F && !S) {
    if (a == RightOrBottom) c->setSecondTab(o, tab);
    else c->setFirstTab(o, tab);
    return 1;
  }
  if (!F) {
    // Whatever the new side, a component that only has a far tabulation takes
    // the new one as its first.
    c->setFirstTab(o, tab);
    return 1;
  }
  ComponentInfo* fi = F->getComponentInfo(c);
  const Alignment A = fi ? fi->alignment : TopOrLeft;
  switch (a) {
    case TopOrLeft:
      if (A == TopOrLeft) refuse("Can't set 2 Tabs on the same component with the same alignment : TopOrLeft", c, F, tab);
      if (A == Center)
        refuse("Can't cummulate 2 Tabs on the same component with TopOrLeft & Center alignments", c, F, tab);
      c->setSecondTab(o, F);
      c->setFirstTab(o, tab);
      return 1;
    case RightOrBottom: {
      if (A == Center)
        refuse("Can't cummulate 2 Tabs on the same component with Center & RightOrBottom alignments", c, F, tab);
      ComponentInfo* si = S ? S->getComponentInfo(c) : nullptr;
      if (A == RightOrBottom || (si && si->alignment == RightOrBottom))
        refuse("Can't set 2 Tabs on the same component with the same alignment : RightOrBottom", c, F, tab);
      c->setSecondTab(o, tab);
      return 1;
    }
    case Center:
      if (A == Center) refuse("Can't set 2 Tabs on the same component with the same alignment : Center", c, F, tab);
      refuse("Can't set 2 Tabs on the same component with the alignment : Center & anyone else", c, F, tab);
  }
  return 0;
}

void l_QORDlgLayoutManager::disconnect(l_QORDialog* child) {
  for (int o = 0; o < 2; ++o) {
    if (l_QORDlgTab* f = child->getFirstTab(o)) {
      ComponentInfo* i = f->getComponentInfo(child);
      f->erase(child, i ? i->alignment : TopOrLeft);
    }
    if (l_QORDlgTab* s = child->getSecondTab(o)) s->erase(child, RightOrBottom);
  }
  if (style == GridLayout && _objectMat) _objectMat->DeleteCell(child);
}

void l_QORDlgLayoutManager::replace(l_QORDialog* old, l_QORDialog* nw) {
  for (auto& list : tabs)
    for (l_QORDlgTab* t : list)
      if (ComponentInfo* i = t->getComponentInfo(old)) t->replace(nw, old, i->alignment, i->offset);
  for (int o = 0; o < 2; ++o) {
    nw->setFirstTab(o, old->getFirstTab(o));
    nw->setSecondTab(o, old->getSecondTab(o));
    old->setFirstTab(o, nullptr);
    old->setSecondTab(o, nullptr);
  }
}

// ---- marks ----

// Marking and placing are also counted on the lines the child's near sides
// hang on, which tells a transmission whether it may defer its shifts.
int l_QORDlgLayoutManager::isMarked(const l_QORDialog* c) const {
  if (c->layoutMark == markStamp) return 1;
  for (int q = 0; q < 2; ++q) {
    const l_QORDlgTab* t = c->getFirstTab(q);
    if (t && t->lazyMarkStamp == markStamp && t->indexOf(c) >= t->lazyMarkFrom) return 1;
  }
  return 0;
}

void l_QORDlgLayoutManager::setMark(const l_QORDialog* c) {
  const_cast<l_QORDialog*>(c)->layoutMark = markStamp;
  for (int q = 0; q < 2; ++q)
    if (l_QORDlgTab* t = c->getFirstTab(q)) t->touchStamp = markStamp;
}

int l_QORDlgLayoutManager::isPlaced(const l_QORDialog* c) const { return c->layoutPlaced == placeStamp; }

void l_QORDlgLayoutManager::setPlaced(const l_QORDialog* c) {
  if (c->layoutPlaced == placeStamp) return;
  const_cast<l_QORDialog*>(c)->layoutPlaced = placeStamp;
  for (int q = 0; q < 2; ++q)
    // A child names a line as its near side only while it is one of the
    // line's records (attaching, erase and replace keep the two together).
    if (l_QORDlgTab* t = c->getFirstTab(q)) {
      if (t->placedStamp != placeStamp) {
        t->placedStamp = placeStamp;
        t->placedCount = 0;
      }
      ++t->placedCount;
    }
}

bool l_QORDlgLayoutManager::deferOn = true;
unsigned long l_QORDlgLayoutManager::deferredCount = 0;

int l_QORDlgLayoutManager::rankOf(const l_QORDlgTab* tab) const {
  const int o = tab->getOrientation();
  auto at = std::lower_bound(indexes[o].begin(), indexes[o].end(), tab->getIndex());
  if (at == indexes[o].end() || *at != tab->getIndex()) return -1;
  const int r = static_cast<int>(at - indexes[o].begin());
  return tabs[o][r] == tab ? r : -1;
}

bool l_QORDlgLayoutManager::allTabsMarked(Orientation o, int lo, int hi, unsigned stamp) {
  if (runStamp[o] == stamp && runLo[o] <= lo && hi <= runHi[o]) return true;
  for (int r = lo; r <= hi; ++r)
    if (tabs[o][r]->mark != stamp) return false;
  // Marks only accumulate within a propagation: the range stays marked.
  if (runStamp[o] == stamp && lo <= runHi[o] + 1 && hi >= runLo[o] - 1) {
    runLo[o] = std::min(runLo[o], lo);
    runHi[o] = std::max(runHi[o], hi);
  } else {
    runStamp[o] = stamp;
    runLo[o] = lo;
    runHi[o] = hi;
  }
  return true;
}

// Applies to the child what its lines still owe it, as the eager walk would
// have by moving it.
void l_QORDlgLayoutManager::materialize(l_QORDialog* c) {
  int d[2] = {0, 0};
  for (int q = 0; q < 2; ++q) {
    l_QORDlgTab* t = c->getFirstTab(q);
    if (!t || !t->hasPending()) continue;
    const int i = t->indexOf(c);
    if (i < 0) continue;
    d[q] = t->pendingAt(i);
    t->consumePending(i);
  }
  if (!d[0] && !d[1]) return;
  int x, y, w, h;
  rawRead(c, x, y, w, h);
  rawWritePosition(c, x + d[Horizontal], y + d[Vertical]);
}

void l_QORDlgLayoutManager::flushPending() {
  if (!pendingAny) return;
  for (auto& list : tabs)
    for (l_QORDlgTab* t : list)
      if (t->hasPending())
        for (int i = 0; i < t->getNbComponents(); ++i) materialize(t->getComponentAt(i)->component);
  for (auto& list : tabs)
    for (l_QORDlgTab* t : list) t->clearPending();
  pendingAny = false;
}

// ---- geometry access: the child itself, or its grid cell ----

LayoutCell* l_QORDlgLayoutManager::cellOf(l_QORDialog* c) {
  if (c->layoutCellVersion != _objectMat->GetVersion()) {
    c->layoutCell = _objectMat->GetCell(c);
    c->layoutCellVersion = _objectMat->GetVersion();
  }
  return c->layoutCell;
}

void l_QORDlgLayoutManager::readGeometry(l_QORDialog* c, int& x, int& y, int& w, int& h) {
  rawRead(c, x, y, w, h);
  if (!pendingAny) return;
  for (int q = 0; q < 2; ++q) {
    const l_QORDlgTab* t = c->getFirstTab(q);
    if (!t || !t->hasPending()) continue;
    const int i = t->indexOf(c);
    if (i < 0) continue;
    (q == Vertical ? y : x) += t->pendingAt(i);
  }
}

void l_QORDlgLayoutManager::rawRead(l_QORDialog* c, int& x, int& y, int& w, int& h) {
  if (style == GridLayout && _objectMat) {
    if (LayoutCell* cell = cellOf(c)) {
      DRECT& r = cell->GetRect();
      if (r.x == -1 && r.y == -1 && r.dx == -1 && r.dy == -1) c->GetRectDimensions(&r);
      x = r.x;
      y = r.y;
      w = r.dx;
      h = r.dy;
      return;
    }
  }
  c->GetRectDimensions(&x, &y, &h, &w);
}

void l_QORDlgLayoutManager::writePosition(l_QORDialog* c, int x, int y) {
  if (pendingAny) materialize(c);
  rawWritePosition(c, x, y);
}

void l_QORDlgLayoutManager::rawWritePosition(l_QORDialog* c, int x, int y) {
  if (style == GridLayout && _objectMat) {
    if (LayoutCell* cell = cellOf(c)) {
      cell->GetRect().x = x;
      cell->GetRect().y = y;
      return;
    }
  }
  c->SetRectPosition(x, y, 1);
}

void l_QORDlgLayoutManager::writeRect(l_QORDialog* c, int x, int y, int h, int w) {
  if (pendingAny) materialize(c);
  if (style == GridLayout && _objectMat) {
    if (LayoutCell* cell = cellOf(c)) {
      const DRECT& r = cell->GetRect();
      if (r.x != x || r.y != y || r.dx != w || r.dy != h) cell->SetRect(DRECT{x, y, w, h});
      return;
    }
  }
  c->SetRectDimensions(x, y, h, w, 1);
}

// ---- layout ----

void l_QORDlgLayoutManager::Layout() {
  if (TraceLevel() >= 2) {
    out("+++++++++++++++++++++++++++++++++++++++++++++++++\n");
    out("LAYOUT de : %s\n", name.c_str());
  }
  if (style == GridLayout) {
    style = AttachLayout;
    convertGridToTab();
    style = GridLayout;
  } else if (tabs[0].empty() && tabs[1].empty()) {
    owner->SetDefaultAttachments();
  }
  initializeSize();
}

void l_QORDlgLayoutManager::initializeSize() {
  firstLayout(_width, _height);
  traceGeometry();
  for (int o = 0; o < 2; ++o) {
    int k = 0;
    l_QORDlgTab* lastRelative = nullptr;
    for (l_QORDlgTab* t : tabs[o])
      if (t->isRelative()) {
        t->relativeIndex = k++;
        lastRelative = t;
      }
    relativeCount[o] = k;
    int ref = lastRelative ? lastRelative->getPosition(0) : 0;
    for (l_QORDlgTab* t : tabs[o]) {
      if (!t->isRelative()) continue;
      t->relativePosition = ref > 0 ? std::min(static_cast<double>(t->getPosition(0)) / ref, 1.0) : 1.0;
      if (!t->isRightOrBottom() && t->firstPosition == 0) t->firstPosition = t->getPosition(0);
      if (TraceLevel() >= 2) out("%s : RelativePosition = %f\n", t->GetName().c_str(), t->relativePosition);
    }
    if (o == Horizontal && ref == 0) ref = _height;
    (o == Vertical ? referenceWidth : referenceHeight) = ref;
  }
  requestedWidth = _width;
  requestedHeight = _height;
  firstLayoutDone = 1;
}

void l_QORDlgLayoutManager::firstLayout(int& width, int& height) {
  for (auto& list : tabs)
    for (l_QORDlgTab* t : list) t->reset();
  placeStamp = ++nextStamp;
  int p = startX;
  width = 0;
  // A dense grid's columns in one sweep; the trace wants every shift, and
  // switching deferring off asks for the plain walk.
  LayoutGridSweep sweep(*this);
  if (deferTransmission() && TraceLevel() == 0 && sweep.applies()) {
    width = sweep.placeColumns(startX);
  } else {
    for (size_t i = 0; i < tabs[0].size(); ++i) {
      tabs[0][i]->layoutFirstPass(p);
      width = std::max(width, p);
    }
  }
  p = startY;
  height = 0;
  for (size_t i = 0; i < tabs[1].size(); ++i) {
    tabs[1][i]->layoutSecondPass(p);
    height = std::max(height, p);
  }
  flushPending();
  computeSize(width, height);
}

void l_QORDlgLayoutManager::computeSize(int& width, int& height) {
  for (l_QORDlgTab* t : tabs[0]) {
    height = std::max(height, t->_next_component_position);
    if (l_QORDialog* c = t->getLastComponent()) {
      int x, y, w, h;
      readGeometry(c, x, y, w, h);
      height = std::max(height, y + h + 1);
    }
  }
  for (l_QORDlgTab* t : tabs[1]) {
    width = std::max(width, t->_next_component_position);
    if (l_QORDialog* c = t->getLastComponent()) {
      int x, y, w, h;
      readGeometry(c, x, y, w, h);
      width = std::max(width, x + w + 1);
    }
  }
  if (TraceLevel() >= 2) out("max_width = %d\nmax_height= %d\n", width, height);
}

void l_QORDlgLayoutManager::countRelativeTabs() {
  for (int o = 0; o < 2; ++o) {
    relativeCount[o] = 0;
    for (l_QORDlgTab* t : tabs[o])
      if (t->isRelative() && t->getNbComponents() > 0) ++relativeCount[o];
  }
}

void l_QORDlgLayoutManager::updateSize(int width, int height, int force) {
  const int dw = width - _width;
  const int dh = height - _height;
  if (TraceLevel() >= 2) {
    out("++++++++++ %s : updateSize ++++++++++++\n", name.c_str());
    out(" width=%d,  height=%d\n", width, height);
    out("_width=%d, _height=%d\n", _width, _height);
    out("_delta_width=%d, _delta_height=%d\n", dw, dh);
  }
  if (width <= 1 || height <= 1) return;
  if (dw == 0 && dh == 0 && !force) return;
  lastDeltaWidth = dw;
  lastDeltaHeight = dh;
  const int oldW = referenceWidth, oldH = referenceHeight;
  if (referenceWidth > 0) referenceWidth += dw;
  if (referenceHeight > 0) referenceHeight += dh;
  _width = width;
  _height = height;
  if (oldW == referenceWidth && oldH == referenceHeight && !force) return;
  countRelativeTabs();
  int w = width, h = height;
  secondLayout(w, h);
  requestedWidth = w;
  requestedHeight = h;
  traceGeometry();
}

void l_QORDlgLayoutManager::adoptRequestedSize(int w, int h) {
  if (w == -1 && h == -1) {
    _width = requestedWidth;
    _height = requestedHeight;
  } else {
    _width = w;
    _height = h;
  }
}

void l_QORDlgLayoutManager::secondLayout(int& width, int& height) {
  const bool keepSash = owner && !(owner->GetStyle() & QORDlgOwnerSashFollows);
  for (auto& list : tabs)
    for (l_QORDlgTab* t : list) {
      t->reset();
      if (t->isRelative() && t->getNbComponents() == 0 && owner && (owner->GetStyle() & QORDlgOwnerEmptyRelative))
        t->relativePosition = -1.0;
    }
  placeStamp = ++nextStamp;
  for (int o = 0; o < 2; ++o) {
    int p = o == Vertical ? startX : startY;
    int k = 0;
    int extent = 0;
    for (size_t i = 0; i < tabs[o].size(); ++i) {
      l_QORDlgTab* t = tabs[o][i];
      if (t->getNbComponents() == 0) continue;
      if (t->isRelative()) {
        if (t->isSashEnabled() && keepSash) ++k;
        const int q = computeRelativePosition(t, k);
        if (q < 1) {
          if (!(t->isSashEnabled() && keepSash)) {
            const int ref = refFor(static_cast<Orientation>(o));
            if (ref > 0) t->relativePosition = static_cast<double>(p) / ref;
            if (TraceLevel() >= 2) out("%s->relativePosition()=%f\n", t->GetName().c_str(), t->relativePosition);
            ++k;
          }
        } else {
          p = q;
          ++k;
        }
      }
      if (o == Vertical) t->layoutFirstPass(p);
      else t->layoutSecondPass(p);
      extent = std::max(extent, p);
    }
    if (o == Vertical) width = extent;
    else height = extent;
  }
  flushPending();
  if (referenceHeight == 0) referenceHeight = height;
  computeSize(width, height);
}

int l_QORDlgLayoutManager::computeRelativePosition(l_QORDlgTab* tab, int k) {
  if (tab->isSashEnabled() && owner && !(owner->GetStyle() & QORDlgOwnerSashFollows)) return 0;
  const Orientation o = tab->getOrientation();
  const int ref = refFor(o);
  const int delta = o == Vertical ? lastDeltaWidth : lastDeltaHeight;
  const int n = relativeCount[o];
  // No share is known before the first layout has measured the line.
  if (tab->relativePosition < 0.0) {
    tab->relativePositionComputed = 1;
    return 0;
  }
  if (tab->relativePositionComputed) {
    const double v = tab->relativePosition * ref;
    if (TraceLevel() >= 2) {
      out("%s : New relative Position = %f\n", tab->GetName().c_str(), v);
      out("     ratio = %f\n", tab->relativePosition);
    }
    return roundHalf(v);
  }
  tab->relativePositionComputed = 1;
  if (ref <= 0 || n <= 0) return 0;
  const double old = tab->relativePosition * (ref - delta);
  const double nw = old + static_cast<double>(delta) * (k + 1) / n;
  tab->relativePosition = nw / ref;
  if (TraceLevel() >= 2) {
    out("%s : New relative Position = %f\n", tab->GetName().c_str(), nw);
    out("     Old relative Position = %f\n", old);
    out("     ratio = %f\n", tab->relativePosition);
  }
  return roundHalf(nw);
}

// ---- shrink limits ----

void l_QORDlgLayoutManager::getMaxShrinkValues(int& w, int& h) {
  if (shrinkCacheValid) {
    w = shrinkWidth;
    h = shrinkHeight;
    return;
  }
  int sw = _width, sh = _height;
  if (sw == 0 && sh == 0 && owner) owner->GetRectDimensions(nullptr, nullptr, &sh, &sw);
  const bool keepSash = owner && !(owner->GetStyle() & QORDlgOwnerSashFollows);
  int result[2] = {sw, sh};
  for (int o = 0; o < 2; ++o) {
    int count = 0;
    int value = o == Vertical ? sw : sh;
    for (size_t i = 0; i < tabs[o].size(); ++i) {
      l_QORDlgTab* t = tabs[o][i];
      if (!t->isRelative() || (t->isSashEnabled() && keepSash)) continue;
      ++count;
      int limit;
      l_QORDlgTab* prev = i > 0 ? tabs[o][i - 1] : nullptr;
      if (!t->isRightOrBottom() && !(prev && prev->isRelative())) {
        const int gap = t->getPosition(0) - t->getPosition(1);
        if (t->getPosition(1) == 0 || gap < 0) limit = 0;
        else limit = gap >= 10 ? gap + 10 : gap;
      } else {
        limit = t->shrinkBack();
      }
      value = std::min(value, limit);
    }
    result[o] = count ? value * count : 0;
  }
  shrinkWidth = w = result[0];
  shrinkHeight = h = result[1];
  shrinkCacheValid = 1;
}

void l_QORDlgLayoutManager::computeMinSize(int& w, int& h) {
  // The children's limits may have changed: forget every cached value below.
  struct Clear {
    static void run(l_QORDialog* d) {
      if (d->GetLayoutManager()) d->GetLayoutManager()->clearShrinkCache();
      for (int i = 0; i < d->GetChildCount(); ++i) run(d->GetChild(i));
    }
  };
  if (owner) Clear::run(owner);
  int sw = 0, sh = 0;
  getMaxShrinkValues(sw, sh);
  w -= sw >= 10 ? sw - 10 : sw;
  h -= sh >= 10 ? sh - 10 : sh;
}

void l_QORDlgLayoutManager::splitterLayout(l_QORDlgTab* tab, int delta) {
  if (!tab || !owner) return;
  const Orientation o = tab->getOrientation();
  if (!(owner->GetStyle() & QORDlgOwnerSashFollows)) {
    // The sash stays where the user left it: the last child's far side takes
    // the whole rest of the splitter.
    const size_t last = 2 * std::min(owner->GetChildCount(), 2) - 1;
    if (last < tabs[o].size()) tabs[o][last]->relativePosition = 1.0;
  } else if (o == Vertical) {
    referenceWidth += delta;
  } else {
    referenceHeight += delta;
  }
  if (owner->IsAKindOf(QORDlgCodeSplitter)) static_cast<l_QORDlgSplitter*>(owner)->ReLayout();
  else updateSize(_width, _height, 1);
  if (l_QORDialog* window = owner->GetWindowFather()) window->ChildMoved();
}

// ---- grid ----

void l_QORDlgLayoutManager::setConstraints(l_QORDialog* child, const QORDlgGridConstraints& c) {
  if (!_objectMat) _objectMat = new LayoutMatrix(c.Row, c.Column);
  for (int i = 0; i < c.ColumnSpan; ++i)
    for (int j = 0; j < c.RowSpan; ++j) {
      l_QORDialog* occupant = _objectMat->SetCell(child, c.Row + j, c.Column + i);
      if (!occupant) continue;
      std::fprintf(stderr, "%s can't be attached in (%d,%d)\n", child->layoutTitle().c_str(), c.Row, c.Column);
      std::fprintf(stderr, "%s lies at this location\n", occupant->layoutTitle().c_str());
      std::fflush(stderr);
    }
}

void l_QORDlgLayoutManager::convertGridToTab() {
  QORDLG_ASSERT(_objectMat != nullptr, "_objectMat != NULL");
  const int L = _objectMat->GetLineCount();
  const int K = _objectMat->GetColumnCount();
  const bool trace = TraceLevel() >= 2;
  auto gather = [&](l_QORDlgList& list, bool byColumn, int fixed, bool closing, const char* tabFmt, int tabIndex) {
    const int n = byColumn ? L : K;
    for (int v = 0; v < n; ++v) {
      const int line = byColumn ? v : fixed;
      const int col = byColumn ? fixed : v;
      LayoutCell* cell = _objectMat->GetCell(line, col);
      if (!cell) continue;
      l_QORDialog* child = cell->GetObj();
      const QORDlgGridConstraints& gc = child->GetGridConstraints();
      bool take;
      if (byColumn)
        take = gc.Row == line && (closing ? gc.Column + gc.ColumnSpan - 1 == col : gc.Column == col);
      else
        take = gc.Column == col && (closing ? gc.Row + gc.RowSpan - 1 == line : gc.Row == line);
      if (!take) continue;  // a child starts (or ends) in one cell of a column or row only
      list.insertTail(child);
      if (trace) out(tabFmt, tabIndex, child->layoutTitle().c_str());
    }
  };
  for (int c = 0; c < K; ++c) {
    l_QORDlgList a;
    gather(a, true, c, false, "vert_%d => %s\n", 5 * c);
    owner->SetVerticalAttachment(static_cast<unsigned short>(5 * c), QORDlgTopOrLeft, a);
    l_QORDlgList b;
    gather(b, true, c, true, "vert_%d => %s\n", 5 * c + 1);
    owner->SetVerticalAttachment(static_cast<unsigned short>(5 * c + 1),
                                 _objectMat->IsColumnResizable(c) ? QORDlgRightOrBottomRelative : QORDlgRightOrBottom,
                                 b);
  }
  for (int r = 0; r < L; ++r) {
    l_QORDlgList a;
    gather(a, false, r, false, "hori_%d => %s\n", 5 * r);
    owner->SetHorizontalAttachment(static_cast<unsigned short>(5 * r), QORDlgTopOrLeft, a);
    l_QORDlgList b;
    gather(b, false, r, true, "hori_%d => %s\n", 5 * r + 1);
    owner->SetHorizontalAttachment(static_cast<unsigned short>(5 * r + 1),
                                   _objectMat->IsRowResizable(r) ? QORDlgRightOrBottomRelative : QORDlgRightOrBottom, b);
  }
}

void l_QORDlgLayoutManager::traceGeometry() {
  for (auto& list : tabs)
    for (l_QORDlgTab* t : list) t->traceGeometry(nullptr);
  if (style == GridLayout && _objectMat) placeGridChildren();
}

void l_QORDlgLayoutManager::placeGridChildren() {
  const int L = _objectMat->GetLineCount();
  const int K = _objectMat->GetColumnCount();
  const bool trace = TraceLevel() == 1;
  for (int line = 0; line < L; ++line)
    for (int col = 0; col < K; ++col) {
      LayoutCell* cell = _objectMat->GetCell(line, col);
      if (!cell) continue;
      l_QORDialog* child = cell->GetObj();
      const QORDlgGridConstraints& gc = child->GetGridConstraints();
      if ((gc.ColumnSpan >= 2 && gc.Column < col) || (gc.RowSpan >= 2 && gc.Row < line)) continue;
      const DRECT r = cell->GetRect();
      int cx, cy, ch, cw;
      child->GetRectDimensions(&cx, &cy, &ch, &cw);
      if (trace)
        out("\n-> %s cell : x = %d, y = %d, w = %d, h = %d\n", child->layoutTitle().c_str(), r.x, r.y, r.dx, r.dy);
      const unsigned j = gc.Justification;
      int x = r.x, y = r.y, w = r.dx, h = r.dy;
      const int dw = r.dx - cw;
      if ((j & QORDlgGridLeft) && (j & QORDlgGridRight) && dw != 0) {
        if (j & QORDlgGridHCenter) {
          w = cw;
          x += dw / 2;
        }
      } else if (j & QORDlgGridRight && !(j & QORDlgGridLeft)) {
        w = cw;
        x += dw;
      } else {
        w = cw;
      }
      const int dh = r.dy - ch;
      if ((j & QORDlgGridTop) && (j & QORDlgGridBottom) && dh != 0) {
        if (j & QORDlgGridVCenter) {
          h = ch;
          y += dh / 2;
        }
      } else if (j & QORDlgGridBottom && !(j & QORDlgGridTop)) {
        h = ch;
        y += dh;
      } else {
        h = ch;
      }
      if (trace) out("%s : x = %d, y = %d, w = %d, h = %d\n", child->layoutTitle().c_str(), x, y, w, h);
      child->SetRectDimensions(x, y, h, w, 1);
    }
}
