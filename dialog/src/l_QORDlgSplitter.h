// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgSplitter (class code 8): a drawing area whose two children
// hang on tabulations it makes itself; the line between them is relative and
// carries the sash (l_QORDlgTabSash.cpp).
#pragma once
#include <vector>

#include "QORDlgSplitter.h"
#include "l_QORDlgBox.h"

class l_QORDlgSplitter : public l_QORDlgBox {
 public:
  l_QORDlgSplitter(l_QORDialog* father, const QORString& name, QORDialog* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeSplitter; }
  void update(unsigned long mask) override;

  void SwitchChildren();
  // Lays the children out again at the splitter's size after the sash moved.
  void ReLayout();
  // Attaches the shown children to the splitter's tabulations.
  void Layout();
  void updateContents();
  void putSashOnTop();
  l_QORDlgTab* getSashTab() const { return sashTab; }

 private:
  int shownChildren() const { return GetChildCount() < 2 ? GetChildCount() : 2; }
  // The orientation of the tabulations that separate the children.
  Orientation splitOrientation() const;
  void warnHidden();
  void exchangeChildren();
  void firstSizes();
  void firstLayout();

  l_QORDlgTab* sashTab = nullptr;
  bool switchPending = false;
  std::vector<const l_QORDialog*> warned;  // children beyond the second, already reported
};
