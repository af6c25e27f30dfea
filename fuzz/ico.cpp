// Icon files: loading every image of the file and drawing the icon.
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Icon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Expect([&] {
    vcl::TStringStream in(fuzz::Bytes(data, size));
    vcl::TIcon icon;
    icon.LoadFromStream(&in);
    vcl::TBitmap target;
    target.SetWidth(32);
    target.SetHeight(32);
    target.Canvas()->Draw(0, 0, &icon);
  });
  return 0;
}
