// The layout operations of l_QORDialog: attachments of a container's
// children to tabulations, grid constraints of a child, and re-layout.
#include <cstdio>

#include "QORDlgGridConstraints.h"
#include "LayoutMatrix.h"
#include "l_QORDialog.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgTab.h"
#include "qordlg_assert.h"

namespace {
Alignment alignmentOf(QORDlgAttachment kind) {
  if (kind < 3) return TopOrLeft;
  if (kind < 5) return RightOrBottom;
  return Center;
}

// Windows, bars, menus and menu items never hang on a container's tabulations.
bool neverAttached(l_QORDialog* d) {
  return d->traits().Has(QORDlgCapNotAttached);
}
}  // namespace

QORString l_QORDialog::layoutTitle() {
  const QORUnicodeString& t = GetTitle();
  return t.IsEmpty() ? name : QORString(t.c_str());
}

int l_QORDialog::refuseOnGrid(const QORString& who) {
  QORDLG_ASSERT(layoutManager != nullptr, "layoutManager != NULL");
  if (layoutManager->getStyle() != GridLayout) return 0;
  std::fprintf(stderr, "Warning : %s shouldn't have QORDlgGridLayout style\n", who.c_str());
  std::fflush(stderr);
  return 1;
}

void l_QORDialog::attachmentsChanged() {
  if (!layoutManager->isFirstLayoutDone()) return;
  pending |= QORDlgUpdLayout;
  registerDifferUpdate();
}

void l_QORDialog::setAttachment(unsigned short index, Orientation o, QORDlgAttachment kind,
                                const l_QORDlgList& components) {
  if (refuseOnGrid(layoutTitle())) return;
  if (components.getCount() == 0) return;
  l_QORDlgTab* tab = layoutManager->GetTab(index, o);
  tab->setRelative((kind % 2) == 0);
  const Alignment a = alignmentOf(kind);
  for (int i = 0; i < components.getCount(); ++i) {
    l_QORDialog* c = static_cast<l_QORDialog*>(components[i]);
    if (!c || neverAttached(c)) continue;
    if (c->father != this) {
      std::printf("Warning: %s does not belong to %s\n", c->GetName().c_str(), name.c_str());
      std::fflush(stdout);
      continue;
    }
    tab->add(c, a, 0);
  }
  tab->setCurrentAlignment(a);
  attachmentsChanged();
}

void l_QORDialog::SetVerticalAttachment(unsigned short index, QORDlgAttachment kind, const l_QORDlgList& list) {
  setAttachment(index, Vertical, kind, list);
}

void l_QORDialog::SetHorizontalAttachment(unsigned short index, QORDlgAttachment kind, const l_QORDlgList& list) {
  setAttachment(index, Horizontal, kind, list);
}

void l_QORDialog::Attach4Sides(l_QORDialog* child) {
  if (refuseOnGrid(name)) return;
  const Orientation along = GetDefaultOrientation();
  const Orientation other = along == Horizontal ? Vertical : Horizontal;
  const int n = layoutManager->GetTab(0, along)->getNbComponents();
  l_QORDlgList one;
  one.insertTail(child);
  setAttachment(0, along, QORDlgTopOrLeft, one);
  setAttachment(1, along, QORDlgRightOrBottomRelative, one);
  setAttachment(static_cast<unsigned short>(2 * n), other, QORDlgTopOrLeft, one);
  setAttachment(static_cast<unsigned short>(2 * n + 1), other, QORDlgRightOrBottomRelative, one);
  if (!layoutManager->isFirstLayoutDone()) return;
  // Share the container equally among the N+1 children side by side.
  for (int k = 0; k <= n; ++k) {
    l_QORDlgTab* t = layoutManager->GetTab(2 * k + 1, other);
    t->relativePosition = static_cast<double>(k + 1) / (n + 1);
    t->relativeIndex = k;
  }
}

void l_QORDialog::SetDefaultAttachments() {
  if (children.getCount() == 0) return;
  const Orientation along = GetDefaultOrientation();
  const Orientation other = along == Horizontal ? Vertical : Horizontal;
  l_QORDlgList all;
  for (int i = 0; i < children.getCount(); ++i) all.insertTail(GetChild(i));
  setAttachment(0, along, QORDlgTopOrLeft, all);
  l_QORDlgList first;
  first.insertTail(GetChild(0));
  setAttachment(0, other, QORDlgTopOrLeft, first);
}

int l_QORDialog::GetVerticalTabIndex(l_QORDialog* child, QORDlgAttachment kind) {
  if (refuseOnGrid(layoutTitle())) return -1;
  return layoutManager->GetTabIndex(child, alignmentOf(kind), Vertical);
}

int l_QORDialog::GetHorizontalTabIndex(l_QORDialog* child, QORDlgAttachment kind) {
  if (refuseOnGrid(layoutTitle())) return -1;
  return layoutManager->GetTabIndex(child, alignmentOf(kind), Horizontal);
}

void l_QORDialog::insertAlong(unsigned short index, Orientation o, l_QORDialog* component, l_QORDialog* reference,
                              InsertionMode mode) {
  if (refuseOnGrid(layoutTitle())) return;
  if (!component) return;
  l_QORDlgTab* tab = layoutManager->GetTab(index, o);
  tab->insert(component, reference, tab->getCurrentAlignment(), 0, mode);
  attachmentsChanged();
}

void l_QORDialog::InsertAlongVerticalTab(unsigned short index, l_QORDialog* c, l_QORDialog* ref, InsertionMode m) {
  insertAlong(index, Vertical, c, ref, m);
}

void l_QORDialog::InsertAlongHorizontalTab(unsigned short index, l_QORDialog* c, l_QORDialog* ref, InsertionMode m) {
  insertAlong(index, Horizontal, c, ref, m);
}

void l_QORDialog::removeAlong(unsigned short index, Orientation o, l_QORDialog* component) {
  if (refuseOnGrid(layoutTitle())) return;
  if (!component) return;
  l_QORDlgTab* tab = layoutManager->GetTab(index, o);
  if (ComponentInfo* info = tab->getComponentInfo(component)) tab->erase(component, info->alignment);
  else tab->erase(component, TopOrLeft);  // prints that it is not attached there
  attachmentsChanged();
}

void l_QORDialog::RemoveAlongVerticalTab(unsigned short index, l_QORDialog* c) { removeAlong(index, Vertical, c); }
void l_QORDialog::RemoveAlongHorizontalTab(unsigned short index, l_QORDialog* c) { removeAlong(index, Horizontal, c); }

void l_QORDialog::ResetAttachment(l_QORDialog* child) {
  QORDLG_ASSERT(layoutManager != nullptr, "layoutManager != NULL");
  if (child) layoutManager->disconnect(child);
}

void l_QORDialog::ReplaceKeepAttachments(l_QORDialog* oldChild, l_QORDialog* newChild) {
  if (refuseOnGrid(layoutTitle())) return;
  if (!oldChild || !newChild) return;
  layoutManager->replace(oldChild, newChild);
  attachmentsChanged();
}

void l_QORDialog::SetGridConstraints(const QORDlgGridConstraints& c) {
  QORDLG_ASSERT(father != nullptr, "father != NULL");
  l_QORDlgLayoutManager* laymgr = father->layoutManager;
  QORDLG_ASSERT(laymgr != nullptr, "laymgr != NULL");
  if (!(father->style & QORDlgGridLayout)) {
    std::fprintf(stderr, "Warning : %s'father should have QORDlgGridLayout style\n", layoutTitle().c_str());
    std::fflush(stderr);
    return;
  }
  delete gridConstraints;
  gridConstraints = new QORDlgGridConstraints(c);
  laymgr->setConstraints(this, *gridConstraints);
}

void l_QORDialog::SetGridConstraints(short row, short column, short columnSpan, short rowSpan,
                                     unsigned int justification) {
  SetGridConstraints(QORDlgGridConstraints(row, column, columnSpan, rowSpan, justification));
}

const QORDlgGridConstraints& l_QORDialog::GetGridConstraints() { return *gridConstraints; }

namespace {
LayoutMatrix* gridMatrixOf(l_QORDialog* d, l_QORDlgLayoutManager* m) {
  QORDLG_ASSERT(m != nullptr, "layoutManager != NULL");
  if (m->getStyle() == GridLayout && m->getMatrix()) return m->getMatrix();
  std::fprintf(stderr, "Warning : %s should have QORDlgGridLayout style\n", d->GetName().c_str());
  std::fflush(stderr);
  return nullptr;
}
}  // namespace

void l_QORDialog::SetGridColumnResizable(int column, int flag) {
  if (LayoutMatrix* m = gridMatrixOf(this, layoutManager)) m->SetColumnResizable(column, flag);
}

void l_QORDialog::SetGridRowResizable(int row, int flag) {
  if (LayoutMatrix* m = gridMatrixOf(this, layoutManager)) m->SetRowResizable(row, flag);
}

int l_QORDialog::IsGridColumnResizable(int column) {
  LayoutMatrix* m = gridMatrixOf(this, layoutManager);
  return m ? m->IsColumnResizable(column) : 0;
}

int l_QORDialog::IsGridRowResizable(int row) {
  LayoutMatrix* m = gridMatrixOf(this, layoutManager);
  return m ? m->IsRowResizable(row) : 0;
}

void l_QORDialog::relayout() {
  if (!layoutManager || !layoutManager->isFirstLayoutDone()) return;
  int w = 0, h = 0;
  layoutManager->getSize(w, h);
  layoutManager->updateSize(w, h, 1);
}
