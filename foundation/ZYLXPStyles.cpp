#include "foundation/ZYLXPStyles.h"

#include <set>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"

namespace zyl {

bool XPThemesAvailable = false;

namespace {
struct TThemeData {
  std::string ClassList;
};
std::set<TThemeData*>& OpenThemes() {
  static std::set<TThemeData*> s;
  return s;
}
TThemeData* Valid(HTHEME Theme) {
  auto* t = static_cast<TThemeData*>(Theme);
  return t && OpenThemes().count(t) ? t : nullptr;
}
}  // namespace

void ZYLUseStandInThemes(bool On) { XPThemesAvailable = On; }

HTHEME OpenThemeData(win::HWND, const std::string& ClassList) {
  if (!XPThemesAvailable || ClassList.empty()) return nullptr;
  auto* t = new TThemeData{ClassList};
  OpenThemes().insert(t);
  return t;
}

HRESULT CloseThemeData(HTHEME Theme) {
  TThemeData* t = Valid(Theme);
  if (!t) return ZYL_E_FAIL;
  OpenThemes().erase(t);
  delete t;
  return ZYL_S_OK;
}

std::string ZYLThemeClass(HTHEME Theme) {
  TThemeData* t = Valid(Theme);
  return t ? t->ClassList : std::string();
}

uint32_t ZYLThemeFaceColor(int State) {
  switch (State) {
    case 2: return 0xF7E4C8;  // hot: light blue
    case 3: return 0xE0C090;  // pressed
    case 4: return 0xE8E8E8;  // disabled
    case 5: return 0xFFF0E0;  // focused
    case 6: return 0xF0F0F0;  // read-only
    default: return 0xFFFFFF;
  }
}

HRESULT DrawThemeBackground(HTHEME Theme, win::HDC DC, int, int State, const win::TRect* Rect,
                            const win::TRect* ClipRect) {
  if (!Valid(Theme) || !DC || !Rect) return ZYL_E_FAIL;
  win::TSavedDC saved(DC);
  if (ClipRect)
    win::IntersectClipRect(DC, ClipRect->Left, ClipRect->Top, ClipRect->Right, ClipRect->Bottom);
  win::FillRect(DC, Rect,
                win::TOwnedObject<win::HBRUSH>(win::CreateSolidBrush(ZYLThemeFaceColor(State))));
  win::FrameRect(
      DC, Rect,
      win::TOwnedObject<win::HBRUSH>(win::CreateSolidBrush(State == 4 ? 0xB0B0B0 : 0x7A7A7A)));
  return ZYL_S_OK;
}

HRESULT GetThemeBackgroundContentRect(HTHEME Theme, win::HDC, int, int,
                                      const win::TRect* Bounds, win::TRect* Content) {
  TThemeData* t = Valid(Theme);
  if (!t || !Bounds || !Content) return ZYL_E_FAIL;
  const int d = t->ClassList == "EDIT" ? 2 : 1;
  *Content = *Bounds;
  Content->Left += d;
  Content->Top += d;
  Content->Right -= d;
  Content->Bottom -= d;
  if (Content->Right < Content->Left) Content->Right = Content->Left;
  if (Content->Bottom < Content->Top) Content->Bottom = Content->Top;
  return ZYL_S_OK;
}

bool IsAppThemed() { return XPThemesAvailable; }

void ZYLXPStylesInit() {
  // No theme library to bind here: themes stay off until the stand-in engine is switched on.
}

void ZYLXPStylesDone() {
  for (TThemeData* t : OpenThemes()) delete t;
  OpenThemes().clear();
  XPThemesAvailable = false;
}

}  // namespace zyl
