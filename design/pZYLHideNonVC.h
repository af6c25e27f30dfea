// TZYLHideNonVCfrm: the design window of a TZYLHideNonVC. It lists the non-visual components
// of the designed form, hides, shows and deletes the chosen ones, and keeps its selection and
// the designer's in step. One window exists at a time (ZYLHideNonVCfrm); freeing it clears that
// variable. TZYLHideNonVCEditor opens it (verb "Editor").
//
// The unit also gives the hider the stand-in designer's icon windows.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "design/pZYLHideNonVC.fieldtypes.h"
#include "platform/designer/DesignEditors.h"
#include "platform/designer/FormDesigner.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLHideNonVC;

class TZYLHideNonVCfrm : public vcl::TDesignWindow {
  ZYL_CLASS(TZYLHideNonVCfrm, vcl::TDesignWindow)
  // Reads the window's layout.
  explicit TZYLHideNonVCfrm(vcl::TComponent* AOwner);
  ~TZYLHideNonVCfrm() override;

#include "design/pZYLHideNonVC.fields.h"

  TZYLHideNonVC* Component() const { return FComponent; }
  // Works for C from now on (hooks its new-component event, takes its form's designer).
  void SetComponent(TZYLHideNonVC* C);
  // Lists every valid component of the hider's form.
  void Initialize();
  // "Name [Class]", and the name part of such an item.
  static std::string BuildAddString(vcl::TComponent* C);
  static std::string GetAddStringName(const std::string& S);
  void CheckInfo();
  void CheckButtonStates();
  void HideSelection();
  void ShowSelection();
  void DeleteSelection();
  // Hands the list's selection to the designer.
  void UpdateSelection();
  void SelectAll();
  void SelectNone();
  void SelectOne(int Index);
  void SelectAdd(int Index);
  void BeginUpdate();
  void EndUpdate();
  vcl::TComponent* GetSelected(int Index) const;
  // The selected components that are hidden (Hidden) or shown, in list order.
  std::vector<vcl::TComponent*> SelectedComponents(bool Hidden) const;
  void DoSelectAll(bool Hide);

  // ---- The designer's notices ----
  void FormModified() override;
  void ComponentDeleted(vcl::TPersistent* AComponent) override;
  void SelectionChanged(const vcl::TDesignerSelections& List) override;
  void FormClosed(vcl::TCustomForm* Form) override;
  void Activated() override;
  vcl::TEditState GetEditState() override;
  void EditAction(vcl::TEditAction Action) override;
  std::string UniqueName(const std::string& BaseName) override;

  // ---- Event handlers bound by the layout ----
  void CloseButtonClick(vcl::TObject* Sender);
  void btHideClick(vcl::TObject* Sender);
  void btShowClick(vcl::TObject* Sender);
  void btshowallClick(vcl::TObject* Sender);
  void btHideAllClick(vcl::TObject* Sender);
  void btDeleteClick(vcl::TObject* Sender);
  void cbListMouseUp(vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                     int Y);
  void cbListKeyUp(vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState Shift);
  void popMenuPopup(vcl::TObject* Sender);
  void PopupItemClick(vcl::TObject* Sender);

 private:
  void HandleNewComponent(vcl::TObject* Sender, vcl::TComponent* C);
  vcl::TCustomForm* DesignedForm() const;
  std::string CaptionText() const;
  // The first item of C; -1 when C is not listed.
  int IndexOfComponent(vcl::TComponent* C);
  // Walks the items into FItemOf unless Lookups searches cost less (a list without a window
  // is always walked: it sorts its items later).
  void KnowItems(int Lookups);
  // Lists C among the sorted items; drops the item at Index.
  void ListComponent(vcl::TComponent* C);
  void DropItem(int Index);
  // Gives each listed component's item its current name (after a rename).
  void RenameItems();

  vcl::IFormDesigner* FFormDesigner = nullptr;
  TZYLHideNonVC* FComponent = nullptr;
  bool FNewComponent = false;
  vcl::TDesignerSelections FSelection;
  bool FSelfSelected = false;  // the designer's selection is the one this window set
  bool FSetting = false;       // this window is setting the designer's selection
  std::string FCaptionText;
  int FUpdateCount = 0;
  // The text each listed component's item was listed under (the first, were it listed twice).
  std::unordered_map<const vcl::TComponent*, std::string> FListedText;
  // The first item of each listed component, while FItemsKnown (an added or dropped item moves
  // the others: they are then searched by their text, or walked again for many lookups).
  std::unordered_map<const vcl::TComponent*, int> FItemOf;
  bool FItemsKnown = false;
  // The form and its count of freed names when the items' names were last checked, and
  // whether an item then had no name: a rename frees the old name, so only a changed count
  // (or an item without a name) asks for the names to be checked again.
  const vcl::TComponent* FNamesForm = nullptr;
  uint64_t FNamesFreed = 0;
  bool FUnnamedItem = false;
  int FDeletingItem = -1;  // the item whose component DeleteSelection is freeing
};

// The one design window (nullptr when none is open).
extern TZYLHideNonVCfrm* ZYLHideNonVCfrm;

class TZYLHideNonVCEditor : public vcl::TComponentEditor {
 public:
  static constexpr char EditorClassName[] = "TZYLHideNonVCEditor";
  using TComponentEditor::TComponentEditor;
  // "Editor": opens the design window on the hider (creating it once, owned by the
  // application), selects what it lists; reports no modification.
  void ExecuteVerb(int Index) override;
  std::string GetVerb(int Index) override;
  int GetVerbCount() override { return 1; }
};

void pZYLHideNonVCInit();
void pZYLHideNonVCDone();
inline constexpr vcl::TUnitEntry pZYLHideNonVCUnit{"pZYLHideNonVC", &pZYLHideNonVCInit,
                                                   &pZYLHideNonVCDone};

}  // namespace zyl
