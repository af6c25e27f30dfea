#include "edits/ZYLCustomMaskEdit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "edits/ZYLCurrencySettings.h"
#include "edits/ZYLDateFormat.h"
#include "foundation/ZYLClass.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

namespace {

// The digits of the bases, in the order of their values.
constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// The most fraction digits written for a value in a base other than 10.
constexpr int kMaxBaseFraction = 15;
// The most digits behind the separator the platform's float formats write.
constexpr int kMaxFloatDigits = 18;
// The range of dates the platform encodes (0001-01-01 to 9999-12-31).
constexpr double kFirstDate = -693593.0;
constexpr double kLastDate = 2958465.0;

// The value of a digit character in Base; -1 when it is none.
int DigitValue(char C, int Base) {
  const char u = win::CharUpperChar(C);
  int v = -1;
  if (u >= '0' && u <= '9') v = u - '0';
  if (u >= 'A' && u <= 'Z') v = u - 'A' + 10;
  return v < Base ? v : -1;
}

// A double brought to the 64-bit integers (NaN as 0).
int64_t TruncClamped(double V) {
  if (std::isnan(V)) return 0;
  if (V >= 9.2233720368547758e18) return std::numeric_limits<int64_t>::max();
  if (V <= -9.2233720368547758e18) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(V);
}

bool IsFloatKind(TZYLMaskType T) { return T == meFloat || T == meFloatFixed || T == meFloatNumber; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Number routines

double ZYLIntPower(double X, int N) {
  double r = 1.0;
  for (int i = 0; i < N; ++i) r *= X;
  return r;
}

int64_t ZYLGetDecimalValue(int Base, const std::string& Text) {
  if (Base == 10) return vcl::StrToInt64(Text);
  const bool negative = !Text.empty() && Text[0] == '-';
  uint64_t sum = 0;
  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  for (size_t i = negative ? 1 : 0; i < Text.size(); ++i) {
    const int d = DigitValue(Text[i], Base);
    if (d < 0 || sum > (limit - static_cast<uint64_t>(d)) / static_cast<uint64_t>(Base))
      throw vcl::EConvertError(vcl::Format(vcl::SInvalidInteger, {Text}));
    sum = sum * static_cast<uint64_t>(Base) + static_cast<uint64_t>(d);
  }
  return negative ? static_cast<int64_t>(0 - sum) : static_cast<int64_t>(sum);
}

double ZYLGetDecimalFloatValue(int Base, const std::string& Text) {
  const char sep = vcl::FormatSettings.DecimalSeparator;
  std::string t = Text.empty() || Text == "-" ? "0" : Text;
  if (t.size() >= 2 && t[0] == '-' && t[1] == sep) t.insert(1, "0");
  if (t[0] == sep) t.insert(0, "0");
  if (Base == 10) return vcl::StrToFloat(t);
  const size_t at = t.find(sep);
  const std::string whole = t.substr(0, at);
  const bool negative = whole[0] == '-';
  double value = static_cast<double>(ZYLGetDecimalValue(Base, whole));
  if (at == std::string::npos) return value;
  double fraction = 0, scale = 1;
  for (size_t i = at + 1; i < t.size(); ++i) {
    const int d = DigitValue(t[i], Base);
    if (d < 0) throw vcl::EConvertError(vcl::Format(vcl::SInvalidFloat, {Text}));
    scale /= Base;
    fraction += d * scale;
  }
  return negative ? value - fraction : value + fraction;
}

std::string ZYLGetBaseString(int Base, int64_t Value) {
  Base = std::clamp(Base, MinNumberBase, MaxNumberBase);
  uint64_t m = Value < 0 ? 0 - static_cast<uint64_t>(Value) : static_cast<uint64_t>(Value);
  std::string s;
  do {
    s.insert(s.begin(), kDigits[m % static_cast<uint64_t>(Base)]);
    m /= static_cast<uint64_t>(Base);
  } while (m > 0);
  return Value < 0 ? "-" + s : s;
}

std::string ZYLClearTS(const std::string& Text) {
  std::string s = Text;
  std::erase(s, vcl::FormatSettings.ThousandSeparator);
  return s;
}

std::string ZYLGetBaseFloatString(int Base, double Value, bool Fraction) {
  const char sep = vcl::FormatSettings.DecimalSeparator;
  if (Base == 10 || !std::isfinite(Value)) {
    std::string s = vcl::FloatToStr(Value);
    if (!Fraction && s.find(sep) != std::string::npos) s = s.substr(0, s.find(sep));
    return s;
  }
  const double a = std::fabs(Value);
  double whole = std::floor(a);
  std::string s;
  do {
    s.insert(s.begin(), kDigits[static_cast<int>(std::fmod(whole, Base))]);
    whole = std::floor(whole / Base);
  } while (whole >= 1);
  if (Fraction) {
    double f = a - std::floor(a);
    std::string digits;
    for (int i = 0; i < kMaxBaseFraction && f > 0; ++i) {
      f *= Base;
      const int d = static_cast<int>(std::floor(f));
      digits += kDigits[d];
      f -= d;
    }
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (!digits.empty()) s += sep + digits;
  }
  return Value < 0 && s != "0" ? "-" + s : s;
}

std::string convertVCLMask2ZYLMask(const std::string& VCLMask) {
  enum { caseNone, caseUpper, caseLower } mode = caseNone;
  std::string out;
  auto literal = [&out](char C) {
    out += '\\';
    out += C;
  };
  for (size_t i = 0; i < VCLMask.size(); ++i) {
    const char c = VCLMask[i];
    switch (c) {
      case '#': out += 'v'; break;
      case '0': out += '0'; break;
      case '9': out += '8'; break;
      case ';': return out;
      case '<':
        if (i + 1 < VCLMask.size() && VCLMask[i + 1] == '>') {
          mode = caseNone;
          ++i;
        } else {
          mode = caseLower;
        }
        break;
      case '>': mode = caseUpper; break;
      case 'A':
      case 'a': out += 'c'; break;
      case 'C':
      case 'c': out += 'b'; break;
      case 'L':
      case 'l': out += mode == caseUpper ? 'A' : mode == caseLower ? 'a' : 'b'; break;
      case '\\':
        if (i + 1 < VCLMask.size())
          literal(VCLMask[++i]);
        else
          literal(c);
        break;
      case '_': literal(' '); break;
      default: literal(c); break;
    }
  }
  return out;
}

// ---------------------------------------------------------------------------------------------
// The class

ZYL_MESSAGE_MAP(TZYLCustomMaskEdit) {
  using C = TZYLCustomMaskEdit;
  m.On(win::WM_CHAR, &C::WMCharMask)
      .On(win::WM_KILLFOCUS, &C::WMKillFocusMask)
      .On(win::WM_SETFOCUS, &C::WMSetFocusMask);
}

// Described here; the publishing edits name what they show.
ZYL_CLASS_IMPL(TZYLCustomMaskEdit) {
  using C = TZYLCustomMaskEdit;
  b.Declare("BlankChar", &C::BlankChar, &C::SetBlankChar)
      .Default('_')
      .Declare("CurrencySettings", &C::CurrencySettings, &C::SetCurrencySettings)
      .Declare("DateSettings", &C::DateSettings, &C::SetDateSettings)
      .Declare("Decimals", &C::GetMaskInteger, &C::SetMaskInteger)
      .Index(miDecimals)
      .Default(1)
      .Declare("Mask", &C::Mask, &C::SetMask)
      .Declare("MaskType", &C::MaskType, &C::SetMaskType)
      .Default(meMask)
      .Declare("NumberBase", &C::NumberBase, &C::SetNumberBase)
      .Default(10)
      .Declare("Suffix", &C::Suffix, &C::SetSuffix)
      .Declare("MinValue", &C::GetDouble, &C::SetDouble)
      .Index(mdMinValue)
      .Declare("MaxValue", &C::GetDouble, &C::SetDouble)
      .Index(mdMaxValue)
      .Declare("OnUserRule", &C::GetOnUserRule, &C::SetOnUserRule)
      .Declare("OnValidationError", &C::GetOnValidationError, &C::SetOnValidationError);
}

TZYLCustomMaskEdit::TZYLCustomMaskEdit(vcl::TComponent* AOwner)
    : inherited(AOwner), FDate(new TZYLDateFormat()), FCurrency(new TZYLCurrencySettings()) {
  FCurrency.Link(vcl::TNotifyEvent(this, &TZYLCustomMaskEdit::GetChange));
  FDate.Link(vcl::TNotifyEvent(this, &TZYLCustomMaskEdit::GetChange));
  FDate->SetOnFormatChange(vcl::TNotifyEvent(this, &TZYLCustomMaskEdit::DateFormatEvent));
  FDate->SetOnFormatChanged(vcl::TNotifyEvent(this, &TZYLCustomMaskEdit::DateFormatEvent));
}

TZYLCustomMaskEdit::~TZYLCustomMaskEdit() {
  FDate->SetOnFormatChange(nullptr);
  FDate->SetOnFormatChanged(nullptr);
}

void TZYLCustomMaskEdit::GetChange(vcl::TObject* Sender) { inherited::GetChange(Sender); }

void TZYLCustomMaskEdit::DoValidationError() {
  if (FOnValidationError) FOnValidationError(this);
}

// ---------------------------------------------------------------------------------------------
// Properties

void TZYLCustomMaskEdit::SetMaskType(TZYLMaskType Value) {
  if (Value == FMaskType || Value < meInteger || Value > meNone) return;
  FMaskType = Value;
  SetKindText();
}

// The starting text of each kind. A text the date and time kinds cannot read is reported and
// replaced by today's date or the current time.
void TZYLCustomMaskEdit::SetKindText() {
  const int digits = std::clamp(FDecimals, 0, kMaxFloatDigits);
  try {
    switch (FMaskType) {
      case meInteger:
      case meWord:
      case meFloat: SetTextWithSuffix("0"); break;
      case meFloatFixed:
        FNumberBase = 10;
        SetTextWithSuffix(vcl::FloatToStrF(0, vcl::ffFixed, 15, digits));
        break;
      case meFloatNumber:
        FNumberBase = 10;
        SetTextWithSuffix(vcl::FloatToStrF(0, vcl::ffNumber, 15, digits));
        break;
      case meCurrency:
        FNumberBase = 10;
        SetText(FCurrency->toStr(vcl::Currency{}));
        break;
      case meDate:
        SetMouseSelectionAllowed(false);
        if (FText.empty())
          SetText(DateText(vcl::Date()));
        else
          AsDate();
        break;
      case meTime:
        if (FText.empty())
          SetText(vcl::TimeToStr(vcl::Time()));
        else
          AsTime();
        break;
      case meMask: SetText(literalChars()); break;
      case meNone: break;
    }
  } catch (const vcl::Exception&) {
    DoValidationError();
    if (FMaskType == meDate) SetText(DateText(vcl::Date()));
    if (FMaskType == meTime) SetText(vcl::TimeToStr(vcl::Time()));
  }
}

std::string TZYLCustomMaskEdit::DateText(vcl::TDateTime Date) {
  return Focused() ? FDate->GetDTEditString(Date) : FDate->DateToStr(Date);
}

void TZYLCustomMaskEdit::SetMask(const std::string& Value) {
  std::vector<TItem> items;
  if (!ParseMask(Value, items))
    throw vcl::EConvertError(vcl::Format(vcl::SZYLInvalidMask, {Value}));
  FMask = Value;
  FItems = std::move(items);
  if (FMaskType == meMask && !Loading()) SetText(literalChars());
}

std::string TZYLCustomMaskEdit::EffectiveSuffix() const {
  switch (FMaskType) {
    case meCurrency:
    case meDate:
    case meTime:
    case meMask: return {};
    default: return FSuffix;
  }
}

std::string TZYLCustomMaskEdit::GetPureText() const {
  const std::string suffix = EffectiveSuffix();
  if (!suffix.empty() && FText.size() >= suffix.size() &&
      FText.compare(FText.size() - suffix.size(), suffix.size(), suffix) == 0)
    return FText.substr(0, FText.size() - suffix.size());
  return FText;
}

void TZYLCustomMaskEdit::SetTextWithSuffix(const std::string& S) { SetText(S + EffectiveSuffix()); }

void TZYLCustomMaskEdit::SetSuffix(const std::string& Value) {
  if (Value == FSuffix) return;
  const std::string pure = GetPureText();
  FSuffix = Value;
  SetTextWithSuffix(pure);
}

void TZYLCustomMaskEdit::SetNumberBase(int Value) {
  if (Value < MinNumberBase || Value > MaxNumberBase) return;
  if (FMaskType == meFloatFixed || FMaskType == meFloatNumber || FMaskType == meCurrency) return;
  FNumberBase = Value;
}

// The empty positions of a mask text show the new blank character.
void TZYLCustomMaskEdit::SetBlankChar(char Value) {
  if (FMaskType == meMask) {
    const size_t n = std::min(FText.size(), FItems.size());
    for (size_t i = 0; i < n; ++i)
      if (!FItems[i].Literal && FText[i] == FBlankChar) FText[i] = Value;
  }
  FBlankChar = Value;
  ChangedText(1);
}

int TZYLCustomMaskEdit::GetMaskInteger(int Index) const {
  return Index == miDecimals ? FDecimals : 0;
}

void TZYLCustomMaskEdit::SetMaskInteger(int Index, int Value) {
  if (Index != miDecimals) return;
  FDecimals = Value;
  FCurrency->SetDigits(std::clamp(Value, 0, kMaxFloatDigits));
  ChangedText(1);
}

double TZYLCustomMaskEdit::GetDouble(int Index) const {
  switch (Index) {
    case mdMinValue: return FMinValue;
    case mdMaxValue: return FMaxValue;
    default: return 0;
  }
}

void TZYLCustomMaskEdit::SetDouble(int Index, double Value) {
  if (Index == mdMinValue && Value != FMinValue) {
    FMinValue = Value;
    if (FMinValue > FMaxValue) FMaxValue = FMinValue;
  } else if (Index == mdMaxValue && Value != FMaxValue) {
    FMaxValue = Value;
    if (FMaxValue < FMinValue) FMinValue = FMaxValue;
  }
}

void TZYLCustomMaskEdit::SetCurrencySettings(TZYLCurrencySettings* Value) {
  if (Value) FCurrency->Assign(Value);
}

void TZYLCustomMaskEdit::SetDateSettings(TZYLDateFormat* Value) {
  if (Value) FDate->Assign(Value);
}

// ---------------------------------------------------------------------------------------------
// Values

int64_t TZYLCustomMaskEdit::AsInt64() {
  if (FMaskType != meInteger) throw EZYLWrongDataType(vcl::SZYLNoInteger);
  const std::string s = GetPureText();
  return s.empty() ? 0 : ZYLGetDecimalValue(FNumberBase, s);
}

int32_t TZYLCustomMaskEdit::AsInteger() {
  const int64_t v = AsInt64();
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
    throw vcl::EConvertError(vcl::Format(vcl::SInvalidInteger, {GetPureText()}));
  return static_cast<int32_t>(v);
}

uint32_t TZYLCustomMaskEdit::AsCardinal() {
  if (FMaskType != meWord) throw EZYLWrongDataType(vcl::SZYLNoWord);
  const std::string s = GetPureText();
  const int64_t v = s.empty() ? 0 : ZYLGetDecimalValue(FNumberBase, s);
  if (v < 0 || v > std::numeric_limits<uint32_t>::max())
    throw vcl::EConvertError(vcl::Format(vcl::SInvalidInteger, {s}));
  return static_cast<uint32_t>(v);
}

double TZYLCustomMaskEdit::AsFloat() {
  if (!IsFloatKind(FMaskType)) throw EZYLWrongDataType(vcl::SZYLNoFloat);
  const std::string s = ZYLClearTS(GetPureText());
  return s.empty() ? 0 : ZYLGetDecimalFloatValue(FNumberBase, s);
}

vcl::TDateTime TZYLCustomMaskEdit::AsDate() {
  if (FMaskType != meDate) throw EZYLWrongDataType(vcl::SZYLNoDate);
  const std::string s = GetPureText();
  return s.empty() ? 0 : FDate->StrToDate(s);
}

vcl::TDateTime TZYLCustomMaskEdit::AsTime() {
  if (FMaskType != meTime) throw EZYLWrongDataType(vcl::SZYLNoTime);
  const std::string s = GetPureText();
  return s.empty() ? 0 : vcl::StrToTime(s);
}

vcl::Currency TZYLCustomMaskEdit::AsCurrency() {
  const std::string s = GetPureText();
  return s.empty() ? vcl::Currency{} : FCurrency->toCur(s);
}

void TZYLCustomMaskEdit::SetValue(double Value) {
  const int digits = std::clamp(FDecimals, 0, kMaxFloatDigits);
  switch (FMaskType) {
    case meInteger: SetTextWithSuffix(ZYLGetBaseString(FNumberBase, TruncClamped(Value))); break;
    case meWord: {
      const int64_t v = TruncClamped(Value);
      SetTextWithSuffix(ZYLGetBaseString(FNumberBase, v == std::numeric_limits<int64_t>::min()
                                                          ? std::numeric_limits<int64_t>::max()
                                                          : std::abs(v)));
      break;
    }
    case meFloat: SetTextWithSuffix(ZYLGetBaseFloatString(FNumberBase, Value, true)); break;
    case meFloatFixed: SetTextWithSuffix(vcl::FloatToStrF(Value, vcl::ffFixed, 15, digits)); break;
    case meFloatNumber:
      SetTextWithSuffix(vcl::FloatToStrF(Value, vcl::ffNumber, 15, digits));
      break;
    case meCurrency: SetText(FCurrency->toStr(vcl::Currency(Value))); break;
    case meDate:
      if (!(Value >= kFirstDate && Value < kLastDate + 1))
        throw vcl::EConvertError(vcl::SDateEncodeError);
      SetText(DateText(Value));
      break;
    case meTime: SetText(vcl::TimeToStr(Value)); break;
    default: break;
  }
}

// ---------------------------------------------------------------------------------------------
// The mask

bool TZYLCustomMaskEdit::ParseMask(const std::string& Mask, std::vector<TItem>& Items) {
  Items.clear();
  for (size_t i = 0; i < Mask.size(); ++i) {
    TItem item;
    if (Mask[i] == '!') {
      item.Required = true;
      if (++i >= Mask.size()) return false;
    }
    if (Mask[i] == '\\') {
      if (++i >= Mask.size()) return false;
      item.Literal = true;
      item.Char = Mask[i];
    } else {
      item.Class = Mask[i];
    }
    Items.push_back(item);
  }
  return true;
}

bool TZYLCustomMaskEdit::ClassAccepts(int Position, char C) {
  if (Position < 1 || Position > static_cast<int>(FItems.size())) return false;
  const bool digit = C >= '0' && C <= '9';
  const bool sign = C == '+' || C == '-';
  // A character of no class takes the class of the item before it.
  for (int k = Position - 1; k >= 0; --k) {
    const TItem& item = FItems[static_cast<size_t>(k)];
    if (item.Literal) return C == item.Char;
    switch (item.Class) {
      case 'a': return win::IsCharAlphaA(C) && win::IsCharLowerA(C);
      case 'A': return win::IsCharAlphaA(C) && win::IsCharUpperA(C);
      case 'b': return win::IsCharAlphaA(C);
      case '0': return digit;
      case '9': return digit && C != '0';
      case 'c': return win::IsCharAlphaNumericA(C);
      case 'r': {
        bool ok = false;
        if (FOnUserRule) FOnUserRule(this, ok, C, Position);
        return ok;
      }
      case 'v': return sign;
      case '1': return C == '0' || C == '1';
      case '8': return digit || C == ' ';
      case '#': return digit || sign;
      case '*': return (digit && C != '0') || sign;
      default: break;
    }
  }
  return false;
}

bool TZYLCustomMaskEdit::CharAllowedAt(int Position, char C) {
  if (Position < 1 || Position > static_cast<int>(FItems.size())) return false;
  return C == FBlankChar || ClassAccepts(Position, C);
}

bool TZYLCustomMaskEdit::RealCharAllowedAt(int Position, char C) {
  return ClassAccepts(Position, C);
}

std::string TZYLCustomMaskEdit::literalChars() const {
  std::string s;
  s.reserve(FItems.size());
  for (const TItem& item : FItems) s += item.Literal ? item.Char : FBlankChar;
  return s;
}

char TZYLCustomMaskEdit::getCharAt(int Position) const {
  return isLiteral(Position) ? FItems[static_cast<size_t>(Position - 1)].Char : '\0';
}

bool TZYLCustomMaskEdit::isLiteral(int Position) const {
  return Position >= 1 && Position <= static_cast<int>(FItems.size()) &&
         FItems[static_cast<size_t>(Position - 1)].Literal;
}

bool TZYLCustomMaskEdit::checkText(const std::string& Text) {
  if (Text.size() > FItems.size()) return false;
  for (size_t i = 0; i < Text.size(); ++i)
    if (!CharAllowedAt(static_cast<int>(i) + 1, Text[i])) return false;
  return true;
}

int TZYLCustomMaskEdit::NeededEntered(const std::string& Text) {
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (!FItems[i].Required) continue;
    if (i >= Text.size() || !RealCharAllowedAt(static_cast<int>(i) + 1, Text[i]))
      return static_cast<int>(i) + 1;
  }
  return 0;
}

int TZYLCustomMaskEdit::NextEditChar(int Position) {
  if (FMaskType == meDate) {
    FFieldKeys = 0;
    return FDate->NextEditPos(Position, FText);
  }
  if (FMaskType != meMask) return 1;
  const int last = static_cast<int>(FItems.size());
  int p = Position + 1;
  while (p <= last && isLiteral(p)) ++p;
  return std::min(p, last + 1);
}

int TZYLCustomMaskEdit::PrevEditChar(int Position) {
  if (FMaskType == meDate) {
    FFieldKeys = 0;
    return FDate->PrevEditPos(Position, FText);
  }
  if (FMaskType != meMask) return 1;
  int p = Position - 1;
  while (p > 1 && isLiteral(p)) --p;
  return std::max(p, 1);
}

// ---------------------------------------------------------------------------------------------
// Streaming, loading and focus

char TZYLCustomMaskEdit::DecimalSeparator() const { return vcl::FormatSettings.DecimalSeparator; }

void TZYLCustomMaskEdit::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(
      "DateTime", [this](vcl::TReader* r) { ReadDateTime(r); },
      [this](vcl::TWriter* w) { WriteDateTime(w); }, true);
}

void TZYLCustomMaskEdit::WriteDateTime(vcl::TWriter* Writer) {
  double v = 0;
  try {
    switch (FMaskType) {
      case meFloat:
      case meFloatFixed:
      case meFloatNumber: v = AsFloat(); break;
      case meCurrency: v = AsCurrency().ToDouble(); break;
      case meDate: v = AsDate(); break;
      case meTime: v = AsTime(); break;
      default: break;
    }
  } catch (const vcl::Exception&) {
    v = 0;  // a text that is no value travels as its Text
  }
  Writer->WriteFloat(v);
}

void TZYLCustomMaskEdit::ReadDateTime(vcl::TReader* Reader) {
  const double v = Reader->ReadFloat();
  switch (FMaskType) {
    case meDate:
      if (v >= kFirstDate && v < kLastDate + 1) SetText(FDate->DateToStr(v));
      break;
    case meTime: SetText(vcl::TimeToStr(v)); break;
    case meFloat:
    case meFloatFixed:
    case meFloatNumber:
    case meCurrency: SetValue(v); break;
    default: break;
  }
}

void TZYLCustomMaskEdit::Loaded() {
  inherited::Loaded();
  if (IsFloatKind(FMaskType) && !FText.empty()) {
    RepairFloatText();
    if (FMaskType != meFloat) {
      try {
        SetText(FormattedFloatText());
      } catch (const vcl::Exception&) {
        // a text that is no value stays for the user to mend
      }
    }
  }
  // A mask text read from the form stays when it fits the mask.
  if (FMaskType == meMask && !checkText(FText)) SetText(literalChars());
  if (FMaskType == meMask && FText.empty()) SetText(literalChars());
  if (FMaskType == meDate) SetMouseSelectionAllowed(false);
  if (FCurrency->SystemDefaults() == cmSystem) {
    if (FMaskType == meCurrency) {
      vcl::Currency amount;
      try {
        amount = AsCurrency();
      } catch (const vcl::Exception&) {
        amount = vcl::Currency{};
      }
      FCurrency->LoadDefaults();
      SetText(FCurrency->toStr(amount));
    } else {
      FCurrency->LoadDefaults();
    }
  }
}

bool TZYLCustomMaskEdit::FloatTextReads(const std::string& Pure) const {
  const char ts = vcl::FormatSettings.ThousandSeparator;
  const char ds = vcl::FormatSettings.DecimalSeparator;
  if (ts != ds && Pure.find(ts) != std::string::npos) {
    if (FMaskType != meFloatNumber) return false;
    // Groups of three digits between the separators, one to three before the first, none in
    // the fraction.
    const size_t first = Pure.starts_with("-") ? 1 : 0;
    const size_t end = std::min(Pure.find(ds), Pure.size());
    if (Pure.find(ts, end) != std::string::npos) return false;
    size_t at = Pure.find(ts, first);
    if (at == first || at - first > 3) return false;
    while (at < end) {
      const size_t next = std::min(Pure.find(ts, at + 1), end);
      if (next - at - 1 != 3) return false;
      at = next;
    }
  }
  try {
    ZYLGetDecimalFloatValue(FNumberBase, ZYLClearTS(Pure));
    return true;
  } catch (const vcl::Exception&) {
    return false;
  }
}

// The first character that is no digit (a leading minus aside) becomes the decimal
// separator, unless it is the last one.
void TZYLCustomMaskEdit::RepairFloatText() {
  std::string pure = GetPureText();
  if (FloatTextReads(pure)) return;
  const std::string digits = BaseDigits();
  for (size_t i = 0; i + 1 < pure.size(); ++i) {
    const char c = win::CharUpperChar(pure[i]);
    if (digits.find(c) == std::string::npos && !(i == 0 && c == '-')) {
      pure[i] = DecimalSeparator();
      SetTextWithSuffix(pure);
      return;
    }
  }
}

void TZYLCustomMaskEdit::WMSetFocusMask(vcl::TWMSetFocus& Message) {
  ZYL_INHERITED(Message);
  if (FMaskType != meDate || FText.empty()) return;
  try {
    SetText(FDate->GetDTEditString(FDate->StrToDate(FText)));
  } catch (const vcl::Exception&) {
    // A text that is no date stays for the user to mend; leaving the field reports it.
  }
  SetSelectionOnly(FDate->CurrentStart(FCaretPos, FText), FDate->CurrentLength(FCaretPos, FText));
}

void TZYLCustomMaskEdit::WMKillFocusMask(vcl::TWMKillFocus& Message) {
  ZYL_INHERITED(Message);
  auto takeBack = [this] {
    DoValidationError();
    if (!ComponentState().contains(vcl::csDestroying) && CanFocus()) SetFocus();
  };
  switch (FMaskType) {
    case meDate:
      if (FText.empty()) break;
      try {
        SetText(FDate->DateToStr(FDate->StrToDate(FText)));
      } catch (const vcl::Exception&) {
        takeBack();
      }
      break;
    case meTime: try { AsTime();
      } catch (const vcl::Exception&) {
        takeBack();
      }
      break;
    case meMask:
      if (const int p = NeededEntered(FText); p > 0) {
        if (!ComponentState().contains(vcl::csDestroying) && CanFocus()) SetFocus();
        Select(p, 1);
      }
      break;
    default: CheckNumberRange(); break;
  }
}

void TZYLCustomMaskEdit::CheckNumberRange() {
  if (GetPureText() == "-") SetTextWithSuffix("");
  if (!FCheckRange) return;
  double v = 0;
  try {
    switch (FMaskType) {
      case meInteger: v = static_cast<double>(AsInt64()); break;
      case meWord: v = AsCardinal(); break;
      case meFloat:
      case meFloatFixed:
      case meFloatNumber: v = AsFloat(); break;
      case meCurrency: v = AsCurrency().ToDouble(); break;
      default: return;
    }
  } catch (const vcl::Exception&) {
    DoValidationError();
    return;
  }
  if (v <= FMaxValue && v >= FMinValue) return;
  if (FOnRangeError) FOnRangeError(this, FMinValue, FMaxValue, v);
  SetValue(std::clamp(v, FMinValue, FMaxValue));
}

std::string TZYLCustomMaskEdit::BaseDigits() const {
  return std::string(kDigits, static_cast<size_t>(std::clamp(FNumberBase, 2, 36)));
}

bool TZYLCustomMaskEdit::IsBaseDigit(char C) const { return DigitValue(C, FNumberBase) >= 0; }

}  // namespace zyl
