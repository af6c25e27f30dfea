// The information label: the caption, tabs and colon before the value, the digit picture of
// the numeric kinds, the lock-key kinds polled on the virtual clock (repainting only on a
// change), the date and time kept current, the timer at design time and on the global pool.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "display/ZYLInformationLabel.h"
#include "foundation/ZYLSysUtils.h"
#include "foundation/ZYLTimer.h"
#include "platform/classes/TypeInfo.h"
#include "tests/display/LabelTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/StreamCopy.h"

namespace zyl {
namespace {

class TCountingInfo : public TZYLInformationLabel {
  ZYL_CLASS(TCountingInfo, TZYLInformationLabel)
  explicit TCountingInfo(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
};
ZYL_CLASS_IMPL(TCountingInfo) {}

class InformationLabelTest : public ::testing::Test {
 protected:
  TCountingInfo* Make(TZYLInfoType Info) {
    auto* l = new TCountingInfo(host_.Form());
    l->SetParent(host_.Panel());
    l->SetBounds(10, 10, 10, 10);
    l->SetInfo(Info);
    return l;
  }
  static std::string Text(TZYLInformationLabel* l) {
    std::string t;
    l->ReturnCaption(t);
    return t;
  }
  labeltest::THost host_;
};

TEST_F(InformationLabelTest, CaptionTabsAndColonGoBeforeTheValue) {
  TCountingInfo* l = Make(itUser);
  const std::string v = GetSystemInfoString(itUser, 0, "");
  auto with = [&](bool standard, const char* caption, int tabs, int colon) {
    l->SetStandartCaption(standard);
    l->SetCaption(caption);
    l->SetTabs(static_cast<int8_t>(tabs));
    l->SetDB(static_cast<int8_t>(colon));
    return Text(l);
  };
  testsupport::ExpectCases({
      {with(false, "Mem", 2, 1), "Mem\t:\t" + v},
      {with(false, "Mem", 1, -1), "Mem\t" + v},
      {with(false, "Mem", 3, 3), "Mem\t\t\t:" + v},
      {with(true, "", 0, -1), "Username" + v},
      {with(true, "x", 0, -1), "Username " + v},
      {with(true, "", 1, 0), "Username:\t" + v},
      {with(true, "", 0, 0), "Username:" + v},
      {with(true, "", -2, -1), "Username" + v},  // negative tabs count as none
  });
  // The label sizes itself to the text it builds.
  EXPECT_EQ(l->Width(), labeltest::TextSize(l->Font(), "Username" + v).X);
}

TEST(InformationDigitPicture, FillsThePictureFromTheRight) {
  testsupport::ExpectCases({
      {ZYLFormatDigitPicture("12", "0,000"), "0,012"},
      {ZYLFormatDigitPicture("4096", "0,000"), "4,096"},
      {ZYLFormatDigitPicture("1234567", "0,000"), "1234,567"},
      {ZYLFormatDigitPicture("5", "00"), "05"},
      {ZYLFormatDigitPicture("-12", "0,000"), "-0,012"},
      {ZYLFormatDigitPicture("", "0"), "0"},
      {ZYLFormatDigitPicture("123", ""), "123"},
      {ZYLFormatDigitPicture("77", "[000]"), "[077]"},
  });
}

// Text made of Count copies of Piece.
std::string Repeat(const std::string& Piece, int Count) {
  std::string s;
  for (int i = 0; i < Count; ++i) s += Piece;
  return s;
}

struct TLongPicture {
  const char* Name;
  std::string Value, Picture, Expected;
};

// Pictures and values thousands of characters long follow the same rules as short ones.
TEST(InformationDigitPicture, LongPicturesFollowTheSameRules) {
  const std::vector<TLongPicture> cases = {
      // One digit, then zeros put in front of it until the picture's first character.
      {"padded", "7", "#" + std::string(5000, '0'), "#" + std::string(4999, '0') + "7"},
      // Each ",000" group takes three digits, the comma going before them.
      {"groups", Repeat("123", 1000), Repeat(",000", 1000), Repeat(",123", 1000)},
      // The digits the picture has no room for stay in front.
      {"overflow", Repeat("9", 4000), std::string(3000, '0'), Repeat("9", 4000)},
      // The minus sign stays first, before the picture's characters and its padding.
      {"negative", "-" + Repeat("45", 2000), "[" + std::string(5000, '0') + "]",
       "-[" + std::string(1000, '0') + Repeat("45", 2000) + "]"},
      // A picture without zeros takes no digit: all of them stay in front of it.
      {"no zeros", "12", Repeat("ab", 2000), "12" + Repeat("ab", 2000)},
      // Each digit followed by the character after its zero.
      {"separated", Repeat("12345", 200), Repeat("0.", 1000), Repeat("1.2.3.4.5.", 200)},
  };
  for (const TLongPicture& c : cases) {
    const std::string got = ZYLFormatDigitPicture(c.Value, c.Picture);
    ASSERT_EQ(got.size(), c.Expected.size()) << c.Name;
    const auto diff = std::mismatch(got.begin(), got.end(), c.Expected.begin());
    EXPECT_EQ(diff.first, got.end()) << c.Name << ": differs at " << (diff.first - got.begin());
  }
}

TEST_F(InformationLabelTest, TheNumberFormatAppliesToNumericKindsOnly) {
  TCountingInfo* l = Make(itProcessorCont32);
  l->SetStandartCaption(false);
  l->SetTabs(0);
  l->SetNumberFormat("0000");
  std::string count = std::to_string(ZYLSIProcessorCount());
  EXPECT_EQ(Text(l), std::string(4 - count.size(), '0') + count);
  l->SetInfo(itUser);
  EXPECT_EQ(Text(l), GetSystemInfoString(itUser, 0, ""));
}

TEST_F(InformationLabelTest, ALockKeyIsPolledAndRepaintsOnlyWhenItChanges) {
  TCountingInfo* l = Make(itNumLock);
  ASSERT_TRUE(l->Timer()->Enabled());
  EXPECT_EQ(l->Timer()->Interval(), 250);
  host_.Show();
  win::testkit::AdvanceClock(300);  // the first tick learns the state
  const std::string before = Text(l);
  l->Paints = 0;
  win::testkit::AdvanceClock(1000);
  EXPECT_EQ(l->Paints, 0);
  win::testkit::KeyPress(win::VK_NUMLOCK);
  win::testkit::AdvanceClock(250);
  EXPECT_EQ(l->Paints, 1);
  EXPECT_NE(Text(l), before);
  win::testkit::AdvanceClock(1000);
  EXPECT_EQ(l->Paints, 1);
  // Other kinds stop the timer.
  l->SetInfo(itComputerName32);
  EXPECT_FALSE(l->Timer()->Enabled());
}

TEST_F(InformationLabelTest, TheDateAndTimeFollowTheClock) {
  TCountingInfo* l = Make(itCurrentDateTime);
  l->SetDateTimeFormat("hh:nn:ss");
  EXPECT_EQ(l->Timer()->Interval(), 1000);
  host_.Show();
  const std::string first = Text(l);
  win::testkit::AdvanceClock(1000);
  const std::string second = Text(l);
  EXPECT_NE(first, second);
  l->Paints = 0;
  win::testkit::AdvanceClock(1000);
  EXPECT_EQ(l->Paints, 1);
}

TEST_F(InformationLabelTest, NoTimerAtDesignTimeAndTheGlobalPoolAt500) {
  auto* designed = new TCountingInfo(host_.Form());
  designed->SetDesigning(true);
  designed->SetInfo(itCapsLock);
  EXPECT_FALSE(designed->Timer()->Enabled());

  TCountingInfo* l = Make(itScroll);
  l->SetUseGlobalTimer(true);
  EXPECT_TRUE(l->Timer()->Global());
  EXPECT_EQ(l->Timer()->Interval(), 500);
  l->SetUseGlobalTimer(false);
  EXPECT_FALSE(l->Timer()->Global());
  EXPECT_EQ(l->Timer()->Interval(), 250);  // the lock keys' own interval again
  EXPECT_TRUE(l->Timer()->Enabled());
}

TEST_F(InformationLabelTest, AnEmptiedDateFormatComesBackEmptyFromAFormFile) {
  TCountingInfo* l = Make(itCurrentDateTime);
  const std::unique_ptr<TZYLInformationLabel> plain(new TZYLInformationLabel(nullptr));
  EXPECT_EQ(testsupport::EmptiedTextReadBack(plain.get(), "DateTimeFormat"), "");
  EXPECT_EQ(testsupport::EmptiedTextReadBack(l, "DateTimeFormat"), "");
}

}  // namespace
}  // namespace zyl
