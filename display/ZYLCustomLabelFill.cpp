#include "display/ZYLCustomLabelFill.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLCustomLabelFill) {
  m.On(vcl::CM_ENABLEDCHANGED, &TZYLCustomLabelFill::CMEnabledChanged);
}

ZYL_CLASS_IMPL(TZYLCustomLabelFill) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomLabelFill;
  b.Declare("BrushBackColor", &C::BrushBackColor, &C::SetBrushBack, vcl::ColorTypeInfo())
      .Default(vcl::clBtnFace)
      .Declare("FillObject", &C::FillObject, &C::SetFillObject);
}

TZYLCustomLabelFill::TZYLCustomLabelFill(vcl::TComponent* AOwner) : inherited(AOwner) {
  FFillObject.reset(new TZYLFillObject(), vcl::TNotifyEvent(this, &TZYLCustomLabelFill::GetChange));
  // The font changes while the painting flag keeps them from asking for a repaint.
  FDrawing = true;
  Font()->SetName("Arial");
  Font()->SetSize(28);
  FDrawing = false;
}

TZYLCustomLabelFill::~TZYLCustomLabelFill() { FFillObject.reset(); }

void TZYLCustomLabelFill::SetBrushBack(vcl::TColor Value) {
  if (ZYLStoreValue(FBrushBackColor, Value)) GetChange(nullptr);
}

void TZYLCustomLabelFill::SetFillObject(TZYLFillObject* Value) {
  if (Value) FFillObject->Assign(Value);
}

void TZYLCustomLabelFill::GetChange(vcl::TObject* Sender) {
  if (ComponentState().contains(vcl::csLoading)) return;
  inherited::GetChange(Sender);
}

void TZYLCustomLabelFill::GetIMLChange(vcl::TObject* Sender) {
  // Quietly: the inherited step repaints once.
  if (FFillObject)
    FFillObject->TakeListItem(IMLEmpty() ? nullptr : FImageList, FListIndex, FImageIndex);
  if (!ComponentState().contains(vcl::csLoading) && !FDrawing) inherited::GetIMLChange(Sender);
}

void TZYLCustomLabelFill::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  const bool listGoes = Operation == vcl::opRemove && AComponent && FImageList &&
                        AComponent == static_cast<vcl::TComponent*>(FImageList);
  inherited::Notification(AComponent, Operation);
  // The base only forgets the list; the picture copied from it goes with it (a label that is
  // itself being freed has nothing left to show).
  if (listGoes && !FImageList && !ComponentState().contains(vcl::csDestroying))
    GetIMLChange(nullptr);
}

void TZYLCustomLabelFill::CMEnabledChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  InvalidateControl();
}

void TZYLCustomLabelFill::Paint() {
  if (FDrawing || ComponentState().contains(vcl::csLoading)) return;
  if (FFillObject->GetEmpty() || !Enabled()) {
    inherited::Paint();
    return;
  }
  PaintLabelText([this](vcl::TCanvas* c, const std::string& text) {
    const bool bevelTransparent = FBevel->BorderColor() == Color() || Transparent();
    const vcl::TRect target = FBevel->PaintBevel(c, ClientRect(), bevelTransparent);
    const int w = target.Right - target.Left, h = target.Bottom - target.Top;
    if (w <= 0 || h <= 0) return;

    vcl::TBitmap textBmp;
    ZYLBmpCreateFromRect(&textBmp, target, FBrushBackColor);
    textBmp.SetPixelFormat(vcl::pf24bit);
    vcl::TRect r{0, 0, w, h};
    uint32_t flags = GetOptionsFlag() | DrawTextBiDiModeFlags(0);
    AlignLabelText(text, r, flags);
    flags = TextFlags(flags & ~GetOptionsFlag());
    vcl::TCanvas* tc = textBmp.Canvas();
    tc->Brush()->SetColor(Color());
    tc->SetFont(Font());
    ZYLDrawTextExt(tc, text, FFontFX, r, static_cast<int32_t>(flags),
                   TZYLDrawTextStyles{dtEnabled});

    vcl::TBitmap fillBmp;
    fillBmp.SetSize(w, h);
    fillBmp.SetPixelFormat(vcl::pf24bit);
    const vcl::TColor fillBack =
        FFillObject->Style() == sfBrush ? FBrushBackColor : Font()->Color();
    FFillObject->FillCanvas(fillBmp.Canvas(), vcl::TRect{0, 0, w, h}, fillBack);
    ZYLMaskBmpDraw(c, target, &textBmp, &fillBmp, Font()->Color(), FBrushBackColor);
  });
}

}  // namespace zyl
