// TZYLCustomListComboBox: the drop-down edit whose pop-up is a list box of strings, a combo box
// built from the owner-drawn edit. In the csDropDown style the edit takes typing and the list
// offers the items; in csDropDownList the text changes only through the list, and a click on
// the edit opens it. While closed, Up and the wheel step through the items (each step accepted
// at once); Down and F4 open the list.
#pragma once

#include <string>

#include "edits/ZYLCustomExtCombo.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

ZYL_ENUM(TZYLDropDownStyle, csDropDown, csDropDownList)

class TZYLCustomListComboBox;

// The list that drops down: it follows the mouse with its selection and accepts the item
// pressed.
class TZYLComboListBox : public vcl::TListBox {
  ZYL_CLASS(TZYLComboListBox, vcl::TListBox)
  ZYL_MESSAGES(TZYLComboListBox)
  // AOwner: the combo the list belongs to.
  explicit TZYLComboListBox(vcl::TComponent* AOwner);

 private:
  void WMMouseActivateList(vcl::TMessage& Message);
  void WMMouseMoveList(vcl::TWMMouse& Message);
  void WMLButtonDownList(vcl::TWMMouse& Message);
  TZYLCustomListComboBox* Combo() const;
};

class TZYLCustomListComboBox : public TZYLCustomExtCombo {
  ZYL_CLASS(TZYLCustomListComboBox, TZYLCustomExtCombo)
  // The background of the focused text in the csDropDownList style.
  static constexpr vcl::TColor ListStyleFocusColor = 0xC0C0C0;

  explicit TZYLCustomListComboBox(vcl::TComponent* AOwner);

  vcl::TStrings* Items() const;
  void SetItems(vcl::TStrings* Value);
  int ItemIndex() const { return FItemIndex; }
  // Selects item Value in the list (-1: none) and accepts it.
  void SetItemIndex(int Value);
  // Selects the item equal to Text (none when absent) and accepts it.
  void SelectItem(const std::string& Text);
  bool NoneSelected() const;
  // The selected item's string; empty when none is selected.
  std::string GetSelectedText() const;
  vcl::TListBox* GetListBox() const { return FList; }
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TZYLDropDownStyle Style() const { return FStyle; }
  void SetStyle(TZYLDropDownStyle Value);

  const vcl::TNotifyEvent& GetOnAcceptItem() const { return FOnAcceptItem; }
  void SetOnAcceptItem(const vcl::TNotifyEvent& E) { FOnAcceptItem = E; }

 protected:
  void CreateControl() override;
  void ModifyControl() override;
  void ReModifyControl() override;
  void DisplayControl() override;
  void BeforeDropDown() override;
  void Cancel() override;
  void Accept() override;
  void DoDownKey() override;
  void DoUpKey() override;
  void Init() override;
  void Loaded() override;
  bool RedrawOnExit() override { return FStyle == csDropDownList || inherited::RedrawOnExit(); }
  bool RedrawOnEnter() override { return FStyle == csDropDownList || inherited::RedrawOnEnter(); }
  void ModifyTextRect() override;
  void DrawSpecialTextBackground(vcl::TCanvas* Canvas, const vcl::TRect& Rect) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(vcl::TShiftState Shift, int WheelDelta, vcl::TPoint MousePos) override;

 private:
  // Moves the list's selection by Step within the items; false when it could not move.
  bool MoveSelection(int Step);

  std::string FTextBefore;  // the text when the list dropped down
  int FItemIndex = -1;
  int FDropDownCount = 8;
  bool FSorted = false;
  TZYLDropDownStyle FStyle = csDropDown;
  TZYLComboListBox* FList = nullptr;

 protected:
  vcl::TNotifyEvent FOnAcceptItem;
};

}  // namespace zyl
