#include "QORRecord.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "QORCommand.h"
#include "QOREnv.h"
#include "QORMetaObject.h"
#include "QORNotification.h"

namespace {

// Record files of real sessions are a few megabytes; the cap only keeps a
// wrong file name (a disk image, /dev/zero) from eating all memory.
const size_t kMaxRecordSize = 256u * 1024u * 1024u;

// Path and class fields are separated by single spaces, so they may hold no
// blank or control character (GetPath escapes them in names).
bool isPlainField(const std::string& s) {
  if (s.empty()) return false;
  for (unsigned char c : s)
    if (c <= ' ' || c == 0x7F) return false;
  return true;
}

bool hasControlChar(const std::string& s) {
  for (unsigned char c : s)
    if (c < ' ' || c == 0x7F) return true;
  return false;
}

}  // namespace

// ---------------------------------------------------------------- reader

bool QORRecordReader::fail(int line, const std::string& what) {
  error_ = fileName_ + ":" + std::to_string(line) + ": " + what;
  return false;
}

bool QORRecordReader::Open(const char* fileName) {
  OpenText("", 0, fileName);
  FILE* f = fileName ? std::fopen(fileName, "rb") : nullptr;
  if (!f) {
    error_ = fileName_ + ": " + std::strerror(fileName ? errno : ENOENT);
    return false;
  }
  char chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
    data_.append(chunk, n);
    if (data_.size() > kMaxRecordSize) {
      std::fclose(f);
      data_.clear();
      error_ = fileName_ + ": record file larger than 256 MiB";
      return false;
    }
  }
  const bool bad = std::ferror(f) != 0;
  std::fclose(f);
  if (bad) {
    data_.clear();
    error_ = fileName_ + ": read error";
    return false;
  }
  return true;
}

void QORRecordReader::OpenText(const char* text, size_t length, const char* fileName) {
  data_.assign(text ? text : "", text ? length : 0);
  fileName_ = fileName ? fileName : "";
  pos_ = 0;
  line_ = 0;
  lastSequence_ = 0;
  error_.clear();
}

bool QORRecordReader::Next(QORRecordEntry& entry) {
  if (Failed()) return false;
  while (pos_ < data_.size()) {
    const size_t eol = data_.find('\n', pos_);
    ++line_;
    if (eol == std::string::npos) {
      pos_ = data_.size();
      return fail(line_, "truncated line (no line feed)");
    }
    const std::string line = data_.substr(pos_, eol - pos_);
    pos_ = eol + 1;
    if (!line.empty() && line[0] == '#') continue;
    if (hasControlChar(line)) return fail(line_, "control character in line");

    std::string field[4];
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
      const size_t space = line.find(' ', start);
      const size_t end = (i < 3 && space != std::string::npos) ? space : line.size();
      field[i] = line.substr(start, end - start);
      if (field[i].empty()) return fail(line_, "missing field");
      start = end + 1;
      if (end == line.size() && i < 3) return fail(line_, "missing field");
    }
    if (field[3].find(' ') != std::string::npos) return fail(line_, "too many fields");

    // Sequence: plain decimal, no sign; 18 digits keep it inside a long.
    const std::string& seq = field[0];
    if (seq.size() > 18 || seq.find_first_not_of("0123456789") != std::string::npos)
      return fail(line_, "bad sequence number " + seq);
    const long sequence = std::stol(seq);
    if (sequence != lastSequence_ + 1)
      return fail(line_, "sequence " + std::to_string(lastSequence_ + 1) + " expected, found " + seq);
    if (!fct_FindMetaObject(field[2].c_str())) return fail(line_, "unknown notification class " + field[2]);

    QORMarshal state;
    if (field[3] != "-" && !state.FromHex(field[3].data(), field[3].size())) return fail(line_, "bad hex field");
    lastSequence_ = sequence;
    entry.sequence = sequence;
    entry.path = field[1];
    entry.className = field[2];
    entry.state = state;
    entry.line = line_;
    return true;
  }
  return false;
}

// ---------------------------------------------------------------- writer

QORRecordWriter::~QORRecordWriter() { Close(); }

bool QORRecordWriter::Open(const char* fileName) {
  Close();
  sequence_ = 0;
  file_ = fileName ? std::fopen(fileName, "w") : nullptr;
  if (!file_) return false;
  if (std::fputs("# tolven record 1\n", file_) < 0 || std::fflush(file_) != 0) {
    Close();
    return false;
  }
  return true;
}

bool QORRecordWriter::Write(const QORCommand* sender, const QORNotification* n, const QORMarshal& state) {
  if (!sender || !n) return false;
  return Write(sender->GetPath().c_str(), n->IsA(), state);
}

bool QORRecordWriter::Write(const char* path, const char* className, const QORMarshal& state) {
  if (!file_ || !path || !className) return false;
  // A field with a blank would make the line unreadable; refuse it here rather than at replay.
  if (!isPlainField(path) || !isPlainField(className)) return false;
  const std::string hex = state.GetSize() ? state.ToHex() : "-";
  const long seq = sequence_ + 1;
  if (std::fprintf(file_, "%ld %s %s %s\n", seq, path, className, hex.c_str()) < 0 || std::fflush(file_) != 0)
    return false;
  sequence_ = seq;
  return true;
}

void QORRecordWriter::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

// ---------------------------------------------------------------- controller

QORRecord* QORRecord::GetMain() {
  static QORRecord main;
  return &main;
}

bool QORRecord::InitFromEnvironment() {
  const char* record = QORGetEnv("TOLVEN_RECORD");
  const char* replay = QORGetEnv("TOLVEN_REPLAY");
  if (record && !*record) record = nullptr;
  if (replay && !*replay) replay = nullptr;
  if (record && replay) {
    std::fprintf(stderr, "tolven: TOLVEN_RECORD and TOLVEN_REPLAY cannot both be set\n");
    return false;
  }
  if (record && !StartCapture(record)) {
    std::fprintf(stderr, "tolven: %s\n", error_.c_str());
    return false;
  }
  if (replay && !StartReplay(replay)) {
    std::fprintf(stderr, "tolven: %s\n", error_.c_str());
    return false;
  }
  return true;
}

bool QORRecord::StartCapture(const char* fileName) {
  EndMode(mode_);
  count_ = 0;
  finished_ = false;
  error_.clear();
  if (!fileName || !*fileName) {
    error_ = "no record file name";
    return false;
  }
  if (!writer_.Open(fileName)) {
    error_ = std::string("cannot write record file ") + fileName + ": " + std::strerror(errno);
    return false;
  }
  mode_ = QORRecordCapture;
  return true;
}

bool QORRecord::StartReplay(const char* fileName) {
  EndMode(mode_);
  count_ = 0;
  finished_ = false;
  error_.clear();
  if (!reader_.Open(fileName)) {
    error_ = reader_.GetError();
    return false;
  }
  replayFile_ = fileName;
  mode_ = QORRecordReplay;
  return true;
}

void QORRecord::EndMode(int mode) {
  if (mode != mode_) return;
  if (mode == QORRecordCapture) {
    writer_.Close();
    mode_ = QORRecordNone;
  } else if (mode == QORRecordReplay) {
    reader_.OpenText("", 0, "");
    mode_ = QORRecordNone;
    finished_ = false;
  }
}

int QORRecord::SaveState(QORCommand* command, QORNotification* n) {
  if (!n) return 1;
  // A restore re-sends notifications; recording them again would duplicate entries.
  if (mode_ != QORRecordCapture || restoring_ || !command) return 2;
  QORMarshal m;
  const int result = command->SaveState(n, m);
  if (result == 0) {
    if (writer_.Write(command, n, m)) ++count_;
    else error_ = "cannot write entry " + std::to_string(writer_.GetCount() + 1) + " for " + command->GetPath().str();
  }
  return result;
}

int QORRecord::fail(const std::string& what) {
  error_ = what;
  finished_ = true;
  return -1;
}

// Errors name the record file and line so a broken replay can be traced to its entry.
int QORRecord::apply(QORCommand* command, QORRecordEntry& entry) {
  const std::string where = replayFile_ + ":" + std::to_string(entry.line) + ": ";
  const QORMetaObject* meta = fct_FindMetaObject(entry.className.c_str());
  if (!meta || !meta->create) return fail(where + "cannot create a " + entry.className);
  std::unique_ptr<QORNotification> n(meta->create());
  if (!n) return fail(where + "cannot create a " + entry.className);

  // Nested restores happen when a restored notification opens a blocking box.
  const bool wasRestoring = restoring_;
  const QORCommand* wasCommand = restoringCommand_;
  const std::string wasClass = restoringClass_;
  restoring_ = true;
  restoringCommand_ = command;
  restoringClass_ = entry.className;
  const int result = command->RestoreState(n.get(), entry.state);
  restoring_ = wasRestoring;
  restoringCommand_ = wasCommand;
  restoringClass_ = wasClass;
  // `command` may be gone now (a restored Close destroys its dialog): use only the entry from here.
  if (result == 4) return fail(where + entry.path + " does not handle " + entry.className);
  if (result != 0)
    return fail(where + entry.path + " failed to restore " + entry.className + " (answer " + std::to_string(result) + ")");
  if (!entry.state.Good() || !entry.state.AtEnd())
    return fail(where + "state does not match " + entry.className + " for " + entry.path + ": " +
                (entry.state.Good() ? std::string("data left unread") : entry.state.GetError()));
  ++count_;
  return 0;
}

int QORRecord::ReplayNext() {
  if (mode_ != QORRecordReplay) return -1;
  if (finished_) return error_.empty() ? 0 : -1;
  QORRecordEntry entry;
  if (!nextEntry(entry)) {
    finished_ = true;
    if (!reader_.Failed()) return 0;
    error_ = reader_.GetError();
    return -1;
  }
  QORCommand* command = QORCommand::FindByPath(entry.path.c_str());
  if (!command)
    return fail(replayFile_ + ":" + std::to_string(entry.line) + ": no object at path " + entry.path);
  return apply(command, entry) == 0 ? 1 : -1;
}

int QORRecord::RestoreState(QORCommand* command) {
  if (mode_ != QORRecordReplay || !command) return -1;
  const std::string path = command->GetPath().str();
  if (finished_) {
    if (error_.empty()) error_ = replayFile_ + ": record ended, no entry left for " + path;
    return -1;
  }
  QORRecordEntry entry;
  if (!nextEntry(entry)) {
    if (reader_.Failed()) return fail(reader_.GetError());
    return fail(replayFile_ + ": record ended, no entry left for " + path);
  }
  // The replay has diverged from the recorded run when the box is not the one recorded here.
  if (entry.path != path)
    return fail(replayFile_ + ":" + std::to_string(entry.line) + ": entry for " + entry.path + ", expected " + path);
  return apply(command, entry);
}

bool QORRecord::nextEntry(QORRecordEntry& entry) {
  if (havePeeked_) {
    havePeeked_ = false;
    entry = std::move(peeked_);
    return true;
  }
  return reader_.Next(entry);
}

const QORRecordEntry* QORRecord::peekEntry() {
  if (!havePeeked_ && !finished_) havePeeked_ = reader_.Next(peeked_);
  return havePeeked_ ? &peeked_ : nullptr;
}

bool QORRecord::ShouldDeliver(QORCommand* sender, QORNotification* n) {
  if (mode_ != QORRecordReplay || !sender || !n || probing_) return true;
  if (sender == restoringCommand_ && restoringClass_ == n->IsA()) return true;
  probing_ = true;
  QORMarshal scratch;
  const int answer = sender->SaveState(n, scratch);
  probing_ = false;
  if (answer != 0) return true;
  const QORRecordEntry* next = peekEntry();
  if (next && next->className == n->IsA() && next->path == sender->GetPath().str()) {
    QORRecordEntry entry;
    nextEntry(entry);
    apply(sender, entry);
  }
  return false;
}
