// TZYLFormGraphicLabelEditor: the modal editor of a whole graphic label (outline and factor, 3D
// effect, font, attributes). Its preview label ZYLGraphicLabel is the working copy: every
// control writes straight into it, and OK assigns it back into the edited label.
#pragma once

#include "design/pZYLObjectEditor.h"

namespace vcl {
class TButton;
class TCheckBox;
class TComboBox;
class TFontDialog;
class TPageControl;
}  // namespace vcl

namespace zyl {

class TZYLColorComboBox;
class TZYLFontComboBox;
class TZYLFontSizeComboBox;
class TZYLFormStyler;
class TZYLGraphicLabel;
class TZYLSpinEdit;

class TZYLFormGraphicLabelEditor : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLFormGraphicLabelEditor, TZYLObjectEditorForm)
  explicit TZYLFormGraphicLabelEditor(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Label on the preview label; true exactly on OK.
  static bool Edit(TZYLGraphicLabel* Label);
  // Takes Label into the preview label and fills the controls from it.
  void SetValue(TZYLGraphicLabel* Label);
  TZYLGraphicLabel* Copy() const { return ZYLGraphicLabel; }
  void SetLabels() override;

  TZYLGraphicLabel* ZYLGraphicLabel = nullptr;
  vcl::TPageControl* TabbedNotebookProperties = nullptr;
  vcl::TComboBox *ComboBoxTransform = nullptr, *ComboBoxStyle = nullptr,
                 *ComboBoxPerspective = nullptr;
  TZYLSpinEdit *ZYLSpinEditFactor = nullptr, *ZYLSpinEditLightDepth = nullptr,
               *ZYLSpinEditShadowDepth = nullptr, *ZYLSpinEditAngle = nullptr,
               *ZYLSpinEditTracing = nullptr, *ZYLSpinEditToggle = nullptr,
               *ZYLSpinEditPerspectiveDepth = nullptr;
  TZYLColorComboBox *ZYLLightColorComboBox = nullptr, *ZYLShadowColorComboBox = nullptr,
                    *ZYLColorComboBox = nullptr;
  TZYLFontComboBox* ZYLFontComboBox = nullptr;
  TZYLFontSizeComboBox* ZYLFontSizeComboBox = nullptr;
  vcl::TCheckBox *CheckBoxEqualLetters = nullptr, *CheckBoxAutoToggle = nullptr,
                 *CheckBoxToggled = nullptr;
  vcl::TButton *ButtonFillObjectDialog = nullptr, *ButtonFontDialog = nullptr, *btOK = nullptr,
               *btCancel = nullptr;
  vcl::TFontDialog* FontDialog = nullptr;
  TZYLFormStyler* fs = nullptr;

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

void pZYLGraphicLabelEditorInit();
void pZYLGraphicLabelEditorDone();

}  // namespace zyl
