// The look of a disabled caption on the framework's text controls: embossed, the highlight one
// pixel down and right of the text, the shadow over it where the text itself is.
#include <functional>
#include <string>

#include "ControlsTestSupport.h"
#include "tests/support/PixelCheck.h"

namespace vcl::testing {
namespace {

using namespace win::testkit;
using win::COLORREF;

struct TCaptionCase {
  const char* Name;
  std::function<TControl*(TComponent* Owner)> Make;
};

class CaptionLookTest : public ControlsTest, public ::testing::WithParamInterface<TCaptionCase> {
 protected:
  std::unique_ptr<TForm> form_;
};

// What a disabled caption shows, from the enabled picture: the text's pixels in the shadow
// colour, the pixels one down and right of them (that are not text) in the highlight colour,
// everything else as it was.
COLORREF Embossed(const TCapture& Enabled, COLORREF Ink, int X, int Y) {
  if (Enabled.Color(X, Y) == Ink) return Rgb(clBtnShadow);
  if (X > 0 && Y > 0 && Enabled.Color(X - 1, Y - 1) == Ink) return Rgb(clBtnHighlight);
  return Enabled.Color(X, Y);
}

TEST_P(CaptionLookTest, ADisabledCaptionIsEmbossed) {
  form_ = std::make_unique<TForm>(nullptr);
  form_->SetBorderStyle(bsNone);
  form_->SetBounds(0, 0, 200, 80);
  form_->SetColor(clBtnFace);
  TControl* c = GetParam().Make(form_.get());
  c->SetBounds(10, 10, 150, 40);
  c->SetParent(form_.get());
  c->SetText("Wide &Caption");
  form_->Show();
  Idle();
  const TRect area = c->BoundsRect();
  const TCapture enabled = CaptureWindow(form_->Handle(), false);
  const COLORREF ink = Rgb(clWindowText);
  int inked = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) inked += enabled.Color(x, y) == ink;
  ASSERT_GT(inked, 20);  // the caption is there to emboss
  c->SetEnabled(false);
  Idle();
  const TCapture disabled = CaptureWindow(form_->Handle(), false);
  EXPECT_TRUE(PixelsMatch(
      disabled, [&](int x, int y) { return Embossed(enabled, ink, x, y); },
      std::string("embossed_") + GetParam().Name, area));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, CaptionLookTest,
    ::testing::Values(TCaptionCase{"Label", [](TComponent* o) { return new TLabel(o); }},
                      // Measured before it is drawn: the same place in both looks.
                      TCaptionCase{"LabelCentredAndWrapped",
                                   [](TComponent* o) {
                                     auto* l = new TLabel(o);
                                     l->SetAutoSize(false);
                                     l->SetWordWrap(true);
                                     l->SetLayout(tlCenter);
                                     return l;
                                   }},
                      TCaptionCase{"StaticText", [](TComponent* o) { return new TStaticText(o); }},
                      TCaptionCase{"GroupBox", [](TComponent* o) { return new TGroupBox(o); }}),
    [](const ::testing::TestParamInfo<TCaptionCase>& i) { return std::string(i.param.Name); });

}  // namespace
}  // namespace vcl::testing
