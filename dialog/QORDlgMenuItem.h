// QORDlgMenuItem: envelope base of the items of a menu. Title, mnemonic,
// accelerator and icon come from the catalog or the program.
#pragma once
#include "QORDialog.h"

class QORDlgMenuItem : public QORDialog {
 public:
  const char* GetClassName() const override { return "QORDlgMenuItem"; }

 protected:
  QORDlgMenuItem(QORDialog* father, const QORString& name, unsigned long style) : QORDialog(father, name, style) {}
};
