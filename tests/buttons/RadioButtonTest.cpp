// The radio button: one checked button among the radio buttons of a parent, clicks and the
// space bar, the round mark it draws, its caption and picture, and a form read back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "buttons/ZYLCheckBox.h"
#include "buttons/ZYLGroupBox.h"
#include "buttons/ZYLRadioButton.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/classes/Filer.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"
#include "tests/buttons/ButtonsTestHost.h"
#include "tests/support/Cases.h"

namespace zyl {
namespace {

using buttontest::THost;
namespace tk = win::testkit;

class RadioButtonTest : public ::testing::Test {
 protected:
  RadioButtonTest() {
    for (int i = 0; i < 3; ++i) radios_.push_back(Add<TZYLRadioButton>(host_.Panel(), i));
    box_ = Add<TZYLCheckBox>(host_.Panel(), 3);
    group_ = new TZYLGroupBox(host_.Form());
    group_->SetName("Group");
    group_->SetBounds(150, 10, 150, 80);
    group_->SetParent(host_.Panel());
    other_ = Add<TZYLRadioButton>(group_, 0);
    THost::Idle();
  }
  template <class T>
  T* Add(vcl::TWinControl* Parent, int Row) {
    auto* c = new T(host_.Form());
    c->SetName((std::is_same_v<T, TZYLCheckBox> ? "Box" : "Radio") + std::to_string(count_++));
    c->SetBounds(10, 10 + 25 * Row, 120, 20);
    c->SetCaption("Choice " + std::to_string(Row));
    c->SetParent(Parent);
    c->OnClick = vcl::TNotifyEvent(&rec_, &buttontest::TRecorder::Click);
    return c;
  }
  void ClickOn(vcl::TControl* Control) {
    tk::AdvanceClock(1000);  // not a double click
    const win::POINT p = THost::At(Control, 7, 10);
    tk::Click(p.X, p.Y);
  }
  // One letter per radio button of the panel (x checked, - not), then the one in the group
  // box and the check box.
  std::string Marks() const {
    std::string s;
    for (TZYLRadioButton* r : radios_) s += r->Checked() ? 'x' : '-';
    return s + "|" + (other_->Checked() ? 'x' : '-') + (box_->Checked() ? 'x' : '-');
  }
  THost host_;
  std::vector<TZYLRadioButton*> radios_;
  TZYLCheckBox* box_ = nullptr;
  TZYLGroupBox* group_ = nullptr;
  TZYLRadioButton* other_ = nullptr;
  buttontest::TRecorder rec_;
  int count_ = 0;
};

struct ExclusiveCase {
  const char* Steps;  // pairs of a radio button's index and + (check) or - (uncheck)
  const char* Marks;
};

class RadioButtonExclusive : public RadioButtonTest,
                             public ::testing::WithParamInterface<ExclusiveCase> {};

TEST_P(RadioButtonExclusive, CheckingOneUnchecksTheOtherRadioButtonsOfItsParentOnly) {
  other_->SetChecked(true);
  box_->SetChecked(true);
  const std::string steps = GetParam().Steps;
  for (size_t i = 0; i + 1 < steps.size(); i += 2)
    radios_[steps[i] - '0']->SetChecked(steps[i + 1] == '+');
  EXPECT_EQ(Marks(), GetParam().Marks);
  EXPECT_EQ(rec_.Take(), "");  // setting the value is no click
}

INSTANTIATE_TEST_SUITE_P(
    Steps, RadioButtonExclusive,
    ::testing::Values(ExclusiveCase{"", "---|xx"}, ExclusiveCase{"0+", "x--|xx"},
                      ExclusiveCase{"0+1+", "-x-|xx"}, ExclusiveCase{"0+2+0+", "x--|xx"},
                      ExclusiveCase{"1+1+", "-x-|xx"}, ExclusiveCase{"1+1-", "---|xx"},
                      ExclusiveCase{"2+0-", "--x|xx"}));

TEST_F(RadioButtonTest, AClickChecksTheButtonAndReportsEveryClick) {
  radios_[0]->SetChecked(true);
  other_->SetChecked(true);
  ClickOn(radios_[1]);
  EXPECT_EQ(Marks(), "-x-|x-");
  ClickOn(radios_[1]);  // a checked button stays checked
  EXPECT_EQ(Marks(), "-x-|x-");
  EXPECT_EQ(rec_.Take(), "Radio1 Radio1");
  ClickOn(other_);
  EXPECT_EQ(Marks(), "-x-|x-");
  EXPECT_EQ(rec_.Take(), "Radio4");
  radios_[2]->SetEnabled(false);
  ClickOn(radios_[2]);
  EXPECT_EQ(Marks(), "-x-|x-");
  EXPECT_EQ(rec_.Take(), "");
}

TEST_F(RadioButtonTest, TheSpaceBarChecksTheFocusedButton) {
  radios_[0]->SetChecked(true);
  radios_[2]->SetFocus();
  tk::KeyPress('A');
  EXPECT_EQ(Marks(), "x--|--");
  tk::KeyPress(win::VK_SPACE);
  EXPECT_EQ(Marks(), "--x|--");
  EXPECT_EQ(rec_.Take(), "Radio2");
}

struct ArrowCase {
  int Start;           // the focused radio button
  const char* Keys;    // u up, d down, l left, r right
  const char* Marks;   // after the keys
  const char* Clicks;  // what OnClick heard
};

// The marked letter of a radio button's caption, pressed on the check box, focuses and checks
// it; without the mark, or disabled, it stays as it is.
TEST_F(RadioButtonTest, TheMarkedLetterFocusesAndChecksTheButton) {
  radios_[1]->SetCaption("&Zulu");
  radios_[2]->SetCaption("Zero");
  radios_[0]->SetChecked(true);
  rec_.Take();
  box_->SetFocus();
  THost::Idle();
  THost::Accelerator('Z');
  EXPECT_EQ(Marks(), "-x-|--");
  EXPECT_TRUE(radios_[1]->Focused());
  EXPECT_EQ(rec_.Take(), "Radio1");
  radios_[1]->SetEnabled(false);
  radios_[0]->SetChecked(true);
  box_->SetFocus();
  THost::Idle();
  THost::Accelerator('Z');
  EXPECT_EQ(Marks(), "x--|--");
  EXPECT_TRUE(box_->Focused());
}

class RadioButtonArrows : public RadioButtonTest,
                          public ::testing::WithParamInterface<ArrowCase> {};

// The arrow keys move through the radio buttons of the parent in tab order, past disabled ones,
// checking each as a click does; at either end they stay.
TEST_P(RadioButtonArrows, MoveTheCheckThroughTheParentsRadioButtons) {
  const ArrowCase& c = GetParam();
  radios_[2]->SetTabOrder(0);  // tab order 2, 0, 1, then the check box
  radios_[1]->SetEnabled(false);
  radios_[c.Start]->SetFocus();
  for (const char* k = c.Keys; *k; ++k)
    tk::KeyPress(*k == 'u'   ? win::VK_UP
                 : *k == 'd' ? win::VK_DOWN
                 : *k == 'l' ? win::VK_LEFT
                             : win::VK_RIGHT);
  EXPECT_EQ(Marks(), c.Marks);
  EXPECT_EQ(rec_.Take(), c.Clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RadioButtonArrows,
    ::testing::Values(ArrowCase{2, "d", "x--|--", "Radio0"}, ArrowCase{2, "r", "x--|--", "Radio0"},
                      ArrowCase{0, "u", "--x|--", "Radio2"}, ArrowCase{0, "l", "--x|--", "Radio2"},
                      ArrowCase{0, "d", "---|--", ""}, ArrowCase{2, "u", "---|--", ""},
                      ArrowCase{2, "dud", "x--|--", "Radio0 Radio2 Radio0"}));

struct MarkPicture {
  bool Checked;
  bool Enabled;
  uint32_t Flags;
};

class RadioButtonMarks : public RadioButtonTest,
                         public ::testing::WithParamInterface<MarkPicture> {};

TEST_P(RadioButtonMarks, TheMarkIsTheSystemsRoundMark) {
  const MarkPicture& c = GetParam();
  TZYLRadioButton* radio = radios_[1];
  radio->SetChecked(c.Checked);
  radio->SetEnabled(c.Enabled);
  const int side = TZYLButtonControl::BoxSize;
  vcl::TBitmap ref;
  ref.SetSize(side, side);
  // The round mark leaves its corners to the control's face.
  ref.Canvas()->Brush()->SetColor(radio->Color());
  ref.Canvas()->FillRect(vcl::TRect{0, 0, side, side});
  win::TRect r{0, 0, side, side};
  win::DrawFrameControl(ref.Canvas()->Handle(), &r, win::DFC_BUTTON, c.Flags);
  const vcl::TRect b = radio->BoxRect();
  const tk::TCapture shot = host_.Shot(radio);
  EXPECT_TRUE(tk::PixelsMatch(
      shot,
      [&](int x, int y) { return win::COLORREF(ref.Canvas()->Pixels(x - b.Left, y - b.Top)); },
      "radio_mark", {b.Left, b.Top, b.Right, b.Bottom}));
  // The check box of the same state draws another mark at the same place.
  box_->SetChecked(c.Checked);
  box_->SetEnabled(c.Enabled);
  box_->SetBounds(radio->Left(), radio->Top(), radio->Width(), radio->Height());
  radio->SetVisible(false);
  EXPECT_GT(tk::CountDifferentPixels(buttontest::Crop(shot, b),
                                     buttontest::Crop(host_.Shot(box_), box_->BoxRect())),
            0);
}

INSTANTIATE_TEST_SUITE_P(
    States, RadioButtonMarks,
    ::testing::Values(MarkPicture{false, true, win::DFCS_BUTTONRADIO},
                      MarkPicture{true, true, win::DFCS_BUTTONRADIO | win::DFCS_CHECKED},
                      MarkPicture{false, false, win::DFCS_BUTTONRADIO | win::DFCS_INACTIVE},
                      MarkPicture{true, false,
                                  win::DFCS_BUTTONRADIO | win::DFCS_CHECKED | win::DFCS_INACTIVE}));

// The picture of the image list and the caption stand right of the mark, in the order the
// alignment gives.
TEST_F(RadioButtonTest, ThePictureAndTheCaptionFollowTheAlignment) {
  TZYLRadioButton* radio = radios_[0];
  radio->SetBounds(10, 10, 130, 20);
  radio->SetImageList(buttontest::MakeGlyphList(host_.Form(), {vcl::clLime}));
  const win::COLORREF lime = win::COLORREF(vcl::ColorToRGB(vcl::clLime));
  const win::COLORREF ink = win::GetSysColor(win::COLOR_WINDOWTEXT);
  const int textStart = radio->BoxRect().Right;

  tk::TCapture shot = host_.Shot(radio);
  buttontest::TColumns picture = buttontest::ColumnsOf(shot, lime);
  buttontest::TColumns text =
      buttontest::ColumnsOf(shot, ink, {textStart, 0, shot.Width, shot.Height});
  ASSERT_GE(picture.First, textStart);
  ASSERT_GE(text.First, 0);
  EXPECT_GT(text.First, picture.Last);

  radio->Alignment()->SetAlignText2Glyph(taLeft);
  shot = host_.Shot(radio);
  picture = buttontest::ColumnsOf(shot, lime);
  text = buttontest::ColumnsOf(shot, ink, {textStart, 0, shot.Width, shot.Height});
  ASSERT_GE(text.First, textStart);
  EXPECT_LT(text.Last, picture.First);

  // Without a picture the caption moves up to the mark.
  radio->SetImageList(nullptr);
  shot = host_.Shot(radio);
  EXPECT_EQ(buttontest::ColumnsOf(shot, lime).First, -1);
  EXPECT_LT(buttontest::ColumnsOf(shot, ink, {textStart, 0, shot.Width, shot.Height}).First,
            picture.First);
}

TEST_F(RadioButtonTest, AFormReadBackKeepsTheCheckedButtonItsParentAndItsLook) {
  std::unique_ptr<vcl::TForm> source(new vcl::TForm(nullptr));
  source->SetName("Src");
  auto* frame = new TZYLGroupBox(source.get());
  frame->SetName("Frame");
  frame->SetParent(source.get());
  for (const char* name : {"First", "Second", "Third"}) {
    auto* r = new TZYLRadioButton(source.get());
    r->SetName(name);
    r->SetParent(frame);
  }
  auto* second = static_cast<TZYLRadioButton*>(source->FindComponent("Second"));
  second->SetChecked(true);
  second->Alignment()->SetAlignText2Glyph(taLeft);
  second->Font3D()->SetStyle(tdRaised);
  const std::string bytes = vcl::WriteComponentToBytes(source.get());

  ZYLGroupBoxUnit.Init();
  ZYLRadioButtonUnit.Init();
  std::unique_ptr<vcl::TForm> copy(new vcl::TForm(nullptr));
  vcl::ReadComponentFromBytes(bytes, copy.get());
  ZYLRadioButtonUnit.FInit();
  ZYLGroupBoxUnit.FInit();
  std::string marks, parents;
  for (const char* name : {"First", "Second", "Third"}) {
    auto* r = dynamic_cast<TZYLRadioButton*>(copy->FindComponent(name));
    ASSERT_NE(r, nullptr) << name;
    marks += r->Checked() ? 'x' : '-';
    parents += r->Parent() ? r->Parent()->Name() + " " : "none ";
  }
  auto* read = static_cast<TZYLRadioButton*>(copy->FindComponent("Second"));
  testsupport::ExpectCases(
      {{marks, "-x-"},
       {parents, "Frame Frame Frame "},
       {std::to_string(read->Alignment()->AlignText2Glyph()), std::to_string(taLeft)},
       {std::to_string(read->Font3D()->Style()), std::to_string(tdRaised)}});
}

}  // namespace
}  // namespace zyl
