#include "foundation/ZYLBevel.h"

#include "foundation/ZYLGraph.h"

#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

using vcl::TColor;
using vcl::TRect;

namespace {

const TZYLFrameSides AllSides{fsBottom, fsLeft, fsRight, fsTop};

const win::UINT EdgeStyles[] = {win::BDR_RAISEDINNER, win::BDR_RAISEDOUTER, win::BDR_SUNKENINNER,
                                win::BDR_SUNKENOUTER, win::EDGE_BUMP,       win::EDGE_ETCHED,
                                win::EDGE_RAISED,     win::EDGE_SUNKEN};

win::UINT SideFlags(TZYLFrameSides Sides) {
  win::UINT f = 0;
  if (Sides.contains(fsBottom)) f |= win::BF_BOTTOM;
  if (Sides.contains(fsLeft)) f |= win::BF_LEFT;
  if (Sides.contains(fsRight)) f |= win::BF_RIGHT;
  if (Sides.contains(fsTop)) f |= win::BF_TOP;
  return f;
}

TRect Deflate(const TRect& R, int32_t D) { return TRect{R.Left + D, R.Top + D, R.Right - D, R.Bottom - D}; }

// One pixel-wide band round R, top and left in TopLeft, bottom and right in BottomRight
// (clNone leaves a side unpainted).
void Band(vcl::TCanvas* Canvas, const TRect& R, TColor TopLeft, TColor BottomRight) {
  if (R.Right <= R.Left || R.Bottom <= R.Top) return;
  vcl::TBrush* brush = Canvas->Brush();
  if (TopLeft != vcl::clNone) {
    brush->SetColor(TopLeft);
    Canvas->FillRect(TRect{R.Left, R.Top, R.Right - 1, R.Top + 1});
    Canvas->FillRect(TRect{R.Left, R.Top, R.Left + 1, R.Bottom - 1});
  }
  if (BottomRight != vcl::clNone) {
    brush->SetColor(BottomRight);
    Canvas->FillRect(TRect{R.Left, R.Bottom - 1, R.Right, R.Bottom});
    Canvas->FillRect(TRect{R.Right - 1, R.Top, R.Right, R.Bottom});
  }
}

// Width bands in the same colours (Frame3D).
TRect Frame3D(vcl::TCanvas* Canvas, TRect R, TColor TopLeft, TColor BottomRight, int32_t Width) {
  for (int32_t i = 0; i < Width; ++i) {
    Band(Canvas, R, TopLeft, BottomRight);
    R = Deflate(R, 1);
  }
  return R;
}

}  // namespace

ZYL_CLASS_IMPL(TZYLBevel) {
  b.Prop("BorderColor", &TZYLBevel::GetColor, &TZYLBevel::SetColor, vcl::ColorTypeInfo())
      .Index(ciBorderColor)
      .Default(vcl::clBtnFace)
      .Prop("BorderInnerWidth", &TZYLBevel::BorderInnerWidth, &TZYLBevel::SetBorderSpace)
      .Default(0)
      .Prop("BorderSides", &TZYLBevel::BorderSides, &TZYLBevel::SetBorderSides)
      .Default(AllSides)
      .Prop("BorderWidth", &TZYLBevel::BorderWidth, &TZYLBevel::SetBorderWidth)
      .Default(0)
      .Prop("EdgeStyle", &TZYLBevel::EdgeStyle, &TZYLBevel::SetEdgeStyle)
      .Default(etEtched)
      .Prop("LightColor", &TZYLBevel::GetColor, &TZYLBevel::SetColor, vcl::ColorTypeInfo())
      .Index(ciLightColor)
      .Default(vcl::clBtnHighlight)
      .Prop("Mode", &TZYLBevel::Mode, &TZYLBevel::SetMode)
      .Stored(&TZYLBevel::IsModeStored)
      .Prop("ShadowColor", &TZYLBevel::GetColor, &TZYLBevel::SetColor, vcl::ColorTypeInfo())
      .Index(ciShadowColor)
      .Default(vcl::clBtnShadow)
      .Prop("StandardStyle", &TZYLBevel::StandardStyle, &TZYLBevel::SetStyle)
      .Default(lsSingleLowered)
      .Prop("StyleInner", &TZYLBevel::StyleInner, &TZYLBevel::SetBevelStyleInner)
      .Default(bvNone)
      .Prop("StyleOuter", &TZYLBevel::StyleOuter, &TZYLBevel::SetBevelStyleOuter)
      .Stored(&TZYLBevel::IsStyleOuterStored)
      .Prop("WidthInner", &TZYLBevel::WidthInner, &TZYLBevel::SetBevelWidthInner)
      .Default(1)
      .Prop("WidthOuter", &TZYLBevel::WidthOuter, &TZYLBevel::SetBevelWidthOuter)
      .Default(1);
}

TZYLBevel::TZYLBevel()
    : FBorderColor(vcl::clBtnFace),
      FLightColor(vcl::clBtnHighlight),
      FShadowColor(vcl::clBtnShadow),
      FBorderSides(AllSides) {
  FExtent = ComputeExtent();
}

void TZYLBevel::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLBevel*>(Source)) {
    FStyleInner = s->FStyleInner;
    FStyleOuter = s->FStyleOuter;
    FWidthInner = s->FWidthInner;
    FWidthOuter = s->FWidthOuter;
    FBorderColor = s->FBorderColor;
    FLightColor = s->FLightColor;
    FShadowColor = s->FShadowColor;
    FBorderSides = s->FBorderSides;
    FBorderWidth = s->FBorderWidth;
    FBorderInnerWidth = s->FBorderInnerWidth;
    FEdgeStyle = s->FEdgeStyle;
    FMode = s->FMode;
    FStandardStyle = s->FStandardStyle;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLBevel::GetSetStr() {
  switch (FMode) {
    case bmCustom:
      return "{bmCustom, " + ZYLEnumName(FStyleOuter) + ", " + ZYLEnumName(FStyleInner) + "}";
    case bmEdge:
      return "{bmEdge, " + ZYLEnumName(FEdgeStyle) + "}";
    default:
      return "{" + ZYLEnumName(FMode) + ", " + ZYLEnumName(FStandardStyle) + "}";
  }
}

void TZYLBevel::Change() {
  FExtent = ComputeExtent();
  inherited::Change();
}

int32_t TZYLBevel::BevelStyleWidth(TZYLBevelStyle Style, int32_t Width) {
  switch (Style) {
    case bvNone:
      return 0;
    case bvFrameLowered:
    case bvFrameRaised:
      return 2 * Width;
    default:
      return Width;
  }
}

int32_t TZYLBevel::StdFrameWidth(TZYLBorderStyle Style) { return ZYLStdFrameWidth(Style); }

int32_t TZYLBevel::EdgeWidth(TZYLEdgeStyle Style) { return Style >= etBump ? 2 : 1; }

int32_t TZYLBevel::ComputeExtent() const {
  int32_t e = 0;
  switch (FMode) {
    case bmCustom:
      e = BevelStyleWidth(FStyleOuter, FWidthOuter) + BevelStyleWidth(FStyleInner, FWidthInner);
      break;
    case bmStandard:
    case bmWindows:
      e = StdFrameWidth(FStandardStyle);
      break;
    case bmEdge:
      e = FBorderSides.empty() ? 0 : EdgeWidth(FEdgeStyle);
      break;
  }
  return e + FBorderWidth + FBorderInnerWidth;
}

TRect TZYLBevel::InnerRect(const TRect& Rect) const {
  if (FMode != bmEdge) return Deflate(Rect, FExtent);
  // An edge occupies only its sides; the border goes round the whole rectangle.
  TRect r = Rect;
  const int32_t w = FBorderSides.empty() ? 0 : EdgeWidth(FEdgeStyle);
  if (FBorderSides.contains(fsLeft)) r.Left += w;
  if (FBorderSides.contains(fsTop)) r.Top += w;
  if (FBorderSides.contains(fsRight)) r.Right -= w;
  if (FBorderSides.contains(fsBottom)) r.Bottom -= w;
  return Deflate(r, FBorderWidth + FBorderInnerWidth);
}

TRect TZYLBevel::ClientRect(const TRect& Rect) const {
  if (FExtent == 0) return Rect;
  return InnerRect(Rect);
}

TRect TZYLBevel::PaintBevel(vcl::TCanvas* Canvas, const TRect& Rect, bool Transparent) {
  if (FExtent == 0 || !Canvas) return Rect;
  vcl::TBrush* brush = Canvas->Brush();
  const TColor oldColor = brush->Color();
  const vcl::TBrushStyle oldStyle = brush->Style();
  brush->SetStyle(vcl::bsSolid);
  TRect r = Rect;
  switch (FMode) {
    case bmCustom: {
      auto paint = [&](TZYLBevelStyle style, int32_t width) {
        switch (style) {
          case bvNone:
            break;
          case bvLowered:
            r = Frame3D(Canvas, r, FShadowColor, FLightColor, width);
            break;
          case bvRaised:
            r = Frame3D(Canvas, r, FLightColor, FShadowColor, width);
            break;
          case bvFrameLowered:
            r = Frame3D(Canvas, r, FShadowColor, FLightColor, width);
            r = Frame3D(Canvas, r, FLightColor, FShadowColor, width);
            break;
          case bvFrameRaised:
            r = Frame3D(Canvas, r, FLightColor, FShadowColor, width);
            r = Frame3D(Canvas, r, FShadowColor, FLightColor, width);
            break;
          case bvNormal:
            r = Frame3D(Canvas, r, FShadowColor, FShadowColor, width);
            break;
          case bvShadow:
            // A drop shadow on the right and at the bottom; top and left stay as they are.
            r = Frame3D(Canvas, r, vcl::clNone, FShadowColor, width);
            break;
        }
      };
      paint(FStyleOuter, FWidthOuter);
      paint(FStyleInner, FWidthInner);
      break;
    }
    case bmStandard:
    case bmWindows:
      ZYLDrawStdFrame(Canvas, r, FStandardStyle, 0);
      r = Deflate(Rect, StdFrameWidth(FStandardStyle));
      break;
    case bmEdge: {
      const win::UINT sides = SideFlags(FBorderSides);
      if (sides)
        win::DrawEdge(Canvas->Handle(), &r, EdgeStyles[FEdgeStyle], sides | win::BF_ADJUST);
      break;
    }
  }
  if (FBorderWidth > 0) r = Frame3D(Canvas, r, FBorderColor, FBorderColor, FBorderWidth);
  if (FBorderInnerWidth > 0) {
    if (!Transparent) Frame3D(Canvas, r, FBorderColor, FBorderColor, FBorderInnerWidth);
    r = Deflate(r, FBorderInnerWidth);
  }
  brush->SetColor(oldColor);
  brush->SetStyle(oldStyle);
  return InnerRect(Rect);
}

TColor TZYLBevel::GetColor(int Index) const {
  return Index == ciBorderColor ? FBorderColor : Index == ciLightColor ? FLightColor : FShadowColor;
}

void TZYLBevel::SetColor(int Index, TColor Value) {
  TColor& field = Index == ciBorderColor  ? FBorderColor
                  : Index == ciLightColor ? FLightColor
                                          : FShadowColor;
  if (ZYLStoreValue(field, Value)) Change();
}

void TZYLBevel::SetBevelStyleInner(TZYLBevelStyle Value) {
  if (ZYLStoreValue(FStyleInner, Value)) Change();
}

void TZYLBevel::SetBevelStyleOuter(TZYLBevelStyle Value) {
  if (ZYLStoreValue(FStyleOuter, Value)) Change();
}

void TZYLBevel::SetDefaultStyleOuter(TZYLBevelStyle Value) {
  FDefaultStyleOuter = Value;
  SetBevelStyleOuter(Value);
}

void TZYLBevel::SetBevelWidthInner(uint8_t Value) {
  if (ZYLStoreValue(FWidthInner, Value)) Change();
}

void TZYLBevel::SetBevelWidthOuter(uint8_t Value) {
  if (ZYLStoreValue(FWidthOuter, Value)) Change();
}

void TZYLBevel::SetBorderSides(TZYLFrameSides Value) {
  if (ZYLStoreValue(FBorderSides, Value)) Change();
}

void TZYLBevel::SetBorderWidth(uint8_t Value) {
  if (ZYLStoreValue(FBorderWidth, Value)) Change();
}

void TZYLBevel::SetBorderSpace(uint8_t Value) {
  if (ZYLStoreValue(FBorderInnerWidth, Value)) Change();
}

void TZYLBevel::SetEdgeStyle(TZYLEdgeStyle Value) {
  if (ZYLStoreValue(FEdgeStyle, Value)) Change();
}

void TZYLBevel::SetMode(TZYLBevelMode Value) {
  if (ZYLStoreValue(FMode, Value)) Change();
}

void TZYLBevel::SetDefaultMode(TZYLBevelMode Value) {
  FDefaultMode = Value;
  SetMode(Value);
}

void TZYLBevel::SetStyle(TZYLBorderStyle Value) {
  if (!ZYLStoreValue(FStandardStyle, Value)) return;
  if (FMode == bmStandard || FMode == bmWindows) Change();
  else FExtent = ComputeExtent();
}

}  // namespace zyl
