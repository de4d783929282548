// Internal to libTOLVEN: not API, never installed.
// Letter base of the menus (class code 15): builds the items and sub-menus
// in child order, keeps a torn-off menu's shell, and groups radio items.
#pragma once
#include "QORDlgMenu.h"
#include "QORDlgArgs.h"
#include "l_QORDialog.h"

class l_QORDlgMenu : public l_QORDialog {
 public:
  l_QORDlgMenu(l_QORDialog* father, const QORString& name, QORDlgMenu* api, unsigned long style);
  unsigned long GetClassCode() const override { return QORDlgCodeMenu; }
  void UnBuild() override;
  void update(unsigned long mask) override;
  // Unchecks the checked radio item of the run around child `position` (1-based).
  virtual void DeselectAllBrothers(int position, int notify);

  Visual* GetOvlVisual() const;
  int GetOvlDepth() const;
  Colormap GetOvlColormap() const;
  // Motif's insertion position of a menu's child widget (XmNinsertPosition).
  static Cardinal insertPos(Widget w);
  static void tearOffActivateCB(Widget w, XtPointer client, XtPointer call);
  static void tearOffDeactivateCB(Widget w, XtPointer client, XtPointer call);

 protected:
  // The arguments of every menu pane: visual, insertion order, menu colours
  // and font, tear-off: up to MenuArgCount.
  void menuArgs(QORDlgArgList& args, bool tearOff);
  static constexpr Cardinal MenuArgCount = 9;
  // The application's colours and font on a button of a menu: up to 3.
  static void colourArgs(QORDlgArgList& args);
  void forgetTornOff();
  // Builds an item or a sub-menu (with the tear-off callbacks the first
  // time); reports any other child.
  void buildChild(l_QORDialog* child);

  Widget tornOffShell = nullptr;
};
