// The line insertion rule every list-like control shares, the multi-column
// list's block store of texts, and texts in the record stream.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QORDlgLineInsertion.h"
#include "QORDlgTextColumn.h"
#include "l_QORDlgRecordIo.h"

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
  for (size_t i = 0; i < column.size(); ++i) {
    EXPECT_EQ(column.length(i), column.text(i).str().size());
    out.emplace_back(column.c_str(i));
  }
  return out;
}

// Each step changes a model by the insertion rule and the store alike; the
// replacements and erasures leave enough dead bytes for the store to compact,
// and the long texts outgrow a block.
TEST(TextColumn, KeepsTheInsertionRuleThroughBlocksAndCompaction) {
  struct Step {
    int position;
    unsigned long mode;  // ~0ul: erase the lines position, position + 2, ...
    std::vector<std::string> texts;
  };
  const std::string longText(70000, 'L'), otherLong(140000, 'M');
  const Step steps[] = {
      {-1, 0, lines({"alpha", "beta", "gamma", "delta"})},
      {1, 0, lines({"one", "", "three"})},
      {2, QORDlgLineReplace, {longText, "short", "übergröße 数量", "tail", "more"}},
      {0, ~0ul, {}},
      {0, QORDlgLineReplace, {otherLong, "x", "y", "z", "w", "v", "u"}},
      {1, ~0ul, {}},
      {1 << 20, 0, {longText}},
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
  }
  EXPECT_TRUE(column.equals(0, QORUnicodeString(otherLong)));
  EXPECT_FALSE(column.equals(0, QORUnicodeString(longText)));
  // Lines added one per call, past a block's worth, stay in their order.
  column.clear();
  for (int i = 0; i < 20000; ++i) {
    const QORUnicodeString t(std::to_string(i));
    column.insert(&t, 1, -1, 0);
  }
  ASSERT_EQ(column.size(), 20000u);
  EXPECT_EQ(column.text(12345).str(), "12345");
  EXPECT_STREQ(column.c_str(19999), "19999");
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
