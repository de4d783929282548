// The gallery's standard boxes: "Ask" puts a blocking Yes/No question and
// logs the answer; "Open" shows the file selection box, which its own OK or
// Cancel hides again.
#include <cstdio>

#include "GalleryDialog.h"
#include "QORDlgFile.h"
#include "QORDlgFrame.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgNotify.h"
#include "QORDlgPushButton.h"

namespace {

const char* answerName(int answer) {
  switch (answer) {
    case QORDlgNotifyAnswerYes: return "Yes";
    case QORDlgNotifyAnswerNo: return "No";
    default: return "none";
  }
}

void log(QORCommand* from, const char* what, const char* value) {
  std::printf("answer %s %s %s\n", from->GetPath().c_str(), what, value);
  std::fflush(stdout);
}

}  // namespace

void GalleryDialog::buildBoxesFrame() {
  auto* frame = new QORDlgFrame(this, "Boxes", QORDlgGridLayout);
  frame->SetGridConstraints(4, 0, 2, 1, QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop | QORDlgGridBottom);
  auto* ask = new QORDlgPushButton(frame, "Ask", 0);
  ask->SetGridConstraints(0, 0, 1, 1, QORDlgGridLeft | QORDlgGridTop);
  auto* open = new QORDlgPushButton(frame, "Open", 0);
  open->SetGridConstraints(0, 1, 1, 1, QORDlgGridLeft | QORDlgGridTop);

  // The boxes are windows of their own; their texts come from the catalog.
  auto* question = new QORDlgNotify(this, "Question", QORDlgNotifyQuestion | QORDlgNotifyYesNo);
  ask->AddAnalyseNotificationCB(ask, "QORDlgPushBActivateNotification", [question](QORCommand*, QORNotification*) {
    const int answer = question->DisplayBlocked(question->GetText(), question->GetTitle());
    log(question, "DisplayBlocked", answerName(answer));
  });
  auto* file = new QORDlgFile(this, "OpenFile", 0);
  file->SetDirectory(TOLVEN_SOURCE_DIR "/icons");
  file->SetFilterPattern("*.pm");
  open->AddAnalyseNotificationCB(open, "QORDlgPushBActivateNotification",
                                 [file](QORCommand*, QORNotification*) { file->SetVisibility(QORDlgShown); });
  file->AddAnalyseNotificationCB(file, "QORDlgDiaOKNotification", [file](QORCommand*, QORNotification*) {
    QORUnicodeString chosen;
    file->GetSelection(chosen);
    log(file, "Selection", chosen.c_str());
    file->SetVisibility(QORDlgHidden);
  });
  file->AddAnalyseNotificationCB(file, "QORDlgDiaCANCELNotification",
                                 [file](QORCommand*, QORNotification*) { file->SetVisibility(QORDlgHidden); });
}
