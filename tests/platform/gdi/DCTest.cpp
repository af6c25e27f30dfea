#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiInternal.h"
#include "tests/platform/gdi/GdiTestUtil.h"

using namespace win;
using namespace gditest;

TEST(DeviceContexts, NewMemoryDCHoldsTheStockMonochromeBitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
  HBITMAP bm = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
  BITMAP b;
  ASSERT_EQ(GetObject(bm, sizeof b, &b), int(sizeof b));
  EXPECT_EQ(b.bmWidth, 1);
  EXPECT_EQ(b.bmBitsPixel, 1);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 1);
  EXPECT_TRUE(GetDeviceCaps(dc, RASTERCAPS) & RC_STRETCHBLT);
  // A compatible bitmap of a fresh memory DC is monochrome.
  HBITMAP mono = CreateCompatibleBitmap(dc, 4, 4);
  GetObject(mono, sizeof b, &b);
  EXPECT_EQ(b.bmBitsPixel, 1);
  DeleteObject(mono);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_EQ(GetBkColor(dc), CLR_INVALID);
}

TEST(DeviceContexts, SaveAndRestoreIncludingNegativeLevels) {
  Canvas c(4, 4);
  HDC dc = c.dc();
  SetTextColor(dc, kRed);
  HBRUSH b = CreateSolidBrush(kBlue);
  const int first = SaveDC(dc);
  EXPECT_EQ(first, 1);
  SelectObject(dc, b);
  SetTextColor(dc, kGreen);
  SetWindowOrgEx(dc, 5, 5, nullptr);
  IntersectClipRect(dc, 5, 5, 6, 6);
  EXPECT_EQ(SaveDC(dc), 2);
  SetTextColor(dc, kBlue);
  EXPECT_EQ(SaveDC(dc), 3);
  SetTextColor(dc, kBlack);
  EXPECT_TRUE(RestoreDC(dc, -1));  // back to level 3's state
  EXPECT_EQ(GetTextColor(dc), kBlue);
  EXPECT_TRUE(RestoreDC(dc, 1));
  EXPECT_EQ(GetTextColor(dc), kRed);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  POINT org;
  GetWindowOrgEx(dc, &org);
  EXPECT_EQ(org, Point(0, 0));
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(dc, r), 0);  // no clip region any more
  DeleteObject(r);
  EXPECT_FALSE(RestoreDC(dc, 1));  // nothing saved now
  EXPECT_FALSE(RestoreDC(dc, -1));
  EXPECT_TRUE(DeleteObject(b));
}

TEST(DeviceContexts, ClippingCalls) {
  Canvas c(20, 20);
  HDC dc = c.dc();
  auto clipBox = [&](int kind) {
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), kind);
    return box;
  };
  EXPECT_EQ(clipBox(SIMPLEREGION), Rect(0, 0, 20, 20));
  EXPECT_EQ(IntersectClipRect(dc, 2, 2, 12, 12), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(dc, 4, 4, 6, 6), COMPLEXREGION);
  EXPECT_EQ(clipBox(COMPLEXREGION), Rect(2, 2, 12, 12));
  EXPECT_FALSE(PtVisible(dc, 5, 5));
  EXPECT_TRUE(PtVisible(dc, 3, 5));
  RECT probe{4, 4, 6, 6};
  EXPECT_FALSE(RectVisible(dc, &probe));
  EXPECT_EQ(OffsetClipRgn(dc, 5, 0), COMPLEXREGION);
  EXPECT_EQ(clipBox(COMPLEXREGION), Rect(7, 2, 17, 12));
  HRGN r = CreateRectRgn(0, 0, 0, 0), extra = CreateRectRgn(0, 0, 10, 10);
  EXPECT_EQ(GetClipRgn(dc, r), 1);
  EXPECT_TRUE(PtInRegion(r, 7, 2));
  // ExtSelectClipRgn combines with the current clip.
  EXPECT_EQ(ExtSelectClipRgn(dc, extra, RGN_AND), COMPLEXREGION);
  EXPECT_EQ(clipBox(COMPLEXREGION), Rect(7, 2, 10, 10));
  EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
  EXPECT_EQ(clipBox(SIMPLEREGION), Rect(0, 0, 20, 20));
  EXPECT_EQ(ExtSelectClipRgn(dc, nullptr, RGN_AND), ERROR);
  // Clip rectangles are logical; the clip region stays in device coordinates; the clip box is
  // answered in logical coordinates.
  SetViewportOrgEx(dc, 3, 0, nullptr);
  IntersectClipRect(dc, 0, 0, 2, 2);
  GetClipRgn(dc, r);
  RECT box;
  GetRgnBox(r, &box);
  EXPECT_EQ(box, Rect(3, 0, 5, 2));
  EXPECT_EQ(clipBox(SIMPLEREGION), Rect(0, 0, 2, 2));
  DeleteObject(r);
  DeleteObject(extra);
}

TEST(DeviceContexts, MixModesFollowTheirTruthTables) {
  Canvas c(16, 1);
  const uint32_t dst = 0x00C3A55A, pen = 0x00F00F66;  // pixels
  for (int mode = R2_BLACK; mode <= R2_WHITE; ++mode) {
    c.bits()[mode - 1] = dst;
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 1, gdi::PixelToColor(pen)), nullptr);
    SetROP2(c.dc(), mode);
    MoveToEx(c.dc(), mode - 1, 0, nullptr);
    LineTo(c.dc(), mode, 0);
    uint32_t expect = 0;
    for (int bit = 0; bit < 24; ++bit) {
      const int idx = (((pen >> bit) & 1) << 1) | ((dst >> bit) & 1);
      expect |= uint32_t(((mode - 1) >> idx) & 1) << bit;
    }
    EXPECT_EQ(c.bits()[mode - 1] & 0xFFFFFF, expect) << "mode " << mode;
  }
  EXPECT_EQ(SetROP2(c.dc(), 0), 0);
  EXPECT_EQ(SetROP2(c.dc(), 17), 0);
}

TEST(Objects, StockObjectsAndDeletion) {
  const size_t live = gdi::LiveObjectCount();
  EXPECT_EQ(GetObjectType(GetStockObject(WHITE_BRUSH)), OBJ_BRUSH);
  EXPECT_EQ(GetObjectType(GetStockObject(NULL_PEN)), OBJ_PEN);
  EXPECT_EQ(GetObjectType(GetStockObject(DEFAULT_GUI_FONT)), OBJ_FONT);
  EXPECT_EQ(GetObjectType(GetStockObject(DEFAULT_PALETTE)), OBJ_PAL);
  EXPECT_EQ(GetStockObject(9), nullptr);
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), OBJ_PEN);
  LOGBRUSH lb;
  GetObject(GetStockObject(LTGRAY_BRUSH), sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, RGB(192, 192, 192));
  LOGFONTA lf;
  ASSERT_EQ(GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf), int(sizeof lf));
  EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(lf.lfHeight, -11);
  // Objects created and deleted leave nothing behind; a pen deleted while selected stays
  // usable by its DC.
  {
    HPEN p = CreatePen(PS_SOLID, 1, kRed);
    MemDC dc(p, false);
    EXPECT_TRUE(DeleteObject(p));
    EXPECT_EQ(GetObjectType(p), 0u);
  }
  EXPECT_EQ(gdi::LiveObjectCount(), live);
  EXPECT_FALSE(DeleteObject(nullptr));
  EXPECT_EQ(SelectObject(nullptr, GetStockObject(WHITE_PEN)), nullptr);
}

TEST(Objects, FontsKeepTheirLogicalDescription) {
  HFONT f = CreateFontA(-13, 0, 900, 900, FW_BOLD, 1, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS,
                        "A face name longer than thirty-one characters");
  LOGFONTA lf;
  EXPECT_EQ(GetObject(f, 0, nullptr), int(sizeof lf));
  ASSERT_EQ(GetObject(f, sizeof lf, &lf), int(sizeof lf));
  EXPECT_EQ(lf.lfHeight, -13);
  EXPECT_EQ(lf.lfEscapement, 900);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfQuality, ANTIALIASED_QUALITY);
  EXPECT_EQ(std::strlen(lf.lfFaceName), size_t(LF_FACESIZE - 1));
  HFONT g = CreateFontIndirect(&lf);
  LOGFONTA lg;
  GetObject(g, sizeof lg, &lg);
  EXPECT_EQ(std::memcmp(&lf, &lg, sizeof lf), 0);
  DeleteObject(f);
  DeleteObject(g);
}

TEST(Objects, PensAndBrushesDescribeThemselves) {
  LOGBRUSH lb{BS_HATCHED, kRed, HS_CROSS};
  HBRUSH b = CreateBrushIndirect(&lb);
  LOGBRUSH back;
  GetObject(b, sizeof back, &back);
  EXPECT_EQ(back.lbStyle, BS_HATCHED);
  EXPECT_EQ(back.lbHatch, ULONG_PTR(HS_CROSS));
  EXPECT_EQ(CreateHatchBrush(6, kRed), nullptr);
  DeleteObject(b);
  LOGBRUSH pb{BS_SOLID, kBlue, 0};
  HPEN ext = ExtCreatePen(PS_GEOMETRIC | PS_DASH | PS_ENDCAP_FLAT, 4, &pb, 0, nullptr);
  ASSERT_NE(ext, nullptr);
  EXPECT_EQ(GetObjectType(ext), OBJ_EXTPEN);
  EXTLOGPEN elp;
  ASSERT_GT(GetObject(ext, sizeof elp, &elp), 0);
  EXPECT_EQ(elp.elpWidth, 4u);
  EXPECT_EQ(elp.elpColor, kBlue);
  EXPECT_EQ(elp.elpPenStyle & PS_ENDCAP_MASK, PS_ENDCAP_FLAT);
  DeleteObject(ext);
  EXPECT_EQ(ExtCreatePen(PS_COSMETIC | PS_SOLID, 3, &pb, 0, nullptr), nullptr);
  EXPECT_EQ(CreatePenIndirect(nullptr), nullptr);
}

TEST(Palettes, EntriesAndNearestIndex) {
  struct {
    LOGPALETTE lp;
    PALETTEENTRY more[2];
  } pal;
  pal.lp.palVersion = 0x300;
  pal.lp.palNumEntries = 3;
  pal.lp.palPalEntry[0] = {0, 0, 0, 0};
  pal.more[0] = {250, 10, 10, 0};
  pal.more[1] = {10, 10, 250, 0};
  HPALETTE h = CreatePalette(&pal.lp);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GetNearestPaletteIndex(h, RGB(200, 0, 0)), 1u);
  EXPECT_EQ(GetNearestPaletteIndex(h, RGB(0, 0, 200)), 2u);
  PALETTEENTRY e[3];
  EXPECT_EQ(GetPaletteEntries(h, 1, 5, e), 2u);
  EXPECT_EQ(e[0].peRed, 250);
  const PALETTEENTRY repl = {1, 2, 3, 0};
  EXPECT_EQ(SetPaletteEntries(h, 2, 1, &repl), 1u);
  GetPaletteEntries(h, 2, 1, e);
  EXPECT_EQ(e[0].peBlue, 3);
  WORD count = 0;
  GetObject(h, sizeof count, &count);
  EXPECT_EQ(count, 3);
  // PALETTEINDEX colours resolve through the selected palette.
  Canvas c(1, 1);
  HPALETTE old = SelectPalette(c.dc(), h, FALSE);
  EXPECT_EQ(RealizePalette(c.dc()), 0u);
  SetPixel(c.dc(), 0, 0, PALETTEINDEX(1));
  EXPECT_EQ(c.At(0, 0), RGB(250, 10, 10));
  SelectPalette(c.dc(), old, FALSE);
  DeleteObject(h);
}

TEST(SurfaceDCs, OriginAndVisibleRegionLimitDrawing) {
  auto screen = gdi::Surface::Create(30, 20);
  ASSERT_TRUE(screen);
  gdi::Region vis = gdi::Region::Combine(gdi::Region(Rect(10, 5, 20, 15)),
                                         gdi::Region(Rect(15, 5, 20, 10)), RGN_DIFF);
  HDC dc = gdi::CreateSurfaceDC(screen, {10, 5}, &vis);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 30);
  RECT all{0, 0, 30, 30};
  auto at = [&](int x, int y) { return screen->Row(y)[x] & 0xFFFFFF; };
  RECT box;
  EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
  EXPECT_EQ(box, Rect(0, 0, 10, 10));
  auto fill = [&] {
    for (int y = 0; y < 20; ++y) std::fill(screen->Row(y), screen->Row(y) + 30, 0xFFFFFFu);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  };
  fill();
  EXPECT_EQ(at(10, 5), 0u);
  EXPECT_EQ(at(9, 5), 0xFFFFFFu);
  EXPECT_EQ(at(16, 6), 0xFFFFFFu);  // cut out of the visible region
  EXPECT_EQ(at(16, 12), 0u);
  EXPECT_EQ(at(20, 12), 0xFFFFFFu);
  // The application's clip region is relative to the DC origin.
  HRGN clip = CreateRectRgn(0, 0, 1, 1);
  SelectClipRgn(dc, clip);
  fill();
  EXPECT_EQ(at(10, 5), 0u);
  EXPECT_EQ(at(11, 5), 0xFFFFFFu);
  // Moving the origin moves the clip with it.
  gdi::SetSurfaceDCOrigin(dc, {0, 0}, nullptr);
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(at(0, 0), 0u);
  EXPECT_EQ(at(1, 0), 0xFFFFFFu);
  DeleteObject(clip);
  DeleteDC(dc);
}

// Clip rectangles cut out of or kept from a window's DC narrow its effective clip step by step;
// what is drawn through it must be what the clip worked out afresh lets through.
struct ClipStep {
  bool Exclude;  // else intersect
  RECT R;        // logical
};
struct ClipCase {
  const char* Name;
  std::vector<ClipStep> Steps;
};
class NarrowedClip : public testing::TestWithParam<ClipCase> {};

TEST_P(NarrowedClip, DrawsWhatTheClipWorkedOutAfreshLetsThrough) {
  auto screen = gdi::Surface::Create(40, 30);
  ASSERT_TRUE(screen);
  const gdi::Region vis = gdi::Region::Combine(gdi::Region(Rect(7, 4, 37, 28)),
                                               gdi::Region(Rect(20, 4, 26, 12)), RGN_DIFF);
  HDC dc = gdi::CreateSurfaceDC(screen, {7, 4}, &vis);
  ASSERT_NE(dc, nullptr);
  SetViewportOrgEx(dc, 2, 1, nullptr);
  RECT box;
  GetClipBox(dc, &box);  // works the clip out before the steps
  for (const ClipStep& s : GetParam().Steps) {
    if (s.Exclude)
      ExcludeClipRect(dc, s.R.Left, s.R.Top, s.R.Right, s.R.Bottom);
    else
      IntersectClipRect(dc, s.R.Left, s.R.Top, s.R.Right, s.R.Bottom);
  }
  const RECT all{-50, -50, 100, 100};
  auto picture = [&] {
    for (int y = 0; y < 30; ++y) std::fill(screen->Row(y), screen->Row(y) + 40, 0xFFFFFFu);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    std::string rows;
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) rows += (screen->Row(y)[x] & 0xFFFFFF) ? '.' : '#';
      rows += '\n';
    }
    return rows;
  };
  const std::string stepped = picture();
  gdi::SetSurfaceDCOrigin(dc, {7, 4}, &vis);  // the same place: the clip is worked out again
  EXPECT_EQ(stepped, picture());
  EXPECT_NE(stepped.find('#'), std::string::npos);
  DeleteDC(dc);
}

INSTANTIATE_TEST_SUITE_P(
    SurfaceDCs, NarrowedClip,
    testing::Values(
        ClipCase{"OneHole", {{true, {5, 5, 12, 9}}}},
        ClipCase{"OverlappingHoles", {{true, {5, 5, 12, 9}}, {true, {9, 7, 20, 20}}}},
        ClipCase{"KeptThenCut", {{false, {0, 0, 25, 18}}, {true, {3, 3, 30, 6}}}},
        ClipCase{"CutKeptCutPastTheEdges",
                 {{true, {-10, -10, 4, 40}}, {false, {2, 2, 60, 60}}, {true, {20, 15, 90, 90}}}},
        ClipCase{"HoleOutsideTheWindow", {{true, {60, 60, 70, 70}}, {true, {10, 10, 11, 11}}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SurfaceDCs, CoverageMasksBlendThroughTheClip) {
  Canvas c(4, 2);
  gdi::DCObj* d = gdi::LookupDC(c.dc());
  ASSERT_NE(d, nullptr);
  IntersectClipRect(c.dc(), 0, 0, 3, 2);
  const uint8_t mask[8] = {255, 128, 0, 255, 255, 255, 255, 255};
  {
    gdi::DrawScope scope(*d);
    gdi::PaintCoverage(*d, 0, 0, mask, 4, 2, 4, RGB(0, 0, 0));
    gdi::FillSurfaceRect(*d, Rect(0, 1, 4, 2), RGB(255, 0, 0));
  }
  EXPECT_EQ(c.At(0, 0), kBlack);
  EXPECT_EQ(c.At(1, 0), RGB(127, 127, 127));
  EXPECT_EQ(c.At(2, 0), kWhite);
  EXPECT_EQ(c.At(3, 0), kWhite);  // clipped
  EXPECT_EQ(c.At(2, 1), kRed);
  EXPECT_EQ(c.At(3, 1), kWhite);
}

TEST(Icons, MaskAndImageCombine) {
  // A 2x1 icon: pixel 0 opaque red, pixel 1 transparent (mask 1, image black).
  const BYTE maskBits[2] = {0x40, 0};
  HBITMAP mask = CreateBitmap(2, 1, 1, 1, maskBits);
  HBITMAP color = CreateCompatibleBitmap(nullptr, 2, 1);
  {
    MemDC mem(color, false);
    SetPixel(mem.dc, 0, 0, kRed);
    SetPixel(mem.dc, 1, 0, kBlack);
  }
  ICONINFO ii{TRUE, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&ii);
  ASSERT_NE(icon, nullptr);
  DeleteObject(mask);  // the icon keeps its own copies
  DeleteObject(color);
  Canvas c(2, 1, kBlue);
  ASSERT_TRUE(DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(c.At(0, 0), kRed);
  EXPECT_EQ(c.At(1, 0), kBlue);
  c.Fill(kBlue);
  DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_MASK);
  EXPECT_EQ(c.At(0, 0), kBlack);
  EXPECT_EQ(c.At(1, 0), kBlue);
  DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_IMAGE);
  EXPECT_EQ(c.At(1, 0), kBlack);
  ICONINFO back;
  ASSERT_TRUE(GetIconInfo(icon, &back));
  BITMAP b;
  GetObject(back.hbmMask, sizeof b, &b);
  EXPECT_EQ(b.bmBitsPixel, 1);
  EXPECT_EQ(b.bmWidth, 2);
  DeleteObject(back.hbmMask);
  DeleteObject(back.hbmColor);
  HICON copy = CopyIcon(icon);
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));
  c.Fill(kBlue);
  EXPECT_TRUE(DrawIconEx(c.dc(), 0, 0, copy, 4, 2, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(c.At(0, 0), kRed);
  EXPECT_TRUE(DestroyIcon(copy));
  EXPECT_EQ(CreateIconIndirect(nullptr), nullptr);
}

TEST(DeviceContexts, DcBrushAndPenFollowTheirColours) {
  Canvas c(4, 1);
  HGDIOBJ oldBrush = SelectObject(c.dc(), GetStockObject(DC_BRUSH));
  HGDIOBJ oldPen = SelectObject(c.dc(), GetStockObject(DC_PEN));
  EXPECT_EQ(SetDCBrushColor(c.dc(), kRed), RGB(255, 255, 255));
  PatBlt(c.dc(), 0, 0, 2, 1, PATCOPY);
  EXPECT_EQ(c.At(1, 0), kRed);
  SetDCPenColor(c.dc(), kBlue);
  MoveToEx(c.dc(), 2, 0, nullptr);
  LineTo(c.dc(), 4, 0);
  EXPECT_EQ(c.At(3, 0), kBlue);
  EXPECT_EQ(GetDCPenColor(c.dc()), kBlue);
  SelectObject(c.dc(), oldBrush);
  SelectObject(c.dc(), oldPen);
  // Text attributes are kept for the text engine.
  EXPECT_EQ(SetTextAlign(c.dc(), TA_BASELINE | TA_CENTER), TA_LEFT | TA_TOP);
  EXPECT_EQ(GetTextAlign(c.dc()), TA_BASELINE | TA_CENTER);
  EXPECT_EQ(SetTextCharacterExtra(c.dc(), 3), 0);
  EXPECT_EQ(GetTextCharacterExtra(c.dc()), 3);
  EXPECT_EQ(SetBkMode(c.dc(), 7), 0);
  EXPECT_EQ(SetMapMode(c.dc(), 2), 0);  // only MM_TEXT
  EXPECT_EQ(GetMapMode(c.dc()), MM_TEXT);
  EXPECT_EQ(GetNearestColor(c.dc(), RGB(1, 2, 3)), RGB(1, 2, 3));
  POINT pts[2] = {{0, 0}, {5, 5}};
  SetWindowOrgEx(c.dc(), 2, 1, nullptr);
  OffsetViewportOrgEx(c.dc(), 10, 10, nullptr);
  LPtoDP(c.dc(), pts, 2);
  EXPECT_EQ(pts[1], Point(13, 14));
  DPtoLP(c.dc(), pts, 2);
  EXPECT_EQ(pts[1], Point(5, 5));
}

TEST(SurfaceDCs, CoverageBlendRoundsLikeTheFormula) {
  Canvas c(256, 1, RGB(10, 200, 255));
  std::vector<uint8_t> mask(256);
  for (int i = 0; i < 256; ++i) mask[i] = uint8_t(i);
  gdi::DCObj* d = gdi::LookupDC(c.dc());
  {
    gdi::DrawScope scope(*d);
    gdi::PaintCoverage(*d, 0, 0, mask.data(), 256, 1, 256, RGB(250, 3, 128));
  }
  auto blend = [](int fg, int bg, int a) { return (fg * a + bg * (255 - a) + 127) / 255; };
  for (int a = 0; a < 256; ++a) {
    const COLORREF p = c.At(a, 0);
    EXPECT_EQ(GetRValue(p), blend(250, 10, a)) << a;
    EXPECT_EQ(GetGValue(p), blend(3, 200, a)) << a;
    EXPECT_EQ(GetBValue(p), blend(128, 255, a)) << a;
  }
}

TEST(Icons, MonochromeIconsUseADoubleHeightMask) {
  // AND rows above XOR rows: pixel 0 transparent, 1 black, 2 white, 3 inverted.
  //             AND: 1 0 0 1   XOR: 0 0 1 1
  const BYTE bits[4] = {0x90, 0, 0x30, 0};
  HBITMAP mask = CreateBitmap(4, 2, 1, 1, bits);
  ICONINFO ii{FALSE, 1, 1, mask, nullptr};
  HICON cursor = CreateIconIndirect(&ii);
  ASSERT_NE(cursor, nullptr);
  DeleteObject(mask);
  Canvas c(4, 1, kRed);
  ASSERT_TRUE(DrawIconEx(c.dc(), 0, 0, cursor, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(c.At(0, 0), kRed);
  EXPECT_EQ(c.At(1, 0), kBlack);
  EXPECT_EQ(c.At(2, 0), kWhite);
  EXPECT_EQ(c.At(3, 0), RGB(0, 255, 255));
  ICONINFO back;
  ASSERT_TRUE(GetIconInfo(cursor, &back));
  EXPECT_FALSE(back.fIcon);
  EXPECT_EQ(back.xHotspot, 1u);
  EXPECT_EQ(back.hbmColor, nullptr);
  DeleteObject(back.hbmMask);
  DestroyIcon(cursor);
}
