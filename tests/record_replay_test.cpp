// A whole run recorded and replayed: the record_session program is driven by
// XTest while recording, then replayed with no input; both runs must show the
// same notifications and end with the same geometry.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "QORDlgCheckButton.h"
#include "QORDlgContainer.h"
#include "QORDlgFrame.h"
#include "QORDlgLabel.h"
#include "QORDlgPushButton.h"
#include "QORDlgRadioButton.h"
#include "QORDlgSeparator.h"
#include "QORRecord.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace {

struct SessionRun {
  int status = -1;
  std::string out, err;
};

SessionRun runSession(const std::string& env) {
  const std::string errFile = testing::TempDir() + "record_session.err";
  const std::string command = env + " " TOLVEN_BINARY_DIR "/bin/record_session 2>" + errFile;
  SessionRun r;
  FILE* p = popen(command.c_str(), "r");
  if (!p) return r;
  char buf[512];
  while (fgets(buf, sizeof buf, p)) r.out += buf;
  const int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  r.err = Slurp(errFile);
  return r;
}

std::vector<std::string> linesStarting(const std::string& text, const std::string& prefix) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
  return out;
}

TEST(RecordReplay, AReplayedRunRepeatsTheRecordedOne) {
  TOLVEN_NEED_DISPLAY(std::getenv("DISPLAY"));
  const std::string file = testing::TempDir() + "session.rec";
  const SessionRun recorded = runSession("RECORD_TRACE=2 TOLVEN_RECORD=" + file);
  ASSERT_EQ(recorded.status, 0) << recorded.err;
  const auto notes = linesStarting(recorded.out, "NOTE QORDlgDia");
  ASSERT_EQ(notes, (std::vector<std::string>{"NOTE QORDlgDiaAPPLYNotification response=3",
                                             "NOTE QORDlgDiaOKNotification response=1",
                                             "NOTE QORDlgDiaCANCELNotification response=2"}));
  EXPECT_EQ(linesStarting(recorded.out, "GEOMETRY"), std::vector<std::string>{"GEOMETRY 420x260"});
  // The documented trace lines, header then values under the "/Command Name/" column.
  const auto traces = linesStarting(recorded.out, "/RECORD/");
  ASSERT_GE(traces.size(), 2u);
  EXPECT_EQ(traces[0],
            "/RECORD/ SaveState    QORDlgDialog         /Command Name/ Session /Notification/ "
            "QORDlgDiaAPPLYNotification");
  EXPECT_EQ(traces[1], "/RECORD/ SaveState                         _response= 3");
  bool resizeTraced = false;
  for (const std::string& t : traces)
    resizeTraced |= t.find("/RECORD/ SaveState                         x,y dx,dy= ") == 0 &&
                    t.size() > 8 && t.compare(t.size() - 8, 8, " 420,260") == 0;
  EXPECT_TRUE(resizeTraced);

  const SessionRun replayed = runSession("TOLVEN_REPLAY=" + file);
  ASSERT_EQ(replayed.status, 0) << replayed.err;
  EXPECT_EQ(linesStarting(replayed.out, "NOTE "), linesStarting(recorded.out, "NOTE "));
  EXPECT_EQ(linesStarting(replayed.out, "GEOMETRY"), linesStarting(recorded.out, "GEOMETRY"));
  EXPECT_TRUE(linesStarting(replayed.out, "/REPLAY/").empty());  // no trace unless asked

  // EXIT ends a replayed run at the application's end with status 0 and its line.
  const SessionRun exited = runSession("EXIT=1 TOLVEN_REPLAY=" + file);
  EXPECT_EQ(exited.status, 0);
  EXPECT_EQ(linesStarting(exited.out, "/RECORD/ SaveState     !!!"),
            std::vector<std::string>{"/RECORD/ SaveState     !!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!  TRIVO replay "
                                     "ending with exit(0)"});
}

using RecordGolden = AppSuite;

// Every case that a class records, recorded then replayed at trace level 2:
// the record file and the trace are kept in tests/data and must stay byte for
// byte what they are (TOLVEN_GOLDEN_OUT=DIR writes what this run made).
TEST_F(RecordGolden, EveryRecordedCaseWritesTheKeptFileAndTrace) {
  TestDialog golden("Golden");  // never shown: no geometry of the window manager's
  QORDlgFrame fr(&golden, "fr", 0);
  QORDlgContainer ct(&golden, "ct", 0);
  QORDlgMotif mo(&golden, "mo", 0);
  QORDlgLabel la(&golden, "la");
  QORDlgSeparator se(&golden, "se");
  QORDlgPushButton pu(&golden, "pu");
  QORDlgCheckButton ch(&golden, "ch");
  QORDlgRadioButton ra(&golden, "ra"), rb(&golden, "rb");
  auto send = [](QORDialog& o, QORNotification* n) { o.SendNotification(&o, n); };
  const std::string file = testing::TempDir() + "golden.rec";
  const char saved = l_QORDialog::record_trace;
  l_QORDialog::record_trace = '2';
  testing::internal::CaptureStdout();
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  golden.typed->okSelected();
  golden.typed->applySelected();
  golden.typed->cancelSelected();
  golden.typed->helpSelected();
  send(golden, golden.GetResizeNotification());
  send(golden, golden.GetWindCloseNotification());
  send(golden, golden.GetCancelDragNotification());  // a dialog box records no drag
  send(mo, mo.GetDragEnterNotification());
  send(fr, fr.GetDragOverNotification());
  send(ct, ct.GetDragLeaveNotification());
  send(mo, mo.GetDropNotification());
  send(la, la.GetEndDropNotification());
  send(se, se.GetStartDragNotification());
  send(la, la.GetHelpNotification());  // not recorded
  send(pu, pu.GetPushBActivateNotification());
  send(pu, pu.GetPushBRepetitiveNotification());
  send(pu, pu.GetDragButtonNotification());
  ch.SetState(QORDlgChecked, 0);
  send(ch, ch.GetChkBModifyNotification());
  send(ch, ch.GetChkBDoubleClickNotification());
  send(ch, ch.GetDragButtonNotification());
  ra.SetState(QORDlgChecked, 0);
  send(ra, ra.GetRadBModifyNotification());
  send(rb, rb.GetDragButtonNotification());
  QORRecord::GetMain()->EndMode(1);
  ASSERT_TRUE(QORRecord::GetMain()->StartReplay(file.c_str()));
  int step = 0;
  while ((step = QORRecord::GetMain()->ReplayNext()) == 1) {}
  const std::string trace = testing::internal::GetCapturedStdout();
  l_QORDialog::record_trace = saved;
  EXPECT_EQ(step, 0) << QORRecord::GetMain()->GetError();
  QORRecord::GetMain()->EndMode(2);

  const std::string record = Slurp(file);
  if (const char* dir = std::getenv("TOLVEN_GOLDEN_OUT")) {
    std::ofstream(std::string(dir) + "/record_every_case.rec") << record;
    std::ofstream(std::string(dir) + "/record_every_case_trace.txt") << trace;
  }
  EXPECT_EQ(record, Slurp(TOLVEN_SOURCE_DIR "/tests/data/record_every_case.rec"));
  EXPECT_EQ(trace, Slurp(TOLVEN_SOURCE_DIR "/tests/data/record_every_case_trace.txt"));
}

}  // namespace
