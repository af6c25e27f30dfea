// TCustomStaticText and TStaticText: a windowed label.
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlPaint.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/StdCtrlsInternal.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;
using namespace stdctrls_internal;

// ---------------------------------------------------------------------------------------------
// TCustomStaticText

TCustomStaticText::TCustomStaticText(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csCaptureMouse, csClickEvents,  csSetCaption,
                   csOpaque,       csReplicatable, csDoubleClicks};
  width_ = 65;
  height_ = 17;
}

void TCustomStaticText::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (borderStyle_ == sbsSingle)
    Params.Style |= WS_BORDER;
  else if (borderStyle_ == sbsSunken)
    Params.ExStyle |= WS_EX_STATICEDGE;
}

void TCustomStaticText::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TCustomStaticText::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  AdjustBounds();
}

void TCustomStaticText::SetBorderStyle(TStaticBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWnd();
  AdjustBounds();
}

void TCustomStaticText::SetFocusControl(TWinControl* Value) {
  focusControl_ = Value;
  if (Value) Value->FreeNotification(this);
}

void TCustomStaticText::SetShowAccelChar(bool Value) {
  if (showAccelChar_ == Value) return;
  showAccelChar_ = Value;
  Invalidate();
  AdjustBounds();
}

void TCustomStaticText::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TCustomStaticText::Loaded() {
  TCustomControl::Loaded();
  AdjustBounds();
}

void TCustomStaticText::AdjustBounds() {
  if (!autoSize_ || ComponentState().contains(csLoading) || ComponentState().contains(csReading))
    return;
  const TRect r = MeasureCaption(font_, text_.empty() ? " " : text_, TRect{},
                                 DT_SINGLELINE | (showAccelChar_ ? 0 : DT_NOPREFIX));
  const int border = borderStyle_ == sbsNone ? 0 : 2;
  SetBounds(left_, top_, r.Right + border, r.Bottom + border);
}

void TCustomStaticText::Paint() {
  static const uint32_t alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  TRect r = GetClientRect();
  canvas_->Brush()->SetColor(color_);
  canvas_->Brush()->SetStyle(bsSolid);
  canvas_->FillRect(r);
  canvas_->Font()->Assign(font_);
  const uint32_t flags =
      DT_SINGLELINE | alignments[alignment_] | (showAccelChar_ ? 0 : DT_NOPREFIX);
  DrawCaption(canvas_, text_, r, flags, enabled_);
}

void TCustomStaticText::CMTextChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
  AdjustBounds();
}

void TCustomStaticText::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  AdjustBounds();
}

void TCustomStaticText::CMDialogChar(TCMDialogChar& Message) {
  if (focusControl_ && enabled_ && showAccelChar_ && IsAccel(Message.CharCode(), text_) &&
      focusControl_->CanFocus()) {
    focusControl_->SetFocus();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

ZYL_MESSAGE_MAP(TCustomStaticText) {
  m.On(CM_TEXTCHANGED, &TCustomStaticText::CMTextChanged)
      .On(CM_FONTCHANGED, &TCustomStaticText::CMFontChanged)
      .On(CM_DIALOGCHAR, &TCustomStaticText::CMDialogChar);
}
ZYL_CLASS_IMPL(TCustomStaticText) {
  using C = TCustomStaticText;
  b.Declare("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(taLeftJustify)
      .Declare("AutoSize", &C::AutoSize, &C::SetAutoSize)
      .Default(true)
      .Declare("BorderStyle", &C::BorderStyle, &C::SetBorderStyle)
      .Default(sbsNone)
      .Declare("FocusControl", &C::FocusControl, &C::SetFocusControl)
      .Declare("ShowAccelChar", &C::ShowAccelChar, &C::SetShowAccelChar)
      .Default(true);
}

ZYL_CLASS_IMPL(TStaticText) {
  b.Publish({"Align",          "Alignment",      "Anchors",     "AutoSize",       "BiDiMode",
             "BorderStyle",    "Caption",        "Color",       "Constraints",    "DragCursor",
             "DragKind",       "DragMode",       "Enabled",     "FocusControl",   "Font",
             "ParentBiDiMode", "ParentColor",    "ParentFont",  "ParentShowHint", "PopupMenu",
             "ShowAccelChar",  "ShowHint",       "TabOrder",    "TabStop",        "Visible",
             "OnClick",        "OnContextPopup", "OnDblClick",  "OnDragDrop",     "OnDragOver",
             "OnEndDock",      "OnEndDrag",      "OnEnter",     "OnExit",         "OnKeyDown",
             "OnKeyPress",     "OnKeyUp",        "OnMouseDown", "OnMouseMove",    "OnMouseUp",
             "OnStartDock",    "OnStartDrag"});
}

namespace {
const controls_internal::TStandardClasses registered{&TStaticText::StaticClass};
}  // namespace

}  // namespace vcl
