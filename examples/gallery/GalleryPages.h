// The gallery's "Pages" frame: a tab container whose pages any frame of the
// gallery can live on, and a splitter between two panes.
#pragma once
#include <string>

class GalleryDialog;
class QORDlgTabContainer;
class QORDlgTabPage;

// A new page of the gallery's tab container, laid out by grid: a frame made
// with this page as its father shows on the page's tab.
QORDlgTabPage* AddGalleryPage(QORDlgTabContainer* tabs, const char* name);

// Where the tour acts in that frame, in root coordinates: "tab N" is the
// centre of the N-th page title, "sash D" the centre of the splitter's sash
// (and `along` the distance D to drag it). False when it is not on the screen.
bool GalleryPagesTarget(GalleryDialog* dialog, const std::string& verb, const std::string& arg, int* x, int* y,
                        int* along);
