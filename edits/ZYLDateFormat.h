// TZYLDateFormat: the date picture behind the date kind of the mask edit. It writes dates in a
// display form and in a fixed-width edit form, reads them back, and finds the fields of a date
// text (the day, month and year runs of the picture) so that an edit can select and step them.
//
// A picture is read case-insensitively; a run of one of the letters D, M and Y is one field,
// whose type is its length for D, its length plus 10 for M and its length plus 20 for Y
// (D, DD: numbers; DDD, DDDD: short and long day names; M, MM, MMM, MMMM likewise for months;
// Y, YYYY: the full year; YY: two digits). Every other character is copied. Positions in texts
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

  const std::string& FormatStr() const { return FFormatStr; }
  void SetFormatStr(const std::string& Value);
  TZYLDateFormats Format() const { return FFormat; }
  void SetFormat(TZYLDateFormats Value);
  // -1: the platform's two-digit-year window decides.
  int8_t YearDelta() const { return FYearDelta; }
  void SetYearDelta(int8_t Value) { FYearDelta = Value; }
  // Fired after the picture in force changed, and before FormatStr changes.
  vcl::TNotifyEvent OnFormatChanged;
  vcl::TNotifyEvent OnFormatChange;

  // The picture in force: the locale's short or long date format, or FormatStr with every "/"
  // replaced by the locale's date separator.
  std::string GetFormatStr() const;
  std::string DateToStr(vcl::TDateTime Date) const;
  // The edit form: every field at its fixed width (numbers and names padded on the right).
  std::string GetEditString(int Year, int Month, int Day) const;
  std::string GetDTEditString(vcl::TDateTime Date) const;
  // Reads a text by the picture; what the text lacks stays at 1900-01-01 (month 0 for an
  // unknown month name).
  void StrToYMD(const std::string& Text, int& Year, int& Month, int& Day) const;
  // A 29th to 31st of February becomes its last day; any other impossible date raises
  // EConvertError.
  vcl::TDateTime StrToDate(const std::string& Text) const;

  // The field Index (1-based, counting the picture's runs) of Text: its type (0 beyond the
  // last run), its start and its end (one past its last character).
  void GetPatInfo(int Index, const std::string& Text, int& Type, int& End, int& Start) const;
  // The index of the field that holds Pos: 0 beyond the text's end plus one, -1 when Pos lies
  // before a field or in none.
  int GetPattern(int Pos, const std::string& Text) const;
  int CurrentType(int Pos, const std::string& Text) const;
  int CurrentStart(int Pos, const std::string& Text) const;
  int CurrentLength(int Pos, const std::string& Text) const;
  // The start of the next field (the field's own without one), of the previous one (1 before
  // the first).
  int NextEditPos(int Pos, const std::string& Text) const;
  int PrevEditPos(int Pos, const std::string& Text) const;

  static int CurrentYear();
  int GetYearDelta() const;
  static int GetShortDayExtend();
  static int GetLongDayExtend();
  static int GetShortMonthExtend();
  static int GetLongMonthExtend();

 private:
  std::string FFormatStr;
  TZYLDateFormats FFormat = dfShortSystem;
  int8_t FYearDelta = -1;
};

}  // namespace zyl
