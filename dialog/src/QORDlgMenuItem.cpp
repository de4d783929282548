#include "QORDlgMenuItem.h"

#include <Xm/ToggleB.h>

#include <string>

#include "QORDlgText.h"
#include "l_QORDlgContextualMenu.h"
#include "l_QORDlgMenuItem.h"
#include "l_QORInteractiveApplication.h"

l_QORDlgMenuItem::l_QORDlgMenuItem(l_QORDialog* f, const QORString& n, QORDlgMenuItem* a, unsigned long s)
    : l_QORDialog(f, n, a, s) {}

bool l_QORDlgMenuItem::createItem(Widget (*create)(Widget, String, ArgList, Cardinal), QORDlgArgList& extra) {
  if (!resourceLock) loadResources();
  Widget pane = father ? father->GetBaseWidget(1) : nullptr;
  if (!pane) return false;
  built = 1;
  extra.add(XmNuserData, static_cast<l_QORDialog*>(this));
  if (GlobalXResources.enabled) {
    extra.add(XmNbackground, GlobalXResources.documentBackground);
    extra.add(XmNforeground, GlobalXResources.documentForeground);
    if (GlobalXResources.documentFontList) extra.add(XmNfontList, GlobalXResources.documentFontList);
  }
  baseWidget = create(pane, const_cast<char*>(name.c_str()), extra.data(), extra.count());
  InstallDestroyHandler();
  InstallFurtifHelpHandler(nullptr);
  InstallFocusHandler(nullptr);
  return true;
}

void l_QORDlgMenuItem::sendInBracket(QORNotification* n) {
  if (!api) return;
  l_QORDlgContextualMenu::CtxTransactionEnded = 0;
  notify(n);
  l_QORDlgContextualMenu::CtxTransactionEnded = 1;
}

bool l_QORDlgMenuItem::createToggle(unsigned char indicator, XtCallbackProc changed) {
  QORDlgArgs<6> args;
  args.add(XmNindicatorType, indicator).add(XmNvisibleWhenOff, True);
  if (!createItem(XmCreateToggleButton, args)) return false;
  XtAddCallback(baseWidget, XmNvalueChangedCallback, changed, this);
  pending |= QORDlgUpdVisibility | QORDlgUpdItemState;
  return true;
}

void l_QORDlgMenuItem::stateChanged() {
  pending |= QORDlgUpdItemState;
  registerDifferUpdate();
}

void l_QORDlgMenuItem::applyToggle(unsigned long state) {
  if (built && baseWidget && ((pending & QORDlgUpdItemState)))
    XmToggleButtonSetState(baseWidget, state == QORDlgChecked ? True : False, False);
  pending &= ~QORDlgUpdItemState;
}

void l_QORDlgMenuItem::update(unsigned long mask) {
  if (!built) return;
  const unsigned long raised = pending | mask;
  if ((raised & QORDlgUpdSensitivity) && baseWidget)
    XtSetSensitive(baseWidget, IsGloballySensitive() ? True : False);
  if ((raised & QORDlgUpdAccelerator) && baseWidget) applyAccelerator();
  const unsigned long mine = QORDlgUpdSensitivity | QORDlgUpdAccelerator | QORDlgUpdIcon;
  pending &= ~mine;
  l_QORDialog::update(mask & ~mine);
}

// Motif matches the key itself while the item's menu is reachable; the text
// tells the user which key that is. An unknown key sets nothing.
void l_QORDlgMenuItem::applyAccelerator() {
  const QORString event = QORDialog::GetAcceleratorEvent(accelerator);
  if (event.IsEmpty()) return;
  XmString shown = QORDlgText::toXmString(QORUnicodeString(QORDialog::GetAcceleratorText(accelerator).c_str()));
  XtVaSetValues(baseWidget, XmNaccelerator, event.c_str(), XmNacceleratorText, shown, nullptr);
  XmStringFree(shown);
}

void l_QORDlgMenuItem::widgetDestroyed() {
  l_QORDialog::widgetDestroyed();
  if (accelerator) pending |= QORDlgUpdAccelerator;
  if (!mnemonic.IsNull()) pending |= QORDlgUpdMnemonic;
  pending |= QORDlgUpdSensitivity | QORDlgUpdTitle | QORDlgUpdItemState;
}
