// The standard controls for forms: TLabel (a graphic control showing text), TButton (a windowed
// push button with default, cancel and modal-result behaviour), TListBox, the edits TEdit and
// TMemo (on the window system's EDIT class), TCheckBox and TRadioButton (on its BUTTON class),
// TGroupBox and TStaticText.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/StringList.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"

namespace vcl {

ZYL_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)
ZYL_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)
ZYL_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
ZYL_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)
// The two alignments a check box or radio button takes (taLeftJustify, taRightJustify).
using TLeftRight = TAlignment;
ZYL_ENUM(TStaticBorderStyle, sbsNone, sbsSingle, sbsSunken)

// Registers the framework's control classes for form streams (TForm, TPanel, TLabel,
// TButton, TTimer, the edits, check boxes, radio buttons, group boxes, static texts, radio
// groups, bevels, shapes, images and paint boxes). Done at start-up as well; calling it again is
// harmless.
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
  // Fills the face, frames it when active and draws its raised (or pushed) edge; answers the
  // rectangle inside the frame, where the edge lies.
  TRect PaintFace(TCanvas* Canvas);
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

class TCustomEdit : public TWinControl {
  ZYL_CLASS(TCustomEdit, TWinControl)
  ZYL_MESSAGES(TCustomEdit)
  explicit TCustomEdit(TComponent* AOwner);

  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool Value) { autoSelect_ = Value; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase Value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool Value);
  int32_t MaxLength() const { return maxLength_; }
  void SetMaxLength(int32_t Value);
  bool Modified();
  void SetModified(bool Value);
  bool OEMConvert() const { return oemConvert_; }
  void SetOEMConvert(bool Value);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char Value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool Value);
  int SelStart();
  void SetSelStart(int Value);
  int SelLength();
  void SetSelLength(int Value);
  std::string SelText();
  void SetSelText(const std::string& Value);
  bool CanUndo();

  void Clear();
  void ClearSelection();
  void ClearUndo();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  void SelectAll();

  const TNotifyEvent& OnChange() const { return onChange_; }
  const TNotifyEvent& GetOnChange() const { return onChange_; }
  void SetOnChange(const TNotifyEvent& Value) { onChange_ = Value; }
  TCaption GetText() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void StoreText(const TCaption& Value) override;
  virtual void Change();
  void WMGetText(TMessage& Message);
  void AdjustHeight();
  void CNCommand(TWMCommand& Message);
  void CNCtlColor(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);

  bool autoSelect_ = true;
  bool autoSize_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  TEditCharCase charCase_ = ecNormal;
  bool hideSelection_ = true;
  int32_t maxLength_ = 0;
  bool oemConvert_ = false;
  char passwordChar_ = 0;
  bool readOnly_ = false;
  bool modified_ = false;  // kept while the control has no window
  int selStart_ = 0, selLength_ = 0;
  bool creating_ = false;
  // The window changed its text since the control's copy was taken: the copy is brought up to
  // date when read, so that a change costs no copy of the whole text.
  bool textStale_ = false;
  TNotifyEvent onChange_;
};

class TEdit : public TCustomEdit {
  ZYL_CLASS(TEdit, TCustomEdit)
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};

class TCustomMemo;

// The lines of a memo: the paragraphs of its text (lines end at CR LF).
class TMemoStrings : public TStrings {
  ZYL_CLASS(TMemoStrings, TStrings)
  explicit TMemoStrings(TCustomMemo* Memo) : memo_(Memo) {}
  std::string Get(int Index) const override;
  int GetCount() const override;
  void Put(int Index, const std::string& S) override;
  void Insert(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;
  std::string Text() const override;
  void SetText(const std::string& Value) override;

 protected:
  void SetUpdateState(bool Updating) override;

 private:
  std::vector<std::string> Split() const;
  void Join(const std::vector<std::string>& Lines);
  // The number of lines and whether the text ends with a line break, kept while only this
  // object adds lines at the end; -1: to be counted again.
  void Count() const;
  // The text and where each of its lines starts, taken once after a change and kept until the
  // next one (EN_CHANGE, a stored text, a line appended): reading line after line copies the
  // text once.
  void Index() const;
  void Stale() const { indexed_ = false; }
  TCustomMemo* memo_;
  bool updating_ = false;
  std::vector<std::string> pending_;  // the lines while an update bracket is open
  mutable int breaks_ = -1;           // line breaks in the text
  mutable bool tailNonEmpty_ = false;  // text after the last break
  mutable bool indexed_ = false;
  mutable std::string text_;
  mutable std::vector<size_t> starts_;
  bool appending_ = false;

  friend class TCustomMemo;
};

class TCustomMemo : public TCustomEdit {
  ZYL_CLASS(TCustomMemo, TCustomEdit)
  ZYL_MESSAGES(TCustomMemo)
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TStrings* Lines() const { return lines_; }
  void SetLines(TStrings* Value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle Value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool Value) { wantReturns_ = Value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool Value) { wantTabs_ = Value; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  // The caret as column and line (0-based).
  TPoint CaretPos();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void KeyPress(char& Key) override;
  void Change() override;
  void StoreText(const TCaption& Value) override;
  void WMGetDlgCode(TMessage& Message);
  // Puts text after the end (of the window's text, or of the copy while there is no window).
  void AppendText(const std::string& Piece);

  TAlignment alignment_ = taLeftJustify;
  TStrings* lines_;
  friend class TMemoStrings;
  TScrollStyle scrollBars_ = ssNone;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  bool wordWrap_ = true;
};

class TMemo : public TCustomMemo {
  ZYL_CLASS(TMemo, TCustomMemo)
  explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
};

// The check box and radio button's common ancestor: a windowed control with a checked state
// that clicking changes.
class TButtonControl : public TWinControl {
  ZYL_CLASS(TButtonControl, TWinControl)
  ZYL_MESSAGES(TButtonControl)
  explicit TButtonControl(TComponent* AOwner);
  // The action's Checked too (StdCtrlsActions.cpp).
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  TControlActionLink* CreateActionLink() override;
  TLeftRight Alignment() const { return alignment_; }

 protected:
  friend class TButtonActionLink;
  // Sets the check without the click a change of it brings.
  void SetCheckedQuietly(bool Value);
  virtual bool GetChecked() { return false; }
  virtual void SetChecked(bool) {}
  // The caption's accelerator, once it has focused the control.
  virtual void AccelPressed() {}
  // Left or right alignment (CenterError for centred); the window is made again.
  void ChangeAlignment(TLeftRight Value, const char* CenterError);
  // A subclass of the system's BUTTON class, its text on the left for left alignment.
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void CNCtlColor(TMessage& Message);
  void CMDialogChar(TCMDialogChar& Message);
  void CMFontChanged(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void WMEraseBkgnd(TWMEraseBkgnd& Message);
  bool clicksDisabled_ = false;
  TLeftRight alignment_ = taRightJustify;
};

class TCustomCheckBox : public TButtonControl {
  ZYL_CLASS(TCustomCheckBox, TButtonControl)
  ZYL_MESSAGES(TCustomCheckBox)
  explicit TCustomCheckBox(TComponent* AOwner);

  void SetAlignment(TLeftRight Value);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool Value) { allowGrayed_ = Value; }
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState Value);
  bool Checked() { return GetChecked(); }
  void SetChecked(bool Value) override;
  // A grayed box keeps only its State in streams.
  bool IsCheckedStored() const { return state_ != cbGrayed; }

 protected:
  bool GetChecked() override { return state_ == cbChecked; }
  virtual void Toggle();
  void AccelPressed() override { Toggle(); }
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void CNCommand(TWMCommand& Message);

  bool allowGrayed_ = false;
  TCheckBoxState state_ = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
  ZYL_CLASS(TCheckBox, TCustomCheckBox)
  explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};

class TRadioButton : public TButtonControl {
  ZYL_CLASS(TRadioButton, TButtonControl)
  ZYL_MESSAGES(TRadioButton)
  explicit TRadioButton(TComponent* AOwner);

  void SetAlignment(TLeftRight Value);
  bool Checked() { return checked_; }
  // Checking one unchecks the other radio buttons of the same parent.
  void SetChecked(bool Value) override;

 protected:
  bool GetChecked() override { return checked_; }
  void AccelPressed() override { SetChecked(true); }
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void CNCommand(TWMCommand& Message);

  bool checked_ = false;
};

class TCustomGroupBox : public TCustomControl {
  ZYL_CLASS(TCustomGroupBox, TCustomControl)
  ZYL_MESSAGES(TCustomGroupBox)
  explicit TCustomGroupBox(TComponent* AOwner);
  void AdjustClientRect(TRect& Rect) override;

 protected:
  void Paint() override;
  void CMTextChanged(TMessage& Message);
  void CMDialogChar(TCMDialogChar& Message);
};

class TGroupBox : public TCustomGroupBox {
  ZYL_CLASS(TGroupBox, TCustomGroupBox)
  explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}
};

class TCustomStaticText : public TCustomControl {
  ZYL_CLASS(TCustomStaticText, TCustomControl)
  ZYL_MESSAGES(TCustomStaticText)
  explicit TCustomStaticText(TComponent* AOwner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  TStaticBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TStaticBorderStyle Value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* Value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool Value);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void AdjustBounds();
  void CMTextChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMDialogChar(TCMDialogChar& Message);

  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TStaticBorderStyle borderStyle_ = sbsNone;
  TWinControl* focusControl_ = nullptr;
  bool showAccelChar_ = true;
};

class TStaticText : public TCustomStaticText {
  ZYL_CLASS(TStaticText, TCustomStaticText)
  explicit TStaticText(TComponent* AOwner) : TCustomStaticText(AOwner) {}
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

// The messages of a system list window class that a list control's items go through.
struct TListMessages {
  win::UINT GetTextLen, GetText, GetCount, GetItemData, SetItemData, AddString, InsertString,
      DeleteString, ResetContent, FindStringExact, InitStorage;
  win::LRESULT Err;        // the answer to a bad index
  const char* OutOfSpace;  // the error text when the window refuses a new item
};

// The items of a list control on a system window class (the list box's and the combo box's):
// the window holds them while the control has one, a saved list before. A sorted control without
// a window appends new items and puts them in order once, when they are next read or the window
// is made, so that a fill costs O(n log n): Add then gives the item's place of arrival (the place
// PutObject takes at once, as AddObject does), and its place in order once read.
class TWindowListStrings : public TStrings {
  ZYL_CLASS(TWindowListStrings, TStrings)
  std::string Get(int Index) const override;
  int GetCount() const override;
  TObject* GetObject(int Index) const override;
  void PutObject(int Index, TObject* AObject) override;
  int Add(const std::string& S) override;
  void Insert(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;
  int IndexOf(const std::string& S) const override;
  // Puts the saved items of a sorted control in order (stable: equal items keep their arrival
  // order); MarkUnsorted asks for it, e.g. when the control becomes sorted.
  void Settle() const;
  // The control's Sorted changed: without a window, a sorted list puts its saved items in order
  // when next read, and an unsorted one keeps the order they were last read in.
  void SortedChanged(bool Sorted);
  // Hands the saved items to the control's new window and empties the saved list; copies the
  // window's items into it before the window goes.
  void LoadWindow();
  void SaveWindow();

 protected:
  // Saved and Sorted belong to the control and outlive this object.
  TWindowListStrings(TWinControl* Control, const TListMessages& Messages, TStringList* Saved,
                     const bool& Sorted)
      : control_(Control), messages_(Messages), saved_(Saved), sorted_(Sorted) {}
  void SetUpdateState(bool Updating) override;
  // After a saved item was deleted, and after the saved list was cleared.
  virtual void SavedDeleted(int) {}
  virtual void SavedCleared() {}
  // Empties the window's list.
  virtual void ClearWindow();
  win::LRESULT Send(win::UINT Msg, win::WPARAM WParam, win::LPARAM LParam) const;

  TWinControl* control_;

 private:
  [[noreturn]] void IndexError(int Index) const;

  const TListMessages& messages_;
  TStringList* saved_;
  const bool& sorted_;
  mutable bool unsorted_ = false;  // saved items appended out of order
  mutable int arrived_ = -1;       // the place Add gave last while unsorted
};

// The ancestor of the list box and the combo box: a windowed control whose items a system list
// window holds (TWindowListStrings over a saved list while there is no window), sorted or not,
// with owner-drawn items through OnDrawItem and OnMeasureItem.
class TWindowListControl : public TWinControl {
  ZYL_CLASS(TWindowListControl, TWinControl)
  ZYL_MESSAGES(TWindowListControl)
  ~TWindowListControl() override;

  TStrings* Items() const { return items_; }
  void SetItems(TStrings* Value) { items_->Assign(Value); }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool Value);
  TCanvas* Canvas() const { return canvas_; }

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;
  const TDrawItemEvent& GetOnDrawItem() const { return OnDrawItem; }
  void SetOnDrawItem(const TDrawItemEvent& Value) { OnDrawItem = Value; }
  const TMeasureItemEvent& GetOnMeasureItem() const { return OnMeasureItem; }
  void SetOnMeasureItem(const TMeasureItemEvent& Value) { OnMeasureItem = Value; }

 protected:
  // A tab stop in the window colour, with the saved list and the canvas; the descendant makes
  // the items (and destroys its window in its own destructor, while its overrides stand).
  explicit TWindowListControl(TComponent* AOwner);
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);
  void CNDrawItem(TMessage& Message);
  // The window answers which keys it keeps.
  void WMGetDlgCode(TMessage& Message);
  TWindowListStrings* WindowItems() const { return static_cast<TWindowListStrings*>(items_); }

  TStrings* items_ = nullptr;
  TStringList* saved_ = nullptr;  // the items while there is no window
  int savedIndex_ = -1;
  bool sorted_ = false;
  int itemHeight_ = 16;
  TCanvas* canvas_ = nullptr;
};

class TCustomListBox;

// The items of a list box.
class TListBoxStrings : public TWindowListStrings {
  ZYL_CLASS(TListBoxStrings, TWindowListStrings)
  explicit TListBoxStrings(TCustomListBox* ListBox);
};

// A list of strings in a LISTBOX window: single, multiple or extended selection, sorting and
// owner-drawn items through OnDrawItem and OnMeasureItem.
class TCustomListBox : public TWindowListControl {
  ZYL_CLASS(TCustomListBox, TWindowListControl)
  ZYL_MESSAGES(TCustomListBox)
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

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
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool Value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle Value);
  int Columns() const { return columns_; }
  void SetColumns(int Value);
  TRect ItemRect(int Index);
  // The item at a client point; with Existing, -1 when the point is below the last item.
  int ItemAtPos(TPoint Pos, bool Existing);
  void Clear();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void CNCommand(TWMCommand& Message);
  void CNMeasureItem(TMessage& Message);
  // A wheel turn no control took scrolls the list.
  void WMMouseWheel(TWMMouseWheel& Message);
  // The window draws and measures its items with the new font.
  void CMFontChanged(TMessage& Message);

  int savedTop_ = 0;
  std::vector<bool> savedSel_;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  TListBoxStyle style_ = lbStandard;
  bool integralHeight_ = false;
  TFormBorderStyle borderStyle_ = bsSingle;
  int columns_ = 0;

  friend class TListBoxStrings;
};

class TListBox : public TCustomListBox {
  ZYL_CLASS(TListBox, TCustomListBox)
  explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};

// ---------------------------------------------------------------------------------------------
// The scroll bar control

// A SCROLLBAR window: the user's scrolling arrives as CN_HSCROLL / CN_VSCROLL, moves Position
// by SmallChange or LargeChange (or to the thumb) after OnScroll had its say, and fires
// OnChange when Position changes.
class TScrollBar : public TWinControl {
  ZYL_CLASS(TScrollBar, TWinControl)
  ZYL_MESSAGES(TScrollBar)
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind Value);
  int32_t Position() const { return position_; }
  void SetPosition(int32_t Value) { SetParams(Value, min_, max_); }
  int32_t Min() const { return min_; }
  void SetMin(int32_t Value) { SetParams(position_, Value, max_); }
  int32_t Max() const { return max_; }
  void SetMax(int32_t Value) { SetParams(position_, min_, Value); }
  int32_t PageSize() const { return pageSize_; }
  void SetPageSize(int32_t Value);
  int32_t SmallChange() const { return smallChange_; }
  void SetSmallChange(int32_t Value);
  int32_t LargeChange() const { return largeChange_; }
  void SetLargeChange(int32_t Value);
  // Sets the three at once: raises EInvalidOperation when Max is below Min or the page; the
  // position is brought into the range.
  void SetParams(int32_t APosition, int32_t AMin, int32_t AMax);

  const TNotifyEvent& GetOnChange() const { return onChange_; }
  void SetOnChange(const TNotifyEvent& E) { onChange_ = E; }
  const TScrollEvent& GetOnScroll() const { return onScroll_; }
  void SetOnScroll(const TScrollEvent& E) { onScroll_ = E; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  virtual void Change();
  virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);
  void CNHScroll(TMessage& Message);
  void CNVScroll(TMessage& Message);

 private:
  void DoScroll(TMessage& Message);
  void UpdateBar();
  // The last position the bar can show (the page leaves the rest).
  int32_t LastPosition() const;

  TScrollBarKind kind_ = sbHorizontal;
  int32_t position_ = 0;
  int32_t min_ = 0;
  int32_t max_ = 100;
  int32_t pageSize_ = 0;
  int32_t smallChange_ = 1;
  int32_t largeChange_ = 1;
  TNotifyEvent onChange_;
  TScrollEvent onScroll_;
};

}  // namespace vcl

namespace vcl {

ZYL_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed,
         csOwnerDrawVariable)

class TCustomComboBox;

// The items of a combo box: clearing keeps the edit's text, and the chosen saved item follows
// deletions.
class TComboBoxStrings : public TWindowListStrings {
  ZYL_CLASS(TComboBoxStrings, TWindowListStrings)
  explicit TComboBoxStrings(TCustomComboBox* ComboBox);

 protected:
  void SavedDeleted(int Index) override;
  void SavedCleared() override;
  void ClearWindow() override;

 private:
  TCustomComboBox* comboBox_;
};

// A combo box on the window system's COMBOBOX class: an edit or a drawn selection field with a
// list that drops down (or, in the simple style, always shows), sorting, and owner-drawn items
// through OnDrawItem and OnMeasureItem.
class TCustomComboBox : public TWindowListControl {
  ZYL_CLASS(TCustomComboBox, TWindowListControl)
  ZYL_MESSAGES(TCustomComboBox)
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  int ItemIndex();
  void SetItemIndex(int Value);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle Value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase Value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int Value) { dropDownCount_ = Value; }
  bool DroppedDown();
  void SetDroppedDown(bool Value);
  int ItemHeight();
  void SetItemHeight(int Value);
  int32_t MaxLength() const { return maxLength_; }
  void SetMaxLength(int32_t Value);
  int SelStart();
  void SetSelStart(int Value);
  int SelLength();
  void SetSelLength(int Value);
  std::string SelText();
  void SetSelText(const std::string& Value);
  // The edit child (simple and drop-down styles) and the list window.
  win::HWND EditHandle() const { return editHandle_; }
  win::HWND ListHandle() const { return listHandle_; }
  void Clear();
  void SelectAll();
  bool Focused() override;
  void Loaded() override;

  TNotifyEvent OnChange, OnSelect, OnDropDown, OnCloseUp;
  const TNotifyEvent& GetOnChange() const { return OnChange; }
  void SetOnChange(const TNotifyEvent& Value) { OnChange = Value; }
  const TNotifyEvent& GetOnSelect() const { return OnSelect; }
  void SetOnSelect(const TNotifyEvent& Value) { OnSelect = Value; }
  const TNotifyEvent& GetOnDropDown() const { return OnDropDown; }
  void SetOnDropDown(const TNotifyEvent& Value) { OnDropDown = Value; }
  const TNotifyEvent& GetOnCloseUp() const { return OnCloseUp; }
  void SetOnCloseUp(const TNotifyEvent& Value) { OnCloseUp = Value; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void Change();
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  void AdjustHeight();
  void CNCommand(TWMCommand& Message);
  void CNMeasureItem(TMessage& Message);
  void WMCtlColor(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  // Every message of the edit child (ComboWnd) passes here; ComboProc is the child's own
  // procedure. Keys go through the combo's key handling first (dialog keys, OnKeyDown,
  // OnKeyPress); the result goes into Message.Result.
  virtual void ComboWndProc(TMessage& Message, win::HWND ComboWnd, win::WNDPROC ComboProc);

  TComboBoxStyle style_ = csDropDown;
  TEditCharCase charCase_ = ecNormal;
  int dropDownCount_ = 8;
  int32_t maxLength_ = 0;
  int selStart_ = 0, selLength_ = 0;
  bool creating_ = false;
  win::HWND editHandle_ = nullptr;
  win::HWND listHandle_ = nullptr;

  friend class TComboBoxStrings;

 private:
  win::HWND EditHandleNeeded();
  // Copies the window's text (through the combo's own procedure) into the control's copy.
  void TakeWindowText();
  static win::LRESULT EditSubclass(win::HWND hwnd, win::UINT msg, win::WPARAM wp, win::LPARAM lp);
  win::LRESULT EditWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wp, win::LPARAM lp);
};

class TComboBox : public TCustomComboBox {
  ZYL_CLASS(TComboBox, TCustomComboBox)
  explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};

}  // namespace vcl
