// The month calendar, and the conversions between dates and the window system's times that
// the date controls share.
#include <algorithm>
#include <cmath>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/DateCtrls.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

TDateTime DatePart(TDateTime Value) { return std::trunc(Value); }
TDateTime TimePart(TDateTime Value) { return std::fabs(Value - std::trunc(Value)); }
TDateTime JoinDateTime(TDateTime ADate, TDateTime ATime) {
  const TDateTime d = DatePart(ADate), t = TimePart(ATime);
  return d < 0 ? d - t : d + t;
}

SYSTEMTIME DateTimeToSystemTime(TDateTime Value) {
  SYSTEMTIME st;
  DecodeDate(Value, st.wYear, st.wMonth, st.wDay);
  DecodeTime(Value, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
  st.wDayOfWeek = static_cast<WORD>(DayOfWeek(Value) - 1);
  return st;
}

TDateTime SystemTimeToDateTime(const SYSTEMTIME& Value) {
  return JoinDateTime(EncodeDate(Value.wYear, Value.wMonth, Value.wDay),
                      EncodeTime(Value.wHour, Value.wMinute, Value.wSecond, Value.wMilliseconds));
}

namespace {
TDateTime FirstDay() {
  static const TDateTime first = EncodeDate(1, 1, 1);
  return first;
}
TDateTime LastDay() {
  static const TDateTime last = EncodeDate(9999, 12, 31);
  return last;
}
}  // namespace

TDateTime InCalendar(TDateTime Value) {
  if (std::isnan(Value)) throw EDateTimeError(SDateTimeNaN);
  if (!std::isfinite(Value)) return Value < 0 ? FirstDay() : LastDay();
  if (DatePart(Value) < FirstDay()) return JoinDateTime(FirstDay(), Value);
  if (DatePart(Value) > LastDay()) return JoinDateTime(LastDay(), Value);
  return Value;
}

// ---------------------------------------------------------------------------------------------
// TDateLimits

bool TDateLimits::Contains(TDateTime Value) const { return Clamp(Value) == Value; }

TDateTime TDateLimits::Clamp(TDateTime Value) const {
  // Days before the first year or after the last one no control shows.
  if (!std::isnan(Value)) Value = InCalendar(Value);
  if (Min != 0 && DatePart(Value) < Min) return JoinDateTime(Min, Value);
  if (Max != 0 && DatePart(Value) > Max) return JoinDateTime(Max, Value);
  return Value;
}

void TDateLimits::Check(TDateTime Value) const {
  if (Min != 0 && DatePart(Value) < Min)
    throw EDateTimeError(vcl::Format(SDateTimeMin, {DateToStr(Min)}));
  if (Max != 0 && DatePart(Value) > Max)
    throw EDateTimeError(vcl::Format(SDateTimeMax, {DateToStr(Max)}));
}

void TDateLimits::CheckOrder() const {
  if (Min != 0 && Max != 0 && Min > Max) throw EDateTimeError(SDateTimeRange);
}

void TDateLimits::SetMin(TDateTime Value, bool Loading) {
  TDateLimits next{DatePart(InCalendar(Value)), Max};
  if (!Loading) next.CheckOrder();
  *this = next;
}

void TDateLimits::SetMax(TDateTime Value, bool Loading) {
  TDateLimits next{Min, DatePart(InCalendar(Value))};
  if (!Loading) next.CheckOrder();
  *this = next;
}

LRESULT TDateLimits::Read(SYSTEMTIME* Range) const {
  DWORD flags = 0;
  if (Min != 0) flags |= GDTR_MIN;
  if (Max != 0) flags |= GDTR_MAX;
  if (Range) {
    Range[0] = Min != 0 ? DateTimeToSystemTime(Min) : SYSTEMTIME{};
    Range[1] = Max != 0 ? DateTimeToSystemTime(Max) : SYSTEMTIME{};
  }
  return static_cast<LRESULT>(flags);
}

bool TDateLimits::Write(WPARAM Flags, const SYSTEMTIME* Range) {
  TDateLimits next;
  if ((Flags & (GDTR_MIN | GDTR_MAX)) && !Range) return false;
  if ((Flags & GDTR_MIN) &&
      !TryEncodeDate(Range[0].wYear, Range[0].wMonth, Range[0].wDay, next.Min))
    return false;
  if ((Flags & GDTR_MAX) &&
      !TryEncodeDate(Range[1].wYear, Range[1].wMonth, Range[1].wDay, next.Max))
    return false;
  if (next.Min != 0 && next.Max != 0 && next.Min > next.Max) return false;
  *this = next;
  return true;
}

namespace {
constexpr int kMargin = 4;    // left and right of the grid
constexpr int kTitlePad = 3;  // around the title's text and arrows
constexpr int kGap = 2;       // between the parts, top to bottom

TSize TextSize(TFont* font, const std::string& text) {
  TMemoryDC dc;
  TSelectedObject chosen(dc, font->Handle());
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

// The date some months on; unchanged when that would leave the years 1 .. 9999.
TDateTime AddMonths(TDateTime value, int months) {
  uint16_t y, m, d;
  DecodeDate(value, y, m, d);
  const int64_t month = int64_t{y} * 12 + (m - 1) + months;
  if (month < 12 || month > 9999 * 12 + 11) return value;
  return IncMonth(value, months);
}

// A date the window system can hold (for messages whose pointer comes from outside).
bool ReadSystemDate(LPARAM lParam, int index, TDateTime& value) {
  const auto* st = reinterpret_cast<const SYSTEMTIME*>(lParam);
  if (!st) return false;
  return TryEncodeDate(st[index].wYear, st[index].wMonth, st[index].wDay, value);
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// TMonthCalendar

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csOpaque, csClickEvents, csDoubleClicks};
  SetColor(clWindow);
  SetParentColor(false);
  tabStop_ = true;
  date_ = DatePart(vcl::Date());
  const TSize need = RequiredSize();
  width_ = need.cx;
  height_ = need.cy;
}

TDateTime TMonthCalendar::Today() const { return todaySet_ ? today_ : DatePart(vcl::Date()); }

void TMonthCalendar::SetDate(TDateTime Value) {
  Value = DatePart(InCalendar(Value));
  limits_.Check(Value);
  if (Value == date_) return;
  date_ = Value;
  Invalidate();
}

void TMonthCalendar::SetMinDate(TDateTime Value) {
  const bool loading = ComponentState().contains(csLoading);
  limits_.SetMin(Value, loading);
  if (!loading) date_ = limits_.Clamp(date_);
  Invalidate();
}

void TMonthCalendar::SetMaxDate(TDateTime Value) {
  const bool loading = ComponentState().contains(csLoading);
  limits_.SetMax(Value, loading);
  if (!loading) date_ = limits_.Clamp(date_);
  Invalidate();
}

void TMonthCalendar::Loaded() {
  inherited::Loaded();
  limits_.CheckOrder();
  date_ = limits_.Clamp(date_);
}

void TMonthCalendar::SetShowToday(bool Value) {
  showToday_ = Value;
  Invalidate();
}

void TMonthCalendar::SetShowTodayCircle(bool Value) {
  showTodayCircle_ = Value;
  Invalidate();
}

// Measured on a memory DC, so that a calendar without a window knows its size.
int TMonthCalendar::CellHeight() { return TextSize(font_, "0").cy + 2; }

int TMonthCalendar::CellWidth() {
  int w = TextSize(font_, "00").cx;
  for (int d = 1; d <= 7; ++d)
    w = std::max<int>(w, TextSize(font_, FormatSettings.ShortDayNames[d]).cx);
  return w + 6;
}

TSize TMonthCalendar::RequiredSize() {
  const TRect today = TodayRect();
  return TSize{7 * CellWidth() + 2 * kMargin, today.Bottom + kGap};
}

TRect TMonthCalendar::TitleRect() {
  return TRect{0, 0, 7 * CellWidth() + 2 * kMargin, CellHeight() + 2 * kTitlePad + 2};
}

TRect TMonthCalendar::ArrowRect(bool Next) {
  const TRect title = TitleRect();
  const int side = title.Height() - 2 * kTitlePad;
  const int left = Next ? title.Right - kTitlePad - side : kTitlePad;
  return TRect{left, kTitlePad, left + side, kTitlePad + side};
}

// Row -1 is the line of day names.
TRect TMonthCalendar::DayCellRect(int Row, int Column) {
  const int w = CellWidth(), h = CellHeight();
  const int namesTop = TitleRect().Bottom + kGap;
  const int top = Row < 0 ? namesTop : namesTop + h + kGap + Row * h;
  const int left = kMargin + Column * w;
  return TRect{left, top, left + w, top + h};
}

TRect TMonthCalendar::TodayRect() {
  const TRect last = DayCellRect(5, 0);
  return TRect{kMargin, last.Bottom + kGap, 7 * CellWidth() + kMargin,
               showToday_ ? last.Bottom + kGap + CellHeight() : last.Bottom};
}

TDateTime TMonthCalendar::FirstShownDay() const {
  uint16_t y, m, d;
  DecodeDate(date_, y, m, d);
  const TDateTime first = EncodeDate(y, m, 1);
  return first - (DayOfWeek(first) - 1);
}

void TMonthCalendar::Paint() {
  TCanvas* c = canvas_;
  c->Font()->Assign(font_);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color_);
  c->FillRect(TRect{0, 0, width_, height_});

  uint16_t year, month, day;
  DecodeDate(date_, year, month, day);
  const TRect title = TitleRect();
  c->Brush()->SetColor(clActiveCaption);
  c->FillRect(title);
  for (bool next : {false, true}) {
    TRect r = ArrowRect(next);
    DrawFrameControl(c->Handle(), &r, DFC_SCROLL, next ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
  }
  const std::string heading = FormatSettings.LongMonthNames[month] + " " + IntToStr(year);
  c->Font()->SetColor(clCaptionText);
  c->Font()->SetStyle({fsBold});
  c->Brush()->SetStyle(bsClear);
  c->TextOut((title.Width() - c->TextWidth(heading)) / 2,
             (title.Height() - c->TextHeight(heading)) / 2, heading);
  c->Font()->Assign(font_);

  // The day names over a line.
  c->Font()->SetColor(clActiveCaption);
  for (int col = 0; col < 7; ++col) {
    const TRect r = DayCellRect(-1, col);
    const std::string& name = FormatSettings.ShortDayNames[col + 1];
    c->TextOut(r.Right - 3 - c->TextWidth(name), r.Top, name);
  }
  const int lineY = DayCellRect(-1, 0).Bottom;
  c->Pen()->SetColor(clBtnShadow);
  c->MoveTo(kMargin, lineY);
  c->LineTo(kMargin + 7 * CellWidth(), lineY);

  const TDateTime first = FirstShownDay(), today = Today();
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 7; ++col) {
      const TDateTime value = first + row * 7 + col;
      uint16_t y, m, d;
      DecodeDate(value, y, m, d);
      const TRect r = DayCellRect(row, col);
      const bool selected = value == date_;
      if (selected) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clActiveCaption);
        c->FillRect(r);
        c->Brush()->SetStyle(bsClear);
      }
      TColor ink = selected ? clCaptionText : font_->Color();
      if (m != month || !limits_.Contains(value)) ink = clGrayText;
      c->Font()->SetColor(ink);
      const std::string text = IntToStr(d);
      c->TextOut(r.Right - 3 - c->TextWidth(text), r.Top + 1, text);
      if (showTodayCircle_ && value == today) {
        c->Pen()->SetColor(clRed);
        c->Brush()->SetStyle(bsClear);
        c->Ellipse(r);
      }
    }

  if (showToday_) {
    const TRect r = TodayRect();
    int x = r.Left;
    if (showTodayCircle_) {
      c->Pen()->SetColor(clRed);
      c->Brush()->SetStyle(bsClear);
      c->Rectangle(TRect{x, r.Top + 2, x + CellWidth() - 4, r.Bottom - 2});
      x += CellWidth();
    }
    c->Font()->SetColor(font_->Color());
    c->Font()->SetStyle({fsBold});
    c->TextOut(x, r.Top + 1, std::string(SToday) + " " + DateToStr(today));
  }
}

bool TMonthCalendar::ClickAt(int X, int Y) {
  const TPoint p{X, Y};
  for (bool next : {false, true}) {
    const TRect r = ArrowRect(next);
    if (PtInRect(&r, p)) {
      UserSelect(AddMonths(date_, next ? 1 : -1), false);
      return false;
    }
  }
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 7; ++col) {
      const TRect r = DayCellRect(row, col);
      if (!PtInRect(&r, p)) continue;
      const TDateTime value = FirstShownDay() + row * 7 + col;
      if (!limits_.Contains(value)) return false;
      UserSelect(value, true);
      return true;
    }
  const TRect today = TodayRect();
  if (showToday_ && PtInRect(&today, p) && limits_.Contains(Today())) {
    UserSelect(Today(), true);
    return true;
  }
  return false;
}

bool TMonthCalendar::StepByKey(uint16_t Key, TShiftState Shift) {
  uint16_t y, m, d;
  DecodeDate(date_, y, m, d);
  TDateTime target = date_;
  const int months = Shift.contains(ssCtrl) ? 12 : 1;
  switch (Key) {
    case VK_LEFT: target -= 1; break;
    case VK_RIGHT: target += 1; break;
    case VK_UP: target -= 7; break;
    case VK_DOWN: target += 7; break;
    case VK_PRIOR: target = AddMonths(date_, -months); break;
    case VK_NEXT: target = AddMonths(date_, months); break;
    case VK_HOME: target = EncodeDate(y, m, 1); break;
    case VK_END: target = EncodeDate(y, m, static_cast<uint16_t>(MonthDays(y, m))); break;
    default: return false;
  }
  UserSelect(target, false);
  return true;
}

void TMonthCalendar::UserSelect(TDateTime Value, bool Picked) {
  Value = limits_.Clamp(Value);
  if (Value != date_) {
    date_ = Value;
    Invalidate();
    Notify(MCN_SELCHANGE);
    Click();
  }
  if (Picked) Notify(MCN_SELECT);
}

void TMonthCalendar::Notify(UINT Code) {
  if (!parent_ || !parent_->HandleAllocated() || !HandleAllocated()) return;
  NMSELCHANGE nm;
  nm.nmhdr = NMHDR{Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(Handle())), Code};
  nm.stSelStart = nm.stSelEnd = DateTimeToSystemTime(date_);
  SendMessageA(parent_->Handle(), WM_NOTIFY, nm.nmhdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

void TMonthCalendar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key != 0 && StepByKey(Key, Shift)) Key = 0;
}

void TMonthCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && enabled_) {
    if (CanFocus() && !Focused()) SetFocus();
    ClickAt(X, Y);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TMonthCalendar::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }
void TMonthCalendar::CMFocusChanged(TCMFocusChanged& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}
void TMonthCalendar::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TMonthCalendar::MCMGetCurSel(TMessage& Message) {
  auto* st = reinterpret_cast<SYSTEMTIME*>(Message.LParam);
  if (st) *st = DateTimeToSystemTime(date_);
  Message.Result = st ? TRUE : FALSE;
}

void TMonthCalendar::MCMSetCurSel(TMessage& Message) {
  TDateTime value;
  Message.Result = FALSE;
  if (!ReadSystemDate(Message.LParam, 0, value) || !limits_.Contains(value)) return;
  date_ = value;
  Invalidate();
  Message.Result = TRUE;
}

void TMonthCalendar::MCMGetRange(TMessage& Message) {
  Message.Result = limits_.Read(reinterpret_cast<SYSTEMTIME*>(Message.LParam));
}

void TMonthCalendar::MCMSetRange(TMessage& Message) {
  Message.Result =
      limits_.Write(Message.WParam, reinterpret_cast<const SYSTEMTIME*>(Message.LParam));
  if (!Message.Result) return;
  date_ = limits_.Clamp(date_);
  Invalidate();
}

void TMonthCalendar::MCMGetToday(TMessage& Message) {
  auto* st = reinterpret_cast<SYSTEMTIME*>(Message.LParam);
  if (st) *st = DateTimeToSystemTime(Today());
  Message.Result = st ? TRUE : FALSE;
}

// A null pointer goes back to the clock's date.
void TMonthCalendar::MCMSetToday(TMessage& Message) {
  TDateTime value;
  todaySet_ = ReadSystemDate(Message.LParam, 0, value);
  if (todaySet_) today_ = value;
  Invalidate();
}

void TMonthCalendar::MCMGetMinReqRect(TMessage& Message) {
  auto* r = reinterpret_cast<RECT*>(Message.LParam);
  const TSize need = RequiredSize();
  if (r) *r = RECT{0, 0, need.cx, need.cy};
  Message.Result = r ? TRUE : FALSE;
}

ZYL_MESSAGE_MAP(TMonthCalendar) {
  using C = TMonthCalendar;
  m.On(WM_GETDLGCODE, &C::WMGetDlgCode)
      .On(CM_FOCUSCHANGED, &C::CMFocusChanged)
      .On(CM_FONTCHANGED, &C::CMFontChanged)
      .On(MCM_GETCURSEL, &C::MCMGetCurSel)
      .On(MCM_SETCURSEL, &C::MCMSetCurSel)
      .On(MCM_GETRANGE, &C::MCMGetRange)
      .On(MCM_SETRANGE, &C::MCMSetRange)
      .On(MCM_GETTODAY, &C::MCMGetToday)
      .On(MCM_SETTODAY, &C::MCMSetToday)
      .On(MCM_GETMINREQRECT, &C::MCMGetMinReqRect);
}

ZYL_CLASS_IMPL(TMonthCalendar) {
  using C = TMonthCalendar;
  b.Publish({"Align", "Anchors", "Constraints"})
      .Prop("Date", &C::Date, &C::SetDate)
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled", "Font"})
      .Prop("MaxDate", &C::MaxDate, &C::SetMaxDate)
      .Prop("MinDate", &C::MinDate, &C::SetMinDate)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"})
      .Prop("ShowToday", &C::ShowToday, &C::SetShowToday)
      .Default(true)
      .Prop("ShowTodayCircle", &C::ShowTodayCircle, &C::SetShowTodayCircle)
      .Default(true)
      .Publish("TabOrder")
      .Prop("TabStop", &C::TabStop, &C::SetTabStop)
      .Default(true)
      .Publish({"Visible", "OnClick", "OnDblClick", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress",
                "OnKeyUp"});
}

}  // namespace vcl
