// TZYLLayoutEditorForm: what the glyph-text layout editor and the button layout editor share:
// the working copy held by the preview speed button `test`, the pages "Alignment" (alignment,
// text beside glyph, spacing) and "Offset" (the caption's absolute offsets), and Reset to a new
// button layout's defaults.
#pragma once

#include "design/TZYLLayoutEditorForm.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class TZYLButtonLayout;
class TZYLSpinEdit;

class TZYLLayoutEditorForm : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLLayoutEditorForm, TZYLObjectEditorForm)
  explicit TZYLLayoutEditorForm(vcl::TComponent* AOwner) : inherited(AOwner) {}

  TZYLButtonLayout* Copy() const;
  void SetLabels() override;
  // Gives the preview a glyph, so that the placement of text beside glyph shows.
  void FormCreate(vcl::TObject* Sender) override;

#include "design/TZYLLayoutEditorForm.fields.h"

  // Both lists: the sender tells Alignment or AlignText2Glyph.
  void cmbChange(vcl::TObject* Sender);
  // Spacing and the two offsets: the sender tells the property.
  void spinChange(vcl::TObject* Sender);
  void resetClick(vcl::TObject* Sender);

 protected:
  // Fills the controls of the shared pages (inside the caller's Fill).
  void FillLayout();
  // Reads a spin edit's value; false when it lies outside the edit's bounds.
  static bool Value(TZYLSpinEdit* Edit, int& Result);
};

}  // namespace zyl
