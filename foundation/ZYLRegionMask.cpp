#include "foundation/ZYLRegionMask.h"

#include <cstring>

#include "foundation/ZYLConst.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"

namespace zyl {

namespace {

bool HasPicture(vcl::TBitmap* B) { return B && !B->Empty(); }

// Checks region data bytes: header size, type and a rectangle count that fits.
bool ValidRegionData(const uint8_t* Data, uint32_t Size) {
  if (Size < sizeof(win::RGNDATAHEADER)) return false;
  win::RGNDATAHEADER h;
  std::memcpy(&h, Data, sizeof(h));
  if (h.dwSize != sizeof(win::RGNDATAHEADER) || h.iType != win::RDH_RECTANGLES) return false;
  const uint64_t need = uint64_t(h.nCount) * sizeof(win::RECT) + sizeof(win::RGNDATAHEADER);
  return need <= Size;
}

}  // namespace

ZYL_CLASS_IMPL(TZYLRegionMask) {
  b.Prop("Compressed", &TZYLRegionMask::Compressed, &TZYLRegionMask::SetCompressed)
      .Default(false)
      .Prop("PixelFormat", &TZYLRegionMask::PixelFormat, &TZYLRegionMask::SetPixelFormat)
      .Default(spfDefault);
}

TZYLRegionMask::TZYLRegionMask() = default;

TZYLRegionMask::~TZYLRegionMask() = default;

void TZYLRegionMask::BitmapChanged(vcl::TObject* /*Sender*/) { Change(); }

void TZYLRegionMask::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLRegionMask*>(Source)) {
    const bool wasUpdating = FUpdate;
    FUpdate = true;
    FData = s->FData;
    FDataSize = s->FDataSize;
    FBorderBmp->Assign(s->FBorderBmp);
    FBorderUpBmp->Assign(s->FBorderUpBmp);
    FBorderDnBmp->Assign(s->FBorderDnBmp);
    FPixelFormat = s->FPixelFormat;
    FCompressed = s->FCompressed;
    FUpdate = wasUpdating;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLRegionMask::GetSetStr() {
  const uint32_t n = RectCount();
  return n == 0 ? "{Empty}" : "{" + std::to_string(n) + " rects}";
}

void TZYLRegionMask::SetDataSize(uint32_t Size) { FDataSize = Size; }

void TZYLRegionMask::GetMem() { FData.assign(FDataSize, 0); }

void TZYLRegionMask::FreeMem() {
  FData.clear();
  FData.shrink_to_fit();
  FDataSize = 0;
}

bool TZYLRegionMask::GetRegionData(win::HRGN Region) {
  if (!Region || FDataSize == 0 || FData.size() != FDataSize) return false;
  const win::DWORD got =
      win::GetRegionData(Region, FDataSize, reinterpret_cast<win::LPRGNDATA>(FData.data()));
  return got != 0;
}

void TZYLRegionMask::SetRegion(win::HRGN Region) {
  FreeMem();
  if (Region) {
    SetDataSize(win::GetRegionData(Region, 0, nullptr));
    GetMem();
    if (!GetRegionData(Region)) FreeMem();
  }
  Change();
}

win::HRGN TZYLRegionMask::CreateRegion() const {
  if (!ValidRegionData(FData.data(), static_cast<uint32_t>(FData.size()))) return nullptr;
  return win::ExtCreateRegion(nullptr, static_cast<win::DWORD>(FData.size()),
                              reinterpret_cast<const win::RGNDATA*>(FData.data()));
}

uint32_t TZYLRegionMask::RectCount() const {
  if (!ValidRegionData(FData.data(), static_cast<uint32_t>(FData.size()))) return 0;
  win::RGNDATAHEADER h;
  std::memcpy(&h, FData.data(), sizeof(h));
  return h.nCount;
}

void TZYLRegionMask::SetPixelFormat(TZYLSavePixelFormat Value) {
  if (FPixelFormat == Value) return;
  FPixelFormat = Value;
  Change();
}

void TZYLRegionMask::SetCompressed(bool Value) {
  if (FCompressed == Value) return;
  FCompressed = Value;
  Change();
}

void TZYLRegionMask::ReadRegionData(vcl::TStream* Stream) {
  const int64_t size = Stream->Remaining();
  if (size > MaxRegionDataSize) throw vcl::EReadError(SZYLRegionDataTooLarge);
  std::vector<uint8_t> data(static_cast<size_t>(size));
  if (size > 0) Stream->ReadBuffer(data.data(), static_cast<int32_t>(size));
  if (size > 0 && !ValidRegionData(data.data(), static_cast<uint32_t>(size)))
    throw vcl::EReadError(SZYLInvalidRegionData);
  FData = std::move(data);
  FDataSize = static_cast<uint32_t>(FData.size());
  Change();
}

void TZYLRegionMask::WriteRegionData(vcl::TStream* Stream) const {
  if (!FData.empty()) Stream->WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
}

void TZYLRegionMask::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "RegionData", [this](vcl::TStream* s) { ReadRegionData(s); },
      [this](vcl::TStream* s) { WriteRegionData(s); }, !FData.empty());
  auto bitmap = [&](const char* name, vcl::TBitmap* b) {
    Filer->DefineBinaryProperty(
        name, [b](vcl::TStream* s) { b->LoadFromStream(s); },
        [b](vcl::TStream* s) { b->SaveToStream(s); }, HasPicture(b));
  };
  bitmap("BorderBmp", FBorderBmp);
  bitmap("BorderUpBmp", FBorderUpBmp);
  bitmap("BorderDnBmp", FBorderDnBmp);
}

}  // namespace zyl
