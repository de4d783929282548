// Internal to libTOLVEN: not API, never installed.
// Icon files: XPM reading through libXpm, the search along TRIVOICONPATH and
// the process-wide icon cache (held by the application letter).
#pragma once
#include <X11/Intrinsic.h>

// The visual, depth and colormap icons are read for; set before each icon
// load. When unset, the current application's are used.
extern Visual* PixmapVisual;
extern int PixmapDepth;
extern Colormap PixmapColormap;
// The pixel that transparent ("None") pixels receive while an icon is read.
extern Pixel QORDlgIconBackgroundColor;

// Reads an XPM file (version 3, XPM2 and the other forms libXpm knows) into a
// pixmap of the given visual. `mask` may be null. 0 on success.
int ReadFileToPixmap(Display* display, Drawable d, char* path, Pixmap* result, Pixmap* mask, Visual* visual,
                     int depth, Colormap colormap);

// Finds NAME.pm along TRIVOICONPATH (an empty entry is HOME), once per name:
// 0 loaded or cached, 1 empty name or no path, 2 unreadable, 3 not found.
int loadxpm(Widget w, char* name, Pixmap* icon, Pixmap* insensitive);

// Number of icon files read by ReadFileToPixmap since the process started.
int QORDlgIconFileReadCount();
