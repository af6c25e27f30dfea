// TZYLFrmwiprop: the properties of one wave-list item (index, description, compressed flag,
// ident and the wave with its format, size, bits, sample rate and channels), filled and read
// by the wave list editor. "&Change" edits the dialog's wave in the wave chooser.
#pragma once

#include "design/pZYLLineListEditor.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLWaveItemPropertiesEditorDlg.fieldtypes.h"

namespace zyl {

class TZYLFrmwiprop : public TZYLLineItemForm {
  ZYL_CLASS(TZYLFrmwiprop, TZYLLineItemForm)
  explicit TZYLFrmwiprop(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Shows the facts of c's wave.
  void SetLabels() override;

  // c holds the dialog's working wave.
#include "design/pZYLWaveItemPropertiesEditorDlg.fields.h"

  void changeClick(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLWaveItemPropertiesEditorDlgUnit =
    ZYLEditorFormUnit<TZYLFrmwiprop>("pZYLWaveItemPropertiesEditorDlg");

}  // namespace zyl
