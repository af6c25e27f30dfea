#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/classes/StringList.h"
#include "platform/sys/Registry.h"
#include "tests/platform/sys/RegistryFixture.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/StringItems.h"

using namespace vcl;
using Strs = std::vector<std::string>;

namespace {

using testsupport::Items;

std::string ErrorOf(const std::function<void()>& f) {
  return testsupport::ErrorOf<ERegistryException>(f);
}

TEST_F(RegistryTest, EveryValueTypeRoundTrips) {
  TRegistry reg;
  EXPECT_EQ(reg.RootKey(), win::HKEY_CURRENT_USER);
  ASSERT_TRUE(reg.OpenKey("Software\\Test", true));
  reg.WriteString("Str", "text");
  reg.WriteExpandString("Exp", "%HOME%\\x");
  reg.WriteInteger("Int", -42);
  reg.WriteBool("Yes", true);
  reg.WriteBool("No", false);
  reg.WriteFloat("Flt", 3.25);
  reg.WriteDateTime("When", 36526.5);
  reg.WriteCurrency("Money", Currency::FromScaled(-123456789));
  const unsigned char bytes[] = {1, 0, 255, 7};
  reg.WriteBinaryData("Bin", bytes, sizeof bytes);

  EXPECT_EQ(reg.ReadString("str"), "text");
  EXPECT_EQ(reg.ReadString("Exp"), "%HOME%\\x");
  EXPECT_EQ(reg.ReadInteger("INT"), -42);
  EXPECT_TRUE(reg.ReadBool("Yes"));
  EXPECT_FALSE(reg.ReadBool("No"));
  EXPECT_EQ(reg.ReadFloat("Flt"), 3.25);
  EXPECT_EQ(reg.ReadDateTime("When"), 36526.5);
  EXPECT_EQ(reg.ReadCurrency("Money").Value, -123456789);
  unsigned char got[8] = {};
  EXPECT_EQ(reg.ReadBinaryData("Bin", got, sizeof got), 4);
  EXPECT_EQ(0, std::memcmp(got, bytes, 4));

  const struct {
    const char* name;
    TRegDataType type;
    int size;
  } kinds[] = {{"Str", rdString, 5},  // with the terminating zero
               {"Exp", rdExpandString, 9}, {"Int", rdInteger, 4}, {"Flt", rdBinary, 8},
               {"Money", rdBinary, 8},      {"Missing", rdUnknown, -1}};
  for (const auto& k : kinds) {
    EXPECT_EQ(reg.GetDataType(k.name), k.type) << k.name;
    EXPECT_EQ(reg.GetDataSize(k.name), k.size) << k.name;
  }
  EXPECT_EQ(reg.ValueNames(), (Strs{"Str", "Exp", "Int", "Yes", "No", "Flt", "When", "Money", "Bin"}));
  // Overwriting may change the type.
  reg.WriteInteger("Str", 7);
  EXPECT_EQ(reg.GetDataType("Str"), rdInteger);
}

TEST_F(RegistryTest, MissingValuesAndWrongTypes) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("T", true));
  reg.WriteString("Short", "ab");
  reg.WriteString("Long", "a longer text");
  reg.WriteInteger("Int", 5);
  reg.WriteString("Empty", "");

  EXPECT_EQ(reg.ReadString("Missing"), "");
  EXPECT_EQ(reg.ReadString("Empty"), "");
  EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
  EXPECT_EQ(ErrorOf([&] { reg.ReadBool("Missing"); }), "Failed to get data for 'Missing'");
  EXPECT_EQ(ErrorOf([&] { reg.ReadFloat("Missing"); }), "Failed to get data for 'Missing'");
  unsigned char buf[4];
  EXPECT_EQ(reg.ReadBinaryData("Missing", buf, 4), 0);

  EXPECT_EQ(ErrorOf([&] { reg.ReadString("Int"); }), "Invalid data type for 'Int'");
  EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Short"); }), "Invalid data type for 'Short'");
  // A value longer than the type does not even fit the buffer.
  EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Long"); }), "Failed to get data for 'Long'");
  EXPECT_EQ(ErrorOf([&] { reg.ReadFloat("Int"); }), "Invalid data type for 'Int'");
  EXPECT_EQ(ErrorOf([&] { reg.ReadBinaryData("Short", buf, 4); }), "Invalid data type for 'Short'");
  const unsigned char six[6] = {};
  reg.WriteBinaryData("Six", six, 6);
  EXPECT_EQ(ErrorOf([&] { reg.ReadBinaryData("Six", buf, 4); }), "Invalid data type for 'Six'");
  EXPECT_EQ(ErrorOf([&] { reg.ReadFloat("Six"); }), "Invalid data type for 'Six'");
  EXPECT_EQ(ErrorOf([&] { reg.ReadCurrency("Int"); }), "Invalid data type for 'Int'");
}

TEST_F(RegistryTest, KeyTreesRelativeAndAbsolutePaths) {
  TRegistry reg;
  EXPECT_EQ(reg.CurrentKey(), nullptr);
  EXPECT_FALSE(reg.OpenKey("Software\\Vendor", false));
  ASSERT_TRUE(reg.OpenKey("\\Software\\Vendor", true));
  EXPECT_EQ(reg.CurrentPath(), "Software\\Vendor");
  ASSERT_TRUE(reg.OpenKey("Product\\1.0", true));  // relative to the current key
  EXPECT_EQ(reg.CurrentPath(), "Software\\Vendor\\Product\\1.0");
  EXPECT_TRUE(reg.KeyExists("\\SOFTWARE\\vendor\\product"));
  EXPECT_FALSE(reg.KeyExists("Product"));  // relative: below 1.0
  // CreateKey leaves the current key as it is.
  EXPECT_TRUE(reg.CreateKey("Sub B"));
  EXPECT_TRUE(reg.CreateKey("sub a"));
  EXPECT_TRUE(reg.CreateKey("Sub A"));
  EXPECT_EQ(reg.CurrentPath(), "Software\\Vendor\\Product\\1.0");
  EXPECT_EQ(reg.KeyNames(), (Strs{"sub a", "Sub B"}));
  EXPECT_TRUE(reg.HasSubKeys());
  TRegKeyInfo info;
  ASSERT_TRUE(reg.GetKeyInfo(info));
  EXPECT_EQ(info.NumSubKeys, 2);
  EXPECT_EQ(info.MaxSubKeyLen, 5);
  // A failed open keeps the current key.
  EXPECT_FALSE(reg.OpenKey("\\Nowhere", false));
  EXPECT_EQ(reg.CurrentPath(), "Software\\Vendor\\Product\\1.0");
  // Opening "" opens the current key again.
  EXPECT_TRUE(reg.OpenKey("", false));
  EXPECT_EQ(reg.CurrentPath(), "Software\\Vendor\\Product\\1.0");

  reg.CloseKey();
  EXPECT_EQ(reg.CurrentKey(), nullptr);
  EXPECT_EQ(reg.CurrentPath(), "");
  EXPECT_TRUE(reg.KeyExists("Software\\Vendor\\Product\\1.0\\Sub B"));
  EXPECT_FALSE(reg.HasSubKeys());
  EXPECT_TRUE(reg.KeyNames().empty());
}

TEST_F(RegistryTest, DeleteKeyIsRecursiveAndValuesDelete) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("\\Tree\\A\\B\\C", true));
  reg.WriteString("v", "1");
  ASSERT_TRUE(reg.OpenKey("\\Tree", false));
  reg.WriteString("keep", "1");
  EXPECT_TRUE(reg.DeleteKey("a"));
  EXPECT_FALSE(reg.KeyExists("A"));
  EXPECT_FALSE(reg.KeyExists("\\Tree\\A\\B\\C"));
  EXPECT_FALSE(reg.DeleteKey("A"));
  EXPECT_FALSE(reg.DeleteKey("\\"));  // the root stays
  EXPECT_TRUE(reg.ValueExists("KEEP"));
  EXPECT_TRUE(reg.DeleteValue("Keep"));
  EXPECT_FALSE(reg.DeleteValue("Keep"));
  EXPECT_FALSE(reg.ValueExists("keep"));
  // Deleting the current key itself leaves a key that answers nothing.
  ASSERT_TRUE(reg.OpenKey("\\Gone", true));
  EXPECT_TRUE(reg.DeleteKey("\\Gone"));
  EXPECT_EQ(ErrorOf([&] { reg.WriteString("x", "y"); }), "Failed to set data for 'x'");
  EXPECT_FALSE(reg.ValueExists("x"));
}

TEST_F(RegistryTest, WritesNeedAnOpenWritableKey) {
  TRegistry reg;
  EXPECT_EQ(ErrorOf([&] { reg.WriteString("x", "y"); }), "Failed to set data for 'x'");
  EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("x"); }), "Failed to get data for 'x'");
  EXPECT_FALSE(reg.ValueExists("x"));
  ASSERT_TRUE(reg.OpenKey("RO", true));
  reg.WriteString("x", "y");
  ASSERT_TRUE(reg.OpenKeyReadOnly("\\RO"));
  EXPECT_EQ(reg.Access(), win::KEY_READ);
  EXPECT_EQ(reg.ReadString("x"), "y");
  EXPECT_EQ(ErrorOf([&] { reg.WriteInteger("n", 1); }), "Failed to set data for 'n'");
  EXPECT_FALSE(reg.DeleteValue("x"));
  EXPECT_TRUE(reg.ValueExists("x"));
  EXPECT_FALSE(reg.OpenKeyReadOnly("\\Missing"));
}

TEST_F(RegistryTest, RootsAreSeparateHivesAndChangingRootClosesTheKey) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Shared", true));
  reg.WriteString("who", "user");
  reg.SetRootKey(win::HKEY_LOCAL_MACHINE);
  EXPECT_EQ(reg.CurrentKey(), nullptr);
  EXPECT_FALSE(reg.KeyExists("Shared"));
  ASSERT_TRUE(reg.OpenKey("Shared", true));
  reg.WriteString("who", "machine");
  reg.SetRootKey(win::HKEY_CLASSES_ROOT);
  ASSERT_TRUE(reg.OpenKey(".txt", true));
  reg.WriteString("", "txtfile");
  reg.SetRootKey(win::HKEY_CURRENT_USER);
  ASSERT_TRUE(reg.OpenKey("Shared", false));
  EXPECT_EQ(reg.ReadString("who"), "user");
  EXPECT_NE(HiveText("HKEY_LOCAL_MACHINE").find("s:machine"), std::string::npos);
  EXPECT_NE(HiveText("HKEY_CLASSES_ROOT").find("K 1 :.txt\nV 1 : s:txtfile\n"), std::string::npos);
}

TEST_F(RegistryTest, ValuesPersistAcrossInstancesWithTheirCase) {
  {
    TRegistry a;
    ASSERT_TRUE(a.OpenKey("Software\\MixedCase", true));
    a.WriteInteger("Count", 3);
    a.WriteString("Name", "x");
  }
  TRegistry b;
  ASSERT_TRUE(b.OpenKey("SOFTWARE\\mixedcase", false));
  EXPECT_EQ(b.ReadInteger("count"), 3);
  ASSERT_TRUE(b.OpenKey("\\software", false));
  EXPECT_EQ(b.KeyNames(), (Strs{"MixedCase"}));
  // A second instance sees changes the first makes after it opened its key.
  TRegistry c;
  ASSERT_TRUE(c.OpenKey("\\Software\\MixedCase", false));
  TRegistry d;
  ASSERT_TRUE(d.OpenKey("\\Software\\MixedCase", false));
  d.WriteString("Name", "changed");
  EXPECT_EQ(c.ReadString("NAME"), "changed");
}

TEST_F(RegistryTest, MoveKeyAndRenameValue) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("\\Old\\Inner", true));
  reg.WriteString("v", "1");
  reg.WriteString("w", "2");
  reg.RenameValue("V", "Renamed");
  reg.RenameValue("w", "Renamed");  // the new name is taken: nothing happens
  EXPECT_EQ(reg.ValueNames(), (Strs{"Renamed", "w"}));
  reg.CloseKey();
  reg.MoveKey("Old", "New", false);
  EXPECT_TRUE(reg.KeyExists("Old\\Inner"));
  EXPECT_TRUE(reg.KeyExists("New\\Inner"));
  reg.MoveKey("Old", "Newer", true);
  EXPECT_FALSE(reg.KeyExists("Old"));
  ASSERT_TRUE(reg.OpenKey("Newer\\Inner", false));
  EXPECT_EQ(reg.ReadString("Renamed"), "1");
}

TEST_F(RegistryTest, CorruptHiveRaisesAClearErrorAndIsKept) {
  {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Fine", true));
  }
  const std::string bad = "ZYLREG 1\nK :\nK :Fine\nV 1 :x s:ok\n";  // end marker missing
  WriteHive(bad);
  TRegistry reg;
  const std::string msg = ErrorOf([&] { reg.OpenKey("Fine", false); });
  EXPECT_NE(msg.find("HKEY_CURRENT_USER.hive' is corrupt"), std::string::npos) << msg;
  EXPECT_NE(msg.find("truncated"), std::string::npos) << msg;
  EXPECT_NE(ErrorOf([&] { reg.OpenKey("Other", true); }), "<no error>");
  EXPECT_EQ(HiveText(), bad);
  // Binary junk is refused the same way.
  WriteHive(std::string("\x00\x01\x02garbage\xff", 11));
  EXPECT_NE(ErrorOf([&] { reg.KeyExists("Fine"); }), "<no error>");
}

TEST_F(RegistryTest, ConcurrentThreadsLoseNothing) {
  constexpr int kThreads = 4, kValues = 15;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([t] {
      TRegistry reg;
      if (!reg.OpenKey("Concurrent", true)) return;
      for (int i = 0; i < kValues; ++i)
        reg.WriteInteger("t" + std::to_string(t) + "_" + std::to_string(i), t * 100 + i);
    });
  for (auto& th : threads) th.join();
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Concurrent", false));
  EXPECT_EQ(reg.ValueNames().size(), static_cast<size_t>(kThreads * kValues));
  for (int t = 0; t < kThreads; ++t)
    for (int i = 0; i < kValues; ++i)
      EXPECT_EQ(reg.ReadInteger("T" + std::to_string(t) + "_" + std::to_string(i)), t * 100 + i);
}

TEST_F(RegistryTest, ConcurrentProcessesLoseNothing) {
  constexpr int kProcs = 3, kValues = 15;
  {
    TRegistry reg;  // the parent has the hive cached before the children write
    ASSERT_TRUE(reg.OpenKey("Forked", true));
    reg.WriteString("parent", "1");
  }
  std::vector<pid_t> kids;
  for (int p = 0; p < kProcs; ++p) {
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      int rc = 0;
      try {
        TRegistry reg;
        if (!reg.OpenKey("Forked\\P" + std::to_string(p), true)) rc = 2;
        for (int i = 0; i < kValues && rc == 0; ++i) {
          reg.WriteInteger("v" + std::to_string(i), p * 1000 + i);
          TRegistry shared;
          if (shared.OpenKey("\\Forked", false))
            shared.WriteString("p" + std::to_string(p) + "_" + std::to_string(i), "x");
        }
      } catch (...) {
        rc = 3;
      }
      _exit(rc);
    }
    kids.push_back(pid);
  }
  // The parent writes meanwhile, from the tree it loaded before the children changed the file.
  for (int i = 0; i < kValues; ++i) {
    TRegistry shared;
    ASSERT_TRUE(shared.OpenKey("Forked", false));
    shared.WriteString("parent" + std::to_string(i), "y");
  }
  for (pid_t pid : kids) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Forked", false));
  EXPECT_EQ(reg.KeyNames(), (Strs{"P0", "P1", "P2"}));
  EXPECT_EQ(reg.ValueNames().size(), static_cast<size_t>(1 + (kProcs + 1) * kValues));
  for (int p = 0; p < kProcs; ++p) {
    ASSERT_TRUE(reg.OpenKey("\\Forked\\P" + std::to_string(p), false));
    for (int i = 0; i < kValues; ++i) EXPECT_EQ(reg.ReadInteger("v" + std::to_string(i)), p * 1000 + i);
  }
}

TEST_F(RegistryTest, RegIniFileMapsSectionsToSubkeysAndStoresNumbersAsText) {
  {
    TRegIniFile ini("Software\\Vendor\\App");
    EXPECT_EQ(ini.FileName(), "Software\\Vendor\\App");
    EXPECT_EQ(ini.CurrentPath(), "Software\\Vendor\\App");
    ini.WriteString("Paths", "Last", "C:\\data");
    ini.WriteInteger("Shared", "EditorOptionsQX", 15);
    ini.WriteBool("Shared", "Flag", true);
    ini.WriteBool("Shared", "Off", false);
    ini.WriteString("", "Top", "at the key");
  }
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Software\\Vendor\\App\\Shared", false));
  EXPECT_EQ(reg.GetDataType("EditorOptionsQX"), rdString);
  EXPECT_EQ(reg.ReadString("EditorOptionsQX"), "15");
  EXPECT_EQ(reg.ReadString("Flag"), "1");
  EXPECT_EQ(reg.ReadString("Off"), "0");
  reg.WriteInteger("Dword", 99);
  reg.WriteString("Junk", "12abc");

  TRegIniFile ini("Software\\Vendor\\App");
  EXPECT_EQ(ini.ReadString("PATHS", "last", "?"), "C:\\data");
  EXPECT_EQ(ini.ReadString("", "Top", "?"), "at the key");
  EXPECT_EQ(ini.ReadInteger("Shared", "EditorOptionsQX", 7), 15);
  EXPECT_EQ(ini.ReadInteger("Shared", "Dword", 7), 99);   // DWORD values read too
  EXPECT_EQ(ini.ReadInteger("Shared", "Junk", 7), 7);     // bad text gives the default
  EXPECT_EQ(ini.ReadInteger("Shared", "Missing", 7), 7);
  EXPECT_EQ(ini.ReadInteger("NoSection", "x", -1), -1);
  EXPECT_TRUE(ini.ReadBool("Shared", "Flag", false));
  EXPECT_FALSE(ini.ReadBool("Shared", "Off", true));
  EXPECT_TRUE(ini.ReadBool("Shared", "Missing", true));
  EXPECT_EQ(ini.ReadString("NoSection", "x", "def"), "def");
  EXPECT_FALSE(ini.KeyExists("NoSection"));  // reading creates nothing

  ini.DeleteKey("Shared", "Flag");
  EXPECT_TRUE(ini.ReadBool("Shared", "Flag", true));
  ini.EraseSection("Paths");
  EXPECT_EQ(ini.ReadString("Paths", "Last", "gone"), "gone");
  EXPECT_FALSE(ini.KeyExists("Paths"));
  EXPECT_EQ(ini.KeyNames(), (Strs{"Shared"}));
}

}  // namespace

namespace {

TEST_F(RegistryTest, NameListsFillStrings) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Lists", true));
  reg.CreateKey("beta");
  reg.CreateKey("Alpha");
  reg.WriteString("z", "1");
  reg.WriteString("a", "2");
  TStringList list;
  list.Add("stale");
  reg.GetKeyNames(&list);
  EXPECT_EQ(Items(list), (Strs{"Alpha", "beta"}));
  reg.GetValueNames(&list);
  EXPECT_EQ(Items(list), (Strs{"z", "a"}));
  reg.CloseKey();
  reg.GetValueNames(&list);  // no key: an empty list
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(RegistryTest, RegIniFileSectionLists) {
  TRegIniFile ini("\\Software\\Lists");
  ini.WriteString("Custom Colors", "ColorA", "FFFFFF");
  ini.WriteInteger("Custom Colors", "ColorB", 255);
  ini.WriteString("Other", "x", "1");
  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(Items(list), (Strs{"Custom Colors", "Other"}));
  ini.ReadSection("custom colors", &list);
  EXPECT_EQ(Items(list), (Strs{"ColorA", "ColorB"}));
  ini.ReadSectionValues("Custom Colors", &list);
  EXPECT_EQ(Items(list), (Strs{"ColorA=FFFFFF", "ColorB=255"}));
  ini.ReadSectionValues("Missing", &list);
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
