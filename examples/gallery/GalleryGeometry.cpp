// The gallery's final geometries as the X server has them, printed when it
// ends: a replayed session must leave every window where the recorded one
// left it. A box's outermost window is measured (its child frame in MDI
// style), its position taken inside the document's window; where the
// window manager alone places a window (the document, the boxes in --sdi)
// only its size is the user's doing, so only the size is printed.
#include <X11/Xlib.h>

#include <cstdio>
#include <string>

#include "GalleryDialog.h"
#include "QORDlgDialog.h"
#include "QORDlgMotif.h"
#include "QORDlgToolBar.h"

namespace {
void print(const QORDialog* object, Widget w, Widget document, bool withPosition) {
  XWindowAttributes a{};
  if (!w || !XtWindow(w) || !XGetWindowAttributes(XtDisplay(w), XtWindow(w), &a)) {
    std::printf("geometry %s not on the screen\n", object->GetPath().c_str());
    return;
  }
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(XtDisplay(w), XtWindow(w), XtWindow(document), 0, 0, &x, &y, &child);
  if (withPosition) std::printf("geometry %s %d %d %d %d\n", object->GetPath().c_str(), x, y, a.width, a.height);
  else std::printf("geometry %s %d %d\n", object->GetPath().c_str(), a.width, a.height);
}
}  // namespace

void GalleryDialog::printGeometries() {
  Widget document = raw->GetFatherWidget();
  while (document && !XtIsShell(document)) document = XtParent(document);
  print(this, document, document, false);
  for (QORDlgDialog* family : families)
    if (family->GetVisibility() == QORDlgShown)
      print(family, GetStandardButton(("*" + std::string(family->GetName().c_str())).c_str()), document, IsMDI());
  // The tool bar's place in its docking area, as the document laid it out.
  if (auto* tools = dynamic_cast<QORDlgToolBar*>(Find("Tools"))) {
    DRECT r{};
    tools->GetRectDimensions(&r);
    std::printf("geometry %s dock %lu %d %d %d %d\n", tools->GetPath().c_str(), tools->GetDockState(), r.x, r.y, r.dx,
                r.dy);
  }
  std::fflush(stdout);
}
