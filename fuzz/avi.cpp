// AVI clips: read, and every frame (up to a few) drawn; a clip that reads must draw. Frames are
// drawn up to one raster of the largest size the bitmap decoder takes, so that a run's work stays
// bounded by that limit (a clip of tiny chunks may declare frames of that size).
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "platform/graphics/AviReader.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Expect([&] {
    const vcl::TAviClip clip = vcl::TAviClip::Read(fuzz::Bytes(data, size));
    vcl::TBitmap target;
    const int64_t pixels = int64_t(clip.Width()) * clip.Height();
    const int64_t frames = pixels > 0 ? vcl::bmp::kMaxPixels / pixels : 0;
    for (int i = 0; i < clip.FrameCount() && i < 4 && (i == 0 || i < frames); ++i)
      clip.DrawFrame(i, &target);
  });
  return 0;
}
