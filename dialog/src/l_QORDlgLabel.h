// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgLabel (class code 22): an XmLabel, inside an XmFrame when framed.
#pragma once
#include "QORDlgLabel.h"
#include "l_QORDlgControl.h"

class l_QORDlgLabel : public l_QORDlgControl {
 public:
  l_QORDlgLabel(l_QORDialog* father, const QORString& name, QORDlgLabel* api, unsigned long style);
  void Build() override;
  // A size given here is kept when the text changes (but in a bar).
  void SetRectDimensions(DRECT& r, int flag) override;
  void SetRectDimensions(int x, int y, int height, int width, int flag) override;
  unsigned long GetClassCode() const override { return QORDlgCodeLabel; }
  void update(unsigned long mask) override;
  void widgetDestroyed() override;

  Widget GetLabelWidget() const { return label; }
  int IsSizeFixed() const { return sizeFixed; }

 private:
  bool isSpacer();
  // The natural size: the label's, plus the frame around it.
  void measure();

  int sizeFixed = 0;
  Widget label = nullptr;
};
