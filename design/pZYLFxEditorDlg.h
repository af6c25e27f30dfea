// TZYLFxEditorDlg: the modal editor of an effect caption (style, depths, angle, character
// spacing, light and shadow colours) on the working copy held by its preview label `test`. It
// also edits a plain 3D caption: the angle's label `rt` and its field `anglev` are hidden then.
#pragma once

#include "design/pZYLFxEditorDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class TZYL3DCaption;
class TZYLFxCaption;

class TZYLFxEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLFxEditorDlg, TZYLObjectEditorForm)
  explicit TZYLFxEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits an effect caption on a working copy ("FxCaption-Editor"); OK assigns the copy back
  // but leaves the caption's two positions as they were. True exactly on OK.
  static bool EditFx(TZYLFxCaption* Caption);
  // Edits a 3D caption ("3DCaption-Editor", no angle control). True exactly on OK.
  static bool Edit3D(TZYL3DCaption* Caption);
  TZYLFxCaption* Copy() const;
  void SetLabels() override;

#include "design/pZYLFxEditorDlg.fields.h"

  void cmbChange(vcl::TObject* Sender);
  // The four spin edits: the sender tells the property.
  void spinChange(vcl::TObject* Sender);
  // Both colour boxes: the sender tells the colour.
  void cmbcChange(vcl::TObject* Sender);
  void resetClick(vcl::TObject* Sender);

 private:
  // The shared opening steps: caption and the styler's system-gradient check.
  void Prepare(const char* Caption);
};

inline constexpr vcl::TUnitEntry pZYLFxEditorDlgUnit =
    ZYLEditorFormUnit<TZYLFxEditorDlg>("pZYLFxEditorDlg");

}  // namespace zyl
