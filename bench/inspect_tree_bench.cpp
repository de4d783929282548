// The inspection channel's tree answer of a dialog box with 10 000 objects,
// from the request to the last byte in the tool (another process), against
// the floor of any such answer: the same number of bytes put in a property
// and read back on the same display.
#include <benchmark/benchmark.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "InspectClient.h"

namespace {
constexpr int kObjects = 10000;
Display* display = nullptr;
Window shell = None;
pid_t target = -1;
size_t answerBytes = 0;

// inspect_target with the labels that bring the box to kObjects objects
// (it has 7 of its own and the frame that holds them).
bool startTarget() {
  int out[2];
  if (pipe(out)) return false;
  int in[2];
  if (pipe(in)) return false;
  target = fork();
  if (target == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    const std::string count = std::to_string(kObjects - 8);
    execl(INSPECT_TARGET, INSPECT_TARGET, count.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  close(in[0]);
  FILE* lines = fdopen(out[0], "r");
  char line[256];
  while (std::fgets(line, sizeof line, lines))
    if (std::sscanf(line, "READY %lx", &shell) == 1) break;
  if (shell == None) return false;
  // Its trace lines go on coming: a full pipe would stop it.
  std::thread([lines] {
    char rest[4096];
    while (std::fgets(rest, sizeof rest, lines)) {
    }
  }).detach();
  return true;
}

void BM_InspectTreeOf10000Objects(benchmark::State& state) {
  InspectClient client(display, 30000);
  std::vector<unsigned char> answer;
  for (auto _ : state) {
    if (!client.Ask(shell, {0, 0, 1}, answer)) state.SkipWithError(client.GetError().c_str());
  }
  answerBytes = answer.size();
  state.counters["answer_bytes"] = static_cast<double>(answer.size());
}
BENCHMARK(BM_InspectTreeOf10000Objects)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RawPropertyOfTheSameSize(benchmark::State& state) {
  Window w = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  const Atom property = XInternAtom(display, "BENCH", False);
  std::vector<unsigned char> bytes(answerBytes ? answerBytes : 400000, 'x');
  for (auto _ : state) {
    XChangeProperty(display, w, property, XA_STRING, 8, PropModeReplace, bytes.data(), static_cast<int>(bytes.size()));
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, w, property, 0, 0x1FFFFFFF, True, AnyPropertyType, &type, &format, &count, &after,
                       &data);
    if (data) XFree(data);
  }
  XDestroyWindow(display, w);
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_RawPropertyOfTheSameSize)->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace

int main(int argc, char** argv) {
  display = XOpenDisplay(nullptr);
  if (!display || !startTarget()) {
    std::fprintf(stderr, "inspect_tree_bench: needs DISPLAY and the inspect_target program\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  kill(target, SIGTERM);
  waitpid(target, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
