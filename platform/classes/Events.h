// Events: method pointers (an object and one of its member functions), as the framework's
// "procedure of object" types.
//
//   TNotifyEvent e(&handler, &THandler::Clicked);   // bind
//   if (e) e(sender);                               // call (an empty event does nothing)
//   e == TNotifyEvent(&handler, &THandler::Clicked) // same object and same method
//
// Every event converts to and from the type-erased TMethod {Code, Data}; Code identifies the
// member function (one entry per member function and signature, however often it is bound),
// which is what published-method lookup by name (MethodAddress/MethodName) hands out.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstring>
#include <typeinfo>
#include <utility>

#include "platform/classes/Object.h"

namespace vcl {

// Unique per handler signature.
template <class Sig>
struct TSignatureTag {
  static inline const char tag = 0;
};

// One member function of one class, type-erased: its bytes, the signature, the class it is a
// member of and an invoker made for exactly that class and signature (stored as void (*)() and
// called only after being cast back to its own type, which the signature guarantees).
struct TMethodCode {
  unsigned char Bytes[16];
  size_t Size;
  const void* Signature;
  const std::type_info* Class;
  // Whether an object is of the member's class (the object a handler may be called on).
  bool (*IsInstance)(const TObject* object);
  void (*Invoker)();  // R (*)(const TMethodCode*, TObject*, Args...)
};

// Returns the entry for this member function of this class (thread-safe; entries live for the
// program). Member pointers of different classes never share an entry, even with equal bytes.
const TMethodCode* InternMethodCode(const void* bytes, size_t size, const void* signature,
                                    const std::type_info& cls, bool (*isInstance)(const TObject*),
                                    void (*invoker)());
// Raised when a TMethod of another signature is assigned to an event.
[[noreturn]] void RaiseEventSignatureMismatch();
// Raised when a TMethod's object is not of the class its code belongs to.
[[noreturn]] void RaiseEventObjectMismatch(const TObject* object);

namespace events_detail {

template <class C>
bool IsInstanceOf(const TObject* object) {
  return dynamic_cast<const C*>(object) != nullptr;
}

template <class C, class R, class... Args>
R InvokeMember(const TMethodCode* code, TObject* data, Args... args) {
  R (C::*method)(Args...);
  std::memcpy(&method, code->Bytes, sizeof(method));
  return (static_cast<C*>(data)->*method)(std::forward<Args>(args)...);
}

}  // namespace events_detail

// The entry of a member function: the one way events and published methods get theirs.
template <class C, class R, class... Args>
const TMethodCode* MethodCodeOf(R (C::*method)(Args...)) {
  static_assert(sizeof(method) <= sizeof(TMethodCode::Bytes), "member pointer too large");
  // Constructors bind the same few handlers over and over: the entries found last for this
  // class and signature answer without the table's lock.
  static std::atomic<const TMethodCode*> recent[4];
  static std::atomic<unsigned> next{0};
  for (const auto& slot : recent) {
    const TMethodCode* hit = slot.load(std::memory_order_acquire);
    if (hit && std::memcmp(hit->Bytes, &method, sizeof(method)) == 0) return hit;
  }
  const TMethodCode* code =
      InternMethodCode(&method, sizeof(method), &TSignatureTag<R(Args...)>::tag, typeid(C),
                       &events_detail::IsInstanceOf<C>,
                       reinterpret_cast<void (*)()>(&events_detail::InvokeMember<C, R, Args...>));
  recent[next.fetch_add(1, std::memory_order_relaxed) % 4].store(code, std::memory_order_release);
  return code;
}

template <class Sig>
class TEvent;

template <class R, class... Args>
class TEvent<R(Args...)> {
 public:
  static constexpr bool IsZylEvent = true;
  using Signature = R(Args...);

  TEvent() = default;
  TEvent(std::nullptr_t) {}
  template <class C, class Obj>
  TEvent(Obj* object, R (C::*method)(Args...)) {
    Bind(object, method);
  }

  template <class C, class Obj>
  void Bind(Obj* object, R (C::*method)(Args...)) {
    if (!object || !method) {
      method_ = {};
      return;
    }
    method_.Data = static_cast<TObject*>(static_cast<C*>(object));
    method_.Code = MethodCodeOf(method);
  }

  // From a type-erased method; raises EInvalidCast when the signature differs or the object is
  // not of the class the method belongs to.
  static TEvent FromMethod(const TMethod& m) {
    TEvent e;
    if (!m.Code || !m.Data) return e;
    if (m.Code->Signature != SignatureId()) RaiseEventSignatureMismatch();
    if (!m.Code->IsInstance(m.Data)) RaiseEventObjectMismatch(m.Data);
    e.method_ = m;
    return e;
  }
  const TMethod& Method() const { return method_; }
  static const void* SignatureId() { return &TSignatureTag<R(Args...)>::tag; }

  bool Assigned() const { return method_.Code != nullptr; }
  explicit operator bool() const { return Assigned(); }
  TObject* Object() const { return method_.Data; }
  void Clear() { method_ = {}; }

  // Calls the handler; an empty event does nothing and returns R().
  R operator()(Args... args) const {
    if (!method_.Code) {
      if constexpr (std::is_void_v<R>) return;
      else return R();
    }
    auto invoker = reinterpret_cast<R (*)(const TMethodCode*, TObject*, Args...)>(
        method_.Code->Invoker);
    return invoker(method_.Code, method_.Data, std::forward<Args>(args)...);
  }

  friend bool operator==(const TEvent& a, const TEvent& b) { return a.method_ == b.method_; }
  friend bool operator==(const TEvent& a, std::nullptr_t) { return !a.Assigned(); }

 private:
  TMethod method_;
};

// Type information of event types (tkMethod), one per signature.
const TTypeInfo* MakeMethodTypeInfo(const void* signature);
template <class Sig>
const TTypeInfo* ZylTypeInfo(TEvent<Sig>*) {
  static const TTypeInfo* const info = MakeMethodTypeInfo(TEvent<Sig>::SignatureId());
  return info;
}

using TNotifyEvent = TEvent<void(TObject* Sender)>;

}  // namespace vcl
