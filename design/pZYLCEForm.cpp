#include "design/pZYLCEForm.h"

#include <functional>
#include <string>

#include "design/pZYLCEVerbs.h"
#include "platform/controls/Forms.h"
#include "system/ZYLCustomFormFill.h"
#include "system/ZYLFormA.h"
#include "system/ZYLFormFill.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TComponentEditor;

namespace {

// A verb that sets the form component's limits from the designed form (its owner); it does
// nothing, and is not reported, while that form is minimized.
TZYLVerb FormBoundsVerb(const std::string& Caption,
                        const std::function<void(TZYLForm*, vcl::TCustomForm*)>& Set) {
  return ZYLVerb(Caption, [Set](TComponentEditor& e) {
    auto* component = ZYLComponentAs<TZYLForm>(e);
    auto* form = dynamic_cast<vcl::TCustomForm*>(component->Owner());
    if (!form) throw vcl::EInvalidCast(vcl::SInvalidCast);
    if (form->WindowState() == vcl::wsMinimized) return false;
    Set(component, form);
    return true;
  });
}

// "<Name> [..]": the styler's option in or out of Options.
TZYLVerb OptionVerb(const std::string& Name, TZYLFormStyleOption Option) {
  return {[Name, Option](TComponentEditor& e) {
            return Name + BoolStr[ZYLComponentAs<TZYLFormStyler>(e)->Options().contains(Option)];
          },
          [Option](TComponentEditor& e) {
            auto* styler = ZYLComponentAs<TZYLFormStyler>(e);
            const TZYLFormStyleOptions options = styler->Options();
            styler->SetOptions(options.contains(Option) ? options - Option : options + Option);
            return true;
          }};
}

}  // namespace

TZYLVerbs TZYLFormComponentEditor::Verbs() {
  return {
      ZYLToggleVerb("AcceptFiles"),
      ZYLToggleVerb("Enabled"),
      FormBoundsVerb("Set maximized values",
                     [](TZYLForm* c, vcl::TCustomForm* f) {
                       c->SetMaximizedRect({f->Left(), f->Top(), f->Width(), f->Height()});
                     }),
      FormBoundsVerb("Set TrackMaxWidth + Height",
                     [](TZYLForm* c, vcl::TCustomForm* f) {
                       c->SetTrackMaxValues({f->Width(), f->Height()});
                     }),
      FormBoundsVerb("Set TrackMinWidth + Height",
                     [](TZYLForm* c, vcl::TCustomForm* f) {
                       c->SetTrackMinValues({f->Width(), f->Height()});
                     }),
      ZYLVerb("Reset",
              [](TComponentEditor& e) {
                auto* c = ZYLComponentAs<TZYLForm>(e);
                c->SetMaximizedRect({0, 0, 0, 0});
                c->SetTrackMaxValues({0, 0});
                c->SetTrackMinValues({0, 0});
                return true;
              }),
  };
}

TZYLVerbs TZYLFormStylerComponentEditor::Verbs() {
  return {
      ZYLToggleVerb("Enabled"),
      ZYLSettingsVerb("Font"),
      ZYLSettingsVerb("Font3D"),
      OptionVerb("AdjustRect", fsAdjustRect),
      OptionVerb("UseDefaultFont", fsUseDefaultFont),
      OptionVerb("InactiveGradient", fsInactiveGradient),
      OptionVerb("DrawCaptionEvent", fsDrawCaptionEvent),
      OptionVerb("UseFormCaption", fsUseFormCaption),
  };
}

TZYLVerbs TZYLFormFillComponentEditor::Verbs() {
  const bool fill = dynamic_cast<TZYLFormFill*>(Component()) != nullptr;
  TZYLVerbs verbs = {fill ? ZYLSettingsVerb("FillObject") : ZYLImageListVerb(),
                     ZYLToggleVerb("DefaultFill"), ZYLToggleVerb("Enabled")};
  if (fill) verbs.push_back(ZYLImageListVerb());
  return verbs;
}

TZYLVerbs TZYLShadowComponentEditor::Verbs() {
  return {ZYLSettingsVerb("Shadow"), ZYLToggleVerbAs("ShowInActive", "ShowInActive ")};
}

TZYLVerbs TZYLFormDisplayComponentEditor::Verbs() {
  return TZYLVerbMenu()
      .Settings("Bevel")
      .Color()
      .Toggle("Enabled")
      .Toggle("SaveResources")
      .Toggle("UseResForms")
      .Take();
}

}  // namespace zyl
