#include "QORStackTrace.h"

#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// "function+0xoffset (module)": the function first, so a line cut to a few
// dozen characters in an error report still says where it was.
std::string describe(void* frame) {
  Dl_info info;
  if (!dladdr(frame, &info) || !info.dli_fname) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%p", frame);
    return buf;
  }
  const char* module = std::strrchr(info.dli_fname, '/');
  module = module ? module + 1 : info.dli_fname;
  std::string text;
  if (info.dli_sname) {
    int status = -1;
    char* demangled = abi::__cxa_demangle(info.dli_sname, nullptr, nullptr, &status);
    text = status == 0 && demangled ? demangled : info.dli_sname;
    std::free(demangled);
    char off[32];
    std::snprintf(off, sizeof off, "+0x%lx",
                  static_cast<unsigned long>(static_cast<char*>(frame) - static_cast<char*>(info.dli_saddr)));
    text += off;
  } else {
    char off[48];
    std::snprintf(off, sizeof off, "+0x%lx",
                  static_cast<unsigned long>(static_cast<char*>(frame) - static_cast<char*>(info.dli_fbase)));
    text = off;
  }
  return text + " (" + module + ")";
}
}  // namespace

int QORStackTrace::GetTrace() {
  void* frames[80];
  const int n = backtrace(frames, 80);
  lines_.clear();
  // Level 0 is the caller: this function and whatever stands between it and
  // the C library (a sanitizer's interceptor) are left out.
  int first = 0;
  for (int i = 0; i < n && i < 4; ++i)
    if (describe(frames[i]).rfind("QORStackTrace::GetTrace", 0) == 0) first = i + 1;
  if (first == 0) first = 1;
  for (int i = first; i < n; ++i) lines_.push_back(describe(frames[i]));
  return GetLevelCount();
}

int QORStackTrace::Read(int level, char* buffer, int size) const {
  if (level < 0 || level >= GetLevelCount() || !buffer || size <= 0) return -1;
  const std::string& s = lines_[level];
  const size_t n = std::min(s.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, s.data(), n);
  buffer[n] = '\0';
  return 0;
}
