// TZYLFormDisplay: a bevelled panel that hosts whole forms as child windows and shows one of
// its list at a time (or one single form) at a chosen place of its inner area. The forms in the
// list are not owned (unless added by class); a hosted form freed elsewhere leaves the list.
#pragma once

#include <string>

#include "buttons/ZYLCustomBevelPanel.h"
#include "platform/sys/Packages.h"
#include "system/ZYLFormHost.h"

namespace vcl {
class TCustomForm;
}

namespace zyl {

ZYL_ENUM(TZYLFormDisplayPosition, fdpTopLeft, fdpTopCenter, fdpTopRight, fdpCenterLeft, fdpCenter,
         fdpCenterRight, fdpBottomLeft, fdpBottomCenter, fdpBottomRight, fdpClient)

using TZYLFDMessageEvent = vcl::TEvent<void(vcl::TObject* Sender, vcl::TMessage& Message)>;
using TZYLFormClass = vcl::TClass;

// The text of the error Execute raises for a nil form.
extern const char* const SZYLFormNotInstanced;

class TZYLFormDisplay : public TZYLCustomBevelPanel, public TZYLFormHostBase {
  ZYL_CLASS(TZYLFormDisplay, TZYLCustomBevelPanel)
  ZYL_MESSAGES(TZYLFormDisplay)
  explicit TZYLFormDisplay(vcl::TComponent* AOwner);
  ~TZYLFormDisplay() override;

  const std::string& FormName() const { return FFormName; }
  // Outside designing and loading: an empty name unloads the single form, another one
  // executes the first screen form of that name.
  void SetFormName(const std::string& Value);
  bool HookWindowProc() const { return FHookWindowProc; }
  void SetHookWindowProc(bool Value) { FHookWindowProc = Value; }
  bool SaveResources() const { return FSaveResources; }
  void SetSaveResources(bool Value) { FSaveResources = Value; }
  bool UseResForms() const { return FUseResForms; }
  void SetUseResForms(bool Value) { FUseResForms = Value; }
  bool AssignColor() const { return FAssignColor; }
  void SetAssignColor(bool Value) { FAssignColor = Value; }
  TZYLFormDisplayPosition Position() const { return FPosition; }
  void SetPosition(TZYLFormDisplayPosition Value);
  const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(const vcl::TNotifyEvent& Value) { FOnChange = Value; }
  const TZYLFormDisplayChangeEvent& GetOnChanging() const { return FOnChanging; }
  void SetOnChanging(const TZYLFormDisplayChangeEvent& Value) { FOnChanging = Value; }
  const TZYLFDMessageEvent& GetOnMessage() const { return FOnMessage; }
  void SetOnMessage(const TZYLFDMessageEvent& Value) { FOnMessage = Value; }

  // The list.
  int AddFormExt(vcl::TCustomForm* Form, bool Activate);
  // A form of FormClass owned by the display, added; -1 when the class makes no form.
  int AddFormClass(TZYLFormClass FormClass, bool Activate);
  void RemoveForm(vcl::TCustomForm* Form, bool FreeIt);
  void HideForm(vcl::TCustomForm* Form);
  void MoveForm(vcl::TCustomForm* Form, int NewIndex);
  vcl::TCustomForm* FindNextForm(vcl::TCustomForm* Form, bool GoForward) const;
  void SetActiveFormIndex(int Index);

  // The single form. Execute raises EZYLFormDisplay for nil; false for the form shown already.
  // The previous single form is freed when the display owns it, otherwise hidden and
  // forgotten.
  bool Execute(vcl::TCustomForm* Form);
  vcl::TCustomForm* ExecuteEnh(TZYLFormClass FormClass);
  void Hide();
  void UnLoad();
  vcl::TCustomForm* Form() const { return FSingle; }
  void SetForm(vcl::TCustomForm* Value) { Execute(Value); }

  void AlignControls(vcl::TControl* AControl, vcl::TRect& Rect) override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 protected:
  void Resize() override;
  void DoThemeChanged() override;
  void WMSetFocus(vcl::TMessage& Message);
  // The active form's window procedure while HookWindowProc holds.
  void NewWndProc(vcl::TMessage& Message);

 private:
  vcl::TRect PlaceOf(vcl::TCustomForm* Form);
  void Unhook();

  vcl::TCustomForm* FSingle = nullptr;
  std::string FFormName;
  bool FHookWindowProc = false;
  bool FSaveResources = false;
  bool FUseResForms = false;
  bool FAssignColor = false;
  TZYLFormDisplayPosition FPosition = fdpClient;
  vcl::TNotifyEvent FOnChange;
  TZYLFormDisplayChangeEvent FOnChanging;
  TZYLFDMessageEvent FOnMessage;
  vcl::TCustomForm* FHooked = nullptr;  // the form whose WindowProc is NewWndProc
  vcl::TWndMethod FSavedProc;
};

inline constexpr vcl::TUnitEntry ZYLFormDisplayUnit =
    vcl::ClassesUnit<TZYLFormDisplay>("ZYLFormDisplay");

}  // namespace zyl
