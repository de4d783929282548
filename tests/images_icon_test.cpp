// Icons on a real display: the search along TRIVOICONPATH, the once-per-name
// cache, the messages, transparent pixels, the insensitive look, the icon-type
// colours and how loadIcon sizes the object.
#include <gtest/gtest.h>

#include <Xm/PushB.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "QORDlgXpm.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace fs = std::filesystem;

namespace {

fs::path scratch;
l_QORInteractiveApplication* L() { return l_QORInteractiveApplication::GetCurrent(); }

// A push button showing the object's icons; the class code is chosen by the test.
class IconLetter : public l_QORDialog {
 public:
  IconLetter(l_QORDialog* f, const char* n, QORDialog* a, unsigned long code)
      : l_QORDialog(f, n, a, 0), code(code) {}
  void setIcons(const char* normal, const char* selected = "", const char* disabled = "",
                QORDlgIconType type = QORDlgIconNone) {
    iconNames[0] = new QORString(normal);
    iconNames[1] = new QORString(selected);
    iconNames[3] = new QORString(disabled);
    iconType = type;
  }
  void Build() override {
    if (built) return;
    built = 1;
    baseWidget = XtVaCreateManagedWidget(name.c_str(), xmPushButtonWidgetClass, father->GetBaseWidget(0), nullptr);
    InstallDestroyHandler();
    loadIcon(baseWidget);
  }
  unsigned long GetClassCode() const override { return code; }
  int width() const { return dx; }
  int height() const { return dy; }
  unsigned long code;
};

class IconButton : public QORDialog {
 public:
  IconButton(QORDialog* f, const char* n, unsigned long code = 23)
      : QORDialog(f, n, 0), l(new IconLetter(f->GetLetterObject(), n, this, code)) {
    letter = l;
  }
  l_QORDialog* GetLetterObject() const override { return l; }
  IconLetter* l;
};

Pixmap resource(Widget w, const char* name) { return Resource<Pixmap>(w, name); }

unsigned long pixelAt(Drawable d, int x, int y) {
  XImage* img = XGetImage(L()->GetDisplay(), d, x, y, 1, 1, AllPlanes, ZPixmap);
  const unsigned long p = XGetPixel(img, 0, 0);
  XDestroyImage(img);
  return p;
}

XColor rgbOf(unsigned long pixel) {
  XColor c{};
  c.pixel = pixel;
  XQueryColor(L()->GetDisplay(), L()->GetColormap(), &c);
  return c;
}

// A w x h XPM, all 'r' (red) except a transparent bottom-right pixel.
fs::path writeXpm(const fs::path& dir, const std::string& name, int w, int h) {
  fs::create_directories(dir);
  std::ofstream f(dir / (name + ".pm"));
  f << "/* XPM */\nstatic char* x[] = {\n\"" << w << " " << h << " 2 1\",\n\"r c #FF0000\",\n\". c None\",\n";
  for (int y = 0; y < h; ++y) {
    std::string row(w, 'r');
    if (y == h - 1) row[w - 1] = '.';
    f << "\"" << row << "\"" << (y + 1 < h ? ",\n" : "};\n");
  }
  return dir / (name + ".pm");
}

class Icons : public AppSuite {
 protected:
  static void SetUpTestSuite() {
    scratch = fs::temp_directory_path() / ("tolven_icons_" + std::to_string(getpid()));
    fs::create_directories(scratch);
    AppSuite::SetUpTestSuite();
  }
  static void TearDownTestSuite() { fs::remove_all(scratch); }
  void SetUp() override {
    AppSuite::SetUp();
    saved = std::getenv("TRIVOICONPATH") ? std::getenv("TRIVOICONPATH") : "";
    home = std::getenv("HOME") ? std::getenv("HOME") : "";
  }
  void TearDown() override {
    setenv("TRIVOICONPATH", saved.c_str(), 1);
    setenv("HOME", home.c_str(), 1);
  }
  std::string saved, home;
};

TEST_F(Icons, SameIconForTwoObjectsIsReadOnceAndShared) {
  const fs::path dir = scratch / "once";
  fs::create_directories(dir);
  fs::copy_file(fs::path(TOLVEN_SOURCE_DIR) / "icons/open.pm", dir / "open.pm");
  setenv("TRIVOICONPATH", dir.c_str(), 1);
  TestDialog win("OnceWin");
  IconButton a(&win, "a"), b(&win, "b");
  a.l->setIcons("open");
  b.l->setIcons("open");
  const int before = QORDlgIconFileReadCount();
  ASSERT_TRUE(win.Show());
  ASSERT_TRUE(a.l->IsBuild() && b.l->IsBuild());
  EXPECT_EQ(QORDlgIconFileReadCount() - before, 1);
  Widget wa = a.l->GetBaseWidget(0), wb = b.l->GetBaseWidget(0);
  ASSERT_NE(resource(wa, XmNlabelPixmap), 0u);
  EXPECT_EQ(resource(wa, XmNlabelPixmap), resource(wb, XmNlabelPixmap));
  EXPECT_EQ(resource(wa, XmNlabelInsensitivePixmap), resource(wb, XmNlabelInsensitivePixmap));
  EXPECT_EQ(Resource<unsigned char>(wa, XmNlabelType), XmPIXMAP);
  // The file is gone: the cached pixmaps still come back, without a read.
  fs::remove(dir / "open.pm");
  Pixmap icon = 0, grey = 0;
  EXPECT_EQ(loadxpm(wa, const_cast<char*>("open"), &icon, &grey), 0);
  EXPECT_EQ(icon, resource(wa, XmNlabelPixmap));
  EXPECT_EQ(QORDlgIconFileReadCount() - before, 1);
}

TEST_F(Icons, PathEntriesInOrderWithEmptyEntryForHome) {
  const fs::path homeDir = scratch / "home", other = scratch / "other";
  writeXpm(homeDir, "dupA", 4, 3);
  writeXpm(other, "dupA", 6, 5);
  writeXpm(homeDir, "dupB", 4, 3);
  writeXpm(other, "dupB", 6, 5);
  setenv("HOME", homeDir.c_str(), 1);
  TestDialog win("PathWin");
  ASSERT_TRUE(win.Show());
  Widget w = win.GetLetterObject()->GetBaseWidget(0);
  Pixmap p = 0;
  setenv("TRIVOICONPATH", (":" + other.string()).c_str(), 1);
  ASSERT_EQ(loadxpm(w, const_cast<char*>("dupA"), &p, nullptr), 0);
  EXPECT_EQ(ServerGeo(L()->GetDisplay(), p).w, 4);  // HOME first
  setenv("TRIVOICONPATH", (other.string() + ":").c_str(), 1);
  ASSERT_EQ(loadxpm(w, const_cast<char*>("dupB"), &p, nullptr), 0);
  EXPECT_EQ(ServerGeo(L()->GetDisplay(), p).w, 6);
}

TEST_F(Icons, MissingUnreadableAndUnsetPath) {
  TestDialog win("MissWin");
  ASSERT_TRUE(win.Show());
  Widget w = win.GetLetterObject()->GetBaseWidget(0);
  const fs::path dir = scratch / "miss";
  fs::create_directories(dir);
  std::ofstream(dir / "garbage.pm") << "this is not an image\n";
  setenv("TRIVOICONPATH", (dir.string() + ":" + (scratch / "nowhere").string()).c_str(), 1);
  Pixmap p = 0;
  testing::internal::CaptureStderr();
  EXPECT_EQ(loadxpm(w, const_cast<char*>("nosuch_icon"), &p, nullptr), 3);
  EXPECT_EQ(loadxpm(w, const_cast<char*>("garbage"), &p, nullptr), 2);
  EXPECT_EQ(loadxpm(w, const_cast<char*>(""), &p, nullptr), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Icon nosuch_icon not found\n");
  unsetenv("TRIVOICONPATH");
  EXPECT_EQ(StderrOf([&] { EXPECT_EQ(loadxpm(w, const_cast<char*>("other"), &p, nullptr), 1); }),
            "TRIVOICONPATH environment variable not defined\n");
  // A button whose icon is missing keeps its text label.
  setenv("TRIVOICONPATH", dir.c_str(), 1);
  IconButton b(&win, "b");
  b.l->setIcons("also_missing");
  EXPECT_EQ(StderrOf([] { PumpIdle(); }), "Icon also_missing not found\n");
  EXPECT_EQ(Resource<unsigned char>(b.l->GetBaseWidget(0), XmNlabelType), XmSTRING);
}

TEST_F(Icons, TypeColoursTransparencyAndInsensitiveLook) {
  const fs::path dir = scratch / "colours";
  writeXpm(dir, "redC", 6, 4);
  writeXpm(dir, "red0", 6, 4);
  writeXpm(dir, "red0sel", 5, 4);
  setenv("TRIVOICONPATH", dir.c_str(), 1);
  // The table colours, 16-bit c / 255 * 65535.
  const int expected[5][2][3] = {{}, {{175, 175, 175}, {130, 130, 130}}, {{77, 177, 142}, {54, 134, 109}},
                                 {{70, 160, 233}, {63, 113, 153}}, {{153, 95, 153}, {136, 98, 136}}};
  for (int t = 1; t <= 4; ++t) {
    for (int h = 0; h < 2; ++h) {
      const auto type = static_cast<QORDlgIconType>(t);
      const XColor c = rgbOf(h ? L()->GetIconHighlightBackgroundColor(type) : L()->GetIconBackgroundColor(type));
      EXPECT_EQ((std::vector<int>{c.red >> 8, c.green >> 8, c.blue >> 8}),
                (std::vector<int>(expected[t][h], expected[t][h] + 3))) << t << " highlight " << h;
    }
  }
  EXPECT_EQ(L()->GetIconBackgroundColor(QORDlgIconNonTransparent), L()->GetIconBackgroundColor(QORDlgIconNone));
  EXPECT_EQ(L()->GetIconHighlightBackgroundColor(QORDlgIconNonTransparent),
            L()->GetIconHighlightBackgroundColor(QORDlgIconNone));

  TestDialog win("ColourWin");
  IconButton creation(&win, "creation"), plain(&win, "plain");
  creation.l->setIcons("redC", "", "", QORDlgIconCreation);
  plain.l->setIcons("red0", "red0sel");
  ASSERT_TRUE(win.Show());
  Widget wc = creation.l->GetBaseWidget(0), wp = plain.l->GetBaseWidget(0);
  const Pixmap icon = resource(wc, XmNlabelPixmap);
  ASSERT_NE(icon, 0u);
  // The transparent corner took the type's background, the rest is red.
  EXPECT_EQ(pixelAt(icon, 5, 3), L()->GetIconBackgroundColor(QORDlgIconCreation));
  EXPECT_EQ(rgbOf(pixelAt(icon, 1, 1)).red, 0xFFFF);
  // Insensitive look: the widget's background on even columns of even rows.
  const Pixel widgetBackground = Resource<Pixel>(wc, XmNbackground);
  const Pixmap grey = resource(wc, XmNlabelInsensitivePixmap);
  ASSERT_NE(grey, icon);
  EXPECT_EQ(pixelAt(grey, 0, 0), widgetBackground);
  EXPECT_EQ(pixelAt(grey, 4, 2), widgetBackground);
  EXPECT_EQ(pixelAt(grey, 1, 0), pixelAt(icon, 1, 0));
  EXPECT_EQ(pixelAt(grey, 0, 1), pixelAt(icon, 0, 1));
  // Type 0: the widget's own background; the selected icon with the select colour.
  const Pixel plainBackground = Resource<Pixel>(wp, XmNbackground);
  Pixel fg, top, bottom, select = 0;
  XmGetColors(XtScreen(wp), L()->GetColormap(), plainBackground, &fg, &top, &bottom, &select);
  EXPECT_EQ(pixelAt(resource(wp, XmNlabelPixmap), 5, 3), plainBackground);
  const Pixmap armed = resource(wp, XmNarmPixmap);
  ASSERT_NE(armed, resource(wp, XmNlabelPixmap));
  EXPECT_EQ(pixelAt(armed, 4, 3), select);
}

TEST_F(Icons, SizingRulesByKind) {
  const fs::path dir = scratch / "sizes";
  writeXpm(dir, "s10x6", 10, 6);
  setenv("TRIVOICONPATH", dir.c_str(), 1);
  TestDialog win("SizeWin");
  IconButton item(&win, "item", 32), plain(&win, "plain", 22);  // flat push buttons: control_button_test
  for (IconButton* b : {&item, &plain}) b->l->setIcons("s10x6");
  item.SetRectDimensions(0, 0, 30, 50);  // height 30, width 50
  ASSERT_TRUE(win.Show());
  EXPECT_EQ(item.l->width(), 50 + 20);
  EXPECT_EQ(item.l->height(), 30);  // larger of 6 + 10 and 30
  EXPECT_EQ(plain.l->width(), 18);
  EXPECT_EQ(plain.l->height(), 14);
  EXPECT_EQ(Resource<Dimension>(plain.l->GetBaseWidget(0), XmNshadowThickness), 2);
}

}  // namespace
