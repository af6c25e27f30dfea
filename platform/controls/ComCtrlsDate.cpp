// The date and time picker: its fields, the keyboard and mouse that step them, the drop-down
// calendar and its messages.
#include <algorithm>
#include <cctype>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/DateCtrls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"
#include "platform/user/ScreenPlace.h"

namespace vcl {

using namespace win;

namespace {

constexpr int kTextLeft = 3;  // the first field's distance from the border
constexpr int kCheckSize = 13;

// The calendar that drops down below a picker: a top-level window without activation.
class TDropDownCalendar : public TMonthCalendar {
 public:
  using TMonthCalendar::TMonthCalendar;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TMonthCalendar::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    Params.WndParent = nullptr;
  }
};

// Splits a format into fields. `Native` is the picker's own syntax (M is the month, m the
// minute, H the 24-hour hour); otherwise the format settings' syntax (letters in either case,
// m after an hour or n is the minute, "/" and ":" the separators, am/pm, a/p and ampm).
void SplitFormat(const std::string& format, bool Native, std::vector<TDateTimePicker::TField>& out,
                 int depth = 0) {
  using TField = TDateTimePicker::TField;
  auto text = [&](const std::string& s) {
    if (s.empty()) return;
    if (!out.empty() && out.back().Kind == TDateTimePicker::fkText)
      out.back().Text += s;
    else
      out.push_back(TField{TDateTimePicker::fkText, s});
  };
  auto field = [&](TDateTimePicker::TFieldKind kind, const std::string& token) {
    out.push_back(TField{kind, token});
  };
  bool afterHour = false;
  for (size_t i = 0; i < format.size();) {
    const char ch = format[i];
    if (ch == '\'' || (!Native && ch == '"')) {
      const size_t end = format.find(ch, i + 1);
      text(format.substr(i + 1, (end == std::string::npos ? format.size() : end) - i - 1));
      i = end == std::string::npos ? format.size() : end + 1;
      continue;
    }
    if (!Native) {
      const std::string rest = LowerCase(format.substr(i, 5));
      if (rest.rfind("am/pm", 0) == 0 || rest.rfind("ampm", 0) == 0 || rest.rfind("a/p", 0) == 0) {
        const size_t len = rest.rfind("am/pm", 0) == 0 ? 5 : rest.rfind("ampm", 0) == 0 ? 4 : 3;
        field(TDateTimePicker::fkAmPm, len == 3 ? "t" : "tt");
        i += len;
        continue;
      }
      if (ch == '/') {
        text(std::string(1, FormatSettings.DateSeparator));
        ++i;
        continue;
      }
      if (ch == ':') {
        text(std::string(1, FormatSettings.TimeSeparator));
        ++i;
        continue;
      }
    }
    if (!std::isalpha(static_cast<unsigned char>(ch))) {
      text(std::string(1, ch));
      ++i;
      continue;
    }
    size_t n = 1;
    while (i + n < format.size() && format[i + n] == ch) ++n;
    const char k = Native ? ch : static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    const size_t used = n;
    if (k == 'd' && !Native && n >= 5 && depth < 2) {
      SplitFormat(n == 5 ? FormatSettings.ShortDateFormat : FormatSettings.LongDateFormat, false,
                  out, depth + 1);
    } else if (k == 'd') {
      field(n <= 2 ? TDateTimePicker::fkDay : TDateTimePicker::fkDayName,
            n <= 2 ? std::string(n, 'd') : std::string(std::min<size_t>(n, 4), 'd'));
    } else if (k == 'M' || (!Native && k == 'm' && !afterHour)) {
      field(TDateTimePicker::fkMonth, std::string(std::min<size_t>(n, 4), 'M'));
    } else if (k == 'm' || (!Native && k == 'n')) {
      field(TDateTimePicker::fkMinute, n >= 2 ? "mm" : "m");
    } else if (k == 'y') {
      field(TDateTimePicker::fkYear, n <= 2 ? "yy" : "yyyy");
    } else if (k == 'h' || k == 'H') {
      field(TDateTimePicker::fkHour, std::string(std::min<size_t>(n, 2), Native ? ch : 'H'));
    } else if (k == 's') {
      field(TDateTimePicker::fkSecond, n >= 2 ? "ss" : "s");
    } else if (k == 't' && Native) {
      field(TDateTimePicker::fkAmPm, n >= 2 ? "tt" : "t");
    } else if (k == 'z' && !Native) {
      // Milliseconds are not shown.
    } else {
      text(format.substr(i, n));
    }
    afterHour = k == 'h' || k == 'H';
    i += used;
  }
  // In the format settings' syntax the hour counts to 12 when an am/pm field follows.
  if (!Native && depth == 0 && std::any_of(out.begin(), out.end(), [](const TField& f) {
        return f.Kind == TDateTimePicker::fkAmPm;
      }))
    for (TField& f : out)
      if (f.Kind == TDateTimePicker::fkHour) f.Text = LowerCase(f.Text);
}

int DayOf(TDateTime value) {
  uint16_t y, m, d;
  DecodeDate(value, y, m, d);
  return d;
}

bool Editable(TDateTimePicker::TFieldKind kind) {
  return kind != TDateTimePicker::fkText && kind != TDateTimePicker::fkDayName;
}

std::string Padded(int value, size_t width) {
  std::string s = IntToStr(value);
  while (s.size() < width) s.insert(s.begin(), '0');
  return s;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TDateTimePicker

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csOpaque, csClickEvents, csDoubleClicks, csFixedHeight};
  SetColor(clWindow);
  SetParentColor(false);
  tabStop_ = true;
  width_ = 186;
  height_ = 21;
  dateTime_ = Now();
  calColors_ = new TMonthCalColors;
  calColors_->OnChange = TNotifyEvent(this, &TDateTimePicker::DoColorsChange);
}

TDateTimePicker::~TDateTimePicker() {
  delete calendar_;
  delete calColors_;
}

void TDateTimePicker::DoColorsChange(TObject*) {
  if (calendar_) calendar_->CalColors()->Assign(calColors_);
}

void TDateTimePicker::Changed() {
  fieldsValid_ = false;
  Invalidate();
}

void TDateTimePicker::SetKind(TDateTimeKind Value) {
  if (Value == kind_) return;
  kind_ = Value;
  if (selected_ >= 0) selected_ = 0;
  Changed();
}

void TDateTimePicker::SetDateTime(TDateTime Value) {
  Value = InCalendar(Value);
  if (!ComponentState().contains(csLoading)) limits_.Check(Value);
  dateTime_ = Value;
  wantDay_ = DayOf(Value);
  typedDigits_ = 0;
  Changed();
}

void TDateTimePicker::SetDate(TDateTime Value) {
  SetDateTime(JoinDateTime(InCalendar(Value), dateTime_));
}
void TDateTimePicker::SetTime(TDateTime Value) {
  SetDateTime(JoinDateTime(dateTime_, InCalendar(Value)));
}

void TDateTimePicker::SetDateFormat(TDTDateFormat Value) {
  dateFormat_ = Value;
  if (selected_ >= 0) selected_ = 0;
  Changed();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value) {
  if (Value == dateMode_) return;
  CloseUp(false);
  dateMode_ = Value;
  Changed();
}

void TDateTimePicker::SetShowCheckbox(bool Value) {
  showCheckbox_ = Value;
  if (!Value) checked_ = true;
  Changed();
}

void TDateTimePicker::SetChecked(bool Value) {
  checked_ = Value || !showCheckbox_;
  Invalidate();
}

void TDateTimePicker::SetMinDate(TDateTime Value) {
  const bool loading = ComponentState().contains(csLoading);
  limits_.SetMin(Value, loading);
  if (!loading) dateTime_ = limits_.Clamp(dateTime_);
  Changed();
}

void TDateTimePicker::SetMaxDate(TDateTime Value) {
  const bool loading = ComponentState().contains(csLoading);
  limits_.SetMax(Value, loading);
  if (!loading) dateTime_ = limits_.Clamp(dateTime_);
  Changed();
}

void TDateTimePicker::SetFormat(const std::string& Value) {
  format_ = Value;
  if (selected_ >= 0) selected_ = 0;
  Changed();
}

void TDateTimePicker::SetParseInput(bool Value) {
  if (!Value) EndUserInput(false);
  parseInput_ = Value;
}

void TDateTimePicker::Loaded() {
  inherited::Loaded();
  limits_.CheckOrder();
  dateTime_ = limits_.Clamp(dateTime_);
}

void TDateTimePicker::BuildFields() {
  fields_.clear();
  if (!format_.empty())
    SplitFormat(format_, true, fields_);
  else if (kind_ == dtkTime)
    SplitFormat(FormatSettings.LongTimeFormat, false, fields_);
  else
    SplitFormat(
        dateFormat_ == dfShort ? FormatSettings.ShortDateFormat : FormatSettings.LongDateFormat,
        false, fields_);
  fieldsValid_ = true;
  // A selection lands on an editable field: the first one when the old place has none.
  if (selected_ >= 0 &&
      (selected_ >= static_cast<int>(fields_.size()) || !Editable(fields_[selected_].Kind))) {
    selected_ = -1;
    for (size_t i = 0; i < fields_.size() && selected_ < 0; ++i)
      if (Editable(fields_[i].Kind)) selected_ = static_cast<int>(i);
  }
}

const std::vector<TDateTimePicker::TField>& TDateTimePicker::Fields() {
  if (!fieldsValid_) BuildFields();
  return fields_;
}

void TDateTimePicker::SelectField(int Index) {
  Fields();
  if (Index < 0 || Index >= static_cast<int>(fields_.size()) || !Editable(fields_[Index].Kind))
    return;
  FinishTyping();
  selected_ = Index;
  Invalidate();
}

namespace {
// The text of one field for a date and time.
std::string FieldText(const TDateTimePicker::TField& f, TDateTime v) {
  uint16_t y, mo, d, h, mi, s, ms;
  DecodeDate(v, y, mo, d);
  DecodeTime(v, h, mi, s, ms);
  const size_t n = f.Text.size();
  switch (f.Kind) {
    case TDateTimePicker::fkText: return f.Text;
    case TDateTimePicker::fkDay: return Padded(d, n);
    case TDateTimePicker::fkDayName:
      return n == 3 ? FormatSettings.ShortDayNames[DayOfWeek(v)]
                    : FormatSettings.LongDayNames[DayOfWeek(v)];
    case TDateTimePicker::fkMonth:
      if (n == 3) return FormatSettings.ShortMonthNames[mo];
      if (n == 4) return FormatSettings.LongMonthNames[mo];
      return Padded(mo, n);
    case TDateTimePicker::fkYear: return n == 2 ? Padded(y % 100, 2) : Padded(y, 4);
    case TDateTimePicker::fkHour:
      if (f.Text[0] == 'h') return Padded(h % 12 == 0 ? 12 : h % 12, n);
      return Padded(h, n);
    case TDateTimePicker::fkMinute: return Padded(mi, n);
    case TDateTimePicker::fkSecond: return Padded(s, n);
    case TDateTimePicker::fkAmPm: {
      const std::string& am = h < 12 ? FormatSettings.TimeAMString : FormatSettings.TimePMString;
      return n == 1 ? am.substr(0, 1) : am;
    }
  }
  return {};
}

// The values a field takes: its lowest and highest, the digits typed into it.
struct TFieldRange {
  int Low, High, Digits;
};
TFieldRange RangeOf(const TDateTimePicker::TField& f, TDateTime v) {
  uint16_t y, mo, d;
  DecodeDate(v, y, mo, d);
  switch (f.Kind) {
    case TDateTimePicker::fkDay: return {1, MonthDays(y, mo), 2};
    case TDateTimePicker::fkMonth: return {1, 12, 2};
    case TDateTimePicker::fkYear: return {1, 9999, 4};
    case TDateTimePicker::fkHour:
      return f.Text[0] == 'h' ? TFieldRange{1, 12, 2} : TFieldRange{0, 23, 2};
    case TDateTimePicker::fkMinute:
    case TDateTimePicker::fkSecond: return {0, 59, 2};
    default: return {0, 1, 0};
  }
}

int ValueOf(const TDateTimePicker::TField& f, TDateTime v) {
  uint16_t y, mo, d, h, mi, s, ms;
  DecodeDate(v, y, mo, d);
  DecodeTime(v, h, mi, s, ms);
  switch (f.Kind) {
    case TDateTimePicker::fkDay: return d;
    case TDateTimePicker::fkMonth: return mo;
    case TDateTimePicker::fkYear: return y;
    case TDateTimePicker::fkHour: return f.Text[0] == 'h' ? (h % 12 == 0 ? 12 : h % 12) : h;
    case TDateTimePicker::fkMinute: return mi;
    case TDateTimePicker::fkSecond: return s;
    case TDateTimePicker::fkAmPm: return h >= 12 ? 1 : 0;
    default: return 0;
  }
}

// The date and time with one field set to `value` (within its range). A new month or year
// takes `wantDay`, kept within the month's length.
TDateTime WithField(const TDateTimePicker::TField& f, TDateTime v, int value, int wantDay) {
  uint16_t y, mo, d, h, mi, s, ms;
  DecodeDate(v, y, mo, d);
  DecodeTime(v, h, mi, s, ms);
  const TFieldRange r = RangeOf(f, v);
  value = std::clamp(value, r.Low, r.High);
  switch (f.Kind) {
    case TDateTimePicker::fkDay: d = static_cast<uint16_t>(value); break;
    case TDateTimePicker::fkMonth:
      mo = static_cast<uint16_t>(value);
      d = static_cast<uint16_t>(wantDay);
      break;
    case TDateTimePicker::fkYear:
      y = static_cast<uint16_t>(value);
      d = static_cast<uint16_t>(wantDay);
      break;
    case TDateTimePicker::fkHour:
      h = static_cast<uint16_t>(f.Text[0] == 'h' ? value % 12 + (h >= 12 ? 12 : 0) : value);
      break;
    case TDateTimePicker::fkMinute: mi = static_cast<uint16_t>(value); break;
    case TDateTimePicker::fkSecond: s = static_cast<uint16_t>(value); break;
    case TDateTimePicker::fkAmPm: h = static_cast<uint16_t>(h % 12 + (value ? 12 : 0)); break;
    default: return v;
  }
  d = static_cast<uint16_t>(std::min<int>(d, MonthDays(y, mo)));
  return JoinDateTime(EncodeDate(y, mo, d), EncodeTime(h, mi, s, ms));
}
}  // namespace

std::string TDateTimePicker::Text() {
  std::string s;
  for (const TField& f : Fields()) s += FieldText(f, dateTime_);
  return s;
}

void TDateTimePicker::StepField(int Delta) {
  Fields();
  if (selected_ < 0) {
    for (size_t i = 0; i < fields_.size() && selected_ < 0; ++i)
      if (Editable(fields_[i].Kind)) selected_ = static_cast<int>(i);
    if (selected_ < 0) return;
  }
  const TField& f = fields_[selected_];
  const TFieldRange r = RangeOf(f, dateTime_);
  int value = ValueOf(f, dateTime_) + Delta;
  if (f.Kind == fkAmPm) {
    value = ((value % 2) + 2) % 2;
  } else if (f.Kind != fkYear) {
    const int span = r.High - r.Low + 1;
    if (span <= 0) return;
    value = r.Low + (((value - r.Low) % span) + span) % span;
  }
  SetFieldValue(selected_, value);
}

void TDateTimePicker::SetFieldValue(int Index, int Value) {
  const TField& f = fields_[Index];
  UserChange(WithField(f, dateTime_, Value, wantDay_));
  if (f.Kind != fkMonth && f.Kind != fkYear) wantDay_ = DayOf(dateTime_);
}

// Digits gather in the selected field; it takes them as soon as no further digit could make
// a value within its range, then the next field is selected.
void TDateTimePicker::TypeDigit(int Digit) {
  Fields();
  if (selected_ < 0 || !Editable(fields_[selected_].Kind) || fields_[selected_].Kind == fkAmPm)
    return;
  const TFieldRange r = RangeOf(fields_[selected_], dateTime_);
  typed_ = typed_ * 10 + Digit;
  ++typedDigits_;
  if (typedDigits_ >= r.Digits || typed_ * 10 > (fields_[selected_].Kind == fkDay ? 31 : r.High)) {
    FinishTyping();
    for (int i = selected_ + 1; i < static_cast<int>(fields_.size()); ++i)
      if (Editable(fields_[i].Kind)) {
        selected_ = i;
        break;
      }
  }
  Invalidate();
}

void TDateTimePicker::FinishTyping() {
  if (typedDigits_ == 0 || selected_ < 0) return;
  int value = typed_;
  const TField& f = fields_[selected_];
  if (f.Kind == fkYear && typedDigits_ <= 2) value += value < 50 ? 2000 : 1900;
  typed_ = typedDigits_ = 0;
  (void)f;
  SetFieldValue(selected_, value);
}

void TDateTimePicker::UserChange(TDateTime Value) {
  Value = limits_.Clamp(Value);
  if (Value == dateTime_) {
    Invalidate();
    return;
  }
  dateTime_ = Value;
  Invalidate();
  Notify(DTN_DATETIMECHANGE);
  if (onChange_) onChange_(this);
}

void TDateTimePicker::Notify(UINT Code) {
  if (!parent_ || !parent_->HandleAllocated() || !HandleAllocated()) return;
  NMDATETIMECHANGE nm;
  nm.nmhdr = NMHDR{Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(Handle())), Code};
  nm.dwFlags = checked_ ? GDT_VALID : GDT_NONE;
  nm.st = DateTimeToSystemTime(dateTime_);
  SendMessageA(parent_->Handle(), WM_NOTIFY, nm.nmhdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

// ---------------------------------------------------------------------------------------------
// The drop-down calendar

void TDateTimePicker::DropDown() {
  if (calendar_ || HasUpDown() || !enabled_) return;
  FinishTyping();
  if (onDropDown_) onDropDown_(this);
  Notify(DTN_DROPDOWN);
  calendar_ = new TDropDownCalendar(nullptr);
  calendar_->Font()->Assign(font_);
  calendar_->CalColors()->Assign(calColors_);
  calendar_->SetMinDate(limits_.Min);
  calendar_->SetMaxDate(limits_.Max);
  calendar_->SetDate(DatePart(dateTime_));
  const TSize need = calendar_->RequiredSize();
  // Below the picker, or above it when there is no room below; its left or right edge in line
  // with the picker's, moved sideways onto the screen where the picker stands near its edge.
  const TPoint at = ClientToScreen(TPoint{calAlignment_ == dtaRight ? width_ - need.cx - 2 : 0, 0});
  const TPoint origin = ClientToScreen(TPoint{0, 0});
  const RECT r =
      win::user::DropBeside(Rect(origin.X, origin.Y, origin.X + width_, origin.Y + height_), at.X,
                            need.cx + 2, need.cy + 2, need.cy + 2);
  calendar_->HandleNeeded();
  SetWindowPos(calendar_->Handle(), HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetCapture(Handle());
  Invalidate();
}

void TDateTimePicker::CloseUp(bool Accept) {
  if (!calendar_) return;
  const TDateTime chosen = calendar_->Date();
  TMonthCalendar* cal = calendar_;
  calendar_ = nullptr;
  if (GetCapture() == Handle()) ReleaseCapture();
  delete cal;
  Invalidate();
  if (Accept) {
    UserChange(JoinDateTime(chosen, dateTime_));
    wantDay_ = DayOf(dateTime_);
  }
  Notify(DTN_CLOSEUP);
  if (onCloseUp_) onCloseUp_(this);
}

// ---------------------------------------------------------------------------------------------
// The user's own text

void TDateTimePicker::BeginUserInput() {
  if (!parseInput_ || userEditing_ || calendar_ || !checked_) return;
  FinishTyping();
  userText_ = Text();
  userEditing_ = userTextSelected_ = true;
  Invalidate();
}

void TDateTimePicker::EndUserInput(bool Accept) {
  if (!userEditing_) return;
  userEditing_ = false;
  const std::string text = std::move(userText_);
  userText_.clear();
  Invalidate();
  if (!Accept || !onUserInput_) return;
  TDateTime value = dateTime_;
  bool allow = true;
  onUserInput_(this, text, value, allow);
  if (allow) UserChange(InCalendar(value));
}

// Backspace takes back a character (all of a selected text), a printable one is added.
void TDateTimePicker::UserTextKey(char Key) {
  if (Key != '\b' && static_cast<unsigned char>(Key) < ' ') return;
  if (userTextSelected_) userText_.clear();
  userTextSelected_ = false;
  if (Key == '\b') {
    if (!userText_.empty()) userText_.pop_back();
  } else {
    userText_ += Key;
  }
  Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Geometry and painting

TRect TDateTimePicker::ButtonRect() {
  const int w = GetSystemMetrics(SM_CXVSCROLL);
  return TRect{width_ - 2 - w, 2, width_ - 2, height_ - 2};
}

TRect TDateTimePicker::UpDownRect(bool Up) {
  const TRect b = ButtonRect();
  const int mid = (b.Top + b.Bottom) / 2;
  return Up ? TRect{b.Left, b.Top, b.Right, mid} : TRect{b.Left, mid, b.Right, b.Bottom};
}

TRect TDateTimePicker::CheckBoxRect() {
  const int top = (height_ - kCheckSize) / 2;
  return TRect{2 + kTextLeft, top, 2 + kTextLeft + kCheckSize, top + kCheckSize};
}

void TDateTimePicker::Paint() {
  TCanvas* c = canvas_;
  Fields();
  TRect all{0, 0, width_, height_};
  const TColor back = enabled_ ? color_ : clBtnFace;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(back);
  c->FillRect(all);
  DrawEdge(c->Handle(), &all, EDGE_SUNKEN, BF_RECT);

  int x = 2 + kTextLeft;
  if (showCheckbox_) {
    TRect box = CheckBoxRect();
    DrawFrameControl(
        c->Handle(), &box, DFC_BUTTON,
        DFCS_BUTTONCHECK | (checked_ ? DFCS_CHECKED : 0) | (enabled_ ? 0 : DFCS_INACTIVE));
    x = box.Right + 3;
  }
  c->Font()->Assign(font_);
  const int textTop = (height_ - c->TextHeight("0")) / 2;
  const bool focused = Focused() && !calendar_;
  if (userEditing_) {
    const int w = c->TextWidth(userText_);
    c->Brush()->SetStyle(userTextSelected_ ? bsSolid : bsClear);
    if (userTextSelected_) {
      c->Brush()->SetColor(clHighlight);
      c->FillRect(TRect{x, textTop, x + w, textTop + c->TextHeight("0")});
    }
    c->Font()->SetColor(userTextSelected_ ? clHighlightText : font_->Color());
    c->TextOut(x, textTop, userText_);
  }
  for (size_t i = 0; i < fields_.size() && !userEditing_; ++i) {
    TField& f = fields_[i];
    std::string s = FieldText(f, dateTime_);
    if (static_cast<int>(i) == selected_ && typedDigits_ > 0) s = IntToStr(typed_);
    const int w = c->TextWidth(s);
    f.Left = x;
    f.Right = x + w;
    const bool highlight = focused && static_cast<int>(i) == selected_ && checked_;
    c->Brush()->SetStyle(highlight ? bsSolid : bsClear);
    if (highlight) {
      c->Brush()->SetColor(clHighlight);
      c->FillRect(TRect{x, textTop, x + w, textTop + c->TextHeight(s)});
    }
    TColor ink = font_->Color();
    if (!enabled_ || !checked_) ink = clGrayText;
    if (highlight) ink = clHighlightText;
    c->Font()->SetColor(ink);
    c->TextOut(x, textTop, s);
    x += w;
  }
  if (HasUpDown()) {
    for (bool up : {true, false}) {
      TRect r = UpDownRect(up);
      DrawFrameControl(c->Handle(), &r, DFC_SCROLL,
                       (up ? DFCS_SCROLLUP : DFCS_SCROLLDOWN) | (enabled_ ? 0 : DFCS_INACTIVE));
    }
  } else {
    TRect r = ButtonRect();
    DrawFrameControl(
        c->Handle(), &r, DFC_SCROLL,
        DFCS_SCROLLCOMBOBOX | (calendar_ ? DFCS_PUSHED : 0) | (enabled_ ? 0 : DFCS_INACTIVE));
  }
}

// ---------------------------------------------------------------------------------------------
// Keyboard and mouse

void TDateTimePicker::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  const bool alt = Shift.contains(ssAlt);
  if (userEditing_) {
    if (Key == VK_RETURN || Key == VK_ESCAPE) EndUserInput(Key == VK_RETURN);
    Key = 0;
    return;
  }
  if (calendar_) {
    if (Key == VK_ESCAPE)
      CloseUp(false);
    else if (Key == VK_RETURN || Key == VK_F4 || (alt && (Key == VK_UP || Key == VK_DOWN)))
      CloseUp(true);
    else
      calendar_->StepByKey(Key, Shift);
    Key = 0;
    return;
  }
  if (!HasUpDown() && (Key == VK_F4 || (alt && Key == VK_DOWN))) {
    DropDown();
    Key = 0;
    return;
  }
  if (showCheckbox_ && Key == VK_SPACE) {
    checked_ = !checked_;
    Invalidate();
    Notify(DTN_DATETIMECHANGE);
    if (onChange_) onChange_(this);
    Key = 0;
    return;
  }
  if (!checked_) return;
  if (parseInput_ && Key == VK_F2) {
    BeginUserInput();
    Key = 0;
    return;
  }
  Fields();
  auto move = [&](int dir) {
    FinishTyping();
    int i = selected_ < 0 ? (dir > 0 ? -1 : static_cast<int>(fields_.size())) : selected_;
    for (i += dir; i >= 0 && i < static_cast<int>(fields_.size()); i += dir)
      if (Editable(fields_[i].Kind)) {
        selected_ = i;
        break;
      }
    Invalidate();
  };
  switch (Key) {
    case VK_LEFT: move(-1); break;
    case VK_RIGHT: move(1); break;
    case VK_UP:
    case VK_DOWN:
      FinishTyping();
      StepField(Key == VK_UP ? 1 : -1);
      break;
    case VK_HOME:
    case VK_END:
      FinishTyping();
      if (selected_ >= 0) {
        const TFieldRange r = RangeOf(fields_[selected_], dateTime_);
        SetFieldValue(selected_, Key == VK_HOME ? r.Low : r.High);
      }
      break;
    default: return;
  }
  Key = 0;
}

void TDateTimePicker::KeyPress(char& Key) {
  TCustomControl::KeyPress(Key);
  if (Key != 0 && userEditing_) {
    UserTextKey(Key);
    Key = 0;
  }
  if (Key == 0 || calendar_ || !checked_) return;
  Fields();
  if (Key >= '0' && Key <= '9') {
    if (selected_ < 0) StepField(0);
    TypeDigit(Key - '0');
    Key = 0;
    return;
  }
  if (selected_ >= 0 && fields_[selected_].Kind == fkAmPm) {
    const char k = static_cast<char>(std::toupper(static_cast<unsigned char>(Key)));
    const auto first = [](const std::string& s) {
      return s.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    };
    if (k == first(FormatSettings.TimeAMString)) SetFieldValue(selected_, 0);
    if (k == first(FormatSettings.TimePMString)) SetFieldValue(selected_, 1);
    Key = 0;
  }
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && enabled_) {
    const TPoint p{X, Y};
    if (calendar_) {
      const TPoint screen = ClientToScreen(p);
      RECT frame;
      GetWindowRect(calendar_->Handle(), &frame);
      if (PtInRect(&frame, POINT{screen.X, screen.Y})) {
        const TPoint inner = calendar_->ScreenToClient(screen);
        if (calendar_->ClickAt(inner.X, inner.Y)) CloseUp(true);
      } else {
        CloseUp(false);
      }
      TCustomControl::MouseDown(Button, Shift, X, Y);
      return;
    }
    if (CanFocus() && !Focused()) SetFocus();
    const TRect box = CheckBoxRect(), button = ButtonRect();
    if (showCheckbox_ && PtInRect(&box, p)) {
      checked_ = !checked_;
      Invalidate();
      Notify(DTN_DATETIMECHANGE);
      if (onChange_) onChange_(this);
    } else if (PtInRect(&button, p)) {
      if (HasUpDown()) {
        const TRect up = UpDownRect(true);
        FinishTyping();
        if (checked_) StepField(PtInRect(&up, p) ? 1 : -1);
      } else {
        DropDown();
      }
    } else {
      Fields();
      for (size_t i = 0; i < fields_.size(); ++i)
        if (X >= fields_[i].Left && X < fields_[i].Right && Editable(fields_[i].Kind))
          SelectField(static_cast<int>(i));
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TDateTimePicker::WMGetDlgCode(TMessage& Message) {
  Message.Result =
      DLGC_WANTARROWS | DLGC_WANTCHARS | (calendar_ || userEditing_ ? DLGC_WANTALLKEYS : 0);
}

void TDateTimePicker::WMKillFocus(TMessage& Message) {
  ZYL_INHERITED(Message);
  CloseUp(false);
  FinishTyping();
  EndUserInput(true);
}

void TDateTimePicker::CMFocusChanged(TCMFocusChanged& Message) {
  ZYL_INHERITED(Message);
  if (Focused() && selected_ < 0) {
    Fields();
    for (size_t i = 0; i < fields_.size() && selected_ < 0; ++i)
      if (Editable(fields_[i].Kind)) selected_ = static_cast<int>(i);
  }
  Invalidate();
}

void TDateTimePicker::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TDateTimePicker::CMEnabledChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!enabled_) {
    CloseUp(false);
    EndUserInput(false);
  }
  Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Messages

void TDateTimePicker::DTMGetSystemTime(TMessage& Message) {
  auto* st = reinterpret_cast<SYSTEMTIME*>(Message.LParam);
  if (!st) {
    Message.Result = GDT_ERROR;
    return;
  }
  *st = DateTimeToSystemTime(dateTime_);
  Message.Result = checked_ ? GDT_VALID : GDT_NONE;
}

// GDT_NONE unchecks a picker with a check box (and fails without one); GDT_VALID sets the
// date and time, failing outside the limits.
void TDateTimePicker::DTMSetSystemTime(TMessage& Message) {
  Message.Result = FALSE;
  if (static_cast<LRESULT>(Message.WParam) == GDT_NONE) {
    if (!showCheckbox_) return;
    checked_ = false;
  } else {
    const auto* st = reinterpret_cast<const SYSTEMTIME*>(Message.LParam);
    TDateTime d, t;
    if (!st || !TryEncodeDate(st->wYear, st->wMonth, st->wDay, d) ||
        !TryEncodeTime(st->wHour, st->wMinute, st->wSecond, st->wMilliseconds, t))
      return;
    const TDateTime value = JoinDateTime(d, t);
    if (!limits_.Contains(value)) return;
    dateTime_ = value;
    checked_ = true;
  }
  Invalidate();
  Message.Result = TRUE;
}

void TDateTimePicker::DTMGetRange(TMessage& Message) {
  Message.Result = limits_.Read(reinterpret_cast<SYSTEMTIME*>(Message.LParam));
}

void TDateTimePicker::DTMSetRange(TMessage& Message) {
  Message.Result =
      limits_.Write(Message.WParam, reinterpret_cast<const SYSTEMTIME*>(Message.LParam));
  if (!Message.Result) return;
  dateTime_ = limits_.Clamp(dateTime_);
  Changed();
}

void TDateTimePicker::DTMSetFormat(TMessage& Message) {
  const char* text = reinterpret_cast<const char*>(Message.LParam);
  SetFormat(text ? text : "");
  Message.Result = TRUE;
}

void TDateTimePicker::DTMGetMcColor(TMessage& Message) {
  Message.Result = calColors_->ReadColor(Message.WParam);
}

void TDateTimePicker::DTMSetMcColor(TMessage& Message) {
  Message.Result = calColors_->WriteColor(Message.WParam, Message.LParam);
}

void TDateTimePicker::DTMGetMonthCal(TMessage& Message) {
  Message.Result = calendar_ ? reinterpret_cast<LRESULT>(calendar_->Handle()) : 0;
}

ZYL_MESSAGE_MAP(TDateTimePicker) {
  using C = TDateTimePicker;
  m.On(WM_GETDLGCODE, &C::WMGetDlgCode)
      .On(WM_KILLFOCUS, &C::WMKillFocus)
      .On(CM_FOCUSCHANGED, &C::CMFocusChanged)
      .On(CM_FONTCHANGED, &C::CMFontChanged)
      .On(CM_ENABLEDCHANGED, &C::CMEnabledChanged)
      .On(DTM_GETSYSTEMTIME, &C::DTMGetSystemTime)
      .On(DTM_SETSYSTEMTIME, &C::DTMSetSystemTime)
      .On(DTM_GETRANGE, &C::DTMGetRange)
      .On(DTM_SETRANGE, &C::DTMSetRange)
      .On(DTM_SETFORMATA, &C::DTMSetFormat)
      .On(DTM_GETMCCOLOR, &C::DTMGetMcColor)
      .On(DTM_SETMCCOLOR, &C::DTMSetMcColor)
      .On(DTM_GETMONTHCAL, &C::DTMGetMonthCal);
}

ZYL_CLASS_IMPL(TDateTimePicker) {
  using C = TDateTimePicker;
  // DateFormat, DateMode, Kind, CalAlignment and ParseInput have no default: always written.
  b.Publish({"Anchors", "BiDiMode"})
      .Prop("CalAlignment", &C::CalAlignment, &C::SetCalAlignment)
      .Prop("CalColors", &C::CalColors, &C::SetCalColors)
      .Publish("Constraints")
      // The picker starts at the moment it is made: day 0 and midnight are written too.
      .Prop("Date", &C::Date, &C::SetDate)
      .EmptyStored()
      .Prop("Format", &C::Format, &C::SetFormat)
      .Prop("Time", &C::Time, &C::SetTime)
      .EmptyStored()
      .Prop("ShowCheckbox", &C::ShowCheckbox, &C::SetShowCheckbox)
      .Default(false)
      .Prop("Checked", &C::Checked, &C::SetChecked)
      .Default(true)
      .Publish("Color")
      .Prop("DateFormat", &C::DateFormat, &C::SetDateFormat)
      .Prop("DateMode", &C::DateMode, &C::SetDateMode)
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled", "Font", "ImeMode", "ImeName"})
      .Prop("Kind", &C::Kind, &C::SetKind)
      .Prop("MaxDate", &C::MaxDate, &C::SetMaxDate)
      .Prop("MinDate", &C::MinDate, &C::SetMinDate)
      .Prop("ParseInput", &C::ParseInput, &C::SetParseInput)
      .Publish("ParentBiDiMode")
      .Prop("ParentColor", &C::ParentColor, &C::SetParentColor)
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"})
      .Prop("TabStop", &C::TabStop, &C::SetTabStop)
      .Default(true)
      .Publish({"Visible", "OnClick"})
      .Prop("OnCloseUp", &C::OnCloseUp, &C::SetOnCloseUp)
      .Prop("OnChange", &C::OnChange, &C::SetOnChange)
      .Publish("OnContextPopup")
      .Prop("OnDropDown", &C::OnDropDown, &C::SetOnDropDown)
      .Publish({"OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter",
                "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnStartDock", "OnStartDrag"})
      .Prop("OnUserInput", &C::OnUserInput, &C::SetOnUserInput);
}

}  // namespace vcl
