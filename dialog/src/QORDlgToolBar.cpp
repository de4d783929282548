#include "QORDlgToolBar.h"

#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <X11/CompositeP.h>
#include <Xm/DialogS.h>
#include <Xm/DrawingA.h>
#include <Xm/Protocols.h>
#include <Xm/RowColumn.h>

#include <cstdio>
#include <string>

#include "QORDlgArgs.h"
#include "QORDlgContextualMenu.h"
#include "QORDlgText.h"
#include "QORDlgToolBarCtxMenu.h"
#include "l_QORDlgContextualMenu.h"
#include "l_QORDlgDocument.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORDlgToolBar.h"
#include "l_QORInteractiveApplication.h"

int l_QORDlgToolBar::selfResizing = 0;
short l_QORDlgToolBar::nextShellX = 0;
short l_QORDlgToolBar::nextShellY = 0;

namespace {
// Each floating shell opens this far below and right of the previous one.
constexpr int kShellStep = 30;

std::string named(const QORString& name, const char* suffix) { return std::string(name.c_str()) + suffix; }
}  // namespace

l_QORDlgToolBar::l_QORDlgToolBar(l_QORDialog* f, const QORString& n, QORDlgToolBar* a, unsigned long s)
    : l_QORDlgBar(f, n, a, s) {
  style |= s;
  dockState = normalDockState(s & QORDlgToolBarDockMask);
  horizontal = static_cast<int>(dockState & (QORDlgToolBarTop | QORDlgToolBarBottom));
  if (l_QORDlgDocument* d = document()) d->addToolBar(this);
}

l_QORDlgToolBar::~l_QORDlgToolBar() {
  if (l_QORDlgDocument* d = document()) d->removeToolBar(this);
  if (ctxCommand) ctxCommand->ForgetToolBar();
  if (floatingShell) {
    XtRemoveCallback(floatingShell, XmNdestroyCallback, shellDestroyedCB, this);
    XtDestroyWidget(floatingShell);
  }
}

void l_QORDlgToolBar::Destroy() {
  if (l_QORDlgDocument* d = document()) d->removeToolBar(this);
  l_QORDlgBar::Destroy();
}

unsigned long l_QORDlgToolBar::normalDockState(unsigned long s) {
  switch (s) {
    case QORDlgToolBarTop:
    case QORDlgToolBarBottom:
    case QORDlgToolBarLeft:
    case QORDlgToolBarRight:
    case QORDlgToolBarUndocked:
      return s;
    default:
      return QORDlgToolBarTop;
  }
}

l_QORDlgDocument* l_QORDlgToolBar::document() const { return dynamic_cast<l_QORDlgDocument*>(father); }

// In another kind of window a bar stays in the window's work area.
Widget l_QORDlgToolBar::parentFor(unsigned long state) {
  if (state == QORDlgToolBarUndocked) return floatingFrame;
  static const struct { unsigned long state; int which; } kAreas[] = {
      {QORDlgToolBarTop, 2}, {QORDlgToolBarBottom, 5}, {QORDlgToolBarLeft, 3}, {QORDlgToolBarRight, 6}};
  l_QORDlgDocument* d = document();
  for (const auto& a : kAreas)
    if (d && a.state == state) return d->GetBaseWidget(a.which);
  return father ? father->GetBaseWidget(0) : nullptr;
}

// ---- building ----

void l_QORDlgToolBar::Build() {
  if (built) return update(0);
  if (!beginBuild()) return;
  buildFloatingShell();
  QORDlgArgs<6> args;
  args.add(XmNresizePolicy, XmRESIZE_NONE).add(XmNmarginWidth, kMargin).add(XmNmarginHeight, kMargin);
  if (GlobalXResources.enabled)
    args.add(XmNbackground, GlobalXResources.documentBackground).add(XmNforeground, GlobalXResources.documentForeground);
  args.add(XmNuserData, static_cast<l_QORDialog*>(this));
  baseWidget = XtCreateWidget(named(name, "Wa").c_str(), xmDrawingAreaWidgetClass, parentFor(dockState), args.data(),
                              args.count());
  XtAddCallback(floatingFrame, XmNresizeCallback, floatingResizeCB, this);
  createContextualMenu();
  // Its own pop-up stays off: the bar's menu is gathered by the window.
  Widget own = XmCreatePopupMenu(floatingFrame, const_cast<char*>("undock_popup"), nullptr, 0);
  XtVaSetValues(own, XmNpopupEnabled, XmPOPUP_DISABLED, nullptr);
  auto* window = dynamic_cast<l_QORDlgWindow*>(GetWindowFather());
  if (window && !window->GetDefaultContextualMenu() && contextualMenu) contextualMenu->Build();
  InstallFurtifHelpHandler(nullptr);
  InstallDestroyHandler();
  EnableThreeButton(floatingFrame);
  dx = dy = 5;
  pending |= QORDlgUpdChildren;
  update(0);
  placeFloatingShell();
  if (IsFloating()) offerWindowMenu();
}

void l_QORDlgToolBar::buildFloatingShell() {
  l_QORInteractiveApplication* app = GetApplication();
  Widget top = father->GetBaseWidget(0);
  while (top && !XtIsShell(top)) top = XtParent(top);
  QORDlgArgs<10> args;
  args.add(XmNvisual, app->GetVisual()).add(XmNdepth, app->GetDepth()).add(XmNcolormap, app->GetColormap());
  args.add(XmNallowShellResize, True).add(XmNdeleteResponse, XmDO_NOTHING);
  if (GlobalXResources.enabled)
    args.add(XmNbackground, GlobalXResources.documentBackground).add(XmNforeground, GlobalXResources.documentForeground);
  floatingShell = XtCreatePopupShell(name.c_str(), xmDialogShellWidgetClass, top, args.data(), args.count());
  QORDlgText::setShellTitle(floatingShell, GetTitle());
  XtAddCallback(floatingShell, XmNdestroyCallback, shellDestroyedCB, this);
  floatingFrame = XtVaCreateWidget(named(name, "Da").c_str(), xmDrawingAreaWidgetClass, floatingShell, XmNmarginWidth,
                                   2, XmNmarginHeight, 2, XmNresizePolicy, XmRESIZE_NONE, nullptr);
  Atom protocols = XmInternAtom(XtDisplay(floatingShell), const_cast<char*>("WM_PROTOCOLS"), False);
  Atom deleteWindow = XmInternAtom(XtDisplay(floatingShell), const_cast<char*>("WM_DELETE_WINDOW"), False);
  XmAddProtocolCallback(floatingShell, protocols, deleteWindow, closeCB, this);
}

void l_QORDlgToolBar::placeFloatingShell() {
  Screen* screen = XtScreen(floatingShell);
  int px = nextShellX + kShellStep, py = nextShellY + kShellStep;
  if (px + dx > WidthOfScreen(screen)) px = 0;
  if (py + dy > HeightOfScreen(screen)) py = 0;
  nextShellX = static_cast<short>(px);
  nextShellY = static_cast<short>(py);
  XtVaSetValues(floatingShell, XmNx, static_cast<Position>(px), XmNy, static_cast<Position>(py), nullptr);
}

void l_QORDlgToolBar::shellDestroyedCB(Widget, XtPointer client, XtPointer) {
  auto* self = static_cast<l_QORDlgToolBar*>(client);
  self->floatingShell = self->floatingFrame = nullptr;
}

void l_QORDlgToolBar::widgetDestroyed() {
  l_QORDlgBar::widgetDestroyed();
  // The floating shell outlives a bar widget destroyed with a docking area.
  if (!floatingShell) built = 0;
}

void l_QORDlgToolBar::createContextualMenu() {
  if (!ctxCommand && api) ctxCommand = new QORDlgToolBarCtxMenu(static_cast<QORDlgToolBar*>(api), name, 0);
}

// ---- the deferred update ----

void l_QORDlgToolBar::update(unsigned long mask) {
  if (!built || !baseWidget) return;
  const unsigned long raised = pending | mask;
  pending &= ~(QORDlgUpdChildren | QORDlgUpdSize | QORDlgUpdPosition | QORDlgUpdTitle);
  mask &= ~(QORDlgUpdChildren | QORDlgUpdSize | QORDlgUpdPosition | QORDlgUpdTitle);
  bool resized = (raised & (QORDlgUpdSize | QORDlgUpdPosition)) != 0;
  if (raised & QORDlgUpdChildren) {
    buildChildren([](l_QORDialog* child) { child->Build(); });
    PositionChildren();
    resized = true;
  }
  if ((raised & QORDlgUpdTitle) && floatingShell) QORDlgText::setShellTitle(floatingShell, GetTitle());
  if (resized) {
    // Plain controls give the bar its size; containers take what it is given.
    if (!(raised & QORDlgUpdChildren) && (childrenChanged || !IsResizable())) PositionChildren();
    childrenChanged = false;
    unmanage();
    if (IsFloating()) XtConfigureWidget(baseWidget, 0, 0, static_cast<Dimension>(dx), static_cast<Dimension>(dy), 0);
    else SetToolBarRect(x, y, dx, dy);
    stretchContainers();
    if (IsOnScreen()) manage();
    if (IsFloating()) PositionChildren();
    else toldDocument();
  }
  l_QORDlgBar::update(mask);
}

// ---- visibility ----

void l_QORDlgToolBar::SetVisibility(unsigned long v) {
  if (built && IsFloating() && floatingShell) {
    SelfResize guard(selfResizing);
    if (v & QORDlgShown) {
      XtVaSetValues(floatingFrame, XmNwidth, baseWidget->core.width, XmNheight, baseWidget->core.height, nullptr);
      XtManageChild(baseWidget);
      XtManageChild(floatingFrame);
      XtPopup(floatingShell, XtGrabNone);
    } else if (v & QORDlgHidden) {
      XtUnmanageChild(floatingFrame);
      XtPopdown(floatingShell);
    }
  }
  l_QORDlgBar::SetVisibility(v);
  toldDocument();
}

void l_QORDlgToolBar::manage() {
  if (!baseWidget) return;
  XtManageChild(baseWidget);
  if (IsFloating() && floatingShell) {
    SelfResize guard(selfResizing);
    XtManageChild(floatingFrame);
    XtPopup(floatingShell, XtGrabNone);
  }
}

void l_QORDlgToolBar::unmanage() {
  if (baseWidget) XtUnmanageChild(baseWidget);
}

// ---- the floating shell ----

void l_QORDlgToolBar::floatingResizeCB(Widget w, XtPointer client, XtPointer) {
  auto* self = static_cast<l_QORDlgToolBar*>(client);
  if (selfResizing || !self->IsFloating() || !self->IsResizable()) return;
  self->SetRectDimensions(std::max(self->x, 1), std::max(self->y, 1), w->core.height, w->core.width, 0);
}

void l_QORDlgToolBar::closeCB(Widget, XtPointer client, XtPointer) { static_cast<l_QORDlgToolBar*>(client)->close(); }

void l_QORDlgToolBar::close() {
  notify(&windCloseNotification);
  if (GetVisibility() == QORDlgShown) SetVisibility(QORDlgHidden);
}

// ---- record and replay ----

void l_QORDlgToolBar::recordCases(l_QORDlgRecordCases& cases) {
  l_QORDlgBar::recordCases(cases);
  cases.add(&windCloseNotification, [](l_QORDlgRecordIo& io) { io.constant(0); });
}

// ---- envelope ----

QORDlgToolBar::QORDlgToolBar(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgBar(father, name, style) {
  letter = new l_QORDlgToolBar(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgToolBar::GetLetterObject() const { return letter; }
unsigned long QORDlgToolBar::SetDockState(unsigned long s) { return letterAs<l_QORDlgToolBar>()->SetDockState(s); }
unsigned long QORDlgToolBar::GetDockState() const { return letterAs<l_QORDlgToolBar>()->GetDockState(); }
QORDlgContextualMenu* QORDlgToolBar::GetContextualMenu() const { return l_QORDlgContextualMenu::EnvelopeOf(letter); }
QORDlgWindCloseNotification* QORDlgToolBar::GetWindCloseNotification() const {
  return notificationOf(&l_QORDlgToolBar::windCloseNotification);
}
QORDlgWindDockNotification* QORDlgToolBar::GetWindDockNotification() const {
  return notificationOf(&l_QORDlgToolBar::windDockNotification);
}
