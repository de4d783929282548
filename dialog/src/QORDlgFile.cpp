#include "QORDlgFile.h"

#include "QORInteractiveApplication.h"
#include "l_QORDlgFatherless.h"
#include "l_QORDlgFile.h"

QORDlgFile::QORDlgFile(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgWindow(father, name, style) {
  letter = new l_QORDlgFile(father->GetLetterObject(), name, this, style);
}

QORDlgFile::QORDlgFile(QORInteractiveApplication* application, const QORString& name, unsigned long style)
    : QORDlgWindow(static_cast<QORCommand*>(application), name, style, 1) {
  letter = new l_QORDlgFatherless<l_QORDlgFile>(application ? application->GetLetterObject() : nullptr, name, this,
                                                style);
}

l_QORDialog* QORDlgFile::GetLetterObject() const { return letter; }

QORDlgDiaOKNotification* QORDlgFile::GetDiaOKNotification() const {
  return notificationOf(&l_QORDlgFile::diaOKNotification);
}
QORDlgDiaCANCELNotification* QORDlgFile::GetDiaCANCELNotification() const {
  return notificationOf(&l_QORDlgFile::diaCANCELNotification);
}
QORDlgDiaAPPLYNotification* QORDlgFile::GetDiaAPPLYNotification() const {
  return notificationOf(&l_QORDlgFile::diaAPPLYNotification);
}
QORDlgDiaHELPNotification* QORDlgFile::GetDiaHELPNotification() const {
  return notificationOf(&l_QORDlgFile::diaHELPNotification);
}

void QORDlgFile::SetFilterLabel(const QORUnicodeString& t) {
  letterAs<l_QORDlgFile>()->SetNamedText(l_QORDlgFile::FilterLabel, t);
}
QORUnicodeString QORDlgFile::GetFilterLabel() const {
  return letterAs<l_QORDlgFile>()->GetNamedText(l_QORDlgFile::FilterLabel);
}
void QORDlgFile::SetDirectoriesLabel(const QORUnicodeString& t) {
  letterAs<l_QORDlgFile>()->SetNamedText(l_QORDlgFile::DirectoriesLabel, t);
}
QORUnicodeString QORDlgFile::GetDirectoriesLabel() const {
  return letterAs<l_QORDlgFile>()->GetNamedText(l_QORDlgFile::DirectoriesLabel);
}
void QORDlgFile::SetFilesLabel(const QORUnicodeString& t) {
  letterAs<l_QORDlgFile>()->SetNamedText(l_QORDlgFile::FilesLabel, t);
}
QORUnicodeString QORDlgFile::GetFilesLabel() const {
  return letterAs<l_QORDlgFile>()->GetNamedText(l_QORDlgFile::FilesLabel);
}
void QORDlgFile::SetSelectionLabel(const QORUnicodeString& t) {
  letterAs<l_QORDlgFile>()->SetNamedText(l_QORDlgFile::SelectionLabel, t);
}
QORUnicodeString QORDlgFile::GetSelectionLabel() const {
  return letterAs<l_QORDlgFile>()->GetNamedText(l_QORDlgFile::SelectionLabel);
}
void QORDlgFile::SetOKTitle(const QORUnicodeString& t) {
  letterAs<l_QORDlgFile>()->SetNamedText(l_QORDlgFile::OK, t);
}
QORUnicodeString QORDlgFile::GetOKTitle() const {
  return letterAs<l_QORDlgFile>()->GetNamedText(l_QORDlgFile::OK);
}
void QORDlgFile::SetOKSensitivity(unsigned long s) {
  letterAs<l_QORDlgFile>()->SetButtonSensitivity(l_QORDlgFile::OK, s);
}
unsigned long QORDlgFile::GetOKSensitivity() const {
  return letterAs<l_QORDlgFile>()->GetButtonSensitivity(l_QORDlgFile::OK);
}
void QORDlgFile::SetAPPLYTitle(const QORUnicodeString& t) {
  letterAs<l_QORDlgFile>()->SetNamedText(l_QORDlgFile::Apply, t);
}
QORUnicodeString QORDlgFile::GetAPPLYTitle() const {
  return letterAs<l_QORDlgFile>()->GetNamedText(l_QORDlgFile::Apply);
}
void QORDlgFile::SetAPPLYSensitivity(unsigned long s) {
  letterAs<l_QORDlgFile>()->SetButtonSensitivity(l_QORDlgFile::Apply, s);
}
unsigned long QORDlgFile::GetAPPLYSensitivity() const {
  return letterAs<l_QORDlgFile>()->GetButtonSensitivity(l_QORDlgFile::Apply);
}
void QORDlgFile::SetFILTERTitle(const QORUnicodeString& t) {
  letterAs<l_QORDlgFile>()->SetNamedText(l_QORDlgFile::Filter, t);
}
QORUnicodeString QORDlgFile::GetFILTERTitle() const {
  return letterAs<l_QORDlgFile>()->GetNamedText(l_QORDlgFile::Filter);
}
void QORDlgFile::SetFILTERSensitivity(unsigned long s) {
  letterAs<l_QORDlgFile>()->SetButtonSensitivity(l_QORDlgFile::Filter, s);
}
unsigned long QORDlgFile::GetFILTERSensitivity() const {
  return letterAs<l_QORDlgFile>()->GetButtonSensitivity(l_QORDlgFile::Filter);
}
void QORDlgFile::SetCANCELTitle(const QORUnicodeString& t) {
  letterAs<l_QORDlgFile>()->SetNamedText(l_QORDlgFile::Cancel, t);
}
QORUnicodeString QORDlgFile::GetCANCELTitle() const {
  return letterAs<l_QORDlgFile>()->GetNamedText(l_QORDlgFile::Cancel);
}
void QORDlgFile::SetCANCELSensitivity(unsigned long s) {
  letterAs<l_QORDlgFile>()->SetButtonSensitivity(l_QORDlgFile::Cancel, s);
}
unsigned long QORDlgFile::GetCANCELSensitivity() const {
  return letterAs<l_QORDlgFile>()->GetButtonSensitivity(l_QORDlgFile::Cancel);
}
void QORDlgFile::SetHELPTitle(const QORUnicodeString& t) {
  letterAs<l_QORDlgFile>()->SetNamedText(l_QORDlgFile::Help, t);
}
QORUnicodeString QORDlgFile::GetHELPTitle() const {
  return letterAs<l_QORDlgFile>()->GetNamedText(l_QORDlgFile::Help);
}
void QORDlgFile::SetHELPSensitivity(unsigned long s) {
  letterAs<l_QORDlgFile>()->SetButtonSensitivity(l_QORDlgFile::Help, s);
}
unsigned long QORDlgFile::GetHELPSensitivity() const {
  return letterAs<l_QORDlgFile>()->GetButtonSensitivity(l_QORDlgFile::Help);
}

void QORDlgFile::SetDirectory(const QORUnicodeString& d) { letterAs<l_QORDlgFile>()->SetDirectorie(d); }
void QORDlgFile::GetDirectory(QORUnicodeString& d) const { letterAs<l_QORDlgFile>()->GetDirectorie(d); }
void QORDlgFile::SetFileName(const QORUnicodeString& f) { letterAs<l_QORDlgFile>()->SetFileName(f); }
void QORDlgFile::SetFilterPattern(const QORUnicodeString& p) { letterAs<l_QORDlgFile>()->SetFilterPattern(p); }
void QORDlgFile::GetFilterPattern(QORUnicodeString& p) const { letterAs<l_QORDlgFile>()->GetFilterPattern(p); }
void QORDlgFile::GetSelection(QORUnicodeString& s) const { letterAs<l_QORDlgFile>()->GetSelection(s); }
int QORDlgFile::GetSelection(QORUnicodeString* files, int max) const {
  return letterAs<l_QORDlgFile>()->GetSelection(files, max);
}
int QORDlgFile::GetSelectionCount() const { return letterAs<l_QORDlgFile>()->GetSelectionCount(); }

void QORDlgFile::SetFilterStrings(QORUnicodeString* texts, QORString* patterns, int count) {
  letterAs<l_QORDlgFile>()->SetFilterStrings(texts, patterns, count);
}
int QORDlgFile::GetFilterStrings(QORUnicodeString* texts, QORString* patterns, int max) const {
  return letterAs<l_QORDlgFile>()->GetFilterStrings(texts, patterns, max);
}
void QORDlgFile::SetActiveFilterIndex(int i) { letterAs<l_QORDlgFile>()->SetActiveFilterIndex(i); }
int QORDlgFile::GetActiveFilterIndex() const { return letterAs<l_QORDlgFile>()->GetActiveFilterIndex(); }
void QORDlgFile::SetReadOnlyState(int s) { letterAs<l_QORDlgFile>()->SetReadOnlyState(s); }
int QORDlgFile::GetReadOnlyState() const { return letterAs<l_QORDlgFile>()->GetReadOnlyState(); }
int QORDlgFile::GetResponse() const { return letterAs<l_QORDlgFile>()->GetResponse(); }
