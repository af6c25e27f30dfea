#include "tests/design/StringsTestSupport.h"

#include "buttons/ZYLButton.h"
#include "buttons/ZYLButtonGroup.h"
#include "buttons/ZYLSpeedButton.h"
#include "buttons/ZYLStatusBar.h"
#include "design/pZYLAboutDlg.h"
#include "design/pZYLStringsEditorDlg.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLImage.h"
#include "foundation/ZYLCont.h"
#include "system/ZYLFormA.h"

namespace zyl::designtest {

TStringsUnits::TStringsUnits() {
  ZYLContainerInit();
  ZYLSpeedButtonUnit.Init();
  ZYLButtonUnit.Init();
  ZYLButtonGroupUnit.Init();
  ZYLStatusBarUnit.Init();
  ZYLGlyphLabelUnit.Init();
  ZYLInformationLabelUnit.Init();
  ZYLLImageUnit.Init();
  ZYLFormAUnit.Init();
  pZYLStringsEditorDlgUnit.Init();
  pZYLAboutDlgUnit.Init();
}

TStringsUnits::~TStringsUnits() {
  pZYLAboutDlgUnit.FInit();
  pZYLStringsEditorDlgUnit.FInit();
  ZYLFormAUnit.FInit();
  ZYLLImageUnit.FInit();
  ZYLInformationLabelUnit.FInit();
  ZYLGlyphLabelUnit.FInit();
  ZYLStatusBarUnit.FInit();
  ZYLButtonGroupUnit.FInit();
  ZYLButtonUnit.FInit();
  ZYLSpeedButtonUnit.FInit();
  ZYLContainerDone();
}

void AnswerStringsEditor(vcl::testkit::TDialogScript& script,
                         const std::function<void(TZYLFrmStringEditor*)>& steps, TEnding ending) {
  AnswerEditorAs<TZYLFrmStringEditor>(script, steps, ending, "ZYLButton1", "btnCancel");
}

}  // namespace zyl::designtest
