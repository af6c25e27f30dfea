#include "foundation/ZYLBitmapEffect.h"

#include <algorithm>
#include <vector>

#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

using vcl::TColor;

namespace {

int R(TColor c) { return c & 0xFF; }
int G(TColor c) { return (c >> 8) & 0xFF; }
int B(TColor c) { return (c >> 16) & 0xFF; }
TColor Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

}  // namespace

// ---------------------------------------------------------------------------------------------

ZYL_CLASS_IMPL(TZYLTransparent) {
  b.Prop("Color", &TZYLTransparent::Color, &TZYLTransparent::SetColor, vcl::ColorTypeInfo())
      .Default(vcl::clBtnFace)
      .Prop("Mode", &TZYLTransparent::Mode, &TZYLTransparent::SetStyle)
      .Default(tpNone);
}

void TZYLTransparent::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLTransparent*>(Source)) {
    FColor = s->FColor;
    FMode = s->FMode;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLTransparent::GetSetStr() {
  return "{" + vcl::GetEnumName(vcl::TypeInfoOf<TZYLTransparentMode>(), FMode) + "}";
}

void TZYLTransparent::SetColor(TColor Value) {
  if (ZYLStoreValue(FColor, Value)) Change();
}

void TZYLTransparent::SetStyle(TZYLTransparentMode Value) {
  if (ZYLStoreValue(FMode, Value)) Change();
}

// ---------------------------------------------------------------------------------------------

ZYL_CLASS_IMPL(TZYLAlphaObject) {
  b.Prop("Active", &TZYLAlphaObject::Active, &TZYLAlphaObject::SetActive)
      .Default(false)
      .Prop("Alpha", &TZYLAlphaObject::Alpha, &TZYLAlphaObject::SetAlpha)
      .Default(255)
      .Prop("Color", &TZYLAlphaObject::Color, &TZYLAlphaObject::SetColor, vcl::ColorTypeInfo())
      .Default(vcl::clWhite);
}

void TZYLAlphaObject::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLAlphaObject*>(Source)) {
    FActive = s->FActive;
    FAlpha = s->FAlpha;
    FColor = s->FColor;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLAlphaObject::GetSetStr() {
  return FActive ? "{" + std::to_string(FAlpha) + "}" : "{None}";
}

void TZYLAlphaObject::SetActive(bool Value) {
  if (ZYLStoreValue(FActive, Value)) Change();
}

void TZYLAlphaObject::SetAlpha(uint8_t Value) {
  if (ZYLStoreValue(FAlpha, Value)) Change();
}

void TZYLAlphaObject::SetColor(TColor Value) {
  if (ZYLStoreValue(FColor, Value)) Change();
}

TColor TZYLAlphaObject::Blend(TColor Pixel) const {
  const TColor c = vcl::ColorToRGB(FColor);
  auto mix = [&](int p, int q) {
    return static_cast<int>(vcl::Round((p * double(FAlpha) + q * double(255 - FAlpha)) / 255.0));
  };
  return Rgb(mix(R(Pixel), R(c)), mix(G(Pixel), G(c)), mix(B(Pixel), B(c)));
}

// ---------------------------------------------------------------------------------------------

ZYL_CLASS_IMPL(TZYLBitmapEffectObject) {
  b.Prop("Alpha", &TZYLBitmapEffectObject::Alpha, &TZYLBitmapEffectObject::SetAlpha)
      .Prop("Brightness", &TZYLBitmapEffectObject::Brightness,
            &TZYLBitmapEffectObject::SetBrightness)
      .Default(0)
      .Prop("Buffered", &TZYLBitmapEffectObject::GetBoolean, &TZYLBitmapEffectObject::SetBoolean)
      .Index(biBuffered)
      .Default(false)
      .Prop("FlipHorizontal", &TZYLBitmapEffectObject::GetBoolean,
            &TZYLBitmapEffectObject::SetBoolean)
      .Index(biFlipHorizontal)
      .Default(false)
      .Prop("FlipVertical", &TZYLBitmapEffectObject::GetBoolean,
            &TZYLBitmapEffectObject::SetBoolean)
      .Index(biFlipVertical)
      .Default(false)
      .Prop("GrayScale", &TZYLBitmapEffectObject::GetBoolean, &TZYLBitmapEffectObject::SetBoolean)
      .Index(biGrayScale)
      .Default(false)
      .Prop("Invert", &TZYLBitmapEffectObject::GetBoolean, &TZYLBitmapEffectObject::SetBoolean)
      .Index(biInvert)
      .Default(false);
}

TZYLBitmapEffectObject::TZYLBitmapEffectObject() {
  FAlpha.reset(new TZYLAlphaObject(), vcl::TNotifyEvent(this, &TZYLBitmapEffectObject::GetChange));
}

TZYLBitmapEffectObject::~TZYLBitmapEffectObject() {
  FAlpha.reset();
  FBuffer.reset();
}

void TZYLBitmapEffectObject::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLBitmapEffectObject*>(Source)) {
    const bool wasUpdating = FUpdate;
    FUpdate = true;
    FFlipH = s->FFlipH;
    FFlipV = s->FFlipV;
    FGray = s->FGray;
    FInvert = s->FInvert;
    FBuffered = s->FBuffered;
    FBrightness = s->FBrightness;
    FAlpha->Assign(s->FAlpha);
    FUpdate = wasUpdating;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLBitmapEffectObject::GetSetStr() {
  std::vector<std::string> parts;
  if (FFlipH) parts.push_back("FlipH");
  if (FFlipV) parts.push_back("FlipV");
  if (FGray) parts.push_back("Gray");
  if (FInvert) parts.push_back("Invert");
  if (FBrightness) parts.push_back("Brightness " + std::to_string(FBrightness));
  if (FAlpha->Active()) parts.push_back("Alpha");
  if (parts.empty()) return "{None}";
  std::string s = "{";
  for (size_t i = 0; i < parts.size(); ++i) s += (i ? ", " : "") + parts[i];
  return s + "}";
}

void TZYLBitmapEffectObject::Change() {
  DestroyBuffer();
  inherited::Change();
}

bool TZYLBitmapEffectObject::GetActive() const {
  return FFlipH || FFlipV || FGray || FInvert || FBrightness != 0 || FAlpha->Active();
}

bool TZYLBitmapEffectObject::GetBoolean(int Index) const {
  switch (Index) {
    case biFlipHorizontal: return FFlipH;
    case biFlipVertical: return FFlipV;
    case biGrayScale: return FGray;
    case biInvert: return FInvert;
    default: return FBuffered;  // biBuffered
  }
}

void TZYLBitmapEffectObject::SetBoolean(int Index, bool Value) {
  bool* f = Index == biFlipHorizontal ? &FFlipH
            : Index == biFlipVertical ? &FFlipV
            : Index == biGrayScale    ? &FGray
            : Index == biInvert       ? &FInvert
                                      : &FBuffered;
  if (ZYLStoreValue(*f, Value)) Change();
}

void TZYLBitmapEffectObject::SetBrightness(int8_t Value) {
  if (ZYLStoreValue(FBrightness, std::clamp<int8_t>(Value, -100, 100))) Change();
}

void TZYLBitmapEffectObject::SetAlpha(TZYLAlphaObject* Value) {
  if (Value && Value != FAlpha) FAlpha->Assign(Value);
}

void TZYLBitmapEffectObject::DestroyBuffer() { FBuffer.reset(); }

void TZYLBitmapEffectObject::Draw(vcl::TBitmap* Bitmap) {
  if (!Bitmap || Bitmap->Empty() || !GetActive()) return;
  if (FBuffered && FBuffer) {
    Bitmap->Assign(FBuffer.get());
    return;
  }
  Apply(Bitmap);
  if (FBuffered) {
    FBuffer.reset(new vcl::TBitmap());
    FBuffer->Assign(Bitmap);
  }
}

void TZYLBitmapEffectObject::Apply(vcl::TBitmap* Bitmap) const {
  const int w = Bitmap->Width(), h = Bitmap->Height();
  vcl::TCanvas* c = Bitmap->Canvas();
  std::vector<TColor> px(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) px[size_t(y) * w + x] = c->Pixels(x, y);
  std::vector<TColor> out(px.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int sx = FFlipH ? w - 1 - x : x, sy = FFlipV ? h - 1 - y : y;
      TColor p = px[size_t(sy) * w + sx];
      int r = R(p), g = G(p), b = B(p);
      if (FGray) {
        const int v = static_cast<int>(vcl::Round(0.299 * r + 0.587 * g + 0.114 * b));
        r = g = b = v;
      }
      if (FInvert) r = 255 - r, g = 255 - g, b = 255 - b;
      if (FBrightness) {
        auto adj = [&](int v) {
          return std::clamp(static_cast<int>(v + vcl::Round(255.0 * FBrightness / 100.0)), 0, 255);
        };
        r = adj(r), g = adj(g), b = adj(b);
      }
      p = Rgb(r, g, b);
      if (FAlpha->Active()) p = FAlpha->Blend(p);
      out[size_t(y) * w + x] = p;
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) c->SetPixels(x, y, out[size_t(y) * w + x]);
}

}  // namespace zyl
