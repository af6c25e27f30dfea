// Icon files as the shell reads them: the file's icon count, its large and small icon and the
// file information of an ".ico" file (icon, location, type and display name); each icon that
// comes out is drawn and destroyed. A damaged file holds no icons.
#include <cstdlib>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/sys/ShellIcons.h"
#include "platform/user/WinUser.h"

namespace {

void DrawAndDestroy(win::HICON icon) {
  if (!icon) return;
  {
    const win::TMemoryDC dc;
    const win::TOwnedObject<win::HBITMAP> bmp(win::CreateCompatibleBitmap(dc, 48, 48));
    const win::TSelectedObject selected(dc, bmp);
    win::DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, win::DI_NORMAL);
    win::DrawIconEx(dc, 8, 8, icon, 16, 16, 0, nullptr, win::DI_NORMAL);
  }
  win::DestroyIcon(icon);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = fuzz::WriteScratchFile("input.ico", data, size);
  const win::UINT count = win::ExtractIconExA(file.c_str(), -1, nullptr, nullptr, 0);
  if (count > 1) std::abort();  // an icon file is one icon here
  win::HICON large = nullptr, small = nullptr;
  const win::UINT got = win::ExtractIconExA(file.c_str(), 0, &large, &small, 1);
  if (got > count) std::abort();
  DrawAndDestroy(large);
  DrawAndDestroy(small);
  for (win::UINT flags : {win::SHGFI_ICON, win::SHGFI_ICON | win::SHGFI_SMALLICON,
                          win::SHGFI_ICONLOCATION | win::SHGFI_TYPENAME | win::SHGFI_DISPLAYNAME}) {
    win::SHFILEINFOA info{};
    if (win::SHGetFileInfoA(file.c_str(), 0, &info, sizeof(info), flags) &&
        (flags & win::SHGFI_ICON))
      DrawAndDestroy(info.hIcon);
  }
  return 0;
}
