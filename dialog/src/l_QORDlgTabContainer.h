// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgTabContainer (class code 41): a form with the title strip
// ("selectArea": arrows and a scrolled row of QORDlgPageTitle) above a frame
// whose drawing area holds the pages' widgets.
#pragma once
#include <vector>

#include "QORDlgTabContainer.h"
#include "l_QORDlgBox.h"

class QORDlgPageTitle;
class l_QORDlgTabPage;

class l_QORDlgTabContainer : public l_QORDlgBox {
 public:
  l_QORDlgTabContainer(l_QORDialog* father, const QORString& name, QORDialog* api, unsigned long style);
  ~l_QORDlgTabContainer() override;
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeTabContainer; }
  void update(unsigned long mask) override;
  void Destroy() override;
  Widget GetBaseWidget(int which) override;
  void GetMinRectDimensions(int* height, int* width) override;
  l_QORDialog* GetFirstEditable() override;
  void ChildMoved() override;
  void widgetDestroyed() override;
  void recordCases(l_QORDlgRecordCases& cases) override;
  int SaveState(QORNotification* n, QORMarshal& m) override;

  // --- pages (l_QORDlgTabContainerPages.cpp)
  void addPage(l_QORDlgTabPage* page);
  void removePage(l_QORDlgTabPage* page);
  void SetSelectedPage(l_QORDialog* page, int notify);
  void SetSelectedPage(int index, int notify);
  int GetSelectedPage() const { return current; }
  l_QORDialog* GetSelectedPagePtr() const;
  int GetPageCount() const { return static_cast<int>(pages.size()); }
  int pageIndex(const l_QORDialog* page) const;
  l_QORDlgTabPage* GetPage(int i) const { return pages[i]; }
  int AddPage(l_QORDlgTabPage* page);
  void RemovePage(int index);
  QORDlgPageTitle* GetTitle(int i) const { return titles[i]; }
  void TabSelect(QORDlgPageTitle* title, int byUser);
  void titlePressed(QORDlgPageTitle* title);

  // --- the title strip (l_QORDlgTabContainerStrip.cpp)
  void ComputeVisibleItems();
  void scrollLeft();
  void scrollRight();
  void scrollTo(int index);
  int GetFirstHiddenLeft() const { return hiddenLeft; }
  int GetFirstHiddenRight() const { return hiddenRight; }
  Widget GetArrow(bool right) const { return right ? rightArrow : leftArrow; }
  int GetStripHeight() const { return stripHeight; }

  QORDlgTabSelectNotification tabSelectNotification;

 private:
  void buildStrip();
  void addFiller();
  void reconcilePages();
  void retitle();
  static QORUnicodeString pageTitle(l_QORDialog* page);
  void fitPages();
  void showSelection();
  static void arrowCB(Widget w, XtPointer me, XtPointer call);
  static void stripResizedEH(Widget w, XtPointer me, XEvent* event, Boolean* cont);

  std::vector<l_QORDlgTabPage*> pages;
  std::vector<QORDlgPageTitle*> titles;
  QORDlgPageTitle* filler = nullptr;
  int current = -1;
  int hiddenLeft = -1, hiddenRight = -1;
  int stripHeight = 0;
  bool containerDestroying = false;
  bool announcingFirst = false;  // the first built page's selection is being sent
  bool sizeDirty = false;
  Widget selectArea = nullptr, rightArrow = nullptr, leftArrow = nullptr;
  Widget scrollWindow = nullptr, titleBox = nullptr;
  Widget workArea = nullptr, clientArea = nullptr;
};
