// The library's block compression: an LZ77 codec on byte buffers and the block-compressed
// stream layout built on it (see ZYLCompress.cpp for the byte formats).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/base/Exceptions.h"

namespace zyl {

// Raised for a compressed stream or block that is damaged, truncated or not one of ours.
using vcl::EStreamError;
using EZYLCompressError = vcl::TNamedException<"EZYLCompressError", EStreamError>;

// The largest number of source bytes one compressed block holds.
constexpr size_t ZYLCompressBlockSize = 32781;
// The largest payload of one block: a method byte and the block stored as it is.
constexpr size_t ZYLMaxBlockPayload = ZYLCompressBlockSize + 1;
// The most bytes one compressed stream holds (64 MiB). A block expands up to about 240 times,
// so a stream's total length is checked against this before anything is decoded, and longer
// data is refused when compressing: what is written can always be read back.
constexpr size_t ZYLMaxExpandedSize = size_t(64) << 20;

// Compresses one block of at most ZYLCompressBlockSize bytes into its payload (method byte and
// data); never longer than count + 1 bytes.
std::vector<uint8_t> ZYLCompressBlock(const uint8_t* source, size_t count);
// Decodes one payload into exactly destSize bytes at dest; raises EZYLCompressError when the
// payload is damaged or does not decode to exactly destSize bytes.
void ZYLDecompressBlock(const uint8_t* payload, size_t payloadSize, uint8_t* dest, size_t destSize);

// The whole block-compressed layout in memory: the total length, then the blocks. Data
// longer than ZYLMaxExpandedSize raises EZYLCompressError.
std::vector<uint8_t> ZYLCompressBytes(const void* data, size_t count);
// Decodes ZYLCompressBytes' layout; the input must hold exactly one stream, nothing after it,
// whose total length is at most ZYLMaxExpandedSize.
std::vector<uint8_t> ZYLDecompressBytes(const void* data, size_t count);

}  // namespace zyl
