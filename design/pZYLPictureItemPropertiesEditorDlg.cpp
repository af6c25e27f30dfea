#include "design/pZYLPictureItemPropertiesEditorDlg.h"

#include "design/pZYLObjectEditor.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/graphics/Picture.h"

namespace zyl {

ZYL_CLASS_IMPL(Tzylfrmpiprop) { DescribeFields(b); }

vcl::TPoint Tzylfrmpiprop::PictureSize() const {
  return {img->Picture()->Width(), img->Picture()->Height()};
}

// Every registered picture format; the file must exist.
std::string Tzylfrmpiprop::ChooseFile() {
  const vcl::TOpenOptions options{vcl::ofHideReadOnly, vcl::ofFileMustExist};
  return ZYLChoosePicture(vcl::TGraphic::StaticClass(), false, &options);
}

void Tzylfrmpiprop::LoadPicture(const std::string& File) {
  vcl::TPicture chosen;
  chosen.LoadFromFile(File);
  img->Picture()->Assign(&chosen);
}

}  // namespace zyl
