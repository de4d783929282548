// A text entry: a single-line field or a scrolled multi-line area, optionally
// restricted to integers, reals, letters, digits or a physical value in the
// control's unit, masked as a password or read-only. Every keystroke is
// checked before it shows; the text typed becomes the editor's text when the
// user commits it (Return, or leaving the field after a change), which sends
// the edit-modify notification.
#pragma once
#include "QORDlgControl.h"

class QORDlgEditor : public QORDlgControl {
 public:
  // Judges a text: the one a keystroke would make (0 refuses it), or, for the
  // input callback, the one it made.
  using TextCallback = int (*)(const QORUnicodeString& text, void* data);

  QORDlgEditor(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgEditor"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgEditModifyNotification* GetEditModifyNotification() const;
  // The committed text. SetText is ignored by a real editor.
  void SetText(const QORUnicodeString& text);
  QORUnicodeString GetText() const;
  // A real editor's value, in base units; notify sends the modify notification.
  void SetValue(double value, int notify);
  double GetValue() const;
  // The committed text read as an integer (integer editors) or a float (float editors); 0 otherwise.
  int GetIntegerValue() const;
  float GetFloatValue() const;

  // Sizes in characters; values below 1 are ignored. Height: multi-line only.
  void SetVisibleTextWidth(int columns);
  int GetVisibleTextWidth() const;
  void SetVisibleTextHeight(int rows);
  int GetVisibleTextHeight() const;
  void SetMaxCharacterWidth(int characters);
  int GetMaxCharacterWidth() const;
  void SetFirstLine(int line);
  int GetFirstLine() const;
  void SetFirstColumn(int column);
  int GetFirstColumn() const;

  // Lines of the committed text, separated by "\n" and counted from 0.
  int GetLineCount() const;
  void GetLine(QORUnicodeString& text, int line) const;
  // Multi-line: a new line after `line`; -1 or past the last line appends.
  void SetLine(const QORUnicodeString& text, int line);
  void ClearLine(int line);

  void SetVerifyCallback(TextCallback callback, void* data);
  void SetInputCallback(TextCallback callback, void* data);
  void SetColor(unsigned char red, unsigned char green, unsigned char blue);
  // Character positions; start > end only moves the insertion point.
  void SetSelection(int start, int end);
  // The selection, or the insertion point and -1 when nothing is selected.
  void GetSelection(int& start, int& end) const;
};
