#include "platform/controls/HeaderCtrls.h"

#include <algorithm>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlPaint.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

namespace {
constexpr int kDividerZone = 3;  // how near a divider the mouse grabs it
constexpr int kTextIndent = 6;
}  // namespace

// ---------------------------------------------------------------------------------------------
// THeaderSection

THeaderSection::THeaderSection(TCollection* Collection) : TCollectionItem(Collection) {}

void THeaderSection::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<THeaderSection*>(Source)) {
    allowClick_ = s->allowClick_;
    alignment_ = s->alignment_;
    autoSize_ = s->autoSize_;
    imageIndex_ = s->imageIndex_;
    maxWidth_ = s->maxWidth_;
    minWidth_ = s->minWidth_;
    style_ = s->style_;
    text_ = s->text_;
    width_ = s->width_;
    Changed(true);
    return;
  }
  TCollectionItem::Assign(Source);
}

std::string THeaderSection::DisplayName() const {
  return text_.empty() ? TCollectionItem::DisplayName() : text_;
}

int THeaderSection::Left() const {
  int x = 0;
  auto* c = Collection();
  for (int i = 0; i < Index(); ++i) x += static_cast<THeaderSection*>(c->Items(i))->Width();
  return x;
}

void THeaderSection::SetAlignment(TAlignment Value) {
  alignment_ = Value;
  Changed(false);
}
void THeaderSection::SetAutoSize(bool Value) {
  autoSize_ = Value;
  Changed(true);
}
void THeaderSection::SetImageIndex(int32_t Value) {
  imageIndex_ = Value;
  Changed(false);
}
void THeaderSection::SetStyle(THeaderSectionStyle Value) {
  style_ = Value;
  Changed(false);
}
void THeaderSection::SetText(const std::string& Value) {
  text_ = Value;
  Changed(false);
}
void THeaderSection::SetMaxWidth(int32_t Value) {
  if (Value < 0) throw EInvalidOperation(Format(SPropertyOutOfRange, {"MaxWidth"}));
  maxWidth_ = std::max(Value, minWidth_);
  SetWidth(width_);
}
void THeaderSection::SetMinWidth(int32_t Value) {
  if (Value < 0) throw EInvalidOperation(Format(SPropertyOutOfRange, {"MinWidth"}));
  minWidth_ = std::min(Value, maxWidth_);
  SetWidth(width_);
}
void THeaderSection::SetWidth(int32_t Value) {
  width_ = std::clamp(Value, minWidth_, maxWidth_);
  Changed(true);
}

ZYL_CLASS_IMPL(THeaderSection) {
  using C = THeaderSection;
  b.Prop("AllowClick", &C::AllowClick, &C::SetAllowClick)
      .Default(true)
      .Prop("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(taLeftJustify)
      .Prop("AutoSize", &C::AutoSize, &C::SetAutoSize)
      .Default(false)
      .Prop("ImageIndex", &C::ImageIndex, &C::SetImageIndex)
      .Default(-1)
      .Prop("MaxWidth", &C::MaxWidth, &C::SetMaxWidth)
      .Default(10000)
      .Prop("MinWidth", &C::MinWidth, &C::SetMinWidth)
      .Default(0)
      .Prop("Style", &C::Style, &C::SetStyle)
      .Default(hsText)
      .Prop("Text", &C::Text, &C::SetText)
      .Prop("Width", &C::Width, &C::SetWidth);
}

// ---------------------------------------------------------------------------------------------
// THeaderSections

THeaderSections::THeaderSections(THeaderControl* HeaderControl)
    : TCollection(THeaderSection::StaticClass()), header_(HeaderControl) {}

TPersistent* THeaderSections::GetOwner() { return header_; }

void THeaderSections::Update(TCollectionItem*) { header_->Invalidate(); }

ZYL_CLASS_IMPL(THeaderSections) {}

// ---------------------------------------------------------------------------------------------
// THeaderControl

THeaderControl::THeaderControl(TComponent* AOwner)
    : TCustomControl(AOwner), sections_(new THeaderSections(this)) {
  controlStyle_ = {csCaptureMouse, csDoubleClicks, csOpaque};
  SetColor(clBtnFace);
  width_ = 250;
  height_ = 17;
  SetAlign(alTop);
}

THeaderControl::~THeaderControl() { delete sections_; }

void THeaderControl::SetStyle(THeaderStyle Value) {
  style_ = Value;
  Invalidate();
}
void THeaderControl::SetHotTrack(bool Value) {
  hotTrack_ = Value;
  Invalidate();
}

int THeaderControl::SectionAt(int X) {
  int x = 0;
  for (int i = 0; i < sections_->Count(); ++i) {
    const int w = sections_->Items(i)->Width();
    if (X >= x && X < x + w) return i;
    x += w;
  }
  return -1;
}

int THeaderControl::DividerAt(int X) {
  // The rightmost divider within reach wins, so that a section squeezed to nothing can be
  // pulled open again.
  int x = 0, found = -1;
  for (int i = 0; i < sections_->Count(); ++i) {
    x += sections_->Items(i)->Width();
    if (X >= x - kDividerZone && X <= x + kDividerZone) found = i;
  }
  return found;
}

int THeaderControl::Track(THeaderSection* Section, int Width, TSectionTrackState State) {
  Width = std::clamp(Width, Section->MinWidth(), Section->MaxWidth());
  if (OnSectionTrack) OnSectionTrack(this, Section, Width, State);
  return Width;
}

void THeaderControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const int divider = DividerAt(X);
  if (divider >= 0) {
    THeaderSection* s = sections_->Items(divider);
    tracking_ = divider;
    trackOffset_ = X - s->Right();
    trackWidth_ = Track(s, s->Width(), tsTrackBegin);
    return;
  }
  const int i = SectionAt(X);
  if (i >= 0 && sections_->Items(i)->AllowClick()) {
    pressed_ = i;
    pressedIn_ = true;
    Invalidate();
  }
}

void THeaderControl::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (tracking_ >= 0) {
    THeaderSection* s = sections_->Items(tracking_);
    trackWidth_ = Track(s, X - trackOffset_ - s->Left(), tsTrackMove);
    if (fullDrag_ && trackWidth_ != s->Width()) {
      s->SetWidth(trackWidth_);
      Update();
    }
  } else if (pressed_ >= 0) {
    const bool in = SectionAt(X) == pressed_ && Y >= 0 && Y < height_;
    if (in != pressedIn_) {
      pressedIn_ = in;
      Invalidate();
    }
  }
}

void THeaderControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && tracking_ >= 0) {
    THeaderSection* s = sections_->Items(tracking_);
    tracking_ = -1;
    const int w = Track(s, X - trackOffset_ - s->Left(), tsTrackEnd);
    s->SetWidth(w);
    if (OnSectionResize) OnSectionResize(this, s);
  } else if (Button == mbLeft && pressed_ >= 0) {
    const int i = pressed_;
    const bool click = pressedIn_;
    pressed_ = -1;
    pressedIn_ = false;
    Invalidate();
    if (click && OnSectionClick) OnSectionClick(this, sections_->Items(i));
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void THeaderControl::DrawSection(THeaderSection* Section, const TRect& Rect, bool Pressed) {
  TCanvas* c = canvas_;
  TRect r = Rect;
  RECT e = r;
  if (style_ == hsFlat && !Pressed) {
    // Flat sections are divided by an etched line only.
    RECT line{r.Right - 2, r.Top + 2, r.Right, r.Bottom - 2};
    DrawEdge(c->Handle(), &line, EDGE_ETCHED, BF_LEFT);
  } else if (Pressed) {
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(r);
  } else {
    DrawEdge(c->Handle(), &e, EDGE_RAISED, BF_RECT);
  }
  if (!Section) return;
  TRect inner = r;
  InflateRect(&inner, -2, -2);
  if (Pressed) OffsetRect(&inner, 1, 1);
  c->Font()->Assign(font_);
  if (Section->Style() == hsOwnerDraw) {
    if (OnDrawSection) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(color_);
      OnDrawSection(this, Section, inner, Pressed);
    }
    return;
  }
  static const unsigned kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  inner.Left += kTextIndent - 2;
  inner.Right -= kTextIndent - 2;
  c->Brush()->SetStyle(bsClear);
  DrawCaption(c, Section->Text(), inner,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | kAlign[Section->Alignment()],
              enabled_);
}

void THeaderControl::Paint() {
  TCanvas* c = canvas_;
  c->Brush()->SetColor(color_);
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(TRect{0, 0, width_, height_});
  int x = 0;
  for (int i = 0; i < sections_->Count() && x < width_; ++i) {
    THeaderSection* s = sections_->Items(i);
    const TRect r{x, 0, x + s->Width(), height_};
    if (s->Width() > 0) DrawSection(s, r, i == pressed_ && pressedIn_);
    x = r.Right;
  }
  // The space after the last section looks like an empty one.
  if (x < width_ && style_ == hsButtons)
    DrawSection(nullptr, TRect{x, 0, width_ + 2, height_}, false);
}

void THeaderControl::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

ZYL_MESSAGE_MAP(THeaderControl) { m.On(CM_FONTCHANGED, &THeaderControl::CMFontChanged); }

ZYL_CLASS_IMPL(THeaderControl) {
  using C = THeaderControl;
  b.Publish("Align")
      .Default(alTop)
      .Publish({"Anchors", "BiDiMode"})
      .Prop("BorderWidth", &C::BorderWidth, &C::SetBorderWidth)
      .Default(0)
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled", "Font", "Constraints"})
      .Prop("FullDrag", &C::FullDrag, &C::SetFullDrag)
      .Default(true)
      .Prop("HotTrack", &C::HotTrack, &C::SetHotTrack)
      .Default(false)
      .Prop("Sections", &C::Sections, &C::SetSections)
      .Prop("Style", &C::Style, &C::SetStyle)
      .Default(hsButtons)
      .Publish({"ParentBiDiMode", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint",
                "Visible", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnMouseDown",
                "OnMouseMove", "OnMouseUp", "OnResize", "OnStartDock", "OnStartDrag"})
      .Prop("OnDrawSection", &C::GetOnDrawSection, &C::SetOnDrawSection)
      .Prop("OnSectionClick", &C::GetOnSectionClick, &C::SetOnSectionClick)
      .Prop("OnSectionResize", &C::GetOnSectionResize, &C::SetOnSectionResize)
      .Prop("OnSectionTrack", &C::GetOnSectionTrack, &C::SetOnSectionTrack);
}

}  // namespace vcl
