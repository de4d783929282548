// The command behind a tool bar's contextual menu: it fills the menu with
// the items Top, Bottom, Left, Right and Undock and docks the bar as the
// user chooses. It lives as long as one of its items.
#pragma once
#include "QORCommand.h"
#include "QORString.h"

class QORDlgContextualMenu;
class QORDlgToolBar;
class QORDlgToolBarCtxItem;
class QORNotification;
class l_QORDlgToolBar;

class QORDlgToolBarCtxMenu : public QORCommand {
 public:
  QORDlgToolBarCtxMenu(QORDlgToolBar* toolBar, const QORString& name, unsigned long style);
  ~QORDlgToolBarCtxMenu() override;
  const char* GetClassName() const override { return "QORDlgToolBarCtxMenu"; }
  bool IsAKindOf(const char* className) const override;

  void FillMenu(QORDlgContextualMenu* menu);
  // An item was chosen: `clientData` is its name.
  void MoveToolBarCB(QORCommand* from, QORNotification* n, void* clientData);
  void AjouteReference() { ++references; }
  int RetireReference();
  // The tool bar is going: its items may still report.
  void ForgetToolBar() { toolBar = nullptr; }

 private:
  // The letter: the envelope may be gone while the items wait for the idle pass.
  l_QORDlgToolBar* toolBar;
  QORDlgContextualMenu* menu;
  int references = 0;
  QORDlgToolBarCtxItem* items[5] = {};
};
