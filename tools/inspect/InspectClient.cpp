#include "InspectClient.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <chrono>
#include <cstring>

namespace {
long nowMs() {
  using namespace std::chrono;
  return static_cast<long>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
}  // namespace

InspectClient::InspectClient(Display* d, int timeout) : display(d), timeoutMs(timeout) {
  own = XCreateSimpleWindow(d, DefaultRootWindow(d), -10, -10, 1, 1, 0, 0, 0);
  XSelectInput(d, own, PropertyChangeMask);
  atom = XInternAtom(d, "QORDialog", False);
  answerProperty = XInternAtom(d, "QORDialogAnswer", False);
  incr = XInternAtom(d, "INCR", False);
}

InspectClient::~InspectClient() { XDestroyWindow(display, own); }

bool InspectClient::fail(const std::string& why) {
  error = why;
  return false;
}

bool InspectClient::nextEvent(XEvent& event) {
  while (!XPending(display)) {
    const long left = deadlineMs - nowMs();
    if (left <= 0) return false;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left));
  }
  XNextEvent(display, &event);
  return true;
}

// A zero-length append to our own window: its PropertyNotify carries the time.
bool InspectClient::serverTime(Time& time) {
  XChangeProperty(display, own, atom, atom, 8, PropModeAppend, nullptr, 0);
  XEvent e;
  while (nextEvent(e))
    if (e.type == PropertyNotify && e.xproperty.window == own && e.xproperty.atom == atom) {
      time = e.xproperty.time;
      return true;
    }
  return false;
}

bool InspectClient::Ask(Window target, const Request& request, std::vector<unsigned char>& answer) {
  deadlineMs = nowMs() + timeoutMs;
  answer.clear();
  Time time = CurrentTime;
  if (!serverTime(time)) return fail("no answer from the X server");
  XSetSelectionOwner(display, atom, own, time);
  if (XGetSelectionOwner(display, atom) != own) return fail("cannot own the QORDialog selection");
  block[0] = static_cast<long>(atom);
  block[1] = 1;
  block[2] = request.command;
  block[3] = request.object;
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = target;
  message.xclient.message_type = atom;
  message.xclient.format = 32;
  const long words[5] = {static_cast<long>(atom), static_cast<long>(request.header1), static_cast<long>(time),
                         static_cast<long>(request.object), 0};
  std::memcpy(message.xclient.data.l, words, sizeof words);
  XSendEvent(display, target, False, NoEventMask, &message);
  XEvent e;
  while (nextEvent(e)) {
    if (e.type == SelectionRequest && e.xselectionrequest.selection == atom) {
      offerBlock(e.xselectionrequest);
    } else if (e.type == SelectionClear && e.xselectionclear.selection == atom) {
      // The program owns the selection now: its answer is ready.
      XConvertSelection(display, atom, atom, answerProperty, own, CurrentTime);
    } else if (e.type == SelectionNotify && e.xselection.selection == atom) {
      return readAnswer(e.xselection, answer);
    }
  }
  return fail("the window did not answer in time");
}

void InspectClient::offerBlock(const XSelectionRequestEvent& r) {
  XEvent reply{};
  reply.xselection.type = SelectionNotify;
  reply.xselection.requestor = r.requestor;
  reply.xselection.selection = r.selection;
  reply.xselection.target = r.target;
  reply.xselection.time = r.time;
  reply.xselection.property = None;
  if (r.target == atom) {
    const Atom property = r.property != None ? r.property : r.target;
    XChangeProperty(display, r.requestor, property, atom, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(block), 4);
    reply.xselection.property = property;
  }
  XSendEvent(display, r.requestor, False, NoEventMask, &reply);
  XFlush(display);
}

bool InspectClient::readAnswer(const XSelectionEvent& notify, std::vector<unsigned char>& answer) {
  if (notify.property == None) return fail("the program refused to hand over its answer");
  Atom type = None;
  int format = 0;
  std::vector<unsigned char> piece;
  if (!takeAnswerProperty(piece, type, format)) return fail("cannot read the answer");
  if (type == incr) return readIncremental(answer);
  if (type != atom || format != 8) return fail("the answer has the wrong type");
  answer = std::move(piece);
  return true;
}

// Reads and deletes the answer property; deleting it is what asks for the next piece.
bool InspectClient::takeAnswerProperty(std::vector<unsigned char>& bytes, Atom& type, int& format) {
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, own, answerProperty, 0, 0x1FFFFFFF, True, AnyPropertyType, &type, &format, &count,
                         &after, &data) != Success)
    return false;
  if (data) {
    bytes.assign(data, data + count * (format / 8));
    XFree(data);
  }
  return true;
}

// Large answers come in pieces: each deleted property asks for the next,
// an empty one ends the transfer.
bool InspectClient::readIncremental(std::vector<unsigned char>& answer) {
  XEvent e;
  while (nextEvent(e)) {
    if (e.type != PropertyNotify || e.xproperty.atom != answerProperty || e.xproperty.state != PropertyNewValue)
      continue;
    Atom type = None;
    int format = 0;
    std::vector<unsigned char> piece;
    if (!takeAnswerProperty(piece, type, format)) return fail("cannot read the answer");
    const size_t bytes = piece.size();
    answer.insert(answer.end(), piece.begin(), piece.end());
    if (bytes == 0) return true;
  }
  return fail("the answer stopped coming in");
}
