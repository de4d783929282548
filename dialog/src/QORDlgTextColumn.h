// Internal to libTOLVEN: not API, never installed.
// The lines of a list control (the selector list, a column of the
// multi-column list), kept as the compound strings its list widget shows:
// each line's string is made once, when the line comes in, and handed to
// Motif as it is (Motif shares a compound string by reference count), so
// filling or rewriting a list makes none and the text is not kept twice. A line's text is read back from its string; a text
// the string cannot give back exactly (a core-font face keeps only Latin-1,
// tabs and line breaks become components) also keeps its UTF-8 beside it.
#pragma once
#include <Xm/Xm.h>

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "QORString.h"

class QORDlgTextColumn {
 public:
  QORDlgTextColumn() = default;
  QORDlgTextColumn(QORDlgTextColumn&& other) noexcept;
  QORDlgTextColumn& operator=(QORDlgTextColumn&& other) noexcept;
  QORDlgTextColumn(const QORDlgTextColumn&) = delete;
  QORDlgTextColumn& operator=(const QORDlgTextColumn&) = delete;
  ~QORDlgTextColumn() { clear(); }

  std::size_t size() const { return strings.size(); }
  bool empty() const { return strings.empty(); }
  // Line `i` as shown, owned by the column: Motif takes it by XmStringCopy.
  const XmString* items(std::size_t from) const { return strings.data() + from; }
  QORUnicodeString text(std::size_t i) const;
  // The line with the most UTF-8 bytes (the first of them), 0 when empty.
  std::size_t longest() const { return longestLine; }
  // Puts `count` texts in by the lines' insertion rule (QORDlgInsertLines).
  void insert(const QORUnicodeString* texts, int count, int position, unsigned long mode);
  // Removes the lines of `gone` (sorted, unique; those past the end are not there).
  void erase(const std::vector<int>& gone);
  void clear();

 private:
  XmString make(const QORUnicodeString& text);
  void release(std::size_t from, std::size_t to);
  void findLongest();

  std::vector<XmString> strings;                          // per line, eight bytes
  std::unordered_map<XmString, std::string> sideTexts;  // of the lines not given back exactly
  std::size_t longestLine = 0;
  long longestBytes = -1;
};
