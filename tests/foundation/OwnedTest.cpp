// TZYLOwned: the holder of an owner's settings object links the object's change notification,
// unlinks it before freeing the object, and frees on reset, on move-assignment and at the end.
// TZYLOwnedComponent: the holder of a component that someone else may free first frees it
// exactly once.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwned.h"
#include "foundation/ZYLOwnedComponent.h"
#include "platform/graphics/GraphicsObjects.h"

using namespace zyl;
using vcl::TNotifyEvent;
using vcl::TObject;

namespace {

// An owner's change handler that counts its calls.
class TOwnerProbe : public TObject {
 public:
  void Changed(TObject* Sender) {
    ++Count;
    LastSender = Sender;
  }
  TNotifyEvent Handler() { return TNotifyEvent(this, &TOwnerProbe::Changed); }
  int Count = 0;
  TObject* LastSender = nullptr;
};

// A settings object that signals a change while it is being freed and records whether it was
// still linked then.
class TFreeProbe : public TZYLObject {
 public:
  explicit TFreeProbe(int* Freed = nullptr, bool* LinkedAtFree = nullptr)
      : FFreed(Freed), FLinkedAtFree(LinkedAtFree) {}
  ~TFreeProbe() override {
    if (FLinkedAtFree) *FLinkedAtFree = static_cast<bool>(FOnChange);
    if (FFreed) ++*FFreed;
    Change();
  }

 private:
  int* FFreed;
  bool* FLinkedAtFree;
};

TEST(ZYLOwned, MadeObjectIsLinkedToTheOwnersHandler) {
  TOwnerProbe owner;
  TZYLOwned<TZYLObject> held{owner.Handler()};
  ASSERT_NE(held.get(), nullptr);
  held->Change();
  EXPECT_EQ(owner.Count, 1);
  EXPECT_EQ(owner.LastSender, held.get());
  EXPECT_EQ(&*held, held.get());
  TZYLObject* asPointer = held;
  EXPECT_EQ(asPointer, held.get()) << "the holder reads as the pointer it holds";
}

TEST(ZYLOwned, MadeFromTheOwnerAndItsHandler) {
  TOwnerProbe owner;
  TZYLOwned<TZYLObject> held(&owner, &TOwnerProbe::Changed);
  held->Change();
  EXPECT_EQ(owner.Count, 1);
  EXPECT_EQ(owner.LastSender, held.get());
}

TEST(ZYLOwned, FieldStyleChangeEventsAreLinkedToo) {
  TOwnerProbe owner;
  TZYLOwned<vcl::TFont> font{owner.Handler()};
  font->SetSize(font->Size() + 3);
  EXPECT_EQ(owner.Count, 1);
  TZYLOwned<TZYLChangeLink> link{owner.Handler()};
  link->Change();
  EXPECT_EQ(owner.Count, 2);
  link.Link(TNotifyEvent());
  link->Change();
  EXPECT_EQ(owner.Count, 2) << "an empty link unlinks";
}

TEST(ZYLOwned, TakenObjectWithoutHandlerStaysUnlinked) {
  TOwnerProbe owner;
  TZYLOwned<TZYLObject> held(new TZYLObject());
  held->Change();
  EXPECT_EQ(owner.Count, 0);
  held.Link(owner.Handler());
  held->Change();
  EXPECT_EQ(owner.Count, 1);
  TZYLOwned<TZYLObject> empty;
  EXPECT_EQ(empty.get(), nullptr);
  empty.Link(owner.Handler());  // nothing held: nothing to link
}

TEST(ZYLOwned, UnlinksBeforeFreeingAtTheEndOfTheOwner) {
  TOwnerProbe owner;
  int freed = 0;
  bool linkedAtFree = true;
  {
    TZYLOwned<TFreeProbe> held(new TFreeProbe(&freed, &linkedAtFree), owner.Handler());
    held->Change();
    EXPECT_EQ(owner.Count, 1);
  }
  EXPECT_EQ(freed, 1);
  EXPECT_FALSE(linkedAtFree);
  EXPECT_EQ(owner.Count, 1) << "the handler is not called while the object is freed";
}

TEST(ZYLOwned, ResetFreesTheOldObjectUnlinkedAndLinksTheNewOne) {
  TOwnerProbe owner;
  int freedFirst = 0, freedSecond = 0;
  bool firstLinked = true;
  TZYLOwned<TFreeProbe> held(new TFreeProbe(&freedFirst, &firstLinked), owner.Handler());
  held.reset(new TFreeProbe(&freedSecond), owner.Handler());
  EXPECT_EQ(freedFirst, 1);
  EXPECT_FALSE(firstLinked);
  EXPECT_EQ(owner.Count, 0);
  held->Change();
  EXPECT_EQ(owner.Count, 1);
  held.reset();
  EXPECT_EQ(freedSecond, 1);
  EXPECT_EQ(held.get(), nullptr);
  EXPECT_EQ(owner.Count, 1);
  held.reset();  // resetting an empty holder does nothing
  EXPECT_EQ(freedSecond, 1);
}

TEST(ZYLOwned, MovingHandsTheObjectOverOnce) {
  TOwnerProbe owner;
  int freedA = 0, freedB = 0;
  TZYLOwned<TFreeProbe> a(new TFreeProbe(&freedA), owner.Handler());
  TFreeProbe* object = a.get();
  TZYLOwned<TFreeProbe> b(std::move(a));
  EXPECT_EQ(a.get(), nullptr);
  EXPECT_EQ(b.get(), object);
  b->Change();
  EXPECT_EQ(owner.Count, 1) << "the link moves with the object";
  TZYLOwned<TFreeProbe> c(new TFreeProbe(&freedB), owner.Handler());
  c = std::move(b);
  EXPECT_EQ(freedB, 1) << "move-assignment frees what the target held";
  EXPECT_EQ(freedA, 0);
  EXPECT_EQ(c.get(), object);
  c.reset();
  EXPECT_EQ(freedA, 1);
  EXPECT_EQ(owner.Count, 1);
}

// A component that counts how often it is freed.
class TCountedComponent : public vcl::TComponent {
 public:
  TCountedComponent(vcl::TComponent* AOwner, int* Freed) : vcl::TComponent(AOwner), FFreed(Freed) {}
  ~TCountedComponent() override { ++*FFreed; }

 private:
  int* FFreed;
};

TEST(ZYLOwnedComponent, FreesItsComponentOnceWhoeverGoesFirst) {
  enum TFirst { fHolder, fUser, fOwner };
  struct Case {
    TFirst First;
    const char* Name;
  };
  const Case cases[] = {{fHolder, "the holder"}, {fUser, "the user"}, {fOwner, "the owner"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    int freed = 0;
    auto owner = std::make_unique<vcl::TComponent>(nullptr);
    {
      TZYLOwnedComponent<TCountedComponent> held(new TCountedComponent(owner.get(), &freed));
      ASSERT_NE(held.get(), nullptr);
      if (c.First == fUser) delete held.get();
      if (c.First == fOwner) owner.reset();
      EXPECT_EQ(freed, c.First == fHolder ? 0 : 1);
      EXPECT_EQ(held.get() == nullptr, c.First != fHolder) << "the holder forgets a freed one";
    }
    EXPECT_EQ(freed, 1);
    if (owner) {
      EXPECT_EQ(owner->ComponentCount(), 0);
    }
  }
}

TEST(ZYLOwnedComponent, ResetFreesTheOldComponentUnlessItIsGoneAlready) {
  int freedA = 0, freedB = 0, freedC = 0;
  TZYLOwnedComponent<TCountedComponent> held(new TCountedComponent(nullptr, &freedA));
  held.reset(new TCountedComponent(nullptr, &freedB));
  EXPECT_EQ(freedA, 1);
  EXPECT_EQ(freedB, 0);
  TCountedComponent* b = held.get();
  delete b;
  EXPECT_EQ(held.get(), nullptr);
  held.reset(new TCountedComponent(nullptr, &freedC));
  EXPECT_EQ(freedB, 1) << "a component freed from outside is not freed again";
  EXPECT_NE(held.get(), nullptr);
  held.reset();
  EXPECT_EQ(freedC, 1);
  EXPECT_EQ(held.get(), nullptr);
  held.reset();  // resetting an empty holder does nothing
  EXPECT_EQ(freedA + freedB + freedC, 3);
}

}  // namespace
