#include "l_QORDlgTextEntry.h"

#include <Xm/Text.h>

#include <cstdlib>
#include <string>

#include "QORDlgText.h"
#include "QORDlgVerifyText.h"
#include "l_QORDlgControl.h"

namespace {
// Replaces the inserted text Motif is about to show by as many '*' as it has
// characters; the buffer is Motif's and only shrinks.
void maskInserted(XmTextVerifyCallbackStruct* change) {
  XmTextBlock block = change->text;
  if (!block || !block->ptr || block->length <= 0) return;
  const int characters = QORDlgVerifyInserted(change).GetLengthInChar();
  for (int i = 0; i < characters; ++i) block->ptr[i] = '*';
  block->length = characters;
}
}  // namespace

bool l_QORDlgTextEntry::verify(XmTextVerifyCallbackStruct* change, const Check& check, bool mask) {
  const QORUnicodeString next = QORDlgVerifiedText(typed, change);
  if (programSet) {
    typed = next;
    return true;
  }
  if (check && !check(next)) {
    change->doit = False;
    return false;
  }
  if (mask) maskInserted(change);
  else fitFace(next);
  typed = next;
  modified = true;
  return true;
}

l_QORDlgTextEntry::~l_QORDlgTextEntry() {
  if (base) XmRenderTableFree(base);
}

void l_QORDlgTextEntry::fitFace(const QORUnicodeString& text) {
  if (!field) return;
  if (!base) {
    XmRenderTable own = nullptr;
    XtVaGetValues(field, XmNrenderTable, &own, nullptr);
    if (!own) return;
    base = XmRenderTableCopy(own, nullptr, 0);
  }
  const std::string wanted = QORDlgText::fieldFamily(base, text);
  if (wanted == family) return;
  family = wanted;
  // The widget keeps a copy of the table it is given.
  XmRenderTable table = family.empty() ? base : QORDlgText::withFamily(field, base, family);
  XtVaSetValues(field, XmNrenderTable, table, nullptr);
  if (table != base) XmRenderTableFree(table);
}

void l_QORDlgTextEntry::show(Widget shownIn, const QORUnicodeString& text, bool mask) {
  if (shownIn != field) {
    // A new widget: its own table is read afresh.
    if (base) XmRenderTableFree(base);
    base = nullptr;
    family.clear();
    field = shownIn;
  }
  fitFace(mask ? QORUnicodeString() : text);
  programSet = true;
  if (mask) {
    const std::string stars(static_cast<size_t>(text.GetLengthInChar()), '*');
    XmTextSetString(shownIn, const_cast<char*>(stars.c_str()));
  } else {
    // The widget takes the locale's multibyte form; the toolkit's texts are UTF-8.
    const std::string bytes = QORDlgText::toLocale(text);
    XmTextSetString(shownIn, const_cast<char*>(bytes.c_str()));
  }
  programSet = false;
  typed = text;
  modified = false;
}

QORUnicodeString l_QORDlgTextEntry::widgetText(Widget field) {
  char* s = XmTextGetString(field);
  QORUnicodeString out = QORDlgText::fromLocale(s);
  XtFree(s);
  return out;
}

XtTranslations l_QORDlgTextEntry::keyboardTranslations() {
  static XtTranslations parsed = XtParseTranslationTable(
      ":~Shift~Ctrl~Meta~Alt<Key>osfInsert: toggle-overstrike()\n"
      ":~Shift~Ctrl~Meta~Alt<Key>osfActivate: process-return()");
  return parsed;
}
