// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgCombo (class code 30): a form holding an XmText field and
// an arrow, whose list drops in an override shell of its own; or an option
// menu. Base widgets: 0 the form or option menu, 1 the field, 2 the list,
// 3 the arrow, 4 the list's shell, 5 the graphic list.
#pragma once
#include <vector>

#include "QORDlgCombo.h"
#include "l_QORDlgControl.h"
#include "l_QORDlgTextEntry.h"

struct l_QORDlgComboLine {
  enum Kind { Text, Value, Color, Icon, Bitmap };
  Kind kind = Text;
  QORUnicodeString text;
  double value = 0;
  unsigned char rgb8[3] = {0, 0, 0};
  unsigned short rgb16[3] = {0, 0, 0};
  QORString iconName;
  std::vector<char> bits;
  int width = 0, height = 0;
};

class l_QORDlgCombo : public l_QORDlgControl {
 public:
  l_QORDlgCombo(l_QORDialog* father, const QORString& name, QORDlgCombo* api, unsigned long style);
  ~l_QORDlgCombo() override;
  unsigned long GetClassCode() const override { return QORDlgCodeCombo; }
  void Build() override;
  void update(unsigned long mask) override;
  Widget GetBaseWidget(int which) override;
  void recordCases(l_QORDlgRecordCases& cases) override;

  bool isReal() const { return (style & QORDlgComboReal) != 0; }
  bool isGraphic() const { return (style & (QORDlgComboColor | QORDlgComboIcon | QORDlgComboBitmap)) != 0; }
  bool isOptionMenu() const { return (style & QORDlgComboOptionMenu) != 0; }
  bool IsOpen() const { return listOpen; }

  int GetSelect() const { return selected; }
  int SetSelect(int line, int notifyIt);
  int SetSelect(const QORUnicodeString& text, int notifyIt);
  int SetSelect(double value, int notifyIt);
  void ClearSelect();
  int GetLineCount() const { return static_cast<int>(lines.size()); }
  const l_QORDlgComboLine* line(int i) const;
  // The common insertion of every SetLine form; -1 when `kind` is not this combo's.
  int insertLines(std::vector<l_QORDlgComboLine>&& added, int position, unsigned long mode);
  int ClearLine(const int* which, int count);
  int ClearLine();
  const QORUnicodeString& GetField() const { return fieldText; }
  double GetFieldValue() const { return fieldValue; }
  void SetField(const QORUnicodeString& text);
  void SetField(double value);
  void ClearField();
  void SetVisibleTextWidth(int columns);
  int GetVisibleTextWidth() const { return visibleWidth; }
  void SetVisibleTextHeight(int count);
  int GetVisibleTextHeight() const { return visibleHeight; }

  // The list drops or closes (the window father keeps the open one).
  void arrowPressed();
  void popupCombo();
  void CloseCombo();
  // A line chosen in the list (1-based position), the option menu or a graphic line.
  void listSelected(int position, int reason, XEvent* event);
  void menuSelected(Widget button);
  void graphicSelected(int line);
  // The Up and Down keys of the field (the QORDlgComboUp/Down actions).
  void step(int by);
  static void ComboUpCB(Widget w, XEvent* event, String* params, Cardinal* count);
  static void ComboDownCB(Widget w, XEvent* event, String* params, Cardinal* count);
  void comboModifyVerify(XmTextVerifyCallbackStruct* change);
  void entryChanged(bool forced);

  QORDlgComboSelectNotification selectNotification;
  QORDlgComboModifyNotification modifyNotification;
  QORDlgComboDropNotification dropNotification;
  QORDlgEditModifyNotification editModifyNotification;

 private:
  void raise(unsigned long bits);
  void choose(int line);  // selects, updates at once and tells
  void selectMatchingField();
  QORUnicodeString lineText(const l_QORDlgComboLine& l) const;
  void buildField(Widget parent);
  void buildList();
  void buildOptionMenu(Widget parent);
  void fillList();
  void fillMenu();
  void remeasureMenu();
  void fillGraphicList();
  void showField();
  void showSelection();
  void closeThroughWindow();
  [[noreturn]] void lineNotFound(const char* recorded);
  static void arrowCB(Widget, XtPointer client, XtPointer);
  static void listCB(Widget, XtPointer client, XtPointer call);
  static void menuCB(Widget w, XtPointer client, XtPointer);
  static void fieldVerifyCB(Widget, XtPointer client, XtPointer call);
  static void fieldCommitCB(Widget, XtPointer client, XtPointer call);
  static void graphicEH(Widget w, XtPointer client, XEvent* event, Boolean*);

  int visibleWidth = 10;
  int visibleHeight = -1;
  std::vector<l_QORDlgComboLine> lines;
  std::vector<Widget> menuButtons;
  int selected = 0;
  QORUnicodeString fieldText;
  double typedValue = 0, fieldValue = 0;
  l_QORDlgTextEntry entry;  // the field's typing; `modified` is the combo's modified flag
  bool listOpen = false;
  Widget field = nullptr, list = nullptr, arrow = nullptr, listShell = nullptr, graphicList = nullptr;
  Widget pulldown = nullptr;
  std::vector<Widget> graphicWidgets;  // ico_i then lab_i
  std::vector<Pixmap> graphicPixmaps;
  int highlighted = -1;  // the graphic line under the pointer
};
