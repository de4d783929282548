// Internal to libTOLVEN: not API, never installed.
// The file names in a value that another application dropped on a document
// window. The value is outside input: any bytes, any length. X-free, so that
// the fuzzer runs it alone.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

class QORDlgDroppedNames {
 public:
  // A text value (COMPOUND_TEXT, already decoded): the names that a space
  // follows; what comes after the last space is not a whole name.
  static std::vector<std::string> FromSpaced(const char* bytes, size_t length);
  // A STRING value (what FILE_NAME converts to): names separated by NUL
  // bytes; the last one may end the value without its NUL.
  static std::vector<std::string> FromSeparated(const char* bytes, size_t length);
};
