// A tool bar: a row or column of controls docked on one side of its document
// window (style QORDlgToolBarTop, Bottom, Left, Right) or floating in a shell
// of its own (QORDlgToolBarUndocked). The user moves it through its
// contextual menu; every move sends QORDlgWindDockNotification, the floating
// shell's close request QORDlgWindCloseNotification.
#pragma once
#include "QORDlgBar.h"

class QORDlgContextualMenu;

class QORDlgToolBar : public QORDlgBar {
 public:
  // The father is the document window.
  QORDlgToolBar(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgToolBar"; }
  l_QORDialog* GetLetterObject() const override;

  // Any value that names no dock state means top; returns the previous state.
  unsigned long SetDockState(unsigned long state);
  unsigned long GetDockState() const;
  QORDlgContextualMenu* GetContextualMenu() const;
  QORDlgWindCloseNotification* GetWindCloseNotification() const;
  QORDlgWindDockNotification* GetWindDockNotification() const;
};
