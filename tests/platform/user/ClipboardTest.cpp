// The clipboard API: ownership and opening rules, formats, bitmaps, the shared file, and
// global memory blocks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/base/LastError.h"
#include "platform/gdi/Gdi.h"
#include "platform/rtl/WinError.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/Clipboard.h"
#include "tests/platform/user/UserTestSupport.h"
#include "tests/support/TempDir.h"

using namespace win;
using namespace usertest;

namespace {

HGLOBAL Block(const std::string& bytes) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(GlobalLock(h), bytes.data(), bytes.size());
  GlobalUnlock(h);
  return h;
}

std::string Contents(HANDLE h) {
  const char* p = static_cast<const char*>(GlobalLock(h));
  std::string s(p, GlobalSize(h));
  GlobalUnlock(h);
  return s;
}

class ClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("ZYL_CLIPBOARD_FILE", dir_.File("clip").c_str(), 1); }
  void TearDown() override {
    CloseClipboard();  // whatever a failed test left open
    unsetenv("ZYL_CLIPBOARD_FILE");
  }
  // Puts one format on the clipboard in a full open/empty/set/close round.
  void Put(UINT format, const std::string& bytes) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_TRUE(SetClipboardData(format, Block(bytes)));
    ASSERT_TRUE(CloseClipboard());
  }
  std::string Get(UINT format) {
    if (!OpenClipboard(nullptr)) return "<not open>";
    HANDLE h = GetClipboardData(format);
    std::string s = h ? Contents(h) : "<none>";
    CloseClipboard();
    return s;
  }
  testkit::TSession session_;
  testsupport::TempDir dir_;
};

TEST_F(ClipboardTest, CallsThatNeedTheClipboardOpenFailWithoutIt) {
  SetLastError(0);
  EXPECT_FALSE(EmptyClipboard());
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
  HGLOBAL h = Block("x");
  EXPECT_EQ(SetClipboardData(CF_TEXT, h), nullptr);
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  EXPECT_EQ(EnumClipboardFormats(0), 0u);
  EXPECT_FALSE(CloseClipboard());
  EXPECT_EQ(GlobalFree(h), nullptr);  // refused data stays the caller's
}

TEST_F(ClipboardTest, TextRoundTripAndReplacement) {
  Put(CF_TEXT, std::string("hello\0", 6));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_OEMTEXT));
  EXPECT_EQ(Get(CF_TEXT), std::string("hello\0", 6));
  EXPECT_EQ(Get(CF_UNICODETEXT), "<none>");
  Put(CF_TEXT, "second");
  EXPECT_EQ(Get(CF_TEXT), "second");
  EXPECT_EQ(CountClipboardFormats(), 1);
}

TEST_F(ClipboardTest, BadDataIsRefusedWithAnError) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL freed = GlobalAlloc(GMEM_MOVEABLE, 4);
  GlobalFree(freed);
  HGLOBAL good = Block("abc");
  struct Case {
    UINT format;
    HANDLE data;
  } cases[] = {{0, good}, {CF_TEXT, nullptr}, {CF_TEXT, freed}, {0xC000 + 0x3000, good},
               {CF_BITMAP, good}};
  for (const auto& c : cases) {
    SetLastError(0);
    EXPECT_EQ(SetClipboardData(c.format, c.data), nullptr) << c.format;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << c.format;
  }
  EXPECT_EQ(CountClipboardFormats(), 0);
  CloseClipboard();
  GlobalFree(good);
}

TEST_F(ClipboardTest, SecondOpenerIsRefusedUntilClose) {
  RegisterTestClasses();
  HWND a = ColorWindow(nullptr, WS_POPUP, 0, 0, 10, 10, 0);
  HWND b = ColorWindow(nullptr, WS_POPUP, 0, 0, 10, 10, 0);
  ASSERT_TRUE(a && b);
  ASSERT_TRUE(OpenClipboard(a));
  EXPECT_TRUE(OpenClipboard(a));  // the same window again
  EXPECT_FALSE(OpenClipboard(b));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(GetOpenClipboardWindow(), a);
  EmptyClipboard();
  EXPECT_EQ(GetClipboardOwner(), a);
  CloseClipboard();
  testkit::TMessageRecorder rec(a);
  ASSERT_TRUE(OpenClipboard(b));
  EmptyClipboard();  // tells the old owner
  CloseClipboard();
  EXPECT_EQ(rec.Count(WM_DESTROYCLIPBOARD), 1);
  EXPECT_EQ(GetClipboardOwner(), b);
}

TEST_F(ClipboardTest, RegisteredFormatsByNameAndEnumeration) {
  const UINT mine = RegisterClipboardFormatA("Test Format");
  EXPECT_GE(mine, 0xC000u);
  EXPECT_EQ(RegisterClipboardFormatA("TEST FORMAT"), mine);
  EXPECT_EQ(RegisterClipboardFormatA(""), 0u);
  char name[8];
  EXPECT_EQ(GetClipboardFormatNameA(mine, name, sizeof name), 7);  // cut to the buffer
  EXPECT_STREQ(name, "Test Fo");
  EXPECT_EQ(GetClipboardFormatNameA(CF_TEXT, name, sizeof name), 0);

  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, Block("t"));
  SetClipboardData(mine, Block("payload"));
  std::vector<UINT> seen;
  for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f)) seen.push_back(f);
  EXPECT_EQ(seen, (std::vector<UINT>{CF_TEXT, mine}));
  CloseClipboard();
  EXPECT_EQ(Get(mine), "payload");
}

TEST_F(ClipboardTest, BitmapTravelsAsBitmapAndAsPackedDib) {
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 3, 2);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bmp);
  const COLORREF colours[2][3] = {{0x0000FF, 0x00FF00, 0xFF0000}, {0x123456, 0xFFFFFF, 0}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) SetPixel(dc, x, y, colours[y][x]);
  SelectObject(dc, old);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  ASSERT_EQ(SetClipboardData(CF_BITMAP, bmp), bmp);
  CloseClipboard();
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));

  ASSERT_TRUE(OpenClipboard(nullptr));
  const std::string dib = Contents(GetClipboardData(CF_DIB));
  BITMAPINFOHEADER h;
  ASSERT_GE(dib.size(), sizeof h + 24);
  std::memcpy(&h, dib.data(), sizeof h);
  EXPECT_EQ(h.biWidth, 3);
  EXPECT_EQ(h.biHeight, 2);
  // Bottom-up rows of B, G, R, 0: the first pixel stored is (0, 1).
  EXPECT_EQ(static_cast<uint8_t>(dib[sizeof h + 0]), 0x12);  // blue of 0x123456
  EXPECT_EQ(static_cast<uint8_t>(dib[sizeof h + 2]), 0x56);
  HBITMAP got = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  ASSERT_NE(got, nullptr);
  SelectObject(dc, got);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(GetPixel(dc, x, y), colours[y][x]) << x << "," << y;
  SelectObject(dc, old);
  CloseClipboard();
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

TEST_F(ClipboardTest, DamagedPackedDibGivesNoBitmap) {
  BITMAPINFOHEADER h;
  h.biWidth = 100000;
  h.biHeight = 100000;
  h.biBitCount = 32;
  const std::string huge(reinterpret_cast<const char*>(&h), sizeof h);
  h.biWidth = 4;
  h.biHeight = 4;
  const std::string truncated = std::string(reinterpret_cast<const char*>(&h), sizeof h) + "abc";
  for (const std::string& bytes : {huge, truncated, std::string("x")}) {
    Put(CF_DIB, bytes);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
    CloseClipboard();
  }
}

TEST_F(ClipboardTest, SharedFileCarriesContentAndDamagedFilesReadEmpty) {
  const UINT mine = RegisterClipboardFormatA("Shared Format");
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, Block("abc"));
  SetClipboardData(mine, Block("xyz"));
  CloseClipboard();
  const DWORD serial = GetClipboardSequenceNumber();
  std::string file;
  {
    std::ifstream in(ClipboardFileName(), std::ios::binary);
    file.assign(std::istreambuf_iterator<char>(in), {});
  }
  ASSERT_NE(file.find("Shared Format"), std::string::npos);  // by name, not by id

  // Another program replaces the file: the next reader sees its content.
  auto writeFile = [&](const std::string& bytes) {
    std::ofstream(ClipboardFileName() + ".tmp", std::ios::binary) << bytes;
    std::rename((ClipboardFileName() + ".tmp").c_str(), ClipboardFileName().c_str());
  };
  std::string other = file;
  other[8] = static_cast<char>(other[8] + 5);  // a later serial
  other.replace(other.find("abc"), 3, "ABC");
  writeFile(other);
  EXPECT_EQ(Get(CF_TEXT), "ABC");
  EXPECT_EQ(GetClipboardSequenceNumber(), serial + 5);

  const std::string damaged[] = {"", "ZYLCLIP1", file.substr(0, file.size() - 1), "garbage file",
                                 file.substr(0, 16) + std::string("\xff\xff\xff\x7f", 4)};
  for (size_t i = 0; i < std::size(damaged); ++i) {
    std::string d = damaged[i];
    if (d.size() >= 16) d[8] = static_cast<char>(d[8] + 10 + i);  // looks new
    writeFile(d);
    EXPECT_EQ(CountClipboardFormats(), 0) << i;
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT)) << i;
  }
}

TEST(GlobalMemory, BlocksAndStaleHandles) {
  HGLOBAL h = GlobalAlloc(GHND, 5);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GlobalSize(h), 5u);
  auto* p = static_cast<char*>(GlobalLock(h));
  EXPECT_EQ(std::string(p, 5), std::string(5, '\0'));
  EXPECT_FALSE(GlobalUnlock(h));  // no lock left
  EXPECT_EQ(GlobalFree(h), nullptr);
  SetLastError(0);
  EXPECT_EQ(GlobalLock(h), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(GlobalSize(h), 0u);
  EXPECT_EQ(GlobalFree(h), h);
  EXPECT_EQ(GlobalAlloc(0, size_t(1) << 40), nullptr);
}

}  // namespace
