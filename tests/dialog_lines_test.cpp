// The line insertion rule every list-like control shares, and texts in the
// record stream.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QORDlgLineInsertion.h"
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
