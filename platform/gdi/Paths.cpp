// Paths: figures recorded between BeginPath and EndPath (every line and shape call, curves
// flattened to polygons), then turned into a region, stroked or filled.
#include <algorithm>

#include "platform/gdi/GdiPrivate.h"

namespace win::gdi {

namespace {

struct Figure {
  std::vector<POINT> Points;
  bool Closed = false;
};

std::vector<Figure> Figures(const Path& p) {
  std::vector<Figure> out;
  for (size_t i = 0; i < p.Points.size(); ++i) {
    const BYTE t = p.Types[i];
    if ((t & ~PT_CLOSEFIGURE) == PT_MOVETO || out.empty()) out.push_back({});
    out.back().Points.push_back(p.Points[i]);
    if (t & PT_CLOSEFIGURE) out.back().Closed = true;
  }
  return out;
}

// The area of the path's figures (each closed implicitly), surface coordinates.
Region PathArea(DCObj& dc) {
  Path& p = *dc.CurPath;
  if (p.Widened) return p.Wide;
  std::vector<POINT> pts;
  std::vector<int> counts;
  for (const Figure& f : Figures(p)) {
    if (f.Points.size() < 2) continue;
    pts.insert(pts.end(), f.Points.begin(), f.Points.end());
    counts.push_back(int(f.Points.size()));
  }
  if (counts.empty()) return Region();
  return PolygonRegion(pts.data(), counts.data(), int(counts.size()), dc.S.PolyFillMode);
}

DCObj* ClosedPath(HDC h) {
  DCObj* dc = LookupDC(h);
  if (!dc || dc->PathOpen || !dc->CurPath) return nullptr;
  return dc;
}

}  // namespace

}  // namespace win::gdi

namespace win {

using namespace gdi;

BOOL BeginPath(HDC h) {
  DCObj* dc = LookupDC(h);
  if (!dc) return FALSE;
  dc->CurPath = std::make_unique<Path>();
  dc->PathOpen = true;
  return TRUE;
}

BOOL EndPath(HDC h) {
  DCObj* dc = LookupDC(h);
  if (!dc || !dc->PathOpen) return FALSE;
  dc->PathOpen = false;
  return TRUE;
}

BOOL AbortPath(HDC h) {
  DCObj* dc = LookupDC(h);
  if (!dc) return FALSE;
  dc->CurPath.reset();
  dc->PathOpen = false;
  return TRUE;
}

HRGN PathToRegion(HDC h) {
  DCObj* dc = ClosedPath(h);
  if (!dc) return nullptr;
  Region r = PathArea(*dc);
  r.Offset(-dc->SurfaceOrigin.X, -dc->SurfaceOrigin.Y);  // device coordinates
  dc->CurPath.reset();
  auto o = std::make_shared<RegionObj>();
  o->Rgn = std::move(r);
  return static_cast<HRGN>(AddObject(o));
}

BOOL StrokePath(HDC h) {
  DCObj* dc = ClosedPath(h);
  if (!dc || !dc->Target()) return FALSE;
  DrawScope scope(*dc);
  if (dc->CurPath->Widened) {
    // A widened path strokes as its area.
    const BrushObj* b = dc->S.Brush.get();
    if (b) FillRegionWithBrush(*dc, dc->CurPath->Wide, b, 0xF0);
  } else {
    for (const Figure& f : Figures(*dc->CurPath)) StrokeSurfacePolyline(*dc, f.Points, f.Closed);
  }
  dc->CurPath.reset();
  return TRUE;
}

BOOL StrokeAndFillPath(HDC h) {
  DCObj* dc = ClosedPath(h);
  if (!dc || !dc->Target()) return FALSE;
  DrawScope scope(*dc);
  const BrushObj* b = dc->S.Brush.get();
  if (b && b->Style != BS_NULL) FillRegionWithBrush(*dc, PathArea(*dc), b, Rop2ToRop3(dc->S.Rop2));
  for (const Figure& f : Figures(*dc->CurPath)) StrokeSurfacePolyline(*dc, f.Points, true);
  dc->CurPath.reset();
  return TRUE;
}

BOOL WidenPath(HDC h) {
  DCObj* dc = ClosedPath(h);
  if (!dc) return FALSE;
  Region wide;
  for (const Figure& f : Figures(*dc->CurPath))
    wide = Region::Combine(wide, WidenSurfacePolyline(*dc, f.Points, f.Closed), RGN_OR);
  dc->CurPath->Widened = true;
  dc->CurPath->Wide = std::move(wide);
  return TRUE;
}

int GetPath(HDC h, LPPOINT points, BYTE* types, int count) {
  DCObj* dc = ClosedPath(h);
  if (!dc) return -1;
  const Path& p = *dc->CurPath;
  const int n = int(p.Points.size());
  if (count == 0) return n;
  if (count < n || !points || !types) return -1;
  for (int i = 0; i < n; ++i) {
    points[i] = {p.Points[i].X - dc->ToSurfaceX(0), p.Points[i].Y - dc->ToSurfaceY(0)};
    types[i] = p.Types[i];
  }
  return n;
}

}  // namespace win
