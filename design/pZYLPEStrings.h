// The string property editors of pZYLPE: strings and captions in the string editor, hints in
// the hint editor, string lists in the strings editor with the bridge to the code editor, and
// the lines of the library's memo.
#pragma once

#include "platform/designer/DesignEditors.h"

namespace zyl {

// A string in the string editor (no length limit). The value is stored again on every ending,
// Cancel included.
class TZYLStringProperty : public vcl::TStringProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLStringProperty";
  using vcl::TStringProperty::TStringProperty;
  void Edit() override;
  // paDialog, paMultiSelect, paRevertable.
  vcl::TPropertyAttributes GetAttributes() override;
};

// A caption: as a string, updated in the designer while it is typed.
class TZYLStdCaptionProperty : public TZYLStringProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLStdCaptionProperty";
  using TZYLStringProperty::TZYLStringProperty;
  // paDialog, paMultiSelect, paAutoUpdate, paRevertable.
  vcl::TPropertyAttributes GetAttributes() override;
};

// A hint "short|long" in the hint editor; stored on OK.
class TZYLHintProperty : public vcl::TStringProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLHintProperty";
  using vcl::TStringProperty::TStringProperty;
  void Edit() override;
  // paDialog, paMultiSelect, paRevertable.
  vcl::TPropertyAttributes GetAttributes() override;
};

// A string list in the strings editor; "Code" opens it in the code editor as the module
// "Root.Component.Property", and while that module is open Edit brings it to the front.
class TZYLStringListProperty : public vcl::TClassProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLStringListProperty";
  using vcl::TClassProperty::TClassProperty;
  void Edit() override;
  // paDialog.
  vcl::TPropertyAttributes GetAttributes() override;
  // The name of the module that edits the property of the first selected component.
  std::string ModuleName();
};

// The lines of the library's memo (TZYLMemoStrings) in the strings editor without "Code".
class TZYLMemoLinesProperty : public vcl::TClassProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLMemoLinesProperty";
  using vcl::TClassProperty::TClassProperty;
  void Edit() override;
  // paDialog.
  vcl::TPropertyAttributes GetAttributes() override;
};

}  // namespace zyl
