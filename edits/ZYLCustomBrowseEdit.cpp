#include "edits/ZYLCustomBrowseEdit.h"

#include "buttons/ZYLSpecialButtons.h"
#include "platform/base/Numbers.h"
#include "platform/base/Restore.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/FileCtrl.h"
#include "platform/graphics/Canvas.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLCustomBrowseEdit) { m.On(win::WM_SIZE, &TZYLCustomBrowseEdit::WMSizeBrowse); }

// The button's width is published with the width the constructor gives it, so that a form
// stream keeps every width.
ZYL_CLASS_IMPL(TZYLCustomBrowseEdit) {
  using C = TZYLCustomBrowseEdit;
  b.Publish({"CustomButtonsStyle", "CustomButtonWidth"})
      .Default(BrowseButtonWidth)
      .Publish({"CustomButtonParentCtlXP", "Font", "Font3D", "ParentFont", "OnChange"})
      .Prop("OnDlgChange", &C::GetOnDlgChange, &C::SetOnDlgChange)
      .Prop("OnBeforeBrowse", &C::GetOnBeforeBrowse, &C::SetOnBeforeBrowse)
      .Prop("OnBrowse", &C::GetOnBrowse, &C::SetOnBrowse)
      .Declare("MinimizeName", &C::MinimizeName, &C::SetMinimizeName)
      .Default(false);
}

TZYLCustomBrowseEdit::TZYLCustomBrowseEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  TZYLSpecialButton* button = CustomButtons()->Add();
  SetCustomButtonWidth(BrowseButtonWidth);
  button->SetClickMethod(TZYLSpecialButtonClick(this, &TZYLCustomBrowseEdit::DoOnBrowseClick));
  button->SetCtlXP(false);
}

TZYLSpecialButton* TZYLCustomBrowseEdit::BrowseButton() const {
  return CustomButtons()->GetItem(0);
}

// One OnBrowse a click: the descendants' DoBrowse leave it to this handler.
void TZYLCustomBrowseEdit::DoOnBrowseClick(vcl::TObject* /*Sender*/, int /*Index*/) {
  DoBrowse();
  if (FOnBrowse) FOnBrowse(this);
}

void TZYLCustomBrowseEdit::RunDialog(bool TakeFocus, const std::function<void()>& Prepare,
                                     const std::function<bool()>& Execute,
                                     const std::function<void()>& Accept) {
  if (TakeFocus && !Focused() && CanFocus()) SetFocus();
  Prepare();
  if (FOnBeforeBrowse) FOnBeforeBrowse(this);
  if (!Execute()) return;
  Accept();
  if (FOnDlgChange) FOnDlgChange(this);
}

// ---------------------------------------------------------------------------------------------
// The shortened path

void TZYLCustomBrowseEdit::SetMinimizeName(bool Value) {
  if (Value == FMinimizeName) return;
  FMinimizeName = Value;
  if (!Focused()) UpdateText();
}

void TZYLCustomBrowseEdit::SetFullText(const std::string& Value) {
  SetText(Value);
  if (!Focused()) UpdateText();
}

std::string TZYLCustomBrowseEdit::ReduceText(const std::string& Full) {
  if (!FMinimizeName || !HandleAllocated() || Loading()) return Full;
  SetupRects();
  vcl::TCanvas* c = Canvas();
  c->SetFont(Font());
  return vcl::MinimizeName(Full, c, vcl::ClampToInt(int64_t{TextRect().Right} - TextRect().Left));
}

// The source is always the full path, so that a second shortening (after a change of the
// width or of what is shown) starts from it and never from the form already shortened.
void TZYLCustomBrowseEdit::UpdateText() {
  const std::string full = FullText();
  const std::string shown = ReduceText(full);
  {
    vcl::TRestore<bool> reducing(FReducing, true);
    SetText(shown);
  }
  FFullText = full;
  FReduced = shown != full;
}

void TZYLCustomBrowseEdit::SetNewText() {
  if (!FReducing) {
    FReduced = false;
    FFullText.clear();
  }
  inherited::SetNewText();
}

void TZYLCustomBrowseEdit::DoEnter() {
  inherited::DoEnter();
  if (FReduced) SetText(FFullText);
}

void TZYLCustomBrowseEdit::DoExit() {
  FOffset = 0;
  FCaretPos = 1;
  UpdateText();
  inherited::DoExit();
}

void TZYLCustomBrowseEdit::WMSizeBrowse(vcl::TWMSize& Message) {
  ZYL_INHERITED(Message);
  if (FMinimizeName && !Focused()) UpdateText();
}

}  // namespace zyl
