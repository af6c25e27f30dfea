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

#include <cstddef>
#include <cstring>
#include <utility>

#include "platform/classes/Object.h"

namespace vcl {

// Unique per handler signature.
template <class Sig>
struct TSignatureTag {
  static inline const char tag = 0;
};

// One member function, type-erased: its bytes, the signature and an invoker that casts the
// object back and calls it.
struct TMethodCode {
  unsigned char Bytes[16];
  size_t Size;
  const void* Signature;
  void (*Invoker)();  // really R (*)(const TMethodCode*, TObject*, Args...)
};

// Returns the entry for this member function (thread-safe; entries live for the program).
const TMethodCode* InternMethodCode(const void* bytes, size_t size, const void* signature,
                                    void (*invoker)());
// Raised when a TMethod of another signature is assigned to an event.
[[noreturn]] void RaiseEventSignatureMismatch();

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
    static_assert(sizeof(method) <= sizeof(TMethodCode::Bytes), "member pointer too large");
    if (!object || !method) {
      method_ = {};
      return;
    }
    method_.Data = static_cast<TObject*>(static_cast<C*>(object));
    method_.Code = InternMethodCode(&method, sizeof(method), SignatureId(),
                                    reinterpret_cast<void (*)()>(&Invoke<C>));
  }

  // From a type-erased method; raises EInvalidCast when the signature differs.
  static TEvent FromMethod(const TMethod& m) {
    TEvent e;
    if (!m.Code || !m.Data) return e;
    if (m.Code->Signature != SignatureId()) RaiseEventSignatureMismatch();
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
  template <class C>
  static R Invoke(const TMethodCode* code, TObject* data, Args... args) {
    R (C::*method)(Args...);
    std::memcpy(&method, code->Bytes, sizeof(method));
    return (static_cast<C*>(data)->*method)(std::forward<Args>(args)...);
  }

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
