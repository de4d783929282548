// A scrolled container: a viewport on a work area that holds one child, with
// scroll bars shown only when the work area does not fit.
#pragma once
#include "QORDlgBox.h"

class QORDlgContainer : public QORDlgBox {
 public:
  QORDlgContainer(QORDialog* father, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgContainer"; }
  l_QORDialog* GetLetterObject() const override;
};
