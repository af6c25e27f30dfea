// The live previews of the effect caption, transparency and button layout editors: after the
// user's changes each preview shows what a control of its kind with those settings shows.
#include <gtest/gtest.h>

#include <functional>

#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLButtonLayoutEditorDlg.h"
#include "design/pZYLFillEditorDlg.h"
#include "design/pZYLFxEditorDlg.h"
#include "design/pZYLTransparentEditorDlg.h"
#include "display/ZYLFill.h"
#include "display/ZYLLabel.h"
#include "display/ZYLNImage.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

class SettingsEditorPreviews : public ::testing::Test {
 protected:
  // Queues `look` on the next editor, then OK.
  template <class TDlg>
  void Answer(const std::function<void(TDlg*)>& look) {
    designtest::AnswerEditorAs<TDlg>(script_, look, TEnding::Ok);
  }

  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  vt::TDialogScript script_;
  wt::TCapture before_, after_, expected_;
};

TEST_F(SettingsEditorPreviews, TheEffectPreviewShowsTheChosenEffect) {
  Answer<TZYLFxEditorDlg>([&](TZYLFxEditorDlg* f) {
    before_ = designtest::CaptureControl(f->test);
    designtest::ChooseComboItem(f->cmb, "tdRaisedShadow");
    vt::TypeInto(f->shDepth, "3");
    after_ = designtest::CaptureControl(f->test);
    expected_ = designtest::CaptureSample(f->test, [f](vcl::TForm* host) {
      auto* l = new TZYLLabel(host);
      l->SetAutoSize(false);
      l->SetAlignment(agCenter);
      l->SetTransparent(false);
      l->SetColor(vcl::clWhite);
      l->Font()->Assign(f->test->Font());
      l->SetCaption("Test-Label");
      l->FontFX()->SetStyle(tdRaisedShadow);
      l->FontFX()->SetDepth(TZYL3DCaption::diShadowDepth, 3);
      return l;
    });
  });
  TZYLFxCaption fx;
  ASSERT_TRUE(TZYLFxEditorDlg::EditFx(&fx));
  EXPECT_GT(wt::CountDifferentPixels(before_, after_), 0);
  EXPECT_TRUE(wt::SamePixels(after_, expected_, "fx_editor_preview"));
  EXPECT_EQ(fx.Style(), tdRaisedShadow);
}

TEST_F(SettingsEditorPreviews, RealTransparencyLetsTheRedGradientThroughThePicturesGround) {
  vcl::TBitmap picture;
  Answer<TZYLTransparentEditorDlg>([&](TZYLTransparentEditorDlg* f) {
    picture.Assign(f->test->Bitmap());
    before_ = designtest::CaptureControl(f->test);
    designtest::ChooseComboItem(f->cmb, "tpRestoreBack");
    after_ = designtest::CaptureControl(f->test);
    expected_ = designtest::CaptureSample(f->back, [f](vcl::TForm* host) {
      auto* back = new TZYLFill(host);
      back->FillObject()->Assign(f->back->FillObject());
      return back;
    });
  });
  TZYLTransparent transparent;
  ASSERT_TRUE(TZYLTransparentEditorDlg::Edit(&transparent));
  // The picture stands centred; its white ground shows the gradient, its shapes stay.
  const int left = (after_.Width - picture.Width()) / 2,
            top = (after_.Height - picture.Height()) / 2;
  const win::COLORREF ground = win::RGB(255, 255, 255);
  auto picturePixel = [&](int x, int y) -> win::COLORREF {
    // A bitmap's pixel colour is a COLORREF already.
    return static_cast<win::COLORREF>(picture.Canvas()->Pixels(x - left, y - top));
  };
  const win::RECT area{left, top, left + picture.Width(), top + picture.Height()};
  EXPECT_TRUE(wt::PixelsMatch(before_, picturePixel, "transparent_editor_opaque", area));
  EXPECT_TRUE(wt::PixelsMatch(
      after_,
      [&](int x, int y) {
        const win::COLORREF own = picturePixel(x, y);
        return own == ground ? expected_.Color(x, y) : own;
      },
      "transparent_editor_restore_back", area));
}

TEST_F(SettingsEditorPreviews, TheButtonPreviewShowsTheArrowAndTheTextBelowTheGlyph) {
  Answer<TZYLButtonLayoutEditorDlg>([&](TZYLButtonLayoutEditorDlg* f) {
    before_ = designtest::CaptureControl(f->test);
    designtest::ChooseComboItem(f->cmb2, "taBottom");
    designtest::ShowPage(f->nb, "Arrow");
    vt::ClickControl(f->chk);
    after_ = designtest::CaptureControl(f->test);
    expected_ = designtest::CaptureSample(f->test, [f](vcl::TForm* host) {
      auto* b = new TZYLSpeedButton(host);
      b->SetCaption("Test-Caption");
      b->SetGlyph(f->test->GetGlyph());
      b->Layout()->SetAlignText2Glyph(taBottom);
      b->Layout()->SetArrow(true);
      return b;
    });
  });
  TZYLButtonLayout layout;
  layout.SetAlignment(agCenter);
  ASSERT_TRUE(TZYLButtonLayoutEditorDlg::Edit(&layout));
  EXPECT_GT(wt::CountDifferentPixels(before_, after_), 0);
  EXPECT_TRUE(wt::SamePixels(after_, expected_, "button_layout_editor_preview"));
}

TEST_F(SettingsEditorPreviews, TheFillPreviewAndTheBrushSampleFollowTheWorkingCopy) {
  wt::TCapture brush;
  Answer<TZYLFillEditorDlg>([&](TZYLFillEditorDlg* f) {
    before_ = designtest::CaptureControl(f->test);
    designtest::ChooseComboItem(f->cmbStyle, "sfGradient");
    after_ = designtest::CaptureControl(f->test);
    expected_ = designtest::CaptureSample(f->test, [](vcl::TForm* host) {
      auto* fill = new TZYLFill(host);
      fill->Bevel()->SetMode(bmStandard);
      fill->FillObject()->SetFillStyle(sfGradient);
      return fill;
    });
    designtest::ShowPage(f->nb, "Brush");
    vt::ClickControl(f->btnbrush);  // the brush editor answers next
    brush = designtest::CaptureControl(f->btest);
  });
  designtest::AnswerEditor(
      script_,
      [](vcl::TCustomForm* f) {
        designtest::ChooseComboItem(designtest::On<vcl::TWinControl>(f, "cmbc"), "clOlive");
      },
      TEnding::Ok);
  TZYLFillObject fill;
  ASSERT_TRUE(TZYLFillEditorDlg::EditFillObject(&fill));
  EXPECT_GT(wt::CountDifferentPixels(before_, after_), 0);
  EXPECT_TRUE(wt::SamePixels(after_, expected_, "fill_editor_preview"));
  // Inside its bevel the brush sample is olive throughout.
  EXPECT_TRUE(wt::PixelsMatch(brush, [](int, int) { return win::RGB(0x80, 0x80, 0); },
                              "fill_editor_brush_sample",
                              {4, 4, brush.Width - 4, brush.Height - 4}));
  EXPECT_EQ(fill.Brush()->Color(), vcl::clOlive);
}

}  // namespace
}  // namespace zyl
