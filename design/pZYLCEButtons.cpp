#include "design/pZYLCEButtons.h"

#include <functional>
#include <memory>

#include "buttons/ZYLAssist.h"
#include "design/pZYLCEVerbs.h"
#include "platform/designer/DesignIntf.h"

namespace zyl {

using vcl::TComponentEditor;

TZYLVerbs TZYLSimplePanelComponentEditor::Verbs() {
  TZYLVerbs verbs;
  ZYLAddIfHas(verbs, Component(), "Bevel", ZYLSettingsVerb("Bevel"));
  ZYLAddIfHas(verbs, Component(), "Color", ZYLColorVerb());
  ZYLAddIfHas(verbs, Component(), "Enabled", ZYLToggleVerb("Enabled"));
  ZYLAddIfHas(verbs, Component(), "Font", ZYLSettingsVerb("Font"));
  ZYLAddIfHas(verbs, Component(), "Transparent", ZYLToggleVerb("Transparent"));
  return verbs;
}

TZYLVerbs TZYLBackPanelComponentEditor::Verbs() {
  TZYLVerbs verbs;
  ZYLAddIfHas(verbs, Component(), "ImageList", ZYLImageListVerb());
  ZYLAddIfHas(verbs, Component(), "Font", ZYLSettingsVerb("Font"));
  ZYLAddIfHas(verbs, Component(), "Bevel", ZYLSettingsVerb("Bevel"));
  ZYLAddIfHas(verbs, Component(), "Transparent", ZYLToggleVerb("Transparent"));
  return verbs;
}

TZYLVerbs TZYLPanelFillComponentEditor::Verbs() {
  TZYLVerbs verbs;
  ZYLAddIfHas(verbs, Component(), "ImageList", ZYLImageListVerb());
  ZYLAddIfHas(verbs, Component(), "FillObject", ZYLSettingsVerb("FillObject"));
  ZYLAddIfHas(verbs, Component(), "Bevel", ZYLSettingsVerb("Bevel"));
  ZYLAddIfHas(verbs, Component(), "Caption", ZYLCaptionVerb());
  ZYLAddIfHas(verbs, Component(), "Enabled", ZYLToggleVerb("Enabled"));
  ZYLAddIfHas(verbs, Component(), "Font", ZYLSettingsVerb("Font"));
  ZYLAddIfHas(verbs, Component(), "FontFX", ZYLSettingsVerb("FontFX"));
  return verbs;
}

TZYLAssist* TZYLAssistComponentEditor::Wizard() {
  if (auto* wizard = dynamic_cast<TZYLAssist*>(Component())) return wizard;
  if (auto* page = dynamic_cast<TZYLAssistPage*>(Component())) return page->AssistControl();
  return nullptr;
}

TZYLVerbs TZYLAssistComponentEditor::Verbs() {
  NewPageOnly = false;
  TZYLAssist* wizard = Wizard();
  // A page outside any wizard, or another component: nothing to offer.
  if (!wizard) return {};
  // Each page verb runs on the wizard, then reports and selects its active page.
  auto pageVerb = [](const char* caption, std::function<void(TZYLAssist*, TComponentEditor&)> run) {
    return ZYLVerb(caption, [run](TComponentEditor& e) {
      TZYLAssist* w = static_cast<TZYLAssistComponentEditor&>(e).Wizard();
      run(w, e);
      if (vcl::IFormDesigner* designer = e.GetDesigner()) {
        designer->Modified();
        if (w->ActivePage()) designer->SelectComponent(w->ActivePage());
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
  if (wizard->GetCount() <= 1) {
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
