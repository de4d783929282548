#include "GalleryDropping.h"

#include <Xm/Xm.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "GalleryDialog.h"
#include "QORDlgNotifications.h"

void GalleryDialog::showDroppedFiles() {
  AddAnalyseNotificationCB(this, "QORDlgDroppedFileNotification", [this](QORCommand*, QORNotification* n) {
    auto* drop = static_cast<QORDlgDroppedFileNotification*>(n);
    QORUnicodeString text, name[] = {QORUnicodeString(drop->GetFileName().c_str())};
    if (GetResourceValueFromKey("Dropped", text, name)) SetStatusBarText(text);
    // The name in the log too: a replayed session must bring the same one.
    std::printf("dropped %s\n", drop->GetFileName().c_str());
    std::fflush(stdout);
  });
}

namespace {

// The MDI client's rectangle on the root, when the document has one on the screen.
bool clientRectangle(GalleryDialog* dialog, int* x, int* y, int* width, int* height) {
  Widget client = dialog->GetStandardButton("*ClientMDI");
  if (!client || !XtWindow(client)) return false;
  Dimension w = 0, h = 0;
  XtVaGetValues(client, XmNwidth, &w, XmNheight, &h, nullptr);
  Window child;
  Display* d = XtDisplay(client);
  *width = w;
  *height = h;
  return XTranslateCoordinates(d, XtWindow(client), DefaultRootWindow(d), 0, 0, x, y, &child);
}

}  // namespace

bool GalleryDropTarget(GalleryDialog* dialog, int* x, int* y) {
  int width = 0, height = 0;
  if (!clientRectangle(dialog, x, y, &width, &height)) {
    // Without MDI the document is a strip of bars: its own rectangle.
    DRECT r{};
    dialog->GetRectDimensions(&r);
    dialog->GetAbsolutePosition(*x, *y);
    width = r.dx;
    height = r.dy;
  }
  if (width < 8 || height < 8) return false;
  *x += width - std::min(100, width / 4);
  *y += height - std::min(80, height / 2);
  return true;
}
