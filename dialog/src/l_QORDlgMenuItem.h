// Internal to libTOLVEN: not API, never installed.
// Letter base of the menu items (class code 19): the accelerator shown and
// installed on the item's button, what a destroyed widget must re-apply,
// and the bracket around an item's notification.
#pragma once
#include "QORDlgMenuItem.h"
#include "QORDlgArgs.h"
#include "l_QORDialog.h"

class l_QORDlgMenuItem : public l_QORDialog {
 public:
  l_QORDlgMenuItem(l_QORDialog* father, const QORString& name, QORDlgMenuItem* api, unsigned long style);
  unsigned long GetClassCode() const override { return QORDlgCodeMenuItem; }
  void update(unsigned long mask) override;
  void widgetDestroyed() override;

 protected:
  // Creates the item's widget with `create` in the menu's pane, the letter
  // as user data and the menu colours; false while the menu has no pane.
  bool createItem(Widget (*create)(Widget, String, ArgList, Cardinal), QORDlgArgList& extra);
  // `n` sent with the contextual menus told that an item is busy: they do
  // not clear under a running callback.
  void sendInBracket(QORNotification* n);
  // A check or radio item's toggle with its indicator, the callback on its
  // value change; false while the menu has no pane.
  bool createToggle(unsigned char indicator, XtCallbackProc changed);
  // The state shown by a check or radio item's toggle (pending 0x80).
  void applyToggle(unsigned long state);
  void stateChanged();

 private:
  void applyAccelerator();
};
