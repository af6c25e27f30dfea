#include "design/pZYLDateTimeEditor.h"

#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLDateTime.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLFrmDateTimeEditor) {
  DescribeFields(b);
  using T = TZYLFrmDateTimeEditor;
  b.Method("CurrentDateClick", &T::CurrentDateClick)
      .Method("CurrentTimeClick", &T::CurrentTimeClick)
      .Method("FormCloseQuery", &T::FormCloseQuery);
}

bool TZYLFrmDateTimeEditor::Edit(TZYLDateTime* Value) {
  auto dlg = ZYLCreateEditorForm<TZYLFrmDateTimeEditor>(vcl::Application);
  dlg->SetDateTime(Value);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Value->SetValue(dlg->CheckedDateTime());
  return true;
}

void TZYLFrmDateTimeEditor::SetDateTime(const TZYLDateTime* Value) {
  DayEdit->SetIntValue(Value->GetDay());
  MonthEdit->SetIntValue(Value->GetMonth());
  YearEdit->SetIntValue(Value->GetYear());
  HourEdit->SetIntValue(Value->GetHour());
  MinuteEdit->SetIntValue(Value->GetMinute());
  SecondEdit->SetIntValue(Value->GetSecond());
}

std::string TZYLFrmDateTimeEditor::DateTimeProblem() {
  const std::pair<TZYLSpinEdit*, const char*> parts[] = {
      {DayEdit, "Day"},   {MonthEdit, "Month"},   {YearEdit, "Year"},
      {HourEdit, "Hour"}, {MinuteEdit, "Minute"}, {SecondEdit, "Second"}};
  for (const auto& [edit, name] : parts) {
    const int value = edit->IntValue();
    if (value < edit->IntMinValue() || value > edit->IntMaxValue())
      return vcl::Format(vcl::SZYLDatePartRange, {name, edit->IntMinValue(), edit->IntMaxValue()});
  }
  const int day = DayEdit->IntValue(), month = MonthEdit->IntValue(), year = YearEdit->IntValue();
  const int days = vcl::MonthDays(year, month);
  if (day > days) return vcl::Format(vcl::SZYLNoSuchDay, {day, month, year, days});
  return "";
}

vcl::TDateTime TZYLFrmDateTimeEditor::CheckedDateTime() {
  const std::string problem = DateTimeProblem();
  if (!problem.empty()) throw vcl::EConvertError(problem);
  return vcl::EncodeDate(YearEdit->IntValue(), MonthEdit->IntValue(), DayEdit->IntValue()) +
         vcl::EncodeTime(HourEdit->IntValue(), MinuteEdit->IntValue(), SecondEdit->IntValue(), 0);
}

void TZYLFrmDateTimeEditor::CurrentDateClick(TObject*) {
  uint16_t year = 0, month = 0, day = 0;
  vcl::DecodeDate(vcl::Date(), year, month, day);
  DayEdit->SetIntValue(day);
  MonthEdit->SetIntValue(month);
  YearEdit->SetIntValue(year);
}

void TZYLFrmDateTimeEditor::CurrentTimeClick(TObject*) {
  uint16_t hour = 0, minute = 0, second = 0, msec = 0;
  vcl::DecodeTime(vcl::Time(), hour, minute, second, msec);
  HourEdit->SetIntValue(hour);
  MinuteEdit->SetIntValue(minute);
  SecondEdit->SetIntValue(second);
}

void TZYLFrmDateTimeEditor::FormCloseQuery(TObject*, bool& CanClose) {
  if (ModalResult() != vcl::mrOk) return;
  const std::string problem = DateTimeProblem();
  if (problem.empty()) return;
  CanClose = false;
  vcl::MessageDlg(problem, vcl::mtError, {vcl::mbOK}, 0);
  DayEdit->SetFocus();
}

}  // namespace zyl
