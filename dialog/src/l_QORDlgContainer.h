// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgContainer (class code 7): a scrolled window whose work
// area, a bulletin board, moves under a clipping viewport.
#pragma once
#include "l_QORDlgBox.h"

class l_QORDlgContainer : public l_QORDlgBox {
 public:
  l_QORDlgContainer(l_QORDialog* father, const QORString& name, QORDialog* api, unsigned long style);
  ~l_QORDlgContainer() override;
  void Build() override;
  void SetRectDimensions(DRECT& r, int flag) override;
  void SetRectDimensions(int x, int y, int height, int width, int flag) override;
  void GetMinRectDimensions(int* height, int* width) override;
  void GetRectDimensions(int* x, int* y, int* height, int* width) override;
  void GetRectDimensions(DRECT* r) override;
  void ChildMoved() override;
  unsigned long GetClassCode() const override { return QORDlgCodeContainer; }
  void update(unsigned long mask) override;
  Widget GetBaseWidget(int which) override;
  int TranslateCoordinates(DRECT& r, DPOS& p) override;
  void widgetDestroyed() override;

  // Clamps the work area's origin into the viewport and applies it later.
  void setOrigin(int& x, int& y);
  void GetOrigin(int& x, int& y) const { x = originX; y = originY; }
  void GetWorkAreaSize(int& w, int& h) const { w = workWidth; h = workHeight; }
  void GetViewportSize(int& w, int& h) const { w = viewWidth; h = viewHeight; }

 private:
  static void scrollCB(Widget w, XtPointer client, XtPointer call);
  void measure();
  void applyScrolling();

  Widget clip = nullptr;
  Widget workArea = nullptr;
  Widget vScroll = nullptr;
  Widget hScroll = nullptr;
  int originX = 0, originY = 0;
  int workWidth = 0, workHeight = 0;
  int viewWidth = 0, viewHeight = 0;
};
