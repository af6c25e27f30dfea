// Tzylfrmbiprop: the properties of one bitmap-list item (index, compressed flag, storage pixel
// format, bitmap with its size, description, external id), filled and read by the bitmap list
// editor.
#pragma once

#include "design/pZYLItemPropDlgs.h"

namespace vcl {
class TComboBox;
}

namespace zyl {

class TZYLNImage;

class Tzylfrmbiprop : public TZYLItemPropForm {
  ZYL_CLASS(Tzylfrmbiprop, TZYLItemPropForm)
  explicit Tzylfrmbiprop(vcl::TComponent* AOwner) : inherited(AOwner) {}

  vcl::TComboBox* cmb = nullptr;  // the storage pixel format by ItemIndex
  TZYLNImage* img = nullptr;      // the item's bitmap

  void FormCreate(vcl::TObject* Sender);

 protected:
  vcl::TPoint PictureSize() const override;
  std::string ChooseFile() override;
  void LoadPicture(const std::string& File) override;
};

void pZYLBitmapItemPropertiesEditorDlgInit();
void pZYLBitmapItemPropertiesEditorDlgDone();

}  // namespace zyl
