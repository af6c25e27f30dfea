// The N-image: its own picture or another N-image's, sizing, the transparency modes, effects,
// repaints and streaming.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "display/ZYLNImage.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "tests/display/ImageTestSupport.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::ExpectPixels;
using filltest::TPicturePanel;
using vcl::TRect;

class TCountingNImage : public TZYLNImage {
  ZYL_CLASS(TCountingNImage, TZYLNImage)
  explicit TCountingNImage(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
};
ZYL_CLASS_IMPL(TCountingNImage) {}

// A W x H picture in Fill with a Mark square in the middle and a bottom-left Corner pixel row.
std::unique_ptr<vcl::TBitmap> Picture(int W, int H, vcl::TColor Fill, vcl::TColor Mark) {
  auto b = filltest::Plain(W, H, Fill);
  b->Canvas()->Brush()->SetColor(Mark);
  b->Canvas()->FillRect(TRect{W / 4, H / 4, W - W / 4, H - H / 4});
  return b;
}

class NImageTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  static void Idle() { filltest::THostSession::Idle(); }
  static win::testkit::TCapture Capture(TPicturePanel* p) {
    return filltest::THostSession::Capture(p);
  }
  static vcl::TColor Back(TPicturePanel* p, int x, int y) {
    return filltest::RGBOf(p->Back->Canvas()->Pixels(x, y));
  }
  // An N-image of the given bounds on a fresh host's panel, not yet shown.
  template <class T = TZYLNImage>
  T* Put(int X, int Y, int W, int H) {
    if (!form_) form_.reset(host_.MakeHost(panel_));
    auto* img = new T(form_.get());
    img->SetBounds(X, Y, W, H);
    img->SetParent(panel_);
    return img;
  }
  // The panel once everything is painted (the form shown first).
  win::testkit::TCapture Shot() {
    form_->Show();
    Idle();
    return Capture(panel_);
  }
  std::unique_ptr<vcl::TForm> form_;
  TPicturePanel* panel_ = nullptr;
};

TEST_F(NImageTest, OwnedObjects) {
  TZYLNImage img(nullptr);
  EXPECT_TRUE(img.GetEmpty());
  // Assigning copies into the owned objects.
  auto pic = Picture(8, 6, vcl::clRed, vcl::clBlue);
  img.SetBitmap(pic.get());
  EXPECT_NE(img.Bitmap(), pic.get());
  EXPECT_EQ(img.Bitmap()->Width(), 8);
  EXPECT_FALSE(img.GetEmpty());
  TZYLTransparent t;
  t.SetStyle(tpRBTranspColor);
  t.SetColor(vcl::clRed);
  img.SetTransparentStyle(&t);
  EXPECT_EQ(img.TransparentStyle()->Mode(), tpRBTranspColor);
  EXPECT_EQ(img.TransparentStyle()->Color(), vcl::clRed);
  img.SetTransparentStyle(nullptr);  // nothing to copy
  EXPECT_EQ(img.TransparentStyle()->Mode(), tpRBTranspColor);
  // Painted as a copy the control is never empty.
  TZYLNImage blank(nullptr);
  blank.SetControlState(blank.ControlState() + vcl::csPaintCopy);
  EXPECT_FALSE(blank.GetEmpty());
}

TEST_F(NImageTest, ControlIsOneLevelAndForgottenWhenFreed) {
  std::unique_ptr<vcl::TComponent> owner(new vcl::TComponent(nullptr));
  auto* a = new TZYLNImage(owner.get());
  auto* b = new TZYLNImage(owner.get());
  auto* c = new TZYLNImage(owner.get());
  auto pa = Picture(4, 4, vcl::clRed, vcl::clRed);
  auto pb = Picture(5, 5, vcl::clLime, vcl::clLime);
  auto pc = Picture(6, 6, vcl::clBlue, vcl::clBlue);
  a->SetBitmap(pa.get());
  b->SetBitmap(pb.get());
  c->SetBitmap(pc.get());
  a->SetControl(a);  // itself: refused
  EXPECT_EQ(a->Control(), nullptr);
  a->SetControl(b);
  b->SetControl(c);
  EXPECT_TRUE(a->HasControl());
  // a shows b's own picture, not the one b shows.
  EXPECT_EQ(a->GetBitmap(nullptr), b->Bitmap());
  EXPECT_EQ(b->GetBitmap(nullptr), c->Bitmap());
  // A cycle cannot loop either.
  c->SetControl(a);
  EXPECT_EQ(c->GetBitmap(nullptr), a->Bitmap());
  EXPECT_EQ(a->GetBitmap(nullptr), b->Bitmap());
  // An empty named picture makes the control empty, whatever its own.
  TZYLNImage empty(nullptr);
  a->SetControl(&empty);
  EXPECT_TRUE(a->GetEmpty());
  a->SetControl(b);
  EXPECT_FALSE(a->GetEmpty());

  delete b;
  EXPECT_EQ(a->Control(), nullptr);
  EXPECT_EQ(a->GetBitmap(nullptr), a->Bitmap());
  delete c;  // a named it nowhere; c named a: a outlives it
  EXPECT_EQ(a->GetBitmap(nullptr)->Width(), 4);
}

TEST_F(NImageTest, ControlPictureIsPaintedAndFreeingItRepaintsOwn) {
  auto* source = Put(100, 80, 10, 10);
  auto pic = Picture(10, 10, vcl::clLime, vcl::clLime);
  source->SetBitmap(pic.get());
  source->SetVisible(false);
  auto* img = Put(20, 20, 10, 10);
  auto own = Picture(10, 10, vcl::clRed, vcl::clRed);
  img->SetBitmap(own.get());
  img->SetControl(source);
  EXPECT_EQ(At(Shot(), 25, 25), vcl::clLime);
  delete source;
  EXPECT_EQ(At(Shot(), 25, 25), vcl::clRed);
}

TEST_F(NImageTest, AutosizeTakesPictureSizePlusBevel) {
  TZYLNImage img(nullptr);
  img.SetBounds(3, 4, 50, 50);
  img.Bevel()->SetBorderWidth(2);
  img.SetStyle(sbAutosize);
  EXPECT_TRUE(img.CorrectBounds());
  EXPECT_EQ(img.Width(), 24);  // empty: 20 + 2 * 2
  EXPECT_EQ(img.Height(), 24);
  auto pic = Picture(32, 24, vcl::clRed, vcl::clBlue);
  img.SetBitmap(pic.get());
  EXPECT_TRUE(img.CorrectBounds());
  EXPECT_EQ(img.Width(), 36);
  EXPECT_EQ(img.Height(), 28);
  EXPECT_EQ(img.Left(), 3);
  EXPECT_EQ(img.Top(), 4);
  EXPECT_FALSE(img.CorrectBounds());
  img.SetStyle(sbStretch);
  EXPECT_FALSE(img.CorrectBounds());
}

TEST_F(NImageTest, TransparencyModes) {
  // Lime with a blue middle: the picture reports lime (bottom-left) as its transparent colour.
  auto pic = Picture(20, 20, vcl::clLime, vcl::clBlue);
  auto* img = Put(40, 30, 20, 20);
  img->SetBitmap(pic.get());
  auto back = [&](int x, int y) { return std::tuple{x, y, Back(panel_, x, y)}; };
  // tpNone: a plain copy.
  ExpectPixels(Shot(), {{41, 31, vcl::clLime}, {50, 40, vcl::clBlue}});
  img->TransparentStyle()->SetStyle(tpRestoreBack);
  ExpectPixels(Shot(), {back(41, 31), back(58, 48), {50, 40, vcl::clBlue}});
  // The style's colour instead of the picture's.
  img->TransparentStyle()->SetColor(vcl::clBlue);
  img->TransparentStyle()->SetStyle(tpRBTranspColor);
  ExpectPixels(Shot(), {{41, 31, vcl::clLime}, back(50, 40)});
  // Brush copy over the parent: the see-through colour shows the parent too...
  img->TransparentStyle()->SetStyle(tpTransparentColor);
  ExpectPixels(Shot(), {{41, 31, vcl::clLime}, back(50, 40)});
  // ...and the control's colour when it is opaque.
  img->SetParentColor(false);
  img->SetColor(vcl::clYellow);
  img->SetTransparent(false);
  ExpectPixels(Shot(), {{41, 31, vcl::clLime}, {50, 40, vcl::clYellow}});
}

TEST_F(NImageTest, EffectsApplyToTheShownPictureOnly) {
  auto pic = filltest::Plain(10, 10, vcl::clRed);
  pic->Canvas()->Brush()->SetColor(vcl::clBlue);
  pic->Canvas()->FillRect(TRect{5, 0, 10, 10});  // red left, blue right
  auto* img = Put(10, 10, 10, 10);
  img->SetBitmap(pic.get());
  img->BackFX()->SetBoolean(0, true);  // flip horizontally
  ExpectPixels(Shot(), {{11, 15, vcl::clBlue}, {18, 15, vcl::clRed}});
  EXPECT_EQ(img->Bitmap()->Canvas()->Pixels(1, 5), vcl::clRed);  // the own picture is kept
}

TEST_F(NImageTest, OneRepaintPerChange) {
  auto* img = Put<TCountingNImage>(10, 10, 30, 30);
  img->SetTransparent(false);
  Shot();
  auto pic = Picture(8, 8, vcl::clRed, vcl::clBlue);
  TZYLNImage other(nullptr);
  const std::function<void()> changes[] = {[&] { img->SetBitmap(pic.get()); },
                                           [&] { img->TransparentStyle()->SetStyle(tpRestoreBack); },
                                           [&] { img->SetStyle(sbTile); },
                                           [&] { img->BackFX()->SetBoolean(2, true); },
                                           [&] { img->Bevel()->SetBorderWidth(1); },
                                           [&] { img->SetControl(&other); }};
  for (size_t i = 0; i < std::size(changes); ++i) {
    const int before = img->Paints;
    changes[i]();
    Idle();
    EXPECT_EQ(img->Paints, before + 1) << "change " << i;
  }
  const int before = img->Paints;
  img->SetControl(&other);  // unchanged
  img->SetControl(img);     // refused
  Idle();
  EXPECT_EQ(img->Paints, before);
  img->SetControl(nullptr);
}

TEST_F(NImageTest, StreamRoundTripWithPictureAndControl) {
  std::unique_ptr<vcl::TComponent> owner(new vcl::TComponent(nullptr));
  auto* a = new TZYLNImage(owner.get());
  a->SetName("First");
  auto* b = new TZYLNImage(owner.get());
  b->SetName("Second");
  auto pic = Picture(6, 4, vcl::clRed, vcl::clBlue);
  a->SetBitmap(pic.get());
  a->SetControl(b);
  a->SetStyle(sbCenter);
  a->TransparentStyle()->SetStyle(tpRestoreBack);
  a->SetQuickDraw(false);
  const std::string text = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(a));
  for (const char* want : {"Bitmap.Data = {", "Control = Second", "Style = sbCenter",
                           "TransparentStyle.Mode = tpRestoreBack", "QuickDraw = False"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  for (const char* absent : {"About", "Transparent", "TransparentStyle.Color", "Visible", "Align"})
    EXPECT_EQ(text.find(std::string("  ") + absent + " = "), std::string::npos) << absent;
  // An empty picture is not written.
  const std::string plain = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(b));
  EXPECT_EQ(plain.find("Bitmap.Data"), std::string::npos) << plain;

  ZYLNImageUnit.Init();
  EXPECT_EQ(vcl::GetClass("TZYLNImage"), TZYLNImage::StaticClass());
  TZYLNImage c(nullptr);
  vcl::ReadComponentFromBytes(vcl::WriteComponentToBytes(a), &c);
  ZYLNImageUnit.FInit();
  EXPECT_EQ(vcl::GetClass("TZYLNImage"), nullptr);
  EXPECT_EQ(c.Bitmap()->Width(), 6);
  EXPECT_EQ(c.Bitmap()->Height(), 4);
  ExpectPixels(c.Bitmap(), {{3, 2, vcl::clBlue}, {0, 0, vcl::clRed}});
  c.SetControl(b);
  EXPECT_EQ(vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(&c)), text);
}

}  // namespace
}  // namespace zyl
