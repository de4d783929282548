// A pull-down menu and the cascade button that opens it, in a menu bar or
// in another menu. Its title and mnemonic are the cascade button's.
#pragma once
#include "QORDlgMenu.h"

class QORDlgSubMenu : public QORDlgMenu {
 public:
  QORDlgSubMenu(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgSubMenu"; }
  l_QORDialog* GetLetterObject() const override;
};
