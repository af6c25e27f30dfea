// The icon in a window's caption: a window with a system menu shows, in the slot at the left
// of its caption, its small icon, else its big icon (both given with WM_SETICON), else its
// class's small or big icon, drawn scaled to the slot (16 x 16 from a 32 x 32 icon). Nothing
// is drawn when there is none.
// The system's own icons draw through their stock pictures (StockIcons.cpp).
#include "platform/user/UserInternal.h"

namespace win::user {

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
  DrawIconEx(dc, slot.Left, slot.Top, icon, slot.Width(), slot.Height(), 0, nullptr, DI_NORMAL);
}

}  // namespace win::user
