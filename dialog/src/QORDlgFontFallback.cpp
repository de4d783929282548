#include "QORDlgFontFallback.h"

#include <X11/Xft/Xft.h>

#include <algorithm>
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

bool covers(FcPattern* font, char32_t c) {
  FcCharSet* has = nullptr;
  return FcPatternGetCharSet(font, FC_CHARSET, 0, &has) == FcResultMatch && FcCharSetHasChar(has, c);
}

XmString appendRun(XmString to, const std::string& run, const std::string& tag) {
  XmString piece = XmStringGenerate(const_cast<char*>(run.c_str()),
                                    const_cast<char*>(tag.empty() ? XmFONTLIST_DEFAULT_TAG : tag.c_str()),
                                    XmCHARSET_TEXT, nullptr);
  return to ? XmStringConcatAndFree(to, piece) : piece;
}

}  // namespace

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

// fontconfig's own fallback order for the face, trimmed to the fonts that add
// characters, one entry per family other than the face's.
const std::vector<QORDlgFontFallback::Fallback>& QORDlgFontFallback::fallbacks(FcPattern* main) {
  static std::map<FcPattern*, std::vector<Fallback>> lists;
  auto it = lists.find(main);
  if (it != lists.end()) return it->second;
  std::vector<Fallback>& list = lists[main];
  const std::string mainFamily = familyOf(main);
  FcPattern* want = familyPattern(mainFamily.c_str());
  FcResult result;
  FcFontSet* sorted = FcFontSort(nullptr, want, FcTrue, nullptr, &result);
  FcPatternDestroy(want);
  for (int i = 0; sorted && i < sorted->nfont; ++i) {
    const std::string tag = kPrefix + familyOf(sorted->fonts[i]);
    FcCharSet* chars = nullptr;
    FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &chars);
    const bool known = std::any_of(list.begin(), list.end(), [&](const Fallback& f) { return f.tag == tag; });
    if (chars && !known && tag != kPrefix + mainFamily) list.push_back({tag, FcCharSetCopy(chars)});
  }
  if (sorted) FcFontSetDestroy(sorted);
  return list;
}

XmRenderTable QORDlgFontFallback::addFallbacks(Widget w, XmRenderTable table, const char* family, int points) {
  for (const Fallback& f : fallbacks(match(family))) {
    QORDlgArgs<4> args;
    const std::string name = f.tag.substr(sizeof kPrefix - 1);
    args.add(XmNfontName, const_cast<char*>(name.c_str())).add(XmNfontType, XmFONT_IS_XFT);
    // Opened the first time a text needs it.
    args.add(XmNfontSize, points).add(XmNloadModel, XmLOAD_DEFERRED);
    XmRendition r = XmRenditionCreate(w, const_cast<char*>(f.tag.c_str()), args.data(), args.count());
    table = XmRenderTableAddRenditions(table, &r, 1, XmMERGE_REPLACE);
    XmRenditionFree(r);
  }
  return table;
}

const std::string& QORDlgFontFallback::tagFor(char32_t c, FcPattern* main) {
  static const std::string none;
  // Controls and line ends stay with the main run, where Motif parses them.
  if (c < 0x20 || covers(main, c)) return none;
  for (const Fallback& f : fallbacks(main))
    if (FcCharSetHasChar(f.chars, c)) return f.tag;
  return none;
}

XmString QORDlgFontFallback::generate(const std::string& utf8, FcPattern* main) {
  XmString out = nullptr;
  std::string run, runTag;
  for (size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    const int n = std::max(qor_utf8::Decode(utf8, i, &c), 1);
    const std::string& tag = tagFor(c, main);
    if (tag != runTag && !run.empty()) {
      out = appendRun(out, run, runTag);
      run.clear();
    }
    runTag = tag;
    run.append(utf8, i, static_cast<size_t>(n));
    i += static_cast<size_t>(n);
  }
  return run.empty() && out ? out : appendRun(out, run, runTag);
}
