#include "tests/design/EditorTestSupport.h"

#include <iterator>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLCheckBox.h"
#include "buttons/ZYLMMButton.h"
#include "buttons/ZYLSimplePanel.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/pZYL3DEffectEditorDlg.h"
#include "design/pZYLAviEditorDlg.h"
#include "design/pZYLBevelEditorDlg.h"
#include "design/pZYLBitmapListEditor.h"
#include "design/pZYLBitmapStyleEditorDlg.h"
#include "design/pZYLBmpRegionEditorDlg.h"
#include "design/pZYLBrushEditorDlg.h"
#include "design/pZYLButtonFaceDlg.h"
#include "design/pZYLButtonLayoutEditorDlg.h"
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
#include "design/pZYLItemPropDlgs.h"
#include "design/pZYLLEDEditorDlg.h"
#include "design/pZYLMaskEditDlg.h"
#include "design/pZYLPointListEditor.h"
#include "design/pZYLSectionEditorDlg.h"
#include "design/pZYLShadowEditorDlg.h"
#include "design/pZYLShapeEditorDlg.h"
#include "design/pZYLSimpleBevelEditorDlg.h"
#include "design/pZYLSmallBarEditorDlg.h"
#include "design/pZYLStatusBarEditorDlg.h"
#include "design/pZYLStringListEditorDlg.h"
#include "design/pZYLStringListItemPropertiesEditorDlg.h"
#include "design/pZYLTeethEditorDlg.h"
#include "design/pZYLTransparentEditorDlg.h"
#include "design/pZYLValueChoiceDlg.h"
#include "design/pZYLWaveEditorDlg.h"
#include "design/pZYLWaveItemPropertiesEditorDlg.h"
#include "design/pZYLWaveListEditorDlg.h"
#include "display/ZYLDrawEdge.h"
#include "display/ZYLFill.h"
#include "display/ZYLGraphicLabel.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLEDLabel.h"
#include "display/ZYLLabel.h"
#include "display/ZYLNImage.h"
#include "display/ZYLProgress.h"
#include "display/ZYLProgressFill.h"
#include "display/ZYLShapeControl.h"
#include "display/ZYLSimpleLabel.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLColorListBox.h"
#include "edits/ZYLEdit.h"
#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontSizeComboBox.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLIniCtrl.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/StringList.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLFMDrop.h"
#include "system/ZYLFormStyler.h"
#include "system/ZYLHideNonVC.h"
#include "system/ZYLMRUList.h"

namespace zyl::designtest {

namespace wt = win::testkit;

// The units the editor forms are made of, then the editor units, in the order they start; they
// stop in reverse. One line per unit.
const struct {
  void (*Init)();
  void (*Done)();
} kUnits[] = {
    {ZYLApplicationInit, ZYLApplicationDone},
    {ZYLSimplePanelUnit.Init, ZYLSimplePanelUnit.FInit},
    {ZYLColorComboBoxUnit.Init, ZYLColorComboBoxUnit.FInit},
    {ZYLSpinEditUnit.Init, ZYLSpinEditUnit.FInit},
    {ZYLFormStylerUnit.Init, ZYLFormStylerUnit.FInit},
    {ZYLShapeControlUnit.Init, ZYLShapeControlUnit.FInit},
    {ZYLFillUnit.Init, ZYLFillUnit.FInit},
    {ZYLColorListBoxUnit.Init, ZYLColorListBoxUnit.FInit},
    {ZYLProgressUnit.Init, ZYLProgressUnit.FInit},
    {pZYLBevelEditorDlgUnit.Init, pZYLBevelEditorDlgUnit.FInit},
    {pZYLBrushEditorDlgUnit.Init, pZYLBrushEditorDlgUnit.FInit},
    {pZYLSmallBarEditorDlgUnit.Init, pZYLSmallBarEditorDlgUnit.FInit},
    {pZYLGradientEditorDlgUnit.Init, pZYLGradientEditorDlgUnit.FInit},
    {pZYLShadowEditorDlgUnit.Init, pZYLShadowEditorDlgUnit.FInit},
    {pZYLSimpleBevelEditorDlgUnit.Init, pZYLSimpleBevelEditorDlgUnit.FInit},
    {pZYLTeethEditorDlgUnit.Init, pZYLTeethEditorDlgUnit.FInit},
    {pZYL3DEffectEditorDlgUnit.Init, pZYL3DEffectEditorDlgUnit.FInit},
    {ZYLLabelUnit.Init, ZYLLabelUnit.FInit},
    {ZYLNImageUnit.Init, ZYLNImageUnit.FInit},
    {ZYLLEDLabelInit, ZYLLEDLabelDone},
    {ZYLSpeedButtonUnit.Init, ZYLSpeedButtonUnit.FInit},
    {pZYLFxEditorDlgUnit.Init, pZYLFxEditorDlgUnit.FInit},
    {pZYLCaptionEditorDlgUnit.Init, pZYLCaptionEditorDlgUnit.FInit},
    {pZYLGlyphTextLayoutEditorDlgUnit.Init, pZYLGlyphTextLayoutEditorDlgUnit.FInit},
    {pZYLButtonLayoutEditorDlgUnit.Init, pZYLButtonLayoutEditorDlgUnit.FInit},
    {pZYLFillEditorDlgUnit.Init, pZYLFillEditorDlgUnit.FInit},
    {pZYLTransparentEditorDlgUnit.Init, pZYLTransparentEditorDlgUnit.FInit},
    {pZYLLEDEditorDlgUnit.Init, pZYLLEDEditorDlgUnit.FInit},
    {pZYLWaveEditorDlgUnit.Init, pZYLWaveEditorDlgUnit.FInit},
    {ZYLInformationLabelUnit.Init, ZYLInformationLabelUnit.FInit},
    {ZYLListBoxUnit.Init, ZYLListBoxUnit.FInit},
    {pZYLBitmapStyleEditorDlgUnit.Init, pZYLBitmapStyleEditorDlgUnit.FInit},
    {pZYLDateTimeEditorUnit.Init, pZYLDateTimeEditorUnit.FInit},
    {pZYLDateTimePropertyEditorUnit.Init, pZYLDateTimePropertyEditorUnit.FInit},
    {pZYLFilterPropsDlgUnit.Init, pZYLFilterPropsDlgUnit.FInit},
    {pZYLMaskEditDlgUnit.Init, pZYLMaskEditDlgUnit.FInit},
    {pZYLPointListEditorUnit.Init, pZYLPointListEditorUnit.FInit},
    {pZYLShapeEditorDlgUnit.Init, pZYLShapeEditorDlgUnit.FInit},
    {pZYLStatusBarEditorDlgUnit.Init, pZYLStatusBarEditorDlgUnit.FInit},
    {ZYLButtonUnit.Init, ZYLButtonUnit.FInit},
    {ZYLCheckBoxUnit.Init, ZYLCheckBoxUnit.FInit},
    {ZYLSimpleLabelUnit.Init, ZYLSimpleLabelUnit.FInit},
    {ZYLDrawEdgeUnit.Init, ZYLDrawEdgeUnit.FInit},
    {pZYLItemPropDlgsUnit.Init, pZYLItemPropDlgsUnit.FInit},
    {pZYLAviEditorDlgUnit.Init, pZYLAviEditorDlgUnit.FInit},
    {ZYLHideNonVCUnit.Init, ZYLHideNonVCUnit.FInit},
    {pZYLHideNonVCUnit.Init, pZYLHideNonVCUnit.FInit},
    {ZYLGraphicLabelUnit.Init, ZYLGraphicLabelUnit.FInit},
    {ZYLFontComboBoxUnit.Init, ZYLFontComboBoxUnit.FInit},
    {ZYLFontSizeComboBoxUnit.Init, ZYLFontSizeComboBoxUnit.FInit},
    {pZYLGraphicLabelEditorUnit.Init, pZYLGraphicLabelEditorUnit.FInit},
    {ZYLProgressFillUnit.Init, ZYLProgressFillUnit.FInit},
    {pZYLBmpRegionEditorDlgUnit.Init, pZYLBmpRegionEditorDlgUnit.FInit},
    {ZYLContainerInit, ZYLContainerDone},
    {ZYLIniCtrlUnit.Init, ZYLIniCtrlUnit.FInit},
    {ZYLMRUListUnit.Init, ZYLMRUListUnit.FInit},
    {ZYLFMDropUnit.Init, ZYLFMDropUnit.FInit},
    {pZYLBitmapListEditorUnit.Init, pZYLBitmapListEditorUnit.FInit},
    {pZYLImageListEditorUnit.Init, pZYLImageListEditorUnit.FInit},
    {ZYLMMButtonUnit.Init, ZYLMMButtonUnit.FInit},
    {pZYLCustImgListSelectDlgUnit.Init, pZYLCustImgListSelectDlgUnit.FInit},
    {pZYLButtonFaceDlgUnit.Init, pZYLButtonFaceDlgUnit.FInit},
    {ZYLEditUnit.Init, ZYLEditUnit.FInit},
    {pZYLDateListEditorDlgUnit.Init, pZYLDateListEditorDlgUnit.FInit},
    {pZYLValueChoiceDlgUnit.Init, pZYLValueChoiceDlgUnit.FInit},
    {pZYLSectionEditorDlgUnit.Init, pZYLSectionEditorDlgUnit.FInit},
    {pZYLWaveItemPropertiesEditorDlgUnit.Init, pZYLWaveItemPropertiesEditorDlgUnit.FInit},
    {pZYLWaveListEditorDlgUnit.Init, pZYLWaveListEditorDlgUnit.FInit},
    {pZYLStringListItemPropertiesEditorDlgUnit.Init,
     pZYLStringListItemPropertiesEditorDlgUnit.FInit},
    {pZYLStringListEditorDlgUnit.Init, pZYLStringListEditorDlgUnit.FInit},
};

TEditorUnits::TEditorUnits() {
  for (const auto& u : kUnits) u.Init();
}

TEditorUnits::~TEditorUnits() {
  for (auto u = std::rbegin(kUnits); u != std::rend(kUnits); ++u) u->Done();
}

const char* EndingName(TEnding e) {
  switch (e) {
    case TEnding::Ok: return "OK";
    case TEnding::Cancel: return "Cancel";
    case TEnding::CloseBox: return "close box";
    case TEnding::Escape: return "Escape";
    case TEnding::Exception: return "exception";
    case TEnding::Unanswered: return "unanswered";
  }
  return "?";
}

std::string MessageOf(const std::function<void()>& Run) {
  try {
    Run();
  } catch (const vcl::Exception& e) {
    return e.Message();
  }
  return std::string();
}

TOutcome OutcomeOf(const std::function<bool()>& Run) {
  TOutcome outcome;
  outcome.Error = MessageOf([&] { outcome.Accepted = Run(); });
  return outcome;
}

void ClickCloseBox(win::HWND wnd) {
  win::RECT r{};
  win::GetWindowRect(wnd, &r);
  for (int y = r.Top; y < r.Top + 30; ++y)
    for (int x = r.Right - 1; x > r.Right - 40; --x)
      if (win::SendMessageA(wnd, win::WM_NCHITTEST, 0, win::MAKELPARAM(x, y)) == win::HTCLOSE) {
        wt::Click(x, y);
        return;
      }
  throw vcl::testkit::EDialogScript("The window has no close box");
}

namespace {
// The combo box combo is and the index of its item, once the box has the focus; EDialogScript
// when combo is no combo box or has no such item.
std::pair<vcl::TCustomComboBox*, int> FocusComboAt(vcl::TWinControl* combo,
                                                   const std::string& item) {
  auto* box = dynamic_cast<vcl::TCustomComboBox*>(combo);
  if (!box) throw vcl::testkit::EDialogScript(combo->Name() + " is no combo box");
  const int index = box->Items()->IndexOf(item);
  if (index < 0)
    throw vcl::testkit::EDialogScript("The combo box " + box->Name() + " has no item " + item);
  box->SetFocus();
  wt::RunUntilIdle();
  return {box, index};
}
}  // namespace

void ChooseComboItem(vcl::TWinControl* combo, const std::string& item) {
  const int index = FocusComboAt(combo, item).second;
  wt::KeyPress(win::VK_HOME);
  for (int i = 0; i < index; ++i) wt::KeyPress(win::VK_DOWN);
}

void PickDroppedItem(vcl::TWinControl* combo, const std::string& item) {
  const auto [box, index] = FocusComboAt(combo, item);
  wt::KeyPress(win::VK_F4);
  wt::RunUntilIdle();
  if (!box->DroppedDown())
    throw vcl::testkit::EDialogScript("The combo box " + box->Name() + " did not drop down");
  wt::KeyPress(win::VK_HOME);
  for (int i = 0; i < index; ++i) wt::KeyPress(win::VK_DOWN);
  wt::KeyPress(win::VK_RETURN);
  wt::RunUntilIdle();
}

void ShowPage(vcl::TPageControl* pages, const std::string& caption) {
  for (int i = 0; i < pages->PageCount(); ++i) {
    if (pages->Pages(i)->Caption() != caption) continue;
    const vcl::TRect tab = pages->TabRect(pages->Pages(i)->TabIndex());
    const vcl::TPoint p =
        pages->ClientToScreen({(tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2});
    wt::Click(p.X, p.Y);
    wt::RunUntilIdle();
    return;
  }
  throw vcl::testkit::EDialogScript("The page control " + pages->Name() + " has no page " +
                                    caption);
}

void ClickListLine(vcl::TCustomListBox* list, int index, bool twice) {
  if (index < 0 || index >= list->Items()->Count())
    throw vcl::testkit::EDialogScript("The list " + list->Name() + " has no line " +
                                      std::to_string(index));
  const vcl::TRect r = list->ItemRect(index);
  if (r.Top < 0 || r.Bottom > list->ClientHeight())
    throw vcl::testkit::EDialogScript("Line " + std::to_string(index) + " of the list " +
                                      list->Name() + " is out of sight");
  const vcl::TPoint p = list->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  if (twice)
    wt::DoubleClick(p.X, p.Y);
  else
    wt::Click(p.X, p.Y);
  wt::RunUntilIdle();
}

wt::TCapture CaptureControl(vcl::TControl* control) {
  if (auto* w = dynamic_cast<vcl::TWinControl*>(control))
    return wt::RenderWindow(w->Handle(), true);
  const wt::TCapture all = wt::RenderWindow(control->Parent()->Handle(), false);
  const vcl::TRect r = control->BoundsRect();
  wt::TCapture part;
  part.Width = r.Width();
  part.Height = r.Height();
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) part.Pixels.push_back(all.Pixel(x, y));
  return part;
}

wt::TCapture CaptureSample(vcl::TControl* like,
                           const std::function<vcl::TControl*(vcl::TForm* host)>& sample) {
  vcl::TForm host(nullptr);
  host.SetBounds(0, 0, like->Width() + 40, like->Height() + 40);
  vcl::TControl* c = sample(&host);
  c->SetParent(&host);
  c->SetBounds(8, 8, like->Width(), like->Height());
  host.Show();
  return CaptureControl(c);
}

void AnswerEditor(vcl::testkit::TDialogScript& script,
                  const std::function<void(vcl::TCustomForm*)>& change, TEnding ending,
                  const std::string& okButton, const std::string& cancelButton) {
  script.Do([change, ending, okButton, cancelButton](vcl::TCustomForm* form) {
    change(form);
    switch (ending) {
      case TEnding::Ok: vcl::testkit::ClickControl(On<vcl::TControl>(form, okButton)); break;
      case TEnding::Cancel:
        vcl::testkit::ClickControl(On<vcl::TControl>(form, cancelButton));
        break;
      case TEnding::CloseBox: ClickCloseBox(form->Handle()); break;
      case TEnding::Escape: wt::KeyPress(win::VK_ESCAPE); break;
      case TEnding::Exception: throw vcl::Exception(kEditorFailure);
      case TEnding::Unanswered: break;
    }
  });
}

TEditorFileSession::TEditorFileSession() {
  vcl::Application->OnException = vcl::TExceptionEvent(&errors_, &TShownErrors::Show);
}

TEditorFileSession::~TEditorFileSession() { vcl::Application->OnException = {}; }

void ExpectEndingError(TEnding ending, const std::string& error) {
  if (ending == TEnding::Exception) {
    EXPECT_EQ(error, kEditorFailure);
  } else if (ending == TEnding::Unanswered) {
    EXPECT_NE(error.find("stayed open"), std::string::npos) << error;
  } else {
    EXPECT_EQ(error, "");
  }
}

}  // namespace zyl::designtest
