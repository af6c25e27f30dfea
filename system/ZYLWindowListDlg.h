// TZYLWindowListDlg: lists the application's forms by caption on a form built in code, lets the
// user pick one and brings it forward. Option flags and an event per form decide which forms
// are listed; a second event may still veto the chosen one.
#pragma once

#include <string>
#include <vector>

#include "platform/sys/Packages.h"
#include "system/ZYLBaseDialog.h"

namespace zyl {

class TZYLButton;
class TZYLExtListBox;

ZYL_ENUM(TZYLWLOption, wlAddInVisible, wlAddDialogForms, wlAddMainForm, wlAddParentForm,
         wlAddNoCaptionForms)
using TZYLWLOptions = vcl::TSet<TZYLWLOption>;
using TZYLWLFormEvent = vcl::TEvent<void(vcl::TObject* Sender, vcl::TForm* aForm, bool& Accept)>;

class TZYLWindowListDlg : public TZYLBaseDialog {
  ZYL_CLASS(TZYLWindowListDlg, TZYLBaseDialog)
  explicit TZYLWindowListDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // The label above the list; empty or blanks show "Available &Windows:".
  const std::string& Description() const { return FDescription; }
  void SetDescription(const std::string& Value) { FDescription = Value; }
  TZYLWLOptions Options() const { return FOptions; }
  void SetOptions(TZYLWLOptions Value) { FOptions = Value; }
  // Asked once for every form of the screen before the options may reject it.
  const TZYLWLFormEvent& GetOnList() const { return FOnList; }
  void SetOnList(const TZYLWLFormEvent& Value) { FOnList = Value; }
  // Asked for the chosen form before it is shown.
  const TZYLWLFormEvent& GetOnShow() const { return FOnShow; }
  void SetOnShow(const TZYLWLFormEvent& Value) { FOnShow = Value; }

  // The form chosen last (null until a choice is confirmed; cleared at each execution, and
  // when that form is freed).
  vcl::TForm* ChosenForm() const { return FChosenForm; }

  bool Execute() override { return ExecuteEnh(nullptr); }
  // Shows the list over Target (or placed by RelatePos when null); true when a form was
  // chosen, accepted and brought forward.
  bool ExecuteEnh(vcl::TCustomForm* Target);

 protected:
  // A freed chosen form is forgotten; a listed form freed while the list is open leaves it.
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 private:
  void SetChosenForm(vcl::TForm* Value);
  // Lists Form (its free notification taken) or, with null, forgets every listed form.
  void Listed(vcl::TForm* Form);
  // Whether Form goes into the list; Own is the dialog's form.
  bool Admits(vcl::TForm* Form, vcl::TCustomForm* Own);
  void ListClick(vcl::TObject* Sender);
  void ListDblClick(vcl::TObject* Sender);

  std::string FDescription;
  TZYLWLOptions FOptions{wlAddInVisible};
  TZYLWLFormEvent FOnList;
  TZYLWLFormEvent FOnShow;
  vcl::TForm* FChosenForm = nullptr;
  // The forms listed while the dialog's form is open.
  std::vector<vcl::TForm*> FListed;
  TZYLButton* FOK = nullptr;
  TZYLExtListBox* FList = nullptr;
};

inline constexpr vcl::TUnitEntry ZYLWindowListDlgUnit =
    vcl::ClassesUnit<TZYLWindowListDlg>("ZYLWindowListDlg");

}  // namespace zyl
