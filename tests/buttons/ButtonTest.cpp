// The windowed push button: clicks by mouse and keys, the Default and Cancel roles, the modal
// result it hands to the form, the held repeat and its end on hiding, and its faces, which
// are those of the speed button in the same style.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLSpeedButton.h"
#include "foundation/ZYLCont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"
#include "tests/buttons/ButtonsTestHost.h"
#include "tests/support/RaisingHandler.h"

namespace zyl {
namespace {

using buttontest::THost;
namespace tk = win::testkit;

class ButtonTest : public ::testing::Test {
 protected:
  ButtonTest() {
    ok_ = Make("Ok", 10);
    other_ = Make("Other", 100);
    THost::Idle();
  }
  TZYLButton* Make(const char* Name, int X) {
    auto* b = new TZYLButton(host_.Form());
    b->SetName(Name);
    b->SetCaption(Name);
    b->SetBounds(X, 10, 75, 25);
    b->SetParent(host_.Panel());
    b->OnClick = vcl::TNotifyEvent(&rec_, &buttontest::TRecorder::Click);
    return b;
  }
  win::POINT Middle(vcl::TControl* c) { return THost::At(c, c->Width() / 2, c->Height() / 2); }
  THost host_;
  TZYLButton* ok_ = nullptr;
  TZYLButton* other_ = nullptr;
  buttontest::TRecorder rec_;
};

TEST_F(ButtonTest, MouseClicksOnlyWhenReleasedAbove) {
  const win::POINT p = Middle(ok_);
  tk::MouseDown(p.X, p.Y);
  EXPECT_TRUE(ok_->Held());
  EXPECT_EQ(ok_->ButtonState(), bsDown);
  tk::MouseMove(p.X + 200, p.Y);
  EXPECT_FALSE(ok_->Held());
  tk::MouseUp(p.X + 200, p.Y);
  EXPECT_EQ(rec_.Take(), "");
  tk::AdvanceClock(1000);
  tk::Click(p.X, p.Y);
  EXPECT_EQ(rec_.Take(), "Ok");
  EXPECT_TRUE(ok_->Focused());
  ok_->SetEnabled(false);
  tk::AdvanceClock(1000);
  tk::Click(p.X, p.Y);
  EXPECT_EQ(rec_.Take(), "");
}

TEST_F(ButtonTest, ClickHandsTheModalResultToTheForm) {
  ok_->SetModalResult(vcl::mrOk);
  host_.Form()->SetModalResult(vcl::mrNone);
  other_->SetFocus();
  tk::KeyPress(win::VK_SPACE);
  EXPECT_EQ(host_.Form()->ModalResult(), vcl::mrNone);  // the other button has none
  EXPECT_EQ(rec_.Take(), "Other");
  ok_->SetFocus();
  tk::KeyPress(win::VK_SPACE);
  EXPECT_EQ(host_.Form()->ModalResult(), vcl::mrOk);
  EXPECT_EQ(rec_.Take(), "Ok");
}

struct KeyCase {
  bool Default;       // Ok is the default button
  bool Cancel;        // Other is the cancel button
  const char* Focus;  // "" none of the buttons, or the focused button's name
  win::BYTE Key;
  const char* Clicked;
};

class ButtonKeys : public ButtonTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ButtonKeys, ReturnAndEscapeGoToTheirButtons) {
  const KeyCase& c = GetParam();
  // A plain control holds the focus unless a button is named.
  auto* plain = new TZYLButton(host_.Form());
  plain->SetBounds(10, 100, 20, 20);
  plain->SetParent(host_.Panel());
  plain->SetTabStop(true);
  ok_->SetDefault(c.Default);
  other_->SetCancel(c.Cancel);
  const std::string focus = c.Focus;
  if (focus == "Ok") ok_->SetFocus();
  if (focus == "Other") other_->SetFocus();
  if (focus.empty()) {
    host_.Panel()->SetFocus();
  }
  THost::Idle();
  tk::KeyPress(c.Key);
  EXPECT_EQ(rec_.Take(), c.Clicked);
}

INSTANTIATE_TEST_SUITE_P(Roles, ButtonKeys,
                         ::testing::Values(KeyCase{true, false, "", win::VK_RETURN, "Ok"},
                                           KeyCase{false, false, "", win::VK_RETURN, ""},
                                           KeyCase{true, false, "Other", win::VK_RETURN, "Other"},
                                           KeyCase{false, false, "Other", win::VK_RETURN, "Other"},
                                           KeyCase{true, false, "Ok", win::VK_RETURN, "Ok"},
                                           KeyCase{true, true, "", win::VK_ESCAPE, "Other"},
                                           KeyCase{true, true, "Ok", win::VK_ESCAPE, "Other"},
                                           KeyCase{true, false, "", win::VK_ESCAPE, ""}));

struct AcceleratorCase {
  const char* Caption;
  bool Enabled;
  bool Alt;  // held with the letter K
  const char* Clicked;
};

class ButtonAccelerators : public ButtonTest,
                           public ::testing::WithParamInterface<AcceleratorCase> {};

// The marked letter of a caption clicks the button from another button (alone too, as that
// button takes no characters) and leaves the focus where it is.
TEST_P(ButtonAccelerators, TheMarkedLetterClicksTheButton) {
  const AcceleratorCase& c = GetParam();
  ok_->SetCaption(c.Caption);
  ok_->SetEnabled(c.Enabled);
  other_->SetFocus();
  THost::Idle();
  THost::Accelerator('K', c.Alt);
  EXPECT_EQ(rec_.Take(), c.Clicked);
  EXPECT_TRUE(other_->Focused());
}

INSTANTIATE_TEST_SUITE_P(Captions, ButtonAccelerators,
                         ::testing::Values(AcceleratorCase{"&Kilo", true, true, "Ok"},
                                           AcceleratorCase{"&Kilo", true, false, "Ok"},
                                           AcceleratorCase{"Kilo", true, true, ""},
                                           AcceleratorCase{"&&Kilo", true, true, ""},
                                           AcceleratorCase{"Ki&lo", true, true, ""},
                                           AcceleratorCase{"&Kilo", false, true, ""}));

struct RepeatStep {
  int Ms;
  size_t Clicks;  // clicks so far after the step
};

TEST_F(ButtonTest, HeldButtonRepeatsUntilReleasedOrHidden) {
  ok_->SetRepeatClick(true);
  ok_->SetRepeatInterval(100);
  const win::POINT p = Middle(ok_);
  tk::MouseDown(p.X, p.Y);
  EXPECT_TRUE(ok_->Repeating());
  const std::vector<RepeatStep> steps = {{299, 0}, {1, 1}, {99, 1}, {1, 2}, {300, 5}};
  for (const RepeatStep& s : steps) {
    tk::AdvanceClock(s.Ms);
    EXPECT_EQ(rec_.Log.size(), s.Clicks) << "after " << s.Ms << " ms";
  }
  tk::MouseUp(p.X, p.Y);
  EXPECT_FALSE(ok_->Repeating());
  EXPECT_EQ(rec_.Log.size(), 6u);  // the release over the button clicks once more
  rec_.Log.clear();
  // Hiding a held button stops the repeat and lets it go.
  tk::AdvanceClock(1000);
  tk::MouseDown(p.X, p.Y);
  tk::AdvanceClock(300);
  EXPECT_EQ(rec_.Take(), "Ok");
  ok_->SetVisible(false);
  EXPECT_FALSE(ok_->Repeating());
  EXPECT_FALSE(ok_->Held());
  tk::AdvanceClock(1000);
  tk::MouseUp(p.X, p.Y);
  EXPECT_EQ(rec_.Take(), "");
  ok_->SetVisible(true);
  EXPECT_EQ(ok_->ButtonState(), bsUp);
}

// A release whose OnClick raises still lets the button go: it is drawn up, a held repeat ends,
// and the error reaches the application once.
class ButtonRaisingClick : public ButtonTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ButtonRaisingClick, TheButtonIsNotLeftHeldOrRepeating) {
  testsupport::TRaisingHandler raising;
  raising.Armed = false;
  ok_->SetRepeatClick(GetParam());
  ok_->OnClick = vcl::TNotifyEvent(&raising, &testsupport::TRaisingHandler::Notify);
  const win::POINT p = Middle(ok_);
  tk::MouseDown(p.X, p.Y);
  raising.Armed = true;
  tk::MouseUp(p.X, p.Y);
  EXPECT_EQ(raising.Arrived, std::vector<std::string>{"The file was not found"});
  EXPECT_FALSE(ok_->Held());
  EXPECT_FALSE(ok_->Repeating());
  raising.Armed = false;
  const int calls = raising.Calls;
  tk::AdvanceClock(1000);
  EXPECT_EQ(raising.Calls, calls);
  EXPECT_NE(ok_->ButtonState(), bsDown);
}

INSTANTIATE_TEST_SUITE_P(Repeat, ButtonRaisingClick, ::testing::Values(false, true),
                         [](const auto& info) {
                           return std::string(info.param ? "Repeating" : "Plain");
                         });

// A repeat interval at int's limit (a form file may hold one) keeps the first repeat back like
// any long interval: the delay before it never wraps round to a short one.
TEST_F(ButtonTest, LongestRepeatIntervalKeepsTheRepeatBack) {
  ok_->SetRepeatClick(true);
  ok_->SetRepeatInterval(std::numeric_limits<int>::max());
  const win::POINT p = Middle(ok_);
  tk::MouseDown(p.X, p.Y);
  EXPECT_TRUE(ok_->Repeating());
  tk::AdvanceClock(1000);
  EXPECT_EQ(rec_.Take(), "");
  tk::MouseUp(p.X, p.Y);
  EXPECT_FALSE(ok_->Repeating());
  EXPECT_EQ(rec_.Take(), "Ok");
}

TEST_F(ButtonTest, DefaultButtonWearsAFrameWhileItTakesReturn) {
  ok_->SetCtlXP(false);
  ok_->SetCaption("");
  host_.Panel()->SetFocus();
  ok_->SetDefault(true);
  EXPECT_TRUE(ok_->IsActive());
  const vcl::TColor frame = vcl::ColorToRGB(vcl::clWindowFrame);
  EXPECT_EQ(host_.Shot(ok_).Color(0, 0), win::COLORREF(frame));
  other_->SetFocus();
  EXPECT_FALSE(ok_->IsActive());
  EXPECT_NE(host_.Shot(ok_).Color(0, 0), win::COLORREF(frame));
}

TEST_F(ButtonTest, ImageListItemTakesThePlaceOfTheGlyph) {
  ok_->SetCaption("");
  const auto centre = [&] { return host_.Shot(ok_).Color(ok_->Width() / 2, ok_->Height() / 2); };
  const win::COLORREF face = centre();
  auto* list = buttontest::MakeGlyphList(host_.Form(), {vcl::clRed, vcl::clLime});
  ok_->SetImageList(list);
  ok_->SetIndex(iiImageIndex, 1);
  EXPECT_EQ(centre(), win::COLORREF(vcl::ColorToRGB(vcl::clLime)));
  ok_->SetIndex(iiImageIndex, 0);
  EXPECT_EQ(centre(), win::COLORREF(vcl::ColorToRGB(vcl::clRed)));
  delete list;  // back to Glyph, which is empty
  EXPECT_EQ(ok_->ImageList(), nullptr);
  EXPECT_EQ(centre(), face);
}

class ButtonFaces : public ButtonTest, public ::testing::WithParamInterface<TZYLUserButtonStyle> {};

// Without caption and glyph, the windowed button shows the speed button's face of its style.
TEST_P(ButtonFaces, MatchTheSpeedButtonsFace) {
  other_->SetVisible(false);
  host_.Panel()->SetColor(buttontest::PanelColor);  // what the see-through faces show
  ok_->SetCaption("");
  ok_->SetCtlXP(false);
  ok_->SetExtStyle(GetParam());
  auto* speed = new TZYLSpeedButton(host_.Form());
  speed->SetBounds(200, 10, 75, 25);
  speed->SetCtlXP(false);
  speed->SetStyle(GetParam());
  speed->SetParent(host_.Panel());
  host_.Panel()->SetFocus();
  EXPECT_TRUE(tk::SamePixels(host_.Shot(ok_), host_.Shot(speed), "button_face"));
}

INSTANTIATE_TEST_SUITE_P(Styles, ButtonFaces,
                         ::testing::Values(ubsWin31, ubsWin40, ubsVorlix, ubsFlat, ubsOffice,
                                           ubsExplorer));

}  // namespace
}  // namespace zyl
