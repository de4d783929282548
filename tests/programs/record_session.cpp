// A small program whose run is recorded and replayed by record_replay_test.
// It shows one dialog box and prints every notification the box sends. When
// recording (TOLVEN_RECORD), it drives itself through XTest like a user:
// Apply, OK, a resize through the window manager, Cancel. Replaying
// (TOLVEN_REPLAY), it gets no input at all. Cancel ends the run, which then
// prints the box's final geometry.
#include <cstdio>
#include <string>

#include "QORApplication.h"
#include "QORDlgDialog.h"
#include "QORInteractiveApplication.h"
#include "QORRecord.h"
#include "l_QORDlgDialog.h"
#include "l_QORInteractiveApplication.h"
#include "../tolven_test_control.h"

namespace {

class SessionApp : public QORInteractiveApplication {
 public:
  using QORInteractiveApplication::QORInteractiveApplication;
  void BeginApplication() override;
  int EndApplication() override {
    std::printf("GEOMETRY %dx%d\n", width, height);
    std::fflush(stdout);
    return 0;
  }
  QORDlgDialog* box = nullptr;
  QORCommand listener{nullptr, "listener"};
  int width = 0, height = 0;
  int step = 0;
};

// The user's side, one step per time-out.
void clickButton(Widget w) {
  PointAt(w);
  Press(true);
  Press(false);
}

void driveTO(XtPointer client, XtIntervalId*) {
  auto* app = static_cast<SessionApp*>(client);
  auto* l = static_cast<l_QORDlgDialog*>(app->box->GetLetterObject());
  XtAppContext context = app->GetLetterObject()->GetContext();
  switch (app->step++) {
    case 0: clickButton(l->GetButtonWidget(l_QORDlgDialog::Apply)); break;
    case 1: clickButton(l->GetButtonWidget(l_QORDlgDialog::OK)); break;
    case 2: {
      // A resize through the window manager, as dragging the frame would ask.
      Display* other = XOpenDisplay(nullptr);
      XResizeWindow(other, XtWindow(l->GetShell()), 420, 260);
      XCloseDisplay(other);
      break;
    }
    default: clickButton(l->GetButtonWidget(l_QORDlgDialog::Cancel)); return;
  }
  XtAppAddTimeOut(context, 400, driveTO, app);
}

void SessionApp::BeginApplication() {
  box = new QORDlgDialog(this, "Session", QORDlgDialogOK | QORDlgDialogApply | QORDlgDialogCancel);
  box->SetTitle("Recorded session");
  listener.AddAnalyseNotificationCB(box, nullptr, [this](QORCommand*, QORNotification* n) {
    const std::string c = n->IsA();
    if (c == "QORDlgVisibilityNotification" || c == "QORDlgCreateNotification") return;
    std::printf("NOTE %s response=%d\n", c.c_str(), box->GetResponse());
    std::fflush(stdout);
    if (c == "QORDlgDiaCANCELNotification") {
      DRECT r;
      box->GetRectDimensions(&r);
      width = r.dx;
      height = r.dy;
      GetLetterObject()->Destroy();
    }
  });
  box->SetVisibility(QORDlgShown);
  if (QORRecord::GetMain()->RecordMod() == QORRecordCapture)
    XtAppAddTimeOut(GetLetterObject()->GetContext(), 1000, driveTO, this);
}

}  // namespace

int main(int argc, char** argv, char** envp) {
  SessionApp app(nullptr, "Session");
  return QORStartApplication(app, argc, argv, envp);
}
