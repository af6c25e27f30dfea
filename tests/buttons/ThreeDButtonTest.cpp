// The 3D-effect button: the picture of each state, the mask letting the parent through, the
// plain face where a picture is missing, and bad pictures refused without leaks or change.
#include <gtest/gtest.h>

#include <memory>

#include "buttons/ZYL3DButton.h"
#include "platform/base/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "tests/buttons/ButtonsTestHost.h"

namespace zyl {
namespace {

using buttontest::THost;
namespace tk = win::testkit;

// A W x H bitmap of one colour.
vcl::TBitmap* Plain(int W, int H, vcl::TColor Colour) {
  auto* b = new vcl::TBitmap();
  b->SetSize(W, H);
  b->Canvas()->Brush()->SetColor(Colour);
  b->Canvas()->FillRect(vcl::TRect{0, 0, W, H});
  return b;
}

// A mask hiding (white) the left half, showing (black) the right half.
vcl::TBitmap* HalfMask(int W, int H) {
  vcl::TBitmap* m = Plain(W, H, vcl::clBlack);
  m->Canvas()->Brush()->SetColor(vcl::clWhite);
  m->Canvas()->FillRect(vcl::TRect{0, 0, W / 2, H});
  return m;
}

win::COLORREF Rgb(vcl::TColor c) { return win::COLORREF(vcl::ColorToRGB(c)); }

class ThreeDButtonTest : public ::testing::Test {
 protected:
  ThreeDButtonTest() {
    button_ = new TZYL3DEffectButton(host_.Form());
    button_->SetBounds(10, 10, 40, 20);
    button_->SetParent(host_.Panel());
    tk::MouseMove(300, 200);
  }
  win::COLORREF At(int X, int Y) { return host_.Shot(button_).Color(X, Y); }
  THost host_;
  TZYL3DEffectButton* button_ = nullptr;
};

TEST_F(ThreeDButtonTest, EachStateShowsItsPictureThroughItsMask) {
  button_->Set3DPics(Plain(40, 20, vcl::clRed), Plain(40, 20, vcl::clLime),
                     Plain(40, 20, vcl::clBlue), HalfMask(40, 20), nullptr, nullptr);
  EXPECT_EQ(At(5, 10), Rgb(buttontest::PanelColor));  // masked out: the parent shows
  EXPECT_EQ(At(35, 10), Rgb(vcl::clRed));
  const win::POINT p = THost::At(button_, 30, 10);
  tk::MouseMove(p.X, p.Y);
  EXPECT_EQ(At(5, 10), Rgb(vcl::clLime));
  tk::MouseDown(p.X, p.Y);
  EXPECT_EQ(At(5, 10), Rgb(vcl::clBlue));
  tk::MouseUp(p.X, p.Y);
}

TEST_F(ThreeDButtonTest, MissingPictureKeepsThePlainFace) {
  const tk::TCapture plain = host_.Shot(button_);
  button_->Set3DPics(nullptr, Plain(40, 20, vcl::clLime), nullptr, nullptr, nullptr, nullptr);
  EXPECT_TRUE(tk::SamePixels(host_.Shot(button_), plain, "plain_3d_face"));
}

struct BadPics {
  const char* Name;
  bool Twice;      // the same bitmap as picture 1 and 2
  bool MaskAlone;  // mask 3 without picture 3
  bool WrongSize;  // mask 1 smaller than picture 1
};

class ThreeDButtonBad : public ThreeDButtonTest, public ::testing::WithParamInterface<BadPics> {};

TEST_P(ThreeDButtonBad, AreRefusedAndTheOldPicturesKept) {
  button_->Set3DPics(Plain(40, 20, vcl::clRed), nullptr, nullptr, nullptr, nullptr, nullptr);
  const BadPics& c = GetParam();
  vcl::TBitmap* one = Plain(40, 20, vcl::clLime);
  vcl::TBitmap* two = c.Twice ? one : nullptr;
  vcl::TBitmap* mask1 = c.WrongSize ? Plain(10, 10, vcl::clBlack) : nullptr;
  vcl::TBitmap* mask3 = c.MaskAlone ? Plain(40, 20, vcl::clBlack) : nullptr;
  EXPECT_THROW(button_->Set3DPics(one, two, nullptr, mask1, nullptr, mask3),
               vcl::EInvalidOperation);
  EXPECT_EQ(At(20, 10), Rgb(vcl::clRed));
  EXPECT_EQ(button_->Mask(0), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, ThreeDButtonBad,
                         ::testing::Values(BadPics{"twice", true, false, false},
                                           BadPics{"mask_alone", false, true, false},
                                           BadPics{"wrong_size", false, false, true}),
                         [](const auto& i) { return std::string(i.param.Name); });

}  // namespace
}  // namespace zyl
