// TZYLCustomListBox: the owner-drawn list box of the library on the framework's list box.
// Items are drawn with the 3D text of Font3D between a left and right margin, in selection
// colours and style, with optional horizontal grid lines and a bevelled focus frame. Items may
// wrap over several lines with heights measured per item; text wider than its item can end in
// an ellipsis, widen a horizontal scroll bar or show a hint window with the whole text. The box
// paints a flat or themed border of its own, can stand transparently over its parent's
// background, edits items in place (F2, Insert, Delete) and carries an optional caption label.
//
// TZYLCustomListBoxEdit is the in-place editor's class; TCustomListControl types the
// destination of CopySelection.
#pragma once

#include <memory>
#include <string>

#include "edits/ZYLLabelProperties.h"
#include "foundation/IntfZYLBackground.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLOwned.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

class TZYL3DCaption;

ZYL_ENUM(TZYLListBoxEditOption, lboAllowDelete, lboAllowEdit, lboAllowInsert, lboNo3DFrame,
         lboSelectText)
using TZYLListBoxEditOptions = vcl::TSet<TZYLListBoxEditOption>;
ZYL_ENUM(TZYLListBoxLargeTextOptions, lbltNone, lbltEndEllipsis, lbltPathEllipsis,
         lbltHorzScrollBar, lbltShowHint)

using TZYLListBoxEditShowEvent = vcl::TEvent<void(vcl::TObject* Sender, int Index, bool& Cancel)>;
using TZYLListBoxEditMeasureEvent = vcl::TEvent<void(vcl::TObject* Sender, int Index, int& Height)>;
using TZYLListBoxEditChangeEvent = vcl::TEvent<void(vcl::TObject* Sender, int Index)>;

// The in-place editor: a memo of its own class.
class TZYLCustomListBoxEdit : public vcl::TMemo {
  ZYL_CLASS(TZYLCustomListBoxEdit, vcl::TMemo)
  explicit TZYLCustomListBoxEdit(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Any list box, as the destination of CopySelection.
class TCustomListControl : public vcl::TCustomListBox {
  ZYL_CLASS(TCustomListControl, vcl::TCustomListBox)
  explicit TCustomListControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLCustomListBox : public vcl::TCustomListBox,
                          public IZYLThemes,
                          public IZYLBackground,
                          public TZYLLabelProperties {
  ZYL_CLASS(TZYLCustomListBox, vcl::TCustomListBox)
  ZYL_MESSAGES(TZYLCustomListBox)
  explicit TZYLCustomListBox(vcl::TComponent* AOwner);
  ~TZYLCustomListBox() override;

  // The indices of the colour properties (GetColor / SetColor).
  enum TColorProp : int {
    ciHorzGridColor,
    ciSelectedColor,
    ciDisabledColor,
    ciSelectedFontColor,
    ciBevelFocusShadowColor,
    ciBevelFocusLightColor,
  };

  TZYLAboutVar About() const { return {}; }
  void SetAbout(const TZYLAboutVar&) {}
  TZYL3DCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TZYL3DCaption* Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool GetCtlXP() const override { return FCtlXP; }
  void SetCtlXP(bool Value) override;
  bool ControlSupportsXP() const override { return true; }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  uint8_t Margin() const { return FMargin; }
  void SetMargin(uint8_t Value);
  vcl::TColor GetColor(int Index) const;
  void SetColor(int Index, vcl::TColor Value);
  vcl::TPenStyle HorzGridStyle() const { return FHorzGridStyle; }
  void SetHorzGridStyle(vcl::TPenStyle Value);
  bool HorzGridLine() const { return FHorzGridLine; }
  void SetHorzGridLine(bool Value);
  bool VerticalScrollBar() const { return FVerticalScrollBar; }
  void SetVerticalScrollBar(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  vcl::TFontStyles SelectedFontStyle() const { return FSelectedFontStyle; }
  void SetSelectedFontStyle(vcl::TFontStyles Value);
  bool HideFocus() const { return FHideFocus; }
  void SetHideFocus(bool Value);
  bool BeveledFocus() const { return FBeveledFocus; }
  void SetBeveledFocus(bool Value);
  bool MeasureItemEvent() const { return FMeasureItemEvent; }
  void SetMeasureItemEvent(bool Value);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  bool ItemAutoHeight() const { return FItemAutoHeight; }
  void SetItemAutoHeight(bool Value);
  TZYLListBoxEditOptions EditOptions() const { return FEditOptions; }
  void SetEditOptions(TZYLListBoxEditOptions Value);
  TZYLListBoxLargeTextOptions LargeTextOptions() const { return FLargeTextOptions; }
  void SetLargeTextOptions(TZYLListBoxLargeTextOptions Value);

  const vcl::TNotifyEvent& GetOnSelect() const { return FOnSelect; }
  void SetOnSelect(const vcl::TNotifyEvent& Value) { FOnSelect = Value; }
  const TZYLListBoxEditShowEvent& GetOnEditShow() const { return FOnEditShow; }
  void SetOnEditShow(const TZYLListBoxEditShowEvent& Value) { FOnEditShow = Value; }
  const TZYLListBoxEditMeasureEvent& GetOnEditMeasure() const { return FOnEditMeasure; }
  void SetOnEditMeasure(const TZYLListBoxEditMeasureEvent& Value) { FOnEditMeasure = Value; }
  const TZYLListBoxEditChangeEvent& GetOnEditChange() const { return FOnEditChange; }
  void SetOnEditChange(const TZYLListBoxEditChangeEvent& Value) { FOnEditChange = Value; }
  const vcl::TNotifyEvent& GetOnEditHide() const { return FOnEditHide; }
  void SetOnEditHide(const vcl::TNotifyEvent& Value) { FOnEditHide = Value; }

  // Deletes the selected items; a single selection moves to the same place (or the new last
  // item).
  void DeleteSelected();
  // Appends the selected items (text and object) to Destination's items.
  void CopySelection(TCustomListControl* Destination);
  void SelectAll();
  void ClearSelection();
  // Opens the editor on a new item appended at the end.
  void AddItemByEditor();
  // Selects item Index and opens the editor on it; nothing for an index outside the items.
  void DisplayEditor(int Index);
  void HideEditor() { CancelEditMode(); }
  // The open editor (nil when closed) and the item it edits (-1 when closed or appending).
  TZYLCustomListBoxEdit* Editor() const { return FEditor.get(); }
  int EditIndex() const { return FEditIndex; }
  void MoveHorz(uint16_t ScrollCode);
  bool ItemVisible(int Index);
  // Sets every item's height from MeasureItem and shows the vertical bar when they overflow.
  void MeasureListBoxItems();
  bool UseXP() const;
  bool CheckOptimized();
  void RestoreBack(const vcl::TRect& Rect);
  vcl::THintWindow* GetHintWindow();
  void CancelHint();
  bool IsHintWindowActive() const;
  void FreeHintWindow();
  // The widest item text (lbltHorzScrollBar) and handing it to the window.
  void InitHorzExtent();
  void SetHorzExtent();
  int HorzExtent() const { return FHorzExtent; }
  void DoOnEditExit(vcl::TObject* Sender);
  void DoOnEditKeyDown(vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState Shift);
  // A Tab typed into the editor is swallowed whole: its character too.
  void DoOnEditKeyPress(vcl::TObject* Sender, char& Key);

  // Change handler of owned objects: repaints.
  virtual void GetChange(vcl::TObject* Sender);
  // The width the item's text needs.
  virtual int GetHorzExtent(int Index);
  virtual bool CanEdit() { return true; }
  // The item's rectangle; for no item (-1) where a new last item would stand.
  virtual vcl::TRect GetEditRect(int Index);
  // The text shown for an item.
  virtual std::string GetStringValue(int Index);
  virtual void DoThemeChanged();
  virtual void CreateXPThemeHandles();
  virtual void FreeXPThemeHandles();
  // The theme data of class "Edit" while themed (null otherwise).
  void* ThemeHandle() const { return FThemeHandle; }
  virtual void DoSelect();
  virtual int GetFieldValue() { return -1; }
  virtual void EnterEditMode(bool Insert, int Index);
  virtual void CancelEditMode();

  // The background this box supplies to its children.
  vcl::TBitmap* BackBitmap() override;
  bool BackBitmapCheck() override;
  bool BackDrawArea(vcl::TCanvas* Canvas, const vcl::TRect& DestRect, const vcl::TPoint& Source,
                    uint16_t Flags) override;
  bool isTransparentSet() override { return FTransparent; }
  vcl::TPoint BackMapPoint(const vcl::TPoint& Point) override;
  win::HPALETTE BackBitmapPalette() override;
  void BackUpdate() override;
  vcl::TControl* BackControl(int) override { return nullptr; }
  int BackControlCount() override { return 0; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(vcl::TWinControl* AParent) override;
  // At design time a label captioned with the old name takes the new one.
  void SetName(const std::string& NewName) override;

 protected:
  void DefineProperties(vcl::TFiler* Filer) override;
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void WndProc(vcl::TMessage& Message) override;
  void CreateParams(vcl::TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;
  void KeyDown(uint16_t& Key, vcl::TShiftState Shift) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  // Lbstyle from ItemAutoHeight and MeasureItemEvent.
  void SetListBoxStyle();
  // The border of Flat and themed boxes, painted over the window's frame; it follows the focus,
  // the mouse and the enabled state. Into `DC` when given, as ZYLPaintWindowFrame.
  void DrawBorder(win::HDC DC = nullptr);
  // Whether the border is drawn over the window's frame.
  bool DrawsBorder();
  bool Loading() const;
  // Measures item Index and hands its height to the window.
  void RemeasureItem(int Index);
  // The item's text measured with Font3D (DT_EXPANDTABS, one line).
  int MeasureText(const std::string& Text);

  void CMThemeChanged(vcl::TMessage& Message);
  void WMThemeChanged(vcl::TMessage& Message);
  void CMBoundLabelChange(vcl::TMessage& Message);
  void CMScrollBoxScroll(vcl::TMessage& Message);
  void CMVisibleChanged(vcl::TMessage& Message);
  void CMEnabledChanged(vcl::TMessage& Message);
  void CMBiDiModeChanged(vcl::TMessage& Message);
  void CMMouseEnter(vcl::TMessage& Message);
  void CMMouseLeave(vcl::TMessage& Message);
  void CNDrawItem(vcl::TMessage& Message);
  void CNCommand(vcl::TWMCommand& Message);
  void CNCtlColorListBox(vcl::TMessage& Message);
  void LBGetTopIndex(vcl::TMessage& Message);
  void WMKillFocus(vcl::TMessage& Message);
  void WMSetFocus(vcl::TMessage& Message);
  void WMNCPaint(vcl::TMessage& Message);
  void WMPrint(vcl::TMessage& Message);
  void WMPaint(vcl::TMessage& Message);
  void WMSize(vcl::TMessage& Message);
  void WMMove(vcl::TMessage& Message);
  void WMSetCursor(vcl::TMessage& Message);
  void WMNCHitTest(vcl::TMessage& Message);
  void WMEraseBkgnd(vcl::TMessage& Message);

  TZYLOwned<TZYL3DCaption> FFont3D;
  bool FTransparent = false;
  bool FCtlXP = true;
  bool FHideSelection = false;
  uint8_t FMargin = 1;
  vcl::TColor FHorzGridColor = 0xC0C0C0;
  vcl::TPenStyle FHorzGridStyle = vcl::psSolid;
  bool FHorzGridLine = false;
  bool FVerticalScrollBar = true;
  bool FFlat = false;
  vcl::TColor FSelectedColor = vcl::clHighlight;
  vcl::TColor FDisabledColor = vcl::clWindow;
  vcl::TColor FSelectedFontColor = vcl::clHighlightText;
  vcl::TFontStyles FSelectedFontStyle;
  bool FHideFocus = false;
  bool FBeveledFocus = false;
  vcl::TColor FBevelFocusShadowColor = 0x808080;
  vcl::TColor FBevelFocusLightColor = 0xFFFFFF;
  bool FMeasureItemEvent = false;
  bool FMultiLine = false;
  bool FItemAutoHeight = false;
  TZYLListBoxEditOptions FEditOptions;
  TZYLListBoxLargeTextOptions FLargeTextOptions = lbltNone;

 private:
  // Frees the open and the closed editor.
  void CloseEditor();
  void ShowLargeTextHint(bool InClient);
  // An inserted item's editor carries the item's index plus this in its Tag.
  static constexpr int kInsertedTag = 255;

  std::unique_ptr<TZYLCustomListBoxEdit> FEditor;
  std::unique_ptr<TZYLCustomListBoxEdit> FDoomedEditor;  // closed, hidden, freed later
  int FEditIndex = -1;
  int FHorzExtent = 0;
  int FLastTopIndex = -1;
  bool FMouseInControl = false;
  std::unique_ptr<vcl::THintWindow> FHintWindow;
  void* FThemeHandle = nullptr;

 protected:
  vcl::TNotifyEvent FOnEditHide;
  TZYLListBoxEditChangeEvent FOnEditChange;

 protected:
  TZYLListBoxEditMeasureEvent FOnEditMeasure;
  TZYLListBoxEditShowEvent FOnEditShow;

 protected:
  vcl::TNotifyEvent FOnSelect;
};

}  // namespace zyl
