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

namespace {

std::string readBlock(QORMarshal& stream) {
  const int length = stream.ReadNextLength();
  if (length < 0) {
    int none = 0;
    stream.Read(nullptr, &none);  // not a block: the stream fails and says why
    return std::string();
  }
  std::string bytes(static_cast<size_t>(length), '\0');
  int got = length;
  if (stream.Read(bytes.empty() ? nullptr : &bytes[0], &got) != 0) return std::string();
  bytes.resize(static_cast<size_t>(got));
  // A recorded terminator, and anything a hand-edited file put after it, is not text.
  const size_t zero = bytes.find('\0');
  if (zero != std::string::npos) bytes.resize(zero);
  return bytes;
}

void writeBlock(QORMarshal& stream, const std::string& bytes, bool terminated) {
  stream.Write(bytes.c_str(), static_cast<int>(bytes.size()) + (terminated ? 1 : 0));
}

}  // namespace

void l_QORDlgRecordIo::text(QORUnicodeString& value, bool terminated) {
  if (replay) value = QORUnicodeString(readBlock(stream));
  else writeBlock(stream, value.str(), terminated);
}

void l_QORDlgRecordIo::text(QORString& value, bool terminated) {
  if (replay) value = QORString(readBlock(stream));
  else writeBlock(stream, value.str(), terminated);
}
