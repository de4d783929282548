#include "QORString.h"

#include <cstring>

namespace qor_utf8 {

int Decode(const std::string& s, size_t i, char32_t* cp) {
  if (i >= s.size()) return 0;
  const unsigned char c = static_cast<unsigned char>(s[i]);
  int len;
  char32_t v;
  if (c < 0x80) { *cp = c; return 1; }
  if ((c & 0xE0) == 0xC0) { len = 2; v = c & 0x1F; }
  else if ((c & 0xF0) == 0xE0) { len = 3; v = c & 0x0F; }
  else if ((c & 0xF8) == 0xF0) { len = 4; v = c & 0x07; }
  else return 0;
  if (i + len > s.size()) return 0;
  for (int k = 1; k < len; ++k) {
    const unsigned char cc = static_cast<unsigned char>(s[i + k]);
    if ((cc & 0xC0) != 0x80) return 0;
    v = (v << 6) | (cc & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  static const char32_t minimum[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (v < minimum[len] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  *cp = v;
  return len;
}

void Append(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsValid(const char* data, size_t len, size_t* badOffset) {
  const std::string s(data, len);
  for (size_t i = 0; i < len;) {
    char32_t cp;
    const int n = Decode(s, i, &cp);
    if (n == 0) {
      if (badOffset) *badOffset = i;
      return false;
    }
    i += n;
  }
  return true;
}

}  // namespace qor_utf8

QORString QORString::SubString(int start, int len) const {
  const int n = GetLength();
  if (start < 0) start = 0;
  if (start >= n) return QORString();
  if (len < 0 || start + len > n) len = n - start;
  return QORString(s_.substr(start, len));
}

int QORString::SearchSubString(const QORString& what, int from) const {
  if (from < 0) from = 0;
  if (from > GetLength()) return -1;
  const size_t p = s_.find(what.s_, from);
  return p == std::string::npos ? -1 : static_cast<int>(p);
}

QORUnicodeString::QORUnicodeString(const char* utf8) {
  if (!utf8) return;
  // Plain ASCII, the common case, is kept as it is in one copy.
  const char* end = utf8;
  while (*end && !(static_cast<unsigned char>(*end) & 0x80)) ++end;
  if (!*end) {
    s_.assign(utf8, static_cast<size_t>(end - utf8));
    return;
  }
  const std::string in(utf8);
  s_.reserve(in.size());
  for (size_t i = 0; i < in.size();) {
    char32_t cp;
    const int n = qor_utf8::Decode(in, i, &cp);
    if (n == 0) {
      qor_utf8::Append(s_, static_cast<unsigned char>(in[i]));
      ++i;
    } else {
      s_.append(in, i, n);
      i += n;
    }
  }
}

QORUnicodeString::QORUnicodeString(QORUnicodeChar c) {
  if (!c.IsNull()) qor_utf8::Append(s_, c.GetCode());
}

int QORUnicodeString::GetLengthInChar() const {
  int count = 0;
  for (unsigned char c : s_)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

int QORUnicodeString::ByteOffset(int index) const {
  if (index <= 0) return 0;
  int seen = 0;
  for (size_t i = 0; i < s_.size(); ++i) {
    if ((static_cast<unsigned char>(s_[i]) & 0xC0) != 0x80) {
      if (seen == index) return static_cast<int>(i);
      ++seen;
    }
  }
  return GetLengthInByte();
}

QORUnicodeChar QORUnicodeString::GetChar(int index) const {
  if (index < 0) return QORUnicodeChar();
  const int off = ByteOffset(index);
  char32_t cp = 0;
  if (off >= GetLengthInByte() || qor_utf8::Decode(s_, off, &cp) == 0) return QORUnicodeChar();
  return QORUnicodeChar(cp);
}

QORUnicodeString QORUnicodeString::SubString(int start, int len) const {
  if (start < 0) start = 0;
  const int b = ByteOffset(start);
  const int e = len < 0 ? GetLengthInByte() : ByteOffset(start + len);
  QORUnicodeString r;
  if (b < e) r.s_ = s_.substr(b, e - b);
  return r;
}

int QORUnicodeString::SearchSubString(const QORUnicodeString& what, int from) const {
  if (from < 0) from = 0;
  if (from > GetLengthInChar()) return -1;
  const size_t p = s_.find(what.s_, ByteOffset(from));
  if (p == std::string::npos) return -1;
  return QORUnicodeString(s_.substr(0, p)).GetLengthInChar();
}

QORString QORUnicodeString::ToLatin1() const {
  std::string out;
  for (size_t i = 0; i < s_.size();) {
    char32_t cp = '?';
    int n = qor_utf8::Decode(s_, i, &cp);
    if (n == 0) n = 1;
    out += cp < 256 ? static_cast<char>(cp) : '?';
    i += n;
  }
  return QORString(out);
}
