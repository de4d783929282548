// QORDialog: the resource, mnemonic, accelerator and help operations, all
// forwarded to the letter.
#include "QORDialog.h"
#include "l_QORDialog.h"

namespace {
const QORUnicodeString& orEmpty(const QORUnicodeString* s) {
  static const QORUnicodeString none;
  return s ? *s : none;
}
}  // namespace

void QORDialog::SetResourceID(const QORString& id) {
  if (letter) letter->SetResourceID(id);
}
const QORString& QORDialog::GetResourceID() const {
  static const QORString none;
  return letter ? letter->GetResourceID() : none;
}
int QORDialog::GetResourceValueFromKey(const QORString& key, QORUnicodeString& value) const {
  return GetResourceValueFromKey(key, value, nullptr);
}
int QORDialog::GetResourceValueFromKey(const QORString& key, QORUnicodeString& value, QORUnicodeString* params) const {
  return letter ? letter->GetResourceValueFromKey(key, value, params) : 0;
}
void QORDialog::AddResourcePath(const QORMsgCatalog& catalog, const QORString& prefix) {
  if (letter) letter->AddResourcePath(catalog, prefix);
}
void QORDialog::SetMnemonic(QORUnicodeChar m) {
  if (letter) letter->SetMnemonic(m);
}
QORUnicodeChar QORDialog::GetMnemonic() const { return letter ? letter->GetMnemonic() : QORUnicodeChar(); }
void QORDialog::SetAccelerator(unsigned long word) {
  if (letter) letter->SetAccelerator(word);
}
unsigned long QORDialog::GetAccelerator() const { return letter ? letter->GetAccelerator() : 0; }
void QORDialog::SetAcceleratorString(const QORUnicodeString& text) {
  if (letter) letter->SetAcceleratorString(text);
}
const QORUnicodeString& QORDialog::GetAcceleratorString() const {
  return letter ? letter->GetAcceleratorString() : orEmpty(nullptr);
}
void QORDialog::SetIconName(const QORString& normal) { SetIconName(normal, "", "", ""); }
void QORDialog::SetIconName(const QORString& normal, const QORString& selected) {
  SetIconName(normal, selected, "", "");
}
void QORDialog::SetIconName(const QORString& normal, const QORString& selected, const QORString& focused) {
  SetIconName(normal, selected, focused, "");
}
void QORDialog::SetIconName(const QORString& normal, const QORString& selected, const QORString& focused,
                            const QORString& disabled) {
  if (letter) letter->SetIconName(normal, selected, focused, disabled);
}
void QORDialog::SetIconType(QORDlgIconType type) {
  if (letter) letter->SetIconType(type);
}
void QORDialog::SetHelp(const QORUnicodeString& h) {
  if (letter) letter->SetHelp(h);
}
const QORUnicodeString& QORDialog::GetHelp() const { return letter ? letter->GetHelp() : orEmpty(nullptr); }
void QORDialog::SetShortHelp(const QORUnicodeString& h) {
  if (letter) letter->SetShortHelp(h);
}
const QORUnicodeString& QORDialog::GetShortHelp() const { return orEmpty(letter ? letter->GetShortHelp() : nullptr); }
void QORDialog::SetLongHelp(const QORUnicodeString& h) {
  if (letter) letter->SetLongHelp(h);
}
const QORUnicodeString& QORDialog::GetLongHelp() const { return orEmpty(letter ? letter->GetLongHelp() : nullptr); }
