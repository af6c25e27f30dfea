// Binary form streams: converted to text (and, when that works, the text back to binary), and
// read into a form.
#include "fuzz/FormFuzz.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/ObjectText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes = fuzz::Bytes(data, size);
  fuzz::Expect([&] { vcl::ObjectTextToBinaryString(vcl::ObjectBinaryToTextString(bytes)); });
  fuzz::ReadIntoForm(bytes);
  return 0;
}
