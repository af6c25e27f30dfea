// Date settings: TZYLDateTime (one date-time value with its parts as properties) and
// TZYLDateList (a list of dated descriptions with its own stream form).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/ZYLObject.h"

namespace vcl {
class TStream;
class TFiler;
}

namespace zyl {

class TZYLDateTime : public TZYLObject {
  ZYL_CLASS(TZYLDateTime, TZYLObject)
  // 1990-01-01 00:00:00.
  TZYLDateTime();

  void Assign(vcl::TPersistent* Source) override;
  // "{yyyy-mm-dd hh:nn:ss}".
  std::string GetSetStr() override;

  // The value as days since 1899-12-30.
  double Value() const { return FValue; }
  void SetValue(double Value);

  int32_t GetYear() const;
  uint8_t GetMonth() const;
  uint8_t GetDay() const;
  uint8_t GetHour() const;
  uint8_t GetMinute() const;
  uint8_t GetSecond() const;
  // Setting a part keeps the others; a day beyond the month's last is limited to it, a month
  // outside 1 .. 12, a year outside 1 .. 9999, an hour above 23 and a minute or second above
  // 59 are limited to the range.
  void SetYear(int32_t Value);
  void SetMonth(uint8_t Value);
  void SetDay(uint8_t Value);
  void SetHour(uint8_t Value);
  void SetMinute(uint8_t Value);
  void SetSecond(uint8_t Value);

 private:
  struct TParts {
    int Year, Month, Day, Hour, Minute, Second;
  };
  TParts Parts() const;
  void SetParts(TParts P);
  // Sets one part of the value, the others kept.
  void SetPart(int TParts::*Part, int Value);

  double FValue = 0;
};

// One entry of a date list. The description holds at most 40 characters.
struct TZYLDateRecord {
  double DateTime = 0;
  std::string Description;
  friend bool operator==(const TZYLDateRecord&, const TZYLDateRecord&) = default;
};

// A list of dated descriptions. Stream form: the version byte 1, then one 64-byte record per
// entry: the date-time as a little-endian double, the description's length byte and its 40
// character places, 15 reserved zero bytes.
class TZYLDateList : public TZYLObject {
  ZYL_CLASS(TZYLDateList, TZYLObject)
  TZYLDateList() = default;

  static constexpr int RecordSize = 64;
  static constexpr int MaxDescription = 40;
  static constexpr uint8_t StreamVersion = 1;

  void Assign(vcl::TPersistent* Source) override;
  // "{<n> dates}".
  std::string GetSetStr() override;
  // The entries stream as the binary extra property "Dates" (written when there are any).
  void DefineProperties(vcl::TFiler* Filer) override;

  int Count() const { return static_cast<int>(FItems.size()); }
  // Entry Index; false (and Rec unchanged) for an index out of range.
  bool GetDate(int Index, TZYLDateRecord& Rec) const;
  // Appends an entry (the description cut to 40 characters) and returns its index.
  int AddDate(const TZYLDateRecord& Rec);
  virtual void Clear();

  // Reads from the stream's position to its end; a wrong version, a partial record or a
  // description length above 40 raises EReadError and leaves the list unchanged.
  void LoadFromStream(vcl::TStream* Stream);
  void SaveToStream(vcl::TStream* Stream) const;

 private:
  std::vector<TZYLDateRecord> FItems;
};

}  // namespace zyl
