// A list box: a scrolled list of text lines, one or several selected
// (QORDlgListMultiple), activated by a double click or Return. Lines are
// numbered from 0; the contextual line is numbered from 1 (0: none).
#pragma once
#include "QORDlgControl.h"

class QORDlgSelectorList : public QORDlgControl {
 public:
  QORDlgSelectorList(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgSelectorList"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgListSelectNotification* GetListSelectNotification() const;
  QORDlgListActivateNotification* GetListActivateNotification() const;

  // --- selection
  int GetSelectCount();
  int IsSelect(int line);
  int IsSelect(const QORUnicodeString& text);
  // Up to `size` selected lines (or their texts) in increasing order; returns the selected count.
  int GetSelect(int* lines, int size);
  int GetSelect(QORUnicodeString* texts, int size);
  void ClearSelect();
  // Selects the lines (or the lines with these texts); single selection takes
  // the first valid one only. Returns the selected count.
  int SetSelect(int* lines, int count, int notify);
  int SetSelect(QORUnicodeString* texts, int count, int notify);

  // --- what is shown
  int GetVisibleTextWidth();
  void SetVisibleTextWidth(int characters);
  int GetVisibleTextHeight();
  void SetVisibleTextHeight(int lines);
  int GetFirstLine();
  void SetFirstLine(int line);
  int GetFirstColumn();
  void SetFirstColumn(int column);
  int GetContextualLine();

  // --- lines: a position inside the list inserts before it, or with mode
  // 0x80 overwrites from it on; -1 or past the end appends. Returns the line count.
  int GetLineCount();
  int GetLine(QORUnicodeString& text, int line);
  int SetLine(const QORUnicodeString& text, int position = -1, unsigned long mode = 0);
  int SetLine(const QORUnicodeString* texts, int count, int position = -1, unsigned long mode = 0);
  void ClearLine(int line);
  void ClearLine(int* lines, int count);
  void ClearLine();
};
