#include "tests/support/MediaFiles.h"

namespace testsupport {

void PutLE32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string RiffChunk(const std::string& id, const std::string& data) {
  std::string s = id;
  PutLE32(s, static_cast<uint32_t>(data.size()));
  s += data;
  if (data.size() & 1) s += '\0';
  return s;
}

std::string RiffList(const std::string& type, const std::string& data) {
  return RiffChunk("LIST", type + data);
}

std::vector<uint8_t> MakeWave(uint16_t channels, uint32_t rate, uint16_t bits, size_t samples) {
  std::vector<uint8_t> d;
  auto put = [&](uint32_t v, int n) {
    for (int i = 0; i < n; ++i) d.push_back(uint8_t(v >> (8 * i)));
  };
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) d.push_back(uint8_t(t[i]));
  };
  tag("RIFF"), put(uint32_t(36 + samples), 4), tag("WAVE"), tag("fmt "), put(16, 4), put(1, 2);
  put(channels, 2), put(rate, 4), put(rate * channels * bits / 8, 4);
  put(channels * bits / 8, 2), put(bits, 2), tag("data"), put(uint32_t(samples), 4);
  for (size_t i = 0; i < samples; ++i) d.push_back(uint8_t(i * 7));
  return d;
}

std::string MakeAviClip(const TAviClipLayout& Clip) {
  const auto w = static_cast<uint32_t>(Clip.Width), h = static_cast<uint32_t>(Clip.Height);
  const auto frames = static_cast<uint32_t>(Clip.Frames.size());
  std::string avih;
  for (uint32_t v : {Clip.MicroSecPerFrame, 0u, 0u, 0u, frames, 0u, 1u, 0u, w, h}) PutLE32(avih, v);
  avih += std::string(16, '\0');
  const std::string strh = Clip.StreamType + std::string(52, '\0');
  std::string strf;
  for (uint32_t v : {40u, w, h}) PutLE32(strf, v);
  strf += static_cast<char>(1);
  strf += '\0';
  strf += static_cast<char>(Clip.Bits);
  strf += '\0';
  const auto colours = static_cast<uint32_t>(Clip.Palette.size());
  for (uint32_t v : {Clip.Compression, 0u, 0u, 0u, colours, 0u}) PutLE32(strf, v);
  for (uint32_t c : Clip.Palette) {
    strf += static_cast<char>((c >> 16) & 0xFF);  // blue, green, red, reserved
    strf += static_cast<char>((c >> 8) & 0xFF);
    strf += static_cast<char>(c & 0xFF);
    strf += '\0';
  }
  std::string movi;
  for (const std::string& frame : Clip.Frames)
    movi += RiffChunk(Clip.Compression == 0 ? "00db" : "00dc", frame);
  const std::string body =
      "AVI " +
      RiffList("hdrl", RiffChunk("avih", avih) +
                           RiffList("strl", RiffChunk("strh", strh) + RiffChunk("strf", strf))) +
      RiffList("movi", movi);
  return RiffChunk("RIFF", body);
}

}  // namespace testsupport
