// The buffer stream, read into a last-in first-out buffer whose entries are the size the
// first byte gives; what loads must save and load again to the same bytes.
#include <cstdlib>

#include "foundation/ZYLBuffer.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  zyl::TZYLDynLIFOBuffer buffer;
  buffer.SetItemSize(data[0] % 17);
  fuzz::Expect([&] {
    vcl::TStringStream in(fuzz::Bytes(data + 1, size - 1));
    buffer.LoadFromStream(&in);
    vcl::TStringStream saved;
    buffer.SaveToStream(&saved);
    zyl::TZYLDynLIFOBuffer copy;
    copy.SetItemSize(buffer.ItemSize());
    saved.SetPosition(0);
    copy.LoadFromStream(&saved);
    if (copy.Count() != buffer.Count()) std::abort();
  });
  return 0;
}
