#include "design/pZYLCEButtons.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "buttons/ZYL3DButton.h"
#include "buttons/ZYLAssist.h"
#include "buttons/ZYLCheckBox.h"
#include "buttons/ZYLMMButton.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/ZYLCPGet.h"
#include "design/pZYLCEVerbs.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/TypeInfo.h"
#include "platform/designer/DesignIntf.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

using vcl::TComponentEditor;

namespace {

TZYLButtonFaceMMLauncher& FaceLauncher() {
  static TZYLButtonFaceMMLauncher launcher;
  return launcher;
}

// "Glyph": the open-picture dialog edits a copy of the glyph, which the button takes only when
// the dialog was confirmed.
TZYLVerb GlyphVerb() {
  return ZYLVerb("Glyph", [](TComponentEditor& e) {
    const vcl::TPropInfo* p = vcl::FindPropInfo(e.Component(), "Glyph");
    const auto copy = std::make_unique<vcl::TBitmap>();
    if (auto* glyph = dynamic_cast<vcl::TBitmap*>(vcl::GetObjectProp(e.Component(), p)))
      copy->Assign(glyph);
    if (!ZYLCPGetBitmap(copy.get())) return false;
    vcl::SetObjectProp(e.Component(), p, copy.get());
    return true;
  });
}

// The first verb of a multimedia button: with no usable face list it picks one (only the list
// is kept, a cancelled pick is not reported), otherwise the face editor edits the button.
TZYLVerb ButtonFaceVerb(TZYLMMButton* Button) {
  TZYLCustomImageList* faces = Button->ButtonFaceImageList();
  if (!faces || faces->GetCount() == 0)
    return ZYLImageListVerb("Select ButtonFace", "ButtonFaceImageList", "ListIndex", "ImageIndex",
                            TZYLImageStore::ListOnly, false);
  return ZYLVerb("ButtonFace", [](TComponentEditor& e) {
    if (!FaceLauncher())
      throw vcl::EPropertyError(vcl::Format(vcl::SZYLNoSettingsLauncher, {"TZYLMMButton"}));
    auto* button = static_cast<TZYLMMButton*>(e.Component());
    FaceLauncher()(button, button->ButtonFaceImageList());
    return true;
  });
}

}  // namespace

TZYLButtonFaceMMLauncher ZYLSetButtonFaceMMLauncher(TZYLButtonFaceMMLauncher Launcher) {
  return std::exchange(FaceLauncher(), std::move(Launcher));
}

TZYLVerbs TZYLBaseGraphicButtonComponentEditor::Verbs() {
  vcl::TComponent* c = Component();
  TZYLVerbMenu menu;
  if (auto* mm = dynamic_cast<TZYLMMButton*>(c)) {
    menu.Add(ButtonFaceVerb(mm));
  } else if (dynamic_cast<TZYLCustom3DButton*>(c)) {
    menu.Add(ZYLVerb("Button-Editor", [](TComponentEditor& e) {
      ZYLCPGetButtonFace3D(static_cast<TZYLCustom3DButton*>(e.Component()));
      return true;
    }));
  }
  menu.Add(ZYLEventVerb("OnClick..."))
      .Add(GlyphVerb())
      .Add(ZYLImageListVerb("Select Glyph", "ImageList", "ListIndex", "ImageIndex",
                            TZYLImageStore::IndicesFirst, false))
      .Caption()
      .Settings("ButtonLayout")
      .Color()
      .Toggle("Enabled")
      .Color("EnterColor")
      .Toggle("EnterColorChange")
      .Settings("Font")
      .Settings("FontFX");
  if (dynamic_cast<TZYLCustomSpeedButton*>(c)) menu.ValueChoice("ButtonStyle").Themes();
  return menu.Take();
}

TZYLVerbs TZYLCustomButtonComponentEditor::Verbs() {
  return TZYLVerbMenu()
      .Add(ZYLEventVerb("OnClick..."))
      .Add(GlyphVerb())
      .Add(ZYLImageListVerb("SelectImage", false))
      .ValueChoice("ButtonStyle")
      .Caption()
      .Settings("ButtonLayout")
      .Color()
      .Toggle("Enabled")
      .Settings("Font")
      .Settings("FontFX")
      .Themes()
      .Take();
}

TZYLVerbs TZYLButtonControlComponentEditor::Verbs() {
  const bool checkBox = dynamic_cast<TZYLCustomCheckBox*>(Component()) != nullptr;
  return TZYLVerbMenu()
      .Add(ZYLEventVerb(checkBox ? "OnChange..." : "OnClick..."))
      .Caption()
      .Settings("Alignment")
      .Add(ZYLImageListVerb())
      .Toggle("Checked")
      .Settings("Font")
      .Settings("Font3D")
      .Toggle("Transparent")
      .Take();
}

TZYLVerbs TZYLCustomButtonGroupComponentEditor::Verbs() {
  return TZYLVerbMenu()
      .Add(ZYLImageListVerb())
      .Add(ZYLImageListVerb("GlyphImageList", "GlyphImageList", "GlyphListIndex", "GlyphImageIndex",
                            TZYLImageStore::ListFirst, true))
      .Settings("Font")
      .Settings("Font3D")
      .Caption()
      .Settings("CaptionFont")
      .Settings("CaptionFont3D")
      .Toggle("Transparent")
      .Add(ZYLCodeStringsVerb("Items", "Items", ".Items"))
      .Add(ZYLSeparatorVerb())
      .Add(ZYLBevelCtlXPVerb())
      .Themes()
      .Take();
}

TZYLVerbs TZYLGroupBoxComponentEditor::Verbs() {
  return TZYLVerbMenu()
      .Add(ZYLImageListVerb())
      .Settings("Font")
      .Caption()
      .Settings("CaptionFont")
      .Settings("CaptionFont3D")
      .Toggle("Transparent")
      .Settings("Bevel")
      .Add(ZYLSeparatorVerb())
      .Add(ZYLBevelCtlXPVerb())
      .Themes()
      .Take();
}

TZYLVerbs TZYLSimplePanelComponentEditor::Verbs() {
  return TZYLVerbMenu()
      .Settings("Bevel")
      .Color()
      .Toggle("Enabled")
      .Settings("Font")
      .Toggle("Transparent")
      .Take();
}

TZYLVerbs TZYLBackPanelComponentEditor::Verbs() {
  return TZYLVerbMenu()
      .Add(ZYLImageListVerb())
      .Settings("Font")
      .Settings("Bevel")
      .Toggle("Transparent")
      .Take();
}

TZYLVerbs TZYLPanelFillComponentEditor::Verbs() {
  return TZYLVerbMenu()
      .Add(ZYLImageListVerb())
      .Settings("FillObject")
      .Settings("Bevel")
      .Caption()
      .Toggle("Enabled")
      .Settings("Font")
      .Settings("FontFX")
      .Take();
}

TZYLAssist* TZYLAssistComponentEditor::Wizard() {
  if (auto* wizard = dynamic_cast<TZYLAssist*>(Component())) return wizard;
  if (auto* page = dynamic_cast<TZYLAssistPage*>(Component())) return page->AssistControl();
  return nullptr;
}

TZYLVerbs TZYLAssistComponentEditor::Verbs() {
  NewPageOnly = false;
  TZYLAssist* wizard = Wizard();
  // Another component: nothing to offer.
  if (!wizard && !dynamic_cast<TZYLAssistPage*>(Component())) return {};
  // Each page verb runs on the wizard, then reports and selects its active page.
  auto pageVerb = [](const char* caption, std::function<void(TZYLAssist*, TComponentEditor&)> run) {
    return ZYLVerb(caption, [run](TComponentEditor& e) {
      TZYLAssist* w = static_cast<TZYLAssistComponentEditor&>(e).Wizard();
      run(w, e);
      if (vcl::IFormDesigner* designer = e.GetDesigner()) {
        designer->Modified();
        if (w && w->ActivePage()) designer->SelectComponent(w->ActivePage());
      }
      return false;  // reported above, before the selection
    });
  };
  TZYLVerb newPage = pageVerb("&New Page", [](TZYLAssist* w, TComponentEditor& e) {
    vcl::IFormDesigner* designer = e.GetDesigner();
    auto page = std::make_unique<TZYLAssistPage>(designer->Form());
    page->SetName(designer->UniqueName(TZYLAssistPage::StaticClass()->ClassName()));
    page->SetAssistControl(w);
    page.release();  // the designer's form owns it now
  });
  // A page outside any wizard makes pages outside any wizard too.
  if (!wizard || wizard->GetCount() <= 1) {
    NewPageOnly = true;
    return {newPage};
  }
  return {
      pageVerb("Ne&xt Page",
               [](TZYLAssist* w, TComponentEditor&) {
                 const int at = w->ActivePage() ? w->ActivePage()->GetPageIndex() : -1;
                 w->SetActivePage(w->GetPage(at < 0 || at == w->GetCount() - 1 ? 0 : at + 1));
               }),
      pageVerb("&Previous Page",
               [](TZYLAssist* w, TComponentEditor&) {
                 const int at = w->ActivePage() ? w->ActivePage()->GetPageIndex() : -1;
                 w->SetActivePage(w->GetPage(at <= 0 ? w->GetCount() - 1 : at - 1));
               }),
      pageVerb("&First Page", [](TZYLAssist* w, TComponentEditor&) { w->FirstPage(); }),
      pageVerb("&Last Page", [](TZYLAssist* w, TComponentEditor&) { w->LastPage(); }),
      newPage,
  };
}

}  // namespace zyl
