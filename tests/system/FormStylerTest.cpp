// The form title-bar styler: the caption text it takes over, the gradient and text it paints
// over the window manager's caption, owner drawing, and the colours and fonts it picks.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLFormUtils.h"
#include "foundation/ZYLGradient.h"
#include "platform/base/Finally.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLFormStyler.h"
#include "tests/support/Cases.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

namespace wt = win::testkit;

// Records what the owner-draw handlers were given and saw.
struct TPainter : vcl::TObject {
  std::vector<vcl::TRect> Areas;
  std::vector<vcl::TRect> TextAreas;
  std::vector<vcl::TColor> TextColors;
  TZYLFormStyler* Nested = nullptr;
  vcl::TColor Fill = vcl::clRed;
  void Paint(vcl::TObject*, vcl::TCanvas* canvas, const vcl::TRect& dest) {
    Areas.push_back(dest);
    // Painting far past the area: the clipping keeps it inside.
    canvas->Brush()->SetColor(Fill);
    canvas->FillRect(vcl::TRect{-1000, -1000, 3000, 3000});
    if (Nested) Nested->PaintTitleBar(true);
  }
  void CaptionPaint(vcl::TObject*, vcl::TCanvas* canvas, const vcl::TRect& dest) {
    TextAreas.push_back(dest);
    TextColors.push_back(canvas->Font()->Color());
  }
};

class FormStyler : public ::testing::Test {
 protected:
  FormStyler() : form_(new vcl::TForm(nullptr)) {
    form_->SetBounds(40, 40, 320, 200);
    form_->SetCaption("Accounts");
    styler_ = new TZYLFormStyler(form_.get());
  }
  // Hooks the form, shows it active and lets it paint.
  void Show() {
    styler_->Loaded();
    form_->Show();
    wt::RunUntilIdle();
  }
  wt::TCapture Capture() { return wt::CaptureWindow(form_->Handle()); }
  void Areas(vcl::TRect& caption, vcl::TRect& text, uint32_t flags = ZYL_NC_ALWAYS) {
    ZYLNCCalcDrawingArea(form_->Handle(), caption, text, flags);
  }
  // The same form without a styler, as the window manager paints it.
  wt::TCapture PlainCapture(const std::string& caption) {
    vcl::TForm plain(nullptr);
    plain.SetBounds(40, 40, 320, 200);
    plain.SetBorderStyle(form_->BorderStyle());
    plain.SetCaption(caption);
    plain.Show();
    wt::RunUntilIdle();
    return wt::CaptureWindow(plain.Handle());
  }

  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> form_;
  TZYLFormStyler* styler_;
  TPainter painter_;
};

TEST_F(FormStyler, TakesTheFormsTextAndAnswersTextQueriesWithOneBlank) {
  styler_->SetOptions(TZYLFormStyler::DefaultOptions - fsUseFormCaption);
  Show();
  char text[16] = "xxxxxxxxxxxxxxx";
  const int length = win::GetWindowTextLengthA(form_->Handle());
  win::SendMessageA(form_->Handle(), win::WM_GETTEXT, sizeof text,
                    reinterpret_cast<win::LPARAM>(text));
  char tiny[1] = {'x'};
  win::SendMessageA(form_->Handle(), win::WM_GETTEXT, 1, reinterpret_cast<win::LPARAM>(tiny));
  testsupport::ExpectCases({{styler_->Caption(), "Accounts"},
                            {std::to_string(length), "1"},
                            {text, " "},
                            {std::string(1, tiny[0] ? 'x' : '0'), "0"}});
  // Switched off, the form has its text back.
  styler_->SetEnabled(false);
  EXPECT_EQ(form_->Caption(), "Accounts");
  EXPECT_TRUE(styler_->Hooked());
}

TEST_F(FormStyler, TheTextFollowsTheOptionAndComesBackWhenTheStylerGoes) {
  Show();
  styler_->SetOptions(TZYLFormStyler::DefaultOptions - fsUseFormCaption);
  const std::string taken = form_->Caption();
  styler_->SetOptions(TZYLFormStyler::DefaultOptions);
  const std::string given = form_->Caption();
  styler_->SetOptions(TZYLFormStyler::DefaultOptions - fsUseFormCaption);
  delete styler_;
  testsupport::ExpectCases({{taken, " "}, {given, "Accounts"}, {form_->Caption(), "Accounts"}});
}

TEST_F(FormStyler, ADisabledStylerLeavesTheCaptionAlone) {
  styler_->SetOptions(TZYLFormStyler::DefaultOptions - fsUseFormCaption);
  styler_->SetEnabled(false);
  Show();
  EXPECT_EQ(form_->Caption(), "Accounts");
  EXPECT_FALSE(styler_->Hooked());
  // Switched on and off again, the text goes to the styler and comes back.
  styler_->SetEnabled(true);
  EXPECT_EQ(form_->Caption(), " ");
  styler_->SetEnabled(false);
  EXPECT_EQ(form_->Caption(), "Accounts");
}

TEST_F(FormStyler, LeavesTheSystemsGradientCaptionOnDisplaysOfManyColours) {
  form_->SetCaption("");
  Show();
  ASSERT_TRUE(styler_->Active());
  EXPECT_TRUE(wt::SamePixels(Capture(), PlainCapture(""), "styler_system_gradient"));
}

TEST_F(FormStyler, PaintsAGradientFromBlackAndKeepsTheCaptionButtons) {
  form_->SetCaption("");
  styler_->SetOptions(TZYLFormStyler::DefaultOptions - fsCheckSystemGradient);
  styler_->SetColors(16);
  Show();
  ASSERT_TRUE(styler_->Active());
  vcl::TRect caption, text;
  Areas(caption, text);
  // What the gradient alone gives, in window coordinates.
  vcl::TBitmap expected;
  expected.SetWidth(caption.Right);
  expected.SetHeight(caption.Bottom);
  ZYLGradientPaint(expected.Canvas(), caption, vcl::clBlack, vcl::clActiveCaption, 16,
                   gstHorizontal, 0, 0);
  const wt::TCapture cap = Capture();
  EXPECT_TRUE(wt::PixelsMatch(
      cap, [&](int x, int y) { return vcl::ColorToRGB(expected.Canvas()->Pixels(x, y)); },
      "styler_gradient", win::RECT{text.Left, caption.Top, text.Right, caption.Bottom}));
  const wt::TCapture plain = PlainCapture("");
  EXPECT_TRUE(wt::PixelsMatch(
      cap, [&](int x, int y) { return plain.Color(x, y); }, "styler_buttons",
      win::RECT{text.Right, caption.Top, caption.Right, caption.Bottom}));
  // The dark end is black, the light end the active caption colour.
  EXPECT_EQ(cap.Color(text.Left, caption.Top + 2), 0u);
}

TEST_F(FormStyler, AnInactiveFormKeepsTheWindowManagersCaption) {
  form_->SetCaption("");
  styler_->SetOptions(TZYLFormStyler::DefaultOptions - fsCheckSystemGradient);
  Show();
  vcl::TForm other(nullptr);
  other.SetBounds(600, 400, 100, 100);
  other.Show();
  wt::RunUntilIdle();
  ASSERT_FALSE(styler_->Active());
  vcl::TForm plainOther(nullptr);
  EXPECT_TRUE(wt::SamePixels(
      Capture(),
      [&] {
        vcl::TForm plain(nullptr);
        plain.SetBounds(40, 40, 320, 200);
        plain.Show();
        other.Show();
        other.BringToFront();
        wt::RunUntilIdle();
        return wt::CaptureWindow(plain.Handle());
      }(),
      "styler_inactive"));
}

TEST_F(FormStyler, OwnerDrawHandlersPaintOnlyTheirAreas) {
  styler_->SetOptions(TZYLFormStyler::DefaultOptions - fsCheckSystemGradient);
  styler_->SetOnPaint(TZYLPaintEvent(&painter_, &TPainter::Paint));
  styler_->SetOnCaptionPaint(TZYLPaintEvent(&painter_, &TPainter::CaptionPaint));
  styler_->SetPaintMode(pcOwnerDraw);
  Show();
  ASSERT_FALSE(painter_.Areas.empty());
  vcl::TRect caption, text;
  Areas(caption, text, ZYL_NC_ALWAYS | ZYL_NC_OWNERDRAW);
  EXPECT_EQ(painter_.Areas.back(), caption);
  ASSERT_FALSE(painter_.TextAreas.empty());
  EXPECT_EQ(painter_.TextAreas.back(), text);
  const wt::TCapture cap = Capture();
  const wt::TCapture plain = PlainCapture("Accounts");
  EXPECT_TRUE(wt::PixelsMatch(
      cap,
      [&](int x, int y) {
        return win::PtInRect(&caption, win::POINT{x, y}) ? vcl::ColorToRGB(vcl::clRed)
                                                         : plain.Color(x, y);
      },
      "styler_owner_draw"));
}

TEST_F(FormStyler, ARepaintFromInsideAPaintDoesNothing) {
  styler_->SetOptions(TZYLFormStyler::DefaultOptions - fsCheckSystemGradient);
  styler_->SetOnPaint(TZYLPaintEvent(&painter_, &TPainter::Paint));
  styler_->SetPaintMode(pcOwnerDraw);
  Show();
  painter_.Areas.clear();
  painter_.Nested = styler_;
  styler_->PaintTitleBar(true);
  EXPECT_EQ(painter_.Areas.size(), 1u);
}

TEST_F(FormStyler, ThrowingHandlerLeavesThePainterReady) {
  struct TThrower : vcl::TObject {
    int Calls = 0;
    void Paint(vcl::TObject*, vcl::TCanvas*, const vcl::TRect&) {
      ++Calls;
      throw vcl::Exception("handler");
    }
  } thrower;
  styler_->SetOptions(TZYLFormStyler::DefaultOptions - fsCheckSystemGradient);
  styler_->SetPaintMode(pcOwnerDraw);
  Show();
  styler_->SetOnPaint(TZYLPaintEvent(&thrower, &TThrower::Paint));
  EXPECT_THROW(styler_->PaintTitleBar(false), vcl::Exception);
  EXPECT_THROW(styler_->PaintTitleBar(false), vcl::Exception);
  EXPECT_EQ(thrower.Calls, 2);
}

// The caption text colour the styler picks, by options, activity and the system's colour.
struct TColorCase {
  const char* Name;
  TZYLFormStyleOptions Options;
  bool Active;
  vcl::TColor SystemText;  // clNone: the system's colour as it is
  vcl::TColor Expected;
};

class FormStylerTextColor : public FormStyler, public ::testing::WithParamInterface<TColorCase> {};

TEST_P(FormStylerTextColor, FollowsTheRules) {
  const TColorCase& c = GetParam();
  const int element = win::COLOR_CAPTIONTEXT;
  const win::COLORREF saved = win::GetSysColor(element);
  const vcl::TFinally restore([&] { win::SetSysColors(1, &element, &saved); });
  if (c.SystemText != vcl::clNone) {
    const win::COLORREF value = static_cast<win::COLORREF>(vcl::ColorToRGB(c.SystemText));
    win::SetSysColors(1, &element, &value);
  }
  styler_->Font()->SetColor(vcl::clYellow);
  styler_->SetOptions(c.Options + fsDrawCaptionEvent);
  styler_->SetOnCaptionPaint(TZYLPaintEvent(&painter_, &TPainter::CaptionPaint));
  Show();
  vcl::TForm other(nullptr);
  if (!c.Active) {
    other.SetBounds(600, 400, 100, 100);
    other.Show();
    wt::RunUntilIdle();
    painter_.TextColors.clear();
    styler_->PaintTitleBar(false);
  }
  ASSERT_EQ(styler_->Active(), c.Active);
  ASSERT_FALSE(painter_.TextColors.empty());
  EXPECT_EQ(painter_.TextColors.back(), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormStylerTextColor,
    ::testing::Values(
        TColorCase{"DefaultFont",
                   {fsUseDefaultFont, fsInactiveGradient},
                   true,
                   vcl::clNone,
                   vcl::clCaptionText},
        TColorCase{
            "BlackSystemTextTurnsWhite", {fsUseDefaultFont}, true, vcl::clBlack, vcl::clWhite},
        TColorCase{"OwnFontWithoutItsColour", {}, true, vcl::clNone, vcl::clCaptionText},
        TColorCase{"OwnFontColour", {fsUseFontColor}, true, vcl::clNone, vcl::clYellow},
        TColorCase{"Inactive",
                   {fsUseFontColor, fsInactiveGradient},
                   false,
                   vcl::clNone,
                   vcl::clInactiveCaptionText}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FormStyler, DrawsItsCaptionWithItsFont) {
  form_->SetCaption("");
  styler_->SetOptions({fsUseFontColor});
  styler_->Font()->SetColor(vcl::clLime);
  styler_->Font()->SetSize(12);
  Show();
  vcl::TRect caption, text;
  Areas(caption, text);
  const wt::TCapture blank = Capture();
  styler_->SetCaption("Styled");
  const wt::TCapture cap = Capture();
  const uint32_t lime = 0x00FF00;
  EXPECT_GT(std::count(cap.Pixels.begin(), cap.Pixels.end(), lime), 20);
  // Right-aligned, the left half of the text area is bare gradient again.
  styler_->SetAlignment(vcl::taRightJustify);
  const wt::TCapture right = Capture();
  EXPECT_TRUE(wt::PixelsMatch(
      right, [&](int x, int y) { return blank.Color(x, y); }, "styler_right_aligned",
      win::RECT{text.Left, text.Top, (text.Left + text.Right) / 2, text.Bottom}));
  EXPECT_GT(std::count(right.Pixels.begin(), right.Pixels.end(), lime), 20);
}

}  // namespace
}  // namespace zyl
