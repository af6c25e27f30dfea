#include "platform/classes/Events.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <typeindex>

#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

namespace {

// Member pointers of different classes may have equal bytes (the same virtual slot): the
// class is part of the key.
struct TCodeKey {
  std::string Bytes;
  const void* Signature;
  std::type_index Class;
  bool operator<(const TCodeKey& o) const {
    if (Signature != o.Signature) return std::less<const void*>()(Signature, o.Signature);
    if (Class != o.Class) return Class < o.Class;
    return Bytes < o.Bytes;
  }
};

std::mutex& CodeMutex() {
  static std::mutex m;
  return m;
}

std::map<TCodeKey, std::unique_ptr<TMethodCode>>& CodeTable() {
  static auto* table = new std::map<TCodeKey, std::unique_ptr<TMethodCode>>;
  return *table;
}

}  // namespace

const TMethodCode* InternMethodCode(const void* bytes, size_t size, const void* signature,
                                    const std::type_info& cls, bool (*isInstance)(const TObject*),
                                    void (*invoker)()) {
  if (size > sizeof(TMethodCode::Bytes)) size = sizeof(TMethodCode::Bytes);
  TCodeKey key{std::string(static_cast<const char*>(bytes), size), signature, std::type_index(cls)};
  std::lock_guard<std::mutex> lock(CodeMutex());
  auto& table = CodeTable();
  auto it = table.find(key);
  if (it != table.end()) return it->second.get();
  auto code = std::make_unique<TMethodCode>();
  std::memset(code->Bytes, 0, sizeof(code->Bytes));
  std::memcpy(code->Bytes, bytes, size);
  code->Size = size;
  code->Signature = signature;
  code->Class = &cls;
  code->IsInstance = isInstance;
  code->Invoker = invoker;
  const TMethodCode* result = code.get();
  table.emplace(std::move(key), std::move(code));
  return result;
}

void RaiseEventSignatureMismatch() { throw EInvalidCast(SEventSignatureMismatch); }

void RaiseEventObjectMismatch(const TObject* object) {
  throw EInvalidCast(Format(SEventObjectMismatch, {object ? object->ClassName() : std::string()}));
}

const TTypeInfo* MakeMethodTypeInfo(const void* signature) {
  auto* t = new TTypeInfo;
  t->Kind = tkMethod;
  t->TypeName = "TMethod";
  t->Signature = signature;
  return t;
}

}  // namespace vcl
