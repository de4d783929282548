// Resizing a column of the multi-column list: the user drags the separator
// at its right; a rubber-band line follows the pointer, the width is taken
// on release.
#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <X11/cursorfont.h>
#include <Xm/Xm.h>

#include <algorithm>

#include "l_QORDlgMultiList.h"

namespace {
constexpr int kNarrowest = 10;  // a column never shrinks below this, so it can be grabbed again
}

void l_QORDlgMultiList::separatorEH(Widget w, XtPointer client, XEvent* event, Boolean*) {
  auto* self = static_cast<l_QORDlgMultiList*>(client);
  for (size_t i = 0; i < self->columns.size(); ++i)
    if (self->columns[i].sep == w) self->separatorDragged(static_cast<int>(i), event);
}

void l_QORDlgMultiList::separatorDragged(int col, XEvent* event) {
  Column& c = columns[static_cast<size_t>(col)];
  Display* d = XtDisplay(c.sep);
  switch (event->type) {
    case EnterNotify: {
      static Cursor arrows = XCreateFontCursor(d, XC_sb_h_double_arrow);
      XDefineCursor(d, XtWindow(c.sep), arrows);
      return;
    }
    case ButtonPress:
      if (event->xbutton.button != Button1) return;
      dragFromX = event->xbutton.x_root;
      drawRubberBand(c.sep->core.x + c.sep->core.width / 2);
      return;
    case MotionNotify:
      if (rubberX < 0) return;
      drawRubberBand(-1);  // erases the previous line
      drawRubberBand(c.sep->core.x + c.sep->core.width / 2 + event->xmotion.x_root - dragFromX);
      return;
    case ButtonRelease: {
      if (rubberX < 0) return;
      drawRubberBand(-1);
      const int width = columnPixels(c) + event->xbutton.x_root - dragFromX;
      c.pixelWidth = std::max(width, kNarrowest);
      arrange();
      return;
    }
    default: return;
  }
}

// Draws the line at x in the work area, or with -1 erases the one drawn.
void l_QORDlgMultiList::drawRubberBand(int at) {
  Display* d = XtDisplay(mainForm);
  if (!rubberGC) {
    XGCValues v{};
    v.function = GXinvert;
    v.subwindow_mode = IncludeInferiors;  // over the lists, not under them
    v.line_width = 1;
    rubberGC = XCreateGC(d, XtWindow(mainForm), GCFunction | GCSubwindowMode | GCLineWidth, &v);
  }
  const int x = at < 0 ? rubberX : at;
  if (x < 0) return;
  XDrawLine(d, XtWindow(mainForm), rubberGC, x, 0, x, mainForm->core.height);
  rubberX = at < 0 ? -1 : at;
}
