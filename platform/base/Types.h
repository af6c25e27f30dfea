// Basic platform types: integer aliases, handles, points, rectangles and sizes.
//
// The window-system API of the stand-in layer lives in namespace `win`; the framework
// (run-time library, classes, graphics, controls) in namespace `vcl`, which sees these
// geometry types under the same names.
#pragma once

#include <cstdint>

#include "platform/base/FixedName.h"
#include "platform/base/Numbers.h"

namespace win {

using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using LONG = int32_t;
using ULONG = uint32_t;
using SHORT = int16_t;
using USHORT = uint16_t;
using BOOL = int32_t;
using CHAR = char;
using WCHAR = char16_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using ATOM = uint16_t;
using COLORREF = uint32_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;
using INT_PTR = intptr_t;
using UINT_PTR = uintptr_t;
using LONG_PTR = intptr_t;
using DWORD_PTR = uintptr_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Handles are distinct pointer types, so that a brush cannot be passed where a window is
// expected; HGDIOBJ and HANDLE accept any of them, as on the platform.
template <vcl::TFixedName Name>
struct THandleOf {
  int unused;
};
using HWND = THandleOf<"HWND">*;
using HDC = THandleOf<"HDC">*;
using HBITMAP = THandleOf<"HBITMAP">*;
using HBRUSH = THandleOf<"HBRUSH">*;
using HPEN = THandleOf<"HPEN">*;
using HFONT = THandleOf<"HFONT">*;
using HRGN = THandleOf<"HRGN">*;
using HPALETTE = THandleOf<"HPALETTE">*;
using HICON = THandleOf<"HICON">*;
using HMENU = THandleOf<"HMENU">*;
using HINSTANCE = THandleOf<"HINSTANCE">*;
using HKEY = THandleOf<"HKEY">*;
using HHOOK = THandleOf<"HHOOK">*;
using HMONITOR = THandleOf<"HMONITOR">*;
using HCURSOR = HICON;
using HMODULE = HINSTANCE;
using HGDIOBJ = void*;
using HANDLE = void*;

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};
using POINT = TPoint;
using LPPOINT = POINT*;

struct TSmallPoint {
  int16_t x = 0;
  int16_t y = 0;
  friend bool operator==(const TSmallPoint&, const TSmallPoint&) = default;
};

// Right and bottom are exclusive, as everywhere on the platform.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  // Held within int's range for a rectangle that spans more than it.
  int32_t Width() const { return vcl::ClampToInt(int64_t{Right} - Left); }
  int32_t Height() const { return vcl::ClampToInt(int64_t{Bottom} - Top); }
  TPoint TopLeft() const { return {Left, Top}; }
  TPoint BottomRight() const { return {Right, Bottom}; }
  friend bool operator==(const TRect&, const TRect&) = default;
};
using RECT = TRect;
using LPRECT = RECT*;
using LPCRECT = const RECT*;

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};
using SIZE = TSize;
using LPSIZE = SIZE*;

// The framework's constructors of the geometry types.
inline TPoint Point(int32_t x, int32_t y) { return {x, y}; }
inline TRect Rect(int32_t l, int32_t t, int32_t r, int32_t b) { return {l, t, r, b}; }
// The far edges stop at int's limits.
inline TRect Bounds(int32_t l, int32_t t, int32_t w, int32_t h) {
  return {l, t, vcl::ClampToInt(int64_t{l} + w), vcl::ClampToInt(int64_t{t} + h)};
}
inline TSmallPoint SmallPoint(int32_t x, int32_t y) {
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}
inline TPoint PointFromLParam(LPARAM lp) {
  return {static_cast<int16_t>(lp & 0xFFFF), static_cast<int16_t>((lp >> 16) & 0xFFFF)};
}

// The platform's rectangle helpers (USER32), with their signatures.
BOOL SetRect(LPRECT r, int l, int t, int rr, int b);
BOOL CopyRect(LPRECT dst, const RECT* src);
BOOL IsRectEmpty(const RECT* r);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* r, POINT p);
BOOL OffsetRect(LPRECT r, int dx, int dy);
BOOL InflateRect(LPRECT r, int dx, int dy);
BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b);
BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b);
BOOL SubtractRect(LPRECT dst, const RECT* a, const RECT* b);

// Word and byte packing macros of the platform, as functions.
constexpr WORD LOWORD(uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr BYTE LOBYTE(uintptr_t v) { return static_cast<BYTE>(v & 0xFF); }
constexpr BYTE HIBYTE(uintptr_t v) { return static_cast<BYTE>((v >> 8) & 0xFF); }
constexpr DWORD MAKELONG(WORD lo, WORD hi) {
  return static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16);
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) { return static_cast<LPARAM>(MAKELONG(lo, hi)); }
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) { return static_cast<WPARAM>(MAKELONG(lo, hi)); }
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<int16_t>(lp & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<int16_t>((lp >> 16) & 0xFFFF); }

// Colours: 0x00BBGGRR.
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

}  // namespace win

namespace vcl {
using win::Bounds;
using win::Point;
using win::Rect;
using win::SmallPoint;
using win::TPoint;
using win::TRect;
using win::TSize;
using win::TSmallPoint;
}  // namespace vcl
