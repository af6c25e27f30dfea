#include "platform/classes/Events.h"

#include <gtest/gtest.h>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"

using namespace vcl;

namespace ev_test {

using TKeyEvent = TEvent<void(TObject* Sender, int& Key, bool Shift)>;
using TQueryEvent = TEvent<bool(const std::string& Text)>;

class TListener : public TObject {
  ZYL_CLASS(TListener, TObject)
  void Clicked(TObject* sender) {
    ++clicks;
    last = sender;
  }
  void Other(TObject*) { ++others; }
  void KeyDown(TObject*, int& key, bool shift) { key = shift ? key * 2 : 0; }
  bool Accept(const std::string& s) { return s == "yes"; }
  int clicks = 0;
  int others = 0;
  TObject* last = nullptr;
};

// A base-class handler bound through a derived object.
class TDerivedListener : public TListener {
  ZYL_CLASS(TDerivedListener, TListener)
  void Extra(TObject*) { ++extras; }
  int extras = 0;
};

ZYL_CLASS_IMPL(TListener) {
  b.Method("Clicked", &TListener::Clicked).Method("KeyDown", &TListener::KeyDown);
}
ZYL_CLASS_IMPL(TDerivedListener) { b.Method("Extra", &TDerivedListener::Extra); }

}  // namespace ev_test

using namespace ev_test;

TEST(Events, EmptyEventsAreSafe) {
  TNotifyEvent e;
  EXPECT_FALSE(e.Assigned());
  EXPECT_FALSE(static_cast<bool>(e));
  EXPECT_TRUE(e == nullptr);
  e(nullptr);  // calling an empty event does nothing
  TQueryEvent q;
  EXPECT_FALSE(q("yes"));  // and returns the default value
  TListener l;
  TNotifyEvent nullObject(static_cast<TListener*>(nullptr), &TListener::Clicked);
  EXPECT_FALSE(nullObject.Assigned());
}

TEST(Events, CompareByObjectAndMethod) {
  TListener a, b;
  TNotifyEvent e1(&a, &TListener::Clicked);
  TNotifyEvent e2(&a, &TListener::Clicked);
  TNotifyEvent e3(&b, &TListener::Clicked);
  TNotifyEvent e4(&a, &TListener::Other);
  EXPECT_TRUE(e1 == e2);
  EXPECT_FALSE(e1 == e3);
  EXPECT_FALSE(e1 == e4);
  EXPECT_FALSE(e1 == nullptr);
  EXPECT_EQ(e1.Object(), &a);
  e2.Clear();
  EXPECT_FALSE(e2.Assigned());
  TDerivedListener d;
  TNotifyEvent viaDerived(&d, &TListener::Clicked);
  TNotifyEvent viaBase(static_cast<TListener*>(&d), &TListener::Clicked);
  EXPECT_TRUE(viaDerived == viaBase);
}

TEST(Events, CallsPassArgumentsAndResults) {
  TListener l;
  TNotifyEvent click(&l, &TListener::Clicked);
  click(&l);
  click(nullptr);
  EXPECT_EQ(l.clicks, 2);
  EXPECT_EQ(l.last, nullptr);
  TKeyEvent key(&l, &TListener::KeyDown);
  int k = 21;
  key(&l, k, true);  // reference arguments come back changed
  EXPECT_EQ(k, 42);
  key(&l, k, false);
  EXPECT_EQ(k, 0);
  TQueryEvent q(&l, &TListener::Accept);
  EXPECT_TRUE(q("yes"));
  EXPECT_FALSE(q("no"));
  TDerivedListener d;
  TNotifyEvent inherited(&d, &TListener::Clicked);
  inherited(&l);
  EXPECT_EQ(d.clicks, 1);
}

TEST(Events, TypeErasedMethodsKeepTheirSignature) {
  TListener l;
  TNotifyEvent click(&l, &TListener::Clicked);
  TMethod m = click.Method();
  EXPECT_EQ(m.Data, &l);
  TNotifyEvent back = TNotifyEvent::FromMethod(m);
  EXPECT_TRUE(back == click);
  back(&l);
  EXPECT_EQ(l.clicks, 1);
  EXPECT_THROW(TKeyEvent::FromMethod(m), EInvalidCast);
  EXPECT_FALSE(TKeyEvent::FromMethod(TMethod{}).Assigned());
  EXPECT_EQ(TypeInfoOf<TNotifyEvent>()->Kind, tkMethod);
  EXPECT_NE(TypeInfoOf<TNotifyEvent>(), TypeInfoOf<TKeyEvent>());
}

TEST(Events, BindByPublishedName) {
  TDerivedListener d;
  // Names are searched up the class chain, case-insensitively.
  const TMethodCode* clicked = d.MethodAddress("CLICKED");
  const TMethodCode* extra = d.MethodAddress("Extra");
  ASSERT_NE(clicked, nullptr);
  ASSERT_NE(extra, nullptr);
  EXPECT_EQ(d.MethodName(clicked), "Clicked");
  EXPECT_EQ(d.MethodName(extra), "Extra");
  TListener base;
  EXPECT_EQ(base.MethodAddress("Extra"), nullptr);
  EXPECT_EQ(base.MethodName(extra), "");
  // A handler bound by name equals one bound directly, and its name can be written back.
  TNotifyEvent byName = TNotifyEvent::FromMethod(TMethod{clicked, &d});
  TNotifyEvent direct(&d, &TListener::Clicked);
  EXPECT_TRUE(byName == direct);
  EXPECT_EQ(d.MethodName(direct.Method().Code), "Clicked");
  byName(&base);
  EXPECT_EQ(d.last, &base);
  // A published handler of another signature cannot be bound.
  EXPECT_THROW(TNotifyEvent::FromMethod(TMethod{d.MethodAddress("KeyDown"), &d}), EInvalidCast);
}

namespace ev_test {

// Two unrelated roots whose handlers sit in the same virtual slot: their member pointers have
// the same bytes, yet each handler must be called as a member of its own class.
class TPingHolder : public TComponent {
  ZYL_CLASS(TPingHolder, TComponent)
  using TComponent::TComponent;
  TNotifyEvent OnPing() const { return onPing_; }
  void SetOnPing(TNotifyEvent v) { onPing_ = v; }
  TNotifyEvent onPing_;
};
class TPingFormA : public TComponent {
  ZYL_CLASS(TPingFormA, TComponent)
  using TComponent::TComponent;
  virtual void Ping(TObject*) { ++hits; }
  int hits = 0;
};
class TPingFormB : public TComponent {
  ZYL_CLASS(TPingFormB, TComponent)
  using TComponent::TComponent;
  virtual void Ping(TObject*) { hits += 10; }
  int hits = 0;
};
ZYL_CLASS_IMPL(TPingHolder) { b.Prop("OnPing", &TPingHolder::OnPing, &TPingHolder::SetOnPing); }
ZYL_CLASS_IMPL(TPingFormA) { b.Method("Ping", &TPingFormA::Ping); }
ZYL_CLASS_IMPL(TPingFormB) { b.Method("Ping", &TPingFormB::Ping); }

std::string PingForm(const std::string& cls) {
  return ObjectTextToBinaryString(
      "object F: " + cls + "\r\n object H: TPingHolder\r\n OnPing = Ping\r\n end\r\nend\r\n");
}

}  // namespace ev_test

TEST(Events, HandlersBoundByNameInFormsOfDifferentClassesCallTheirOwnClass) {
  RegisterClass(TPingHolder::StaticClass());
  TPingFormA a(nullptr);
  TPingFormB b(nullptr);
  EXPECT_NE(a.MethodAddress("Ping"), b.MethodAddress("Ping"));
  ReadComponentFromBytes(PingForm("TPingFormA"), &a);
  ReadComponentFromBytes(PingForm("TPingFormB"), &b);
  for (TComponent* form : {static_cast<TComponent*>(&a), static_cast<TComponent*>(&b)}) {
    auto* holder = dynamic_cast<TPingHolder*>(form->FindComponent("H"));
    ASSERT_NE(holder, nullptr);
    holder->OnPing()(holder);
  }
  EXPECT_EQ(a.hits, 1);
  EXPECT_EQ(b.hits, 10);
  // A method of one class handed out for a root of another is refused, never called.
  TPingFormA c(nullptr);
  TStringStream stream(PingForm("TPingFormA"));
  TReader reader(&stream);
  reader.OnFindMethod = [&](TReader*, const std::string&, const TMethodCode*& address,
                            bool& error) {
    address = b.MethodAddress("Ping");
    error = false;
  };
  EXPECT_THROW(reader.ReadRootComponent(&c), EReadError);
  EXPECT_THROW(TNotifyEvent::FromMethod(TMethod{b.MethodAddress("Ping"), &a}), EInvalidCast);
}
