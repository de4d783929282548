// A minimal top-level object for tests until the real windows exist: a
// top-level shell holding a bulletin board, registered with the application.
#pragma once
#include <Xm/BulletinB.h>
#include <X11/Shell.h>

#include "QORApplication.h"
#include "QORDialog.h"
#include "QORDlgWindow.h"
#include "QORInteractiveApplication.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgWindow.h"
#include "l_QORInteractiveApplication.h"

class TestWindowLetter : public l_QORDlgWindow {
 public:
  TestWindowLetter(const QORString& name, QORDialog* api, unsigned long style, int withLayout = 0)
      : l_QORDlgWindow(nullptr, name, api, style), autoLayout(withLayout) {
    dx = 300;
    dy = 200;
    if (GetApplication()) GetApplication()->AddWindow(this);
    // Like a real window: ask the next idle pass to build it.
    pending |= 0x80000000;
    registerDifferUpdate();
  }
  void BuildWindow() override { Build(); }
  void Build() override {
    if (built) return;
    l_QORInteractiveApplication* app = GetApplication();
    shell = XtVaAppCreateShell(name.c_str(), "TolvenTest", topLevelShellWidgetClass, app->GetDisplay(),
                               XmNwidth, dx, XmNheight, dy, XmNvisual, app->GetVisual(), XmNdepth,
                               app->GetDepth(), XmNcolormap, app->GetColormap(), nullptr);
    baseWidget = XtVaCreateWidget("work", xmBulletinBoardWidgetClass, shell, XmNwidth, dx, XmNheight, dy,
                                  XmNmarginWidth, 0, XmNmarginHeight, 0, XmNresizePolicy, XmRESIZE_NONE, nullptr);
    built = 1;
    InstallDestroyHandler();
    XtManageChild(baseWidget);
    XtVaSetValues(shell, XmNdeleteResponse, XmDO_NOTHING, nullptr);
    AddWMCallbacks();
    InstallMoveWindowHandler(shell);
    XtAddCallback(shell, XmNpopupCallback, popupCB, this);
    // Children first, while nothing is realized: Xt then lays them out once.
    pending |= QORDlgUpdChildren;
    update(0);
    XtRealizeWidget(shell);
    // Laid out once realized, as a window's first sizing is: composites such
    // as XmFrame arrange their children themselves when they are realized.
    if (autoLayout && !layoutManager->isFirstLayoutDone()) layoutManager->Layout();
  }
  // What the window's resize callback does: the layout follows the new size.
  void ResizeTo(int w, int h) {
    if (baseWidget) XtVaSetValues(baseWidget, XmNwidth, w, XmNheight, h, nullptr);
    layoutManager->updateSize(w, h, 0);
  }
  int autoLayout;
  void manage() override {
    if (shell) XtPopup(shell, XtGrabNone);
  }
  void unmanage() override {
    if (shell) XtPopdown(shell);
  }
  void UnBuild() override {
    Widget s = shell;
    shell = nullptr;
    l_QORDlgWindow::UnBuild();
    if (s) XtDestroyWidget(s);
  }
  Widget shell = nullptr;
};

class TestWindow : public QORDlgWindow {
 public:
  // withLayout: lay the children out at the first build, as windows do.
  explicit TestWindow(const char* name, unsigned long style = 0, int withLayout = 0)
      : QORDlgWindow(static_cast<QORCommand*>(nullptr), name, style, 1) {
    typed = new TestWindowLetter(name, this, style, withLayout);
    windowLetter = typed;
    letter = typed;
  }
  l_QORDialog* GetLetterObject() const override { return typed; }
  TestWindowLetter* typed;
};

// Processes the pending X events and runs idle passes until nothing is left.
inline void PumpIdle(int rounds = 20) {
  l_QORInteractiveApplication* app = l_QORInteractiveApplication::GetCurrent();
  for (int i = 0; i < rounds; ++i) {
    XSync(app->GetDisplay(), False);
    while (XtAppPending(app->GetContext()) & (XtIMXEvent | XtIMTimer)) XtAppProcessEvent(app->GetContext(), XtIMXEvent | XtIMTimer);
    if (QORApplication::GetSubscriberCount(QORApplication::IdleEvent) == 0 && !XtAppPending(app->GetContext())) break;
    QORApplication::Dispatch(QORApplication::IdleEvent);
  }
}
