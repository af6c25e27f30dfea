#include "design/pZYLBmpRegionEditorDlg.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_set>

#include "design/pZYLPixelBuffer.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"

namespace zyl {

namespace {

// The region's pixels inside its bounding box (plus nothing outside: those read as out).
class TRegionMask {
 public:
  explicit TRegionMask(win::HRGN rgn) {
    if (!rgn || win::GetRgnBox(rgn, &box_) == win::NULLREGION) return;
    w_ = box_.Right - box_.Left;
    h_ = box_.Bottom - box_.Top;
    in_.assign(size_t(w_) * h_, 0);
    const win::DWORD size = win::GetRegionData(rgn, 0, nullptr);
    std::vector<uint8_t> buf(size);
    auto* data = reinterpret_cast<win::RGNDATA*>(buf.data());
    if (size < sizeof(win::RGNDATAHEADER) || win::GetRegionData(rgn, size, data) != size) return;
    const win::DWORD n = data->rdh.nCount;
    for (win::DWORD i = 0; i < n; ++i) {
      win::RECT r;
      std::memcpy(&r, buf.data() + data->rdh.dwSize + i * sizeof(win::RECT), sizeof r);
      for (int y = r.Top; y < r.Bottom; ++y)
        std::fill_n(&in_[size_t(y - box_.Top) * w_ + (r.Left - box_.Left)], r.Right - r.Left, 1);
    }
  }
  bool Empty() const { return in_.empty(); }
  const win::RECT& Box() const { return box_; }
  bool In(int x, int y) const {
    x -= box_.Left;
    y -= box_.Top;
    return x >= 0 && y >= 0 && x < w_ && y < h_ && in_[size_t(y) * w_ + x];
  }

 private:
  win::RECT box_{0, 0, 0, 0};
  int w_ = 0, h_ = 0;
  std::vector<uint8_t> in_;
};

// Calls Set(x, y, colour) for every border pixel of the style along the region's edge.
template <class SetPixel>
void WalkBorder(win::HRGN rgn, int style, SetPixel&& set) {
  if (style <= rbsNone || style > rbsSingleLowered) return;
  const TRegionMask m(rgn);
  if (m.Empty()) return;
  const bool raised = style == rbsRaised || style == rbsSingleRaised;
  const vcl::TColor black = vcl::clBlack, light = raised ? vcl::clWhite : vcl::clGray,
                    dark = raised ? vcl::clGray : vcl::clWhite;
  const bool single = style == rbsSingle, framed = style >= rbsSingleRaised;
  const win::RECT& b = m.Box();
  const int right = std::max<int>(b.Right, 1), bottom = std::max<int>(b.Bottom, 1);
  // Paints the edge pixel and, for the framed styles, the one next to it inside.
  auto edge = [&](int x, int y, int dx, int dy, vcl::TColor c) {
    if (single) {
      set(x, y, black);
    } else if (framed) {
      set(x, y, black);
      set(x + dx, y + dy, c);
    } else {
      set(x, y, c);
    }
  };
  for (int x = b.Left; x <= right; ++x)
    for (int y = b.Top; y <= bottom; ++y) {
      const bool in = m.In(x, y);
      if (in && !m.In(x - 1, y))
        edge(x, y, 1, 0, light);
      else if (!in && m.In(x - 1, y))
        edge(x - 1, y, -1, 0, dark);
      if (in && !m.In(x, y - 1))
        edge(x, y, 0, 1, light);
      else if (!in && m.In(x, y - 1))
        edge(x, y - 1, 0, -1, dark);
    }
}

}  // namespace

win::HRGN CreateRgnFromBitmap2(vcl::TBitmap* Bitmap, const std::vector<vcl::TColor>& Colors,
                               const TZYLBuildProgress& Progress) {
  if (!Bitmap || Bitmap->Empty() || Bitmap->Width() <= 0 || Bitmap->Height() <= 0) return nullptr;
  Bitmap->SetPixelFormat(vcl::pf24bit);
  const TZYLPixelBuffer px = TZYLPixelBuffer::FromBitmap(Bitmap);
  std::unordered_set<vcl::TColor> clear;
  for (vcl::TColor c : Colors) clear.insert(vcl::ColorToRGB(c));
  std::vector<win::RECT> runs;
  const int w = px.Width(), h = px.Height();
  vcl::TColor last = vcl::clNone;
  bool lastClear = true;
  for (int y = 0; y < h; ++y) {
    int start = -1;
    for (int x = 0; x < w; ++x) {
      const vcl::TColor c = px.At(x, y);
      if (c != last) {
        last = c;
        lastClear = clear.count(c) != 0;
      }
      if (!lastClear) {
        if (start < 0) start = x;
      } else if (start >= 0) {
        runs.push_back({start, y, x, y + 1});
        start = -1;
      }
    }
    if (start >= 0) runs.push_back({start, y, w, y + 1});
    if (Progress) Progress(int(std::lround(100.0 / h * (y + 1))));
  }
  if (runs.empty()) return nullptr;
  std::vector<uint8_t> buf(sizeof(win::RGNDATAHEADER) + runs.size() * sizeof(win::RECT));
  win::RGNDATAHEADER head;
  head.nCount = win::DWORD(runs.size());
  head.nRgnSize = win::DWORD(runs.size() * sizeof(win::RECT));
  head.rcBound = {0, 0, w, h};
  std::memcpy(buf.data(), &head, sizeof head);
  std::memcpy(buf.data() + sizeof head, runs.data(), runs.size() * sizeof(win::RECT));
  return win::ExtCreateRegion(nullptr, win::DWORD(buf.size()),
                              reinterpret_cast<const win::RGNDATA*>(buf.data()));
}

void PaintRGNBorder2(vcl::TBitmap* Bitmap, win::HRGN Region, int Style) {
  if (!Bitmap || Bitmap->Empty()) return;
  const int w = Bitmap->Width(), h = Bitmap->Height();
  vcl::TCanvas* canvas = Bitmap->Canvas();
  WalkBorder(Region, Style, [&](int x, int y, vcl::TColor c) {
    if (x >= 0 && y >= 0 && x < w && y < h) canvas->SetPixels(x, y, c);
  });
}

void PaintRGNBorder3(vcl::TBitmap* Bitmap, win::HRGN Region, int Style) {
  if (!Bitmap || Bitmap->Empty()) return;
  TZYLPixelBuffer px = TZYLPixelBuffer::FromBitmap(Bitmap);
  WalkBorder(Region, Style, [&](int x, int y, vcl::TColor c) { px.Set(x, y, c); });
  px.ToBitmap(Bitmap);
}

}  // namespace zyl
