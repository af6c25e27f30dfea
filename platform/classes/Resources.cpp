#include "platform/classes/Resources.h"

#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <vector>

#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

ZYL_CLASS_IMPL(TResourceStream) {}

const char* const RT_CURSOR = "#1";
const char* const RT_BITMAP = "#2";
const char* const RT_ICON = "#3";
const char* const RT_MENU = "#4";
const char* const RT_DIALOG = "#5";
const char* const RT_STRING = "#6";
const char* const RT_RCDATA = "#10";
const char* const RT_GROUP_CURSOR = "#12";
const char* const RT_GROUP_ICON = "#14";

win::HINSTANCE HInstance = nullptr;

namespace {

using TKey = std::tuple<win::HINSTANCE, std::string, std::string>;

std::string Upper(const std::string& s) {
  std::string u = s;
  for (char& c : u)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return u;
}

std::mutex& ResMutex() {
  static std::mutex m;
  return m;
}

// Data blocks are shared so that a stream keeps its bytes even if the entry is replaced.
std::map<TKey, std::shared_ptr<std::vector<uint8_t>>>& Table() {
  static auto* t = new std::map<TKey, std::shared_ptr<std::vector<uint8_t>>>;
  return *t;
}

}  // namespace

std::string ResourceId(int id) { return "#" + std::to_string(id); }

void RegisterResource(win::HINSTANCE instance, const std::string& type, const std::string& name,
                      const void* data, size_t size) {
  auto block = std::make_shared<std::vector<uint8_t>>(size);
  if (size) std::memcpy(block->data(), data, size);
  std::lock_guard<std::mutex> lock(ResMutex());
  Table()[TKey(instance, Upper(type), Upper(name))] = std::move(block);
}

bool UnregisterResource(win::HINSTANCE instance, const std::string& type, const std::string& name) {
  std::lock_guard<std::mutex> lock(ResMutex());
  return Table().erase(TKey(instance, Upper(type), Upper(name))) > 0;
}

bool FindResourceData(win::HINSTANCE instance, const std::string& type, const std::string& name,
                      const void*& data, size_t& size) {
  std::lock_guard<std::mutex> lock(ResMutex());
  auto it = Table().find(TKey(instance, Upper(type), Upper(name)));
  if (it == Table().end()) return false;
  data = it->second->data();
  size = it->second->size();
  return true;
}

TResourceStream::TResourceStream(win::HINSTANCE Instance, const std::string& ResName,
                                 const std::string& ResType) {
  Initialize(Instance, ResName, ResType);
}

TResourceStream::TResourceStream(win::HINSTANCE Instance, int ResID, const std::string& ResType) {
  Initialize(Instance, ResourceId(ResID), ResType);
}

void TResourceStream::Initialize(win::HINSTANCE Instance, const std::string& Name,
                                 const std::string& Type) {
  std::shared_ptr<std::vector<uint8_t>> block;
  {
    std::lock_guard<std::mutex> lock(ResMutex());
    auto it = Table().find(TKey(Instance, Upper(Type), Upper(Name)));
    if (it != Table().end()) block = it->second;
  }
  if (!block) throw EResNotFound(Format(SResNotFound, {Name}));
  block_ = block;
  SetPointer(block->data(), static_cast<int64_t>(block->size()));
}

int32_t TResourceStream::Write(const void*, int32_t) {
  throw EStreamError(SCantWriteResourceStream);
}

}  // namespace vcl
