// The keys of the multi-column list: Up and Down move the current line and
// the selection with it, the page keys scroll by a page. Every column's
// list carries the same translations and reaches the letter through userData.
#include <algorithm>

#include "QORDlgBits.h"
#include "l_QORDlgMultiList.h"

l_QORDlgMultiList* l_QORDlgMultiList::ofList(Widget w) {
  l_QORDlgControl* c = fromWidget(w);
  return c && c->IsAKindOf(QORDlgCodeMultiList) ? static_cast<l_QORDlgMultiList*>(c) : nullptr;
}

void l_QORDlgMultiList::ListNextItemCB(Widget w, XEvent*, String*, Cardinal*) {
  if (l_QORDlgMultiList* l = ofList(w)) l->moveCurrent(1, false);
}
void l_QORDlgMultiList::ListPrevItemCB(Widget w, XEvent*, String*, Cardinal*) {
  if (l_QORDlgMultiList* l = ofList(w)) l->moveCurrent(-1, false);
}
void l_QORDlgMultiList::ListExtendNextItemCB(Widget w, XEvent*, String*, Cardinal*) {
  if (l_QORDlgMultiList* l = ofList(w)) l->moveCurrent(1, true);
}
void l_QORDlgMultiList::ListExtendPrevItemCB(Widget w, XEvent*, String*, Cardinal*) {
  if (l_QORDlgMultiList* l = ofList(w)) l->moveCurrent(-1, true);
}
void l_QORDlgMultiList::ListPageUpCB(Widget w, XEvent*, String*, Cardinal*) {
  if (l_QORDlgMultiList* l = ofList(w)) l->page(1);
}
void l_QORDlgMultiList::ListPageDownCB(Widget w, XEvent*, String*, Cardinal*) {
  if (l_QORDlgMultiList* l = ofList(w)) l->page(-1);
}

// `extend` false (the plain arrows): with multiple selection the reached line
// joins the selection, and stepping back onto a selected line drops the one
// left; with single selection, and for `extend`, only the reached line stays.
void l_QORDlgMultiList::moveCurrent(int step, bool extend) {
  const int target = currentLine + step;
  if (target < 0 || target >= GetLineCount()) return;
  currentLine = target;
  if (extend || !multiple()) {
    clearFlags();
    mark(target);
  } else if (IsSelect(target)) {
    short& left = flags[static_cast<size_t>(target - step)];
    if (left) left = 0, --selectedCount;
  } else {
    mark(target);
  }
  keepCurrentVisible();
  lastUpdateKind = KindSingle;
  applyNow();
  notify(&selectNotification);
}

void l_QORDlgMultiList::keepCurrentVisible() {
  if (currentLine < topLine) scrollTo(currentLine, true);
  else if (currentLine >= topLine + windowLines()) scrollTo(currentLine - windowLines() + 1, true);
}

// +1 shows the next page, -1 the previous one.
void l_QORDlgMultiList::page(int direction) {
  scrollTo(topLine + direction * windowLines(), true);
  applyNow();
}

void l_QORDlgMultiList::applyNow() {
  if (!built || !mainForm) return changed(QORDlgUpdListSelection | QORDlgUpdListFirst);
  if (windowed()) applyItems();
  applySelection();
  applyTop();
}
