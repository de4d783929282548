// An icon palette: one button that shows the icon of the selected child and,
// when clicked, pops up a menu of all its children's icons (check, radio or
// push buttons with icons) to choose another. Dragging the button drags the
// selected child.
#pragma once
#include "QORDlgBox.h"

class QORDlgIconBox : public QORDlgBox {
 public:
  // Style: QORDlgIconBoxHorizontal lays the menu out in a row, else a column.
  QORDlgIconBox(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgIconBox"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgIconBoxSelectNotification* GetIBoxSelectNotification() const;
  QORDlgIconBoxModifyNotification* GetIBoxModifyNotification() const;
  // The index of the selected child (0 at first).
  int GetSelect() const;
  // A negative index is ignored; notify sends the select notification.
  // Both return the selection.
  int SetSelect(int index, int notify);
  // The first child of that name; an unknown name changes nothing.
  int SetSelect(const QORString& childName, int notify);
  // Icons per row of the menu (0: no columns); read when the menu is built.
  void SetNumIconPerRow(int n);
  int GetNumIconPerRow() const;
  // QORDlgIconBoxHorizontal or QORDlgIconBoxVertical.
  unsigned long GetLayoutDirection() const;
};
