// The interactive application on a real display: attaching to an existing
// shell, the standard resources, the event loop's extras, help on context,
// the end of the run and the fatal error handlers.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <Xm/PushB.h>
#include <Xm/TextF.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "QORCleaner.h"
#include "QORRecord.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"

namespace {

class CountingApp : public QORInteractiveApplication {
 public:
  using QORInteractiveApplication::QORInteractiveApplication;
  void BeginApplication() override { ++begins; }
  int EndApplication() override {
    ++ends;
    return QORInteractiveApplication::EndApplication();
  }
  int begins = 0, ends = 0;
};

CountingApp* mainApp = nullptr;
std::string scratch;  // files the tests write
l_QORInteractiveApplication* L() { return mainApp->GetLetterObject(); }

// One application per process, built once and shared by the tests.
class AppEnvironment : public ::testing::Environment {
  void SetUp() override {
    char dir[] = "/tmp/tolven-app-XXXXXX";
    if (mkdtemp(dir)) scratch = dir;
    setenv("XDG_CONFIG_HOME", scratch.c_str(), 1);
    if (!std::getenv("DISPLAY")) return;
    // Virtual bindings in which keypad Enter is no activate key, as some
    // vendors ship them: the toolkit makes it one all the same.
    static char a0[] = "/some/where/app_test", a1[] = "-xrm",
                a2[] = "*defaultVirtualBindings: osfActivate:<Key>Execute\\nosfCancel:<Key>Escape";
    static char* argv[] = {a0, a1, a2, nullptr};
    mainApp = new CountingApp(nullptr, "AppTest");
    mainApp->BuildApplicationEnvironment(3, argv, environ);
  }
};
[[maybe_unused]] const auto* const registered = ::testing::AddGlobalTestEnvironment(new AppEnvironment);

// Runs the Xt loop (events, timers, work procedures) until done() or a timeout.
bool RunUntil(const std::function<bool()>& done, int timeoutMs = 3000) {
  static bool ticking = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    if (!ticking) {  // keeps XtAppProcessEvent from blocking for long
      ticking = true;
      XtAppAddTimeOut(L()->GetContext(), 20, [](XtPointer, XtIntervalId*) { ticking = false; }, nullptr);
    }
    XtAppProcessEvent(L()->GetContext(), XtIMAll);
  }
  return true;
}
// The real loop's work procedures, the toolkit's idle pass among them, run too.
void Loop(int ms = 150) { RunUntil([] { return false; }, ms); }


TestDialog* ShownWindow(const char* name) {
  auto* w = new TestDialog(name);
  EXPECT_TRUE(w->Show());
  Loop();
  return w;
}
void Close(TestDialog* w) {
  w->GetLetterObject()->Destroy();
  RunUntil([] { return L()->GetWindowList().getCount() == 0; });
}

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TOLVEN_NEED_DISPLAY(mainApp);
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh X connection in the child
  }
};

// ---- start-up ----

using AppStartup = AppTest;

TEST_F(AppStartup, PublishesAnUnmappedShell) {
  Widget top = L()->GetWidget();
  EXPECT_EQ(std::string(std::getenv("VELDTODOTOP")), std::to_string(reinterpret_cast<uintptr_t>(top)));
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(L()->GetDisplay(), XtWindow(top), &a));
  EXPECT_EQ(a.map_state, IsUnmapped);
  EXPECT_EQ(a.width * a.height, 1);
  int argc = 0;
  char** argv = nullptr;
  mainApp->GetArgs(&argc, &argv);
  EXPECT_EQ(argc, 1);  // Xt took its options
  char *name = nullptr, *cls = nullptr;
  XtGetApplicationNameAndClass(L()->GetDisplay(), &name, &cls);
  EXPECT_STREQ(cls, "app_test");
}

// An empty value, or one that names no shell of this process (inherited
// from a parent process, say), is no shell to attach to.
TEST_F(AppStartup, EmptyOrForeignShellCountsAsAbsent) {
  const std::string published = std::getenv("VELDTODOTOP");
  static long notAWidget[8] = {};
  for (const std::string& value : {std::string(), std::string("12x"), std::to_string(uintptr_t(notAWidget))}) {
    setenv("VELDTODOTOP", value.c_str(), 1);
    {
      CountingApp other(nullptr, "Other");
      l_QORInteractiveApplication* l = other.GetLetterObject();
      EXPECT_FALSE(l->IsAttached()) << value;
      EXPECT_EQ(l->GetContext(), nullptr);
      // Without a context nothing subscribes to the idle event.
      const int idle = QORApplication::GetSubscriberCount(QORApplication::IdleEvent);
      other.Destroy();
      EXPECT_EQ(QORApplication::GetSubscriberCount(QORApplication::IdleEvent), idle);
    }
    EXPECT_EQ(l_QORInteractiveApplication::GetCurrent(), L());
  }
  setenv("VELDTODOTOP", published.c_str(), 1);
}

// The second application of a process attaches to the first one's shell,
// begins through the idle event and ends through a work procedure, leaving
// the first one running.
TEST_F(AppStartup, SecondApplicationAttachesBeginsAndEnds) {
  auto* second = new CountingApp(nullptr, "Second");
  l_QORInteractiveApplication* l = second->GetLetterObject();
  ASSERT_TRUE(l->IsAttached());
  EXPECT_EQ(l->GetWidget(), L()->GetWidget());
  EXPECT_EQ(l->GetContext(), L()->GetContext());
  EXPECT_EQ(second->begins, 0);
  EXPECT_TRUE(RunUntil([&] { return second->begins == 1; }));

  const int live = l_QORDialog::GetLiveCount();
  new TestDialog("SecondWin");
  ASSERT_EQ(l->GetWindowList().getCount(), 1);
  Loop(50);
  const int idle = QORApplication::GetSubscriberCount(QORApplication::IdleEvent);
  second->Destroy();
  second->Destroy();
  EXPECT_EQ(QORApplication::GetSubscriberCount(QORApplication::IdleEvent), idle + 1);

  EXPECT_TRUE(RunUntil([&] { return second->ends == 1; }));
  Loop(50);
  EXPECT_EQ(second->ends, 1);
  EXPECT_EQ(second->QORInteractiveApplication::EndApplication(), 0);
  EXPECT_EQ(second->begins, 1);
  EXPECT_TRUE(l->IsStopped());
  EXPECT_EQ(l_QORDialog::GetLiveCount(), live);
  delete second;

  EXPECT_EQ(l_QORInteractiveApplication::GetCurrent(), L());
  EXPECT_FALSE(L()->IsStopped());
  EXPECT_TRUE(L()->GetResourceShell());
  Close(new TestDialog("AfterSecond"));  // the first one's idle pass still runs
  EXPECT_EQ(l_QORDialog::GetLiveCount(), live);
}

// ---- standard resources ----

using AppResources = AppTest;

TEST_F(AppResources, OnlyPlainCatalogEntriesWinOverTheBuiltInTable) {
  const std::string saved = std::getenv("TOLVEN_CATALOG_PATH") ? std::getenv("TOLVEN_CATALOG_PATH") : "";
  std::ofstream(scratch + "/Dialog.catalog") << "QORDlgNotify.NoButton = \"Nein\";\n"
                                                "QORDlgNotify.YesButton = \"Ja %1\";\n"
                                                "QORDlgDialog.MoveItem.Mnemonic = \"\xC3\x84ndern\";\n"
                                                "QORDlgDialog.CloseItem.Mnemonic = \"\";\n"
                                                "QORDlgDocument.Background = \"#102030\";\n"
                                                "QORDlgEditor.Background = \"#%1\";\n";
  setenv("TOLVEN_CATALOG_PATH", scratch.c_str(), 1);
  InitXResources(L()->GetResourceShell());
  setenv("TOLVEN_CATALOG_PATH", saved.c_str(), 1);

  const QORDlgStaticTexts& s = *l_QORInteractiveApplication::Static;
  EXPECT_EQ(s.notifyNo, QORUnicodeString("Nein"));
  EXPECT_EQ(s.notifyYes, QORUnicodeString("Yes"));
  EXPECT_EQ(s.itemMnemonic[1], QORUnicodeChar(char32_t(0xC4)));
  EXPECT_EQ(s.itemMnemonic[5], QORUnicodeChar('C'));
  auto pixel = [](const char* colour) {
    XColor c;
    XParseColor(L()->GetDisplay(), L()->GetColormap(), colour, &c);
    XAllocColor(L()->GetDisplay(), L()->GetColormap(), &c);
    return c.pixel;
  };
  EXPECT_EQ(GlobalXResources.documentBackgroundCopy, pixel("#102030"));
  EXPECT_EQ(GlobalXResources.editorBackground, pixel("#77648b"));
  EXPECT_TRUE(GlobalXResources.shortHelpFontList);
  InitXResources(L()->GetResourceShell());
}

TEST_F(AppResources, AMalformedCatalogIsPassedOverSilently) {
  const std::string saved = std::getenv("TOLVEN_CATALOG_PATH") ? std::getenv("TOLVEN_CATALOG_PATH") : "";
  const std::string dir = scratch + "/broken";
  mkdir(dir.c_str(), 0700);
  std::ofstream(dir + "/Dialog.catalog") << "QORDlgNotify.NoButton = \"Nein\";\n"
                                            "QORDlgNotify.YesButton = Ja;\n";
  setenv("TOLVEN_CATALOG_PATH", dir.c_str(), 1);
  EXPECT_EQ(StderrOf([] { InitXResources(L()->GetResourceShell()); }), "");
  setenv("TOLVEN_CATALOG_PATH", saved.c_str(), 1);
  EXPECT_EQ(l_QORInteractiveApplication::Static->notifyNo, QORUnicodeString("No"));
}

// ---- events ----

using AppEvents = AppTest;

std::vector<std::string> crossings;
void RecordCrossing(Widget, XtPointer, XEvent* e, Boolean*) {
  if (e->type == EnterNotify || e->type == LeaveNotify) crossings.push_back(e->type == EnterNotify ? "in" : "out");
  if (e->type == ClientMessage && e->xclient.message_type == l_QORInteractiveApplication::Atom_Enter)
    crossings.push_back("DIALOGENTER");
  if (e->type == ClientMessage && e->xclient.message_type == l_QORInteractiveApplication::Atom_Leave)
    crossings.push_back("DIALOGLEAVE");
}

// RunApplication's loop body, until `count` crossings were seen or a timeout.
void LoopUntil(size_t count, int timeoutMs = 3000) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (crossings.size() < count && std::chrono::steady_clock::now() < deadline) {
    XSync(L()->GetDisplay(), False);
    while (XtAppPending(L()->GetContext()) & XtIMXEvent) {
      XEvent event;
      XtAppNextEvent(L()->GetContext(), &event);
      L()->PreProcessEvent(&event);
      XtDispatchEvent(&event);
    }
    usleep(10000);
  }
}

TEST_F(AppEvents, CrossingMessagesComeBeforeTheCrossing) {
  TestDialog* win = ShownWindow("CrossWin");
  Widget work = win->GetLetterObject()->GetBaseWidget(0);
  XtAddEventHandler(work, EnterWindowMask | LeaveWindowMask, True, RecordCrossing, nullptr);
  MoveTo(1270, 1010);
  LoopUntil(SIZE_MAX, 200);  // whatever the window's appearance caused
  crossings.clear();
  PointAt(work);
  LoopUntil(2);
  MoveTo(1270, 1010);
  LoopUntil(4);
  EXPECT_EQ(crossings, std::vector<std::string>({"DIALOGENTER", "in", "DIALOGLEAVE", "out"}));
  Close(win);
}

TEST_F(AppEvents, KeypadEnterActivatesLikeReturn) {
  TestDialog* win = ShownWindow("KeyWin");
  Widget field = XtVaCreateManagedWidget("field", xmTextFieldWidgetClass, win->GetLetterObject()->GetBaseWidget(0),
                                         XmNx, 10, XmNy, 10, nullptr);
  static int activations = 0;
  XtAddCallback(field, XmNactivateCallback, [](Widget, XtPointer, XtPointer) { ++activations; }, nullptr);
  Loop();
  Display* d = L()->GetDisplay();
  PointAt(field);
  Press(true);  // focus
  Press(false);
  Loop(300);
  activations = 0;
  const KeyCode enter = XKeysymToKeycode(d, XK_KP_Enter);
  XTestFakeKeyEvent(d, enter, True, CurrentTime);
  XTestFakeKeyEvent(d, enter, False, CurrentTime);
  EXPECT_TRUE(RunUntil([] { return activations == 1; }));
  Modifiers mods = 0;
  KeySym sym = 0;
  DialogKeyProc(d, XKeysymToKeycode(d, XK_a), 0, &mods, &sym);
  EXPECT_EQ(sym, static_cast<KeySym>(XK_a));
  Close(win);
}

// ---- help on context ----

using AppHelp = AppTest;

TEST_F(AppHelp, NotAvailableWhileRecordingSilentWhileReplaying) {
  const std::string record = scratch + "/help.record";
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(record.c_str()));
  EXPECT_EQ(StderrOf([] { L()->QueryHelpOnContext(nullptr); }), "Help On Context is not available for Record\n");
  QORRecord::GetMain()->EndMode(1);
  ASSERT_TRUE(QORRecord::GetMain()->StartReplay(record.c_str()));
  EXPECT_EQ(StderrOf([] { L()->QueryHelpOnContext(nullptr); }), "");  // and returns without waiting for a click
  QORRecord::GetMain()->EndMode(2);
}

TEST_F(AppHelp, ClickCallsTheHelpOfTheWidgetUnderIt) {
  TestDialog* win = ShownWindow("HelpWin");
  Widget work = win->GetLetterObject()->GetBaseWidget(0);
  Widget button = XtVaCreateManagedWidget("button", xmPushButtonWidgetClass, work, XmNx, 20, XmNy, 20, nullptr);
  static Widget helped = nullptr;
  static int reason = 0;
  for (Widget w : {button, work})
    XtAddCallback(w, XmNhelpCallback, [](Widget w, XtPointer, XtPointer call) {
      helped = w;
      reason = static_cast<XmAnyCallbackStruct*>(call)->reason;
    }, nullptr);
  Loop();
  PointAt(button);
  // The tracking reads events with XNextEvent: the click comes from another
  // connection once the pointer is grabbed.
  const pid_t clicker = fork();
  if (clicker == 0) {
    Display* own = XOpenDisplay(nullptr);
    usleep(300000);
    if (!own) _exit(1);
    XTestFakeButtonEvent(own, 1, True, CurrentTime);
    XTestFakeButtonEvent(own, 1, False, CurrentTime);
    XSync(own, False);
    _exit(0);
  }
  L()->QueryHelpOnContext(win->GetLetterObject());
  int status = -1;
  waitpid(clicker, &status, 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(helped, button);
  EXPECT_EQ(reason, XmCR_HELP);
  Close(win);
}

// ---- end of the run ----

using AppEndDeathTest = AppTest;

TEST_F(AppEndDeathTest, RunReturnsAfterDestroyWithTheWindowsGone) {
  EXPECT_EXIT(
      {
        alarm(10);  // a loop that is never woken up fails instead of hanging
        const int live = l_QORDialog::GetLiveCount();
        ShownWindow("EndA");
        ShownWindow("EndB");
        mainApp->Destroy();
        mainApp->RunApplication();
        std::fprintf(stderr, "returned letters=%d windows=%d rsc=%d\n", l_QORDialog::GetLiveCount() - live,
                     L()->GetWindowList().getCount(), L()->GetResourceShell() != nullptr);
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "returned letters=0 windows=0 rsc=0\n");
  // Without windows no event follows the last pass: only the wake-up message ends the wait.
  EXPECT_EXIT(
      {
        alarm(10);
        mainApp->Destroy();
        mainApp->RunApplication();
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

// A notification whose deletion shows; the marks are client messages to the shell.
struct Watched : QORNotification {
  ~Watched() override { ++deleted; }
  inline static int deleted = 0;
};
Atom markAtom = 0;
int deletedAtSecondMark = -1;
void OnMark(Widget, XtPointer, XEvent* e, Boolean*) {
  if (e->type != ClientMessage || e->xclient.message_type != markAtom) return;
  if (e->xclient.data.l[0] == 1) QORCleaner::DeleteOnTransactionEnd(new Watched);
  else deletedAtSecondMark = Watched::deleted;
}
void SendMark(long n) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = XtWindow(L()->GetWidget());
  e.xclient.message_type = markAtom;
  e.xclient.format = 32;
  e.xclient.data.l[0] = n;
  XSendEvent(L()->GetDisplay(), e.xclient.window, False, NoEventMask, &e);
}

TEST_F(AppEndDeathTest, WhatAnEventQueuedForDeletionGoesBeforeTheNextEvent) {
  EXPECT_EXIT(
      {
        alarm(10);
        markAtom = XInternAtom(L()->GetDisplay(), "TOLVEN_TEST_MARK", False);
        XtAddEventHandler(L()->GetWidget(), NoEventMask, True, OnMark, nullptr);
        SendMark(1);
        SendMark(2);
        XSync(L()->GetDisplay(), False);
        mainApp->Destroy();
        mainApp->RunApplication();
        std::fprintf(stderr, "deleted=%d pending=%d\n", deletedAtSecondMark, QORCleaner::GetPendingCount());
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "deleted=1 pending=0\n");
}

TEST_F(AppEndDeathTest, ExitEndsARecordedRunAtOnce) {
  const std::string record = scratch + "/exit.record";
  EXPECT_EXIT(
      {
        std::fflush(stdout);
        dup2(2, 1);
        setenv("EXIT", "1", 1);
        QORRecord::GetMain()->StartCapture(record.c_str());
        mainApp->Destroy();
      },
      ::testing::ExitedWithCode(0),
      "/RECORD/ SaveState     !!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!  TRIVO replay ending with exit\\(0\\)\n");
}

// ---- fatal errors ----

using AppErrorDeathTest = AppTest;

TEST_F(AppErrorDeathTest, XErrorNamesTheRequestThenTracesAndAborts) {
  EXPECT_EXIT(
      {
        std::fflush(stdout);
        dup2(2, 1);
        XFreePixmap(L()->GetDisplay(), 0x1234567);
        XSync(L()->GetDisplay(), False);
      },
      ::testing::KilledBySignal(SIGABRT),
      "X Error in X_FreePixmap : BadPixmap \\(invalid Pixmap parameter\\)\n\\(0\\) [^\n]{1,63}\n\\(1\\) ");
}

// Called through a pointer so the compiler does not see the recursion end in a noreturn call.
void (*volatile xtError)(XtAppContext, const char*) = XtAppError;
__attribute__((noinline)) int Deep(int n) {
  if (n == 0) {
    xtError(L()->GetContext(), "boom");
    return 0;
  }
  volatile int keep = Deep(n - 1);
  return keep + 1;
}

TEST_F(AppErrorDeathTest, XtErrorTracesAtMost68Frames) {
  EXPECT_EXIT(
      {
        std::fflush(stdout);
        dup2(2, 1);
        Deep(100);
      },
      ::testing::KilledBySignal(SIGABRT),
      "Xt Error: boom\n(\\([0-9]+\\) [^\n]{1,63}\n){67}\\(67\\) [^\n]{1,63}\n[^(]");
}

}  // namespace
