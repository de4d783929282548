// Resources from catalogs: key formation along the tree, precedence of the
// levels, catalog values winning over the program's, reloads, the old lookup,
// and which class families load which entries.
#include <gtest/gtest.h>

#include <string>

#include "QORDlgMotif.h"
#include "QORMsgCatalog.h"
#include "tolven_test_control.h"
#include "tolven_test_app.h"

namespace {

class Resources : public AppSuite {
 protected:
  static void SetUpTestSuite() { StartApplication("ResourceTest"); }
  // The application owns the catalog cache.
  static void TearDownTestSuite() {
    delete app;
    app = nullptr;
  }
  static QORMsgCatalog catalog(const char* name) {
    QORMsgCatalog c;
    EXPECT_EQ(c.LoadMsgCatalog(name, nullptr), 1) << name;
    return c;
  }
};

// A window that names its own catalogs, the second of which does not exist.
class CatalogWindow : public TestDialog {
 public:
  using TestDialog::TestDialog;
  const char* GetResourceFilename(int m) const override {
    static const char* const names[] = {"ResTree", "ResMissingA", "ResTreeMore"};
    return (m >= 0 && m < 3) ? names[m] : nullptr;
  }
};

TEST_F(Resources, AncestorLevelsWinAndMissingCatalogWarnsOnce) {
  CatalogWindow win("ResTreeWin");
  QORDlgMotif frame(&win, "Frame1", 0);
  TestControl ok(&frame, "OkBtn");
  frame.AddResourcePath(catalog("ResFrame"), "Pfx");
  ok.AddResourcePath(catalog("ResButton"), "");

  testing::internal::CaptureStderr();
  EXPECT_STREQ(ok.GetTitle().c_str(), "Title from the window level");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Warning: cannot load Catalog: ResMissingA\n         cannot find catalog ResMissingA.catalog\n");
  EXPECT_STREQ(ok.GetHelp().c_str(), "Help from the frame level");
  EXPECT_STREQ(ok.GetShortHelp().c_str(), "Short help from the object level");
  EXPECT_STREQ(ok.GetLongHelp().c_str(), "Long help from the window's third catalog");
  EXPECT_EQ(ok.GetAccelerator(), 0x40000000UL + 0xFFC1);
  EXPECT_EQ(ok.GetLetterObject()->GetResourceLock(), 0x1UL | 0x2 | 0x4 | 0x10 | 0x100 | 0x200);
  // The objects above find nothing under their own keys and keep their names.
  EXPECT_STREQ(frame.GetTitle().c_str(), "Frame1");
  EXPECT_STREQ(win.GetTitle().c_str(), "ResTreeWin");

  // Catalog values stay; later lookups of the missing catalog are silent.
  testing::internal::CaptureStderr();
  ok.SetTitle("Program title");
  ok.SetHelp("Program help");
  ok.SetAcceleratorString("Ctrl+F5");
  ok.SetAccelerator(0xFFC2);
  TestControl other(&frame, "Other");
  EXPECT_STREQ(other.GetTitle().c_str(), "Other");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_STREQ(ok.GetTitle().c_str(), "Title from the window level");
  EXPECT_STREQ(ok.GetHelp().c_str(), "Help from the frame level");
  EXPECT_EQ(ok.GetAccelerator(), 0x40000000UL + 0xFFC1);
  // Keys are formed from resource IDs, not names: the upper levels know no "Renamed".
  ok.SetResourceID("Renamed");
  EXPECT_STREQ(ok.GetTitle().c_str(), "Title from the object level");
  EXPECT_STREQ(ok.GetHelp().c_str(), "Help from the object level");
}

TEST_F(Resources, ProgramValuesReloadsAndNoResourceStyle) {
  TestDialog win("ReloadWin");
  TestControl plain(&win, "Plain");
  TestControl sealed(&win, "Sealed", QORDlgNoResource);
  // Without help the title is the help.
  EXPECT_STREQ(plain.GetHelp().c_str(), "Plain");
  plain.SetTitle("Program title");
  EXPECT_STREQ(plain.GetHelp().c_str(), "Program title");
  ASSERT_TRUE(win.Show());
  EXPECT_EQ(LabelText(plain.GetLetterObject()->GetBaseWidget(0)), "Program title");

  // A reload without a "Title" entry gives the name back, at once for a built object.
  plain.AddResourcePath(catalog("ResHelpOnly"), "");
  EXPECT_NE(plain.GetLetterObject()->GetResourceLock(), 0UL);
  EXPECT_STREQ(plain.GetTitle().c_str(), "Plain");
  EXPECT_STREQ(plain.GetHelp().c_str(), "Help without a title");
  // A path added on the window reloads the objects below it, whose keys now start with their IDs.
  win.AddResourcePath(catalog("ResHelpOnly"), "W");
  EXPECT_STREQ(plain.GetTitle().c_str(), "Title from the window's resource path");
  PumpIdle();
  EXPECT_EQ(LabelText(plain.GetLetterObject()->GetBaseWidget(0)), "Title from the window's resource path");

  // Style 0x80000000: catalogs are never consulted, so program values hold.
  sealed.AddResourcePath(catalog("ResButton"), "");
  EXPECT_STREQ(sealed.GetTitle().c_str(), "Sealed");
  EXPECT_EQ(sealed.GetAccelerator(), 0UL);
  QORUnicodeString v;
  EXPECT_EQ(sealed.GetResourceValueFromKey("Greeting", v), 0);

  // A resource added to an object not yet built waits for the next access.
  TestControl late(&win, "Late");
  late.AddResourcePath(catalog("ResButton"), "");
  EXPECT_EQ(late.GetLetterObject()->GetResourceLock(), 0UL);
  EXPECT_STREQ(late.GetTitle().c_str(), "Title from the object level");
}

TEST_F(Resources, MessagesWithParametersAndEmptyOnes) {
  TestDialog win("ParamWin");
  TestControl c(&win, "Params");
  c.AddResourcePath(catalog("ResButton"), "");
  QORUnicodeString v("unchanged");
  EXPECT_EQ(c.GetResourceValueFromKey("Greeting", v), 0);  // needs parameters
  EXPECT_EQ(c.GetResourceValueFromKey("Empty", v), 0);
  EXPECT_EQ(c.GetResourceValueFromKey("Missing", v), 0);
  EXPECT_STREQ(v.c_str(), "unchanged");
  QORUnicodeString params[] = {"Ann", "Bob"};
  ASSERT_EQ(c.GetResourceValueFromKey("Greeting", v, params), 1);
  EXPECT_STREQ(v.c_str(), "Hello Ann, Bob");
}

TEST_F(Resources, ClassFamiliesLoadTheirEntries) {
  TestDialog win("FamilyWin");
  TestControl control(&win, "Control");
  TestControl button(&win, "Button", 0, 23);  // stands in for a push button
  TestControl item(&win, "Item", 0, 19);      // and for a menu item
  QORDlgMotif area(&win, "Area", 0);
  for (QORDialog* d : {static_cast<QORDialog*>(&control), static_cast<QORDialog*>(&button),
                       static_cast<QORDialog*>(&item), static_cast<QORDialog*>(&area)})
    d->AddResourcePath(catalog("ResButton"), "");

  l_QORDialog* b = button.GetLetterObject();
  ASSERT_NE(b->GetIconName(0), nullptr);
  EXPECT_STREQ(b->GetIconName(0)->c_str(), "button_icon");
  EXPECT_STREQ(b->GetIconName(1)->c_str(), "button_icon_sel");
  EXPECT_EQ(b->GetIconName(2), nullptr);
  EXPECT_EQ(b->GetIconType(), QORDlgIconCreation);
  button.SetIconName("program_icon");
  button.SetIconType(QORDlgIconAnalysis);
  EXPECT_STREQ(b->GetIconName(0)->c_str(), "button_icon");
  EXPECT_EQ(b->GetIconType(), QORDlgIconCreation);
  EXPECT_EQ(control.GetLetterObject()->GetIconName(0), nullptr);

  EXPECT_EQ(item.GetMnemonic().GetCode(), U'M');
  EXPECT_NE(item.GetLetterObject()->GetResourceLock() & 0x80, 0UL);
  EXPECT_TRUE(control.GetMnemonic().IsNull());

  // Not a control: no short help, long help or accelerator, but title and help.
  EXPECT_STREQ(area.GetTitle().c_str(), "Title from the object level");
  EXPECT_STREQ(area.GetHelp().c_str(), "Help from the object level");
  EXPECT_STREQ(area.GetShortHelp().c_str(), "");
  EXPECT_EQ(area.GetAccelerator(), 0UL);

  // An unknown accelerator key still locks out the program's accelerator.
  TestControl bad(&win, "Bad");
  bad.AddResourcePath(catalog("ResBadKey"), "");
  EXPECT_EQ(bad.GetAccelerator(), 0UL);
  EXPECT_NE(bad.GetLetterObject()->GetResourceLock() & 0x10, 0UL);
  bad.SetAcceleratorString("Ctrl+F5");
  EXPECT_EQ(bad.GetAccelerator(), 0UL);
}

TEST_F(Resources, OldLookupAndBrokenCatalog) {
  TestDialog win("OldWin");
  TestControl old(&win, "OldObj");
  TestControl tree(&win, "Tree");
  tree.AddResourcePath(catalog("ResButton"), "");
  app->SetStandardResource(0);
  EXPECT_STREQ(old.GetTitle().c_str(), "Title from the old lookup");
  EXPECT_STREQ(tree.GetTitle().c_str(), "Tree");  // the tree's catalogs are not consulted
  app->SetStandardResource(1);

  // A malformed catalog: its own error text, once.
  QORUnicodeString v;
  testing::internal::CaptureStderr();
  EXPECT_EQ(l_QORDialog::getCatalogResourceValue("ResBroken", "Broken.Title", v, nullptr), 0);
  EXPECT_EQ(l_QORDialog::getCatalogResourceValue("ResBroken", "Broken.Title", v, nullptr), 0);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err.rfind("Warning: cannot load Catalog: ResBroken\n         ", 0), 0u) << err;
  EXPECT_NE(err.find("ResBroken.catalog:2:"), std::string::npos) << err;
  EXPECT_EQ(err.find("Warning", 1), std::string::npos) << err;
}

}  // namespace
