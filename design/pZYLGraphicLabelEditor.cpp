#include "design/pZYLGraphicLabelEditor.h"

#include <array>
#include <string>

#include "design/pZYLFillEditorDlg.h"
#include "display/ZYLGraphicLabel.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontSizeComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYL3DCaption.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

namespace {

// The 3D styles the style list offers, in its order (the later styles have no entry).
constexpr std::array<TZYLThreeDStyle, 8> kStyles = {tdNone,         tdSunken,       tdRaised,
                                                    tdSunkenShadow, tdRaisedShadow, tdPColorSunken,
                                                    tdPColorRaised, tdShadow};

enum TPerspectiveItem : int { piNone, piBird, piFrog };

}  // namespace

ZYL_CLASS_IMPL(TZYLFormGraphicLabelEditor) {
  DescribeFields(b);
  using T = TZYLFormGraphicLabelEditor;
  b.Method("ComboBoxTransformChange", &T::ComboBoxTransformChange)
      .Method("ZYLSpinEditFactorChange", &T::ZYLSpinEditFactorChange)
      .Method("Button1Click", &T::Button1Click)
      .Method("ComboBoxStyleChange", &T::ComboBoxStyleChange)
      .Method("ZYLSpinEditLightDepthChange", &T::ZYLSpinEditLightDepthChange)
      .Method("ZYLSpinEditShadowDepthChange", &T::ZYLSpinEditShadowDepthChange)
      .Method("ZYLSpinEditAngleChange", &T::ZYLSpinEditAngleChange)
      .Method("ZYLSpinEditTracingChange", &T::ZYLSpinEditTracingChange)
      .Method("ZYLLightColorComboBoxChange", &T::ZYLLightColorComboBoxChange)
      .Method("ZYLShadowColorComboBoxChange", &T::ZYLShadowColorComboBoxChange)
      .Method("ZYLFontComboBoxChange", &T::ZYLFontComboBoxChange)
      .Method("ZYLColorComboBoxChange", &T::ZYLColorComboBoxChange)
      .Method("ZYLFontSizeComboBoxChange", &T::ZYLFontSizeComboBoxChange)
      .Method("ButtonFontDialogClick", &T::ButtonFontDialogClick)
      .Method("ZYLSpinEditToggleChange", &T::ZYLSpinEditToggleChange)
      .Method("ComboBoxPerspectiveChange", &T::ComboBoxPerspectiveChange)
      .Method("ZYLSpinEditPerspectiveDepthChange", &T::ZYLSpinEditPerspectiveDepthChange)
      .Method("CheckBoxEqualLettersClick", &T::CheckBoxEqualLettersClick)
      .Method("CheckBoxAutoToggleClick", &T::CheckBoxAutoToggleClick)
      .Method("CheckBoxToggledClick", &T::CheckBoxToggledClick);
}

bool TZYLFormGraphicLabelEditor::Edit(TZYLGraphicLabel* Label) {
  return ZYLEditOnCopy<TZYLFormGraphicLabelEditor>(Label);
}

void TZYLFormGraphicLabelEditor::SetValue(TZYLGraphicLabel* Label) {
  Copy()->Assign(Label);
  SetLabels();
}

void TZYLFormGraphicLabelEditor::FillFont() {
  const vcl::TFont* font = Copy()->Font();
  ZYLFontComboBox->SetSelectedFont(font->Name());
  ZYLColorComboBox->SetSelectedColor(font->Color());
  ZYLFontSizeComboBox->SetFontName(font->Name());
  ZYLFontSizeComboBox->SetSelected(font->Size());
}

void TZYLFormGraphicLabelEditor::SetLabels() {
  Fill([this] {
    TZYLGraphicLabel* label = Copy();
    TZYLFxCaption* fx = label->FontFX();
    const TZYLTransLabelAttr attributes = label->Attributes();
    FillFont();
    CheckBoxEqualLetters->SetChecked(attributes.contains(ZYLGrlf::taEqualLetters));
    CheckBoxAutoToggle->SetChecked(attributes.contains(ZYLGrlf::taAutoToggled));
    CheckBoxToggled->SetChecked(attributes.contains(ZYLGrlf::taToggled));
    ComboBoxPerspective->SetItemIndex(!attributes.contains(ZYLGrlf::taPerspective) ? piNone
                                      : label->Perspective() == ZYLGrlf::tpBird    ? piBird
                                                                                   : piFrog);
    ZYLSpinEditPerspectiveDepth->SetIntValue(label->PerspectiveDepth());
    ZYLSpinEditToggle->SetIntValue(label->Toggle());
    ZYLSpinEditLightDepth->SetIntValue(fx->LightDepth());
    ZYLSpinEditShadowDepth->SetIntValue(fx->ShadowDepth());
    ZYLSpinEditAngle->SetIntValue(fx->Angle());
    ZYLSpinEditTracing->SetIntValue(fx->Tracing());
    ZYLSpinEditFactor->SetIntValue(label->Factor());
    ComboBoxTransform->SetItemIndex(label->Transform());
    ComboBoxStyle->SetItemIndex(fx->Style() < static_cast<int>(kStyles.size()) ? fx->Style() : -1);
    ZYLLightColorComboBox->SetSelectedColor(fx->LightColor());
    ZYLShadowColorComboBox->SetSelectedColor(fx->ShadowColor());
  });
}

// ---- The controls' handlers: each writes its value into the preview label ----

void TZYLFormGraphicLabelEditor::ComboBoxTransformChange(TObject*) {
  if (Filling() || ComboBoxTransform->ItemIndex() < 0) return;
  Copy()->SetTransform(static_cast<TZYLTransLabelTypes>(ComboBoxTransform->ItemIndex()));
}

void TZYLFormGraphicLabelEditor::ZYLSpinEditFactorChange(TObject*) {
  if (!Filling()) Copy()->SetFactor(ZYLSpinEditFactor->IntValue());
}

void TZYLFormGraphicLabelEditor::Button1Click(TObject*) {
  TZYLFillEditorDlg::EditFillObject(Copy()->FillObject());
}

void TZYLFormGraphicLabelEditor::ComboBoxStyleChange(TObject*) {
  if (Filling()) return;
  const std::string text = ComboBoxStyle->Text();
  for (TZYLThreeDStyle style : kStyles)
    if (text == vcl::GetEnumName(vcl::TypeInfoOf<TZYLThreeDStyle>(), style))
      Copy()->FontFX()->SetStyle(style);
}

void TZYLFormGraphicLabelEditor::ZYLSpinEditLightDepthChange(TObject*) {
  const int value = ZYLSpinEditLightDepth->IntValue();
  if (Filling() || value < 0 || value > 255) return;
  Copy()->FontFX()->SetDepth(TZYL3DCaption::diLightDepth, static_cast<uint8_t>(value));
}

void TZYLFormGraphicLabelEditor::ZYLSpinEditShadowDepthChange(TObject*) {
  const int value = ZYLSpinEditShadowDepth->IntValue();
  if (Filling() || value < 0 || value > 255) return;
  Copy()->FontFX()->SetDepth(TZYL3DCaption::diShadowDepth, static_cast<uint8_t>(value));
}

void TZYLFormGraphicLabelEditor::ZYLSpinEditAngleChange(TObject*) {
  const int value = ZYLSpinEditAngle->IntValue();
  if (Filling() || value < 0 || value > 360) return;
  Copy()->FontFX()->SetAngle(static_cast<uint16_t>(value));
}

void TZYLFormGraphicLabelEditor::ZYLSpinEditTracingChange(TObject*) {
  if (!Filling()) Copy()->FontFX()->SetTracing(ZYLSpinEditTracing->IntValue());
}

void TZYLFormGraphicLabelEditor::ZYLLightColorComboBoxChange(TObject*) {
  if (Filling() || ZYLLightColorComboBox->ItemIndex() < 0) return;
  Copy()->FontFX()->SetColor(TZYL3DCaption::ciLightColor, ZYLLightColorComboBox->SelectedColor());
}

void TZYLFormGraphicLabelEditor::ZYLShadowColorComboBoxChange(TObject*) {
  if (Filling() || ZYLShadowColorComboBox->ItemIndex() < 0) return;
  Copy()->FontFX()->SetColor(TZYL3DCaption::ciShadowColor, ZYLShadowColorComboBox->SelectedColor());
}

void TZYLFormGraphicLabelEditor::ZYLFontComboBoxChange(TObject*) {
  const std::string name = ZYLFontComboBox->SelectedFont();
  if (Filling() || name.empty()) return;
  Copy()->Font()->SetName(name);
  ZYLFontSizeComboBox->SetFontName(name);
}

void TZYLFormGraphicLabelEditor::ZYLColorComboBoxChange(TObject*) {
  if (Filling() || ZYLColorComboBox->ItemIndex() < 0) return;
  Copy()->Font()->SetColor(ZYLColorComboBox->SelectedColor());
}

void TZYLFormGraphicLabelEditor::ZYLFontSizeComboBoxChange(TObject*) {
  const int size = ZYLFontSizeComboBox->Selected();
  if (!Filling() && size > 0) Copy()->Font()->SetSize(size);
}

// The font dialog starts with the label's font; a confirmed font goes into the label, and the
// font page shows it.
void TZYLFormGraphicLabelEditor::ButtonFontDialogClick(TObject*) {
  FontDialog->Font()->Assign(Copy()->Font());
  if (!FontDialog->Execute()) return;
  Copy()->Font()->Assign(FontDialog->Font());
  Fill([this] { FillFont(); });
}

void TZYLFormGraphicLabelEditor::ZYLSpinEditToggleChange(TObject*) {
  if (!Filling()) Copy()->SetToggle(ZYLSpinEditToggle->IntValue());
}

void TZYLFormGraphicLabelEditor::ComboBoxPerspectiveChange(TObject*) {
  const int item = ComboBoxPerspective->ItemIndex();
  if (Filling() || item < 0) return;
  TZYLTransLabelAttr attributes = Copy()->Attributes();
  if (item == piNone) {
    attributes -= ZYLGrlf::taPerspective;
  } else {
    attributes += ZYLGrlf::taPerspective;
    Copy()->SetPerspective(item == piBird ? ZYLGrlf::tpBird : ZYLGrlf::tpFrog);
  }
  Copy()->SetTransAttr(attributes);
}

void TZYLFormGraphicLabelEditor::ZYLSpinEditPerspectiveDepthChange(TObject*) {
  if (!Filling()) Copy()->SetPerspectiveDepth(ZYLSpinEditPerspectiveDepth->IntValue());
}

void TZYLFormGraphicLabelEditor::SetAttribute(int Attribute, vcl::TCheckBox* Box) {
  if (Filling()) return;
  TZYLTransLabelAttr attributes = Copy()->Attributes();
  const auto member = static_cast<TZYLTransLabelAttributes>(Attribute);
  if (Box->Checked())
    attributes += member;
  else
    attributes -= member;
  Copy()->SetTransAttr(attributes);
}

void TZYLFormGraphicLabelEditor::CheckBoxEqualLettersClick(TObject*) {
  SetAttribute(ZYLGrlf::taEqualLetters, CheckBoxEqualLetters);
}
void TZYLFormGraphicLabelEditor::CheckBoxAutoToggleClick(TObject*) {
  SetAttribute(ZYLGrlf::taAutoToggled, CheckBoxAutoToggle);
}
void TZYLFormGraphicLabelEditor::CheckBoxToggledClick(TObject*) {
  SetAttribute(ZYLGrlf::taToggled, CheckBoxToggled);
}

}  // namespace zyl
