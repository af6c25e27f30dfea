#include "foundation/ZYLImageListClient.h"

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLObject.h"

namespace zyl {

TZYLImageListClient::TZYLImageListClient(vcl::TComponent* Client) : FClient(Client) {}

TZYLImageListClient::~TZYLImageListClient() = default;

void TZYLImageListClient::SetImageList(TZYLCustomImageList* Value) {
  if (ZYLLinkImageList(FClient, FChangeLink, FImageList, Value)) GetIMLChange(FImageList);
}

void TZYLImageListClient::SetIndex(int Index, int Value) {
  if (ZYLStoreValue(Index == iiImageIndex ? FImageIndex : FListIndex, Value)) GetIMLChange(FClient);
}

bool TZYLImageListClient::IMLEmpty() const {
  return !FImageList || !FImageList->IsValidItem(FListIndex, FImageIndex);
}

bool TZYLImageListClient::IsImageListStored() const {
  return FImageList && !ZYLIsGlobalIdent(FImageList);
}

}  // namespace zyl
