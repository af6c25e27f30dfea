#include "system/ZYLWindowListDlg.h"

#include <algorithm>
#include <memory>

#include "buttons/ZYLButton.h"
#include "edits/ZYLExtListBox.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/StrUtils.h"
#include "system/ZYLBack.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLWindowListDlg) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLWindowListDlg;
  b.Prop("Description", &T::Description, &T::SetDescription)
      .Prop("Options", &T::Options, &T::SetOptions)
      .Default(TZYLWLOptions{wlAddInVisible})
      .Prop("OnList", &T::GetOnList, &T::SetOnList)
      .Prop("OnShow", &T::GetOnShow, &T::SetOnShow);
}

bool TZYLWindowListDlg::Admits(vcl::TForm* Form, vcl::TCustomForm* Own) {
  bool accept = Form != Own;
  if (FOnList) FOnList(this, Form, accept);
  if (!accept) return false;
  if (!FOptions.contains(wlAddInVisible) && !Form->Visible()) return false;
  if (!FOptions.contains(wlAddDialogForms) && Form->BorderStyle() == vcl::bsDialog) return false;
  if (!FOptions.contains(wlAddMainForm) && Form == vcl::Application->MainForm()) return false;
  if (!FOptions.contains(wlAddParentForm) && Form == Owner()) return false;
  if (!FOptions.contains(wlAddNoCaptionForms) && vcl::Trim(Form->Caption()).empty()) return false;
  return true;
}

void TZYLWindowListDlg::SetChosenForm(vcl::TForm* Value) {
  vcl::TForm* old = FChosenForm;
  FChosenForm = Value;
  // A form still listed keeps its notification until the list goes.
  if (old && old != Value && std::find(FListed.begin(), FListed.end(), old) == FListed.end())
    old->RemoveFreeNotification(this);
  if (Value) Value->FreeNotification(this);
}

void TZYLWindowListDlg::Listed(vcl::TForm* Form) {
  if (Form) {
    Form->FreeNotification(this);
    FListed.push_back(Form);
    return;
  }
  const std::vector<vcl::TForm*> listed = std::move(FListed);
  FListed.clear();
  for (vcl::TForm* f : listed)
    if (f != FChosenForm) f->RemoveFreeNotification(this);
}

void TZYLWindowListDlg::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != vcl::opRemove) return;
  if (AComponent == FChosenForm) FChosenForm = nullptr;
  const auto at = std::find(FListed.begin(), FListed.end(), AComponent);
  if (at == FListed.end()) return;
  FListed.erase(at);
  if (!FList) return;
  vcl::TStrings* items = FList->Items();
  for (int i = items->Count() - 1; i >= 0; --i)
    if (items->Objects(i) == AComponent) items->Delete(i);
  ListClick(FList);
}

bool TZYLWindowListDlg::ExecuteEnh(vcl::TCustomForm* Target) {
  if (ShownForm()) return false;  // a second Execute inside the wait of the first
  SetChosenForm(nullptr);
  std::unique_ptr<vcl::TForm> form = NewDialogForm("ZYLWindowListForm", -12);

  TZYLButton* ok = NewOKButton(form.get(), 300, 24, 86, 0);
  TZYLButton* cancel = NewCancelButton(form.get(), 300, 51, 86, 1, vcl::SCancelButton);
  TZYLButton* custom = NewButton(form.get(), "Custom", 300, 85, 86, 2);
  custom->SetVisible(false);

  auto* list = new TZYLExtListBox(form.get());
  list->SetName("Windows");
  list->SetParent(form.get());
  list->SetBounds(6, 25, 287, 227);
  list->SetItemHeight(13);
  list->SetTabOrder(3);
  form->SetActiveControl(list);
  auto* label = new vcl::TLabel(form.get());
  label->SetName("Description");
  label->SetParent(form.get());
  label->SetBounds(6, 10, 3, 10);
  label->SetTransparent(true);
  label->SetCaption(vcl::Trim(FDescription).empty() ? std::string("Available &Windows:")
                                                    : FDescription);
  label->SetFocusControl(list);

  TZYLFormStyler* styler =
      NewStyler(form.get(), {fsAdjustRect, fsUseDefaultFont, fsUseFormCaption});
  TZYLBack* back = NewBack(form.get());
  form->SetClientWidth(ok->Left() + ok->Width() + 7);
  form->SetClientHeight(list->Top() + list->Height() + 6);
  GiveHints(form.get(), {ok, custom, cancel});

  // The dialog's own form, should OnList admit it, is listed under the caption it will show.
  const std::string caption = "Windowlist...";
  form->SetCaption(CaptionTitle().empty() ? caption : CaptionTitle());
  // The listed forms are watched while the list is open: one freed meanwhile leaves it.
  const vcl::TFinally unlist([this] { Listed(nullptr); });
  for (int i = 0; i < vcl::Screen->FormCount(); ++i) {
    auto* each = dynamic_cast<vcl::TForm*>(vcl::Screen->Forms(i));
    if (each && Admits(each, form.get())) {
      list->Items()->AddObject(each->Caption(), each);
      Listed(each);
    }
  }
  ok->SetEnabled(list->Items()->Count() > 0);
  if (ok->Enabled()) list->SetItemIndex(0);

  FOK = ok;
  FList = list;
  const vcl::TFinally forget([this] { FOK = nullptr, FList = nullptr; });
  list->OnClick = vcl::TNotifyEvent(this, &TZYLWindowListDlg::ListClick);
  list->OnDblClick = vcl::TNotifyEvent(this, &TZYLWindowListDlg::ListDblClick);

  if (BaseExecute(form.get(), Target, custom, styler, back, caption) != vcl::mrOk ||
      list->ItemIndex() < 0)
    return false;
  SetChosenForm(dynamic_cast<vcl::TForm*>(list->Items()->Objects(list->ItemIndex())));
  FOK = nullptr, FList = nullptr;
  form.reset();
  if (!FChosenForm) return false;
  bool accept = true;
  if (FOnShow) FOnShow(this, FChosenForm, accept);
  // The handler may have freed the form (which clears the choice).
  if (!accept || !FChosenForm) return false;
  if (FChosenForm->WindowState() == vcl::wsMinimized) FChosenForm->SetWindowState(vcl::wsNormal);
  FChosenForm->Show();
  return true;
}

void TZYLWindowListDlg::ListClick(vcl::TObject* /*Sender*/) {
  if (FOK && FList) FOK->SetEnabled(FList->ItemIndex() >= 0);
}

void TZYLWindowListDlg::ListDblClick(vcl::TObject* /*Sender*/) {
  if (!FList || FList->ItemIndex() < 0) return;
  if (auto* form = dynamic_cast<vcl::TCustomForm*>(FList->Owner())) form->SetModalResult(vcl::mrOk);
}

}  // namespace zyl
