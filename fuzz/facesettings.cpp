// The face controller's settings stream, as it comes and with its checksum made right (so that
// the payload is read, not only the header).
#include <zlib.h>

#include "foundation/ZYLFaceController.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"

namespace {

void Load(const std::string& bytes) {
  zyl::TZYLFaceController controller(nullptr);
  fuzz::Expect([&] {
    vcl::TStringStream in(bytes);
    controller.LoadFromStream(&in);
    vcl::TStringStream saved;
    controller.SaveToStream(&saved);
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = (zyl::ZYLFaceControllerUnit.Init(), true);
  (void)ready;
  std::string bytes = fuzz::Bytes(data, size);
  Load(bytes);
  // Header: signature (8), version, count, payload length (uint32 at 10), CRC-32 (uint32 at 14).
  constexpr size_t kHeader = 18;
  if (bytes.size() >= kHeader) {
    const auto* payload = reinterpret_cast<const Bytef*>(bytes.data() + kHeader);
    const uint32_t crc = static_cast<uint32_t>(crc32(0L, payload, uInt(bytes.size() - kHeader)));
    for (int i = 0; i < 4; ++i) bytes[14 + i] = static_cast<char>(crc >> (8 * i));
    Load(bytes);
  }
  return 0;
}
