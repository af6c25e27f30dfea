// Reading AVI clips for the animation control: the RIFF chunks, the main header, the first video
// stream's header and format, and its frames, each a device-independent bitmap either
// uncompressed or run-length coded (RLE8, RLE4). Anything else raises EAviError.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/Exceptions.h"

namespace vcl {

class TBitmap;

using EAviError = vcl::TNamedException<"EAviError", Exception>;

class TAviClip {
 public:
  // Reads a whole clip; every frame is decoded once here, so a clip that reads draws.
  // EAviError for a file that is not an AVI clip, is damaged or truncated, has no video
  // stream or no frames, or uses another compression.
  static TAviClip Read(const std::string& Bytes);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int FrameCount() const { return static_cast<int>(frames_.size()); }
  // Time between frames in microseconds (from the main header; 1/15 s when it gives none).
  uint32_t MicroSecPerFrame() const { return microSecPerFrame_; }
  // Decodes frame Index (0 .. FrameCount-1, else EAviError) into Target at the clip's size.
  void DrawFrame(int Index, TBitmap* Target) const;

 private:
  int width_ = 0;
  int height_ = 0;
  uint32_t microSecPerFrame_ = 0;
  // Each frame as a packed bitmap: the stream's format (header and colour table) before the
  // frame's own bytes.
  std::vector<std::string> frames_;
};

}  // namespace vcl
