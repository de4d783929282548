// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgRadioButton (class code 24): a one-of-many XmToggleButton.
// Its father keeps the group (DeselectAllBrothers) through l_QORDlgRadioState.
#pragma once
#include "QORDlgRadioButton.h"
#include "l_QORDlgControl.h"
#include "l_QORDlgRadioState.h"

class l_QORDlgRadioButton : public l_QORDlgControl, public l_QORDlgRadioState {
 public:
  l_QORDlgRadioButton(l_QORDialog* father, const QORString& name, QORDlgRadioButton* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeRadioButton; }
  void update(unsigned long mask) override;
  void recordCases(l_QORDlgRecordCases& cases) override;
  void Motion(XEvent* event) override;
  void Accelerator() override;

  unsigned long GetState() const { return state; }
  void SetState(unsigned long state, int notify);
  // The user's click.
  void exclusiveButtonSelected();

  int isRadioSelected() override { return state == QORDlgChecked; }
  void setRadioUnselected(int notify) override { SetState(QORDlgUnchecked, notify); }

  QORDlgRadBModifyNotification modifyNotification;

 private:
  static void selectedCB(Widget w, XtPointer client, XtPointer call);
  // The father unchecks the checked brother of the group.
  void deselectBrothers(int notify);

  unsigned long state = 0;
};
