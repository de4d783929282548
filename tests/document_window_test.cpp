// The document window: its widget tree, its work area holding the document's
// objects, the style rules of its construction, files dropped on it by
// another application (drag_source), its sizing by the window manager, its
// record and replay, and the inspection tool reading it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <sstream>
#include <string>
#include <vector>

#include "QORDlgCombo.h"
#include "QORDlgDocument.h"
#include "QORDlgPushButton.h"
#include "QORMarshal.h"
#include "QORRecord.h"
#include "l_QORDlgCombo.h"
#include "l_QORDlgDocument.h"
#include "tolven_test_app.h"
#include "tolven_test_child.h"
#include "tolven_test_control.h"
#include "tolven_test_dialog.h"

#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <X11/Xutil.h>

namespace {

class DocumentSuite : public AppSuite {};

l_QORDlgDocument* letterOf(QORDlgDocument* d) { return static_cast<l_QORDlgDocument*>(d->GetLetterObject()); }

TEST_F(DocumentSuite, ShownDocumentHoldsItsObjectsInTheWorkArea) {
  auto* doc = new QORDlgDocument(app, "Doc", 0);
  EXPECT_EQ(doc->GetVisibility(), QORDlgHidden);
  auto* button = new QORDlgPushButton(doc, "Press");
  doc->SetVisibility(QORDlgShown);
  l_QORDlgDocument* l = letterOf(doc);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(l->GetShell()) && Viewable(button->GetLetterObject()->GetBaseWidget(1)); }));
  EXPECT_STREQ(XtName(l->GetBaseWidget(1)), "DocMw");
  EXPECT_STREQ(XtName(l->GetBaseWidget(0)), "DocWa");
  EXPECT_STREQ(XtName(l->GetBaseWidget(2)), "DocHTp");
  EXPECT_STREQ(XtName(l->GetBaseWidget(5)), "DocHBp");
  EXPECT_STREQ(XtName(l->GetBaseWidget(3)), "DocVLp");
  EXPECT_STREQ(XtName(l->GetBaseWidget(6)), "DocVRp");
  EXPECT_STREQ(XtName(l->GetBaseWidget(4)), "DocSb");
  // The button lives inside the work area, which fills the client area.
  Widget w = button->GetLetterObject()->GetBaseWidget(1);
  while (w && w != l->GetBaseWidget(0)) w = XtParent(w);
  EXPECT_EQ(w, l->GetBaseWidget(0));
  Geo work = ServerGeo(l->GetBaseWidget(0)), client = ServerGeo(l->GetClientArea());
  EXPECT_EQ(work.w, client.w);
  EXPECT_EQ(work.h, client.h);
  EXPECT_TRUE(l->IsAKindOf(QORDlgCodeDocument));
  delete doc;
}

TEST_F(DocumentSuite, OldUnixMdiTurnsTheMdiStyleOff) {
  auto* mdi = new QORDlgDocument(app, "Mdi", QORDlgDocumentMDI);
  EXPECT_TRUE(mdi->IsMDI());
  setenv("OLD_UNIX_MDI", "1", 1);
  auto* old = new QORDlgDocument(app, "Old", QORDlgDocumentMDI);
  unsetenv("OLD_UNIX_MDI");
  EXPECT_FALSE(old->IsMDI());
  delete old;
  delete mdi;
}

// ---- shown documents and what they send ----

// A document shown on the screen, with the notifications it sent (class
// names) and the names of the files dropped on it.
struct Shown {
  explicit Shown(QORInteractiveApplication* app, const char* name, unsigned long style = 0)
      : doc(new QORDlgDocument(app, name, style)), l(letterOf(doc)) {
    button = new QORDlgPushButton(doc, "Press");
    listener.AddAnalyseNotificationCB(doc, nullptr, [this](QORCommand*, QORNotification* n) {
      heard.push_back(n->IsA());
      if (auto* drop = dynamic_cast<QORDlgDroppedFileNotification*>(n)) files.push_back(drop->GetFileName().str());
    });
  }
  ~Shown() { delete doc; }
  bool Show() {
    doc->SetVisibility(QORDlgShown);
    return PumpUntil([this] { return Viewable(l->GetBaseWidget(0)) && Viewable(WidgetOf(button)); });
  }
  Widget shell() const { return l->GetShell(); }
  size_t count(const char* notification) const { return std::count(heard.begin(), heard.end(), notification); }
  // Resizes the shell as a user dragging the frame would: the window manager decides.
  // Until Xt has the new size too: a later XtSetValues of the old size would
  // otherwise look like no change to it.
  bool ResizeTo(int w, int h) {
    XResizeWindow(XtDisplay(shell()), XtWindow(shell()), static_cast<unsigned>(w), static_cast<unsigned>(h));
    return PumpUntil([&] { return ServerGeo(shell()).size() == Size{w, h} && MotifGeo(shell()).size() == Size{w, h}; });
  }

  // The window manager's close request, as its menu sends it.
  void AskToClose() {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = XtWindow(shell());
    e.xclient.message_type = XInternAtom(XtDisplay(shell()), "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(XtDisplay(shell()), "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(XtDisplay(shell()), e.xclient.window, False, NoEventMask, &e);
    PumpUntil([&] { return count("QORDlgWindCloseNotification") > 0; });
  }

  QORDlgDocument* doc;
  l_QORDlgDocument* l;
  QORDlgPushButton* button;
  QORCommand listener{nullptr, "listener"};
  std::vector<std::string> heard, files;
};

// The other application: a Motif client to drag from, serving it while the
// test waits for its lines.
class DragSource : public ChildProgram {
 public:
  // A Motif initiator may grab the server for the whole drag: the test's
  // input and the document's answers must pass all the same.
  DragSource() : ChildProgram(DRAG_SOURCE, [](int ms) { PumpFor(ms); }) { XTestGrabControl(TestDisplay(), True); }
  ~DragSource() { XTestGrabControl(TestDisplay(), False); }
  bool Start() { return std::sscanf(Next("READY ").c_str(), "READY %d %d", &x, &y) == 2; }
  // Offers `kind`, then drags from the source onto `target` with button 1; the
  // source's "FINISHED ..." line.
  std::string DragOnto(const char* kind, Widget target) {
    Send(std::string("offer ") + kind);
    Next("OFFERED");
    MoveTo(x, y);
    PumpFor(100);
    Press(true);
    if (Next("DRAGGING").empty()) return "no drag";
    int tx = 0, ty = 0;
    Centre(target, &tx, &ty);
    for (int i = 1; i <= 10; ++i) {
      MoveTo(x + (tx - x) * i / 10, y + (ty - y) * i / 10);
      PumpFor(30);
    }
    Press(false);
    return Next("FINISHED");
  }
  int x = 0, y = 0;
};

const std::vector<std::string> kStringNames = {"/tmp/first.txt", "/tmp/second name.txt"};

TEST_F(DocumentSuite, FilesDroppedByAnotherApplicationArriveOneNotificationPerNameInOrder) {
  Shown d(app, "DropDoc");
  ASSERT_TRUE(d.Show());
  DragSource source;
  ASSERT_TRUE(source.Start());
  const struct {
    const char* offer;
    std::vector<std::string> names;
    const char* finished;
    const char* warning;
  } cases[] = {
      {"string", kStringNames, "FINISHED success", ""},
      // Only the names a space follows; the text arrives as UTF-8.
      {"compound", {"/tmp/alpha.txt", "/tmp/\xc3\xa9t\xc3\xa9.txt"}, "FINISHED success", ""},
      // Nothing the window takes: refused, nothing sent.
      {"private", {}, "FINISHED failure", ""},
      // Names that are not text.
      {"numbers", {}, "FINISHED success", "Warning: dropped value of an unknown type or format ignored\n"},
  };
  for (const auto& c : cases) {
    d.files.clear();
    d.heard.clear();
    const std::string warned = StderrOf([&] {
      EXPECT_EQ(source.DragOnto(c.offer, d.l->GetBaseWidget(0)), c.finished) << c.offer;
      PumpUntil([&] { return d.files.size() >= c.names.size(); }, 2000);
      Settle(100);
    });
    EXPECT_EQ(warned, c.warning) << c.offer;
    EXPECT_EQ(d.files, c.names) << c.offer;
    EXPECT_EQ(d.count("QORDlgDroppedFileNotification"), c.names.size()) << c.offer;
  }
}

TEST_F(DocumentSuite, WithOldUnixMdiTheMdiOperationsOnlyCloseTheOpenCombo) {
  setenv("OLD_UNIX_MDI", "1", 1);
  Shown d(app, "OldMdi", QORDlgDocumentMDI);
  unsetenv("OLD_UNIX_MDI");
  auto* combo = new QORDlgCombo(d.doc, "Pick");
  for (const char* line : {"one", "two"}) combo->SetLine(QORUnicodeString(line));
  ASSERT_TRUE(d.Show());
  EXPECT_EQ(d.l->GetMDIClient(), nullptr);
  EXPECT_EQ(XtNameToWidget(d.l->GetBaseWidget(0), "ClientMDI"), nullptr);
  auto* list = static_cast<l_QORDlgCombo*>(combo->GetLetterObject());
  QORDlgDocument* doc = d.doc;
  const struct {
    const char* operation;
    std::function<void()> run;
    bool closes;
  } operations[] = {
      {"MDIActivate", [doc] { doc->MDIActivate(nullptr); }, true},
      {"MDIGetActive", [doc] { EXPECT_EQ(doc->MDIGetActive(), nullptr); }, true},
      {"MDIMaximize", [doc] { doc->MDIMaximize(nullptr); }, true},
      {"MDIMinimize", [doc] { doc->MDIMinimize(nullptr); }, true},
      {"MDIRestore", [doc] { doc->MDIRestore(nullptr); }, true},
      {"MDINext", [doc] { doc->MDINext(); }, true},
      {"MDIPrevious", [doc] { doc->MDIPrevious(); }, true},
      {"MDITile", [doc] { doc->MDITile(0); }, false},
      {"MDICascade", [doc] { doc->MDICascade(0); }, false},
      {"MDIIconArrange", [doc] { doc->MDIIconArrange(); }, false},
  };
  for (const auto& o : operations) {
    if (!list->IsOpen()) Click(list->GetBaseWidget(3));
    ASSERT_TRUE(list->IsOpen()) << o.operation;
    o.run();
    Settle(50);
    EXPECT_EQ(list->IsOpen(), !o.closes) << o.operation;
    EXPECT_EQ(Viewable(list->GetBaseWidget(4)), !o.closes) << o.operation;
  }
  EXPECT_EQ(d.l->GetMDIClient(), nullptr);
}

TEST_F(DocumentSuite, AUserResizeLaysTheWorkAreaOutAgainAndTheLayoutBoundsTheMinimum) {
  Shown d(app, "SizeDoc");
  d.doc->Attach4Sides(d.button);
  ASSERT_TRUE(d.Show());
  Settle(100);
  d.heard.clear();
  const Geo before = ServerGeo(d.shell()), natural = MotifGeo(WidgetOf(d.button));
  ASSERT_TRUE(d.ResizeTo(before.w + 80, before.h + 50));
  Settle(100);
  // The object attached to the four sides follows the window.
  EXPECT_EQ(MotifGeo(WidgetOf(d.button)).size(), (Size{natural.w + 80, natural.h + 50}));
  const Geo work = ServerGeo(d.l->GetBaseWidget(0)), client = ServerGeo(d.l->GetClientArea());
  EXPECT_EQ(work.size(), client.size());
  EXPECT_EQ(ServerGeo(d.l->GetBaseWidget(1)).size(), ServerGeo(d.shell()).size());
  int lw = 0, lh = 0;
  d.l->GetLayoutManager()->getSize(lw, lh);
  EXPECT_EQ((Size{lw, lh}), (Size{work.w + 1, work.h + 1}));
  EXPECT_GE(d.count("QORDlgResizeNotification"), 1u);
  EXPECT_GE(d.count("QORDlgWindSizeNotification"), 1u);
  DRECT r;
  d.doc->GetRectDimensions(&r);
  EXPECT_EQ((Size{r.dx, r.dy}), (Size{before.w + 80, before.h + 50}));

  // The window manager keeps the document large enough for its objects.
  XSizeHints hints{};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(XtDisplay(d.shell()), XtWindow(d.shell()), &hints, &supplied));
  ASSERT_TRUE(hints.flags & PMinSize);
  XResizeWindow(XtDisplay(d.shell()), XtWindow(d.shell()), 10, 10);
  PumpUntil([&] { return ServerGeo(d.shell()).w < before.w; });
  Settle(200);
  const Geo small = ServerGeo(d.shell()), button = ServerGeo(WidgetOf(d.button));
  // mwm keeps room for its title bar's buttons: the width may stay larger.
  EXPECT_LT(hints.min_width, before.w);
  EXPECT_GE(small.w, hints.min_width);
  EXPECT_EQ(small.h, hints.min_height);
  const Geo shrunk = ServerGeo(d.l->GetBaseWidget(0));
  EXPECT_LE(button.x + button.w, shrunk.w);
  EXPECT_LE(button.y + button.h, shrunk.h);
}

// Objects added to a shown document that need more room than its work area
// has: the window grows until the work area holds them.
TEST_F(DocumentSuite, AddedObjectsThatDoNotFitEnlargeTheWindow) {
  Shown d(app, "GrowDoc");
  d.doc->Attach4Sides(d.button);
  ASSERT_TRUE(d.Show());
  const Size user = ServerGeo(d.shell()).size();
  auto* wide = new QORDlgPushButton(d.doc, "Wide");
  wide->SetTitle(QORUnicodeString("A button whose title is far wider than the window was"));
  d.doc->Attach4Sides(wide);
  ASSERT_TRUE(PumpUntil([&] { return ServerGeo(d.shell()).size().w > user.w; }));
  Settle(100);
  const Geo work = ServerGeo(d.l->GetBaseWidget(0)), shown = ServerGeo(WidgetOf(wide));
  int lw = 0, lh = 0;
  d.l->GetLayoutManager()->getSize(lw, lh);
  EXPECT_EQ((Size{lw, lh}), (Size{work.w + 1, work.h + 1}));
  EXPECT_LE(shown.x + shown.w, work.w);
  EXPECT_LE(shown.y + shown.h, work.h);
}

TEST_F(DocumentSuite, AnMdiDocumentLeavesItsMinimumSizeToItsFrames) {
  Shown d(app, "MdiSize", QORDlgDocumentMDI);
  ASSERT_TRUE(d.Show());
  XSizeHints hints{};
  long supplied = 0;
  XGetWMNormalHints(XtDisplay(d.shell()), XtWindow(d.shell()), &hints, &supplied);
  EXPECT_FALSE(hints.flags & PMinSize);
}

TEST_F(DocumentSuite, TheDocumentsIconIsTheWindowManagersIcon) {
  setenv("TRIVOICONPATH", TOLVEN_SOURCE_DIR "/icons", 1);
  Shown d(app, "IconDoc");
  d.doc->SetIconName("open");
  ASSERT_TRUE(d.Show());
  XWMHints* hints = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    if (hints) XFree(hints);
    hints = XGetWMHints(XtDisplay(d.shell()), XtWindow(d.shell()));
    return hints && (hints->flags & IconPixmapHint);
  }));
  const Geo icon = ServerGeo(XtDisplay(d.shell()), hints->icon_pixmap);
  XFree(hints);
  EXPECT_GT(icon.w, 1);
  EXPECT_GT(icon.h, 1);
}

// ---- record and replay ----

std::vector<std::string> linesOf(const std::string& text, const char* prefix) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  return out;
}

TEST_F(DocumentSuite, ARecordedDropAndResizeReplayWithTheirTraceLinesAndGeometry) {
  Shown d(app, "RecDoc");
  ASSERT_TRUE(d.Show());
  DragSource source;
  ASSERT_TRUE(source.Start());
  Settle(100);
  const std::string file = testing::TempDir() + "document.rec";
  const char level = l_QORDialog::record_trace;
  l_QORDialog::record_trace = '2';
  testing::internal::CaptureStdout();
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  const std::string finished = source.DragOnto("string", d.l->GetBaseWidget(0));
  PumpUntil([&] { return d.files.size() >= 2; }, 2000);
  const Geo start = ServerGeo(d.shell());
  const bool resized = d.ResizeTo(start.w + 60, start.h + 30);
  Settle(200);
  d.AskToClose();
  QORRecord::GetMain()->EndMode(1);
  const Size recorded = ServerGeo(d.shell()).size();
  const bool moved = d.ResizeTo(start.w + 20, start.h + 10);
  d.files.clear();
  d.heard.clear();
  ASSERT_TRUE(QORRecord::GetMain()->StartReplay(file.c_str()));
  int step = 0;
  while ((step = QORRecord::GetMain()->ReplayNext()) == 1) PumpIdle();
  Settle(200);
  const std::string trace = testing::internal::GetCapturedStdout();
  l_QORDialog::record_trace = level;
  EXPECT_EQ(step, 0) << QORRecord::GetMain()->GetError();
  QORRecord::GetMain()->EndMode(2);
  ASSERT_EQ(finished, "FINISHED success");
  ASSERT_TRUE(resized && moved);

  EXPECT_EQ(d.files, kStringNames);
  EXPECT_EQ(d.count("QORDlgWindCloseNotification"), 1u);
  EXPECT_EQ(ServerGeo(d.shell()).size(), recorded);
  const std::vector<std::string> saved = linesOf(trace, "/RECORD/"), restored = linesOf(trace, "/REPLAY/");
  ASSERT_GE(saved.size(), 7u) << trace;
  const std::string header = "/RECORD/ SaveState    QORDlgDocument       /Command Name/ RecDoc /Notification/ ";
  EXPECT_EQ(saved[0], header + "QORDlgDroppedFileNotification");
  EXPECT_EQ(saved[1], "/RECORD/ SaveState                         dropped file = /tmp/first.txt");
  EXPECT_EQ(saved[3], "/RECORD/ SaveState                         dropped file = /tmp/second name.txt");
  EXPECT_EQ(saved.back(), header + "QORDlgWindCloseNotification");  // nothing to show under it
  EXPECT_EQ(saved[saved.size() - 3], header + "QORDlgResizeNotification");
  Position x = 0, y = 0;
  XtVaGetValues(d.shell(), XmNx, &x, XmNy, &y, nullptr);
  EXPECT_EQ(saved[saved.size() - 2], "/RECORD/ SaveState                         x,y dx,dy= " + std::to_string(x) + "," +
                              std::to_string(y) + " " + std::to_string(recorded.w) + "," +
                              std::to_string(recorded.h));
  // The replay traces the same values, the dropped file under its own header.
  ASSERT_EQ(restored.size(), saved.size()) << trace;
  for (size_t i = 0; i < saved.size(); ++i) {
    std::string expected = saved[i];
    const bool drop = expected.find("QORDlgDroppedFileNotification") != std::string::npos;
    if (expected.rfind(header, 0) == 0)
      expected.replace(0, 43, drop ? "/REPLAY/ RestoreState QORDlgocument        " : "/REPLAY/ RestoreState QORDlgDocument       ");
    else
      expected.replace(0, 43, "/REPLAY/ RestoreState                      ");
    EXPECT_EQ(restored[i], expected);
  }
}

TEST_F(DocumentSuite, AReplayedResizeAtZeroZeroChangesOnlyTheSize) {
  Shown d(app, "ZeroDoc");
  ASSERT_TRUE(d.Show());
  Settle(100);
  const Geo before = ScreenGeo(d.shell());
  const struct { short x, y; } places[] = {{0, 0}, {0, 200}};  // a position needs both
  for (const auto& p : places) {
    const Size wanted{before.w + 40, before.h + 20};
    QORMarshal state;
    state << p.x << p.y << static_cast<unsigned short>(wanted.w) << static_cast<unsigned short>(wanted.h);
    QORDlgResizeNotification n;
    d.heard.clear();
    EXPECT_EQ(d.doc->RestoreState(&n, state), 0);
    EXPECT_TRUE(state.AtEnd() && state.Good());
    PumpUntil([&] { return ServerGeo(d.shell()).size() == wanted; });
    Settle(100);
    const Geo after = ScreenGeo(d.shell());
    EXPECT_EQ(after.size(), wanted);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
    EXPECT_EQ(d.count("QORDlgResizeNotification"), 1u);
    EXPECT_EQ(d.count("QORDlgWindMoveNotification"), 0u);
    ASSERT_TRUE(d.ResizeTo(before.w, before.h));
  }
}

// ---- the inspection tool ----

TEST_F(DocumentSuite, TheInspectionToolReadsTheDocumentsTreeWithItsObjects) {
  Shown d(app, "InspDoc");
  new QORDlgCombo(d.doc, "Pick");
  ASSERT_TRUE(d.Show());
  char window[32];
  std::snprintf(window, sizeof window, "0x%lx", XtWindow(d.shell()));
  const std::string command = std::string(TOLVEN_INSPECT) + " --window " + window + " tree 2>&1";
  std::future<std::string> out = std::async(std::launch::async, [command] {
    std::string text;
    FILE* p = popen(command.c_str(), "r");
    char chunk[512];
    while (size_t got = std::fread(chunk, 1, sizeof chunk, p)) text.append(chunk, got);
    pclose(p);
    return text;
  });
  // The document answers from this process's event loop.
  std::string tree;
  testing::internal::CaptureStdout();
  PumpUntil([&] { return out.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready; }, 10000);
  const std::string channel = testing::internal::GetCapturedStdout();
  tree = out.get();
  EXPECT_EQ(tree.rfind("InspDoc  (document, handle ", 0), 0u) << tree;
  EXPECT_NE(tree.find("\n  Press  (push button, handle "), std::string::npos) << tree;
  EXPECT_NE(tree.find("\n  Pick  (combo, handle "), std::string::npos) << tree;
  EXPECT_NE(channel.find("GetCommand ...SendDialogTree\n"), std::string::npos) << channel;
}

}  // namespace
