#include "edits/ZYLDateFormat.h"

#include <algorithm>
#include <cctype>

#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLDateFormat) {
  using T = TZYLDateFormat;
  b.Prop("FormatStr", &T::FormatStr, &T::SetFormatStr)
      .Stored(true)
      .Prop("Format", &T::Format, &T::SetFormat)
      .Default(dfShortSystem)
      .Prop("YearDelta", &T::YearDelta, &T::SetYearDelta)
      .Default(-1);
}

namespace {

constexpr int kMonthTypeBase = 10;
constexpr int kYearTypeBase = 20;
// GetPattern looks at this many fields at the most.
constexpr int kMaxFields = 24;

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
bool IsFieldLetter(char c) { return c == 'D' || c == 'M' || c == 'Y'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int TypeOf(char Letter, int RunLength) {
  switch (Letter) {
    case 'D': return RunLength;
    case 'M': return RunLength + kMonthTypeBase;
    default: return RunLength + kYearTypeBase;
  }
}

template <size_t N>
int Longest(const std::array<std::string, N>& Names) {
  size_t width = 0;
  for (size_t i = 1; i < N; ++i) width = std::max(width, Names[i].size());
  return static_cast<int>(width);
}

std::string PadRight(std::string s, int Width) {
  if (static_cast<int>(s.size()) < Width) s.append(static_cast<size_t>(Width) - s.size(), ' ');
  return s;
}

std::string TwoDigits(int Value) { return (Value < 10 ? "0" : "") + std::to_string(Value); }

// The number (1-based) of the longest name of either list that the text spells at Pos
// (without regard to case), with its length; 0 when none does.
template <size_t N>
int MatchName(const std::string& Text, size_t Pos, const std::array<std::string, N>& Long,
              const std::array<std::string, N>& Short, size_t& Length) {
  int found = 0;
  Length = 0;
  for (const auto* names : {&Long, &Short}) {
    for (size_t i = 1; i < N; ++i) {
      const std::string& name = (*names)[i];
      if (name.empty() || name.size() <= Length || Pos + name.size() > Text.size()) continue;
      if (vcl::SameText(Text.substr(Pos, name.size()), name)) {
        found = static_cast<int>(i);
        Length = name.size();
      }
    }
  }
  return found;
}

}  // namespace

void TZYLDateFormat::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLDateFormat*>(Source)) {
    SetFormat(s->FFormat);
    FYearDelta = s->FYearDelta;
    SetFormatStr(s->FFormatStr);
    return;
  }
  TZYLObject::Assign(Source);
}

void TZYLDateFormat::DoFormatChange() {
  if (FOnFormatChange) FOnFormatChange(this);
}

void TZYLDateFormat::DoFormatChanged() {
  if (FOnFormatChanged) FOnFormatChanged(this);
}

void TZYLDateFormat::SetFormatStr(std::string Value) {
  if (Value == FFormatStr) return;
  DoFormatChange();
  FFormatStr = std::move(Value);
  if (FFormat == dfCustom) DoFormatChanged();
}

void TZYLDateFormat::SetFormat(TZYLDateFormats Value) {
  if (!ZYLStoreValue(FFormat, Value)) return;
  DoFormatChanged();
}

std::string TZYLDateFormat::GetFormatStr() const {
  const vcl::TFormatSettings& fs = vcl::FormatSettings;
  switch (FFormat) {
    case dfShortSystem: return fs.ShortDateFormat;
    case dfLongSystem: return fs.LongDateFormat;
    default: {
      std::string picture = FFormatStr;
      std::replace(picture.begin(), picture.end(), '/', fs.DateSeparator);
      return picture;
    }
  }
}

int TZYLDateFormat::CurrentYear() { return vcl::CurrentYear(); }

int TZYLDateFormat::GetYearDelta() const {
  if (FYearDelta != -1) return FYearDelta;
  // The platform's window: 0 puts every two-digit year into the current century; N puts it
  // into the hundred years that start N years before this one.
  const int window = vcl::FormatSettings.TwoDigitYearCenturyWindow;
  if (window == 0) return 99;
  return (CurrentYear() - window) % 100 - 1;
}

int TZYLDateFormat::GetShortDayExtend() { return Longest(vcl::FormatSettings.ShortDayNames); }
int TZYLDateFormat::GetLongDayExtend() { return Longest(vcl::FormatSettings.LongDayNames); }
int TZYLDateFormat::GetShortMonthExtend() { return Longest(vcl::FormatSettings.ShortMonthNames); }
int TZYLDateFormat::GetLongMonthExtend() { return Longest(vcl::FormatSettings.LongMonthNames); }

std::string TZYLDateFormat::Write(int Year, int Month, int Day, bool EditForm) const {
  const vcl::TFormatSettings& fs = vcl::FormatSettings;
  const std::string picture = GetFormatStr();
  vcl::TDateTime date = 0;
  const bool valid = vcl::TryEncodeDate(Year, Month, Day, date);
  const size_t weekDay = valid ? static_cast<size_t>(vcl::DayOfWeek(date)) : 0;
  const size_t month = Month >= 1 && Month <= 12 ? static_cast<size_t>(Month) : 0;
  std::string out;
  for (size_t i = 0; i < picture.size();) {
    const char letter = Upper(picture[i]);
    if (!IsFieldLetter(letter)) {
      out += picture[i++];
      continue;
    }
    int run = 0;
    while (i < picture.size() && Upper(picture[i]) == letter) ++i, ++run;
    const std::string year = std::to_string(Year);
    const std::string shortYear = TwoDigits(((Year % 100) + 100) % 100);
    // A day or month run: the number plain or padded, or the short or long name.
    auto numberOrName = [&](int Value, const std::string& Short, const std::string& Long,
                            int ShortExtent, int LongExtent) {
      if (run == 1)
        out += EditForm ? PadRight(std::to_string(Value), 2) : std::to_string(Value);
      else if (run == 2 || (run > 4 && EditForm))
        out += TwoDigits(Value);
      else if (run == 3)
        out += EditForm ? PadRight(Short, ShortExtent) : Short;
      else if (run == 4)
        out += EditForm ? PadRight(Long, LongExtent) : Long;
    };
    if (letter == 'D') {
      numberOrName(Day, fs.ShortDayNames[weekDay], fs.LongDayNames[weekDay], GetShortDayExtend(),
                   GetLongDayExtend());
    } else if (letter == 'M') {
      numberOrName(Month, fs.ShortMonthNames[month], fs.LongMonthNames[month],
                   GetShortMonthExtend(), GetLongMonthExtend());
    } else {
      if (run == 2)
        out += shortYear;
      else if (run == 1 || run == 4 || EditForm)
        out += year;
    }
  }
  return out;
}

std::string TZYLDateFormat::DateToStr(vcl::TDateTime Date) const {
  uint16_t y = 0, m = 0, d = 0;
  vcl::DecodeDate(Date, y, m, d);
  return Write(y, m, d, false);
}

std::string TZYLDateFormat::GetEditString(int Year, int Month, int Day) const {
  return Write(Year, Month, Day, true);
}

std::string TZYLDateFormat::GetDTEditString(vcl::TDateTime Date) const {
  uint16_t y = 0, m = 0, d = 0;
  vcl::DecodeDate(Date, y, m, d);
  return Write(y, m, d, true);
}

template <class F>
void TZYLDateFormat::WalkRuns(const std::string& Text, F Visit) const {
  const std::string picture = vcl::UpperCase(GetFormatStr());
  size_t t = 0;
  for (size_t i = 0; i < picture.size();) {
    const char letter = picture[i];
    if (!IsFieldLetter(letter)) {
      ++i;
      if (t < Text.size()) ++t;
      continue;
    }
    int run = 0;
    while (i < picture.size() && picture[i] == letter) ++i, ++run;
    if (!Visit(letter, run, t, i < picture.size() ? picture[i] : '\0')) return;
  }
}

template <class F>
void TZYLDateFormat::WalkFields(const std::string& Text, F Visit) const {
  const vcl::TFormatSettings& fs = vcl::FormatSettings;
  WalkRuns(Text, [&](char Letter, int Run, size_t& t, char) {
    TField field;
    field.Type = TypeOf(Letter, Run);
    if (Letter != 'Y' && Run >= 3) {
      size_t length = 0;
      field.Start = static_cast<int>(t) + 1;
      if (Letter == 'D')
        MatchName(Text, t, fs.LongDayNames, fs.ShortDayNames, length);
      else
        MatchName(Text, t, fs.LongMonthNames, fs.ShortMonthNames, length);
      t += length;
    } else {
      // Numbers are found past what pads the field before them (spaces, separators).
      while (t < Text.size() && !IsDigit(Text[t])) ++t;
      field.Start = static_cast<int>(t) + 1;
      while (t < Text.size() && IsDigit(Text[t])) ++t;
    }
    field.End = static_cast<int>(t) + 1;
    return Visit(field);
  });
}

void TZYLDateFormat::StrToYMD(const std::string& Text, int& Year, int& Month, int& Day) const {
  const vcl::TFormatSettings& fs = vcl::FormatSettings;
  Year = 1900;
  Month = 1;
  Day = 1;
  WalkRuns(Text, [&](char Letter, int Run, size_t& t, char Next) {
    while (t < Text.size() && Text[t] == ' ') ++t;
    size_t length = 0;
    if (Letter == 'D' && Run >= 3) {
      MatchName(Text, t, fs.LongDayNames, fs.ShortDayNames, length);
      t += length;
    } else if (Letter == 'M' && Run >= 3) {
      Month = MatchName(Text, t, fs.LongMonthNames, fs.ShortMonthNames, length);
      t += length;
    } else {
      // Two digits at the most, four for a four-letter run and for a year written in full.
      const size_t most = Run == 4 || (Letter == 'Y' && Run != 2) ? 4 : 2;
      int value = 0;
      size_t digits = 0;
      while (digits < most && t < Text.size() && IsDigit(Text[t])) {
        value = value * 10 + (Text[t] - '0');
        ++t, ++digits;
      }
      if (digits > 0) {
        if (Letter == 'D') {
          Day = value;
        } else if (Letter == 'M') {
          Month = value;
        } else {
          if (value < 100) {
            const int century = CurrentYear() / 100 * 100;
            value += value <= GetYearDelta() ? century : century - 100;
          }
          Year = value;
        }
      }
    }
    if (Next != ' ')
      while (t < Text.size() && Text[t] == ' ') ++t;
    return true;
  });
}

vcl::TDateTime TZYLDateFormat::StrToDate(const std::string& Text) const {
  int y = 0, m = 0, d = 0;
  StrToYMD(Text, y, m, d);
  if (m == 2 && d > 28 && y >= 1 && y <= 9999) d = std::min(d, vcl::MonthDays(y, 2));
  return vcl::EncodeDate(y, m, d);
}

void TZYLDateFormat::GetPatInfo(int Index, const std::string& Text, int& Type, int& End,
                                int& Start) const {
  Type = 0;
  End = 0;
  Start = 0;
  int n = 0;
  WalkFields(Text, [&](const TField& f) {
    if (++n != Index) return true;
    Type = f.Type;
    End = f.End;
    Start = f.Start;
    return false;
  });
}

int TZYLDateFormat::GetPattern(int Position, const std::string& Text) const {
  if (Position > static_cast<int>(Text.size()) + 1) return 0;
  int result = -1, n = 0;
  WalkFields(Text, [&](const TField& f) {
    ++n;
    if (f.Start > Position) return false;
    if (f.End >= Position) {
      result = n;
      return false;
    }
    return n < kMaxFields;
  });
  return result;
}

TZYLDateFormat::TField TZYLDateFormat::FieldAt(int Position, const std::string& Text) const {
  TField field;
  const int index = GetPattern(Position, Text);
  if (index > 0) GetPatInfo(index, Text, field.Type, field.End, field.Start);
  return field;
}

int TZYLDateFormat::CurrentType(int Position, const std::string& Text) const {
  return FieldAt(Position, Text).Type;
}

int TZYLDateFormat::CurrentStart(int Position, const std::string& Text) const {
  return FieldAt(Position, Text).Start;
}

int TZYLDateFormat::CurrentLength(int Position, const std::string& Text) const {
  const TField field = FieldAt(Position, Text);
  return field.End - field.Start;
}

int TZYLDateFormat::NextEditPos(int Position, const std::string& Text) const {
  int own = 0, next = 0;
  WalkFields(Text, [&](const TField& f) {
    if (own != 0 || f.Start > Position) {
      next = f.Start;
      return false;
    }
    if (f.End >= Position) own = f.Start;
    return true;
  });
  if (next != 0) return next;
  return own != 0 ? own : Position;
}

int TZYLDateFormat::PrevEditPos(int Position, const std::string& Text) const {
  // The start of the last field that ends before the position.
  int last = 0;
  WalkFields(Text, [&](const TField& f) {
    if (f.Start > Position || f.End >= Position) return false;
    last = f.Start;
    return true;
  });
  return last != 0 ? last : 1;
}

}  // namespace zyl
