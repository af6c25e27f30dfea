// The check and radio groups: the check group's Value against its items' checks, the radio
// group's single choice, clicks and keys, and the marks they draw.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "buttons/ZYLButtonGroup.h"
#include "foundation/ZYLCont.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/StringList.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"
#include "tests/buttons/ButtonsTestHost.h"
#include "tests/support/ContainerScope.h"
#include "tests/support/GlobalListStream.h"

namespace zyl {
namespace {

using buttontest::THost;
namespace tk = win::testkit;

template <class TGroup>
class GroupFixture {
 protected:
  GroupFixture() {
    group_ = new TGroup(host_.Form());
    group_->SetName("Group");
    group_->SetBounds(10, 10, 200, 110);
    group_->SetCaption("Options");
    group_->SetParent(host_.Panel());
    group_->SetOnChange(vcl::TNotifyEvent(&rec_, &buttontest::TRecorder::Click));
    SetItems(4);
    THost::Idle();
  }
  void SetItems(int Count) {
    vcl::TStringList lines;
    for (int i = 0; i < Count; ++i) lines.Add("Item " + std::to_string(i));
    group_->SetItems(&lines);
  }
  void ClickItem(int Index) {
    tk::AdvanceClock(1000);  // not a double click
    const vcl::TRect r = group_->ItemRect(Index);
    const win::POINT p = THost::At(group_, r.Left + 5, (r.Top + r.Bottom) / 2);
    tk::Click(p.X, p.Y);
  }
  // Alt and the marked letter of the caption, from the host's panel: the group takes the focus
  // as a tab stop and keeps its items as they are; answers whether it has the focus and the
  // marks.
  std::string Accelerated() {
    group_->SetCaption("&Options");
    host_.Panel()->SetFocus();
    THost::Idle();
    THost::Accelerator('O');
    return std::string(group_->Focused() ? "focused " : "not focused ") + Marks();
  }
  // One letter per item: x checked, - not.
  std::string Marks() {
    std::string s;
    for (int i = 0; i < group_->Items()->Count(); ++i) s += group_->ItemChecked(i) ? 'x' : '-';
    return s;
  }
  THost host_;
  TGroup* group_ = nullptr;
  buttontest::TRecorder rec_;
};

class CheckGroupTest : public GroupFixture<TZYLCheckGroup>, public ::testing::Test {};
class RadioGroupTest : public GroupFixture<TZYLRadioGroup>, public ::testing::Test {};

struct ValueCase {
  int Items;
  int32_t Value;
  const char* Marks;
};

class CheckGroupValue : public CheckGroupTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(CheckGroupValue, ItemIsCheckedExactlyWhenItsBitIsSet) {
  const ValueCase& c = GetParam();
  SetItems(c.Items);
  group_->SetValue(c.Value);
  EXPECT_EQ(Marks(), c.Marks);
  EXPECT_EQ(group_->Value(), c.Value);
}

INSTANTIATE_TEST_SUITE_P(
    Bits, CheckGroupValue,
    ::testing::Values(ValueCase{4, 0, "----"}, ValueCase{4, 1, "x---"}, ValueCase{4, 5, "x-x-"},
                      ValueCase{4, 15, "xxxx"}, ValueCase{3, 12, "--x"},  // bit 3 has no item
                      ValueCase{32, INT32_MIN,
                                "-------------------------------x"},  // the highest bit
                      ValueCase{33, -1, "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx-"}));

TEST_F(CheckGroupTest, ChecksSetBeforeTheirItemsAreKept) {
  SetItems(0);
  group_->SetValue(6);
  EXPECT_EQ(rec_.Take(), "Group");
  SetItems(3);
  EXPECT_EQ(Marks(), "-xx");
  group_->SetChecked(0, true);
  group_->SetChecked(0, true);
  EXPECT_EQ(group_->Value(), 7);
  EXPECT_EQ(rec_.Take(), "Group");
  for (int bad : {-1, 32, 1000000000}) EXPECT_THROW(group_->SetChecked(bad, true), vcl::EListError);
  group_->SetChecked(31, true);  // a place kept for an item to come
  EXPECT_EQ(group_->Value(), static_cast<int32_t>(0x80000007u));
}

TEST_F(CheckGroupTest, ClicksAndTheSpaceBarToggleItems) {
  ClickItem(2);
  EXPECT_EQ(Marks(), "--x-");
  ClickItem(2);
  ClickItem(0);
  EXPECT_EQ(Marks(), "x---");
  EXPECT_EQ(rec_.Take(), "Group Group Group");
  EXPECT_TRUE(group_->Focused());
  tk::KeyPress(win::VK_DOWN);
  tk::KeyPress(win::VK_DOWN);
  tk::KeyPress(win::VK_SPACE);
  EXPECT_EQ(group_->FocusIndex(), 2);
  EXPECT_EQ(Marks(), "x-x-");
  for (int i = 0; i < 5; ++i) tk::KeyPress(win::VK_DOWN);
  EXPECT_EQ(group_->FocusIndex(), 3);  // stops at the last item
  group_->SetEnabled(false);
  ClickItem(1);
  EXPECT_EQ(Marks(), "x-x-");
}

// The marked letter of the caption focuses the group, which draws its items itself; no item
// changes. A group that is no tab stop is passed by.
TEST_F(RadioGroupTest, TheMarkedLetterFocusesTheGroup) {
  group_->SetItemIndex(1);
  rec_.Take();
  EXPECT_EQ(Accelerated(), "focused -x--");
  EXPECT_EQ(rec_.Take(), "");
  group_->SetTabStop(false);
  EXPECT_EQ(Accelerated(), "not focused -x--");
}

TEST_F(CheckGroupTest, TheMarkedLetterFocusesTheGroup) {
  ClickItem(2);
  host_.Panel()->SetFocus();
  rec_.Take();
  EXPECT_EQ(Accelerated(), "focused --x-");
  EXPECT_EQ(rec_.Take(), "");
}

TEST_F(RadioGroupTest, OneItemIsChosenAtATime) {
  EXPECT_EQ(Marks(), "----");
  ClickItem(1);
  EXPECT_EQ(group_->ItemIndex(), 1);
  ClickItem(3);
  EXPECT_EQ(Marks(), "---x");
  ClickItem(3);
  EXPECT_EQ(rec_.Take(), "Group Group");  // choosing the chosen item changes nothing
  tk::KeyPress(win::VK_UP);
  tk::KeyPress(win::VK_SPACE);
  EXPECT_EQ(group_->ItemIndex(), 2);
}

TEST_F(RadioGroupTest, ItemIndexOutsideTheItemsIsRefused) {
  group_->SetItemIndex(3);
  for (int bad : {4, -2, 100}) {
    EXPECT_THROW(group_->SetItemIndex(bad), vcl::EListError) << bad;
    EXPECT_EQ(group_->ItemIndex(), 3);
  }
  group_->SetItemIndex(-1);
  EXPECT_EQ(Marks(), "----");
  group_->SetItemIndex(3);
  rec_.Take();
  SetItems(2);  // the chosen line went
  EXPECT_EQ(group_->ItemIndex(), -1);
  EXPECT_EQ(rec_.Take(), "Group");
}

TEST_F(CheckGroupTest, GlyphListShowsTheUncheckedImageOrTheOneAfterIt) {
  const std::vector<vcl::TColor> colours = {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow};
  auto* list = buttontest::MakeGlyphList(host_.Form(), colours);
  group_->SetGlyphImageList(list);
  group_->SetGlyphIndex(TZYLCustomButtonGroup::giImageIndex, 2);
  group_->SetValue(1);
  const auto centre = [&](int Index) {
    const vcl::TRect r = group_->ItemRect(Index);
    return host_.Shot(group_).Color(r.Left + 6, (r.Top + r.Bottom) / 2);
  };
  EXPECT_EQ(centre(0), win::COLORREF(vcl::ColorToRGB(vcl::clYellow)));
  EXPECT_EQ(centre(1), win::COLORREF(vcl::ColorToRGB(vcl::clBlue)));
  // An image outside the list leaves the system's mark; so does a freed list.
  group_->SetGlyphIndex(TZYLCustomButtonGroup::giImageIndex, 3);
  EXPECT_EQ(centre(1), win::COLORREF(vcl::ColorToRGB(vcl::clYellow)));
  const win::COLORREF systemMark = centre(0);  // image 4 is not there
  EXPECT_NE(systemMark, win::COLORREF(vcl::ColorToRGB(vcl::clYellow)));
  delete list;
  EXPECT_EQ(group_->GlyphImageList(), nullptr);
  EXPECT_EQ(centre(0), systemMark);
  EXPECT_NE(centre(1), win::COLORREF(vcl::ColorToRGB(vcl::clYellow)));
}

// A group's two lists, ImageList and GlyphImageList, may each be a list of the global container
// or one of the form: each comes back to its own property when the form is read again.
TEST(ButtonGroupStream, BothListsComeBackWhenTheFormIsReadAgain) {
  THost host;
  testsupport::TContainerScope container;
  ZYLButtonGroupUnit.Init();
  const std::vector<testsupport::TListProperty> lists = {
      {"ImageList", "Internal"}, {"GlyphImageList", "GlyphImageListInternal"}};
  for (vcl::TClass cls : {TZYLCheckGroup::StaticClass(), TZYLRadioGroup::StaticClass()})
    testsupport::ExpectEveryPickSurvivesTheForm(cls, lists);
  testsupport::ExpectUnknownIdentReadsAsNone(TZYLCheckGroup::StaticClass(), lists[1]);
  ZYLButtonGroupUnit.FInit();
}

struct MarkCase {
  bool Radio;
  bool Checked;
  bool Enabled;
  uint32_t Flags;
};

class GroupMarks : public ::testing::TestWithParam<MarkCase> {};

TEST_P(GroupMarks, BoxIsTheSystemsMark) {
  const MarkCase& c = GetParam();
  THost host;
  TZYLCustomButtonGroup* group = nullptr;
  if (c.Radio) {
    auto* g = new TZYLRadioGroup(host.Form());
    g->Items()->Add("One");
    g->SetItemIndex(c.Checked ? 0 : -1);
    group = g;
  } else {
    auto* g = new TZYLCheckGroup(host.Form());
    g->Items()->Add("One");
    g->SetValue(c.Checked ? 1 : 0);
    group = g;
  }
  group->SetBounds(10, 10, 120, 60);
  group->SetEnabled(c.Enabled);
  group->SetParent(host.Panel());
  const int side = TZYLCustomButtonGroup::BoxSize;
  vcl::TBitmap ref;
  ref.SetSize(side, side);
  // The round mark leaves its corners to the group's face.
  ref.Canvas()->Brush()->SetColor(group->Color());
  ref.Canvas()->FillRect(vcl::TRect{0, 0, side, side});
  win::TRect r{0, 0, side, side};
  win::DrawFrameControl(ref.Canvas()->Handle(), &r, win::DFC_BUTTON, c.Flags);
  const vcl::TRect item = group->ItemRect(0);
  const int top = item.Top + (item.Bottom - item.Top - side) / 2;
  EXPECT_TRUE(tk::PixelsMatch(
      host.Shot(group),
      [&](int x, int y) { return win::COLORREF(ref.Canvas()->Pixels(x - item.Left, y - top)); },
      "group_mark", {item.Left, top, item.Left + side, top + side}));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, GroupMarks,
    ::testing::Values(MarkCase{false, false, true, win::DFCS_BUTTONCHECK},
                      MarkCase{false, true, true, win::DFCS_BUTTONCHECK | win::DFCS_CHECKED},
                      MarkCase{false, true, false,
                               win::DFCS_BUTTONCHECK | win::DFCS_CHECKED | win::DFCS_INACTIVE},
                      MarkCase{true, false, true, win::DFCS_BUTTONRADIO},
                      MarkCase{true, true, true, win::DFCS_BUTTONRADIO | win::DFCS_CHECKED}));

}  // namespace
}  // namespace zyl
