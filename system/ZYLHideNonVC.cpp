#include "system/ZYLHideNonVC.h"

#include <algorithm>

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

// The z-order place of the component's icon window among the windows of class "TContainer",
// after checking its size; -1 when there is none (or the component is a hider).
int FindContainer(vcl::TCustomForm* Form, vcl::TComponent* Component) {
  if (!gIconWindows || !Form || dynamic_cast<TZYLHideNonVC*>(Component)) return -1;
  const int wanted = ZYLGetNonVCIndex(Form, Component);
  const int count = gIconWindows->Count(Form);
  for (int i = 0, seen = 0; i < count; ++i) {
    if (!vcl::SameText(gIconWindows->ClassName(Form, i).substr(0, 64), "TContainer")) continue;
    if (seen++ != wanted) continue;
    const vcl::TRect r = gIconWindows->Bounds(Form, i);
    if (r.Width() != defComWidth || r.Height() != defComWidth)
      throw vcl::Exception(vcl::SZYLHideCaptionsShown);
    return i;
  }
  return -1;
}

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
  MoveContainer(Form, FindContainer(Form, Component), -40, 0);
}

void ZYLShowContainer(vcl::TCustomForm* Form, vcl::TComponent* Component) {
  MoveContainer(Form, FindContainer(Form, Component), DesignLeft(Component), DesignTop(Component));
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
  for (int i = owner->ComponentCount() - 1; i >= 0; --i) {
    vcl::TComponent* c = owner->Components(i);
    if (!ZYLCheckValidComponent(c, owner) || !IsHidden(c)) continue;
    // A destructor cannot refuse: with captions shown the icon stays where it is, but the
    // component gets its place back and shows there when the form is next opened.
    const int window = [&] {
      try {
        return FindContainer(OwnerForm(), c);
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

void TZYLHideNonVC::HideComponent(vcl::TComponent* Component) {
  // A hider never hides itself: its icon is the way to its window.
  if (IsHidden(Component) || dynamic_cast<TZYLHideNonVC*>(Component)) return;
  const int window = FindContainer(OwnerForm(), Component);
  if (FUseTagInfo) {
    RememberTag(Component);
    Component->SetTag(Component->DesignInfo());
  }
  Component->SetDesignInfo(defHideX);
  MoveContainer(OwnerForm(), window, -40, 0);
}

void TZYLHideNonVC::ShowComponent(vcl::TComponent* Component) {
  if (!IsHidden(Component)) return;
  const int window = FindContainer(OwnerForm(), Component);
  Unmark(Component);
  MoveContainer(OwnerForm(), window, DesignLeft(Component), DesignTop(Component));
}

int32_t TZYLHideNonVC::UserTag(vcl::TComponent* Component) {
  ResolveUserTags();
  for (const auto& [c, tag] : FUserTags)
    if (c == Component) return tag;
  return 0;
}

void TZYLHideNonVC::RememberTag(vcl::TComponent* Component) {
  ResolveUserTags();
  std::erase_if(FUserTags, [&](const auto& e) { return e.first == Component; });
  FUserTags.emplace_back(Component, Component->Tag());
}

// The place waits in Tag when the component was hidden with UseTagInfo (a remembered Tag says
// so) or UseTagInfo is on now (forms hidden before Tags were remembered); Tag then gets the
// user's value back.
void TZYLHideNonVC::Unmark(vcl::TComponent* Component) {
  ResolveUserTags();
  auto it = std::find_if(FUserTags.begin(), FUserTags.end(),
                         [&](const auto& e) { return e.first == Component; });
  const bool remembered = it != FUserTags.end();
  if (!FUseTagInfo && !remembered) {
    Component->SetDesignInfo(0);
    return;
  }
  Component->SetDesignInfo(Component->Tag() != 0 ? Component->Tag() : 0);
  Component->SetTag(remembered ? it->second : 0);
  if (remembered) FUserTags.erase(it);
}

void TZYLHideNonVC::ResolveUserTags() {
  if (FPendingTags.empty() || !Owner() || ComponentState().contains(vcl::csLoading)) return;
  for (auto it = FPendingTags.begin(); it != FPendingTags.end();) {
    if (vcl::TComponent* c = Owner()->FindComponent(it->first)) {
      FUserTags.emplace_back(c, it->second);
      it = FPendingTags.erase(it);
    } else {
      ++it;
    }
  }
}

void TZYLHideNonVC::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove) {
    std::erase_if(FUserTags, [&](const auto& e) { return e.first == AComponent; });
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
  for (const auto& [c, tag] : FUserTags) {
    Writer->WriteString(c->Name());
    Writer->WriteInteger(tag);
  }
  for (const auto& [name, tag] : FPendingTags) {
    Writer->WriteString(name);
    Writer->WriteInteger(tag);
  }
  Writer->WriteListEnd();
}

}  // namespace zyl
