// The system's EDIT and BUTTON classes driven as a user would: keys, mouse, clipboard, and the
// messages their callers send.
#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "UserTestSupport.h"
#include "platform/user/Clipboard.h"
#include "tests/support/Cases.h"
#include "tests/support/PixelCheck.h"

namespace usertest {
namespace {

using namespace win::testkit;

// Notification codes the parent received, in order.
std::vector<WORD> g_notes;

LRESULT ParentProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && lp) g_notes.push_back(HIWORD(wp));
  return DefWindowProcA(h, msg, wp, lp);
}

class ControlClassTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    g_notes.clear();
    WNDCLASSA wc;
    wc.lpfnWndProc = ParentProc;
    wc.lpszClassName = "NoteParent";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_BTNFACE + 1));
    RegisterClassA(&wc);
    parent_ = CreateWindowExA(0, "NoteParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                              nullptr, nullptr, nullptr);
    RunUntilIdle();
  }
  HWND Edit(DWORD style, const char* text = "", int w = 200, int h = 24) {
    HWND e = CreateWindowExA(0, "EDIT", text, WS_CHILD | WS_VISIBLE | style, 10, 10, w, h, parent_,
                             reinterpret_cast<HMENU>(7), nullptr, nullptr);
    SetFocus(e);
    RunUntilIdle();
    g_notes.clear();
    return e;
  }
  HWND Button(DWORD style, const char* text, int y = 10, int w = 120) {
    HWND b = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, 10, y, w, 20,
                             parent_, nullptr, nullptr, nullptr);
    RunUntilIdle();
    return b;
  }
  static std::string Text(HWND h) {
    char buf[512];
    GetWindowTextA(h, buf, sizeof buf);
    return buf;
  }
  static std::pair<DWORD, DWORD> Sel(HWND h) {
    DWORD a = 0, b = 0;
    SendMessageA(h, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    return {a, b};
  }
  static int Count(WORD code) {
    return static_cast<int>(std::count(g_notes.begin(), g_notes.end(), code));
  }
  // Screen point of the top-left of character i (plus a pixel inside it).
  static POINT CharPoint(HWND h, size_t i) {
    const LRESULT p = SendMessageA(h, EM_POSFROMCHAR, i, 0);
    return ScreenPoint(h, static_cast<int16_t>(LOWORD(p)) + 1, static_cast<int16_t>(HIWORD(p)) + 2);
  }
  HWND parent_ = nullptr;
};

// Plays a script of words: "text" types it, "LEFT", "S+LEFT", "C+HOME", "CS+END" press keys
// with shift and control held as marked.
void Play(const std::string& script) {
  static const std::vector<std::pair<std::string, BYTE>> keys = {
      {"LEFT", VK_LEFT},  {"RIGHT", VK_RIGHT}, {"UP", VK_UP},      {"DOWN", VK_DOWN},
      {"HOME", VK_HOME},  {"END", VK_END},     {"DEL", VK_DELETE}, {"BACK", VK_BACK},
      {"RET", VK_RETURN}, {"INS", VK_INSERT},  {"Z", 'Z'},         {"C", 'C'},
      {"V", 'V'},         {"X", 'X'},          {"TAB", VK_TAB}};
  std::istringstream in(script);
  std::string word;
  while (in >> word) {
    if (word.front() == '"') {
      TypeText(word.substr(1, word.size() - 2));
      continue;
    }
    bool shift = false, ctrl = false;
    const size_t plus = word.find('+');
    if (plus != std::string::npos) {
      shift = word.substr(0, plus).find('S') != std::string::npos;
      ctrl = word.substr(0, plus).find('C') != std::string::npos;
      word = word.substr(plus + 1);
    }
    BYTE vk = 0;
    for (const auto& [name, code] : keys)
      if (name == word) vk = code;
    ASSERT_NE(vk, 0) << "unknown key " << word;
    SetShiftState(shift, ctrl, false);
    KeyPress(vk);
    SetShiftState(false, false, false);
  }
}

struct KeyCase {
  const char* Name;
  DWORD Style;
  const char* Start;
  const char* Script;
  const char* Text;
  DWORD SelStart, SelEnd;
};

class EditKeys : public ControlClassTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(EditKeys, TypingAndMovingGiveTextAndSelection) {
  const KeyCase& c = GetParam();
  HWND e = Edit(ES_AUTOHSCROLL | c.Style, c.Start, 200, 80);
  SendMessageA(e, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  // Start with the caret at the end.
  SendMessageA(e, EM_SETSEL, 1000, 1000);
  Play(c.Script);
  EXPECT_EQ(Text(e), c.Text);
  EXPECT_EQ(Sel(e), std::make_pair(c.SelStart, c.SelEnd));
}

constexpr DWORD kMulti = ES_MULTILINE | ES_AUTOVSCROLL;

INSTANTIATE_TEST_SUITE_P(
    Edit, EditKeys,
    ::testing::Values(
        KeyCase{"Types", 0, "", "\"hello\"", "hello", 5, 5},
        KeyCase{"HomeThenType", 0, "hello", "HOME \"x\"", "xhello", 1, 1},
        KeyCase{"WordLeftSelectsToStart", 0, "hello world", "C+LEFT S+HOME", "hello world", 0, 6},
        KeyCase{"TypingReplacesSelection", 0, "hello world", "C+LEFT S+HOME \"X\"", "Xworld", 1, 1},
        KeyCase{"WordRight", 0, "one two three", "HOME C+RIGHT C+RIGHT \"_\"", "one two _three", 9,
                9},
        KeyCase{"ShiftLeftThenBackspace", 0, "abc", "S+LEFT S+LEFT BACK", "a", 1, 1},
        KeyCase{"LeftCollapsesSelection", 0, "abcd", "S+LEFT S+LEFT LEFT", "abcd", 2, 2},
        KeyCase{"Delete", 0, "abc", "LEFT DEL", "ab", 2, 2},
        KeyCase{"CtrlBackspaceEatsAWord", 0, "one two", "C+BACK", "one ", 4, 4},
        KeyCase{"ShiftEndFromHome", 0, "abc", "HOME S+END", "abc", 0, 3},
        KeyCase{"Uppercase", ES_UPPERCASE, "", "\"aBc\"", "ABC", 3, 3},
        KeyCase{"Lowercase", ES_LOWERCASE, "", "\"aBc\"", "abc", 3, 3},
        KeyCase{"NumberOnlyTakesDigits", ES_NUMBER, "", "\"1a2\"", "12", 2, 2},
        KeyCase{"ReadOnlyRefusesTyping", ES_READONLY, "ro", "\"x\" BACK DEL", "ro", 2, 2},
        KeyCase{"SingleLineIgnoresReturn", 0, "ab", "RET", "ab", 2, 2},
        KeyCase{"UndoTakesBackATypingRun", 0, "", "\"abc\" C+Z", "", 0, 0},
        KeyCase{"UndoTwiceRedoes", 0, "", "\"abc\" C+Z C+Z", "abc", 3, 3},
        KeyCase{"CopyPaste", 0, "hey", "S+HOME C+C END C+V", "heyhey", 6, 6},
        KeyCase{"CutPasteTwice", 0, "hey", "S+HOME C+X C+V C+V", "heyhey", 6, 6},
        KeyCase{"ShiftDeleteCutsShiftInsertPastes", 0, "ab", "S+HOME S+DEL S+INS S+INS", "abab", 4,
                4},
        KeyCase{"MultiLineReturnBreaks", kMulti, "ab", "RET \"cd\"", "ab\r\ncd", 6, 6},
        KeyCase{"UpThenEnd", kMulti, "ab\r\ncd", "UP END \"X\"", "abX\r\ncd", 3, 3},
        KeyCase{"CtrlHomeCtrlEnd", kMulti, "ab\r\ncd", "C+HOME \"0\" C+END \"9\"", "0ab\r\ncd9", 8,
                8},
        KeyCase{"BackspaceJoinsLines", kMulti, "ab\r\ncd", "HOME BACK", "abcd", 2, 2},
        KeyCase{"RightStepsOverLineBreak", kMulti, "ab\r\ncd", "C+HOME END RIGHT \"_\"",
                "ab\r\n_cd", 5, 5},
        KeyCase{"DownSelectsALine", kMulti, "ab\r\ncd\r\nef", "C+HOME S+DOWN", "ab\r\ncd\r\nef", 0,
                4}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ControlClassTest, LimitStopsTypingAndSaysSo) {
  HWND e = Edit(ES_AUTOHSCROLL);
  SendMessageA(e, EM_LIMITTEXT, 3, 0);
  EXPECT_EQ(SendMessageA(e, EM_GETLIMITTEXT, 0, 0), 3);
  TypeText("abcd");
  EXPECT_EQ(Text(e), "abc");
  EXPECT_EQ(Count(EN_MAXTEXT), 1);
  // Setting the text is not held to the limit.
  SetWindowTextA(e, "longer text");
  EXPECT_EQ(Text(e), "longer text");
  // A paste is cut to the room left.
  SendMessageA(e, EM_LIMITTEXT, 13, 0);
  SendMessageA(e, EM_SETSEL, 0, 3);
  SendMessageA(e, WM_COPY, 0, 0);
  SendMessageA(e, EM_SETSEL, 100, 100);
  SendMessageA(e, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(e), "longer textlo");
}

TEST_F(ControlClassTest, TextWiderThanAFixedLineIsRefused) {
  HWND e = Edit(0, "", 40);  // no ES_AUTOHSCROLL
  TypeText("mmmmmmmmmmmmmmmmmmmm");
  const std::string t = Text(e);
  EXPECT_GT(t.size(), 0u);
  EXPECT_LT(t.size(), 20u);
  EXPECT_GE(Count(EN_MAXTEXT), 1);
}

TEST_F(ControlClassTest, NotificationsComeInOrder) {
  HWND e = Edit(ES_AUTOHSCROLL);
  TypeText("a");
  EXPECT_EQ(g_notes, (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
  g_notes.clear();
  SetWindowTextA(e, "new");
  EXPECT_EQ(g_notes, (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
  EXPECT_FALSE(SendMessageA(e, EM_GETMODIFY, 0, 0));
  TypeText("x");
  EXPECT_TRUE(SendMessageA(e, EM_GETMODIFY, 0, 0));
  g_notes.clear();
  SetFocus(parent_);
  SetFocus(e);
  EXPECT_EQ(g_notes, (std::vector<WORD>{EN_KILLFOCUS, EN_SETFOCUS}));
}

TEST_F(ControlClassTest, LineMessagesAnswerForMultiLineText) {
  HWND e = Edit(kMulti, "one\r\ntwo\r\n\r\nfour", 200, 100);
  auto n = [&](UINT m, WPARAM w) { return std::to_string(SendMessageA(e, m, w, 0)); };
  char line[16] = {};
  *reinterpret_cast<WORD*>(line) = sizeof line - 1;
  const LRESULT copied = SendMessageA(e, EM_GETLINE, 1, reinterpret_cast<LPARAM>(line));
  SendMessageA(e, EM_SETSEL, 6, 6);
  testsupport::ExpectCases({
      {n(EM_GETLINECOUNT, 0), "4"},
      {n(EM_LINEINDEX, 1), "5"},
      {n(EM_LINEINDEX, 3), "12"},
      {n(EM_LINEINDEX, 4), "-1"},
      {n(EM_LINELENGTH, 5), "3"},
      {n(EM_LINELENGTH, 10), "0"},
      {n(EM_LINEFROMCHAR, 13), "3"},
      {n(EM_LINEFROMCHAR, static_cast<WPARAM>(-1)), "1"},
      {n(EM_LINEINDEX, static_cast<WPARAM>(-1)), "5"},
      {std::string(line, static_cast<size_t>(copied)), "two"},
  });
  // A single-line control has one line whatever its text holds.
  HWND s = Edit(ES_AUTOHSCROLL, "a");
  EXPECT_EQ(SendMessageA(s, EM_GETLINECOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageA(s, EM_POSFROMCHAR, 5, 0), -1);
}

TEST_F(ControlClassTest, PositionsAndCharactersAgree) {
  HWND e = Edit(kMulti, "first\r\nsecond", 200, 100);
  for (size_t i : {0u, 3u, 7u, 10u}) {
    const LRESULT p = SendMessageA(e, EM_POSFROMCHAR, i, 0);
    const LRESULT c = SendMessageA(e, EM_CHARFROMPOS, 0, MAKELPARAM(LOWORD(p) + 1, HIWORD(p) + 1));
    EXPECT_EQ(LOWORD(c), i);
    EXPECT_EQ(HIWORD(c), i < 7 ? 0 : 1);
  }
  // Later lines are lower, later characters of a line further right.
  EXPECT_GT(HIWORD(SendMessageA(e, EM_POSFROMCHAR, 7, 0)),
            HIWORD(SendMessageA(e, EM_POSFROMCHAR, 0, 0)));
  EXPECT_GT(LOWORD(SendMessageA(e, EM_POSFROMCHAR, 3, 0)),
            LOWORD(SendMessageA(e, EM_POSFROMCHAR, 0, 0)));
}

TEST_F(ControlClassTest, MouseClicksDragsAndDoubleClicksSelect) {
  HWND e = Edit(ES_AUTOHSCROLL, "hello world");
  Click(CharPoint(e, 2).X, CharPoint(e, 2).Y);
  EXPECT_EQ(Sel(e), std::make_pair(DWORD{2}, DWORD{2}));
  SetShiftState(true, false, false);
  Click(CharPoint(e, 4).X, CharPoint(e, 4).Y);
  SetShiftState(false, false, false);
  EXPECT_EQ(Sel(e), std::make_pair(DWORD{2}, DWORD{4}));
  Drag(CharPoint(e, 1), CharPoint(e, 8));
  EXPECT_EQ(Sel(e), std::make_pair(DWORD{1}, DWORD{8}));
  AdvanceClock(1000);
  DoubleClick(CharPoint(e, 7).X, CharPoint(e, 7).Y);
  EXPECT_EQ(Sel(e), std::make_pair(DWORD{6}, DWORD{11}));
  AdvanceClock(1000);
  DoubleClick(CharPoint(e, 1).X, CharPoint(e, 1).Y);
  EXPECT_EQ(Sel(e), std::make_pair(DWORD{0}, DWORD{6}));  // the word with its blank
}

TEST_F(ControlClassTest, CaretStaysInSightWhenTextScrolls) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += "line " + std::to_string(i) + "\r\n";
  HWND e = Edit(kMulti | WS_VSCROLL, text.c_str(), 150, 60);
  EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  Play("C+END");
  const LRESULT first = SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_GT(first, 20);
  RECT r;
  SendMessageA(e, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  const LRESULT p = SendMessageA(e, EM_POSFROMCHAR, text.size(), 0);
  EXPECT_GE(static_cast<int16_t>(HIWORD(p)), r.Top);
  EXPECT_LT(static_cast<int16_t>(HIWORD(p)), r.Bottom);
  SCROLLINFO si;
  si.fMask = SIF_POS;
  GetScrollInfo(e, SB_VERT, &si);
  EXPECT_EQ(si.nPos, first);
  // Scrolling by messages and by the wheel.
  EXPECT_TRUE(SendMessageA(e, EM_LINESCROLL, 0, -5));
  EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), first - 5);
  SendMessageA(e, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  SendMessageA(e, EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), first);
  // A long single line scrolls sideways to show the caret.
  HWND s = Edit(ES_AUTOHSCROLL, "a rather long line of text that cannot fit", 60);
  Play("END");
  EXPECT_GT(SendMessageA(s, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  const LRESULT end = SendMessageA(s, EM_POSFROMCHAR, 42, 0);
  EXPECT_LE(static_cast<int16_t>(LOWORD(end)), 60);
  Play("HOME");
  EXPECT_EQ(SendMessageA(s, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(ControlClassTest, WordWrapBreaksAtBlanks) {
  HWND e = Edit(ES_MULTILINE | ES_AUTOVSCROLL, "alpha beta gamma delta epsilon", 70, 100);
  const LRESULT lines = SendMessageA(e, EM_GETLINECOUNT, 0, 0);
  EXPECT_GT(lines, 1);
  const std::string t = Text(e);
  for (LRESULT i = 1; i < lines; ++i) {
    const LRESULT start = SendMessageA(e, EM_LINEINDEX, static_cast<WPARAM>(i), 0);
    EXPECT_EQ(t[static_cast<size_t>(start) - 1], ' ') << "line " << i;
  }
  EXPECT_EQ(t, "alpha beta gamma delta epsilon");  // wrapping adds nothing to the text
}

TEST_F(ControlClassTest, PasswordsShowStarsAndStayOffTheClipboard) {
  HWND e = Edit(ES_AUTOHSCROLL | ES_PASSWORD, "secret");
  EXPECT_EQ(SendMessageA(e, EM_GETPASSWORDCHAR, 0, 0), '*');
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  SendMessageA(e, EM_SETSEL, 0, -1);
  SendMessageA(e, WM_COPY, 0, 0);
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  SendMessageA(e, EM_SETPASSWORDCHAR, '#', 0);
  EXPECT_EQ(SendMessageA(e, EM_GETPASSWORDCHAR, 0, 0), '#');
  SendMessageA(e, EM_SETPASSWORDCHAR, 0, 0);
  SendMessageA(e, WM_COPY, 0, 0);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
}

TEST_F(ControlClassTest, UndoAndReplaceSelectionByMessage) {
  HWND e = Edit(ES_AUTOHSCROLL, "abc");
  EXPECT_FALSE(SendMessageA(e, EM_CANUNDO, 0, 0));
  SendMessageA(e, EM_SETSEL, 1, 2);
  SendMessageA(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("XYZ"));
  EXPECT_EQ(Text(e), "aXYZc");
  EXPECT_TRUE(SendMessageA(e, EM_CANUNDO, 0, 0));
  EXPECT_TRUE(SendMessageA(e, EM_UNDO, 0, 0));
  EXPECT_EQ(Text(e), "abc");
  SendMessageA(e, EM_EMPTYUNDOBUFFER, 0, 0);
  EXPECT_FALSE(SendMessageA(e, EM_UNDO, 0, 0));
  EXPECT_EQ(Text(e), "abc");
  // EM_SETSEL with -1 as start keeps the caret and drops the selection.
  SendMessageA(e, EM_SETSEL, 0, 2);
  SendMessageA(e, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(Sel(e), std::make_pair(DWORD{2}, DWORD{2}));
  SendMessageA(e, EM_SETREADONLY, TRUE, 0);
  EXPECT_TRUE(GetWindowLongA(e, GWL_STYLE) & ES_READONLY);
  SendMessageA(e, WM_CLEAR, 0, 0);
  SendMessageA(e, EM_SETSEL, 0, -1);
  SendMessageA(e, WM_CUT, 0, 0);
  EXPECT_EQ(Text(e), "abc");
}

TEST_F(ControlClassTest, MarginsAndFormatRectangle) {
  HWND e = Edit(kMulti, "x", 200, 80);
  SendMessageA(e, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(6, 9));
  EXPECT_EQ(SendMessageA(e, EM_GETMARGINS, 0, 0), MAKELONG(6, 9));
  RECT r;
  SendMessageA(e, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  RECT c;
  GetClientRect(e, &c);
  EXPECT_EQ(r.Left, 6);
  EXPECT_EQ(r.Right, c.Right - 9);
  EXPECT_EQ(LOWORD(SendMessageA(e, EM_POSFROMCHAR, 0, 0)), 6);
  RECT custom{20, 10, 150, 70};
  SendMessageA(e, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&custom));
  SendMessageA(e, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r, custom);
  EXPECT_EQ(SendMessageA(e, EM_POSFROMCHAR, 0, 0), MAKELONG(20, 10));
}

TEST_F(ControlClassTest, SelectionIsHighlightedOnlyWithTheFocus) {
  HWND e = Edit(ES_AUTOHSCROLL, "      ");
  SendMessageA(e, EM_SETSEL, 0, -1);
  RunUntilIdle();
  const LRESULT end = SendMessageA(e, EM_POSFROMCHAR, 5, 0);
  RECT area{2, 1, static_cast<int16_t>(LOWORD(end)), 10};
  const COLORREF hi = GetSysColor(COLOR_HIGHLIGHT), window = GetSysColor(COLOR_WINDOW);
  EXPECT_TRUE(PixelsMatch(
      CaptureWindow(e, false), [&](int, int) { return hi; }, "edit_selected", area));
  SetFocus(parent_);
  RunUntilIdle();
  EXPECT_TRUE(PixelsMatch(
      CaptureWindow(e, false), [&](int, int) { return window; }, "edit_unfocused", area));
  // Read-only and disabled edits take the dialog colour.
  SendMessageA(e, EM_SETREADONLY, TRUE, 0);
  RunUntilIdle();
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_TRUE(PixelsMatch(
      CaptureWindow(e, false), [&](int, int) { return face; }, "edit_readonly", area));
}

// ---- BUTTON ----

struct ClickCase {
  const char* Name;
  DWORD Style;
  int Clicks;
  LRESULT Check;
};

class ButtonClicks : public ControlClassTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ButtonClicks, ClicksChangeTheCheckAsTheStyleSays) {
  const ClickCase& c = GetParam();
  HWND b = Button(c.Style, "Option");
  g_notes.clear();
  for (int i = 0; i < c.Clicks; ++i) {
    const POINT p = ScreenPoint(b, 5, 10);
    Click(p.X, p.Y);
    AdvanceClock(1000);  // no double clicks
  }
  EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), c.Check);
  EXPECT_EQ(Count(BN_CLICKED), c.Clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Button, ButtonClicks,
    ::testing::Values(ClickCase{"AutoCheckOnce", BS_AUTOCHECKBOX, 1, BST_CHECKED},
                      ClickCase{"AutoCheckTwice", BS_AUTOCHECKBOX, 2, BST_UNCHECKED},
                      ClickCase{"Auto3StateTwice", BS_AUTO3STATE, 2, BST_INDETERMINATE},
                      ClickCase{"Auto3StateThrice", BS_AUTO3STATE, 3, BST_UNCHECKED},
                      ClickCase{"PlainCheckStays", BS_CHECKBOX, 1, BST_UNCHECKED},
                      ClickCase{"PlainRadioStays", BS_RADIOBUTTON, 1, BST_UNCHECKED},
                      ClickCase{"AutoRadioTwiceStaysChecked", BS_AUTORADIOBUTTON, 2, BST_CHECKED},
                      ClickCase{"PushHasNoCheck", BS_PUSHBUTTON, 1, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ControlClassTest, AutomaticRadioButtonsUncheckTheirGroupOnly) {
  HWND a = Button(BS_AUTORADIOBUTTON | WS_GROUP, "A", 10);
  HWND b = Button(BS_AUTORADIOBUTTON, "B", 35);
  HWND c = Button(BS_AUTORADIOBUTTON | WS_GROUP, "C", 60);
  SendMessageA(c, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(a, BM_CLICK, 0, 0);
  SendMessageA(b, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(c, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ControlClassTest, PressingAndLeavingDoesNotClick) {
  HWND b = Button(BS_AUTOCHECKBOX, "Check");
  g_notes.clear();
  const POINT in = ScreenPoint(b, 5, 10);
  MouseDown(in.X, in.Y);
  EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
  MouseMove(in.X + 300, in.Y);
  EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  MouseUp(in.X + 300, in.Y);
  EXPECT_EQ(Count(BN_CLICKED), 0);
  EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_FOCUS, BST_FOCUS);
  // The space bar clicks the focused button; a disabled one takes no BM_CLICK.
  KeyPress(VK_SPACE);
  EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
  EnableWindow(b, FALSE);
  SendMessageA(b, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(Count(BN_CLICKED), 1);
  // A group box takes no clicks and no check.
  HWND g = Button(BS_GROUPBOX, "Group", 40);
  SendMessageA(g, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(g, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(g, BM_GETCHECK, 0, 0), 0);
  EXPECT_EQ(Count(BN_CLICKED), 1);
}

// A system control pressed with the mouse lets the mouse go when the focus moves elsewhere
// before the release: the release that follows goes to the window under the mouse and a
// button does not click.
struct TFocusLeavesCase {
  const char* Name;
  const char* Class;
  DWORD Style;
};

class FocusLeavesMidPress : public ControlClassTest,
                            public ::testing::WithParamInterface<TFocusLeavesCase> {};

TEST_P(FocusLeavesMidPress, TheControlLetsTheMouseGo) {
  const TFocusLeavesCase& c = GetParam();
  HWND w = CreateWindowExA(0, c.Class, "Pressed text", WS_CHILD | WS_VISIBLE | c.Style, 10, 10, 120,
                           24, parent_, nullptr, nullptr, nullptr);
  HWND other = Edit(0);
  SetWindowPos(other, nullptr, 10, 60, 120, 24, SWP_NOZORDER);
  RunUntilIdle();
  g_notes.clear();
  const POINT in = ScreenPoint(w, 20, 10);
  MouseDown(in.X, in.Y);
  ASSERT_EQ(GetCapture(), w);
  SetFocus(other);
  EXPECT_EQ(GetCapture(), nullptr);
  MouseUp(in.X, in.Y);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Count(BN_CLICKED), 0);
}

INSTANTIATE_TEST_SUITE_P(Classes, FocusLeavesMidPress,
                         ::testing::Values(TFocusLeavesCase{"Edit", "EDIT", 0},
                                           TFocusLeavesCase{"PushButton", "BUTTON", BS_PUSHBUTTON},
                                           TFocusLeavesCase{"CheckBox", "BUTTON", BS_AUTOCHECKBOX}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ControlClassTest, CheckBoxGlyphShowsTheState) {
  HWND b = Button(BS_AUTOCHECKBOX, "");
  // The inside of the 13-pixel box (centred in the 20-pixel height), within its 2-pixel edge.
  RECT inside{2, 5, 11, 14};
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  const TCapture off = CaptureWindow(b);
  EXPECT_TRUE(PixelsMatch(
      off, [&](int, int) { return window; }, "check_off", inside));
  SendMessageA(b, BM_SETCHECK, BST_CHECKED, 0);
  RunUntilIdle();
  const TCapture on = CaptureWindow(b);
  EXPECT_GT(CountDifferentPixels(off, on), 0);
  // Only the inside of the box changes.
  EXPECT_TRUE(PixelsMatch(on, [&](int x, int y) { return off.Color(x, y); }, "check_on_text",
                          {13, 0, 120, 20}));
}

}  // namespace
}  // namespace usertest

namespace usertest {
namespace {

TEST_F(ControlClassTest, BadArgumentsAreRefusedQuietly) {
  HWND e = Edit(kMulti, "abc\r\ndef", 200, 80);
  char one[1] = {'x'};
  EXPECT_EQ(SendMessageA(e, WM_GETTEXT, 1, reinterpret_cast<LPARAM>(one)), 0);
  EXPECT_EQ(one[0], 0);
  EXPECT_EQ(SendMessageA(e, WM_GETTEXT, 0, 0), 0);
  EXPECT_EQ(SendMessageA(e, EM_GETLINE, 0, 0), 0);
  EXPECT_EQ(SendMessageA(e, EM_GETLINE, 99, reinterpret_cast<LPARAM>(one)), 0);
  SendMessageA(e, EM_REPLACESEL, TRUE, 0);
  SendMessageA(e, EM_SETSEL, 5000, 9000);
  EXPECT_EQ(Sel(e), std::make_pair(DWORD{8}, DWORD{8}));
  // A selection edge is never left inside a line break.
  SendMessageA(e, EM_SETSEL, 4, 4);
  EXPECT_EQ(Sel(e), std::make_pair(DWORD{3}, DWORD{3}));
  SendMessageA(e, EM_GETSEL, 0, 0);
  EXPECT_EQ(SendMessageA(e, EM_LINEFROMCHAR, 9999, 0), 1);
  EXPECT_EQ(SendMessageA(e, EM_LINELENGTH, 9999, 0), 0);
  EXPECT_EQ(Text(e), "abc\r\ndef");
  // Setting a null text empties the control.
  SendMessageA(e, WM_SETTEXT, 0, 0);
  EXPECT_EQ(Text(e), "");
  EXPECT_EQ(SendMessageA(e, EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(ControlClassTest, AlignmentPlacesTheLine) {
  HWND left = Edit(ES_MULTILINE, "ab", 200, 40);
  HWND center = Edit(ES_MULTILINE | ES_CENTER, "ab", 200, 40);
  HWND right = Edit(ES_MULTILINE | ES_RIGHT, "ab", 200, 40);
  auto x = [](HWND h, WPARAM i) {
    return static_cast<int16_t>(LOWORD(SendMessageA(h, EM_POSFROMCHAR, i, 0)));
  };
  const int width = x(left, 2) - x(left, 0);
  EXPECT_GT(width, 0);
  EXPECT_EQ(x(left, 0), 1);
  RECT r;
  SendMessageA(right, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(x(right, 2), r.Right);
  EXPECT_EQ(x(center, 0), r.Left + (r.Right - r.Left - width) / 2);
}

TEST_F(ControlClassTest, PushButtonsShowDefaultAndPressedFrames) {
  HWND plain = Button(BS_PUSHBUTTON, "", 10, 60);
  HWND def = Button(BS_DEFPUSHBUTTON, "", 40, 60);
  const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  EXPECT_TRUE(PixelsMatch(CaptureWindow(def), [&](int, int) { return frame; }, "default_frame",
                          {0, 0, 60, 1}));
  EXPECT_TRUE(PixelsMatch(CaptureWindow(plain), [&](int, int) { return light; }, "raised_top",
                          {1, 1, 57, 2}));
  SendMessageA(plain, BM_SETSTATE, TRUE, 0);
  RunUntilIdle();
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  EXPECT_TRUE(PixelsMatch(CaptureWindow(plain), [&](int, int) { return shadow; }, "pressed_top",
                          {0, 0, 60, 1}));
  EXPECT_EQ(SendMessageA(plain, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
  EXPECT_EQ(SendMessageA(def, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  SendMessageA(def, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_EQ(SendMessageA(def, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
}

}  // namespace
}  // namespace usertest
