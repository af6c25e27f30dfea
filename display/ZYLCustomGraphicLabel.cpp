#include "display/ZYLCustomGraphicLabel.h"

#include <algorithm>
#include <memory>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLObject.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TRect;

ZYL_MESSAGE_MAP(TZYLCustomGraphicLabel) {
  m.On(vcl::CM_FONTCHANGED, &TZYLCustomGraphicLabel::CMFontChanged)
      .On(vcl::CM_TEXTCHANGED, &TZYLCustomGraphicLabel::CMTextChanged);
}

ZYL_CLASS_IMPL(TZYLCustomGraphicLabel) {}

TZYLCustomGraphicLabel::TZYLCustomGraphicLabel(vcl::TComponent* AOwner) : inherited(AOwner) {
  vcl::TControlStyle s = ControlStyle();
  s.Include(vcl::csReplicatable);
  SetControlStyle(s);
  DisableTransMode();
  FFontFX.reset(new TZYLFxCaption(), vcl::TNotifyEvent(this, &TZYLCustomGraphicLabel::GetChange));
  FFillObject.reset(new TZYLFillObject(),
                    vcl::TNotifyEvent(this, &TZYLCustomGraphicLabel::GetChange));
  // The font changes while the painting flag keeps them from asking for a repaint.
  FDrawing = true;
  Font()->SetName("Arial");
  Font()->SetSize(24);
  FDrawing = false;
}

TZYLCustomGraphicLabel::~TZYLCustomGraphicLabel() {
  FFontFX.reset();
  FFillObject.reset();
}

void TZYLCustomGraphicLabel::Assign(vcl::TPersistent* Source) {
  auto* src = dynamic_cast<TZYLCustomGraphicLabel*>(Source);
  if (!src) {
    inherited::Assign(Source);
    return;
  }
  if (src == this) return;
  FAutoSize = false;
  FFontFX->Assign(src->FFontFX);
  Font()->Assign(src->Font());
  FFillObject->Assign(src->FFillObject);
  FAttributes = src->FAttributes;
  FPerspective = src->FPerspective;
  FTransform = src->FTransform;
  FPerspectiveDepth = src->FPerspectiveDepth;
  FToggle = src->FToggle;
  FFactor = src->FFactor;
  FAutoSize = src->FAutoSize;
  GetChange(nullptr);
}

void TZYLCustomGraphicLabel::SetInteger(int Index, int32_t Value) {
  switch (Index) {
    case ipFactor:
      if (ZYLStoreValue(FFactor, Value)) GetChange(nullptr);
      break;
    case ipPerspectiveDepth:
      if (ZYLStoreValue(FPerspectiveDepth, Value) &&
          FAttributes.contains(ZYLGrlf::taPerspective))
        GetChange(nullptr);
      break;
    default:
      break;
  }
}

void TZYLCustomGraphicLabel::SetBoolean(int Index, bool Value) {
  bool changed = false;
  if (Index == bpAutoSize)
    changed = ZYLStoreValue(FAutoSize, Value);
  else if (Index == bpInvertCaption)
    changed = ZYLStoreValue(FInvertCaption, Value);
  if (changed) GetChange(nullptr);
}

void TZYLCustomGraphicLabel::SetTransform(TZYLTransLabelTypes Value) {
  if (ZYLStoreValue(FTransform, Value)) GetChange(nullptr);
}

void TZYLCustomGraphicLabel::SetTransAttr(TZYLTransLabelAttr Value) {
  if (ZYLStoreValue(FAttributes, Value)) GetChange(nullptr);
}

void TZYLCustomGraphicLabel::SetPerspective(TZYLPerspective Value) {
  if (ZYLStoreValue(FPerspective, Value)) GetChange(nullptr);
}

void TZYLCustomGraphicLabel::SetBrushBack(vcl::TColor Value) {
  if (ZYLStoreValue(FBrushBackColor, Value)) GetChange(nullptr);
}

void TZYLCustomGraphicLabel::SetToggle(TZYLToggle Value) {
  Value = std::clamp(Value, ZYLToggleMin, ZYLToggleMax);
  if (ZYLStoreValue(FToggle, Value) && FAttributes.contains(ZYLGrlf::taToggled))
    GetChange(nullptr);
}

void TZYLCustomGraphicLabel::SetFontFX(TZYLFxCaption* Value) {
  if (Value) FFontFX->Assign(Value);
}

void TZYLCustomGraphicLabel::SetFillObject(TZYLFillObject* Value) {
  if (Value) FFillObject->Assign(Value);
}

std::string TZYLCustomGraphicLabel::GetLabelText() { return Caption(); }

win::HPALETTE TZYLCustomGraphicLabel::GetPalette() { return FFillObject->GetPalette(); }

void TZYLCustomGraphicLabel::GetChange(vcl::TObject* /*Sender*/) {
  if (ComponentState().contains(vcl::csLoading) || !Parent() || FDrawing) return;
  if (FAutoSize) {
    // Measured on a memory canvas: the result only depends on the font and the layout.
    vcl::TBitmap probe;
    probe.SetSize(1, 1);
    TRect r;
    CalcSize(probe.Canvas(), r, Font(), FFontFX, GetLabelText(), FTransform, FToggle, FFactor,
             FInvertCaption, FPerspective, FPerspectiveDepth, FAttributes);
    SetBounds(Left(), Top(), r.Right + DblBevelExt(), r.Bottom + DblBevelExt());
  }
  InvalidateControl();
}

void TZYLCustomGraphicLabel::GetIMLChange(vcl::TObject* Sender) {
  // Quietly: the inherited step repaints once.
  if (FFillObject) FFillObject->TakeListItem(FImageList, FListIndex, FImageIndex);
  if (!ComponentState().contains(vcl::csLoading)) inherited::GetIMLChange(Sender);
}

void TZYLCustomGraphicLabel::Loaded() {
  inherited::Loaded();
  // The size a stream gave may predate a font or caption change of the running system.
  if (FAutoSize) GetChange(nullptr);
}

void TZYLCustomGraphicLabel::CMFontChanged(vcl::TMessage& Message) {
  // The change handler repaints (and measures again); the inherited invalidation would paint
  // a second time, so it only runs when the handler does nothing.
  if (ComponentState().contains(vcl::csLoading) || !Parent() || FDrawing) {
    ZYL_INHERITED(Message);
    return;
  }
  GetChange(Font());
}

void TZYLCustomGraphicLabel::CMTextChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  GetChange(nullptr);
}

void TZYLCustomGraphicLabel::Paint() {
  if (ComponentState().contains(vcl::csLoading) || FDrawing) return;
  FDrawing = true;
  struct TReset {
    bool& flag;
    ~TReset() { flag = false; }
  } reset{FDrawing};

  const std::string text = GetLabelText();
  if (text.empty()) inherited::Paint();
  vcl::TCanvas* c = Canvas();
  if (!Transparent()) FillControl();
  const bool bevelTransparent = FBevel->BorderColor() == Color() || Transparent();
  TRect target = FBevel->PaintBevel(c, ClientRect(), bevelTransparent);

  if (FFillObject->GetEmpty()) {
    c->SetFont(Font());
    SpecialTextOut(c, target, Font(), FFontFX, text, FTransform, FToggle, FFactor,
                   FInvertCaption, FPerspective, FPerspectiveDepth, FAttributes);
    return;
  }
  const int w = target.Right - target.Left, h = target.Bottom - target.Top;
  if (w <= 0 || h <= 0) return;
  const TRect local{0, 0, w, h};
  auto textBmp = std::make_unique<vcl::TBitmap>();
  textBmp->SetPixelFormat(vcl::pf24bit);
  textBmp->SetSize(w, h);
  vcl::TCanvas* tc = textBmp->Canvas();
  tc->Brush()->SetStyle(vcl::bsSolid);
  tc->Brush()->SetColor(FBrushBackColor);
  tc->FillRect(local);
  TRect textRect = local;
  SpecialTextOut(tc, textRect, Font(), FFontFX, text, FTransform, FToggle, FFactor,
                 FInvertCaption, FPerspective, FPerspectiveDepth, FAttributes);

  auto fillBmp = std::make_unique<vcl::TBitmap>();
  fillBmp->SetPixelFormat(vcl::pf24bit);
  fillBmp->SetSize(w, h);
  FFillObject->FillCanvas(fillBmp->Canvas(), local,
                          FFillObject->Style() == sfBrush ? FBrushBackColor : Font()->Color());
  ZYLMaskBmpDraw(c, target, textBmp.get(), fillBmp.get(), Font()->Color(), FBrushBackColor);
}

}  // namespace zyl
