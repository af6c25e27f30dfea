// Item-id lists, special folders, the desktop folder and the task allocator.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/rtl/FileUtils.h"
#include "platform/sys/ShlObj.h"
#include "tests/support/TempDir.h"

namespace win {
namespace {

// The path of a list, "<virtual>" for none.
std::string PathOf(LPCITEMIDLIST pidl) {
  char path[MAX_PATH];
  return SHGetPathFromIDListA(pidl, path) ? std::string(path) : std::string("<virtual>");
}

// Sets HOME and the XDG folders for a test, and puts them back.
class HomeScope {
 public:
  explicit HomeScope(const std::string& home) {
    for (const char* v : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
      const char* old = std::getenv(v);
      saved_.push_back({v, old ? old : "", old != nullptr});
      ::unsetenv(v);
    }
    ::setenv("HOME", home.c_str(), 1);
  }
  ~HomeScope() {
    for (const auto& s : saved_)
      if (s.Had)
        ::setenv(s.Name, s.Value.c_str(), 1);
      else
        ::unsetenv(s.Name);
  }

 private:
  struct TSaved {
    const char* Name;
    std::string Value;
    bool Had;
  };
  std::vector<TSaved> saved_;
};

struct TFolderCase {
  int Csidl;
  const char* UnderHome;  // nullptr: a virtual item; "=/..." an absolute path
};

class SpecialFolderTest : public ::testing::TestWithParam<TFolderCase> {};

TEST_P(SpecialFolderTest, MapsToTheUsersFolders) {
  testsupport::TempDir home;
  HomeScope scope(home.Path());
  LPITEMIDLIST pidl = nullptr;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, GetParam().Csidl, &pidl), S_OK);
  ASSERT_NE(pidl, nullptr);
  const char* want = GetParam().UnderHome;
  if (!want)
    EXPECT_EQ(PathOf(pidl), "<virtual>");
  else if (want[0] == '=')
    EXPECT_EQ(PathOf(pidl), want + 1);
  else
    EXPECT_EQ(PathOf(pidl), home.Path() + want);
  EXPECT_EQ(IsVirtualItemIDList(pidl), want == nullptr);
  CoTaskMemFree(pidl);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SpecialFolderTest,
    ::testing::Values(
        TFolderCase{CSIDL_DESKTOP, "/Desktop"},  // the desktop's folder
        TFolderCase{CSIDL_DESKTOPDIRECTORY, "/Desktop"}, TFolderCase{CSIDL_PERSONAL, "/Documents"},
        TFolderCase{CSIDL_MYPICTURES, "/Pictures"}, TFolderCase{CSIDL_TEMPLATES, "/Templates"},
        TFolderCase{CSIDL_PROFILE, ""}, TFolderCase{CSIDL_APPDATA, "/.config"},
        TFolderCase{CSIDL_LOCAL_APPDATA, "/.local/share"},
        TFolderCase{CSIDL_STARTUP, "/.config/autostart"}, TFolderCase{CSIDL_PROGRAM_FILES, "=/usr"},
        TFolderCase{CSIDL_DRIVES, nullptr}, TFolderCase{CSIDL_PRINTERS, nullptr},
        TFolderCase{CSIDL_BITBUCKET, nullptr}, TFolderCase{CSIDL_NETWORK, nullptr},
        TFolderCase{CSIDL_CONTROLS, nullptr}, TFolderCase{CSIDL_INTERNET, nullptr}));

TEST(ShlObj, UnknownFoldersAreRefused) {
  LPITEMIDLIST pidl = reinterpret_cast<LPITEMIDLIST>(1);
  EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, 0xFEFE, &pidl), E_INVALIDARG);
  EXPECT_EQ(pidl, nullptr);
  EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, nullptr), E_INVALIDARG);
}

TEST(ShlObj, PathsAndListsRoundTrip) {
  testsupport::TempDir dir;
  vcl::ForceDirectories(dir.File("a/b c"));
  LPITEMIDLIST pidl = ILCreateFromPathA(dir.File("a/b c").c_str());
  ASSERT_NE(pidl, nullptr);
  EXPECT_EQ(PathOf(pidl), dir.File("a/b c"));
  EXPECT_EQ(ItemIDListDisplayName(pidl), "b c");
  LPITEMIDLIST copy = ILClone(pidl);
  EXPECT_TRUE(ILIsEqual(pidl, copy));
  EXPECT_EQ(ILGetSize(copy), ILGetSize(pidl));
  LPITEMIDLIST parent = ILCreateFromPathA(dir.File("a").c_str());
  EXPECT_FALSE(ILIsEqual(pidl, parent));
  // "/" is one item of its own; the root alone is the list of "/".
  LPITEMIDLIST root = ILCreateFromPathA("/");
  EXPECT_EQ(PathOf(root), "/");
  EXPECT_EQ(ILGetSize(root), 2u + 3u);
  EXPECT_EQ(ILCreateFromPathA(dir.File("missing").c_str()), nullptr);
  EXPECT_EQ(ILCreateFromPathA(""), nullptr);
  char path[MAX_PATH] = "x";
  EXPECT_FALSE(SHGetPathFromIDListA(nullptr, path));
  EXPECT_STREQ(path, "");
  for (LPITEMIDLIST p : {pidl, copy, parent, root}) ILFree(p);
}

TEST(ShlObj, TheDesktopFolderParsesExistingPaths) {
  testsupport::TempDir dir;
  IShellFolder* desktop = nullptr;
  ASSERT_EQ(SHGetDesktopFolder(&desktop), S_OK);
  LPITEMIDLIST pidl = nullptr;
  ULONG eaten = 0;
  ASSERT_EQ(desktop->ParseDisplayName(nullptr, nullptr, dir.Path().c_str(), &eaten, &pidl, nullptr),
            S_OK);
  EXPECT_EQ(PathOf(pidl), dir.Path());
  EXPECT_EQ(eaten, dir.Path().size());
  CoTaskMemFree(pidl);
  EXPECT_EQ(desktop->ParseDisplayName(nullptr, nullptr, dir.File("none").c_str(), nullptr, &pidl,
                                      nullptr),
            E_INVALIDARG);
  EXPECT_EQ(pidl, nullptr);
  desktop->Release();
}

TEST(ShlObj, TheShellAllocatorIsTheTaskAllocator) {
  IMalloc* m = nullptr;
  ASSERT_EQ(SHGetMalloc(&m), S_OK);
  void* p = m->Alloc(100);
  ASSERT_NE(p, nullptr);
  EXPECT_GE(m->GetSize(p), 100u);
  p = m->Realloc(p, 300);
  EXPECT_GE(m->GetSize(p), 300u);
  CoTaskMemFree(p);  // either side frees what the other allocated
  m->Free(CoTaskMemAlloc(10));
  m->Release();
}

TEST(ShlObj, BrowsingWithoutADialogFails) {
  const TBrowseForFolderProc old = SetBrowseForFolderProc(nullptr);
  BROWSEINFOA bi;
  EXPECT_EQ(SHBrowseForFolderA(&bi), nullptr);
  SetBrowseForFolderProc(old);
}

}  // namespace
}  // namespace win
