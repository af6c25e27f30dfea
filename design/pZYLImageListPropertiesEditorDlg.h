// TZYLFrmprop: the properties of one image strip (description, image size, AllocBy, storage
// pixel format, compressed and masked flags) in the group box g1, or, in the import mode, the
// options of cutting a bitmap into a strip (number of images, masked) in g2 on the same place.
// The image list editor fills and reads the controls.
#pragma once

#include "design/pZYLImageListPropertiesEditorDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"
#include "platform/controls/Forms.h"

namespace zyl {

class TZYLFrmprop : public vcl::TForm {
  ZYL_CLASS(TZYLFrmprop, vcl::TForm)
  explicit TZYLFrmprop(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Shows g2 (the import options) in front instead of g1, or g1 again.
  void SetImportMode(bool Import);

#include "design/pZYLImageListPropertiesEditorDlg.fields.h"

  void FormCreate(vcl::TObject* Sender);
  // Takes the width (ed2) and height (ed1) of a chosen bitmap file; nothing else changes, and a
  // file that is no bitmap raises and changes nothing.
  void ZYLButton1Click(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLImageListPropertiesEditorDlgUnit =
    ZYLEditorFormUnit<TZYLFrmprop>("pZYLImageListPropertiesEditorDlg");

}  // namespace zyl
