// The root of the object model: TObject, class references (TClass), run-time type information
// of enumerations, sets, classes and the basic types, and the macros a class uses to declare
// itself.
//
// A class declares itself with ZYL_CLASS in its body:
//
//   class TFoo : public TComponent {
//     ZYL_CLASS(TFoo, TComponent)
//    public:
//     explicit TFoo(TComponent* AOwner);
//     ...
//   };
//
// and describes its published properties and methods in its .cpp with ZYL_CLASS_IMPL
// (platform/classes/TypeInfo.h). Enumerations get their type information next to them:
//
//   ZYL_ENUM(TBevelStyle, bsLowered, bsRaised)            // declares the enum and its names
//   enum TAlign : uint8_t { alNone, alTop };  ZYL_ENUM_INFO(TAlign, alNone, alTop)
//
// Both macros go at namespace scope, in the namespace of the enumeration.
//
// The rest of the model: TypeInfo.h (property access), Events.h (method pointers),
// Persistent.h, Component.h (TComponent with ReadState/WriteState), Registry.h (class
// registry), Streams.h, List.h, StringList.h, Collection.h, Thread.h, Resources.h.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Sets.h"
#include "platform/base/Types.h"
#include "platform/rtl/Consts.h"

namespace vcl {

class TObject;
class TPersistent;
class TComponent;
class TCollection;
class TCollectionItem;
class TFiler;
class TReader;
class TWriter;
class TClassInfo;
struct TPropInfo;
struct TMethodCode;

// A class reference: the class information of a class (nullptr for none).
using TClass = const TClassInfo*;

// ---------------------------------------------------------------------------------------------
// Type information

enum TTypeKind : uint8_t {
  tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod,
  tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray
};
enum TOrdType : uint8_t { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum TFloatType : uint8_t { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

// Describes one type. Strings (std::string) are tkLString; Boolean is an enumeration of
// False and True; a set's CompType is its element enumeration; a class type resolves its
// class lazily (so that classes may refer to each other in their properties).
struct TTypeInfo {
  TTypeKind Kind = tkUnknown;
  std::string TypeName;
  TOrdType OrdType = otSLong;
  TFloatType FloatType = ftDouble;
  int64_t MinValue = 0;
  int64_t MaxValue = 0;
  std::vector<std::string> Names;        // enumeration value names, in declaration order
  const TTypeInfo* CompType = nullptr;   // set: the element type
  TClass (*ClassGetter)() = nullptr;     // class: its class information
  const void* Signature = nullptr;       // method: identifies the handler signature

  const std::string& Name() const;
  TClass ClassType() const { return ClassGetter ? ClassGetter() : nullptr; }
};

// Creates (once, for the program's lifetime) the type information of an enumeration whose
// value names are given as the text "a, b, c" (as the ZYL_ENUM macros pass them).
const TTypeInfo* MakeEnumTypeInfo(const char* typeName, const char* namesText);
// The type information of "set of <element>", shared per element type. Its name is the
// element's name with an "s" appended ("TFontStyle" -> "TFontStyles").
const TTypeInfo* MakeSetTypeInfo(const TTypeInfo* element);
// Type information of a class type resolved lazily through `getter`.
const TTypeInfo* MakeClassTypeInfo(TClass (*getter)());
// A named integer type (e.g. "TColor", "TCursor"): an alias of Integer with its own identity,
// so that identifier maps can be registered for it.
const TTypeInfo* MakeIntegerTypeInfo(const char* typeName, int64_t minValue = INT32_MIN,
                                     int64_t maxValue = INT32_MAX);

// A named string type (e.g. "TCaption"): an alias of the long string with its own identity, so
// that editors can be registered for it.
const TTypeInfo* MakeStringTypeInfo(const char* typeName);

// The type information of the basic types. Found by overload on a null pointer of the type;
// enumerations, sets, classes and events add overloads found by argument-dependent lookup.
const TTypeInfo* ZylTypeInfo(int8_t*);
const TTypeInfo* ZylTypeInfo(uint8_t*);
const TTypeInfo* ZylTypeInfo(int16_t*);
const TTypeInfo* ZylTypeInfo(uint16_t*);
const TTypeInfo* ZylTypeInfo(int32_t*);
const TTypeInfo* ZylTypeInfo(uint32_t*);
const TTypeInfo* ZylTypeInfo(int64_t*);
const TTypeInfo* ZylTypeInfo(bool*);
const TTypeInfo* ZylTypeInfo(char*);
const TTypeInfo* ZylTypeInfo(float*);
const TTypeInfo* ZylTypeInfo(double*);
const TTypeInfo* ZylTypeInfo(std::string*);

template <class E>
const TTypeInfo* ZylTypeInfo(TSet<E>*);

template <class T>
  requires std::is_class_v<T>
const TTypeInfo* ZylTypeInfo(T**) {
  static const TTypeInfo* const info = MakeClassTypeInfo(&T::StaticClass);
  return info;
}

// TypeInfoOf<T>(): the type information of T (TypeInfo(T) in the framework's terms).
template <class T>
const TTypeInfo* TypeInfoOf() {
  return ZylTypeInfo(static_cast<T*>(nullptr));
}

template <class E>
const TTypeInfo* ZylTypeInfo(TSet<E>*) {
  static const TTypeInfo* const info = MakeSetTypeInfo(TypeInfoOf<E>());
  return info;
}

// Value names of enumerations (case-insensitive lookup; -1 when not found) and an
// out-of-range value's name is the empty string.
std::string GetEnumName(const TTypeInfo* info, int64_t value);
int64_t GetEnumValue(const TTypeInfo* info, const std::string& name);

#define ZYL_ENUM_INFO(Type, ...)                                                  \
  inline const ::vcl::TTypeInfo* ZylTypeInfo(Type*) {                             \
    static const ::vcl::TTypeInfo* const info =                                   \
        ::vcl::MakeEnumTypeInfo(#Type, #__VA_ARGS__);                             \
    return info;                                                                  \
  }
#define ZYL_ENUM(Type, ...)          \
  enum Type : uint8_t { __VA_ARGS__ }; \
  ZYL_ENUM_INFO(Type, __VA_ARGS__)

// ---------------------------------------------------------------------------------------------
// Method pointers, type-erased: the object and an interned code entry per member function.

struct TMethod {
  const TMethodCode* Code = nullptr;
  TObject* Data = nullptr;
  bool Assigned() const { return Code != nullptr; }
  friend bool operator==(const TMethod&, const TMethod&) = default;
};

// ---------------------------------------------------------------------------------------------
// Class information

// What a class's factory builds: nothing (abstract classes), a component with an owner, a
// collection item in a collection, or an object without arguments.
enum TFactoryKind : uint8_t { fkNone, fkComponent, fkCollectionItem, fkPlain };

class TClassInfo {
 public:
  // The argument is the owner (TComponent*), the collection (TCollection*) or unused.
  using TFactory = TObject* (*)(void* arg);

  TClassInfo(std::string name, TClass parent);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& ClassName() const { return name_; }
  TClass ClassParent() const { return parent_; }
  bool InheritsFrom(TClass ancestor) const;
  // Type information of the class type (tkClass).
  const TTypeInfo* ClassTypeInfo() const { return typeInfo_; }

  // The virtual constructors. Create raises EInvalidOperation when the class is not a
  // creatable component class; CreateItem likewise for collection items; CreateInstance
  // builds any creatable class (components get a null owner, items no collection).
  TFactoryKind FactoryKind() const { return factoryKind_; }
  TComponent* Create(TComponent* AOwner) const;
  TCollectionItem* CreateItem(TCollection* ACollection) const;
  TObject* CreateInstance() const;

  // Published properties of this class alone, in declaration order (GetPropList gives the
  // whole chain).
  const std::vector<const TPropInfo*>& OwnProps() const { return props_; }
  // Every published property of the chain in GetPropList's order (built once, on first use).
  const std::vector<const TPropInfo*>& AllProps() const;
  // Published property by name, searched up the chain (case-insensitive); nullptr if none.
  const TPropInfo* FindProp(const std::string& name) const;
  // Published methods by name, searched up the chain (case-insensitive).
  const TMethodCode* MethodAddress(const std::string& name) const;
  std::string MethodName(const TMethodCode* code) const;
  // The C++ class the information was built for, and whether that class or an ancestor below
  // TComponent declares its own Notification (owners skip the others in their broadcasts).
  const std::type_info* CppType() const { return cppType_; }
  bool OverridesNotification() const { return overridesNotification_; }
  // Whether every Notification of the chain ignores opInsert, as each class that declares one
  // said in its description (owners leave such components out of insert broadcasts).
  bool IgnoresInsertNotification() const { return ignoresInsert_; }
  void SetIgnoresInsertNotification(bool value) { ignoresInsert_ = value; }

  // Used by the class builder (TypeInfo.h) while the class information is made.
  void SetFactory(TFactoryKind kind, TFactory factory);
  void SetClassTypeInfo(const TTypeInfo* info) { typeInfo_ = info; }
  void SetCppType(const std::type_info* type, bool overridesNotification) {
    cppType_ = type;
    overridesNotification_ = overridesNotification;
  }
  void AddProp(TPropInfo* prop);
  void AddMethod(const std::string& name, const TMethodCode* code);
  using TFieldSetter = void (*)(TObject* self, TObject* value, const void* member);
  void AddField(const std::string& name, TFieldSetter setter, const void* member, size_t size);
  bool SetField(TObject* self, const std::string& name, TObject* value) const;

 private:
  struct TMethodEntry {
    std::string Name;
    const TMethodCode* Code;
  };
  struct TFieldEntry {
    std::string Name;
    TFieldSetter Setter;
    unsigned char Member[16];
  };
  std::string name_;
  TClass parent_;
  const TTypeInfo* typeInfo_ = nullptr;
  const std::type_info* cppType_ = nullptr;
  bool overridesNotification_ = true;
  bool ignoresInsert_ = false;
  TFactoryKind factoryKind_ = fkNone;
  TFactory factory_ = nullptr;
  std::vector<const TPropInfo*> props_;
  std::vector<TMethodEntry> methods_;
  std::vector<TFieldEntry> fields_;
  struct TCache;
  const TCache& Cache() const;
  mutable std::atomic<const TCache*> cache_{nullptr};
};

// ---------------------------------------------------------------------------------------------
// TObject

class TObject {
 public:
  using inherited = void;
  TObject() = default;
  virtual ~TObject();
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  const std::string& ClassName() const;
  TClass ClassParent() const;
  bool InheritsFrom(TClass ancestor) const;
  bool ClassNameIs(const std::string& name) const;

  // Deletes the object (use vcl::FreeAndNil or `delete` where the pointer may be null).
  void Free() { delete this; }

  // Published methods and fields of the object's class.
  const TMethodCode* MethodAddress(const std::string& name) const;
  std::string MethodName(const TMethodCode* code) const;
  // Assigns the published component field `name` (see TClassBuilder::Field); false if the
  // class has no such field.
  bool SetFieldValue(const std::string& name, TObject* value);

  // Called by the class factories (TClass::Create, CreateItem, CreateInstance) once the
  // object is fully built; code that builds objects with `new` may call it too.
  virtual void AfterConstruction();

  // Message dispatch: Dispatch hands the message to the class's handler; the root passes it
  // to DefaultHandler. Windowed classes override both.
  virtual void Dispatch(void* Message);
  virtual void DefaultHandler(void* Message);
};

// Deletes `p` (null tolerated) and clears the pointer first, as the framework does.
template <class T>
void FreeAndNil(T*& p) {
  T* tmp = p;
  p = nullptr;
  delete tmp;
}

// Checked downcast that raises EInvalidCast ("Invalid class typecast") like the framework's
// "as"; null stays null.
template <class T>
T* As(TObject* obj) {
  if (!obj) return nullptr;
  if (T* t = dynamic_cast<T*>(obj)) return t;
  throw EInvalidCast(SInvalidCast);
}

// Builds the class information of a class once (defined by ZYL_CLASS_IMPL via TypeInfo.h).
template <class C>
class TClassBuilder;

}  // namespace vcl

// Declares the class to the object model: `inherited`, its class information and the
// ClassType override. Written as the first line of a class body, it opens public access and
// leaves the body in it: what follows is public until the next access label.
#define ZYL_CLASS(Class, Parent)                                     \
 public:                                                             \
  using inherited = Parent;                                          \
  static ::vcl::TClass StaticClass();                                \
  ::vcl::TClass ClassType() const override { return StaticClass(); } \
  static void DescribeClass(::vcl::TClassBuilder<Class>& b);         \
  friend class ::vcl::TClassBuilder<Class>;
