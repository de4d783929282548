// What a desktop reads from a Tolven window, read back as a window manager
// would: from another X connection.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {

using WindowProps = AppSuite;

// The other client: its own connection, reading properties as they are.
struct Peer {
  Peer() : d(XOpenDisplay(nullptr)) {}
  ~Peer() { XCloseDisplay(d); }
  Atom atom(const char* name) const { return XInternAtom(d, name, False); }
  // A property's bytes (format 8) or items (format 32), and its type.
  struct Value {
    std::string bytes;
    std::vector<unsigned long> items;
    Atom type = None;
  };
  Value read(Window w, const char* name) const {
    Value v;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, atom(name), 0, 1024, False, AnyPropertyType, &v.type, &format, &count, &after,
                           &data) != Success || !data)
      return v;
    if (format == 8) v.bytes.assign(reinterpret_cast<char*>(data), count);
    if (format == 32) v.items.assign(reinterpret_cast<unsigned long*>(data), reinterpret_cast<unsigned long*>(data) + count);
    XFree(data);
    return v;
  }
  std::string bytes(Window w, const char* name) const { return read(w, name).bytes; }
  Display* d;
};

Widget ShellOf(QORDlgDialog& box) { return static_cast<l_QORDlgDialog*>(box.GetLetterObject())->GetShell(); }

TEST_F(WindowProps, EveryShellNamesItsProgramProcessAndMachine) {
  TestDialog win("PropsWin");
  ASSERT_TRUE(win.Show());
  Peer peer;
  char host[HOST_NAME_MAX + 1] = "";
  gethostname(host, sizeof host - 1);
  std::string program = program_invocation_short_name, cls = program;
  cls[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(cls[0])));
  // The box, and the application's own shell that leads its window group.
  for (Widget shell : {win.shell(), app->GetLetterObject()->GetWidget()}) {
    const Window w = XtWindow(shell);
    EXPECT_EQ(peer.read(w, "_NET_WM_PID").items, std::vector<unsigned long>{static_cast<unsigned long>(getpid())});
    EXPECT_EQ(peer.bytes(w, "WM_CLIENT_MACHINE"), host);
    XClassHint hint{};
    ASSERT_TRUE(XGetClassHint(peer.d, w, &hint));
    EXPECT_EQ((std::vector<std::string>{hint.res_name, hint.res_class}), (std::vector<std::string>{program, cls}));
    XFree(hint.res_name);
    XFree(hint.res_class);
  }
}

TEST_F(WindowProps, TheTitleReachesTheDesktopAsUtf8AndFollowsItsChanges) {
  const std::string title = "Größe — 数量", later = "Ελληνικά и кириллица";
  TestDialog win("PropsTitle");
  win.SetTitle(title.c_str());
  ASSERT_TRUE(win.Show());
  Peer peer;
  const Window w = XtWindow(win.shell());
  EXPECT_EQ(peer.bytes(w, "_NET_WM_NAME"), title);
  EXPECT_EQ(peer.read(w, "_NET_WM_NAME").type, peer.atom("UTF8_STRING"));
  EXPECT_EQ(peer.bytes(w, "_NET_WM_ICON_NAME"), title);

  win.SetTitle(later.c_str());
  EXPECT_TRUE(PumpUntil([&] { return peer.bytes(w, "_NET_WM_NAME") == later; }));
  EXPECT_EQ(peer.bytes(w, "_NET_WM_ICON_NAME"), later);
}

// Ours: the dialog type. Motif's, checked once: the transient-for hint.
TEST_F(WindowProps, ADialogBoxIsADialogTransientForItsWindowFather) {
  TestDialog father("PropsFather");
  ASSERT_TRUE(father.Show());
  QORDlgDialog child(&father, "PropsChild", QORDlgDialogNoButtons);
  child.SetVisibility(QORDlgShown);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(ShellOf(child)); }));
  Peer peer;
  const Window w = XtWindow(ShellOf(child));
  Window transientFor = None;
  EXPECT_EQ(peer.read(w, "_NET_WM_WINDOW_TYPE").items,
            std::vector<unsigned long>{peer.atom("_NET_WM_WINDOW_TYPE_DIALOG")});
  EXPECT_TRUE(XGetTransientForHint(peer.d, w, &transientFor) && transientFor == XtWindow(father.shell()));
}

// Motif's, checked once: editres asks by a client message naming a selection
// of its own; in a protocol version the shell does not speak, the shell takes
// that selection and answers "mismatch" with its own version.
TEST_F(WindowProps, EditresGetsAnAnswer) {
  TestDialog win("PropsEditres");
  ASSERT_TRUE(win.Show());
  Peer editres;
  const Window self = XCreateSimpleWindow(editres.d, DefaultRootWindow(editres.d), 0, 0, 1, 1, 0, 0, 0);
  const Atom selection = editres.atom("TolvenTestEditres"), reply = editres.atom("TolvenTestEditresReply");
  XEvent e{};
  e.xclient = {ClientMessage, 0, False, editres.d, XtWindow(win.shell()), editres.atom("Editres"), 32, {}};
  // Time, selection, the request's serial number, a protocol version from the future.
  const long request[] = {CurrentTime, static_cast<long>(selection), 41, 99};
  std::copy(std::begin(request), std::end(request), e.xclient.data.l);
  XSendEvent(editres.d, e.xclient.window, False, NoEventMask, &e);
  XFlush(editres.d);
  ASSERT_TRUE(PumpUntil([&] { return XGetSelectionOwner(editres.d, selection) == XtWindow(win.shell()); }));
  XConvertSelection(editres.d, selection, editres.atom("EditresClientVal"), reply, self, CurrentTime);
  XFlush(editres.d);
  XEvent notify{};
  ASSERT_TRUE(PumpUntil([&] { return XCheckTypedWindowEvent(editres.d, self, SelectionNotify, &notify); }));
  ASSERT_EQ(notify.xselection.property, reply);
  const Peer::Value answer = editres.read(self, "TolvenTestEditresReply");
  EXPECT_EQ(answer.type, editres.atom("EditresProtocol"));
  // Serial, reply type 2 (mismatch), a 4-byte length of 1, the version.
  EXPECT_EQ(std::vector<int>(answer.bytes.begin(), answer.bytes.end()), (std::vector<int>{41, 2, 0, 0, 0, 1, 5}));
  XDestroyWindow(editres.d, self);
}

}  // namespace
