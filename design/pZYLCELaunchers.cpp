// The launchers the component editors' verbs call, installed while the unit is entered: the
// settings-object launcher of each class a verb edits (one table), the image picker of the
// image-list verbs and the multimedia button's face editor.
#include <utility>
#include <vector>

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
#include "foundation/ZYLCont.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

namespace {

struct TLauncherRow {
  vcl::TClass Class;
  TZYLSettingsLauncher Launcher;
};

template <class T>
TLauncherRow Row(bool (*Launcher)(T*)) {
  return {T::StaticClass(),
          [Launcher](vcl::TPersistent* p) { return Launcher(static_cast<T*>(p)); }};
}

// Every settings object a verb edits, with the launcher of its class.
std::vector<TLauncherRow> LauncherRows() {
  return {
      Row(&ZYLCPGetBevel),
      Row(&ZYLCPGetSimpleBevel),
      Row(&ZYLCPGetShadow),
      Row(&ZYLCPGetTeeth),
      Row(&ZYLCPGetSmallBar),
      Row(&ZYLCPGetGradient),
      Row(&ZYLCPGetFillObject),
      Row(&ZYLCPGetShapeFill),
      Row(&ZYLCPGetFont3D),
      Row(&ZYLCPGetFontFx),
      Row(&ZYLCPGetButtonLayout),
      Row(&ZYLCPGetGlyphTextLayout),
      Row(&ZYLCPGetTransparent),
      Row(&ZYLCPGetLED),
      Row(&ZYLCPGetDateTime),
      Row(&ZYLCPGetDateList),
      Row(&ZYLCPGetWave),
      Row(&ZYLCPGetBrush),
      Row(&ZYLCPGetFont),
      Row(&ZYLCPGetBitmap),
      // A caption is edited with its multi-line box shown.
      {TZYLCaption::StaticClass(),
       [](vcl::TPersistent* p) { return ZYLCPGetZYLCaption(static_cast<TZYLCaption*>(p), true); }},
  };
}

struct TInstalled {
  std::vector<vcl::TClass> Classes;
  TZYLImageListPicker Picker;
  TZYLButtonFaceMMLauncher FaceEditor;
};

TInstalled& Installed() {
  static TInstalled installed;
  return installed;
}

}  // namespace

void ZYLInstallEditorLaunchers() {
  TInstalled& in = Installed();
  for (TLauncherRow& r : LauncherRows()) {
    ZYLRegisterSettingsLauncher(r.Class, std::move(r.Launcher));
    in.Classes.push_back(r.Class);
  }
  in.Picker = ZYLSetImageListPicker(&ZYLCPGetIMLExt);
  in.FaceEditor = ZYLSetButtonFaceMMLauncher([](TZYLMMButton* Button, TZYLCustomImageList* List) {
    return ZYLCPGetButtonFaceMM(Button, List);
  });
}

void ZYLRemoveEditorLaunchers() {
  TInstalled& in = Installed();
  for (vcl::TClass c : in.Classes) ZYLUnregisterSettingsLauncher(c);
  in.Classes.clear();
  ZYLSetImageListPicker(std::exchange(in.Picker, nullptr));
  ZYLSetButtonFaceMMLauncher(std::exchange(in.FaceEditor, nullptr));
}

}  // namespace zyl
