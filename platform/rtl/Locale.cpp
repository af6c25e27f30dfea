#include "platform/rtl/Locale.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

using win::LCTYPE;
using LocaleTable = std::map<LCTYPE, std::string>;

const LocaleTable& EnglishUs() {
  static const LocaleTable table = [] {
    using namespace win;
    LocaleTable t{
        {LOCALE_ILANGUAGE, "0409"},
        {LOCALE_SLANGUAGE, "English (United States)"},
        {LOCALE_SABBREVLANGNAME, "ENU"},
        {LOCALE_SNATIVELANGNAME, "English"},
        {LOCALE_ICOUNTRY, "1"},
        {LOCALE_SCOUNTRY, "United States"},
        {LOCALE_SABBREVCTRYNAME, "USA"},
        {LOCALE_SNATIVECTRYNAME, "United States"},
        {LOCALE_IDEFAULTLANGUAGE, "0409"},
        {LOCALE_IDEFAULTCOUNTRY, "1"},
        {LOCALE_IDEFAULTCODEPAGE, "437"},
        {LOCALE_SLIST, ","},
        {LOCALE_IMEASURE, "1"},
        {LOCALE_SDECIMAL, "."},
        {LOCALE_STHOUSAND, ","},
        {LOCALE_SGROUPING, "3;0"},
        {LOCALE_IDIGITS, "2"},
        {LOCALE_ILZERO, "1"},
        {LOCALE_SNATIVEDIGITS, "0123456789"},
        {LOCALE_SCURRENCY, "$"},
        {LOCALE_SINTLSYMBOL, "USD"},
        {LOCALE_SMONDECIMALSEP, "."},
        {LOCALE_SMONTHOUSANDSEP, ","},
        {LOCALE_SMONGROUPING, "3;0"},
        {LOCALE_ICURRDIGITS, "2"},
        {LOCALE_IINTLCURRDIGITS, "2"},
        {LOCALE_ICURRENCY, "0"},
        {LOCALE_INEGCURR, "0"},
        {LOCALE_SDATE, "/"},
        {LOCALE_STIME, ":"},
        {LOCALE_SSHORTDATE, "M/d/yyyy"},
        {LOCALE_SLONGDATE, "dddd, MMMM dd, yyyy"},
        {LOCALE_IDATE, "0"},
        {LOCALE_ILDATE, "0"},
        {LOCALE_ITIME, "0"},
        {LOCALE_ICENTURY, "1"},
        {LOCALE_ITLZERO, "0"},
        {LOCALE_IDAYLZERO, "0"},
        {LOCALE_IMONLZERO, "0"},
        {LOCALE_S1159, "AM"},
        {LOCALE_S2359, "PM"},
        {LOCALE_SPOSITIVESIGN, ""},
        {LOCALE_SNEGATIVESIGN, "-"},
        {LOCALE_IPOSSIGNPOSN, "3"},
        {LOCALE_INEGSIGNPOSN, "0"},
        {LOCALE_IPOSSYMPRECEDES, "1"},
        {LOCALE_IPOSSEPBYSPACE, "0"},
        {LOCALE_INEGSYMPRECEDES, "1"},
        {LOCALE_INEGSEPBYSPACE, "0"},
        {LOCALE_SISO639LANGNAME, "en"},
        {LOCALE_SISO3166CTRYNAME, "US"},
        {LOCALE_SENGLANGUAGE, "English"},
        {LOCALE_SENGCOUNTRY, "United States"},
        {LOCALE_STIMEFORMAT, "h:mm:ss tt"},
        {LOCALE_IDEFAULTANSICODEPAGE, "1252"},
        {LOCALE_ITIMEMARKPOSN, "0"},
        {LOCALE_SYEARMONTH, "MMMM, yyyy"},
        {LOCALE_ICALENDARTYPE, "1"},
        {LOCALE_IOPTIONALCALENDAR, "0"},
        {LOCALE_IFIRSTDAYOFWEEK, "6"},
        {LOCALE_IFIRSTWEEKOFYEAR, "0"},
        {LOCALE_SMONTHNAME13, ""},
        {LOCALE_SABBREVMONTHNAME13, ""},
        {LOCALE_INEGNUMBER, "1"},
        {LOCALE_IDEFAULTMACCODEPAGE, "10000"},
    };
    static const char* const days[7] = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                        "Friday", "Saturday", "Sunday"};
    static const char* const months[12] = {"January", "February", "March",     "April",
                                           "May",     "June",     "July",      "August",
                                           "September", "October", "November", "December"};
    for (int i = 0; i < 7; ++i) {
      t[LOCALE_SDAYNAME1 + i] = days[i];
      t[LOCALE_SABBREVDAYNAME1 + i] = std::string(days[i], 3);
    }
    for (int i = 0; i < 12; ++i) {
      t[LOCALE_SMONTHNAME1 + i] = months[i];
      t[LOCALE_SABBREVMONTHNAME1 + i] = std::string(months[i], 3);
    }
    return t;
  }();
  return table;
}

LocaleTable& Current() {
  static LocaleTable table = EnglishUs();
  return table;
}

bool UserSettable(LCTYPE type) {
  using namespace win;
  switch (type) {
    case LOCALE_ICALENDARTYPE: case LOCALE_ICURRDIGITS: case LOCALE_ICURRENCY:
    case LOCALE_IDIGITS: case LOCALE_IFIRSTDAYOFWEEK: case LOCALE_IFIRSTWEEKOFYEAR:
    case LOCALE_ILZERO: case LOCALE_IMEASURE: case LOCALE_INEGCURR: case LOCALE_INEGNUMBER:
    case LOCALE_ITIME: case LOCALE_S1159: case LOCALE_S2359: case LOCALE_SCURRENCY:
    case LOCALE_SDATE: case LOCALE_SDECIMAL: case LOCALE_SGROUPING: case LOCALE_SLIST:
    case LOCALE_SLONGDATE: case LOCALE_SMONDECIMALSEP: case LOCALE_SMONGROUPING:
    case LOCALE_SMONTHOUSANDSEP: case LOCALE_SNEGATIVESIGN: case LOCALE_SPOSITIVESIGN:
    case LOCALE_SSHORTDATE: case LOCALE_STHOUSAND: case LOCALE_STIME: case LOCALE_STIMEFORMAT:
    case LOCALE_SYEARMONTH: case LOCALE_IDATE: case LOCALE_ITLZERO: case LOCALE_ICENTURY:
    case LOCALE_IDAYLZERO: case LOCALE_IMONLZERO: case LOCALE_ITIMEMARKPOSN:
      return true;
    default:
      return false;
  }
}

// ---- Collation -------------------------------------------------------------------------

struct Weight {
  int primary;
  int secondary;
  int tertiary;
};

// Order of the punctuation and symbols, before digits and letters.
constexpr const char kSymbolOrder[] =
    "\t\n\v\f\r \xA0!\"#$%&()*,./:;?@[\\]^_`{|}~\xA1\xA6\xA8\xAF\xB4\xB8\xBF\x88\x98"
    "\x96\x97\x91\x92\x82\x93\x94\x84\x8B\x9B\xA7\xB6\xA9\xAE\x86\x87\x95\x85\x89"
    "+<=>\xB1\xAB\xBB\xD7\xF7\xA2\xA3\xA4\xA5\x80\xAC\xB0\xB5\xB7\x99\xBC\xBD\xBE";

constexpr int kSymbolBase = 100;
constexpr int kDigitBase = 1000;
constexpr int kLetterBase = 2000;

int SymbolWeight(unsigned char c) {
  const char* p = std::strchr(kSymbolOrder, static_cast<char>(c));
  if (c != 0 && p) return kSymbolBase + static_cast<int>(p - kSymbolOrder);
  return kSymbolBase + 200 + c;
}

int LetterWeight(char base) { return kLetterBase + (base - 'a') * 4; }

// Appends the weights of one character; letters with diacritics share the primary weight of
// their base letter, ligatures expand to two letters.
template <class Weights, class Ignored>
void AddWeights(unsigned char c, bool stringSort, bool ignoreSymbols, Weights& out, Ignored& ignored) {
  static const char kBase[] =
      "aaaaaaaceeeeiiii"   // C0..CF
      "dnooooo\0ouuuuy\0s"  // D0..DF  (D7 symbol, DE thorn, DF sharp s)
      "aaaaaaaceeeeiiii"   // E0..EF
      "dnooooo\0ouuuuy\0y";  // F0..FF (F7 symbol, FE thorn)
  if (c < 0x09 || (c > 0x0D && c < 0x20) || c == 0x7F || c == 0xAD || c == 0x81 || c == 0x8D ||
      c == 0x8F || c == 0x90 || c == 0x9D)
    return;  // control characters and the soft hyphen weigh nothing
  if (!stringSort && (c == '-' || c == '\'')) {
    ignored.push_back(c);
    return;
  }
  if (c >= '0' && c <= '9') {
    out.push_back({kDigitBase + (c - '0'), 0, 0});
    return;
  }
  if (c == 0xB9 || c == 0xB2 || c == 0xB3) {
    out.push_back({kDigitBase + (c == 0xB9 ? 1 : c == 0xB2 ? 2 : 3), 1, 0});
    return;
  }
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
    const bool upper = c <= 'Z';
    out.push_back({LetterWeight(static_cast<char>(upper ? c + 32 : c)), 0, upper ? 1 : 0});
    return;
  }
  const auto letter = [&](char base, int secondary, bool upper) {
    out.push_back({LetterWeight(base), secondary, upper ? 1 : 0});
  };
  switch (c) {
    case 0xC6: letter('a', 0, true); letter('e', 0, true); return;
    case 0xE6: letter('a', 0, false); letter('e', 0, false); return;
    case 0x8C: letter('o', 0, true); letter('e', 0, true); return;
    case 0x9C: letter('o', 0, false); letter('e', 0, false); return;
    case 0xDF: letter('s', 0, false); letter('s', 0, false); return;
    case 0x8A: letter('s', 0x8A, true); return;
    case 0x9A: letter('s', 0x8A, false); return;
    case 0x8E: letter('z', 0x8E, true); return;
    case 0x9E: letter('z', 0x8E, false); return;
    case 0x9F: letter('y', 0xFF, true); return;
    case 0x83: letter('f', 0x83, false); return;
    case 0xAA: letter('a', 0xAA, false); return;
    case 0xBA: letter('o', 0xBA, false); return;
    case 0xDE: out.push_back({LetterWeight('z') + 1, 0, 1}); return;
    case 0xFE: out.push_back({LetterWeight('z') + 1, 0, 0}); return;
    default: break;
  }
  if (c >= 0xC0 && kBase[c - 0xC0] != 0) {
    const bool upper = c < 0xE0;
    const int secondary = upper ? c + 0x20 : c;  // the same for both cases of a letter
    letter(kBase[c - 0xC0], secondary, upper);
    return;
  }
  if (ignoreSymbols) return;
  out.push_back({SymbolWeight(c), 0, 0});
}

int Sign(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

// The weights of one character (at most two: ligatures expand).
struct CharWeights {
  Weight w[2];
  int n = 0;
  void push_back(const Weight& x) { w[n++] = x; }
};

// Records whether the character was one of those that only break ties.
struct TieBreaker {
  bool hit = false;
  void push_back(unsigned char) { hit = true; }
};

// Walks the weights of a string without storing them.
class WeightCursor {
 public:
  WeightCursor(const char* s, size_t n, bool stringSort, bool ignoreSymbols)
      : p_(s), end_(s + n), stringSort_(stringSort), ignoreSymbols_(ignoreSymbols) {}
  bool Next(Weight& w) {
    while (i_ >= cur_.n) {
      if (p_ == end_) return false;
      cur_ = CharWeights();
      TieBreaker tie;
      AddWeights(static_cast<unsigned char>(*p_++), stringSort_, ignoreSymbols_, cur_, tie);
      i_ = 0;
    }
    w = cur_.w[i_++];
    return true;
  }

 private:
  const char* p_;
  const char* end_;
  bool stringSort_, ignoreSymbols_;
  CharWeights cur_;
  int i_ = 0;
};

int ComparePass(const char* s1, size_t n1, const char* s2, size_t n2, bool stringSort, bool ignoreSymbols,
                int Weight::*field) {
  WeightCursor a(s1, n1, stringSort, ignoreSymbols), b(s2, n2, stringSort, ignoreSymbols);
  Weight wa{}, wb{};
  while (true) {
    const bool ha = a.Next(wa), hb = b.Next(wb);
    if (!ha || !hb) return static_cast<int>(ha) - static_cast<int>(hb);
    if (wa.*field != wb.*field) return Sign(wa.*field - wb.*field);
  }
}

bool TieOnly(unsigned char c) { return c == '-' || c == '\''; }

// The primary weight of each character that makes exactly one weight in word sort, and 0 for
// those that make none or two (control characters, hyphens and apostrophes, ligatures).
class SingleWeights {
 public:
  SingleWeights() {
    for (int c = 0; c < 256; ++c) {
      CharWeights w;
      TieBreaker tie;
      AddWeights(static_cast<unsigned char>(c), false, false, w, tie);
      primary_[c] = (w.n == 1 && !tie.hit) ? w.w[0].primary : 0;
    }
  }
  int operator[](unsigned char c) const { return primary_[c]; }

 private:
  int primary_[256];
};

// Settles the order of two strings from their first primary difference when every character
// up to it makes one weight, so that the weights of both strings still stand side by side
// (true, the order in r). False where the full comparison must decide: a character making none
// or two weights comes first, or no primary weight differs.
bool OrderBySingleWeights(const char* s1, size_t n1, const char* s2, size_t n2, int& r) {
  static const SingleWeights kWeights;
  const size_t n = std::min(n1, n2);
  size_t i = 0;
  for (; i < n; ++i) {
    const int a = kWeights[static_cast<unsigned char>(s1[i])];
    const int b = kWeights[static_cast<unsigned char>(s2[i])];
    if (a == 0 || b == 0) return false;
    if (a != b) {
      r = a < b ? -1 : 1;
      return true;
    }
  }
  if (n1 == n2) return false;
  // The longer string's next character settles it when it weighs.
  const char next = n1 > n2 ? s1[i] : s2[i];
  if (kWeights[static_cast<unsigned char>(next)] == 0) return false;
  r = n1 > n2 ? 1 : -1;
  return true;
}

}  // namespace

namespace win {

LCID GetThreadLocale() { return LANG_ENGLISH_US; }

int GetLocaleInfoA(LCID, LCTYPE type, LPSTR data, int size) {
  type &= ~(LOCALE_NOUSEROVERRIDE | LOCALE_USE_CP_ACP);
  if (type & LOCALE_RETURN_NUMBER) return 0;
  const auto& table = Current();
  const auto it = table.find(type);
  if (it == table.end()) return 0;
  const int needed = static_cast<int>(it->second.size()) + 1;
  if (size == 0) return needed;
  if (!data || size < needed) return 0;
  std::memcpy(data, it->second.c_str(), static_cast<size_t>(needed));
  return needed;
}

BOOL SetLocaleInfoA(LCID, LCTYPE type, LPCSTR data) {
  if (!data || !UserSettable(type)) return FALSE;
  Current()[type] = data;
  return TRUE;
}

BOOL SetUserLocaleItem(LCTYPE type, LPCSTR data) {
  if (!data || !EnglishUs().contains(type)) return FALSE;
  Current()[type] = data;
  return TRUE;
}

int CompareStringA(LCID, DWORD flags, LPCSTR s1, int len1, LPCSTR s2, int len2) {
  if (!s1 || !s2) return 0;
  const size_t n1 = len1 < 0 ? std::strlen(s1) : static_cast<size_t>(len1);
  const size_t n2 = len2 < 0 ? std::strlen(s2) : static_cast<size_t>(len2);
  const bool stringSort = (flags & SORT_STRINGSORT) != 0;
  const bool ignoreSymbols = (flags & NORM_IGNORESYMBOLS) != 0;
  int r = 0;
  if (!stringSort && !ignoreSymbols && OrderBySingleWeights(s1, n1, s2, n2, r))
    return r < 0 ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
  if (n1 == n2 && std::memcmp(s1, s2, n1) == 0) return CSTR_EQUAL;  // the same characters
  r = ComparePass(s1, n1, s2, n2, stringSort, ignoreSymbols, &Weight::primary);
  if (r == 0 && !(flags & NORM_IGNORENONSPACE))
    r = ComparePass(s1, n1, s2, n2, stringSort, ignoreSymbols, &Weight::secondary);
  if (r == 0 && !(flags & NORM_IGNORECASE))
    r = ComparePass(s1, n1, s2, n2, stringSort, ignoreSymbols, &Weight::tertiary);
  if (r == 0 && !ignoreSymbols && !stringSort) {
    // Hyphens and apostrophes only break ties: fewer of them sorts first, then their order.
    size_t c1 = 0, c2 = 0;
    for (size_t i = 0; i < n1; ++i) c1 += TieOnly(static_cast<unsigned char>(s1[i]));
    for (size_t i = 0; i < n2; ++i) c2 += TieOnly(static_cast<unsigned char>(s2[i]));
    r = c1 < c2 ? -1 : c1 > c2 ? 1 : 0;
    for (size_t i = 0, j = 0; r == 0; ++i, ++j) {
      while (i < n1 && !TieOnly(static_cast<unsigned char>(s1[i]))) ++i;
      while (j < n2 && !TieOnly(static_cast<unsigned char>(s2[j]))) ++j;
      if (i >= n1 || j >= n2) break;
      r = Sign(static_cast<unsigned char>(s1[i]) - static_cast<unsigned char>(s2[j]));
    }
  }
  return r < 0 ? CSTR_LESS_THAN : r > 0 ? CSTR_GREATER_THAN : CSTR_EQUAL;
}

}  // namespace win

namespace vcl {

std::string GetLocaleStr(win::LCID locale, int localeType, const std::string& def) {
  char buffer[256];
  const int n = win::GetLocaleInfoA(locale, static_cast<win::LCTYPE>(localeType), buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n - 1)) : def;
}

char GetLocaleChar(win::LCID locale, int localeType, char def) {
  const std::string s = GetLocaleStr(locale, localeType, std::string());
  return s.empty() ? def : s[0];
}

namespace {

int LocaleInt(win::LCID lcid, win::LCTYPE type, int def) {
  const std::string s = GetLocaleStr(lcid, static_cast<int>(type), std::string());
  if (s.empty()) return def;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9' || v > 100000) return def;
    v = v * 10 + (c - '0');
  }
  return v;
}

}  // namespace

TFormatSettings FormatSettingsFromLocale(win::LCID lcid) {
  using namespace win;
  TFormatSettings f;
  for (int i = 1; i <= 12; ++i) {
    f.ShortMonthNames[i] = GetLocaleStr(lcid, static_cast<int>(LOCALE_SABBREVMONTHNAME1 + i - 1), "");
    f.LongMonthNames[i] = GetLocaleStr(lcid, static_cast<int>(LOCALE_SMONTHNAME1 + i - 1), "");
  }
  for (int i = 1; i <= 7; ++i) {
    // Day 1 is Sunday, which is the locale's seventh day.
    const LCTYPE k = static_cast<LCTYPE>((i + 5) % 7);
    f.ShortDayNames[i] = GetLocaleStr(lcid, static_cast<int>(LOCALE_SABBREVDAYNAME1 + k), "");
    f.LongDayNames[i] = GetLocaleStr(lcid, static_cast<int>(LOCALE_SDAYNAME1 + k), "");
  }
  f.CurrencyString = GetLocaleStr(lcid, LOCALE_SCURRENCY, "");
  f.CurrencyFormat = static_cast<uint8_t>(LocaleInt(lcid, LOCALE_ICURRENCY, 0));
  f.NegCurrFormat = static_cast<uint8_t>(LocaleInt(lcid, LOCALE_INEGCURR, 0));
  f.ThousandSeparator = GetLocaleChar(lcid, LOCALE_STHOUSAND, ',');
  f.DecimalSeparator = GetLocaleChar(lcid, LOCALE_SDECIMAL, '.');
  f.CurrencyDecimals = static_cast<uint8_t>(LocaleInt(lcid, LOCALE_ICURRDIGITS, 0));
  f.DateSeparator = GetLocaleChar(lcid, LOCALE_SDATE, '/');
  f.ShortDateFormat = GetLocaleStr(lcid, LOCALE_SSHORTDATE, "m/d/yy");
  f.LongDateFormat = GetLocaleStr(lcid, LOCALE_SLONGDATE, "mmmm d, yyyy");
  f.TimeSeparator = GetLocaleChar(lcid, LOCALE_STIME, ':');
  f.TimeAMString = GetLocaleStr(lcid, LOCALE_S1159, "am");
  f.TimePMString = GetLocaleStr(lcid, LOCALE_S2359, "pm");
  const std::string hour = LocaleInt(lcid, LOCALE_ITLZERO, 0) == 0 ? "h" : "hh";
  const std::string suffix = LocaleInt(lcid, LOCALE_ITIME, 0) == 0 ? " AMPM" : "";
  f.ShortTimeFormat = hour + ":mm" + suffix;
  f.LongTimeFormat = hour + ":mm:ss" + suffix;
  f.ListSeparator = GetLocaleChar(lcid, LOCALE_SLIST, ',');
  f.TwoDigitYearCenturyWindow = 0;
  return f;
}

TFormatSettings FormatSettings = FormatSettingsFromLocale();

namespace {
thread_local const TFormatSettings* t_active = nullptr;
}  // namespace

const TFormatSettings& ActiveFormatSettings() { return t_active ? *t_active : FormatSettings; }

TActiveFormatSettings::TActiveFormatSettings(const TFormatSettings& settings) : previous_(t_active) {
  t_active = &settings;
}

TActiveFormatSettings::~TActiveFormatSettings() { t_active = previous_; }

void GetFormatSettings() { FormatSettings = FormatSettingsFromLocale(); }

TFormatSettingsScope::TFormatSettingsScope()
    : saved_(FormatSettings), savedLocale_(new LocaleTable(Current())) {}

TFormatSettingsScope::~TFormatSettingsScope() {
  auto* table = static_cast<LocaleTable*>(savedLocale_);
  Current() = std::move(*table);
  delete table;
  FormatSettings = saved_;
}

}  // namespace vcl
