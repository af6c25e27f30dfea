#include "design/pZYLCEEdits.h"

#include <string>
#include <utility>

#include "design/ZYLCPGetStrings.h"
#include "design/pZYLCEVerbs.h"
#include "design/pZYLPECst.h"
#include "design/pZYLSectionEditorDlg.h"
#include "edits/ZYLCustomBrowseEdit.h"
#include "edits/ZYLCustomEdit.h"
#include "edits/ZYLCustomExtCombo.h"
#include "edits/ZYLCustomExtSpinEdit.h"
#include "edits/ZYLCustomImageListBox.h"
#include "edits/ZYLCustomListBox.h"
#include "edits/ZYLCustomMemo.h"
#include "edits/ZYLListBox.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
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

// A toggle of Prop whose caption is the property's name alone, without its state.
TZYLVerb PlainToggleVerb(const std::string& Prop) {
  TZYLVerb verb = ZYLToggleVerb(Prop);
  verb.Caption = [Prop](TComponentEditor&) { return Prop; };
  return verb;
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
  TZYLVerbs verbs = {ZYLToggleVerb("Transparent"), ZYLSettingsVerb("Font3D"),
                     ZYLSettingsVerb("Font"), ZYLSettingsVerb("Bevel")};
  if (!dynamic_cast<TZYLCustomEdit*>(c)) return verbs;
  verbs.insert(verbs.end(), {ZYLValueChoiceVerb("CustomButtonsStyle"), PlainCtlXPVerb(),
                             ZYLSeparatorVerb(), ZYLUpdateFormCtlXPVerb(), ZYLSeparatorVerb()});
  // The combo-style, browse, colour and file edits own their buttons.
  if (dynamic_cast<TZYLCustomExtCombo*>(c) || dynamic_cast<TZYLCustomBrowseEdit*>(c)) return verbs;
  verbs.push_back(PropertyEditorVerb("CustomButtons"));
  verbs.push_back(ZYLToggleVerb("CustomButtonParentCtlXP"));
  if (!dynamic_cast<TZYLCustomExtSpinEdit*>(c)) return verbs;
  verbs.push_back(ZYLSeparatorVerb());
  verbs.push_back(PlainToggleVerb("SpinBtnDiag"));
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

TZYLVerbs TZYLCustomListBoxComponentEditor::Verbs() {
  TZYLVerbs verbs = {ZYLSettingsVerb("Font"), ZYLSettingsVerb("Font3D"),
                     ZYLToggleVerb("Transparent")};
  // The colour, font and font-size list boxes fill their items themselves.
  if (!dynamic_cast<TZYLCustomDerivedImageListBox*>(Component())) verbs.push_back(ItemsVerb());
  return verbs;
}

TZYLVerbs TZYLImageListBoxComponentEditor::Verbs() {
  return {ZYLSettingsVerb("Font"), ZYLSettingsVerb("Font3D"), ZYLToggleVerb("Transparent"),
          ZYLSettingsVerb("Layout"), ItemsVerb()};
}

TZYLVerbs TZYLImageComboBoxComponentEditor::Verbs() {
  return {ZYLSettingsVerb("Font"), ZYLSettingsVerb("Font3D"), ZYLSettingsVerb("Layout"),
          ItemsVerb()};
}

TZYLVerbs TZYLColorComboBoxComponentEditor::Verbs() {
  return {ZYLColorVerb(), ZYLToggleVerb("Enabled"), ZYLSettingsVerb("Font")};
}

TZYLVerbs TZYLFontComboBoxComponentEditor::Verbs() {
  return {ZYLToggleVerb("Enabled"), ZYLSettingsVerb("Font"), ZYLValueChoiceVerb("Options")};
}

}  // namespace zyl
