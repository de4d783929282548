// The gallery's window: a dialog box showing every kind of object, grouped
// in frames. Everything its objects send passes through it and is logged.
#pragma once
#include <X11/Intrinsic.h>

#include "QORDlgDialog.h"

class QORDlgMotif;
class QORDlgTabContainer;
class QORInteractiveApplication;

class GalleryDialog : public QORDlgDialog {
 public:
  GalleryDialog(QORInteractiveApplication* app, const QORString& name);
  const char* GetResourceFilename(int level) const override;
  void AnalyseNotification(QORCommand* from, QORNotification* n) override;
  // Where the title of the families' page `name` is on the screen.
  bool PageTitleCentre(const char* name, int* x, int* y) const;
  // The object at `path` (names separated by '/') below the dialog or below
  // any object of it, or null.
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
  void buildDraggingFrame(QORInteractiveApplication* app);  // GalleryDragging.cpp
  void buildBoxesFrame();  // GalleryBoxes.cpp
  void buildPagesFrame();  // GalleryPages.cpp
  void arrangeFamilies();  // GalleryFamilies.cpp
  static QORDialog* findBelow(QORDialog* from, const char* path);
  static QORDialog* findFrom(QORDialog* from, const char* path);
  void buildSteppersFrame();  // GallerySteppers.cpp
  void buildValuesFrame();  // GalleryValues.cpp
  void buildListsFrame();  // GalleryLists.cpp
  void buildMenus();
  QORDlgMotif* raw = nullptr;
  QORDlgTabContainer* families = nullptr;
};
