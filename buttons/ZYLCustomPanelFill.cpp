#include "buttons/ZYLCustomPanelFill.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLCustomPanelFill) {
  using C = TZYLCustomPanelFill;
  b.Declare("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(agCenter)
      .Declare("FillObject", &C::FillObject, &C::SetFillObject)
      .Declare("FontFX", &C::FontFX, &C::SetFontFX);
}

TZYLCustomPanelFill::TZYLCustomPanelFill(vcl::TComponent* AOwner) : inherited(AOwner) {
  vcl::TControlStyle s = ControlStyle();
  s.Include(vcl::csSetCaption);
  SetControlStyle(s);
  FFillObject.reset(new TZYLFillObject(), vcl::TNotifyEvent(this, &TZYLCustomPanelFill::GetChange));
  FFontFX.reset(new TZYLFxCaption(), vcl::TNotifyEvent(this, &TZYLCustomPanelFill::GetChange));
}

TZYLCustomPanelFill::~TZYLCustomPanelFill() {
  FFillObject.reset();
  FFontFX.reset();
}

void TZYLCustomPanelFill::Assign(vcl::TPersistent* Source) {
  inherited::Assign(Source);
  if (auto* src = dynamic_cast<TZYLCustomPanelFill*>(Source)) {
    FFillObject->Assign(src->FFillObject);
    FFontFX->Assign(src->FFontFX);
    SetAlignment(src->FAlignment);
  }
}

void TZYLCustomPanelFill::SetFillObject(TZYLFillObject* Value) {
  if (Value) FFillObject->Assign(Value);
}

void TZYLCustomPanelFill::SetFontFX(TZYLFxCaption* Value) {
  if (Value) FFontFX->Assign(Value);
}

void TZYLCustomPanelFill::SetAlignment(TZYLAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

TZYLFillObject* TZYLCustomPanelFill::GetFillObject() {
  if (TZYLFillObject* face = inherited::GetFillObject()) return face;
  return FFillObject.get();
}

bool TZYLCustomPanelFill::GetEmpty() {
  return FFillObject->GetEmpty() && FBevel->GetBevelExtend() == 0 && GetLabelText().empty();
}

std::string TZYLCustomPanelFill::GetLabelText() { return Caption(); }

void TZYLCustomPanelFill::GetChange(vcl::TObject* Sender) {
  if (IsUpdating()) return;
  if (Sender && Sender == FFontFX) {
    vcl::TCanvas* c = Canvas();
    c->SetFont(Font());
    // A turned caption needs a TrueType face; a form file holds the font as it was written.
    if (FFontFX->Angle() != 0 && !ComponentState().contains(vcl::csLoading) &&
        !ZYLIsTrueTypeFontCheck(c))
      Font()->SetName("Arial");
    BackUpdate();
    Invalidate();
    return;
  }
  const vcl::TComponentState st = ComponentState();
  if (st.contains(vcl::csLoading) || st.contains(vcl::csReading) || st.contains(vcl::csDestroying))
    return;
  DropBack();
  if (Sender && Sender == FBevel) {
    Perform(CM_ZYLBEVELCHANGED, 0, 0);
    vcl::TMessage msg{};
    msg.Msg = vcl::CM_COLORCHANGED;
    Broadcast(msg);
    Realign();
  }
  if (Sender && (Sender == FFillObject || Sender == FBackFX)) BackUpdate();
  Invalidate();
}

void TZYLCustomPanelFill::GetIMLChange(vcl::TObject* Sender) {
  if (FFillObject) FFillObject->TakeListItem(FImageList, FListIndex, FImageIndex);
  DropBack();
  BackUpdate();
  inherited::GetIMLChange(Sender);
}

void TZYLCustomPanelFill::Loaded() {
  inherited::Loaded();
  BackUpdate();
}

void TZYLCustomPanelFill::Paint() {
  if (ComponentState().contains(vcl::csLoading)) return;
  TZYLCustomPanel::Paint();
  vcl::TCanvas* c = Canvas();
  if (GetEmpty()) {
    if (ComponentState().contains(vcl::csDesigning)) {
      c->Pen()->SetStyle(vcl::psDash);
      c->Pen()->SetColor(vcl::clBlack);
      c->Brush()->SetStyle(vcl::bsClear);
      c->Rectangle(ClientRect());
      c->Pen()->SetStyle(vcl::psSolid);
    }
    return;
  }
  PaintBorder(c);
  DrawCaption(BeveledRect(), FAlignment);
}

void TZYLCustomPanelFill::DrawCaption(const TRect& Rect, TZYLAlignment Alignment) {
  const std::string text = GetLabelText();
  if (text.empty()) return;
  vcl::TCanvas* c = Canvas();
  c->SetFont(Font());
  c->Font()->SetColor(GetFaceFontColor());
  c->Brush()->SetStyle(vcl::bsClear);
  int32_t flags = static_cast<int32_t>(DrawTextBiDiModeFlags(ZYLAlignmentFlags(Alignment)));
  TRect r = Rect;
  if (FFontFX->Angle() > 0 && Alignment != agTopLeft)
    r = ZYLAlignTextRect(Alignment, text, FFontFX, Rect, Font(), false, true, flags);
  flags |= win::DT_SINGLELINE | win::DT_EXPANDTABS;
  ZYLDrawTextExt(c, text, FFontFX, r, flags,
                 TZYLDrawTextStyles{Enabled() ? dtEnabled : dtDisabled, dtClip});
}

}  // namespace zyl
