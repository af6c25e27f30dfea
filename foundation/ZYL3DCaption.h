// The text-effect settings the text routines draw with: TZYL3DCaption (3D depth layers,
// outline, extrusion, character spacing, disabled look) and TZYLFxCaption (the same with an
// angle of rotation and a position).
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"
#include "platform/graphics/Colors.h"

namespace zyl {

class TZYL3DCaption : public TZYLObject {
  ZYL_CLASS(TZYL3DCaption, TZYLObject)
  // The indices of the colour and of the depth properties.
  enum TColorProp : int { ciLightColor, ciShadowColor };
  enum TDepthProp : int { diLightDepth, diShadowDepth };

  TZYL3DCaption();

  void Assign(vcl::TPersistent* Source) override;
  // "{<Style>}" for a plain caption, "{<Style>, <Orientation>}" when a 3D style is chosen.
  std::string GetSetStr() override;

  // Index: one of TColorProp.
  vcl::TColor GetColor(int Index) const {
    return Index == ciLightColor ? FLightColor : FShadowColor;
  }
  void SetColor(int Index, vcl::TColor Value);
  // Index: one of TDepthProp (pixels).
  uint8_t GetDepth(int Index) const { return Index == diLightDepth ? FLightDepth : FShadowDepth; }
  void SetDepth(int Index, uint8_t Value);

  vcl::TColor LightColor() const { return FLightColor; }
  vcl::TColor ShadowColor() const { return FShadowColor; }
  uint8_t LightDepth() const { return FLightDepth; }
  uint8_t ShadowDepth() const { return FShadowDepth; }

  TZYLDisabledStyle DisabledStyle() const { return FDisabledStyle; }
  void SetDisabledStyle(TZYLDisabledStyle Value);
  TZYLThreeDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TZYLThreeDOrientation Value);
  TZYLThreeDStyle Style() const { return FStyle; }
  void SetStyle(TZYLThreeDStyle Value);
  // Extra spacing between characters in pixels (SetTextCharacterExtra before measuring and
  // drawing).
  int32_t Tracing() const { return FTracing; }
  void SetTracing(int32_t Value);

 protected:
  TZYLDisabledStyle FDisabledStyle = dsAuto;
  uint8_t FLightDepth = 1;
  uint8_t FShadowDepth = 1;
  vcl::TColor FLightColor;
  vcl::TColor FShadowColor;
  TZYLThreeDOrientation FOrientation = toTopLeft;
  TZYLThreeDStyle FStyle = tdNone;
  int32_t FTracing = 0;
};

class TZYLFxCaption : public TZYL3DCaption {
  ZYL_CLASS(TZYLFxCaption, TZYL3DCaption)
  // The indices of the position properties.
  enum TPosProp : int { piPosX, piPosY };

  TZYLFxCaption() = default;

  void Assign(vcl::TPersistent* Source) override;
  // The 3D summary with the angle added when it is not 0: "{tdRaised, toTopLeft, 90}".
  std::string GetSetStr() override;

  // Rotation in degrees, 0 .. 359; 360 is stored as 0 (larger values wrap round).
  uint16_t Angle() const { return FAngle; }
  void SetAngle(uint16_t Value);
  // Index: one of TPosProp.
  int16_t GetPos(int Index) const { return Index == piPosX ? FPosX : FPosY; }
  void SetPos(int Index, int16_t Value);
  int16_t PosX() const { return FPosX; }
  int16_t PosY() const { return FPosY; }

 protected:
  uint16_t FAngle = 0;
  int16_t FPosX = 0;
  int16_t FPosY = 0;
};

}  // namespace zyl
