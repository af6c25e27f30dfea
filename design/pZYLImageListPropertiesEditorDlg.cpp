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
  using T = TZYLFrmprop;
  b.Field("g1", &T::g1)
      .Field("desc", &T::desc)
      .Field("ed2", &T::ed2)
      .Field("ed1", &T::ed1)
      .Field("ed3", &T::ed3)
      .Field("cmb", &T::cmb)
      .Field("compress", &T::compress)
      .Field("Maske", &T::Maske)
      .Field("ZYLButton1", &T::ZYLButton1)
      .Field("g2", &T::g2)
      .Field("rows", &T::rows)
      .Field("mk", &T::mk)
      .Field("btOK", &T::btOK)
      .Field("btCancel", &T::btCancel)
      .Method("FormCreate", &T::FormCreate)
      .Method("ZYLButton1Click", &T::ZYLButton1Click);
}

namespace {
const char kLayout[] =
#include "design/pZYLImageListPropertiesEditorDlg.dfm.inc"
    ;
}  // namespace

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

void pZYLImageListPropertiesEditorDlgInit() {
  ZYLEnterEditorUnit(TZYLFrmprop::StaticClass(), kLayout);
}

void pZYLImageListPropertiesEditorDlgDone() { ZYLLeaveEditorUnit(TZYLFrmprop::StaticClass()); }

}  // namespace zyl
