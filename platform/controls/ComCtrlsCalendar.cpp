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

// The border the layout leaves: BorderWidth keeps what it was given, but no screen shows a
// border wider than this, and the layout's sums stay within int.
int LayoutBorder(int32_t BorderWidth) { return std::min<int32_t>(BorderWidth, 0x3FFF); }

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

// The weekday of a day, 0 for Monday .. 6 for Sunday.
int MondayBased(TDateTime value) { return (DayOfWeek(value) + 5) % 7; }

// The first of January of a year, also of the years just outside the calendar that its first
// and last pages show.
TDateTime NewYear(int year) {
  if (year > 9999) return LastDay() + 1;
  if (year < 1) return FirstDay() - 366;
  return EncodeDate(static_cast<uint16_t>(year), 1, 1);
}

// The week of the year of the week that starts on `start`. The locale's rule says which week is
// the first: the one holding the first of January (0), the first full week (1) or the first
// with four days of the new year (2).
int WeekOfYear(TDateTime start, int firstDay, int rule) {
  const auto firstWeek = [&](int year) {
    const TDateTime jan1 = NewYear(year);
    const int before = (MondayBased(jan1) - firstDay + 7) % 7;
    TDateTime week = jan1 - before;
    if ((rule == 1 && before != 0) || (rule == 2 && 7 - before < 4)) week += 7;
    return week;
  };
  // The year of the week's last day; the days past the calendar's last year are of the next.
  const TDateTime last = start + 6;
  int year = last > LastDay() ? 10000 : 0;
  if (last >= FirstDay() && last <= LastDay()) {
    uint16_t y, m, d;
    DecodeDate(last, y, m, d);
    year = y;
  }
  TDateTime first = firstWeek(year);
  if (start < first) first = firstWeek(year - 1);
  return static_cast<int>((start - first) / 7) + 1;
}

int LocaleNumber(LCTYPE type, int fallback, int high) {
  const int n =
      StrToIntDef(GetLocaleStr(LOCALE_USER_DEFAULT, static_cast<int>(type), ""), fallback);
  return n < 0 || n > high ? fallback : n;
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// TMonthCalColors

TMonthCalColors::TMonthCalColors()
    : colors_{clWindow, clWindowText, clActiveCaption, clWhite, clWhite, clInactiveCaptionText} {}

TColor TMonthCalColors::Color(int Index) const {
  if (Index < 0 || Index >= kCount) throw ERangeError(vcl::Format(SCalColorIndex, {Index}));
  return colors_[Index];
}

void TMonthCalColors::SetColor(int Index, TColor Value) {
  if (Index < 0 || Index >= kCount) throw ERangeError(vcl::Format(SCalColorIndex, {Index}));
  if (colors_[Index] == Value) return;
  colors_[Index] = Value;
  if (OnChange) OnChange(this);
}

void TMonthCalColors::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TMonthCalColors*>(Source);
  if (!other) return TPersistent::Assign(Source);
  if (std::equal(colors_, colors_ + kCount, other->colors_)) return;
  std::copy(other->colors_, other->colors_ + kCount, colors_);
  if (OnChange) OnChange(this);
}

LRESULT TMonthCalColors::ReadColor(WPARAM Index) const {
  if (Index >= static_cast<WPARAM>(kCount)) return -1;
  return static_cast<LRESULT>(ColorToRGB(colors_[Index]));
}

LRESULT TMonthCalColors::WriteColor(WPARAM Index, LPARAM Rgb) {
  const LRESULT was = ReadColor(Index);
  if (was != -1) SetColor(static_cast<int>(Index), static_cast<TColor>(Rgb & 0xFFFFFF));
  return was;
}

ZYL_CLASS_IMPL(TMonthCalColors) {
  using C = TMonthCalColors;
  const std::pair<const char*, TColor> props[] = {{"BackColor", clWindow},
                                                  {"TextColor", clWindowText},
                                                  {"TitleBackColor", clActiveCaption},
                                                  {"TitleTextColor", clWhite},
                                                  {"MonthBackColor", clWhite},
                                                  {"TrailingTextColor", clInactiveCaptionText}};
  for (int i = 0; i < kCount; ++i)
    b.Prop(props[i].first, &C::Color, &C::SetColor, ColorTypeInfo())
        .Index(i)
        .Default(props[i].second);
}

// ---------------------------------------------------------------------------------------------
// TMonthCalendar

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csOpaque, csClickEvents, csDoubleClicks};
  SetColor(clWindow);
  SetParentColor(false);
  tabStop_ = true;
  calColors_ = new TMonthCalColors;
  calColors_->OnChange = TNotifyEvent(this, &TMonthCalendar::DoColorsChange);
  date_ = endDate_ = anchor_ = active_ = DatePart(vcl::Date());
  const TSize need = RequiredSize();
  width_ = need.cx;
  height_ = need.cy;
}

TMonthCalendar::~TMonthCalendar() { delete calColors_; }

void TMonthCalendar::DoColorsChange(TObject*) { Invalidate(); }

TDateTime TMonthCalendar::Today() const { return todaySet_ ? today_ : DatePart(vcl::Date()); }

void TMonthCalendar::SetDate(TDateTime Value) {
  Value = DatePart(InCalendar(Value));
  limits_.Check(Value);
  const bool keepEnd = multiSelect_ && endDate_ >= Value && endDate_ - Value < maxSelectRange_;
  date_ = anchor_ = Value;
  endDate_ = active_ = keepEnd ? endDate_ : Value;
  Invalidate();
}

void TMonthCalendar::SetEndDate(TDateTime Value) {
  Value = DatePart(InCalendar(Value));
  // A form file's range is checked once MultiSelect, the limits and MaxSelectRange are read.
  if (ComponentState().contains(csLoading)) {
    endDate_ = active_ = Value;
    return;
  }
  if (Value == endDate_) return;
  if (!multiSelect_) throw EDateTimeError(SCalNeedMultiSelect);
  limits_.Check(Value);
  SelectRange(date_, Value);
}

bool TMonthCalendar::RangeFits(TDateTime Start, TDateTime End) const {
  return End >= Start && End - Start < maxSelectRange_ && limits_.Contains(Start) &&
         limits_.Contains(End);
}

void TMonthCalendar::SelectRange(TDateTime Start, TDateTime End) {
  if (!RangeFits(Start, End)) throw EDateTimeError(SCalSelRange);
  date_ = anchor_ = Start;
  endDate_ = active_ = End;
  Invalidate();
}

void TMonthCalendar::SetMultiSelect(bool Value) {
  multiSelect_ = Value;
  if (!Value) endDate_ = active_ = anchor_ = date_;
  Invalidate();
}

void TMonthCalendar::SetMaxSelectRange(int32_t Value) {
  if (Value < 1) throw EDateTimeError(SCalMaxSelRange);
  maxSelectRange_ = Value;
  if (!ComponentState().contains(csLoading) && endDate_ - date_ >= Value)
    endDate_ = active_ = date_ + (Value - 1);
  Invalidate();
}

void TMonthCalendar::SetMinDate(TDateTime Value) {
  const bool loading = ComponentState().contains(csLoading);
  limits_.SetMin(Value, loading);
  if (!loading) {
    date_ = anchor_ = limits_.Clamp(date_);
    endDate_ = active_ = limits_.Clamp(endDate_);
  }
  Invalidate();
}

void TMonthCalendar::SetMaxDate(TDateTime Value) {
  const bool loading = ComponentState().contains(csLoading);
  limits_.SetMax(Value, loading);
  if (!loading) {
    date_ = anchor_ = limits_.Clamp(date_);
    endDate_ = active_ = limits_.Clamp(endDate_);
  }
  Invalidate();
}

void TMonthCalendar::Loaded() {
  inherited::Loaded();
  limits_.CheckOrder();
  date_ = anchor_ = limits_.Clamp(date_);
  endDate_ = active_ = multiSelect_ ? limits_.Clamp(endDate_) : date_;
  if (!RangeFits(date_, endDate_)) throw EDateTimeError(SCalSelRange);
  AdjustCalendarSize();
}

void TMonthCalendar::SetFirstDayOfWeek(TCalDayOfWeek Value) {
  firstDayOfWeek_ = Value;
  Invalidate();
}

int TMonthCalendar::FirstColumnDay() const {
  if (firstDayOfWeek_ != dowLocaleDefault) return static_cast<int>(firstDayOfWeek_);
  return LocaleNumber(LOCALE_IFIRSTDAYOFWEEK, 6, 6);
}

void TMonthCalendar::SetWeekNumbers(bool Value) {
  weekNumbers_ = Value;
  AdjustCalendarSize();
  Invalidate();
}

int TMonthCalendar::WeekNumber(int Row) const {
  return WeekOfYear(FirstShownDay() + 7 * Row, FirstColumnDay(),
                    LocaleNumber(LOCALE_IFIRSTWEEKOFYEAR, 0, 2));
}

void TMonthCalendar::SetAutoSize(bool Value) {
  autoSize_ = Value;
  AdjustCalendarSize();
}

void TMonthCalendar::SetBorderWidth(int32_t Value) {
  if (Value < 0) throw ERangeError(vcl::Format(SCalBorderWidth, {Value}));
  TWinControl::SetBorderWidth(Value);
  AdjustCalendarSize();
}

void TMonthCalendar::AdjustCalendarSize() {
  if (!autoSize_ || ComponentState().contains(csLoading)) return;
  const TSize need = RequiredSize();
  if (need.cx != width_ || need.cy != height_) SetBounds(left_, top_, need.cx, need.cy);
}

bool TMonthCalendar::CanResize(int& NewWidth, int& NewHeight) {
  if (autoSize_ && !ComponentState().contains(csLoading)) {
    const TSize need = RequiredSize();
    NewWidth = need.cx;
    NewHeight = need.cy;
  }
  return inherited::CanResize(NewWidth, NewHeight);
}

void TMonthCalendar::SetOnGetMonthInfo(const TOnGetMonthInfoEvent& Value) {
  onGetMonthInfo_ = Value;
  boldValid_ = false;
  Invalidate();
}

void TMonthCalendar::BoldDays(std::initializer_list<uint32_t> Days, uint32_t& MonthBoldInfo) {
  for (uint32_t day : Days)
    if (day >= 1 && day <= 31) MonthBoldInfo |= uint32_t{1} << (day - 1);
}

uint32_t TMonthCalendar::BoldInfo(TDateTime Value) {
  uint16_t y, m, d, py, pm;
  DecodeDate(PageDate(), py, pm, d);
  DecodeDate(Value, y, m, d);
  const int index = (int{y} * 12 + m) - (int{py} * 12 + pm) + 1;  // 0: the month before
  if (index < 0 || index > 2) return 0;
  const TDateTime page = FirstShownDay();
  if (!boldValid_ || boldPage_ != page) {
    boldValid_ = true;
    boldPage_ = page;
    for (int i = 0; i < 3; ++i) {
      bold_[i] = 0;
      const int month = (pm - 1 + (i - 1) + 12) % 12 + 1;
      if (onGetMonthInfo_) onGetMonthInfo_(this, static_cast<uint32_t>(month), bold_[i]);
    }
  }
  return bold_[index];
}

bool TMonthCalendar::IsBold(TDateTime Value) {
  // The days the first and last pages show beyond the calendar's years belong to no month.
  if (Value < FirstDay() || Value > LastDay()) return false;
  uint16_t y, m, d;
  DecodeDate(Value, y, m, d);
  return (BoldInfo(Value) >> (d - 1)) & 1u;
}

void TMonthCalendar::SetShowToday(bool Value) {
  showToday_ = Value;
  AdjustCalendarSize();
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
  return TSize{TitleRect().Right + LayoutBorder(borderWidth_),
               today.Bottom + kGap + LayoutBorder(borderWidth_)};
}

int TMonthCalendar::GridLeft() {
  return LayoutBorder(borderWidth_) + kMargin + (weekNumbers_ ? CellWidth() : 0);
}

TRect TMonthCalendar::TitleRect() {
  const int b = LayoutBorder(borderWidth_);
  return TRect{b, b, GridLeft() + 7 * CellWidth() + kMargin, b + CellHeight() + 2 * kTitlePad + 2};
}

TRect TMonthCalendar::ArrowRect(bool Next) {
  const TRect title = TitleRect();
  const int side = title.Height() - 2 * kTitlePad;
  const int left = Next ? title.Right - kTitlePad - side : title.Left + kTitlePad;
  return TRect{left, title.Top + kTitlePad, left + side, title.Top + kTitlePad + side};
}

// Row -1 is the line of day names.
TRect TMonthCalendar::DayCellRect(int Row, int Column) {
  const int w = CellWidth(), h = CellHeight();
  const int namesTop = TitleRect().Bottom + kGap;
  const int top = Row < 0 ? namesTop : namesTop + h + kGap + Row * h;
  const int left = GridLeft() + Column * w;
  return TRect{left, top, left + w, top + h};
}

TRect TMonthCalendar::WeekNumberRect(int Row) {
  const TRect day = DayCellRect(Row, 0);
  return TRect{LayoutBorder(borderWidth_) + kMargin, day.Top, day.Left, day.Bottom};
}

TRect TMonthCalendar::TodayRect() {
  const TRect last = DayCellRect(5, 6);
  return TRect{LayoutBorder(borderWidth_) + kMargin, last.Bottom + kGap, last.Right,
               showToday_ ? last.Bottom + kGap + CellHeight() : last.Bottom};
}

bool TMonthCalendar::DayAt(int X, int Y, TDateTime& Value) {
  const TPoint p{X, Y};
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 7; ++col) {
      const TRect r = DayCellRect(row, col);
      if (!PtInRect(&r, p)) continue;
      Value = FirstShownDay() + row * 7 + col;
      return true;
    }
  return false;
}

TDateTime TMonthCalendar::FirstShownDay() const {
  uint16_t y, m, d;
  DecodeDate(PageDate(), y, m, d);
  const TDateTime first = EncodeDate(y, m, 1);
  return first - (MondayBased(first) - FirstColumnDay() + 7) % 7;
}

void TMonthCalendar::Paint() {
  TCanvas* c = canvas_;
  const TMonthCalColors& colors = *calColors_;
  c->Font()->Assign(font_);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(colors.BackColor());
  c->FillRect(TRect{0, 0, width_, height_});

  uint16_t year, month, day;
  DecodeDate(PageDate(), year, month, day);
  const TRect title = TitleRect();
  const TRect lastRow = DayCellRect(5, 6);
  c->Brush()->SetColor(colors.MonthBackColor());
  c->FillRect(TRect{title.Left, title.Bottom, title.Right, lastRow.Bottom});
  c->Brush()->SetColor(colors.TitleBackColor());
  c->FillRect(title);
  for (bool next : {false, true}) {
    TRect r = ArrowRect(next);
    DrawFrameControl(c->Handle(), &r, DFC_SCROLL, next ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
  }
  const std::string heading = FormatSettings.LongMonthNames[month] + " " + IntToStr(year);
  c->Font()->SetColor(colors.TitleTextColor());
  c->Font()->SetStyle({fsBold});
  c->Brush()->SetStyle(bsClear);
  c->TextOut(title.Left + (title.Width() - c->TextWidth(heading)) / 2,
             title.Top + (title.Height() - c->TextHeight(heading)) / 2, heading);
  c->Font()->Assign(font_);

  // The day names over a line, from the first day of the week on.
  c->Font()->SetColor(colors.TitleBackColor());
  const int firstDay = FirstColumnDay();
  for (int col = 0; col < 7; ++col) {
    const TRect r = DayCellRect(-1, col);
    const std::string& name = FormatSettings.ShortDayNames[(firstDay + col + 1) % 7 + 1];
    c->TextOut(r.Right - 3 - c->TextWidth(name), r.Top, name);
  }
  const int lineY = DayCellRect(-1, 0).Bottom;
  const int gridLeft = GridLeft();
  c->Pen()->SetColor(clBtnShadow);
  c->MoveTo(gridLeft, lineY);
  c->LineTo(lastRow.Right, lineY);
  if (weekNumbers_) {
    c->MoveTo(gridLeft - 1, DayCellRect(0, 0).Top);
    c->LineTo(gridLeft - 1, lastRow.Bottom);
    for (int row = 0; row < 6; ++row) {
      const TRect r = WeekNumberRect(row);
      const std::string text = IntToStr(WeekNumber(row));
      c->TextOut(r.Right - 4 - c->TextWidth(text), r.Top + 1, text);
    }
  }

  const TDateTime first = FirstShownDay(), today = Today();
  paintedToday_ = today;
  WatchToday();
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 7; ++col) {
      const TDateTime value = first + row * 7 + col;
      uint16_t y, m, d;
      DecodeDate(value, y, m, d);
      const TRect r = DayCellRect(row, col);
      const bool selected = value >= date_ && value <= endDate_;
      if (selected) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(colors.TitleBackColor());
        c->FillRect(r);
        c->Brush()->SetStyle(bsClear);
      }
      TColor ink = selected ? colors.TitleTextColor() : colors.TextColor();
      if (m != month && !selected) ink = colors.TrailingTextColor();
      if (!limits_.Contains(value)) ink = clGrayText;
      c->Font()->SetColor(ink);
      c->Font()->SetStyle(IsBold(value) ? TFontStyles{fsBold} : TFontStyles{});
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
    c->Font()->SetColor(colors.TextColor());
    c->Font()->SetStyle({fsBold});
    c->TextOut(x, r.Top + 1, std::string(SToday) + " " + DateToStr(today));
  }
}

namespace {

constexpr win::UINT_PTR kTodayTimer = 1;
constexpr double kMsPerDay = 86400000.0;
// The longest wait between two looks at the clock's date.
constexpr double kTodayCheckMs = 60000.0;

}  // namespace

void TMonthCalendar::WatchToday() {
  if (!HandleAllocated()) return;
  if (todaySet_ || (!showToday_ && !showTodayCircle_)) {
    win::KillTimer(Handle(), kTodayTimer);
    return;
  }
  const TDateTime now = vcl::Now();
  const double toMidnight = (std::floor(now) + 1 - now) * kMsPerDay;
  const double wait = std::clamp(std::ceil(toMidnight), 1.0, kTodayCheckMs);
  win::SetTimer(Handle(), kTodayTimer, static_cast<win::UINT>(wait), nullptr);
}

void TMonthCalendar::WMTimer(TMessage& Message) {
  if (Message.WParam != kTodayTimer) return;
  if (Today() != paintedToday_) Invalidate();
  WatchToday();
}

bool TMonthCalendar::ClickAt(int X, int Y, TShiftState Shift) {
  const TPoint p{X, Y};
  for (bool next : {false, true}) {
    const TRect r = ArrowRect(next);
    if (PtInRect(&r, p)) {
      // The selection pages with its length.
      const TDateTime start = AddMonths(date_, next ? 1 : -1);
      UserSelectRange(start, start + (endDate_ - date_), false);
      return false;
    }
  }
  TDateTime value;
  if (DayAt(X, Y, value)) {
    if (!limits_.Contains(value)) return false;
    if (multiSelect_ && Shift.contains(ssShift))
      UserSelectRange(anchor_, value, true);
    else
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
  // Shift with MultiSelect moves the selection's far end, else the whole selection moves.
  const bool stretch = multiSelect_ && Shift.contains(ssShift);
  const TDateTime from = stretch ? active_ : date_;
  uint16_t y, m, d;
  DecodeDate(from, y, m, d);
  TDateTime target = from;
  const int months = Shift.contains(ssCtrl) ? 12 : 1;
  switch (Key) {
    case VK_LEFT: target -= 1; break;
    case VK_RIGHT: target += 1; break;
    case VK_UP: target -= 7; break;
    case VK_DOWN: target += 7; break;
    case VK_PRIOR: target = AddMonths(from, -months); break;
    case VK_NEXT: target = AddMonths(from, months); break;
    case VK_HOME: target = EncodeDate(y, m, 1); break;
    case VK_END: target = EncodeDate(y, m, static_cast<uint16_t>(MonthDays(y, m))); break;
    default: return false;
  }
  if (stretch)
    UserSelectRange(anchor_, target, false);
  else
    UserSelect(target, false);
  return true;
}

void TMonthCalendar::UserSelect(TDateTime Value, bool Picked) {
  UserSelectRange(Value, Value, Picked);
}

void TMonthCalendar::UserSelectRange(TDateTime Anchor, TDateTime Active, bool Picked) {
  Anchor = limits_.Clamp(Anchor);
  Active = limits_.Clamp(Active);
  if (!multiSelect_) Anchor = Active;
  const TDateTime most = maxSelectRange_ - 1;
  Active = std::clamp(Active, Anchor - most, Anchor + most);
  anchor_ = Anchor;
  active_ = Active;
  const TDateTime start = std::min(Anchor, Active), end = std::max(Anchor, Active);
  if (start != date_ || end != endDate_) {
    date_ = start;
    endDate_ = end;
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
  nm.stSelStart = DateTimeToSystemTime(date_);
  nm.stSelEnd = DateTimeToSystemTime(endDate_);
  SendMessageA(parent_->Handle(), WM_NOTIFY, nm.nmhdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

void TMonthCalendar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key != 0 && StepByKey(Key, Shift)) Key = 0;
}

void TMonthCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && enabled_) {
    if (CanFocus() && !Focused()) SetFocus();
    // With MultiSelect a day picked (without Shift) starts a range the mouse stretches until
    // released; the page stays meanwhile.
    const TDateTime page = date_;
    const bool picked = ClickAt(X, Y, Shift);
    dragging_ = picked && multiSelect_ && !Shift.contains(ssShift);
    dragPage_ = page;
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TMonthCalendar::MouseMove(TShiftState Shift, int X, int Y) {
  TDateTime value;
  if (dragging_ && DayAt(X, Y, value) && value != active_) UserSelectRange(anchor_, value, false);
  TCustomControl::MouseMove(Shift, X, Y);
}

void TMonthCalendar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && dragging_) {
    dragging_ = false;
    Invalidate();
    if (active_ != anchor_) Notify(MCN_SELECT);
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TMonthCalendar::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }
void TMonthCalendar::CMFocusChanged(TCMFocusChanged& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}
void TMonthCalendar::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  AdjustCalendarSize();
  Invalidate();
}

void TMonthCalendar::MCMGetCurSel(TMessage& Message) {
  auto* st = reinterpret_cast<SYSTEMTIME*>(Message.LParam);
  if (st) *st = DateTimeToSystemTime(date_);
  Message.Result = st ? TRUE : FALSE;
}

// A calendar with MultiSelect takes its selection by MCM_SETSELRANGE.
void TMonthCalendar::MCMSetCurSel(TMessage& Message) {
  TDateTime value;
  Message.Result = FALSE;
  if (multiSelect_ || !ReadSystemDate(Message.LParam, 0, value) || !limits_.Contains(value)) return;
  date_ = endDate_ = anchor_ = active_ = value;
  Invalidate();
  Message.Result = TRUE;
}

void TMonthCalendar::MCMGetSelRange(TMessage& Message) {
  auto* st = reinterpret_cast<SYSTEMTIME*>(Message.LParam);
  Message.Result = FALSE;
  if (!multiSelect_ || !st) return;
  st[0] = DateTimeToSystemTime(date_);
  st[1] = DateTimeToSystemTime(endDate_);
  Message.Result = TRUE;
}

// The two days in either order; FALSE without MultiSelect or for a range the calendar
// cannot hold.
void TMonthCalendar::MCMSetSelRange(TMessage& Message) {
  TDateTime a, b;
  Message.Result = FALSE;
  if (!multiSelect_ || !ReadSystemDate(Message.LParam, 0, a) ||
      !ReadSystemDate(Message.LParam, 1, b) || !RangeFits(std::min(a, b), std::max(a, b)))
    return;
  SelectRange(std::min(a, b), std::max(a, b));
  Message.Result = TRUE;
}

void TMonthCalendar::MCMGetMaxSelCount(TMessage& Message) { Message.Result = maxSelectRange_; }

void TMonthCalendar::MCMSetMaxSelCount(TMessage& Message) {
  const auto count = static_cast<LRESULT>(Message.WParam);
  Message.Result = FALSE;
  if (!multiSelect_ || count < 1 || count > INT32_MAX) return;
  SetMaxSelectRange(static_cast<int32_t>(count));
  Message.Result = TRUE;
}

void TMonthCalendar::MCMGetColor(TMessage& Message) {
  Message.Result = calColors_->ReadColor(Message.WParam);
}

void TMonthCalendar::MCMSetColor(TMessage& Message) {
  Message.Result = calColors_->WriteColor(Message.WParam, Message.LParam);
}

// The first column's weekday (0 Monday .. 6 Sunday), with 1 in the high word when it is set
// rather than the locale's.
void TMonthCalendar::MCMGetFirstDayOfWeek(TMessage& Message) {
  Message.Result = static_cast<LRESULT>(FirstColumnDay()) |
                   (firstDayOfWeek_ != dowLocaleDefault ? LRESULT{1} << 16 : 0);
}

// lParam 0 .. 6 sets the weekday, -1 goes back to the locale's; answers as MCM_GETFIRSTDAYOFWEEK
// did before.
void TMonthCalendar::MCMSetFirstDayOfWeek(TMessage& Message) {
  const auto day = static_cast<LRESULT>(Message.LParam);
  MCMGetFirstDayOfWeek(Message);
  SetFirstDayOfWeek(day >= 0 && day <= 6 ? static_cast<TCalDayOfWeek>(day) : dowLocaleDefault);
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
      .On(MCM_GETMINREQRECT, &C::MCMGetMinReqRect)
      .On(MCM_GETSELRANGE, &C::MCMGetSelRange)
      .On(MCM_SETSELRANGE, &C::MCMSetSelRange)
      .On(MCM_GETMAXSELCOUNT, &C::MCMGetMaxSelCount)
      .On(MCM_SETMAXSELCOUNT, &C::MCMSetMaxSelCount)
      .On(MCM_GETCOLOR, &C::MCMGetColor)
      .On(MCM_SETCOLOR, &C::MCMSetColor)
      .On(MCM_GETFIRSTDAYOFWEEK, &C::MCMGetFirstDayOfWeek)
      .On(MCM_SETFIRSTDAYOFWEEK, &C::MCMSetFirstDayOfWeek)
      .On(WM_TIMER, &C::WMTimer);
}

ZYL_CLASS_IMPL(TMonthCalendar) {
  using C = TMonthCalendar;
  b.Publish({"Align", "Anchors"})
      .Prop("AutoSize", &C::AutoSize, &C::SetAutoSize)
      .Default(false)
      .Publish("BiDiMode")
      .Prop("BorderWidth", &C::BorderWidth, &C::SetBorderWidth)
      .Default(0)
      .Prop("CalColors", &C::CalColors, &C::SetCalColors)
      .Publish("Constraints")
      // Read before the days, which it decides how to take.
      .Prop("MultiSelect", &C::MultiSelect, &C::SetMultiSelect)
      .Default(false)
      // The calendar starts on today: day 0 is written too.
      .Prop("Date", &C::Date, &C::SetDate)
      .EmptyStored()
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled"})
      .Prop("EndDate", &C::EndDate, &C::SetEndDate)
      .Stored(&C::IsEndDateStored)
      .Prop("FirstDayOfWeek", &C::FirstDayOfWeek, &C::SetFirstDayOfWeek)
      .Default(dowLocaleDefault)
      .Publish({"Font", "ImeMode", "ImeName"})
      .Prop("MaxDate", &C::MaxDate, &C::SetMaxDate)
      .Prop("MaxSelectRange", &C::MaxSelectRange, &C::SetMaxSelectRange)
      .Default(31)
      .Prop("MinDate", &C::MinDate, &C::SetMinDate)
      .Publish({"ParentBiDiMode", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"})
      .Prop("ShowToday", &C::ShowToday, &C::SetShowToday)
      .Default(true)
      .Prop("ShowTodayCircle", &C::ShowTodayCircle, &C::SetShowTodayCircle)
      .Default(true)
      .Publish("TabOrder")
      .Prop("TabStop", &C::TabStop, &C::SetTabStop)
      .Default(true)
      .Publish("Visible")
      .Prop("WeekNumbers", &C::WeekNumbers, &C::SetWeekNumbers)
      .Default(false)
      .Publish({"OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnEnter", "OnExit"})
      .Prop("OnGetMonthInfo", &C::OnGetMonthInfo, &C::SetOnGetMonthInfo)
      .Publish({"OnKeyDown", "OnKeyPress", "OnKeyUp", "OnStartDock", "OnStartDrag"});
}

}  // namespace vcl
