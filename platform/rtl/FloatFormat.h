// Floating-point numbers as text and back, with the framework's digit generation: a double
// gives at most 15 significant digits, and the last digit kept is rounded half away from zero
// on the decimal digits of the value.
#pragma once

#include <cstdint>
#include <string>

namespace vcl {

struct TFormatSettings;

enum TFloatFormat : uint8_t { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Decimal digits of a value: value = 0.Digits * 10^Exponent. Digits holds '0'..'9' without
// trailing zeros and is empty for zero. Exponent is 0x7FFF for infinities and 0x8000 (as
// -32768) for NaN.
struct TFloatRec {
  int16_t Exponent = 0;
  bool Negative = false;
  std::string Digits;
};

// Rounds `value` to `precision` significant digits (at most 15) and to `decimals` digits after
// the decimal point (9999 for no such limit).
void FloatToDecimal(TFloatRec& result, double value, int precision, int decimals);

// General format with 15 digits.
std::string FloatToStr(double value);
// ffGeneral: precision significant digits, scientific when the exponent exceeds the precision
//   or the value is below 0.0001, with at least `digits` (0..4) exponent digits; ffExponent: "-d.dddE+dddd", `digits` = minimum exponent
//   digits (0..4); ffFixed/ffNumber: `digits` decimals (0..18), ffNumber with thousand
//   separators, both fall back to general when the integer part needs more than `precision`
//   digits; ffCurrency: CurrencyString, CurrencyFormat and NegCurrFormat with `digits` decimals.
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
// The format string syntax of the framework: up to three sections "positive;negative;zero",
// placeholders 0 and #, the decimal point ".", thousand separators ",", scientific "E+", "E-",
// "e+", "e-" with 0s for exponent digits, quoted text '...' and "..." and other characters
// as they are. An empty format gives FloatToStr.
std::string FormatFloat(const std::string& format, double value);

// Text to double: optional blanks, sign, digits with DecimalSeparator, optional exponent
// "E[+|-]digits", optional blanks. Overflow is an error; underflow gives 0.
bool TextToFloat(const std::string& s, double& value);
bool TryStrToFloat(const std::string& s, double& value);
// Raises EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(const std::string& s);
double StrToFloatDef(const std::string& s, double def);

std::string CurrencyToStrF(int64_t scaled, TFloatFormat format, int digits);
std::string FormatCurrencyScaled(const std::string& format, int64_t scaled);

// The same with the given settings instead of FormatSettings.
std::string FloatToStr(double value, const TFormatSettings& settings);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& settings);
std::string FormatFloat(const std::string& format, double value, const TFormatSettings& settings);
bool TextToFloat(const std::string& s, double& value, const TFormatSettings& settings);
bool TryStrToFloat(const std::string& s, double& value, const TFormatSettings& settings);
double StrToFloat(const std::string& s, const TFormatSettings& settings);
double StrToFloatDef(const std::string& s, double def, const TFormatSettings& settings);

}  // namespace vcl
