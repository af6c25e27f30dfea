// The frame of the library's component editors: an editor lists its verbs once per use as a
// table (TZYLVerbs, made for the component at hand), and TZYLVerbEditor answers the designer's
// GetVerbCount, GetVerb and ExecuteVerb from that table, so that caption and action of a menu
// index never disagree. After a verb has run the designer hears of one modification, unless the
// verb says not to (a launcher the user cancelled, verbs marked unreported).
//
// The standard kinds of verb are made by the ZYL*Verb functions below, each on a property named
// as the component publishes it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/designer/DesignEditors.h"
#include "platform/graphics/Colors.h"
#include "platform/sys/Packages.h"

namespace zyl {

// Appended to a toggle verb's property name, indexed by the property's value.
extern const char* const BoolStr[2];

// True when the component's class name contains "TZYLDB" (the data-aware variants).
bool ZYLCPIsDBControl(vcl::TComponent* AComponent);
// The colour dialog on Color with a custom-colour list of its own (freed however the dialog
// ends); the colour it answers.
vcl::TColor ZYLCPGetColorCP(vcl::TColor Color);

// One entry of a component's context menu.
struct TZYLVerb {
  std::function<std::string(vcl::TComponentEditor&)> Caption;
  // Carries the verb out; answers whether the designer is to hear of a modification.
  std::function<bool(vcl::TComponentEditor&)> Execute;
};
using TZYLVerbs = std::vector<TZYLVerb>;

// Toggle: "<Prop> [True]" or "<Prop> [False]"; sets the property to the other value.
TZYLVerb ZYLToggleVerb(const std::string& Prop);
// Colour: "<Prop>"; the colour dialog's answer is stored, confirmed or not.
TZYLVerb ZYLColorVerb(const std::string& Prop = "Color");
// Settings object: "<Prop>" (or Caption); the launcher of the object's class edits the
// component's own object; reported only when the launcher answers true.
TZYLVerb ZYLSettingsVerb(const std::string& Prop, const std::string& Caption = std::string());
// Value choice: "<Prop>"; the developer chooses a value of the enumerated or set property in
// a list (TZYLValueChoiceDlg); reported whether chosen or not.
TZYLVerb ZYLValueChoiceVerb(const std::string& Prop);
// Caption: "Caption"; the component's text goes through the string editor (any length).
TZYLVerb ZYLCaptionVerb();
// Strings in the code editor: "<Caption>"; the module "<Root>.<Component><Suffix>" (Suffix
// ".Items" or ".Ident") is brought to the front when the code editor holds it, otherwise the
// strings editor edits the component's string list Prop (its "Code" button opens that module).
// Reported when the module was shown or the list changed.
TZYLVerb ZYLStringsVerb(const std::string& Caption, const std::string& Prop,
                        const std::string& Suffix);
// Separator: "-", does nothing.
TZYLVerb ZYLSeparatorVerb();
// Event: "OnClick..." or the like; what double-clicking the component does (Edit).
TZYLVerb ZYLEventVerb(const std::string& Caption);
// Themes: "CtlXP [..]" toggles the component's themed drawing; "Form: Update CtlXP property"
// gives every themable component of the owner the component's setting; "Make Bevel CtlXP
// compatible" sets the Bevel's mode to bmWindows.
TZYLVerb ZYLCtlXPVerb();
TZYLVerb ZYLUpdateFormCtlXPVerb();
TZYLVerb ZYLBevelCtlXPVerb();
// A verb with its own caption and action (the action answers whether to report).
TZYLVerb ZYLVerb(const std::string& Caption,
                 const std::function<bool(vcl::TComponentEditor&)>& Execute);
// The same verb without a report.
TZYLVerb ZYLUnreported(TZYLVerb Verb);
// For a data-aware component (ZYLCPIsDBControl) the verb shows DBCaption and does nothing;
// Reported says whether that nothing is still reported.
TZYLVerb ZYLNotForDB(TZYLVerb Verb, const std::string& DBCaption, bool Reported = false);
extern const char* const SZYLDBNoCaption;  // "[DB] No caption available"
extern const char* const SZYLDBNoBitmap;   // "[DB] No bitmap"

// The launcher a settings object of a class (or of a descendant) is edited with: it edits the
// object in place and answers whether the user accepted.
using TZYLSettingsLauncher = std::function<bool(vcl::TPersistent*)>;
void ZYLRegisterSettingsLauncher(vcl::TClass ObjectClass, TZYLSettingsLauncher Launcher);
void ZYLUnregisterSettingsLauncher(vcl::TClass ObjectClass);
// Raises EPropertyError naming the class when no launcher edits objects of its class.
TZYLSettingsLauncher ZYLSettingsLauncherOf(vcl::TPersistent* Object);

// The editor of a component whose verbs are a table: Verbs() makes it for the component (the
// designer asks GetVerbCount first; GetVerb and ExecuteVerb make it when it was not asked).
template <class Base = vcl::TComponentEditor>
class TZYLVerbEditor : public Base {
 public:
  using Base::Base;
  int GetVerbCount() override {
    verbs_ = Verbs();
    made_ = true;
    return static_cast<int>(verbs_.size());
  }
  std::string GetVerb(int Index) override {
    const TZYLVerb* verb = At(Index);
    return verb ? verb->Caption(*this) : std::string();
  }
  void ExecuteVerb(int Index) override {
    const TZYLVerb* verb = At(Index);
    if (!verb) return;
    // A copy: the verb may change what the table would hold.
    const TZYLVerb run = *verb;
    if (run.Execute(*this) && this->GetDesigner()) this->GetDesigner()->Modified();
  }

 protected:
  virtual TZYLVerbs Verbs() = 0;

 private:
  const TZYLVerb* At(int Index) {
    if (!made_) GetVerbCount();
    if (Index < 0 || Index >= static_cast<int>(verbs_.size())) return nullptr;
    return &verbs_[static_cast<size_t>(Index)];
  }
  TZYLVerbs verbs_;
  bool made_ = false;
};

// For an EditProperty override: when the property editor's name is Name (ignoring case), runs
// its Edit and clears Continue; answers whether it did.
bool ZYLEditPropertyNamed(vcl::TPropertyEditor* PropertyEditor, const std::string& Name,
                          bool& Continue);

// The unit's initialization and finalization count how often it was entered. The first entry
// installs the package's launchers (ZYLInstallEditorLaunchers: the settings-object launcher of
// every class a verb edits, the image picker, the multimedia face editor); the last leaving
// removes them and gives back the picker and face editor set before.
void pZYLCEInit();
void pZYLCEDone();
inline constexpr vcl::TUnitEntry pZYLCEUnit{"pZYLCE", &pZYLCEInit, &pZYLCEDone};
int ZYLCEUnitEntries();
void ZYLInstallEditorLaunchers();
void ZYLRemoveEditorLaunchers();

}  // namespace zyl
