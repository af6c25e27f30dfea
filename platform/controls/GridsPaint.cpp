// Grids: painting in the classic look (raised fixed cells divided by black lines, silver lines
// between the other cells, the selection in the highlight colours, a focus rectangle around
// the current cell), and the drawing of the draw grid's and the string grid's cells.
#include <functional>

#include "platform/base/Numbers.h"
#include "platform/controls/Grids.h"
#include "platform/graphics/Colors.h"

namespace vcl {

using namespace win;

namespace {
// The cells of an axis in view: the fixed ones, then the scrolled ones from the first shown.
template <class F>
void ForVisible(int32_t fixed, int32_t first, int32_t last, int64_t clientSize,
                const std::function<int32_t(int32_t)>& size, int64_t line, F f) {
  int64_t pos = 0;
  auto visit = [&](int32_t from, int32_t to) {
    for (int32_t i = from; i <= to && pos < clientSize; ++i) {
      const int32_t s = size(i);
      if (s < 0) continue;
      f(i, pos, int64_t{s});
      pos += s + line;
    }
  };
  visit(0, fixed - 1);
  visit(first, last);
}

TRect Clamped(int64_t l, int64_t t, int64_t r, int64_t b) {
  return TRect{ClampToInt(l), ClampToInt(t), ClampToInt(r), ClampToInt(b)};
}
}  // namespace

TRect TCustomGrid::FocusRect() {
  if (!options_.contains(goRowSelect)) return CellRect(current_.X, current_.Y);
  const TAxisInfo h = AxisInfo(true, topLeft_.X);
  const TRect first = CellRect(h.FirstScrolled, current_.Y);
  const TRect last = CellRect(h.LastVisible, current_.Y);
  if (first.Right <= first.Left) return first;
  return TRect{first.Left, first.Top, last.Right, last.Bottom};
}

void TCustomGrid::Paint() {
  TCanvas* c = canvas_;
  const TAxisInfo h = AxisInfo(true, topLeft_.X), v = AxisInfo(false, topLeft_.Y);
  // What lies beyond the last cells shows the control's colour.
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color_);
  c->FillRect(Clamped(h.GridBoundary, 0, h.ClientSize, v.ClientSize));
  c->FillRect(Clamped(0, v.GridBoundary, h.GridBoundary, v.ClientSize));
  DrawCells();
  if (Focused() && !editorMode_) {
    const TRect r = FocusRect();
    if (r.Right > r.Left && r.Bottom > r.Top) {
      c->Brush()->SetColor(color_);
      c->Font()->SetColor(font_->Color());
      c->DrawFocusRect(r);
    }
  }
}

void TCustomGrid::DrawCells() {
  TCanvas* c = canvas_;
  const TAxisInfo h = AxisInfo(true, topLeft_.X), v = AxisInfo(false, topLeft_.Y);
  const TGridRect sel = Selection();
  const bool focused = Focused();
  const bool highlightFocus =
      (options_ * TGridOptions{goDrawFocusSelected, goRowSelect}) != TGridOptions{};
  const TColor lineColor = ColorToRGB(color_) == ColorToRGB(clSilver) ? clGray : clSilver;
  const std::function<int32_t(int32_t)> colSize = [this](int32_t i) { return ColWidths(i); };
  const std::function<int32_t(int32_t)> rowSize = [this](int32_t i) { return RowHeights(i); };
  ForVisible(
      v.FixedCount, v.FirstScrolled, v.LastVisible, v.ClientSize, rowSize, v.LineWidth,
      [&](int32_t row, int64_t y, int64_t rh) {
        ForVisible(
            h.FixedCount, h.FirstScrolled, h.LastVisible, h.ClientSize, colSize, h.LineWidth,
            [&](int32_t col, int64_t x, int64_t cw) {
              const bool fixed = col < fixedCols_ || row < fixedRows_;
              TGridDrawState state;
              if (fixed) {
                state += gdFixed;
              } else {
                if (col >= sel.Left && col <= sel.Right && row >= sel.Top && row <= sel.Bottom)
                  state += gdSelected;
                if (focused && col == current_.X && row == current_.Y) state += gdFocused;
              }
              const TRect where = Clamped(x, y, x + cw, y + rh);
              // The lines to the right of and below the cell.
              c->Brush()->SetStyle(bsSolid);
              if (h.LineWidth > 0) {
                const bool on = options_.contains(fixed ? goFixedVertLine : goVertLine);
                c->Brush()->SetColor(on ? (fixed ? clBlack : lineColor)
                                        : (fixed ? fixedColor_ : color_));
                c->FillRect(Clamped(x + cw, y, x + cw + h.LineWidth, y + rh + v.LineWidth));
              }
              if (v.LineWidth > 0) {
                const bool on = options_.contains(fixed ? goFixedHorzLine : goHorzLine);
                c->Brush()->SetColor(on ? (fixed ? clBlack : lineColor)
                                        : (fixed ? fixedColor_ : color_));
                c->FillRect(Clamped(x, y + rh, x + cw, y + rh + v.LineWidth));
              }
              c->Font()->Assign(font_);
              if (fixed) {
                c->Brush()->SetColor(fixedColor_);
              } else if (state.contains(gdSelected) &&
                         (!state.contains(gdFocused) || highlightFocus)) {
                c->Brush()->SetColor(clHighlight);
                c->Font()->SetColor(clHighlightText);
              } else {
                c->Brush()->SetColor(color_);
              }
              if (defaultDrawing_) c->FillRect(where);
              DrawCell(col, row, where, state);
              if (defaultDrawing_ && fixed && Ctl3D()) {
                UINT outer = 0, inner = 0;
                if (options_.contains(goFixedVertLine)) outer |= BF_RIGHT, inner |= BF_LEFT;
                if (options_.contains(goFixedHorzLine)) outer |= BF_BOTTOM, inner |= BF_TOP;
                RECT r = where;
                if (outer) DrawEdge(c->Handle(), &r, BDR_RAISEDINNER, outer);
                r = where;
                if (inner) DrawEdge(c->Handle(), &r, BDR_RAISEDINNER, inner);
              }
            });
      });
}

// ---------------------------------------------------------------------------------------------
// TCustomDrawGrid

void TCustomDrawGrid::DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect,
                               TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int32_t ACol, int32_t ARow) {
  bool can = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  return can;
}

std::string TCustomDrawGrid::GetEditText(int32_t ACol, int32_t ARow) {
  std::string value;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TCustomDrawGrid::SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

std::string TCustomDrawGrid::GetEditMask(int32_t ACol, int32_t ARow) {
  std::string value;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, value);
  return value;
}

void TCustomDrawGrid::ColumnMoved(int32_t FromIndex, int32_t ToIndex) {
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int32_t FromIndex, int32_t ToIndex) {
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::TopLeftChanged() {
  TCustomGrid::TopLeftChanged();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

}  // namespace vcl
