#include "l_QORDlgRecordIo.h"

#include <cstdarg>
#include <cstdio>

#include "l_QORDlgRecordTrace.h"

void l_QORDlgRecordIo::detail(const char* format, ...) {
  if (!l_QORDlgRecordTrace::At('2')) return;  // nobody reads it
  va_list ap, again;
  va_start(ap, format);
  va_copy(again, ap);
  std::string line(static_cast<size_t>(std::vsnprintf(nullptr, 0, format, ap)), '\0');
  std::vsnprintf(&line[0], line.size() + 1, format, again);
  va_end(again);
  va_end(ap);
  lines.push_back(line);
}
