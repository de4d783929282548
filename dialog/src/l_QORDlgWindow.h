// Base of the top-level window letters (class code 2). A window roots a tree:
// it knows its application and is on the application's window list.
#pragma once
#include "l_QORDialog.h"

class l_QORDlgWindow : public l_QORDialog {
 public:
  l_QORDlgWindow(l_QORDialog* father, const QORString& name, QORDialog* api, unsigned long style);
  ~l_QORDlgWindow() override;
  int IsAKindOf(unsigned long code) override;
  // Creates the shell and then the subtree; run by the update pass when the
  // window is asked to build (pending bit 0x80000000 on a window not built).
  virtual void BuildWindow() = 0;
};
