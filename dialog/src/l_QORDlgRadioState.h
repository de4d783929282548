// Internal to libTOLVEN: not API, never installed.
// What a box needs of a radio button (class code 24) to keep one button of a
// group selected: the radio button letter derives from this as well.
#pragma once

class l_QORDlgRadioState {
 public:
  virtual ~l_QORDlgRadioState() = default;
  virtual int isRadioSelected() = 0;
  // Unselects the button; notify is passed on to its state change.
  virtual void setRadioUnselected(int notify) = 0;
};
