// The menu bar of a window: its sub-menus' cascade buttons in a row at the
// top of the window. A window has one; a new one replaces the old.
#pragma once
#include "QORDlgMenu.h"

class QORDlgBarMenu : public QORDlgMenu {
 public:
  QORDlgBarMenu(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgBarMenu"; }
  l_QORDialog* GetLetterObject() const override;
};
