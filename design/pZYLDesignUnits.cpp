#include "design/pZYLDesignUnits.h"

#include <iterator>

#include "design/pZYL3DEffectEditorDlg.h"
#include "design/pZYLBevelEditorDlg.h"
#include "design/pZYLBrushEditorDlg.h"
#include "design/pZYLButtonLayoutEditorDlg.h"
#include "design/pZYLCaptionEditorDlg.h"
#include "design/pZYLFillEditorDlg.h"
#include "design/pZYLFxEditorDlg.h"
#include "design/pZYLGlyphTextLayoutEditorDlg.h"
#include "design/pZYLGradientEditorDlg.h"
#include "design/pZYLLEDEditorDlg.h"
#include "design/pZYLShadowEditorDlg.h"
#include "design/pZYLSimpleBevelEditorDlg.h"
#include "design/pZYLSmallBarEditorDlg.h"
#include "design/pZYLTeethEditorDlg.h"
#include "design/pZYLTransparentEditorDlg.h"
#include "design/pZYLWaveEditorDlg.h"

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
};

}  // namespace

const vcl::TPackageUnitTable& ZYLDesignUnitTable() {
  static const vcl::TPackageUnitTable table{static_cast<int>(std::size(kUnits)), kUnits};
  return table;
}

}  // namespace zyl
