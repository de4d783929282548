#include "QORDlgVerifyText.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

// The locale's multibyte bytes as UTF-8. A UTF-8 locale needs nothing; in
// another locale each character goes through its wide form; bytes the locale
// cannot read are taken as Latin-1 so that nothing typed is lost.
std::string localeToUtf8(const char* bytes, int length) {
  std::string in(bytes, static_cast<size_t>(length));
  if (MB_CUR_MAX == 1 || qor_utf8::IsValid(in.data(), in.size())) {
    return QORUnicodeString(in).str();
  }
  std::string out;
  std::mbstate_t state{};
  size_t i = 0;
  while (i < in.size()) {
    wchar_t wc = 0;
    size_t n = std::mbrtowc(&wc, in.data() + i, in.size() - i, &state);
    if (n == 0 || n == static_cast<size_t>(-1) || n == static_cast<size_t>(-2)) {
      qor_utf8::Append(out, static_cast<unsigned char>(in[i]));
      state = std::mbstate_t{};
      ++i;
      continue;
    }
    qor_utf8::Append(out, static_cast<char32_t>(wc));
    i += n;
  }
  return out;
}

}  // namespace

QORUnicodeString QORDlgVerifyInserted(const XmTextVerifyCallbackStruct* verify) {
  if (!verify || !verify->text || !verify->text->ptr || verify->text->length <= 0) return QORUnicodeString();
  // `length` counts bytes; the block need not end with a terminator.
  return QORUnicodeString(localeToUtf8(verify->text->ptr, verify->text->length));
}

QORUnicodeString QORDlgVerifiedText(const QORUnicodeString& current, const XmTextVerifyCallbackStruct* verify) {
  if (!verify) return current;
  const int length = current.GetLengthInChar();
  const int start = std::clamp(static_cast<int>(verify->startPos), 0, length);
  const int end = std::clamp(static_cast<int>(verify->endPos), start, length);
  return current.SubString(0, start) + QORDlgVerifyInserted(verify) + current.SubString(end);
}
