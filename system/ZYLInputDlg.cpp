#include "system/ZYLInputDlg.h"

#include <algorithm>
#include <memory>

#include "buttons/ZYLButton.h"
#include "display/ZYLSimpleLabel.h"
#include "edits/ZYLEdit.h"
#include "foundation/ZYLConst.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "system/ZYLBack.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLInputDlg) {
  using T = TZYLInputDlg;
  b.Prop("Prompt", &T::Prompt, &T::SetPrompt)
      .Prop("DefaultValue", &T::DefaultValue, &T::SetDefaultValue)
      .Prop("DefaultSelected", &T::DefaultSelected, &T::SetDefaultSelected)
      .Default(false)
      .Prop("MaxLength", &T::MaxLength, &T::SetMaxLength)
      .Default(0)
      .Prop("PasswordChar", &T::PasswordChar, &T::SetPasswordChar)
      .Default(0)
      .Prop("Width", &T::Width, &T::SetWidth)
      .Default(-1);
}

bool TZYLInputDlg::ExecuteEnh(vcl::TCustomForm* Target) {
  return ShowDialog(CaptionTitle(), FPrompt, FDefaultValue, Target);
}

bool TZYLInputDlg::InputQuery(const std::string& Caption, const std::string& Prompt,
                              std::string& Value) {
  const bool ok = ShowDialog(Caption, Prompt, Value, nullptr);
  if (ok) Value = FAnswer;
  return ok;
}

std::string TZYLInputDlg::InputBox(const std::string& Caption, const std::string& Prompt,
                                   const std::string& Default) {
  return ShowDialog(Caption, Prompt, Default, nullptr) ? FAnswer : Default;
}

bool TZYLInputDlg::ShowDialog(const std::string& Caption, const std::string& Prompt,
                              const std::string& Default, vcl::TCustomForm* Target) {
  if (ShownForm()) return false;  // a second Execute inside the wait of the first
  const std::string caption = Caption.empty() ? std::string(SZYLInputCaption) : Caption;
  std::unique_ptr<vcl::TForm> form = NewDialogForm("ZYLInputForm", -11);
  int width = FWidth == -1 ? DefaultWidth : FWidth;
  form->SetBounds(0, 0, width, FormHeight);

  vcl::TCanvas* canvas = form->Canvas();
  canvas->Font()->Assign(form->Font());
  const bool custom = !CustomButton().empty();
  const int buttonWidth = std::max({MinButtonWidth, canvas->TextWidth(SZYLCancel) + 6,
                                    custom ? canvas->TextWidth(CustomButton()) + 6 : 0});
  const int rowWidth = (custom ? 3 : 2) * (buttonWidth + 5);
  if (rowWidth > width) width = rowWidth + 10;
  form->SetBounds(0, 0, width, FormHeight);

  const int top = form->ClientHeight() - 30;
  TZYLButton* ok = NewOKButton(form.get(), (width - rowWidth) / 2, top, buttonWidth, 0);
  TZYLButton* cancel =
      NewCancelButton(form.get(), ok->Left() + ok->Width() + 5, top, buttonWidth, 1, SZYLCancel);
  TZYLButton* more =
      NewButton(form.get(), "Custom", cancel->Left() + cancel->Width() + 5, top, buttonWidth, 2);

  auto* label = new TZYLSimpleLabel(form.get());
  label->SetName("Prompt");
  label->SetParent(form.get());
  label->SetLeft(10);
  label->SetTop(10);
  label->SetCaption(Prompt);

  auto* edit = new TZYLEdit(form.get());
  edit->SetName("Edit");
  edit->SetParent(form.get());
  edit->SetBounds(10, label->Top() + label->Height() + 2, width - 30, edit->Height());
  edit->SetTabOrder(0);
  edit->SetPasswordChar(FPasswordChar);
  edit->SetMaxLength(std::max(FMaxLength, 0));
  edit->SetText(Default);
  if (FDefaultSelected) edit->Select(1, edit->GetLength(), edit->GetLength() + 1);
  form->SetActiveControl(edit);

  // Hints: OK, Cancel, the edit, the custom button.
  GiveHints(form.get(), {ok, cancel, edit, more});

  TZYLFormStyler* styler = NewStyler(form.get(), TZYLFormStyler::DefaultOptions);
  TZYLBack* back = NewBack(form.get());
  const bool confirmed = BaseExecute(form.get(), Target, more, styler, back, caption) == vcl::mrOk;
  FAnswer = confirmed ? edit->Text() : std::string();
  return confirmed;
}

}  // namespace zyl
