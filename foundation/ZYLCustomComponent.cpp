#include "foundation/ZYLCustomComponent.h"

#include "platform/classes/TypeInfo.h"

namespace zyl {

namespace {
TZYLThemeQuery themeQuery = nullptr;
}

void ZYLSetThemeQuery(TZYLThemeQuery Query) { themeQuery = Query; }

bool ZYLUseXPThemesQuery() { return themeQuery && themeQuery(); }

ZYL_CLASS_IMPL(TZYLCustomComponent) {
  b.Prop("About", &TZYLCustomComponent::About, &TZYLCustomComponent::SetAbout, AboutVarTypeInfo())
      .Stored(false);
}

TZYLCustomComponent::TZYLCustomComponent(vcl::TComponent* AOwner) : inherited(AOwner) {}

void TZYLCustomComponent::EndUpdate(bool DoChange) {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0 && DoChange) Change();
}

void TZYLCustomComponent::Change() {
  if (!IsUpdating() && FOnChange) FOnChange(this);
}

void TZYLCustomComponent::GetChange(vcl::TObject* /*Sender*/) { Change(); }

bool TZYLCustomComponent::UseXP() const { return FCtlXP && ZYLUseXPThemesQuery(); }

}  // namespace zyl
