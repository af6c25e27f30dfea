#include "foundation/ZYLImageListClient.h"

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLObject.h"

namespace zyl {

TZYLImageListClient::TZYLImageListClient(vcl::TComponent* Client, TIndexRule Rule)
    : FClient(Client), FIndexRule(Rule) {}

TZYLImageListClient::~TZYLImageListClient() = default;

void TZYLImageListClient::SetImageList(TZYLCustomImageList* Value) {
  if (ZYLLinkImageList(FClient, FChangeLink, FImageList, Value)) GetIMLChange(FImageList);
}

void TZYLImageListClient::SetIndex(int Index, int Value) {
  if (FIndexRule == irListed && Value < 0) return;
  if (!ZYLStoreValue(Index == iiImageIndex ? FImageIndex : FListIndex, Value)) return;
  if (FIndexRule == irAny || FImageList) GetIMLChange(FClient);
}

bool TZYLImageListClient::ForgetRemovedList(vcl::TComponent* AComponent,
                                            vcl::TOperation Operation) {
  return ZYLImageListRemoved(FChangeLink, FImageList, AComponent, Operation);
}

void TZYLImageListClient::ReleaseImageList() {
  ZYLLinkImageList(FClient, FChangeLink, FImageList, nullptr);
  FChangeLink.reset();
}

bool TZYLImageListClient::IMLEmpty() const {
  return !FImageList || !FImageList->IsValidItem(FListIndex, FImageIndex);
}

bool TZYLImageListClient::IsImageListStored() const { return ZYLIsReferenceStored(FImageList); }

}  // namespace zyl
