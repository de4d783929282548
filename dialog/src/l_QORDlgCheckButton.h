// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgCheckButton (class code 25): an N-of-many XmToggleButton.
#pragma once
#include "QORDlgCheckButton.h"
#include "l_QORDlgControl.h"

class l_QORDlgCheckButton : public l_QORDlgControl {
 public:
  l_QORDlgCheckButton(l_QORDialog* father, const QORString& name, QORDlgCheckButton* api, unsigned long style);
  void SetSensitivity(unsigned long sensitivity) override;
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeCheckButton; }
  void update(unsigned long mask) override;
  void recordCases(l_QORDlgRecordCases& cases) override;
  void Motion(XEvent* event) override;
  void Accelerator() override;

  unsigned long GetState() const { return state; }
  void SetState(unsigned long state, int notify);
  // The user's click, with the callback's event (null when there is none).
  void checkButtonSelected(XEvent* event);

  QORDlgChkBModifyNotification modifyNotification;
  QORDlgChkBDoubleClickNotification doubleClickNotification;

 private:
  static void selectedCB(Widget w, XtPointer client, XtPointer call);
  void changed();

  unsigned long state = QORDlgUnchecked;
  unsigned int lastClick = 0;  // X time of the previous click
  Pixel selectColor = 0;       // the select colour outside the mixed state
};
