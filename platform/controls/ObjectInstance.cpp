#include "platform/controls/ObjectInstance.h"

#include <array>
#include <mutex>
#include <utility>

#include "platform/base/Exceptions.h"
#include "platform/rtl/Consts.h"

namespace vcl {

namespace {

struct TInstance {
  TWndMethod Method;
  bool Used = false;
};

std::mutex& InstanceLock() {
  static std::mutex lock;
  return lock;
}

std::array<TInstance, MaxObjectInstances>& Instances() {
  static std::array<TInstance, MaxObjectInstances> instances;
  return instances;
}

// One fixed window procedure per instance: a procedure cannot carry its object, so each
// finds its method by its own number.
template <size_t N>
win::LRESULT InstanceProc(win::HWND, win::UINT Msg, win::WPARAM WParam, win::LPARAM LParam) {
  TMessage message;
  message.Msg = Msg;
  message.WParam = WParam;
  message.LParam = LParam;
  const TWndMethod method = Instances()[N].Method;
  if (method) method(message);
  return message.Result;
}

template <size_t... N>
constexpr std::array<win::WNDPROC, sizeof...(N)> MakeProcs(std::index_sequence<N...>) {
  return {&InstanceProc<N>...};
}

constexpr std::array<win::WNDPROC, MaxObjectInstances> kProcs =
    MakeProcs(std::make_index_sequence<MaxObjectInstances>{});

}  // namespace

win::WNDPROC MakeObjectInstance(TWndMethod Method) {
  std::lock_guard<std::mutex> guard(InstanceLock());
  auto& instances = Instances();
  for (size_t i = 0; i < instances.size(); ++i) {
    if (instances[i].Used) continue;
    instances[i].Used = true;
    instances[i].Method = Method;
    return kProcs[i];
  }
  throw EOutOfResources(SOutOfResources);
}

void FreeObjectInstance(win::WNDPROC ObjectInstance) {
  if (!ObjectInstance) return;
  std::lock_guard<std::mutex> guard(InstanceLock());
  for (size_t i = 0; i < kProcs.size(); ++i) {
    if (kProcs[i] != ObjectInstance) continue;
    Instances()[i] = TInstance();
    return;
  }
}

int ObjectInstanceCount() {
  std::lock_guard<std::mutex> guard(InstanceLock());
  int n = 0;
  for (const TInstance& instance : Instances())
    if (instance.Used) ++n;
  return n;
}

}  // namespace vcl
