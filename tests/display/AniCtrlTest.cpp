// The animation control: frames taken from the list, the six styles frame by frame on the
// virtual clock, the timer kinds, the setters that stop, what it paints and streaming.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "display/ZYLAniCtrl.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLTimer.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "tests/display/ImageTestSupport.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::TPicturePanel;
using imagetest::FrameColor;
using imagetest::MakeFrames;
using vcl::TRect;
namespace tk = win::testkit;

// Records the events of an animation.
struct Recorder : vcl::TObject {
  TZYLAniCtrl* Ani = nullptr;
  std::vector<int> Frames;  // ImageIndex at each OnAnimate
  int Starts = 0;
  int Stops = 0;
  void Animate(vcl::TObject*) { Frames.push_back(Ani->GetCurrentFrame()); }
  void Start(vcl::TObject*) { ++Starts; }
  void Stop(vcl::TObject*) { ++Stops; }
  void Attach(TZYLAniCtrl* A) {
    Ani = A;
    A->OnAnimate = vcl::TNotifyEvent(this, &Recorder::Animate);
    A->OnStart = vcl::TNotifyEvent(this, &Recorder::Start);
    A->OnStop = vcl::TNotifyEvent(this, &Recorder::Stop);
  }
};

// Frames in FrameColor(i) with a white bottom row (the see-through colour of the frame).
TZYLImageList* MarkedFrames(vcl::TComponent* Owner, int Count, int W, int H) {
  auto* list = new TZYLImageList(Owner);
  auto* item = list->GetArrayItem(list->Add());
  item->SetInteger(0, W);
  item->SetInteger(1, H);
  for (int i = 0; i < Count; ++i) {
    auto b = filltest::Plain(W, H, FrameColor(i));
    b->Canvas()->Brush()->SetColor(vcl::clWhite);
    b->Canvas()->FillRect(TRect{0, H - 1, W, H});
    item->Add(b.get(), nullptr);
  }
  return list;
}

class AniCtrlTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  std::unique_ptr<vcl::TComponent> owner_{new vcl::TComponent(nullptr)};
  static void Idle() { filltest::THostSession::Idle(); }
  // A control on the frames of a fresh 4-image list, style Style, events recorded by R.
  TZYLAniCtrl* Make(Recorder& R, TZYLAnimationStyle Style, int Frames = 4) {
    auto* a = new TZYLAniCtrl(owner_.get());
    a->SetImageList(MakeFrames(owner_.get(), Frames));
    a->SetAniStyle(Style);
    R.Attach(a);
    return a;
  }
  static void Ticks(int n, int Interval = 200) { tk::AdvanceClock(uint64_t(n) * Interval); }
};

TEST_F(AniCtrlTest, FramesComeFromTheListEntry) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asLoop, 8);
  EXPECT_EQ(a->StartFrame(), 0);
  EXPECT_EQ(a->StopFrame(), 7);
  EXPECT_EQ(a->GetCurrentFrame(), 0);
  EXPECT_FALSE(a->GetEmpty());
  // Another image index is only another frame...
  a->SetIndex(0, 5);
  EXPECT_EQ(a->StopFrame(), 7);
  EXPECT_EQ(a->GetCurrentFrame(), 5);
  // ...another entry brings its frames (none here).
  a->SetIndex(1, 1);
  EXPECT_EQ(a->StartFrame(), 0);
  EXPECT_EQ(a->StopFrame(), 0);
  EXPECT_TRUE(a->GetEmpty());
  a->SetIndex(1, 0);
  EXPECT_EQ(a->StopFrame(), 7);
  // A list change takes the frames anew.
  auto* list = static_cast<TZYLImageList*>(a->ImageList());
  auto extra = filltest::Plain(4, 4, vcl::clWhite);
  list->GetArrayItem(0)->Add(extra.get(), nullptr);
  list->Change();
  EXPECT_EQ(a->StopFrame(), 8);
  a->SetImageList(nullptr);
  EXPECT_EQ(a->StopFrame(), 0);
  EXPECT_TRUE(a->GetEmpty());
}

TEST_F(AniCtrlTest, LoopRunsRoundUntilStopped) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asLoop);
  a->Play();
  EXPECT_TRUE(a->Animate());
  EXPECT_EQ(r.Starts, 1);
  EXPECT_TRUE(a->Timer()->Enabled());
  Ticks(6);
  EXPECT_EQ(r.Frames, (std::vector<int>{0, 1, 2, 3, 0, 1, 2}));
  a->Stop();
  EXPECT_FALSE(a->Animate());
  EXPECT_FALSE(a->Timer()->Enabled());
  EXPECT_EQ(r.Stops, 1);
  EXPECT_EQ(a->GetCurrentFrame(), 0);  // the first frame again
  Ticks(3);
  EXPECT_EQ(r.Frames.size(), 7u);
  a->Stop();  // not running: nothing
  EXPECT_EQ(r.Stops, 1);
}

TEST_F(AniCtrlTest, RepeatPlaysItsPassesAndStopsOnTheLastFrame) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asRepeat);
  a->SetRepetitions(3);
  a->Play();
  Ticks(20);
  EXPECT_EQ(r.Frames, (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3}));
  EXPECT_FALSE(a->Animate());
  EXPECT_EQ(r.Stops, 1);
  EXPECT_EQ(a->GetCurrentFrame(), 3);
  EXPECT_TRUE(a->Visible());
  // A second start counts its passes from zero.
  r.Frames.clear();
  a->SetRepetitions(1);
  a->Play();
  Ticks(10);
  EXPECT_EQ(r.Frames, (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(AniCtrlTest, LoopReverseTurnsRoundWithOneTickAtEachEnd) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asLoopReverse);
  a->Play();
  Ticks(11);
  EXPECT_EQ(r.Frames, (std::vector<int>{0, 1, 2, 3, 3, 2, 1, 0, 0, 1, 2, 3}));
  a->Stop();
  EXPECT_EQ(a->GetCurrentFrame(), 0);
}

TEST_F(AniCtrlTest, ReverseRepeatFirstRunsDownAndShowsStopFrame) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asRepeatFirst);
  a->SetAniBool(3, true);
  EXPECT_EQ(a->GetFirstFrame(), 3);
  EXPECT_EQ(a->GetLastFrame(), 0);
  a->Play();
  Ticks(8);
  EXPECT_EQ(r.Frames, (std::vector<int>{3, 2, 1, 0}));
  EXPECT_FALSE(a->Animate());
  EXPECT_EQ(r.Stops, 1);
  EXPECT_EQ(a->GetCurrentFrame(), 3);
}

TEST_F(AniCtrlTest, HidingStylesHideOnStop) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asRepeatHide);
  a->Play();
  Ticks(5);
  EXPECT_EQ(r.Frames, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_FALSE(a->Visible());
  // Play shows it again (MakeVisible), asLoopHide hides on Stop.
  a->SetAniStyle(asLoopHide);
  a->Play();
  EXPECT_TRUE(a->Visible());
  Ticks(5);
  EXPECT_TRUE(a->Animate());
  a->Stop();
  EXPECT_FALSE(a->Visible());
  // Designing: the control stays.
  a->SetVisible(true);
  a->SetDesigning(true, false);
  a->Play();
  a->Stop();
  EXPECT_TRUE(a->Visible());
}

TEST_F(AniCtrlTest, PlayOnHiddenControlNeedsMakeVisible) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asLoop);
  a->SetVisible(false);
  a->SetAniBool(1, false);
  a->Play();
  EXPECT_FALSE(a->Animate());
  EXPECT_FALSE(a->Visible());
  EXPECT_EQ(r.Starts, 0);
  a->SetAniBool(1, true);
  a->SetAniBool(0, true);  // Animate := true plays
  EXPECT_TRUE(a->Animate());
  EXPECT_TRUE(a->Visible());
  // Hidden while running: the next tick stops it.
  a->SetVisible(false);
  Ticks(1);
  EXPECT_FALSE(a->Animate());
  EXPECT_EQ(r.Stops, 1);
}

TEST_F(AniCtrlTest, EmptyControlNeverPlaysAndStopsAtTheNextTick) {
  Recorder r;
  TZYLAniCtrl* a = new TZYLAniCtrl(owner_.get());
  r.Attach(a);
  a->Play();
  EXPECT_FALSE(a->Animate());
  auto* list = MakeFrames(owner_.get(), 4);
  a->SetImageList(list);
  a->Play();
  ASSERT_TRUE(a->Animate());
  delete list;  // the list goes away while running
  EXPECT_EQ(a->ImageList(), nullptr);
  Ticks(1);
  EXPECT_FALSE(a->Animate());
  EXPECT_EQ(r.Stops, 1);
}

TEST_F(AniCtrlTest, FrameSettersOrderAndStop) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asLoop, 8);
  a->SetStopFrame(3);
  EXPECT_EQ(a->StartFrame(), 0);
  EXPECT_EQ(a->StopFrame(), 3);
  // A start above the stop frame: the two are put in order and the control shows that frame.
  a->SetStartFrame(5);
  EXPECT_EQ(a->StartFrame(), 3);
  EXPECT_EQ(a->StopFrame(), 5);
  EXPECT_EQ(a->GetCurrentFrame(), 5);
  a->SetStopFrame(1);
  EXPECT_EQ(a->StartFrame(), 1);
  EXPECT_EQ(a->StopFrame(), 3);
  EXPECT_EQ(a->GetCurrentFrame(), 1);
  // Out of the entry's images: refused.
  a->SetStopFrame(8);
  a->SetStartFrame(-1);
  EXPECT_EQ(a->StartFrame(), 1);
  EXPECT_EQ(a->StopFrame(), 3);
  // A running animation stops on a frame change.
  a->Play();
  a->SetStopFrame(6);
  EXPECT_FALSE(a->Animate());
  EXPECT_EQ(r.Stops, 1);
  // With an empty control the frame becomes 0.
  a->SetImageList(nullptr);
  a->SetStopFrame(3);
  EXPECT_EQ(a->StopFrame(), 0);
}

TEST_F(AniCtrlTest, MovingWhileStopped) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asLoop, 8);
  a->SetStopFrame(5);
  a->SetStartFrame(2);
  EXPECT_EQ(a->GetCurrentFrame(), 2);
  a->Next();
  EXPECT_EQ(a->GetCurrentFrame(), 3);
  a->Last();
  EXPECT_EQ(a->GetCurrentFrame(), 5);
  a->Next();  // beyond the stop frame: stays
  EXPECT_EQ(a->GetCurrentFrame(), 5);
  a->Prev();
  EXPECT_EQ(a->GetCurrentFrame(), 4);
  a->First();
  EXPECT_EQ(a->GetCurrentFrame(), 2);
  a->Move(7);  // outside the frames
  EXPECT_EQ(a->GetCurrentFrame(), 2);
  a->SetAniBool(3, true);  // Reverse mirrors the steps
  a->First();
  EXPECT_EQ(a->GetCurrentFrame(), 5);
  a->Next();
  EXPECT_EQ(a->GetCurrentFrame(), 4);
  a->Play();
  a->Move(3);  // not while running
  EXPECT_EQ(a->GetCurrentFrame(), 5);
  EXPECT_TRUE(r.Frames.size() == 1u);  // only Play's frame raised OnAnimate
}

TEST_F(AniCtrlTest, SettersThatStopTheAnimation) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asLoop);
  auto restart = [&] {
    a->Play();
    ASSERT_TRUE(a->Animate());
  };
  restart();
  a->SetInterval(200);  // unchanged: keeps running
  a->SetAniStyle(asLoop);
  a->SetRepetitions(1);
  a->SetRepetitions(0);  // refused
  EXPECT_TRUE(a->Animate());
  EXPECT_EQ(a->Repetitions(), 1);
  a->SetInterval(100);
  EXPECT_FALSE(a->Animate());
  restart();
  a->SetRepetitions(2);
  EXPECT_FALSE(a->Animate());
  restart();
  a->SetAniStyle(asLoopReverse);
  EXPECT_FALSE(a->Animate());
  restart();
  a->SetAniBool(3, false);  // Reverse stops even when unchanged
  EXPECT_FALSE(a->Animate());
  restart();
  a->SetTimerMode(tmGlobalTimer);
  EXPECT_FALSE(a->Animate());
  EXPECT_EQ(r.Stops, 5);
  // MakeVisible and UseBitmap do not stop.
  restart();
  a->SetAniBool(1, false);
  a->SetAniBool(2, false);
  EXPECT_TRUE(a->Animate());
  // The new interval takes effect at the next start: 100 ms per frame now.
  r.Frames.clear();
  a->Play();
  tk::AdvanceClock(300);
  EXPECT_EQ(r.Frames, (std::vector<int>{0, 1, 2, 3}));
  a->SetInterval(0);
  EXPECT_EQ(a->Interval(), 1);
  a->SetInterval(70000);
  EXPECT_EQ(a->Interval(), 65535);
}

TEST_F(AniCtrlTest, ExactlyOneTimerOfTheMode) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asLoop);
  a->SetTimerMode(tmGlobalTimer);
  ASSERT_NE(a->Timer(), nullptr);
  EXPECT_TRUE(a->Timer()->Global());
  EXPECT_EQ(a->HiTimer(), nullptr);
  a->Play();
  Ticks(2);
  EXPECT_EQ(r.Frames, (std::vector<int>{0, 1, 2}));
  a->SetTimerMode(tmHiTimer);
  EXPECT_EQ(a->Timer(), nullptr);
  ASSERT_NE(a->HiTimer(), nullptr);
  EXPECT_FALSE(a->HiTimer()->UseThread());
  EXPECT_FALSE(a->HiTimer()->Enabled());  // waits for Play
  a->SetThreadPriority(vcl::tpHighest);
  r.Frames.clear();
  a->Play();
  EXPECT_TRUE(a->HiTimer()->Enabled());
  EXPECT_EQ(a->HiTimer()->Interval(), 200);
  EXPECT_EQ(a->HiTimer()->ThreadPriority(), vcl::tpHighest);
  Ticks(2);
  EXPECT_EQ(r.Frames, (std::vector<int>{0, 1, 2}));
  a->SetTimerMode(tmThreaded);
  ASSERT_NE(a->HiTimer(), nullptr);
  EXPECT_TRUE(a->HiTimer()->UseThread());
  EXPECT_FALSE(a->HiTimer()->Enabled());
  a->SetTimerMode(tmNormal);
  EXPECT_EQ(a->HiTimer(), nullptr);
  ASSERT_NE(a->Timer(), nullptr);
  EXPECT_FALSE(a->Timer()->Global());
}

TEST_F(AniCtrlTest, DestroyingARunningAnimationRaisesNoStop) {
  Recorder r;
  TZYLAniCtrl* a = Make(r, asLoop);
  a->Play();
  delete a;
  EXPECT_EQ(r.Stops, 0);
  Ticks(3);  // its timer went with it
  EXPECT_EQ(r.Frames.size(), 1u);
}

TEST_F(AniCtrlTest, PaintsEachFrameOverItsColour) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* a = new TZYLAniCtrl(form.get());
  a->SetBounds(20, 20, 20, 20);
  a->SetParentColor(false);
  a->SetColor(vcl::clSilver);
  a->SetStyle(sbStretch);
  a->SetImageList(MarkedFrames(form.get(), 3, 10, 10));
  a->SetParent(panel);
  form->Show();
  Idle();
  auto cap = filltest::THostSession::Capture(panel);
  EXPECT_EQ(At(cap, 25, 25), FrameColor(0));
  EXPECT_EQ(At(cap, 25, 39), vcl::clSilver);  // the white row is see-through (forced)
  a->Play();
  Ticks(1);
  Idle();
  cap = filltest::THostSession::Capture(panel);
  EXPECT_EQ(At(cap, 25, 25), FrameColor(1));
  EXPECT_EQ(At(cap, 25, 39), vcl::clSilver);
  // Drawn straight onto the control without the working bitmap, and without forcing.
  a->SetAniBool(2, false);
  a->SetBool(0, false);
  Ticks(1);
  Idle();
  cap = filltest::THostSession::Capture(panel);
  EXPECT_EQ(At(cap, 25, 25), FrameColor(2));
  EXPECT_EQ(At(cap, 25, 39), vcl::clWhite);
  a->Stop();
  Idle();
  cap = filltest::THostSession::Capture(panel);
  EXPECT_EQ(At(cap, 25, 25), FrameColor(0));
}

TEST_F(AniCtrlTest, TransparentAnimationShowsTheParentUnderItsSeeThroughColour) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* a = new TZYLAniCtrl(form.get());
  a->SetBounds(30, 30, 10, 10);
  a->SetTransparent(true);
  a->SetImageList(MarkedFrames(form.get(), 2, 10, 10));
  a->SetParent(panel);
  form->Show();
  Idle();
  a->Play();
  Ticks(1);
  Idle();
  auto cap = filltest::THostSession::Capture(panel);
  EXPECT_EQ(At(cap, 35, 35), FrameColor(1));
  EXPECT_EQ(At(cap, 35, 39), filltest::RGBOf(panel->Back->Canvas()->Pixels(35, 39)));
  // Without the working bitmap each frame is a full repaint over the parent.
  a->SetAniBool(2, false);
  Ticks(1);
  Idle();
  cap = filltest::THostSession::Capture(panel);
  EXPECT_EQ(At(cap, 35, 35), FrameColor(0));
  EXPECT_EQ(At(cap, 35, 39), filltest::RGBOf(panel->Back->Canvas()->Pixels(35, 39)));
}

TEST_F(AniCtrlTest, OverASuppliedBackground) {
  imagetest::TBackPanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(imagetest::MakeBackHost(panel));
  auto back = [&](int x, int y) { return filltest::RGBOf(panel->Bmp->Canvas()->Pixels(x, y)); };
  // Transparent: the background is taken from the supplier, not from the screen.
  auto* a = new TZYLAniCtrl(form.get());
  a->SetBounds(30, 30, 10, 10);
  a->SetTransparent(true);
  a->SetImageList(MarkedFrames(form.get(), 2, 10, 10));
  a->SetParent(panel);
  // Opaque with SilentMove: each frame goes over the supplied background as well.
  auto* s = new TZYLAniCtrl(form.get());
  s->SetBounds(80, 60, 10, 10);
  s->SetParentColor(false);
  s->SetColor(vcl::clBlack);
  s->SetBool(1, true);
  s->SetImageList(MarkedFrames(form.get(), 2, 10, 10));
  s->SetParent(panel);
  form->Show();
  Idle();
  a->Play();
  s->Play();
  Ticks(1);
  Idle();
  auto cap = win::testkit::CaptureWindow(panel->Handle(), false);
  EXPECT_EQ(At(cap, 35, 35), FrameColor(1));
  EXPECT_EQ(At(cap, 35, 39), back(35, 39));
  EXPECT_EQ(At(cap, 85, 65), FrameColor(1));
  EXPECT_EQ(At(cap, 85, 69), back(85, 69));
  // Moved while running: the saved background is taken again at the new place.
  a->SetBounds(100, 20, 10, 10);
  Ticks(1);
  Idle();
  cap = win::testkit::CaptureWindow(panel->Handle(), false);
  EXPECT_EQ(At(cap, 105, 25), FrameColor(0));
  EXPECT_EQ(At(cap, 105, 29), back(105, 29));
  EXPECT_EQ(At(cap, 35, 35), back(35, 35));
}

TEST_F(AniCtrlTest, StreamRoundTripKeepsFramesAndMakesTheModesTimer) {
  TZYLAniCtrl a(nullptr);
  a.SetImageList(MakeFrames(owner_.get(), 8));
  a.SetStopFrame(5);
  a.SetStartFrame(2);
  a.SetAniStyle(asLoopReverse);
  a.SetInterval(120);
  a.SetRepetitions(4);
  a.SetTimerMode(tmGlobalTimer);
  a.SetThreadPriority(vcl::tpLowest);
  a.SetAniBool(1, false);
  a.SetAniBool(3, true);
  a.SetBool(0, false);
  a.SetTransparent(true);
  a.Play();
  ASSERT_TRUE(a.Animate());
  const std::string bytes = vcl::WriteComponentToBytes(&a);
  const std::string text = vcl::ObjectBinaryToTextString(bytes);
  for (const char* want :
       {"StartFrame = 2", "StopFrame = 5", "AnimationStyle = asLoopReverse", "Interval = 120",
        "Repetitions = 4", "TimerMode = tmGlobalTimer", "ThreadPriority = tpLowest",
        "MakeVisible = False", "Reverse = True", "ForceTransparent = False",
        "Transparent = True"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  for (const char* absent : {"Animate", "ImageIndex", "UseBitmap", "ListIndex", "SilentMove",
                             "Style", "About"})
    EXPECT_EQ(text.find(std::string("  ") + absent + " = "), std::string::npos) << absent;
  a.Stop();

  ZYLAniCtrlInit();
  EXPECT_EQ(vcl::GetClass("TZYLAniCtrl"), TZYLAniCtrl::StaticClass());
  TZYLAniCtrl b(nullptr);
  vcl::ReadComponentFromBytes(bytes, &b);
  ZYLAniCtrlDone();
  EXPECT_EQ(vcl::GetClass("TZYLAniCtrl"), nullptr);
  EXPECT_EQ(b.StartFrame(), 2);
  EXPECT_EQ(b.StopFrame(), 5);
  EXPECT_EQ(b.GetCurrentFrame(), 5);  // the first frame of a reversed animation
  EXPECT_EQ(b.AnimationStyle(), asLoopReverse);
  EXPECT_EQ(b.Interval(), 120);
  EXPECT_EQ(b.Repetitions(), 4);
  EXPECT_EQ(b.ThreadPriority(), vcl::tpLowest);
  EXPECT_EQ(b.TimerMode(), tmGlobalTimer);
  ASSERT_NE(b.Timer(), nullptr);
  EXPECT_TRUE(b.Timer()->Global());
  EXPECT_EQ(b.HiTimer(), nullptr);
  EXPECT_TRUE(b.Transparent());
  EXPECT_NE(b.BackBitmap(), nullptr);
  EXPECT_FALSE(b.Animate());
}

TEST_F(AniCtrlTest, FormWithAnimateSetStartsPlayingWhenLoaded) {
  TZYLImageList* list = MakeFrames(owner_.get(), 4);
  list->SetName("Frames");
  ZYLAniCtrlInit();
  const std::string text =
      "object Ani: TZYLAniCtrl\n"
      "  Animate = True\n"
      "  StartFrame = 1\n"
      "  StopFrame = 3\n"
      "  TimerMode = tmHiTimer\n"
      "end\n";
  TZYLAniCtrl b(nullptr);
  Recorder r;
  r.Attach(&b);
  b.SetImageList(list);
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), &b);
  ZYLAniCtrlDone();
  EXPECT_EQ(b.StartFrame(), 1);
  EXPECT_EQ(b.StopFrame(), 3);
  ASSERT_NE(b.HiTimer(), nullptr);
  EXPECT_EQ(b.Timer(), nullptr);
  EXPECT_TRUE(b.Animate());
  Ticks(3);
  EXPECT_EQ(r.Frames, (std::vector<int>{1, 2, 3, 1}));
  b.SetImageList(nullptr);
}

}  // namespace
}  // namespace zyl
