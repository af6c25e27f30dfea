#include "edits/ZYLImageBoxSettings.h"

#include "edits/ZYLImageItems.h"
#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"

namespace zyl {

TZYLImageBoxSettings::TZYLImageBoxSettings(vcl::TComponent* Box)
    : TZYLImageListClient(Box, irListed) {}

TZYLImageBoxSettings::~TZYLImageBoxSettings() = default;

void TZYLImageBoxSettings::SetLayout(TZYLGlyphTextLayout* Value) { FLayout->Assign(Value); }

int TZYLImageBoxSettings::ImageCount() const {
  return imageitems::ImageCount(FImageList, FListIndex);
}

}  // namespace zyl
