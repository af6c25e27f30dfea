#include "foundation/ZYLDateTime.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "foundation/ZYLConst.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"

namespace zyl {

namespace {

int DaysInMonth(int Year, int Month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
  return Month == 2 && leap ? 29 : days[Month - 1];
}

std::string Two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

}  // namespace

ZYL_CLASS_IMPL(TZYLDateTime) {
  b.Prop("Year", &TZYLDateTime::GetYear, &TZYLDateTime::SetYear)
      .Default(1990)
      .Prop("Month", &TZYLDateTime::GetMonth, &TZYLDateTime::SetMonth)
      .Default(1)
      .Prop("Day", &TZYLDateTime::GetDay, &TZYLDateTime::SetDay)
      .Default(1)
      .Prop("Hour", &TZYLDateTime::GetHour, &TZYLDateTime::SetHour)
      .Default(0)
      .Prop("Minute", &TZYLDateTime::GetMinute, &TZYLDateTime::SetMinute)
      .Default(0)
      .Prop("Second", &TZYLDateTime::GetSecond, &TZYLDateTime::SetSecond)
      .Default(0);
}

TZYLDateTime::TZYLDateTime() { FValue = vcl::EncodeDate(1990, 1, 1); }

void TZYLDateTime::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLDateTime*>(Source)) {
    FValue = s->FValue;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLDateTime::GetSetStr() {
  const TParts p = Parts();
  return "{" + std::to_string(p.Year) + "-" + Two(p.Month) + "-" + Two(p.Day) + " " +
         Two(p.Hour) + ":" + Two(p.Minute) + ":" + Two(p.Second) + "}";
}

void TZYLDateTime::SetValue(double Value) {
  if (FValue == Value) return;
  FValue = Value;
  Change();
}

TZYLDateTime::TParts TZYLDateTime::Parts() const {
  uint16_t y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
  vcl::DecodeDate(FValue, y, m, d);
  vcl::DecodeTime(FValue, h, n, s, ms);
  return TParts{y, m, d, h, n, s};
}

void TZYLDateTime::SetParts(TParts P) {
  P.Year = std::clamp(P.Year, 1, 9999);
  P.Month = std::clamp(P.Month, 1, 12);
  P.Day = std::clamp(P.Day, 1, DaysInMonth(P.Year, P.Month));
  P.Hour = std::clamp(P.Hour, 0, 23);
  P.Minute = std::clamp(P.Minute, 0, 59);
  P.Second = std::clamp(P.Second, 0, 59);
  const double date = vcl::EncodeDate(P.Year, P.Month, P.Day);
  const double time = vcl::EncodeTime(P.Hour, P.Minute, P.Second, 0);
  SetValue(date >= 0 ? date + time : date - time);
}

int32_t TZYLDateTime::GetYear() const { return Parts().Year; }
uint8_t TZYLDateTime::GetMonth() const { return static_cast<uint8_t>(Parts().Month); }
uint8_t TZYLDateTime::GetDay() const { return static_cast<uint8_t>(Parts().Day); }
uint8_t TZYLDateTime::GetHour() const { return static_cast<uint8_t>(Parts().Hour); }
uint8_t TZYLDateTime::GetMinute() const { return static_cast<uint8_t>(Parts().Minute); }
uint8_t TZYLDateTime::GetSecond() const { return static_cast<uint8_t>(Parts().Second); }

void TZYLDateTime::SetPart(int TParts::*Part, int Value) {
  TParts p = Parts();
  p.*Part = Value;
  SetParts(p);
}

void TZYLDateTime::SetYear(int32_t Value) { SetPart(&TParts::Year, Value); }
void TZYLDateTime::SetMonth(uint8_t Value) { SetPart(&TParts::Month, Value); }
void TZYLDateTime::SetDay(uint8_t Value) { SetPart(&TParts::Day, Value); }
void TZYLDateTime::SetHour(uint8_t Value) { SetPart(&TParts::Hour, Value); }
void TZYLDateTime::SetMinute(uint8_t Value) { SetPart(&TParts::Minute, Value); }
void TZYLDateTime::SetSecond(uint8_t Value) { SetPart(&TParts::Second, Value); }

// ---------------------------------------------------------------------------------------------

ZYL_CLASS_IMPL(TZYLDateList) {}

void TZYLDateList::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLDateList*>(Source)) {
    FItems = s->FItems;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLDateList::GetSetStr() { return "{" + std::to_string(FItems.size()) + " dates}"; }

void TZYLDateList::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Dates", [this](vcl::TStream* s) { LoadFromStream(s); },
      [this](vcl::TStream* s) { SaveToStream(s); }, !FItems.empty());
}

bool TZYLDateList::GetDate(int Index, TZYLDateRecord& Rec) const {
  if (Index < 0 || Index >= Count()) return false;
  Rec = FItems[Index];
  return true;
}

int TZYLDateList::AddDate(const TZYLDateRecord& Rec) {
  TZYLDateRecord r = Rec;
  if (r.Description.size() > MaxDescription) r.Description.resize(MaxDescription);
  FItems.push_back(std::move(r));
  Change();
  return Count() - 1;
}

void TZYLDateList::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Change();
}

void TZYLDateList::LoadFromStream(vcl::TStream* Stream) {
  const int64_t remaining = Stream->Remaining();
  if (remaining < 1) throw vcl::EReadError(SZYLDateListNoVersion);
  uint8_t version = 0;
  Stream->ReadBuffer(&version, 1);
  if (version != StreamVersion)
    throw vcl::EReadError(vcl::Format(SZYLDateListVersion, {int{version}}));
  if ((remaining - 1) % RecordSize != 0) throw vcl::EReadError(SZYLDateListPartial);
  std::vector<TZYLDateRecord> items;
  for (int64_t left = remaining - 1; left > 0; left -= RecordSize) {
    unsigned char rec[RecordSize];
    Stream->ReadBuffer(rec, RecordSize);
    TZYLDateRecord r;
    std::memcpy(&r.DateTime, rec, 8);
    const uint8_t len = rec[8];
    if (len > MaxDescription) throw vcl::EReadError(SZYLDateListLongText);
    if (!std::isfinite(r.DateTime)) throw vcl::EReadError(SZYLDateListBadDate);
    r.Description.assign(reinterpret_cast<const char*>(rec + 9), len);
    items.push_back(std::move(r));
  }
  FItems = std::move(items);
  Change();
}

void TZYLDateList::SaveToStream(vcl::TStream* Stream) const {
  Stream->WriteBuffer(&StreamVersion, 1);
  for (const TZYLDateRecord& r : FItems) {
    unsigned char rec[RecordSize] = {};
    std::memcpy(rec, &r.DateTime, 8);
    const size_t len = std::min<size_t>(r.Description.size(), MaxDescription);
    rec[8] = static_cast<unsigned char>(len);
    std::memcpy(rec + 9, r.Description.data(), len);
    Stream->WriteBuffer(rec, RecordSize);
  }
}

}  // namespace zyl
