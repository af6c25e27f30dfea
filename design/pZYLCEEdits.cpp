#include "design/pZYLCEEdits.h"

#include <functional>
#include <string>
#include <utility>

#include "design/ZYLCPGetStrings.h"
#include "design/pZYLCEVerbs.h"
#include "design/pZYLPECst.h"
#include "design/pZYLSectionEditorDlg.h"
#include "design/pZYLValueChoiceDlg.h"
#include "edits/ZYLBaseEdit.h"
#include "edits/ZYLCustomBrowseEdit.h"
#include "edits/ZYLCustomEdit.h"
#include "edits/ZYLCustomExtCombo.h"
#include "edits/ZYLCustomExtSpinEdit.h"
#include "edits/ZYLCustomImageComboBox.h"
#include "edits/ZYLCustomImageListBox.h"
#include "edits/ZYLCustomListBox.h"
#include "edits/ZYLCustomMemo.h"
#include "edits/ZYLEdit.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYL3DCaption.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Control.h"
#include "platform/rtl/Consts.h"

namespace zyl {

using vcl::TComponent;
using vcl::TComponentEditor;

namespace {

// The edited component as the class the editor is registered for.
template <class T>
T* As(TComponent* c) {
  auto* t = dynamic_cast<T*>(c);
  if (!t) throw vcl::EInvalidCast(vcl::SInvalidCast);
  return t;
}

// A settings-object verb on an object the component holds, whether its class publishes the
// object or keeps it unpublished (the edits' Font3D, the spin edits' Font).
TZYLVerb ObjectVerb(const std::string& Caption,
                    const std::function<vcl::TPersistent*(TComponent*)>& Object) {
  return ZYLVerb(Caption, [Object](TComponentEditor& e) {
    vcl::TPersistent* object = Object(e.Component());
    return ZYLSettingsLauncherOf(object)(object);
  });
}

TZYLVerb FontVerb() {
  return ObjectVerb("Font", [](TComponent* c) { return As<vcl::TControl>(c)->Font(); });
}

// A Boolean of the component negated through its setter, published or not; the caption shows
// the current value when ShowState is set.
template <class T>
TZYLVerb FlagVerb(const std::string& Caption, bool ShowState, bool (T::*Get)() const,
                  void (T::*Set)(bool)) {
  return {[=](TComponentEditor& e) {
            return ShowState ? Caption + BoolStr[(As<T>(e.Component())->*Get)()] : Caption;
          },
          [=](TComponentEditor& e) {
            T* t = As<T>(e.Component());
            (t->*Set)(!(t->*Get)());
            return true;
          }};
}

// The edit's CustomButtonsStyle as TZYLCustomEdit declares it (the accessors the plain edit
// publishes), for the spin edits, which keep it unpublished.
const vcl::TPropInfo* DeclaredButtonsStyle() {
  static const vcl::TPropInfo declared = [] {
    vcl::TPropInfo p = *vcl::GetPropInfo(TZYLEdit::StaticClass(), "CustomButtonsStyle");
    p.OwnerClass = TZYLCustomEdit::StaticClass();
    return p;
  }();
  return &declared;
}

TZYLVerb ButtonsStyleVerb() {
  return ZYLVerb("CustomButtonsStyle", [](TComponentEditor& e) {
    TZYLCustomEdit* edit = As<TZYLCustomEdit>(e.Component());
    const vcl::TPropInfo* p = vcl::GetPropInfo(edit, "CustomButtonsStyle");
    TZYLValueChoiceDlg::Choose(edit, p ? p : DeclaredButtonsStyle());
    return true;
  });
}

// "CtlXP" without its state shown.
TZYLVerb PlainCtlXPVerb() {
  TZYLVerb verb = ZYLCtlXPVerb();
  verb.Caption = [](TComponentEditor&) { return std::string("CtlXP"); };
  return verb;
}

// A verb that does what double-clicking the component does: the editor's own Edit, which
// hands the property named Caption to its property editor. The verb reports nothing itself:
// the editor it opens (the collection editor) reports each change as it is made, so the form
// counts as modified only when something changed.
TZYLVerb PropertyEditorVerb(const std::string& Caption) {
  return ZYLUnreported(ZYLEventVerb(Caption));
}

TZYLVerb ItemsVerb() { return ZYLCodeStringsVerb("Items", "Items", ".Items"); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Edits and the memo

TZYLVerbs TZYLEditComponentEditor::Verbs() {
  TComponent* c = Component();
  TZYLVerbs verbs = {
      ZYLToggleVerb("Transparent"),
      ObjectVerb("Font3D", [](TComponent* x) { return As<TZYLBaseEdit>(x)->Font3D(); }),
      FontVerb(),
      ZYLSettingsVerb("Bevel"),
  };
  if (!dynamic_cast<TZYLCustomEdit*>(c)) return verbs;
  verbs.insert(verbs.end(), {ButtonsStyleVerb(), PlainCtlXPVerb(), ZYLSeparatorVerb(),
                             ZYLUpdateFormCtlXPVerb(), ZYLSeparatorVerb()});
  // The combo-style, browse, colour and file edits own their buttons.
  if (dynamic_cast<TZYLCustomExtCombo*>(c) || dynamic_cast<TZYLCustomBrowseEdit*>(c)) return verbs;
  verbs.push_back(PropertyEditorVerb("CustomButtons"));
  verbs.push_back(FlagVerb("CustomButtonParentCtlXP", true,
                           &TZYLCustomEdit::CustomButtonParentCtlXP,
                           &TZYLCustomEdit::SetCustomButtonXP));
  if (!dynamic_cast<TZYLCustomExtSpinEdit*>(c)) return verbs;
  verbs.push_back(ZYLSeparatorVerb());
  verbs.push_back(FlagVerb("SpinBtnDiag", false, &TZYLCustomExtSpinEdit::SpinBtnDiag,
                           &TZYLCustomExtSpinEdit::SetSpinBtnDiag));
  return verbs;
}

void TZYLEditComponentEditor::EditProperty(vcl::TPropertyEditor* PropertyEditor, bool& Continue) {
  if (!ZYLEditPropertyNamed(PropertyEditor, "CustomButtons", Continue))
    TZYLVerbEditor::EditProperty(PropertyEditor, Continue);
}

TZYLVerbs TZYLMemoComponentEditor::Verbs() {
  TZYLVerbs verbs = TZYLEditComponentEditor::Verbs();
  BaseVerbCount = static_cast<int>(verbs.size());
  if (ZYLCPIsDBControl(Component())) return verbs;
  verbs.push_back(ZYLVerb("Lines", [](TComponentEditor& e) {
    TZYLMemoStrings* lines = As<TZYLCustomMemo>(e.Component())->Lines();
    vcl::TStringList list;
    list.SetText(lines->Text());
    if (!ZYLCPGetStrings(&list)) return false;
    lines->Assign(&list);
    return true;
  }));
  return verbs;
}

// ---------------------------------------------------------------------------------------------
// The list box with columns and the section editor

void TZYLListBoxComponentEditor::ExecuteSectionEditor() {
  TZYLSectionEditorDlg::Edit(As<TZYLListBox>(Component()),
                             TZYLSectionEditorDlg::TPreview::HeaderFont);
}

TZYLVerbs TZYLListBoxComponentEditor::Verbs() {
  TZYLVerbs verbs;
  if (As<TZYLListBox>(Component())->GetHeaderSections()->Count() > 1)
    verbs.push_back(ZYLVerb("Resize Sections...", [](TComponentEditor& e) {
      static_cast<TZYLListBoxComponentEditor&>(e).ExecuteSectionEditor();
      return true;
    }));
  verbs.insert(verbs.end(), {ItemsVerb(), PropertyEditorVerb("HeaderSections"),
                             ZYLSettingsVerb("Bevel"), ZYLColorVerb(), ZYLToggleVerb("Enabled"),
                             ZYLSettingsVerb("Font"), ZYLSettingsVerb("HeaderFont")});
  return verbs;
}

void TZYLListBoxComponentEditor::EditProperty(vcl::TPropertyEditor* PropertyEditor,
                                              bool& Continue) {
  if (!ZYLEditPropertyNamed(PropertyEditor, "HeaderSections", Continue))
    TZYLVerbEditor::EditProperty(PropertyEditor, Continue);
}

TZYLVerbs TZYLSectionEditor::Verbs() {
  return {ZYLVerb("Section-Editor", [](TComponentEditor& e) {
    auto* box = As<TZYLListBox>(e.Component());
    if (box->GetHeaderSections()->Count() < 2) throw EZYLSectionEditor(ZYL_SECTIONSREQUIRED);
    TZYLSectionEditorDlg::Edit(box, TZYLSectionEditorDlg::TPreview::ListWidth);
    return false;
  })};
}

// ---------------------------------------------------------------------------------------------
// Other list and combo boxes

namespace {
TZYLVerb ListFont3DVerb() {
  return ObjectVerb("Font3D", [](TComponent* c) { return As<TZYLCustomListBox>(c)->Font3D(); });
}
}  // namespace

TZYLVerbs TZYLCustomListBoxComponentEditor::Verbs() {
  TZYLVerbs verbs = {FontVerb(), ListFont3DVerb(), ZYLToggleVerb("Transparent")};
  // The colour, font and font-size list boxes fill their items themselves.
  if (!dynamic_cast<TZYLCustomDerivedImageListBox*>(Component())) verbs.push_back(ItemsVerb());
  return verbs;
}

TZYLVerbs TZYLImageListBoxComponentEditor::Verbs() {
  return {FontVerb(), ListFont3DVerb(), ZYLToggleVerb("Transparent"), ZYLSettingsVerb("Layout"),
          ItemsVerb()};
}

TZYLVerbs TZYLImageComboBoxComponentEditor::Verbs() {
  return {
      FontVerb(),
      ObjectVerb("Font3D", [](TComponent* c) { return As<TZYLCustomImageComboBox>(c)->Font3D(); }),
      ZYLSettingsVerb("Layout"), ItemsVerb()};
}

TZYLVerbs TZYLColorComboBoxComponentEditor::Verbs() {
  return {ZYLColorVerb(), ZYLToggleVerb("Enabled"), FontVerb()};
}

TZYLVerbs TZYLFontComboBoxComponentEditor::Verbs() {
  return {ZYLToggleVerb("Enabled"), FontVerb(), ZYLValueChoiceVerb("Options")};
}

}  // namespace zyl
