#include "edits/ZYLImageBoxSettings.h"

#include "edits/ZYLImageItems.h"
#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"

namespace zyl {

TZYLImageBoxSettings::TZYLImageBoxSettings(vcl::TComponent* Box) : FBox(Box) {}

TZYLImageBoxSettings::~TZYLImageBoxSettings() = default;

void TZYLImageBoxSettings::SetImageList(TZYLCustomImageList* Value) {
  if (ZYLLinkImageList(FBox, FChangeLink, FImageList, Value)) GetIMLChange(nullptr);
}

void TZYLImageBoxSettings::SetIndex(int Value) {
  if (Value < 0 || Value == FListIndex) return;
  FListIndex = Value;
  if (FImageList) GetIMLChange(nullptr);
}

void TZYLImageBoxSettings::SetLayout(TZYLGlyphTextLayout* Value) { FLayout->Assign(Value); }

bool TZYLImageBoxSettings::HasControl() const {
  return FImageList && !ZYLIsGlobalIdent(FImageList);
}

int TZYLImageBoxSettings::ImageCount() const {
  return imageitems::ImageCount(FImageList, FListIndex);
}

}  // namespace zyl
