// The month calendar's colours, first weekday, week numbers and range selection, and the
// picker's drop-down alignment, colours and user text: what they draw, how they act and how
// a form file keeps them.
#include <functional>
#include <utility>

#include "DateCtrlsTestSupport.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "tests/support/ErrorOf.h"

namespace vcl::testing {
namespace {

// A locale value set for one test and put back afterwards.
class TLocaleValue {
 public:
  TLocaleValue(win::LCTYPE type, const char* value)
      : type_(type), old_(GetLocaleStr(win::LOCALE_USER_DEFAULT, static_cast<int>(type), "")) {
    win::SetLocaleInfoA(win::LOCALE_USER_DEFAULT, type, value);
  }
  ~TLocaleValue() { win::SetLocaleInfoA(win::LOCALE_USER_DEFAULT, type_, old_.c_str()); }

 private:
  win::LCTYPE type_;
  std::string old_;
};

// A client rectangle of a control placed at (10, 10) on the form, in form coordinates.
TRect OnForm(const TRect& r) { return TRect{10 + r.Left, 10 + r.Top, 10 + r.Right, 10 + r.Bottom}; }

TPoint Middle(const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

int MondayBasedWeekday(TDateTime value) { return (DayOfWeek(value) + 5) % 7; }

// An event handler made of a function, for events with arguments of their own.
template <class Signature>
class TSink;
template <class... A>
class TSink<void(A...)> : public TObject {
 public:
  explicit TSink(std::function<void(A...)> f) : f_(std::move(f)) {}
  void Call(A... a) { f_(a...); }

 private:
  std::function<void(A...)> f_;
};
using TMonthInfoSink = TSink<void(TObject*, uint32_t, uint32_t&)>;
using TUserInputSink = TSink<void(TObject*, const std::string&, TDateTime&, bool&)>;

// How many pixels of an area have a colour.
int CountOf(const TCapture& cap, const TRect& area, TColor color) {
  int n = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) n += cap.Color(x, y) == Rgb(color);
  return n;
}

class CalendarPropsTest : public DateCtrlsTest {
 protected:
  // The calendar sized again to what it needs after a change of its parts.
  void Fit(TMonthCalendar* cal) {
    const TSize need = cal->RequiredSize();
    cal->SetBounds(10, 10, need.cx, need.cy);
    Idle();
  }
};

// ---------------------------------------------------------------------------------------------
// Defaults

TEST_F(CalendarPropsTest, NewControlsStartWithTheDefaultsTheyPublish) {
  auto* cal = Calendar(At(2024, 2, 10));
  EXPECT_FALSE(cal->MultiSelect());
  EXPECT_EQ(cal->MaxSelectRange(), 31);
  EXPECT_EQ(cal->FirstDayOfWeek(), dowLocaleDefault);
  EXPECT_FALSE(cal->WeekNumbers());
  EXPECT_FALSE(cal->AutoSize());
  EXPECT_DOUBLE_EQ(cal->EndDate(), cal->Date());
  const std::pair<int, TColor> colors[] = {
      {win::MCSC_BACKGROUND, clWindow},     {win::MCSC_TEXT, clWindowText},
      {win::MCSC_TITLEBK, clActiveCaption}, {win::MCSC_TITLETEXT, clWhite},
      {win::MCSC_MONTHBK, clWhite},         {win::MCSC_TRAILINGTEXT, clInactiveCaptionText}};
  auto* p = Add<TDateTimePicker>(10, 200, 186, 21);
  for (auto [index, color] : colors) {
    EXPECT_EQ(cal->CalColors()->Color(index), color) << index;
    EXPECT_EQ(p->CalColors()->Color(index), color) << index;
  }
  EXPECT_EQ(p->CalAlignment(), dtaLeft);
  EXPECT_FALSE(p->ParseInput());
  EXPECT_EQ(testsupport::ErrorOf<ERangeError>([&] { cal->CalColors()->SetColor(6, clRed); }),
            "Calendar colour index out of range (6)");
}

// ---------------------------------------------------------------------------------------------
// The first day of the week

struct TFirstDayCase {
  const char* Name;
  TCalDayOfWeek Day;
  const char* Locale;  // the locale's first weekday, 0 Monday .. 6 Sunday
  TDateTime First;     // the first day the page of 10 February 2024 shows
};
class CalendarFirstDayTest : public CalendarPropsTest,
                             public ::testing::WithParamInterface<TFirstDayCase> {};

// February 2024 begins on a Thursday.
TEST_P(CalendarFirstDayTest, ThePageStartsOnTheChosenWeekday) {
  const TFirstDayCase& c = GetParam();
  TLocaleValue locale(win::LOCALE_IFIRSTDAYOFWEEK, c.Locale);
  auto* cal = Calendar(At(2024, 2, 10));
  cal->SetFirstDayOfWeek(c.Day);
  EXPECT_DOUBLE_EQ(cal->FirstShownDay(), c.First)
      << FormatDateTime("yyyy-mm-dd", cal->FirstShownDay());
  EXPECT_EQ(MondayBasedWeekday(c.First), cal->FirstColumnDay());
  const win::LRESULT asked = win::SendMessageA(cal->Handle(), win::MCM_GETFIRSTDAYOFWEEK, 0, 0);
  EXPECT_EQ(asked & 0xFFFF, cal->FirstColumnDay());
  EXPECT_EQ(asked >> 16, c.Day == dowLocaleDefault ? 0 : 1);
  // The first cell picks that day.
  Idle();
  const TRect r = cal->DayCellRect(0, 0);
  ClickOn(cal, r.Left + 3, r.Top + 3);
  EXPECT_DOUBLE_EQ(cal->Date(), c.First);
}

INSTANTIATE_TEST_SUITE_P(
    Days, CalendarFirstDayTest,
    ::testing::Values(TFirstDayCase{"Monday", dowMonday, "6", At(2024, 1, 29)},
                      TFirstDayCase{"Thursday", dowThursday, "6", At(2024, 2, 1)},
                      TFirstDayCase{"Friday", dowFriday, "6", At(2024, 1, 26)},
                      TFirstDayCase{"Sunday", dowSunday, "0", At(2024, 1, 28)},
                      TFirstDayCase{"LocaleSunday", dowLocaleDefault, "6", At(2024, 1, 28)},
                      TFirstDayCase{"LocaleMonday", dowLocaleDefault, "0", At(2024, 1, 29)},
                      TFirstDayCase{"LocaleThursday", dowLocaleDefault, "3", At(2024, 2, 1)}),
    [](const ::testing::TestParamInfo<TFirstDayCase>& i) { return std::string(i.param.Name); });

TEST_F(CalendarPropsTest, TheFirstWeekdayIsSetByMessageAndBackToTheLocale) {
  auto* cal = Calendar(At(2024, 2, 10));
  EXPECT_EQ(win::SendMessageA(cal->Handle(), win::MCM_SETFIRSTDAYOFWEEK, 0, 0), 6);
  EXPECT_EQ(cal->FirstDayOfWeek(), dowMonday);
  EXPECT_EQ(win::SendMessageA(cal->Handle(), win::MCM_SETFIRSTDAYOFWEEK, 0, -1), 0 | (1 << 16));
  EXPECT_EQ(cal->FirstDayOfWeek(), dowLocaleDefault);
}

// ---------------------------------------------------------------------------------------------
// Week numbers

struct TWeekCase {
  const char* Name;
  TCalDayOfWeek Day;
  const char* Rule;  // the locale's first week: 0 holds 1 January, 1 first full, 2 four days
  TDateTime Date;
  int Row, Week;
};
class CalendarWeekTest : public CalendarPropsTest,
                         public ::testing::WithParamInterface<TWeekCase> {};

TEST_P(CalendarWeekTest, RowsShowTheirWeekOfTheYear) {
  const TWeekCase& c = GetParam();
  TLocaleValue rule(win::LOCALE_IFIRSTWEEKOFYEAR, c.Rule);
  auto* cal = Calendar(c.Date);
  cal->SetFirstDayOfWeek(c.Day);
  cal->SetWeekNumbers(true);
  EXPECT_EQ(cal->WeekNumber(c.Row), c.Week);
}

INSTANTIATE_TEST_SUITE_P(
    Weeks, CalendarWeekTest,
    ::testing::Values(
        // 1 January 2024 is a Monday: Sunday weeks start the year on 31 December 2023.
        TWeekCase{"SundayFebruaryFirstRow", dowSunday, "0", At(2024, 2, 10), 0, 5},
        TWeekCase{"SundayFebruaryLastRow", dowSunday, "0", At(2024, 2, 10), 5, 10},
        TWeekCase{"SundayDecemberBeforeTheNewYear", dowSunday, "0", At(2024, 12, 10), 3, 52},
        TWeekCase{"SundayDecemberWithTheNewYear", dowSunday, "0", At(2024, 12, 10), 4, 1},
        // 1 January 2021 is a Friday.
        TWeekCase{"FourDaysLastYearsWeek", dowMonday, "2", At(2021, 1, 15), 0, 53},
        TWeekCase{"FourDaysFirstWeek", dowMonday, "2", At(2021, 1, 15), 1, 1},
        TWeekCase{"FullWeekLastYearsWeek", dowMonday, "1", At(2021, 1, 15), 0, 52},
        TWeekCase{"FullWeekFirstWeek", dowMonday, "1", At(2021, 1, 15), 1, 1},
        TWeekCase{"HoldingTheFirstOfJanuary", dowMonday, "0", At(2021, 1, 15), 0, 1},
        // 1 January 2015 is a Thursday: its week has four days of the new year.
        TWeekCase{"FourDaysFromDecember", dowMonday, "2", At(2015, 1, 10), 0, 1},
        // The first and last pages of the calendar reach outside its years.
        TWeekCase{"FirstPage", dowSunday, "0", At(1, 1, 1), 0, 1},
        TWeekCase{"LastPageWeekOfTheNextYear", dowSunday, "0", At(9999, 12, 31), 4, 1},
        TWeekCase{"LastPageSecondWeek", dowSunday, "0", At(9999, 12, 31), 5, 2}),
    [](const ::testing::TestParamInfo<TWeekCase>& i) { return std::string(i.param.Name); });

TEST_F(CalendarPropsTest, WeekNumbersTakeAColumnLeftOfTheDays) {
  auto* cal = Calendar(At(2024, 2, 10));
  const TSize narrow = cal->RequiredSize();
  const TRect firstCell = cal->DayCellRect(0, 0);
  cal->SetWeekNumbers(true);
  Fit(cal);
  EXPECT_EQ(cal->RequiredSize().cx, narrow.cx + firstCell.Width());
  EXPECT_EQ(cal->RequiredSize().cy, narrow.cy);
  EXPECT_EQ(cal->DayCellRect(0, 0).Left, firstCell.Left + firstCell.Width());
  EXPECT_EQ(cal->WeekNumberRect(0).Right, cal->DayCellRect(0, 0).Left);
  const TCapture cap = Capture();
  WritePng(cap, "/tmp/zyl_month_calendar_weeks.png");
  // The numbers are drawn in the title's colour in their column, on every row.
  for (int row = 0; row < 6; ++row)
    EXPECT_FALSE(Blank(
        InkBox(cap, OnForm(cal->WeekNumberRect(row)), Is(cal->CalColors()->TitleBackColor()))))
        << row;
  // Clicks on the days still pick them: row 2, column 1 is Monday 12 February.
  const TRect r = cal->DayCellRect(2, 1);
  ClickOn(cal, r.Left + 3, r.Top + 3);
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 12));
}

// ---------------------------------------------------------------------------------------------
// Colours

struct TColorPart {
  const char* Name;
  int Index;                       // MCSC_
  TRect (*Area)(TMonthCalendar*);  // client coordinates
};

TEST_F(CalendarPropsTest, EachCalendarColourPaintsItsPart) {
  auto* cal = Calendar(At(2024, 2, 21));
  cal->SetShowTodayCircle(false);
  const std::pair<int, TColor> set[] = {
      {win::MCSC_BACKGROUND, clLime}, {win::MCSC_TEXT, clNavy},
      {win::MCSC_TITLEBK, clMaroon},  {win::MCSC_TITLETEXT, clYellow},
      {win::MCSC_MONTHBK, clAqua},    {win::MCSC_TRAILINGTEXT, clFuchsia}};
  for (auto [index, color] : set) cal->CalColors()->SetColor(index, color);
  Idle();
  const TCapture cap = Capture();
  WritePng(cap, "/tmp/zyl_month_calendar_colors.png");
  // Where each colour shows: the gap under the today line; a day of February (Sunday 11) and
  // the title band; the selected day (Wednesday 21) and the heading; a February day's free
  // corner; the days of January on the first row.
  const TColorPart parts[] = {
      {"background", win::MCSC_BACKGROUND,
       [](TMonthCalendar* c) {
         return TRect{0, c->Height() - 1, c->Width(), c->Height()};
       }},
      {"text", win::MCSC_TEXT, [](TMonthCalendar* c) { return c->DayCellRect(2, 0); }},
      {"title", win::MCSC_TITLEBK, [](TMonthCalendar* c) { return c->TitleRect(); }},
      {"selected day", win::MCSC_TITLEBK, [](TMonthCalendar* c) { return c->DayCellRect(3, 3); }},
      {"heading", win::MCSC_TITLETEXT, [](TMonthCalendar* c) { return c->TitleRect(); }},
      {"selected text", win::MCSC_TITLETEXT,
       [](TMonthCalendar* c) { return c->DayCellRect(3, 3); }},
      {"month", win::MCSC_MONTHBK,
       [](TMonthCalendar* c) {
         const TRect r = c->DayCellRect(2, 2);
         return TRect{r.Left, r.Top, r.Left + 2, r.Top + 2};
       }},
      {"trailing", win::MCSC_TRAILINGTEXT, [](TMonthCalendar* c) {
         const TRect a = c->DayCellRect(0, 0), b = c->DayCellRect(0, 3);
         return TRect{a.Left, a.Top, b.Right, b.Bottom};
       }}};
  for (const TColorPart& part : parts) {
    const TRect area = OnForm(part.Area(cal));
    EXPECT_GT(CountOf(cap, area, cal->CalColors()->Color(part.Index)), 0) << part.Name;
  }
  // The whole gap is the background, the corner the month's background.
  EXPECT_EQ(CountOf(cap, OnForm(parts[0].Area(cal)), clLime), cal->Width());
  EXPECT_EQ(CountOf(cap, OnForm(parts[6].Area(cal)), clAqua), 4);
  // Days of January are not in February's text colour, and February's not in the trailing one.
  EXPECT_EQ(CountOf(cap, OnForm(parts[7].Area(cal)), clNavy), 0);
  EXPECT_EQ(CountOf(cap, OnForm(parts[1].Area(cal)), clFuchsia), 0);
}

TEST_F(CalendarPropsTest, ColourMessagesAnswerRgbAndTheColourBefore) {
  auto* cal = Calendar(At(2024, 2, 21));
  const win::HWND h = cal->Handle();
  EXPECT_EQ(win::SendMessageA(h, win::MCM_GETCOLOR, win::MCSC_TITLEBK, 0),
            static_cast<win::LRESULT>(Rgb(clActiveCaption)));
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETCOLOR, win::MCSC_TITLEBK, Rgb(clGreen)),
            static_cast<win::LRESULT>(Rgb(clActiveCaption)));
  EXPECT_EQ(cal->CalColors()->TitleBackColor(), clGreen);
  EXPECT_EQ(win::SendMessageA(h, win::MCM_GETCOLOR, 6, 0), -1);
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETCOLOR, 99, Rgb(clRed)), -1);
  auto* p = Add<TDateTimePicker>(10, 200, 186, 21);
  Idle();
  EXPECT_EQ(win::SendMessageA(p->Handle(), win::DTM_SETMCCOLOR, win::MCSC_MONTHBK, Rgb(clSilver)),
            static_cast<win::LRESULT>(Rgb(clWhite)));
  EXPECT_EQ(p->CalColors()->MonthBackColor(), clSilver);
  EXPECT_EQ(win::SendMessageA(p->Handle(), win::DTM_GETMCCOLOR, win::MCSC_MONTHBK, 0),
            static_cast<win::LRESULT>(Rgb(clSilver)));
  EXPECT_EQ(win::SendMessageA(p->Handle(), win::DTM_GETMCCOLOR, 7, 0), -1);
}

// ---------------------------------------------------------------------------------------------
// The picker's drop-down

TEST_F(CalendarPropsTest, ThePickersColoursDrawItsDropDownCalendar) {
  auto* p = Picker(At(2024, 2, 10));
  p->CalColors()->SetColor(win::MCSC_TITLEBK, clMaroon);
  Press(win::VK_F4);
  ASSERT_TRUE(p->DroppedDown());
  EXPECT_EQ(p->DropDownCalendar()->CalColors()->TitleBackColor(), clMaroon);
  TCapture screen = CaptureScreen();
  const TPoint below = p->ClientToScreen({30, p->Height() + 4});
  EXPECT_EQ(screen.Color(below.X, below.Y), Rgb(clMaroon));
  // A colour changed while it is open shows at once.
  p->CalColors()->SetColor(win::MCSC_TITLEBK, clGreen);
  Idle();
  screen = CaptureScreen();
  EXPECT_EQ(screen.Color(below.X, below.Y), Rgb(clGreen));
}

class PickerAlignmentTest : public CalendarPropsTest,
                            public ::testing::WithParamInterface<TDTCalAlignment> {};

TEST_P(PickerAlignmentTest, TheCalendarLinesUpWithTheChosenEdge) {
  auto* p = Picker(At(2024, 2, 10));
  p->SetCalAlignment(GetParam());
  // Away from the screen's left edge, so that a calendar wider than the picker lined up with
  // its right edge has room on the screen (at the edge it is moved onto the screen).
  form_->SetBounds(100, form_->Top(), form_->Width(), form_->Height());
  Idle();
  Press(win::VK_F4);
  ASSERT_TRUE(p->DroppedDown());
  win::RECT r;
  win::GetWindowRect(p->DropDownCalendar()->Handle(), &r);
  const TPoint topLeft = p->ClientToScreen({0, 0});
  EXPECT_EQ(r.Top, topLeft.Y + p->Height());
  if (GetParam() == dtaLeft)
    EXPECT_EQ(r.Left, topLeft.X);
  else
    EXPECT_EQ(r.Right, topLeft.X + p->Width());
}

INSTANTIATE_TEST_SUITE_P(Edges, PickerAlignmentTest, ::testing::Values(dtaLeft, dtaRight));

// ---------------------------------------------------------------------------------------------
// Ranges

TEST_F(CalendarPropsTest, ProgramRangesAreCheckedAgainstMultiSelectAndTheLongestRange) {
  auto* cal = Calendar(At(2024, 2, 10));
  EXPECT_EQ(testsupport::ErrorOf<EDateTimeError>([&] { cal->SetEndDate(At(2024, 2, 12)); }),
            "A range of days needs MultiSelect");
  cal->SetMultiSelect(true);
  cal->SetEndDate(At(2024, 2, 14, 18));
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 10));
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 14));
  const std::pair<const char*, TDateTime> refused[] = {{"before the first day", At(2024, 2, 9)},
                                                       {"32 days", At(2024, 3, 12)}};
  for (const auto& [name, end] : refused) {
    const TDateTime last = end;
    EXPECT_EQ(testsupport::ErrorOf<EDateTimeError>([&] { cal->SetEndDate(last); }),
              "Failed to set calendar selected range")
        << name;
  }
  cal->SetEndDate(At(2024, 3, 11));  // 31 days
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 3, 11));
  // A shorter longest range cuts the selection at its end.
  cal->SetMaxSelectRange(7);
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 16));
  EXPECT_EQ(testsupport::ErrorOf<EDateTimeError>([&] { cal->SetMaxSelectRange(0); }),
            "Failed to set maximum selection range");
  // A new first day keeps the last one while the range fits, else the day stands alone.
  cal->SetDate(At(2024, 2, 12));
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 16));
  cal->SetDate(At(2024, 2, 20));
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 20));
  cal->SetEndDate(At(2024, 2, 22));
  cal->SetDate(At(2024, 2, 1));
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 1));
  // A limit moves both ends inside.
  cal->SetEndDate(At(2024, 2, 5));
  cal->SetMaxDate(At(2024, 2, 3));
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 1));
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 3));
  // Without MultiSelect the selection is the first day again.
  cal->SetMultiSelect(false);
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 1));
}

TEST_F(CalendarPropsTest, TheMouseStretchesARangeAndTellsTheParent) {
  auto* cal = Calendar(At(2024, 2, 10));
  cal->SetMultiSelect(true);
  Idle();
  TNotifySpy spy(form_.get());
  // Row 2 of February 2024 holds Sunday 11 .. Saturday 17.
  DragOn(cal, Middle(cal->DayCellRect(2, 1)), Middle(cal->DayCellRect(2, 4)));
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 12));
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 15));
  ASSERT_FALSE(spy.Codes.empty());
  EXPECT_EQ(spy.Codes.back(), win::MCN_SELECT);
  EXPECT_EQ(spy.Last.wDay, 12);
  EXPECT_EQ(spy.LastEnd.wDay, 15);
  // Shift with a click stretches from the day picked first.
  SetShiftState(true, false, false);
  const TRect tue20 = cal->DayCellRect(3, 2);
  ClickOn(cal, tue20.Left + 3, tue20.Top + 3);
  SetShiftState(false, false, false);
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 12));
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 20));
  // Dragged backwards the range runs from the day reached to the one pressed.
  // The page stays while the mouse is down, then shows the month of the range's first day.
  DragOn(cal, Middle(cal->DayCellRect(0, 4)), Middle(cal->DayCellRect(0, 0)));
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 1, 28));
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 1));
  EXPECT_DOUBLE_EQ(cal->FirstShownDay(), At(2023, 12, 31));
  // A range longer than MaxSelectRange stops that many days from the day pressed.
  cal->SetDate(At(2024, 2, 10));
  cal->SetMaxSelectRange(5);
  DragOn(cal, Middle(cal->DayCellRect(2, 1)), Middle(cal->DayCellRect(3, 6)));
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 12));
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 16));
  // Without MultiSelect a drag picks the day pressed only.
  cal->SetMultiSelect(false);
  DragOn(cal, Middle(cal->DayCellRect(1, 1)), Middle(cal->DayCellRect(1, 5)));
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 5));
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 5));
}

struct TRangeKeys {
  const char* Name;
  std::vector<std::pair<win::BYTE, bool>> Keys;  // key, with Shift
  TDateTime Date, EndDate;
};
class CalendarRangeKeysTest : public CalendarPropsTest,
                              public ::testing::WithParamInterface<TRangeKeys> {};

// From Saturday 10 February 2024 with MultiSelect and ranges of at most 5 days.
TEST_P(CalendarRangeKeysTest, ShiftStretchesTheFarEndAndPlainKeysMoveTheSelection) {
  const TRangeKeys& c = GetParam();
  auto* cal = Calendar(At(2024, 2, 10));
  cal->SetMultiSelect(true);
  cal->SetMaxSelectRange(5);
  cal->SetFocus();
  for (auto [key, shift] : c.Keys) {
    SetShiftState(shift, false, false);
    KeyPress(key);
  }
  SetShiftState(false, false, false);
  EXPECT_DOUBLE_EQ(cal->Date(), c.Date) << FormatDateTime("yyyy-mm-dd", cal->Date());
  EXPECT_DOUBLE_EQ(cal->EndDate(), c.EndDate) << FormatDateTime("yyyy-mm-dd", cal->EndDate());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CalendarRangeKeysTest,
    ::testing::Values(
        TRangeKeys{"ShiftRight",
                   {{win::VK_RIGHT, true}, {win::VK_RIGHT, true}, {win::VK_RIGHT, true}},
                   At(2024, 2, 10),
                   At(2024, 2, 13)},
        TRangeKeys{"ShiftLeftPastTheStart",
                   {{win::VK_RIGHT, true},
                    {win::VK_LEFT, true},
                    {win::VK_LEFT, true},
                    {win::VK_LEFT, true}},
                   At(2024, 2, 8),
                   At(2024, 2, 10)},
        TRangeKeys{
            "ShiftDownStopsAtTheLongest", {{win::VK_DOWN, true}}, At(2024, 2, 10), At(2024, 2, 14)},
        TRangeKeys{"PlainKeyMovesOneDay",
                   {{win::VK_RIGHT, true}, {win::VK_RIGHT, true}, {win::VK_RIGHT, false}},
                   At(2024, 2, 11),
                   At(2024, 2, 11)}),
    [](const ::testing::TestParamInfo<TRangeKeys>& i) { return std::string(i.param.Name); });

TEST_F(CalendarPropsTest, RangeMessagesNeedMultiSelectAndFittingRanges) {
  auto* cal = Calendar(At(2024, 2, 10));
  const win::HWND h = cal->Handle();
  win::SYSTEMTIME range[2] = {DateTimeToSystemTime(At(2024, 2, 20)),
                              DateTimeToSystemTime(At(2024, 2, 14))};
  const auto lp = reinterpret_cast<win::LPARAM>(range);
  EXPECT_EQ(win::SendMessageA(h, win::MCM_GETSELRANGE, 0, lp), win::FALSE);
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETSELRANGE, 0, lp), win::FALSE);
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETMAXSELCOUNT, 10, 0), win::FALSE);
  cal->SetMultiSelect(true);
  // The two days come in either order.
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETSELRANGE, 0, lp), win::TRUE);
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 14));
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 20));
  win::SYSTEMTIME got[2];
  EXPECT_EQ(win::SendMessageA(h, win::MCM_GETSELRANGE, 0, reinterpret_cast<win::LPARAM>(got)),
            win::TRUE);
  EXPECT_EQ(got[0].wDay, 14);
  EXPECT_EQ(got[1].wDay, 20);
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETMAXSELCOUNT, 0, 0), win::FALSE);
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETMAXSELCOUNT, 5, 0), win::TRUE);
  EXPECT_EQ(win::SendMessageA(h, win::MCM_GETMAXSELCOUNT, 0, 0), 5);
  EXPECT_DOUBLE_EQ(cal->EndDate(), At(2024, 2, 18));
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETSELRANGE, 0, lp), win::FALSE);  // 7 days
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETSELRANGE, 0, 0), win::FALSE);
  win::SYSTEMTIME one = DateTimeToSystemTime(At(2024, 2, 1));
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETCURSEL, 0, reinterpret_cast<win::LPARAM>(&one)),
            win::FALSE);
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 14));
}

TEST_F(CalendarPropsTest, ARangeIsFilledWithTheTitleColourDayByDay) {
  auto* cal = Calendar(At(2024, 2, 12));
  cal->SetMultiSelect(true);
  cal->SetEndDate(At(2024, 2, 15));
  Idle();
  const TCapture cap = Capture();
  WritePng(cap, "/tmp/zyl_month_calendar_range.png");
  const TRect grid{10 + cal->DayCellRect(0, 0).Left, 10 + cal->DayCellRect(0, 0).Top,
                   10 + cal->DayCellRect(5, 6).Right, 10 + cal->DayCellRect(5, 6).Bottom};
  const TRect first = OnForm(cal->DayCellRect(2, 1)), last = OnForm(cal->DayCellRect(2, 4));
  EXPECT_EQ(InkBox(cap, grid, Is(cal->CalColors()->TitleBackColor())),
            (TRect{first.Left, first.Top, last.Right, last.Bottom}));
  for (int col = 1; col <= 4; ++col)
    EXPECT_GT(CountOf(cap, OnForm(cal->DayCellRect(2, col)), cal->CalColors()->TitleTextColor()), 0)
        << col;
}

// ---------------------------------------------------------------------------------------------
// Bold days

TEST_F(CalendarPropsTest, OnGetMonthInfoIsAskedOncePerPageAndItsDaysAreBold) {
  auto* plain = Calendar(At(2024, 2, 10));
  Idle();
  const TRect cell = OnForm(plain->DayCellRect(2, 4));  // Thursday 15
  const int thin = CountOf(Capture(), cell, plain->CalColors()->TextColor());
  std::vector<uint32_t> asked;
  auto* cal = Calendar(At(2024, 2, 10));
  TMonthInfoSink sink([&](TObject*, uint32_t month, uint32_t& bold) {
    asked.push_back(month);
    if (month == 2) TMonthCalendar::BoldDays({15, 40}, bold);
  });
  cal->SetOnGetMonthInfo(TOnGetMonthInfoEvent(&sink, &TMonthInfoSink::Call));
  Idle();
  EXPECT_EQ(asked, (std::vector<uint32_t>{1, 2, 3}));
  EXPECT_TRUE(cal->IsBold(At(2024, 2, 15)));
  EXPECT_FALSE(cal->IsBold(At(2024, 2, 14)));
  EXPECT_FALSE(cal->IsBold(At(2024, 1, 28)));
  EXPECT_GT(CountOf(Capture(), cell, cal->CalColors()->TextColor()), thin);
  // Painted again on the same page, it is not asked again; the next page asks anew.
  cal->Invalidate();
  Idle();
  EXPECT_EQ(asked.size(), 3u);
  const TRect next = cal->ArrowRect(true);
  ClickOn(cal, next.Left + 2, next.Top + 2);
  Idle();
  EXPECT_EQ(asked, (std::vector<uint32_t>{1, 2, 3, 2, 3, 4}));
  EXPECT_FALSE(cal->IsBold(At(2024, 3, 15)));
}

// The day before the first of the calendar's years shows on its first page but belongs to no
// month a handler is asked for.
TEST_F(CalendarPropsTest, DaysOutsideTheCalendarAreNeverBold) {
  auto* cal = Calendar(At(1, 1, 1));
  TMonthInfoSink sink([](TObject*, uint32_t, uint32_t& bold) { bold = 0xFFFFFFFFu; });
  cal->SetOnGetMonthInfo(TOnGetMonthInfoEvent(&sink, &TMonthInfoSink::Call));
  Idle();
  EXPECT_TRUE(cal->IsBold(At(1, 1, 1)));
  EXPECT_FALSE(cal->IsBold(At(1, 1, 1) - 1));
  cal->SetDate(At(9999, 12, 31));
  Idle();
  EXPECT_TRUE(cal->IsBold(At(9999, 12, 31)));
  EXPECT_FALSE(cal->IsBold(At(9999, 12, 31) + 1));
}

// ---------------------------------------------------------------------------------------------
// Size

TEST_F(CalendarPropsTest, AutoSizeFollowsTheBorderTheWeeksAndTheTodayLine) {
  auto* cal = Calendar(At(2024, 2, 10));
  cal->SetBounds(10, 10, 300, 240);
  cal->SetAutoSize(true);
  const TSize plain = cal->RequiredSize();
  EXPECT_EQ(cal->Width(), plain.cx);
  EXPECT_EQ(cal->Height(), plain.cy);
  cal->SetBorderWidth(6);
  EXPECT_EQ(cal->Width(), plain.cx + 12);
  EXPECT_EQ(cal->Height(), plain.cy + 12);
  EXPECT_EQ(cal->TitleRect().Left, 6);
  EXPECT_EQ(cal->TitleRect().Top, 6);
  cal->SetShowToday(false);
  EXPECT_LT(cal->Height(), plain.cy + 12);
  cal->SetBounds(10, 10, 400, 400);  // AutoSize keeps the size it needs
  EXPECT_EQ(cal->Width(), plain.cx + 12);
  Idle();
  // The border shows the background colour.
  const TCapture cap = Capture();
  EXPECT_EQ(CountOf(cap, TRect{10, 10, 10 + cal->Width(), 16}, cal->CalColors()->BackColor()),
            cal->Width() * 6);
  EXPECT_EQ(testsupport::ErrorOf<ERangeError>([&] { cal->SetBorderWidth(-1); }),
            "Border width must not be negative (-1)");
}

// ---------------------------------------------------------------------------------------------
// The user's own text

enum TEnd { endReturn, endEscape, endLeave };
struct TUserTextCase {
  const char* Name;
  bool ParseInput, Handler, Allow;
  const char* Typed;  // after F2
  int Backs;          // Backspace presses after it
  TEnd End;
  const char* Heard;  // what OnUserInput heard, "" for not asked
  TDateTime Want;
};
class PickerUserTextTest : public CalendarPropsTest,
                           public ::testing::WithParamInterface<TUserTextCase> {};

TEST_P(PickerUserTextTest, TheTypedTextGoesToOnUserInput) {
  const TUserTextCase& c = GetParam();
  auto* p = Picker(At(2024, 2, 10, 8));
  auto* other = Add<TDateTimePicker>(10, 100, 186, 21);
  p->SetParseInput(c.ParseInput);
  std::string heard;
  TDateTime given = 0;
  TUserInputSink sink([&](TObject*, const std::string& text, TDateTime& value, bool& allow) {
    heard = text;
    given = value;
    value = At(2024, 3, 1, 12);
    allow = c.Allow;
  });
  if (c.Handler) p->SetOnUserInput(TDTParseInputEvent(&sink, &TUserInputSink::Call));
  TLog changes;
  p->SetOnChange(changes.Counter());
  Press(win::VK_F2);
  EXPECT_EQ(p->UserEditing(), c.ParseInput);
  if (c.ParseInput) {
    EXPECT_EQ(p->UserText(), "10/02/2024");
  }
  TypeText(c.Typed);
  Press(win::VK_BACK, c.Backs);
  if (c.End == endReturn) Press(win::VK_RETURN);
  if (c.End == endEscape) Press(win::VK_ESCAPE);
  if (c.End == endLeave) other->SetFocus();
  Idle();
  EXPECT_FALSE(p->UserEditing());
  EXPECT_EQ(heard, c.Heard);
  if (*c.Heard) {
    EXPECT_DOUBLE_EQ(given, At(2024, 2, 10, 8));
  }
  EXPECT_DOUBLE_EQ(p->DateTime(), c.Want);
  EXPECT_EQ(changes.Count, p->DateTime() != At(2024, 2, 10, 8) ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PickerUserTextTest,
    ::testing::Values(TUserTextCase{"ReturnHandsItOver", true, true, true, "next friday", 0,
                                    endReturn, "next friday", At(2024, 3, 1, 12)},
                      TUserTextCase{"TheHandlerRefuses", true, true, false, "soon", 0, endReturn,
                                    "soon", At(2024, 2, 10, 8)},
                      TUserTextCase{"EscapeDropsIt", true, true, true, "soon", 0, endEscape, "",
                                    At(2024, 2, 10, 8)},
                      TUserTextCase{"LeavingHandsItOver", true, true, true, "1 March", 0, endLeave,
                                    "1 March", At(2024, 3, 1, 12)},
                      TUserTextCase{"BackspaceTakesBack", true, true, true, "abcd", 2, endReturn,
                                    "ab", At(2024, 3, 1, 12)},
                      // Backspace first takes the whole text shown when the typing began.
                      TUserTextCase{"BackspaceOnTheShownText", true, true, true, "", 1, endReturn,
                                    "", At(2024, 3, 1, 12)},
                      TUserTextCase{"NoHandlerNoChange", true, false, true, "tomorrow", 0,
                                    endReturn, "", At(2024, 2, 10, 8)},
                      // Without ParseInput F2 does nothing and digits go to the day.
                      TUserTextCase{"WithoutParseInput", false, true, true, "5", 0, endReturn, "",
                                    At(2024, 2, 5, 8)}),
    [](const ::testing::TestParamInfo<TUserTextCase>& i) { return std::string(i.param.Name); });

// ---------------------------------------------------------------------------------------------
// Form files

}  // namespace

// The root of the dates form: the handlers its events name.
class TDatesForm : public TForm {
  ZYL_CLASS(TDatesForm, TForm)
  using TForm::TForm;
  void Handler(TObject*) {}
  void MonthInfo(TObject*, uint32_t, uint32_t&) {}
  void UserInput(TObject*, const std::string&, TDateTime&, bool&) {}
};

ZYL_CLASS_IMPL(TDatesForm) {
  b.Method("Handler", &TDatesForm::Handler)
      .Method("MonthInfo", &TDatesForm::MonthInfo)
      .Method("UserInput", &TDatesForm::UserInput);
}

namespace {

std::string DatesFormText() {
  std::string text = TestData("writeback/dates_controls.txt");
  const std::string root = "WriteBackForm: TWriteBackForm";
  text.replace(text.find(root), root.size(), "DatesForm: TDatesForm");
  return text;
}

TEST_F(CalendarPropsTest, TheDatesFormKeepsEveryControlsValues) {
  RegisterClass(TDatesForm::StaticClass());
  auto form = std::make_unique<TDatesForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(DatesFormText()), form.get());
  auto* arrival = Find<TDateTimePicker>(form.get(), "Arrival");
  auto* departure = Find<TDateTimePicker>(form.get(), "Departure");
  auto* stay = Find<TMonthCalendar>(form.get(), "Stay");
  auto* plain = Find<TMonthCalendar>(form.get(), "Plain");
  ASSERT_TRUE(arrival && departure && stay && plain);
  EXPECT_EQ(arrival->CalAlignment(), dtaRight);
  EXPECT_EQ(arrival->CalColors()->TitleBackColor(), clGreen);
  EXPECT_EQ(arrival->CalColors()->MonthBackColor(), clInfoBk);
  EXPECT_EQ(arrival->CalColors()->TextColor(), clWindowText);
  EXPECT_TRUE(arrival->ParseInput());
  EXPECT_TRUE(static_cast<bool>(arrival->OnUserInput()));
  EXPECT_DOUBLE_EQ(arrival->DateTime(), At(2024, 2, 29, 12));
  EXPECT_EQ(arrival->DateFormat(), dfLong);
  EXPECT_EQ(departure->CalAlignment(), dtaLeft);
  EXPECT_FALSE(departure->ParseInput());
  EXPECT_EQ(departure->Kind(), dtkTime);
  EXPECT_TRUE(stay->MultiSelect());
  EXPECT_DOUBLE_EQ(stay->Date(), At(2024, 2, 29));
  EXPECT_DOUBLE_EQ(stay->EndDate(), At(2024, 3, 5));
  EXPECT_EQ(stay->FirstDayOfWeek(), dowMonday);
  EXPECT_EQ(stay->MaxSelectRange(), 14);
  EXPECT_TRUE(stay->WeekNumbers());
  EXPECT_FALSE(stay->ShowTodayCircle());
  EXPECT_TRUE(static_cast<bool>(stay->OnGetMonthInfo()));
  const std::pair<int, TColor> colors[] = {
      {win::MCSC_BACKGROUND, clBtnFace}, {win::MCSC_TEXT, clNavy},
      {win::MCSC_TITLEBK, clMaroon},     {win::MCSC_TITLETEXT, clYellow},
      {win::MCSC_MONTHBK, clInfoBk},     {win::MCSC_TRAILINGTEXT, clSilver}};
  for (auto [index, color] : colors) EXPECT_EQ(stay->CalColors()->Color(index), color) << index;
  EXPECT_FALSE(plain->MultiSelect());
  EXPECT_DOUBLE_EQ(plain->EndDate(), plain->Date());
  EXPECT_EQ(plain->FirstDayOfWeek(), dowLocaleDefault);
}

// A date or time property at zero (the calendar's first day, 1899-12-30, and midnight) on a
// control that starts with today's date and the time now.
struct TZeroDayCase {
  const char* Name;
  const char* Class;
  const char* Prop;
};
class ZeroDayFormTest : public CalendarPropsTest,
                        public ::testing::WithParamInterface<TZeroDayCase> {};

TEST_P(ZeroDayFormTest, ComesBackFromAFormFile) {
  const TZeroDayCase& c = GetParam();
  NewForm(320, 260);
  auto* control = static_cast<TControl*>(FindClass(c.Class)->Create(form_.get()));
  control->SetName("C");
  control->SetParent(form_.get());
  ASSERT_NE(GetFloatProp(control, c.Prop), 0.0);
  SetFloatProp(control, c.Prop, 0.0);
  ASSERT_EQ(GetFloatProp(control, c.Prop), 0.0);
  const std::string bytes = WriteComponentToBytes(form_.get());
  auto read = std::make_unique<TForm>(nullptr);
  ReadComponentFromBytes(bytes, read.get());
  TComponent* back = read->FindComponent("C");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(GetFloatProp(back, c.Prop), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Props, ZeroDayFormTest,
                         ::testing::Values(TZeroDayCase{"PickerDate", "TDateTimePicker", "Date"},
                                           TZeroDayCase{"PickerTime", "TDateTimePicker", "Time"},
                                           TZeroDayCase{"CalendarDate", "TMonthCalendar", "Date"}),
                         [](const ::testing::TestParamInfo<TZeroDayCase>& i) {
                           return std::string(i.param.Name);
                         });

struct TRangeForm {
  const char* Name;
  std::vector<std::string> Props;
  const char* Error;  // "" when it reads
  TDateTime EndDate;
};
class CalendarRangeFormTest : public CalendarPropsTest,
                              public ::testing::WithParamInterface<TRangeForm> {};

// The longest range comes after the range in a form file: the range is checked once loaded.
TEST_P(CalendarRangeFormTest, TheRangeIsCheckedOnceLoaded) {
  const TRangeForm& c = GetParam();
  const TObj text{"Form1: TForm", {"BorderStyle = bsNone"}, {{"Cal: TMonthCalendar", c.Props, {}}}};
  auto form = std::make_unique<TForm>(nullptr);
  const std::string error =
      testsupport::ErrorOf<Exception>([&] { ReadObjectText(text, form.get()); });
  EXPECT_EQ(error, *c.Error ? c.Error : "<no error>");
  if (*c.Error) return;
  auto* cal = Find<TMonthCalendar>(form.get(), "Cal");
  ASSERT_NE(cal, nullptr);
  EXPECT_DOUBLE_EQ(cal->EndDate(), c.EndDate);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CalendarRangeFormTest,
    ::testing::Values(
        TRangeForm{
            "LongerThanTheDefaultLongest",
            {"MultiSelect = True", "Date = 45351.0", "EndDate = 45390.0", "MaxSelectRange = 60"},
            "",
            45390.0},
        TRangeForm{"EndBeforeTheStart",
                   {"MultiSelect = True", "Date = 45351.0", "EndDate = 45350.0"},
                   "Failed to set calendar selected range",
                   0},
        TRangeForm{
            "LongerThanTheLongest",
            {"MultiSelect = True", "Date = 45351.0", "EndDate = 45360.0", "MaxSelectRange = 5"},
            "Failed to set calendar selected range",
            0},
        // Without MultiSelect an end day read is the first day.
        TRangeForm{"WithoutMultiSelect", {"EndDate = 45360.0", "Date = 45351.0"}, "", 45351.0},
        TRangeForm{"EndBeforeMultiSelect",
                   {"EndDate = 45353.0", "MultiSelect = True", "Date = 45351.0"},
                   "",
                   45353.0}),
    [](const ::testing::TestParamInfo<TRangeForm>& i) { return std::string(i.param.Name); });

}  // namespace
}  // namespace vcl::testing
