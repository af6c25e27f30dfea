#include "edits/ZYLDateFormat.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

namespace {

bool IsField(char C) { return C == 'D' || C == 'M' || C == 'Y'; }
bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// The length of the run of Picture[I] from I on.
size_t RunLength(const std::string& Picture, size_t I) {
  size_t n = 1;
  while (I + n < Picture.size() && Picture[I + n] == Picture[I]) ++n;
  return n;
}

// S padded with spaces on the right to Width.
std::string PadRight(std::string S, size_t Width) {
  if (S.size() < Width) S.append(Width - S.size(), ' ');
  return S;
}

std::string TwoDigits(int N) { return vcl::Format("%.2d", {N}); }

template <size_t N>
int Longest(const std::array<std::string, N>& Names) {
  size_t w = 0;
  for (const std::string& s : Names) w = std::max(w, s.size());
  return static_cast<int>(w);
}

// The index (First..Last) of the name Text spells at J, long names before short ones; J moves
// past it. 0 when none.
template <size_t N>
int ReadName(const std::string& Text, size_t& J, const std::array<std::string, N>& Long,
             const std::array<std::string, N>& Short) {
  for (const auto* names : {&Long, &Short})
    for (size_t k = 1; k < N; ++k) {
      const std::string& name = (*names)[k];
      if (!name.empty() && vcl::AnsiCompareText(Text.substr(J, name.size()), name) == 0) {
        J += name.size();
        return static_cast<int>(k);
      }
    }
  return 0;
}

// Writes Picture: its other characters as they stand, each run of D, M or Y (read without
// case) through Field(letter, run length).
template <class F>
std::string WritePicture(const std::string& Picture, F Field) {
  const std::string upper = vcl::UpperCase(Picture);
  std::string out;
  for (size_t i = 0; i < upper.size();) {
    if (!IsField(upper[i])) {
      out += Picture[i++];
      continue;
    }
    const size_t n = RunLength(upper, i);
    out += Field(upper[i], n);
    i += n;
  }
  return out;
}

}  // namespace

ZYL_CLASS_IMPL(TZYLDateFormat) {
  using C = TZYLDateFormat;
  b.Prop("FormatStr", &C::FormatStr, &C::SetFormatStr)
      .Prop("Format", &C::Format, &C::SetFormat)
      .Default(dfShortSystem)
      .Prop("YearDelta", &C::YearDelta, &C::SetYearDelta)
      .Default(-1);
}

void TZYLDateFormat::Assign(vcl::TPersistent* Source) {
  auto* src = dynamic_cast<TZYLDateFormat*>(Source);
  if (!src) {
    inherited::Assign(Source);
    return;
  }
  FFormat = src->FFormat;
  FYearDelta = src->FYearDelta;
  FFormatStr = src->FFormatStr;
}

void TZYLDateFormat::SetFormatStr(const std::string& Value) {
  if (Value == FFormatStr) return;
  if (OnFormatChange) OnFormatChange(this);
  FFormatStr = Value;
  if (FFormat == dfCustom && OnFormatChanged) OnFormatChanged(this);
}

void TZYLDateFormat::SetFormat(TZYLDateFormats Value) {
  if (Value == FFormat) return;
  FFormat = Value;
  if (OnFormatChanged) OnFormatChanged(this);
}

std::string TZYLDateFormat::GetFormatStr() const {
  const vcl::TFormatSettings& fs = vcl::FormatSettings;
  if (FFormat == dfShortSystem) return fs.ShortDateFormat;
  if (FFormat == dfLongSystem) return fs.LongDateFormat;
  std::string s = FFormatStr;
  std::replace(s.begin(), s.end(), '/', fs.DateSeparator);
  return s;
}

int TZYLDateFormat::CurrentYear() { return vcl::CurrentYear(); }

int TZYLDateFormat::GetYearDelta() const {
  if (FYearDelta >= 0) return FYearDelta;
  // A window of 0 keeps every two-digit year in the current century.
  const int window = vcl::FormatSettings.TwoDigitYearCenturyWindow;
  return window == 0 ? 99 : window;
}

int TZYLDateFormat::GetShortDayExtend() { return Longest(vcl::FormatSettings.ShortDayNames); }
int TZYLDateFormat::GetLongDayExtend() { return Longest(vcl::FormatSettings.LongDayNames); }
int TZYLDateFormat::GetShortMonthExtend() { return Longest(vcl::FormatSettings.ShortMonthNames); }
int TZYLDateFormat::GetLongMonthExtend() { return Longest(vcl::FormatSettings.LongMonthNames); }

// ---------------------------------------------------------------------------------------------
// Writing

std::string TZYLDateFormat::DateToStr(vcl::TDateTime Date) const {
  uint16_t y = 0, m = 0, d = 0;
  vcl::DecodeDate(Date, y, m, d);
  const vcl::TFormatSettings& fs = vcl::FormatSettings;
  const size_t dow = static_cast<size_t>(vcl::DayOfWeek(Date));
  return WritePicture(GetFormatStr(), [&](char C, size_t N) -> std::string {
    if (N > 4) return "";
    if (C == 'D') {
      const std::string texts[] = {std::to_string(d), TwoDigits(d), fs.ShortDayNames[dow],
                                   fs.LongDayNames[dow]};
      return texts[N - 1];
    }
    if (C == 'M') {
      const std::string texts[] = {std::to_string(m), TwoDigits(m), fs.ShortMonthNames[m],
                                   fs.LongMonthNames[m]};
      return texts[N - 1];
    }
    const std::string texts[] = {std::to_string(y), TwoDigits(y % 100), "", std::to_string(y)};
    return texts[N - 1];
  });
}

std::string TZYLDateFormat::GetEditString(int Year, int Month, int Day) const {
  const vcl::TFormatSettings& fs = vcl::FormatSettings;
  vcl::TDateTime date = 0;
  const bool valid = vcl::TryEncodeDate(Year, Month, Day, date);
  const size_t dow = valid ? static_cast<size_t>(vcl::DayOfWeek(date)) : 0;
  const size_t month = Month >= 1 && Month <= 12 ? static_cast<size_t>(Month) : 0;
  return WritePicture(GetFormatStr(), [&](char C, size_t N) -> std::string {
    if (C == 'Y') return N == 2 ? TwoDigits(Year % 100) : std::to_string(Year);
    if (N == 3 && C == 'D') return PadRight(fs.ShortDayNames[dow], size_t(GetShortDayExtend()));
    if (N == 4 && C == 'D') return PadRight(fs.LongDayNames[dow], size_t(GetLongDayExtend()));
    if (N == 3) return PadRight(fs.ShortMonthNames[month], size_t(GetShortMonthExtend()));
    if (N == 4) return PadRight(fs.LongMonthNames[month], size_t(GetLongMonthExtend()));
    const int v = C == 'D' ? Day : Month;
    return N == 1 ? PadRight(std::to_string(v), 2) : TwoDigits(v);
  });
}

std::string TZYLDateFormat::GetDTEditString(vcl::TDateTime Date) const {
  uint16_t y = 0, m = 0, d = 0;
  vcl::DecodeDate(Date, y, m, d);
  return GetEditString(y, m, d);
}

// ---------------------------------------------------------------------------------------------
// Reading

void TZYLDateFormat::StrToYMD(const std::string& Text, int& Year, int& Month, int& Day) const {
  Year = 1900;
  Month = 1;
  Day = 1;
  const vcl::TFormatSettings& fs = vcl::FormatSettings;
  const std::string picture = vcl::UpperCase(GetFormatStr());
  size_t j = 0;
  for (size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (!IsField(c)) {
      if (j < Text.size()) ++j;
      ++i;
      continue;
    }
    while (j < Text.size() && Text[j] == ' ') ++j;
    const size_t n = RunLength(picture, i);
    i += n;
    if (c == 'D' && (n == 3 || n == 4)) {
      ReadName(Text, j, fs.LongDayNames, fs.ShortDayNames);
    } else if (c == 'M' && (n == 3 || n == 4)) {
      Month = ReadName(Text, j, fs.LongMonthNames, fs.ShortMonthNames);
    } else {
      const size_t most = n == 4 ? 4 : 2;
      size_t digits = 0;
      int v = 0;
      while (digits < most && j < Text.size() && IsDigit(Text[j])) {
        v = v * 10 + (Text[j++] - '0');
        ++digits;
      }
      if (digits > 0) {
        if (c == 'D') Day = v;
        if (c == 'M') Month = v;
        if (c == 'Y') {
          if (v < 100) {
            const int century = CurrentYear() / 100 * 100;
            v += v <= GetYearDelta() ? century : century - 100;
          }
          Year = v;
        }
      }
    }
    if (i >= picture.size() || picture[i] != ' ')
      while (j < Text.size() && Text[j] == ' ') ++j;
  }
}

vcl::TDateTime TZYLDateFormat::StrToDate(const std::string& Text) const {
  int y = 0, m = 0, d = 0;
  StrToYMD(Text, y, m, d);
  if (m == 2 && d > 28) d = std::min(d, vcl::IsLeapYear(y) ? 29 : 28);
  return vcl::EncodeDate(y, m, d);
}

// ---------------------------------------------------------------------------------------------
// Fields

void TZYLDateFormat::GetPatInfo(int Index, const std::string& Text, int& Type, int& End,
                                int& Start) const {
  Type = 0;
  End = 0;
  Start = 0;
  const vcl::TFormatSettings& fs = vcl::FormatSettings;
  const std::string picture = vcl::UpperCase(GetFormatStr());
  size_t j = 0;
  int run = 0;
  for (size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (!IsField(c)) {
      if (j < Text.size()) ++j;
      ++i;
      continue;
    }
    const size_t n = RunLength(picture, i);
    i += n;
    if (c != 'Y' && (n == 3 || n == 4)) {
      Start = static_cast<int>(j) + 1;
      if (c == 'D')
        ReadName(Text, j, fs.LongDayNames, fs.ShortDayNames);
      else
        ReadName(Text, j, fs.LongMonthNames, fs.ShortMonthNames);
    } else {
      while (j < Text.size() && !IsDigit(Text[j])) ++j;
      Start = static_cast<int>(j) + 1;
      while (j < Text.size() && IsDigit(Text[j])) ++j;
    }
    if (++run == Index) {
      Type = static_cast<int>(c == 'D' ? n : c == 'M' ? n + 10 : n + 20);
      End = static_cast<int>(j) + 1;
      return;
    }
  }
  Start = 0;
}

int TZYLDateFormat::GetPattern(int Pos, const std::string& Text) const {
  if (Pos > static_cast<int>(Text.size()) + 1) return 0;
  for (int index = 1; index <= 24; ++index) {
    int type = 0, end = 0, start = 0;
    GetPatInfo(index, Text, type, end, start);
    if (type == 0 || Pos < start) return -1;
    if (end >= Pos) return index;
  }
  return -1;
}

int TZYLDateFormat::CurrentType(int Pos, const std::string& Text) const {
  int type = 0, end = 0, start = 0;
  const int index = GetPattern(Pos, Text);
  if (index > 0) GetPatInfo(index, Text, type, end, start);
  return type;
}

int TZYLDateFormat::CurrentStart(int Pos, const std::string& Text) const {
  int type = 0, end = 0, start = 0;
  const int index = GetPattern(Pos, Text);
  if (index > 0) GetPatInfo(index, Text, type, end, start);
  return start;
}

int TZYLDateFormat::CurrentLength(int Pos, const std::string& Text) const {
  int type = 0, end = 0, start = 0;
  const int index = GetPattern(Pos, Text);
  if (index <= 0) return 0;
  GetPatInfo(index, Text, type, end, start);
  return end - start;
}

int TZYLDateFormat::NextEditPos(int Pos, const std::string& Text) const {
  const int index = GetPattern(Pos, Text);
  int type = 0, end = 0, start = 0, own = 0;
  if (index > 0) {
    GetPatInfo(index, Text, type, end, own);
    GetPatInfo(index + 1, Text, type, end, start);
    return type != 0 ? start : own;
  }
  // Outside the fields: the first field starting after Pos, else the last field.
  int last = 1;
  for (int i = 1; i <= 24; ++i) {
    GetPatInfo(i, Text, type, end, start);
    if (type == 0) break;
    if (start > Pos) return start;
    last = start;
  }
  return last;
}

int TZYLDateFormat::PrevEditPos(int Pos, const std::string& Text) const {
  const int index = GetPattern(Pos, Text);
  int type = 0, end = 0, start = 0;
  if (index > 1) {
    GetPatInfo(index - 1, Text, type, end, start);
    return start;
  }
  if (index == 1) return 1;
  // Outside the fields: the last field ending before Pos, else 1.
  int previous = 1;
  for (int i = 1; i <= 24; ++i) {
    GetPatInfo(i, Text, type, end, start);
    if (type == 0 || end > Pos) break;
    previous = start;
  }
  return previous;
}

}  // namespace zyl
