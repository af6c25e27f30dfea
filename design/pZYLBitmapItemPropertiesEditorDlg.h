// Tzylfrmbiprop: the properties of one bitmap-list item (index, compressed flag, storage pixel
// format, bitmap with its size, description, external id), filled and read by the bitmap list
// editor.
#pragma once

#include "design/pZYLBitmapItemPropertiesEditorDlg.fieldtypes.h"
#include "design/pZYLItemPropDlgs.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class Tzylfrmbiprop : public TZYLItemPropForm {
  ZYL_CLASS(Tzylfrmbiprop, TZYLItemPropForm)
  explicit Tzylfrmbiprop(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // cmb: the storage pixel format by ItemIndex; img: the item's bitmap.
#include "design/pZYLBitmapItemPropertiesEditorDlg.fields.h"

  void FormCreate(vcl::TObject* Sender);

 protected:
  vcl::TPoint PictureSize() const override;
  std::string ChooseFile() override;
  void LoadPicture(const std::string& File) override;
};

inline constexpr vcl::TUnitEntry pZYLBitmapItemPropertiesEditorDlgUnit =
    ZYLEditorFormUnit<Tzylfrmbiprop>("pZYLBitmapItemPropertiesEditorDlg");

}  // namespace zyl
