// The sash of a tabulation: the handle beside a splitter's line that the user
// drags to share the space between the two children on either side.
#include <X11/IntrinsicP.h>
#include <Xm/SashP.h>

#include <algorithm>
#include <cstdio>

#include "QORRecord.h"
#include "l_QORDialog.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgTab.h"
#include "qordlg_assert.h"

namespace {
// The sash is a small square handle half way along the line, starting this
// far before it so that it straddles the line and the gap after it.
constexpr int kSashSize = 10;
constexpr int kSashBefore = 4;
// A drag stops this far from either end of the splitter.
constexpr int kMargin = 20;
// Neither child may become smaller than its minimum size plus this.
constexpr int kMinExtra = 10;

Dimension extentOf(Widget w, Orientation o) { return o == Vertical ? w->core.width : w->core.height; }
}  // namespace

void l_QORDlgTab::makeSash(Widget parent) {
  const QORString sashName = GetName() + "Sash";
  sash = XtVaCreateWidget(sashName.c_str(), xmSashWidgetClass, parent, XmNwidth, kSashSize, XmNheight, kSashSize,
                          nullptr);
  XtAddCallback(sash, XmNcallback, sashCB, this);
  XtAddCallback(sash, XmNdestroyCallback, sashDestroyedCB, this);
  // Children redrawn over it must not hide it.
  XtAddEventHandler(sash, ExposureMask, False, sashExposedEH, this);
}

void l_QORDlgTab::placeSash() {
  Widget parent = XtParent(sash);
  const int along = (extentOf(parent, orientation == Vertical ? Horizontal : Vertical) - kSashSize) / 2;
  const int across = _position - kSashBefore;
  if (orientation == Vertical) XtMoveWidget(sash, static_cast<Position>(across), static_cast<Position>(along));
  else XtMoveWidget(sash, static_cast<Position>(along), static_cast<Position>(across));
  raiseSash();
}

void l_QORDlgTab::raiseSash() {
  for (Widget w : {separator, sash})
    if (w && XtIsRealized(w)) XRaiseWindow(XtDisplay(w), XtWindow(w));
}

void l_QORDlgTab::sashDestroyedCB(Widget, XtPointer me, XtPointer) { static_cast<l_QORDlgTab*>(me)->sash = nullptr; }

// The sash alone: raising the separator too would cover the sash again and
// expose it once more, without end.
void l_QORDlgTab::sashExposedEH(Widget w, XtPointer, XEvent*, Boolean*) {
  if (XtIsRealized(w)) XRaiseWindow(XtDisplay(w), XtWindow(w));
}

void l_QORDlgTab::sashCB(Widget, XtPointer me, XtPointer call) {
  // A recorded run replays notifications, not pointer drags: the sash stays put.
  if (QORRecord::GetMain()->RecordMod() == QORRecordCapture) return;
  auto* data = static_cast<SashCallData>(call);
  if (!data || data->num_params < 1 || !data->params[0]) return;
  static_cast<l_QORDlgTab*>(me)->sashAction(data->params[0][0], data->event);
}

// The pointer across the line, in the coordinates of the sash's parent.
int l_QORDlgTab::pointerAcross(XEvent* e) const {
  const int origin = orientation == Vertical ? sash->core.x : sash->core.y;
  switch (e ? e->type : 0) {
    case ButtonPress:
    case ButtonRelease:
      return origin + (orientation == Vertical ? e->xbutton.x : e->xbutton.y);
    case MotionNotify:
      return origin + (orientation == Vertical ? e->xmotion.x : e->xmotion.y);
    default:
      std::printf("default\n");
      std::fflush(stdout);
      return rubberBand >= 0 ? rubberBand + sashOffset : origin + kSashSize / 2;
  }
}

// Drawing twice at the same place erases: the line inverts what it crosses,
// children included.
void l_QORDlgTab::drawRubberBand(int p) {
  QORDLG_ASSERT(sash != nullptr && XtIsWidget(sash), "sash != NULL && XtIsWidget(sash)");
  Widget parent = XtParent(sash);
  if (!XtIsRealized(parent)) return;
  Display* d = XtDisplay(sash);
  XGCValues v;
  v.function = GXinvert;
  v.subwindow_mode = IncludeInferiors;
  v.foreground = sash->core.background_pixel;
  GC gc = XCreateGC(d, XtWindow(sash), GCFunction | GCSubwindowMode | GCForeground, &v);
  if (orientation == Vertical) XDrawLine(d, XtWindow(parent), gc, p, 0, p, parent->core.height);
  else XDrawLine(d, XtWindow(parent), gc, 0, p, parent->core.width, p);
  XFreeGC(d, gc);
}

void l_QORDlgTab::sashAction(char step, XEvent* event) {
  if (!sash) return;
  const int pointer = pointerAcross(event);
  switch (step) {
    case 'S': {
      const int centre = (orientation == Vertical ? sash->core.x : sash->core.y) + kSashSize / 2;
      sashOffset = pointer - centre;
      sashDistance = centre - _position;
      rubberBand = pointer - sashOffset;
      drawRubberBand(rubberBand);
      break;
    }
    case 'M': {
      if (rubberBand < 0) return;
      const int p = pointer - sashOffset;
      if (p < kMargin + 1 || p >= extentOf(XtParent(sash), orientation) - kMargin) return;
      drawRubberBand(rubberBand);
      rubberBand = p;
      drawRubberBand(rubberBand);
      break;
    }
    case 'C': {
      if (rubberBand < 0) return;
      drawRubberBand(rubberBand);
      raiseSash();
      const int delta = rubberBand - sashDistance - _position;
      rubberBand = -1;
      if (delta != 0) SplitterMoved(delta);
      break;
    }
    default:
      std::printf("defaults\n");
      std::fflush(stdout);
  }
}

int l_QORDlgTab::SplitterMoved(int delta) {
  const int old = _position;
  movePosition(delta);
  int d = delta;
  if (relative && commitNewSashPosition(d)) return 1;
  movePosition(old - _position);
  return 0;
}

int l_QORDlgTab::commitNewSashPosition(int& delta) {
  if (components.empty()) return 0;
  l_QORDialog* before = components[0]->component;
  const Orientation other = orientation == Vertical ? Horizontal : Vertical;
  l_QORDlgTab* near = before->getFirstTab(other);
  const int at = near ? near->find(before) : -1;
  if (at < 0 || at + 1 >= near->getNbComponents()) return 0;
  l_QORDialog* after = near->components[at + 1]->component;
  DRECT a{}, b{};
  before->GetRectDimensions(&a);
  after->GetRectDimensions(&b);
  int amh = 0, amw = 0, bmh = 0, bmw = 0;
  before->GetMinRectDimensions(&amh, &amw);
  after->GetMinRectDimensions(&bmh, &bmw);
  const bool v = orientation == Vertical;
  int& aSize = v ? a.dx : a.dy;
  int& bSize = v ? b.dx : b.dy;
  int& bPos = v ? b.x : b.y;
  const int wanted = delta;
  delta = std::max(delta, (v ? amw : amh) + kMinExtra - aSize);
  delta = std::min(delta, bSize - (v ? bmw : bmh) - kMinExtra);
  if (delta != wanted) movePosition(delta - wanted);
  aSize += delta;
  bSize -= delta;
  bPos += delta;
  before->SetRectDimensions(a, before->IsOnScreen());
  after->SetRectDimensions(b, after->IsOnScreen());
  manager->splitterLayout(this, delta);
  return 1;
}
