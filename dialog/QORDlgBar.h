// QORDlgBar: envelope base of the bars a window carries, the tool bars and
// the status bar. Their children are controls placed by the bar itself.
#pragma once
#include "QORDialog.h"

class QORDlgBar : public QORDialog {
 public:
  const char* GetClassName() const override { return "QORDlgBar"; }

 protected:
  QORDlgBar(QORDialog* father, const QORString& name, unsigned long style) : QORDialog(father, name, style) {}
};
