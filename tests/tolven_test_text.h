// The Unicode text path, run by one suite per locale: catalog texts in UTF-8
// reach labels, buttons, frame titles, dialog box buttons, bubbles and window
// titles as written, and are measured in glyphs, not in bytes.
#pragma once
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/Xutil.h>
#include <Xm/Label.h>
#include <Xm/Text.h>
#include <langinfo.h>
#include <stdlib.h>

#include <algorithm>
#include <functional>
#include <string>

#include "QORDlgEditor.h"
#include "QORDlgFrame.h"
#include "QORDlgLabel.h"
#include "QORDlgPushButton.h"
#include "QORDlgText.h"
#include "QORMsgCatalog.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"
#include "tolven_test_dialog.h"
#include "l_QORDlgEditor.h"
#include "l_QORDlgSpinner.h"

namespace {

const char kLabel[] = "\xC3\x9Cn\xC3\xAF" "c\xC3\xB6" "d\xC3\xA9: \xE6\x95\xB0\xE9\x87\x8F \xE2\x80\x94 "
                      "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";  // Ünïcödé: 数量 — Привет
const char kButton[] = "Gr\xC3\xB6\xC3\x9F" "e \xC3\x97" "2 \xCE\xA9\xCE\xBC";  // Größe ×2 Ωμ
const char kFrame[] = "\xD0\xA0\xD0\xB0\xD0\xBC\xD0\xBA\xD0\xB0 \xCE\xA9";  // Рамка Ω
const char kOK[] = "\xD0\x94\xD0\xB0 \xE2\x9C\x93";  // Да ✓
const char kBubble[] = "\xE6\x95\xB0\xE9\x87\x8F\n\xCE\xA9\xCE\xBC";  // 数量, Ωμ on two lines
const char kWindow[] = "Fen\xC3\xAAtre \xE6\x95\xB0\xE9\x87\x8F";  // Fenêtre 数量

// The same bytes read one Latin-1 character per byte: what the user saw
// before texts went through one UTF-8 road.
std::string Misread(const std::string& utf8) {
  std::string out;
  for (unsigned char c : utf8)
    out += c < 0x80 ? std::string(1, static_cast<char>(c))
                    : std::string{static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
  return out;
}

std::string Shown(Widget w, QORDlgText::Face face = QORDlgText::Document) {
  XmString s = Resource<XmString>(w, XmNlabelString);
  const std::string text = QORDlgText::fromXmString(s, face).str();
  XmStringFree(s);
  return text;
}

// Width of the widget's label string in the widget's own render table, and
// of `other` in that same table.
Dimension ShownWidth(Widget w, const char* other = nullptr) {
  XmRenderTable table = Resource<XmRenderTable>(w, XmNrenderTable);
  XmString s = other ? QORDlgText::toXmString(other) : Resource<XmString>(w, XmNlabelString);
  const Dimension width = XmStringWidth(table, s);
  XmStringFree(s);
  return width;
}

// The Xft font of the widget's default rendition: the face its texts are set in.
XftFont* MainFont(Widget w) {
  XmRenderTable table = Resource<XmRenderTable>(w, XmNrenderTable);
  XmRendition r = XmRenderTableGetRendition(table, const_cast<char*>(XmFONTLIST_DEFAULT_TAG));
  XftFont* font = nullptr;
  if (!r) return nullptr;
  Arg arg;
  XtSetArg(arg, XmNxftFont, &font);
  XmRenditionRetrieve(r, &arg, 1);
  XmRenditionFree(r);
  return font;
}

// The CJK family scripts/deps installs, at the pixel size of `main`.
XftFont* CjkFont(Display* dpy, XftFont* main) {
  double pixels = 0;
  FcPatternGetDouble(main->pattern, FC_PIXEL_SIZE, 0, &pixels);
  return XftFontOpen(dpy, DefaultScreen(dpy), XFT_FAMILY, XftTypeString, "WenQuanYi Micro Hei", XFT_PIXEL_SIZE,
                     XftTypeDouble, pixels, nullptr);
}

// The advance of `utf8` drawn with real glyphs: each character in the
// widget's face when it has it, else in the CJK face. With `boxes`, all in
// the widget's face, missing glyphs included.
int GlyphAdvance(Widget w, const char* utf8, bool boxes = false) {
  Display* dpy = XtDisplay(w);
  XftFont* main = MainFont(w);
  if (!main) return -1;
  XftFont* cjk = CjkFont(dpy, main);
  int advance = 0;
  const std::string s(utf8);
  for (size_t i = 0; i < s.size();) {
    char32_t c = 0;
    i += static_cast<size_t>(std::max(qor_utf8::Decode(s, i, &c), 1));
    FcChar32 ch = c;
    XGlyphInfo info{};
    XftTextExtents32(dpy, boxes || XftCharExists(dpy, main, ch) ? main : cjk, &ch, 1, &info);
    advance += info.xOff;
  }
  XftFontClose(dpy, cjk);
  return advance;
}

// Whether a rendition of the widget's table has an Xft font with the glyph of `c`.
bool DrawsWithGlyph(Widget w, FcChar32 c) {
  XmRenderTable table = Resource<XmRenderTable>(w, XmNrenderTable);
  XmStringTag* tags = nullptr;
  const int n = XmRenderTableGetTags(table, &tags);
  bool found = false;
  for (int i = 0; i < n; ++i) {
    XmRendition r = XmRenderTableGetRendition(table, tags[i]);
    XftFont* font = nullptr;
    Arg arg;
    XtSetArg(arg, XmNxftFont, &font);
    XmRenditionRetrieve(r, &arg, 1);
    const bool loaded = font && font != reinterpret_cast<XftFont*>(XmAS_IS);
    found = found || (loaded && XftCharExists(XtDisplay(w), font, c));
    XmRenditionFree(r);
    XtFree(tags[i]);
  }
  XtFree(reinterpret_cast<char*>(tags));
  return found;
}

class UnicodeText : public AppSuite {
 protected:
  static void SetUpTestSuite() {
    setenv("LC_ALL", TOLVEN_TEXT_LOCALE, 1);
    StartApplication("TolvenText");
  }
};

TEST_F(UnicodeText, TheSuiteRunsInItsLocale) {
  const std::string codeset = nl_langinfo(CODESET);
  EXPECT_EQ(codeset == "UTF-8", std::string(TOLVEN_TEXT_LOCALE) != "C") << codeset;
}

TEST_F(UnicodeText, CatalogTextsComeBackFromTheWidgetsAsWritten) {
  QORMsgCatalog catalog;
  const std::string text = std::string("Lbl.Title = \"") + kLabel + "\";\nBtn.Title = \"" + kButton +
                           "\";\nFrm.Title = \"" + kFrame + "\";\nBOK = \"" + kOK + "\";\n";
  ASSERT_EQ(catalog.LoadFromText(text.c_str(), text.size(), "unicode.catalog"), 1);
  auto* box = new QORDlgDialog(app, "Uni", QORDlgDialogOK | QORDlgDialogCancel);
  box->AddResourcePath(catalog, "");
  auto* label = new QORDlgLabel(box, "Lbl");
  auto* button = new QORDlgPushButton(box, "Btn");
  auto* frame = new QORDlgFrame(box, "Frm", 0);
  label->SetRectDimensions(10, 10, 30, 300);
  button->SetRectDimensions(10, 50, 30, 200);
  frame->SetRectDimensions(10, 90, 60, 200);
  box->SetTitle(kWindow);
  box->SetVisibility(QORDlgShown);
  auto* l = static_cast<l_QORDlgDialog*>(box->GetLetterObject());
  ASSERT_TRUE(PumpUntil([l] { return Viewable(l->GetShell()); }));

  Widget frameWidget = WidgetOf(frame);
  Widget title = XtNameToWidget(frameWidget, "Frm");
  if (!title) title = XtNameToWidget(XtParent(frameWidget), "Frm");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(Shown(WidgetOf(label)), kLabel);
  EXPECT_EQ(Shown(WidgetOf(button)), kButton);
  EXPECT_EQ(Shown(title), kFrame);
  EXPECT_EQ(Shown(l->GetButtonWidget(l_QORDlgDialog::OK)), kOK);
  EXPECT_EQ(Shown(l->GetButtonWidget(l_QORDlgDialog::Cancel)), "Cancel");

  // The window manager is told the title's encoding: UTF-8 bytes, not Latin-1.
  XTextProperty name{};
  ASSERT_TRUE(XGetWMName(TestDisplay(), XtWindow(l->GetShell()), &name));
  EXPECT_EQ(name.encoding, XInternAtom(TestDisplay(), "UTF8_STRING", False));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(name.value), name.nitems), kWindow);
  XFree(name.value);

  // Each text is as wide as its glyphs, far narrower than its bytes read as Latin-1.
  for (Widget w : {WidgetOf(label), WidgetOf(button), title}) {
    const std::string shown = Shown(w);
    EXPECT_EQ(ShownWidth(w), GlyphAdvance(w, shown.c_str())) << shown;
    EXPECT_LT(ShownWidth(w), ShownWidth(w, Misread(shown).c_str())) << shown;
  }
  delete box;
  PumpIdle();
}

TEST_F(UnicodeText, TheBubbleShowsItsTextAsWritten) {
  TestDialog win("BubbleUni");
  TestControl button(&win, "Bubbly");
  button.SetRectDimensions(20, 20, 40, 160);
  button.SetShortHelp(kBubble);
  ASSERT_TRUE(win.Show());
  MoveTo(1200, 1000);
  PumpFor(200);
  PointAt(WidgetOf(&button));
  ASSERT_TRUE(PumpUntil([] { return ShownBubble() != nullptr; }));
  Widget label = XtNameToWidget(ShownBubble(), "label");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(Shown(label, QORDlgText::ShortHelp), kBubble);
  EXPECT_EQ(ShownWidth(label), std::max(GlyphAdvance(label, "\xE6\x95\xB0\xE9\x87\x8F"),
                                        GlyphAdvance(label, "\xCE\xA9\xCE\xBC")));
  MoveTo(1200, 1000);
  PumpFor(100);
}

TEST_F(UnicodeText, CharactersTheFaceLacksAreDrawnWithAFaceThatHasThem) {
  const char cjk[] = "\xE6\x95\xB0\xE9\x87\x8F";  // 数量
  TestDialog win("CjkUni");
  auto* label = new QORDlgLabel(&win, "Cjk", 0);
  label->SetTitle(cjk);
  label->SetRectDimensions(10, 10, 30, 300);
  ASSERT_TRUE(win.Show());
  Widget w = WidgetOf(label);
  ASSERT_FALSE(XftCharExists(XtDisplay(w), MainFont(w), 0x6570)) << "the face has CJK: nothing falls back";
  // The shown label's own table grew the face that drew it.
  EXPECT_TRUE(DrawsWithGlyph(w, 0x6570));
  EXPECT_TRUE(DrawsWithGlyph(w, 0x91CF));
  EXPECT_EQ(Shown(w), cjk);
  ASSERT_NE(GlyphAdvance(w, cjk), GlyphAdvance(w, cjk, true)) << "glyphs and boxes alike: the test cannot tell";
  // Motif's own size for a label of the text: its margins and the glyphs' advance.
  for (const char* text : {cjk, kLabel, kWindow}) {
    XmString s = QORDlgText::toXmString(text);
    Widget raw = XtVaCreateWidget("raw", xmLabelWidgetClass, XtParent(w), XmNlabelString, s, nullptr);
    XmStringFree(s);
    Dimension width = 0, margin = 0, left = 0, right = 0, shadow = 0, highlight = 0;
    XtVaGetValues(raw, XmNwidth, &width, XmNmarginWidth, &margin, XmNmarginLeft, &left, XmNmarginRight, &right,
                  XmNshadowThickness, &shadow, XmNhighlightThickness, &highlight, nullptr);
    EXPECT_EQ(width - 2 * (margin + shadow + highlight) - left - right, GlyphAdvance(w, text)) << text;
    XtDestroyWidget(raw);
  }
  delete label;
}

// Whether a run of `s` is tagged for a fallback face.
bool HasFallbackRun(XmString s) {
  XmStringContext context = nullptr;
  if (!XmStringInitContext(&context, s)) return false;
  bool found = false;
  unsigned int length = 0;
  XtPointer value = nullptr;
  XmStringComponentType type;
  while ((type = XmStringGetNextTriple(context, &length, &value)) != XmSTRING_COMPONENT_END) {
    const std::string text(static_cast<char*>(value), length);
    if (type == XmSTRING_COMPONENT_TAG && text.rfind("tolven-fallback:", 0) == 0) found = true;
    XtFree(static_cast<char*>(value));
  }
  XmStringFreeContext(context);
  return found;
}

// The plain-text check reads eight bytes at a time: a character the face
// lacks, or a tab, is seen wherever it stands.
TEST_F(UnicodeText, ACharacterTheFaceLacksFallsBackWhereverItStands) {
  const struct {
    const char* text;
    bool fallback;
  } cases[] = {
      {"\xE9\x87\x8F", true},                                   // first byte
      {"1234567\xE9\x87\x8F", true},                            // across the first eight
      {"Quantity of \xE9\x87\x8F items", true},                 // in the second eight
      {"A longer line of plain text, then \xE6\x95\xB0", true},  // in the tail
      {"A longer line of plain text, all of it", false},
      {"Eight by", false},
  };
  TestDialog win("LateCjk");
  auto* label = new QORDlgLabel(&win, "Plain", 0);
  label->SetTitle("plain");
  ASSERT_TRUE(win.Show());
  Widget w = WidgetOf(label);
  ASSERT_FALSE(XftCharExists(XtDisplay(w), MainFont(w), 0x6570)) << "the face has CJK: nothing falls back";
  ASSERT_FALSE(XftCharExists(XtDisplay(w), MainFont(w), 0x91CF));
  for (const auto& c : cases) {
    XmString s = QORDlgText::toXmString(c.text);
    EXPECT_EQ(HasFallbackRun(s), c.fallback) << c.text;
    EXPECT_EQ(QORDlgText::fromXmString(s).str(), c.text);
    XmStringFree(s);
  }
}

// The family of the font the widget's text is set in.
std::string MainFamily(Widget w) {
  XftFont* font = MainFont(w);
  FcChar8* name = nullptr;
  if (font) FcPatternGetString(font->pattern, FC_FAMILY, 0, &name);
  return name ? reinterpret_cast<const char*>(name) : "";
}

TEST_F(UnicodeText, AnEditorDrawsWhatItsFaceLacksInAFaceThatHasItAll) {
  // A field holds the locale's form: outside UTF-8 the CJK is '?' and the face stays.
  const bool utf8 = MB_CUR_MAX > 1;
  TestDialog win("EdCjk");
  QORDlgEditor plain(&win, "Plain"), ed(&win, "Ed");
  plain.SetRectDimensions(10, 10, 30, 300);
  ed.SetRectDimensions(50, 10, 30, 300);
  plain.SetText("abc");
  ed.SetText("\xE6\x95\xB0\xE9\x87\x8F abc");  // 数量 abc
  ASSERT_TRUE(win.Show());
  Widget w = static_cast<l_QORDlgEditor*>(ed.GetLetterObject())->GetTextWidget();
  Widget p = static_cast<l_QORDlgEditor*>(plain.GetLetterObject())->GetTextWidget();
  const std::string sans = MainFamily(p);
  ASSERT_FALSE(XftCharExists(XtDisplay(p), MainFont(p), 0x6570)) << "the face has CJK: nothing to switch";
  const struct {
    const char* what;
    std::function<void()> change;
    bool cjk;  // the text holds CJK
  } steps[] = {
      {"given by the program", [] {}, true},
      {"plain again", [&] { ed.SetText("abc"); }, false},
      {"typed", [&] { XmTextInsert(w, 0, const_cast<char*>("\xE9\x87\x8F")); }, true},  // 量
      {"typed away", [&] { XmTextSetString(w, const_cast<char*>("xyz")); }, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.change();
    PumpIdle();
    XftFont* font = MainFont(w);
    ASSERT_NE(font, nullptr);
    const bool glyphs = step.cjk && utf8;
    for (FcChar32 c : {0x6570u, 0x91CFu}) EXPECT_EQ(XftCharExists(XtDisplay(w), font, c), glyphs) << c;
    EXPECT_TRUE(XftCharExists(XtDisplay(w), font, 'a'));
    EXPECT_EQ(MainFamily(w) == sans, !glyphs) << MainFamily(w);
  }
  EXPECT_EQ(MainFamily(p), sans);
  // A spinner's field too, with the application's text.
  QORDlgSpinner spin(&win, "Spin", QORDlgSpinText);
  spin.SetRectDimensions(90, 10, 30, 200);
  spin.SetCurrentText("\xE6\x95\xB0\xE9\x87\x8F", 0);
  PumpIdle();
  Widget f = static_cast<l_QORDlgSpinner*>(spin.GetLetterObject())->GetField();
  ASSERT_NE(MainFont(f), nullptr);
  EXPECT_EQ(XftCharExists(XtDisplay(f), MainFont(f), 0x6570), utf8);
}

TEST_F(UnicodeText, ACoreFontFaceShowsLatin1AndQuestionMarksForTheRest) {
  // As when the "Dialog" catalog names an X font for the documents.
  Widget top = app->GetLetterObject()->GetWidget();
  Arg args[2];
  XtSetArg(args[0], XmNfontName, const_cast<char*>("fixed"));
  XtSetArg(args[1], XmNfontType, XmFONT_IS_FONT);
  XmRendition r = XmRenditionCreate(top, const_cast<char*>(XmFONTLIST_DEFAULT_TAG), args, 2);
  XmRenderTable core = XmRenderTableAddRenditions(nullptr, &r, 1, XmMERGE_REPLACE);
  XmRenditionFree(r);
  QORDlgText::noteRenderTable(QORDlgText::Document, core);
  Widget label = XtVaCreateWidget("core", xmLabelWidgetClass, top, XmNrenderTable, core, nullptr);
  XmString s = QORDlgText::toXmString(kButton);
  XtVaSetValues(label, XmNlabelString, s, nullptr);
  XmStringFree(s);
  EXPECT_EQ(Shown(label), "Gr\xC3\xB6\xC3\x9F" "e \xC3\x97" "2 ??");  // Größe ×2 ??
  // Measured as its Latin-1 bytes, one glyph each.
  XmString latin1 = XmStringCreateSimple(const_cast<char*>("Gr\xF6\xDF" "e \xD7" "2 ??"));
  EXPECT_EQ(ShownWidth(label), XmStringWidth(core, latin1));
  XmStringFree(latin1);
  XtDestroyWidget(label);
  QORDlgText::noteRenderTable(QORDlgText::Document, GlobalXResources.documentFontList);
  XmRenderTableFree(core);
  EXPECT_FALSE(QORDlgText::isLatin1(QORDlgText::Document));
}

}  // namespace
