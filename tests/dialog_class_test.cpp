// Class chains outside the dialog classes (those are the conformance suite's),
// and which moves Reparent refuses because of the classes involved.
#include <gtest/gtest.h>

#include "QORDlgContainer.h"
#include "QORDlgFrame.h"
#include "QORDlgMotif.h"
#include "QORDlgPushButton.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace {

using ClassChain = AppSuite;

// The dialog classes' chains are the conformance suite's; these are the
// applications' and the host's, and names that are no class.
TEST_F(ClassChain, ApplicationsAndPlainCommandsAlongTheirChains) {
  TestDialog win("ChainWin");
  QORCommand plain(nullptr, "Plain");
  struct Case {
    const QORCommand* object;
    const char* className;
    bool kind;
  } cases[] = {
      {app, "QORInteractiveApplication", true}, {app, "QORApplication", true}, {app, "QORCommand", true},
      {app, "QORDialog", false},                {&plain, "QORCommand", true}, {&plain, "QORApplication", false},
      {&win, "", false},                        {&win, nullptr, false},       {&win, "NoSuchClass", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.object->IsAKindOf(c.className), c.kind)
        << c.object->GetClassName() << " / " << (c.className ? c.className : "(null)");
}

TEST_F(ClassChain, ReparentRefusesByClassAndChildLimit) {
  TestDialog win("MoveWin"), other("OtherWin");
  QORDlgFrame frame(&win, "Frame", 0);
  QORDlgContainer holder(&win, "Holder", 0);
  QORDlgPushButton first(&win, "First"), second(&win, "Second");
  QORDlgMotif area(&win, "Area", 0);
  EXPECT_EQ(first.Reparent(&second), 0);   // a control takes no children
  EXPECT_EQ(frame.Reparent(&first), 0);
  EXPECT_EQ(win.Reparent(&frame), 0);      // a window does not move
  EXPECT_EQ(first.Reparent(&holder), 1);
  EXPECT_EQ(second.Reparent(&holder), 0);  // a container holds one child
  EXPECT_EQ(second.Reparent(&frame), 1);
  EXPECT_EQ(area.Reparent(&frame), 1);     // a black box moves too
  EXPECT_EQ(frame.Reparent(&other), 1);    // a box moves into another window
  EXPECT_EQ(frame.GetChildCount(), 2);
  EXPECT_EQ(holder.GetChildCount(), 1);
}

}  // namespace
