#include "design/ZYLCPGet.h"

#include <iterator>
#include <memory>

#include "buttons/ZYL3DButton.h"
#include "design/pZYL3DEffectEditorDlg.h"
#include "design/pZYLBevelEditorDlg.h"
#include "design/pZYLBitmapStyleEditorDlg.h"
#include "design/pZYLBrushEditorDlg.h"
#include "design/pZYLButtonLayoutEditorDlg.h"
#include "design/pZYLCaptionEditorDlg.h"
#include "design/pZYLDateListEditorDlg.h"
#include "design/pZYLDateTimeEditor.h"
#include "design/pZYLDateTimePropertyEditor.h"
#include "design/pZYLFillEditorDlg.h"
#include "design/pZYLFxEditorDlg.h"
#include "design/pZYLGlyphTextLayoutEditorDlg.h"
#include "design/pZYLGradientEditorDlg.h"
#include "design/pZYLLEDEditorDlg.h"
#include "design/pZYLPointListEditor.h"
#include "design/pZYLShadowEditorDlg.h"
#include "design/pZYLShapeEditorDlg.h"
#include "design/pZYLSimpleBevelEditorDlg.h"
#include "design/pZYLSmallBarEditorDlg.h"
#include "design/pZYLTeethEditorDlg.h"
#include "design/pZYLTransparentEditorDlg.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLUtils.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtDlgs.h"
#include "platform/designer/DesignIntf.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"

namespace zyl {

namespace {
// The help topic of the font dialog the launcher opens.
constexpr int32_t kFontHelpContext = 25000;
}  // namespace

bool ZYLCPGetBevel(TZYLBevel* Bevel) { return TZYLBevelEditorDlg::Edit(Bevel); }
bool ZYLCPGetShadow(TZYLShadow* Shadow) { return TZYLShadowEditorDlg::Edit(Shadow); }
bool ZYLCPGetSimpleBevel(TZYLSimpleBevel* Bevel) { return TZYLSimpleBevelEditorDlg::Edit(Bevel); }
bool ZYLCPGetTeeth(TZYLTeeth* Teeth) { return TZYLTeethEditorDlg::Edit(Teeth); }
bool ZYLCPGetBrush(vcl::TBrush* Brush) { return TZYLBrushEditorDlg::Edit(Brush); }
bool ZYLCPGetSmallBar(TZYLSmallBar* SmallBar) { return TZYLSmallBarEditorDlg::Edit(SmallBar); }
bool ZYLCPGetGradient(TZYLGradient* Gradient) { return TZYLGradientEditorDlg::Edit(Gradient); }
bool ZYLCPGetZYLCaption(TZYLCaption* Caption, bool ShowMultiLine) {
  return TZYLCaptionEditorDlg::Edit(Caption, ShowMultiLine);
}
bool ZYLCPGetButtonLayout(TZYLButtonLayout* Layout) {
  return TZYLButtonLayoutEditorDlg::Edit(Layout);
}
bool ZYLCPGetGlyphTextLayout(TZYLGlyphTextLayout* Layout) {
  return TZYLGlyphTextLayoutEditorDlg::Edit(Layout);
}
bool ZYLCPGetFillObject(TZYLFillObject* Fill) { return TZYLFillEditorDlg::EditFillObject(Fill); }
bool ZYLCPGetShapeFill(TZYLShapeFill* Fill) { return TZYLFillEditorDlg::EditShapeFill(Fill); }
bool ZYLCPGetFontFx(TZYLFxCaption* Caption) { return TZYLFxEditorDlg::EditFx(Caption); }
bool ZYLCPGetFont3D(TZYL3DCaption* Caption) { return TZYLFxEditorDlg::Edit3D(Caption); }
bool ZYLCPGetTransparent(TZYLTransparent* Transparent) {
  return TZYLTransparentEditorDlg::Edit(Transparent);
}
bool ZYLCPGetLED(TZYLLED* LED) { return TZYLLEDEditorDlg::Edit(LED); }
bool ZYLCPGetPointList(TZYLPointList* List) { return TfrmTZYLPointListEditor::Edit(List); }
bool ZYLCPGetDateList(TZYLDateList* List) { return TZYLDateListEditorDlg::Edit(List); }
bool ZYLCPGetDateTime(TZYLDateTime* Value) { return TZYLFrmDateTimeEditor::Edit(Value); }
bool ZYLCPGetDateTimeFormat(std::string& Format) {
  return TZYLFrmDateTimePropertyEditor::Edit(Format);
}
TZYLBitmapStyle ZYLCPGetBitmapStyle(TZYLBitmapStyle Style) {
  return TZYLBitmapStyleEditorDlg::Edit(Style);
}
TZYLShapeType ZYLCPGetShape(TZYLShapeType Shape) { return TZYLShapeEditorDlg::Edit(Shape); }

bool ZYLCPGetButtonFace3D(TZYLCustom3DButton* Button) {
  auto dlg = ZYLCreateEditorForm<TZYL3DEffectEditorDlg>(vcl::Application);
  std::unique_ptr<vcl::TBitmap> work = std::make_unique<vcl::TBitmap>(), pics[3];
  for (auto& p : pics) p = std::make_unique<vcl::TBitmap>();
  dlg->SetColor(TZYL3DEffectEditorDlg::ciBevel, vcl::clBlack);
  dlg->SetColor(TZYL3DEffectEditorDlg::ciDisabled, vcl::clWhite);
  dlg->SetColor(TZYL3DEffectEditorDlg::ciLight, vcl::clWhite);
  dlg->SetColor(TZYL3DEffectEditorDlg::ciShadow, vcl::TColor(0x808080));
  dlg->SetBevelWidth(2);
  dlg->SetPictures(work.get(), pics[0].get(), pics[1].get(), pics[2].get());
  if (!ZYLRunEditorForm(dlg.get()) || pics[0]->Empty()) return false;
  // The generator took the source's bottom-left pixel as transparent and filled the bevel's
  // margin with it: the masks of all three pictures are made of that colour.
  const vcl::TColor transparent = ZYL3DEffectTransparentColor(work.get());
  const win::TRect rect{0, 0, pics[0]->Width(), pics[0]->Height()};
  std::unique_ptr<vcl::TBitmap> masks[3];
  for (int n = 0; n < 3; ++n) {
    masks[n] = std::make_unique<vcl::TBitmap>();
    work->Assign(pics[n].get());
    ZYLBmpCreateMasksExt(work->Canvas(), rect, masks[n].get(), pics[n].get(), transparent);
  }
  Button->SetWidth(rect.Right);
  Button->SetHeight(rect.Bottom);
  // The button takes the pictures and masks over (and frees them also when it refuses them).
  Button->Set3DPics(pics[0].release(), pics[1].release(), pics[2].release(), masks[0].release(),
                    masks[1].release(), masks[2].release());
  return true;
}

bool ZYLCPGetBitmap(vcl::TBitmap* Bitmap) {
  vcl::TOpenPictureDialog dialog(vcl::Application);
  const std::string ext = vcl::GraphicExtension(vcl::TBitmap::StaticClass());
  dialog.SetDefaultExt(ext);
  dialog.SetFileName("*." + ext);
  dialog.SetFilter(vcl::GraphicFilter(vcl::TBitmap::StaticClass()));
  if (!dialog.Execute()) return false;
  vcl::TBitmap loaded;
  loaded.LoadFromFile(dialog.FileName());
  Bitmap->Assign(&loaded);
  return true;
}

vcl::TColor ZYLCPGetColor(vcl::TColor Color, vcl::TStrings* CustomColors) {
  vcl::TColorDialog dialog(vcl::Application);
  if (CustomColors) dialog.SetCustomColors(CustomColors);
  dialog.SetColor(Color);
  if (!dialog.Execute()) return Color;
  if (CustomColors) CustomColors->Assign(dialog.CustomColors());
  return dialog.Color();
}

bool ZYLCPGetFont(vcl::TFont* Font) {
  vcl::TFontDialog dialog(vcl::Application);
  dialog.SetFont(Font);
  dialog.SetHelpContext(kFontHelpContext);
  dialog.SetOptions(dialog.Options() +
                    vcl::TFontDialogOptions{vcl::fdForceFontExist, vcl::fdShowHelp});
  if (!dialog.Execute()) return false;
  Font->Assign(dialog.Font());
  return true;
}

void ZYLCPGetFilter(TZYLListItemClassType Kind, std::string& Filter) {
  static const char* const kNames[] = {"Image", "Bitmap", "Wave", "String", "Generic", "RTF"};
  Filter.clear();
  const int k = static_cast<int>(Kind);
  if (k < 0 || k >= static_cast<int>(std::size(kNames))) return;
  const std::string suffix = ZYLICGetSuffix(Kind, true);
  Filter = std::string(kNames[k]) + "List-Files (*" + suffix + ")|*" + suffix;
}

bool ZYLCPModify(vcl::IFormDesigner* Designer, const std::function<bool()>& Launcher) {
  const bool accepted = Launcher();
  if (accepted && Designer) Designer->Modified();
  return accepted;
}

}  // namespace zyl
