// Internal to libTOLVEN: not API, never installed.
// The record/replay stream of one notification, both ways: a letter's codec
// names each recorded field once, and the same call writes it while recording
// and reads it back while replaying. Value lines of the trace are kept here
// until the dispatcher has printed the header above them.
#pragma once
#include <string>
#include <vector>

#include "QORMarshal.h"
#include "QORString.h"

class l_QORDlgRecordIo {
 public:
  l_QORDlgRecordIo(QORMarshal& stream, bool replay) : stream(stream), replay(replay) {}
  bool replaying() const { return replay; }
  // False once a field could not be read (a damaged or truncated record).
  bool good() const { return stream.Good(); }

  // Recorded fields, in order: written from the values, or read back into them.
  template <typename... T>
  void field(T&... values) {
    (one(values), ...);
  }
  // A field recorded with a fixed value; what comes back is dropped.
  template <typename T>
  void constant(T value) { field(value); }

  // A text recorded as one block of its UTF-8 bytes; `terminated` adds the
  // trailing zero to the block, as some notifications record it. A block that
  // does not come back leaves the text empty and the stream failed.
  void text(QORUnicodeString& value, bool terminated = false);
  void text(QORString& value, bool terminated = false);

  // A value line of the trace ("state= %u\n"), printed under the header.
  void detail(const char* format, ...) __attribute__((format(printf, 2, 3)));
  const std::vector<std::string>& details() const { return lines; }

 private:
  template <typename T>
  void one(T& value) {
    if (replay) stream >> value;
    else stream << value;
  }

  QORMarshal& stream;
  bool replay;
  std::vector<std::string> lines;
};
