// TZYLCurrencySettings: how the currency kind of the mask edit lays out and reads back
// amounts. The layout comes from the locale (cmSystem) or from the user (cmUser) as two
// patterns, one for amounts of zero and above and one for negative amounts, in which "1,1"
// stands for the number and the currency sign (0xA4) for Symbol; the number itself is written
// without a sign, the pattern carries it. Amounts are the platform's Currency: a signed 64-bit
// count of ten-thousandths.
//
// Reading a text back follows the negative pattern's marks: a minus anywhere or a pair of
// parentheses makes the amount negative, so that every text the settings write reads back as
// the amount it came from.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLObject.h"

namespace zyl {

ZYL_ENUM(TZYLCurrencyMode, cmSystem, cmUser)

// The currency sign of the ANSI code page, the symbol's place in a pattern.
constexpr char ZYLCurrencySign = '\xA4';

// The text of Amount (ten-thousandths) laid out by the patterns: Digits digits behind
// DecimalSep, ThousandSep between groups of GroupSize digits (0: no groups), Symbol at the
// sign's place.
std::string ZYLCurrToStr(int64_t Amount, const std::string& Symbol, const std::string& PosFormat,
                         const std::string& NegFormat, int Digits, int GroupSize, char ThousandSep,
                         char DecimalSep);

class TZYLCurrencySettings : public TZYLObject {
  ZYL_CLASS(TZYLCurrencySettings, TZYLObject)
  // The indices of the pattern and symbol texts.
  enum TStringProp : int { siPositiveFormat, siNegativeFormat, siSymbol };

  TZYLCurrencySettings();
  void Assign(vcl::TPersistent* Source) override;

  // The positive and negative pattern of a locale's format number; Current when the number
  // lies outside the table.
  static std::string PositivePattern(int Number, const std::string& Current);
  static std::string NegativePattern(int Number, const std::string& Current);

  // Reads symbol, patterns, grouping, digits and separators from the thread's locale (no
  // change notice).
  void LoadDefaults();
  TZYLCurrencyMode SystemDefaults() const { return FMode; }
  void SetSystemDefaults(TZYLCurrencyMode Value);
  const std::string& GetString(int Index) const;
  void SetString(int Index, const std::string& Value);
  const std::string& PositiveFormatStr() const { return FPositive; }
  const std::string& NegativeFormatStr() const { return FNegative; }
  const std::string& Symbol() const { return FSymbol; }
  int GroupSize() const { return FGroupSize; }
  void SetGroupSize(int Value) { FGroupSize = Value < 0 ? 0 : Value; }
  int Digits() const { return FDigits; }
  void SetDigits(int Value) { FDigits = Value < 0 ? 0 : Value; }
  char ThousandSeparator() const { return FThousandSep; }
  void SetThousandSeparator(char Value) { FThousandSep = Value; }
  char DecimalSeparator() const { return FDecimalSep; }
  void SetDecimalSeparator(char Value) { FDecimalSep = Value; }

  std::string toStr(int64_t Amount) const;
  // The amount of a text; an empty text (or one without digits) is 0. Raises EConvertError
  // for an amount beyond the Currency range.
  int64_t toCur(const std::string& Text) const;
  // The 1-based position of the number's placeholder in the pattern for Amount's sign, 0 when
  // the pattern has none.
  int firstDigitPos(int64_t Amount) const;

 private:
  TZYLCurrencyMode FMode = cmSystem;
  std::string FPositive;
  std::string FNegative;
  std::string FSymbol;
  int FGroupSize = 3;
  int FDigits = 2;
  char FThousandSep = ',';
  char FDecimalSep = '.';
};

}  // namespace zyl
