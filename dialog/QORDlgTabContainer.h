// Pages (QORDlgTabPage) under a strip of their titles: clicking a title shows
// its page only and sends QORDlgTabSelectNotification. The strip scrolls with
// two arrows when the titles are wider than the container.
#pragma once
#include "QORDlgBox.h"

class QORDlgTabPage;

class QORDlgTabContainer : public QORDlgBox {
 public:
  QORDlgTabContainer(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgTabContainer"; }
  l_QORDialog* GetLetterObject() const override;

  // Nothing happens for the current page or an index out of range; with
  // notify the selection is announced as a user's click would be.
  void SetSelectedPage(QORDlgTabPage* page, int notify);
  void SetSelectedPage(int index, int notify);
  int GetSelectedPage() const;          // -1 while there is no page
  QORDlgTabPage* GetSelectedPagePtr() const;
  int GetPageCount() const;
  QORDlgTabSelectNotification* GetTabSelectNotification() const;
};
