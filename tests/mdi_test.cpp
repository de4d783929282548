// The MDI client of a document window: dialog boxes as child frames that the
// user moves and resizes by their title bar and borders, iconifies and
// maximises by their buttons, and that the program cascades and tiles.
#include <gtest/gtest.h>

#include <cstdio>
#include <future>
#include <string>
#include <vector>

#include "QORDlgDialog.h"
#include "QORDlgDocument.h"
#include "QORDlgContextualMenu.h"
#include "QORDlgPushButton.h"
#include "QORDlgPushItem.h"
#include "QORRecord.h"
#include "l_QORDlgClientMDI.h"
#include "l_QORDlgDocument.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"

namespace {

using Mdi = AppSuite;
using Child = l_QORDlgClientMDI::Child;

// What a dialog was told, without "QORDlg" and "Notification".
struct Log {
  explicit Log(QORDialog* d) {
    listener.AddAnalyseNotificationCB(d, nullptr, [this](QORCommand*, QORNotification* n) {
      const std::string c = n->IsA();
      got.push_back(c.substr(6, c.size() - 6 - 12));
    });
  }
  int count(const std::string& what) const { return static_cast<int>(std::count(got.begin(), got.end(), what)); }
  QORCommand listener{nullptr, "listener"};
  std::vector<std::string> got;
};

// An MDI document, shown, whose work area (and so its client) is w x h.
struct Document {
  Document(QORInteractiveApplication* app, const char* name, int w = 600, int h = 300) {
    doc = new QORDlgDocument(app, name, QORDlgDocumentMDI);
    letter = static_cast<l_QORDlgDocument*>(doc->GetLetterObject());
    doc->SetVisibility(QORDlgShown);
    PumpUntil([&] { return Viewable(letter->GetShell()) && client() && client()->GetWidget(); });
    XtResizeWidget(letter->GetBaseWidget(0), static_cast<Dimension>(w), static_cast<Dimension>(h), 0);
    PumpUntil([&] { return MotifGeo(client()->GetWidget()).size() == (Size{w, h}); });
  }
  ~Document() { delete doc; }
  l_QORDlgClientMDI* client() const { return letter->GetMDIClient(); }
  // A child dialog, shown, with `buttons` push buttons in it.
  QORDlgDialog* Open(const std::string& name, int buttons = 1) {
    auto* d = new QORDlgDialog(doc, name.c_str(), QORDlgDialogMDIChild);
    for (int i = 0; i < buttons; ++i) new QORDlgPushButton(d, (name + "B" + std::to_string(i)).c_str());
    d->SetVisibility(QORDlgShown);
    PumpUntil([&] { return frameOf(d) && Viewable(frameOf(d)->frame); });
    return d;
  }
  Child* frameOf(QORDlgDialog* d) const {
    return client()->FindChild(static_cast<l_QORDlgDialog*>(d->GetLetterObject()));
  }
  QORDlgDocument* doc;
  l_QORDlgDocument* letter;
};

// Root coordinates of a point of a frame.
void RootOf(Widget frame, int x, int y, int* rx, int* ry) {
  Window child;
  XTranslateCoordinates(TestDisplay(), XtWindow(frame), DefaultRootWindow(TestDisplay()), x, y, rx, ry, &child);
}

// Presses at (x, y) of the frame, drags by (dx, dy) in steps, releases.
void Drag(Widget frame, int x, int y, int dx, int dy) {
  int rx = 0, ry = 0;
  RootOf(frame, x, y, &rx, &ry);
  MoveTo(rx, ry);
  Press(true);
  PumpFor(50);
  for (int step = 1; step <= 4; ++step) {
    MoveTo(rx + dx * step / 4, ry + dy * step / 4);
    PumpFor(30);
  }
  Press(false);
  Settle(200);
}

// Events go through the application's own pre-processing, as in its loop.
void PumpThroughApplication(int ms) {
  l_QORInteractiveApplication* app = l_QORInteractiveApplication::GetCurrent();
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    XSync(app->GetDisplay(), False);
    while (XtAppPending(app->GetContext()) & XtIMXEvent) {
      XEvent event;
      XtAppNextEvent(app->GetContext(), &event);
      app->PreProcessEvent(&event);
      XtDispatchEvent(&event);
    }
    PumpIdle();
    usleep(5000);
  }
}

TEST_F(Mdi, FramesHaveTheTitleBarOfTheirPicturesAndTheWindowMenuTheDefaultTexts) {
  Document d(app, "MdiLook");
  QORDlgDialog* box = d.Open("LookBox");
  Child* c = d.frameOf(box);
  // The tallest picture (the 16-pixel window-menu one) + 12.
  EXPECT_EQ(d.client()->GetTitleHeight(), 28);
  for (Widget b : {c->menuButton, c->minimizeButton, c->maximizeButton, c->closeButton})
    EXPECT_EQ(Resource<unsigned char>(b, XmNlabelType), XmPIXMAP) << XtName(b);
  EXPECT_EQ(MotifGeo(c->menuButton).w, 20);
  EXPECT_EQ(MotifGeo(c->closeButton).w, 16);
  // The dialog's widget is inside the frame, under the title bar.
  EXPECT_EQ(box->GetLetterObject()->GetBaseWidget(0), c->content);
  EXPECT_EQ(MotifGeo(c->content).y, 4 + 28);
  const char* texts[][2] = {{"Restore", ""}, {"Move", ""},    {"Size", ""},        {"Minimize", ""},
                            {"Maximize", ""}, {"Close", "Ctrl+F4"}, {"Next", "Ctrl+F6"}};
  WidgetList items = nullptr;
  Cardinal count = 0;
  XtVaGetValues(d.client()->GetWindowMenu(), XmNchildren, &items, XmNnumChildren, &count, nullptr);
  std::vector<std::pair<std::string, std::string>> got, want;
  for (Cardinal i = 0; i < count; ++i) {
    if (!XmIsPushButton(items[i])) continue;
    XmString s = nullptr;
    XtVaGetValues(items[i], XmNacceleratorText, &s, nullptr);
    char* accel = nullptr;
    if (s) XmStringGetLtoR(s, const_cast<char*>(XmFONTLIST_DEFAULT_TAG), &accel);
    got.emplace_back(LabelText(items[i]), accel ? accel : "");
    XtFree(accel);
    XmStringFree(s);
  }
  for (auto& t : texts) want.emplace_back(t[0], t[1]);
  EXPECT_EQ(got, want);
}

TEST_F(Mdi, DraggingTheTitleBarMovesTheFrameAndTheCornerResizesIt) {
  Document d(app, "MdiDrag");
  QORDlgDialog* box = d.Open("DragBox", 2);
  Child* c = d.frameOf(box);
  Log log(box);
  const Geo before = ServerGeo(c->frame);
  Drag(c->frame, before.w / 2, 4 + 14, 40, 30);
  EXPECT_EQ(ServerGeo(c->frame), (Geo{before.x + 40, before.y + 30, before.w, before.h}));
  EXPECT_EQ(log.count("WindMove"), 1);
  EXPECT_EQ(log.count("WindSize"), 0);

  // The bottom-right corner, 2 pixels inside.
  const Geo moved = ServerGeo(c->frame);
  Drag(c->frame, moved.w - 2, moved.h - 2, 60, 40);
  EXPECT_EQ(ServerGeo(c->frame), (Geo{moved.x, moved.y, moved.w + 60, moved.h + 40}));
  const Geo content = ServerGeo(c->content);
  EXPECT_EQ(content.size(), (Size{moved.w + 60 - 8, moved.h + 40 - 8 - 28}));
  // Laid out again for the new size: the layout manager has the content's size plus one.
  int lw = 0, lh = 0;
  box->GetLetterObject()->GetLayoutManager()->getSize(lw, lh);
  EXPECT_EQ((Size{lw, lh}), (Size{content.w + 1, content.h + 1}));
  EXPECT_EQ(log.count("WindSize"), 1);
  EXPECT_EQ(log.count("WindMove"), 1);
  // The border drawn afresh at the new size: the strip under the top shadow
  // holds no trace of the old right edge.
  Settle(100);
  const Geo frame = ServerGeo(c->frame);
  XImage* strip = XGetImage(TestDisplay(), XtWindow(c->frame), 2, 2, static_cast<unsigned>(frame.w - 4), 2,
                            AllPlanes, ZPixmap);
  ASSERT_NE(strip, nullptr);
  const Pixel background = Resource<Pixel>(c->frame, XmNbackground);
  int stray = 0;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < frame.w - 4; ++x) stray += XGetPixel(strip, x, y) != background;
  XDestroyImage(strip);
  EXPECT_EQ(stray, 0);
}

TEST_F(Mdi, TheFrameButtonsIconifyMaximiseRestoreAndClose) {
  Document d(app, "MdiButtons");
  QORDlgDialog* box = d.Open("ButtonBox");
  Child* c = d.frameOf(box);
  Log log(box);
  const Geo normal = ServerGeo(c->frame);
  const int iconWidth = (20 + 16 + 16 + 16 + 8) * 2;
  struct Step {
    Widget Child::*button;
    std::vector<std::string> told;
    Geo frame;
  };
  // An icon keeps the dialog's size; maximising and back change it.
  const Step steps[] = {
      {&Child::minimizeButton, {"MDIMinimize"}, Geo{0, 300 - 28, iconWidth, 28}},
      {&Child::minimizeButton, {"MDIRestore"}, normal},
      {&Child::maximizeButton, {"WindSize", "MDIMaximize"}, Geo{0, 0, 600, 300}},
      {&Child::maximizeButton, {"WindSize", "MDIRestore"}, normal},
  };
  for (const Step& s : steps) {
    log.got.clear();
    Click(c->*s.button, 250);
    EXPECT_EQ(log.got, s.told) << s.told.back();
    EXPECT_EQ(ServerGeo(c->frame), s.frame) << s.told.back();
  }
  log.got.clear();
  Click(c->closeButton);
  EXPECT_EQ(log.got, std::vector<std::string>{"MDIClose"});
  // The program decides: the dialog goes, and its frame with it.
  const int frames = d.client()->GetCount();
  delete box;
  PumpIdle();
  EXPECT_EQ(d.client()->GetCount(), frames - 1);
}

TEST_F(Mdi, TheWindowMenuActsOnTheFrameAndNextAndPreviousGoRoundTheActivationOrder) {
  Document d(app, "MdiMenu");
  QORDlgDialog* one = d.Open("MenuOne");
  QORDlgDialog* two = d.Open("MenuTwo");
  QORDlgDialog* three = d.Open("MenuThree");
  Log log1(one), log2(two), log3(three);
  // The menu button posts the window menu; its Minimize item iconifies.
  Click(d.frameOf(three)->menuButton, 300);
  Widget minimize = XtNameToWidget(d.client()->GetWindowMenu(), "Minimize");
  ASSERT_TRUE(PumpUntil([&] { return Viewable(minimize); }));
  Click(minimize, 300);
  EXPECT_TRUE(d.frameOf(three)->iconified);
  EXPECT_EQ(log3.got, std::vector<std::string>{"MDIMinimize"});
  // Activation order: three (active), two, one. Next goes to the one active
  // longest ago, previous back to the one before.
  log3.got.clear();
  d.doc->MDINext();
  EXPECT_EQ(d.doc->MDIGetActive(), one);
  EXPECT_EQ(log3.got, std::vector<std::string>{"MDINext"});
  EXPECT_EQ(log1.got, std::vector<std::string>{"MDIActivate"});
  d.doc->MDIPrevious();
  EXPECT_EQ(d.doc->MDIGetActive(), three);
  EXPECT_EQ(log1.got, (std::vector<std::string>{"MDIActivate", "MDIPrevious"}));
  const std::vector<QORDlgDialog*> order = {three, one, two};
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(d.client()->GetChild(i)->dialog, order[i]->GetLetterObject()) << i;
}

// The active frame has the title bar of its own colour; every other one the client's.
bool LooksActive(const Document& d, QORDlgDialog* box) {
  return Resource<Pixel>(d.frameOf(box)->titleBar, XmNbackground) !=
         Resource<Pixel>(d.client()->GetWidget(), XmNbackground);
}

// The window menu's accelerators, typed while a child has the keyboard and
// the pointer is away: Ctrl+F6 visits every frame, the one active longest ago
// first; Ctrl+F4 asks the active one to close, and a program that hides it
// hands the activation back to the one active before.
TEST_F(Mdi, CtrlF6GoesRoundTheFramesAndCtrlF4ClosesTheActiveOne) {
  Document d(app, "MdiKeys");
  std::vector<QORDlgDialog*> boxes = {d.Open("KeysOne"), d.Open("KeysTwo"), d.Open("KeysThree")};
  Log log0(boxes[0]), log1(boxes[1]), log2(boxes[2]);
  Log* logs[] = {&log0, &log1, &log2};
  // The program's answer to a close.
  log1.listener.AddAnalyseNotificationCB(boxes[1], "QORDlgMDICloseNotification",
                                         [&](QORCommand*, QORNotification*) { boxes[1]->SetVisibility(QORDlgHidden); });
  Click(WidgetOf(boxes[2]->GetLetterObject()->GetChild(0)->GetAPIObject()));  // the keyboard to the active frame
  Screen* screen = DefaultScreenOfDisplay(TestDisplay());
  MoveTo(WidthOfScreen(screen) - 2, HeightOfScreen(screen) - 2);
  const struct {
    KeySym key;
    int active;                                  // index in boxes
    std::vector<std::vector<std::string>> told;  // per box
  } steps[] = {
      {XK_F6, 0, {{"MDIActivate"}, {}, {"MDINext"}}},
      {XK_F6, 1, {{"MDINext"}, {"MDIActivate"}, {}}},
      {XK_F6, 2, {{}, {"MDINext"}, {"MDIActivate"}}},
      {XK_F6, 0, {{"MDIActivate"}, {}, {"MDINext"}}},
      {XK_F6, 1, {{"MDINext"}, {"MDIActivate"}, {}}},
      {XK_F4, 0, {{"MDIActivate"}, {"MDIClose", "Visibility"}, {}}},
  };
  for (const auto& s : steps) {
    for (Log* l : logs) l->got.clear();
    Chord({XK_Control_L, s.key});
    PumpIdle();
    const std::string key = s.key == XK_F4 ? "Ctrl+F4" : "Ctrl+F6";
    EXPECT_EQ(d.doc->MDIGetActive(), boxes[s.active]) << key;
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(logs[i]->got, s.told[i]) << key << " box " << i;
      EXPECT_EQ(LooksActive(d, boxes[i]), i == s.active) << key << " box " << i;
    }
  }
  EXPECT_FALSE(Viewable(d.frameOf(boxes[1])->frame));
}

// Posts the window menu of the frame from its menu button; which of its
// items Restore, Move, Size, Minimize, Maximize, Close, Next are sensitive.
std::string PostWindowMenu(const Document& d, QORDlgDialog* box) {
  Click(d.frameOf(box)->menuButton, 300);
  Widget menu = d.client()->GetWindowMenu();
  EXPECT_TRUE(PumpUntil([&] { return Viewable(XtParent(menu)); }));
  std::string sensitive;
  for (const char* item : {"Restore", "Move", "Size", "Minimize", "Maximize", "Close", "Next"})
    sensitive += XtIsSensitive(XtNameToWidget(menu, item)) ? item[0] : '-';
  return sensitive;
}

// Posts the window menu of the frame and chooses `item`.
void ChooseFromWindowMenu(const Document& d, QORDlgDialog* box, const char* item) {
  PostWindowMenu(d, box);
  Click(XtNameToWidget(d.client()->GetWindowMenu(), item), 300);
}

// The window menu offers what the frame's state allows and acts on the frame.
TEST_F(Mdi, TheWindowMenuOffersWhatTheFramesStateAllows) {
  Document d(app, "MdiMenuState", 600, 300);
  QORDlgDialog* other = d.Open("StateOther");
  QORDlgDialog* box = d.Open("StateBox");
  Child* c = d.frameOf(box);
  Log log(box);
  const Geo normal = ServerGeo(c->frame);
  const Geo icon{0, 300 - 28, (20 + 16 + 16 + 16 + 8) * 2, 28};
  const struct {
    const char* offered;  // before the choice
    const char* item;
    std::vector<std::string> told;
    Geo frame;
  } steps[] = {{"-MSMMCN", "Maximize", {"WindSize", "MDIMaximize"}, Geo{0, 0, 600, 300}},
               {"R--M-CN", "Restore", {"WindSize", "MDIRestore"}, normal},
               {"-MSMMCN", "Minimize", {"MDIMinimize"}, icon},
               {"R---MCN", "Restore", {"MDIRestore"}, normal},
               {"-MSMMCN", "Close", {"MDIClose"}, normal},
               {"-MSMMCN", "Next", {"MDINext"}, normal}};
  for (const auto& s : steps) {
    log.got.clear();
    EXPECT_EQ(PostWindowMenu(d, box), s.offered) << s.item;
    Click(XtNameToWidget(d.client()->GetWindowMenu(), s.item), 300);
    EXPECT_EQ(log.got, s.told) << s.item;
    EXPECT_EQ(ServerGeo(c->frame), s.frame) << s.item;
  }
  EXPECT_EQ(d.doc->MDIGetActive(), other);
}

// The pointer on the screen.
void PointerAt(int* x, int* y) {
  Window root, child;
  int wx, wy;
  unsigned mask;
  XQueryPointer(TestDisplay(), DefaultRootWindow(TestDisplay()), &root, &child, x, y, &wx, &wy, &mask);
}

// Move and Size of the window menu: the frame's outline follows the pointer
// from where the item put it, and the arrows step it by 10 pixels; a click
// (also one on the frame's own border) or Return places the frame, Escape
// leaves it where it was.
TEST_F(Mdi, TheWindowMenusMoveAndSizeFollowThePointerAndTheArrowsUntilAClickOrReturn) {
  Document d(app, "MdiMenuDrag");
  QORDlgDialog* box = d.Open("MenuDragBox");
  Child* c = d.frameOf(box);
  Log log(box);
  const struct {
    const char* item;
    int dx, dy;                // the pointer's move
    std::vector<KeySym> keys;  // then these keys, else a click
    int wx, wy;                // the change of position (Move) or size (Size)
  } cases[] = {{"Move", 100, 60, {}, 100, 60},
               {"Move", 0, -15, {}, 0, -15},
               {"Move", 40, 40, {XK_Escape}, 0, 0},
               {"Move", 0, 0, {XK_Right, XK_Right, XK_Down, XK_Return}, 20, 10},
               {"Size", 50, 30, {}, 50, 30},
               {"Size", 40, 40, {XK_Escape}, 0, 0},
               {"Size", 0, 0, {XK_Left, XK_Up, XK_Up, XK_KP_Enter}, -10, -20},
               {"Size", -2, -2, {}, -2, -2}};
  for (const auto& k : cases) {
    const std::string label = std::string(k.item) + " " + testing::PrintToString(k.keys);
    const Geo before = ServerGeo(c->frame);
    log.got.clear();
    ChooseFromWindowMenu(d, box, k.item);
    int x = 0, y = 0;
    PointerAt(&x, &y);
    for (int step = 1; step <= 4; ++step) {
      MoveTo(x + k.dx * step / 4, y + k.dy * step / 4);
      PumpFor(30);
    }
    for (KeySym key : k.keys) Chord({key});
    if (k.keys.empty()) {
      Press(true);
      Press(false);
    }
    Settle(200);
    const bool move = std::string(k.item) == "Move";
    const Geo want = move ? Geo{before.x + k.wx, before.y + k.wy, before.w, before.h}
                          : Geo{before.x, before.y, before.w + k.wx, before.h + k.wy};
    EXPECT_EQ(ServerGeo(c->frame), want) << label;
    const std::vector<std::string> told = {move ? "WindMove" : "WindSize"};
    EXPECT_EQ(log.got, k.wx || k.wy ? told : std::vector<std::string>{}) << label;
  }
}

// The names of the managed entries of `menu`'s pop-up when it is on the screen.
std::vector<std::string> PoppedEntries(QORDlgContextualMenu* menu) {
  Widget popup = menu->GetLetterObject()->GetBaseWidget(0);
  std::vector<std::string> out;
  if (!popup || !Viewable(XtParent(popup))) return out;
  WidgetList kids = nullptr;
  Cardinal n = 0;
  XtVaGetValues(popup, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
  for (Cardinal i = 0; i < n; ++i)
    if (XtIsManaged(kids[i]) && !kids[i]->core.being_destroyed) out.push_back(XtName(kids[i]));
  return out;
}

// A third-button press on an empty part of the client: what the document
// gathers there comes up; when that is nothing, the active child's menu. A
// press inside an inactive child activates it and brings up its own menu.
TEST_F(Mdi, ThirdButtonOverAFrameIsThatChildsAndOnTheEmptyClientTheActiveChildsUnlessTheDocumentHasItems) {
  using Entries = std::vector<std::string>;
  const struct {
    const char* documentItem;  // null: no menu of its own; "": an empty one
    bool insideOther;          // else below and right of both frames
    Entries document, active, other;
  } cases[] = {{nullptr, false, {}, {"ActiveItem"}, {}},
               {"", false, {}, {"ActiveItem"}, {}},
               {"DocItem", false, {"DocItem"}, {}, {}},
               {nullptr, true, {}, {}, {"OtherItem"}}};
  for (const auto& k : cases) {
    const std::string label = std::string(k.documentItem ? k.documentItem : "-") + (k.insideOther ? " other" : "");
    Document d(app, "MdiThird");
    QORDlgContextualMenu* documentMenu = k.documentItem ? new QORDlgContextualMenu(d.doc, "DocCtx") : nullptr;
    if (documentMenu && *k.documentItem) new QORDlgPushItem(documentMenu, k.documentItem);
    QORDlgDialog* other = d.Open("ThirdOther");
    QORDlgDialog* active = d.Open("ThirdActive");
    new QORDlgPushItem(other->GetContextualMenu(), "OtherItem");
    new QORDlgPushItem(active->GetContextualMenu(), "ActiveItem");
    Settle(100);
    int x = 0, y = 0;
    // The other frame opened at (0, 0), the active one 25 pixels further.
    RootOf(d.client()->GetWidget(), k.insideOther ? 12 : 590, k.insideOther ? 50 : 290, &x, &y);
    MoveTo(x, y);
    XTestFakeButtonEvent(TestDisplay(), 3, True, CurrentTime);
    PumpThroughApplication(50);
    XTestFakeButtonEvent(TestDisplay(), 3, False, CurrentTime);
    PumpThroughApplication(300);
    EXPECT_EQ(d.doc->MDIGetActive(), k.insideOther ? other : active) << label;
    EXPECT_EQ(PoppedEntries(active->GetContextualMenu()), k.active) << label;
    EXPECT_EQ(PoppedEntries(other->GetContextualMenu()), k.other) << label;
    if (documentMenu) {
      EXPECT_EQ(PoppedEntries(documentMenu), k.document) << label;
    }
    EXPECT_FALSE(Viewable(XtParent(d.client()->GetWindowMenu()))) << label;
    Chord({XK_Escape});
    Settle(100);
  }
}

TEST_F(Mdi, CascadeStepsBy25PixelsInsideAClient300High) {
  Document d(app, "MdiCascade", 600, 300);
  std::vector<QORDlgDialog*> boxes;
  for (int i = 0; i < 5; ++i) boxes.push_back(d.Open("Cascade" + std::to_string(i), 0));
  d.doc->MDICascade(0);
  PumpIdle();
  // From the last of the activation list (the first opened) to the active one.
  const Geo want[] = {{0, 0, 525, 225}, {25, 25, 525, 225}, {50, 50, 525, 225}, {75, 75, 525, 225}, {0, 0, 525, 225}};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(ServerGeo(d.frameOf(boxes[i])->frame), want[i]) << i;
}

TEST_F(Mdi, TileLaysRowsOrColumnsAndGivesUpAt121Frames) {
  Document d(app, "MdiTile", 600, 300);
  std::vector<QORDlgDialog*> boxes;
  for (int i = 0; i < 5; ++i) boxes.push_back(d.Open("Tile" + std::to_string(i), 0));
  struct Case {
    int flags;
    std::vector<Geo> want;
  };
  const Case cases[] = {
      {0, {{0, 0, 300, 150}, {300, 0, 300, 150}, {0, 150, 200, 150}, {200, 150, 200, 150}, {400, 150, 200, 150}}},
      {1, {{0, 0, 300, 150}, {0, 150, 300, 150}, {300, 0, 300, 100}, {300, 100, 300, 100}, {300, 200, 300, 100}}},
  };
  for (const Case& k : cases) {
    d.doc->MDITile(k.flags);
    PumpIdle();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ServerGeo(d.frameOf(boxes[i])->frame), k.want[i]) << k.flags << " " << i;
  }
  for (int i = 5; i < 121; ++i) boxes.push_back(d.Open("Tile" + std::to_string(i), 0));
  std::vector<Geo> before;
  for (QORDlgDialog* b : boxes) before.push_back(MotifGeo(d.frameOf(b)->frame));
  d.doc->MDITile(0);
  for (size_t i = 0; i < boxes.size(); ++i) EXPECT_EQ(MotifGeo(d.frameOf(boxes[i])->frame), before[i]) << i;
}

TEST_F(Mdi, PointerSectorsFollowTheBordersAndTheirCorners) {
  Document d(app, "MdiSector");
  QORDlgDialog* box = d.Open("SectorBox");
  Child* c = d.frameOf(box);
  const int w = c->width, h = c->height;
  const struct {
    int x, y, sector;
  } cases[] = {{2, 10, 1},        {2, h / 2, 8},     {2, h - 10, 7},  {w - 2, 10, 3},      {w / 2, 2, 2},
               {w / 2, h - 2, 6}, {w - 2, h - 2, 5}, {w - 2, h / 2, 4}, {w / 2, 4 + 14, 9}, {w / 2, h / 2, 10},
               {w + 5, 5, 11}};
  for (const auto& k : cases) {
    int rx = 0, ry = 0;
    RootOf(c->frame, k.x, k.y, &rx, &ry);
    EXPECT_EQ(d.client()->getSector(c, rx, ry), k.sector) << k.x << "," << k.y;
  }
  d.doc->MDIMaximize(box);
  int rx = 0, ry = 0;
  RootOf(c->frame, 2, 10, &rx, &ry);
  EXPECT_EQ(d.client()->getSector(c, rx, ry), 11);
}

TEST_F(Mdi, AClickInsideAnInactiveChildActivatesItAndReachesTheControl) {
  Document d(app, "MdiClick");
  QORDlgDialog* first = d.Open("ClickFirst");
  auto* button = static_cast<QORDlgPushButton*>(first->GetLetterObject()->GetChild(0)->GetAPIObject());
  QORDlgDialog* second = d.Open("ClickSecond");
  d.doc->MDITile(0);  // side by side: the button shows
  PumpIdle();
  ASSERT_EQ(d.doc->MDIGetActive(), second);
  Log told(first), pressed(button);
  PointAt(button->GetLetterObject()->GetBaseWidget(0));
  Press(true);
  Press(false);
  PumpThroughApplication(300);
  EXPECT_EQ(d.doc->MDIGetActive(), first);
  EXPECT_EQ(told.count("MDIActivate"), 1);
  EXPECT_EQ(pressed.count("PushBActivate"), 1);
}

TEST_F(Mdi, TheInspectionToolReadsTheChildrenInsideTheDocument) {
  Document d(app, "MdiInspect");
  d.Open("InspectOne");
  d.Open("InspectTwo", 2);
  char command[256];
  std::snprintf(command, sizeof command, "%s/bin/tolven-inspect --window 0x%lx tree", TOLVEN_BINARY_DIR,
                XtWindow(d.letter->GetShell()));
  auto tree = std::async(std::launch::async, [&] {
    std::string out;
    FILE* p = popen(command, "r");
    for (char line[512]; p && fgets(line, sizeof line, p);) out += line;
    if (p) pclose(p);
    return out;
  });
  while (tree.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) PumpIdle(2);
  const std::string out = tree.get();
  EXPECT_EQ(out.rfind("MdiInspect  (", 0), 0u) << out;
  for (const char* line : {"\n  InspectOne  (", "\n  InspectTwo  (", "\n    InspectTwoB1  ("})
    EXPECT_NE(out.find(line), std::string::npos) << line << " in\n" << out;
}

// Last: the replay ends the application.
TEST_F(Mdi, ZZ_AFramesMovesSizesAndIconAreRecordedAndReplayedAlike) {
  const std::string file = testing::TempDir() + "mdi.rec";
  // The replay ends the run before the test returns: kept where the leak
  // checker sees it still referenced.
  static Document* d = nullptr;
  d = new Document(app, "MdiRecord");
  QORDlgDialog* box = d->Open("RecordBox", 2);
  auto* letter = static_cast<l_QORDlgDialog*>(box->GetLetterObject());
  Child* c = d->frameOf(box);
  Log log(box);
  Geo replayed{};
  int iconified = 0;
  log.listener.AddAnalyseNotificationCB(box, "QORDlgMDIMinimizeNotification", [&](QORCommand*, QORNotification*) {
    if (QORRecord::GetMain()->RecordMod() != QORRecordReplay) return;
    replayed = Geo{c->savedX, c->savedY, c->savedWidth, c->savedHeight};
    iconified = c->iconified;
    app->GetLetterObject()->Destroy();
  });
  const Geo start = MotifGeo(c->frame);
  Settle(100);
  log.got.clear();
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  l_QORDialog::record_trace = '2';
  const std::string trace = StdoutOf([&] { Drag(c->frame, start.w / 2, 4 + 14, 30, 20); });
  l_QORDialog::record_trace = 0;
  char moved[256];
  std::snprintf(moved, sizeof moved,
                "/RECORD/ SaveState    QORDlgDialog         /Command Name/ RecordBox /Notification/ "
                "QORDlgWindMoveNotification\n/RECORD/ SaveState                         x,y dx,dy= %d,%d %d,%d\n",
                start.x + 30, start.y + 20, start.w, start.h);
  EXPECT_EQ(trace, moved);
  Drag(c->frame, start.w - 2, start.h - 2, 40, 30);
  Click(c->minimizeButton, 250);
  QORRecord::GetMain()->EndMode(1);
  const std::vector<std::string> recorded = log.got;
  ASSERT_EQ(recorded, (std::vector<std::string>{"WindMove", "WindSize", "MDIMinimize"}));
  const Geo left{c->savedX, c->savedY, c->savedWidth, c->savedHeight};
  EXPECT_EQ(left, (Geo{start.x + 30, start.y + 20, start.w + 40, start.h + 30}));

  // Back as it was, then the record again without a user.
  d->doc->MDIRestore(box);
  d->client()->ReplayGeometry(letter, l_QORDlgClientMDI::Size, start.x, start.y, start.w, start.h);
  d->client()->ReplayGeometry(letter, l_QORDlgClientMDI::Move, start.x, start.y, start.w, start.h);
  ASSERT_EQ(MotifGeo(c->frame), start);
  log.got.clear();
  ASSERT_TRUE(QORRecord::GetMain()->StartReplay(file.c_str()));
  app->RunApplication();
  EXPECT_EQ(log.got, recorded);
  EXPECT_EQ(replayed, left);
  EXPECT_EQ(iconified, 1);
}

}  // namespace
