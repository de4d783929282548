#include "QORDlgSeparator.h"

#include <Xm/Separator.h>

#include "l_QORDlgSeparator.h"

l_QORDlgSeparator::l_QORDlgSeparator(l_QORDialog* f, const QORString& n, QORDlgSeparator* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s) {
  const unsigned long o = s & (QORDlgSeparatorHorizontal | QORDlgSeparatorVertical);
  style |= o ? o : QORDlgSeparatorHorizontal;
}


void l_QORDlgSeparator::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<CommonArgCount + 1> args;
    commonArgs(args, false);
    args.add(XmNorientation, IsHorizontal() ? XmHORIZONTAL : XmVERTICAL);
    baseWidget = XmCreateSeparator(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    InstallDestroyHandler();
    // The layout stretches the line; alone it is one pixel long.
    dx = IsHorizontal() ? 1 : 3;
    dy = IsHorizontal() ? 3 : 1;
    pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdSize | QORDlgUpdPosition | QORDlgUpdVisibility;
  }
  update(0);
}

void l_QORDlgSeparator::update(unsigned long mask) {
  // A line has no text.
  pending &= ~QORDlgUpdTitle;
  l_QORDlgControl::update(mask & ~QORDlgUpdTitle);
}

QORDlgSeparator::QORDlgSeparator(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgSeparator(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgSeparator::GetLetterObject() const { return letter; }
