#include "system/ZYLHideNonVC.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "foundation/ZYLFormUtils.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

namespace {

IZYLIconWindows* gIconWindows = nullptr;

bool Designing(const vcl::TComponent* c) { return c->ComponentState().contains(vcl::csDesigning); }

// The icon windows of a form's components, walked once: each component's place among the
// windows of class "TContainer" (ZYLGetNonVCIndex) and the z-order places of those windows.
class TContainerTable {
 public:
  explicit TContainerTable(vcl::TCustomForm* Form) : form_(Form) {
    if (!gIconWindows || !Form) return;
    for (int i = Form->ComponentCount() - 1; i >= 0; --i) {
      vcl::TComponent* c = Form->Components(i);
      nonVC_.emplace(c, valid_);
      if (ZYLCheckValidComponent(c, Form)) ++valid_;
    }
    const int count = gIconWindows->Count(Form);
    for (int i = 0; i < count; ++i)
      if (vcl::SameText(gIconWindows->ClassName(Form, i).substr(0, 64), "TContainer"))
        containers_.push_back(i);
  }

  // The z-order place of the component's icon window, after checking its size; -1 when there
  // is none (or the component is a hider).
  int Find(vcl::TComponent* Component) const {
    if (!gIconWindows || !form_ || dynamic_cast<TZYLHideNonVC*>(Component)) return -1;
    const auto at = nonVC_.find(Component);
    const size_t wanted = at == nonVC_.end() ? valid_ : at->second;
    if (wanted >= containers_.size()) return -1;
    const int i = containers_[wanted];
    const vcl::TRect r = gIconWindows->Bounds(form_, i);
    if (r.Width() != defComWidth || r.Height() != defComWidth)
      throw vcl::Exception(vcl::SZYLHideCaptionsShown);
    return i;
  }

 private:
  vcl::TCustomForm* form_;
  std::unordered_map<const vcl::TComponent*, size_t> nonVC_;
  size_t valid_ = 0;
  std::vector<int> containers_;
};

void MoveContainer(vcl::TCustomForm* Form, int Index, int X, int Y) {
  if (Index >= 0) gIconWindows->Move(Form, Index, X, Y);
}

// DesignInfo packs the icon's place as a point in an LPARAM: signed low and high words.
int DesignLeft(const vcl::TComponent* c) { return win::GET_X_LPARAM(c->DesignInfo()); }
int DesignTop(const vcl::TComponent* c) { return win::GET_Y_LPARAM(c->DesignInfo()); }

}  // namespace

void ZYLSetIconWindows(IZYLIconWindows* Host) { gIconWindows = Host; }
IZYLIconWindows* ZYLIconWindows() { return gIconWindows; }

bool ZYLCheckValidComponent(vcl::TComponent* Component, vcl::TComponent* Form) {
  return Component && !dynamic_cast<vcl::TControl*>(Component) && Component != Form &&
         !Component->HasParent();
}

int ZYLGetNonVCIndex(vcl::TComponent* Form, vcl::TComponent* Component) {
  int count = 0;
  for (int i = Form->ComponentCount() - 1; i >= 0; --i) {
    vcl::TComponent* c = Form->Components(i);
    if (c == Component) break;
    if (ZYLCheckValidComponent(c, Form)) ++count;
  }
  return count;
}

void ZYLRemoveContainer(vcl::TCustomForm* Form, vcl::TComponent* Component) {
  MoveContainer(Form, TContainerTable(Form).Find(Component), -40, 0);
}

void ZYLShowContainer(vcl::TCustomForm* Form, vcl::TComponent* Component) {
  MoveContainer(Form, TContainerTable(Form).Find(Component), DesignLeft(Component),
                DesignTop(Component));
}

// ---------------------------------------------------------------------------------------------
// TZYLHideNonVC

ZYL_CLASS_IMPL(TZYLHideNonVC) {
  b.Publish("About")
      .Prop("UseTagInfo", &TZYLHideNonVC::UseTagInfo, &TZYLHideNonVC::SetUseTagInfo)
      .Default(true);
}

TZYLHideNonVC::TZYLHideNonVC(vcl::TComponent* AOwner) : inherited(AOwner) {
  if (Designing(this) && ZYLCheckForSameClass(AOwner, ClassType(), false))
    throw ZYLEOneInstError(ClassName(), ZYLEOneInstError::okInvalidOwner);
}

TZYLHideNonVC::~TZYLHideNonVC() {
  FOnNewComponent = nullptr;
  vcl::TComponent* owner = Owner();
  if (!owner || !Designing(this) || owner->ComponentState().contains(vcl::csDestroying)) return;
  const TContainerTable windows(OwnerForm());
  for (int i = owner->ComponentCount() - 1; i >= 0; --i) {
    vcl::TComponent* c = owner->Components(i);
    if (!ZYLCheckValidComponent(c, owner) || !IsHidden(c)) continue;
    // A destructor cannot refuse: with captions shown the icon stays where it is, but the
    // component gets its place back and shows there when the form is next opened.
    const int window = [&] {
      try {
        return windows.Find(c);
      } catch (const vcl::Exception&) {
        return -1;
      }
    }();
    Unmark(c);
    MoveContainer(OwnerForm(), window, DesignLeft(c), DesignTop(c));
  }
}

vcl::TCustomForm* TZYLHideNonVC::OwnerForm() const {
  return dynamic_cast<vcl::TCustomForm*>(Owner());
}

bool TZYLHideNonVC::IsHidden(const vcl::TComponent* Component) {
  return Component->DesignInfo() == defHideX;
}

void TZYLHideNonVC::HideComponent(vcl::TComponent* Component) { HideComponents({Component}); }

void TZYLHideNonVC::ShowComponent(vcl::TComponent* Component) { ShowComponents({Component}); }

void TZYLHideNonVC::HideComponents(const std::vector<vcl::TComponent*>& Components) {
  const TContainerTable windows(OwnerForm());
  for (vcl::TComponent* c : Components) {
    // A hider never hides itself: its icon is the way to its window.
    if (IsHidden(c) || dynamic_cast<TZYLHideNonVC*>(c)) continue;
    const int window = windows.Find(c);
    if (FUseTagInfo) {
      RememberTag(c);
      c->SetTag(c->DesignInfo());
    }
    c->SetDesignInfo(defHideX);
    MoveContainer(OwnerForm(), window, -40, 0);
  }
}

void TZYLHideNonVC::ShowComponents(const std::vector<vcl::TComponent*>& Components) {
  const TContainerTable windows(OwnerForm());
  for (vcl::TComponent* c : Components) {
    if (!IsHidden(c)) continue;
    const int window = windows.Find(c);
    Unmark(c);
    MoveContainer(OwnerForm(), window, DesignLeft(c), DesignTop(c));
  }
}

int32_t TZYLHideNonVC::UserTag(vcl::TComponent* Component) {
  ResolveUserTags();
  const auto at = FUserTags.find(Component);
  return at == FUserTags.end() ? 0 : at->second.Tag;
}

void TZYLHideNonVC::RememberTag(vcl::TComponent* Component) {
  ResolveUserTags();
  FUserTags.insert_or_assign(Component, TUserTag{FNextOrder++, Component->Tag()});
}

// The place waits in Tag when the component was hidden with UseTagInfo (a remembered Tag says
// so) or UseTagInfo is on now (forms hidden before Tags were remembered); Tag then gets the
// user's value back.
void TZYLHideNonVC::Unmark(vcl::TComponent* Component) {
  ResolveUserTags();
  const auto it = FUserTags.find(Component);
  const bool remembered = it != FUserTags.end();
  if (!FUseTagInfo && !remembered) {
    Component->SetDesignInfo(0);
    return;
  }
  Component->SetDesignInfo(Component->Tag() != 0 ? Component->Tag() : 0);
  Component->SetTag(remembered ? it->second.Tag : 0);
  if (remembered) FUserTags.erase(it);
}

void TZYLHideNonVC::ResolveUserTags() {
  if (FPendingTags.empty() || !Owner() || ComponentState().contains(vcl::csLoading)) return;
  std::vector<std::pair<std::string, int32_t>> unresolved;
  for (auto& [name, tag] : FPendingTags) {
    if (vcl::TComponent* c = Owner()->FindComponent(name))
      FUserTags.emplace(c, TUserTag{FNextOrder++, tag});
    else
      unresolved.emplace_back(std::move(name), tag);
  }
  FPendingTags = std::move(unresolved);
}

void TZYLHideNonVC::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove) {
    FUserTags.erase(AComponent);
    return;
  }
  if (Designing(this) && AComponent != this && ZYLCheckValidComponent(AComponent, Owner()) &&
      FOnNewComponent)
    FOnNewComponent(this, AComponent);
}

// The remembered Tags are written as a list of (name, tag) pairs under "UserTags".
void TZYLHideNonVC::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  ResolveUserTags();
  Filer->DefineProperty(
      "UserTags", [this](vcl::TReader* r) { ReadUserTags(r); },
      [this](vcl::TWriter* w) { WriteUserTags(w); }, !FUserTags.empty() || !FPendingTags.empty());
}

void TZYLHideNonVC::ReadUserTags(vcl::TReader* Reader) {
  FUserTags.clear();
  FPendingTags.clear();
  Reader->ReadListBegin();
  while (!Reader->EndOfList()) {
    std::string name = Reader->ReadString();
    const int32_t tag = Reader->ReadInteger();
    FPendingTags.emplace_back(std::move(name), tag);
  }
  Reader->ReadListEnd();
}

void TZYLHideNonVC::WriteUserTags(vcl::TWriter* Writer) {
  Writer->WriteListBegin();
  std::vector<std::pair<uint64_t, vcl::TComponent*>> remembered;
  for (const auto& [c, tag] : FUserTags) remembered.emplace_back(tag.Order, c);
  std::sort(remembered.begin(), remembered.end());
  for (const auto& [order, c] : remembered) {
    Writer->WriteString(c->Name());
    Writer->WriteInteger(FUserTags.at(c).Tag);
  }
  for (const auto& [name, tag] : FPendingTags) {
    Writer->WriteString(name);
    Writer->WriteInteger(tag);
  }
  Writer->WriteListEnd();
}

}  // namespace zyl
