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
    zyl::ZYLSimplePanelUnit,
    zyl::ZYLButtonPanelUnit,
    zyl::ZYLStatusBarUnit,
    zyl::ZYLPanelFillUnit,
    zyl::ZYLBackPanelUnit,
    zyl::ZYLScrollBoxUnit,
    {"ZYLSpinButton", nullptr, nullptr},
    zyl::ZYLBaseGraphicButtonUnit,
    zyl::ZYLSpeedButtonUnit,
    {"ZYLSpecialButtons", nullptr, nullptr},
    {"ZYLButtonControl", nullptr, nullptr},
    zyl::ZYLCheckBoxUnit,
    zyl::ZYLRadioButtonUnit,
    zyl::ZYLButtonUnit,
    zyl::ZYLDockButtonUnit,
    zyl::ZYLGroupBoxUnit,
    zyl::ZYLButtonGroupUnit,
    zyl::ZYL3DButtonUnit,
    zyl::ZYLShapeButtonUnit,
    zyl::ZYLMMButtonUnit,
    zyl::ZYLAssistUnit,
};

// The display controls' units, after the buttons'.
const vcl::TUnitEntry displayUnits[] = {
    zyl::ZYLLabelUnit,         zyl::ZYLSimpleLabelUnit,
    zyl::ZYLBoundLabelUnit,    zyl::ZYLInformationLabelUnit,
    zyl::ZYLDockLabelUnit,     zyl::ZYLLabelFillUnit,
    zyl::ZYLGlyphLabelUnit,    zyl::ZYLStaticTextUnit,
    zyl::ZYLBaseShapeUnit,     zyl::ZYLShapeControlUnit,
    zyl::ZYLRepeatedShapeUnit, zyl::ZYLFillUnit,
    zyl::ZYLShadowFillUnit,    zyl::ZYLDrawEdgeUnit,
    zyl::ZYLProgressUnit,      zyl::ZYLProgressFillUnit,
    zyl::ZYLLImageUnit,        zyl::ZYLNImageUnit,
    zyl::ZYLAniCtrlUnit,       zyl::ZYLLEDUnit,
    zyl::ZYLLEDLabelUnit,      zyl::ZYLClockUnit,
    zyl::ZYLTrackBarUnit,      zyl::ZYLTechnicalLineUnit,
    zyl::ZYLScrollTextUnit,    zyl::ZYLSBarUnit,
    zyl::ZYLGraphicLabelUnit,
};

// The edits' units, after the display controls'.
const vcl::TUnitEntry editUnits[] = {
    {"ZYLBaseEdit", nullptr, nullptr},
    zyl::ZYLEditAutoCompleteUnit,
    {"ZYLCustomEdit", nullptr, nullptr},
    zyl::ZYLEditUnit,
    {"ZYLCurrencySettings", nullptr, nullptr},
    {"ZYLDateFormat", nullptr, nullptr},
    {"ZYLCustomMaskEdit", nullptr, nullptr},
    zyl::ZYLMaskEditUnit,
    {"ZYLCustomListBox", nullptr, nullptr},
    zyl::ZYLExtListBoxUnit,
    {"ZYLCustomImageListBox", nullptr, nullptr},
    zyl::ZYLImageListBoxUnit,
    {"ZYLCustomMemo", nullptr, nullptr},
    zyl::ZYLMemoUnit,
    {"ZYLCustomExtSpinEdit", nullptr, nullptr},
    zyl::ZYLExtSpinEditUnit,
    zyl::ZYLSpinEditUnit,
    {"ZYLCustomExtCombo", nullptr, nullptr},
    {"ZYLCustomListComboBox", nullptr, nullptr},
    zyl::ZYLListComboBoxUnit,
    zyl::ZYLHistoryEditUnit,
    zyl::ZYLBrowseDlgUnit,
    {"ZYLCustomBrowseEdit", nullptr, nullptr},
    zyl::ZYLBrowseEditUnit,
    zyl::ZYLColorEditUnit,
    {"ZYLCustomFileEdit", nullptr, nullptr},
    zyl::ZYLFileOpenEditUnit,
    zyl::ZYLFileSaveEditUnit,
    {"ZYLCustomComboBox", nullptr, nullptr},
    zyl::ZYLComboBoxUnit,
    {"ZYLCustomColorComboBox", nullptr, nullptr},
    zyl::ZYLColorComboBoxUnit,
    {"ZYLCustomColorListBox", nullptr, nullptr},
    zyl::ZYLColorListBoxUnit,
    zyl::ZYLFontComboBoxUnit,
    zyl::ZYLFontListBoxUnit,
    zyl::ZYLFontSizeComboBoxUnit,
    zyl::ZYLFontSizeListBoxUnit,
    {"ZYLCustomImageComboBox", nullptr, nullptr},
    zyl::ZYLImageComboBoxUnit,
    zyl::ZYLDriveComboBoxUnit,
    zyl::ZYLPrinterComboBoxUnit,
    zyl::ZYLListBoxUnit,
    {"ZYLButtonListData", nullptr, nullptr},
};

// The system components' units.
const vcl::TUnitEntry systemUnits[] = {
    zyl::ZYLHintUnit,
    zyl::ZYLShapeHintUnit,
    zyl::ZYLMessageHintUnit,
    zyl::ZYLApplicationCtrlUnit,
    zyl::ZYLOneInstanceUnit,
    zyl::ZYLFileCtrlUnit,
    zyl::ZYLSysInfoUnit,
    zyl::ZYLFormStylerUnit,
    {"ZYLCustomFormFill", nullptr, nullptr},
    zyl::ZYLFormFillUnit,
    zyl::ZYLBackUnit,
    {"ZYLBaseDialog", nullptr, nullptr},
    zyl::ZYLMsgUnit,
    zyl::ZYLFormAUnit,
    zyl::ZYLAboutDlgUnit,
    zyl::ZYLInputDlgUnit,
    zyl::ZYLDirDlgUnit,
    zyl::ZYLTipDlgUnit,
    zyl::ZYLWindowListDlgUnit,
    zyl::ZYLSysMenuUnit,
    zyl::ZYLTrayIconUnit,
    zyl::ZYLFormShadowUnit,
    zyl::ZYLMRUListUnit,
    zyl::ZYLHookComponentUnit,
    zyl::ZYLFMDropUnit,
    zyl::ZYLPopupMenuUnit,
    {"ZYLResWinControl", nullptr, nullptr},
    {"ZYLFormHost", nullptr, nullptr},
    zyl::ZYLFormDisplayUnit,
    zyl::ZYLFormTabControlUnit,
    {"ZYLMouseBaseCtrl", nullptr, nullptr},
    zyl::ZYLMouseFencerUnit,
    zyl::ZYLMousePositionerUnit,
    zyl::ZYLStopWatchUnit,
    zyl::ZYLStarterUnit,
    zyl::ZYLFileGrepUnit,
    zyl::ZYLHideNonVCUnit,
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
