// Internal to libTOLVEN: not API, never installed.
// BMP images into pixmaps of a given visual.
#pragma once
#include <X11/Xlib.h>

#include "QORDlgBmp.h"

// Where an image goes: the display, a drawable of the right screen, and the
// visual, depth and colormap of the pixmap to make.
struct DlgVisual {
  Display* display;
  Drawable drawable;
  Visual* visual;
  int depth;
  Colormap colormap;
};

// Reads the image NAME (QORDlgBmpFindFile) into a new pixmap. Pixels of the
// colour `transparent` get the colour `replacement` (both may be null).
// Returns the QORDlgBmp results; width and height are set on success.
int ReadBmp(const QORString& name, DlgVisual* visual, Pixmap* result, const DlgRGB* transparent,
            const DlgRGB* replacement, int& width, int& height);
