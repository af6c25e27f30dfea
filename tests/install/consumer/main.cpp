// Uses one routine of the library and one class of the platform through the installed headers
// and libraries; answers 0 when both give back what they were given.
#include <cstdio>
#include <string>
#include <vector>

#include "foundation/ZYLCompress.h"
#include "platform/classes/StringList.h"

int main() {
  const std::string text = "installed, found, linked, run; installed, found, linked, run";
  const std::vector<uint8_t> packed = zyl::ZYLCompressBytes(text.data(), text.size());
  const std::vector<uint8_t> unpacked = zyl::ZYLDecompressBytes(packed.data(), packed.size());
  vcl::TStringList list;
  list.SetCommaText("a,b,c");
  const bool ok = std::string(unpacked.begin(), unpacked.end()) == text && list.Count() == 3;
  std::printf("%s\n", ok ? "consumer ok" : "consumer FAILED");
  return ok ? 0 : 1;
}
