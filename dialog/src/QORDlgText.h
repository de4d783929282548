// Internal to libTOLVEN: not API, never installed.
// The one road between the toolkit's UTF-8 texts and Motif compound strings.
#pragma once
#include <Xm/Xm.h>

#include <string>

#include "QORString.h"

typedef struct _FcPattern FcPattern;

class QORDlgText {
 public:
  // Which of the standard render tables a text is shown in.
  enum Face { Document, ShortHelp, Faces };

  // A compound string showing `text` as written; line breaks start new lines.
  // The caller frees it with XmStringFree.
  static XmString toXmString(const QORUnicodeString& text, Face face = Document);
  // The same from `length` bytes of NUL-terminated UTF-8 a list keeps in its
  // own store: a plain text reaches Motif without a copy.
  static XmString toXmString(const char* utf8, size_t length, Face face = Document);
  // The UTF-8 text of a compound string made by toXmString (or by Motif).
  static QORUnicodeString fromXmString(XmString s, Face face = Document);
  // The bytes of a compound string as they are, whatever the face draws
  // now: the text of one made from UTF-8 that a core font did not narrow.
  static QORUnicodeString bytesOf(XmString s);

  // The shell's title as written: the window manager is told it is UTF-8.
  static void setShellTitle(Widget shell, const QORUnicodeString& title);

  // Text fields hold the locale's multibyte form: the field's string from a
  // UTF-8 text, and back.
  static std::string toLocale(const QORUnicodeString& text);
  static QORUnicodeString fromLocale(const char* bytes);

  // The default render table: anti-aliased "Sans" through Xft at `points`,
  // with the renditions of the faces that draw what Sans lacks.
  static XmRenderTable xftRenderTable(Widget w, int points);
  // Point size named by an X logical font description, or 0.
  static int xlfdPoints(const char* xlfd);
  // Notes how `face` draws: an Xft rendition takes UTF-8 in any locale, a
  // core font only its own 8-bit charset, which is Latin-1 for the ones the
  // catalogs name.
  static void noteRenderTable(Face face, XmRenderTable table);
  static bool isLatin1(Face face) { return latin1[face]; }

  // Motif's text fields draw with one font and no fallback: the Xft family
  // that draws all of `text` when the face of `table` lacks some of it, else
  // "" (also for a core font, which stays as the catalog names it).
  static std::string fieldFamily(XmRenderTable table, const QORUnicodeString& text);
  // A copy of `table` whose first rendition is set in `family`, same size.
  static XmRenderTable withFamily(Widget w, XmRenderTable table, const std::string& family);

 private:
  static bool latin1[Faces];
  // The font an Xft face draws with, whose missing glyphs come from others.
  static FcPattern* xft[Faces];
};
