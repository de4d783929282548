#include "QORDlgBarMenu.h"

#include <Xm/RowColumn.h>

#include "l_QORDlgBarMenu.h"
#include "l_QORDlgWindow.h"
#include "l_QORInteractiveApplication.h"

l_QORDlgBarMenu::l_QORDlgBarMenu(l_QORDialog* f, const QORString& n, QORDlgBarMenu* a, unsigned long s)
    : l_QORDlgMenu(f, n, a, s) {
  if (l_QORDlgWindow* w = window()) w->SetMenuBar(this);
}

l_QORDlgBarMenu::~l_QORDlgBarMenu() {
  if (l_QORDlgWindow* w = window()) w->ForgetMenuBar(this);
}

l_QORDlgWindow* l_QORDlgBarMenu::window() const {
  return father ? dynamic_cast<l_QORDlgWindow*>(father->GetWindowFather()) : nullptr;
}

void l_QORDlgBarMenu::Build() {
  if (built) return;
  if (!resourceLock) loadResources();
  l_QORDlgWindow* w = window();
  Widget parent = w ? w->GetBaseWidget(1) : nullptr;
  if (!parent) return;
  built = 1;
  QORDlgArgs<4> args;
  args.add(XmNinsertPosition, insertPos);
  colourArgs(args);
  baseWidget = XmCreateMenuBar(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
  XtVaSetValues(baseWidget, XmNuserData, static_cast<l_QORDialog*>(this), nullptr);
  InstallDestroyHandler();
  pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdVisibility | QORDlgUpdChildren;
  update(0);
}

void l_QORDlgBarMenu::update(unsigned long mask) {
  // A bar keeps its own widget sensitive: its buttons follow the menus' sensitivities.
  pending &= ~QORDlgUpdSensitivity;
  l_QORDlgMenu::update(mask & ~QORDlgUpdSensitivity);
}

// ---- envelope ----

QORDlgBarMenu::QORDlgBarMenu(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgMenu(father, name, style) {
  letter = new l_QORDlgBarMenu(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgBarMenu::GetLetterObject() const { return letter; }
