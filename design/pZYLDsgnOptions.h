// The design-time settings the package keeps from one IDE session to the next, all under one
// registry key of the current user, reached through TRegIniFile: a section is a subkey of the
// key, a value a named value in it.
//
// Reading is tolerant: a missing key, section or value gives the default, and so does a value
// of the wrong type (binary data where a number is expected, a text that is no number). A number
// is read from a DWORD value or from a decimal (or '$' hexadecimal) text, with blanks around it
// ignored; a Boolean from a number (non-zero is true) or from the texts "True"/"False",
// "Yes"/"No", "On"/"Off" in any case. Writing stores numbers and Booleans as texts ("1"/"0").
#pragma once

#include <cstdint>
#include <string>

namespace vcl {
class TStrings;
}

namespace zyl {

// "SOFTWARE\Quorvane\ZYL-Tools 2003" below HKEY_CURRENT_USER.
extern const char* const ZYLDsgnRegKey;
// The section and value of the option word that switches the optional property editors.
extern const char* const ZYLDsgnSharedSection;
extern const char* const ZYLDsgnEditorOptionsValue;
// The option word's defaults: for the registration of the property editors, and for the
// about form's settings page.
constexpr int32_t ZYLEditorOptionsRegisterDefault = 15;
constexpr int32_t ZYLEditorOptionsAboutDefault = 7;
// The list kinds' sections (kinds 0 to 5) and the value holding a kind's last directory.
constexpr int ZYLListKindCount = 6;
extern const char* const ZYLDsgnListPathValue;
// The section of a list kind; the empty section (the key itself) for a kind outside 0..5.
std::string ZYLListKindSection(int Kind);

int32_t ZYLDsgnReadInteger(const std::string& Section, const std::string& Ident, int32_t Default);
bool ZYLDsgnReadBool(const std::string& Section, const std::string& Ident, bool Default);
// A string, or Default when the value is missing or holds no text.
std::string ZYLDsgnReadString(const std::string& Section, const std::string& Ident,
                              const std::string& Default);
void ZYLDsgnWriteInteger(const std::string& Section, const std::string& Ident, int32_t Value);
void ZYLDsgnWriteBool(const std::string& Section, const std::string& Ident, bool Value);
void ZYLDsgnWriteString(const std::string& Section, const std::string& Ident,
                        const std::string& Value);
// Removes the section with all its values.
void ZYLDsgnEraseSection(const std::string& Section);
// The section's values as "name=value" lines, in the order the key keeps them; a value that
// holds no text reads as empty (none for a missing section).
void ZYLDsgnReadSectionValues(const std::string& Section, vcl::TStrings* Values);

// The option word, with the default of the reader.
inline int32_t ZYLReadEditorOptions(int32_t Default) {
  return ZYLDsgnReadInteger(ZYLDsgnSharedSection, ZYLDsgnEditorOptionsValue, Default);
}
inline void ZYLWriteEditorOptions(int32_t Value) {
  ZYLDsgnWriteInteger(ZYLDsgnSharedSection, ZYLDsgnEditorOptionsValue, Value);
}

}  // namespace zyl
