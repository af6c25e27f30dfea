#include "system/ZYLFormTabControl.h"

#include <vector>

#include "foundation/ZYLClass.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "system/ZYLResWinControl.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLFormTabControl) {
  m.On(vcl::CM_DIALOGKEY, &TZYLFormTabControl::CMDialogKey)
      .On(win::WM_THEMECHANGED, &TZYLFormTabControl::WMThemeChanged);
}

ZYL_CLASS_IMPL(TZYLFormTabControl) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLFormTabControl;
  b.Prop("About", &T::About, &T::SetAbout, AboutVarTypeInfo())
      .Stored(false)
      .Prop("SaveResources", &T::SaveResources, &T::SetSaveResources)
      .Default(false)
      .Prop("UseResForms", &T::UseResForms, &T::SetUseResForms)
      .Default(false)
      .Prop("OnChanging", &T::GetOnFormChanging, &T::SetOnFormChanging)
      .Publish({"Align",      "Anchors",         "BiDiMode",    "Constraints", "DragCursor",
                "DragKind",   "DragMode",        "Enabled",     "Font",        "HotTrack",
                "Images",     "MultiLine",       "MultiSelect", "OwnerDraw",   "ParentBiDiMode",
                "ParentFont", "ParentShowHint",  "PopupMenu",   "RaggedRight", "ScrollOpposite",
                "ShowHint",   "Style",           "TabHeight",   "TabOrder",    "TabPosition",
                "TabStop",    "TabWidth",        "Visible",     "OnChange",    "OnDragDrop",
                "OnDragOver", "OnDrawTab",       "OnEndDock",   "OnEndDrag",   "OnEnter",
                "OnExit",     "OnGetImageIndex", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                "OnResize",   "OnStartDock",     "OnStartDrag"});
}

TZYLFormTabControl::TZYLFormTabControl(vcl::TComponent* AOwner)
    : inherited(AOwner), TZYLFormHostBase(this) {}

TZYLFormTabControl::~TZYLFormTabControl() { FForms.ReleaseAll(); }

int TZYLFormTabControl::AddFormExt(vcl::TCustomForm* Form, bool Activate) {
  const int index = FForms.Add(Form);
  if (index < 0) return -1;
  ZYLPrepareHostedForm(Form, this, FUseResForms);
  if (FUseResForms)
    Form->SetBoundsRect(DisplayRect());
  else
    Form->SetPosition(vcl::poDefault);
  Tabs()->Add(Form->Caption());
  return FForms.Added(index, Activate, FSaveResources);
}

int TZYLFormTabControl::AddFormClass(TZYLFormClass FormClass, bool Activate) {
  return AddFormClassExt(FormClass, Activate, "");
}

int TZYLFormTabControl::AddFormClassExt(TZYLFormClass FormClass, bool Activate,
                                        const std::string& Caption) {
  vcl::TCustomForm* form = ZYLCreateHostedForm(FormClass, this);
  if (!Caption.empty()) form->SetCaption(Caption);
  return AddFormExt(form, Activate);
}

void TZYLFormTabControl::SetActiveFormIndex(int Index) {
  if (!FForms.Switch(Index, this, FOnChanging)) return;
  SetTabIndex(Index);
  if (Index < 0) return;
  vcl::TCustomForm* f = FForms.Get(Index);
  ZYLEmbedFormWindow(f, this);
  f->SetAlign(vcl::alClient);
  f->BringToFront();
  f->SetVisible(true);
  const bool loading = ComponentState().contains(vcl::csLoading);
  if (HandleAllocated() && win::IsWindowVisible(Handle()) && !loading) {
    vcl::TWinControl* target = f->ActiveControl();
    if (!target) target = f;
    if (target->CanFocus()) target->SetFocus();
  }
  if (OnChange) OnChange(this);
}

void TZYLFormTabControl::HideForm(vcl::TCustomForm* Form) {
  if (!Form || Form != FForms.Active()) return;
  FForms.Conceal(Form, FSaveResources);
}

void TZYLFormTabControl::MoveForm(vcl::TCustomForm* Form, int NewIndex) {
  if (FForms.IndexOf(Form) < 0) return;
  FForms.MoveForm(Form, NewIndex, [this](int From, int To) { Tabs()->Move(From, To); });
  SetTabIndex(FForms.ActiveIndex());
}

void TZYLFormTabControl::AfterRemoval(int Index, bool KeepShown) {
  Tabs()->Delete(Index);
  if (ComponentState().contains(vcl::csDestroying)) return;
  const int next = Index < FForms.Count() ? Index : FForms.Count() - 1;
  if (!KeepShown || FForms.ActiveIndex() < 0) SetActiveFormIndex(next);
  SetTabIndex(FForms.ActiveIndex());
}

void TZYLFormTabControl::RemoveForm(vcl::TCustomForm* Form, bool FreeIt) {
  const int index = FForms.IndexOf(Form);
  if (index < 0) return;
  HideForm(Form);
  FForms.Delete(index);
  AfterRemoval(index, false);
  if (FreeIt)
    delete Form;
  else
    ZYLReleaseHostedForm(Form, this);
}

vcl::TCustomForm* TZYLFormTabControl::FindNextForm(vcl::TCustomForm* Form, bool GoForward) const {
  return FForms.FindNext(Form, GoForward);
}

bool TZYLFormTabControl::SetActiveFormByName(const std::string& Name) {
  for (int i = 0; i < FForms.Count(); ++i) {
    if (FForms.Get(i)->Caption() == Name) {
      SetActiveFormIndex(i);
      return true;
    }
  }
  return false;
}

void TZYLFormTabControl::Change() {
  if (TabIndex() == FForms.ActiveIndex()) return;
  SetActiveFormIndex(TabIndex());
  // A change the OnChanging handler refused takes the selection back.
  if (TabIndex() != FForms.ActiveIndex()) SetTabIndex(FForms.ActiveIndex());
}

void TZYLFormTabControl::CMDialogKey(vcl::TCMDialogKey& Message) {
  if (Message.CharCode() == win::VK_TAB && win::GetKeyState(win::VK_CONTROL) < 0) {
    SelectNextForm(win::GetKeyState(win::VK_SHIFT) >= 0);
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

void TZYLFormTabControl::WMThemeChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  vcl::TCustomForm* f = FForms.Active();
  if (!ZYLFormAlive(f)) return;
  for (int i = 0; i < f->ControlCount(); ++i) f->Controls(i)->Perform(win::WM_THEMECHANGED, 0, 0);
}

void TZYLFormTabControl::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != vcl::opRemove) return;
  // A hosted form freed behind the control's back loses its tab; when it was the one shown, the
  // form now at its place is shown.
  if (const int index = FForms.Forget(AComponent); index >= 0) AfterRemoval(index, true);
}

void TZYLFormTabControl::Loaded() {
  inherited::Loaded();
  if (ComponentState().contains(vcl::csDesigning)) return;
  std::vector<vcl::TCustomForm*> children;
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* f = dynamic_cast<vcl::TCustomForm*>(Controls(i))) children.push_back(f);
  for (vcl::TCustomForm* f : children) AddFormExt(f, false);
  if (FForms.ActiveIndex() < 0 && FForms.Count() > 0) SetActiveFormIndex(0);
}

}  // namespace zyl
