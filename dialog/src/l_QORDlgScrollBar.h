// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgScrollBar (class code 45): an XmScrollBar.
#pragma once
#include "QORDlgScrollBar.h"
#include "l_QORDlgControl.h"

class l_QORDlgScrollBar : public l_QORDlgControl {
 public:
  l_QORDlgScrollBar(l_QORDialog* father, const QORString& name, QORDlgScrollBar* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeScrollBar; }
  void update(unsigned long mask) override;
  void recordCases(l_QORDlgRecordCases& cases) override;

  int SetScrollPos(int pos, int notify);
  int GetScrollPos() const { return position; }
  void SetScrollRange(int min, int max);
  void GetScrollRange(int& min, int& max) const;
  void SetScrollBoxSize(int size) { boxSize = size; }
  int GetScrollBoxSize() const { return boxSize; }

  QORDlgScrollBarModifyNotification modifyNotification;
  QORDlgScrollBarDragNotification dragNotification;

 private:
  static void movedCB(Widget w, XtPointer client, XtPointer call);
  static void dragCB(Widget w, XtPointer client, XtPointer call);
  void putValues();

  int minimum = 0, maximum = 100, position = 0, boxSize = 10;
};
