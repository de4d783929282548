// The MDI client under record and replay: a recorded notification brings
// back the state it stands for and is told again. While replaying, the host
// delivers only the notifications a restore sends: what the replayed
// program's own calls (a cascade, a maximise) send is not delivered, so a
// state those calls already reached is still told here, once.
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
  if (!c || code < 0 || code >= static_cast<int>(sizeof sentCount / sizeof sentCount[0])) return;
  const unsigned before = sentCount[code];
  switch (code) {
    case Restored: restore(c); break;
    case Minimized: minimize(c); break;
    case Maximized: maximize(c); break;
    case Activated: setActiveMDI(c); break;
    // Passing on is the active frame's: once another is active, it was done.
    case Next: if (frames[0] == c) MDINext(); break;
    case Previous: if (frames[0] == c) MDIPrevious(); break;
    default: return;
  }
  if (sentCount[code] == before) sendMessage(c, code);
}

// A size keeps the frame's place and a move its size: a drag from a top or
// left border records both, each replayed by its own entry.
void l_QORDlgClientMDI::ReplayGeometry(l_QORDlgDialog* dialog, int code, int x, int y, int width, int height) {
  Child* c = FindChild(dialog);
  if (!c || (code != Size && code != Move)) return;
  const unsigned before = sentCount[code];
  if (!maximized && width >= 1 && height >= 1) {
    if (code == Size && (width != c->width || height != c->height)) placeChild(c, c->x, c->y, width, height);
    else if (code == Move && (x != c->x || y != c->y)) placeChild(c, x, y, c->width, c->height);
    if (!c->iconified) c->savedX = c->x, c->savedY = c->y, c->savedWidth = c->width, c->savedHeight = c->height;
  }
  if (sentCount[code] == before) sendMessage(c, code);
}
