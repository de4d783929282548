#include "QORDlgContainer.h"

#include <X11/IntrinsicP.h>
#include <Xm/BulletinB.h>
#include <Xm/DrawingA.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>

#include <algorithm>

#include "l_QORDlgContainer.h"

l_QORDlgContainer::l_QORDlgContainer(l_QORDialog* f, const QORString& n, QORDialog* a, unsigned long s)
    : l_QORDlgBox(f, n, a, s) {
  dx = dy = -1;  // unset: the first child's size tells
}

l_QORDlgContainer::~l_QORDlgContainer() = default;


void l_QORDlgContainer::Build() {
  if (built) return;
  Widget parent = beginBuild();
  if (!parent) return;
  baseWidget = XtVaCreateWidget(name.c_str(), xmScrolledWindowWidgetClass, parent, XmNscrollingPolicy,
                                XmAPPLICATION_DEFINED, XmNvisualPolicy, XmVARIABLE, XmNscrollBarDisplayPolicy, XmSTATIC,
                                XmNspacing, 0, XmNshadowThickness, 0, nullptr);
  const QORString clipName = name + "Clip";
  clip = XtVaCreateManagedWidget(clipName.c_str(), xmDrawingAreaWidgetClass, baseWidget, XmNmarginWidth, 0,
                                 XmNmarginHeight, 0, XmNresizePolicy, XmRESIZE_NONE, nullptr);
  const QORString bbName = name + "Bb";
  workArea = XtVaCreateManagedWidget(bbName.c_str(), xmBulletinBoardWidgetClass, clip, XmNmarginWidth, 0,
                                     XmNmarginHeight, 0, XmNresizePolicy, XmRESIZE_NONE, XmNshadowThickness, 0,
                                     nullptr);
  const QORString vsName = name + "VS", hsName = name + "HS";
  vScroll = XtVaCreateWidget(vsName.c_str(), xmScrollBarWidgetClass, baseWidget, XmNorientation, XmVERTICAL, nullptr);
  hScroll = XtVaCreateWidget(hsName.c_str(), xmScrollBarWidgetClass, baseWidget, XmNorientation, XmHORIZONTAL, nullptr);
  for (Widget sb : {vScroll, hScroll})
    for (const char* reason : {XmNvalueChangedCallback, XmNdragCallback, XmNincrementCallback,
                               XmNdecrementCallback, XmNpageIncrementCallback, XmNpageDecrementCallback,
                               XmNtoTopCallback, XmNtoBottomCallback})
      XtAddCallback(sb, reason, scrollCB, this);
  XmScrolledWindowSetAreas(baseWidget, hScroll, vScroll, clip);
  InstallDestroyHandler();
  // Children created before the box was built (their pass already ran while
  // it had no widget) are built with it.
  pending |= QORDlgUpdChildren | QORDlgUpdPosition | QORDlgUpdSize | QORDlgUpdVisibility | QORDlgUpdScroll;
  update(0);
}

void l_QORDlgContainer::widgetDestroyed() {
  clip = workArea = vScroll = hScroll = nullptr;
  l_QORDlgBox::widgetDestroyed();
}

Widget l_QORDlgContainer::GetBaseWidget(int which) { return which == 0 ? workArea : baseWidget; }

void l_QORDlgContainer::GetMinRectDimensions(int* height, int* width) {
  if (height) *height = 30;
  if (width) *width = 30;
}

void l_QORDlgContainer::GetRectDimensions(int* px, int* py, int* height, int* width) {
  int w = dx, h = dy;
  if ((w == -1 || h == -1) && GetChildCount() > 0) {
    int cx, cy, ch, cw;
    GetChild(0)->GetRectDimensions(&cx, &cy, &ch, &cw);
    if (w == -1) w = cw + 4;
    if (h == -1) h = ch + 4;
  }
  if (px) *px = x;
  if (py) *py = y;
  if (height) *height = h;
  if (width) *width = w;
}

void l_QORDlgContainer::GetRectDimensions(DRECT* r) {
  if (!r) return;
  GetRectDimensions(&r->x, &r->y, &r->dy, &r->dx);
}

void l_QORDlgContainer::SetRectDimensions(DRECT& r, int flag) {
  if (r.x < 1 || r.y < 1) return;
  if ((r.dx != -1 && r.dx < 1) || (r.dy != -1 && r.dy < 1)) return;
  bool changed = false;
  if (r.x != x || r.y != y) {
    x = r.x;
    y = r.y;
    pending |= QORDlgUpdPosition;
    changed = true;
  }
  if (r.dx != dx || r.dy != dy) {
    dx = r.dx;
    dy = r.dy;
    pending |= QORDlgUpdSize | QORDlgUpdScroll;
    changed = true;
  }
  lastApplyNow = flag;
  if (!changed) return;
  if (flag && built) {
    const unsigned long keep = QORDlgUpdSize | QORDlgUpdPosition | QORDlgUpdScroll | QORDlgUpdKeep;
    const unsigned long others = pending & ~keep;
    pending &= keep;
    update(0);
    pending |= others;
  }
  registerDifferUpdate();
  notify(&resizeNotification);
}

void l_QORDlgContainer::SetRectDimensions(int nx, int ny, int height, int width, int flag) {
  DRECT r{nx, ny, width, height};
  SetRectDimensions(r, flag);
}

void l_QORDlgContainer::ChildMoved() {
  pending |= QORDlgUpdScroll;
  registerDifferUpdate();
}

void l_QORDlgContainer::measure() {
  workWidth = workHeight = 0;
  for (int i = 0; i < GetChildCount(); ++i) {
    int cx, cy, ch, cw;
    GetChild(i)->GetRectDimensions(&cx, &cy, &ch, &cw);
    workWidth = std::max(workWidth, cx + cw + 1);
    workHeight = std::max(workHeight, cy + ch + 1);
  }
  int w, h;
  GetRectDimensions(nullptr, nullptr, &h, &w);
  viewWidth = std::max(w, 1);
  viewHeight = std::max(h, 1);
}

void l_QORDlgContainer::setOrigin(int& ox, int& oy) {
  if (ox > 0) ox = 0;
  if (oy > 0) oy = 0;
  ox = std::max(ox, std::min(0, viewWidth - workWidth));
  oy = std::max(oy, std::min(0, viewHeight - workHeight));
  originX = ox;
  originY = oy;
  pending |= QORDlgUpdScroll;
  registerDifferUpdate();
}

void l_QORDlgContainer::scrollCB(Widget w, XtPointer client, XtPointer call) {
  auto* me = static_cast<l_QORDlgContainer*>(client);
  auto* cbs = static_cast<XmScrollBarCallbackStruct*>(call);
  int ox = me->originX, oy = me->originY;
  if (w == me->hScroll) ox = -cbs->value;
  else oy = -cbs->value;
  me->setOrigin(ox, oy);
  if (me->workArea) XtMoveWidget(me->workArea, static_cast<Position>(me->originX), static_cast<Position>(me->originY));
}

void l_QORDlgContainer::applyScrolling() {
  measure();
  // The bars take room from the viewport: decide each knowing the other.
  Dimension sbw = 0, sbh = 0;
  XtVaGetValues(vScroll, XmNwidth, &sbw, nullptr);
  XtVaGetValues(hScroll, XmNheight, &sbh, nullptr);
  bool needH = workWidth > viewWidth, needV = workHeight > viewHeight;
  if (needH && !needV) needV = workHeight > viewHeight - sbh;
  if (needV && !needH) needH = workWidth > viewWidth - sbw;
  if (needV) viewWidth -= sbw;
  if (needH) viewHeight -= sbh;
  viewWidth = std::max(viewWidth, 1);
  viewHeight = std::max(viewHeight, 1);
  if (needH) XtManageChild(hScroll);
  else XtUnmanageChild(hScroll);
  if (needV) XtManageChild(vScroll);
  else XtUnmanageChild(vScroll);
  int ox = originX, oy = originY;
  if (ox > 0) ox = 0;
  if (oy > 0) oy = 0;
  ox = std::max(ox, std::min(0, viewWidth - workWidth));
  oy = std::max(oy, std::min(0, viewHeight - workHeight));
  originX = ox;
  originY = oy;
  auto range = [](Widget sb, int work, int view, int origin) {
    const int slider = std::max(1, std::min(view, work));
    XtVaSetValues(sb, XmNminimum, 0, XmNmaximum, std::max(work, 1), XmNsliderSize, slider, XmNvalue,
                  std::min(-origin, std::max(work, 1) - slider), XmNincrement, 10, XmNpageIncrement,
                  std::max(1, view - 10), nullptr);
  };
  range(hScroll, workWidth, viewWidth, originX);
  range(vScroll, workHeight, viewHeight, originY);
  XtConfigureWidget(workArea, static_cast<Position>(originX), static_cast<Position>(originY),
                    static_cast<Dimension>(std::max(workWidth, 1)), static_cast<Dimension>(std::max(workHeight, 1)), 0);
}

void l_QORDlgContainer::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  if (built && (raised & (QORDlgUpdScroll | QORDlgUpdSize | QORDlgUpdChildren))) {
    if (raised & QORDlgUpdChildren)
      for (int i = 0; i < GetChildCount(); ++i) GetChild(i)->Build();
    int w, h;
    GetRectDimensions(nullptr, nullptr, &h, &w);
    if (w >= 1 && h >= 1) XtResizeWidget(baseWidget, static_cast<Dimension>(w), static_cast<Dimension>(h), 0);
    applyScrolling();
  }
  pending &= ~QORDlgUpdScroll;
  l_QORDlgBox::update(mask & ~QORDlgUpdScroll);
}

int l_QORDlgContainer::TranslateCoordinates(DRECT& r, DPOS& p) {
  if (!l_QORDlgBox::TranslateCoordinates(r, p)) return 0;
  p.x += originX;
  p.y += originY;
  return 1;
}

QORDlgContainer::QORDlgContainer(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgBox(father, name, style) {
  letter = new l_QORDlgContainer(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgContainer::GetLetterObject() const { return letter; }
