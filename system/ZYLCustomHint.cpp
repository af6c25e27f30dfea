#include "system/ZYLCustomHint.h"

#include <cstdlib>

#include "foundation/ZYL3DCaption.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/user/WinUser.h"

namespace zyl {

namespace {

// Has the application make its hint window anew, of the class now installed.
void RemakeHintWindow() {
  const bool show = vcl::Application->ShowHint();
  vcl::Application->SetShowHint(!show);
  vcl::Application->SetShowHint(show);
}

}  // namespace

// The hint settings, published by the hint components that use them.
ZYL_CLASS_IMPL(TZYLCustomHint) {
  using C = TZYLCustomHint;
  b.Declare("Color", &C::Color, &C::SetColor, vcl::ColorTypeInfo()).Default(vcl::clInfoBk)
      .Declare("Enabled", &C::Enabled, &C::SetEnabled).Default(true)
      .Declare("Font", &C::Font, &C::SetFont)
      .Declare("Font3D", &C::Font3D, &C::SetFont3D)
      .Declare("MaxWidth", &C::MaxWidth, &C::SetMaxWidth).Default(-4);
}

TZYLCustomHint::TZYLCustomHint(vcl::TComponent* AOwner) : inherited(AOwner) {
  FFont.reset(new vcl::TFont());
  FFont->SetName("MS Sans Serif");
  FFont->SetSize(8);
  FFont->SetColor(vcl::clInfoText);
  FFont3D.reset(new TZYL3DCaption());
}

TZYLCustomHint::~TZYLCustomHint() {
  FFont3D.reset();
  FFont.reset();
}

void TZYLCustomHint::SetFont(vcl::TFont* Value) {
  if (Value) FFont->Assign(Value);
}

void TZYLCustomHint::SetFont3D(TZYL3DCaption* Value) {
  if (Value) FFont3D->Assign(Value);
}

int32_t TZYLCustomHint::WrapWidth() const {
  int32_t w = FMaxWidth;
  if (w < 0) {
    const int32_t screen =
        vcl::Screen ? vcl::Screen->Width() : win::GetSystemMetrics(win::SM_CXSCREEN);
    // -2^31 has no positive counterpart: widen before taking the absolute value.
    w = static_cast<int32_t>(screen / std::llabs(static_cast<long long>(w)));
  }
  return w < 1 ? 1 : w;
}

void TZYLCustomHint::SetEnabled(bool Value) {
  FEnabled = Value;
  if (ComponentState().contains(vcl::csDesigning)) return;
  vcl::TApplication::HintWindowClass =
      FEnabled && FHintWindowClass ? FHintWindowClass : vcl::THintWindow::StaticClass();
  // The application recreates its hint window on each change of ShowHint: toggling it twice
  // brings up a window of the new class at once.
  if (vcl::Application) RemakeHintWindow();
}

void ZYLReleaseHintWindowClass(vcl::TClass OwnClass) {
  if (vcl::TApplication::HintWindowClass == OwnClass)
    vcl::TApplication::HintWindowClass = vcl::THintWindow::StaticClass();
  if (!vcl::Application) return;
  if (vcl::THintWindow* w = vcl::Application->HintWindow(); w && w->ClassType() == OwnClass)
    RemakeHintWindow();
}

void TZYLCustomHint::Loaded() {
  inherited::Loaded();
  if (FEnabled) SetEnabled(true);
}

}  // namespace zyl
