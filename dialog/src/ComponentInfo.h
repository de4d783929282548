// Internal to libTOLVEN: not API, never installed.
// One component hanging on one tabulation: how it hangs there and the
// working values of the current layout pass.
#pragma once

class l_QORDialog;

enum Alignment { TopOrLeft = 0, RightOrBottom = 1, Center = 2 };

struct ComponentInfo {
  ComponentInfo(l_QORDialog* c, Alignment a, int off) : component(c), alignment(a), offset(off) {}
  l_QORDialog* component;
  Alignment alignment;
  int offset;
  int halfSize = 0;  // Center: half the extent across the line
  int farSize = 0;   // RightOrBottom: the extent across the line
  unsigned mark = 0;
  int x = 0, y = 0, width = 0, height = 0;
  int width0 = 0, height0 = 0;  // as read at the start of the pass
};
