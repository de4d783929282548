// The X and Xt error handlers: the error, the call stack, then the end of the process.
// The fatal error handlers end with a failed assertion in every build.
#undef NDEBUG
#include <cassert>

#include "l_QORInteractiveApplication.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "QORStackTrace.h"
#include "qordlg_assert.h"

namespace {

// ---- fatal errors ----

[[noreturn]] void traceAndAbort() {
  QORStackTrace trace;
  const int levels = std::min(trace.GetTrace(), 68);
  for (int i = 0; i < levels; ++i) {
    char frame[64];
    if (trace.Read(i, frame, 64) == 0) std::printf("(%d) %s\n", i, frame);
  }
  std::fflush(stdout);
  QORDLG_ASSERT(false, "0");
  std::abort();  // not reached: the failed assertion aborts
}

}  // namespace

// ---- error handlers ----

void TOLVEN_XtErrorHandler(char* message) {
  std::fprintf(stderr, "Xt Error: %s\n", message ? message : "");
  std::fflush(stderr);
  traceAndAbort();
}

int TOLVEN_XErrorHandler(Display* d, XErrorEvent* event) {
  std::fputs("X Error ", stderr);
  if (event->type == 0) {  // an error, not an event
    char code[16];
    std::snprintf(code, sizeof code, "%d", event->request_code);
    char request[256] = "";
    XGetErrorDatabaseText(d, "XRequest", code, "", request, sizeof request);
    if (*request) std::fprintf(stderr, "in %s ", request);
  }
  char text[256] = "";
  XGetErrorText(d, event->error_code, text, sizeof text);
  std::fprintf(stderr, ": %s\n", text);
  std::fflush(stderr);
  traceAndAbort();
}
