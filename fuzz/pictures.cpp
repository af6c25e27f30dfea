// The library's own small format languages: the currency patterns of the mask edit's amounts
// (patterns, symbol, digits, grouping and separators of the input; amounts written and texts
// read back) and the information label's digit picture.
//
// Input: a byte of digits, a byte of group size, the thousand and decimal separators, then four
// lines: the positive pattern, the negative pattern, the symbol and a text (read as an amount
// and laid out by the text's own picture).
#include <cstdlib>
#include <string>
#include <vector>

#include "display/ZYLInformationLabel.h"
#include "edits/ZYLCurrencySettings.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const std::vector<std::string> lines = fuzz::Lines(fuzz::Bytes(data + 4, size - 4), 4);
  zyl::TZYLCurrencySettings settings;
  settings.SetSystemDefaults(zyl::cmUser);
  settings.SetDigits(data[0] % 24);
  settings.SetGroupSize(data[1] % 12);
  settings.SetThousandSeparator(static_cast<char>(data[2]));
  settings.SetDecimalSeparator(static_cast<char>(data[3]));
  settings.SetString(zyl::TZYLCurrencySettings::siPositiveFormat, lines[0]);
  settings.SetString(zyl::TZYLCurrencySettings::siNegativeFormat, lines[1]);
  settings.SetString(zyl::TZYLCurrencySettings::siSymbol, lines[2]);
  const std::string& text = lines[3];
  std::vector<vcl::Currency> amounts{vcl::MinCurrency, vcl::MaxCurrency, vcl::Currency(),
                                     vcl::Currency::FromScaled(-1234567)};
  fuzz::Expect([&] { amounts.push_back(settings.toCur(text)); });
  for (vcl::Currency c : amounts) {
    std::string written;
    fuzz::Expect([&] { written = settings.toStr(c); });
    fuzz::Expect([&] { settings.toCur(written); });
    const int at = settings.firstDigitPos(c);
    const std::string& pattern = c.Value < 0 ? lines[1] : lines[0];
    if (at < 0 || at > static_cast<int>(pattern.size())) std::abort();
  }
  for (const std::string& value : {std::string("-1234567"), std::string("0"), text})
    fuzz::Expect([&] { zyl::ZYLFormatDigitPicture(value, text); });
  return 0;
}
