#include "foundation/ZYLIniCtrl.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "foundation/ZYLConst.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"
#include "platform/sys/IniFiles.h"
#include "platform/sys/Registry.h"
#include "platform/sys/WinReg.h"
#include "platform/rtl/ClassicNumbers.h"

namespace zyl {

namespace {
TZYLIniCtrl* globalIni = nullptr;

win::HKEY RootOf(TZYLRegRootKey r) {
  switch (r) {
    case rpClassesRoot: return win::HKEY_CLASSES_ROOT;
    case rpLocalMachine: return win::HKEY_LOCAL_MACHINE;
    case rpUsers: return win::HKEY_USERS;
    case rpCurrentConfig: return win::HKEY_CURRENT_CONFIG;
    case rpDynData: return win::HKEY_DYN_DATA;
    default: return win::HKEY_CURRENT_USER;
  }
}

// The framework's data modules are known by their class name (the platform has none of its own).
bool ZYLIsDataModule(const vcl::TObject* Obj) {
  for (vcl::TClass c = Obj ? Obj->ClassType() : nullptr; c; c = c->ClassParent())
    if (c->ClassName() == std::string("TDataModule")) return true;
  return false;
}

std::string Trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}
}  // namespace

TZYLIniCtrl* ZYLGlobalIniCtrl() { return globalIni; }
void ZYLSetGlobalIniCtrl(TZYLIniCtrl* Value) { globalIni = Value; }

// One opened storage: an INI file or registry keys per section.
class TZYLIniStore {
 public:
  virtual ~TZYLIniStore() = default;
  virtual bool Read(const std::string& Section, const std::string& Key, std::string& V) = 0;
  virtual void Write(const std::string& Section, const std::string& Key,
                     const std::string& V) = 0;
  virtual void Delete(const std::string& Section, const std::string& Key) = 0;
  virtual void Erase(const std::string& Section) = 0;
  virtual void Keys(const std::string& Section, vcl::TStrings* Keys) = 0;
};

namespace {

class TIniStore : public TZYLIniStore {
 public:
  explicit TIniStore(const std::string& Name) : ini_(Name) {}
  bool Read(const std::string& S, const std::string& K, std::string& V) override {
    if (!ini_.ValueExists(S, K)) return false;
    V = ini_.ReadString(S, K, "");
    return true;
  }
  void Write(const std::string& S, const std::string& K, const std::string& V) override {
    ini_.WriteString(S, K, V);
  }
  void Delete(const std::string& S, const std::string& K) override { ini_.DeleteKey(S, K); }
  void Erase(const std::string& S) override { ini_.EraseSection(S); }
  void Keys(const std::string& S, vcl::TStrings* L) override { ini_.ReadSection(S, L); }

 private:
  vcl::TIniFile ini_;
};

class TRegStore : public TZYLIniStore {
 public:
  TRegStore(win::HKEY Root, const std::string& Path) : path_(Path) { reg_.SetRootKey(Root); }
  bool Read(const std::string& S, const std::string& K, std::string& V) override {
    if (!reg_.OpenKeyReadOnly(KeyOf(S))) return false;
    bool found = false;
    if (reg_.ValueExists(K)) {
      try {
        V = reg_.ReadString(K);
        found = true;
      } catch (const vcl::Exception&) {
        found = false;  // a value of another type counts as missing
      }
    }
    reg_.CloseKey();
    return found;
  }
  void Write(const std::string& S, const std::string& K, const std::string& V) override {
    if (!reg_.OpenKey(KeyOf(S), true))
      throw vcl::Exception(vcl::Format(SZYLCannotOpenKey, {KeyOf(S)}));
    reg_.WriteString(K, V);
    reg_.CloseKey();
  }
  void Delete(const std::string& S, const std::string& K) override {
    if (reg_.OpenKey(KeyOf(S), false)) {
      reg_.DeleteValue(K);
      reg_.CloseKey();
    }
  }
  void Erase(const std::string& S) override { reg_.DeleteKey(KeyOf(S)); }
  void Keys(const std::string& S, vcl::TStrings* L) override {
    L->Clear();
    if (reg_.OpenKeyReadOnly(KeyOf(S))) {
      reg_.GetValueNames(L);
      reg_.CloseKey();
    }
  }

 private:
  std::string KeyOf(const std::string& S) const {
    std::string p = path_;
    while (!p.empty() && p.back() == '\\') p.pop_back();
    return p.empty() ? S : p + "\\" + S;
  }
  vcl::TRegistry reg_;
  std::string path_;
};

}  // namespace

ZYL_CLASS_IMPL(TZYLIniCtrl) {
  b.Prop("Target", &TZYLIniCtrl::Target, &TZYLIniCtrl::SetTarget).Default(itIniFile)
      .Prop("IniFile", &TZYLIniCtrl::IniFile, &TZYLIniCtrl::SetIniFile)
      .Prop("IniPrefix", &TZYLIniCtrl::IniPrefix, &TZYLIniCtrl::SetIniPrefix).Default(ppWindows)
      .Prop("RegPath", &TZYLIniCtrl::RegPath, &TZYLIniCtrl::SetRegPath)
      .Prop("RegRoot", &TZYLIniCtrl::RegRoot, &TZYLIniCtrl::SetRegRoot).Default(rpCurrentUser)
      .Prop("Encoded", &TZYLIniCtrl::Encoded, &TZYLIniCtrl::SetEncoded).Default(false);
}

TZYLIniCtrl::TZYLIniCtrl(vcl::TComponent* AOwner) : inherited(AOwner) {}
TZYLIniCtrl::~TZYLIniCtrl() {
  if (globalIni == this) globalIni = nullptr;
}

std::string TZYLIniCtrl::IniFileName() const {
  if (FIniFile.empty()) return vcl::ChangeFileExt(vcl::ParamStr(0), ".INI");
  return ZYLPrefixedName(FIniPrefix, FIniFile);
}

std::string ZYLPathPrefixFolder(TZYLPathPrefix Prefix) {
  switch (Prefix) {
    case ppWindows: return ZYLSIWindowsDirectory();
    case ppSystem: return ZYLSISystemDirectory();
    case ppProgram:
      return vcl::ExcludeTrailingPathDelimiter(vcl::ExtractFilePath(vcl::ParamStr(0)));
    case ppFixed: return {};
  }
  return {};
}

std::string ZYLPrefixedName(TZYLPathPrefix Prefix, const std::string& Name) {
  if (Name.empty() || !vcl::ExtractFilePath(Name).empty()) return Name;
  const std::string folder = ZYLPathPrefixFolder(Prefix);
  if (folder.empty()) return Name;
  return vcl::IncludeTrailingPathDelimiter(folder) + Name;
}

bool TZYLIniCtrl::UsesRegistry() const {
  return FTarget == itRegistry || (FTarget == itAuto && !FRegPath.empty());
}

std::unique_ptr<TZYLIniStore> TZYLIniCtrl::Open() {
  if (UsesRegistry()) return std::make_unique<TRegStore>(RootOf(FRegRoot), FRegPath);
  return std::make_unique<TIniStore>(IniFileName());
}

bool TZYLIniCtrl::ReadRaw(const std::string& Section, const std::string& Key,
                          std::string& Value) {
  return Open()->Read(Section, Key, Value);
}

std::string TZYLIniCtrl::EncodeString(const std::string& S) {
  static const char hex[] = "0123456789ABCDEF";
  std::string r = "~";
  uint8_t key = 0x5A;
  for (unsigned char c : S) {
    const uint8_t e = c ^ key;
    r += hex[e >> 4];
    r += hex[e & 15];
    key = static_cast<uint8_t>(key * 5 + 7 + e);
  }
  return r;
}

std::string TZYLIniCtrl::DecodeString(const std::string& S) {
  if (S.empty() || S[0] != '~') return S;
  if ((S.size() - 1) % 2 != 0) throw vcl::EConvertError(SZYLInvalidEncodedValue);
  auto nib = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    throw vcl::EConvertError(SZYLInvalidEncodedValue);
  };
  std::string r;
  uint8_t key = 0x5A;
  for (size_t i = 1; i < S.size(); i += 2) {
    const uint8_t e = static_cast<uint8_t>(nib(S[i]) * 16 + nib(S[i + 1]));
    r += static_cast<char>(e ^ key);
    key = static_cast<uint8_t>(key * 5 + 7 + e);
  }
  return r;
}

std::string TZYLIniCtrl::ReadString(const std::string& Section, const std::string& Key,
                                    const std::string& Default) {
  std::string v;
  if (!ReadRaw(Section, Key, v)) return Default;
  if (!v.empty() && v[0] == '~') {
    try {
      return DecodeString(v);
    } catch (const vcl::EConvertError&) {
      return v;  // plain text that happens to start with "~"
    }
  }
  return v;
}

void TZYLIniCtrl::WriteString(const std::string& Section, const std::string& Key,
                              const std::string& Value) {
  // A plain value starting with "~" is encoded too, so that it reads back unchanged.
  Open()->Write(Section, Key,
                FEncoded || (!Value.empty() && Value[0] == '~') ? EncodeString(Value) : Value);
}

int32_t TZYLIniCtrl::ReadInteger(const std::string& Section, const std::string& Key,
                                 int32_t Default) {
  std::string v;
  if (!ReadRaw(Section, Key, v)) return Default;
  v = Trimmed(v);
  if (v.empty()) return Default;
  char* end = nullptr;
  const bool hex = v[0] == '$';
  errno = 0;
  const long long n = std::strtoll(v.c_str() + (hex ? 1 : 0), &end, hex ? 16 : 10);
  if (errno || *end || end == v.c_str() + (hex ? 1 : 0) || n < INT32_MIN ||
      n > (hex ? int64_t(UINT32_MAX) : int64_t(INT32_MAX)))
    return Default;
  return static_cast<int32_t>(n);
}

void TZYLIniCtrl::WriteInteger(const std::string& Section, const std::string& Key,
                               int32_t Value) {
  Open()->Write(Section, Key, std::to_string(Value));
}

bool TZYLIniCtrl::ReadBool(const std::string& Section, const std::string& Key, bool Default) {
  return ReadInteger(Section, Key, Default ? 1 : 0) != 0;
}

void TZYLIniCtrl::WriteBool(const std::string& Section, const std::string& Key, bool Value) {
  WriteInteger(Section, Key, Value ? 1 : 0);
}

double TZYLIniCtrl::ReadFloat(const std::string& Section, const std::string& Key,
                              double Default) {
  std::string v;
  if (!ReadRaw(Section, Key, v)) return Default;
  v = Trimmed(v);
  if (v.empty()) return Default;
  char* end = nullptr;
  const vcl::TClassicNumbers classic;
  const double d = std::strtod(v.c_str(), &end);
  return *end ? Default : d;
}

void TZYLIniCtrl::WriteFloat(const std::string& Section, const std::string& Key, double Value) {
  char buf[40];
  {
    const vcl::TClassicNumbers classic;
    std::snprintf(buf, sizeof buf, "%.17g", Value);
  }
  Open()->Write(Section, Key, buf);
}

vcl::TColor TZYLIniCtrl::ReadColor(const std::string& Section, const std::string& Key,
                                   vcl::TColor Default) {
  return ReadInteger(Section, Key, Default);
}

void TZYLIniCtrl::WriteColor(const std::string& Section, const std::string& Key,
                             vcl::TColor Value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%.8X", static_cast<uint32_t>(Value));
  Open()->Write(Section, Key, buf);
}

void TZYLIniCtrl::DeleteKey(const std::string& Section, const std::string& Key) {
  Open()->Delete(Section, Key);
}

void TZYLIniCtrl::EraseSection(const std::string& Section) { Open()->Erase(Section); }

bool TZYLIniCtrl::ValueExists(const std::string& Section, const std::string& Key) {
  std::string v;
  return ReadRaw(Section, Key, v);
}

void TZYLIniCtrl::ReadSection(const std::string& Section, vcl::TStrings* Keys) {
  Open()->Keys(Section, Keys);
}

void TZYLIniCtrl::ReadStringsExt(const std::string& Section, const std::string& Ident,
                                 vcl::TStrings* Strings, int MaxEntries) {
  if (!Strings) return;
  vcl::TStringList fresh;
  for (int i = 0; MaxEntries < 0 || i < MaxEntries; ++i) {
    const std::string key = Ident + std::to_string(i);
    if (!ValueExists(Section, key)) break;
    fresh.Add(ReadString(Section, key, ""));
  }
  Strings->Assign(&fresh);
}

void TZYLIniCtrl::WriteStringsExt(const std::string& Section, const std::string& Ident,
                                  vcl::TStrings* Strings, int MaxEntries) {
  EraseSection(Section);
  if (!Strings) return;
  const int n = MaxEntries < 0 ? Strings->Count() : std::min(Strings->Count(), MaxEntries);
  for (int i = 0; i < n; ++i) WriteString(Section, Ident + std::to_string(i), Strings->Strings(i));
}

namespace {
bool Storable(const vcl::TPropInfo* p) {
  const auto k = p->Kind();
  return k != vcl::tkClass && k != vcl::tkMethod && k != vcl::tkInterface && k != vcl::tkArray &&
         k != vcl::tkRecord && k != vcl::tkDynArray && k != vcl::tkUnknown && p->Access;
}
}  // namespace

void TZYLIniCtrl::WriteObject(const std::string& Section, vcl::TObject* Obj) {
  if (!Obj) return;
  for (const vcl::TPropInfo* p : vcl::GetPropList(Obj))
    if (Storable(p)) WriteString(Section, p->Name, vcl::GetPropValue(Obj, p));
}

void TZYLIniCtrl::ReadObject(const std::string& Section, vcl::TObject* Obj) {
  if (!Obj) return;
  std::vector<std::pair<const vcl::TPropInfo*, std::string>> undo;
  // On failure the properties read so far get their old values back, as far as they take them.
  const vcl::TOnFailure restore([&] {
    for (auto it = undo.rbegin(); it != undo.rend(); ++it)
      vcl::RunDroppingErrors([&] { vcl::SetPropValue(Obj, it->first, it->second); });
  });
  for (const vcl::TPropInfo* p : vcl::GetPropList(Obj)) {
    if (!Storable(p) || !ValueExists(Section, p->Name)) continue;
    const std::string old = vcl::GetPropValue(Obj, p);
    const std::string v = ReadString(Section, p->Name, old);
    if (v == old) continue;
    vcl::SetPropValue(Obj, p, v);
    undo.emplace_back(p, old);
  }
}

void ZYLSaveCustomColorList(vcl::TObject* IniObject, const std::string& Section,
                            vcl::TStrings* Colors) {
  if (!Colors) return;
  auto* ini = dynamic_cast<vcl::TCustomIniFile*>(IniObject);
  auto* reg = dynamic_cast<vcl::TRegIniFile*>(IniObject);
  auto* ctrl = dynamic_cast<TZYLIniCtrl*>(IniObject);
  for (int i = 0; i < Colors->Count(); ++i) {
    const std::string name = Colors->Names(i);
    if (name.empty()) continue;
    const std::string value = Colors->ValueFromIndex(i);
    if (ini) ini->WriteString(Section, name, value);
    if (reg) reg->WriteString(Section, name, value);
    if (ctrl) ctrl->WriteString(Section, name, value);
  }
  if (ini) ini->UpdateFile();
}

void ZYLLoadCustomColorList(vcl::TObject* IniObject, const std::string& Section,
                            vcl::TStrings* Colors) {
  if (!Colors) return;
  auto* ini = dynamic_cast<vcl::TCustomIniFile*>(IniObject);
  auto* reg = dynamic_cast<vcl::TRegIniFile*>(IniObject);
  auto* ctrl = dynamic_cast<TZYLIniCtrl*>(IniObject);
  if (!ini && !reg && !ctrl) return;
  Colors->Clear();
  if (ini) ini->ReadSectionValues(Section, Colors);
  if (reg) reg->ReadSectionValues(Section, Colors);
  if (ctrl) {
    vcl::TStringList keys;
    ctrl->ReadSection(Section, &keys);
    for (int i = 0; i < keys.Count(); ++i)
      Colors->Add(keys.Strings(i) + "=" + ctrl->ReadString(Section, keys.Strings(i), ""));
  }
}

// ---------------------------------------------------------------------------------------------
// TZYLCustomIniComponent

ZYL_CLASS_IMPL(TZYLCustomIniComponent) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomIniComponent;
  b.Prop("IniLink", &C::IniLink, &C::SetIniLink)
      .Prop("IniUse", &C::IniUse, &C::SetIniUse)
      .Default(ioUseLink)
      .Prop("Section", &C::Section, &C::SetSection);
}

TZYLCustomIniComponent::TZYLCustomIniComponent(vcl::TComponent* AOwner, vcl::TClass Class)
    : inherited(AOwner) {
  if (!dynamic_cast<vcl::TCustomForm*>(AOwner) && !ZYLIsDataModule(AOwner))
    throw ZYLEOneInstError(Class ? Class->ClassName() : ClassName(),
                           ZYLEOneInstError::okInvalidOwner);
}

TZYLCustomIniComponent::~TZYLCustomIniComponent() { UnhookForm(); }

void TZYLCustomIniComponent::SetIniLink(TZYLIniCtrl* Value) {
  if (FIniLink == Value) return;
  if (FIniLink) FIniLink->RemoveFreeNotification(this);
  FIniLink = Value;
  if (FIniLink) FIniLink->FreeNotification(this);
}

void TZYLCustomIniComponent::CreateSectionDefault(std::string& Section) {
  Section = Name().empty() ? std::string("Common") : Name();
}

void TZYLCustomIniComponent::SetSectionDefault() {
  if (FSection.empty()) CreateSectionDefault(FSection);
}

TZYLIniCtrl* TZYLCustomIniComponent::IniCtrl() const {
  switch (FIniUse) {
    case ioUseLink: return FIniLink;
    case ioUseGlobal: return ZYLGlobalIniCtrl();
    default: return nullptr;
  }
}

void TZYLCustomIniComponent::Notification(vcl::TComponent* AComponent,
                                          vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FIniLink) FIniLink = nullptr;
}

void TZYLCustomIniComponent::NotificationStandard(vcl::TComponent* AComponent) {
  if (!FIniLink)
    if (auto* ini = dynamic_cast<TZYLIniCtrl*>(AComponent)) SetIniLink(ini);
}

void TZYLCustomIniComponent::Loaded() {
  inherited::Loaded();
  if (!ComponentState().contains(vcl::csDesigning)) HookForm();
}

// The form's creation and destruction events are chained: the previous handlers keep running
// first (creation) or last (destruction).
void TZYLCustomIniComponent::HookForm() {
  auto* form = dynamic_cast<vcl::TCustomForm*>(Owner());
  if (!form || FHookedForm) return;
  FHookedForm = form;
  FPrevCreate = form->OnCreate;
  FPrevDestroy = form->OnDestroy;
  form->OnCreate = vcl::TNotifyEvent(this, &TZYLCustomIniComponent::FormCreate);
  form->OnDestroy = vcl::TNotifyEvent(this, &TZYLCustomIniComponent::FormDestroy);
}

// Takes this component out of the form's chains; another ini component that chained after it
// takes over its predecessors.
void TZYLCustomIniComponent::UnhookForm() {
  vcl::TCustomForm* form = FHookedForm;
  if (!form) return;
  FHookedForm = nullptr;
  const vcl::TNotifyEvent create(this, &TZYLCustomIniComponent::FormCreate);
  const vcl::TNotifyEvent destroy(this, &TZYLCustomIniComponent::FormDestroy);
  if (form->OnCreate == create) form->OnCreate = FPrevCreate;
  if (form->OnDestroy == destroy) form->OnDestroy = FPrevDestroy;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* other = dynamic_cast<TZYLCustomIniComponent*>(form->Components(i));
    if (!other || other == this || other->FHookedForm != form) continue;
    if (other->FPrevCreate == create) other->FPrevCreate = FPrevCreate;
    if (other->FPrevDestroy == destroy) other->FPrevDestroy = FPrevDestroy;
  }
  FPrevCreate = nullptr;
  FPrevDestroy = nullptr;
}

// Each link of the chains runs however the one before it ends: a component that did not
// restore would save its unrestored state over the stored one, and one failed save must not
// cost the others theirs. The first error goes on.
void TZYLCustomIniComponent::FormCreate(vcl::TObject* Sender) {
  const vcl::TFinally restore([this] { RestoreState(); });
  if (FPrevCreate) FPrevCreate(Sender);
}

void TZYLCustomIniComponent::FormDestroy(vcl::TObject* Sender) {
  const vcl::TFinally previous([this, Sender] {
    if (FPrevDestroy) FPrevDestroy(Sender);
  });
  SaveState();
}

}  // namespace zyl
