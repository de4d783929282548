// The multi-column list's widgets: building the columns, and the updates
// that bring every column's list in line with the table.
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/ListP.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>
#include <Xm/Separator.h>

#include <algorithm>
#include <string>

#include "QORDlgBits.h"
#include "QORDlgText.h"
#include "l_QORDlgMultiList.h"

namespace {
// Up and down move the selection, the page keys scroll: the same in every column.
XtTranslations keyTranslations() {
  static XtTranslations parsed = XtParseTranslationTable(
      ":<Key>osfUp: ListPrevItemCB()\n"
      ":<Key>osfDown: ListNextItemCB()\n"
      ":~Shift <Key>osfUp: ListExtendPrevItemCB()\n"
      ":~Shift <Key>osfDown: ListExtendNextItemCB()\n"
      ":<Key>osfPageUp: ListPageDownCB()\n"
      ":<Key>osfPageDown: ListPageUpCB()");
  return parsed;
}

constexpr int kSeparatorWidth = 6;

std::string indexed(const char* stem, size_t i) { return std::string(stem) + "[" + std::to_string(i) + "]"; }

const char* const kScrollCallbacks[] = {XmNvalueChangedCallback, XmNdragCallback,         XmNincrementCallback,
                                        XmNdecrementCallback,    XmNpageIncrementCallback, XmNpageDecrementCallback,
                                        XmNtoTopCallback,        XmNtoBottomCallback};
}  // namespace

void l_QORDlgMultiList::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<CommonArgCount + 3> args;
    commonArgs(args, false, false);
    args.add(XmNscrollingPolicy, XmAPPLICATION_DEFINED)
        .add(XmNvisualPolicy, XmVARIABLE)
        .add(XmNscrollBarDisplayPolicy, XmSTATIC);
    baseWidget = XmCreateScrolledWindow(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    buildClip();
    vbar = XtVaCreateWidget("vbar", xmScrollBarWidgetClass, baseWidget, XmNorientation, XmVERTICAL, nullptr);
    addScrollCallbacks(vbar, scrolledCB);
    XtVaSetValues(baseWidget, XmNworkWindow, clip, XmNverticalScrollBar, vbar, XmNhorizontalScrollBar, hbar, nullptr);
    for (size_t i = 0; i < columns.size(); ++i) buildColumn(i);
    XtAddEventHandler(columns[0].list, StructureNotifyMask, False, resizedEH, this);
    shownLines = visibleLines;
    charWidth = QORDlgListWidget::charWidth(columns[0].list);
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    applyTitles();
    arrange();
    naturalSize();
    pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdListItems | QORDlgUpdListSelection | QORDlgUpdListFirst |
              QORDlgUpdPosition | QORDlgUpdVisibility;
  }
  update(0);
}

void l_QORDlgMultiList::buildColumn(size_t i) {
  Column& c = columns[i];
  c.shownUpTo = 0;
  c.form = XtVaCreateWidget(indexed("forms", i).c_str(), xmFormWidgetClass, mainForm, XmNresizePolicy,
                            XmRESIZE_NONE, XmNtopAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM,
                            nullptr);
  c.frame = XtVaCreateWidget(indexed("frames", i).c_str(), xmFrameWidgetClass, c.form, XmNtopAttachment,
                             XmATTACH_FORM, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM,
                             nullptr);
  c.titleLabel = XtVaCreateManagedWidget(indexed("v_titles", i).c_str(), xmLabelWidgetClass, c.frame, XmNalignment,
                                         XmALIGNMENT_BEGINNING, nullptr);
  QORDlgArgs<CommonArgCount + 7> args;
  commonArgs(args, false, false);
  args.add(XmNvisibleItemCount, visibleLines)
      .add(XmNselectionPolicy, multiple() ? XmEXTENDED_SELECT : XmBROWSE_SELECT)
      .add(XmNlistSizePolicy, XmCONSTANT)
      .add(XmNleftAttachment, XmATTACH_FORM)
      .add(XmNrightAttachment, XmATTACH_FORM)
      .add(XmNbottomAttachment, XmATTACH_FORM)
      .add(XmNtopAttachment, XmATTACH_FORM);
  c.list = XmCreateList(c.form, const_cast<char*>(indexed("list", i).c_str()), args.data(), args.count());
  XtManageChild(c.list);
  XtAddCallback(c.list, multiple() ? XmNextendedSelectionCallback : XmNbrowseSelectionCallback, selectedCB, this);
  XtAddCallback(c.list, XmNdefaultActionCallback, activatedCB, this);
  XtAddEventHandler(c.list, ButtonPressMask, False, thirdButtonEH, this);
  XtAddEventHandler(c.list, FocusChangeMask, False, focusEH, this);
  XtOverrideTranslations(c.list, keyTranslations());
  c.sep = XtVaCreateWidget(indexed("sep", i).c_str(), xmSeparatorWidgetClass, mainForm, XmNorientation, XmVERTICAL,
                           XmNwidth, kSeparatorWidth, XmNtopAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM,
                           XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, c.form, nullptr);
  XtAddEventHandler(c.sep, ButtonPressMask | ButtonReleaseMask | Button1MotionMask | EnterWindowMask, False,
                    separatorEH, this);
}

void l_QORDlgMultiList::UnBuild() {
  // The column widgets go with the base widget.
  for (Column& c : columns) {
    c.form = c.sep = c.frame = c.titleLabel = c.list = nullptr;
    c.shownUpTo = 0;
  }
  mainForm = vbar = clip = hbar = nullptr;
  l_QORDlgControl::UnBuild();
}

Widget l_QORDlgMultiList::GetBaseWidget(int which) {
  if (which >= 1 && which <= GetColumnCount()) return columns[static_cast<size_t>(which - 1)].list;
  return baseWidget;
}

void l_QORDlgMultiList::update(unsigned long mask) {
  unsigned long raised = pending | mask;
  if (built && mainForm) {
    if (raised & QORDlgUpdListVisible) {
      for (Column& c : columns) XtVaSetValues(c.list, XmNvisibleItemCount, visibleLines, nullptr);
      raised |= QORDlgUpdListArrange;
      // Another natural size: the layout places the table again.
      naturalSize();
      pending |= QORDlgUpdSize | QORDlgUpdResize;
      if (father) father->ChildMoved();
    }
    if (raised & QORDlgUpdListTitles) applyTitles();
    if (raised & QORDlgUpdListArrange) arrange();
    if (raised & QORDlgUpdListItems) applyItems();
    if (raised & (QORDlgUpdListItems | QORDlgUpdListSelection)) applySelection();
    if (raised & (QORDlgUpdListItems | QORDlgUpdListFirst)) applyTop();
    const unsigned long mine = QORDlgPendingBits::List | QORDlgUpdTitle;
    pending &= ~mine;
    mask &= ~mine;
  }
  l_QORDlgControl::update(mask);
}

// The size is the columns' widths beside the scroll bar, and a title above
// the visible lines.
void l_QORDlgMultiList::naturalSize() {
  XtWidgetGeometry list{}, title{};
  XtQueryGeometry(columns[0].list, nullptr, &list);
  if (titlesGiven) XtQueryGeometry(columns[0].frame, nullptr, &title);
  Dimension barWidth = 0;
  XtVaGetValues(vbar, XmNwidth, &barWidth, nullptr);
  const int width = std::max({columnsWidth(), visibleWidth * charWidth, 1});
  const int height = std::max(list.height + title.height, 1);
  // The clip window asks for what it holds: the scrolled window sizes itself from it.
  XtVaSetValues(clip, XmNwidth, static_cast<Dimension>(width), XmNheight, static_cast<Dimension>(height), nullptr);
  dx = width + barWidth + 8;
  dy = height + 8;
}

// ---- contents ----

// The lines the lists have room for: Motif recounts them when the layout
// gives the table another height.
int l_QORDlgMultiList::windowLines() const {
  if (!built || !mainForm) return visibleLines;
  return std::max(1, reinterpret_cast<XmListWidget>(columns[0].list)->list.visibleItemCount);
}

// A new height shows more or fewer lines: the windowed lists take as many.
void l_QORDlgMultiList::resizedEH(Widget, XtPointer client, XEvent* event, Boolean*) {
  auto* self = static_cast<l_QORDlgMultiList*>(client);
  if (event->type != ConfigureNotify || self->windowLines() == self->shownLines) return;
  self->shownLines = self->windowLines();
  self->applyNow();
}

int l_QORDlgMultiList::lineOfPosition(int position) const {
  return windowed() ? topLine + position - 1 : position - 1;
}

// The columns hand Motif the compound strings they keep (QORDlgTextColumn),
// which it shares by reference count: filling a table costs little more than
// raw Motif filling its lists, and a windowed page is rewritten without
// making a string.
void l_QORDlgMultiList::applyItems() {
  const size_t count = static_cast<size_t>(GetLineCount());
  for (Column& c : columns) {
    if (windowed()) {
      const size_t from = std::min(static_cast<size_t>(topLine), count);
      QORDlgListWidget::rewrite(c.list, c.items, from, std::min(from + static_cast<size_t>(windowLines()), count));
      continue;
    }
    const int have = QORDlgListWidget::itemCount(c.list), kept = static_cast<int>(c.shownUpTo);
    if (have > kept) XmListDeleteItemsPos(c.list, have - kept, kept + 1);
    QORDlgListWidget::append(c.list, c.items, c.shownUpTo, count);
    c.shownUpTo = std::min(count, c.items.size());  // the blanks after them are not items
  }
}

void l_QORDlgMultiList::applySelection(Widget except) {
  const int first = windowed() ? topLine : 0;
  const int last = windowed() ? std::min(topLine + windowLines(), GetLineCount()) : GetLineCount();
  std::vector<int> positions;
  for (int line = first; line < last; ++line)
    if (IsSelect(line)) positions.push_back(line - first + 1);
  // The list the user is working in keeps its own (and Motif's anchor for Shift clicks).
  for (Column& c : columns)
    if (c.list != except) QORDlgListWidget::select(c.list, positions);
}

void l_QORDlgMultiList::applyTop() {
  topLine = std::max(0, std::min(topLine, GetLineCount() - windowLines()));
  if (windowed()) {
    applyItems();
    applySelection();
  } else if (GetLineCount() > 0) {
    for (Column& c : columns) XmListSetPos(c.list, topLine + 1);
  }
  applyScrollBar();
}

void l_QORDlgMultiList::applyScrollBar() {
  const int count = GetLineCount(), shown = std::max(1, std::min(windowLines(), count));
  const int maximum = std::max(count, 1);
  XtVaSetValues(vbar, XmNminimum, 0, XmNmaximum, maximum, XmNsliderSize, shown, XmNvalue,
                std::min(topLine, maximum - shown), XmNpageIncrement, shown, nullptr);
  // Shown only when the lines do not fit.
  if (count > windowLines()) XtManageChild(vbar);
  else XtUnmanageChild(vbar);
}

void l_QORDlgMultiList::applyTitles() {
  for (Column& c : columns) {
    if (titlesGiven) {
      XmString s = QORDlgText::toXmString(c.title);
      XtVaSetValues(c.titleLabel, XmNlabelString, s, nullptr);
      XmStringFree(s);
      XtManageChild(c.frame);
      XtVaSetValues(c.list, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, c.frame, nullptr);
    } else {
      XtUnmanageChild(c.frame);
      XtVaSetValues(c.list, XmNtopAttachment, XmATTACH_FORM, nullptr);
    }
  }
}

int l_QORDlgMultiList::columnPixels(const Column& c) const {
  if (c.pixelWidth >= 0) return std::max(c.pixelWidth, 1);
  if (c.textWidth >= 0) return c.textWidth * charWidth + 9;
  // Unset: as wide as its longest item or title, within reason.
  int chars = c.title.GetLengthInChar();
  if (!c.items.empty()) chars = std::max(chars, c.items.text(c.items.longest()).GetLengthInChar());
  return std::min(std::max(chars, 4), 2 * visibleWidth) * charWidth + 9;
}

// The shown columns with their separators, side by side.
int l_QORDlgMultiList::columnsWidth() const {
  int width = 0;
  for (const Column& c : columns)
    if (c.visibility == QORDlgShown) width += columnPixels(c) + kSeparatorWidth;
  return width;
}

void l_QORDlgMultiList::arrange() {
  Widget previous = nullptr;
  std::vector<Widget> shown;
  for (Column& c : columns) {
    if (c.visibility != QORDlgShown) {
      XtUnmanageChild(c.form);
      XtUnmanageChild(c.sep);
      continue;
    }
    if (previous) XtVaSetValues(c.form, XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, previous, nullptr);
    else XtVaSetValues(c.form, XmNleftAttachment, XmATTACH_FORM, nullptr);
    XtVaSetValues(c.form, XmNwidth, static_cast<Dimension>(columnPixels(c)), nullptr);
    XtVaSetValues(c.sep, XmNleftWidget, c.form, nullptr);
    shown.push_back(c.form);
    shown.push_back(c.sep);
    previous = c.sep;
  }
  if (!shown.empty()) XtManageChildren(shown.data(), static_cast<Cardinal>(shown.size()));
  placeColumns();
}

// ---- scrolling ----

void l_QORDlgMultiList::addScrollCallbacks(Widget bar, XtCallbackProc proc) {
  for (const char* cb : kScrollCallbacks) XtAddCallback(bar, cb, proc, this);
}

void l_QORDlgMultiList::scrollTo(int line, bool alsoSynchronized) {
  topLine = std::max(0, std::min(line, GetLineCount() - windowLines()));
  if (built && mainForm) applyTop();
  else changed(QORDlgUpdListFirst);
  if (alsoSynchronized)
    for (l_QORDlgMultiList* other : synchronized) other->scrollTo(topLine, false);
}

void l_QORDlgMultiList::scrolledCB(Widget, XtPointer client, XtPointer call) {
  auto* self = static_cast<l_QORDlgMultiList*>(client);
  self->scrollTo(static_cast<XmScrollBarCallbackStruct*>(call)->value, true);
}

// ---- the user ----

int l_QORDlgMultiList::columnOfList(Widget list) const {
  for (size_t i = 0; i < columns.size(); ++i)
    if (columns[i].list == list) return static_cast<int>(i);
  return 0;
}

void l_QORDlgMultiList::selectedCB(Widget w, XtPointer client, XtPointer call) {
  static_cast<l_QORDlgMultiList*>(client)->userSelected(w, static_cast<XmListCallbackStruct*>(call));
}

void l_QORDlgMultiList::userSelected(Widget list, const XmListCallbackStruct* cbs) {
  selectedColumn = columnOfList(list);
  const int line = lineOfPosition(cbs->item_position);
  if (!windowed() && QORDlgListWidget::topPosition(list) - 1 != topLine) {
    // Motif scrolled this list to show the line: the others follow.
    needToSynchronizeTopItems = 1;
    scrollTo(QORDlgListWidget::topPosition(list) - 1, true);
  }
  if (multiple()) {
    if (windowed() && cbs->selection_type != XmINITIAL) {
      for (int l = topLine; l < std::min(topLine + windowLines(), GetLineCount()); ++l)
        if (IsSelect(l)) flags[static_cast<size_t>(l)] = 0, --selectedCount;
    } else {
      clearFlags();
    }
    for (int i = 0; i < cbs->selected_item_count; ++i) mark(lineOfPosition(cbs->selected_item_positions[i]));
    lastUpdateKind = KindRelease;
  } else {
    clearFlags();
    if (XmListPosSelected(list, cbs->item_position)) mark(line);
    lastUpdateKind = KindSingle;
  }
  currentLine = std::max(0, std::min(line, GetLineCount() - 1));
  applySelection(list);
  notify(&selectNotification);
}

void l_QORDlgMultiList::activatedCB(Widget, XtPointer client, XtPointer) {
  auto* self = static_cast<l_QORDlgMultiList*>(client);
  self->lastUpdateKind = KindRelease;
  self->notify(&self->activateNotification);
}

void l_QORDlgMultiList::thirdButtonEH(Widget w, XtPointer client, XEvent* event, Boolean*) {
  if (event->type != ButtonPress || event->xbutton.button != Button3) return;
  auto* self = static_cast<l_QORDlgMultiList*>(client);
  const int position = QORDlgListWidget::positionAt(w, event->xbutton.y);
  const int line = position ? self->lineOfPosition(position) : -1;
  self->contextualLine = line >= 0 && line < self->GetLineCount() ? line + 1 : 0;
  self->threeButton(&event->xbutton);
}
