// Internal to libTOLVEN: not API, never installed.
// The texts of one column of the multi-column list, kept in blocks of bytes
// rather than one allocation per line: a table of 100 000 lines costs a few
// dozen blocks per column, and showing the lines reads them in place. The
// blocks stay small enough (64 KiB) for the heap to hand them on to Motif's
// own small allocations once the table is gone, instead of returning them
// to the system to be faulted in again.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "QORString.h"

class QORDlgTextColumn {
 public:
  std::size_t size() const { return starts.size(); }
  bool empty() const { return starts.empty(); }
  // Line `i`'s UTF-8 bytes, NUL-terminated, valid until the column changes.
  const char* c_str(std::size_t i) const { return at(blocks, starts[i]); }
  std::size_t length(std::size_t i) const { return std::strlen(c_str(i)); }
  QORUnicodeString text(std::size_t i) const { return QORUnicodeString(c_str(i)); }
  bool equals(std::size_t i, const QORUnicodeString& text) const { return std::strcmp(c_str(i), text.c_str()) == 0; }
  // Puts `count` texts in by the lines' insertion rule (QORDlgInsertLines).
  void insert(const QORUnicodeString* texts, int count, int position, unsigned long mode);
  // Removes the lines of `gone` (sorted, unique; those past the end are not there).
  void erase(const std::vector<int>& gone);
  void clear();

 private:
  using Blocks = std::vector<std::unique_ptr<char[]>>;
  static constexpr int kOffsetBits = 16;
  static constexpr std::size_t kBlock = std::size_t{1} << kOffsetBits;
  // A line's place: its block's index above the offset in that block.
  static const char* at(const Blocks& b, std::uint32_t start) {
    return b[start >> kOffsetBits].get() + (start & (kBlock - 1));
  }
  std::uint32_t append(const char* text, std::size_t bytes, std::size_t coming);
  void forget(std::size_t from, std::size_t to);
  void compactIfMostlyDead();

  Blocks blocks;
  std::size_t lastSize = 0, lastUsed = 0;  // of the block being filled
  std::size_t stored = 0, dead = 0;        // bytes of texts put in, and of those no line has any more
  std::vector<std::uint32_t> starts;       // per line, four bytes
};
