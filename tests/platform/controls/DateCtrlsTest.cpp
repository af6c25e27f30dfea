// The month calendar and the date and time picker, driven with the keyboard and the mouse on
// the virtual clock with fixed format settings.
#include "DateCtrlsTestSupport.h"

#include <limits>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Locale.h"
#include "tests/support/ErrorOf.h"

namespace vcl::testing {
namespace {

// Keys on one field: which field (Right presses from the first), the key, how often.
struct TStepCase {
  const char* Name;
  TDateTimeKind Kind;
  const char* Format;
  TDateTime Start;
  int Field;
  win::BYTE Key;
  int Times;
  const char* Want;
};
class PickerStepTest : public DateCtrlsTest, public ::testing::WithParamInterface<TStepCase> {};

TEST_P(PickerStepTest, ArrowsStepTheSelectedFieldWithinItsRange) {
  const TStepCase& c = GetParam();
  auto* p = Picker(c.Start, c.Kind);
  if (*c.Format) p->SetFormat(c.Format);
  TLog log;
  p->SetOnChange(log.Counter());
  const std::string before = p->Text();
  Press(win::VK_RIGHT, c.Field);
  Press(c.Key, c.Times);
  EXPECT_EQ(p->Text(), c.Want);
  // OnChange tells every change the user made, and only those.
  EXPECT_EQ(log.Count > 0, before != c.Want);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PickerStepTest,
    ::testing::Values(
        TStepCase{"DayWrapsToTheFirst", dtkDate, "", At(2024, 1, 31), 0, win::VK_UP, 1,
                  "01/01/2024"},
        TStepCase{"DayWrapsToTheLast", dtkDate, "", At(2024, 3, 1), 0, win::VK_DOWN, 1,
                  "31/03/2024"},
        TStepCase{"DayOfALeapFebruary", dtkDate, "", At(2024, 2, 1), 0, win::VK_DOWN, 1,
                  "29/02/2024"},
        TStepCase{"DayOfAPlainFebruary", dtkDate, "", At(2023, 2, 1), 0, win::VK_DOWN, 1,
                  "28/02/2023"},
        TStepCase{"MonthIntoALeapFebruary", dtkDate, "", At(2024, 1, 31), 1, win::VK_UP, 1,
                  "29/02/2024"},
        TStepCase{"MonthIntoAPlainFebruary", dtkDate, "", At(2023, 1, 31), 1, win::VK_UP, 1,
                  "28/02/2023"},
        TStepCase{"MonthWrapsWithoutTheYear", dtkDate, "", At(2024, 12, 15), 1, win::VK_UP, 1,
                  "15/01/2024"},
        TStepCase{"MonthToApril", dtkDate, "", At(2024, 3, 31), 1, win::VK_UP, 1, "30/04/2024"},
        TStepCase{"YearOffALeapDay", dtkDate, "", At(2024, 2, 29), 2, win::VK_UP, 1, "28/02/2025"},
        TStepCase{"YearsDown", dtkDate, "", At(2024, 5, 5), 2, win::VK_DOWN, 3, "05/05/2021"},
        TStepCase{"YearStopsAtTheLast", dtkDate, "", At(9999, 5, 5), 2, win::VK_UP, 2,
                  "05/05/9999"},
        TStepCase{"YearStopsAtTheFirst", dtkDate, "", At(1, 5, 5), 2, win::VK_DOWN, 1,
                  "05/05/0001"},
        TStepCase{"RightStopsAtTheLastField", dtkDate, "", At(2024, 5, 5), 7, win::VK_UP, 1,
                  "05/05/2025"},
        TStepCase{"HomeTakesTheFieldsLowest", dtkDate, "", At(2024, 5, 17), 0, win::VK_HOME, 1,
                  "01/05/2024"},
        TStepCase{"EndTakesTheMonthsLastDay", dtkDate, "", At(2023, 2, 3), 0, win::VK_END, 1,
                  "28/02/2023"},
        TStepCase{"HourWraps", dtkTime, "", At(2024, 1, 1, 23, 59, 59), 0, win::VK_UP, 1,
                  "00:59:59"},
        TStepCase{"MinuteWraps", dtkTime, "", At(2024, 1, 1, 23, 59, 59), 1, win::VK_UP, 1,
                  "23:00:59"},
        TStepCase{"SecondWrapsDown", dtkTime, "", At(2024, 1, 1, 7, 0, 0), 2, win::VK_DOWN, 1,
                  "07:00:59"},
        TStepCase{"TwelveHourClockKeepsTheHalf", dtkTime, "h:mm tt", At(2024, 1, 1, 11, 30), 0,
                  win::VK_UP, 1, "12:30 AM"},
        TStepCase{"AmPmFlips", dtkTime, "h:mm tt", At(2024, 1, 1, 11, 30), 2, win::VK_UP, 1,
                  "11:30 PM"},
        TStepCase{"MonthNames", dtkDate, "d MMM yyyy", At(2024, 12, 31), 1, win::VK_UP, 1,
                  "31 Jan 2024"}),
    [](const ::testing::TestParamInfo<TStepCase>& i) { return std::string(i.param.Name); });

struct TTypeCase {
  const char* Typed;
  int Field;
  const char* Want;
};
class PickerTypingTest : public DateCtrlsTest, public ::testing::WithParamInterface<TTypeCase> {};

// Digits fill the field and move on once no further digit fits; a field left half typed takes
// what was typed (two-digit years in this century up to 49).
TEST_P(PickerTypingTest, DigitsFillTheFieldsInTurn) {
  const TTypeCase& c = GetParam();
  auto* p = Picker(At(2023, 1, 10));
  Press(win::VK_RIGHT, c.Field);
  TypeText(c.Typed);
  Press(win::VK_RIGHT);
  EXPECT_EQ(p->Text(), c.Want);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, PickerTypingTest,
    ::testing::Values(TTypeCase{"29022024", 0, "29/02/2024"}, TTypeCase{"3", 0, "03/01/2023"},
                      TTypeCase{"45", 0, "04/05/2023"}, TTypeCase{"31", 0, "31/01/2023"},
                      TTypeCase{"12", 1, "10/12/2023"}, TTypeCase{"24", 2, "10/01/2024"},
                      TTypeCase{"87", 2, "10/01/1987"}, TTypeCase{"1999", 2, "10/01/1999"},
                      TTypeCase{"00", 0, "01/01/2023"}));

TEST_F(DateCtrlsTest, LimitsHoldForKeysAndRaiseForProgramSettings) {
  auto* p = Picker(At(2024, 2, 10, 8, 15));
  p->SetMinDate(At(2024, 2, 5));
  p->SetMaxDate(At(2024, 3, 20));
  Press(win::VK_RIGHT);  // month
  Press(win::VK_UP, 2);
  EXPECT_EQ(p->Text(), "20/03/2024");
  Press(win::VK_DOWN, 2);
  EXPECT_EQ(p->Text(), "05/02/2024");
  EXPECT_DOUBLE_EQ(p->Time(), EncodeTime(8, 15, 0, 0));
  EXPECT_EQ(testsupport::ErrorOf<EDateTimeError>([&] { p->SetDate(At(2024, 3, 21)); }),
            "Date exceeds maximum of 20/03/2024");
  EXPECT_EQ(testsupport::ErrorOf<EDateTimeError>([&] { p->SetDate(At(2024, 2, 4)); }),
            "Date is less than minimum of 05/02/2024");
  EXPECT_EQ(testsupport::ErrorOf<EDateTimeError>([&] { p->SetMinDate(At(2024, 4, 1)); }),
            "Failed to set calendar min/max range");
  // A narrower limit moves the date inside, keeping the time.
  p->SetDate(At(2024, 3, 1));
  p->SetMaxDate(At(2024, 2, 25));
  EXPECT_DOUBLE_EQ(p->DateTime(), At(2024, 2, 25, 8, 15));
}

TEST_F(DateCtrlsTest, SettingDateOrTimeKeepsTheOtherPart) {
  auto* p = Picker(At(2024, 2, 10, 8, 15));
  p->SetDate(At(1999, 12, 31, 23, 0));
  EXPECT_DOUBLE_EQ(p->DateTime(), At(1999, 12, 31, 8, 15));
  p->SetTime(EncodeTime(17, 45, 30, 0));
  EXPECT_DOUBLE_EQ(p->DateTime(), At(1999, 12, 31, 17, 45, 30));
  // Days before 1899-12-30 count their time backwards and still split the same way.
  p->SetDate(EncodeDate(1850, 6, 1));
  EXPECT_DOUBLE_EQ(p->Date(), EncodeDate(1850, 6, 1));
  EXPECT_NEAR(p->Time(), EncodeTime(17, 45, 30, 0), 1e-9);
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn:ss", p->DateTime()), "01/06/1850 17:45:30");
  EXPECT_EQ(p->Text(), "01/06/1850");
}

TEST_F(DateCtrlsTest, TheCalendarDropsDownAndTheKeyboardPicksADay) {
  auto* p = Picker(At(2024, 2, 28, 12));
  TLog log, drops, closes;
  p->SetOnChange(log.Counter());
  p->SetOnDropDown(drops.Counter());
  p->SetOnCloseUp(closes.Counter());
  TNotifySpy spy(form_.get());
  Press(win::VK_F4);
  ASSERT_TRUE(p->DroppedDown());
  EXPECT_EQ(drops.Count, 1);
  EXPECT_EQ(reinterpret_cast<win::HWND>(win::SendMessageA(p->Handle(), win::DTM_GETMONTHCAL, 0, 0)),
            p->DropDownCalendar()->Handle());
  // The calendar lies below the picker.
  win::RECT r;
  win::GetWindowRect(p->DropDownCalendar()->Handle(), &r);
  EXPECT_EQ(r.Top, p->ClientToScreen({0, p->Height()}).Y);
  Press(win::VK_RIGHT, 2);  // past the leap day into March
  EXPECT_EQ(log.Count, 0);
  Press(win::VK_RETURN);
  EXPECT_FALSE(p->DroppedDown());
  EXPECT_DOUBLE_EQ(p->DateTime(), At(2024, 3, 1, 12));
  EXPECT_EQ(log.Count, 1);
  EXPECT_EQ(closes.Count, 1);
  EXPECT_EQ(spy.Codes,
            (std::vector<win::UINT>{win::DTN_DROPDOWN, win::DTN_DATETIMECHANGE, win::DTN_CLOSEUP}));
  EXPECT_EQ(spy.Last.wDay, 1);
  // Escape leaves the date as it was.
  Press(win::VK_F4);
  Press(win::VK_DOWN);
  Press(win::VK_ESCAPE);
  EXPECT_FALSE(p->DroppedDown());
  EXPECT_DOUBLE_EQ(p->DateTime(), At(2024, 3, 1, 12));
  EXPECT_EQ(log.Count, 1);
}

// A picker put against the edges of the screen (800 x 600): the calendar opens under the
// picker, or above it when there is no room below, and is moved sideways onto the screen.
struct TCalendarPlaceCase {
  const char* Name;
  int Left;    // the picker's left edge on the screen; kAgainstRight: its right edge at the
               // screen's
  int Bottom;  // how far the picker's bottom edge is from the screen's bottom
  TDTCalAlignment Alignment;
  bool Above;
};

constexpr int kAgainstRight = -1;

class CalendarPlaceTest : public DateCtrlsTest,
                          public ::testing::WithParamInterface<TCalendarPlaceCase> {};

TEST_P(CalendarPlaceTest, TheCalendarOpensOnTheScreen) {
  const TCalendarPlaceCase& c = GetParam();
  constexpr int sw = 800, sh = 600;
  ASSERT_EQ(win::GetSystemMetrics(win::SM_CXSCREEN), sw);
  ASSERT_EQ(win::GetSystemMetrics(win::SM_CYSCREEN), sh);
  auto* p = Picker(At(2024, 2, 28));
  p->SetCalAlignment(c.Alignment);
  // The form moved so that the picker stands where the case puts it.
  const TPoint at = p->ClientToScreen({0, 0});
  const int left = c.Left == kAgainstRight ? sw - p->Width() : c.Left;
  form_->SetBounds(form_->Left() + left - at.X, form_->Top() + sh - c.Bottom - p->Height() - at.Y,
                   form_->Width(), form_->Height());
  Idle();
  const TPoint top = p->ClientToScreen({0, 0});
  Press(win::VK_F4);
  ASSERT_TRUE(p->DroppedDown());
  win::RECT r;
  win::GetWindowRect(p->DropDownCalendar()->Handle(), &r);
  if (c.Above)
    EXPECT_EQ(r.Bottom, top.Y);
  else
    EXPECT_EQ(r.Top, top.Y + p->Height());
  EXPECT_GE(r.Left, 0);
  EXPECT_LE(r.Right, sw);
  EXPECT_GE(r.Top, 0);
  EXPECT_LE(r.Bottom, sh);
  // Where the picker leaves room, the calendar's edge stays in line with the picker's.
  if (c.Alignment == dtaLeft && top.X + r.Width() <= sw) {
    EXPECT_EQ(r.Left, top.X);
  }
  if (c.Alignment == dtaRight && top.X + p->Width() - r.Width() >= 0) {
    EXPECT_EQ(r.Right, top.X + p->Width());
  }
  // Still the keyboard's: Down goes a week on, Enter takes it.
  Press(win::VK_DOWN);
  Press(win::VK_RETURN);
  EXPECT_DOUBLE_EQ(p->Date(), At(2024, 3, 6));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalendarPlaceTest,
    ::testing::Values(TCalendarPlaceCase{"Middle", 300, 300, dtaLeft, false},
                      TCalendarPlaceCase{"AtTheBottom", 300, 0, dtaLeft, true},
                      TCalendarPlaceCase{"NearTheBottom", 300, 100, dtaLeft, true},
                      TCalendarPlaceCase{"AtTheRight", kAgainstRight, 300, dtaLeft, false},
                      TCalendarPlaceCase{"AtTheBottomRight", kAgainstRight, 0, dtaLeft, true},
                      TCalendarPlaceCase{"RightAlignedInTheMiddle", 300, 300, dtaRight, false},
                      TCalendarPlaceCase{"RightAlignedAtTheLeft", 0, 300, dtaRight, false},
                      TCalendarPlaceCase{"RightAlignedAtTheTopLeft", 0, 579, dtaRight, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DateCtrlsTest, TheMouseOpensTheCalendarAndPicksADayOrClosesOutside) {
  auto* p = Picker(At(2024, 2, 10));
  const TRect button = p->ButtonRect();
  ClickOn(p, button.Left + 3, button.Top + 3);
  ASSERT_TRUE(p->DroppedDown());
  TMonthCalendar* cal = p->DropDownCalendar();
  // Row 3, column 5 of February 2024 (starting on Sunday 28 January) is Thursday 22.
  const TRect cell = cal->DayCellRect(3, 4);
  const TPoint at = cal->ClientToScreen({cell.Left + 4, cell.Top + 4});
  Click(at.X, at.Y);
  EXPECT_FALSE(p->DroppedDown());
  EXPECT_DOUBLE_EQ(p->Date(), At(2024, 2, 22));
  // The month arrows page without closing; a click outside closes without a change.
  ClickOn(p, button.Left + 3, button.Top + 3);
  cal = p->DropDownCalendar();
  const TRect next = cal->ArrowRect(true);
  const TPoint arrow = cal->ClientToScreen({next.Left + 2, next.Top + 2});
  Click(arrow.X, arrow.Y);
  ASSERT_TRUE(p->DroppedDown());
  EXPECT_DOUBLE_EQ(p->DropDownCalendar()->Date(), At(2024, 3, 22));
  Click(300, 250);
  EXPECT_FALSE(p->DroppedDown());
  EXPECT_DOUBLE_EQ(p->Date(), At(2024, 2, 22));
}

TEST_F(DateCtrlsTest, TimePickersAndUpDownModeStepWithTheirButtons) {
  auto* p = Picker(At(2024, 2, 10, 10, 0, 0), dtkTime);
  EXPECT_EQ(p->Text(), "10:00:00");
  Press(win::VK_F4);
  EXPECT_FALSE(p->DroppedDown());
  const TRect up = p->UpDownRect(true), down = p->UpDownRect(false);
  Press(win::VK_RIGHT);  // minutes
  ClickOn(p, up.Left + 3, up.Top + 2);
  EXPECT_EQ(p->Text(), "10:01:00");
  ClickOn(p, down.Left + 3, down.Bottom - 2);
  ClickOn(p, down.Left + 3, down.Bottom - 2);
  EXPECT_EQ(p->Text(), "10:59:00");
  p->SetKind(dtkDate);
  p->SetDateMode(dmUpDown);
  ClickOn(p, up.Left + 3, up.Top + 2);
  EXPECT_EQ(p->Text(), "11/02/2024");
}

TEST_F(DateCtrlsTest, TheCheckBoxTurnsTheValueOnAndOff) {
  auto* p = Picker(At(2024, 2, 10));
  p->SetShowCheckbox(true);
  Idle();
  TLog log;
  p->SetOnChange(log.Counter());
  Press(win::VK_SPACE);
  EXPECT_FALSE(p->Checked());
  EXPECT_EQ(log.Count, 1);
  // Unchecked, the fields take no keys and the window says there is no value.
  Press(win::VK_UP);
  EXPECT_EQ(p->Text(), "10/02/2024");
  win::SYSTEMTIME st;
  EXPECT_EQ(
      win::SendMessageA(p->Handle(), win::DTM_GETSYSTEMTIME, 0, reinterpret_cast<win::LPARAM>(&st)),
      win::GDT_NONE);
  const TRect box = p->CheckBoxRect();
  ClickOn(p, box.Left + 4, box.Top + 4);
  EXPECT_TRUE(p->Checked());
  EXPECT_EQ(
      win::SendMessageA(p->Handle(), win::DTM_GETSYSTEMTIME, 0, reinterpret_cast<win::LPARAM>(&st)),
      win::GDT_VALID);
  EXPECT_EQ(st.wYear, 2024);
  EXPECT_EQ(st.wMonth, 2);
  EXPECT_EQ(st.wDay, 10);
  p->SetShowCheckbox(false);
  p->SetChecked(false);
  EXPECT_TRUE(p->Checked());
}

TEST_F(DateCtrlsTest, PickerMessagesSetAndReadTheValueAndLimits) {
  auto* p = Picker(At(2024, 2, 10, 6));
  const win::HWND h = p->Handle();
  win::SYSTEMTIME range[2];
  range[0].wYear = 2024, range[0].wMonth = 1, range[0].wDay = 1;
  range[1].wYear = 2024, range[1].wMonth = 12, range[1].wDay = 31;
  EXPECT_EQ(win::SendMessageA(h, win::DTM_SETRANGE, win::GDTR_MIN | win::GDTR_MAX,
                              reinterpret_cast<win::LPARAM>(range)),
            win::TRUE);
  EXPECT_DOUBLE_EQ(p->MinDate(), At(2024, 1, 1));
  EXPECT_DOUBLE_EQ(p->MaxDate(), At(2024, 12, 31));
  win::SYSTEMTIME got[2];
  EXPECT_EQ(win::SendMessageA(h, win::DTM_GETRANGE, 0, reinterpret_cast<win::LPARAM>(got)),
            static_cast<win::LRESULT>(win::GDTR_MIN | win::GDTR_MAX));
  EXPECT_EQ(got[1].wMonth, 12);
  win::SYSTEMTIME st = DateTimeToSystemTime(At(2025, 1, 1));
  EXPECT_EQ(win::SendMessageA(h, win::DTM_SETSYSTEMTIME, win::GDT_VALID,
                              reinterpret_cast<win::LPARAM>(&st)),
            win::FALSE);
  st = DateTimeToSystemTime(At(2024, 7, 4, 13, 14, 15));
  EXPECT_EQ(win::SendMessageA(h, win::DTM_SETSYSTEMTIME, win::GDT_VALID,
                              reinterpret_cast<win::LPARAM>(&st)),
            win::TRUE);
  EXPECT_DOUBLE_EQ(p->DateTime(), At(2024, 7, 4, 13, 14, 15));
  // Bad parts, null pointers and GDT_NONE without a check box fail without harm.
  st.wMonth = 13;
  EXPECT_EQ(win::SendMessageA(h, win::DTM_SETSYSTEMTIME, win::GDT_VALID,
                              reinterpret_cast<win::LPARAM>(&st)),
            win::FALSE);
  EXPECT_EQ(win::SendMessageA(h, win::DTM_SETSYSTEMTIME, win::GDT_VALID, 0), win::FALSE);
  EXPECT_EQ(win::SendMessageA(h, win::DTM_SETSYSTEMTIME, win::GDT_NONE, 0), win::FALSE);
  EXPECT_EQ(win::SendMessageA(h, win::DTM_GETSYSTEMTIME, 0, 0), win::GDT_ERROR);
  EXPECT_EQ(win::SendMessageA(h, win::DTM_SETRANGE, win::GDTR_MIN, 0), win::FALSE);
  std::swap(range[0], range[1]);
  EXPECT_EQ(win::SendMessageA(h, win::DTM_SETRANGE, win::GDTR_MIN | win::GDTR_MAX,
                              reinterpret_cast<win::LPARAM>(range)),
            win::FALSE);
  EXPECT_DOUBLE_EQ(p->DateTime(), At(2024, 7, 4, 13, 14, 15));
  win::SendMessageA(h, win::DTM_SETFORMATA, 0, reinterpret_cast<win::LPARAM>("yyyy'-'MM'-'dd"));
  EXPECT_EQ(p->Text(), "2024-07-04");
}

TEST_F(DateCtrlsTest, LongDatesAndTwelveHourTimesFollowTheFormatSettings) {
  auto* p = Picker(At(2024, 2, 29, 15, 4, 5));
  p->SetDateFormat(dfLong);
  EXPECT_EQ(p->Text(), "Thursday, 29 February 2024");
  // The day name is shown but not selectable: Right from the start reaches the day first.
  p->SelectField(0);
  ASSERT_EQ(p->SelectedField(), 2);
  EXPECT_EQ(p->Fields()[2].Kind, TDateTimePicker::fkDay);
  Press(win::VK_UP);
  EXPECT_EQ(p->Text(), "Thursday, 1 February 2024");
  FormatSettings.LongTimeFormat = "h:nn:ss ampm";
  p->SetKind(dtkTime);
  EXPECT_EQ(p->Text(), "3:04:05 PM");
  p->SetFormat("HH'h'mm");
  EXPECT_EQ(p->Text(), "15h04");
}

// ---------------------------------------------------------------------------------------------
// The month calendar

TEST_F(DateCtrlsTest, TheCalendarStartsItsPageOnTheSundayBeforeTheFirst) {
  struct TCase {
    TDateTime Date, First;
  };
  for (const TCase& c :
       {TCase{At(2024, 2, 10), At(2024, 1, 28)}, TCase{At(2023, 10, 31), At(2023, 10, 1)},
        TCase{At(2000, 1, 1), At(1999, 12, 26)}, TCase{At(2026, 12, 7), At(2026, 11, 29)},
        TCase{At(9999, 12, 31), At(9999, 11, 28)}}) {
    auto* cal = Calendar(c.Date);
    EXPECT_DOUBLE_EQ(cal->FirstShownDay(), c.First) << FormatDateTime("yyyy-mm-dd", c.Date);
  }
  // The first month of all begins on a Monday: the page starts the day before it, which shows
  // but cannot be chosen; the arrow back does nothing.
  auto* cal = Calendar(At(1, 1, 1));
  Idle();
  EXPECT_DOUBLE_EQ(cal->FirstShownDay(), At(1, 1, 1) - 1);
  TRect r = cal->DayCellRect(0, 0);
  ClickOn(cal, r.Left + 3, r.Top + 3);
  r = cal->ArrowRect(false);
  ClickOn(cal, r.Left + 2, r.Top + 2);
  EXPECT_DOUBLE_EQ(cal->Date(), At(1, 1, 1));
}

struct TCalKey {
  const char* Name;
  win::BYTE Key;
  bool Ctrl;
  TDateTime From, Want;
};
class CalendarKeysTest : public DateCtrlsTest, public ::testing::WithParamInterface<TCalKey> {};

TEST_P(CalendarKeysTest, KeysMoveTheSelection) {
  const TCalKey& c = GetParam();
  auto* cal = Calendar(c.From);
  cal->SetFocus();
  if (c.Ctrl) SetShiftState(false, true, false);
  KeyPress(c.Key);
  if (c.Ctrl) SetShiftState(false, false, false);
  EXPECT_DOUBLE_EQ(cal->Date(), c.Want) << FormatDateTime("yyyy-mm-dd", cal->Date());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CalendarKeysTest,
    ::testing::Values(
        TCalKey{"Left", win::VK_LEFT, false, At(2024, 3, 1), At(2024, 2, 29)},
        TCalKey{"Right", win::VK_RIGHT, false, At(2023, 12, 31), At(2024, 1, 1)},
        TCalKey{"Up", win::VK_UP, false, At(2024, 3, 3), At(2024, 2, 25)},
        TCalKey{"Down", win::VK_DOWN, false, At(2024, 2, 25), At(2024, 3, 3)},
        TCalKey{"NextMonth", win::VK_NEXT, false, At(2024, 1, 31), At(2024, 2, 29)},
        TCalKey{"PriorMonth", win::VK_PRIOR, false, At(2023, 3, 31), At(2023, 2, 28)},
        TCalKey{"NextYear", win::VK_NEXT, true, At(2024, 2, 29), At(2025, 2, 28)},
        TCalKey{"Home", win::VK_HOME, false, At(2024, 2, 17), At(2024, 2, 1)},
        TCalKey{"End", win::VK_END, false, At(2024, 2, 17), At(2024, 2, 29)},
        TCalKey{"RightOnTheLastDay", win::VK_RIGHT, false, At(9999, 12, 31), At(9999, 12, 31)},
        TCalKey{"DownOnTheLastWeek", win::VK_DOWN, false, At(9999, 12, 28), At(9999, 12, 31)},
        TCalKey{"NextMonthInTheLastMonth", win::VK_NEXT, false, At(9999, 12, 5), At(9999, 12, 5)},
        TCalKey{"NextYearInTheLastYear", win::VK_NEXT, true, At(9999, 3, 5), At(9999, 3, 5)},
        TCalKey{"LeftOnTheFirstDay", win::VK_LEFT, false, At(1, 1, 1), At(1, 1, 1)},
        TCalKey{"PriorMonthInTheFirstMonth", win::VK_PRIOR, false, At(1, 1, 20), At(1, 1, 20)}),
    [](const ::testing::TestParamInfo<TCalKey>& i) { return std::string(i.param.Name); });

TEST_F(DateCtrlsTest, ClicksPickDaysWithinTheLimitsAndTellTheParent) {
  auto* cal = Calendar(At(2024, 2, 10));
  cal->SetMinDate(At(2024, 2, 5));
  cal->SetMaxDate(At(2024, 3, 15));
  TNotifySpy spy(form_.get());
  TLog log;
  cal->SetOnClick(log.Counter());
  // Sunday 4 February lies before the limit: nothing happens.
  TRect r = cal->DayCellRect(1, 0);
  ClickOn(cal, r.Left + 3, r.Top + 3);
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 10));
  r = cal->DayCellRect(2, 2);  // Tuesday 13
  ClickOn(cal, r.Left + 3, r.Top + 3);
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 13));
  EXPECT_EQ(spy.Codes, (std::vector<win::UINT>{win::MCN_SELCHANGE, win::MCN_SELECT}));
  EXPECT_EQ(spy.Last.wDay, 13);
  EXPECT_GE(log.Count, 1);
  // The next-month arrow twice: the second stops at the limit.
  r = cal->ArrowRect(true);
  ClickOn(cal, r.Left + 2, r.Top + 2);
  ClickOn(cal, r.Left + 2, r.Top + 2);
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 3, 15));
  // Today (10 February) from the line at the bottom.
  r = cal->TodayRect();
  ClickOn(cal, r.Left + 30, r.Top + 3);
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 10));
  EXPECT_EQ(testsupport::ErrorOf<EDateTimeError>([&] { cal->SetDate(At(2024, 3, 16)); }),
            "Date exceeds maximum of 15/03/2024");
}

TEST_F(DateCtrlsTest, CalendarMessagesReadAndSetTheSelectionRangeAndToday) {
  auto* cal = Calendar(At(2024, 2, 10));
  const win::HWND h = cal->Handle();
  win::SYSTEMTIME st;
  EXPECT_EQ(win::SendMessageA(h, win::MCM_GETCURSEL, 0, reinterpret_cast<win::LPARAM>(&st)),
            win::TRUE);
  EXPECT_EQ(st.wDay, 10);
  EXPECT_EQ(st.wDayOfWeek, 6);  // Saturday
  st = DateTimeToSystemTime(At(2024, 2, 29));
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETCURSEL, 0, reinterpret_cast<win::LPARAM>(&st)),
            win::TRUE);
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 29));
  st.wYear = 2023;  // 29 February 2023 does not exist
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETCURSEL, 0, reinterpret_cast<win::LPARAM>(&st)),
            win::FALSE);
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETCURSEL, 0, 0), win::FALSE);
  win::SYSTEMTIME range[2] = {DateTimeToSystemTime(At(2024, 1, 1)),
                              DateTimeToSystemTime(At(2024, 2, 20))};
  EXPECT_EQ(win::SendMessageA(h, win::MCM_SETRANGE, win::GDTR_MIN | win::GDTR_MAX,
                              reinterpret_cast<win::LPARAM>(range)),
            win::TRUE);
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 20));
  EXPECT_EQ(win::SendMessageA(h, win::MCM_GETRANGE, 0, reinterpret_cast<win::LPARAM>(range)),
            static_cast<win::LRESULT>(win::GDTR_MIN | win::GDTR_MAX));
  EXPECT_EQ(range[0].wMonth, 1);
  st = DateTimeToSystemTime(At(2024, 2, 14));
  win::SendMessageA(h, win::MCM_SETTODAY, 0, reinterpret_cast<win::LPARAM>(&st));
  EXPECT_DOUBLE_EQ(cal->Today(), At(2024, 2, 14));
  win::SendMessageA(h, win::MCM_SETTODAY, 0, 0);
  EXPECT_DOUBLE_EQ(cal->Today(), At(2024, 2, 10));
  win::RECT need;
  EXPECT_EQ(win::SendMessageA(h, win::MCM_GETMINREQRECT, 0, reinterpret_cast<win::LPARAM>(&need)),
            win::TRUE);
  EXPECT_EQ(need.Right, cal->RequiredSize().cx);
  EXPECT_EQ(need.Bottom, cal->RequiredSize().cy);
}

// ---------------------------------------------------------------------------------------------
// Pictures

TEST_F(DateCtrlsTest, TheCalendarDrawsTitleSelectionTodayAndGreyNeighbours) {
  auto* cal = Calendar(At(2024, 2, 21));
  Idle();
  const TCapture cap = Capture();
  WritePng(cap, "/tmp/zyl_month_calendar.png");
  const TRect title = cal->TitleRect();
  // The title band is the caption colour between the arrows, above and below the heading.
  const TRect left = cal->ArrowRect(false), right = cal->ArrowRect(true);
  EXPECT_TRUE(PixelsMatch(cap, [](int, int) { return Rgb(clActiveCaption); }, "calendar_title",
                          {10 + left.Right + 1, 10, 10 + right.Left - 1, 10 + 2}));
  EXPECT_EQ(
      Blank(InkBox(cap, TRect{10, 10, 10 + title.Right, 10 + title.Bottom}, Is(clCaptionText))),
      false);
  // The selected day (Wednesday 21: row 3, column 3) is filled with the caption colour, and no
  // other cell is.
  const TRect sel = cal->DayCellRect(3, 3);
  const TRect grid{10 + cal->DayCellRect(0, 0).Left, 10 + cal->DayCellRect(0, 0).Top,
                   10 + cal->DayCellRect(5, 6).Right, 10 + cal->DayCellRect(5, 6).Bottom};
  EXPECT_EQ(InkBox(cap, grid, Is(clActiveCaption)),
            (TRect{10 + sel.Left, 10 + sel.Top, 10 + sel.Right, 10 + sel.Bottom}));
  // Today (Saturday 10: row 1, column 6) is circled in red.
  const TRect today = cal->DayCellRect(1, 6);
  const TRect ring = InkBox(cap, grid, Is(clRed));
  EXPECT_EQ(ring, (TRect{10 + today.Left, 10 + today.Top, 10 + today.Right, 10 + today.Bottom}));
  // Days of January on the first row and of March on the last are in the calendar's trailing
  // text colour (by default the inactive caption's text); February's are not.
  const TColor trailing = cal->CalColors()->TrailingTextColor();
  EXPECT_EQ(trailing, clInactiveCaptionText);
  EXPECT_FALSE(
      Blank(InkBox(cap,
                   TRect{10 + cal->DayCellRect(0, 0).Left, 10 + cal->DayCellRect(0, 0).Top,
                         10 + cal->DayCellRect(0, 3).Right, 10 + cal->DayCellRect(0, 3).Bottom},
                   Is(trailing))));
  const TRect feb = cal->DayCellRect(2, 0);
  EXPECT_TRUE(Blank(InkBox(cap, TRect{10 + feb.Left, 10 + feb.Top, 10 + feb.Right, 10 + feb.Bottom},
                           Is(trailing))));
  EXPECT_FALSE(Blank(InkBox(
      cap, TRect{10 + feb.Left, 10 + feb.Top, 10 + feb.Right, 10 + feb.Bottom}, Is(clWindowText))));
}

// The red ring around today on the screen, in the calendar's client coordinates.
TRect TodayRing(TMonthCalendar* cal) {
  const TRect grid{cal->DayCellRect(0, 0).Left, cal->DayCellRect(0, 0).Top,
                   cal->DayCellRect(5, 6).Right, cal->DayCellRect(5, 6).Bottom};
  const TCapture cap = CaptureWindow(cal->Handle(), false);
  return InkBox(cap, grid, Is(clRed));
}

// A calendar left on the screen moves its ring and its today line on to the new day at
// midnight, and to the day the wall clock was set to within a minute, without being touched.
TEST_F(DateCtrlsTest, TheCalendarOnTheScreenFollowsTodayToTheNextDay) {
  Session().Clock().SetNow(At(2024, 2, 10, 23, 59, 58));
  auto* cal = Calendar(At(2024, 2, 21));
  Idle();
  EXPECT_EQ(TodayRing(cal), cal->DayCellRect(1, 6));  // Saturday 10
  const TRect line = cal->TodayRect();
  const TCapture before = CaptureWindow(cal->Handle(), false);
  AdvanceClock(2000);
  EXPECT_EQ(TodayRing(cal), cal->DayCellRect(2, 0));  // Sunday 11
  const TCapture after = CaptureWindow(cal->Handle(), false);
  int changed = 0;
  for (int y = line.Top; y < line.Bottom; ++y)
    for (int x = line.Left; x < line.Right; ++x) changed += before.Pixel(x, y) != after.Pixel(x, y);
  EXPECT_GT(changed, 0) << "the today line still shows the day before";
  Session().Clock().SetNow(At(2024, 2, 15, 12, 0));
  AdvanceClock(60000);
  EXPECT_EQ(TodayRing(cal), cal->DayCellRect(2, 4));  // Thursday 15
}

TEST_F(DateCtrlsTest, ThePickerHighlightsTheSelectedFieldAndDrawsItsButton) {
  auto* p = Picker(At(2024, 2, 10));
  Press(win::VK_RIGHT);
  Idle();
  TCapture cap = Capture();
  WritePng(cap, "/tmp/zyl_date_picker.png");
  const TDateTimePicker::TField& month = p->Fields()[p->SelectedField()];
  EXPECT_EQ(month.Kind, TDateTimePicker::fkMonth);
  const TRect lit = InkBox(cap, TRect{10, 10, 10 + 186, 10 + 21}, Is(clHighlight));
  EXPECT_EQ(lit.Left, 10 + month.Left);
  EXPECT_EQ(lit.Right, 10 + month.Right);
  // The sunken border: dark grey top-left outside, white bottom-right outside.
  EXPECT_EQ(cap.Color(10 + 5, 10), Rgb(clBtnShadow));
  EXPECT_EQ(cap.Color(10 + 5, 10 + 20), Rgb(clBtnHighlight));
  // The drop-down button carries a black arrow on the button face.
  const TRect b = p->ButtonRect();
  const TRect area{10 + b.Left, 10 + b.Top, 10 + b.Right, 10 + b.Bottom};
  EXPECT_FALSE(Blank(InkBox(cap, area, Is(clBtnFace))));
  EXPECT_FALSE(Blank(InkBox(cap, area, Is(clBlack))));
  // Dropped down, the calendar shows below with its title.
  Press(win::VK_F4);
  const TCapture screen = CaptureScreen();
  WritePng(screen, "/tmp/zyl_date_picker_dropped.png");
  const TPoint below = p->ClientToScreen({30, p->Height() + 4});
  EXPECT_EQ(screen.Color(below.X, below.Y), Rgb(clActiveCaption));
  // Out of focus the field is not highlighted.
  Press(win::VK_ESCAPE);
  auto* other = Add<TDateTimePicker>(10, 100, 186, 21);
  Idle();
  other->SetFocus();
  Idle();
  cap = Capture();
  EXPECT_TRUE(Blank(InkBox(cap, TRect{10, 10, 10 + 186, 10 + 21}, Is(clHighlight))));
}

// ---------------------------------------------------------------------------------------------
// Form streams

TEST_F(DateCtrlsTest, BothControlsKeepTheirPropertiesThroughAFormStream) {
  const TObj text{
      "Form1: TForm",
      {"BorderStyle = bsNone", "Width = 300", "Height = 200"},
      {{"Picker: TDateTimePicker",
        {"Left = 8", "Top = 8", "Width = 150", "Height = 21", "Date = 45351.0",
         "Format = 'dd MMM yyyy'", "Time = 0.75", "ShowCheckbox = True", "Checked = False",
         "DateMode = dmUpDown", "Kind = dtkTime", "MaxDate = 45400.0", "MinDate = 45300.0",
         "TabOrder = 0"}},
       {"Cal: TMonthCalendar",
        {"Left = 8", "Top = 40", "Width = 180", "Height = 150", "Date = 45351.0",
         "MaxDate = 45380.0", "MinDate = 45320.0", "ShowTodayCircle = False", "TabOrder = 1"}}}};
  auto form = FormFromText(text);
  auto* p = Find<TDateTimePicker>(form.get(), "Picker");
  auto* cal = Find<TMonthCalendar>(form.get(), "Cal");
  ASSERT_TRUE(p && cal);
  EXPECT_DOUBLE_EQ(p->DateTime(), At(2024, 2, 29, 18));
  EXPECT_EQ(p->Kind(), dtkTime);
  EXPECT_EQ(p->DateMode(), dmUpDown);
  EXPECT_FALSE(p->Checked());
  EXPECT_EQ(p->Text(), "29 Feb 2024");
  EXPECT_DOUBLE_EQ(p->MinDate(), 45300.0);
  EXPECT_DOUBLE_EQ(cal->Date(), At(2024, 2, 29));
  EXPECT_FALSE(cal->ShowTodayCircle());
  const std::string written = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  auto again = std::make_unique<TForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(written), again.get());
  EXPECT_EQ(ObjectBinaryToTextString(WriteComponentToBytes(again.get())), written);
  auto* p2 = Find<TDateTimePicker>(again.get(), "Picker");
  ASSERT_TRUE(p2);
  EXPECT_DOUBLE_EQ(p2->DateTime(), p->DateTime());
  EXPECT_EQ(p2->Format(), "dd MMM yyyy");
  EXPECT_DOUBLE_EQ(Find<TMonthCalendar>(again.get(), "Cal")->MaxDate(), 45380.0);
}

TEST_F(DateCtrlsTest, AFormFileWithLimitsOutOfOrderIsCheckedOnceLoaded) {
  const TObj bad{
      "Form1: TForm",
      {"BorderStyle = bsNone"},
      {{"Picker: TDateTimePicker", {"Date = 45351.0", "MaxDate = 45300.0", "MinDate = 45400.0"}}}};
  auto form = std::make_unique<TForm>(nullptr);
  EXPECT_EQ(testsupport::ErrorOf<Exception>([&] { ReadObjectText(bad, form.get()); }),
            "Failed to set calendar min/max range");
}

}  // namespace
}  // namespace vcl::testing

namespace vcl::testing {
namespace {

// A date or time beyond the calendar read from a form file: the days before the first year
// and after the last one come back as the first or last day (an infinity too, at midnight); a
// value that is no number is refused with the control's error. The keys and the drop-down
// calendar then step the value within the calendar.
constexpr TDateTime kRefused = -1e308;
const TDateTime kFirstDay = -693593;  // 0001-01-01
const TDateTime kLastDay = 2958465;   // 9999-12-31

struct TOutOfCalendar {
  const char* Name;
  const char* Class;  // TDateTimePicker or TMonthCalendar
  const char* Property;
  const char* Value;
  TDateTime Want;  // what the property reads back, or kRefused
};
class OutOfCalendarTest : public DateCtrlsTest,
                          public ::testing::WithParamInterface<TOutOfCalendar> {};

TEST_P(OutOfCalendarTest, FormValuesAreClampedOrRefusedAndTheKeysStepWithin) {
  const TOutOfCalendar& c = GetParam();
  const TObj text{"Form1: TForm",
                  {"BorderStyle = bsNone", "Width = 320", "Height = 260"},
                  {{std::string("X: ") + c.Class,
                    {"Left = 8", "Top = 8", "Width = 186", "Height = 150",
                     std::string(c.Property) + " = " + c.Value, "TabOrder = 0"},
                    {}}}};
  form_ = std::make_unique<TForm>(nullptr);
  const std::string error =
      testsupport::ErrorOf<Exception>([&] { ReadObjectText(text, form_.get()); });
  if (c.Want == kRefused) {
    EXPECT_EQ(error,
              "Error reading X." + std::string(c.Property) + ": Date or time is not a number");
    return;
  }
  ASSERT_EQ(error, "<no error>");
  auto* x = Find<TWinControl>(form_.get(), "X");
  ASSERT_NE(x, nullptr);
  EXPECT_DOUBLE_EQ(GetFloatProp(x, c.Property), c.Want);
  Show();
  x->SetFocus();
  for (win::BYTE key :
       {win::VK_RIGHT, win::VK_UP, win::VK_DOWN, win::VK_END, win::VK_HOME, win::VK_RIGHT,
        win::VK_UP, win::VK_F4, win::VK_UP, win::VK_NEXT, win::VK_END, win::VK_RETURN})
    KeyPress(key);
  Idle();
  const TDateTime now = GetFloatProp(x, "Date");
  EXPECT_GE(now, kFirstDay);
  EXPECT_LE(now, kLastDay);
  if (auto* p = dynamic_cast<TDateTimePicker*>(x)) {
    EXPECT_FALSE(p->Text().empty());
    EXPECT_GE(p->Time(), 0.0);
    EXPECT_LT(p->Time(), 1.0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, OutOfCalendarTest,
    ::testing::Values(
        TOutOfCalendar{"PickerMinBeyondTheLastYear", "TDateTimePicker", "MinDate", "9.3E18",
                       kLastDay},
        TOutOfCalendar{"PickerMinInfinite", "TDateTimePicker", "MinDate", "+INF", kLastDay},
        TOutOfCalendar{"PickerMinMinusInfinite", "TDateTimePicker", "MinDate", "-INF", kFirstDay},
        TOutOfCalendar{"PickerMinNotANumber", "TDateTimePicker", "MinDate", "+NAN", kRefused},
        TOutOfCalendar{"PickerMaxBeforeTheFirstYear", "TDateTimePicker", "MaxDate", "-9.3E18",
                       kFirstDay},
        TOutOfCalendar{"PickerMaxNotANumber", "TDateTimePicker", "MaxDate", "-NAN", kRefused},
        TOutOfCalendar{"PickerDateBeyondTheLastYear", "TDateTimePicker", "Date", "1.0E7", kLastDay},
        TOutOfCalendar{"PickerDateMinusInfinite", "TDateTimePicker", "Date", "-INF", kFirstDay},
        TOutOfCalendar{"PickerDateNotANumber", "TDateTimePicker", "Date", "+NAN", kRefused},
        TOutOfCalendar{"PickerTimeInfinite", "TDateTimePicker", "Time", "+INF", 0.0},
        TOutOfCalendar{"PickerTimeBeforeTheFirstYear", "TDateTimePicker", "Time", "-9.3E18", 0.0},
        TOutOfCalendar{"PickerTimeNotANumber", "TDateTimePicker", "Time", "+NAN", kRefused},
        TOutOfCalendar{"CalendarMinBeyondTheLastYear", "TMonthCalendar", "MinDate", "9.3E18",
                       kLastDay},
        TOutOfCalendar{"CalendarMaxMinusInfinite", "TMonthCalendar", "MaxDate", "-INF", kFirstDay},
        TOutOfCalendar{"CalendarDateInfinite", "TMonthCalendar", "Date", "+INF", kLastDay},
        TOutOfCalendar{"CalendarDateNotANumber", "TMonthCalendar", "Date", "+NAN", kRefused}),
    [](const ::testing::TestParamInfo<TOutOfCalendar>& i) { return std::string(i.param.Name); });

TEST_F(DateCtrlsTest, ProgramValuesBeyondTheCalendarAreClampedAndNoNumberIsRefused) {
  auto* p = Picker(At(2024, 2, 10, 8, 15));
  p->SetDate(1e300);
  EXPECT_DOUBLE_EQ(p->DateTime(), kLastDay + EncodeTime(8, 15, 0, 0));
  p->SetDateTime(-std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(p->DateTime(), kFirstDay);
  p->SetMaxDate(std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(p->MaxDate(), kLastDay);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (auto set :
       {&TDateTimePicker::SetDate, &TDateTimePicker::SetTime, &TDateTimePicker::SetDateTime,
        &TDateTimePicker::SetMinDate, &TDateTimePicker::SetMaxDate})
    EXPECT_EQ(testsupport::ErrorOf<EDateTimeError>([&] { (p->*set)(nan); }),
              "Date or time is not a number");
  EXPECT_DOUBLE_EQ(p->DateTime(), kFirstDay);
  EXPECT_DOUBLE_EQ(p->MaxDate(), kLastDay);
  // From the first day the month steps on.
  Press(win::VK_RIGHT);
  Press(win::VK_UP);
  EXPECT_EQ(p->Text(), "01/02/0001");
}

// The smallest form that once stopped the program when its picker's month was stepped.
TEST_F(DateCtrlsTest, APickerWithItsMinimumBeyondTheLastYearStepsItsMonth) {
  TMemoryStream m;
  m.LoadFromFile(testsupport::SourceDir() + "/tests/fuzz/form_text/regress/picker-min-date.bin");
  form_ = std::make_unique<TForm>(nullptr);
  ReadComponentFromBytes(
      ObjectTextToBinaryString(std::string(static_cast<const char*>(m.Memory()), m.Size())),
      form_.get());
  auto* p = Find<TDateTimePicker>(form_.get(), "DateTimePicker1");
  ASSERT_NE(p, nullptr);
  Show();
  p->SetFocus();
  Press(win::VK_RIGHT);
  Press(win::VK_UP);
  EXPECT_DOUBLE_EQ(p->Date(), kLastDay);
  EXPECT_EQ(p->Text(), "31/12/9999");
}

}  // namespace
}  // namespace vcl::testing
