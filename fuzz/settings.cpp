// Settings files the library's components read back: an INI file through the settings storage
// (plain and encoded), every value of every section (a bounded number) read as each type and
// decoded; each section read into a font's published properties (a refused read puts back
// every property it set), as numbered lists, as the colour dialog's custom colours and as a
// most-recently-used list; every value taken as a form's placement and as a font's text.
#include <cstdlib>
#include <memory>
#include <string>

#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLUtils.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/sys/IniFiles.h"
#include "platform/testkit/ControlsSession.h"
#include "system/ZYLFormA.h"
#include "system/ZYLMRUList.h"

namespace {

// The font's published properties as the storage writes them, in a file of their own.
std::string FontState(vcl::TFont& font) {
  const uint8_t none = 0;
  const std::string file = fuzz::WriteScratchFile("state.ini", &none, 0);
  zyl::TZYLIniCtrl ctrl;
  ctrl.SetIniPrefix(zyl::ppFixed);
  ctrl.SetIniFile(file);
  ctrl.WriteObject("Font", &font);
  vcl::TStringList values;
  vcl::TMemIniFile(file).ReadSectionValues("Font", &values);
  return values.Text();
}

void ReadSection(zyl::TZYLIniCtrl& ctrl, const std::string& section, vcl::TStrings& keys,
                 zyl::TZYLForm& placement) {
  for (int k = 0; k < keys.Count() && k < 16; ++k) {
    const std::string key = keys.Strings(k);
    std::string value;
    fuzz::Expect([&] { value = ctrl.ReadString(section, key, ""); });
    fuzz::Expect([&] { zyl::TZYLIniCtrl::DecodeString(value); });
    fuzz::Expect([&] { ctrl.ReadInteger(section, key, -1); });
    fuzz::Expect([&] { ctrl.ReadFloat(section, key, 0.5); });
    fuzz::Expect([&] { ctrl.ReadColor(section, key, vcl::clRed); });
    fuzz::Expect([&] { placement.SetIniString(value); });
    vcl::TFont font;
    fuzz::Expect([&] { zyl::ZYLStringToFont(value, &font); });
  }
  vcl::TFont font;
  const std::string before = FontState(font);
  try {
    ctrl.ReadObject(section, &font);
  } catch (const vcl::Exception&) {
    if (FontState(font) != before) std::abort();  // a refused read keeps the font as it was
  }
  vcl::TStringList list;
  fuzz::Expect(
      [&] { ctrl.ReadStringsExt(section, keys.Count() ? keys.Strings(0) : "", &list, 64); });
  fuzz::Expect([&] { zyl::ZYLLoadCustomColorList(&ctrl, section, &list); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Kept for the whole run: the screen the form lives on.
  static vcl::testkit::TControlsSession* session = new vcl::testkit::TControlsSession(640, 480);
  (void)session;
  const std::string file = fuzz::WriteScratchFile("settings.ini", data, size);
  vcl::TStringList sections;
  fuzz::Expect([&] { vcl::TMemIniFile(file).ReadSections(&sections); });
  std::unique_ptr<vcl::TForm> form(new vcl::TForm(nullptr));
  auto* placement = new zyl::TZYLForm(form.get());
  for (bool encoded : {false, true}) {
    zyl::TZYLIniCtrl ctrl;
    ctrl.SetIniPrefix(zyl::ppFixed);
    ctrl.SetIniFile(file);
    ctrl.SetEncoded(encoded);
    for (int i = 0; i < sections.Count() && i < 8; ++i) {
      vcl::TStringList keys;
      fuzz::Expect([&] { ctrl.ReadSection(sections.Strings(i), &keys); });
      ReadSection(ctrl, sections.Strings(i), keys, *placement);
    }
    auto* mru = new zyl::TZYLMRUList(form.get());
    mru->SetIniLink(&ctrl);
    mru->SetIniUse(zyl::ioUseLink);
    if (sections.Count()) mru->SetSection(sections.Strings(0));
    fuzz::Expect([&] { mru->RestoreState(); });
    delete mru;
  }
  return 0;
}
