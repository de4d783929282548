#include "QORDlgFontFallback.h"

#include <X11/Xft/Xft.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <utility>

#include "QORDlgArgs.h"
#include "QORString.h"

namespace {

const char kPrefix[] = "tolven-fallback:";

// A pattern for `family` completed as Xft completes the ones Motif gives it.
FcPattern* familyPattern(const char* family) {
  FcPattern* want = FcPatternCreate();
  if (family) FcPatternAddString(want, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcConfigSubstitute(nullptr, want, FcMatchPattern);
  FcDefaultSubstitute(want);
  return want;
}

std::string familyOf(FcPattern* font) {
  FcChar8* name = nullptr;
  FcPatternGetString(font, FC_FAMILY, 0, &name);
  return name ? reinterpret_cast<const char*>(name) : "";
}

// Eight bytes at a time, nearly every text being all printable: a byte below
// 0x20 borrows into its top bit, one above 0x7E carries into it or has it set.
// A borrow or carry only reaches bytes above a byte that is outside anyway.
bool printableEight(const char* text) {
  constexpr uint64_t ones = 0x0101010101010101u, tops = 0x8080808080808080u;
  uint64_t w;
  std::memcpy(&w, text, 8);
  return !(((w - 0x20 * ones) | w | (w + ones)) & tops);
}

bool printableAscii(const char* text, size_t length) {
  if (length < 8) {
    for (size_t i = 0; i < length; ++i)
      if (static_cast<unsigned char>(text[i] - 0x20) >= 0x5F) return false;
    return true;
  }
  for (size_t i = 0; i + 8 < length; i += 8)
    if (!printableEight(text + i)) return false;
  return printableEight(text + length - 8);  // the last eight, overlapping those seen
}

XmString appendRun(XmString to, const std::string& run, const std::string& tag) {
  XmString piece = QORDlgFontFallback::segment(run, tag.empty() ? XmFONTLIST_DEFAULT_TAG : tag.c_str());
  return to ? XmStringConcatAndFree(to, piece) : piece;
}

}  // namespace

XmString QORDlgFontFallback::segment(const std::string& text, const char* tag) {
  return segment(text.c_str(), text.size(), tag);
}

XmString QORDlgFontFallback::segment(const char* text, size_t length, const char* tag) {
  // Parsing costs more than the rest of a short label: only a text with line
  // breaks or tabs, which the default parse table turns into separators and
  // tab components, is parsed.
  if (!std::memchr(text, '\n', length) && !std::memchr(text, '\t', length))
    return XmStringCreate(const_cast<char*>(text), const_cast<char*>(tag));
  return XmStringGenerate(const_cast<char*>(text), const_cast<char*>(tag), XmCHARSET_TEXT, nullptr);
}

FcPattern* QORDlgFontFallback::match(const char* family) {
  static std::map<std::string, FcPattern*> matched;
  FcPattern*& found = matched[family ? family : ""];
  if (!found) {
    FcPattern* want = familyPattern(family);
    FcResult result;
    found = FcFontMatch(nullptr, want, &result);
    FcPatternDestroy(want);
  }
  return found;
}

// fontconfig's own fallback order for `main`, trimmed to the fonts that add
// characters: one entry per family other than main's.
std::vector<QORDlgFontFallback::Fallback> QORDlgFontFallback::fallbackList(FcPattern* main) {
  const std::string mainFamily = familyOf(main);
  FcPattern* want = familyPattern(mainFamily.c_str());
  FcResult result;
  FcFontSet* sorted = FcFontSort(nullptr, want, FcTrue, nullptr, &result);
  FcPatternDestroy(want);
  std::vector<Fallback> list;
  for (int i = 0; sorted && i < sorted->nfont; ++i) {
    const std::string family = familyOf(sorted->fonts[i]);
    FcCharSet* chars = nullptr;
    FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &chars);
    const bool known = std::any_of(list.begin(), list.end(), [&](const Fallback& f) { return f.family == family; });
    if (chars && !known && family != mainFamily) list.push_back({family, kPrefix + family, FcCharSetCopy(chars)});
  }
  if (sorted) FcFontSetDestroy(sorted);
  return list;
}

const QORDlgFontFallback::Coverage& QORDlgFontFallback::coverage(FcPattern* main) {
  static std::map<FcPattern*, Coverage> faces;
  // A list asks for the same face once per line: the last answer is kept at hand.
  static const std::pair<FcPattern* const, Coverage>* last = nullptr;
  if (last && last->first == main) return last->second;
  auto it = faces.find(main);
  if (it != faces.end()) return (last = &*it)->second;
  Coverage& face = faces[main];
  face.chars = nullptr;
  FcPatternGetCharSet(main, FC_CHARSET, 0, &face.chars);
  face.ascii = face.chars != nullptr;
  for (FcChar32 c = 0x20; c < 0x7F && face.ascii; ++c) face.ascii = FcCharSetHasChar(face.chars, c);
  face.fallbacks = fallbackList(main);
  return face;
}

XmRenderTable QORDlgFontFallback::addFallbacks(Widget w, XmRenderTable table, const char* family, int points) {
  for (const Fallback& f : coverage(match(family)).fallbacks) {
    QORDlgArgs<4> args;
    args.add(XmNfontName, const_cast<char*>(f.family.c_str())).add(XmNfontType, XmFONT_IS_XFT);
    // Opened the first time a text needs it.
    args.add(XmNfontSize, points).add(XmNloadModel, XmLOAD_DEFERRED);
    XmRendition r = XmRenditionCreate(w, const_cast<char*>(f.tag.c_str()), args.data(), args.count());
    table = XmRenderTableAddRenditions(table, &r, 1, XmMERGE_REPLACE);
    XmRenditionFree(r);
  }
  return table;
}

const std::string& QORDlgFontFallback::tagFor(char32_t c, const Coverage& face) {
  static const std::string none;
  // Controls and line ends stay with the main run, where Motif parses them.
  if (c < 0x20 || (c < 0x7F && face.ascii) || (face.chars && FcCharSetHasChar(face.chars, c))) return none;
  for (const Fallback& f : face.fallbacks)
    if (FcCharSetHasChar(f.chars, c)) return f.tag;
  return none;
}

bool QORDlgFontFallback::drawnByMain(const std::string& utf8, const Coverage& face) {
  // Printable ASCII, nearly every text, needs no look-up in a face that has it all.
  if (face.ascii && printableAscii(utf8.data(), utf8.size())) return true;
  for (size_t i = 0; i < utf8.size();) {
    char32_t c = static_cast<unsigned char>(utf8[i]);
    const int n = c < 0x80 ? 1 : std::max(qor_utf8::Decode(utf8, i, &c), 1);
    if (!tagFor(c, face).empty()) return false;
    i += static_cast<size_t>(n);
  }
  return true;
}

XmString QORDlgFontFallback::generate(const std::string& utf8, FcPattern* main) {
  return generate(utf8.c_str(), utf8.size(), main);
}

XmString QORDlgFontFallback::generate(const char* bytes, size_t length, FcPattern* main) {
  const Coverage& face = coverage(main);
  // Printable ASCII, nearly every text: one segment with nothing to parse,
  // made after a single look at the bytes (a list makes thousands of them).
  if (face.ascii && printableAscii(bytes, length))
    return XmStringCreate(const_cast<char*>(bytes), const_cast<char*>(XmFONTLIST_DEFAULT_TAG));
  const std::string utf8(bytes, length);
  // Most other texts need no other face either: one segment, as without fallback.
  if (drawnByMain(utf8, face)) return appendRun(nullptr, utf8, std::string());
  XmString out = nullptr;
  std::string run, runTag;
  for (size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    const int n = std::max(qor_utf8::Decode(utf8, i, &c), 1);
    const std::string& tag = tagFor(c, face);
    if (tag != runTag && !run.empty()) {
      out = appendRun(out, run, runTag);
      run.clear();
    }
    runTag = tag;
    run.append(utf8, i, static_cast<size_t>(n));
    i += static_cast<size_t>(n);
  }
  return appendRun(out, run, runTag);
}

std::string QORDlgFontFallback::coveringFamily(const std::string& utf8, FcPattern* main) {
  const Coverage& face = coverage(main);
  if (drawnByMain(utf8, face)) return std::string();
  FcCharSet* text = FcCharSetCreate();
  const Fallback* lacking = nullptr;
  for (size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    i += static_cast<size_t>(std::max(qor_utf8::Decode(utf8, i, &c), 1));
    if (c < 0x20) continue;
    FcCharSetAddChar(text, c);
    const std::string& tag = tagFor(c, face);
    for (const Fallback& f : face.fallbacks)
      if (!lacking && !tag.empty() && f.tag == tag) lacking = &f;
  }
  std::string family = lacking ? lacking->family : std::string();
  for (const Fallback& f : face.fallbacks)
    if (FcCharSetIsSubset(text, f.chars)) {
      family = f.family;
      break;
    }
  FcCharSetDestroy(text);
  return family;
}
