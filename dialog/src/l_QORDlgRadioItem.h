// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgRadioItem (class code 33): a one-of-many XmToggleButton in
// a menu. Its menu keeps the group (DeselectAllBrothers) through l_QORDlgRadioState.
#pragma once
#include "QORDlgRadioItem.h"
#include "l_QORDlgMenuItem.h"
#include "l_QORDlgRadioState.h"

class l_QORDlgRadioItem : public l_QORDlgMenuItem, public l_QORDlgRadioState {
 public:
  l_QORDlgRadioItem(l_QORDialog* father, const QORString& name, QORDlgRadioItem* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeRadioItem; }
  void update(unsigned long mask) override;
  void recordCases(l_QORDlgRecordCases& cases) override;

  unsigned long GetState() const { return state; }
  void SetState(unsigned long state, int notify);
  // Checks the item, unchecking its checked brother, both notifying.
  void select();
  // The user chose the item.
  void motifActivate();

  int isRadioSelected() override { return state == QORDlgChecked; }
  void setRadioUnselected(int notify) override { SetState(QORDlgUnchecked, notify); }

  QORDlgRadIModifyNotification modifyNotification;

 private:
  static void valueChangedCB(Widget w, XtPointer client, XtPointer call);
  void deselectBrothers(int notify);

  unsigned long state = QORDlgUnchecked;
};
