// The 3D effect generator: the rings it grows around a shape on the raised, pressed and
// disabled pictures, the checkering helper, and what it leaves alone (no picture, an abort).
#include <gtest/gtest.h>

#include "design/pZYL3DEffectEditorDlg.h"
#include "display/ZYLProgress.h"
#include "foundation/ZYLCaption.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/DesignPixels.h"

namespace zyl {
namespace {

using designtest::Paint;
using designtest::Shows;

// Letters: . transparent (silver), R the shape, L light, S shadow, B bevel, D disabled.
const designtest::TPalette kPal = {{'.', vcl::clSilver}, {'R', vcl::clRed},   {'L', vcl::clYellow},
                                   {'S', vcl::clBlue},   {'B', vcl::clBlack}, {'D', vcl::clLime}};

struct TFaces {
  vcl::TBitmap src, up, down, dis;
  void Run(int width, TZYLProgress* progress = nullptr) {
    ZYLDrawButton3D(&src, &up, &down, &dis, vcl::clSilver, vcl::clYellow, vcl::clBlue, vcl::clLime,
                    vcl::clNone, vcl::clNone, vcl::clBlack, false, width, progress);
  }
};

TEST(ButtonFace3D, OnePixelGrowsLightShadowAndBevelRings) {
  TFaces f;
  Paint(f.src, {"R"}, kPal);
  f.Run(1);
  // First pass: light above and left, shadow at the far corners; second pass closes the ring
  // with the bevel colour. The pressed picture is shifted by one with the colours swapped.
  EXPECT_TRUE(Shows(f.up, {"BLS", "LRB", "SBB"}, kPal, "face3d_up_1"));
  EXPECT_TRUE(Shows(f.dis, {"BLS", "LRB", "SBB"}, kPal, "face3d_dis_1"));
  EXPECT_TRUE(Shows(f.down, {"...", ".BS", ".SR"}, kPal, "face3d_down_1"));
}

TEST(ButtonFace3D, WidthZeroKeepsTheSizeAndUsesNoLightOrShadow) {
  TFaces f;
  Paint(f.src, {"RR"}, kPal);
  f.Run(0);
  EXPECT_TRUE(Shows(f.up, {"RR"}, kPal, "face3d_up_0"));
  EXPECT_TRUE(Shows(f.dis, {"RD"}, kPal, "face3d_dis_0"));
  EXPECT_TRUE(Shows(f.down, {".."}, kPal, "face3d_down_0"));
}

TEST(ButtonFace3D, WidthAboveFiveIsCutToFive) {
  TFaces f;
  Paint(f.src, {"R.", ".R"}, kPal);
  f.Run(9);
  EXPECT_EQ(f.up.Width(), 2 + 2 * 5);
  EXPECT_EQ(f.down.Height(), 2 + 2 * 5);
  EXPECT_EQ(f.dis.Width(), 2 + 2 * 5);
}

TEST(ButtonFace3D, NoPictureLeavesTheFacesAlone) {
  TFaces f;
  Paint(f.up, {"RR"}, kPal);
  Paint(f.down, {"L"}, kPal);
  f.Run(2);
  EXPECT_TRUE(Shows(f.up, {"RR"}, kPal, "face3d_empty_up"));
  EXPECT_TRUE(Shows(f.down, {"L"}, kPal, "face3d_empty_down"));
  EXPECT_TRUE(f.dis.Empty());
  EXPECT_EQ(ZYL3DEffectTransparentColor(&f.src), vcl::clNone);
}

TEST(ButtonFace3D, AbortDuringARunLeavesTheFacesAlone) {
  win::testkit::TSession session;
  TFaces f;
  Paint(f.src, {"R.", "RR"}, kPal);
  Paint(f.up, {"L"}, kPal);
  TZYLProgress progress(nullptr);
  ZYLSet3DEffectAbort(true);
  f.Run(2, &progress);
  ZYLSet3DEffectAbort(false);
  EXPECT_TRUE(Shows(f.up, {"L"}, kPal, "face3d_abort_up"));
  EXPECT_TRUE(f.down.Empty());
  EXPECT_TRUE(f.dis.Empty());
  // The same run without the abort finishes and reports its progress.
  f.Run(2, &progress);
  EXPECT_EQ(f.up.Width(), 6);
  EXPECT_GT(progress.Position(), 90);
}

TEST(ButtonFace3D, TransparentColourIsTheBottomLeftPixel) {
  vcl::TBitmap bmp;
  Paint(bmp, {"RS", "LB"}, kPal);
  EXPECT_EQ(ZYL3DEffectTransparentColor(&bmp), vcl::clYellow);
}

TEST(ButtonFace3D, SemiTransparentCheckersTheKeyColourOnly) {
  vcl::TBitmap bmp;
  Paint(bmp, {"RRR", "RBR"}, kPal);
  EXPECT_TRUE(ZYLMakeBmpSemiTransparent(&bmp, vcl::clYellow, vcl::clRed, vcl::clBlue));
  EXPECT_TRUE(Shows(bmp, {"SLS", "LBL"}, kPal, "face3d_semi"));
}

int CountColour(vcl::TBitmap& bmp, vcl::TColor c) {
  int n = 0;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) n += bmp.Canvas()->Pixels(x, y) == c;
  return n;
}

TEST(ButtonFace3D, CaptionFaceStandsOnSilverAndFeedsTheGenerator) {
  win::testkit::TSession session;
  TZYLCaption caption;
  caption.SetCaption("Go");
  caption.Font()->SetColor(vcl::clRed);
  TFaces f;
  ZYLDrawCaptionFace(&caption, &f.src);
  ASSERT_FALSE(f.src.Empty());
  EXPECT_EQ(ZYL3DEffectTransparentColor(&f.src), vcl::clSilver);
  EXPECT_EQ(f.src.Canvas()->Pixels(f.src.Width() - 1, 0), vcl::clSilver);
  const int ink = CountColour(f.src, vcl::clRed);
  EXPECT_GT(ink, 0);
  f.Run(1);
  EXPECT_EQ(f.up.Width(), f.src.Width() + 2);
  // The text keeps its pixels on the raised face, and its bevel rings appear around it.
  EXPECT_GT(CountColour(f.up, vcl::clRed), 0);
  EXPECT_GT(CountColour(f.up, vcl::clBlack), 0);
  EXPECT_GT(CountColour(f.up, vcl::clYellow), 0);

  vcl::TBitmap two;
  caption.SetCaption("Go\nGo");
  caption.SetMultiLine(true);
  ZYLDrawCaptionFace(&caption, &two);
  EXPECT_GT(two.Height(), f.src.Height());
}

}  // namespace
}  // namespace zyl
