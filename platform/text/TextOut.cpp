// Text metrics of the selected font and the text output functions.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <numbers>

#include "platform/text/Text.h"
#include "platform/text/TextCore.h"

namespace win {

using fontengine::TFontMetrics;
using fontengine::TRealizedFont;

namespace {

// Longest run one call accepts; longer counts are refused rather than trusted.
constexpr int kMaxRun = 1 << 20;

}  // namespace

BOOL GetTextMetricsA(HDC dc, LPTEXTMETRICA tm) {
  auto lock = fontengine::Lock();
  gdi::DCObj* d = gdi::LookupDC(dc);
  if (!d || !tm) return FALSE;
  const TFontMetrics& m = textcore::FontOf(*d).Metrics();
  textcore::FillTextMetric(*tm, m);
  return TRUE;
}

BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, LPSIZE size) {
  auto lock = fontengine::Lock();
  gdi::DCObj* d = gdi::LookupDC(dc);
  if (!d || !size || count < 0 || count > kMaxRun || (count > 0 && !text)) return FALSE;
  TRealizedFont& font = textcore::FontOf(*d);
  size->cx = textcore::RunWidth(font, text, count, d->S.CharExtra);
  size->cy = font.Metrics().Height;
  return TRUE;
}

BOOL GetTextExtentExPointA(HDC dc, LPCSTR text, int count, int maxExtent, LPINT fit, LPINT dx,
                           LPSIZE size) {
  auto lock = fontengine::Lock();
  gdi::DCObj* d = gdi::LookupDC(dc);
  if (!d || !size || count < 0 || count > kMaxRun || (count > 0 && !text)) return FALSE;
  TRealizedFont& font = textcore::FontOf(*d);
  int x = 0, fitted = 0;
  bool stillFits = true;
  for (int i = 0; i < count; ++i) {
    x = textcore::Clamped(int64_t(x) + font.Advance(static_cast<uint8_t>(text[i])) + d->S.CharExtra);
    if (dx) dx[i] = x;
    if (stillFits && x <= maxExtent) ++fitted;
    else stillFits = false;
  }
  if (fit) *fit = fitted;
  size->cx = x;
  size->cy = font.Metrics().Height;
  return TRUE;
}

BOOL GetCharWidth32A(HDC dc, UINT first, UINT last, LPINT widths) {
  auto lock = fontengine::Lock();
  gdi::DCObj* d = gdi::LookupDC(dc);
  if (!d || !widths || first > last || last > 255) return FALSE;
  TRealizedFont& font = textcore::FontOf(*d);
  for (UINT c = first; c <= last; ++c) widths[c - first] = font.Advance(static_cast<uint8_t>(c));
  return TRUE;
}

BOOL GetCharWidthA(HDC dc, UINT first, UINT last, LPINT widths) {
  return GetCharWidth32A(dc, first, last, widths);
}

BOOL GetCharABCWidthsA(HDC dc, UINT first, UINT last, LPABC widths) {
  auto lock = fontengine::Lock();
  gdi::DCObj* d = gdi::LookupDC(dc);
  if (!d || !widths || first > last || last > 255) return FALSE;
  TRealizedFont& font = textcore::FontOf(*d);
  if (!font.IsTrueType()) return FALSE;  // as on the platform: outline fonts only
  for (UINT c = first; c <= last; ++c) {
    ABC& abc = widths[c - first];
    font.ABCWidths(static_cast<uint8_t>(c), abc.abcA, abc.abcB, abc.abcC);
  }
  return TRUE;
}

int GetTextFaceA(HDC dc, int count, LPSTR name) {
  auto lock = fontengine::Lock();
  gdi::DCObj* d = gdi::LookupDC(dc);
  if (!d) return 0;
  const std::string& face = textcore::FontOf(*d).FaceName();
  if (!name) return static_cast<int>(face.size()) + 1;
  if (count <= 0) return 0;
  int n = std::min(count - 1, static_cast<int>(face.size()));
  std::memcpy(name, face.data(), size_t(n));
  name[n] = 0;
  return n + 1;
}

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count) {
  if (count < 0) return FALSE;
  return ExtTextOutA(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const INT* dx) {
  auto lock = fontengine::Lock();
  gdi::DCObj* d = gdi::LookupDC(dc);
  if (!d || count > UINT(kMaxRun) || (count > 0 && !text)) return FALSE;
  if (!d->Target()) return FALSE;
  TRealizedFont& font = textcore::FontOf(*d);
  const TFontMetrics& m = font.Metrics();
  int n = static_cast<int>(count);
  UINT align = d->S.TextAlign;
  POINT ref{x, y};
  if (align & TA_UPDATECP) ref = d->S.CurrentPos;

  int total = 0;
  if (dx) {
    int64_t sum = 0;
    for (int i = 0; i < n; ++i) sum += dx[i];
    total = textcore::Clamped(sum);
  } else {
    total = textcore::RunWidth(font, text, n, d->S.CharExtra);
  }

  int along = 0;  // from the reference point to the baseline start, along the text
  if ((align & TA_CENTER) == TA_CENTER)
    along = -total / 2;
  else if (align & TA_RIGHT)
    along = -total;
  int across = 0;  // downwards from the reference point to the baseline
  if ((align & TA_BASELINE) == TA_BASELINE)
    across = 0;
  else if (align & TA_BOTTOM)
    across = -m.Descent;
  else
    across = m.Ascent;

  int sx = textcore::SurfaceX(*d, ref.X), sy = textcore::SurfaceY(*d, ref.Y);
  int bx, by;
  double cs = 1, sn = 0;
  if (font.Escapement() == 0) {
    bx = textcore::Clamped(int64_t(sx) + along);
    by = textcore::Clamped(int64_t(sy) + across);
  } else {
    double a = font.Escapement() * std::numbers::pi / 1800.0;
    cs = std::cos(a);
    sn = std::sin(a);
    bx = textcore::Clamped(std::llround(sx + along * cs + across * sn));
    by = textcore::Clamped(std::llround(sy - along * sn + across * cs));
  }

  gdi::DrawScope scope(*d);
  TRect clip;
  bool clipped = false;
  if (rect) {
    TRect r = textcore::SurfaceRect(*d, *rect);
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    if (options & ETO_OPAQUE)
      if (r.Left < r.Right && r.Top < r.Bottom) gdi::FillSurfaceRect(*d, r, gdi::ResolveColor(d, d->S.BkColor));
    if (options & ETO_CLIPPED) {
      clip = r;
      clipped = true;
    }
  }
  textcore::TRunPaint run;
  run.Text = text;
  run.Count = n;
  run.Dx = dx;
  run.CharExtra = d->S.CharExtra;
  run.BaselineX = bx;
  run.BaselineY = by;
  run.Clip = clipped ? &clip : nullptr;
  run.Opaque = d->S.BkMode == OPAQUE;
  run.TextColor = d->S.TextColor;
  run.BkColor = d->S.BkColor;
  if (n > 0) textcore::PaintRun(*d, font, run);

  if (align & TA_UPDATECP) {
    int move = 0;
    if ((align & TA_CENTER) == TA_CENTER)
      move = 0;
    else if (align & TA_RIGHT)
      move = -total;
    else
      move = total;
    d->S.CurrentPos.X = textcore::Clamped(d->S.CurrentPos.X + std::llround(move * cs));
    d->S.CurrentPos.Y = textcore::Clamped(d->S.CurrentPos.Y - std::llround(move * sn));
  }
  return TRUE;
}

}  // namespace win
