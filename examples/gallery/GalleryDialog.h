// The gallery's window: a dialog box showing every kind of object, grouped
// in frames. Everything its objects send passes through it and is logged.
#pragma once
#include <X11/Intrinsic.h>

#include "QORDlgDialog.h"

class QORDlgMotif;

class GalleryDialog : public QORDlgDialog {
 public:
  GalleryDialog(QORInteractiveApplication* app, const QORString& name);
  const char* GetResourceFilename(int level) const override;
  void AnalyseNotification(QORCommand* from, QORNotification* n) override;
  // The object at `path` below the dialog (names separated by '/'), or null.
  QORDialog* Find(const char* path);
  // Raw Xt goes through a QORDlgMotif, the toolkit's door to Xt: the
  // application's context, and the standard button of the dialog's message
  // box named "OK", "Apply", "Cancel" or "Help" (their Xt names).
  XtAppContext GetXtAppContext() const;
  Widget GetStandardButton(const char* name) const;
  // The widget of a menu entry: "FileBt" (the bar's File button), "Open" (an item).
  Widget GetMenuWidget(const char* name) const;

 private:
  void buildLayoutFrame();
  void buildContainerFrame();
  void buildButtonsFrame();
  void buildScriptsFrame();
  void buildMenus();
  QORDlgMotif* raw = nullptr;
};
