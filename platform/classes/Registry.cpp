#include "platform/classes/Registry.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

#include <map>
#include <mutex>

namespace vcl {

namespace {

std::string Key(const std::string& s) {
  std::string k = s;
  for (char& c : k)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return k;
}

std::mutex& RegistryMutex() {
  static std::mutex m;
  return m;
}

std::map<std::string, TClass>& Classes() {
  static auto* classes = new std::map<std::string, TClass>;
  return *classes;
}

void Add(const std::string& name, TClass AClass) {
  std::lock_guard<std::mutex> lock(RegistryMutex());
  auto [it, inserted] = Classes().emplace(Key(name), AClass);
  if (!inserted && it->second != AClass) throw EFilerError(Format(SDuplicateClass, {name}));
}

}  // namespace

void RegisterClass(TClass AClass) {
  if (AClass) Add(AClass->ClassName(), AClass);
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass c : classes) RegisterClass(c);
}

void RegisterClassAlias(TClass AClass, const std::string& Alias) {
  if (AClass) Add(Alias, AClass);
}

void UnRegisterClass(TClass AClass) {
  std::lock_guard<std::mutex> lock(RegistryMutex());
  for (auto it = Classes().begin(); it != Classes().end();) {
    if (it->second == AClass) it = Classes().erase(it);
    else ++it;
  }
}

void UnRegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass c : classes) UnRegisterClass(c);
}

TClass GetClass(const std::string& ClassName) {
  std::lock_guard<std::mutex> lock(RegistryMutex());
  auto it = Classes().find(Key(ClassName));
  return it == Classes().end() ? nullptr : it->second;
}

TClass FindClass(const std::string& ClassName) {
  TClass c = GetClass(ClassName);
  if (!c) throw EClassNotFound(Format(SClassNotFound, {ClassName}));
  return c;
}

std::vector<TClass> RegisteredClasses() {
  std::map<std::string, TClass> byName;
  {
    std::lock_guard<std::mutex> lock(RegistryMutex());
    for (const auto& [key, cls] : Classes()) byName.emplace(Key(cls->ClassName()), cls);
  }
  std::vector<TClass> result;
  for (const auto& [name, cls] : byName) result.push_back(cls);
  return result;
}

}  // namespace vcl
