#include "l_QORDlgInspect.h"

#include <X11/Xatom.h>

#include <cstdio>
#include <utility>

#include "l_QORDlgInspectCommands.h"
#include "l_QORDlgWindow.h"

using namespace QORDlgInspect;

namespace {
// The process-wide request record. An answer handed to a transfer stays
// alive until every transfer in flight is done: a new request may arrive
// while an incremental transfer still reads the previous one.
struct RequestRecord {
  Request request;
  l_QORDlgWindow* window = nullptr;
  Answer answer;
  std::vector<Answer> retired;
  int transfers = 0;
} record;

void trace(const char* text) {
  std::fputs(text, stdout);
  std::fflush(stdout);
}
}  // namespace

void l_QORDlgEventHandler(Widget w, XtPointer windowLetter, XEvent* event, Boolean*) {
  if (event->type != ClientMessage) return;
  l_QORDlgInspect::receive(w, static_cast<l_QORDlgWindow*>(windowLetter), event->xclient);
}

void l_QORDlgInspect::Install(Widget shell, l_QORDlgWindow* window) {
  XtAddEventHandler(shell, NoEventMask, True, l_QORDlgEventHandler, window);
}

Atom l_QORDlgInspect::ChannelAtom(Display* d) {
  // One display per process in practice; a second display asks the server again.
  static Display* internedOn = nullptr;
  static Atom atom = None;
  if (d != internedOn) {
    atom = XInternAtom(d, "QORDialog", False);
    internedOn = d;
  }
  return atom;
}

void l_QORDlgInspect::receive(Widget w, l_QORDlgWindow* window, const XClientMessageEvent& m) {
  const Atom atom = ChannelAtom(XtDisplay(w));
  if (m.message_type != atom) return;
  record.request = readRequest(m.data.l);
  XtGetSelectionValue(w, atom, atom, commandCB, window, record.request.time);
}

void l_QORDlgInspect::commandCB(Widget w, XtPointer client, Atom* selection, Atom*, XtPointer value,
                                unsigned long* length, int* format) {
  CommandBlock block;
  const bool readable = readCommandBlock(value, *length, *format, block);
  XtFree(static_cast<char*>(value));
  auto* window = static_cast<l_QORDlgWindow*>(client);
  // The window, or its shell, may have gone while the tool was answering.
  if (!l_QORDlgWindow::IsLiveWindow(window) || window->FindShell() != w) return;
  const Atom atom = ChannelAtom(XtDisplay(w));
  if (!readable || *selection != atom) return;
  record.window = window;
  trace("GetCommand ...");
  Answer answer = isValidHeader(record.request, static_cast<uint32_t>(atom)) ? run(w, window, block)
                                                                             : statusAnswer(block, StatusBadHeader);
  trace("\n");
  offer(w, std::move(answer));
}

Answer l_QORDlgInspect::run(Widget, l_QORDlgWindow* window, const CommandBlock& block) {
  const char* word = block.hasCommand ? traceWord(block.command()) : nullptr;
  if (!word) return statusAnswer(block, StatusNotAvailable);
  trace(word);
  // Only a live letter of this window's tree is ever touched.
  l_QORDialog* object = record.request.object ? window->findInspectHandle(record.request.object) : nullptr;
  switch (block.command()) {
    case CommandTree: return l_QORDlgInspectCommands::tree(window, block);
    case CommandValues: return l_QORDlgInspectCommands::values(object, block);
    case CommandFlash: return l_QORDlgInspectCommands::flash(object, block);
    default: return statusAnswer(block, StatusNotAvailable);
  }
}

void l_QORDlgInspect::offer(Widget w, Answer answer) {
  if (record.transfers > 0) record.retired.push_back(std::move(record.answer));
  record.answer = std::move(answer);
  const Atom atom = ChannelAtom(XtDisplay(w));
  if (!XtOwnSelection(w, atom, record.request.time, convertProc, nullptr, doneProc)) trace("Cannot own Dialog Atom\n");
}

Boolean l_QORDlgInspect::convertProc(Widget w, Atom*, Atom* target, Atom* type, XtPointer* value,
                                     unsigned long* length, int* format) {
  const Atom atom = ChannelAtom(XtDisplay(w));
  if (*target != atom || record.answer.empty()) return False;
  trace("CommandAnswer\n");
  ++record.transfers;
  *type = atom;
  *value = reinterpret_cast<XtPointer>(record.answer.data());
  *length = record.answer.size();
  *format = 8;
  return True;
}

void l_QORDlgInspect::doneProc(Widget, Atom*, Atom*) {
  trace("CommandDone\n\n");
  if (--record.transfers > 0) return;
  record.transfers = 0;
  Answer().swap(record.answer);
  record.retired.clear();
}
