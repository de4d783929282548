#include "l_QORDlgProgress.h"

#include <X11/IntrinsicP.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/PushB.h>

#include <algorithm>
#include <climits>

#include "QORDlgText.h"

namespace {
// Natural size of the bar's frame: wide enough to read a share at a glance.
constexpr int kNaturalWidth = 150, kNaturalHeight = 20;
}  // namespace

l_QORDlgProgress::l_QORDlgProgress(l_QORDialog* f, const QORString& n, QORDlgProgress* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s) {}

void l_QORDlgProgress::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<CommonArgCount + 1> args;
    commonArgs(args, false, false);
    args.add(XmNshadowType, XmSHADOW_IN);
    baseWidget = XmCreateFrame(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    const QORString formName = name + "Form", barName = name + "Bar";
    form = XtVaCreateManagedWidget(formName.c_str(), xmFormWidgetClass, baseWidget, XmNfractionBase, 100,
                                   XmNresizePolicy, XmRESIZE_NONE, nullptr);
    // Without a text, and of no size of its own: the form stretches it.
    XmString none = QORDlgText::toXmString(QORUnicodeString());
    QORDlgArgs<CommonArgCount + 13> barArgs;
    commonArgs(barArgs, false, false);  // the application's colours: the trough is their arm colour
    barArgs.add(XmNlabelString, none).add(XmNrecomputeSize, False).add(XmNmarginWidth, 0).add(XmNmarginHeight, 0);
    barArgs.add(XmNtraversalOn, False).add(XmNhighlightThickness, 0).add(XmNtopAttachment, XmATTACH_FORM);
    barArgs.add(XmNbottomAttachment, XmATTACH_FORM).add(XmNleftAttachment, XmATTACH_FORM);
    barArgs.add(XmNrightAttachment, XmATTACH_POSITION).add(XmNrightPosition, 1);
    bar = XmCreatePushButton(form, const_cast<char*>(barName.c_str()), barArgs.data(), barArgs.count());
    XtManageChild(bar);
    XmStringFree(none);
    // The bar is no button: it takes no input.
    XtUninstallTranslations(bar);
    Pixel arm = 0;
    XtVaGetValues(bar, XmNarmColor, &arm, nullptr);
    XtVaSetValues(form, XmNbackground, arm, nullptr);
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    dx = kNaturalWidth;
    dy = kNaturalHeight;
    pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdValue | QORDlgUpdPosition | QORDlgUpdVisibility;
  }
  update(0);
}

int l_QORDlgProgress::filledShare() const {
  const long long share =
      (static_cast<long long>(position) - minimum) * 100 / (static_cast<long long>(maximum) - minimum);
  return static_cast<int>(std::clamp<long long>(share, 1, INT_MAX));
}

void l_QORDlgProgress::update(unsigned long mask) {
  if (built && bar && ((pending | mask) & QORDlgUpdValue)) applyShare();
  pending &= ~QORDlgUpdValue;
  l_QORDlgControl::update(mask & ~QORDlgUpdValue);
}

// The bar takes its new width with its new position: the form works out the
// width it needs from the bar's current one, and a full bar put back to 1 %
// would ask for a hundred times the form (past what a Dimension holds, which
// Motif reports as contradictory constraints).
void l_QORDlgProgress::applyShare() {
  const int share = filledShare();
  Dimension formWidth = 0;
  XtVaGetValues(form, XmNwidth, &formWidth, nullptr);
  const auto width = static_cast<Dimension>(std::max(1, formWidth * share / 100));
  XtVaSetValues(bar, XmNwidth, width, XmNrightPosition, share, nullptr);
}

void l_QORDlgProgress::widgetDestroyed() {
  form = bar = nullptr;
  l_QORDlgControl::widgetDestroyed();
}

void l_QORDlgProgress::moved() {
  pending |= QORDlgUpdValue;
  registerDifferUpdate();
}

void l_QORDlgProgress::SetRange(int min, int max) {
  if (min >= max) return;
  minimum = min;
  maximum = max;
  const long long span = static_cast<long long>(max) - min;
  if (step > span) step = static_cast<int>(span);
  position = std::clamp(position, min, max);
  moved();
}

void l_QORDlgProgress::GetRange(int* min, int* max) const {
  if (min) *min = minimum;
  if (max) *max = maximum;
}

int l_QORDlgProgress::SetPos(int pos) {
  const int before = position;
  position = std::clamp(pos, minimum, maximum);
  moved();
  return before;
}

int l_QORDlgProgress::OffsetPos(int delta) {
  return SetPos(static_cast<int>(std::clamp<long long>(static_cast<long long>(position) + delta, INT_MIN, INT_MAX)));
}

void l_QORDlgProgress::SetStep(int s) {
  step = static_cast<int>(std::min<long long>(s, static_cast<long long>(maximum) - minimum));
}
