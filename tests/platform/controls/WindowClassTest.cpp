// The registration of the framework's own window classes: a name another procedure holds is
// taken over, one the framework's procedure holds already is kept as it is.
#include <gtest/gtest.h>

#include <string>

#include "platform/controls/ControlsInternal.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/testkit/TestKit.h"

namespace vcl::testing {
namespace {

using namespace win;

LRESULT OwnProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcA(h, m, w, l); }
LRESULT ForeignProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcA(h, m, w, l); }

// What stands under the name before: nothing, a class on another procedure, one on the
// framework's procedure already (with another style, which must survive), or a class on another
// procedure that still has a window.
enum class TBefore { Nothing, Foreign, Own, ForeignWithWindow };

struct TRegisterCase {
  const char* Name;
  TBefore Before;
  bool Registered;    // the answer
  WNDPROC ProcAfter;  // the procedure the name has afterwards
  UINT StyleAfter;
};

class RegisterOwnClassTest : public ::testing::TestWithParam<TRegisterCase> {};

TEST_P(RegisterOwnClassTest, TheNameEndsUpOnTheFrameworksProcedureWhereTheSystemAllows) {
  testkit::TSession session;
  const TRegisterCase& c = GetParam();
  HWND window = nullptr;
  if (c.Before != TBefore::Nothing) {
    WNDCLASSA earlier;
    earlier.lpszClassName = c.Name;
    earlier.lpfnWndProc = c.Before == TBefore::Own ? &OwnProc : &ForeignProc;
    earlier.style = CS_DBLCLKS;
    ASSERT_TRUE(RegisterClassA(&earlier));
    if (c.Before == TBefore::ForeignWithWindow)
      window = CreateWindowExA(0, c.Name, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
  }
  WNDCLASSA own;
  own.lpszClassName = c.Name;
  own.lpfnWndProc = &OwnProc;
  EXPECT_EQ(controls_internal::RegisterOwnClass(own), c.Registered);
  WNDCLASSA after;
  ASSERT_TRUE(GetClassInfoA(nullptr, c.Name, &after));
  EXPECT_EQ(after.lpfnWndProc, c.ProcAfter);
  EXPECT_EQ(after.style, c.StyleAfter);
  if (window) DestroyWindow(window);
  UnregisterClassA(c.Name, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RegisterOwnClassTest,
    ::testing::Values(TRegisterCase{"RegFree", TBefore::Nothing, true, &OwnProc, 0},
                      TRegisterCase{"RegForeign", TBefore::Foreign, true, &OwnProc, 0},
                      TRegisterCase{"RegOwn", TBefore::Own, true, &OwnProc, CS_DBLCLKS},
                      TRegisterCase{"RegBusy", TBefore::ForeignWithWindow, false, &ForeignProc,
                                    CS_DBLCLKS}));

class TTickCounter : public TObject {
 public:
  int Ticks = 0;
  void Tick(TObject*) { ++Ticks; }
};

// The timer's hidden window takes its class over from a stale registration of the name and
// still receives the ticks.
TEST(RegisterOwnClass, ATimerTakesItsWindowClassOverFromAnotherProcedure) {
  testkit::TSession session;
  WNDCLASSA stale;
  stale.lpszClassName = "TTimerWindow";
  stale.lpfnWndProc = &ForeignProc;
  UnregisterClassA("TTimerWindow", nullptr);
  ASSERT_TRUE(RegisterClassA(&stale));
  TTickCounter counter;
  TTimer timer(nullptr);
  timer.SetInterval(100);
  timer.SetOnTimer(TNotifyEvent(&counter, &TTickCounter::Tick));
  WNDCLASSA now;
  ASSERT_TRUE(GetClassInfoA(nullptr, "TTimerWindow", &now));
  EXPECT_NE(now.lpfnWndProc, &ForeignProc);
  testkit::AdvanceClock(250);
  EXPECT_EQ(counter.Ticks, 2);
}

}  // namespace
}  // namespace vcl::testing
