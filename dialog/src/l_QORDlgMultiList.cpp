// The multi-column list's table: columns of items, the selection kept on
// column 0, widths and order. Widgets are in l_QORDlgMultiListWidgets.cpp.
#include <algorithm>
#include <cstdio>

#include "QORDlgBits.h"
#include "QORDlgLineInsertion.h"
#include "l_QORDlgMultiList.h"
#include "qordlg_assert.h"

l_QORDlgMultiList::l_QORDlgMultiList(l_QORDialog* f, const QORString& n, QORDlgMultiList* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s), columns(1) {
  // The base keeps only the bits every object has; the windowed mode is
  // chosen at creation, multiple selection goes with either.
  style |= s & (QORDlgListMultiple | QORDlgListWindowed);
}

l_QORDlgMultiList::~l_QORDlgMultiList() {
  for (l_QORDlgMultiList* other : synchronized)
    other->synchronized.erase(std::remove(other->synchronized.begin(), other->synchronized.end(), this),
                              other->synchronized.end());
  if (rubberGC && GetApplicationDisplay()) XFreeGC(GetApplicationDisplay(), rubberGC);
}

// ---- columns ----

l_QORDlgMultiList::Column& l_QORDlgMultiList::column(int index) {
  QORDLG_ASSERT(index >= 0 && index < GetColumnCount(), "column < _numberOfColumns");
  return columns[static_cast<size_t>(index)];
}

const l_QORDlgMultiList::Column& l_QORDlgMultiList::column(int index) const {
  QORDLG_ASSERT(index >= 0 && index < GetColumnCount(), "column < _numberOfColumns");
  return columns[static_cast<size_t>(index)];
}

void l_QORDlgMultiList::buildNewColumnsIfNecessary(int index) {
  QORDLG_ASSERT(index >= 0, "column >= 0");
  if (index < GetColumnCount()) return;
  const size_t before = columns.size();
  columns.resize(static_cast<size_t>(index) + 1);
  if (built) {
    for (size_t i = before; i < columns.size(); ++i) buildColumn(i);
  }
  keepEqualColumnSizes();
  changed(QORDlgUpdListArrange | QORDlgUpdListTitles);
}

// The line count is the longest column's; the shorter ones are shown padded
// with blank lines (QORDlgListWidget::append) rather than stored padded, so a
// program filling the table column by column appends to each from line 0.
void l_QORDlgMultiList::keepEqualColumnSizes() {
  size_t most = 0;
  for (const Column& c : columns) most = std::max(most, c.items.size());
  flags.resize(most, 0);
}

void l_QORDlgMultiList::SetColumnTitles(int count, const QORUnicodeString* titles) {
  if (!titles || count <= 0) return;
  buildNewColumnsIfNecessary(count - 1);
  for (int i = 0; i < count; ++i) columns[static_cast<size_t>(i)].title = titles[i];
  titlesGiven = true;
  changed(QORDlgUpdListTitles | QORDlgUpdListItems | QORDlgUpdListSelection | QORDlgUpdListArrange);
}

void l_QORDlgMultiList::SetColumnVisibility(int col, unsigned long visibility) {
  if (col < 0 || col >= GetColumnCount() || (visibility != QORDlgShown && visibility != QORDlgHidden)) return;
  columns[static_cast<size_t>(col)].visibility = visibility;
  changed(QORDlgUpdListArrange);
}

unsigned long l_QORDlgMultiList::GetColumnVisibility(int col) const { return column(col).visibility; }

void l_QORDlgMultiList::ReorderColumns(const int* destinations, int count, int from) {
  if (!destinations) return;
  std::vector<int> sourceOf(columns.size());
  for (size_t i = 0; i < sourceOf.size(); ++i) sourceOf[i] = static_cast<int>(i);
  for (int i = 0; i < count; ++i) {
    const int source = from + i, target = destinations[i];
    if (source < 0 || source >= GetColumnCount() || target < 0 || target >= GetColumnCount()) break;
    sourceOf[static_cast<size_t>(target)] = source;
  }
  // Only a permutation is applied: anything else would lose a column.
  std::vector<int> check = sourceOf;
  std::sort(check.begin(), check.end());
  for (size_t i = 0; i < check.size(); ++i)
    if (check[i] != static_cast<int>(i)) return;
  std::vector<Column> moved;
  moved.reserve(columns.size());
  for (int source : sourceOf) moved.push_back(std::move(columns[static_cast<size_t>(source)]));
  columns = std::move(moved);  // the selection belongs to lines: it stays
  changed(QORDlgUpdListArrange);
}

int l_QORDlgMultiList::GetColumnPixelWidth(int col) const {
  return col >= 0 && col < GetColumnCount() ? columns[static_cast<size_t>(col)].pixelWidth : -1;
}

void l_QORDlgMultiList::SetColumnPixelWidth(int col, int pixels) {
  buildNewColumnsIfNecessary(col);
  columns[static_cast<size_t>(col)].pixelWidth = pixels;
  changed(QORDlgUpdListArrange);
}

int l_QORDlgMultiList::GetColumnTextWidth(int col) const {
  const int pixels = GetColumnPixelWidth(col);
  // The list's margins take about 9 pixels of a column.
  const int chars = (pixels + charWidth / 2 - 9) / charWidth;
  return chars < 0 ? pixels : chars;
}

void l_QORDlgMultiList::SetColumnTextWidth(int col, int characters) {
  buildNewColumnsIfNecessary(col);
  columns[static_cast<size_t>(col)].textWidth = characters;
  changed(QORDlgUpdListArrange);
}

// ---- selection ----

void l_QORDlgMultiList::mark(int line) {
  if (line < 0 || line >= GetLineCount()) return;
  short& flag = flags[static_cast<size_t>(line)];
  if (!flag) flag = 1, ++selectedCount;
}

void l_QORDlgMultiList::clearFlags() {
  std::fill(flags.begin(), flags.end(), 0);
  selectedCount = 0;
}

int l_QORDlgMultiList::findText(int col, const QORUnicodeString& text) const {
  const QORDlgTextColumn& items = column(col).items;
  for (size_t i = 0; i < items.size(); ++i)
    if (items.text(i) == text) return static_cast<int>(i);
  return -1;
}

void l_QORDlgMultiList::changed(unsigned long bits) {
  pending |= bits;
  registerDifferUpdate();
}

int l_QORDlgMultiList::IsSelect(int line) const {
  return line >= 0 && line < GetLineCount() ? flags[static_cast<size_t>(line)] : 0;
}

int l_QORDlgMultiList::IsSelect(int col, const QORUnicodeString& text) const { return IsSelect(findText(col, text)); }

int l_QORDlgMultiList::GetSelect(int* out, int max) const {
  QORDLG_ASSERT(selectedCount <= GetLineCount(), "_numberOfSelectedItems <= nbrElt");
  int n = 0;
  for (int i = 0; i < GetLineCount() && n < max; ++i)
    if (IsSelect(i)) out[n++] = i;
  return selectedCount;
}

int l_QORDlgMultiList::GetSelect(int col, QORUnicodeString* out, int max) const {
  const Column& c = column(col);
  int n = 0;
  for (int i = 0; i < GetLineCount() && n < max; ++i)
    if (IsSelect(i)) out[n++] = static_cast<size_t>(i) < c.items.size() ? c.items.text(static_cast<size_t>(i)) : "";
  return selectedCount;
}

void l_QORDlgMultiList::ClearSelect() {
  clearFlags();
  changed(QORDlgUpdListSelection);
}

int l_QORDlgMultiList::SetSelect(const std::vector<int>& wanted, int notifyIt) {
  if (multiple()) {
    std::vector<int> now(static_cast<size_t>(selectedCount));
    GetSelect(now.data(), selectedCount);
    if (!now.empty() && now.size() <= wanted.size() && std::equal(now.begin(), now.end(), wanted.begin())) {
      std::printf("Selection identique\n");
      std::fflush(stdout);
      return selectedCount;
    }
    for (int line : wanted) mark(line);
  } else {
    clearFlags();
    if (!wanted.empty()) mark(wanted.front());
  }
  lastUpdateKind = KindProgram;
  changed(QORDlgUpdListSelection);
  if (notifyIt) notify(&selectNotification);
  return selectedCount;
}

int l_QORDlgMultiList::SetSelect(int col, const QORUnicodeString* texts, int count, int notifyIt) {
  const Column& c = column(col);
  std::vector<int> wanted;
  const int n = multiple() ? count : std::min(count, 1);
  for (size_t i = 0; i < c.items.size() && texts; ++i)
    if (const QORUnicodeString line = c.items.text(i); std::find(texts, texts + n, line) != texts + n)
      wanted.push_back(static_cast<int>(i));
  if (!multiple() && wanted.size() > 1) wanted.resize(1);
  return SetSelect(wanted, notifyIt);
}

// ---- what is shown ----

void l_QORDlgMultiList::SetVisibleTextWidth(int characters) {
  if (characters < 1) return;
  visibleWidth = characters;
  changed(QORDlgUpdListVisible);
}

void l_QORDlgMultiList::SetVisibleLineCount(int count) {
  if (count < 1) return;
  visibleLines = count;
  changed(QORDlgUpdListVisible | QORDlgUpdListItems | QORDlgUpdListSelection);
}

void l_QORDlgMultiList::SetFirstLine(int line) {
  if (line == topLine) return;
  scrollTo(line, true);
}

void l_QORDlgMultiList::Synchronize(l_QORDlgMultiList* other) {
  if (!other || other == this) return;
  // Every member of either set joins every other.
  std::vector<l_QORDlgMultiList*> all{this};
  for (l_QORDlgMultiList* l : {this, other})
    for (l_QORDlgMultiList* m : l == this ? synchronized : other->synchronized)
      if (std::find(all.begin(), all.end(), m) == all.end()) all.push_back(m);
  if (std::find(all.begin(), all.end(), other) == all.end()) all.push_back(other);
  for (l_QORDlgMultiList* l : all) {
    l->synchronized.clear();
    for (l_QORDlgMultiList* m : all)
      if (m != l) l->synchronized.push_back(m);
  }
}

// ---- lines ----

void l_QORDlgMultiList::GetColumnItem(int col, QORUnicodeString& text, int line) {
  const Column& c = column(col);
  if (line >= 0 && line < static_cast<int>(c.items.size())) text = c.items.text(static_cast<size_t>(line));
  else if (line >= 0 && line < GetLineCount()) text = QORUnicodeString();  // a short column's padding
  else text = c.items.empty() ? QORUnicodeString() : c.items.text(c.items.size() - 1);
}

int l_QORDlgMultiList::SetColumnItems(int col, const QORUnicodeString* texts, int count, int line,
                                      unsigned long mode) {
  buildNewColumnsIfNecessary(col);
  if (!texts || count <= 0) return selectedCount;
  Column& c = columns[static_cast<size_t>(col)];
  const bool inside = line >= 0 && line < static_cast<int>(c.items.size());
  const size_t from = inside ? static_cast<size_t>(line) : c.items.size();
  // Lines put in before a line of column 0 push the selection down with them;
  // overwritten ones keep the selection of their line.
  if (col == 0 && inside && !(mode & QORDlgLineReplace))
    flags.insert(flags.begin() + static_cast<long>(from), static_cast<size_t>(count), 0);
  c.items.insert(texts, count, line, mode);
  c.shownUpTo = std::min(c.shownUpTo, from);
  keepEqualColumnSizes();
  changed(QORDlgUpdListItems | QORDlgUpdListSelection);
  return selectedCount;
}

void l_QORDlgMultiList::ClearLine(std::vector<int> gone) {
  gone.erase(std::remove_if(gone.begin(), gone.end(), [this](int l) { return l < 0 || l >= GetLineCount(); }),
             gone.end());
  if (gone.empty()) return;
  std::sort(gone.begin(), gone.end());
  gone.erase(std::unique(gone.begin(), gone.end()), gone.end());
  for (int line : gone) selectedCount -= IsSelect(line);
  for (auto it = gone.rbegin(); it != gone.rend(); ++it) flags.erase(flags.begin() + *it);
  for (Column& c : columns) {
    c.items.erase(gone);
    c.shownUpTo = std::min(c.shownUpTo, static_cast<size_t>(gone.front()));
  }
  contextualLine = 0;
  currentLine = std::min(currentLine, std::max(GetLineCount() - 1, 0));
  changed(QORDlgUpdListItems | QORDlgUpdListSelection);
}

void l_QORDlgMultiList::ClearLine() {
  for (Column& c : columns) {
    c.items.clear();
    c.shownUpTo = 0;
  }
  flags.clear();
  selectedCount = 0;
  contextualLine = currentLine = topLine = 0;
  changed(QORDlgUpdListItems | QORDlgUpdListSelection);
}
