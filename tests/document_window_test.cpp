// The document window: its widget tree, its work area holding the document's
// objects, and the style rules of its construction.
#include <gtest/gtest.h>

#include <cstdlib>

#include "QORDlgDocument.h"
#include "QORDlgPushButton.h"
#include "l_QORDlgDocument.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>

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

}  // namespace
