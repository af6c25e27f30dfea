// Numbers as texts: a text read as a floating-point and a currency value under separators the
// input gives, as a whole number and as a colour, values written by a number picture and by a
// Format directive string of the input. Bad text or a bad directive is refused with an error; the
// trying readers agree with the raising ones, and what a value writes reads back to the same text
// or value.
//
// Input: the decimal separator, the thousand separator, a byte of digits, then three lines: the
// text, the number picture and the Format string.
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Currency.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"

namespace {

// A separator a number's own text cannot hold otherwise (no digit, sign, blank or exponent).
bool PlainSeparator(char c) {
  return std::ispunct(static_cast<unsigned char>(c)) && c != '+' && c != '-';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ReadLocaleOnce();
  if (size < 3) return 0;
  vcl::TFormatSettings fs = vcl::FormatSettings;
  fs.DecimalSeparator = static_cast<char>(data[0]);
  fs.ThousandSeparator = static_cast<char>(data[1]);
  const int digits = data[2] % 20;
  const auto format = static_cast<vcl::TFloatFormat>(data[2] / 20 % 5);
  const std::vector<std::string> lines = fuzz::Lines(fuzz::Bytes(data + 3, size - 3), 3);
  const std::string& text = lines[0];
  const std::string& picture = lines[1];
  const std::string& directives = lines[2];

  std::vector<double> values{0, -1.5, 123456789.125, 1e-300, 1e300};
  double tried = 0;
  const bool ok = vcl::TryStrToFloat(text, tried, fs);
  try {
    const double value = vcl::StrToFloat(text, fs);
    if (!ok || !(value == tried || (std::isnan(value) && std::isnan(tried)))) std::abort();
    values.push_back(value);
  } catch (const vcl::EConvertError&) {
    if (ok) std::abort();
  }
  const bool plain = PlainSeparator(fs.DecimalSeparator);
  for (double v : values) {
    // Fifteen significant digits read back to a value that writes the same digits.
    const std::string once = vcl::FloatToStr(v, fs);
    if (plain && std::isfinite(v)) {
      double back = 0;
      if (!vcl::TryStrToFloat(once, back, fs) || vcl::FloatToStr(back, fs) != once) std::abort();
    }
    fuzz::Expect([&] { vcl::FloatToStrF(v, format, digits, digits % 5, fs); });
    fuzz::Expect([&] { vcl::FormatFloat(picture, v, fs); });
  }

  std::vector<vcl::Currency> amounts{vcl::MinCurrency, vcl::MaxCurrency,
                                     vcl::Currency::FromScaled(-12345678)};
  vcl::Currency amount;
  const bool okAmount = vcl::TryStrToCurr(text, amount, fs);
  try {
    const vcl::Currency value = vcl::StrToCurr(text, fs);
    if (!okAmount || value != amount) std::abort();
    amounts.push_back(value);
  } catch (const vcl::EConvertError&) {
    if (okAmount) std::abort();
  }
  for (vcl::Currency c : amounts) {
    // Every significant digit: the text reads back to the same amount.
    const std::string once = vcl::CurrToStr(c, fs);
    vcl::Currency back;
    if (plain && (!vcl::TryStrToCurr(once, back, fs) || back != c)) std::abort();
    fuzz::Expect([&] { vcl::CurrToStrF(c, format, digits, fs); });
    fuzz::Expect([&] { vcl::FormatCurr(picture, c, fs); });
  }

  // Whole numbers and colours, as colour edits read them: the trying readers agree with the
  // raising ones, and a colour's text reads back to the same colour.
  int32_t small = 0;
  const bool okSmall = vcl::TryStrToInt(text, small);
  try {
    if (vcl::StrToInt(text) != small || !okSmall) std::abort();
  } catch (const vcl::EConvertError&) {
    if (okSmall) std::abort();
  }
  int64_t big = 0;
  const bool okBig = vcl::TryStrToInt64(text, big);
  try {
    if (vcl::StrToInt64(text) != big || !okBig) std::abort();
  } catch (const vcl::EConvertError&) {
    if (okBig) std::abort();
  }
  // Hexadecimal text is a bit pattern: a 32-bit one reads as a negative whole number, so the
  // two agree in their low 32 bits.
  if (okSmall && (!okBig || static_cast<int32_t>(static_cast<uint64_t>(big)) != small))
    std::abort();
  fuzz::Expect([&] {
    const vcl::TColor color = vcl::StringToColor(text);
    if (vcl::StringToColor(vcl::ColorToString(color)) != color) std::abort();
  });

  const std::vector<vcl::TVarRec> args{vcl::TVarRec(42),
                                       vcl::TVarRec(-7ll),
                                       vcl::TVarRec(values.back()),
                                       vcl::TVarRec(text),
                                       vcl::TVarRec('x'),
                                       vcl::TVarRec(static_cast<const void*>(&fs)),
                                       vcl::TVarRec(amounts.back()),
                                       vcl::TVarRec(true),
                                       vcl::TVarRec(digits)};
  fuzz::Expect([&] { vcl::Format(directives, args, fs); });
  fuzz::Expect([&] { vcl::Format(text, args, fs); });
  return 0;
}
