// TStringGrid: a text and an object per cell, kept only for the cells that hold something, and
// its columns and rows as string lists.
#include <algorithm>
#include <vector>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/Grids.h"
#include "platform/rtl/Consts.h"

namespace vcl {

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

TStringGrid::~TStringGrid() = default;

void TStringGrid::CheckCell(int32_t ACol, int32_t ARow) const {
  if (ACol < 0 || ACol >= colCount_ || ARow < 0 || ARow >= rowCount_)
    throw EInvalidGridOperation(SIndexOutOfRange);
}

std::string TStringGrid::Cells(int32_t ACol, int32_t ARow) const {
  CheckCell(ACol, ARow);
  auto it = cells_.find(Key(ACol, ARow));
  return it == cells_.end() ? std::string() : it->second.Text;
}

TObject* TStringGrid::Objects(int32_t ACol, int32_t ARow) const {
  CheckCell(ACol, ARow);
  auto it = cells_.find(Key(ACol, ARow));
  return it == cells_.end() ? nullptr : it->second.Object;
}

// An emptied cell is forgotten; the shown cell is drawn again and an open editor on it follows.
void TStringGrid::CellChanged(int32_t ACol, int32_t ARow, TCell& Cell) {
  if (Cell.Text.empty() && !Cell.Object) cells_.erase(Key(ACol, ARow));
  InvalidateCell(ACol, ARow);
}

void TStringGrid::SetCells(int32_t ACol, int32_t ARow, const std::string& Value) {
  CheckCell(ACol, ARow);
  TCell& cell = cells_[Key(ACol, ARow)];
  if (cell.Text == Value) {
    CellChanged(ACol, ARow, cell);
    return;
  }
  cell.Text = Value;
  CellChanged(ACol, ARow, cell);
  if (editorMode_ && editor_ && ACol == current_.X && ARow == current_.Y &&
      editor_->Text() != Value)
    editor_->UpdateContents();
}

void TStringGrid::SetObjects(int32_t ACol, int32_t ARow, TObject* Value) {
  CheckCell(ACol, ARow);
  TCell& cell = cells_[Key(ACol, ARow)];
  cell.Object = Value;
  CellChanged(ACol, ARow, cell);
}

TStrings* TStringGrid::Cols(int32_t Index) {
  if (Index < 0 || Index >= colCount_) throw EInvalidGridOperation(SIndexOutOfRange);
  auto& line = lines_[-int64_t{Index} - 1];
  if (!line) line = std::make_unique<TStringGridStrings>(this, true, Index);
  return line.get();
}

TStrings* TStringGrid::Rows(int32_t Index) {
  if (Index < 0 || Index >= rowCount_) throw EInvalidGridOperation(SIndexOutOfRange);
  auto& line = lines_[Index];
  if (!line) line = std::make_unique<TStringGridStrings>(this, false, Index);
  return line.get();
}

void TStringGrid::SetRows(int32_t Index, TStrings* Value) { Rows(Index)->Assign(Value); }

void TStringGrid::DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) {
  if (defaultDrawing_) {
    auto it = cells_.find(Key(ACol, ARow));
    if (it != cells_.end() && !it->second.Text.empty()) {
      canvas_->Brush()->SetStyle(bsClear);
      canvas_->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, it->second.Text);
      canvas_->Brush()->SetStyle(bsSolid);
    }
  }
  TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

std::string TStringGrid::GetEditText(int32_t ACol, int32_t ARow) {
  std::string value = Cells(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TStringGrid::SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) {
  CheckCell(ACol, ARow);
  TCell& cell = cells_[Key(ACol, ARow)];
  cell.Text = Value;
  CellChanged(ACol, ARow, cell);
  TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::Renumber(bool columns, int32_t FromIndex, int32_t ToIndex) {
  auto moved = [&](int32_t i) {
    if (i == FromIndex) return ToIndex;
    if (FromIndex < ToIndex && i > FromIndex && i <= ToIndex) return i - 1;
    if (ToIndex < FromIndex && i >= ToIndex && i < FromIndex) return i + 1;
    return i;
  };
  std::unordered_map<uint64_t, TCell> next;
  next.reserve(cells_.size());
  for (auto& [key, cell] : cells_) {
    int32_t col = static_cast<int32_t>(key >> 32), row = static_cast<int32_t>(key & 0xFFFFFFFFu);
    if (columns)
      col = moved(col);
    else
      row = moved(row);
    next.emplace(Key(col, row), std::move(cell));
  }
  cells_ = std::move(next);
}

void TStringGrid::ColumnMoved(int32_t FromIndex, int32_t ToIndex) {
  Renumber(true, FromIndex, ToIndex);
  TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int32_t FromIndex, int32_t ToIndex) {
  Renumber(false, FromIndex, ToIndex);
  TDrawGrid::RowMoved(FromIndex, ToIndex);
}

// Cells outside the new counts are dropped, and so are the line lists past the ends.
void TStringGrid::SizeChanged(int32_t OldColCount, int32_t OldRowCount) {
  if (colCount_ < OldColCount || rowCount_ < OldRowCount)
    std::erase_if(cells_, [this](const auto& entry) {
      const int32_t col = static_cast<int32_t>(entry.first >> 32);
      const int32_t row = static_cast<int32_t>(entry.first & 0xFFFFFFFFu);
      return col >= colCount_ || row >= rowCount_;
    });
  std::erase_if(lines_, [this](const auto& entry) {
    return entry.first < 0 ? -entry.first - 1 >= colCount_ : entry.first >= rowCount_;
  });
  TDrawGrid::SizeChanged(OldColCount, OldRowCount);
}

ZYL_CLASS_IMPL(TStringGrid) {}

// ---------------------------------------------------------------------------------------------
// TStringGridStrings

TGridCoord TStringGridStrings::CellOf(int Index) const {
  return column_ ? TGridCoord{index_, Index} : TGridCoord{Index, index_};
}

void TStringGridStrings::CheckIndex(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EInvalidGridOperation(SIndexOutOfRange);
}

int TStringGridStrings::GetCount() const { return column_ ? grid_->RowCount() : grid_->ColCount(); }

std::string TStringGridStrings::Get(int Index) const {
  CheckIndex(Index);
  const TGridCoord c = CellOf(Index);
  return grid_->Cells(c.X, c.Y);
}

void TStringGridStrings::Put(int Index, const std::string& S) {
  CheckIndex(Index);
  const TGridCoord c = CellOf(Index);
  grid_->SetCells(c.X, c.Y, S);
}

TObject* TStringGridStrings::GetObject(int Index) const {
  CheckIndex(Index);
  const TGridCoord c = CellOf(Index);
  return grid_->Objects(c.X, c.Y);
}

void TStringGridStrings::PutObject(int Index, TObject* AObject) {
  CheckIndex(Index);
  const TGridCoord c = CellOf(Index);
  grid_->SetObjects(c.X, c.Y, AObject);
}

int TStringGridStrings::Add(const std::string& S) {
  for (int i = 0; i < GetCount(); ++i) {
    const TGridCoord c = CellOf(i);
    if (grid_->Cells(c.X, c.Y).empty() && !grid_->Objects(c.X, c.Y)) {
      grid_->SetCells(c.X, c.Y, S);
      return i;
    }
  }
  return -1;
}

void TStringGridStrings::Insert(int, const std::string&) {
  throw EInvalidGridOperation(SIndexOutOfRange);
}

void TStringGridStrings::Delete(int) { throw EInvalidGridOperation(SIndexOutOfRange); }

// Only the cells that hold something are visited.
void TStringGridStrings::Clear() {
  std::erase_if(grid_->cells_, [this](const auto& entry) {
    const int32_t col = static_cast<int32_t>(entry.first >> 32);
    const int32_t row = static_cast<int32_t>(entry.first & 0xFFFFFFFFu);
    return column_ ? col == index_ : row == index_;
  });
  if (column_)
    grid_->InvalidateCol(index_);
  else
    grid_->InvalidateRow(index_);
}

ZYL_CLASS_IMPL(TStringGridStrings) {}

}  // namespace vcl
