// The framework's scroll bar and scroll box driven by the test kit, their form streams, the
// screen's density with the forms it scales, and pictures of forms that reach past the screen.
#include "ControlsTestSupport.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace vcl::testing {
namespace {

using namespace win::testkit;

struct TScrollLog : TObject {
  std::vector<TScrollCode> Codes;
  int Changes = 0;
  int Override = -1;  // when set, OnScroll moves the bar there instead
  void Scrolled(TObject*, TScrollCode Code, int& Pos) {
    Codes.push_back(Code);
    if (Override >= 0) Pos = Override;
  }
  void Changed(TObject*) { ++Changes; }
};

class ScrollingControlsTest : public OneFormTest<400, 300> {
 protected:
  // A horizontal bar 200 by 16 at (10, 10), logged.
  TScrollBar* Bar(TScrollLog& log) {
    auto* b = Place<TScrollBar>(form_.get(), 10, 10, 200, 16);
    b->SetOnScroll(TScrollEvent(&log, &TScrollLog::Scrolled));
    b->SetOnChange(TNotifyEvent(&log, &TScrollLog::Changed));
    return b;
  }
};

// ---- TScrollBar ----

struct BarClick {
  const char* Name;
  int X;  // along the bar
  TScrollCode Code;
  int Moved;  // the position afterwards
};

class ScrollBarClicks : public ScrollingControlsTest,
                        public ::testing::WithParamInterface<BarClick> {};

TEST_P(ScrollBarClicks, MoveThePositionBySmallOrLargeChange) {
  const BarClick& c = GetParam();
  NewForm();
  TScrollLog log;
  TScrollBar* b = Bar(log);
  b->SetSmallChange(3);
  b->SetLargeChange(20);
  b->SetPosition(50);
  Show();
  log.Changes = 0;
  const TPoint p = ScreenOf(b, c.X, 8);
  Click(p.X, p.Y);
  ASSERT_GE(log.Codes.size(), 2u);
  EXPECT_EQ(log.Codes.front(), c.Code);
  EXPECT_EQ(log.Codes.back(), scEndScroll);
  EXPECT_EQ(b->Position(), c.Moved);
  EXPECT_EQ(win::GetScrollPos(b->Handle(), win::SB_CTL), c.Moved);
  EXPECT_EQ(log.Changes, 1);
}

// The bar is 200 wide with 16-pixel arrows; position 50 of 0..100 puts the thumb in the middle.
INSTANTIATE_TEST_SUITE_P(Parts, ScrollBarClicks,
                         ::testing::Values(BarClick{"LineLeft", 4, scLineUp, 47},
                                           BarClick{"LineRight", 196, scLineDown, 53},
                                           BarClick{"PageLeft", 30, scPageUp, 30},
                                           BarClick{"PageRight", 170, scPageDown, 70}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ScrollingControlsTest, ABarWhoseRangeIsTheLowestIntStaysThereAtEveryStep) {
  NewForm();
  TScrollLog log;
  TScrollBar* b = Bar(log);
  b->SetParams(INT32_MIN, INT32_MIN, INT32_MIN);
  b->SetPageSize(1);
  Show();
  for (int code : {scLineUp, scLineDown, scPageUp, scPageDown, scTop, scBottom}) {
    b->Perform(CN_HSCROLL, static_cast<win::WPARAM>(code), 0);
    EXPECT_EQ(b->Position(), INT32_MIN) << code;
  }
}

TEST_F(ScrollingControlsTest, OnScrollMayChooseThePosition) {
  NewForm();
  TScrollLog log;
  TScrollBar* b = Bar(log);
  Show();
  log.Override = 77;
  const TPoint p = ScreenOf(b, 196, 8);
  Click(p.X, p.Y);
  EXPECT_EQ(b->Position(), 77);
}

TEST_F(ScrollingControlsTest, TheKeyboardAndTheThumbKeepToTheLastPage) {
  NewForm();
  TScrollLog log;
  TScrollBar* b = Bar(log);
  b->SetPageSize(10);
  b->SetTabStop(true);
  Show();
  b->SetFocus();
  KeyPress(win::VK_END);
  // With a page of 10 the last position of 0..100 the bar can show is 91.
  EXPECT_EQ(b->Position(), 91);
  EXPECT_EQ(win::GetScrollPos(b->Handle(), win::SB_CTL), 91);
  KeyPress(win::VK_HOME);
  EXPECT_EQ(b->Position(), 0);
  // Dragging the thumb to the far end.
  const TPoint thumb = ScreenOf(b, 20, 8);
  Drag(win::POINT{thumb.X, thumb.Y}, win::POINT{thumb.X + 300, thumb.Y});
  EXPECT_EQ(b->Position(), 91);
  EXPECT_EQ(log.Codes.back(), scEndScroll);
  EXPECT_NE(std::find(log.Codes.begin(), log.Codes.end(), scPosition), log.Codes.end());
}

TEST_F(ScrollingControlsTest, BadRangesRaiseAndPositionsAreKeptInside) {
  NewForm();
  TScrollLog log;
  TScrollBar* b = Bar(log);
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { b->SetParams(0, 10, 5); }),
            "Scrollbar property out of range");
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { b->SetPageSize(500); }),
            "Scrollbar property out of range");
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { b->SetSmallChange(0); }),
            "Scrollbar property out of range");
  b->SetPageSize(20);
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { b->SetMax(10); }),
            "Scrollbar property out of range");
  b->SetPosition(500);
  EXPECT_EQ(b->Position(), 100);
  b->SetPosition(-5);
  EXPECT_EQ(b->Position(), 0);
  EXPECT_EQ(b->Min(), 0);
  EXPECT_EQ(b->Max(), 100);
  EXPECT_EQ(log.Changes, 2);
}

TEST_F(ScrollingControlsTest, TurningABarRoundSwapsItsSides) {
  NewForm();
  TScrollLog log;
  TScrollBar* b = Bar(log);
  Show();
  b->SetKind(sbVertical);
  EXPECT_EQ(b->Width(), 16);
  EXPECT_EQ(b->Height(), 200);
  EXPECT_TRUE(win::GetWindowLongA(b->Handle(), win::GWL_STYLE) & win::SBS_VERT);
  const TPoint p = ScreenOf(b, 8, 196);
  Click(p.X, p.Y);
  EXPECT_EQ(b->Position(), 1);
}

// ---- TScrollBox ----

TEST_F(ScrollingControlsTest, AScrollBoxScrollsChildrenBeyondItsClientArea) {
  NewForm();
  auto* box = Place<TScrollBox>(form_.get(), 10, 10, 200, 150);
  box->SetBorderStyle(bsNone);
  auto* far = Place<TPanel>(box, 20, 300, 50, 40);
  Show();
  EXPECT_TRUE(win::GetWindowLongA(box->Handle(), win::GWL_STYLE) & win::WS_VSCROLL);
  EXPECT_FALSE(win::GetWindowLongA(box->Handle(), win::GWL_STYLE) & win::WS_HSCROLL);
  EXPECT_EQ(box->VertScrollBar()->Range(), 340);
  EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
  EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
  // The down arrow of the box's bar scrolls by the increment.
  const TPoint arrow = ScreenOf(box, box->ClientWidth() + 8, 150 - 4);
  Click(arrow.X, arrow.Y);
  EXPECT_EQ(box->VertScrollBar()->Position(), box->VertScrollBar()->Increment());
  EXPECT_EQ(far->Top(), 300 - box->VertScrollBar()->Increment());
  box->ScrollInView(far);
  EXPECT_LE(far->Top() + far->Height(), box->ClientHeight());
  EXPECT_GE(far->Top(), 0);
  EXPECT_EQ(far->Top() + box->VertScrollBar()->Position(), 300);
  // Back to the top, and a range with nothing beyond the client area hides the bar.
  box->VertScrollBar()->SetPosition(0);
  EXPECT_EQ(far->Top(), 300);
  far->SetTop(10);
  box->Realign();
  EXPECT_FALSE(box->VertScrollBar()->IsScrollBarVisible());
  EXPECT_FALSE(win::GetWindowLongA(box->Handle(), win::GWL_STYLE) & win::WS_VSCROLL);
}

TEST_F(ScrollingControlsTest, ScrollBarsAndScrollBoxesLoadFromFormFilesAndRender) {
  const std::string text =
      "object F: TForm\n  Left = 0\n  Top = 0\n  BorderStyle = bsNone\n  Width = 300\n"
      "  Height = 200\n"
      "  object SB: TScrollBar\n    Left = 8\n    Top = 8\n    Width = 16\n    Height = 150\n"
      "    Kind = sbVertical\n    Max = 50\n    PageSize = 10\n    Position = 20\n"
      "    TabOrder = 0\n  end\n"
      "  object Box: TScrollBox\n    Left = 40\n    Top = 8\n    Width = 200\n    Height = 150\n"
      "    AutoScroll = False\n    HorzScrollBar.Range = 500\n    HorzScrollBar.Increment = 20\n"
      "    BorderStyle = bsNone\n    TabOrder = 1\n  end\n"
      "end\n";
  TForm f(nullptr);
  TStringStream s(text);
  ReadForm(&s, &f);
  auto* sb = Find<TScrollBar>(&f, "SB");
  auto* box = Find<TScrollBox>(&f, "Box");
  ASSERT_NE(sb, nullptr);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(sb->Kind(), sbVertical);
  EXPECT_EQ(sb->Max(), 50);
  EXPECT_EQ(sb->PageSize(), 10);
  EXPECT_EQ(sb->Position(), 20);
  EXPECT_FALSE(box->AutoScroll());
  EXPECT_EQ(box->HorzScrollBar()->Range(), 500);
  EXPECT_EQ(box->HorzScrollBar()->Increment(), 20);
  f.Show();
  const TCapture c = RenderWindow(f.Handle());
  ASSERT_EQ(c.Width, 300);
  // The box shows its horizontal bar: a thumb (face colour) right after its left arrow.
  EXPECT_TRUE(box->HorzScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(c.Color(40 + 16 + 4, 8 + 150 - 8), win::GetSysColor(win::COLOR_BTNFACE));
  EXPECT_EQ(win::GetScrollPos(sb->Handle(), win::SB_CTL), 20);
}

// ---- Screen density ----

TEST_F(ScrollingControlsTest, TheScreensDensityScalesFormsStoredAtAnother) {
  ASSERT_TRUE(win::SetScreenLogPixels(120));
  EXPECT_EQ(Screen->PixelsPerInch(), 120);
  const win::HDC dc = win::GetDC(nullptr);
  EXPECT_EQ(win::GetDeviceCaps(dc, win::LOGPIXELSY), 120);
  EXPECT_EQ(win::GetDeviceCaps(dc, win::LOGPIXELSX), 120);
  win::ReleaseDC(nullptr, dc);
  TFont font;
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -15);  // 9 points of 1/72 inch at 120 pixels per inch
  const std::string text =
      "object F: TForm\n  BorderStyle = bsNone\n  Width = 192\n  Height = 96\n"
      "  PixelsPerInch = 96\n"
      "  object P: TPanel\n    Left = 16\n    Top = 8\n    Width = 80\n    Height = 40\n  end\n"
      "end\n";
  TForm f(nullptr);
  TStringStream s(text);
  ReadForm(&s, &f);
  EXPECT_EQ(f.PixelsPerInch(), 120);
  auto* p = Find<TPanel>(&f, "P");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->BoundsRect(), Rect(20, 10, 120, 60));
  EXPECT_FALSE(win::SetScreenLogPixels(0));
  EXPECT_FALSE(win::SetScreenLogPixels(5000));
  EXPECT_EQ(Screen->PixelsPerInch(), 120);
}

// A form stored at one density and read on a screen of another: the size limits of its
// controls and its own are scaled with the sizes they limit (edges scaled, halves away from
// zero), so the scaled sizes stand.
struct StoredDensity {
  const char* Name;
  int Stored, Screen;
  TRect Panel;                                     // the panel's bounds as read
  int PanelMinW, PanelMinH, PanelMaxW, PanelMaxH;  // its limits as read
  int ClientW, ClientH;                            // the form's client size
  int FormMinW, FormMinH, FormMaxW, FormMaxH;      // the form's limits
};

class FormsAtAnotherDensity : public ScrollingControlsTest,
                              public ::testing::WithParamInterface<StoredDensity> {};

TEST_P(FormsAtAnotherDensity, ScaleTheSizeLimitsWithTheSizes) {
  const StoredDensity& d = GetParam();
  ASSERT_TRUE(win::SetScreenLogPixels(d.Screen));
  const std::string text =
      "object F: TForm\n  BorderStyle = bsNone\n  ClientWidth = 240\n  ClientHeight = 120\n"
      "  Constraints.MaxHeight = 130\n  Constraints.MaxWidth = 250\n"
      "  Constraints.MinHeight = 110\n  Constraints.MinWidth = 230\n"
      "  PixelsPerInch = " +
      std::to_string(d.Stored) +
      "\n"
      "  object P: TPanel\n    Left = 20\n    Top = 10\n    Width = 100\n    Height = 50\n"
      "    Constraints.MaxHeight = 55\n    Constraints.MaxWidth = 110\n"
      "    Constraints.MinHeight = 45\n    Constraints.MinWidth = 90\n  end\n"
      "end\n";
  TForm f(nullptr);
  TStringStream s(text);
  ReadForm(&s, &f);
  auto* p = Find<TPanel>(&f, "P");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->BoundsRect(), d.Panel);
  EXPECT_EQ(p->Constraints()->MinWidth(), d.PanelMinW);
  EXPECT_EQ(p->Constraints()->MinHeight(), d.PanelMinH);
  EXPECT_EQ(p->Constraints()->MaxWidth(), d.PanelMaxW);
  EXPECT_EQ(p->Constraints()->MaxHeight(), d.PanelMaxH);
  EXPECT_EQ(f.ClientWidth(), d.ClientW);
  EXPECT_EQ(f.ClientHeight(), d.ClientH);
  EXPECT_EQ(f.Constraints()->MinWidth(), d.FormMinW);
  EXPECT_EQ(f.Constraints()->MinHeight(), d.FormMinH);
  EXPECT_EQ(f.Constraints()->MaxWidth(), d.FormMaxW);
  EXPECT_EQ(f.Constraints()->MaxHeight(), d.FormMaxH);
  // Scaled from code as well, the limits go first: the new size stands.
  f.ScaleBy(2, 1);
  EXPECT_EQ(p->Width(), 2 * d.Panel.Width());
  EXPECT_EQ(p->Constraints()->MaxWidth(), 2 * d.PanelMaxW);
}

INSTANTIATE_TEST_SUITE_P(
    Densities, FormsAtAnotherDensity,
    ::testing::Values(StoredDensity{"Stored120Read96", 120, 96, Rect(16, 8, 96, 48), 72, 36, 88, 44,
                                    192, 96, 184, 88, 200, 104},
                      StoredDensity{"Stored144Read96", 144, 96, Rect(13, 7, 80, 40), 60, 30, 73, 37,
                                    160, 80, 153, 73, 167, 87},
                      StoredDensity{"Stored96Read120", 96, 120, Rect(25, 13, 150, 75), 113, 56, 138,
                                    69, 300, 150, 288, 138, 313, 163}),
    [](const ::testing::TestParamInfo<StoredDensity>& i) { return std::string(i.param.Name); });

// Scaled from code, anchored controls keep their gaps to their parents' far sides at the new
// size, and keep them when the parent is resized later.
TEST_F(ScrollingControlsTest, AnchoredControlsScaledFromCodeKeepTheirGaps) {
  struct Row {
    int M, D;
    TRect Box, Inner;  // after scaling
  };
  // The form's client area 200 x 100, the box at (10, 10) 180 x 80 in it, the inner panel at
  // (5, 5) 100 x 40 in the box, both anchored to all four sides.
  for (const Row& r : {Row{2, 1, Rect(20, 20, 380, 180), Rect(10, 10, 210, 90)},
                       Row{4, 5, Rect(8, 8, 152, 72), Rect(4, 4, 84, 36)}}) {
    SCOPED_TRACE(std::to_string(r.M) + "/" + std::to_string(r.D));
    TForm f(nullptr);
    f.SetBorderStyle(bsNone);
    f.SetClientWidth(200);
    f.SetClientHeight(100);
    auto* box = Place<TPanel>(&f, 10, 10, 180, 80);
    auto* inner = Place<TPanel>(box, 5, 5, 100, 40);
    for (TControl* c : {static_cast<TControl*>(box), static_cast<TControl*>(inner)})
      c->SetAnchors({akLeft, akTop, akRight, akBottom});
    f.ScaleBy(r.M, r.D);
    EXPECT_EQ(f.ClientWidth(), 200 * r.M / r.D);
    EXPECT_EQ(box->BoundsRect(), r.Box);
    EXPECT_EQ(inner->BoundsRect(), r.Inner);
    // Ten pixels more each way: both follow by ten.
    f.SetClientWidth(f.ClientWidth() + 10);
    f.SetClientHeight(f.ClientHeight() + 10);
    EXPECT_EQ(box->Width(), r.Box.Width() + 10);
    EXPECT_EQ(box->Height(), r.Box.Height() + 10);
    EXPECT_EQ(inner->Width(), r.Inner.Width() + 10);
    EXPECT_EQ(inner->Height(), r.Inner.Height() + 10);
  }
}

// A form's own scroll ranges are pixels as well: scaled with the form, as a scroll box's are.
TEST_F(ScrollingControlsTest, AFormsScrollRangesAreScaledWithIt) {
  struct Row {
    int Stored, Screen, Horz, Vert, BoxHorz;
  };
  // 500 and 300 (the box's 250) stored; edges scaled, halves away from zero.
  for (const Row& r :
       {Row{120, 96, 400, 240, 200}, Row{144, 96, 333, 200, 167}, Row{96, 120, 625, 375, 313}}) {
    SCOPED_TRACE(std::to_string(r.Stored) + " read at " + std::to_string(r.Screen));
    ASSERT_TRUE(win::SetScreenLogPixels(r.Screen));
    TStringStream s(
        "object F: TForm\n  AutoScroll = False\n  HorzScrollBar.Range = 500\n"
        "  VertScrollBar.Range = 300\n  ClientWidth = 200\n  ClientHeight = 100\n"
        "  PixelsPerInch = " +
        std::to_string(r.Stored) +
        "\n  object Box: TScrollBox\n    Width = 100\n    Height = 50\n"
        "    AutoScroll = False\n    HorzScrollBar.Range = 250\n  end\nend\n");
    TForm f(nullptr);
    ReadForm(&s, &f);
    EXPECT_EQ(f.HorzScrollBar()->Range(), r.Horz);
    EXPECT_EQ(f.VertScrollBar()->Range(), r.Vert);
    auto* box = Find<TScrollBox>(&f, "Box");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->HorzScrollBar()->Range(), r.BoxHorz);
  }
}

// The height of "0" in the font, measured on the screen of the present density.
int TextHeightOf(TFont* font) {
  TBitmap b;
  b.SetWidth(8);
  b.SetHeight(8);
  b.Canvas()->Font()->Assign(font);
  return b.Canvas()->TextHeight("0");
}

// The value of a line "Name = value" at the form's own level of a form's text.
std::string FormValue(TCustomForm* f, const std::string& name) {
  const std::string text = ObjectBinaryToTextString(WriteComponentToBytes(f));
  const size_t at = text.find("\n  " + name + " = ");
  if (at == std::string::npos) return "";
  const size_t from = at + 3 + name.size() + 3;
  return text.substr(from, text.find_first_of("\r\n", from) - from);
}

struct TextHeightCase {
  const char* Name;
  int Screen;
  int FontSize;
};

class FormTextHeights : public ScrollingControlsTest,
                        public ::testing::WithParamInterface<TextHeightCase> {};

// A form says the text height of its font on the screen it is written on, wherever it was
// read from: a file of another density read with scaling says the scaled font's.
TEST_P(FormTextHeights, AreThoseOfTheFormsFontWhereItIsWritten) {
  const TextHeightCase& c = GetParam();
  ASSERT_TRUE(win::SetScreenLogPixels(c.Screen));
  TForm made(nullptr);
  made.Font()->SetSize(c.FontSize);
  const int height = TextHeightOf(made.Font());
  EXPECT_GT(height, 0);
  EXPECT_EQ(FormValue(&made, "PixelsPerInch"), std::to_string(c.Screen));
  EXPECT_EQ(FormValue(&made, "TextHeight"), std::to_string(height));
  // Stored at twice the density with twice the text height: read here, scaled, it says ours.
  TForm read(nullptr);
  TStringStream s("object F: TForm\n  Font.Height = " + std::to_string(2 * made.Font()->Height()) +
                  "\n  PixelsPerInch = " + std::to_string(2 * c.Screen) +
                  "\n  TextHeight = " + std::to_string(2 * height) + "\nend\n");
  ReadForm(&s, &read);
  EXPECT_EQ(read.PixelsPerInch(), c.Screen);
  EXPECT_EQ(read.TextHeight(), TextHeightOf(read.Font()));
  EXPECT_EQ(FormValue(&read, "TextHeight"), std::to_string(TextHeightOf(read.Font())));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FormTextHeights,
    ::testing::Values(TextHeightCase{"At96Size8", 96, 8}, TextHeightCase{"At120Size8", 120, 8},
                      TextHeightCase{"At144Size10", 144, 10}, TextHeightCase{"At96Size20", 96, 20}),
    [](const ::testing::TestParamInfo<TextHeightCase>& i) { return std::string(i.param.Name); });

// ---- Pictures of forms past the screen ----

struct Placement {
  const char* Name;
  int Left, Top, Width, Height;
};

class OffScreenForms : public ScrollingControlsTest,
                       public ::testing::WithParamInterface<Placement> {};

TEST_P(OffScreenForms, RenderWhole) {
  const Placement& pl = GetParam();
  NewForm(pl.Width, pl.Height);
  form_->SetBorderStyle(bsSingle);
  form_->SetColor(clTeal);
  Place<TPanel>(form_.get(), pl.Width - 60, pl.Height - 80, 40, 30);
  form_->SetBounds(100, 100, pl.Width, pl.Height);
  Show();
  const TCapture onScreen = RenderWindow(form_->Handle());
  form_->SetBounds(pl.Left, pl.Top, pl.Width, pl.Height);
  RunUntilIdle();
  EXPECT_TRUE(
      SamePixels(RenderWindow(form_->Handle()), onScreen, std::string("offscreen_") + pl.Name));
  EXPECT_EQ(form_->Left(), pl.Left);  // the form itself stays where it was put
}

INSTANTIATE_TEST_SUITE_P(Places, OffScreenForms,
                         ::testing::Values(Placement{"LeftAndAbove", -120, -40, 300, 200},
                                           Placement{"RightAndBelow", 700, 500, 300, 200},
                                           Placement{"LargerThanTheScreen", -10, 0, 810, 610}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace vcl::testing
