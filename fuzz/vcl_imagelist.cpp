// The framework's image-list stream (a form's Bitmap property of an image list): read into a
// list, each image drawn, then written back; the written stream must read to the same images
// and be written again unchanged.
#include <cstdlib>
#include <cstring>

#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"
#include "platform/controls/ImgList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Expect([&] {
    vcl::TStringStream in(fuzz::Bytes(data, size));
    vcl::TImageList list(nullptr);
    list.ReadData(&in);
    vcl::TBitmap target;
    target.SetSize(40, 40);
    for (int i = 0; i < list.Count() && i < 4; ++i) {
      list.Draw(target.Canvas(), 0, 0, i, vcl::dsSelected, vcl::itImage, i % 2 == 0);
      list.Draw(target.Canvas(), 0, 0, i, vcl::dsNormal, vcl::itMask);
    }
    vcl::TMemoryStream out;
    list.WriteData(&out);
    out.SetPosition(0);
    vcl::TImageList again(nullptr);
    again.ReadData(&out);
    if (again.Count() != list.Count() || again.Width() != list.Width() ||
        again.Height() != list.Height())
      std::abort();
    for (int i = 0; i < list.Count(); ++i)
      for (int y = 0; y < list.Height(); y += 7)
        for (int x = 0; x < list.Width(); x += 7)
          if (again.Pixel(i, x, y) != list.Pixel(i, x, y) ||
              again.Transparent(i, x, y) != list.Transparent(i, x, y))
            std::abort();
    // What was written once is written again byte for byte.
    vcl::TMemoryStream twice;
    again.WriteData(&twice);
    if (twice.Size() != out.Size() ||
        std::memcmp(twice.Memory(), out.Memory(), static_cast<size_t>(out.Size())) != 0)
      std::abort();
  });
  return 0;
}
