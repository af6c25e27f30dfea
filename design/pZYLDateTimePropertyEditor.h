// TZYLFrmDateTimePropertyEditor: edits a date-time format string in the edit `Edit1`. A list
// explains the format codes, the information label `info` shows the current date and time in
// the format being typed, and the combo box `ComboBox1` writes sample formats into the edit.
#pragma once

#include <string>

#include "design/pZYLDateTimePropertyEditor.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class TZYLFrmDateTimePropertyEditor : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLFrmDateTimePropertyEditor, TZYLObjectEditorForm)
  explicit TZYLFrmDateTimePropertyEditor(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Format in the form; true exactly on OK, which stores the edit's text in Format.
  static bool Edit(std::string& Format);
  // The format a sample of ComboBox1 stands for; nullptr for "Custom" and unknown samples.
  static const char* SampleFormat(const std::string& Sample);
  // Puts S into Edit1; the information label previews it.
  void SetText(const std::string& S);

#include "design/pZYLDateTimePropertyEditor.fields.h"

  // The information label previews the edit's format.
  void Edit1Change(vcl::TObject* Sender);
  // A sample other than "Custom" writes its format into the edit.
  void ComboBox1Change(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLDateTimePropertyEditorUnit =
    ZYLEditorFormUnit<TZYLFrmDateTimePropertyEditor>("pZYLDateTimePropertyEditor");

}  // namespace zyl
