#include "design/pZYLDateListEditorDlg.h"

#include "edits/ZYLEdit.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLDateTime.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

bool ZYLSplitDateLine(const std::string& Line, std::string& DatePart, std::string& TimePart,
                      std::string& Description) {
  const size_t first = Line.find(';');
  if (first == std::string::npos) return false;
  const size_t second = Line.find(';', first + 1);
  if (second == std::string::npos) return false;
  DatePart = Line.substr(0, first);
  TimePart = Line.substr(first + 1, second - first - 1);
  Description = Line.substr(second + 1);
  return true;
}

std::vector<std::string> ZYLDateListToLines(const TZYLDateList* List) {
  std::vector<std::string> lines;
  TZYLDateRecord rec;
  for (int i = 0; i < List->Count(); ++i) {
    List->GetDate(i, rec);
    lines.push_back(vcl::DateToStr(rec.DateTime) + ";" + vcl::TimeToStr(rec.DateTime) + ";" +
                    rec.Description);
  }
  return lines;
}

void ZYLDateListFromLines(const std::vector<std::string>& Lines, TZYLDateList* List) {
  TZYLDateList read;
  for (size_t i = 0; i < Lines.size(); ++i) {
    std::string date, time, description;
    vcl::TDateTime d = 0, t = 0;
    if (!ZYLSplitDateLine(Lines[i], date, time, description) || !vcl::TryStrToDate(date, d) ||
        !vcl::TryStrToTime(time, t))
      throw vcl::EConvertError(
          vcl::Format(vcl::SDateListLine, {static_cast<int>(i + 1), Lines[i]}));
    read.AddDate(TZYLDateRecord{vcl::JoinDateTime(d, t), description});
  }
  List->Assign(&read);
}

ZYL_CLASS_IMPL(TZYLDateListEditorDlg) {
  DescribeFields(b);
  using T = TZYLDateListEditorDlg;
  b.Method("AddBtnClick", &T::AddBtnClick)
      .Method("DelBtnClick", &T::DelBtnClick)
      .Method("UpBtnClick", &T::UpBtnClick)
      .Method("DownBtnClick", &T::DownBtnClick)
      .Method("DListClick", &T::DListClick)
      .Method("DateEditChange", &T::DateEditChange)
      .Method("TimeEditChange", &T::TimeEditChange)
      .Method("DesTextChangedAt", &T::DesTextChangedAt);
}

bool TZYLDateListEditorDlg::Edit(TZYLDateList* List) {
  auto dlg = ZYLCreateEditorForm<TZYLDateListEditorDlg>(vcl::Application);
  dlg->SetLines(ZYLDateListToLines(List));
  if (!ZYLRunEditorForm(dlg.get())) return false;
  ZYLDateListFromLines(dlg->GetLines(), List);
  return true;
}

vcl::TStrings* TZYLDateListEditorDlg::Lines() const { return DList->GetItems(); }

void TZYLDateListEditorDlg::SetLines(const std::vector<std::string>& Lines) {
  vcl::TStrings* items = DList->GetItems();
  items->Clear();
  for (const std::string& line : Lines) items->Add(line);
}

std::vector<std::string> TZYLDateListEditorDlg::GetLines() const {
  std::vector<std::string> lines;
  const vcl::TStrings* items = DList->GetItems();
  for (int i = 0; i < items->Count(); ++i) lines.push_back(items->Get(i));
  return lines;
}

int TZYLDateListEditorDlg::Selected() const {
  const int i = DList->GetInteger(TZYLListBox::iiItemIndex);
  return i >= 0 && i < DList->GetItems()->Count() ? i : -1;
}

void TZYLDateListEditorDlg::RewriteSelected(const std::string* DatePart,
                                            const std::string* TimePart,
                                            const std::string* Description) {
  const int i = Selected();
  if (i < 0 || Filling()) return;
  std::string date, time, description;
  const std::string line = DList->GetItems()->Get(i);
  if (!ZYLSplitDateLine(line, date, time, description)) {
    // A line without its two ";" gets them: what it held counts as its date part.
    date = line;
    time.clear();
    description.clear();
  }
  if (DatePart) date = *DatePart;
  if (TimePart) time = *TimePart;
  if (Description) description = *Description;
  DList->GetItems()->Put(i, date + ";" + time + ";" + description);
  DList->SetInteger(TZYLListBox::iiItemIndex, i);
}

// The new line goes to the end; the selection stays where it was.
void TZYLDateListEditorDlg::AddBtnClick(TObject*) {
  const int keep = DList->GetInteger(TZYLListBox::iiItemIndex);
  // One reading of the clock, so that the date and the time belong together at midnight too.
  const vcl::TDateTime now = vcl::Now();
  DList->GetItems()->Add(vcl::DateToStr(now) + ";" + vcl::TimeToStr(now) + ";-");
  DList->SetInteger(TZYLListBox::iiItemIndex, keep);
}

void TZYLDateListEditorDlg::DelBtnClick(TObject*) {
  const int i = Selected();
  if (i >= 0) DList->GetItems()->Delete(i);
}

// Up and Down move the selection only; the lines keep their order and the fields their contents.
void TZYLDateListEditorDlg::UpBtnClick(TObject*) {
  const int i = Selected();
  if (i > 0) DList->SetInteger(TZYLListBox::iiItemIndex, i - 1);
}

void TZYLDateListEditorDlg::DownBtnClick(TObject*) {
  const int i = Selected();
  if (i >= 0 && i + 1 < DList->GetItems()->Count())
    DList->SetInteger(TZYLListBox::iiItemIndex, i + 1);
}

// Both parts are read before anything is shown, so a line the format settings cannot read
// raises the conversion error and leaves the fields and the line as they were.
void TZYLDateListEditorDlg::DListClick(TObject*) {
  const int i = Selected();
  if (i < 0) return;
  std::string date, time, description;
  const std::string line = DList->GetItems()->Get(i);
  if (!ZYLSplitDateLine(line, date, time, description))
    throw vcl::EConvertError(vcl::Format(vcl::SInvalidDate, {line}));
  const vcl::TDateTime d = vcl::StrToDate(date);
  const vcl::TDateTime t = vcl::StrToTime(time);
  Fill([&] {
    DateEdit->SetDate(d);
    TimeEdit->SetTime(t);
    Des->SetText(description);
  });
}

void TZYLDateListEditorDlg::DateEditChange(TObject*) {
  const std::string date = vcl::DateToStr(DateEdit->Date());
  RewriteSelected(&date, nullptr, nullptr);
}

void TZYLDateListEditorDlg::TimeEditChange(TObject*) {
  const std::string time = vcl::TimeToStr(TimeEdit->Time());
  RewriteSelected(nullptr, &time, nullptr);
}

void TZYLDateListEditorDlg::DesTextChangedAt(TObject*, int) {
  const std::string description = Des->Text();
  RewriteSelected(nullptr, nullptr, &description);
}

}  // namespace zyl
