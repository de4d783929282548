// Record and replay of every letter: the one dispatcher that reads a letter's
// rows (recordCases), saves or restores the fields through the row's codec and
// prints the trace.
#include "QORNotification.h"
#include "l_QORDialog.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORDlgRecordTrace.h"
#include "l_QORInteractiveApplication.h"

namespace {

void trace(const l_QORDlgRecordCases::Case& c, const l_QORDlgRecordIo& io, const char* letterClass,
           const char* name) {
  if (!c.traced) return;
  const bool replay = io.replaying();
  l_QORDlgRecordTrace::Header(replay, c.traceClass ? c.traceClass : letterClass, name, c.className);
  for (const std::string& line : io.details()) l_QORDlgRecordTrace::Detail(replay, "%s", line.c_str());
}

}  // namespace

void l_QORDialog::recordCases(l_QORDlgRecordCases& cases) {
  // A drag carries nothing to save: the replay fills the fields from the
  // application's drag, which follows the replayed notifications.
  for (QORNotification* n : std::initializer_list<QORNotification*>{
           &dragEnterNotification, &dragOverNotification, &dragLeaveNotification, &dropNotification,
           &endDropNotification, &startDragNotification, &cancelDragNotification})
    cases.add(n).onReplay([this, n] {
      if (l_QORInteractiveApplication* app = GetApplication()) app->ReplayDragNotification(this, n);
      else notify(n);
    });
}

int l_QORDialog::SaveState(QORNotification* n, QORMarshal& m) {
  if (!n) return QORDlgSaveNoNotification;
  l_QORDlgRecordCases cases;
  recordCases(cases);
  const l_QORDlgRecordCases::Case* c = cases.find(n->IsA());
  if (!c || c->replayOnly) return QORDlgSaveNotMine;
  l_QORDlgRecordIo io(m, false);
  if (c->codec) c->codec(io);
  trace(*c, io, GetClassName(), name.c_str());
  return QORDlgSaved;
}

int l_QORDialog::RestoreState(QORNotification* n, QORMarshal& m) {
  if (!n) return QORDlgRestoreNotMine;
  l_QORDlgRecordCases cases;
  recordCases(cases);
  const l_QORDlgRecordCases::Case* c = cases.find(n->IsA());
  if (!c) return QORDlgRestoreNotMine;
  if (!api) return QORDlgRestored;  // the object is going: nothing to read or send
  l_QORDlgRecordIo io(m, true);
  if (c->codec) c->codec(io);
  trace(*c, io, GetClassName(), name.c_str());
  if (c->replay) c->replay();
  else notify(c->sent);
  return QORDlgRestored;
}
