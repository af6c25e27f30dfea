// Grids: the current cell and the selection, keyboard and mouse, sizing and moving columns
// and rows, and the in-place editor.
#include <algorithm>

#include "platform/base/Restore.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Grids.h"
#include "platform/rtl/Consts.h"

namespace vcl {

using namespace win;

namespace {
constexpr int kSizingZone = 3;  // how near a line between fixed cells the mouse grabs it
}  // namespace

// ---------------------------------------------------------------------------------------------
// The current cell

bool TCustomGrid::SelectCell(int32_t, int32_t) { return true; }

void TCustomGrid::FocusCell(int32_t ACol, int32_t ARow, bool MoveAnchor) {
  if (ACol < fixedCols_ || ACol >= colCount_ || ARow < fixedRows_ || ARow >= rowCount_)
    throw EInvalidGridOperation(SIndexOutOfRange);
  const TGridCoord to{ACol, ARow};
  if (!(to == current_) && !SelectCell(ACol, ARow)) return;
  const bool editing = editorMode_;
  if (!(to == current_)) HideEditor();
  current_ = to;
  if (MoveAnchor || !options_.contains(goRangeSelect)) anchor_ = current_;
  ScrollToShow(ACol, ARow);
  Invalidate();
  Click();
  if (editing || (options_.contains(goAlwaysShowEditor) && options_.contains(goEditing)))
    ShowEditor();
}

void TCustomGrid::InvalidateCell(int32_t ACol, int32_t ARow) {
  if (!HandleAllocated()) return;
  TRect r = CellRect(ACol, ARow);
  InflateRect(&r, 1, 1);
  RECT rc = r;
  InvalidateRect(Handle(), &rc, FALSE);
}

void TCustomGrid::InvalidateCol(int32_t ACol) {
  if (!HandleAllocated()) return;
  const TRect r = CellRect(ACol, topLeft_.Y);
  RECT rc{r.Left - 1, 0, r.Right + 1, height_};
  if (r.Right > r.Left) InvalidateRect(Handle(), &rc, FALSE);
  if (fixedRows_ > 0 || r.Right <= r.Left) Invalidate();
}

void TCustomGrid::InvalidateRow(int32_t ARow) {
  if (!HandleAllocated()) return;
  const TRect r = CellRect(topLeft_.X, ARow);
  RECT rc{0, r.Top - 1, width_, r.Bottom + 1};
  if (r.Bottom > r.Top)
    InvalidateRect(Handle(), &rc, FALSE);
  else
    Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Moving and deleting columns and rows

void TCustomGrid::MoveColumn(int32_t FromIndex, int32_t ToIndex) {
  if (FromIndex < 0 || FromIndex >= colCount_ || ToIndex < 0 || ToIndex >= colCount_)
    throw EInvalidGridOperation(SIndexOutOfRange);
  if (FromIndex == ToIndex) return;
  HideEditor();
  if (!colWidths_.empty()) {
    const int32_t w = colWidths_[FromIndex];
    colWidths_.erase(colWidths_.begin() + FromIndex);
    colWidths_.insert(colWidths_.begin() + ToIndex, w);
  }
  if (!tabStops_.empty()) {
    const bool t = tabStops_[FromIndex];
    tabStops_.erase(tabStops_.begin() + FromIndex);
    tabStops_.insert(tabStops_.begin() + ToIndex, t);
  }
  ColumnMoved(FromIndex, ToIndex);
  ColWidthsChanged();
}

void TCustomGrid::MoveRow(int32_t FromIndex, int32_t ToIndex) {
  if (FromIndex < 0 || FromIndex >= rowCount_ || ToIndex < 0 || ToIndex >= rowCount_)
    throw EInvalidGridOperation(SIndexOutOfRange);
  if (FromIndex == ToIndex) return;
  HideEditor();
  if (!rowHeights_.empty()) {
    const int32_t h = rowHeights_[FromIndex];
    rowHeights_.erase(rowHeights_.begin() + FromIndex);
    rowHeights_.insert(rowHeights_.begin() + ToIndex, h);
  }
  RowMoved(FromIndex, ToIndex);
  RowHeightsChanged();
}

void TCustomGrid::ColumnMoved(int32_t, int32_t) {}
void TCustomGrid::RowMoved(int32_t, int32_t) {}

void TCustomGrid::DeleteRow(int32_t ARow) {
  if (ARow < 0 || ARow >= rowCount_) throw EInvalidGridOperation(SIndexOutOfRange);
  if (rowCount_ - 1 <= fixedRows_) throw EInvalidGridOperation(STooManyDeleted);
  MoveRow(ARow, rowCount_ - 1);
  SetRowCount(rowCount_ - 1);
}

// ---------------------------------------------------------------------------------------------
// The in-place editor

std::string TCustomGrid::GetEditText(int32_t, int32_t) { return {}; }
void TCustomGrid::SetEditText(int32_t, int32_t, const std::string&) {}
std::string TCustomGrid::GetEditMask(int32_t, int32_t) { return {}; }
bool TCustomGrid::CanEditModify() { return true; }

bool TCustomGrid::CanEditShow() {
  return options_.contains(goEditing) && !options_.contains(goRowSelect) && Focused() &&
         !ComponentState().contains(csDesigning);
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

void TCustomGrid::ShowEditor() {
  if (!CanEditShow()) return;
  if (!editor_) {
    editor_ = CreateEditor();
    editor_->grid_ = this;
    editor_->Font()->Assign(font_);
    editor_->SetParent(this);
  }
  editorMode_ = true;
  editor_->UpdateContents();
  UpdateEditor();
}

void TCustomGrid::HideEditor() {
  if (!editorMode_) return;
  editorMode_ = false;
  if (editor_ && editor_->Shown()) {
    const bool hadFocus = editor_->Focused();
    editor_->Hide();
    if (hadFocus && CanFocus()) SetFocus();
  }
  InvalidateCell(current_.X, current_.Y);
}

void TCustomGrid::SetEditorMode(bool Value) {
  if (Value)
    ShowEditor();
  else
    HideEditor();
}

// Places the shown editor over the current cell, or hides it when the cell left the view.
void TCustomGrid::UpdateEditor() {
  if (!editor_ || !editorMode_) return;
  const TRect r = CellRect(current_.X, current_.Y);
  if (r.Right <= r.Left || r.Bottom <= r.Top)
    editor_->Hide();
  else
    editor_->Move(r);
}

// ---------------------------------------------------------------------------------------------
// Keyboard

void TCustomGrid::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_WANTARROWS;
  if (!options_.contains(goRowSelect) && options_.contains(goTabs)) Message.Result |= DLGC_WANTTAB;
  if (options_.contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}

void TCustomGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  const bool extend = Shift.contains(ssShift) && options_.contains(goRangeSelect);
  const bool rowSelect = options_.contains(goRowSelect);
  int64_t col = current_.X, row = current_.Y;
  const int32_t pageRows = std::max(1, VisibleRowCount());
  switch (Key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT:
      if (rowSelect) {
        SetLeftCol(topLeft_.X - 1);
        return;
      }
      --col;
      break;
    case VK_RIGHT:
      if (rowSelect) {
        SetLeftCol(topLeft_.X + 1);
        return;
      }
      ++col;
      break;
    case VK_PRIOR:
      row -= pageRows;
      MoveTopLeft(topLeft_.X, static_cast<int32_t>(std::max<int64_t>(topLeft_.Y - pageRows, 0)));
      break;
    case VK_NEXT:
      row += pageRows;
      MoveTopLeft(topLeft_.X, static_cast<int32_t>(std::min<int64_t>(int64_t{topLeft_.Y} + pageRows,
                                                                     rowCount_ - 1)));
      break;
    case VK_HOME:
      if (Shift.contains(ssCtrl)) row = fixedRows_;
      col = fixedCols_;
      break;
    case VK_END:
      if (Shift.contains(ssCtrl)) row = rowCount_ - 1;
      col = colCount_ - 1;
      break;
    case VK_TAB: {
      if (!options_.contains(goTabs) || rowSelect) return;
      // The next column that is a tab stop, wrapping to the next or previous row.
      const bool back = Shift.contains(ssShift);
      int64_t c = col, r = row;
      for (int64_t n = 0; n < int64_t{colCount_} * 2; ++n) {
        c += back ? -1 : 1;
        if (c >= colCount_) c = fixedCols_, ++r;
        if (c < fixedCols_) c = colCount_ - 1, --r;
        if (r < fixedRows_ || r >= rowCount_) return;
        if (TabStops(static_cast<int32_t>(c))) break;
      }
      col = c;
      row = r;
      Key = 0;
      FocusCell(static_cast<int32_t>(col), static_cast<int32_t>(row), true);
      return;
    }
    case VK_F2:
      if (options_.contains(goEditing)) SetEditorMode(true);
      return;
    default: return;
  }
  col = std::clamp<int64_t>(col, fixedCols_, colCount_ - 1);
  row = std::clamp<int64_t>(row, fixedRows_, rowCount_ - 1);
  if (col != current_.X || row != current_.Y)
    FocusCell(static_cast<int32_t>(col), static_cast<int32_t>(row), !extend);
}

void TCustomGrid::KeyPress(char& Key) {
  TCustomControl::KeyPress(Key);
  if (!options_.contains(goEditing) || Key == 0) return;
  if (Key == '\r') {
    // Enter opens the editor or closes it (unless the editor always shows).
    if (editorMode_ && !options_.contains(goAlwaysShowEditor))
      HideEditor();
    else
      ShowEditor();
    Key = 0;
    return;
  }
  if (static_cast<unsigned char>(Key) < ' ' || editorMode_) return;
  // A typed character opens the editor and replaces the cell's text.
  ShowEditor();
  if (editor_ && editorMode_) {
    editor_->SelectAll();
    editor_->Perform(WM_CHAR, static_cast<unsigned char>(Key), 0);
  }
  Key = 0;
}

void TCustomGrid::DoEnter() {
  TCustomControl::DoEnter();
  InvalidateCell(current_.X, current_.Y);
  if (options_.contains(goAlwaysShowEditor) && options_.contains(goEditing) && !editorMode_)
    ShowEditor();
}

void TCustomGrid::DoExit() {
  TCustomControl::DoExit();
  Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Mouse

int32_t TCustomGrid::SizingIndexAt(bool horizontal, int X, int Y) {
  // Only the lines between fixed cells grab: of columns in the fixed rows, of rows in the
  // fixed columns.
  const TAxisInfo h = AxisInfo(true, topLeft_.X), v = AxisInfo(false, topLeft_.Y);
  const TAxisInfo& along = horizontal ? h : v;
  const TAxisInfo& across = horizontal ? v : h;
  const int pos = horizontal ? X : Y, other = horizontal ? Y : X;
  if (other < 0 || other >= across.FixedBoundary) return -1;
  int64_t at = 0;
  auto walk = [&](int32_t from, int32_t to) -> int32_t {
    for (int32_t i = from; i <= to && i < along.Count && at < along.ClientSize; ++i) {
      const int32_t size = horizontal ? ColWidths(i) : RowHeights(i);
      if (size < 0) continue;
      at += size;
      if (pos >= at - kSizingZone && pos <= at + along.LineWidth + kSizingZone) return i;
      at += along.LineWidth;
    }
    return -1;
  };
  const int32_t fixed = walk(0, along.FixedCount - 1);
  if (fixed >= 0) return fixed;
  at = along.FixedBoundary;
  return walk(along.FirstScrolled, along.LastVisible);
}

void TCustomGrid::WMSetCursor(TWMSetCursor& Message) {
  if (Message.HitTest() == HTCLIENT && state_ == gsNormal && Screen) {
    POINT p;
    GetCursorPos(&p);
    const TPoint c = ScreenToClient(p);
    if (options_.contains(goColSizing) && SizingIndexAt(true, c.X, c.Y) >= 0) {
      win::SetCursor(Screen->Cursors(crHSplit));
      Message.Result = 1;
      return;
    }
    if (options_.contains(goRowSizing) && SizingIndexAt(false, c.X, c.Y) >= 0) {
      win::SetCursor(Screen->Cursors(crVSplit));
      Message.Result = 1;
      return;
    }
  }
  ZYL_INHERITED(Message);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && !ComponentState().contains(csDesigning) && CanFocus() && !Focused())
    SetFocus();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const TAxisInfo h = AxisInfo(true, topLeft_.X), v = AxisInfo(false, topLeft_.Y);
  if (options_.contains(goColSizing) && (sizingIndex_ = SizingIndexAt(true, X, Y)) >= 0) {
    state_ = gsColSizing;
    sizingOffset_ = X - (CellStart(h, true, sizingIndex_) + ColExtent(sizingIndex_));
    return;
  }
  if (options_.contains(goRowSizing) && (sizingIndex_ = SizingIndexAt(false, X, Y)) >= 0) {
    state_ = gsRowSizing;
    sizingOffset_ = Y - (CellStart(v, false, sizingIndex_) + RowExtent(sizingIndex_));
    return;
  }
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0) return;
  const bool fixedCol = cell.X < fixedCols_, fixedRow = cell.Y < fixedRows_;
  if (fixedRow && !fixedCol && options_.contains(goColMoving)) {
    state_ = gsColMoving;
    moveFrom_ = moveTo_ = cell.X;
    return;
  }
  if (fixedCol && !fixedRow && options_.contains(goRowMoving)) {
    state_ = gsRowMoving;
    moveFrom_ = moveTo_ = cell.Y;
    return;
  }
  if (fixedCol || fixedRow) return;
  if (Shift.contains(ssDouble)) {
    DblClick();
    if (options_.contains(goEditing)) ShowEditor();
    return;
  }
  const bool again = cell == current_;
  if (Shift.contains(ssShift) && options_.contains(goRangeSelect))
    FocusCell(cell.X, cell.Y, false);
  else
    FocusCell(cell.X, cell.Y, true);
  if (options_.contains(goRangeSelect) && !options_.contains(goRowSelect))
    state_ = gsSelecting;
  else if (options_.contains(goRowSelect) && options_.contains(goRangeSelect))
    state_ = gsSelecting;
  // A click on the current cell opens its editor.
  if (again && options_.contains(goEditing) && !editorMode_) ShowEditor();
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  switch (state_) {
    case gsSelecting: {
      const TAxisInfo h = AxisInfo(true, topLeft_.X), v = AxisInfo(false, topLeft_.Y);
      // Outside the cells the selection runs to the nearest one in view.
      int32_t c = CellAt(h, true, std::clamp<int64_t>(X, h.FixedBoundary, h.GridBoundary - 1));
      int32_t r = CellAt(v, false, std::clamp<int64_t>(Y, v.FixedBoundary, v.GridBoundary - 1));
      if (c < fixedCols_ || r < fixedRows_) return;
      if (X >= h.GridBoundary && h.LastVisible + 1 < colCount_) c = h.LastVisible + 1;
      if (Y >= v.GridBoundary && v.LastVisible + 1 < rowCount_) r = v.LastVisible + 1;
      if (c != current_.X || r != current_.Y) FocusCell(c, r, false);
      break;
    }
    case gsColSizing: {
      const int64_t start = CellStart(AxisInfo(true, topLeft_.X), true, sizingIndex_);
      if (start >= 0)
        SetColWidths(sizingIndex_, ClampToInt(std::max<int64_t>(X - sizingOffset_ - start, 0)));
      break;
    }
    case gsRowSizing: {
      const int64_t start = CellStart(AxisInfo(false, topLeft_.Y), false, sizingIndex_);
      if (start >= 0)
        SetRowHeights(sizingIndex_, ClampToInt(std::max<int64_t>(Y - sizingOffset_ - start, 0)));
      break;
    }
    case gsColMoving:
    case gsRowMoving: {
      const bool cols = state_ == gsColMoving;
      const TAxisInfo a = AxisInfo(cols, cols ? topLeft_.X : topLeft_.Y);
      const int32_t i = CellAt(a, cols, cols ? X : Y);
      if (i >= a.FixedCount) moveTo_ = i;
      break;
    }
    default: break;
  }
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TGridState was = state_;
  state_ = gsNormal;
  sizingIndex_ = -1;
  if (Button == mbLeft && (was == gsColMoving || was == gsRowMoving) && moveFrom_ != moveTo_) {
    if (was == gsColMoving)
      MoveColumn(moveFrom_, moveTo_);
    else
      MoveRow(moveFrom_, moveTo_);
  }
  moveFrom_ = moveTo_ = -1;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  if (current_.Y + 1 < rowCount_) FocusCell(current_.X, current_.Y + 1, true);
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  if (current_.Y > fixedRows_) FocusCell(current_.X, current_.Y - 1, true);
  return true;
}

// ---------------------------------------------------------------------------------------------
// TInplaceEdit

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  SetAutoSize(false);
  SetBorderStyle(bsNone);
  SetTabStop(false);
  SetVisible(false);
}

void TInplaceEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style |= ES_AUTOHSCROLL;
  Params.Style &= ~static_cast<DWORD>(WS_TABSTOP);
}

bool TInplaceEdit::Shown() const { return Visible(); }

void TInplaceEdit::Move(const TRect& R) {
  SetBounds(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
  SetVisible(true);
  if (grid_ && grid_->Focused())
    SetFocus();
  else if (grid_ && grid_->CanFocus() && Parent() && Parent()->Showing())
    SetFocus();
}

void TInplaceEdit::Hide() {
  if (Visible()) SetVisible(false);
}

void TInplaceEdit::UpdateContents() {
  if (!grid_) return;
  const TRestore<bool> quiet(updating_, true);
  SetMaxLength(0);
  SetReadOnly(!grid_->CanEditModify());
  SetEditMask(grid_->GetEditMask(grid_->Col(), grid_->Row()));
  SetText(grid_->GetEditText(grid_->Col(), grid_->Row()));
  original_ = Text();
  SelectAll();
}

void TInplaceEdit::Change() {
  TCustomMaskEdit::Change();
  if (grid_ && !updating_) grid_->SetEditText(grid_->Col(), grid_->Row(), Text());
}

void TInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  if (!grid_ || Key == 0) return;
  const int len = static_cast<int>(Text().size());
  bool toGrid = false;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: toGrid = true; break;
    case VK_LEFT: toGrid = SelLength() == 0 && SelStart() == 0; break;
    case VK_RIGHT: toGrid = SelLength() == 0 && SelStart() >= len; break;
    case VK_HOME: toGrid = SelLength() == 0 && SelStart() == 0 && Shift.contains(ssCtrl); break;
    case VK_END: toGrid = SelLength() == 0 && SelStart() >= len && Shift.contains(ssCtrl); break;
    case VK_TAB: toGrid = grid_->Options().contains(goTabs); break;
    default: break;
  }
  if (!toGrid) return;
  TCustomGrid* grid = grid_;
  grid->KeyDown(Key, Shift);
  Key = 0;
}

void TInplaceEdit::KeyPress(char& Key) {
  if (grid_ && Key == '\r') {
    grid_->KeyPress(Key);
    Key = 0;
    return;
  }
  if (grid_ && Key == 27) {
    // Escape takes back what was typed since the editor opened.
    if (Text() != original_) SetText(original_);
    if (!grid_->Options().contains(goAlwaysShowEditor)) grid_->HideEditor();
    Key = 0;
    return;
  }
  if (grid_ && Key == '\t') {
    Key = 0;
    return;
  }
  TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::WMGetDlgCode(TMessage& Message) {
  ZYL_INHERITED(Message);
  Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (grid_ && grid_->Options().contains(goTabs)) Message.Result |= DLGC_WANTTAB;
}

ZYL_MESSAGE_MAP(TInplaceEdit) { m.On(WM_GETDLGCODE, &TInplaceEdit::WMGetDlgCode); }

ZYL_CLASS_IMPL(TInplaceEdit) {}

}  // namespace vcl
