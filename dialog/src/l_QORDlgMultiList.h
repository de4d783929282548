// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgMultiList (class code 40). Widgets: the scrolled window
// "mainSwindow" (the base widget) with the clip window "clip" as its work
// area, one shared vertical scroll bar "vbar" and a horizontal one "hbar";
// the clip window holds the form "mainForm", moved sideways by "hbar"; per
// column a form "forms[i]" holding a frame "frames[i]" with the title
// "v_titles[i]" and the list "list[i]", and the separator "sep[i]" at its
// right that resizes it. The lists have no scroll bars of their own: the
// shared one moves them all, so they cannot drift apart. In the windowed
// mode each list holds only the visible lines and scrolling rewrites them.
#pragma once
#include <vector>

#include "QORDlgListWidget.h"
#include "QORDlgMultiList.h"
#include "QORDlgTextColumn.h"
#include "l_QORDlgControl.h"

class l_QORDlgRecordIo;

class l_QORDlgMultiList : public l_QORDlgControl {
 public:
  l_QORDlgMultiList(l_QORDialog* father, const QORString& name, QORDlgMultiList* api, unsigned long style);
  ~l_QORDlgMultiList() override;
  void Build() override;
  void UnBuild() override;
  unsigned long GetClassCode() const override { return QORDlgCodeMultiList; }
  void update(unsigned long mask) override;
  void recordCases(l_QORDlgRecordCases& cases) override;
  Widget GetBaseWidget(int which) override;

  // --- columns
  int GetColumnCount() const { return static_cast<int>(columns.size()); }
  void SetVisibleColumnCount(int count) { visibleColumnCount = count; }
  int GetVisibleColumnCount() const { return visibleColumnCount; }
  void SetColumnTitles(int count, const QORUnicodeString* titles);
  void SetColumnVisibility(int column, unsigned long visibility);
  unsigned long GetColumnVisibility(int column) const;
  void ReorderColumns(const int* destinations, int count, int from);
  int GetColumnPixelWidth(int column) const;
  void SetColumnPixelWidth(int column, int pixels);
  int GetColumnTextWidth(int column) const;
  void SetColumnTextWidth(int column, int characters);

  // --- selection
  int GetSelectCount() const { return selectedCount; }
  int GetSelectedColumn() const { return selectedColumn; }
  int IsSelect(int line) const;
  int IsSelect(int column, const QORUnicodeString& text) const;
  int GetSelect(int* out, int max) const;
  int GetSelect(int column, QORUnicodeString* out, int max) const;
  void ClearSelect();
  int SetSelect(const std::vector<int>& wanted, int notifyIt);
  int SetSelect(int column, const QORUnicodeString* texts, int count, int notifyIt);

  // --- what is shown
  int GetVisibleTextWidth() const { return visibleWidth; }
  void SetVisibleTextWidth(int characters);
  int GetVisibleLineCount() const { return visibleLines; }
  void SetVisibleLineCount(int count);
  int GetFirstLine() const { return topLine; }
  void SetFirstLine(int line);
  int GetContextualLine() const { return contextualLine; }
  void Synchronize(l_QORDlgMultiList* other);

  // --- lines
  int GetLineCount() const { return static_cast<int>(flags.size()); }
  void GetColumnItem(int column, QORUnicodeString& text, int line);
  int SetColumnItems(int column, const QORUnicodeString* texts, int count, int line, unsigned long mode);
  void ClearLine(std::vector<int> gone);
  void ClearLine();

  // --- the keys (Xt actions named in every column's translations)
  static void ListNextItemCB(Widget w, XEvent* event, String* params, Cardinal* count);
  static void ListPrevItemCB(Widget w, XEvent* event, String* params, Cardinal* count);
  static void ListExtendNextItemCB(Widget w, XEvent* event, String* params, Cardinal* count);
  static void ListExtendPrevItemCB(Widget w, XEvent* event, String* params, Cardinal* count);
  static void ListPageUpCB(Widget w, XEvent* event, String* params, Cardinal* count);
  static void ListPageDownCB(Widget w, XEvent* event, String* params, Cardinal* count);

  QORDlgListSelectNotification selectNotification;
  QORDlgListActivateNotification activateNotification;

 private:
  struct Column {
    QORDlgTextColumn items;  // may be shorter than the table: shown padded with blanks
    QORUnicodeString title;
    unsigned long visibility = QORDlgShown;
    int textWidth = -1, pixelWidth = -1;
    size_t shownUpTo = 0;   // the list's items match items [0, shownUpTo)
    Widget form = nullptr, sep = nullptr, frame = nullptr, titleLabel = nullptr, list = nullptr;
  };
  enum { KindProgram = -1, KindRelease = 0, KindSingle = 1 };

  // l_QORDlgMultiList.cpp: the table
  Column& column(int index);
  const Column& column(int index) const;
  void buildNewColumnsIfNecessary(int index);
  void keepEqualColumnSizes();
  void mark(int line);
  void clearFlags();
  int findText(int col, const QORUnicodeString& text) const;
  void changed(unsigned long bits);
  bool multiple() const { return (style & QORDlgListMultiple) != 0; }
  bool windowed() const { return (style & QORDlgListWindowed) != 0; }

  // l_QORDlgMultiListWidgets.cpp: widgets and their updates
  void buildColumn(size_t index);
  void applyItems();
  void applySelection(Widget except = nullptr);
  void applyTop();
  void applyTitles();
  void arrange();
  void applyScrollBar();
  void addScrollCallbacks(Widget bar, XtCallbackProc proc);
  int columnPixels(const Column& c) const;
  int columnsWidth() const;
  void naturalSize();
  int windowLines() const;
  int lineOfPosition(int position) const;
  // Moves the top line (clamped) on this list and the lists synchronized with it.
  void scrollTo(int line, bool alsoSynchronized);
  int columnOfList(Widget list) const;
  static void scrolledCB(Widget w, XtPointer client, XtPointer call);
  static void resizedEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  static void selectedCB(Widget w, XtPointer client, XtPointer call);
  static void activatedCB(Widget w, XtPointer client, XtPointer call);
  static void thirdButtonEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  void userSelected(Widget list, const XmListCallbackStruct* cbs);

  // l_QORDlgMultiListSideways.cpp: the clip window and the horizontal bar
  void buildClip();
  void placeColumns();
  static void clipResizedCB(Widget w, XtPointer client, XtPointer call);
  static void sideScrolledCB(Widget w, XtPointer client, XtPointer call);
  static void focusEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  void showColumn(const Column& c);

  // l_QORDlgMultiListResize.cpp: dragging a separator
  static void separatorEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  void separatorDragged(int col, XEvent* event);
  void drawRubberBand(int x);

  // l_QORDlgMultiListKeys.cpp
  static l_QORDlgMultiList* ofList(Widget w);
  void moveCurrent(int step, bool extend);
  void page(int direction);
  void keepCurrentVisible();
  void applyNow();

  // l_QORDlgMultiListRecord.cpp
  void recordSelect(l_QORDlgRecordIo& io);

  std::vector<Column> columns;
  std::vector<short> flags;  // per line: selected; its size is the line count
  bool titlesGiven = false;
  int visibleColumnCount = 0;
  int visibleWidth = 20, visibleLines = 10;
  int topLine = 0;
  int selectedColumn = 0;
  int contextualLine = 0;
  int currentLine = 0;
  int selectedCount = 0;
  int needToSynchronizeTopItems = 0;
  int lastUpdateKind = KindProgram;
  int charWidth = 7;
  int shownLines = 0;  // what windowLines() was when the lists were last filled
  std::vector<l_QORDlgMultiList*> synchronized;
  Widget mainForm = nullptr, vbar = nullptr, clip = nullptr, hbar = nullptr;
  int shift = 0;  // pixels of the columns scrolled out on the left
  GC rubberGC = nullptr;
  int rubberX = -1, dragFromX = 0;
};
