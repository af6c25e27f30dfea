#include "platform/rtl/StrUtils.h"

#include <algorithm>
#include <cstring>

#include "platform/base/Exceptions.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"

namespace vcl {

std::string Copy(const std::string& s, int64_t index, int64_t count) {
  const int64_t len = static_cast<int64_t>(s.size());
  if (index < 1) index = 1;
  if (index > len || count <= 0) return std::string();
  if (count > len - index + 1) count = len - index + 1;
  return s.substr(static_cast<size_t>(index - 1), static_cast<size_t>(count));
}

int Pos(const std::string& sub, const std::string& s) {
  if (sub.empty()) return 0;
  const size_t p = s.find(sub);
  return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

void Insert(const std::string& source, std::string& s, int64_t index) {
  if (source.empty()) return;
  const int64_t len = static_cast<int64_t>(s.size());
  if (index < 1) index = 1;
  if (index > len + 1) index = len + 1;
  s.insert(static_cast<size_t>(index - 1), source);
}

void Delete(std::string& s, int64_t index, int64_t count) {
  const int64_t len = static_cast<int64_t>(s.size());
  if (index < 1 || index > len || count <= 0) return;
  if (count > len - index + 1) count = len - index + 1;
  s.erase(static_cast<size_t>(index - 1), static_cast<size_t>(count));
}

namespace {
inline bool Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && Blank(s[b])) ++b;
  while (e > b && Blank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string TrimLeft(const std::string& s) {
  size_t b = 0;
  while (b < s.size() && Blank(s[b])) ++b;
  return s.substr(b);
}

std::string TrimRight(const std::string& s) {
  size_t e = s.size();
  while (e > 0 && Blank(s[e - 1])) --e;
  return s.substr(0, e);
}

std::string UpperCase(const std::string& s) {
  std::string r = s;
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return r;
}

std::string LowerCase(const std::string& s) {
  std::string r = s;
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return r;
}

std::string AnsiUpperCase(const std::string& s) {
  std::string r = s;
  for (char& c : r) c = win::CharUpperChar(c);
  return r;
}

std::string AnsiLowerCase(const std::string& s) {
  std::string r = s;
  for (char& c : r) c = win::CharLowerChar(c);
  return r;
}

int CompareStr(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const int d = static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
    if (d != 0) return d;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

int CompareText(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return x - y;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

bool SameText(const std::string& a, const std::string& b) { return CompareText(a, b) == 0; }

int AnsiCompareStr(const std::string& a, const std::string& b) {
  return win::CompareStringA(win::LOCALE_USER_DEFAULT, 0, a.data(), static_cast<int>(a.size()), b.data(),
                             static_cast<int>(b.size())) - 2;
}

int AnsiCompareText(const std::string& a, const std::string& b) {
  return win::CompareStringA(win::LOCALE_USER_DEFAULT, win::NORM_IGNORECASE, a.data(),
                             static_cast<int>(a.size()), b.data(), static_cast<int>(b.size())) - 2;
}

bool AnsiSameStr(const std::string& a, const std::string& b) { return AnsiCompareStr(a, b) == 0; }
bool AnsiSameText(const std::string& a, const std::string& b) { return AnsiCompareText(a, b) == 0; }

std::string QuotedStr(const std::string& s) { return AnsiQuotedStr(s, '\''); }

std::string AnsiQuotedStr(const std::string& s, char quote) {
  std::string r;
  r.reserve(s.size() + 2);
  r += quote;
  for (char c : s) {
    if (c == quote) r += quote;
    r += c;
  }
  r += quote;
  return r;
}

std::string AnsiExtractQuotedStr(const char*& src, char quote) {
  if (!src || *src != quote) return std::string();
  std::string r;
  const char* p = src + 1;
  while (*p) {
    if (*p == quote) {
      if (p[1] == quote) {
        r += quote;
        p += 2;
        continue;
      }
      ++p;  // closing quote
      src = p;
      return r;
    }
    r += *p++;
  }
  src = p;
  return r;
}

std::string AnsiDequotedStr(const std::string& s, char quote) {
  const char* p = s.c_str();
  const char* start = p;
  std::string r = AnsiExtractQuotedStr(p, quote);
  if (p == start || (r.empty() && static_cast<size_t>(p - start) < 2)) return s;
  return r;
}

std::string StringReplace(const std::string& s, const std::string& oldPattern,
                          const std::string& newPattern, TReplaceFlags flags) {
  if (oldPattern.empty()) return s;
  const bool ignoreCase = flags.contains(rfIgnoreCase);
  const std::string hay = ignoreCase ? AnsiUpperCase(s) : s;
  const std::string needle = ignoreCase ? AnsiUpperCase(oldPattern) : oldPattern;
  std::string r;
  size_t from = 0;
  while (true) {
    const size_t p = hay.find(needle, from);
    if (p == std::string::npos) break;
    r.append(s, from, p - from);
    r += newPattern;
    from = p + needle.size();
    if (!flags.contains(rfReplaceAll)) break;
  }
  r.append(s, from, std::string::npos);
  return r;
}

int LastDelimiter(const std::string& delimiters, const std::string& s) {
  for (size_t i = s.size(); i > 0; --i)
    if (delimiters.find(s[i - 1]) != std::string::npos) return static_cast<int>(i);
  return 0;
}

bool IsDelimiter(const std::string& delimiters, const std::string& s, int index) {
  if (index < 1 || index > static_cast<int>(s.size())) return false;
  return delimiters.find(s[static_cast<size_t>(index - 1)]) != std::string::npos;
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

namespace {

std::string Hex(uint64_t v, int digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string r;
  do {
    r += kDigits[v & 15];
    v >>= 4;
  } while (v);
  if (digits > 32) digits = 32;
  while (static_cast<int>(r.size()) < digits) r += '0';
  std::reverse(r.begin(), r.end());
  return r;
}

// Parses the framework's integer syntax; false on junk or overflow of [min, max].
bool ParseInt(const std::string& s, bool is64, int64_t& out) {
  const uint64_t maxMagnitudePos = is64 ? INT64_MAX : INT32_MAX;
  size_t i = 0;
  const size_t n = s.size();
  while (i < n && s[i] == ' ') ++i;
  bool neg = false;
  if (i < n && (s[i] == '-' || s[i] == '+')) {
    neg = s[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < n && s[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= n) return false;
  uint64_t v = 0;
  // Hexadecimal may spell the full bit pattern (e.g. $FFFFFFFF for -1 in 32 bits).
  const uint64_t limit = hex ? (is64 ? UINT64_MAX : 0xFFFFFFFFull) : maxMagnitudePos + (neg ? 1 : 0);
  for (; i < n; ++i) {
    const char c = s[i];
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;
    const unsigned base = hex ? 16 : 10;
    if (v > (limit - static_cast<uint64_t>(d)) / base) return false;
    v = v * base + static_cast<uint64_t>(d);
  }
  if (hex) {
    const uint64_t pattern = neg ? 0ull - v : v;
    out = is64 ? static_cast<int64_t>(pattern) : static_cast<int32_t>(static_cast<uint32_t>(pattern));
    return true;
  }
  out = neg ? static_cast<int64_t>(0ull - v) : static_cast<int64_t>(v);
  return true;
}

[[noreturn]] void InvalidInteger(const std::string& s) {
  throw EConvertError(Format(SInvalidInteger, {s}));
}

}  // namespace

std::string IntToHex(int32_t value, int digits) { return Hex(static_cast<uint32_t>(value), digits); }
std::string IntToHex(int64_t value, int digits) { return Hex(static_cast<uint64_t>(value), digits); }
std::string IntToHex(uint32_t value, int digits) { return Hex(value, digits); }
std::string IntToHex(uint64_t value, int digits) { return Hex(value, digits); }

bool TryStrToInt(const std::string& s, int32_t& value) {
  int64_t v;
  if (!ParseInt(s, false, v)) return false;
  value = static_cast<int32_t>(v);
  return true;
}

int32_t StrToInt(const std::string& s) {
  int32_t v;
  if (!TryStrToInt(s, v)) InvalidInteger(s);
  return v;
}

int32_t StrToIntDef(const std::string& s, int32_t def) {
  int32_t v;
  return TryStrToInt(s, v) ? v : def;
}

bool TryStrToInt64(const std::string& s, int64_t& value) { return ParseInt(s, true, value); }

int64_t StrToInt64(const std::string& s) {
  int64_t v;
  if (!TryStrToInt64(s, v)) InvalidInteger(s);
  return v;
}

int64_t StrToInt64Def(const std::string& s, int64_t def) {
  int64_t v;
  return TryStrToInt64(s, v) ? v : def;
}

std::string BoolToStr(bool b, bool useBoolStrs) {
  if (useBoolStrs) return b ? "True" : "False";
  return b ? "-1" : "0";
}

bool StrToBoolDef(const std::string& s, bool def) {
  if (SameText(s, "True")) return true;
  if (SameText(s, "False")) return false;
  int64_t v;
  if (TryStrToInt64(s, v)) return v != 0;
  return def;
}

bool StrToBool(const std::string& s) {
  if (SameText(s, "True")) return true;
  if (SameText(s, "False")) return false;
  int64_t v;
  if (TryStrToInt64(s, v)) return v != 0;
  throw EConvertError(Format(SInvalidBoolean, {s}));
}

size_t StrLen(const char* s) { return s ? std::strlen(s) : 0; }

char* StrEnd(char* s) { return s ? s + std::strlen(s) : s; }

char* StrLCopy(char* dest, const char* source, size_t maxLen) {
  size_t n = 0;
  if (source)
    while (n < maxLen && source[n]) ++n;
  if (n) std::memcpy(dest, source, n);
  dest[n] = 0;
  return dest;
}

char* StrPCopy(char* dest, const std::string& source) { return StrLCopy(dest, source.c_str(), source.size()); }

char* StrPLCopy(char* dest, const std::string& source, size_t maxLen) {
  return StrLCopy(dest, source.c_str(), std::min(maxLen, source.size()));
}

std::string StrPas(const char* s) { return s ? std::string(s) : std::string(); }

namespace {

int CompareC(const char* a, const char* b, size_t maxLen, bool ignoreCase) {
  if (!a) a = "";
  if (!b) b = "";
  for (size_t i = 0; i < maxLen; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (ignoreCase) {
      if (x >= 'a' && x <= 'z') x -= 32;
      if (y >= 'a' && y <= 'z') y -= 32;
    }
    if (x != y) return x - y;
    if (x == 0) return 0;
  }
  return 0;
}

}  // namespace

int StrComp(const char* a, const char* b) { return CompareC(a, b, SIZE_MAX, false); }
int StrIComp(const char* a, const char* b) { return CompareC(a, b, SIZE_MAX, true); }
int StrLComp(const char* a, const char* b, size_t maxLen) { return CompareC(a, b, maxLen, false); }
int StrLIComp(const char* a, const char* b, size_t maxLen) { return CompareC(a, b, maxLen, true); }

const char* StrScan(const char* s, char ch) {
  if (!s) return nullptr;
  return ch == 0 ? s + std::strlen(s) : std::strchr(s, ch);
}

const char* StrRScan(const char* s, char ch) {
  if (!s) return nullptr;
  return ch == 0 ? s + std::strlen(s) : std::strrchr(s, ch);
}

const char* StrPos(const char* s, const char* sub) {
  if (!s || !sub || !*sub) return nullptr;
  return std::strstr(s, sub);
}

const char* PCharOrNull(const std::string& s) { return s.empty() ? nullptr : s.c_str(); }

char UpCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

std::string AdjustLineBreaks(const std::string& s) {
  std::string r;
  r.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\r' || c == '\n') {
      r += "\r\n";
      // A pair of different break characters is one break.
      if (i + 1 < s.size() && (s[i + 1] == '\r' || s[i + 1] == '\n') && s[i + 1] != c) ++i;
    } else {
      r += c;
    }
  }
  return r;
}

}  // namespace vcl
