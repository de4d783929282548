// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgPushButton (class code 23): an XmPushButton.
#pragma once
#include "QORDlgPushButton.h"
#include "l_QORDlgControl.h"

class l_QORDlgPushButton : public l_QORDlgControl {
 public:
  l_QORDlgPushButton(l_QORDialog* father, const QORString& name, QORDlgPushButton* api, unsigned long style);
  ~l_QORDlgPushButton() override;
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodePushButton; }
  void update(unsigned long mask) override;
  void recordCases(l_QORDlgRecordCases& cases) override;
  void Motion(XEvent* event) override;
  void Accelerator() override;

  // The activation: Activate, or Repetitive while the repeat runs; a
  // repeating button then arms the next repeat unless `repeat` is false.
  void pushButtonPressed(bool repeat = true);
  void pushButtonReleased();
  int IsRepeating() const { return repeatTimer != 0; }

  QORDlgPushBActivateNotification activateNotification;
  QORDlgPushBRepetitiveNotification repetitiveNotification;

 private:
  static void pressedCB(Widget w, XtPointer client, XtPointer call);
  static void releasedCB(Widget w, XtPointer client, XtPointer call);
  static void repeatTO(XtPointer client, XtIntervalId* id);

  XtIntervalId repeatTimer = 0;
  // Set while the time-out runs: its id is spent, so a release then only clears it.
  bool inRepeat = false;
};
