#include "platform/controls/ExtCtrls.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/graphics/Graphic.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/text/Text.h"

namespace vcl {

namespace {
int FontHeight(TFont* Font) {
  win::HDC dc = win::CreateCompatibleDC(nullptr);
  win::HGDIOBJ old = win::SelectObject(dc, Font->Handle());
  win::TEXTMETRICA tm;
  win::GetTextMetricsA(dc, &tm);
  win::SelectObject(dc, old);
  win::DeleteDC(dc);
  return tm.tmHeight;
}
}  // namespace

using namespace win;

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  Rect.Bottom -= 1;
  Rect.Right -= 1;
  // Rings go inwards one pixel each and stop once the rectangle is used up; it stays empty.
  for (int i = 0; i < Width && Rect.Left <= Rect.Right && Rect.Top <= Rect.Bottom; ++i) {
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
  Rect.Bottom = std::max(Rect.Bottom + 1, Rect.Top);
  Rect.Right = std::max(Rect.Right + 1, Rect.Left);
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
  int64_t bevel = 0;
  if (bevelOuter_ != bvNone) bevel += bevelWidth_;
  if (bevelInner_ != bvNone) bevel += bevelWidth_;
  const int inset = ClampToInt(std::max<int64_t>(bevel, 0));
  InflateRect(&Rect, -inset, -inset);
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
ZYL_CLASS_IMPL(TCustomPanel) {
  using C = TCustomPanel;
  b.Declare("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(taCenter)
      .Declare("BevelInner", &C::BevelInner, &C::SetBevelInner)
      .Default(bvNone)
      .Declare("BevelOuter", &C::BevelOuter, &C::SetBevelOuter)
      .Default(bvRaised)
      .Declare("BevelWidth", &C::BevelWidth, &C::SetBevelWidth)
      .Default(1)
      .Declare("BorderWidth", &C::BorderWidth, &C::SetBorderWidth)
      .Default(0)
      .Declare("BorderStyle", &C::BorderStyle, &C::SetBorderStyle)
      .Default(bsNone)
      .Declare("Color", &C::Color, &C::SetColor, ColorTypeInfo())
      .Default(clBtnFace)
      .Stored(&C::IsColorStored)
      .Declare("ParentColor", &C::ParentColor, &C::SetParentColor)
      .Default(false);
}

ZYL_CLASS_IMPL(TPanel) {
  b.Publish({"Align",       "Alignment",   "Anchors",        "BevelInner",     "BevelOuter",
             "BevelWidth",  "BiDiMode",    "BorderWidth",    "BorderStyle",    "Caption",
             "Color",       "Constraints", "Ctl3D",          "DragCursor",     "DragKind",
             "DragMode",    "Enabled",     "Font",           "ParentBiDiMode", "ParentColor",
             "ParentCtl3D", "ParentFont",  "ParentShowHint", "PopupMenu",      "ShowHint",
             "TabOrder",    "TabStop",     "Visible",        "OnClick",        "OnContextPopup",
             "OnDblClick",  "OnDragDrop",  "OnDragOver",     "OnEndDock",      "OnEndDrag",
             "OnEnter",     "OnExit",      "OnMouseDown",    "OnMouseMove",    "OnMouseUp",
             "OnResize",    "OnStartDock", "OnStartDrag"});
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
    WNDCLASSA wc;
    wc.lpfnWndProc = &TimerWndProc;
    wc.lpszClassName = "TTimerWindow";
    controls_internal::RegisterOwnClass(wc);
    window_ = CreateWindowExA(0, "TTimerWindow", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              nullptr, nullptr);
    if (!window_) throw EOutOfResources(SNoTimers);
    TimerWindows()[window_] = this;
  }
  if (!SetTimer(window_, 1, interval_, nullptr)) throw EOutOfResources(SNoTimers);
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

// ---------------------------------------------------------------------------------------------
// Properties every graphic control of this unit publishes.
// ---------------------------------------------------------------------------------------------
// TBevel

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  controlStyle_ += csReplicatable;
  width_ = 50;
  height_ = 50;
}

void TBevel::SetShape(TBevelShape Value) {
  if (shape_ == Value) return;
  shape_ = Value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas* c = canvas_;
  const TColor c1 = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  const TColor c2 = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  auto line = [c](TColor col, int x1, int y1, int x2, int y2) {
    c->Pen()->SetColor(col);
    c->Pen()->SetWidth(1);
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
  };
  const int w = width_, h = height_;
  switch (shape_) {
    case bsBox: {
      TRect r = GetClientRect();
      Frame3D(c, r, c1, c2, 1);
      break;
    }
    case bsFrame: {
      // Two interlocked frames give the etched look.
      TRect r{0, 0, w - 1, h - 1};
      TRect r2{1, 1, w, h};
      Frame3D(c, r2, c2, c2, 1);
      Frame3D(c, r, c1, c1, 1);
      break;
    }
    case bsTopLine:
      line(c1, 0, 0, w, 0);
      line(c2, 0, 1, w, 1);
      break;
    case bsBottomLine:
      line(c1, 0, h - 2, w, h - 2);
      line(c2, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      line(c1, 0, 0, 0, h);
      line(c2, 1, 0, 1, h);
      break;
    case bsRightLine:
      line(c1, w - 2, 0, w - 2, h);
      line(c2, w - 1, 0, w - 1, h);
      break;
    case bsSpacer:
      if (ComponentState().contains(csDesigning)) {
        c->Pen()->SetStyle(psDot);
        c->Brush()->SetStyle(bsClear);
        c->Rectangle(0, 0, w, h);
      }
      break;
  }
}

ZYL_CLASS_IMPL(TBevel) {
  b.Publish({"Align", "Anchors", "Constraints", "ParentShowHint"})
      .Prop("Shape", &TBevel::Shape, &TBevel::SetShape)
      .Default(bsBox)
      .Publish("ShowHint")
      .Prop("Style", &TBevel::Style, &TBevel::SetStyle)
      .Default(bsLowered)
      .Publish("Visible");
}

// ---------------------------------------------------------------------------------------------
// TShape

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) {
  controlStyle_ += csReplicatable;
  width_ = 65;
  height_ = 65;
  pen_ = new TPen();
  pen_->OnChange = TNotifyEvent(this, &TShape::StyleChanged);
  brush_ = new TBrush();
  brush_->OnChange = TNotifyEvent(this, &TShape::StyleChanged);
}

TShape::~TShape() {
  pen_->OnChange = TNotifyEvent();
  brush_->OnChange = TNotifyEvent();
  delete pen_;
  delete brush_;
}

void TShape::SetBrush(TBrush* Value) { brush_->Assign(Value); }
void TShape::SetPen(TPen* Value) { pen_->Assign(Value); }
void TShape::StyleChanged(TObject*) { Invalidate(); }

void TShape::SetShape(TShapeType Value) {
  if (shape_ == Value) return;
  shape_ = Value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas* c = canvas_;
  c->Pen()->Assign(pen_);
  c->Brush()->Assign(brush_);
  // The pen stays inside the control. In 64 bits: size and pen width may sit at int's limits.
  const int64_t pw = pen_->Width();
  int64_t x = pw / 2, y = pw / 2;
  int64_t w = int64_t{width_} - pw + 1, h = int64_t{height_} - pw + 1;
  if (pw == 0) {
    --w;
    --h;
  }
  if (w < h) {
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
      y += (h - w) / 2;
      h = w;
    }
  } else if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    x += (w - h) / 2;
    w = h;
  }
  const int l = ClampToInt(x), t = ClampToInt(y), r = ClampToInt(x + w), b = ClampToInt(y + h);
  switch (shape_) {
    case stRectangle:
    case stSquare: c->Rectangle(l, t, r, b); break;
    case stRoundRect:
    case stRoundSquare: {
      const int s = ClampToInt(std::min(w, h) / 4);
      c->RoundRect(l, t, r, b, s, s);
      break;
    }
    case stEllipse:
    case stCircle: c->Ellipse(l, t, r, b); break;
  }
}

ZYL_CLASS_IMPL(TShape) {
  b.Publish({"Align", "Anchors"})
      .Prop("Brush", &TShape::Brush, &TShape::SetBrush)
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled", "Constraints", "ParentShowHint"})
      .Prop("Pen", &TShape::Pen, &TShape::SetPen)
      .Prop("Shape", &TShape::Shape, &TShape::SetShape)
      .Default(stRectangle)
      .Publish({"ShowHint", "Visible", "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock",
                "OnStartDrag"});
}

// ---------------------------------------------------------------------------------------------
// TImage

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  controlStyle_ += csReplicatable;
  width_ = 105;
  height_ = 105;
  picture_ = new TPicture();
  picture_->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
}

TImage::~TImage() {
  picture_->OnChange = TNotifyEvent();
  delete picture_;
}

void TImage::SetPicture(TPicture* Value) { picture_->Assign(Value); }

void TImage::SetAutoSize(bool Value) {
  autoSize_ = Value;
  PictureChanged(this);
}

void TImage::SetCenter(bool Value) {
  if (center_ == Value) return;
  center_ = Value;
  Invalidate();
}

void TImage::SetStretch(bool Value) {
  if (stretch_ == Value) return;
  stretch_ = Value;
  Invalidate();
}

void TImage::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  PictureChanged(this);
}

void TImage::PictureChanged(TObject*) {
  if (TGraphic* g = picture_->Graphic()) {
    if (transparent_ != g->Transparent()) g->SetTransparent(transparent_);
    if (autoSize_ && g->Width() > 0 && g->Height() > 0)
      SetBounds(left_, top_, g->Width(), g->Height());
  }
  Invalidate();
}

TRect TImage::DestRect() const {
  const int w = picture_->Width(), h = picture_->Height();
  if (stretch_) return TRect{0, 0, width_, height_};
  if (center_) {
    const int x = (width_ - w) / 2, y = (height_ - h) / 2;
    return TRect{x, y, x + w, y + h};
  }
  return TRect{0, 0, w, h};
}

void TImage::Paint() {
  if (ComponentState().contains(csDesigning)) {
    canvas_->Pen()->SetStyle(psDash);
    canvas_->Brush()->SetStyle(bsClear);
    canvas_->Rectangle(0, 0, width_, height_);
  }
  if (TGraphic* g = picture_->Graphic(); g && !g->Empty()) canvas_->StretchDraw(DestRect(), g);
}

ZYL_CLASS_IMPL(TImage) {
  b.Publish({"Align", "Anchors"})
      .Prop("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize)
      .Default(false)
      .Prop("Center", &TImage::Center, &TImage::SetCenter)
      .Default(false)
      .Publish({"Constraints", "DragCursor", "DragKind", "DragMode", "Enabled"})
      .Prop("IncrementalDisplay", &TImage::IncrementalDisplay, &TImage::SetIncrementalDisplay)
      .Default(false)
      .Publish("ParentShowHint")
      .Prop("Picture", &TImage::Picture, &TImage::SetPicture)
      .Publish({"PopupMenu", "ShowHint"})
      .Prop("Stretch", &TImage::Stretch, &TImage::SetStretch)
      .Default(false)
      .Prop("Transparent", &TImage::Transparent, &TImage::SetTransparent)
      .Default(false)
      .Publish({"Visible", "OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver",
                "OnEndDock", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock",
                "OnStartDrag"});
}

// ---------------------------------------------------------------------------------------------
// TPaintBox

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner) {
  controlStyle_ += csReplicatable;
  width_ = 105;
  height_ = 105;
}

void TPaintBox::Paint() {
  canvas_->Font()->Assign(font_);
  canvas_->Brush()->SetColor(color_);
  if (ComponentState().contains(csDesigning)) {
    canvas_->Pen()->SetStyle(psDash);
    canvas_->Brush()->SetStyle(bsClear);
    canvas_->Rectangle(0, 0, width_, height_);
  }
  if (onPaint_) onPaint_(this);
}

ZYL_CLASS_IMPL(TPaintBox) {
  b.Publish({"Align",      "Anchors",        "Color",       "Constraints", "DragCursor",
             "DragKind",   "DragMode",       "Enabled",     "Font",        "ParentColor",
             "ParentFont", "ParentShowHint", "PopupMenu",   "ShowHint",    "Visible",
             "OnClick",    "OnContextPopup", "OnDblClick",  "OnDragDrop",  "OnDragOver",
             "OnEndDock",  "OnEndDrag",      "OnMouseDown", "OnMouseMove", "OnMouseUp"})
      .Prop("OnPaint", &TPaintBox::GetOnPaint, &TPaintBox::SetOnPaint)
      .Publish({"OnStartDock", "OnStartDrag"});
}

// ---------------------------------------------------------------------------------------------
// TCustomRadioGroup

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner) : TCustomGroupBox(AOwner) {
  controlStyle_ = {csSetCaption, csDoubleClicks};
  items_ = new TStringList();
  items_->SetOnChange(TNotifyEvent(this, &TCustomRadioGroup::ItemsChanged));
}

TCustomRadioGroup::~TCustomRadioGroup() {
  items_->SetOnChange(TNotifyEvent());
  delete items_;
}

void TCustomRadioGroup::SetItems(TStrings* Value) { items_->Assign(Value); }

void TCustomRadioGroup::SetColumns(int32_t Value) {
  Value = std::clamp(Value, 1, 16);
  if (columns_ == Value) return;
  columns_ = Value;
  ArrangeButtons();
  Invalidate();
}

void TCustomRadioGroup::SetItemIndex(int32_t Value) {
  if (ComponentState().contains(csLoading) || ComponentState().contains(csReading)) {
    itemIndex_ = Value;
    return;
  }
  if (Value < -1) Value = -1;
  if (Value >= static_cast<int>(buttons_.size())) Value = static_cast<int>(buttons_.size()) - 1;
  if (itemIndex_ == Value) return;
  updating_ = true;
  if (itemIndex_ >= 0 && itemIndex_ < static_cast<int>(buttons_.size()))
    buttons_[static_cast<size_t>(itemIndex_)]->SetChecked(false);
  itemIndex_ = Value;
  if (itemIndex_ >= 0) buttons_[static_cast<size_t>(itemIndex_)]->SetChecked(true);
  updating_ = false;
}

TRadioButton* TCustomRadioGroup::Buttons(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(buttons_.size()))
    throw EListError(Format(SListIndexError, {Index}));
  return buttons_[static_cast<size_t>(Index)];
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  UpdateButtons();
}

void TCustomRadioGroup::CreateParams(TCreateParams& Params) {
  TCustomGroupBox::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
}

void TCustomRadioGroup::ItemsChanged(TObject*) {
  if (ComponentState().contains(csLoading) || ComponentState().contains(csReading)) return;
  UpdateButtons();
}

void TCustomRadioGroup::UpdateButtons() {
  const int n = items_->Count();
  while (static_cast<int>(buttons_.size()) > n) {
    delete buttons_.back();
    buttons_.pop_back();
  }
  while (static_cast<int>(buttons_.size()) < n) {
    // The buttons belong to the group itself, not to the form: they are not streamed.
    auto* b = new TRadioButton(nullptr);
    b->SetParent(this);
    b->SetOnClick(TNotifyEvent(this, &TCustomRadioGroup::ButtonClick));
    buttons_.push_back(b);
  }
  const int index = itemIndex_;
  updating_ = true;
  for (int i = 0; i < n; ++i) {
    TRadioButton* b = buttons_[static_cast<size_t>(i)];
    b->SetCaption(items_->Strings(i));
    b->SetEnabled(enabled_);
    b->SetChecked(i == index);
    b->SetTabStop(i == index);
  }
  updating_ = false;
  itemIndex_ = index < n ? index : -1;
  ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int rows = (static_cast<int>(buttons_.size()) + columns_ - 1) / columns_;
  const int h = FontHeight(font_);
  const int width = width_ - 10;
  const int colWidth = width / columns_;
  const int top = h + 1;
  const int height = height_ - top - 5;
  const int rowHeight = rows > 0 ? height / rows : height;
  const int gap = rows > 0 ? (height - rowHeight * rows) / 2 : 0;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const int col = static_cast<int>(i) / rows;
    const int row = static_cast<int>(i) % rows;
    buttons_[i]->SetBounds(col * colWidth + 8,
                           top + gap + row * rowHeight + (rowHeight - 17) / 2 + 1, colWidth - 8,
                           17);
    buttons_[i]->SetVisible(true);
  }
}

void TCustomRadioGroup::ButtonClick(TObject* Sender) {
  if (updating_) return;
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i] == Sender && buttons_[i]->Checked()) {
      itemIndex_ = static_cast<int>(i);
      Click();
      return;
    }
}

void TCustomRadioGroup::CMEnabledChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  for (TRadioButton* b : buttons_) b->SetEnabled(enabled_);
}

void TCustomRadioGroup::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  ArrangeButtons();
}

void TCustomRadioGroup::WMSize(TWMSize& Message) {
  ZYL_INHERITED(Message);
  ArrangeButtons();
}

ZYL_MESSAGE_MAP(TCustomRadioGroup) {
  m.On(CM_ENABLEDCHANGED, &TCustomRadioGroup::CMEnabledChanged)
      .On(CM_FONTCHANGED, &TCustomRadioGroup::CMFontChanged)
      .On(WM_SIZE, &TCustomRadioGroup::WMSize);
}
ZYL_CLASS_IMPL(TCustomRadioGroup) {
  using C = TCustomRadioGroup;
  b.Declare("Columns", &C::Columns, &C::SetColumns)
      .Default(1)
      .Declare("ItemIndex", &C::ItemIndex, &C::SetItemIndex)
      .Default(-1)
      .Declare("Items", &C::Items, &C::SetItems);
}

ZYL_CLASS_IMPL(TRadioGroup) {
  b.Publish({"Align",          "Anchors",        "BiDiMode",    "Caption",     "Color",
             "Columns",        "Ctl3D",          "DragCursor",  "DragKind",    "DragMode",
             "Enabled",        "Font",           "ItemIndex",   "Items",       "Constraints",
             "ParentBiDiMode", "ParentColor",    "ParentCtl3D", "ParentFont",  "ParentShowHint",
             "PopupMenu",      "ShowHint",       "TabOrder",    "TabStop",     "Visible",
             "OnClick",        "OnContextPopup", "OnDragDrop",  "OnDragOver",  "OnEndDock",
             "OnEndDrag",      "OnEnter",        "OnExit",      "OnStartDock", "OnStartDrag"});
}

namespace {
const controls_internal::TStandardClasses registered{
    &TPanel::StaticClass, &TTimer::StaticClass, &TRadioGroup::StaticClass, &TBevel::StaticClass,
    &TShape::StaticClass, &TImage::StaticClass, &TPaintBox::StaticClass};
}  // namespace

}  // namespace vcl
