#include "l_QORDlgTab.h"

#include <X11/IntrinsicP.h>
#include <Xm/Separator.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "QORDlgGridConstraints.h"
#include "l_QORDialog.h"
#include "l_QORDlgLayoutManager.h"
#include "qordlg_assert.h"

namespace {
const char* const kDots = "...............................................\n";

bool tracing() { return l_QORDlgLayoutManager::TraceLevel() >= 2; }

void out(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
void out(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  std::vprintf(fmt, ap);
  va_end(ap);
  std::fflush(stdout);
}

int roundHalf(double v) { return static_cast<int>(v + 0.5); }
}  // namespace

l_QORDlgTab::l_QORDlgTab(l_QORDlgLayoutManager* m, int i, Orientation o) : index(i), orientation(o), manager(m) {
  // A line of a grid holds a few cells: room for them up front instead of
  // a reallocation at each doubling.
  components.reserve(4);
  if (manager) manager->AddDialog(this);
}

const QORString& l_QORDlgTab::GetName() const {
  if (name.IsEmpty()) {
    char buf[32];
    std::snprintf(buf, sizeof buf, orientation == Vertical ? "vert_%d" : "hori_%d", index);
    name = buf;
  }
  return name;
}

l_QORDlgTab::~l_QORDlgTab() {
  for (ComponentInfo* info : components) delete info;
  setSashDisabled();
}

// The index is built when a layout pass starts (the engine looks records up
// constantly there) and kept on the children; between passes, edits just
// drop it and lookups scan.
namespace {
unsigned indexStamps = 0;
}

int l_QORDlgTab::slotOf(const l_QORDialog* c) const {
  if (c->getFirstTab(orientation) == this) return 0;
  if (c->getSecondTab(orientation) == this) return 1;
  return -1;
}

void l_QORDlgTab::note(int i) const {
  l_QORDialog* c = components[i]->component;
  const int slot = slotOf(c);
  if (slot < 0 || c->layoutIndexStamp[orientation][slot] == indexStamp) {
    allLinked = false;  // a record the child does not name, or a repeated one
    return;
  }
  c->layoutIndex[orientation][slot] = i;
  c->layoutIndexStamp[orientation][slot] = indexStamp;
}

void l_QORDlgTab::buildIndex() const {
  if (indexesValid) return;
  indexStamp = ++indexStamps;
  allLinked = true;
  for (size_t i = 0; i < components.size(); ++i) note(static_cast<int>(i));
  indexesValid = true;
}

int l_QORDlgTab::find(const l_QORDialog* c) const {
  // A long line indexes its records on the first look-up after a change.
  if (!indexesValid && components.size() > 8) buildIndex();
  if (indexesValid && c) {
    const int slot = slotOf(c);
    if (slot >= 0 && c->layoutIndexStamp[orientation][slot] == indexStamp) return c->layoutIndex[orientation][slot];
  }
  for (size_t i = 0; i < components.size(); ++i)
    if (components[i]->component == c) return static_cast<int>(i);
  return -1;
}

int l_QORDlgTab::indexOf(const l_QORDialog* c) const { return find(c); }

int l_QORDlgTab::pendingAt(int i) const {
  if (!pendingOn) return 0;
  int sum = 0;
  for (int j = i + 1; j > 0; j -= j & -j) sum += pendingTree[j];
  return sum - pendingBase[i];
}

void l_QORDlgTab::consumePending(int i) {
  if (pendingOn) pendingBase[i] += pendingAt(i);
}

void l_QORDlgTab::addPending(int from, int offset) {
  const int n = static_cast<int>(components.size());
  if (!pendingOn) {
    pendingTree.assign(n + 1, 0);
    pendingBase.assign(n, 0);
    pendingOn = true;
    manager->notePending();
  }
  for (int j = from + 1; j <= n; j += j & -j) pendingTree[j] += offset;
}

void l_QORDlgTab::clearPending() {
  pendingOn = false;
  pendingTree.clear();
  pendingBase.clear();
}

// The eager walk from record `from` to the end would shift every record and
// move nothing else exactly when: every record is placed in this pass, none is
// marked in this propagation yet (checked by the caller), and every across
// line those records hang on is already marked (so no line moves and no
// relative line stops the walk).
bool l_QORDlgTab::canDefer(int from, unsigned stamp) {
  const int n = static_cast<int>(components.size());
  if (from >= n) return false;
  const unsigned pass = manager->currentPlaceStamp();
  if (placedStamp != pass || placedCount != n) return false;
  const Orientation o = orientation == Vertical ? Horizontal : Vertical;
  if (suffixStamp != pass) {
    suffixStamp = pass;
    buildIndex();
    deferrable = allLinked;
    suffixLo.assign(n + 1, 2000000000);
    suffixHi.assign(n + 1, -1);
    for (int i = n - 1; i >= 0 && deferrable; --i) {
      l_QORDialog* c = components[i]->component;
      if (c->getFirstTab(orientation) != this) deferrable = false;
      int lo = suffixLo[i + 1], hi = suffixHi[i + 1];
      for (l_QORDlgTab* t : {c->getFirstTab(o), c->getSecondTab(o)}) {
        if (!t) continue;
        const int r = manager->rankOf(t);
        if (r < 0) deferrable = false;
        lo = std::min(lo, r);
        hi = std::max(hi, r);
      }
      suffixLo[i] = lo;
      suffixHi[i] = hi;
    }
  }
  if (!deferrable) return false;
  return suffixLo[from] > suffixHi[from] || manager->allTabsMarked(o, suffixLo[from], suffixHi[from], stamp);
}

ComponentInfo* l_QORDlgTab::getComponentInfo(const l_QORDialog* c) const {
  const int i = find(c);
  return i < 0 ? nullptr : components[i];
}

l_QORDialog* l_QORDlgTab::getPreviousComponent(const l_QORDialog* c) const {
  const int i = find(c);
  return i > 0 ? components[i - 1]->component : nullptr;
}

void l_QORDlgTab::traceList(const char* what) {
  if (!tracing()) return;
  out("--------------> %s->%s <-----------------\n", GetName().c_str(), what);
  for (size_t i = 0; i < components.size(); ++i)
    out("%d -> %s\n", static_cast<int>(i), components[i]->component->GetName().c_str());
  out("%s", kDots);
}

int l_QORDlgTab::add(l_QORDialog* c, Alignment a, int offset) {
  auto* info = new ComponentInfo(c, a, offset);
  if (components.empty()) rightOrBottom = (a == RightOrBottom);
  if (!manager->addTabbedComponent(info, this)) {
    delete info;
    return 0;
  }
  components.push_back(info);
  // Appending keeps every index: extend the table instead of rebuilding it.
  if (indexesValid) note(static_cast<int>(components.size()) - 1);
  suffixStamp = 0;
  traceList("add");
  return 1;
}

void l_QORDlgTab::erase(l_QORDialog* c, Alignment) {
  const int i = find(c);
  if (i < 0) {
    out("%s n'est pas accroche a %s\n", c->GetName().c_str(), GetName().c_str());
    return;
  }
  const bool wasLast = i + 1 == static_cast<int>(components.size());
  delete components[i];
  components.erase(components.begin() + i);
  // Taking the last record off moves no other, so the index stays right:
  // a box losing its children last first does not rebuild it each time.
  const int slot = slotOf(c);
  if (wasLast && indexesValid && slot >= 0 && c->layoutIndexStamp[orientation][slot] == indexStamp) {
    c->layoutIndexStamp[orientation][slot] = 0;
    suffixStamp = 0;
  } else {
    invalidateIndexes();
  }
  if (c->getFirstTab(orientation) == this) c->setFirstTab(orientation, nullptr);
  if (c->getSecondTab(orientation) == this) c->setSecondTab(orientation, nullptr);
  if (!tracing()) return;
  out("--------------> %s->erase() <------------------\n", GetName().c_str());
  for (size_t k = 0; k < components.size(); ++k)
    out("%d -> %s\n", static_cast<int>(k), components[k]->component->GetName().c_str());
  out("%s", kDots);
}

int l_QORDlgTab::insert(l_QORDialog* c, l_QORDialog* reference, Alignment a, int offset, InsertionMode mode) {
  if (tracing()) {
    out("--------------> %s->insert <-----------------\n", GetName().c_str());
    for (size_t k = 0; k < components.size(); ++k)
      out("%d -> %s\n", static_cast<int>(k), components[k]->component->GetName().c_str());
  }
  auto* info = new ComponentInfo(c, a, offset);
  if (components.empty()) rightOrBottom = (a == RightOrBottom);
  if (!manager->addTabbedComponent(info, this)) {
    delete info;
    return 0;
  }
  const int at = reference ? find(reference) : -1;
  if (at < 0) components.push_back(info);
  else components.insert(components.begin() + (mode == InsertBefore ? at : at + 1), info);
  invalidateIndexes();
  if (tracing()) {
    for (size_t k = 0; k < components.size(); ++k)
      out("%d -> %s\n", static_cast<int>(k), components[k]->component->GetName().c_str());
    out("%s", kDots);
  }
  return 1;
}

void l_QORDlgTab::replace(l_QORDialog* nw, l_QORDialog* old, Alignment, int) {
  const int i = find(old);
  if (i < 0) {
    out("%s n'est pas accroche a %s\n", old->GetName().c_str(), GetName().c_str());
    return;
  }
  ComponentInfo* info = components[i];
  info->component = nw;
  invalidateIndexes();
  info->halfSize = info->farSize = 0;
  info->x = info->y = info->width = info->height = info->width0 = info->height0 = 0;
  if (tracing()) out("%s est deccroche de %s\n", old->GetName().c_str(), GetName().c_str());
}

int l_QORDlgTab::setPosition(int p) {
  if (p <= _position) return 0;
  const int d = p - _position;
  _position = p;
  if (tracing()) out("Set pour %s, position = %d\n", GetName().c_str(), _position);
  placeWidgets();
  return d;
}

void l_QORDlgTab::movePosition(int d) {
  _position += d;
  if (tracing()) out("Move pour %s, position = %d\n", GetName().c_str(), _position);
  placeWidgets();
}

void l_QORDlgTab::placeWidgets() {
  if (separator) {
    if (orientation == Vertical) XtMoveWidget(separator, static_cast<Position>(_position), 0);
    else XtMoveWidget(separator, 0, static_cast<Position>(_position));
  }
  if (sash) placeSash();
}

void l_QORDlgTab::separatorDestroyedCB(Widget, XtPointer me, XtPointer) {
  static_cast<l_QORDlgTab*>(me)->separator = nullptr;
}

void l_QORDlgTab::setSashDisabled() {
  sashEnabled = 0;
  if (separator) {
    // Xt may finish the destruction after we are gone: it must not call back.
    Widget w = separator;
    separator = nullptr;
    XtRemoveCallback(w, XmNdestroyCallback, separatorDestroyedCB, this);
    XtDestroyWidget(w);
  }
  if (sash) {
    Widget w = sash;
    sash = nullptr;
    XtRemoveCallback(w, XmNdestroyCallback, sashDestroyedCB, this);
    XtDestroyWidget(w);
  }
}

void l_QORDlgTab::reset() {
  buildIndex();
  _position = 0;
  _max_size = 0;
  relativePositionComputed = 0;
  for (ComponentInfo* info : components) info->x = info->y = 0;
  int sx = 0, sy = 0;
  manager->GetRectPosition(&sx, &sy);
  _next_component_position = orientation == Vertical ? sy : sx;
  if (separator) XtUnmanageChild(separator);
  if (sash) XtUnmanageChild(sash);
}

int l_QORDlgTab::primaryLoop(int& p) {
  if (tracing()) out("entree primaryLoop position=%d\n", p);
  double M = 0.0, H = 0.0;
  const bool grid = manager->getStyle() == GridLayout;
  for (ComponentInfo* info : components) {
    l_QORDialog* c = info->component;
    manager->readGeometry(c, info->x, info->y, info->width, info->height);
    info->width0 = info->width;
    info->height0 = info->height;
    if (tracing())
      out("primaryLoop : pour %s, x=%d, y=%d, width=%d, height=%d\n", c->GetName().c_str(), info->x, info->y,
          info->width, info->height);
    const int s = orientation == Vertical ? info->width : info->height;
    int span = 1;
    if (grid) {
      const QORDlgGridConstraints& gc = c->GetGridConstraints();
      span = orientation == Vertical ? gc.ColumnSpan : gc.RowSpan;
    }
    switch (info->alignment) {
      case TopOrLeft:
        if (span == 1) M = std::max(M, static_cast<double>(s));
        break;
      case RightOrBottom:
        info->farSize = roundHalf(s);
        break;
      case Center: {
        const double h = s * 0.5;
        M = std::max(M, h);
        H = std::max(H, h);
        info->halfSize = roundHalf(h);
        break;
      }
    }
  }
  _max_size = static_cast<int>(M + H);
  if (M == 0.0 && H == 0.0) {
    const bool ownSash = sashEnabled && !(manager->getOwner()->GetStyle() & QORDlgOwnerSashFollows);
    if (relativePosition < 0.0 || ownSash) p -= l_QORDlgLayoutManager::Spacing();
  }
  return roundHalf(H);
}

void l_QORDlgTab::layoutFirstPass(int& p) {
  if (components.empty()) return;
  const int spacing = l_QORDlgLayoutManager::Spacing();
  const int c = primaryLoop(p);
  movePosition(p + c - _position);
  if (tracing()) {
    out("============= layoutFirstPass =============\n");
    out("%s : layout de %s\n", manager->GetName().c_str(), GetName().c_str());
    out("position = %d, _position = %d\n", p, _position);
    out("_next_component_position = %d\n", _next_component_position);
  }
  l_QORDlgTab* last = nullptr;
  l_QORDialog* lastComponent = nullptr;
  for (size_t i = 0; i < components.size(); ++i) {
    if (l_QORDlgTab* t = setGeometry(static_cast<int>(i), 0)) {
      last = t;
      lastComponent = components[i]->component;
    }
  }
  if (last && lastComponent->GetGridConstraints().RowSpan == 1) {
    if (l_QORDlgTab* next = manager->getNextTab(last)) {
      const int d = next->setPosition(_next_component_position);
      if (d) {
        if (tracing()) {
          out("On a deplace %s\n", next->GetName().c_str());
          out(" en %d\n", next->_position);
        }
        manager->resetMarks();
        next->mark = manager->currentMark();
        next->detectCollision(d);
      }
    }
  }
  const int level = l_QORDlgLayoutManager::TraceLevel();
  p = _position + _max_size - c + spacing + ((sashEnabled && level != 1 && level != 3) ? 7 : 0);
  if (tracing()) {
    out("FIN   : position=%d, _position=%d, _max_size=%d\n", p, _position, _max_size);
    out("===========================================\n");
  }
}

void l_QORDlgTab::layoutSecondPass(int& p) {
  if (components.empty()) return;
  const int spacing = l_QORDlgLayoutManager::Spacing();
  const int c = primaryLoop(p);
  if (isRelativelyPositionned()) {
    movePosition(p - _position);
  } else if (p > _position) {
    const int d = setPosition(p);
    manager->resetMarks();
    mark = manager->currentMark();
    detectCollision(d);
  }
  _position += c;
  if (tracing()) {
    out("============= layoutSecondPass =============\n");
    out("%s : layout de %s\n", manager->GetName().c_str(), GetName().c_str());
    out("position = %d, _position = %d\n", p, _position);
    out("_next_component_position = %d\n", _next_component_position);
  }
  for (size_t i = 0; i < components.size(); ++i) setGeometry(static_cast<int>(i), 1);
  const int level = l_QORDlgLayoutManager::TraceLevel();
  p = _position + _max_size - c + spacing + ((sashEnabled && level != 1 && level != 3) ? 7 : 0);
  if (tracing()) {
    out("FIN   : position=%d, _position=%d, _max_size=%d\n", p, _position, _max_size);
    out("===========================================\n");
  }
}

l_QORDlgTab* l_QORDlgTab::setGeometry(int i, int secondPass) {
  ComponentInfo* info = components[i];
  l_QORDialog* c = info->component;
  if (tracing()) out("-> setGeometry de %s\n", c->GetName().c_str());
  if (info->alignment == RightOrBottom) {
    sizeFarSide(info, secondPass);
    return nullptr;
  }
  const int spacing = l_QORDlgLayoutManager::Spacing();
  const Orientation other = orientation == Vertical ? Horizontal : Vertical;
  int along = _next_component_position;
  const int across = _position - info->halfSize + info->offset;
  auto place = [&](int a) {
    if (orientation == Vertical) manager->writePosition(c, across, a);
    else manager->writePosition(c, a, across);
  };

  l_QORDlgTab* T = c->getFirstTab(other);
  if (T) {
    ComponentInfo* ti = T->getComponentInfo(c);
    if (ti && !secondPass) ti->halfSize = 0;
    const int th = ti ? ti->halfSize : 0;
    const int g = along - T->_position + th;
    if (g < 1) {
      along = _next_component_position = T->_position - th;
    } else {
      if (secondPass) {
        // Placed short of the line; the propagation below carries it along.
        along -= g;
        place(along);
        manager->setPlaced(c);
      }
      T->setPosition(T->_position + g);
      if (tracing()) {
        out("  0-detectCollision apres deplacement de %s", T->GetName().c_str());
        out("   en %d\n", T->_position);
      }
      manager->resetMarks();
      T->mark = manager->currentMark();
      T->detectCollision(g, secondPass ? nullptr : c, 0);
      if (secondPass) {
        int x, y, w, h;
        manager->readGeometry(c, x, y, w, h);
        along = orientation == Vertical ? y : x;
      }
    }
  }

  place(along);
  manager->setPlaced(c);
  int x, y, w, h;
  manager->readGeometry(c, x, y, w, h);
  _next_component_position = along + (orientation == Vertical ? h : w) + spacing;
  if (tracing()) {
    out("  Contrainte de POSITION : x=%d, y=%d\n", x, y);
    out("  _next_component_position=%d\n", _next_component_position);
  }

  l_QORDlgTab* S = c->getSecondTab(other);
  if (S && !(secondPass && manager->isFirstLayoutDone())) {
    if (S->isRelative()) {
      const int np = manager->computeRelativePosition(S, S->relativeIndex);
      if (np != 0) {
        _next_component_position = np + spacing;
        if (tracing()) out("  Apres RESIZE, new_pos de %s = %d\n", S->GetName().c_str(), np);
      }
    }
    const int d = S->setPosition(_next_component_position - spacing);
    if (d) {
      if (tracing()) {
        out("  2-detectCollision apres deplacement de %s", S->GetName().c_str());
        out("   en %d\n", S->_position);
      }
      manager->resetMarks();
      S->mark = manager->currentMark();
      manager->setMark(c);  // it put the line there: it must not stretch after it
      S->detectCollision(d);
    }
  }
  return S ? S : T;
}

void l_QORDlgTab::sizeFarSide(ComponentInfo* info, int secondPass) {
  (void)secondPass;
  l_QORDialog* c = info->component;
  const int spacing = l_QORDlgLayoutManager::Spacing();
  const Orientation other = orientation == Vertical ? Horizontal : Vertical;
  int cx, cy, cw, ch;
  manager->readGeometry(c, cx, cy, cw, ch);
  const int acrossNow = orientation == Vertical ? cx : cy;
  const int alongNow = orientation == Vertical ? cy : cx;
  auto alongExtent = [&](l_QORDialog* d) {
    int x, y, w, h;
    manager->readGeometry(d, x, y, w, h);
    return orientation == Vertical ? h : w;
  };
  auto acrossExtent = [&](l_QORDialog* d) {
    int x, y, w, h;
    manager->readGeometry(d, x, y, w, h);
    return orientation == Vertical ? w : h;
  };
  // Where the near tabulation T' across puts a component along this line.
  auto alongFrom = [&](l_QORDialog* d, l_QORDlgTab* t) {
    ComponentInfo* ti = t->getComponentInfo(d);
    int a = t->_position;
    if (ti && ti->alignment == Center) a -= roundHalf(alongExtent(d) * 0.5);
    return a;
  };

  int pos1 = alongNow, pos2 = 1;
  if (l_QORDlgTab* F = c->getFirstTab(orientation)) {
    pos2 = F->_position;
  } else {
    // Without a near side here, the far side is reached through the line across.
    l_QORDialog* reference = nullptr;
    const int me = find(c);
    int stacked = alongNow;
    bool haveStack = false;
    for (int j = 0; j <= me; ++j) {
      l_QORDialog* d = components[j]->component;
      if (l_QORDlgTab* t = d->getFirstTab(other)) {
        stacked = alongFrom(d, t);
        reference = d;
      } else if (haveStack) {
        l_QORDialog* prev = components[j - 1]->component;
        stacked += alongExtent(prev) + spacing;
      }
      haveStack = true;
    }
    pos1 = stacked;
    if (reference) {
      l_QORDlgTab* tp = reference->getFirstTab(other);
      const int at = tp->find(reference);
      if (at <= 0) {
        pos2 = acrossNow;
      } else {
        int sum = 0;
        bool found = false;
        l_QORDialog* reached = reference;
        for (int j = at - 1; j >= 0; --j) {
          reached = tp->components[j]->component;
          sum += acrossExtent(reached) + (j < at - 1 ? spacing : 0);
          if (l_QORDlgTab* n = reached->getFirstTab(orientation)) {
            pos2 = n->_position + sum + spacing;
            found = true;
            break;
          }
        }
        if (!found) {
          out("%s est le premier objet attache a %s, donc\n", reached->GetName().c_str(), tp->GetName().c_str());
          out(" il doit l'etre aussi perpendiculairement\n");
          QORDLG_ASSERT(0, "first component attached perpendicularly");
        }
      }
    }
  }

  const int newSize = _position - pos2;
  if (tracing()) out("  %s : new_size = %d, pos_2 = %d, pos_1 = %d\n", c->GetName().c_str(), newSize, pos2, pos1);
  const int s = orientation == Vertical ? info->width : info->height;
  int size = newSize;
  if (!manager->isFirstLayoutDone()) {
    if (s > newSize) {
      const int d = s - newSize;
      manager->resetMarks();
      detectCollision(d);
      if (mark != manager->currentMark()) movePosition(d);
      size = s;
    }
  } else if (!relative && s != newSize) {
    const int d = s - newSize;
    manager->resetMarks();
    detectCollision(d);
    if (mark != manager->currentMark()) movePosition(d);
    size = s;
  }
  const int nx = orientation == Vertical ? pos2 : pos1;
  const int ny = orientation == Vertical ? pos1 : pos2;
  const int nw = orientation == Vertical ? size : cw;
  const int nh = orientation == Vertical ? ch : size;
  if (tracing()) {
    out("  Contrainte de DIMENSION : width=%d, height=%d\n", nw, nh);
    out("                            x    =%d, y     =%d\n", nx, ny);
  }
  manager->writeRect(c, nx, ny, nh, nw);
  manager->setPlaced(c);
}

void l_QORDlgTab::detectCollision(int offset, const l_QORDialog* stopAt, int startFrom) {
  const Orientation other = orientation == Vertical ? Horizontal : Vertical;
  for (size_t i = startFrom; i < components.size(); ++i) {
    l_QORDialog* c = components[i]->component;
    if (c == stopAt) break;
    if (!manager->isPlaced(c)) continue;  // not laid out yet in this pass: nothing to carry
    if (l_QORDlgTab* p = c->getFirstTab(other)) {
      p->transmitOffset(offset, c, this);
    } else if (c->getFirstTab(orientation) == this && !manager->isMarked(c)) {
      manager->setMark(c);
      int x, y, w, h;
      manager->readGeometry(c, x, y, w, h);
      if (orientation == Vertical) {
        x += offset;
        if (tracing()) out("On decale : %s en x=%d\n", c->GetName().c_str(), x);
      } else {
        y += offset;
        if (tracing()) out("On decale : %s en y=%d\n", c->GetName().c_str(), y);
      }
      manager->writePosition(c, x, y);
    }
  }
}

void l_QORDlgTab::transmitOffset(int offset, l_QORDialog* from, l_QORDlgTab* origin) {
  const Orientation o = origin->getOrientation();
  if (tracing())
    out("Transmission d'un decalage = %d le long de la tabulation : %s, a partir du composant : %s\n", offset,
        GetName().c_str(), from->GetName().c_str());
  const int start = find(from);
  if (start < 0) return;
  const unsigned stamp = manager->currentMark();
  const bool mayDefer = manager->deferTransmission() && touchStamp != stamp;
  for (size_t i = start; i < components.size(); ++i) {
    if (mayDefer && static_cast<int>(i) == start + 1 && canDefer(start + 1, stamp)) {
      addPending(start + 1, offset);
      lazyMarkStamp = stamp;
      lazyMarkFrom = start + 1;
      touchStamp = stamp;
      l_QORDlgLayoutManager::CountDeferred();
      break;
    }
    l_QORDialog* c = components[i]->component;
    if (!manager->isPlaced(c)) continue;
    if (!manager->isMarked(c)) {
      manager->setMark(c);
      int x, y, w, h;
      manager->readGeometry(c, x, y, w, h);
      if (c == from && c->getSecondTab(o) == origin) {
        if (o == Vertical) w += offset;
        else h += offset;
        if (tracing()) {
          if (orientation == Horizontal) out("On redimensionne : %s en w=%d\n", c->GetName().c_str(), w);
          else out("On redimensionne : %s en h=%d\n", c->GetName().c_str(), h);
        }
        manager->writeRect(c, x, y, h, w);
      } else {
        if (o == Vertical) x += offset;
        else y += offset;
        if (tracing()) {
          if (orientation == Horizontal) out("On decale : %s en x=%d\n", c->GetName().c_str(), x);
          else out("On decale : %s en y=%d\n", c->GetName().c_str(), y);
        }
        manager->writePosition(c, x, y);
      }
    }
    l_QORDlgTab* lines[2] = {c == from ? nullptr : c->getFirstTab(o), c->getSecondTab(o)};
    for (l_QORDlgTab* t : lines) {
      if (!t || t->mark == stamp) continue;
      if (t->isRelativelyPositionned()) return;  // a relative line keeps its share
      t->movePosition(offset);
      t->mark = stamp;
    }
  }
  l_QORDialog* last = getLastComponent();
  if (!last || !manager->isPlaced(last)) return;
  l_QORDlgTab* edge = last->getSecondTab(o) ? last->getSecondTab(o) : last->getFirstTab(o);
  l_QORDlgTab* next = edge ? manager->getNextTab(edge) : nullptr;
  if (!next) return;
  int x, y, w, h;
  manager->readGeometry(last, x, y, w, h);
  const int end = o == Vertical ? x + w : y + h;
  if (next->setPosition(end + l_QORDlgLayoutManager::Spacing())) next->mark = stamp;
}

int l_QORDlgTab::shrinkBack() const {
  int best = 2000000000;
  for (ComponentInfo* info : components) {
    int x, y, w, h;
    manager->readGeometry(info->component, x, y, w, h);
    int mh = 0, mw = 0;
    info->component->GetMinRectDimensions(&mh, &mw);
    best = std::min(best, orientation == Vertical ? w - mw : h - mh);
  }
  return best;
}

void l_QORDlgTab::traceGeometry(const char*) {
  const int level = l_QORDlgLayoutManager::TraceLevel();
  if ((level == 0 || level == 2) && !sashEnabled) return;
  // The separator shows where the line is; a sash line also gets the sash
  // the user drags (l_QORDlgTabSash.cpp).
  Widget parent = manager->GetBaseWidget();
  if (!parent || !XtIsComposite(parent)) return;
  if (!separator) {
    separator = XtVaCreateWidget(GetName().c_str(), xmSeparatorWidgetClass, parent, XmNorientation,
                                 orientation == Vertical ? XmVERTICAL : XmHORIZONTAL, XmNmargin, 0, nullptr);
    XtAddCallback(separator, XmNdestroyCallback, separatorDestroyedCB, this);
    if (level == 1 || level == 3)
      XtVaSetValues(separator, XtVaTypedArg, XmNbackground, XmRString, "yellow", 7, nullptr);
  }
  int w = 0, h = 0;
  manager->getSize(w, h);
  if (orientation == Vertical)
    XtConfigureWidget(separator, static_cast<Position>(_position), 0, 2, static_cast<Dimension>(std::max(h, 1)), 0);
  else
    XtConfigureWidget(separator, 0, static_cast<Position>(_position), static_cast<Dimension>(std::max(w, 1)), 2, 0);
  XtManageChild(separator);
  if (!sashEnabled) return;
  if (!sash) makeSash(parent);
  placeSash();
  XtManageChild(sash);
  raiseSash();
}
