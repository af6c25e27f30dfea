// INI files: every query over every section the file names (a bounded number of them), then a
// write that must read back.
#include <cstdlib>

#include "fuzz/FuzzSupport.h"
#include "platform/classes/StringList.h"
#include "platform/sys/IniFiles.h"

namespace {

void Query(vcl::TCustomIniFile& ini) {
  vcl::TStringList sections, keys, values;
  ini.ReadSections(&sections);
  for (int i = 0; i < sections.Count() && i < 32; ++i) {
    const std::string section = sections.Strings(i);
    ini.ReadSection(section, &keys);
    // A section exists when it has keys (a listed section may have none).
    if (ini.SectionExists(section) != (keys.Count() > 0)) std::abort();
    ini.ReadSectionValues(section, &values);
    for (int k = 0; k < keys.Count() && k < 32; ++k) {
      if (!ini.ValueExists(section, keys.Strings(k))) std::abort();
      ini.ReadString(section, keys.Strings(k), "");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = fuzz::WriteScratchFile("fuzz.ini", data, size);
  fuzz::Expect([&] {
    vcl::TIniFile ini(file);
    Query(ini);
    ini.WriteString("fuzz section", "fuzz key", "fuzz value");
    if (ini.ReadString("fuzz section", "fuzz key", "") != "fuzz value") std::abort();
  });
  fuzz::WriteScratchFile("fuzz.ini", data, size);
  fuzz::Expect([&] {
    vcl::TMemIniFile ini(file);
    Query(ini);
  });
  return 0;
}
