// The registration units' tables: pages and components, then the editor rows in call order.
#include <string>
#include <vector>

#include "buttons/ZYL3DButton.h"
#include "buttons/ZYLAssist.h"
#include "buttons/ZYLBackPanel.h"
#include "buttons/ZYLBaseGraphicButton.h"
#include "buttons/ZYLButton.h"
#include "buttons/ZYLButtonControl.h"
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
#include "design/pZYLCEButtons.h"
#include "design/pZYLCEContainer.h"
#include "design/pZYLCEDisplay.h"
#include "design/pZYLCEEdits.h"
#include "design/pZYLCEForm.h"
#include "design/pZYLCEStatusBar.h"
#include "design/pZYLCESystem.h"
#include "design/pZYLPE.h"
#include "design/pZYLPEStrings.h"
#include "design/pZYLRegister.h"
#include "display/ZYLAniCtrl.h"
#include "display/ZYLBaseLabel.h"
#include "display/ZYLBaseShape.h"
#include "display/ZYLClock.h"
#include "display/ZYLCustomLImage.h"
#include "display/ZYLCustomLabelFill.h"
#include "display/ZYLCustomNImage.h"
#include "display/ZYLCustomTrackBar.h"
#include "display/ZYLDockLabel.h"
#include "display/ZYLDrawEdge.h"
#include "display/ZYLFill.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLGraphicLabel.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLED.h"
#include "display/ZYLLEDCustomLabel.h"
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
#include "display/ZYLSmallBar.h"
#include "display/ZYLStaticText.h"
#include "display/ZYLTechnicalLine.h"
#include "display/ZYLTrackBar.h"
#include "edits/ZYLBaseEdit.h"
#include "edits/ZYLBrowseDlg.h"
#include "edits/ZYLBrowseEdit.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLColorEdit.h"
#include "edits/ZYLComboBox.h"
#include "edits/ZYLCustomComboBox.h"
#include "edits/ZYLCustomListBox.h"
#include "edits/ZYLCustomMaskEdit.h"
#include "edits/ZYLCustomMemo.h"
#include "edits/ZYLDriveComboBox.h"
#include "edits/ZYLEdit.h"
#include "edits/ZYLFileOpenEdit.h"
#include "edits/ZYLFileSaveEdit.h"
#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontSizeComboBox.h"
#include "edits/ZYLImageComboBox.h"
#include "edits/ZYLImageListBox.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLMaskEdit.h"
#include "edits/ZYLMemo.h"
#include "edits/ZYLPrinterComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLCustomComponent.h"
#include "foundation/ZYLCustomControl.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLShapeObjects.h"
#include "foundation/ZYLTimer.h"
#include "platform/classes/StringList.h"
#include "platform/controls/ControlTypes.h"
#include "system/ZYLAboutDlg.h"
#include "system/ZYLApplicationCtrl.h"
#include "system/ZYLBack.h"
#include "system/ZYLBaseDialog.h"
#include "system/ZYLCustomFormFill.h"
#include "system/ZYLCustomShapeHint.h"
#include "system/ZYLDirDlg.h"
#include "system/ZYLFMDrop.h"
#include "system/ZYLFormA.h"
#include "system/ZYLFormDisplay.h"
#include "system/ZYLFormFill.h"
#include "system/ZYLFormShadow.h"
#include "system/ZYLFormStyler.h"
#include "system/ZYLFormTabControl.h"
#include "system/ZYLHint.h"
#include "system/ZYLMRUList.h"
#include "system/ZYLMessageHint.h"
#include "system/ZYLMouseFencer.h"
#include "system/ZYLMousePositioner.h"
#include "system/ZYLMsg.h"
#include "system/ZYLOneInstance.h"
#include "system/ZYLShapeHint.h"
#include "system/ZYLStarter.h"
#include "system/ZYLStopWatch.h"
#include "system/ZYLSysInfo.h"
#include "system/ZYLTipDlg.h"
#include "system/ZYLTrayIcon.h"
#include "system/ZYLWindowListDlg.h"

namespace zyl {

namespace {

template <class C>
vcl::TClass Cls() {
  return C::StaticClass();
}
template <class C>
const vcl::TTypeInfo* ClassType() {
  return C::StaticClass()->ClassTypeInfo();
}
template <class T>
const vcl::TTypeInfo* TypeOf() {
  return vcl::TypeInfoOf<T>();
}
const vcl::TTypeInfo* StringType() { return vcl::TypeInfoOf<std::string>(); }

// A component in the library: its name and class.
#define ZYL_ITEM(C) \
  TZYLPaletteItem { #C, &Cls < C> }

// A component editor of the package for a class of the library; the row names the class and
// the editor as they name themselves.
template <class E>
TZYLRegRow CE(const char* Target, vcl::TClass (*Class)()) {
  return {TZYLRegRow::rkComponentEditor,   Target, "", "", E::EditorClassName, 0, Class, nullptr,
          &vcl::ComponentEditorClassOf<E>, nullptr};
}
#define ZYL_CE(C, E) CE<E>(#C, &Cls<C>)
// A property editor of the package: option bit (0 always), type, class filter ("" any),
// property ("" any); the row names the editor as its class names itself.
template <class E>
TZYLRegRow PE(int32_t Bit, const char* Type, const vcl::TTypeInfo* (*TypeInfo)(),
              const char* Filter, vcl::TClass (*FilterClass)(), const char* Property) {
  return {TZYLRegRow::rkPropertyEditor,
          Type,
          Filter,
          Property,
          E::EditorClassName,
          Bit,
          FilterClass,
          TypeInfo,
          nullptr,
          &vcl::PropertyEditorClassOf<E>};
}
// The same for every property of the type.
template <class E>
TZYLRegRow PE(const char* Type, const vcl::TTypeInfo* (*TypeInfo)()) {
  return PE<E>(0, Type, TypeInfo, "", nullptr, "");
}
// The property-editor unit: the four optional groups, then the unconditional rows.
std::vector<TZYLRegRow> PropertyEditorRows() {
  const auto strings = [](const char* Filter, vcl::TClass (*FilterClass)()) {
    return PE<TZYLStringListProperty>(ZYLOptStringListEditor, "TStrings", &ClassType<vcl::TStrings>,
                                      Filter, FilterClass, "");
  };
  return {
      PE<TZYLStringProperty>(ZYLOptStringEditor, "String", &StringType, "", nullptr, ""),
      PE<TZYLHintProperty>(ZYLOptHintEditor, "String", &StringType, "TControl", &Cls<vcl::TControl>,
                           "Hint"),
      PE<TZYLStdCaptionProperty>(ZYLOptCaptionEditor, "TCaption", &vcl::CaptionTypeInfo, "",
                                 nullptr, ""),
      strings("TZYLCustomComponent", &Cls<TZYLCustomComponent>),
      strings("TZYLCustomControl", &Cls<TZYLCustomControl>),
      strings("TZYLControl", &Cls<TZYLControl>),
      strings("TZYLCustomComboBox", &Cls<TZYLCustomComboBox>),
      strings("TZYLCustomListBox", &Cls<TZYLCustomListBox>),
      strings("TZYLCustomScrollBox", &Cls<TZYLCustomScrollBox>),
      // The information label's date-time format is a string type of its own.
      PE<TZYLDateTimeFormatProperty>(0, "TZYLDateTimeFormat", &DateTimeFormatTypeInfo,
                                     "TZYLInformationLabel", &Cls<TZYLInformationLabel>,
                                     "DateTimeFormat"),
      PE<TZYLTextAndGlyphProperty>("TZYLGlyphTextLayout", &ClassType<TZYLGlyphTextLayout>),
      PE<TZYLButtonLayoutProperty>("TZYLButtonLayout", &ClassType<TZYLButtonLayout>),
      PE<TZYLCustomImageListProperty>("TZYLCustomImageList", &ClassType<TZYLCustomImageList>),
      PE<TZYLImageListProperty>("TZYLImageList", &ClassType<TZYLImageList>),
      PE<TZYLWaveProperty>("TZYLWave", &ClassType<TZYLWave>),
      PE<TZYLAboutVarProperty>("TZYLAboutVar", &AboutVarTypeInfo),
      PE<TZYLBevelProperty>("TZYLBevel", &ClassType<TZYLBevel>),
      PE<TZYL3DProperty>("TZYL3DCaption", &ClassType<TZYL3DCaption>),
      PE<TZYLFxProperty>("TZYLFxCaption", &ClassType<TZYLFxCaption>),
      PE<TZYLSmallBarProperty>("TZYLSmallBar", &ClassType<TZYLSmallBar>),
      PE<TZYLGradientProperty>("TZYLGradient", &ClassType<TZYLGradient>),
      PE<TZYLShadowProperty>("TZYLShadow", &ClassType<TZYLShadow>),
      PE<TZYLShapeFillProperty>("TZYLShapeFill", &ClassType<TZYLShapeFill>),
      PE<TZYLFillObjectProperty>("TZYLFillObject", &ClassType<TZYLFillObject>),
      PE<TZYLPointListProperty>("TZYLPointList", &ClassType<TZYLPointList>),
      PE<TZYLMaskProperty>(0, "String", &StringType, "TZYLCustomMaskEdit", &Cls<TZYLCustomMaskEdit>,
                           "Mask"),
      PE<TZYLMemoLinesProperty>(0, "TZYLMemoStrings", &ClassType<TZYLMemoStrings>, "TZYLCustomMemo",
                                &Cls<TZYLCustomMemo>, "Lines"),
      PE<TZYLTransparentProperty>("TZYLTransparent", &ClassType<TZYLTransparent>),
      PE<TZYLCaptionProperty>("TZYLCaption", &ClassType<TZYLCaption>),
      PE<TZYLHelpFileNameProperty>(0, "String", &StringType, "TZYLApplicationCtrl",
                                   &Cls<TZYLApplicationCtrl>, "HelpFile"),
      PE<TZYLDateTimeProperty>("TZYLDateTime", &ClassType<TZYLDateTime>),
      PE<TZYLButtonFaceProperty>("TZYLButtonFace", &ClassType<TZYLButtonFace>),
      PE<TZYLSimpleBevelProperty>("TZYLSimpleBevel", &ClassType<TZYLSimpleBevel>),
      PE<TZYLShapeProperty>("TZYLShapeType", &TypeOf<TZYLShapeType>),
      PE<TZYLTeethProperty>("TZYLTeeth", &ClassType<TZYLTeeth>),
  };
}

std::vector<TZYLRegUnit> BuildUnits() {
  std::vector<TZYLRegUnit> u;
  u.push_back(
      {"_zyl_regsys",
       "ZYL Sys",
       {ZYL_ITEM(TZYLApplicationCtrl), ZYL_ITEM(TZYLTimerPool), ZYL_ITEM(TZYLIniCtrl),
        ZYL_ITEM(TZYLMRUList), ZYL_ITEM(TZYLOneInstance), ZYL_ITEM(TZYLSysInfo), ZYL_ITEM(TZYLHint),
        ZYL_ITEM(TZYLShapeHint), ZYL_ITEM(TZYLMessageHint), ZYL_ITEM(TZYLFMDrop),
        ZYL_ITEM(TZYLTrayIcon), ZYL_ITEM(TZYLGlobalHotKey), ZYL_ITEM(TZYLMousePositioner),
        ZYL_ITEM(TZYLMouseFencer), ZYL_ITEM(TZYLStopWatch)},
       {ZYL_CE(TZYLMousePositioner, TZYLMousePosEditor), ZYL_CE(TZYLHint, TZYLHintComponentEditor),
        ZYL_CE(TZYLCustomShapeHint, TZYLShapeHintComponentEditor)}});
  u.push_back(
      {"_zyl_regcontainer",
       "ZYL Cont",
       {ZYL_ITEM(TZYLContainerCtrl), ZYL_ITEM(TZYLBitmapList), ZYL_ITEM(TZYLImageList),
        ZYL_ITEM(TZYLImageListConnector), ZYL_ITEM(TZYLStringList), ZYL_ITEM(TZYLWaveComp),
        ZYL_ITEM(TZYLWaveList)},
       {ZYL_CE(TZYLContainerCtrl, TZYLContainerComponentEditor),
        ZYL_CE(TZYLImageList, TZYLImageListEditor), ZYL_CE(TZYLBitmapList, TZYLBitmapListEditor),
        ZYL_CE(TZYLStringList, TZYLStringListEditor), ZYL_CE(TZYLWaveComp, TZYLWaveEditor),
        ZYL_CE(TZYLWaveList, TZYLWaveListEditor)}});
  u.push_back(
      {"_zyl_regdialogs",
       "ZYL Dlg",
       {ZYL_ITEM(TZYLAboutDlg), ZYL_ITEM(TZYLBrowseDlg), ZYL_ITEM(TZYLDirDlg), ZYL_ITEM(TZYLTipDlg),
        ZYL_ITEM(TZYLWindowListDlg), ZYL_ITEM(TZYLMessageBoxDlg)},
       {ZYL_CE(TZYLMessageBoxDlg, TZYLMessageBoxComponentEditor),
        ZYL_CE(TZYLBaseDialog, TZYLDlgEditor), ZYL_CE(TZYLBrowseDlg, TZYLBrowseDlgEditor)}});
  u.push_back({"_zyl_regeditcontrols",
               "ZYL Edit",
               {ZYL_ITEM(TZYLEdit), ZYL_ITEM(TZYLMemo), ZYL_ITEM(TZYLMaskEdit),
                ZYL_ITEM(TZYLSpinEdit), ZYL_ITEM(TZYLBrowseEdit), ZYL_ITEM(TZYLColorEdit),
                ZYL_ITEM(TZYLFileOpenEdit), ZYL_ITEM(TZYLFileSaveEdit)},
               {ZYL_CE(TZYLBaseEdit, TZYLEditComponentEditor),
                ZYL_CE(TZYLCustomMemo, TZYLMemoComponentEditor)}});
  u.push_back({"_zyl_regext",
               "ZYL Ext",
               {ZYL_ITEM(TZYLAssist), ZYL_ITEM(TZYLTrackBar), ZYL_ITEM(TZYLStatusBar),
                ZYL_ITEM(TZYLButtonPanel), ZYL_ITEM(TZYLScrollBox), ZYL_ITEM(TZYLFormDisplay),
                ZYL_ITEM(TZYLFormTabControl), ZYL_ITEM(TZYLLImage), ZYL_ITEM(TZYLNImage),
                ZYL_ITEM(TZYLFill), ZYL_ITEM(TZYLPanelFill), ZYL_ITEM(TZYLShadowFill),
                ZYL_ITEM(TZYLProgressFill), ZYL_ITEM(TZYLTechnicalLine), ZYL_ITEM(TZYLClock),
                ZYL_ITEM(TZYLLEDLabel)},
               {ZYL_CE(TZYLAssist, TZYLAssistComponentEditor),
                ZYL_CE(TZYLAssistPage, TZYLAssistComponentEditor),
                ZYL_CE(TZYLCustomTrackBar, TZYLTrackBarComponentEditor),
                ZYL_CE(TZYLCustomLImage, TZYLCustomLImageComponentEditor),
                ZYL_CE(TZYLCustomNImage, TZYLNImageComponentEditor),
                ZYL_CE(TZYLFill, TZYLFillComponentEditor),
                ZYL_CE(TZYLPanelFill, TZYLPanelFillComponentEditor),
                ZYL_CE(TZYLStatusBar, TZYLStatusBarComponentEditor),
                PE<TZYLLEDProperty>("TZYLLED", &ClassType<TZYLLED>),
                ZYL_CE(TZYLLEDCustomLabel, TZYLLEDLabelComponentEditor),
                ZYL_CE(TZYLClock, TZYLClockComponentEditor),
                ZYL_CE(TZYLFormDisplay, TZYLFormDisplayComponentEditor),
                ZYL_CE(TZYLProgressFill, TZYLProgressFillComponentEditor),
                ZYL_CE(TZYLShadowFill, TZYLShadowFillComponentEditor),
                ZYL_CE(TZYLTechnicalLine, TZYLTechnicalLineComponentEditor)}});
  u.push_back({"_zyl_regform",
               "ZYL Form",
               {ZYL_ITEM(TZYLForm), ZYL_ITEM(TZYLBack), ZYL_ITEM(TZYLFormFill),
                ZYL_ITEM(TZYLFormShadow), ZYL_ITEM(TZYLFormStyler)},
               {ZYL_CE(TZYLForm, TZYLFormComponentEditor),
                ZYL_CE(TZYLFormStyler, TZYLFormStylerComponentEditor),
                ZYL_CE(TZYLCustomFormFill, TZYLFormFillComponentEditor),
                ZYL_CE(TZYLFormShadow, TZYLShadowComponentEditor)}});
  u.push_back(
      {"_zyl_reglistcontrols",
       "ZYL List",
       {ZYL_ITEM(TZYLListBox), ZYL_ITEM(TZYLImageListBox), ZYL_ITEM(TZYLComboBox),
        ZYL_ITEM(TZYLImageComboBox), ZYL_ITEM(TZYLColorComboBox), ZYL_ITEM(TZYLFontComboBox),
        ZYL_ITEM(TZYLFontSizeComboBox), ZYL_ITEM(TZYLPrinterComboBox), ZYL_ITEM(TZYLDriveComboBox)},
       {ZYL_CE(TZYLColorComboBox, TZYLColorComboBoxComponentEditor),
        ZYL_CE(TZYLFontComboBox, TZYLFontComboBoxComponentEditor),
        ZYL_CE(TZYLImageComboBox, TZYLImageComboBoxComponentEditor),
        ZYL_CE(TZYLImageListBox, TZYLImageListBoxComponentEditor),
        ZYL_CE(TZYLCustomListBox, TZYLCustomListBoxComponentEditor),
        ZYL_CE(TZYLListBox, TZYLListBoxComponentEditor)}});
  u.push_back({"_zyl_regmm",
               "ZYL MM",
               {ZYL_ITEM(TZYLLabelFill), ZYL_ITEM(TZYLGraphicLabel), ZYL_ITEM(TZYLScrollText),
                ZYL_ITEM(TZYLMMButton), ZYL_ITEM(TZYLShapeButton), ZYL_ITEM(TZYL3DEffectButton),
                ZYL_ITEM(TZYLHiTimer), ZYL_ITEM(TZYLShapeControl), ZYL_ITEM(TZYLRepeatedShape),
                ZYL_ITEM(TZYLAniCtrl)},
               {ZYL_CE(TZYLCustomLabelFill, TZYLLabelFillComponentEditor),
                ZYL_CE(TZYLGraphicLabel, TZYLGraphicLabelComponentEditor),
                ZYL_CE(TZYLBaseShape, TZYLCustomShapeComponentEditor),
                ZYL_CE(TZYLScrollText, TZYLScrollTextComponentEditor)}});
  u.push_back({"_zyl_regpropertyeditors", "", {}, PropertyEditorRows()});
  u.push_back({"_zyl_regshell",
               "ZYL Shell",
               {ZYL_ITEM(TZYLStarter)},
               {ZYL_CE(TZYLStarter, TZYLStarterEditor)}});
  u.push_back({"_zyl_regstd",
               "ZYL Std",
               {ZYL_ITEM(TZYLSimpleLabel),      ZYL_ITEM(TZYLLabel),
                ZYL_ITEM(TZYLDockLabel),        ZYL_ITEM(TZYLGlyphLabel),
                ZYL_ITEM(TZYLInformationLabel), ZYL_ITEM(TZYLStaticText),
                ZYL_ITEM(TZYLSpeedButton),      ZYL_ITEM(TZYLDockSpeedButton),
                ZYL_ITEM(TZYLButton),           ZYL_ITEM(TZYLDockButton),
                ZYL_ITEM(TZYLSimplePanel),      ZYL_ITEM(TZYLBackPanel),
                ZYL_ITEM(TZYLDrawEdge),         ZYL_ITEM(TZYLProgress),
                ZYL_ITEM(TZYLGroupBox),         ZYL_ITEM(TZYLCheckBox),
                ZYL_ITEM(TZYLRadioButton),      ZYL_ITEM(TZYLRadioGroup),
                ZYL_ITEM(TZYLCheckGroup),       ZYL_ITEM(TZYLScrollBar)},
               {ZYL_CE(TZYLBaseLabel, TZYLLabelComponentEditor),
                ZYL_CE(TZYLInformationLabel, TZYLInfoLabelComponentEditor),
                ZYL_CE(TZYLBaseGraphicButton, TZYLBaseGraphicButtonComponentEditor),
                ZYL_CE(TZYLCustomButton, TZYLCustomButtonComponentEditor),
                ZYL_CE(TZYLDrawEdge, TZYLDrawEdgeComponentEditor),
                ZYL_CE(TZYLSimplePanel, TZYLSimplePanelComponentEditor),
                ZYL_CE(TZYLBackPanel, TZYLBackPanelComponentEditor),
                ZYL_CE(TZYLProgress, TZYLProgressComponentEditor),
                ZYL_CE(TZYLCustomButtonGroup, TZYLCustomButtonGroupComponentEditor),
                ZYL_CE(TZYLGroupBox, TZYLGroupBoxComponentEditor),
                ZYL_CE(TZYLButtonControl, TZYLButtonControlComponentEditor),
                ZYL_CE(TZYLScrollBar, TZYLScrollBarComponentEditor)}});
  return u;
}

#undef ZYL_ITEM
#undef ZYL_CE

}  // namespace

const std::vector<TZYLRegUnit>& ZYLRegUnits() {
  static const std::vector<TZYLRegUnit> units = BuildUnits();
  return units;
}

}  // namespace zyl
