#include "tests/package/EventsHost.h"

#include <map>
#include <string>
#include <typeinfo>

#include "platform/classes/TypeInfo.h"

namespace packagetest {

ZYL_CLASS_IMPL(TEventsHost) {}

namespace {

void HandlerCalled() {}

bool IsHost(const vcl::TObject* object) { return dynamic_cast<const TEventsHost*>(object); }

}  // namespace

const vcl::TMethodCode* HostHandlerFor(const void* signature) {
  static std::map<const void*, const vcl::TMethodCode*> handlers;
  auto it = handlers.find(signature);
  if (it != handlers.end()) return it->second;
  const size_t index = handlers.size();
  const vcl::TMethodCode* code = vcl::InternMethodCode(
      &index, sizeof(index), signature, typeid(TEventsHost), &IsHost, &HandlerCalled);
  const_cast<vcl::TClassInfo*>(TEventsHost::StaticClass())
      ->AddMethod("On" + std::to_string(index), code);
  return handlers.emplace(signature, code).first->second;
}

}  // namespace packagetest
