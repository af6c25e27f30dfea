// The image list reference a component holds: how its two index rules take ImageIndex and
// ListIndex, what a new or freed list reports, and a client freed before its list.
#include <gtest/gtest.h>

#include <vector>

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLImageListClient.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {
namespace {

// A component holding a list the way the library's classes do; records every GetIMLChange
// with its sender and every removal its Notification hears of.
class TClientComp : public vcl::TComponent, public TZYLImageListClient {
  ZYL_CLASS(TClientComp, vcl::TComponent)
  using TZYLImageListClient::TIndexRule;
  static constexpr TIndexRule Any = irAny, Listed = irListed;
  explicit TClientComp(vcl::TComponent* AOwner) : TClientComp(AOwner, irAny) {}
  TClientComp(vcl::TComponent* AOwner, TIndexRule Rule)
      : inherited(AOwner), TZYLImageListClient(this, Rule) {
    FChangeLink.reset(new TZYLChangeLink(), vcl::TNotifyEvent(this, &TClientComp::GetIMLChange));
  }
  ~TClientComp() override { ReleaseImageList(); }
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
    if (ForgetRemovedList(AComponent, Operation)) ++Removals;
  }

  std::vector<vcl::TObject*> Senders;
  int Removals = 0;

 protected:
  void GetIMLChange(vcl::TObject* Sender) override { Senders.push_back(Sender); }
};
ZYL_CLASS_IMPL(TClientComp) {}

constexpr auto kAny = TClientComp::Any;
constexpr auto kListed = TClientComp::Listed;

struct TIndexCase {
  const char* Name;
  TClientComp::TIndexRule Rule;
  bool WithList;
  int Index;  // iiImageIndex or iiListIndex
  int Value;
  int Stored;     // the index read back
  bool Reported;  // whether GetIMLChange heard of it, with the client as sender
};

class ImageListClientIndex : public ::testing::TestWithParam<TIndexCase> {};

TEST_P(ImageListClientIndex, TakesTheValueAsItsRuleSays) {
  const TIndexCase& c = GetParam();
  TZYLImageList list(nullptr);
  TClientComp client(nullptr, c.Rule);
  if (c.WithList) client.SetImageList(&list);
  client.Senders.clear();
  client.SetIndex(c.Index, c.Value);
  EXPECT_EQ(client.GetIndex(c.Index), c.Stored);
  EXPECT_EQ(client.GetIndex(1 - c.Index), 0);  // the other index is left alone
  if (c.Reported)
    EXPECT_EQ(client.Senders, std::vector<vcl::TObject*>{&client});
  else
    EXPECT_TRUE(client.Senders.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ImageListClientIndex,
    ::testing::Values(
        // Every changed value, with or without a list.
        TIndexCase{"AnyImageWithoutList", kAny, false, iiImageIndex, 3, 3, true},
        TIndexCase{"AnyListWithList", kAny, true, iiListIndex, 2, 2, true},
        TIndexCase{"AnyNegative", kAny, false, iiListIndex, -1, -1, true},
        TIndexCase{"AnyUnchanged", kAny, true, iiImageIndex, 0, 0, false},
        // Negative values ignored; a change reported only while a list is set.
        TIndexCase{"ListedImageWithoutList", kListed, false, iiImageIndex, 3, 3, false},
        TIndexCase{"ListedListWithoutList", kListed, false, iiListIndex, 4, 4, false},
        TIndexCase{"ListedImageWithList", kListed, true, iiImageIndex, 3, 3, true},
        TIndexCase{"ListedListWithList", kListed, true, iiListIndex, 1, 1, true},
        TIndexCase{"ListedNegativeImage", kListed, true, iiImageIndex, -1, 0, false},
        TIndexCase{"ListedNegativeList", kListed, true, iiListIndex, -5, 0, false},
        TIndexCase{"ListedUnchanged", kListed, true, iiListIndex, 0, 0, false}),
    [](const ::testing::TestParamInfo<TIndexCase>& Info) { return Info.param.Name; });

TEST(ImageListClientTest, ANewListIsReportedWithItselfAndTheSameListNotAgain) {
  TZYLImageList first(nullptr), second(nullptr);
  TClientComp client(nullptr);
  client.SetImageList(&first);
  client.SetImageList(&first);
  client.SetImageList(&second);
  client.SetImageList(nullptr);
  EXPECT_EQ(client.Senders, (std::vector<vcl::TObject*>{&first, &second, nullptr}));
  // Only the list held reaches the client.
  client.SetImageList(&second);
  client.Senders.clear();
  first.Change();
  EXPECT_TRUE(client.Senders.empty());
  second.Change();
  EXPECT_EQ(client.Senders.size(), 1u);
}

TEST(ImageListClientTest, AFreedListIsForgottenAndLeavesTheClientEmpty) {
  auto* list = new TZYLImageList(nullptr);
  TClientComp client(nullptr);
  client.SetImageList(list);
  client.Senders.clear();
  delete list;
  EXPECT_EQ(client.Removals, 1);
  EXPECT_EQ(client.ImageList(), nullptr);
  EXPECT_TRUE(client.IMLEmpty());
  EXPECT_FALSE(client.IsImageListStored());
  // The removal alone calls nothing: each class decides what a lost list means to it.
  EXPECT_TRUE(client.Senders.empty());
  // Another component's removal is not the list's.
  TZYLImageList kept(nullptr);
  client.SetImageList(&kept);
  auto* other = new TClientComp(nullptr);
  other->FreeNotification(&client);
  delete other;
  EXPECT_EQ(client.Removals, 1);
  EXPECT_EQ(client.ImageList(), &kept);
  client.SetImageList(nullptr);
}

TEST(ImageListClientTest, AClientFreedFirstLeavesItsListUntouched) {
  TZYLImageList list(nullptr);
  auto* client = new TClientComp(nullptr);
  client->SetImageList(&list);
  delete client;
  // Neither the change link nor the free notification points at the freed client.
  list.Change();
  EXPECT_EQ(list.LinkCount(), 0);
}

}  // namespace
}  // namespace zyl
