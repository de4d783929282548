// Internal to libTOLVEN: not API, never installed.
// What the selector list and the multi-column list do alike on one Motif
// list: filling it from lines, showing a selection, measuring a character,
// and ending a replay that cannot find its line.
#pragma once
#include <Xm/Xm.h>

#include <string>
#include <vector>

#include "QORString.h"

class QORDlgTextColumn;

// A line of a list control: its text, and whether it is selected.
struct QORDlgListLine {
  QORUnicodeString text;
  short selected = 0;
};
using QORDlgListLines = std::vector<QORDlgListLine>;

namespace QORDlgListWidget {
// Appends the texts of lines [from, to) to `list`, unselected, in one call;
// positions past the lines get blank items.
void append(Widget list, const QORDlgListLines& lines, size_t from, size_t to);
// Makes the widget hold lines [from, to) from its position `at` (1-based)
// on: the items there are replaced, the rest deleted or appended.
void rewrite(Widget list, const QORDlgListLines& lines, size_t from, size_t to);
// The same from a column of the multi-column list.
void append(Widget list, const QORDlgTextColumn& texts, size_t from, size_t to);
void rewrite(Widget list, const QORDlgTextColumn& texts, size_t from, size_t to);
// Selects exactly the 1-based `positions` (sorted), without callbacks.
void select(Widget list, const std::vector<int>& positions);
// The width of one digit in the list's font, in pixels (at least 1).
int charWidth(Widget list);
// The size a scrolled window asks for its contents (its own width and
// height stay 0 until its parent manages it).
void preferredSize(Widget scrolled, int* width, int* height);
int itemCount(Widget list);
int topPosition(Widget list);
// The 1-based line under the window's y, 0 when none.
int positionAt(Widget list, int y);
// Prints the two lines of a replay whose recorded line is missing and ends
// the process with status 987. `what` is "line selected" or "drag line".
[[noreturn]] void replayMissing(const char* what, const std::string& text);
}  // namespace QORDlgListWidget
