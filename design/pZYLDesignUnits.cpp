#include "design/pZYLDesignUnits.h"

#include <iterator>

#include "design/pZYL3DEffectEditorDlg.h"
#include "design/pZYLAboutDlg.h"
#include "design/pZYLAviEditorDlg.h"
#include "design/pZYLBevelEditorDlg.h"
#include "design/pZYLBitmapItemPropertiesEditorDlg.h"
#include "design/pZYLBitmapListEditor.h"
#include "design/pZYLBitmapStyleEditorDlg.h"
#include "design/pZYLBmpRegionEditorDlg.h"
#include "design/pZYLBrushEditorDlg.h"
#include "design/pZYLButtonFaceDlg.h"
#include "design/pZYLButtonLayoutEditorDlg.h"
#include "design/pZYLCE.h"
#include "design/pZYLCaptionEditorDlg.h"
#include "design/pZYLCustImgListSelectDlg.h"
#include "design/pZYLDateListEditorDlg.h"
#include "design/pZYLDateTimeEditor.h"
#include "design/pZYLDateTimePropertyEditor.h"
#include "design/pZYLFillEditorDlg.h"
#include "design/pZYLFilterPropsDlg.h"
#include "design/pZYLFxEditorDlg.h"
#include "design/pZYLGlyphTextLayoutEditorDlg.h"
#include "design/pZYLGradientEditorDlg.h"
#include "design/pZYLGraphicLabelEditor.h"
#include "design/pZYLHideNonVC.h"
#include "design/pZYLImageListEditor.h"
#include "design/pZYLImageListPropertiesEditorDlg.h"
#include "design/pZYLItemPropDlgs.h"
#include "design/pZYLLEDEditorDlg.h"
#include "design/pZYLMaskEditDlg.h"
#include "design/pZYLPictureItemPropertiesEditorDlg.h"
#include "design/pZYLPointListEditor.h"
#include "design/pZYLSectionEditorDlg.h"
#include "design/pZYLShadowEditorDlg.h"
#include "design/pZYLShapeEditorDlg.h"
#include "design/pZYLSimpleBevelEditorDlg.h"
#include "design/pZYLSmallBarEditorDlg.h"
#include "design/pZYLStatusBarEditorDlg.h"
#include "design/pZYLStrEditorDlg.h"
#include "design/pZYLStringListEditorDlg.h"
#include "design/pZYLStringListItemPropertiesEditorDlg.h"
#include "design/pZYLStringsEditorDlg.h"
#include "design/pZYLTeethEditorDlg.h"
#include "design/pZYLTransparentEditorDlg.h"
#include "design/pZYLValueChoiceDlg.h"
#include "design/pZYLWaveEditorDlg.h"
#include "design/pZYLWaveItemPropertiesEditorDlg.h"
#include "design/pZYLWaveListEditorDlg.h"

namespace zyl {

namespace {

// One line per unit; a new editor form's unit is appended.
const vcl::TUnitEntry kUnits[] = {
    {"pZYLBevelEditorDlg", &pZYLBevelEditorDlgInit, &pZYLBevelEditorDlgDone},
    {"pZYLBrushEditorDlg", &pZYLBrushEditorDlgInit, &pZYLBrushEditorDlgDone},
    {"pZYLSmallBarEditorDlg", &pZYLSmallBarEditorDlgInit, &pZYLSmallBarEditorDlgDone},
    {"pZYLGradientEditorDlg", &pZYLGradientEditorDlgInit, &pZYLGradientEditorDlgDone},
    {"pZYLShadowEditorDlg", &pZYLShadowEditorDlgInit, &pZYLShadowEditorDlgDone},
    {"pZYLSimpleBevelEditorDlg", &pZYLSimpleBevelEditorDlgInit, &pZYLSimpleBevelEditorDlgDone},
    {"pZYLTeethEditorDlg", &pZYLTeethEditorDlgInit, &pZYLTeethEditorDlgDone},
    {"pZYL3DEffectEditorDlg", &pZYL3DEffectEditorDlgInit, &pZYL3DEffectEditorDlgDone},
    {"pZYLFxEditorDlg", &pZYLFxEditorDlgInit, &pZYLFxEditorDlgDone},
    {"pZYLCaptionEditorDlg", &pZYLCaptionEditorDlgInit, &pZYLCaptionEditorDlgDone},
    {"pZYLGlyphTextLayoutEditorDlg", &pZYLGlyphTextLayoutEditorDlgInit,
     &pZYLGlyphTextLayoutEditorDlgDone},
    {"pZYLButtonLayoutEditorDlg", &pZYLButtonLayoutEditorDlgInit, &pZYLButtonLayoutEditorDlgDone},
    {"pZYLFillEditorDlg", &pZYLFillEditorDlgInit, &pZYLFillEditorDlgDone},
    {"pZYLTransparentEditorDlg", &pZYLTransparentEditorDlgInit, &pZYLTransparentEditorDlgDone},
    {"pZYLLEDEditorDlg", &pZYLLEDEditorDlgInit, &pZYLLEDEditorDlgDone},
    {"pZYLWaveEditorDlg", &pZYLWaveEditorDlgInit, &pZYLWaveEditorDlgDone},
    {"pZYLAboutDlg", &pZYLAboutDlgInit, &pZYLAboutDlgDone},
    {"pZYLStrEditorDlg", &pZYLStrEditorDlgInit, &pZYLStrEditorDlgDone},
    {"pZYLStringsEditorDlg", &pZYLStringsEditorDlgInit, &pZYLStringsEditorDlgDone},
    {"pZYLBmpRegionEditorDlg", &pZYLBmpRegionEditorDlgInit, &pZYLBmpRegionEditorDlgDone},
    {"pZYLBitmapStyleEditorDlg", &pZYLBitmapStyleEditorDlgInit, &pZYLBitmapStyleEditorDlgDone},
    {"pZYLDateTimeEditor", &pZYLDateTimeEditorInit, &pZYLDateTimeEditorDone},
    {"pZYLDateTimePropertyEditor", &pZYLDateTimePropertyEditorInit,
     &pZYLDateTimePropertyEditorDone},
    {"pZYLFilterPropsDlg", &pZYLFilterPropsDlgInit, &pZYLFilterPropsDlgDone},
    {"pZYLMaskEditDlg", &pZYLMaskEditDlgInit, &pZYLMaskEditDlgDone},
    {"pZYLPointListEditor", &pZYLPointListEditorInit, &pZYLPointListEditorDone},
    {"pZYLShapeEditorDlg", &pZYLShapeEditorDlgInit, &pZYLShapeEditorDlgDone},
    {"pZYLStatusBarEditorDlg", &pZYLStatusBarEditorDlgInit, &pZYLStatusBarEditorDlgDone},
    {"pZYLGraphicLabelEditor", &pZYLGraphicLabelEditorInit, &pZYLGraphicLabelEditorDone},
    {"pZYLItemPropDlgs", &pZYLItemPropDlgsInit, &pZYLItemPropDlgsDone},
    {"pZYLBitmapItemPropertiesEditorDlg", &pZYLBitmapItemPropertiesEditorDlgInit,
     &pZYLBitmapItemPropertiesEditorDlgDone},
    {"pZYLPictureItemPropertiesEditorDlg", &pZYLPictureItemPropertiesEditorDlgInit,
     &pZYLPictureItemPropertiesEditorDlgDone},
    {"pZYLImageListPropertiesEditorDlg", &pZYLImageListPropertiesEditorDlgInit,
     &pZYLImageListPropertiesEditorDlgDone},
    {"pZYLAviEditorDlg", &pZYLAviEditorDlgInit, &pZYLAviEditorDlgDone},
    {"pZYLHideNonVC", &pZYLHideNonVCInit, &pZYLHideNonVCDone},
    {"pZYLCustImgListSelectDlg", &pZYLCustImgListSelectDlgInit, &pZYLCustImgListSelectDlgDone},
    {"pZYLButtonFaceDlg", &pZYLButtonFaceDlgInit, &pZYLButtonFaceDlgDone},
    {"pZYLDateListEditorDlg", &pZYLDateListEditorDlgInit, &pZYLDateListEditorDlgDone},
    {"pZYLValueChoiceDlg", &pZYLValueChoiceDlgInit, &pZYLValueChoiceDlgDone},
    {"pZYLCE", &pZYLCEInit, &pZYLCEDone},
    {"pZYLSectionEditorDlg", &pZYLSectionEditorDlgInit, &pZYLSectionEditorDlgDone},
    {"pZYLBitmapListEditor", &pZYLBitmapListEditorInit, &pZYLBitmapListEditorDone},
    {"pZYLImageListEditor", &pZYLImageListEditorInit, &pZYLImageListEditorDone},
    {"pZYLWaveItemPropertiesEditorDlg", &pZYLWaveItemPropertiesEditorDlgInit,
     &pZYLWaveItemPropertiesEditorDlgDone},
    {"pZYLWaveListEditorDlg", &pZYLWaveListEditorDlgInit, &pZYLWaveListEditorDlgDone},
    {"pZYLStringListItemPropertiesEditorDlg", &pZYLStringListItemPropertiesEditorDlgInit,
     &pZYLStringListItemPropertiesEditorDlgDone},
    {"pZYLStringListEditorDlg", &pZYLStringListEditorDlgInit, &pZYLStringListEditorDlgDone},
};

}  // namespace

const vcl::TPackageUnitTable& ZYLDesignUnitTable() {
  static const vcl::TPackageUnitTable table{static_cast<int>(std::size(kUnits)), kUnits};
  return table;
}

}  // namespace zyl
