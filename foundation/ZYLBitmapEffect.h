// Picture settings: TZYLTransparent (how a picture shows its background), TZYLAlphaObject
// (blending towards a colour) and TZYLBitmapEffectObject (flips, grey scale, invert,
// brightness and alpha blending applied to a bitmap in place, optionally cached).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwned.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLTransparent : public TZYLObject {
  ZYL_CLASS(TZYLTransparent, TZYLObject)
  TZYLTransparent() = default;

  void Assign(vcl::TPersistent* Source) override;
  // "{<Mode>}".
  std::string GetSetStr() override;

  vcl::TColor Color() const { return FColor; }
  void SetColor(vcl::TColor Value);
  TZYLTransparentMode Mode() const { return FMode; }
  void SetStyle(TZYLTransparentMode Value);

 private:
  vcl::TColor FColor = vcl::clBtnFace;
  TZYLTransparentMode FMode = tpNone;
};

// Blends a picture towards Color: each channel becomes (c * Alpha + Color * (255 - Alpha)) /
// 255, rounded; Alpha 255 leaves the picture as it is.
class TZYLAlphaObject : public TZYLObject {
  ZYL_CLASS(TZYLAlphaObject, TZYLObject)
  TZYLAlphaObject() = default;

  void Assign(vcl::TPersistent* Source) override;
  // "{<Alpha>}" or "{None}" when inactive.
  std::string GetSetStr() override;

  bool Active() const { return FActive; }
  void SetActive(bool Value);
  uint8_t Alpha() const { return FAlpha; }
  void SetAlpha(uint8_t Value);
  vcl::TColor Color() const { return FColor; }
  void SetColor(vcl::TColor Value);
  // The blended colour of one pixel (RGB values).
  vcl::TColor Blend(vcl::TColor Pixel) const;

 private:
  bool FActive = false;
  uint8_t FAlpha = 255;
  vcl::TColor FColor = vcl::clWhite;
};

class TZYLBitmapEffectObject : public TZYLObject {
  ZYL_CLASS(TZYLBitmapEffectObject, TZYLObject)
  // The indices of the Boolean properties.
  enum TBooleanProp : int { biFlipHorizontal, biFlipVertical, biGrayScale, biInvert, biBuffered };

  TZYLBitmapEffectObject();
  ~TZYLBitmapEffectObject() override;

  void Assign(vcl::TPersistent* Source) override;
  // The active effects: "{FlipH, FlipV, Gray, Invert, Brightness 20, Alpha}" or "{None}".
  std::string GetSetStr() override;
  // A change of any setting drops the cached result too.
  void Change() override;

  // True when some effect is active.
  bool GetActive() const;
  // Applies the effects to Bitmap in place: flips, grey scale, invert, brightness, then alpha
  // blending. With Buffered, the first result is kept and later calls copy it into Bitmap
  // until DestroyBuffer (or a change of the settings) drops it.
  void Draw(vcl::TBitmap* Bitmap);
  void DestroyBuffer();
  bool HasBuffer() const { return FBuffer != nullptr; }

  // Index: one of TBooleanProp; any other index stands for Buffered.
  bool GetBoolean(int Index) const;
  void SetBoolean(int Index, bool Value);
  bool FlipHorizontal() const { return FFlipH; }
  bool FlipVertical() const { return FFlipV; }
  bool GrayScale() const { return FGray; }
  bool Invert() const { return FInvert; }
  bool Buffered() const { return FBuffered; }
  // -100 .. 100 percent (values outside are limited to the range).
  int8_t Brightness() const { return FBrightness; }
  void SetBrightness(int8_t Value);
  TZYLAlphaObject* Alpha() const { return FAlpha.get(); }
  void SetAlpha(TZYLAlphaObject* Value);

 private:
  void Apply(vcl::TBitmap* Bitmap) const;

  bool FFlipH = false;
  bool FFlipV = false;
  bool FGray = false;
  bool FInvert = false;
  bool FBuffered = false;
  int8_t FBrightness = 0;
  TZYLOwned<TZYLAlphaObject> FAlpha;
  std::unique_ptr<vcl::TBitmap> FBuffer;
};

}  // namespace zyl
