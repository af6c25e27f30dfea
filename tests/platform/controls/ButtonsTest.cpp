// Speed buttons and bitmap buttons, clicked and looked at as a user would.
#include "ComCtrlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "tests/support/ErrorOf.h"

namespace vcl::testing {
namespace {

using namespace win::testkit;

// A 10 x 10 glyph: olive (transparent) with a red square at columns and rows 2..7.
void RedSquare(TBitmap* b) {
  b->SetPixelFormat(pf24bit);
  b->SetSize(10, 10);
  b->Canvas()->Brush()->SetColor(clOlive);
  b->Canvas()->FillRect(TRect{0, 0, 10, 10});
  b->Canvas()->Brush()->SetColor(clRed);
  b->Canvas()->FillRect(TRect{2, 2, 8, 8});
}

class ButtonsTest : public ComCtrlsTest {
 protected:
  // Three speed buttons side by side in group 1.
  std::vector<TSpeedButton*> Group(bool allowAllUp) {
    NewForm(200, 60);
    std::vector<TSpeedButton*> g;
    for (int i = 0; i < 3; ++i) {
      auto* b = Add<TSpeedButton>(10 + 30 * i, 10, 25, 25);
      b->SetGroupIndex(1);
      b->SetAllowAllUp(allowAllUp);
      g.push_back(b);
    }
    Show();
    return g;
  }
  static std::string Downs(const std::vector<TSpeedButton*>& g) {
    std::string s;
    for (auto* b : g) s += b->Down() ? 'D' : '.';
    return s;
  }
};

struct TGroupCase {
  bool AllowAllUp;
  std::vector<int> Clicks;
  const char* Downs;
};
class SpeedGroupTest : public ButtonsTest, public ::testing::WithParamInterface<TGroupCase> {};

TEST_P(SpeedGroupTest, OneButtonOfAGroupStaysDown) {
  auto g = Group(GetParam().AllowAllUp);
  TLog log;
  for (auto* b : g) b->SetOnClick(log.Counter());
  for (int i : GetParam().Clicks) ClickOn(g[i], 12, 12);
  EXPECT_EQ(Downs(g), GetParam().Downs);
  EXPECT_EQ(log.Count, static_cast<int>(GetParam().Clicks.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Groups, SpeedGroupTest,
    ::testing::Values(TGroupCase{false, {0}, "D.."}, TGroupCase{false, {0, 2}, "..D"},
                      TGroupCase{false, {1, 1}, ".D."}, TGroupCase{true, {1, 1}, "..."},
                      TGroupCase{true, {0, 1, 1}, "..."}, TGroupCase{true, {2, 0}, "D.."}));

TEST_F(ButtonsTest, ASpeedButtonLetGoOutsideDoesNotClick) {
  NewForm(200, 60);
  auto* b = Add<TSpeedButton>(10, 10, 25, 25);
  TLog log;
  b->SetOnClick(log.Counter());
  Show();
  const TPoint p = ScreenOf(b, 12, 12);
  MouseDown(p.X, p.Y);
  EXPECT_EQ(b->State(), bsDown);
  MouseMove(p.X + 60, p.Y);
  EXPECT_EQ(b->State(), bsUp);
  MouseUp(p.X + 60, p.Y);
  EXPECT_EQ(log.Count, 0);
  // Without a group a button never stays down.
  b->SetDown(true);
  EXPECT_FALSE(b->Down());
  ClickOn(b, 5, 5);
  EXPECT_EQ(log.Count, 1);
  EXPECT_EQ(b->State(), bsUp);
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { b->SetNumGlyphs(5); }),
            "NumGlyphs property out of range");
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { b->SetMargin(-2); }),
            "TSpeedButton property out of range");
}

struct TLayoutCase {
  TButtonLayout Layout;
  const char* Name;
};
class GlyphLayoutTest : public ButtonsTest, public ::testing::WithParamInterface<TLayoutCase> {};

TEST_P(GlyphLayoutTest, TheGlyphSitsOnItsSideOfTheCaption) {
  NewForm(200, 100);
  auto* b = Add<TSpeedButton>(10, 10, 120, 60);
  RedSquare(b->Glyph());
  b->SetCaption("Text");
  b->SetLayout(GetParam().Layout);
  Show();
  const TCapture cap = Capture();
  const TRect area{12, 12, 128, 68};
  const TRect glyph = InkBox(cap, area, Is(clRed));
  const TRect text = InkBox(cap, area, Is(clBlack));
  ASSERT_EQ(glyph.Width(), 6) << GetParam().Name;
  ASSERT_GT(text.Width(), 0) << GetParam().Name;
  switch (GetParam().Layout) {
    case blGlyphLeft: EXPECT_LT(glyph.Right, text.Left); break;
    case blGlyphRight: EXPECT_GT(glyph.Left, text.Right); break;
    case blGlyphTop: EXPECT_LT(glyph.Bottom, text.Top); break;
    case blGlyphBottom: EXPECT_GT(glyph.Top, text.Bottom); break;
  }
  // Margin -1 centres glyph and caption together: the space before equals the space after.
  const bool across = GetParam().Layout <= blGlyphRight;
  const TRect all{std::min(glyph.Left, text.Left), std::min(glyph.Top, text.Top),
                  std::max(glyph.Right, text.Right), std::max(glyph.Bottom, text.Bottom)};
  if (across)
    EXPECT_NEAR(all.Left - 10, 130 - all.Right, 4);
  else
    EXPECT_NEAR(all.Top - 10, 70 - all.Bottom, 4);
  // A margin puts the glyph that far from the face's edge (a 2-pixel frame), on its side.
  b->SetMargin(3);
  Idle();
  const TRect moved = InkBox(Capture(), area, Is(clRed));
  switch (GetParam().Layout) {
    case blGlyphLeft: EXPECT_EQ(moved.Left, 10 + 2 + 3 + 2); break;
    case blGlyphRight: EXPECT_EQ(moved.Right, 130 - 2 - 3 - 2); break;
    case blGlyphTop: EXPECT_EQ(moved.Top, 10 + 2 + 3 + 2); break;
    case blGlyphBottom: EXPECT_EQ(moved.Bottom, 70 - 2 - 3 - 2); break;
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, GlyphLayoutTest,
                         ::testing::Values(TLayoutCase{blGlyphLeft, "left"},
                                           TLayoutCase{blGlyphRight, "right"},
                                           TLayoutCase{blGlyphTop, "top"},
                                           TLayoutCase{blGlyphBottom, "bottom"}));

TEST_F(ButtonsTest, DisabledButtonsEmbossTheirGlyphAndFlatOnesRiseUnderTheMouse) {
  NewForm(200, 60);
  auto* off = Add<TSpeedButton>(10, 10, 25, 25);
  RedSquare(off->Glyph());
  off->SetEnabled(false);
  auto* flat = Add<TSpeedButton>(50, 10, 25, 25);
  flat->SetFlat(true);
  Show();
  TCapture cap = Capture();
  const TRect offArea{10, 10, 35, 35};
  EXPECT_EQ(InkBox(cap, offArea, Is(clRed)).Width(), 0);
  const TRect shadow = InkBox(cap, TRect{12, 12, 33, 33}, Is(clBtnShadow));
  EXPECT_EQ(shadow.Width(), 6);
  EXPECT_EQ(InkBox(cap, TRect{12, 12, 33, 33}, Is(clBtnHighlight)).Left, shadow.Left + 1);
  // Flat: no frame until the mouse comes.
  const TRect flatArea{50, 10, 75, 35};
  EXPECT_TRUE(PixelsMatch(
      cap, [](int, int) { return Rgb(clBtnFace); }, "flat_idle", flatArea));
  MoveTo(flat, 10, 10);
  cap = Capture();
  EXPECT_EQ(cap.Color(50, 10), Rgb(clBtnHighlight));
  EXPECT_EQ(cap.Color(74, 34), Rgb(clBtnShadow));
  MoveTo(flat, 100, 10);
  EXPECT_TRUE(PixelsMatch(
      Capture(), [](int, int) { return Rgb(clBtnFace); }, "flat_left", flatArea));
}

struct TLineBreakCase {
  bool Bit;  // a bitmap button, else a speed button
  const char* Break;
  const char* Name;
};
class CaptionLinesTest : public ButtonsTest, public ::testing::WithParamInterface<TLineBreakCase> {
 protected:
  TControl* Button(int x, const std::string& caption) {
    TControl* b = GetParam().Bit ? static_cast<TControl*>(Add<TBitBtn>(x, 10, 90, 60))
                                 : static_cast<TControl*>(Add<TSpeedButton>(x, 10, 90, 60));
    b->SetCaption(caption);
    return b;
  }
};

TEST_P(CaptionLinesTest, ALineBreakStartsASecondCentredLine) {
  NewForm(220, 80);
  TControl* one = Button(10, "Ab");
  Button(110, std::string("Ab") + GetParam().Break + "Ab");
  Show();
  TBitmap measure;
  measure.Canvas()->SetFont(one->Font());
  const int lineHeight = measure.Canvas()->TextHeight("Ab");
  const TCapture cap = Capture();
  const TRect single = InkBox(cap, TRect{13, 13, 97, 67}, Is(clBlack));
  const TRect twice = InkBox(cap, TRect{113, 13, 197, 67}, Is(clBlack));
  ASSERT_GT(single.Height(), 4) << GetParam().Name;
  // Both lines stand where the single line does across, one line height apart, together
  // centred where the single line is centred.
  EXPECT_EQ(twice.Left - 100, single.Left);
  EXPECT_EQ(twice.Right - 100, single.Right);
  EXPECT_EQ(twice.Height(), single.Height() + lineHeight);
  EXPECT_NEAR(twice.Top + twice.Bottom, single.Top + single.Bottom, 2);
  // Each line is the single line's picture, and nothing else is drawn (no glyph for a break).
  const int dy = twice.Top - single.Top;
  EXPECT_TRUE(PixelsMatch(
      cap,
      [&](int x, int y) {
        const int up = y < twice.Top + lineHeight ? dy : dy + lineHeight;
        return cap.Color(x - 100, y - up);
      },
      std::string("caption_lines_") + GetParam().Name,
      win::RECT{twice.Left, twice.Top, twice.Right, twice.Bottom}));
}

INSTANTIATE_TEST_SUITE_P(Breaks, CaptionLinesTest,
                         ::testing::Values(TLineBreakCase{true, "\r\n", "bit_crlf"},
                                           TLineBreakCase{true, "\n", "bit_lf"},
                                           TLineBreakCase{true, "\r", "bit_cr"},
                                           TLineBreakCase{false, "\r\n", "speed_crlf"},
                                           TLineBreakCase{false, "\n", "speed_lf"}),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TKindCase {
  TBitBtnKind Kind;
  const char* Caption;
  TModalResult Result;
  bool Default, Cancel;
};
class BitBtnKindTest : public ButtonsTest, public ::testing::WithParamInterface<TKindCase> {};

TEST_P(BitBtnKindTest, AKindBringsCaptionGlyphAndResult) {
  NewForm(200, 60);
  auto* b = Add<TBitBtn>(10, 10, 90, 30);
  b->SetKind(GetParam().Kind);
  EXPECT_EQ(b->Kind(), GetParam().Kind);
  EXPECT_EQ(b->Caption(), GetParam().Caption);
  EXPECT_EQ(b->ModalResult(), GetParam().Result);
  EXPECT_EQ(b->Default(), GetParam().Default);
  EXPECT_EQ(b->Cancel(), GetParam().Cancel);
  Show();
  // The stock glyph shows left of the caption: coloured pixels in the left part of the face.
  const TCapture cap = Capture();
  const auto coloured = [](win::COLORREF c) {
    return c != Rgb(clBtnFace) && c != Rgb(clBlack) && c != Rgb(clBtnShadow) &&
           c != Rgb(clBtnHighlight) && c != Rgb(cl3DDkShadow) && c != Rgb(cl3DLight);
  };
  const TRect glyph = InkBox(cap, TRect{12, 12, 98, 38}, coloured);
  const TRect text = InkBox(cap, TRect{12, 12, 98, 38}, Is(clBlack));
  EXPECT_GT(glyph.Width(), 4);
  EXPECT_LT(glyph.Left, text.Left);
  // Another modal result makes the button custom.
  b->SetModalResult(99);
  EXPECT_EQ(b->Kind(), bkCustom);
}

INSTANTIATE_TEST_SUITE_P(Kinds, BitBtnKindTest,
                         ::testing::Values(TKindCase{bkOK, "OK", mrOk, true, false},
                                           TKindCase{bkCancel, "Cancel", mrCancel, false, true},
                                           TKindCase{bkYes, "&Yes", mrYes, true, false},
                                           TKindCase{bkNo, "&No", mrNo, false, true},
                                           TKindCase{bkAbort, "Abort", mrAbort, false, false},
                                           TKindCase{bkRetry, "&Retry", mrRetry, false, false},
                                           TKindCase{bkIgnore, "&Ignore", mrIgnore, false, false},
                                           TKindCase{bkAll, "&All", mrAll, false, false},
                                           TKindCase{bkHelp, "&Help", 0, false, false},
                                           TKindCase{bkClose, "&Close", 0, false, false}));

TEST_F(ButtonsTest, BitButtonsCloseTheirFormAndStreamOnlyWhatDiffersFromTheirKind) {
  const TObj text{
      "Form1: TForm",
      {"BorderStyle = bsNone", "Width = 200", "Height = 80"},
      {{"Ok: TBitBtn",
        {"Left = 10", "Top = 10", "Width = 75", "Height = 25", "Kind = bkOK", "TabOrder = 0"}},
       {"Shut: TBitBtn",
        {"Left = 100", "Top = 10", "Width = 75", "Height = 25", "Caption = '&Done'",
         "Kind = bkClose", "TabOrder = 1"}}}};
  form_ = FormFromText(text);
  auto* ok = Find<TBitBtn>(form_.get(), "Ok");
  auto* shut = Find<TBitBtn>(form_.get(), "Shut");
  ASSERT_TRUE(ok && shut);
  EXPECT_EQ(ok->ModalResult(), mrOk);
  EXPECT_FALSE(ok->Glyph()->Empty());
  EXPECT_EQ(shut->Caption(), "&Done");
  const std::string written = ObjectBinaryToTextString(WriteComponentToBytes(form_.get()));
  for (const char* absent : {"ModalResult", "Glyph", "Caption = 'OK'", "Default", "NumGlyphs"})
    EXPECT_EQ(written.find(absent), std::string::npos) << absent << "\n" << written;
  EXPECT_NE(written.find("Caption = '&Done'"), std::string::npos) << written;
  Show();
  ClickOn(ok, 10, 10);
  EXPECT_EQ(form_->ModalResult(), mrOk);
  form_->SetModalResult(0);
  ClickOn(shut, 10, 10);
  EXPECT_FALSE(form_->Visible());
}

}  // namespace
}  // namespace vcl::testing
