// A slider (a Motif scale): a float value between a minimum and a maximum,
// dragged by the user or stepped by a share of the range; decimal points
// set how finely the scale resolves it.
#pragma once
#include "QORDlgControl.h"

class QORDlgSlider : public QORDlgControl {
 public:
  QORDlgSlider(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgSlider"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgSliderModifyNotification* GetSliderModifyNotification() const;
  QORDlgSliderDragNotification* GetSliderDragNotification() const;

  // Accepted between minimum and maximum; notify sends the modify notification.
  void SetCurrentValue(float value, int notify);
  float GetCurrentValue() const;
  // max > min with steps > 0, or a reversed range (max < min) with steps < 0;
  // a step moves by (max - min) / steps.
  void SetRange(float min, float max, int steps);
  void GetRange(float& min, float& max, int& steps) const;
  void SetDecimalPoint(int decimals);
  int GetDecimalPoint() const;
};
