#include "QORDlgSubMenu.h"

#include <Xm/CascadeB.h>
#include <Xm/RowColumn.h>

#include "QORDlgText.h"
#include "l_QORDlgSubMenu.h"
#include "l_QORInteractiveApplication.h"

l_QORDlgSubMenu::l_QORDlgSubMenu(l_QORDialog* f, const QORString& n, QORDlgSubMenu* a, unsigned long s)
    : l_QORDlgMenu(f, n, a, s) {
  style |= s & (QORDlgMenuHelpEntry | QORDlgMenuTearOff);
}

void l_QORDlgSubMenu::Build() {
  if (built) return;
  if (!resourceLock) loadResources();
  Widget parent = father ? father->GetBaseWidget(1) : nullptr;
  if (!parent) return;
  built = 1;
  QORDlgArgs<MenuArgCount> args;
  menuArgs(args, style & QORDlgMenuTearOff);
  baseWidget = XmCreatePulldownMenu(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
  InstallDestroyHandler();
  createCascade(parent);
  pending |= QORDlgUpdTitle | QORDlgUpdChildren | QORDlgUpdMnemonic | QORDlgUpdSensitivity;
  update(0);
}

void l_QORDlgSubMenu::createCascade(Widget pane) {
  const std::string cascadeName = std::string(name.c_str()) + "Bt";
  QORDlgArgs<5> args;
  args.add(XmNuserData, static_cast<l_QORDialog*>(this)).add(XmNsubMenuId, baseWidget);
  // In a menu bar the button wears the window's colours, as the bar does.
  colourArgs(args);
  cascade = XmCreateCascadeButton(pane, const_cast<char*>(cascadeName.c_str()), args.data(), args.count());
  if ((style & QORDlgMenuHelpEntry) && father && father->IsAKindOf(QORDlgCodeBarMenu))
    XtVaSetValues(pane, XmNmenuHelpWidget, cascade, nullptr);
  if (IsOnScreen()) XtManageChild(cascade);
  XtAddCallback(cascade, XmNdestroyCallback, cascadeDestroyedCB, this);
}

void l_QORDlgSubMenu::update(unsigned long mask) {
  if (!built) return;
  const unsigned long raised = pending | mask;
  if (cascade) {
    if (raised & QORDlgUpdTitle) {
      XmString s = QORDlgText::toXmString(title);
      XtVaSetValues(cascade, XmNlabelString, s, nullptr);
      XmStringFree(s);
    }
    if ((raised & QORDlgUpdMnemonic) && !mnemonic.IsNull())
      XtVaSetValues(cascade, XmNmnemonic, static_cast<KeySym>(mnemonic.GetCode()), nullptr);
    if (raised & QORDlgUpdSensitivity) XtSetSensitive(cascade, IsGloballySensitive() ? True : False);
  }
  // Applied on the button: the pane has no title, and stays sensitive.
  const unsigned long mine = QORDlgUpdTitle | QORDlgUpdMnemonic | QORDlgUpdSensitivity;
  pending &= ~mine;
  l_QORDlgMenu::update(mask & ~mine);
}

// The pane is posted by its button; showing the menu shows the button.
void l_QORDlgSubMenu::manage() {
  if (cascade) XtManageChild(cascade);
}

void l_QORDlgSubMenu::unmanage() {
  if (cascade) XtUnmanageChild(cascade);
}

void l_QORDlgSubMenu::cascadeDestroyedCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgSubMenu*>(client)->cascade = nullptr;
}

Boolean l_QORDlgSubMenu::destroyWP(XtPointer widget) {
  XtDestroyWidget(static_cast<Widget>(widget));
  return True;
}

void l_QORDlgSubMenu::destroyCascade() {
  if (!cascade) return;
  Widget w = cascade;
  cascade = nullptr;
  XtRemoveCallback(w, XmNdestroyCallback, cascadeDestroyedCB, this);
  if (deferredDestruction && GetApplicationContext()) {
    deferredDestruction = 0;
    XtAppAddWorkProc(GetApplicationContext(), destroyWP, w);
  } else {
    XtDestroyWidget(w);
  }
}

void l_QORDlgSubMenu::Destroy() {
  if (!destroying) destroyCascade();
  l_QORDlgMenu::Destroy();
}

void l_QORDlgSubMenu::UnBuild() {
  destroyCascade();
  l_QORDlgMenu::UnBuild();
}

void l_QORDlgSubMenu::widgetDestroyed() {
  destroyCascade();
  l_QORDlgMenu::widgetDestroyed();
  pending |= QORDlgUpdTitle | QORDlgUpdSensitivity | QORDlgUpdChildren;
  if (!mnemonic.IsNull()) pending |= QORDlgUpdMnemonic;
  if (accelerator) pending |= QORDlgUpdAccelerator;
}

// ---- envelope ----

QORDlgSubMenu::QORDlgSubMenu(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgMenu(father, name, style) {
  letter = new l_QORDlgSubMenu(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgSubMenu::GetLetterObject() const { return letter; }
