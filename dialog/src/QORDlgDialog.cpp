#include "QORDlgDialog.h"

#include "QORInteractiveApplication.h"
#include "l_QORDlgContextualMenu.h"
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
  letter = new l_QORDlgDialog(father->GetLetterObject(), name, this, style);
}

QORDlgDialog::QORDlgDialog(QORDialog* father, QORCommand* commandFather, const QORString& name, unsigned long style)
    : QORDlgWindow(father, commandFather, name, style) {
  letter = new l_QORDlgDialog(father->GetLetterObject(), name, this, style);
}

QORDlgDialog::QORDlgDialog(QORInteractiveApplication* application, const QORString& name, unsigned long style)
    : QORDlgWindow(static_cast<QORCommand*>(application), name, style, 1) {
  letter = new FatherlessDialogLetter(application ? application->GetLetterObject() : nullptr, name, this, style);
}

l_QORDialog* QORDlgDialog::GetLetterObject() const { return letter; }

QORDlgDiaOKNotification* QORDlgDialog::GetDiaOKNotification() const {
  return notificationOf(&l_QORDlgDialog::diaOKNotification);
}
QORDlgDiaCANCELNotification* QORDlgDialog::GetDiaCANCELNotification() const {
  return notificationOf(&l_QORDlgDialog::diaCANCELNotification);
}
QORDlgDiaAPPLYNotification* QORDlgDialog::GetDiaAPPLYNotification() const {
  return notificationOf(&l_QORDlgDialog::diaAPPLYNotification);
}
QORDlgDiaHELPNotification* QORDlgDialog::GetDiaHELPNotification() const {
  return notificationOf(&l_QORDlgDialog::diaHELPNotification);
}
QORDlgMDIRestoreNotification* QORDlgDialog::GetMDIRestoreNotification() const {
  return notificationOf(&l_QORDlgDialog::mdiRestoreNotification);
}
QORDlgMDIMinimizeNotification* QORDlgDialog::GetMDIMinimizeNotification() const {
  return notificationOf(&l_QORDlgDialog::mdiMinimizeNotification);
}
QORDlgMDIMaximizeNotification* QORDlgDialog::GetMDIMaximizeNotification() const {
  return notificationOf(&l_QORDlgDialog::mdiMaximizeNotification);
}
QORDlgMDICloseNotification* QORDlgDialog::GetMDICloseNotification() const {
  return notificationOf(&l_QORDlgDialog::mdiCloseNotification);
}
QORDlgMDINextNotification* QORDlgDialog::GetMDINextNotification() const {
  return notificationOf(&l_QORDlgDialog::mdiNextNotification);
}
QORDlgMDIPreviousNotification* QORDlgDialog::GetMDIPreviousNotification() const {
  return notificationOf(&l_QORDlgDialog::mdiPreviousNotification);
}
QORDlgMDIActivateNotification* QORDlgDialog::GetMDIActivateNotification() const {
  return notificationOf(&l_QORDlgDialog::mdiActivateNotification);
}

void QORDlgDialog::SetOKTitle(const QORUnicodeString& t) {
  letterAs<l_QORDlgDialog>()->SetButtonTitle(l_QORDlgDialog::OK, t);
}
void QORDlgDialog::SetAPPLYTitle(const QORUnicodeString& t) {
  letterAs<l_QORDlgDialog>()->SetButtonTitle(l_QORDlgDialog::Apply, t);
}
void QORDlgDialog::SetCANCELTitle(const QORUnicodeString& t) {
  letterAs<l_QORDlgDialog>()->SetButtonTitle(l_QORDlgDialog::Cancel, t);
}
void QORDlgDialog::SetHELPTitle(const QORUnicodeString& t) {
  letterAs<l_QORDlgDialog>()->SetButtonTitle(l_QORDlgDialog::Help, t);
}
QORUnicodeString QORDlgDialog::GetOKTitle() const {
  return letterAs<l_QORDlgDialog>()->GetButtonTitle(l_QORDlgDialog::OK);
}
QORUnicodeString QORDlgDialog::GetAPPLYTitle() const {
  return letterAs<l_QORDlgDialog>()->GetButtonTitle(l_QORDlgDialog::Apply);
}
QORUnicodeString QORDlgDialog::GetCANCELTitle() const {
  return letterAs<l_QORDlgDialog>()->GetButtonTitle(l_QORDlgDialog::Cancel);
}
QORUnicodeString QORDlgDialog::GetHELPTitle() const {
  return letterAs<l_QORDlgDialog>()->GetButtonTitle(l_QORDlgDialog::Help);
}

void QORDlgDialog::SetOKSensitivity(unsigned long s) {
  letterAs<l_QORDlgDialog>()->SetButtonSensitivity(l_QORDlgDialog::OK, s);
}
void QORDlgDialog::SetAPPLYSensitivity(unsigned long s) {
  letterAs<l_QORDlgDialog>()->SetButtonSensitivity(l_QORDlgDialog::Apply, s);
}
void QORDlgDialog::SetCANCELSensitivity(unsigned long s) {
  letterAs<l_QORDlgDialog>()->SetButtonSensitivity(l_QORDlgDialog::Cancel, s);
}
void QORDlgDialog::SetHELPSensitivity(unsigned long s) {
  letterAs<l_QORDlgDialog>()->SetButtonSensitivity(l_QORDlgDialog::Help, s);
}
unsigned long QORDlgDialog::GetOKSensitivity() const {
  return letterAs<l_QORDlgDialog>()->GetButtonSensitivity(l_QORDlgDialog::OK);
}
unsigned long QORDlgDialog::GetAPPLYSensitivity() const {
  return letterAs<l_QORDlgDialog>()->GetButtonSensitivity(l_QORDlgDialog::Apply);
}
unsigned long QORDlgDialog::GetCANCELSensitivity() const {
  return letterAs<l_QORDlgDialog>()->GetButtonSensitivity(l_QORDlgDialog::Cancel);
}
unsigned long QORDlgDialog::GetHELPSensitivity() const {
  return letterAs<l_QORDlgDialog>()->GetButtonSensitivity(l_QORDlgDialog::Help);
}

void QORDlgDialog::SetDefaultButton(int b) { letterAs<l_QORDlgDialog>()->SetDefaultButton(b); }
int QORDlgDialog::GetDefaultButton() const { return letterAs<l_QORDlgDialog>()->GetDefaultButton(); }
int QORDlgDialog::GetResponse() const { return letterAs<l_QORDlgDialog>()->GetResponse(); }

QORDialog* QORDlgDialog::GetMenuBar() const {
  auto* l = letterAs<l_QORDlgDialog>();
  l_QORDialog* bar = l ? l->GetMenuBar() : nullptr;
  return bar ? bar->GetAPIObject() : nullptr;
}

QORDlgContextualMenu* QORDlgDialog::GetContextualMenu() const { return l_QORDlgContextualMenu::EnvelopeOf(letter); }
