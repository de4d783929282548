// The status bar of a window: a text at its left, in a frame, and the
// controls and frames given to it at its right end. The window's objects
// reach the text through SetStatusBarText and SetStatusBarTemporaryText.
#pragma once
#include "QORDlgBar.h"

class QORDlgStatusBar : public QORDlgBar {
 public:
  // The father is the window that shows it.
  QORDlgStatusBar(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgStatusBar"; }
  l_QORDialog* GetLetterObject() const override;
};
