// Pens and path recording shared by the line, shape and pixel drawing files (not used outside
// platform/gdi).
#pragma once

#include <vector>

#include "platform/gdi/GdiPrivate.h"

namespace win::gdi::draw_internal {

constexpr double kPi = 3.14159265358979323846;

struct PenInfo {
  bool Null = true;
  bool Wide = false;
  int Width = 1;
  uint32_t Pixel = 0;
  uint32_t BkPixel = 0;
  bool Opaque = false;
  uint8_t Rop = 0xF0;
  bool InsideFrame = false;
  bool MiterJoin = false;  // geometric pens asking for square corners
  UINT Cap = PS_ENDCAP_ROUND;
  std::vector<int> Dashes;  // on/off run lengths; empty = solid
};

// The DC's pen resolved for drawing on its surface.
PenInfo RealizePen(DCObj& dc);
// The pixels a wide pen covers along a polyline of surface points, within `limit` (and a pixel
// round it).
Region WideStroke(const std::vector<POINT>& pts, bool closed, const PenInfo& pen,
                  const TRect& limit);
// Paints a region (surface coordinates) with the pen's pixel and mix mode, through the clip.
void PaintPenRegion(DCObj& dc, const PenInfo& pen, const Region& r);
// Draws a polyline (surface points) with the DC's pen.
void StrokePolyline(DCObj& dc, const std::vector<POINT>& pts, bool closed);

// Path recording (surface points).
inline bool Recording(DCObj& dc) { return dc.PathOpen && dc.CurPath; }
void PathMove(DCObj& dc, POINT p);
void PathLine(DCObj& dc, POINT p);
void PathClose(DCObj& dc);
void PathPolygon(DCObj& dc, const std::vector<POINT>& pts);

std::vector<POINT> ToSurfacePoints(DCObj& dc, const POINT* pts, size_t n);

}  // namespace win::gdi::draw_internal

// Opens a drawing call on the DC of `h`: answers `ret` without a DC or a surface.
#define ZYL_DRAW_DC(ret)                \
  DCObj* dc = LookupDC(h);              \
  if (!dc || !dc->Target()) return ret; \
  DrawScope scope(*dc)
