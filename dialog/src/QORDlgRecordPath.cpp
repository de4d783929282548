#include "QORDlgRecordPath.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "QOREnv.h"
#include "l_QORDlgRecordTrace.h"

char* tempo_directorie = nullptr;
char* tempo_selection = nullptr;

namespace {

// The environment keeps the text handed to it, so the definitions read from
// capture.env live here for the whole run.
constexpr int kCaptureEntries = 10;
constexpr int kCaptureLine = 255;
char captureTable[kCaptureEntries][kCaptureLine];
int captureUsed = 0;

[[noreturn]] void fatalBox(const std::string& message, int status) {
  const std::string stars(75, '*');
  const std::string empty = "*" + std::string(73, ' ') + "*";
  std::fprintf(stderr, "%s\n%s\n%s\n%s\n%s\n%s\n%s\n%s\n", stars.c_str(), empty.c_str(), empty.c_str(),
               "********************* Record: Fatal Error *********************************", message.c_str(),
               empty.c_str(), empty.c_str(), stars.c_str());
  std::fflush(stderr);
  std::exit(status);
}

std::string variable(const char* prefix, int n) { return prefix + std::to_string(n); }

const char* shown(const char* v) { return v ? v : "(null)"; }

void rejectLine(int line, const char* why) {
  std::fprintf(stderr, "/QORRecordReplay/ capture.env line %d ignored: %s\n", line, why);
}

// Stores one definition, reusing the entry of an identical earlier one: the
// file is read again at every replayed file selection.
void storeDefinition(int lineNumber, const char* text) {
  for (int i = 0; i < captureUsed; ++i)
    if (std::strcmp(captureTable[i], text) == 0) return;
  if (captureUsed == kCaptureEntries) {
    rejectLine(lineNumber, "more than 10 definitions");
    return;
  }
  char* entry = captureTable[captureUsed++];
  std::snprintf(entry, kCaptureLine, "%s", text);
  QORPutEnv(entry);
}

}  // namespace

void CheckRecordPath(const char* path) {
  if (!path) path = "";
  std::string name = variable("CAP_PATH", 1);
  const char* capture = QORGetEnv(name.c_str());
  l_QORDlgRecordTrace::Path("/RECORD/ SaveState    QORDlgFile Check File /CheckRecordPath/ path entree = %s\n", path);
  l_QORDlgRecordTrace::Path("/RECORD/ SaveState               variable name+path = %s %s\n", name.c_str(), shown(capture));
  if (!capture) fatalBox("/QORRecordCapture/ Find any authorized path", 6);
  for (int n = 1;; ++n) {
    if (std::strstr(path, capture)) return;
    name = variable("CAP_PATH", n + 1);
    capture = QORGetEnv(name.c_str());
    l_QORDlgRecordTrace::Path("/RECORD/ SaveState               variable name+path = %s %s\n", name.c_str(),
                              shown(capture));
    if (!capture) fatalBox(std::string("/QORRecordCapture/ not authorized path : ") + path, 6);
  }
}

void ReadCapturePath() {
  const char* dir = QORGetEnv("QORRECORDREPLAY");
  const QORString fileName = QORMakePath(QORMakePath(dir ? dir : "", ""), "capture.env");
  l_QORDlgRecordTrace::Path("/REPLAY/ RestoreState QORDlgFile Check File /ReadCapturePath/\n");
  l_QORDlgRecordTrace::Path("/REPLAY/ RestoreState            QORRECORDREPLAY=%s\n", fileName.c_str());
  FILE* f = std::fopen(fileName.c_str(), "r");
  if (!f) fatalBox(std::string("/QORRecordReplay/ no file ") + fileName.c_str(), 7);
  char buffer[kCaptureLine];
  int lineNumber = 0;
  bool skipping = false;  // inside the rest of an over-long line
  while (std::fgets(buffer, sizeof buffer, f)) {
    char* end = std::strchr(buffer, '\n');
    if (skipping) {
      skipping = !end;
      continue;
    }
    ++lineNumber;
    if (!end) {
      if (std::feof(f)) break;  // a last line without line feed is not taken
      rejectLine(lineNumber, "longer than 254 characters");
      skipping = true;
      continue;
    }
    *end = '\0';
    char* blank = std::strchr(buffer, ' ');
    if (!blank || blank == buffer) {
      rejectLine(lineNumber, blank ? "no variable name" : "no blank between name and value");
      continue;
    }
    *blank = '=';
    l_QORDlgRecordTrace::Path("/REPLAY/ RestoreState            file line %d:%s\n", static_cast<int>(std::strlen(buffer)),
                              buffer);
    storeDefinition(lineNumber, buffer);
  }
  std::fclose(f);
}

void CheckReplayPath(char* directory, char* selection) {
  ReadCapturePath();
  const std::string dir = directory ? directory : "";
  QORString selectionDir, file;
  QORSplitPath(QORString(selection ? selection : ""), selectionDir, file);
  std::free(tempo_directorie);
  std::free(tempo_selection);
  tempo_directorie = tempo_selection = nullptr;

  std::string capName = variable("CAP_PATH", 1), repName = variable("REP_PATH", 1);
  const char* capture = QORGetEnv(capName.c_str());
  const char* replay = QORGetEnv(repName.c_str());
  l_QORDlgRecordTrace::Path("/REPLAY/ RestoreState QORDlgFile Check File /CheckReplayPath/ file = %s\n", file.c_str());
  l_QORDlgRecordTrace::Path("/REPLAY/ RestoreState            directorie = %s\n", dir.c_str());
  l_QORDlgRecordTrace::Path("/REPLAY/ RestoreState            selection  = %s\n", selection ? selection : "");
  auto traceVariables = [&] {
    l_QORDlgRecordTrace::Path("/REPLAY/ RestoreState            Capture variable name+path = %s %s\n", capName.c_str(),
                              shown(capture));
    l_QORDlgRecordTrace::Path("/REPLAY/ RestoreState            Replay  variable name+path = %s %s\n", repName.c_str(),
                              shown(replay));
  };
  traceVariables();
  if (!capture) fatalBox("/QORRecordReplay/ Find any authorized path", 6);
  for (int n = 1; !std::strstr(dir.c_str(), capture); ++n) {
    capName = variable("CAP_PATH", n + 1);
    repName = variable("REP_PATH", n + 1);
    capture = QORGetEnv(capName.c_str());
    replay = QORGetEnv(repName.c_str());
    traceVariables();
    if (!capture) fatalBox("/QORRecordReplay/ not authorized path : " + dir, 7);
  }
  // Without a replay directory for this index the capture directory is kept:
  // the run replays on the machine that recorded it.
  if (!replay) replay = capture;
  const size_t capLength = std::strlen(capture);
  std::string rest;
  if (dir.size() >= 1 && capLength < dir.size() - 1)
    rest = QORMakePath(QORString(dir.substr(capLength, dir.size() - 1 - capLength)), "").str();
  const std::string mapped = QORMakePath(QORString(replay), "").str() + rest;
  const std::string full = QORMakePath(QORString(mapped), file).str();
  tempo_directorie = strdup(mapped.c_str());
  tempo_selection = strdup(full.c_str());
  l_QORDlgRecordTrace::Path("/REPLAY/ RestoreState            find path = %s\n", tempo_directorie);
  l_QORDlgRecordTrace::Path("/REPLAY/ RestoreState            find file = %s\n", tempo_selection);
}
