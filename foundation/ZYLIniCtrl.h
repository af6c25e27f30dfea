// Settings storage: typed values, numbered string lists and the published properties of an
// object, kept in an INI file or below a registry key.
//
// INI target: file IniFile (default: the program's full name with ".INI"); a name without a
// folder of its own lies in the folder of IniPrefix (ppWindows: the Windows folder, ppSystem:
// the system folder, ppProgram: the program's folder, ppFixed: as given).
// Registry target: key RegPath + "\" + section below the root RegRoot; every value is kept as
// a string value (the same text an INI file holds).
// Encoding (Encoded true): string values are stored as "~" and two hex digits per byte of the
// text mixed with a running key, so that they are not readable at a glance; reading decodes
// "~" values and takes any other text as it is.
#pragma once

#include <memory>
#include <string>

#include "foundation/ZYLCustomComponent.h"
#include "platform/graphics/Colors.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TCustomForm;
class TStrings;
class TObject;
}  // namespace vcl

namespace zyl {

class TZYLIniStore;

class TZYLIniCtrl : public TZYLCustomComponent {
  ZYL_CLASS(TZYLIniCtrl, TZYLCustomComponent)
  explicit TZYLIniCtrl(vcl::TComponent* AOwner = nullptr);
  ~TZYLIniCtrl() override;

  TZYLIniTarget Target() const { return FTarget; }
  void SetTarget(TZYLIniTarget Value) { FTarget = Value; }
  const std::string& IniFile() const { return FIniFile; }
  void SetIniFile(const std::string& Value) { FIniFile = Value; }
  TZYLPathPrefix IniPrefix() const { return FIniPrefix; }
  void SetIniPrefix(TZYLPathPrefix Value) { FIniPrefix = Value; }
  // The INI file the INI target uses.
  std::string IniFileName() const;
  const std::string& RegPath() const { return FRegPath; }
  void SetRegPath(const std::string& Value) { FRegPath = Value; }
  TZYLRegRootKey RegRoot() const { return FRegRoot; }
  void SetRegRoot(TZYLRegRootKey Value) { FRegRoot = Value; }
  bool Encoded() const { return FEncoded; }
  void SetEncoded(bool Value) { FEncoded = Value; }
  // The target in use: itAuto means the registry when RegPath is set, else the INI file.
  bool UsesRegistry() const;

  std::string ReadString(const std::string& Section, const std::string& Key,
                         const std::string& Default);
  void WriteString(const std::string& Section, const std::string& Key, const std::string& Value);
  // Missing or malformed values give Default.
  int32_t ReadInteger(const std::string& Section, const std::string& Key, int32_t Default);
  void WriteInteger(const std::string& Section, const std::string& Key, int32_t Value);
  bool ReadBool(const std::string& Section, const std::string& Key, bool Default);
  void WriteBool(const std::string& Section, const std::string& Key, bool Value);
  double ReadFloat(const std::string& Section, const std::string& Key, double Default);
  void WriteFloat(const std::string& Section, const std::string& Key, double Value);
  vcl::TColor ReadColor(const std::string& Section, const std::string& Key, vcl::TColor Default);
  void WriteColor(const std::string& Section, const std::string& Key, vcl::TColor Value);
  void DeleteKey(const std::string& Section, const std::string& Key);
  void EraseSection(const std::string& Section);
  bool ValueExists(const std::string& Section, const std::string& Key);
  // The key names of a section.
  void ReadSection(const std::string& Section, vcl::TStrings* Keys);

  // Strings becomes the values Ident0, Ident1, ... of the section (up to the first missing
  // one, at most MaxEntries; MaxEntries < 0: no limit).
  void ReadStringsExt(const std::string& Section, const std::string& Ident,
                      vcl::TStrings* Strings, int MaxEntries);
  // Erases the section, then writes Strings[0 .. min(Count, MaxEntries) - 1] as Ident0, ...
  void WriteStringsExt(const std::string& Section, const std::string& Ident,
                       vcl::TStrings* Strings, int MaxEntries);

  // The published simple properties of Obj (class and method properties are skipped), one
  // value per property name. Reading sets only the properties found; a bad value raises
  // EConvertError (or EPropertyError) after every property read so far was put back.
  void WriteObject(const std::string& Section, vcl::TObject* Obj);
  void ReadObject(const std::string& Section, vcl::TObject* Obj);

  static std::string EncodeString(const std::string& S);
  // Raises EConvertError for a malformed "~" text.
  static std::string DecodeString(const std::string& S);

 private:
  std::unique_ptr<TZYLIniStore> Open();
  bool ReadRaw(const std::string& Section, const std::string& Key, std::string& Value);
  TZYLIniTarget FTarget = itIniFile;
  std::string FIniFile;
  TZYLPathPrefix FIniPrefix = ppWindows;
  std::string FRegPath;
  TZYLRegRootKey FRegRoot = rpCurrentUser;
  bool FEncoded = false;
};

// The folder a path prefix stands for ("" for ppFixed), and Name placed in it when Name has
// no folder of its own.
std::string ZYLPathPrefixFolder(TZYLPathPrefix Prefix);
std::string ZYLPrefixedName(TZYLPathPrefix Prefix, const std::string& Name);

// The custom colours of the colour dialog as the "name=value" lines of Section of an ini
// object: an INI file (TCustomIniFile), the registry ini file (TRegIniFile) or a TZYLIniCtrl;
// any other object (or nil) does nothing. Loading clears Colors first.
void ZYLSaveCustomColorList(vcl::TObject* IniObject, const std::string& Section,
                            vcl::TStrings* Colors);
void ZYLLoadCustomColorList(vcl::TObject* IniObject, const std::string& Section,
                            vcl::TStrings* Colors);

// Settings storage for components: IniLink, IniUse and Section. The owner must be a form or
// a data module (ZYLEOneInstError otherwise). At run time the owner form's creation (after its
// OnCreate) calls RestoreState and its destruction (before its OnDestroy) SaveState.
class TZYLCustomIniComponent : public TZYLCustomComponent {
  ZYL_CLASS(TZYLCustomIniComponent, TZYLCustomComponent)
  explicit TZYLCustomIniComponent(vcl::TComponent* AOwner)
      : TZYLCustomIniComponent(AOwner, StaticClass()) {}
  ~TZYLCustomIniComponent() override;
  TZYLIniCtrl* IniLink() const { return FIniLink; }
  void SetIniLink(TZYLIniCtrl* Value);
  TZYLIniUse IniUse() const { return FIniUse; }
  void SetIniUse(TZYLIniUse Value) { FIniUse = Value; }
  const std::string& Section() const { return FSection; }
  void SetSection(const std::string& Value) { FSection = Value; }
  std::string GetSection() const { return FSection; }
  void SetSectionDefault();
  // The ini control in use (the link, the global one, or nil).
  TZYLIniCtrl* IniCtrl() const;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  // Links a newly placed ini control when none is linked yet (called once the control is
  // fully constructed; the insert notification comes too early for that).
  void NotificationStandard(vcl::TComponent* AComponent);
  void Loaded() override;

  // The hooks of the owner form's creation and destruction (nothing here).
  virtual void RestoreState() {}
  virtual void SaveState() {}

 protected:
  // Class names the class in the invalid-owner error (descendants pass their own).
  TZYLCustomIniComponent(vcl::TComponent* AOwner, vcl::TClass Class);
  virtual void CreateSectionDefault(std::string& Section);

 private:
  void HookForm();
  void UnhookForm();
  void FormCreate(vcl::TObject* Sender);
  void FormDestroy(vcl::TObject* Sender);
  TZYLIniCtrl* FIniLink = nullptr;
  TZYLIniUse FIniUse = ioUseLink;
  std::string FSection;
  vcl::TCustomForm* FHookedForm = nullptr;
  vcl::TNotifyEvent FPrevCreate, FPrevDestroy;
};

inline constexpr vcl::TUnitEntry ZYLIniCtrlUnit = vcl::ClassesUnit<TZYLIniCtrl>("ZYLIniCtrl");

// The ini control of the application object (set by ZYLApplication); nil before.
TZYLIniCtrl* ZYLGlobalIniCtrl();
void ZYLSetGlobalIniCtrl(TZYLIniCtrl* Value);

}  // namespace zyl
