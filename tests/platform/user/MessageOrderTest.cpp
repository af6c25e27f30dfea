// The order of the messages windows hear in the common operations: creation, SetWindowPos,
// ShowWindow, destruction, EnableWindow, painting and SetParent. Each case records every
// window of one class from its first message on and compares the interesting ones.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "UserTestSupport.h"

namespace usertest {
namespace {

using testkit::TMessageRecorder;

TMessageRecorder* g_rec = nullptr;
std::map<HWND, char> g_roles;
char g_nextRole = '?';
RECT g_createCalc;  // the rectangle WM_NCCALCSIZE(FALSE) carried

// Records every message; WINDOWPOS messages keep their flags in LParam. A window whose
// GWLP_USERDATA is positive answers that many WM_PAINTs without validating.
LRESULT RecProc(HWND h, UINT m, WPARAM wp, LPARAM lp) {
  if (!g_roles.count(h)) g_roles[h] = g_nextRole;
  LPARAM kept = lp;
  if (m == WM_WINDOWPOSCHANGING || m == WM_WINDOWPOSCHANGED) kept = reinterpret_cast<WINDOWPOS*>(lp)->flags;
  if (m == WM_NCCALCSIZE && !wp) g_createCalc = *reinterpret_cast<RECT*>(lp);
  if (g_rec) g_rec->Record({h, m, wp, kept});
  if (m == WM_PAINT && GetWindowLongPtrA(h, GWLP_USERDATA) > 0) {
    SetWindowLongPtrA(h, GWLP_USERDATA, GetWindowLongPtrA(h, GWLP_USERDATA) - 1);
    return 0;
  }
  return DefWindowProcA(h, m, wp, lp);
}

class Env {
 public:
  Env() {
    WNDCLASSA wc;
    wc.lpfnWndProc = RecProc;
    wc.lpszClassName = "Rec";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_WINDOW + 1));
    RegisterClassA(&wc);
    g_roles.clear();
    g_rec = &rec_;
  }
  ~Env() { g_rec = nullptr; }
  HWND Make(char role, DWORD style, HWND parent, int x, int y, int w, int h) {
    g_nextRole = role;
    HWND hwnd = CreateWindowExA(0, "Rec", "", style, x, y, w, h, parent, nullptr, nullptr, nullptr);
    g_nextRole = '?';
    return hwnd;
  }
  HWND operator[](char role) const {
    for (auto& [h, r] : g_roles)
      if (r == role && IsWindow(h)) return h;
    return nullptr;
  }
  // "C:WM_SIZE T:WM_PARENTNOTIFY ..." for the watched messages; WM_NCPAINT shows whether it
  // carried 1 (the whole frame) or a region.
  std::string Log(const std::vector<UINT>& watch) const {
    std::string out;
    for (const auto& e : rec_.Entries()) {
      if (std::find(watch.begin(), watch.end(), e.Msg) == watch.end()) continue;
      if (!out.empty()) out += ' ';
      out += std::string(1, g_roles.count(e.Hwnd) ? g_roles.at(e.Hwnd) : '?') + ":" + testkit::MessageName(e.Msg);
      if (e.Msg == WM_NCPAINT) out += e.WParam == 1 ? "(1)" : "(rgn)";
    }
    return out;
  }
  // Like Log, for every message when `watch` is empty, with what the message carried:
  // WINDOWPOS flags ("(NOSIZE|NOREDRAW)", leaving out what the client area did) and
  // WM_SHOWWINDOW's wParam.
  std::string Detail(const std::vector<UINT>& watch, char only = 0) const {
    std::string out;
    for (const auto& e : rec_.Entries()) {
      if (!watch.empty() && std::find(watch.begin(), watch.end(), e.Msg) == watch.end()) continue;
      if (only && !(g_roles.count(e.Hwnd) && g_roles.at(e.Hwnd) == only)) continue;
      if (!out.empty()) out += ' ';
      out += std::string(1, g_roles.count(e.Hwnd) ? g_roles.at(e.Hwnd) : '?') + ":" +
             testkit::MessageName(e.Msg);
      if (e.Msg == WM_NCPAINT) out += e.WParam == 1 ? "(1)" : "(rgn)";
      if (e.Msg == WM_SHOWWINDOW) out += "(" + std::to_string(e.WParam) + ")";
      if (e.Msg == WM_WINDOWPOSCHANGING || e.Msg == WM_WINDOWPOSCHANGED)
        out += "(" + FlagNames(static_cast<UINT>(e.LParam)) + ")";
    }
    return out;
  }
  static std::string FlagNames(UINT flags) {
    static const std::pair<UINT, const char*> names[] = {
        {SWP_NOSIZE, "NOSIZE"},         {SWP_NOMOVE, "NOMOVE"},
        {SWP_NOZORDER, "NOZORDER"},     {SWP_NOREDRAW, "NOREDRAW"},
        {SWP_NOACTIVATE, "NOACTIVATE"}, {SWP_FRAMECHANGED, "FRAMECHANGED"},
        {SWP_SHOWWINDOW, "SHOWWINDOW"}, {SWP_HIDEWINDOW, "HIDEWINDOW"},
        {SWP_NOCOPYBITS, "NOCOPYBITS"}, {SWP_NOCLIENTSIZE, nullptr},
        {SWP_NOCLIENTMOVE, nullptr}};
    std::string out;
    for (const auto& [bit, name] : names) {
      if (name && (flags & bit)) out += (out.empty() ? "" : "|") + std::string(name);
      flags &= ~bit;
    }
    if (flags) out += (out.empty() ? "" : "|") + std::to_string(flags);
    return out;
  }
  const TMessageRecorder& Rec() const { return rec_; }
  void Clear() { rec_.Clear(); }

 private:
  TMessageRecorder rec_;
};

// P: an overlapped window; T: an overlapped window above it (active) with children C (on top)
// and D, and a hidden child H. A window that becomes active is raised first (P's
// WM_WINDOWPOSCHANGING/CHANGED before its WM_ACTIVATE).
void Desk(Env& e) {
  e.Make('P', WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 200, 200);
  HWND t = e.Make('T', WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, 100, 100, 300, 200);
  e.Make('C', WS_CHILD | WS_VISIBLE, t, 10, 10, 50, 50);
  e.Make('D', WS_CHILD | WS_VISIBLE, t, 30, 30, 50, 50);
  e.Make('H', WS_CHILD, t, 70, 10, 20, 20);
  testkit::RunUntilIdle();
}

constexpr UINT kChanging = WM_WINDOWPOSCHANGING, kChanged = WM_WINDOWPOSCHANGED;

struct Case {
  const char* Name;
  std::function<void(Env&)> Setup;
  std::function<void(Env&)> Act;
  std::vector<UINT> Watch;
  std::string Expected;
  char Only = 0;  // the one window whose messages count (0: every window)
};

const std::vector<UINT> kCreation = {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE,
                                     WM_MOVE,          WM_SHOWWINDOW, WM_PARENTNOTIFY};
const std::vector<UINT> kPlacing = {kChanging, WM_GETMINMAXINFO, WM_NCCALCSIZE, WM_CHILDACTIVATE,
                                    kChanged,  WM_MOVE,          WM_SIZE};
const std::vector<UINT> kShowing = {WM_SHOWWINDOW, kChanging, kChanged, WM_ACTIVATE, WM_SIZE, WM_MOVE};
const std::vector<UINT> kLeaving = {WM_PARENTNOTIFY, WM_SHOWWINDOW, kChanged, WM_ACTIVATE,
                                    WM_KILLFOCUS,    WM_SETFOCUS,   WM_DESTROY, WM_NCDESTROY};
void Nothing(Env&) {}

const Case kCases[] = {
    {"OverlappedSizesAtItsFirstShow", Nothing,
     [](Env& e) {
       ShowWindow(e.Make('X', WS_OVERLAPPEDWINDOW, nullptr, 10, 10, 200, 100), SW_SHOW);
     },
     {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SHOWWINDOW, kChanging, WM_ACTIVATE, kChanged, WM_SIZE, WM_MOVE},
     "X:WM_GETMINMAXINFO X:WM_NCCREATE X:WM_NCCALCSIZE X:WM_CREATE X:WM_SHOWWINDOW X:WM_WINDOWPOSCHANGING "
     "X:WM_ACTIVATE X:WM_WINDOWPOSCHANGED X:WM_SIZE X:WM_MOVE"},
    {"PopupSizesAtCreationWithoutLimits", Nothing,
     [](Env& e) { e.Make('X', WS_POPUP | WS_VISIBLE, nullptr, 10, 10, 50, 50); }, kCreation,
     "X:WM_NCCREATE X:WM_NCCALCSIZE X:WM_CREATE X:WM_SIZE X:WM_MOVE X:WM_SHOWWINDOW"},
    {"SizeablePopupAsksItsLimits", Nothing,
     [](Env& e) { e.Make('X', WS_POPUP | WS_THICKFRAME, nullptr, 10, 10, 150, 150); }, kCreation,
     "X:WM_GETMINMAXINFO X:WM_NCCREATE X:WM_NCCALCSIZE X:WM_CREATE X:WM_SIZE X:WM_MOVE"},
    {"ChildCreatedVisibleTellsItsParentBeforeShowing", Desk,
     [](Env& e) { e.Make('X', WS_CHILD | WS_VISIBLE, e['T'], 0, 0, 10, 10); }, kCreation,
     "X:WM_NCCREATE X:WM_NCCALCSIZE X:WM_CREATE X:WM_SIZE X:WM_MOVE T:WM_PARENTNOTIFY X:WM_SHOWWINDOW"},
    {"ResizeAsksLimitsWhileChangingAndMovesBeforeSizing", Desk,
     [](Env& e) { SetWindowPos(e['T'], nullptr, 90, 90, 320, 220, SWP_NOZORDER | SWP_NOACTIVATE); }, kPlacing,
     "T:WM_WINDOWPOSCHANGING T:WM_GETMINMAXINFO T:WM_NCCALCSIZE T:WM_WINDOWPOSCHANGED T:WM_MOVE T:WM_SIZE"},
    {"ChildMovesAndSizesWithoutLimits", Desk, [](Env& e) { MoveWindow(e['C'], 5, 5, 60, 60, TRUE); }, kPlacing,
     "C:WM_WINDOWPOSCHANGING C:WM_NCCALCSIZE C:WM_WINDOWPOSCHANGED C:WM_MOVE C:WM_SIZE"},
    {"NoChangeNoChanged", Desk, [](Env& e) { MoveWindow(e['C'], 10, 10, 50, 50, TRUE); }, kPlacing,
     "C:WM_WINDOWPOSCHANGING"},
    {"RaisedChildIsActivatedAsAChild", Desk,
     [](Env& e) { SetWindowPos(e['D'], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }, kPlacing,
     "D:WM_WINDOWPOSCHANGING D:WM_CHILDACTIVATE D:WM_WINDOWPOSCHANGED"},
    {"HiddenActiveWindowDeactivatesAfterChanged", Desk, [](Env& e) { ShowWindow(e['T'], SW_HIDE); }, kShowing,
     "T:WM_SHOWWINDOW T:WM_WINDOWPOSCHANGING T:WM_WINDOWPOSCHANGED T:WM_ACTIVATE P:WM_WINDOWPOSCHANGING "
     "P:WM_WINDOWPOSCHANGED P:WM_ACTIVATE"},
    {"ShowingAVisibleWindowDoesNotActivate", [](Env& e) {
       Desk(e);
       SetActiveWindow(e['P']);
     },
     [](Env& e) { ShowWindow(e['T'], SW_SHOW); }, {WM_SHOWWINDOW, WM_ACTIVATE, WM_NCACTIVATE}, ""},
    {"DestroyedFocusedChildTellsParentHidesAndHandsFocusBack", [](Env& e) {
       Desk(e);
       SetFocus(e['C']);
     },
     [](Env& e) { DestroyWindow(e['C']); }, kLeaving,
     "T:WM_PARENTNOTIFY C:WM_SHOWWINDOW C:WM_WINDOWPOSCHANGED C:WM_KILLFOCUS T:WM_SETFOCUS C:WM_DESTROY "
     "C:WM_NCDESTROY"},
    {"DestroyedActiveWindowDeactivatesAfterChanged", Desk, [](Env& e) { DestroyWindow(e['T']); },
     {WM_SHOWWINDOW, kChanged, WM_ACTIVATE, WM_DESTROY},
     "T:WM_WINDOWPOSCHANGED T:WM_ACTIVATE P:WM_WINDOWPOSCHANGED P:WM_ACTIVATE T:WM_DESTROY C:WM_DESTROY "
     "D:WM_DESTROY H:WM_DESTROY"},
    {"HiddenFocusedChildHandsFocusToParent", [](Env& e) {
       Desk(e);
       SetFocus(e['C']);
     },
     [](Env& e) { ShowWindow(e['C'], SW_HIDE); }, kLeaving,
     "C:WM_SHOWWINDOW C:WM_WINDOWPOSCHANGED C:WM_KILLFOCUS T:WM_SETFOCUS"},
    {"DisablingTwiceCancelsOnce", Desk, [](Env& e) {
       EnableWindow(e['C'], FALSE);
       EnableWindow(e['C'], FALSE);
     },
     {WM_CANCELMODE, WM_ENABLE}, "C:WM_CANCELMODE C:WM_ENABLE"},
    {"NewParentMovesTheWindowToTheTop", Desk, [](Env& e) { SetParent(e['H'], e['C']); }, kPlacing,
     "H:WM_WINDOWPOSCHANGING H:WM_CHILDACTIVATE H:WM_WINDOWPOSCHANGED H:WM_MOVE"},
    {"UpdateWindowPaintsInvalidChildren", [](Env& e) {
       Desk(e);
       InvalidateRect(e['C'], nullptr, TRUE);
     },
     [](Env& e) { UpdateWindow(e['T']); }, {WM_PAINT}, "C:WM_PAINT"},
    {"UpdateNowPaintsInvalidChildren", [](Env& e) {
       Desk(e);
       InvalidateRect(e['C'], nullptr, TRUE);
     },
     [](Env& e) { RedrawWindow(e['T'], nullptr, nullptr, RDW_UPDATENOW); }, {WM_PAINT}, "C:WM_PAINT"},
    {"EraseNowLeavesChildren",
     [](Env& e) {
       Desk(e);
       InvalidateRect(e['T'], nullptr, TRUE);
       InvalidateRect(e['C'], nullptr, TRUE);
     },
     [](Env& e) { RedrawWindow(e['T'], nullptr, nullptr, RDW_ERASENOW); }, {WM_ERASEBKGND}, "T:WM_ERASEBKGND"},
    {"EraseNowWithAllChildren",
     [](Env& e) {
       Desk(e);
       InvalidateRect(e['T'], nullptr, TRUE);
       InvalidateRect(e['C'], nullptr, TRUE);
     },
     [](Env& e) { RedrawWindow(e['T'], nullptr, nullptr, RDW_ERASENOW | RDW_ALLCHILDREN); }, {WM_ERASEBKGND},
     "T:WM_ERASEBKGND C:WM_ERASEBKGND"},
    {"WholeFrameInvalidPaintsWithOne", Desk,
     [](Env& e) {
       SetWindowPos(e['T'], nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
       UpdateWindow(e['T']);
     },
     {WM_NCPAINT}, "T:WM_NCPAINT(1)"},
    {"PartOfTheFramePaintsWithARegion", Desk,
     [](Env& e) {
       RECT corner = {-5, -5, 10, 10};
       RedrawWindow(e['T'], &corner, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
     },
     {WM_NCPAINT}, "T:WM_NCPAINT(rgn)"},
};

// Sets a case up and records what its action makes the windows hear.
const Env& Play(Env& env, const Case& c) {
  c.Setup(env);
  env.Clear();
  c.Act(env);
  return env;
}
std::string CaseName(const ::testing::TestParamInfo<Case>& info) { return info.param.Name; }

class MessageOrder : public UserTest, public ::testing::WithParamInterface<Case> {};

TEST_P(MessageOrder, FollowsThePlatform) {
  Env env;
  EXPECT_EQ(Play(env, GetParam()).Log(GetParam().Watch), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageOrder, ::testing::ValuesIn(kCases), CaseName);

// Q: an overlapped window without WS_CLIPCHILDREN holding A (framed, whole inside the client
// area, with a framed child G sticking out of A's client area), B (frameless, whole inside)
// and E (framed, sticking out of Q's client area).
void Open(Env& e) {
  HWND q = e.Make('Q', WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 50, 50, 300, 200);
  HWND a = e.Make('A', WS_CHILD | WS_VISIBLE | WS_BORDER, q, 10, 10, 60, 40);
  e.Make('G', WS_CHILD | WS_VISIBLE | WS_BORDER, a, 40, 20, 40, 40);
  e.Make('B', WS_CHILD | WS_VISIBLE, q, 100, 10, 60, 40);
  e.Make('E', WS_CHILD | WS_VISIBLE | WS_BORDER, q, 250, 140, 100, 100);
  testkit::RunUntilIdle();
}

const std::vector<UINT> kPainting = {WM_PAINT, WM_NCPAINT, WM_ERASEBKGND};
const std::vector<UINT> kReparenting = {WM_SHOWWINDOW, kChanging, WM_CHILDACTIVATE,
                                        kChanged,      WM_MOVE,   WM_SIZE};
const std::vector<UINT> kEverything = {};
const RECT kAroundA = {0, 0, 90, 60};  // A whole, nothing of B
const RECT kAIntoB = {0, 0, 130, 60};  // A whole, part of B

void PaintQ(Env& e) { UpdateWindow(e['Q']); }
// A setup, then the window of `role` invalidated on `area` (all its client area when null).
std::function<void(Env&)> Invalid(void (*setup)(Env&), char role, const RECT* area, BOOL erase) {
  return [=](Env& e) {
    setup(e);
    InvalidateRect(e[role], area, erase);
  };
}

const Case kDetailedCases[] = {
    // Showing a visible window.
    {"ShowingAVisibleChildSendsNothing", Desk, [](Env& e) { ShowWindow(e['C'], SW_SHOW); },
     kEverything, ""},
    {"ShowingTheVisibleActiveWindowSendsNothing", Desk, [](Env& e) { ShowWindow(e['T'], SW_SHOW); },
     kEverything, ""},
    {"ShowingAVisibleInactiveWindowSendsNothing",
     [](Env& e) {
       Desk(e);
       SetActiveWindow(e['P']);
     },
     [](Env& e) { ShowWindow(e['T'], SW_SHOW); }, kEverything, ""},
    {"ShowingAHiddenChildTellsIt",
     Desk,
     [](Env& e) { ShowWindow(e['H'], SW_SHOW); },
     {WM_SHOWWINDOW, kChanging, kChanged},
     "H:WM_SHOWWINDOW(1) H:WM_WINDOWPOSCHANGING(NOSIZE|NOMOVE|NOZORDER|NOACTIVATE|SHOWWINDOW) "
     "H:WM_WINDOWPOSCHANGED(NOSIZE|NOMOVE|NOZORDER|NOACTIVATE|SHOWWINDOW)"},
    {"ShownBeforeItsFirstShowWindowStillHearsItsSize",
     [](Env& e) {
       HWND x = e.Make('X', WS_OVERLAPPEDWINDOW, nullptr, 10, 10, 200, 100);
       SetWindowPos(x, nullptr, 0, 0, 0, 0,
                    SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
       testkit::RunUntilIdle();
     },
     [](Env& e) { ShowWindow(e['X'], SW_SHOW); }, kEverything, "X:WM_SIZE X:WM_MOVE"},
    // Invalidating a parent without WS_CLIPCHILDREN: children whole inside the area are erased.
    {"ChildrenWholeInsideAreErasedWithoutErasing", Invalid(Open, 'Q', nullptr, FALSE), PaintQ,
     kPainting,
     "Q:WM_PAINT A:WM_PAINT A:WM_NCPAINT(1) A:WM_ERASEBKGND G:WM_PAINT G:WM_NCPAINT(rgn) "
     "B:WM_PAINT B:WM_ERASEBKGND E:WM_PAINT E:WM_NCPAINT(rgn)"},
    {"ChildrenPartlyInsideAreNotErased", Invalid(Open, 'Q', &kAIntoB, FALSE), PaintQ, kPainting,
     "Q:WM_PAINT A:WM_PAINT A:WM_NCPAINT(1) A:WM_ERASEBKGND G:WM_PAINT G:WM_NCPAINT(rgn) "
     "B:WM_PAINT"},
    {"ErasingParentErasesEveryChild", Invalid(Open, 'Q', &kAIntoB, TRUE), PaintQ, kPainting,
     "Q:WM_PAINT Q:WM_ERASEBKGND A:WM_PAINT A:WM_NCPAINT(1) A:WM_ERASEBKGND G:WM_PAINT "
     "G:WM_NCPAINT(rgn) G:WM_ERASEBKGND B:WM_PAINT B:WM_ERASEBKGND"},
    {"ClippingParentLeavesItsChildren", Invalid(Desk, 'T', nullptr, FALSE),
     [](Env& e) { UpdateWindow(e['T']); }, kPainting, "T:WM_PAINT"},
    // Validating takes the children's parts too.
    {"ValidatedParentAndChildrenPaintNothing", Invalid(Open, 'Q', nullptr, TRUE),
     [](Env& e) {
       ValidateRect(e['Q'], nullptr);
       UpdateWindow(e['Q']);
       testkit::RunUntilIdle();
     },
     kPainting, ""},
    {"ValidatedRegionTakesTheChildrenInside", Invalid(Open, 'Q', nullptr, TRUE),
     [](Env& e) {
       HRGN r = CreateRectRgnIndirect(&kAroundA);
       ValidateRgn(e['Q'], r);
       DeleteObject(r);
       UpdateWindow(e['Q']);
     },
     kPainting,
     "Q:WM_PAINT Q:WM_ERASEBKGND B:WM_PAINT B:WM_ERASEBKGND E:WM_PAINT E:WM_NCPAINT(rgn) "
     "E:WM_ERASEBKGND"},
    {"ValidatedRectLeavesTheChildrenOutside", Invalid(Open, 'Q', nullptr, TRUE),
     [](Env& e) {
       RECT right = {90, 0, 300, 200};
       ValidateRect(e['Q'], &right);
       UpdateWindow(e['Q']);
     },
     kPainting,
     "Q:WM_PAINT Q:WM_ERASEBKGND A:WM_PAINT A:WM_NCPAINT(1) A:WM_ERASEBKGND G:WM_PAINT "
     "G:WM_NCPAINT(rgn) G:WM_ERASEBKGND"},
    {"ValidatedClippingParentTakesItsChildren", Invalid(Desk, 'C', nullptr, TRUE),
     [](Env& e) {
       ValidateRect(e['T'], nullptr);
       testkit::RunUntilIdle();
     },
     kPainting, ""},
    // A new parent: hidden, moved and shown again.
    {"NewParentOfAVisibleChildHidesMovesAndShows", Desk, [](Env& e) { SetParent(e['C'], e['P']); },
     kReparenting,
     "C:WM_SHOWWINDOW(0) C:WM_WINDOWPOSCHANGING(NOSIZE|NOMOVE|NOZORDER|NOACTIVATE|HIDEWINDOW) "
     "C:WM_WINDOWPOSCHANGED(NOSIZE|NOMOVE|NOZORDER|NOACTIVATE|HIDEWINDOW) "
     "C:WM_WINDOWPOSCHANGING(NOSIZE) C:WM_CHILDACTIVATE C:WM_WINDOWPOSCHANGED(NOSIZE|NOREDRAW) "
     "C:WM_MOVE C:WM_SHOWWINDOW(1) "
     "C:WM_WINDOWPOSCHANGING(NOSIZE|NOMOVE|NOACTIVATE|SHOWWINDOW) "
     "C:WM_WINDOWPOSCHANGED(NOSIZE|NOMOVE|NOACTIVATE|SHOWWINDOW)"},
    {"VisibleChildMovedToAnotherParentHearsTheWholeSequence", Desk,
     [](Env& e) {
       SetParent(e['C'], e['P']);
       testkit::RunUntilIdle();
     },
     kEverything,
     "C:WM_SHOWWINDOW(0) C:WM_WINDOWPOSCHANGING(NOSIZE|NOMOVE|NOZORDER|NOACTIVATE|HIDEWINDOW) "
     "C:WM_WINDOWPOSCHANGED(NOSIZE|NOMOVE|NOZORDER|NOACTIVATE|HIDEWINDOW) "
     "C:WM_WINDOWPOSCHANGING(NOSIZE) C:WM_CHILDACTIVATE C:WM_WINDOWPOSCHANGED(NOSIZE|NOREDRAW) "
     "C:WM_MOVE C:WM_SHOWWINDOW(1) "
     "C:WM_WINDOWPOSCHANGING(NOSIZE|NOMOVE|NOACTIVATE|SHOWWINDOW) "
     "C:WM_WINDOWPOSCHANGED(NOSIZE|NOMOVE|NOACTIVATE|SHOWWINDOW) C:WM_PAINT C:WM_ERASEBKGND",
     'C'},
    {"NewParentOfAHiddenChildOnlyMovesIt", Desk, [](Env& e) { SetParent(e['H'], e['P']); },
     kReparenting,
     "H:WM_WINDOWPOSCHANGING(NOSIZE) H:WM_CHILDACTIVATE H:WM_WINDOWPOSCHANGED(NOSIZE|NOREDRAW) "
     "H:WM_MOVE"},
    // Windows that cannot be drawn hear that they were not redrawn.
    {"MovedHiddenChildWasNotRedrawn",
     Desk,
     [](Env& e) { MoveWindow(e['H'], 5, 5, 20, 20, TRUE); },
     {kChanging, kChanged},
     "H:WM_WINDOWPOSCHANGING(NOZORDER|NOACTIVATE) "
     "H:WM_WINDOWPOSCHANGED(NOSIZE|NOZORDER|NOREDRAW|NOACTIVATE)"},
    {"MovedChildOfAHiddenWindowWasNotRedrawn",
     [](Env& e) {
       Desk(e);
       ShowWindow(e['T'], SW_HIDE);
     },
     [](Env& e) { MoveWindow(e['C'], 5, 5, 50, 50, TRUE); },
     {kChanged},
     "C:WM_WINDOWPOSCHANGED(NOSIZE|NOZORDER|NOREDRAW|NOACTIVATE)"},
    {"MovedVisibleChildWasRedrawn",
     Desk,
     [](Env& e) { MoveWindow(e['C'], 5, 5, 50, 50, TRUE); },
     {kChanged},
     "C:WM_WINDOWPOSCHANGED(NOSIZE|NOZORDER|NOACTIVATE)"},
    {"HiddenChildHearsWhatItAsked",
     Desk,
     [](Env& e) { ShowWindow(e['C'], SW_HIDE); },
     {kChanged},
     "C:WM_WINDOWPOSCHANGED(NOSIZE|NOMOVE|NOZORDER|NOACTIVATE|HIDEWINDOW)"},
};

class MessageDetail : public UserTest, public ::testing::WithParamInterface<Case> {};

TEST_P(MessageDetail, FollowsThePlatform) {
  Env env;
  EXPECT_EQ(Play(env, GetParam()).Detail(GetParam().Watch, GetParam().Only), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageDetail, ::testing::ValuesIn(kDetailedCases), CaseName);

TEST_F(UserTest, ShowWindowAnswersWhetherTheWindowWasVisible) {
  Env env;
  Desk(env);
  EXPECT_NE(ShowWindow(env['C'], SW_SHOW), FALSE);
  EXPECT_EQ(ShowWindow(env['H'], SW_SHOW), FALSE);
  EXPECT_NE(ShowWindow(env['H'], SW_SHOW), FALSE);
  EXPECT_TRUE(IsWindowVisible(env['H']));
}

// The flags the window hears in WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED.
UINT FlagsOf(const Env& e, HWND h, UINT msg) {
  for (const auto& x : e.Rec().Entries())
    if (x.Hwnd == h && x.Msg == msg) return static_cast<UINT>(x.LParam);
  ADD_FAILURE() << "no " << testkit::MessageName(msg);
  return 0;
}

TEST_F(UserTest, WindowPosFlagsTellWhatTheClientAreaDid) {
  struct Step {
    int X, Y, W, H;
    UINT Set, Clear;
  } steps[] = {
      {20, 10, 50, 50, SWP_NOCLIENTSIZE | SWP_NOSIZE, SWP_NOCLIENTMOVE | SWP_NOMOVE},  // moved
      {20, 10, 70, 60, SWP_NOCLIENTMOVE | SWP_NOMOVE, SWP_NOCLIENTSIZE | SWP_NOSIZE},  // grew right/down
      {10, 5, 80, 65, 0, SWP_NOCLIENTMOVE | SWP_NOCLIENTSIZE},                        // both
  };
  Env env;
  Desk(env);
  for (const Step& s : steps) {
    env.Clear();
    MoveWindow(env['C'], s.X, s.Y, s.W, s.H, TRUE);
    const UINT flags = FlagsOf(env, env['C'], kChanged);
    EXPECT_EQ(flags & s.Set, s.Set) << s.X << "," << s.W;
    EXPECT_EQ(flags & s.Clear, 0u) << s.X << "," << s.W;
  }
  // Children are not forced to SWP_NOACTIVATE; a hidden top-level window is not either.
  env.Clear();
  SetWindowPos(env['D'], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ShowWindow(env['T'], SW_HIDE);
  EXPECT_EQ(FlagsOf(env, env['D'], kChanging) & SWP_NOACTIVATE, 0u);
  EXPECT_EQ(FlagsOf(env, env['T'], kChanging) & SWP_NOACTIVATE, 0u);
  // Destroying the active window hides it without activating anything.
  env.Clear();
  SetActiveWindow(env['P']);
  const HWND p = env['P'];
  env.Clear();
  DestroyWindow(p);
  EXPECT_NE(FlagsOf(env, p, kChanging) & SWP_NOACTIVATE, 0u);
}

TEST_F(UserTest, CreationCalculatesTheClientAreaInParentCoordinates) {
  Env env;
  HWND top = env.Make('T', WS_OVERLAPPEDWINDOW, nullptr, 100, 120, 300, 200);
  EXPECT_EQ(g_createCalc, (RECT{100, 120, 400, 320}));
  env.Make('C', WS_CHILD, top, 7, 9, 30, 40);
  EXPECT_EQ(g_createCalc, (RECT{7, 9, 37, 49}));
}

TEST_F(UserTest, WindowsThatDoNotValidateKeepGettingPaint) {
  Env env;
  Desk(env);
  HWND c = env['C'];
  SetWindowLongPtrA(c, GWLP_USERDATA, 2);  // two WM_PAINTs ignored, the third validates
  InvalidateRect(c, nullptr, TRUE);
  env.Clear();
  testkit::RunUntilIdle();
  EXPECT_EQ(env.Rec().Count(WM_PAINT), 3);
  RECT r;
  EXPECT_FALSE(GetUpdateRect(c, &r, FALSE));
  // One that never validates does not keep the loop busy for ever, and keeps its area.
  SetWindowLongPtrA(c, GWLP_USERDATA, 1 << 20);
  InvalidateRect(c, nullptr, TRUE);
  env.Clear();
  testkit::RunUntilIdle();
  EXPECT_GT(env.Rec().Count(WM_PAINT), 3);
  EXPECT_TRUE(GetUpdateRect(c, &r, FALSE));
  // Invalidating it again brings it back.
  SetWindowLongPtrA(c, GWLP_USERDATA, 0);
  InvalidateRect(c, nullptr, TRUE);
  testkit::RunUntilIdle();
  EXPECT_FALSE(GetUpdateRect(c, &r, FALSE));
}

}  // namespace
}  // namespace usertest
