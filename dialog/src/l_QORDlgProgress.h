// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgProgress (class code 44): an XmFrame holding an XmForm
// whose push button, stretched to a share of the form, is the bar.
#pragma once
#include "QORDlgProgress.h"
#include "l_QORDlgControl.h"

class l_QORDlgProgress : public l_QORDlgControl {
 public:
  l_QORDlgProgress(l_QORDialog* father, const QORString& name, QORDlgProgress* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeProgress; }
  void update(unsigned long mask) override;
  void widgetDestroyed() override;

  void SetRange(int min, int max);
  void GetRange(int* min, int* max) const;
  int SetPos(int pos);
  int GetPos() const { return position; }
  int OffsetPos(int delta);
  int StepIt() { return OffsetPos(step); }
  void SetStep(int s);
  int GetStep() const { return step; }
  // The filled share in percent, as the bar shows it.
  int filledShare() const;
  Widget GetBar() const { return bar; }

 private:
  void moved();
  void applyShare();

  int minimum = 0, maximum = 100, step = 10, position = 0;
  Widget form = nullptr, bar = nullptr;
};
