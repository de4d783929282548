#include "QORDlgMotif.h"

#include <Xm/DrawingA.h>

#include "QORDlgArgs.h"
#include "l_QORDlgMotif.h"

l_QORDlgMotif::l_QORDlgMotif(l_QORDialog* f, const QORString& n, QORDlgMotif* a, unsigned long s)
    : l_QORDlgBlackBox(f, n, a, s) {
  dx = dy = 200;
  pending |= QORDlgUpdSize;
}


void l_QORDlgMotif::Build() {
  if (built) return;
  Widget parent = beginBuild();
  if (!parent) return;
  QORDlgArgs<2> args;
  args.add(XmNmarginWidth, 0).add(XmNmarginHeight, 0);
  baseWidget = XmCreateDrawingArea(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
  InstallDestroyHandler();
  InstallFurtifHelpHandler(nullptr);
  // The new widget sits at (0, 0): the stored position must be applied too.
  pending |= QORDlgUpdVisibility | QORDlgUpdPosition;
  update(0);
  notify(&createNotification);
  notify(&visibilityNotification);
  update(0);
}

void l_QORDlgMotif::update(unsigned long mask) {
  if (built && ((pending | mask) & QORDlgUpdVisibility)) {
    pending &= ~QORDlgUpdVisibility;
    mask &= ~QORDlgUpdVisibility;
    if (IsOnScreen()) manage();
    else unmanage();
  }
  l_QORDlgBlackBox::update(mask);
}

Widget l_QORDlgMotif::GetBaseWidget(int which) {
  if (which && contextualFather) return contextualFather;
  return baseWidget;
}

void l_QORDlgMotif::SetContextualMenuFatherWidget(Widget w) {
  contextualFather = w;
  InstallThreeButtonHandler(w);
}

QORDlgMotif::QORDlgMotif(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgBlackBox(father, name, style) {
  letter = new l_QORDlgMotif(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgMotif::GetLetterObject() const { return letter; }

XtAppContext QORDlgMotif::GetXtAppContext() const {
  auto* l = letterAs<l_QORDlgMotif>();
  return l ? l->GetApplicationContext() : nullptr;
}
Display* QORDlgMotif::GetXtDisplay() const {
  auto* l = letterAs<l_QORDlgMotif>();
  return l ? l->GetApplicationDisplay() : nullptr;
}
Widget QORDlgMotif::GetFatherWidget() const {
  auto* l = letterAs<l_QORDlgMotif>();
  return l ? l->GetBaseWidget(0) : nullptr;
}
