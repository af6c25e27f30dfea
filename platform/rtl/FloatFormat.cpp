#include "platform/rtl/FloatFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/ClassicNumbers.h"

namespace vcl {

namespace {

constexpr int kDoublePrecision = 15;
constexpr int kCurrencyPrecision = 19;
constexpr int kNoDecimals = 9999;

// Digits of a value before the final rounding: value = 0.digits * 10^exp.
struct Raw {
  std::string digits;
  int exp = 0;
  bool neg = false;
  int special = 0;  // 1 infinity, 2 NaN
};

void StripTrailingZeros(Raw& r) {
  while (!r.digits.empty() && r.digits.back() == '0') r.digits.pop_back();
  if (r.digits.empty()) {
    r.exp = 0;
    r.neg = false;
  }
}

// The value's first 18 significant digits (correctly rounded), as the framework's conversion
// through the extended type produces them before rounding to the requested digits.
Raw FromDouble(double v) {
  Raw r;
  if (std::isnan(v)) {
    r.special = 2;
    return r;
  }
  if (std::isinf(v)) {
    r.special = 1;
    r.neg = v < 0;
    return r;
  }
  if (v == 0) return r;
  r.neg = v < 0;
  char buf[64];
  {
    const TClassicNumbers classic;
    std::snprintf(buf, sizeof buf, "%.17e", std::fabs(v));
  }
  r.digits += buf[0];
  r.digits.append(buf + 2, 17);
  const char* e = std::strchr(buf, 'e');
  r.exp = (e ? std::atoi(e + 1) : 0) + 1;
  StripTrailingZeros(r);
  return r;
}

Raw FromScaled(int64_t v) {
  Raw r;
  if (v == 0) return r;
  r.neg = v < 0;
  const uint64_t mag = r.neg ? 0ull - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
  r.digits = std::to_string(mag);
  r.exp = static_cast<int>(r.digits.size()) - 4;
  StripTrailingZeros(r);
  return r;
}

// Keeps `precision` significant digits and at most `decimals` digits after the point,
// rounding half away from zero on the digits.
Raw RoundRaw(const Raw& raw, int precision, int decimals) {
  if (raw.special || raw.digits.empty()) return raw;
  long n = precision;
  if (decimals < kNoDecimals) n = std::min<long>(n, static_cast<long>(raw.exp) + decimals);
  Raw r = raw;
  if (n < 0) {
    r.digits.clear();
    StripTrailingZeros(r);
    return r;
  }
  if (n >= static_cast<long>(r.digits.size())) return r;
  const bool up = r.digits[static_cast<size_t>(n)] >= '5';
  r.digits.resize(static_cast<size_t>(n));
  if (up) {
    long i = n - 1;
    while (i >= 0 && r.digits[static_cast<size_t>(i)] == '9') {
      r.digits[static_cast<size_t>(i)] = '0';
      --i;
    }
    if (i < 0) {
      r.digits.insert(r.digits.begin(), '1');
      ++r.exp;
    } else {
      ++r.digits[static_cast<size_t>(i)];
    }
  }
  StripTrailingZeros(r);
  return r;
}

char DecSep() { return ActiveFormatSettings().DecimalSeparator; }

std::string SpecialText(const Raw& r) {
  if (r.special == 2) return "NAN";
  return r.neg ? "-INF" : "INF";
}

std::string PaddedNumber(int v, int minDigits);

// `expDigits` is the minimum number of exponent digits when the scientific form is used.
std::string GeneralText(const Raw& r, int precision, int expDigits = 0) {
  if (r.special) return SpecialText(r);
  if (r.digits.empty()) return "0";
  std::string s = r.neg ? "-" : "";
  const int n = static_cast<int>(r.digits.size());
  if (r.exp > precision || r.exp < -3) {
    s += r.digits[0];
    if (n > 1) {
      s += DecSep();
      s.append(r.digits, 1, std::string::npos);
    }
    const int e = r.exp - 1;
    s += 'E';
    if (e < 0) s += '-';
    s += PaddedNumber(std::abs(e), expDigits);
    return s;
  }
  if (r.exp <= 0) {
    s += '0';
    s += DecSep();
    s.append(static_cast<size_t>(-r.exp), '0');
    s += r.digits;
    return s;
  }
  if (n <= r.exp) {
    s += r.digits;
    s.append(static_cast<size_t>(r.exp - n), '0');
    return s;
  }
  s.append(r.digits, 0, static_cast<size_t>(r.exp));
  s += DecSep();
  s.append(r.digits, static_cast<size_t>(r.exp), std::string::npos);
  return s;
}

std::string PaddedNumber(int v, int minDigits) {
  std::string d = std::to_string(v);
  if (static_cast<int>(d.size()) < minDigits) d.insert(0, static_cast<size_t>(minDigits) - d.size(), '0');
  return d;
}

std::string ExponentText(const Raw& r, int precision, int expDigits) {
  if (r.special) return SpecialText(r);
  std::string d = r.digits;
  if (static_cast<int>(d.size()) < precision) d.append(static_cast<size_t>(precision) - d.size(), '0');
  std::string s = r.neg ? "-" : "";
  s += d[0];
  if (precision > 1) {
    s += DecSep();
    s.append(d, 1, static_cast<size_t>(precision - 1));
  }
  const int e = r.digits.empty() ? 0 : r.exp - 1;
  s += 'E';
  s += e < 0 ? '-' : '+';
  s += PaddedNumber(std::abs(e), expDigits);
  return s;
}

// Digit at a position of the integer-and-fraction sequence (position 0 = first integer digit
// of 0.digits * 10^exp shifted by exp).
char DigitAt(const Raw& r, long pos) {
  if (pos < 0 || pos >= static_cast<long>(r.digits.size())) return '0';
  return r.digits[static_cast<size_t>(pos)];
}

std::string GroupThousands(const std::string& ip) {
  const char sep = ActiveFormatSettings().ThousandSeparator;
  if (!sep) return ip;
  std::string s;
  const size_t n = ip.size();
  for (size_t i = 0; i < n; ++i) {
    s += ip[i];
    const size_t left = n - 1 - i;
    if (left > 0 && left % 3 == 0) s += sep;
  }
  return s;
}

// Unsigned fixed-point text of a rounded value with `decimals` digits after the point.
std::string FixedBody(const Raw& r, int decimals, bool thousands) {
  std::string ip;
  if (r.exp <= 0) {
    ip = "0";
  } else {
    for (long i = 0; i < r.exp; ++i) ip += DigitAt(r, i);
  }
  std::string s = thousands ? GroupThousands(ip) : ip;
  if (decimals > 0) {
    s += DecSep();
    for (int i = 0; i < decimals; ++i) s += DigitAt(r, r.exp + i);
  }
  return s;
}

std::string CurrencyWrap(const std::string& body, bool negative) {
  const std::string& c = ActiveFormatSettings().CurrencyString;
  if (!negative) {
    switch (ActiveFormatSettings().CurrencyFormat) {
      case 1: return body + c;
      case 2: return c + " " + body;
      case 3: return body + " " + c;
      default: return c + body;
    }
  }
  switch (ActiveFormatSettings().NegCurrFormat) {
    case 1: return "-" + c + body;
    case 2: return c + "-" + body;
    case 3: return c + body + "-";
    case 4: return "(" + body + c + ")";
    case 5: return "-" + body + c;
    case 6: return body + "-" + c;
    case 7: return body + c + "-";
    case 8: return "-" + body + " " + c;
    case 9: return "-" + c + " " + body;
    case 10: return body + " " + c + "-";
    case 11: return c + " " + body + "-";
    case 12: return c + " -" + body;
    case 13: return body + "- " + c;
    case 14: return "(" + c + " " + body + ")";
    case 15: return "(" + body + " " + c + ")";
    default: return "(" + c + body + ")";
  }
}

std::string TextOf(const Raw& raw, TFloatFormat format, int precision, int digits, int maxPrecision) {
  if (raw.special) return SpecialText(raw);
  // The integer part may need up to 18 digits before fixed formats give up, even though no
  // more than maxPrecision digits are significant.
  const int fixedLimit = std::clamp(precision, 1, 18);
  precision = std::clamp(precision, 1, maxPrecision);
  switch (format) {
    case ffExponent:
      return ExponentText(RoundRaw(raw, precision, kNoDecimals), precision, std::clamp(digits, 0, 4));
    case ffFixed:
    case ffNumber: {
      digits = std::clamp(digits, 0, 18);
      const Raw r = RoundRaw(raw, precision, digits);
      if (r.exp > std::max(precision, fixedLimit)) return GeneralText(RoundRaw(raw, precision, kNoDecimals), precision);
      return (r.neg ? "-" : "") + FixedBody(r, digits, format == ffNumber);
    }
    case ffCurrency: {
      digits = std::clamp(digits, 0, 18);
      const Raw r = RoundRaw(raw, precision, digits);
      return CurrencyWrap(FixedBody(r, digits, true), r.neg);
    }
    case ffGeneral:
    default:
      return GeneralText(RoundRaw(raw, precision, kNoDecimals), precision, std::clamp(digits, 0, 4));
  }
}

// ---- Format strings ----------------------------------------------------------------------

struct Token {
  enum Kind { Literal, IntDigit, Point, FracDigit, Exponent } kind;
  std::string text;   // literal text; for Exponent the 'E' or 'e' as written
  bool zero = false;  // '0' placeholder
  char sign = '+';    // Exponent: '+' or '-'
  int expDigits = 0;  // Exponent: minimum digits
};

struct Section {
  std::vector<Token> tokens;
  int intDigits = 0, intZeros = 0, fracDigits = 0, fracZeros = 0;
  bool thousands = false, scientific = false;
};

std::vector<std::string> SplitSections(const std::string& f) {
  std::vector<std::string> out(1);
  char quote = 0;
  for (char c : f) {
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      if (out.size() == 3) break;
      out.emplace_back();
      continue;
    }
    out.back() += c;
  }
  return out;
}

Section ParseSection(const std::string& f) {
  Section s;
  bool afterPoint = false;
  int firstIntZero = -1;
  const size_t n = f.size();
  for (size_t i = 0; i < n; ++i) {
    const char c = f[i];
    if (c == '"' || c == '\'') {
      const size_t end = f.find(c, i + 1);
      const size_t stop = end == std::string::npos ? n : end;
      s.tokens.push_back({Token::Literal, f.substr(i + 1, stop - i - 1)});
      i = stop;
    } else if ((c == '0' || c == '#') && !s.scientific) {
      if (!afterPoint) {
        if (c == '0' && firstIntZero < 0) firstIntZero = s.intDigits;
        ++s.intDigits;
        s.tokens.push_back({Token::IntDigit, "", c == '0'});
      } else {
        ++s.fracDigits;
        if (c == '0') s.fracZeros = s.fracDigits;
        s.tokens.push_back({Token::FracDigit, "", c == '0'});
      }
    } else if (c == '.') {
      if (!afterPoint && !s.scientific) {
        afterPoint = true;
        s.tokens.push_back({Token::Point, ""});
      }
    } else if (c == ',') {
      s.thousands = true;
    } else if ((c == 'E' || c == 'e') && !s.scientific && i + 1 < n && (f[i + 1] == '+' || f[i + 1] == '-')) {
      Token t{Token::Exponent, std::string(1, c)};
      t.sign = f[i + 1];
      i += 2;
      while (i < n && f[i] == '0') {
        ++t.expDigits;
        ++i;
      }
      --i;
      t.expDigits = std::min(t.expDigits, 4);
      s.scientific = true;
      s.tokens.push_back(t);
    } else {
      if (!s.tokens.empty() && s.tokens.back().kind == Token::Literal) s.tokens.back().text += c;
      else s.tokens.push_back({Token::Literal, std::string(1, c)});
    }
  }
  s.intZeros = firstIntZero < 0 ? 0 : s.intDigits - firstIntZero;
  return s;
}

// Formats `raw` with one section; `zero` tells whether the value rounded to zero.
std::string ApplySection(const Raw& raw, const Section& s, bool withSign, int maxPrecision, bool& zero) {
  std::string ip, fp;
  int exponent = 0;
  if (s.scientific) {
    int total = s.intDigits + s.fracDigits;
    if (total < 1) total = 1;
    const Raw r = RoundRaw(raw, std::min(total, maxPrecision), kNoDecimals);
    zero = r.digits.empty();
    exponent = zero ? 0 : r.exp - s.intDigits;
    std::string all = r.digits;
    if (static_cast<int>(all.size()) < total) all.append(static_cast<size_t>(total) - all.size(), '0');
    ip = all.substr(0, static_cast<size_t>(s.intDigits));
    fp = all.substr(static_cast<size_t>(s.intDigits));
    withSign = withSign && r.neg;
  } else {
    const Raw r = RoundRaw(raw, maxPrecision, s.fracDigits);
    zero = r.digits.empty();
    if (r.exp > 18) return GeneralText(RoundRaw(raw, maxPrecision, kNoDecimals), maxPrecision);
    for (long i = 0; i < r.exp; ++i) ip += DigitAt(r, i);
    for (int i = 0; i < s.fracDigits; ++i) fp += DigitAt(r, r.exp + i);
    withSign = withSign && r.neg;
  }
  while (static_cast<int>(ip.size()) < s.intZeros) ip.insert(ip.begin(), '0');
  while (static_cast<int>(fp.size()) > s.fracZeros && !fp.empty() && fp.back() == '0') fp.pop_back();

  std::string out = withSign ? "-" : "";
  const int nInt = static_cast<int>(ip.size());
  const int p = s.intDigits;
  const char sep = ActiveFormatSettings().ThousandSeparator;
  auto emitInt = [&](int j) {
    out += ip[static_cast<size_t>(j)];
    const int left = nInt - 1 - j;
    if (s.thousands && sep && left > 0 && left % 3 == 0) out += sep;
  };
  int intIndex = 0, fracIndex = 0;
  for (const Token& t : s.tokens) {
    switch (t.kind) {
      case Token::Literal:
        out += t.text;
        break;
      case Token::IntDigit: {
        const int k = intIndex++;
        if (nInt > p) {
          if (k == 0) {
            for (int j = 0; j <= nInt - p; ++j) emitInt(j);
          } else {
            emitInt(k + nInt - p);
          }
        } else {
          const int j = k - (p - nInt);
          if (j >= 0) emitInt(j);
        }
        break;
      }
      case Token::Point:
        if (p == 0)
          for (int j = 0; j < nInt; ++j) emitInt(j);
        if (!fp.empty()) out += DecSep();
        break;
      case Token::FracDigit:
        if (fracIndex < static_cast<int>(fp.size())) out += fp[static_cast<size_t>(fracIndex)];
        ++fracIndex;
        break;
      case Token::Exponent:
        out += t.text;
        if (exponent < 0) out += '-';
        else if (t.sign == '+') out += '+';
        out += PaddedNumber(std::abs(exponent), t.expDigits);
        break;
    }
  }
  return out;
}

std::string FormatRaw(const std::string& format, const Raw& raw, int maxPrecision) {
  if (raw.special) return SpecialText(raw);
  const std::vector<std::string> sections = SplitSections(format);
  auto usable = [&](size_t i) { return i < sections.size() && !sections[i].empty(); };
  size_t idx = raw.digits.empty() ? 2 : raw.neg ? 1 : 0;
  if (!usable(idx)) idx = 0;
  bool zero = false;
  std::string out = ApplySection(raw, ParseSection(sections[idx]), raw.neg && idx == 0, maxPrecision, zero);
  if (zero && idx != 2 && usable(2)) out = ApplySection(raw, ParseSection(sections[2]), false, maxPrecision, zero);
  return out;
}

}  // namespace

void FloatToDecimal(TFloatRec& result, double value, int precision, int decimals) {
  const Raw raw = FromDouble(value);
  const Raw r = RoundRaw(raw, std::clamp(precision, 1, kDoublePrecision), decimals);
  result.Negative = r.neg;
  result.Digits = r.digits;
  result.Exponent = r.special == 1 ? int16_t{0x7FFF} : r.special == 2 ? int16_t{-32768} : static_cast<int16_t>(r.exp);
}

std::string FloatToStr(double value) { return FloatToStrF(value, ffGeneral, kDoublePrecision, 0); }

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  return TextOf(FromDouble(value), format, precision, digits, kDoublePrecision);
}

std::string FormatFloat(const std::string& format, double value) {
  if (format.empty()) return FloatToStr(value);
  return FormatRaw(format, FromDouble(value), kDoublePrecision);
}

std::string CurrencyToStrF(int64_t scaled, TFloatFormat format, int digits) {
  return TextOf(FromScaled(scaled), format, kCurrencyPrecision, digits, kCurrencyPrecision);
}

std::string FormatCurrencyScaled(const std::string& format, int64_t scaled) {
  if (format.empty()) return CurrencyToStrF(scaled, ffGeneral, 0);
  return FormatRaw(format, FromScaled(scaled), kCurrencyPrecision);
}

bool TextToFloat(const std::string& s, double& value) {
  const size_t n = s.size();
  size_t i = 0;
  while (i < n && s[i] == ' ') ++i;
  std::string buf;
  if (i < n && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') buf += '-';
    ++i;
  }
  const char dec = ActiveFormatSettings().DecimalSeparator;
  bool point = false;
  int digits = 0;
  long magnitude = 0;  // decimal exponent of the first significant digit, roughly
  bool significant = false;
  for (; i < n; ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      ++digits;
      if (c != '0') significant = true;
      if (!point && significant) ++magnitude;
      if (point && !significant) --magnitude;
      buf += c;
    } else if (c == dec && !point) {
      point = true;
      buf += '.';
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  long expValue = 0;
  if (i < n && (s[i] == 'E' || s[i] == 'e')) {
    ++i;
    std::string e;
    if (i < n && (s[i] == '+' || s[i] == '-')) e += s[i++];
    int expDigits = 0;
    for (; i < n && s[i] >= '0' && s[i] <= '9'; ++i) {
      ++expDigits;
      if (expValue < 100000) expValue = expValue * 10 + (s[i] - '0');
    }
    if (expDigits == 0) return false;
    if (!e.empty() && e[0] == '-') expValue = -expValue;
    buf += 'e';
    buf += std::to_string(expValue);
  }
  while (i < n && s[i] == ' ') ++i;
  if (i != n) return false;
  double v = 0;
  const auto res = std::from_chars(buf.data(), buf.data() + buf.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    if (significant && magnitude + expValue > 0) return false;  // overflow
    v = buf[0] == '-' ? -0.0 : 0.0;
  } else if (res.ec != std::errc() || res.ptr != buf.data() + buf.size()) {
    return false;
  }
  value = v;
  return true;
}

bool TryStrToFloat(const std::string& s, double& value) { return TextToFloat(s, value); }

double StrToFloat(const std::string& s) {
  double v;
  if (!TextToFloat(s, v)) throw EConvertError(Format(SInvalidFloat, {s}));
  return v;
}

double StrToFloatDef(const std::string& s, double def) {
  double v;
  return TextToFloat(s, v) ? v : def;
}

std::string FloatToStr(double value, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return FloatToStr(value);
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return FloatToStrF(value, format, precision, digits);
}

std::string FormatFloat(const std::string& format, double value, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return FormatFloat(format, value);
}

bool TextToFloat(const std::string& s, double& value, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return TextToFloat(s, value);
}

bool TryStrToFloat(const std::string& s, double& value, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return TextToFloat(s, value);
}

double StrToFloat(const std::string& s, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return StrToFloat(s);
}

double StrToFloatDef(const std::string& s, double def, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return StrToFloatDef(s, def);
}

}  // namespace vcl
