#include "display/ZYLScrollText.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwnedComponent.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLTimer.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"

namespace zyl {

using vcl::TPoint;
using vcl::TRect;

namespace {

bool IsLoading(const vcl::TComponent* C) { return C->ComponentState().contains(vcl::csLoading); }

constexpr int32_t kTextFlags = win::DT_SINGLELINE | win::DT_NOPREFIX;

// One piece of a line between bold tags.
struct TPiece {
  std::string Text;
  bool Bold;
};

// Splits Line into runs. Before each run the tags at the current place are consumed ("</b>"
// bold off, "<b>" bold on); a run reaches to the nearer next tag or the end of the line. Bold
// carries the state in and out, so that it passes to the next line.
std::vector<TPiece> SplitRuns(const std::string& Line, bool& Bold) {
  static const std::string kOn = "<b>";
  static const std::string kOff = "</b>";
  std::vector<TPiece> runs;
  size_t pos = 0;
  while (pos < Line.size()) {
    for (;;) {
      if (Line.compare(pos, kOff.size(), kOff) == 0) {
        Bold = false;
        pos += kOff.size();
      } else if (Line.compare(pos, kOn.size(), kOn) == 0) {
        Bold = true;
        pos += kOn.size();
      } else {
        break;
      }
    }
    if (pos >= Line.size()) break;
    const size_t next = std::min(Line.find(kOn, pos), Line.find(kOff, pos));
    const size_t end = next == std::string::npos ? Line.size() : next;
    runs.push_back({Line.substr(pos, end - pos), Bold});
    pos = end;
  }
  return runs;
}

void SetBoldStyle(vcl::TFont* Font, bool Bold) {
  vcl::TFontStyles s = Font->Style();
  if (Bold)
    s.Include(vcl::fsBold);
  else
    s.Exclude(vcl::fsBold);
  if (!(s == Font->Style())) Font->SetStyle(s);
}

bool Intersects(const TRect& A, const TRect& B) {
  return std::max(A.Left, B.Left) < std::min(A.Right, B.Right) &&
         std::max(A.Top, B.Top) < std::min(A.Bottom, B.Bottom);
}

// Clears a flag when the scope ends, also on an exception.
struct TFlagGuard {
  bool& Flag;
  explicit TFlagGuard(bool& F) : Flag(F) { Flag = true; }
  ~TFlagGuard() { Flag = false; }
};

}  // namespace

ZYL_MESSAGE_MAP(TZYLScrollText) { m.On(vcl::CM_FONTCHANGED, &TZYLScrollText::CMFontChanged); }

ZYL_CLASS_IMPL(TZYLScrollText) {
  using C = TZYLScrollText;
  b.Publish("About")
      .Publish({"Align", "Anchors"})
      .Prop("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(vcl::taCenter)
      .Publish({"Color", "Constraints"})
      .Prop("Direction", &C::Direction, &C::SetDirection)
      .Default(sdBottomToTop)
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled", "Font"})
      .Prop("Font3D", &C::Font3D, &C::SetFont3D)
      .Prop("Interval", &C::Interval, &C::SetInterval)
      .Default(100)
      .Prop("Lines", &C::Lines, &C::SetLines)
      .Prop("MakeVisible", &C::GetBool, &C::SetBool)
      .Index(bpMakeVisible)
      .Default(true)
      .Publish({"ParentColor", "ParentFont", "ParentShowHint", "PopupMenu"})
      .Prop("Scroll", &C::GetBool, &C::SetBool)
      .Index(bpScroll)
      .Stored(false)
      .Prop("ScrollMode", &C::ScrollMode, &C::SetMode)
      .Default(smMarquee)
      .Prop("ScrollStyle", &C::ScrollStyle, &C::SetStyle)
      .Default(ssLoop)
      .Publish("ShowHint")
      .Prop("Steps", &C::Steps, &C::SetSteps)
      .Default(100)
      .Prop("ThreadPriority", &C::ThreadPriority, &C::SetThreadPriority)
      .Default(vcl::tpNormal)
      .Prop("TimerMode", &C::TimerMode, &C::SetTimerMode)
      .Default(tmNormal)
      .Prop("Transparent", &C::GetBool, &C::SetBool)
      .Index(bpTransparent)
      .Default(false)
      .Publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
      .Prop("OnScroll", &C::GetOnScroll, &C::SetOnScroll)
      .Prop("OnStart", &C::GetOnStart, &C::SetOnStart)
      .Publish({"OnStartDock", "OnStartDrag"})
      .Prop("OnStop", &C::GetOnStop, &C::SetOnStop);
}

TZYLScrollText::TZYLScrollText(vcl::TComponent* AOwner) : inherited(AOwner) {
  DisableTransMode();
  FBackBitmap.reset(new vcl::TBitmap());
  FFont3D.reset(new TZYL3DCaption(), vcl::TNotifyEvent(this, &TZYLScrollText::GetChange));
  FLines.reset(new vcl::TStringList());
  FLines->Add(ClassName());
  FLines->SetEmptyStored(true);
  FLines.Link(vcl::TNotifyEvent(this, &TZYLScrollText::GetChange));
  SetBounds(Left(), Top(), 200, 20);
  FTimer.Activate();
  CalculateDimensions();
}

TZYLScrollText::~TZYLScrollText() {
  // Stopping on the way out raises no event.
  Destroying();
  Stop();
  FTimer.Free();
  FBackBitmap.reset();
  FFont3D.reset();
  FLines.reset();
}

// ---- Settings ----

bool TZYLScrollText::GetBool(int Index) const {
  switch (Index) {
    case bpMakeVisible:
      return FMakeVisible;
    case bpScroll:
      return FScroll;
    default:
      return FTransparentOwn;
  }
}

void TZYLScrollText::SetBool(int Index, bool Value) {
  switch (Index) {
    case bpMakeVisible:
      FMakeVisible = Value;
      break;
    case bpScroll:
      if (Value == FScroll) return;
      if (Value) {
        Execute();
      } else {
        Stop();
        if (ComponentState().contains(vcl::csDesigning)) InvalidateControl();
      }
      break;
    default:
      if (Value == FTransparentOwn) return;
      FTransparentOwn = Value;
      SetTransparent(Value);
      Stop();
      if (Value) {
        FBackRefresh = true;
      } else {
        FBackBitmap->SetSize(0, 0);
        FBackBitmap->Dormant();
      }
      InvalidateControl();
      break;
  }
}

void TZYLScrollText::SetAlignment(vcl::TAlignment Value) {
  if (ZYLStoreValue(FAlignment, Value) && !FScroll) InvalidateControl();
}

void TZYLScrollText::SetDirection(TZYLScrollDirection Value) {
  if (Value == FDirection) return;
  Stop();
  FDirection = Value;
}

void TZYLScrollText::SetStyle(TZYLScrollStyle Value) {
  if (Value == FScrollStyle) return;
  Stop();
  FScrollStyle = Value;
}

void TZYLScrollText::SetMode(TZYLScrollMode Value) {
  if (Value == FScrollMode) return;
  Stop();
  FScrollMode = Value;
  // The two modes measure differently: the block's size follows the mode at once.
  if (!IsLoading(this)) {
    CalculateDimensions();
    InvalidateControl();
  }
}

void TZYLScrollText::SetInterval(TZYLTimerInterval Value) {
  FTimer.SetInterval(Value, IsLoading(this));
}

void TZYLScrollText::SetSteps(int32_t Value) {
  if (Value < 1 || Value == FSteps) return;
  Stop();
  FSteps = Value;
}

void TZYLScrollText::SetFont3D(TZYL3DCaption* Value) {
  if (Value) FFont3D->Assign(Value);
}

vcl::TStrings* TZYLScrollText::Lines() const { return FLines.get(); }

void TZYLScrollText::SetLines(vcl::TStrings* Value) {
  if (Value) FLines->Assign(Value);
}

void TZYLScrollText::SetTimerMode(TZYLTimerMode Value) { FTimer.SetMode(Value, IsLoading(this)); }

// ---- Running ----

void TZYLScrollText::ExecuteEnh(int32_t Start) {
  if (IsLoading(this) || GetEmpty()) return;
  if (FScroll) Stop();
  if (!Visible()) {
    if (!FMakeVisible) return;
    SetVisible(true);
  }
  FScroll = true;
  FStepCounter = (Start >= 0 && Start <= FSteps - 1) ? Start : 0;
  TZYLFreeWatch life;  // a handler may free the control
  life.Watch(this);
  if (FOnStart) FOnStart(this);
  if (!life.Watched() || !FScroll) return;  // OnStart freed or stopped it again
  // Running before the first frame, whose OnScroll may raise, stop the run or free the control.
  FTimer.Enable(true);
  PaintImage();
}

void TZYLScrollText::Stop() {
  if (!FScroll) return;
  FTimer.Enable(false);
  FScroll = false;
  FStepCounter = 0;
  if (!ComponentState().contains(vcl::csDestroying) && FOnStop) FOnStop(this);
}

void TZYLScrollText::Reverse() {
  FStepCounter = FSteps - FStepCounter;
  switch (FDirection) {
    case sdBottomToTop:
      FDirection = sdTopToBottom;
      break;
    case sdTopToBottom:
      FDirection = sdBottomToTop;
      break;
    case sdLeftToRight:
      FDirection = sdRightToLeft;
      break;
    case sdRightToLeft:
      FDirection = sdLeftToRight;
      break;
  }
}

void TZYLScrollText::GetTimer(vcl::TObject* /*Sender*/) {
  if (!FScroll) return;
  ++FStepCounter;
  // FOnScroll may have freed the control or stopped the run.
  if (!PaintImage()) return;
  if (!FScroll || FStepCounter <= FSteps) return;
  switch (FScrollStyle) {
    case ssLoop:
      FStepCounter = 0;
      break;
    case ssLoopReverse:
      Reverse();
      break;
    case ssOnce:
      Stop();
      break;
  }
}

// ---- Text ----

std::string TZYLScrollText::GetAsTickerText() const {
  std::string s;
  for (int i = 0; i < FLines->GetCount(); ++i) {
    s += FLines->Get(i);
    s += ' ';
  }
  return s;
}

void TZYLScrollText::CalculateDimensions() { FMeasured = false; }

void TZYLScrollText::Measure() const {
  if (FMeasured || IsLoading(this)) return;
  FLineHeight = ZYLGet3DTextHeight(FFont3D, Font());
  if (FScrollMode == smTicker) {
    FTextHeight = FLineHeight;
    FTextWidth = ZYLGet3DTextWidth(GetAsTickerText(), FFont3D, Font());
  } else {
    FTextHeight = FLines->GetCount() * FLineHeight;
    int32_t w = 0;
    for (int i = 0; i < FLines->GetCount(); ++i)
      w = std::max(w, ZYLGet3DTextWidth(FLines->Get(i), FFont3D, Font()));
    FTextWidth = w;
  }
  FMeasured = true;
}

// ---- Notifications ----

bool TZYLScrollText::GetEmpty() { return FLines->GetCount() == 0; }

void TZYLScrollText::GetChange(vcl::TObject* Sender) {
  if (IsLoading(this)) return;
  if (Sender && (Sender == Font() || Sender == FFont3D || Sender == FLines))
    CalculateDimensions();
  // Lines often change one after another (added one by one): they are painted once, when the
  // window next paints, rather than measured and drawn whole again after every one.
  if (Sender && Sender == FLines) {
    if (!IsUpdating()) Invalidate();
    return;
  }
  inherited::GetChange(Sender);
}

void TZYLScrollText::CMFontChanged(vcl::TMessage& /*Message*/) {
  // The change handler measures and repaints; the plain invalidation of the inherited
  // handler would only paint the same step a second time.
  GetChange(Font());
}

void TZYLScrollText::BoundsChange(TZYLBoundsChangeStates State) {
  inherited::BoundsChange(State);
  FBackFX->DestroyBuffer();
  if (FTransparentOwn) FBackRefresh = true;
}

void TZYLScrollText::Invalidate() {
  inherited::Invalidate();
  if (FTransparentOwn) FBackRefresh = true;
}

void TZYLScrollText::BackUpdate() {
  if (IsLoading(this)) return;
  if (CheckOptimized() || FTransparentOwn) {
    FBackRefresh = true;
    FBackFX->DestroyBuffer();
    GetChange(nullptr);
  }
}

void TZYLScrollText::Loaded() {
  inherited::Loaded();
  FTimer.Loaded();
  CalculateDimensions();
}

// ---- Painting ----

bool TZYLScrollText::CanDrawNow() {
  return !IsLoading(this) && Parent() && Parent()->HandleAllocated() && IsVisibleOnScreen();
}

TPoint TZYLScrollText::TextOrigin() const {
  Measure();
  const int32_t xo = FTextWidth > FInnerWidth ? 0 : (FInnerWidth - FTextWidth) / 2;
  const int32_t yo = FTextHeight > FInnerHeight ? 0 : (FInnerHeight - FTextHeight) / 2;
  const double f = static_cast<double>(FStepCounter) / FSteps;
  const double h = static_cast<double>(FTextHeight) + FInnerHeight;
  const double w = static_cast<double>(FTextWidth) + FInnerWidth;
  switch (FDirection) {
    case sdBottomToTop:
      return TPoint{xo, static_cast<int32_t>(vcl::Round(h * (1 - f))) - FTextHeight};
    case sdTopToBottom:
      return TPoint{xo, static_cast<int32_t>(vcl::Round(h * f)) - FTextHeight};
    case sdLeftToRight:
      return TPoint{static_cast<int32_t>(vcl::Round(w * f)) - FTextWidth, yo};
    case sdRightToLeft:
      return TPoint{static_cast<int32_t>(vcl::Round(w * (1 - f))) - FTextWidth, yo};
  }
  return TPoint{xo, yo};
}

void TZYLScrollText::Paint() {
  if (IsLoading(this) || FDrawing) return;
  TFlagGuard guard(FDrawing);
  vcl::TCanvas* c = Canvas();
  const TRect r = FBevel->PaintBevel(c, ClientRect(), false);
  FInnerWidth = std::max(0, r.Width());
  FInnerHeight = std::max(0, r.Height());
  if (FTransparentOwn && FBackRefresh) {
    // The saved background covers the area inside the bevel, where the frames go.
    if (CheckOptimized()) {
      FBackBitmap->SetSize(FInnerWidth, FInnerHeight);
      BackDrawArea(FBackBitmap->Canvas(), TRect{0, 0, FInnerWidth, FInnerHeight},
                   TPoint{r.Left, r.Top}, 0);
    } else {
      ZYLBmpFromDesktop(FBackBitmap.get(), GetScreenRect(r));
    }
    FBackRefresh = false;
  }
  if (!PaintImage()) return;
  if (ComponentState().contains(vcl::csDesigning) && !FScroll && BevelExt() == 0)
    DrawDashedFrame();
}

void TZYLScrollText::DrawLine(vcl::TCanvas* Canvas, const std::string& Line, const TRect& Rect,
                              bool Align, bool& Bold) {
  const std::vector<TPiece> runs = SplitRuns(Line, Bold);
  vcl::TFont* font = Canvas->Font();
  std::vector<int32_t> widths;
  widths.reserve(runs.size());
  int32_t total = 0;
  for (const TPiece& p : runs) {
    SetBoldStyle(font, p.Bold);
    TRect m{0, 0, 0, 0};
    ZYLDrawTextCalcExt(Canvas, p.Text, FFont3D, m, nullptr, false, false, 0, kTextFlags);
    widths.push_back(m.Right - m.Left);
    total += widths.back();
  }
  int32_t x = Rect.Left;
  if (Align) {
    if (FAlignment == vcl::taRightJustify)
      x = Rect.Right - total;
    else if (FAlignment == vcl::taCenter)
      x = Rect.Left + (Rect.Width() - total) / 2;
  }
  const TZYLDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled};
  for (size_t i = 0; i < runs.size(); ++i) {
    SetBoldStyle(font, runs[i].Bold);
    const TRect tr{x, Rect.Top, x + widths[i], Rect.Bottom};
    ZYLDrawTextExt(Canvas, runs[i].Text, FFont3D, tr, kTextFlags, styles);
    if (FRunHook) FRunHook(FRunHookData, TRun{runs[i].Text, runs[i].Bold, x, Rect.Top});
    x += widths[i];
  }
}

bool TZYLScrollText::PaintImage() {
  Measure();
  const TRect inner = BeveledRect();
  FInnerWidth = std::max(0, inner.Width());
  FInnerHeight = std::max(0, inner.Height());
  const bool hasArea = FInnerWidth > 0 && FInnerHeight > 0;
  std::unique_ptr<vcl::TBitmap> work;
  if (hasArea) {
    work = std::make_unique<vcl::TBitmap>();
    work->SetPixelFormat(vcl::pf24bit);
    work->SetSize(FInnerWidth, FInnerHeight);
    vcl::TCanvas* wc = work->Canvas();
    wc->Font()->Assign(Font());
    const TRect area{0, 0, FInnerWidth, FInnerHeight};
    if (FTransparentOwn && !FBackBitmap->Empty()) {
      wc->Draw(0, 0, FBackBitmap.get());
    } else {
      wc->Brush()->SetStyle(vcl::bsSolid);
      wc->Brush()->SetColor(Color());
      wc->Pen()->SetStyle(vcl::psClear);
      wc->FillRect(area);
    }
    FBackFX->Draw(work.get());

    FXOffset = FTextWidth > FInnerWidth ? 0 : (FInnerWidth - FTextWidth) / 2;
    FYOffset = FTextHeight > FInnerHeight ? 0 : (FInnerHeight - FTextHeight) / 2;
    const TPoint p = TextOrigin();
    const bool vertical = FDirection == sdBottomToTop || FDirection == sdTopToBottom;
    bool bold = false;
    try {
      wc->Brush()->SetColor(Color());
      wc->Font()->SetColor(Font()->Color());
      if (FScrollMode == smMarquee) {
        for (int i = 0; i < FLines->GetCount(); ++i) {
          const int32_t y = p.Y + i * FLineHeight;
          const TRect lr = vertical ? TRect{0, y, FInnerWidth, y + FLineHeight}
                                    : TRect{p.X, y, p.X + FTextWidth, y + FLineHeight};
          if (Intersects(lr, area))
            DrawLine(wc, FLines->Get(i), lr, true, bold);
          else
            SplitRuns(FLines->Get(i), bold);  // the bold state carries over
        }
      } else {
        const TRect lr = vertical ? TRect{0, p.Y, FInnerWidth, p.Y + FLineHeight}
                                  : TRect{p.X, p.Y, p.X + FTextWidth, p.Y + FLineHeight};
        if (Intersects(lr, area)) DrawLine(wc, GetAsTickerText(), lr, false, bold);
      }
    } catch (const vcl::Exception&) {
      // Text that cannot be drawn leaves the background of this step.
    }
  }
  if (FOnScroll) {
    TZYLFreeWatch life;  // a handler may free the control
    life.Watch(this);
    FOnScroll(this);
    if (!life.Watched()) return false;
  }
  if (work && (FDrawing || CanDrawNow())) {
    const int ext = BevelExt();
    Canvas()->CopyRect(TRect{ext, ext, Width() - ext, Height() - ext}, work->Canvas(),
                       TRect{0, 0, FInnerWidth, FInnerHeight});
  }
  return true;
}

}  // namespace zyl
