#include "system/ZYLBaseDialog.h"

#include "buttons/ZYLButton.h"
#include "foundation/ZYLFormUtils.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/base/Finally.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLBack.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLBaseDialog) {
  using T = TZYLBaseDialog;
  b.Publish("About")
      .Prop("CaptionTitle", &T::CaptionTitle, &T::SetCaptionTitle)
      .Prop("CustomButton", &T::CustomButton, &T::SetCustomButton)
      .Prop("Effect", &T::Effect, &T::SetEffect)
      .Default(deNone)
      .Prop("Hints", &T::Hints, &T::SetHints)
      .Prop("CtlXP", &T::CtlXP, &T::SetCtlXP)
      .Default(true)
      .Prop("ShowHints", &T::ShowHints, &T::SetShowHints)
      .Default(true)
      .Prop("CaptionFill", &T::CaptionFill, &T::SetCaptionFill)
      .Default(false)
      .Prop("Colors", &T::Colors, &T::SetColors)
      .Default(32)
      .Prop("Position", &T::Position, &T::SetPosition)
      .Default(bpCenter)
      .Prop("RelatePos", &T::RelatePos, &T::SetRelatePos)
      .Default(brScreen)
      .Prop("OnCustomize", &T::GetOnCustomize, &T::SetOnCustomize)
      .Prop("OnCustomClick", &T::GetOnCustomClick, &T::SetOnCustomClick);
}

TZYLBaseDialog::TZYLBaseDialog(vcl::TComponent* AOwner)
    : inherited(AOwner), FHints(new vcl::TStringList()) {}

TZYLBaseDialog::~TZYLBaseDialog() { FHints.reset(); }

vcl::TStrings* TZYLBaseDialog::Hints() const { return FHints.get(); }
void TZYLBaseDialog::SetHints(vcl::TStrings* Value) { FHints->Assign(Value); }

void TZYLBaseDialog::SetCaptionTitle(const std::string& Value) {
  FCaptionTitle = Value;
  if (!FShownForm) return;
  FShownForm->SetCaption(Value);
  for (int i = 0; i < FShownForm->ComponentCount(); ++i) {
    if (auto* styler = dynamic_cast<TZYLFormStyler*>(FShownForm->Components(i))) {
      styler->ForceNCPaint();
      break;
    }
  }
}

std::unique_ptr<vcl::TForm> TZYLBaseDialog::NewDialogForm(const char* Name, int FontHeight) {
  auto form = std::make_unique<vcl::TForm>(nullptr);
  form->SetName(Name);
  form->SetBorderStyle(vcl::bsDialog);
  form->Font()->SetColor(vcl::clWindowText);
  form->Font()->SetName("MS Sans Serif");
  form->Font()->SetHeight(FontHeight);
  form->SetPosition(vcl::poDefault);
  form->SetPixelsPerInch(96);
  return form;
}

TZYLButton* TZYLBaseDialog::NewButton(vcl::TForm* Form, const char* Name, int Left, int Top,
                                      int Width, int TabOrder) {
  auto* button = new TZYLButton(Form);
  button->SetName(Name);
  button->SetParent(Form);
  button->SetBounds(Left, Top, Width, 24);
  button->SetTabOrder(TabOrder);
  return button;
}

TZYLButton* TZYLBaseDialog::NewOKButton(vcl::TForm* Form, int Left, int Top, int Width,
                                        int TabOrder) {
  TZYLButton* ok = NewButton(Form, "OK", Left, Top, Width, TabOrder);
  ok->SetModalResult(vcl::mrOk);
  ok->SetCaption("OK");
  ok->SetDefault(true);
  return ok;
}

TZYLButton* TZYLBaseDialog::NewCancelButton(vcl::TForm* Form, int Left, int Top, int Width,
                                            int TabOrder, const std::string& Caption) {
  TZYLButton* cancel = NewButton(Form, "Cancel", Left, Top, Width, TabOrder);
  cancel->SetModalResult(vcl::mrCancel);
  cancel->SetCancel(true);
  cancel->SetCaption(Caption);
  return cancel;
}

TZYLFormStyler* TZYLBaseDialog::NewStyler(vcl::TForm* Form, TZYLFormStyleOptions Options) {
  auto* styler = new TZYLFormStyler(Form);
  styler->SetEnabled(false);
  styler->SetOptions(Options);
  return styler;
}

TZYLBack* TZYLBaseDialog::NewBack(vcl::TForm* Form) {
  auto* back = new TZYLBack(Form);
  back->SetEnabled(false);
  return back;
}

void TZYLBaseDialog::GiveHints(vcl::TCustomForm* Form,
                               std::initializer_list<vcl::TControl*> Controls) const {
  if (!FShowHints || FHints->Count() == 0) return;
  Form->SetShowHint(true);
  int index = 0;
  for (vcl::TControl* control : Controls) {
    if (index >= FHints->Count()) break;
    control->SetHint(FHints->Get(index++));
  }
}

void TZYLBaseDialog::DoCustomize(vcl::TObject* Sender) {
  if (FOnCustomize) FOnCustomize(Sender);
}

int TZYLBaseDialog::BaseExecute(vcl::TCustomForm* Form, vcl::TCustomForm* Target,
                                vcl::TControl* Custom, TZYLFormStyler* Styler, TZYLBack* Back,
                                const std::string& DefaultCaption) {
  FShownForm = Form;
  // The reference goes however the modal loop ends.
  const vcl::TFinally forget([this] { FShownForm = nullptr; });
  Form->SetCaption(FCaptionTitle.empty() ? DefaultCaption : FCaptionTitle);
  if (Custom) {
    const bool shown = !FCustomButton.empty();
    if (shown) {
      Custom->SetCaption(FCustomButton);
      if (FOnCustomClick) Custom->OnClick = FOnCustomClick;
    }
    Custom->SetVisible(shown);
  }
  vcl::TRect target;
  if (ComponentState().contains(vcl::csDesigning))
    target = ZYLDlgGetTargetRect(brScreenWorkArea);
  else if (Target)
    target = Target->BoundsRect();
  else
    target = ZYLDlgGetTargetRect(FRelatePos);
  if (auto* form = dynamic_cast<vcl::TForm*>(Form)) form->SetPosition(vcl::poDesigned);
  ZYLPositionWindow(Form->Handle(), target, FPosition, false);
  if (FEffect == deExplode)
    ZYLExplodeForm(Form);
  else if (FEffect == deExplodeExt)
    ZYLExplodeForm2(Form);
  if (Styler) {
    Styler->SetEnabled(FCaptionFill);
    if (FCaptionFill) Styler->SetColors(FColors);
    Styler->SetOptions(Styler->Options() + fsCheckSystemGradient);
  }
  if (Back && ImageList()) {
    Back->SetImageList(ImageList());
    Back->SetIndex(iiListIndex, ListIndex());
    Back->SetIndex(iiImageIndex, ImageIndex());
    Back->SetEnabled(true);
  }
  ZYLSetCtlXP(Form, CtlXP());
  // The owner form released meanwhile (by a handler, or by its timer while the loop waits)
  // ends the loop, and is freed once this call has returned.
  const vcl::TReleaseHold hold(this);
  DoCustomize(Form);
  return Form->ShowModal();
}

}  // namespace zyl
