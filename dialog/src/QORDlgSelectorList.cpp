#include "QORDlgSelectorList.h"

#include <Xm/List.h>

#include <algorithm>

#include "QORDlgBits.h"
#include "QORDlgLineInsertion.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORDlgSelectorList.h"
#include "l_QORInteractiveApplication.h"

l_QORDlgSelectorList::l_QORDlgSelectorList(l_QORDialog* f, const QORString& n, QORDlgSelectorList* a,
                                           unsigned long s)
    : l_QORDlgControl(f, n, a, s) {
  style |= s & QORDlgListMultiple;  // the base keeps only the bits every object has
}

// ---- widgets ----

void l_QORDlgSelectorList::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<CommonArgCount + 4> args;
    commonArgs(args, false, false);
    args.add(XmNvisibleItemCount, visibleHeight)
        .add(XmNselectionPolicy, multiple() ? XmEXTENDED_SELECT : XmBROWSE_SELECT)
        .add(XmNlistSizePolicy, XmCONSTANT)
        .add(XmNscrollBarDisplayPolicy, XmAS_NEEDED);
    list = XmCreateScrolledList(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    baseWidget = XtParent(list);
    XtManageChild(list);
    XtAddCallback(list, multiple() ? XmNextendedSelectionCallback : XmNbrowseSelectionCallback, selectedCB, this);
    XtAddCallback(list, XmNdefaultActionCallback, activatedCB, this);
    XtAddEventHandler(list, ButtonPressMask, False, thirdButtonEH, this);
    XtOverrideTranslations(list, motionTranslations());
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    shownUpTo = 0;
    applyVisible();
    naturalSize();
    pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdListItems | QORDlgUpdListSelection | QORDlgUpdPosition |
              QORDlgUpdVisibility;
    // A new list shows its first line and column already.
    if (firstLine || firstColumn) pending |= QORDlgUpdListFirst;
  }
  update(0);
}

Widget l_QORDlgSelectorList::GetBaseWidget(int which) { return which == 1 ? list : baseWidget; }

void l_QORDlgSelectorList::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  if (built && list) {
    if (raised & QORDlgUpdListItems) applyItems();
    if (raised & (QORDlgUpdListItems | QORDlgUpdListSelection)) applySelection();
    if (raised & QORDlgUpdListVisible) {
      applyVisible();
      // Another natural size: the layout places the list again.
      naturalSize();
      pending |= QORDlgUpdSize | QORDlgUpdResize;
      if (father) father->ChildMoved();
    }
    if (raised & QORDlgUpdListFirst) applyFirst();
    const unsigned long mine = QORDlgPendingBits::List | QORDlgUpdTitle;
    pending &= ~mine;
    mask &= ~mine;
  }
  l_QORDlgControl::update(mask);
}

void l_QORDlgSelectorList::applyItems() {
  const int have = QORDlgListWidget::itemCount(list);
  if (have > static_cast<int>(shownUpTo))
    XmListDeleteItemsPos(list, have - static_cast<int>(shownUpTo), static_cast<int>(shownUpTo) + 1);
  QORDlgListWidget::append(list, items, shownUpTo, items.size());
  shownUpTo = items.size();
}

void l_QORDlgSelectorList::applySelection() {
  std::vector<int> positions;
  positions.reserve(static_cast<size_t>(selectedCount));
  for (size_t i = 0; i < selected.size(); ++i)
    if (selected[i]) positions.push_back(static_cast<int>(i) + 1);
  QORDlgListWidget::select(list, positions);
}

void l_QORDlgSelectorList::applyFirst() {
  if (!items.empty()) XmListSetPos(list, std::min(firstLine, GetLineCount() - 1) + 1);
  XmListSetHorizPos(list, firstColumn);
}

void l_QORDlgSelectorList::applyVisible() {
  XtVaSetValues(list, XmNvisibleItemCount, visibleHeight, nullptr);
}

// The height Motif gives the visible lines; the width of the visible
// characters, the list's margins and room for its vertical scroll bar, which
// the scrolled window would otherwise size to the longest line.
void l_QORDlgSelectorList::naturalSize() {
  QORDlgListWidget::preferredSize(baseWidget, &dx, &dy);
  Dimension margin = 0, shadow = 0, highlight = 0, spacing = 0, barWidth = 0;
  Widget bar = nullptr;
  XtVaGetValues(list, XmNlistMarginWidth, &margin, XmNshadowThickness, &shadow, XmNhighlightThickness, &highlight,
                nullptr);
  XtVaGetValues(baseWidget, XmNverticalScrollBar, &bar, XmNspacing, &spacing, nullptr);
  if (bar) XtVaGetValues(bar, XmNwidth, &barWidth, nullptr);
  dx = visibleWidth * QORDlgListWidget::charWidth(list) + 2 * (margin + shadow + highlight + 2) + spacing + barWidth;
}

// ---- the user ----

void l_QORDlgSelectorList::selectedCB(Widget, XtPointer client, XtPointer call) {
  static_cast<l_QORDlgSelectorList*>(client)->userSelected(static_cast<XmListCallbackStruct*>(call));
}

void l_QORDlgSelectorList::activatedCB(Widget, XtPointer client, XtPointer) {
  auto* self = static_cast<l_QORDlgSelectorList*>(client);
  self->notify(&self->activateNotification);
}

void l_QORDlgSelectorList::userSelected(const XmListCallbackStruct* cbs) {
  dragStartX = dragStartY = 0;
  std::fill(selected.begin(), selected.end(), 0);
  selectedCount = 0;
  if (multiple()) {
    for (int i = 0; i < cbs->selected_item_count; ++i) mark(cbs->selected_item_positions[i] - 1);
  } else if (XmListPosSelected(list, cbs->item_position)) {
    mark(cbs->item_position - 1);
  }
  notify(&selectNotification);
}

void l_QORDlgSelectorList::thirdButtonEH(Widget, XtPointer client, XEvent* event, Boolean*) {
  if (event->type != ButtonPress || event->xbutton.button != Button3) return;
  auto* self = static_cast<l_QORDlgSelectorList*>(client);
  self->contextualLine = QORDlgListWidget::positionAt(self->list, event->xbutton.y);
  self->threeButton(&event->xbutton);
}

void l_QORDlgSelectorList::Motion(XEvent* event) {
  // The translation that brought us here replaced the list's own.
  XtCallActionProc(list, const_cast<char*>("ListButtonMotion"), event, nullptr, 0);
  if (!event || event->type != MotionNotify) return;
  // The line where the drag starts is the one under the pointer then.
  const int before = contextualLine;
  const int under = QORDlgListWidget::positionAt(list, event->xmotion.y);
  if (under) contextualLine = under;
  Widget& started = l_QORInteractiveApplication::dragStartWidget;
  const Widget earlier = started;
  dragStart(event);
  if (started == earlier) contextualLine = before;
  else started = list;
}

// ---- selection ----

void l_QORDlgSelectorList::mark(int line) {
  if (line < 0 || line >= GetLineCount() || selected[static_cast<size_t>(line)]) return;
  selected[static_cast<size_t>(line)] = 1;
  ++selectedCount;
}

void l_QORDlgSelectorList::selectionChanged() {
  pending |= QORDlgUpdListSelection;
  registerDifferUpdate();
}

int l_QORDlgSelectorList::IsSelect(int line) const {
  return line >= 0 && line < GetLineCount() ? selected[static_cast<size_t>(line)] : 0;
}

int l_QORDlgSelectorList::findText(const QORUnicodeString& text) const {
  for (size_t i = 0; i < items.size(); ++i)
    if (items.text(i) == text) return static_cast<int>(i);
  return -1;
}

int l_QORDlgSelectorList::IsSelect(const QORUnicodeString& text) const { return IsSelect(findText(text)); }

int l_QORDlgSelectorList::GetSelect(int* out, int size) const {
  int n = 0;
  for (size_t i = 0; i < selected.size() && n < size; ++i)
    if (selected[i]) out[n++] = static_cast<int>(i);
  return selectedCount;
}

int l_QORDlgSelectorList::GetSelect(QORUnicodeString* out, int size) const {
  int n = 0;
  for (size_t i = 0; i < selected.size() && n < size; ++i)
    if (selected[i]) out[n++] = items.text(i);
  return selectedCount;
}

void l_QORDlgSelectorList::ClearSelect() {
  std::fill(selected.begin(), selected.end(), 0);
  selectedCount = 0;
  selectionChanged();
}

int l_QORDlgSelectorList::SetSelect(const std::vector<int>& wanted, int notifyIt) {
  std::fill(selected.begin(), selected.end(), 0);
  selectedCount = 0;
  // Lines outside the list are skipped; single selection takes the first valid one.
  for (int line : wanted) {
    mark(line);
    if (!multiple() && selectedCount) break;
  }
  selectionChanged();
  if (notifyIt) notify(&selectNotification);
  return selectedCount;
}

int l_QORDlgSelectorList::SetSelect(const QORUnicodeString* texts, int count, int notifyIt) {
  std::vector<int> wanted;
  for (int i = 0; i < count; ++i)
    if (const int line = findText(texts[i]); line >= 0) wanted.push_back(line);
  return SetSelect(wanted, notifyIt);
}

// ---- what is shown ----

void l_QORDlgSelectorList::SetVisibleTextWidth(int characters) {
  if (characters < 1 || characters == visibleWidth) return;
  visibleWidth = characters;
  pending |= QORDlgUpdListVisible;
  registerDifferUpdate();
}

void l_QORDlgSelectorList::SetVisibleTextHeight(int count) {
  if (count < 1 || count == visibleHeight) return;
  visibleHeight = count;
  pending |= QORDlgUpdListVisible;
  registerDifferUpdate();
}

int l_QORDlgSelectorList::GetFirstLine() const {
  // The user may have scrolled since: the widget knows best.
  return built && list && shownUpTo ? QORDlgListWidget::topPosition(list) - 1 : firstLine;
}

void l_QORDlgSelectorList::SetFirstLine(int line) {
  firstLine = std::max(line, 0);
  pending |= QORDlgUpdListFirst;
  registerDifferUpdate();
}

void l_QORDlgSelectorList::SetFirstColumn(int column) {
  firstColumn = std::max(column, 0);
  pending |= QORDlgUpdListFirst;
  registerDifferUpdate();
}

// ---- lines ----

int l_QORDlgSelectorList::GetLine(QORUnicodeString& text, int line) const {
  if (line < 0 || line >= GetLineCount()) return 0;
  text = items.text(static_cast<size_t>(line));
  return 1;
}

void l_QORDlgSelectorList::linesChangedFrom(size_t line) {
  shownUpTo = std::min(shownUpTo, line);
  pending |= QORDlgUpdListItems;
  registerDifferUpdate();
}

int l_QORDlgSelectorList::SetLine(const QORUnicodeString* texts, int count, int position, unsigned long mode) {
  if (!texts || count <= 0) return GetLineCount();
  const bool inside = position >= 0 && position < GetLineCount();
  const size_t from = inside ? static_cast<size_t>(position) : selected.size();
  const auto added = static_cast<size_t>(count);
  if (inside && (mode & QORDlgLineReplace))  // the overwritten lines lose their selection
    for (size_t i = from; i < selected.size() && i < from + added; ++i) selectedCount -= selected[i];
  items.insert(texts, count, position, mode);
  QORDlgInsertLines(selected, std::vector<short>(added, 0), position, mode);
  linesChangedFrom(from);
  return GetLineCount();
}

void l_QORDlgSelectorList::ClearLine(std::vector<int> gone) {
  gone.erase(std::remove_if(gone.begin(), gone.end(), [this](int l) { return l < 0 || l >= GetLineCount(); }),
             gone.end());
  std::sort(gone.begin(), gone.end());
  gone.erase(std::unique(gone.begin(), gone.end()), gone.end());
  if (gone.empty()) return;
  size_t kept = 0, next = 0;
  for (size_t i = 0; i < selected.size(); ++i) {
    if (next < gone.size() && gone[next] == static_cast<int>(i)) {
      ++next;
      selectedCount -= selected[i];
      continue;
    }
    selected[kept++] = selected[i];
  }
  selected.resize(kept);
  items.erase(gone);
  contextualLine = 0;
  linesChangedFrom(static_cast<size_t>(gone.front()));
}

void l_QORDlgSelectorList::ClearLine() {
  items.clear();
  selected.clear();
  selectedCount = 0;
  contextualLine = 0;
  linesChangedFrom(0);
}

// ---- envelope ----

QORDlgSelectorList::QORDlgSelectorList(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgSelectorList(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgSelectorList::GetLetterObject() const { return letter; }
QORDlgListSelectNotification* QORDlgSelectorList::GetListSelectNotification() const {
  return notificationOf(&l_QORDlgSelectorList::selectNotification);
}
QORDlgListActivateNotification* QORDlgSelectorList::GetListActivateNotification() const {
  return notificationOf(&l_QORDlgSelectorList::activateNotification);
}

namespace {
using L = l_QORDlgSelectorList;
// Forwards to the letter, or answers `none` without one.
template <typename R, typename F>
R forward(const QORDlgSelectorList* e, R none, F f) {
  L* l = static_cast<L*>(e->GetLetterObject());
  return l ? f(*l) : none;
}
}  // namespace

int QORDlgSelectorList::GetSelectCount() { return forward(this, 0, [](L& l) { return l.GetSelectCount(); }); }
int QORDlgSelectorList::IsSelect(int line) { return forward(this, 0, [&](L& l) { return l.IsSelect(line); }); }
int QORDlgSelectorList::IsSelect(const QORUnicodeString& text) {
  return forward(this, 0, [&](L& l) { return l.IsSelect(text); });
}
int QORDlgSelectorList::GetSelect(int* lines, int size) {
  return forward(this, 0, [&](L& l) { return l.GetSelect(lines, size); });
}
int QORDlgSelectorList::GetSelect(QORUnicodeString* texts, int size) {
  return forward(this, 0, [&](L& l) { return l.GetSelect(texts, size); });
}
void QORDlgSelectorList::ClearSelect() { forward(this, 0, [](L& l) { return l.ClearSelect(), 0; }); }
int QORDlgSelectorList::SetSelect(int* lines, int count, int notify) {
  const std::vector<int> wanted(lines, lines + (lines && count > 0 ? count : 0));
  return forward(this, 0, [&](L& l) { return l.SetSelect(wanted, notify); });
}
int QORDlgSelectorList::SetSelect(QORUnicodeString* texts, int count, int notify) {
  return forward(this, 0, [&](L& l) { return l.SetSelect(texts, texts ? count : 0, notify); });
}
int QORDlgSelectorList::GetVisibleTextWidth() { return forward(this, 0, [](L& l) { return l.GetVisibleTextWidth(); }); }
void QORDlgSelectorList::SetVisibleTextWidth(int c) { forward(this, 0, [&](L& l) { return l.SetVisibleTextWidth(c), 0; }); }
int QORDlgSelectorList::GetVisibleTextHeight() {
  return forward(this, 0, [](L& l) { return l.GetVisibleTextHeight(); });
}
void QORDlgSelectorList::SetVisibleTextHeight(int n) {
  forward(this, 0, [&](L& l) { return l.SetVisibleTextHeight(n), 0; });
}
int QORDlgSelectorList::GetFirstLine() { return forward(this, 0, [](L& l) { return l.GetFirstLine(); }); }
void QORDlgSelectorList::SetFirstLine(int line) { forward(this, 0, [&](L& l) { return l.SetFirstLine(line), 0; }); }
int QORDlgSelectorList::GetFirstColumn() { return forward(this, 0, [](L& l) { return l.GetFirstColumn(); }); }
void QORDlgSelectorList::SetFirstColumn(int c) { forward(this, 0, [&](L& l) { return l.SetFirstColumn(c), 0; }); }
int QORDlgSelectorList::GetContextualLine() { return forward(this, 0, [](L& l) { return l.GetContextualLine(); }); }
int QORDlgSelectorList::GetLineCount() { return forward(this, 0, [](L& l) { return l.GetLineCount(); }); }
int QORDlgSelectorList::GetLine(QORUnicodeString& text, int line) {
  return forward(this, 0, [&](L& l) { return l.GetLine(text, line); });
}
int QORDlgSelectorList::SetLine(const QORUnicodeString& text, int position, unsigned long mode) {
  return SetLine(&text, 1, position, mode);
}
int QORDlgSelectorList::SetLine(const QORUnicodeString* texts, int count, int position, unsigned long mode) {
  return forward(this, 0, [&](L& l) { return l.SetLine(texts, count, position, mode); });
}
void QORDlgSelectorList::ClearLine(int line) { ClearLine(&line, 1); }
void QORDlgSelectorList::ClearLine(int* lines, int count) {
  const std::vector<int> gone(lines, lines + (lines && count > 0 ? count : 0));
  forward(this, 0, [&](L& l) { return l.ClearLine(gone), 0; });
}
void QORDlgSelectorList::ClearLine() { forward(this, 0, [](L& l) { return l.ClearLine(), 0; }); }
