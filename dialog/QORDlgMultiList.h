// A table of text: columns with optional titles, all with the same lines,
// one or several lines selected (QORDlgListMultiple). The user resizes a
// column by dragging the separator at its right. With QORDlgListWindowed the
// widgets hold only the visible lines, which keeps a million lines cheap.
// Lines and columns are numbered from 0; the contextual line from 1 (0: none).
#pragma once
#include "QORDlgControl.h"

class QORDlgMultiList : public QORDlgControl {
 public:
  QORDlgMultiList(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgMultiList"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgListSelectNotification* GetListSelectNotification() const;
  QORDlgListActivateNotification* GetListActivateNotification() const;

  // --- columns
  int GetColumnCount();
  void SetVisibleColumnCount(int count);
  int GetVisibleColumnCount();
  void SetColumnTitles(int count, QORUnicodeString* titles);
  // QORDlgShown or QORDlgHidden.
  void SetColumnVisibility(int column, unsigned long visibility);
  unsigned long GetColumnVisibility(int column);
  // Column from+i goes to destinations[i], for i below count.
  void ReorderColumns(int* destinations, int count, int from);
  int GetColumnPixelWidth(int column);
  void SetColumnPixelWidth(int column, int pixels);
  int GetColumnTextWidth(int column);
  void SetColumnTextWidth(int column, int characters);

  // --- selection (by line, or by the text of a column)
  int GetSelectCount();
  int GetSelectedColumn();
  int IsSelect(int line);
  int IsSelect(int column, const QORUnicodeString& text);
  int GetSelect(int* lines, int max);
  int GetSelect(int column, QORUnicodeString* texts, int max);
  void ClearSelect();
  int SetSelect(int* lines, int count, int notify);
  int SetSelect(int column, QORUnicodeString* texts, int count, int notify);

  // --- what is shown
  int GetVisibleTextWidth();
  void SetVisibleTextWidth(int characters);
  int GetVisibleLineCount();
  void SetVisibleLineCount(int lines);
  int GetFirstLine();
  void SetFirstLine(int line);
  int GetContextualLine();
  // Lists linked here scroll together.
  void Synchronize(QORDlgMultiList* other);

  // --- lines: a line inside the column inserts before it, or with mode 0x80
  // overwrites from it on; anything else appends. Returns the selected count.
  int GetLineCount();
  void GetColumnItem(int column, QORUnicodeString& text, int line);
  int SetColumnItem(int column, const QORUnicodeString& text, int line = -1, unsigned long mode = 0);
  int SetColumnItems(int column, const QORUnicodeString* texts, int count, int line = -1, unsigned long mode = 0);
  void ClearLine(int line);
  void ClearLine(int* lines, int count);
  void ClearLine();
};
