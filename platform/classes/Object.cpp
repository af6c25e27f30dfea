#include "platform/classes/Object.h"

#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

namespace {

std::mutex& TypeInfoMutex() {
  static std::mutex m;
  return m;
}

TTypeInfo* NewTypeInfo(TTypeKind kind, const char* name) {
  // Type information lives for the program; kept reachable for leak checkers.
  static std::vector<std::unique_ptr<TTypeInfo>>* all = new std::vector<std::unique_ptr<TTypeInfo>>;
  auto info = std::make_unique<TTypeInfo>();
  info->Kind = kind;
  info->TypeName = name ? name : "";
  TTypeInfo* raw = info.get();
  std::lock_guard<std::mutex> lock(TypeInfoMutex());
  all->push_back(std::move(info));
  return raw;
}

const TTypeInfo* OrdInfo(const char* name, TOrdType ot, int64_t lo, int64_t hi,
                         TTypeKind kind = tkInteger) {
  TTypeInfo* t = NewTypeInfo(kind, name);
  t->OrdType = ot;
  t->MinValue = lo;
  t->MaxValue = hi;
  return t;
}

std::string Trimmed(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return std::string();
  size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Type information

const std::string& TTypeInfo::Name() const {
  if (Kind == tkClass && TypeName.empty()) {
    if (TClass c = ClassType()) return c->ClassName();
  }
  return TypeName;
}

const TTypeInfo* MakeEnumTypeInfo(const char* typeName, const char* namesText) {
  TTypeInfo* t = NewTypeInfo(tkEnumeration, typeName);
  std::string text = namesText ? namesText : "";
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    std::string name = Trimmed(text.substr(start, comma - start));
    // "name = value" forms keep only the name; values must run from zero without gaps.
    size_t eq = name.find('=');
    if (eq != std::string::npos) name = Trimmed(name.substr(0, eq));
    if (!name.empty()) t->Names.push_back(name);
    start = comma + 1;
  }
  t->MinValue = 0;
  t->MaxValue = static_cast<int64_t>(t->Names.size()) - 1;
  t->OrdType = t->Names.size() <= 256 ? otUByte : otUWord;
  return t;
}

const TTypeInfo* MakeSetTypeInfo(const TTypeInfo* element) {
  static std::map<const TTypeInfo*, const TTypeInfo*>* sets =
      new std::map<const TTypeInfo*, const TTypeInfo*>;
  {
    std::lock_guard<std::mutex> lock(TypeInfoMutex());
    auto it = sets->find(element);
    if (it != sets->end()) return it->second;
  }
  std::string name = element ? element->Name() + "s" : std::string("set");
  TTypeInfo* t = NewTypeInfo(tkSet, name.c_str());
  t->CompType = element;
  t->OrdType = otULong;
  std::lock_guard<std::mutex> lock(TypeInfoMutex());
  auto [it, inserted] = sets->emplace(element, t);
  return it->second;
}

const TTypeInfo* MakeClassTypeInfo(TClass (*getter)()) {
  TTypeInfo* t = NewTypeInfo(tkClass, "");
  t->ClassGetter = getter;
  return t;
}

const TTypeInfo* MakeIntegerTypeInfo(const char* typeName, int64_t minValue, int64_t maxValue) {
  return OrdInfo(typeName, otSLong, minValue, maxValue);
}

const TTypeInfo* MakeStringTypeInfo(const char* typeName) {
  return NewTypeInfo(tkLString, typeName);
}

const TTypeInfo* ZylTypeInfo(int8_t*) {
  static const TTypeInfo* t = OrdInfo("ShortInt", otSByte, INT8_MIN, INT8_MAX);
  return t;
}
const TTypeInfo* ZylTypeInfo(uint8_t*) {
  static const TTypeInfo* t = OrdInfo("Byte", otUByte, 0, UINT8_MAX);
  return t;
}
const TTypeInfo* ZylTypeInfo(int16_t*) {
  static const TTypeInfo* t = OrdInfo("SmallInt", otSWord, INT16_MIN, INT16_MAX);
  return t;
}
const TTypeInfo* ZylTypeInfo(uint16_t*) {
  static const TTypeInfo* t = OrdInfo("Word", otUWord, 0, UINT16_MAX);
  return t;
}
const TTypeInfo* ZylTypeInfo(int32_t*) {
  static const TTypeInfo* t = OrdInfo("Integer", otSLong, INT32_MIN, INT32_MAX);
  return t;
}
const TTypeInfo* ZylTypeInfo(uint32_t*) {
  static const TTypeInfo* t = OrdInfo("Cardinal", otULong, 0, UINT32_MAX);
  return t;
}
const TTypeInfo* ZylTypeInfo(int64_t*) {
  static const TTypeInfo* t = OrdInfo("Int64", otSLong, INT64_MIN, INT64_MAX, tkInt64);
  return t;
}
const TTypeInfo* ZylTypeInfo(bool*) {
  static const TTypeInfo* t = MakeEnumTypeInfo("Boolean", "False, True");
  return t;
}
const TTypeInfo* ZylTypeInfo(char*) {
  static const TTypeInfo* t = OrdInfo("Char", otUByte, 0, 255, tkChar);
  return t;
}
const TTypeInfo* ZylTypeInfo(float*) {
  static const TTypeInfo* t = [] {
    TTypeInfo* f = NewTypeInfo(tkFloat, "Single");
    f->FloatType = ftSingle;
    return f;
  }();
  return t;
}
const TTypeInfo* ZylTypeInfo(double*) {
  static const TTypeInfo* t = [] {
    TTypeInfo* f = NewTypeInfo(tkFloat, "Double");
    f->FloatType = ftDouble;
    return f;
  }();
  return t;
}
const TTypeInfo* ZylTypeInfo(std::string*) {
  static const TTypeInfo* t = NewTypeInfo(tkLString, "string");
  return t;
}

std::string GetEnumName(const TTypeInfo* info, int64_t value) {
  if (!info) return std::string();
  if (info->Kind == tkInteger || info->Kind == tkChar || info->Kind == tkInt64)
    return std::to_string(value);
  if (value < 0 || value >= static_cast<int64_t>(info->Names.size())) return std::string();
  return info->Names[static_cast<size_t>(value)];
}

int64_t GetEnumValue(const TTypeInfo* info, const std::string& name) {
  if (!info) return -1;
  std::string n = Trimmed(name);
  for (size_t i = 0; i < info->Names.size(); ++i)
    if (SameText(info->Names[i], n)) return static_cast<int64_t>(i);
  return -1;
}

// ---------------------------------------------------------------------------------------------
// Class information

TClassInfo::TClassInfo(std::string name, TClass parent)
    : name_(std::move(name)), parent_(parent) {}

bool TClassInfo::InheritsFrom(TClass ancestor) const {
  for (TClass c = this; c; c = c->parent_)
    if (c == ancestor) return true;
  return false;
}

TComponent* TClassInfo::Create(TComponent* AOwner) const {
  if (factoryKind_ != fkComponent || !factory_)
    throw EInvalidOperation(Format(SNotAComponentClass, {name_}));
  return static_cast<TComponent*>(factory_(AOwner));
}

TCollectionItem* TClassInfo::CreateItem(TCollection* ACollection) const {
  if (factoryKind_ != fkCollectionItem || !factory_)
    throw EInvalidOperation(Format(SNotAnItemClass, {name_}));
  return static_cast<TCollectionItem*>(factory_(ACollection));
}

TObject* TClassInfo::CreateInstance() const {
  if (!factory_) throw EInvalidOperation(Format(SAbstractClass, {name_}));
  return factory_(nullptr);
}

// The chain's properties, with a case-insensitive index; class information never changes once
// built, so this is made once and kept.
struct TClassInfo::TCache {
  std::vector<const TPropInfo*> All;
  std::unordered_map<std::string, const TPropInfo*> ByName;
};

const TClassInfo::TCache& TClassInfo::Cache() const {
  if (const TCache* c = cache_.load(std::memory_order_acquire)) return *c;
  static std::mutex buildMutex;
  std::lock_guard<std::mutex> lock(buildMutex);
  if (const TCache* c = cache_.load(std::memory_order_acquire)) return *c;
  auto* cache = new TCache;
  std::vector<TClass> chain;
  for (TClass c = this; c; c = c->parent_) chain.push_back(c);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const TPropInfo* p : (*it)->props_) {
      const std::string key = LowerCase(p->Name);
      auto found = cache->ByName.find(key);
      if (found != cache->ByName.end()) {
        // A redeclared property keeps its ancestor's place.
        for (auto& q : cache->All)
          if (q == found->second) q = p;
        found->second = p;
      } else {
        cache->All.push_back(p);
        cache->ByName.emplace(key, p);
      }
    }
  }
  cache_.store(cache, std::memory_order_release);
  return *cache;
}

const std::vector<const TPropInfo*>& TClassInfo::AllProps() const { return Cache().All; }

const TPropInfo* TClassInfo::FindProp(const std::string& name) const {
  const TCache& c = Cache();
  auto it = c.ByName.find(LowerCase(name));
  return it == c.ByName.end() ? nullptr : it->second;
}

const TMethodCode* TClassInfo::MethodAddress(const std::string& name) const {
  for (TClass c = this; c; c = c->parent_)
    for (const auto& m : c->methods_)
      if (SameText(m.Name, name)) return m.Code;
  return nullptr;
}

std::string TClassInfo::MethodName(const TMethodCode* code) const {
  if (!code) return std::string();
  for (TClass c = this; c; c = c->parent_)
    for (const auto& m : c->methods_)
      if (m.Code == code) return m.Name;
  return std::string();
}

void TClassInfo::SetFactory(TFactoryKind kind, TFactory factory) {
  factoryKind_ = factory ? kind : fkNone;
  factory_ = factory;
}

void TClassInfo::AddProp(TPropInfo* prop) {
  prop->OwnerClass = this;
  prop->NameIndex = static_cast<int>(props_.size());
  props_.push_back(prop);
}

void TClassInfo::AddMethod(const std::string& name, const TMethodCode* code) {
  methods_.push_back({name, code});
}

void TClassInfo::AddField(const std::string& name, TFieldSetter setter, const void* member,
                          size_t size) {
  TFieldEntry e{name, setter, {}};
  std::memcpy(e.Member, member, size < sizeof(e.Member) ? size : sizeof(e.Member));
  fields_.push_back(e);
}

bool TClassInfo::SetField(TObject* self, const std::string& name, TObject* value) const {
  for (TClass c = this; c; c = c->parent_)
    for (const auto& f : c->fields_)
      if (SameText(f.Name, name)) {
        f.Setter(self, value, f.Member);
        return true;
      }
  return false;
}

namespace typeinfo_detail {

TClassInfo* NewClassInfo(const char* qualifiedName, TClass parent) {
  std::string name = qualifiedName ? qualifiedName : "";
  size_t colon = name.rfind("::");
  if (colon != std::string::npos) name = name.substr(colon + 2);
  auto* info = new TClassInfo(name, parent);
  // The class type's own type information refers back to the class info.
  return info;
}

}  // namespace typeinfo_detail

// ---------------------------------------------------------------------------------------------
// TObject

TObject::~TObject() = default;

TClass TObject::StaticClass() {
  static const TClass info = [] {
    auto* i = new TClassInfo("TObject", nullptr);
    i->SetClassTypeInfo(TypeInfoOf<TObject*>());
    i->SetCppType(&typeid(TObject), false);
    return i;
  }();
  return info;
}

const std::string& TObject::ClassName() const { return ClassType()->ClassName(); }
TClass TObject::ClassParent() const { return ClassType()->ClassParent(); }
bool TObject::InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }
bool TObject::ClassNameIs(const std::string& name) const { return SameText(ClassName(), name); }

const TMethodCode* TObject::MethodAddress(const std::string& name) const {
  return ClassType()->MethodAddress(name);
}
std::string TObject::MethodName(const TMethodCode* code) const {
  return ClassType()->MethodName(code);
}
bool TObject::SetFieldValue(const std::string& name, TObject* value) {
  return ClassType()->SetField(this, name, value);
}

void TObject::AfterConstruction() {}

void TObject::Dispatch(void* Message) { DefaultHandler(Message); }
void TObject::DefaultHandler(void*) {}

}  // namespace vcl
