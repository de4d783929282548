// QORDlgDocument: an application's main window. A Motif main window with a
// work area for the application's objects, four docking areas for tool bars
// around it, a status-bar row, and, in MDI style, an MDI client that holds
// the document's dialog boxes as child frames. Files dropped on it by other
// applications arrive as QORDlgDroppedFileNotification, one per file.
#pragma once
#include "QORDlgWindow.h"

class QORInteractiveApplication;
class QORDlgContextualMenu;
class QORDlgDialog;

class QORDlgDocument : public QORDlgWindow {
 public:
  QORDlgDocument(QORInteractiveApplication* application, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgDocument"; }
  l_QORDialog* GetLetterObject() const override;

  QORDialog* GetMenuBar() const;
  QORDialog* GetStatusBar() const;
  QORDlgContextualMenu* GetContextualMenu() const;
  QORDlgDroppedFileNotification* GetDroppedFileNotification() const;

  // MDI style (style bit 0x10000, unless OLD_UNIX_MDI is set).
  int IsMDI() const;
  void MDIActivate(QORDlgDialog* dialog);
  QORDlgDialog* MDIGetActive() const;
  void MDIMaximize(QORDlgDialog* dialog);
  void MDIMinimize(QORDlgDialog* dialog);
  void MDIRestore(QORDlgDialog* dialog);
  void MDINext();
  void MDIPrevious();
  // Flags: 1 columns instead of rows, 4 leave the iconified frames as icons.
  void MDITile(int flags);
  void MDICascade(int flags);
  void MDIIconArrange();
};
