// The library's run-time package. Its unit table lists the library's units in start-up order;
// Initialize and Finalize hand it to the host's package loader, which runs each unit's
// initialization once, in table order, and finalizes in reverse order. GetPackageInfoTable
// lets a host look at the table.
#include <iterator>
#include <vector>

#include "buttons/ZYL3DButton.h"
#include "buttons/ZYLAssist.h"
#include "buttons/ZYLBackPanel.h"
#include "buttons/ZYLBaseGraphicButton.h"
#include "buttons/ZYLButton.h"
#include "buttons/ZYLButtonGroup.h"
#include "buttons/ZYLButtonPanel.h"
#include "buttons/ZYLCheckBox.h"
#include "buttons/ZYLDockButton.h"
#include "buttons/ZYLGroupBox.h"
#include "buttons/ZYLMMButton.h"
#include "buttons/ZYLPanelFill.h"
#include "buttons/ZYLRadioButton.h"
#include "buttons/ZYLScrollBox.h"
#include "buttons/ZYLShapeButton.h"
#include "buttons/ZYLSimplePanel.h"
#include "buttons/ZYLSpeedButton.h"
#include "buttons/ZYLStatusBar.h"
#include "display/ZYLAniCtrl.h"
#include "display/ZYLBaseShape.h"
#include "display/ZYLBoundLabel.h"
#include "display/ZYLClock.h"
#include "display/ZYLDockLabel.h"
#include "display/ZYLDrawEdge.h"
#include "display/ZYLFill.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLGraphicLabel.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLED.h"
#include "display/ZYLLEDLabel.h"
#include "display/ZYLLImage.h"
#include "display/ZYLLabel.h"
#include "display/ZYLLabelFill.h"
#include "display/ZYLNImage.h"
#include "display/ZYLProgress.h"
#include "display/ZYLProgressFill.h"
#include "display/ZYLRepeatedShape.h"
#include "display/ZYLSBar.h"
#include "display/ZYLScrollText.h"
#include "display/ZYLShadowFill.h"
#include "display/ZYLShapeControl.h"
#include "display/ZYLSimpleLabel.h"
#include "display/ZYLStaticText.h"
#include "display/ZYLTechnicalLine.h"
#include "display/ZYLTrackBar.h"
#include "edits/ZYLBrowseDlg.h"
#include "edits/ZYLBrowseEdit.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLColorEdit.h"
#include "edits/ZYLColorListBox.h"
#include "edits/ZYLComboBox.h"
#include "edits/ZYLDriveComboBox.h"
#include "edits/ZYLEdit.h"
#include "edits/ZYLEditAutoComplete.h"
#include "edits/ZYLExtListBox.h"
#include "edits/ZYLExtSpinEdit.h"
#include "edits/ZYLFileOpenEdit.h"
#include "edits/ZYLFileSaveEdit.h"
#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontListBox.h"
#include "edits/ZYLFontSizeComboBox.h"
#include "edits/ZYLFontSizeListBox.h"
#include "edits/ZYLHistoryEdit.h"
#include "edits/ZYLImageComboBox.h"
#include "edits/ZYLImageListBox.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLListComboBox.h"
#include "edits/ZYLMaskEdit.h"
#include "edits/ZYLMemo.h"
#include "edits/ZYLPrinterComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLPackage.h"
#include "system/ZYLAboutDlg.h"
#include "system/ZYLApplicationCtrl.h"
#include "system/ZYLBack.h"
#include "system/ZYLDirDlg.h"
#include "system/ZYLFMDrop.h"
#include "system/ZYLFileCtrl.h"
#include "system/ZYLFileGrep.h"
#include "system/ZYLFormA.h"
#include "system/ZYLFormDisplay.h"
#include "system/ZYLFormFill.h"
#include "system/ZYLFormShadow.h"
#include "system/ZYLFormStyler.h"
#include "system/ZYLFormTabControl.h"
#include "system/ZYLHideNonVC.h"
#include "system/ZYLHint.h"
#include "system/ZYLHookComponent.h"
#include "system/ZYLInputDlg.h"
#include "system/ZYLMRUList.h"
#include "system/ZYLMessageHint.h"
#include "system/ZYLMouseFencer.h"
#include "system/ZYLMousePositioner.h"
#include "system/ZYLMsg.h"
#include "system/ZYLOneInstance.h"
#include "system/ZYLPopupMenu.h"
#include "system/ZYLShapeHint.h"
#include "system/ZYLStarter.h"
#include "system/ZYLStopWatch.h"
#include "system/ZYLSysInfo.h"
#include "system/ZYLSysMenu.h"
#include "system/ZYLTipDlg.h"
#include "system/ZYLTrayIcon.h"
#include "system/ZYLWindowListDlg.h"

namespace {

// The buttons, button groups and panels, after the foundation's.
const vcl::TUnitEntry buttonUnits[] = {
    {"ZYLSimplePanel", &zyl::ZYLSimplePanelInit, &zyl::ZYLSimplePanelDone},
    {"ZYLButtonPanel", &zyl::ZYLButtonPanelInit, &zyl::ZYLButtonPanelDone},
    {"ZYLStatusBar", &zyl::ZYLStatusBarInit, &zyl::ZYLStatusBarDone},
    {"ZYLPanelFill", &zyl::ZYLPanelFillInit, &zyl::ZYLPanelFillDone},
    {"ZYLBackPanel", &zyl::ZYLBackPanelInit, &zyl::ZYLBackPanelDone},
    {"ZYLScrollBox", &zyl::ZYLScrollBoxInit, &zyl::ZYLScrollBoxDone},
    {"ZYLSpinButton", nullptr, nullptr},
    {"ZYLBaseGraphicButton", &zyl::ZYLBaseGraphicButtonInit, &zyl::ZYLBaseGraphicButtonDone},
    {"ZYLSpeedButton", &zyl::ZYLSpeedButtonInit, &zyl::ZYLSpeedButtonDone},
    {"ZYLSpecialButtons", nullptr, nullptr},
    {"ZYLButtonControl", nullptr, nullptr},
    {"ZYLCheckBox", &zyl::ZYLCheckBoxInit, &zyl::ZYLCheckBoxDone},
    {"ZYLRadioButton", &zyl::ZYLRadioButtonInit, &zyl::ZYLRadioButtonDone},
    {"ZYLButton", &zyl::ZYLButtonInit, &zyl::ZYLButtonDone},
    {"ZYLDockButton", &zyl::ZYLDockButtonInit, &zyl::ZYLDockButtonDone},
    {"ZYLGroupBox", &zyl::ZYLGroupBoxInit, &zyl::ZYLGroupBoxDone},
    {"ZYLButtonGroup", &zyl::ZYLButtonGroupInit, &zyl::ZYLButtonGroupDone},
    {"ZYL3DButton", &zyl::ZYL3DButtonInit, &zyl::ZYL3DButtonDone},
    {"ZYLShapeButton", &zyl::ZYLShapeButtonInit, &zyl::ZYLShapeButtonDone},
    {"ZYLMMButton", &zyl::ZYLMMButtonInit, &zyl::ZYLMMButtonDone},
    {"ZYLAssist", &zyl::ZYLAssistInit, &zyl::ZYLAssistDone},
};

// The display controls' units, after the buttons'.
const vcl::TUnitEntry displayUnits[] = {
    {"ZYLLabel", &zyl::ZYLLabelInit, &zyl::ZYLLabelDone},
    {"ZYLSimpleLabel", &zyl::ZYLSimpleLabelInit, &zyl::ZYLSimpleLabelDone},
    {"ZYLBoundLabel", &zyl::ZYLBoundLabelInit, &zyl::ZYLBoundLabelDone},
    {"ZYLInformationLabel", &zyl::ZYLInformationLabelInit, &zyl::ZYLInformationLabelDone},
    {"ZYLDockLabel", &zyl::ZYLDockLabelInit, &zyl::ZYLDockLabelDone},
    {"ZYLLabelFill", &zyl::ZYLLabelFillInit, &zyl::ZYLLabelFillDone},
    {"ZYLGlyphLabel", &zyl::ZYLGlyphLabelInit, &zyl::ZYLGlyphLabelDone},
    {"ZYLStaticText", &zyl::ZYLStaticTextInit, &zyl::ZYLStaticTextDone},
    {"ZYLBaseShape", &zyl::ZYLBaseShapeInit, &zyl::ZYLBaseShapeDone},
    {"ZYLShapeControl", &zyl::ZYLShapeControlInit, &zyl::ZYLShapeControlDone},
    {"ZYLRepeatedShape", &zyl::ZYLRepeatedShapeInit, &zyl::ZYLRepeatedShapeDone},
    {"ZYLFill", &zyl::ZYLFillInit, &zyl::ZYLFillDone},
    {"ZYLShadowFill", &zyl::ZYLShadowFillInit, &zyl::ZYLShadowFillDone},
    {"ZYLDrawEdge", &zyl::ZYLDrawEdgeInit, &zyl::ZYLDrawEdgeDone},
    {"ZYLProgress", &zyl::ZYLProgressInit, &zyl::ZYLProgressDone},
    {"ZYLProgressFill", &zyl::ZYLProgressFillInit, &zyl::ZYLProgressFillDone},
    {"ZYLLImage", &zyl::ZYLLImageInit, &zyl::ZYLLImageDone},
    {"ZYLNImage", &zyl::ZYLNImageInit, &zyl::ZYLNImageDone},
    {"ZYLAniCtrl", &zyl::ZYLAniCtrlInit, &zyl::ZYLAniCtrlDone},
    {"ZYLLED", &zyl::ZYLLEDInit, &zyl::ZYLLEDDone},
    {"ZYLLEDLabel", &zyl::ZYLLEDLabelInit, &zyl::ZYLLEDLabelDone},
    {"ZYLClock", &zyl::ZYLClockInit, &zyl::ZYLClockDone},
    {"ZYLTrackBar", &zyl::ZYLTrackBarInit, &zyl::ZYLTrackBarDone},
    {"ZYLTechnicalLine", &zyl::ZYLTechnicalLineInit, &zyl::ZYLTechnicalLineDone},
    {"ZYLScrollText", &zyl::ZYLScrollTextInit, &zyl::ZYLScrollTextDone},
    {"ZYLSBar", &zyl::ZYLSBarInit, &zyl::ZYLSBarDone},
    {"ZYLGraphicLabel", &zyl::ZYLGraphicLabelInit, &zyl::ZYLGraphicLabelDone},
};

// The edits' units, after the display controls'.
const vcl::TUnitEntry editUnits[] = {
    {"ZYLBaseEdit", nullptr, nullptr},
    {"ZYLEditAutoComplete", &zyl::ZYLEditAutoCompleteInit, &zyl::ZYLEditAutoCompleteDone},
    {"ZYLCustomEdit", nullptr, nullptr},
    {"ZYLEdit", &zyl::ZYLEditInit, &zyl::ZYLEditDone},
    {"ZYLCurrencySettings", nullptr, nullptr},
    {"ZYLDateFormat", nullptr, nullptr},
    {"ZYLCustomMaskEdit", nullptr, nullptr},
    {"ZYLMaskEdit", &zyl::ZYLMaskEditInit, &zyl::ZYLMaskEditDone},
    {"ZYLCustomListBox", nullptr, nullptr},
    {"ZYLExtListBox", &zyl::ZYLExtListBoxInit, &zyl::ZYLExtListBoxDone},
    {"ZYLCustomImageListBox", nullptr, nullptr},
    {"ZYLImageListBox", &zyl::ZYLImageListBoxInit, &zyl::ZYLImageListBoxDone},
    {"ZYLCustomMemo", nullptr, nullptr},
    {"ZYLMemo", &zyl::ZYLMemoInit, &zyl::ZYLMemoDone},
    {"ZYLCustomExtSpinEdit", nullptr, nullptr},
    {"ZYLExtSpinEdit", &zyl::ZYLExtSpinEditInit, &zyl::ZYLExtSpinEditDone},
    {"ZYLSpinEdit", &zyl::ZYLSpinEditInit, &zyl::ZYLSpinEditDone},
    {"ZYLCustomExtCombo", nullptr, nullptr},
    {"ZYLCustomListComboBox", nullptr, nullptr},
    {"ZYLListComboBox", &zyl::ZYLListComboBoxInit, &zyl::ZYLListComboBoxDone},
    {"ZYLHistoryEdit", &zyl::ZYLHistoryEditInit, &zyl::ZYLHistoryEditDone},
    {"ZYLBrowseDlg", &zyl::ZYLBrowseDlgInit, &zyl::ZYLBrowseDlgDone},
    {"ZYLCustomBrowseEdit", nullptr, nullptr},
    {"ZYLBrowseEdit", &zyl::ZYLBrowseEditInit, &zyl::ZYLBrowseEditDone},
    {"ZYLColorEdit", &zyl::ZYLColorEditInit, &zyl::ZYLColorEditDone},
    {"ZYLCustomFileEdit", nullptr, nullptr},
    {"ZYLFileOpenEdit", &zyl::ZYLFileOpenEditInit, &zyl::ZYLFileOpenEditDone},
    {"ZYLFileSaveEdit", &zyl::ZYLFileSaveEditInit, &zyl::ZYLFileSaveEditDone},
    {"ZYLCustomComboBox", nullptr, nullptr},
    {"ZYLComboBox", &zyl::ZYLComboBoxInit, &zyl::ZYLComboBoxDone},
    {"ZYLCustomColorComboBox", nullptr, nullptr},
    {"ZYLColorComboBox", &zyl::ZYLColorComboBoxInit, &zyl::ZYLColorComboBoxDone},
    {"ZYLCustomColorListBox", nullptr, nullptr},
    {"ZYLColorListBox", &zyl::ZYLColorListBoxInit, &zyl::ZYLColorListBoxDone},
    {"ZYLFontComboBox", &zyl::ZYLFontComboBoxInit, &zyl::ZYLFontComboBoxDone},
    {"ZYLFontListBox", &zyl::ZYLFontListBoxInit, &zyl::ZYLFontListBoxDone},
    {"ZYLFontSizeComboBox", &zyl::ZYLFontSizeComboBoxInit, &zyl::ZYLFontSizeComboBoxDone},
    {"ZYLFontSizeListBox", &zyl::ZYLFontSizeListBoxInit, &zyl::ZYLFontSizeListBoxDone},
    {"ZYLCustomImageComboBox", nullptr, nullptr},
    {"ZYLImageComboBox", &zyl::ZYLImageComboBoxInit, &zyl::ZYLImageComboBoxDone},
    {"ZYLDriveComboBox", &zyl::ZYLDriveComboBoxInit, &zyl::ZYLDriveComboBoxDone},
    {"ZYLPrinterComboBox", &zyl::ZYLPrinterComboBoxInit, &zyl::ZYLPrinterComboBoxDone},
    {"ZYLListBox", &zyl::ZYLListBoxInit, &zyl::ZYLListBoxDone},
    {"ZYLButtonListData", nullptr, nullptr},
};

// The system components' units.
const vcl::TUnitEntry systemUnits[] = {
    {"ZYLHint", &zyl::ZYLHintInit, &zyl::ZYLHintDone},
    {"ZYLShapeHint", &zyl::ZYLShapeHintInit, &zyl::ZYLShapeHintDone},
    {"ZYLMessageHint", &zyl::ZYLMessageHintInit, &zyl::ZYLMessageHintDone},
    {"ZYLApplicationCtrl", &zyl::ZYLApplicationCtrlInit, &zyl::ZYLApplicationCtrlDone},
    {"ZYLOneInstance", &zyl::ZYLOneInstanceInit, &zyl::ZYLOneInstanceDone},
    {"ZYLFileCtrl", &zyl::ZYLFileCtrlInit, &zyl::ZYLFileCtrlDone},
    {"ZYLSysInfo", &zyl::ZYLSysInfoInit, &zyl::ZYLSysInfoDone},
    {"ZYLFormStyler", &zyl::ZYLFormStylerInit, &zyl::ZYLFormStylerDone},
    {"ZYLCustomFormFill", nullptr, nullptr},
    {"ZYLFormFill", &zyl::ZYLFormFillInit, &zyl::ZYLFormFillDone},
    {"ZYLBack", &zyl::ZYLBackInit, &zyl::ZYLBackDone},
    {"ZYLBaseDialog", nullptr, nullptr},
    {"ZYLMsg", &zyl::ZYLMsgInit, &zyl::ZYLMsgDone},
    {"ZYLFormA", &zyl::ZYLFormAInit, &zyl::ZYLFormADone},
    {"ZYLAboutDlg", &zyl::ZYLAboutDlgInit, &zyl::ZYLAboutDlgDone},
    {"ZYLInputDlg", &zyl::ZYLInputDlgInit, &zyl::ZYLInputDlgDone},
    {"ZYLDirDlg", &zyl::ZYLDirDlgInit, &zyl::ZYLDirDlgDone},
    {"ZYLTipDlg", &zyl::ZYLTipDlgInit, &zyl::ZYLTipDlgDone},
    {"ZYLWindowListDlg", &zyl::ZYLWindowListDlgInit, &zyl::ZYLWindowListDlgDone},
    {"ZYLSysMenu", &zyl::ZYLSysMenuInit, &zyl::ZYLSysMenuDone},
    {"ZYLTrayIcon", &zyl::ZYLTrayIconInit, &zyl::ZYLTrayIconDone},
    {"ZYLFormShadow", &zyl::ZYLFormShadowInit, &zyl::ZYLFormShadowDone},
    {"ZYLMRUList", &zyl::ZYLMRUListInit, &zyl::ZYLMRUListDone},
    {"ZYLHookComponent", &zyl::ZYLHookComponentInit, &zyl::ZYLHookComponentDone},
    {"ZYLFMDrop", &zyl::ZYLFMDropInit, &zyl::ZYLFMDropDone},
    {"ZYLPopupMenu", &zyl::ZYLPopupMenuInit, &zyl::ZYLPopupMenuDone},
    {"ZYLResWinControl", nullptr, nullptr},
    {"ZYLFormHost", nullptr, nullptr},
    {"ZYLFormDisplay", &zyl::ZYLFormDisplayInit, &zyl::ZYLFormDisplayDone},
    {"ZYLFormTabControl", &zyl::ZYLFormTabControlInit, &zyl::ZYLFormTabControlDone},
    {"ZYLMouseBaseCtrl", nullptr, nullptr},
    {"ZYLMouseFencer", &zyl::ZYLMouseFencerInit, &zyl::ZYLMouseFencerDone},
    {"ZYLMousePositioner", &zyl::ZYLMousePositionerInit, &zyl::ZYLMousePositionerDone},
    {"ZYLStopWatch", &zyl::ZYLStopWatchInit, &zyl::ZYLStopWatchDone},
    {"ZYLStarter", &zyl::ZYLStarterInit, &zyl::ZYLStarterDone},
    {"ZYLFileGrep", &zyl::ZYLFileGrepInit, &zyl::ZYLFileGrepDone},
    {"ZYLHideNonVC", &zyl::ZYLHideNonVCInit, &zyl::ZYLHideNonVCDone},
};

const vcl::TPackageUnitTable& PackageTable() {
  static const std::vector<vcl::TUnitEntry> units = [] {
    std::vector<vcl::TUnitEntry> all;
    const vcl::TPackageUnitTable& foundation = zyl::ZYLPackageUnitTable();
    all.insert(all.end(), foundation.Units, foundation.Units + foundation.UnitCount);
    all.insert(all.end(), std::begin(buttonUnits), std::end(buttonUnits));
    all.insert(all.end(), std::begin(displayUnits), std::end(displayUnits));
    all.insert(all.end(), std::begin(editUnits), std::end(editUnits));
    all.insert(all.end(), std::begin(systemUnits), std::end(systemUnits));
    return all;
  }();
  static const vcl::TPackageUnitTable table{static_cast<int>(units.size()), units.data()};
  return table;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const vcl::TPackageUnitTable*
GetPackageInfoTable() {
  return &PackageTable();
}

extern "C" __attribute__((visibility("default"))) void Initialize() {
  vcl::InitializePackage(PackageTable());
}

extern "C" __attribute__((visibility("default"))) void Finalize() {
  vcl::FinalizePackage(PackageTable());
}
