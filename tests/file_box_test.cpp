// File selection boxes on real widgets with mwm: a real directory listed
// through the pattern, a file chosen with the pointer and OK, a recorded
// choice replayed under another directory, and directories that cannot be read.
#include <gtest/gtest.h>

#include <Xm/FileSB.h>
#include <Xm/List.h>
#include <X11/Xatom.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "QORDlgFile.h"
#include "QORDlgPushButton.h"
#include "QORDlgNotify.h"
#include "QORRecord.h"
#include "l_QORDlgFile.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"
#include "tolven_test_list.h"

namespace {

// A fresh directory holding `files` (names ending in '/' are directories).
std::string MakeTree(const std::string& root, const std::vector<std::string>& files) {
  mkdir(root.c_str(), 0755);
  for (const std::string& f : files) {
    if (f.back() == '/') mkdir((root + "/" + f).c_str(), 0755);
    else std::ofstream(root + "/" + f) << "x\n";
  }
  return root + "/";
}

class FileBox : public AppSuite {
 protected:
  static l_QORDlgFile* letter(QORDlgFile& f) { return static_cast<l_QORDlgFile*>(f.GetLetterObject()); }
  static l_QORDlgFile* show(QORDlgFile& f) { return ShowBox<l_QORDlgFile>(f); }
  static Widget child(QORDlgFile& f, unsigned char which) {
    return XmFileSelectionBoxGetChild(f.GetLetterObject()->GetBaseWidget(1), which);
  }
  static std::string text(void (QORDlgFile::*get)(QORUnicodeString&) const, QORDlgFile& f) {
    QORUnicodeString s;
    (f.*get)(s);
    return s.c_str();
  }
  std::string scratch = testing::TempDir() + "filebox-" + testing::UnitTest::GetInstance()->current_test_info()->name();
};

TEST_F(FileBox, ListsARealDirectoryThroughThePattern) {
  const std::string dir = MakeTree(scratch, {"a.txt", "b.txt", "c.dat", "sub/"});
  QORDlgFile f(app, "Lister", QORDlgFileHelp);
  f.SetDirectory(dir.c_str());
  f.SetFilterPattern("*.txt");
  f.SetRectDimensions(0, 0, 420, 460);  // height, then width
  show(f);
  EXPECT_EQ(ServerGeo(letter(f)->GetShell()).size(), (Size{460, 420}));
  EXPECT_EQ(ListItems(child(f, XmDIALOG_LIST)), (std::vector<std::string>{dir + "a.txt", dir + "b.txt"}));
  const std::vector<std::string> dirs = ListItems(child(f, XmDIALOG_DIR_LIST));
  EXPECT_NE(std::find(dirs.begin(), dirs.end(), dir + "sub"), dirs.end()) << ::testing::PrintToString(dirs);
  EXPECT_TRUE(XtIsManaged(letter(f)->GetNamedWidget(l_QORDlgFile::Help)));
  EXPECT_EQ(letter(f)->GetNamedWidget(l_QORDlgFile::Apply), nullptr);
  EXPECT_EQ(f.GetSelectionCount(), 1);  // single selection, before any choice
}

TEST_F(FileBox, ChoosingAFileWithThePointerAndOK) {
  const std::string dir = MakeTree(scratch, {"a.txt", "b.txt", "c.dat"});
  QORDlgFile f(app, "Chooser", QORDlgFileApply);
  f.SetDirectory(dir.c_str());
  f.SetFilterPattern("*.txt");
  f.SetOKTitle("Open");
  std::vector<std::string> got;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(&f, nullptr, [&](QORCommand*, QORNotification* n) {
    const std::string c = n->IsA();
    if (c.find("Dia") != std::string::npos) got.push_back(c + " " + std::to_string(f.GetResponse()));
  });
  l_QORDlgFile* l = show(f);
  EXPECT_EQ(LabelText(l->GetNamedWidget(l_QORDlgFile::OK)), "Open");
  ClickRow(child(f, XmDIALOG_LIST), 2);
  Click(l->GetNamedWidget(l_QORDlgFile::Apply));
  Click(l->GetNamedWidget(l_QORDlgFile::OK));
  Click(l->GetNamedWidget(l_QORDlgFile::Cancel));
  EXPECT_EQ(got, (std::vector<std::string>{"QORDlgDiaAPPLYNotification 4", "QORDlgDiaOKNotification 1",
                                           "QORDlgDiaCANCELNotification 2"}));
  EXPECT_EQ(text(&QORDlgFile::GetDirectory, f), dir);
  EXPECT_EQ(text(&QORDlgFile::GetFilterPattern, f), "*.txt");
  EXPECT_EQ(text(&QORDlgFile::GetSelection, f), dir + "b.txt");
  EXPECT_TRUE(Viewable(l->GetShell()));  // the buttons do not hide the box
}

TEST_F(FileBox, ObjectsPlacedInTheBoxAreLaidOutSideBySideInItsWorkArea) {
  QORDlgFile f(app, "WithObjects", QORDlgFileApply | QORDlgGridLayout);
  QORDlgPushButton first(&f, "First"), second(&f, "Second");
  first.SetGridConstraints(0, 0, 1, 1, 0);
  second.SetGridConstraints(0, 1, 1, 1, 0);
  l_QORDlgFile* l = show(f);
  Widget a = first.GetLetterObject()->GetBaseWidget(1), b = second.GetLetterObject()->GetBaseWidget(1);
  ASSERT_TRUE(Viewable(a) && Viewable(b));
  EXPECT_EQ(XtParent(a), l->GetBaseWidget(0));
  EXPECT_EQ(XtParent(XtParent(a)), l->GetBaseWidget(1));
  const Geo ga = ScreenGeo(a), gb = ScreenGeo(b);
  EXPECT_EQ(ga.y, gb.y);
  EXPECT_GE(gb.x, ga.x + ga.w);  // side by side, not on top of each other
}

TEST_F(FileBox, MultipleSelectionKeepsTheChosenFilesAndATypedOneOnce) {
  const std::string dir = MakeTree(scratch, {"a.txt", "b.txt", "c.txt"});
  QORDlgFile f(app, "Several", QORDlgFileMultiple);
  f.SetDirectory(dir.c_str());
  f.SetFilterPattern("*.txt");
  l_QORDlgFile* l = show(f);
  Widget list = child(f, XmDIALOG_LIST);
  ClickRow(list, 1);  // then, past the double-click time, shift-click: the range to the third
  Settle(600);
  ClickRow(list, 3, XK_Shift_L);
  f.SetFileName("typed.txt");  // a name that is not selected in the list
  PumpIdle();
  for (int i = 0; i < 2; ++i) Click(l->GetNamedWidget(l_QORDlgFile::OK));
  QORUnicodeString files[8];
  ASSERT_EQ(f.GetSelection(files, 8), 4);
  EXPECT_EQ((std::vector<std::string>{files[0].c_str(), files[1].c_str(), files[2].c_str(), files[3].c_str()}),
            (std::vector<std::string>{dir + "a.txt", dir + "b.txt", dir + "c.txt", dir + "typed.txt"}));
  EXPECT_EQ(f.GetSelectionCount(), 4);
}

// Recorded under one directory, the choice comes back under another: the
// capture directory CAP_PATH1 is replaced by the replay directory REP_PATH1.
TEST_F(FileBox, ARecordedChoiceReplaysUnderTheReplayDirectory) {
  const std::string captured = MakeTree(scratch + "-cap", {"sub/"});
  MakeTree(captured + "sub", {"x.txt"});
  const std::string replayRoot = MakeTree(scratch + "-rep", {"sub/"});
  const std::string env = MakeTree(scratch + "-env", {});
  std::ofstream(env + "capture.env") << "CAP_PATH1 " << captured << "\nREP_PATH1 " << replayRoot << "\n";
  setenv("CAP_PATH1", captured.c_str(), 1);
  setenv("QORRECORDREPLAY", env.c_str(), 1);

  QORDlgFile f(app, "Recorded", 0);
  f.SetDirectory((captured + "sub").c_str());
  l_QORDlgFile* l = show(f);
  const std::string file = testing::TempDir() + "filebox.rec";
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  ClickRow(child(f, XmDIALOG_LIST), 1);
  const std::string recordTrace = TracedAt('2', [&] { Click(l->GetNamedWidget(l_QORDlgFile::OK)); });
  QORRecord::GetMain()->EndMode(1);
  // The replay prints the same lines with the replay directory in place of the capture's.
  auto traceUnder = [](const std::string& dir) {
    return "/RECORD/ SaveState    QORDlgFile           /Command Name/ Recorded /Notification/ QORDlgDiaOKNotification\n"
           "/RECORD/ SaveState                         _response  = 1\n"
           "/RECORD/ SaveState                         _selection = " + dir + "sub/x.txt\n"
           "/RECORD/ SaveState                         _directorie= " + dir + "sub/\n"
           "/RECORD/ SaveState                         _pattern   = *\n";
  };
  EXPECT_EQ(recordTrace, traceUnder(captured));
  ASSERT_EQ(text(&QORDlgFile::GetSelection, f), captured + "sub/x.txt");

  ASSERT_TRUE(QORRecord::GetMain()->StartReplay(file.c_str()));
  int oks = 0;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(&f, "QORDlgDiaOKNotification", [&](QORCommand*, QORNotification*) {
    // What the application reads when the replayed OK arrives.
    ++oks;
    EXPECT_EQ(text(&QORDlgFile::GetDirectory, f), replayRoot + "sub/");
    EXPECT_EQ(text(&QORDlgFile::GetSelection, f), replayRoot + "sub/x.txt");
  });
  const std::string replayTrace =
      TracedAt('2', [] { EXPECT_EQ(QORRecord::GetMain()->ReplayNext(), 1) << QORRecord::GetMain()->GetError(); });
  EXPECT_EQ(QORRecord::GetMain()->ReplayNext(), 0);
  QORRecord::GetMain()->EndMode(2);
  EXPECT_EQ(replayTrace, AsReplayed(traceUnder(replayRoot)));
  EXPECT_EQ(oks, 1);
}

// With multiple selection every selected file comes back, each mapped.
TEST_F(FileBox, RecordedSelectedFilesReplayUnderTheReplayDirectory) {
  const std::string captured = MakeTree(scratch + "-cap", {"x.txt", "y.txt"});
  const std::string replayRoot = MakeTree(scratch + "-rep", {});
  const std::string env = MakeTree(scratch + "-env", {});
  std::ofstream(env + "capture.env") << "CAP_PATH1 " << captured << "\nREP_PATH1 " << replayRoot << "\n";
  setenv("CAP_PATH1", captured.c_str(), 1);
  setenv("QORRECORDREPLAY", env.c_str(), 1);
  QORDlgFile f(app, "RecordedMany", QORDlgFileMultiple);
  f.SetDirectory(captured.c_str());
  l_QORDlgFile* l = show(f);
  const std::string file = testing::TempDir() + "fileboxmany.rec";
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  Widget list = child(f, XmDIALOG_LIST);
  ClickRow(list, 1);
  Settle(600);  // past the double-click time
  ClickRow(list, 2, XK_Shift_L);
  Click(l->GetNamedWidget(l_QORDlgFile::OK));
  QORRecord::GetMain()->EndMode(1);
  ASSERT_EQ(f.GetSelectionCount(), 2);

  f.SetDirectory(replayRoot.c_str());
  ASSERT_TRUE(QORRecord::GetMain()->StartReplay(file.c_str()));
  EXPECT_EQ(QORRecord::GetMain()->ReplayNext(), 1) << QORRecord::GetMain()->GetError();
  QORRecord::GetMain()->EndMode(2);
  QORUnicodeString files[4];
  ASSERT_EQ(f.GetSelection(files, 4), 2);
  EXPECT_EQ((std::vector<std::string>{files[0].c_str(), files[1].c_str()}),
            (std::vector<std::string>{replayRoot + "x.txt", replayRoot + "y.txt"}));
}

TEST_F(FileBox, ADirectoryThatCannotBeReadIsReportedAndLeftAlone) {
  const std::string good = MakeTree(scratch + "-good", {"kept.txt"});
  std::ofstream(scratch + "-plain") << "not a directory\n";
  struct Case {
    std::string directory;
    const char* why;
  } cases[] = {{scratch + "-missing/", "No such file or directory"}, {scratch + "-plain", "Not a directory"}};
  QORDlgFile f(app, "Careful", 0);
  f.SetDirectory(good.c_str());
  show(f);
  for (const Case& c : cases) {
    const std::string said = StderrOf([&] {
      f.SetDirectory(c.directory.c_str());
      PumpIdle();
    });
    EXPECT_EQ(said, "Warning : file box Careful cannot read the directory >" + c.directory + "<: " + c.why + "\n");
    EXPECT_EQ(text(&QORDlgFile::GetDirectory, f), good);  // the box still shows the last good one
    EXPECT_EQ(ListItems(child(f, XmDIALOG_LIST)), std::vector<std::string>{good + "kept.txt"});
  }
}

// Desktops place and decorate both standard boxes as dialogs.
TEST_F(FileBox, BothStandardBoxesAreTypedAsDialogs) {
  QORDlgFile f(app, "Typed", 0);
  QORDlgNotify n(app, "TypedToo", QORDlgNotifyWarning);
  for (QORDialog* box : std::vector<QORDialog*>{&f, &n}) {
    box->SetVisibility(QORDlgShown);
    auto shellOf = [box] {
      Widget w = box->GetLetterObject()->GetBaseWidget(0);
      return w ? XtParent(w) : nullptr;
    };
    ASSERT_TRUE(PumpUntil([&] { return Viewable(shellOf()); }));
    Widget shell = shellOf();
    Display* d = XtDisplay(shell);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(d, XtWindow(shell), XInternAtom(d, "_NET_WM_WINDOW_TYPE", False), 0, 1, False, XA_ATOM, &type,
                       &format, &count, &after, &data);
    ASSERT_EQ(count, 1u) << box->GetName().c_str();
    EXPECT_EQ(*reinterpret_cast<Atom*>(data), XInternAtom(d, "_NET_WM_WINDOW_TYPE_DIALOG", False));
    XFree(data);
  }
}

}  // namespace
