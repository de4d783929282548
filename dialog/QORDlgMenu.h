// QORDlgMenu: envelope base of the menus (menu bar, pull-down sub-menu,
// contextual menu). Their children are menu items and sub-menus.
#pragma once
#include "QORDialog.h"

class QORDlgMenu : public QORDialog {
 public:
  const char* GetClassName() const override { return "QORDlgMenu"; }

 protected:
  QORDlgMenu(QORDialog* father, const QORString& name, unsigned long style) : QORDialog(father, name, style) {}
};
