#include "system/ZYLFormHost.h"

#include <algorithm>
#include <memory>

#include "platform/controls/Forms.h"
#include "platform/user/WinUser.h"
#include "system/ZYLResWinControl.h"

namespace zyl {

vcl::TCustomForm* TZYLHostedForms::Get(int Index) const {
  return Index >= 0 && Index < Count() ? FForms[static_cast<size_t>(Index)] : nullptr;
}

int TZYLHostedForms::IndexOf(const vcl::TComponent* Form) const {
  if (!Form) return -1;
  const auto it = std::find(FForms.begin(), FForms.end(), Form);
  return it == FForms.end() ? -1 : static_cast<int>(it - FForms.begin());
}

int TZYLHostedForms::Add(vcl::TCustomForm* Form) {
  if (!Form || IndexOf(Form) >= 0) return -1;
  FForms.push_back(Form);
  Form->FreeNotification(FHost);
  return Count() - 1;
}

void TZYLHostedForms::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  vcl::TCustomForm* form = FForms[static_cast<size_t>(Index)];
  EraseAt(Index);
  if (ZYLFormAlive(form)) form->RemoveFreeNotification(FHost);
}

void TZYLHostedForms::EraseAt(int Index) {
  FForms.erase(FForms.begin() + Index);
  if (FForms.empty() || Index == FActive)
    FActive = -1;
  else if (Index < FActive)
    --FActive;
}

void TZYLHostedForms::Move(int From, int To) {
  if (From < 0 || From >= Count()) return;
  To = std::clamp(To, 0, Count() - 1);
  vcl::TCustomForm* form = FForms[static_cast<size_t>(From)];
  FForms.erase(FForms.begin() + From);
  FForms.insert(FForms.begin() + To, form);
}

vcl::TCustomForm* TZYLHostedForms::FindNext(const vcl::TCustomForm* Form, bool GoForward) const {
  const int at = IndexOf(Form);
  if (at < 0) return nullptr;
  for (int i = GoForward ? at + 1 : at - 1; i >= 0 && i < Count(); i += GoForward ? 1 : -1)
    if (FForms[static_cast<size_t>(i)]) return FForms[static_cast<size_t>(i)];
  return nullptr;
}

void TZYLHostedForms::MoveForm(vcl::TCustomForm* Form, int NewIndex,
                               const std::function<void(int From, int To)>& Moved) {
  const int index = IndexOf(Form);
  if (index < 0) return;
  const int active = FActive;
  if (vcl::TCustomForm* old = Active()) FHide(old);
  Move(index, NewIndex);
  if (Moved) Moved(index, IndexOf(Form));
  FActivate(active);
}

void TZYLHostedForms::SetActiveForm(vcl::TCustomForm* Form) {
  const int index = IndexOf(Form);
  if (index >= 0) FActivate(index);
}

int TZYLHostedForms::Added(int Index, bool Activate, bool SaveResources) {
  if (Activate)
    FActivate(Index);
  else if (SaveResources)
    ZYLFreeResources(Get(Index));
  return Index;
}

bool TZYLHostedForms::Switch(int Index, vcl::TObject* Sender,
                             const TZYLFormDisplayChangeEvent& OnChanging) {
  if (Index == FActive || Index < -1 || Index >= Count()) return false;
  bool cancel = false;
  if (OnChanging) OnChanging(Sender, Get(Index), cancel);
  if (cancel) return false;
  if (vcl::TCustomForm* old = Active()) FHide(old);
  FActive = Index;
  return true;
}

void TZYLHostedForms::SelectNextForm(bool GoForward) {
  SetActiveForm(FindNext(Active(), GoForward));
}

void TZYLHostedForms::Conceal(vcl::TCustomForm* Form, bool SaveResources) {
  Form->SetAlign(vcl::alNone);
  Form->SetVisible(false);
  if (SaveResources) ZYLFreeResources(Form);
  FActive = -1;
}

void TZYLHostedForms::Clear() {
  for (vcl::TCustomForm* f : FForms)
    if (ZYLFormAlive(f)) f->RemoveFreeNotification(FHost);
  FForms.clear();
  FActive = -1;
}

void TZYLHostedForms::ReleaseAll() {
  for (vcl::TCustomForm* f : FForms) ZYLReleaseHostedForm(f, FHost);
  Clear();
}

int TZYLHostedForms::Forget(const vcl::TComponent* Form) {
  const int index = IndexOf(Form);
  // The form is half gone: only the list is touched.
  if (index >= 0) EraseAt(index);
  return index;
}

vcl::TCustomForm* ZYLCreateHostedForm(vcl::TClass FormClass, vcl::TComponent* Owner) {
  if (!FormClass || !FormClass->InheritsFrom(vcl::TCustomForm::StaticClass()))
    throw vcl::EInvalidCast("Invalid class typecast");
  std::unique_ptr<vcl::TComponent> made(FormClass->Create(Owner));
  auto* form = dynamic_cast<vcl::TCustomForm*>(made.get());
  if (!form) throw vcl::EInvalidCast("Invalid class typecast");
  form->InitFromResources();
  made.release();
  return form;
}

bool ZYLFormAlive(const vcl::TCustomForm* Form) {
  return Form && !Form->ComponentState().contains(vcl::csDestroying);
}

void ZYLPrepareHostedForm(vcl::TCustomForm* Form, vcl::TWinControl* Host, bool UseResForms) {
  if (!UseResForms) Form->SetParent(Host);
  Form->SetVisible(false);
  Form->SetBorderStyle(vcl::bsNone);
  Form->SetBorderIcons({});
}

void ZYLEmbedFormWindow(vcl::TCustomForm* Form, vcl::TWinControl* Host) {
  win::HWND h = Form->Handle();
  win::SetWindowLongA(
      h, win::GWL_STYLE,
      static_cast<win::LONG>(win::WS_CHILD | win::WS_CLIPSIBLINGS | win::WS_CLIPCHILDREN));
  win::SetWindowLongA(h, win::GWL_EXSTYLE, 0);
  win::SetParent(h, Host->Handle());
}

void ZYLReleaseHostedForm(vcl::TCustomForm* Form, vcl::TComponent* Host) {
  if (!ZYLFormAlive(Form) || Form->Owner() == Host) return;
  Form->SetVisible(false);
  if (Form->Parent() == Host) Form->SetParent(nullptr);
  if (Form->HandleAllocated() && !Form->Parent()) win::SetParent(Form->Handle(), nullptr);
}

}  // namespace zyl
