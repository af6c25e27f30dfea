// Where popped-up windows go on a screen of 400 x 300: moved onto it whole, and drop-downs under
// or above what they drop from.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/testkit/TestKit.h"
#include "platform/user/ScreenPlace.h"
#include "platform/user/WinUser.h"

namespace {

using namespace win;

struct TMoveCase {
  const char* Name;
  RECT Asked;
  RECT Shown;
};

class MoveOntoScreen : public ::testing::TestWithParam<TMoveCase> {
 protected:
  testkit::TSession session_{400, 300};
};

TEST_P(MoveOntoScreen, KeepsTheSizeAndComesOntoTheScreen) {
  const TMoveCase& c = GetParam();
  const RECT r = user::MoveOntoScreen(c.Asked);
  EXPECT_EQ(r.Left, c.Shown.Left);
  EXPECT_EQ(r.Top, c.Shown.Top);
  EXPECT_EQ(r.Right, c.Shown.Right);
  EXPECT_EQ(r.Bottom, c.Shown.Bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoveOntoScreen,
    ::testing::Values(TMoveCase{"Inside", {10, 20, 110, 70}, {10, 20, 110, 70}},
                      TMoveCase{"Filling", {0, 0, 400, 300}, {0, 0, 400, 300}},
                      TMoveCase{"PastTheRight", {350, 20, 450, 70}, {300, 20, 400, 70}},
                      TMoveCase{"PastTheBottom", {10, 280, 110, 330}, {10, 250, 110, 300}},
                      TMoveCase{"PastTheTopLeft", {-30, -5, 70, 45}, {0, 0, 100, 50}},
                      TMoveCase{
                          "FarBeyondTheCorner", {5000, 5000, 5100, 5050}, {300, 250, 400, 300}},
                      TMoveCase{"WiderThanTheScreen", {-20, 20, 480, 70}, {0, 20, 500, 70}},
                      TMoveCase{"TallerThanTheScreen", {10, 200, 110, 600}, {10, 0, 110, 400}},
                      TMoveCase{"AtIntsEnd", {INT_MAX - 10, 0, INT_MAX, 10}, {390, 0, 400, 10}}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TDropCase {
  const char* Name;
  RECT Owner;
  int Left, Width, Height, MinHeight;
  RECT Shown;
};

class DropBeside : public ::testing::TestWithParam<TDropCase> {
 protected:
  testkit::TSession session_{400, 300};
};

TEST_P(DropBeside, UnderAboveOrCutToTheRoomItGets) {
  const TDropCase& c = GetParam();
  const RECT r = user::DropBeside(c.Owner, c.Left, c.Width, c.Height, c.MinHeight);
  EXPECT_EQ(r.Left, c.Shown.Left);
  EXPECT_EQ(r.Top, c.Shown.Top);
  EXPECT_EQ(r.Right, c.Shown.Right);
  EXPECT_EQ(r.Bottom, c.Shown.Bottom);
}

// The owner is 100 wide and 20 high.
INSTANTIATE_TEST_SUITE_P(
    Cases, DropBeside,
    ::testing::Values(
        TDropCase{"Under", {50, 50, 150, 70}, 50, 100, 80, 80, {50, 70, 150, 150}},
        TDropCase{"JustFitsUnder", {50, 200, 150, 220}, 50, 100, 80, 80, {50, 220, 150, 300}},
        TDropCase{
            "AboveWithoutRoomUnder", {50, 230, 150, 250}, 50, 100, 80, 80, {50, 150, 150, 230}},
        TDropCase{"WiderMovedLeft", {300, 50, 400, 70}, 300, 200, 80, 80, {200, 70, 400, 150}},
        TDropCase{"CutToTheRoomAbove", {50, 200, 150, 220}, 50, 100, 250, 20, {50, 0, 150, 200}},
        TDropCase{"CutToTheRoomUnder", {50, 60, 150, 80}, 50, 100, 250, 20, {50, 80, 150, 300}},
        TDropCase{
            "CutNoLowerThanItsLeast", {50, 5, 150, 295}, 50, 100, 250, 20, {50, 280, 150, 300}},
        TDropCase{"UncutMovedUpOverTheOwner",
                  {50, 200, 150, 220},
                  50,
                  100,
                  250,
                  250,
                  {50, 50, 150, 300}}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
