// A window on an X server of its own that no window manager runs: the
// toolkit says so once and takes no decoration offsets.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "l_QORDlgWindow.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace {

class WithoutWindowManager : public AppSuite {
 protected:
  static void SetUpTestSuite() {
    if (!startServer()) return;
    setenv("DISPLAY", display.c_str(), 1);
    StartApplication("TolvenTest");
  }
  static void TearDownTestSuite() {
    if (server <= 0) return;
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
  }
  // Xvfb on a display number it picks itself and writes back to us.
  static bool startServer() {
    int fds[2];
    if (pipe(fds) != 0) return false;
    server = fork();
    if (server == 0) {
      close(fds[0]);
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
      const std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c = 0;
    while (server > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) return false;
    display = ":" + number;
    return true;
  }
  inline static pid_t server = -1;
  inline static std::string display;
};

TEST_F(WithoutWindowManager, SaysSoOnceAndTakesNoOffsets) {
  const std::string out = StdoutOf([] {
    TestDialog first("Alone"), second("Second");
    ASSERT_TRUE(first.Show());
    ASSERT_TRUE(PumpUntil([] { return l_QORDlgWindow::_deco_width != -1; }));
    ASSERT_TRUE(second.Show());
    PumpIdle();
  });
  EXPECT_EQ(out, "Window Manager not working\n");
  EXPECT_EQ(l_QORDlgWindow::_deco_width, 0);
  EXPECT_EQ(l_QORDlgWindow::_deco_height, 0);
}

}  // namespace
