#include "QORDlgTextColumn.h"

#include <algorithm>

#include "QORDlgLineInsertion.h"
#include "QORDlgText.h"

namespace {
// Whether the compound string of `text` gives back exactly its bytes: plain
// characters always do, others only through a face that takes UTF-8.
bool givenBackExactly(const QORUnicodeString& text) {
  const bool latin1 = QORDlgText::isLatin1(QORDlgText::Document);
  for (const char* p = text.c_str(); *p; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (c < 0x20 || (c >= 0x80 && latin1)) return false;
  }
  return true;
}
}  // namespace

QORDlgTextColumn::QORDlgTextColumn(QORDlgTextColumn&& other) noexcept { *this = std::move(other); }

QORDlgTextColumn& QORDlgTextColumn::operator=(QORDlgTextColumn&& other) noexcept {
  if (this == &other) return *this;
  clear();
  strings.swap(other.strings);
  sideTexts.swap(other.sideTexts);
  std::swap(longestLine, other.longestLine);
  std::swap(longestBytes, other.longestBytes);
  return *this;
}

QORUnicodeString QORDlgTextColumn::text(std::size_t i) const {
  if (!sideTexts.empty())
    if (const auto kept = sideTexts.find(strings[i]); kept != sideTexts.end()) return QORUnicodeString(kept->second);
  // Plain, or UTF-8 kept whole by the face it was made for.
  return QORDlgText::bytesOf(strings[i]);
}

XmString QORDlgTextColumn::make(const QORUnicodeString& text) {
  XmString s = QORDlgText::toXmString(text);
  if (!givenBackExactly(text)) sideTexts[s] = text.str();
  return s;
}

void QORDlgTextColumn::insert(const QORUnicodeString* texts, int count, int position, unsigned long mode) {
  std::vector<XmString> added(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) added[static_cast<std::size_t>(i)] = make(texts[i]);
  // Where the new lines land, and what becomes of the longest line.
  const std::size_t before = strings.size(), at = static_cast<std::size_t>(position);
  const bool inside = position >= 0 && at < before;
  const std::size_t first = inside ? at : before;
  bool lostLongest = false;
  if (inside && (mode & QORDlgLineReplace)) {
    const std::size_t end = std::min(before, at + added.size());
    release(at, end);
    lostLongest = longestLine >= at && longestLine < end;
  } else if (inside && longestLine >= at) {
    longestLine += added.size();
  }
  QORDlgInsertLines(strings, std::move(added), position, mode);
  if (lostLongest) return findLongest();
  for (int i = 0; i < count; ++i)
    if (const long n = texts[i].GetLengthInByte(); n > longestBytes)
      longestBytes = n, longestLine = first + static_cast<std::size_t>(i);
}

void QORDlgTextColumn::erase(const std::vector<int>& gone) {
  std::size_t kept = 0, next = 0, goneBeforeLongest = 0;
  bool lostLongest = false;
  for (std::size_t i = 0; i < strings.size(); ++i) {
    if (next < gone.size() && static_cast<std::size_t>(gone[next]) == i) {
      ++next;
      release(i, i + 1);
      if (i < longestLine) ++goneBeforeLongest;
      lostLongest = lostLongest || i == longestLine;
      continue;
    }
    strings[kept++] = strings[i];
  }
  strings.resize(kept);
  if (lostLongest) findLongest();
  else longestLine -= goneBeforeLongest;
}

void QORDlgTextColumn::clear() {
  release(0, strings.size());
  std::vector<XmString>().swap(strings);
  longestLine = 0;
  longestBytes = -1;
}

void QORDlgTextColumn::release(std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to; ++i) {
    if (!sideTexts.empty()) sideTexts.erase(strings[i]);
    XmStringFree(strings[i]);
  }
}

// Reads every line back: only when the longest one went.
void QORDlgTextColumn::findLongest() {
  longestLine = 0;
  longestBytes = -1;
  for (std::size_t i = 0; i < strings.size(); ++i)
    if (const long n = text(i).GetLengthInByte(); n > longestBytes) longestBytes = n, longestLine = i;
}
