#include "edits/ZYLCurrencySettings.h"

#include <algorithm>
#include <limits>

#include "foundation/ZYLUtils.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

namespace {

// The library's locale-item indices (ZYLGetLocalInfo).
enum TLocalItem : int {
  liCurrDigits = 1,
  liCurrency = 2,
  liNegCurr = 8,
  liSymbol = 13,
  liDecimal = 15,
  liMonGrouping = 20,
  liMonThousandSep = 21
};

const char* const PositivePatterns[] = {
    "\xA4"
    "1,1",
    "1,1\xA4", "\xA4 1,1", "1,1 \xA4"};
const char* const NegativePatterns[] = {
    "(\xA4"
    "1,1)",
    "-\xA4"
    "1,1",
    "\xA4-1,1",
    "\xA4"
    "1,1-",
    "(1,1\xA4)",
    "-1,1\xA4",
    "1,1-\xA4",
    "1,1\xA4-",
    "-1,1 \xA4",
    "-\xA4 1,1",
    "1,1 \xA4-",
    "\xA4 1,1-",
    "\xA4 -1,1",
    "1,1- \xA4",
    "(\xA4 1,1)",
    "(1,1 \xA4)"};

// The leading integer of a text, Def when it has none.
int LeadingInt(const std::string& S, int Def) {
  size_t i = 0;
  while (i < S.size() && S[i] >= '0' && S[i] <= '9') ++i;
  if (i == 0 || i > 9) return Def;
  return std::stoi(S.substr(0, i));
}

// The unsigned number of Amount: integer digits grouped, Digits fraction digits (cut).
std::string NumberText(uint64_t Amount, int Digits, int GroupSize, char ThousandSep,
                       char DecimalSep) {
  std::string whole = std::to_string(Amount / 10000);
  if (GroupSize > 0)
    for (int i = static_cast<int>(whole.size()) - GroupSize; i > 0; i -= GroupSize)
      whole.insert(static_cast<size_t>(i), 1, ThousandSep);
  if (Digits <= 0) return whole;
  std::string fraction = std::to_string(Amount % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  fraction.resize(static_cast<size_t>(Digits), '0');
  return whole + DecimalSep + fraction;
}

}  // namespace

std::string ZYLCurrToStr(int64_t Amount, const std::string& Symbol, const std::string& PosFormat,
                         const std::string& NegFormat, int Digits, int GroupSize, char ThousandSep,
                         char DecimalSep) {
  const std::string& pattern = Amount >= 0 ? PosFormat : NegFormat;
  const uint64_t magnitude =
      Amount >= 0 ? static_cast<uint64_t>(Amount) : 0 - static_cast<uint64_t>(Amount);
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '1') {
      out += NumberText(magnitude, Digits, GroupSize, ThousandSep, DecimalSep);
      i += 2;  // the placeholder spans three characters
    } else if (pattern[i] == ZYLCurrencySign) {
      out += Symbol;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

ZYL_CLASS_IMPL(TZYLCurrencySettings) {
  using C = TZYLCurrencySettings;
  b.Prop("SystemDefaults", &C::SystemDefaults, &C::SetSystemDefaults)
      .Prop("PositiveFormatStr", &C::GetString, &C::SetString)
      .Index(siPositiveFormat)
      .Prop("NegativeFormatStr", &C::GetString, &C::SetString)
      .Index(siNegativeFormat)
      .Prop("Symbol", &C::GetString, &C::SetString)
      .Index(siSymbol);
}

TZYLCurrencySettings::TZYLCurrencySettings() { LoadDefaults(); }

std::string TZYLCurrencySettings::PositivePattern(int Number, const std::string& Current) {
  return Number >= 0 && Number < 4 ? PositivePatterns[Number] : Current;
}

std::string TZYLCurrencySettings::NegativePattern(int Number, const std::string& Current) {
  return Number >= 0 && Number < 16 ? NegativePatterns[Number] : Current;
}

void TZYLCurrencySettings::LoadDefaults() {
  FSymbol = ZYLGetLocalInfo(liSymbol);
  FNegative = NegativePattern(LeadingInt(ZYLGetLocalInfo(liNegCurr), 0), FNegative);
  FPositive = PositivePattern(LeadingInt(ZYLGetLocalInfo(liCurrency), 0), FPositive);
  const std::string grouping = ZYLGetLocalInfo(liMonGrouping);
  FGroupSize = LeadingInt(grouping.substr(0, grouping.find(';')), 3);
  FDigits = LeadingInt(ZYLGetLocalInfo(liCurrDigits), 2);
  const std::string dec = ZYLGetLocalInfo(liDecimal), sep = ZYLGetLocalInfo(liMonThousandSep);
  if (!dec.empty()) FDecimalSep = dec[0];
  if (!sep.empty()) FThousandSep = sep[0];
}

void TZYLCurrencySettings::SetSystemDefaults(TZYLCurrencyMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  if (FMode == cmSystem) LoadDefaults();
}

const std::string& TZYLCurrencySettings::GetString(int Index) const {
  return Index == siPositiveFormat ? FPositive : Index == siNegativeFormat ? FNegative : FSymbol;
}

void TZYLCurrencySettings::SetString(int Index, const std::string& Value) {
  std::string& target = Index == siPositiveFormat   ? FPositive
                        : Index == siNegativeFormat ? FNegative
                                                    : FSymbol;
  if (target == Value) return;
  target = Value;
  Change();
}

void TZYLCurrencySettings::Assign(vcl::TPersistent* Source) {
  auto* src = dynamic_cast<TZYLCurrencySettings*>(Source);
  if (!src) {
    inherited::Assign(Source);
    return;
  }
  SetSystemDefaults(src->FMode);
  if (FMode != cmUser) return;
  FSymbol = src->FSymbol;
  FDigits = src->FDigits;
  FThousandSep = src->FThousandSep;
  FDecimalSep = src->FDecimalSep;
  FPositive = src->FPositive;
  FNegative = src->FNegative;
}

std::string TZYLCurrencySettings::toStr(int64_t Amount) const {
  return ZYLCurrToStr(Amount, FSymbol, FPositive, FNegative, FDigits, FGroupSize, FThousandSep,
                      FDecimalSep);
}

int64_t TZYLCurrencySettings::toCur(const std::string& Text) const {
  std::string rest = Text;
  if (!FSymbol.empty()) {
    const size_t at = rest.find(FSymbol);
    if (at != std::string::npos) rest.erase(at, FSymbol.size());
  }
  // Negative by the marks of the negative pattern: a minus or an opening parenthesis.
  const bool negative = rest.find_first_of("-(") != std::string::npos;
  uint64_t whole = 0, fraction = 0;
  int fractionDigits = 0;
  bool inFraction = false, any = false, roundUp = false;
  constexpr uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) / 10000;
  for (char c : rest) {
    if (c == FDecimalSep && !inFraction) {
      inFraction = true;
    } else if (c >= '0' && c <= '9') {
      any = true;
      const unsigned d = static_cast<unsigned>(c - '0');
      if (!inFraction) {
        whole = whole * 10 + d;
        if (whole > limit) throw vcl::EConvertError(vcl::Format(vcl::SInvalidCurrency, {Text}));
      } else if (fractionDigits < 4) {
        fraction = fraction * 10 + d;
        ++fractionDigits;
      } else if (fractionDigits == 4) {
        roundUp = d >= 5;  // rounded to the nearest ten-thousandth
        ++fractionDigits;
      }
    }
  }
  if (!any) return 0;
  for (int i = fractionDigits; i < 4; ++i) fraction *= 10;
  const int64_t amount = static_cast<int64_t>(whole * 10000 + fraction + (roundUp ? 1 : 0));
  return negative ? -amount : amount;
}

int TZYLCurrencySettings::firstDigitPos(int64_t Amount) const {
  const std::string& pattern = Amount >= 0 ? FPositive : FNegative;
  const size_t at = pattern.find('1');
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace zyl
