#include "system/ZYLFormDisplay.h"

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLGraph.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/controls/GraphicControl.h"
#include "system/ZYLResWinControl.h"

namespace zyl {

const char* const SZYLFormNotInstanced = "TZYLFormDisplay: Form not instanced!";

ZYL_MESSAGE_MAP(TZYLFormDisplay) { m.On(win::WM_SETFOCUS, &TZYLFormDisplay::WMSetFocus); }

ZYL_CLASS_IMPL(TZYLFormDisplay) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLFormDisplay;
  b.Publish("About")
      .Publish({"Align", "Anchors", "Bevel"})
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Constraints", "DragCursor", "DragKind", "DragMode", "Enabled", "Font"})
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont",  "ParentShowHint", "PopupMenu",   "ShowHint",  "TabOrder",
                "TabStop",     "Transparent",    "Visible",     "OnClick",   "OnDblClick",
                "OnDragDrop",  "OnDragOver",     "OnEndDock",   "OnEndDrag", "OnEnter",
                "OnExit",      "OnMouseDown",    "OnMouseMove", "OnMouseUp", "OnResize",
                "OnStartDock", "OnStartDrag"})
      .Prop("FormName", &T::FormName, &T::SetFormName)
      .Prop("HookWindowProc", &T::HookWindowProc, &T::SetHookWindowProc)
      .Default(false)
      .Prop("SaveResources", &T::SaveResources, &T::SetSaveResources)
      .Default(false)
      .Prop("UseResForms", &T::UseResForms, &T::SetUseResForms)
      .Default(false)
      .Prop("AssignColor", &T::AssignColor, &T::SetAssignColor)
      .Default(false)
      .Prop("Position", &T::Position, &T::SetPosition)
      .Default(fdpClient)
      .Prop("OnChange", &T::GetOnChange, &T::SetOnChange)
      .Prop("OnChanging", &T::GetOnChanging, &T::SetOnChanging)
      .Prop("OnMessage", &T::GetOnMessage, &T::SetOnMessage);
}

namespace {

bool Designing(const vcl::TComponent* c) { return c->ComponentState().contains(vcl::csDesigning); }

}  // namespace

TZYLFormDisplay::TZYLFormDisplay(vcl::TComponent* AOwner)
    : inherited(AOwner), TZYLFormHostBase(this) {
  FBevel->BeginUpdate();
  FBevel->SetMode(bmCustom);
  FBevel->EndUpdate(false);
}

TZYLFormDisplay::~TZYLFormDisplay() {
  // Forms that outlive the display get their own window procedure and window back.
  Unhook();
  if (FSingle && FForms.IndexOf(FSingle) < 0) {
    ZYLReleaseHostedForm(FSingle, this);
    if (ZYLFormAlive(FSingle)) FSingle->RemoveFreeNotification(this);
  }
  FSingle = nullptr;
  FForms.ReleaseAll();
}

void TZYLFormDisplay::Unhook() {
  if (FHooked && ZYLFormAlive(FHooked)) FHooked->SetWindowProc(FSavedProc);
  FHooked = nullptr;
  FSavedProc = nullptr;
}

int TZYLFormDisplay::AddFormExt(vcl::TCustomForm* Form, bool Activate) {
  const int index = FForms.Add(Form);
  if (index < 0) return -1;
  ZYLPrepareHostedForm(Form, this, FUseResForms);
  Form->SetIsControl(true);
  Form->SetPosition(vcl::poDefault);
  Form->SetTabStop(false);
  return FForms.Added(index, Activate, FSaveResources);
}

int TZYLFormDisplay::AddFormClass(TZYLFormClass FormClass, bool Activate) {
  return AddFormExt(ZYLCreateHostedForm(FormClass, this), Activate);
}

vcl::TRect TZYLFormDisplay::PlaceOf(vcl::TCustomForm* Form) {
  return ZYLAlignRect(static_cast<TZYLAlignment>(FPosition), Form->ClientRect(), BeveledRect());
}

void TZYLFormDisplay::SetActiveFormIndex(int Index) {
  if (!FForms.Switch(Index, this, FOnChanging)) return;
  if (Index < 0) return;
  vcl::TCustomForm* f = FForms.Get(Index);
  ZYLEmbedFormWindow(f, this);
  if (FPosition != fdpClient) {
    f->SetAlign(vcl::alNone);
    f->SetBoundsRect(PlaceOf(f));
  } else {
    f->SetAlign(vcl::alClient);
  }
  if (FAssignColor) f->SetColor(Color());
  if (FHookWindowProc) {
    FSavedProc = f->WindowProc();
    FHooked = f;
    f->SetWindowProc(vcl::TWndMethod(this, &TZYLFormDisplay::NewWndProc));
  }
  f->BringToFront();
  f->SetVisible(true);
  if (f->CanFocus() && HandleAllocated() && win::IsWindowVisible(Handle())) f->SetFocus();
  if (f->OnActivate) f->OnActivate(f);
  if (FOnChange) FOnChange(this);
}

void TZYLFormDisplay::HideForm(vcl::TCustomForm* Form) {
  if (!Form || Form != FForms.Active()) return;
  if (Form->OnDeactivate) Form->OnDeactivate(Form);
  if (Form->OnHide) Form->OnHide(Form);
  if (FHooked == Form) Unhook();
  FForms.Conceal(Form, FSaveResources);
}

void TZYLFormDisplay::MoveForm(vcl::TCustomForm* Form, int NewIndex) {
  FForms.MoveForm(Form, NewIndex);
}

void TZYLFormDisplay::RemoveForm(vcl::TCustomForm* Form, bool FreeIt) {
  const int index = FForms.IndexOf(Form);
  if (index < 0) return;
  HideForm(Form);
  FForms.Delete(index);
  if (FreeIt)
    delete Form;
  else if (Form != FSingle)
    ZYLReleaseHostedForm(Form, this);
}

vcl::TCustomForm* TZYLFormDisplay::FindNextForm(vcl::TCustomForm* Form, bool GoForward) const {
  return FForms.FindNext(Form, GoForward);
}

bool TZYLFormDisplay::Execute(vcl::TCustomForm* Form) {
  if (!Form) throw vcl::Exception(SZYLFormNotInstanced);
  if (Form == FSingle) return false;
  UnLoad();
  if (ComponentState().contains(vcl::csDestroying)) return false;
  if (!FUseResForms) Form->SetParent(this);
  ZYLEmbedFormWindow(Form, this);
  Form->SetBoundsRect(BeveledRect());
  Form->BringToFront();
  FSingle = Form;
  Form->FreeNotification(this);
  FFormName = Form->Name();
  Form->SetVisible(true);
  if (Form->CanFocus() && HandleAllocated() && win::IsWindowVisible(Handle())) Form->SetFocus();
  return true;
}

vcl::TCustomForm* TZYLFormDisplay::ExecuteEnh(TZYLFormClass FormClass) {
  vcl::TCustomForm* form = ZYLCreateHostedForm(FormClass, this);
  return Execute(form) ? form : nullptr;
}

void TZYLFormDisplay::Hide() {
  vcl::TCustomForm* f = FSingle;
  FSingle = nullptr;
  FFormName.clear();
  if (!ZYLFormAlive(f)) return;
  f->SetAlign(vcl::alNone);
  f->SetVisible(false);
  if (FSaveResources) ZYLFreeResources(f);
  if (FForms.IndexOf(f) < 0) {
    f->RemoveFreeNotification(this);
    ZYLReleaseHostedForm(f, this);
  }
}

void TZYLFormDisplay::UnLoad() {
  // Only a form the display made is freed; one handed in belongs to someone else.
  vcl::TCustomForm* f = FSingle;
  if (f && f->Owner() == this && ZYLFormAlive(f)) {
    FSingle = nullptr;
    FFormName.clear();
    delete f;
  } else {
    Hide();
  }
}

void TZYLFormDisplay::SetFormName(const std::string& Value) {
  if (Value == FFormName) return;
  const vcl::TComponentState state = ComponentState();
  if (Designing(this) || state.contains(vcl::csLoading) || state.contains(vcl::csReading)) {
    FFormName = Value;
    return;
  }
  if (Value.empty()) return UnLoad();
  for (int i = 0; vcl::Screen && i < vcl::Screen->FormCount(); ++i) {
    vcl::TCustomForm* f = vcl::Screen->Forms(i);
    if (f->Name() == Value) {
      Execute(f);
      return;
    }
  }
}

void TZYLFormDisplay::SetPosition(TZYLFormDisplayPosition Value) {
  if (FPosition == Value) return;
  FPosition = Value;
  if (vcl::TCustomForm* f = FForms.Active(); ZYLFormAlive(f)) {
    f->SetAlign(Value == fdpClient ? vcl::alClient : vcl::alNone);
    Realign();
  }
}

void TZYLFormDisplay::AlignControls(vcl::TControl* AControl, vcl::TRect& Rect) {
  inherited::AlignControls(AControl, Rect);
  vcl::TCustomForm* f = FForms.Active();
  if (Designing(this) || !ZYLFormAlive(f) || FPosition == fdpClient) return;
  DisableAlign();
  f->SetBoundsRect(PlaceOf(f));
  vcl::TMessage msg{};
  msg.Msg = CM_ZYLBACKCHANGED;
  f->Broadcast(msg);
  EnableAlign();
}

void TZYLFormDisplay::Resize() {
  inherited::Resize();
  if (Designing(this)) return;
  if (ZYLFormAlive(FForms.Active()))
    Realign();
  else if (ZYLFormAlive(FSingle))
    FSingle->SetBoundsRect(BeveledRect());
}

void TZYLFormDisplay::DoThemeChanged() {
  inherited::DoThemeChanged();
  vcl::TCustomForm* f = FForms.Active();
  if (!ZYLFormAlive(f)) return;
  for (int i = 0; i < f->ControlCount(); ++i)
    if (auto* g = dynamic_cast<vcl::TGraphicControl*>(f->Controls(i)))
      g->Perform(win::WM_THEMECHANGED, 0, 0);
}

void TZYLFormDisplay::WMSetFocus(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  vcl::TCustomForm* f = FForms.Active();
  if (TabStop() && ZYLFormAlive(f) && f->ActiveControl()) f->SetFocus();
}

void TZYLFormDisplay::NewWndProc(vcl::TMessage& Message) {
  if (FOnMessage) FOnMessage(this, Message);
  vcl::TCustomForm* f = FHooked;
  if ((Message.Msg == win::WM_SETFOCUS || Message.Msg == win::WM_LBUTTONDOWN) && ZYLFormAlive(f) &&
      f->CanFocus() && !f->Focused())
    f->SetFocus();
  if (FSavedProc) FSavedProc(Message);
}

void TZYLFormDisplay::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != vcl::opRemove) return;
  // A hosted form freed behind the display's back: its entry, hook and single-form slot go.
  if (AComponent == FHooked) {
    FHooked = nullptr;
    FSavedProc = nullptr;
  }
  FForms.Forget(AComponent);
  if (AComponent == FSingle) {
    FSingle = nullptr;
    FFormName.clear();
  }
}

}  // namespace zyl
