// TZYLFillEditorDlg: the modal editor of a fill object (style and options, bitmap and tile
// mode, brush, gradient) on the working copy held by its preview fill `test`. It also edits a
// shape fill, which has no brush and no options of its own: the option boxes, the brush sample
// and "Brush >>" are hidden then and the note `info` tells why.
#pragma once

#include "design/pZYLFillEditorDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class TZYLFillObject;
class TZYLShapeFill;

class TZYLFillEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLFillEditorDlg, TZYLObjectEditorForm)
  explicit TZYLFillEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits a fill object ("FillObject-Editor") on a working copy; true exactly on OK.
  static bool EditFillObject(TZYLFillObject* Fill);
  // Edits a shape fill ("ShapeFill-Editor") on a working copy; true exactly on OK.
  static bool EditShapeFill(TZYLShapeFill* Fill);
  TZYLFillObject* Copy() const;
  void SetLabels() override;

#include "design/pZYLFillEditorDlg.fields.h"

  void cmbStyleChange(vcl::TObject* Sender);
  // The three option boxes: the sender tells the option.
  void ckClick(vcl::TObject* Sender);
  void cmbTileChange(vcl::TObject* Sender);
  // "Bitmap >>", "Brush >>", "Gradient >>": the nested editor of that part of the copy.
  void btnbitmapClick(vcl::TObject* Sender);
  void btnbrushClick(vcl::TObject* Sender);
  void btngradientClick(vcl::TObject* Sender);
  void resetClick(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLFillEditorDlgUnit =
    ZYLEditorFormUnit<TZYLFillEditorDlg>("pZYLFillEditorDlg");

}  // namespace zyl
