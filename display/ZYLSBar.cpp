#include "display/ZYLSBar.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "buttons/ZYLSpinButton.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCaret.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLTimer.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

namespace {

// The control's window, nullptr while it has none (asking makes none).
win::HWND WindowOf(vcl::TWinControl* c) { return c->HandleAllocated() ? c->Handle() : nullptr; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// The thumb

ZYL_MESSAGE_MAP(TZYLScrollBarThumb) {
  m.On(win::WM_SETFOCUS, &TZYLScrollBarThumb::WMSetFocus)
      .On(win::WM_CANCELMODE, &TZYLScrollBarThumb::WMCancelMode)
      .On(win::WM_CAPTURECHANGED, &TZYLScrollBarThumb::WMCaptureChanged)
      .On(vcl::CM_VISIBLECHANGED, &TZYLScrollBarThumb::CMVisibleChanged);
}

// A part of the bar, never streamed on its own.
ZYL_CLASS_IMPL(TZYLScrollBarThumb) {}

TZYLScrollBarThumb::TZYLScrollBarThumb(vcl::TComponent* AOwner) : inherited(AOwner) {
  vcl::TControlStyle s = ControlStyle();
  s.Exclude(vcl::csAcceptsControls);
  SetControlStyle(s);
  Bevel()->SetMode(bmStandard);
  Bevel()->SetStyle(lsRaised);
  SetTabStop(false);
  FillObject()->SetFillStyle(sfBitmap);
}

TZYLScrollBar* TZYLScrollBarThumb::Bar() const { return dynamic_cast<TZYLScrollBar*>(Parent()); }

void TZYLScrollBarThumb::FocusBar() {
  TZYLScrollBar* bar = Bar();
  if (bar && !bar->Focused() && bar->CanBeFocused() && bar->CanFocus()) bar->SetFocus();
}

void TZYLScrollBarThumb::Paint() {
  if (IsUpdating()) return;
  TZYLScrollBar* bar = Bar();
  if (!bar || !bar->UseXP() || !HandleAllocated()) {
    inherited::Paint();
    return;
  }
  FillControl();
  HTHEME theme = OpenThemeData(Handle(), "SCROLLBAR");
  vcl::TFinally close([&] {
    if (theme) CloseThemeData(theme);
  });
  const bool vertical = bar->Kind() == skVertical;
  int state = 1;
  if (FMouseAbove) state = 2;
  if (FPressed) state = 3;
  if (!Enabled()) state = 4;
  const int w = Width(), h = Height();
  win::TRect r{0, 0, w, h};
  win::HDC dc = Canvas()->Handle();
  DrawThemeBackground(theme, dc, vertical ? 3 : 2, state, &r, nullptr);
  const int cx = w / 2, cy = h / 2;
  win::TRect g{cx - 2, cy - 2, cx + 2, cy + 2};
  if (g.Top > 4) g.Top -= 2, g.Bottom += 2;
  if (g.Left > 4) g.Left -= 2, g.Right += 2;
  DrawThemeBackground(theme, dc, vertical ? 9 : 8, 0, &g, nullptr);
}

void TZYLScrollBarThumb::MouseEnter() {
  inherited::MouseEnter();
  Repaint();
}

void TZYLScrollBarThumb::MouseExit() {
  inherited::MouseExit();
  Repaint();
}

void TZYLScrollBarThumb::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  FocusBar();
  FPressed = true;
  Repaint();
  inherited::MouseDown(Button, Shift, X, Y);
}

void TZYLScrollBarThumb::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  FPressed = false;
  Repaint();
  if (TZYLScrollBar* bar = Bar()) bar->ExecuteEvent(scThumbReleased);
}

void TZYLScrollBarThumb::WMSetFocus(vcl::TWMSetFocus& Message) {
  ZYL_INHERITED(Message);
  FocusBar();
}

void TZYLScrollBarThumb::WMCancelMode(vcl::TMessage& Message) {
  EndPress();
  ZYL_INHERITED(Message);
}

void TZYLScrollBarThumb::WMCaptureChanged(vcl::TMessage& Message) {
  if (reinterpret_cast<win::HWND>(Message.LParam) != WindowOf(this)) EndPress();
  ZYL_INHERITED(Message);
}

void TZYLScrollBarThumb::CMVisibleChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!Visible()) EndPress();
}

void TZYLScrollBarThumb::EndPress() {
  if (FPressed) {
    FPressed = false;
    Invalidate();
  }
  if (TZYLScrollBar* bar = Bar()) bar->EndPress();
}

// ---------------------------------------------------------------------------------------------
// The bar

ZYL_MESSAGE_MAP(TZYLScrollBar) {
  m.On(vcl::CM_ENABLEDCHANGED, &TZYLScrollBar::CMEnabledChanged)
      .On(win::WM_CANCELMODE, &TZYLScrollBar::WMCancelMode)
      .On(win::WM_CAPTURECHANGED, &TZYLScrollBar::WMCaptureChanged)
      .On(vcl::CM_VISIBLECHANGED, &TZYLScrollBar::CMVisibleChanged)
      .On(win::WM_GETDLGCODE, &TZYLScrollBar::WMGetDlgCode)
      .On(win::WM_SETFOCUS, &TZYLScrollBar::WMSetFocus)
      .On(win::WM_KILLFOCUS, &TZYLScrollBar::WMKillFocus)
      .On(win::WM_KEYDOWN, &TZYLScrollBar::WMKeyDown)
      .On(vcl::CM_SYSCOLORCHANGE, &TZYLScrollBar::CMSysColorChange);
}

ZYL_CLASS_IMPL(TZYLScrollBar) {
  using C = TZYLScrollBar;
  b.Publish("About")
      .Publish("Align")
      .Prop("AllowMousePos", &C::GetBoolean, &C::SetBoolean)
      .Index(bpAllowMousePos)
      .Default(true)
      .Publish("Anchors")
      .Prop("Back", &C::Back, &C::SetBack)
      .Prop("BackStyle", &C::BackStyle, &C::SetBackStyle)
      .Default(bsDefault)
      .Publish({"Bevel", "BiDiMode"})
      .Prop("ButtonWidth", &C::GetInteger, &C::SetInteger)
      .Index(ipButtonWidth)
      .Default(16)
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Constraints", "Ctl3D", "CtlXP", "DragCursor", "DragKind", "DragMode", "Enabled",
                "Flat"})
      .Prop("HideFocus", &C::GetBoolean, &C::SetBoolean)
      .Index(bpHideFocus)
      .Default(false)
      .Prop("Kind", &C::Kind, &C::SetKind)
      .Default(skHorizontal)
      .Prop("LargeChange", &C::LargeChange, &C::SetLargeChange)
      .Default(10)
      .Prop("Max", &C::GetInteger, &C::SetInteger)
      .Index(ipMax)
      .Default(100)
      .Prop("Min", &C::GetInteger, &C::SetInteger)
      .Index(ipMin)
      .Default(0)
      .Publish({"ParentBiDiMode", "ParentColor"})
      .Default(false)
      .Publish({"ParentCtl3D", "ParentShowHint", "PopupMenu"})
      .Prop("Position", &C::GetInteger, &C::SetInteger)
      .Index(ipPosition)
      .Default(0)
      .Publish("ShowHint")
      .Prop("SmallChange", &C::SmallChange, &C::SetSmallChange)
      .Default(1)
      .Publish("TabOrder")
      .Publish("TabStop")
      .Default(true)
      .Prop("ThumbBevel", &C::ThumbBevel, &C::SetThumbBevel)
      .Prop("ThumbColor", &C::ThumbColor, &C::SetThumbColor, vcl::ColorTypeInfo())
      .Default(vcl::clBtnFace)
      .Prop("ThumbCursor", &C::ThumbCursor, &C::SetThumbCursor, vcl::CursorTypeInfo())
      .Default(vcl::crDefault)
      .Prop("ThumbFlat", &C::GetBoolean, &C::SetBoolean)
      .Index(bpThumbFlat)
      .Default(false)
      .Prop("ThumbLength", &C::GetInteger, &C::SetInteger)
      .Index(ipThumbLength)
      .Default(16)
      .Prop("ThumbMode", &C::ThumbMode, &C::SetThumbMode)
      .Default(tmFixed)
      .Publish("Transparent")
      .Prop("UseGlobalTimer", &C::GetBoolean, &C::SetBoolean)
      .Index(bpUseGlobalTimer)
      .Default(false)
      .Publish({"Visible", "OnAfterEnter", "OnAfterExit", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                "OnMouseDown", "OnMouseEnter", "OnMouseExit", "OnMouseMove", "OnMouseUp",
                "OnMouseWheel"})
      .Prop("OnScroll", &C::GetOnScroll, &C::SetOnScroll)
      .Publish({"OnStartDock", "OnStartDrag"});
}

TZYLScrollBar::TZYLScrollBar(vcl::TComponent* AOwner)
    : inherited(AOwner), FThumbColor(vcl::clBtnFace) {
  vcl::TControlStyle s = ControlStyle();
  s.Exclude(vcl::csAcceptsControls);
  SetControlStyle(s);
  SetTabStop(true);
  FBack.reset(new TZYLFillObject(), vcl::TNotifyEvent(this, &TZYLScrollBar::GetChange));
  FBack->SetDefaultFillStyle(sfBrushBitmap);
  // The checker: white where x + y is even, the colour of this moment where it is odd.
  FChecker = std::make_unique<vcl::TBitmap>();
  PaintChecker();
  for (std::unique_ptr<TZYLSpinButton>* b : {&FDecBtn, &FIncBtn}) {
    b->reset(new TZYLSpinButton(this));
    (*b)->SetParent(this);
    (*b)->SetCtlXP(GetCtlXP());
    (*b)->SetScrollBarMode(true);
  }
  FThumb.reset(new TZYLScrollBarThumb(this));
  FThumb->SetParent(this);
  FThumb->OnMouseDown = vcl::TMouseEvent(this, &TZYLScrollBar::DoThumbMouseDown);
  FThumb->OnMouseUp = vcl::TMouseEvent(this, &TZYLScrollBar::DoThumbMouseUp);
  FThumb->OnMouseMove = vcl::TMouseMoveEvent(this, &TZYLScrollBar::DoThumbMouseMove);
  FCaret.reset(new TZYLCaret(FThumb.get()));
  FCaret->SetWord(TZYLCaret::wiWidth, static_cast<uint16_t>(std::max(0, Width())));
  FCaret->SetWord(TZYLCaret::wiHeight, static_cast<uint16_t>(std::max(0, Height())));
  FCaret->SetBitmap(FChecker.get());
  FCaret->SetStyle(csBitmap);
  FCaret->SetCaretBmpMode(cbTile);
  Bevel()->SetDefaultMode(bmStandard);
  Bevel()->SetStyle(lsSingleLowered);
  SetBounds(Left(), Top(), Width(), 16);
  FThumbBevel.reset(new TZYLBevel());
  FThumbBevel->SetDefaultStyleOuter(bvRaised);
  FThumbBevel.Link(vcl::TNotifyEvent(this, &TZYLScrollBar::ThumbBevelChanged));
  SetButtons();
}

TZYLScrollBar::~TZYLScrollBar() {
  FTimer.reset();
  FThumbBevel.reset();
  FCaret.reset();
  FThumb.reset();
  FIncBtn.reset();
  FDecBtn.reset();
  FBack.reset();
}

bool TZYLScrollBar::Designing() const { return ComponentState().contains(vcl::csDesigning); }
bool TZYLScrollBar::Loading() const { return ComponentState().contains(vcl::csLoading); }

int TZYLScrollBar::GetInteger(int Index) const {
  switch (Index) {
    case ipMax: return FMax;
    case ipMin: return FMin;
    case ipPosition: return FPosition;
    case ipButtonWidth: return FButtonWidth;
    case ipThumbLength:
    default: return FThumbLength;
  }
}

void TZYLScrollBar::SetInteger(int Index, int Value) {
  // A form being read gives the values in declaration order (Max before Min): they are kept
  // as read and put in order once loading ends.
  const bool loading = Loading();
  switch (Index) {
    case ipMax:
      if (Value == FMax) return;
      FMax = Value;
      if (loading) return;
      if (FMax < FMin) FMax = FMin;
      if (FMax < FPosition) SetInteger(ipPosition, FMax);
      break;
    case ipMin:
      if (Value == FMin) return;
      FMin = Value;
      if (loading) return;
      if (FMin > FMax) FMin = FMax;
      if (FMin > FPosition) SetInteger(ipPosition, FMin);
      break;
    case ipPosition:
      if (Value == FPosition) return;
      FPosition = loading ? Value : std::max(std::min(Value, FMax), FMin);
      break;
    case ipButtonWidth:
      Value = std::max(Value, 0);
      if (Value == FButtonWidth) return;
      FButtonWidth = Value;
      break;
    case ipThumbLength:
      Value = std::max(Value, 1);
      if (Value == FThumbLength || FThumbMode != tmFixed) return;
      FThumbLength = Value;
      break;
    default: return;
  }
  SetButtons();
}

bool TZYLScrollBar::GetBoolean(int Index) const {
  switch (Index) {
    case bpThumbFlat: return FThumbFlat;
    case bpAllowMousePos: return FAllowMousePos;
    case bpUseGlobalTimer: return FUseGlobalTimer;
    case bpHideFocus:
    default: return FHideFocus;
  }
}

void TZYLScrollBar::SetBoolean(int Index, bool Value) {
  switch (Index) {
    case bpThumbFlat: FThumbFlat = Value; break;
    case bpAllowMousePos: FAllowMousePos = Value; break;
    case bpUseGlobalTimer: FUseGlobalTimer = Value; break;
    case bpHideFocus:
      if (Value == FHideFocus) return;
      FHideFocus = Value;
      SetButtons();
      break;
    default: break;
  }
}

void TZYLScrollBar::SetKind(TZYLScrollBarKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  const bool design = Designing() && !Loading();
  if (design) SetBounds(Left(), Top(), Height(), Width());
  if (!IsUpdating()) RefreshBackground();
  SetButtons();
  if (design) Invalidate();
}

void TZYLScrollBar::SetThumbMode(TZYLThumbMode Value) {
  if (Value == FThumbMode) return;
  FThumbMode = Value;
  SetButtons();
}

void TZYLScrollBar::SetBackStyle(TZYLBackStyle Value) {
  if (Value == FBackStyle) return;
  FBackStyle = Value;
  GetChange(this);
}

void TZYLScrollBar::SetBack(TZYLFillObject* Value) {
  if (Value) FBack->Assign(Value);
}

void TZYLScrollBar::SetThumbColor(vcl::TColor Value) {
  if (Value == FThumbColor) return;
  FThumbColor = Value;
  SetButtons();
}

void TZYLScrollBar::SetThumbBevel(TZYLBevel* Value) {
  if (Value) FThumbBevel->Assign(Value);
  SetButtons();
}

void TZYLScrollBar::ThumbBevelChanged(vcl::TObject*) { SetButtons(); }

void TZYLScrollBar::SetThumbCursor(vcl::TCursor Value) {
  if (Value == FThumbCursor) return;
  FThumbCursor = Value;
  SetButtons();
}

void TZYLScrollBar::SetCanBeFocused(bool Value) {
  FCanBeFocused = Value;
  FThumb->SetTabStop(Value);
  SetTabStop(Value);
}

TZYLFillObject* TZYLScrollBar::GetFillObject() {
  TZYLFillObject* f = inherited::GetFillObject();
  return f ? f : FBack;
}

void TZYLScrollBar::GetXPBevelParams(std::string& ClassName, int& Part, int& State) {
  ClassName = "SCROLLBAR";
  Part = 10;
  State = 1;
}

void TZYLScrollBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  SetButtons();
}

bool TZYLScrollBar::Repeating() const { return FTimer && FTimer->Enabled(); }

void TZYLScrollBar::TakeFocus() {
  if (!Focused() && FCanBeFocused && CanFocus()) SetFocus();
}

// ---- Reporting ----

void TZYLScrollBar::Report(int Code) {
  if (!FOnScroll) return;
  const int told = FPosition;
  int pos = told;
  FOnScroll(this, static_cast<vcl::TScrollCode>(Code), pos);
  // A ScrollPos the handler wrote goes through the setter: kept in range and laid out. A handler
  // that set Position itself has its position kept.
  if (pos != told) SetPosition(pos);
}

void TZYLScrollBar::ExecuteEvent(int Code) {
  if (!FOnScroll) return;
  Report(scEndScrollCode);
  Report(Code);
}

void TZYLScrollBar::ReportEnds() {
  if (FPosition == FMin) ExecuteEvent(scMinReached);
  if (FPosition == FMax) ExecuteEvent(scMaxReached);
}

void TZYLScrollBar::DoInc(vcl::TObject*) {
  TakeFocus();
  if (FPosition == FMax) return;
  SetPosition(vcl::ClampToInt(int64_t{FPosition} + FSmallChange));
  ExecuteEvent(scLineToMax);
}

void TZYLScrollBar::DoDec(vcl::TObject*) {
  TakeFocus();
  if (FPosition == FMin) return;
  SetPosition(vcl::ClampToInt(int64_t{FPosition} - FSmallChange));
  ExecuteEvent(scLineToMin);
}

// ---- Layout and painting ----

namespace {
// The client area inside the bevel, in 64 bits: the bar's size may lie at int's limits. The
// client area is the bar's size less the window's edge, which the platform's border takes.
vcl::TRect TrackArea(const vcl::TRect& Client, int Ext) {
  return vcl::TRect{Ext, Ext, vcl::ClampToInt(int64_t{Client.Right} - Ext),
                    vcl::ClampToInt(int64_t{Client.Bottom} - Ext)};
}
}  // namespace

void TZYLScrollBar::SetButtons() {
  // Nothing while the constructor has not made every part yet.
  if (IsUpdating() || !FThumbBevel) return;
  BeginUpdate();
  vcl::TFinally done([&] { EndUpdate(false); });
  const bool focused = Parent() && HandleAllocated() && Focused();
  if (focused) FCaret->Disable();
  FThumb->BeginUpdate();
  FThumb->SetFlat(FThumbFlat);
  FThumb->Bevel()->Assign(FThumbBevel);
  FThumb->SetColor(FThumbColor);
  FThumb->SetCursor(FThumbCursor);
  FThumb->EndUpdate(false);

  const int ext = BevelExt();
  const vcl::TRect r = TrackArea(ClientRect(), ext);
  const int b = FButtonWidth;
  const bool vertical = FKind == skVertical;
  FDecBtn->SetBtns({vertical ? sbUp : sbLeft});
  FIncBtn->SetBtns({vertical ? sbDown : sbRight});
  FDecBtn->SetPartClick(vertical ? sbUp : sbLeft, vcl::TNotifyEvent(this, &TZYLScrollBar::DoDec));
  FIncBtn->SetPartClick(vertical ? sbDown : sbRight,
                        vcl::TNotifyEvent(this, &TZYLScrollBar::DoInc));
  // Computed in 64 bits: the range, the buttons and the position may lie at int's limits.
  using vcl::ClampToInt;
  const int64_t range = int64_t{FMax} - FMin;
  const int along = vertical ? r.Height() : r.Width();
  FTrackLength = ClampToInt(int64_t{along} - 2 * int64_t{b});
  if (FThumbMode == tmAuto) FThumbLength = ClampToInt(std::max<int64_t>(FTrackLength - range, 8));
  // The thumb's offset: the range over the free track (a thumb longer than the track has one
  // pixel to go).
  const int64_t free = std::max<int64_t>(int64_t{FTrackLength} - FThumbLength, 1);
  double scale = range > 0 ? double(range) / double(free) : 1.0;
  if (scale == 0.0) scale = 1.0;
  const int offset = ClampToInt(vcl::Round((double(FPosition) - FMin) / scale));
  const int start = ClampToInt(int64_t{vertical ? r.Top : r.Left} + b + offset);
  if (vertical) {
    FDecBtn->SetBounds(r.Left, r.Top + 1, r.Width(), ClampToInt(int64_t{b} - 1));
    FIncBtn->SetBounds(r.Left, ClampToInt(int64_t{r.Bottom} - b + 1), r.Width(),
                       ClampToInt(int64_t{b} - 1));
    FThumb->SetBounds(r.Left, start, r.Width(), FThumbLength);
  } else {
    FDecBtn->SetBounds(r.Left, r.Top, b, ClampToInt(int64_t{r.Height()} + 1));
    FIncBtn->SetBounds(ClampToInt(int64_t{r.Right} - b), r.Top, b,
                       ClampToInt(int64_t{r.Height()} + 1));
    FThumb->SetBounds(start, r.Top, FThumbLength, r.Height());
  }
  const int tw = FThumb->Width(), th = FThumb->Height();
  FCaret->SetWord(TZYLCaret::wiWidth, static_cast<uint16_t>(tw > 2 ? tw - 3 : 0));
  FCaret->SetWord(TZYLCaret::wiHeight, static_cast<uint16_t>(th > 2 ? th - 3 : 0));
  if (focused && !UseXP() && !FHideFocus) {
    FCaret->BuildCaret();
    FCaret->Enable();
    FCaret->SetCaretPos(1, 1);
  }
}

void TZYLScrollBar::Paint() {
  if (IsUpdating()) return;
  vcl::TCanvas* c = Canvas();
  FillControl();
  const vcl::TRect client = ClientRect();
  if (UseXP() && Bevel()->Mode() == bmWindows)
    BevelXP(c, client);
  else
    Bevel()->PaintBevel(c, client, true);
  const int ext = BevelExt();
  FTrackRect = TrackArea(client, ext);
  TZYLFillObject* fill = GetFillObject();
  if (fill && fill->Style() != sfNone && !Transparent()) {
    if (FBackStyle == bsDefault && fill == FBack) {
      // The checker pattern, for this paint only.
      const TZYLFillStyle was = FBack->Style();
      FBack.Link({});
      vcl::TFinally restore([&] {
        FBack->SetFillStyle(was);
        FBack->SetBitmap(nullptr);
        FBack.Link(vcl::TNotifyEvent(this, &TZYLScrollBar::GetChange));
      });
      FBack->SetBitmap(FChecker.get());
      FBack->SetFillStyle(sfBrushBitmap);
      FBack->FillCanvas(c, FTrackRect, Color());
    } else {
      fill->FillCanvas(c, FTrackRect, Color());
    }
  }
  SetButtons();
}

void TZYLScrollBar::PaintChecker() {
  FChecker->SetSize(8, 8);
  const vcl::TColor odd = vcl::ColorToRGB(Color());
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      FChecker->Canvas()->SetPixels(x, y, (x + y) % 2 == 0 ? vcl::clWhite : odd);
}

void TZYLScrollBar::CMSysColorChange(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (UseXP()) {
    RefreshBackground();
  } else if (vcl::IsSystemColor(Color())) {
    // The focus caret draws a copy of the checker: it takes the new one.
    PaintChecker();
    FCaret->SetBitmap(FChecker.get());
    SetButtons();
  }
  Invalidate();
}

void TZYLScrollBar::RefreshBackground() {
  if (!UseXP() || !HandleAllocated()) return;
  HTHEME theme = OpenThemeData(Handle(), "SCROLLBAR");
  vcl::TFinally close([&] {
    if (theme) CloseThemeData(theme);
  });
  if (!theme) return;
  FChecker->SetSize(Width(), Height());
  win::TRect r{0, 0, Width(), Height()};
  DrawThemeBackground(theme, FChecker->Canvas()->Handle(), FKind == skHorizontal ? 4 : 6, 0, &r,
                      nullptr);
}

void TZYLScrollBar::Loaded() {
  inherited::Loaded();
  // The range as read, put in order.
  if (FMax < FMin) FMax = FMin;
  FPosition = std::max(std::min(FPosition, FMax), FMin);
  FThumb->SetFlat(FThumbFlat);
  RefreshBackground();
  SetButtons();
}

void TZYLScrollBar::DoThemeChanged() {
  for (TZYLSpinButton* b : {FDecBtn.get(), FIncBtn.get()}) {
    b->SetCtlXP(GetCtlXP());
    b->Perform(win::WM_THEMECHANGED, 0, 0);
    b->Invalidate();
  }
  inherited::DoThemeChanged();
}

// ---- Mouse ----

TZYLScrollBar::TPageResult TZYLScrollBar::PageToward(int X, int Y) {
  const bool vertical = FKind == skVertical;
  const int p = vertical ? Y : X;
  const int start = vertical ? FThumb->Top() : FThumb->Left();
  const int end = start + (vertical ? FThumb->Height() : FThumb->Width());
  const int dir = p < start ? -1 : p > end ? 1 : 0;
  // A hold pages one way: once the thumb has reached or passed the point, it stops.
  if (dir == 0 || (FPageDir != 0 && dir != FPageDir)) return prNone;
  FPageDir = dir;
  if (dir < 0) {
    SetPosition(vcl::ClampToInt(int64_t{FPosition} - FLargeChange));
    ExecuteEvent(scPageToMin);
  } else {
    SetPosition(vcl::ClampToInt(int64_t{FPosition} + FLargeChange));
    ExecuteEvent(scPageToMax);
  }
  const int s2 = vertical ? FThumb->Top() : FThumb->Left();
  const int e2 = s2 + (vertical ? FThumb->Height() : FThumb->Width());
  return p > s2 && p < e2 ? prLast : prMore;
}

void TZYLScrollBar::EnableTimer() {
  if (!FTimer) {
    FTimer = std::make_unique<TZYLTimer>(RepeatInterval,
                                         vcl::TNotifyEvent(this, &TZYLScrollBar::DoTimerEvent),
                                         false, FUseGlobalTimer);
  }
  FTimer->SetGlobal(FUseGlobalTimer);
  FTimer->SetEnabled(true);
}

// The timer object stays (it may be the one ticking now); it only stops.
void TZYLScrollBar::RemoveTimer() {
  if (FTimer) FTimer->SetEnabled(false);
}

void TZYLScrollBar::DoTimerEvent(vcl::TObject*) {
  const TPageResult r = PageToward(FLastPoint.X, FLastPoint.Y);
  if (r != prMore) RemoveTimer();
  if (r != prNone) ReportEnds();
}

void TZYLScrollBar::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  TakeFocus();
  inherited::MouseDown(Button, Shift, X, Y);
  // OnMouseDown may have ended the press already (a modal form, the bar disabled or hidden):
  // the bar let go of the mouse then.
  if (Button != vcl::mbLeft || !MouseCapture()) return;
  FLastPoint = vcl::TPoint{X, Y};
  FPageDir = 0;
  EnableTimer();
  if (PageToward(X, Y) != prMore) RemoveTimer();
  ReportEnds();
}

void TZYLScrollBar::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  FLastPoint = vcl::TPoint{X, Y};
  if (!Shift.contains(vcl::ssLeft) || !FDragging) return;
  const bool vertical = FKind == skVertical;
  const int now = vertical ? Y : X;
  const int origin = vertical ? FDragOrigin.Y : FDragOrigin.X;
  if (now != origin) {
    const int d = std::abs(origin - now);
    const double free = double(FTrackLength) - FThumbLength;
    const int64_t step = free != 0 ? vcl::Round((double(FMax) - FMin) / free * d) : 1;
    SetPosition(vcl::ClampToInt(origin <= now ? FPosition + step : FPosition - step));
  }
  Report(scDragStep);
  FDragOrigin = vcl::TPoint{X, Y};
  ReportEnds();
}

void TZYLScrollBar::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  // The paging stops however the user's OnMouseUp leaves.
  vcl::TFinally stopped([this] {
    RemoveTimer();
    FPageDir = 0;
  });
  inherited::MouseUp(Button, Shift, X, Y);
}

void TZYLScrollBar::MouseExit() {
  // The arrows lose their hot look however the user's OnMouseExit leaves.
  vcl::TFinally left([this] {
    FDecBtn->MouseLeave();
    FIncBtn->MouseLeave();
  });
  inherited::MouseExit();
}

void TZYLScrollBar::DoThumbMouseDown(vcl::TObject*, vcl::TMouseButton Button, vcl::TShiftState,
                                     int X, int Y) {
  if (Button != vcl::mbLeft || !FAllowMousePos) return;
  FDragging = true;
  FDragOrigin = vcl::TPoint{FThumb->Left() + X, FThumb->Top() + Y};
}

void TZYLScrollBar::DoThumbMouseUp(vcl::TObject*, vcl::TMouseButton Button, vcl::TShiftState, int,
                                   int) {
  if (Button == vcl::mbLeft) FDragging = false;
}

void TZYLScrollBar::DoThumbMouseMove(vcl::TObject*, vcl::TShiftState Shift, int X, int Y) {
  MouseMove(Shift, FThumb->Left() + X, FThumb->Top() + Y);
}

// ---- Messages ----

void TZYLScrollBar::CMEnabledChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!Enabled()) EndPress();
  FThumb->SetVisible(Enabled());
  FDecBtn->SetEnabled(Enabled());
  FIncBtn->SetEnabled(Enabled());
}

void TZYLScrollBar::WMCancelMode(vcl::TMessage& Message) {
  EndPress();
  ZYL_INHERITED(Message);
}

void TZYLScrollBar::WMCaptureChanged(vcl::TMessage& Message) {
  const auto to = reinterpret_cast<win::HWND>(Message.LParam);
  if (!to || (to != WindowOf(this) && !win::IsChild(WindowOf(this), to))) EndPress();
  ZYL_INHERITED(Message);
}

void TZYLScrollBar::CMVisibleChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!Visible()) EndPress();
}

void TZYLScrollBar::EndPress() {
  RemoveTimer();
  FPageDir = 0;
  FDragging = false;
  const win::HWND capture = win::GetCapture(), own = WindowOf(this);
  if (capture && own && (capture == own || win::IsChild(own, capture))) win::ReleaseCapture();
}

void TZYLScrollBar::WMGetDlgCode(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Message.Result |= win::DLGC_WANTARROWS | win::DLGC_WANTCHARS;
}

void TZYLScrollBar::WMSetFocus(vcl::TWMSetFocus& Message) {
  if (Loading() || !FCanBeFocused) return;
  ZYL_INHERITED(Message);
  FThumb->SetBoolean(true);
  SetButtons();
}

void TZYLScrollBar::WMKillFocus(vcl::TWMKillFocus& Message) {
  FCaret->DestroyCaret();
  FThumb->SetBoolean(false);
  ZYL_INHERITED(Message);
}

void TZYLScrollBar::WMKeyDown(vcl::TWMKey& Message) {
  ZYL_INHERITED(Message);
  switch (Message.CharCode()) {
    case win::VK_PRIOR:
      SetPosition(vcl::ClampToInt(int64_t{FPosition} - FLargeChange));
      Report(scPageToMin);
      break;
    case win::VK_NEXT:
      SetPosition(vcl::ClampToInt(int64_t{FPosition} + FLargeChange));
      Report(scPageToMax);
      break;
    case win::VK_LEFT:
    case win::VK_UP: DoDec(this); break;
    case win::VK_RIGHT:
    case win::VK_DOWN: DoInc(this); break;
    default: return;
  }
  ReportEnds();
}

// ---------------------------------------------------------------------------------------------
// The settings bundle

ZYL_CLASS_IMPL(TZYLScrollBarObject) {
  using C = TZYLScrollBarObject;
  b.Prop("Back", &C::Back, &C::SetBack)
      .Prop("Color", &C::GetColor, &C::SetColor, vcl::ColorTypeInfo())
      .Index(cpColor)
      .Default(vcl::clBtnFace)
      .Prop("ThumbColor", &C::GetColor, &C::SetColor, vcl::ColorTypeInfo())
      .Index(cpThumbColor)
      .Default(vcl::clBtnFace)
      .Prop("Cursor", &C::Cursor, &C::SetCursor, vcl::CursorTypeInfo())
      .Default(vcl::crDefault)
      .Prop("Bevel", &C::Bevel, &C::SetBevel)
      .Prop("ButtonWidth", &C::GetInteger, &C::SetInteger)
      .Index(ipButtonWidth)
      .Default(16)
      .Prop("SmallChange", &C::GetInteger, &C::SetInteger)
      .Index(ipSmallChange)
      .Default(1)
      .Prop("LargeChange", &C::GetInteger, &C::SetInteger)
      .Index(ipLargeChange)
      .Default(10)
      .Prop("Transparent", &C::GetBoolean, &C::SetBoolean)
      .Index(bpTransparent)
      .Default(false)
      .Prop("Ctl3D", &C::GetBoolean, &C::SetBoolean)
      .Index(bpCtl3D)
      .Default(true)
      .Prop("ParentCtl3D", &C::GetBoolean, &C::SetBoolean)
      .Index(bpParentCtl3D)
      .Default(true)
      .Prop("AllowMousePos", &C::AllowMousePos, &C::SetAllowMousePos)
      .Default(true)
      .Prop("BackStyle", &C::BackStyle, &C::SetBackStyle)
      .Default(bsDefault)
      .Prop("OnChange", &C::GetOnChange, &C::SetOnChange);
}

TZYLScrollBarObject::TZYLScrollBarObject() : FColor(vcl::clBtnFace), FThumbColor(vcl::clBtnFace) {
  FBack.reset(new TZYLFillObject());
  FBack->SetDefaultFillStyle(sfBrush);
  FBack->Brush()->SetStyle(vcl::bsSolid);
  FBack->Brush()->SetColor(0xFF0000);
  FBack.Link(vcl::TNotifyEvent(this, &TZYLScrollBarObject::GetChange));
  FBevel.reset(new TZYLBevel());
  FBevel->SetDefaultMode(bmStandard);
  FBevel->SetStyle(lsSingleLowered);
  FBevel.Link(vcl::TNotifyEvent(this, &TZYLScrollBarObject::GetChange));
}

TZYLScrollBarObject::~TZYLScrollBarObject() {
  FBevel.reset();
  FBack.reset();
}

void TZYLScrollBarObject::SetBack(TZYLFillObject* Value) {
  if (Value) FBack->Assign(Value);
}

void TZYLScrollBarObject::SetBevel(TZYLBevel* Value) {
  if (Value) FBevel->Assign(Value);
}

void TZYLScrollBarObject::SetColor(int Index, vcl::TColor Value) {
  vcl::TColor& field = Index == cpColor ? FColor : FThumbColor;
  if (field == Value) return;
  field = Value;
  Change();
}

int TZYLScrollBarObject::GetInteger(int Index) const {
  switch (Index) {
    case ipButtonWidth: return FButtonWidth;
    case ipSmallChange: return FSmallChange;
    case ipLargeChange:
    default: return FLargeChange;
  }
}

void TZYLScrollBarObject::SetInteger(int Index, int Value) {
  int& field = Index == ipButtonWidth   ? FButtonWidth
               : Index == ipSmallChange ? FSmallChange
                                        : FLargeChange;
  if (field == Value) return;
  field = Value;
  Change();
}

bool TZYLScrollBarObject::GetBoolean(int Index) const {
  switch (Index) {
    case bpTransparent: return FTransparent;
    case bpCtl3D: return FCtl3D;
    case bpParentCtl3D:
    default: return FParentCtl3D;
  }
}

void TZYLScrollBarObject::SetBoolean(int Index, bool Value) {
  bool& field = Index == bpTransparent ? FTransparent : Index == bpCtl3D ? FCtl3D : FParentCtl3D;
  if (field == Value) return;
  field = Value;
  Change();
}

void TZYLScrollBarObject::Assign(vcl::TPersistent* Source) {
  auto* s = dynamic_cast<TZYLScrollBarObject*>(Source);
  if (!s) {
    inherited::Assign(Source);
    return;
  }
  FBack->Assign(s->FBack);
  FBevel->Assign(s->FBevel);
  FTransparent = s->FTransparent;
  FCtl3D = s->FCtl3D;
  FParentCtl3D = s->FParentCtl3D;
  FButtonWidth = s->FButtonWidth;
  FLargeChange = s->FLargeChange;
  FSmallChange = s->FSmallChange;
  FAllowMousePos = s->FAllowMousePos;
  FBackStyle = s->FBackStyle;
  FColor = s->FColor;
  FThumbColor = s->FThumbColor;
}

void TZYLScrollBarObject::AssignToScrollBar(TZYLScrollBar* Bar) {
  if (!Bar) return;
  Bar->Back()->Assign(FBack);
  Bar->Bevel()->Assign(FBevel);
  Bar->SetTransparent(FTransparent);
  Bar->SetCtl3D(FCtl3D);
  Bar->SetParentCtl3D(FParentCtl3D);
  Bar->SetInteger(TZYLScrollBar::ipButtonWidth, FButtonWidth);
  Bar->SetSmallChange(FSmallChange);
  Bar->SetLargeChange(FLargeChange);
  Bar->SetBoolean(TZYLScrollBar::bpAllowMousePos, FAllowMousePos);
  Bar->SetBackStyle(FBackStyle);
  Bar->SetColor(FColor);
  Bar->SetThumbColor(FThumbColor);
}

}  // namespace zyl
