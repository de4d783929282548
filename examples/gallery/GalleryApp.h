// The gallery application: builds the gallery's document window (in MDI
// style unless --sdi) and, with --tour, the scripted tour that the demo runs
// without a user.
#pragma once
#include "QORInteractiveApplication.h"

class GalleryDialog;
class GalleryTour;

class GalleryApp : public QORInteractiveApplication {
 public:
  GalleryApp(QORCommand* father, const QORString& name, bool tour, bool mdi);
  ~GalleryApp() override;
  void BeginApplication() override;
  int EndApplication() override;
  GalleryDialog* GetDialog() const { return dialog; }

 private:
  bool withTour;
  bool withMdi;
  GalleryDialog* dialog = nullptr;
  GalleryTour* tour = nullptr;
  QORCommand listener{nullptr, "galleryListener"};
};
