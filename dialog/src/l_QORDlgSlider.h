// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgSlider (class code 26): an XmScale whose integer value is
// the current value times 10 to the power of the decimal points.
#pragma once
#include "QORDlgSlider.h"
#include "l_QORDlgControl.h"

class l_QORDlgSlider : public l_QORDlgControl {
 public:
  l_QORDlgSlider(l_QORDialog* father, const QORString& name, QORDlgSlider* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeSlider; }
  void update(unsigned long mask) override;
  void recordCases(l_QORDlgRecordCases& cases) override;

  void SetCurrentValue(float value, int notify);
  float GetCurrentValue() const { return _currentValue; }
  void SetRange(float min, float max, int steps);
  void GetRange(float& min, float& max, int& steps) const;
  void SetDecimalPoint(int decimals);
  int GetDecimalPoint() const { return decimalPoints; }
  // The scale's own scroll bar, whose line steps the slider turns into steps of its range.
  Widget GetScrollBar() const;

  // The scale moved (drag: still moving) or was stepped (by one share of the range).
  void scaleMoved(int scaleValue, bool drag);
  void scaleStepped(bool up);

  QORDlgSliderModifyNotification modifyNotification;
  QORDlgSliderDragNotification dragNotification;

 private:
  static void modifyCB(Widget w, XtPointer client, XtPointer call);
  static void dragCB(Widget w, XtPointer client, XtPointer call);
  static void incrementCB(Widget w, XtPointer client, XtPointer call);
  static void decrementCB(Widget w, XtPointer client, XtPointer call);
  // A value in scale units (times 10^decimal points), within the int range.
  int toScale(float value) const;
  float fromScale(int scaleValue) const;
  void putRange();

  float minimum = 0.0f, maximum = 100.0f, _currentValue = 0.0f;
  int decimalPoints = 0;
  int steps = 10;
};
