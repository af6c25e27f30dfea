// The graphic buttons: pressing and groups, clicks, the held and hot states, the hot caption
// colour, the faces of the user button styles, the greyed glyph of the explorer looks and the
// drop-down reference.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLSpeedButton.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "tests/buttons/ButtonsTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/RaisingHandler.h"
#include "tests/support/ThemeScope.h"

namespace zyl {
namespace {

using buttontest::THost;
using win::testkit::CountDifferentPixels;
using win::testkit::PixelsMatch;
using win::testkit::SamePixels;
namespace tk = win::testkit;

class SpeedButtonTest : public ::testing::Test {
 protected:
  TZYLSpeedButton* Add(const char* Name, int X, int Group = 0) {
    auto* b = new TZYLSpeedButton(host_.Form());
    b->SetName(Name);
    b->SetBounds(X, 10, 30, 30);
    b->SetGroupIndex(Group);
    b->SetOnClick(vcl::TNotifyEvent(&rec_, &buttontest::TRecorder::Click));
    b->SetParent(host_.Panel());
    return b;
  }
  // A click well after the last one (not a double click).
  static void ClickOn(vcl::TControl* C) {
    tk::AdvanceClock(1000);
    const win::POINT p = THost::At(C, 15, 15);
    tk::Click(p.X, p.Y);
  }
  static std::string PressedOf(const std::vector<TZYLBaseGraphicButton*>& Buttons) {
    std::string s;
    for (auto* b : Buttons) s += b->Pressed() ? '1' : '0';
    return s;
  }
  THost host_;
  buttontest::TRecorder rec_;
};

TEST_F(SpeedButtonTest, GroupKeepsOneButtonPressed) {
  auto* a = Add("A", 10, 1);
  auto* b = Add("B", 50, 1);
  auto* c = Add("C", 90, 1);
  auto* other = Add("Other", 130, 2);
  other->SetPressed(true);
  const std::vector<TZYLBaseGraphicButton*> all{a, b, c, other};
  ClickOn(a);
  const std::string afterA = PressedOf(all);
  ClickOn(b);
  const std::string afterB = PressedOf(all);
  ClickOn(b);  // the pressed one of a group that may not be all up stays pressed
  const std::string again = PressedOf(all);
  b->SetAllowAllUp(true);
  ClickOn(b);
  const std::string allUp = PressedOf(all);
  c->SetPressed(true);
  const std::string byCode = PressedOf(all);
  testsupport::ExpectCases(
      {{afterA, "1001"}, {afterB, "0101"}, {again, "0101"}, {allUp, "0001"}, {byCode, "0011"}});
  EXPECT_EQ(rec_.Take(), "A B B B");
}

// The marked letter of a caption clicks the button; the focus stays on the control that has it.
// Only a shown and enabled button with the letter marked reacts.
TEST_F(SpeedButtonTest, TheMarkedLetterClicksTheButton) {
  TZYLSpeedButton* a = Add("A", 10);
  TZYLSpeedButton* b = Add("B", 50);
  a->SetCaption("&Alpha");
  b->SetCaption("Alpha");
  host_.Panel()->SetFocus();
  THost::Idle();
  THost::Accelerator('A');
  EXPECT_EQ(rec_.Take(), "A");
  EXPECT_TRUE(host_.Panel()->Focused());
  a->SetEnabled(false);
  THost::Accelerator('A');
  a->SetEnabled(true);
  a->SetVisible(false);
  THost::Accelerator('A');
  EXPECT_EQ(rec_.Take(), "");
}

TEST_F(SpeedButtonTest, WithoutGroupIndexNeverPressed) {
  auto* a = Add("A", 10);
  a->SetPressed(true);
  EXPECT_FALSE(a->Pressed());
  ClickOn(a);
  EXPECT_FALSE(a->Pressed());
  a->SetGroupIndex(3);
  a->SetPressed(true);
  EXPECT_TRUE(a->Pressed());
  a->SetGroupIndex(0);  // leaving the group releases it
  EXPECT_FALSE(a->Pressed());
}

// A click whose OnClick or OnMouseUp raises still lets the button go: it is drawn up again,
// and the error reaches the application once.
class SpeedButtonRaising : public SpeedButtonTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SpeedButtonRaising, TheButtonIsNotLeftHeld) {
  testsupport::TRaisingHandler raising;
  auto* a = Add("A", 10);
  if (GetParam())
    a->OnMouseUp = vcl::TMouseEvent(&raising, &testsupport::TRaisingHandler::Mouse);
  else
    a->SetOnClick(vcl::TNotifyEvent(&raising, &testsupport::TRaisingHandler::Notify));
  ClickOn(a);
  EXPECT_EQ(raising.Arrived, std::vector<std::string>{"The file was not found"});
  EXPECT_FALSE(a->Held());
  EXPECT_EQ(a->ButtonState(), bsMouseOver);
  // Moving off and back with the mouse button up does not press it.
  const win::POINT in = THost::At(a, 15, 15), out = THost::At(a, 60, 15);
  tk::MouseMove(out.X, out.Y);
  tk::MouseMove(in.X, in.Y);
  EXPECT_FALSE(a->Held());
}

INSTANTIATE_TEST_SUITE_P(Events, SpeedButtonRaising, ::testing::Values(false, true),
                         [](const auto& info) {
                           return std::string(info.param ? "OnMouseUp" : "OnClick");
                         });

TEST_F(SpeedButtonTest, HeldStateFollowsTheMouseAndClickNeedsTheReleaseAbove) {
  auto* a = Add("A", 10);
  const win::POINT in = THost::At(a, 15, 15), out = THost::At(a, 60, 15);
  tk::MouseMove(in.X, in.Y);
  EXPECT_EQ(a->ButtonState(), bsMouseOver);
  tk::MouseDown(in.X, in.Y);
  EXPECT_EQ(a->ButtonState(), bsDown);
  tk::MouseMove(out.X, out.Y);
  EXPECT_FALSE(a->Held());
  EXPECT_NE(a->ButtonState(), bsDown);
  tk::MouseMove(in.X, in.Y);
  EXPECT_TRUE(a->Held());
  tk::MouseMove(out.X, out.Y);
  tk::MouseUp(out.X, out.Y);
  EXPECT_EQ(rec_.Take(), "");
  ClickOn(a);
  EXPECT_EQ(rec_.Take(), "A");
  a->SetEnabled(false);
  EXPECT_EQ(a->ButtonState(), bsDisabledUp);
  ClickOn(a);
  EXPECT_EQ(rec_.Take(), "");
}

TEST_F(SpeedButtonTest, EnterColourPaintsTheCaptionWhileTheMouseIsAbove) {
  auto* a = Add("A", 10);
  a->SetBounds(10, 10, 80, 30);
  a->SetCaption("Hello");
  a->SetStyle(ubsFlat);
  a->SetEnterColor(vcl::clRed);
  const win::POINT in = THost::At(a, 40, 2);
  tk::MouseMove(in.X, in.Y);
  const tk::TCapture plainHot = host_.Shot(a);
  a->SetEnterColorChange(true);
  const tk::TCapture colouredHot = host_.Shot(a);
  EXPECT_GT(CountDifferentPixels(colouredHot, plainHot), 0);
  tk::MouseMove(300, 200);
  a->SetEnterColorChange(false);
  const tk::TCapture rest = host_.Shot(a);
  a->SetEnterColorChange(true);
  EXPECT_TRUE(SamePixels(host_.Shot(a), rest, "enter_colour_rest"));
}

struct StyleCase {
  TZYLUserButtonStyle Style;
  bool Opaque;
  // At rest without glyph and caption: all face colour, all panel colour, or neither.
  enum { Face, Panel, Edged } Rest;
  bool HotShows;  // the hot look differs from rest
};

class SpeedButtonStyles : public SpeedButtonTest,
                          public ::testing::WithParamInterface<StyleCase> {};

TEST_P(SpeedButtonStyles, FaceAtRestAndHot) {
  const StyleCase& c = GetParam();
  auto* a = Add("A", 10);
  a->SetStyle(c.Style);
  EXPECT_EQ(a->ControlStyle().contains(vcl::csOpaque), c.Opaque);
  EXPECT_EQ(a->SeeThrough(), !c.Opaque);
  tk::MouseMove(300, 200);
  const tk::TCapture rest = host_.Shot(a);
  const auto face = [](int, int) { return win::COLORREF(vcl::ColorToRGB(vcl::clBtnFace)); };
  const auto panel = [](int, int) { return win::COLORREF(buttontest::PanelColor); };
  switch (c.Rest) {
    case StyleCase::Face: EXPECT_TRUE(PixelsMatch(rest, face, "style_rest_face")); break;
    case StyleCase::Panel: EXPECT_TRUE(PixelsMatch(rest, panel, "style_rest_panel")); break;
    case StyleCase::Edged:
      EXPECT_GT(CountDifferentPixels(rest, tk::MakeCapture(30, 30, face)), 0);
      // the middle stays the face colour
      EXPECT_TRUE(PixelsMatch(rest, face, "style_rest_middle", {4, 4, 26, 26}));
      break;
  }
  const win::POINT in = THost::At(a, 15, 15);
  tk::MouseMove(in.X, in.Y);
  EXPECT_EQ(CountDifferentPixels(host_.Shot(a), rest) > 0, c.HotShows);
}

INSTANTIATE_TEST_SUITE_P(
    Looks, SpeedButtonStyles,
    ::testing::Values(StyleCase{ubsWin31, true, StyleCase::Edged, false},
                      StyleCase{ubsWin40, true, StyleCase::Edged, false},
                      StyleCase{ubsWin40Ext, true, StyleCase::Edged, false},
                      StyleCase{ubsVorlix, true, StyleCase::Edged, false},
                      StyleCase{ubsVorlixFlat, true, StyleCase::Face, true},
                      StyleCase{ubsFlat, true, StyleCase::Face, true},
                      StyleCase{ubsFlatUnColored, true, StyleCase::Face, true},
                      StyleCase{ubsNavigator, true, StyleCase::Face, true},
                      StyleCase{ubsIntegrated, true, StyleCase::Face, true},
                      StyleCase{ubsCombo, true, StyleCase::Face, true},
                      StyleCase{ubsOffice, true, StyleCase::Face, true},
                      StyleCase{ubsExplorer, false, StyleCase::Panel, true},
                      StyleCase{ubsExplorerColored, false, StyleCase::Panel, true},
                      StyleCase{ubsOfficeTransp, false, StyleCase::Panel, true}));

std::unique_ptr<vcl::TBitmap> ColourGlyph() {
  auto g = std::make_unique<vcl::TBitmap>();
  g->SetSize(12, 12);
  g->Canvas()->Brush()->SetColor(vcl::clFuchsia);  // the corner colour: see-through
  g->Canvas()->FillRect(vcl::TRect{0, 0, 12, 12});
  g->Canvas()->Brush()->SetColor(vcl::clRed);
  g->Canvas()->FillRect(vcl::TRect{2, 2, 10, 6});
  g->Canvas()->Brush()->SetColor(vcl::clBlue);
  g->Canvas()->FillRect(vcl::TRect{2, 6, 10, 10});
  return g;
}

TEST(GreyGlyph, GreyValuesKeepTheSeeThroughColour) {
  auto g = ColourGlyph();
  vcl::TBitmap grey;
  ZYLGreyGlyph(g.get(), &grey);
  auto at = [&](int x, int y) {
    return std::to_string(vcl::ColorToRGB(grey.Canvas()->Pixels(x, y)));
  };
  // 30 % red, 59 % green, 11 % blue.
  testsupport::ExpectCases({{at(0, 0), std::to_string(vcl::clFuchsia)},
                            {at(3, 3), std::to_string(0x4C4C4C)},
                            {at(3, 8), std::to_string(0x1C1C1C)}});
}

TEST_F(SpeedButtonTest, ExplorerLooksGreyTheGlyphUntilTheMouseComes) {
  auto glyph = ColourGlyph();
  vcl::TBitmap grey;
  ZYLGreyGlyph(glyph.get(), &grey);
  auto* explorer = Add("E", 10);
  auto* flat = Add("F", 60);
  explorer->SetStyle(ubsNavigator);
  flat->SetStyle(ubsFlat);
  EXPECT_TRUE(explorer->ExplorerGlyph());
  EXPECT_FALSE(flat->ExplorerGlyph());
  explorer->SetGlyph(glyph.get());
  flat->SetGlyph(&grey);
  tk::MouseMove(300, 200);
  EXPECT_TRUE(SamePixels(host_.Shot(explorer), host_.Shot(flat), "explorer_rest"));
  flat->SetGlyph(glyph.get());
  win::POINT p = THost::At(explorer, 15, 15);
  tk::MouseMove(p.X, p.Y);
  const tk::TCapture hotExplorer = host_.Shot(explorer);
  p = THost::At(flat, 15, 15);
  tk::MouseMove(p.X, p.Y);
  EXPECT_TRUE(SamePixels(hotExplorer, host_.Shot(flat), "explorer_hot"));
}

TEST_F(SpeedButtonTest, ImageListItemReplacesNoGlyphAndClearsWhenEmpty) {
  auto* a = Add("A", 10);
  a->SetStyle(ubsFlat);
  tk::MouseMove(300, 200);
  const tk::TCapture empty = host_.Shot(a);
  auto glyph = ColourGlyph();
  a->SetGlyph(glyph.get());
  EXPECT_GT(CountDifferentPixels(host_.Shot(a), empty), 0);
  a->SetGlyph(nullptr);
  EXPECT_TRUE(a->GetGlyph()->Empty());
  EXPECT_TRUE(SamePixels(host_.Shot(a), empty, "glyph_cleared"));
}

TEST_F(SpeedButtonTest, DropDownArrowAndReference) {
  auto* a = Add("A", 10);
  a->SetBounds(10, 10, 60, 30);
  a->SetStyle(ubsFlat);
  tk::MouseMove(300, 200);
  const tk::TCapture plain = host_.Shot(a);
  a->Layout()->SetArrow(true);
  const tk::TCapture arrow = host_.Shot(a);
  EXPECT_GT(CountDifferentPixels(arrow, plain), 0);
  // The arrow stands at the right; the left half is unchanged.
  EXPECT_TRUE(PixelsMatch(arrow, [&](int x, int y) { return plain.Color(x, y); }, "arrow_left",
                          {0, 0, 30, 30}));
  auto* menu = new vcl::TComponent(nullptr);
  a->SetDropDown(menu);
  EXPECT_EQ(a->DropDown(), menu);
  delete menu;
  EXPECT_EQ(a->DropDown(), nullptr);
}

// Under the platform's themes every style lets the background through (the theme draws the
// face); without them the opaque styles are opaque again when the style is set.
TEST_F(SpeedButtonTest, ThemedDrawingMakesEveryStyleSeeThrough) {
  const TZYLUserButtonStyle opaque[] = {ubsWin31, ubsWin40, ubsOffice};
  for (TZYLUserButtonStyle style : opaque) {
    SCOPED_TRACE(static_cast<int>(style));
    auto* a = Add("A", 10);
    a->SetCtlXP(true);
    {
      testsupport::TThemeScope themes;
      a->SetStyle(style);
      EXPECT_FALSE(a->ControlStyle().contains(vcl::csOpaque));
      EXPECT_TRUE(a->SeeThrough());
    }
    a->SetStyle(style);
    EXPECT_TRUE(a->ControlStyle().contains(vcl::csOpaque));
    EXPECT_FALSE(a->SeeThrough());
    delete a;
  }
}

}  // namespace
}  // namespace zyl
