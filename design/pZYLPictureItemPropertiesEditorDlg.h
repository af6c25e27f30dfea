// Tzylfrmpiprop: the properties of one picture item (index, compressed flag, picture of any
// registered format with its size, description, external id), for an editor of picture items
// to fill and read.
#pragma once

#include "design/pZYLItemPropDlgs.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLPictureItemPropertiesEditorDlg.fieldtypes.h"

namespace zyl {

class Tzylfrmpiprop : public TZYLItemPropForm {
  ZYL_CLASS(Tzylfrmpiprop, TZYLItemPropForm)
  explicit Tzylfrmpiprop(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // img: the item's picture.
#include "design/pZYLPictureItemPropertiesEditorDlg.fields.h"

 protected:
  vcl::TPoint PictureSize() const override;
  std::string ChooseFile() override;
  void LoadPicture(const std::string& File) override;
};

inline constexpr vcl::TUnitEntry pZYLPictureItemPropertiesEditorDlgUnit =
    ZYLEditorFormUnit<Tzylfrmpiprop>("pZYLPictureItemPropertiesEditorDlg");

}  // namespace zyl
