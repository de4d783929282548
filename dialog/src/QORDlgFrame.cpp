#include "QORDlgFrame.h"

#include <X11/IntrinsicP.h>
#include <Xm/DrawingA.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/ManagerP.h>

#include <algorithm>

#include "QORDlgText.h"
#include "l_QORDlgFrame.h"
#include "l_QORDlgLayoutManager.h"
#include "qordlg_objlist.h"

namespace {
// The largest work area a borderless frame may take inside a scrolled container.
constexpr int kScrolledMaxWidth = 1280;
constexpr int kScrolledMaxHeight = 1024;
}  // namespace

l_QORDlgFrame::l_QORDlgFrame(l_QORDialog* f, const QORString& n, QORDialog* a, unsigned long s)
    : l_QORDlgBox(f, n, a, s) {
  if (s & QORDlgFrameNoBorder) frameStyle = QORDlgFrameNoTitle | QORDlgFrameNoBorder;
  else if (s & QORDlgFrameNoTitle) frameStyle = QORDlgFrameNoTitle;
  style |= frameStyle;
}

l_QORDlgFrame::~l_QORDlgFrame() = default;


bool l_QORDlgFrame::inScrolledContainer() const { return father && father->IsAKindOf(QORDlgCodeContainer); }

void l_QORDlgFrame::Build() {
  if (built) return;
  Widget parent = beginBuild();
  if (!parent) return;
  const QORString frameName = name + "fra";
  baseWidget = XtVaCreateWidget(frameName.c_str(), xmFrameWidgetClass, parent, XmNshadowType, XmSHADOW_ETCHED_IN,
                                XmNmarginWidth, 0, XmNmarginHeight, 0, nullptr);
  if (frameStyle & QORDlgFrameNoBorder) XtVaSetValues(baseWidget, XmNshadowThickness, 0, nullptr);
  const QORString daName = name + "Da";
  drawingArea = XtVaCreateManagedWidget(daName.c_str(), xmDrawingAreaWidgetClass, baseWidget, XmNmarginWidth, 0,
                                        XmNmarginHeight, 0, XmNresizePolicy, XmRESIZE_NONE, nullptr);
  if (!(frameStyle & QORDlgFrameNoTitle)) {
    XmString s = titleString();
    titleLabel = XtVaCreateManagedWidget(name.c_str(), xmLabelWidgetClass, baseWidget, XmNframeChildType,
                                         XmFRAME_TITLE_CHILD, XmNlabelString, s, nullptr);
    XmStringFree(s);
    titleHeight = titleLabel->core.height;
  }
  // Read from the widget records: XtGetValues costs more than the reads.
  shadow = MGR_ShadowThickness(baseWidget);
  InstallDestroyHandler();
  // The title is part of the frame for the user: status text, bubble and help key too.
  InstallFurtifHelpHandler(baseWidget);
  if (titleLabel) InstallFurtifHelpHandler(titleLabel);
  // Children created before the box was built (their pass already ran while
  // it had no widget) are built with it.
  pending |= QORDlgUpdChildren | QORDlgUpdPosition | QORDlgUpdSize | QORDlgUpdVisibility;
  // The title label was just made with the title; an XmFrame has no label string.
  pending &= ~QORDlgUpdTitle;
  update(0);
}

XmString l_QORDlgFrame::titleString() {
  const QORUnicodeString& t = GetTitle();
  return QORDlgText::toXmString(t.IsEmpty() ? QORUnicodeString(name) : t);
}

void l_QORDlgFrame::setTitleLabel() {
  XmString s = titleString();
  XtVaSetValues(titleLabel, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

void l_QORDlgFrame::widgetDestroyed() {
  drawingArea = nullptr;
  titleLabel = nullptr;
  l_QORDlgBox::widgetDestroyed();
}

Widget l_QORDlgFrame::GetBaseWidget(int which) { return which == 0 ? drawingArea : baseWidget; }

void l_QORDlgFrame::applySizes(int w, int h) {
  int fw = w + 2 * shadow;
  int fh = h + titleHeight + shadow;
  if ((frameStyle & QORDlgFrameNoBorder) && inScrolledContainer()) {
    fw = std::min(fw, kScrolledMaxWidth);
    fh = std::min(fh, kScrolledMaxHeight);
    w = fw - 2 * shadow;
    h = fh - titleHeight - shadow;
  }
  if (drawingArea && w >= 1 && h >= 1) XtResizeWidget(drawingArea, static_cast<Dimension>(w), static_cast<Dimension>(h), 0);
  if (fw != dx || fh != dy) {
    dx = fw;
    dy = fh;
    pending |= QORDlgUpdSize | QORDlgUpdResize;
    if (father) father->ChildMoved();
  }
}

void l_QORDlgFrame::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  if (built) {
    // Children first: the frame's size comes from theirs.
    if (raised & QORDlgUpdChildren)
      for (int i = 0; i < GetChildCount(); ++i) GetChild(i)->Build();
    if (!layoutManager->isFirstLayoutDone()) {
      layoutManager->initX(1);
      layoutManager->initY(1);
      layoutManager->Layout();
      int w = 0, h = 0;
      layoutManager->getSize(w, h);
      applySizes(w, h);
    } else if (raised & QORDlgUpdLayout) {
      int w = 0, h = 0;
      layoutManager->getSize(w, h);
      layoutManager->updateSize(w, h, 1);
      layoutManager->getRequestedSize(w, h);
      layoutManager->adoptRequestedSize(-1, -1);
      applySizes(w, h);
      pending &= ~QORDlgUpdLayout;
      mask &= ~QORDlgUpdLayout;
    } else if (raised & QORDlgUpdSize) {
      int w = 0, h = 0;
      layoutManager->getSize(w, h);
      const int dw = dx - w - 2 * shadow;
      const int dh = dy - h - titleHeight - shadow;
      if (dw != 0 || dh != 0) {
        Window win = drawingArea ? XtWindow(drawingArea) : 0;
        if (win) XUnmapWindow(XtDisplay(drawingArea), win);
        layoutManager->updateSize(w + dw, h + dh, 0);
        if (drawingArea && w + dw >= 1 && h + dh >= 1)
          XtResizeWidget(drawingArea, static_cast<Dimension>(w + dw), static_cast<Dimension>(h + dh), 0);
        if (win) XMapWindow(XtDisplay(drawingArea), win);
      }
    }
  }
  // The common update puts the title on the base widget, which is the frame.
  if (built && titleLabel && ((pending | mask) & QORDlgUpdTitle)) setTitleLabel();
  l_QORDlgBox::update(mask);
  // XmFrame keeps a shadow above an untitled work area and lets the title
  // overlap it: put the drawing area where the frame's size was computed for.
  if (built && drawingArea && dx > 2 * shadow && dy > titleHeight + shadow)
    XtConfigureWidget(drawingArea, static_cast<Position>(shadow), static_cast<Position>(titleHeight),
                      static_cast<Dimension>(dx - 2 * shadow), static_cast<Dimension>(dy - titleHeight - shadow), 0);
}

int l_QORDlgFrame::TranslateCoordinates(DRECT& r, DPOS& p) {
  if (inScrolledContainer() && (frameStyle & QORDlgFrameNoBorder)) {
    int fx, fy, fh, fw;
    father->GetRectDimensions(&fx, &fy, &fh, &fw);
    if (r.x + r.dx < 0 || r.y + r.dy < 0 || r.x > fw || r.y > fh) return 0;
  }
  return l_QORDlgBox::TranslateCoordinates(r, p);
}

// ---- envelope ----

QORDlgFrame::QORDlgFrame(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgBox(father, name, style) {
  letter = new l_QORDlgFrame(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgFrame::GetLetterObject() const { return letter; }

l_QORDialog* QORDlgFrame::layoutLetter() const { return letter; }
