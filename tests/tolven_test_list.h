// What a Motif list shows, read back for the list controls' tests: its
// items, its selected positions and its top line.
#pragma once
#include <Xm/List.h>
#include <Xm/ListP.h>

#include <string>
#include <vector>

#include "QORDlgText.h"
#include "l_QORDialog.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"

inline std::vector<std::string> ListItems(Widget list) {
  XmStringTable items = nullptr;
  int count = 0;
  XtVaGetValues(list, XmNitems, &items, XmNitemCount, &count, nullptr);
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i) out.push_back(QORDlgText::fromXmString(items[i]).str());
  return out;
}

// 1-based, as Motif numbers them.
inline std::vector<int> ListSelected(Widget list) {
  int* positions = nullptr;
  int count = 0;
  std::vector<int> out;
  if (XmListGetSelectedPos(list, &positions, &count)) out.assign(positions, positions + count);
  XtFree(reinterpret_cast<char*>(positions));
  return out;
}

inline int ListTop(Widget list) { return reinterpret_cast<XmListWidget>(list)->list.top_position + 1; }

// Root coordinates of the middle of the 1-based visible row `row` of `list`.
inline void ListRowPoint(Widget list, int row, int* x, int* y) {
  Position px = 0, py = 0;
  XmListPosToBounds(list, ListTop(list) + row - 1, &px, &py, nullptr, nullptr);
  Dimension h = 0, w = 0;
  XmListPosToBounds(list, ListTop(list) + row - 1, nullptr, nullptr, &w, &h);
  Window child;
  XTranslateCoordinates(XtDisplay(list), XtWindow(list), DefaultRootWindow(XtDisplay(list)), px + 10, py + h / 2, x,
                        y, &child);
}

// Clicks `button` on the visible row `row` of `list`, with `held` down
// (0: no key), then waits past the multi-click time.
inline void ClickRow(Widget list, int row, KeySym held = 0, int button = 1) {
  int x = 0, y = 0;
  ListRowPoint(list, row, &x, &y);
  MoveTo(x, y);
  Display* d = TestDisplay();
  if (held) XTestFakeKeyEvent(d, XKeysymToKeycode(d, held), True, CurrentTime);
  XTestFakeButtonEvent(d, button, True, CurrentTime);
  XTestFakeButtonEvent(d, button, False, CurrentTime);
  if (held) XTestFakeKeyEvent(d, XKeysymToKeycode(d, held), False, CurrentTime);
  Settle(350);
}

inline std::vector<QORUnicodeString> Texts(const std::string& stem, int count) {
  std::vector<QORUnicodeString> out;
  for (int i = 0; i < count; ++i) out.emplace_back(stem + std::to_string(i));
  return out;
}
