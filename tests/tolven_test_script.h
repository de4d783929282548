// Real input from a second process, for tests whose program is inside a
// modal loop of its own (the drag loop reads X events itself and returns
// only when the drag ends). The script runs in a child process on its own
// connection to the display and talks to the test over two pipes: the test
// tells it what the program did (Tell), the script waits for it (WaitFor)
// and reports what it saw (Report), collected by Finish once it has ended.
#pragma once
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>

#include "QORDlgCursorDefinition.h"
#include "l_QORInteractiveApplication.h"
#include "tolven_test_app.h"

class InputScript {
 public:
  using Body = std::function<void(InputScript&)>;
  explicit InputScript(const Body& body) {
    signal(SIGPIPE, SIG_IGN);  // a script that ended early must not end the test
    int down[2], up[2];
    if (pipe(down) || pipe(up)) return;
    pid = fork();
    if (pid == 0) {
      close(down[1]), close(up[0]);
      in = down[0], out = up[1];
      display = XOpenDisplay(nullptr);
      if (display) body(*this);
      if (display) Button(false);  // never leaves the program's drag without its end
      _exit(0);
    }
    close(down[0]), close(up[1]);
    toChild = down[1], fromChild = up[0];
  }
  ~InputScript() { Finish(); }

  // ---- the test's side
  void Tell(const std::string& line) {
    const std::string l = line + "\n";
    if (toChild >= 0 && write(toChild, l.data(), l.size()) < 0) {}
  }
  // Waits for the script to end; what it reported, a line each.
  std::string Finish() {
    if (pid <= 0) return reports;
    close(toChild);
    toChild = -1;
    char chunk[512];
    for (pollfd fd{fromChild, POLLIN, 0}; poll(&fd, 1, 15000) > 0;) {
      const ssize_t got = read(fromChild, chunk, sizeof chunk);
      if (got <= 0) break;
      reports.append(chunk, static_cast<size_t>(got));
    }
    close(fromChild);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
    return reports;
  }

  // ---- the script's side
  void Move(int x, int y) {
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XSync(display, False);
    usleep(30000);
  }
  void Button(bool down) {
    XTestFakeButtonEvent(display, 1, down ? True : False, CurrentTime);
    XSync(display, False);
    usleep(30000);
  }
  void Key(KeySym key, bool down) {
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), down ? True : False, CurrentTime);
    XSync(display, False);
    usleep(30000);
  }
  void Key(KeySym key) {
    Key(key, true);
    Key(key, false);
  }
  void Report(const std::string& line) {
    const std::string l = line + "\n";
    if (write(out, l.data(), l.size()) < 0) {}
  }
  // True once the test told `line`; the lines before it are passed over.
  bool WaitFor(const std::string& line, int ms = 8000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
      for (size_t eol; (eol = told.find('\n')) != std::string::npos;) {
        const std::string got = told.substr(0, eol);
        told.erase(0, eol + 1);
        if (got == line) return true;
      }
      const int left = static_cast<int>(
          std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count());
      pollfd fd{in, POLLIN, 0};
      char chunk[512];
      if (left <= 0 || poll(&fd, 1, left) <= 0) return Failed("no " + line);
      const ssize_t got = read(in, chunk, sizeof chunk);
      if (got <= 0) return Failed("no " + line);
      told.append(chunk, static_cast<size_t>(got));
    }
  }
  // True once the server shows the cursor `def` (hot spot and every pixel).
  bool WaitCursor(const CursorDefinition& def, const char* name, int ms = 8000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
      XFixesCursorImage* img = XFixesGetCursorImage(display);
      const bool same = img && Shows(img, def);
      if (img) XFree(img);
      if (same) return true;
      usleep(10000);
    }
    return Failed(std::string("cursor ") + name + " not shown");
  }
  static bool Shows(const XFixesCursorImage* img, const CursorDefinition& def) {
    if (img->width != def.width || img->height != def.height || img->xhot != def.hotX || img->yhot != def.hotY)
      return false;
    for (int i = 0; i < def.width * def.height; ++i) {
      const unsigned long argb = img->pixels[i] & 0xFFFFFFFFUL;
      const char c = def.pixels[i];
      const unsigned long want = c == '*' ? 0xFF000000UL : c == '.' ? 0xFFFFFFFFUL : 0;
      if ((c == ' ' && (argb >> 24) != 0) || (c != ' ' && argb != want)) return false;
    }
    return true;
  }

  Display* display = nullptr;

 private:
  bool Failed(const std::string& what) {
    Report("FAILED " + what);
    return false;
  }
  pid_t pid = -1;
  int toChild = -1, fromChild = -1, in = -1, out = -1;
  std::string told, reports;
};

// Suites whose cursors are read back with XFixes (skipped without it); with
// `dragging`, the application lets drags start for the test's length.
template <bool dragging>
class CursorSuiteOf : public AppSuite {
 protected:
  void SetUp() override {
    AppSuite::SetUp();
    int event = 0, error = 0;
    if (app && !XFixesQueryExtension(l_QORInteractiveApplication::GetCurrent()->GetDisplay(), &event, &error))
      GTEST_SKIP() << "needs XFIXES";
    if (dragging) app->SetDragAvailability(1);
  }
  void TearDown() override {
    if (app && dragging) app->SetDragAvailability(0);
  }
};
using CursorSuite = CursorSuiteOf<false>;
using DragSuite = CursorSuiteOf<true>;
