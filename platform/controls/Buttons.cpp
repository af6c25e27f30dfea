#include "platform/controls/Buttons.h"

#include <algorithm>

#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlPaint.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

namespace {

bool Pressed(TButtonState s) { return s == bsDown || s == bsExclusive; }

// The stock pictures of the bitmap button kinds, 18 x 18 on the classic olive background.
constexpr int kStockSize = 18;
constexpr TColor kStockBack = clOlive;

void ThickLine(TCanvas* c, TColor color, int width, const std::vector<TPoint>& points) {
  c->Pen()->SetColor(color);
  c->Pen()->SetWidth(width);
  c->Polyline(points);
  c->Pen()->SetWidth(1);
}

void DrawStockGlyph(TBitmap* b, TBitBtnKind kind) {
  b->SetPixelFormat(pf24bit);
  b->SetSize(kStockSize, kStockSize);
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(kStockBack);
  c->FillRect(TRect{0, 0, kStockSize, kStockSize});
  c->Pen()->SetStyle(psSolid);
  switch (kind) {
    case bkOK:
    case bkYes: ThickLine(c, clGreen, 3, {{3, 9}, {7, 13}, {14, 4}}); break;
    case bkAll:
      ThickLine(c, clGreen, 2, {{1, 8}, {4, 11}, {9, 4}});
      ThickLine(c, clGreen, 2, {{7, 11}, {10, 14}, {16, 6}});
      break;
    case bkCancel:
      ThickLine(c, clRed, 3, {{4, 4}, {13, 13}});
      ThickLine(c, clRed, 3, {{13, 4}, {4, 13}});
      break;
    case bkNo:
      c->Brush()->SetStyle(bsClear);
      c->Pen()->SetColor(clRed);
      c->Pen()->SetWidth(2);
      c->Ellipse(2, 2, 16, 16);
      ThickLine(c, clRed, 2, {{5, 13}, {13, 5}});
      break;
    case bkAbort:
      c->Brush()->SetColor(clRed);
      c->Pen()->SetColor(clMaroon);
      c->Ellipse(2, 2, 16, 16);
      c->Brush()->SetColor(clWhite);
      c->FillRect(TRect{5, 8, 13, 10});
      break;
    case bkRetry:
      c->Brush()->SetStyle(bsClear);
      c->Pen()->SetColor(clGreen);
      c->Pen()->SetWidth(2);
      c->Arc(3, 3, 15, 15, 15, 9, 9, 3);
      c->Pen()->SetWidth(1);
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(clGreen);
      c->Polygon({{6, 1}, {10, 3}, {6, 6}});
      break;
    case bkIgnore:
      ThickLine(c, clNavy, 2, {{2, 9}, {13, 9}});
      c->Brush()->SetColor(clNavy);
      c->Pen()->SetColor(clNavy);
      c->Polygon({{12, 5}, {16, 9}, {12, 13}});
      break;
    case bkClose:
      c->Brush()->SetColor(clTeal);
      c->Pen()->SetColor(clBlack);
      c->Rectangle(5, 2, 13, 17);
      c->Brush()->SetColor(clYellow);
      c->FillRect(TRect{10, 9, 12, 11});
      break;
    case bkHelp:
      c->Font()->SetName("Arial");
      c->Font()->SetHeight(-16);
      c->Font()->SetStyle({fsBold});
      c->Font()->SetColor(clNavy);
      c->Brush()->SetStyle(bsClear);
      c->TextOut(5, 0, "?");
      break;
    case bkCustom: break;
  }
}

struct TKindInfo {
  const char* Caption;
  TModalResult Result;
};
const TKindInfo kKinds[] = {
    {"", 0},        {"OK", mrOk},  {"Cancel", mrCancel}, {"&Help", 0},        {"&Yes", mrYes},
    {"&No", mrNo},  {"&Close", 0}, {"Abort", mrAbort},   {"&Retry", mrRetry}, {"&Ignore", mrIgnore},
    {"&All", mrAll}};

}  // namespace

// ---------------------------------------------------------------------------------------------
// TButtonGlyph

TButtonGlyph::TButtonGlyph() : glyph_(new TBitmap) {}
TButtonGlyph::~TButtonGlyph() { delete glyph_; }

void TButtonGlyph::SetNumGlyphs(TNumGlyphs Value) {
  if (Value < 1 || Value > 4) throw EInvalidOperation(Format(SPropertyOutOfRange, {"NumGlyphs"}));
  numGlyphs_ = Value;
}

TSize TButtonGlyph::GlyphSize() const {
  if (glyph_->Empty()) return TSize{0, 0};
  return TSize{glyph_->Width() / numGlyphs_, glyph_->Height()};
}

void TButtonGlyph::CalcLayout(TCanvas* Canvas, const TRect& Client, const std::string& Caption,
                              TButtonLayout Layout, int Margin, int Spacing, TPoint& GlyphPos,
                              TRect& TextRect) {
  const TSize gs = GlyphSize();
  TSize ts{0, 0};
  if (!Caption.empty()) {
    TRect r{0, 0, Client.Width(), 0};
    Canvas->RequiredState({csHandleValid, csFontValid});
    // A caption with line breaks takes a line each, as wide as its widest line.
    DrawTextA(Canvas->Handle(), Caption.c_str(), static_cast<int>(Caption.size()), &r, DT_CALCRECT);
    ts = TSize{r.Right - r.Left, r.Bottom - r.Top};
  }
  // In 64 bits: a margin or spacing at int's limits puts the parts far off, never wraps them.
  const int64_t cw = Client.Width(), ch = Client.Height();
  const bool across = Layout == blGlyphLeft || Layout == blGlyphRight;
  int64_t gx = (cw - gs.cx + 1) / 2, gy = (ch - gs.cy + 1) / 2;
  int64_t tx = (cw - ts.cx + 1) / 2, ty = (ch - ts.cy + 1) / 2;
  int64_t margin = Margin, spacing = Spacing;
  if (ts.cx == 0 || gs.cx == 0) spacing = 0;
  const int64_t room = across ? cw : ch;
  const int64_t g = across ? gs.cx : gs.cy;
  const int64_t t = across ? ts.cx : ts.cy;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (room - g - t) / 3;
      spacing = margin;
    } else {
      margin = (room - g - spacing - t + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (room - margin - g - t) / 2;
  }
  switch (Layout) {
    case blGlyphLeft:
      gx = margin;
      tx = gx + gs.cx + spacing;
      break;
    case blGlyphRight:
      gx = cw - margin - gs.cx;
      tx = gx - spacing - ts.cx;
      break;
    case blGlyphTop:
      gy = margin;
      ty = gy + gs.cy + spacing;
      break;
    case blGlyphBottom:
      gy = ch - margin - gs.cy;
      ty = gy - spacing - ts.cy;
      break;
  }
  GlyphPos = TPoint{ClampToInt(gx + Client.Left), ClampToInt(gy + Client.Top)};
  const int left = ClampToInt(tx + Client.Left), top = ClampToInt(ty + Client.Top);
  TextRect = TRect{left, top, ClampToInt(int64_t{left} + ts.cx), ClampToInt(int64_t{top} + ts.cy)};
}

void TButtonGlyph::DrawGlyph(TCanvas* Canvas, const TPoint& At, TButtonState State) {
  const TSize gs = GlyphSize();
  if (gs.cx == 0) return;
  // A glyph placed at the end of int's range lies off every canvas.
  if (int64_t{At.X} + gs.cx + 1 > INT32_MAX || int64_t{At.Y} + gs.cy + 1 > INT32_MAX) return;
  int image = 0;
  if (State == bsDisabled && numGlyphs_ > 1)
    image = 1;
  else if (State == bsDown && numGlyphs_ > 2)
    image = 2;
  else if (State == bsExclusive && numGlyphs_ > 3)
    image = 3;
  const bool emboss = State == bsDisabled && numGlyphs_ < 2;
  const int x0 = image * gs.cx;
  TCanvas* src = glyph_->Canvas();
  const TColor clear = src->Pixels(x0, gs.cy - 1);
  HDC dc = Canvas->Handle();
  const auto light = static_cast<COLORREF>(ColorToRGB(clBtnHighlight));
  const auto shade = static_cast<COLORREF>(ColorToRGB(clBtnShadow));
  for (int pass = emboss ? 0 : 1; pass < 2; ++pass) {
    for (int y = 0; y < gs.cy; ++y) {
      for (int x = 0; x < gs.cx; ++x) {
        const TColor c = src->Pixels(x0 + x, y);
        if (c == clear) continue;
        if (!emboss) {
          SetPixel(dc, At.X + x, At.Y + y, static_cast<COLORREF>(ColorToRGB(c)));
          continue;
        }
        // The embossed look keeps the darker pixels only: a light copy below, a shadow on top.
        const int rgb = ColorToRGB(c);
        const int lum = ((rgb & 0xFF) * 30 + ((rgb >> 8) & 0xFF) * 59 + ((rgb >> 16) & 0xFF) * 11);
        if (lum >= 192 * 100) continue;
        if (pass == 0)
          SetPixel(dc, At.X + x + 1, At.Y + y + 1, light);
        else
          SetPixel(dc, At.X + x, At.Y + y, shade);
      }
    }
  }
}

TRect TButtonGlyph::Draw(TCanvas* Canvas, const TRect& Client, const TPoint& Offset,
                         const std::string& Caption, TButtonLayout Layout, int Margin, int Spacing,
                         TButtonState State) {
  TPoint gp;
  TRect tr;
  CalcLayout(Canvas, Client, Caption, Layout, Margin, Spacing, gp, tr);
  gp = TPoint{ClampToInt(int64_t{gp.X} + Offset.X), ClampToInt(int64_t{gp.Y} + Offset.Y)};
  OffsetRect(&tr, Offset.X, Offset.Y);
  DrawGlyph(Canvas, gp, State);
  Canvas->Brush()->SetStyle(bsClear);
  // The text rectangle is exactly as high as the lines: each line is centred across it.
  DrawCaption(Canvas, Caption, tr, DT_CENTER, State != bsDisabled);
  return tr;
}

// ---------------------------------------------------------------------------------------------
// TGlyphButton

template <class Base>
void TGlyphButton<Base>::SetLayout(TButtonLayout Value) {
  layout_ = Value;
  this->Invalidate();
}
template <class Base>
void TGlyphButton<Base>::SetMargin(int32_t Value) {
  if (Value < -1) throw EInvalidOperation(Format(SPropertyOutOfRange, {this->ClassName()}));
  margin_ = Value;
  this->Invalidate();
}
template <class Base>
void TGlyphButton<Base>::SetSpacing(int32_t Value) {
  if (Value < -1) throw EInvalidOperation(Format(SPropertyOutOfRange, {this->ClassName()}));
  spacing_ = Value;
  this->Invalidate();
}
template <class Base>
void TGlyphButton<Base>::SetNumGlyphs(TNumGlyphs Value) {
  glyph_.SetNumGlyphs(Value);
  this->Invalidate();
}
template <class Base>
void TGlyphButton<Base>::DrawGlyphAndCaption(TCanvas* Canvas, const TRect& Client,
                                             const TPoint& Offset, TButtonState State) {
  glyph_.Draw(Canvas, Client, Offset, this->text_, layout_, margin_, spacing_, State);
}

template class TGlyphButton<TGraphicControl>;
template class TGlyphButton<TButton>;

// ---------------------------------------------------------------------------------------------
// TSpeedButton

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGlyphButton(AOwner) {
  controlStyle_ = {csCaptureMouse, csDoubleClicks};
  width_ = 23;
  height_ = 22;
  SetParentColor(true);
  glyph_.Glyph()->OnChange = TNotifyEvent(this, &TSpeedButton::GlyphChanged);
}

TSpeedButton::~TSpeedButton() { glyph_.Glyph()->OnChange = TNotifyEvent(); }

void TSpeedButton::GlyphChanged(TObject*) { Invalidate(); }

void TSpeedButton::SetGlyph(TBitmap* Value) { glyph_.Glyph()->Assign(Value); }

void TSpeedButton::SetFlat(bool Value) {
  flat_ = Value;
  Invalidate();
}
void TSpeedButton::SetTransparent(bool Value) {
  transparent_ = Value;
  if (Value)
    controlStyle_ -= csOpaque;
  else
    controlStyle_ += csOpaque;
  Invalidate();
}

void TSpeedButton::SetDown(bool Value) {
  if (groupIndex_ == 0) Value = false;
  if (Value == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = Value;
  state_ = Value ? bsExclusive : bsUp;
  Invalidate();
  if (Value) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (allowAllUp_ == Value) return;
  allowAllUp_ = Value;
  UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int32_t Value) {
  if (groupIndex_ == Value) return;
  groupIndex_ = Value;
  UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
  if (groupIndex_ == 0 || !parent_ || ComponentState().contains(csLoading)) return;
  TMessage m{};
  m.Msg = CM_BUTTONPRESSED;
  m.WParam = static_cast<WPARAM>(groupIndex_);
  m.LParam = PtrToLParam(this);
  parent_->Broadcast(m);
}

void TSpeedButton::CMButtonPressed(TMessage& Message) {
  auto* sender = reinterpret_cast<TSpeedButton*>(Message.LParam);
  if (static_cast<int32_t>(Message.WParam) != groupIndex_ || sender == this || !sender) return;
  if (sender->down_ && down_) {
    down_ = false;
    state_ = bsUp;
    Invalidate();
  }
  allowAllUp_ = sender->allowAllUp_;
}

void TSpeedButton::Loaded() {
  TGraphicControl::Loaded();
  if (down_) UpdateExclusive();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft && enabled_) {
    if (!down_) {
      state_ = bsDown;
      Invalidate();
    }
    dragging_ = true;
  }
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!dragging_) return;
  const bool inside = X >= 0 && X < width_ && Y >= 0 && Y < height_;
  TButtonState s = down_ ? bsExclusive : bsUp;
  if (inside) s = down_ ? bsExclusive : bsDown;
  if (s != state_) {
    state_ = s;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!dragging_ || Button != mbLeft) return;
  dragging_ = false;
  const bool doClick = X >= 0 && X < width_ && Y >= 0 && Y < height_;
  if (groupIndex_ == 0) {
    state_ = bsUp;
    Invalidate();
  } else if (doClick) {
    SetDown(!down_);
    state_ = down_ ? bsExclusive : bsUp;
    Invalidate();
  } else {
    state_ = down_ ? bsExclusive : bsUp;
    Invalidate();
  }
  if (doClick) Click();
}

void TSpeedButton::Paint() {
  TCanvas* c = canvas_;
  TRect r{0, 0, width_, height_};
  const TButtonState shown = !enabled_ ? bsDisabled : state_;
  const bool pressed = Pressed(state_);
  if (!flat_) {
    RECT e = r;
    DrawFrameControl(c->Handle(), &e, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
    r = e;
  } else {
    if (!transparent_) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(color_);
      c->FillRect(r);
    }
    if (pressed || (mouseInControl_ && enabled_) || ComponentState().contains(csDesigning)) {
      RECT e = r;
      DrawEdge(c->Handle(), &e, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    InflateRect(&r, -1, -1);
  }
  if (state_ == bsExclusive && (!flat_ || !mouseInControl_)) {
    // A button that stays down shows a checkered face.
    const auto light = static_cast<COLORREF>(ColorToRGB(clBtnHighlight));
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left + ((y ^ r.Top) & 1); x < r.Right; x += 2)
        SetPixel(c->Handle(), x, y, light);
  }
  c->Font()->Assign(font_);
  const TPoint offset = pressed ? TPoint{1, 1} : TPoint{0, 0};
  DrawGlyphAndCaption(c, r, offset, shown);
}

void TSpeedButton::CMEnabledChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}
void TSpeedButton::CMTextChanged(TMessage&) { Invalidate(); }
void TSpeedButton::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}
void TSpeedButton::CMMouseEnter(TMessage& Message) {
  ZYL_INHERITED(Message);
  mouseInControl_ = true;
  if (flat_ && enabled_) Invalidate();
}
void TSpeedButton::CMMouseLeave(TMessage& Message) {
  ZYL_INHERITED(Message);
  mouseInControl_ = false;
  if (flat_ && enabled_) Invalidate();
}
void TSpeedButton::CMDialogChar(TCMDialogChar& Message) {
  if (IsAccel(Message.CharCode(), text_) && enabled_ && Visible() && parent_ &&
      parent_->Showing()) {
    Click();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

ZYL_MESSAGE_MAP(TSpeedButton) {
  m.On(CM_BUTTONPRESSED, &TSpeedButton::CMButtonPressed)
      .On(CM_ENABLEDCHANGED, &TSpeedButton::CMEnabledChanged)
      .On(CM_TEXTCHANGED, &TSpeedButton::CMTextChanged)
      .On(CM_FONTCHANGED, &TSpeedButton::CMFontChanged)
      .On(CM_MOUSEENTER, &TSpeedButton::CMMouseEnter)
      .On(CM_MOUSELEAVE, &TSpeedButton::CMMouseLeave)
      .On(CM_DIALOGCHAR, &TSpeedButton::CMDialogChar);
}

ZYL_CLASS_IMPL(TSpeedButton) {
  using C = TSpeedButton;
  b.Publish("Action");
  b.Prop("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp)
      .Default(false)
      .Publish({"Anchors", "BiDiMode", "Constraints"})
      .Prop("GroupIndex", &C::GroupIndex, &C::SetGroupIndex)
      .Default(0)
      .Prop("Down", &C::Down, &C::SetDown)
      .Default(false)
      .Publish({"Caption", "Enabled"})
      .Prop("Flat", &C::Flat, &C::SetFlat)
      .Default(false)
      .Publish("Font")
      .Prop("Glyph", &C::Glyph, &C::SetGlyph)
      .Prop("Layout", &C::Layout, &C::SetLayout)
      .Default(blGlyphLeft)
      .Prop("Margin", &C::Margin, &C::SetMargin)
      .Default(-1)
      .Prop("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs)
      .Default(1)
      .Publish({"ParentFont", "ParentShowHint", "ParentBiDiMode", "PopupMenu", "ShowHint"})
      .Prop("Spacing", &C::Spacing, &C::SetSpacing)
      .Default(4)
      .Prop("Transparent", &C::Transparent, &C::SetTransparent)
      .Default(true)
      .Publish({"Visible", "OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
}

// ---------------------------------------------------------------------------------------------
// TBitBtn

TBitBtn::TBitBtn(TComponent* AOwner) : TGlyphButton(AOwner) {
  glyph_.Glyph()->OnChange = TNotifyEvent(this, &TBitBtn::GlyphChanged);
}

TBitBtn::~TBitBtn() { glyph_.Glyph()->OnChange = TNotifyEvent(); }

void TBitBtn::GlyphChanged(TObject*) {
  if (!settingKind_) kind_ = bkCustom;
  Invalidate();
}

void TBitBtn::SetGlyph(TBitmap* Value) {
  glyph_.Glyph()->Assign(Value);
  kind_ = bkCustom;
}

TBitBtnKind TBitBtn::Kind() const {
  if (kind_ != bkCustom && modalResult_ != kKinds[kind_].Result) return bkCustom;
  return kind_;
}

void TBitBtn::SetKind(TBitBtnKind Value) {
  if (Value == Kind()) return;
  if (Value != bkCustom) {
    settingKind_ = true;
    TFinally done([this] { settingKind_ = false; });
    SetDefault(Value == bkOK || Value == bkYes);
    SetCancel(Value == bkCancel || Value == bkNo);
    SetModalResult(kKinds[Value].Result);
    // A form file holds the caption before the kind: a caption read then stays.
    if (!ComponentState().contains(csLoading) || Caption().empty())
      SetCaption(kKinds[Value].Caption);
    DrawStockGlyph(glyph_.Glyph(), Value);
    glyph_.SetNumGlyphs(1);
  }
  kind_ = Value;
  Invalidate();
}

bool TBitBtn::IsCustomCaption() { return Kind() == bkCustom || Caption() != kKinds[kind_].Caption; }

void TBitBtn::SetStyle(TButtonStyle Value) {
  style_ = Value;
  Invalidate();
}

void TBitBtn::Click() {
  if (kind_ == bkClose) {
    if (TCustomForm* form = GetParentForm()) {
      form->Close();
      return;
    }
  }
  TButton::Click();
}

void TBitBtn::Paint() {
  TCanvas* c = canvas_;
  TRect r = PaintFace(c);
  TRect inner = r;
  InflateRect(&inner, -2, -2);
  c->Font()->Assign(font_);
  const TButtonState state = !enabled_ ? bsDisabled : down_ ? bsDown : bsUp;
  const TPoint offset = down_ ? TPoint{1, 1} : TPoint{0, 0};
  DrawGlyphAndCaption(c, inner, offset, state);
  if (Focused()) {
    TRect f = r;
    InflateRect(&f, -3, -3);
    c->Brush()->SetStyle(bsSolid);
    c->DrawFocusRect(f);
  }
}

ZYL_MESSAGE_MAP(TBitBtn) {}

ZYL_CLASS_IMPL(TBitBtn) {
  using C = TBitBtn;
  b.Publish("Action");
  b.Publish("Cancel")
      .Stored(&C::IsCustom)
      .Publish("Caption")
      .Stored(&C::IsCustomCaption)
      .Publish("Default")
      .Stored(&C::IsCustom)
      .Prop("Glyph", &C::Glyph, &C::SetGlyph)
      .Stored(&C::IsCustom)
      .Prop("Kind", &C::Kind, &C::SetKind)
      .Default(bkCustom)
      .Prop("Layout", &C::Layout, &C::SetLayout)
      .Default(blGlyphLeft)
      .Prop("Margin", &C::Margin, &C::SetMargin)
      .Default(-1)
      .Publish("ModalResult")
      .Stored(&C::IsCustom)
      .Prop("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs)
      .Stored(&C::IsCustom)
      .Default(1)
      .Prop("Style", &C::Style, &C::SetStyle)
      .Default(bsAutoDetect)
      .Prop("Spacing", &C::Spacing, &C::SetSpacing)
      .Default(4);
}

void RegisterButtons() { RegisterClasses({TSpeedButton::StaticClass(), TBitBtn::StaticClass()}); }

namespace {
struct TRegisterButtons {
  TRegisterButtons() { RegisterButtons(); }
} registerButtons;
}  // namespace

}  // namespace vcl
