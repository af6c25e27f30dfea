// Image-list streams: an image-list item's data read on its own (the size as the container
// gives it), and an image list's container stream; the images read are then drawn.
#include <memory>

#include "foundation/ZYLCont.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Expect([&] {
    vcl::TStringStream in(fuzz::Bytes(data, size));
    zyl::TZYLImageListItem item;
    item.ReadData(&in, static_cast<int64_t>(size));
    vcl::TBitmap target;
    target.SetSize(40, 40);
    const int count = item.GetCount();
    for (int i = 0; i < count && i < 4; ++i)
      item.DrawExt(target.Canvas(), win::Rect(0, 0, 40, 40), 0, i);
  });
  fuzz::Expect([&] {
    vcl::TStringStream in(fuzz::Bytes(data, size));
    zyl::TZYLImageList list;
    list.LoadFromStream(&in);
    vcl::TBitmap image;
    if (list.GetCount() > 0) list.GetBitmapItem(0, 0, &image);
  });
  return 0;
}
