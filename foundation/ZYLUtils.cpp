#include "foundation/ZYLUtils.h"

#include <algorithm>

#include "platform/rtl/Locale.h"

namespace zyl {

int32_t ZYLMin(std::initializer_list<int32_t> Values) {
  return Values.size() == 0 ? 0 : std::min(Values);
}

int32_t ZYLMax(std::initializer_list<int32_t> Values) {
  return Values.size() == 0 ? 0 : std::max(Values);
}

int32_t ZYLMin(const std::vector<int32_t>& Values) {
  return Values.empty() ? 0 : *std::min_element(Values.begin(), Values.end());
}

int32_t ZYLMax(const std::vector<int32_t>& Values) {
  return Values.empty() ? 0 : *std::max_element(Values.begin(), Values.end());
}

int32_t ZYLMidI(int32_t A, int32_t B) {
  return static_cast<int32_t>((static_cast<int64_t>(A) + B) / 2);
}

void ZYLOffsetPoints(win::TPoint* Points, int HighIndex, int DX, int DY) {
  if (Points == nullptr) return;
  for (int i = 0; i <= HighIndex; ++i) {
    Points[i].X += DX;
    Points[i].Y += DY;
  }
}

void ZYLAdjustRect(win::TRect& Rect, int DX, int DY) {
  Rect.Right += DX;
  Rect.Bottom += DY;
}

const int32_t ZYLPixelFormatColors[5] = {-1, 2, 16, 256, 65536};

void ZYLMMCopyFace(TZYLButtonFaceIndex& Dest, const TZYLButtonFaceIndex& Source) {
  Dest = Source;
}

void ZYLMMInitFace(TZYLButtonFaceIndex& Face) { Face = TZYLButtonFaceIndex(); }

void ZYLMMSynchronize(TZYLButtonFaceIndex& Face, bool Hot) {
  const TZYLButtonFaceEntry up = Face[bsUp];
  const TZYLButtonFaceEntry down = Face[bsDown];
  Face[bsDisabledUp] = up;
  Face[bsDefaultEd] = up;
  Face[bsOptionSet] = down;
  Face[bsDropDownOpen] = down;
  Face[bsDisabledDown] = down;
  if (Hot) {
    Face[bsDragOver] = Face[bsMouseOver];
  } else {
    Face[bsMouseOver] = up;
    Face[bsDragOver] = up;
  }
}

std::string ZYLGetLocalInfo(int Index) {
  win::LCTYPE item = 0;
  switch (Index) {
    case 1: item = win::LOCALE_ICURRDIGITS; break;
    case 2: item = win::LOCALE_ICURRENCY; break;
    case 8: item = win::LOCALE_INEGCURR; break;
    case 13: item = win::LOCALE_SCURRENCY; break;
    case 15: item = win::LOCALE_SDECIMAL; break;
    case 20: item = win::LOCALE_SMONGROUPING; break;
    case 21: item = win::LOCALE_SMONTHOUSANDSEP; break;
    default: break;
  }
  char buf[256];
  const int n = win::GetLocaleInfoA(win::GetThreadLocale(), item, buf, sizeof(buf));
  return n > 0 ? std::string(buf, static_cast<size_t>(n - 1)) : std::string();
}

std::string ZYLICGetSuffix(TZYLListItemClassType Kind, bool WithDot) {
  static const char* const suffixes[] = {"iml", "bml", "wvl", "sll", "gll", "rtl"};
  const int k = static_cast<int>(Kind);
  if (k >= static_cast<int>(sizeof(suffixes) / sizeof(suffixes[0]))) return {};
  return (WithDot ? "." : "") + std::string(suffixes[k]);
}

}  // namespace zyl
