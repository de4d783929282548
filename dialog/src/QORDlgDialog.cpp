#include "QORDlgDialog.h"

#include "QORInteractiveApplication.h"
#include "l_QORDlgDialog.h"
#include "l_QORInteractiveApplication.h"

namespace {
// The fatherless dialog's letter: registered with the application, its own window.
class FatherlessDialogLetter : public l_QORDlgDialog {
 public:
  FatherlessDialogLetter(l_QORInteractiveApplication* app, const QORString& n, QORDlgDialog* a, unsigned long s)
      : l_QORDlgDialog(nullptr, n, a, s) {
    SetApplication(app);
    SetMainWindow(this);
    if (app) app->AddWindow(this);
  }
};
}  // namespace

QORDlgDialog::QORDlgDialog(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgWindow(father, name, style) {
  dialogLetter = new l_QORDlgDialog(father->GetLetterObject(), name, this, style);
  windowLetter = dialogLetter;
  letter = dialogLetter;
}

QORDlgDialog::QORDlgDialog(QORDialog* father, QORCommand* commandFather, const QORString& name, unsigned long style)
    : QORDlgWindow(father, commandFather, name, style) {
  dialogLetter = new l_QORDlgDialog(father->GetLetterObject(), name, this, style);
  windowLetter = dialogLetter;
  letter = dialogLetter;
}

QORDlgDialog::QORDlgDialog(QORInteractiveApplication* application, const QORString& name, unsigned long style)
    : QORDlgWindow(static_cast<QORCommand*>(application), name, style, 1) {
  dialogLetter = new FatherlessDialogLetter(application ? application->GetLetterObject() : nullptr, name, this, style);
  windowLetter = dialogLetter;
  letter = dialogLetter;
}

l_QORDialog* QORDlgDialog::GetLetterObject() const { return dialogLetter; }

QORDlgDiaOKNotification* QORDlgDialog::GetDiaOKNotification() const {
  return dialogLetter ? &dialogLetter->diaOKNotification : nullptr;
}
QORDlgDiaCANCELNotification* QORDlgDialog::GetDiaCANCELNotification() const {
  return dialogLetter ? &dialogLetter->diaCANCELNotification : nullptr;
}
QORDlgDiaAPPLYNotification* QORDlgDialog::GetDiaAPPLYNotification() const {
  return dialogLetter ? &dialogLetter->diaAPPLYNotification : nullptr;
}
QORDlgDiaHELPNotification* QORDlgDialog::GetDiaHELPNotification() const {
  return dialogLetter ? &dialogLetter->diaHELPNotification : nullptr;
}
QORDlgMDIRestoreNotification* QORDlgDialog::GetMDIRestoreNotification() const {
  return dialogLetter ? &dialogLetter->mdiRestoreNotification : nullptr;
}
QORDlgMDIMinimizeNotification* QORDlgDialog::GetMDIMinimizeNotification() const {
  return dialogLetter ? &dialogLetter->mdiMinimizeNotification : nullptr;
}
QORDlgMDIMaximizeNotification* QORDlgDialog::GetMDIMaximizeNotification() const {
  return dialogLetter ? &dialogLetter->mdiMaximizeNotification : nullptr;
}
QORDlgMDICloseNotification* QORDlgDialog::GetMDICloseNotification() const {
  return dialogLetter ? &dialogLetter->mdiCloseNotification : nullptr;
}
QORDlgMDINextNotification* QORDlgDialog::GetMDINextNotification() const {
  return dialogLetter ? &dialogLetter->mdiNextNotification : nullptr;
}
QORDlgMDIPreviousNotification* QORDlgDialog::GetMDIPreviousNotification() const {
  return dialogLetter ? &dialogLetter->mdiPreviousNotification : nullptr;
}
QORDlgMDIActivateNotification* QORDlgDialog::GetMDIActivateNotification() const {
  return dialogLetter ? &dialogLetter->mdiActivateNotification : nullptr;
}

void QORDlgDialog::SetOKTitle(const QORUnicodeString& t) { dialogLetter->SetButtonTitle(l_QORDlgDialog::OK, t); }
void QORDlgDialog::SetAPPLYTitle(const QORUnicodeString& t) { dialogLetter->SetButtonTitle(l_QORDlgDialog::Apply, t); }
void QORDlgDialog::SetCANCELTitle(const QORUnicodeString& t) {
  dialogLetter->SetButtonTitle(l_QORDlgDialog::Cancel, t);
}
void QORDlgDialog::SetHELPTitle(const QORUnicodeString& t) { dialogLetter->SetButtonTitle(l_QORDlgDialog::Help, t); }
QORUnicodeString QORDlgDialog::GetOKTitle() const { return dialogLetter->GetButtonTitle(l_QORDlgDialog::OK); }
QORUnicodeString QORDlgDialog::GetAPPLYTitle() const { return dialogLetter->GetButtonTitle(l_QORDlgDialog::Apply); }
QORUnicodeString QORDlgDialog::GetCANCELTitle() const { return dialogLetter->GetButtonTitle(l_QORDlgDialog::Cancel); }
QORUnicodeString QORDlgDialog::GetHELPTitle() const { return dialogLetter->GetButtonTitle(l_QORDlgDialog::Help); }

void QORDlgDialog::SetOKSensitivity(unsigned long s) { dialogLetter->SetButtonSensitivity(l_QORDlgDialog::OK, s); }
void QORDlgDialog::SetAPPLYSensitivity(unsigned long s) {
  dialogLetter->SetButtonSensitivity(l_QORDlgDialog::Apply, s);
}
void QORDlgDialog::SetCANCELSensitivity(unsigned long s) {
  dialogLetter->SetButtonSensitivity(l_QORDlgDialog::Cancel, s);
}
void QORDlgDialog::SetHELPSensitivity(unsigned long s) { dialogLetter->SetButtonSensitivity(l_QORDlgDialog::Help, s); }
unsigned long QORDlgDialog::GetOKSensitivity() const { return dialogLetter->GetButtonSensitivity(l_QORDlgDialog::OK); }
unsigned long QORDlgDialog::GetAPPLYSensitivity() const {
  return dialogLetter->GetButtonSensitivity(l_QORDlgDialog::Apply);
}
unsigned long QORDlgDialog::GetCANCELSensitivity() const {
  return dialogLetter->GetButtonSensitivity(l_QORDlgDialog::Cancel);
}
unsigned long QORDlgDialog::GetHELPSensitivity() const {
  return dialogLetter->GetButtonSensitivity(l_QORDlgDialog::Help);
}

void QORDlgDialog::SetDefaultButton(int b) { dialogLetter->SetDefaultButton(b); }
int QORDlgDialog::GetDefaultButton() const { return dialogLetter->GetDefaultButton(); }
int QORDlgDialog::GetResponse() const { return dialogLetter->GetResponse(); }

QORDialog* QORDlgDialog::GetMenuBar() const {
  l_QORDialog* bar = dialogLetter ? dialogLetter->GetMenuBar() : nullptr;
  return bar ? bar->GetAPIObject() : nullptr;
}
