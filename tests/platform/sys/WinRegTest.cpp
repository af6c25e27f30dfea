#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "platform/sys/RegStore.h"
#include "platform/sys/WinReg.h"
#include "tests/platform/sys/RegistryFixture.h"

using namespace win;

namespace {

class WinRegTest : public RegistryTest {};

LONG SetStr(HKEY k, const char* name, const std::string& s) {
  return RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(s.c_str()),
                        static_cast<DWORD>(s.size() + 1));
}

std::string GetStr(HKEY k, const char* name) {
  char buf[256];
  DWORD size = sizeof buf, type = 0;
  if (RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) != 0)
    return "<missing>";
  return std::string(buf, size ? size - 1 : 0);
}

TEST_F(WinRegTest, CreateOpenAndDisposition) {
  HKEY k = nullptr;
  DWORD disp = 0;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Test", 0, KEY_READ, &k), regerr::kFileNotFound);
  EXPECT_EQ(k, nullptr);
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Test", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &k, &disp), regerr::kSuccess);
  EXPECT_EQ(disp, REG_CREATED_NEW_KEY);
  RegCloseKey(k);
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\test", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &k, &disp), regerr::kSuccess);
  EXPECT_EQ(disp, REG_OPENED_EXISTING_KEY);
  RegCloseKey(k);
  // The case of creation is kept for display.
  HKEY sw;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "software", 0, KEY_READ, &sw), 0);
  char name[64];
  DWORD cch = sizeof name;
  ASSERT_EQ(RegEnumKeyExA(sw, 0, name, &cch, nullptr, nullptr, nullptr, nullptr), 0);
  EXPECT_STREQ(name, "Test");
  EXPECT_EQ(cch, 4u);
  cch = sizeof name;
  EXPECT_EQ(RegEnumKeyExA(sw, 1, name, &cch, nullptr, nullptr, nullptr, nullptr), regerr::kNoMoreItems);
  RegCloseKey(sw);
  EXPECT_EQ(RegCloseKey(sw), regerr::kInvalidHandle);
}

TEST_F(WinRegTest, ValuesRoundTripWithSizeProtocol) {
  HKEY k;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "V", &k), 0);
  EXPECT_EQ(SetStr(k, "Name", "hello world"), 0);
  DWORD dw = 0xDEADBEEF;
  EXPECT_EQ(RegSetValueExA(k, "Num", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dw), 4), 0);
  const BYTE bin[] = {0, 1, 2, 0x25, 0xFF};
  EXPECT_EQ(RegSetValueExA(k, "", 0, REG_BINARY, bin, sizeof bin), 0);

  EXPECT_EQ(GetStr(k, "NAME"), "hello world");
  DWORD type = 0, size = 0;
  // Size query without a buffer, then a buffer that is too small.
  ASSERT_EQ(RegQueryValueExA(k, "Num", nullptr, &type, nullptr, &size), 0);
  EXPECT_EQ(type, REG_DWORD);
  EXPECT_EQ(size, 4u);
  BYTE small[2];
  size = sizeof small;
  EXPECT_EQ(RegQueryValueExA(k, "", nullptr, &type, small, &size), regerr::kMoreData);
  EXPECT_EQ(size, 5u);
  BYTE got[8];
  size = sizeof got;
  ASSERT_EQ(RegQueryValueExA(k, nullptr, nullptr, &type, got, &size), 0);
  EXPECT_EQ(type, REG_BINARY);
  EXPECT_EQ(0, std::memcmp(got, bin, 5));

  // Values enumerate in creation order.
  char name[32];
  DWORD cch = sizeof name;
  ASSERT_EQ(RegEnumValueA(k, 1, name, &cch, nullptr, &type, nullptr, nullptr), 0);
  EXPECT_STREQ(name, "Num");
  DWORD subKeys = 9, values = 0, maxName = 0, maxData = 0;
  ASSERT_EQ(RegQueryInfoKeyA(k, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                             &maxName, &maxData, nullptr, nullptr), 0);
  EXPECT_EQ(subKeys, 0u);
  EXPECT_EQ(values, 3u);
  EXPECT_EQ(maxName, 4u);
  EXPECT_EQ(maxData, 12u);

  EXPECT_EQ(RegDeleteValueA(k, "name"), 0);
  EXPECT_EQ(RegDeleteValueA(k, "name"), regerr::kFileNotFound);
  EXPECT_EQ(GetStr(k, "Name"), "<missing>");
  RegCloseKey(k);
}

TEST_F(WinRegTest, DeleteKeyRefusesSubkeysAndStaleHandlesAnswerKeyDeleted) {
  HKEY a, b;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "A\\B", &b), 0);
  ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "A", &a), 0);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "A"), regerr::kAccessDenied);
  EXPECT_EQ(RegDeleteKeyA(a, "B"), 0);
  EXPECT_EQ(SetStr(b, "x", "y"), regerr::kKeyDeleted);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "A"), 0);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "A"), regerr::kFileNotFound);
  RegCloseKey(a);
  RegCloseKey(b);
}

TEST_F(WinRegTest, ReadOnlyHandlesCannotWrite) {
  HKEY k;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "RO", &k), 0);
  RegCloseKey(k);
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "RO", 0, KEY_READ, &k), 0);
  EXPECT_EQ(SetStr(k, "x", "y"), regerr::kAccessDenied);
  HKEY sub;
  EXPECT_EQ(RegCreateKeyExA(k, "Sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
            regerr::kAccessDenied);
  RegCloseKey(k);
}

TEST_F(WinRegTest, HiveFileIsReadableTextAndRoundTripsOddNames) {
  HKEY k;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Odd key%\\Sub", &k), 0);
  EXPECT_EQ(SetStr(k, "name with blanks=%", "line1\r\nline2\t\x80"), 0);
  const BYTE noTerm[] = {'a', 'b'};
  EXPECT_EQ(RegSetValueExA(k, "raw", 0, REG_SZ, noTerm, 2), 0);
  EXPECT_EQ(RegSetValueExA(k, "empty", 0, REG_BINARY, nullptr, 0), 0);
  RegCloseKey(k);
  EXPECT_EQ(regstore::HiveFile(HKEY_CURRENT_USER), folder_ + "/HKEY_CURRENT_USER.hive");
  EXPECT_EQ(regstore::HiveFile(reinterpret_cast<HKEY>(uintptr_t{0x1234})), "");
  const std::string text = HiveText();
  EXPECT_EQ(text.rfind("ZYLREG 1 ", 0), 0u);  // then the save token
  EXPECT_NE(text.find("K 1 :Odd%20key%25\nK 2 :Sub\n"), std::string::npos);
  EXPECT_NE(text.find("V 1 :raw x:6162\n"), std::string::npos);

  // A fresh read of the file (the cache is bypassed by rewriting it) gives the same data.
  WriteHive(text);
  ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "odd KEY%\\sub", &k), 0);
  EXPECT_EQ(GetStr(k, "Name with blanks=%"), "line1\r\nline2\t\x80");
  DWORD size = 16, type = 0;
  BYTE buf[16];
  ASSERT_EQ(RegQueryValueExA(k, "raw", nullptr, &type, buf, &size), 0);
  EXPECT_EQ(size, 2u);
  ASSERT_EQ(RegQueryValueExA(k, "empty", nullptr, &type, buf, &size), 0);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(type, REG_BINARY);
  RegCloseKey(k);
}

TEST_F(WinRegTest, MutatedHiveFilesNeverCrash) {
  HKEY k;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Fuzz\\Sub key", &k), 0);
  EXPECT_EQ(SetStr(k, "name", "some text"), 0);
  DWORD dw = 7;
  EXPECT_EQ(RegSetValueExA(k, "n", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dw), 4), 0);
  RegCloseKey(k);
  const std::string good = HiveText();
  std::mt19937 rng(12345);
  int parsed = 0, refused = 0;
  for (int round = 0; round < 300; ++round) {
    std::string text = good;
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits; ++e) {
      const size_t at = rng() % text.size();
      switch (rng() % 3) {
        case 0: text[at] = static_cast<char>(rng() % 256); break;
        case 1: text.erase(at, 1 + rng() % 8); break;
        default: text.insert(at, 1, static_cast<char>(rng() % 256)); break;
      }
      if (text.empty()) text = "x";
    }
    WriteHive(text);
    const LONG rc = RegOpenKeyA(HKEY_CURRENT_USER, "Fuzz\\Sub key", &k);
    if (rc == regerr::kBadDb) {
      ++refused;
      EXPECT_EQ(HiveText(), text);  // a refused file is never rewritten
    } else {
      ++parsed;
      if (rc == 0) {
        char buf[64];
        DWORD size = sizeof buf;
        RegQueryValueExA(k, "name", nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &size);
        RegCloseKey(k);
      }
    }
  }
  EXPECT_GT(refused, 200);  // almost every change is caught (the end marker counts records)
  EXPECT_EQ(parsed + refused, 300);
}

TEST_F(WinRegTest, ChangesByAnotherWriterAreSeen) {
  HKEY k;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "S", &k), 0);
  EXPECT_EQ(SetStr(k, "v", "1"), 0);
  EXPECT_EQ(GetStr(k, "v"), "1");
  // Another process replaced the file: the next read reloads it.
  WriteHive("ZYLREG 1\nK :\nK :S\nV 1 :v s:two\nEND 3\n");
  EXPECT_EQ(GetStr(k, "v"), "two");
  // Rewritten in place with the same size (and, likely, the same time stamp): still seen.
  WriteHive("ZYLREG 1\nK :\nK :S\nV 1 :v s:six\nEND 3\n");
  EXPECT_EQ(GetStr(k, "v"), "six");
  // Every save writes a new token into the header.
  EXPECT_EQ(SetStr(k, "v", "x"), 0);
  const std::string first = HiveText().substr(0, HiveText().find('\n'));
  EXPECT_EQ(SetStr(k, "v", "y"), 0);
  const std::string second = HiveText().substr(0, HiveText().find('\n'));
  EXPECT_GT(first.size(), 10u);
  EXPECT_NE(first, second);
  RegCloseKey(k);
}

TEST_F(WinRegTest, CopyKeyMovesTrees) {
  HKEY k;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "From\\Deep", &k), 0);
  EXPECT_EQ(SetStr(k, "v", "x"), 0);
  RegCloseKey(k);
  EXPECT_EQ(regstore::CopyKey(HKEY_CURRENT_USER, "From", "From\\Deep\\Inner", true),
            regerr::kInvalidParameter);
  EXPECT_EQ(regstore::CopyKey(HKEY_CURRENT_USER, "From", "To", true), 0);
  EXPECT_EQ(regstore::KeyExists(HKEY_CURRENT_USER, "From"), regerr::kFileNotFound);
  regstore::TValue v;
  ASSERT_EQ(regstore::QueryValue(HKEY_CURRENT_USER, "to\\deep", "V", v), 0);
  EXPECT_EQ(v.Data, std::string("x\0", 2));
}

}  // namespace
