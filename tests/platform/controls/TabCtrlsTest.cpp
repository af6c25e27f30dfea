// Tab controls and page controls driven as a user drives them: clicks on tabs, Ctrl+Tab,
// arrows and accelerators, and what the classic look shows of tabs and the page frame.
#include "ComCtrlsTestSupport.h"

#include <functional>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/ImgList.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace vcl::testing {
namespace {

using namespace win::testkit;

class TabCtrlsTest : public OneFormTest<320, 240> {
 protected:
  TabCtrlsTest() { RegisterCommonControls(); }
  // A page control filling most of the form, with one sheet per caption.
  TPageControl* NewPages(const std::vector<std::string>& captions, int w = 300, int h = 200) {
    auto* pc = Place<TPageControl>(NewForm(), 10, 10, w, h, "Pages");
    for (const std::string& c : captions) {
      auto* sheet = new TTabSheet(form_.get());
      sheet->SetCaption(c);
      sheet->SetPageControl(pc);
    }
    return pc;
  }
  // Clicks the middle of tab Index.
  void ClickTab(TCustomTabControl* tc, int index) {
    const TRect r = tc->TabRect(index);
    ASSERT_FALSE(r.Width() <= 0) << "tab " << index << " is not shown";
    ClickAt(tc, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    Session().Clock().Advance(1000);
  }
  void CtrlTab(bool back = false) {
    SetShiftState(back, true, false);
    KeyPress(win::VK_TAB);
    SetShiftState(false, false, false);
  }
};

// Records OnChanging and OnChange, refusing changes while Refuse is set.
struct TTabLog : TObject {
  TLines Events;
  bool Refuse = false;
  TCustomTabControl* Control = nullptr;
  void Changing(TObject*, bool& allow) {
    Events.push_back("changing from " + std::to_string(Control->TabIndex()));
    allow = !Refuse;
  }
  void Changed(TObject*) { Events.push_back("change to " + std::to_string(Control->TabIndex())); }
  void Attach(TCustomTabControl* c) {
    Control = c;
    c->SetOnChanging(TTabChangingEvent(this, &TTabLog::Changing));
    c->SetOnChange(TNotifyEvent(this, &TTabLog::Changed));
  }
};

TEST_F(TabCtrlsTest, ClickingATabShowsItsPageAfterAskingOnChanging) {
  TPageControl* pc = NewPages({"One", "Two", "Three"});
  pc->SetActivePageIndex(0);
  TTabLog log;
  log.Attach(pc);
  Show();
  EXPECT_TRUE(pc->Pages(0)->Showing());
  ClickTab(pc, 2);
  EXPECT_EQ(pc->ActivePage(), pc->Pages(2));
  EXPECT_TRUE(pc->Pages(2)->Showing());
  EXPECT_FALSE(pc->Pages(0)->Showing());
  EXPECT_TRUE(pc->Focused());
  log.Refuse = true;
  ClickTab(pc, 1);
  EXPECT_EQ(pc->ActivePageIndex(), 2);
  EXPECT_EQ(log.Events, (TLines{"changing from 0", "change to 2", "changing from 2"}));
  // A page fills the frame's inside.
  const TRect display = pc->DisplayRect();
  EXPECT_EQ(pc->Pages(2)->BoundsRect(), display);
  EXPECT_GT(display.Top, pc->TabRect(0).Bottom - 1);
}

TEST_F(TabCtrlsTest, CtrlTabCyclesThroughTheVisibleTabsOnly) {
  TPageControl* pc = NewPages({"A", "B", "C", "D"});
  auto* edit = Place<TEdit>(pc->Pages(0), 5, 5, 80, 21);
  pc->Pages(2)->SetTabVisible(false);
  pc->SetActivePageIndex(0);
  Show();
  edit->SetFocus();
  Idle();
  EXPECT_EQ(pc->Pages(3)->TabIndex(), 2);
  EXPECT_EQ(pc->Pages(2)->TabIndex(), -1);
  CtrlTab();
  EXPECT_EQ(pc->ActivePageIndex(), 1);
  // The focused edit went away with its page: the focus is on the tabs now.
  EXPECT_TRUE(pc->Focused());
  CtrlTab();
  EXPECT_EQ(pc->ActivePageIndex(), 3);
  CtrlTab();
  EXPECT_EQ(pc->ActivePageIndex(), 0);
  CtrlTab(true);
  EXPECT_EQ(pc->ActivePageIndex(), 3);
  EXPECT_EQ(pc->TabIndex(), 2);
}

struct TKeyCase {
  win::BYTE Key;
  int From, To;
};
class TabKeysTest : public TabCtrlsTest, public ::testing::WithParamInterface<TKeyCase> {};

TEST_P(TabKeysTest, ArrowsHomeAndEndMoveTheSelectionWithoutWrapping) {
  auto* tc = Place<TTabControl>(NewForm(), 0, 0, 300, 100);
  tc->Tabs()->SetText("a\nb\nc\nd\n");
  tc->SetTabIndex(GetParam().From);
  Show();
  tc->SetFocus();
  KeyPress(GetParam().Key);
  EXPECT_EQ(tc->TabIndex(), GetParam().To);
}

INSTANTIATE_TEST_SUITE_P(Keys, TabKeysTest,
                         ::testing::Values(TKeyCase{win::VK_RIGHT, 1, 2},
                                           TKeyCase{win::VK_DOWN, 3, 3},
                                           TKeyCase{win::VK_LEFT, 0, 0}, TKeyCase{win::VK_UP, 2, 1},
                                           TKeyCase{win::VK_HOME, 2, 0},
                                           TKeyCase{win::VK_END, 1, 3}));

TEST_F(TabCtrlsTest, TheSelectionFollowsItsTabWhenTabsComeAndGo) {
  auto* tc = Place<TTabControl>(NewForm(), 0, 0, 300, 100);
  EXPECT_EQ(tc->TabIndex(), -1);
  tc->Tabs()->Add("first");
  EXPECT_EQ(tc->TabIndex(), 0);  // the first tab is selected
  tc->Tabs()->SetText("a\nb\nc\nd\n");
  tc->SetTabIndex(2);
  tc->Tabs()->Insert(0, "new");
  EXPECT_EQ(tc->TabIndex(), 3);
  tc->Tabs()->Delete(4);
  EXPECT_EQ(tc->TabIndex(), 3);
  tc->Tabs()->Delete(1);
  EXPECT_EQ(tc->TabIndex(), 2);
  tc->Tabs()->Delete(2);
  EXPECT_EQ(tc->TabIndex(), -1);
  // Out of range leaves the selection alone; -1 clears it.
  tc->SetTabIndex(1);
  for (int bad : {2, 99, -2}) tc->SetTabIndex(bad);
  EXPECT_EQ(tc->TabIndex(), 1);
  tc->SetTabIndex(-1);
  EXPECT_EQ(tc->TabIndex(), -1);
  EXPECT_EQ(testsupport::ErrorOf<EStringListError>([&] { tc->Tabs()->Delete(5); }),
            "List index out of bounds (5)");
}

// A sheet freed alone takes its tab with it; the form freed goes with the page control and
// every sheet, the active one among them.
TEST_F(TabCtrlsTest, SheetsFreedAloneOrWithTheirForm) {
  TPageControl* pc = NewPages({"one", "two", "three", "four"});
  for (int i = 0; i < 200; ++i) {
    auto* sheet = new TTabSheet(form_.get());
    sheet->SetCaption("more");
    sheet->SetPageControl(pc);
  }
  Show();
  pc->SetActivePage(pc->Pages(100));
  delete pc->Pages(1);
  ASSERT_EQ(pc->PageCount(), 203);
  EXPECT_EQ(pc->Tabs()->Count(), 203);
  EXPECT_EQ(pc->Tabs()->Strings(1), "three");
  EXPECT_EQ(pc->Pages(2)->TabIndex(), 2);
  EXPECT_EQ(pc->ActivePage(), pc->Pages(99));
  Idle();
  form_.reset();  // the page control, its sheets and their windows go together
  Idle();
  EXPECT_EQ(form_, nullptr);
}

TEST_F(TabCtrlsTest, BadPageIndicesRaiseTheFrameworksErrors) {
  TPageControl* pc = NewPages({"A", "B", "C"});
  pc->Pages(0)->SetPageIndex(2);
  EXPECT_EQ(pc->Pages(2)->Caption(), "A");
  EXPECT_EQ(pc->Tabs()->Text(), "B\r\nC\r\nA\r\n");
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { pc->Pages(0)->SetPageIndex(3); }),
            "3 is an invalid PageIndex value.  PageIndex must be between 0 and 2");
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { pc->Pages(-1); }),
            "List index out of bounds (-1)");
  // A tab chosen from code brings its page; one out of range changes nothing.
  pc->SetTabIndex(2);
  EXPECT_EQ(pc->ActivePage(), pc->Pages(2));
  pc->SetTabIndex(3);
  EXPECT_EQ(pc->ActivePageIndex(), 2);
  pc->SetActivePageIndex(1);
  pc->SetActivePageIndex(7);
  EXPECT_EQ(pc->ActivePage(), nullptr);
  EXPECT_EQ(pc->TabIndex(), -1);
  // A sheet of another control is not shown here.
  auto* other = new TTabSheet(form_.get());
  pc->SetActivePage(other);
  EXPECT_EQ(pc->ActivePage(), nullptr);
  // Freeing the active page shows the next one.
  pc->SetActivePageIndex(0);
  delete pc->Pages(0);
  EXPECT_EQ(pc->PageCount(), 2);
  EXPECT_EQ(pc->ActivePage(), pc->Pages(0));
  EXPECT_EQ(pc->Pages(0)->Caption(), "C");
}

TEST_F(TabCtrlsTest, AnAcceleratorSelectsItsTab) {
  TPageControl* pc = NewPages({"&General", "&Advanced"});
  pc->SetActivePageIndex(0);
  Show();
  SetShiftState(false, false, true);
  KeyPress('A');
  SetShiftState(false, false, false);
  EXPECT_EQ(pc->ActivePageIndex(), 1);
}

TEST_F(TabCtrlsTest, MultiLineTabsPutTheSelectedRowNextToThePage) {
  auto* tc = Place<TTabControl>(NewForm(), 0, 0, 160, 150);
  tc->SetMultiLine(true);
  tc->Tabs()->SetText("Alpha\nBravo\nCharlie\nDelta\nEcho\nFoxtrot\n");
  tc->SetTabIndex(0);
  Show();
  ASSERT_GT(tc->RowCount(), 1);
  const int frameTop = tc->DisplayRect().Top - 4;
  // The selected tab reaches into the frame; every row is stretched to the full width.
  EXPECT_EQ(tc->TabRect(0).Bottom, frameTop + 1);
  tc->SetTabIndex(5);
  EXPECT_EQ(tc->TabRect(5).Bottom, frameTop + 1);
  EXPECT_LT(tc->TabRect(0).Bottom, frameTop);
  EXPECT_EQ(tc->TabRect(5).Right, tc->Width());
  // Growing the tabs' height moves the pages' area down.
  const int before = tc->DisplayRect().Top;
  tc->SetTabHeight(30);
  EXPECT_EQ(tc->TabRect(1).Height(), 30);
  EXPECT_GT(tc->DisplayRect().Top, before);
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { tc->SetTabHeight(-1); }),
            "TTabControl property out of range");
}

TEST_F(TabCtrlsTest, ASingleRowTooWideScrollsWithItsButtons) {
  auto* tc = Place<TTabControl>(NewForm(), 0, 0, 150, 80);
  tc->Tabs()->SetText("Alpha\nBravo\nCharlie\nDelta\nEcho\n");
  tc->SetTabIndex(0);
  Show();
  EXPECT_EQ(tc->TabRect(4).Width(), 0);  // beyond the scroll buttons
  ClickAt(tc, 150 - 8, 10);              // the right scroll button
  EXPECT_EQ(tc->TabRect(0).Width(), 0);
  EXPECT_EQ(tc->TabIndex(), 0);  // scrolling does not select
  tc->SetFocus();
  KeyPress(win::VK_END);
  EXPECT_EQ(tc->TabIndex(), 4);
  const TRect last = tc->TabRect(4);
  EXPECT_GT(last.Width(), 0);
  EXPECT_LE(last.Right, 150 - 32 + 2);
}

TEST_F(TabCtrlsTest, ThePageFrameIsRaisedAndOpenUnderTheSelectedTab) {
  TPageControl* pc = NewPages({"One", "Two"}, 200, 120);
  pc->SetActivePageIndex(1);
  Show();
  const TCapture cap = CaptureWindow(pc->Handle(), false);
  const int top = pc->DisplayRect().Top - 4;
  const TRect sel = pc->TabRect(1), other = pc->TabRect(0);
  const win::COLORREF light = Rgb(clBtnHighlight), face = Rgb(clBtnFace), dark = Rgb(cl3DDkShadow);
  // Frame: light on the left and on top beside the tabs, darkest on the right and bottom.
  EXPECT_TRUE(
      PixelsMatch(cap, [&](int, int) { return light; }, "frame_left", {0, top, 1, 120 - 1}));
  EXPECT_TRUE(PixelsMatch(cap, [&](int, int) { return light; }, "frame_top",
                          {other.Left, top, other.Right - 2, top + 1}));
  EXPECT_TRUE(
      PixelsMatch(cap, [&](int, int) { return dark; }, "frame_right", {199, top + 1, 200, 120}));
  EXPECT_TRUE(PixelsMatch(cap, [&](int, int) { return dark; }, "frame_bottom", {1, 119, 200, 120}));
  // Under the selected tab the frame's top lines are open to the page.
  EXPECT_TRUE(PixelsMatch(cap, [&](int, int) { return face; }, "open_frame",
                          {sel.Left + 2, top, sel.Right - 3, top + 2}));
  // The selected tab stands higher than the other one and has a light left edge.
  EXPECT_LT(sel.Top, other.Top);
  EXPECT_TRUE(PixelsMatch(cap, [&](int, int) { return light; }, "tab_left",
                          {sel.Left, sel.Top + 2, sel.Left + 1, top}));
}

struct TStyleCase {
  TTabStyle Style;
  TColor SelectedCorner, OtherCorner;  // top-left pixel of the selected and of another tab
};
class TabStyleTest : public TabCtrlsTest, public ::testing::WithParamInterface<TStyleCase> {};

TEST_P(TabStyleTest, ButtonStylesPushTheSelectedTabWithoutAFrame) {
  auto* tc = Place<TTabControl>(NewForm(), 0, 0, 200, 100);
  tc->Tabs()->SetText("One\nTwo\n");
  tc->SetStyle(GetParam().Style);
  tc->SetTabIndex(1);
  Show();
  const TCapture cap = CaptureWindow(tc->Handle(), false);
  const TRect sel = tc->TabRect(1), other = tc->TabRect(0);
  EXPECT_EQ(cap.Color(sel.Left, sel.Top), Rgb(GetParam().SelectedCorner));
  EXPECT_EQ(cap.Color(other.Left, other.Top), Rgb(GetParam().OtherCorner));
  // No page frame: the area below the buttons is plain face, and it is the display area.
  EXPECT_EQ(tc->DisplayRect(), (TRect{0, sel.Bottom + 3, 200, 100}));
  EXPECT_TRUE(PixelsMatch(cap, [](int, int) { return Rgb(clBtnFace); }, "no_frame",
                          {0, sel.Bottom + 3, 200, 100}));
}

INSTANTIATE_TEST_SUITE_P(Styles, TabStyleTest,
                         ::testing::Values(TStyleCase{tsButtons, clBtnShadow, cl3DLight},
                                           TStyleCase{tsFlatButtons, clBtnShadow, clBtnFace}));

struct TTabPainter : TObject {
  std::vector<std::pair<int, bool>> Calls;
  void Draw(TCustomTabControl* c, int index, const TRect& r, bool active) {
    Calls.emplace_back(index, active);
    c->Canvas()->Brush()->SetColor(active ? clYellow : clAqua);
    c->Canvas()->FillRect(r);
  }
};

TEST_F(TabCtrlsTest, OwnerDrawnTabsArePaintedByOnDrawTab) {
  auto* tc = Place<TTabControl>(NewForm(), 0, 0, 200, 100);
  tc->Tabs()->SetText("One\nTwo\n");
  tc->SetOwnerDraw(true);
  TTabPainter painter;
  tc->SetOnDrawTab(TDrawTabEvent(&painter, &TTabPainter::Draw));
  Show();
  const auto last = std::vector<std::pair<int, bool>>(painter.Calls.end() - 2, painter.Calls.end());
  EXPECT_EQ(last, (std::vector<std::pair<int, bool>>{{1, false}, {0, true}}));
  const TCapture cap = CaptureWindow(tc->Handle(), false);
  EXPECT_GT(InkBox(cap, tc->TabRect(0), Is(clYellow)).Width(), 10);
  EXPECT_GT(InkBox(cap, tc->TabRect(1), Is(clAqua)).Width(), 10);
  const TRect inside{tc->TabRect(1).Left + 2, tc->TabRect(1).Top + 2, tc->TabRect(1).Right - 3,
                     tc->TabRect(1).Bottom};
  EXPECT_EQ(InkBox(cap, inside, Is(clBlack)).Width(), 0);  // no caption drawn
}

struct TPageLog : TObject {
  TLines Events;
  void Shown(TObject* s) { Events.push_back("show " + static_cast<TComponent*>(s)->Name()); }
  void Hidden(TObject* s) { Events.push_back("hide " + static_cast<TComponent*>(s)->Name()); }
};

TEST_F(TabCtrlsTest, SheetsTellWhenTheyAreShownAndHidden) {
  TPageControl* pc = NewPages({"A", "B"});
  TPageLog log;
  for (int i = 0; i < 2; ++i) {
    pc->Pages(i)->SetName(i ? "B" : "A");
    pc->Pages(i)->SetOnShow(TNotifyEvent(&log, &TPageLog::Shown));
    pc->Pages(i)->SetOnHide(TNotifyEvent(&log, &TPageLog::Hidden));
  }
  pc->SetActivePageIndex(0);
  Show();
  ClickTab(pc, 1);
  pc->SetActivePage(nullptr);
  EXPECT_EQ(log.Events, (TLines{"show A", "show B", "hide A", "hide B"}));
  // With HotTrack, the caption under the mouse is drawn in the highlight colour.
  pc->SetHotTrack(true);
  const TRect r = pc->TabRect(0);
  MoveTo(pc, r.Left + 4, r.Top + 4);
  const TCapture cap = CaptureWindow(pc->Handle(), false);
  EXPECT_GT(InkBox(cap, r, Is(clHighlight)).Width(), 3);
  EXPECT_EQ(InkBox(cap, pc->TabRect(1), Is(clHighlight)).Width(), 0);
}

TEST_F(TabCtrlsTest, TabsAtTheBottomHangBelowTheFrame) {
  TPageControl* pc = NewPages({"One", "Two"}, 200, 120);
  pc->SetTabPosition(tpBottom);
  pc->SetActivePageIndex(0);
  Show();
  const TRect sel = pc->TabRect(0), other = pc->TabRect(1);
  const TRect display = pc->DisplayRect();
  EXPECT_EQ(display.Top, 4);
  EXPECT_EQ(pc->Pages(0)->BoundsRect(), display);
  EXPECT_GT(other.Top, display.Bottom);
  EXPECT_GT(sel.Bottom, other.Bottom);  // the selected tab hangs lower
  EXPECT_EQ(sel.Bottom, 120 - 2 + 2);
  const TCapture cap = CaptureWindow(pc->Handle(), false);
  const int frameBottom = display.Bottom + 4;  // the frame's last row is above this
  // The frame is open above the selected tab and closed (darkest) above the other one.
  EXPECT_TRUE(PixelsMatch(cap, [](int, int) { return Rgb(clBtnFace); }, "open_bottom",
                          {sel.Left + 3, frameBottom - 2, sel.Right - 3, frameBottom}));
  EXPECT_TRUE(PixelsMatch(cap, [](int, int) { return Rgb(cl3DDkShadow); }, "closed_bottom",
                          {other.Left + 2, frameBottom - 1, other.Right - 2, frameBottom}));
  ClickTab(pc, 1);
  EXPECT_EQ(pc->ActivePageIndex(), 1);
}

TEST_F(TabCtrlsTest, AFormFileWithPagesLoadsAndShowsItsActivePage) {
  const TObj text{"Form1: TForm",
                  {"Left = 0", "Top = 0", "BorderStyle = bsNone", "Width = 300", "Height = 200"},
                  {{"PageControl1: TPageControl",
                    {"Left = 8", "Top = 8", "Width = 280", "Height = 180", "ActivePage = TabSheet2",
                     "TabOrder = 0"},
                    {{"TabSheet1: TTabSheet",
                      {"Caption = 'First'"},
                      {{"Edit1: TEdit", {"Left = 4", "Top = 4", "Width = 100", "Height = 21"}}}},
                     {"TabSheet2: TTabSheet",
                      {"Caption = 'Second'", "ImageIndex = 1"},
                      {{"Button1: TButton", {"Left = 4", "Top = 4", "Caption = 'Go'"}}}},
                     {"TabSheet3: TTabSheet", {"Caption = 'Hidden'", "TabVisible = False"}}}}}};
  auto form = FormFromText(text);
  form->Show();
  Idle();
  auto* pc = Find<TPageControl>(form.get(), "PageControl1");
  ASSERT_NE(pc, nullptr);
  ASSERT_EQ(pc->PageCount(), 3);
  EXPECT_EQ(pc->ActivePage(), Find<TTabSheet>(form.get(), "TabSheet2"));
  EXPECT_EQ(pc->TabIndex(), 1);
  EXPECT_EQ(pc->Tabs()->Text(), "First\r\nSecond\r\n");
  EXPECT_TRUE(Find<TButton>(form.get(), "Button1")->Showing());
  EXPECT_FALSE(Find<TEdit>(form.get(), "Edit1")->Showing());
  // Written again, the form keeps its pages in order, and the page settings that differ.
  const std::string written = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  EXPECT_NE(written.find("ActivePage = TabSheet2"), std::string::npos) << written;
  EXPECT_NE(written.find("TabVisible = False"), std::string::npos) << written;
  EXPECT_LT(written.find("object TabSheet1"), written.find("object TabSheet2"));
  EXPECT_EQ(written.find("PageIndex"), std::string::npos) << written;
  form.reset();
}

// ---------------------------------------------------------------------------------------------
// Tabs laid out as they come: a control whose tabs were added one by one (and changed on the
// way) lays them out as one given all its tabs at once.

struct TFlowCase {
  const char* Name;
  TTabStyle Style;
  bool MultiLine;
  int16_t TabWidth;
};

class TabFlowTest : public TabCtrlsTest, public ::testing::WithParamInterface<TFlowCase> {
 protected:
  TTabControl* NewTabs(int left) {
    auto* tc = Place<TTabControl>(form_.get(), left, 0, 150, 200);
    tc->SetStyle(GetParam().Style);
    tc->SetMultiLine(GetParam().MultiLine);
    tc->SetTabWidth(GetParam().TabWidth);
    return tc;
  }
  // Every tab's place and the rows of `a` against those of `b`.
  static void ExpectSameLayout(TTabControl* a, TTabControl* b) {
    ASSERT_EQ(a->Tabs()->Count(), b->Tabs()->Count());
    // The same tab selected, and a single row scrolled back to its start, on both.
    for (TTabControl* tc : {a, b}) {
      tc->SetTabIndex(tc->Tabs()->Count() - 1);
      tc->SetTabIndex(0);
    }
    EXPECT_EQ(a->RowCount(), b->RowCount());
    EXPECT_EQ(a->DisplayRect(), b->DisplayRect());
    for (int i = 0; i < a->Tabs()->Count(); ++i)
      EXPECT_EQ(a->TabRect(i), b->TabRect(i)) << "tab " << i;
  }
};

TEST_P(TabFlowTest, TabsAddedOneByOneLieWhereTabsGivenAtOnceLie) {
  NewForm(320, 240);
  TTabControl* oneByOne = NewTabs(0);
  for (const char* c : {"Alpha", "B", "Charlie and more", "Delta", "E", "Fox", "Golf", "Hotel"})
    oneByOne->Tabs()->Add(c);
  Show();
  // After each change, a new control given the same tabs at once lays them out alike.
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"added", [] {}},
      {"caption", [&] { oneByOne->Tabs()->Put(3, "Delta grown much wider than the rest"); }},
      {"in front", [&] { oneByOne->Tabs()->Insert(0, "First of all"); }},
      {"taken out", [&] { oneByOne->Tabs()->Delete(5); }},
      {"at the end", [&] { oneByOne->Tabs()->Add("India and Juliett"); }},
      {"font", [&] { oneByOne->Font()->SetSize(14); }},
      {"width", [&] { oneByOne->SetWidth(110); }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    change();
    std::unique_ptr<TTabControl> atOnce(NewTabs(160));
    atOnce->Font()->Assign(oneByOne->Font());
    atOnce->SetWidth(oneByOne->Width());
    atOnce->Tabs()->SetText(oneByOne->Tabs()->Text());
    ExpectSameLayout(oneByOne, atOnce.get());
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, TabFlowTest,
                         ::testing::Values(TFlowCase{"SingleRow", tsTabs, false, 0},
                                           TFlowCase{"Rows", tsTabs, true, 0},
                                           TFlowCase{"ButtonRows", tsButtons, true, 0},
                                           TFlowCase{"FixedWidthRows", tsFlatButtons, true, 40}),
                         [](const ::testing::TestParamInfo<TFlowCase>& info) {
                           return info.param.Name;
                         });

TEST_F(TabCtrlsTest, SelectingAFarPageScrollsTheFewestTabsOutOfView) {
  std::vector<std::string> captions;
  for (int i = 0; i < 400; ++i) captions.push_back("Page " + std::to_string(i));
  TPageControl* pc = NewPages(captions, 300, 200);
  Show();
  const int buttonsLeft = 300 - 32;
  // Forward: the row moves on as little as shows the target.
  for (int target : {3, 250, 399}) {
    SCOPED_TRACE(target);
    pc->SetActivePageIndex(target);
    const TRect r = pc->TabRect(target);
    ASSERT_GT(r.Width(), 0);
    EXPECT_LE(r.Right, buttonsLeft);
    EXPECT_EQ(pc->ActivePage(), pc->Pages(target));
    // No tab more was scrolled away than needed: showing one more pushes the target under the
    // scroll buttons.
    if (pc->TabRect(0).Width() == 0) {
      ClickAt(pc, buttonsLeft + 8, 10);  // the left scroll button
      const TRect moved = pc->TabRect(target);
      EXPECT_TRUE(moved.Width() == 0 || moved.Right > buttonsLeft);
    }
  }
  // Back: the target becomes the first tab shown.
  pc->SetActivePageIndex(100);
  EXPECT_EQ(pc->TabRect(99).Width(), 0);
  EXPECT_GT(pc->TabRect(100).Width(), 0);
}

TEST_F(TabCtrlsTest, ControlsAlignedOnHiddenPagesTakeTheirSizeAndAreWrittenWithIt) {
  TPageControl* pc = NewPages({"Shown", "Hidden"});
  auto* hidden = pc->Pages(1);
  auto* top = new TPanel(form_.get());
  top->SetParent(hidden);
  top->SetHeight(30);
  top->SetAlign(alTop);
  auto* fill = new TPanel(form_.get());
  fill->SetParent(hidden);
  fill->SetAlign(alClient);
  pc->SetActivePage(pc->Pages(0));
  Show();
  const TRect shown = pc->Pages(0)->BoundsRect();
  ASSERT_GT(shown.Width(), 0);
  EXPECT_EQ(hidden->BoundsRect(), shown);
  EXPECT_EQ(top->Width(), shown.Width());
  EXPECT_EQ(fill->Height(), shown.Height() - 30);
  // The page control growing resizes the hidden page as well.
  pc->SetWidth(pc->Width() + 20);
  EXPECT_EQ(top->Width(), shown.Width() + 20);
}

// ---------------------------------------------------------------------------------------------
// Pictures before the captions, and tabs marked beside the selected one.

// An image list of 16 x 16 squares, one per colour.
TImageList* Squares(TComponent* owner, std::initializer_list<TColor> colors) {
  auto* il = new TImageList(owner);
  il->SetWidth(16);
  il->SetHeight(16);
  for (TColor c : colors) {
    TBitmap b;
    b.SetSize(16, 16);
    b.Canvas()->Brush()->SetColor(c);
    b.Canvas()->FillRect(TRect{0, 0, 16, 16});
    il->Add(&b, nullptr);
  }
  return il;
}

// Swaps the pictures of the first two tabs.
struct TImageSwap : TObject {
  void Get(TObject*, int tab, int& image) {
    if (tab < 2) image = 1 - tab;
  }
};

TEST_F(TabCtrlsTest, PicturesStandBeforeTheCaptionsAsOnGetImageIndexSays) {
  auto* tc = Place<TTabControl>(NewForm(), 0, 0, 300, 100);
  tc->Tabs()->SetText("One\nTwo\nThree\n");
  Show();
  std::vector<int> plain;
  for (int i = 0; i < 3; ++i) plain.push_back(tc->TabRect(i).Width());
  // Red for tab 0, blue for tab 1; tab 2 asks for an image the list does not hold.
  TImageList* il = Squares(form_.get(), {clRed, clBlue});
  tc->SetImages(il);
  EXPECT_EQ(tc->Images(), il);
  Idle();
  EXPECT_EQ(tc->TabRect(0).Width(), plain[0] + 16 + 3);
  EXPECT_EQ(tc->TabRect(1).Width(), plain[1] + 16 + 3);
  EXPECT_EQ(tc->TabRect(2).Width(), plain[2]);
  auto squareIn = [tc](const TCapture& cap, int tab, TColor c) {
    return InkBox(cap, tc->TabRect(tab), Is(c));
  };
  TCapture cap = CaptureWindow(tc->Handle(), false);
  const TRect red = squareIn(cap, 0, clRed);
  EXPECT_EQ(red.Width(), 16);
  EXPECT_EQ(red.Height(), 16);
  // The caption follows the picture.
  EXPECT_GT(InkBox(cap, tc->TabRect(0), Is(clBlack)).Left, red.Right);
  EXPECT_EQ(squareIn(cap, 1, clBlue).Width(), 16);
  EXPECT_EQ(squareIn(cap, 2, clRed).Width() + squareIn(cap, 2, clBlue).Width(), 0);

  TImageSwap swap;
  tc->SetOnGetImageIndex(TTabGetImageEvent(&swap, &TImageSwap::Get));
  tc->Invalidate();
  Idle();
  cap = CaptureWindow(tc->Handle(), false);
  EXPECT_EQ(squareIn(cap, 0, clBlue).Width(), 16);
  EXPECT_EQ(squareIn(cap, 1, clRed).Width(), 16);

  // A freed list is forgotten and the tabs shrink back.
  delete il;
  EXPECT_EQ(tc->Images(), nullptr);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(tc->TabRect(i).Width(), plain[i]) << "tab " << i;
}

TEST_F(TabCtrlsTest, APageShowsThePictureOfItsImageIndex) {
  TPageControl* pc = NewPages({"A", "B"});
  pc->SetImages(Squares(form_.get(), {clRed, clBlue}));
  pc->Pages(0)->SetImageIndex(1);
  pc->Pages(1)->SetImageIndex(-1);
  Show();
  const TCapture cap = CaptureWindow(pc->Handle(), false);
  EXPECT_EQ(InkBox(cap, pc->TabRect(0), Is(clBlue)).Width(), 16);
  EXPECT_EQ(InkBox(cap, pc->TabRect(1), Is(clRed)).Width(), 0);
  EXPECT_EQ(InkBox(cap, pc->TabRect(1), Is(clBlue)).Width(), 0);
}

// A page control read from a form takes its image list from there: the tabs show each sheet's
// picture once the list holds them, and a list that goes is forgotten and not written again.
TEST_F(TabCtrlsTest, APageControlReadWithImagesShowsThemAndForgetsAFreedList) {
  const TObj text{"Form1: TForm",
                  {"Left = 0", "Top = 0", "BorderStyle = bsNone", "Width = 320", "Height = 240"},
                  {{"Pictures: TImageList", {"Left = 300", "Top = 8"}, {}},
                   {"Pages: TPageControl",
                    {"Left = 8", "Top = 8", "Width = 280", "Height = 180", "ActivePage = One",
                     "Images = Pictures", "TabOrder = 0"},
                    {{"One: TTabSheet", {"Caption = 'One'", "ImageIndex = 1"}, {}},
                     {"Two: TTabSheet", {"Caption = 'Two'"}, {}},
                     {"Three: TTabSheet", {"Caption = 'Three'", "ImageIndex = -1"}, {}}}}}};
  form_ = FormFromText(text);
  auto* pc = Find<TPageControl>(form_.get(), "Pages");
  auto* list = Find<TImageList>(form_.get(), "Pictures");
  ASSERT_NE(pc, nullptr);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(pc->Images(), list);
  Show();
  std::vector<int> plain;
  for (int i = 0; i < 3; ++i) plain.push_back(pc->TabRect(i).Width());
  // Red is image 0, blue image 1: the first sheet asks for blue, the second for red, the third
  // for none.
  TImageList* squares = Squares(nullptr, {clRed, clBlue});
  list->Assign(squares);
  delete squares;
  Idle();
  TCapture cap = CaptureWindow(pc->Handle(), false);
  EXPECT_EQ(InkBox(cap, pc->TabRect(0), Is(clBlue)).Width(), 16);
  EXPECT_EQ(InkBox(cap, pc->TabRect(0), Is(clRed)).Width(), 0);
  EXPECT_EQ(InkBox(cap, pc->TabRect(1), Is(clRed)).Width(), 16);
  EXPECT_EQ(InkBox(cap, pc->TabRect(2), Is(clRed)).Width(), 0);
  EXPECT_EQ(InkBox(cap, pc->TabRect(2), Is(clBlue)).Width(), 0);
  const std::string written = ObjectBinaryToTextString(WriteComponentToBytes(form_.get()));
  EXPECT_NE(written.find("Images = Pictures"), std::string::npos) << written;

  delete list;
  EXPECT_EQ(pc->Images(), nullptr);
  Idle();
  cap = CaptureWindow(pc->Handle(), false);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pc->TabRect(i).Width(), plain[i]) << "tab " << i;
    EXPECT_EQ(InkBox(cap, pc->TabRect(i), Is(clRed)).Width(), 0) << "tab " << i;
    EXPECT_EQ(InkBox(cap, pc->TabRect(i), Is(clBlue)).Width(), 0) << "tab " << i;
  }
  const std::string after = ObjectBinaryToTextString(WriteComponentToBytes(form_.get()));
  EXPECT_EQ(after.find("Images ="), std::string::npos) << after;
}

// A Ctrl+click marks a tab in a multi-select control of a button style, and selects it in any
// other case.
struct TMarkCase {
  const char* Name;
  TTabStyle Style;
  bool MultiSelect;
  bool Marks;
};
class TabMarkTest : public TabCtrlsTest, public ::testing::WithParamInterface<TMarkCase> {};

TEST_P(TabMarkTest, CtrlClicks) {
  auto* tc = Place<TTabControl>(NewForm(), 0, 0, 300, 100);
  tc->Tabs()->SetText("One\nTwo\nThree\n");
  tc->SetStyle(GetParam().Style);
  tc->SetMultiSelect(GetParam().MultiSelect);
  Show();
  SetShiftState(false, true, false);
  ClickTab(tc, 2);
  SetShiftState(false, false, false);
  if (GetParam().Marks) {
    EXPECT_EQ(tc->TabIndex(), 0);
    EXPECT_TRUE(tc->TabMarked(2));
    // Drawn pushed, as the selected tab is.
    const TCapture cap = CaptureWindow(tc->Handle(), false);
    EXPECT_EQ(cap.Color(tc->TabRect(2).Left, tc->TabRect(2).Top), Rgb(clBtnShadow));
    // A second Ctrl+click takes the mark away again.
    SetShiftState(false, true, false);
    ClickTab(tc, 2);
    ClickTab(tc, 1);
    SetShiftState(false, false, false);
    EXPECT_FALSE(tc->TabMarked(2));
    EXPECT_TRUE(tc->TabMarked(1));
    // A mark moves with its tab, and a plain click clears every mark.
    tc->Tabs()->Insert(0, "Zero");
    EXPECT_TRUE(tc->TabMarked(2));
    EXPECT_FALSE(tc->TabMarked(1));
    ClickTab(tc, 3);
    EXPECT_EQ(tc->TabIndex(), 3);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(tc->TabMarked(i)) << "tab " << i;
  } else {
    EXPECT_EQ(tc->TabIndex(), 2);
    EXPECT_FALSE(tc->TabMarked(2));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, TabMarkTest,
                         ::testing::Values(TMarkCase{"Buttons", tsButtons, true, true},
                                           TMarkCase{"FlatButtons", tsFlatButtons, true, true},
                                           TMarkCase{"TabsSelect", tsTabs, true, false},
                                           TMarkCase{"WithoutMultiSelect", tsButtons, false,
                                                     false}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace

// A form whose tab control names a handler for its pictures.
class TTabImageForm : public TForm {
  ZYL_CLASS(TTabImageForm, TForm)
  using TForm::TForm;
  void TabsGetImage(TObject*, int tab, int& image) { image = tab + 10; }
};
ZYL_CLASS_IMPL(TTabImageForm) { b.Method("TabsGetImage", &TTabImageForm::TabsGetImage); }

namespace {

TEST_F(TabCtrlsTest, AFormFileSetsPicturesMultiSelectAndThePictureHandler) {
  const TObj text{"Form1: TTabImageForm",
                  {"Left = 0", "Top = 0", "Width = 300", "Height = 200"},
                  {{"ImageList1: TImageList", {}, {}},
                   {"Tabs1: TTabControl",
                    {"Left = 8", "Top = 8", "Width = 280", "Height = 180", "Images = ImageList1",
                     "MultiSelect = True", "Style = tsButtons", "OnGetImageIndex = TabsGetImage"},
                    {}}}};
  auto form = FormFromText<TTabImageForm>(text);
  auto* tc = Find<TTabControl>(form.get(), "Tabs1");
  ASSERT_NE(tc, nullptr);
  EXPECT_EQ(tc->Images(), Find<TImageList>(form.get(), "ImageList1"));
  EXPECT_TRUE(tc->MultiSelect());
  EXPECT_EQ(tc->GetImageIndex(2), 12);
  const std::string written = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  for (const char* line :
       {"Images = ImageList1", "MultiSelect = True", "OnGetImageIndex = TabsGetImage"})
    EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;
}

}  // namespace
}  // namespace vcl::testing
