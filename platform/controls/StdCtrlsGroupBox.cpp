// TCustomGroupBox and TGroupBox: a framed, captioned container.
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
// TCustomGroupBox

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents,
                   csSetCaption,      csDoubleClicks, csReplicatable};
  width_ = 185;
  height_ = 105;
}

void TCustomGroupBox::AdjustClientRect(TRect& Rect) {
  TCustomControl::AdjustClientRect(Rect);
  Rect.Top += FontHeight(font_);
  InflateRect(&Rect, -1, -1);
  if (ctl3D_) InflateRect(&Rect, -1, -1);
}

void TCustomGroupBox::Paint() {
  TCanvas* c = canvas_;
  c->Font()->Assign(font_);
  const int h = FontHeight(font_);
  c->Brush()->SetColor(color_);
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(GetClientRect());
  TRect r{0, h / 2 - 1, width_, height_};
  if (ctl3D_) {
    // An etched frame: a light line with a dark one above and left of it.
    r.Left += 1;
    r.Top += 1;
    c->Brush()->SetColor(clBtnHighlight);
    c->FrameRect(r);
    OffsetRect(&r, -1, -1);
    c->Brush()->SetColor(clBtnShadow);
  } else {
    c->Brush()->SetColor(clWindowFrame);
  }
  c->FrameRect(r);
  if (!text_.empty()) {
    c->RequiredState({csHandleValid, csFontValid});
    RECT calc{0, 0, 0, 0};
    DrawTextA(c->Handle(), text_.c_str(), static_cast<int>(text_.size()), &calc,
              DT_SINGLELINE | DT_CALCRECT);
    TRect t{8, 0, 8 + calc.Right - calc.Left, h};
    c->Brush()->SetColor(color_);
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(t);
    DrawCaption(c, text_, t, DT_SINGLELINE | DT_LEFT, enabled_);
  }
}

void TCustomGroupBox::CMTextChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
  Realign();
}

void TCustomGroupBox::CMDialogChar(TCMDialogChar& Message) {
  if (IsAccel(Message.CharCode(), text_) && CanFocus()) {
    // The accelerator moves the focus to the first tab stop inside, in tab order, that takes it.
    if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

ZYL_MESSAGE_MAP(TCustomGroupBox) {
  m.On(CM_TEXTCHANGED, &TCustomGroupBox::CMTextChanged)
      .On(CM_DIALOGCHAR, &TCustomGroupBox::CMDialogChar);
}
ZYL_CLASS_IMPL(TCustomGroupBox) {}

ZYL_CLASS_IMPL(TGroupBox) {
  b.Publish({"Align",       "Anchors",        "BiDiMode",       "Caption",        "Color",
             "Constraints", "Ctl3D",          "DragCursor",     "DragKind",       "DragMode",
             "Enabled",     "Font",           "ParentBiDiMode", "ParentColor",    "ParentCtl3D",
             "ParentFont",  "ParentShowHint", "PopupMenu",      "ShowHint",       "TabOrder",
             "TabStop",     "Visible",        "OnClick",        "OnContextPopup", "OnDblClick",
             "OnDragDrop",  "OnDragOver",     "OnEndDock",      "OnEndDrag",      "OnEnter",
             "OnExit",      "OnKeyDown",      "OnKeyPress",     "OnKeyUp",        "OnMouseDown",
             "OnMouseMove", "OnMouseUp",      "OnStartDock",    "OnStartDrag"});
}

namespace {
const controls_internal::TStandardClasses registered{&TGroupBox::StaticClass};
}  // namespace

}  // namespace vcl
