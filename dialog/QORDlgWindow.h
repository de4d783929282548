// QORDlgWindow: abstract base of the top-level objects (dialog boxes, notify
// and file boxes, documents). It gives application code the window manager's
// side of a window: its six notifications, maximise/minimise/restore and full
// screen.
#pragma once
#include "QORDialog.h"
#include "QORDlgLayoutEnvelope.h"

class QORDlgWindow : public QORDialog, public QORDlgLayoutEnvelope {
 public:
  QORDlgWindow(QORDialog* father, const QORString& name, unsigned long style);
  // The command-tree father may differ from the dialog father: notifications
  // then travel up `commandFather`'s tree.
  QORDlgWindow(QORDialog* father, QORCommand* commandFather, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgWindow"; }

  QORDlgWindSizeNotification* GetWindSizeNotification() const;
  QORDlgWindCloseNotification* GetWindCloseNotification() const;
  QORDlgWindMoveNotification* GetWindMoveNotification() const;
  QORDlgWindMaximizeNotification* GetWindMaximizeNotification() const;
  QORDlgWindMinimizeNotification* GetWindMinimizeNotification() const;
  QORDlgWindRestoreNotification* GetWindRestoreNotification() const;

  void Maximize();
  void Minimize();
  void Restore();
  int IsMaximized() const;
  int IsMinimized() const;
  void SetFullScreen(int on);
  // Height first, then width.
  void GetMaximumSize(int* height, int* width) const;
  void QueryHelpOnContext();

 protected:
  l_QORDialog* layoutLetter() const override { return GetLetterObject(); }
  // A window without a father window; `commandFather` may be null.
  QORDlgWindow(QORCommand* commandFather, const QORString& name, unsigned long style, int topLevel);
};
