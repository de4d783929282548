// An empty Motif drawing area in which application code builds its own
// widgets, once QORDlgCreateNotification says the area exists.
#pragma once
#include <X11/Intrinsic.h>

#include "QORDlgBlackBox.h"

class QORDlgMotif : public QORDlgBlackBox {
 public:
  QORDlgMotif(QORDialog* father, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgMotif"; }
  l_QORDialog* GetLetterObject() const override;
  XtAppContext GetXtAppContext() const;
  Display* GetXtDisplay() const;
  Widget GetFatherWidget() const;
};
