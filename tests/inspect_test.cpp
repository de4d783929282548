// The inspection channel across two processes: inspect_target runs a Tolven
// dialog box, this process asks it over X as an outside tool does (through
// tolven-inspect's client, or the tool itself).
// gtest before Xlib: Xlib's None macro breaks gtest's headers.
#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "InspectAnswer.h"
#include "InspectClient.h"
#include "tolven_test_display.h"

namespace {

// inspect_target with pipes on its standard input and output.
class Target {
 public:
  bool Start(const char* argument = nullptr);
  ~Target();
  // The next line starting with `prefix`; the lines before it are kept in `seen`.
  std::string WaitFor(const std::string& prefix, int timeoutMs = 10000);
  void Send(const std::string& command) {
    const std::string line = command + "\n";
    EXPECT_EQ(write(in, line.data(), line.size()), static_cast<ssize_t>(line.size()));
    WaitFor("DONE");
  }
  Window shell = None;
  std::string seen;

 private:
  pid_t pid = -1;
  int in = -1, out = -1;
  std::string buffer;
};

bool Target::Start(const char* argument) {
  int toChild[2], fromChild[2];
  if (pipe(toChild) || pipe(fromChild)) return false;
  pid = fork();
  if (pid == 0) {
    dup2(toChild[0], 0);
    dup2(fromChild[1], 1);
    close(toChild[1]);
    close(fromChild[0]);
    execl(INSPECT_TARGET, INSPECT_TARGET, argument, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  in = toChild[1];
  out = fromChild[0];
  const std::string ready = WaitFor("READY ", 30000);
  shell = ready.empty() ? None : std::strtoul(ready.c_str() + 6, nullptr, 16);
  return shell != None;
}

Target::~Target() {
  if (in >= 0) close(in);  // end of input ends the program
  int status = 0;
  for (int i = 0; i < 50 && pid > 0 && waitpid(pid, &status, WNOHANG) == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  if (pid > 0 && waitpid(pid, &status, WNOHANG) == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  if (out >= 0) close(out);
}

std::string Target::WaitFor(const std::string& prefix, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    for (size_t eol; (eol = buffer.find('\n')) != std::string::npos;) {
      std::string line = buffer.substr(0, eol);
      buffer.erase(0, eol + 1);
      if (line.rfind(prefix, 0) == 0) return line;
      seen += line + "\n";
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    pollfd fd{out, POLLIN, 0};
    if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) return "";
    char chunk[4096];
    const ssize_t got = read(out, chunk, sizeof chunk);
    if (got <= 0) return "";
    buffer.append(chunk, static_cast<size_t>(got));
  }
}

uint32_t wordAt(const std::vector<unsigned char>& a, size_t offset) {
  uint32_t w = 0;
  std::memcpy(&w, a.data() + offset, 4);
  return w;
}

class InspectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    display = XOpenDisplay(nullptr);
    TOLVEN_NEED_DISPLAY(display);
    ASSERT_TRUE(target.Start());
    client = new InspectClient(display, 5000);
  }
  void TearDown() override {
    delete client;
    if (display) XCloseDisplay(display);
  }
  std::vector<unsigned char> ask(uint32_t command, uint32_t object = 0, uint32_t header1 = 1) {
    std::vector<unsigned char> answer;
    EXPECT_TRUE(client->Ask(target.shell, {command, object, header1}, answer)) << client->GetError();
    return answer;
  }
  uint32_t status(const std::vector<unsigned char>& answer) {
    uint32_t s = 99;
    EXPECT_TRUE(ReadStatus(answer, s));
    return s;
  }
  InspectTree tree() {
    InspectTree t;
    std::string error;
    EXPECT_TRUE(ReadTree(ask(0), t, error)) << error;
    return t;
  }
  uint32_t handleOf(const std::string& path) {
    InspectTree t = tree();
    const int at = t.Find(path);
    EXPECT_GE(at, 0) << path;
    return at < 0 ? 0 : t.nodes[at].handle;
  }
  InspectValues values(const std::string& path, size_t* size = nullptr) {
    const std::vector<unsigned char> answer = ask(2, handleOf(path));
    if (size) *size = answer.size();
    InspectValues v;
    std::string error;
    EXPECT_TRUE(ReadValues(answer, v, error)) << error;
    return v;
  }

  Display* display = nullptr;
  Target target;
  InspectClient* client = nullptr;
};

TEST_F(InspectTest, TreeAnswerListsTheWindowsObjectsInWalkOrderWithTheirKinds) {
  const std::vector<unsigned char> a = ask(0);
  ASSERT_EQ(status(a), 0u);
  EXPECT_EQ(wordAt(a, 0), static_cast<uint32_t>(client->GetAtom()));
  EXPECT_EQ(wordAt(a, 4), 1u);
  EXPECT_EQ(wordAt(a, 8), 0u);
  InspectTree t;
  std::string error;
  ASSERT_TRUE(ReadTree(a, t, error)) << error;
  // Probe { Group { Push Note Tick } Line Gone }: pre-order, 0 after each object's children.
  EXPECT_EQ(t.walk, (std::vector<uint32_t>{1, 2, 3, 0, 4, 0, 5, 0, 0, 6, 0, 7, 0, 0}));
  const std::vector<std::pair<std::string, uint32_t>> expected = {
      {"Probe", 0}, {"Group", 11}, {"Push", 17}, {"Note", 13}, {"Tick", 2}, {"Line", 22}, {"Gone", 17}};
  ASSERT_EQ(t.nodes.size(), expected.size());
  size_t names = 0;
  std::set<uint32_t> handles;
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(t.nodes[i].name, expected[i].first);
    EXPECT_EQ(t.nodes[i].kind, expected[i].second) << expected[i].first;
    names += expected[i].first.size();
    handles.insert(t.nodes[i].handle);
  }
  EXPECT_EQ(handles.size(), expected.size());
  EXPECT_EQ(handles.count(0u), 0u);
  const size_t n = t.walk.size(), k = t.nodes.size();
  EXPECT_EQ(a.size(), (n + 3 * k) * 4 + (names + k) + 20);
  target.WaitFor("CommandDone");
  EXPECT_NE(target.seen.find("GetCommand ...SendDialogTree\nCommandAnswer\n"), std::string::npos) << target.seen;
}

TEST_F(InspectTest, ValuesFollowSensitivityVisibilityAndTitle) {
  size_t size = 0;
  const InspectValues line = values("Probe/Line", &size);
  EXPECT_EQ(size, 45u);
  EXPECT_EQ(line.title, "");
  const InspectValues probe = values("Probe", &size);
  EXPECT_EQ(probe.title, "Inspection probe");
  EXPECT_EQ(size, 45u + probe.title.size());
  InspectValues push = values("Probe/Group/Push");
  EXPECT_EQ(push.sensitivity, 8);
  EXPECT_EQ(push.visibility, 2u);
  EXPECT_GT(push.dx, 0);
  EXPECT_GT(push.dy, 0);
  target.Send("off Push");
  target.Send("hide Push");
  push = values("Probe/Group/Push");
  EXPECT_EQ(push.sensitivity, 0);
  EXPECT_EQ(push.visibility, 4u);
  target.Send("on Push");
  target.Send("show Push");
  push = values("Probe/Group/Push");
  EXPECT_EQ(push.sensitivity, 8);
  EXPECT_EQ(push.visibility, 2u);
}

// Override shells are the root's own children: the flash is the new one.
std::vector<Window> rootChildren(Display* d) {
  Window root = None, parent = None, *kids = nullptr;
  unsigned int count = 0;
  XQueryTree(d, DefaultRootWindow(d), &root, &parent, &kids, &count);
  std::vector<Window> out(kids, kids + count);
  if (kids) XFree(kids);
  return out;
}

TEST_F(InspectTest, FlashBlinksABlueShellOverTheObjectAndRemovesItAfterThreeAndAHalfSeconds) {
  target.Send("place Push");
  int px = 0, py = 0, pw = 0, ph = 0;
  ASSERT_EQ(std::sscanf(target.seen.substr(target.seen.rfind("PLACE Push")).c_str(), "PLACE Push %d %d %d %d", &px,
                        &py, &pw, &ph),
            4);
  const uint32_t push = handleOf("Probe/Group/Push");
  target.WaitFor("CommandDone");
  target.seen.clear();
  const std::vector<Window> before = rootChildren(display);
  const auto asked = std::chrono::steady_clock::now();
  EXPECT_EQ(status(ask(3, push)), 0u);
  Window flash = None;
  for (Window w : rootChildren(display)) {
    if (std::find(before.begin(), before.end(), w) != before.end()) continue;
    Window root = None;
    int x = 0, y = 0;
    unsigned int width = 0, height = 0, border = 0, depth = 0;
    if (!XGetGeometry(display, w, &root, &x, &y, &width, &height, &border, &depth)) continue;
    if (x != px || y != py) continue;
    flash = w;
    EXPECT_EQ(static_cast<int>(width + 2 * border), pw);
    EXPECT_EQ(static_cast<int>(height + 2 * border), ph);
  }
  ASSERT_NE(flash, None) << "no new shell at " << px << "," << py;
  target.WaitFor("CommandDone");
  // The blank line ends the previous exchange's trace.
  EXPECT_EQ(target.seen, "\nGetCommand ...Flash\nFlash Push, x=" + std::to_string(px) + ", y=" + std::to_string(py) +
                             "\n      Push, w=" + std::to_string(pw) + ", h=" + std::to_string(ph) +
                             "\n\nCommandAnswer\n");
  // A hidden object of non-zero size flashes too.
  target.Send("hide Tick");
  const size_t shells = rootChildren(display).size();
  EXPECT_EQ(status(ask(3, handleOf("Probe/Group/Tick"))), 0u);
  EXPECT_EQ(rootChildren(display).size(), shells + 1);
  std::this_thread::sleep_until(asked + std::chrono::milliseconds(3000));
  std::vector<Window> now = rootChildren(display);
  EXPECT_NE(std::find(now.begin(), now.end(), flash), now.end()) << "gone before 3.5 s";
  std::this_thread::sleep_until(asked + std::chrono::milliseconds(4200));
  now = rootChildren(display);
  EXPECT_EQ(std::find(now.begin(), now.end(), flash), now.end()) << "still there after 3.5 s";
}

TEST_F(InspectTest, RefusedRequestsAnswerTheirStatusAndTheProgramLivesOn) {
  const uint32_t gone = handleOf("Probe/Gone");
  for (uint32_t command : {0u, 1u, 2u, 3u}) {
    const std::vector<unsigned char> a = ask(command, gone, 2);
    EXPECT_EQ(a.size(), 16u);
    EXPECT_EQ(status(a), 1u) << "command " << command;
    EXPECT_EQ(wordAt(a, 8), command);
  }
  EXPECT_EQ(status(ask(1, gone)), 2u);                  // SetValues
  EXPECT_EQ(status(ask(9, gone)), 2u);                  // unknown
  EXPECT_EQ(status(ask(2, 0)), 2u);                     // no object
  EXPECT_EQ(status(ask(2, 0xDEADBEEFu)), 2u);           // names nothing
  target.Send("drop Gone");
  EXPECT_EQ(status(ask(2, gone)), 2u);                  // stale
  EXPECT_EQ(status(ask(3, gone)), 2u);
  const InspectTree t = tree();
  EXPECT_EQ(t.Find("Probe/Gone"), -1);
  EXPECT_GE(t.Find("Probe/Line"), 0);
}

std::string run(const std::string& command, int& status) {
  FILE* p = popen((command + " 2>&1").c_str(), "r");
  std::string out;
  char chunk[512];
  while (size_t got = std::fread(chunk, 1, sizeof chunk, p)) out.append(chunk, got);
  status = WEXITSTATUS(pclose(p));
  return out;
}

TEST_F(InspectTest, ToolPrintsTheTreeAndValuesAndFailsClearlyOnASilentWindow) {
  char id[32];
  std::snprintf(id, sizeof id, "0x%lx", target.shell);
  int rc = -1;
  std::string out = run(std::string(TOLVEN_INSPECT) + " --window " + id + " tree", rc);
  EXPECT_EQ(rc, 0);
  EXPECT_NE(out.find("Probe  (other, handle "), std::string::npos) << out;
  EXPECT_NE(out.find("\n    Tick  (check button, handle "), std::string::npos) << out;
  out = run(std::string(TOLVEN_INSPECT) + " --window " + id + " --json values Application/Probe/Group/Note", rc);
  EXPECT_EQ(rc, 0);
  EXPECT_NE(out.find("\"object\": \"Application/Probe/Group/Note\""), std::string::npos) << out;
  EXPECT_NE(out.find("\"sensitive\": true, \"visible\": true"), std::string::npos) << out;
  // A window of this process, which never answers.
  const Window silent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
  XSync(display, False);
  std::snprintf(id, sizeof id, "0x%lx", silent);
  out = run(std::string(TOLVEN_INSPECT) + " --window " + id + " --timeout 300 tree", rc);
  EXPECT_EQ(rc, 2);
  EXPECT_EQ(out, std::string("tolven-inspect: window ") + id + ": the window did not answer in time (timeout 300 ms)\n");
}

}  // namespace
