#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <set>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FileUtils.h"
#include "tests/support/Cases.h"
#include "tests/support/TempDir.h"

using namespace vcl;
using namespace win;
using testsupport::ExpectCases;

namespace {
constexpr uint32_t kOpenRead = 0;  // the framework's fmOpenRead
}  // namespace

TEST(Paths, ExtractPartsWithBothSeparators) {
  const std::string full = "C:\\dir\\name.ext";
  ExpectCases({
      {ExtractFilePath(full), "C:\\dir\\"},   {ExtractFileDir(full), "C:\\dir"},
      {ExtractFileName(full), "name.ext"},     {ExtractFileExt(full), ".ext"},
      {ExtractFileDrive(full), "C:"},          {ExtractFilePath("/usr/lib/x.so"), "/usr/lib/"},
      {ExtractFileDir("/usr/lib/x.so"), "/usr/lib"},  {ExtractFileName("a/b\\c"), "c"},
      {ExtractFileDrive("/usr"), ""},
      {ExtractFileDrive("\\\\server\\share\\dir\\f"), "\\\\server\\share"},
      // Edge cases: the root keeps its separator, a doubled separator stays, a dot in a folder
      // is no extension.
      {ExtractFilePath("name"), ""},           {ExtractFilePath("C:name"), "C:"},
      {ExtractFileName("C:name"), "name"},     {ExtractFileDir("C:\\name"), "C:\\"},
      {ExtractFileDir("\\name"), "\\"},        {ExtractFileDir("/name"), "/"},
      {ExtractFileDir("a\\\\b"), "a\\\\"},    {ExtractFileExt("dir.d\\name"), ""},
      {ExtractFileExt("archive.tar.gz"), ".gz"},  {ExtractFileExt("name."), "."},
      {ExtractFileExt(".profile"), ".profile"},   {ExtractFileName("C:\\dir\\"), ""},
      {ChangeFileExt("a\\b.txt", ".bak"), "a\\b.bak"},  {ChangeFileExt("a.d/b", ".txt"), "a.d/b.txt"},
      {ChangeFileExt("b.txt", ""), "b"},
  });
}

TEST(Paths, TrailingDelimitersKeepTheStyle) {
  ExpectCases({
      {IncludeTrailingBackslash("C:\\dir"), "C:\\dir\\"},  {IncludeTrailingBackslash("/tmp"), "/tmp/"},
      {IncludeTrailingBackslash("/tmp/"), "/tmp/"},        {IncludeTrailingBackslash("dir"), "dir\\"},
      {IncludeTrailingBackslash(""), "\\"},
      {IncludeTrailingPathDelimiter("a/b\\c"), "a/b\\c/"},  // the first separator decides
      {ExcludeTrailingBackslash("C:\\"), "C:"},          {ExcludeTrailingBackslash("/tmp/"), "/tmp"},
      {ExcludeTrailingPathDelimiter("x"), "x"},
  });
  EXPECT_TRUE(IsPathDelimiter("a/", 2));
  EXPECT_FALSE(IsPathDelimiter("a/", 3));
}

TEST(Paths, ExpandFileName) {
  ExpectCases({
      {ExpandFileName("C:\\a\\.\\b\\..\\c.txt"), "C:\\a\\c.txt"}, {ExpandFileName("C:\\..\\..\\x"), "C:\\x"},
      {ExpandFileName("c:/a//b/"), "c:/a/b/"},  {ExpandFileName("C:"), "C:\\"},
      {ExpandFileName("/a/b/../c"), "/a/c"},    {ExpandFileName("\\a\\b"), "\\a\\b"},
      {ExpandFileName(""), ""},
  });
  testsupport::TempDir tmp;
  const std::string saved = GetCurrentDir();
  ASSERT_TRUE(SetCurrentDir(tmp.Path()));
  EXPECT_EQ(ExpandFileName("sub\\f.txt"), GetCurrentDir() + "/sub/f.txt");
  EXPECT_EQ(ExpandFileName(".."), ExtractFileDir(GetCurrentDir()));
  ASSERT_TRUE(SetCurrentDir(saved));
}

TEST(Paths, NativeNamesAndDrives) {
  EXPECT_EQ(NativeFileName("C:\\tmp\\x.txt"), "/tmp/x.txt");
  EXPECT_EQ(NativeFileName("c:/tmp"), "/tmp");
  EXPECT_EQ(NativeFileName("a\\b"), "a/b");
  EXPECT_EQ(NativeFileName("caf\xE9"), "caf\xC3\xA9");
  EXPECT_EQ(NativeFileName("\\\\server\\share\\x"), "");
  unsetenv("ZYL_DRIVE_Q");
  EXPECT_EQ(NativeFileName("Q:\\x"), "");  // an unmapped drive
  setenv("ZYL_DRIVE_Q", "/srv/q", 1);
  EXPECT_EQ(NativeFileName("q:\\x\\y"), "/srv/q/x/y");
  unsetenv("ZYL_DRIVE_Q");
  EXPECT_FALSE(FileExists("Q:\\anything"));
  EXPECT_EQ(FromNativeFileName("/tmp/caf\xC3\xA9"), "/tmp/caf\xE9");
}

TEST(Files, CreateRenameDeleteAndFolders) {
  testsupport::TempDir tmp;
  const std::string dir = tmp.Path();
  const std::string f = dir + "\\file.txt";  // either separator works on input
  EXPECT_FALSE(FileExists(f));
  const int h = FileCreate(f);
  ASSERT_GE(h, 0);
  EXPECT_EQ(FileWrite(h, "hello", 5), 5);
  EXPECT_EQ(FileSeek(h, 0, 0), 0);
  char buf[8] = {};
  EXPECT_EQ(FileRead(h, buf, 8), 5);
  EXPECT_STREQ(buf, "hello");
  EXPECT_EQ(FileSeek(h, -2, 2), 3);
  FileClose(h);
  EXPECT_TRUE(FileExists(f));
  EXPECT_FALSE(DirectoryExists(f));
  EXPECT_TRUE(DirectoryExists(dir));
  EXPECT_FALSE(FileExists(dir));
  EXPECT_LT(FileOpen(dir, kOpenRead), 0);
  EXPECT_LT(FileOpen(dir + "/missing", kOpenRead), 0);

  EXPECT_TRUE(RenameFile(f, dir + "/renamed.txt"));
  EXPECT_FALSE(FileExists(f));
  std::ofstream(dir + "/other.txt") << "x";
  EXPECT_FALSE(RenameFile(dir + "/renamed.txt", dir + "/other.txt"));  // target exists
  EXPECT_TRUE(DeleteFile(dir + "/renamed.txt"));
  EXPECT_FALSE(DeleteFile(dir + "/renamed.txt"));

  EXPECT_TRUE(ForceDirectories(dir + "\\a\\b/c\\"));
  EXPECT_TRUE(DirectoryExists(dir + "/a/b/c"));
  EXPECT_TRUE(ForceDirectories(dir + "/a/b"));  // already there
  EXPECT_FALSE(DeleteFile(dir + "/a"));         // folders are not files
  EXPECT_FALSE(RemoveDir(dir + "/a"));          // not empty
  EXPECT_TRUE(RemoveDir(dir + "/a/b/c"));
  EXPECT_TRUE(CreateDir(dir + "/a/b/c"));
  EXPECT_FALSE(CreateDir(dir + "/a/b/c"));
  EXPECT_FALSE(CreateDir(dir + "/x/y"));        // parent missing
  EXPECT_THROW(ForceDirectories(""), EInOutError);
}

TEST(Files, DatesAndAttributes) {
  testsupport::TempDir tmp;
  const std::string f = tmp.File("stamp.txt");
  std::ofstream(f) << "abc";
  const int32_t stamp = DateTimeToFileDate(EncodeDate(2020, 2, 3) + EncodeTime(4, 5, 7, 0));
  EXPECT_EQ(FileDateToDateTime(stamp), EncodeDate(2020, 2, 3) + EncodeTime(4, 5, 6, 0));  // two-second steps
  EXPECT_EQ(FileSetDate(f, stamp), 0);
  EXPECT_EQ(FileAge(f), stamp);
  const int h = FileOpen(f, kOpenRead);
  ASSERT_GE(h, 0);
  EXPECT_EQ(FileGetDate(h), stamp);
  FileClose(h);
  EXPECT_EQ(FileAge(tmp.Path()), -1);  // folders have no age
  EXPECT_EQ(FileAge(tmp.File("none")), -1);
  EXPECT_EQ(DateTimeToFileDate(EncodeDate(1979, 12, 31)), 0);
  EXPECT_THROW(FileDateToDateTime(0), EConvertError);
  EXPECT_NE(FileSetDate(tmp.File("none"), stamp), 0);
  EXPECT_NE(FileSetDate(f, 0), 0);

  EXPECT_EQ(FileGetAttr(f), faArchive);
  EXPECT_EQ(FileGetAttr(tmp.Path()), faDirectory);
  EXPECT_EQ(FileGetAttr(tmp.File("none")), -1);
  // A pipe is no plain file: no archive mark.
  ASSERT_EQ(mkfifo(tmp.File("pipe").c_str(), 0644), 0);
  EXPECT_EQ(FileGetAttr(tmp.File("pipe")), 0);
  std::ofstream(tmp.File(".hidden")) << "";
  EXPECT_EQ(FileGetAttr(tmp.File(".hidden")), faArchive | faHidden);
  EXPECT_EQ(FileSetAttr(f, faReadOnly), 0);
  EXPECT_EQ(FileGetAttr(f) & faReadOnly, faReadOnly);
  EXPECT_EQ(FileSetAttr(f, 0), 0);
  EXPECT_EQ(FileGetAttr(f) & faReadOnly, 0);
}

namespace {

std::vector<std::string> Find(const std::string& path, int32_t attr, int* rc = nullptr) {
  std::vector<std::string> names;
  TSearchRec sr;
  int r = FindFirst(path, attr, sr);
  if (rc) *rc = r;
  while (r == 0) {
    names.push_back(sr.Name);
    r = FindNext(sr);
  }
  FindClose(sr);
  return names;
}

}  // namespace

TEST(Files, FindFirstWithMasksAndAttributes) {
  testsupport::TempDir tmp;
  for (const char* n : {"b.TXT", "a.txt", "c.doc", "README", ".hidden.txt"}) std::ofstream(tmp.File(n)) << n;
  ASSERT_TRUE(CreateDir(tmp.File("sub.txt")));

  EXPECT_EQ(Find(tmp.File("*.txt"), faAnyFile - faHidden), (std::vector<std::string>{"a.txt", "b.TXT", "sub.txt"}));
  EXPECT_EQ(Find(tmp.File("*.txt"), 0), (std::vector<std::string>{"a.txt", "b.TXT"}));  // files only
  EXPECT_EQ(Find(tmp.File("*.txt"), faHidden), (std::vector<std::string>{".hidden.txt", "a.txt", "b.TXT"}));
  EXPECT_EQ(Find(tmp.File("?.txt"), 0), (std::vector<std::string>{"a.txt", "b.TXT"}));
  EXPECT_EQ(Find(tmp.File("readme.*"), 0), (std::vector<std::string>{"README"}));
  EXPECT_EQ(Find(tmp.File("*."), 0), (std::vector<std::string>{"README"}));
  EXPECT_EQ(Find(tmp.Path() + "\\*.*", faDirectory),
            (std::vector<std::string>{".", "..", "a.txt", "b.TXT", "c.doc", "README", "sub.txt"}));
  EXPECT_EQ(Find(tmp.File("*"), faAnyFile).size(), 8u);

  TSearchRec sr;
  ASSERT_EQ(FindFirst(tmp.File("c.doc"), faAnyFile, sr), 0);
  EXPECT_EQ(sr.Name, "c.doc");
  EXPECT_EQ(sr.Size, 5);
  EXPECT_EQ(sr.Attr, faArchive);
  EXPECT_EQ(sr.Time, FileAge(tmp.File("c.doc")));
  EXPECT_EQ(FindNext(sr), ERROR_NO_MORE_FILES);
  FindClose(sr);

  int rc = 0;
  EXPECT_TRUE(Find(tmp.File("*.none"), faAnyFile, &rc).empty());
  EXPECT_EQ(rc, ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(Find(tmp.File("missing/*"), faAnyFile, &rc).empty());
  EXPECT_EQ(rc, ERROR_PATH_NOT_FOUND);
  EXPECT_TRUE(Find(tmp.File("sub.txt"), 0, &rc).empty());  // only a folder matches
  EXPECT_EQ(rc, ERROR_NO_MORE_FILES);
  EXPECT_EQ(FindNext(sr), ERROR_NO_MORE_FILES);  // after FindClose
}

TEST(Files, TemporaryNames) {
  testsupport::TempDir tmp;
  const std::string a = GetTempFileName(tmp.Path(), "zylfoo");
  const std::string b = GetTempFileName(tmp.Path(), "zylfoo");
  ASSERT_FALSE(a.empty());
  EXPECT_NE(a, b);
  EXPECT_TRUE(FileExists(a));
  EXPECT_EQ(ExtractFileName(a).substr(0, 3), "zyl");
  EXPECT_EQ(ExtractFileExt(a), ".tmp");
  EXPECT_EQ(ExtractFileName(a).size(), 11u);
  EXPECT_EQ(GetTempFileName(tmp.File("missing"), "x"), "");
  const char* saved = std::getenv("TMP");
  const std::string keep = saved ? saved : "";
  setenv("TMP", tmp.Path().c_str(), 1);
  EXPECT_EQ(GetTempPath(), tmp.Path() + "/");
  if (saved) setenv("TMP", keep.c_str(), 1);
  else unsetenv("TMP");
}

TEST(Paths, RelativeNamesAndComparisons) {
  EXPECT_TRUE(SameFileName("C:\\Dir\\File.TXT", "c:\\dir\\file.txt"));
  EXPECT_TRUE(SameFileName("\xC9t\xE9", "\xE9T\xC9"));
  EXPECT_FALSE(SameFileName("a.txt", "b.txt"));
  EXPECT_LT(AnsiCompareFileName("a.txt", "B.txt"), 0);
  EXPECT_EQ(ExtractRelativePath("C:\\a\\b\\base.txt", "C:\\a\\c\\d\\dest.txt"), "..\\c\\d\\dest.txt");
  EXPECT_EQ(ExtractRelativePath("C:\\a\\b\\", "C:\\A\\B\\x.txt"), "x.txt");
  EXPECT_EQ(ExtractRelativePath("C:\\a\\b\\", "D:\\x.txt"), "D:\\x.txt");
  EXPECT_EQ(ExtractRelativePath("/srv/a/b/", "/srv/x/y.txt"), "../../x/y.txt");
}

TEST(Files, SearchAndDiskSpace) {
  testsupport::TempDir a, b;
  std::ofstream(b.File("tool.cfg")) << "x";
  EXPECT_EQ(FileSearch("tool.cfg", a.Path() + ";" + b.Path()), b.Path() + "/tool.cfg");
  EXPECT_EQ(FileSearch("tool.cfg", a.Path()), "");
  EXPECT_EQ(FileSearch(b.File("tool.cfg"), ""), b.File("tool.cfg"));
  EXPECT_GT(DiskSize(0), 0);
  EXPECT_GE(DiskFree(0), 0);
  EXPECT_LE(DiskFree(3), DiskSize(3));
  unsetenv("ZYL_DRIVE_Q");
  EXPECT_EQ(DiskFree(17), -1);  // Q: is not mapped
  EXPECT_EQ(DiskSize(200), -1);
}

TEST(Files, ErrorCodesAndTexts) {
  EXPECT_EQ(ErrorCodeFromErrno(ENOENT), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(ErrorCodeFromErrno(EACCES), ERROR_ACCESS_DENIED);
  EXPECT_EQ(ErrorCodeFromErrno(0), 0);
  EXPECT_EQ(SysErrorMessage(ERROR_FILE_NOT_FOUND), "The system cannot find the file specified.");
  EXPECT_EQ(SysErrorMessage(ERROR_ACCESS_DENIED), "Access is denied.");
  EXPECT_EQ(SysErrorMessage(9999), "Unknown error 9999.");
  EXPECT_EQ(FileSetDate(-1, DateTimeToFileDate(EncodeDate(2020, 1, 1))), ERROR_INVALID_HANDLE);
}
