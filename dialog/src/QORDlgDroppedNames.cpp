#include "QORDlgDroppedNames.h"

#include <cstring>

namespace {
// The pieces between `separator`s, empty ones left out (two separators in a
// row name nothing); with `needsEnd`, a piece counts only once its separator came.
std::vector<std::string> cut(const char* bytes, size_t length, char separator, bool needsEnd) {
  std::vector<std::string> names;
  if (!bytes) return names;
  size_t start = 0;
  for (size_t at = 0; at <= length; ++at) {
    const bool ended = at < length && bytes[at] == separator;
    if (!ended && (at < length || needsEnd)) continue;
    if (at > start) names.emplace_back(bytes + start, at - start);
    start = at + 1;
  }
  return names;
}
}  // namespace

std::vector<std::string> QORDlgDroppedNames::FromSpaced(const char* bytes, size_t length) {
  return cut(bytes, length, ' ', true);
}

std::vector<std::string> QORDlgDroppedNames::FromSeparated(const char* bytes, size_t length) {
  return cut(bytes, length, '\0', false);
}
