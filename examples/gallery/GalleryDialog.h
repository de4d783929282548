// The gallery's main window: a document window whose menu bar reaches one
// dialog box per family of objects (buttons, values, lists, layout,
// containers, dragging and boxes). In MDI style the boxes are child frames
// inside the document; otherwise they are top-level boxes of their own.
// Everything the objects send climbs to the document and is logged.
#pragma once
#include <X11/Intrinsic.h>

#include <vector>

#include "QORDlgDocument.h"

class QORDlgDialog;
class QORDlgMotif;
class QORInteractiveApplication;

class GalleryDialog : public QORDlgDocument {
 public:
  GalleryDialog(QORInteractiveApplication* app, const QORString& name, bool mdi);
  const char* GetResourceFilename(int level) const override;
  void AnalyseNotification(QORCommand* from, QORNotification* n) override;
  // The dialog boxes of the families, in the order of the View menu.
  const std::vector<QORDlgDialog*>& GetFamilies() const { return families; }
  // One "geometry" line per window, for the replay comparison (GalleryGeometry.cpp).
  void printGeometries();
  // Shows the family's box and brings it to the front.
  void ShowFamily(QORDlgDialog* family);
  // The object at `path` (names separated by '/') below the document or below
  // any object of it, or null.
  QORDialog* Find(const char* path);
  // Raw Xt goes through a QORDlgMotif, the toolkit's door to Xt: the
  // application's context, and a widget by its Xt name path among all the
  // gallery's windows ("*Basics.Apply": the Apply button of the Basics box).
  XtAppContext GetXtAppContext() const;
  Widget GetStandardButton(const char* name) const;
  // The widget of a menu entry: "FileBt" (the bar's File button), "Open" (an item).
  Widget GetMenuWidget(const char* name) const;
  // An entry of a contextual menu that is up, by its widget's name.
  Widget GetPopupWidget(const char* name) const;

 private:
  void buildLayoutFrame();
  void buildContainerFrame();
  void buildButtonsFrame();
  void buildScriptsFrame();
  void buildDraggingFrame(QORInteractiveApplication* app);  // GalleryDragging.cpp
  void buildBoxesFrame();  // GalleryBoxes.cpp
  void buildPagesFrame();  // GalleryPages.cpp
  void arrangeFamilies();  // GalleryFamilies.cpp
  void buildBars();  // GalleryBars.cpp
  void showDroppedFiles();  // GalleryDropping.cpp
  static QORDialog* findBelow(QORDialog* from, const char* path);
  static QORDialog* findFrom(QORDialog* from, const char* path);
  void buildSteppersFrame();  // GallerySteppers.cpp
  void buildValuesFrame();  // GalleryValues.cpp
  void buildListsFrame();  // GalleryLists.cpp
  void buildMenus();
  void buildViewMenu(QORDialog* bar);
  QORDlgMotif* raw = nullptr;
  std::vector<QORDlgDialog*> families;
};
