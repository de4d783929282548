#include "QORDlgText.h"

#include <X11/Xatom.h>
#include <langinfo.h>

#include <cstdlib>
#include <climits>
#include <cstring>
#include <cwchar>
#include <string>

#include "QORDlgArgs.h"
#include "QORDlgFontFallback.h"
#include "QORDlgVerifyText.h"

bool QORDlgText::latin1[QORDlgText::Faces] = {false, false};
FcPattern* QORDlgText::xft[QORDlgText::Faces] = {nullptr, nullptr};

namespace {

// Latin-1 bytes as UTF-8: the reverse of what a core-font face is given.
std::string latin1ToUtf8(const char* s) {
  std::string out;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(s); *p; ++p) {
    if (*p < 0x80) {
      out += static_cast<char>(*p);
    } else {
      out += static_cast<char>(0xC0 | (*p >> 6));
      out += static_cast<char>(0x80 | (*p & 0x3F));
    }
  }
  return out;
}

// "\n" both ways: XmStringGenerate makes it a line separator, and
// XmStringUnparse gives it back only through a table that says so.
XmParseTable newlineTable() {
  static XmParseTable table = [] {
    Arg args[3];
    XmString separator = XmStringSeparatorCreate();
    XtSetArg(args[0], XmNpattern, const_cast<char*>("\n"));
    XtSetArg(args[1], XmNsubstitute, separator);
    XtSetArg(args[2], XmNincludeStatus, XmINSERT);
    XmParseTable t = reinterpret_cast<XmParseTable>(XtMalloc(sizeof(XmParseMapping)));
    t[0] = XmParseMappingCreate(args, 3);
    XmStringFree(separator);
    return t;
  }();
  return table;
}

// The family and point size of the first rendition of `table` when it is Xft.
bool xftFace(XmRenderTable table, std::string* family, int* points) {
  XmStringTag* tags = nullptr;
  const int n = table ? XmRenderTableGetTags(table, &tags) : 0;
  bool xft = false;
  if (n > 0) {
    XmRendition r = XmRenderTableGetRendition(table, tags[0]);
    XmFontType type = XmFONT_IS_FONT;
    char* name = nullptr;
    Arg args[3];
    XtSetArg(args[0], XmNfontType, &type);
    XtSetArg(args[1], XmNfontName, &name);
    XtSetArg(args[2], XmNfontSize, points);
    XmRenditionRetrieve(r, args, 3);
    xft = type == XmFONT_IS_XFT;
    *family = name && name != reinterpret_cast<char*>(XmAS_IS) ? name : "";
    XmRenditionFree(r);
  }
  for (int i = 0; i < n; ++i) XtFree(tags[i]);
  XtFree(reinterpret_cast<char*>(tags));
  return xft;
}

// XmStringUnparse hands back the segments' bytes untouched, whatever the locale.
std::string unparsed(XmString s) {
  if (!s) return std::string();
  char* bytes = static_cast<char*>(
      XmStringUnparse(s, nullptr, XmCHARSET_TEXT, XmCHARSET_TEXT, newlineTable(), 1, XmOUTPUT_ALL));
  std::string out(bytes ? bytes : "");
  XtFree(bytes);
  return out;
}

bool utf8Locale() { return std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0; }

}  // namespace

XmString QORDlgText::toXmString(const QORUnicodeString& text, Face face) {
  // A core font draws each byte as one Latin-1 glyph: characters it cannot
  // show become '?' rather than a run of accented garbage.
  if (latin1[face]) return QORDlgFontFallback::segment(text.ToLatin1().str(), XmFONTLIST_DEFAULT_TAG);
  return toXmString(text.c_str(), static_cast<size_t>(text.GetLengthInByte()), face);
}

XmString QORDlgText::toXmString(const char* utf8, size_t length, Face face) {
  if (latin1[face]) return toXmString(QORUnicodeString(std::string(utf8, length)), face);
  if (xft[face]) return QORDlgFontFallback::generate(utf8, length, xft[face]);
  return QORDlgFontFallback::segment(utf8, length, XmFONTLIST_DEFAULT_TAG);
}

QORUnicodeString QORDlgText::fromXmString(XmString s, Face face) {
  return QORUnicodeString(latin1[face] ? latin1ToUtf8(unparsed(s).c_str()) : unparsed(s));
}

QORUnicodeString QORDlgText::bytesOf(XmString s) { return QORUnicodeString(unparsed(s)); }

std::string QORDlgText::toLocale(const QORUnicodeString& text) {
  if (MB_CUR_MAX == 1) return text.ToLatin1().str();
  if (utf8Locale()) return text.str();
  std::string out;
  std::mbstate_t state{};
  char buffer[MB_LEN_MAX];
  for (int i = 0; i < text.GetLengthInChar(); ++i) {
    const size_t n = std::wcrtomb(buffer, static_cast<wchar_t>(text.GetChar(i).GetCode()), &state);
    if (n == static_cast<size_t>(-1)) out += '?';
    else out.append(buffer, n);
  }
  return out;
}

QORUnicodeString QORDlgText::fromLocale(const char* bytes) {
  if (!bytes) return QORUnicodeString();
  XmTextBlockRec block{const_cast<char*>(bytes), static_cast<int>(std::strlen(bytes)), XmFMT_8_BIT};
  XmTextVerifyCallbackStruct change{};
  change.text = &block;
  return QORDlgVerifyInserted(&change);
}

void QORDlgText::setShellTitle(Widget shell, const QORUnicodeString& title) {
  // Without an encoding Xt converts from the locale, which in the C locale
  // takes each UTF-8 byte for a Latin-1 character. ASCII stays a plain
  // STRING, which every window manager and XFetchName read.
  const bool ascii = title.GetLengthInChar() == title.GetLengthInByte();
  const Atom encoding = ascii ? XA_STRING : XInternAtom(XtDisplay(shell), "UTF8_STRING", False);
  XtVaSetValues(shell, XmNtitleEncoding, encoding, XmNtitle, title.c_str(), nullptr);
}

XmRenderTable QORDlgText::xftRenderTable(Widget w, int points) {
  static const char family[] = "Sans";
  // Xft scales points by Xft.dpi when the resource database sets it.
  const int size = points > 0 ? points : 10;
  QORDlgArgs<3> args;
  args.add(XmNfontName, const_cast<char*>(family)).add(XmNfontType, XmFONT_IS_XFT).add(XmNfontSize, size);
  XmRendition r = XmRenditionCreate(w, const_cast<char*>(XmFONTLIST_DEFAULT_TAG), args.data(), args.count());
  XmRenderTable table = XmRenderTableAddRenditions(nullptr, &r, 1, XmMERGE_REPLACE);
  XmRenditionFree(r);
  return QORDlgFontFallback::addFallbacks(w, table, family, size);
}

int QORDlgText::xlfdPoints(const char* xlfd) {
  // -foundry-family-weight-slant-width-style-pixels-points-...: field 8, decipoints.
  int field = 0;
  for (const char* p = xlfd; p && *p; ++p)
    if (*p == '-' && ++field == 8) return std::atoi(p + 1) / 10;
  return 0;
}

void QORDlgText::noteRenderTable(Face face, XmRenderTable table) {
  latin1[face] = false;
  xft[face] = nullptr;
  if (!table) return;
  XmStringTag* tags = nullptr;
  const int n = XmRenderTableGetTags(table, &tags);
  if (n > 0) {
    XmRendition r = XmRenderTableGetRendition(table, tags[0]);
    XmFontType type = XmFONT_IS_XFT;
    char* family = nullptr;
    Arg args[2];
    XtSetArg(args[0], XmNfontType, &type);
    XtSetArg(args[1], XmNfontName, &family);
    XmRenditionRetrieve(r, args, 2);
    if (family == reinterpret_cast<char*>(XmAS_IS)) family = nullptr;
    if (type == XmFONT_IS_XFT) xft[face] = QORDlgFontFallback::match(family);
    // A font set follows the locale, which converts UTF-8 only when it is UTF-8.
    latin1[face] = type == XmFONT_IS_FONT || (type == XmFONT_IS_FONTSET && !utf8Locale());
    XmRenditionFree(r);
  }
  for (int i = 0; i < n; ++i) XtFree(tags[i]);
  XtFree(reinterpret_cast<char*>(tags));
}

std::string QORDlgText::fieldFamily(XmRenderTable table, const QORUnicodeString& text) {
  std::string family;
  int points = 0;
  // A single-byte locale's field holds Latin-1 only (see toLocale), which the face has.
  if (MB_CUR_MAX == 1 || !xftFace(table, &family, &points)) return std::string();
  FcPattern* main = QORDlgFontFallback::match(family.empty() ? nullptr : family.c_str());
  return QORDlgFontFallback::coveringFamily(text.str(), main);
}

XmRenderTable QORDlgText::withFamily(Widget w, XmRenderTable table, const std::string& family) {
  std::string base;
  int points = 0;
  xftFace(table, &base, &points);
  XmStringTag* tags = nullptr;
  const int n = XmRenderTableGetTags(table, &tags);
  QORDlgArgs<3> args;
  args.add(XmNfontName, const_cast<char*>(family.c_str())).add(XmNfontType, XmFONT_IS_XFT);
  if (points > 0) args.add(XmNfontSize, points);
  XmRendition r = XmRenditionCreate(w, n > 0 ? tags[0] : const_cast<char*>(XmFONTLIST_DEFAULT_TAG), args.data(),
                                    args.count());
  XmRenderTable out = XmRenderTableAddRenditions(XmRenderTableCopy(table, nullptr, 0), &r, 1, XmMERGE_REPLACE);
  XmRenditionFree(r);
  for (int i = 0; i < n; ++i) XtFree(tags[i]);
  XtFree(reinterpret_cast<char*>(tags));
  return out;
}
