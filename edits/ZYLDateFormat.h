// TZYLDateFormat: the date picture of the date kind of the mask edit. It writes a date in a
// display form and in a fixed-width edit form, reads a text back, and finds the day, month and
// year fields of a text so that the edit can select and step them.
//
// A picture is read without regard to case; a run of one of the letters D, M, Y is one field
// and every other character is copied. The type of a field is its run's length for D, the
// length plus 10 for M and plus 20 for Y (DD = 2, MMM = 13, YYYY = 24). Positions in texts
// are 1-based.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLObject.h"
#include "platform/rtl/DateTime.h"

namespace zyl {

ZYL_ENUM(TZYLDateFormats, dfShortSystem, dfLongSystem, dfCustom)

class TZYLDateFormat : public TZYLObject {
  ZYL_CLASS(TZYLDateFormat, TZYLObject)
  TZYLDateFormat() = default;

  void Assign(vcl::TPersistent* Source) override;

  std::string FormatStr() const { return FFormatStr; }
  // Fires OnFormatChange before storing a new picture, OnFormatChanged after when the
  // custom picture is in force.
  void SetFormatStr(std::string Value);
  TZYLDateFormats Format() const { return FFormat; }
  void SetFormat(TZYLDateFormats Value);
  // The last two-digit year that goes to the current century; -1: the platform's window.
  int8_t YearDelta() const { return FYearDelta; }
  void SetYearDelta(int8_t Value) { FYearDelta = Value; }
  const vcl::TNotifyEvent& GetOnFormatChanged() const { return FOnFormatChanged; }
  void SetOnFormatChanged(const vcl::TNotifyEvent& Value) { FOnFormatChanged = Value; }
  const vcl::TNotifyEvent& GetOnFormatChange() const { return FOnFormatChange; }
  void SetOnFormatChange(const vcl::TNotifyEvent& Value) { FOnFormatChange = Value; }

  // The picture in force: the locale's short or long date format, or FormatStr with every
  // "/" replaced by the locale's date separator.
  std::string GetFormatStr() const;

  // The display form of a date.
  std::string DateToStr(vcl::TDateTime Date) const;
  // The edit form: numbers and names padded to a fixed width.
  std::string GetEditString(int Year, int Month, int Day) const;
  std::string GetDTEditString(vcl::TDateTime Date) const;
  // Reads a text by the picture; what the text lacks stays 1900-01-01. A two-digit year goes
  // to the current century when it is not above GetYearDelta, else to the one before.
  void StrToYMD(const std::string& Text, int& Year, int& Month, int& Day) const;
  // StrToYMD, a February day beyond the month's last limited to it; EConvertError for any
  // other date that does not exist.
  vcl::TDateTime StrToDate(const std::string& Text) const;

  // The field with the 1-based index in a text: its type (0 beyond the last field), its start
  // and its end (one past its last character).
  void GetPatInfo(int Index, const std::string& Text, int& Type, int& End, int& Start) const;
  // The index of the field holding a position; 0 beyond the text's end plus one, -1 in no
  // field.
  int GetPattern(int Position, const std::string& Text) const;
  int CurrentType(int Position, const std::string& Text) const;
  int CurrentStart(int Position, const std::string& Text) const;
  int CurrentLength(int Position, const std::string& Text) const;
  // The start of the field after, or before, the position's field.
  int NextEditPos(int Position, const std::string& Text) const;
  int PrevEditPos(int Position, const std::string& Text) const;

  static int CurrentYear();
  // YearDelta; for -1 the platform's two-digit year window, as a delta of this year.
  int GetYearDelta() const;
  // The lengths of the locale's longest day and month names.
  static int GetShortDayExtend();
  static int GetLongDayExtend();
  static int GetShortMonthExtend();
  static int GetLongMonthExtend();

 protected:
  virtual void DoFormatChange();
  virtual void DoFormatChanged();

 private:
  struct TField {
    int Type = 0;
    int Start = 0;
    int End = 0;
  };
  // Walks the picture and the text together: a picture character that is no field letter
  // passes one character of the text; for each run of a field letter, Visit(letter, run length,
  // text position, picture character after the run or '\0') reads the field from the position
  // on, moving it, until it answers false.
  template <class F>
  void WalkRuns(const std::string& Text, F Visit) const;
  // Calls Visit for each field WalkRuns finds, with its type and place, until it answers false.
  template <class F>
  void WalkFields(const std::string& Text, F Visit) const;
  std::string Write(int Year, int Month, int Day, bool EditForm) const;
  // The field holding a position (all 0 when none does).
  TField FieldAt(int Position, const std::string& Text) const;

  std::string FFormatStr;
  TZYLDateFormats FFormat = dfShortSystem;
  int8_t FYearDelta = -1;

 protected:
  vcl::TNotifyEvent FOnFormatChange;
  vcl::TNotifyEvent FOnFormatChanged;
};

}  // namespace zyl
