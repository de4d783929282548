#include "QORDlgListWidget.h"

#include <Xm/List.h>
#include <Xm/ListP.h>

#include <cstdio>
#include <cstdlib>

#include "QORDlgText.h"
#include "QORDlgTextColumn.h"

namespace {
// Line i's UTF-8 bytes (NUL-terminated) and their length, from either store.
struct LineText {
  const char* bytes;
  size_t length;
};
LineText lineText(const QORDlgListLines& lines, size_t i) {
  return {lines[i].text.c_str(), static_cast<size_t>(lines[i].text.GetLengthInByte())};
}
LineText lineText(const QORDlgTextColumn& texts, size_t i) { return {texts.c_str(i), texts.length(i)}; }

// Compound strings of lines [from, to), freed with the vector's owner.
struct Items {
  std::vector<XmString> strings;
  template <typename Lines>
  Items(const Lines& lines, size_t from, size_t to) {
    strings.reserve(to - from);
    // Past the lines, blank items: a short column shows as many lines as the others.
    for (size_t i = from; i < to; ++i) {
      const LineText t = i < lines.size() ? lineText(lines, i) : LineText{"", 0};
      strings.push_back(QORDlgText::toXmString(t.bytes, t.length));
    }
  }
  ~Items() {
    for (XmString s : strings) XmStringFree(s);
  }
  int count() const { return static_cast<int>(strings.size()); }
};

template <typename Lines>
void appendLines(Widget list, const Lines& lines, size_t from, size_t to) {
  if (from >= to) return;
  Items items(lines, from, to);
  XmListAddItemsUnselected(list, items.strings.data(), items.count(), 0);
}

template <typename Lines>
void rewriteLines(Widget list, const Lines& lines, size_t from, size_t to) {
  const int have = QORDlgListWidget::itemCount(list);
  const int want = static_cast<int>(to - from);
  const int replaced = have < want ? have : want;
  if (replaced > 0) {
    Items items(lines, from, from + static_cast<size_t>(replaced));
    XmListReplaceItemsPosUnselected(list, items.strings.data(), replaced, 1);
  }
  if (have > want) XmListDeleteItemsPos(list, have - want, want + 1);
  else appendLines(list, lines, from + static_cast<size_t>(replaced), to);
}
}  // namespace

namespace QORDlgListWidget {

void append(Widget list, const QORDlgListLines& lines, size_t from, size_t to) { appendLines(list, lines, from, to); }
void rewrite(Widget list, const QORDlgListLines& lines, size_t from, size_t to) { rewriteLines(list, lines, from, to); }
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
