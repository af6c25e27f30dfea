// TZYLListBox: a list with columns. A scroll box holds a column header (TZYLHeaderControl) on
// top and an inner list (TZYLMyListBox) below it; each row is one string of the inner list whose
// columns are separated by Delimiter, and the header's sections give the columns' widths,
// alignments and captions. The box adds grid lines, alternating row colours, selection colours,
// a virtual width wider than the box with horizontal scrolling, a sort by columns, and keeps the
// column widths in the settings storage (a TZYLIniCtrl) under Section and IniKey.
//
// Most properties are forwarded to the header or the inner list through indexed accessors.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLScrollBox.h"
#include "edits/ZYLExtListBox.h"
#include "platform/controls/HeaderCtrls.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLIniCtrl;
class TZYLListBox;

ZYL_ENUM(TZYLLBGridLines, glNone, glHorizontal, glVertical, glBoth)

using TZYLLBGetLineSettingsEvent =
    vcl::TEvent<void(vcl::TObject* Sender, int Index, vcl::TOwnerDrawState State,
                     vcl::TColor& bColor, vcl::TFont* aFont)>;
using TZYLLBCompareItemEvent = vcl::TEvent<void(vcl::TObject* Sender, const std::string& s1,
                                                const std::string& s2, int8_t& result)>;
using TSectionEvent = vcl::TEvent<void(vcl::TObject* Sender, int ASection, int AWidth)>;
using TZYLIniCtrlEvent =
    vcl::TEvent<void(vcl::TObject* Sender, TZYLIniCtrl* aIniCtrl, std::string Section)>;

// The column header: widths by section number, a set width reported like a drag.
class TZYLHeaderControl : public vcl::THeaderControl {
  ZYL_CLASS(TZYLHeaderControl, vcl::THeaderControl)
  explicit TZYLHeaderControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int GetSectionWidth(int I) const;
  // Sets section I's width when it differs, then fires OnSectionResize for it.
  void SetSectionWidth(int I, int W);

 protected:
  // Takes the box's drag handlers before each message (see TZYLListBox::PassHandlers).
  void WndProc(vcl::TMessage& Message) override;
};

// The inner list: every mouse move is passed on to the box.
class TZYLMyListBox : public TZYLExtListBox {
  ZYL_CLASS(TZYLMyListBox, TZYLExtListBox)
  explicit TZYLMyListBox(vcl::TComponent* AOwner) : inherited(AOwner) {}

 protected:
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  // Takes the box's handlers before each message (see TZYLListBox::PassHandlers).
  void WndProc(vcl::TMessage& Message) override;
};

class TZYLListBox : public TZYLCustomScrollBox {
  ZYL_CLASS(TZYLListBox, TZYLCustomScrollBox)
  ZYL_MESSAGES(TZYLListBox)
  explicit TZYLListBox(vcl::TComponent* AOwner);
  ~TZYLListBox() override;

  // The indices of the indexed accessors.
  enum TBoolProp : int {
    biEnabled = 0,
    biExtendedSelect = 1,
    biHeaderVisible = 2,
    biMultiSelect = 3,
    biSorted = 4,
    biAllowResize = 5,
    biShowHint = 6,
    biParentShowHint = 7,
    biTabStop = 8,
    biItemAutoHeight = 9,
    biHeaderHotTrack = 12,
    biHeaderFlat = 13,
    biAlternateColors = 14,
    biBeveledFocus = 15,
    biVirtualAutoWidth = 16,
    biAutoScroll = 21,
  };
  enum TIntegerProp : int {
    iiHeaderHeight,
    iiItemIndex,
    iiTopIndex,
    iiSelCount,
    iiItemHeight,
    iiSectionCount,
  };
  enum TColorProp : int {
    ciColor,
    ciSelectedColor,
    ciGridHorzColor,
    ciGridVertColor,
    ciSelectedFontColor,
    ciAltLineColor,
    ciAltFontColor,
    ciBevelFocusShadowColor,
    ciBevelFocusLightColor,
  };
  enum TFontProp : int { fiHeaderFont, fiFont };
  enum TCursorProp : int { uiCursor, uiDragCursor };
  enum TPenProp : int { piGridHorzStyle, piGridVertStyle };

  bool GetBool(int Index) const;
  void SetBool(int Index, bool Value);
  int GetInteger(int Index) const;
  void SetInteger(int Index, int Value);
  vcl::TColor GetColor(int Index) const;
  void SetColor(int Index, vcl::TColor Value);
  vcl::TFont* GetFont(int Index) const;
  void SetFont(int Index, vcl::TFont* Value);
  vcl::TCursor GetCursor(int Index) const;
  void SetCursor(int Index, vcl::TCursor Value);
  vcl::TPenStyle GetPenStyle(int Index) const;
  void SetPenStyle(int Index, vcl::TPenStyle Value);

  char Delimiter() const { return FDelimiter; }
  void SetDelimiter(char Value);
  TZYLLBGridLines GridLines() const { return FGridLines; }
  void SetGridLines(TZYLLBGridLines Value);
  vcl::TFontStyles SelectedFontStyle() const { return FSelectedFontStyle; }
  void SetSelectedFontStyle(vcl::TFontStyles Value);
  TZYLLabelOptions ColumnOptions() const { return FColumnOptions; }
  void SetColumnOptions(TZYLLabelOptions Value);
  vcl::TListBoxStyle Style() const { return FStyle; }
  void SetStyle(vcl::TListBoxStyle Value);
  int VirtualWidth() const { return FVirtualWidth; }
  void SetVirtualWidth(int W);
  TZYLIniCtrl* IniLink() const { return FIniLink; }
  void SetIniLink(TZYLIniCtrl* Value);
  TZYLIniUse IniUse() const { return FIniUse; }
  void SetIniUse(TZYLIniUse Value);
  const std::string& Section() const { return FSection; }
  void SetSection(const std::string& Value) { FSection = Value; }
  bool IsSectionStored() const { return !FSection.empty() && FSection != "Common"; }
  const std::string& IniKey() const { return FIniKey; }
  void SetIniKey(const std::string& Value) { FIniKey = Value; }
  bool IsIniKeyStored() const { return !FIniKey.empty() && FIniKey != "ListBoxData"; }
  // A ShowHint the inner list takes from its parent is the parent's to keep.
  bool IsShowHintStored() const;
  vcl::THeaderSections* GetHeaderSections() const;
  void SetHeaderSections(vcl::THeaderSections* Value);
  vcl::TStrings* GetItems() const;
  void SetItems(vcl::TStrings* Value);
  std::string GetHint() const;
  void SetHint(const std::string& Value);
  vcl::TImeMode GetImeMode() const;
  void SetImeMode(vcl::TImeMode Value);
  std::string GetImeName() const;
  void SetImeName(const std::string& Value);
  vcl::TDragMode GetDragMode() const;
  void SetDragMod(vcl::TDragMode Value);
  vcl::TControlScrollBar* GetControlBar() const { return VertScrollBar(); }

  const vcl::TNotifyEvent& GetOnSelect() const;
  void SetOnSelect(const vcl::TNotifyEvent& Value);
  const vcl::TMeasureItemEvent& GetMeasureItemEvent() const;
  void SetMeasureItemEvent(const vcl::TMeasureItemEvent& Value);
  const vcl::TSectionNotifyEvent& GetSectionEvent() const;
  void SetSectionEvent(const vcl::TSectionNotifyEvent& Value);
  const vcl::TDrawSectionEvent& GetDrawSectionEvent() const;
  void SetDrawSectionEvent(const vcl::TDrawSectionEvent& Value);
  const vcl::TSectionTrackEvent& GetSectionTrackEvent() const;
  void SetSectionTrackEvent(const vcl::TSectionTrackEvent& Value);

  const vcl::TDrawItemEvent& GetOnDrawItem() const { return FOnDrawItem; }
  void SetOnDrawItem(const vcl::TDrawItemEvent& Value) { FOnDrawItem = Value; }
  const vcl::TDrawItemEvent& GetOnPrepareDrawItem() const { return FOnPrepareDrawItem; }
  void SetOnPrepareDrawItem(const vcl::TDrawItemEvent& Value) { FOnPrepareDrawItem = Value; }
  const TZYLLBGetLineSettingsEvent& GetOnGetLineSettings() const { return FOnGetLineSettings; }
  void SetOnGetLineSettings(const TZYLLBGetLineSettingsEvent& Value) { FOnGetLineSettings = Value; }
  const TZYLLBCompareItemEvent& GetOnSSCompareItem() const { return FOnSSCompareItem; }
  void SetOnSSCompareItem(const TZYLLBCompareItemEvent& Value) { FOnSSCompareItem = Value; }
  const TSectionEvent& GetOnHeaderSized() const { return FOnHeaderSized; }
  void SetOnHeaderSized(const TSectionEvent& Value) { FOnHeaderSized = Value; }
  const vcl::TSectionNotifyEvent& GetOnHeaderSectionResize() const {
    return FOnHeaderSectionResize;
  }
  void SetOnHeaderSectionResize(const vcl::TSectionNotifyEvent& Value) {
    FOnHeaderSectionResize = Value;
  }
  const TZYLIniCtrlEvent& GetOnIniReadData() const { return FOnIniReadData; }
  void SetOnIniReadData(const TZYLIniCtrlEvent& Value) { FOnIniReadData = Value; }
  const TZYLIniCtrlEvent& GetOnIniWriteData() const { return FOnIniWriteData; }
  void SetOnIniWriteData(const TZYLIniCtrlEvent& Value) { FOnIniWriteData = Value; }
  // The setters of the drawing and header events, which form streams bind handlers through.

  // Rows and columns.
  int AddLine(std::initializer_list<std::string> Columns);
  int AddLine(const std::vector<std::string>& Columns);
  std::string ItemPart(int Row, int Column) const;
  // Replaces a column of a row (rows at or beyond the row count are left alone).
  void SetItemPart(int Row, int Column, const std::string& Text);
  std::string GetPartString(const std::string& S, int Column) const;
  void Clear();
  int ItemAtPos(vcl::TPoint P, bool Existing) const;
  bool GetSelected(int I) const;
  void SetSelected(int I, bool Value);
  vcl::TCanvas* GetCanvas() const;
  TZYLMyListBox* ListBox() const { return FListBox.get(); }
  TZYLHeaderControl* Header() const { return FHeader.get(); }

  // Sorts the rows by the listed columns (compared as strings by character codes), or by
  // OnSSCompareItem when it is assigned.
  void SpecialSort(const std::vector<int>& Columns);
  void SpecialSort() { SpecialSort(std::vector<int>{}); }

  void ReadData() { DoReadData(); }
  void WriteData() { DoWriteData(); }
  // The section widths as "w1,w2,..."; setting reads them back (adding missing sections).
  std::string GetIniString() const;
  void SetIniString(const std::string& S);
  int CalcColumnsWidth() const;
  void UpdateVirtualWidth();
  uint32_t GetOptionsFlag() const;

  // Paints row Index's background and sets the canvas's font colours for its state; owner-drawn
  // rows of the editor forms start with it.
  void PrepareDrawItem(vcl::TRect Rect, vcl::TOwnerDrawState State, int Index);

  void SetFocus() override;
  bool Focused() override;
  // Enabled is the whole control's: the inner list, the header and the box, however it is set
  // (the published Enabled or the control's own setter).
  void SetEnabled(bool Value) override;
  // Called by the inner list on every mouse move (after its own handling).
  virtual void InternalMouseMove(vcl::TShiftState Shift, int X, int Y);
  // Gives the inner list the box's click, focus, drag, mouse and key handlers, and the header
  // its drag handlers, where the box's differ from those it gave last. Loading gives all of
  // them; the inner list and the header ask again before each message they handle, so that a
  // handler set or changed in code on the box runs as one read from a form file does (with
  // the inner control as Sender), while one set on the inner list itself stays until the
  // box's changes. `All` gives every one of them, as loading does.
  void PassHandlers(bool All = false);

 protected:
  virtual void DoReadData();
  virtual void DoWriteData();
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void ReadState(vcl::TReader* Reader) override;
  void AlignControls(vcl::TControl* AControl, vcl::TRect& Rect) override;
  void Resize() override;
  // The inner list's OnDrawItem.
  void DrawItem(vcl::TWinControl* Control, int Index, vcl::TRect Rect, vcl::TOwnerDrawState State);
  // The header's OnSectionResize.
  void HeaderSized(vcl::THeaderControl* HeaderControl, vcl::THeaderSection* Section);
  void CMTransparentChanged(vcl::TMessage& Message);
  void WMEraseBkgnd(vcl::TMessage& Message);

 private:
  bool Busy() const;  // loading, reading or destroying
  void RefreshList();
  // The settings storage in use: the link, the application's, or none.
  TZYLIniCtrl* Storage() const;
  void FindIniLink();
  // -1, 0 or 1: row S against the pivot P.
  int CompareRows(const std::string& S, const std::string& P, const std::vector<int>& Columns);
  void QuickSort(int L, int R, const std::vector<int>& Columns);

  // The handlers the inner controls were last given.
  struct TPassed {
    vcl::TNotifyEvent Click, DblClick, Enter, Exit;
    vcl::TDragDropEvent DragDrop;
    vcl::TDragOverEvent DragOver;
    vcl::TEndDragEvent EndDrag;
    vcl::TStartDragEvent StartDrag;
    vcl::TMouseEvent MouseDown, MouseUp;
    vcl::TMouseMoveEvent MouseMove;
    vcl::TKeyEvent KeyDown, KeyUp;
    vcl::TKeyPressEvent KeyPress;
  };

  std::unique_ptr<TZYLHeaderControl> FHeader;
  std::unique_ptr<TZYLMyListBox> FListBox;
  TPassed FPassed;
  char FDelimiter = ';';
  TZYLLBGridLines FGridLines = glNone;
  vcl::TColor FGridHorzColor = 0xC0C0C0;
  vcl::TColor FGridVertColor = 0xC0C0C0;
  vcl::TPenStyle FGridHorzStyle = vcl::psSolid;
  vcl::TPenStyle FGridVertStyle = vcl::psSolid;
  vcl::TColor FSelectedColor = vcl::clHighlight;
  vcl::TColor FSelectedFontColor = vcl::clHighlightText;
  vcl::TFontStyles FSelectedFontStyle;
  bool FAlternateColors = false;
  // Whether the columns may be resized: the header is enabled while this and Enabled hold.
  bool FAllowResize = true;
  vcl::TColor FAltLineColor = 0xC0C0C0;
  vcl::TColor FAltFontColor = vcl::clWindowText;
  TZYLLabelOptions FColumnOptions;
  vcl::TListBoxStyle FStyle = vcl::lbStandard;
  int FVirtualWidth = 0;
  bool FVirtualAutoWidth = false;
  TZYLIniCtrl* FIniLink = nullptr;
  TZYLIniUse FIniUse = ioNone;
  std::string FSection = "Common";
  std::string FIniKey = "ListBoxData";
  bool FAligning = false;  // AlignControls is placing header and list

 protected:
  TZYLIniCtrlEvent FOnIniWriteData;
  TZYLIniCtrlEvent FOnIniReadData;

 protected:
  vcl::TSectionNotifyEvent FOnHeaderSectionResize;
  TSectionEvent FOnHeaderSized;

 protected:
  TZYLLBCompareItemEvent FOnSSCompareItem;
  TZYLLBGetLineSettingsEvent FOnGetLineSettings;

 protected:
  vcl::TDrawItemEvent FOnPrepareDrawItem;
  vcl::TDrawItemEvent FOnDrawItem;
};

inline constexpr vcl::TUnitEntry ZYLListBoxUnit = vcl::ClassesUnit<TZYLListBox>("ZYLListBox");

}  // namespace zyl
