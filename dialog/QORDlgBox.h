// Base of the containers: an object that holds other dialog objects and lays
// them out with its layout manager. The concrete kinds create the letter.
#pragma once
#include "QORDialog.h"

class QORDlgContextualMenu;

class QORDlgBox : public QORDialog {
 public:
  QORDlgBox(QORDialog* father, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgBox"; }
  l_QORDialog* GetLetterObject() const override;
  // The box's contextual menu, or null.
  QORDlgContextualMenu* GetContextualMenu() const;
};
