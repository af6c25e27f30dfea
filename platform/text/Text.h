// Text of the window system: metrics of the font selected into a device context, text
// output (TextOut, ExtTextOut), formatted text (DrawText) and font enumeration.
//
// Strings are code page 1252 bytes. A count of -1 means "up to the terminating zero" where
// the platform allows it (DrawText); TextOut and the extent functions take exact counts.
#pragma once

#include "platform/base/Types.h"
#include "platform/gdi/Gdi.h"

namespace win {

using LPINT = INT*;

// ---------------------------------------------------------------------------------------------
// Metrics
struct ABC {
  int abcA = 0;
  UINT abcB = 0;
  int abcC = 0;
};
using LPABC = ABC*;

BOOL GetTextMetricsA(HDC dc, LPTEXTMETRICA tm);
// Width of the string (advances plus the character extra of every character) and the
// font's cell height.
BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, LPSIZE size);
inline BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int count, LPSIZE size) {
  return GetTextExtentPoint32A(dc, text, count, size);
}
// Also reports how many characters fit into maxExtent (when fit is given) and the running
// extents after each character (when dx is given; count entries).
BOOL GetTextExtentExPointA(HDC dc, LPCSTR text, int count, int maxExtent, LPINT fit, LPINT dx,
                           LPSIZE size);
BOOL GetCharWidthA(HDC dc, UINT first, UINT last, LPINT widths);
BOOL GetCharWidth32A(HDC dc, UINT first, UINT last, LPINT widths);
BOOL GetCharABCWidthsA(HDC dc, UINT first, UINT last, LPABC widths);
// Copies the face name of the selected font; returns the characters copied including the
// terminating zero, or the length of the name plus one when name is null.
int GetTextFaceA(HDC dc, int count, LPSTR name);
inline int GetTextFace(HDC dc, int count, LPSTR name) { return GetTextFaceA(dc, count, name); }

// ---------------------------------------------------------------------------------------------
// Output
constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;
constexpr UINT ETO_GLYPH_INDEX = 0x0010;
constexpr UINT ETO_RTLREADING = 0x0080;
constexpr UINT ETO_IGNORELANGUAGE = 0x1000;
constexpr UINT ETO_PDY = 0x2000;

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count);
inline BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int count) {
  return TextOutA(dc, x, y, text, count);
}
// dx, when given, holds the distance from each character's origin to the next one's
// (replacing advance and character extra).
BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const INT* dx);
inline BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text,
                       UINT count, const INT* dx) {
  return ExtTextOutA(dc, x, y, options, rect, text, count, dx);
}

// ---------------------------------------------------------------------------------------------
// Formatted text
constexpr UINT DT_TOP = 0x00000000;
constexpr UINT DT_LEFT = 0x00000000;
constexpr UINT DT_CENTER = 0x00000001;
constexpr UINT DT_RIGHT = 0x00000002;
constexpr UINT DT_VCENTER = 0x00000004;
constexpr UINT DT_BOTTOM = 0x00000008;
constexpr UINT DT_WORDBREAK = 0x00000010;
constexpr UINT DT_SINGLELINE = 0x00000020;
constexpr UINT DT_EXPANDTABS = 0x00000040;
constexpr UINT DT_TABSTOP = 0x00000080;
constexpr UINT DT_NOCLIP = 0x00000100;
constexpr UINT DT_EXTERNALLEADING = 0x00000200;
constexpr UINT DT_CALCRECT = 0x00000400;
constexpr UINT DT_NOPREFIX = 0x00000800;
constexpr UINT DT_INTERNAL = 0x00001000;
constexpr UINT DT_EDITCONTROL = 0x00002000;
constexpr UINT DT_PATH_ELLIPSIS = 0x00004000;
constexpr UINT DT_END_ELLIPSIS = 0x00008000;
constexpr UINT DT_MODIFYSTRING = 0x00010000;
constexpr UINT DT_RTLREADING = 0x00020000;
constexpr UINT DT_WORD_ELLIPSIS = 0x00040000;
constexpr UINT DT_NOFULLWIDTHCHARBREAK = 0x00080000;
constexpr UINT DT_HIDEPREFIX = 0x00100000;
constexpr UINT DT_PREFIXONLY = 0x00200000;

struct DRAWTEXTPARAMS {
  UINT cbSize = sizeof(DRAWTEXTPARAMS);
  int iTabLength = 0;    // in average character widths
  int iLeftMargin = 0;
  int iRightMargin = 0;
  UINT uiLengthDrawn = 0;  // out: characters processed
};
using LPDRAWTEXTPARAMS = DRAWTEXTPARAMS*;

// Returns the height of the text drawn (0 on failure). With DT_CALCRECT nothing is drawn and
// the rectangle receives the size the text needs. The text is laid out as level text whatever
// the DC's text alignment; a rotated font turns each line about its top-left corner.
// DT_VCENTER and DT_BOTTOM act on single lines only; the ellipsis flags shorten lines wider
// than the rectangle (the end ellipsis only the text's last line). Texts longer than 2^20
// characters are refused. DrawTextA leaves its constant text alone even with DT_MODIFYSTRING.
int DrawTextA(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format);
inline int DrawText(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format) {
  return DrawTextA(dc, text, count, rect, format);
}
// With DT_MODIFYSTRING (and an ellipsis flag) the text buffer receives the shortened
// string; it must have room for count + 4 characters.
int DrawTextExA(HDC dc, LPSTR text, int count, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params);
inline int DrawTextEx(HDC dc, LPSTR text, int count, LPRECT rect, UINT format,
                      LPDRAWTEXTPARAMS params) {
  return DrawTextExA(dc, text, count, rect, format, params);
}

// ---------------------------------------------------------------------------------------------
// Enumeration
struct ENUMLOGFONTA {
  LOGFONTA elfLogFont;
  BYTE elfFullName[LF_FULLFACESIZE] = {0};
  BYTE elfStyle[LF_FACESIZE] = {0};
};
using ENUMLOGFONT = ENUMLOGFONTA;

struct ENUMLOGFONTEXA {
  LOGFONTA elfLogFont;
  BYTE elfFullName[LF_FULLFACESIZE] = {0};
  BYTE elfStyle[LF_FACESIZE] = {0};
  BYTE elfScript[LF_FACESIZE] = {0};
};

// The metrics of TEXTMETRICA, followed by those only font enumeration reports.
struct NEWTEXTMETRICA : TEXTMETRICA {
  DWORD ntmFlags = 0;
  UINT ntmSizeEM = 0;
  UINT ntmCellHeight = 0;
  UINT ntmAvgWidth = 0;
};
using NEWTEXTMETRIC = NEWTEXTMETRICA;

struct FONTSIGNATURE {
  DWORD fsUsb[4] = {0, 0, 0, 0};
  DWORD fsCsb[2] = {0, 0};
};
struct NEWTEXTMETRICEXA {
  NEWTEXTMETRICA ntmTm;
  FONTSIGNATURE ntmFontSig;
};

constexpr DWORD NTM_REGULAR = 0x00000040;
constexpr DWORD NTM_BOLD = 0x00000020;
constexpr DWORD NTM_ITALIC = 0x00000001;

// The callback receives an ENUMLOGFONTA (ENUMLOGFONTEXA for the Ex form) and a
// NEWTEXTMETRICA (NEWTEXTMETRICEXA) behind the two pointers, as on the platform; a zero
// result stops the enumeration, which then returns it.
using FONTENUMPROCA = int (*)(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD fontType, LPARAM data);
using FONTENUMPROC = FONTENUMPROCA;

// Without a family: one call per face (the pinned faces and the substituted names, sorted).
// With a family: one call per style of a TrueType face, one per strike size of a raster face.
int EnumFontFamiliesA(HDC dc, LPCSTR family, FONTENUMPROCA proc, LPARAM data);
inline int EnumFontFamilies(HDC dc, LPCSTR family, FONTENUMPROCA proc, LPARAM data) {
  return EnumFontFamiliesA(dc, family, proc, data);
}
// lf->lfFaceName empty: every face; lfCharSet DEFAULT_CHARSET or the face's own charset.
int EnumFontFamiliesExA(HDC dc, LPLOGFONTA lf, FONTENUMPROCA proc, LPARAM data, DWORD flags);
int EnumFontsA(HDC dc, LPCSTR face, FONTENUMPROCA proc, LPARAM data);
inline int EnumFonts(HDC dc, LPCSTR face, FONTENUMPROCA proc, LPARAM data) {
  return EnumFontsA(dc, face, proc, data);
}

// Fonts installed and removed while a program runs. RemoveFontResourceA takes the face whose
// regular style the file holds out of the enumeration (and its substituted names); false for a
// file no listed face comes from. AddFontResourceA lists a removed face again and answers the
// number of faces the file added (0 for a file the font catalogue does not hold: no other file
// can be loaded). Neither tells the windows: the program that changed the fonts sends
// WM_FONTCHANGE to the top-level windows, as on the platform.
int AddFontResourceA(LPCSTR file);
BOOL RemoveFontResourceA(LPCSTR file);
// Lists every removed face again (a new window system starts with the whole catalogue).
void ResetFontResources();

}  // namespace win
