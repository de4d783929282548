// A progress bar: shows a position within a range as a filled share (at
// least 1 %). It sends no notification.
#pragma once
#include "QORDlgControl.h"

class QORDlgProgress : public QORDlgControl {
 public:
  QORDlgProgress(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgProgress"; }
  l_QORDialog* GetLetterObject() const override;

  // Ignored unless min < max; the step and the position are brought within it.
  void SetRange(int min, int max);
  void GetRange(int* min, int* max) const;
  // Positions are kept within the range; each returns the position before.
  int SetPos(int pos);
  int GetPos() const;
  int OffsetPos(int delta);
  int StepIt();
  // At most max - min.
  void SetStep(int step);
  int GetStep() const;
};
