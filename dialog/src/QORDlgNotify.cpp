#include "QORDlgNotify.h"

#include "QORInteractiveApplication.h"
#include "l_QORDlgFatherless.h"
#include "l_QORDlgNotify.h"

QORDlgNotify::QORDlgNotify(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgWindow(father, name, style) {
  letter = new l_QORDlgNotify(father->GetLetterObject(), name, this, style);
}

QORDlgNotify::QORDlgNotify(QORInteractiveApplication* application, const QORString& name, unsigned long style)
    : QORDlgWindow(static_cast<QORCommand*>(application), name, style, 1) {
  letter = new l_QORDlgFatherless<l_QORDlgNotify>(application ? application->GetLetterObject() : nullptr, name, this,
                                                  style);
}

l_QORDialog* QORDlgNotify::GetLetterObject() const { return letter; }

void QORDlgNotify::SetText(const QORUnicodeString& t) { letterAs<l_QORDlgNotify>()->SetText(t); }
QORUnicodeString QORDlgNotify::GetText() const { return letterAs<l_QORDlgNotify>()->GetText(); }

void QORDlgNotify::SetOKTitle(const QORUnicodeString& t) { letterAs<l_QORDlgNotify>()->SetButtonTitle(0, t); }
void QORDlgNotify::SetCANCELTitle(const QORUnicodeString& t) { letterAs<l_QORDlgNotify>()->SetButtonTitle(1, t); }
void QORDlgNotify::SetHELPTitle(const QORUnicodeString& t) { letterAs<l_QORDlgNotify>()->SetButtonTitle(2, t); }
QORUnicodeString QORDlgNotify::GetOKTitle() const { return letterAs<l_QORDlgNotify>()->GetButtonTitle(0); }
QORUnicodeString QORDlgNotify::GetCANCELTitle() const { return letterAs<l_QORDlgNotify>()->GetButtonTitle(1); }
QORUnicodeString QORDlgNotify::GetHELPTitle() const { return letterAs<l_QORDlgNotify>()->GetButtonTitle(2); }

QORDlgDiaOKNotification* QORDlgNotify::GetDiaOKNotification() const {
  return notificationOf(&l_QORDlgNotify::diaOKNotification);
}
QORDlgDiaCANCELNotification* QORDlgNotify::GetDiaCANCELNotification() const {
  return notificationOf(&l_QORDlgNotify::diaCANCELNotification);
}
QORDlgDiaHELPNotification* QORDlgNotify::GetDiaHELPNotification() const {
  return notificationOf(&l_QORDlgNotify::diaHELPNotification);
}
QORDlgNfyAbortNotification* QORDlgNotify::GetNfyAbortNotification() const {
  return notificationOf(&l_QORDlgNotify::nfyAbortNotification);
}
QORDlgNfyRetryNotification* QORDlgNotify::GetNfyRetryNotification() const {
  return notificationOf(&l_QORDlgNotify::nfyRetryNotification);
}
QORDlgNfyIgnoreNotification* QORDlgNotify::GetNfyIgnoreNotification() const {
  return notificationOf(&l_QORDlgNotify::nfyIgnoreNotification);
}
QORDlgNfyOKNotification* QORDlgNotify::GetNfyOKNotification() const {
  return notificationOf(&l_QORDlgNotify::nfyOKNotification);
}
QORDlgNfyCancelNotification* QORDlgNotify::GetNfyCancelNotification() const {
  return notificationOf(&l_QORDlgNotify::nfyCancelNotification);
}
QORDlgNfyYesNotification* QORDlgNotify::GetNfyYesNotification() const {
  return notificationOf(&l_QORDlgNotify::nfyYesNotification);
}
QORDlgNfyNoNotification* QORDlgNotify::GetNfyNoNotification() const {
  return notificationOf(&l_QORDlgNotify::nfyNoNotification);
}

int QORDlgNotify::DisplayBlocked(const QORUnicodeString& text, const QORUnicodeString& title) {
  auto* l = letterAs<l_QORDlgNotify>();
  return l ? l->DisplayBlocked(text, title) : QORDlgNotifyNone;
}
