// The animation control: frames taken from the list, the six styles frame by frame on the
// virtual clock, the timer kinds, the setters that stop, what it paints and streaming.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "display/ZYLAniCtrl.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLTimer.h"
#include "platform/base/Clock.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Thread.h"
#include "platform/classes/TypeInfo.h"
#include "tests/display/ImageTestSupport.h"
#include "tests/support/FreeProbe.h"
#include "tests/support/WakeSignal.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::TPicturePanel;
using imagetest::FrameColor;
using imagetest::MakeFrames;
using vcl::TRect;
using Frames = std::vector<int>;
namespace tk = win::testkit;

// Records the events of an animation.
struct Recorder : vcl::TObject {
  TZYLAniCtrl* Ani = nullptr;
  Frames Shown;  // ImageIndex at each OnAnimate
  int Starts = 0, Stops = 0;
  void Animate(vcl::TObject*) { Shown.push_back(Ani->GetCurrentFrame()); }
  void Start(vcl::TObject*) { ++Starts; }
  void Stop(vcl::TObject*) { ++Stops; }
  void Attach(TZYLAniCtrl* A) {
    Ani = A;
    A->SetOnAnimate(vcl::TNotifyEvent(this, &Recorder::Animate));
    A->SetOnStart(vcl::TNotifyEvent(this, &Recorder::Start));
    A->SetOnStop(vcl::TNotifyEvent(this, &Recorder::Stop));
  }
};

// Frames in FrameColor(i) with a white bottom row (the see-through colour of the frame).
TZYLImageList* MarkedFrames(vcl::TComponent* Owner, int Count, int W = 10, int H = 10) {
  auto* list = new TZYLImageList(Owner);
  auto* item = list->GetArrayItem(list->Add());
  item->SetInteger(TZYLImageListItem::iiWidth, W);
  item->SetInteger(TZYLImageListItem::iiHeight, H);
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
  Recorder r;
  // A control on the frames of a fresh list, style Style, events recorded by r.
  TZYLAniCtrl* Make(TZYLAnimationStyle Style, int Count = 4) {
    auto* a = new TZYLAniCtrl(owner_.get());
    a->SetImageList(MakeFrames(owner_.get(), Count));
    a->SetAniStyle(Style);
    r.Attach(a);
    return a;
  }
  // A control at (X, Y) on Parent showing two or three marked frames.
  static TZYLAniCtrl* Place(vcl::TForm* Form, vcl::TWinControl* Parent, int X, int Y, int Count = 2,
                            int Size = 10) {
    auto* a = new TZYLAniCtrl(Form);
    a->SetBounds(X, Y, Size, Size);
    a->SetImageList(MarkedFrames(Form, Count));
    a->SetParent(Parent);
    return a;
  }
  static void Ticks(int n, int Interval = 200) { tk::AdvanceClock(uint64_t(n) * Interval); }
  // The panel after n more frames have been painted.
  static tk::TCapture After(int n, vcl::TWinControl* Panel) {
    Ticks(n);
    filltest::THostSession::Idle();
    return tk::CaptureWindow(Panel->Handle(), false);
  }
};

TEST_F(AniCtrlTest, FramesComeFromTheListEntry) {
  TZYLAniCtrl* a = Make(asLoop, 8);
  EXPECT_EQ(a->StopFrame(), 7);
  EXPECT_FALSE(a->GetEmpty());
  a->SetIndex(0, 5);  // another image index is only another frame...
  EXPECT_EQ(a->StopFrame(), 7);
  EXPECT_EQ(a->GetCurrentFrame(), 5);
  a->SetIndex(1, 1);  // ...another entry brings its frames (none here)
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

// Each style from Play over a number of ticks: the frames shown, whether it still runs, the
// frame it rests on and whether it is still visible.
struct StyleCase {
  TZYLAnimationStyle Style;
  int Repetitions;
  bool Reverse;
  int Ticks;
  Frames Shown;
  bool Running;
  int Rest;
  bool Visible;
};

TEST_F(AniCtrlTest, EachStyleFrameByFrame) {
  const StyleCase cases[] = {
      {asLoop, 1, false, 6, {0, 1, 2, 3, 0, 1, 2}, true, 2, true},
      {asRepeat, 3, false, 20, {0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3}, false, 3, true},
      {asLoopReverse, 1, false, 11, {0, 1, 2, 3, 3, 2, 1, 0, 0, 1, 2, 3}, true, 3, true},
      {asRepeatFirst, 1, true, 8, {3, 2, 1, 0}, false, 3, true},  // shows its first frame
      {asRepeatHide, 1, false, 5, {0, 1, 2, 3}, false, 3, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Style);
    r.Shown.clear();
    r.Starts = r.Stops = 0;
    TZYLAniCtrl* a = Make(c.Style);
    a->SetRepetitions(c.Repetitions);
    a->SetAniBool(3, c.Reverse);
    a->Play();
    EXPECT_EQ(r.Starts, 1);
    Ticks(c.Ticks);
    EXPECT_EQ(r.Shown, c.Shown);
    EXPECT_EQ(a->Animate(), c.Running);
    EXPECT_EQ(r.Stops, c.Running ? 0 : 1);
    EXPECT_EQ(a->GetCurrentFrame(), c.Rest);
    EXPECT_EQ(a->Visible(), c.Visible);
    // Stopping shows the first frame; a second start counts its passes from zero.
    a->Stop();
    EXPECT_FALSE(a->Timer()->Enabled());
    EXPECT_EQ(a->GetCurrentFrame(), c.Running ? 0 : c.Rest);
    r.Shown.clear();
    a->Play();
    Ticks(c.Ticks);
    EXPECT_EQ(r.Shown, c.Shown);
    a->Stop();
    EXPECT_EQ(r.Stops, 2);  // a second Stop while stopped raises nothing
  }
}

TEST_F(AniCtrlTest, HidingAndTheHiddenControl) {
  TZYLAniCtrl* a = Make(asLoop);
  // Hidden without MakeVisible: no start; Animate := true plays once allowed.
  a->SetVisible(false);
  a->SetAniBool(1, false);
  a->Play();
  EXPECT_FALSE(a->Animate());
  EXPECT_FALSE(a->Visible());
  EXPECT_EQ(r.Starts, 0);
  a->SetAniBool(1, true);
  a->SetAniBool(0, true);
  EXPECT_TRUE(a->Animate());
  EXPECT_TRUE(a->Visible());
  // Hidden while running: the next tick stops it.
  a->SetVisible(false);
  Ticks(1);
  EXPECT_FALSE(a->Animate());
  EXPECT_EQ(r.Stops, 1);
  a->SetAniStyle(asLoopHide);
  a->Play();  // Play shows it (MakeVisible), asLoopHide hides on Stop
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

TEST_F(AniCtrlTest, EmptyControlNeverPlaysAndStopsAtTheNextTick) {
  auto* a = new TZYLAniCtrl(owner_.get());
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
  TZYLAniCtrl* a = Make(asLoop, 8);
  auto frames = [&] { return Frames{a->StartFrame(), a->StopFrame(), a->GetCurrentFrame()}; };
  a->SetStopFrame(3);
  EXPECT_EQ(frames(), (Frames{0, 3, 0}));
  // A start above the stop frame: the two are put in order and the control shows that frame.
  a->SetStartFrame(5);
  EXPECT_EQ(frames(), (Frames{3, 5, 5}));
  a->SetStopFrame(1);
  EXPECT_EQ(frames(), (Frames{1, 3, 1}));
  a->SetStopFrame(8);  // out of the entry's images: refused
  a->SetStartFrame(-1);
  EXPECT_EQ(frames(), (Frames{1, 3, 1}));
  a->Play();  // a running animation stops on a frame change
  a->SetStopFrame(6);
  EXPECT_FALSE(a->Animate());
  EXPECT_EQ(r.Stops, 1);
  a->SetImageList(nullptr);  // with an empty control the frame becomes 0
  a->SetStopFrame(3);
  EXPECT_EQ(a->StopFrame(), 0);
}

TEST_F(AniCtrlTest, MovingWhileStopped) {
  TZYLAniCtrl* a = Make(asLoop, 8);
  a->SetStopFrame(5);
  a->SetStartFrame(2);
  // Each move and the frame it leads to; beyond the ends or outside the frames it stays.
  const std::pair<void (TZYLAniCtrl::*)(), int> moves[] = {
      {&TZYLAniCtrl::Next, 3}, {&TZYLAniCtrl::Last, 5},  {&TZYLAniCtrl::Next, 5},
      {&TZYLAniCtrl::Prev, 4}, {&TZYLAniCtrl::First, 2}, {&TZYLAniCtrl::Prev, 2}};
  for (const auto& [move, want] : moves) {
    (a->*move)();
    EXPECT_EQ(a->GetCurrentFrame(), want);
  }
  a->Move(7);
  EXPECT_EQ(a->GetCurrentFrame(), 2);
  a->SetAniBool(3, true);  // Reverse mirrors the steps
  a->First();
  EXPECT_EQ(a->GetCurrentFrame(), 5);
  a->Next();
  EXPECT_EQ(a->GetCurrentFrame(), 4);
  a->Play();
  a->Move(3);  // not while running
  EXPECT_EQ(a->GetCurrentFrame(), 5);
  EXPECT_EQ(r.Shown.size(), 1u);  // only Play's frame raised OnAnimate
}

TEST_F(AniCtrlTest, SettersThatStopTheAnimation) {
  TZYLAniCtrl* a = Make(asLoop);
  a->Play();
  // Unchanged or refused values, MakeVisible and UseBitmap keep it running.
  a->SetInterval(200);
  a->SetAniStyle(asLoop);
  a->SetRepetitions(1);
  a->SetRepetitions(0);
  a->SetAniBool(1, false);
  a->SetAniBool(2, false);
  EXPECT_TRUE(a->Animate());
  EXPECT_EQ(a->Repetitions(), 1);
  a->Stop();
  const std::function<void()> stoppers[] = {
      [&] { a->SetInterval(100); }, [&] { a->SetRepetitions(2); },
      [&] { a->SetAniStyle(asLoopReverse); },
      [&] { a->SetAniBool(3, false); },  // Reverse stops even when unchanged
      [&] { a->SetTimerMode(tmGlobalTimer); }};
  for (const auto& stop : stoppers) {
    a->Play();
    ASSERT_TRUE(a->Animate());
    stop();
    EXPECT_FALSE(a->Animate());
  }
  EXPECT_EQ(r.Stops, 6);
  // The new interval takes effect at the next start: 100 ms per frame now.
  a->SetAniStyle(asLoop);
  r.Shown.clear();
  a->Play();
  tk::AdvanceClock(300);
  EXPECT_EQ(r.Shown, (Frames{0, 1, 2, 3}));
  a->SetInterval(0);
  EXPECT_EQ(a->Interval(), 1);
  a->SetInterval(70000);
  EXPECT_EQ(a->Interval(), 65535);
}

TEST_F(AniCtrlTest, ExactlyOneTimerOfTheMode) {
  TZYLAniCtrl* a = Make(asLoop);
  a->SetTimerMode(tmGlobalTimer);
  ASSERT_NE(a->Timer(), nullptr);
  EXPECT_TRUE(a->Timer()->Global());
  EXPECT_EQ(a->HiTimer(), nullptr);
  a->Play();
  Ticks(2);
  EXPECT_EQ(r.Shown, (Frames{0, 1, 2}));
  a->SetTimerMode(tmHiTimer);
  EXPECT_EQ(a->Timer(), nullptr);
  ASSERT_NE(a->HiTimer(), nullptr);
  EXPECT_FALSE(a->HiTimer()->UseThread());
  EXPECT_FALSE(a->HiTimer()->Enabled());  // waits for Play
  a->SetThreadPriority(vcl::tpHighest);
  r.Shown.clear();
  a->Play();
  EXPECT_TRUE(a->HiTimer()->Enabled());
  EXPECT_EQ(a->HiTimer()->Interval(), 200);
  EXPECT_EQ(a->HiTimer()->ThreadPriority(), vcl::tpHighest);
  Ticks(2);
  EXPECT_EQ(r.Shown, (Frames{0, 1, 2}));
  a->SetTimerMode(tmThreaded);
  ASSERT_NE(a->HiTimer(), nullptr);
  EXPECT_TRUE(a->HiTimer()->UseThread());
  EXPECT_FALSE(a->HiTimer()->Enabled());
  a->SetTimerMode(tmNormal);
  EXPECT_EQ(a->HiTimer(), nullptr);
  ASSERT_NE(a->Timer(), nullptr);
  EXPECT_FALSE(a->Timer()->Global());
  // Destroyed while running: no stop, and its timer goes with it.
  r.Shown.clear();
  const int stops = r.Stops;
  a->Play();
  delete a;
  EXPECT_EQ(r.Stops, stops);
  Ticks(3);
  EXPECT_EQ(r.Shown.size(), 1u);
}

TEST_F(AniCtrlTest, PaintsEachFrameOverItsColour) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  TZYLAniCtrl* a = Place(form.get(), panel, 20, 20, 3, 20);
  a->SetParentColor(false);
  a->SetColor(vcl::clSilver);
  a->SetStyle(sbStretch);
  form->Show();
  // Frame colour at the middle and what shows at the white bottom row (see-through, forced).
  auto expect = [&](const tk::TCapture& cap, int frame, vcl::TColor row) {
    EXPECT_EQ(At(cap, 25, 25), FrameColor(frame));
    EXPECT_EQ(At(cap, 25, 39), row);
  };
  expect(After(0, panel), 0, vcl::clSilver);
  a->Play();
  expect(After(1, panel), 1, vcl::clSilver);
  // Drawn straight onto the control without the working bitmap, and without forcing.
  a->SetAniBool(2, false);
  a->SetBool(0, false);
  expect(After(1, panel), 2, vcl::clWhite);
  a->Stop();
  expect(After(0, panel), 0, vcl::clWhite);
}

TEST_F(AniCtrlTest, TransparentAnimationShowsTheParentUnderItsSeeThroughColour) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  TZYLAniCtrl* a = Place(form.get(), panel, 30, 30);
  a->SetTransparent(true);
  form->Show();
  filltest::THostSession::Idle();
  const vcl::TColor back = filltest::RGBOf(panel->Back->Canvas()->Pixels(35, 39));
  a->Play();
  auto cap = After(1, panel);
  EXPECT_EQ(At(cap, 35, 35), FrameColor(1));
  EXPECT_EQ(At(cap, 35, 39), back);
  a->SetAniBool(2, false);  // without the working bitmap: a full repaint over the parent
  cap = After(1, panel);
  EXPECT_EQ(At(cap, 35, 35), FrameColor(0));
  EXPECT_EQ(At(cap, 35, 39), back);
}

TEST_F(AniCtrlTest, OverASuppliedBackground) {
  imagetest::TBackPanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(imagetest::MakeBackHost(panel));
  auto back = [&](int x, int y) { return filltest::RGBOf(panel->Bmp->Canvas()->Pixels(x, y)); };
  // Transparent: the background is taken from the supplier, not from the screen.
  TZYLAniCtrl* a = Place(form.get(), panel, 30, 30);
  a->SetTransparent(true);
  // Opaque with SilentMove: each frame goes over the supplied background as well.
  TZYLAniCtrl* s = Place(form.get(), panel, 80, 60);
  s->SetParentColor(false);
  s->SetColor(vcl::clBlack);
  s->SetBool(1, true);
  form->Show();
  filltest::THostSession::Idle();
  a->Play();
  s->Play();
  auto cap = After(1, panel);
  EXPECT_EQ(At(cap, 35, 35), FrameColor(1));
  EXPECT_EQ(At(cap, 35, 39), back(35, 39));
  EXPECT_EQ(At(cap, 85, 65), FrameColor(1));
  EXPECT_EQ(At(cap, 85, 69), back(85, 69));
  // Moved while running: the saved background is taken again at the new place.
  a->SetBounds(100, 20, 10, 10);
  cap = After(1, panel);
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
        "MakeVisible = False", "Reverse = True", "ForceTransparent = False", "Transparent = True"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  for (const char* absent :
       {"Animate", "ImageIndex", "UseBitmap", "ListIndex", "SilentMove", "Style", "About"})
    EXPECT_EQ(text.find(std::string("  ") + absent + " = "), std::string::npos) << absent;
  a.Stop();

  ZYLAniCtrlUnit.Init();
  EXPECT_EQ(vcl::GetClass("TZYLAniCtrl"), TZYLAniCtrl::StaticClass());
  TZYLAniCtrl b(nullptr);
  vcl::ReadComponentFromBytes(bytes, &b);
  ZYLAniCtrlUnit.FInit();
  EXPECT_EQ(vcl::GetClass("TZYLAniCtrl"), nullptr);
  EXPECT_EQ(vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(&b)), text);
  EXPECT_EQ(b.GetCurrentFrame(), 5);  // the first frame of a reversed animation
  ASSERT_NE(b.Timer(), nullptr);
  EXPECT_TRUE(b.Timer()->Global());
  EXPECT_EQ(b.HiTimer(), nullptr);
  EXPECT_NE(b.BackBitmap(), nullptr);
  EXPECT_FALSE(b.Animate());
}

TEST_F(AniCtrlTest, FormWithAnimateSetStartsPlayingWhenLoaded) {
  TZYLImageList* list = MakeFrames(owner_.get(), 4);
  ZYLAniCtrlUnit.Init();
  TZYLAniCtrl b(nullptr);
  r.Attach(&b);
  b.SetImageList(list);
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString("object Ani: TZYLAniCtrl\n"
                                                            "  Animate = True\n"
                                                            "  StartFrame = 1\n"
                                                            "  StopFrame = 3\n"
                                                            "  TimerMode = tmHiTimer\n"
                                                            "end\n"),
                              &b);
  ZYLAniCtrlUnit.FInit();
  ASSERT_NE(b.HiTimer(), nullptr);
  EXPECT_EQ(b.Timer(), nullptr);
  EXPECT_TRUE(b.Animate());
  Ticks(3);
  EXPECT_EQ(r.Shown, (Frames{1, 2, 3, 1}));
  b.SetImageList(nullptr);
}

// Frees the animation from its event the n-th time the event comes.
struct TFreeFromEvent : vcl::TObject {
  TZYLAniCtrl* Ani = nullptr;
  int FreeAt = 1;
  int Calls = 0;
  void Hit(vcl::TObject*) {
    if (++Calls == FreeAt) delete std::exchange(Ani, nullptr);
  }
};

struct TFreedCase {
  const char* Name;
  TZYLTimerMode Mode;
  const char* Event;
  int FreeAt;  // the event that frees: the first comes as Play starts, the second at a tick
};

TEST_F(AniCtrlTest, AControlFreedFromItsOwnEventIsLeftAlone) {
  const TFreedCase cases[] = {
      {"start event", tmNormal, "OnStart", 1},
      {"first frame, as it starts", tmNormal, "OnAnimate", 1},
      {"frame of a tick of its own timer", tmNormal, "OnAnimate", 2},
      {"frame of a tick of the pool", tmGlobalTimer, "OnAnimate", 2},
      {"frame of a tick of the window timer", tmHiTimer, "OnAnimate", 2},
      {"frame of a tick of the worker", tmThreaded, "OnAnimate", 2},
  };
  for (const TFreedCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TPicturePanel* panel = nullptr;
    std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
    TZYLAniCtrl* a = Place(form.get(), panel, 4, 4, 3);
    a->SetTimerMode(c.Mode);
    a->SetInterval(50);
    form->Show();  // each frame is drawn as it comes
    filltest::THostSession::Idle();
    testsupport::TFreeProbe gone(a);
    TFreeFromEvent f;
    f.Ani = a;
    f.FreeAt = c.FreeAt;
    vcl::SetMethodProp(a, vcl::GetPropInfo(a, c.Event),
                       vcl::TNotifyEvent(&f, &TFreeFromEvent::Hit).Method());
    testsupport::TWakeSignal wake;
    a->Play();
    if (c.FreeAt > 1 && c.Mode == tmThreaded) {
      // The worker's tick waits for the main thread.
      static_cast<win::TVirtualClock&>(win::CurrentClock()).Advance(50);
      ASSERT_TRUE(wake.WaitForWakeWithin(30000));
      EXPECT_TRUE(vcl::CheckSynchronize(0));
    } else if (c.FreeAt > 1) {
      tk::AdvanceClock(50);
    }
    EXPECT_EQ(gone.Times, 1);
    // Nothing comes after, and the form paints without it.
    tk::AdvanceClock(500);
    vcl::CheckSynchronize(0);
    filltest::THostSession::Idle();
    EXPECT_EQ(f.Calls, c.FreeAt);
  }
}

}  // namespace
}  // namespace zyl
