// TZYLFormTabControl: a tab control with one tab per hosted form; the form of the selected tab
// fills the tab area. Ctrl+Tab and Ctrl+Shift+Tab step through the forms without wrapping
// around. A hosted form freed elsewhere loses its tab.
#pragma once

#include <string>

#include "platform/controls/ComCtrls.h"
#include "platform/sys/Packages.h"
#include "system/ZYLFormDisplay.h"
#include "system/ZYLFormHost.h"

namespace zyl {

class TZYLFormTabControl : public vcl::TCustomTabControl, public TZYLFormHostBase {
  ZYL_CLASS(TZYLFormTabControl, vcl::TCustomTabControl)
  ZYL_MESSAGES(TZYLFormTabControl)
  explicit TZYLFormTabControl(vcl::TComponent* AOwner);
  ~TZYLFormTabControl() override;

  TZYLAboutVar About() const { return {}; }
  void SetAbout(const TZYLAboutVar&) {}
  bool SaveResources() const { return FSaveResources; }
  void SetSaveResources(bool Value) { FSaveResources = Value; }
  bool UseResForms() const { return FUseResForms; }
  void SetUseResForms(bool Value) { FUseResForms = Value; }
  const TZYLFormDisplayChangeEvent& GetOnFormChanging() const { return FOnChanging; }
  void SetOnFormChanging(const TZYLFormDisplayChangeEvent& Value) { FOnChanging = Value; }

  int AddFormExt(vcl::TCustomForm* Form, bool Activate);
  int AddFormClass(TZYLFormClass FormClass, bool Activate);
  // A form of FormClass owned by the tab control; Caption, when not empty, becomes its caption.
  int AddFormClassExt(TZYLFormClass FormClass, bool Activate, const std::string& Caption);
  // Removes the form and its tab, then shows the form now at that place (or the last one).
  void RemoveForm(vcl::TCustomForm* Form, bool FreeIt);
  void HideForm(vcl::TCustomForm* Form);
  void MoveForm(vcl::TCustomForm* Form, int NewIndex);
  vcl::TCustomForm* FindNextForm(vcl::TCustomForm* Form, bool GoForward) const;
  // Activates the first form with that caption; false when there is none.
  bool SetActiveFormByName(const std::string& Name);
  void SetActiveFormIndex(int Index);

  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  // Forms read from a form stream as the control's children are hosted in their order, the
  // first one shown.
  void Loaded() override;

 protected:
  bool CanChange() override { return true; }
  void Change() override;
  void CMDialogKey(vcl::TCMDialogKey& Message);
  void WMThemeChanged(vcl::TMessage& Message);

 private:
  // The tab at Index goes; the form at that place (or the last one) is shown (with KeepShown
  // only when no form is shown any more).
  void AfterRemoval(int Index, bool KeepShown);

  bool FSaveResources = false;
  bool FUseResForms = false;
  TZYLFormDisplayChangeEvent FOnChanging;
};

inline constexpr vcl::TUnitEntry ZYLFormTabControlUnit =
    vcl::ClassesUnit<TZYLFormTabControl>("ZYLFormTabControl");

}  // namespace zyl
