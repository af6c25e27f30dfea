#include "tests/platform/classes/FilerTestClasses.h"

#include <algorithm>
#include <mutex>

#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"

using namespace vcl;

namespace filertest {

namespace {
bool ColorToIdent(int32_t v, std::string& ident) {
  if (v == clTestRed) ident = "clRed";
  else if (v == clTestFace) ident = "clBtnFace";
  else return false;
  return true;
}
bool IdentToColor(const std::string& ident, int32_t& v) {
  if (ident == "clRed") v = clTestRed;
  else if (ident == "clBtnFace") v = clTestFace;
  else return false;
  return true;
}
}  // namespace

const TTypeInfo* TestColorType() {
  static const TTypeInfo* const type = [] {
    const TTypeInfo* t = MakeIntegerTypeInfo("TTestColor");
    RegisterIntegerConsts(t, IdentToColor, ColorToIdent);
    return t;
  }();
  return type;
}

ZYL_CLASS_IMPL(TStyleInfo) {
  b.Prop("Size", &TStyleInfo::Size, &TStyleInfo::SetSize).Default(8)
   .Prop("FaceName", &TStyleInfo::FaceName, &TStyleInfo::SetFaceName)
   .Prop("Bold", &TStyleInfo::Bold, &TStyleInfo::SetBold).Default(TSides{});
}

void TStyleInfo::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TStyleInfo*>(Source)) {
    size_ = s->size_;
    faceName_ = s->faceName_;
    bold_ = s->bold_;
    return;
  }
  inherited::Assign(Source);
}

ZYL_CLASS_IMPL(TTab) {
  b.Prop("Text", &TTab::Text, &TTab::SetText)
   .Prop("Width", &TTab::Width, &TTab::SetWidth).Default(50)
   .Prop("Target", &TTab::Target, &TTab::SetTarget);
}

ZYL_CLASS_IMPL(TWidget) {
  b.Prop("Width", &TWidget::Width, &TWidget::SetWidth).Default(10)
   .Prop("Look", &TWidget::Look, &TWidget::SetLook).Default(lkFlat)
   .Prop("Sides", &TWidget::Sides, &TWidget::SetSides).Default(TSides{sdLeft})
   .Prop("Ratio", &TWidget::Ratio, &TWidget::SetRatio)
   .Prop("Scale", &TWidget::Scale, &TWidget::SetScale)
   .Prop("Caption", &TWidget::Caption, &TWidget::SetCaption)
   .Prop("Letter", &TWidget::Letter, &TWidget::SetLetter).Default('a')
   .Prop("Big", &TWidget::Big, &TWidget::SetBig)
   .Prop("Enabled", &TWidget::Enabled, &TWidget::SetEnabled).Default(true)
   .Prop("Color", &TWidget::Color, &TWidget::SetColor, TestColorType()).Default(clTestFace)
   .Prop("Buddy", &TWidget::Buddy, &TWidget::SetBuddy)
   .Prop("OnClick", &TWidget::OnClick, &TWidget::SetOnClick)
   .Prop("Style", &TWidget::Style, &TWidget::SetStyle)
   .Prop("Tabs", &TWidget::Tabs, &TWidget::SetTabs)
   .Prop("Version", &TWidget::Version, nullptr).Default(0);
}

TWidget::TWidget(TComponent* AOwner)
    : inherited(AOwner), style_(new TStyleInfo), tabs_(new TOwnedCollection(this, TTab::StaticClass())) {}

TWidget::~TWidget() {
  Destroying();
  SetParentWidget(nullptr);
  for (TWidget* c : children_) c->parentWidget_ = nullptr;
  DestroyComponents();
  delete tabs_;
  delete style_;
}

void TWidget::SetBuddy(TWidget* v) {
  if (buddy_ == v) return;
  if (buddy_) buddy_->RemoveFreeNotification(this);
  buddy_ = v;
  if (buddy_) buddy_->FreeNotification(this);
}

void TWidget::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == buddy_) buddy_ = nullptr;
  for (int i = 0; i < tabs_->Count(); ++i) {
    auto* tab = static_cast<TTab*>(tabs_->Items(i));
    if (tab->Target() == AComponent) tab->SetTarget(nullptr);
  }
}

void TWidget::SetParentWidget(TWidget* p) {
  if (parentWidget_ == p) return;
  if (parentWidget_) {
    auto& list = parentWidget_->children_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  parentWidget_ = p;
  if (p) p->children_.push_back(this);
}

void TWidget::SetChildOrder(TComponent* Child, int Order) {
  auto it = std::find(children_.begin(), children_.end(), Child);
  if (it == children_.end()) return;
  children_.erase(it);
  Order = std::clamp(Order, 0, static_cast<int>(children_.size()));
  children_.insert(children_.begin() + Order, static_cast<TWidget*>(Child));
}

std::vector<std::string>& TWidget::LoadedOrder() {
  static std::vector<std::string> order;
  return order;
}

void TWidget::Loaded() {
  ++loadedCalls_;
  wasLoadingAtLoaded_ = ComponentState().contains(csLoading);
  stillReadingAtLoaded_ = ComponentState().contains(csReading);
  buddyKnownAtLoaded_ = buddy_ != nullptr;
  LoadedOrder().push_back(Name());
  inherited::Loaded();
}

void TWidget::ReadState(TReader* Reader) {
  // As controls do: the reader's parent becomes the parent widget.
  if (auto* p = dynamic_cast<TWidget*>(Reader->Parent()); p && p != this) SetParentWidget(p);
  inherited::ReadState(Reader);
}

void TWidget::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto* ancestor = dynamic_cast<TWidget*>(Filer->Ancestor());
  Filer->DefineProperty(
      "Internal", [this](TReader* r) { internal_ = r->ReadString(); },
      [this](TWriter* w) { w->WriteString(internal_); },
      ancestor ? internal_ != ancestor->internal_ : !internal_.empty());
  Filer->DefineBinaryProperty(
      "Blob",
      [this](TStream* s) {
        blob_.assign(static_cast<size_t>(s->Size()), '\0');
        if (!blob_.empty()) s->ReadBuffer(blob_.data(), static_cast<int32_t>(blob_.size()));
      },
      [this](TStream* s) {
        if (!blob_.empty()) s->WriteBuffer(blob_.data(), static_cast<int32_t>(blob_.size()));
      },
      ancestor ? blob_ != ancestor->blob_ : !blob_.empty());
  Filer->DefineProperty("OldWidth", [this](TReader* r) { SetWidth(r->ReadInteger() * 2); }, nullptr, false);
}

void TWidget::GetChildren(const TGetChildProc& Proc, TComponent*) {
  const std::vector<TWidget*> children = children_;
  for (TWidget* c : children) Proc(c);
}

ZYL_CLASS_IMPL(TLabeledWidget) {}

TLabeledWidget::TLabeledWidget(TComponent* AOwner) : inherited(AOwner), label_(new TWidget(this)) {
  label_->SetName("SubLabel");
}

void TLabeledWidget::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "SubLabel", [this](TStream* s) { s->ReadComponent(label_); },
      [this](TStream* s) { s->WriteComponent(label_); }, true);
}

ZYL_CLASS_IMPL(TTestForm) {
  b.Prop("Tag2", &TTestForm::Tag2, &TTestForm::SetTag2).Default(0)
   .Method("WidgetClick", &TTestForm::WidgetClick)
   .Method("OtherClick", &TTestForm::OtherClick)
   .Field("Widget1", &TTestForm::Widget1);
}

void TTestForm::GetChildren(const TGetChildProc& Proc, TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* w = dynamic_cast<TWidget*>(Components(i));
    if (!w || !w->ParentWidget()) Proc(Components(i));
  }
}

void TTestForm::Loaded() {
  ++loadedCalls_;
  inherited::Loaded();
}

void RegisterFilerTestClasses() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterClasses({TWidget::StaticClass(), TLabeledWidget::StaticClass(), TTestForm::StaticClass()});
  });
}

std::string WriteRoot(TComponent* Root, TComponent* Ancestor) {
  return WriteComponentToBytes(Root, Ancestor);
}

TComponent* ReadRoot(const std::string& Bytes, TComponent* Root) {
  RegisterFilerTestClasses();
  return ReadComponentFromBytes(Bytes, Root);
}

}  // namespace filertest
