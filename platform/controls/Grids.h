// The framework's grids: TCustomGrid (cells in columns and rows, fixed rows and columns that do
// not scroll, column widths and row heights, scrolling, keyboard and mouse selection, sizing and
// moving columns and rows, an in-place editor), TDrawGrid (the cells drawn by OnDrawCell) and
// TStringGrid (a text and an object per cell).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/classes/StringList.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Mask.h"
#include "platform/controls/StdCtrls.h"

namespace vcl {

ZYL_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
         goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs,
         goRowSelect, goAlwaysShowEditor, goThumbTracking)
using TGridOptions = TSet<TGridOption>;
ZYL_ENUM(TGridDrawStateItem, gdSelected, gdFocused, gdFixed)
using TGridDrawState = TSet<TGridDrawStateItem>;
ZYL_ENUM(TGridState, gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving)

using EInvalidGridOperation = vcl::TNamedException<"EInvalidGridOperation", Exception>;

struct TGridCoord {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

struct TGridRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// The most columns or rows a grid holds.
inline constexpr int32_t MaxCustomExtents = 134217727;

class TCustomGrid;

// The edit that the grid places over the current cell while the user types into it, with the
// edit mask the grid gives the cell.
class TInplaceEdit : public TCustomMaskEdit {
  ZYL_CLASS(TInplaceEdit, TCustomMaskEdit)
  ZYL_MESSAGES(TInplaceEdit)
  explicit TInplaceEdit(TComponent* AOwner);

  TCustomGrid* Grid() const { return grid_; }
  // Shows the editor over the grid's rectangle R and takes the focus.
  void Move(const TRect& R);
  void Hide();
  bool Shown() const;
  // Takes the grid's text of the current cell again.
  void UpdateContents();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void Change() override;
  void WMGetDlgCode(TMessage& Message);

 private:
  TCustomGrid* grid_ = nullptr;
  std::string original_;  // the text when the editor opened (Escape goes back to it)
  bool updating_ = false;
  friend class TCustomGrid;
};

using TSelectCellEvent = TEvent<void(TObject* Sender, int32_t ACol, int32_t ARow, bool& CanSelect)>;
using TDrawCellEvent =
    TEvent<void(TObject* Sender, int32_t ACol, int32_t ARow, TRect Rect, TGridDrawState State)>;
using TGetEditEvent = TEvent<void(TObject* Sender, int32_t ACol, int32_t ARow, std::string& Value)>;
using TSetEditEvent =
    TEvent<void(TObject* Sender, int32_t ACol, int32_t ARow, const std::string& Value)>;
using TMovedEvent = TEvent<void(TObject* Sender, int32_t FromIndex, int32_t ToIndex)>;

class TCustomGrid : public TCustomControl {
  ZYL_CLASS(TCustomGrid, TCustomControl)
  ZYL_MESSAGES(TCustomGrid)
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  // The cell under a client point (-1 for a part of the control outside every cell).
  TGridCoord MouseCoord(int X, int Y);
  // A cell's client rectangle without its grid lines; empty when the cell is not visible.
  TRect CellRect(int32_t ACol, int32_t ARow);

  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  int32_t Col() const { return current_.X; }
  void SetCol(int32_t Value);
  int32_t Row() const { return current_.Y; }
  void SetRow(int32_t Value);
  int32_t ColCount() const { return colCount_; }
  void SetColCount(int32_t Value);
  int32_t RowCount() const { return rowCount_; }
  void SetRowCount(int32_t Value);
  int32_t ColWidths(int32_t Index) const;
  void SetColWidths(int32_t Index, int32_t Value);
  int32_t RowHeights(int32_t Index) const;
  void SetRowHeights(int32_t Index, int32_t Value);
  bool TabStops(int32_t Index) const;
  void SetTabStops(int32_t Index, bool Value);
  int32_t DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int32_t Value);
  int32_t DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int32_t Value);
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool Value);
  bool EditorMode() const { return editorMode_; }
  void SetEditorMode(bool Value);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor Value);
  int32_t FixedCols() const { return fixedCols_; }
  void SetFixedCols(int32_t Value);
  int32_t FixedRows() const { return fixedRows_; }
  void SetFixedRows(int32_t Value);
  int32_t GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int32_t Value);
  // The drawn part: fixed cells and the scrolled cells up to the client area's edge.
  int GridWidth();
  int GridHeight();
  int32_t LeftCol() const { return topLeft_.X; }
  void SetLeftCol(int32_t Value);
  int32_t TopRow() const { return topLeft_.Y; }
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions Value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle Value);
  TGridRect Selection() const;
  void SetSelection(const TGridRect& Value);
  // Scrolled cells wholly in view.
  int32_t VisibleColCount();
  int32_t VisibleRowCount();
  TInplaceEdit* InplaceEditor() const { return editor_; }

 protected:
  virtual void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) = 0;
  virtual bool SelectCell(int32_t ACol, int32_t ARow);
  virtual std::string GetEditText(int32_t ACol, int32_t ARow);
  virtual void SetEditText(int32_t ACol, int32_t ARow, const std::string& Value);
  virtual std::string GetEditMask(int32_t ACol, int32_t ARow);
  virtual bool CanEditShow();
  virtual bool CanEditModify();
  virtual void ColumnMoved(int32_t FromIndex, int32_t ToIndex);
  virtual void RowMoved(int32_t FromIndex, int32_t ToIndex);
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  virtual void TopLeftChanged();
  // The counts changed from OldColCount, OldRowCount.
  virtual void SizeChanged(int32_t OldColCount, int32_t OldRowCount);
  virtual TInplaceEdit* CreateEditor();

 public:
  void MoveColumn(int32_t FromIndex, int32_t ToIndex);
  void MoveRow(int32_t FromIndex, int32_t ToIndex);
  void DeleteRow(int32_t ARow);
  void InvalidateCell(int32_t ACol, int32_t ARow);
  void InvalidateCol(int32_t ACol);
  void InvalidateRow(int32_t ARow);
  void ShowEditor();
  void HideEditor();
  // Moves the current cell, with the selection following (extended from the anchor when
  // Extend and goRangeSelect) and the view scrolled to show it.
  void FocusCell(int32_t ACol, int32_t ARow, bool MoveAnchor);

 protected:
  void Paint() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void DoEnter() override;
  void DoExit() override;

  void WMGetDlgCode(TMessage& Message);
  void WMHScroll(TMessage& Message);
  void WMVScroll(TMessage& Message);
  void WMSize(TWMSize& Message);
  void WMSetCursor(TWMSetCursor& Message);
  void CMFontChanged(TMessage& Message);
  void CMColorChanged(TMessage& Message);

  // How one axis lays out in the client area.
  struct TAxisInfo {
    int64_t LineWidth = 0;      // of every visible cell's line
    int32_t FixedCount = 0;     // fixed cells
    int32_t FirstScrolled = 0;  // first scrolled cell shown
    int32_t Count = 0;          // all cells
    int64_t FixedBoundary = 0;  // where the scrolled cells begin
    int64_t GridBoundary = 0;   // where the last shown cell ends (line included)
    int64_t ClientSize = 0;
    int32_t LastFullVisible = 0;  // last cell wholly in view
    int32_t LastVisible = 0;      // last cell partly in view
  };
  // The extent of cell i on an axis (0 for a hidden cell).
  int64_t ColExtent(int32_t i) const;
  int64_t RowExtent(int32_t i) const;
  TAxisInfo AxisInfo(bool horizontal, int32_t first) const;
  // The first scrolled cell that still fills the client area to its end.
  int32_t MaxTopLeft(bool horizontal) const;
  // The start of a cell on an axis (-1 when it is not shown), and its extent.
  int64_t CellStart(const TAxisInfo& a, bool horizontal, int32_t index) const;
  // The cell at a client coordinate on an axis (-1: none).
  int32_t CellAt(const TAxisInfo& a, bool horizontal, int64_t pos) const;
  void MoveTopLeft(int32_t ALeft, int32_t ATop);
  void ScrollToShow(int32_t ACol, int32_t ARow);
  void UpdateScrollBars();
  void ScrollMessage(bool horizontal, int code, int pos);
  void ChangeSize(int32_t NewColCount, int32_t NewRowCount);
  void ClampPositions();
  // The fixed counts changed: the grid starts again at its first scrolled cell.
  void FixedCountChanged();
  void UpdateEditor();
  // Where a sizing or moving drag would start at a client point: the index or -1.
  int32_t SizingIndexAt(bool horizontal, int X, int Y);
  void DrawCells();
  TRect FocusRect();

  TBorderStyle borderStyle_ = bsSingle;
  int32_t colCount_ = 5;
  int32_t rowCount_ = 5;
  int32_t defaultColWidth_ = 64;
  int32_t defaultRowHeight_ = 24;
  bool defaultDrawing_ = true;
  bool editorMode_ = false;
  TColor fixedColor_ = clBtnFace;
  int32_t fixedCols_ = 1;
  int32_t fixedRows_ = 1;
  int32_t gridLineWidth_ = 1;
  TGridOptions options_;
  TScrollStyle scrollBars_ = ssBoth;
  // Sizes that differ from the default; empty while every size is the default.
  std::vector<int32_t> colWidths_, rowHeights_;
  std::vector<bool> tabStops_;  // empty: every column is a tab stop
  TGridCoord current_{1, 1};
  TGridCoord anchor_{1, 1};
  TGridCoord topLeft_{1, 1};
  TGridState state_ = gsNormal;
  int32_t sizingIndex_ = -1;
  int64_t sizingOffset_ = 0;  // the mouse minus the sized cell's far edge
  int32_t moveFrom_ = -1, moveTo_ = -1;
  TInplaceEdit* editor_ = nullptr;
  bool updatingBars_ = false;

  friend class TInplaceEdit;
};

// A grid whose cells OnDrawCell draws; the events of the grid's operations.
class TCustomDrawGrid : public TCustomGrid {
  ZYL_CLASS(TCustomDrawGrid, TCustomGrid)
  using TCustomGrid::TCustomGrid;

  TMovedEvent OnColumnMoved;
  TDrawCellEvent OnDrawCell;
  TGetEditEvent OnGetEditMask;
  TGetEditEvent OnGetEditText;
  TMovedEvent OnRowMoved;
  TSelectCellEvent OnSelectCell;
  TSetEditEvent OnSetEditText;
  TNotifyEvent OnTopLeftChanged;
  const TMovedEvent& GetOnColumnMoved() const { return OnColumnMoved; }
  void SetOnColumnMoved(const TMovedEvent& E) { OnColumnMoved = E; }
  const TDrawCellEvent& GetOnDrawCell() const { return OnDrawCell; }
  void SetOnDrawCell(const TDrawCellEvent& E) { OnDrawCell = E; }
  const TGetEditEvent& GetOnGetEditMask() const { return OnGetEditMask; }
  void SetOnGetEditMask(const TGetEditEvent& E) { OnGetEditMask = E; }
  const TGetEditEvent& GetOnGetEditText() const { return OnGetEditText; }
  void SetOnGetEditText(const TGetEditEvent& E) { OnGetEditText = E; }
  const TMovedEvent& GetOnRowMoved() const { return OnRowMoved; }
  void SetOnRowMoved(const TMovedEvent& E) { OnRowMoved = E; }
  const TSelectCellEvent& GetOnSelectCell() const { return OnSelectCell; }
  void SetOnSelectCell(const TSelectCellEvent& E) { OnSelectCell = E; }
  const TSetEditEvent& GetOnSetEditText() const { return OnSetEditText; }
  void SetOnSetEditText(const TSetEditEvent& E) { OnSetEditText = E; }
  const TNotifyEvent& GetOnTopLeftChanged() const { return OnTopLeftChanged; }
  void SetOnTopLeftChanged(const TNotifyEvent& E) { OnTopLeftChanged = E; }

 protected:
  void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int32_t ACol, int32_t ARow) override;
  std::string GetEditText(int32_t ACol, int32_t ARow) override;
  void SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) override;
  std::string GetEditMask(int32_t ACol, int32_t ARow) override;
  void ColumnMoved(int32_t FromIndex, int32_t ToIndex) override;
  void RowMoved(int32_t FromIndex, int32_t ToIndex) override;
  void TopLeftChanged() override;
};

class TDrawGrid : public TCustomDrawGrid {
  ZYL_CLASS(TDrawGrid, TCustomDrawGrid)
  using TCustomDrawGrid::TCustomDrawGrid;
};

class TStringGrid;

// A column or a row of a string grid as strings (with the cells' objects).
class TStringGridStrings : public TStrings {
  ZYL_CLASS(TStringGridStrings, TStrings)

 public:
  TStringGridStrings(TStringGrid* Grid, bool IsColumn, int32_t Index)
      : grid_(Grid), column_(IsColumn), index_(Index) {}
  int GetCount() const override;
  std::string Get(int Index) const override;
  void Put(int Index, const std::string& S) override;
  TObject* GetObject(int Index) const override;
  void PutObject(int Index, TObject* AObject) override;
  // A line list is as long as the grid's side: Add fills the first empty cell.
  int Add(const std::string& S) override;
  void Insert(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;

 private:
  TGridCoord CellOf(int Index) const;
  void CheckIndex(int Index) const;
  TStringGrid* grid_;
  bool column_;
  int32_t index_;
};

class TStringGrid : public TDrawGrid {
  ZYL_CLASS(TStringGrid, TDrawGrid)
  explicit TStringGrid(TComponent* AOwner);
  ~TStringGrid() override;

  std::string Cells(int32_t ACol, int32_t ARow) const;
  void SetCells(int32_t ACol, int32_t ARow, const std::string& Value);
  TObject* Objects(int32_t ACol, int32_t ARow) const;
  void SetObjects(int32_t ACol, int32_t ARow, TObject* Value);
  // The column or row as strings; the object stays the grid's.
  TStrings* Cols(int32_t Index);
  TStrings* Rows(int32_t Index);
  void SetRows(int32_t Index, TStrings* Value);

 protected:
  void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) override;
  std::string GetEditText(int32_t ACol, int32_t ARow) override;
  void SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) override;
  void ColumnMoved(int32_t FromIndex, int32_t ToIndex) override;
  void RowMoved(int32_t FromIndex, int32_t ToIndex) override;
  void SizeChanged(int32_t OldColCount, int32_t OldRowCount) override;

 private:
  struct TCell {
    std::string Text;
    TObject* Object = nullptr;
  };
  static uint64_t Key(int32_t ACol, int32_t ARow) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(ACol)) << 32) | static_cast<uint32_t>(ARow);
  }
  void CheckCell(int32_t ACol, int32_t ARow) const;
  void CellChanged(int32_t ACol, int32_t ARow, TCell& Cell);
  // Renumbers the cells of one axis as moving FromIndex to ToIndex renumbers them.
  void Renumber(bool columns, int32_t FromIndex, int32_t ToIndex);

  std::unordered_map<uint64_t, TCell> cells_;
  std::unordered_map<int64_t, std::unique_ptr<TStringGridStrings>> lines_;
  friend class TStringGridStrings;
};

}  // namespace vcl
