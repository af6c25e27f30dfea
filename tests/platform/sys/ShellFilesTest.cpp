// File times, attributes and the shell's file operations and file information.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/gdi/Gdi.h"
#include "platform/rtl/FileUtils.h"
#include "platform/sys/ShellFiles.h"
#include "platform/sys/ShellIcons.h"
#include "tests/platform/sys/RegistryFixture.h"
#include "tests/support/TempDir.h"

using namespace win;

namespace {

void WriteFile(const std::string& name, const std::string& text) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out << text;
}

FILETIME Make(uint64_t v) {
  FILETIME t;
  t.dwLowDateTime = static_cast<DWORD>(v);
  t.dwHighDateTime = static_cast<DWORD>(v >> 32);
  return t;
}

uint64_t Value(const FILETIME& t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

// "y-m-d (weekday) h:m:s.ms" of a file time, "<none>" when it does not convert.
std::string Text(const FILETIME& t) {
  SYSTEMTIME st;
  if (!FileTimeToSystemTime(&t, &st)) return "<none>";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d-%d-%d (%d) %d:%d:%d.%d", st.wYear, st.wMonth, st.wDay,
                st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
  return buf;
}

// Sets TZ for the lifetime of the object.
class TimeZone {
 public:
  explicit TimeZone(const char* tz) {
    if (const char* old = std::getenv("TZ")) old_ = old, had_ = true;
    setenv("TZ", tz, 1);
    tzset();
  }
  ~TimeZone() {
    if (had_)
      setenv("TZ", old_.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  std::string old_;
  bool had_ = false;
};

// Shell queries read the registry: each test gets its own.
class ShellRegistryTest : public RegistryTest {};

}  // namespace

TEST(ShellFileTimes, SystemTimeConversions) {
  // 1601-01-01 (a Monday) is tick zero; 1970-01-01 (a Thursday) lies 11644473600 s later.
  EXPECT_EQ(Text(Make(0)), "1601-1-1 (1) 0:0:0.0");
  EXPECT_EQ(Text(Make(uint64_t{11644473600} * 10000000 + 12345678)), "1970-1-1 (4) 0:0:1.234");
  SYSTEMTIME leap{2024, 2, 0, 29, 23, 59, 59, 999};
  FILETIME back;
  ASSERT_TRUE(SystemTimeToFileTime(&leap, &back));
  EXPECT_EQ(Text(back), "2024-2-29 (4) 23:59:59.999");
  for (SYSTEMTIME bad : {SYSTEMTIME{2023, 2, 0, 29, 0, 0, 0, 0}, SYSTEMTIME{1600, 12, 0, 31, 0, 0, 0, 0},
                         SYSTEMTIME{2000, 13, 0, 1, 0, 0, 0, 0}, SYSTEMTIME{2000, 1, 0, 0, 0, 0, 0, 0},
                         SYSTEMTIME{2000, 1, 0, 1, 24, 0, 0, 0}, SYSTEMTIME{2000, 1, 0, 1, 0, 0, 0, 1000}})
    EXPECT_FALSE(SystemTimeToFileTime(&bad, &back)) << bad.wYear << "-" << bad.wMonth;
  EXPECT_EQ(Text(Make(uint64_t{1} << 63)), "<none>");
  SYSTEMTIME st;
  EXPECT_FALSE(FileTimeToSystemTime(nullptr, &st));
}

TEST(ShellFileTimes, LocalTimeFollowsTheZoneAndItsDaylightRule) {
  TimeZone tz("CET-1CEST,M3.5.0,M10.5.0/3");
  const uint64_t hour = uint64_t{3600} * 10000000;
  SYSTEMTIME winter{2020, 1, 0, 15, 12, 0, 0, 0}, summer{2020, 7, 0, 15, 12, 0, 0, 0};
  FILETIME w, s, lw, ls, uw, us;
  ASSERT_TRUE(SystemTimeToFileTime(&winter, &w));
  ASSERT_TRUE(SystemTimeToFileTime(&summer, &s));
  ASSERT_TRUE(FileTimeToLocalFileTime(&w, &lw));
  ASSERT_TRUE(FileTimeToLocalFileTime(&s, &ls));
  EXPECT_EQ(Value(lw) - Value(w), hour);
  EXPECT_EQ(Value(ls) - Value(s), 2 * hour);
  ASSERT_TRUE(LocalFileTimeToFileTime(&lw, &uw));
  ASSERT_TRUE(LocalFileTimeToFileTime(&ls, &us));
  EXPECT_EQ(Value(uw), Value(w));
  EXPECT_EQ(Value(us), Value(s));
  FILETIME zero = Make(0), out;
  EXPECT_FALSE(LocalFileTimeToFileTime(&zero, &out));  // before the first representable time
}

TEST(ShellFileTimes, HandlesAttributesAndSizes) {
  testsupport::TempDir dir;
  const std::string f = dir.File("f.bin");
  WriteFile(f, std::string(1000, 'x'));
  const int h = vcl::FileOpen(f, 2);
  ASSERT_GE(h, 0);
  DWORD high = 7;
  EXPECT_EQ(GetFileSize(h, &high), 1000u);
  EXPECT_EQ(high, 0u);
  FILETIME c, a, w;
  ASSERT_TRUE(GetFileTime(h, &c, &a, &w));
  const FILETIME set = Make(Value(w) - uint64_t{86400} * 10000000);
  EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &set));
  FILETIME w2;
  ASSERT_TRUE(GetFileTime(h, nullptr, nullptr, &w2));
  EXPECT_EQ(Value(w2), Value(set));
  // A creation time is kept beside the file and read back (the temporary folder's file system
  // keeps extended attributes).
  const FILETIME born = Make(Value(w) - uint64_t{86400} * 20000000);
  EXPECT_TRUE(SetFileTime(h, &born, nullptr, nullptr));
  FILETIME c2;
  ASSERT_TRUE(GetFileTime(h, &c2, nullptr, &w2));
  EXPECT_EQ(Value(c2), Value(born));
  EXPECT_EQ(Value(w2), Value(set));
  vcl::FileClose(h);
  EXPECT_EQ(GetFileSize(-1, nullptr), INVALID_FILE_SIZE);
  EXPECT_FALSE(GetFileTime(-1, &c, nullptr, nullptr));

  EXPECT_EQ(GetFileAttributesA(f.c_str()), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(GetFileAttributesA(dir.Path().c_str()), FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(GetFileAttributesA(dir.File("none").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA(nullptr), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(GetFileAttributesA(f.c_str()), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(SetFileAttributesA(dir.File("none").c_str(), 0));

  // By name: the same attributes and times, and the size, without opening the file.
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExA(f.c_str(), GetFileExInfoStandard, &data));
  EXPECT_EQ(data.dwFileAttributes, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(Value(data.ftCreationTime), Value(born));
  EXPECT_EQ(Value(data.ftLastWriteTime), Value(set));
  EXPECT_EQ(data.nFileSizeLow, 1000u);
  EXPECT_EQ(data.nFileSizeHigh, 0u);
  ASSERT_TRUE(GetFileAttributesExA(dir.Path().c_str(), GetFileExInfoStandard, &data));
  EXPECT_EQ(data.dwFileAttributes, FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(data.nFileSizeLow, 0u);
  EXPECT_FALSE(GetFileAttributesExA(dir.File("none").c_str(), GetFileExInfoStandard, &data));
  EXPECT_FALSE(GetFileAttributesExA(f.c_str(), GetFileExMaxInfoLevel, &data));
  EXPECT_FALSE(GetFileAttributesExA(nullptr, GetFileExInfoStandard, &data));
}

TEST(ShellFileOperation, BadRequestsChangeNothing) {
  testsupport::TempDir dir;
  const std::string a = dir.File("a");
  WriteFile(a, "a");
  const std::string from = a + '\0', star = dir.File("*") + '\0';
  const std::string q = std::string("Q:\\nowhere\\x") + '\0';  // a drive that is not mapped
  const struct {
    UINT func;
    const char *from, *to;
    int result;
  } requests[] = {
      {9, from.c_str(), from.c_str(), ERROR_INVALID_PARAMETER},  // no such operation
      {FO_COPY, from.c_str(), nullptr, ERROR_INVALID_PARAMETER},
      {FO_COPY, "", from.c_str(), ERROR_INVALID_PARAMETER},
      {FO_COPY, from.c_str(), star.c_str(), ERROR_INVALID_PARAMETER},
      {FO_COPY, q.c_str(), star.c_str(), ERROR_FILE_NOT_FOUND},
      {FO_MOVE, from.c_str(), from.c_str(), 0},  // onto itself: stays where it is
      {FO_COPY, from.c_str(), from.c_str(), 0},  // onto itself: a copy beside it
  };
  for (const auto& r : requests) {
    SHFILEOPSTRUCTA op;
    op.wFunc = r.func;
    op.pFrom = r.from;
    op.pTo = r.to;
    EXPECT_EQ(SHFileOperationA(&op), r.result) << r.func << " " << (r.from ? r.from : "");
    EXPECT_EQ(SHLastFileOperation().Func, r.func);
  }
  EXPECT_EQ(SHFileOperationA(nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(vcl::FileExists(dir.File("*")));
  EXPECT_TRUE(vcl::FileExists(a));
  EXPECT_TRUE(vcl::FileExists(dir.File("Copy of a")));
}

TEST(ShellFileOperation, MultipleDestinationsAndFolders) {
  testsupport::TempDir dir;
  WriteFile(dir.File("a"), "A");
  WriteFile(dir.File("b"), "B");
  ASSERT_TRUE(vcl::ForceDirectories(dir.File("tree/deep")));
  WriteFile(dir.File("tree/deep/leaf"), "L");
  const std::string from = dir.File("a") + '\0' + dir.File("b") + '\0' + dir.File("tree") + '\0';
  const std::string to = dir.File("x") + '\0' + dir.File("y") + '\0' + dir.File("z") + '\0';
  SHFILEOPSTRUCTA op;
  op.wFunc = FO_COPY;
  op.fFlags = FOF_MULTIDESTFILES;
  op.pFrom = from.c_str();
  op.pTo = to.c_str();
  ASSERT_EQ(SHFileOperationA(&op), 0);
  EXPECT_TRUE(vcl::FileExists(dir.File("x")));
  EXPECT_TRUE(vcl::FileExists(dir.File("y")));
  EXPECT_TRUE(vcl::FileExists(dir.File("z/deep/leaf")));
  // A folder cannot be moved into its own subfolder.
  const std::string tree = dir.File("tree") + '\0', deep = dir.File("tree/deep/sub") + '\0';
  op.wFunc = FO_MOVE;
  op.fFlags = 0;
  op.pFrom = tree.c_str();
  op.pTo = deep.c_str();
  EXPECT_EQ(SHFileOperationA(&op), ERROR_INVALID_PARAMETER);
  EXPECT_TRUE(vcl::FileExists(dir.File("tree/deep/leaf")));
}

TEST_F(ShellRegistryTest, FileInfoTypeNamesIconsAndBadArguments) {
  testsupport::TempDir dir;
  const std::string f = dir.File("plain.qqq");
  WriteFile(f, "");
  SHFILEINFOA info;
  EXPECT_EQ(SHGetFileInfoA(dir.File("none").c_str(), 0, &info, sizeof info, SHGFI_TYPENAME), 0u);
  EXPECT_EQ(SHGetFileInfoA(f.c_str(), 0, &info, sizeof info - 1, SHGFI_TYPENAME), 0u);
  EXPECT_EQ(SHGetFileInfoA(f.c_str(), 0, nullptr, sizeof info, SHGFI_TYPENAME), 0u);
  EXPECT_EQ(SHGetFileInfoA(f.c_str(), 0, &info, sizeof info, SHGFI_TYPENAME | SHGFI_DISPLAYNAME), 1u);
  EXPECT_STREQ(info.szTypeName, "");
  EXPECT_STREQ(info.szDisplayName, "plain.qqq");
  EXPECT_EQ(SHGetFileInfoA(dir.Path().c_str(), 0, &info, sizeof info, SHGFI_TYPENAME), 1u);
  EXPECT_STREQ(info.szTypeName, "File Folder");
  EXPECT_EQ(SHGetFileInfoA(dir.Path().c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX),
            kSystemLargeIconList);
  EXPECT_EQ(info.iIcon, 3);
  EXPECT_EQ(SHGetFileInfoA(f.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON),
            kSystemSmallIconList);
  EXPECT_EQ(info.iIcon, 0);
  ASSERT_EQ(SHGetFileInfoA(f.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON), 1u);
  ASSERT_NE(info.hIcon, nullptr);
  ICONINFO ii;
  ASSERT_TRUE(GetIconInfo(info.hIcon, &ii));
  BITMAP bm;
  ASSERT_GT(GetObjectA(ii.hbmColor, sizeof bm, &bm), 0);
  EXPECT_EQ(bm.bmWidth, 16);
  EXPECT_TRUE(DestroyIcon(info.hIcon));

  EXPECT_EQ(ExtractIconExA(f.c_str(), -1, nullptr, nullptr, 0), 0u);
  EXPECT_EQ(ExtractIconExA(nullptr, -1, nullptr, nullptr, 0), 0u);
  HICON h = nullptr;
  EXPECT_EQ(ExtractIconExA(f.c_str(), 0, &h, nullptr, 1), 0u);
  EXPECT_EQ(h, nullptr);
  // An icon file whose directory claims more images than it holds holds no icons.
  std::string ico(22, '\0');
  ico[2] = 1;
  ico[4] = 100;
  WriteFile(dir.File("lying.ico"), ico);
  EXPECT_EQ(ExtractIconExA(dir.File("lying.ico").c_str(), -1, nullptr, nullptr, 0), 0u);
}

TEST_F(ShellRegistryTest, ExecutablesOfMissingAndUnassociatedFiles) {
  testsupport::TempDir dir;
  char buffer[260] = "junk";
  EXPECT_EQ(reinterpret_cast<uintptr_t>(FindExecutableA(dir.File("none").c_str(), nullptr, buffer)),
            uintptr_t{2});
  EXPECT_STREQ(buffer, "");
  WriteFile(dir.File("run.exe"), "");
  EXPECT_GT(reinterpret_cast<uintptr_t>(FindExecutableA("run.exe", dir.Path().c_str(), buffer)),
            uintptr_t{32});
  EXPECT_EQ(std::string(buffer), dir.File("run.exe"));
  WriteFile(dir.File("x.unknownext"), "");
  EXPECT_EQ(reinterpret_cast<uintptr_t>(FindExecutableA(dir.File("x.unknownext").c_str(), nullptr, buffer)),
            uintptr_t{SE_ERR_NOASSOC});
}
