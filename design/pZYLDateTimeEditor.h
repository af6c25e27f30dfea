// TZYLFrmDateTimeEditor: edits the six parts of a TZYLDateTime (day, month, year, hour, minute,
// second) in spin edits, with buttons that take today's date or the current time. The parts
// are checked together: OK on a date that does not exist (31 February) or a part outside its
// range is refused with a message naming the fault, and the form stays open.
#pragma once

#include <string>

#include "design/pZYLDateTimeEditor.fieldtypes.h"
#include "design/pZYLObjectEditor.h"
#include "platform/rtl/DateTime.h"

namespace zyl {

class TZYLDateTime;

class TZYLFrmDateTimeEditor : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLFrmDateTimeEditor, TZYLObjectEditorForm)
  explicit TZYLFrmDateTimeEditor(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Value in the form; on OK the checked date and time replace it in one step. True
  // exactly on OK; on any other ending Value stays as it was.
  static bool Edit(TZYLDateTime* Value);
  // Fills the six spin edits from Value.
  void SetDateTime(const TZYLDateTime* Value);
  // What is wrong with the parts shown, or "" when they make a date and time.
  std::string DateTimeProblem();
  // The date and time of the six parts; EConvertError with DateTimeProblem's text when they
  // make none.
  vcl::TDateTime CheckedDateTime();

#include "design/pZYLDateTimeEditor.fields.h"

  void CurrentDateClick(vcl::TObject* Sender);
  void CurrentTimeClick(vcl::TObject* Sender);
  // OK closes only on a valid date and time.
  void FormCloseQuery(vcl::TObject* Sender, bool& CanClose);
};

inline constexpr vcl::TUnitEntry pZYLDateTimeEditorUnit =
    ZYLEditorFormUnit<TZYLFrmDateTimeEditor>("pZYLDateTimeEditor");

}  // namespace zyl
