// Catalog parser: must never crash, and whatever it accepts must come back
// unchanged when written out again as catalog text.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "QORMsgCatalog.h"

namespace {

std::string quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QORMsgCatalog c;
  const int r = c.LoadFromText(reinterpret_cast<const char*>(data), size, "f.catalog");
  if (r != 1) {
    check(r == -1 && c.GetCount() == 0 && std::strncmp(c.GetError(), "f.catalog:", 10) == 0);
    return 0;
  }
  check(*c.GetError() == '\0');

  std::string again;
  const std::vector<QORUnicodeString> params = {"a", "%2", ""};
  for (const auto& e : c.GetEntries()) {
    const QORMsg m = c.GetCatalogMsg(e.first.c_str());
    check(m.GetText() == e.second);
    check(m.GetNbParameters() >= 0 && m.GetNbParameters() <= 9);
    m.BuildMessage(params);
    again += e.first + " = " + quote(e.second.str()) + ";\n";
  }
  QORMsgCatalog d;
  check(d.LoadFromText(again.data(), again.size(), "again") == 1);
  check(d.GetEntries() == c.GetEntries());
  return 0;
}
