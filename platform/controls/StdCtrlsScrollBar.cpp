// TScrollBar: the framework's scroll bar control on the window system's SCROLLBAR class.
#include <algorithm>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Consts.h"

namespace vcl {

using namespace win;

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  width_ = 121;
  height_ = GetSystemMetrics(SM_CYHSCROLL);
  tabStop_ = true;
  controlStyle_ = {csFramed, csDoubleClicks, csOpaque};
}

void TScrollBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  WNDCLASSA system;
  if (!GetClassInfoA(nullptr, "ScrollBar", &system)) throw EOutOfResources(SNoScrollBarClass);
  Params.WindowClass.lpfnWndProc = system.lpfnWndProc;
  Params.WindowClass.style = system.style & ~(CS_OWNDC | CS_CLASSDC | CS_PARENTDC);
  Params.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateBar();
}

// Hands range, page and position to the window.
void TScrollBar::UpdateBar() {
  if (!HandleAllocated()) return;
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = min_;
  si.nMax = max_;
  si.nPage = static_cast<UINT>(pageSize_);
  si.nPos = position_;
  SetScrollInfo(Handle(), SB_CTL, &si, TRUE);
}

int32_t TScrollBar::LastPosition() const {
  return pageSize_ > 0 ? std::max(min_, ClampToInt(int64_t{max_} - pageSize_ + 1)) : max_;
}

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (kind_ == Value) return;
  kind_ = Value;
  // A bar turned round at design or run time swaps its width and height (not while a form
  // file is read, which gives both).
  if (!ComponentState().contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::SetParams(int32_t APosition, int32_t AMin, int32_t AMax) {
  if (AMax < AMin || static_cast<int64_t>(AMax) - AMin + 1 < pageSize_)
    throw EInvalidOperation(SScrollBarRange);
  APosition = std::clamp(APosition, AMin, AMax);
  const bool changed = APosition != position_;
  if (min_ == AMin && max_ == AMax && !changed) return;
  min_ = AMin;
  max_ = AMax;
  position_ = APosition;
  UpdateBar();
  if (changed) Change();
}

void TScrollBar::SetPageSize(int32_t Value) {
  if (Value == pageSize_) return;
  if (Value < 0 || static_cast<int64_t>(Value) > static_cast<int64_t>(max_) - min_ + 1)
    throw EInvalidOperation(SScrollBarRange);
  pageSize_ = Value;
  UpdateBar();
}

void TScrollBar::SetSmallChange(int32_t Value) {
  if (Value < 1 || Value > 32767) throw EInvalidOperation(SScrollBarRange);
  smallChange_ = Value;
}

void TScrollBar::SetLargeChange(int32_t Value) {
  if (Value < 1 || Value > 32767) throw EInvalidOperation(SScrollBarRange);
  largeChange_ = Value;
}

void TScrollBar::Change() {
  if (onChange_) onChange_(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
  if (onScroll_) onScroll_(this, ScrollCode, ScrollPos);
}

// The user scrolled: the new position from the code, kept to the positions the bar can show,
// offered to OnScroll, then taken.
void TScrollBar::DoScroll(TMessage& Message) {
  const WORD code = Message.WParamLo();
  if (code > scEndScroll) return;
  int64_t pos = position_;
  switch (static_cast<TScrollCode>(code)) {
    case scLineUp: pos -= smallChange_; break;
    case scLineDown: pos += smallChange_; break;
    case scPageUp: pos -= largeChange_; break;
    case scPageDown: pos += largeChange_; break;
    case scPosition:
    case scTrack: {
      // The 16 bits of the message are not enough for wide ranges: the bar knows the position.
      SCROLLINFO si;
      si.fMask = SIF_TRACKPOS;
      pos = GetScrollInfo(Handle(), SB_CTL, &si) ? si.nTrackPos
                                                 : static_cast<int16_t>(Message.WParamHi());
      break;
    }
    case scTop: pos = min_; break;
    case scBottom: pos = max_; break;
    case scEndScroll: break;
  }
  int scrollPos = static_cast<int>(std::clamp<int64_t>(pos, min_, LastPosition()));
  Scroll(static_cast<TScrollCode>(code), scrollPos);
  SetPosition(std::clamp(scrollPos, min_, max_));
}

void TScrollBar::CNHScroll(TMessage& Message) { DoScroll(Message); }
void TScrollBar::CNVScroll(TMessage& Message) { DoScroll(Message); }

ZYL_MESSAGE_MAP(TScrollBar) {
  m.On(CN_HSCROLL, &TScrollBar::CNHScroll).On(CN_VSCROLL, &TScrollBar::CNVScroll);
}

ZYL_CLASS_IMPL(TScrollBar) {
  b.Publish({"Align", "Anchors", "BiDiMode", "Constraints", "Ctl3D", "DragCursor", "DragKind",
             "DragMode", "Enabled"})
      .Prop("Kind", &TScrollBar::Kind, &TScrollBar::SetKind)
      .Default(sbHorizontal)
      .Prop("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange)
      .Default(1)
      .Prop("Max", &TScrollBar::Max, &TScrollBar::SetMax)
      .Default(100)
      .Prop("Min", &TScrollBar::Min, &TScrollBar::SetMin)
      .Default(0)
      .Prop("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)
      .Default(0)
      .Publish({"ParentBiDiMode", "ParentCtl3D", "ParentShowHint", "PopupMenu"})
      .Prop("Position", &TScrollBar::Position, &TScrollBar::SetPosition)
      .Default(0)
      .Publish("ShowHint")
      .Prop("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange)
      .Default(1)
      .Publish("TabOrder")
      .Publish("TabStop")
      .Default(true)
      .Publish("Visible")
      .Prop("OnChange", &TScrollBar::GetOnChange, &TScrollBar::SetOnChange)
      .Publish({"OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit",
                "OnKeyDown", "OnKeyPress", "OnKeyUp"})
      .Prop("OnScroll", &TScrollBar::GetOnScroll, &TScrollBar::SetOnScroll)
      .Publish({"OnStartDock", "OnStartDrag"});
}

namespace {
const controls_internal::TStandardClasses registered{&TScrollBar::StaticClass};
}  // namespace

}  // namespace vcl
