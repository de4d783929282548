// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgFrame (class code 11): an XmFrame, an optional title label
// and a drawing area that holds the children's widgets.
#pragma once
#include <Xm/Xm.h>

#include "l_QORDlgBox.h"

class QORDlgFrame;

class l_QORDlgFrame : public l_QORDlgBox {
 public:
  l_QORDlgFrame(l_QORDialog* father, const QORString& name, QORDialog* api, unsigned long style);
  ~l_QORDlgFrame() override;
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeFrame; }
  void update(unsigned long mask) override;
  Widget GetBaseWidget(int which) override;
  int TranslateCoordinates(DRECT& r, DPOS& p) override;
  void widgetDestroyed() override;

  int GetTitleHeight() const { return titleHeight; }
  int GetShadowThickness() const { return shadow; }
  unsigned long GetFrameStyle() const { return frameStyle; }

 private:
  bool inScrolledContainer() const;
  void applySizes(int w, int h);
  XmString titleString();
  void setTitleLabel();

  Widget drawingArea = nullptr;
  Widget titleLabel = nullptr;
  int titleHeight = 0;
  int shadow = 0;
  unsigned long frameStyle = 0;
};
