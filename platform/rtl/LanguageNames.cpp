// Names of language identifiers, as the version-information API gives them.
#include <algorithm>
#include <cstring>

#include "platform/rtl/Locale.h"

namespace win {

namespace {

struct LanguageName {
  DWORD Id;
  const char* Name;
};

// A primary language with its most common sublanguages; the table is ordered by identifier.
constexpr LanguageName kNames[] = {
    {0x0000, "Language Neutral"},
    {0x0401, "Arabic (Saudi Arabia)"},
    {0x0403, "Catalan (Catalan)"},
    {0x0404, "Chinese (Taiwan)"},
    {0x0405, "Czech (Czech Republic)"},
    {0x0406, "Danish (Denmark)"},
    {0x0407, "German (Germany)"},
    {0x0408, "Greek (Greece)"},
    {0x0409, "English (United States)"},
    {0x040A, "Spanish (Traditional Sort)"},
    {0x040B, "Finnish (Finland)"},
    {0x040C, "French (France)"},
    {0x040D, "Hebrew (Israel)"},
    {0x040E, "Hungarian (Hungary)"},
    {0x040F, "Icelandic (Iceland)"},
    {0x0410, "Italian (Italy)"},
    {0x0411, "Japanese (Japan)"},
    {0x0412, "Korean (Korea)"},
    {0x0413, "Dutch (Netherlands)"},
    {0x0414, "Norwegian, Bokm\xe5l (Norway)"},
    {0x0415, "Polish (Poland)"},
    {0x0416, "Portuguese (Brazil)"},
    {0x0418, "Romanian (Romania)"},
    {0x0419, "Russian (Russia)"},
    {0x041A, "Croatian (Croatia)"},
    {0x041B, "Slovak (Slovakia)"},
    {0x041D, "Swedish (Sweden)"},
    {0x041E, "Thai (Thailand)"},
    {0x041F, "Turkish (Turkey)"},
    {0x0422, "Ukrainian (Ukraine)"},
    {0x0424, "Slovenian (Slovenia)"},
    {0x0425, "Estonian (Estonia)"},
    {0x0426, "Latvian (Latvia)"},
    {0x0427, "Lithuanian (Lithuania)"},
    {0x0804, "Chinese (PRC)"},
    {0x0807, "German (Switzerland)"},
    {0x0809, "English (United Kingdom)"},
    {0x080A, "Spanish (Mexico)"},
    {0x080C, "French (Belgium)"},
    {0x0810, "Italian (Switzerland)"},
    {0x0813, "Dutch (Belgium)"},
    {0x0816, "Portuguese (Portugal)"},
    {0x0C07, "German (Austria)"},
    {0x0C09, "English (Australia)"},
    {0x0C0A, "Spanish (Spain)"},
    {0x0C0C, "French (Canada)"},
    {0x1009, "English (Canada)"},
    {0x100C, "French (Switzerland)"},
};

}  // namespace

DWORD VerLanguageNameA(DWORD lang, LPSTR buffer, DWORD size) {
  const char* name = kNames[0].Name;
  const auto it = std::lower_bound(std::begin(kNames), std::end(kNames), lang,
                                   [](const LanguageName& n, DWORD id) { return n.Id < id; });
  if (it != std::end(kNames) && it->Id == lang) name = it->Name;
  const DWORD len = static_cast<DWORD>(std::strlen(name));
  if (!buffer || size == 0) return len;
  const DWORD n = std::min(len, size - 1);
  std::memcpy(buffer, name, n);
  buffer[n] = 0;
  return n;
}

}  // namespace win
