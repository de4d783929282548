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

namespace QORDlgListWidget {
// Appends lines [from, to) of `texts` to `list`, unselected, in one call;
// positions past the lines get blank items.
void append(Widget list, const QORDlgTextColumn& texts, size_t from, size_t to);
// Makes the widget hold lines [from, to) from its first position on: the
// items there are replaced, the rest deleted or appended.
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
