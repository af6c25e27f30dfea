// The status bar's component editor: fills a status bar at design time with label panels, one
// at a time or as a ready-made layout chosen in TZYLStatusBarEditorDlg. Each panel is a new,
// uniquely named label of the designed form standing on the bar.
#pragma once

#include <string>

#include "design/pZYLCE.h"
#include "foundation/ZYLClass.h"
#include "platform/controls/ControlTypes.h"

namespace zyl {

class TZYLStatusBar;

// With OldStyle: "Editor", "-", "Font", "Font3D", "Bevel", "-", "DateTime", "Caps", "Num",
// "Scroll", "System Info", "Normal Info"; otherwise "Font", "Font3D", "Bevel" (a settings verb
// whose object the bar does not carry is left out).
class TZYLStatusBarComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLStatusBarComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;

 private:
  TZYLStatusBar* Bar();
  // One information label on the bar (centred, single lowered bevel, opaque, 3D disabled look),
  // with its caption and, when given, its date-time format; Info is set last.
  void AddInfoLabel(TZYLInfoType Info, const std::string& Caption,
                    const std::string& DateTimeFormat, vcl::TAlign Align, bool UseStandard);
  // One plain label on the bar, centred and opaque.
  void AddSimpleLabel(const std::string& Caption, vcl::TAlign Align);
  // Builds layout Index of the editor form's list (any other index builds nothing).
  void AddLayout(int Index);
};

}  // namespace zyl
