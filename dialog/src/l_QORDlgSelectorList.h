// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgSelectorList (class code 28): an XmList in its scrolled
// window (the base widget). The lines live here; the widget catches up with
// them in update(), from the first line that changed, so appending lines one
// call at a time costs O(1) each.
#pragma once
#include <vector>

#include "QORDlgListWidget.h"
#include "QORDlgSelectorList.h"
#include "QORDlgTextColumn.h"
#include "l_QORDlgControl.h"

class l_QORDlgRecordIo;

class l_QORDlgSelectorList : public l_QORDlgControl {
 public:
  l_QORDlgSelectorList(l_QORDialog* father, const QORString& name, QORDlgSelectorList* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeSelectorList; }
  void update(unsigned long mask) override;
  void recordCases(l_QORDlgRecordCases& cases) override;
  void Motion(XEvent* event) override;
  Widget GetBaseWidget(int which) override;

  // --- selection
  int GetSelectCount() const { return selectedCount; }
  int IsSelect(int line) const;
  int IsSelect(const QORUnicodeString& text) const;
  int GetSelect(int* out, int size) const;
  int GetSelect(QORUnicodeString* out, int size) const;
  void ClearSelect();
  int SetSelect(const std::vector<int>& wanted, int notifyIt);
  int SetSelect(const QORUnicodeString* texts, int count, int notifyIt);

  // --- what is shown
  int GetVisibleTextWidth() const { return visibleWidth; }
  void SetVisibleTextWidth(int characters);
  int GetVisibleTextHeight() const { return visibleHeight; }
  void SetVisibleTextHeight(int count);
  int GetFirstLine() const;
  void SetFirstLine(int line);
  int GetFirstColumn() const { return firstColumn; }
  void SetFirstColumn(int column);
  int GetContextualLine() const { return contextualLine; }

  // --- lines
  int GetLineCount() const { return static_cast<int>(selected.size()); }
  int GetLine(QORUnicodeString& text, int line) const;
  int SetLine(const QORUnicodeString* texts, int count, int position, unsigned long mode);
  void ClearLine(std::vector<int> gone);
  void ClearLine();

  QORDlgListSelectNotification selectNotification;
  QORDlgListActivateNotification activateNotification;

 private:
  static void selectedCB(Widget w, XtPointer client, XtPointer call);
  static void activatedCB(Widget w, XtPointer client, XtPointer call);
  static void thirdButtonEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  void userSelected(const XmListCallbackStruct* cbs);
  bool multiple() const { return (style & QORDlgListMultiple) != 0; }
  // The widget's items from `line` on no longer match the lines.
  void linesChangedFrom(size_t line);
  void selectionChanged();
  void mark(int line);
  int findText(const QORUnicodeString& text) const;
  void applyItems();
  void applySelection();
  void applyFirst();
  void applyVisible();
  void naturalSize();
  void recordSelect(l_QORDlgRecordIo& io);
  void recordDrag(l_QORDlgRecordIo& io);

  int visibleWidth = 10, visibleHeight = 10;
  int firstLine = 0, firstColumn = 0;
  QORDlgTextColumn items;      // the lines as the widget shows them
  std::vector<short> selected;  // per line
  int selectedCount = 0;
  int contextualLine = 0;
  size_t shownUpTo = 0;  // the widget's items match lines [0, shownUpTo)
  Widget list = nullptr;
};
