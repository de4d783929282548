// The application drives a replay: entries are applied one at a time once the
// program is idle, and a broken record file ends the run naming its line.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "QORDlgMotif.h"
#include "QORRecord.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace {

class ReplayDriver : public AppSuite {
 protected:
  void SetUp() override {
    AppSuite::SetUp();
    file = testing::TempDir() + "replay_driver.rec";
  }
  std::string file;
};

TEST_F(ReplayDriver, RecordedNotificationsComeBackInOrderThenABrokenFileStopsTheRun) {
  // The end of the run deletes the windows and with them their objects.
  auto* win = new TestDialog("RecWin");
  auto& a = *new QORDlgMotif(win, "area", 0);
  auto& b = *new QORDlgMotif(win, "area", 0);  // same name: told apart by the path
  ASSERT_TRUE(win->Show());
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  a.SendNotification(&a, a.GetDragEnterNotification());
  b.SendNotification(&b, b.GetDropNotification());
  a.SendNotification(&a, a.GetDragLeaveNotification());
  QORRecord::GetMain()->EndMode(1);
  EXPECT_EQ(QORRecord::GetMain()->GetEntryCount(), 3);

  std::vector<std::string> got;
  QORCommand listener(nullptr, "listener");
  auto log = [&](const char* who) {
    return [&got, who](QORCommand*, QORNotification* n) { got.push_back(std::string(who) + " " + n->IsA()); };
  };
  listener.AddAnalyseNotificationCB(&a, nullptr, log("a"));
  listener.AddAnalyseNotificationCB(&b, nullptr, log("b"));

  // Replay with a bad third line: the first two entries apply, then the run ends.
  std::string text = Slurp(file);
  text.replace(text.rfind("QORDlgDragLeaveNotification"), 27, "QORDlgNoSuchNotification___");
  std::ofstream(file) << text;
  ASSERT_TRUE(QORRecord::GetMain()->StartReplay(file.c_str()));
  testing::internal::CaptureStderr();
  app->RunApplication();  // returns when the replay stops the run
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(got, (std::vector<std::string>{"a QORDlgDragEnterNotification", "b QORDlgDropNotification"}));
  EXPECT_EQ(err.rfind("tolven: replay stopped: " + file + ":4: ", 0), 0u) << err;
  EXPECT_EQ(app->GetExitStatus(), 1);
  EXPECT_EQ(QORRecord::GetMain()->RecordMod(), QORRecordNone);
}

}  // namespace
