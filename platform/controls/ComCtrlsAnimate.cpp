// The animation control.
#include <algorithm>

#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ComCtrls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

namespace {
constexpr win::UINT_PTR kFrameTimer = 1;
}  // namespace

TAnimate::TAnimate(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csOpaque};
  width_ = 100;
  height_ = 80;
}

TAnimate::~TAnimate() {
  if (active_ && HandleAllocated()) win::KillTimer(Handle(), kFrameTimer);
}

void TAnimate::SetFileName(const std::string& Value) {
  if (Value == fileName_) return;
  fileName_ = Value;
  if (clip_) {
    CloseClip();
    OpenClip();
  }
}

void TAnimate::SetOpen(bool Value) {
  if (ComponentState().contains(csLoading)) {
    openWhenLoaded_ = Value;
    return;
  }
  if (Value == Open()) return;
  if (Value)
    OpenClip();
  else
    CloseClip();
}

void TAnimate::OpenClip() {
  std::string bytes;
  {
    TFileStream file(fileName_, fmOpenRead | fmShareDenyWrite);
    bytes.resize(static_cast<size_t>(file.Size()));
    if (!bytes.empty()) file.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  }
  auto clip = std::make_unique<TAviClip>(TAviClip::Read(bytes));
  clip_ = std::move(clip);
  current_ = 1;
  drawn_ = 0;
  SetBounds(left_, top_, clip_->Width(), clip_->Height());
  Invalidate();
  if (onOpen_) onOpen_(this);
}

void TAnimate::CloseClip() {
  Stop();
  clip_.reset();
  drawn_ = 0;
  Invalidate();
}

void TAnimate::SetActive(bool Value) {
  if (ComponentState().contains(csLoading)) {
    activeWhenLoaded_ = Value;
    return;
  }
  if (Value == active_) return;
  if (Value)
    Play(startFrame_, stopFrame_, repetitions_);
  else
    Stop();
}

void TAnimate::SetStartFrame(int Value) {
  if (Value < 1) throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
  startFrame_ = Value;
  if (clip_ && !active_ && Value <= FrameCount()) ShowFrame(Value);
}

void TAnimate::SetStopFrame(int Value) {
  if (Value < 0) throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
  stopFrame_ = Value;
}

void TAnimate::SetRepetitions(int Value) { repetitions_ = std::max(Value, 0); }

void TAnimate::CheckFrame(int Frame) const {
  if (Frame < 1 || Frame > FrameCount())
    throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
}

void TAnimate::Play(int FromFrame, int ToFrame, int Count) {
  if (!clip_) OpenClip();
  if (ToFrame == 0) ToFrame = FrameCount();
  CheckFrame(FromFrame);
  CheckFrame(ToFrame);
  if (FromFrame > ToFrame) throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
  const uint32_t ms = std::max<uint32_t>(1, clip_->MicroSecPerFrame() / 1000);
  if (!win::SetTimer(Handle(), kFrameTimer, ms, nullptr)) throw EOutOfResources(SNoTimers);
  from_ = FromFrame;
  to_ = ToFrame;
  count_ = std::max(Count, 0);
  played_ = 0;
  active_ = true;
  ShowFrame(FromFrame);
  if (onStart_) onStart_(this);
}

void TAnimate::Stop() {
  if (!active_) return;
  active_ = false;
  if (HandleAllocated()) win::KillTimer(Handle(), kFrameTimer);
  if (onStop_) onStop_(this);
}

void TAnimate::Seek(int Frame) {
  if (!clip_) throw EInvalidOperation(SAnimateNotOpen);
  CheckFrame(Frame);
  Stop();
  ShowFrame(Frame);
}

void TAnimate::ShowFrame(int Frame) {
  current_ = Frame;
  Invalidate();
  if (HandleAllocated()) Update();
}

// Each tick shows the next frame; after the last one the run starts over, until the count of
// runs is played.
void TAnimate::WMTimer(TMessage& Message) {
  if (Message.WParam != kFrameTimer || !active_ || !clip_) return;
  if (current_ < to_) {
    ShowFrame(current_ + 1);
    return;
  }
  // Runs are counted only against a set number of them: a clip repeated for ever never
  // overflows the count.
  if (count_ > 0) ++played_;
  if (count_ > 0 && played_ >= count_) {
    Stop();
    return;
  }
  ShowFrame(from_);
}

void TAnimate::Loaded() {
  inherited::Loaded();
  const bool open = openWhenLoaded_, active = activeWhenLoaded_;
  openWhenLoaded_ = activeWhenLoaded_ = false;
  if (open && !fileName_.empty()) SetOpen(true);
  if (active && !fileName_.empty()) SetActive(true);
}

void TAnimate::Paint() {
  TCanvas* c = canvas_;
  c->Brush()->SetColor(color_);
  c->FillRect(TRect{0, 0, width_, height_});
  if (!clip_) return;
  if (drawn_ != current_) {
    clip_->DrawFrame(current_ - 1, &frame_);
    drawn_ = current_;
  }
  c->Draw(0, 0, &frame_);
}

ZYL_MESSAGE_MAP(TAnimate) { m.On(win::WM_TIMER, &TAnimate::WMTimer); }

ZYL_CLASS_IMPL(TAnimate) {
  using C = TAnimate;
  b.Publish("Align")
      .Prop("Active", &C::Active, &C::SetActive)
      .Default(false)
      .Publish({"Anchors", "Color", "Constraints"})
      .Prop("FileName", &C::FileName, &C::SetFileName)
      .Prop("Open", &C::Open, &C::SetOpen)
      .Default(false)
      .Publish({"ParentColor", "ParentShowHint"})
      .Prop("Repetitions", &C::Repetitions, &C::SetRepetitions)
      .Default(0)
      .Prop("StartFrame", &C::StartFrame, &C::SetStartFrame)
      .Default(1)
      .Prop("StopFrame", &C::StopFrame, &C::SetStopFrame)
      .Default(0)
      .Publish({"ShowHint", "Visible"})
      .Prop("OnOpen", &C::OnOpen, &C::SetOnOpen)
      .Prop("OnStart", &C::OnStart, &C::SetOnStart)
      .Prop("OnStop", &C::OnStop, &C::SetOnStop);
}

}  // namespace vcl
