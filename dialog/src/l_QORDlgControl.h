// Internal to libTOLVEN: not API, never installed.
// Letter base of every control (class code 20): the physical value settings
// (magnitude, unit, precision, display format), the text validators of the
// entry controls, and the control side of accelerators and drag starts.
#pragma once
#include <Xm/Xm.h>

#include "QORDlgControl.h"
#include "QORDlgArgs.h"
#include "l_QORDialog.h"

class l_QORDlgControl : public l_QORDialog {
 public:
  l_QORDlgControl(l_QORDialog* father, const QORString& name, QORDlgControl* api, unsigned long style);
  ~l_QORDlgControl() override;
  unsigned long GetClassCode() const override { return QORDlgCodeControl; }
  void update(unsigned long mask) override;
  virtual void Motion(XEvent* event) { (void)event; }
  virtual void Accelerator() {}

  void SetUnit(QORDlgControl::QORDlgUnit u);
  QORDlgControl::QORDlgUnit GetUnit() const { return unit; }
  void SetPrecision(int p);
  int GetPrecision() const { return precision; }
  void SetMagnitude(QORDlgControl::QORDlgMagnitude m);
  QORDlgControl::QORDlgMagnitude GetMagnitude() const { return magnitude; }
  void SetDisplayFormat(const char* format);
  const char* GetDisplayFormat() const { return displayFormat; }

  // The value in `unit`, formatted; the text lives in one buffer that the next call overwrites.
  static const char* WriteStringValue(double value, QORDlgControl::QORDlgUnit unit, const char* format);
  // 1 and the value in base units when `text` is a valid value in `unit`.
  static int IsDouble(const char* text, double* value, QORDlgControl::QORDlgUnit unit);
  static int IsReal(const char* text, double* value, const char* symbol);
  static int IsInteger(const char* text, int* value);
  static int IsFloat(const char* text, float* value);
  static int IsAlphabetical(const char* text);
  static int IsNumerical(const char* text);
  static int IsAlphanumerical(const char* text);
  // The "Motion" and "Accelerator" actions: they reach the control letter
  // kept in the widget's userData.
  static void MotionCB(Widget w, XEvent* event, String* params, Cardinal* count);
  static void AcceleratorCB(Widget w, XEvent* event, String* params, Cardinal* count);

  // Unit tables: symbol (null for the feet-inch units), offset, factor.
  static const char* const _unitSymb[QORDlgControl::UnitCount];
  static const double _unitPlusFactor[QORDlgControl::UnitCount];
  static const double _unitMultFactor[QORDlgControl::UnitCount];
  static l_QORDlgList _acceleratedWidget;
  static QORDlgControl::QORDlgMagnitude MagnitudeOfUnit(QORDlgControl::QORDlgUnit unit);
  static QORDlgControl::QORDlgUnit BaseUnitOf(QORDlgControl::QORDlgMagnitude magnitude);

 protected:
  static const char defaultFormat[];
  // The control letter whose widget is `w`, or null.
  static l_QORDlgControl* fromWidget(Widget w);
  void setFormat(char* format);
  // Buttons, label and separator (bodies in l_QORDlgControlButtons.cpp).
  // Adds the arguments every simple control is created with: the letter as
  // userData, and the application's colours and font when it imposes them
  // (with the select colour for toggles), and but for a separator the title
  // as label string: up to CommonArgCount.
  void commonArgs(QORDlgArgList& args, bool toggle, bool withLabel = true);
  static constexpr Cardinal CommonArgCount = 6;
  // Manages the widget just long enough to read its natural size into dx, dy.
  void takeNaturalSize();
  // The select colour of toggles: the global one, else Motif's for the background.
  static Pixel globalSelectColor();
  // Button-1 motion on a button: past 10 pixels from the first motion, the
  // drag-button notification (once per drag, see dragStartWidget).
  void dragStart(XEvent* event);
  // Sets the widget's label string from the title; the first call after
  // commonArgs finds it already given to the creation.
  void setLabelString(Widget w);
  // The "<Btn1Motion>: Motion()" translation, parsed once.
  static XtTranslations motionTranslations();
  // The buttons' row for the drag-button notification: nothing saved, no
  // trace; the replay makes this widget the drag's start again.
  void recordDragButton(l_QORDlgRecordCases& cases);

  int dragStartX = 0, dragStartY = 0;
  // The label string commonArgs gave the widget being created; freed once set.
  XmString creationLabel = nullptr;
  int acceleratorState = 1;
  QORDlgControl::QORDlgUnit unit = QORDlgControl::Number;
  int precision = 5;
  QORDlgControl::QORDlgMagnitude magnitude = QORDlgControl::NoMagnitude;
  char* displayFormat;
};
