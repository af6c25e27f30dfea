// TCustomLabel and TLabel: text on the parent's surface.
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlPaint.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/StdCtrlsInternal.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;
using namespace stdctrls_internal;

// ---------------------------------------------------------------------------------------------
// TCustomLabel

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  controlStyle_ += TControlStyle{csOpaque, csReplicatable};
  width_ = 65;
  height_ = 17;
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (showAccelChar_ == Value) return;
  showAccelChar_ = Value;
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Transparent() == Value) return;
  if (Value)
    controlStyle_ -= csOpaque;
  else
    controlStyle_ += csOpaque;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  focusControl_ = Value;
  if (Value) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::DoDrawText(TRect& Rect, uint32_t Flags) {
  std::string text = text_;
  if ((Flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
  if (!showAccelChar_) Flags |= DT_NOPREFIX;
  canvas_->Font()->Assign(font_);
  if (!(Flags & DT_CALCRECT)) {
    DrawCaption(canvas_, text, Rect, Flags, enabled_);
    return;
  }
  canvas_->RequiredState({csHandleValid, csFontValid});
  DrawTextA(canvas_->Handle(), text.c_str(), static_cast<int>(text.size()), &Rect, Flags);
}

void TCustomLabel::Paint() {
  static const uint32_t alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  if (!Transparent()) {
    canvas_->Brush()->SetColor(color_);
    canvas_->Brush()->SetStyle(bsSolid);
    canvas_->FillRect(GetClientRect());
  }
  canvas_->Brush()->SetStyle(bsClear);
  TRect r = GetClientRect();
  uint32_t flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | alignments[alignment_];
  if (layout_ != tlTop) {
    TRect calc = r;
    DoDrawText(calc, flags | DT_CALCRECT);
    if (layout_ == tlBottom)
      OffsetRect(&r, 0, height_ - calc.Bottom);
    else
      OffsetRect(&r, 0, (height_ - calc.Bottom) / 2);
  }
  DoDrawText(r, flags);
}

void TCustomLabel::AdjustBounds() {
  if (ComponentState().contains(csReading) || ComponentState().contains(csLoading) || !autoSize_)
    return;
  std::string text = text_;
  if (text.empty() || (showAccelChar_ && text == "&")) text += ' ';
  const TRect r = MeasureCaption(
      font_, text, GetClientRect(),
      DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | (showAccelChar_ ? 0 : DT_NOPREFIX));
  int x = left_;
  if (alignment_ == taRightJustify) x += width_ - r.Right;
  SetBounds(x, top_, r.Right, r.Bottom);
}

void TCustomLabel::CMTextChanged(TMessage&) {
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  AdjustBounds();
}

void TCustomLabel::CMDialogChar(TCMDialogChar& Message) {
  if (focusControl_ && enabled_ && showAccelChar_ && IsAccel(Message.CharCode(), text_) &&
      focusControl_->CanFocus()) {
    focusControl_->SetFocus();
    Message.Result = 1;
  }
}

ZYL_MESSAGE_MAP(TCustomLabel) {
  m.On(CM_TEXTCHANGED, &TCustomLabel::CMTextChanged)
      .On(CM_FONTCHANGED, &TCustomLabel::CMFontChanged)
      .On(CM_DIALOGCHAR, &TCustomLabel::CMDialogChar);
}
ZYL_CLASS_IMPL(TCustomLabel) {
  b.IgnoresInsertNotification();
  using C = TCustomLabel;
  b.Declare("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(taLeftJustify)
      .Declare("AutoSize", &C::AutoSize, &C::SetAutoSize)
      .Default(true)
      .Declare("FocusControl", &C::FocusControl, &C::SetFocusControl)
      .Declare("Layout", &C::Layout, &C::SetLayout)
      .Default(tlTop)
      .Declare("ShowAccelChar", &C::ShowAccelChar, &C::SetShowAccelChar)
      .Default(true)
      .Declare("Transparent", &C::Transparent, &C::SetTransparent)
      .Default(false)
      .Declare("WordWrap", &C::WordWrap, &C::SetWordWrap)
      .Default(false);
}

ZYL_CLASS_IMPL(TLabel) {
  b.Publish({"Align", "Alignment", "Anchors", "AutoSize", "BiDiMode", "Caption"})
      .Publish("Color")
      .NoDefault()
      .Publish({"Constraints",    "DragCursor",  "DragKind",       "DragMode",    "Enabled",
                "FocusControl",   "Font",        "ParentBiDiMode", "ParentColor", "ParentFont",
                "ParentShowHint", "PopupMenu",   "ShowAccelChar",  "ShowHint",    "Transparent",
                "Layout",         "Visible",     "WordWrap",       "OnClick",     "OnContextPopup",
                "OnDblClick",     "OnDragDrop",  "OnDragOver",     "OnEndDock",   "OnEndDrag",
                "OnMouseDown",    "OnMouseMove", "OnMouseUp",      "OnStartDock", "OnStartDrag"});
}

namespace {
const controls_internal::TStandardClasses registered{&TLabel::StaticClass};
}  // namespace

}  // namespace vcl
