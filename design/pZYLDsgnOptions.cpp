#include "design/pZYLDsgnOptions.h"

#include <memory>

#include "platform/base/Exceptions.h"
#include "platform/base/Finally.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/Registry.h"

namespace zyl {

const char* const ZYLDsgnRegKey = "SOFTWARE\\Quorvane\\ZYL-Tools 2003";
const char* const ZYLDsgnSharedSection = "Shared";
const char* const ZYLDsgnEditorOptionsValue = "EditorOptionsQX";
const char* const ZYLDsgnListPathValue = "Path";

namespace {

const char* const kListSections[ZYLListKindCount] = {"TZYLImageList",   "TZYLBitmapList",
                                                     "TZYLWaveList",    "TZYLStringList",
                                                     "TZYLGenericList", "TZYLRTFList"};

// The key, opened for one access and closed again when the guard goes.
std::unique_ptr<vcl::TRegIniFile> OpenKey() {
  return std::make_unique<vcl::TRegIniFile>(ZYLDsgnRegKey);
}

// The raw value as the INI view reads it: its text for a string value, the number of a DWORD
// value as text, nothing (false) for a missing value or one of another type.
bool ReadRaw(const std::string& Section, const std::string& Ident, std::string& Text) {
  auto ini = OpenKey();
  if (!ini->OpenKey(Section, false)) return false;
  if (!ini->ValueExists(Ident)) return false;
  switch (ini->GetDataType(Ident)) {
    case vcl::rdString:
    case vcl::rdExpandString: Text = ini->TRegistry::ReadString(Ident); return true;
    case vcl::rdInteger:
      try {
        Text = vcl::IntToStr(ini->TRegistry::ReadInteger(Ident));
        return true;
      } catch (const vcl::ERegistryException&) {
        return false;  // a DWORD of the wrong size
      }
    default: return false;
  }
}

}  // namespace

std::string ZYLListKindSection(int Kind) {
  if (Kind < 0 || Kind >= ZYLListKindCount) return std::string();
  return kListSections[Kind];
}

int32_t ZYLDsgnReadInteger(const std::string& Section, const std::string& Ident, int32_t Default) {
  std::string text;
  if (!ReadRaw(Section, Ident, text)) return Default;
  return vcl::StrToIntDef(vcl::Trim(text), Default);
}

bool ZYLDsgnReadBool(const std::string& Section, const std::string& Ident, bool Default) {
  std::string text;
  if (!ReadRaw(Section, Ident, text)) return Default;
  text = vcl::Trim(text);
  int32_t number = 0;
  if (vcl::TryStrToInt(text, number)) return number != 0;
  for (const char* yes : {"True", "Yes", "On"})
    if (vcl::SameText(text, yes)) return true;
  for (const char* no : {"False", "No", "Off"})
    if (vcl::SameText(text, no)) return false;
  return Default;
}

std::string ZYLDsgnReadString(const std::string& Section, const std::string& Ident,
                              const std::string& Default) {
  auto ini = OpenKey();
  if (!ini->OpenKey(Section, false) || !ini->ValueExists(Ident)) return Default;
  const vcl::TRegDataType type = ini->GetDataType(Ident);
  if (type != vcl::rdString && type != vcl::rdExpandString) return Default;
  return ini->TRegistry::ReadString(Ident);
}

void ZYLDsgnWriteInteger(const std::string& Section, const std::string& Ident, int32_t Value) {
  OpenKey()->WriteInteger(Section, Ident, Value);
}

void ZYLDsgnWriteBool(const std::string& Section, const std::string& Ident, bool Value) {
  OpenKey()->WriteBool(Section, Ident, Value);
}

void ZYLDsgnWriteString(const std::string& Section, const std::string& Ident,
                        const std::string& Value) {
  OpenKey()->WriteString(Section, Ident, Value);
}

void ZYLDsgnEraseSection(const std::string& Section) { OpenKey()->EraseSection(Section); }

void ZYLDsgnReadSectionValues(const std::string& Section, vcl::TStrings* Values) {
  vcl::TStringList names;
  OpenKey()->ReadSection(Section, &names);
  Values->BeginUpdate();
  const vcl::TFinally done([Values] { Values->EndUpdate(); });
  Values->Clear();
  for (int i = 0; i < names.Count(); ++i)
    Values->Add(names.Get(i) + "=" + ZYLDsgnReadString(Section, names.Get(i), ""));
}

}  // namespace zyl
