// A value dropped by another application, cut into file names both ways: no
// name is empty, none holds its separator, and the names with their
// separators put back are the value (minus the empty names and, for text, the
// unfinished tail).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "QORDlgDroppedNames.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
}

void agree(const std::string& value, const std::vector<std::string>& names, char separator, bool needsEnd) {
  std::string expected, piece;
  for (char c : value) {
    if (c != separator) {
      piece += c;
      continue;
    }
    if (!piece.empty()) expected += piece + separator;
    piece.clear();
  }
  if (!needsEnd && !piece.empty()) expected += piece + separator;
  std::string joined;
  for (const std::string& name : names) {
    check(!name.empty());
    check(name.find(separator) == std::string::npos);
    joined += name + separator;
  }
  check(joined == expected);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string value(reinterpret_cast<const char*>(data), size);
  agree(value, QORDlgDroppedNames::FromSeparated(value.data(), value.size()), '\0', false);
  agree(value, QORDlgDroppedNames::FromSpaced(value.data(), value.size()), ' ', true);
  return 0;
}
