// The object cursors of l_QORDialog: the table, its creation and SetCursor.
#include <X11/Xlib.h>

#include <cstdio>
#include <vector>

#include "QORDlgCursorDefinition.h"
#include "l_QORDialog.h"
#include "l_QORInteractiveApplication.h"

namespace {
// Created on first use for the display in use then.
Cursor cursors[QORDlgCursorCount];
int cursorCount = 0;
Display* cursorDisplay = nullptr;
}  // namespace

Cursor l_QORDialog::createcursor(const CursorDefinition* def) {
  Display* d = QORDlgXtDisplay;
  if (!d || !def || !def->pixels || !def->width || !def->height) return 0;
  // One bit a pixel, least significant bit first, rows not padded.
  const int bits = def->width * def->height;
  std::vector<char> source((bits + 7) / 8), mask((bits + 7) / 8);
  for (int i = 0; i < bits; ++i) {
    const char c = def->pixels[i];
    const char bit = static_cast<char>(1 << (i % 8));
    if (c != '.') source[i / 8] |= bit;  // '*' and transparent
    if (c == '*' || c == '.') mask[i / 8] |= bit;
  }
  const int screen = DefaultScreen(d);
  Window root = RootWindow(d, screen);
  Pixmap src = XCreateBitmapFromData(d, root, source.data(), def->width, def->height);
  Pixmap msk = XCreateBitmapFromData(d, root, mask.data(), def->width, def->height);
  XColor colours[2]{};
  colours[0].pixel = BlackPixel(d, screen);
  colours[1].pixel = WhitePixel(d, screen);
  XQueryColors(d, DefaultColormap(d, screen), colours, 2);
  Cursor c = XCreatePixmapCursor(d, src, msk, &colours[0], &colours[1], def->hotX, def->hotY);
  XFreePixmap(d, src);
  XFreePixmap(d, msk);
  return c;
}

void l_QORDialog::initcursor() {
  if (!QORDlgXtDisplay) return;
  if (cursorCount && cursorDisplay == QORDlgXtDisplay) return;
  for (int i = 0; i < QORDlgCursorCount; ++i) cursors[i] = createcursor(&QORDlgCursorTable[i]);
  cursorDisplay = QORDlgXtDisplay;
  cursorCount = QORDlgCursorCount;
}

Cursor l_QORDialog::GetTableCursor(int index) {
  if (index < 0 || index >= QORDlgCursorCount) return 0;
  initcursor();
  return cursorDisplay == QORDlgXtDisplay ? cursors[index] : 0;
}

int l_QORDialog::SetCursor(int c) {
  const int previous = GetCursor();
  if (c < 0 || c >= QORDlgCursorCount) {
    std::printf("Invalid cursor %d\n", c);
    std::fflush(stdout);
    return previous;
  }
  initcursor();
  cursor = c;
  pending |= QORDlgUpdCursor;
  registerDifferUpdate();
  return previous;
}

bool l_QORDialog::applyCursor() {
  if (cursor < 0) return true;
  Window w = baseWidget ? XtWindowOfObject(baseWidget) : 0;
  const Cursor c = GetTableCursor(cursor);
  // Without a window yet the bit stays pending for the object's next update:
  // a window's pass builds and realizes it before updating its children.
  if (!w || !c) return false;
  XDefineCursor(XtDisplayOfObject(baseWidget), w, c);
  pending &= ~QORDlgUpdCursor;
  return true;
}
