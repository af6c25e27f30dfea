// Grids: layout of the cells, the properties, scrolling and the streamed sizes. Input and the
// in-place editor are in GridsInput.cpp, painting in GridsPaint.cpp, the string grid in
// GridsStrings.cpp.
#include "platform/controls/Grids.h"

#include <algorithm>

#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

using namespace win;

namespace {
// The scroll bars run over this range, whatever the number of cells.
constexpr int kScrollRange = 127;

void CheckExtent(int32_t Value) {
  if (Value > MaxCustomExtents) throw EInvalidGridOperation(SGridTooLarge);
}
}  // namespace

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csCaptureMouse, csOpaque, csDoubleClicks};
  options_ = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  width_ = 320;
  height_ = 120;
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
}

TCustomGrid::~TCustomGrid() = default;

// ---------------------------------------------------------------------------------------------
// Layout

int64_t TCustomGrid::ColExtent(int32_t i) const {
  const int32_t w = ColWidths(i);
  return w < 0 ? 0 : w;
}

int64_t TCustomGrid::RowExtent(int32_t i) const {
  const int32_t h = RowHeights(i);
  return h < 0 ? 0 : h;
}

TCustomGrid::TAxisInfo TCustomGrid::AxisInfo(bool horizontal, int32_t first) const {
  TAxisInfo a;
  const bool lines = horizontal
                         ? (options_ * TGridOptions{goVertLine, goFixedVertLine}) != TGridOptions{}
                         : (options_ * TGridOptions{goHorzLine, goFixedHorzLine}) != TGridOptions{};
  a.LineWidth = lines ? std::max<int32_t>(gridLineWidth_, 0) : 0;
  a.Count = horizontal ? colCount_ : rowCount_;
  a.FixedCount = horizontal ? fixedCols_ : fixedRows_;
  a.FirstScrolled = std::clamp(first, a.FixedCount, std::max(a.FixedCount, a.Count - 1));
  a.ClientSize = horizontal ? width_ : height_;
  if (HandleAllocated()) {
    RECT r{};
    win::GetClientRect(handle_, &r);
    a.ClientSize = horizontal ? r.Right - r.Left : r.Bottom - r.Top;
  }
  auto step = [&](int32_t i) {
    const int32_t size = horizontal ? ColWidths(i) : RowHeights(i);
    return size < 0 ? 0 : size + a.LineWidth;
  };
  int64_t pos = 0;
  for (int32_t i = 0; i < a.FixedCount && pos < a.ClientSize; ++i) pos += step(i);
  a.FixedBoundary = pos;
  a.LastFullVisible = a.FirstScrolled - 1;
  a.LastVisible = a.FirstScrolled - 1;
  for (int32_t i = a.FirstScrolled; i < a.Count && pos < a.ClientSize; ++i) {
    pos += step(i);
    a.LastVisible = i;
    if (pos <= a.ClientSize) a.LastFullVisible = i;
  }
  a.GridBoundary = std::min(pos, a.ClientSize);
  return a;
}

int32_t TCustomGrid::MaxTopLeft(bool horizontal) const {
  const TAxisInfo a = AxisInfo(horizontal, horizontal ? topLeft_.X : topLeft_.Y);
  const int64_t room = a.ClientSize - a.FixedBoundary;
  int64_t used = 0;
  int32_t i = a.Count - 1;
  for (; i >= a.FixedCount; --i) {
    const int32_t size = horizontal ? ColWidths(i) : RowHeights(i);
    used += size < 0 ? 0 : size + a.LineWidth;
    if (used > room) break;
  }
  return std::clamp(i + 1, a.FixedCount, std::max(a.FixedCount, a.Count - 1));
}

int64_t TCustomGrid::CellStart(const TAxisInfo& a, bool horizontal, int32_t index) const {
  if (index < 0 || index >= a.Count) return -1;
  if (index >= a.FixedCount && (index < a.FirstScrolled || index > a.LastVisible)) return -1;
  int64_t pos = 0;
  const int32_t from = index < a.FixedCount ? 0 : a.FirstScrolled;
  if (index >= a.FixedCount) pos = a.FixedBoundary;
  for (int32_t i = from; i < index; ++i) {
    const int32_t size = horizontal ? ColWidths(i) : RowHeights(i);
    pos += size < 0 ? 0 : size + a.LineWidth;
    if (pos >= a.ClientSize) return -1;
  }
  return pos;
}

int32_t TCustomGrid::CellAt(const TAxisInfo& a, bool horizontal, int64_t pos) const {
  if (pos < 0) return -1;
  int64_t at = 0;
  auto scan = [&](int32_t from, int32_t to) -> int32_t {
    for (int32_t i = from; i <= to && i < a.Count; ++i) {
      const int32_t size = horizontal ? ColWidths(i) : RowHeights(i);
      if (size < 0) continue;
      at += size + a.LineWidth;
      if (pos < at) return i;
      if (at >= a.ClientSize) break;
    }
    return -1;
  };
  if (pos < a.FixedBoundary) return scan(0, a.FixedCount - 1);
  at = a.FixedBoundary;
  return scan(a.FirstScrolled, a.LastVisible);
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) {
  const TAxisInfo h = AxisInfo(true, topLeft_.X), v = AxisInfo(false, topLeft_.Y);
  TGridCoord c{CellAt(h, true, X), CellAt(v, false, Y)};
  if (c.X < 0 || c.Y < 0) c = {-1, -1};
  return c;
}

TRect TCustomGrid::CellRect(int32_t ACol, int32_t ARow) {
  const TAxisInfo h = AxisInfo(true, topLeft_.X), v = AxisInfo(false, topLeft_.Y);
  const int64_t x = CellStart(h, true, ACol), y = CellStart(v, false, ARow);
  if (x < 0 || y < 0) return TRect{0, 0, 0, 0};
  return TRect{ClampToInt(x), ClampToInt(y), ClampToInt(x + ColExtent(ACol)),
               ClampToInt(y + RowExtent(ARow))};
}

int TCustomGrid::GridWidth() { return ClampToInt(AxisInfo(true, topLeft_.X).GridBoundary); }
int TCustomGrid::GridHeight() { return ClampToInt(AxisInfo(false, topLeft_.Y).GridBoundary); }

int32_t TCustomGrid::VisibleColCount() {
  const TAxisInfo a = AxisInfo(true, topLeft_.X);
  return std::max(0, a.LastFullVisible - a.FirstScrolled + 1);
}

int32_t TCustomGrid::VisibleRowCount() {
  const TAxisInfo a = AxisInfo(false, topLeft_.Y);
  return std::max(0, a.LastFullVisible - a.FirstScrolled + 1);
}

// ---------------------------------------------------------------------------------------------
// Sizes and counts

int32_t TCustomGrid::ColWidths(int32_t Index) const {
  if (Index >= 0 && Index < static_cast<int32_t>(colWidths_.size())) return colWidths_[Index];
  return defaultColWidth_;
}

int32_t TCustomGrid::RowHeights(int32_t Index) const {
  if (Index >= 0 && Index < static_cast<int32_t>(rowHeights_.size())) return rowHeights_[Index];
  return defaultRowHeight_;
}

void TCustomGrid::SetColWidths(int32_t Index, int32_t Value) {
  if (Index < 0 || Index >= colCount_) throw EInvalidGridOperation(SIndexOutOfRange);
  if (ColWidths(Index) == Value) return;
  if (colWidths_.empty()) colWidths_.assign(static_cast<size_t>(colCount_), defaultColWidth_);
  colWidths_[Index] = Value;
  ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int32_t Index, int32_t Value) {
  if (Index < 0 || Index >= rowCount_) throw EInvalidGridOperation(SIndexOutOfRange);
  if (RowHeights(Index) == Value) return;
  if (rowHeights_.empty()) rowHeights_.assign(static_cast<size_t>(rowCount_), defaultRowHeight_);
  rowHeights_[Index] = Value;
  RowHeightsChanged();
}

bool TCustomGrid::TabStops(int32_t Index) const {
  if (Index >= 0 && Index < static_cast<int32_t>(tabStops_.size())) return tabStops_[Index];
  return true;
}

void TCustomGrid::SetTabStops(int32_t Index, bool Value) {
  if (Index < 0 || Index >= colCount_) throw EInvalidGridOperation(SIndexOutOfRange);
  if (TabStops(Index) == Value) return;
  if (tabStops_.empty()) tabStops_.assign(static_cast<size_t>(colCount_), true);
  tabStops_[Index] = Value;
}

void TCustomGrid::ColWidthsChanged() {
  ClampPositions();
  UpdateScrollBars();
  UpdateEditor();
  Invalidate();
}

void TCustomGrid::RowHeightsChanged() { ColWidthsChanged(); }

void TCustomGrid::SetDefaultColWidth(int32_t Value) {
  if (defaultColWidth_ == Value && colWidths_.empty()) return;
  defaultColWidth_ = Value;
  colWidths_.clear();
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int32_t Value) {
  if (defaultRowHeight_ == Value && rowHeights_.empty()) return;
  defaultRowHeight_ = Value;
  rowHeights_.clear();
  RowHeightsChanged();
}

void TCustomGrid::ChangeSize(int32_t NewColCount, int32_t NewRowCount) {
  CheckExtent(NewColCount);
  CheckExtent(NewRowCount);
  const int32_t oldCols = colCount_, oldRows = rowCount_;
  if (!colWidths_.empty()) colWidths_.resize(static_cast<size_t>(NewColCount), defaultColWidth_);
  if (!rowHeights_.empty()) rowHeights_.resize(static_cast<size_t>(NewRowCount), defaultRowHeight_);
  if (!tabStops_.empty()) tabStops_.resize(static_cast<size_t>(NewColCount), true);
  colCount_ = NewColCount;
  rowCount_ = NewRowCount;
  SizeChanged(oldCols, oldRows);
  ClampPositions();
  UpdateScrollBars();
  UpdateEditor();
  Invalidate();
}

void TCustomGrid::SizeChanged(int32_t, int32_t) {}

void TCustomGrid::SetColCount(int32_t Value) {
  if (Value == colCount_) return;
  CheckExtent(Value);
  Value = std::max(Value, 1);
  if (Value <= fixedCols_) SetFixedCols(Value - 1);
  ChangeSize(Value, rowCount_);
}

void TCustomGrid::SetRowCount(int32_t Value) {
  if (Value == rowCount_) return;
  CheckExtent(Value);
  Value = std::max(Value, 1);
  if (Value <= fixedRows_) SetFixedRows(Value - 1);
  ChangeSize(colCount_, Value);
}

void TCustomGrid::SetFixedCols(int32_t Value) {
  if (Value == fixedCols_) return;
  if (Value < 0) throw EInvalidGridOperation(SIndexOutOfRange);
  if (Value >= colCount_) throw EInvalidGridOperation(SFixedColTooBig);
  fixedCols_ = Value;
  FixedCountChanged();
}

void TCustomGrid::SetFixedRows(int32_t Value) {
  if (Value == fixedRows_) return;
  if (Value < 0) throw EInvalidGridOperation(SIndexOutOfRange);
  if (Value >= rowCount_) throw EInvalidGridOperation(SFixedRowTooBig);
  fixedRows_ = Value;
  FixedCountChanged();
}

// Another count of fixed cells starts the grid afresh: the current cell, its anchor and the
// first scrolled cell all become the first cell that is not fixed, and an open editor goes
// along with the current cell.
void TCustomGrid::FixedCountChanged() {
  const bool editing = editorMode_;
  HideEditor();
  const TGridCoord old = topLeft_;
  topLeft_ = {fixedCols_, fixedRows_};
  current_ = anchor_ = topLeft_;
  if (!(old == topLeft_)) TopLeftChanged();
  ClampPositions();
  UpdateScrollBars();
  Invalidate();
  if (editing) ShowEditor();
}

// The current cell, its anchor and the top-left scrolled cell stay among the scrolled cells.
void TCustomGrid::ClampPositions() {
  auto clamp = [](TGridCoord& c, int32_t fx, int32_t fy, int32_t cx, int32_t cy) {
    c.X = std::clamp(c.X, fx, std::max(fx, cx - 1));
    c.Y = std::clamp(c.Y, fy, std::max(fy, cy - 1));
  };
  clamp(current_, fixedCols_, fixedRows_, colCount_, rowCount_);
  clamp(anchor_, fixedCols_, fixedRows_, colCount_, rowCount_);
  const TGridCoord old = topLeft_;
  topLeft_.X = std::clamp(topLeft_.X, fixedCols_, MaxTopLeft(true));
  topLeft_.Y = std::clamp(topLeft_.Y, fixedRows_, MaxTopLeft(false));
  if (!(old == topLeft_)) TopLeftChanged();
}

void TCustomGrid::SetGridLineWidth(int32_t Value) {
  if (gridLineWidth_ == Value) return;
  gridLineWidth_ = Value;
  ColWidthsChanged();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (options_ == Value) return;
  options_ = Value;
  if (!options_.contains(goEditing)) HideEditor();
  if (options_.contains(goRowSelect)) HideEditor();
  ColWidthsChanged();
  if (options_.contains(goAlwaysShowEditor) && options_.contains(goEditing) && Focused())
    ShowEditor();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (scrollBars_ == Value) return;
  scrollBars_ = Value;
  RecreateWnd();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  if (Value != bsNone && Value != bsSingle)
    throw EInvalidOperation(Format(SPropertyOutOfRange, {"BorderStyle"}));
  borderStyle_ = Value;
  RecreateWnd();
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
  defaultDrawing_ = Value;
  Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  fixedColor_ = Value;
  Invalidate();
}

void TCustomGrid::SetCol(int32_t Value) {
  if (Value != current_.X) FocusCell(Value, current_.Y, true);
}

void TCustomGrid::SetRow(int32_t Value) {
  if (Value != current_.Y) FocusCell(current_.X, Value, true);
}

void TCustomGrid::SetLeftCol(int32_t Value) { MoveTopLeft(Value, topLeft_.Y); }

TGridRect TCustomGrid::Selection() const {
  TGridRect r{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y),
              std::max(anchor_.X, current_.X), std::max(anchor_.Y, current_.Y)};
  if (options_.contains(goRowSelect)) {
    r.Left = fixedCols_;
    r.Right = colCount_ - 1;
  }
  return r;
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
  auto inside = [&](int32_t c, int32_t r) {
    return c >= fixedCols_ && c < colCount_ && r >= fixedRows_ && r < rowCount_;
  };
  if (!inside(Value.Left, Value.Top) || !inside(Value.Right, Value.Bottom))
    throw EInvalidGridOperation(SIndexOutOfRange);
  anchor_ = {Value.Left, Value.Top};
  current_ = {Value.Right, Value.Bottom};
  ScrollToShow(current_.X, current_.Y);
  UpdateEditor();
  Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Scrolling

void TCustomGrid::MoveTopLeft(int32_t ALeft, int32_t ATop) {
  const TGridCoord old = topLeft_;
  topLeft_.X = std::clamp(ALeft, fixedCols_, MaxTopLeft(true));
  topLeft_.Y = std::clamp(ATop, fixedRows_, MaxTopLeft(false));
  if (old == topLeft_) return;
  UpdateScrollBars();
  UpdateEditor();
  Invalidate();
  TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {}

void TCustomGrid::ScrollToShow(int32_t ACol, int32_t ARow) {
  int32_t left = topLeft_.X, top = topLeft_.Y;
  auto fit = [&](bool horizontal, int32_t index, int32_t& first) {
    if (index < (horizontal ? fixedCols_ : fixedRows_)) return;
    if (index < first) {
      first = index;
      return;
    }
    // The first scrolled cell becomes the one from which the cell just fits (or the cell).
    const TAxisInfo a = AxisInfo(horizontal, first);
    if (index <= a.LastFullVisible) return;
    const int64_t room = a.ClientSize - a.FixedBoundary;
    int64_t used = 0;
    int32_t i = index;
    for (; i >= a.FixedCount; --i) {
      const int32_t size = horizontal ? ColWidths(i) : RowHeights(i);
      used += size < 0 ? 0 : size + a.LineWidth;
      if (used > room) break;
    }
    first = std::min(index, i + 1);
  };
  fit(true, ACol, left);
  fit(false, ARow, top);
  MoveTopLeft(left, top);
}

void TCustomGrid::UpdateScrollBars() {
  if (!HandleAllocated() || updatingBars_) return;
  updatingBars_ = true;
  TFinally done([this] { updatingBars_ = false; });
  // Showing one bar narrows the client area for the other: settle in two rounds.
  for (int round = 0; round < 2; ++round)
    for (bool horizontal : {true, false}) {
      const bool allowed =
          scrollBars_ == ssBoth || scrollBars_ == (horizontal ? ssHorizontal : ssVertical);
      const int bar = horizontal ? SB_HORZ : SB_VERT;
      const int32_t fixed = horizontal ? fixedCols_ : fixedRows_;
      const int32_t max = MaxTopLeft(horizontal);
      if (!allowed) continue;
      if (max <= fixed) {
        ShowScrollBar(Handle(), bar, FALSE);
        continue;
      }
      SCROLLINFO si{};
      si.cbSize = sizeof(si);
      si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
      si.nMin = 0;
      si.nMax = kScrollRange;
      si.nPage = 0;
      const int32_t first = horizontal ? topLeft_.X : topLeft_.Y;
      si.nPos =
          static_cast<int>(static_cast<int64_t>(first - fixed) * kScrollRange / (max - fixed));
      ShowScrollBar(Handle(), bar, TRUE);
      SetScrollInfo(Handle(), bar, &si, TRUE);
    }
}

void TCustomGrid::ScrollMessage(bool horizontal, int code, int pos) {
  const int32_t fixed = horizontal ? fixedCols_ : fixedRows_;
  const int32_t first = horizontal ? topLeft_.X : topLeft_.Y;
  const int32_t max = MaxTopLeft(horizontal);
  const int32_t page = std::max(1, horizontal ? VisibleColCount() : VisibleRowCount());
  int64_t to = first;
  switch (code) {
    case SB_LINEUP: to = first - 1; break;
    case SB_LINEDOWN: to = int64_t{first} + 1; break;
    case SB_PAGEUP: to = int64_t{first} - page; break;
    case SB_PAGEDOWN: to = int64_t{first} + page; break;
    case SB_TOP: to = fixed; break;
    case SB_BOTTOM: to = max; break;
    case SB_THUMBTRACK:
      if (!options_.contains(goThumbTracking)) return;
      [[fallthrough]];
    case SB_THUMBPOSITION:
      to = fixed + static_cast<int64_t>(pos) * (max - fixed) / kScrollRange;
      break;
    default: return;
  }
  to = std::clamp<int64_t>(to, fixed, max);
  if (horizontal)
    MoveTopLeft(static_cast<int32_t>(to), topLeft_.Y);
  else
    MoveTopLeft(topLeft_.X, static_cast<int32_t>(to));
}

void TCustomGrid::WMHScroll(TMessage& Message) {
  if (Message.LParam != 0) {
    ZYL_INHERITED(Message);
    return;
  }
  ScrollMessage(true, Message.WParamLo(), static_cast<int16_t>(Message.WParamHi()));
}

void TCustomGrid::WMVScroll(TMessage& Message) {
  if (Message.LParam != 0) {
    ZYL_INHERITED(Message);
    return;
  }
  ScrollMessage(false, Message.WParamLo(), static_cast<int16_t>(Message.WParamHi()));
}

void TCustomGrid::WMSize(TWMSize& Message) {
  ZYL_INHERITED(Message);
  ClampPositions();
  UpdateScrollBars();
  UpdateEditor();
}

void TCustomGrid::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style |= WS_TABSTOP;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) Params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) Params.Style |= WS_HSCROLL;
  if (borderStyle_ == bsSingle) {
    if (Ctl3D())
      Params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      Params.Style |= WS_BORDER;
  }
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBars();
}

void TCustomGrid::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (editor_) editor_->Font()->Assign(font_);
  Invalidate();
}

void TCustomGrid::CMColorChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Streams: the sizes that differ from the defaults, as lists of integers.

void TCustomGrid::DefineProperties(TFiler* Filer) {
  TCustomControl::DefineProperties(Filer);
  auto differs = [](const std::vector<int32_t>& sizes, int32_t def) {
    return std::any_of(sizes.begin(), sizes.end(), [def](int32_t s) { return s != def; });
  };
  auto reader = [](TReader* r, int32_t count, auto set) {
    r->ReadListBegin();
    // A list longer than the grid's side gives its extra entries to nobody.
    for (int32_t i = 0; !r->EndOfList(); ++i) {
      const int32_t v = r->ReadInteger();
      if (i < count) set(i, v);
    }
    r->ReadListEnd();
  };
  auto writer = [](TWriter* w, int32_t count, auto get) {
    w->WriteListBegin();
    for (int32_t i = 0; i < count; ++i) w->WriteInteger(get(i));
    w->WriteListEnd();
  };
  Filer->DefineProperty(
      "ColWidths",
      [this, reader](TReader* r) {
        reader(r, colCount_, [this](int32_t i, int32_t v) { SetColWidths(i, v); });
      },
      [this, writer](TWriter* w) {
        writer(w, colCount_, [this](int32_t i) { return ColWidths(i); });
      },
      differs(colWidths_, defaultColWidth_));
  Filer->DefineProperty(
      "RowHeights",
      [this, reader](TReader* r) {
        reader(r, rowCount_, [this](int32_t i, int32_t v) { SetRowHeights(i, v); });
      },
      [this, writer](TWriter* w) {
        writer(w, rowCount_, [this](int32_t i) { return RowHeights(i); });
      },
      differs(rowHeights_, defaultRowHeight_));
}

void TCustomGrid::Loaded() {
  TCustomControl::Loaded();
  ClampPositions();
  UpdateScrollBars();
}

ZYL_MESSAGE_MAP(TCustomGrid) {
  m.On(WM_GETDLGCODE, &TCustomGrid::WMGetDlgCode)
      .On(WM_HSCROLL, &TCustomGrid::WMHScroll)
      .On(WM_VSCROLL, &TCustomGrid::WMVScroll)
      .On(WM_SIZE, &TCustomGrid::WMSize)
      .On(WM_SETCURSOR, &TCustomGrid::WMSetCursor)
      .On(CM_FONTCHANGED, &TCustomGrid::CMFontChanged)
      .On(CM_COLORCHANGED, &TCustomGrid::CMColorChanged);
}

ZYL_CLASS_IMPL(TCustomGrid) {
  using C = TCustomGrid;
  b.Declare("BorderStyle", &C::BorderStyle, &C::SetBorderStyle)
      .Default(bsSingle)
      .Declare("Color", &C::Color, &C::SetColor, ColorTypeInfo())
      .Default(clWindow)
      .Stored(&C::IsColorStored)
      .Declare("ColCount", &C::ColCount, &C::SetColCount)
      .Default(5)
      .Declare("DefaultColWidth", &C::DefaultColWidth, &C::SetDefaultColWidth)
      .Default(64)
      .Declare("DefaultDrawing", &C::DefaultDrawing, &C::SetDefaultDrawing)
      .Default(true)
      .Declare("DefaultRowHeight", &C::DefaultRowHeight, &C::SetDefaultRowHeight)
      .Default(24)
      .Declare("FixedColor", &C::FixedColor, &C::SetFixedColor, ColorTypeInfo())
      .Default(clBtnFace)
      .Declare("FixedCols", &C::FixedCols, &C::SetFixedCols)
      .Default(1)
      .Declare("RowCount", &C::RowCount, &C::SetRowCount)
      .Default(5)
      .Declare("FixedRows", &C::FixedRows, &C::SetFixedRows)
      .Default(1)
      .Declare("GridLineWidth", &C::GridLineWidth, &C::SetGridLineWidth)
      .Default(1)
      .Declare("Options", &C::Options, &C::SetOptions)
      .Default(
          TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect})
      .Declare("ParentColor", &C::ParentColor, &C::SetParentColor)
      .Default(false)
      .Declare("ScrollBars", &C::ScrollBars, &C::SetScrollBars)
      .Default(ssBoth)
      // Published already here, as the framework's class does: every descendant that publishes
      // it writes TabStop at this place, right after the bounds, hint and help context.
      .Prop("TabStop", &C::TabStop, &C::SetTabStop)
      .Default(true)
      .Declare("VisibleColCount", &C::VisibleColCount, nullptr)
      .Declare("VisibleRowCount", &C::VisibleRowCount, nullptr);
}

ZYL_CLASS_IMPL(TCustomDrawGrid) {
  using C = TCustomDrawGrid;
  b.Declare("OnColumnMoved", &C::GetOnColumnMoved, &C::SetOnColumnMoved)
      .Declare("OnDrawCell", &C::GetOnDrawCell, &C::SetOnDrawCell)
      .Declare("OnGetEditMask", &C::GetOnGetEditMask, &C::SetOnGetEditMask)
      .Declare("OnGetEditText", &C::GetOnGetEditText, &C::SetOnGetEditText)
      .Declare("OnRowMoved", &C::GetOnRowMoved, &C::SetOnRowMoved)
      .Declare("OnSelectCell", &C::GetOnSelectCell, &C::SetOnSelectCell)
      .Declare("OnSetEditText", &C::GetOnSetEditText, &C::SetOnSetEditText)
      .Declare("OnTopLeftChanged", &C::GetOnTopLeftChanged, &C::SetOnTopLeftChanged);
}

// The draw grid and the string grid publish the same list.
ZYL_CLASS_IMPL(TDrawGrid) {
  b.Publish(
      {"Align",          "Anchors",         "BiDiMode",       "BorderStyle",     "Color",
       "ColCount",       "Constraints",     "Ctl3D",          "DefaultColWidth", "DefaultRowHeight",
       "DefaultDrawing", "DragCursor",      "DragKind",       "DragMode",        "Enabled",
       "FixedColor",     "FixedCols",       "RowCount",       "FixedRows",       "Font",
       "GridLineWidth",  "Options",         "ParentBiDiMode", "ParentColor",     "ParentCtl3D",
       "ParentFont",     "ParentShowHint",  "PopupMenu",      "ScrollBars",      "ShowHint",
       "TabOrder",       "TabStop",         "Visible",        "VisibleColCount", "VisibleRowCount",
       "OnClick",        "OnColumnMoved",   "OnContextPopup", "OnDblClick",      "OnDragDrop",
       "OnDragOver",     "OnDrawCell",      "OnEndDock",      "OnEndDrag",       "OnEnter",
       "OnExit",         "OnGetEditMask",   "OnGetEditText",  "OnKeyDown",       "OnKeyPress",
       "OnKeyUp",        "OnMouseDown",     "OnMouseMove",    "OnMouseUp",       "OnMouseWheelDown",
       "OnMouseWheelUp", "OnRowMoved",      "OnSelectCell",   "OnSetEditText",   "OnStartDock",
       "OnStartDrag",    "OnTopLeftChanged"});
}

namespace {
const controls_internal::TStandardClasses registered{&TDrawGrid::StaticClass,
                                                     &TStringGrid::StaticClass};
}  // namespace

}  // namespace vcl
