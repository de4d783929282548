// Letter of QORInteractiveApplication: the replay driver, one recorded entry
// at a time once the previous one has been handled.
#include "l_QORInteractiveApplication.h"

#include <cstdio>

#include "QORApplication.h"
#include "QORInteractiveApplication.h"
#include "QORRecord.h"

namespace {
constexpr unsigned long kReplayStepMs = 10;
}

void l_QORInteractiveApplication::StartReplay() {
  if (replayTimer || !context) return;
  replayTimer = XtAppAddTimeOut(context, kReplayStepMs, replayTO, this);
}

void l_QORInteractiveApplication::replayTO(XtPointer self, XtIntervalId*) {
  auto* app = static_cast<l_QORInteractiveApplication*>(self);
  app->replayTimer = 0;
  QORRecord* record = QORRecord::GetMain();
  if (record->RecordMod() != QORRecordReplay || app->stop) return;
  // What the previous entry started must be finished first.
  if (QORApplication::GetSubscriberCount(QORApplication::IdleEvent) > 0 ||
      (XtAppPending(app->context) & XtIMXEvent)) {
    app->StartReplay();
    return;
  }
  const int result = record->ReplayNext();
  if (result == 1) {
    app->StartReplay();
  } else if (result < 0) {
    std::fprintf(stderr, "tolven: replay stopped: %s\n", record->GetError().c_str());
    std::fflush(stderr);
    if (app->api) app->api->SetExitStatus(1);
    // A broken replay is not a finished one: no EXIT shortcut with status 0.
    record->EndMode(QORRecordReplay);
    app->Destroy();
  }
}
