// The record controller: records the notifications of a run into a file and
// replays them.
//
// File format: text lines. Lines starting with '#' are comments. Every other
// line is one recorded notification:
//   SEQ PATH CLASS HEX
// SEQ counts from 1 without gaps, PATH is the sender's QORCommand::GetPath(),
// CLASS a registered notification class name, HEX the saved state in
// lower-case hex, or "-" when the state is empty. Every line ends with '\n'.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

#include "QORMarshal.h"

class QORCommand;
class QORNotification;

struct QORRecordEntry {
  long sequence = 0;
  std::string path;
  std::string className;
  QORMarshal state;
  int line = 0;  // line number in the file
};

// Reads entries one at a time. On a malformed line Next() returns false and
// GetError() names the file and line; the reader stays stopped.
class QORRecordReader {
 public:
  QORRecordReader() = default;
  bool Open(const char* fileName);
  // Reads from memory; `fileName` only names the source in messages.
  void OpenText(const char* text, size_t length, const char* fileName);
  // True with the next entry; false at the end of the data (GetError() empty) or on an error.
  bool Next(QORRecordEntry& entry);
  const std::string& GetError() const { return error_; }
  bool Failed() const { return !error_.empty(); }

 private:
  bool fail(int line, const std::string& what);

  std::string data_;
  std::string fileName_;
  size_t pos_ = 0;
  int line_ = 0;
  long lastSequence_ = 0;
  std::string error_;
};

class QORRecordWriter {
 public:
  ~QORRecordWriter();
  bool Open(const char* fileName);  // truncates; writes the header comment
  bool IsOpen() const { return file_ != nullptr; }
  // Appends one entry with the next sequence number; flushed at once so a crash keeps what was recorded.
  bool Write(const QORCommand* sender, const QORNotification* n, const QORMarshal& state);
  bool Write(const char* path, const char* className, const QORMarshal& state);
  void Close();
  long GetCount() const { return sequence_; }

 private:
  FILE* file_ = nullptr;
  long sequence_ = 0;
};

enum QORRecordMod { QORRecordNone = 0, QORRecordCapture = 1, QORRecordReplay = 2 };

class QORRecord {
 public:
  static QORRecord* GetMain();
  // Reads TOLVEN_RECORD / TOLVEN_REPLAY; returns false with a message on standard error when a file cannot be opened.
  bool InitFromEnvironment();
  bool StartCapture(const char* fileName);
  bool StartReplay(const char* fileName);
  int RecordMod() const { return mode_; }
  // 1 ends a capture, 2 a replay; anything else is ignored.
  void EndMode(int mode);

  // Capture: asks `command` to save the state of `n`; writes an entry when it returns 0. Returns the command's answer.
  int SaveState(QORCommand* command, QORNotification* n);
  // Replay: applies the next entry, which must be addressed to `command`. Returns 0 when applied, -1 otherwise.
  int RestoreState(QORCommand* command);
  // Replay: applies the next entry to whatever command it names. Returns 1 when
  // one was applied, 0 at the end of the file, -1 on an error (then GetError()).
  int ReplayNext();
  bool ReplayFinished() const { return mode_ == QORRecordReplay && finished_; }
  // Replay: whether `sender` may deliver `n` now. A notification the sender
  // records comes from the record file during a replay. When the program
  // sends it where the recorded run did (the next entry is the sender's, of
  // that class), that entry is applied right there, so notifications a
  // program sends from inside another keep their recorded order; the
  // program's own is dropped either way, so nothing arrives twice.
  // Everything else is delivered.
  bool ShouldDeliver(QORCommand* sender, QORNotification* n);
  // True while ShouldDeliver asks a command whether it records a
  // notification: its state is written to a scratch stream and must not be traced.
  bool IsProbing() const { return probing_; }
  const std::string& GetError() const { return error_; }
  long GetEntryCount() const { return count_; }

 private:
  int apply(QORCommand* command, QORRecordEntry& entry);
  // The next entry of the replayed file, the one looked ahead at first.
  bool nextEntry(QORRecordEntry& entry);
  const QORRecordEntry* peekEntry();
  int fail(const std::string& what);  // stops the replay; returns -1

  int mode_ = QORRecordNone;
  bool restoring_ = false;
  bool probing_ = false;
  // The notification an entry being applied sends again.
  const QORCommand* restoringCommand_ = nullptr;
  std::string restoringClass_;
  bool finished_ = false;
  long count_ = 0;
  std::string error_;
  QORRecordWriter writer_;
  QORRecordReader reader_;
  QORRecordEntry peeked_;
  bool havePeeked_ = false;
  std::string replayFile_;
  friend class QORCommand;
};
