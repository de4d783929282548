#include "QORDlgLabel.h"

#include <X11/IntrinsicP.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>

#include "l_QORDlgLabel.h"

l_QORDlgLabel::l_QORDlgLabel(l_QORDialog* f, const QORString& n, QORDlgLabel* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s) {
  const unsigned long align = s & (QORDlgLabelRight | QORDlgLabelCentered | QORDlgLabelLeft);
  if (align == QORDlgLabelCentered || align == QORDlgLabelRight) style |= align;
  else style |= QORDlgLabelLeft;
  style |= s & QORDlgLabelFramed;
}


bool l_QORDlgLabel::isSpacer() { return GetTitle() == QORUnicodeString(" "); }

void l_QORDlgLabel::measure() {
  if (isSpacer()) {
    dx = dy = 4;
    return;
  }
  const Dimension w = label->core.width, h = label->core.height;
  int margin = 0;
  if (baseWidget != label) {
    Dimension border = 0, shadow = 0;
    XtVaGetValues(baseWidget, XmNborderWidth, &border, XmNshadowThickness, &shadow, nullptr);
    margin = 2 * (border + shadow);
  }
  dx = w + margin;
  dy = h + margin;
}

void l_QORDlgLabel::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<CommonArgCount + 1> args;
    commonArgs(args, false);
    unsigned char alignment = XmALIGNMENT_END;
    if (style & QORDlgLabelLeft) alignment = XmALIGNMENT_BEGINNING;
    else if (style & QORDlgLabelCentered) alignment = XmALIGNMENT_CENTER;
    args.add(XmNalignment, alignment);
    if (style & QORDlgLabelFramed) {
      QORDlgArgs<CommonArgCount + 1> frameArgs;
      commonArgs(frameArgs, false, false);  // a frame has no label string
      frameArgs.add(XmNshadowType, XmSHADOW_IN);
      const QORString frameName = name + "Frame";
      baseWidget = XmCreateFrame(parent, const_cast<char*>(frameName.c_str()), frameArgs.data(), frameArgs.count());
      label = XmCreateLabel(baseWidget, const_cast<char*>(name.c_str()), args.data(), args.count());
      XtManageChild(label);
    } else {
      label = XmCreateLabel(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
      baseWidget = label;
    }
    InstallDestroyHandler();
    InstallFurtifHelpHandler(label);
    setLabelString(label);
    XtManageChild(baseWidget);
    measure();
    XtUnmanageChild(baseWidget);
    pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdIcon | QORDlgUpdPosition | QORDlgUpdVisibility;
    // A spacer shows no text, whatever its widget would take.
    if (isSpacer()) pending |= QORDlgUpdSize;
  }
  update(0);
}

void l_QORDlgLabel::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  if (built && label) {
    if (raised & QORDlgUpdIcon) loadIcon(label);
    if ((raised & QORDlgUpdTitle) && !isSpacer()) {
      setLabelString(label);
      if (!sizeFixed) measure();
      // Fixed or not, the layout has to place the label again.
      pending |= QORDlgUpdSize | QORDlgUpdResize;
      if (father) father->ChildMoved();
    }
    pending &= ~QORDlgUpdTitle;
    mask &= ~QORDlgUpdTitle;
  }
  l_QORDlgControl::update(mask);
}

void l_QORDlgLabel::SetRectDimensions(int nx, int ny, int height, int width, int flag) {
  if (!(father && father->IsAKindOf(QORDlgCodeBar))) sizeFixed = 1;
  l_QORDlgControl::SetRectDimensions(nx, ny, height, width, flag);
}

void l_QORDlgLabel::SetRectDimensions(DRECT& r, int flag) { SetRectDimensions(r.x, r.y, r.dy, r.dx, flag); }

void l_QORDlgLabel::widgetDestroyed() {
  label = nullptr;
  l_QORDlgControl::widgetDestroyed();
}

QORDlgLabel::QORDlgLabel(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgLabel(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgLabel::GetLetterObject() const { return letter; }
