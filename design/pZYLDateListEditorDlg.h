// TZYLDateListEditorDlg: the modal editor of a date list as lines of text, each line the date,
// the time and the description separated by ";" (date and time written in the current format
// settings). Selecting a line shows its parts in the date picker, the time picker and the
// description edit; editing them rewrites the selected line.
#pragma once

#include <string>
#include <vector>

#include "design/pZYLDateListEditorDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace vcl {
class TStrings;
}  // namespace vcl

namespace zyl {

class TZYLDateList;

// The parts of one line: the text before the first ";", between it and the second, and the rest
// (which may hold ";" itself). False when the line has fewer than two ";".
bool ZYLSplitDateLine(const std::string& Line, std::string& DatePart, std::string& TimePart,
                      std::string& Description);
// The lines of a date list, one per entry.
std::vector<std::string> ZYLDateListToLines(const TZYLDateList* List);
// Reads every line into a new list first and replaces List's entries only when all of them
// convert; otherwise List stays as it was and EConvertError names the first line that does
// not convert.
void ZYLDateListFromLines(const std::vector<std::string>& Lines, TZYLDateList* List);

class TZYLDateListEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLDateListEditorDlg, TZYLObjectEditorForm)
  explicit TZYLDateListEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits List as lines; OK replaces its entries when every line converts (see
  // ZYLDateListFromLines). True exactly when the list was replaced.
  static bool Edit(TZYLDateList* List);

  // The lines the form edits (the list box's items).
  vcl::TStrings* Lines() const;
  void SetLines(const std::vector<std::string>& Lines);
  std::vector<std::string> GetLines() const;

#include "design/pZYLDateListEditorDlg.fields.h"

  void AddBtnClick(vcl::TObject* Sender);
  void DelBtnClick(vcl::TObject* Sender);
  void UpBtnClick(vcl::TObject* Sender);
  void DownBtnClick(vcl::TObject* Sender);
  void DListClick(vcl::TObject* Sender);
  void DateEditChange(vcl::TObject* Sender);
  void TimeEditChange(vcl::TObject* Sender);
  void DesTextChangedAt(vcl::TObject* Sender, int At);

 private:
  int Selected() const;
  // Replaces the selected line's parts (those given) and keeps the others.
  void RewriteSelected(const std::string* DatePart, const std::string* TimePart,
                       const std::string* Description);
};

inline constexpr vcl::TUnitEntry pZYLDateListEditorDlgUnit =
    ZYLEditorFormUnit<TZYLDateListEditorDlg>("pZYLDateListEditorDlg");

}  // namespace zyl
