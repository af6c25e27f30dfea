// BMP files and packed device-independent bitmaps: the codec alone, and a bitmap loading the
// file (which builds the picture from what the codec read).
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Expect([&] { vcl::bmp::ReadBmpFile(data, size); });
  fuzz::Expect([&] { vcl::bmp::ReadPackedDib(data, size); });
  fuzz::Expect([&] {
    size_t maskOffset = 0;
    vcl::bmp::ReadPackedDib(data, size, true, &maskOffset);
  });
  fuzz::Expect([&] {
    vcl::TStringStream in(fuzz::Bytes(data, size));
    vcl::TBitmap bitmap;
    bitmap.LoadFromStream(&in);
  });
  return 0;
}
