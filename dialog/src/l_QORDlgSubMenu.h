// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgSubMenu (class code 17): an XmPulldownMenu and the
// XmCascadeButton that opens it in the father's pane.
#pragma once
#include "QORDlgSubMenu.h"
#include "l_QORDlgMenu.h"

class l_QORDlgSubMenu : public l_QORDlgMenu {
 public:
  l_QORDlgSubMenu(l_QORDialog* father, const QORString& name, QORDlgSubMenu* api, unsigned long style);
  void Build() override;
  void Destroy() override;
  void UnBuild() override;
  unsigned long GetClassCode() const override { return QORDlgCodeSubMenu; }
  void update(unsigned long mask) override;
  void widgetDestroyed() override;
  void manage() override;
  void unmanage() override;
  // GetBaseWidget(0) and (1): the pull-down pane; the cascade button apart.
  Widget GetCascadeButton() const { return cascade; }
  // Set by a contextual menu clearing its shared pane: the cascade button is
  // then destroyed from an idle work procedure, outside Motif's callback.
  int& DifferedCascadeButtonDestruction() { return deferredDestruction; }

 private:
  void createCascade(Widget pane);
  void destroyCascade();
  static void cascadeDestroyedCB(Widget w, XtPointer client, XtPointer call);
  static Boolean destroyWP(XtPointer widget);

  Widget cascade = nullptr;
  int deferredDestruction = 0;
};
