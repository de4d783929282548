#include "QORDlgSplitter.h"

#include <X11/IntrinsicP.h>
#include <Xm/DrawingA.h>

#include <algorithm>
#include <cstdio>

#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgSplitter.h"
#include "l_QORDlgTab.h"

namespace {
// Two children and the sash between them share what the first child measured.
constexpr int kSashRoom = 11;
// The size a splitter widget takes while it has none.
constexpr Dimension kNoSize = 100;
}  // namespace

l_QORDlgSplitter::l_QORDlgSplitter(l_QORDialog* f, const QORString& n, QORDialog* a, unsigned long s)
    : l_QORDlgBox(f, n, a, s) {
  const bool vertical = s & QORDlgSplitterVertical;
  if (s & QORDlgSplitterFirstAbsorbs) style |= QORDlgSplitterFirstAbsorbs | (vertical ? QORDlgSplitterVertical : QORDlgSplitterHorizontal);
  else style |= vertical ? QORDlgSplitterVertical : QORDlgSplitterHorizontal;
  style |= s & QORDlgSplitterEmptyRelative;
  SetDefaultOrientation(vertical ? Vertical : Horizontal);
}

Orientation l_QORDlgSplitter::splitOrientation() const {
  return GetDefaultOrientation() == Horizontal ? Vertical : Horizontal;
}

void l_QORDlgSplitter::Build() {
  if (built) return;
  Widget parent = beginBuild();
  if (!parent) return;
  baseWidget = XtVaCreateWidget(name.c_str(), xmDrawingAreaWidgetClass, parent, XmNmarginWidth, 0, XmNmarginHeight, 0,
                                XmNresizePolicy, XmRESIZE_NONE, nullptr);
  InstallDestroyHandler();
  InstallFurtifHelpHandler(baseWidget);
  pending |= QORDlgUpdChildren | QORDlgUpdPosition | QORDlgUpdSize | QORDlgUpdVisibility;
  update(0);
}

void l_QORDlgSplitter::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  // The splitter builds and arranges its children itself: two at most.
  constexpr unsigned long mine = QORDlgUpdChildren | QORDlgUpdLayout;
  pending &= ~mine;
  mask &= ~mine;
  if (built) {
    if (raised & QORDlgUpdChildren) updateContents();
    const bool relayout = (raised | pending) & QORDlgUpdLayout;
    pending &= ~QORDlgUpdLayout;
    if (!layoutManager->isFirstLayoutDone()) firstLayout();
    else if (relayout) ReLayout();
    else if (raised & QORDlgUpdSize) layoutManager->updateSize(dx - 2, dy - 2, 0);
  }
  l_QORDlgBox::update(mask);
}

void l_QORDlgSplitter::warnHidden() {
  for (int i = 2; i < GetChildCount(); ++i) {
    const l_QORDialog* child = GetChild(i);
    if (std::find(warned.begin(), warned.end(), child) != warned.end()) continue;
    warned.push_back(child);
    std::fprintf(stderr, "%s can't have more than 2 children\n", name.c_str());
    std::fprintf(stderr, "%s's child : %s will never be built\n", name.c_str(), child->GetName().c_str());
    std::fflush(stderr);
  }
}

void l_QORDlgSplitter::exchangeChildren() {
  l_QORDialog* second = GetChild(1);
  children.removeIndex(1);
  children.insertHead(second);
  for (int i = 0; i < GetChildCount(); ++i) GetChild(i)->SetNumChild(i + 1);
}

void l_QORDlgSplitter::updateContents() {
  warnHidden();
  const int n = shownChildren();
  for (int i = 0; i < n; ++i) GetChild(i)->Build();
  const Orientation o = splitOrientation();
  if (switchPending) {
    switchPending = false;
    if (n == 2) exchangeChildren();
  } else if (n == 2 && sashTab) {
    // The child list changed under the sash: keep the one before it first.
    l_QORDlgTab* far = GetChild(0)->getSecondTab(o);
    if (far && far != sashTab) exchangeChildren();
  }
  for (int i = 0; i < GetChildCount(); ++i) layoutManager->disconnect(GetChild(i));
  if (!layoutManager->isFirstLayoutDone()) firstSizes();
  Layout();
  if (layoutManager->isFirstLayoutDone() && sashTab) layoutManager->splitterLayout(sashTab, 0);
}

void l_QORDlgSplitter::firstSizes() {
  const int n = shownChildren();
  if (n == 0) return;
  const bool across = splitOrientation() == Vertical;
  int x0, y0, h0, w0;
  GetChild(0)->GetRectDimensions(&x0, &y0, &h0, &w0);
  const int share = ((across ? w0 : h0) - kSashRoom) / 2;
  for (int i = 0; i < n; ++i) {
    int x, y, h, w;
    GetChild(i)->GetRectDimensions(&x, &y, &h, &w);
    if (across) w = share;
    else h = share;
    GetChild(i)->SetRectDimensions(1, 1, h, w, 0);
  }
}

void l_QORDlgSplitter::Layout() {
  const int n = shownChildren();
  const Orientation along = splitOrientation();
  const Orientation common = along == Vertical ? Horizontal : Vertical;
  l_QORDlgList all;
  for (int i = 0; i < n; ++i) all.insertTail(GetChild(i));
  setAttachment(1, common, QORDlgTopOrLeft, all);
  setAttachment(2, common, QORDlgRightOrBottomRelative, all);
  sashTab = nullptr;
  for (int i = 0; i < n; ++i) {
    l_QORDlgList one;
    one.insertTail(GetChild(i));
    const bool last = i == n - 1;
    const bool fixedEnd = last && n >= 2 && (style & QORDlgSplitterFirstAbsorbs);
    setAttachment(static_cast<unsigned short>(2 * i + 1), along, QORDlgTopOrLeft, one);
    setAttachment(static_cast<unsigned short>(2 * i + 2), along,
                  fixedEnd ? QORDlgRightOrBottom : QORDlgRightOrBottomRelative, one);
    if (!last) sashTab = layoutManager->GetTab(2 * i + 2, along);
  }
  // Only the line between the two shown children carries a sash.
  for (int r = 0; r < layoutManager->getNbTabs(along); ++r) {
    l_QORDlgTab* t = layoutManager->getTabAt(along, r);
    if (t == sashTab) t->setSashEnabled();
    else if (t->isSashEnabled()) t->setSashDisabled();
  }
}

void l_QORDlgSplitter::firstLayout() {
  if (GetChildCount() == 0) return;  // laid out when the first child comes
  layoutManager->initX(1);
  layoutManager->initY(1);
  layoutManager->Layout();
  int w = 0, h = 0;
  layoutManager->getSize(w, h);
  if (w + 2 != dx || h + 2 != dy) {
    dx = w + 2;
    dy = h + 2;
    pending |= QORDlgUpdSize | QORDlgUpdResize;
    if (father) father->ChildMoved();
  }
}

void l_QORDlgSplitter::ReLayout() {
  int w = 0, h = 0;
  layoutManager->getSize(w, h);
  // Unmanaged, the children move without one exposure each.
  const bool managed = baseWidget && XtIsManaged(baseWidget);
  if (managed) XtUnmanageChild(baseWidget);
  layoutManager->updateSize(w, h, 1);
  if (baseWidget)
    XtResizeWidget(baseWidget, dx > 0 ? static_cast<Dimension>(dx) : kNoSize,
                   dy > 0 ? static_cast<Dimension>(dy) : kNoSize, baseWidget->core.border_width);
  if (managed) XtManageChild(baseWidget);
  putSashOnTop();
  // A splitter inside a splitter: its father lays out again when its size changes.
  if (father && father->IsAKindOf(QORDlgCodeSplitter) && father->GetVisibility() == QORDlgShown) {
    int fx, fy, fh, fw;
    father->GetRectDimensions(&fx, &fy, &fh, &fw);
    father->SetRectDimensions(fx, fy, fh + 1, fw, 1);
    father->SetRectDimensions(fx, fy, fh, fw, 1);
  }
}

void l_QORDlgSplitter::putSashOnTop() {
  if (sashTab) sashTab->raiseSash();
}

void l_QORDlgSplitter::SwitchChildren() {
  switchPending = true;
  pending |= QORDlgUpdChildren;
  registerDifferUpdate();
}

// ---- envelope ----

QORDlgSplitter::QORDlgSplitter(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgBox(father, name, style) {
  letter = new l_QORDlgSplitter(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgSplitter::GetLetterObject() const { return letter; }

void QORDlgSplitter::SwitchChildren() { letterAs<l_QORDlgSplitter>()->SwitchChildren(); }
