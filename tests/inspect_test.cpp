// The inspection channel across two processes: inspect_target runs a Tolven
// dialog box, this process asks it over X as an outside tool does (through
// tolven-inspect's client, or the tool itself).
// gtest before Xlib: Xlib's None macro breaks gtest's headers.
#include <gtest/gtest.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "InspectAnswer.h"
#include "InspectClient.h"
#include "tolven_test_child.h"
#include "tolven_test_display.h"

namespace {

// inspect_target: "READY <shell>" once its box is up, "DONE" after each command.
class Target : public ChildProgram {
 public:
  Target() : ChildProgram(INSPECT_TARGET) {}
  bool Start() {
    const std::string ready = Next("READY ", 30000);
    shell = ready.empty() ? None : std::strtoul(ready.c_str() + 6, nullptr, 16);
    return shell != None;
  }
  void Send(const std::string& command) {
    EXPECT_TRUE(ChildProgram::Send(command));
    Next("DONE");
  }
  Window shell = None;
};

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
  // Probe { Group { Push Note Tick } Line Gone defaultCtx }: pre-order, 0
  // after each object's children.
  EXPECT_EQ(t.walk, (std::vector<uint32_t>{1, 2, 3, 0, 4, 0, 5, 0, 0, 6, 0, 7, 0, 8, 0, 0}));
  const std::vector<std::pair<std::string, uint32_t>> expected = {
      {"Probe", 0}, {"Group", 11}, {"Push", 17},  {"Note", 13},
      {"Tick", 2},  {"Line", 22},  {"Gone", 17}, {"defaultCtx", 6}};
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
  target.Next("CommandDone");
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
  const InspectValues push = values("Probe/Group/Push");
  EXPECT_GT(push.dx, 0);
  EXPECT_GT(push.dy, 0);
  // The commands to the target, then the sensitivity and visibility words.
  const struct { const char *first, *second; int sensitivity; uint32_t visibility; } steps[] = {
      {nullptr, nullptr, 8, 2}, {"off Push", "hide Push", 0, 4}, {"on Push", "show Push", 8, 2}};
  for (const auto& step : steps) {
    if (step.first) target.Send(step.first), target.Send(step.second);
    const InspectValues now = values("Probe/Group/Push");
    EXPECT_EQ(now.sensitivity, step.sensitivity) << (step.first ? step.first : "at first");
    EXPECT_EQ(now.visibility, step.visibility) << (step.first ? step.first : "at first");
  }
}

// Override shells are the root's own children: the flash is the new one.
std::set<Window> rootChildren(Display* d) {
  Window root = None, parent = None, *kids = nullptr;
  unsigned int count = 0;
  XQueryTree(d, DefaultRootWindow(d), &root, &parent, &kids, &count);
  std::set<Window> out(kids, kids + count);
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
  target.Next("CommandDone");
  target.seen.clear();
  const std::set<Window> before = rootChildren(display);
  const auto asked = std::chrono::steady_clock::now();
  EXPECT_EQ(status(ask(3, push)), 0u);
  Window flash = None;
  for (Window w : rootChildren(display)) {
    Window root = None;
    int x = 0, y = 0;
    unsigned int width = 0, height = 0, border = 0, depth = 0;
    if (before.count(w) || !XGetGeometry(display, w, &root, &x, &y, &width, &height, &border, &depth)) continue;
    if (x != px || y != py) continue;
    flash = w;
    EXPECT_EQ(static_cast<int>(width + 2 * border), pw);
    EXPECT_EQ(static_cast<int>(height + 2 * border), ph);
  }
  ASSERT_NE(flash, None) << "no new shell at " << px << "," << py;
  target.Next("CommandDone");
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
  EXPECT_EQ(rootChildren(display).count(flash), 1u) << "gone before 3.5 s";
  std::this_thread::sleep_until(asked + std::chrono::milliseconds(4200));
  EXPECT_EQ(rootChildren(display).count(flash), 0u) << "still there after 3.5 s";
}

TEST_F(InspectTest, RefusedRequestsAnswerTheirStatusAndTheProgramLivesOn) {
  const uint32_t gone = handleOf("Probe/Gone");
  for (uint32_t command : {0u, 1u, 2u, 3u}) {
    const std::vector<unsigned char> a = ask(command, gone, 2);
    EXPECT_EQ(a.size(), 16u);
    EXPECT_EQ(status(a), 1u) << "command " << command;
    EXPECT_EQ(wordAt(a, 8), command);
  }
  // SetValues, an unknown command, no object, a handle naming nothing; then stale handles.
  const std::pair<uint32_t, uint32_t> refused[] = {{1, gone}, {9, gone}, {2, 0}, {2, 0xDEADBEEFu}};
  for (const auto& [command, object] : refused) EXPECT_EQ(status(ask(command, object)), 2u) << command;
  target.Send("drop Gone");
  for (uint32_t command : {2u, 3u}) EXPECT_EQ(status(ask(command, gone)), 2u) << "stale, command " << command;
  const InspectTree t = tree();
  EXPECT_EQ(t.Find("Probe/Gone"), -1);
  EXPECT_GE(t.Find("Probe/Line"), 0);
}

std::string hex(Window w) {
  char id[32];
  std::snprintf(id, sizeof id, "0x%lx", w);
  return id;
}
std::string tool(Window w) { return std::string(TOLVEN_INSPECT) + " --window " + hex(w); }

std::string run(const std::string& command, int& status) {
  FILE* p = popen((command + " 2>&1").c_str(), "r");
  std::string out;
  char chunk[512];
  while (size_t got = std::fread(chunk, 1, sizeof chunk, p)) out.append(chunk, got);
  status = WEXITSTATUS(pclose(p));
  return out;
}

TEST_F(InspectTest, ToolPrintsTheTreeAndValuesAndFailsClearlyOnASilentWindow) {
  int rc = -1;
  std::string out = run(tool(target.shell) + " tree", rc);
  EXPECT_EQ(rc, 0);
  EXPECT_NE(out.find("Probe  (other, handle "), std::string::npos) << out;
  EXPECT_NE(out.find("\n    Tick  (check button, handle "), std::string::npos) << out;
  out = run(tool(target.shell) + " --json values Application/Probe/Group/Note", rc);
  EXPECT_EQ(rc, 0);
  EXPECT_NE(out.find("\"object\": \"Application/Probe/Group/Note\""), std::string::npos) << out;
  EXPECT_NE(out.find("\"sensitive\": true, \"visible\": true"), std::string::npos) << out;
  // A window of this process, which never answers.
  const Window silent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
  XSync(display, False);
  out = run(tool(silent) + " --timeout 300 tree", rc);
  EXPECT_EQ(rc, 2);
  EXPECT_EQ(out, "tolven-inspect: window " + hex(silent) + ": the window did not answer in time (timeout 300 ms)\n");
}

}  // namespace
