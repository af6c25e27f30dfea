// TZYLCustomMemo: rectangles, the scroll bars, painting, scrolling and the multi-line edit
// messages.
#include <algorithm>
#include <cstdlib>

#include "display/ZYLSBar.h"
#include "edits/ZYLCustomMemo.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLCaret.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLProcs.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/user/EditButtonConsts.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

using vcl::TRect;

namespace {

// The DrawText flags of one row: DT_SINGLELINE | DT_NOPREFIX.
constexpr int32_t RowFlags = 0x820;
// The width of the mark of a selected row that shows no characters.
constexpr int EmptyRowMark = 3;
// The rows EM_SCROLL's page codes scroll.
constexpr int EmScrollPage = 5;

}  // namespace

ZYL_MESSAGE_MAP(TZYLCustomMemo) {
  using C = TZYLCustomMemo;
  m.On(win::WM_GETDLGCODE, &C::WMGetDlgCodeMemo)
      .On(vcl::CM_WANTSPECIALKEY, &C::CMWantSpecialKeyMemo)
      .On(vcl::CM_FONTCHANGED, &C::CMFontChangedMemo);
  for (win::UINT msg = win::EM_GETSEL; msg <= win::EM_CHARFROMPOS; ++msg) m.On(msg, &C::EMMemo);
}

// ---------------------------------------------------------------------------------------------
// Scroll bars

void TZYLCustomMemo::SetScrollBars(TZYLMemoScrollBars Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  namespace m = ZYLCustomMemo;
  const bool vert = Value == m::skVertical || Value == m::skBoth || Value == m::skAuto;
  const bool horz = Value == m::skHorizontal || Value == m::skBoth || Value == m::skAuto;
  if (vert && !FVBar) CreateVertBar();
  if (!vert) FreeBar(FVBar);
  if (horz && !FHBar) CreateHorzBar();
  if (!horz) FreeBar(FHBar);
  if (FVBar) FVBar->SetVisible(true);
  if (FHBar) FHBar->SetVisible(true);
  if (ComponentState().contains(vcl::csDestroying)) return;
  UpdateBars();
  SetupRects();
  if (HandleAllocated()) Invalidate();
}

void TZYLCustomMemo::CreateVertBar() {
  FVBar = new TZYLScrollBar(this);
  FVBar->SetCanBeFocused(false);
  FVBar->SetKind(zyl::skVertical);
  FVBar->SetBounds(0, 0, BarSize, 50);
  FVBar->SetInteger(TZYLScrollBar::ipMin, 0);
  FVBar->SetInteger(TZYLScrollBar::ipMax, 0);
  FVBar->SetCtlXP(GetCtlXP());
  FVBar->SetThumbMode(tmAuto);
  FVBar->SetOnScroll(vcl::TScrollEvent(this, &TZYLCustomMemo::DoOnVScroll));
  FVertObj->AssignToScrollBar(FVBar);
  FVBar->SetParent(this);
}

void TZYLCustomMemo::CreateHorzBar() {
  FHBar = new TZYLScrollBar(this);
  FHBar->SetCanBeFocused(false);
  FHBar->SetBounds(0, 0, 50, BarSize);
  FHBar->SetInteger(TZYLScrollBar::ipMin, 0);
  FHBar->SetInteger(TZYLScrollBar::ipMax, 0);
  FHBar->SetCtlXP(GetCtlXP());
  FHBar->SetThumbMode(tmAuto);
  FHBar->SetOnScroll(vcl::TScrollEvent(this, &TZYLCustomMemo::DoOnHScroll));
  FHorzObj->AssignToScrollBar(FHBar);
  FHBar->SetParent(this);
}

void TZYLCustomMemo::FreeBar(TZYLScrollBar*& Bar) {
  delete Bar;
  Bar = nullptr;
}

bool TZYLCustomMemo::AutoVertVisible() {
  return FTop > 0 || static_cast<int>(FRows.size()) > PageRows();
}

// Range, position and (with skAuto) visibility of the bars; a bar shown or hidden changes the
// rectangles, which are set up again.
void TZYLCustomMemo::UpdateBars() {
  if (!FVBar && !FHBar) return;
  bool relayout = false;
  if (FVBar) {
    FVBar->SetInteger(TZYLScrollBar::ipMax, MaxTop());
    FVBar->SetInteger(TZYLScrollBar::ipPosition, FTop);
    const bool visible = FScrollBars != ZYLCustomMemo::skAuto || AutoVertVisible();
    if (visible != FVBar->Visible()) {
      FVBar->SetVisible(visible);
      relayout = true;
    }
  }
  if (FHBar) {
    const bool wrap = Wrapping();
    FHBar->SetInteger(TZYLScrollBar::ipMax, wrap ? 0 : std::max(0, FHorzRange));
    FHBar->SetInteger(TZYLScrollBar::ipPosition, FOffset);
    FHBar->SetEnabled(!wrap);
    FHBar->Thumb()->SetVisible(!wrap);
    const bool visible = FScrollBars != ZYLCustomMemo::skAuto || (!wrap && FHorzRange > 0);
    if (visible != FHBar->Visible()) {
      FHBar->SetVisible(visible);
      relayout = true;
    }
  }
  if (relayout) {
    SetupRects();
    if (HandleAllocated()) Invalidate();
  }
}

void TZYLCustomMemo::PlaceBars() {
  const TRect r = FPaintRect;
  const bool v = FVBar && FVBar->Visible();
  const bool h = FHBar && FHBar->Visible();
  if (v) {
    FVBar->SetBounds(r.Right - BarSize, r.Top, BarSize,
                     std::max(0, r.Bottom - r.Top - (h ? BarSize : 0)));
    FPaintRect.Right -= BarSize;
  }
  if (h) {
    FHBar->SetBounds(r.Left, r.Bottom - BarSize, std::max(0, r.Right - r.Left - (v ? BarSize : 0)),
                     BarSize);
    FPaintRect.Bottom -= BarSize;
  }
}

void TZYLCustomMemo::DoOnVScroll(vcl::TObject* /*Sender*/, vcl::TScrollCode ScrollCode,
                                 int& ScrollPos) {
  switch (static_cast<int>(ScrollCode)) {
    case scLineToMax: ScrollDown(1); break;
    case scLineToMin: ScrollUp(1); break;
    // A page down keeps the last two rows of the page in view, a page up the first one.
    case scPageToMax: ScrollDown(PageStep()); break;
    case scPageToMin: ScrollUp(std::max(1, PageRows() - 1)); break;
    case scThumbReleased:
    case scDragStep: CalcRowNr(ScrollPos + 1); break;  // the bar counts rows from 0
    default: return;  // the notices before and after a movement
  }
  ScrollPos = FTop;
  SetCaretFromBar();
}

void TZYLCustomMemo::DoOnHScroll(vcl::TObject* /*Sender*/, vcl::TScrollCode ScrollCode,
                                 int& ScrollPos) {
  if (Wrapping() || static_cast<int>(ScrollCode) > scDragStep) return;
  SetHorzOffset(ScrollPos);
  ScrollPos = FOffset;
  SetCaretFromBar();
}

void TZYLCustomMemo::SetHorzOffset(int Value) {
  Value = std::clamp(Value, 0, std::max(0, FHorzRange));
  if (Value == FOffset) return;
  FOffset = Value;
  if (FHBar) FHBar->SetInteger(TZYLScrollBar::ipPosition, FOffset);
  DrawText(-1);
}

bool TZYLCustomMemo::DoMouseWheel(vcl::TShiftState Shift, int WheelDelta, vcl::TPoint MousePos) {
  inherited::DoMouseWheel(Shift, WheelDelta, MousePos);
  if (WheelDelta < 0)
    ScrollDown(1);
  else
    ScrollUp(1);
  SetCaretFromBar();
  return true;
}

void TZYLCustomMemo::SetCaretFromBar() {
  FBarScrolling = true;
  vcl::TFinally clear([this] { FBarScrolling = false; });
  SetCaret();
}

void TZYLCustomMemo::DoThemeChanged() {
  if (FVBar) FVBar->SetCtlXP(GetCtlXP());
  if (FHBar) FHBar->SetCtlXP(GetCtlXP());
  inherited::DoThemeChanged();
}

// ---------------------------------------------------------------------------------------------
// Rectangles

void TZYLCustomMemo::ModifyPaintRect() { PlaceBars(); }

void TZYLCustomMemo::ModifyTextRect() {
  const int w = FMargin->Width();
  const TRect& p = FPaintRect;
  if (w <= 0) {
    FMarginRect = TRect{};
    return;
  }
  if (FMargin->Alignment() == maRight) {
    FMarginRect = TRect{std::max(p.Left, p.Right - w), p.Top, p.Right, p.Bottom};
    FTextRect.Right = std::max(FTextRect.Left, FMarginRect.Left - 1);
  } else {
    FMarginRect = TRect{p.Left, p.Top, std::min(p.Right, p.Left + w), p.Bottom};
    FTextRect.Left = std::min(FTextRect.Right, FMarginRect.Right + 1);
  }
}

// ---------------------------------------------------------------------------------------------
// Scrolling

int TZYLCustomMemo::PageStep() { return std::max(1, PageRows() - 2); }

int TZYLCustomMemo::MaxTop() { return std::max(0, static_cast<int>(FRows.size()) - PageRows()); }

void TZYLCustomMemo::SetTop(int Row) {
  EnsureLayout();
  Row = std::clamp(Row, 0, MaxTop());
  if (Row == FTop) return;
  FTop = Row;
  UpdateBars();
  DrawText(-1);
}

void TZYLCustomMemo::ScrollUp(int N) { SetTop(FTop - std::max(0, N)); }

void TZYLCustomMemo::ScrollDown(int N) { SetTop(FTop + std::max(0, N)); }

void TZYLCustomMemo::MakeCursorVisible() {
  if (ComponentState().contains(vcl::csDesigning) || Loading()) return;
  const int r = RowOf(FCaretPos);
  const int page = PageRows();
  if (r < FTop)
    SetTop(r);
  else if (r >= FTop + page)
    SetTop(r - page + 1);
}

// ---------------------------------------------------------------------------------------------
// Caret

void TZYLCustomMemo::SetCaret() {
  if (IsUpdating() || Loading()) return;
  SetCurrentRow(RowOf(FCaretPos) + 1);
  // The row is looked up again: a handler of the row's change may have changed the text.
  const int r = RowOf(FCaretPos);
  if (!Focused() || !Caret()->Enabled()) return;
  if (FPaintRect.Left < 0) SetupRects();
  const TRect& R = FTextRect;
  const int start = FRows[static_cast<size_t>(r)];
  // In 64 bits: widths and offsets may lie at int's limits.
  auto caretX = [&] {
    return vcl::ClampToInt(int64_t{RowOrigin(r)} + SpanWidth(start, FCaretPos) - FOffset);
  };
  int x = caretX();
  if (!Wrapping() && !FBarScrolling) {
    const int64_t quarter = (int64_t{R.Right} - R.Left) / 4;
    if (x > int64_t{R.Right} - 2)
      SetHorzOffset(vcl::ClampToInt(int64_t{FOffset} + x - (int64_t{R.Right} - 2) + quarter));
    else if (x < R.Left && FOffset > 0)
      SetHorzOffset(vcl::ClampToInt(int64_t{FOffset} - (int64_t{R.Left} - x) - quarter));
    x = caretX();
  }
  const int row = r - FTop;
  if (row < 0 || row >= PageRows() || x < int64_t{R.Left} - 1 || x > R.Right) {
    SetZYLCaretPos(-1000, -1000);  // out of view: the caret waits outside the window
    return;
  }
  SetZYLCaretPos(x, R.Top + row * RowHeight(""));
}

// ---------------------------------------------------------------------------------------------
// Painting

void TZYLCustomMemo::EndLinesUpdate() {
  if (FLinesUpdate == 0 || --FLinesUpdate > 0 || !FRedrawHeld) return;
  FRedrawHeld = false;
  if (HandleAllocated()) Invalidate();
}

void TZYLCustomMemo::Paint() {
  if (IsUpdating() || Loading()) return;
  if (FLinesUpdate > 0) {
    FRedrawHeld = true;
    return;
  }
  inherited::Paint();
  DrawText(-1);
}

void TZYLCustomMemo::PaintMargin(vcl::TCanvas* Canvas) {
  if (FMargin->Width() <= 0) return;
  const TRect& m = FMarginRect;
  TZYLFillObject* fill = FMargin->FillObject();
  if (fill->Style() == sfNone || !fill->FillCanvas(Canvas, m, Color())) RepaintBack(m);
  vcl::TPen* pen = Canvas->Pen();
  pen->SetStyle(vcl::psSolid);
  pen->SetWidth(1);
  const bool right = FMargin->Alignment() == maRight;
  const int white = right ? m.Left + 1 : m.Right - 2, grey = right ? m.Left : m.Right - 1;
  pen->SetColor(0xFFFFFF);
  Canvas->MoveTo(white, m.Top);
  Canvas->LineTo(white, m.Bottom);
  pen->SetColor(0x808080);
  Canvas->MoveTo(grey, m.Top);
  Canvas->LineTo(grey, m.Bottom);
}

void TZYLCustomMemo::PaintRuledLines(vcl::TCanvas* Canvas, int Top) {
  const int rh = RowHeight("");
  const int pw = std::max(1, FLineStyle->Width());
  Canvas->SetPen(FLineStyle.get());
  for (int y = Top + rh - 1 - pw / 2; y < FTextRect.Bottom; y += rh) {
    Canvas->MoveTo(FTextRect.Left - 1, y);
    Canvas->LineTo(FTextRect.Right, y);
  }
}

// Draws characters [From, To) of a row whose first character From starts at X; TABs and
// control characters are left out, the pieces between them placed at their tab stops.
void TZYLCustomMemo::DrawRowText(vcl::TCanvas* Canvas, int From, int To, int X, int Y, int Bottom) {
  const TZYLDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled};
  const int left = FTextRect.Left, right = FTextRect.Right;
  int x = 0, pieceX = 0, piece = From, end = To;
  // Draws the piece up to End when some of it lies between the text's edges.
  // In 64 bits: widths may lie at int's limits.
  auto flush = [&](int End) {
    const int64_t from = int64_t{X} + pieceX, to = int64_t{X} + x;
    if (End > piece && from < right && to > left)
      ZYLDrawTextExt(Canvas, FText.substr(size_t(piece - 1), size_t(End - piece)), Font3D(),
                     TRect{vcl::ClampToInt(from), Y,
                           vcl::ClampToInt(std::max<int64_t>(right, to) + 8), Bottom},
                     RowFlags, styles);
  };
  for (int p = From; p < To; ++p) {
    const char c = FText[static_cast<size_t>(p - 1)];
    const int w = Advance(x, c);
    if (static_cast<uint8_t>(c) < 32) {
      flush(p);
      piece = p + 1;
      pieceX = vcl::ClampToInt(int64_t{x} + w);
    } else if (int64_t{X} + x > right) {
      end = p;  // the rest lies right of the text
      break;
    }
    x = vcl::ClampToInt(int64_t{x} + w);
  }
  flush(std::min(end, static_cast<int>(FText.size()) + 1));
}

void TZYLCustomMemo::DrawRow(vcl::TCanvas* Canvas, int Row, int Y) {
  const TRect& R = FTextRect;
  const int start = FRows[static_cast<size_t>(Row)];
  const int end = RowEnd(Row);
  const int bottom = std::min(Y + FCharHeight, static_cast<int>(R.Bottom));
  const int x0 = vcl::ClampToInt(int64_t{RowOrigin(Row)} - FOffset);
  Canvas->Brush()->SetStyle(vcl::bsClear);
  Canvas->Font()->SetColor(GetFaceFontColor());
  DrawRowText(Canvas, start, end, x0, Y, bottom);
  const int selEnd = FSelStart + FSelLength;
  if (FSelLength > 0 && (Focused() || !HideSelection()) && FSelStart < end && selEnd > start) {
    const int a = std::max(FSelStart, start), b = std::min(selEnd, end);
    const int xa = vcl::ClampToInt(int64_t{x0} + SpanWidth(start, a));
    int xb = vcl::ClampToInt(std::min<int64_t>(int64_t{x0} + SpanWidth(start, b), R.Right));
    if (xb <= xa) xb = vcl::ClampToInt(int64_t{xa} + EmptyRowMark);
    const TRect mark{std::max(xa, static_cast<int>(R.Left)), Y, xb, bottom};
    Canvas->Brush()->SetStyle(vcl::bsSolid);
    Canvas->Brush()->SetColor(HighlightBack());
    Canvas->FillRect(mark);
    win::TSavedClip clip(Canvas->Handle());
    win::TOwnedObject<win::HRGN> rgn(
        win::CreateRectRgn(mark.Left, mark.Top, mark.Right, mark.Bottom));
    clip.IntersectLogical(rgn.Get());
    Canvas->Brush()->SetStyle(vcl::bsClear);
    Canvas->Font()->SetColor(HighlightText());
    DrawRowText(Canvas, start, end, x0, Y, bottom);
  }
  if (FOnMarginRowPaint) {
    const TRect& m = FMarginRect;
    const bool right = FMargin->Alignment() == maRight;
    const TRect cell{right ? m.Left + 2 : m.Left, Y, right ? m.Right : m.Right - 2, bottom};
    int shown = 0;
    for (int p = start; p < end; ++p)
      if (FText[static_cast<size_t>(p - 1)] == '\t' ||
          static_cast<uint8_t>(FText[static_cast<size_t>(p - 1)]) >= 32)
        ++shown;
    FOnMarginRowPaint(this, Canvas, cell, start, shown);
  }
}

void TZYLCustomMemo::DrawText(int /*From*/) {
  if (IsUpdating() || Loading() || !HandleAllocated()) return;
  if (FLinesUpdate > 0) {
    FRedrawHeld = true;
    return;
  }
  if (FPaintRect.Left < 0) SetupRects();
  EnsureLayout();
  const win::HWND wnd = Handle();
  const bool caretShown = Focused() && Caret()->Enabled();
  if (caretShown) win::HideCaret(wnd);
  // The caret comes back however the drawing ends (the margin's row handler may raise).
  const vcl::TFinally caretBack([caretShown, wnd] {
    if (caretShown) win::ShowCaret(wnd);
  });
  vcl::TCanvas* c = DrawCanvas();
  c->SetFont(Font());
  const TRect R = FTextRect;
  const bool hasText = R.Right > R.Left && R.Bottom > R.Top;
  // The ground first: a themed ground is painted whole, under the margin.
  if (hasText) RepaintBack(TRect{R.Left - 1, R.Top, R.Right + 1, R.Bottom});
  PaintMargin(c);
  if (hasText) {
    const int rh = RowHeight("");
    const int rows = static_cast<int>(FRows.size());
    {
      win::TSavedClip clip(c->Handle());
      win::TOwnedObject<win::HRGN> rgn(win::CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom));
      clip.IntersectLogical(rgn.Get());
      // Whole rows only: a row the text rectangle cuts is not drawn.
      for (int i = 0, y = R.Top; FTop + i < rows && y + rh <= R.Bottom; ++i, y += rh)
        DrawRow(c, FTop + i, y);
    }
    if (FLined) PaintRuledLines(c, R.Top);
  }
  if (vcl::TBitmap* back = BackBitmapOf())
    Canvas()->CopyRect(FPaintRect, back->Canvas(), FPaintRect);
}

// ---------------------------------------------------------------------------------------------
// Messages

void TZYLCustomMemo::WMGetDlgCodeMemo(vcl::TMessage& Message) {
  WMGetDlgCodeEdit(Message);
  if (FWantTabs)
    Message.Result |= win::DLGC_WANTTAB;
  else
    Message.Result &= ~win::DLGC_WANTTAB;
}

// Enter breaks the line of a memo that wants returns before the form's default button can
// take it.
void TZYLCustomMemo::CMWantSpecialKeyMemo(vcl::TMessage& Message) {
  Message.Result = Message.WParam == win::VK_RETURN && FWantReturns ? 1 : 0;
}

// The multi-line edit messages; rows and characters count from 0.
void TZYLCustomMemo::EMMemo(vcl::TMessage& Message) {
  using namespace win;
  const WPARAM w = Message.WParam;
  const LPARAM l = Message.LParam;
  LRESULT& r = Message.Result;
  // A row's length without its line break.
  auto rowLength = [this](int Row) {
    int e = RowEnd(Row);
    if (Row + 1 < static_cast<int>(FRows.size()) && FText[static_cast<size_t>(e - 2)] == '\n')
      e -= 2;
    return e - FRows[static_cast<size_t>(Row)];
  };
  switch (Message.Msg) {
    case EM_SCROLL: {
      const int before = TopRow();
      switch (w) {
        case SB_LINEUP: ScrollUp(1); break;
        case SB_LINEDOWN: ScrollDown(1); break;
        case SB_PAGEUP: ScrollUp(EmScrollPage); break;
        case SB_PAGEDOWN: ScrollDown(EmScrollPage); break;
        default: break;
      }
      r = (LRESULT{1} << 16) | static_cast<LRESULT>(std::abs(TopRow() - before) & 0xFFFF);
      SetCaretFromBar();
      break;
    }
    case EM_LINESCROLL: {
      const int lines = static_cast<int>(l), chars = static_cast<int>(w);
      if (lines < 0) ScrollUp(-lines);
      if (lines > 0) ScrollDown(lines);
      if (chars != 0 && !Wrapping())
        SetHorzOffset(vcl::ClampToInt(int64_t{FOffset} + int64_t{chars} * CharWidth('0')));
      SetCaretFromBar();
      r = 1;
      break;
    }
    case EM_SCROLLCARET:
      MakeCursorVisible();
      SetCaret();
      r = 1;
      break;
    case EM_GETLINECOUNT: r = GetRowCount(); break;
    case EM_LINEINDEX: {
      const int row = static_cast<int>(w) == -1 ? RowOf(FCaretPos) : static_cast<int>(w);
      const int start = CalcRowStart(row);
      r = start > 0 ? start - 1 : -1;
      break;
    }
    case EM_LINELENGTH: {
      const int at = static_cast<int>(w);
      r = rowLength(RowOf(at < 0 ? FCaretPos : at + 1));
      break;
    }
    case EM_GETLINE: {
      auto* buffer = reinterpret_cast<char*>(l);
      const int row = static_cast<int>(w);
      r = 0;
      if (!buffer || row < 0 || row >= GetRowCount()) break;
      uint16_t size = 0;
      std::copy_n(buffer, sizeof size, reinterpret_cast<char*>(&size));
      const int n = std::min<int>(size, rowLength(row));
      std::copy_n(FText.data() + FRows[static_cast<size_t>(row)] - 1, n, buffer);
      r = n;
      break;
    }
    case EM_FMTLINES:
      FFmtLines = w != 0;
      r = FFmtLines ? 1 : 0;
      break;
    case EM_LINEFROMCHAR:
      r = CalcRowFromChar(static_cast<int>(w) == -1
                              ? FSelStart
                              : vcl::ClampToInt(int64_t{static_cast<int>(w)} + 1));
      break;
    case EM_GETFIRSTVISIBLELINE: r = TopRow() - 1; break;
    case EM_POSFROMCHAR: {
      const int pos = std::clamp(static_cast<int>(l), 0, GetLength()) + 1;
      const int row = RowOf(pos);
      const int x = vcl::ClampToInt(int64_t{RowOrigin(row)} +
                                    SpanWidth(FRows[static_cast<size_t>(row)], pos) - FOffset);
      const int y = FTextRect.Top + (row - FTop) * RowHeight("");
      if (w) *reinterpret_cast<vcl::TPoint*>(w) = vcl::TPoint{x, y};
      r = static_cast<LRESULT>((static_cast<uint32_t>(y & 0xFFFF) << 16) |
                               static_cast<uint32_t>(x & 0xFFFF));
      break;
    }
    case EM_CHARFROMPOS: {
      const int x = static_cast<int16_t>(l & 0xFFFF), y = static_cast<int16_t>((l >> 16) & 0xFFFF);
      EnsureLayout();
      const int row = std::clamp(FTop + (y - FTextRect.Top) / RowHeight(""), 0,
                                 static_cast<int>(FRows.size()) - 1);
      const int pos = PosInRow(row, x) - 1;
      r = static_cast<LRESULT>((static_cast<uint32_t>(row & 0xFFFF) << 16) |
                               static_cast<uint32_t>(pos & 0xFFFF));
      break;
    }
    case EM_GETMARGINS:
    case EM_SETMARGINS:
    case EM_SETTABSTOPS:
    case EM_GETHANDLE:
    case EM_GETTHUMB: r = 0; break;
    default: EMMessage(Message); break;
  }
}

}  // namespace zyl
