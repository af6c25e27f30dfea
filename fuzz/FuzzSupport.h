// Shared pieces of the fuzz entry points: the input as a string or a memory stream, a scratch
// folder for readers that only take files, and the rule every entry point follows: bad input
// may raise an exception of the framework's family (vcl::Exception), anything else escaping
// (a crash, std::bad_alloc, a standard-library exception) is a fault.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/Exceptions.h"

namespace fuzz {

inline std::string Bytes(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The first `count` lines of the input (the last one takes the rest, missing ones are empty):
// one input feeds a reader several texts.
inline std::vector<std::string> Lines(const std::string& s, size_t count) {
  std::vector<std::string> lines;
  size_t from = 0;
  while (lines.size() + 1 < count) {
    const size_t cut = s.find('\n', from);
    if (cut == std::string::npos) break;
    lines.push_back(s.substr(from, cut - from));
    from = cut + 1;
  }
  lines.push_back(s.substr(std::min(from, s.size())));
  lines.resize(count);
  return lines;
}

// A folder of this process under the system's temporary folder ($ZYL_TEST_TMP when set),
// created on first use and emptied of nothing: callers overwrite their own files.
const std::string& ScratchFolder();
// Writes the bytes to `name` in the scratch folder and answers the full path.
std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size);

// Starts, once per run, a headless screen with the framework's controls registered and a
// clipboard of this process (in the scratch folder), kept for the whole run.
void StartClipboardSession();

// Reads the system's locale into the global format settings, once per run, so that an input
// starts from the same settings as every other.
void ReadLocaleOnce();

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
