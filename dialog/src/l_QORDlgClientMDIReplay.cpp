// The MDI client under record and replay: a recorded notification brings
// back the state it stands for. The replayed program repeats its own calls
// (a cascade, a maximise), so a state already reached is left alone and
// nothing is told twice.
#include "l_QORDlgClientMDI.h"
#include "l_QORDlgDialog.h"

int l_QORDlgClientMDI::GetFrameRect(l_QORDlgDialog* dialog, int& x, int& y, int& width, int& height) const {
  const Child* c = FindChild(dialog);
  if (!c) return 0;
  x = c->x, y = c->y, width = c->width, height = c->height;
  return 1;
}

void l_QORDlgClientMDI::ReplayState(l_QORDlgDialog* dialog, int code) {
  Child* c = FindChild(dialog);
  if (!c) return;
  switch (code) {
    case Restored: return restore(c);
    case Minimized: return minimize(c);
    case Maximized: return maximize(c);
    case Activated: return setActiveMDI(c);
    // Passing on is the active frame's: once another is active, it was done.
    case Next: return frames[0] == c ? MDINext() : void();
    case Previous: return frames[0] == c ? MDIPrevious() : void();
    default: return;
  }
}

// A size keeps the frame's place and a move its size: a drag from a top or
// left border records both, each replayed by its own entry.
void l_QORDlgClientMDI::ReplayGeometry(l_QORDlgDialog* dialog, int code, int x, int y, int width, int height) {
  Child* c = FindChild(dialog);
  if (!c || maximized || width < 1 || height < 1) return;
  if (code == Size && (width != c->width || height != c->height)) {
    placeChild(c, c->x, c->y, width, height);
  } else if (code == Move && (x != c->x || y != c->y)) {
    placeChild(c, x, y, c->width, c->height);
    sendMessage(c, Move);
  } else {
    return;
  }
  if (!c->iconified) c->savedX = c->x, c->savedY = c->y, c->savedWidth = c->width, c->savedHeight = c->height;
}
