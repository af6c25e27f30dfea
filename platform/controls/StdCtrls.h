// A few standard controls for forms: TLabel (a graphic control showing text), TButton (a
// windowed push button with default, cancel and modal-result behaviour) and TListBox.
#pragma once

#include <string>

#include "platform/classes/StringList.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"

namespace vcl {

ZYL_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)

// Registers the framework's control classes for form streams (TForm, TPanel, TLabel,
// TButton, TTimer). Done at start-up as well; calling it again is harmless.
void RegisterStandardControls();

// True when Str marks Key as its accelerator ("&x", case-insensitive).
bool IsAccel(uint16_t Key, const std::string& Str);

class TCustomLabel : public TGraphicControl {
  ZYL_CLASS(TCustomLabel, TGraphicControl)
  ZYL_MESSAGES(TCustomLabel)
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout Value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool Value);
  bool Transparent() const { return !controlStyle_.contains(csOpaque); }
  void SetTransparent(bool Value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* Value);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

 protected:
  void Paint() override;
  void AdjustBounds();
  // Draws (or with DT_CALCRECT measures) the caption in Rect.
  void DoDrawText(TRect& Rect, uint32_t Flags);
  void CMTextChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMDialogChar(TCMDialogChar& Message);

  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TTextLayout layout_ = tlTop;
  bool showAccelChar_ = true;
  bool wordWrap_ = false;
  TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
  ZYL_CLASS(TLabel, TCustomLabel)
  explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};

class TButton : public TCustomControl {
  ZYL_CLASS(TButton, TCustomControl)
  ZYL_MESSAGES(TButton)
  explicit TButton(TComponent* AOwner);

  void Click() override;
  bool Default() const { return default_; }
  void SetDefault(bool Value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool Value) { cancel_ = Value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  // Whether Return presses this button (it is focused, or it is the default and no other
  // button is focused).
  bool IsActive() const { return active_; }
  bool Down() const { return down_; }

 protected:
  void Paint() override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMDialogKey(TCMDialogKey& Message);
  void CMDialogChar(TCMDialogChar& Message);
  void CMFocusChanged(TCMFocusChanged& Message);
  void CMTextChanged(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);

  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  bool down_ = false;
  TModalResult modalResult_ = 0;
};

}  // namespace vcl

namespace vcl {

ZYL_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)
ZYL_ENUM(TOwnerDrawStateItem, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault,
         odComboBoxEdit)
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
using TDrawItemEvent =
    TEvent<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TEvent<void(TWinControl* Control, int Index, int& Height)>;

class TCustomListBox;

// The items of a list box: the list box's window holds them while it has one.
class TListBoxStrings : public TStrings {
  ZYL_CLASS(TListBoxStrings, TStrings)
  explicit TListBoxStrings(TCustomListBox* ListBox) : listBox_(ListBox) {}
  std::string Get(int Index) const override;
  int GetCount() const override;
  TObject* GetObject(int Index) const override;
  void PutObject(int Index, TObject* AObject) override;
  int Add(const std::string& S) override;
  void Insert(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;
  int IndexOf(const std::string& S) const override;

 protected:
  void SetUpdateState(bool Updating) override;

 private:
  TCustomListBox* listBox_;
};

// A list of strings in a LISTBOX window: single, multiple or extended selection, sorting and
// owner-drawn items through OnDrawItem and OnMeasureItem.
class TCustomListBox : public TWinControl {
  ZYL_CLASS(TCustomListBox, TWinControl)
  ZYL_MESSAGES(TCustomListBox)
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* Items() const { return items_; }
  void SetItems(TStrings* Value) { items_->Assign(Value); }
  int ItemIndex();
  void SetItemIndex(int Value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool Value);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool Value);
  bool Selected(int Index);
  void SetSelected(int Index, bool Value);
  int SelCount();
  int TopIndex();
  void SetTopIndex(int Value);
  int ItemHeight();
  void SetItemHeight(int Value);
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle Value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool Value);
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool Value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle Value);
  int Columns() const { return columns_; }
  void SetColumns(int Value);
  TCanvas* Canvas() const { return canvas_; }
  TRect ItemRect(int Index);
  // The item at a client point; with Existing, -1 when the point is below the last item.
  int ItemAtPos(TPoint Pos, bool Existing);
  void Clear();

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;
  const TDrawItemEvent& GetOnDrawItem() const { return OnDrawItem; }
  void SetOnDrawItem(const TDrawItemEvent& Value) { OnDrawItem = Value; }
  const TMeasureItemEvent& GetOnMeasureItem() const { return OnMeasureItem; }
  void SetOnMeasureItem(const TMeasureItemEvent& Value) { OnMeasureItem = Value; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);
  void CNCommand(TWMCommand& Message);
  void CNDrawItem(TMessage& Message);
  void CNMeasureItem(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);

  TStrings* items_ = nullptr;
  TStringList* saved_ = nullptr;  // the items while there is no window
  int savedIndex_ = -1;
  int savedTop_ = 0;
  std::vector<bool> savedSel_;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  TListBoxStyle style_ = lbStandard;
  bool sorted_ = false;
  bool integralHeight_ = false;
  TFormBorderStyle borderStyle_ = bsSingle;
  int columns_ = 0;
  int itemHeight_ = 16;
  TCanvas* canvas_ = nullptr;

  friend class TListBoxStrings;
};

class TListBox : public TCustomListBox {
  ZYL_CLASS(TListBox, TCustomListBox)
  explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};

}  // namespace vcl
