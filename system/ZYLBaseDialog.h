// TZYLBaseDialog: the base of the dialog components that build a plain form in code when they
// are executed, show it modally and free it. It holds the settings they share and
// BaseExecute, which captions, places, animates and styles the finished form, hands it to
// OnCustomize and shows it.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLContainerComponent.h"
#include "platform/classes/Events.h"
#include "system/ZYLFormStyler.h"

namespace vcl {
class TControl;
class TCustomForm;
class TForm;
class TStrings;
class TStringList;
}  // namespace vcl

namespace zyl {

class TZYLBack;
class TZYLButton;

class TZYLBaseDialog : public TZYLContainerComponent {
  ZYL_CLASS(TZYLBaseDialog, TZYLContainerComponent)
  explicit TZYLBaseDialog(vcl::TComponent* AOwner);
  ~TZYLBaseDialog() override;

  const std::string& CaptionTitle() const { return FCaptionTitle; }
  // While a form is shown, its caption changes at once (and a styled title bar is repainted).
  void SetCaptionTitle(const std::string& Value);
  const std::string& CustomButton() const { return FCustomButton; }
  void SetCustomButton(const std::string& Value) { FCustomButton = Value; }
  TZYLDlgEffect Effect() const { return FEffect; }
  void SetEffect(TZYLDlgEffect Value) { FEffect = Value; }
  vcl::TStrings* Hints() const;
  void SetHints(vcl::TStrings* Value);
  bool ShowHints() const { return FShowHints; }
  void SetShowHints(bool Value) { FShowHints = Value; }
  bool CaptionFill() const { return FCaptionFill; }
  void SetCaptionFill(bool Value) { FCaptionFill = Value; }
  uint8_t Colors() const { return FColors; }
  void SetColors(uint8_t Value) { FColors = Value; }
  TZYLDlgPosition Position() const { return FPosition; }
  void SetPosition(TZYLDlgPosition Value) { FPosition = Value; }
  TZYLDlgPosRel RelatePos() const { return FRelatePos; }
  void SetRelatePos(TZYLDlgPosRel Value) { FRelatePos = Value; }
  const vcl::TNotifyEvent& GetOnCustomize() const { return FOnCustomize; }
  void SetOnCustomize(const vcl::TNotifyEvent& Value) { FOnCustomize = Value; }
  const vcl::TNotifyEvent& GetOnCustomClick() const { return FOnCustomClick; }
  void SetOnCustomClick(const vcl::TNotifyEvent& Value) { FOnCustomClick = Value; }

  // The form being shown (null when none is).
  vcl::TCustomForm* ShownForm() const { return FShownForm; }
  bool ControlSupportsXP() const { return true; }

  // Shows the dialog; the base shows nothing and answers false. While the dialog's form is
  // shown, a second Execute (from an event inside its wait) shows nothing and answers false:
  // it would take over what belongs to the form that is open.
  virtual bool Execute() { return false; }

 protected:
  virtual void DoCustomize(vcl::TObject* Sender);
  // A plain form without owner as the dialogs build theirs: dialog border, the dialog font of
  // FontHeight in the window text colour, default position, 96 pixels per inch.
  static std::unique_ptr<vcl::TForm> NewDialogForm(const char* Name, int FontHeight);
  // A library button on Form, named, placed (24 high) and in the tab order.
  static TZYLButton* NewButton(vcl::TForm* Form, const char* Name, int Left, int Top, int Width,
                               int TabOrder);
  // The dialog's default button "OK", named OK, that closes it with mrOk.
  static TZYLButton* NewOKButton(vcl::TForm* Form, int Left, int Top, int Width, int TabOrder);
  // Its cancel button with Caption, named Cancel, that closes it with mrCancel.
  static TZYLButton* NewCancelButton(vcl::TForm* Form, int Left, int Top, int Width, int TabOrder,
                                     const std::string& Caption);
  // The form's title-bar styler with Options and its back panel, both disabled until
  // BaseExecute decides.
  static TZYLFormStyler* NewStyler(vcl::TForm* Form, TZYLFormStyleOptions Options);
  static TZYLBack* NewBack(vcl::TForm* Form);
  // With ShowHints set and Hints not empty the form shows hints, and Controls[i] gets entry i
  // as far as the list reaches.
  void GiveHints(vcl::TCustomForm* Form, std::initializer_list<vcl::TControl*> Controls) const;
  // Captions, places, animates and styles Form (built by the descendant, owning Styler and
  // Back), shows it modally and answers its modal result. Target (may be null) is the form
  // to place it over; Custom (a button of any kind) is shown with the CustomButton caption or
  // hidden.
  int BaseExecute(vcl::TCustomForm* Form, vcl::TCustomForm* Target, vcl::TControl* Custom,
                  TZYLFormStyler* Styler, TZYLBack* Back, const std::string& DefaultCaption);

 private:
  std::string FCaptionTitle;
  std::string FCustomButton;
  TZYLDlgEffect FEffect = deNone;
  std::unique_ptr<vcl::TStringList> FHints;
  bool FShowHints = true;
  bool FCaptionFill = false;
  uint8_t FColors = 32;
  TZYLDlgPosition FPosition = bpCenter;
  TZYLDlgPosRel FRelatePos = brScreen;
  vcl::TNotifyEvent FOnCustomize;
  vcl::TNotifyEvent FOnCustomClick;
  vcl::TCustomForm* FShownForm = nullptr;
};

}  // namespace zyl
