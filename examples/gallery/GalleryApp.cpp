#include "GalleryApp.h"

#include <cstdio>

#include "GalleryDialog.h"
#include "GalleryTour.h"
#include "QORDlgDialog.h"

GalleryApp::GalleryApp(QORCommand* father, const QORString& name, bool tour, bool mdi)
    : QORInteractiveApplication(father, name), withTour(tour), withMdi(mdi) {}

GalleryApp::~GalleryApp() { delete tour; }

void GalleryApp::BeginApplication() {
  dialog = new GalleryDialog(this, "Gallery", withMdi);
  // The window manager's close ends the gallery.
  auto end = [this](QORCommand*, QORNotification*) { Destroy(); };
  listener.AddAnalyseNotificationCB(dialog, "QORDlgWindCloseNotification", end);
  dialog->SetVisibility(QORDlgShown);
  // Every family's box opens with the gallery.
  for (QORDlgDialog* family : dialog->GetFamilies()) dialog->ShowFamily(family);
  if (withTour) tour = new GalleryTour(dialog);
}

int GalleryApp::EndApplication() {
  std::printf("gallery: end\n");
  std::fflush(stdout);
  return 0;
}
