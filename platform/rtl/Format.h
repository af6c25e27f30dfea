// The framework's Format: "%" ["index:"] ["-"] [width] ["." precision] type, where index,
// width and precision may be "*" (taken from the arguments), and type is one of
//   d  integer, precision = minimum digits (zero-padded)
//   u  unsigned integer (a negative 32-bit value shows as its 32-bit pattern)
//   e  scientific, precision = significant digits (default 15), three exponent digits
//   f  fixed, precision = decimals (default 2)
//   g  general, precision = significant digits (default 15)
//   n  like f with thousand separators
//   m  currency, precision = decimals (default CurrencyDecimals)
//   p  pointer as 8 (or 16 for wide values) upper-case hex digits
//   s  string (also a character), precision = maximum characters
//   x  hexadecimal, precision = minimum digits
// and "%%" is a percent sign. A width pads with spaces on the left, or on the right after
// "-". A bad directive or an argument of the wrong kind raises EConvertError
// "Format '<format>' invalid or incompatible with argument".
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/Currency.h"

namespace vcl {

struct TFormatSettings;

// One element of an "array of const" argument list.
struct TVarRec {
  enum TKind : uint8_t { vtInteger, vtInt64, vtExtended, vtString, vtChar, vtPointer, vtCurrency, vtBoolean };
  TKind VType = vtInteger;
  int64_t VInt = 0;
  double VExtended = 0;
  const void* VPointer = nullptr;
  std::string VString;

  TVarRec(int v) : VType(vtInteger), VInt(v) {}
  TVarRec(unsigned v) : VType(vtInt64), VInt(v) {}
  TVarRec(long v) : VType(vtInt64), VInt(v) {}
  TVarRec(unsigned long v) : VType(vtInt64), VInt(static_cast<int64_t>(v)) {}
  TVarRec(long long v) : VType(vtInt64), VInt(v) {}
  TVarRec(unsigned long long v) : VType(vtInt64), VInt(static_cast<int64_t>(v)) {}
  TVarRec(double v) : VType(vtExtended), VExtended(v) {}
  TVarRec(char v) : VType(vtChar), VString(1, v) {}
  TVarRec(bool v) : VType(vtBoolean), VInt(v ? 1 : 0) {}
  TVarRec(const char* v) : VType(vtString), VString(v ? v : "") {}
  TVarRec(std::string v) : VType(vtString), VString(std::move(v)) {}
  TVarRec(std::string_view v) : VType(vtString), VString(v) {}
  TVarRec(const void* v) : VType(vtPointer), VPointer(v) {}
  TVarRec(Currency v) : VType(vtCurrency), VInt(v.Value) {}
};

std::string Format(const std::string& format, std::initializer_list<TVarRec> args);
std::string Format(const std::string& format, const std::vector<TVarRec>& args);

// The same with the given settings instead of FormatSettings.
std::string Format(const std::string& format, std::initializer_list<TVarRec> args, const TFormatSettings& settings);
std::string Format(const std::string& format, const std::vector<TVarRec>& args, const TFormatSettings& settings);

}  // namespace vcl
