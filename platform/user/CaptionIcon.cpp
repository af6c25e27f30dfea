// The icon in a window's caption: a window with a system menu shows, in the slot at the left
// of its caption, its small icon, else its big icon (both given with WM_SETICON), else its
// class's small or big icon, drawn scaled to the slot (16 x 16 from a 32 x 32 icon). Nothing
// is drawn when there is none.
//
// The system's own icons (LoadIcon(nullptr, IDI_...)) are pseudo-handles that the raster
// engine does not hold; the application's and the window logo's are painted here from a
// picture of their own (a window with a dark title), built as a real icon for the paint and
// destroyed after it.
#include <array>

#include "platform/gdi/GdiGuards.h"
#include "platform/user/UserInternal.h"

namespace win::user {

namespace {

// The system's icons are 0x00020000 | IDI_* (Input.cpp, LoadIconA).
constexpr uintptr_t kSystemIconBase = 0x00020000u;

// The standard application icon, 32 x 32: '.' transparent, 'k' black, 'n' navy title,
// 'w' white window. Lines are two pixels wide so that the small size keeps them.
constexpr int kStockSize = 32;
constexpr std::array<const char*, kStockSize> kApplicationPicture = {
    "................................",  //
    "................................",  //
    "................................",  //
    "................................",  //
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",  //
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",  //
    "..kknnnnnnnnnnnnnnnnnnnnnnnnkk..",  //
    "..kknnnnnnnnnnnnnnnnnnnnnnnnkk..",  //
    "..kknnnnnnnnnnnnnnnnnnnnnnnnkk..",  //
    "..kknnnnnnnnnnnnnnnnnnnnnnnnkk..",  //
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",  //
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..",  //
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",  //
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",  //
    "................................",  //
    "................................",  //
    "................................",  //
    "................................",  //
};

bool IsSystemIcon(HICON icon, uintptr_t id) {
  return reinterpret_cast<uintptr_t>(icon) == (kSystemIconBase | id);
}

// The picture of a system icon as a real icon (the caller destroys it); null for the system
// icons without a picture and for every other handle.
HICON StockIcon(HICON icon) {
  if (!IsSystemIcon(icon, IDI_APPLICATION) && !IsSystemIcon(icon, IDI_WINLOGO)) return nullptr;
  std::array<uint32_t, kStockSize * kStockSize> color{};    // 0x00RRGGBB, rows top-down
  std::array<uint8_t, kStockSize * kStockSize / 8> mask{};  // 1 = transparent, rows top-down
  for (int y = 0; y < kStockSize; ++y)
    for (int x = 0; x < kStockSize; ++x) {
      const char c = kApplicationPicture[size_t(y)][x];
      const size_t i = size_t(y) * kStockSize + size_t(x);
      if (c == '.') mask[i / 8] |= uint8_t(0x80 >> (i % 8));
      color[i] = c == 'n' ? 0x000080u : c == 'w' ? 0xFFFFFFu : 0u;
    }
  const TOwnedObject<HBITMAP> colorBits(CreateBitmap(kStockSize, kStockSize, 1, 32, color.data()));
  const TOwnedObject<HBITMAP> maskBits(CreateBitmap(kStockSize, kStockSize, 1, 1, mask.data()));
  if (!colorBits || !maskBits) return nullptr;
  ICONINFO ii{};
  ii.fIcon = TRUE;
  ii.hbmColor = colorBits;
  ii.hbmMask = maskBits;
  return CreateIconIndirect(&ii);
}

// Destroys the icon made for one paint at the end of the scope.
class TPaintIcon {
 public:
  explicit TPaintIcon(HICON icon) : icon_(icon) {}
  ~TPaintIcon() {
    if (icon_) DestroyIcon(icon_);
  }
  TPaintIcon(const TPaintIcon&) = delete;
  TPaintIcon& operator=(const TPaintIcon&) = delete;
  HICON get() const { return icon_; }

 private:
  HICON icon_;
};

}  // namespace

HICON WindowIcon(const Wnd* w, WPARAM which) {
  switch (which) {
    case ICON_BIG: return w->Icon;
    case ICON_SMALL: return w->IconSm;
    case ICON_SMALL2:
      for (HICON icon : {w->IconSm, w->Icon, w->Class->IconSm, w->Class->Icon})
        if (icon) return icon;
      return nullptr;
    default: return nullptr;
  }
}

void PaintCaptionIcon(HDC dc, const Wnd* w, const TRect& slot) {
  if (IsRectEmpty(&slot)) return;
  HICON icon = WindowIcon(w, ICON_SMALL2);
  if (!icon) return;
  const TPaintIcon stock(StockIcon(icon));
  if (stock.get()) icon = stock.get();
  DrawIconEx(dc, slot.Left, slot.Top, icon, slot.Width(), slot.Height(), 0, nullptr, DI_NORMAL);
}

}  // namespace win::user
