// A choice: a field with an arrow that drops a list of lines, in three
// shapes (an editable field, a field the list alone fills, or an option
// menu). Lines are texts, physical values in the control's unit, or graphic
// lines: a colour swatch, an icon or a bitmap beside a text.
#pragma once
#include "QORDlgControl.h"

class QORDlgCombo : public QORDlgControl {
 public:
  QORDlgCombo(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgCombo"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgComboSelectNotification* GetComboSelectNotification() const;
  QORDlgComboModifyNotification* GetComboModifyNotification() const;
  QORDlgComboDropNotification* GetComboDropNotification() const;
  // Every keystroke the field accepts.
  QORDlgEditModifyNotification* GetEditModifyNotification() const;

  // The selected line, -1 for none. Selecting by text or value answers the
  // line found, or -1 (text lines are refused by real combos, values by others).
  int GetSelect() const;
  int SetSelect(int line, int notify);
  int SetSelect(const QORUnicodeString& text, int notify);
  int SetSelect(double value, int notify);
  void ClearSelect();

  // Lines: a position inside the list inserts before it (with
  // QORDlgComboReplace, overwrites from it on); -1 or past the end appends.
  // Each answers the new line count, or -1 when the combo takes no such line.
  int GetLineCount() const;
  int GetLine(QORUnicodeString& text, int line) const;
  double GetLine(int line) const;
  int SetLine(const QORUnicodeString& text, int position = -1, unsigned long mode = 0);
  int SetLine(const QORUnicodeString* texts, int count, int position = -1, unsigned long mode = 0);
  int SetLine(double value, int position = -1, unsigned long mode = 0);
  int SetLine(const double* values, int count, int position = -1, unsigned long mode = 0);
  int SetLine(const QORUnicodeString& text, unsigned char red, unsigned char green, unsigned char blue,
              int position = -1, unsigned long mode = 0);
  int SetLine(const QORUnicodeString& text, unsigned short red, unsigned short green, unsigned short blue,
              int position = -1, unsigned long mode = 0);
  int SetLine(const QORUnicodeString& text, const QORString& iconName, int position = -1, unsigned long mode = 0);
  int SetLine(const QORUnicodeString& text, const char* bits, int width, int height, int position = -1,
              unsigned long mode = 0);
  int GetLine(QORUnicodeString& text, unsigned char& red, unsigned char& green, unsigned char& blue, int line) const;
  int GetLine(QORUnicodeString& text, unsigned short& red, unsigned short& green, unsigned short& blue,
              int line) const;
  int GetLine(QORUnicodeString& text, QORString& iconName, int line) const;
  int ClearLine(int line);
  int ClearLine(const int* lines, int count);
  int ClearLine();

  // The field: text for text combos, value for real ones.
  void GetField(QORUnicodeString& text) const;
  void SetField(const QORUnicodeString& text);
  double GetField() const;
  void SetField(double value);
  void ClearField();

  void SetVisibleTextWidth(int columns);
  int GetVisibleTextWidth() const;
  // Lines shown by the dropped list; -1 fits the list up to ten lines.
  void SetVisibleTextHeight(int lines);
  int GetVisibleTextHeight() const;
};
