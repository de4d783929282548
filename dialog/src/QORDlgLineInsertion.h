// Internal to libTOLVEN: not API, never installed.
// The one rule by which every list-like control (combo, selector list,
// multi-column list) takes new lines from the program.
#pragma once
#include <cstddef>
#include <utility>
#include <vector>

// Mode bit: overwrite from the position instead of inserting before it.
constexpr unsigned long QORDlgLineReplace = 0x80;

// Puts `added` into `lines` at `position` and returns the new line count.
// A position inside the list inserts before that line, or with
// QORDlgLineReplace overwrites the lines from it on, the surplus being
// appended; a negative position or one past the end appends. Linear in the
// lines moved, so adding one line at the end costs O(1) amortised.
template <typename Line>
int QORDlgInsertLines(std::vector<Line>& lines, std::vector<Line>&& added, int position, unsigned long mode) {
  const std::size_t count = lines.size();
  if (count == 0) {  // a list filled in one call takes the lines as they are
    lines = std::move(added);
    return static_cast<int>(lines.size());
  }
  if (position < 0 || static_cast<std::size_t>(position) >= count) {
    lines.insert(lines.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    return static_cast<int>(lines.size());
  }
  auto at = lines.begin() + position;
  if (!(mode & QORDlgLineReplace)) {
    lines.insert(at, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    return static_cast<int>(lines.size());
  }
  std::size_t i = 0;
  for (; i < added.size() && at != lines.end(); ++i, ++at) *at = std::move(added[i]);
  lines.insert(lines.end(), std::make_move_iterator(added.begin() + i), std::make_move_iterator(added.end()));
  return static_cast<int>(lines.size());
}
