// A scroll bar: an int position between a minimum and a maximum, moved by
// its arrows (a line), its trough (a page of the box size) or its box.
#pragma once
#include "QORDlgControl.h"

class QORDlgScrollBar : public QORDlgControl {
 public:
  QORDlgScrollBar(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgScrollBar"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgScrollBarModifyNotification* GetScrollBarModifyNotification() const;
  QORDlgScrollBarDragNotification* GetScrollBarDragNotification() const;

  // Accepted for min <= pos <= max (notify sends the modify notification);
  // returns the position it had before.
  int SetScrollPos(int pos, int notify);
  int GetScrollPos() const;
  void SetScrollRange(int min, int max);
  void GetScrollRange(int& min, int& max) const;
  // The box's length in positions, also the page; shown with the next change.
  void SetScrollBoxSize(int size);
  int GetScrollBoxSize() const;
};
