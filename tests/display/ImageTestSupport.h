// Shared pieces of the picture-control tests: image lists of plainly coloured frames and a
// pixel counter over a capture.
#pragma once

#include <memory>

#include "foundation/IntfZYLBackground.h"
#include "foundation/ZYLCont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/display/FillTestHost.h"

namespace imagetest {

// Eight clearly different colours, frame i of a strip has colour FrameColor(i).
inline vcl::TColor FrameColor(int i) {
  static const vcl::TColor colours[] = {vcl::clRed,     vcl::clLime,  vcl::clBlue,
                                        vcl::clYellow,  vcl::clFuchsia, vcl::clAqua,
                                        vcl::clMaroon,  vcl::clNavy};
  return colours[i % 8];
}

// An image list with one entry of Count frames of W x H, frame i plain FrameColor(i).
inline zyl::TZYLImageList* MakeFrames(vcl::TComponent* Owner, int Count, int W = 4, int H = 4) {
  auto* list = new zyl::TZYLImageList(Owner);
  auto* item = list->GetArrayItem(list->Add());
  item->SetInteger(0, W);
  item->SetInteger(1, H);
  for (int i = 0; i < Count; ++i) {
    auto b = filltest::Plain(W, H, FrameColor(i));
    item->Add(b.get(), nullptr);
  }
  return list;
}

// A windowed parent that paints a pattern and supplies it as the background of its children.
class TBackPanel : public vcl::TCustomControl, public zyl::IZYLBackground {
  ZYL_CLASS(TBackPanel, vcl::TCustomControl)
  explicit TBackPanel(vcl::TComponent* AOwner);
  std::unique_ptr<vcl::TBitmap> Bmp;

  vcl::TBitmap* BackBitmap() override { return Bmp.get(); }
  bool BackBitmapCheck() override { return Bmp != nullptr; }
  bool BackDrawArea(vcl::TCanvas*, const vcl::TRect&, const vcl::TPoint&, uint16_t) override {
    return false;
  }
  bool isTransparentSet() override { return false; }
  vcl::TPoint BackMapPoint(const vcl::TPoint& P) override { return P; }
  win::HPALETTE BackBitmapPalette() override { return nullptr; }
  void BackUpdate() override {}
  vcl::TControl* BackControl(int) override { return nullptr; }
  int BackControlCount() override { return 0; }

 protected:
  void Paint() override;
};

// A borderless W x H form at (0, 0) filled by a supplying panel with a pattern.
vcl::TForm* MakeBackHost(TBackPanel*& Panel, int W = 160, int H = 120);

// Pixels of R in the capture that differ from Expected(x, y).
template <class F>
int Mismatches(const win::testkit::TCapture& Cap, const vcl::TRect& R, F Expected) {
  int n = 0;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (filltest::At(Cap, x, y) != filltest::RGBOf(Expected(x, y))) ++n;
  return n;
}

}  // namespace imagetest
