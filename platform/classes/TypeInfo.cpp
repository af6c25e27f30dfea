#include "platform/classes/TypeInfo.h"

#include <map>
#include <mutex>
#include <utility>

#include "platform/rtl/Consts.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

namespace {

[[noreturn]] void RaiseInvalidType(const TPropInfo* prop) {
  throw EPropertyError(
      Format(SInvalidPropertyType, {prop->PropType ? prop->PropType->Name() : std::string("?")}));
}

[[noreturn]] void RaiseInvalidElement(const std::string& element) {
  throw EPropertyError(Format(SInvalidPropertyElement, {element}));
}

const TPropInfo* Checked(const TPropInfo* prop) {
  if (!prop || !prop->Access) throw EPropertyError(SNoProperty);
  return prop;
}

void CheckKind(const TPropInfo* prop, std::initializer_list<TTypeKind> kinds) {
  Checked(prop);
  for (TTypeKind k : kinds)
    if (prop->Kind() == k) return;
  RaiseInvalidType(prop);
}

// An enumeration takes only the ordinals it names, a set only the bits of its elements: the
// classes index their tables and switch on what they hold.
void CheckInType(const TPropInfo* prop, int64_t value) {
  const TTypeInfo* type = prop->PropType;
  bool inType = true;
  if (type->Kind == tkEnumeration) {
    inType = value >= type->MinValue && value <= type->MaxValue;
  } else if (type->Kind == tkSet && type->CompType) {
    const int64_t elements = type->CompType->MaxValue + 1;
    inType = elements >= 64 || (static_cast<uint64_t>(value) >> elements) == 0;
  }
  if (!inType) throw EPropertyError(SInvalidPropertyValue);
}

// A property of another class would be called on the wrong object.
void CheckOwner(TObject* obj, const TPropInfo* prop) {
  if (prop->OwnerClass && !obj->InheritsFrom(prop->OwnerClass))
    throw EPropertyError(Format(SPropertyOfOtherClass, {prop->Name, obj->ClassName()}));
}

TPropValue Read(TObject* obj, const TPropInfo* prop) {
  if (!obj) throw EPropertyError(Format(SReadPropertyOfNil, {prop->Name}));
  CheckOwner(obj, prop);
  TPropValue v;
  prop->Access->Get(*prop, obj, v);
  return v;
}

void Write(TObject* obj, const TPropInfo* prop, const TPropValue& v) {
  if (!obj) throw EPropertyError(Format(SWritePropertyOfNil, {prop->Name}));
  CheckOwner(obj, prop);
  if (!prop->Access->CanWrite()) typeinfo_detail::RaiseReadOnly(*prop);
  prop->Access->Set(*prop, obj, v);
}

// Writes a value that sets only the given field.
template <class T, class V>
void WriteField(TObject* obj, const TPropInfo* prop, T TPropValue::*field, V&& value) {
  TPropValue v;
  v.*field = std::forward<V>(value);
  Write(obj, prop, v);
}

constexpr std::initializer_list<TTypeKind> kOrdinal = {tkInteger, tkChar, tkEnumeration, tkSet,
                                                       tkWChar};

const TTypeInfo* SetElementType(const TTypeInfo* setType) {
  if (!setType) return nullptr;
  return setType->Kind == tkSet ? setType->CompType : setType;
}

std::mutex& IdentMutex() {
  static std::mutex m;
  return m;
}
std::map<const TTypeInfo*, std::pair<TIdentToInt, TIntToIdent>>& IdentMaps() {
  static auto* maps = new std::map<const TTypeInfo*, std::pair<TIdentToInt, TIntToIdent>>;
  return *maps;
}

}  // namespace

namespace typeinfo_detail {

namespace {
std::mutex& DeclaredMutex() {
  static std::mutex m;
  return m;
}
// The unpublished descriptions of each class, kept for the life of the program like the class
// information itself.
std::map<TClass, std::vector<const TPropInfo*>>& Declared() {
  static auto* declared = new std::map<TClass, std::vector<const TPropInfo*>>;
  return *declared;
}
}  // namespace

void AddDeclared(TClassInfo* info, TPropInfo* prop) {
  prop->OwnerClass = info;
  std::lock_guard<std::mutex> lock(DeclaredMutex());
  Declared()[info].push_back(prop);
}

TPropInfo* Republish(TClassInfo* info, const char* name) {
  const TPropInfo* found = nullptr;
  for (TClass c = info->ClassParent(); c && !found; c = c->ClassParent()) {
    for (const TPropInfo* p : c->OwnProps())
      if (SameText(p->Name, name)) found = p;
    if (found) break;
    std::lock_guard<std::mutex> lock(DeclaredMutex());
    auto it = Declared().find(c);
    if (it != Declared().end())
      for (const TPropInfo* p : it->second)
        if (SameText(p->Name, name)) found = p;
  }
  if (!found) throw EInvalidOperation(Format(SCannotRepublish, {info->ClassName(), name}));
  auto* copy = new TPropInfo(*found);
  info->AddProp(copy);
  return copy;
}

void RaiseInvalidClass(const TPropInfo& prop) {
  throw EInvalidCast(Format(SPropertyTypecast, {prop.Name}));
}
void RaiseReadOnly(const TPropInfo& prop) {
  throw EPropertyError(Format(SReadOnlyProperty, {prop.Name}));
}
}  // namespace typeinfo_detail

// ---------------------------------------------------------------------------------------------
// Lookup

const TPropInfo* GetPropInfo(TClass cls, const std::string& name) {
  return cls ? cls->FindProp(name) : nullptr;
}

const TPropInfo* GetPropInfo(const TObject* obj, const std::string& name) {
  return obj ? obj->ClassType()->FindProp(name) : nullptr;
}

const TPropInfo* FindPropInfo(const TObject* obj, const std::string& name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p) throw EPropertyError(Format(SUnknownProperty, {name}));
  return p;
}

std::vector<const TPropInfo*> GetPropList(TClass cls) {
  return cls ? cls->AllProps() : std::vector<const TPropInfo*>();
}

std::vector<const TPropInfo*> GetPropList(const TObject* obj) {
  return obj ? GetPropList(obj->ClassType()) : std::vector<const TPropInfo*>();
}

std::vector<const TPropInfo*> GetPropList(TClass cls, TSet<TTypeKind> kinds) {
  std::vector<const TPropInfo*> result;
  if (!cls) return result;
  for (const TPropInfo* p : cls->AllProps())
    if (kinds.contains(p->Kind())) result.push_back(p);
  return result;
}

bool IsPublishedProp(const TObject* obj, const std::string& name) {
  return GetPropInfo(obj, name) != nullptr;
}

TTypeKind PropType(const TObject* obj, const std::string& name) {
  return FindPropInfo(obj, name)->Kind();
}

// ---------------------------------------------------------------------------------------------
// Access by property information

int64_t GetOrdProp(TObject* obj, const TPropInfo* prop) {
  CheckKind(prop, kOrdinal);
  return Read(obj, prop).Ord;
}

void SetOrdProp(TObject* obj, const TPropInfo* prop, int64_t value) {
  CheckKind(prop, kOrdinal);
  CheckInType(prop, value);
  WriteField(obj, prop, &TPropValue::Ord, value);
}

int64_t GetInt64Prop(TObject* obj, const TPropInfo* prop) {
  CheckKind(prop, {tkInt64, tkInteger});
  return Read(obj, prop).Ord;
}

void SetInt64Prop(TObject* obj, const TPropInfo* prop, int64_t value) {
  CheckKind(prop, {tkInt64, tkInteger});
  WriteField(obj, prop, &TPropValue::Ord, value);
}

double GetFloatProp(TObject* obj, const TPropInfo* prop) {
  CheckKind(prop, {tkFloat});
  return Read(obj, prop).Float;
}

void SetFloatProp(TObject* obj, const TPropInfo* prop, double value) {
  CheckKind(prop, {tkFloat});
  WriteField(obj, prop, &TPropValue::Float, value);
}

std::string GetStrProp(TObject* obj, const TPropInfo* prop) {
  CheckKind(prop, {tkLString, tkString, tkWString});
  return Read(obj, prop).Str;
}

void SetStrProp(TObject* obj, const TPropInfo* prop, const std::string& value) {
  CheckKind(prop, {tkLString, tkString, tkWString});
  WriteField(obj, prop, &TPropValue::Str, value);
}

TObject* GetObjectProp(TObject* obj, const TPropInfo* prop) {
  CheckKind(prop, {tkClass});
  return Read(obj, prop).Obj;
}

void SetObjectProp(TObject* obj, const TPropInfo* prop, TObject* value) {
  CheckKind(prop, {tkClass});
  if (value) {
    TClass expected = prop->PropType->ClassType();
    if (expected && !value->InheritsFrom(expected)) typeinfo_detail::RaiseInvalidClass(*prop);
  }
  WriteField(obj, prop, &TPropValue::Obj, value);
}

TMethod GetMethodProp(TObject* obj, const TPropInfo* prop) {
  CheckKind(prop, {tkMethod});
  return Read(obj, prop).Method;
}

void SetMethodProp(TObject* obj, const TPropInfo* prop, const TMethod& value) {
  CheckKind(prop, {tkMethod});
  WriteField(obj, prop, &TPropValue::Method, value);
}

std::string GetEnumProp(TObject* obj, const TPropInfo* prop) {
  CheckKind(prop, {tkEnumeration});
  return GetEnumName(prop->PropType, Read(obj, prop).Ord);
}

void SetEnumProp(TObject* obj, const TPropInfo* prop, const std::string& value) {
  CheckKind(prop, {tkEnumeration});
  int64_t n = GetEnumValue(prop->PropType, value);
  if (n < 0) RaiseInvalidElement(value);
  WriteField(obj, prop, &TPropValue::Ord, n);
}

std::string GetSetProp(TObject* obj, const TPropInfo* prop, bool brackets) {
  CheckKind(prop, {tkSet});
  return SetToString(prop->PropType, static_cast<uint64_t>(Read(obj, prop).Ord), brackets);
}

void SetSetProp(TObject* obj, const TPropInfo* prop, const std::string& value) {
  CheckKind(prop, {tkSet});
  WriteField(obj, prop, &TPropValue::Ord, static_cast<int64_t>(StringToSet(prop->PropType, value)));
}

// ---------------------------------------------------------------------------------------------
// Access by name

int64_t GetOrdProp(TObject* obj, const std::string& name) { return GetOrdProp(obj, FindPropInfo(obj, name)); }
void SetOrdProp(TObject* obj, const std::string& name, int64_t value) { SetOrdProp(obj, FindPropInfo(obj, name), value); }
int64_t GetInt64Prop(TObject* obj, const std::string& name) { return GetInt64Prop(obj, FindPropInfo(obj, name)); }
void SetInt64Prop(TObject* obj, const std::string& name, int64_t value) { SetInt64Prop(obj, FindPropInfo(obj, name), value); }
double GetFloatProp(TObject* obj, const std::string& name) { return GetFloatProp(obj, FindPropInfo(obj, name)); }
void SetFloatProp(TObject* obj, const std::string& name, double value) { SetFloatProp(obj, FindPropInfo(obj, name), value); }
std::string GetStrProp(TObject* obj, const std::string& name) { return GetStrProp(obj, FindPropInfo(obj, name)); }
void SetStrProp(TObject* obj, const std::string& name, const std::string& value) { SetStrProp(obj, FindPropInfo(obj, name), value); }
TObject* GetObjectProp(TObject* obj, const std::string& name) { return GetObjectProp(obj, FindPropInfo(obj, name)); }
void SetObjectProp(TObject* obj, const std::string& name, TObject* value) { SetObjectProp(obj, FindPropInfo(obj, name), value); }
TMethod GetMethodProp(TObject* obj, const std::string& name) { return GetMethodProp(obj, FindPropInfo(obj, name)); }
void SetMethodProp(TObject* obj, const std::string& name, const TMethod& value) { SetMethodProp(obj, FindPropInfo(obj, name), value); }
std::string GetEnumProp(TObject* obj, const std::string& name) { return GetEnumProp(obj, FindPropInfo(obj, name)); }
void SetEnumProp(TObject* obj, const std::string& name, const std::string& value) { SetEnumProp(obj, FindPropInfo(obj, name), value); }
std::string GetSetProp(TObject* obj, const std::string& name, bool brackets) { return GetSetProp(obj, FindPropInfo(obj, name), brackets); }
void SetSetProp(TObject* obj, const std::string& name, const std::string& value) { SetSetProp(obj, FindPropInfo(obj, name), value); }

// ---------------------------------------------------------------------------------------------
// Values as text

std::string GetPropValue(TObject* obj, const TPropInfo* prop) {
  Checked(prop);
  switch (prop->Kind()) {
    case tkInteger: case tkInt64: return IntToStr(Read(obj, prop).Ord);
    case tkChar: case tkWChar: return std::string(1, static_cast<char>(Read(obj, prop).Ord));
    case tkEnumeration: return GetEnumName(prop->PropType, Read(obj, prop).Ord);
    case tkSet: return SetToString(prop->PropType, static_cast<uint64_t>(Read(obj, prop).Ord), true);
    case tkFloat: return FloatToStr(Read(obj, prop).Float);
    case tkString: case tkLString: case tkWString: return Read(obj, prop).Str;
    default: RaiseInvalidType(prop);
  }
}

void SetPropValue(TObject* obj, const TPropInfo* prop, const std::string& value) {
  Checked(prop);
  TPropValue v;
  switch (prop->Kind()) {
    case tkInteger: {
      int32_t n = 0;
      TIdentToInt identToInt = FindIdentToInt(prop->PropType);
      if (!(identToInt && identToInt(value, n))) n = StrToInt(value);
      v.Ord = n;
      break;
    }
    case tkInt64: v.Ord = StrToInt64(value); break;
    case tkChar: case tkWChar:
      if (value.size() > 1) RaiseInvalidElement(value);
      v.Ord = value.empty() ? 0 : static_cast<unsigned char>(value[0]);
      break;
    case tkEnumeration: {
      int64_t n = GetEnumValue(prop->PropType, value);
      int32_t number = 0;
      if (n < 0 && TryStrToInt(value, number) && number >= prop->PropType->MinValue &&
          number <= prop->PropType->MaxValue)
        n = number;
      if (n < 0) RaiseInvalidElement(value);
      v.Ord = n;
      break;
    }
    case tkSet: v.Ord = static_cast<int64_t>(StringToSet(prop->PropType, value)); break;
    case tkFloat: v.Float = StrToFloat(value); break;
    case tkString: case tkLString: case tkWString: v.Str = value; break;
    default: RaiseInvalidType(prop);
  }
  Write(obj, prop, v);
}

std::string GetPropValue(TObject* obj, const std::string& name) {
  return GetPropValue(obj, FindPropInfo(obj, name));
}

void SetPropValue(TObject* obj, const std::string& name, const std::string& value) {
  SetPropValue(obj, FindPropInfo(obj, name), value);
}

// ---------------------------------------------------------------------------------------------
// Sets as text

std::string SetToString(const TTypeInfo* setType, uint64_t bits, bool brackets) {
  const TTypeInfo* elem = SetElementType(setType);
  std::string s;
  for (int i = 0; i < 64; ++i) {
    if (!(bits & (uint64_t{1} << i))) continue;
    std::string name = GetEnumName(elem, i);
    if (name.empty()) name = std::to_string(i);
    if (!s.empty()) s += ',';
    s += name;
  }
  return brackets ? "[" + s + "]" : s;
}

uint64_t StringToSet(const TTypeInfo* setType, const std::string& text) {
  const TTypeInfo* elem = SetElementType(setType);
  std::string t = text;
  size_t b = t.find_first_not_of(" \t");
  size_t e = t.find_last_not_of(" \t");
  t = b == std::string::npos ? std::string() : t.substr(b, e - b + 1);
  if (!t.empty() && t.front() == '[') {
    if (t.size() < 2 || t.back() != ']') RaiseInvalidElement(text);
    t = t.substr(1, t.size() - 2);
  }
  uint64_t bits = 0;
  size_t start = 0;
  while (start <= t.size()) {
    size_t comma = t.find(',', start);
    if (comma == std::string::npos) comma = t.size();
    std::string name = t.substr(start, comma - start);
    size_t nb = name.find_first_not_of(" \t");
    size_t ne = name.find_last_not_of(" \t");
    name = nb == std::string::npos ? std::string() : name.substr(nb, ne - nb + 1);
    if (!name.empty()) {
      int64_t v = GetEnumValue(elem, name);
      if (v < 0 || v >= 64) RaiseInvalidElement(name);
      bits |= uint64_t{1} << v;
    } else if (comma < t.size()) {
      RaiseInvalidElement(text);  // an empty element between commas
    }
    start = comma + 1;
  }
  return bits;
}

// ---------------------------------------------------------------------------------------------
// Stored and default rules

bool IsStoredProp(TObject* obj, const TPropInfo* prop) {
  Checked(prop);
  if (prop->StoredRule == srPredicate) {
    if (!obj) throw EPropertyError(Format(SReadPropertyOfNil, {prop->Name}));
    CheckOwner(obj, prop);
  }
  switch (prop->StoredRule) {
    case srAlways: return true;
    case srNever: return false;
    case srPredicate: return prop->StoredFunc ? prop->StoredFunc->IsStored(obj) : true;
  }
  return true;
}

bool IsStoredProp(TObject* obj, const std::string& name) {
  return IsStoredProp(obj, FindPropInfo(obj, name));
}

bool IsDefaultPropValue(TObject* obj, const TPropInfo* prop) {
  Checked(prop);
  TPropValue v = Read(obj, prop);
  switch (prop->Kind()) {
    case tkInteger: case tkChar: case tkEnumeration: case tkSet: case tkWChar:
      return prop->HasDefault() && v.Ord == prop->Default;
    case tkInt64:
      return prop->HasDefault() ? v.Ord == prop->Default : v.Ord == 0;
    case tkFloat: return v.Float == 0;
    case tkString: case tkLString: case tkWString: return v.Str.empty();
    case tkClass: return v.Obj == nullptr;
    case tkMethod: return !v.Method.Assigned();
    default: return false;
  }
}

// ---------------------------------------------------------------------------------------------
// Identifier maps of integer types

void RegisterIntegerConsts(const TTypeInfo* intType, TIdentToInt identToInt,
                           TIntToIdent intToIdent) {
  std::lock_guard<std::mutex> lock(IdentMutex());
  IdentMaps()[intType] = {identToInt, intToIdent};
}

const TTypeInfo* MakeIntegerConstsTypeInfo(const char* typeName, int64_t minValue, int64_t maxValue,
                                           TIdentToInt identToInt, TIntToIdent intToIdent) {
  const TTypeInfo* t = MakeIntegerTypeInfo(typeName, minValue, maxValue);
  RegisterIntegerConsts(t, identToInt, intToIdent);
  return t;
}

TIdentToInt FindIdentToInt(const TTypeInfo* intType) {
  std::lock_guard<std::mutex> lock(IdentMutex());
  auto it = IdentMaps().find(intType);
  return it == IdentMaps().end() ? nullptr : it->second.first;
}

TIntToIdent FindIntToIdent(const TTypeInfo* intType) {
  std::lock_guard<std::mutex> lock(IdentMutex());
  auto it = IdentMaps().find(intType);
  return it == IdentMaps().end() ? nullptr : it->second.second;
}

}  // namespace vcl
