// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgTabPage (class code 42): a drawing area in its tab
// container's client area, laid out like a frame.
#pragma once
#include "QORDlgTabPage.h"
#include "l_QORDlgBox.h"

class l_QORDlgTabContainer;

class l_QORDlgTabPage : public l_QORDlgBox {
 public:
  l_QORDlgTabPage(l_QORDialog* father, const QORString& name, QORDialog* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeTabPage; }
  void update(unsigned long mask) override;
  void Destroy() override;

  int GetPositionIndex() const { return positionIndex; }
  void SetPositionIndex(int i) { positionIndex = i; }
  Widget GetPageTitleBaseWidget() const;
  // The size its own layout asked for at first: what the container makes room for.
  void GetNaturalSize(int& w, int& h) const { w = naturalWidth; h = naturalHeight; }

 private:
  l_QORDlgTabContainer* container() const;
  void firstLayout();

  int positionIndex = -1;
  int naturalWidth = 0, naturalHeight = 0;
};
