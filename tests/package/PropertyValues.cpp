#include "tests/package/PropertyValues.h"

#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Menus.h"
#include "tests/package/EventsHost.h"
#include "tests/package/PropertyStage.h"

namespace packagetest {

bool ChangeOrdinal(vcl::TObject* obj, const vcl::TPropInfo* p) {
  const int64_t was = vcl::GetOrdProp(obj, p);
  std::vector<int64_t> tries;
  const vcl::TTypeInfo* t = p->PropType;
  if (p->Kind() == vcl::tkEnumeration) {
    for (int64_t v = t->MinValue; v <= t->MaxValue; ++v) tries.push_back(v);
  } else if (p->Kind() == vcl::tkSet) {
    for (int64_t bit = t->CompType->MinValue; bit <= t->CompType->MaxValue; ++bit)
      tries.push_back(was ^ (int64_t{1} << bit));
  } else if (p->Kind() == vcl::tkChar) {
    tries = {'Q', 'R'};
  } else {
    tries = {was + 3, was - 3, was + 1, was - 1, 1, 0, 100};
  }
  for (int64_t v : tries) {
    if (v == was) continue;
    try {
      vcl::SetOrdProp(obj, p, v);
    } catch (const vcl::Exception&) {
      continue;
    }
    if (vcl::GetOrdProp(obj, p) != was) return true;
  }
  return false;
}

// Sets the property at Path (dotted through owned objects) of the component named X; returns
// the value's text, or "" when the property cannot take another value or is not written. A
// component it makes for a reference is called `RefName`.
std::string Change(vcl::TComponent* form, vcl::TObject* obj, const vcl::TPropInfo* p,
                   const std::string& RefName) {
  switch (p->Kind()) {
    case vcl::tkInteger:
    case vcl::tkChar:
    case vcl::tkEnumeration:
    case vcl::tkSet:
      if (!ChangeOrdinal(obj, p)) return "";
      break;
    case vcl::tkInt64: vcl::SetInt64Prop(obj, p, vcl::GetInt64Prop(obj, p) + 5); break;
    case vcl::tkFloat: vcl::SetFloatProp(obj, p, vcl::GetFloatProp(obj, p) + 1.5); break;
    case vcl::tkString:
    case vcl::tkLString:
    case vcl::tkWString: vcl::SetStrProp(obj, p, vcl::GetStrProp(obj, p) + "Qx"); break;
    case vcl::tkClass: {
      // A reference to another component: one of a registered class that fits.
      vcl::TClass want = p->PropType->ClassType();
      if (!want || !want->InheritsFrom(vcl::TComponent::StaticClass())) return "";
      for (vcl::TClass c : vcl::RegisteredClasses()) {
        if (!c->InheritsFrom(want) || c->FactoryKind() != vcl::fkComponent ||
            c->InheritsFrom(vcl::TControl::StaticClass()))
          continue;
        vcl::TComponent* ref = c->Create(form);
        ref->SetName(RefName);
        // A menu item is streamed only as part of a menu.
        if (auto* item = dynamic_cast<vcl::TMenuItem*>(ref)) {
          auto* menu = new vcl::TPopupMenu(form);
          menu->SetName(RefName + "Menu");
          menu->Items()->Add(item);
        }
        vcl::SetObjectProp(obj, p, ref);
        return vcl::GetObjectProp(obj, p) == ref ? RefName : "";
      }
      return "";
    }
    case vcl::tkMethod: {
      vcl::SetMethodProp(obj, p, vcl::TMethod{HostHandlerFor(p->PropType->Signature), form});
      return form->MethodName(vcl::GetMethodProp(obj, p).Code);
    }
    default: return "";
  }
  return vcl::IsStoredProp(obj, p) ? vcl::GetPropValue(obj, p) : "";
}

std::string Read(vcl::TObject* obj, const vcl::TPropInfo* p, vcl::TComponent* root) {
  if (p->Kind() == vcl::tkMethod) {
    const vcl::TMethod m = vcl::GetMethodProp(obj, p);
    if (!m.Code) return "nil";
    return m.Data == root ? root->MethodName(m.Code) : "handler of another object";
  }
  if (p->Kind() != vcl::tkClass) return vcl::GetPropValue(obj, p);
  auto* c = dynamic_cast<vcl::TComponent*>(vcl::GetObjectProp(obj, p));
  return c ? c->Name() : "nil";
}

// Every property path of a new component: its own simple properties and events and those of
// the persistent objects it owns (one level down). With References, the paths of its references
// to other components instead: its own and those of the objects it owns.
std::vector<std::vector<std::string>> Paths(vcl::TComponent* c, bool References) {
  std::vector<std::vector<std::string>> paths;
  for (const vcl::TPropInfo* p : vcl::GetPropList(c)) {
    if (p->Name == "Name") continue;
    vcl::TObject* sub = p->Kind() == vcl::tkClass ? vcl::GetObjectProp(c, p) : nullptr;
    if (sub && !dynamic_cast<vcl::TComponent*>(sub)) {
      for (const vcl::TPropInfo* q : vcl::GetPropList(sub))
        if ((q->Kind() == vcl::tkClass) == References && q->IsWritable())
          paths.push_back({p->Name, q->Name});
    } else if (p->IsWritable() && (!References || p->Kind() == vcl::tkClass)) {
      paths.push_back({p->Name});
    }
  }
  return paths;
}

// The text of every value a component shows through its published paths, where the value
// is stored (a value that a stored rule leaves out is measured again when the form is read).
std::map<std::string, std::string> Values(vcl::TComponent* c, vcl::TComponent* root,
                                          const std::vector<std::vector<std::string>>& paths) {
  std::map<std::string, std::string> values;
  for (const auto& path : paths) {
    if (!vcl::IsStoredProp(c, vcl::FindPropInfo(c, path[0]))) continue;
    vcl::TObject* target = Walk(c, path);
    if (!target) continue;
    const vcl::TPropInfo* p = vcl::FindPropInfo(target, path.back());
    if (path.size() > 1 && !vcl::IsStoredProp(target, p)) continue;
    values[path[0] + (path.size() > 1 ? "." + path[1] : "")] = Read(target, p, root);
  }
  return values;
}
}  // namespace packagetest
