// TZYLFormGraphicLabelEditor: the modal editor of a whole graphic label (outline and factor, 3D
// effect, font, attributes). Its preview label ZYLGraphicLabel is the working copy: every
// control writes straight into it, and OK assigns it back into the edited label.
#pragma once

#include "design/pZYLGraphicLabelEditor.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace vcl {
class TCheckBox;
}  // namespace vcl

namespace zyl {

class TZYLGraphicLabel;

class TZYLFormGraphicLabelEditor : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLFormGraphicLabelEditor, TZYLObjectEditorForm)
  explicit TZYLFormGraphicLabelEditor(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Label on the preview label; true exactly on OK.
  static bool Edit(TZYLGraphicLabel* Label);
  // Takes Label into the preview label and fills the controls from it.
  void SetValue(TZYLGraphicLabel* Label);
  TZYLGraphicLabel* Copy() const { return ZYLGraphicLabel; }
  void SetLabels() override;

#include "design/pZYLGraphicLabelEditor.fields.h"

  void ComboBoxTransformChange(vcl::TObject* Sender);
  void ZYLSpinEditFactorChange(vcl::TObject* Sender);
  void Button1Click(vcl::TObject* Sender);
  void ComboBoxStyleChange(vcl::TObject* Sender);
  void ZYLSpinEditLightDepthChange(vcl::TObject* Sender);
  void ZYLSpinEditShadowDepthChange(vcl::TObject* Sender);
  void ZYLSpinEditAngleChange(vcl::TObject* Sender);
  void ZYLSpinEditTracingChange(vcl::TObject* Sender);
  void ZYLLightColorComboBoxChange(vcl::TObject* Sender);
  void ZYLShadowColorComboBoxChange(vcl::TObject* Sender);
  void ZYLFontComboBoxChange(vcl::TObject* Sender);
  void ZYLColorComboBoxChange(vcl::TObject* Sender);
  void ZYLFontSizeComboBoxChange(vcl::TObject* Sender);
  void ButtonFontDialogClick(vcl::TObject* Sender);
  void ZYLSpinEditToggleChange(vcl::TObject* Sender);
  void ComboBoxPerspectiveChange(vcl::TObject* Sender);
  void ZYLSpinEditPerspectiveDepthChange(vcl::TObject* Sender);
  void CheckBoxEqualLettersClick(vcl::TObject* Sender);
  void CheckBoxAutoToggleClick(vcl::TObject* Sender);
  void CheckBoxToggledClick(vcl::TObject* Sender);

 private:
  void FillFont();
  void SetAttribute(int Attribute, vcl::TCheckBox* Box);
};

inline constexpr vcl::TUnitEntry pZYLGraphicLabelEditorUnit =
    ZYLEditorFormUnit<TZYLFormGraphicLabelEditor>("pZYLGraphicLabelEditor");

}  // namespace zyl
