// Typed values: the validators must never crash, must give finite values,
// and a feet-inch value they accept must show and read back the same.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "l_QORDlgControl.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the unit, the rest is the text.
  const auto unit = static_cast<QORDlgControl::QORDlgUnit>(data[0] % QORDlgControl::UnitCount);
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const char* t = text.c_str();  // stops at an embedded NUL, as a widget's text would

  double v = 0;
  if (l_QORDlgControl::IsDouble(t, &v, unit)) {
    check(std::isfinite(v));
    if (l_QORDlgControl::_unitSymb[unit] == nullptr && std::fabs(v) < 1e6) {
      const std::string shown = l_QORDlgControl::WriteStringValue(v, unit, "%.5g %s");
      double back = 0;
      check(l_QORDlgControl::IsDouble(shown.c_str(), &back, unit) == 1);
      check(std::fabs(back - v) <= 0.0254 / 32 + 1e-9);
    }
  }
  double r = 0;
  l_QORDlgControl::IsReal(t, &r, l_QORDlgControl::_unitSymb[unit]);
  check(std::isfinite(r));
  int i = 0;
  l_QORDlgControl::IsInteger(t, &i);
  float f = 0;
  if (l_QORDlgControl::IsFloat(t, &f)) check(std::isfinite(f));
  l_QORDlgControl::IsAlphanumerical(t);
  return 0;
}
