#include "display/ZYLLEDCustomLabel.h"

#include <memory>

#include "display/ZYLLED.h"
#include "foundation/ZYLBevel.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TRect;

ZYL_MESSAGE_MAP(TZYLLEDCustomLabel) {
  m.On(vcl::CM_COLORCHANGED, &TZYLLEDCustomLabel::CMColorChanged)
      .On(vcl::CM_TEXTCHANGED, &TZYLLEDCustomLabel::CMTextChanged);
}

ZYL_CLASS_IMPL(TZYLLEDCustomLabel) {}

TZYLLEDCustomLabel::TZYLLEDCustomLabel(vcl::TComponent* AOwner) : inherited(AOwner) {
  vcl::TControlStyle s = ControlStyle();
  s.Include(vcl::csReplicatable);
  SetControlStyle(s);
  FLED.reset(new TZYLLED(), vcl::TNotifyEvent(this, &TZYLLEDCustomLabel::GetChange));
  DisableTransMode();
  SetColor(0);
  FLED->BeginUpdate();
  FLED->SetColor(TZYLLED::ciBackColor, Color());
  FLED->EndUpdate(false);
}

TZYLLEDCustomLabel::~TZYLLEDCustomLabel() { FLED.reset(); }

void TZYLLEDCustomLabel::SetAutosize(bool Value) {
  if (ZYLStoreValue(FAutoSize, Value)) GetChange(nullptr);
}

void TZYLLEDCustomLabel::SetDigits(uint8_t Value) {
  if (Value == 0) return;
  if (ZYLStoreValue(FDigits, Value)) GetChange(nullptr);
}

void TZYLLEDCustomLabel::SetLED(TZYLLED* Value) {
  if (Value) FLED->Assign(Value);
}

void TZYLLEDCustomLabel::SetValue(int32_t Value) {
  if (!ZYLStoreValue(FValue, Value)) return;
  // Opaque labels paint at once; a transparent one must have its background redrawn first.
  if (FStyle == lsInteger) InvalidateControl();
}

void TZYLLEDCustomLabel::SetStyle(TZYLLEDStyle Value) {
  if (ZYLStoreValue(FStyle, Value)) GetChange(nullptr);
}

std::string TZYLLEDCustomLabel::GetLabelText() {
  return FStyle == lsInteger ? ValueString(FValue) : Caption();
}

std::string TZYLLEDCustomLabel::ValueString(int32_t Value) const {
  std::string s = std::to_string(Value);
  const size_t digits = FDigits;
  if (s.size() > digits) return std::string(digits, '-');
  // The zeros go between the sign and the digits.
  const size_t at = (Value < 0) ? 1 : 0;
  s.insert(at, digits - s.size(), '0');
  return s;
}

void TZYLLEDCustomLabel::CalcBoundsRect() {
  const TRect r = FLED->CalcBoundsRect(GetLabelText(), BevelExt());
  SetBounds(Left(), Top(), r.Right, r.Bottom);
}

void TZYLLEDCustomLabel::GetChange(vcl::TObject* Sender) {
  if (FAutoSize) CalcBoundsRect();
  inherited::GetChange(Sender);
}

void TZYLLEDCustomLabel::Loaded() {
  inherited::Loaded();
  if (FAutoSize) CalcBoundsRect();
}

void TZYLLEDCustomLabel::CMColorChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  FLED->SetColor(TZYLLED::ciBackColor, Color());
}

void TZYLLEDCustomLabel::CMTextChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  GetChange(nullptr);
}

void TZYLLEDCustomLabel::Paint() {
  if (ComponentState().contains(vcl::csLoading)) return;
  const std::string text = GetLabelText();
  vcl::TCanvas* c = Canvas();
  const TRect r = FBevel->PaintBevel(c, ClientRect(), Transparent());
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  // The work bitmap covers the part of the inner rectangle in the paint's clip, and the text
  // is laid out from the inner rectangle's corner as seen from it.
  const TRect clip = c->ClipRect();
  TRect v{};
  if (!win::IntersectRect(&v, &r, &clip)) return;
  auto bmp = std::make_unique<vcl::TBitmap>();
  bmp->SetSize(v.Width(), v.Height());
  vcl::TCanvas* bc = bmp->Canvas();
  bc->Brush()->SetStyle(vcl::bsSolid);
  bc->Brush()->SetColor(Color());
  bc->FillRect(TRect{0, 0, v.Width(), v.Height()});
  // Quietly: a change signal here would ask for another paint.
  FLED->BeginUpdate();
  FLED->SetColor(TZYLLED::ciBackColor, Color());
  FLED->EndUpdate(false);
  const int dx = v.Left - r.Left, dy = v.Top - r.Top;
  FLED->PaintLED(bc, TRect{-dx, -dy, r.Width() - dx, r.Height() - dy}, text, true, Enabled());
  if (Transparent()) {
    bmp->SetTransparentColor(Color());
    bmp->SetTransparent(true);
  }
  c->Draw(v.Left, v.Top, bmp.get());
}

}  // namespace zyl
