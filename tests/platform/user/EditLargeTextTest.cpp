// The EDIT class with big contents: a click in a long line, a long word-wrapped paragraph edited
// key by key, and the limit a new control puts on what the user types. The sizes are ones at
// which work that grows with the square of the line would not finish within the test's time.
#include <string>
#include <vector>

#include "UserTestSupport.h"
#include "tests/support/Cases.h"

namespace usertest {
namespace {

using namespace win::testkit;

constexpr size_t kLongLine = 200000;

class EditLargeText : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent_ = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 400, 300);
  }
  HWND Edit(DWORD style, const std::string& text, int w = 200, int h = 100) {
    HWND e = CreateWindowExA(0, "Edit", text.c_str(), WS_CHILD | WS_VISIBLE | style, 10, 10, w, h,
                             parent_, nullptr, nullptr, nullptr);
    SetFocus(e);
    RunUntilIdle();
    return e;
  }
  static size_t Caret(HWND h) {
    DWORD a = 0, b = 0;
    SendMessageA(h, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    return b;
  }
  HWND parent_ = nullptr;
};

// Clicking where a character is drawn puts the caret before it, also far along a long line.
TEST_F(EditLargeText, AClickNearTheEndOfALongLineFindsItsCharacter) {
  std::string text;
  for (size_t i = 0; i < kLongLine; ++i) text += static_cast<char>('a' + i % 26);
  HWND e = Edit(ES_AUTOHSCROLL, text);
  SendMessageA(e, EM_LIMITTEXT, 0, 0);
  // Scroll to the end, then click on the characters shown there.
  SendMessageA(e, EM_SETSEL, kLongLine, kLongLine);
  for (size_t target : {kLongLine - 1, kLongLine - 5, kLongLine - 12}) {
    const LRESULT p = SendMessageA(e, EM_POSFROMCHAR, target, 0);
    const int x = static_cast<int16_t>(LOWORD(p)), y = static_cast<int16_t>(HIWORD(p));
    ASSERT_GE(x, 0) << target;
    const POINT at = ScreenPoint(e, x + 1, y + 2);
    Click(at.X, at.Y);
    EXPECT_EQ(Caret(e), target);
    // The message's answer holds 16 bits and stops at their limit.
    EXPECT_EQ(LOWORD(SendMessageA(e, EM_CHARFROMPOS, 0, MAKELPARAM(x + 1, y + 2))), 0xFFFF);
  }
}

// A paragraph of a million characters wraps in one pass; keys typed in its middle lay out only
// the lines they touch, and the lines stay those a fresh control gives the same text.
TEST_F(EditLargeText, KeysInAHugeWrappedParagraphKeepItsLines) {
  std::string text;
  for (size_t i = 0; text.size() < 1000000; ++i) text += (i % 7 == 6) ? "wordwordwordword " : "ab ";
  HWND memo = Edit(ES_MULTILINE | WS_VSCROLL, text);
  SendMessageA(memo, EM_LIMITTEXT, 0, 0);
  const LRESULT lines = SendMessageA(memo, EM_GETLINECOUNT, 0, 0);
  EXPECT_GT(lines, 1000);
  // Type at the start of a line far down, then take a word back and undo.
  const LRESULT start = SendMessageA(memo, EM_LINEINDEX, static_cast<WPARAM>(lines / 2), 0);
  SendMessageA(memo, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start));
  TypeText("xyz xyz");
  KeyPress(VK_BACK);
  KeyPress(VK_BACK);
  KeyPress(VK_RETURN);
  SendMessageA(memo, EM_UNDO, 0, 0);
  const std::string now = EditText(memo);
  EXPECT_EQ(now.size(), text.size() + 5);
  HWND fresh = Edit(ES_MULTILINE | WS_VSCROLL, now);
  EXPECT_EQ(EditLines(memo), EditLines(fresh));
}

// A control takes 30,000 characters from the user until EM_LIMITTEXT says otherwise (0: as many
// as it can hold); text set as a whole is not cut. The framework's edits send their MaxLength,
// whose 0 means no limit.
// Lines appended one by one reach the scroll bars at once (their range and position), and the
// bars drawn at the next paint show the last of them as a full redraw of the frame does.
TEST_F(EditLargeText, LinesAppendedOneByOneShowOnTheScrollBarsAtTheNextPaint) {
  HWND h = Edit(ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, "", 200, 100);
  for (int i = 0; i < 300; ++i) {
    const std::string line =
        "appended line " + std::string(static_cast<size_t>(i % 40), 'w') + "\r\n";
    const int end = GetWindowTextLengthA(h);
    SendMessageA(h, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageA(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
  }
  SCROLLINFO vert{};
  vert.cbSize = sizeof vert;
  vert.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(h, SB_VERT, &vert));
  EXPECT_EQ(vert.nMax, 300);  // 301 lines: the last one empty, where the caret stands
  EXPECT_EQ(vert.nPos + static_cast<int>(vert.nPage), 301);
  RunUntilIdle();
  const TCapture painted = CaptureWindow(h);
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  RunUntilIdle();
  EXPECT_EQ(CountDifferentPixels(painted, CaptureWindow(h)), 0);
}

TEST_F(EditLargeText, ANewControlTakesThirtyThousandCharactersFromTheUser) {
  const std::string big(30005, 'q');
  HWND e = Edit(ES_AUTOHSCROLL, "");
  const LRESULT fresh = SendMessageA(e, EM_GETLIMITTEXT, 0, 0);
  SendMessageA(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(big.c_str()));
  const size_t pasted = EditText(e).size();
  SetWindowTextA(e, (big + big).c_str());
  const size_t set = EditText(e).size();
  SendMessageA(e, EM_LIMITTEXT, 0, 0);
  const LRESULT unlimited = SendMessageA(e, EM_GETLIMITTEXT, 0, 0);
  SetWindowTextA(e, "");
  SendMessageA(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(big.c_str()));
  testsupport::ExpectCases({{std::to_string(fresh), "30000"},
                            {std::to_string(pasted), "30000"},
                            {std::to_string(set), std::to_string(2 * big.size())},
                            {std::to_string(unlimited), std::to_string(0x7FFFFFFE)},
                            {std::to_string(EditText(e).size()), std::to_string(big.size())}});
}

}  // namespace
}  // namespace usertest
