#include "platform/classes/Component.h"

#include <gtest/gtest.h>

#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "tests/support/ErrorOf.h"

using namespace vcl;

using testsupport::ErrorOf;

namespace comp_test {

// Records notifications and keeps a reference to a watched component, cleared on removal.
class TWatcher : public TComponent {
  ZYL_CLASS(TWatcher, TComponent)
  explicit TWatcher(TComponent* AOwner) : TComponent(AOwner) {}
  ~TWatcher() override {
    Destroying();
    DestroyComponents();
  }
  TComponent* Target() const { return target_; }
  void SetTarget(TComponent* c) {
    if (target_) target_->RemoveFreeNotification(this);
    target_ = c;
    if (c) c->FreeNotification(this);
  }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
    log.push_back((Operation == opInsert ? "+" : "-") + AComponent->Name());
    if (Operation == opRemove && AComponent == target_) target_ = nullptr;
  }
  std::vector<std::string> log;
  TComponent* target_ = nullptr;
};

// Counts destructions through a shared counter.
class TCounted : public TComponent {
  ZYL_CLASS(TCounted, TComponent)
  TCounted(TComponent* AOwner) : TComponent(AOwner) {}
  ~TCounted() override {
    if (counter) ++*counter;
  }
  int* counter = nullptr;
};

class TFormLike : public TComponent {
  ZYL_CLASS(TFormLike, TComponent)
  explicit TFormLike(TComponent* AOwner) : TComponent(AOwner) {}
  TComponent* Button1 = nullptr;
  TWatcher* Watcher1 = nullptr;
};

ZYL_CLASS_IMPL(TWatcher) {}
ZYL_CLASS_IMPL(TCounted) {}
ZYL_CLASS_IMPL(TFormLike) {
  b.Field("Button1", &TFormLike::Button1).Field("Watcher1", &TFormLike::Watcher1);
}

}  // namespace comp_test

using namespace comp_test;

TEST(Component, OwnerFreesItsComponents) {
  int destroyed = 0;
  auto* owner = new TComponent(nullptr);
  auto* a = new TCounted(owner);
  auto* b = new TCounted(owner);
  auto* c = new TCounted(a);  // grandchild
  a->counter = b->counter = c->counter = &destroyed;
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(1), b);
  EXPECT_EQ(b->Owner(), owner);
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_THROW(owner->Components(2), EListError);
  try {
    owner->Components(-1);
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (-1)");
  }
  delete b;  // leaves its owner
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(owner->ComponentCount(), 1);
  delete owner;
  EXPECT_EQ(destroyed, 3);
}

TEST(Component, InsertRemoveAndIndex) {
  TComponent owner(nullptr), other(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  auto* c = new TComponent(&owner);
  c->SetComponentIndex(0);
  EXPECT_EQ(owner.Components(0), c);
  EXPECT_EQ(owner.Components(1), a);
  c->SetComponentIndex(99);
  EXPECT_EQ(owner.Components(2), c);
  // Moving to another owner takes the component out of the first.
  other.InsertComponent(b);
  EXPECT_EQ(b->Owner(), &other);
  EXPECT_EQ(owner.ComponentCount(), 2);
  other.RemoveComponent(b);
  EXPECT_EQ(b->Owner(), nullptr);
  EXPECT_EQ(b->ComponentIndex(), -1);
  delete b;
}

// A value kept of the owned components lasts until the list changes: each kind of change
// drops it (and every other key's), and keys keep apart.
TEST(Component, KeptValuesLastUntilTheComponentsChange) {
  const char keyA = 0, keyB = 0;
  int valueA = 1, valueB = 2;
  const struct {
    const char* change;
    void (*apply)(TComponent& owner, TComponent*& spare);
  } changes[] = {
      {"insert", [](TComponent& o, TComponent*&) { new TComponent(&o); }},
      {"free", [](TComponent& o, TComponent*&) { delete o.Components(0); }},
      {"remove",
       [](TComponent& o, TComponent*& spare) {
         spare = o.Components(0);
         o.RemoveComponent(spare);
       }},
      {"move", [](TComponent& o, TComponent*&) { o.Components(0)->SetComponentIndex(1); }},
      {"owned elsewhere",
       [](TComponent& o, TComponent*& spare) {
         spare = new TComponent(nullptr);
         spare->InsertComponent(o.Components(0));
       }},
  };
  for (const auto& c : changes) {
    TComponent owner(nullptr);
    new TComponent(&owner);
    new TComponent(&owner);
    void* v = nullptr;
    EXPECT_FALSE(owner.RecallOfComponents(&keyA, v)) << c.change;
    owner.KeepOfComponents(&keyA, &valueA);
    owner.KeepOfComponents(&keyB, nullptr);  // an absence is kept too
    ASSERT_TRUE(owner.RecallOfComponents(&keyA, v)) << c.change;
    EXPECT_EQ(v, &valueA);
    ASSERT_TRUE(owner.RecallOfComponents(&keyB, v)) << c.change;
    EXPECT_EQ(v, nullptr);
    owner.KeepOfComponents(&keyB, &valueB);
    ASSERT_TRUE(owner.RecallOfComponents(&keyB, v)) << c.change;
    EXPECT_EQ(v, &valueB);
    // Renaming a component or changing its tag leaves the list as it is.
    owner.Components(0)->SetName("First");
    owner.Components(0)->SetTag(5);
    EXPECT_TRUE(owner.RecallOfComponents(&keyA, v)) << c.change;
    TComponent* spare = nullptr;
    c.apply(owner, spare);
    EXPECT_FALSE(owner.RecallOfComponents(&keyA, v)) << c.change;
    EXPECT_FALSE(owner.RecallOfComponents(&keyB, v)) << c.change;
    if (spare && !spare->Owner())
      delete spare;
    else if (spare && spare->Owner() != &owner)
      delete spare->Owner();
  }
}

TEST(Component, NameValidationAndUniqueness) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Button1");
  EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  for (const char* bad : {"1abc", "a b", "a-b", "ä", " "}) {
    try {
      b->SetName(bad);
      ADD_FAILURE() << bad;
    } catch (const EComponentError& e) {
      EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid component name.");
    }
  }
  EXPECT_EQ(ErrorOf<EComponentError>([&] { b->SetName("button1"); }),
            "A component named button1 already exists.");
  EXPECT_EQ(b->Name(), "");
  // Renaming a component to another case of its own name is allowed.
  a->SetName("BUTTON1");
  EXPECT_EQ(a->Name(), "BUTTON1");
  b->SetName("_x9");
  a->SetName("");
  EXPECT_EQ(owner.FindComponent("button1"), nullptr);
  b->SetName("Button1");  // the old name is free again
  EXPECT_EQ(owner.FindComponent("Button1"), b);
  // Empty names never clash, names without owner never clash.
  new TComponent(&owner);
  new TComponent(&owner);
  TComponent free1(nullptr), free2(nullptr);
  free1.SetName("Same");
  free2.SetName("Same");
  // Inserting a component whose name is taken is refused and leaves it outside.
  auto* dup = new TComponent(nullptr);
  dup->SetName("Button1");
  EXPECT_THROW(owner.InsertComponent(dup), EComponentError);
  EXPECT_EQ(dup->Owner(), nullptr);
  delete dup;
}

TEST(Component, NotificationsReachOwnerAndSiblings) {
  auto* owner = new TWatcher(nullptr);
  auto* sibling = new TWatcher(owner);
  sibling->SetName("Sibling");
  auto* x = new TComponent(nullptr);
  x->SetName("X");
  owner->InsertComponent(x);
  // The sibling was announced while still unnamed.
  EXPECT_EQ(owner->log, (std::vector<std::string>{"+", "+X"}));
  EXPECT_EQ(sibling->log, (std::vector<std::string>{"+X"}));
  delete x;
  EXPECT_EQ(owner->log.back(), "-X");
  EXPECT_EQ(sibling->log.back(), "-X");
  delete owner;
}

TEST(Component, FreeNotificationClearsReferencesAcrossOwners) {
  auto* formA = new TComponent(nullptr);
  auto* formB = new TComponent(nullptr);
  auto* watcher = new TWatcher(formA);
  auto* target = new TComponent(formB);
  target->SetName("Target");
  watcher->SetTarget(target);
  EXPECT_TRUE(target->ComponentState().contains(csFreeNotification));
  delete formB;  // frees the target
  EXPECT_EQ(watcher->Target(), nullptr);
  EXPECT_EQ(watcher->log.back(), "-Target");

  // Removing the link stops the notice; the watcher's end unlinks it from the target.
  auto* t2 = new TComponent(nullptr);
  watcher->SetTarget(t2);
  watcher->SetTarget(nullptr);
  size_t before = watcher->log.size();
  delete t2;
  EXPECT_EQ(watcher->log.size(), before);
  auto* t3 = new TComponent(nullptr);
  watcher->SetTarget(t3);
  delete formA;  // the watcher dies first; t3 must not keep a dangling link
  delete t3;
}

TEST(Component, FreeingTheOwnerTellsSiblingsOfAWatchedComponent) {
  // The owner frees its components last to first; the watcher, created first, is still alive
  // when its watched sibling goes and must hear of it. A sibling nobody watches goes quietly.
  struct TRecorder : TWatcher {
    std::vector<std::string>* out;
    TRecorder(TComponent* o, std::vector<std::string>* v) : TWatcher(o), out(v) {}
    void Notification(TComponent* c, TOperation op) override {
      TWatcher::Notification(c, op);
      if (op == opRemove) out->push_back(c->Name() + (target_ ? " still held" : " let go"));
    }
  };
  std::vector<std::string> seen;
  auto* form = new TComponent(nullptr);
  auto* watcher = new TRecorder(form, &seen);
  auto* target = new TComponent(form);
  target->SetName("Target");
  auto* plain = new TComponent(form);
  plain->SetName("Plain");
  watcher->SetTarget(target);
  delete form;
  EXPECT_EQ(seen, std::vector<std::string>{"Target let go"});
}

TEST(Component, StateDesigningAndLoaded) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  owner.SetDesigning(true);
  EXPECT_TRUE(child->ComponentState().contains(csDesigning));
  auto* late = new TComponent(&owner);
  EXPECT_TRUE(late->ComponentState().contains(csDesigning));  // inherits on insertion
  owner.SetComponentStateFlag(csLoading, true);
  owner.Loaded();
  EXPECT_FALSE(owner.ComponentState().contains(csLoading));
  owner.Updating();
  EXPECT_TRUE(owner.ComponentState().contains(csUpdating));
  owner.Updated();
  EXPECT_TRUE(owner.ComponentStyle().contains(csInheritable));
}

TEST(Component, PublishedFieldsFollowNames) {
  TFormLike form(nullptr);
  auto* button = new TComponent(&form);
  button->SetName("Button1");
  EXPECT_EQ(form.Button1, button);
  button->SetName("Other");
  EXPECT_EQ(form.Button1, nullptr);
  button->SetName("Button1");
  delete button;
  EXPECT_EQ(form.Button1, nullptr);
  // A component of the wrong class for the field is refused.
  auto* plain = new TComponent(&form);
  EXPECT_THROW(plain->SetName("Watcher1"), EInvalidCast);
  auto* w = new TWatcher(&form);
  w->SetName("Watcher1");
  EXPECT_EQ(form.Watcher1, w);
}

TEST(Component, NamePathAndTagProperties) {
  TComponent owner(nullptr);
  auto* c = new TComponent(&owner);
  c->SetName("Edit1");
  EXPECT_EQ(c->GetNamePath(), "Edit1");
  SetStrProp(c, "Name", "Edit2");
  EXPECT_EQ(c->Name(), "Edit2");
  EXPECT_FALSE(IsStoredProp(c, "Name"));
  SetOrdProp(c, "Tag", 7);
  EXPECT_EQ(c->Tag(), 7);
  EXPECT_THROW(SetStrProp(c, "Name", "not valid"), EComponentError);
}

TEST(ClassRegistry, FindGetAndVirtualConstruction) {
  RegisterClasses({TWatcher::StaticClass(), TCounted::StaticClass()});
  RegisterClass(TWatcher::StaticClass());  // twice is harmless
  EXPECT_EQ(GetClass("twatcher"), TWatcher::StaticClass());
  EXPECT_EQ(GetClass("TNothing"), nullptr);
  EXPECT_EQ(ErrorOf<EClassNotFound>([&] { FindClass("TNothing"); }), "Class TNothing not found");
  TComponent owner(nullptr);
  TComponent* made = FindClass("TWatcher")->Create(&owner);
  EXPECT_EQ(made->ClassName(), "TWatcher");
  EXPECT_EQ(made->Owner(), &owner);
  EXPECT_NE(dynamic_cast<TWatcher*>(made), nullptr);
  RegisterClassAlias(TCounted::StaticClass(), "TOldCounted");
  EXPECT_EQ(FindClass("TOldCounted"), TCounted::StaticClass());
  UnRegisterClass(TCounted::StaticClass());
  EXPECT_EQ(GetClass("TCounted"), nullptr);
  EXPECT_EQ(GetClass("TOldCounted"), nullptr);
  UnRegisterClass(TWatcher::StaticClass());
}

TEST(Persistent, AssignErrorsNameTheClasses) {
  TComponent a(nullptr), b(nullptr);
  EXPECT_EQ(ErrorOf<EConvertError>([&] { a.Assign(&b); }),
            "Cannot assign a TComponent to a TComponent");
  EXPECT_EQ(ErrorOf<EConvertError>([&] { a.Assign(nullptr); }),
            "Cannot assign a nil to a TComponent");
}

TEST(Component, DesignPositionStreamsAsLeftAndTop) {
  TComponent c(nullptr);
  c.SetName("Timer1");
  c.SetDesignInfo((65000 << 16) | 24);  // left 24, top 65000 (hidden)
  TMemoryStream m;
  m.WriteComponent(&c);
  const std::string bytes(static_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
  const std::string text = ObjectBinaryToTextString(bytes);
  EXPECT_NE(text.find("Left = 24"), std::string::npos) << text;
  EXPECT_NE(text.find("Top = 65000"), std::string::npos) << text;
  TComponent back(nullptr);
  m.SetPosition(0);
  m.ReadComponent(&back);
  EXPECT_EQ(back.DesignInfo(), c.DesignInfo());
  EXPECT_EQ(back.Name(), "Timer1");
  // A zero position writes nothing.
  TComponent plain(nullptr);
  TMemoryStream m2;
  m2.WriteComponent(&plain);
  const std::string bytes2(static_cast<const char*>(m2.Memory()), static_cast<size_t>(m2.Size()));
  EXPECT_EQ(ObjectBinaryToTextString(bytes2).find("Left"), std::string::npos);
}

namespace comp_test {

// Overrides Notification without declaring itself: the class information is its parent's.
class TUndeclaredListener : public TComponent {
 public:
  explicit TUndeclaredListener(TComponent* AOwner) : TComponent(AOwner) {}
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    ++heard;
  }
  int heard = 0;
};

}  // namespace comp_test

TEST(Component, BroadcastsReachEveryComponentThatCanReact) {
  TComponent owner(nullptr);
  TClass plain = TComponent::StaticClass();
  TClass watcher = TWatcher::StaticClass();
  EXPECT_FALSE(plain->OverridesNotification());
  EXPECT_TRUE(watcher->OverridesNotification());
  // Factory-built components, as a form reader makes them.
  TComponent* quiet = plain->Create(&owner);
  auto* w = static_cast<TWatcher*>(watcher->Create(&owner));
  auto* undeclared = new TUndeclaredListener(&owner);
  undeclared->AfterConstruction();
  // Made with `new` and never told it is built: judged once the next one joins, they still
  // hear what their classes can react to.
  auto* madeWatcher = new TWatcher(&owner);
  auto* madeUndeclared = new TUndeclaredListener(&owner);
  for (int i = 0; i < 50; ++i) plain->Create(&owner);
  EXPECT_EQ(w->log.size(), 53u);  // the two listeners, the watcher and the 50
  EXPECT_EQ(undeclared->heard, 52);
  EXPECT_EQ(madeWatcher->log.size(), 51u);
  EXPECT_EQ(madeUndeclared->heard, 50);
  // A quiet component that gains components passes broadcasts on to them.
  auto* nested = new TWatcher(quiet);
  size_t before = nested->log.size();
  auto* extra = plain->Create(&owner);
  extra->SetName("Extra");
  EXPECT_EQ(nested->log.size(), before + 1);
  // Order of the broadcast follows the component order, also after moves.
  auto* w2 = static_cast<TWatcher*>(watcher->Create(&owner));
  w2->SetComponentIndex(0);
  std::vector<TComponent*> heardBy;
  struct TOrder : public TComponent {
    explicit TOrder(TComponent* o, std::vector<TComponent*>* log) : TComponent(o), log_(log) {}
    void Notification(TComponent* c, TOperation op) override {
      TComponent::Notification(c, op);
      if (op == opRemove) log_->push_back(this);
    }
    std::vector<TComponent*>* log_;
  };
  auto* o1 = new TOrder(&owner, &heardBy);
  auto* o2 = new TOrder(&owner, &heardBy);
  o2->SetComponentIndex(1);
  delete extra;
  ASSERT_EQ(heardBy.size(), 2u);
  EXPECT_EQ(heardBy[0], o2);
  EXPECT_EQ(heardBy[1], o1);
}

namespace comp_test {

// Declares that its Notification ignores inserts; a subclass that declares its own without
// saying so hears them again, and so does one whose parent hears them.
class TRemovalsOnly : public TComponent {
  ZYL_CLASS(TRemovalsOnly, TComponent)
  explicit TRemovalsOnly(TComponent* AOwner) : TComponent(AOwner) {}
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
    log += (Operation == opInsert ? "+" : "-") + AComponent->Name();
  }
  std::string log;
};
class TInsertsAgain : public TRemovalsOnly {
  ZYL_CLASS(TInsertsAgain, TRemovalsOnly)
  explicit TInsertsAgain(TComponent* AOwner) : TRemovalsOnly(AOwner) {}
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
  }
};
class TWatcherIgnoring : public TWatcher {
  ZYL_CLASS(TWatcherIgnoring, TWatcher)
  explicit TWatcherIgnoring(TComponent* AOwner) : TWatcher(AOwner) {}
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
  }
};
// The same with Notification protected, and a subclass that adds nothing to it: the subclass
// ignores inserts as its parent does.
class TProtectedRemovals : public TComponent {
  ZYL_CLASS(TProtectedRemovals, TComponent)
  explicit TProtectedRemovals(TComponent* AOwner) : TComponent(AOwner) {}
  std::string log;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
    log += (Operation == opInsert ? "+" : "-") + AComponent->Name();
  }
};
class TProtectedPlain : public TProtectedRemovals {
  ZYL_CLASS(TProtectedPlain, TProtectedRemovals)
  explicit TProtectedPlain(TComponent* AOwner) : TProtectedRemovals(AOwner) {}
};
ZYL_CLASS_IMPL(TRemovalsOnly) { b.IgnoresInsertNotification(); }
ZYL_CLASS_IMPL(TInsertsAgain) {}
ZYL_CLASS_IMPL(TWatcherIgnoring) { b.IgnoresInsertNotification(); }
// Hears inserts only while it asks to.
class TSometimesInserts : public TComponent {
  ZYL_CLASS(TSometimesInserts, TComponent)
  explicit TSometimesInserts(TComponent* AOwner) : TComponent(AOwner) { HearInserts(false); }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
    if (journal) *journal += tag + (Operation == opInsert ? "+" : "-" + AComponent->Name()) + " ";
  }
  void Listen(bool Value) { HearInserts(Value); }
  std::string* journal = nullptr;
  std::string tag;
};
ZYL_CLASS_IMPL(TProtectedRemovals) { b.IgnoresInsertNotification(); }
ZYL_CLASS_IMPL(TSometimesInserts) {}
ZYL_CLASS_IMPL(TProtectedPlain) {}

}  // namespace comp_test

TEST(Component, ClassesThatIgnoreInsertsHearOnlyRemovals) {
  EXPECT_TRUE(TRemovalsOnly::StaticClass()->IgnoresInsertNotification());
  EXPECT_FALSE(TInsertsAgain::StaticClass()->IgnoresInsertNotification());
  EXPECT_FALSE(TWatcherIgnoring::StaticClass()->IgnoresInsertNotification());
  TComponent owner(nullptr);
  auto* deaf = static_cast<TRemovalsOnly*>(TRemovalsOnly::StaticClass()->Create(&owner));
  auto* again = static_cast<TRemovalsOnly*>(TInsertsAgain::StaticClass()->Create(&owner));
  auto* chain = static_cast<TWatcher*>(TWatcherIgnoring::StaticClass()->Create(&owner));
  auto* holder = static_cast<TRemovalsOnly*>(TRemovalsOnly::StaticClass()->Create(&owner));
  auto* held = new TWatcher(holder);  // an owner passes inserts on to what it owns
  deaf->log = again->log = "";
  chain->log.clear();
  held->log.clear();
  TComponent* x = TComponent::StaticClass()->Create(&owner);
  x->SetName("X");
  delete x;
  EXPECT_EQ(deaf->log + "/" + again->log, "-X/+-X");
  for (auto* w : {chain, held}) EXPECT_EQ(w->log, (std::vector<std::string>{"+", "-X"}));
}

// A component that stops hearing inserts still hears removals, hears inserts again in its
// place among its siblings when it asks to, and always hears them while it owns a component
// that hears them (to pass them on), but not for owning components that ignore them.
TEST(Component, AComponentHearsInsertsOnlyWhileItAsksToUnlessItOwnsComponents) {
  TComponent owner(nullptr);
  std::string journal;
  auto make = [&](const std::string& tag) {
    auto* c = static_cast<TSometimesInserts*>(TSometimesInserts::StaticClass()->Create(&owner));
    c->journal = &journal;
    c->tag = tag;
    return c;
  };
  TSometimesInserts* first = make("1");
  TSometimesInserts* middle = make("2");
  TSometimesInserts* last = make("3");
  middle->Listen(true);
  const auto addAndFree = [&](const std::string& name) {
    journal.clear();
    TComponent* x = TComponent::StaticClass()->Create(&owner);
    x->SetName(name);
    delete x;
    return journal;
  };
  EXPECT_EQ(addAndFree("A"), "2+ 1-A 2-A 3-A ");
  last->Listen(true);
  first->Listen(true);
  EXPECT_EQ(addAndFree("B"), "1+ 2+ 3+ 1-B 2-B 3-B ");
  first->Listen(false);
  middle->Listen(false);
  auto* passedOn = new TWatcher(first);
  TRemovalsOnly::StaticClass()->Create(middle);
  EXPECT_EQ(addAndFree("C"), "1+ 3+ 1-C 2-C 3-C ");
  EXPECT_EQ(passedOn->log, (std::vector<std::string>{"+", "-C"}));
  delete passedOn;
  EXPECT_EQ(addAndFree("D"), "3+ 1-D 2-D 3-D ");
}

TEST(Component, ASubclassOfAProtectedNotificationThatIgnoresInsertsIgnoresThemToo) {
  EXPECT_TRUE(TProtectedRemovals::StaticClass()->OverridesNotification());
  EXPECT_TRUE(TProtectedRemovals::StaticClass()->IgnoresInsertNotification());
  EXPECT_TRUE(TProtectedPlain::StaticClass()->OverridesNotification());
  EXPECT_TRUE(TProtectedPlain::StaticClass()->IgnoresInsertNotification());
  TComponent owner(nullptr);
  auto* plain = static_cast<TProtectedPlain*>(TProtectedPlain::StaticClass()->Create(&owner));
  TComponent* x = TComponent::StaticClass()->Create(&owner);
  x->SetName("X");
  delete x;
  EXPECT_EQ(plain->log, "-X");
}

// A removal notice drops a free-notification link on both sides; dropping it on one side only
// would leave x pointing at the freed y. Whichever of the two goes first, the other hears
// nothing of it.
TEST(Component, RemovalDropsFreeNotificationLinksBothWays) {
  for (const bool yGoesFirst : {false, true}) {
    SCOPED_TRACE(yGoesFirst ? "y freed first" : "x freed first");
    TComponent formA(nullptr), formB(nullptr);
    auto* y = static_cast<TWatcher*>(TWatcher::StaticClass()->Create(&formA));
    auto* x = new TWatcher(&formB);
    y->SetName("Y");
    x->SetName("X");
    y->FreeNotification(x);  // different owners: linked both ways
    formB.RemoveComponent(x);
    formA.InsertComponent(x);  // now siblings, still linked
    y->log.clear();
    formA.RemoveComponent(x);  // the broadcast reaches y, which drops the link
    EXPECT_EQ(y->log, std::vector<std::string>{"-X"});
    x->log.clear();
    y->log.clear();
    if (yGoesFirst) {
      delete y;
      EXPECT_TRUE(x->log.empty()) << "x heard of y: " << x->log.front();
      delete x;
    } else {
      delete x;  // would tell y if the link survived on x's side
      EXPECT_TRUE(y->log.empty()) << "y heard of x: " << y->log.front();
      delete y;
    }
  }
}
