// Internal to libTOLVEN: not API, never installed.
// The trace lines written while a run is recorded or replayed. The level is the
// first character of RECORD_TRACE (l_QORDialog::record_trace): '1' header lines,
// '2' also the values, '4' also the path checks. Every trace flushes stdout so
// it interleaves with the application's own output.
#pragma once

class l_QORDlgRecordTrace {
 public:
  // "/RECORD/ SaveState    CLASS...(21) /Command Name/ NAME /Notification/ NOTIF"
  // or the replay form; printed from level '1' on.
  static void Header(bool replay, const char* objectClass, const char* name, const char* notification);
  // A value line under the "/Command Name/" column; printed from level '2' on.
  static void Detail(bool replay, const char* format, ...) __attribute__((format(printf, 2, 3)));
  // A path-check line, already laid out by the caller; printed at level '4' and above.
  static void Path(const char* format, ...) __attribute__((format(printf, 1, 2)));
  static bool At(char level);
};
