#include "QORDlgDocument.h"

#include "QORDlgDialog.h"
#include "QORInteractiveApplication.h"
#include "l_QORDlgContextualMenu.h"
#include "l_QORDlgDialog.h"
#include "l_QORDlgDocument.h"

namespace {
l_QORDlgDialog* dialogLetter(QORDlgDialog* d) { return d ? static_cast<l_QORDlgDialog*>(d->GetLetterObject()) : nullptr; }
}  // namespace

QORDlgDocument::QORDlgDocument(QORInteractiveApplication* application, const QORString& name, unsigned long style)
    : QORDlgWindow(static_cast<QORCommand*>(application), name, style, 1) {
  letter = new l_QORDlgDocument(application ? application->GetLetterObject() : nullptr, name, this, style);
}

l_QORDialog* QORDlgDocument::GetLetterObject() const { return letter; }

QORDialog* QORDlgDocument::GetMenuBar() const {
  l_QORDialog* bar = letterAs<l_QORDlgDocument>()->GetMenuBar();
  return bar ? bar->GetAPIObject() : nullptr;
}
QORDialog* QORDlgDocument::GetStatusBar() const {
  l_QORDialog* bar = letterAs<l_QORDlgDocument>()->GetStatusBar();
  return bar ? bar->GetAPIObject() : nullptr;
}
QORDlgContextualMenu* QORDlgDocument::GetContextualMenu() const { return l_QORDlgContextualMenu::EnvelopeOf(letter); }
QORDlgDroppedFileNotification* QORDlgDocument::GetDroppedFileNotification() const {
  return notificationOf(&l_QORDlgDocument::droppedFileNotification);
}

int QORDlgDocument::IsMDI() const { return letterAs<l_QORDlgDocument>()->IsMDI(); }
void QORDlgDocument::MDIActivate(QORDlgDialog* d) { letterAs<l_QORDlgDocument>()->MDIActivate(dialogLetter(d)); }
QORDlgDialog* QORDlgDocument::MDIGetActive() const {
  l_QORDlgDialog* d = letterAs<l_QORDlgDocument>()->MDIGetActive();
  return d ? static_cast<QORDlgDialog*>(d->GetAPIObject()) : nullptr;
}
void QORDlgDocument::MDIMaximize(QORDlgDialog* d) { letterAs<l_QORDlgDocument>()->MDIMaximize(dialogLetter(d)); }
void QORDlgDocument::MDIMinimize(QORDlgDialog* d) { letterAs<l_QORDlgDocument>()->MDIMinimize(dialogLetter(d)); }
void QORDlgDocument::MDIRestore(QORDlgDialog* d) { letterAs<l_QORDlgDocument>()->MDIRestore(dialogLetter(d)); }
void QORDlgDocument::MDINext() { letterAs<l_QORDlgDocument>()->MDINext(); }
void QORDlgDocument::MDIPrevious() { letterAs<l_QORDlgDocument>()->MDIPrevious(); }
void QORDlgDocument::MDITile(int flags) { letterAs<l_QORDlgDocument>()->MDITile(flags); }
void QORDlgDocument::MDICascade(int flags) { letterAs<l_QORDlgDocument>()->MDICascade(flags); }
void QORDlgDocument::MDIIconArrange() {}
