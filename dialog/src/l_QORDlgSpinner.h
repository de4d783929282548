// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgSpinner (class code 27): a single-line XmText and two
// XmArrowButtons in an XmForm. Settings and record in l_QORDlgSpinner.cpp,
// widgets, typing and arrows in l_QORDlgSpinnerInput.cpp.
#pragma once
#include <Xm/Xm.h>

#include <string>

#include "QORDlgSpinner.h"
#include "l_QORDlgControl.h"
#include "l_QORDlgTextEntry.h"

class l_QORDlgSpinner : public l_QORDlgControl {
 public:
  // What the last change was: the `update` kind of the record.
  enum Change { ArrowInTextMode = 0, FloatChange = 1, RealChange = 2, TextChange = -1 };

  l_QORDlgSpinner(l_QORDialog* father, const QORString& name, QORDlgSpinner* api, unsigned long style);
  ~l_QORDlgSpinner() override;
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeSpinner; }
  void update(unsigned long mask) override;
  void SetSensitivity(unsigned long sensitivity) override;
  void widgetDestroyed() override;
  l_QORDialog* GetFirstEditable() override;
  void recordCases(l_QORDlgRecordCases& cases) override;

  // --- settings (each change asks for a deferred update)
  void SetRange(float low, float high, float nbrFraction);
  void GetRange(float& low, float& high, float& nbrFraction) const;
  void SetCurrentValue(float value, int notify);
  float GetCurrentValue() const { return realMode() ? 0.0f : _currentValue; }
  void SetCurrentText(const QORUnicodeString& text, int notify);
  const QORUnicodeString& GetCurrentText() const { return _text; }
  void SetButtonSensitivity(bool up, unsigned long sensitivity);
  unsigned long GetButtonSensitivity(bool up) const { return up ? upSensitivity : downSensitivity; }
  void SetFormat(const char* format);
  const char* GetFormat() const { return format.c_str(); }
  void SetVisibleTextWidth(int columns);
  int GetVisibleTextWidth() const { return columns; }
  void SetMinMaxStep(double min, double max, double step);
  void GetMinMaxStep(double& min, double& max, double& step) const;
  void SetValue(double value, int notify);
  double GetValue() const { return realMode() ? _dVal : 0.0; }

  // --- the user
  // An arrow armed (also each 200 ms while it stays armed) and disarmed.
  void arrowPressed(bool up);
  void arrowReleased();
  // Return or leaving the field: the typed text, if any, becomes the value.
  void spinnerActivate();
  bool IsRepeating() const { return repeatTimer != 0; }
  int GetChangeKind() const { return updateKind; }
  Widget GetField() const { return field; }
  Widget GetArrow(bool up) const { return up ? upArrow : downArrow; }

  QORDlgSpinnerModifyNotification modifyNotification;
  QORDlgSpinnerBtnDownNotification btnDownNotification;
  QORDlgSpinnerBtnUpNotification btnUpNotification;

 private:
  bool realMode() const { return (style & QORDlgSpinReal) != 0; }
  bool textMode() const { return (style & QORDlgSpinText) != 0; }
  bool floatMode() const { return !realMode() && !textMode(); }
  void changed(unsigned long bits);
  // The value (or the application's text) as the field shows it.
  QORUnicodeString shownText() const;
  void putField(const QORUnicodeString& text);
  void putArrowSensitivity();
  // One arrow step of the value; false at the bound.
  bool step(bool up);
  void armRepeat(bool up);
  // The typed text read back: real mode, or the float and text modes.
  void commitReal();
  void bell();
  void commitNumber();
  void createArrows(Widget form, int height);

  static void armCB(Widget w, XtPointer client, XtPointer call);
  static void disarmCB(Widget w, XtPointer client, XtPointer call);
  static void activateCB(Widget w, XtPointer client, XtPointer call);
  static void verifyCB(Widget w, XtPointer client, XtPointer call);
  static void repeatTO(XtPointer client, XtIntervalId* id);

  // Float mode.
  float _lowBound = 0, _highBound = 10, _currentValue = 0, _nbrFraction = 10;
  int columns = 5;
  std::string format = "%f";
  QORUnicodeString _text;
  // Real mode, in base units.
  double dMin = 0, dMax = 10, dStep = 1, _dVal = 0;
  unsigned long upSensitivity = QORDlgSensitive, downSensitivity = QORDlgSensitive;
  // Typed since the field last showed the value.
  bool modified = false;
  XtIntervalId repeatTimer = 0;
  bool repeatUp = true;
  bool inRepeat = false;  // the time-out runs: its id is spent
  // The record's description of the last change: 1 when an arrow in text mode made it.
  int timer = 0;
  int updateKind = 0;

  Widget field = nullptr, upArrow = nullptr, downArrow = nullptr;
  // What the field holds, as UTF-8: every change passes the verify callback.
  QORUnicodeString typed;
  bool puttingField = false;  // our own change of the field is no typing
  l_QORDlgTextEntry face;     // puts the program's texts in the field, in a face that draws them
};
