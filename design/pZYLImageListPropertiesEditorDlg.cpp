#include "design/pZYLImageListPropertiesEditorDlg.h"

#include "buttons/ZYLButton.h"
#include "buttons/ZYLCheckBox.h"
#include "design/pZYLItemPropDlgs.h"
#include "design/pZYLObjectEditor.h"
#include "edits/ZYLSpinEdit.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLFrmprop) {
  DescribeFields(b);
  using T = TZYLFrmprop;
  b.Method("FormCreate", &T::FormCreate).Method("ZYLButton1Click", &T::ZYLButton1Click);
}

void TZYLFrmprop::FormCreate(vcl::TObject*) {
  SetCaption("ImageList Properties");
  ed2->SetMaxLength(4);  // the spin edit's length limit is not a property of form files
  ed1->SetMaxLength(4);
}

void TZYLFrmprop::SetImportMode(bool Import) {
  g1->SetVisible(!Import);
  g2->SetVisible(Import);
  (Import ? g2 : g1)->BringToFront();
}

void TZYLFrmprop::ZYLButton1Click(vcl::TObject*) {
  const std::string file = ZYLChoosePicture(vcl::TBitmap::StaticClass(), true);
  if (file.empty()) return;
  vcl::TBitmap chosen;
  chosen.LoadFromFile(file);
  ed2->SetIntValue(chosen.Width());
  ed1->SetIntValue(chosen.Height());
}

}  // namespace zyl
