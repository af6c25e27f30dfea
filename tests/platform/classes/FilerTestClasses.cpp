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

ZYL_CLASS_IMPL(TStreamStyle) {
  b.Prop("Size", &TStreamStyle::Size, &TStreamStyle::SetSize)
      .Default(8)
      .Prop("FaceName", &TStreamStyle::FaceName, &TStreamStyle::SetFaceName)
      .EmptyStored()
      .Prop("Bold", &TStreamStyle::Bold, &TStreamStyle::SetBold)
      .Default(TSides{});
}

void TStreamStyle::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TStreamStyle*>(Source)) {
    size_ = s->size_;
    faceName_ = s->faceName_;
    bold_ = s->bold_;
    return;
  }
  inherited::Assign(Source);
}

ZYL_CLASS_IMPL(TStreamTab) {
  b.Prop("Text", &TStreamTab::Text, &TStreamTab::SetText)
   .Prop("Width", &TStreamTab::Width, &TStreamTab::SetWidth).Default(50)
   .Prop("Target", &TStreamTab::Target, &TStreamTab::SetTarget);
}

ZYL_CLASS_IMPL(TStreamWidget) {
  b.Prop("Width", &TStreamWidget::Width, &TStreamWidget::SetWidth).Default(10)
   .Prop("Look", &TStreamWidget::Look, &TStreamWidget::SetLook).Default(lkFlat)
   .Prop("Sides", &TStreamWidget::Sides, &TStreamWidget::SetSides).Default(TSides{sdLeft})
   .Prop("Ratio", &TStreamWidget::Ratio, &TStreamWidget::SetRatio)
   .Prop("Scale", &TStreamWidget::Scale, &TStreamWidget::SetScale)
   .Prop("Caption", &TStreamWidget::Caption, &TStreamWidget::SetCaption)
   .Prop("Letter", &TStreamWidget::Letter, &TStreamWidget::SetLetter).Default('a')
   .Prop("Big", &TStreamWidget::Big, &TStreamWidget::SetBig)
   .Prop("Enabled", &TStreamWidget::Enabled, &TStreamWidget::SetEnabled).Default(true)
   .Prop("Color", &TStreamWidget::Color, &TStreamWidget::SetColor, TestColorType()).Default(clTestFace)
   .Prop("Buddy", &TStreamWidget::Buddy, &TStreamWidget::SetBuddy)
   .Prop("OnClick", &TStreamWidget::OnClick, &TStreamWidget::SetOnClick)
   .Prop("Style", &TStreamWidget::Style, &TStreamWidget::SetStyle)
   .Prop("Tabs", &TStreamWidget::Tabs, &TStreamWidget::SetTabs)
   .Prop("Version", &TStreamWidget::Version, nullptr).Default(0);
}

TStreamWidget::TStreamWidget(TComponent* AOwner)
    : inherited(AOwner), style_(new TStreamStyle), tabs_(new TOwnedCollection(this, TStreamTab::StaticClass())) {}

TStreamWidget::~TStreamWidget() {
  Destroying();
  SetParentWidget(nullptr);
  for (TStreamWidget* c : children_) c->parentWidget_ = nullptr;
  DestroyComponents();
  delete tabs_;
  delete style_;
}

void TStreamWidget::SetBuddy(TStreamWidget* v) {
  if (buddy_ == v) return;
  if (buddy_) buddy_->RemoveFreeNotification(this);
  buddy_ = v;
  if (buddy_) buddy_->FreeNotification(this);
}

void TStreamWidget::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == buddy_) buddy_ = nullptr;
  for (int i = 0; i < tabs_->Count(); ++i) {
    auto* tab = static_cast<TStreamTab*>(tabs_->Items(i));
    if (tab->Target() == AComponent) tab->SetTarget(nullptr);
  }
}

void TStreamWidget::SetParentWidget(TStreamWidget* p) {
  if (parentWidget_ == p) return;
  if (parentWidget_) {
    auto& list = parentWidget_->children_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  parentWidget_ = p;
  if (p) p->children_.push_back(this);
}

void TStreamWidget::SetChildOrder(TComponent* Child, int Order) {
  auto it = std::find(children_.begin(), children_.end(), Child);
  if (it == children_.end()) return;
  children_.erase(it);
  Order = std::clamp(Order, 0, static_cast<int>(children_.size()));
  children_.insert(children_.begin() + Order, static_cast<TStreamWidget*>(Child));
}

std::vector<std::string>& TStreamWidget::LoadedOrder() {
  static std::vector<std::string> order;
  return order;
}

void TStreamWidget::Loaded() {
  ++loadedCalls_;
  wasLoadingAtLoaded_ = ComponentState().contains(csLoading);
  stillReadingAtLoaded_ = ComponentState().contains(csReading);
  buddyKnownAtLoaded_ = buddy_ != nullptr;
  LoadedOrder().push_back(Name());
  inherited::Loaded();
}

void TStreamWidget::ReadState(TReader* Reader) {
  // As controls do: the reader's parent becomes the parent widget.
  if (auto* p = dynamic_cast<TStreamWidget*>(Reader->Parent()); p && p != this) SetParentWidget(p);
  inherited::ReadState(Reader);
}

void TStreamWidget::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto* ancestor = dynamic_cast<TStreamWidget*>(Filer->Ancestor());
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
  if (auto* reader = dynamic_cast<TReader*>(Filer)) {
    reader->ReadRenamedProperty(this, "Shade", "Look");
    reader->ReadRenamedProperty(this, "Font", "Style");
  }
}

void TStreamWidget::GetChildren(const TGetChildProc& Proc, TComponent*) {
  const std::vector<TStreamWidget*> children = children_;
  for (TStreamWidget* c : children) Proc(c);
}

ZYL_CLASS_IMPL(TLabeledStreamWidget) {}

TLabeledStreamWidget::TLabeledStreamWidget(TComponent* AOwner) : inherited(AOwner), label_(new TStreamWidget(this)) {
  label_->SetName("SubLabel");
}

void TLabeledStreamWidget::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "SubLabel", [this](TStream* s) { s->ReadComponent(label_); },
      [this](TStream* s) { s->WriteComponent(label_); }, true);
}

ZYL_CLASS_IMPL(TStreamForm) {
  b.Prop("Tag2", &TStreamForm::Tag2, &TStreamForm::SetTag2).Default(0)
   .Method("WidgetClick", &TStreamForm::WidgetClick)
   .Method("OtherClick", &TStreamForm::OtherClick)
   .Field("Widget1", &TStreamForm::Widget1);
}

void TStreamForm::GetChildren(const TGetChildProc& Proc, TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* w = dynamic_cast<TStreamWidget*>(Components(i));
    if (!w || !w->ParentWidget()) Proc(Components(i));
  }
}

void TStreamForm::Loaded() {
  ++loadedCalls_;
  inherited::Loaded();
}

ZYL_CLASS_IMPL(TStreamFrame) {}

void TStreamFrame::GetChildren(const TGetChildProc& Proc, TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
}

void RegisterFilerTestClasses() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterClasses({TStreamWidget::StaticClass(), TLabeledStreamWidget::StaticClass(), TStreamForm::StaticClass(),
                     TStreamFrame::StaticClass()});
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
