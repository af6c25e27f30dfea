// Window procedures bound to objects.
#include "platform/user/WndProcThunk.h"

#include <vector>

#include "UserTestSupport.h"

namespace usertest {
namespace {

struct Counter {
  int Calls = 0;
  LRESULT Base = 0;
  static LRESULT Proc(void* ctx, HWND h, UINT m, WPARAM w, LPARAM l) {
    auto* self = static_cast<Counter*>(ctx);
    if (m == WM_USER) return self->Base + static_cast<LRESULT>(++self->Calls);
    return DefWindowProcA(h, m, w, l);
  }
};

class WndProcThunkTest : public UserTest {};

TEST_F(WndProcThunkTest, EachProcedureReachesItsOwnObject) {
  Counter a{0, 100}, b{0, 200};
  WNDPROC pa = AllocateWndProc(&Counter::Proc, &a);
  WNDPROC pb = AllocateWndProc(&Counter::Proc, &b);
  ASSERT_NE(pa, nullptr);
  ASSERT_NE(pb, nullptr);
  EXPECT_NE(pa, pb);
  HWND w1 = Make("PlainWnd", WS_POPUP), w2 = Make("PlainWnd", WS_POPUP);
  SetWindowLongPtrA(w1, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pa));
  SetWindowLongPtrA(w2, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pb));
  EXPECT_EQ(SendMessageA(w1, WM_USER, 0, 0), 101);
  EXPECT_EQ(SendMessageA(w2, WM_USER, 0, 0), 201);
  EXPECT_EQ(SendMessageA(w1, WM_USER, 0, 0), 102);
  EXPECT_EQ(CallWindowProcA(pb, w2, WM_USER, 0, 0), 202);
  DestroyWindow(w1);
  DestroyWindow(w2);
  FreeWndProc(pa);
  FreeWndProc(pb);
  FreeWndProc(pb);  // twice is harmless
}

TEST_F(WndProcThunkTest, ThePoolIsFiniteAndReusable) {
  const size_t before = FreeWndProcCount();
  ASSERT_GT(before, 1000u);
  Counter c;
  std::vector<WNDPROC> all;
  for (;;) {
    WNDPROC p = AllocateWndProc(&Counter::Proc, &c);
    if (!p) break;
    all.push_back(p);
  }
  EXPECT_EQ(all.size(), before);
  EXPECT_EQ(FreeWndProcCount(), 0u);
  EXPECT_EQ(AllocateWndProc(nullptr, &c), nullptr);
  FreeWndProc(all.back());
  WNDPROC again = AllocateWndProc(&Counter::Proc, &c);
  EXPECT_EQ(again, all.back());
  all.back() = again;
  for (WNDPROC p : all) FreeWndProc(p);
  EXPECT_EQ(FreeWndProcCount(), before);
}

}  // namespace
}  // namespace usertest
