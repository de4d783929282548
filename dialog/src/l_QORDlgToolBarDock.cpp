// Docking a tool bar: the same widget moved between the document's docking
// areas and the floating frame, the floating shell fitted to it.
#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <X11/CompositeP.h>
#include <Xm/RowColumn.h>

#include <algorithm>

#include "l_QORDlgContextualMenu.h"
#include "l_QORDlgDocument.h"
#include "l_QORDlgToolBar.h"

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
