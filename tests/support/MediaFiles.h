// Media files made by the tests: PCM waves and AVI clips of indexed bitmaps, written as the
// RIFF files the readers take.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// A little-endian 32-bit number appended to s.
void PutLE32(std::string& s, uint32_t v);
// A RIFF chunk (padded to an even size) and a LIST chunk of the given type.
std::string RiffChunk(const std::string& id, const std::string& data);
std::string RiffList(const std::string& type, const std::string& data);

// A PCM wave file image: header, format chunk and `samples` bytes of data.
std::vector<uint8_t> MakeWave(uint16_t channels, uint32_t rate, uint16_t bits, size_t samples);

// An AVI clip of one video stream whose frames are stored as given ("00db" chunks for
// uncompressed frames, "00dc" for coded ones).
struct TAviClipLayout {
  int Width = 0;
  int Height = 0;
  uint32_t MicroSecPerFrame = 0;
  uint32_t Compression = 0;  // 0 uncompressed, 1 RLE8, 2 RLE4
  int Bits = 8;
  std::vector<uint32_t> Palette;    // 0x00BBGGRR colours, 1 << Bits of them
  std::vector<std::string> Frames;  // the bytes of each frame
  std::string StreamType = "vids";
};
std::string MakeAviClip(const TAviClipLayout& Clip);

}  // namespace testsupport
