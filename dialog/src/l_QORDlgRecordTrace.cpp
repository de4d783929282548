#include "l_QORDlgRecordTrace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "QORRecord.h"
#include "l_QORDialog.h"

namespace {
char readTraceLevel() {
  const char* v = std::getenv("RECORD_TRACE");
  return v ? v[0] : 0;
}
}  // namespace

// Read once, when the library is loaded.
char l_QORDialog::record_trace = readTraceLevel();

bool l_QORDlgRecordTrace::At(char level) {
  if (QORRecord::GetMain()->IsProbing()) return false;  // a question, not a recording
  return l_QORDialog::record_trace != 0 && l_QORDialog::record_trace >= level;
}

void l_QORDlgRecordTrace::Header(bool replay, const char* objectClass, const char* name, const char* notification) {
  if (!At('1')) return;
  std::printf("%s%-21s/Command Name/ %s /Notification/ %s\n", replay ? "/REPLAY/ RestoreState " : "/RECORD/ SaveState    ",
              objectClass ? objectClass : "", name ? name : "", notification ? notification : "");
  std::fflush(stdout);
}

void l_QORDlgRecordTrace::Detail(bool replay, const char* format, ...) {
  if (!At('2')) return;
  std::printf("%-43s", replay ? "/REPLAY/ RestoreState" : "/RECORD/ SaveState");
  va_list ap;
  va_start(ap, format);
  std::vprintf(format, ap);
  va_end(ap);
  std::fflush(stdout);
}

void l_QORDlgRecordTrace::Path(const char* format, ...) {
  if (!At('4')) return;
  va_list ap;
  va_start(ap, format);
  std::vprintf(format, ap);
  va_end(ap);
  std::fflush(stdout);
}
