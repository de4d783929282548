// Strings, environment and path helpers, settings, stack traces, start-up.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "QORApplication.h"
#include "QOREnv.h"
#include "QORSettingRepository.h"
#include "QORStackTrace.h"
#include "QORString.h"

// Outside the anonymous namespace so the symbol is exported and named in traces.
__attribute__((noinline)) int captureHere(QORStackTrace& t) {
  volatile int levels = t.GetTrace();  // not a tail call: this frame must stay on the stack
  return levels;
}

namespace {

TEST(Strings, Utf8CountingAndSlicing) {
  QORUnicodeString s("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC 1");  // "Grüße € 1"
  EXPECT_EQ(s.GetLengthInChar(), 9);
  EXPECT_EQ(s.GetLengthInByte(), 13);
  EXPECT_EQ(s.GetChar(2).GetCode(), 0xFCu);
  EXPECT_EQ(s.GetChar(6).GetCode(), 0x20ACu);
  EXPECT_EQ(s.GetChar(99).GetCode(), 0u);
  EXPECT_STREQ(s.SubString(2, 3).c_str(), "\xC3\xBC\xC3\x9F" "e");
  EXPECT_EQ(s.SearchSubString("\xE2\x82\xAC"), 6);
  EXPECT_EQ(s.SearchSubString("e", 5), -1);
  EXPECT_STREQ(s.ToLatin1().c_str(), "Gr\xFC\xDF" "e ? 1");
  // Bytes that are not UTF-8 are kept as Latin-1 characters, not dropped.
  QORUnicodeString latin("caf\xE9");
  EXPECT_EQ(latin.GetLengthInChar(), 4);
  EXPECT_STREQ(latin.c_str(), "caf\xC3\xA9");
  EXPECT_FALSE(qor_utf8::IsValid("\xC0\xAF", 2));  // overlong '/'
  EXPECT_FALSE(qor_utf8::IsValid("\xED\xA0\x80", 3));  // surrogate

  QORString a("abcabc");
  EXPECT_EQ(a.SearchSubString("c", 3), 5);
  EXPECT_STREQ(a.SubString(4, 10).c_str(), "bc");
  EXPECT_STREQ(a.SubString(9).c_str(), "");
  EXPECT_TRUE(QORString("ab") + QORString("c") == QORString("abc"));
}

TEST(EnvAndPaths, MakeSplitGetPut) {
  EXPECT_STREQ(QORMakePath("/data/cap", "").c_str(), "/data/cap/");
  EXPECT_STREQ(QORMakePath("/data/cap/", "f.txt").c_str(), "/data/cap/f.txt");
  EXPECT_STREQ(QORMakePath("", "f.txt").c_str(), "f.txt");
  QORString dir, file;
  QORSplitPath("/data/cap/sub/f.txt", dir, file);
  EXPECT_STREQ(dir.c_str(), "/data/cap/sub/");
  EXPECT_STREQ(file.c_str(), "f.txt");
  QORSplitPath("plain", dir, file);
  EXPECT_STREQ(dir.c_str(), "");
  EXPECT_STREQ(file.c_str(), "plain");
  static char def[] = "TOLVEN_TEST_VAR=some value";
  EXPECT_EQ(QORPutEnv(def), 0);
  EXPECT_STREQ(QORGetEnv("TOLVEN_TEST_VAR"), "some value");
  EXPECT_EQ(QORGetEnv("TOLVEN_TEST_UNSET_VAR"), nullptr);
}

TEST(Settings, WrittenAtomicallyAndReadBack) {
  char tmpl[] = "/tmp/tolven-settings-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  setenv("XDG_CONFIG_HOME", tmpl, 1);
  QORSettingRepository::ReleaseAll();
  QORSettingRepository* r = QORSettingRepository::GetRepository("DialogPosition");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->GetFileName(), std::string(tmpl) + "/tolven/DialogPosition.settings");
  r->WriteSetting("Main.x", 120);
  r->WriteSetting("Main.scale", 1.25);
  r->WriteSetting("Main.title", QORString("two\nlines \\ and = sign"));
  r->WriteSetting("bad=key", 1);  // refused: '=' ends a key
  ASSERT_EQ(r->SaveRepository(), 1) << r->GetError();
  QORSettingRepository::ReleaseAll();

  r = QORSettingRepository::GetRepository("DialogPosition");
  int x = -1, missing = 7;
  double scale = 0;
  QORString title;
  EXPECT_TRUE(r->ReadSetting("Main.x", x));
  EXPECT_EQ(x, 120);
  EXPECT_TRUE(r->ReadSetting("Main.scale", scale));
  EXPECT_DOUBLE_EQ(scale, 1.25);
  EXPECT_TRUE(r->ReadSetting("Main.title", title));
  EXPECT_STREQ(title.c_str(), "two\nlines \\ and = sign");
  EXPECT_FALSE(r->ReadSetting("Absent", missing));
  EXPECT_EQ(missing, 7);  // keeps its default
  EXPECT_FALSE(r->ReadSetting("Main.title", missing));  // not a number
  EXPECT_EQ(missing, 7);

  // A damaged file loses only its bad lines.
  std::ofstream(r->GetFileName()) << "garbage line\nIconSize=32\n=novalue\n";
  QORSettingRepository::ReleaseAll();
  r = QORSettingRepository::GetRepository("DialogPosition");
  int size = 0;
  EXPECT_TRUE(r->ReadSetting("IconSize", size));
  EXPECT_EQ(size, 32);

  // An unwritable directory is reported, not fatal.
  std::ofstream(std::string(tmpl) + "/blocker") << "x";
  setenv("XDG_CONFIG_HOME", (std::string(tmpl) + "/blocker").c_str(), 1);
  QORSettingRepository::ReleaseAll();
  r = QORSettingRepository::GetRepository("FrameGeneral");
  r->WriteSetting("IconSize", 16);
  EXPECT_EQ(r->SaveRepository(), 0);
  EXPECT_FALSE(r->GetError().empty());
  QORSettingRepository::ReleaseAll();
  EXPECT_EQ(QORSettingRepository::GetRepository("../escape"), nullptr);
  unsetenv("XDG_CONFIG_HOME");
}

TEST(StackTrace, LevelsAreReadableAndBounded) {
  QORStackTrace t;
  ASSERT_GT(captureHere(t), 2);
  char buf[64];
  ASSERT_EQ(t.Read(0, buf, sizeof buf), 0);
  EXPECT_NE(std::string(buf).find("captureHere"), std::string::npos) << buf;
  char tiny[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(t.Read(0, tiny, 4), 0);
  EXPECT_EQ(tiny[3], '\0');
  EXPECT_EQ(t.Read(t.GetLevelCount(), buf, sizeof buf), -1);
}

class SequenceApp : public QORApplication {
 public:
  using QORApplication::QORApplication;
  std::vector<std::string> steps;
  int BuildApplicationEnvironment(int argc, char** argv, char** envp) override {
    steps.push_back("build");
    return QORApplication::BuildApplicationEnvironment(argc, argv, envp);
  }
  void BeginApplication() override { steps.push_back("begin"); }
  int RunApplication() override {
    steps.push_back("run");
    return 3;
  }
  int EndApplication() override {
    steps.push_back("end");
    return 0;
  }
};

TEST(StartApplication, RunsTheSequenceAndReturnsTheStatus) {
  SequenceApp app(nullptr, nullptr);
  char arg0[] = "prog";
  char* argv[] = {arg0, nullptr};
  EXPECT_EQ(QORStartApplication(app, 1, argv, environ), 3);
  EXPECT_EQ(app.steps, (std::vector<std::string>{"build", "begin", "run", "end"}));
  EXPECT_EQ(app.GetArgc(), 1);
}
}  // namespace
