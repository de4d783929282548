// Typing through XTest, and the texts and lists of the text controls.
#pragma once
#include <Xm/List.h>
#include <Xm/Text.h>

#include <string>

#include "tolven_test_control.h"

// Types `text` key by key (ASCII letters, digits, blank, '.', '-', '\n' as Return).
inline void Type(const std::string& text) {
  for (char c : text) {
    KeySym k = NoSymbol;
    if (c == ' ') k = XK_space;
    else if (c == '.') k = XK_period;
    else if (c == '-') k = XK_minus;
    else if (c == '\n') k = XK_Return;
    else k = XStringToKeysym(std::string(1, c).c_str());
    if (c >= 'A' && c <= 'Z') Chord({XK_Shift_L, k});
    else Chord({k});
  }
}

inline std::string FieldText(Widget text) {
  char* s = XmTextGetString(text);
  std::string out = s ? s : "";
  XtFree(s);
  return out;
}

// Clicks the centre of list line `position` (1-based).
inline void ClickListLine(Widget list, int position, int ms = 200) {
  Position x = 0, y = 0;
  Dimension w = 0, h = 0;
  XmListPosToBounds(list, position, &x, &y, &w, &h);
  Window child;
  int rx = 0, ry = 0;
  XTranslateCoordinates(TestDisplay(), XtWindow(list), DefaultRootWindow(TestDisplay()), x + w / 2, y + h / 2, &rx,
                        &ry, &child);
  MoveTo(rx, ry);
  Press(true);
  Press(false);
  Settle(ms);
}
