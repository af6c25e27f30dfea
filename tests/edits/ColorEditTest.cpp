// The colour edit as a user meets it: read-only from the start, its button opens the colour
// dialog (answered by the dialog script), the text names the colour the way the framework writes
// colours, and the paint styles draw the colour beside, over or in the text.
#include <gtest/gtest.h>

#include <string>

#include "edits/ZYLColorEdit.h"
#include "edits/ZYLEdit.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Colors.h"
#include "platform/testkit/DialogScript.h"
#include "tests/edits/BrowseEditHost.h"
#include "tests/support/Cases.h"
#include "tests/support/ThemeScope.h"

namespace zyl {
namespace {

using edittest::THost;
using vcl::testkit::TDialogScript;
namespace tk = win::testkit;

class ColorEditTest : public ::testing::Test {
 protected:
  ColorEditTest() {
    edit_ = browsetest::Place<TZYLColorEdit>(host_, "Color", 10, 10, 150);
    browsetest::Listen(edit_, events_);
  }
  // The paint rectangle's inside (the bar's outline left out) in client coordinates.
  static win::RECT Inside(const vcl::TRect& R) {
    return {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
  }
  static win::COLORREF Rgb(vcl::TColor C) { return static_cast<win::COLORREF>(vcl::ColorToRGB(C)); }

  THost host_;
  browsetest::TEvents events_;
  TZYLColorEdit* edit_ = nullptr;
};

TEST_F(ColorEditTest, ANewColourEditIsReadOnlyButItsButtonChoosesAColour) {
  EXPECT_TRUE(edit_->ReadOnly());
  EXPECT_EQ(edit_->RawText(), "clRed");
  THost::Focus(edit_);
  tk::TypeText("x");
  tk::KeyPress(win::VK_BACK);
  EXPECT_EQ(edit_->RawText(), "clRed");
  TDialogScript script;
  script.ChooseColor(vcl::clBlue);
  browsetest::ClickBrowse(edit_);
  EXPECT_EQ(edit_->RawText(), "clBlue");
  EXPECT_EQ(edit_->SelectedColor(), vcl::clBlue);
  EXPECT_EQ(events_.Take(), "before dlgchange browse");
}

TEST_F(ColorEditTest, ACancelledDialogKeepsTheColourAndTheDialogGetsTheEditsSettings) {
  edit_->SetSelectedColor(vcl::clLime);
  edit_->SetDialogOptions({vcl::cdFullOpen});
  edit_->CustomColors()->Add("ColorA=FF8000");
  TDialogScript script;
  script.Press("Cancel");
  browsetest::ClickBrowse(edit_);
  EXPECT_EQ(edit_->RawText(), "clLime");
  EXPECT_EQ(events_.Take(), "before browse");
  ASSERT_EQ(script.Shown().size(), 1u);
  // Full open from the start: the red, green and blue of the starting colour are shown.
  const auto& values = script.Shown()[0].Values;
  EXPECT_EQ(values.at("Red"), "0");
  EXPECT_EQ(values.at("Green"), "255");
  EXPECT_EQ(values.at("Blue"), "0");
  EXPECT_EQ(edit_->CustomColors()->Count(), 1);  // a copy went to the dialog
}

TEST_F(ColorEditTest, ColoursAreNamedAsTheFrameworkWritesThem) {
  auto named = [&](vcl::TColor C) {
    edit_->SetSelectedColor(C);
    return edit_->RawText();
  };
  testsupport::ExpectCases({
      {named(vcl::clRed), "clRed"},
      {named(vcl::clNavy), "clNavy"},
      {named(vcl::clBtnFace), "clBtnFace"},
      {named(0x123456), "$00123456"},
      {named(vcl::clNone), "clNone"},
  });
  edit_->SetText("$00FF8000");
  EXPECT_EQ(edit_->SelectedColor(), 0xFF8000);
  edit_->SetText("clAqua");
  EXPECT_EQ(edit_->SelectedColor(), vcl::clAqua);
}

TEST_F(ColorEditTest, TextThatNamesNoColourStandsForRedAndNeverRaises) {
  edit_->SetText("");
  EXPECT_EQ(edit_->RawText(), "clRed");
  EXPECT_EQ(edit_->SelectedColor(), vcl::clRed);
  edit_->SetText("no colour");
  EXPECT_EQ(edit_->RawText(), "clRed");
  // Typed text is the user's: it stays as typed, reads and paints as red, and the dialog opens
  // at red instead of failing.
  edit_->SetReadOnly(false);
  THost::Focus(edit_);
  edit_->SelectAll();
  tk::TypeText("violet");
  EXPECT_EQ(edit_->RawText(), "violet");
  EXPECT_EQ(edit_->SelectedColor(), vcl::clRed);
  host_.Shot(edit_);
  EXPECT_EQ(edit_->RawText(), "violet");
  edit_->SetDialogOptions({vcl::cdFullOpen});
  TDialogScript script;
  script.Press("Cancel");
  browsetest::ClickBrowse(edit_);
  EXPECT_EQ(script.Shown().at(0).Values.at("Red"), "255");
  EXPECT_EQ(edit_->RawText(), "violet");
}

TEST_F(ColorEditTest, TheColourStyleCoversThePaintAreaAndMakesTheEditReadOnly) {
  edit_->SetReadOnly(false);
  edit_->SetSelectedColor(vcl::clLime);
  edit_->SetPaintStyle(ceColor);
  EXPECT_TRUE(edit_->ReadOnly());
  EXPECT_TRUE(tk::PixelsMatch(
      host_.Shot(edit_), [&](int, int) { return Rgb(vcl::clLime); }, "color_edit_full_bar",
      Inside(edit_->PaintRect())));
}

// The bar's place for each style, and the text rectangle it leaves.
struct TBarCase {
  TZYLColorEditPaint Style;
  bool Left;  // the bar stands at the left of the paint area
};

class ColorEditBar : public ColorEditTest, public ::testing::WithParamInterface<TBarCase> {};

TEST_P(ColorEditBar, StandsBesideTheTextAndNarrowsIt) {
  const TBarCase c = GetParam();
  edit_->SetSelectedColor(vcl::clBlue);
  const vcl::TRect before = edit_->TextRect();
  edit_->SetPaintStyle(c.Style);
  edit_->SetBarInteger(TZYLColorEdit::biColorBarWidth, 20);
  const vcl::TRect p = edit_->PaintRect();
  const vcl::TRect t = edit_->TextRect();
  if (c.Left) {
    EXPECT_EQ(t.Left, before.Left + 20);
    EXPECT_EQ(t.Right, before.Right);
  } else {
    EXPECT_EQ(t.Right, before.Right - 20);
    EXPECT_EQ(t.Left, before.Left);
  }
  const vcl::TRect bar = c.Left ? vcl::TRect{p.Left, p.Top, p.Left + 20, p.Bottom}
                                : vcl::TRect{p.Right - 20, p.Top, p.Right, p.Bottom};
  const tk::TCapture shot = host_.Shot(edit_);
  EXPECT_TRUE(tk::PixelsMatch(
      shot, [&](int, int) { return Rgb(vcl::clBlue); }, "color_edit_bar", Inside(bar)));
  // A bar of 4 rows: the rows below it show the edit's ground.
  edit_->SetBarInteger(TZYLColorEdit::biColorBarHeight, 4);
  const tk::TCapture low = host_.Shot(edit_);
  EXPECT_TRUE(tk::PixelsMatch(low, [&](int, int) { return Rgb(vcl::clBlue); },
                              "color_edit_short_bar",
                              {bar.Left + 1, bar.Top + 1, bar.Right - 1, bar.Top + 3}));
  EXPECT_TRUE(tk::PixelsMatch(low, [&](int, int) { return Rgb(vcl::clWindow); },
                              "color_edit_below_bar",
                              {bar.Left + 1, bar.Top + 5, bar.Right - 1, bar.Bottom - 1}));
}

INSTANTIATE_TEST_SUITE_P(Styles, ColorEditBar,
                         ::testing::Values(TBarCase{ceTextColor, false},
                                           TBarCase{ceColorText, true}));

TEST_F(ColorEditTest, ColouredTextIsDrawnInTheColourAndTheFontKeepsItsOwn) {
  edit_->SetSelectedColor(vcl::clBlue);
  edit_->SetPaintStyle(ceColoredText);
  // The same edit in plain style with a blue font looks the same.
  auto* plain = browsetest::Place<TZYLColorEdit>(host_, "Plain", 10, 60, 150);
  plain->SetSelectedColor(vcl::clBlue);
  plain->Font()->SetColor(vcl::clBlue);
  EXPECT_TRUE(tk::SamePixels(host_.Shot(edit_), host_.Shot(plain), "color_edit_colored_text"));
  EXPECT_EQ(edit_->Font()->Color(), vcl::clWindowText);
  // Without the style the text is black again.
  edit_->SetPaintStyle(ceText);
  EXPECT_GT(tk::CountDifferentPixels(host_.Shot(edit_), host_.Shot(plain)), 0);
}

// ---- Themes ----

// The themed border of the colour edit, read-only from the start, takes the normal edit's
// states: normal, focused, hot (over focused), disabled (over all), never the read-only one a
// plain read-only edit shows.
struct TThemedBorder {
  const char* Name;
  bool Focused, Hot, Disabled;
  int State;
};

class ThemedColorEdit : public ::testing::TestWithParam<TThemedBorder> {
 protected:
  testsupport::TThemeScope themes_;  // before the host: its edits are made themed
  THost host_;
};

TEST_P(ThemedColorEdit, ShowsTheStatesOfAnEditThatCanBeTypedIn) {
  const TThemedBorder& k = GetParam();
  auto* edit = browsetest::Place<TZYLColorEdit>(host_, "Color", 10, 10, 150);
  auto* plain = browsetest::Place<TZYLEdit>(host_, "Plain", 10, 60, 150);
  plain->SetReadOnly(true);
  ASSERT_TRUE(edit->UseXP());
  ASSERT_TRUE(edit->ReadOnly());
  if (k.Focused) THost::Focus(edit);
  if (k.Hot) {
    const win::POINT p = THost::At(edit, 40, 10);
    tk::MouseMove(p.X, p.Y);
  }
  if (k.Disabled) edit->SetEnabled(false);
  edit->Invalidate();
  THost::Idle();
  // Inside the one-pixel frame the theme paints the face of the state.
  EXPECT_EQ(host_.Shot(edit).Color(1, 1), ZYLThemeFaceColor(k.State));
  if (!k.Focused && !k.Hot && !k.Disabled) {
    EXPECT_EQ(host_.Shot(plain).Color(1, 1), ZYLThemeFaceColor(6));  // a read-only edit
  }
}

INSTANTIATE_TEST_SUITE_P(States, ThemedColorEdit,
                         ::testing::Values(TThemedBorder{"Normal", false, false, false, 1},
                                           TThemedBorder{"Focused", true, false, false, 5},
                                           TThemedBorder{"Hot", false, true, false, 2},
                                           TThemedBorder{"HotAndFocused", true, true, false, 2},
                                           TThemedBorder{"Disabled", true, true, true, 4}),
                         [](const auto& i) { return std::string(i.param.Name); });

}  // namespace
}  // namespace zyl
