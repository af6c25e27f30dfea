#include "platform/classes/Collection.h"

#include <gtest/gtest.h>

#include "platform/classes/Component.h"
#include "platform/classes/TypeInfo.h"
#include "tests/support/ErrorOf.h"

using namespace vcl;

using testsupport::ErrorOf;

namespace coll_test {

class TButtonItem : public TCollectionItem {
  ZYL_CLASS(TButtonItem, TCollectionItem)
  explicit TButtonItem(TCollection* c) : TCollectionItem(c) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& s) {
    caption_ = s;
    Changed(false);
  }
  std::string DisplayName() const override { return caption_.empty() ? inherited::DisplayName() : caption_; }
  void Assign(TPersistent* Source) override {
    if (auto* b = dynamic_cast<TButtonItem*>(Source)) {
      caption_ = b->caption_;
      return;
    }
    inherited::Assign(Source);
  }
  std::string caption_;
};

class TOtherItem : public TCollectionItem {
  ZYL_CLASS(TOtherItem, TCollectionItem)
  explicit TOtherItem(TCollection* c) : TCollectionItem(c) {}
};

class TTrackingCollection : public TOwnedCollection {
 public:
  TTrackingCollection(TPersistent* owner) : TOwnedCollection(owner, TButtonItem::StaticClass()) {}
  std::vector<TCollectionItem*> updates;
  std::string notes;

 protected:
  void Update(TCollectionItem* item) override { updates.push_back(item); }
  void Notify(TCollectionItem* item, TCollectionNotification action) override {
    notes += (action == cnAdded ? "+" : action == cnExtracting ? "x" : "-") +
             std::to_string(item->ID());
  }
};

class TBar : public TComponent {
  ZYL_CLASS(TBar, TComponent)
  explicit TBar(TComponent* owner) : TComponent(owner), buttons_(new TTrackingCollection(this)) {}
  ~TBar() override { delete buttons_; }
  TTrackingCollection* Buttons() const { return buttons_; }
  void SetButtons(TTrackingCollection* c) { buttons_->Assign(c); }
  TTrackingCollection* buttons_;
};

ZYL_CLASS_IMPL(TButtonItem) {
  b.Prop("Caption", &TButtonItem::Caption, &TButtonItem::SetCaption);
}
ZYL_CLASS_IMPL(TOtherItem) {}
ZYL_CLASS_IMPL(TBar) {
  b.Prop("Buttons", &TBar::Buttons, &TBar::SetButtons, TypeInfoOf<TCollection*>());
}

TButtonItem* Item(TCollection* c, int i) { return static_cast<TButtonItem*>(c->Items(i)); }

}  // namespace coll_test

using namespace coll_test;

TEST(Collection, IdsIncreaseAndAreNeverReused) {
  TCollection c(TButtonItem::StaticClass());
  TCollectionItem* a = c.Add();
  TCollectionItem* b = c.Add();
  TCollectionItem* d = c.Add();
  EXPECT_EQ(a->ID(), 0);
  EXPECT_EQ(b->ID(), 1);
  EXPECT_EQ(d->ID(), 2);
  EXPECT_EQ(a->ClassName(), "TButtonItem");
  c.Delete(1);
  EXPECT_EQ(c.Count(), 2);
  EXPECT_EQ(c.Add()->ID(), 3);
  EXPECT_EQ(c.NextID(), 4);
  EXPECT_EQ(c.FindItemID(2), d);
  EXPECT_EQ(c.FindItemID(1), nullptr);
  EXPECT_THROW(c.Items(4), EListError);
  EXPECT_THROW(c.Delete(-1), EListError);
  c.Clear();
  EXPECT_EQ(c.Count(), 0);
  EXPECT_EQ(c.Add()->ID(), 4);
}

TEST(Collection, IndexMovesAndInsert) {
  TCollection c(TButtonItem::StaticClass());
  for (const char* s : {"a", "b", "c", "d"}) static_cast<TButtonItem*>(c.Add())->SetCaption(s);
  TCollectionItem* first = c.Items(0);
  first->SetIndex(2);
  EXPECT_EQ(first->Index(), 2);
  EXPECT_EQ(Item(&c, 0)->Caption(), "b");
  EXPECT_EQ(Item(&c, 2)->Caption(), "a");
  EXPECT_THROW(first->SetIndex(4), EListError);
  auto* ins = static_cast<TButtonItem*>(c.Insert(1));
  ins->SetCaption("new");
  EXPECT_EQ(ins->Index(), 1);
  EXPECT_EQ(ins->ID(), 4);
  EXPECT_EQ(c.Count(), 5);
  EXPECT_THROW(c.Insert(9), EListError);
  EXPECT_EQ(c.Count(), 5);  // the failed insert left nothing behind
  // Moving an item to another collection.
  TCollection other(TButtonItem::StaticClass());
  ins->SetCollection(&other);
  EXPECT_EQ(c.Count(), 4);
  EXPECT_EQ(other.Items(0), ins);
  EXPECT_EQ(ins->ID(), 0);
  delete ins;
  EXPECT_EQ(other.Count(), 0);
}

TEST(Collection, ItemClassIsEnforced) {
  TCollection c(TButtonItem::StaticClass());
  TOtherItem loose(nullptr);
  EXPECT_THROW(loose.SetCollection(&c), EListError);
  EXPECT_EQ(c.Count(), 0);
  EXPECT_EQ(loose.Collection(), nullptr);
  EXPECT_EQ(c.Add()->ClassType(), TButtonItem::StaticClass());
  TCollection none(TCollectionItem::StaticClass());
  auto* plain = none.Add();
  EXPECT_EQ(plain->DisplayName(), "TCollectionItem");
}

TEST(Collection, UpdatesAndNotifications) {
  TBar bar(nullptr);
  TTrackingCollection* c = bar.Buttons();
  auto* a = static_cast<TButtonItem*>(c->Add());
  EXPECT_EQ(c->updates.size(), 1u);
  a->SetCaption("x");  // one item changed
  ASSERT_EQ(c->updates.size(), 2u);
  EXPECT_EQ(c->updates.back(), a);
  c->BeginUpdate();
  c->Add();
  c->Add();
  a->SetCaption("y");
  EXPECT_EQ(c->updates.size(), 2u);
  c->EndUpdate();
  ASSERT_EQ(c->updates.size(), 3u);
  EXPECT_EQ(c->updates.back(), nullptr);  // everything changed
  c->Delete(1);
  EXPECT_EQ(c->notes, "+0+1+2-1x1");
}

TEST(Collection, AssignIsItemWise) {
  TCollection src(TButtonItem::StaticClass()), dst(TButtonItem::StaticClass());
  static_cast<TButtonItem*>(src.Add())->SetCaption("one");
  static_cast<TButtonItem*>(src.Add())->SetCaption("two");
  dst.Add();
  dst.Assign(&src);
  ASSERT_EQ(dst.Count(), 2);
  EXPECT_EQ(Item(&dst, 0)->Caption(), "one");
  EXPECT_EQ(Item(&dst, 1)->Caption(), "two");
  EXPECT_NE(dst.Items(0), src.Items(0));
  EXPECT_EQ(Item(&dst, 1)->DisplayName(), "two");
  TComponent notACollection(nullptr);
  EXPECT_THROW(dst.Assign(&notACollection), EConvertError);
  // Assigning an item of another class fails with the class names.
  TCollection others(TOtherItem::StaticClass());
  others.Add();
  EXPECT_EQ(ErrorOf<EConvertError>([&] { dst.Assign(&others); }),
            "Cannot assign a TOtherItem to a TButtonItem");
}

TEST(Collection, NamePathsFollowTheOwner) {
  TComponent form(nullptr);
  auto* bar = new TBar(&form);
  bar->SetName("Bar1");
  TCollectionItem* item = bar->Buttons()->Add();
  bar->Buttons()->Add();
  EXPECT_EQ(bar->Buttons()->GetOwner(), bar);
  EXPECT_EQ(bar->Buttons()->PropName(), "Buttons");
  EXPECT_EQ(bar->Buttons()->GetNamePath(), "Bar1.Buttons");
  EXPECT_EQ(bar->Buttons()->Items(1)->GetNamePath(), "Bar1.Buttons[1]");
  EXPECT_EQ(item->GetOwner(), bar->Buttons());
  TCollection loose(TButtonItem::StaticClass());
  EXPECT_EQ(loose.GetNamePath(), "TCollection");
}
