// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgEditor (class code 29): an XmText, in a scrolled window
// when multi-line (the scrolled window is then the base widget).
#pragma once
#include "QORDlgEditor.h"
#include "l_QORDlgControl.h"
#include "l_QORDlgTextEntry.h"

class l_QORDlgEditor : public l_QORDlgControl {
 public:
  l_QORDlgEditor(l_QORDialog* father, const QORString& name, QORDlgEditor* api, unsigned long style);
  unsigned long GetClassCode() const override { return QORDlgCodeEditor; }
  void Build() override;
  void update(unsigned long mask) override;
  void SetSensitivity(unsigned long sensitivity) override;
  l_QORDialog* GetFirstEditable() override;
  void recordCases(l_QORDlgRecordCases& cases) override;
  void manage() override;
  void unmanage() override;

  // The XmText itself (the base widget is its scrolled window when multi-line).
  Widget GetTextWidget() const { return text; }
  bool isMultiline() const { return (style & QORDlgEditMultiline) != 0; }
  bool isReal() const { return (style & QORDlgEditReal) != 0; }

  void SetText(const QORUnicodeString& t);
  const QORUnicodeString& GetText() const { return refText; }
  void SetValue(double v, int notifyIt);
  double GetValue() const { return isReal() ? value : 0; }
  int GetIntegerValue() const;
  float GetFloatValue() const;
  void SetVisibleTextWidth(int columns);
  int GetVisibleTextWidth() const { return visibleWidth; }
  void SetVisibleTextHeight(int rows);
  int GetVisibleTextHeight() const { return visibleHeight; }
  void SetMaxCharacterWidth(int characters);
  int GetMaxCharacterWidth() const { return maxCharacters; }
  void SetFirstLine(int line);
  int GetFirstLine() const;
  void SetFirstColumn(int column);
  int GetFirstColumn() const { return firstColumn; }
  int GetLineCount() const;
  void GetLine(QORUnicodeString& out, int line) const;
  void SetLine(const QORUnicodeString& t, int line);
  void ClearLine(int line);
  void SetVerifyCallback(QORDlgEditor::TextCallback cb, void* data);
  void SetInputCallback(QORDlgEditor::TextCallback cb, void* data);
  void SetColor(unsigned char red, unsigned char green, unsigned char blue);
  void SetSelection(int start, int end);
  void GetSelection(int& start, int& end) const;

  // Motif's proposed change, judged before it shows.
  void editorModifyVerify(XmTextVerifyCallbackStruct* change);
  // The user commits: Return (forced) or leaving the field.
  void editorActivate(bool forced);

  QORDlgEditModifyNotification modifyNotification;

 private:
  static void modifyVerifyCB(Widget w, XtPointer client, XtPointer call);
  static void activateCB(Widget w, XtPointer client, XtPointer call);
  void raise(unsigned long bits);
  QORDlgEntryContent content() const;
  bool acceptsTyped(const QORUnicodeString& next);
  void buildMultiline(Widget parent, QORDlgArgList& args);
  void naturalSize();
  void countLines(const QORUnicodeString& t);
  void recomputeScrollNeed();
  void applyScrollBars();
  void applyText();
  void applyFirstLine();
  void applyColor();

  int visibleWidth = 10;
  int visibleHeight = 1;
  int firstLine = 0, firstColumn = 0;
  int maxCharacters = 0x7FFFFFFF;
  QORUnicodeString refText;  // the committed text
  l_QORDlgTextEntry entry;   // what is being typed
  int scrollNeed = -1;       // bit 1: all columns fit; bit 2: all rows fit
  int longestLine = 0, lineCount = 0;
  QORDlgEditor::TextCallback verifyCallback = nullptr;
  void* verifyData = nullptr;
  QORDlgEditor::TextCallback inputCallback = nullptr;
  void* inputData = nullptr;
  double value = 0;
  unsigned char color[3] = {0, 0, 0};
  Widget text = nullptr, horizontalBar = nullptr, verticalBar = nullptr;
};
