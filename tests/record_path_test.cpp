// Paths in recorded runs and the record/replay trace lines: the capture
// directories, capture.env, the replay mapping and the fatal box.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "QORDlgRecordPath.h"
#include "l_QORDialog.h"
#include "l_QORDlgRecordTrace.h"
#include "tolven_test_app.h"

namespace {

std::string box(const std::string& message) {
  const std::string stars(75, '*'), empty = "*" + std::string(73, ' ') + "*";
  return stars + "\n" + empty + "\n" + empty + "\n" +
         "********************* Record: Fatal Error *********************************\n" + message + "\n" + empty +
         "\n" + empty + "\n" + stars + "\n";
}

class RecordPath : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* v : {"CAP_PATH1", "CAP_PATH2", "CAP_PATH3", "REP_PATH1", "REP_PATH2"}) unsetenv(v);
    char tmpl[] = "/tmp/tolven-capture-XXXXXX";
    dir = mkdtemp(tmpl);
    setenv("QORRECORDREPLAY", dir.c_str(), 1);
    l_QORDialog::record_trace = 0;
  }
  void writeCaptureEnv(const std::string& text) { std::ofstream(dir + "/capture.env") << text; }
  std::string dir;
};

TEST_F(RecordPath, TraceLevelsChooseTheLines) {
  auto run = [](char level) {
    l_QORDialog::record_trace = level;
    testing::internal::CaptureStdout();
    l_QORDlgRecordTrace::Header(false, "QORDlgDialog", "dlg", "QORDlgDiaOKNotification");
    l_QORDlgRecordTrace::Detail(false, "_response= %d\n", 1);
    l_QORDlgRecordTrace::Header(true, "QORDlgDialog", "dlg", "QORDlgDiaOKNotification");
    l_QORDlgRecordTrace::Detail(true, "x,y dx,dy= %d,%d %d,%d\n", 1, 2, 3, 4);
    setenv("CAP_PATH1", "/data/", 1);
    CheckRecordPath("/data/f");
    return testing::internal::GetCapturedStdout();
  };
  const std::string header =
      "/RECORD/ SaveState    QORDlgDialog         /Command Name/ dlg /Notification/ QORDlgDiaOKNotification\n";
  const std::string replayHeader =
      "/REPLAY/ RestoreState QORDlgDialog         /Command Name/ dlg /Notification/ QORDlgDiaOKNotification\n";
  const std::string details = std::string("/RECORD/ SaveState") + std::string(25, ' ') + "_response= 1\n";
  const std::string replayDetails = std::string("/REPLAY/ RestoreState") + std::string(22, ' ') + "x,y dx,dy= 1,2 3,4\n";
  const std::string paths =
      "/RECORD/ SaveState    QORDlgFile Check File /CheckRecordPath/ path entree = /data/f\n"
      "/RECORD/ SaveState               variable name+path = CAP_PATH1 /data/\n";
  EXPECT_EQ(run(0), "");
  EXPECT_EQ(run('1'), header + replayHeader);
  EXPECT_EQ(run('2'), header + details + replayHeader + replayDetails);
  EXPECT_EQ(run('4'), header + details + replayHeader + replayDetails + paths);
}

TEST_F(RecordPath, RecordingNeedsACaptureDirectory) {
  EXPECT_EXIT(CheckRecordPath("/home/u/f"), testing::ExitedWithCode(6),
              testing::Eq(box("/QORRecordCapture/ Find any authorized path")));
  setenv("CAP_PATH1", "/data/cap/", 1);
  setenv("CAP_PATH2", "/scratch/", 1);
  CheckRecordPath("/mnt/scratch/run/f.txt");  // the second directory, anywhere in the path
  CheckRecordPath("/data/cap/f.txt");
  EXPECT_EXIT(CheckRecordPath("/home/u/f"), testing::ExitedWithCode(6),
              testing::Eq(box("/QORRecordCapture/ not authorized path : /home/u/f")));
}

TEST_F(RecordPath, CaptureEnvDefinesOneVariablePerLine) {
  writeCaptureEnv(
      "TOLVEN_T_A /a/b\nTOLVEN_T_B two words\nnoblank\nTOLVEN_T_C c\n" + std::string(300, 'x') +
      " long\nTOLVEN_T_D last-without-newline");
  EXPECT_EQ(StderrOf(ReadCapturePath),
            "/QORRecordReplay/ capture.env line 3 ignored: no blank between name and value\n"
            "/QORRecordReplay/ capture.env line 5 ignored: longer than 254 characters\n");
  EXPECT_STREQ(std::getenv("TOLVEN_T_A"), "/a/b");
  EXPECT_STREQ(std::getenv("TOLVEN_T_B"), "two words");
  EXPECT_STREQ(std::getenv("TOLVEN_T_C"), "c");
  EXPECT_EQ(std::getenv("TOLVEN_T_D"), nullptr);

  setenv("QORRECORDREPLAY", (dir + "/missing").c_str(), 1);
  EXPECT_EXIT(ReadCapturePath(), testing::ExitedWithCode(7),
              testing::Eq(box("/QORRecordReplay/ no file " + dir + "/missing/capture.env")));
}

TEST_F(RecordPath, ReplayMapsTheCaptureDirectory) {
  writeCaptureEnv("CAP_PATH1 /data/cap/\nREP_PATH1 /replay/\nCAP_PATH2 /other/\n");
  char directory[] = "/data/cap/sub/";
  char selection[] = "/data/cap/sub/part.dat";
  CheckReplayPath(directory, selection);
  EXPECT_STREQ(tempo_directorie, "/replay/sub/");
  EXPECT_STREQ(tempo_selection, "/replay/sub/part.dat");

  // The second directory has no replay directory: it stays as it was.
  char other[] = "/other/";
  char otherFile[] = "/other/a.txt";
  CheckReplayPath(other, otherFile);
  EXPECT_STREQ(tempo_directorie, "/other/");
  EXPECT_STREQ(tempo_selection, "/other/a.txt");

  char foreign[] = "/home/u/";
  char foreignFile[] = "/home/u/a.txt";
  EXPECT_EXIT(CheckReplayPath(foreign, foreignFile), testing::ExitedWithCode(7),
              testing::Eq(box("/QORRecordReplay/ not authorized path : /home/u/")));
}

}  // namespace
