// TZYLCustomMaskEdit: the single-line edit as a typed data-entry field. MaskType decides what
// the text holds: a whole or floating-point number in a base from 2 to 36, a currency amount
// laid out by the owned TZYLCurrencySettings, a date laid out by the owned TZYLDateFormat, a
// time, or free text shaped by a mask of the control's own language. The control keeps the
// text (as every edit of the library does) and converts it on demand.
//
// The mask language: a mask is a row of items, one per position of the text. An item is one
// mask character, optionally preceded by '!' (the position is required) and, for a literal,
// by a backslash (a backslash followed by x is the literal x). The classes of the positions:
//   a lower-case letter, A upper-case letter, b any letter, 0 digit, 9 digit 1 to 9,
//   c letter or digit, r what OnUserRule allows, v '+' or '-', 1 '0' or '1', 8 digit or space,
//   # digit, '+' or '-', * digit 1 to 9, '+' or '-'; any other character takes the class of
//   the item before it (as the first item: nothing).
// The template (the empty text) has the literal of each literal item and BlankChar elsewhere.
//
// This unit's code is split by topic: ZYLCustomMaskEdit.cpp (the number routines, the mask,
// the kinds, values, streaming and focus) and ZYLCustomMaskEditTyping.cpp (typed characters,
// the insert and replace hooks, the reformatting after each change, the key table and the
// date fields).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "edits/ZYLCustomEdit.h"
#include "foundation/ZYLOwned.h"
#include "platform/rtl/Currency.h"
#include "platform/rtl/DateTime.h"

namespace zyl {

class TZYLCurrencySettings;
class TZYLDateFormat;

ZYL_ENUM(TZYLMaskType, meInteger, meWord, meFloat, meFloatFixed, meFloatNumber, meCurrency, meDate,
         meTime, meMask, meNone)
ZYL_ENUM(TZYLNumberType, ntInteger, ntFloat, ntFloatFixed, ntFloatNumber, ntCurrency)

// The bases of the number kinds.
using TZYLNumberBase = int;
constexpr TZYLNumberBase MinNumberBase = 2;
constexpr TZYLNumberBase MaxNumberBase = 36;

// Decides a position of the class 'r': Ok starts false; C is the character, At its position.
using TZYLOnUserRule = vcl::TEvent<void(vcl::TObject* Sender, bool& Ok, char C, int At)>;
// A value left the range on leaving the field; the handler may change Value before it is
// limited.
using TZYLOnRangeError =
    vcl::TEvent<void(vcl::TObject* Sender, double Lower, double Upper, double& Value)>;

// ---- Number routines ----
// X to the whole power N (N >= 0).
double ZYLIntPower(double X, int N);
// A whole number written in Base (digits 0 to 9, then A to Z, either case; a leading '-').
// Base 10 is the platform's conversion. EConvertError for a character that is no digit of the
// base and for a value beyond 64 bits.
int64_t ZYLGetDecimalValue(int Base, const std::string& Text);
// A number with the decimal separator written in Base; empty and "-" read as 0.
double ZYLGetDecimalFloatValue(int Base, const std::string& Text);
// The digits of Value in Base, with '-' in front of a negative value.
std::string ZYLGetBaseString(int Base, int64_t Value);
// The text without thousand separators.
std::string ZYLClearTS(const std::string& Text);
// Value written in Base; with Fraction its fractional part follows the decimal separator
// (digits of the base, at most 15 of them, trailing zeros dropped).
std::string ZYLGetBaseFloatString(int Base, double Value, bool Fraction);
// A mask of this control's language made from the framework's edit-mask syntax.
std::string convertVCLMask2ZYLMask(const std::string& VCLMask);

class TZYLCustomMaskEdit : public TZYLCustomEdit {
  ZYL_CLASS(TZYLCustomMaskEdit, TZYLCustomEdit)
  ZYL_MESSAGES(TZYLCustomMaskEdit)

  // The indices of the shared Integer and Double setters.
  enum TMaskInteger : int { miDecimals };
  enum TMaskDouble : int { mdUnused, mdMinValue, mdMaxValue };

  explicit TZYLCustomMaskEdit(vcl::TComponent* AOwner);
  ~TZYLCustomMaskEdit() override;

  // ---- Properties ----
  TZYLMaskType MaskType() const { return FMaskType; }
  // Switches the kind and sets the kind's starting text (see the kinds in the .cpp).
  void SetMaskType(TZYLMaskType Value);
  const std::string& Mask() const { return FMask; }
  // Stores a mask that parses (EConvertError otherwise, the old mask stays); in meMask the
  // text becomes the template.
  void SetMask(const std::string& Value);
  const std::string& Suffix() const { return FSuffix; }
  // Keeps the pure text and puts the new suffix behind it.
  void SetSuffix(const std::string& Value);
  int NumberBase() const { return FNumberBase; }
  // Changes the base outside the fixed, number and currency kinds; values outside 2 to 36 are
  // ignored. The text is left alone.
  void SetNumberBase(int Value);
  char BlankChar() const { return FBlankChar; }
  void SetBlankChar(char Value);
  int GetMaskInteger(int Index) const;
  void SetMaskInteger(int Index, int Value);
  int Decimals() const { return FDecimals; }
  void SetDecimals(int Value) { SetMaskInteger(miDecimals, Value); }
  double GetDouble(int Index) const;
  void SetDouble(int Index, double Value);
  double MinValue() const { return FMinValue; }
  void SetMinValue(double Value) { SetDouble(mdMinValue, Value); }
  double MaxValue() const { return FMaxValue; }
  void SetMaxValue(double Value) { SetDouble(mdMaxValue, Value); }
  bool CheckRange() const { return FCheckRange; }
  void SetCheckRange(bool Value) { FCheckRange = Value; }
  TZYLCurrencySettings* CurrencySettings() const { return FCurrency.get(); }
  void SetCurrencySettings(TZYLCurrencySettings* Value);
  TZYLDateFormat* DateSettings() const { return FDate.get(); }
  void SetDateSettings(TZYLDateFormat* Value);
  // The decimal separator typed in the float kinds: the one in force, which the value is read
  // with too (a locale changed while the edit lives changes both).
  char DecimalSeparator() const;

  const TZYLOnRangeError& GetOnRangeError() const { return FOnRangeError; }
  void SetOnRangeError(const TZYLOnRangeError& Value) { FOnRangeError = Value; }
  const TZYLOnUserRule& GetOnUserRule() const { return FOnUserRule; }
  void SetOnUserRule(const TZYLOnUserRule& E) { FOnUserRule = E; }
  const vcl::TNotifyEvent& GetOnValidationError() const { return FOnValidationError; }
  void SetOnValidationError(const vcl::TNotifyEvent& E) { FOnValidationError = E; }

  // ---- Values (EZYLWrongDataType when the kind does not match) ----
  int32_t AsInteger();
  uint32_t AsCardinal();
  int64_t AsInt64();
  double AsFloat();
  vcl::TDateTime AsDate();
  vcl::TDateTime AsTime();
  vcl::Currency AsCurrency();
  std::string AsString() { return GetPureText(); }
  // Writes Value in the form of the kind, with the suffix (meMask and meNone: nothing).
  virtual void SetValue(double Value);
  // The text without the suffix in effect; the text set to S and the suffix.
  std::string GetPureText() const;
  void SetTextWithSuffix(const std::string& S);
  // The suffix in effect: empty for the currency, date, time and mask kinds.
  std::string EffectiveSuffix() const;
  // The text is written to form files except for the date and time kinds, whose value travels
  // as "DateTime".
  bool NoDateTime() const { return FMaskType != meDate && FMaskType != meTime; }

  // ---- The mask ----
  // The template of the mask.
  std::string literalChars() const;
  bool CharAllowedAt(int Position, char C);
  bool RealCharAllowedAt(int Position, char C);
  char getCharAt(int Position) const;
  bool isLiteral(int Position) const;
  bool checkText(const std::string& Text);
  // The first required position the text leaves unfilled; 0 when all are filled.
  int NeededEntered(const std::string& Text);

  // The start of the next (previous) place to edit: a date field, a mask input position.
  int NextEditChar(int Position);
  int PrevEditChar(int Position);

 protected:
  virtual void DoValidationError();
  void DefineProperties(vcl::TFiler* Filer) override;
  void Loaded() override;
  void GetChange(vcl::TObject* Sender) override;
  int CalcMousePos(vcl::TSmallPoint Point) override;
  void CursorPosChanged() override;
  void ChangedText(int At) override;
  void BeforeChangeText() override;
  void FinishedSetSelText() override;
  void HandleInsertText(int Pos, std::string& Text) override;
  // The base edit's answer; besides, a text the kind refuses (see InsertFits) is refused whole,
  // so that the selection it would replace stays.
  bool AllowedOperation(const std::string& Text) override;
  void HandleReplaceText(int Pos, const std::string& Text) override;
  bool TypingOverwritesAt(int Pos) override;
  bool SelectionMovesTo(int Pos) override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void GetCommandKey(uint16_t& Key, vcl::TShiftState Shift) override;
  bool DoMouseWheel(vcl::TShiftState Shift, int WheelDelta, vcl::TPoint MousePos) override;

  void WMCharMask(vcl::TWMKey& Message);
  void WMKillFocusMask(vcl::TWMKillFocus& Message);
  void WMSetFocusMask(vcl::TWMSetFocus& Message);

  // Leaving the field of a number kind: "-" alone is emptied; with CheckRange the value is
  // limited to MinValue..MaxValue (OnRangeError first).
  void CheckNumberRange();
  // Steps the date field under the caret by Delta (days, months or years).
  void ToDate(int Delta);
  // The digits of the base, in upper case.
  std::string BaseDigits() const;
  bool IsBaseDigit(char C) const;
  // True while a suffix is in effect and the selection reaches past the value before it.
  bool SelectionInSuffix() const;
  // Replaces the whole text without a history step (the reformatting of a typed value).
  void ReplaceTextQuietly(const std::string& S);

 private:
  // One item of the mask: its class character (0 for none), the literal it stands for, and
  // whether the position is required.
  struct TItem {
    char Class = 0;
    bool Literal = false;
    char Char = 0;
    bool Required = false;
  };
  // The items of a mask; false when the mask does not parse (a '!' or backslash with nothing
  // behind it).
  static bool ParseMask(const std::string& Mask, std::vector<TItem>& Items);
  bool ClassAccepts(int Position, char C);
  // Whether Base with Removed characters from At (0-based) replaced by S fits the mask where
  // it changed: the positions of S when S is as long as what it replaces, else every position
  // from At on (they moved). The positions before At are taken as fitting.
  bool MaskFits(const std::string& Base, size_t At, size_t Removed, const std::string& S);
  // Whether the kind takes S inserted at Pos of the text with Removed characters from Pos on
  // taken out.
  bool InsertFits(int Pos, int Removed, const std::string& S);
  // Sets the selection without the date kind's selecting of the field under the caret.
  void SetSelectionOnly(int Start, int Length);
  std::string CutToMaxLength(std::string S) const;
  // The text of a fixed or number float laid out for its value (raises when it is no value).
  std::string FormattedFloatText();
  // Whether a float text (without suffix) reads as a value here. A thousand separator reads
  // only in the number form and only where that form puts one.
  bool FloatTextReads(const std::string& Pure) const;
  // A float text written with another decimal separator gets this one in its place.
  void RepairFloatText();
  // The kind's starting text when switching to it.
  void SetKindText();
  // A date as the edit shows it: the fixed-width edit form while focused, else the display form.
  std::string DateText(vcl::TDateTime Date);
  void ReadDateTime(vcl::TReader* Reader);
  void WriteDateTime(vcl::TWriter* Writer);
  void DateFormatEvent(vcl::TObject*) {}
  bool TypeDateChar(char C);
  void DoTypeMaskChar(char C, vcl::TWMKey& Message);
  // Fills Length positions from Start with the template's characters.
  void BlankOut(int Start, int Length);
  bool KeyForMask(uint16_t Key);
  bool KeyForDate(uint16_t Key);
  bool ShortenBeforeSuffix(bool Backspace);

  std::string FSuffix;
  std::string FPrevText;
  std::string FMask;
  std::vector<TItem> FItems;
  int FNumberBase = 10;
  bool FCheckRange = false;
  char FBlankChar = '_';
  int FDecimals = 1;
  TZYLOwned<TZYLDateFormat> FDate;
  TZYLOwned<TZYLCurrencySettings> FCurrency;
  int FSeparatorsBefore = 0;
  int FMonthAccu = 0;
  int FFieldKeys = 0;
  double FMinValue = -1.0;
  double FMaxValue = -1.0;
  TZYLMaskType FMaskType = meMask;
  bool FReformatting = false;  // the text is being rebuilt by ChangedText
  // The change in progress, from HandleReplaceText to ChangedText: where it starts (1-based,
  // 0: none, or a change of the whole text) and what it removed. FPrevText holds the text
  // before it.
  int FEditAt = 0;
  std::string FEditRemoved;
  // FPrevText equals the text (so a change need not copy it before it starts).
  bool FPrevMirrors = false;
  // The literals between the end of a short mask text and the position a typed character
  // goes to: inserted in front of it, in the same step.
  std::string FTypedGap;

 protected:
  vcl::TNotifyEvent FOnValidationError;
  TZYLOnRangeError FOnRangeError;

 protected:
  TZYLOnUserRule FOnUserRule;
};

}  // namespace zyl
