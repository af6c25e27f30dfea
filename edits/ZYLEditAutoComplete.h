// TZYLEditAutoComplete: completes what the user types into a linked single-line edit from one
// list of a string-list container, in place (the completed tail selected, so the next typed
// character replaces it) or in a pop-up list under the edit; on Enter or when the edit is left
// it can add the typed text to that list. While the pop-up is open the edit's window procedure
// is subclassed so that Up, Down, Enter and Esc move in the list, take an item or give the
// typed text back.
#pragma once

#include <string>

#include "foundation/ZYLCustomComponent.h"
#include "platform/controls/Messages.h"
#include "platform/sys/Packages.h"
#include "platform/user/WinUser.h"

namespace vcl {
class TListBox;
class TStrings;
}  // namespace vcl

namespace zyl {

class TZYLBaseEdit;
class TZYLStringList;

ZYL_ENUM(TZYLAutoCompleteMode, amText, amPopup)
using TZYLAutoCompleteModes = vcl::TSet<TZYLAutoCompleteMode>;
ZYL_ENUM(TZYLAutoCompleteAddOn, aaControlExit, aaControlReturn)
using TZYLAutoCompleteAddOns = vcl::TSet<TZYLAutoCompleteAddOn>;
ZYL_ENUM(TZYLAutoCompleteSource, asStringList)
using TZYLAutoCompleteSources = vcl::TSet<TZYLAutoCompleteSource>;

using TZYLAutoCompleteAddEvent =
    vcl::TEvent<void(vcl::TObject* Sender, TZYLBaseEdit* EditControl, std::string& AddText,
                     bool& Add, TZYLAutoCompleteSource& AddTo)>;

class TZYLEditAutoComplete : public TZYLCustomComponent {
  ZYL_CLASS(TZYLEditAutoComplete, TZYLCustomComponent)
  // The most rows the pop-up shows.
  static constexpr int MaxPopupRows = 8;

  explicit TZYLEditAutoComplete(vcl::TComponent* AOwner);
  ~TZYLEditAutoComplete() override;

  TZYLStringList* StringList() const { return FStringList; }
  void SetStringList(TZYLStringList* Value);
  // Clamped to the container's last list while a container is assigned.
  int StringListIndex() const { return FStringListIndex; }
  void SetStringListIndex(int Value);
  TZYLAutoCompleteModes Mode() const { return FMode; }
  void SetMode(TZYLAutoCompleteModes Value) { FMode = Value; }
  TZYLAutoCompleteAddOns AddUnknownOn() const { return FAddUnknownOn; }
  void SetAddUnknownOn(TZYLAutoCompleteAddOns Value) { FAddUnknownOn = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  const TZYLAutoCompleteAddEvent& GetOnAdd() const { return FOnAdd; }
  void SetOnAdd(const TZYLAutoCompleteAddEvent& E) { FOnAdd = E; }

  // After every text change of the edit: completes Text in place when a candidate matches.
  void AutoCompleteText(TZYLBaseEdit* Edit, const std::string& Text);
  // Offers Text for adding to the list (on Enter or focus loss, as the edit decides).
  void Add(TZYLBaseEdit* Edit, const std::string& Text);
  // The completion of Text (Text itself when nothing matches); opens or closes the pop-up.
  std::string CompleteText(TZYLBaseEdit* Edit, const std::string& Text);
  void Popup(TZYLBaseEdit* Edit, const std::string& Text);
  void CreatePopup(TZYLBaseEdit* Edit, vcl::TStrings* Strings);
  void CancelPopup();
  // The pop-up list while it is open, else null.
  vcl::TListBox* PopupList() const { return FListBox; }

 protected:
  // The edit's subclassed window procedure while the pop-up is open.
  virtual void ControlWndProc(vcl::TMessage& Message);
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 private:
  static win::LRESULT EditProc(void* Context, win::HWND Wnd, win::UINT Msg, win::WPARAM W,
                               win::LPARAM L);
  std::string GetS(const std::string& S) const;
  bool Matches(const std::string& Candidate, const std::string& Text) const;
  vcl::TStrings* Candidates() const;
  // Puts S into the edit with the caret at its end and all of it selected.
  void TakeText(const std::string& S);

  TZYLStringList* FStringList = nullptr;
  int FStringListIndex = 0;
  TZYLAutoCompleteModes FMode;
  TZYLAutoCompleteAddOns FAddUnknownOn;
  bool FCaseSensitive = true;
  bool FEnabled = true;
  TZYLAutoCompleteSources FSources{asStringList};
  std::string FLastText;
  TZYLBaseEdit* FEdit = nullptr;
  vcl::TListBox* FListBox = nullptr;
  win::WNDPROC FInstance = nullptr;
  win::WNDPROC FOldProc = nullptr;
  win::HWND FEditWnd = nullptr;
  bool FPlacing = false;     // the list is being filled and placed
  bool FCompleting = false;  // a completion is being put into the edit

 protected:
  TZYLAutoCompleteAddEvent FOnAdd;
};

inline constexpr vcl::TUnitEntry ZYLEditAutoCompleteUnit =
    vcl::ClassesUnit<TZYLEditAutoComplete>("ZYLEditAutoComplete");

}  // namespace zyl
