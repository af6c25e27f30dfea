// TBitmap: a picture of pixels held as a device-dependent bitmap (bmDDB) or a DIB section in
// one of the pixel formats (bmDIB), with a canvas to draw on it, transparency by a key
// colour, and the BMP file format.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphic.h"

namespace vcl {

ZYL_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit,
         pfCustom)
ZYL_ENUM(TBitmapHandleType, bmDIB, bmDDB)
ZYL_ENUM(TTransparentMode, tmAuto, tmFixed)

// The flag TransparentColor sets on the colour it reports.
constexpr TColor TransparentColorFlag = 0x02000000;

class TBitmap : public TGraphic {
  ZYL_CLASS(TBitmap, TGraphic)
  TBitmap();
  ~TBitmap() override;

  // Copies the picture and its settings (pixels are copied, not shared); nil empties.
  void Assign(TPersistent* Source) override;

  bool Empty() override;
  int Width() override { return width_; }
  void SetWidth(int Value) override;
  int Height() override { return height_; }
  void SetHeight(int Value) override;
  // A new size keeps the picture at the top-left corner; new parts are filled with the
  // canvas brush's colour (white by default).
  void SetSize(int AWidth, int AHeight);

  TCanvas* Canvas();
  bool HandleAllocated() const { return handle_ != nullptr; }
  win::HBITMAP Handle();
  // Takes over the bitmap handle (the previous one is deleted).
  void SetHandle(win::HBITMAP Value);
  // Hands the handle to the caller, who then owns it; the bitmap keeps a copy of its pixels.
  win::HBITMAP ReleaseHandle();
  // A monochrome mask of the transparent colour (white where the picture is transparent),
  // created when first asked for.
  win::HBITMAP MaskHandle();
  win::HBITMAP ReleaseMaskHandle();
  win::HPALETTE Palette() override;
  void SetPalette(win::HPALETTE Value) override;

  TBitmapHandleType HandleType();
  void SetHandleType(TBitmapHandleType Value);
  TPixelFormat PixelFormat();
  // Converts the picture to the format (colours mapped to the nearest of a palette for 8
  // bits and fewer). pfCustom raises EInvalidGraphic.
  void SetPixelFormat(TPixelFormat Value);
  bool Monochrome();
  void SetMonochrome(bool Value);

  // The bytes of pixel row Row (0 = top) in the pixel format's layout; a device bitmap
  // becomes a DIB first. EInvalidGraphicOperation "Scan line index out of range".
  void* ScanLine(int Row);

  TColor TransparentColor();
  void SetTransparentColor(TColor Value);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode Value);
  // Turns the picture into its monochrome mask of the colour.
  void Mask(TColor TransparentColor);

  // Frees the handle, keeping the pixels in memory (the handle comes back when needed).
  void Dormant();
  // Drops the memory copy of a picture that has a handle.
  void FreeImage();

  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  // A bitmap resource registered for the module (a packed DIB or a BMP file);
  // EResNotFound when missing.
  void LoadFromResourceName(win::HINSTANCE Instance, const std::string& ResName);
  void LoadFromResourceID(win::HINSTANCE Instance, int ResID);

  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // Form streams: a 32-bit length, then the BMP file.
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;

  // For the canvas of this bitmap.
  void FreeContext();

 protected:
  void Changed(TObject* Sender) override;

 private:
  struct TImage;
  void HandleNeeded();
  win::HDC HeldDC() const;
  void Replace(win::HBITMAP handle, int width, int height);
  void NewImage(int width, int height, TPixelFormat format, bool mono, bool keepPicture);
  void LoadImage(const uint8_t* data, size_t size, bool fileFormat);
  void FreeHandles();
  std::vector<uint8_t> Encode();
  void CanvasChanged(TObject* Sender);
  void CanvasChanging(TObject* Sender);

  win::HBITMAP handle_ = nullptr;
  win::HBITMAP maskHandle_ = nullptr;
  win::HPALETTE palette_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pfDevice;  // the format of a bitmap without pixels yet
  bool mono_ = false;
  std::vector<uint8_t> dormant_;    // the BMP file of a picture whose handle is freed
  TCanvas* canvas_ = nullptr;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = tmAuto;
};

// The length of the BMP file at the start of Data: its headers, its colour table (or masks)
// and its pixel rows as the info header describes them, for files stored one after another. The
// file header's size field is not trusted (writers put the headers' length alone there); it
// serves only for run-length coded pixels whose info header gives no image size. Raises
// EInvalidGraphic ("Bitmap image is not valid") for damaged headers or a file that runs past
// Size.
size_t BmpFileLength(const uint8_t* Data, size_t Size);

}  // namespace vcl
