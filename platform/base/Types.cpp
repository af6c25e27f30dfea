#include "platform/base/Types.h"

#include <algorithm>

namespace win {

BOOL SetRect(LPRECT r, int l, int t, int rr, int b) {
  if (!r) return FALSE;
  *r = {l, t, rr, b};
  return TRUE;
}

BOOL CopyRect(LPRECT dst, const RECT* src) {
  if (!dst || !src) return FALSE;
  *dst = *src;
  return TRUE;
}

BOOL IsRectEmpty(const RECT* r) { return !r || r->Right <= r->Left || r->Bottom <= r->Top; }

BOOL EqualRect(const RECT* a, const RECT* b) { return a && b && *a == *b; }

BOOL PtInRect(const RECT* r, POINT p) {
  return r && p.X >= r->Left && p.X < r->Right && p.Y >= r->Top && p.Y < r->Bottom;
}

// Offsets and insets that would carry an edge past int's range leave it at the limit.
BOOL OffsetRect(LPRECT r, int dx, int dy) {
  if (!r) return FALSE;
  *r = {vcl::ClampToInt(int64_t{r->Left} + dx), vcl::ClampToInt(int64_t{r->Top} + dy),
        vcl::ClampToInt(int64_t{r->Right} + dx), vcl::ClampToInt(int64_t{r->Bottom} + dy)};
  return TRUE;
}

BOOL InflateRect(LPRECT r, int dx, int dy) {
  if (!r) return FALSE;
  *r = {vcl::ClampToInt(int64_t{r->Left} - dx), vcl::ClampToInt(int64_t{r->Top} - dy),
        vcl::ClampToInt(int64_t{r->Right} + dx), vcl::ClampToInt(int64_t{r->Bottom} + dy)};
  return TRUE;
}

BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  RECT r{std::max(a->Left, b->Left), std::max(a->Top, b->Top), std::min(a->Right, b->Right),
         std::min(a->Bottom, b->Bottom)};
  if (IsRectEmpty(&r)) {
    *dst = {};
    return FALSE;
  }
  *dst = r;
  return TRUE;
}

BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  const bool ea = IsRectEmpty(a), eb = IsRectEmpty(b);
  if (ea && eb) {
    *dst = {};
    return FALSE;
  }
  if (ea) {
    *dst = *b;
  } else if (eb) {
    *dst = *a;
  } else {
    *dst = {std::min(a->Left, b->Left), std::min(a->Top, b->Top), std::max(a->Right, b->Right),
            std::max(a->Bottom, b->Bottom)};
  }
  return TRUE;
}

// The platform subtracts only when the result is still a rectangle: b must cover a whole
// side of a; otherwise the result is a itself.
BOOL SubtractRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  RECT r = *a;
  RECT i;
  if (IntersectRect(&i, a, b)) {
    if (i.Top == r.Top && i.Bottom == r.Bottom) {
      if (i.Left == r.Left) r.Left = i.Right;
      else if (i.Right == r.Right) r.Right = i.Left;
    } else if (i.Left == r.Left && i.Right == r.Right) {
      if (i.Top == r.Top) r.Top = i.Bottom;
      else if (i.Bottom == r.Bottom) r.Bottom = i.Top;
    }
  }
  *dst = r;
  return !IsRectEmpty(dst);
}

}  // namespace win
