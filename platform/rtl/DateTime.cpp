#include "platform/rtl/DateTime.h"

#include <cmath>
#include <cstdio>

#include "platform/base/Clock.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Numbers.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"

namespace vcl {

namespace {

constexpr int kCumulative[2][13] = {
    {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335},
};
constexpr int kMonthDays[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// The range of dates the calendar routines accept: 0001-01-01 .. 9999-12-31.
constexpr double kMinDate = -693593.0;
constexpr double kMaxDate = 2958466.0;

// Day number since 0001-01-01 (1 for that day).
int32_t DayNumber(int y, int m, int d) {
  const int i = y - 1;
  return i * 365 + i / 4 - i / 100 + i / 400 + kCumulative[IsLeapYear(y) ? 1 : 0][m] + d;
}

// Inverse of DayNumber; false for day numbers outside 1 .. 9999-12-31.
bool CivilFromDayNumber(int32_t n, int& y, int& m, int& d) {
  if (n <= 0 || n > DayNumber(9999, 12, 31)) return false;
  // Days since 1970-01-01 into the civil calendar.
  int64_t z = static_cast<int64_t>(n) - 719163 + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
  return true;
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int MonthDays(int year, int month) {
  if (month < 1 || month > 12) return 0;
  return kMonthDays[IsLeapYear(year) ? 1 : 0][month];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > MonthDays(year, month)) return false;
  date = static_cast<double>(DayNumber(year, month, day) - DateDelta);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime d;
  if (!TryEncodeDate(year, month, day, d)) throw EConvertError(SDateEncodeError);
  return d;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
  if (hour < 0 || hour >= 24 || min < 0 || min >= 60 || sec < 0 || sec >= 60 || msec < 0 || msec >= 1000) return false;
  time = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
  return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
  TDateTime t;
  if (!TryEncodeTime(hour, min, sec, msec, t)) throw EConvertError(STimeEncodeError);
  return t;
}

TTimeStamp DateTimeToTimeStamp(TDateTime dateTime) {
  TTimeStamp ts;
  if (!std::isfinite(dateTime) || dateTime < kMinDate - 1 || dateTime > kMaxDate + 1) return ts;
  int64_t ms = Round(std::fabs(Frac(dateTime)) * MSecsPerDay);
  int64_t date = DateDelta + Trunc(dateTime);
  if (ms >= MSecsPerDay) {  // rounding reached midnight of the next day
    ms -= MSecsPerDay;
    ++date;
  }
  ts.Time = static_cast<int32_t>(ms);
  ts.Date = static_cast<int32_t>(date);
  return ts;
}

TDateTime TimeStampToDateTime(const TTimeStamp& ts) {
  const double date = static_cast<double>(ts.Date - DateDelta);
  const double time = static_cast<double>(ts.Time) / MSecsPerDay;
  return date >= 0 ? date + time : date - time;
}

void DecodeDate(TDateTime date, uint16_t& year, uint16_t& month, uint16_t& day) {
  int y = 0, m = 0, d = 0;
  if (!CivilFromDayNumber(DateTimeToTimeStamp(date).Date, y, m, d)) y = m = d = 0;
  year = static_cast<uint16_t>(y);
  month = static_cast<uint16_t>(m);
  day = static_cast<uint16_t>(d);
}

void DecodeTime(TDateTime time, uint16_t& hour, uint16_t& min, uint16_t& sec, uint16_t& msec) {
  int32_t ms = DateTimeToTimeStamp(time).Time;
  hour = static_cast<uint16_t>(ms / 3600000);
  ms %= 3600000;
  min = static_cast<uint16_t>(ms / 60000);
  ms %= 60000;
  sec = static_cast<uint16_t>(ms / 1000);
  msec = static_cast<uint16_t>(ms % 1000);
}

int DayOfWeek(TDateTime date) {
  const int32_t n = DateTimeToTimeStamp(date).Date;
  return static_cast<int>(((n % 7) + 7) % 7) + 1;
}

TDateTime IncMonth(TDateTime date, int months) {
  uint16_t y, m, d;
  DecodeDate(date, y, m, d);
  if (y == 0) throw EConvertError(SDateEncodeError);
  int64_t total = static_cast<int64_t>(y) * 12 + (m - 1) + months;
  const int ny = static_cast<int>(total / 12);
  const int nm = static_cast<int>(total % 12) + 1;
  if (total < 0 || ny < 1 || ny > 9999) throw EConvertError(SDateEncodeError);
  int nd = d;
  if (nd > MonthDays(ny, nm)) nd = MonthDays(ny, nm);
  TDateTime result = EncodeDate(ny, nm, nd);
  ReplaceTime(result, date);
  return result;
}

void ReplaceDate(TDateTime& dateTime, TDateTime newDate) {
  const double time = std::fabs(Frac(dateTime));
  const double date = static_cast<double>(Trunc(newDate));
  dateTime = date >= 0 ? date + time : date - time;
}

void ReplaceTime(TDateTime& dateTime, TDateTime newTime) {
  const double time = std::fabs(Frac(newTime));
  const double date = static_cast<double>(Trunc(dateTime));
  dateTime = date >= 0 ? date + time : date - time;
}

TDateTime Now() { return win::CurrentClock().Now(); }
TDateTime Date() { return static_cast<double>(Trunc(Now())); }
TDateTime Time() { return Frac(Now()); }

int CurrentYear() {
  uint16_t y, m, d;
  DecodeDate(Now(), y, m, d);
  return y;
}

// ---- Formatting ---------------------------------------------------------------------------

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool StartsWithNoCase(const std::string& s, size_t at, const char* word) {
  for (size_t k = 0; word[k]; ++k)
    if (at + k >= s.size() || Upper(s[at + k]) != Upper(word[k])) return false;
  return true;
}

std::string Number(int v, int minDigits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", minDigits, v);
  return buf;
}

struct Parts {
  int year, month, day, hour, min, sec, msec, dow;
};

void AppendFormat(std::string& out, const std::string& f, const Parts& p, int level) {
  const TFormatSettings& fs = ActiveFormatSettings();
  const size_t n = f.size();
  size_t i = 0;
  char lastToken = ' ';
  auto count = [&](char token) {
    size_t k = 1;
    while (i < n && Upper(f[i]) == token) {
      ++i;
      ++k;
    }
    return static_cast<int>(k);
  };
  while (i < n) {
    const char c = f[i];
    const char token = Upper(c);
    ++i;
    switch (token) {
      case 'Y': {
        const int k = count('Y');
        out += k <= 2 ? Number(p.year % 100, 2) : Number(p.year, 4);
        break;
      }
      case 'M': {
        const int k = count('M');
        if (k <= 2 && (lastToken == 'H')) {
          out += Number(p.min, k);
        } else if (k <= 2) {
          out += Number(p.month, k);
        } else if (p.month >= 1 && p.month <= 12) {
          out += k == 3 ? fs.ShortMonthNames[static_cast<size_t>(p.month)] : fs.LongMonthNames[static_cast<size_t>(p.month)];
        }
        break;
      }
      case 'D': {
        const int k = count('D');
        if (k <= 2) out += Number(p.day, k);
        else if (k == 3) out += fs.ShortDayNames[static_cast<size_t>(p.dow)];
        else if (k == 4) out += fs.LongDayNames[static_cast<size_t>(p.dow)];
        else if (level < 2) AppendFormat(out, k == 5 ? fs.ShortDateFormat : fs.LongDateFormat, p, level + 1);
        break;
      }
      case 'H': {
        const int k = count('H');
        // A 12-hour clock when an am/pm token comes before the next hour token.
        bool twelve = false, quoted = false;
        for (size_t q = i; q < n; ++q) {
          const char x = f[q];
          if (x == '\'' || x == '"') {
            quoted = !quoted;
          } else if (!quoted && (x == 'a' || x == 'A')) {
            twelve = StartsWithNoCase(f, q, "AM/PM") || StartsWithNoCase(f, q, "A/P") || StartsWithNoCase(f, q, "AMPM");
            break;
          } else if (!quoted && (x == 'h' || x == 'H')) {
            break;
          }
        }
        int h = p.hour;
        if (twelve) {
          h %= 12;
          if (h == 0) h = 12;
        }
        out += Number(h, k >= 2 ? 2 : 1);
        break;
      }
      case 'N': out += Number(p.min, count('N') >= 2 ? 2 : 1); break;
      case 'S': out += Number(p.sec, count('S') >= 2 ? 2 : 1); break;
      case 'Z': out += Number(p.msec, count('Z') >= 3 ? 3 : 1); break;
      case 'T': {
        const int k = count('T');
        if (level < 2) AppendFormat(out, k == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, p, level + 1);
        break;
      }
      case 'C': {
        count('C');
        if (level < 2) {
          AppendFormat(out, fs.ShortDateFormat, p, level + 1);
          if (p.hour != 0 || p.min != 0 || p.sec != 0) {
            out += ' ';
            AppendFormat(out, fs.LongTimeFormat, p, level + 1);
          }
        }
        break;
      }
      case 'A': {
        const size_t at = i - 1;
        const bool pm = p.hour >= 12;
        if (StartsWithNoCase(f, at, "AM/PM")) {
          out += f.substr(pm ? at + 3 : at, 2);
          i = at + 5;
        } else if (StartsWithNoCase(f, at, "A/P")) {
          out += f[pm ? at + 2 : at];
          i = at + 3;
        } else if (StartsWithNoCase(f, at, "AMPM")) {
          out += pm ? fs.TimePMString : fs.TimeAMString;
          i = at + 4;
        } else {
          out += c;
        }
        break;
      }
      case '/':
        if (fs.DateSeparator) out += fs.DateSeparator;
        break;
      case ':':
        if (fs.TimeSeparator) out += fs.TimeSeparator;
        break;
      case '\'':
      case '"': {
        const size_t end = f.find(c, i);
        const size_t stop = end == std::string::npos ? n : end;
        out.append(f, i, stop - i);
        i = stop == n ? n : stop + 1;
        break;
      }
      default:
        out += c;
        break;
    }
    if (token >= 'A' && token <= 'Z') lastToken = token;
  }
}

}  // namespace

void DateTimeToString(std::string& result, const std::string& format, TDateTime dateTime) {
  uint16_t y, mo, d, h, mi, s, ms;
  DecodeDate(dateTime, y, mo, d);
  DecodeTime(dateTime, h, mi, s, ms);
  const Parts p{y, mo, d, h, mi, s, ms, y ? DayOfWeek(dateTime) : 0};
  result.clear();
  AppendFormat(result, format.empty() ? std::string("C") : format, p, 0);
}

std::string FormatDateTime(const std::string& format, TDateTime dateTime) {
  std::string r;
  DateTimeToString(r, format, dateTime);
  return r;
}

std::string DateToStr(TDateTime date) { return FormatDateTime("ddddd", date); }
std::string TimeToStr(TDateTime time) { return FormatDateTime("tt", time); }
std::string DateTimeToStr(TDateTime dateTime) { return FormatDateTime("c", dateTime); }

// ---- Parsing ------------------------------------------------------------------------------

namespace {

void ScanBlanks(const std::string& s, size_t& pos) {
  while (pos < s.size() && s[pos] == ' ') ++pos;
}

bool ScanNumber(const std::string& s, size_t& pos, int& number, int& length) {
  ScanBlanks(s, pos);
  size_t i = pos;
  int n = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9' && n < 1000) {
    n = n * 10 + (s[i] - '0');
    ++i;
  }
  if (i == pos) return false;
  length = static_cast<int>(i - pos);
  number = n;
  pos = i;
  return true;
}

bool ScanChar(const std::string& s, size_t& pos, char ch) {
  ScanBlanks(s, pos);
  if (pos < s.size() && s[pos] == ch) {
    ++pos;
    return true;
  }
  return false;
}

bool ScanString(const std::string& s, size_t& pos, const std::string& word) {
  if (word.empty()) return false;
  ScanBlanks(s, pos);
  if (!StartsWithNoCase(s, pos, word.c_str())) return false;
  pos += word.size();
  return true;
}

enum TDateOrder { doMDY, doDMY, doYMD };

TDateOrder GetDateOrder(const std::string& f) {
  for (char c : f) {
    switch (Upper(c)) {
      case 'E': case 'Y': return doYMD;
      case 'M': return doMDY;
      case 'D': return doDMY;
      default: break;
    }
  }
  return doMDY;
}

bool ScanDate(const std::string& s, size_t& pos, TDateTime& date) {
  const TFormatSettings& fs = ActiveFormatSettings();
  int n1, n2, n3, l1, l2, l3;
  const TDateOrder order = GetDateOrder(fs.ShortDateFormat);
  if (!(ScanNumber(s, pos, n1, l1) && ScanChar(s, pos, fs.DateSeparator) && ScanNumber(s, pos, n2, l2))) return false;
  int y, m, d;
  if (ScanChar(s, pos, fs.DateSeparator)) {
    if (!ScanNumber(s, pos, n3, l3)) return false;
    int yearLen;
    switch (order) {
      case doMDY: y = n3; yearLen = l3; m = n1; d = n2; break;
      case doDMY: y = n3; yearLen = l3; m = n2; d = n1; break;
      default: y = n1; yearLen = l1; m = n2; d = n3; break;
    }
    if (yearLen <= 2) {
      int current = CurrentYear() - fs.TwoDigitYearCenturyWindow;
      y += current / 100 * 100;
      if (fs.TwoDigitYearCenturyWindow > 0 && y < current) y += 100;
    }
  } else {
    y = CurrentYear();
    if (order == doDMY) {
      d = n1;
      m = n2;
    } else {
      m = n1;
      d = n2;
    }
  }
  ScanChar(s, pos, fs.DateSeparator);
  ScanBlanks(s, pos);
  return TryEncodeDate(y, m, d, date);
}

int ScanAmPm(const std::string& s, size_t& pos) {
  const TFormatSettings& fs = ActiveFormatSettings();
  if (ScanString(s, pos, fs.TimeAMString) || ScanString(s, pos, "AM")) return 0;
  if (ScanString(s, pos, fs.TimePMString) || ScanString(s, pos, "PM")) return 12;
  size_t p = pos;
  ScanBlanks(s, p);
  if (p < s.size() && (Upper(s[p]) == 'A' || Upper(s[p]) == 'P') &&
      (p + 1 == s.size() || !((Upper(s[p + 1]) >= 'A' && Upper(s[p + 1]) <= 'Z')))) {
    pos = p + 1;
    return Upper(s[p]) == 'A' ? 0 : 12;
  }
  return -1;
}

bool ScanTime(const std::string& s, size_t& pos, TDateTime& time) {
  const TFormatSettings& fs = ActiveFormatSettings();
  int base = ScanAmPm(s, pos);
  int hour, min = 0, sec = 0, msec = 0, len;
  if (!ScanNumber(s, pos, hour, len)) return false;
  if (ScanChar(s, pos, fs.TimeSeparator)) {
    if (!ScanNumber(s, pos, min, len)) return false;
    if (ScanChar(s, pos, fs.TimeSeparator)) {
      if (!ScanNumber(s, pos, sec, len)) return false;
      if (ScanChar(s, pos, fs.DecimalSeparator))
        if (!ScanNumber(s, pos, msec, len)) return false;
    }
  }
  if (base < 0) base = ScanAmPm(s, pos);
  if (base >= 0) {
    if (hour == 0 || hour > 12) return false;
    if (hour == 12) hour = 0;
    hour += base;
  }
  ScanBlanks(s, pos);
  return TryEncodeTime(hour, min, sec, msec, time);
}

}  // namespace

bool TryStrToDate(const std::string& s, TDateTime& value) {
  size_t pos = 0;
  TDateTime d;
  if (!ScanDate(s, pos, d) || pos < s.size()) return false;
  value = d;
  return true;
}

bool TryStrToTime(const std::string& s, TDateTime& value) {
  size_t pos = 0;
  TDateTime t;
  if (!ScanTime(s, pos, t) || pos < s.size()) return false;
  value = t;
  return true;
}

bool TryStrToDateTime(const std::string& s, TDateTime& value) {
  size_t pos = 0;
  TDateTime d, t = 0;
  if (!ScanDate(s, pos, d)) return false;
  if (pos < s.size() && (!ScanTime(s, pos, t) || pos < s.size())) return false;
  value = d >= 0 ? d + t : d - t;
  return true;
}

TDateTime StrToDate(const std::string& s) {
  TDateTime v;
  if (!TryStrToDate(s, v)) throw EConvertError(Format(SInvalidDate, {s}));
  return v;
}

TDateTime StrToTime(const std::string& s) {
  TDateTime v;
  if (!TryStrToTime(s, v)) throw EConvertError(Format(SInvalidTime, {s}));
  return v;
}

TDateTime StrToDateTime(const std::string& s) {
  TDateTime v;
  if (!TryStrToDateTime(s, v)) throw EConvertError(Format(SInvalidDateTime, {s}));
  return v;
}

std::string FormatDateTime(const std::string& format, TDateTime dateTime, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return FormatDateTime(format, dateTime);
}

std::string DateToStr(TDateTime date, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return DateToStr(date);
}

std::string TimeToStr(TDateTime time, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return TimeToStr(time);
}

std::string DateTimeToStr(TDateTime dateTime, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return DateTimeToStr(dateTime);
}

TDateTime StrToDate(const std::string& s, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return StrToDate(s);
}

TDateTime StrToTime(const std::string& s, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return StrToTime(s);
}

TDateTime StrToDateTime(const std::string& s, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return StrToDateTime(s);
}

bool TryStrToDate(const std::string& s, TDateTime& value, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return TryStrToDate(s, value);
}

bool TryStrToTime(const std::string& s, TDateTime& value, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return TryStrToTime(s, value);
}

bool TryStrToDateTime(const std::string& s, TDateTime& value, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return TryStrToDateTime(s, value);
}


}  // namespace vcl
