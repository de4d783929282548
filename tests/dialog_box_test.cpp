// Dialog boxes on real widgets with mwm: standard buttons per style, titles
// from the catalog, default button, modality, the empty dialog's size, and
// the buttons pressed with the pointer.
#include <gtest/gtest.h>

#include <X11/extensions/Xfixes.h>
#include <Xm/MessageB.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "QORDlgDialog.h"
#include "QORDlgMotif.h"
#include "QORMsgCatalog.h"
#include "l_QORDlgDialog.h"
#include "tolven_test_control.h"
#include "tolven_test_app.h"

namespace {

class DialogBox : public AppSuite {
 protected:
  static l_QORDlgDialog* show(QORDlgDialog& d) { return ShowBox<l_QORDlgDialog>(d); }
};

std::string managedButtons(l_QORDlgDialog* l) {
  static const char* const names[] = {"OK", "Apply", "Cancel", "Help"};
  std::string out;
  for (int b = 0; b < 4; ++b) {
    Widget w = l->GetButtonWidget(static_cast<l_QORDlgDialog::Button>(b));
    if (w && XtIsManaged(w)) out += std::string(out.empty() ? "" : " ") + names[b];
  }
  return out;
}

// The names of the managed children of a composite widget.
std::string managedChildren(Widget parent) {
  WidgetList kids = nullptr;
  Cardinal count = 0;
  XtVaGetValues(parent, XmNchildren, &kids, XmNnumChildren, &count, nullptr);
  std::string out;
  for (Cardinal i = 0; i < count; ++i)
    if (XtIsManaged(kids[i])) out += std::string(out.empty() ? "" : " ") + XtName(kids[i]);
  return out;
}

TEST_F(DialogBox, StandardButtonsFollowTheStyle) {
  struct Case {
    unsigned long style;
    const char* buttons;
    bool separator;
  } cases[] = {{0, "OK Cancel Help", true},
               {QORDlgDialogApply, "Apply", true},
               {QORDlgDialogOK | QORDlgDialogApply | QORDlgDialogCancel, "OK Apply Cancel", true},
               {QORDlgDialogNoButtons, "", false}};
  for (const Case& c : cases) {
    auto* d = new QORDlgDialog(app, "Buttons", c.style);
    EXPECT_EQ(d->GetVisibility(), QORDlgHidden);  // dialogs start hidden
    l_QORDlgDialog* l = show(*d);
    EXPECT_EQ(managedButtons(l), c.buttons) << std::hex << c.style;
    ASSERT_NE(l->GetSeparator(), nullptr);
    EXPECT_EQ(XtIsManaged(l->GetSeparator()) != 0, c.separator);
    if (c.style == 0) {
      EXPECT_EQ(Resource<unsigned char>(l->GetBaseWidget(1), XmNdefaultButtonType), XmDIALOG_OK_BUTTON);
      EXPECT_EQ(LabelText(l->GetButtonWidget(l_QORDlgDialog::OK)), "OK");
    }
    if (c.style == QORDlgDialogNoButtons) {
      int w = 0, h = 0;  // empty, it opens with a 200 by 200 work area
      l->GetWorkAreaSize(&w, &h);
      EXPECT_EQ((Size{w, h}), (Size{200, 200}));
      EXPECT_EQ(MotifGeo(l->GetInnerArea()).size(), (Size{200, 200}));
      d->SetOKTitle("Changed");  // kept, but nothing shows it: the work area is all there is
      PumpIdle();
      EXPECT_EQ(d->GetOKTitle(), QORUnicodeString("Changed"));
      EXPECT_EQ(managedChildren(l->GetBaseWidget(1)), "ButtonsCa");
    }
    delete d;
    PumpIdle();
  }
  // An MDI child is one only inside a document window in MDI mode; elsewhere
  // the bit is dropped and the box is an ordinary one.
  const unsigned long mdi = QORDlgDialogMDIChild | QORDlgDialogModal | QORDlgDialogOK;
  QORDlgDialog plain(app, "NotMDI", mdi);
  EXPECT_EQ(plain.GetStyle() & (mdi | QORDlgDialogNoButtons), QORDlgDialogModal | QORDlgDialogOK);
  EXPECT_EQ(managedButtons(show(plain)), "OK");
}

TEST_F(DialogBox, CatalogButtonTitleFreezesTheOthers) {
  QORMsgCatalog catalog;
  // A catalog added on an object keys its entries from that object down.
  const char text[] = "BOK = \"Go\";\n";
  ASSERT_EQ(catalog.LoadFromText(text, sizeof text - 1, "inline.catalog"), 1);
  auto* d = new QORDlgDialog(app, "Frozen", 0);
  d->AddResourcePath(catalog, "");
  d->SetCANCELTitle("Abandon");  // ignored: the catalog defines a button title
  d->SetDefaultButton(0x1234);   // ignored: not a button
  l_QORDlgDialog* l = show(*d);
  EXPECT_EQ(LabelText(l->GetButtonWidget(l_QORDlgDialog::OK)), "Go");
  EXPECT_EQ(LabelText(l->GetButtonWidget(l_QORDlgDialog::Cancel)), "Cancel");
  EXPECT_EQ(d->GetDefaultButton(), static_cast<int>(QORDlgDialogOK));

  auto* free = new QORDlgDialog(app, "Free", 0);
  free->SetCANCELTitle("Abandon");
  free->SetHELPSensitivity(QORDlgInsensitive);
  free->SetOKSensitivity(99);  // unknown: unchanged
  l_QORDlgDialog* fl = show(*free);
  EXPECT_EQ(LabelText(fl->GetButtonWidget(l_QORDlgDialog::Cancel)), "Abandon");
  EXPECT_FALSE(XtIsSensitive(fl->GetButtonWidget(l_QORDlgDialog::Help)));
  EXPECT_EQ(free->GetOKSensitivity(), 8UL);
  delete d;
  delete free;
  PumpIdle();
}

TEST_F(DialogBox, PressingEachButtonSetsTheResponseAndNotifies) {
  auto* d = new QORDlgDialog(app, "Pressed", QORDlgDialogOK | QORDlgDialogApply | QORDlgDialogCancel | QORDlgDialogHelp);
  std::vector<std::string> got;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(d, nullptr, [&](QORCommand*, QORNotification* n) {
    const std::string c = n->IsA();
    if (c.find("Dia") != std::string::npos) got.push_back(c + " " + std::to_string(d->GetResponse()));
  });
  l_QORDlgDialog* l = show(*d);
  for (auto b : {l_QORDlgDialog::OK, l_QORDlgDialog::Apply, l_QORDlgDialog::Cancel, l_QORDlgDialog::Help})
    Click(l->GetButtonWidget(b));
  EXPECT_EQ(got, (std::vector<std::string>{"QORDlgDiaOKNotification 1", "QORDlgDiaAPPLYNotification 3",
                                           "QORDlgDiaCANCELNotification 2", "QORDlgDiaHELPNotification 4"}));
  EXPECT_TRUE(Viewable(l->GetShell()));  // the buttons do not hide the dialog
  delete d;
  PumpIdle();
}

TEST_F(DialogBox, AHiddenModalDialogNoLongerBlocksOtherWindows) {
  auto* other = new QORDlgDialog(app, "Other", QORDlgDialogOK);
  int okPressed = 0;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(other, "QORDlgDiaOKNotification", [&](QORCommand*, QORNotification*) {
    ++okPressed;
  });
  l_QORDlgDialog* ol = show(*other);
  auto* modal = new QORDlgDialog(app, "Modal", QORDlgDialogModal | QORDlgDialogCancel);
  modal->SetRectPosition(700, 600);
  l_QORDlgDialog* ml = show(*modal);
  EXPECT_EQ(Resource<unsigned char>(ml->GetBaseWidget(1), XmNdialogStyle), XmDIALOG_FULL_APPLICATION_MODAL);
  Click(ol->GetButtonWidget(l_QORDlgDialog::OK));
  EXPECT_EQ(okPressed, 0);  // blocked by the modal dialog
  modal->SetVisibility(QORDlgHidden);
  PumpIdle();
  PumpFor(150);
  EXPECT_EQ(Resource<unsigned char>(ml->GetBaseWidget(1), XmNdialogStyle), XmDIALOG_MODELESS);
  Click(ol->GetButtonWidget(l_QORDlgDialog::OK));
  EXPECT_EQ(okPressed, 1);
  delete modal;
  delete other;
  PumpIdle();
}

// Content that asks for more room after the first showing (an object added
// beside the first): a growing box enlarges its frame and its work area by
// the same amount; another keeps the size the user sees.
TEST_F(DialogBox, OnlyAGrowingBoxEnlargesWithItsContent) {
  for (unsigned long style : {0UL, static_cast<unsigned long>(QORDlgDialogGrow)}) {
    TestDialog d(style ? "Growing" : "Fixed", style);
    d.Attach4Sides(Area(&d, "first", 100, 40));
    ASSERT_TRUE(d.Show());
    PumpFor(300);
    const Size shell = ScreenGeo(d.shell()).size(), inner = MotifGeo(d.typed->GetInnerArea()).size();
    d.Attach4Sides(Area(&d, "second", 60, 40));
    PumpIdle();
    PumpFor(300);
    const Size grown = ScreenGeo(d.shell()).size(), grownInner = MotifGeo(d.typed->GetInnerArea()).size();
    EXPECT_EQ(grown.h, shell.h);
    EXPECT_EQ(grown.w - shell.w, grownInner.w - inner.w);
    if (style) EXPECT_GT(grown.w, shell.w);
    else EXPECT_EQ(grown, shell);
  }
}

// Once the window manager has said that it places frames, the box itself
// (not its frame) opens at the pointer.
TEST_F(DialogBox, OpensAtThePointer) {
  TestDialog first("First");
  ASSERT_TRUE(first.Show() && PumpUntil([] { return l_QORDlgWindow::wmOffsetFlag == 1; }));
  MoveTo(333, 222);
  TestDialog d("AtPointer", QORDlgDialogAtPointer);
  ASSERT_TRUE(d.Show());
  PumpFor(300);
  const Geo g = ScreenGeo(d.shell());
  EXPECT_EQ((Size{g.x, g.y}), (Size{333, 222}));
}

// With automatic contextual help, Help asks the user to point at the object
// to explain; that object gets the help request instead of the box.
TEST_F(DialogBox, HelpButtonWithAutomaticContextualHelp) {
  auto* d = new QORDlgDialog(app, "Contextual", QORDlgDialogOK | QORDlgDialogHelp);
  auto* target = new TestControl(d, "target");
  int boxHelp = 0, targetHelp = 0;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(d, "QORDlgDiaHELPNotification", [&](QORCommand*, QORNotification*) { ++boxHelp; });
  listener.AddAnalyseNotificationCB(target, "QORDlgHelpNotification",
                                    [&](QORCommand*, QORNotification*) { ++targetHelp; });
  l_QORDlgDialog* l = show(*d);
  app->SetAutomaticContextualHelp();
  // The user clicks Help, then, once the pointer shows that the box waits
  // for it, the target. Motif reads the server's events itself meanwhile,
  // so the second click comes from another connection.
  int tx = 0, ty = 0;
  Centre(WidgetOf(target), &tx, &ty);
  PointAt(l->GetButtonWidget(l_QORDlgDialog::Help));
  Press(true);
  Press(false);
  std::atomic<bool> ready{false};
  std::thread user([&] {
    Display* other = XOpenDisplay(nullptr);
    auto cursor = [other] {
      XFixesCursorImage* image = XFixesGetCursorImage(other);
      const unsigned long serial = image ? image->cursor_serial : 0;
      XFree(image);
      return serial;
    };
    const unsigned long before = cursor();
    ready = true;
    for (int i = 0; i < 250 && cursor() == before; ++i) usleep(20000);
    XTestFakeMotionEvent(other, -1, tx, ty, CurrentTime);
    XTestFakeButtonEvent(other, 1, True, CurrentTime);
    XTestFakeButtonEvent(other, 1, False, CurrentTime);
    XCloseDisplay(other);
  });
  while (!ready) usleep(1000);
  Settle(300);
  user.join();
  l_QORInteractiveApplication::fAutomaticContextualHelp = 0;
  EXPECT_EQ(d->GetResponse(), 4);
  EXPECT_EQ(boxHelp, 0);
  EXPECT_EQ(targetHelp, 1);
  delete d;
  PumpIdle();
}

}  // namespace
