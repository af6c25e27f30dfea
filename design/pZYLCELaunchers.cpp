#include "design/pZYLCELaunchers.h"

#include <utility>

#include "buttons/ZYLMMButton.h"
#include "design/ZYLCPGet.h"
#include "design/pZYLCE.h"
#include "design/pZYLCEButtons.h"
#include "design/pZYLCEVerbs.h"
#include "design/pZYLDsgnCPGet.h"
#include "display/ZYLLED.h"
#include "display/ZYLSmallBar.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

namespace {

// A launcher of objects of class C through a routine taking a C*.
template <class C>
struct TLauncherOf {
  bool (*Edit)(C*);
  void Register() const {
    ZYLRegisterSettingsLauncher(C::StaticClass(), [edit = Edit](vcl::TPersistent* Object) {
      return edit(static_cast<C*>(Object));
    });
  }
  void Unregister() const { ZYLUnregisterSettingsLauncher(C::StaticClass()); }
};

bool EditCaption(TZYLCaption* Caption) { return ZYLCPGetZYLCaption(Caption, true); }

// Every settings class with its launcher; a class's own launcher beats its ancestor's.
template <class F>
void ForEachLauncher(F&& f) {
  f(TLauncherOf<TZYLBevel>{&ZYLCPGetBevel});
  f(TLauncherOf<TZYLShadow>{&ZYLCPGetShadow});
  f(TLauncherOf<TZYLSimpleBevel>{&ZYLCPGetSimpleBevel});
  f(TLauncherOf<TZYLTeeth>{&ZYLCPGetTeeth});
  f(TLauncherOf<vcl::TBrush>{&ZYLCPGetBrush});
  f(TLauncherOf<TZYLSmallBar>{&ZYLCPGetSmallBar});
  f(TLauncherOf<TZYLGradient>{&ZYLCPGetGradient});
  f(TLauncherOf<TZYLCaption>{&EditCaption});
  f(TLauncherOf<TZYLButtonLayout>{&ZYLCPGetButtonLayout});
  f(TLauncherOf<TZYLGlyphTextLayout>{&ZYLCPGetGlyphTextLayout});
  f(TLauncherOf<TZYLFillObject>{&ZYLCPGetFillObject});
  f(TLauncherOf<TZYLShapeFill>{&ZYLCPGetShapeFill});
  f(TLauncherOf<TZYL3DCaption>{&ZYLCPGetFont3D});
  f(TLauncherOf<TZYLFxCaption>{&ZYLCPGetFontFx});
  f(TLauncherOf<TZYLTransparent>{&ZYLCPGetTransparent});
  f(TLauncherOf<TZYLLED>{&ZYLCPGetLED});
  f(TLauncherOf<TZYLDateTime>{&ZYLCPGetDateTime});
  f(TLauncherOf<vcl::TFont>{&ZYLCPGetFont});
}

TZYLImageListPicker& PreviousPicker() {
  static TZYLImageListPicker previous;
  return previous;
}

TZYLButtonFaceMMLauncher& PreviousFaceLauncher() {
  static TZYLButtonFaceMMLauncher previous;
  return previous;
}

}  // namespace

void pZYLCELaunchersInit() {
  ForEachLauncher([](const auto& l) { l.Register(); });
  PreviousPicker() = ZYLSetImageListPicker(&ZYLCPGetIMLExt);
  PreviousFaceLauncher() =
      ZYLSetButtonFaceMMLauncher([](TZYLMMButton* Button, TZYLCustomImageList* List) {
        return ZYLCPGetButtonFaceMM(Button, List);
      });
}

void pZYLCELaunchersDone() {
  ZYLSetButtonFaceMMLauncher(std::move(PreviousFaceLauncher()));
  ZYLSetImageListPicker(std::move(PreviousPicker()));
  ForEachLauncher([](const auto& l) { l.Unregister(); });
}

}  // namespace zyl
