// formconv: converts a form file between the binary and the text form.
//
//   formconv [--bare] <in> [<out>]
//
// A binary form (a "TPF0" stream, or a form file with the IDE's resource header in front)
// becomes text; anything else is read as text and becomes a binary form file with the
// resource header (the resource named after the root's class in upper case, as the IDE names
// it, so a binary form file converted to text and back is the same bytes), or the bare "TPF0"
// stream that resources hold with --bare. Without <out>
// the result goes beside the input, with the extension ".txt" for text and ".dfm" for
// binary. Exit codes: 0 done, 1 conversion or file error, 2 usage.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"

namespace {

std::string WithExtension(const std::string& path, const std::string& ext) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
      dot == (slash == std::string::npos ? 0 : slash + 1))
    return path + ext;
  return path.substr(0, dot) + ext;
}

std::string ReadFile(const std::string& path) {
  vcl::TFileStream file(path, vcl::fmOpenRead | vcl::fmShareDenyWrite);
  if (file.Size() > INT32_MAX) throw vcl::EReadError("File too large for a form");
  std::string bytes(static_cast<size_t>(file.Size()), '\0');
  if (!bytes.empty()) file.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  vcl::TFileStream file(path, vcl::fmCreate);
  if (!bytes.empty()) file.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const bool bare = !args.empty() && args[0] == "--bare";
  if (bare) args.erase(args.begin());
  if (args.empty() || args.size() > 2 || args[0].empty() || args[0][0] == '-') {
    std::fprintf(stderr,
                 "usage: formconv [--bare] <in> [<out>]\n"
                 "  converts a binary form to text, or text to a binary form file\n"
                 "  (--bare: the TPF0 stream without the resource header)\n");
    return 2;
  }
  const std::string in = args[0];
  try {
    const std::string input = ReadFile(in);
    const bool binary = vcl::TestStreamFormatString(input) == vcl::sofBinary;
    const std::string out =
        args.size() == 2 ? args[1] : WithExtension(in, binary ? ".txt" : ".dfm");
    if (out == in) {
      std::fprintf(stderr, "formconv: %s: the output would replace the input\n", in.c_str());
      return 1;
    }
    std::string output;
    if (binary) {
      output = vcl::ObjectBinaryToTextString(input);
    } else {
      output = vcl::ObjectTextToBinaryString(input);
      if (!bare) output = vcl::BinaryFormFile(output);
    }
    WriteFile(out, output);
    return 0;
  } catch (const vcl::Exception& e) {
    std::fprintf(stderr, "formconv: %s: %s: %s\n", in.c_str(), e.ClassName(), e.Message().c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "formconv: %s: %s\n", in.c_str(), e.what());
  }
  return 1;
}
