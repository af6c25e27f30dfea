// Progress bars, track bars, up-down buttons and splitters, driven with the keyboard, the mouse
// and the virtual clock.
#include "ComCtrlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "tests/support/ErrorOf.h"

namespace vcl::testing {
namespace {

using namespace win::testkit;

class RangeCtrlsTest : public ComCtrlsTest {};

struct TStepCase {
  int Min, Max, Position, Step, Times, Want;
};
class ProgressStepTest : public RangeCtrlsTest, public ::testing::WithParamInterface<TStepCase> {};

TEST_P(ProgressStepTest, StepItMovesOnAndStartsOverPastTheEnd) {
  NewForm();
  auto* pb = Add<TProgressBar>(10, 10, 108, 16);
  const TStepCase& c = GetParam();
  pb->SetMax(c.Max);
  pb->SetMin(c.Min);
  pb->SetPosition(c.Position);
  pb->SetStep(c.Step);
  for (int i = 0; i < c.Times; ++i) pb->StepIt();
  EXPECT_EQ(pb->Position(), c.Want);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ProgressStepTest,
    ::testing::Values(TStepCase{0, 100, 0, 10, 3, 30}, TStepCase{0, 100, 95, 10, 1, 5},
                      TStepCase{0, 100, 100, 10, 1, 10}, TStepCase{0, 100, 5, -10, 1, 95},
                      TStepCase{-50, 50, 45, 20, 1, -35}, TStepCase{0, 0, 0, 10, 2, 0}));

TEST_F(RangeCtrlsTest, AProgressBarKeepsItsPositionInRangeAndFillsUpToIt) {
  NewForm();
  auto* pb = Add<TProgressBar>(10, 10, 108, 16);
  pb->SetSmooth(true);
  pb->SetPosition(150);
  EXPECT_EQ(pb->Position(), 100);
  pb->SetPosition(-5);
  EXPECT_EQ(pb->Position(), 0);
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { pb->SetMin(101); }),
            "TProgressBar property out of range");
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { pb->SetMax(-1); }),
            "TProgressBar property out of range");
  EXPECT_EQ(pb->Min(), 0);
  EXPECT_EQ(pb->Max(), 100);
  pb->SetPosition(50);
  Show();
  // The inside is 104 pixels wide from x = 2: half of it is filled.
  EXPECT_TRUE(PixelsMatch(Capture(),
                          [](int x, int) { return Rgb(x < 10 + 2 + 52 ? clHighlight : clBtnFace); },
                          "half_full", {12, 14, 116, 22}));
  // In blocks, gaps of the face show between the filled parts.
  pb->SetSmooth(false);
  Idle();
  const TCapture cap = Capture();
  EXPECT_EQ(InkBox(cap, TRect{12, 18, 116, 19}, Is(clHighlight)).Left, 12);
  int gaps = 0;
  for (int x = 12; x < 64; ++x) gaps += cap.Color(x, 18) == Rgb(clBtnFace);
  EXPECT_GT(gaps, 4);
}

TEST_F(RangeCtrlsTest, RangesOutOfOrderInAFormFileAreReadInAnyOrder) {
  const TObj text{"Form1: TForm",
                  {"BorderStyle = bsNone", "Width = 300", "Height = 100"},
                  {{"Bar: TProgressBar", {"Min = 200", "Max = 300", "Position = 250"}},
                   {"Track: TTrackBar", {"Top = 30", "Min = 20", "Max = 40", "Position = 30"}}}};
  form_ = FormFromText(text);
  auto* bar = Find<TProgressBar>(form_.get(), "Bar");
  auto* track = Find<TTrackBar>(form_.get(), "Track");
  ASSERT_TRUE(bar && track);
  EXPECT_EQ(bar->Position(), 250);
  EXPECT_EQ(track->Position(), 30);
  EXPECT_EQ(track->Min(), 20);
}

// A form file whose Min lies above Max: reading fails with the bar's out-of-range error, and
// the bar is left with an empty range at Min instead of a broken one.
struct TDamagedRange {
  const char* Object;
  const char* Message;
};
class DamagedRangeTest : public RangeCtrlsTest,
                         public ::testing::WithParamInterface<TDamagedRange> {};

TEST_P(DamagedRangeTest, AMinAboveMaxInAFormFileRaisesAndLeavesAnEmptyRange) {
  const TObj text{"Form1: TForm",
                  {"BorderStyle = bsNone", "Width = 300", "Height = 100"},
                  {{GetParam().Object, {"Min = 50", "Max = 10", "Position = 30"}, {}}}};
  form_ = std::make_unique<TForm>(nullptr);
  EXPECT_EQ(testsupport::ErrorOf<EReadError>([&] {
              ReadComponentFromBytes(ObjectTextToBinaryString(ObjectText(text)), form_.get());
            }),
            GetParam().Message);
  auto* bar = form_->FindComponent("Bar");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetOrdProp(bar, "Min"), 50);
  EXPECT_EQ(GetOrdProp(bar, "Max"), 50);
}

INSTANTIATE_TEST_SUITE_P(
    Bars, DamagedRangeTest,
    ::testing::Values(TDamagedRange{"Bar: TProgressBar", "TProgressBar property out of range"},
                      TDamagedRange{"Bar: TTrackBar", "TTrackBar property out of range"}));

struct TTrackKey {
  win::BYTE Key;
  int Want;
};
class TrackKeysTest : public RangeCtrlsTest, public ::testing::WithParamInterface<TTrackKey> {};

TEST_P(TrackKeysTest, KeysMoveTheThumbByLinesPagesAndToTheEnds) {
  NewForm();
  auto* tb = Add<TTrackBar>(10, 10, 200, 45);
  tb->SetPosition(5);
  tb->SetPageSize(3);
  TLog log;
  tb->SetOnChange(log.Counter());
  Show();
  tb->SetFocus();
  KeyPress(GetParam().Key);
  EXPECT_EQ(tb->Position(), GetParam().Want);
  EXPECT_EQ(log.Count, 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, TrackKeysTest,
                         ::testing::Values(TTrackKey{win::VK_RIGHT, 6}, TTrackKey{win::VK_LEFT, 4},
                                           TTrackKey{win::VK_DOWN, 6}, TTrackKey{win::VK_UP, 4},
                                           TTrackKey{win::VK_NEXT, 8}, TTrackKey{win::VK_PRIOR, 2},
                                           TTrackKey{win::VK_HOME, 0}, TTrackKey{win::VK_END, 10}));

struct TTrackLimit {
  win::BYTE Key;
  int LineSize, PageSize;
  int Want;
};
class TrackLimitsTest : public RangeCtrlsTest, public ::testing::WithParamInterface<TTrackLimit> {};

// Steps at int's limits stop at the ends of the range instead of wrapping round.
TEST_P(TrackLimitsTest, StepsAsLongAsIntsRangeStopAtTheEnds) {
  NewForm();
  auto* tb = Add<TTrackBar>(10, 10, 200, 45);
  tb->SetPosition(5);
  tb->SetLineSize(GetParam().LineSize);
  tb->SetPageSize(GetParam().PageSize);
  Show();
  tb->SetFocus();
  KeyPress(GetParam().Key);
  EXPECT_EQ(tb->Position(), GetParam().Want);
}

INSTANTIATE_TEST_SUITE_P(Keys, TrackLimitsTest,
                         ::testing::Values(TTrackLimit{win::VK_RIGHT, INT32_MAX, 1, 10},
                                           TTrackLimit{win::VK_LEFT, INT32_MIN, 1, 10},
                                           TTrackLimit{win::VK_RIGHT, INT32_MIN, 1, 0},
                                           TTrackLimit{win::VK_NEXT, 1, INT32_MAX, 10},
                                           TTrackLimit{win::VK_PRIOR, 1, INT32_MIN, 10},
                                           TTrackLimit{win::VK_PRIOR, 1, INT32_MAX, 0}));

TEST_F(RangeCtrlsTest, TheThumbFollowsTheMouseAndAClickBesideItPagesOnce) {
  NewForm();
  auto* tb = Add<TTrackBar>(10, 10, 200, 45);
  Show();
  const TRect thumb = tb->ThumbRect();
  const TPoint mid{(thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2};
  DragOn(tb, mid, {300, mid.Y});
  EXPECT_EQ(tb->Position(), 10);
  DragOn(tb, {(tb->ThumbRect().Left + tb->ThumbRect().Right) / 2, mid.Y}, {100, mid.Y});
  EXPECT_EQ(tb->Position(), 5);  // the middle of the channel
  ClickOn(tb, 20, mid.Y);        // left of the thumb
  EXPECT_EQ(tb->Position(), 3);
  EXPECT_TRUE(tb->Focused());
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { tb->SetMin(11); }),
            "TTrackBar property out of range");
}

TEST_F(RangeCtrlsTest, TheSelectionShowsInTheChannelBetweenItsEnds) {
  NewForm();
  auto* tb = Add<TTrackBar>(10, 10, 200, 45);
  tb->SetSelStart(2);
  tb->SetSelEnd(6);
  tb->SetPosition(9);
  Show();
  const TRect channel = tb->ChannelRect();
  const TRect sel =
      InkBox(Capture(), TRect{10, 10 + channel.Top, 210, 10 + channel.Bottom}, Is(clHighlight));
  EXPECT_EQ(sel.Left, 10 + tb->PixelOf(2));
  EXPECT_EQ(sel.Right, 10 + tb->PixelOf(6) + 1);
  // The ends of the channel are the ends of the range.
  EXPECT_EQ(tb->ValueAt(tb->PixelOf(0) - 30), 0);
  EXPECT_EQ(tb->ValueAt(tb->PixelOf(10) + 30), 10);
  EXPECT_LT(tb->PixelOf(0), tb->PixelOf(1));
}

// Track bars read from a form text with one bar "T" and shown, against bars whose ticks are
// put one by one (tsManual), each drawn where it falls.
class TrackTicksTest : public RangeCtrlsTest {
 protected:
  TTrackBar* ShowTrackBar(const std::string& formText) {
    form_ = std::make_unique<TForm>(nullptr);
    ReadComponentFromBytes(ObjectTextToBinaryString(formText), form_.get());
    Show();
    return Find<TTrackBar>(form_.get(), "T");
  }
  TCapture Picture(TTrackBar* tb) { return tb ? CaptureWindow(tb->Handle(), false) : TCapture{}; }
  static std::string TrackForm(const std::string& props) {
    return "object Form1: TForm\n  object T: TTrackBar\n" + props + "  end\nend\n";
  }
  // A bar with those properties, Max and a manual tick at every Frequency-th value.
  TCapture ManualTicks(const std::string& props, int max, int frequency) {
    TTrackBar* tb = ShowTrackBar(TrackForm(props + "    Max = " + std::to_string(max) + "\n"));
    if (!tb) return TCapture{};
    tb->SetTickStyle(tsManual);
    for (int v = frequency; v < max; v += frequency) tb->SetTick(v);
    Idle();
    return Picture(tb);
  }
};

// A bar with 2^31 - 1 ticks paints without holding them: a pixel shows one tick however many
// fall on it, so it looks like a bar whose every pixel has a tick.
TEST_F(TrackTicksTest, TheWholeIntegerRangeTicksLikeEveryPixelTicking) {
  const TCapture huge = Picture(ShowTrackBar(TestData("trackbar_max_ticks.txt")));
  EXPECT_TRUE(SamePixels(huge, ManualTicks("", 1000, 1), "ticks_max_int"));
}

struct TSpacingCase {
  const char* Name;
  const char* Huge;    // properties of a bar over a range near the integer limits
  const char* Same;    // those both bars share
  int Max, Frequency;  // a small range whose ticks fall on the same pixels
};
class TickSpacingTest : public TrackTicksTest,
                        public ::testing::WithParamInterface<TSpacingCase> {};

TEST_P(TickSpacingTest, TicksOfAHugeRangeStandWhereTheSameFractionsOfASmallOneDo) {
  const TSpacingCase& c = GetParam();
  const TCapture huge = Picture(ShowTrackBar(TrackForm(std::string(c.Same) + c.Huge)));
  EXPECT_TRUE(
      SamePixels(huge, ManualTicks(c.Same, c.Max, c.Frequency), std::string("ticks_") + c.Name));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, TickSpacingTest,
    ::testing::Values(
        TSpacingCase{"Tenths",
                     "    Min = 1147483647\n    Max = 2147483647\n    Position = 1147483647\n"
                     "    Frequency = 100000000\n",
                     "", 10, 1},
        TSpacingCase{"WholeRangeInFifths",
                     "    Min = -2147483648\n    Max = 2147483647\n    Position = -2147483648\n"
                     "    Frequency = 858993459\n",
                     "", 5, 1},
        // A 150-pixel bar spreads its range over 123 pixels: here each tick starts a pixel.
        TSpacingCase{"OnePerPixelFromItsFirstValue",
                     "    Max = 1230000000\n    Frequency = 10000000\n", "", 123, 1},
        TSpacingCase{"EverySecondPixel", "    Max = 1230000000\n    Frequency = 20000000\n", "",
                     123, 2},
        TSpacingCase{"Vertical", "    Max = 2147483647\n",
                     "    Orientation = trVertical\n    Height = 150\n    Width = 45\n", 1000, 1},
        TSpacingCase{"BothSides", "    Max = 2147483647\n    Frequency = 7\n",
                     "    TickMarks = tmBoth\n", 1000, 1}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(RangeCtrlsTest, VerticalBarsFillUpwardsAndVerticalTrackBarsRunDownwards) {
  NewForm();
  auto* pb = Add<TProgressBar>(10, 10, 108, 16);
  pb->SetOrientation(pbVertical);
  EXPECT_EQ(pb->Width(), 16);
  EXPECT_EQ(pb->Height(), 108);
  pb->SetSmooth(true);
  pb->SetPosition(25);
  auto* tb = Add<TTrackBar>(60, 10, 150, 45);
  tb->SetOrientation(trVertical);
  tb->SetTickMarks(tmBoth);
  Show();
  // A quarter of the 104-pixel inside, at its bottom.
  const TCapture cap = Capture();
  EXPECT_EQ(InkBox(cap, TRect{10, 10, 26, 118}, Is(clHighlight)), (TRect{12, 90, 24, 116}));
  EXPECT_EQ(tb->Height(), 150);
  tb->SetFocus();
  KeyPress(win::VK_DOWN);
  EXPECT_EQ(tb->Position(), 1);
  EXPECT_GT(tb->ThumbRect().Top, tb->ChannelRect().Top);
  // Ticks on both sides of the thumb.
  const TRect thumb = tb->ThumbRect();
  const int y = 10 + tb->PixelOf(5);
  EXPECT_EQ(cap.Color(60 + thumb.Left - 3, y), Rgb(clBlack));
  EXPECT_EQ(cap.Color(60 + thumb.Right + 3, y), Rgb(clBlack));
}

TEST_F(RangeCtrlsTest, TheThumbPointsAtItsTicksAndIsSquareWithTicksOnBothSides) {
  NewForm();
  auto* pointed = Add<TTrackBar>(10, 10, 150, 45);
  auto* square = Add<TTrackBar>(10, 60, 150, 45);
  square->SetTickMarks(tmBoth);
  Show();
  const TCapture cap = Capture();
  const TRect p = pointed->ThumbRect(), q = square->ThumbRect();
  // The last row of the pointed thumb is its tip alone; the square one is edged to its corners.
  const TRect tip = InkBox(cap, TRect{10 + p.Left, 10 + p.Bottom - 1, 10 + p.Right, 10 + p.Bottom},
                           IsNot(clBtnFace));
  EXPECT_LE(tip.Width(), 3);
  EXPECT_EQ(tip.Left, 10 + (p.Left + p.Right - 1) / 2 - tip.Width() / 2);
  const TRect edge = InkBox(cap, TRect{10 + q.Left, 60 + q.Bottom - 1, 10 + q.Right, 60 + q.Bottom},
                            IsNot(clBtnFace));
  EXPECT_EQ(edge.Width(), q.Width());
}

struct TTickCase {
  TTickStyle Style;
  int Frequency;
  std::vector<int> Manual;
  int Ticks;
};
class TickTest : public RangeCtrlsTest, public ::testing::WithParamInterface<TTickCase> {};

TEST_P(TickTest, TicksAreDrawnBelowTheChannel) {
  NewForm();
  auto* tb = Add<TTrackBar>(10, 10, 200, 45);
  tb->SetTickStyle(GetParam().Style);
  tb->SetFrequency(GetParam().Frequency);
  for (int v : GetParam().Manual) tb->SetTick(v);
  Show();
  const TCapture cap = Capture();
  const int y = 10 + tb->ThumbRect().Bottom + 3;
  int ticks = 0;
  for (int x = 10; x < 210; ++x) ticks += cap.Color(x, y) == Rgb(clBlack);
  EXPECT_EQ(ticks, GetParam().Ticks);
}

INSTANTIATE_TEST_SUITE_P(Ticks, TickTest,
                         ::testing::Values(TTickCase{tsAuto, 1, {}, 11},
                                           TTickCase{tsAuto, 3, {}, 5}, TTickCase{tsNone, 1, {}, 0},
                                           TTickCase{tsManual, 1, {5, 7, 12}, 4}));

class UpDownTest : public RangeCtrlsTest {
 protected:
  TUpDown* WithEdit(TEdit*& edit) {
    NewForm();
    edit = Add<TEdit>(10, 10, 60, 21);
    auto* ud = Add<TUpDown>(0, 0, 16, 24);
    ud->SetAssociate(edit);
    Show();
    return ud;
  }
};

TEST_F(UpDownTest, TheButtonsStepTheValueShownInTheEditAndRepeatWhileHeld) {
  TEdit* edit = nullptr;
  TUpDown* ud = WithEdit(edit);
  EXPECT_EQ(ud->BoundsRect(), (TRect{70, 10, 86, 31}));
  EXPECT_EQ(edit->Text(), "0");
  ClickOn(ud, 8, 3);
  EXPECT_EQ(ud->Position(), 1);
  EXPECT_EQ(edit->Text(), "1");
  const TPoint up = ScreenOf(ud, 8, 3);
  MouseDown(up.X, up.Y);
  AdvanceClock(399);
  EXPECT_EQ(ud->Position(), 2);  // once for the press, no repeat yet
  AdvanceClock(1 + 300);
  EXPECT_EQ(ud->Position(), 6);  // at 400, then every 100
  MouseUp(up.X, up.Y);
  AdvanceClock(1000);
  EXPECT_EQ(ud->Position(), 6);
  EXPECT_EQ(ud->PressedButton(), -1);
  ClickOn(ud, 8, 18);
  EXPECT_EQ(ud->Position(), 5);
  // Arrow keys in the edit step too.
  edit->SetFocus();
  KeyPress(win::VK_UP);
  KeyPress(win::VK_UP);
  KeyPress(win::VK_DOWN);
  EXPECT_EQ(edit->Text(), "6");
}

struct TUpDownCase {
  int Min, Max, Position;
  bool Wrap;
  TUDBtnType Button;
  int Want;
  int Increment = 5;
};
class UpDownRangeTest : public UpDownTest, public ::testing::WithParamInterface<TUpDownCase> {};

TEST_P(UpDownRangeTest, StepsStopOrWrapAtTheEnds) {
  TEdit* edit = nullptr;
  TUpDown* ud = WithEdit(edit);
  const TUpDownCase& c = GetParam();
  ud->SetMin(static_cast<int16_t>(c.Min));
  ud->SetMax(static_cast<int16_t>(c.Max));
  ud->SetPosition(static_cast<int16_t>(c.Position));
  ud->SetWrap(c.Wrap);
  ud->SetIncrement(c.Increment);
  ud->Step(c.Button);
  EXPECT_EQ(ud->Position(), c.Want);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, UpDownRangeTest,
    ::testing::Values(
        TUpDownCase{0, 100, 98, false, btNext, 100}, TUpDownCase{0, 100, 98, true, btNext, 0},
        TUpDownCase{0, 100, 2, false, btPrev, 0}, TUpDownCase{0, 100, 2, true, btPrev, 100},
        TUpDownCase{100, 0, 50, false, btNext, 45}, TUpDownCase{0, 100, 500, false, btNext, 100},
        // Increments at int's limits stop at the ends.
        TUpDownCase{-32768, 32767, 0, false, btNext, 32767, INT32_MAX},
        TUpDownCase{-32768, 32767, 0, false, btPrev, 32767, INT32_MIN},
        TUpDownCase{-32768, 32767, 0, true, btNext, 32767, INT32_MIN}));

struct TUDLog : TObject {
  TLines Events;
  bool Refuse = false;
  void Changing(TObject*, bool& allow) {
    Events.push_back("changing");
    allow = !Refuse;
  }
  void Clicked(TObject*, TUDBtnType b) { Events.push_back(b == btNext ? "next" : "prev"); }
};

TEST_F(UpDownTest, OnChangingMayRefuseAndThousandsAreSeparated) {
  TEdit* edit = nullptr;
  TUpDown* ud = WithEdit(edit);
  TUDLog log;
  ud->SetOnChanging(TUDChangingEvent(&log, &TUDLog::Changing));
  ud->SetOnClick(TUDClickEvent(&log, &TUDLog::Clicked));
  ud->SetMax(5000);
  ud->SetPosition(1234);
  EXPECT_EQ(edit->Text(), "1,234");
  ud->SetThousands(false);
  EXPECT_EQ(edit->Text(), "1234");
  ClickOn(ud, 8, 18);
  log.Refuse = true;
  ClickOn(ud, 8, 18);
  EXPECT_EQ(ud->Position(), 1233);
  EXPECT_EQ(log.Events, (TLines{"changing", "prev", "changing"}));
  // Freeing the edit leaves the buttons working alone.
  delete edit;
  log.Refuse = false;
  ud->Step(btNext);
  EXPECT_EQ(ud->Position(), 1234);
  EXPECT_EQ(ud->Associate(), nullptr);
}

struct TSplitCase {
  TAlign Align;
  int Delta;
  bool AutoSnap;
  TResizeStyle Style;
  int Want;
};
class SplitterTest : public RangeCtrlsTest, public ::testing::WithParamInterface<TSplitCase> {};

TEST_P(SplitterTest, DraggingTheSplitterResizesItsNeighbour) {
  const TSplitCase& c = GetParam();
  NewForm(300, 300);
  auto* panel = Add<TPanel>(0, 0, 100, 100);
  panel->SetAlign(c.Align);
  auto* split = Add<TSplitter>(0, 0, 3, 3);
  split->SetAlign(c.Align);
  // Placed just beyond the panel so that alignment puts it next to it.
  if (c.Align == alLeft) split->SetLeft(101);
  if (c.Align == alTop) split->SetTop(101);
  if (c.Align == alRight) split->SetLeft(190);
  if (c.Align == alBottom) split->SetTop(190);
  split->SetAutoSnap(c.AutoSnap);
  split->SetResizeStyle(c.Style);
  TLog log;
  split->SetOnMoved(log.Counter());
  Show();
  ASSERT_EQ(split->FindNeighbour(), panel);
  const bool across = c.Align == alLeft || c.Align == alRight;
  const int sign = (c.Align == alLeft || c.Align == alTop) ? 1 : -1;
  const TPoint from{1, 1};
  const TPoint to = across ? TPoint{1 + sign * c.Delta, 1} : TPoint{1, 1 + sign * c.Delta};
  const TPoint a = ScreenOf(split, from.X, from.Y), b = ScreenOf(split, to.X, to.Y);
  MouseDown(a.X, a.Y);
  MouseMove(b.X, b.Y);
  const int during = across ? panel->Width() : panel->Height();
  EXPECT_EQ(during, c.Style == rsUpdate ? c.Want : 100);
  MouseUp(b.X, b.Y);
  EXPECT_EQ(across ? panel->Width() : panel->Height(), c.Want);
  EXPECT_EQ(log.Count, c.Want != 100 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Drags, SplitterTest,
                         ::testing::Values(TSplitCase{alLeft, 40, true, rsPattern, 140},
                                           TSplitCase{alLeft, -60, true, rsUpdate, 40},
                                           TSplitCase{alLeft, -90, true, rsLine, 0},
                                           TSplitCase{alLeft, -90, false, rsUpdate, 30},
                                           TSplitCase{alLeft, 400, true, rsPattern, 267},
                                           TSplitCase{alTop, 25, true, rsUpdate, 125},
                                           TSplitCase{alRight, 50, true, rsPattern, 150},
                                           TSplitCase{alBottom, -20, true, rsNone, 80}));

}  // namespace
}  // namespace vcl::testing
