// TZYLRegionMask: the holder of a window region (its region data) and of the border bitmaps
// drawn along it (normal, up and down), with their stream form.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwned.h"
#include "platform/base/Types.h"

namespace vcl {
class TBitmap;
class TFiler;
class TStream;
}

namespace zyl {

class TZYLRegionMask : public TZYLObject {
  ZYL_CLASS(TZYLRegionMask, TZYLObject)
  TZYLRegionMask();
  ~TZYLRegionMask() override;

  // The largest region data accepted from a stream.
  static constexpr uint32_t MaxRegionDataSize = 16u << 20;

  void Assign(vcl::TPersistent* Source) override;
  // "{Empty}" or "{<n> rects}".
  std::string GetSetStr() override;
  // Extra stream properties: "RegionData" (the region data bytes) and "BorderBmp",
  // "BorderUpBmp", "BorderDnBmp" (each bitmap's stream), each written when it holds data.
  void DefineProperties(vcl::TFiler* Filer) override;

  // The buffer: SetDataSize sets its byte size without allocating; GetMem allocates it (zeroed)
  // at that size; FreeMem frees it and sets the size to 0.
  void SetDataSize(uint32_t Size);
  void GetMem();
  void FreeMem();
  uint32_t RegionDataSize() const { return FDataSize; }
  const uint8_t* RegionData() const { return FData.empty() ? nullptr : FData.data(); }
  // Copies Region's data into the buffer; the size must have been set to the region's data
  // size (GetRegionData(Region, 0, nullptr)) and the buffer allocated. False on failure.
  bool GetRegionData(win::HRGN Region);
  // Takes Region's data in one step (size, buffer and data).
  void SetRegion(win::HRGN Region);
  // A new region from the buffer (0 when empty); the caller deletes it.
  win::HRGN CreateRegion() const;
  // Number of rectangles in the region data (0 when empty).
  uint32_t RectCount() const;

  vcl::TBitmap* BorderBmp() const { return FBorderBmp; }
  vcl::TBitmap* BorderUpBmp() const { return FBorderUpBmp; }
  vcl::TBitmap* BorderDnBmp() const { return FBorderDnBmp; }
  TZYLSavePixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TZYLSavePixelFormat Value);
  bool Compressed() const { return FCompressed; }
  void SetCompressed(bool Value);

  // The stream forms of the region data. Reading takes the rest of the stream, checks the
  // header (size 32, rectangle type, a rectangle count that fits the data) and raises
  // EReadError for anything else, leaving the mask unchanged.
  void ReadRegionData(vcl::TStream* Stream);
  void WriteRegionData(vcl::TStream* Stream) const;

 private:
  void BitmapChanged(vcl::TObject* Sender);

  std::vector<uint8_t> FData;
  uint32_t FDataSize = 0;
  TZYLOwned<vcl::TBitmap> FBorderBmp{this, &TZYLRegionMask::BitmapChanged};
  TZYLOwned<vcl::TBitmap> FBorderUpBmp{this, &TZYLRegionMask::BitmapChanged};
  TZYLOwned<vcl::TBitmap> FBorderDnBmp{this, &TZYLRegionMask::BitmapChanged};
  TZYLSavePixelFormat FPixelFormat = spfDefault;
  bool FCompressed = false;
};

}  // namespace zyl
