#include "platform/designer/DesignRegistry.h"

#include <algorithm>
#include <tuple>

#include "platform/base/Finally.h"
#include "platform/classes/Collection.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

namespace {

struct TPaletteEntry {
  std::string Page;
  TClass Class;
  std::string Package;
};
struct TComponentEditorEntry {
  TClass Class;
  TComponentEditorClass Editor;
  std::string Package;
};
struct TPropertyEditorEntry {
  const TTypeInfo* Type;
  TClass Filter;
  std::string Name;
  TPropertyEditorClass Editor;
  std::string Package;
};

struct TRegistry {
  std::vector<std::string> pages;  // in order of first appearance
  std::vector<TPaletteEntry> palette;
  std::vector<TComponentEditorEntry> componentEditors;
  std::vector<TPropertyEditorEntry> propertyEditors;
  std::vector<std::string> packages;
  std::string loading;  // the package whose registration procedure runs
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

// Steps from `cls` up to `ancestor`; -1 when it does not inherit from it.
int Distance(TClass cls, TClass ancestor) {
  int steps = 0;
  for (TClass c = cls; c; c = c->ClassParent(), ++steps)
    if (c == ancestor) return steps;
  return -1;
}

void DropPackage(const std::string& package) {
  TRegistry& r = Registry();
  std::erase_if(r.palette, [&](const TPaletteEntry& e) { return e.Package == package; });
  std::erase_if(r.componentEditors,
                [&](const TComponentEditorEntry& e) { return e.Package == package; });
  std::erase_if(r.propertyEditors,
                [&](const TPropertyEditorEntry& e) { return e.Package == package; });
  std::erase_if(r.pages, [&](const std::string& page) {
    return std::none_of(r.palette.begin(), r.palette.end(),
                        [&](const TPaletteEntry& e) { return e.Page == page; });
  });
}

TPropertyEditorClass StandardEditor(const TPropInfo* prop) {
  const TTypeInfo* type = prop->PropType;
  if (type == ColorTypeInfo()) return PropertyEditorClassOf<TColorProperty>();
  if (type == CursorTypeInfo()) return PropertyEditorClassOf<TCursorProperty>();
  switch (prop->Kind()) {
    case tkInteger: return PropertyEditorClassOf<TIntegerProperty>();
    case tkInt64: return PropertyEditorClassOf<TInt64Property>();
    case tkChar:
    case tkWChar: return PropertyEditorClassOf<TCharProperty>();
    case tkEnumeration: return PropertyEditorClassOf<TEnumProperty>();
    case tkSet: return PropertyEditorClassOf<TSetProperty>();
    case tkFloat: return PropertyEditorClassOf<TFloatProperty>();
    case tkString:
    case tkLString:
    case tkWString: return PropertyEditorClassOf<TStringProperty>();
    case tkClass:
      if (type->ClassType() && type->ClassType()->InheritsFrom(TComponent::StaticClass()))
        return PropertyEditorClassOf<TComponentProperty>();
      if (type->ClassType() && type->ClassType()->InheritsFrom(TCollection::StaticClass()))
        return PropertyEditorClassOf<TCollectionProperty>();
      return PropertyEditorClassOf<TClassProperty>();
    case tkMethod: return PropertyEditorClassOf<TMethodProperty>();
    default: return PropertyEditorClassOf<TPropertyEditor>();
  }
}

}  // namespace

// ---- Palette ----

void RegisterComponents(const std::string& Page, const std::vector<TClass>& ComponentClasses) {
  TRegistry& r = Registry();
  // Checked whole first: a duplicate adds nothing, so the first registration stays as it was.
  for (size_t i = 0; i < ComponentClasses.size(); ++i) {
    TClass cls = ComponentClasses[i];
    if (!cls) throw EComponentError(Format(SNotComponentClass, {std::string("nil")}));
    if (!cls->InheritsFrom(TComponent::StaticClass()))
      throw EComponentError(Format(SNotComponentClass, {cls->ClassName()}));
    const bool listed = std::any_of(r.palette.begin(), r.palette.end(),
                                    [&](const TPaletteEntry& e) { return e.Class == cls; });
    const bool repeated =
        std::find(ComponentClasses.begin(),
                  ComponentClasses.begin() + static_cast<std::ptrdiff_t>(i),
                  cls) != ComponentClasses.begin() + static_cast<std::ptrdiff_t>(i);
    if (listed || repeated) throw EComponentError(Format(SPaletteDuplicate, {cls->ClassName()}));
  }
  if (std::find(r.pages.begin(), r.pages.end(), Page) == r.pages.end()) r.pages.push_back(Page);
  for (TClass cls : ComponentClasses) r.palette.push_back({Page, cls, r.loading});
}

void RegisterComponents(const std::string& Page, std::initializer_list<TClass> ComponentClasses) {
  RegisterComponents(Page, std::vector<TClass>(ComponentClasses));
}

std::vector<std::string> PalettePages() { return Registry().pages; }

std::vector<TClass> PaletteClasses(const std::string& Page) {
  std::vector<TClass> result;
  for (const TPaletteEntry& e : Registry().palette)
    if (e.Page == Page) result.push_back(e.Class);
  return result;
}

// ---- Component editors ----

void RegisterComponentEditor(TClass ComponentClass, TComponentEditorClass ComponentEditor) {
  Registry().componentEditors.push_back({ComponentClass, ComponentEditor, Registry().loading});
}

TComponentEditorClass FindComponentEditorClass(TClass ComponentClass) {
  TComponentEditorClass best = nullptr;
  int bestDistance = -1;
  for (const TComponentEditorEntry& e : Registry().componentEditors) {
    const int d = Distance(ComponentClass, e.Class);
    if (d >= 0 && (bestDistance < 0 || d <= bestDistance)) {
      best = e.Editor;
      bestDistance = d;
    }
  }
  return best ? best : ComponentEditorClassOf<TDefaultEditor>();
}

std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent* Component,
                                                     IFormDesigner* Designer) {
  return FindComponentEditorClass(Component->ClassType())->Create(Component, Designer);
}

// ---- Property editors ----

void RegisterPropertyEditor(const TTypeInfo* PropertyType, TClass ComponentClass,
                            const std::string& PropertyName, TPropertyEditorClass EditorClass) {
  Registry().propertyEditors.push_back(
      {PropertyType, ComponentClass, PropertyName, EditorClass, Registry().loading});
}

TPropertyEditorClass FindPropertyEditorClass(const TPropInfo* Prop, TClass ComponentClass) {
  // Ranks compare as tuples: named, filtered, exact type, nearer registered class, nearer filter.
  using TRank = std::tuple<bool, bool, bool, int, int>;
  TPropertyEditorClass best = nullptr;
  TRank bestRank{};
  const TTypeInfo* type = Prop->PropType;
  for (const TPropertyEditorEntry& e : Registry().propertyEditors) {
    int typeDistance = 0;
    if (e.Type != type) {
      if (!type || !e.Type || type->Kind != tkClass || e.Type->Kind != tkClass) continue;
      typeDistance = Distance(type->ClassType(), e.Type->ClassType());
      if (typeDistance < 0) continue;
    }
    int filterDistance = 0;
    if (e.Filter) {
      filterDistance = Distance(ComponentClass, e.Filter);
      if (filterDistance < 0) continue;
    }
    if (!e.Name.empty() && !SameText(e.Name, Prop->Name)) continue;
    const TRank rank{!e.Name.empty(), e.Filter != nullptr, e.Type == type, -typeDistance,
                     -filterDistance};
    if (!best || rank >= bestRank) {
      best = e.Editor;
      bestRank = rank;
    }
  }
  return best ? best : StandardEditor(Prop);
}

std::unique_ptr<TPropertyEditor> GetPropertyEditor(IFormDesigner* Designer,
                                                   const std::vector<TPersistent*>& Components,
                                                   const TPropInfo* Prop) {
  if (Components.empty() || !Components[0]) throw EPropertyError(SNoEditedComponents);
  return FindPropertyEditorClass(Prop, Components[0]->ClassType())
      ->Create(Designer, Components, Prop);
}

std::vector<std::unique_ptr<TPropertyEditor>> GetComponentProperties(IFormDesigner* Designer,
                                                                     TPersistent* Component) {
  std::vector<std::unique_ptr<TPropertyEditor>> editors;
  for (const TPropInfo* prop : GetPropList(Component))
    if (prop->IsWritable() || prop->Kind() == tkClass)
      editors.push_back(GetPropertyEditor(Designer, {Component}, prop));
  return editors;
}

namespace {
// A component's name and its place in its parent's tab order are its own: no two take one.
bool OwnPlace(TPersistent* Component, const TPropInfo* Prop) {
  return dynamic_cast<TComponent*>(Component) &&
         (SameText(Prop->Name, "Name") || SameText(Prop->Name, "TabOrder"));
}
}  // namespace

std::vector<std::unique_ptr<TPropertyEditor>> GetSelectionProperties(
    IFormDesigner* Designer, const std::vector<TPersistent*>& Components) {
  if (Components.empty() || !Components[0]) throw EPropertyError(SNoEditedComponents);
  if (Components.size() == 1) return GetComponentProperties(Designer, Components[0]);
  std::vector<std::unique_ptr<TPropertyEditor>> editors;
  for (const TPropInfo* prop : GetPropList(Components[0])) {
    if (!prop->IsWritable() && prop->Kind() != tkClass) continue;
    if (OwnPlace(Components[0], prop)) continue;
    const TPropertyEditorClass editor = FindPropertyEditorClass(prop, Components[0]->ClassType());
    const bool shared = std::all_of(Components.begin() + 1, Components.end(), [&](TPersistent* c) {
      const TPropInfo* own = c ? ::vcl::GetPropInfo(c, prop->Name) : nullptr;
      return own && own->PropType == prop->PropType &&
             (own->IsWritable() || own->Kind() == tkClass) &&
             FindPropertyEditorClass(own, c->ClassType()) == editor;
    });
    if (!shared) continue;
    auto row = editor->Create(Designer, Components, prop);
    if (row->GetAttributes().contains(paMultiSelect)) editors.push_back(std::move(row));
  }
  return editors;
}

// ---- Packages ----

void LoadDesignPackage(const std::string& PackageName, const std::function<void()>& Register) {
  TRegistry& r = Registry();
  if (IsDesignPackageLoaded(PackageName))
    throw EPackageError(Format(SDesignPackageLoaded, {PackageName}));
  r.packages.push_back(PackageName);
  r.loading = PackageName;
  bool registered = false;
  // A procedure that raises takes its package's registrations with it.
  TFinally done([&] {
    r.loading.clear();
    if (registered) return;
    DropPackage(PackageName);
    std::erase(r.packages, PackageName);
  });
  Register();
  registered = true;
}

void UnloadDesignPackage(const std::string& PackageName) {
  TRegistry& r = Registry();
  if (!IsDesignPackageLoaded(PackageName))
    throw EPackageError(Format(SDesignPackageNotLoaded, {PackageName}));
  DropPackage(PackageName);
  std::erase(r.packages, PackageName);
}

bool IsDesignPackageLoaded(const std::string& PackageName) {
  const auto& p = Registry().packages;
  return std::find(p.begin(), p.end(), PackageName) != p.end();
}

namespace {

// The design packages loaded from files, with the names their registrations belong to.
std::vector<std::pair<win::HMODULE, std::string>>& PackageFiles() {
  static std::vector<std::pair<win::HMODULE, std::string>> files;
  return files;
}

std::string PackageNameOf(const std::string& FileName) {
  const size_t slash = FileName.find_last_of("\\/");
  std::string name = slash == std::string::npos ? FileName : FileName.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

}  // namespace

win::HMODULE LoadDesignPackageFile(const std::string& FileName) {
  const win::HMODULE module = LoadPackage(FileName);
  bool loaded = false;
  TFinally unload([&] {
    if (!loaded) UnloadPackage(module);
  });
  const win::FARPROC reg = win::GetProcAddress(module, "Register");
  if (!reg) throw EPackageError(Format(SInvalidPackageFile, {FileName}));
  const std::string name = PackageNameOf(FileName);
  LoadDesignPackage(name, reg);
  PackageFiles().emplace_back(module, name);
  loaded = true;
  return module;
}

void UnloadDesignPackageFile(win::HMODULE Module) {
  auto& files = PackageFiles();
  const auto it = std::find_if(files.begin(), files.end(),
                               [Module](const auto& f) { return f.first == Module; });
  if (it == files.end()) throw EPackageError(Format(SDesignPackageNotLoaded, {"?"}));
  const std::string name = it->second;
  files.erase(it);
  TFinally unload([Module] { UnloadPackage(Module); });
  if (IsDesignPackageLoaded(name)) UnloadDesignPackage(name);
}

}  // namespace vcl
