#include "platform/sys/IniFiles.h"

#include <cerrno>

#include "platform/base/Finally.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/SysFiles.h"

namespace vcl {

ZYL_CLASS_IMPL(TCustomIniFile) {}
ZYL_CLASS_IMPL(TIniFile) {}
ZYL_CLASS_IMPL(TMemIniFile) {}

namespace {

// Reads the file's text: false when there is none; other failures raise `E` with the text of
// `pattern` for the name (and the system's reason, when `reason`).
template <class E>
bool ReadText(const std::string& name, const char* pattern, bool reason, std::string& text,
              sysfiles::TFileStamp& stamp) {
  const int rc = sysfiles::ReadWholeFile(name, text, stamp);
  if (rc == ENOENT) return false;
  if (rc != 0)
    throw E(reason ? Format(pattern, {name, sysfiles::ErrorText(rc)}) : Format(pattern, {name}));
  return true;
}

std::vector<std::string> ValueLines(const TIniText& text, const std::string& section) {
  std::vector<std::string> lines;
  for (const auto& [k, v] : text.Values(section)) lines.push_back(k + "=" + v);
  return lines;
}

// The value `tryParse` reads from the text, or `fallback` when the text is empty or unreadable.
double ParsedOr(const std::string& text, double fallback,
                bool (*tryParse)(const std::string&, double&)) {
  double v;
  return (!text.empty() && tryParse(text, v)) ? v : fallback;
}

bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return c - 'a' + 10;
}

}  // namespace

// ---- TCustomIniFile ---------------------------------------------------------------------------

int32_t TCustomIniFile::ReadInteger(const std::string& Section, const std::string& Ident,
                                    int32_t Default) {
  std::string s = ReadString(Section, Ident, "");
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s = "$" + s.substr(2);
  return StrToIntDef(s, Default);
}

void TCustomIniFile::WriteInteger(const std::string& Section, const std::string& Ident,
                                  int32_t Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default) {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const std::string& Section, const std::string& Ident,
                                 double Default) {
  return ParsedOr(ReadString(Section, Ident, ""), Default, TryStrToFloat);
}

void TCustomIniFile::WriteFloat(const std::string& Section, const std::string& Ident, double Value) {
  WriteString(Section, Ident, FloatToStr(Value));
}

double TCustomIniFile::ReadDate(const std::string& Section, const std::string& Ident, double Default) {
  return ParsedOr(ReadString(Section, Ident, ""), Default, TryStrToDate);
}

void TCustomIniFile::WriteDate(const std::string& Section, const std::string& Ident, double Value) {
  WriteString(Section, Ident, DateToStr(Value));
}

double TCustomIniFile::ReadDateTime(const std::string& Section, const std::string& Ident,
                                    double Default) {
  return ParsedOr(ReadString(Section, Ident, ""), Default, TryStrToDateTime);
}

void TCustomIniFile::WriteDateTime(const std::string& Section, const std::string& Ident,
                                   double Value) {
  WriteString(Section, Ident, DateTimeToStr(Value));
}

double TCustomIniFile::ReadTime(const std::string& Section, const std::string& Ident, double Default) {
  return ParsedOr(ReadString(Section, Ident, ""), Default, TryStrToTime);
}

void TCustomIniFile::WriteTime(const std::string& Section, const std::string& Ident, double Value) {
  WriteString(Section, Ident, TimeToStr(Value));
}

int32_t TCustomIniFile::ReadBinaryStream(const std::string& Section, const std::string& Ident,
                                         TStream* Value) {
  const std::string text = ReadString(Section, Ident, "");
  std::string bytes;
  bytes.reserve(text.size() / 2);
  for (size_t i = 0; i + 1 < text.size() && IsHex(text[i]) && IsHex(text[i + 1]); i += 2)
    bytes += static_cast<char>(HexValue(text[i]) * 16 + HexValue(text[i + 1]));
  if (bytes.empty() || !Value) return 0;
  const int64_t pos = Value->Position();
  Value->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  Value->SetPosition(pos);
  return static_cast<int32_t>(bytes.size());
}

void TCustomIniFile::WriteBinaryStream(const std::string& Section, const std::string& Ident,
                                       TStream* Value) {
  static const char hex[] = "0123456789ABCDEF";
  std::string text;
  if (Value) {
    const int64_t count = Value->Size() - Value->Position();
    if (count > 0) {
      std::string bytes(static_cast<size_t>(count), '\0');
      Value->ReadBuffer(bytes.data(), static_cast<int32_t>(count));
      text.reserve(bytes.size() * 2);
      for (unsigned char c : bytes) {
        text += hex[c >> 4];
        text += hex[c & 15];
      }
    }
  }
  WriteString(Section, Ident, text);
}

bool TCustomIniFile::SectionExists(const std::string& Section) {
  if (const TIniText* text = Model()) return text->KeyCount(Section) > 0;
  TStringList keys;
  ReadSection(Section, &keys);
  return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const std::string& Section, const std::string& Ident) {
  if (const TIniText* text = Model()) {
    std::string value;
    return text->Read(Section, Ident, value);
  }
  TStringList keys;
  ReadSection(Section, &keys);
  return keys.IndexOf(Ident) >= 0;
}

void TIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  FillStrings(Strings, Model()->Keys(Section));
}

void TIniFile::ReadSections(TStrings* Strings) { FillStrings(Strings, Model()->Sections()); }

void TIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  FillStrings(Strings, ValueLines(*Model(), Section));
}

void TMemIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  FillStrings(Strings, text_.Keys(Section));
}

void TMemIniFile::ReadSections(TStrings* Strings) { FillStrings(Strings, text_.Sections()); }

void TMemIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  FillStrings(Strings, ValueLines(text_, Section));
}

void TMemIniFile::GetStrings(TStrings* List) {
  if (!List) return;
  List->BeginUpdate();
  TFinally endUpdate([&] { List->EndUpdate(); });
  for (const auto& line : text_.Lines()) List->Add(line);
}

void TMemIniFile::SetStrings(TStrings* List) {
  std::vector<std::string> lines;
  if (List)
    for (int i = 0; i < List->Count(); ++i) lines.push_back(List->Strings(i));
  text_.SetLines(lines);
}

// ---- TIniFile ---------------------------------------------------------------------------------

const TIniText* TIniFile::Model() {
  const sysfiles::TFileStamp now = sysfiles::StampOf(FileName());
  if (loaded_ && now == stamp_) return &text_;
  std::string text;
  sysfiles::TFileStamp stamp;
  text_.Clear();
  if (ReadText<EIniFileException>(FileName(), SIniFileReadError, true, text, stamp))
    text_.Parse(text);
  stamp_ = stamp;
  loaded_ = true;
  return &text_;
}

template <class F>
void TIniFile::Change(F f) {
  const int rc = sysfiles::UpdateWholeFile(FileName(), [&](std::string& text, bool exists) {
    TIniText model;
    if (exists) model.Parse(text);
    if (!f(model)) return false;
    text = model.Text();
    return true;
  });
  loaded_ = false;  // the next read takes the file as it is now
  if (rc != 0) throw EIniFileException(Format(SIniFileWriteError, {FileName()}));
}

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                 const std::string& Default) {
  std::string v;
  return Model()->Read(Section, Ident, v) ? v : Default;
}

void TIniFile::WriteString(const std::string& Section, const std::string& Ident,
                           const std::string& Value) {
  Change([&](TIniText& model) {
    model.Write(Section, Ident, Value);
    return true;
  });
}

void TIniFile::EraseSection(const std::string& Section) {
  Change([&](TIniText& model) { return model.EraseSection(Section); });
}

void TIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  Change([&](TIniText& model) { return model.DeleteKey(Section, Ident); });
}

// ---- TMemIniFile ------------------------------------------------------------------------------

TMemIniFile::TMemIniFile(const std::string& FileName) : TCustomIniFile(FileName) { Load(); }

void TMemIniFile::Load() {
  std::string text;
  sysfiles::TFileStamp stamp;
  text_.Clear();
  if (ReadText<EFOpenError>(FileName(), SFOpenError, false, text, stamp)) text_.Parse(text);
}

std::string TMemIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                    const std::string& Default) {
  std::string v;
  return text_.Read(Section, Ident, v) ? v : Default;
}

void TMemIniFile::WriteString(const std::string& Section, const std::string& Ident,
                              const std::string& Value) {
  text_.Write(Section, Ident, Value);
}

void TMemIniFile::EraseSection(const std::string& Section) { text_.EraseSection(Section); }

void TMemIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  text_.DeleteKey(Section, Ident);
}

void TMemIniFile::UpdateFile() {
  if (!sysfiles::WriteWholeFile(FileName(), text_.Text()))
    throw EFCreateError(Format(SFCreateError, {FileName()}));
}

void TMemIniFile::Rename(const std::string& FileName, bool Reload) {
  SetFileName(FileName);
  if (Reload) Load();
}

}  // namespace vcl
