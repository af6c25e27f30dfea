// TZYLBitmapStyleEditorDlg: picks how a picture is placed (a TZYLBitmapStyle) on a preview image
// `test` that shows the choice at once; the list `pred` names the styles in their order.
#pragma once

#include "design/pZYLBitmapStyleEditorDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"
#include "foundation/ZYLClass.h"

namespace zyl {

class TZYLBitmapStyleEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLBitmapStyleEditorDlg, TZYLObjectEditorForm)
  explicit TZYLBitmapStyleEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // The size the preview returns to for every style but sbAutosize.
  static constexpr int PreviewWidth = 250;
  static constexpr int PreviewHeight = 180;

  // Offers Style in the form; the chosen style on OK, Style itself on any other ending.
  static TZYLBitmapStyle Edit(TZYLBitmapStyle Style);
  // The same, answering whether the form was left with OK (Style then holds the choice).
  static bool Pick(TZYLBitmapStyle& Style);
  // Selects the preview's style in the list.
  void SetLabels() override;

#include "design/pZYLBitmapStyleEditorDlg.fields.h"

  // The preview takes the chosen style; every style but sbAutosize at the preview's own size.
  void predChange(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLBitmapStyleEditorDlgUnit =
    ZYLEditorFormUnit<TZYLBitmapStyleEditorDlg>("pZYLBitmapStyleEditorDlg");

}  // namespace zyl
