// A minimized form stands where it is restored to: its bounds and its controls' stay while it
// is minimized (its icon is no place of the form), bounds given meanwhile are where it comes
// back, and a control shown meanwhile is aligned in the form's own client area.
#include "ControlsTestSupport.h"

#include <functional>

namespace vcl::testing {
namespace {

struct TResizes : TObject {
  int Count = 0;
  void Resized(TObject*) { ++Count; }
};

// How the form is minimized, and how it comes back.
struct TMinimizeCase {
  const char* Name;
  std::function<void(TForm*)> Minimize;
  std::function<void(TForm*)> Restore;
};

const TMinimizeCase kCases[] = {
    {"WindowState", [](TForm* f) { f->SetWindowState(wsMinimized); },
     [](TForm* f) { f->SetWindowState(wsNormal); }},
    {"SystemCommand", [](TForm* f) { f->Perform(win::WM_SYSCOMMAND, win::SC_MINIMIZE, 0); },
     [](TForm* f) { f->Perform(win::WM_SYSCOMMAND, win::SC_RESTORE, 0); }},
    {"ShowWindow", [](TForm* f) { win::ShowWindow(f->Handle(), win::SW_MINIMIZE); },
     [](TForm* f) { win::ShowWindow(f->Handle(), win::SW_RESTORE); }},
};

class MinimizedBounds : public ControlsTest, public ::testing::WithParamInterface<TMinimizeCase> {};

TEST_P(MinimizedBounds, AreTheRestoredOnesAndComeBackAsGivenMeanwhile) {
  TForm form(nullptr);
  form.SetBounds(100, 80, 300, 200);
  auto* bottom = Place<TPanel>(&form, 0, 0, 50, 40);
  bottom->SetAlign(alBottom);
  auto* late = Place<TPanel>(&form, 0, 0, 60, 30);
  late->SetVisible(false);
  late->SetAlign(alTop);
  TResizes resizes;
  bottom->OnResize = TNotifyEvent(&resizes, &TResizes::Resized);
  ShowNow(&form);
  const int clientWidth = form.ClientWidth(), clientHeight = form.ClientHeight();
  const TRect bottomBounds = bottom->BoundsRect();
  GetParam().Minimize(&form);
  Idle();
  ASSERT_TRUE(win::IsIconic(form.Handle()));
  EXPECT_EQ(form.WindowState(), wsMinimized);
  EXPECT_EQ(form.BoundsRect(), Bounds(100, 80, 300, 200));
  EXPECT_EQ(form.ClientWidth(), clientWidth);
  EXPECT_EQ(form.ClientHeight(), clientHeight);
  EXPECT_EQ(bottom->BoundsRect(), bottomBounds);
  // A control shown meanwhile is aligned in the form's client area, not the icon's.
  late->SetVisible(true);
  EXPECT_EQ(late->BoundsRect(), Bounds(0, 0, clientWidth, 30));
  // New bounds while minimized: the form stays minimized and comes back there.
  form.SetBounds(120, 90, 320, 210);
  Idle();
  EXPECT_TRUE(win::IsIconic(form.Handle()));
  EXPECT_EQ(form.BoundsRect(), Bounds(120, 90, 320, 210));
  EXPECT_EQ(resizes.Count, 1);  // once, for the new size
  GetParam().Restore(&form);
  Idle();
  EXPECT_FALSE(win::IsIconic(form.Handle()));
  EXPECT_EQ(form.WindowState(), wsNormal);
  win::RECT r;
  win::GetWindowRect(form.Handle(), &r);
  EXPECT_EQ(TRect(r), Bounds(120, 90, 320, 210));
  EXPECT_EQ(form.BoundsRect(), Bounds(120, 90, 320, 210));
  EXPECT_EQ(bottom->BoundsRect(), Bounds(0, form.ClientHeight() - bottomBounds.Height(),
                                         form.ClientWidth(), bottomBounds.Height()));
}

INSTANTIATE_TEST_SUITE_P(Ways, MinimizedBounds, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// A form minimized from maximized keeps the normal bounds it had, and restored it is maximized
// again; its normal bounds come back with its normal state.
TEST_F(ControlsTest, AFormMinimizedFromMaximizedComesBackMaximizedThenNormal) {
  TForm form(nullptr);
  form.SetBounds(100, 80, 300, 200);
  ShowNow(&form);
  form.SetWindowState(wsMaximized);
  Idle();
  const TRect maximized = form.BoundsRect();
  form.Perform(win::WM_SYSCOMMAND, win::SC_MINIMIZE, 0);
  Idle();
  EXPECT_EQ(form.BoundsRect(), Bounds(100, 80, 300, 200));
  win::ShowWindow(form.Handle(), win::SW_RESTORE);
  Idle();
  EXPECT_EQ(form.WindowState(), wsMaximized);
  EXPECT_EQ(form.BoundsRect(), maximized);
  form.SetWindowState(wsNormal);
  Idle();
  EXPECT_EQ(form.BoundsRect(), Bounds(100, 80, 300, 200));
}

// The application minimized twice and restored twice: each is told once, and restored, the form
// that was active is active again with the focus on the control that had it.
TEST_F(ControlsTest, TheApplicationRestoredGivesTheFocusBackAndTellsOnce) {
  TForm form(nullptr), other(nullptr);
  form.SetBounds(10, 10, 300, 200);
  other.SetBounds(400, 10, 300, 200);
  auto* edit = Place<TEdit>(&form, 8, 8, 100, 24);
  Place<TEdit>(&form, 8, 40, 100, 24);
  ShowNow(&other);
  ShowNow(&form);
  edit->SetFocus();
  TLog minimized, restored;
  Application->OnMinimize = minimized.Counter();
  Application->OnRestore = restored.Counter();
  for (int i = 0; i < 2; ++i) Application->Minimize();
  Idle();
  EXPECT_EQ(win::GetFocus(), nullptr);
  for (int i = 0; i < 2; ++i) Application->Restore();
  Idle();
  EXPECT_EQ(minimized.Count, 1);
  EXPECT_EQ(restored.Count, 1);
  EXPECT_TRUE(win::IsWindowVisible(other.Handle()));
  EXPECT_EQ(win::GetActiveWindow(), form.Handle());
  EXPECT_EQ(win::GetFocus(), edit->Handle());
}

}  // namespace
}  // namespace vcl::testing
