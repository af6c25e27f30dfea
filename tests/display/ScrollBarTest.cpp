// The scroll bar: defaults and range rules, the layout of arrows and thumb, paging by clicks
// and by the repeat on the virtual clock, keys, dragging the thumb, the scroll codes it
// reports, the track's pictures, focus, and the settings bundle.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "buttons/ZYLSpinButton.h"
#include "display/ZYLSBar.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCaret.h"
#include "foundation/ZYLFillObject.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/user/WinUser.h"
#include "platform/user/WinUserConsts.h"
#include "tests/support/AppScope.h"
#include "tests/support/Cases.h"
#include "tests/support/FocusLog.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/PressCut.h"
#include "tests/support/RaisingHandler.h"
#include "tests/support/ThemeScope.h"

namespace zyl {
namespace {

namespace tk = win::testkit;

// Writes the scroll codes as they come.
struct TScrollLog : vcl::TObject {
  std::vector<int> Codes;
  int Rewrite = -1;  // a position the handler writes back (for code 0), -1 none
  void Scroll(vcl::TObject*, vcl::TScrollCode Code, int& Pos) {
    Codes.push_back(static_cast<int>(Code));
    if (Rewrite >= 0 && Code == vcl::scLineUp) Pos = Rewrite;
  }
  std::string Take() {
    std::string s;
    for (int c : Codes) s += (s.empty() ? "" : " ") + std::to_string(c);
    Codes.clear();
    return s;
  }
};

class ScrollBarTest : public ::testing::Test {
 protected:
  ScrollBarTest() : session_(640, 480), form_(testsupport::FramelessForm(320, 240)) {
    bar_ = new TZYLScrollBar(form_.get());
    bar_->SetBounds(10, 10, 202, 16);
    bar_->SetParent(form_.get());
    bar_->SetOnScroll(vcl::TScrollEvent(&log_, &TScrollLog::Scroll));
    form_->Show();
    tk::RunUntilIdle();
  }
  // A point of the bar in screen coordinates.
  win::POINT At(int X, int Y) const {
    const vcl::TPoint p = bar_->ClientToScreen(vcl::TPoint{X, Y});
    return {p.X, p.Y};
  }
  void Click(int X, int Y) {
    tk::AdvanceClock(1000);  // not a double click
    const win::POINT p = At(X, Y);
    tk::Click(p.X, p.Y);
  }
  // Holds the mouse down at (X, Y) for Ms milliseconds, then lets it go.
  void Hold(int X, int Y, int Ms) {
    const win::POINT p = At(X, Y);
    tk::AdvanceClock(1000);  // not a double click
    tk::MouseDown(p.X, p.Y);
    tk::AdvanceClock(Ms);
    tk::MouseUp(p.X, p.Y);
  }
  int ThumbLeft() const { return bar_->Thumb()->Left(); }

  vcl::testkit::TControlsSession session_;
  testsupport::TAppScope app_;
  TScrollLog log_;  // outlives the form, whose bar reports to it
  std::unique_ptr<vcl::TForm> form_;
  TZYLScrollBar* bar_ = nullptr;
};

TEST_F(ScrollBarTest, NewBar) {
  TZYLScrollBar b(nullptr);
  EXPECT_EQ(b.Height(), 16);
  EXPECT_EQ(b.Kind(), skHorizontal);
  EXPECT_EQ(b.Min(), 0);
  EXPECT_EQ(b.Max(), 100);
  EXPECT_EQ(b.Position(), 0);
  EXPECT_EQ(b.SmallChange(), 1);
  EXPECT_EQ(b.LargeChange(), 10);
  EXPECT_TRUE(b.TabStop());
  EXPECT_TRUE(b.CanBeFocused());
  EXPECT_FALSE(b.ControlStyle().contains(vcl::csAcceptsControls));
  EXPECT_EQ(b.Bevel()->Mode(), bmStandard);
  EXPECT_EQ(b.ThumbBevel()->StyleOuter(), bvRaised);
  EXPECT_EQ(b.Back()->Style(), sfBrushBitmap);
  EXPECT_TRUE(b.DecButton()->ScrollBarMode());
  EXPECT_TRUE(b.IncButton()->ScrollBarMode());
  EXPECT_FALSE(b.Thumb()->TabStop());
  // The checker: white where x + y is even, the face colour where it is odd.
  const auto px = [&](int x, int y) {
    return vcl::ColorToRGB(b.Checker()->Canvas()->Pixels(x, y));
  };
  EXPECT_EQ(px(0, 0), vcl::clWhite);
  EXPECT_EQ(px(3, 5), vcl::clWhite);
  EXPECT_EQ(px(1, 0), vcl::ColorToRGB(vcl::clBtnFace));
  EXPECT_EQ(px(7, 4), vcl::ColorToRGB(vcl::clBtnFace));
}

// The user picks other system colours: the checker of a bar in a system colour takes the new
// colour once the form is told, as a bar made afterwards has it.
TEST_F(ScrollBarTest, TheCheckerFollowsAChangeOfTheSystemColours) {
  const int element = win::COLOR_BTNFACE;
  const win::COLORREF was = win::GetSysColor(element), lilac = win::RGB(200, 170, 230);
  const vcl::TFinally restore([&] { win::SetSysColors(1, &element, &was); });
  win::SetSysColors(1, &element, &lilac);
  tk::RunUntilIdle();
  const auto px = [&](int x, int y) {
    return vcl::ColorToRGB(bar_->Checker()->Canvas()->Pixels(x, y));
  };
  EXPECT_EQ(px(0, 0), vcl::clWhite);
  EXPECT_EQ(px(1, 0), static_cast<vcl::TColor>(lilac));
  EXPECT_EQ(px(7, 4), static_cast<vcl::TColor>(lilac));
  // The focused bar's caret draws the new checker too.
  bar_->SetFocus();
  tk::RunUntilIdle();
  EXPECT_EQ(vcl::ColorToRGB(bar_->Caret()->Bitmap()->Canvas()->Pixels(1, 0)),
            static_cast<vcl::TColor>(lilac));
}

TEST_F(ScrollBarTest, HorizontalLayout) {
  EXPECT_EQ(bar_->BevelExt(), 2);  // the single lowered frame
  // The track: 198 pixels inside the frame, less two 16-pixel arrows.
  EXPECT_EQ(bar_->TrackLength(), 166);
  auto bounds = [](vcl::TControl* c) {
    return std::to_string(c->Left()) + "," + std::to_string(c->Top()) + "," +
           std::to_string(c->Width()) + "," + std::to_string(c->Height());
  };
  // The arrows reach one pixel below the track.
  testsupport::ExpectCases({{bounds(bar_->DecButton()), "2,2,16,13"},
                            {bounds(bar_->IncButton()), "184,2,16,13"},
                            {bounds(bar_->Thumb()), "18,2,16,12"}});
  EXPECT_EQ(bar_->DecButton()->Btns(), TZYLSpinButtons{sbLeft});
  EXPECT_EQ(bar_->IncButton()->Btns(), TZYLSpinButtons{sbRight});
}

// Where the thumb stands for a position: 150 free pixels for the range 0 .. 100, the offset
// rounded with halves to even.
struct OffsetCase {
  int Position;
  int ThumbLeft;
};

class ScrollBarOffsets : public ScrollBarTest, public ::testing::WithParamInterface<OffsetCase> {};

TEST_P(ScrollBarOffsets, ThumbPlace) {
  bar_->SetPosition(GetParam().Position);
  EXPECT_EQ(ThumbLeft(), GetParam().ThumbLeft);
}

INSTANTIATE_TEST_SUITE_P(Positions, ScrollBarOffsets,
                         ::testing::Values(OffsetCase{0, 18}, OffsetCase{1, 20}, OffsetCase{3, 22},
                                           OffsetCase{50, 93}, OffsetCase{99, 166},
                                           OffsetCase{100, 168}));

TEST_F(ScrollBarTest, VerticalLayoutAndKindAtRunAndDesignTime) {
  bar_->SetKind(skVertical);
  EXPECT_EQ(bar_->Width(), 202);  // run time: the size stays
  bar_->SetBounds(10, 10, 16, 120);
  EXPECT_EQ(bar_->DecButton()->Btns(), TZYLSpinButtons{sbUp});
  EXPECT_EQ(bar_->IncButton()->Btns(), TZYLSpinButtons{sbDown});
  EXPECT_EQ(bar_->DecButton()->Top(), 3);
  EXPECT_EQ(bar_->DecButton()->Height(), 15);
  EXPECT_EQ(bar_->IncButton()->Top(), 103);
  EXPECT_EQ(bar_->Thumb()->Top(), 18);
  EXPECT_EQ(bar_->Thumb()->Height(), 16);
  TZYLScrollBar designed(nullptr);
  designed.SetDesigning(true);
  designed.SetBounds(0, 0, 150, 16);
  designed.SetKind(skVertical);
  EXPECT_EQ(designed.Width(), 16);
  EXPECT_EQ(designed.Height(), 150);
}

TEST_F(ScrollBarTest, AutoThumbFollowsTheRange) {
  bar_->SetBounds(10, 10, 116, 16);  // a track of 80 pixels
  bar_->SetThumbMode(tmAuto);
  EXPECT_EQ(bar_->TrackLength(), 80);
  EXPECT_EQ(bar_->Thumb()->Width(), 8);  // 80 - 100 is below 8
  bar_->SetInteger(TZYLScrollBar::ipMax, 20);
  EXPECT_EQ(bar_->Thumb()->Width(), 60);
  bar_->SetInteger(TZYLScrollBar::ipThumbLength, 30);  // ignored in tmAuto
  EXPECT_EQ(bar_->Thumb()->Width(), 60);
}

struct RangeCase {
  const char* Name;
  std::vector<std::pair<int, int>> Sets;  // (index, value)
  int Max, Min, Position;
};

class ScrollBarRange : public ScrollBarTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(ScrollBarRange, KeptInOrderWithoutReports) {
  for (auto [index, value] : GetParam().Sets) bar_->SetInteger(index, value);
  EXPECT_EQ(bar_->Max(), GetParam().Max);
  EXPECT_EQ(bar_->Min(), GetParam().Min);
  EXPECT_EQ(bar_->Position(), GetParam().Position);
  EXPECT_EQ(log_.Take(), "");
}

using B = TZYLScrollBar;
INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollBarRange,
    ::testing::Values(
        RangeCase{"PositionAboveMax", {{B::ipPosition, 150}}, 100, 0, 100},
        RangeCase{"PositionBelowMin", {{B::ipPosition, -5}}, 100, 0, 0},
        RangeCase{"MinAboveMax", {{B::ipPosition, 30}, {B::ipMin, 200}}, 100, 100, 100},
        RangeCase{"MaxBelowMin", {{B::ipMin, 20}, {B::ipMax, -10}}, 20, 20, 20},
        RangeCase{"MaxBelowPosition", {{B::ipPosition, 80}, {B::ipMax, 50}}, 50, 0, 50},
        RangeCase{"NegativeRange", {{B::ipMin, -50}, {B::ipPosition, -20}}, 100, -50, -20}),
    [](const auto& i) { return std::string(i.param.Name); });

TEST_F(ScrollBarTest, RangeReadFromAFormKeepsItsOrder) {
  // Max is read before Min: a range below the default Min must survive.
  vcl::RegisterClass(TZYLScrollBar::StaticClass());
  bar_->SetName("Bar");
  bar_->SetInteger(B::ipMin, -50);
  bar_->SetInteger(B::ipMax, -10);
  bar_->SetPosition(-20);
  const std::string bytes = vcl::WriteComponentToBytes(form_.get());
  vcl::TForm back(nullptr);
  vcl::ReadComponentFromBytes(bytes, &back);
  auto* read = dynamic_cast<TZYLScrollBar*>(back.FindComponent("Bar"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Min(), -50);
  EXPECT_EQ(read->Max(), -10);
  EXPECT_EQ(read->Position(), -20);
  vcl::UnRegisterClass(TZYLScrollBar::StaticClass());
}

TEST_F(ScrollBarTest, TrackClickPagesAndTheHoldRepeatsUntilTheThumbReachesTheMouse) {
  bar_->SetPosition(50);  // thumb at 93 .. 109
  const win::POINT p = At(40, 8);
  tk::AdvanceClock(1000);
  tk::MouseDown(p.X, p.Y);
  EXPECT_EQ(bar_->Position(), 40);
  EXPECT_EQ(log_.Take(), "8 3");
  EXPECT_TRUE(bar_->Repeating());
  tk::AdvanceClock(100);
  EXPECT_EQ(bar_->Position(), 30);
  tk::AdvanceClock(1000);
  // Position 10 puts the thumb at 33 .. 49, over the mouse: the repeat ends there.
  EXPECT_EQ(bar_->Position(), 10);
  EXPECT_FALSE(bar_->Repeating());
  EXPECT_EQ(log_.Take(), "8 3 8 3 8 3");
  tk::MouseUp(p.X, p.Y);
  EXPECT_TRUE(bar_->Focused());
}

TEST_F(ScrollBarTest, ReleasingTheMouseStopsTheRepeat) {
  Hold(170, 8, 100);
  EXPECT_EQ(bar_->Position(), 20);
  EXPECT_FALSE(bar_->Repeating());
  tk::AdvanceClock(1000);
  EXPECT_EQ(bar_->Position(), 20);
  EXPECT_EQ(log_.Take(), "8 2 8 2");
}

TEST_F(ScrollBarTest, ReleasingTheMouseStopsTheRepeatWhenOnMouseUpRaises) {
  testsupport::TRaisingHandler raising;
  bar_->OnMouseUp = vcl::TMouseEvent(&raising, &testsupport::TRaisingHandler::Mouse);
  Hold(170, 8, 100);
  EXPECT_EQ(raising.Arrived, std::vector<std::string>{"The file was not found"});
  EXPECT_EQ(bar_->Position(), 20);
  EXPECT_FALSE(bar_->Repeating());
  tk::AdvanceClock(1000);
  EXPECT_EQ(bar_->Position(), 20);
  EXPECT_EQ(log_.Take(), "8 2 8 2");
}

// A drag begun from the press takes the mouse: the paging the press began stops with the first
// page, as a release would stop it.
struct TDragOnPress : vcl::TObject {
  void Press(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int) {
    static_cast<vcl::TControl*>(Sender)->BeginDrag(true);
  }
};

TEST_F(ScrollBarTest, ADragBegunFromThePressStopsTheRepeat) {
  TDragOnPress drag;
  bar_->OnMouseDown = vcl::TMouseEvent(&drag, &TDragOnPress::Press);
  const win::POINT p = At(170, 8);
  tk::AdvanceClock(1000);
  tk::MouseDown(p.X, p.Y);
  EXPECT_EQ(bar_->Position(), 10);
  tk::MouseMove(p.X, p.Y + 60);
  EXPECT_FALSE(bar_->Repeating());
  tk::AdvanceClock(1000);
  EXPECT_EQ(bar_->Position(), 10);
  tk::MouseUp(p.X, p.Y + 60);
  EXPECT_FALSE(bar_->Dragging());
  EXPECT_EQ(log_.Take(), "8 2");
}

// A hold on the track or a drag of the thumb cut short: a modal form comes up (closed at
// once), the bar is disabled or hidden, or another window takes the mouse. The repeat stops
// and the drag ends there: neither the clock, the mouse moving on nor its release moves the
// bar any more, and nothing keeps the mouse.
using testsupport::TCut;
using testsupport::TCutter;

struct TCutCase {
  const char* Name;
  bool Thumb;  // the thumb dragged, else the track held
  TCut How;
  bool FromHandler = false;  // made by the bar's OnMouseDown, before the bar's own work
};

class ScrollBarCut : public ScrollBarTest, public ::testing::WithParamInterface<TCutCase> {};

TEST_P(ScrollBarCut, TheRepeatAndTheDragEndAndNothingMovesTheBarAfterwards) {
  const TCutCase& c = GetParam();
  auto* other = new vcl::TForm(form_.get());
  other->SetBounds(400, 300, 60, 40);
  other->Show();
  tk::RunUntilIdle();
  const auto cut = [&] { testsupport::CutPress(c.How, bar_, other); };
  TCutter cutter;
  if (c.FromHandler) {
    cutter.Cut = cut;
    bar_->OnMouseDown = vcl::TMouseEvent(&cutter, &TCutter::Down);
  }
  const int start = bar_->Position();
  const win::POINT p = c.Thumb ? At(25, 8) : At(170, 8);
  tk::AdvanceClock(1000);
  tk::MouseDown(p.X, p.Y);
  tk::MouseMove(p.X + 10, p.Y);
  if (c.FromHandler) {
    // Cut before the bar began: the press pages nothing.
    EXPECT_EQ(bar_->Position(), start);
  } else {
    EXPECT_TRUE(c.Thumb ? bar_->Dragging() : bar_->Repeating());
    cut();
  }
  const int position = bar_->Position();
  EXPECT_FALSE(bar_->Repeating());
  EXPECT_FALSE(bar_->Dragging());
  tk::AdvanceClock(1000);
  tk::MouseMove(p.X + 40, p.Y);
  tk::MouseUp(p.X + 40, p.Y);
  if (c.How == TCut::CaptureTaken) win::ReleaseCapture();
  tk::AdvanceClock(1000);
  EXPECT_EQ(bar_->Position(), position);
  EXPECT_EQ(win::GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollBarCut,
    ::testing::Values(TCutCase{"TrackModal", false, TCut::Modal},
                      TCutCase{"TrackDisabled", false, TCut::Disabled},
                      TCutCase{"TrackHidden", false, TCut::Hidden},
                      TCutCase{"TrackCaptureTaken", false, TCut::CaptureTaken},
                      TCutCase{"ThumbModal", true, TCut::Modal},
                      TCutCase{"ThumbDisabled", true, TCut::Disabled},
                      TCutCase{"ThumbHidden", true, TCut::Hidden},
                      TCutCase{"ThumbCaptureTaken", true, TCut::CaptureTaken},
                      TCutCase{"TrackModalFromOnMouseDown", false, TCut::Modal, true},
                      TCutCase{"TrackDisabledFromOnMouseDown", false, TCut::Disabled, true},
                      TCutCase{"TrackHiddenFromOnMouseDown", false, TCut::Hidden, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ScrollBarTest, APageThatJumpsOverTheMouseDoesNotComeBack) {
  bar_->SetInteger(B::ipMax, 10);  // one page crosses the whole track
  const win::POINT p = At(100, 8);
  tk::AdvanceClock(1000);
  tk::MouseDown(p.X, p.Y);
  EXPECT_EQ(bar_->Position(), 10);
  tk::AdvanceClock(1000);
  EXPECT_EQ(bar_->Position(), 10);
  tk::MouseUp(p.X, p.Y);
  EXPECT_EQ(log_.Take(), "8 2 8 7");
}

TEST_F(ScrollBarTest, RightClickOnTheTrackReportsNothing) {
  const win::POINT p = At(100, 8);
  tk::MouseDown(p.X, p.Y, 1);
  tk::MouseUp(p.X, p.Y, 1);
  EXPECT_EQ(bar_->Position(), 0);
  EXPECT_EQ(log_.Take(), "");
}

TEST_F(ScrollBarTest, ArrowButtons) {
  Click(190, 8);  // the increase arrow
  EXPECT_EQ(bar_->Position(), 1);
  EXPECT_EQ(log_.Take(), "8 0");
  Click(8, 8);
  EXPECT_EQ(bar_->Position(), 0);
  EXPECT_EQ(log_.Take(), "8 1");
  Click(8, 8);  // at Min: nothing
  EXPECT_EQ(log_.Take(), "");
  bar_->SetPosition(100);
  Click(190, 8);
  EXPECT_EQ(log_.Take(), "");
  // Held, the arrow repeats on its own timer.
  Hold(8, 8, 300);
  EXPECT_EQ(bar_->Position(), 98);
}

// The arrows' hot look goes with the mouse, also when the user's OnMouseExit raises as the
// mouse leaves the bar; the error reaches the application.
TEST_F(ScrollBarTest, TheArrowsAreNotLeftHotWhenOnMouseExitRaises) {
  testsupport::TRaisingHandler raising;
  raising.Armed = false;
  bar_->SetOnMouseExit(vcl::TNotifyEvent(&raising, &testsupport::TRaisingHandler::Notify));
  const win::POINT arrow = At(8, 8), away = At(100, 100);
  tk::MouseMove(away.X, away.Y);
  tk::MouseMove(arrow.X, arrow.Y);
  auto hot = [this] {
    for (int p = sbUp; p <= sbRight; ++p)
      if (bar_->DecButton()->IsHot(TZYLSingleSpinButton(p))) return true;
    return false;
  };
  ASSERT_TRUE(hot());
  raising.Armed = true;
  tk::MouseMove(away.X, away.Y);
  tk::RunUntilIdle();
  EXPECT_EQ(raising.Arrived, std::vector<std::string>{"The file was not found"});
  EXPECT_FALSE(hot());
}

struct KeyCase {
  int Start;
  win::BYTE Key;
  int Position;
  const char* Codes;
};

class ScrollBarKeys : public ScrollBarTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ScrollBarKeys, MoveAndReport) {
  bar_->SetFocus();
  bar_->SetPosition(GetParam().Start);
  tk::KeyPress(GetParam().Key);
  EXPECT_EQ(bar_->Position(), GetParam().Position);
  EXPECT_EQ(log_.Take(), GetParam().Codes);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ScrollBarKeys,
    ::testing::Values(KeyCase{5, win::VK_PRIOR, 0, "3 8 6"}, KeyCase{50, win::VK_PRIOR, 40, "3"},
                      KeyCase{95, win::VK_NEXT, 100, "2 8 7"}, KeyCase{50, win::VK_LEFT, 49, "8 1"},
                      KeyCase{50, win::VK_UP, 49, "8 1"}, KeyCase{50, win::VK_RIGHT, 51, "8 0"},
                      KeyCase{99, win::VK_DOWN, 100, "8 0 8 7"},
                      KeyCase{100, win::VK_RIGHT, 100, "8 7"}, KeyCase{50, win::VK_HOME, 50, ""}));

TEST_F(ScrollBarTest, DialogCodeAsksForArrowsAndCharacters) {
  const auto code = bar_->Perform(win::WM_GETDLGCODE, 0, 0);
  EXPECT_EQ(code & (win::DLGC_WANTARROWS | win::DLGC_WANTCHARS),
            win::DLGC_WANTARROWS | win::DLGC_WANTCHARS);
}

TEST_F(ScrollBarTest, DraggingTheThumb) {
  const win::POINT from = At(25, 8), to = At(55, 8);
  tk::AdvanceClock(1000);
  tk::Drag(from, to, 1);
  // 30 pixels of 150 free ones over a range of 100.
  EXPECT_EQ(bar_->Position(), 20);
  EXPECT_EQ(ThumbLeft(), 48);
  EXPECT_EQ(log_.Take(), "5 8 4");
  EXPECT_FALSE(bar_->Dragging());
  bar_->SetBoolean(B::bpAllowMousePos, false);
  tk::AdvanceClock(1000);
  tk::Drag(At(55, 8), At(100, 8), 1);
  EXPECT_EQ(bar_->Position(), 20);
  EXPECT_EQ(log_.Take(), "8 4");
}

TEST_F(ScrollBarTest, ReleasingTheThumbReportsEvenWithoutADrag) {
  Click(25, 8);
  EXPECT_EQ(log_.Take(), "8 4");
  EXPECT_TRUE(bar_->Focused());
}

TEST_F(ScrollBarTest, HandlerPositionIsKeptInRange) {
  log_.Rewrite = 500;
  Click(190, 8);
  EXPECT_EQ(bar_->Position(), 100);
  EXPECT_EQ(ThumbLeft(), 168);
}

// A handler that sets the bar's Position itself (a clamp to a step, say) rather than ScrollPos:
// the position it set stands, after each way the bar reports a move.
struct TPositionSetter : vcl::TObject {
  TZYLScrollBar* Bar = nullptr;
  int To = 0;
  void Scroll(vcl::TObject*, vcl::TScrollCode, int&) { Bar->SetPosition(To); }
};

TEST_F(ScrollBarTest, APositionTheHandlerSetsOnTheBarStands) {
  struct TMove {
    const char* Name;
    int Start;
    std::function<void()> Move;
  };
  const TMove moves[] = {
      {"the increase arrow clicked", 0, [this] { Click(190, 8); }},
      {"the track clicked", 0, [this] { Click(150, 8); }},
      {"the decrease arrow clicked", 50, [this] { Click(8, 8); }},
      {"Page Down pressed", 0,
       [this] {
         bar_->SetFocus();
         tk::KeyPress(win::VK_NEXT);
       }},
  };
  // Where the thumb of a bar at 30 stands.
  bar_->SetPosition(30);
  const int thumbAt30 = ThumbLeft();
  for (const TMove& m : moves) {
    SCOPED_TRACE(m.Name);
    bar_->SetOnScroll(nullptr);
    bar_->SetPosition(m.Start);
    TPositionSetter setter;
    setter.Bar = bar_;
    setter.To = 30;
    bar_->SetOnScroll(vcl::TScrollEvent(&setter, &TPositionSetter::Scroll));
    m.Move();
    tk::RunUntilIdle();
    EXPECT_EQ(bar_->Position(), 30);
    EXPECT_EQ(ThumbLeft(), thumbAt30);
  }
}

TEST_F(ScrollBarTest, NoHandlerNoReports) {
  bar_->SetOnScroll(nullptr);
  Click(190, 8);
  EXPECT_EQ(bar_->Position(), 1);
}

TEST_F(ScrollBarTest, DisabledBarHidesTheThumbAndDisablesTheArrows) {
  bar_->SetEnabled(false);
  EXPECT_FALSE(bar_->Thumb()->Visible());
  EXPECT_FALSE(bar_->DecButton()->Enabled());
  EXPECT_FALSE(bar_->IncButton()->Enabled());
  bar_->SetEnabled(true);
  EXPECT_TRUE(bar_->Thumb()->Visible());
  EXPECT_TRUE(bar_->IncButton()->Enabled());
}

TEST_F(ScrollBarTest, FocusShowsTheCheckerCaretUnlessHidden) {
  bar_->SetFocus();
  tk::RunUntilIdle();
  EXPECT_TRUE(bar_->Caret()->Built());
  EXPECT_EQ(bar_->Caret()->Width(), 13);  // the thumb less 3
  EXPECT_EQ(bar_->Caret()->Height(), 9);
  auto* other = new TZYLScrollBar(form_.get());
  other->SetBounds(10, 100, 100, 16);
  other->SetParent(form_.get());
  other->SetFocus();
  tk::RunUntilIdle();
  EXPECT_FALSE(bar_->Caret()->Built());
  EXPECT_TRUE(other->Caret()->Built());
  bar_->SetBoolean(B::bpHideFocus, true);
  bar_->SetFocus();
  tk::RunUntilIdle();
  EXPECT_FALSE(bar_->Caret()->Built());
  bar_->SetCanBeFocused(false);
  EXPECT_FALSE(bar_->TabStop());
}

// The focus given to the thumb's own window goes on to the bar, when the bar takes the focus.
TEST_F(ScrollBarTest, TheFocusGivenToTheThumbGoesToTheBar) {
  auto* other = new TZYLScrollBar(form_.get());
  other->SetBounds(10, 100, 100, 16);
  other->SetParent(form_.get());
  for (const bool can : {true, false}) {
    SCOPED_TRACE(can);
    other->SetFocus();
    tk::RunUntilIdle();
    bar_->SetCanBeFocused(can);
    win::SetFocus(bar_->Thumb()->Handle());
    tk::RunUntilIdle();
    EXPECT_EQ(bar_->Focused(), can);
    if (can) {
      EXPECT_TRUE(bar_->Caret()->Built());
    }
  }
}

TEST_F(ScrollBarTest, AfterEnterAndAfterExitComeOnceTheFocusHasMoved) {
  using testsupport::TFocusLog;
  TFocusLog log(bar_);
  auto* other = new TZYLScrollBar(form_.get());
  other->SetBounds(10, 100, 100, 16);
  other->SetParent(form_.get());
  other->SetFocus();
  tk::RunUntilIdle();
  bar_->OnEnter = vcl::TNotifyEvent(&log, &TFocusLog::Enter);
  bar_->OnExit = vcl::TNotifyEvent(&log, &TFocusLog::Exit);
  bar_->SetOnAfterEnter(vcl::TNotifyEvent(&log, &TFocusLog::AfterEnter));
  bar_->SetOnAfterExit(vcl::TNotifyEvent(&log, &TFocusLog::AfterExit));
  bar_->SetFocus();
  EXPECT_EQ(log.Log, (std::vector<std::string>{"enter focused"}));  // not yet: posted
  tk::RunUntilIdle();
  other->SetFocus();
  tk::RunUntilIdle();
  EXPECT_EQ(log.Log, (std::vector<std::string>{"enter focused", "after enter focused",
                                               "exit not focused", "after exit not focused"}));
  // Published, with the wheel.
  for (const char* name : {"OnAfterEnter", "OnAfterExit", "OnMouseWheel"})
    EXPECT_NE(vcl::GetPropInfo(bar_, name), nullptr) << name;
}

// The track between the thumb and the increase arrow.
constexpr win::RECT TrackArea{40, 2, 180, 14};

TEST_F(ScrollBarTest, TrackShowsTheCheckerOrTheUsersFill) {
  const vcl::TColor face = vcl::ColorToRGB(vcl::clBtnFace);
  tk::RunUntilIdle();
  tk::TCapture shot = tk::CaptureWindow(bar_->Handle(), false);
  // The pattern starts at the track's corner (2, 2).
  EXPECT_TRUE(tk::PixelsMatch(
      shot, [&](int x, int y) { return win::COLORREF((x + y) % 2 == 0 ? vcl::clWhite : face); },
      "sbar_checker", TrackArea));
  bar_->SetBackStyle(bsUser);
  bar_->Back()->SetFillStyle(sfBrush);
  bar_->Back()->Brush()->SetColor(vcl::clRed);
  tk::RunUntilIdle();
  shot = tk::CaptureWindow(bar_->Handle(), false);
  EXPECT_TRUE(tk::PixelsMatch(
      shot, [](int, int) { return win::COLORREF(vcl::clRed); }, "sbar_user", TrackArea));
  bar_->SetTransparent(true);  // the track is not filled then
  tk::RunUntilIdle();
  shot = tk::CaptureWindow(bar_->Handle(), false);
  EXPECT_GT(tk::CountDifferentPixels(
                shot, tk::MakeCapture(shot.Width, shot.Height,
                                      [](int, int) { return win::COLORREF(vcl::clRed); })),
            0);
}

TEST(ScrollBarObject, DefaultsAssignAndCopyOntoABar) {
  vcl::testkit::TControlsSession session;
  TZYLScrollBarObject a;
  EXPECT_EQ(a.Back()->Style(), sfBrush);
  EXPECT_EQ(a.Back()->Brush()->Color(), vcl::TColor(0xFF0000));
  EXPECT_EQ(a.Bevel()->Mode(), bmStandard);
  EXPECT_EQ(a.Bevel()->StandardStyle(), lsSingleLowered);
  a.SetColor(TZYLScrollBarObject::cpColor, vcl::clYellow);
  a.SetColor(TZYLScrollBarObject::cpThumbColor, vcl::clNavy);
  a.SetInteger(TZYLScrollBarObject::ipButtonWidth, 20);
  a.SetInteger(TZYLScrollBarObject::ipSmallChange, 2);
  a.SetInteger(TZYLScrollBarObject::ipLargeChange, 25);
  a.SetBoolean(TZYLScrollBarObject::bpTransparent, true);
  a.SetBoolean(TZYLScrollBarObject::bpCtl3D, false);
  a.SetAllowMousePos(false);
  a.SetBackStyle(bsUser);
  a.SetCursor(vcl::crHandPoint);
  a.Back()->Brush()->SetColor(vcl::clLime);
  TZYLScrollBarObject b;
  b.Assign(&a);
  EXPECT_EQ(b.GetColor(TZYLScrollBarObject::cpColor), vcl::clYellow);
  EXPECT_EQ(b.GetColor(TZYLScrollBarObject::cpThumbColor), vcl::clNavy);
  EXPECT_EQ(b.GetInteger(TZYLScrollBarObject::ipLargeChange), 25);
  EXPECT_TRUE(b.GetBoolean(TZYLScrollBarObject::bpTransparent));
  EXPECT_FALSE(b.AllowMousePos());
  EXPECT_EQ(b.BackStyle(), bsUser);
  EXPECT_EQ(b.Back()->Brush()->Color(), vcl::clLime);
  EXPECT_EQ(b.Cursor(), vcl::crDefault);  // never copied
  TZYLScrollBar bar(nullptr);
  a.AssignToScrollBar(&bar);
  EXPECT_EQ(bar.ButtonWidth(), 20);
  EXPECT_EQ(bar.SmallChange(), 2);
  EXPECT_EQ(bar.LargeChange(), 25);
  EXPECT_TRUE(bar.Transparent());
  EXPECT_FALSE(bar.AllowMousePos());
  EXPECT_EQ(bar.BackStyle(), bsUser);
  EXPECT_EQ(bar.Color(), vcl::clYellow);
  EXPECT_EQ(bar.ThumbColor(), vcl::clNavy);
  EXPECT_EQ(bar.Back()->Brush()->Color(), vcl::clLime);
  EXPECT_EQ(bar.Thumb()->Color(), vcl::clNavy);
  EXPECT_EQ(bar.Cursor(), vcl::crDefault);
}

// The arrows and the thumb are laid out in the client area less the bevel: with the platform's
// border (bevel mode bmWindows) the window's edge takes its part of the bar first.
struct TBorderCase {
  const char* Name;
  TZYLBevelMode Mode;
  TZYLScrollBarKind Kind;
};

class ScrollBarBorder : public ScrollBarTest, public ::testing::WithParamInterface<TBorderCase> {};

TEST_P(ScrollBarBorder, ArrowsAndThumbStayInsideTheClientArea) {
  const TBorderCase& k = GetParam();
  const bool vertical = k.Kind == skVertical;
  bar_->SetKind(k.Kind);
  bar_->SetBounds(10, 10, vertical ? 16 : 202, vertical ? 202 : 16);
  bar_->Bevel()->SetMode(k.Mode);
  tk::RunUntilIdle();
  const int ext = bar_->BevelExt();
  const vcl::TRect client = bar_->ClientRect();
  const vcl::TRect track{ext, ext, client.Right - ext, client.Bottom - ext};
  ASSERT_GT(vertical ? track.Bottom : track.Right, 100);
  const vcl::TRect inc = bar_->IncButton()->BoundsRect(), dec = bar_->DecButton()->BoundsRect();
  if (vertical) {
    EXPECT_EQ(inc.Bottom, track.Bottom);
    EXPECT_EQ(dec.Top, track.Top + 1);
    EXPECT_EQ(inc.Right, track.Right);
  } else {
    EXPECT_EQ(inc.Right, track.Right);
    EXPECT_EQ(dec.Left, track.Left);
    EXPECT_EQ(inc.Bottom, track.Bottom + 1);
  }
  EXPECT_EQ(vertical ? bar_->Thumb()->Width() : bar_->Thumb()->Height(),
            vertical ? track.Right - track.Left : track.Bottom - track.Top);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ScrollBarBorder,
    ::testing::Values(TBorderCase{"StandardHorizontal", bmStandard, skHorizontal},
                      TBorderCase{"WindowsHorizontal", bmWindows, skHorizontal},
                      TBorderCase{"WindowsVertical", bmWindows, skVertical}),
    [](const auto& i) { return std::string(i.param.Name); });

// ---- Themes ----

// The thumb as the theme draws it: its face in the colour of its state inside the frame, and
// the gripper (state 0) on a square round its centre, grown along each side that leaves more
// than 4 pixels to the thumb's edge.
struct TThumbState {
  const char* Name;
  int State;
  int BarHeight;
};

// The bars of these tests are made while themes are on, as a program's bars are.
class ThemedScrollBar : public ScrollBarTest {
 protected:
  TZYLScrollBar* NewBar(int W, int H) {
    auto* b = new TZYLScrollBar(form_.get());
    b->SetBounds(10, 40, W, H);
    b->SetParent(form_.get());
    tk::RunUntilIdle();
    return b;
  }
  testsupport::TThemeScope themes_;
};

class ThemedScrollBarThumb : public ThemedScrollBar,
                             public ::testing::WithParamInterface<TThumbState> {};

TEST_P(ThemedScrollBarThumb, ShowsItsStateAndTheGripper) {
  const TThumbState& k = GetParam();
  TZYLScrollBar* bar = NewBar(202, k.BarHeight);
  bar->SetPosition(40);
  tk::RunUntilIdle();
  TZYLScrollBarThumb* thumb = bar->Thumb();
  const int w = thumb->Width(), h = thumb->Height();
  const vcl::TPoint middle = thumb->ClientToScreen(vcl::TPoint{w / 2, h / 2});
  if (k.State == 2) tk::MouseMove(middle.X, middle.Y);
  if (k.State == 3) tk::MouseDown(middle.X, middle.Y);
  if (k.State == 4) thumb->SetEnabled(false);
  tk::RunUntilIdle();
  const tk::TCapture shot = tk::CaptureWindow(thumb->Handle(), false);
  if (k.State == 3) tk::MouseUp(middle.X, middle.Y);
  win::RECT g{w / 2 - 2, h / 2 - 2, w / 2 + 2, h / 2 + 2};
  if (g.Top > 4) g.Top -= 2, g.Bottom += 2;
  if (g.Left > 4) g.Left -= 2, g.Right += 2;
  const uint32_t frame = k.State == 4 ? testsupport::kThemeFrameDisabled : testsupport::kThemeFrame;
  EXPECT_TRUE(tk::PixelsMatch(
      shot,
      [&](int x, int y) -> win::COLORREF {
        const bool inGripper = x >= g.Left && x < g.Right && y >= g.Top && y < g.Bottom;
        if (inGripper)
          return x == g.Left || x == g.Right - 1 || y == g.Top || y == g.Bottom - 1
                     ? testsupport::kThemeFrame
                     : ZYLThemeFaceColor(0);
        return x == 0 || y == 0 || x == w - 1 || y == h - 1 ? frame : ZYLThemeFaceColor(k.State);
      },
      std::string("sbar_thumb_") + k.Name));
}

INSTANTIATE_TEST_SUITE_P(States, ThemedScrollBarThumb,
                         ::testing::Values(TThumbState{"Normal", 1, 16}, TThumbState{"Hot", 2, 16},
                                           TThumbState{"Pressed", 3, 16},
                                           TThumbState{"Disabled", 4, 16},
                                           TThumbState{"LowBar", 1, 10}),
                         [](const auto& i) { return std::string(i.param.Name); });

// A themed bar builds its track picture from the theme's lower track when its kind is set (and
// when it is read from a form): the track shows the theme's face, not the checker, and a
// focused themed bar shows no checker caret on its thumb.
TEST_F(ThemedScrollBar, TrackShowsTheThemesLowerTrackAndNoCaret) {
  TZYLScrollBar* bar = NewBar(16, 202);
  bar->SetKind(skVertical);
  EXPECT_EQ(bar->Checker()->Width(), 16);
  EXPECT_EQ(bar->Checker()->Height(), 202);
  tk::RunUntilIdle();
  const tk::TCapture shot = tk::CaptureWindow(bar->Handle(), false);
  EXPECT_TRUE(tk::PixelsMatch(
      shot, [](int, int) { return win::COLORREF(ZYLThemeFaceColor(0)); }, "sbar_themed_track",
      win::RECT{4, TrackArea.Left, 12, TrackArea.Right}));
  bar->SetFocus();
  tk::RunUntilIdle();
  EXPECT_TRUE(bar->Focused());
  EXPECT_FALSE(bar->Caret()->Built());
}

// With the platform's border (bevel mode bmWindows) a themed bar draws its frame and background
// through the theme in the normal state (focus or the mouse change nothing); a see-through bar,
// whose track is not filled, shows it between the thumb and the arrows.
TEST_F(ThemedScrollBar, AThemedWindowsBorderIsTheThemesScrollBarFrame) {
  TZYLScrollBar* bar = NewBar(202, 16);
  bar->Bevel()->SetMode(bmWindows);
  bar->SetTransparent(true);
  tk::RunUntilIdle();
  const tk::TCapture shot = tk::CaptureWindow(bar->Handle(), false);
  const int right = bar->IncButton()->Left() - 1,
            left = bar->Thumb()->Left() + bar->Thumb()->Width();
  ASSERT_LT(left + 4, right);
  const int h = shot.Height;
  EXPECT_TRUE(tk::PixelsMatch(
      shot,
      [&](int, int y) -> win::COLORREF {
        return y == 0 || y == h - 1 ? testsupport::kThemeFrame : ZYLThemeFaceColor(1);
      },
      "sbar_themed_border", win::RECT{left + 2, 0, right - 2, h}));
}

// The bar's theme switch reaches its arrow buttons, both ways.
TEST_F(ScrollBarTest, TheThemeSwitchReachesTheArrows) {
  for (bool on : {false, true}) {
    bar_->SetCtlXP(on);
    EXPECT_EQ(bar_->DecButton()->GetCtlXP(), on);
    EXPECT_EQ(bar_->IncButton()->GetCtlXP(), on);
  }
}

}  // namespace
}  // namespace zyl
