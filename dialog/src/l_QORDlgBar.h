// Internal to libTOLVEN: not API, never installed.
// Letter base of the bars (class code 12): tool bars and the status bar.
// A bar places its children itself and keeps radio buttons in groups.
#pragma once
#include "QORDlgBar.h"
#include "l_QORDialog.h"

class l_QORDlgBar : public l_QORDialog {
 public:
  l_QORDlgBar(l_QORDialog* father, const QORString& name, QORDlgBar* api, unsigned long style);
  unsigned long GetClassCode() const override { return QORDlgCodeBar; }
  void update(unsigned long mask) override;
  // Unchecks the checked radio button of the run around child `position` (1-based).
  virtual void DeselectAllBrothers(int position, int notify);
};
