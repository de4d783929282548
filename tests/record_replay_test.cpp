// A whole run recorded and replayed: the record_session program is driven by
// XTest while recording, then replayed with no input; both runs must show the
// same notifications and end with the same geometry.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tolven_test_app.h"

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

}  // namespace
