// The list box's item store: runs of insertions and removals at the front, at the back, in
// turn at both ends and at scattered places must leave the elements a vector would hold.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/user/GapVector.h"

namespace {

enum class Where { Front, Back, Alternating, Scattered };

struct GapCase {
  const char* Name;
  Where Insert, Erase;
  int Inserts, Erases;
};
class GapVectorRuns : public ::testing::TestWithParam<GapCase> {};

size_t Place(Where w, size_t size, int step, std::mt19937& rng) {
  switch (w) {
    case Where::Front: return 0;
    case Where::Back: return size;
    case Where::Alternating: return step % 2 ? size : 0;
    case Where::Scattered: return std::uniform_int_distribution<size_t>(0, size)(rng);
  }
  return 0;
}

TEST_P(GapVectorRuns, HoldWhatAVectorHolds) {
  const GapCase& c = GetParam();
  std::mt19937 rng(7);
  win::GapVector<std::string> gap;
  std::vector<std::string> want;
  auto same = [&] {
    std::vector<std::string> got;
    for (size_t i = 0; i < gap.size(); ++i) got.push_back(gap[i]);
    return got == want;
  };
  for (int i = 0; i < c.Inserts; ++i) {
    const size_t at = Place(c.Insert, want.size(), i, rng);
    // Long enough texts live outside the string object, so a lost move shows.
    const std::string s = "element number " + std::to_string(i) + " of the run";
    gap.insert(at, s);
    want.insert(want.begin() + static_cast<std::ptrdiff_t>(at), s);
  }
  EXPECT_TRUE(same()) << "after inserting";
  for (int i = 0; i < c.Erases && !want.empty(); ++i) {
    const size_t at = std::min(Place(c.Erase, want.size(), i, rng), want.size() - 1);
    gap.erase(at);
    want.erase(want.begin() + static_cast<std::ptrdiff_t>(at));
  }
  EXPECT_TRUE(same()) << "after erasing";
  EXPECT_EQ(gap.size(), want.size());
  EXPECT_GE(gap.capacity(), gap.size());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, GapVectorRuns,
    ::testing::Values(GapCase{"FrontThenBack", Where::Front, Where::Back, 100, 40},
                      GapCase{"BackThenFront", Where::Back, Where::Front, 100, 40},
                      GapCase{"BothEnds", Where::Alternating, Where::Alternating, 99, 60},
                      GapCase{"Scattered", Where::Scattered, Where::Scattered, 300, 250},
                      GapCase{"EmptiedAndRefilled", Where::Scattered, Where::Front, 33, 33}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(GapVector, ReserveKeepsTheElementsAndClearEmpties) {
  win::GapVector<std::string> gap;
  for (int i = 0; i < 20; ++i) gap.insert(i % 3 == 0 ? 0 : gap.size(), std::to_string(i));
  std::vector<std::string> before;
  for (size_t i = 0; i < gap.size(); ++i) before.push_back(gap[i]);
  gap.reserve(1000);
  EXPECT_GE(gap.capacity(), 1000u);
  std::vector<std::string> after;
  for (size_t i = 0; i < gap.size(); ++i) after.push_back(gap[i]);
  EXPECT_EQ(after, before);
  gap.clear();
  EXPECT_TRUE(gap.empty());
  gap.insert(0, "again");
  EXPECT_EQ(gap[0], "again");
}

}  // namespace
