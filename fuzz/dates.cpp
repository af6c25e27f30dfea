// Dates and times as texts: a text read as a date, a time and both under settings the input
// gives (separators, short date and time formats), dates written by a picture of the input,
// and the mask edit's date picture reading the text, writing dates and finding its fields.
// Bad text is refused with an error, and the trying readers agree with the raising ones.
//
// Input: the date separator, the time separator, then four lines: the short date format, the
// long time format, the text and the picture.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "edits/ZYLDateFormat.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Locale.h"

namespace {

using TTry = bool (*)(const std::string&, vcl::TDateTime&, const vcl::TFormatSettings&);
using TRead = vcl::TDateTime (*)(const std::string&, const vcl::TFormatSettings&);

// The trying reader answers false exactly where the raising one raises, else the same value.
void Agree(TTry tryRead, TRead read, const std::string& text, const vcl::TFormatSettings& fs,
           std::vector<vcl::TDateTime>& read_values) {
  vcl::TDateTime tried = 0;
  const bool ok = tryRead(text, tried, fs);
  try {
    const vcl::TDateTime value = read(text, fs);
    if (!ok || !(value == tried)) std::abort();
    read_values.push_back(value);
  } catch (const vcl::EConvertError&) {
    if (ok) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ReadLocaleOnce();
  if (size < 2) return 0;
  vcl::TFormatSettings fs = vcl::FormatSettings;
  fs.DateSeparator = static_cast<char>(data[0]);
  fs.TimeSeparator = static_cast<char>(data[1]);
  const std::vector<std::string> lines = fuzz::Lines(fuzz::Bytes(data + 2, size - 2), 4);
  fs.ShortDateFormat = lines[0];
  fs.LongTimeFormat = lines[1];
  const std::string& text = lines[2];
  const std::string& picture = lines[3];

  std::vector<vcl::TDateTime> values{0, 36526.75, -693593, 2958465.99999};
  Agree(vcl::TryStrToDate, vcl::StrToDate, text, fs, values);
  Agree(vcl::TryStrToTime, vcl::StrToTime, text, fs, values);
  Agree(vcl::TryStrToDateTime, vcl::StrToDateTime, text, fs, values);
  for (vcl::TDateTime v : values) {
    if (!std::isfinite(v)) std::abort();
    fuzz::Expect([&] { vcl::FormatDateTime(picture, v, fs); });
    fuzz::Expect([&] { vcl::FormatDateTime(text, v, fs); });
    fuzz::Expect([&] { vcl::DateTimeToStr(v, fs); });
  }

  // The mask edit's date picture, with the global settings the edit reads.
  vcl::TFormatSettingsScope keep;
  vcl::FormatSettings.DateSeparator = fs.DateSeparator;
  zyl::TZYLDateFormat date;
  date.SetFormat(zyl::dfCustom);
  date.SetFormatStr(picture);
  date.SetYearDelta(static_cast<int8_t>(data[1]));
  int y = 0, m = 0, d = 0;
  fuzz::Expect([&] { date.StrToYMD(text, y, m, d); });
  fuzz::Expect([&] { values.push_back(date.StrToDate(text)); });
  for (vcl::TDateTime v : values) {
    fuzz::Expect([&] { date.DateToStr(v); });
    fuzz::Expect([&] { date.GetDTEditString(v); });
  }
  // Every call walks the text: a bounded number of places keeps a run short.
  const int length = std::min(static_cast<int>(text.size()), 256);
  for (int index = 1; index <= length + 1; ++index) {
    int type = 0, end = 0, start = 0;
    date.GetPatInfo(index, text, type, end, start);
    if (type == 0) break;
  }
  for (int pos = 0; pos <= length + 2; ++pos) {
    date.GetPattern(pos, text);
    date.CurrentType(pos, text);
    date.CurrentStart(pos, text);
    date.CurrentLength(pos, text);
    date.NextEditPos(pos, text);
    date.PrevEditPos(pos, text);
  }
  return 0;
}
