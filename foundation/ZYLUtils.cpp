#include "foundation/ZYLUtils.h"

#include <algorithm>

#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"

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

namespace {

const vcl::TFontStyle kFontFlags[] = {vcl::fsBold, vcl::fsItalic, vcl::fsUnderline, vcl::fsStrikeOut};

}  // namespace

std::string ZYLFontToString(const vcl::TFont* Font) {
  if (!Font) return std::string();
  std::string s = Font->Name() + "," + vcl::IntToStr(Font->Size()) + "," + vcl::ColorToString(Font->Color());
  for (vcl::TFontStyle flag : kFontFlags) s += Font->Style().contains(flag) ? ",1" : ",0";
  return s;
}

bool ZYLStringToFont(const std::string& Text, vcl::TFont* Font) {
  if (!Font) return false;
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t comma = Text.find(',', start);
    fields.push_back(Text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (fields.size() != 7) return false;
  // Everything is read before anything changes, so a bad field leaves the font as it was.
  int32_t size = 0;
  int32_t color = 0;
  if (!vcl::TryStrToInt(fields[1], size)) return false;
  if (!vcl::IdentToColor(fields[2], color) && !vcl::TryStrToInt(fields[2], color)) return false;
  vcl::TFontStyles style;
  for (int i = 0; i < 4; ++i) {
    const std::string& f = fields[3 + i];
    if (f == "1") style.Include(kFontFlags[i]);
    else if (f != "0") return false;
  }
  Font->SetName(fields[0]);
  Font->SetSize(size);
  Font->SetColor(color);
  Font->SetStyle(style);
  return true;
}

}  // namespace zyl
