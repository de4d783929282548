#include "l_QORDlgWindow.h"

#include "l_QORInteractiveApplication.h"

l_QORDlgWindow::l_QORDlgWindow(l_QORDialog* f, const QORString& n, QORDialog* a, unsigned long s)
    : l_QORDialog(f, n, a, s) {
  // A window roots a tree: its objects reach the application through it.
  if (!f) SetApplication(l_QORInteractiveApplication::GetCurrent());
}

l_QORDlgWindow::~l_QORDlgWindow() {
  // Never leave a dangling entry on the application's window list.
  if (l_QORInteractiveApplication* app = GetApplication()) app->RemoveWindow(this);
}

int l_QORDlgWindow::IsAKindOf(unsigned long code) {
  return code == QORDlgCodeWindow || l_QORDialog::IsAKindOf(code);
}
