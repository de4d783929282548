// The suites' application: one per test binary, built before the first test
// of the fixture; without a display every test of the fixture is skipped, or
// fails where a display is required (tolven_test_display.h).
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "QORInteractiveApplication.h"
#include "l_QORDialog.h"
#include "tolven_test_display.h"

class AppSuite : public ::testing::Test {
 protected:
  // The name keys the catalog the application reads for itself.
  static void StartApplication(const char* name) {
    if (app || !std::getenv("DISPLAY")) return;
    static char* argv[] = {program_invocation_name, nullptr};
    app = new QORInteractiveApplication(nullptr, name);
    app->BuildApplicationEnvironment(1, argv, environ);
  }
  static void SetUpTestSuite() { StartApplication("TolvenTest"); }
  void SetUp() override {
    TOLVEN_NEED_DISPLAY(app);
  }
  inline static QORInteractiveApplication* app = nullptr;
};

// A whole file, empty if there is none.
inline std::string Slurp(const std::string& file) {
  std::ostringstream text;
  text << std::ifstream(file).rdbuf();
  return text.str();
}

// What `fn` prints on the standard error, or on the standard output.
template <typename F>
std::string StderrOf(F fn) {
  testing::internal::CaptureStderr();
  fn();
  return testing::internal::GetCapturedStderr();
}
template <typename F>
std::string StdoutOf(F fn) {
  testing::internal::CaptureStdout();
  fn();
  return testing::internal::GetCapturedStdout();
}

// The trace `fn` prints at record trace level `level`.
template <typename F>
std::string TracedAt(char level, F fn) {
  const char saved = l_QORDialog::record_trace;
  l_QORDialog::record_trace = level;
  const std::string out = StdoutOf(fn);
  l_QORDialog::record_trace = saved;
  return out;
}

// The lines of a save's trace as the restore of what it saved prints them:
// the same text under the replay's prefix.
inline std::string AsReplayed(std::string trace) {
  const std::string saved = "/RECORD/ SaveState   ", restored = "/REPLAY/ RestoreState";
  for (size_t at = 0; (at = trace.find(saved, at)) != std::string::npos; at += restored.size())
    trace.replace(at, saved.size(), restored);
  return trace;
}

// What the listened objects sent, in order: "sender notification" (the class
// alone without `withSender`), and when; classes in `ignored` are passed over.
class HeardLog {
 public:
  void listen(QORCommand* sender, const char* only = nullptr) {
    listener.AddAnalyseNotificationCB(sender, only, [this](QORCommand* from, QORNotification* n) {
      if (ignored.count(n->IsA())) return;
      heard.push_back(withSender ? from->GetName().str() + " " + n->IsA() : std::string(n->IsA()));
      when.push_back(std::chrono::steady_clock::now());
    });
  }
  QORCommand listener{nullptr, "listener"};
  std::vector<std::string> heard;
  std::vector<std::chrono::steady_clock::time_point> when;
  std::set<std::string> ignored;
  bool withSender = true;
};
