// The static text: sizing to its caption (with the bevel, on a parent only, lines broken only
// at line breaks), repainting every caption change, the accelerator that focuses FocusControl,
// and the option flags.
#include <gtest/gtest.h>

#include <string>

#include "buttons/ZYLPanelFill.h"
#include "display/ZYLStaticText.h"
#include "foundation/ZYLBevel.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"
#include "tests/buttons/PanelTestSupport.h"
#include "tests/display/ExampleForm.h"

namespace zyl {
namespace {

using paneltest::InkCount;
using paneltest::THost;
using vcl::TRect;

// The size the platform's DrawText gives Text in the font of C, on C's window.
win::SIZE Measured(TZYLStaticText* C, const std::string& Text, win::UINT Flags) {
  vcl::TCanvas* c = C->Canvas();
  c->SetFont(C->Font());
  c->RequiredState({vcl::csHandleValid, vcl::csFontValid});
  win::RECT r{0, 0, 1000, 0};
  win::DrawTextA(c->Handle(), Text.c_str(), -1, &r, Flags | win::DT_CALCRECT);
  return {r.Right - r.Left, r.Bottom - r.Top};
}

class StaticTextTest : public ::testing::Test {
 protected:
  THost host_;
  TZYLStaticText* Make(const std::string& Caption) {
    auto* s = host_.Add<TZYLStaticText>(10, 10, 50, 20);
    s->SetColor(vcl::clWhite);
    s->Font()->SetColor(vcl::clBlack);
    s->SetCaption(Caption);
    host_.Show();
    return s;
  }
};

TEST_F(StaticTextTest, SizesToItsCaptionAndBevel) {
  TZYLStaticText* s = Make("Hello");
  const win::SIZE one = Measured(s, "Hello", win::DT_SINGLELINE);
  EXPECT_EQ(s->Width(), one.cx);
  EXPECT_EQ(s->Height(), one.cy);
  s->Bevel()->SetBevelStyleOuter(bvRaised);
  s->Bevel()->SetBevelWidthOuter(2);
  EXPECT_EQ(s->Width(), one.cx + 4);
  s->SetCaption("Hello there");
  EXPECT_EQ(s->Width(), Measured(s, "Hello there", win::DT_SINGLELINE).cx + 4);
  // Without AutoSize the size stays.
  s->SetBoolean(TZYLStaticText::bpAutoSize, false);
  s->SetCaption("Hi");
  EXPECT_EQ(s->Width(), Measured(s, "Hello there", win::DT_SINGLELINE).cx + 4);
}

TEST_F(StaticTextTest, WithoutAParentItNeverResizes) {
  TZYLStaticText s(nullptr);
  s.SetBounds(0, 0, 50, 20);
  s.SetCaption("A much longer caption than fits");
  EXPECT_EQ(s.Width(), 50);
  EXPECT_EQ(s.Height(), 20);
}

TEST_F(StaticTextTest, MultiLineBreaksOnlyAtLineBreaks) {
  TZYLStaticText* s = Make("First line\r\nSecond, longer line");
  s->SetBoolean(TZYLStaticText::bpMultiLine, true);
  const win::SIZE two = Measured(s, "First line\r\nSecond, longer line", 0);
  EXPECT_EQ(s->Width(), two.cx);
  EXPECT_EQ(s->Height(), two.cy);
  // A narrow text without AutoSize keeps its long line whole: nothing below the first row.
  s->SetBoolean(TZYLStaticText::bpAutoSize, false);
  s->SetCaption("one long line of words");
  s->SetBounds(s->Left(), s->Top(), 40, 60);
  s->SetAlignment(agTopLeft);
  const int row = Measured(s, "X", win::DT_SINGLELINE).cy;
  EXPECT_GT(InkCount(THost::Client(s), vcl::clWhite, win::RECT{0, 0, 40, row}), 10);
  EXPECT_EQ(InkCount(THost::Client(s), vcl::clWhite, win::RECT{0, row, 40, 60}), 0);
}

TEST_F(StaticTextTest, ACaptionOfTheSameSizeIsShownToo) {
  TZYLStaticText* s = Make("ab");
  const auto before = THost::Client(s);
  s->SetCaption("ba");
  ASSERT_EQ(s->Width(), Measured(s, "ab", win::DT_SINGLELINE).cx);
  const auto after = THost::Client(s);
  EXPECT_GT(win::testkit::CountDifferentPixels(before, after), 0);
}

struct TAccelCase {
  const char* Name;
  bool ShowAccel;
  bool Enabled;
  bool WithTarget;
  bool Focuses;
};

class StaticTextAccel : public StaticTextTest, public ::testing::WithParamInterface<TAccelCase> {};

TEST_P(StaticTextAccel, TheAcceleratorFocusesItsControl) {
  const TAccelCase& k = GetParam();
  auto* target = host_.Add<TZYLPanelFill>(100, 100, 50, 20);
  target->SetTabStop(true);
  TZYLStaticText* s = Make("&Name");
  s->SetBoolean(TZYLStaticText::bpShowAccelChar, k.ShowAccel);
  s->SetEnabled(k.Enabled);
  if (k.WithTarget) s->SetFocusControl(target);
  auto* other = host_.Add<TZYLPanelFill>(200, 100, 50, 20);
  other->SetTabStop(true);
  other->SetFocus();
  ASSERT_FALSE(target->Focused());
  const auto result = s->Perform(vcl::CM_DIALOGCHAR, 'N', 0);
  EXPECT_EQ(result != 0, k.Focuses);
  EXPECT_EQ(target->Focused(), k.Focuses);
  EXPECT_EQ(s->Perform(vcl::CM_DIALOGCHAR, 'X', 0), 0);  // not its key
}

INSTANTIATE_TEST_SUITE_P(Cases, StaticTextAccel,
                         ::testing::Values(TAccelCase{"Works", true, true, true, true},
                                           TAccelCase{"NoAccel", false, true, true, false},
                                           TAccelCase{"Disabled", true, false, true, false},
                                           TAccelCase{"NoTarget", true, true, false, false}),
                         [](const auto& i) { return std::string(i.param.Name); });

TEST_F(StaticTextTest, ARemovedFocusControlIsForgotten) {
  TZYLStaticText* s = Make("&Go");
  auto* target = host_.Add<TZYLPanelFill>(100, 100, 50, 20);
  s->SetFocusControl(target);
  delete target;
  EXPECT_EQ(s->FocusControl(), nullptr);
  EXPECT_EQ(s->Perform(vcl::CM_DIALOGCHAR, 'G', 0), 0);
}

TEST_F(StaticTextTest, EndEllipsisShortensATooLongCaption) {
  TZYLStaticText* s = Make("A caption far too long for its place");
  s->SetBoolean(TZYLStaticText::bpAutoSize, false);
  s->SetBounds(s->Left(), s->Top(), 60, s->Height());
  s->SetAlignment(agCenterLeft);
  const auto plain = THost::Client(s);
  s->SetOptions(TZYLLabelOptions{loEndEllipsis});
  const auto cut = THost::Client(s);
  EXPECT_GT(win::testkit::CountDifferentPixels(plain, cut), 0);
  EXPECT_EQ(s->GetOptionsFlag(), static_cast<uint32_t>(win::DT_END_ELLIPSIS));
}

TEST(StaticTextsExampleTest, ReadsWithItsLinksAndSizes) {
  THost host;
  vcl::RegisterStandardControls();
  ZYLStaticTextUnit.Init();
  auto form = exampletest::ReadExample("statictexts.txt");
  ZYLStaticTextUnit.FInit();
  EXPECT_EQ(exampletest::ClassCounts(form.get())["TZYLStaticText"], 5);
  auto* plain = dynamic_cast<TZYLStaticText*>(form->FindComponent("PlainText"));
  auto* lines = dynamic_cast<TZYLStaticText*>(form->FindComponent("LinesText"));
  auto* cut = dynamic_cast<TZYLStaticText*>(form->FindComponent("EllipsisText"));
  ASSERT_TRUE(plain && lines && cut);
  EXPECT_EQ(plain->FocusControl(), form->FindComponent("NameEdit"));
  EXPECT_EQ(cut->Options(), TZYLLabelOptions{loEndEllipsis});
  form->Show();
  THost::Idle();
  EXPECT_EQ(cut->Width(), 120);  // not sized
  const win::SIZE two = Measured(lines, "Two lines,\r\nbroken only here", 0);
  EXPECT_EQ(lines->Height(), two.cy + 2);  // and the one-pixel bevel round it
}

}  // namespace
}  // namespace zyl
