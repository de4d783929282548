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
  return notificationOf(&l_QORDlgWindow::windSizeNotification);
}
QORDlgWindCloseNotification* QORDlgWindow::GetWindCloseNotification() const {
  return notificationOf(&l_QORDlgWindow::windCloseNotification);
}
QORDlgWindMoveNotification* QORDlgWindow::GetWindMoveNotification() const {
  return notificationOf(&l_QORDlgWindow::windMoveNotification);
}
QORDlgWindMaximizeNotification* QORDlgWindow::GetWindMaximizeNotification() const {
  return notificationOf(&l_QORDlgWindow::windMaximizeNotification);
}
QORDlgWindMinimizeNotification* QORDlgWindow::GetWindMinimizeNotification() const {
  return notificationOf(&l_QORDlgWindow::windMinimizeNotification);
}
QORDlgWindRestoreNotification* QORDlgWindow::GetWindRestoreNotification() const {
  return notificationOf(&l_QORDlgWindow::windRestoreNotification);
}

void QORDlgWindow::Maximize() {
  if (auto* l = letterAs<l_QORDlgWindow>()) l->Maximize();
}
void QORDlgWindow::Minimize() {
  if (auto* l = letterAs<l_QORDlgWindow>()) l->Minimize();
}
void QORDlgWindow::Restore() {
  if (auto* l = letterAs<l_QORDlgWindow>()) l->Restore();
}
int QORDlgWindow::IsMaximized() const {
  auto* l = letterAs<l_QORDlgWindow>();
  return l ? l->IsMaximized() : 0;
}
int QORDlgWindow::IsMinimized() const {
  auto* l = letterAs<l_QORDlgWindow>();
  return l ? l->IsMinimized() : 0;
}
void QORDlgWindow::SetFullScreen(int on) {
  if (auto* l = letterAs<l_QORDlgWindow>()) l->SetFullScreen(on);
}
void QORDlgWindow::GetMaximumSize(int* height, int* width) const {
  if (auto* l = letterAs<l_QORDlgWindow>()) {
    l->GetMaximumSize(height, width);
    return;
  }
  if (height) *height = 0;
  if (width) *width = 0;
}
void QORDlgWindow::QueryHelpOnContext() {
  auto* l = letterAs<l_QORDlgWindow>();
  if (!l) return;
  if (l_QORInteractiveApplication* app = l->GetApplication()) app->QueryHelpOnContext(l);
}
