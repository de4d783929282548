// A spinner: a field with up and down arrows that step a value, repeating
// every 200 ms while an arrow is held. The value is a float between two
// bounds (the default), a physical value in the control's unit
// (QORDlgSpinReal; held in base units like every control's value), or a text
// that the application sets when the arrows tell it to (QORDlgSpinText).
#pragma once
#include "QORDlgControl.h"

class QORDlgSpinner : public QORDlgControl {
 public:
  QORDlgSpinner(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgSpinner"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgSpinnerModifyNotification* GetSpinnerModifyNotification() const;
  QORDlgSpinnerBtnUpNotification* GetSpinnerBtnUpNotification() const;
  QORDlgSpinnerBtnDownNotification* GetSpinnerBtnDownNotification() const;

  // --- float mode: an arrow steps by (high - low) / nbrFraction
  void SetRange(float low, float high, float nbrFraction);
  void GetRange(float& low, float& high, float& nbrFraction) const;
  void SetRange(float low, float high, int nbrFraction);
  void GetRange(float& low, float& high, int& nbrFraction) const;
  // Accepted between the bounds (any value in text mode); notify sends the modify notification.
  void SetCurrentValue(float value, int notify);
  float GetCurrentValue() const;  // 0 in real mode
  // printf format of the float value (one double argument); null means "%f".
  void SetFormat(char* format);
  const char* GetFormat() const;

  // --- text mode
  void SetCurrentText(const QORUnicodeString& text, int notify);
  QORUnicodeString GetCurrentText() const;
  // QORDlgSensitive or QORDlgInsensitive: an arrow the application cannot step further.
  void SetButtonUpSensitivity(unsigned long sensitivity);
  unsigned long GetButtonUpSensitivity() const;
  void SetButtonDownSensitivity(unsigned long sensitivity);
  unsigned long GetButtonDownSensitivity() const;

  // --- real mode: min, max, step and value in base units, shown in the control's unit
  void SetMinMaxStep(double min, double max, double step);
  void GetMinMaxStep(double& min, double& max, double& step) const;
  void SetValue(double value, int notify);
  double GetValue() const;  // 0 unless real mode

  // Width of the field in columns.
  void SetVisibleTextWidth(int columns);
  int GetVisibleTextWidth() const;
};
