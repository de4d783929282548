// Internal to libTOLVEN: not API, never installed.
// Letter base of the black boxes (class code 38): the application creates the widgets.
#pragma once
#include "l_QORDialog.h"

class l_QORDlgBlackBox : public l_QORDialog {
 public:
  using l_QORDialog::l_QORDialog;
  ~l_QORDlgBlackBox() override;
  unsigned long GetClassCode() const override { return QORDlgCodeBlackBox; }
};
