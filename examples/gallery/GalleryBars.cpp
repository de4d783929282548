// The gallery document's bars.
#include "GalleryDialog.h"

// The tool bar and status bar are added here: a tool bar of icon buttons in
// the document's top docking area, and the status bar below the work area.
// UNFINISHED: the document has no bars yet; this builds nothing.
void GalleryDialog::buildBars() {}
