#include "platform/graphics/Canvas.h"

#include <mutex>

#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Consts.h"
#include "platform/text/Text.h"

namespace vcl {

struct TCanvas::TLock {
  std::recursive_mutex Mutex;
};

ZYL_CLASS_IMPL(TCanvas) {}

namespace {
win::COLORREF RGBOf(TColor c) { return static_cast<win::COLORREF>(ColorToRGB(c)); }
}  // namespace

TCanvas::TCanvas() : lock_(std::make_unique<TLock>()) {
  font_ = new TFont;
  font_->OnChange = TNotifyEvent(this, &TCanvas::FontChanged);
  pen_ = new TPen;
  pen_->OnChange = TNotifyEvent(this, &TCanvas::PenChanged);
  brush_ = new TBrush;
  brush_->OnChange = TNotifyEvent(this, &TCanvas::BrushChanged);
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);
  delete font_;
  delete pen_;
  delete brush_;
}

void TCanvas::Changed() { OnChange(this); }
void TCanvas::Changing() { OnChanging(this); }

win::HDC TCanvas::Handle() {
  RequiredState({csHandleValid});
  return handle_;
}

void TCanvas::SetHandle(win::HDC Value) {
  if (Value == handle_) return;
  if (handle_) {
    DeselectHandles();
    handle_ = nullptr;
    state_ -= csHandleValid;
  }
  if (Value) {
    state_ += csHandleValid;
    handle_ = Value;
  }
}

void TCanvas::DeselectHandles() {
  if (!handle_) return;
  if (state_ * TCanvasStates{csFontValid, csPenValid, csBrushValid} == TCanvasStates{}) return;
  win::SelectObject(handle_, win::GetStockObject(win::BLACK_PEN));
  win::SelectObject(handle_, win::GetStockObject(win::HOLLOW_BRUSH));
  win::SelectObject(handle_, win::GetStockObject(win::SYSTEM_FONT));
  state_ -= TCanvasStates{csFontValid, csPenValid, csBrushValid};
}

void TCanvas::Refresh() { DeselectHandles(); }

void TCanvas::RequiredState(TCanvasStates ReqState) {
  const TCanvasStates needed = ReqState - state_;
  if (needed.empty()) return;
  if (needed.contains(csHandleValid)) {
    CreateHandle();
    if (!handle_) throw EInvalidOperation(SNoCanvasHandle);
  }
  if (needed.contains(csFontValid)) CreateFont();
  if (needed.contains(csPenValid)) CreatePen();
  if (needed.contains(csBrushValid)) CreateBrush();
  state_ += needed;
}

void TCanvas::CreateFont() {
  win::SelectObject(handle_, font_->Handle());
  win::SetTextColor(handle_, RGBOf(font_->Color()));
}

void TCanvas::CreatePen() {
  win::SelectObject(handle_, pen_->Handle());
  win::SetROP2(handle_, PenModeToRop2(pen_->Mode()));
}

void TCanvas::CreateBrush() {
  win::UnrealizeObject(brush_->Handle());
  win::SelectObject(handle_, brush_->Handle());
  if (brush_->Style() == bsSolid) {
    win::SetBkColor(handle_, RGBOf(brush_->Color()));
    win::SetBkMode(handle_, win::OPAQUE);
  } else {
    // Hatches and clear brushes leave the background alone.
    win::SetBkColor(handle_, ~RGBOf(brush_->Color()) & 0xFFFFFF);
    win::SetBkMode(handle_, win::TRANSPARENT);
  }
}

void TCanvas::FontChanged(TObject*) {
  if (state_.contains(csFontValid)) {
    state_ -= csFontValid;
    win::SelectObject(handle_, win::GetStockObject(win::SYSTEM_FONT));
  }
}

void TCanvas::PenChanged(TObject*) {
  if (state_.contains(csPenValid)) {
    state_ -= csPenValid;
    win::SelectObject(handle_, win::GetStockObject(win::BLACK_PEN));
  }
}

void TCanvas::BrushChanged(TObject*) {
  if (state_.contains(csBrushValid)) {
    state_ -= csBrushValid;
    win::SelectObject(handle_, win::GetStockObject(win::HOLLOW_BRUSH));
  }
}

// ---------------------------------------------------------------------------------------------
// Shapes

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  Drawing({csHandleValid, csPenValid, csBrushValid},
          [&] { win::Arc(handle_, X1, Y1, X2, Y2, X3, Y3, X4, Y4); });
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  Drawing({csHandleValid, csPenValid, csBrushValid},
          [&] { win::Chord(handle_, X1, Y1, X2, Y2, X3, Y3, X4, Y4); });
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  Drawing({csHandleValid, csPenValid, csBrushValid},
          [&] { win::Pie(handle_, X1, Y1, X2, Y2, X3, Y3, X4, Y4); });
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  Drawing({csHandleValid, csPenValid, csBrushValid},
          [&] { win::Ellipse(handle_, X1, Y1, X2, Y2); });
}

void TCanvas::Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  Drawing({csHandleValid, csPenValid, csBrushValid},
          [&] { win::Rectangle(handle_, X1, Y1, X2, Y2); });
}

void TCanvas::Rectangle(const TRect& Rect) {
  Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  Drawing({csHandleValid, csPenValid, csBrushValid},
          [&] { win::RoundRect(handle_, X1, Y1, X2, Y2, X3, Y3); });
}

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
  Polygon(Points.data(), static_cast<int>(Points.size()));
}

void TCanvas::Polygon(const TPoint* Points, int Count) {
  if (!Points || Count <= 0) return;
  Drawing({csHandleValid, csPenValid, csBrushValid}, [&] { win::Polygon(handle_, Points, Count); });
}

void TCanvas::Polyline(const std::vector<TPoint>& Points) {
  Polyline(Points.data(), static_cast<int>(Points.size()));
}

void TCanvas::Polyline(const TPoint* Points, int Count) {
  if (!Points || Count <= 0) return;
  Drawing({csHandleValid, csPenValid, csBrushValid},
          [&] { win::Polyline(handle_, Points, Count); });
}

void TCanvas::PolyBezier(const std::vector<TPoint>& Points) {
  if (Points.empty()) return;
  Drawing({csHandleValid, csPenValid, csBrushValid},
          [&] { win::PolyBezier(handle_, Points.data(), static_cast<win::DWORD>(Points.size())); });
}

void TCanvas::MoveTo(int X, int Y) {
  RequiredState({csHandleValid});
  win::MoveToEx(handle_, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
  Drawing({csHandleValid, csPenValid, csBrushValid}, [&] { win::LineTo(handle_, X, Y); });
}

// ---------------------------------------------------------------------------------------------
// Brush rectangles

void TCanvas::FillRect(const TRect& Rect) {
  Drawing({csHandleValid, csBrushValid}, [&] { win::FillRect(handle_, &Rect, brush_->Handle()); });
}

void TCanvas::FrameRect(const TRect& Rect) {
  Drawing({csHandleValid, csBrushValid}, [&] { win::FrameRect(handle_, &Rect, brush_->Handle()); });
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
  Drawing({csHandleValid, csBrushValid}, [&] { win::DrawFocusRect(handle_, &Rect); });
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
  Drawing({csHandleValid, csBrushValid}, [&] {
    win::ExtFloodFill(handle_, X, Y, RGBOf(Color),
                      FillStyle == fsSurface ? win::FLOODFILLSURFACE : win::FLOODFILLBORDER);
  });
}

// ---------------------------------------------------------------------------------------------
// Text

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
  Drawing({csHandleValid, csFontValid, csBrushValid}, [&] {
    win::ExtTextOutA(handle_, X, Y, 0, nullptr, Text.data(), static_cast<win::UINT>(Text.size()),
                     nullptr);
    MoveTo(X + TextWidth(Text), Y);
  });
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const std::string& Text) {
  Drawing({csHandleValid, csFontValid, csBrushValid}, [&] {
    win::UINT options = win::ETO_CLIPPED;
    if (brush_->Style() != bsClear) options |= win::ETO_OPAQUE;
    win::ExtTextOutA(handle_, X, Y, options, &Rect, Text.data(),
                     static_cast<win::UINT>(Text.size()), nullptr);
  });
}

TSize TCanvas::TextExtent(const std::string& Text) {
  RequiredState({csHandleValid, csFontValid});
  TSize size;
  win::GetTextExtentPoint32A(handle_, Text.data(), static_cast<int>(Text.size()), &size);
  return size;
}

int TCanvas::TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
int TCanvas::TextHeight(const std::string& Text) { return TextExtent(Text).cy; }

// ---------------------------------------------------------------------------------------------
// Pictures and blocks

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  Drawing({csHandleValid}, [&] {
    win::SetBkColor(handle_, RGBOf(brush_->Color()));
    Graphic->Draw(this, Rect(X, Y, X + Graphic->Width(), Y + Graphic->Height()));
  });
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
  if (!Graphic) return;
  Drawing({csHandleValid}, [&] { Graphic->Draw(this, Rect); });
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  if (!Canvas) return;
  Drawing({csHandleValid, csFontValid, csBrushValid}, [&] {
    Canvas->RequiredState({csHandleValid, csBrushValid});
    win::StretchBlt(handle_, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas->handle_,
                    Source.Left, Source.Top, Source.Width(), Source.Height(),
                    static_cast<win::DWORD>(copyMode_));
  });
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color) {
  if (!Bitmap || Bitmap->Empty()) return;
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  // The pixels of `Color` as a monochrome mask (white where the colour is).
  const int w = Source.Width(), h = Source.Height();
  win::HDC srcDC = Bitmap->Canvas()->Handle();
  const win::TOwnedObject<win::HBITMAP> mask(
      win::CreateBitmap(w > 0 ? w : -w, h > 0 ? h : -h, 1, 1, nullptr));
  const win::TMemoryDC maskDC;
  const win::TSelectedObject selected(maskDC, mask);
  const win::COLORREF oldBk = win::SetBkColor(srcDC, RGBOf(Color));
  win::BitBlt(maskDC, 0, 0, w, h, srcDC, Source.Left, Source.Top, win::SRCCOPY);
  win::SetBkColor(srcDC, oldBk);
  // The picture, then the brush through the mask: D = ((D ^ P) & S) ^ D.
  win::StretchBlt(handle_, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), srcDC, Source.Left,
                  Source.Top, w, h, win::SRCCOPY);
  const win::COLORREF oldText = win::SetTextColor(handle_, 0x000000);
  const win::COLORREF oldBack = win::SetBkColor(handle_, 0xFFFFFF);
  win::StretchBlt(handle_, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), maskDC, 0, 0, w, h,
                  0x00E20746);
  win::SetTextColor(handle_, oldText);
  win::SetBkColor(handle_, oldBack);
  Changed();
}

TColor TCanvas::Pixels(int X, int Y) {
  RequiredState({csHandleValid});
  return static_cast<TColor>(win::GetPixel(handle_, X, Y));
}

void TCanvas::SetPixels(int X, int Y, TColor Value) {
  Drawing({csHandleValid, csPenValid}, [&] { win::SetPixel(handle_, X, Y, RGBOf(Value)); });
}

TRect TCanvas::ClipRect() {
  RequiredState({csHandleValid});
  TRect r;
  win::GetClipBox(handle_, &r);
  return r;
}

TPoint TCanvas::PenPos() {
  RequiredState({csHandleValid});
  TPoint p;
  win::GetCurrentPositionEx(handle_, &p);
  return p;
}

void TCanvas::Lock() {
  lock_->Mutex.lock();
  ++lockCount_;
}

bool TCanvas::TryLock() {
  if (!lock_->Mutex.try_lock()) return false;
  ++lockCount_;
  return true;
}

void TCanvas::Unlock() {
  --lockCount_;
  lock_->Mutex.unlock();
}

}  // namespace vcl
