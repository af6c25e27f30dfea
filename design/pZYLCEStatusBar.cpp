#include "design/pZYLCEStatusBar.h"

#include <memory>

#include "buttons/ZYLStatusBar.h"
#include "design/pZYLCEVerbs.h"
#include "design/pZYLStatusBarEditorDlg.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLSimpleLabel.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "platform/designer/DesignIntf.h"

namespace zyl {

using vcl::TComponentEditor;

namespace {

const char kDateTime[] = "dd/mm/yy hh:mm:ss";
const char kHint[] = "HintText";

// A new component of class T owned by the designer's form, named by the designer.
template <class T>
std::unique_ptr<T> NewOnForm(vcl::IFormDesigner* designer) {
  auto c = std::make_unique<T>(designer->Form());
  c->SetName(designer->UniqueName(T::StaticClass()->ClassName()));
  return c;
}

}  // namespace

TZYLStatusBar* TZYLStatusBarComponentEditor::Bar() {
  auto* bar = dynamic_cast<TZYLStatusBar*>(Component());
  if (!bar) throw vcl::EInvalidCast(vcl::SInvalidCast);
  return bar;
}

void TZYLStatusBarComponentEditor::AddInfoLabel(TZYLInfoType Info, const std::string& Caption,
                                                const std::string& DateTimeFormat,
                                                vcl::TAlign Align, bool UseStandard) {
  auto label = NewOnForm<TZYLInformationLabel>(GetDesigner());
  label->SetParent(Bar());
  label->SetAlign(Align);
  label->SetAlignment(agCenter);
  label->SetStandartCaption(UseStandard);
  label->Font3D()->SetDisabledStyle(ds3d);
  label->Bevel()->SetMode(bmStandard);
  label->Bevel()->SetStyle(lsSingleLowered);
  label->SetTransparent(false);
  if (!UseStandard) label->SetTabs(0);
  label->SetCaption(Caption);
  if (!DateTimeFormat.empty()) label->SetDateTimeFormat(DateTimeFormat);
  label->SetInfo(Info);
  label.release();  // the designer's form owns it now
}

void TZYLStatusBarComponentEditor::AddSimpleLabel(const std::string& Caption, vcl::TAlign Align) {
  auto label = NewOnForm<TZYLSimpleLabel>(GetDesigner());
  label->SetParent(Bar());
  label->Font3D()->SetDisabledStyle(ds3d);
  label->SetTransparent(false);
  label->SetAlign(Align);
  label->SetAlignment(agCenter);
  if (!Caption.empty()) label->SetCaption(Caption);
  label.release();  // the designer's form owns it now
}

void TZYLStatusBarComponentEditor::AddLayout(int Index) {
  using D = TZYLStatusBarEditorDlg;
  switch (Index) {
    case D::sbTextCapsNumScrollTime:
    case D::sbTextCapsNumScrollDateTime:
      AddSimpleLabel(kHint, vcl::alLeft);
      AddInfoLabel(itCurrentDateTime, "",
                   Index == D::sbTextCapsNumScrollTime ? "hh:mm:ss" : kDateTime, vcl::alRight,
                   false);
      AddInfoLabel(itNumLock, "Num:", "", vcl::alRight, false);
      AddInfoLabel(itScroll, "Scroll:", "", vcl::alRight, false);
      AddInfoLabel(itCapsLock, "Caps:", "", vcl::alRight, false);
      break;
    case D::sbTextOnly:
      Bar()->SetBoolean(TZYLStatusBar::biSimplePanel, true);
      Bar()->SetSimpleText(kHint);
      Bar()->SetAlignment(agCenter);
      break;
    case D::sbCapsNumScroll:
      AddInfoLabel(itNumLock, "Num:", "", vcl::alLeft, false);
      AddInfoLabel(itScroll, "Scroll:", "", vcl::alLeft, false);
      AddInfoLabel(itCapsLock, "Caps:", "", vcl::alLeft, false);
      break;
    case D::sbDateTime: AddInfoLabel(itCurrentDateTime, "", kDateTime, vcl::alLeft, false); break;
    case D::sbCurrentUser: AddInfoLabel(itUser, "", "", vcl::alLeft, true); break;
    default: break;
  }
}

TZYLVerbs TZYLStatusBarComponentEditor::Verbs() {
  const TZYLVerbs settings = {ZYLSettingsVerb("Font"), ZYLSettingsVerb("Font3D"),
                              ZYLSettingsVerb("Bevel")};
  if (!Bar()->OldStyle()) return settings;
  using E = TZYLStatusBarComponentEditor;
  auto panel = [](const char* caption, void (*add)(E&)) {
    return ZYLVerb(caption, [add](TComponentEditor& e) {
      add(static_cast<E&>(e));
      return true;
    });
  };
  TZYLVerbs verbs = {ZYLVerb("Editor",
                             [](TComponentEditor& e) {
                               static_cast<E&>(e).AddLayout(TZYLStatusBarEditorDlg::Choose());
                               return true;
                             }),
                     ZYLSeparatorVerb()};
  verbs.insert(verbs.end(), settings.begin(), settings.end());
  verbs.push_back(ZYLSeparatorVerb());
  verbs.push_back(panel("DateTime", [](E& e) {
    e.AddInfoLabel(itCurrentDateTime, "", kDateTime, vcl::alLeft, false);
  }));
  verbs.push_back(
      panel("Caps", [](E& e) { e.AddInfoLabel(itCapsLock, "Caps:", "", vcl::alLeft, false); }));
  verbs.push_back(
      panel("Num", [](E& e) { e.AddInfoLabel(itNumLock, "Num:", "", vcl::alLeft, false); }));
  verbs.push_back(
      panel("Scroll", [](E& e) { e.AddInfoLabel(itScroll, "Scroll:", "", vcl::alLeft, false); }));
  verbs.push_back(
      panel("System Info", [](E& e) { e.AddInfoLabel(itUser, "", "", vcl::alLeft, true); }));
  verbs.push_back(panel("Normal Info", [](E& e) { e.AddSimpleLabel("", vcl::alLeft); }));
  return verbs;
}

}  // namespace zyl
