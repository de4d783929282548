#include "QORDlgWindow.h"

#include "l_QORDlgWindow.h"
#include "l_QORInteractiveApplication.h"

QORDlgWindow::QORDlgWindow(QORDialog* father, const QORString& name, unsigned long style)
    : QORDialog(father, name, style) {}

QORDlgWindow::QORDlgWindow(QORDialog* father, QORCommand* commandFather, const QORString& name, unsigned long style)
    : QORDialog(father, name, style) {
  SetFather(commandFather);
}

QORDlgWindow::QORDlgWindow(QORCommand* commandFather, const QORString& name, unsigned long style, int topLevel)
    : QORDialog(commandFather, name, style, topLevel) {}

QORDlgWindSizeNotification* QORDlgWindow::GetWindSizeNotification() const {
  return windowLetter ? &windowLetter->windSizeNotification : nullptr;
}
QORDlgWindCloseNotification* QORDlgWindow::GetWindCloseNotification() const {
  return windowLetter ? &windowLetter->windCloseNotification : nullptr;
}
QORDlgWindMoveNotification* QORDlgWindow::GetWindMoveNotification() const {
  return windowLetter ? &windowLetter->windMoveNotification : nullptr;
}
QORDlgWindMaximizeNotification* QORDlgWindow::GetWindMaximizeNotification() const {
  return windowLetter ? &windowLetter->windMaximizeNotification : nullptr;
}
QORDlgWindMinimizeNotification* QORDlgWindow::GetWindMinimizeNotification() const {
  return windowLetter ? &windowLetter->windMinimizeNotification : nullptr;
}
QORDlgWindRestoreNotification* QORDlgWindow::GetWindRestoreNotification() const {
  return windowLetter ? &windowLetter->windRestoreNotification : nullptr;
}

void QORDlgWindow::Maximize() {
  if (windowLetter) windowLetter->Maximize();
}
void QORDlgWindow::Minimize() {
  if (windowLetter) windowLetter->Minimize();
}
void QORDlgWindow::Restore() {
  if (windowLetter) windowLetter->Restore();
}
int QORDlgWindow::IsMaximized() const { return windowLetter ? windowLetter->IsMaximized() : 0; }
int QORDlgWindow::IsMinimized() const { return windowLetter ? windowLetter->IsMinimized() : 0; }
void QORDlgWindow::SetFullScreen(int on) {
  if (windowLetter) windowLetter->SetFullScreen(on);
}
void QORDlgWindow::GetMaximumSize(int* height, int* width) const {
  if (windowLetter) {
    windowLetter->GetMaximumSize(height, width);
    return;
  }
  if (height) *height = 0;
  if (width) *width = 0;
}
void QORDlgWindow::QueryHelpOnContext() {
  if (!windowLetter) return;
  if (l_QORInteractiveApplication* app = windowLetter->GetApplication()) app->QueryHelpOnContext(windowLetter);
}
