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
// Margins inside the bar widget: around and between its children.
constexpr Dimension kBarMargin = 2;
// Each floating shell opens this far below and right of the previous one.
constexpr int kShellStep = 30;

std::string named(const QORString& name, const char* suffix) { return std::string(name.c_str()) + suffix; }

// Sets the flag for the lifetime of the guard.
struct SelfResize {
  explicit SelfResize(int& f) : flag(f), was(f) { flag = 1; }
  ~SelfResize() { flag = was; }
  int& flag;
  int was;
};
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
  args.add(XmNresizePolicy, XmRESIZE_NONE).add(XmNmarginWidth, kBarMargin).add(XmNmarginHeight, kBarMargin);
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

// ---- docking ----

unsigned long l_QORDlgToolBar::SetDockState(unsigned long s) {
  s = normalDockState(s);
  if (s == dockState) return dockState;
  const unsigned long previous = dockState;
  dockState = s;
  notify(&windDockNotification);
  if (s != QORDlgToolBarUndocked) horizontal = static_cast<int>(s & (QORDlgToolBarTop | QORDlgToolBarBottom));
  if (!built || !baseWidget || !floatingShell) return previous;
  const int width = baseWidget->core.width, height = baseWidget->core.height;
  XtUnmanageChild(baseWidget);
  if (s == QORDlgToolBarUndocked) fitFloatingShell(width, height);
  moveTo(parentFor(s), previous == QORDlgToolBarUndocked);
  if (s == QORDlgToolBarUndocked) offerWindowMenu();
  PositionChildren();
  if (IsOnScreen()) manage();
  toldDocument();
  return previous;
}

// Motif keeps a pop-up posted after the release only for a press it saw on
// a widget the menu is posted from: the floating frame becomes one.
void l_QORDlgToolBar::offerWindowMenu() {
  auto* window = dynamic_cast<l_QORDlgWindow*>(GetWindowFather());
  l_QORDlgContextualMenu* menu = window ? window->GetDefaultContextualMenu() : nullptr;
  Widget popup = menu ? menu->GetBaseWidget(0) : nullptr;
  if (!popup || !floatingFrame || offeredTo == popup) return;
  XmAddToPostFromList(popup, floatingFrame);
  offeredTo = popup;
}

void l_QORDlgToolBar::fitFloatingShell(int width, int height) {
  if (!floatingShell) return;
  SelfResize guard(selfResizing);
  const auto w = static_cast<Dimension>(width), h = static_cast<Dimension>(height);
  XtVaSetValues(floatingFrame, XmNwidth, w, XmNheight, h, nullptr);
  XtVaSetValues(floatingShell, XmNwidth, w, XmNheight, h, XmNallowShellResize, False, nullptr);
  // Plain controls do not grow: the window manager offers no more room than they take.
  if (!IsResizable()) XtVaSetValues(floatingShell, XmNmaxWidth, width, XmNmaxHeight, height, nullptr);
}

// The same widget under its new parent, in Xt's child lists and on the server.
void l_QORDlgToolBar::moveTo(Widget parent, bool wasFloating) {
  Widget old = XtParent(baseWidget);
  if (!parent || parent == old) return;
  if (XtIsRealized(XtParent(parent)) && !XtIsRealized(parent)) XtRealizeWidget(parent);
  if (parent == floatingFrame && !XtIsRealized(parent)) {
    XtRealizeWidget(floatingShell);
    XtRealizeWidget(floatingFrame);
  }
  auto oldClass = reinterpret_cast<CompositeWidgetClass>(XtClass(old));
  if (oldClass->composite_class.delete_child) (*oldClass->composite_class.delete_child)(baseWidget);
  baseWidget->core.parent = parent;
  if (XtIsRealized(baseWidget)) {
    if (XtIsRealized(parent)) XReparentWindow(XtDisplay(baseWidget), XtWindow(baseWidget), XtWindow(parent), 0, 0);
    else XtUnrealizeWidget(baseWidget);
  }
  baseWidget->core.x = baseWidget->core.y = 0;
  auto newClass = reinterpret_cast<CompositeWidgetClass>(XtClass(parent));
  if (newClass->composite_class.insert_child) (*newClass->composite_class.insert_child)(baseWidget);
  XtManageChild(baseWidget);
  if (wasFloating && floatingFrame) {
    SelfResize guard(selfResizing);
    XtUnmanageChild(floatingFrame);
    XtPopdown(floatingShell);
  }
}

void l_QORDlgToolBar::toldDocument() {
  if (l_QORDlgDocument* d = document()) d->ToolBarChanged();
}

void l_QORDlgToolBar::SetToolBarRect(int nx, int ny, int width, int height) {
  x = nx;
  y = ny;
  dx = width;
  dy = height;
  if (baseWidget)
    XtConfigureWidget(baseWidget, static_cast<Position>(nx), static_cast<Position>(ny),
                      static_cast<Dimension>(std::max(width, 1)), static_cast<Dimension>(std::max(height, 1)), 0);
}

// ---- children ----

int l_QORDlgToolBar::IsResizable() {
  for (int i = 0; i < GetChildCount(); ++i)
    if (GetChild(i)->GetLayoutManager()) return 1;
  return 0;
}

void l_QORDlgToolBar::ChildVisibilityModified() {
  childrenChanged = true;
  pending |= QORDlgUpdSize;
  registerDifferUpdate();
}

namespace {
struct Placed {
  l_QORDialog* child;
  int width, height;
};

std::vector<Placed> shownChildren(l_QORDialog* bar) {
  std::vector<Placed> out;
  for (int i = 0; i < bar->GetChildCount(); ++i) {
    l_QORDialog* c = bar->GetChild(i);
    if (c->GetVisibility() == QORDlgHidden || c->IsAKindOf(QORDlgCodeMenu)) continue;
    int w = 0, h = 0;
    c->GetRectDimensions(nullptr, nullptr, &h, &w);
    if (Widget cw = c->GetOwnWidget(); (w < 1 || h < 1) && cw) {
      w = cw->core.width;
      h = cw->core.height;
    }
    out.push_back({c, w, h});
  }
  return out;
}
}  // namespace

void l_QORDlgToolBar::PositionChildren() {
  if (!baseWidget) return;
  const int mw = kBarMargin, mh = kBarMargin;
  const std::vector<Placed> kids = shownChildren(this);
  int width = 0, height = 0;
  if (horizontal) {
    for (const Placed& p : kids) height = std::max(height, p.height);
    height += 2 * mh;
    int at = mw;
    for (const Placed& p : kids) {
      p.child->SetRectDimensions(at, (height - p.height) / 2, p.height, p.width, 1);
      at += p.width + mw;
    }
    width = at + (kids.empty() ? mw : 0);
  } else {
    int at = mh, widest = 0;
    for (const Placed& p : kids) {
      p.child->SetRectDimensions(mw, at, p.height, p.width, 1);
      at += p.height + mh;
      widest = std::max(widest, p.width);
    }
    height = at + (kids.empty() ? mh : 0);
    width = 2 * mw + widest;
  }
  dx = std::max(width, 1);
  dy = std::max(height, 1);
  XtResizeWidget(baseWidget, static_cast<Dimension>(dx), static_cast<Dimension>(dy), 0);
  if (IsFloating()) fitFloatingShell(dx, dy);
}

// The containers share the length the plain children leave, in proportion
// to their own lengths, and take the bar's inner thickness.
void l_QORDlgToolBar::stretchContainers() {
  const std::vector<Placed> kids = shownChildren(this);
  if (kids.empty()) return;
  const int m = kBarMargin;
  const int length = horizontal ? dx : dy, thickness = (horizontal ? dy : dx) - 2 * m;
  int freeLength = length - m * (static_cast<int>(kids.size()) + 1), containers = 0, count = 0;
  for (const Placed& p : kids) {
    const int along = horizontal ? p.width : p.height;
    if (p.child->GetLayoutManager()) {
      containers += along;
      ++count;
    } else {
      freeLength -= along;
    }
  }
  if (count == 0 || containers <= 0 || freeLength < 20 * static_cast<int>(kids.size()) || thickness < 20) return;
  for (const Placed& p : kids) {
    if (!p.child->GetLayoutManager()) continue;
    int cx = 0, cy = 0;
    p.child->GetRectDimensions(&cx, &cy, nullptr, nullptr);
    const int along = static_cast<int>(static_cast<long>(horizontal ? p.width : p.height) * freeLength / containers);
    if (horizontal) p.child->SetRectDimensions(std::max(cx, 1), std::max(m, 1), thickness, along, 1);
    else p.child->SetRectDimensions(std::max(m, 1), std::max(cy, 1), along, thickness, 1);
  }
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
