// AVI clips: read, and every frame (up to a few) drawn; a clip that reads must draw.
#include "fuzz/FuzzSupport.h"
#include "platform/graphics/AviReader.h"
#include "platform/graphics/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Expect([&] {
    const vcl::TAviClip clip = vcl::TAviClip::Read(fuzz::Bytes(data, size));
    vcl::TBitmap target;
    for (int i = 0; i < clip.FrameCount() && i < 4; ++i) clip.DrawFrame(i, &target);
  });
  return 0;
}
