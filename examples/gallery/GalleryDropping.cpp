#include "GalleryDropping.h"

#include <Xm/Xm.h>

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

bool GalleryDropTarget(GalleryDialog* dialog, int* x, int* y) {
  // The MDI client in MDI style; the document's own window otherwise.
  Widget area = dialog->GetStandardButton("*ClientMDI");
  if (!area) area = dialog->GetStandardButton(("*" + std::string(dialog->GetName().c_str()) + "Mw").c_str());
  if (!area || !XtWindow(area)) return false;
  Dimension width = 0, height = 0;
  XtVaGetValues(area, XmNwidth, &width, XmNheight, &height, nullptr);
  Window child;
  Display* d = XtDisplay(area);
  return width > 120 && height > 120 &&
         XTranslateCoordinates(d, XtWindow(area), DefaultRootWindow(d), width - 100, height - 80, x, y, &child);
}
