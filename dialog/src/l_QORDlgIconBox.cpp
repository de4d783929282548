// Letter of QORDlgIconBox: the palette toggle, its popup menu of the
// children's icons, the choice of an icon and the drag of the selected one.
#include "l_QORDlgIconBox.h"

#include <X11/IntrinsicP.h>
#include <Xm/RowColumn.h>
#include <Xm/ToggleB.h>

#include <algorithm>

#include "QORDlgArgs.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORDlgToolBar.h"
#include "l_QORInteractiveApplication.h"

namespace {
XtTranslations motionTranslations() {
  static XtTranslations parsed = XtParseTranslationTable("<Btn1Motion>: MotionIconBox()");
  return parsed;
}
}  // namespace

l_QORDlgIconBox::l_QORDlgIconBox(l_QORDialog* f, const QORString& n, QORDlgIconBox* a, unsigned long s)
    : l_QORDlgBox(f, n, a, s) {
  style |= (s & QORDlgIconBoxHorizontal) ? QORDlgIconBoxHorizontal : QORDlgIconBoxVertical;
}

// ---- building ----

void l_QORDlgIconBox::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<16> args;
    args.add(XmNhighlightThickness, 0).add(XmNindicatorOn, False).add(XmNshadowThickness, 2);
    for (String margin : {XmNmarginBottom, XmNmarginHeight, XmNmarginLeft, XmNmarginRight, XmNmarginTop,
                               XmNmarginWidth})
      args.add(margin, 0);
    args.add(XmNuserData, static_cast<XtPointer>(this));
    // Its size is the largest child's, whichever icon it shows.
    args.add(XmNrecomputeSize, False);
    if (GlobalXResources.enabled) {
      args.add(XmNbackground, GlobalXResources.documentBackground);
      args.add(XmNforeground, GlobalXResources.documentForeground);
      if (GlobalXResources.documentFontList) args.add(XmNfontList, GlobalXResources.documentFontList);
    }
    baseWidget = XmCreateToggleButton(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    XtAddCallback(baseWidget, XmNvalueChangedCallback, buttnPressedCB, this);
    createMenu();
    XtAddEventHandler(baseWidget, ButtonPressMask | EnterWindowMask | LeaveWindowMask | PointerMotionMask, False,
                      popupEH, this);
    XtOverrideTranslations(baseWidget, motionTranslations());
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    pending |= QORDlgUpdChildren | QORDlgUpdIcon | QORDlgUpdPosition | QORDlgUpdVisibility;
  }
  update(0);
}

void l_QORDlgIconBox::createMenu() {
  l_QORInteractiveApplication* app = GetApplication();
  QORDlgArgs<8> args;
  args.add(XmNmenuPost, const_cast<char*>("<Btn1Down>"));
  args.add(XmNorientation, (GetLayoutDirection() & QORDlgIconBoxHorizontal) ? XmHORIZONTAL : XmVERTICAL);
  // Posted by a click on the toggle (see popup), so that a press and move drags.
  args.add(XmNpopupEnabled, XmPOPUP_DISABLED);
  if (app) args.add(XmNvisual, app->GetVisual()).add(XmNdepth, app->GetDepth()).add(XmNcolormap, app->GetColormap());
  if (iconsPerRow) args.add(XmNpacking, XmPACK_COLUMN).add(XmNnumColumns, iconsPerRow);
  menuParent = baseWidget;
  menu = XmCreatePopupMenu(menuParent, const_cast<char*>("rc"), args.data(), args.count());
}

Widget l_QORDlgIconBox::GetBaseWidget(int which) { return which == 0 ? menu : baseWidget; }

void l_QORDlgIconBox::widgetDestroyed() {
  menu = menuParent = nullptr;
  l_QORDlgBox::widgetDestroyed();
}

void l_QORDlgIconBox::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  // The toggle shows the selection, never the box's title; the menu lays
  // the children out itself.
  pending &= ~(QORDlgUpdTitle | QORDlgUpdIcon | QORDlgUpdLayout);
  mask &= ~(QORDlgUpdTitle | QORDlgUpdIcon | QORDlgUpdLayout);
  l_QORDlgBox::update(mask);
  if (!built || !baseWidget) return;
  if (raised & QORDlgUpdChildren) {
    hookChildren();
    takeNaturalSize();
  }
  if (raised & (QORDlgUpdChildren | QORDlgUpdIcon)) showSelection();
}

void l_QORDlgIconBox::hookChildren() {
  for (int i = 0; i < GetChildCount(); ++i) {
    Widget w = GetChild(i)->GetOwnWidget();
    if (!w) continue;
    const char* reason = XtHasCallbacks(w, XmNactivateCallback) != XtCallbackNoList ? XmNactivateCallback
                                                                                      : XmNvalueChangedCallback;
    // Removed first: a child built again keeps one.
    XtRemoveCallback(w, reason, menuSelectedCB, this);
    XtAddCallback(w, reason, menuSelectedCB, this);
  }
}

void l_QORDlgIconBox::takeNaturalSize() {
  int w = 0, h = 0;
  for (int i = 0; i < GetChildCount(); ++i) {
    int cx = 0, cy = 0, ch = 0, cw = 0;
    GetChild(i)->GetRectDimensions(&cx, &cy, &ch, &cw);
    w = std::max(w, cw);
    h = std::max(h, ch);
  }
  if (w < 1 || h < 1 || (w == dx && h == dy)) return;
  dx = w;
  dy = h;
  XtResizeWidget(baseWidget, static_cast<Dimension>(dx), static_cast<Dimension>(dy), 0);
  if (father) father->ChildMoved();
}

l_QORDialog* l_QORDlgIconBox::selectedChild() const {
  return currentSelection < GetChildCount() ? GetChild(currentSelection) : nullptr;
}

void l_QORDlgIconBox::showSelection() {
  l_QORDialog* child = selectedChild();
  Widget cw = child ? child->GetOwnWidget() : nullptr;
  if (!cw) return;
  unsigned char type = XmSTRING;
  Pixmap label = XmUNSPECIFIED_PIXMAP, insensitive = XmUNSPECIFIED_PIXMAP;
  XtVaGetValues(cw, XmNlabelType, &type, XmNlabelPixmap, &label, XmNlabelInsensitivePixmap, &insensitive, nullptr);
  if (type == XmPIXMAP && label != XmUNSPECIFIED_PIXMAP) {
    shownIcon = label;
    shownInsensitive = insensitive;
    XtVaSetValues(baseWidget, XmNlabelType, XmPIXMAP, XmNlabelPixmap, label, XmNlabelInsensitivePixmap, insensitive,
                  XmNselectPixmap, label, XmNselectInsensitivePixmap, insensitive, nullptr);
  } else {
    XmString text = nullptr;
    XtVaGetValues(cw, XmNlabelString, &text, nullptr);
    XtVaSetValues(baseWidget, XmNlabelType, XmSTRING, XmNlabelString, text, nullptr);
    XmStringFree(text);
  }
  // A check or radio child shows its state on the toggle; a push button none.
  const Boolean set = XmIsToggleButton(cw) && XmToggleButtonGetState(cw);
  XmToggleButtonSetState(baseWidget, set, False);
}

// ---- the user ----

void l_QORDlgIconBox::buttnPressedCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgIconBox*>(client)->buttnPressed();
}

void l_QORDlgIconBox::buttnPressed() {
  // Motif flipped the toggle: it shows the selected child's state again.
  showSelection();
  notify(&modifyNotification);
  popup();
}

void l_QORDlgIconBox::popupEH(Widget, XtPointer client, XEvent* event, Boolean*) {
  // A press starts afresh: a drag, or a click that pops the menu up.
  if (event->type == ButtonPress) {
    auto* self = static_cast<l_QORDlgIconBox*>(client);
    self->dragStartX = self->dragStartY = 0;
  }
}

void l_QORDlgIconBox::popup() {
  if (!menu || !baseWidget || !XtIsRealized(baseWidget) || GetChildCount() == 0) return;
  // Below the toggle, its left edges on the toggle's.
  Position rx = 0, ry = 0;
  XtTranslateCoords(baseWidget, 0, static_cast<Position>(baseWidget->core.height), &rx, &ry);
  XEvent at{};
  at.xbutton.type = ButtonPress;
  at.xbutton.display = XtDisplay(baseWidget);
  at.xbutton.window = XtWindow(baseWidget);
  at.xbutton.x_root = rx;
  at.xbutton.y_root = ry;
  at.xbutton.button = Button1;
  XmMenuPosition(menu, &at.xbutton);
  XtManageChild(menu);
  // The children are where the menu put them: their geometry says so.
  for (int i = 0; i < GetChildCount(); ++i) {
    l_QORDialog* child = GetChild(i);
    Widget w = child->GetOwnWidget();
    if (!w) continue;
    int cx = 0, cy = 0;
    child->GetRectPosition(&cx, &cy);
    if (cx != w->core.x || cy != w->core.y) child->SetRectPosition(w->core.x, w->core.y, 0);
  }
}

void l_QORDlgIconBox::menuSelectedCB(Widget w, XtPointer client, XtPointer) {
  static_cast<l_QORDlgIconBox*>(client)->menuSelected(w);
}

void l_QORDlgIconBox::menuSelected(Widget w) {
  dragStartX = dragStartY = 0;
  for (int i = 0; i < GetChildCount(); ++i) {
    if (GetChild(i)->GetOwnWidget() != w) continue;
    if (i != currentSelection) SetSelect(i, 1);
    return;
  }
}

void l_QORDlgIconBox::MotionIconBoxCB(Widget w, XEvent* event, String*, Cardinal*) {
  XtPointer data = nullptr;
  XtVaGetValues(w, XmNuserData, &data, nullptr);
  auto* letter = static_cast<l_QORDialog*>(data);
  if (letter && letter->IsAKindOf(QORDlgCodeIconBox)) static_cast<l_QORDlgIconBox*>(letter)->Motion(event);
}

void l_QORDlgIconBox::Motion(XEvent* event) {
  if (!l_QORInteractiveApplication::PassesDragThreshold(event, dragStartX, dragStartY)) return;
  if (l_QORInteractiveApplication::dragStartWidget) return;
  l_QORInteractiveApplication::dragStartWidget = baseWidget;
  QORDlgDragButtonNotification& n = dragButtonNotification;
  l_QORDialog* child = selectedChild();
  n.source = child && child->GetAPIObject() ? child->GetAPIObject() : api;
  n.target = api;
  n.x = event->xmotion.x;
  n.y = event->xmotion.y;
  n.startFlags = 0;
  n.dropEffect = 0;
  n.keyState = QORDlgDragKeyButton1;
  notify(&n);
}

// ---- selection ----

int l_QORDlgIconBox::SetSelect(int index, int notifyIt) {
  if (index < 0) return currentSelection;
  currentSelection = index;
  pending |= QORDlgUpdIcon;
  registerDifferUpdate();
  if (notifyIt) notify(&selectNotification);
  return currentSelection;
}

int l_QORDlgIconBox::SetSelect(const QORString& childName, int notifyIt) {
  for (int i = 0; i < GetChildCount(); ++i)
    if (GetChild(i)->GetName() == childName) return SetSelect(i, notifyIt);
  return currentSelection;
}

unsigned long l_QORDlgIconBox::GetLayoutDirection() const {
  // Inside a tool bar the box runs along the bar.
  if (father && father->IsAKindOf(QORDlgCodeToolBar))
    return static_cast<l_QORDlgToolBar*>(father)->IsHorizontal() ? QORDlgIconBoxHorizontal : QORDlgIconBoxVertical;
  return style & (QORDlgIconBoxHorizontal | QORDlgIconBoxVertical);
}

// ---- record and replay ----

void l_QORDlgIconBox::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&selectNotification, [this](l_QORDlgRecordIo& io) {
    io.field(currentSelection);
    io.detail("_currentSelection= %d\n", currentSelection);
    if (!io.replaying()) return;
    pending |= QORDlgUpdIcon;
    registerDifferUpdate();
  });
  cases.add(&modifyNotification, [](l_QORDlgRecordIo& io) { io.constant(0); });
  cases.add(&dragButtonNotification).untraced().onReplay([this] {
    l_QORInteractiveApplication::dragStartWidget = baseWidget;
    notify(&dragButtonNotification);
  });
  l_QORDlgBox::recordCases(cases);
}
