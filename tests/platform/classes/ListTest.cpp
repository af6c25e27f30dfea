#include "platform/classes/List.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace vcl;

using testsupport::ErrorOf;

namespace {

void* P(intptr_t v) { return reinterpret_cast<void*>(v); }
intptr_t V(void* p) { return reinterpret_cast<intptr_t>(p); }

std::string Dump(const TList& l) {
  std::string s;
  for (int i = 0; i < l.Count(); ++i) s += std::to_string(V(l.Items(i))) + " ";
  return s;
}

class TRecordingList : public TList {
 public:
  std::string log;

 protected:
  void Notify(void* item, TListNotification action) override {
    log += (action == lnAdded ? "+" : action == lnDeleted ? "-" : "x") + std::to_string(V(item));
  }
};

}  // namespace

TEST(List, AddInsertDeleteAndBounds) {
  TList l;
  EXPECT_EQ(l.Add(P(1)), 0);
  EXPECT_EQ(l.Add(P(3)), 1);
  l.Insert(1, P(2));
  l.Insert(3, P(4));  // at the end is allowed
  EXPECT_EQ(Dump(l), "1 2 3 4 ");
  EXPECT_EQ(V(l.First()), 1);
  EXPECT_EQ(V(l.Last()), 4);
  EXPECT_THROW(l.Insert(6, P(9)), EListError);
  EXPECT_THROW(l.Items(4), EListError);
  EXPECT_THROW(l.Delete(-1), EListError);
  EXPECT_EQ(ErrorOf<EListError>([&] { l.Items(7); }), "List index out of bounds (7)");
  l.Delete(0);
  EXPECT_EQ(l.Remove(P(3)), 1);
  EXPECT_EQ(l.Remove(P(3)), -1);
  EXPECT_EQ(Dump(l), "2 4 ");
  EXPECT_EQ(l.IndexOf(P(4)), 1);
  EXPECT_EQ(l.IndexOf(P(5)), -1);
  TList empty;
  EXPECT_THROW(empty.First(), EListError);
}

TEST(List, CapacityCountPackAndMoves) {
  TList l;
  EXPECT_EQ(l.Capacity(), 0);
  l.Add(P(1));
  EXPECT_EQ(l.Capacity(), 4);  // grows 4, 8, 16 ...
  for (int i = 0; i < 4; ++i) l.Add(nullptr);
  EXPECT_EQ(l.Capacity(), 8);
  EXPECT_THROW(l.SetCapacity(2), EListError);
  l.SetCount(7);
  EXPECT_EQ(l.Count(), 7);
  EXPECT_EQ(l.Items(6), nullptr);
  EXPECT_THROW(l.SetCount(-1), EListError);
  l.SetItems(3, P(5));
  l.Pack();
  EXPECT_EQ(Dump(l), "1 5 ");
  l.Add(P(7));
  l.Exchange(0, 2);
  EXPECT_EQ(Dump(l), "7 5 1 ");
  l.Move(0, 2);
  EXPECT_EQ(Dump(l), "5 1 7 ");
  EXPECT_THROW(l.Move(0, 3), EListError);
  EXPECT_THROW(l.Exchange(0, 5), EListError);
  l.Clear();
  EXPECT_EQ(l.Count(), 0);
  EXPECT_EQ(l.Capacity(), 0);
}

TEST(List, SortOrdersAndToleratesBadComparisons) {
  TList l;
  const intptr_t values[] = {5, 3, 9, 1, 7, 3, 8, 2, 6, 4, 0};
  for (intptr_t v : values) l.Add(P(v));
  l.Sort([](void* a, void* b) { return static_cast<int>(V(a) - V(b)); });
  EXPECT_EQ(Dump(l), "0 1 2 3 3 4 5 6 7 8 9 ");
  // A comparison that claims everything is smaller must not run off the list.
  l.Sort([](void*, void*) { return -1; });
  EXPECT_EQ(l.Count(), 11);
  l.Sort([](void*, void*) { return 1; });
  EXPECT_EQ(l.Count(), 11);
}

TEST(List, NotificationsOnAddDeleteExtract) {
  TRecordingList l;
  l.Add(P(1));
  l.Add(P(2));
  l.Add(nullptr);  // nil items are not announced
  EXPECT_EQ(l.Extract(P(1)), P(1));
  EXPECT_EQ(l.Extract(P(9)), nullptr);
  l.Delete(0);
  EXPECT_EQ(l.log, "+1+2x1-2");
}
