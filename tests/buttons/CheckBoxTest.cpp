// The check box: the states a click and the space bar pass through, OnChange, sizing to the
// caption, and the box it draws.
#include <gtest/gtest.h>

#include <string>

#include "buttons/ZYLCheckBox.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/user/WinUserConsts.h"
#include "tests/buttons/ButtonsTestHost.h"

namespace zyl {
namespace {

using buttontest::THost;
namespace tk = win::testkit;

class CheckBoxTest : public ::testing::Test {
 protected:
  CheckBoxTest() {
    box_ = new TZYLCheckBox(host_.Form());
    box_->SetName("Box");
    box_->SetBounds(10, 10, 120, 20);
    box_->SetCaption("Option");
    box_->SetParent(host_.Panel());
    box_->SetOnChange(vcl::TNotifyEvent(&rec_, &buttontest::TRecorder::Click));
    THost::Idle();
  }
  void ClickBox() {
    tk::AdvanceClock(1000);  // not a double click
    const win::POINT p = THost::At(box_, 7, 10);
    tk::Click(p.X, p.Y);
  }
  static char StateChar(vcl::TCheckBoxState s) { return "ucg"[s]; }
  THost host_;
  TZYLCheckBox* box_ = nullptr;
  buttontest::TRecorder rec_;
};

struct ClickCase {
  bool AllowGrayed;
  const char* States;  // after each of four clicks: u unchecked, c checked, g grayed
};

class CheckBoxClicks : public CheckBoxTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(CheckBoxClicks, CycleTheStates) {
  box_->SetAllowGrayed(GetParam().AllowGrayed);
  std::string states;
  for (int i = 0; i < 4; ++i) {
    ClickBox();
    states += StateChar(box_->State());
  }
  EXPECT_EQ(states, GetParam().States);
  EXPECT_EQ(rec_.Log.size(), 4u);  // every click changed the state
}

INSTANTIATE_TEST_SUITE_P(Grayed, CheckBoxClicks,
                         ::testing::Values(ClickCase{false, "cucu"}, ClickCase{true, "cguc"}));

TEST_F(CheckBoxTest, ChangeIsReportedOncePerNewState) {
  EXPECT_FALSE(box_->Checked());
  box_->SetChecked(true);
  box_->SetChecked(true);
  EXPECT_EQ(box_->State(), vcl::cbChecked);
  box_->SetState(vcl::cbGrayed);
  EXPECT_FALSE(box_->Checked());
  EXPECT_EQ(rec_.Take(), "Box Box");
  box_->SetEnabled(false);
  ClickBox();
  EXPECT_EQ(box_->State(), vcl::cbGrayed);
  EXPECT_EQ(rec_.Take(), "");
}

struct BoxAcceleratorCase {
  const char* Caption;
  bool Enabled;
  const char* States;  // after each of two presses of Alt+O
  bool Focused;
};

class CheckBoxAccelerators : public CheckBoxTest,
                             public ::testing::WithParamInterface<BoxAcceleratorCase> {};

// The marked letter of the caption focuses the box and toggles it, as the space bar does.
TEST_P(CheckBoxAccelerators, TheMarkedLetterFocusesAndTogglesTheBox) {
  const BoxAcceleratorCase& c = GetParam();
  box_->SetCaption(c.Caption);
  box_->SetEnabled(c.Enabled);
  host_.Panel()->SetFocus();
  THost::Idle();
  std::string states;
  for (int i = 0; i < 2; ++i) {
    THost::Accelerator('O');
    states += StateChar(box_->State());
  }
  EXPECT_EQ(states, c.States);
  EXPECT_EQ(box_->Focused(), c.Focused);
}

INSTANTIATE_TEST_SUITE_P(Captions, CheckBoxAccelerators,
                         ::testing::Values(BoxAcceleratorCase{"&Option", true, "cu", true},
                                           BoxAcceleratorCase{"Opti&on", true, "cu", true},
                                           BoxAcceleratorCase{"Option", true, "uu", false},
                                           BoxAcceleratorCase{"&Option", false, "uu", false}));

TEST_F(CheckBoxTest, SpaceBarTogglesTheFocusedBox) {
  box_->SetFocus();
  tk::KeyPress(win::VK_SPACE);
  EXPECT_TRUE(box_->Checked());
  tk::KeyPress('A');
  EXPECT_TRUE(box_->Checked());
  tk::KeyPress(win::VK_SPACE);
  EXPECT_FALSE(box_->Checked());
}

TEST_F(CheckBoxTest, AutoSizeFollowsTheCaption) {
  box_->SetBool(TZYLCustomCheckBox::bpAutoSize, true);
  const int shortWidth = box_->Width();
  box_->SetCaption("A much longer option text");
  EXPECT_GT(box_->Width(), shortWidth);
  box_->SetCaption("");
  EXPECT_EQ(box_->Width(), TZYLCustomCheckBox::BoxSize + 4);
  EXPECT_GE(box_->Height(), TZYLCustomCheckBox::BoxSize);
  box_->SetBool(TZYLCustomCheckBox::bpAutoSize, false);
  box_->SetCaption("Option");
  EXPECT_EQ(box_->Width(), TZYLCustomCheckBox::BoxSize + 4);
}

TEST_F(CheckBoxTest, TheCaptionIsDrawnInTheControlsFontAndFitsTheAutoSize) {
  box_->Font()->SetName("MS Sans Serif");
  box_->Font()->SetHeight(-11);
  box_->SetCaption("Show tips at every start");
  box_->SetBool(TZYLCustomCheckBox::bpAutoSize, true);
  THost::Idle();
  vcl::TBitmap measure;
  measure.Canvas()->Font()->Assign(box_->Font());
  const int width = measure.Canvas()->TextWidth(box_->Caption());
  // The columns right of the box that hold ink of the font's colour.
  const tk::TCapture shot = host_.Shot(box_);
  const win::COLORREF ink = win::GetSysColor(win::COLOR_WINDOWTEXT);
  int first = -1, last = -1;
  for (int x = box_->BoxRect().Right; x < shot.Width; ++x)
    for (int y = 0; y < shot.Height; ++y)
      if ((shot.Pixels[size_t(y) * shot.Width + x] & 0xFFFFFF) == ink) {
        if (first < 0) first = x;
        last = x;
      }
  ASSERT_GE(first, 0);
  EXPECT_LE(last - first + 1, width);
  EXPECT_GE(last - first + 1, width - 3);
  EXPECT_LT(last, shot.Width - 2);
}

struct BoxPicture {
  vcl::TCheckBoxState State;
  bool Enabled;
  bool Flat;
  uint32_t Flags;
};

class CheckBoxPictures : public CheckBoxTest, public ::testing::WithParamInterface<BoxPicture> {};

TEST_P(CheckBoxPictures, BoxIsTheSystemsCheckBox) {
  const BoxPicture& c = GetParam();
  box_->SetState(c.State);
  box_->SetEnabled(c.Enabled);
  box_->SetBool(TZYLCustomCheckBox::bpGlyphFlat, c.Flat);
  vcl::TBitmap ref;
  ref.SetSize(TZYLCustomCheckBox::BoxSize, TZYLCustomCheckBox::BoxSize);
  win::TRect r{0, 0, TZYLCustomCheckBox::BoxSize, TZYLCustomCheckBox::BoxSize};
  win::DrawFrameControl(ref.Canvas()->Handle(), &r, win::DFC_BUTTON, c.Flags);
  const vcl::TRect b = box_->BoxRect();
  EXPECT_TRUE(tk::PixelsMatch(
      host_.Shot(box_),
      [&](int x, int y) { return win::COLORREF(ref.Canvas()->Pixels(x - b.Left, y - b.Top)); },
      "check_box", {b.Left, b.Top, b.Right, b.Bottom}));
}

INSTANTIATE_TEST_SUITE_P(
    States, CheckBoxPictures,
    ::testing::Values(
        BoxPicture{vcl::cbUnchecked, true, false, win::DFCS_BUTTONCHECK},
        BoxPicture{vcl::cbChecked, true, false, win::DFCS_BUTTONCHECK | win::DFCS_CHECKED},
        BoxPicture{vcl::cbGrayed, true, false, win::DFCS_BUTTON3STATE | win::DFCS_CHECKED},
        BoxPicture{vcl::cbChecked, false, false,
                   win::DFCS_BUTTONCHECK | win::DFCS_CHECKED | win::DFCS_INACTIVE},
        BoxPicture{vcl::cbChecked, true, true,
                   win::DFCS_BUTTONCHECK | win::DFCS_CHECKED | win::DFCS_FLAT}));

}  // namespace
}  // namespace zyl
