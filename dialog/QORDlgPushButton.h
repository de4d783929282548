// A push button: sends its activation when released over it, or, with
// QORDlgPushRepeat, at once when pressed and then repeatedly while held.
#pragma once
#include "QORDlgControl.h"

class QORDlgPushButton : public QORDlgControl {
 public:
  QORDlgPushButton(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgPushButton"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgPushBActivateNotification* GetPushBActivateNotification() const;
  QORDlgPushBRepetitiveNotification* GetPushBRepetitiveNotification() const;
};
