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
    pZYLBevelEditorDlgUnit,
    pZYLBrushEditorDlgUnit,
    pZYLSmallBarEditorDlgUnit,
    pZYLGradientEditorDlgUnit,
    pZYLShadowEditorDlgUnit,
    pZYLSimpleBevelEditorDlgUnit,
    pZYLTeethEditorDlgUnit,
    pZYL3DEffectEditorDlgUnit,
    pZYLFxEditorDlgUnit,
    pZYLCaptionEditorDlgUnit,
    pZYLGlyphTextLayoutEditorDlgUnit,
    pZYLButtonLayoutEditorDlgUnit,
    pZYLFillEditorDlgUnit,
    pZYLTransparentEditorDlgUnit,
    pZYLLEDEditorDlgUnit,
    pZYLWaveEditorDlgUnit,
    pZYLAboutDlgUnit,
    pZYLStrEditorDlgUnit,
    pZYLStringsEditorDlgUnit,
    pZYLBmpRegionEditorDlgUnit,
    pZYLBitmapStyleEditorDlgUnit,
    pZYLDateTimeEditorUnit,
    pZYLDateTimePropertyEditorUnit,
    pZYLFilterPropsDlgUnit,
    pZYLMaskEditDlgUnit,
    pZYLPointListEditorUnit,
    pZYLShapeEditorDlgUnit,
    pZYLStatusBarEditorDlgUnit,
    pZYLGraphicLabelEditorUnit,
    pZYLItemPropDlgsUnit,
    pZYLBitmapItemPropertiesEditorDlgUnit,
    pZYLPictureItemPropertiesEditorDlgUnit,
    pZYLImageListPropertiesEditorDlgUnit,
    pZYLAviEditorDlgUnit,
    pZYLHideNonVCUnit,
    pZYLCustImgListSelectDlgUnit,
    pZYLButtonFaceDlgUnit,
    pZYLDateListEditorDlgUnit,
    pZYLValueChoiceDlgUnit,
    pZYLCEUnit,
    pZYLSectionEditorDlgUnit,
    pZYLBitmapListEditorUnit,
    pZYLImageListEditorUnit,
    pZYLWaveItemPropertiesEditorDlgUnit,
    pZYLWaveListEditorDlgUnit,
    pZYLStringListItemPropertiesEditorDlgUnit,
    pZYLStringListEditorDlgUnit,
};

}  // namespace

const vcl::TPackageUnitTable& ZYLDesignUnitTable() {
  static const vcl::TPackageUnitTable table{static_cast<int>(std::size(kUnits)), kUnits};
  return table;
}

}  // namespace zyl
