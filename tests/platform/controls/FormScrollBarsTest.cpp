// Forms are scrolling controls: AutoScroll follows the border style, the scroll bars are
// streamed with the form's stored rules, and a form whose children reach past its client area
// shows its bars and scrolls them into view.
#include "ControlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/PublishedList.h"

namespace vcl::testing {

class TScrollForm : public TForm {
  ZYL_CLASS(TScrollForm, TForm)
  using TForm::TForm;
};
ZYL_CLASS_IMPL(TScrollForm) {}

namespace {

using namespace win::testkit;

std::string WithoutCarriageReturns(std::string s) {
  std::erase(s, '\r');
  return s;
}

bool HasStyle(TWinControl* c, uint32_t style) {
  return (static_cast<uint32_t>(win::GetWindowLongA(c->Handle(), win::GWL_STYLE)) & style) != 0;
}

class FormScrollBarsTest : public ControlsTest {
 protected:
  FormScrollBarsTest() {
    RegisterStandardControls();
    RegisterClass(TScrollForm::StaticClass());
  }
  std::string TextOf(TCustomForm* f) { return ObjectBinaryToTextString(WriteComponentToBytes(f)); }
};

// ---- AutoScroll and the stored rules ----

struct StoredCase {
  const char* Name;
  TFormBorderStyle Style;
  int AutoScroll;  // -1: left as the border style made it
  int Range;       // of the horizontal bar, 0: none set
  bool AutoScrolls;
  const char* AutoScrollLine;  // nullptr: not written
  bool WritesOuterSize;        // Width and Height, else ClientWidth and ClientHeight
};

class FormAutoScrollStored : public FormScrollBarsTest,
                             public ::testing::WithParamInterface<StoredCase> {};

// A sizeable form scrolls unless told otherwise, a form of fixed size does not; AutoScroll is
// written only where it differs from that; a form that scrolls or has a range of its own keeps
// its outer size, any other its client size.
TEST_P(FormAutoScrollStored, FollowsTheBorderStyleAndDecidesWhichSizeIsWritten) {
  const StoredCase& c = GetParam();
  TScrollForm f(nullptr);
  f.SetName("ScrollForm");
  f.SetBorderStyle(c.Style);
  if (c.AutoScroll >= 0) f.SetAutoScroll(c.AutoScroll != 0);
  if (c.Range) f.HorzScrollBar()->SetRange(c.Range);
  EXPECT_EQ(f.AutoScroll(), c.AutoScrolls);
  const std::string text = TextOf(&f);
  if (c.AutoScrollLine)
    EXPECT_NE(text.find(std::string("  ") + c.AutoScrollLine + "\r\n"), std::string::npos) << text;
  else
    EXPECT_EQ(text.find("AutoScroll"), std::string::npos) << text;
  EXPECT_EQ(text.find("  Width = ") != std::string::npos, c.WritesOuterSize) << text;
  EXPECT_EQ(text.find("  Height = ") != std::string::npos, c.WritesOuterSize) << text;
  EXPECT_EQ(text.find("  ClientWidth = ") != std::string::npos, !c.WritesOuterSize) << text;
  EXPECT_EQ(text.find("  ClientHeight = ") != std::string::npos, !c.WritesOuterSize) << text;
  EXPECT_EQ(text.find("HorzScrollBar.Range") != std::string::npos, c.Range != 0) << text;
  // Read back, the form is the same.
  TScrollForm g(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(text), &g);
  EXPECT_EQ(g.BorderStyle(), c.Style);
  EXPECT_EQ(g.AutoScroll(), c.AutoScrolls);
  EXPECT_EQ(g.HorzScrollBar()->Range(), c.Range);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, FormAutoScrollStored,
    ::testing::Values(
        StoredCase{"Sizeable", bsSizeable, -1, 0, true, nullptr, true},
        StoredCase{"SizeableFixed", bsSizeable, 0, 0, false, "AutoScroll = False", false},
        StoredCase{"SizeToolWin", bsSizeToolWin, -1, 0, true, nullptr, true},
        StoredCase{"Dialog", bsDialog, -1, 0, false, nullptr, false},
        StoredCase{"DialogScrolling", bsDialog, 1, 0, true, "AutoScroll = True", true},
        StoredCase{"Single", bsSingle, -1, 0, false, nullptr, false},
        StoredCase{"ToolWindow", bsToolWindow, -1, 0, false, nullptr, false},
        StoredCase{"None", bsNone, -1, 0, false, nullptr, false},
        StoredCase{"SingleWithRange", bsSingle, -1, 500, false, nullptr, true},
        // A range set by hand ends AutoScroll.
        StoredCase{"SizeableWithRange", bsSizeable, -1, 500, false, "AutoScroll = False", true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FormScrollBarsTest, AFormIsAScrollingControlThatScrollsWhenSizeable) {
  TForm f(nullptr);
  EXPECT_NE(dynamic_cast<TScrollingWinControl*>(&f), nullptr);
  EXPECT_TRUE(f.AutoScroll());
  EXPECT_EQ(f.HorzScrollBar()->Kind(), sbHorizontal);
  EXPECT_EQ(f.VertScrollBar()->Kind(), sbVertical);
  f.SetBorderStyle(bsDialog);
  EXPECT_FALSE(f.AutoScroll());
  f.SetBorderStyle(bsSizeable);
  EXPECT_TRUE(f.AutoScroll());
}

// ---- What the ranges count ----

struct RangeCase {
  const char* Name;
  TAlign Align;
  TAnchors Anchors;
  int Horz, Vert;  // the ranges with the child at (250, 150, 100, 100) in a 300 x 200 client
};

class FormAutoRange : public FormScrollBarsTest, public ::testing::WithParamInterface<RangeCase> {};

// Children kept at the far edges, by alignment or anchors, move with the client area and are
// not counted; those aligned to the far edge take their size off the room the others have.
TEST_P(FormAutoRange, CountsTheChildrenTheyMustScrollIntoView) {
  const RangeCase& c = GetParam();
  TForm f(nullptr);
  f.SetBorderStyle(bsNone);
  f.SetAutoScroll(true);
  f.SetBounds(0, 0, 300, 200);
  auto* child = new TPanel(&f);
  child->SetBounds(250, 150, 100, 100);
  child->SetAnchors(c.Anchors);
  child->SetAlign(c.Align);
  child->SetParent(&f);
  if (c.Align == alRight || c.Align == alBottom) Place<TPanel>(&f, 250, 150, 40, 20);
  ShowNow(&f);
  EXPECT_EQ(f.HorzScrollBar()->Range(), c.Horz);
  EXPECT_EQ(f.VertScrollBar()->Range(), c.Vert);
}

const TAnchors kLeftTop{akLeft, akTop};
const TAnchors kAll{akLeft, akTop, akRight, akBottom};

INSTANTIATE_TEST_SUITE_P(
    Children, FormAutoRange,
    ::testing::Values(RangeCase{"LeftTop", alNone, kLeftTop, 350, 250},
                      RangeCase{"AllSides", alNone, kAll, 0, 0},
                      RangeCase{"RightBottom", alNone, TAnchors{akRight, akBottom}, 0, 0},
                      RangeCase{"LeftBottom", alNone, TAnchors{akLeft, akBottom}, 350, 0},
                      RangeCase{"RightTop", alNone, TAnchors{akRight, akTop}, 0, 250},
                      RangeCase{"Centred", alNone, TAnchors{}, 0, 0},
                      // Aligned left, the child spans the client height: counted across only.
                      RangeCase{"AlignLeft", alLeft, kLeftTop, 100, 0},
                      RangeCase{"AlignTop", alTop, kLeftTop, 0, 100},
                      // A block of 40 x 20 at (250, 150) beside a far-aligned child of 100.
                      RangeCase{"AlignRight", alRight, kLeftTop, 390, 170},
                      RangeCase{"AlignBottom", alBottom, kLeftTop, 290, 270},
                      RangeCase{"AlignClient", alClient, kLeftTop, 0, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- Form files ----

// As the designer writes a form whose scroll bars have settings of their own: the binary
// reader takes it, the form keeps every setting, and writes the same bytes back.
TEST_F(FormScrollBarsTest, ABinaryFormFileWithScrollBarsReadsAndWritesBackTheSameBytes) {
  const std::string file = TestData("scroll_form.dfm");
  TScrollForm f(nullptr);
  TStringStream s(file);
  ReadForm(&s, &f);
  EXPECT_FALSE(f.AutoScroll());
  EXPECT_EQ(f.BorderStyle(), bsSizeable);
  const TControlScrollBar* h = f.HorzScrollBar();
  EXPECT_EQ(h->Increment(), 20);
  EXPECT_EQ(h->Margin(), 4);
  EXPECT_EQ(h->Range(), 700);
  EXPECT_FALSE(h->Visible());
  EXPECT_EQ(h->Position(), 0);
  EXPECT_FALSE(h->Tracking());
  const TControlScrollBar* v = f.VertScrollBar();
  EXPECT_EQ(v->Increment(), 8);
  EXPECT_EQ(v->Position(), 40);
  EXPECT_EQ(v->Range(), 600);
  EXPECT_TRUE(v->Tracking());
  EXPECT_TRUE(v->Visible());
  auto* panel = Find<TPanel>(&f, "Panel1");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Top(), 460);  // as stored: already scrolled by the position read
  EXPECT_EQ(BinaryFormFile(WriteComponentToBytes(&f)), file);
  // The file and its text are one form.
  const std::string text = TestData("scroll_form.txt");
  EXPECT_EQ(WithoutCarriageReturns(ObjectBinaryToTextString(file)), WithoutCarriageReturns(text));
  EXPECT_EQ(BinaryFormFile(ObjectTextToBinaryString(text)), file);
}

TEST_F(FormScrollBarsTest, ABarWithARangeOfItsOwnShowsOnTheReadForm) {
  TScrollForm f(nullptr);
  TStringStream s(TestData("scroll_form.dfm"));
  ReadForm(&s, &f);
  ShowNow(&f);
  // The vertical bar shows at its position; the horizontal one is hidden by Visible = False.
  EXPECT_TRUE(HasStyle(&f, win::WS_VSCROLL));
  EXPECT_FALSE(HasStyle(&f, win::WS_HSCROLL));
  EXPECT_EQ(win::GetScrollPos(f.Handle(), win::SB_VERT), 40);
  EXPECT_EQ(f.VertScrollBar()->Position(), 40);
}

// ---- Scrolling ----

class FormScrolling : public FormScrollBarsTest {
 protected:
  // A sizeable teal form of 300 x 200 with a red block of 60 x 40 at (20, top).
  void Build(int top) {
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetColor(clTeal);
    form_->SetBounds(50, 50, 300, 200);
    block_ = Place<TPanel>(form_.get(), 20, top, 60, 40);
    block_->SetBevelOuter(bvNone);
    block_->SetParentColor(false);
    block_->SetColor(clRed);
    ShowNow(form_.get());
  }
  // The form's client area: teal, the block red where it now lies.
  ::testing::AssertionResult ClientShowsTheBlockAt(int top, const std::string& name) {
    const TCapture c = RenderWindow(form_->Handle(), false);
    if (c.Width != form_->ClientWidth() || c.Height != form_->ClientHeight())
      return ::testing::AssertionFailure() << "client capture " << c.Width << "x" << c.Height;
    return PixelsMatch(
        c,
        [&](int x, int y) {
          const bool inBlock = x >= 20 && x < 80 && y >= top && y < top + 40;
          return ColorToRGB(inBlock ? clRed : clTeal);
        },
        name);
  }
  std::unique_ptr<TForm> form_;
  TPanel* block_ = nullptr;
};

// A panel that fills the client area follows the bar: narrower while the bar shows, as wide as
// the client again once the bar goes.
TEST_F(FormScrolling, AClientPanelFollowsTheBarComingAndGoing) {
  Build(300);
  auto* fill = Place<TPanel>(form_.get(), 0, 0, 10, 10);
  fill->SetAlign(alClient);
  Idle();
  ASSERT_TRUE(form_->VertScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(fill->Width(), form_->ClientWidth());
  block_->SetTop(10);
  Idle();
  EXPECT_FALSE(form_->VertScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(fill->Width(), form_->ClientWidth());
  EXPECT_EQ(fill->Height(), form_->ClientHeight());
}

TEST_F(FormScrolling, AFormWhoseChildrenLieBeyondItsClientShowsABarAndScrollsThem) {
  Build(300);
  TControlScrollBar* v = form_->VertScrollBar();
  EXPECT_EQ(v->Range(), 340);  // down to the block's bottom edge
  EXPECT_TRUE(v->IsScrollBarVisible());
  EXPECT_FALSE(form_->HorzScrollBar()->IsScrollBarVisible());
  EXPECT_TRUE(HasStyle(form_.get(), win::WS_VSCROLL));
  EXPECT_FALSE(HasStyle(form_.get(), win::WS_HSCROLL));
  // The bar stands right of the client area: its thumb (face colour) right below the up arrow.
  const TCapture whole = RenderWindow(form_->Handle());
  const TPoint origin = form_->ClientToScreen({0, 0});
  const int cx = origin.X - form_->Left(), cy = origin.Y - form_->Top();
  EXPECT_EQ(whole.Color(cx + form_->ClientWidth() + 8, cy + 16 + 4),
            win::GetSysColor(win::COLOR_BTNFACE));
  EXPECT_TRUE(ClientShowsTheBlockAt(300, "form_scroll_top"));  // nothing of it in view yet
  // The bar's down arrow scrolls by one increment.
  ClickAt(form_.get(), form_->ClientWidth() + 8, form_->ClientHeight() - 4);
  EXPECT_EQ(v->Position(), 8);
  EXPECT_EQ(block_->Top(), 292);
  // At the end of the range the block's bottom edge meets the client's.
  v->SetPosition(1000);
  EXPECT_EQ(v->Position(), 340 - form_->ClientHeight());
  EXPECT_EQ(block_->Top() + block_->Height(), form_->ClientHeight());
  EXPECT_EQ(win::GetScrollPos(form_->Handle(), win::SB_VERT), v->Position());
  EXPECT_TRUE(ClientShowsTheBlockAt(form_->ClientHeight() - 40, "form_scroll_bottom"));
  // Back to the start, the block is where it was put.
  v->SetPosition(0);
  EXPECT_EQ(block_->Top(), 300);
}

// Focus moving to a control out of view scrolls every scrolling parent until it shows.
TEST_F(FormScrolling, FocusScrollsTheFocusedControlIntoView) {
  Build(20);
  auto* low = Place<TEdit>(form_.get(), 20, 400, 100, 21);
  auto* holder = Place<TPanel>(form_.get(), 150, 600, 100, 80);
  auto* inner = Place<TEdit>(holder, 10, 40, 80, 21);
  Idle();
  ASSERT_TRUE(form_->VertScrollBar()->IsScrollBarVisible());
  low->SetFocus();
  Idle();
  // Scrolled just far enough: the edit's bottom edge meets the client's.
  EXPECT_EQ(low->Top() + low->Height(), form_->ClientHeight());
  EXPECT_EQ(form_->VertScrollBar()->Position(), 421 - form_->ClientHeight());
  // A control inside a panel: the form scrolls the control, not the panel, into view.
  inner->SetFocus();
  Idle();
  const TPoint p = form_->ScreenToClient(holder->ClientToScreen({inner->Left(), inner->Top()}));
  EXPECT_EQ(p.Y + inner->Height(), form_->ClientHeight());
  EXPECT_EQ(form_->VertScrollBar()->Position(), 661 - form_->ClientHeight());
  // Back up: the block at the top comes into view with its top edge at the client's.
  low->SetFocus();
  Idle();
  EXPECT_EQ(low->Top(), 0);
  EXPECT_EQ(form_->VertScrollBar()->Position(), 400);
}

TEST_F(FormScrolling, FocusScrollsAScrollBoxOnTheFormToo) {
  Build(20);
  auto* box = Place<TScrollBox>(form_.get(), 100, 10, 150, 100);
  box->SetBorderStyle(bsNone);
  auto* edit = Place<TEdit>(box, 10, 300, 80, 21);
  Idle();
  edit->SetFocus();
  Idle();
  EXPECT_EQ(edit->Top() + edit->Height(), box->ClientHeight());
  EXPECT_EQ(box->VertScrollBar()->Position(), 321 - box->ClientHeight());
  EXPECT_EQ(form_->VertScrollBar()->Position(), 0);  // the box was in view already
}

TEST_F(FormScrolling, AFormWhoseChildrenFitShowsNoBarsAndLooksAsWithoutAutoScroll) {
  Build(100);
  EXPECT_TRUE(form_->AutoScroll());
  EXPECT_FALSE(form_->VertScrollBar()->IsScrollBarVisible());
  EXPECT_FALSE(form_->HorzScrollBar()->IsScrollBarVisible());
  EXPECT_FALSE(HasStyle(form_.get(), win::WS_VSCROLL));
  EXPECT_FALSE(HasStyle(form_.get(), win::WS_HSCROLL));
  const TCapture scrolling = RenderWindow(form_->Handle());
  form_->SetAutoScroll(false);
  RunUntilIdle();
  EXPECT_TRUE(SamePixels(RenderWindow(form_->Handle()), scrolling, "form_fits"));
  EXPECT_TRUE(ClientShowsTheBlockAt(100, "form_fits_client"));
}

TEST_F(FormScrolling, AFormWithoutAutoScrollShowsNoBarsForChildrenBeyondIt) {
  Build(300);
  form_->SetAutoScroll(false);
  RunUntilIdle();
  EXPECT_EQ(form_->VertScrollBar()->Range(), 0);
  EXPECT_FALSE(HasStyle(form_.get(), win::WS_VSCROLL));
  EXPECT_TRUE(ClientShowsTheBlockAt(300, "form_no_autoscroll"));
  // Turned on again, the bar comes back.
  form_->SetAutoScroll(true);
  RunUntilIdle();
  EXPECT_TRUE(HasStyle(form_.get(), win::WS_VSCROLL));
  EXPECT_EQ(form_->VertScrollBar()->Range(), 340);
}

// ---- The bars' looks: style, sizes, colour, smooth scrolling ----

// What a scroll bar publishes, in the designer's order, with defaults and stored rules.
TEST(ControlScrollBarPublished, ListsTheLookBesideTheRangeInTheDesignersOrder) {
  EXPECT_EQ(testsupport::PublishedList(TControlScrollBar::StaticClass()),
            "ButtonSize=0 Color=clBtnHighlight? Increment=8? Margin=0 ParentColor=True "
            "Position=0 Range=0? Smooth=False Size=0 Style=ssRegular ThumbSize=0 "
            "Tracking=False Visible=True");
}

TEST_F(FormScrollBarsTest, ABarReadFromAFormKeepsItsLook) {
  const std::string text =
      "object ScrollForm: TScrollForm\n  Left = 0\n  Top = 0\n  Width = 300\n  Height = 200\n"
      "  HorzScrollBar.ButtonSize = 12\n  HorzScrollBar.Color = clRed\n"
      "  HorzScrollBar.ParentColor = False\n  HorzScrollBar.Size = 10\n"
      "  HorzScrollBar.Style = ssFlat\n  HorzScrollBar.ThumbSize = 30\n"
      "  VertScrollBar.Smooth = True\n  VertScrollBar.Style = ssHotTrack\nend\n";
  TScrollForm f(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(text), &f);
  const TControlScrollBar* h = f.HorzScrollBar();
  EXPECT_EQ(h->ButtonSize(), 12);
  EXPECT_EQ(h->Color(), clRed);
  EXPECT_FALSE(h->ParentColor());
  EXPECT_EQ(h->Size(), 10);
  EXPECT_EQ(h->Style(), ssFlat);
  EXPECT_EQ(h->ThumbSize(), 30);
  EXPECT_FALSE(h->Smooth());
  const TControlScrollBar* v = f.VertScrollBar();
  EXPECT_TRUE(v->Smooth());
  EXPECT_EQ(v->Style(), ssHotTrack);
  EXPECT_TRUE(v->ParentColor());
  EXPECT_EQ(v->Color(), clBtnHighlight);
  EXPECT_EQ(v->Size(), 0);
  // A smooth bar's increment follows the page and is not written.
  EXPECT_EQ(TextOf(&f).find("VertScrollBar.Increment"), std::string::npos);
  // Assigned to another form's bar, the look goes along.
  TScrollForm g(nullptr);
  g.SetHorzScrollBar(f.HorzScrollBar());
  EXPECT_EQ(g.HorzScrollBar()->Style(), ssFlat);
  EXPECT_EQ(g.HorzScrollBar()->Color(), clRed);
  EXPECT_EQ(g.HorzScrollBar()->ThumbSize(), 30);
}

TEST_F(FormScrollBarsTest, AColourOfItsOwnEndsParentColorAndParentColorBringsBackTheHighlight) {
  TScrollForm f(nullptr);
  TControlScrollBar* h = f.HorzScrollBar();
  h->SetColor(clLime);
  EXPECT_FALSE(h->ParentColor());
  EXPECT_NE(TextOf(&f).find("HorzScrollBar.Color = clLime"), std::string::npos);
  h->SetParentColor(true);
  EXPECT_EQ(h->Color(), clBtnHighlight);
  EXPECT_EQ(TextOf(&f).find("HorzScrollBar.Color"), std::string::npos);
  EXPECT_EQ(TextOf(&f).find("HorzScrollBar.ParentColor"), std::string::npos);
}

struct BadLookCase {
  const char* Name;
  void (*Set)(TControlScrollBar*, int32_t);
  int32_t Value;
};

void PrintTo(const BadLookCase& c, std::ostream* os) { *os << c.Name; }

class BarLookOutOfRange : public FormScrollBarsTest,
                          public ::testing::WithParamInterface<BadLookCase> {};

// Sizes are pixels from 0 (the system's) up; a size refused leaves the bar as it was.
TEST_P(BarLookOutOfRange, IsRefusedAndLeavesTheBarAsItWas) {
  TScrollForm f(nullptr);
  TControlScrollBar* h = f.HorzScrollBar();
  EXPECT_THROW(GetParam().Set(h, GetParam().Value), EInvalidOperation);
  EXPECT_EQ(h->Size(), 0);
  EXPECT_EQ(h->ButtonSize(), 0);
  EXPECT_EQ(h->ThumbSize(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BarLookOutOfRange,
    ::testing::Values(
        BadLookCase{"NegativeSize", [](TControlScrollBar* b, int32_t v) { b->SetSize(v); }, -1},
        BadLookCase{"HugeSize", [](TControlScrollBar* b, int32_t v) { b->SetSize(v); }, 1 << 20},
        BadLookCase{"NegativeButton", [](TControlScrollBar* b, int32_t v) { b->SetButtonSize(v); },
                    -5},
        BadLookCase{"NegativeThumb", [](TControlScrollBar* b, int32_t v) { b->SetThumbSize(v); },
                    INT32_MIN},
        BadLookCase{
            "StyleOutOfList",
            [](TControlScrollBar* b, int32_t v) { b->SetStyle(static_cast<TScrollBarStyle>(v)); },
            3}),
    [](const ::testing::TestParamInfo<BadLookCase>& info) { return info.param.Name; });

// A line of a smooth bar is a tenth of its page (nine tenths of the client area); the plain bar
// moves by Increment.
TEST_F(FormScrolling, ASmoothBarScrollsATenthOfAPagePerLine) {
  Build(600);
  TControlScrollBar* v = form_->VertScrollBar();
  const int line = form_->ClientHeight() * 9 / 10 / 10;
  ASSERT_GT(line, 8);
  form_->Perform(win::WM_VSCROLL, win::SB_LINEDOWN, 0);
  EXPECT_EQ(v->Position(), 8);
  v->SetSmooth(true);
  EXPECT_EQ(v->Increment(), line);
  form_->Perform(win::WM_VSCROLL, win::SB_LINEDOWN, 0);
  EXPECT_EQ(v->Position(), 8 + line);
  v->SetSmooth(false);
  EXPECT_EQ(v->Increment(), 8);
}

// A bar of its own look on a form whose block lies far below: the bar as wide as Size, arrows
// ButtonSize long and a thumb ThumbSize long right below the up arrow; flat bars (hot-tracked
// ones too while the mouse is elsewhere) have a shadow outline where the classic bar has a
// raised edge, and a plain track of the bar's colour.
struct BarLookCase {
  const char* Name;
  TScrollBarStyle Style;
  bool Flat;
};

void PrintTo(const BarLookCase& c, std::ostream* os) { *os << c.Name; }

class FormBarLook : public FormScrolling, public ::testing::WithParamInterface<BarLookCase> {};

TEST_P(FormBarLook, DrawsTheBarAtItsSizesInItsStyleAndColour) {
  Build(600);
  const int plainClient = form_->ClientWidth();
  const int systemWidth = win::GetSystemMetrics(win::SM_CXVSCROLL);
  TControlScrollBar* v = form_->VertScrollBar();
  v->SetStyle(GetParam().Style);
  v->SetSize(30);
  v->SetButtonSize(20);
  v->SetThumbSize(40);
  v->SetColor(clRed);
  RunUntilIdle();
  ASSERT_TRUE(v->IsScrollBarVisible());
  EXPECT_EQ(form_->ClientWidth(), plainClient - (30 - systemWidth));
  const TCapture whole = RenderWindow(form_->Handle());
  const TPoint origin = form_->ClientToScreen({0, 0});
  const int bx = origin.X - form_->Left() + form_->ClientWidth();  // the bar's left edge
  const int by = origin.Y - form_->Top();
  const win::COLORREF shadow = win::GetSysColor(win::COLOR_BTNSHADOW);
  const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
  const win::COLORREF red = ColorToRGB(clRed);
  // The thumb's outline, its face, and the track just past it.
  EXPECT_EQ(whole.Color(bx + 15, by + 20) == shadow, GetParam().Flat);
  EXPECT_EQ(whole.Color(bx + 15, by + 40), face);
  EXPECT_NE(whole.Color(bx + 15, by + 58), red);
  if (GetParam().Flat) {
    EXPECT_EQ(whole.Color(bx + 15, by + 61), red);
    EXPECT_EQ(whole.Color(bx + 29, by + 80), red);  // the bar's last column
  } else {
    // The classic track checkers the face with the colour.
    const win::COLORREF a = whole.Color(bx + 15, by + 80), b = whole.Color(bx + 16, by + 80);
    EXPECT_TRUE((a == red && b == face) || (a == face && b == red)) << a << " " << b;
  }
  // The up arrow's top-left corner: shadow when flat, the light of a raised edge otherwise.
  EXPECT_EQ(whole.Color(bx, by) == shadow, GetParam().Flat);
  EXPECT_EQ(whole.Color(bx, by) == win::GetSysColor(win::COLOR_3DLIGHT), !GetParam().Flat);
  // Back to the classic look of the system's size.
  v->SetStyle(ssRegular);
  v->SetSize(0);
  v->SetButtonSize(0);
  v->SetThumbSize(0);
  v->SetParentColor(true);
  RunUntilIdle();
  EXPECT_EQ(form_->ClientWidth(), plainClient);
}

INSTANTIATE_TEST_SUITE_P(Styles, FormBarLook,
                         ::testing::Values(BarLookCase{"Regular", ssRegular, false},
                                           BarLookCase{"Flat", ssFlat, true},
                                           BarLookCase{"HotTrack", ssHotTrack, true}),
                         [](const ::testing::TestParamInfo<BarLookCase>& info) {
                           return info.param.Name;
                         });

// Children placed, moved and freed before the form has a window: the ranges read at any time
// reach the farthest child, and the window's bars start from them.
TEST_F(FormScrollBarsTest, RangesFollowChildrenPlacedBeforeTheWindow) {
  TForm f(nullptr);
  f.SetBorderStyle(bsNone);
  f.SetAutoScroll(true);
  f.SetBounds(0, 0, 300, 200);
  std::vector<TPanel*> panels;
  for (int i = 0; i < 50; ++i) {
    panels.push_back(Place<TPanel>(&f, 10 * i, 5 * i, 20, 10));
    EXPECT_EQ(f.HorzScrollBar()->Range(), 10 * i + 20) << i;
    EXPECT_EQ(f.VertScrollBar()->Range(), 5 * i + 10) << i;
  }
  ASSERT_FALSE(f.HandleAllocated());
  for (int i = 0; i < 20; ++i) Place<TPanel>(&f, i, i, 5, 5);  // nearer: nothing changes
  EXPECT_EQ(f.HorzScrollBar()->Range(), 510);
  EXPECT_EQ(f.VertScrollBar()->Range(), 255);
  delete panels.back();  // the farthest goes: the one before reaches farthest
  EXPECT_EQ(f.HorzScrollBar()->Range(), 500);
  EXPECT_EQ(f.VertScrollBar()->Range(), 250);
  panels[3]->SetBounds(700, 400, 20, 10);
  f.HorzScrollBar()->SetPosition(5000);  // as far as it goes: the range less the client
  EXPECT_EQ(f.HorzScrollBar()->Position(), 720 - 300);
  EXPECT_TRUE(f.VertScrollBar()->IsScrollBarVisible());
  ShowNow(&f);
  EXPECT_TRUE(HasStyle(&f, win::WS_HSCROLL));
  EXPECT_TRUE(HasStyle(&f, win::WS_VSCROLL));
  EXPECT_EQ(f.HorzScrollBar()->Range(), 720);
  EXPECT_EQ(f.VertScrollBar()->Range(), 410);
}

TEST_F(FormScrollBarsTest, ARangeSetOrCopiedBeforeTheWindowStands) {
  TForm f(nullptr);
  f.SetBorderStyle(bsNone);
  f.SetAutoScroll(true);
  f.SetBounds(0, 0, 300, 200);
  Place<TPanel>(&f, 400, 300, 20, 10);
  f.HorzScrollBar()->SetRange(1000);  // by hand: the children no longer decide
  EXPECT_FALSE(f.AutoScroll());
  Place<TPanel>(&f, 900, 300, 200, 10);
  EXPECT_EQ(f.HorzScrollBar()->Range(), 1000);
  TForm g(nullptr);
  g.SetBorderStyle(bsNone);
  g.SetAutoScroll(true);
  g.SetBounds(0, 0, 300, 200);
  Place<TPanel>(&g, 400, 300, 20, 10);
  g.HorzScrollBar()->Assign(f.HorzScrollBar());
  EXPECT_EQ(g.HorzScrollBar()->Range(), 1000);
  g.VertScrollBar()->Assign(f.VertScrollBar());  // f's children count for f's bars
  EXPECT_EQ(g.VertScrollBar()->Range(), 310);
}

// On a shown form the bars follow children placed one by one once the messages come round,
// and a range read before then is already the children's.
TEST_F(FormScrollBarsTest, ShownFormsBarsFollowChildrenPlacedOneByOne) {
  TForm f(nullptr);
  f.SetBorderStyle(bsNone);
  f.SetAutoScroll(true);
  f.SetBounds(0, 0, 300, 200);
  ShowNow(&f);
  EXPECT_FALSE(HasStyle(&f, win::WS_HSCROLL));
  for (int i = 0; i < 40; ++i) Place<TPanel>(&f, 10 * i, 2 * i, 20, 10);
  EXPECT_EQ(f.HorzScrollBar()->Range(), 410);
  EXPECT_EQ(f.VertScrollBar()->Range(), 88);
  Idle();
  EXPECT_TRUE(HasStyle(&f, win::WS_HSCROLL));
  EXPECT_FALSE(HasStyle(&f, win::WS_VSCROLL));
  for (int i = 0; i < 40; ++i) Place<TPanel>(&f, 5, 300 + i, 20, 10);
  Idle();
  EXPECT_TRUE(HasStyle(&f, win::WS_VSCROLL));
  EXPECT_EQ(f.VertScrollBar()->Range(), 349);
  // The window made again keeps following.
  f.RecreateWnd();
  Idle();
  Place<TPanel>(&f, 5, 600, 20, 10);
  Idle();
  EXPECT_EQ(f.VertScrollBar()->Range(), 610);
  EXPECT_TRUE(HasStyle(&f, win::WS_VSCROLL));
}

// A bar that comes or goes narrows or widens the client area while the window keeps its size:
// the controls aligned to the client area are laid out in it again, as after any change of the
// client's size, so that none lies under the bar.
TEST_F(FormScrollBarsTest, ABarThatComesOrGoesLaysTheAlignedControlsOutAgain) {
  TForm f(nullptr);
  f.SetAutoScroll(true);
  auto* bottom = Place<TPanel>(&f, 8, 8, 120, 20);
  bottom->SetAlign(alBottom);
  auto* right = Place<TPanel>(&f, 8, 8, 30, 20);
  right->SetAlign(alRight);
  auto* below = Place<TPanel>(&f, 200, 180, 80, 24);
  f.SetBounds(0, 0, 320, 240);
  ShowNow(&f);
  Idle();
  ASSERT_TRUE(HasStyle(&f, win::WS_VSCROLL));
  EXPECT_EQ(bottom->Width(), f.ClientWidth());
  EXPECT_EQ(right->Left() + right->Width(), f.ClientWidth());
  // The bar goes when the child that needed it moves up.
  below->SetTop(10);
  Idle();
  ASSERT_FALSE(HasStyle(&f, win::WS_VSCROLL));
  EXPECT_EQ(bottom->Width(), f.ClientWidth());
  EXPECT_EQ(right->Left() + right->Width(), f.ClientWidth());
}

}  // namespace
}  // namespace vcl::testing
