#include "design/pZYLItemPropDlgs.h"

#include <memory>

#include "design/pZYLBitmapItemPropertiesEditorDlg.h"
#include "design/pZYLImageListPropertiesEditorDlg.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLPictureItemPropertiesEditorDlg.h"
#include "display/ZYLSimpleLabel.h"
#include "edits/ZYLSpinEdit.h"
#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtDlgs.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

std::string ZYLDimText(int Width, int Height) {
  return "(" + vcl::IntToStr(Width) + "x" + vcl::IntToStr(Height) + ")";
}

std::string ZYLChoosePicture(vcl::TGraphicClass GraphicClass, bool WithMask,
                             const vcl::TOpenOptions* Options) {
  auto dialog = std::make_unique<vcl::TOpenPictureDialog>(nullptr);
  const std::string ext = vcl::GraphicExtension(GraphicClass);
  dialog->SetDefaultExt(ext);
  if (WithMask) dialog->SetFileName("*." + ext);
  dialog->SetFilter(vcl::GraphicFilter(GraphicClass));
  if (Options) dialog->SetOptions(*Options);
  return dialog->Execute() ? dialog->FileName() : std::string();
}

ZYL_CLASS_IMPL(TZYLItemHeaderForm) {
  DescribeFields(b);
  using T = TZYLItemHeaderForm;
  b.Method("FormCreate", &T::FormCreate);
}

ZYL_CLASS_IMPL(TZYLItemPropForm) {
  DescribeFields(b);
  using T = TZYLItemPropForm;
  b.Method("changeClick", &T::changeClick);
}

// The spin edit's length limit is not a property of form files.
void TZYLItemHeaderForm::FormCreate(vcl::TObject*) { ed->SetMaxLength(5); }

void TZYLItemPropForm::ShowDimensions() {
  const vcl::TPoint size = PictureSize();
  dimLabel->SetCaption(ZYLDimText(size.X, size.Y));
}

void TZYLItemPropForm::changeClick(vcl::TObject*) {
  const vcl::TFinally refresh([this] { ShowDimensions(); });
  const std::string file = ChooseFile();
  if (!file.empty()) LoadPicture(file);
}

void pZYLItemPropDlgsInit() {
  pZYLBitmapItemPropertiesEditorDlgUnit.Init();
  pZYLImageListPropertiesEditorDlgUnit.Init();
  pZYLPictureItemPropertiesEditorDlgUnit.Init();
}

void pZYLItemPropDlgsDone() {
  pZYLPictureItemPropertiesEditorDlgUnit.FInit();
  pZYLImageListPropertiesEditorDlgUnit.FInit();
  pZYLBitmapItemPropertiesEditorDlgUnit.FInit();
}

}  // namespace zyl
