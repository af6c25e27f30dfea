// TZYLCurrencySettings: how the currency kind of the mask edit writes and reads amounts. Two
// patterns, one for amounts of zero and above and one for negative amounts, place the number
// (the three characters "1,1") and the currency sign (0xA4, the symbol) among literal
// characters; the sign of a negative amount is the negative pattern's business. The layout
// comes from the thread's locale (cmSystem) or from the user (cmUser).
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLObject.h"
#include "platform/rtl/Currency.h"

namespace zyl {

ZYL_ENUM(TZYLCurrencyMode, cmSystem, cmUser)

// The text of an amount: the pattern for its sign with the number (digits behind the decimal
// separator cut or padded to Digits, thousand separators every GroupSize digits; none when
// GroupSize is 0) and the symbol put in.
std::string ZYLCurrToStr(vcl::Currency Value, const std::string& Symbol,
                         const std::string& PositiveFormat, const std::string& NegativeFormat,
                         int Digits, int GroupSize, char ThousandSeparator, char DecimalSeparator);

class TZYLCurrencySettings : public TZYLObject {
  ZYL_CLASS(TZYLCurrencySettings, TZYLObject)
  // The indices of the string properties.
  enum TStringIndex { siPositiveFormat, siNegativeFormat, siSymbol };
  // The pattern characters: the number's placeholder starts with '1' and spans three
  // characters; the currency sign stands for the symbol.
  static constexpr char NumberMark = '1';
  static constexpr int NumberMarkLength = 3;
  static constexpr char SymbolMark = '\xA4';

  TZYLCurrencySettings();

  void Assign(vcl::TPersistent* Source) override;
  // Reads symbol, patterns, grouping, digits and separators from the thread's locale; fires no
  // change.
  void LoadDefaults();

  TZYLCurrencyMode SystemDefaults() const { return FSystemDefaults; }
  void SetSystemDefaults(TZYLCurrencyMode Value);
  std::string GetString(int Index) const;
  void SetString(int Index, std::string Value);
  // The patterns and the symbol are written to form files only when the user gives them; the
  // locale's are read again whenever a form is loaded.
  bool IsUserLayout() const { return FSystemDefaults == cmUser; }
  std::string PositiveFormatStr() const { return FPositiveFormat; }
  std::string NegativeFormatStr() const { return FNegativeFormat; }
  std::string Symbol() const { return FSymbol; }

  int GroupSize() const { return FGroupSize; }
  void SetGroupSize(int Value) { FGroupSize = Value < 0 ? 0 : Value; }
  int Digits() const { return FDigits; }
  void SetDigits(int Value) { FDigits = Value < 0 ? 0 : Value; }
  char ThousandSeparator() const { return FThousandSeparator; }
  void SetThousandSeparator(char Value) { FThousandSeparator = Value; }
  char DecimalSeparator() const { return FDecimalSeparator; }
  void SetDecimalSeparator(char Value) { FDecimalSeparator = Value; }

  // The text of an amount (ZYLCurrToStr with these settings).
  std::string toStr(vcl::Currency Value) const;
  // The amount of a text: the symbol and every character but digits and the decimal
  // separator are dropped; the text is negative when it holds a '-' or a parenthesis, so
  // that every negative pattern reads back what it wrote. Empty is 0; an amount beyond the
  // Currency range raises EConvertError.
  vcl::Currency toCur(const std::string& Text) const;
  // The 1-based position of the number's placeholder in the pattern for the amount's sign;
  // 0 when the pattern has none.
  int firstDigitPos(vcl::Currency Value) const;

  // The patterns of the locale's format numbers; empty for a number outside the tables.
  static std::string PositivePattern(int Number);
  static std::string NegativePattern(int Number);

 private:
  TZYLCurrencyMode FSystemDefaults = cmSystem;
  std::string FPositiveFormat;
  std::string FNegativeFormat;
  std::string FSymbol;
  int FGroupSize = 3;
  int FDigits = 2;
  char FThousandSeparator = ',';
  char FDecimalSeparator = '.';
};

}  // namespace zyl
