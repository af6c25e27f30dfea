// The track bar: its layout and thumb frames, the value model with its refusals and reports,
// keys, wheel, thumb dragging, channel paging on the timer, focus, custom thumbs, and what it
// paints (ticks, thumb frames, focus frames, themed parts, the thumb redrawn alone).
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "display/ZYLTrackBar.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/user/WinUser.h"
#include "tests/buttons/PanelTestSupport.h"
#include "tests/support/RaisingHandler.h"

namespace zyl {
namespace {

using paneltest::Rgb;
using paneltest::THost;
using vcl::TRect;
using win::testkit::PixelsMatch;

// What the bar reported: OnTrack codes with their values, "chg" for OnChange.
class TRecorder : public vcl::TObject {
 public:
  std::vector<std::string> Log;
  int Override = -1;  // a value the OnTrack handler answers for line and page codes
  void Attach(TZYLCustomTrackBar* B) {
    B->SetOnTrack(vcl::TScrollEvent(this, &TRecorder::Track));
    B->SetOnChange(vcl::TNotifyEvent(this, &TRecorder::Changed));
  }
  void Track(vcl::TObject*, vcl::TScrollCode Code, int& Pos) {
    Log.push_back(vcl::GetEnumName(vcl::TypeInfoOf<vcl::TScrollCode>(), Code) + " " +
                  std::to_string(Pos));
    if (Override >= 0 && Code <= vcl::scPageDown) Pos = Override;
  }
  void Changed(vcl::TObject*) { Log.push_back("chg"); }
};
using TLog = std::vector<std::string>;

class TrackBarTest : public ::testing::Test {
 protected:
  THost host_;
  TRecorder rec_;
  // A bar on the form at (10, 10), shown, with its reports recorded.
  TZYLTrackBar* Make(int w = 220, int h = 35, TZYLOrientation o = toHorizontal) {
    auto* b = host_.Add<TZYLTrackBar>(10, 10, w, h);
    b->SetOrientation(o);
    rec_.Attach(b);
    host_.Show();
    THost::Idle();
    return b;
  }
  static void Key(TZYLTrackBar* b, win::BYTE vk) {
    b->SetFocus();
    win::testkit::KeyPress(vk);
  }
  // A point of the bar on the screen.
  static win::POINT At(TZYLTrackBar* b, int x, int y) { return {b->Left() + x, b->Top() + y}; }
};

// ---- Layout ----

struct TLayoutCase {
  const char* Name;
  TZYLOrientation Orientation;
  TZYLTickMarks Marks;
  int TrackWidth;
  int FrameW, FrameH;  // one thumb frame
  TRect Channel;
};

class TrackBarLayout : public TrackBarTest, public ::testing::WithParamInterface<TLayoutCase> {};

TEST_P(TrackBarLayout, ThumbFramesAndChannelFollowTheLook) {
  const TLayoutCase& k = GetParam();
  const bool h = k.Orientation == toHorizontal;
  TZYLTrackBar* b = Make(h ? 220 : 35, h ? 35 : 220, k.Orientation);
  b->SetTickMarks(k.Marks);
  b->SetInteger(TZYLCustomTrackBar::iiTrackWidth, k.TrackWidth);
  THost::Client(b);
  EXPECT_EQ(b->ThumbBitmap()->Width(), 2 * k.FrameW);
  EXPECT_EQ(b->ThumbBitmap()->Height(), k.FrameH);
  EXPECT_EQ(b->ThumbLength(), h ? k.FrameW : k.FrameH);
  EXPECT_EQ(b->ThumbCross(), h ? k.FrameH : k.FrameW);
  EXPECT_EQ(b->ThumbHalf(), b->ThumbLength() / 2);
  EXPECT_EQ(b->TickArea(), (h ? TRect{1, 1, 219, 34} : TRect{1, 1, 34, 219}));
  EXPECT_EQ(b->ChannelRect(), k.Channel);
}

INSTANTIATE_TEST_SUITE_P(
    Looks, TrackBarLayout,
    ::testing::Values(
        TLayoutCase{"HorBottom", toHorizontal, tmBottomRight, 10, 11, 20, {6, 7, 214, 17}},
        TLayoutCase{"HorBottomOdd", toHorizontal, tmBottomRight, 11, 11, 20, {6, 7, 214, 18}},
        TLayoutCase{"HorTop", toHorizontal, tmTopLeft, 10, 11, 20, {6, 19, 214, 29}},
        TLayoutCase{"HorBoth", toHorizontal, tmBoth, 10, 10, 18, {6, 12, 214, 22}},
        TLayoutCase{"VerRight", toVertical, tmBottomRight, 10, 19, 12, {6, 7, 16, 213}},
        TLayoutCase{"VerLeft", toVertical, tmTopLeft, 10, 19, 12, {19, 7, 29, 213}},
        TLayoutCase{"VerBoth", toVertical, tmBoth, 10, 18, 10, {12, 6, 22, 214}}),
    [](const auto& i) { return std::string(i.param.Name); });

// ---- Value model ----

TEST_F(TrackBarTest, PositionIsClampedAndReportsTheEndsBeforeTheChange) {
  TZYLTrackBar* b = Make();
  b->SetPosition(5);
  b->SetPosition(5);  // the same value: nothing
  b->SetPosition(40);
  b->SetPosition(-3);
  EXPECT_EQ(b->Position(), 0);
  EXPECT_EQ(rec_.Log, (TLog{"chg", "scBottom 10", "chg", "scTop 0", "chg"}));
}

TEST_F(TrackBarTest, MovingAnEndPastThePositionMovesIt) {
  TZYLTrackBar* b = Make();
  b->SetPosition(8);
  rec_.Log.clear();
  b->SetInteger(TZYLCustomTrackBar::iiMaxValue, 6);
  EXPECT_EQ(b->Position(), 6);
  b->SetInteger(TZYLCustomTrackBar::iiMinValue, -4);
  b->SetPosition(-10);
  b->SetInteger(TZYLCustomTrackBar::iiMinValue, -1);
  EXPECT_EQ(b->Position(), -1);
  EXPECT_EQ(rec_.Log, (TLog{"scBottom 6", "chg", "scTop -4", "chg", "scTop -1", "chg"}));
}

TEST_F(TrackBarTest, GetPositionAnswersThePositionReached) {
  TZYLTrackBar* b = Make();
  TZYLCustomTrackBar* bar = b;
  EXPECT_EQ(bar->GetPosition(), 0);
  // Each value asked for and the position it gives within MinValue 0 .. MaxValue 10.
  const std::pair<int, int> steps[] = {{7, 7}, {40, 10}, {-3, 0}, {10, 10}};
  for (const auto& [asked, reached] : steps) {
    b->SetPosition(asked);
    EXPECT_EQ(bar->GetPosition(), reached) << asked;
    EXPECT_EQ(bar->GetPosition(), b->Position());
  }
  // The user's step: Left from 10 goes one LineSize down.
  Key(b, win::VK_LEFT);
  EXPECT_EQ(bar->GetPosition(), 9);
}

struct TRefusal {
  const char* Name;
  int Index;
  int Value;
  int Kept;  // what the property holds afterwards (the default when refused)
};

class TrackBarRefusal : public TrackBarTest, public ::testing::WithParamInterface<TRefusal> {};

TEST_P(TrackBarRefusal, OutOfRangeSettingsAreIgnored) {
  const TRefusal& k = GetParam();
  TZYLTrackBar* b = Make();
  b->SetInteger(k.Index, k.Value);
  EXPECT_EQ(b->GetInteger(k.Index), k.Kept);
  EXPECT_EQ(b->Position(), 0);
}

using TI = TZYLCustomTrackBar;
INSTANTIATE_TEST_SUITE_P(
    Settings, TrackBarRefusal,
    ::testing::Values(TRefusal{"MaxEqualMin", TI::iiMaxValue, 0, 10},
                      TRefusal{"MaxBelowMin", TI::iiMaxValue, -5, 10},
                      TRefusal{"MinEqualMax", TI::iiMinValue, 10, 0},
                      TRefusal{"MinAboveMax", TI::iiMinValue, 12, 0},
                      TRefusal{"TrackWidth2", TI::iiTrackWidth, 2, 10},
                      TRefusal{"TrackWidth3", TI::iiTrackWidth, 3, 3},
                      TRefusal{"TrackWidthNoThumb", TI::iiTrackWidth, INT32_MAX, 10},
                      TRefusal{"TrackWidthHuge", TI::iiTrackWidth, 0xFF0000, 10},
                      TRefusal{"Margin0", TI::iiMargin, 0, 1},
                      TRefusal{"TickGapBelow", TI::iiTickGap, -2, -1},
                      TRefusal{"TickGapZero", TI::iiTickGap, 0, 0},
                      TRefusal{"PageAny", TI::iiPageSize, -7, -7},
                      TRefusal{"LineAny", TI::iiLineSize, 0, 0}),
    [](const auto& i) { return std::string(i.param.Name); });

// A width too wide for any thumb is ignored like any out-of-range width: the bar keeps its
// width and its thumb.
TEST_F(TrackBarTest, AWidthTooWideForAThumbLeavesTheBarAsItWas) {
  TZYLTrackBar* b = Make();
  const vcl::TRect thumb = b->ThumbRect();
  b->SetInteger(TI::iiTrackWidth, INT32_MAX);
  EXPECT_EQ(b->GetInteger(TI::iiTrackWidth), 10);
  EXPECT_EQ(b->ThumbRect(), thumb);
}

TEST_F(TrackBarTest, TheWidestRangeStaysExactAndPaints) {
  TZYLTrackBar* b = Make();
  b->SetInteger(TI::iiMinValue, INT32_MIN);
  b->SetInteger(TI::iiMaxValue, INT32_MAX);
  b->SetInteger(TI::iiLineSize, INT32_MAX);
  b->SetPosition(INT32_MAX - 5);
  Key(b, win::VK_UP);  // a step past the end stops at it
  EXPECT_EQ(b->Position(), INT32_MAX);
  Key(b, win::VK_DOWN);
  Key(b, win::VK_DOWN);
  Key(b, win::VK_DOWN);  // and at the other end
  EXPECT_EQ(b->Position(), INT32_MIN);
  // Every value would be a tick: they are thinned to the pixels there are.
  const auto cap = THost::Client(b);
  EXPECT_EQ(b->ThumbRect().Left, 1);
  EXPECT_EQ(cap.Color(6, 30), Rgb(vcl::clBlack));
}

// ---- Keys and wheel ----

struct TKeyCase {
  const char* Name;
  win::BYTE Key;
  int Position;
  TLog Log;
};

class TrackBarKeys : public TrackBarTest, public ::testing::WithParamInterface<TKeyCase> {};

TEST_P(TrackBarKeys, KeysStepFromTheMiddle) {
  const TKeyCase& k = GetParam();
  TZYLTrackBar* b = Make();
  b->SetPosition(5);
  rec_.Log.clear();
  Key(b, k.Key);
  EXPECT_EQ(b->Position(), k.Position);
  EXPECT_EQ(rec_.Log, k.Log);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TrackBarKeys,
    ::testing::Values(TKeyCase{"Up", win::VK_UP, 6, {"scLineUp 6", "chg", "scEndScroll 6"}},
                      TKeyCase{"Right", win::VK_RIGHT, 6, {"scLineUp 6", "chg", "scEndScroll 6"}},
                      TKeyCase{"Down", win::VK_DOWN, 4, {"scLineDown 4", "chg", "scEndScroll 4"}},
                      TKeyCase{"Left", win::VK_LEFT, 4, {"scLineDown 4", "chg", "scEndScroll 4"}},
                      TKeyCase{"PageUp", win::VK_PRIOR, 7, {"scPageUp 7", "chg", "scEndScroll 7"}},
                      TKeyCase{
                          "PageDown", win::VK_NEXT, 3, {"scPageDown 3", "chg", "scEndScroll 3"}},
                      TKeyCase{"Home", win::VK_HOME, 0, {"scTop 0", "chg"}},
                      TKeyCase{"End", win::VK_END, 10, {"scBottom 10", "chg"}}),
    [](const auto& i) { return std::string(i.param.Name); });

TEST_F(TrackBarTest, TheTrackHandlerDecidesTheStepAndTheEndsStayPut) {
  TZYLTrackBar* b = Make();
  rec_.Override = 9;
  Key(b, win::VK_UP);
  EXPECT_EQ(b->Position(), 9);
  // At the end a line step proposes the end itself: no change, but the reports come.
  b->SetPosition(10);
  rec_.Override = -1;
  rec_.Log.clear();
  Key(b, win::VK_UP);
  EXPECT_EQ(b->Position(), 10);
  EXPECT_EQ(rec_.Log, (TLog{"scLineUp 10", "scEndScroll 10"}));
}

TEST_F(TrackBarTest, WheelNotchesAreLineSteps) {
  TZYLTrackBar* b = Make();
  b->SetInteger(TZYLCustomTrackBar::iiLineSize, 3);
  b->SetPosition(5);
  b->SetFocus();
  win::testkit::MouseMove(b->Left() + 50, b->Top() + 10);
  win::testkit::Wheel(-120);
  EXPECT_EQ(b->Position(), 2);
  win::testkit::Wheel(120);
  win::testkit::Wheel(120);
  EXPECT_EQ(b->Position(), 8);
}

// ---- Mouse ----

TEST_F(TrackBarTest, ChannelClicksPageTowardThePointer) {
  TZYLTrackBar* b = Make();
  b->SetPosition(5);
  rec_.Log.clear();
  const int y = b->ChannelRect().Top + 3;
  win::testkit::Click(b->Left() + 20, b->Top() + y);  // left of the thumb
  EXPECT_EQ(b->Position(), 3);
  EXPECT_EQ(rec_.Log, (TLog{"scPageDown 3", "chg", "scEndScroll 3"}));
  win::testkit::Click(b->Left() + 200, b->Top() + y);  // right of it
  EXPECT_EQ(b->Position(), 5);
}

TEST_F(TrackBarTest, OnAVerticalBarAClickAboveTheThumbRaises) {
  TZYLTrackBar* b = Make(35, 220, toVertical);
  b->SetPosition(5);
  const int x = b->ChannelRect().Left + 3;
  win::testkit::Click(b->Left() + x, b->Top() + 20);
  EXPECT_EQ(b->Position(), 7);
  win::testkit::Click(b->Left() + x, b->Top() + 210);
  EXPECT_EQ(b->Position(), 5);
}

TEST_F(TrackBarTest, HeldMousePagesEveryIntervalUntilTheThumbReachesIt) {
  TZYLTrackBar* b = Make();
  b->SetInteger(TZYLCustomTrackBar::iiPageSize, 1);
  const int y = b->Top() + b->ChannelRect().Top + 3;
  const int x = b->Left() + 110;  // the thumb of value 5 covers it (104 to 114)
  win::testkit::MouseDown(x, y);
  EXPECT_EQ(b->Position(), 1);  // one page at once
  EXPECT_TRUE(b->PageTimerEnabled());
  win::testkit::AdvanceClock(299);
  EXPECT_EQ(b->Position(), 1);
  win::testkit::AdvanceClock(1);
  EXPECT_EQ(b->Position(), 2);
  // Out of the channel: paging pauses, the timer stays.
  win::testkit::MouseMove(x, b->Top() + 33);
  win::testkit::AdvanceClock(600);
  EXPECT_EQ(b->Position(), 2);
  EXPECT_TRUE(b->PageTimerEnabled());
  win::testkit::MouseMove(x, y);
  win::testkit::AdvanceClock(3000);
  EXPECT_EQ(b->Position(), 5);
  EXPECT_FALSE(b->PageTimerEnabled());
  EXPECT_GE(x - b->Left(), b->ThumbRect().Left);
  EXPECT_LT(x - b->Left(), b->ThumbRect().Right);
  win::testkit::MouseUp(x, y);
}

TEST_F(TrackBarTest, DraggingTheThumbFollowsThePointerAndReportsTheRelease) {
  TZYLTrackBar* b = Make();
  const TRect t = b->ThumbRect();
  const win::POINT from = At(b, (t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2);
  win::testkit::MouseDown(from.X, from.Y);
  EXPECT_TRUE(b->ThumbDragging());
  // The track: value v has its thumb centre at 1 + 5 + v * 20.7.
  win::testkit::MouseMove(b->Left() + 6 + 104, from.Y);  // 5.02 rounds to 5
  EXPECT_EQ(b->Position(), 5);
  win::testkit::MouseMove(b->Left() + 400, from.Y);  // far beyond: the maximum
  EXPECT_EQ(b->Position(), 10);
  rec_.Log.clear();
  win::testkit::MouseUp(b->Left() + 400, from.Y);
  EXPECT_FALSE(b->ThumbDragging());
  EXPECT_EQ(rec_.Log, (TLog{"scPosition 10", "scEndScroll 10"}));
}

// A release whose OnMouseUp raises ends the gesture all the same: a held page stops, a dragged
// thumb is let go and no longer follows the mouse; the error reaches the application.
class TrackBarRaisingRelease : public TrackBarTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TrackBarRaisingRelease, EndsTheGesture) {
  const bool drag = GetParam();
  testsupport::TRaisingHandler raising;
  TZYLTrackBar* b = Make();
  b->SetInteger(TZYLCustomTrackBar::iiPageSize, 1);
  b->OnMouseUp = vcl::TMouseEvent(&raising, &testsupport::TRaisingHandler::Mouse);
  const TRect t = b->ThumbRect();
  const int y = b->Top() + (t.Top + t.Bottom) / 2;
  const int x = drag ? b->Left() + (t.Left + t.Right) / 2 : b->Left() + 20;
  win::testkit::MouseDown(x, y);
  win::testkit::MouseUp(x, y);
  EXPECT_EQ(raising.Arrived, std::vector<std::string>{"The file was not found"});
  EXPECT_FALSE(b->PageTimerEnabled());
  EXPECT_FALSE(b->ThumbDragging());
  const int position = b->Position();
  win::testkit::MouseMove(b->Left() + 200, y);
  win::testkit::AdvanceClock(3000);
  EXPECT_EQ(b->Position(), position);
}

INSTANTIATE_TEST_SUITE_P(Gestures, TrackBarRaisingRelease, ::testing::Values(false, true),
                         [](const auto& info) {
                           return std::string(info.param ? "ThumbDragged" : "PageHeld");
                         });

// ---- Focus ----

TEST_F(TrackBarTest, ALoadedNoFocusBarIsSkippedAndClicksDoNotFocusIt) {
  ZYLTrackBarUnit.Init();
  auto* other = host_.Add<TZYLTrackBar>(10, 100, 100, 35);
  auto* b = host_.Add<TZYLTrackBar>(10, 10, 220, 35);
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString("object B: TZYLTrackBar\n"
                                                            "  FocusStyle = tbNoFocus\n"
                                                            "end\n"),
                              b);
  ZYLTrackBarUnit.FInit();
  host_.Show();
  EXPECT_FALSE(b->TabStop());
  other->SetFocus();
  win::testkit::Click(b->Left() + 200, b->Top() + b->ChannelRect().Top + 2);
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(b->Position(), 2);  // the click still pages
}

// ---- Custom thumbs ----

TEST_F(TrackBarTest, CustomThumbBitmapAndItsEmptyingBringBackTheStandardOne) {
  TZYLTrackBar* b = Make();
  vcl::TBitmap pic;
  pic.SetSize(16, 9);  // two frames of 8 x 9
  b->SetThumb(&pic);
  EXPECT_EQ(b->ThumbStyle(), tsCustom);
  EXPECT_EQ(b->ThumbLength(), 8);
  EXPECT_EQ(b->ThumbCross(), 9);
  EXPECT_EQ(b->GetThumb(), b->ThumbBitmap());
  vcl::TBitmap empty;
  b->SetThumb(&empty);
  EXPECT_EQ(b->ThumbStyle(), tsStandard);
  EXPECT_EQ(b->ThumbLength(), 11);
  EXPECT_EQ(b->GetThumb(), nullptr);
  // Switching to a custom thumb starts empty: nothing is drawn for it.
  b->SetThumbStyle(tsCustom);
  EXPECT_TRUE(b->ThumbBitmap()->Empty());
}

// The user picks other system colours: the standard thumb, drawn in the thumb's colour, takes
// the new face colour once the form is told, both its frames; a custom picture stays as given.
TEST_F(TrackBarTest, TheStandardThumbFollowsAChangeOfTheSystemColours) {
  TZYLTrackBar* b = Make();
  TZYLTrackBar* custom = host_.Add<TZYLTrackBar>(10, 60, 220, 35);
  vcl::TBitmap pic;
  pic.SetSize(16, 9);
  pic.Canvas()->Brush()->SetColor(vcl::clTeal);
  pic.Canvas()->FillRect(TRect{0, 0, 16, 9});
  custom->SetThumb(&pic);
  const int element = win::COLOR_BTNFACE;
  const win::COLORREF was = win::GetSysColor(element), lilac = win::RGB(200, 170, 230);
  const vcl::TFinally restore([&] { win::SetSysColors(1, &element, &was); });
  win::SetSysColors(1, &element, &lilac);
  THost::Idle();
  vcl::TBitmap* thumb = b->ThumbBitmap();
  const int frame = thumb->Width() / 2;
  // The middle of each frame: the face of the first, a checker cell of the face in the second.
  const int cx = frame / 2, cy = thumb->Height() / 2;
  EXPECT_EQ(thumb->Canvas()->Pixels(cx, cy), static_cast<vcl::TColor>(lilac));
  const vcl::TColor cells[] = {thumb->Canvas()->Pixels(frame + cx, cy),
                               thumb->Canvas()->Pixels(frame + cx + 1, cy)};
  EXPECT_TRUE(cells[0] == static_cast<vcl::TColor>(lilac) ||
              cells[1] == static_cast<vcl::TColor>(lilac));
  EXPECT_EQ(custom->ThumbBitmap()->Canvas()->Pixels(3, 3), vcl::clTeal);
}

// Assign gives the receiver a copy of the source's thumb picture: its own, of the same size.
TEST_F(TrackBarTest, AssignCopiesACustomThumbPictureIntoTheReceiversOwn) {
  TZYLTrackBar* a = Make();
  TZYLTrackBar* b = host_.Add<TZYLTrackBar>(10, 60, 220, 35);
  vcl::TBitmap pic;
  pic.SetSize(16, 9);  // two frames of 8 x 9
  a->SetThumb(&pic);
  b->Assign(a);
  EXPECT_EQ(b->ThumbStyle(), tsCustom);
  ASSERT_NE(b->GetThumb(), nullptr);
  EXPECT_NE(b->GetThumb(), a->GetThumb());
  EXPECT_EQ(b->GetThumb()->Width(), 16);
  EXPECT_EQ(b->GetThumb()->Height(), 9);
  EXPECT_EQ(b->ThumbLength(), 8);
  a->SetThumbStyle(tsStandard);  // the source's change stays its own
  EXPECT_EQ(b->ThumbStyle(), tsCustom);
  EXPECT_EQ(b->GetThumb()->Width(), 16);
}

TEST_F(TrackBarTest, ImageListThumbFollowsItsEntry) {
  TZYLTrackBar* b = Make();
  auto* list = new TZYLImageList(host_.Form);
  auto* item = list->GetArrayItem(list->Add());
  item->SetInteger(0, 12);
  item->SetInteger(1, 7);
  vcl::TBitmap pic;
  pic.SetSize(12, 7);
  item->Add(&pic, nullptr);
  b->SetImageList(list);
  EXPECT_EQ(b->ThumbStyle(), tsCustom);
  EXPECT_EQ(b->ThumbLength(), 6);
  EXPECT_EQ(b->GetThumb(), nullptr);  // streamed as the list, not as a bitmap
  b->SetIndex(iiImageIndex, 3);       // no such entry
  EXPECT_EQ(b->ThumbStyle(), tsStandard);
  EXPECT_EQ(b->ThumbLength(), 11);
}

TEST_F(TrackBarTest, AssignCopiesTheValueAndLookButNotTheMargins) {
  TZYLTrackBar* a = Make();
  TZYLTrackBar* b = host_.Add<TZYLTrackBar>(10, 60, 220, 35);
  a->SetInteger(TI::iiMaxValue, 50);
  a->SetPosition(33);
  a->SetInteger(TI::iiMargin, 4);
  a->SetInteger(TI::iiTickGap, 5);
  a->SetTickMarks(tmBoth);
  a->SetInteger(TI::iiTrackBorder, 2);
  b->Assign(a);
  EXPECT_EQ(b->MaxValue(), 50);
  EXPECT_EQ(b->Position(), 33);
  EXPECT_EQ(b->TickMarks(), tmBoth);
  EXPECT_EQ(b->ThumbLength(), 10);  // the rectangular thumb was built for the copied look
  EXPECT_EQ(b->GetInteger(TI::iiTrackBorder), 2);
  EXPECT_EQ(b->GetInteger(TI::iiMargin), 1);
  EXPECT_EQ(b->GetInteger(TI::iiTickGap), -1);
}

// ---- Painting ----

// The default bar at Position 0 on yellow: the pointed thumb stands at (1, 2) - (12, 22).
TEST_F(TrackBarTest, PaintsTicksChannelAndThePointedThumb) {
  TZYLTrackBar* b = Make();
  b->SetColor(vcl::clYellow);
  b->SetInteger(TI::iiTickGap, 3);
  const auto cap = THost::Client(b);
  // Ticks of 0, 3, 6 and 9 from y 28 to 33 below the channel; none for 1.
  for (int x : {6, 68, 130, 192})
    EXPECT_TRUE(PixelsMatch(
        cap, [](int, int) { return Rgb(vcl::clBlack); }, "tick", win::RECT{x, 28, x + 1, 34}))
        << x;
  EXPECT_EQ(cap.Color(26, 30), Rgb(vcl::clYellow));
  EXPECT_EQ(cap.Color(100, 27), Rgb(vcl::clYellow));
  // The channel: a sunken frame round a white interior.
  EXPECT_EQ(cap.Color(100, 7), Rgb(vcl::clBtnShadow));
  EXPECT_EQ(cap.Color(100, 12), Rgb(vcl::clWhite));
  EXPECT_EQ(cap.Color(100, 16), Rgb(vcl::clBtnHighlight));
  // The thumb: see-through corner, white left edge, face, black tip.
  EXPECT_EQ(cap.Color(1, 2), Rgb(vcl::clYellow));
  EXPECT_EQ(cap.Color(1, 6), Rgb(vcl::clWhite));
  EXPECT_EQ(cap.Color(6, 12), Rgb(vcl::clBtnFace));
  EXPECT_EQ(cap.Color(6, 21), Rgb(vcl::clBlack));
  EXPECT_EQ(b->ThumbRect(), (TRect{1, 2, 12, 22}));
}

TEST_F(TrackBarTest, DisabledThumbShowsItsPatternFrame) {
  TZYLTrackBar* b = Make();
  b->SetEnabled(false);
  const auto cap = THost::Client(b);
  // The face is the checker of the thumb colour and white.
  EXPECT_NE(cap.Color(6, 12), cap.Color(7, 12));
  for (int x : {6, 7})
    EXPECT_TRUE(cap.Color(x, 12) == Rgb(vcl::clWhite) || cap.Color(x, 12) == Rgb(vcl::clBtnFace));
}

TEST_F(TrackBarTest, VerticalTicksStandWhereTheThumbOfTheirValueStands) {
  TZYLTrackBar* b = Make(35, 220, toVertical);
  b->SetInteger(TI::iiTickGap, 5);
  std::vector<std::pair<int, vcl::TPoint>> ticks;
  struct TSink : vcl::TObject {
    std::vector<std::pair<int, vcl::TPoint>>* Out;
    void Tick(vcl::TObject*, vcl::TCanvas*, int v, vcl::TPoint p) { Out->push_back({v, p}); }
  } sink;
  sink.Out = &ticks;
  b->SetOnDrawTick(TZYLDrawTickEvent(&sink, &TSink::Tick));
  b->SetTickStyle(tsOwnerDraw);
  b->SetTickMarks(tmBoth);
  THost::Client(b);
  ASSERT_EQ(ticks.size(), 6u);  // 0, 5 and 10, on both sides
  for (auto [v, p] : ticks) {
    b->SetPosition(v);
    const TRect t = b->ThumbRect();
    EXPECT_EQ(p.Y, (t.Top + t.Bottom) / 2) << v;
  }
}

// ---- A bar much longer than what is shown ----

// Counts the drawing calls made on a canvas and the ticks handed to the owner.
struct TDrawCount : vcl::TObject {
  int Calls = 0;
  int Ticks = 0;
  void Changed(vcl::TObject*) { ++Calls; }
  void Tick(vcl::TObject*, vcl::TCanvas*, int, vcl::TPoint) { ++Ticks; }
};

struct TLongCase {
  const char* Name;
  TZYLOrientation Orientation;
  int Length;  // along the track
  int Min, Max;
};

class TrackBarLong : public TrackBarTest, public ::testing::WithParamInterface<TLongCase> {
 protected:
  // A bar of the case's length from (10, 10) on the 400 x 300 form: at most 390 pixels of it
  // (290 of a vertical one) are ever painted.
  TZYLTrackBar* MakeLong(TZYLTickStyle Style) {
    const TLongCase& k = GetParam();
    const bool h = k.Orientation == toHorizontal;
    TZYLTrackBar* b = Make(h ? k.Length : 35, h ? 35 : k.Length, k.Orientation);
    b->SetInteger(TI::iiMaxValue, k.Max);
    b->SetInteger(TI::iiMinValue, k.Min);
    b->SetTickMarks(tmBoth);
    b->SetTickStyle(Style);
    b->Canvas()->OnChange = vcl::TNotifyEvent(&count_, &TDrawCount::Changed);
    b->SetOnDrawTick(TZYLDrawTickEvent(&count_, &TDrawCount::Tick));
    THost::Idle();
    count_.Calls = count_.Ticks = 0;
    b->Invalidate();
    THost::Idle();
    return b;
  }
  static int Shown() { return GetParam().Orientation == toHorizontal ? 390 : 290; }
  TDrawCount count_;
};

TEST_P(TrackBarLong, DrawsTheTicksInThePaintsClipOnly) {
  MakeLong(tsAuto);
  // A tick a pixel on both sides at the most, and a few dozen calls for the rest of the bar.
  EXPECT_GT(count_.Calls, 0);
  EXPECT_LE(count_.Calls, 2 * Shown() + 64);
  EXPECT_EQ(count_.Ticks, 0);
}

TEST_P(TrackBarLong, AsksTheOwnerForTheTicksInThePaintsClipOnly) {
  MakeLong(tsOwnerDraw);
  EXPECT_GT(count_.Ticks, 0);
  EXPECT_LE(count_.Ticks, 2 * 2 * Shown());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, TrackBarLong,
    ::testing::Values(TLongCase{"Wide", toHorizontal, 100'000, 0, 99'999},
                      TLongCase{"Tall", toVertical, 100'000, 0, 99'999},
                      TLongCase{"WidestAtTheLimits", toHorizontal, INT_MAX, INT_MIN, INT_MAX},
                      TLongCase{"TallestAtTheLimits", toVertical, INT_MAX, INT_MIN, INT_MAX}),
    [](const auto& i) { return std::string(i.param.Name); });

// What is shown of a long bar has every tick its value gives it: x = Trunc(v x scale) +
// TickArea.Left + ThumbHalf, scale = (track length - thumb length) / range, from the tick
// area's bottom less TickLength down.
TEST_F(TrackBarTest, TheShownPartOfALongBarHasItsTicks) {
  TZYLTrackBar* b = Make(100'000, 35);
  b->SetColor(vcl::clYellow);
  b->SetInteger(TI::iiMaxValue, 9'999);
  const auto cap = THost::Client(b);
  const TRect a = b->TickArea();
  ASSERT_EQ(a, (TRect{1, 1, 99'999, 34}));
  const long double scale = static_cast<long double>(a.Width() - b->ThumbLength()) / 9'999;
  std::vector<bool> tick(390, false);
  for (int v = 0; v < 50; ++v) {
    const int x = static_cast<int>(v * scale) + a.Left + b->ThumbHalf();
    if (x < 390) tick[static_cast<size_t>(x)] = true;
  }
  EXPECT_TRUE(PixelsMatch(
      cap,
      [&](int x, int) { return Rgb(tick[static_cast<size_t>(x)] ? vcl::clBlack : vcl::clYellow); },
      "long_bar_ticks", win::RECT{a.Left, 28, 390, 34}));
}

TEST_F(TrackBarTest, APositionChangeRedrawsTheThumbAlone) {
  TZYLTrackBar* b = Make();
  b->SetColor(vcl::clYellow);
  const auto before = THost::Client(b);
  b->SetPosition(10);
  // No paint is pending: the old place shows the background again, the new one the thumb.
  const auto after = win::testkit::CaptureWindow(b->Handle(), false);
  EXPECT_FALSE(win::GetUpdateRect(b->Handle(), nullptr, false));
  EXPECT_EQ(after.Color(9, 12), Rgb(vcl::clWhite));  // the channel under the old thumb
  EXPECT_EQ(after.Color(6, 21), Rgb(vcl::clYellow));
  EXPECT_EQ(after.Color(213, 12), Rgb(vcl::clBtnFace));
  EXPECT_EQ(before.Color(213, 12), Rgb(vcl::clWhite));
}

struct TFocusCase {
  const char* Name;
  TZYLTrackBarFocusStyle Style;
  bool UseColor;
  bool Framed;
};

class TrackBarFocus : public TrackBarTest, public ::testing::WithParamInterface<TFocusCase> {};

TEST_P(TrackBarFocus, FocusFrameByStyle) {
  const TFocusCase& k = GetParam();
  TZYLTrackBar* b = Make();
  b->SetColor(vcl::clYellow);
  b->SetFocusStyle(k.Style);
  b->SetUseFocusColor(k.UseColor);
  b->SetColor(TI::ciFocusColor, vcl::clRed);
  b->SetFocus();
  const auto cap = THost::Client(b);
  // The frame's dots or dashes along the top edge.
  int marked = 0, red = 0;
  for (int x = 0; x < 8; ++x) {
    marked += cap.Color(x, 0) != Rgb(vcl::clYellow);
    red += cap.Color(x, 0) == Rgb(vcl::clRed);
  }
  EXPECT_EQ(marked > 0, k.Framed);
  if (k.UseColor) {
    EXPECT_EQ(red > 0, k.Framed);
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, TrackBarFocus,
                         ::testing::Values(TFocusCase{"Standard", tbFocus, false, true},
                                           TFocusCase{"Coloured", tbFocus, true, true},
                                           TFocusCase{"Invisible", tbInvisibleFocus, true, false},
                                           TFocusCase{"None", tbNoFocus, false, false}),
                         [](const auto& i) { return std::string(i.param.Name); });

TEST_F(TrackBarTest, ThemedBarDrawsChannelAndThumbThroughTheTheme) {
  ZYLUseStandInThemes(true);
  ZYLApplication()->SetUseXPThemes(true);
  TZYLTrackBar* b = Make();
  b->SetTickMarks(tmBoth);
  b->SetCtlXP(true);
  auto cap = THost::Client(b);
  const TRect ch = b->ChannelRect();
  EXPECT_EQ(cap.Color(100, (ch.Top + ch.Bottom) / 2), ZYLThemeFaceColor(1));
  const TRect t = b->ThumbRect();
  EXPECT_EQ(cap.Color((t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2), ZYLThemeFaceColor(1));
  b->SetEnabled(false);
  cap = THost::Client(b);
  EXPECT_EQ(cap.Color((t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2), ZYLThemeFaceColor(2));
  ZYLUseStandInThemes(false);
}

}  // namespace
}  // namespace zyl
