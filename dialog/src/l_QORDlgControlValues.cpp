// Units, value formatting and the text validators: no widget involved, so
// this part also builds into the fuzzers on its own.
#include "l_QORDlgControl.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>


const char* const l_QORDlgControl::_unitSymb[] = {
#define QORDLG_UNIT(name, symbol, factor, offset, magnitude) symbol,
#include "QORDlgUnits.def"
#undef QORDLG_UNIT
};
const double l_QORDlgControl::_unitPlusFactor[] = {
#define QORDLG_UNIT(name, symbol, factor, offset, magnitude) offset,
#include "QORDlgUnits.def"
#undef QORDLG_UNIT
};
const double l_QORDlgControl::_unitMultFactor[] = {
#define QORDLG_UNIT(name, symbol, factor, offset, magnitude) factor,
#include "QORDlgUnits.def"
#undef QORDLG_UNIT
};
const char l_QORDlgControl::defaultFormat[] = "%.5g %s";

namespace {
const QORDlgControl::QORDlgMagnitude unitMagnitude[] = {
#define QORDLG_UNIT(name, symbol, factor, offset, magnitude) QORDlgControl::magnitude,
#include "QORDlgUnits.def"
#undef QORDLG_UNIT
};

constexpr double kInch = 0.0254;

bool isFeetInch(QORDlgControl::QORDlgUnit u) {
  return u == QORDlgControl::FeetInchFraction64 || u == QORDlgControl::FeetInchFraction16 ||
         u == QORDlgControl::FeetInchDecimal;
}

std::string withoutBlanks(const char* text) {
  std::string s;
  for (const char* p = text; *p; ++p)
    if (!std::isspace(static_cast<unsigned char>(*p))) s += *p;
  return s;
}

// Length of the decimal number at the start of s (digits, point, exponent
// with digits); 0 when there is none. strtod alone would also take
// hexadecimal, "inf" and "nan".
size_t decimalLength(const char* s) {
  size_t i = 0, digits = 0;
  while (std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  if (s[i] == '.') {
    ++i;
    while (std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (s[i] == 'e' || s[i] == 'E') {
    size_t j = i + 1;
    if (s[j] == '+' || s[j] == '-') ++j;
    if (std::isdigit(static_cast<unsigned char>(s[j]))) {
      while (std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
      i = j;
    }
  }
  return i;
}

std::string reducedFraction(int k, int denominator) {
  int a = k, b = denominator;
  while (b) {
    const int t = a % b;
    a = b;
    b = t;
  }
  return std::to_string(k / a) + "/" + std::to_string(denominator / a);
}

// Reads a run of digits [from, to) of s; false when another character is
// there or the number would not fit.
bool digitsOf(const std::string& s, size_t from, size_t to, long* value, size_t* count = nullptr) {
  long v = 0;
  if (to - from > 9) return false;
  for (size_t i = from; i < to; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    v = v * 10 + (s[i] - '0');
  }
  *value = v;
  if (count) *count = to - from;
  return true;
}

// Thousandths from their digits: one digit counts hundreds, two tens, three units.
bool thousandthsOf(const std::string& s, size_t from, size_t to, long* value) {
  size_t n = 0;
  if (!digitsOf(s, from, to, value, &n) || n == 0 || n > 3) return false;
  *value *= n == 1 ? 100 : n == 2 ? 10 : 1;
  return true;
}

int feetInchValue(const char* text, double* value) {
  std::string s = withoutBlanks(text);
  double sign = 1;
  size_t pos = 0;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    if (s[0] == '-') sign = -1;
    pos = 1;
  }
  if (pos == s.size()) return 1;
  const size_t npos = std::string::npos;
  const size_t feet = s.find('\'', pos), inch = s.find('"', pos), dot = s.find('.', pos), slash = s.find('/', pos);
  if (dot != npos && slash != npos) return 0;
  if (slash != npos && inch == npos) return 0;
  // The marks stand in this order when present: ' . " /
  size_t last = pos;
  for (size_t mark : {feet, dot, inch, slash}) {
    if (mark == npos) continue;
    if (mark < last) return 0;
    last = mark + 1;
  }
  long feetV = 0, inchV = 0, thousandths = 0, numerator = 0, denominator = 0;
  if (feet != npos && !digitsOf(s, pos, feet, &feetV)) return 0;
  const size_t inchFrom = feet != npos ? feet + 1 : pos;
  if (dot != npos) {
    if (!digitsOf(s, inchFrom, dot, &inchV)) return 0;
    if (inch != npos && !thousandthsOf(s, dot + 1, inch, &thousandths)) return 0;
  } else if (inch != npos && !digitsOf(s, inchFrom, inch, &inchV)) {
    return 0;
  }
  if (inch != npos && slash != npos && !digitsOf(s, inch + 1, slash, &numerator)) return 0;
  // What follows the last mark.
  const size_t tail = last;
  bool ok = true;
  if (slash != npos) ok = digitsOf(s, tail, s.size(), &denominator);
  else if (inch != npos) ok = digitsOf(s, tail, s.size(), &numerator);
  else if (dot != npos) ok = thousandthsOf(s, tail, s.size(), &thousandths);
  else if (feet != npos) ok = digitsOf(s, tail, s.size(), &inchV);
  else ok = digitsOf(s, tail, s.size(), &feetV);
  if (!ok) return 0;
  if (dot != npos && inch != npos && slash == npos && numerator != 0) return 0;
  double v = feetV * 12 * kInch + inchV * kInch + thousandths * 0.001 * kInch;
  // The fraction belongs to the same sign, so that a shown value reads back.
  if (denominator == 2 || denominator == 4 || denominator == 8 || denominator == 16 || denominator == 32 ||
      denominator == 64)
    v += static_cast<double>(numerator) / denominator * kInch;
  *value = sign * v;
  return 1;
}

}  // namespace

QORDlgControl::QORDlgMagnitude l_QORDlgControl::MagnitudeOfUnit(QORDlgControl::QORDlgUnit u) {
  if (u < 0 || u >= QORDlgControl::UnitCount) return QORDlgControl::NoMagnitude;
  return unitMagnitude[u];
}

QORDlgControl::QORDlgUnit l_QORDlgControl::BaseUnitOf(QORDlgControl::QORDlgMagnitude m) {
  for (int u = 0; u < QORDlgControl::UnitCount; ++u)
    if (unitMagnitude[u] == m) return static_cast<QORDlgControl::QORDlgUnit>(u);
  return QORDlgControl::Number;
}

// ---- formatting ----

const char* l_QORDlgControl::WriteStringValue(double value, QORDlgControl::QORDlgUnit u, const char* format) {
  static char buffer[512];
  if (u < 0 || u >= QORDlgControl::UnitCount) u = QORDlgControl::Number;
  if (!format) format = defaultFormat;
  const double shown = (value + _unitPlusFactor[u]) * _unitMultFactor[u];
  if (!isFeetInch(u)) {
    std::snprintf(buffer, sizeof buffer, format, shown, _unitSymb[u]);
    return buffer;
  }
  const char* sign = value < 0 ? "-" : "";
  const double inches = std::fabs(value) / kInch;
  if (!(inches <= 2147483647.0)) {
    std::snprintf(buffer, sizeof buffer, format, std::fabs(shown), "ft");
    return buffer;
  }
  long whole = static_cast<long>(inches);
  const double rest = inches - whole;
  int thousandths = 0, k = 0, denominator = 0;
  if (u == QORDlgControl::FeetInchDecimal) {
    const int n = static_cast<int>(rest * 1000 + 0.5);
    whole += n / 1000;
    thousandths = n % 1000;
  } else {
    denominator = u == QORDlgControl::FeetInchFraction64 ? 64 : 16;
    const int n = static_cast<int>(rest * denominator + 0.5);
    whole += n / denominator;
    k = n % denominator;
  }
  const long feet = whole / 12, inch = whole % 12;
  int len;
  if (feet != 0) {
    if (thousandths) len = std::snprintf(buffer, sizeof buffer, "%s%ld' %ld", sign, feet, inch);
    else if (inch == 0 && k == 0) len = std::snprintf(buffer, sizeof buffer, "%s%ld'", sign, feet);
    else len = std::snprintf(buffer, sizeof buffer, "%s%ld' %ld\"", sign, feet, inch);
  } else if (thousandths) {
    len = std::snprintf(buffer, sizeof buffer, "%s%ld", sign, inch);
  } else {
    len = std::snprintf(buffer, sizeof buffer, "%s%ld\"", sign, inch);
  }
  std::string tail;
  if (thousandths) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", thousandths);
    std::string d = digits;
    while (d.size() > 1 && d.back() == '0') d.pop_back();
    tail = "." + d + "\"";
  } else if (k) {
    tail = " " + reducedFraction(k, denominator);
  }
  std::snprintf(buffer + len, sizeof buffer - static_cast<size_t>(len), "%s", tail.c_str());
  return buffer;
}

// ---- validators ----

int l_QORDlgControl::IsReal(const char* text, double* value, const char* symbol) {
  double dummy;
  if (!value) value = &dummy;
  *value = 0;
  if (!text) return 1;
  // Nothing typed yet counts as 0 whatever its length; only then is a long text refused.
  std::string s = withoutBlanks(text);
  if (s.empty() || s == "+" || s == "-") return 1;
  if (std::strlen(text) > 255) return 0;
  double sign = 1;
  size_t pos = 0;
  if (s[0] == '+') pos = 1;
  else if (s[0] == '-') sign = -1, pos = 1;
  const std::string rest = s.substr(pos);
  if (rest == ".") return 1;
  const size_t n = decimalLength(rest.c_str());
  const double number = n ? std::strtod(rest.substr(0, n).c_str(), nullptr) : 0;
  if (!std::isfinite(number)) return 0;
  const std::string after = rest.substr(n);
  static const char* const typingExponent[] = {"e", "E", "e+", "E+", "e-", "E-"};
  // An exponent still being typed; with no digits before it the number read is 0.
  bool ok = after.empty();
  for (const char* e : typingExponent) ok = ok || after == e;
  if (!ok) {
    // A unit symbol, or the beginning of one, may follow the number.
    if (!symbol || !*symbol || after.size() > std::strlen(symbol)) return 0;
    if (std::strncmp(after.c_str(), symbol, after.size()) != 0) return 0;
  }
  *value = sign * number;
  return 1;
}

int l_QORDlgControl::IsDouble(const char* text, double* value, QORDlgControl::QORDlgUnit u) {
  double dummy;
  if (!value) value = &dummy;
  *value = 0;
  if (u < 0 || u >= QORDlgControl::UnitCount) return 0;
  if (isFeetInch(u)) return text ? feetInchValue(text, value) : 1;
  double typed = 0;
  if (!IsReal(text, &typed, _unitSymb[u])) return 0;
  *value = typed / _unitMultFactor[u] - _unitPlusFactor[u];
  return 1;
}

int l_QORDlgControl::IsInteger(const char* text, int* value) {
  int dummy;
  if (!value) value = &dummy;
  *value = 0;
  if (!text) return 1;
  const char* p = text;
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  if (*p == '+' || *p == '-') return 0;
  long v = 0;
  while (std::isdigit(static_cast<unsigned char>(*p))) {
    const int digit = *p - '0';
    if (v > 214748364 || (v == 214748364 && digit > (negative ? 8 : 7))) return 0;
    v = v * 10 + digit;
    ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  if (*p) return 0;
  *value = static_cast<int>(negative ? -v : v);
  return 1;
}

int l_QORDlgControl::IsFloat(const char* text, float* value) {
  float dummy;
  if (!value) value = &dummy;
  *value = 0;
  double v = 0;
  if (!IsReal(text, &v, "")) return 0;
  const double magnitude = std::fabs(v);
  if (magnitude >= 3.40282347e+38 || magnitude == 1.17549435e-38) return 0;
  *value = magnitude < 1.17549435e-38 ? 0.0f : static_cast<float>(v);
  return 1;
}

namespace {
int every(const char* text, int (*test)(int)) {
  if (!text) return 1;
  for (const char* p = text; *p; ++p)
    if (!test(static_cast<unsigned char>(*p))) return 0;
  return 1;
}
}  // namespace

int l_QORDlgControl::IsAlphabetical(const char* text) { return every(text, [](int c) { return std::isalpha(c); }); }
int l_QORDlgControl::IsNumerical(const char* text) { return every(text, [](int c) { return std::isdigit(c); }); }
int l_QORDlgControl::IsAlphanumerical(const char* text) { return every(text, [](int c) { return std::isalnum(c); }); }

