// TZYLCustomMaskEdit: typed characters filtered per kind, the insert and replace hooks, the
// reformatting of a typed value after each change, the key table and the date fields stepped
// by keys and the wheel.
//
// A value the kind cannot read after a change (a pasted word in a number, an amount beyond the
// currency range) puts the text back as it was before the change. A reformatted text cannot be
// undone step by step: the histories are emptied when the text is rebuilt. Undo and redo give
// back the texts as they were, unrebuilt.
#include <algorithm>
#include <utility>

#include "edits/ZYLCurrencySettings.h"
#include "edits/ZYLCustomMaskEdit.h"
#include "edits/ZYLDateFormat.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Finally.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

namespace {

// The date field types of TZYLDateFormat (the run's length, plus 10 for months, 20 for years).
bool IsDayNumber(int Type) { return Type == 1 || Type == 2; }
bool IsDayName(int Type) { return Type == 3 || Type == 4; }
bool IsMonthNumber(int Type) { return Type == 11 || Type == 12; }
bool IsMonthName(int Type) { return Type >= 13 && Type <= 14; }
bool IsMonth(int Type) { return Type >= 11 && Type <= 14; }
bool IsYear(int Type) { return Type >= 21 && Type <= 24; }
bool IsDigit(char C) { return C >= '0' && C <= '9'; }

int CountOf(const std::string& S, char C, size_t End) {
  return static_cast<int>(std::count(S.begin(), S.begin() + std::min(End, S.size()), C));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Typed characters

void TZYLCustomMaskEdit::WMCharMask(vcl::TWMKey& Message) {
  const char c = static_cast<char>(Message.CharCode());
  if (!InputEnabled() || static_cast<uint8_t>(c) < 32) {
    ZYL_INHERITED(Message);
    return;
  }
  auto reject = [&] { DoKeyPress(Message); };
  if (FMaskType == meMask && FSelLength > 1) FSelLength = 1;
  const int len = GetLength();
  const int suffix = static_cast<int>(EffectiveSuffix().size());
  if (suffix > 0 && FCaretPos > len - suffix + 1) return;
  // A selection that reaches into the suffix is replaced up to it.
  if (suffix > 0 && FSelStart + FSelLength > len - suffix + 1)
    FSelLength = std::max(0, len - suffix + 1 - FSelStart);
  const char current = FCaretPos <= len ? FText[static_cast<size_t>(FCaretPos - 1)] : '\0';
  const char sep = DecimalSeparator();
  const bool selectedFromStart = FSelStart == 1 && FSelLength > 0;
  // A digit never goes in front of the sign, unless the selection replaces it.
  const bool digitOk = IsBaseDigit(c) && (current != '-' || selectedFromStart);
  // The text is searched for a sign only when a sign is typed at its start.
  const bool minusOk =
      c == '-' && ((FCaretPos == 1 && FText.find('-') == std::string::npos) || selectedFromStart);
  bool accept = false;
  switch (FMaskType) {
    case meInteger: accept = digitOk || minusOk; break;
    case meWord: accept = IsBaseDigit(c); break;
    case meFloat:
    case meFloatFixed:
    case meFloatNumber: {
      const size_t at = FText.find(sep);
      if (c == sep && at != std::string::npos) {
        // The separator is there already: the caret goes behind it.
        SetInteger(iiCaretPos, static_cast<int>(at) + 2);
        SetSelectionOnly(FCaretPos, 0);
        return;
      }
      const bool behindMinus = !(FText.starts_with("-") && FCaretPos == 1);
      accept = digitOk || minusOk || (c == sep && behindMinus);
      break;
    }
    case meCurrency:
      if (c == sep && FSelLength == 0) {
        // The separator moves to the caret.
        const size_t at = FText.find(sep);
        std::string s = FText;
        int caret = FCaretPos;
        if (at != std::string::npos) {
          s.erase(at, 1);
          if (static_cast<int>(at) + 1 < caret) --caret;
        }
        s.insert(static_cast<size_t>(caret - 1), 1, sep);
        DoKeyPress(Message);
        Replace(1, GetLength(), s);
        SetInteger(iiCaretPos, std::min(caret + 1, GetLength() + 1));
        return;
      }
      if (c == sep) {
        const size_t at = FText.find(sep);
        accept = at != std::string::npos && (static_cast<int>(at) + 1 == FSelStart ||
                                             static_cast<int>(at) + 1 == FSelStart + FSelLength);
      } else {
        accept = true;
      }
      break;
    case meDate:
      if (TypeDateChar(c))
        ZYL_INHERITED(Message);
      else
        reject();
      return;
    case meTime: accept = IsDigit(c) || c == vcl::FormatSettings.TimeSeparator; break;
    case meMask: DoTypeMaskChar(c, Message); return;
    case meNone: accept = true; break;
  }
  if (accept)
    ZYL_INHERITED(Message);
  else
    reject();
}

// A mask position is typed over (this control's own overwrite; the application's insert mode
// is left alone). A literal at the caret is stepped over, and so are literals behind the typed
// character.
void TZYLCustomMaskEdit::DoTypeMaskChar(char C, vcl::TWMKey& Message) {
  int pos = FSelLength > 0 ? FSelStart : FCaretPos;
  if (isLiteral(pos) && C != getCharAt(pos)) pos = NextEditChar(pos);
  if (!CharAllowedAt(pos, C)) {
    DoKeyPress(Message);
    return;
  }
  const int len = GetLength();
  if (pos > len + 1) {
    // Behind a short text the literals stepped over come first.
    FTypedGap = literalChars().substr(static_cast<size_t>(len), static_cast<size_t>(pos - 1 - len));
    pos = len + 1;
  }
  FPrevCaretPos = FCaretPos;
  FCaretPos = pos;
  SetSelectionOnly(pos, pos <= len ? 1 : 0);
  vcl::TFinally noGap([this] { FTypedGap.clear(); });
  ZYL_INHERITED(Message);
  int next = FCaretPos;
  while (next <= GetLength() && isLiteral(next)) ++next;
  if (next != FCaretPos) SetInteger(iiCaretPos, next);
}

void TZYLCustomMaskEdit::SetSelectionOnly(int Start, int Length) {
  FSelStart = std::clamp(Start, 1, GetLength() + 1);
  FSelLength = std::clamp(Length, 0, GetLength() + 1 - FSelStart);
  DrawText(-1);
}

// ---------------------------------------------------------------------------------------------
// The hooks of every text change

bool TZYLCustomMaskEdit::MaskFits(const std::string& Base, size_t At, size_t Removed,
                                  const std::string& S) {
  At = std::min(At, Base.size());
  Removed = std::min(Removed, Base.size() - At);
  const size_t size = Base.size() - Removed + S.size();
  if (size > FItems.size()) return false;
  const size_t end = S.size() == Removed ? At + S.size() : size;
  for (size_t i = At; i < end; ++i) {
    const char c = i < At + S.size() ? S[i - At] : Base[i - S.size() + Removed];
    if (!CharAllowedAt(static_cast<int>(i) + 1, c)) return false;
  }
  return true;
}

bool TZYLCustomMaskEdit::InsertFits(int Pos, int Removed, const std::string& S) {
  if (S.empty()) return true;
  const size_t at = static_cast<size_t>(std::clamp(Pos, 1, GetLength() + 1) - 1);
  // The text before the change fits the mask: only what the change touches is checked.
  if (FMaskType == meMask) return MaskFits(FText, at, static_cast<size_t>(std::max(0, Removed)), S);
  std::string t = FText;
  t.erase(at, static_cast<size_t>(std::max(0, Removed)));
  const char sep = DecimalSeparator();
  auto allDigits = [this](const std::string& D) {
    return std::all_of(D.begin(), D.end(), [this](char C) { return IsBaseDigit(C); });
  };
  switch (FMaskType) {
    case meInteger:
      if (S[0] == '-') return at == 0 && !t.starts_with("-") && allDigits(S.substr(1));
      return allDigits(S) && !(at == 0 && t.starts_with("-"));
    case meWord: return allDigits(S);
    case meFloat: {
      for (char c : S)
        if (!IsBaseDigit(c) && c != '-' && c != sep) return false;
      const size_t minus = S.find('-');
      if (minus != std::string::npos &&
          (minus != 0 || at != 0 || t.starts_with("-") || S.find('-', 1) != std::string::npos))
        return false;
      if (minus == std::string::npos && at == 0 && t.starts_with("-")) return false;
      const int seps = CountOf(S, sep, S.size());
      return seps == 0 || (seps == 1 && t.find(sep) == std::string::npos);
    }
    default: return true;
  }
}

bool TZYLCustomMaskEdit::AllowedOperation(const std::string& Text) {
  if (!inherited::AllowedOperation(Text)) return false;
  if (Replaying()) return true;
  // The suffix stays: no change replaces a selection that reaches into it (the keys shorten
  // their selections before they get here).
  return !SelectionInSuffix() && InsertFits(FSelStart, FSelLength, FTypedGap + Text);
}

void TZYLCustomMaskEdit::HandleInsertText(int Pos, std::string& Text) {
  inherited::HandleInsertText(Pos, Text);
  if (Replaying() || Text.empty()) return;
  Text = std::exchange(FTypedGap, {}) + Text;
  // A mask is checked against the text before the change, where a typed character replaces
  // one of the same length and so touches one position.
  const bool fits =
      FMaskType == meMask && Pos == FEditAt
          ? MaskFits(FPrevText, static_cast<size_t>(Pos - 1), FEditRemoved.size(), Text)
          : InsertFits(Pos, 0, Text);
  if (!fits) Text.clear();
}

void TZYLCustomMaskEdit::HandleReplaceText(int Pos, const std::string& Text) {
  inherited::HandleReplaceText(Pos, Text);
  if (!FPrevMirrors) FPrevText = FText;
  FPrevMirrors = false;
  FEditAt = Pos;
  FEditRemoved = Text;
}

void TZYLCustomMaskEdit::BeforeChangeText() {
  inherited::BeforeChangeText();
  FSeparatorsBefore =
      CountOf(FText, vcl::FormatSettings.ThousandSeparator, static_cast<size_t>(FCaretPos - 1));
}

void TZYLCustomMaskEdit::ReplaceTextQuietly(const std::string& S) {
  if (S == FText) return;
  FText = S;
  ClearUndo();
  FCaretPos = std::clamp(FCaretPos, 1, GetLength() + 1);
  FSelStart = std::clamp(FSelStart, 1, GetLength() + 1);
  FSelLength = std::clamp(FSelLength, 0, GetLength() + 1 - FSelStart);
}

std::string TZYLCustomMaskEdit::CutToMaxLength(std::string S) const {
  if (MaxLength() > 0 && static_cast<int>(S.size()) > MaxLength())
    S.resize(static_cast<size_t>(MaxLength()));
  return S;
}

std::string TZYLCustomMaskEdit::FormattedFloatText() {
  const int digits = std::clamp(FDecimals, 0, 18);
  const std::string pure = GetPureText();
  std::string s = CutToMaxLength(vcl::FloatToStrF(
      AsFloat(), FMaskType == meFloatFixed ? vcl::ffFixed : vcl::ffNumber, 15, digits));
  if (s == pure) return FText;
  // A typed minus on a zero value stays.
  if (pure.starts_with("-") && !s.starts_with("-") && s.size() >= 2) s = "-" + s;
  return s + EffectiveSuffix();
}

void TZYLCustomMaskEdit::ChangedText(int At) {
  const int edit = std::exchange(FEditAt, 0);
  FPrevMirrors = false;
  bool mirrored = false;
  // Undo and redo give back texts the kind had accepted: they are not rebuilt.
  switch (Replaying() ? meNone : FMaskType) {
    case meFloatFixed:
    case meFloatNumber:
      // A text read from a form may be of another locale: Loaded mends and lays it out.
      if (Loading()) break;
      try {
        ReplaceTextQuietly(FormattedFloatText());
      } catch (const vcl::Exception&) {
        ReplaceTextQuietly(FPrevText);
      }
      break;
    case meCurrency: try { ReplaceTextQuietly(CutToMaxLength(FCurrency->toStr(AsCurrency())));
      } catch (const vcl::Exception&) {
        ReplaceTextQuietly(FPrevText);
      }
      break;
    case meDate: {
      if (Loading() && FText.empty()) return;
      if (!Focused()) break;  // the edit form is for editing the fields
      const int type = FDate->CurrentType(FCaretPos, FText);
      if (FFieldKeys < 4 && IsYear(type)) break;
      int y = 0, m = 0, d = 0;
      FDate->StrToYMD(GetPureText(), y, m, d);
      if (m < 1 || m > 12 || d < 1 || d > 31 || y < 1899 || y > 9999) break;
      try {
        ReplaceTextQuietly(FDate->GetDTEditString(AsDate()));
      } catch (const vcl::Exception&) {
        break;  // a day the month lacks stays as typed until the field is left
      }
      SetSelectionOnly(FDate->CurrentStart(FCaretPos, FText),
                       FDate->CurrentLength(FCaretPos, FText));
      break;
    }
    case meMask: {
      // After a change through the hooks FPrevText holds the text before it, which fitted:
      // only what the change touched is checked, and FPrevText follows the change.
      const size_t at = static_cast<size_t>(edit - 1), removed = FEditRemoved.size();
      if (edit > 0 && at <= FText.size() && FText.size() + removed >= FPrevText.size() &&
          at + FText.size() + removed - FPrevText.size() <= FText.size()) {
        const size_t inserted = FText.size() + removed - FPrevText.size();
        const std::string typed = FText.substr(at, inserted);
        if (MaskFits(FPrevText, at, removed, typed))
          FPrevText.replace(at, removed, typed);
        else
          ReplaceTextQuietly(FPrevText);
        mirrored = true;
      } else if (!checkText(FText)) {
        ReplaceTextQuietly(checkText(FPrevText) ? FPrevText : literalChars());
      }
      break;
    }
    default: break;
  }
  if (!mirrored) FPrevText = FText;  // the last text the kind accepted
  FPrevMirrors = true;
  inherited::ChangedText(At);
}

void TZYLCustomMaskEdit::FinishedSetSelText() {
  inherited::FinishedSetSelText();
  if (FMaskType == meCurrency) {
    try {
      const int first = FCurrency->firstDigitPos(AsCurrency());
      if (first >= FCaretPos) Select(first + 1, 0, first + 1);
    } catch (const vcl::Exception&) {
    }
  }
  if (FMaskType == meFloatNumber || FMaskType == meCurrency) {
    const int now =
        CountOf(FText, vcl::FormatSettings.ThousandSeparator, static_cast<size_t>(FCaretPos - 1));
    if (now > FSeparatorsBefore) {
      const int p = FSelStart + now - FSeparatorsBefore;
      Select(p, 0, p);
    }
  }
}

// The suffix is never typed over: a character typed at its first place goes in front of it.
bool TZYLCustomMaskEdit::TypingOverwritesAt(int Pos) {
  return Pos <= GetLength() - static_cast<int>(EffectiveSuffix().size());
}

// A dragged selection moves as a cut and a paste: neither out of the suffix nor into it.
bool TZYLCustomMaskEdit::SelectionMovesTo(int Pos) {
  return !SelectionInSuffix() &&
         Pos <= GetLength() - static_cast<int>(EffectiveSuffix().size()) + 1;
}

bool TZYLCustomMaskEdit::SelectionInSuffix() const {
  const int suffix = static_cast<int>(EffectiveSuffix().size());
  return suffix > 0 && FSelStart + FSelLength > GetLength() - suffix + 1;
}

void TZYLCustomMaskEdit::CutToClipboard() {
  if (!SelectionInSuffix()) inherited::CutToClipboard();
}

void TZYLCustomMaskEdit::PasteFromClipboard() {
  if (!SelectionInSuffix()) inherited::PasteFromClipboard();
}

// ---------------------------------------------------------------------------------------------
// Keys, mouse and wheel

// Backspace and Delete never reach into the suffix. False when nothing is left to delete.
bool TZYLCustomMaskEdit::ShortenBeforeSuffix(bool Backspace) {
  const int suffix = static_cast<int>(EffectiveSuffix().size());
  if (suffix == 0) return true;
  const int end = GetLength() - suffix;  // the last character of the value
  if (FSelLength == 0 && FCaretPos > end + 1) {
    FCaretPos = end + 1;
    FSelStart = FCaretPos;
  }
  if (!Backspace && FSelLength == 0 && FCaretPos > end) return false;
  if (Backspace ? end < FSelStart + FSelLength : end <= FSelStart + FSelLength) {
    const bool selected = FSelLength > 0;
    // Shortened only: Delete itself takes the character at the caret, and Shift+Delete cuts
    // what is selected and nothing more.
    FSelLength = std::min(FSelLength, std::max(0, end - FSelStart + 1));
    // A selection of suffix characters only leaves nothing to delete.
    if (selected && FSelLength == 0) return false;
  }
  return true;
}

void TZYLCustomMaskEdit::BlankOut(int Start, int Length) {
  const std::string model = literalChars();
  Start = std::clamp(Start, 1, GetLength() + 1);
  Length = std::clamp(Length, 0, GetLength() + 1 - Start);
  if (Length == 0 || Start > static_cast<int>(model.size())) return;
  Length = std::min(Length, static_cast<int>(model.size()) - Start + 1);
  Replace(Start, Length, model.substr(static_cast<size_t>(Start - 1), static_cast<size_t>(Length)));
}

bool TZYLCustomMaskEdit::KeyForMask(uint16_t Key) {
  const bool editable = InputEnabled() && !ReadOnly();
  if (Key == win::VK_BACK) {
    if (!editable || FText.empty()) return true;
    int start = FSelStart, length = FSelLength;
    if (length == 0) {
      if (FCaretPos <= 1) return true;  // nothing before the caret
      start = FCaretPos - 1;
      length = 1;
    }
    BlankOut(start, length);
    Select(start, 0, start);
    return true;
  }
  if (Key == win::VK_DELETE && !EditMode().contains(emShift)) {
    if (!editable || FSelStart > static_cast<int>(FItems.size())) return true;
    const int caret = FCaretPos;
    BlankOut(FSelStart, std::max(FSelLength, 1));
    Select(caret, 0, caret);
    return true;
  }
  return false;
}

bool TZYLCustomMaskEdit::KeyForDate(uint16_t Key) {
  switch (Key) {
    case win::VK_BACK:
    case win::VK_DELETE:
    case win::VK_HOME:
    case win::VK_END: return true;
    case win::VK_LEFT: SetInteger(iiCaretPos, PrevEditChar(FCaretPos)); return true;
    case win::VK_RIGHT: SetInteger(iiCaretPos, NextEditChar(FCaretPos)); return true;
    case win::VK_UP:
    case win::VK_DOWN:
      if (!ReadOnly()) ToDate(Key == win::VK_UP ? 1 : -1);
      return true;
    default: return false;
  }
}

void TZYLCustomMaskEdit::GetCommandKey(uint16_t& Key, vcl::TShiftState Shift) {
  if ((Key == win::VK_BACK || Key == win::VK_DELETE) && !ShortenBeforeSuffix(Key == win::VK_BACK))
    return;
  if (FMaskType == meDate) {
    if (KeyForDate(Key)) return;
  } else if (Key == win::VK_UP || Key == win::VK_DOWN) {
    return;
  } else if (FMaskType == meMask && KeyForMask(Key)) {
    return;
  }
  inherited::GetCommandKey(Key, Shift);
}

bool TZYLCustomMaskEdit::DoMouseWheel(vcl::TShiftState Shift, int WheelDelta,
                                      vcl::TPoint MousePos) {
  const bool handled = inherited::DoMouseWheel(Shift, WheelDelta, MousePos);
  if (FMaskType != meDate || ReadOnly()) return handled;
  ToDate(WheelDelta < 1 ? -1 : 1);
  return true;
}

void TZYLCustomMaskEdit::CursorPosChanged() {
  inherited::CursorPosChanged();
  if (FMaskType == meDate && !FText.empty())
    SetSelectionOnly(FDate->CurrentStart(FCaretPos, FText), FDate->CurrentLength(FCaretPos, FText));
}

int TZYLCustomMaskEdit::CalcMousePos(vcl::TSmallPoint Point) {
  const int p = inherited::CalcMousePos(Point);
  if (FMaskType != meDate) return p;
  const int start = FDate->CurrentStart(p, FText);
  return start > 0 ? start : p;
}

// ---------------------------------------------------------------------------------------------
// Date fields

// Steps the field under the caret. A day the new month or year lacks becomes the month's last
// day; a date beyond the calendar leaves the text alone.
void TZYLCustomMaskEdit::ToDate(int Delta) {
  const int type = FDate->CurrentType(FCaretPos, FText);
  if (!IsDayNumber(type) && !IsMonth(type) && !IsYear(type)) return;
  const int caret = FCaretPos;
  try {
    const vcl::TDateTime date = AsDate();
    vcl::TDateTime result = date + Delta;
    if (!IsDayNumber(type)) {
      uint16_t y = 0, m = 0, d = 0;
      vcl::DecodeDate(date, y, m, d);
      int year = y, month = m;
      if (IsMonth(type)) {
        month += Delta;
        if (month > 12) month = 1;
        if (month < 1) month = 12;
      } else {
        year += Delta;
      }
      if (year < 1 || year > 9999) return;
      result = vcl::EncodeDate(year, month, std::min<int>(d, vcl::MonthDays(year, month)));
    }
    SetText(FDate->GetDTEditString(result));
  } catch (const vcl::Exception&) {
    return;
  }
  SetInteger(iiCaretPos, caret);
}

// The date kind's typing (see the class comment of the unit). True hands the key to the base
// edit, false fires only the key-press event.
bool TZYLCustomMaskEdit::TypeDateChar(char C) {
  const int oldStart = FSelStart, oldLength = FSelLength;
  const char dateSep = vcl::FormatSettings.DateSeparator;
  if ((!IsDigit(C) && C != dateSep) || ReadOnly()) {
    SetSelectionOnly(oldStart, oldLength);
    return false;
  }
  const int type = FDate->CurrentType(FCaretPos, FText);
  const int start = FDate->CurrentStart(FCaretPos, FText);
  const int length = FDate->CurrentLength(FCaretPos, FText);
  if (C == dateSep) {
    if (IsDayNumber(type) || IsMonthNumber(type) || IsMonthName(type))
      SetInteger(iiCaretPos, NextEditChar(FCaretPos));
    return false;
  }
  if (IsDayName(type)) return true;
  if (start <= 0) return false;
  std::string s =
      vcl::Trim(FText.substr(static_cast<size_t>(start - 1), static_cast<size_t>(length)));
  if (++FFieldKeys == 1) s.clear();
  int selLength = oldLength;
  if (IsDayNumber(type) || IsMonthNumber(type)) {
    // Two digits at the most, and only those that can begin a day (month) number.
    const char high = IsDayNumber(type) ? '3' : '1';
    const char secondLimit = IsDayNumber(type) ? '2' : '3';
    std::string field;
    if (s.size() == 1 && (s[0] < high || (s[0] == high && C < secondLimit)))
      field = s + C;
    else if (s.size() == 2 && IsDayNumber(type) && (s[1] < '3' || (s[1] == '3' && C < '2')))
      field = std::string(1, s[1]) + C;
    else if (s.size() == 2 && !IsDayNumber(type) && s[0] == '0' && s[1] < '2' && C < '3')
      field = std::string(1, s[1]) + C;
    else
      field = std::string(1, C) + ' ';
    Replace(start, std::min(2, GetLength() - start + 1), field);
    FCaretPos = std::clamp(start, 1, GetLength() + 1);
  } else if (IsMonthName(type)) {
    const int key = C - '0';
    if (FFieldKeys == 2 && FMonthAccu == 1) {
      FMonthAccu = 10 + key;
    } else {
      FMonthAccu = key;
      FFieldKeys = 1;
    }
    if (FMonthAccu >= 1 && FMonthAccu <= 12) {
      const vcl::TFormatSettings& fs = vcl::FormatSettings;
      std::string name = type == 14 ? fs.LongMonthNames[static_cast<size_t>(FMonthAccu)]
                                    : fs.ShortMonthNames[static_cast<size_t>(FMonthAccu)];
      if (static_cast<int>(name.size()) < length) name.resize(static_cast<size_t>(length), ' ');
      Replace(start, length, name);
    }
    FCaretPos = std::clamp(oldStart, 1, GetLength() + 1);
  } else if (IsYear(type)) {
    std::string field;
    if (s.size() >= 4) {
      field = std::string(1, C);
      FFieldKeys = 1;
    } else {
      field = s + C;
    }
    const bool wholeText = oldStart == 1 && oldLength >= GetLength();
    Replace(start, length, field);
    selLength = field.size() >= 4 ? FDate->CurrentLength(start, FText)
                : wholeText       ? oldLength
                                  : static_cast<int>(field.size());
    FCaretPos = std::clamp(start, 1, GetLength() + 1);
  } else {
    return false;
  }
  SetSelectionOnly(oldStart, selLength);
  SetCaret();
  return false;
}

}  // namespace zyl
