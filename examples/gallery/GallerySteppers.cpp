// The gallery's frame of value controls: a spinner in degrees, a slider, a
// scroll bar and a progress bar that a timer keeps moving.
#include <X11/Intrinsic.h>

#include <cmath>

#include "GalleryDialog.h"
#include "QORDlgFrame.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgLabel.h"
#include "QORDlgProgress.h"
#include "QORDlgScrollBar.h"
#include "QORDlgSlider.h"
#include "QORDlgSpinner.h"

namespace {

// A progress bar that steps by itself, round and round. It sends nothing,
// so a replayed session sees the same notifications whatever it showed.
class TickingProgress : public QORDlgProgress {
 public:
  TickingProgress(QORDialog* father, const char* name, XtAppContext context)
      : QORDlgProgress(father, name, 0), context(context) {
    SetStep(5);
    arm();
  }
  ~TickingProgress() override {
    if (timer) XtRemoveTimeOut(timer);
  }

 private:
  void arm() { timer = XtAppAddTimeOut(context, 250, tick, this); }
  static void tick(XtPointer self, XtIntervalId*) {
    auto* progress = static_cast<TickingProgress*>(self);
    progress->timer = 0;
    int low = 0, high = 0;
    progress->GetRange(&low, &high);
    if (progress->GetPos() >= high) progress->SetPos(low);
    else progress->StepIt();
    progress->arm();
  }

  XtAppContext context;
  XtIntervalId timer = 0;
};

}  // namespace

void GalleryDialog::buildSteppersFrame() {
  auto* frame = new QORDlgFrame(this, "Steppers", QORDlgGridLayout);
  frame->SetGridConstraints(6, 0, 2, 1, QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop | QORDlgGridBottom);
  auto place = [](QORDialog* o, short row, short column,
                  unsigned int justification = QORDlgGridLeft | QORDlgGridVCenter) {
    o->SetGridConstraints(row, column, 1, 1, justification);
  };
  const char* labels[] = {"AngleLabel", "SliderLabel", "ScrollLabel", "ProgressLabel"};
  for (short row = 0; row < 4; ++row) place(new QORDlgLabel(frame, labels[row], 0), row, 0);

  // An angle held in radians, typed and shown in degrees: 0 to 360 by 15.
  auto* angle = new QORDlgSpinner(frame, "Degrees", QORDlgSpinReal);
  angle->SetUnit(QORDlgControl::Degree);
  angle->SetMinMaxStep(0, 2 * M_PI, M_PI / 12);
  angle->SetValue(M_PI / 4, 0);
  angle->SetVisibleTextWidth(6);
  place(angle, 0, 1);

  auto* slider = new QORDlgSlider(frame, "Slider", QORDlgSliderHorizontal);
  slider->SetDecimalPoint(1);
  slider->SetRange(0, 10, 20);
  slider->SetCurrentValue(2.5f, 0);
  place(slider, 1, 1, QORDlgGridLeft | QORDlgGridRight | QORDlgGridVCenter);

  auto* scroll = new QORDlgScrollBar(frame, "Scroll", QORDlgScrollHorizontal);
  scroll->SetScrollRange(0, 100);
  scroll->SetScrollBoxSize(20);
  place(scroll, 2, 1, QORDlgGridLeft | QORDlgGridRight | QORDlgGridVCenter);

  place(new TickingProgress(frame, "Progress", GetXtAppContext()), 3, 1,
        QORDlgGridLeft | QORDlgGridRight | QORDlgGridVCenter);
  frame->SetGridColumnResizable(1, 1);
}
