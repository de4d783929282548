// The byte exchange over the selection "QORDialog" between this process and
// a peer process (programs/icc_peer), each with its own QORDlgICC, and
// against a bare Xlib client where the refusals and other formats are seen.
#include <gtest/gtest.h>
#include <poll.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <map>
#include <optional>

#include "QORDlgDialog.h"
#include "QORDlgICC.h"
#include "l_QORDlgICC.h"
#include "l_QORInteractiveApplication.h"
#include "tolven_test_app.h"
#include "tolven_test_child.h"
#include "tolven_test_icc.h"
#include <X11/Xatom.h>

namespace {

XtAppContext Context() { return l_QORInteractiveApplication::GetCurrent()->GetContext(); }
Widget Shell() { return l_QORInteractiveApplication::GetCurrent()->GetWidget(); }

// Runs this process's events until `done` or `ms` have passed; false on time-out.
bool PumpUntil(const std::function<bool()>& done, int ms = 20000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    while (XtAppPending(Context())) XtAppProcessEvent(Context(), XtIMAll);
    poll(nullptr, 0, 2);
  }
  return true;
}

// What an event of the user would bring: a time stamp of now, from the
// notice of a zero-length append to a property of the shell.
void TakeFreshTime() {
  static int notices = 0;
  Display* d = XtDisplay(Shell());
  static const Atom mark = XInternAtom(d, "TOLVEN_TEST_TIME", False);
  // Registered once: Xt merges a handler added again.
  XtAddEventHandler(Shell(), PropertyChangeMask, False,
                    [](Widget, XtPointer, XEvent* e, Boolean*) { notices += e->xproperty.atom == mark; }, nullptr);
  const int before = notices;
  XChangeProperty(d, XtWindow(Shell()), mark, XA_STRING, 8, PropModeAppend, nullptr, 0);
  PumpUntil([&] { return notices != before; });
}

// The peer program, serving this process's selection while it is awaited.
struct Peer : ChildProgram {
  Peer() : ChildProgram(TOLVEN_BINARY_DIR "/bin/icc_peer", [](int ms) { PumpUntil([] { return false; }, ms); }) {}
  // The peer's answer to `command`.
  std::string Ask(const std::string& command) { return Send(command) ? Next() : "not sent"; }
};

// A bare client on a connection of its own.
class RawClient {
 public:
  RawClient() : display(XOpenDisplay(nullptr)), window(XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0)) {
    XSelectInput(display, window, PropertyChangeMask);
  }
  ~RawClient() { XCloseDisplay(display); }
  Atom Dialog() const { return XInternAtom(display, "QORDialog", False); }
  // The owner's answer to one request; none when it refuses.
  std::optional<std::string> Request(Time time = CurrentTime) {
    XConvertSelection(display, Dialog(), Dialog(), Dialog(), window, time);
    XFlush(display);
    XEvent e;
    if (!PumpUntil([&] { return XCheckTypedWindowEvent(display, window, SelectionNotify, &e); })) return "time-out";
    if (e.xselection.property == None) return std::nullopt;
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, Dialog(), 0, 1 << 20, True, AnyPropertyType, &type, &format, &count,
                       &after, &data);
    std::string value(reinterpret_cast<char*>(data), count);
    XFree(data);
    return value;
  }
  Display* display;
  Window window;
};

class IccTest : public AppSuite {
 protected:
  void SetUp() override {
    AppSuite::SetUp();
    if (!box) box = new QORDlgDialog(app, "Exchange", 0);
    icc = New("Icc");
    if (app) { ASSERT_EQ(peer.Next(), "READY"); }
  }
  void TearDown() override {
    delete icc;
    delete other;
  }
  // A QORDlgICC whose notifications are counted.
  QORDlgICC* New(const char* name) {
    auto* made = new QORDlgICC(box, name);
    listener.AddAnalyseNotificationCB(made, nullptr, [this, made](QORCommand* from, QORNotification* n) {
      EXPECT_EQ(from, made);
      if (n == made->GetICCWritePerformedNotification()) ++lost[made];
      if (n == made->GetICCReadRequestNotification()) ++reads[made];
    });
    return made;
  }
  int Write(QORDlgICC* to, const std::vector<char>& block) {
    return to->InitiateWrite(to->GetNewTransactionTime(), const_cast<char*>(block.data()), block.size());
  }
  std::vector<char> Buffer(QORDlgICC* of) {
    char* data = nullptr;
    int size = -1;
    of->GetBuffer(&data, &size);
    return std::vector<char>(data, data + size);
  }
  inline static QORDlgDialog* box = nullptr;
  Peer peer;  // every test has the peer program, ready
  QORDlgICC* icc = nullptr;
  QORDlgICC* other = nullptr;
  QORCommand listener{nullptr, "listener"};
  std::map<QORDlgICC*, int> lost, reads;
};

// Xt writes an incremental transfer into its own property on the shell in
// pieces; an atomic one in a single write.
int TransferPieces(Display* watch, Atom property) {
  int pieces = 0;
  XEvent e;
  while (XCheckTypedEvent(watch, PropertyNotify, &e))
    pieces += e.xproperty.atom == property && e.xproperty.state == PropertyNewValue;
  return pieces;
}

TEST_F(IccTest, AMebibyteCrossesBothWaysIntactInIncrementalPieces) {
  const std::vector<char> mine = IccBlock(1 << 20, 1);
  ASSERT_EQ(Write(icc, mine), 1);
  EXPECT_EQ(peer.Ask("read"), "READ 1048576 " + IccDigest(mine.data(), mine.size()));

  ASSERT_EQ(peer.Ask("write 1048576 2"), "WRITE 1");
  RawClient watch;
  XSelectInput(watch.display, XtWindow(Shell()), PropertyChangeMask);
  XSync(watch.display, False);
  TakeFreshTime();
  icc->InitiateRead(icc->GetNewTransactionTime());
  ASSERT_TRUE(PumpUntil([&] { return reads[icc] == 1; }));
  EXPECT_TRUE(Buffer(icc) == IccBlock(1 << 20, 2));
  XSync(watch.display, False);
  EXPECT_GE(TransferPieces(watch.display, XInternAtom(watch.display, "_XT_SELECTION_0", False)), 5);
  EXPECT_EQ(lost[icc], 1);
}

TEST_F(IccTest, TakingTheSelectionTellsOnlyTheCurrentOwnerOnce) {
  other = New("Other");
  ASSERT_EQ(Write(icc, IccBlock(10, 1)), 1);
  ASSERT_EQ(Write(other, IccBlock(10, 2)), 1);
  EXPECT_EQ(l_QORDlgICC::GetCurrentOwner(), other->GetLetterObject());
  EXPECT_EQ(RawClient().Request(), std::string(IccBlock(10, 2).data(), 10));

  ASSERT_EQ(peer.Ask("write 10 3"), "WRITE 1");
  ASSERT_TRUE(PumpUntil([&] { return lost[other] == 1; }));
  EXPECT_EQ(lost[icc], 0);
  EXPECT_EQ(l_QORDlgICC::GetCurrentOwner(), nullptr);

  ASSERT_EQ(Write(icc, IccBlock(10, 4)), 1);
  EXPECT_EQ(peer.Next(), "LOST");
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(lost[other], 1);
}

TEST_F(IccTest, AnEmptyBlockIsOwnedButEveryRequestIsRefused) {
  const std::vector<char> empty;
  ASSERT_EQ(Write(icc, empty), 1);
  EXPECT_EQ(XGetSelectionOwner(XtDisplay(Shell()), QORDlgICC::GetTransactionAtom()), XtWindow(Shell()));
  RawClient raw;
  EXPECT_EQ(raw.Request(), std::nullopt);
  EXPECT_EQ(raw.Request(), std::nullopt);
  peer.Send("read");
  EXPECT_EQ(peer.Next("", 500), "");

  // The same peer reads a block once there is one.
  ASSERT_EQ(Write(icc, IccBlock(3, 5)), 1);
  EXPECT_EQ(peer.Ask("read"), "READ 3 " + IccDigest(IccBlock(3, 5).data(), 3));
}

TEST_F(IccTest, EachReadReplacesTheBlockAndIsAnnouncedOnce) {
  for (int round = 1; round <= 2; ++round) {
    ASSERT_EQ(peer.Ask("write " + std::to_string(100 * round) + " " + std::to_string(round)), "WRITE 1");
    TakeFreshTime();
    icc->InitiateRead(icc->GetNewTransactionTime());
    ASSERT_TRUE(PumpUntil([&] { return reads[icc] == round; })) << "round " << round;
    EXPECT_TRUE(Buffer(icc) == IccBlock(100 * round, round)) << "round " << round;
  }
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(reads[icc], 2);
}

TEST_F(IccTest, ADeletedOwnerKeepsTheSelectionButRefusesAndAPendingReadIsDropped) {
  ASSERT_EQ(Write(icc, IccBlock(10, 1)), 1);
  delete icc;
  icc = nullptr;
  EXPECT_EQ(XGetSelectionOwner(XtDisplay(Shell()), QORDlgICC::GetTransactionAtom()), XtWindow(Shell()));
  EXPECT_EQ(RawClient().Request(), std::nullopt);

  // A reader that goes before the answer: the answer must find nobody.
  ASSERT_EQ(peer.Ask("write 100000 2"), "WRITE 1");
  other = New("Reader");
  other->InitiateRead(other->GetNewTransactionTime());
  delete other;
  other = nullptr;
  PumpUntil([] { return false; }, 300);
  EXPECT_TRUE(reads.empty());
}

TEST_F(IccTest, OutdatedTimeStampsAreRefused) {
  ASSERT_EQ(peer.Ask("write 10 1"), "WRITE 1");
  EXPECT_EQ(icc->InitiateWrite(1, const_cast<char*>("late"), 4), 0);
  EXPECT_EQ(peer.Next("", 300), "");
  EXPECT_EQ(RawClient().Request(), std::string(IccBlock(10, 1).data(), 10));
  EXPECT_TRUE(lost.empty());

  // Asked with a time stamp from before it took the selection, an owner refuses.
  TakeFreshTime();
  ASSERT_EQ(Write(icc, IccBlock(10, 2)), 1);
  EXPECT_EQ(peer.Next(), "LOST");
  EXPECT_EQ(RawClient().Request(icc->GetNewTransactionTime() - 1), std::nullopt);
  EXPECT_EQ(RawClient().Request(icc->GetNewTransactionTime()), std::string(IccBlock(10, 2).data(), 10));
}

// A client offering 32-bit items: the block holds them 4 bytes each, in this host's order.
TEST_F(IccTest, ItemsOfFormat32ArriveAsFourBytesEach) {
  RawClient owner;
  XSetSelectionOwner(owner.display, owner.Dialog(), owner.window, CurrentTime);
  XSync(owner.display, False);
  // Until Xt has seen the selection go, it would answer from this process.
  XSync(XtDisplay(Shell()), False);
  PumpUntil([] { return !XtAppPending(Context()); });
  icc->InitiateRead(CurrentTime);
  XEvent e;
  ASSERT_TRUE(PumpUntil([&] { return XCheckTypedEvent(owner.display, SelectionRequest, &e); }));
  const long items[] = {1, 0x01020304, -1};
  XSelectionRequestEvent& r = e.xselectionrequest;
  XChangeProperty(owner.display, r.requestor, r.property, r.target, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(items), 3);
  XEvent answer{};
  answer.xselection = {SelectionNotify, 0, True, owner.display, r.requestor, r.selection, r.target, r.property, r.time};
  XSendEvent(owner.display, r.requestor, False, 0, &answer);
  XFlush(owner.display);
  ASSERT_TRUE(PumpUntil([&] { return reads[icc] == 1; }));
  const std::uint32_t expected[] = {1, 0x01020304, 0xffffffff};
  const std::vector<char> block = Buffer(icc);
  ASSERT_EQ(block.size(), sizeof expected);
  EXPECT_EQ(std::memcmp(block.data(), expected, sizeof expected), 0);
}

}  // namespace
