// Published properties and the property-access API (the framework's type-information unit).
//
// A class lists its published properties, methods and component fields in its .cpp:
//
//   ZYL_CLASS_IMPL(TFoo) {
//     b.Prop("Style", &TFoo::Style, &TFoo::SetStyle).Default(bsLowered)
//      .Prop("Caption", &TFoo::Caption, &TFoo::SetCaption).Stored(&TFoo::IsCaptionStored)
//      .Prop("Flat", &TFoo::GetBoolean, &TFoo::SetBoolean).Index(3).Default(false)
//      .Prop("Color", &TFoo::Color, &TFoo::SetColor, ColorTypeInfo()).Default(clBtnFace)
//      .Prop("OnClick", &TFoo::OnClick, &TFoo::SetOnClick)
//      .Method("ButtonClick", &TFoo::ButtonClick)
//      .Field("Button1", &TFoo::Button1);
//   }
//
// A property that an ancestor describes once (published there, or kept unpublished with
// Declare, as a protected property) is published by name with the ancestor's getter, setter,
// type, index, default and stored rule; modifiers after it change only this class's copy:
//
//   ZYL_CLASS_IMPL(TControl) {
//     b.Declare("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
//   }
//   ZYL_CLASS_IMPL(TBar) { b.Publish("Align").Publish("Color").Default(clBlack); }
//
// A named integer type (TColor, TCursor: aliases of int32_t) is passed explicitly, as its
// MakeIntegerTypeInfo result, so that its identifier map applies.
//
// The value type of a property is the getter's result: integers, char, bool, enumerations,
// double/float, std::string, TSet<E>, pointers to TObject classes and TEvent<...>. A getter may
// also be a data member pointer; a setter may be nullptr (read-only). When the getter and setter
// take an int first, the property is indexed and passes its Index.
//
// Factories come from the constructors: (TComponent* AOwner) makes a component class,
// (TCollection*) a collection item class, a default constructor a plain class; abstract
// classes get none. Other shapes (e.g. settings objects built with an owner) call Factory().
//
// Default rules: ordinal and set properties are stored unless a Default is given and the value
// equals it; strings are stored unless empty, floats and Int64 unless zero (empty texts and zero
// floats always, with EmptyStored, when the object starts with a value of its own), events when
// assigned, objects when not null.
#pragma once

#include <concepts>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/classes/Object.h"
#include "platform/rtl/Consts.h"

namespace vcl {

// The values a property passes through the type-erased accessors.
struct TPropValue {
  int64_t Ord = 0;  // integers, chars, enumerations, booleans, set bits, Int64
  double Float = 0;
  std::string Str;
  TObject* Obj = nullptr;
  TMethod Method;
};

class TPropAccess {
 public:
  virtual ~TPropAccess() = default;
  virtual void Get(const TPropInfo& prop, TObject* obj, TPropValue& value) const = 0;
  virtual void Set(const TPropInfo& prop, TObject* obj, const TPropValue& value) const = 0;
  virtual bool CanWrite() const = 0;
};

class TStoredAccess {
 public:
  virtual ~TStoredAccess() = default;
  virtual bool IsStored(TObject* obj) const = 0;
};

enum TStoredRule : uint8_t { srAlways, srNever, srPredicate };

constexpr int32_t NoIndex = INT32_MIN;       // a property without index
constexpr int64_t NoDefault = INT64_MIN;     // an ordinal property without default

struct TPropInfo {
  std::string Name;
  const TTypeInfo* PropType = nullptr;
  TClass OwnerClass = nullptr;  // the class that declares it
  int32_t Index = NoIndex;
  int64_t Default = NoDefault;
  TStoredRule StoredRule = srAlways;
  const TStoredAccess* StoredFunc = nullptr;
  const TPropAccess* Access = nullptr;
  int NameIndex = 0;  // position in the declaring class's list
  // Turns a default into the value the getter's type reads (none for other than integers).
  int64_t (*NormalizeDefault)(int64_t) = nullptr;
  // A text or float property of an object that starts with a value of its own: its empty value
  // (no text, zero) is written too, so that reading a form does not give the starting value back.
  bool EmptyStored = false;

  TTypeKind Kind() const { return PropType ? PropType->Kind : tkUnknown; }
  bool HasDefault() const { return Default != NoDefault; }
  bool IsWritable() const { return Access && Access->CanWrite(); }
};

namespace typeinfo_detail {

template <class T>
struct IsSet : std::false_type {};
template <class E>
struct IsSet<TSet<E>> : std::true_type {};

template <class T>
concept EventType = requires { T::IsZylEvent; };

[[noreturn]] void RaiseInvalidClass(const TPropInfo& prop);
[[noreturn]] void RaiseReadOnly(const TPropInfo& prop);

template <class T>
void Store(TPropValue& v, const T& x) {
  if constexpr (std::is_same_v<T, std::string>) v.Str = x;
  else if constexpr (std::is_enum_v<T>) v.Ord = static_cast<int64_t>(x);
  else if constexpr (std::is_integral_v<T>) v.Ord = static_cast<int64_t>(x);
  else if constexpr (std::is_floating_point_v<T>) v.Float = static_cast<double>(x);
  else if constexpr (IsSet<T>::value) v.Ord = static_cast<int64_t>(x.Bits());
  else if constexpr (std::is_pointer_v<T>) v.Obj = x;
  else if constexpr (EventType<T>) v.Method = x.Method();
  else static_assert(sizeof(T) == 0, "unsupported property type");
}

template <class T>
T Load(const TPropInfo& prop, const TPropValue& v) {
  if constexpr (std::is_same_v<T, std::string>) return v.Str;
  else if constexpr (std::is_same_v<T, bool>) return v.Ord != 0;
  else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) return static_cast<T>(v.Ord);
  else if constexpr (std::is_floating_point_v<T>) return static_cast<T>(v.Float);
  else if constexpr (IsSet<T>::value) return T::FromBits(static_cast<uint64_t>(v.Ord));
  else if constexpr (std::is_pointer_v<T>) {
    if (!v.Obj) return nullptr;
    T p = dynamic_cast<T>(v.Obj);
    if (!p) RaiseInvalidClass(prop);
    return p;
  } else if constexpr (EventType<T>) return T::FromMethod(v.Method);
  else static_assert(sizeof(T) == 0, "unsupported property type");
}

template <class C, class T, class G, class S>
class TAccess final : public TPropAccess {
 public:
  TAccess(G g, S s) : get_(g), set_(s) {}
  void Get(const TPropInfo& prop, TObject* obj, TPropValue& value) const override {
    C* self = static_cast<C*>(obj);
    if constexpr (std::is_invocable_v<G, C*, int>) Store<T>(value, std::invoke(get_, self, prop.Index));
    else Store<T>(value, std::invoke(get_, self));
  }
  void Set(const TPropInfo& prop, TObject* obj, const TPropValue& value) const override {
    if constexpr (std::is_null_pointer_v<S>) {
      (void)obj, (void)value;
      RaiseReadOnly(prop);
    } else {
      C* self = static_cast<C*>(obj);
      if constexpr (std::is_invocable_v<S, C*, int, T>) std::invoke(set_, self, prop.Index, Load<T>(prop, value));
      else std::invoke(set_, self, Load<T>(prop, value));
    }
  }
  bool CanWrite() const override { return !std::is_null_pointer_v<S>; }

 private:
  G get_;
  S set_;
};

template <class C, class F>
class TStored final : public TStoredAccess {
 public:
  explicit TStored(F f) : f_(f) {}
  bool IsStored(TObject* obj) const override { return std::invoke(f_, static_cast<C*>(obj)); }

 private:
  F f_;
};

template <class C, class T>
void SetFieldOf(TObject* self, TObject* value, const void* member) {
  T* C::*field;
  std::memcpy(&field, member, sizeof(field));
  T* typed = nullptr;
  if (value) {
    typed = dynamic_cast<T*>(value);
    if (!typed) throw EInvalidCast(SInvalidCast);
  }
  static_cast<C*>(self)->*field = typed;
}

template <class C, class G>
using GetterResult = std::decay_t<typename std::conditional_t<std::is_invocable_v<G, C*, int>,
                                                     std::invoke_result<G, C*, int>,
                                                     std::invoke_result<G, C*>>::type>;

template <class C>
C* NewOf(void* arg) {
  if constexpr (std::is_constructible_v<C, TComponent*>) {
    return new C(static_cast<TComponent*>(arg));
  } else if constexpr (std::is_constructible_v<C, TCollection*>) {
    return new C(static_cast<TCollection*>(arg));
  } else {
    (void)arg;
    return new C();
  }
}

template <class C>
TObject* CreateOf(void* arg) {
  std::unique_ptr<C> obj(NewOf<C>(arg));
  obj->AfterConstruction();
  return obj.release();
}

// The class that declares a member function.
template <class M>
struct MemberOwner {
  using type = void;
};
template <class R, class K, class... A>
struct MemberOwner<R (K::*)(A...)> {
  using type = K;
};

// Registered class information; raises EInvalidOperation on a duplicate or bad parent.
TClassInfo* NewClassInfo(const char* qualifiedName, TClass parent);
// Keeps an unpublished description of the class's; Republish adds to the class a published
// copy of the nearest ancestor's description of that name (published or kept), raising
// EInvalidOperation when no ancestor has one.
void AddDeclared(TClassInfo* info, TPropInfo* prop);
TPropInfo* Republish(TClassInfo* info, const char* name);

}  // namespace typeinfo_detail

template <class C>
class TClassBuilder {
 public:
  explicit TClassBuilder(TClassInfo* info) : info_(info) {}

  // A published property; its type is the getter's value type unless `type` is given.
  template <class G, class S>
  TClassBuilder& Prop(const char* name, G getter, S setter, const TTypeInfo* type = nullptr) {
    last_ = Make(name, getter, setter, type);
    info_->AddProp(last_);
    return *this;
  }
  // A property described here but not published (a protected property); descendants publish it
  // with Publish.
  template <class G, class S>
  TClassBuilder& Declare(const char* name, G getter, S setter, const TTypeInfo* type = nullptr) {
    last_ = Make(name, getter, setter, type);
    typeinfo_detail::AddDeclared(info_, last_);
    return *this;
  }
  // Publishes an ancestor's property by name, as the ancestor describes it.
  TClassBuilder& Publish(const char* name) {
    last_ = typeinfo_detail::Republish(info_, name);
    return *this;
  }
  TClassBuilder& Publish(std::initializer_list<const char*> names) {
    for (const char* name : names) Publish(name);
    return *this;
  }
  // Modifiers of the last property.
  template <class V>
  TClassBuilder& Default(V value) {
    if constexpr (typeinfo_detail::IsSet<V>::value) last_->Default = static_cast<int64_t>(value.Bits());
    else if (last_->NormalizeDefault) last_->Default = last_->NormalizeDefault(static_cast<int64_t>(value));
    else last_->Default = static_cast<int64_t>(value);
    return *this;
  }
  TClassBuilder& NoDefault() {
    last_->Default = vcl::NoDefault;
    return *this;
  }
  // The text or float property's empty value (no text, zero) is written (the object starts
  // with another value).
  TClassBuilder& EmptyStored() {
    last_->EmptyStored = true;
    return *this;
  }
  TClassBuilder& Index(int32_t index) {
    last_->Index = index;
    return *this;
  }
  TClassBuilder& Stored(bool stored) {
    last_->StoredRule = stored ? srAlways : srNever;
    return *this;
  }
  template <class F>
    requires(!std::is_same_v<F, bool>)
  TClassBuilder& Stored(F predicate) {
    last_->StoredRule = srPredicate;
    last_->StoredFunc = new typeinfo_detail::TStored<C, F>(predicate);
    return *this;
  }
  // A published method (an event handler the form streams bind by name).
  template <class M, class R, class... Args>
  TClassBuilder& Method(const char* name, R (M::*method)(Args...)) {
    info_->AddMethod(name, MethodCodeOf(method));
    return *this;
  }
  // A published component field, assigned by the reader to the component of that name.
  template <class M, class T>
  TClassBuilder& Field(const char* name, T* M::*field) {
    info_->AddField(name, &typeinfo_detail::SetFieldOf<C, T>, &field, sizeof(field));
    return *this;
  }
  // The class's own Notification ignores opInsert (what it inherits must too).
  TClassBuilder& IgnoresInsertNotification() {
    ownIgnoresInsert_ = true;
    return *this;
  }
  // Replaces the factory chosen from the constructors.
  TClassBuilder& Factory(TFactoryKind kind, TClassInfo::TFactory factory) {
    info_->SetFactory(kind, factory);
    return *this;
  }

  // Whether C itself declares Notification (TComponent's own does not count). The builder is a
  // friend of C (ZYL_CLASS), so a protected Notification is seen too; when the name cannot be
  // taken (overloaded) the answer is yes, which is always safe.
  static constexpr bool DeclaresNotification() {
    if constexpr (!std::is_base_of_v<TComponent, C>) {
      return false;
    } else if constexpr (requires { &C::Notification; }) {
      using Owner = typename typeinfo_detail::MemberOwner<decltype(&C::Notification)>::type;
      return std::is_same_v<Owner, C> && !std::is_same_v<typename C::inherited, TPersistent>;
    } else {
      return true;
    }
  }

  static TClass Build(const char* qualifiedName) {
    // Owned until the description succeeds: a class whose description throws leaves nothing.
    std::unique_ptr<TClassInfo> owned(typeinfo_detail::NewClassInfo(qualifiedName, C::inherited::StaticClass()));
    TClassInfo* info = owned.get();
    info->SetClassTypeInfo(TypeInfoOf<C*>());
    TClass parent = C::inherited::StaticClass();
    info->SetCppType(&typeid(C),
                     DeclaresNotification() || (parent && parent->OverridesNotification()));
    if constexpr (!std::is_abstract_v<C>) {
      if constexpr (std::is_constructible_v<C, TComponent*>) {
        info->SetFactory(fkComponent, &typeinfo_detail::CreateOf<C>);
      } else if constexpr (std::is_constructible_v<C, TCollection*>) {
        info->SetFactory(fkCollectionItem, &typeinfo_detail::CreateOf<C>);
      } else if constexpr (std::is_default_constructible_v<C>) {
        info->SetFactory(fkPlain, &typeinfo_detail::CreateOf<C>);
      }
    }
    TClassBuilder b(info);
    C::DescribeClass(b);
    // A class without its own Notification hears inserts as its ancestors do.
    const bool parentIgnores = !parent || !parent->OverridesNotification() || parent->IgnoresInsertNotification();
    info->SetIgnoresInsertNotification(parentIgnores &&
                                       (!DeclaresNotification() || b.ownIgnoresInsert_));
    return owned.release();
  }

 private:
  template <class G, class S>
  static TPropInfo* Make(const char* name, G getter, S setter, const TTypeInfo* type) {
    using T = typeinfo_detail::GetterResult<C, G>;
    auto* p = new TPropInfo;
    p->Name = name;
    p->PropType = type ? type : TypeInfoOf<T>();
    p->Access = new typeinfo_detail::TAccess<C, T, G, S>(getter, setter);
    // Defaults are kept as the getter's type reads them (0x8000000F given for an int32_t
    // property is the negative number the property returns).
    if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>)
      p->NormalizeDefault = [](int64_t v) { return static_cast<int64_t>(static_cast<T>(v)); };
    return p;
  }

  TClassInfo* info_;
  bool ownIgnoresInsert_ = false;
  TPropInfo* last_ = nullptr;
};

// ---------------------------------------------------------------------------------------------
// Property access, by name case-insensitive. Errors raise EPropertyError: "Property %s does not
// exist", "Invalid property type: %s" (wrong kind for the call), "Property %s is read-only",
// "Invalid property value" (unknown enum or set name, an ordinal or set bits beyond the type).

const TPropInfo* GetPropInfo(TClass cls, const std::string& name);
const TPropInfo* GetPropInfo(const TObject* obj, const std::string& name);
// Like GetPropInfo but raises when missing.
const TPropInfo* FindPropInfo(const TObject* obj, const std::string& name);
// All published properties: ancestors first, each class in declaration order; a redeclared
// property keeps its ancestor's place.
std::vector<const TPropInfo*> GetPropList(TClass cls);
std::vector<const TPropInfo*> GetPropList(const TObject* obj);
// Only the properties whose kind is in `kinds`.
std::vector<const TPropInfo*> GetPropList(TClass cls, TSet<TTypeKind> kinds);
bool IsPublishedProp(const TObject* obj, const std::string& name);
TTypeKind PropType(const TObject* obj, const std::string& name);

// Ordinal kinds: integer, char, enumeration (bool included) and set (its bits).
int64_t GetOrdProp(TObject* obj, const TPropInfo* prop);
void SetOrdProp(TObject* obj, const TPropInfo* prop, int64_t value);
int64_t GetInt64Prop(TObject* obj, const TPropInfo* prop);
void SetInt64Prop(TObject* obj, const TPropInfo* prop, int64_t value);
double GetFloatProp(TObject* obj, const TPropInfo* prop);
void SetFloatProp(TObject* obj, const TPropInfo* prop, double value);
std::string GetStrProp(TObject* obj, const TPropInfo* prop);
void SetStrProp(TObject* obj, const TPropInfo* prop, const std::string& value);
TObject* GetObjectProp(TObject* obj, const TPropInfo* prop);
void SetObjectProp(TObject* obj, const TPropInfo* prop, TObject* value);
TMethod GetMethodProp(TObject* obj, const TPropInfo* prop);
void SetMethodProp(TObject* obj, const TPropInfo* prop, const TMethod& value);
std::string GetEnumProp(TObject* obj, const TPropInfo* prop);
void SetEnumProp(TObject* obj, const TPropInfo* prop, const std::string& value);
// Sets as text "a,b" (or "[a,b]" with brackets); SetSetProp accepts both forms and blanks.
std::string GetSetProp(TObject* obj, const TPropInfo* prop, bool brackets = false);
void SetSetProp(TObject* obj, const TPropInfo* prop, const std::string& value);

// The same by property name.
int64_t GetOrdProp(TObject* obj, const std::string& name);
void SetOrdProp(TObject* obj, const std::string& name, int64_t value);
int64_t GetInt64Prop(TObject* obj, const std::string& name);
void SetInt64Prop(TObject* obj, const std::string& name, int64_t value);
double GetFloatProp(TObject* obj, const std::string& name);
void SetFloatProp(TObject* obj, const std::string& name, double value);
std::string GetStrProp(TObject* obj, const std::string& name);
void SetStrProp(TObject* obj, const std::string& name, const std::string& value);
TObject* GetObjectProp(TObject* obj, const std::string& name);
void SetObjectProp(TObject* obj, const std::string& name, TObject* value);
TMethod GetMethodProp(TObject* obj, const std::string& name);
void SetMethodProp(TObject* obj, const std::string& name, const TMethod& value);
std::string GetEnumProp(TObject* obj, const std::string& name);
void SetEnumProp(TObject* obj, const std::string& name, const std::string& value);
std::string GetSetProp(TObject* obj, const std::string& name, bool brackets = false);
void SetSetProp(TObject* obj, const std::string& name, const std::string& value);

// Any simple property as text, for settings storage and editors: integers and Int64 in
// decimal, chars as themselves, enumerations (Boolean included) by name, sets as "[a,b]",
// floats with FloatToStr, strings as they are. Setting accepts the same (integers also as
// identifiers of their type's identifier map, enumerations also as numbers in range); bad
// text raises EConvertError or EPropertyError. Class and method properties raise
// EPropertyError.
std::string GetPropValue(TObject* obj, const TPropInfo* prop);
void SetPropValue(TObject* obj, const TPropInfo* prop, const std::string& value);
std::string GetPropValue(TObject* obj, const std::string& name);
void SetPropValue(TObject* obj, const std::string& name, const std::string& value);

// Set text conversions over a set type (or directly its element enumeration).
std::string SetToString(const TTypeInfo* setType, uint64_t bits, bool brackets = false);
uint64_t StringToSet(const TTypeInfo* setType, const std::string& text);

// The stored rule of the property for this object.
bool IsStoredProp(TObject* obj, const TPropInfo* prop);
bool IsStoredProp(TObject* obj, const std::string& name);
// True when the value equals the property's default (see the rules at the top), i.e. a
// writer leaves it out.
bool IsDefaultPropValue(TObject* obj, const TPropInfo* prop);

// Identifier maps of integer types (e.g. colour names for TColor): the writer writes an
// identifier when IntToIdent knows the value, the reader accepts identifiers through
// IdentToInt.
using TIdentToInt = bool (*)(const std::string& ident, int32_t& value);
using TIntToIdent = bool (*)(int32_t value, std::string& ident);
void RegisterIntegerConsts(const TTypeInfo* intType, TIdentToInt identToInt,
                           TIntToIdent intToIdent);
// A new integer type of the range (MakeIntegerTypeInfo) with its identifier maps registered.
const TTypeInfo* MakeIntegerConstsTypeInfo(const char* typeName, int64_t minValue, int64_t maxValue,
                                           TIdentToInt identToInt, TIntToIdent intToIdent);
TIdentToInt FindIdentToInt(const TTypeInfo* intType);
TIntToIdent FindIntToIdent(const TTypeInfo* intType);

}  // namespace vcl

// Defines the class information of `Class` and opens the body of its description, whose
// builder is named `b`. Use at namespace scope in the class's .cpp.
#define ZYL_CLASS_IMPL(Class)                                                       \
  ::vcl::TClass Class::StaticClass() {                                              \
    static const ::vcl::TClass info = ::vcl::TClassBuilder<Class>::Build(#Class);   \
    return info;                                                                    \
  }                                                                                 \
  void Class::DescribeClass([[maybe_unused]] ::vcl::TClassBuilder<Class>& b)
