// TIcon: a picture from an icon file (.ico, one or more images, bitmaps or PNG pictures) or
// an icon handle.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/graphics/Graphic.h"

namespace vcl {

class TIcon : public TGraphic {
  ZYL_CLASS(TIcon, TGraphic)
  TIcon();
  ~TIcon() override;

  void Assign(TPersistent* Source) override;

  bool Empty() override;
  int Width() override;
  int Height() override;
  // Icons keep their size: EInvalidGraphicOperation "Cannot change the size of an icon".
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;

  // The icon of the image chosen from the file (32 x 32 when there is one, else the first).
  win::HICON Handle();
  // Takes over the icon handle (the previous one is destroyed). Handles the raster engine
  // does not know (the window system's shared icons) are taken as 32 x 32.
  void SetHandle(win::HICON Value);
  win::HICON ReleaseHandle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  // Number of images of the loaded file.
  int ImageCount() const { return imageCount_; }

  // Corrupt or truncated data raises EInvalidGraphic "Icon image is not valid". Images may be
  // bitmaps or PNG pictures (decoded with their alpha): a PNG image that cannot be read is
  // refused (EInvalidGraphic naming the reason) only when it is the one shown, or when no
  // image can be shown. Saving writes the loaded file unchanged, or one 32-bit image made
  // from the handle.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;

  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

 private:
  void Clear();
  void Parse(std::vector<uint8_t> data);
  std::vector<uint8_t> BuildFromHandle();

  std::vector<uint8_t> data_;  // the icon file as loaded
  size_t imageOffset_ = 0;     // the chosen image within data_
  size_t imageSize_ = 0;
  int imageCount_ = 0;
  int width_ = 0;
  int height_ = 0;
  win::HICON handle_ = nullptr;
};

}  // namespace vcl
