// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgMotif (class code 36): a drawing area under the father's widget.
#pragma once
#include "l_QORDlgBlackBox.h"

class QORDlgMotif;

class l_QORDlgMotif : public l_QORDlgBlackBox {
 public:
  l_QORDlgMotif(l_QORDialog* father, const QORString& name, QORDlgMotif* api, unsigned long style);
  unsigned long GetClassCode() const override { return QORDlgCodeMotif; }
  void Build() override;
  void update(unsigned long mask) override;
  Widget GetBaseWidget(int which) override;
  // A widget of the application's that pops the contextual menus up.
  void SetContextualMenuFatherWidget(Widget w);

 private:
  Widget contextualFather = nullptr;
};
