// The gallery's window: a dialog box showing every kind of object, grouped
// in frames. Everything its objects send passes through it and is logged.
#pragma once
#include "QORDlgDialog.h"

class GalleryDialog : public QORDlgDialog {
 public:
  GalleryDialog(QORInteractiveApplication* app, const QORString& name);
  const char* GetResourceFilename(int level) const override;
  void AnalyseNotification(QORCommand* from, QORNotification* n) override;
  // The object at `path` below the dialog (names separated by '/'), or null.
  QORDialog* Find(const char* path);

 private:
  void buildLayoutFrame();
  void buildContainerFrame();
  void buildButtonsFrame();
};
