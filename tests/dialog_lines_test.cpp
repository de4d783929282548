// The line insertion rule every list-like control shares, the multi-column
// list's column of compound strings, and texts in the record stream.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QORDlgLineInsertion.h"
#include "QORDlgText.h"
#include "QORDlgTextColumn.h"
#include "l_QORInteractiveApplication.h"
#include "l_QORDlgRecordIo.h"
#include "tolven_test_app.h"

namespace {

std::vector<std::string> lines(std::initializer_list<const char*> l) { return {l.begin(), l.end()}; }

struct Insertion {
  int position;
  unsigned long mode;
  std::vector<std::string> expected;
};

TEST(LineInsertion, PositionAndModeDecideWhereLinesGo) {
  const Insertion cases[] = {
      {1, 0, lines({"a", "x", "y", "z", "b", "c", "d"})},  // before line 1
      {1, QORDlgLineReplace, lines({"a", "x", "y", "z"})},  // over lines 1 to 3
      {3, QORDlgLineReplace, lines({"a", "b", "c", "x", "y", "z"})},  // surplus appended
      {-1, 0, lines({"a", "b", "c", "d", "x", "y", "z"})},
      {4, QORDlgLineReplace, lines({"a", "b", "c", "d", "x", "y", "z"})},  // past the end appends
      {1 << 30, 0, lines({"a", "b", "c", "d", "x", "y", "z"})},
      {-1000, QORDlgLineReplace, lines({"a", "b", "c", "d", "x", "y", "z"})},
  };
  for (const auto& c : cases) {
    auto list = lines({"a", "b", "c", "d"});
    const int count = QORDlgInsertLines(list, lines({"x", "y", "z"}), c.position, c.mode);
    EXPECT_EQ(list, c.expected) << "position " << c.position << " mode " << c.mode;
    EXPECT_EQ(count, static_cast<int>(c.expected.size()));
  }
  std::vector<std::string> empty;
  EXPECT_EQ(QORDlgInsertLines(empty, lines({"x"}), 0, 0), 1);
}

std::vector<std::string> contents(const QORDlgTextColumn& column) {
  std::vector<std::string> out;
  for (size_t i = 0; i < column.size(); ++i) out.push_back(column.text(i).str());
  return out;
}

size_t longest(const std::vector<std::string>& model) {
  size_t at = 0;
  for (size_t i = 1; i < model.size(); ++i)
    if (model[i].size() > model[at].size()) at = i;
  return at;
}

// The compound strings a column keeps need Motif's render tables: the
// application's Xft face, and a core font as a catalog may name.
class TextColumn : public AppSuite {
 protected:
  XmRenderTable CoreFont() {
    Arg args[2];
    XtSetArg(args[0], XmNfontName, const_cast<char*>("fixed"));
    XtSetArg(args[1], XmNfontType, XmFONT_IS_FONT);
    XmRendition r = XmRenditionCreate(app->GetLetterObject()->GetWidget(),
                                      const_cast<char*>(XmFONTLIST_DEFAULT_TAG), args, 2);
    XmRenderTable core = XmRenderTableAddRenditions(nullptr, &r, 1, XmMERGE_REPLACE);
    XmRenditionFree(r);
    return core;
  }
};

// Each step changes a model by the insertion rule and the column alike, with
// texts a compound string gives back as they are and texts it does not; the
// longest line follows insertions before it, replacements and erasures of it.
TEST_F(TextColumn, KeepsTheInsertionRuleTheTextsAndTheLongestLine) {
  struct Step {
    int position;
    unsigned long mode;  // ~0ul: erase the lines position, position + 2, ...
    std::vector<std::string> texts;
  };
  const std::string longText(300, 'L'), otherLong(400, 'M');
  const Step steps[] = {
      {-1, 0, lines({"alpha", "beta", "gamma", "delta"})},
      {1, 0, lines({"one", "", "three\tfour"})},
      {2, QORDlgLineReplace, {longText, "short", "\xC3\xBC" "bergr\xC3\xB6\xC3\x9F" "e \xE6\x95\xB0", "tail", "more"}},
      {0, 0, lines({"two\nlines"})},
      {3, ~0ul, {}},
      {0, QORDlgLineReplace, {otherLong, "x", "y", "z", "w", "v", "u"}},
      {0, QORDlgLineReplace, lines({"first"})},
      {1, ~0ul, {}},
      {1 << 20, 0, {longText}},
      {0, ~0ul, {}},
  };
  QORDlgTextColumn column;
  std::vector<std::string> model;
  for (const Step& s : steps) {
    if (s.mode == ~0ul) {
      std::vector<int> gone;
      for (int i = s.position; i < static_cast<int>(model.size()); i += 2) gone.push_back(i);
      for (auto it = gone.rbegin(); it != gone.rend(); ++it) model.erase(model.begin() + *it);
      gone.push_back(static_cast<int>(model.size()) + 50);  // a short column's padding: not there
      column.erase(gone);
    } else {
      const std::vector<QORUnicodeString> texts(s.texts.begin(), s.texts.end());
      column.insert(texts.data(), static_cast<int>(texts.size()), s.position, s.mode);
      QORDlgInsertLines(model, std::vector<std::string>(s.texts), s.position, s.mode);
    }
    ASSERT_EQ(contents(column), model) << "after the step at " << s.position;
    EXPECT_EQ(column.longest(), longest(model)) << "after the step at " << s.position;
  }
  // Lines added one per call stay in their order.
  column.clear();
  for (int i = 0; i < 20000; ++i) {
    const QORUnicodeString t(std::to_string(i));
    column.insert(&t, 1, -1, 0);
  }
  ASSERT_EQ(column.size(), 20000u);
  EXPECT_EQ(column.text(12345).str(), "12345");
  EXPECT_EQ(column.longest(), 10000u);
}

// A core font shows what Latin-1 lacks as '?', yet the column gives back
// every text as it came, under either face, also one made before the face
// changed.
TEST_F(TextColumn, GivesBackTextsOutsideWhatTheFaceShows) {
  const QORUnicodeString texts[] = {QORUnicodeString("Gr\xC3\xB6\xC3\x9F" "e \xE6\x95\xB0\xE9\x87\x8F"),
                                    QORUnicodeString("plain")};
  XmRenderTable core = CoreFont();
  for (XmRenderTable face : {GlobalXResources.documentFontList, core}) {
    QORDlgText::noteRenderTable(QORDlgText::Document, face);
    QORDlgTextColumn column;
    column.insert(texts, 2, -1, 0);
    EXPECT_EQ(column.text(0), texts[0]) << (face == core ? "core font" : "Xft");
    EXPECT_EQ(column.text(1), texts[1]);
    const std::string shown = QORDlgText::fromXmString(*column.items(0)).str();
    EXPECT_EQ(shown == texts[0].str(), face != core) << shown;
  }
  QORDlgText::noteRenderTable(QORDlgText::Document, GlobalXResources.documentFontList);
  QORDlgTextColumn before;
  before.insert(texts, 2, -1, 0);
  QORDlgText::noteRenderTable(QORDlgText::Document, core);
  EXPECT_EQ(before.text(0), texts[0]);
  QORDlgText::noteRenderTable(QORDlgText::Document, GlobalXResources.documentFontList);
  XmRenderTableFree(core);
}

TEST(RecordText, TextsComeBackWithOrWithoutTheirTerminator) {
  QORMarshal stream;
  QORUnicodeString one("Größe 数量"), two("");
  QORString three("plain");
  {
    l_QORDlgRecordIo io(stream, false);
    io.text(one, true);
    io.text(two);
    io.text(three);
  }
  EXPECT_EQ(stream.ReadNextLength(), one.GetLengthInByte() + 1);  // the zero is recorded
  QORUnicodeString backOne("stale"), backTwo("stale");
  QORString backThree;
  l_QORDlgRecordIo io(stream, true);
  io.text(backOne);
  io.text(backTwo);
  io.text(backThree);
  EXPECT_TRUE(stream.Good()) << stream.GetError();
  EXPECT_EQ(backOne, one);
  EXPECT_EQ(backTwo, two);
  EXPECT_EQ(backThree, three);

  // A text where the file holds a number: the stream fails and says where.
  QORMarshal wrong;
  wrong << 5;
  wrong.Rewind();
  QORUnicodeString none("stale");
  l_QORDlgRecordIo reader(wrong, true);
  reader.text(none);
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_FALSE(wrong.Good());
  EXPECT_NE(wrong.GetError().find("expected block"), std::string::npos) << wrong.GetError();
}

}  // namespace
