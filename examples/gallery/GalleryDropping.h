// Files dropped on the gallery's document by other applications: the status
// bar names the last one (GalleryDialog::showDroppedFiles), and the tour
// drops one from a second program (tolven-gallery-drop).
#pragma once

class GalleryDialog;

// Where the tour drops, in root coordinates: a point near the bottom right
// corner of the document's MDI client, which no child frame covers while the
// boxes stay at their places (of the document itself without MDI). False
// when the document is not on the screen.
bool GalleryDropTarget(GalleryDialog* dialog, int* x, int* y);
