// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgBarMenu (class code 16): an XmMenuBar at the top of its
// window, registered with the window as its menu bar.
#pragma once
#include "QORDlgBarMenu.h"
#include "l_QORDlgMenu.h"

class l_QORDlgWindow;

class l_QORDlgBarMenu : public l_QORDlgMenu {
 public:
  l_QORDlgBarMenu(l_QORDialog* father, const QORString& name, QORDlgBarMenu* api, unsigned long style);
  ~l_QORDlgBarMenu() override;
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeBarMenu; }
  void update(unsigned long mask) override;

 private:
  l_QORDlgWindow* window() const;
};
