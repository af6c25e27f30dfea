// The block-compressed layout: as a byte buffer, as a stream, and one block on its own. What
// decodes must encode and decode back to the same bytes.
#include <cstdlib>

#include "foundation/ZYLCompress.h"
#include "foundation/ZYLStreamUtils.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Expect([&] {
    const std::vector<uint8_t> plain = zyl::ZYLDecompressBytes(data, size);
    const std::vector<uint8_t> again = zyl::ZYLCompressBytes(plain.data(), plain.size());
    if (zyl::ZYLDecompressBytes(again.data(), again.size()) != plain) std::abort();
  });
  fuzz::Expect([&] {
    vcl::TStringStream source(fuzz::Bytes(data, size));
    vcl::TMemoryStream dest;
    zyl::ZYLDecompressStream(&source, &dest);
  });
  // One block: the first two bytes give the size it must decode to.
  if (size >= 2) {
    const size_t destSize =
        (size_t(data[0]) | size_t(data[1]) << 8) % (zyl::ZYLCompressBlockSize + 1);
    std::vector<uint8_t> dest(destSize);
    fuzz::Expect([&] { zyl::ZYLDecompressBlock(data + 2, size - 2, dest.data(), destSize); });
  }
  return 0;
}
