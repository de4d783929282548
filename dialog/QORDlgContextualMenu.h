// The contextual menu of a dialog object: its items pop up under the pointer
// on a third-button press over the object, gathered with the contextual
// menus of the objects around it. It sends its visibility notification when
// it pops up and when it is cleared after popping down.
#pragma once
#include "QORDlgMenu.h"

class QORDlgContextualMenu : public QORDlgMenu {
 public:
  QORDlgContextualMenu(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgContextualMenu"; }
  l_QORDialog* GetLetterObject() const override;
};
