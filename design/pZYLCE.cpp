#include "design/pZYLCE.h"

#include <memory>
#include <utility>

#include "design/ZYLCPGet.h"
#include "design/ZYLCPGetStrings.h"
#include "design/pZYLDsgnCPGetStrings.h"
#include "design/pZYLValueChoiceDlg.h"
#include "display/ZYLSmallBar.h"
#include "foundation/IntfZYLBackground.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLFormUtils.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

using vcl::TComponentEditor;

const char* const BoolStr[2] = {" [False]", " [True]"};
const char* const SZYLDBNoCaption = "[DB] No caption available";
const char* const SZYLDBNoBitmap = "[DB] No bitmap";

namespace {

int gUnitEntries = 0;

struct TLauncherEntry {
  vcl::TClass Class;
  TZYLSettingsLauncher Launcher;
};

template <class T>
TLauncherEntry Entry(bool (*launcher)(T*)) {
  return {T::StaticClass(),
          [launcher](vcl::TPersistent* p) { return launcher(static_cast<T*>(p)); }};
}

std::vector<TLauncherEntry>& Launchers() {
  static std::vector<TLauncherEntry> table = {
      Entry(&ZYLCPGetBevel),    Entry(&ZYLCPGetShadow),     Entry(&ZYLCPGetSimpleBevel),
      Entry(&ZYLCPGetTeeth),    Entry(&ZYLCPGetBrush),      Entry(&ZYLCPGetSmallBar),
      Entry(&ZYLCPGetGradient), Entry(&ZYLCPGetFont),       Entry(&ZYLCPGetBitmap),
      Entry(&ZYLCPGetFont3D),   Entry(&ZYLCPGetFillObject), Entry(&ZYLCPGetDateTime),
  };
  return table;
}

const vcl::TPropInfo* Prop(TComponentEditor& e, const std::string& name) {
  return vcl::FindPropInfo(e.Component(), name);
}

}  // namespace

bool ZYLCPIsDBControl(vcl::TComponent* AComponent) {
  return AComponent && AComponent->ClassName().find("TZYLDB") != std::string::npos;
}

vcl::TColor ZYLCPGetColorCP(vcl::TColor Color) {
  const auto custom = std::make_unique<vcl::TStringList>();
  return ZYLCPGetColor(Color, custom.get());
}

void ZYLRegisterSettingsLauncher(vcl::TClass ObjectClass, TZYLSettingsLauncher Launcher) {
  for (TLauncherEntry& e : Launchers())
    if (e.Class == ObjectClass) {
      e.Launcher = std::move(Launcher);
      return;
    }
  Launchers().push_back({ObjectClass, std::move(Launcher)});
}

void ZYLUnregisterSettingsLauncher(vcl::TClass ObjectClass) {
  std::erase_if(Launchers(), [&](const TLauncherEntry& e) { return e.Class == ObjectClass; });
}

TZYLSettingsLauncher ZYLSettingsLauncherOf(vcl::TPersistent* Object) {
  const TLauncherEntry* best = nullptr;
  for (const TLauncherEntry& e : Launchers())
    if (Object && Object->InheritsFrom(e.Class) && (!best || e.Class->InheritsFrom(best->Class)))
      best = &e;
  if (!best)
    throw vcl::EPropertyError(vcl::Format(vcl::SZYLNoSettingsLauncher,
                                          {Object ? Object->ClassName() : std::string("nil")}));
  return best->Launcher;
}

TZYLVerb ZYLVerb(const std::string& Caption,
                 const std::function<bool(TComponentEditor&)>& Execute) {
  return {[Caption](TComponentEditor&) { return Caption; }, Execute};
}

TZYLVerb ZYLToggleVerb(const std::string& PropName) {
  return {[PropName](TComponentEditor& e) {
            return PropName + BoolStr[vcl::GetOrdProp(e.Component(), Prop(e, PropName)) != 0];
          },
          [PropName](TComponentEditor& e) {
            const vcl::TPropInfo* p = Prop(e, PropName);
            vcl::SetOrdProp(e.Component(), p, vcl::GetOrdProp(e.Component(), p) == 0);
            return true;
          }};
}

TZYLVerb ZYLColorVerb(const std::string& PropName) {
  return ZYLVerb(PropName, [PropName](TComponentEditor& e) {
    const vcl::TPropInfo* p = Prop(e, PropName);
    const auto current = static_cast<vcl::TColor>(vcl::GetOrdProp(e.Component(), p));
    vcl::SetOrdProp(e.Component(), p, ZYLCPGetColorCP(current));
    return true;
  });
}

TZYLVerb ZYLSettingsVerb(const std::string& PropName, const std::string& Caption) {
  return ZYLVerb(Caption.empty() ? PropName : Caption, [PropName](TComponentEditor& e) {
    auto* object =
        dynamic_cast<vcl::TPersistent*>(vcl::GetObjectProp(e.Component(), Prop(e, PropName)));
    return ZYLSettingsLauncherOf(object)(object);
  });
}

TZYLVerb ZYLValueChoiceVerb(const std::string& PropName) {
  return ZYLVerb(PropName, [PropName](TComponentEditor& e) {
    TZYLValueChoiceDlg::Choose(e.Component(), Prop(e, PropName));
    return true;
  });
}

TZYLVerb ZYLCaptionVerb() {
  return ZYLVerb("Caption", [](TComponentEditor& e) {
    auto* control = dynamic_cast<vcl::TControl*>(e.Component());
    if (!control) throw vcl::EInvalidCast(vcl::SInvalidCast);
    std::string text;
    ZYLCPGetCaption(control->Text(), -1, text);
    control->SetText(text);
    return true;
  });
}

TZYLVerb ZYLStringsVerb(const std::string& Caption, const std::string& PropName,
                        const std::string& Suffix) {
  return ZYLVerb(Caption, [PropName, Suffix](TComponentEditor& e) {
    vcl::TComponent* root = e.GetDesigner() ? e.GetDesigner()->GetRoot() : nullptr;
    const std::string module =
        (root ? root->Name() : std::string()) + "." + e.Component()->Name() + Suffix;
    if (ZYLShowStringsModule(module)) return true;
    const vcl::TPropInfo* p = Prop(e, PropName);
    auto* strings = dynamic_cast<vcl::TStrings*>(vcl::GetObjectProp(e.Component(), p));
    if (!strings) throw vcl::EInvalidCast(vcl::SInvalidCast);
    vcl::TStringList copy;
    copy.Assign(strings);
    if (!ZYLCPGetStrings(&copy, module)) return false;
    vcl::SetObjectProp(e.Component(), p, &copy);
    return true;
  });
}

TZYLVerb ZYLSeparatorVerb() {
  return ZYLVerb("-", [](TComponentEditor&) { return true; });
}

TZYLVerb ZYLEventVerb(const std::string& Caption) {
  return ZYLVerb(Caption, [](TComponentEditor& e) {
    e.Edit();
    return true;
  });
}

TZYLVerb ZYLCtlXPVerb() {
  return {[](TComponentEditor& e) {
            IZYLThemes* themes = nullptr;
            ZYLSupports(e.Component(), themes);
            return std::string("CtlXP") + BoolStr[themes && themes->GetCtlXP()];
          },
          [](TComponentEditor& e) {
            IZYLThemes* themes = nullptr;
            if (!ZYLSupports(e.Component(), themes)) throw vcl::EInvalidCast(vcl::SInvalidCast);
            themes->SetCtlXP(!themes->GetCtlXP());
            return true;
          }};
}

TZYLVerb ZYLUpdateFormCtlXPVerb() {
  return ZYLVerb("Form: Update CtlXP property", [](TComponentEditor& e) {
    IZYLThemes* themes = nullptr;
    if (!ZYLSupports(e.Component(), themes)) throw vcl::EInvalidCast(vcl::SInvalidCast);
    ZYLSetCtlXP(dynamic_cast<vcl::TCustomForm*>(e.Component()->Owner()), themes->GetCtlXP());
    return true;
  });
}

TZYLVerb ZYLBevelCtlXPVerb() {
  return ZYLVerb("Make Bevel CtlXP compatible", [](TComponentEditor& e) {
    auto* bevel = dynamic_cast<TZYLBevel*>(vcl::GetObjectProp(e.Component(), Prop(e, "Bevel")));
    if (!bevel) throw vcl::EInvalidCast(vcl::SInvalidCast);
    bevel->SetMode(bmWindows);
    return true;
  });
}

TZYLVerb ZYLUnreported(TZYLVerb Verb) {
  auto run = std::move(Verb.Execute);
  Verb.Execute = [run](TComponentEditor& e) {
    run(e);
    return false;
  };
  return Verb;
}

TZYLVerb ZYLNotForDB(TZYLVerb Verb, const std::string& DBCaption, bool Reported) {
  auto caption = std::move(Verb.Caption);
  auto run = std::move(Verb.Execute);
  return {[caption, DBCaption](TComponentEditor& e) {
            return ZYLCPIsDBControl(e.Component()) ? DBCaption : caption(e);
          },
          [run, Reported](TComponentEditor& e) {
            return ZYLCPIsDBControl(e.Component()) ? Reported : run(e);
          }};
}

bool ZYLEditPropertyNamed(vcl::TPropertyEditor* PropertyEditor, const std::string& Name,
                          bool& Continue) {
  if (!PropertyEditor || !vcl::SameText(PropertyEditor->GetName(), Name)) return false;
  PropertyEditor->Edit();
  Continue = false;
  return true;
}

void pZYLCEInit() { ++gUnitEntries; }
void pZYLCEDone() { --gUnitEntries; }
int ZYLCEUnitEntries() { return gUnitEntries; }

}  // namespace zyl
