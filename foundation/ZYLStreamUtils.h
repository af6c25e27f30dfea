// Stream routines of the library: strings to and from streams without a length prefix, and
// the block-compressed stream (layout in ZYLCompress.cpp).
#pragma once

#include <cstdint>
#include <string>

namespace vcl {
class TStream;
}

namespace zyl {

// Writes the characters of S at the stream's position, without a length prefix.
void ZYLStringToStream(const std::string& S, vcl::TStream* Stream);
// Reads Count characters from the stream's position; fewer when the stream ends first, none
// for a Count of 0 or less.
std::string ZYLStreamToString(vcl::TStream* Stream, int32_t Count);

// Compresses Count bytes from Source's position (all the rest for a negative Count) into Dest
// as a block-compressed stream; raises EReadError when Source holds fewer bytes and
// EZYLCompressError for more than ZYLMaxExpandedSize bytes.
void ZYLCompressStream(vcl::TStream* Source, vcl::TStream* Dest, int64_t Count = -1);
// Reads one block-compressed stream from Source's position and writes the bytes to Dest;
// returns their number. Damaged or truncated input, or a total beyond ZYLMaxExpandedSize
// (checked before anything is decoded), raises EZYLCompressError; Source is then
// left somewhere inside the compressed stream and Dest may hold a part of the bytes.
int64_t ZYLDecompressStream(vcl::TStream* Source, vcl::TStream* Dest);

}  // namespace zyl
