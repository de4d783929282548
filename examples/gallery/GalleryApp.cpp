#include "GalleryApp.h"

#include <cstdio>

#include "GalleryDialog.h"
#include "GalleryTour.h"

GalleryApp::GalleryApp(QORCommand* father, const QORString& name, bool tour)
    : QORInteractiveApplication(father, name), withTour(tour) {}

GalleryApp::~GalleryApp() { delete tour; }

void GalleryApp::BeginApplication() {
  dialog = new GalleryDialog(this, "Gallery");
  // Cancel and the window manager's close end the gallery.
  auto end = [this](QORCommand*, QORNotification*) { Destroy(); };
  listener.AddAnalyseNotificationCB(dialog, "QORDlgDiaCANCELNotification", end);
  listener.AddAnalyseNotificationCB(dialog, "QORDlgWindCloseNotification", end);
  dialog->SetVisibility(QORDlgShown);
  if (withTour) tour = new GalleryTour(dialog);
}

int GalleryApp::EndApplication() {
  std::printf("gallery: end\n");
  std::fflush(stdout);
  return 0;
}
