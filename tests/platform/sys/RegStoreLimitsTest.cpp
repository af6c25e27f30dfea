// Limits of the registry store: hostile hive files, deep keys, many values.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/sys/RegStore.h"
#include "platform/sys/WinReg.h"
#include "tests/platform/sys/RegistryFixture.h"
#include "tests/support/ErrorOf.h"

using namespace win;
using regstore::TValue;

namespace {

// "k\k\k..." with `depth` names.
std::string Chain(size_t depth) {
  std::string p;
  for (size_t i = 0; i < depth; ++i) p += i ? "\\k" : "k";
  return p;
}

// A hive with one chain of keys `depth` levels deep, in the depth-and-name form.
std::string DeepHive(size_t depth) {
  std::string t = "ZYLREG 1\nK 0 :\n";
  for (size_t d = 1; d <= depth; ++d) t += "K " + std::to_string(d) + " :k\n";
  return t + "END " + std::to_string(depth + 1) + "\n";
}

// The same chain, each key named by its whole path (the older form).
std::string DeepHiveByPath(size_t depth) {
  std::string t = "ZYLREG 1\n";
  for (size_t d = 1; d <= depth; ++d) t += "K :" + Chain(d) + "\n";
  return t + "END " + std::to_string(depth) + "\n";
}

TValue Str(const std::string& s) { return TValue{REG_SZ, s + '\0'}; }

std::string Get(const std::string& key, const std::string& name) {
  TValue v;
  return regstore::QueryValue(HKEY_CURRENT_USER, key, name, v) == 0 ? v.Data : "<missing>";
}

class RegStoreLimits : public RegistryTest {};

// Every unparsable hive raises the store's error, for reads and writes, and stays as it is.
class CorruptHive : public RegistryTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(CorruptHive, IsRefusedAndKept) {
  WriteHive(GetParam());
  EXPECT_THROW(regstore::KeyExists(HKEY_CURRENT_USER, ""), regstore::EHiveCorrupt);
  EXPECT_THROW(regstore::CreateKey(HKEY_CURRENT_USER, "New", nullptr), regstore::EHiveCorrupt);
  HKEY k = nullptr;
  EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "", &k), regerr::kBadDb);
  EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "New", &k), regerr::kBadDb);
  EXPECT_EQ(HiveText(), GetParam());
  // Hives are independent: another root still works.
  EXPECT_EQ(regstore::CreateKey(HKEY_LOCAL_MACHINE, "Fine", nullptr), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CorruptHive,
    ::testing::Values("",                                        // empty file
                      "garbage\n",                               // no header
                      "ZYLREG 1 a b\nK :\nEND 1\n",             // a blank in the token
                      "ZYLREG 1\nK :\nV 1 :a s:x\n",             // truncated: no end marker
                      "ZYLREG 1\nK :\nEND 2\n",                  // wrong count
                      "ZYLREG 1\nV 1 :a s:x\nEND 1\n",           // value before a key
                      "ZYLREG 1\nK :\nV 1 :a s:%4\nEND 2\n",     // bad escape
                      "ZYLREG 1\nK :\nV 1 :a x:abc\nEND 2\n",    // odd hex
                      "ZYLREG 1\nK :\nV 4 :a d:99999999999\nEND 2\n",  // dword out of range
                      "ZYLREG 1\nK :\nEND 1\nK :B\n",            // text after the end
                      "ZYLREG 1\nK :\nQ 1\nEND 2\n",             // unknown record
                      "ZYLREG 1\nK :A\nK :a\nEND 2\n",           // key listed twice
                      "ZYLREG 1\n \n",                          // a line of blanks
                      "ZYLREG 1\nK 0 :\n \t \nEND 1\n",          // blanks and a tab
                      "ZYLREG 1\nK 0 :\n   \nEND 1\n",           // only blanks, mid-file
                      "ZYLREG 1\nK 0 :x\nEND 1\n",               // root with a name
                      "ZYLREG 1\nK 1 :\nEND 1\n",                // subkey without a name
                      "ZYLREG 1\nK 0 :\nK 2 :A\nEND 2\n",        // skips a level
                      "ZYLREG 1\nK 0 :\nK 1 :a\\b\nEND 2\n",     // a separator in a name
                      "ZYLREG 1\nK 0 :\nK x1 :A\nEND 2\n",       // depth not a number
                      "ZYLREG 1\nK 0 :\nK 99999 :A\nEND 2\n",    // depth far too large
                      "ZYLREG 1\nK 0 :\nK 1 :A\nK 1 :a\nEND 3\n",  // key listed twice
                      "ZYLREG 1\nK 0 :\nK 1 :A\nK :a\nEND 3\n",  // twice, in both forms
                      "ZYLREG 1\nK 0 :\nK 1 :A x\nEND 2\n",      // too many fields
                      "ZYLREG 1\nK 0 :\nV 1 :a s:x\nV 1 :A s:y\nEND 3\n"),  // value twice
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(RegStoreLimits, HivesWithKeysDeeperThan512LevelsAreRefused) {
  for (const std::string& text :
       {DeepHive(513), DeepHiveByPath(513), DeepHive(20000), DeepHiveByPath(1000)}) {
    WriteHive(text);
    EXPECT_THROW(regstore::KeyExists(HKEY_CURRENT_USER, ""), regstore::EHiveCorrupt);
    EXPECT_TRUE(HiveText() == text);  // kept; and no multi-megabyte message on failure
  }
}

TEST_F(RegStoreLimits, KeptRegressionInputsAreRefused) {
  const std::string text = testsupport::SourceFile("tests/fuzz/reghive/regress/blank-line.bin");
  ASSERT_EQ(text.size(), 11u);
  WriteHive(text);
  const std::string error = testsupport::ErrorOf<regstore::EHiveCorrupt>(
      [] { regstore::KeyExists(HKEY_CURRENT_USER, ""); });
  EXPECT_NE(error.find("corrupt at line 2"), std::string::npos) << error;
  EXPECT_STREQ(regstore::EHiveCorrupt("").ClassName(), "ERegistryException");
}

TEST_F(RegStoreLimits, KeysNestAtMost512Levels) {
  bool created = false;
  ASSERT_EQ(regstore::CreateKey(HKEY_CURRENT_USER, Chain(512), &created), 0);
  EXPECT_TRUE(created);
  EXPECT_EQ(regstore::SetValue(HKEY_CURRENT_USER, Chain(512), "v", Str("deep")), 0);
  HKEY k = nullptr;
  EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, Chain(513).c_str(), &k), regerr::kInvalidParameter);
  EXPECT_EQ(k, nullptr);
  // Relative to an open key the whole depth counts.
  ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, Chain(500).c_str(), &k), 0);
  EXPECT_EQ(regstore::CreateKey(k, Chain(13), nullptr), regerr::kInvalidParameter);
  EXPECT_EQ(regstore::CreateKey(k, Chain(12), nullptr), 0);
  RegCloseKey(k);
  EXPECT_EQ(regstore::KeyExists(HKEY_CURRENT_USER, Chain(513)), regerr::kFileNotFound);

  // One short line per key: the file grows with the depth, not with its square.
  const std::string text = HiveText();
  EXPECT_LT(text.size(), 513u * 16 + 200);
  // Read back from the file (rewriting it drops the loaded tree).
  WriteHive(text);
  EXPECT_EQ(Get(Chain(512), "v"), std::string("deep\0", 5));
  // A copy that would reach below the limit is refused; a shallow one works.
  EXPECT_EQ(regstore::CopyKey(HKEY_CURRENT_USER, "k\\k", "other\\k\\k", false),
            regerr::kInvalidParameter);
  EXPECT_EQ(regstore::CopyKey(HKEY_CURRENT_USER, Chain(500), "other", false), 0);
  EXPECT_EQ(regstore::KeyExists(HKEY_CURRENT_USER, "other\\" + Chain(12)), 0);
  EXPECT_EQ(regstore::DeleteKey(HKEY_CURRENT_USER, "k", true), 0);
  EXPECT_EQ(regstore::KeyExists(HKEY_CURRENT_USER, "k"), regerr::kFileNotFound);
}

TEST_F(RegStoreLimits, OlderFilesNamingWholePathsAreRead) {
  WriteHive(DeepHiveByPath(512));
  EXPECT_EQ(regstore::KeyExists(HKEY_CURRENT_USER, Chain(512)), 0);
  // A key may come without its parents; the first save writes the depth-and-name form.
  WriteHive("ZYLREG 1\nK :A\\B\nV 1 :v s:x\nEND 2\n");
  EXPECT_EQ(Get("a\\b", "v"), std::string("x\0", 2));
  EXPECT_EQ(regstore::SetValue(HKEY_CURRENT_USER, "A", "w", Str("y")), 0);
  const std::string text = HiveText();
  EXPECT_EQ(text.substr(text.find('\n') + 1),
            "K 0 :\nK 1 :A\nV 1 :w s:y\nK 2 :B\nV 1 :v s:x\nEND 5\n");
}

// Many values in one key: lookups by name stay right after deletes and renames.
TEST_F(RegStoreLimits, ValueIndexFollowsDeletesAndRenames) {
  ASSERT_EQ(regstore::CreateKey(HKEY_CURRENT_USER, "K", nullptr), 0);
  for (const char* n : {"a", "b", "c", "d", "e"})
    ASSERT_EQ(regstore::SetValue(HKEY_CURRENT_USER, "K", n, Str(std::string(n) + "1")), 0);
  HKEY k = nullptr;
  ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "K", &k), 0);
  EXPECT_EQ(regstore::DeleteValue(k, "", "B"), 0);
  EXPECT_EQ(regstore::RenameValue(k, "d", "X"), 0);
  EXPECT_EQ(regstore::RenameValue(k, "c", "E"), regerr::kAccessDenied);  // taken
  EXPECT_EQ(regstore::RenameValue(k, "e", "E"), 0);                      // case only
  EXPECT_EQ(regstore::SetValue(k, "", "c", Str("c2")), 0);
  EXPECT_EQ(regstore::SetValue(k, "", "b", Str("b2")), 0);
  RegCloseKey(k);
  const struct {
    const char* name;
    const char* data;
  } expected[] = {{"A", "a1"}, {"b", "b2"}, {"C", "c2"}, {"x", "d1"}, {"d", nullptr}, {"e", "e1"}};
  for (int pass = 0; pass < 2; ++pass) {  // from the loaded tree, then from the file
    for (const auto& e : expected)
      EXPECT_EQ(Get("K", e.name), e.data ? std::string(e.data) + '\0' : "<missing>") << e.name;
    std::vector<std::string> names;
    ASSERT_EQ(regstore::ValueNames(HKEY_CURRENT_USER, "K", names), 0);
    EXPECT_EQ(names, (std::vector<std::string>{"a", "c", "X", "E", "b"}));
    WriteHive(HiveText());
  }
}

// A write starts from the file as another writer left it, not from the loaded tree.
TEST_F(RegStoreLimits, WritesKeepAnotherWritersChanges) {
  ASSERT_EQ(regstore::SetValue(HKEY_CURRENT_USER, "", "mine", Str("1")), 0);
  WriteHive("ZYLREG 1 other-1\nK 0 :\nV 1 :theirs s:2\nEND 2\n");
  ASSERT_EQ(regstore::SetValue(HKEY_CURRENT_USER, "", "mine", Str("3")), 0);
  EXPECT_EQ(Get("", "theirs"), std::string("2\0", 2));
  EXPECT_EQ(Get("", "mine"), std::string("3\0", 2));
  EXPECT_NE(HiveText().find("V 1 :theirs s:2\n"), std::string::npos);
}

// A hive file the store cannot take is refused with a message naming it, and left as it is.
TEST_F(RegStoreLimits, UnreadableHivesRaiseTheirReason) {
  struct TCase {
    const char* What;
    void (*Make)(const std::string& file);
    const char* Message;  // with %s for the hive's file name
  };
  const TCase cases[] = {
      {"a folder", [](const std::string& f) { std::filesystem::create_directories(f); },
       "Registry hive '%s' is not a file"},
      {"over 64 MiB",
       [](const std::string& f) {
         std::ofstream(f, std::ios::binary) << "ZYLREG 1\n";
         std::filesystem::resize_file(f, 64u * 1024 * 1024 + 1);  // sparse: nothing is written
       },
       "Registry hive '%s' is too large"},
  };
  for (const TCase& c : cases) {
    const std::string file = folder_ + "/HKEY_LOCAL_MACHINE.hive";
    std::filesystem::remove_all(file);
    std::filesystem::create_directories(folder_);
    c.Make(file);
    std::string expected = c.Message;
    expected.replace(expected.find("%s"), 2, file);
    EXPECT_EQ(testsupport::ErrorOf<vcl::ERegistryException>(
                  [] { regstore::KeyExists(HKEY_LOCAL_MACHINE, ""); }),
              expected)
        << c.What;
    HKEY k = nullptr;
    EXPECT_NE(RegCreateKeyA(HKEY_LOCAL_MACHINE, "New", &k), 0) << c.What;
    EXPECT_EQ(std::filesystem::is_directory(file), std::string(c.What) == "a folder") << c.What;
    // The other hives are untouched by the failure.
    EXPECT_EQ(regstore::CreateKey(HKEY_CURRENT_USER, "Fine", nullptr), 0) << c.What;
  }
}

}  // namespace
