// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgIconBox (class code 43): a toggle button that shows the
// selected child's icon, and a popup menu "rc" on it in which the children
// are built.
#pragma once
#include <Xm/Xm.h>

#include "QORDlgIconBox.h"
#include "l_QORDlgBox.h"

class l_QORDlgIconBox : public l_QORDlgBox {
 public:
  l_QORDlgIconBox(l_QORDialog* father, const QORString& name, QORDlgIconBox* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeIconBox; }
  void update(unsigned long mask) override;
  // 0: the popup menu, where the children are built; otherwise the toggle.
  Widget GetBaseWidget(int which) override;
  void widgetDestroyed() override;
  void recordCases(l_QORDlgRecordCases& cases) override;

  int GetSelect() const { return currentSelection; }
  int SetSelect(int index, int notify);
  int SetSelect(const QORString& childName, int notify);
  void SetNumIconPerRow(int n) { iconsPerRow = n; }
  int GetNumIconPerRow() const { return iconsPerRow; }
  unsigned long GetLayoutDirection() const;
  // Button-1 motion on the toggle: past the drag threshold, the drag-button
  // notification with the selected child as source.
  void Motion(XEvent* event);
  // The "MotionIconBox" action.
  static void MotionIconBoxCB(Widget w, XEvent* event, String* params, Cardinal* count);

  QORDlgIconBoxSelectNotification selectNotification;
  QORDlgIconBoxModifyNotification modifyNotification;

 private:
  static void buttnPressedCB(Widget w, XtPointer client, XtPointer call);
  static void menuSelectedCB(Widget w, XtPointer client, XtPointer call);
  static void popupEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  void buttnPressed();
  void popup();
  void menuSelected(Widget w);
  void createMenu();
  // Every child's widget reports its activation to menuSelected.
  void hookChildren();
  // The selected child's icon (or text) and state on the toggle.
  void showSelection();
  // The largest child's size.
  void takeNaturalSize();
  l_QORDialog* selectedChild() const;

  int currentSelection = 0;
  int iconsPerRow = 0;
  Widget menu = nullptr;
  Widget menuParent = nullptr;
  // Shown on the toggle; the icon cache owns them.
  Pixmap shownIcon = 0, shownInsensitive = 0;
  int dragStartX = 0, dragStartY = 0;
};
