// Internal to libTOLVEN: not API, never installed.
// What a letter records: one row per notification, each declared once by the
// letter's recordCases(). A row names the notification, the codec of its fields
// (one function that saves and restores, see l_QORDlgRecordIo) and what the
// replay does after the trace; l_QORDialog::SaveState and RestoreState read
// the rows, so no letter writes the two directions apart.
#pragma once
#include <functional>
#include <vector>

class QORNotification;
class l_QORDlgRecordIo;

class l_QORDlgRecordCases {
 public:
  using Codec = std::function<void(l_QORDlgRecordIo&)>;
  using Replay = std::function<void()>;

  struct Case {
    const char* className;  // the recorded notification's class name
    QORNotification* sent;  // sent again on replay, unless `replay` is given
    Codec codec;            // the fields; none: nothing is written or read
    Replay replay;          // runs after the trace instead of sending `sent`
    const char* traceClass = nullptr;  // header's class column; null: the letter's
    bool traced = true;
    bool replayOnly = false;  // found in a record, never recorded by this letter

    // Builders, so that a row stays one statement.
    Case& onReplay(Replay r) { replay = std::move(r); return *this; }
    Case& traceAs(const char* objectClass) { traceClass = objectClass; return *this; }
    Case& untraced() { traced = false; return *this; }
    Case& onlyReplayed() { replayOnly = true; return *this; }
  };

  // `n` is recorded with `codec` and sent again on replay.
  Case& add(QORNotification* n, Codec codec = nullptr);
  // A notification of class `className` is replayed as `sent`.
  Case& add(const char* className, QORNotification* sent, Codec codec = nullptr);
  const Case* find(const char* className) const;
  const std::vector<Case>& all() const { return cases; }

 private:
  std::vector<Case> cases;
};
