#include "display/ZYLStaticText.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"

namespace zyl {

using vcl::TRect;

ZYL_MESSAGE_MAP(TZYLStaticText) {
  m.On(vcl::CM_DIALOGCHAR, &TZYLStaticText::CMDialogChar)
      .On(vcl::CM_TEXTCHANGED, &TZYLStaticText::CMTextChanged)
      .On(vcl::CM_FONTCHANGED, &TZYLStaticText::CMFontChanged);
}

ZYL_CLASS_IMPL(TZYLStaticText) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLStaticText;
  b.Publish({"About", "Align", "Alignment", "Anchors"})
      .Prop("AutoSize", &C::GetBoolean, &C::SetBoolean)
      .Index(C::bpAutoSize)
      .Default(true)
      .Publish({"BackFX", "Bevel", "BiDiMode", "Caption"})
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Constraints", "Cursor"})
      .Prop("DockSite", &C::DockSite, &C::SetDockSite)
      .Default(false)
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled", "FillObject"})
      .Prop("FocusControl", &C::FocusControl, &C::SetFocusControl)
      .Publish({"Font", "FontFX", "ImageIndex", "ImageList", "ListIndex"})
      .Prop("MultiLine", &C::GetBoolean, &C::SetBoolean)
      .Index(C::bpMultiLine)
      .Default(false)
      .Prop("Options", &C::Options, &C::SetOptions)
      .Publish("ParentBiDiMode")
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu"})
      .Prop("ShowAccelChar", &C::GetBoolean, &C::SetBoolean)
      .Index(C::bpShowAccelChar)
      .Default(true)
      .Publish({"ShowHint", "TabOrder", "TabStop", "Transparent"})
      .Prop("TransparentBorder", &C::TransparentBorder, &C::SetTransparentBorder)
      .Default(false)
      .Prop("UseDockManager", &C::UseDockManager, &C::SetUseDockManager)
      .Default(false)
      .Publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnEnter", "OnExit", "OnMouseDown", "OnMouseEnter", "OnMouseExit",
                "OnMouseMove", "OnMouseUp", "OnResize", "OnStartDock", "OnStartDrag"});
}

TZYLStaticText::TZYLStaticText(vcl::TComponent* AOwner) : inherited(AOwner) {
  vcl::TControlStyle s = ControlStyle();
  s.Exclude(vcl::csAcceptsControls);
  SetControlStyle(s);
  SetBounds(Left(), Top(), 65, 17);
}

bool TZYLStaticText::GetBoolean(int Index) const {
  switch (Index) {
    case bpAutoSize: return FAutoSize;
    case bpMultiLine: return FMultiLine;
    default: return FShowAccelChar;
  }
}

void TZYLStaticText::SetBoolean(int Index, bool Value) {
  bool& field = Index == bpAutoSize    ? FAutoSize
                : Index == bpMultiLine ? FMultiLine
                                       : FShowAccelChar;
  if (field == Value) return;
  field = Value;
  CorrectBounds();
  Invalidate();
}

void TZYLStaticText::SetOptions(TZYLLabelOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  GetChange(nullptr);
}

void TZYLStaticText::SetFocusControl(vcl::TWinControl* Value) {
  if (FFocusControl == Value) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TZYLStaticText::SetTransparentBorder(bool Value) {
  if (FTransparentBorder == Value) return;
  FTransparentBorder = Value;
  Invalidate();
}

void TZYLStaticText::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent &&
      AComponent == static_cast<vcl::TComponent*>(FFocusControl))
    FFocusControl = nullptr;
}

void TZYLStaticText::Loaded() {
  inherited::Loaded();
  CorrectBounds();
}

void TZYLStaticText::GetChange(vcl::TObject* Sender) {
  CorrectBounds();
  inherited::GetChange(Sender);
}

void TZYLStaticText::CorrectBounds() {
  if (!Parent() || !FAutoSize || ComponentState().contains(vcl::csLoading)) return;
  vcl::TCanvas* c = Canvas();
  TRect r = ClientRect();
  // Lines break only at their line breaks: measured without word breaks, as drawn.
  int32_t flags = static_cast<int32_t>(DrawTextBiDiModeFlags(GetOptionsFlag()));
  if (!FMultiLine) flags |= win::DT_SINGLELINE;
  ZYLDrawTextCalcExt(c, GetLabelText(), FFontFX, r, Font(), false, FShowAccelChar,
                     FBevel->GetBevelExtend(), flags);
  SetBounds(Left(), Top(), r.Right, r.Bottom);
}

void TZYLStaticText::CMTextChanged(vcl::TMessage& /*Message*/) {
  CorrectBounds();
  // Also when the size stayed: the new text must show.
  Invalidate();
}

void TZYLStaticText::CMFontChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  // Another font (also one taken from the parent) measures the caption anew.
  CorrectBounds();
}

void TZYLStaticText::CMDialogChar(vcl::TCMDialogChar& Message) {
  if (!FShowAccelChar || !FFocusControl || !Enabled()) return;
  if (vcl::IsAccel(Message.CharCode(), Caption()) && FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    Message.Result = 1;
  }
}

void TZYLStaticText::Paint() {
  if (ComponentState().contains(vcl::csLoading)) return;
  TZYLCustomPanel::Paint();
  vcl::TCanvas* c = Canvas();
  TZYLBevel* bevel = GetFaceBevel() ? GetFaceBevel() : FBevel;
  if (BorderInFront() || GetFaceBevel()) bevel->PaintBevel(c, ClientRect(), FTransparentBorder);
  DrawCaption(BeveledRect(), FAlignment);
}

void TZYLStaticText::DrawCaption(const TRect& Rect, TZYLAlignment Alignment) {
  const std::string text = GetLabelText();
  if (text.empty()) return;
  vcl::TCanvas* c = Canvas();
  c->Brush()->SetStyle(vcl::bsClear);
  c->Brush()->SetColor(Color());
  c->SetFont(Font());
  c->Font()->SetColor(GetFaceFontColor());
  int32_t flags = static_cast<int32_t>(DrawTextBiDiModeFlags(GetOptionsFlag()));
  TRect r = Rect;
  if (FFontFX->Angle() > 0 && Alignment != agTopLeft)
    r = ZYLAlignTextRect(Alignment, text, FFontFX, Rect, Font(), FMultiLine, FShowAccelChar, flags);
  if (!FMultiLine) flags |= win::DT_SINGLELINE;
  if (!FShowAccelChar) flags |= win::DT_NOPREFIX;
  flags |= static_cast<int32_t>(ZYLAlignmentFlags(Alignment)) | win::DT_EXPANDTABS;
  ZYLDrawTextExt(c, text, FFontFX, r, flags,
                 TZYLDrawTextStyles{Enabled() ? dtEnabled : dtDisabled, dtClip});
}

}  // namespace zyl
