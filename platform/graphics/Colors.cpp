#include "platform/graphics/Colors.h"

#include <cctype>
#include <cstdio>

#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

namespace {

struct TIdentMapEntry {
  int32_t Value;
  const char* Name;
};

// The colour names in the order GetColorValues hands them out (and colour pickers list
// them): the sixteen standard colours from black to white, the four extra named colours,
// then the system colours in alphabetical order of their names, with clDefault and clNone
// taking their alphabetical places among them.
const TIdentMapEntry kColors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

const TIdentMapEntry kCursors[] = {
    {crDefault, "crDefault"},     {crArrow, "crArrow"},         {crCross, "crCross"},
    {crIBeam, "crIBeam"},         {crSizeNESW, "crSizeNESW"},   {crSizeNS, "crSizeNS"},
    {crSizeNWSE, "crSizeNWSE"},   {crSizeWE, "crSizeWE"},       {crUpArrow, "crUpArrow"},
    {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},           {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"},       {crVSplit, "crVSplit"},       {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"},     {crNo, "crNo"},               {crAppStart, "crAppStart"},
    {crHelp, "crHelp"},           {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"},
    {crNone, "crNone"},
};

template <size_t N>
bool IntToIdentOf(const TIdentMapEntry (&map)[N], int32_t value, std::string& ident) {
  for (const auto& e : map)
    if (e.Value == value) {
      ident = e.Name;
      return true;
    }
  return false;
}

template <size_t N>
bool IdentToIntOf(const TIdentMapEntry (&map)[N], const std::string& ident, int32_t& value) {
  for (const auto& e : map)
    if (SameText(ident, e.Name)) {
      value = e.Value;
      return true;
    }
  return false;
}

}  // namespace

TColor ColorToRGB(TColor Color) {
  if (Color < 0) return static_cast<TColor>(win::GetSysColor(Color & 0xFF));
  return Color;
}

bool ColorToIdent(int32_t Color, std::string& Ident) { return IntToIdentOf(kColors, Color, Ident); }

bool IdentToColor(const std::string& Ident, int32_t& Color) {
  return IdentToIntOf(kColors, Ident, Color);
}

std::string ColorToString(TColor Color) {
  std::string s;
  if (ColorToIdent(Color, s)) return s;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%.8X", static_cast<unsigned>(Color));
  return buf;
}

TColor StringToColor(const std::string& S) {
  int32_t v = 0;
  if (IdentToColor(S, v)) return v;
  // "$" followed by up to eight hexadecimal digits gives the 32-bit pattern (system colours
  // and negative values included); everything else goes through the integer conversion.
  size_t i = 0;
  while (i < S.size() && S[i] == ' ') ++i;
  if (i < S.size() && S[i] == '$') {
    size_t j = i + 1;
    uint32_t value = 0;
    size_t digits = 0;
    while (j < S.size() && std::isxdigit(static_cast<unsigned char>(S[j]))) {
      const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(S[j])));
      value = value * 16 + static_cast<uint32_t>(c <= '9' ? c - '0' : c - 'A' + 10);
      ++digits;
      ++j;
    }
    if (digits > 0 && digits <= 8 && j == S.size()) return static_cast<TColor>(value);
  }
  return StrToInt(S);
}

void GetColorValues(const std::function<void(const std::string&)>& Proc) {
  for (const auto& e : kColors) Proc(e.Name);
}

const TTypeInfo* ColorTypeInfo() {
  static const TTypeInfo* const info =
      MakeIntegerConstsTypeInfo("TColor", INT32_MIN, INT32_MAX, &IdentToColor, &ColorToIdent);
  return info;
}

bool CursorToIdent(int32_t Cursor, std::string& Ident) {
  return IntToIdentOf(kCursors, Cursor, Ident);
}

bool IdentToCursor(const std::string& Ident, int32_t& Cursor) {
  return IdentToIntOf(kCursors, Ident, Cursor);
}

std::string CursorToString(TCursor Cursor) {
  std::string s;
  if (CursorToIdent(Cursor, s)) return s;
  return IntToStr(Cursor);
}

TCursor StringToCursor(const std::string& S) {
  int32_t v = 0;
  if (IdentToCursor(S, v)) return static_cast<TCursor>(v);
  v = StrToInt(S);
  if (v < INT16_MIN || v > INT16_MAX) throw EConvertError(Format(SInvalidInteger, {S}));
  return static_cast<TCursor>(v);
}

void GetCursorValues(const std::function<void(const std::string&)>& Proc) {
  for (const auto& e : kCursors) Proc(e.Name);
}

const TTypeInfo* CursorTypeInfo() {
  static const TTypeInfo* const info =
      MakeIntegerConstsTypeInfo("TCursor", INT16_MIN, INT16_MAX, &IdentToCursor, &CursorToIdent);
  return info;
}

}  // namespace vcl
