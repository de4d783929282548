// The tab container's pages, their titles and the selection.
#include <X11/IntrinsicP.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrolledW.h>

#include <algorithm>

#include "QORDlgPageTitle.h"
#include "l_QORDlgTabContainer.h"
#include "l_QORDlgTabPage.h"
#include "l_QORDlgWindow.h"

int l_QORDlgTabContainer::pageIndex(const l_QORDialog* page) const {
  const auto it = std::find(pages.begin(), pages.end(), page);
  return it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}

void l_QORDlgTabContainer::addPage(l_QORDlgTabPage* page) {
  if (pageIndex(page) >= 0) return;
  pages.push_back(page);
  titles.push_back(nullptr);
}

void l_QORDlgTabContainer::removePage(l_QORDlgTabPage* page) {
  const int i = pageIndex(page);
  if (i < 0) return;
  delete titles[i];
  pages.erase(pages.begin() + i);
  titles.erase(titles.begin() + i);
}

void l_QORDlgTabContainer::SetSelectedPage(l_QORDialog* page, int notify) { SetSelectedPage(pageIndex(page), notify); }

void l_QORDlgTabContainer::SetSelectedPage(int index, int notify) {
  if (index == current || index < 0 || index >= GetPageCount()) return;
  current = index;
  pending |= QORDlgUpdTabSelection;
  registerDifferUpdate();
  if (notify) this->notify(&tabSelectNotification);
}

l_QORDialog* l_QORDlgTabContainer::GetSelectedPagePtr() const {
  return current >= 0 && current < GetPageCount() ? pages[current] : nullptr;
}

int l_QORDlgTabContainer::AddPage(l_QORDlgTabPage* page) {
  addPage(page);
  const int index = pageIndex(page);
  if (current < 0) {
    current = index;
    pending |= QORDlgUpdTabSelection;
    registerDifferUpdate();
    announcingFirst = true;
    notify(&tabSelectNotification);
    announcingFirst = false;
  }
  if (!titles[index] && titleBox) {
    auto* title = new QORDlgPageTitle(this, pageTitle(page));
    titles[index] = title;
    title->SetActive(index == current);
    title->Build(titleBox);
    // Titles of later pages come before the filler, in page order.
    short at = 0;
    for (int i = 0; i < index; ++i) at = static_cast<short>(at + (titles[i] ? 1 : 0));
    XtVaSetValues(title->GetBaseWidget(), XmNpositionIndex, at, nullptr);
    if (filler && filler->GetBaseWidget())
      XtVaSetValues(filler->GetBaseWidget(), XmNpositionIndex, XmLAST_POSITION, nullptr);
    title->Manage();
  }
  return index;
}

void l_QORDlgTabContainer::RemovePage(int index) {
  if (index < 0 || index >= GetPageCount()) return;
  delete titles[index];
  titles[index] = nullptr;
  for (l_QORDlgTabPage* p : pages)
    if (p->GetPositionIndex() > index) p->SetPositionIndex(p->GetPositionIndex() - 1);
  if (!containerDestroying && index <= current) {
    if (index < current) --current;
    if (current >= GetPageCount() - 1) --current;
    if (current < 0 && GetPageCount() > 1) current = 0;
    pending |= QORDlgUpdTabSelection;
    notify(&tabSelectNotification);
  }
  registerDifferUpdate();
}

void l_QORDlgTabContainer::showSelection() {
  if (current < 0 || current >= GetPageCount() || !titles[current]) return;
  TabSelect(titles[current], 1);
}

void l_QORDlgTabContainer::TabSelect(QORDlgPageTitle* title, int byUser) {
  // The window's open combo list closes first: its page may be going away.
  l_QORDialog* window = GetWindowFather();
  if (window && window->traits().Has(QORDlgCapWindow)) static_cast<l_QORDlgWindow*>(window)->CloseOpenCombo();
  if (!byUser) return;
  const auto it = std::find(titles.begin(), titles.end(), title);
  if (it == titles.end()) return;
  const int index = static_cast<int>(it - titles.begin());
  // Pages stay managed; only the selected one is mapped and reachable by the keyboard.
  for (int i = 0; i < GetPageCount(); ++i) {
    const Boolean shown = i == index ? True : False;
    if (Widget w = pages[i]->GetBaseWidget(0)) {
      XtSetMappedWhenManaged(w, shown);
      XtVaSetValues(w, XmNtraversalOn, shown, nullptr);
    }
    if (titles[i]) titles[i]->SetActive(shown);
  }
  current = index;
  if (scrollWindow && XtIsRealized(scrollWindow) && title->GetBaseWidget())
    XmScrollVisible(scrollWindow, title->GetBaseWidget(), 0, 0);
  ComputeVisibleItems();
}

void l_QORDlgTabContainer::titlePressed(QORDlgPageTitle* title) {
  TabSelect(title, 1);
  notify(&tabSelectNotification);
}
