#include "platform/classes/Events.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace vcl {

namespace {

struct TCodeKey {
  std::string Bytes;
  const void* Signature;
  bool operator<(const TCodeKey& o) const {
    if (Signature != o.Signature) return std::less<const void*>()(Signature, o.Signature);
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
                                    void (*invoker)()) {
  if (size > sizeof(TMethodCode::Bytes)) size = sizeof(TMethodCode::Bytes);
  TCodeKey key{std::string(static_cast<const char*>(bytes), size), signature};
  std::lock_guard<std::mutex> lock(CodeMutex());
  auto& table = CodeTable();
  auto it = table.find(key);
  if (it != table.end()) return it->second.get();
  auto code = std::make_unique<TMethodCode>();
  std::memset(code->Bytes, 0, sizeof(code->Bytes));
  std::memcpy(code->Bytes, bytes, size);
  code->Size = size;
  code->Signature = signature;
  code->Invoker = invoker;
  const TMethodCode* result = code.get();
  table.emplace(std::move(key), std::move(code));
  return result;
}

void RaiseEventSignatureMismatch() {
  throw EInvalidCast("Invalid class typecast: the handler has another signature");
}

const TTypeInfo* MakeMethodTypeInfo(const void* signature) {
  auto* t = new TTypeInfo;
  t->Kind = tkMethod;
  t->TypeName = "TMethod";
  t->Signature = signature;
  return t;
}

}  // namespace vcl
