// 8-bit and UTF-8 strings of the host framework.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class QORString {
 public:
  QORString() = default;
  QORString(const char* s) : s_(s ? s : "") {}  // NOLINT: implicit by design
  QORString(const char* s, size_t n) : s_(s ? std::string(s, n) : std::string()) {}
  QORString(const std::string& s) : s_(s) {}  // NOLINT

  const char* c_str() const { return s_.c_str(); }
  const std::string& str() const { return s_; }
  int GetLength() const { return static_cast<int>(s_.size()); }
  int GetLengthInByte() const { return GetLength(); }
  bool IsEmpty() const { return s_.empty(); }
  char operator[](int i) const { return (i >= 0 && i < GetLength()) ? s_[i] : '\0'; }

  // Bytes [start, start+len); len < 0 means to the end. Out-of-range parts are clipped.
  QORString SubString(int start, int len = -1) const;
  // Byte index of the first occurrence at or after `from`, or -1.
  int SearchSubString(const QORString& what, int from = 0) const;

  QORString& operator+=(const QORString& o) { s_ += o.s_; return *this; }
  friend QORString operator+(const QORString& a, const QORString& b) { return QORString(a.s_ + b.s_); }
  friend bool operator==(const QORString& a, const QORString& b) { return a.s_ == b.s_; }
  friend bool operator!=(const QORString& a, const QORString& b) { return a.s_ != b.s_; }
  friend bool operator<(const QORString& a, const QORString& b) { return a.s_ < b.s_; }
  int Compare(const QORString& o) const { return s_.compare(o.s_); }

 private:
  std::string s_;
};

// One Unicode code point.
class QORUnicodeChar {
 public:
  QORUnicodeChar() = default;
  QORUnicodeChar(char32_t cp) : cp_(cp) {}  // NOLINT
  QORUnicodeChar(char c) : cp_(static_cast<unsigned char>(c)) {}  // NOLINT
  char32_t GetCode() const { return cp_; }
  bool IsNull() const { return cp_ == 0; }
  friend bool operator==(QORUnicodeChar a, QORUnicodeChar b) { return a.cp_ == b.cp_; }
  friend bool operator!=(QORUnicodeChar a, QORUnicodeChar b) { return a.cp_ != b.cp_; }

 private:
  char32_t cp_ = 0;
};

// User-visible text, UTF-8 inside. Indexes of SubString/SearchSubString count code points.
class QORUnicodeString {
 public:
  QORUnicodeString() = default;
  // UTF-8 text; bytes that are not valid UTF-8 are taken as Latin-1 so no input is lost.
  QORUnicodeString(const char* utf8);  // NOLINT
  QORUnicodeString(const std::string& utf8) : QORUnicodeString(utf8.c_str()) {}  // NOLINT
  QORUnicodeString(const QORString& s) : QORUnicodeString(s.c_str()) {}  // NOLINT
  QORUnicodeString(QORUnicodeChar c);  // NOLINT

  const char* c_str() const { return s_.c_str(); }
  const std::string& str() const { return s_; }
  int GetLengthInByte() const { return static_cast<int>(s_.size()); }
  int GetLengthInChar() const;
  bool IsEmpty() const { return s_.empty(); }
  QORUnicodeChar GetChar(int index) const;  // 0 when out of range

  QORUnicodeString SubString(int start, int len = -1) const;
  int SearchSubString(const QORUnicodeString& what, int from = 0) const;

  // 8-bit form: code points above 255 become '?'.
  QORString ToLatin1() const;
  QORString ToUTF8() const { return QORString(s_); }

  QORUnicodeString& operator+=(const QORUnicodeString& o) { s_ += o.s_; return *this; }
  friend QORUnicodeString operator+(const QORUnicodeString& a, const QORUnicodeString& b) {
    QORUnicodeString r(a); r += b; return r;
  }
  friend bool operator==(const QORUnicodeString& a, const QORUnicodeString& b) { return a.s_ == b.s_; }
  friend bool operator!=(const QORUnicodeString& a, const QORUnicodeString& b) { return a.s_ != b.s_; }
  friend bool operator<(const QORUnicodeString& a, const QORUnicodeString& b) { return a.s_ < b.s_; }

  // Byte offset of code point `index` (GetLengthInByte() when past the end).
  int ByteOffset(int index) const;

 private:
  std::string s_;
};

// UTF-8 helpers shared by the string and catalog code.
namespace qor_utf8 {
// Decodes one code point at s[i]; returns its byte length, or 0 when the bytes are not valid UTF-8.
int Decode(const std::string& s, size_t i, char32_t* cp);
void Append(std::string& out, char32_t cp);
bool IsValid(const char* data, size_t len, size_t* badOffset = nullptr);
}  // namespace qor_utf8
