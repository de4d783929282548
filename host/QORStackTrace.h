// The call stack of the current thread, as text lines (glibc backtrace).
#pragma once
#include <string>
#include <vector>

class QORStackTrace {
 public:
  // Captures the stack of the caller; returns the number of levels.
  int GetTrace();
  int GetLevelCount() const { return static_cast<int>(lines_.size()); }
  // Copies level `level` (0 = innermost) into buffer, cut to size-1 bytes and
  // terminated; returns 0, or -1 when there is no such level.
  int Read(int level, char* buffer, int size) const;

 private:
  std::vector<std::string> lines_;
};
