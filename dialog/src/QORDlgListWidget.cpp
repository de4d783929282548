#include "QORDlgListWidget.h"

#include <Xm/List.h>
#include <Xm/ListP.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "QORDlgText.h"
#include "QORDlgTextColumn.h"

namespace {
// Lines [from, to) as Motif takes them: the column's own compound strings,
// and blank ones past its lines (a short column of the multi-column list
// shows as many lines as the others), freed with the Items.
struct Items {
  std::vector<XmString> strings;
  Items(const QORDlgTextColumn& texts, size_t from, size_t to) {
    const size_t own = std::min(std::max(texts.size(), from), to);
    if (own == to) {
      shared = texts.items(from);
      sharedCount = to - from;
      return;
    }
    if (own > from) strings.assign(texts.items(from), texts.items(own));
    blanksFrom = strings.size();
    for (size_t i = own; i < to; ++i) strings.push_back(QORDlgText::toXmString(QORUnicodeString()));
  }
  ~Items() {
    for (size_t i = blanksFrom; i < strings.size(); ++i) XmStringFree(strings[i]);
  }
  XmString* data() const { return const_cast<XmString*>(shared ? shared : strings.data()); }
  int count() const { return static_cast<int>(shared ? sharedCount : strings.size()); }

 private:
  const XmString* shared = nullptr;
  size_t sharedCount = 0, blanksFrom = 0;
};

void appendLines(Widget list, const QORDlgTextColumn& lines, size_t from, size_t to) {
  if (from >= to) return;
  Items items(lines, from, to);
  XmListAddItemsUnselected(list, items.data(), items.count(), 0);
}

void rewriteLines(Widget list, const QORDlgTextColumn& lines, size_t from, size_t to) {
  const int have = QORDlgListWidget::itemCount(list);
  const int want = static_cast<int>(to - from);
  const int replaced = have < want ? have : want;
  if (replaced > 0) {
    Items items(lines, from, from + static_cast<size_t>(replaced));
    XmListReplaceItemsPosUnselected(list, items.data(), replaced, 1);
  }
  if (have > want) XmListDeleteItemsPos(list, have - want, want + 1);
  else appendLines(list, lines, from + static_cast<size_t>(replaced), to);
}
}  // namespace

namespace QORDlgListWidget {

void append(Widget list, const QORDlgTextColumn& texts, size_t from, size_t to) { appendLines(list, texts, from, to); }
void rewrite(Widget list, const QORDlgTextColumn& texts, size_t from, size_t to) {
  rewriteLines(list, texts, from, to);
}

void select(Widget list, const std::vector<int>& positions) {
  // Unchanged, nothing is redrawn (the common case of a mirrored column).
  int* now = nullptr;
  int count = 0;
  const bool same = XmListGetSelectedPos(list, &now, &count) ? positions == std::vector<int>(now, now + count)
                                                              : positions.empty();
  XtFree(reinterpret_cast<char*>(now));
  if (same) return;
  // XmNselectedPositions would do it in one call, but Motif's SetValues then
  // compares against selected items it has already freed.
  XmListDeselectAllItems(list);
  // An extended list keeps only the last position the program selects: as a
  // multiple-selection list for the time of the calls it keeps them all.
  unsigned char policy = XmBROWSE_SELECT;
  XtVaGetValues(list, XmNselectionPolicy, &policy, nullptr);
  if (policy == XmEXTENDED_SELECT) XtVaSetValues(list, XmNselectionPolicy, XmMULTIPLE_SELECT, nullptr);
  for (int p : positions) XmListSelectPos(list, p, False);
  if (policy == XmEXTENDED_SELECT) XtVaSetValues(list, XmNselectionPolicy, XmEXTENDED_SELECT, nullptr);
}

int charWidth(Widget list) {
  XmRenderTable table = nullptr;
  XtVaGetValues(list, XmNrenderTable, &table, nullptr);
  if (!table) return 1;
  XmString digits = QORDlgText::toXmString(QORUnicodeString("0000000000"));
  const int width = static_cast<int>(XmStringWidth(table, digits)) / 10;
  XmStringFree(digits);
  return width > 0 ? width : 1;
}

void preferredSize(Widget scrolled, int* width, int* height) {
  XtWidgetGeometry preferred{};
  XtQueryGeometry(scrolled, nullptr, &preferred);
  *width = preferred.width;
  *height = preferred.height;
}

int itemCount(Widget list) { return reinterpret_cast<XmListWidget>(list)->list.itemCount; }
int topPosition(Widget list) { return reinterpret_cast<XmListWidget>(list)->list.top_position + 1; }

int positionAt(Widget list, int y) {
  const int position = XmListYToPos(list, static_cast<Position>(y));
  return position >= 1 && position <= itemCount(list) ? position : 0;
}

void replayMissing(const char* what, const std::string& text) {
  std::printf("/REPLAY/ RestoreState ERROR : The %s in the recording step:%s \n", what, text.c_str());
  std::printf("was not found in the list while replaying. Aborting...\n");
  std::fflush(stdout);
  std::exit(987);
}

}  // namespace QORDlgListWidget
