// The DC and object guards give back what they took, in the order the DC needs.
#include <gtest/gtest.h>

#include "GdiTestUtil.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/gdi/GdiInternal.h"

using namespace win;

namespace {

TRect ClipOf(HDC dc) {
  TRect r;
  GetClipBox(dc, &r);
  return r;
}

TEST(Guards, SavedClipNarrowsWithinTheKeptClipAndRestoresIt) {
  gditest::Canvas c(50, 40);
  const size_t live = gdi::LiveObjectCount();
  {
    TSavedClip clip(c.dc());
    clip.Intersect(TOwnedObject<HRGN>(CreateRectRgn(10, 10, 30, 30)));
    EXPECT_EQ(ClipOf(c.dc()), (TRect{10, 10, 30, 30}));
  }
  EXPECT_EQ(ClipOf(c.dc()), (TRect{0, 0, 50, 40}));  // no clip region again
  IntersectClipRect(c.dc(), 0, 0, 20, 20);
  {
    TSavedClip clip(c.dc());
    clip.Intersect(TOwnedObject<HRGN>(CreateRectRgn(10, 10, 30, 30)));
    EXPECT_EQ(ClipOf(c.dc()), (TRect{10, 10, 20, 20}));  // never wider than the kept clip
  }
  EXPECT_EQ(ClipOf(c.dc()), (TRect{0, 0, 20, 20}));
  EXPECT_EQ(gdi::LiveObjectCount(), live);
}

TEST(Guards, SelectedAndOwnedObjectsComeBackOrGoAway) {
  gditest::Canvas c(8, 8);
  const HGDIOBJ pen = GetCurrentObject(c.dc(), OBJ_PEN);
  const size_t live = gdi::LiveObjectCount();
  {
    TOwnedObject<HPEN> red(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    TSelectedObject selected(c.dc(), red);
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_PEN), red.Get());
    TSavedDC saved(c.dc());
    SelectObject(c.dc(), GetStockObject(WHITE_PEN));
  }
  EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_PEN), pen);
  EXPECT_EQ(gdi::LiveObjectCount(), live);
  HRGN kept;
  {
    TOwnedObject<HRGN> rgn(CreateRectRgn(0, 0, 1, 1));
    kept = rgn.Release();
  }
  EXPECT_EQ(GetObjectType(kept), OBJ_REGION);
  DeleteObject(kept);
  TSavedDC none(nullptr);  // a null DC is no DC to restore
  EXPECT_EQ(none.Level(), 0);
}

}  // namespace
