// Internal to libTOLVEN: not API, never installed.
// The typing half of the text controls (editor, combo field): what is being
// typed, kept apart from the committed text, and the judgement of each change
// Motif proposes before it is accepted.
#pragma once
#include <Xm/Xm.h>

#include <functional>
#include <string>

#include "QORDlgEntryCheck.h"
#include "QORString.h"

class l_QORDlgTextEntry {
 public:
  using Check = std::function<bool(const QORUnicodeString& newText)>;

  l_QORDlgTextEntry() = default;
  l_QORDlgTextEntry(const l_QORDlgTextEntry&) = delete;
  l_QORDlgTextEntry& operator=(const l_QORDlgTextEntry&) = delete;
  ~l_QORDlgTextEntry();

  // Judges Motif's proposed change: the new text must pass `check`, else the
  // change is refused (doit False) and nothing changes. An accepted change
  // becomes the typed text, the field is marked modified and, with `mask`,
  // every inserted character is shown as '*'.
  bool verify(XmTextVerifyCallbackStruct* change, const Check& check, bool mask);
  // The program puts `text` in the widget: no check, and the typed text follows.
  void show(Widget field, const QORUnicodeString& text, bool mask);
  // The widget's own string as UTF-8.
  static QORUnicodeString widgetText(Widget field);
  // Override translations of a field that toggles overstrike with Insert and
  // takes Return as a commit even in a multi-line area.
  static XtTranslations keyboardTranslations();

  QORUnicodeString typed;  // what is being typed, never masked
  bool modified = false;   // changed since the last commit
  bool programSet = false; // the program's own XmTextSetString is under way

 private:
  // Sets the field in a face that draws all of `text` when its own lacks
  // some of it (the field draws with one font), and back when it no longer does.
  void fitFace(const QORUnicodeString& text);

  Widget field = nullptr;         // the widget last shown in
  XmRenderTable base = nullptr;   // its own render table, kept while another face is set
  std::string family;             // the face set instead, or ""
};
