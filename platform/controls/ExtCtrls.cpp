#include "platform/controls/ExtCtrls.h"

#include <unordered_map>

#include "platform/classes/TypeInfo.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  Rect.Bottom -= 1;
  Rect.Right -= 1;
  for (int i = 0; i < Width; ++i) {
    Canvas->Pen()->SetColor(TopColor);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    std::vector<TPoint> tl = {{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}};
    Canvas->Polyline(tl);
    Canvas->Pen()->SetColor(BottomColor);
    std::vector<TPoint> br = {{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}};
    Canvas->Polyline(br);
    InflateRect(&Rect, -1, -1);
  }
  Rect.Bottom += 1;
  Rect.Right += 1;
}

// ---------------------------------------------------------------------------------------------
// TCustomPanel

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                   csDoubleClicks, csReplicatable};
  width_ = 185;
  height_ = 41;
  SetColor(clBtnFace);
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (borderStyle_ == bsSingle) {
    if (ctl3D_) Params.ExStyle |= WS_EX_CLIENTEDGE;
    else Params.Style |= WS_BORDER;
  }
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  alignment_ = Value;
  Invalidate();
}
void TCustomPanel::SetBevelInner(TBevelCut Value) {
  bevelInner_ = Value;
  Realign();
  Invalidate();
}
void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  bevelOuter_ = Value;
  Realign();
  Invalidate();
}
void TCustomPanel::SetBevelWidth(int32_t Value) {
  bevelWidth_ = Value;
  Realign();
  Invalidate();
}
void TCustomPanel::SetBorderStyle(TFormBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWnd();
}

void TCustomPanel::AdjustClientRect(TRect& Rect) {
  TCustomControl::AdjustClientRect(Rect);
  int bevel = 0;
  if (bevelOuter_ != bvNone) bevel += bevelWidth_;
  if (bevelInner_ != bvNone) bevel += bevelWidth_;
  InflateRect(&Rect, -bevel, -bevel);
}

void TCustomPanel::Paint() {
  TRect r = GetClientRect();
  auto colors = [](TBevelCut cut, TColor& top, TColor& bottom) {
    top = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    bottom = cut == bvLowered ? clBtnHighlight : clBtnShadow;
  };
  TColor top, bottom;
  if (bevelOuter_ != bvNone) {
    colors(bevelOuter_, top, bottom);
    Frame3D(canvas_, r, top, bottom, bevelWidth_);
  }
  Frame3D(canvas_, r, color_, color_, borderWidth_);
  if (bevelInner_ != bvNone) {
    colors(bevelInner_, top, bottom);
    Frame3D(canvas_, r, top, bottom, bevelWidth_);
  }
  canvas_->Brush()->SetColor(color_);
  canvas_->Brush()->SetStyle(bsSolid);
  canvas_->FillRect(r);
  if (!text_.empty()) {
    static const uint32_t alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    canvas_->Font()->Assign(font_);
    canvas_->Brush()->SetStyle(bsClear);
    canvas_->RequiredState({csHandleValid, csFontValid});
    SetBkMode(canvas_->Handle(), TRANSPARENT);
    SetTextColor(canvas_->Handle(), static_cast<COLORREF>(ColorToRGB(font_->Color())));
    DrawTextA(canvas_->Handle(), text_.c_str(), static_cast<int>(text_.size()), &r,
              DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE | alignments[alignment_]);
  }
}

void TCustomPanel::CMTextChanged(TMessage&) { Invalidate(); }

ZYL_MESSAGE_MAP(TCustomPanel) { m.On(CM_TEXTCHANGED, &TCustomPanel::CMTextChanged); }
ZYL_CLASS_IMPL(TCustomPanel) {}

ZYL_CLASS_IMPL(TPanel) {
  b.Publish("Align")
      .Prop("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).Default(taCenter)
      .Publish("Anchors")
      .Prop("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).Default(bvNone)
      .Prop("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).Default(bvRaised)
      .Prop("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1)
      .Prop("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0)
      .Prop("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle).Default(bsNone)
      .Publish({"BiDiMode", "Caption"})
      .Publish("Color").NoDefault()
      .Publish({"Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled", "Font",
                "ParentBiDiMode"})
      .Publish("ParentColor").Default(false)
      .Publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "ShowHint", "TabOrder", "TabStop",
                "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                "OnStartDock", "OnStartDrag", "OnResize"});
}

// ---------------------------------------------------------------------------------------------
// TTimer

namespace {
std::unordered_map<HWND, TTimer*>& TimerWindows() {
  static auto* m = new std::unordered_map<HWND, TTimer*>;
  return *m;
}
}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
  enabled_ = false;
  if (window_) {
    if (IsWindow(window_)) {
      KillTimer(window_, 1);
      DestroyWindow(window_);
    }
    TimerWindows().erase(window_);
  }
}

LRESULT TTimer::TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    auto it = TimerWindows().find(hwnd);
    if (it != TimerWindows().end()) {
      try {
        it->second->Timer();
      } catch (Exception&) {
        if (Application) Application->HandleException(it->second);
        else throw;
      }
      return 0;
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void TTimer::UpdateTimer() {
  if (window_ && !IsWindow(window_)) {
    TimerWindows().erase(window_);
    window_ = nullptr;
  }
  if (window_ && running_) KillTimer(window_, 1);
  running_ = false;
  if (ComponentState().contains(csLoading) || ComponentState().contains(csDesigning)) return;
  if (interval_ == 0 || !enabled_ || !onTimer_) return;
  if (!window_) {
    WNDCLASSA existing;
    if (!GetClassInfoA(nullptr, "TTimerWindow", &existing) || existing.lpfnWndProc != &TimerWndProc) {
      if (existing.lpfnWndProc) UnregisterClassA("TTimerWindow", nullptr);
      WNDCLASSA wc;
      wc.lpfnWndProc = &TimerWndProc;
      wc.lpszClassName = "TTimerWindow";
      RegisterClassA(&wc);
    }
    window_ = CreateWindowExA(0, "TTimerWindow", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              nullptr, nullptr);
    if (!window_) throw EOutOfResources("Not enough timers available");
    TimerWindows()[window_] = this;
  }
  if (!SetTimer(window_, 1, interval_, nullptr)) throw EOutOfResources("Not enough timers available");
  running_ = true;
}

void TTimer::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  UpdateTimer();
}

void TTimer::SetInterval(uint32_t Value) {
  if (interval_ == Value) return;
  interval_ = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& Value) {
  onTimer_ = Value;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::Timer() {
  if (onTimer_) onTimer_(this);
}

ZYL_CLASS_IMPL(TTimer) {
  b.Prop("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true)
      .Prop("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000)
      .Prop("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
}

}  // namespace vcl
