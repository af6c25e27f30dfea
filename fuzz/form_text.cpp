// Text form streams: converted to binary, and what converts must come back the same through
// binary to text to binary; then read into a form.
#include <cstdlib>

#include "fuzz/FormFuzz.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/ObjectText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = fuzz::Bytes(data, size);
  fuzz::Expect([&] {
    const std::string binary = vcl::ObjectTextToBinaryString(text);
    const std::string again = vcl::ObjectTextToBinaryString(vcl::ObjectBinaryToTextString(binary));
    if (again != binary) std::abort();
  });
  fuzz::ReadIntoForm(text);
  return 0;
}
