#include "platform/controls/Messages.h"

#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace vcl {

class TMessageMapEntries {
 public:
  std::unordered_map<UINT, TMessageHandler> Handlers;
};

void AddMessageHandler(TMessageMapEntries& entries, UINT msg, TMessageHandler handler) {
  entries.Handlers[msg] = std::move(handler);
}

namespace {

struct TPending {
  TClass (*Getter)();
  TMessageMapFiller Filler;
};

struct TMapRegistry {
  std::recursive_mutex Lock;
  std::vector<TPending> Pending;
  // The handlers each class declares itself.
  std::unordered_map<TClass, std::unique_ptr<TMessageMapEntries>> Own;
  // Per class: every handler of the class chain, the nearest declaration winning.
  std::unordered_map<TClass, std::unique_ptr<std::unordered_map<UINT, const TMessageHandler*>>> Flat;
};

TMapRegistry& Registry() {
  static TMapRegistry* r = new TMapRegistry;
  return *r;
}

// Builds the maps registered since the last look-up (the class information is made here, not
// during static initialisation).
void ResolvePending(TMapRegistry& r) {
  if (r.Pending.empty()) return;
  std::vector<TPending> pending;
  pending.swap(r.Pending);
  for (const TPending& p : pending) {
    TClass cls = p.Getter();
    auto& own = r.Own[cls];
    if (!own) own = std::make_unique<TMessageMapEntries>();
    p.Filler(*own);
  }
  r.Flat.clear();
}

const std::unordered_map<UINT, const TMessageHandler*>& FlatMap(TMapRegistry& r, TClass cls) {
  auto it = r.Flat.find(cls);
  if (it != r.Flat.end()) return *it->second;
  auto flat = std::make_unique<std::unordered_map<UINT, const TMessageHandler*>>();
  for (TClass c = cls; c; c = c->ClassParent()) {
    auto own = r.Own.find(c);
    if (own == r.Own.end()) continue;
    for (const auto& [msg, handler] : own->second->Handlers) flat->emplace(msg, &handler);
  }
  auto& result = *flat;
  r.Flat.emplace(cls, std::move(flat));
  return result;
}

const TMessageHandler* FindHandler(TClass cls, UINT msg) {
  if (!cls) return nullptr;
  TMapRegistry& r = Registry();
  std::lock_guard<std::recursive_mutex> guard(r.Lock);
  ResolvePending(r);
  const auto& flat = FlatMap(r, cls);
  auto it = flat.find(msg);
  return it == flat.end() ? nullptr : it->second;
}

}  // namespace

TMessageMapRegistration::TMessageMapRegistration(TClass (*classGetter)(), TMessageMapFiller filler) {
  TMapRegistry& r = Registry();
  std::lock_guard<std::recursive_mutex> guard(r.Lock);
  r.Pending.push_back({classGetter, filler});
}

bool DispatchMessageMap(TObject* Self, TClass cls, TMessage& Message) {
  const TMessageHandler* handler = FindHandler(cls, Message.Msg);
  if (!handler) return false;
  (*handler)(Self, Message);
  return true;
}

void InheritedMessage(TObject* Self, TClass from, TMessage& Message) {
  if (!from || !DispatchMessageMap(Self, from->ClassParent(), Message)) Self->DefaultHandler(&Message);
}

bool HandlesMessage(TClass cls, UINT msg) { return FindHandler(cls, msg) != nullptr; }

}  // namespace vcl
