// Shared pieces of the fuzz entry points: the input as a string or a memory stream, a scratch
// folder for readers that only take files, and the rule every entry point follows: bad input
// may raise an exception of the framework's family (vcl::Exception), anything else escaping
// (a crash, std::bad_alloc, a standard-library exception) is a fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/base/Exceptions.h"

namespace fuzz {

inline std::string Bytes(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// A folder of this process under the system's temporary folder ($ZYL_TEST_TMP when set),
// created on first use and emptied of nothing: callers overwrite their own files.
const std::string& ScratchFolder();
// Writes the bytes to `name` in the scratch folder and answers the full path.
std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size);

// Runs f; an exception of the framework's family is the reader's answer to bad input.
template <class F>
void Expect(F&& f) {
  try {
    f();
  } catch (const vcl::Exception&) {
  }
}

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
