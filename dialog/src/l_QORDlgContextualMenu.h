// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgContextualMenu (class code 18): an XmPopupMenu. The first
// one built in a window owns the pop-up and is the window's default
// contextual menu; the others put their items into it. A third-button
// press gathers the menus of the objects under the pointer (l_QORDialog::
// threeButton); the items are taken out again once the menu popped down.
#pragma once
#include <vector>

#include "QORDlgContextualMenu.h"
#include "l_QORDlgMenu.h"

class l_QORDlgWindow;

class l_QORDlgContextualMenu : public l_QORDlgMenu {
 public:
  l_QORDlgContextualMenu(l_QORDialog* father, const QORString& name, QORDlgContextualMenu* api, unsigned long style);
  ~l_QORDlgContextualMenu() override;
  void Build() override;
  void UnBuild() override;
  unsigned long GetClassCode() const override { return QORDlgCodeContextualMenu; }
  void update(unsigned long mask) override;
  void widgetDestroyed() override;
  Widget GetBaseWidget(int which) override;
  // Popped by the third-button gesture only.
  void manage() override {}
  void unmanage() override {}
  void recordCases(l_QORDlgRecordCases& cases) override;

  // Shown in the gathered pop-up: builds its items there and notifies.
  void popupMenu();
  // Gone from the screen: the clearing waits for the callback to return.
  void popdownMenu();
  // Takes the items out of the pop-up; false (and nothing done) while an
  // item's notification runs.
  bool clearContents();
  int IsPopped() const { return popped; }
  static void popdownMenuCB(Widget w, XtPointer client, XtPointer call);
  // The envelope of the contextual menu of `object`, or null.
  static QORDlgContextualMenu* EnvelopeOf(const l_QORDialog* object);

  // 0 while an item sends its notification: no menu clears meanwhile.
  static int CtxTransactionEnded;
  // The menus popped in the current gesture, and the one popping down.
  static std::vector<l_QORDlgContextualMenu*> ctxemptylist;
  static l_QORDlgContextualMenu* currentCtx;

 private:
  l_QORDlgWindow* window();
  // The window's default contextual menu when it is another one, built.
  l_QORDlgContextualMenu* owner();
  void forgetPoppedOn();
  void destroyShownWidgets();
  void setShown(bool shown);
  void deleteChildren();
  static void poppedOnDestroyedCB(Widget w, XtPointer client, XtPointer call);

  Widget titleLabel = nullptr;  // none: a title is not shown in the gathered pop-up
  bool sharing = false;         // its items go into the default menu's pop-up
  Widget poppedOn = nullptr;
  int popped = 0;
};
