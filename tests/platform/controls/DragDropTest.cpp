// Dragging with the mouse: the controls under the path are asked as the mouse enters, moves
// over and leaves them, the source among them; a drag that waits for a threshold starts only
// past it; Escape cancels; the cursor tells whether the control under it accepts; and the
// source's own press (a button drawn down) ends when the drag takes the mouse.
#include "ControlsTestSupport.h"

namespace vcl::testing {
namespace {

using DragDropTest = OneFormTest<400, 200>;

const char* StateName(TDragState s) {
  switch (s) {
    case dsDragEnter: return "enter";
    case dsDragLeave: return "leave";
    case dsDragMove: return "move";
  }
  return "?";
}

// Logs what the drag tells the controls it is hooked to, by their names.
struct TDragLog : TLog {
  // The controls named here accept the source.
  std::vector<std::string> Accepting;
  int Starts = 0;
  int Ends = 0;
  TObject* EndTarget = nullptr;
  TPoint EndPoint;
  bool BeginOnPress = false;
  bool Immediate = true;
  int Threshold = -1;

  void Over(TObject* sender, TObject*, int x, int y, TDragState state, bool& accept) {
    const std::string name = static_cast<TComponent*>(sender)->Name();
    Add(name + " " + StateName(state) + " " + std::to_string(x) + "," + std::to_string(y));
    accept = std::find(Accepting.begin(), Accepting.end(), name) != Accepting.end();
  }
  void Drop(TObject* sender, TObject* source, int x, int y) {
    Add(static_cast<TComponent*>(sender)->Name() + " drop " +
        static_cast<TComponent*>(source)->Name() + " " + std::to_string(x) + "," +
        std::to_string(y));
  }
  void Start(TObject*, TObject*&) { ++Starts; }
  void End(TObject*, TObject* target, int x, int y) {
    ++Ends;
    EndTarget = target;
    EndPoint = {x, y};
  }
  void Press(TObject* sender, TMouseButton, TShiftState, int, int) {
    if (BeginOnPress) static_cast<TControl*>(sender)->BeginDrag(Immediate, Threshold);
  }
  void Hook(TControl* c) {
    c->OnDragOver = TDragOverEvent(this, &TDragLog::Over);
    c->OnDragDrop = TDragDropEvent(this, &TDragLog::Drop);
  }
  void HookSource(TControl* c) {
    Hook(c);
    c->OnStartDrag = TStartDragEvent(this, &TDragLog::Start);
    c->OnEndDrag = TEndDragEvent(this, &TDragLog::End);
    c->OnMouseDown = TMouseEvent(this, &TDragLog::Press);
  }
  // A drag begun from the source's press, which the target (named "A") accepts.
  void FromPressOnto(TControl* source, TControl* target) {
    HookSource(source);
    Hook(target);
    Accepting = {"A"};
    BeginOnPress = true;
  }
};

// A form with a source panel S at (10,10) and two panels A (150,10) and B (280,10), 100 x 60.
class DragPath : public DragDropTest {
 protected:
  void SetUp() override {
    NewForm();
    form_->SetName("F");
    source_ = Place<TPanel>(form_.get(), 10, 10, 100, 60, "S");
    a_ = Place<TPanel>(form_.get(), 150, 10, 100, 60, "A");
    b_ = Place<TPanel>(form_.get(), 280, 10, 100, 60, "B");
    log_.HookSource(source_);
    log_.Hook(a_);
    log_.Hook(b_);
    Show();
  }
  void Press(TControl* c, int x, int y) {
    const TPoint p = ScreenOf(c, x, y);
    win::testkit::MouseDown(p.X, p.Y);
  }
  void Move(TControl* c, int x, int y) { MoveTo(c, x, y); }
  void Release(TControl* c, int x, int y) {
    const TPoint p = ScreenOf(c, x, y);
    win::testkit::MouseUp(p.X, p.Y);
  }
  void ExpectMouseFree() {
    EXPECT_EQ(win::GetCapture(), nullptr);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_FALSE(source_->Dragging());
    EXPECT_FALSE(DragUnderWay());
  }
  TPanel* source_ = nullptr;
  TPanel* a_ = nullptr;
  TPanel* b_ = nullptr;
  TDragLog log_;
};

TEST_F(DragPath, EveryControlOnThePathIsAskedAsTheMouseEntersMovesAndLeaves) {
  source_->SetDragMode(dmAutomatic);
  log_.Accepting = {"A", "B"};
  Press(source_, 20, 20);
  Move(source_, 30, 25);
  Move(a_, 10, 10);
  Move(a_, 12, 14);
  Move(b_, 5, 6);
  Release(b_, 5, 6);
  EXPECT_EQ(log_.Entries, (TLines{"S enter 20,20", "S move 30,25", "S leave 150,10",
                                  "A enter 10,10", "A move 12,14", "A leave 135,6", "B enter 5,6",
                                  "B leave 5,6", "B drop S 5,6"}));
  EXPECT_EQ(log_.Starts, 1);
  EXPECT_EQ(log_.Ends, 1);
  EXPECT_EQ(log_.EndTarget, b_);
  EXPECT_EQ(log_.EndPoint, (TPoint{5, 6}));
  ExpectMouseFree();
}

// Where the drag ends: the control that answered last decides.
struct TEndCase {
  const char* Name;
  std::vector<std::string> Accepting;
  bool OnB;             // released over B, else over the form beside the panels
  const char* Dropped;  // "" when nothing is dropped
};

class DragEnds : public DragPath, public ::testing::WithParamInterface<TEndCase> {};

TEST_P(DragEnds, DropOnlyOnAnAcceptingControl) {
  const TEndCase& c = GetParam();
  source_->SetDragMode(dmAutomatic);
  log_.Accepting = c.Accepting;
  Press(source_, 20, 20);
  Move(a_, 10, 10);
  if (c.OnB) {
    Move(b_, 40, 30);
    Release(b_, 40, 30);
  } else {
    Move(b_, 40, 100);
    Release(b_, 40, 100);
  }
  std::string dropped;
  for (const std::string& e : log_.Entries)
    if (e.find(" drop ") != std::string::npos) dropped = e;
  EXPECT_EQ(dropped, c.Dropped);
  EXPECT_EQ(log_.Ends, 1);
  if (*c.Dropped) {
    EXPECT_EQ(log_.EndTarget, b_);
    EXPECT_EQ(log_.EndPoint, (TPoint{40, 30}));
  } else {
    EXPECT_EQ(log_.EndTarget, nullptr);
    EXPECT_EQ(log_.EndPoint, (TPoint{0, 0}));
  }
  ExpectMouseFree();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DragEnds,
    ::testing::Values(TEndCase{"AcceptingTarget", {"B"}, true, "B drop S 40,30"},
                      TEndCase{"RefusingTarget", {"A"}, true, ""},
                      TEndCase{"OutsideAnyControl", {"A", "B"}, false, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DragPath, EscapeCancelsTheDragWithNoTarget) {
  source_->SetDragMode(dmAutomatic);
  log_.Accepting = {"A"};
  Press(source_, 20, 20);
  Move(a_, 10, 10);
  win::testkit::KeyPress(win::VK_ESCAPE);
  EXPECT_EQ(log_.Ends, 1);
  EXPECT_EQ(log_.EndTarget, nullptr);
  ExpectMouseFree();
  log_.Clear();
  Release(a_, 10, 10);
  EXPECT_EQ(log_.Entries, TLines{});
  EXPECT_EQ(log_.Ends, 1);
}

// A drag begun from the source's OnMouseDown, at once or once past a threshold.
struct TThresholdCase {
  const char* Name;
  bool Immediate;
  int Threshold;
  int MovedBy;  // to the right, before the mouse goes to A
  bool Starts;  // the drag starts before the mouse reaches A
};

class DragThreshold : public DragPath, public ::testing::WithParamInterface<TThresholdCase> {};

TEST_P(DragThreshold, TheDragStartsOncePastTheThreshold) {
  const TThresholdCase& c = GetParam();
  log_.BeginOnPress = true;
  log_.Immediate = c.Immediate;
  log_.Threshold = c.Threshold;
  log_.Accepting = {"A"};
  TLog clickLog;
  source_->OnClick = clickLog.Counter();
  Press(source_, 20, 20);
  EXPECT_EQ(log_.Starts, 1);
  EXPECT_TRUE(source_->Dragging());
  Move(source_, 20 + c.MovedBy, 20);
  const bool asked = !log_.Entries.empty();
  EXPECT_EQ(asked, c.Starts);
  // Released where it is: a drag that never started leaves the press a click of the source's.
  Release(source_, 20 + c.MovedBy, 20);
  EXPECT_EQ(log_.Ends, 1);
  EXPECT_EQ(log_.EndTarget, nullptr);
  EXPECT_EQ(clickLog.Count, c.Starts ? 0 : 1);
  ExpectMouseFree();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DragThreshold,
    ::testing::Values(TThresholdCase{"Immediate", true, -1, 1, true},
                      TThresholdCase{"WithinTheThreshold", false, 10, 10, false},
                      TThresholdCase{"PastTheThreshold", false, 10, 11, true},
                      TThresholdCase{"WithinTheSystemDistance", false, -1, 2, false},
                      TThresholdCase{"PastTheSystemDistance", false, -1, 30, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DragPath, TheCursorShowsWhetherTheControlUnderItAccepts) {
  source_->SetDragMode(dmAutomatic);
  source_->SetDragCursor(crCross);
  log_.Accepting = {"A"};
  Press(source_, 20, 20);
  Move(a_, 10, 10);
  EXPECT_EQ(win::GetCursor(), Screen->Cursors(crCross));
  Move(b_, 10, 10);
  EXPECT_EQ(win::GetCursor(), Screen->Cursors(crNoDrop));
  Move(a_, 20, 10);
  EXPECT_EQ(win::GetCursor(), Screen->Cursors(crCross));
  Release(a_, 20, 10);
  EXPECT_EQ(win::GetCursor(), Screen->Cursors(crArrow));
}

TEST_F(DragPath, AControlFreedUnderTheDragIsNotAskedAgain) {
  source_->SetDragMode(dmAutomatic);
  log_.Accepting = {"A"};
  Press(source_, 20, 20);
  Move(a_, 10, 10);
  delete a_;
  log_.Clear();
  Move(b_, 10, 10);
  Release(b_, 10, 10);
  EXPECT_EQ(log_.Entries, (TLines{"B enter 10,10", "B leave 10,10"}));
  EXPECT_EQ(log_.Ends, 1);
  EXPECT_EQ(log_.EndTarget, nullptr);
  ExpectMouseFree();
}

// A handler that frees the control the drag is leaving at the release: nothing is dropped on
// it, and the drag ends with no target.
TEST_F(DragPath, ATargetFreedAsTheReleaseLeavesItIsNotDroppedOn) {
  source_->SetDragMode(dmAutomatic);
  struct TFreer : TObject {
    TControl* Victim = nullptr;
    void Over(TObject*, TObject*, int, int, TDragState state, bool& accept) {
      accept = true;
      if (state == dsDragLeave && Victim) {
        delete Victim;
        Victim = nullptr;
      }
    }
  } freer;
  freer.Victim = a_;
  a_->OnDragOver = TDragOverEvent(&freer, &TFreer::Over);
  Press(source_, 20, 20);
  Move(a_, 10, 10);
  Release(a_, 10, 10);
  EXPECT_EQ(freer.Victim, nullptr);
  EXPECT_EQ(log_.Ends, 1);
  EXPECT_EQ(log_.EndTarget, nullptr);
  ExpectMouseFree();
}

TEST_F(DragPath, ASourceFreedUnderTheDragLetsTheMouseGo) {
  source_->SetDragMode(dmAutomatic);
  Press(source_, 20, 20);
  Move(a_, 10, 10);
  delete source_;
  EXPECT_FALSE(DragUnderWay());
  EXPECT_EQ(win::GetCapture(), nullptr);
  Release(a_, 10, 10);
  EXPECT_EQ(log_.Ends, 0);
}

// A push button whose OnMouseDown begins a drag is not left drawn down, nor clicked, by it.
TEST_F(DragDropTest, AButtonThatBeginsADragIsNotLeftPressed) {
  NewForm();
  auto* button = Place<TButton>(form_.get(), 10, 10, 80, 30, "S");
  auto* target = Place<TPanel>(form_.get(), 150, 10, 100, 60, "A");
  TDragLog log;
  log.FromPressOnto(button, target);
  TLog clicks;
  button->OnClick = clicks.Counter();
  Show();
  const TPoint from = ScreenOf(button, 20, 15), to = ScreenOf(target, 10, 10);
  win::testkit::Drag({from.X, from.Y}, {to.X, to.Y});
  EXPECT_EQ(log.EndTarget, target);
  EXPECT_EQ(win::SendMessageA(button->Handle(), win::BM_GETSTATE, 0, 0) & win::BST_PUSHED, 0);
  EXPECT_FALSE(button->ControlState().contains(csLButtonDown));
  EXPECT_EQ(clicks.Count, 0);
  EXPECT_EQ(win::GetCapture(), nullptr);
}

// A scroll bar whose OnMouseDown begins a drag: the system's own tracking of the press (the
// page repeat on the channel) ends when the drag takes the mouse.
TEST_F(DragDropTest, AScrollBarThatBeginsADragStopsItsOwnTracking) {
  NewForm();
  auto* bar = Place<TScrollBar>(form_.get(), 10, 10, 200, 20, "S");
  auto* target = Place<TPanel>(form_.get(), 250, 10, 100, 60, "A");
  TDragLog log;
  log.FromPressOnto(bar, target);
  Show();
  const int position = bar->Position();
  // On the channel right of the thumb: a page, repeated while the press lasts.
  const TPoint from = ScreenOf(bar, 150, 10), to = ScreenOf(target, 10, 10);
  win::testkit::MouseDown(from.X, from.Y);
  win::testkit::MouseMove(to.X, to.Y);
  const int paged = bar->Position();
  win::testkit::AdvanceClock(2000);
  EXPECT_EQ(bar->Position(), paged);
  win::testkit::MouseUp(to.X, to.Y);
  EXPECT_LE(paged - position, bar->LargeChange());
  EXPECT_EQ(log.Ends, 1);
  EXPECT_EQ(log.EndTarget, target);
  EXPECT_EQ(win::GetCapture(), nullptr);
  EXPECT_FALSE(DragUnderWay());
}

// A drag that waits for its threshold on a scroll bar, begun from its OnMouseDown: until the
// mouse moves past the threshold the press is the bar's own (a page on the channel, the thumb
// following the mouse) and a release there ends the drag unstarted; past it the drag starts,
// the bar's tracking ends (no more pages, the thumb stays), and the drag drops where it ends.
struct TBarThresholdCase {
  const char* Name;
  int PressX;   // on the bar, 200 x 20, position 50 of 0..100: the thumb sits in its middle
  int MovedBy;  // to the right along the bar, then down off it
  bool Starts;
};

class ScrollBarThreshold : public DragDropTest,
                           public ::testing::WithParamInterface<TBarThresholdCase> {};

TEST_P(ScrollBarThreshold, TheDragStartsPastItAndEndsTheBarsOwnTracking) {
  const TBarThresholdCase& c = GetParam();
  NewForm();
  auto* bar = Place<TScrollBar>(form_.get(), 10, 10, 200, 20, "S");
  bar->SetLargeChange(10);
  bar->SetPosition(50);
  auto* target = Place<TPanel>(form_.get(), 250, 10, 100, 60, "A");
  TDragLog log;
  log.FromPressOnto(bar, target);
  log.Immediate = false;
  log.Threshold = 6;
  Show();
  const bool onThumb = c.PressX == 100;
  const TPoint from = ScreenOf(bar, c.PressX, 10);
  win::testkit::MouseDown(from.X, from.Y);
  EXPECT_EQ(log.Starts, 1);
  // A press on the channel pages at once, as without a drag.
  EXPECT_EQ(bar->Position(), onThumb ? 50 : 60);
  win::testkit::MouseMove(from.X + c.MovedBy, from.Y);
  if (c.Starts) win::testkit::MouseMove(from.X + c.MovedBy, from.Y + 40);
  const int moved = bar->Position();
  if (onThumb && !c.Starts) {
    EXPECT_GT(moved, 50) << "the thumb follows the mouse within the threshold";
  }
  const TPoint to = c.Starts ? ScreenOf(target, 10, 10) : TPoint{from.X + c.MovedBy, from.Y};
  win::testkit::MouseMove(to.X, to.Y);
  // Past the threshold the bar tracks no more: no page repeats, the thumb stays.
  win::testkit::AdvanceClock(2000);
  if (c.Starts) {
    EXPECT_EQ(bar->Position(), moved);
  }
  win::testkit::MouseUp(to.X, to.Y);
  EXPECT_EQ(log.Ends, 1);
  EXPECT_EQ(log.EndTarget, c.Starts ? static_cast<TObject*>(target) : nullptr);
  const bool dropped =
      std::find(log.Entries.begin(), log.Entries.end(), "A drop S 10,10") != log.Entries.end();
  EXPECT_EQ(dropped, c.Starts);
  EXPECT_FALSE(DragUnderWay());
  EXPECT_FALSE(bar->ControlState().contains(csLButtonDown));
  EXPECT_EQ(win::GetCapture(), nullptr);
  // The bar takes a press of its own again.
  const int before = bar->Position();
  ClickAt(bar, 190, 10);
  EXPECT_EQ(bar->Position(), std::min(before + 1, 100));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollBarThreshold,
    ::testing::Values(TBarThresholdCase{"ChannelWithinTheThreshold", 170, 3, false},
                      TBarThresholdCase{"ChannelPastTheThreshold", 170, 0, true},
                      TBarThresholdCase{"ThumbWithinTheThreshold", 100, 5, false},
                      TBarThresholdCase{"ThumbPastTheThreshold", 100, 0, true}),
    [](const auto& info) { return std::string(info.param.Name); });

// Another window taking the mouse from the drag ends it, with no target, once.
TEST_F(DragPath, ADragThatLosesTheMouseEndsWithNoTarget) {
  source_->SetDragMode(dmAutomatic);
  log_.Accepting = {"A"};
  Press(source_, 20, 20);
  Move(a_, 10, 10);
  win::SetCapture(b_->Handle());
  Idle();
  EXPECT_EQ(log_.Ends, 1);
  EXPECT_EQ(log_.EndTarget, nullptr);
  EXPECT_FALSE(DragUnderWay());
  win::ReleaseCapture();
  log_.Clear();
  Move(a_, 20, 20);
  Release(a_, 20, 20);
  EXPECT_EQ(log_.Entries, TLines{});
  EXPECT_EQ(log_.Ends, 1);
}

}  // namespace
}  // namespace vcl::testing
