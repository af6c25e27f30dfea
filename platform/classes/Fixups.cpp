#include "platform/classes/Fixups.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/classes/FilerInternal.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {
namespace filer_detail {
namespace {

std::mutex& FixupMutex() {
  static std::mutex m;
  return m;
}
// Waiting references by the root they were read into, so that fixing up one root costs only
// its own references; Cross counts those into other roots.
struct TFixupBucket {
  std::vector<TPropFixup> Items;
  size_t Cross = 0;
};
std::unordered_map<TComponent*, TFixupBucket>& GlobalFixups() {
  static std::unordered_map<TComponent*, TFixupBucket> fixups;
  return fixups;
}
std::mutex& FinderMutex() {
  static std::mutex m;
  return m;
}
std::vector<TFindGlobalComponent>& GlobalFinders() {
  static std::vector<TFindGlobalComponent> finders;
  return finders;
}

// Resolves the reference of one fixup, or nullptr when its target cannot be found (yet).
TComponent* ResolveFixup(const TPropFixup& f) {
  if (f.RootName.empty()) return FindNestedComponent(f.InstanceRoot, f.Name);
  // "Frame1.Button1" may name a component below the root itself.
  for (TComponent* root : {f.InstanceRoot, f.Root}) {
    if (!root) continue;
    if (SameText(f.RootName, root->Name())) return FindNestedComponent(root, f.Name);
    if (TComponent* local = root->FindComponent(f.RootName))
      return FindNestedComponent(local, f.Name);
  }
  TComponent* other = FindGlobalComponent(f.RootName);
  return other ? FindNestedComponent(other, f.Name) : nullptr;
}

void ApplyFixup(const TPropFixup& f, TComponent* target) {
  try {
    SetObjectProp(f.Instance, f.Prop, target);
  } catch (const EFilerError&) {
    throw;
  } catch (const Exception& e) {
    throw EReadError(Format(SInvalidPropertyReference, {f.Prop->Name, e.Message()}));
  }
}

}  // namespace

void AddFixup(TPropFixup fixup) {
  std::lock_guard<std::mutex> lock(FixupMutex());
  TFixupBucket& bucket = GlobalFixups()[fixup.InstanceRoot];
  if (!fixup.RootName.empty()) ++bucket.Cross;
  bucket.Items.push_back(std::move(fixup));
}

void RemoveFixupsIf(const std::function<bool(const TPropFixup&)>& pred) {
  std::lock_guard<std::mutex> lock(FixupMutex());
  auto& fixups = GlobalFixups();
  for (auto it = fixups.begin(); it != fixups.end();) {
    auto& items = it->second.Items;
    items.erase(std::remove_if(items.begin(), items.end(), pred), items.end());
    it->second.Cross = static_cast<size_t>(std::count_if(
        items.begin(), items.end(), [](const TPropFixup& f) { return !f.RootName.empty(); }));
    it = items.empty() ? fixups.erase(it) : std::next(it);
  }
}

void CollectOwned(TComponent* c, std::unordered_set<TComponent*>& out) {
  out.insert(c);
  for (int i = 0; i < c->ComponentCount(); ++i) CollectOwned(c->Components(i), out);
}

void ResolveFixups(TComponent* root, bool crossOnly,
                   const std::function<bool(const TPropFixup&)>& dropUnresolved) {
  std::vector<std::pair<TPropFixup, TComponent*>> resolved;
  {
    std::lock_guard<std::mutex> lock(FixupMutex());
    auto& fixups = GlobalFixups();
    auto visit = [&](TFixupBucket& bucket) {
      std::vector<TPropFixup> keep;
      size_t cross = 0;
      for (TPropFixup& f : bucket.Items) {
        TComponent* target = crossOnly && f.RootName.empty() ? nullptr : ResolveFixup(f);
        if (target) {
          resolved.emplace_back(std::move(f), target);
        } else if ((crossOnly && f.RootName.empty()) || !dropUnresolved(f)) {
          if (!f.RootName.empty()) ++cross;
          keep.push_back(std::move(f));
        }
      }
      bucket.Items.swap(keep);
      bucket.Cross = cross;
    };
    if (crossOnly) {
      for (auto it = fixups.begin(); it != fixups.end();) {
        if (it->second.Cross > 0) visit(it->second);
        it = it->second.Items.empty() ? fixups.erase(it) : std::next(it);
      }
    } else if (auto it = fixups.find(root); it != fixups.end()) {
      visit(it->second);
      if (it->second.Items.empty()) fixups.erase(it);
    }
  }
  std::unordered_set<TComponent*> touched;
  for (auto& [f, target] : resolved) {
    ApplyFixup(f, target);
    if (f.InstanceRoot) touched.insert(f.InstanceRoot);
  }
  // Roots with no reference left waiting for another root leave the csFixups state.
  std::vector<TComponent*> done;
  {
    std::lock_guard<std::mutex> lock(FixupMutex());
    for (TComponent* r : touched) {
      auto it = GlobalFixups().find(r);
      if (it == GlobalFixups().end() || it->second.Cross == 0) done.push_back(r);
    }
  }
  for (TComponent* r : done) r->SetComponentStateFlag(csFixups, false);
}

}  // namespace filer_detail

using namespace filer_detail;

void RegisterFindGlobalComponentProc(TFindGlobalComponent Proc) {
  std::lock_guard<std::mutex> lock(FinderMutex());
  GlobalFinders().push_back(Proc);
}

void UnregisterFindGlobalComponentProc(TFindGlobalComponent Proc) {
  std::lock_guard<std::mutex> lock(FinderMutex());
  auto& f = GlobalFinders();
  f.erase(std::remove(f.begin(), f.end(), Proc), f.end());
}

TComponent* FindGlobalComponent(const std::string& Name) {
  std::vector<TFindGlobalComponent> finders;
  {
    std::lock_guard<std::mutex> lock(FinderMutex());
    finders = GlobalFinders();
  }
  for (auto it = finders.rbegin(); it != finders.rend(); ++it)
    if (TComponent* c = (*it)(Name)) return c;
  return nullptr;
}

void GlobalFixupReferences() {
  ResolveFixups(nullptr, true, [](const TPropFixup&) { return false; });
}

void RemoveFixupReferences(TComponent* Root, const std::string& RootName) {
  RemoveFixupsIf([&](const TPropFixup& f) {
    return (Root == nullptr || f.InstanceRoot == Root) &&
           (RootName.empty() || SameText(f.RootName, RootName));
  });
}

void RemoveFixups(TPersistent* Instance) {
  RemoveFixupsIf([&](const TPropFixup& f) {
    return Instance == nullptr || f.Instance == Instance || f.Component == Instance ||
           f.InstanceRoot == Instance;
  });
}

int PendingFixupCount() {
  std::lock_guard<std::mutex> lock(FixupMutex());
  size_t n = 0;
  for (const auto& entry : GlobalFixups()) n += entry.second.Items.size();
  return static_cast<int>(n);
}

TComponent* FindNestedComponent(TComponent* Root, const std::string& NamePath) {
  TComponent* result = Root;
  size_t start = 0;
  while (result) {
    const size_t dot = NamePath.find('.', start);
    const std::string name =
        NamePath.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    TComponent* next = result->FindComponent(name);
    if (!next && SameText(name, "Owner")) next = result;
    result = next;
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  return result;
}

}  // namespace vcl
