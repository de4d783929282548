// QORDlgDialog: the ordinary top-level dialog box, a window with a work area
// for the application's objects and an optional row of standard buttons (OK,
// Apply, Cancel, Help). Pressing one records the response and sends the
// matching Dia notification; the subscriber decides whether the box closes.
#pragma once
#include "QORDlgWindow.h"

class QORInteractiveApplication;
class QORDlgContextualMenu;

class QORDlgDialog : public QORDlgWindow {
 public:
  QORDlgDialog(QORDialog* father, const QORString& name, unsigned long style);
  QORDlgDialog(QORDialog* father, QORCommand* commandFather, const QORString& name, unsigned long style);
  // A dialog without father window, registered with the application.
  QORDlgDialog(QORInteractiveApplication* application, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgDialog"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgDiaOKNotification* GetDiaOKNotification() const;
  QORDlgDiaCANCELNotification* GetDiaCANCELNotification() const;
  QORDlgDiaAPPLYNotification* GetDiaAPPLYNotification() const;
  QORDlgDiaHELPNotification* GetDiaHELPNotification() const;
  QORDlgMDIRestoreNotification* GetMDIRestoreNotification() const;
  QORDlgMDIMinimizeNotification* GetMDIMinimizeNotification() const;
  QORDlgMDIMaximizeNotification* GetMDIMaximizeNotification() const;
  QORDlgMDICloseNotification* GetMDICloseNotification() const;
  QORDlgMDINextNotification* GetMDINextNotification() const;
  QORDlgMDIPreviousNotification* GetMDIPreviousNotification() const;
  QORDlgMDIActivateNotification* GetMDIActivateNotification() const;

  void SetOKTitle(const QORUnicodeString& title);
  void SetAPPLYTitle(const QORUnicodeString& title);
  void SetCANCELTitle(const QORUnicodeString& title);
  void SetHELPTitle(const QORUnicodeString& title);
  QORUnicodeString GetOKTitle() const;
  QORUnicodeString GetAPPLYTitle() const;
  QORUnicodeString GetCANCELTitle() const;
  QORUnicodeString GetHELPTitle() const;

  // 8 sensitive, 16 insensitive.
  void SetOKSensitivity(unsigned long s);
  void SetAPPLYSensitivity(unsigned long s);
  void SetCANCELSensitivity(unsigned long s);
  void SetHELPSensitivity(unsigned long s);
  unsigned long GetOKSensitivity() const;
  unsigned long GetAPPLYSensitivity() const;
  unsigned long GetCANCELSensitivity() const;
  unsigned long GetHELPSensitivity() const;

  // 0 (none), QORDlgDialogOK, QORDlgDialogCancel or QORDlgDialogHelp.
  void SetDefaultButton(int button);
  int GetDefaultButton() const;
  // 1 OK, 2 Cancel, 3 Apply, 4 Help: the standard button last pressed.
  int GetResponse() const;

  QORDialog* GetMenuBar() const;
  // The dialog's contextual menu: "defaultCtx" once built, unless the program gave one.
  QORDlgContextualMenu* GetContextualMenu() const;
};
