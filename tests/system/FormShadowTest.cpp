// The drop shadow of a form: two strips that follow it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLFormShadow.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

namespace wt = win::testkit;

win::TRect WindowBounds(win::HWND w) {
  win::TRect r;
  win::GetWindowRect(w, &r);
  return r;
}

// The windows of the shadow's class.
int StripCount() {
  int count = 0;
  win::EnumWindows(
      [](win::HWND w, win::LPARAM p) -> win::BOOL {
        char name[64] = "";
        win::GetClassNameA(w, name, sizeof name);
        if (std::string(name) == "ZYLShadowClass") ++*reinterpret_cast<int*>(p);
        return win::TRUE;
      },
      reinterpret_cast<win::LPARAM>(&count));
  return count;
}

struct TCounter : vcl::TObject {
  int Changes = 0;
  void Count(vcl::TObject*) { ++Changes; }
};

class FormShadow : public ::testing::Test {
 protected:
  FormShadow() : session_(800, 600), form_(new vcl::TForm(nullptr)) {
    form_->SetBounds(100, 100, 200, 150);
    shadow_ = new TZYLFormShadow(form_.get());
    shadow_->Loaded();
  }
  void ShowAndActivate() {
    form_->Show();
    wt::RunUntilIdle();
  }

  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> form_;
  TZYLFormShadow* shadow_;
};

// A shadow freed leaves its strips' class registered, as only switching it off takes the
// class out; the class holds a procedure of this unit, so finalizing the unit takes it out of
// the window system. A shadow made after the unit started again registers it anew.
TEST_F(FormShadow, FinalizingTheUnitUnregistersTheStripClass) {
  auto registered = [] {
    win::WNDCLASSA wc;
    return win::GetClassInfoA(nullptr, "ZYLShadowClass", &wc) != 0;
  };
  delete shadow_;
  EXPECT_EQ(StripCount(), 0);
  ASSERT_TRUE(registered());
  ZYLFormShadowUnit.FInit();
  EXPECT_FALSE(registered());
  ZYLFormShadowUnit.Init();
  shadow_ = new TZYLFormShadow(form_.get());
  shadow_->Loaded();
  EXPECT_TRUE(registered());
  EXPECT_EQ(StripCount(), 2);
}

TEST_F(FormShadow, TwoStripsStandAlongTheRightAndBottomEdges) {
  ASSERT_NE(shadow_->RightStrip(), nullptr);
  ASSERT_NE(shadow_->BottomStrip(), nullptr);
  EXPECT_FALSE(win::IsWindowVisible(shadow_->RightStrip()));  // made hidden
  EXPECT_EQ(WindowBounds(shadow_->RightStrip()), (win::TRect{300, 106, 306, 250}));
  EXPECT_EQ(WindowBounds(shadow_->BottomStrip()), (win::TRect{106, 250, 306, 256}));
  ShowAndActivate();
  EXPECT_TRUE(win::IsWindowVisible(shadow_->RightStrip()));
  EXPECT_TRUE(win::IsWindowVisible(shadow_->BottomStrip()));
  const wt::TCapture screen = wt::CaptureScreen();
  EXPECT_EQ(screen.Color(302, 200), vcl::ColorToRGB(vcl::clBtnShadow));
  EXPECT_EQ(screen.Color(200, 252), vcl::ColorToRGB(vcl::clBtnShadow));
  // Moved, the strips follow; a colour change repaints them.
  form_->SetBounds(50, 60, 200, 150);
  wt::RunUntilIdle();
  EXPECT_EQ(WindowBounds(shadow_->RightStrip()), (win::TRect{250, 66, 256, 210}));
  shadow_->Shadow()->SetColor(vcl::clRed);
  wt::RunUntilIdle();
  EXPECT_EQ(wt::CaptureScreen().Color(252, 100), vcl::ColorToRGB(vcl::clRed));
}

TEST_F(FormShadow, ADragHidesTheShadowAndPutsItsStyleBackQuietly) {
  ShowAndActivate();
  TCounter counter;
  shadow_->Shadow()->SetOnChange(vcl::TNotifyEvent(&counter, &TCounter::Count));
  form_->Perform(win::WM_NCLBUTTONDOWN, win::HTCAPTION, 0);
  EXPECT_FALSE(win::IsWindowVisible(shadow_->RightStrip()));
  EXPECT_EQ(shadow_->Shadow()->Style(), hssNone);
  form_->Perform(win::WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(shadow_->Shadow()->Style(), hssSolid);
  EXPECT_TRUE(win::IsWindowVisible(shadow_->RightStrip()));
  EXPECT_EQ(counter.Changes, 0);
}

TEST_F(FormShadow, InactiveAndMinimizedFormsAndANewWindow) {
  ShowAndActivate();
  form_->Perform(win::WM_ACTIVATE, win::WA_INACTIVE, 0);
  EXPECT_TRUE(win::IsWindowVisible(shadow_->RightStrip()));  // ShowInActive
  shadow_->SetShowInActive(false);
  form_->Perform(win::WM_ACTIVATE, win::WA_INACTIVE, 0);
  EXPECT_FALSE(win::IsWindowVisible(shadow_->RightStrip()));
  form_->Perform(win::WM_SIZE, win::SIZE_MINIMIZED, 0);
  EXPECT_FALSE(win::IsWindowVisible(shadow_->BottomStrip()));
  // A new window for the form: one pair of strips, for the new window.
  EXPECT_EQ(StripCount(), 2);
  form_->SetBorderStyle(vcl::bsDialog);
  wt::RunUntilIdle();
  EXPECT_EQ(StripCount(), 2);
  EXPECT_EQ(win::GetWindow(shadow_->RightStrip(), win::GW_OWNER), form_->Handle());
  // Switched off: the strips go.
  shadow_->SetEnabled(false);
  EXPECT_EQ(StripCount(), 0);
}

// Minimized or maximized by its window state, the form shows no shadow; restored, the strips
// stand along its edges again.
TEST_F(FormShadow, MinimizedOrMaximizedFormsShowNoShadowUntilRestored) {
  ShowAndActivate();
  for (vcl::TWindowState state : {vcl::wsMinimized, vcl::wsMaximized}) {
    form_->SetWindowState(state);
    wt::RunUntilIdle();
    EXPECT_FALSE(win::IsWindowVisible(shadow_->RightStrip())) << state;
    EXPECT_FALSE(win::IsWindowVisible(shadow_->BottomStrip())) << state;
    form_->SetWindowState(vcl::wsNormal);
    win::SetForegroundWindow(form_->Handle());
    wt::RunUntilIdle();
    EXPECT_TRUE(win::IsWindowVisible(shadow_->RightStrip())) << state;
    EXPECT_EQ(WindowBounds(shadow_->RightStrip()), (win::TRect{300, 106, 306, 250}));
    EXPECT_EQ(WindowBounds(shadow_->BottomStrip()), (win::TRect{106, 250, 306, 256}));
    EXPECT_EQ(wt::CaptureScreen().Color(302, 200), vcl::ColorToRGB(vcl::clBtnShadow));
  }
}

TEST_F(FormShadow, OnlyOneShadowOnAFormOfItsOwn) {
  EXPECT_EQ(testsupport::ErrorOf<ZYLEOneInstError>([&] {
              new TZYLFormShadow(form_.get());
            }).substr(0, 15),
            "TZYLFormShadow:");
  vcl::TComponent plain(nullptr);
  EXPECT_NE(testsupport::ErrorOf<ZYLEOneInstError>([&] {
              new TZYLFormShadow(&plain);
            }).find("AOwner is not TForm"),
            std::string::npos);
  vcl::TForm mdi(nullptr);
  mdi.SetFormStyle(vcl::fsMDIChild);
  EXPECT_NE(testsupport::ErrorOf<ZYLEOneInstError>([&] {
              new TZYLFormShadow(&mdi);
            }).find("owner form style cannot be fsMDIChild"),
            std::string::npos);
}

}  // namespace
}  // namespace zyl
