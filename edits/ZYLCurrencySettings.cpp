#include "edits/ZYLCurrencySettings.h"

#include <array>

#include "foundation/ZYLUtils.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/SysUtils.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCurrencySettings) {
  using T = TZYLCurrencySettings;
  b.Prop("SystemDefaults", &T::SystemDefaults, &T::SetSystemDefaults)
      .Prop("PositiveFormatStr", &T::GetString, &T::SetString)
      .Index(siPositiveFormat)
      .Stored(&T::IsUserLayout)
      .Prop("NegativeFormatStr", &T::GetString, &T::SetString)
      .Index(siNegativeFormat)
      .Stored(&T::IsUserLayout)
      .Prop("Symbol", &T::GetString, &T::SetString)
      .Index(siSymbol)
      .Stored(&T::IsUserLayout);
}

namespace {

// The locale's positive and negative currency formats, by their numbers.
const std::array<const char*, 4> kPositivePatterns = {
    "\xA4"
    "1,1",
    "1,1\xA4", "\xA4 1,1", "1,1 \xA4"};
const std::array<const char*, 16> kNegativePatterns = {
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

// A format of the text conversions that is the same on every machine: '.' as the separator.
const vcl::TFormatSettings& PlainFormat() {
  static const vcl::TFormatSettings plain;
  return plain;
}

// The unsigned number of an amount with the settings' digits, grouping and separators.
std::string NumberText(vcl::Currency Value, int Digits, int GroupSize, char ThousandSeparator,
                       char DecimalSeparator) {
  std::string s = vcl::CurrToStr(Value, PlainFormat());
  if (!s.empty() && s[0] == '-') s.erase(0, 1);
  std::string whole = s, fraction;
  const size_t dot = s.find('.');
  if (dot != std::string::npos) {
    whole = s.substr(0, dot);
    fraction = s.substr(dot + 1);
  }
  // The fraction is cut, not rounded, to the digits and padded with zeros up to them.
  if (static_cast<int>(fraction.size()) > Digits) fraction.resize(static_cast<size_t>(Digits));
  fraction.append(static_cast<size_t>(Digits) - fraction.size(), '0');
  std::string grouped;
  if (GroupSize <= 0) {
    grouped = whole;
  } else {
    grouped.reserve(whole.size() + whole.size() / static_cast<size_t>(GroupSize));
    const size_t n = whole.size();
    for (size_t i = 0; i < n; ++i) {
      grouped += whole[i];
      const size_t left = n - 1 - i;
      if (left > 0 && left % static_cast<size_t>(GroupSize) == 0) grouped += ThousandSeparator;
    }
  }
  if (Digits > 0) grouped += DecimalSeparator + fraction;
  return grouped;
}

}  // namespace

std::string ZYLCurrToStr(vcl::Currency Value, const std::string& Symbol,
                         const std::string& PositiveFormat, const std::string& NegativeFormat,
                         int Digits, int GroupSize, char ThousandSeparator, char DecimalSeparator) {
  const std::string& pattern = Value.Value >= 0 ? PositiveFormat : NegativeFormat;
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == TZYLCurrencySettings::NumberMark) {
      out += NumberText(Value, Digits, GroupSize, ThousandSeparator, DecimalSeparator);
      i += TZYLCurrencySettings::NumberMarkLength - 1;
    } else if (c == TZYLCurrencySettings::SymbolMark) {
      out += Symbol;
    } else {
      out += c;
    }
  }
  return out;
}

TZYLCurrencySettings::TZYLCurrencySettings() { LoadDefaults(); }

std::string TZYLCurrencySettings::PositivePattern(int Number) {
  if (Number < 0 || Number >= static_cast<int>(kPositivePatterns.size())) return {};
  return kPositivePatterns[static_cast<size_t>(Number)];
}

std::string TZYLCurrencySettings::NegativePattern(int Number) {
  if (Number < 0 || Number >= static_cast<int>(kNegativePatterns.size())) return {};
  return kNegativePatterns[static_cast<size_t>(Number)];
}

void TZYLCurrencySettings::LoadDefaults() {
  FSymbol = ZYLGetLocalInfo(liCurrencySymbol);
  // A format number outside the tables leaves the pattern as it was.
  const std::string negative =
      NegativePattern(vcl::StrToIntDef(ZYLGetLocalInfo(liNegCurrFormat), 0));
  if (!negative.empty()) FNegativeFormat = negative;
  const std::string positive =
      PositivePattern(vcl::StrToIntDef(ZYLGetLocalInfo(liCurrencyFormat), 0));
  if (!positive.empty()) FPositiveFormat = positive;
  const std::string grouping = ZYLGetLocalInfo(liMonGrouping);
  FGroupSize = vcl::StrToIntDef(grouping.substr(0, grouping.find(';')), 3);
  if (FGroupSize < 0) FGroupSize = 3;
  FDigits = vcl::StrToIntDef(ZYLGetLocalInfo(liCurrDigits), 2);
  if (FDigits < 0) FDigits = 2;
  const std::string decimal = ZYLGetLocalInfo(liDecimal);
  if (!decimal.empty()) FDecimalSeparator = decimal[0];
  const std::string thousand = ZYLGetLocalInfo(liMonThousandSep);
  if (!thousand.empty()) FThousandSeparator = thousand[0];
}

void TZYLCurrencySettings::SetSystemDefaults(TZYLCurrencyMode Value) {
  if (!ZYLStoreValue(FSystemDefaults, Value)) return;
  if (Value == cmSystem) LoadDefaults();
}

std::string TZYLCurrencySettings::GetString(int Index) const {
  switch (Index) {
    case siPositiveFormat: return FPositiveFormat;
    case siNegativeFormat: return FNegativeFormat;
    case siSymbol: return FSymbol;
    default: return {};
  }
}

void TZYLCurrencySettings::SetString(int Index, std::string Value) {
  std::string* field = nullptr;
  switch (Index) {
    case siPositiveFormat: field = &FPositiveFormat; break;
    case siNegativeFormat: field = &FNegativeFormat; break;
    case siSymbol: field = &FSymbol; break;
    default: return;
  }
  if (ZYLStoreValue(*field, std::move(Value))) Change();
}

void TZYLCurrencySettings::Assign(vcl::TPersistent* Source) {
  auto* s = dynamic_cast<TZYLCurrencySettings*>(Source);
  if (!s) {
    TZYLObject::Assign(Source);
    return;
  }
  SetSystemDefaults(s->FSystemDefaults);
  if (FSystemDefaults != cmUser) return;
  FSymbol = s->FSymbol;
  FDigits = s->FDigits;
  FThousandSeparator = s->FThousandSeparator;
  FDecimalSeparator = s->FDecimalSeparator;
  FPositiveFormat = s->FPositiveFormat;
  FNegativeFormat = s->FNegativeFormat;
}

std::string TZYLCurrencySettings::toStr(vcl::Currency Value) const {
  return ZYLCurrToStr(Value, FSymbol, FPositiveFormat, FNegativeFormat, FDigits, FGroupSize,
                      FThousandSeparator, FDecimalSeparator);
}

vcl::Currency TZYLCurrencySettings::toCur(const std::string& Text) const {
  std::string rest = Text;
  if (!FSymbol.empty()) {
    const size_t at = rest.find(FSymbol);
    if (at != std::string::npos) rest.erase(at, FSymbol.size());
  }
  bool negative = false;
  std::string number;
  for (const char c : rest) {
    if (c >= '0' && c <= '9') {
      number += c;
    } else if (c == FDecimalSeparator) {
      number += '.';
    } else if (c == '-' || c == '(' || c == ')') {
      negative = true;
    }
  }
  if (number.empty()) return {};
  vcl::Currency value;
  if (!vcl::TryStrToCurr(number, value, PlainFormat()))
    throw vcl::EConvertError(vcl::Format(vcl::SInvalidCurrency, {Text}));
  return negative ? -value : value;
}

int TZYLCurrencySettings::firstDigitPos(vcl::Currency Value) const {
  const std::string& pattern = Value.Value >= 0 ? FPositiveFormat : FNegativeFormat;
  const size_t at = pattern.find(NumberMark);
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace zyl
