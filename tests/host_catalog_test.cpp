// Message catalogs: parsing, lookup along the catalog path, message building.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "QORMsgCatalog.h"

namespace fs = std::filesystem;

namespace {

int load(QORMsgCatalog& c, const std::string& text) { return c.LoadFromText(text.data(), text.size(), "t.catalog"); }

std::string text(const QORMsgCatalog& c, const char* key) { return c.GetCatalogMsg(key).GetText().str(); }

TEST(Catalog, ParsesEscapesContinuationsAndComments) {
  QORMsgCatalog c;
  const std::string src =
      "\xEF\xBB\xBF// leading comment after a BOM\n"
      "Dlg.Title = \"Caf\xC3\xA9 \\\"quoted\\\" // not a comment\";  // trailing\n"
      "Dlg.Long_text-2 = \"first, \"\n"
      "   // between the parts\n"
      "   \"second\\n\\tthird\"\n"
      "   ;\n"
      "U=\"\\u00e9\\u20AC\\uD83D\\uDE00\\\\\";\n"
      "Empty = \"\";\n";
  ASSERT_EQ(1, load(c, src)) << c.GetError();
  EXPECT_STREQ("", c.GetError());
  EXPECT_EQ(4, c.GetCount());
  EXPECT_EQ("Caf\xC3\xA9 \"quoted\" // not a comment", text(c, "Dlg.Title"));
  EXPECT_EQ("first, second\n\tthird", text(c, "Dlg.Long_text-2"));
  EXPECT_EQ("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\\", text(c, "U"));
  EXPECT_TRUE(c.HasKey("Empty"));
  EXPECT_FALSE(c.HasKey("Missing"));
  EXPECT_TRUE(c.GetCatalogMsg("Missing").IsEmpty());
}

TEST(Catalog, BuildMessageSubstitutesParameters) {
  const std::vector<QORUnicodeString> params = {"one", "\xC3\xA9t\xC3\xA9", "%1"};
  struct Case { const char* text; int nb; const char* built; } cases[] = {
      {"no parameter", 0, "no parameter"},
      {"%1 and %2, again %1", 2, "one and \xC3\xA9t\xC3\xA9, again one"},
      {"%3 is not expanded twice", 1, "%1 is not expanded twice"},
      {"100%% of %9, %0 and %x%", 1, "100% of %9, %0 and %x%"},
      {"%%1 is literal", 0, "%1 is literal"},
  };
  for (const auto& k : cases) {
    const QORMsg m(k.text);
    EXPECT_EQ(k.nb, m.GetNbParameters()) << k.text;
    EXPECT_EQ(k.built, m.BuildMessage(params).str()) << k.text;
  }
}

TEST(Catalog, MalformedTextNamesFileAndLine) {
  struct Case { const char* text; const char* error; } cases[] = {
      {"A = \"x\";\nB = \"abc;\nC = \"y\";\n", "t.catalog:2: unterminated string"},
      {"A = \"x\" \"abc", "t.catalog:1: unterminated string"},
      {"A \"x\";\n", "t.catalog:1: missing '=' after key A"},
      {"A = ;\n", "t.catalog:1: missing string after '=' for key A"},
      {"A = \"x\"\n\nB = \"y\";\n", "t.catalog:1: missing ';' after the value of A"},
      {"A = \"x\";\n// caf\xE9\n", "t.catalog:2: invalid UTF-8"},
      {"A = \"x\";\n\nB = \"\xC0\xAF\";\n", "t.catalog:3: invalid UTF-8"},
      {"A = \"\xC3\xB6\";\nB = \"ok \x9F here\";\n", "t.catalog:2: invalid UTF-8"},  // lone continuation
      {"A = \"x\";\nB = \"\xE6\x95\";\nC = \"y\";\n", "t.catalog:2: invalid UTF-8"},  // truncated sequence
      {"A = \"\xE0\x80\xAF\";\n", "t.catalog:1: invalid UTF-8"},  // overlong three-byte form
      {"A = \"x\";\nB = \"\\q\";\n", "t.catalog:2: bad escape \\q"},
      {"B = \"\\u12G4\";\n", "t.catalog:1: bad escape \\u (four hex digits expected)"},
      {"B = \"\\uD800x\";\n", "t.catalog:1: bad escape: lone surrogate"},
      {"B = \"\\u0000\";\n", "t.catalog:1: bad escape \\u0000"},
      {"A = \"x\";\nB = \"y\";\n\nA = \"z\";\n", "t.catalog:4: key A already defined at line 1"},
      {"\n = \"x\";\n", "t.catalog:2: empty key"},
      {"A = \"x\"; / comment\n", "t.catalog:1: unexpected character '/'"},
      {"A = \"x\";\n\xC3\xA9 = \"y\";\n", "t.catalog:2: unexpected character U+00E9"},
  };
  for (const auto& k : cases) {
    QORMsgCatalog c;
    ASSERT_EQ(1, load(c, "Old = \"kept?\";"));
    EXPECT_EQ(-1, load(c, k.text)) << k.text;
    EXPECT_EQ(k.error, std::string(c.GetError())) << k.text;
    EXPECT_EQ(0, c.GetCount()) << "a failed load leaves the catalog empty: " << k.text;
  }
}

// Lookup along TOLVEN_CATALOG_PATH, with the current directory as its empty entry.
TEST(Catalog, FilesAlongThePath) {
  char tmpl[] = "/tmp/tolven_catalog_XXXXXX";
  ASSERT_NE(nullptr, mkdtemp(tmpl));
  const fs::path dir = tmpl, a = dir / "a", b = dir / "b", oldCwd = fs::current_path();
  fs::create_directories(a);
  fs::create_directories(b);
  const auto write = [](const fs::path& p, const char* s) { std::ofstream(p, std::ios::binary) << s; };
  write(dir / "Gallery.catalog", "Where = \"cwd\";\n");
  write(b / "Gallery.catalog", "Where = \"b\";\n");
  write(b / "Only.catalog", "Where = \"only b\";\n");
  write(b / "Bad.catalog", "A = \"x\";\nB = \"y\"\n");
  write(b / "Huge.catalog", "");
  fs::resize_file(b / "Huge.catalog", 16u * 1024u * 1024u + 1);  // sparse: cheap to create
  fs::current_path(dir);
  const char* old = getenv("TOLVEN_CATALOG_PATH");
  const std::string oldEnv = old ? old : "";
  setenv("TOLVEN_CATALOG_PATH", (a.string() + "::" + b.string()).c_str(), 1);

  QORMsgCatalog c;
  EXPECT_EQ(1, c.LoadMsgCatalog("Gallery", nullptr)) << c.GetError();
  EXPECT_EQ("cwd", text(c, "Where"));
  EXPECT_EQ("Gallery.catalog", c.GetFileName());
  EXPECT_EQ(1, c.LoadMsgCatalog("Only", nullptr));
  EXPECT_EQ("only b", text(c, "Where"));
  // An explicit directory list replaces the environment.
  EXPECT_EQ(1, c.LoadMsgCatalog("Gallery", b.c_str()));
  EXPECT_EQ("b", text(c, "Where"));
  EXPECT_EQ(0, c.LoadMsgCatalog("Gallery", a.c_str()));
  EXPECT_STREQ("cannot find catalog Gallery.catalog", c.GetError());
  EXPECT_EQ(0, c.GetCount());
  EXPECT_EQ(-1, c.LoadMsgCatalog("Bad", nullptr));
  EXPECT_EQ(b.string() + "/Bad.catalog:2: missing ';' after the value of B", c.GetError());
  EXPECT_EQ(-1, c.LoadMsgCatalog("Huge", nullptr));
  EXPECT_EQ(b.string() + "/Huge.catalog: catalog larger than 16 MiB", c.GetError());
  const std::string big(16u * 1024u * 1024u + 1, ' ');
  EXPECT_EQ(-1, c.LoadFromText(big.data(), big.size(), "mem"));
  EXPECT_STREQ("mem: catalog larger than 16 MiB", c.GetError());

  fs::current_path(oldCwd);
  if (old) setenv("TOLVEN_CATALOG_PATH", oldEnv.c_str(), 1);
  else unsetenv("TOLVEN_CATALOG_PATH");
  fs::remove_all(dir);
}

}  // namespace
