// Region data: the bytes made into a region as they stand and moved by an offset the input
// gives, the region's own data read back and made into an equal region, the region combined,
// tested and drawn; then the same bytes as the region mask's stream form (which refuses bad
// data and keeps its own).
//
// Input: eight bytes of offset (x and y, each a little-endian 32-bit integer), then the region
// data (header and rectangles).
#include <cstdlib>
#include <cstring>
#include <vector>

#include "foundation/ZYLRegionMask.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"

namespace {

int32_t Int32At(const uint8_t* p) {
  return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24);
}

// The region's data, made into a region again, must be the same region.
void CheckOwnData(win::HRGN rgn) {
  const win::DWORD size = win::GetRegionData(rgn, 0, nullptr);
  if (size < sizeof(win::RGNDATAHEADER)) std::abort();
  std::vector<uint8_t> data(size);
  auto* rd = reinterpret_cast<win::RGNDATA*>(data.data());
  if (win::GetRegionData(rgn, size, rd) != size) std::abort();
  win::HRGN again = win::ExtCreateRegion(nullptr, size, rd);
  if (!again || !win::EqualRgn(rgn, again)) std::abort();
  win::DeleteObject(again);
}

void Exercise(win::HRGN rgn, int dx, int dy) {
  CheckOwnData(rgn);
  win::RECT box{};
  win::GetRgnBox(rgn, &box);
  win::PtInRegion(rgn, box.Left, box.Top);
  win::RectInRegion(rgn, &box);
  win::HRGN other = win::CreateRectRgn(0, 0, 64, 48);
  for (int mode : {win::RGN_AND, win::RGN_OR, win::RGN_XOR, win::RGN_DIFF, win::RGN_COPY}) {
    win::HRGN dest = win::CreateRectRgn(0, 0, 0, 0);
    win::CombineRgn(dest, rgn, other, mode);
    CheckOwnData(dest);
    win::DeleteObject(dest);
  }
  win::OffsetRgn(other, dx, dy);
  win::CombineRgn(other, other, rgn, win::RGN_OR);
  CheckOwnData(other);
  win::DeleteObject(other);

  const win::TMemoryDC dc;
  const win::TOwnedObject<win::HBITMAP> bmp(win::CreateCompatibleBitmap(dc, 64, 48));
  const win::TSelectedObject selected(dc, bmp);
  const win::TOwnedObject<win::HBRUSH> brush(win::CreateSolidBrush(0x00FF00));
  win::FillRgn(dc, rgn, brush);
  win::FrameRgn(dc, rgn, brush, 2, 2);
  win::InvertRgn(dc, rgn);
  win::SelectClipRgn(dc, rgn);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 8) return 0;
  const int dx = Int32At(data), dy = Int32At(data + 4);
  // The region data as an aligned copy of the rest.
  std::vector<uint32_t> aligned((size - 8 + 3) / 4 + 1);
  std::memcpy(aligned.data(), data + 8, size - 8);
  const auto* rd = reinterpret_cast<const win::RGNDATA*>(aligned.data());
  const auto rdSize = static_cast<win::DWORD>(size - 8);
  win::HRGN plain = win::ExtCreateRegion(nullptr, rdSize, rd);
  if (plain) {
    Exercise(plain, dx, dy);
    win::HRGN offset = win::CreateRectRgn(0, 0, 0, 0);
    win::CombineRgn(offset, plain, nullptr, win::RGN_COPY);
    win::OffsetRgn(offset, dx, dy);
    CheckOwnData(offset);
    win::DeleteObject(offset);
  }
  // The same data moved by a translation: refused when the coordinates cannot hold it, else
  // the region moved by the whole numbers of the translation.
  win::XFORM moved;
  moved.eDx = static_cast<float>(dx);
  moved.eDy = static_cast<float>(dy);
  const auto fits = [](float d) { return d > -2147483649.0 && d < 2147483648.0; };
  if (win::HRGN rgn = win::ExtCreateRegion(&moved, rdSize, rd)) {
    if (!plain || !fits(moved.eDx) || !fits(moved.eDy)) std::abort();
    CheckOwnData(rgn);
    win::HRGN expect = win::CreateRectRgn(0, 0, 0, 0);
    win::CombineRgn(expect, plain, nullptr, win::RGN_COPY);
    win::OffsetRgn(expect, static_cast<int>(moved.eDx), static_cast<int>(moved.eDy));
    if (!win::EqualRgn(rgn, expect)) std::abort();
    win::DeleteObject(expect);
    win::DeleteObject(rgn);
  }
  if (plain) win::DeleteObject(plain);

  zyl::TZYLRegionMask mask;
  fuzz::Expect([&] {
    vcl::TStringStream in(fuzz::Bytes(data + 8, size - 8));
    mask.ReadRegionData(&in);
    if (win::HRGN rgn = mask.CreateRegion()) {
      zyl::TZYLRegionMask copy;
      copy.SetRegion(rgn);
      win::HRGN again = copy.CreateRegion();
      if (!again || !win::EqualRgn(rgn, again)) std::abort();
      win::DeleteObject(again);
      win::DeleteObject(rgn);
    }
    vcl::TStringStream out("");
    mask.WriteRegionData(&out);
    if (out.DataString() != fuzz::Bytes(data + 8, size - 8)) std::abort();
  });
  return 0;
}
