#include "platform/rtl/Format.h"

#include <algorithm>
#include <cstdio>

#include "platform/base/Exceptions.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

namespace {

[[noreturn]] void FormatError(const std::string& format) {
  throw EConvertError(StringReplace(SInvalidFormat, "%s", format, {}));
}

// Values beyond these never make sense as widths or precisions; refusing them keeps a bad
// format from asking for huge padding.
constexpr int kMaxWidth = 1 << 20;

std::string Pad(std::string s, int width, bool left) {
  if (width > static_cast<int>(s.size())) {
    const size_t fill = static_cast<size_t>(width) - s.size();
    if (left) s.append(fill, ' ');
    else s.insert(0, fill, ' ');
  }
  return s;
}

std::string ZeroPadDigits(const std::string& digits, int precision) {
  bool neg = !digits.empty() && digits[0] == '-';
  std::string d = neg ? digits.substr(1) : digits;
  if (precision > static_cast<int>(d.size())) d.insert(0, static_cast<size_t>(precision) - d.size(), '0');
  return neg ? "-" + d : d;
}

// What a float conversion (e, f, g, n, m) asks of the float formatter: the format, the
// significant digits and the digits (after the point, or of the exponent); a precision < 0
// means none was given.
struct TFloatLayout {
  TFloatFormat Format;
  int Precision;
  int Digits;
};

TFloatLayout FloatLayout(char type, int precision) {
  const bool given = precision >= 0;
  switch (type) {
    case 'e': return {ffExponent, given ? precision : 15, 3};
    case 'f': return {ffFixed, 18, given ? precision : 2};
    case 'g': return {ffGeneral, given ? precision : 15, 0};
    case 'n': return {ffNumber, 18, given ? precision : 2};
    default: return {ffCurrency, 18, given ? precision : ActiveFormatSettings().CurrencyDecimals};
  }
}

std::string DoFormat(const std::string& format, const TVarRec* args, size_t count) {
  std::string out;
  size_t argIndex = 0;
  const size_t n = format.size();
  size_t i = 0;
  auto nextArg = [&]() -> const TVarRec& {
    if (argIndex >= count) FormatError(format);
    return args[argIndex++];
  };
  // Reads a number or "*"; -1 when there is none.
  auto readNumber = [&](bool allowStar) -> int {
    if (i < n && format[i] == '*' && allowStar) {
      ++i;
      const TVarRec& a = nextArg();
      if (a.VType != TVarRec::vtInteger && a.VType != TVarRec::vtInt64) FormatError(format);
      if (a.VInt < 0 || a.VInt > kMaxWidth) return a.VInt < 0 ? -2 : kMaxWidth;
      return static_cast<int>(a.VInt);
    }
    if (i >= n || format[i] < '0' || format[i] > '9') return -1;
    int64_t v = 0;
    while (i < n && format[i] >= '0' && format[i] <= '9') {
      v = v * 10 + (format[i] - '0');
      if (v > kMaxWidth) FormatError(format);
      ++i;
    }
    return static_cast<int>(v);
  };
  while (i < n) {
    const char c = format[i];
    if (c != '%') {
      out += c;
      ++i;
      continue;
    }
    ++i;
    if (i >= n) FormatError(format);
    if (format[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    // [index ":"]
    bool left = false;
    int width = readNumber(true);
    if (i < n && format[i] == ':') {
      if (width < 0) FormatError(format);
      argIndex = static_cast<size_t>(width);
      ++i;
      width = -1;
    }
    if (width < 0) {
      if (i < n && format[i] == '-') {
        left = true;
        ++i;
      }
      width = readNumber(true);
    }
    if (width == -2) width = -1;  // a negative "*" width is ignored
    int precision = -1;
    if (i < n && format[i] == '.') {
      ++i;
      precision = readNumber(true);
      if (precision == -2) precision = -1;
    }
    if (i >= n) FormatError(format);
    const char type = static_cast<char>(format[i] >= 'A' && format[i] <= 'Z' ? format[i] + 32 : format[i]);
    ++i;
    const TVarRec& a = nextArg();
    const bool isInt = a.VType == TVarRec::vtInteger || a.VType == TVarRec::vtInt64;
    std::string s;
    switch (type) {
      case 'd':
        if (!isInt) FormatError(format);
        s = ZeroPadDigits(std::to_string(a.VInt), precision);
        break;
      case 'u': {
        if (!isInt) FormatError(format);
        const uint64_t u = a.VType == TVarRec::vtInteger ? static_cast<uint32_t>(a.VInt) : static_cast<uint64_t>(a.VInt);
        s = ZeroPadDigits(std::to_string(u), precision);
        break;
      }
      case 'x':
        if (!isInt) FormatError(format);
        s = a.VType == TVarRec::vtInteger ? IntToHex(static_cast<int32_t>(a.VInt), std::max(precision, 0))
                                          : IntToHex(static_cast<int64_t>(a.VInt), std::max(precision, 0));
        break;
      case 'e': case 'f': case 'g': case 'n': case 'm': {
        double v;
        bool currency = false;
        if (a.VType == TVarRec::vtExtended) v = a.VExtended;
        else if (a.VType == TVarRec::vtCurrency) { v = static_cast<double>(a.VInt) / 10000.0; currency = true; }
        else FormatError(format);
        const TFloatLayout l = FloatLayout(type, precision);
        s = currency ? CurrencyToStrF(a.VInt, l.Format, l.Digits)
                     : FloatToStrF(v, l.Format, l.Precision, l.Digits);
        break;
      }
      case 'p': {
        if (a.VType != TVarRec::vtPointer && !isInt) FormatError(format);
        const uint64_t p = a.VType == TVarRec::vtPointer ? reinterpret_cast<uintptr_t>(a.VPointer)
                                                        : static_cast<uint64_t>(a.VInt);
        s = IntToHex(static_cast<int64_t>(p), p > 0xFFFFFFFFull ? 16 : 8);
        break;
      }
      case 's':
        if (a.VType != TVarRec::vtString && a.VType != TVarRec::vtChar) FormatError(format);
        s = a.VString;
        if (precision >= 0 && precision < static_cast<int>(s.size())) s.resize(static_cast<size_t>(precision));
        break;
      default:
        FormatError(format);
    }
    out += Pad(std::move(s), width, left);
  }
  return out;
}

}  // namespace

std::string Format(const std::string& format, std::initializer_list<TVarRec> args) {
  return DoFormat(format, args.begin(), args.size());
}

std::string Format(const std::string& format, const std::vector<TVarRec>& args) {
  return DoFormat(format, args.data(), args.size());
}

std::string Format(const std::string& format, std::initializer_list<TVarRec> args, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return DoFormat(format, args.begin(), args.size());
}

std::string Format(const std::string& format, const std::vector<TVarRec>& args, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return DoFormat(format, args.data(), args.size());
}

}  // namespace vcl
