// Internal to libTOLVEN: not API, never installed.
// The cursor picture format compiled into the library.
#pragma once

// width x height characters, row by row: '*' a foreground pixel, '.' a
// background pixel, anything else transparent.
struct CursorDefinition {
  unsigned short width, height, hotX, hotY;
  const char* pixels;
};

enum { QORDlgCursorCount = 12 };

// The object cursors, in QORDlgCursor order.
extern const CursorDefinition QORDlgCursorTable[QORDlgCursorCount];

// The drag cursors, in this order: no drop, move, copy, link.
enum { QORDlgDragCursorCount = 4 };
extern const CursorDefinition QORDlgDragCursorTable[QORDlgDragCursorCount];
