// Typed state streams, the record file format, and capture/replay through the command tree.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "QORCommand.h"
#include "QORMarshal.h"
#include "QORMetaObject.h"
#include "QORNotification.h"
#include "QORRecord.h"
#include "tolven_test_app.h"

namespace {

TEST(Marshal, RoundTripAndLittleEndianLayout) {
  QORMarshal out;
  out << INT_MIN << short(SHRT_MIN) << static_cast<unsigned short>(USHRT_MAX) << UINT_MAX << ULONG_MAX << -0.0f
      << FLT_TRUE_MIN << -DBL_MAX << DBL_TRUE_MIN << 0x01020304;
  out.Write("a\0b", 3);
  out.Write(nullptr, 0);
  const std::string hex = out.ToHex();
  // One tag byte, then low byte first: the int 0x01020304 and the block "a\0b".
  EXPECT_EQ("0104030201" "0803000000610062" "0800000000", hex.substr(hex.size() - 36));
  EXPECT_FALSE(out.FromHex("abc", 3));
  EXPECT_FALSE(out.FromHex("0g", 2));
  EXPECT_EQ(hex, out.ToHex()) << "a rejected FromHex keeps the buffer";

  QORMarshal in;
  ASSERT_TRUE(in.FromHex(hex.data(), hex.size()));
  int i, i2; short s; unsigned short us; unsigned int ui; unsigned long ul; float f1, f2; double d1, d2;
  in >> i >> s >> us >> ui >> ul >> f1 >> f2 >> d1 >> d2 >> i2;
  EXPECT_TRUE(i == INT_MIN && s == SHRT_MIN && us == USHRT_MAX && ui == UINT_MAX && ul == ULONG_MAX);
  EXPECT_TRUE(f1 == 0.0f && std::signbit(f1) && f2 == FLT_TRUE_MIN && d1 == -DBL_MAX && d2 == DBL_TRUE_MIN);
  EXPECT_EQ(3, in.ReadNextLength());
  char buf[8];
  int len = sizeof buf;
  ASSERT_EQ(0, in.Read(buf, &len));
  EXPECT_EQ(std::string("a\0b", 3), std::string(buf, len));
  len = 0;
  EXPECT_EQ(0, in.Read(nullptr, &len));
  EXPECT_TRUE(in.Good() && in.AtEnd() && len == 0);
}

TEST(Marshal, FailuresZeroTheTargetAndStick) {
  char buf[4];
  int len = 0;
  // Each read returns what its target got (a failed block read counts as 0 when it gave 0 bytes).
  const auto block = [&](QORMarshal& m) { len = sizeof buf; return m.Read(buf, &len) == -1 ? len : 1; };
  struct Case { const char* hex; std::function<int(QORMarshal&)> read; const char* error; } cases[] = {
      {"07000000000000044001", [](QORMarshal& m) { int v = 9; m >> v; return v; },
       "expected int at offset 0, found double"},
      {"0105000000", [](QORMarshal& m) { int v; short s = 9; m >> v >> s; return int(s); },
       "expected short at offset 5, found end of data"},
      {"040102", [](QORMarshal& m) { unsigned v = 9; m >> v; return int(v); },
       "expected unsigned int at offset 0, found truncated data"},
      {"0105000000", block, "expected block at offset 0, found int"},
      {"0105000000080600000061626364656667", [&](QORMarshal& m) { int v; m >> v; return block(m); },
       "expected block at offset 5, found 6 bytes for a buffer of 4"},
      {"08c800000078", [&](QORMarshal& m) { return m.ReadNextLength() + 1 + block(m); },
       "expected block at offset 0, found a length of 200 past the end of data"},
  };
  for (const auto& k : cases) {
    QORMarshal m;
    ASSERT_TRUE(m.FromHex(k.hex, strlen(k.hex)));
    EXPECT_EQ(0, k.read(m)) << k.hex;
    EXPECT_EQ(k.error, m.GetError());
    double d = 1;
    m >> d;  // whatever comes next, the stream stays failed with its first error
    EXPECT_EQ(0.0, d);
    EXPECT_EQ(k.error, m.GetError());
    m.Rewind();
    EXPECT_TRUE(m.Good());
  }
}

// Notification classes registered by this test only.
struct ClickNotification : QORNotification {
  static const char* ClassName() { return "TestClickNotification"; }
  const char* IsA() const override { return ClassName(); }
};
QORNotification* createClick() { return new ClickNotification; }
QORMetaObject testClasses[] = {{"TestClickNotification", "QORNotification", createClick, 0},
                               {"TestNoFactoryNotification", "QORNotification", nullptr, 0}};
const int registered = AddDictionary(testClasses, 2);

// Saves and restores one int and one block for clicks; other classes are not its business.
class Clicker : public QORCommand {
 public:
  using QORCommand::QORCommand;
  int SaveState(QORNotification* n, QORMarshal& m) override {
    if (!n->IsAKindOf(ClickNotification::ClassName())) return QORCommand::SaveState(n, m);
    m << value;
    m.Write(label.data(), static_cast<int>(label.size()));
    return 0;
  }
  int RestoreState(QORNotification* n, QORMarshal& m) override {
    if (!n->IsAKindOf(ClickNotification::ClassName())) return 4;
    char buf[32];
    int len = sizeof buf;
    m >> value;
    m.Read(buf, &len);
    label.assign(buf, len);
    return 0;
  }
  int value = 0;
  std::string label;
};

std::string tempFile(const char* tag) { return "/tmp/tolven_" + std::string(tag) + std::to_string(getpid()); }


TEST(Record, WriterRefusesUnreadableFieldsAndMarksEmptyState) {
  ASSERT_EQ(2, registered);
  const std::string file = tempFile("w");
  QORRecordWriter w;
  ASSERT_TRUE(w.Open(file.c_str()));
  EXPECT_FALSE(w.Write("has space", "TestClickNotification", QORMarshal()));
  EXPECT_FALSE(w.Write("p", "", QORMarshal()));
  EXPECT_TRUE(w.Write("p", "TestClickNotification", QORMarshal()));
  w.Close();
  EXPECT_EQ("# tolven record 1\n1 p TestClickNotification -\n", Slurp(file));
  unlink(file.c_str());
}

TEST(Record, ReaderErrorsNameTheLineAndStop) {
  const std::string good = "# header\n1 a TestClickNotification -\n";
  const std::pair<std::string, const char*> cases[] = {
      {good + "2 a TestClickNotification 0", "rec.txt:3: truncated line (no line feed)"},
      {good + "2 a TestClickNotification 0g\n", "rec.txt:3: bad hex field"},
      {good + "2 a TestClickNotification 012\n", "rec.txt:3: bad hex field"},
      {good + "#\n4 a TestClickNotification -\n", "rec.txt:4: sequence 2 expected, found 4"},
      {good + "2 a QORFoo -\n", "rec.txt:3: unknown notification class QORFoo"},
      {good + "2 a TestClickNotification\n", "rec.txt:3: missing field"},
      {good + "2  a TestClickNotification -\n", "rec.txt:3: missing field"},
      {good + "2 a TestClickNotification - x\n", "rec.txt:3: too many fields"},
      {good + "-2 a TestClickNotification -\n", "rec.txt:3: bad sequence number -2"},
      {good + "2 a TestClickNotification -\r\n", "rec.txt:3: control character in line"},
  };
  for (const auto& k : cases) {
    QORRecordReader r;
    r.OpenText(k.first.data(), k.first.size(), "rec.txt");
    QORRecordEntry e;
    EXPECT_TRUE(r.Next(e)) << k.first;
    EXPECT_FALSE(r.Next(e)) << k.first;
    EXPECT_EQ(k.second, r.GetError());
    EXPECT_FALSE(r.Next(e)) << "stays stopped: " << k.first;
    EXPECT_EQ(k.second, r.GetError());
  }
}

TEST(Record, CaptureThroughSendNotificationThenReplay) {
  const std::string file = tempFile("cap");
  QORCommand root(nullptr, "cap root");
  Clicker first(&root, "btn"), second(&root, "btn");
  QORCommand other(&root, "other");
  ClickNotification click;
  QORNotification plain;
  setenv("TOLVEN_RECORD", file.c_str(), 1);
  QORRecord* rec = QORRecord::GetMain();
  ASSERT_TRUE(rec->InitFromEnvironment()) << rec->GetError();
  unsetenv("TOLVEN_RECORD");
  ASSERT_EQ(QORRecordCapture, rec->RecordMod());
  second.value = 7;
  second.label = "seven";
  second.SendNotification(&second, &click);
  second.SendNotification(&second, &plain);  // not saved: the command answers 2
  other.SendNotification(&other, &click);    // not saved: plain commands save nothing
  first.value = -3;
  first.SendNotification(&first, &click);
  EXPECT_EQ(2, rec->GetEntryCount());
  rec->EndMode(QORRecordCapture);
  EXPECT_EQ(QORRecordNone, rec->RecordMod());
  EXPECT_EQ("# tolven record 1\n1 cap%20root/btn#2 TestClickNotification 01070000000805000000736576656e\n"
            "2 cap%20root/btn TestClickNotification 01fdffffff0800000000\n", Slurp(file));

  second.value = first.value = 0;
  second.label = first.label = "x";
  ASSERT_TRUE(rec->StartReplay(file.c_str()));
  EXPECT_EQ(1, rec->ReplayNext());
  EXPECT_TRUE(second.value == 7 && second.label == "seven" && first.value == 0);
  EXPECT_EQ(0, rec->RestoreState(&first)) << rec->GetError();
  EXPECT_TRUE(first.value == -3 && first.label.empty());
  EXPECT_FALSE(rec->ReplayFinished());
  EXPECT_EQ(0, rec->ReplayNext());
  EXPECT_TRUE(rec->ReplayFinished() && rec->GetError().empty());
  rec->EndMode(QORRecordReplay);
  EXPECT_EQ(QORRecordNone, rec->RecordMod());
  unlink(file.c_str());
}

// Replaying: a recorded kind of notification reaches listeners only from the
// record file; the program's own sending of it is dropped meanwhile.
TEST(Record, ReplayDeliversRecordedKindsOnlyFromTheFileInTheirRecordedPlace) {
  struct Resender : Clicker {
    using Clicker::Clicker;
    int RestoreState(QORNotification* n, QORMarshal& m) override {
      const int r = Clicker::RestoreState(n, m);
      if (r == 0) SendNotification(this, n);
      return r;
    }
  };
  const std::string file = tempFile("deliver");
  QORCommand root(nullptr, "deliver root");
  Resender btn(&root, "btn"), other(&root, "other");
  QORCommand listener(nullptr, "listener");
  std::vector<std::string> got;
  for (Resender* r : {&btn, &other})
    listener.AddAnalyseNotificationCB(r, nullptr, [&got, r](QORCommand*, QORNotification* n) {
      got.push_back(std::string(r->GetName().str()) + " " + n->IsA() + " " + std::to_string(r->value));
    });
  ClickNotification click;
  QORNotification plain;
  QORRecord* rec = QORRecord::GetMain();
  ASSERT_TRUE(rec->StartCapture(file.c_str()));
  btn.value = 5;
  btn.SendNotification(&btn, &click);
  other.value = 7;
  other.SendNotification(&other, &click);
  rec->EndMode(QORRecordCapture);
  got.clear();

  ASSERT_TRUE(rec->StartReplay(file.c_str()));
  btn.value = other.value = 1;
  btn.SendNotification(&btn, &plain);      // not a recorded kind: delivered
  other.SendNotification(&other, &click);  // the file's next entry is btn's: dropped
  btn.SendNotification(&btn, &click);      // where the recorded run sent it: its entry, here
  EXPECT_EQ(1, rec->ReplayNext());         // other's entry, from the file
  EXPECT_EQ(0, rec->ReplayNext());
  EXPECT_EQ(got, (std::vector<std::string>{"btn QORNotification 1", "btn TestClickNotification 5",
                                           "other TestClickNotification 7"}));
  rec->EndMode(QORRecordReplay);
  btn.SendNotification(&btn, &click);  // no replay any more: delivered
  EXPECT_EQ(got.size(), 4u);
  unlink(file.c_str());
}

TEST(Record, ReplayErrorsStopTheReplay) {
  QORCommand root(nullptr, "rp");
  Clicker clicker(&root, "clicker");
  QORCommand plain(&root, "plain");
  const std::string file = tempFile("rp");
  const std::string ok = "1 rp/clicker TestClickNotification 01010000000800000000\n";
  struct Case { std::string entries; bool restoreClicker; std::string error; } cases[] = {
      {"1 rp/plain TestClickNotification -\n", false, ":2: rp/plain does not handle TestClickNotification"},
      {"1 rp/nobody TestClickNotification -\n", false, ":2: no object at path rp/nobody"},
      {"1 rp/clicker TestNoFactoryNotification -\n", false, ":2: cannot create a TestNoFactoryNotification"},
      {"1 rp/clicker TestClickNotification 0101000000\n", false,
       ":2: state does not match TestClickNotification for rp/clicker: expected block at offset 5, found end of data"},
      {"1 rp/clicker TestClickNotification 01010000000800000000ff\n", false,
       ":2: state does not match TestClickNotification for rp/clicker: data left unread"},
      {"1 rp/plain TestClickNotification -\n", true, ":2: entry for rp/plain, expected rp/clicker"},
      {ok + "2 rp/clicker Bad -\n", false, ":3: unknown notification class Bad"},
      {ok, true, ": record ended, no entry left for rp/clicker"},
  };
  for (const auto& k : cases) {
    std::ofstream(file) << "# tolven record 1\n" << k.entries;
    QORRecord rec;
    ASSERT_TRUE(rec.StartReplay(file.c_str()));
    if (k.entries.rfind(ok, 0) == 0) {
      EXPECT_EQ(1, rec.ReplayNext());
    }
    EXPECT_EQ(-1, k.restoreClicker ? rec.RestoreState(&clicker) : rec.ReplayNext()) << k.entries;
    EXPECT_EQ(file + k.error, rec.GetError());
    EXPECT_TRUE(rec.ReplayFinished() && rec.RecordMod() == QORRecordReplay);
    EXPECT_EQ(-1, rec.ReplayNext()) << "stays stopped";
  }
  unlink(file.c_str());
}

}  // namespace
