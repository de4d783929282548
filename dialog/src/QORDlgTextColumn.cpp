#include "QORDlgTextColumn.h"

#include <algorithm>

#include "QORDlgLineInsertion.h"
#include "qordlg_assert.h"

// `bytes` with its NUL; `coming` is what the same call still brings, so a
// table filled in one call gets full-size blocks at once and a small one
// small blocks, doubling as it grows. A text longer than a block has its own.
std::uint32_t QORDlgTextColumn::append(const char* text, std::size_t bytes, std::size_t coming) {
  if (blocks.empty() || lastUsed + bytes > lastSize) {
    QORDLG_ASSERT(blocks.size() < (std::size_t{1} << (32 - kOffsetBits)), "column texts < 4 GiB");
    lastSize = std::max({bytes, std::min(kBlock, std::max({coming, 2 * lastSize, std::size_t{256}}))});
    blocks.emplace_back(new char[lastSize]);
    lastUsed = 0;
  }
  const auto start = static_cast<std::uint32_t>(((blocks.size() - 1) << kOffsetBits) | lastUsed);
  std::memcpy(blocks.back().get() + lastUsed, text, bytes);
  lastUsed += bytes;
  stored += bytes;
  return start;
}

void QORDlgTextColumn::insert(const QORUnicodeString* texts, int count, int position, unsigned long mode) {
  std::size_t coming = 0;
  for (int i = 0; i < count; ++i) coming += static_cast<std::size_t>(texts[i].GetLengthInByte()) + 1;
  std::vector<std::uint32_t> added(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const std::size_t bytes = static_cast<std::size_t>(texts[i].GetLengthInByte()) + 1;
    added[static_cast<std::size_t>(i)] = append(texts[i].c_str(), bytes, coming);
    coming -= bytes;
  }
  // The lines overwritten in place leave their bytes behind.
  const auto at = static_cast<std::size_t>(position);
  if ((mode & QORDlgLineReplace) && position >= 0 && at < starts.size())
    forget(at, std::min(starts.size(), at + added.size()));
  QORDlgInsertLines(starts, std::move(added), position, mode);
  compactIfMostlyDead();
}

void QORDlgTextColumn::erase(const std::vector<int>& gone) {
  std::size_t kept = 0, next = 0;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    if (next < gone.size() && static_cast<std::size_t>(gone[next]) == i) {
      ++next;
      forget(i, i + 1);
      continue;
    }
    starts[kept++] = starts[i];
  }
  starts.resize(kept);
  compactIfMostlyDead();
}

void QORDlgTextColumn::clear() {
  Blocks().swap(blocks);
  std::vector<std::uint32_t>().swap(starts);
  lastSize = lastUsed = stored = dead = 0;
}

void QORDlgTextColumn::forget(std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to; ++i) dead += length(i) + 1;
}

// Copied afresh in line order once more than half the bytes are dead: each
// byte copied was paid for by one forgotten, so the blocks stay within twice
// the texts.
void QORDlgTextColumn::compactIfMostlyDead() {
  if (dead * 2 <= stored) return;
  const Blocks old = std::move(blocks);
  blocks.clear();
  lastSize = lastUsed = stored = dead = 0;
  std::size_t coming = 0;
  for (std::uint32_t start : starts) coming += std::strlen(at(old, start)) + 1;
  for (std::uint32_t& start : starts) {
    const char* text = at(old, start);
    const std::size_t bytes = std::strlen(text) + 1;
    start = append(text, bytes, coming);
    coming -= bytes;
  }
}
