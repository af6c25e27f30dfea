// TZYLFileCtrl: file name, attributes, time stamps, type names, programs, icons and the
// shell's file operations on real files in temporary folders.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ImgList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FileUtils.h"
#include "platform/sys/ShellFiles.h"
#include "platform/sys/WinReg.h"
#include "system/ZYLFileCtrl.h"
#include "tests/platform/sys/RegistryFixture.h"
#include "tests/support/TempDir.h"

using namespace zyl;

namespace {

void WriteFile(const std::string& name, const std::string& text) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

bool Exists(const std::string& name) {
  struct stat st;
  return lstat(name.c_str(), &st) == 0;
}

// An icon file with one 32-bit image of each given size.
std::string MakeIco(const std::vector<int>& sizes) {
  std::string head, body;
  auto put = [](std::string& s, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) s += char(v >> (8 * i) & 0xFF);
  };
  put(head, 0, 2), put(head, 1, 2), put(head, uint32_t(sizes.size()), 2);
  size_t offset = 6 + 16 * sizes.size();
  for (int w : sizes) {
    std::string img;
    put(img, 40, 4), put(img, w, 4), put(img, 2 * w, 4), put(img, 1, 2), put(img, 32, 2);
    img.append(24, '\0');
    for (int i = 0; i < w * w; ++i) put(img, 0xFF2040C0u, 4);
    img.append(size_t((w + 31) / 32 * 4) * w, '\0');
    head += {char(w), char(w), '\0', '\0'};
    put(head, 1, 2), put(head, 32, 2), put(head, uint32_t(img.size()), 4);
    put(head, uint32_t(offset), 4);
    offset += img.size();
    body += img;
  }
  return head + body;
}

class FileCtrlTest : public RegistryTest {
 protected:
  void SetUp() override {
    RegistryTest::SetUp();
    const char* old = std::getenv("ZYL_RECYCLE_BIN");
    hadBin_ = old != nullptr;
    if (old) oldBin_ = old;
    bin_ = tmp_.File("bin");
    setenv("ZYL_RECYCLE_BIN", bin_.c_str(), 1);
  }
  void TearDown() override {
    if (hadBin_)
      setenv("ZYL_RECYCLE_BIN", oldBin_.c_str(), 1);
    else
      unsetenv("ZYL_RECYCLE_BIN");
    RegistryTest::TearDown();
  }
  // Associates an extension with a class, its type name, program and icon.
  void Associate(const std::string& ext, const std::string& cls, const std::string& type,
                 const std::string& command, const std::string& icon) {
    SetDefault(ext, cls);
    SetDefault(cls, type);
    SetDefault(cls + "\\shell\\open\\command", command);
    SetDefault(cls + "\\DefaultIcon", icon);
  }
  void SetDefault(const std::string& key, const std::string& value) {
    win::HKEY k = nullptr;
    ASSERT_EQ(win::RegCreateKeyExA(win::HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0,
                                   win::KEY_ALL_ACCESS, nullptr, &k, nullptr),
              0);
    win::RegSetValueExA(k, nullptr, 0, win::REG_SZ,
                        reinterpret_cast<const win::BYTE*>(value.c_str()),
                        static_cast<win::DWORD>(value.size() + 1));
    win::RegCloseKey(k);
  }

  // Writes a file of the temporary folder and points the component at it; answers its name.
  std::string Open(const std::string& name, const std::string& text) {
    const std::string f = tmp_.File(name);
    WriteFile(f, text);
    c_.SetFileName(f);
    return f;
  }
  // Runs `f` with the current folder set to `dir`.
  template <class F>
  static auto InFolder(const std::string& dir, F f) {
    const std::string cwd = vcl::GetCurrentDir();
    EXPECT_TRUE(vcl::SetCurrentDir(dir));
    auto result = f();
    vcl::SetCurrentDir(cwd);
    return result;
  }

  testsupport::TempDir tmp_;
  TZYLFileCtrl c_{nullptr};
  std::string bin_, oldBin_;
  bool hadBin_ = false;
};

}  // namespace

TEST_F(FileCtrlTest, WithoutAFileEverythingIsEmpty) {
  TZYLFileCtrl c(nullptr);
  EXPECT_EQ(c.Attributes(), TZYLFileCtrlAttributes{});
  EXPECT_EQ(c.FileSize(), 0);
  EXPECT_EQ(c.FileWriteStamp(), "");
  EXPECT_EQ(c.FileType(), "");
  EXPECT_EQ(c.GetShortAttrib(), "----");
  EXPECT_EQ(c.GetExecuteable(), "");
  EXPECT_FALSE(c.GetFileExist());
  EXPECT_EQ(c.GetIconNum(), 0);
  c.SetAttributes({fcaReadonly});  // nothing to change: no failure
  c.SetFileWriteStamp("not a date");  // no file: the text is not even read
}

TEST_F(FileCtrlTest, FileNameAcceptsOnlyExistingFilesExpanded) {
  TZYLFileCtrl& c = c_;
  const std::string a = Open("a.txt", "hello");
  EXPECT_EQ(c.FileName(), a);
  c.SetFileName(tmp_.File("missing.txt"));
  EXPECT_EQ(c.FileName(), a);
  c.SetFileName(tmp_.Path());  // a folder is no file
  EXPECT_EQ(c.FileName(), a);
  c.SetFileName("");
  EXPECT_EQ(c.FileName(), a);

  WriteFile(tmp_.File("b.txt"), "x");
  InFolder(tmp_.Path(), [&] { return c.SetFileName("b.txt"), 0; });
  EXPECT_EQ(c.FileName(), tmp_.File("b.txt"));
  EXPECT_EQ(c.GetFilePath(), tmp_.Path() + "/");
  EXPECT_EQ(c.FileSize(), 1);
}

TEST_F(FileCtrlTest, NameParts) {
  TZYLFileCtrl& c = c_;
  const std::string f = Open("archive.tar.gz", "12345");
  EXPECT_EQ(c.GetFileNameOnly(), "archive");
  EXPECT_EQ(c.GetFileExtension(), ".gz");
  EXPECT_TRUE(c.GetFileExist());
  EXPECT_EQ(c.FileSize(), 5);
  c.SetFileSize(99);
  EXPECT_EQ(c.FileSize(), 5);
  // The file vanishing under the component: everything answers "no file".
  std::remove(f.c_str());
  EXPECT_FALSE(c.GetFileExist());
  EXPECT_EQ(c.FileSize(), 0);
  EXPECT_EQ(c.FileType(), "");
  EXPECT_EQ(c.FileAccessStamp(), "");
  EXPECT_EQ(c.Attributes(), TZYLFileCtrlAttributes{});
}

TEST_F(FileCtrlTest, AttributesReadAndWrite) {
  TZYLFileCtrl& c = c_;
  const std::string f = Open("data.bin", "x");
  EXPECT_EQ(c.Attributes(), TZYLFileCtrlAttributes{fcaArchive});
  EXPECT_EQ(c.GetShortAttrib(), "a---");

  c.SetAttributes({fcaArchive, fcaReadonly, fcaCompressed});
  struct stat st;
  ASSERT_EQ(stat(f.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & S_IWUSR, 0u);
  EXPECT_EQ(c.Attributes(), (TZYLFileCtrlAttributes{fcaArchive, fcaReadonly}));
  EXPECT_EQ(c.GetShortAttrib(), "a-r-");

  c.SetAttributes({});
  ASSERT_EQ(stat(f.c_str(), &st), 0);
  EXPECT_NE(st.st_mode & S_IWUSR, 0u);
  EXPECT_EQ(c.GetShortAttrib(), "a---");

  const std::string hidden = tmp_.File(".secret");
  WriteFile(hidden, "");
  c.SetFileName(hidden);
  EXPECT_EQ(c.GetShortAttrib(), "ah--");
}

TEST_F(FileCtrlTest, AttributeAndFlagTables) {
  EXPECT_EQ(ZYLFileAttributesToWin({fcaArchive, fcaDirectory, fcaHidden, fcaNormal, fcaOffline,
                                    fcaReadonly, fcaSystem, fcaTemporary}),
            0x20u | 0x10 | 0x2 | 0x80 | 0x1000 | 0x1 | 0x4 | 0x100);
  EXPECT_EQ(ZYLFileAttributesToWin({fcaCompressed}), 0u);
  EXPECT_EQ(ZYLFileAttributesFromWin(0x800 | 0x4 | 0x1),
            (TZYLFileCtrlAttributes{fcaCompressed, fcaSystem, fcaReadonly}));
  EXPECT_EQ(ZYLFileAttributesFromWin(win::INVALID_FILE_ATTRIBUTES), TZYLFileCtrlAttributes{});
  EXPECT_EQ(ZYLFileOpFlagsToWin({ffFilesOnly, ffUseRecycleBin}), 0xC0);
  EXPECT_EQ(ZYLFileOpFlagsToWin({ffFilesOnly, ffNoActionConfirm, ffNoMKDIRConfirm,
                                 ffRenameFileOnCollision, ffShowNoErrors, ffShowNoProgress,
                                 ffSimpleProgress, ffUseRecycleBin}),
            0x80 | 0x10 | 0x200 | 0x8 | 0x400 | 0x4 | 0x100 | 0x40);
  EXPECT_EQ(ZYLFileOperationToWin(foCopy), 2u);
  EXPECT_EQ(ZYLFileOperationToWin(foRename), 4u);
  EXPECT_EQ(ZYLFileOperationToWin(foMove), 1u);
  EXPECT_EQ(ZYLFileOperationToWin(foDelete), 3u);
}

TEST_F(FileCtrlTest, TimeStampsInLocalTime) {
  TZYLFileCtrl& c = c_;
  const std::string f = Open("stamp.txt", "x");
  const vcl::TDateTime when = vcl::EncodeDate(2003, 7, 14) + vcl::EncodeTime(15, 16, 17, 0);
  c.SetFileWriteStamp(vcl::DateTimeToStr(when));
  EXPECT_EQ(c.FileWriteStamp(), vcl::DateTimeToStr(when));
  // The file holds the moment in UTC: the C library's local time of it gives the fields back.
  struct stat st;
  ASSERT_EQ(stat(f.c_str(), &st), 0);
  tm local{};
  char text[32];
  strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", localtime_r(&st.st_mtime, &local));
  EXPECT_STREQ(text, "2003-07-14 15:16:17");

  c.SetFileStampFormat("yyyy");
  EXPECT_EQ(c.FileWriteStamp(), "2003");
  c.SetFileStampFormat("");

  const vcl::TDateTime earlier = vcl::EncodeDate(1999, 12, 31) + vcl::EncodeTime(23, 59, 58, 0);
  c.SetFileAccessStamp(vcl::DateTimeToStr(earlier));
  EXPECT_EQ(c.FileAccessStamp(), vcl::DateTimeToStr(earlier));
  EXPECT_EQ(c.FileWriteStamp(), vcl::DateTimeToStr(when));  // the other time stays
  EXPECT_FALSE(c.FileCreateStamp().empty());
}

TEST_F(FileCtrlTest, BadStampTextsAndRefusedStampsRaise) {
  TZYLFileCtrl& c = c_;
  const std::string f = Open("stamp.txt", "x");
  const std::string before = c.FileWriteStamp();
  EXPECT_THROW(c.SetFileWriteStamp("31.31.31 99:99"), vcl::EConvertError);
  EXPECT_THROW(c.SetFileWriteStamp(""), vcl::EConvertError);
  EXPECT_EQ(c.FileWriteStamp(), before);
  // The creation time is kept where the file system keeps one (the temporary folder's does),
  // independent of the other two.
  const std::string created = vcl::DateTimeToStr(vcl::EncodeDate(2001, 1, 1));
  c.SetFileCreateStamp(created);
  EXPECT_EQ(c.FileCreateStamp(), created);
  EXPECT_EQ(c.FileWriteStamp(), before);
  c.SetFileWriteStamp(vcl::DateTimeToStr(vcl::EncodeDate(2002, 2, 2)));
  EXPECT_EQ(c.FileCreateStamp(), created);
}

TEST_F(FileCtrlTest, TypeNames) {
  TZYLFileCtrl& c = c_;
  const std::string f = Open("Notes.Abc", "");
  EXPECT_EQ(c.FileType(), ".ABC-Files");
  c.SetFileType("ignored");
  EXPECT_EQ(c.FileType(), ".ABC-Files");
  Associate(".abc", "abcfile", "Abc Document", "\"/opt/abc edit/abc\" \"%1\"", "/opt/abc.ico,3");
  EXPECT_EQ(c.FileType(), "Abc Document");
  EXPECT_EQ(c.GetExecuteable(), "/opt/abc edit/abc");
  EXPECT_EQ(c.GetFileIconPath(), "/opt/abc.ico");
  // A type name longer than the shell's 80 characters is cut to 79.
  SetDefault("abcfile", std::string(100, 'T'));
  EXPECT_EQ(c.FileType(), std::string(79, 'T'));
}

TEST_F(FileCtrlTest, ExecutablesFindThemselves) {
  const std::string tool = tmp_.File("tool");
  WriteFile(tool, "#!/bin/sh\n");
  chmod(tool.c_str(), 0755);
  TZYLFileCtrl c(nullptr);
  c.SetFileName(tool);
  EXPECT_EQ(c.GetExecuteable(), tool);
  EXPECT_EQ(c.GetFileIconIndex(), 2);
  const std::string doc = tmp_.File("plain.zzz");
  WriteFile(doc, "");
  c.SetFileName(doc);
  EXPECT_EQ(c.GetExecuteable(), "");
  EXPECT_EQ(c.GetFileIconIndex(), 0);
  EXPECT_EQ(c.GetFileIconPath(), "");
}

TEST_F(FileCtrlTest, IconsOfIconFilesAndOfTheShell) {
  TZYLFileCtrl& c = c_;
  const std::string ico = Open("two.ico", MakeIco({16, 32}));
  EXPECT_EQ(c.GetIconNum(), 1);
  EXPECT_EQ(c.GetFileIconPath(), ico);
  vcl::TIcon large, small, none;
  c.GetLargeIconFromFile(0, &large);
  c.GetSmallIconFromFile(0, &small);
  ASSERT_TRUE(large.HandleAllocated());
  ASSERT_TRUE(small.HandleAllocated());
  EXPECT_EQ(large.Width(), 32);
  EXPECT_EQ(small.Width(), 16);
  c.GetLargeIconFromFile(1, &none);
  c.GetLargeIconFromFile(-1, &none);
  EXPECT_FALSE(none.HandleAllocated());
  c.GetLargeIconFromFile(0, nullptr);
  // The system's icon sizes: 16 small, 32 large.
  EXPECT_EQ(c.GetSmallIconWidth(), 16);
  EXPECT_EQ(c.GetSmallIconHeight(), 16);
  EXPECT_EQ(c.GetLargeIconWidth(), 32);
  EXPECT_EQ(c.GetLargeIconHeight(), 32);

  std::vector<vcl::TIcon*> icons;
  EXPECT_EQ(c.ExtractIconsFromFile(icons, false), 1);
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0]->Height(), 16);
  for (vcl::TIcon* i : icons) delete i;

  // A damaged icon file holds no icons.
  const std::string bad = tmp_.File("bad.ico");
  std::string bytes = MakeIco({32});
  WriteFile(bad, bytes.substr(0, bytes.size() / 2));
  c.SetFileName(bad);
  EXPECT_EQ(c.GetIconNum(), 0);
  c.GetLargeIconFromFile(0, &none);
  EXPECT_FALSE(none.HandleAllocated());
  bytes[2] = 2;  // a cursor file, not an icon file
  WriteFile(bad, bytes);
  EXPECT_EQ(c.GetIconNum(), 0);

  // Every file gets an icon of the shell in the system's sizes.
  const std::string doc = tmp_.File("doc.txt");
  WriteFile(doc, "");
  c.SetFileName(doc);
  vcl::TIcon shellLarge, shellSmall;
  c.GetLargeFileIcon(&shellLarge);
  c.GetSmallFileIcon(&shellSmall);
  ASSERT_TRUE(shellLarge.HandleAllocated());
  EXPECT_EQ(shellLarge.Width(), 32);
  EXPECT_EQ(shellSmall.Width(), 16);
  EXPECT_EQ(c.GetLargeIconWidth(), 32);
  EXPECT_EQ(c.GetSmallIconHeight(), 16);
  EXPECT_NE(c.GetLargeIconListHandle(), 0u);
  EXPECT_NE(c.GetSmallIconListHandle(), 0u);
  EXPECT_NE(c.GetLargeIconListHandle(), c.GetSmallIconListHandle());
}

TEST_F(FileCtrlTest, IconsIntoAnImageListEntry) {
  TZYLFileCtrl& c = c_;
  const std::string ico = Open("one.ico", MakeIco({32}));
  TZYLImageListItem item;
  item.SetInteger(0, 32);
  item.SetInteger(1, 32);
  EXPECT_EQ(c.ExtractIconsFromFile(&item, true), 1);
  ASSERT_EQ(item.GetCount(), 1);
  vcl::TBitmap bmp;
  ASSERT_TRUE(item.GetBitmap(0, &bmp));
  EXPECT_EQ(bmp.Width(), 32);
  // The icon's blue-ish pixels (red 0x20, green 0x40, blue 0xC0) fill the image.
  EXPECT_EQ(bmp.Canvas()->Pixels(16, 16), 0xC04020);
  EXPECT_EQ(c.ExtractIconsFromFile(static_cast<TZYLImageListItem*>(nullptr), true), 0);
  const std::string txt = tmp_.File("no.txt");
  WriteFile(txt, "");
  c.SetFileName(txt);
  EXPECT_EQ(c.ExtractIconsFromFile(&item, true), 0);
  EXPECT_EQ(item.GetCount(), 1);
}

TEST_F(FileCtrlTest, IconsIntoAPlatformImageList) {
  TZYLFileCtrl& c = c_;
  Open("one.ico", MakeIco({32}));
  vcl::TImageList list(nullptr);
  list.SetWidth(32);
  list.SetHeight(32);
  EXPECT_EQ(c.ExtractIconsFromFile(&list, true), 1);
  ASSERT_EQ(list.Count(), 1);
  // The icon's blue-ish pixels (red 0x20, green 0x40, blue 0xC0) fill the image, all opaque.
  EXPECT_EQ(list.Pixel(0, 16, 16), vcl::TColor(0xC04020));
  EXPECT_FALSE(list.Transparent(0, 0, 0));
  // Small icons drawn to a smaller list.
  vcl::TImageList small(nullptr);
  small.SetWidth(16);
  small.SetHeight(16);
  EXPECT_EQ(c.ExtractIconsFromFile(&small, false), 1);
  EXPECT_EQ(small.Pixel(0, 15, 15), vcl::TColor(0xC04020));
  EXPECT_EQ(c.ExtractIconsFromFile(static_cast<vcl::TCustomImageList*>(nullptr), true), 0);
  Open("no.txt", "");
  EXPECT_EQ(c.ExtractIconsFromFile(&list, true), 0);
  EXPECT_EQ(list.Count(), 1);
}

// Sizes around the 32-bit limits, given to sparse files that take no room on the disk.
class FileCtrlSize : public FileCtrlTest, public ::testing::WithParamInterface<int64_t> {};

TEST_P(FileCtrlSize, IsTheWholeSizeOfALargeFile) {
  const std::string f = Open("large.bin", "x");
  std::error_code error;
  std::filesystem::resize_file(f, static_cast<uintmax_t>(GetParam()), error);
  ASSERT_FALSE(error) << error.message();
  EXPECT_EQ(c_.FileSize(), GetParam());
  EXPECT_EQ(vcl::PropType(&c_, "FileSize"), vcl::tkInt64);
  EXPECT_EQ(vcl::GetInt64Prop(&c_, "FileSize"), GetParam());
  // A form never keeps the size.
  const std::string written = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(&c_));
  EXPECT_EQ(written.find("FileSize"), std::string::npos) << written;
}

INSTANTIATE_TEST_SUITE_P(Limits, FileCtrlSize,
                         ::testing::Values(int64_t{INT32_MAX}, int64_t{INT32_MAX} + 1,
                                           int64_t{3} << 30, int64_t{UINT32_MAX},
                                           (int64_t{1} << 32) + 5, int64_t{5} << 40));

TEST_F(FileCtrlTest, CopyMoveRename) {
  const std::string a = tmp_.File("a.txt"), b = tmp_.File("b.txt");
  WriteFile(a, "alpha");
  TZYLFileCtrl c(nullptr);
  EXPECT_TRUE(c.CopyFiles(a, b));
  EXPECT_EQ(ReadFile(b), "alpha");
  EXPECT_EQ(ReadFile(a), "alpha");
  const win::TShellFileOpRecord& rec = win::SHLastFileOperation();
  EXPECT_EQ(rec.Func, win::FO_COPY);
  EXPECT_EQ(rec.Flags, 0xC0);
  EXPECT_EQ(rec.From, std::vector<std::string>{a});
  EXPECT_EQ(rec.To, std::vector<std::string>{b});

  const std::string sub = tmp_.File("sub");
  ASSERT_TRUE(vcl::CreateDir(sub));
  EXPECT_TRUE(c.MoveFiles(b, sub));
  EXPECT_FALSE(Exists(b));
  EXPECT_EQ(ReadFile(sub + "/b.txt"), "alpha");

  EXPECT_TRUE(c.RenameFiles(sub + "/b.txt", sub + "/c.txt"));
  EXPECT_EQ(ReadFile(sub + "/c.txt"), "alpha");
  // Renaming onto an existing name fails and keeps both files.
  WriteFile(sub + "/d.txt", "delta");
  EXPECT_FALSE(c.RenameFiles(sub + "/c.txt", sub + "/d.txt"));
  EXPECT_EQ(ReadFile(sub + "/c.txt"), "alpha");
  EXPECT_EQ(ReadFile(sub + "/d.txt"), "delta");

  // Relative names are expanded against the current folder.
  EXPECT_TRUE(InFolder(tmp_.Path(), [&] { return c.CopyFiles("a.txt", "e.txt"); }));
  EXPECT_EQ(ReadFile(tmp_.File("e.txt")), "alpha");
}

TEST_F(FileCtrlTest, FailuresAreReported) {
  TZYLFileCtrl c(nullptr);
  const int calls = win::SHLastFileOperation().Calls;
  EXPECT_FALSE(c.CopyFiles("", tmp_.File("x")));
  EXPECT_FALSE(c.DeleteFiles(""));
  EXPECT_EQ(win::SHLastFileOperation().Calls, calls);  // the shell was not asked
  const std::string a = tmp_.File("a.txt");
  WriteFile(a, "alpha");
  // An empty destination is the current folder.
  testsupport::TempDir here;
  EXPECT_TRUE(InFolder(here.Path(), [&] { return c.CopyFiles(a, ""); }));
  EXPECT_EQ(ReadFile(here.File("a.txt")), "alpha");
  EXPECT_FALSE(c.CopyFiles(tmp_.File("missing.txt"), tmp_.File("y.txt")));
  EXPECT_FALSE(Exists(tmp_.File("y.txt")));
  // One missing name in a list stops the whole operation before anything changes.
  const std::string list = a + '\0' + tmp_.File("missing.txt") + '\0';
  EXPECT_FALSE(c.DeleteFiles(list));
  EXPECT_TRUE(Exists(a));
  // A folder cannot be copied into itself.
  const std::string d = tmp_.File("d");
  ASSERT_TRUE(vcl::CreateDir(d));
  c.SetOptions({});
  EXPECT_FALSE(c.CopyFiles(d, d + "/inner"));
  EXPECT_FALSE(Exists(d + "/inner"));
}

TEST_F(FileCtrlTest, DeleteGoesToRecycleBinByDefault) {
  const std::string a = tmp_.File("gone.txt");
  WriteFile(a, "bye");
  TZYLFileCtrl c(nullptr);
  EXPECT_TRUE(c.DeleteFiles(a));
  EXPECT_FALSE(Exists(a));
  EXPECT_EQ(ReadFile(bin_ + "/gone.txt"), "bye");
  const win::TShellFileOpRecord& rec = win::SHLastFileOperation();
  EXPECT_EQ(rec.Func, win::FO_DELETE);
  EXPECT_EQ(rec.Flags & win::FOF_ALLOWUNDO, win::FOF_ALLOWUNDO);
  EXPECT_EQ(rec.To, rec.From);  // the delete passes its list as destination too
  // A second file of the same name keeps the first one in the bin.
  WriteFile(a, "again");
  EXPECT_TRUE(c.DeleteFiles(a));
  EXPECT_EQ(ReadFile(bin_ + "/gone.txt"), "bye");
  EXPECT_EQ(ReadFile(bin_ + "/gone.txt (2)"), "again");

  c.SetOptions({ffFilesOnly});
  WriteFile(a, "final");
  EXPECT_TRUE(c.DeleteFiles(a));
  EXPECT_FALSE(Exists(a));
  EXPECT_FALSE(Exists(bin_ + "/gone.txt (3)"));
}

TEST_F(FileCtrlTest, ListsWildcardsAndCollisions) {
  const std::string a = tmp_.File("one.txt"), b = tmp_.File("two.txt"), out = tmp_.File("out");
  WriteFile(a, "1");
  WriteFile(b, "2");
  TZYLFileCtrl c(nullptr);
  c.SetOptions({ffRenameFileOnCollision});
  // A ready list without its closing zero is closed by the component.
  EXPECT_TRUE(c.CopyFiles(a + '\0' + b, out));
  EXPECT_EQ(ReadFile(out + "/one.txt"), "1");
  EXPECT_EQ(ReadFile(out + "/two.txt"), "2");
  EXPECT_EQ(win::SHLastFileOperation().From.size(), 2u);
  // Copying onto an existing file under ffRenameFileOnCollision keeps both.
  EXPECT_TRUE(c.CopyFiles(a, out + "/two.txt"));
  EXPECT_EQ(ReadFile(out + "/two.txt"), "2");
  EXPECT_EQ(ReadFile(out + "/Copy of two.txt"), "1");
  // Without it the copy replaces the file.
  c.SetOptions({ffNoActionConfirm});
  EXPECT_TRUE(c.CopyFiles(a, out + "/two.txt"));
  EXPECT_EQ(ReadFile(out + "/two.txt"), "1");

  // Wildcards with ffFilesOnly leave folders alone.
  ASSERT_TRUE(vcl::CreateDir(tmp_.File("x.txt.d")));
  c.SetOptions({ffFilesOnly});
  EXPECT_TRUE(c.MoveFiles(tmp_.File("*.t*"), tmp_.File("moved")));
  EXPECT_TRUE(Exists(tmp_.File("moved/one.txt")));
  EXPECT_TRUE(Exists(tmp_.File("moved/two.txt")));
  EXPECT_FALSE(Exists(a));
  EXPECT_TRUE(Exists(tmp_.File("x.txt.d")));
  EXPECT_FALSE(Exists(tmp_.File("moved/x.txt.d")));
}
