// Record reader: must never crash, must number entries without gaps, must stay
// stopped after an error, and what it accepts must read back the same once
// written in the canonical form.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "QORMetaObject.h"
#include "QORRecord.h"

namespace {

QORMetaObject classes[] = {{"Click", nullptr, nullptr, 0}, {"QORDlgPushBActivateNotification", nullptr, nullptr, 0}};
const int registered = AddDictionary(classes, 2);

void check(bool ok) {
  if (!ok) std::abort();
}

struct Seen {
  long sequence;
  std::string path, className;
  std::vector<unsigned char> state;
  bool operator==(const Seen& o) const {
    return sequence == o.sequence && path == o.path && className == o.className && state == o.state;
  }
};

std::vector<Seen> readAll(const std::string& text, QORRecordReader& r) {
  r.OpenText(text.data(), text.size(), "f.rec");
  std::vector<Seen> out;
  QORRecordEntry e;
  int lastLine = 0;
  while (r.Next(e)) {
    check(e.sequence == static_cast<long>(out.size()) + 1 && e.line > lastLine);
    lastLine = e.line;
    out.push_back({e.sequence, e.path, e.className, e.state.GetBuffer()});
  }
  check(!r.Next(e));
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  check(registered >= 0);
  QORRecordReader r;
  const std::vector<Seen> first = readAll(std::string(reinterpret_cast<const char*>(data), size), r);
  if (r.Failed()) {
    check(r.GetError().compare(0, 6, "f.rec:") == 0);
    return 0;
  }
  std::string canonical = "# tolven record 1\n";
  for (const Seen& s : first) {
    QORMarshal m(s.state.data(), s.state.size());
    canonical += std::to_string(s.sequence) + " " + s.path + " " + s.className + " " +
                 (s.state.empty() ? std::string("-") : m.ToHex()) + "\n";
  }
  QORRecordReader again;
  check(readAll(canonical, again) == first && !again.Failed());
  return 0;
}
