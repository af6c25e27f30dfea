// TZYL3DEffectEditorDlg: the form around the 3D effect generator.
#include <algorithm>

#include "design/ZYLCPGet.h"
#include "design/pZYL3DEffectEditorDlg.h"
#include "display/ZYLProgress.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLCaption.h"
#include "platform/base/Restore.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYL3DEffectEditorDlg) {
  DescribeFields(b);
  using T = TZYL3DEffectEditorDlg;
  b.Method("FormActivate", &T::FormActivate)
      .Method("cmbBChange", &T::cmbBChange)
      .Method("spindChange", &T::spindChange)
      .Method("btngetpicClick", &T::btngetpicClick)
      .Method("EXECUTEClick", &T::EXECUTEClick)
      .Method("STOPClick", &T::STOPClick)
      .Method("cmbStateChange", &T::cmbStateChange);
}

namespace {

constexpr int kMaxBevelWidth = 5;
const char kFormCaption[] = "3DEffect-Editor";
const char kBusyCaption[] = "Please wait - effect is being generated...";

}  // namespace

TZYL3DEffectEditorDlg::TZYL3DEffectEditorDlg(vcl::TComponent* AOwner)
    : inherited(AOwner), FCaption(std::make_unique<TZYLCaption>()) {}

TZYL3DEffectEditorDlg::~TZYL3DEffectEditorDlg() = default;

void TZYL3DEffectEditorDlg::SetPictures(vcl::TBitmap* Source, vcl::TBitmap* Up, vcl::TBitmap* Down,
                                        vcl::TBitmap* Disabled) {
  FPics[0] = Source;
  FPics[1] = Up;
  FPics[2] = Down;
  FPics[3] = Disabled;
}

void TZYL3DEffectEditorDlg::FormActivate(TObject* Sender) {
  // The form is activated again whenever a dialog it opened closes: only the first activation
  // fills the controls, later ones would throw away the picture shown.
  const bool first = !Activated();
  inherited::FormActivate(Sender);
  if (!first) return;
  FBevelWidth = std::clamp(FBevelWidth, 0, kMaxBevelWidth);
  Fill([this] {
    TZYLColorComboBox* const boxes[] = {cmbB, cmbD, cmbL, cmbS};
    for (int i = 0; i < 4; ++i) boxes[i]->SetSelectedColor(FColors[i]);
    spind->SetSpinInteger(TZYLSpinEdit::siMaxValue, kMaxBevelWidth);
    spind->SetIntValue(FBevelWidth);
  });
  cmbState->SetItemIndex(cmbState->Items()->IndexOf("Original"));
  if (Source() && !Source()->Empty()) BtnImg->Picture()->Assign(Source());
}

void TZYL3DEffectEditorDlg::cmbBChange(TObject* Sender) {
  if (Filling()) return;
  TZYLColorComboBox* const boxes[] = {cmbB, cmbD, cmbL, cmbS};
  for (int i = 0; i < 4; ++i)
    if (Sender == boxes[i] && boxes[i]->ItemIndex() >= 0) FColors[i] = boxes[i]->SelectedColor();
}

void TZYL3DEffectEditorDlg::spindChange(TObject*) {
  const int value = spind->IntValue();
  if (Filling() || value < 0 || value > kMaxBevelWidth) return;
  FBevelWidth = value;
}

void TZYL3DEffectEditorDlg::btngetpicClick(TObject* Sender) {
  if (!Source()) return;
  if (Sender == btngetcap) {
    // A caption without text gives no picture: everything stays as it was.
    if (!ZYLCPGetZYLCaption(FCaption.get(), false) || FCaption->Caption().empty()) return;
    EXECUTE->SetEnabled(true);
    ZYLDrawCaptionFace(FCaption.get(), Source());
  } else {
    if (!ZYLCPGetBitmap(Source())) return;
    EXECUTE->SetEnabled(true);
  }
  ShowPicture("Original", false);
}

void TZYL3DEffectEditorDlg::ShowPicture(const char* State, bool Generated) {
  const int index = cmbState->Items()->IndexOf(State);
  cmbState->SetItemIndex(index);
  vcl::TBitmap* shown = FPics[index < 0 || index == 3 ? 0 : index + 1];
  BtnImg->Picture()->Assign(shown && !shown->Empty() ? shown : nullptr);
  Ok->SetEnabled(Generated);
  cmbState->SetEnabled(Generated);
}

void TZYL3DEffectEditorDlg::EXECUTEClick(TObject*) {
  // Without a picture there is nothing to grow a bevel around.
  if (!Source() || Source()->Empty()) return;
  EXECUTE->SetEnabled(false);
  STOP->SetEnabled(true);
  ZYLSet3DEffectAbort(false);
  styler->SetCaption(kBusyCaption);
  {
    // However the run ends, the form is ready for the next one.
    struct TRunEnd {
      TZYL3DEffectEditorDlg* F;
      ~TRunEnd() {
        F->styler->SetCaption(kFormCaption);
        F->zylprog->SetPosition(0);
        ZYLSet3DEffectAbort(false);
        F->STOP->SetEnabled(false);
        F->EXECUTE->SetEnabled(true);
      }
    } end{this};
    ZYLDrawButton3D(Source(), FPics[1], FPics[2], FPics[3], ZYL3DEffectTransparentColor(Source()),
                    FColors[ciLight], FColors[ciShadow], FColors[ciDisabled], vcl::clNone,
                    vcl::clNone, FColors[ciBevel], false, FBevelWidth, zylprog);
    if (ZYL3DEffectAborted())
      ShowPicture("Original", false);
    else
      ShowPicture("Up", true);
  }
}

void TZYL3DEffectEditorDlg::STOPClick(TObject*) { ZYLSet3DEffectAbort(true); }

void TZYL3DEffectEditorDlg::cmbStateChange(TObject*) {
  static const char* const kStates[] = {"Up", "Down", "Disabled", "Original"};
  const std::string text = cmbState->Text();
  for (int i = 0; i < 4; ++i)
    if (text == kStates[i]) {
      vcl::TBitmap* shown = FPics[i == 3 ? 0 : i + 1];
      BtnImg->Picture()->Assign(shown);
    }
}

}  // namespace zyl
