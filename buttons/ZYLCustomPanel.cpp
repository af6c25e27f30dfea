#include "buttons/ZYLCustomPanel.h"

#include <algorithm>

#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TPoint;
using vcl::TRect;

ZYL_MESSAGE_MAP(TZYLCustomPanel) {
  m.On(win::WM_SIZE, &TZYLCustomPanel::WMSize)
      .On(vcl::CM_COLORCHANGED, &TZYLCustomPanel::CMColorChanged)
      .On(CM_ZYLTRANSPARENTCHANGED, &TZYLCustomPanel::CMTransparentChangedPanel);
}

ZYL_CLASS_IMPL(TZYLCustomPanel) {
  b.Declare("About", &TZYLCustomPanel::About, &TZYLCustomPanel::SetAbout, AboutVarTypeInfo())
      .Stored(false);
}

TZYLCustomPanel::TZYLCustomPanel(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetControlStyle(vcl::TControlStyle{vcl::csAcceptsControls, vcl::csCaptureMouse,
                                     vcl::csClickEvents, vcl::csOpaque, vcl::csDoubleClicks,
                                     vcl::csReplicatable});
  SetColor(vcl::clBtnFace);
}

TZYLCustomPanel::~TZYLCustomPanel() = default;

void TZYLCustomPanel::PaintBackground(vcl::TCanvas* Canvas, const TRect& Rect) {
  if (FTransparent) {
    // The parent's background, never this panel's own (which is built from this).
    if (!ZYLBackBitmapCheck(this)) return;
    vcl::TBitmap* bmp = ZYLBackBitmap(this);
    const TPoint p = ZYLBackMapPoint(this, TPoint{0, 0});
    Canvas->CopyRect(Rect, bmp->Canvas(),
                     TRect{p.X, p.Y, p.X + Rect.Right - Rect.Left, p.Y + Rect.Bottom - Rect.Top});
    return;
  }
  if (TZYLFillObject* fill = GetFillObject()) {
    if (fill->FillCanvas(Canvas, Rect, GetBackColor())) return;
  }
  Canvas->Brush()->SetStyle(vcl::bsSolid);
  Canvas->Brush()->SetColor(GetBackColor());
  Canvas->FillRect(Rect);
}

void TZYLCustomPanel::CreateBack() {
  const int w = std::max(0, ClientWidth()), h = std::max(0, ClientHeight());
  if (w == 0 || h == 0) {
    FBack.reset();
    return;
  }
  auto bmp = std::make_unique<vcl::TBitmap>();
  bmp->SetSize(w, h);
  PaintBackground(bmp->Canvas(), TRect{0, 0, w, h});
  if (FBackFX->GetActive()) FBackFX->Draw(bmp.get());
  FBack = std::move(bmp);
}

void TZYLCustomPanel::DropBack() { FBack.reset(); }

vcl::TBitmap* TZYLCustomPanel::BackBitmap() {
  if (!FBack || FBack->Width() != ClientWidth() || FBack->Height() != ClientHeight()) CreateBack();
  return FBack.get();
}

bool TZYLCustomPanel::BackBitmapCheck() {
  if (FTransparent && !ZYLBackBitmapCheck(this)) return false;
  return BackBitmap() != nullptr;
}

bool TZYLCustomPanel::BackDrawArea(vcl::TCanvas* Canvas, const TRect& DestRect,
                                   const TPoint& Source, uint16_t /*Flags*/) {
  if (!Canvas || DestRect.Right <= DestRect.Left || DestRect.Bottom <= DestRect.Top) return false;
  vcl::TBitmap* bmp = BackBitmap();
  if (!bmp) return false;
  // Only the part that lies on the panel is copied.
  TRect src{Source.X, Source.Y, Source.X + DestRect.Right - DestRect.Left,
            Source.Y + DestRect.Bottom - DestRect.Top};
  TRect cut{std::max(src.Left, 0), std::max(src.Top, 0), std::min(src.Right, bmp->Width()),
            std::min(src.Bottom, bmp->Height())};
  if (cut.Right <= cut.Left || cut.Bottom <= cut.Top) return false;
  const TRect dst{DestRect.Left + cut.Left - src.Left, DestRect.Top + cut.Top - src.Top,
                  DestRect.Left + cut.Right - src.Left, DestRect.Top + cut.Bottom - src.Top};
  Canvas->CopyRect(dst, bmp->Canvas(), cut);
  return true;
}

void TZYLCustomPanel::BackUpdate() {
  DropBack();
  // A transparent panel shows its parent's background, which has just changed.
  if (FTransparent && HandleAllocated()) Invalidate();
  ZYLBackUpdate(this, this);
}

void TZYLCustomPanel::GetChange(vcl::TObject* Sender) {
  DropBack();
  inherited::GetChange(Sender);
}

void TZYLCustomPanel::Paint() {
  vcl::TCanvas* c = Canvas();
  const TRect r = ClientRect();
  if (FBackFX->GetActive()) {
    if (vcl::TBitmap* bmp = BackBitmap()) c->CopyRect(r, bmp->Canvas(), r);
    return;
  }
  PaintBackground(c, r);
}

void TZYLCustomPanel::WMSize(vcl::TWMSize& Message) {
  ZYL_INHERITED(Message);
  FBackFX->DestroyBuffer();
  DropBack();
}

void TZYLCustomPanel::CMColorChanged(vcl::TMessage& Message) {
  DropBack();
  ZYL_INHERITED(Message);
}

void TZYLCustomPanel::CMTransparentChangedPanel(vcl::TMessage& Message) {
  DropBack();
  ZYL_INHERITED(Message);
}

}  // namespace zyl
