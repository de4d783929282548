// A push button: sends its activation when released over it, or, with
// QORDlgPushRepeat, at once when pressed and then repeatedly while held.
#pragma once
#include "QORDlgControl.h"

class l_QORDlgPushButton;

// Push button style bits.
enum : unsigned long {
  QORDlgPushRepeat = 0x40000UL,  // auto-repeat while held down
  QORDlgPushFlat = 0x80000UL,    // no shadow and no highlight border
};

class QORDlgPushButton : public QORDlgControl {
 public:
  QORDlgPushButton(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgPushButton"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgPushBActivateNotification* GetPushBActivateNotification() const;
  QORDlgPushBRepetitiveNotification* GetPushBRepetitiveNotification() const;

 private:
  l_QORDlgPushButton* pushLetter = nullptr;
};
