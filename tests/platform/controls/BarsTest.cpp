// The status bar and the header control: panels and sections as laid out, drawn and dragged.
#include "ComCtrlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FormText.h"

namespace vcl::testing {
namespace {

using namespace win::testkit;

class BarsTest : public ComCtrlsTest {
 protected:
  // A status bar along the bottom of a 300 x 100 form, with panels of the given widths.
  TStatusBar* NewStatus(const std::vector<int>& widths, TFormBorderStyle border = bsNone) {
    NewForm(300, 100);
    form_->SetBorderStyle(border);
    auto* sb = Add<TStatusBar>(0, 0, 300, 19);
    for (int w : widths) sb->Panels()->Add()->SetWidth(w);
    return sb;
  }
  // A header at the top of a form, sections of the given widths.
  THeaderControl* NewHeader(const std::vector<int>& widths) {
    NewForm(300, 100);
    auto* h = Add<THeaderControl>(0, 0, 300, 20);
    for (size_t i = 0; i < widths.size(); ++i) {
      THeaderSection* s = h->Sections()->Add();
      s->SetWidth(widths[i]);
      s->SetText("Col" + std::to_string(i));
    }
    return h;
  }
};

TEST_F(BarsTest, PanelsFollowEachOtherAndTheLastReachesTheEdge) {
  TStatusBar* sb = NewStatus({60, 80, 40});
  EXPECT_EQ(sb->Align(), alBottom);
  EXPECT_EQ(sb->PanelRect(0), (TRect{0, 2, 60, 19}));
  EXPECT_EQ(sb->PanelRect(1), (TRect{62, 2, 142, 19}));
  EXPECT_EQ(sb->PanelRect(2), (TRect{144, 2, 300, 19}));
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { sb->PanelRect(3); }),
            "List index out of bounds (3)");
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { sb->Panels()->Items(0)->SetWidth(-1); }),
            "Width property out of range");
}

// Many panels of mixed widths, most of them past the bar's right edge: each panel starts two
// pixels after the one before it ends and is as wide as its Width, the last reaching the
// bar's edge, clipped there; what shows is each visible panel's sunken frame.
class ManyPanelsTest : public BarsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ManyPanelsTest, EveryPanelLiesWhereTheWidthsBeforeItPutIt) {
  const bool readBack = GetParam();
  constexpr int kCount = 400, kBarWidth = 300, kBarHeight = 19;
  const int widths[] = {40, 10, 0, 25, 3, 60, 1};
  std::vector<int> all;
  for (int i = 0; i < kCount; ++i) all.push_back(widths[i % 7]);
  TStatusBar* sb = NewStatus(all);  // one panel at a time
  if (readBack) {
    const std::string text = ObjectBinaryToTextString(WriteComponentToBytes(form_.get()));
    form_ = testsupport::FormFromText<TForm>(text);
    sb = dynamic_cast<TStatusBar*>(form_->Components(0));
    ASSERT_NE(sb, nullptr);
  }
  ASSERT_EQ(sb->Panels()->Count(), kCount);
  Show();
  const TCapture cap = Capture();
  const int top = 100 - kBarHeight;
  int left = 0;
  for (int i = 0; i < kCount; ++i) {
    const int right = i == kCount - 1 ? kBarWidth : left + all[i];
    const TRect want{left, 2, std::min(right, kBarWidth), kBarHeight};
    ASSERT_EQ(sb->PanelRect(i), want) << "panel " << i;
    if (want.Left < kBarWidth && want.Width() >= 2) {
      EXPECT_EQ(cap.Color(want.Left, top + want.Top), Rgb(clBtnShadow)) << "panel " << i;
      EXPECT_EQ(cap.Color(want.Right - 1, top + want.Bottom - 1), Rgb(clBtnHighlight))
          << "panel " << i;
    }
    if (right < kBarWidth) {
      EXPECT_EQ(cap.Color(right, top + 10), Rgb(clBtnFace)) << "gap " << i;
    }
    left = right + 2;
  }
}

INSTANTIATE_TEST_SUITE_P(BuiltAndRead, ManyPanelsTest, ::testing::Bool());

struct TAlignCase {
  TAlignment Alignment;
  const char* Name;
};
class PanelAlignTest : public BarsTest, public ::testing::WithParamInterface<TAlignCase> {};

TEST_P(PanelAlignTest, PanelTextIsPlacedByItsAlignment) {
  TStatusBar* sb = NewStatus({150, 100});
  TStatusPanel* p = sb->Panels()->Items(0);
  p->SetText("Ready");
  p->SetAlignment(GetParam().Alignment);
  Show();
  const TCapture cap = Capture();
  const int top = 100 - 19;
  // Lowered bevel: shadow above and left, highlight below and right.
  EXPECT_EQ(cap.Color(0, top + 2), Rgb(clBtnShadow));
  EXPECT_EQ(cap.Color(149, top + 18), Rgb(clBtnHighlight));
  const TRect ink = InkBox(cap, TRect{1, top + 3, 149, 99}, Is(clBlack));
  ASSERT_GT(ink.Width(), 10) << GetParam().Name;
  const int before = ink.Left - 1, after = 149 - ink.Right;
  switch (GetParam().Alignment) {
    case taLeftJustify: EXPECT_LE(before, 4); break;
    case taRightJustify: EXPECT_LE(after, 4); break;
    case taCenter: EXPECT_NEAR(before, after, 2); break;
  }
}

INSTANTIATE_TEST_SUITE_P(Alignments, PanelAlignTest,
                         ::testing::Values(TAlignCase{taLeftJustify, "left"},
                                           TAlignCase{taRightJustify, "right"},
                                           TAlignCase{taCenter, "centre"}));

struct TDrawLog : TObject {
  std::vector<TRect> Rects;
  void Draw(TStatusBar* sb, TStatusPanel*, const TRect& r) {
    Rects.push_back(r);
    sb->Canvas()->Brush()->SetColor(clLime);
    sb->Canvas()->FillRect(r);
  }
};

TEST_F(BarsTest, OwnerDrawnPanelsSimpleTextAndTheSizeGrip) {
  TStatusBar* sb = NewStatus({100, 50}, bsSizeable);
  sb->Panels()->Items(0)->SetStyle(psOwnerDraw);
  sb->Panels()->Items(0)->SetBevel(pbNone);
  TDrawLog log;
  sb->SetOnDrawPanel(TDrawPanelEvent(&log, &TDrawLog::Draw));
  Show();
  ASSERT_FALSE(log.Rects.empty());
  EXPECT_EQ(log.Rects.back(), (TRect{0, 2, 100, 19}));
  TCapture cap = CaptureWindow(sb->Handle(), false);
  EXPECT_TRUE(
      PixelsMatch(cap, [](int, int) { return Rgb(clLime); }, "owner_drawn", {0, 2, 100, 19}));
  // The grip of a sizeable form: diagonal shadow lines in the bottom-right corner.
  const TRect grip = InkBox(cap, TRect{cap.Width - 16, 3, cap.Width, 19}, Is(clBtnShadow));
  EXPECT_GT(grip.Width(), 6);
  sb->SetSizeGrip(false);
  Idle();
  cap = CaptureWindow(sb->Handle(), false);
  EXPECT_EQ(InkBox(cap, TRect{cap.Width - 12, 6, cap.Width - 2, 17}, Is(clBtnShadow)).Width(), 0);
  // Simple mode shows one text instead of the panels.
  sb->SetSimpleText("Busy");
  sb->SetSimplePanel(true);
  const size_t drawn = log.Rects.size();
  Idle();
  cap = CaptureWindow(sb->Handle(), false);
  EXPECT_EQ(log.Rects.size(), drawn);
  EXPECT_EQ(InkBox(cap, TRect{0, 0, cap.Width, cap.Height}, Is(clLime)).Width(), 0);
  EXPECT_GT(InkBox(cap, TRect{0, 0, 60, cap.Height}, Is(clBlack)).Width(), 10);
}

TEST_F(BarsTest, APanelCollectionLoadsFromAFormFile) {
  const TObj text{"Form1: TForm",
                  {"BorderStyle = bsNone", "Width = 300", "Height = 100"},
                  {{"StatusBar1: TStatusBar",
                    {"Left = 0", "Top = 81", "Width = 300", "Height = 19",
                     "Panels = <item Text = 'One' Width = 120 end item Alignment = taCenter "
                     "Bevel = pbRaised Text = 'Two' Width = 50 end>",
                     "SimplePanel = False"}}}};
  form_ = FormFromText(text);
  auto* sb = Find<TStatusBar>(form_.get(), "StatusBar1");
  ASSERT_NE(sb, nullptr);
  ASSERT_EQ(sb->Panels()->Count(), 2);
  EXPECT_EQ(sb->Panels()->Items(0)->Width(), 120);
  EXPECT_EQ(sb->Panels()->Items(1)->Bevel(), pbRaised);
  EXPECT_EQ(sb->Panels()->Items(1)->Alignment(), taCenter);
  const std::string written = ObjectBinaryToTextString(WriteComponentToBytes(form_.get()));
  EXPECT_NE(written.find("Bevel = pbRaised"), std::string::npos) << written;
  EXPECT_EQ(written.find("Bevel = pbLowered"), std::string::npos) << written;
}

// Records the header's section events.
struct THeaderLog : TObject {
  TLines Events;
  void Track(THeaderControl*, THeaderSection* s, int w, TSectionTrackState st) {
    static const char* names[] = {"begin", "move", "end"};
    Events.push_back(std::string(names[st]) + " " + s->Text() + " " + std::to_string(w));
  }
  void Resize(THeaderControl*, THeaderSection* s) {
    Events.push_back("resize " + s->Text() + " " + std::to_string(s->Width()));
  }
  void Click(THeaderControl*, THeaderSection* s) { Events.push_back("click " + s->Text()); }
  void Attach(THeaderControl* h) {
    h->SetOnSectionTrack(TSectionTrackEvent(this, &THeaderLog::Track));
    h->SetOnSectionResize(TSectionNotifyEvent(this, &THeaderLog::Resize));
    h->SetOnSectionClick(TSectionNotifyEvent(this, &THeaderLog::Click));
  }
};

struct TDragCase {
  int DX;
  int MinWidth, MaxWidth;
  int Width;  // after the drag
};
class DividerDragTest : public BarsTest, public ::testing::WithParamInterface<TDragCase> {};

TEST_P(DividerDragTest, DraggingADividerResizesItsSectionWithinItsLimits) {
  THeaderControl* h = NewHeader({80, 60});
  THeaderSection* s = h->Sections()->Items(0);
  s->SetMinWidth(GetParam().MinWidth);
  s->SetMaxWidth(GetParam().MaxWidth);
  THeaderLog log;
  log.Attach(h);
  Show();
  DragOn(h, {80, 8}, {80 + GetParam().DX, 8});
  EXPECT_EQ(s->Width(), GetParam().Width);
  EXPECT_EQ(h->Sections()->Items(1)->Left(), GetParam().Width);
  ASSERT_GE(log.Events.size(), 3u);
  EXPECT_EQ(log.Events.front(), "begin Col0 80");
  EXPECT_EQ(log.Events[log.Events.size() - 2], "end Col0 " + std::to_string(GetParam().Width));
  EXPECT_EQ(log.Events.back(), "resize Col0 " + std::to_string(GetParam().Width));
}

INSTANTIATE_TEST_SUITE_P(Drags, DividerDragTest,
                         ::testing::Values(TDragCase{30, 0, 10000, 110},
                                           TDragCase{-50, 0, 10000, 30},
                                           TDragCase{-70, 40, 10000, 40},
                                           TDragCase{60, 0, 100, 100},
                                           TDragCase{-200, 0, 10000, 0}));

TEST_F(BarsTest, ClickingASectionPressesItAndTellsOnSectionClick) {
  THeaderControl* h = NewHeader({80, 60, 60});
  h->Sections()->Items(2)->SetAllowClick(false);
  THeaderLog log;
  log.Attach(h);
  Show();
  const TPoint p = ScreenOf(h, 110, 8);
  MouseDown(p.X, p.Y);
  EXPECT_EQ(h->PressedSection(), 1);
  TCapture cap = CaptureWindow(h->Handle(), false);
  EXPECT_EQ(cap.Color(80, 0), Rgb(clBtnShadow));  // pushed: a shadow frame
  MouseUp(p.X, p.Y);
  cap = CaptureWindow(h->Handle(), false);
  EXPECT_EQ(cap.Color(80, 0), Rgb(cl3DLight));  // raised again
  Session().Clock().Advance(1000);
  ClickOn(h, 170, 8);            // not clickable
  DragOn(h, {30, 8}, {30, 60});  // let go outside
  EXPECT_EQ(log.Events, (TLines{"click Col1"}));
  EXPECT_EQ(h->SectionAt(79), 0);
  EXPECT_EQ(h->SectionAt(80), 1);
  EXPECT_EQ(h->SectionAt(250), -1);
}

}  // namespace
}  // namespace vcl::testing
