#include "foundation/ZYLBaseController.h"

#include <algorithm>

#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLChangeLink) {}

TZYLChangeLink::~TZYLChangeLink() { Unregister(); }

void TZYLChangeLink::Unregister() {
  if (FController) FController->UnRegisterChanges(this);
}

void TZYLChangeLink::Change() {
  if (FOnChange) FOnChange(FSender);
}

ZYL_CLASS_IMPL(TZYLBaseController) {}

TZYLBaseController::TZYLBaseController(vcl::TComponent* AOwner) : inherited(AOwner) {}

TZYLBaseController::~TZYLBaseController() {
  while (!FLinks.empty()) UnRegisterChanges(FLinks.back());
}

void TZYLBaseController::RegisterChanges(TZYLChangeLink* Link) {
  if (!Link) return;
  if (Link->FController && Link->FController != this) Link->FController->UnRegisterChanges(Link);
  if (std::find(FLinks.begin(), FLinks.end(), Link) == FLinks.end()) FLinks.push_back(Link);
  Link->FController = this;
  Link->FSender = this;
}

void TZYLBaseController::UnRegisterChanges(TZYLChangeLink* Link) {
  auto it = std::find(FLinks.begin(), FLinks.end(), Link);
  if (it == FLinks.end()) return;
  FLinks.erase(it);
  Link->FController = nullptr;
  Link->FSender = nullptr;
}

void TZYLBaseController::Change() {
  if (IsUpdating()) return;
  inherited::Change();
  // A handler may unregister links: walk a copy, skipping links gone meanwhile.
  const std::vector<TZYLChangeLink*> links = FLinks;
  for (TZYLChangeLink* l : links)
    if (std::find(FLinks.begin(), FLinks.end(), l) != FLinks.end()) l->Change();
}

}  // namespace zyl
