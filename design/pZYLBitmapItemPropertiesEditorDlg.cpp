#include "design/pZYLBitmapItemPropertiesEditorDlg.h"

#include "design/pZYLObjectEditor.h"
#include "display/ZYLNImage.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"

namespace zyl {

ZYL_CLASS_IMPL(Tzylfrmbiprop) {
  DescribeFields(b);
  using T = Tzylfrmbiprop;
  b.Method("FormCreate", &T::FormCreate);
}

void Tzylfrmbiprop::FormCreate(vcl::TObject* Sender) {
  inherited::FormCreate(Sender);
  img->SetStyle(sbKeepAspRatio);
}

vcl::TPoint Tzylfrmbiprop::PictureSize() const {
  return {img->Bitmap()->Width(), img->Bitmap()->Height()};
}

std::string Tzylfrmbiprop::ChooseFile() {
  return ZYLChoosePicture(vcl::TBitmap::StaticClass(), true);
}

void Tzylfrmbiprop::LoadPicture(const std::string& File) {
  vcl::TBitmap chosen;
  chosen.LoadFromFile(File);
  img->Bitmap()->Assign(&chosen);
}

}  // namespace zyl
