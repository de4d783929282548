// Internal to libTOLVEN: not API, never installed.
// Glyphs an Xft face lacks, drawn from the faces fontconfig falls back to.
//
// Motif draws each rendition with one Xft font and no fallback, so a text in
// Sans showed its CJK characters as boxes. A render table of a face also
// carries one rendition per family of the face's fallback list (loaded when
// first drawn), and a text is cut into runs by what the main font covers: a
// run it lacks is tagged with the first fallback family that has it.
#pragma once
#include <Xm/Xm.h>

#include <cstddef>
#include <string>
#include <vector>

typedef struct _FcPattern FcPattern;
typedef struct _FcCharSet FcCharSet;

class QORDlgFontFallback {
 public:
  // The font fontconfig gives for an Xft rendition of `family` (kept for the
  // process): what the face covers.
  static FcPattern* match(const char* family);
  // Adds to `table` the fallback renditions of `family` at `points`.
  static XmRenderTable addFallbacks(Widget w, XmRenderTable table, const char* family, int points);
  // One run of text in the rendition `tag`; line breaks start new lines.
  static XmString segment(const std::string& text, const char* tag);
  // A compound string of `utf8` whose runs `main` lacks carry a fallback tag.
  static XmString generate(const std::string& utf8, FcPattern* main);
  // The same from `length` NUL-terminated bytes kept elsewhere (a list's
  // lines): a plain text goes to Motif without a copy.
  static XmString segment(const char* text, std::size_t length, const char* tag);
  static XmString generate(const char* utf8, std::size_t length, FcPattern* main);
  // For a text field, which draws with one font: "" when `main` draws all of
  // `utf8`, else the first family of its fallback list that draws it all (or
  // at least its first character `main` lacks).
  static std::string coveringFamily(const std::string& utf8, FcPattern* main);

 private:
  struct Fallback {
    std::string family;
    std::string tag;  // of its renditions and runs
    FcCharSet* chars;
  };
  // What a main font draws itself, and where the rest comes from.
  struct Coverage {
    FcCharSet* chars;
    bool ascii;  // every printable ASCII character
    std::vector<Fallback> fallbacks;
  };
  static const Coverage& coverage(FcPattern* main);
  static std::vector<Fallback> fallbackList(FcPattern* main);
  static const std::string& tagFor(char32_t c, const Coverage& face);
  static bool drawnByMain(const std::string& utf8, const Coverage& face);
};
