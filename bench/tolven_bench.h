// What every benchmark program shares: its application, draining the X
// queue, and a reporter that keeps each benchmark's mean wall and CPU times
// for the closing "toolkit / raw Motif" ratios.
#pragma once
#include <benchmark/benchmark.h>
#include <unistd.h>  // environ

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "QORInteractiveApplication.h"
#include "l_QORInteractiveApplication.h"

namespace tolven_bench {

inline QORInteractiveApplication* app = nullptr;

// Builds the application `name` for `program`; without a display the
// program ends with status 1.
inline void StartApplication(const char* program, const char* name) {
  if (!std::getenv("DISPLAY")) {
    std::fprintf(stderr, "%s needs DISPLAY\n", program);
    std::exit(1);
  }
  static std::string arg0;
  arg0 = program;
  static char* xargv[] = {arg0.data(), nullptr};
  app = new QORInteractiveApplication(nullptr, name);
  app->BuildApplicationEnvironment(1, xargv, environ);
}

// Every event the server has sent so far is handled.
inline void drain() {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  XSync(l->GetDisplay(), False);
  while (XtAppPending(l->GetContext())) XtAppProcessEvent(l->GetContext(), XtIMAll);
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  struct Times {
    double wall = 0, cpu = 0;
    int n = 0;
  };
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration) continue;
      Times& t = times[r.benchmark_name()];
      ++t.n;
      t.wall += (r.GetAdjustedRealTime() - t.wall) / t.n;
      t.cpu += (r.GetAdjustedCPUTime() - t.cpu) / t.n;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // For every BM_Tolven_<stem>[/args] measured with its BM_RawMotif_<rawStem>[/args]
  // (rawStem defaults to stem): "<label>[/args]: toolkit / raw Motif = W wall, C CPU".
  void PrintRatios(const std::string& label, const std::string& stem, std::string rawStem = "") const {
    if (rawStem.empty()) rawStem = stem;
    const std::string ours = "BM_Tolven_" + stem;
    for (const auto& [name, t] : times) {
      if (name.compare(0, ours.size(), ours) != 0) continue;
      const std::string args = name.substr(ours.size());
      if (!args.empty() && args[0] != '/') continue;
      auto raw = times.find("BM_RawMotif_" + rawStem + args);
      if (raw == times.end() || raw->second.wall <= 0 || raw->second.cpu <= 0) continue;
      std::printf("%s%s: toolkit / raw Motif = %.2f wall, %.2f CPU\n", label.c_str(), args.c_str(),
                  t.wall / raw->second.wall, t.cpu / raw->second.cpu);
    }
  }
  // "<label>: <what> = W wall, C CPU" for two benchmarks by their full names.
  void PrintRatio(const std::string& label, const std::string& first, const std::string& second,
                  const char* what = "toolkit / raw Motif") const {
    auto a = times.find(first), b = times.find(second);
    if (a == times.end() || b == times.end() || b->second.wall <= 0 || b->second.cpu <= 0) return;
    std::printf("%s: %s = %.2f wall, %.2f CPU\n", label.c_str(), what, a->second.wall / b->second.wall,
                a->second.cpu / b->second.cpu);
  }
  std::map<std::string, Times> times;
};

}  // namespace tolven_bench
