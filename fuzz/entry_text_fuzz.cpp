// The text controls' keystroke check and the combo's value lines: a change
// spliced into the typed text must give valid UTF-8 of the expected length,
// the content check must never crash and must agree with itself, and value
// lines inserted anywhere must show texts that read back as their values.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "QORDlgEntryCheck.h"
#include "QORDlgLineInsertion.h"
#include "QORDlgVerifyText.h"
#include "l_QORDlgControl.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
}

struct Bytes {
  const uint8_t* data;
  size_t size;
  uint8_t take() {
    if (!size) return 0;
    --size;
    return *data++;
  }
};

// The keystroke: `current` with [start, end) replaced by `inserted`, judged for `content`.
void keystroke(Bytes& in, QORDlgControl::QORDlgUnit unit) {
  const auto content = static_cast<QORDlgEntryContent>(in.take() % 7);
  const int start = in.take() % 40, end = in.take() % 40;
  const std::string rest(reinterpret_cast<const char*>(in.data), in.size);
  const size_t cut = rest.find('\x01');
  const QORUnicodeString current(rest.substr(0, cut).c_str());
  std::string inserted = cut == std::string::npos ? std::string() : rest.substr(cut + 1);
  inserted = inserted.c_str();  // the widget hands over no NUL
  XmTextBlockRec block{&inserted[0], static_cast<int>(inserted.size()), XmFMT_8_BIT};
  XmTextVerifyCallbackStruct change{};
  change.startPos = start;
  change.endPos = end;
  change.text = &block;
  const QORUnicodeString next = QORDlgVerifiedText(current, &change);
  check(qor_utf8::IsValid(next.c_str(), static_cast<size_t>(next.GetLengthInByte())));
  const int length = current.GetLengthInChar();
  const int from = std::min(std::max(start, 0), length), to = std::min(std::max(end, from), length);
  check(next.GetLengthInChar() == length - (to - from) + QORDlgVerifyInserted(&change).GetLengthInChar());
  double value = 0;
  const int accepted = QORDlgEntryAccepts(content, next.c_str(), unit, &value);
  check(accepted == 0 || accepted == 1);
  if (accepted && content == QORDlgEntryContent::Real) check(std::isfinite(value));
  // Letters alone, or digits alone, are letters and digits too.
  if (accepted && (content == QORDlgEntryContent::Alpha || content == QORDlgEntryContent::Digits))
    check(QORDlgEntryAccepts(QORDlgEntryContent::Alphanumeric, next.c_str(), unit) == 1);
}

// Value lines of a real combo: inserted by the shared rule, each shown and read back.
void valueLines(Bytes& in, QORDlgControl::QORDlgUnit unit) {
  std::vector<double> lines;
  while (in.size >= 10) {
    const int position = static_cast<int8_t>(in.take());
    const unsigned long mode = (in.take() & 1) ? QORDlgLineReplace : 0;
    double v = 0;
    std::memcpy(&v, in.data, sizeof v);
    in.data += sizeof v;
    in.size -= sizeof v;
    const size_t before = lines.size();
    const int count = QORDlgInsertLines(lines, std::vector<double>{v}, position, mode);
    check(static_cast<size_t>(count) == lines.size() && (lines.size() == before || lines.size() == before + 1));
  }
  if (!l_QORDlgControl::_unitSymb[unit]) return;  // feet and inches round to fractions
  for (double v : lines) {
    if (!std::isfinite(v) || std::fabs(v) > 1e12 || (v != 0 && std::fabs(v) < 1e-12)) continue;
    const std::string shown = l_QORDlgControl::WriteStringValue(v, unit, "%.15g %s");
    double back = 0;
    if (shown.size() > 255) continue;  // longer than any field takes
    check(l_QORDlgControl::IsDouble(shown.c_str(), &back, unit) == 1);
    check(std::fabs(back - v) <= 1e-9 * std::max(1.0, std::fabs(v)));
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  Bytes in{data, size};
  const auto unit = static_cast<QORDlgControl::QORDlgUnit>(in.take() % QORDlgControl::UnitCount);
  if (in.take() & 1) valueLines(in, unit);
  else keystroke(in, unit);
  return 0;
}
