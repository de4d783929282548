#include "QORDlgContextualMenu.h"

#include <Xm/CascadeB.h>
#include <Xm/RowColumn.h>

#include <algorithm>

#include "QORDlgText.h"
#include "l_QORDlgContextualMenu.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORDlgSubMenu.h"
#include "l_QORDlgToolBar.h"
#include "l_QORDlgWindow.h"
#include "qordlg_assert.h"

int l_QORDlgContextualMenu::CtxTransactionEnded = 1;
std::vector<l_QORDlgContextualMenu*> l_QORDlgContextualMenu::ctxemptylist;
l_QORDlgContextualMenu* l_QORDlgContextualMenu::currentCtx = nullptr;

l_QORDlgContextualMenu::l_QORDlgContextualMenu(l_QORDialog* f, const QORString& n, QORDlgContextualMenu* a,
                                               unsigned long s)
    : l_QORDlgMenu(f, n, a, s) {
  style |= s & (QORDlgMenuVolatile | QORDlgMenuTearOff);
  if (father) father->SetContextualMenu(this);
}

l_QORDlgContextualMenu::~l_QORDlgContextualMenu() {
  ctxemptylist.erase(std::remove(ctxemptylist.begin(), ctxemptylist.end(), this), ctxemptylist.end());
  if (currentCtx == this) currentCtx = nullptr;
  forgetPoppedOn();
  l_QORDlgWindow* w = window();
  if (w && w->GetDefaultContextualMenu() == this) w->SetDefaultContextualMenu(nullptr);
  if (father && father->GetContextualMenu() == this) father->SetContextualMenu(nullptr);
}

l_QORDlgWindow* l_QORDlgContextualMenu::window() {
  return dynamic_cast<l_QORDlgWindow*>(GetWindowFather());
}

l_QORDlgContextualMenu* l_QORDlgContextualMenu::owner() {
  l_QORDlgWindow* w = window();
  l_QORDlgContextualMenu* d = w ? w->GetDefaultContextualMenu() : nullptr;
  return d && d != this && d->IsBuild() && d->baseWidget ? d : nullptr;
}

Widget l_QORDlgContextualMenu::GetBaseWidget(int which) {
  l_QORDlgContextualMenu* d = owner();
  if ((which != 0 || sharing) && d) return d->baseWidget;
  return baseWidget;
}

void l_QORDlgContextualMenu::Build() {
  if (built) return;
  if (!resourceLock) loadResources();
  l_QORDlgWindow* w = window();
  QORDLG_ASSERT(w != nullptr, "wnd_father != NULL");
  // The window's own menu owns the pop-up, whichever is built first.
  l_QORDlgContextualMenu* d = w->GetDefaultContextualMenu();
  if (d && d != this && !d->IsBuild()) d->Build();
  if (owner()) {
    sharing = true;
    built = 1;
  } else {
    Widget parent = w->GetBaseWidget(1);
    if (!parent) return;
    w->SetDefaultContextualMenu(this);
    built = 1;
    sharing = false;
    // Motif's default posts it from the keyboard only: the button is the gathering's.
    QORDlgArgs<MenuArgCount> args;
    menuArgs(args, style & QORDlgMenuTearOff);
    baseWidget = XmCreatePopupMenu(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    XtAddCallback(XtParent(baseWidget), XmNpopdownCallback, popdownMenuCB, nullptr);
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    InstallFocusHandler(nullptr);
  }
  pending &= ~(QORDlgUpdVisibility | QORDlgUpdChildren);
  update(0);
}

void l_QORDlgContextualMenu::UnBuild() {
  forgetPoppedOn();
  l_QORDlgMenu::UnBuild();
  sharing = false;
}

void l_QORDlgContextualMenu::widgetDestroyed() {
  l_QORDlgMenu::widgetDestroyed();
  sharing = false;
}

void l_QORDlgContextualMenu::update(unsigned long mask) {
  if (!built) return;
  const unsigned long raised = pending | mask;
  if ((raised & QORDlgUpdTitle) && titleLabel) {
    XmString s = QORDlgText::toXmString(title);
    XtVaSetValues(titleLabel, XmNlabelString, s, nullptr);
    XmStringFree(s);
  }
  bool clearAgain = false;
  if (raised & QORDlgUpdClearContents) {
    pending &= ~QORDlgUpdClearContents;
    clearAgain = !clearContents();
    if (!clearAgain && father && father->IsAKindOf(QORDlgCodeToolBar) && (style & QORDlgMenuVolatile))
      pending &= ~QORDlgUpdChildren;
  }
  // Items are built into the pop-up only while it is shown: they would
  // otherwise come up with the menus of other objects.
  const bool holdChildren = !popped && ((pending | mask) & QORDlgUpdChildren);
  const unsigned long ignored = QORDlgUpdTitle | QORDlgUpdSize | QORDlgUpdPosition | QORDlgUpdClearContents |
                                (holdChildren ? static_cast<unsigned long>(QORDlgUpdChildren) : 0UL);
  pending &= ~ignored;
  l_QORDlgMenu::update(mask & ~ignored);
  if (holdChildren) pending |= QORDlgUpdChildren;
  if (clearAgain) {
    pending |= QORDlgUpdClearContents;
    registerDifferUpdate();
  }
}

// ---- popping ----

void l_QORDlgContextualMenu::setShown(bool shown) {
  style = (style & ~(QORDlgShown | QORDlgHidden)) | (shown ? QORDlgShown : QORDlgHidden);
  notify(&visibilityNotification);
}

void l_QORDlgContextualMenu::popupMenu() {
  popped = 1;
  setShown(true);
  // Its items left the pop-up when it was last cleared.
  pending |= QORDlgUpdChildren;
  update(0);
}

void l_QORDlgContextualMenu::popdownMenu() {
  pending |= QORDlgUpdClearContents;
  registerDifferUpdate();
}

void l_QORDlgContextualMenu::popdownMenuCB(Widget, XtPointer, XtPointer) {
  std::vector<l_QORDlgContextualMenu*> gone;
  gone.swap(ctxemptylist);
  for (l_QORDlgContextualMenu* m : gone) {
    currentCtx = m;
    m->popdownMenu();
    m->forgetPoppedOn();
    m->poppedOn = m->GetBaseWidget(1);
    if (m->poppedOn) XtAddCallback(m->poppedOn, XmNdestroyCallback, poppedOnDestroyedCB, m);
  }
  currentCtx = nullptr;
}

void l_QORDlgContextualMenu::poppedOnDestroyedCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgContextualMenu*>(client)->poppedOn = nullptr;
}

void l_QORDlgContextualMenu::forgetPoppedOn() {
  if (poppedOn) XtRemoveCallback(poppedOn, XmNdestroyCallback, poppedOnDestroyedCB, this);
  poppedOn = nullptr;
}

bool l_QORDlgContextualMenu::clearContents() {
  if (!CtxTransactionEnded) return false;
  popped = 0;
  setShown(false);
  if (poppedOn) destroyShownWidgets();
  if (style & QORDlgMenuVolatile) {
    deleteChildren();
    // A tool bar's menu gets its dock items back for the next pop-up.
    if (father && father->IsAKindOf(QORDlgCodeToolBar)) static_cast<l_QORDlgToolBar*>(father)->createContextualMenu();
  }
  return true;
}

// Every widget of the pop-up goes, the items of all gathered menus with the
// separators between them; a sub-menu's pane goes with its shell, its
// cascade button from an idle work procedure (Motif may still be in it).
void l_QORDlgContextualMenu::destroyShownWidgets() {
  Widget pane = poppedOn;
  forgetPoppedOn();
  QORDLG_ASSERT(XtIsWidget(pane), "XtIsWidget(rc)");
  WidgetList kids = nullptr;
  Cardinal count = 0;
  XtVaGetValues(pane, XmNchildren, &kids, XmNnumChildren, &count, nullptr);
  const std::vector<Widget> children(kids, kids + count);
  std::vector<Widget> shells;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if (XmIsCascadeButton(*it)) {
      Widget sub = nullptr;
      XtVaGetValues(*it, XmNsubMenuId, &sub, nullptr);
      if (sub && std::find(shells.begin(), shells.end(), XtParent(sub)) == shells.end()) shells.push_back(XtParent(sub));
    } else {
      XtDestroyWidget(*it);
    }
  }
  for (int i = 0; i < GetChildCount(); ++i)
    if (auto* sub = dynamic_cast<l_QORDlgSubMenu*>(GetChild(i))) sub->DifferedCascadeButtonDestruction() = 1;
  for (Widget shell : shells) XtDestroyWidget(shell);
}

void l_QORDlgContextualMenu::deleteChildren() {
  while (GetChildCount() > 0) {
    l_QORDialog* child = GetChild(GetChildCount() - 1);
    if (QORDialog* envelope = child->GetAPIObject()) delete envelope;
    else child->Destroy();
    if (GetChildCount() > 0 && GetChild(GetChildCount() - 1) == child) children -= child;
  }
}

// ---- record and replay ----

void l_QORDlgContextualMenu::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&visibilityNotification, [this](l_QORDlgRecordIo& io) {
         unsigned int mask = static_cast<unsigned int>(pending);
         io.field(popped, mask);
         if (!io.replaying()) return io.detail("Style= %d State=%d\n", static_cast<int>(style), popped);
         io.detail("Style= %d State= %d\n", static_cast<int>(style), popped);
         pending = mask;
       })
      .onReplay([this] {
        if (popped) {
          setShown(true);
          update(0);
          return;
        }
        setShown(false);
        if (style & QORDlgMenuVolatile) deleteChildren();
      });
  l_QORDlgMenu::recordCases(cases);
}

// ---- envelope ----

QORDlgContextualMenu* l_QORDlgContextualMenu::EnvelopeOf(const l_QORDialog* object) {
  l_QORDlgContextualMenu* m = object ? object->GetContextualMenu() : nullptr;
  return m ? static_cast<QORDlgContextualMenu*>(m->GetAPIObject()) : nullptr;
}

QORDlgContextualMenu::QORDlgContextualMenu(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgMenu(father, name, style) {
  letter = new l_QORDlgContextualMenu(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgContextualMenu::GetLetterObject() const { return letter; }
