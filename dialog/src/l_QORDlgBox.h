// Internal to libTOLVEN: not API, never installed.
// Letter base of the containers (class code 6): owns the layout manager.
#pragma once
#include "l_QORDialog.h"

class l_QORDlgBox : public l_QORDialog {
 public:
  l_QORDlgBox(l_QORDialog* father, const QORString& name, QORDialog* api, unsigned long style);
  ~l_QORDlgBox() override;
  unsigned long GetClassCode() const override { return QORDlgCodeBox; }
  void update(unsigned long mask) override;
  l_QORDialog* GetFirstEditable() override;
  // Radio grouping among the children; rank is the caller's 1-based child number.
  virtual void DeselectAllBrothers(int rank, int notify);

 private:
  // The box's widgets and its children follow a change of its sensitivity.
  void applySensitivity();
};
