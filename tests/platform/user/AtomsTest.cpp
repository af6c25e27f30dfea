// The global atom table.
#include <gtest/gtest.h>

#include <string>

#include "platform/user/WinUser.h"

using namespace win;

TEST(GlobalAtoms, NamesAreSharedCaseInsensitivelyAndCounted) {
  const ATOM a = GlobalAddAtomA("ZylAtomTest.Alpha");
  ASSERT_GE(a, 0xC000);
  EXPECT_EQ(GlobalAddAtomA("zylatomtest.ALPHA"), a);  // second reference
  EXPECT_EQ(GlobalFindAtomA("ZYLATOMTEST.alpha"), a);
  char buf[64];
  EXPECT_EQ(GlobalGetAtomNameA(a, buf, sizeof buf), 17u);
  EXPECT_EQ(std::string(buf), "ZylAtomTest.Alpha");  // the first spelling is kept
  EXPECT_EQ(GlobalDeleteAtom(a), 0);
  EXPECT_EQ(GlobalFindAtomA("ZylAtomTest.Alpha"), a);  // one reference left
  EXPECT_EQ(GlobalDeleteAtom(a), 0);
  EXPECT_EQ(GlobalFindAtomA("ZylAtomTest.Alpha"), 0);
  EXPECT_EQ(GlobalDeleteAtom(a), a);  // deleting a free atom fails
  EXPECT_EQ(GlobalGetAtomNameA(a, buf, sizeof buf), 0u);
}

TEST(GlobalAtoms, DistinctNamesGetDistinctAtomsAndFreedSlotsAreReused) {
  const ATOM a = GlobalAddAtomA("ZylAtomTest.One");
  const ATOM b = GlobalAddAtomA("ZylAtomTest.Two");
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  EXPECT_NE(a, b);
  EXPECT_EQ(GlobalDeleteAtom(a), 0);
  const ATOM c = GlobalAddAtomA("ZylAtomTest.Three");
  EXPECT_EQ(c, a);
  EXPECT_EQ(GlobalFindAtomA("ZylAtomTest.Two"), b);
  GlobalDeleteAtom(b);
  GlobalDeleteAtom(c);
}

TEST(GlobalAtoms, IntegerAtomsAndBadNames) {
  EXPECT_EQ(GlobalAddAtomA("#42"), 42);
  EXPECT_EQ(GlobalFindAtomA("#42"), 42);
  EXPECT_EQ(GlobalDeleteAtom(42), 0);
  char buf[8];
  EXPECT_EQ(GlobalGetAtomNameA(42, buf, sizeof buf), 3u);
  EXPECT_EQ(std::string(buf), "#42");
  EXPECT_EQ(GlobalAddAtomA("#0"), 0);
  EXPECT_EQ(GlobalAddAtomA("#49152"), 0);  // beyond the integer range
  EXPECT_EQ(GlobalAddAtomA("#"), 0);
  EXPECT_EQ(GlobalAddAtomA(nullptr), 0);
  EXPECT_EQ(GlobalAddAtomA(""), 0);
  EXPECT_EQ(GlobalAddAtomA(std::string(256, 'x').c_str()), 0);
  const ATOM longest = GlobalAddAtomA(std::string(255, 'y').c_str());
  EXPECT_NE(longest, 0);
  // A short buffer gets a cut, terminated name.
  EXPECT_EQ(GlobalGetAtomNameA(longest, buf, sizeof buf), 7u);
  EXPECT_EQ(std::string(buf), "yyyyyyy");
  EXPECT_EQ(GlobalGetAtomNameA(longest, nullptr, 10), 0u);
  EXPECT_EQ(GlobalGetAtomNameA(longest, buf, 0), 0u);
  GlobalDeleteAtom(longest);
  // "#" followed by text is an ordinary name.
  const ATOM named = GlobalAddAtomA("#abc");
  EXPECT_GE(named, 0xC000);
  GlobalDeleteAtom(named);
}
