#include "QORDlgStatusBar.h"

#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <Xm/DrawingA.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>

#include <algorithm>
#include <string>
#include <vector>

#include "QORDlgArgs.h"
#include "QORDlgText.h"
#include "l_QORDlgDocument.h"
#include "l_QORDlgStatusBar.h"
#include "l_QORInteractiveApplication.h"

namespace {
const QORUnicodeString kBlank(" ");

std::string named(const QORString& name, const char* suffix) { return std::string(name.c_str()) + suffix; }

void colourArgs(QORDlgArgList& args, bool withFont) {
  if (!GlobalXResources.enabled) return;
  args.add(XmNbackground, GlobalXResources.documentBackground).add(XmNforeground, GlobalXResources.documentForeground);
  if (withFont && GlobalXResources.documentFontList) args.add(XmNfontList, GlobalXResources.documentFontList);
}

// Set while resize() changes the drawing area's height: its own callback follows.
int placing = 0;
}  // namespace

l_QORDlgStatusBar::l_QORDlgStatusBar(l_QORDialog* f, const QORString& n, QORDlgStatusBar* a, unsigned long s)
    : l_QORDlgBar(f, n, a, s) {
  title = kBlank;
  if (l_QORDlgWindow* w = window()) w->SetStatusBar(this);
}

l_QORDlgStatusBar::~l_QORDlgStatusBar() {
  l_QORDlgWindow* w = window();
  if (w && w->GetStatusBar() == this) w->SetStatusBar(nullptr);
  if (auto* d = dynamic_cast<l_QORDlgDocument*>(w)) d->ToolBarChanged();
}

l_QORDlgWindow* l_QORDlgStatusBar::window() const {
  l_QORDialog* f = father;
  while (f && !f->IsAKindOf(QORDlgCodeWindow)) f = f->getFather();
  return dynamic_cast<l_QORDlgWindow*>(f);
}

Widget l_QORDlgStatusBar::GetBaseWidget(int which) { return which == 0 ? baseWidget : label; }

// A document keeps its status bar in its status row; another window in its work area.
void l_QORDlgStatusBar::Build() {
  if (built) return update(0);
  if (!beginBuild()) return;
  l_QORDlgWindow* w = window();
  Widget parent = dynamic_cast<l_QORDlgDocument*>(w) ? w->GetBaseWidget(4) : father->GetBaseWidget(0);
  QORDlgArgs<6> area;
  area.add(XmNmarginWidth, 0).add(XmNmarginHeight, 0).add(XmNresizePolicy, XmRESIZE_NONE);
  colourArgs(area, false);
  baseWidget = XtCreateWidget(named(name, "Drwa").c_str(), xmDrawingAreaWidgetClass, parent, area.data(), area.count());
  XtAddCallback(baseWidget, XmNresizeCallback, resizeCB, this);
  QORDlgArgs<4> frame;
  frame.add(XmNshadowType, XmSHADOW_IN);
  colourArgs(frame, false);
  textFrame = XtCreateManagedWidget(named(name, "Frame").c_str(), xmFrameWidgetClass, baseWidget, frame.data(),
                                    frame.count());
  QORDlgArgs<6> text;
  text.add(XmNalignment, XmALIGNMENT_BEGINNING).add(XmNrecomputeSize, False);
  colourArgs(text, true);
  label = XtCreateManagedWidget(named(name, "Label").c_str(), xmLabelWidgetClass, textFrame, text.data(), text.count());
  show(kBlank);
  InstallFurtifHelpHandler(nullptr);
  InstallDestroyHandler();
  pending |= QORDlgUpdChildren | QORDlgUpdTitle | QORDlgUpdVisibility;
  update(0);
}

void l_QORDlgStatusBar::loadResources() {
  const QORUnicodeString text = title;
  l_QORDlgBar::loadResources();
  if (!(resourceLock & QORDlgLockTitle)) title = text;
}

void l_QORDlgStatusBar::widgetDestroyed() {
  label = textFrame = nullptr;
  l_QORDlgBar::widgetDestroyed();
}

// ---- the text ----

void l_QORDlgStatusBar::show(const QORUnicodeString& text) {
  if (!label) return;
  XmString s = QORDlgText::toXmString(text.IsEmpty() ? kBlank : text);
  XtVaSetValues(label, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

void l_QORDlgStatusBar::UpdateText(const QORUnicodeString& text) {
  title = text;
  if (built) show(text);
}

void l_QORDlgStatusBar::UpdateTemporaryText(const QORUnicodeString& text) {
  if (built) show(text.IsEmpty() ? title : text);
}

// ---- geometry ----

void l_QORDlgStatusBar::resizeCB(Widget, XtPointer client, XtPointer) {
  if (!placing) static_cast<l_QORDlgStatusBar*>(client)->resize();
}

void l_QORDlgStatusBar::resize() {
  if (!baseWidget || !textFrame || placing) return;
  placing = 1;
  struct Right {
    l_QORDialog* child;
    int width, height;
  };
  std::vector<Right> right;
  int total = 0;
  XtWidgetGeometry wanted{};
  XtQueryGeometry(textFrame, nullptr, &wanted);
  int height = (wanted.request_mode & CWHeight) ? wanted.height : textFrame->core.height;
  for (int i = 0; i < GetChildCount(); ++i) {
    l_QORDialog* c = GetChild(i);
    if (!(c->IsAKindOf(QORDlgCodeControl) || c->IsAKindOf(QORDlgCodeFrame)) || c->GetVisibility() == QORDlgHidden)
      continue;
    int w = 0, h = 0;
    c->GetRectDimensions(nullptr, nullptr, &h, &w);
    right.push_back({c, w, h});
    total += w;
    height = std::max(height, h);
  }
  const int width = baseWidget->core.width;
  if (height > 0 && height != baseWidget->core.height)
    XtVaSetValues(baseWidget, XmNheight, static_cast<Dimension>(height), nullptr);
  if (width - total > 0 && height > 0)
    XtConfigureWidget(textFrame, 0, 0, static_cast<Dimension>(width - total), static_cast<Dimension>(height), 0);
  int at = width - total;
  for (const Right& r : right) {
    r.child->SetRectDimensions(at, (height - r.height) / 2, r.height, r.width, 1);
    at += r.width;
  }
  placing = 0;
}

// ---- the deferred update ----

void l_QORDlgStatusBar::update(unsigned long mask) {
  if (!built || !baseWidget) return;
  const unsigned long raised = pending | mask;
  pending &= ~QORDlgUpdTitle;
  mask &= ~QORDlgUpdTitle;
  if (raised & QORDlgUpdTitle) show(title);
  l_QORDlgBar::update(mask);
  if (raised & QORDlgUpdVisibility)
    if (auto* d = dynamic_cast<l_QORDlgDocument*>(window())) d->ToolBarChanged();
  resize();
}

// ---- envelope ----

QORDlgStatusBar::QORDlgStatusBar(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgBar(father, name, style) {
  letter = new l_QORDlgStatusBar(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgStatusBar::GetLetterObject() const { return letter; }
