#include "QORDlgMenu.h"

#include <Xm/RowColumn.h>

#include <cstdio>

#include "l_QORDlgMenu.h"
#include "l_QORDlgRadioState.h"
#include "l_QORDlgSubMenu.h"
#include "l_QORInteractiveApplication.h"

l_QORDlgMenu::l_QORDlgMenu(l_QORDialog* f, const QORString& n, QORDlgMenu* a, unsigned long s)
    : l_QORDialog(f, n, a, s) {}

Visual* l_QORDlgMenu::GetOvlVisual() const {
  l_QORInteractiveApplication* app = GetApplication();
  return app ? app->GetVisual() : nullptr;
}

int l_QORDlgMenu::GetOvlDepth() const {
  l_QORInteractiveApplication* app = GetApplication();
  return app ? app->GetDepth() : 0;
}

Colormap l_QORDlgMenu::GetOvlColormap() const {
  l_QORInteractiveApplication* app = GetApplication();
  return app ? app->GetColormap() : 0;
}

void l_QORDlgMenu::colourArgs(QORDlgArgList& args) {
  if (!GlobalXResources.enabled) return;
  args.add(XmNbackground, GlobalXResources.documentBackground);
  args.add(XmNforeground, GlobalXResources.documentForeground);
  if (GlobalXResources.documentFontList) args.add(XmNfontList, GlobalXResources.documentFontList);
}

void l_QORDlgMenu::menuArgs(QORDlgArgList& args, bool tearOff) {
  if (Visual* v = GetOvlVisual()) args.add(XmNvisual, v).add(XmNdepth, GetOvlDepth()).add(XmNcolormap, GetOvlColormap());
  args.add(XmNinsertPosition, insertPos);
  args.add(XmNuserData, static_cast<l_QORDialog*>(this));
  colourArgs(args);
  if (tearOff) args.add(XmNtearOffModel, XmTEAR_OFF_ENABLED);
}

// A child goes after the widgets of its brothers that come before it in the
// toolkit's order; the first of its menu, and any widget of no object, at the
// end: the menus gathered into one pop-up keep their items together.
Cardinal l_QORDlgMenu::insertPos(Widget w) {
  Widget parent = XtParent(w);
  WidgetList kids = nullptr;
  Cardinal count = 0;
  XtVaGetValues(parent, XmNchildren, &kids, XmNnumChildren, &count, nullptr);
  XtPointer data = nullptr;
  XtVaGetValues(w, XmNuserData, &data, nullptr);
  auto* letter = static_cast<l_QORDialog*>(data);
  if (!letter) return count;
  // From the end: items mostly come in order, so the last one is the place.
  for (Cardinal i = count; i > 0; --i) {
    XtPointer other = nullptr;
    XtVaGetValues(kids[i - 1], XmNuserData, &other, nullptr);
    auto* brother = static_cast<l_QORDialog*>(other);
    if (brother && brother != letter && brother->getFather() == letter->getFather() &&
        brother->GetNumChild() < letter->GetNumChild())
      return i;
  }
  return count;
}

void l_QORDlgMenu::update(unsigned long mask) {
  if (!built) return;
  if ((pending | mask) & QORDlgUpdChildren) {
    if (tornOffShell) XtPopdown(tornOffShell);
    buildChildren([this](l_QORDialog* child) { buildChild(child); });
    if (tornOffShell && baseWidget) {
      Dimension w = 0, h = 0;
      XtVaGetValues(baseWidget, XmNwidth, &w, XmNheight, &h, nullptr);
      XtVaSetValues(tornOffShell, XmNwidth, w, XmNheight, h, nullptr);
      XtPopup(tornOffShell, XtGrabNone);
    }
    // Built above: the base has no children left to build.
    pending &= ~QORDlgUpdChildren;
    mask &= ~QORDlgUpdChildren;
  }
  l_QORDialog::update(mask);
}

void l_QORDlgMenu::buildChild(l_QORDialog* child) {
  if (child->IsAKindOf(QORDlgCodeMenuItem)) return child->Build();
  if (!child->IsAKindOf(QORDlgCodeSubMenu)) {
    std::printf("%s if a BAD child for %s\n", child->GetName().c_str(), name.c_str());
    std::fflush(stdout);
    return;
  }
  const bool wasBuilt = child->IsBuild();
  child->Build();
  Widget pane = child->GetBaseWidget(0);
  if (wasBuilt || !pane) return;
  auto* sub = static_cast<l_QORDlgMenu*>(child);
  XtAddCallback(pane, XmNtearOffMenuActivateCallback, tearOffActivateCB, sub);
  XtAddCallback(pane, XmNtearOffMenuDeactivateCallback, tearOffDeactivateCB, sub);
}

void l_QORDlgMenu::tearOffActivateCB(Widget w, XtPointer client, XtPointer) {
  auto* menu = static_cast<l_QORDlgMenu*>(client);
  menu->tornOffShell = XtParent(w);
  XtVaSetValues(menu->tornOffShell, XmNtitle, "", nullptr);
}

void l_QORDlgMenu::tearOffDeactivateCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgMenu*>(client)->forgetTornOff();
}

void l_QORDlgMenu::forgetTornOff() {
  if (!tornOffShell) return;
  XtSetKeyboardFocus(tornOffShell, None);
  tornOffShell = nullptr;
}

void l_QORDlgMenu::UnBuild() {
  if (tornOffShell) {
    Widget shell = tornOffShell;
    forgetTornOff();
    XtPopdown(shell);
  }
  l_QORDialog::UnBuild();
}

void l_QORDlgMenu::DeselectAllBrothers(int position, int notify) {
  auto radio = [this](int i) -> l_QORDlgRadioState* {
    if (i < 0 || i >= GetChildCount() || !GetChild(i)->IsAKindOf(QORDlgCodeRadioItem)) return nullptr;
    return dynamic_cast<l_QORDlgRadioState*>(GetChild(i));
  };
  for (int i = position - 2; l_QORDlgRadioState* r = radio(i); --i)
    if (r->isRadioSelected()) return r->setRadioUnselected(notify);
  for (int i = position; l_QORDlgRadioState* r = radio(i); ++i)
    if (r->isRadioSelected()) return r->setRadioUnselected(notify);
}
