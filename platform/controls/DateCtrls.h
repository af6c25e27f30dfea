// The date controls of the common controls: TMonthCalendar (a month's grid of days with a
// title, arrows to page through the months, a line with today's date, optional week numbers
// and a selected day or, with MultiSelect, range of days, in the colours of its CalColors) and
// TDateTimePicker (an edit field of date or time fields, stepped by the keyboard, with a
// drop-down calendar or an up-down, and with ParseInput a free text for OnUserInput). Both answer
// their window messages (DTM_, MCM_) and tell their parent through WM_NOTIFY (DTN_, MCN_). Dates
// count whole days (TDateTime); a limit of 0 is no limit.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/Controls.h"
#include "platform/rtl/DateTime.h"
#include "platform/sys/ShellFiles.h"

namespace win {

struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT_PTR idFrom = 0;
  UINT code = 0;
};

constexpr UINT MCM_FIRST = 0x1000;
constexpr UINT MCM_GETCURSEL = MCM_FIRST + 1;
constexpr UINT MCM_SETCURSEL = MCM_FIRST + 2;
constexpr UINT MCM_GETMAXSELCOUNT = MCM_FIRST + 3;
constexpr UINT MCM_SETMAXSELCOUNT = MCM_FIRST + 4;
constexpr UINT MCM_GETSELRANGE = MCM_FIRST + 5;
constexpr UINT MCM_SETSELRANGE = MCM_FIRST + 6;
constexpr UINT MCM_GETMINREQRECT = MCM_FIRST + 9;
constexpr UINT MCM_SETCOLOR = MCM_FIRST + 10;
constexpr UINT MCM_GETCOLOR = MCM_FIRST + 11;
constexpr UINT MCM_SETTODAY = MCM_FIRST + 12;
constexpr UINT MCM_GETTODAY = MCM_FIRST + 13;
constexpr UINT MCM_SETFIRSTDAYOFWEEK = MCM_FIRST + 15;
constexpr UINT MCM_GETFIRSTDAYOFWEEK = MCM_FIRST + 16;
constexpr UINT MCM_GETRANGE = MCM_FIRST + 17;
constexpr UINT MCM_SETRANGE = MCM_FIRST + 18;
// The calendar's colours (MCM_/DTM_ GETCOLOR and SETCOLOR): around the month, its days' text,
// the title's band and text, the month's background, the neighbouring months' days.
constexpr int MCSC_BACKGROUND = 0;
constexpr int MCSC_TEXT = 1;
constexpr int MCSC_TITLEBK = 2;
constexpr int MCSC_TITLETEXT = 3;
constexpr int MCSC_MONTHBK = 4;
constexpr int MCSC_TRAILINGTEXT = 5;
constexpr UINT MCN_FIRST = 0u - 750u;
constexpr UINT MCN_SELCHANGE = MCN_FIRST + 1;
constexpr UINT MCN_SELECT = MCN_FIRST + 4;

constexpr UINT DTM_FIRST = 0x1000;
constexpr UINT DTM_GETSYSTEMTIME = DTM_FIRST + 1;
constexpr UINT DTM_SETSYSTEMTIME = DTM_FIRST + 2;
constexpr UINT DTM_GETRANGE = DTM_FIRST + 3;
constexpr UINT DTM_SETRANGE = DTM_FIRST + 4;
constexpr UINT DTM_SETFORMATA = DTM_FIRST + 5;
constexpr UINT DTM_SETMCCOLOR = DTM_FIRST + 6;
constexpr UINT DTM_GETMCCOLOR = DTM_FIRST + 7;
constexpr UINT DTM_GETMONTHCAL = DTM_FIRST + 8;
constexpr UINT DTN_FIRST = 0u - 760u;
constexpr UINT DTN_DATETIMECHANGE = DTN_FIRST + 1;
constexpr UINT DTN_DROPDOWN = DTN_FIRST + 6;
constexpr UINT DTN_CLOSEUP = DTN_FIRST + 7;

// DTM_GETSYSTEMTIME's answers and DTM_SETSYSTEMTIME's wParam.
constexpr LRESULT GDT_ERROR = -1;
constexpr LRESULT GDT_VALID = 0;
constexpr LRESULT GDT_NONE = 1;
// Which ends of a range are set (DTM_/MCM_ GETRANGE and SETRANGE).
constexpr DWORD GDTR_MIN = 1;
constexpr DWORD GDTR_MAX = 2;

struct NMDATETIMECHANGE {
  NMHDR nmhdr;
  DWORD dwFlags = 0;  // GDT_VALID or GDT_NONE
  SYSTEMTIME st;
};
struct NMSELCHANGE {
  NMHDR nmhdr;
  SYSTEMTIME stSelStart;
  SYSTEMTIME stSelEnd;
};
using NMSELECT = NMSELCHANGE;

}  // namespace win

namespace vcl {

using EDateTimeError = vcl::TNamedException<"EDateTimeError", Exception>;

ZYL_ENUM(TDateTimeKind, dtkDate, dtkTime)
ZYL_ENUM(TDTDateFormat, dfShort, dfLong)
ZYL_ENUM(TDTDateMode, dmComboBox, dmUpDown)
ZYL_ENUM(TDTCalAlignment, dtaLeft, dtaRight)
ZYL_ENUM(TCalDayOfWeek, dowMonday, dowTuesday, dowWednesday, dowThursday, dowFriday, dowSaturday,
         dowSunday, dowLocaleDefault)

// Asks for the days of a month (1..12) shown bold: bit 0 of MonthBoldInfo is the first day.
using TOnGetMonthInfoEvent = TEvent<void(TObject* Sender, uint32_t Month, uint32_t& MonthBoldInfo)>;
// The text a user typed into a picker: the handler sets DateAndTime (the picker's value when
// called) and may refuse it with AllowChange.
using TDTParseInputEvent = TEvent<void(TObject* Sender, const std::string& UserString,
                                       TDateTime& DateAndTime, bool& AllowChange)>;

// The whole days of a date and time, and its time of day (also for days before 1899-12-30,
// whose fraction counts the time backwards).
TDateTime DatePart(TDateTime Value);
TDateTime TimePart(TDateTime Value);
TDateTime JoinDateTime(TDateTime ADate, TDateTime ATime);
win::SYSTEMTIME DateTimeToSystemTime(TDateTime Value);

// A value the date controls take: days before the calendar's first (0001-01-01) or after its
// last (9999-12-31) become that day, keeping the time (an infinity at midnight); EDateTimeError
// for a value that is not a number.
TDateTime InCalendar(TDateTime Value);

// The limits of a date control: whole days, 0 for no limit.
struct TDateLimits {
  TDateTime Min = 0, Max = 0;
  // Whether the day of Value lies within them.
  bool Contains(TDateTime Value) const;
  // Value moved into them by its day, keeping its time.
  TDateTime Clamp(TDateTime Value) const;
  // EDateTimeError naming the limit Value's day lies beyond.
  void Check(TDateTime Value) const;
  // EDateTimeError for a Min above Max.
  void CheckOrder() const;
  // Sets one end (its day, within the calendar); out of order raises EDateTimeError unless
  // `Loading` (a form file may give them in any order: check once loaded).
  void SetMin(TDateTime Value, bool Loading);
  void SetMax(TDateTime Value, bool Loading);
  // The window messages' range: which ends are set (GDTR_ flags) with both in Range[0..1]
  // (zeros for an end not set), and setting them from the flags; false for a null pointer,
  // parts that make no date or ends out of order, leaving the limits as they were.
  win::LRESULT Read(win::SYSTEMTIME* Range) const;
  bool Write(win::WPARAM Flags, const win::SYSTEMTIME* Range);
};

// The colours a month calendar draws with, published as "CalColors"; index MCSC_BACKGROUND ..
// MCSC_TRAILINGTEXT. Every change fires OnChange (the owner repaints).
class TMonthCalColors : public TPersistent {
  ZYL_CLASS(TMonthCalColors, TPersistent)
  TMonthCalColors();

  TColor Color(int Index) const;
  // An index outside MCSC_BACKGROUND .. MCSC_TRAILINGTEXT raises ERangeError.
  void SetColor(int Index, TColor Value);
  TColor BackColor() const { return colors_[win::MCSC_BACKGROUND]; }
  TColor TextColor() const { return colors_[win::MCSC_TEXT]; }
  TColor TitleBackColor() const { return colors_[win::MCSC_TITLEBK]; }
  TColor TitleTextColor() const { return colors_[win::MCSC_TITLETEXT]; }
  TColor MonthBackColor() const { return colors_[win::MCSC_MONTHBK]; }
  TColor TrailingTextColor() const { return colors_[win::MCSC_TRAILINGTEXT]; }
  void Assign(TPersistent* Source) override;
  // The GETCOLOR and SETCOLOR messages: a colour as RGB, and setting one from RGB answering
  // the one before; -1 for an index that names none.
  win::LRESULT ReadColor(win::WPARAM Index) const;
  win::LRESULT WriteColor(win::WPARAM Index, win::LPARAM Rgb);

  TNotifyEvent OnChange;

 private:
  static constexpr int kCount = 6;
  TColor colors_[kCount];
};

class TMonthCalendar : public TCustomControl {
  ZYL_CLASS(TMonthCalendar, TCustomControl)
  ZYL_MESSAGES(TMonthCalendar)
  explicit TMonthCalendar(TComponent* AOwner);
  ~TMonthCalendar() override;

  // The selected day (the first of the selection with MultiSelect); outside MinDate .. MaxDate
  // raises EDateTimeError. With MultiSelect the selection keeps its last day where the range
  // still fits (from Date, at most MaxSelectRange days), else it becomes the one day.
  TDateTime Date() const { return date_; }
  void SetDate(TDateTime Value);
  // The last day of the selection: Date itself without MultiSelect (setting another day then
  // raises EDateTimeError). With MultiSelect, a day before Date, outside the limits or beyond
  // MaxSelectRange days from Date raises EDateTimeError; a form file's selection is checked
  // once loaded.
  TDateTime EndDate() const { return endDate_; }
  void SetEndDate(TDateTime Value);
  bool IsEndDateStored() const { return multiSelect_; }
  // Whether the user selects a range of days (drag, Shift with a click or the keys). Off, the
  // selection becomes Date alone.
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool Value);
  // The most days a selection holds (at least 1, else EDateTimeError); a longer one is cut.
  int32_t MaxSelectRange() const { return maxSelectRange_; }
  void SetMaxSelectRange(int32_t Value);
  TMonthCalColors* CalColors() const { return calColors_; }
  void SetCalColors(TMonthCalColors* Value) { calColors_->Assign(Value); }
  // The weekday in the first column; dowLocaleDefault takes the locale's.
  TCalDayOfWeek FirstDayOfWeek() const { return firstDayOfWeek_; }
  void SetFirstDayOfWeek(TCalDayOfWeek Value);
  // The weekday in the first column now, 0 for Monday .. 6 for Sunday.
  int FirstColumnDay() const;
  // A column with the week of the year (by the locale's rule for the first week) left of the
  // days.
  bool WeekNumbers() const { return weekNumbers_; }
  void SetWeekNumbers(bool Value);
  // The week number shown on a row of the page.
  int WeekNumber(int Row) const;
  // With AutoSize the calendar takes the size it needs (RequiredSize).
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  void SetBorderWidth(int32_t Value);
  const TOnGetMonthInfoEvent& OnGetMonthInfo() const { return onGetMonthInfo_; }
  void SetOnGetMonthInfo(const TOnGetMonthInfoEvent& Value);
  // Sets the bits of the given days (1..31) in a month's bold days.
  static void BoldDays(std::initializer_list<uint32_t> Days, uint32_t& MonthBoldInfo);
  // Whether a day shown on the page is drawn bold (OnGetMonthInfo).
  bool IsBold(TDateTime Value);
  // A MinDate above MaxDate raises EDateTimeError (checked after loading for form files); a
  // selected day outside a new limit moves to it.
  TDateTime MinDate() const { return limits_.Min; }
  void SetMinDate(TDateTime Value);
  TDateTime MaxDate() const { return limits_.Max; }
  void SetMaxDate(TDateTime Value);
  bool ShowToday() const { return showToday_; }
  void SetShowToday(bool Value);
  bool ShowTodayCircle() const { return showTodayCircle_; }
  void SetShowTodayCircle(bool Value);
  // The day shown as today: the clock's date unless MCM_SETTODAY set another.
  TDateTime Today() const;

  // The parts of the grid, in client coordinates (inside BorderWidth): the title with its
  // arrows, the cell of a day shown on the page (row 0..5, column 0..6; row -1 the day names),
  // the cell of a row's week number, the line with today's date.
  TRect TitleRect();
  TRect ArrowRect(bool Next);
  TRect DayCellRect(int Row, int Column);
  TRect WeekNumberRect(int Row);
  TRect TodayRect();
  // The day shown at a client point; false outside the days.
  bool DayAt(int X, int Y, TDateTime& Value);
  // The first day shown (the first day of the week, by FirstDayOfWeek, holding the month's
  // first day).
  TDateTime FirstShownDay() const;
  // The size the whole calendar needs with its font.
  TSize RequiredSize();
  // What a click at a client point does: pages, picks a day or today; with MultiSelect and
  // Shift it stretches the selection from the day the user last picked. True when it picked a
  // day.
  bool ClickAt(int X, int Y, TShiftState Shift = {});
  // Moves the selection by keyboard as the user does (Shift stretches it with MultiSelect);
  // true when the key was one of them.
  bool StepByKey(uint16_t Key, TShiftState Shift);

  void Loaded() override;

 protected:
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool CanResize(int& NewWidth, int& NewHeight) override;
  void WMGetDlgCode(TMessage& Message);
  void CMFocusChanged(TCMFocusChanged& Message);
  void CMFontChanged(TMessage& Message);
  void MCMGetCurSel(TMessage& Message);
  void MCMSetCurSel(TMessage& Message);
  void MCMGetRange(TMessage& Message);
  void MCMSetRange(TMessage& Message);
  void MCMGetToday(TMessage& Message);
  void MCMSetToday(TMessage& Message);
  void MCMGetMinReqRect(TMessage& Message);
  void MCMGetSelRange(TMessage& Message);
  void MCMSetSelRange(TMessage& Message);
  void MCMGetMaxSelCount(TMessage& Message);
  void MCMSetMaxSelCount(TMessage& Message);
  void MCMGetColor(TMessage& Message);
  void MCMSetColor(TMessage& Message);
  void MCMGetFirstDayOfWeek(TMessage& Message);
  void MCMSetFirstDayOfWeek(TMessage& Message);
  // A calendar left on the screen moves today's ring and line on when the day turns: each paint
  // sets a timer for the next midnight (checked again at least once a minute, for a wall clock
  // set by hand), which repaints when the day shown as today is no longer the clock's.
  void WatchToday();
  void WMTimer(TMessage& Message);
  // Moves the selection where the user asked (kept within the limits), tells the parent and
  // OnClick; `Picked` also sends MCN_SELECT.
  void UserSelect(TDateTime Value, bool Picked);
  // The user's range from Anchor to Active (either order), cut to MaxSelectRange days towards
  // Active and kept within the limits.
  void UserSelectRange(TDateTime Anchor, TDateTime Active, bool Picked);
  // Sets the selection, raising EDateTimeError for a range the calendar cannot hold.
  void SelectRange(TDateTime Start, TDateTime End);
  // Whether a range fits: in order, within the limits and MaxSelectRange.
  bool RangeFits(TDateTime Start, TDateTime End) const;
  void Notify(win::UINT Code);
  void DoColorsChange(TObject* Sender);
  // Takes the size the calendar needs when AutoSize is on.
  void AdjustCalendarSize();
  int CellWidth();
  int CellHeight();
  // Left of the day columns: after the margin and the week numbers' column.
  int GridLeft();
  // The bold days of the month (1..12) of the page that holds Value, from OnGetMonthInfo, asked
  // once for each page shown.
  uint32_t BoldInfo(TDateTime Value);

  TDateTime date_ = 0, endDate_ = 0, today_ = 0;
  TDateTime paintedToday_ = 0;  // the day the last paint showed as today
  // The day the user's range selection stretches from, and the other end while stretching.
  TDateTime anchor_ = 0, active_ = 0;
  // The page shows the month of Date, or while the mouse stretches a range the month it
  // showed when pressed.
  TDateTime PageDate() const { return dragging_ ? dragPage_ : date_; }
  TDateTime dragPage_ = 0;
  TDateLimits limits_;
  bool showToday_ = true, showTodayCircle_ = true, todaySet_ = false;
  bool multiSelect_ = false, weekNumbers_ = false, autoSize_ = false, dragging_ = false;
  int32_t maxSelectRange_ = 31;
  TCalDayOfWeek firstDayOfWeek_ = dowLocaleDefault;
  TMonthCalColors* calColors_ = nullptr;
  TOnGetMonthInfoEvent onGetMonthInfo_;
  // The bold days asked for: the page (first day shown) they belong to, by month.
  TDateTime boldPage_ = 0;
  bool boldValid_ = false;
  uint32_t bold_[3] = {0, 0, 0};
};

class TDateTimePicker : public TCustomControl {
  ZYL_CLASS(TDateTimePicker, TCustomControl)
  ZYL_MESSAGES(TDateTimePicker)
  explicit TDateTimePicker(TComponent* AOwner);
  ~TDateTimePicker() override;

  // One field of the text: a part of the date or time, or text between them.
  enum TFieldKind { fkText, fkDay, fkDayName, fkMonth, fkYear, fkHour, fkMinute, fkSecond, fkAmPm };
  struct TField {
    TFieldKind Kind = fkText;
    std::string Text;  // fkText: the text shown; else the format token ("dd", "MMM", "h", ...)
    int Left = 0, Right = 0;  // where it shows, in client coordinates (after a paint)
  };

  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind Value);
  // The date and time held; setting one part keeps the other. Values beyond the calendar are
  // brought within it (InCalendar); outside MinDate .. MaxDate raises EDateTimeError.
  TDateTime DateTime() const { return dateTime_; }
  void SetDateTime(TDateTime Value);
  TDateTime Date() const { return DatePart(dateTime_); }
  void SetDate(TDateTime Value);
  TDateTime Time() const { return TimePart(dateTime_); }
  void SetTime(TDateTime Value);
  TDTDateFormat DateFormat() const { return dateFormat_; }
  void SetDateFormat(TDTDateFormat Value);
  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode Value);
  bool ShowCheckbox() const { return showCheckbox_; }
  void SetShowCheckbox(bool Value);
  bool Checked() const { return checked_; }
  void SetChecked(bool Value);
  // Limits of the date (whole days; 0: none). A MinDate above MaxDate raises EDateTimeError.
  TDateTime MinDate() const { return limits_.Min; }
  void SetMinDate(TDateTime Value);
  TDateTime MaxDate() const { return limits_.Max; }
  void SetMaxDate(TDateTime Value);
  // The picker's own format (d, dd, ddd, dddd, M, MM, MMM, MMMM, y, yy, yyyy, h, hh, H, HH, m,
  // mm, s, ss, t, tt, text in '...'); empty: the format settings' short or long date format,
  // or their long time format.
  const std::string& Format() const { return format_; }
  void SetFormat(const std::string& Value);
  // Which edge of the picker the drop-down calendar lines up with.
  TDTCalAlignment CalAlignment() const { return calAlignment_; }
  void SetCalAlignment(TDTCalAlignment Value) { calAlignment_ = Value; }
  // The colours of the drop-down calendar.
  TMonthCalColors* CalColors() const { return calColors_; }
  void SetCalColors(TMonthCalColors* Value) { calColors_->Assign(Value); }
  // With ParseInput, F2 lets the user type a free text in place of the fields; Enter (or
  // leaving the picker) hands it to OnUserInput, which decides the value; Escape drops it.
  bool ParseInput() const { return parseInput_; }
  void SetParseInput(bool Value);
  const TDTParseInputEvent& OnUserInput() const { return onUserInput_; }
  void SetOnUserInput(const TDTParseInputEvent& Value) { onUserInput_ = Value; }
  // Whether the user is typing a text, and the text so far.
  bool UserEditing() const { return userEditing_; }
  const std::string& UserText() const { return userText_; }

  // The fields of the text as shown now, and the one the keyboard works on.
  const std::vector<TField>& Fields();
  int SelectedField() const { return selected_; }
  void SelectField(int Index);
  std::string Text();
  // The drop-down calendar while it is open.
  bool DroppedDown() const { return calendar_ != nullptr; }
  TMonthCalendar* DropDownCalendar() const { return calendar_; }
  void DropDown();
  // Closes the calendar, taking its date when `Accept`.
  void CloseUp(bool Accept);
  // Starts the user's text (with ParseInput), or ends it: `Accept` hands it to OnUserInput.
  void BeginUserInput();
  void EndUserInput(bool Accept);
  // The drop-down button or the up-down's two halves, the check box, in client coordinates.
  TRect ButtonRect();
  TRect UpDownRect(bool Up);
  TRect CheckBoxRect();

  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(const TNotifyEvent& Value) { onChange_ = Value; }
  const TNotifyEvent& OnCloseUp() const { return onCloseUp_; }
  void SetOnCloseUp(const TNotifyEvent& Value) { onCloseUp_ = Value; }
  const TNotifyEvent& OnDropDown() const { return onDropDown_; }
  void SetOnDropDown(const TNotifyEvent& Value) { onDropDown_ = Value; }

  void Loaded() override;

 protected:
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMGetDlgCode(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void CMFocusChanged(TCMFocusChanged& Message);
  void CMFontChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void DTMGetSystemTime(TMessage& Message);
  void DTMSetSystemTime(TMessage& Message);
  void DTMGetRange(TMessage& Message);
  void DTMSetRange(TMessage& Message);
  void DTMSetFormat(TMessage& Message);
  void DTMGetMonthCal(TMessage& Message);

  bool HasUpDown() const { return kind_ == dtkTime || dateMode_ == dmUpDown; }
  // Builds fields_ from the format in use.
  void BuildFields();
  // Steps the selected field by Delta (wrapping within it), or sets it to Value.
  void StepField(int Delta);
  void SetFieldValue(int Index, int Value);
  void TypeDigit(int Digit);
  void FinishTyping();
  // A value the user chose: kept within the limits; tells OnChange and the parent.
  void UserChange(TDateTime Value);
  void Notify(win::UINT Code);
  void Changed();
  void DoColorsChange(TObject* Sender);
  void UserTextKey(char Key);
  void DTMGetMcColor(TMessage& Message);
  void DTMSetMcColor(TMessage& Message);

  TDateTimeKind kind_ = dtkDate;
  TDateTime dateTime_ = 0;
  TDateLimits limits_;
  TDTDateFormat dateFormat_ = dfShort;
  TDTDateMode dateMode_ = dmComboBox;
  bool showCheckbox_ = false, checked_ = true;
  std::string format_;
  std::vector<TField> fields_;
  bool fieldsValid_ = false;
  int selected_ = -1;
  int typed_ = 0, typedDigits_ = 0;  // digits typed into the selected field so far
  // The day last chosen: a new month or year takes it again where the month is long enough.
  int wantDay_ = 1;
  TMonthCalendar* calendar_ = nullptr;
  TDTCalAlignment calAlignment_ = dtaLeft;
  TMonthCalColors* calColors_ = nullptr;
  // While the user types a text: whether all of it is selected (the next key replaces it).
  bool parseInput_ = false, userEditing_ = false, userTextSelected_ = false;
  std::string userText_;
  TNotifyEvent onChange_, onCloseUp_, onDropDown_;
  TDTParseInputEvent onUserInput_;
};

}  // namespace vcl
