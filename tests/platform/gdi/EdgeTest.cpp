#include <gtest/gtest.h>

#include "platform/gdi/Gdi.h"
#include "tests/platform/gdi/GdiTestUtil.h"

using namespace win;
using namespace gditest;

namespace {

constexpr COLORREF kBack = RGB(255, 0, 255);
constexpr COLORREF kL = RGB(1, 0, 0), kD = RGB(2, 0, 0), kH = RGB(3, 0, 0), kS = RGB(4, 0, 0),
                   kF = RGB(5, 0, 0), kW = RGB(6, 0, 0), kK = RGB(7, 0, 0), kT = RGB(8, 0, 0),
                   kG = RGB(9, 0, 0);
const std::map<COLORREF, char> kLegend = {{kBack, '.'}, {kL, 'L'}, {kD, 'D'}, {kH, 'H'}, {kS, 'S'},
                                          {kF, 'F'},    {kW, 'W'}, {kK, 'K'}, {kT, 'T'}, {kG, 'G'}};

// Distinct system colours make every edge pixel's origin visible.
class Edges : public testing::Test {
 protected:
  void SetUp() override {
    const int idx[] = {COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW,
                       COLOR_BTNFACE, COLOR_WINDOW,     COLOR_WINDOWFRAME,  COLOR_WINDOWTEXT,
                       COLOR_GRAYTEXT, COLOR_BTNTEXT};
    const COLORREF val[] = {kL, kD, kH, kS, kF, kW, kK, kT, kG, kT};
    SetSysColors(10, idx, val);
  }
  void TearDown() override { ResetSysColors(); }

  std::string Edge(UINT edge, UINT flags, int w = 6, int h = 5) {
    Canvas c(w, h, kBack);
    RECT r{0, 0, w, h};
    EXPECT_TRUE(DrawEdge(c.dc(), &r, edge, flags));
    return c.Map(kLegend);
  }
};

}  // namespace

TEST_F(Edges, TheFourEdgeStyles) {
  EXPECT_EQ(Edge(EDGE_RAISED, BF_RECT), Rows({"LLLLLD", "LHHHSD", "LH..SD", "LSSSSD", "DDDDDD"}));
  EXPECT_EQ(Edge(EDGE_SUNKEN, BF_RECT), Rows({"SSSSSH", "SDDDLH", "SD..LH", "SLLLLH", "HHHHHH"}));
  EXPECT_EQ(Edge(EDGE_ETCHED, BF_RECT), Rows({"SSSSSH", "SHHHSH", "SH..SH", "SSSSSH", "HHHHHH"}));
  EXPECT_EQ(Edge(EDGE_BUMP, BF_RECT), Rows({"LLLLLD", "LDDDLD", "LD..LD", "LLLLLD", "DDDDDD"}));
}

TEST_F(Edges, SingleBordersSitAtTheOuterPosition) {
  EXPECT_EQ(Edge(BDR_RAISEDOUTER, BF_RECT), Rows({"LLLLLD", "L....D", "L....D", "L....D", "DDDDDD"}));
  EXPECT_EQ(Edge(BDR_SUNKENOUTER, BF_RECT), Rows({"SSSSSH", "S....H", "S....H", "S....H", "HHHHHH"}));
  EXPECT_EQ(Edge(BDR_RAISEDINNER, BF_RECT), Rows({"HHHHHS", "H....S", "H....S", "H....S", "SSSSSS"}));
  EXPECT_EQ(Edge(BDR_SUNKENINNER, BF_RECT), Rows({"DDDDDL", "D....L", "D....L", "D....L", "LLLLLL"}));
}

TEST_F(Edges, SoftFlatMonoAndMiddle) {
  EXPECT_EQ(Edge(EDGE_RAISED, BF_RECT | BF_SOFT), Rows({"HHHHHD", "HLLLSD", "HL..SD", "HSSSSD", "DDDDDD"}));
  EXPECT_EQ(Edge(EDGE_SUNKEN, BF_RECT | BF_SOFT), Rows({"DDDDDH", "DSSSLH", "DS..LH", "DLLLLH", "HHHHHH"}));
  EXPECT_EQ(Edge(EDGE_RAISED, BF_RECT | BF_FLAT), Rows({"SSSSSS", "SFFFFS", "SF..FS", "SFFFFS", "SSSSSS"}));
  EXPECT_EQ(Edge(EDGE_SUNKEN, BF_RECT | BF_MONO), Rows({"KKKKKK", "KWWWWK", "KW..WK", "KWWWWK", "KKKKKK"}));
  EXPECT_EQ(Edge(EDGE_SUNKEN, BF_RECT | BF_MIDDLE), Rows({"SSSSSH", "SDDDLH", "SDFFLH", "SLLLLH", "HHHHHH"}));
  EXPECT_EQ(Edge(BDR_RAISEDOUTER, BF_RECT | BF_MIDDLE | BF_MONO, 4, 3), Rows({"KKKK", "KWWK", "KKKK"}));
}

TEST_F(Edges, PartialSidesKeepTheirCornerRules) {
  EXPECT_EQ(Edge(EDGE_RAISED, BF_TOPLEFT), Rows({"LLLLL.", "LHHHH.", "LH....", "LH....", "......"}));
  // The inner level's right column starts at the unshrunk top.
  EXPECT_EQ(Edge(EDGE_RAISED, BF_BOTTOMRIGHT), Rows({"....SD", "....SD", "....SD", "SSSSSD", "DDDDDD"}));
  EXPECT_EQ(Edge(BDR_SUNKENOUTER, BF_LEFT | BF_RIGHT), Rows({"S....H", "S....H", "S....H", "S....H", ".....H"}));
  EXPECT_EQ(Edge(BDR_SUNKENOUTER, BF_TOP | BF_BOTTOM), Rows({"SSSSS.", "......", "......", "......", "HHHHHH"}));
}

TEST_F(Edges, AdjustShrinksByTheDrawnBorders) {
  Canvas c(10, 10, kBack);
  RECT r{0, 0, 10, 8};
  DrawEdge(c.dc(), &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
  EXPECT_EQ(r, Rect(2, 2, 8, 6));
  r = {0, 0, 10, 8};
  DrawEdge(c.dc(), &r, BDR_SUNKENINNER, BF_BOTTOMRIGHT | BF_ADJUST);
  EXPECT_EQ(r, Rect(0, 0, 9, 7));
  r = {0, 0, 10, 8};
  DrawEdge(c.dc(), &r, EDGE_ETCHED, BF_LEFT | BF_ADJUST);
  EXPECT_EQ(r, Rect(2, 0, 10, 8));
  // Without BF_ADJUST the rectangle stays.
  r = {1, 1, 9, 9};
  DrawEdge(c.dc(), &r, EDGE_RAISED, BF_RECT);
  EXPECT_EQ(r, Rect(1, 1, 9, 9));
}

TEST_F(Edges, DiagonalsRunCornerToCorner) {
  EXPECT_EQ(Edge(EDGE_RAISED, BF_DIAGONAL_ENDTOPRIGHT, 5, 5), Rows({"....L", "...LH", "..LH.", ".LH..", "LH..."}));
  EXPECT_EQ(Edge(EDGE_RAISED, BF_DIAGONAL_ENDBOTTOMRIGHT, 5, 5), Rows({"LH...", ".LH..", "..LH.", "...LH", "....L"}));
  EXPECT_EQ(Edge(BDR_SUNKENOUTER, BF_DIAGONAL_ENDTOPLEFT, 4, 4), Rows({"H...", ".H..", "..H.", "...H"}));
  EXPECT_EQ(Edge(BDR_SUNKENOUTER, BF_DIAGONAL_ENDBOTTOMLEFT, 4, 4), Rows({"...H", "..H.", ".H..", "H..."}));
  // BF_MIDDLE fills the triangle on the faced side with the face colour.
  const std::string m = Edge(BDR_RAISEDOUTER, BF_DIAGONAL_ENDTOPRIGHT | BF_MIDDLE, 5, 5);
  EXPECT_EQ(m[4 * 6 + 4], 'F');  // bottom-right corner
  EXPECT_EQ(m[0], '.');          // top-left corner untouched
}

TEST_F(Edges, EdgesFollowTheViewportAndClip) {
  Canvas c(8, 8, kBack);
  SetViewportOrgEx(c.dc(), 2, 2, nullptr);
  IntersectClipRect(c.dc(), 0, 0, 3, 8);
  RECT r{0, 0, 5, 5};
  DrawEdge(c.dc(), &r, BDR_RAISEDOUTER, BF_RECT);
  EXPECT_EQ(c.Map(kLegend), Rows({"........", "........", "..LLL...", "..L.....", "..L.....", "..L.....",
                                  "..DDD...", "........"}));
}

TEST_F(Edges, FrameControlCheckBoxes) {
  Canvas c(13, 13, kBack);
  RECT r{0, 0, 13, 13};
  DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK);
  EXPECT_EQ(c.At(0, 0), kS);  // sunken edge
  EXPECT_EQ(c.At(1, 1), kD);
  EXPECT_EQ(c.At(6, 6), kW);
  EXPECT_EQ(c.Count(kT), 0);
  DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  EXPECT_GT(c.Count(kT), 10);
  for (int i = 0; i < 13; ++i) {  // the mark stays inside the box's interior
    EXPECT_NE(c.At(i, 0), kT);
    EXPECT_NE(c.At(0, i), kT);
    EXPECT_NE(c.At(12, i), kT);
  }
  DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED);
  EXPECT_EQ(c.Count(kT), 0);
  EXPECT_GT(c.Count(kG), 10);  // grey mark on the face colour
  EXPECT_EQ(c.At(3, 10), kF);
  DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT);
  EXPECT_EQ(c.At(0, 0), kS);
  EXPECT_EQ(c.At(12, 12), kS);
  EXPECT_EQ(c.At(1, 1), kF);
}

TEST_F(Edges, FrameControlRadioAndPush) {
  Canvas c(13, 13, kBack);
  RECT r{0, 0, 13, 13};
  DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
  EXPECT_EQ(c.At(6, 6), kT);
  EXPECT_EQ(c.At(0, 0), kBack);  // round: corners untouched
  EXPECT_EQ(c.At(6, 0), kS);     // upper half of the ring is shadow
  EXPECT_EQ(c.At(6, 12), kH);    // lower half highlight
  c.Fill(kBack);
  DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH);
  EXPECT_EQ(c.Map(kLegend).substr(0, 14), "HHHHHHHHHHHHD\n");
  EXPECT_EQ(c.At(6, 6), kF);
  DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  EXPECT_EQ(c.At(0, 0), kD);  // sunken soft
  RECT adj{0, 0, 13, 13};
  DrawFrameControl(c.dc(), &adj, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
  EXPECT_EQ(adj, Rect(2, 2, 11, 11));
}

TEST_F(Edges, FrameControlArrowsPointTheirWay) {
  auto glyph = [](UINT state) {
    Canvas c(16, 16, kBack);
    RECT r{0, 0, 16, 16};
    DrawFrameControl(c.dc(), &r, DFC_SCROLL, state);
    std::vector<int> rowCounts(16), colCounts(16);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        if (c.At(x, y) == kT) { ++rowCounts[y]; ++colCounts[x]; }
    return std::make_pair(rowCounts, colCounts);
  };
  auto firstLast = [](const std::vector<int>& v) {
    int f = -1, l = -1;
    for (int i = 0; i < int(v.size()); ++i)
      if (v[i]) { if (f < 0) f = i; l = i; }
    return std::make_pair(v[f], v[l]);
  };
  const auto up = glyph(DFCS_SCROLLUP), down = glyph(DFCS_SCROLLDOWN);
  EXPECT_LT(firstLast(up.first).first, firstLast(up.first).second);      // widens downward
  EXPECT_GT(firstLast(down.first).first, firstLast(down.first).second);  // narrows downward
  const auto left = glyph(DFCS_SCROLLLEFT), right = glyph(DFCS_SCROLLRIGHT);
  EXPECT_LT(firstLast(left.second).first, firstLast(left.second).second);
  EXPECT_GT(firstLast(right.second).first, firstLast(right.second).second);
  // Disabled arrows are drawn in shadow with a highlight copy.
  Canvas c(16, 16, kBack);
  RECT r{0, 0, 16, 16};
  DrawFrameControl(c.dc(), &r, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE);
  EXPECT_EQ(c.Count(kT), 0);
  EXPECT_GT(c.Count(kS), 0);
}

TEST_F(Edges, FrameControlCaptionAndMenuGlyphs) {
  Canvas c(16, 14, kBack);
  RECT r{0, 0, 16, 14};
  DrawFrameControl(c.dc(), &r, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  // The cross is symmetric left to right.
  int n = 0;
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 16; ++x)
      if (c.At(x, y) == kT) {
        ++n;
      }
  EXPECT_GT(n, 10);
  Canvas m(12, 12, kBack);
  RECT mr{0, 0, 12, 12};
  DrawFrameControl(m.dc(), &mr, DFC_MENU, DFCS_MENUCHECK);
  EXPECT_GT(m.Count(kBlack), 5);
  EXPECT_EQ(m.Count(kBlack) + m.Count(kWhite), 144);
  EXPECT_FALSE(DrawFrameControl(m.dc(), &mr, 99, 0));
}

TEST(SysColors, ClassicSchemeAndChanges) {
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 255, 255));
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(0, 0, 0));
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(10, 36, 106));
  EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
  HBRUSH b = GetSysColorBrush(COLOR_BTNFACE);
  LOGBRUSH lb;
  GetObject(b, sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, RGB(192, 192, 192));
  const int e = COLOR_BTNFACE;
  const COLORREF v = RGB(1, 2, 3);
  SetSysColors(1, &e, &v);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), v);
  GetObject(b, sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, v);  // the brush follows the scheme
  EXPECT_TRUE(DeleteObject(b));  // system brushes ignore deletion
  ResetSysColors();
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
  EXPECT_EQ(GetObjectType(b), OBJ_BRUSH);
  EXPECT_EQ(GetSysColorBrush(99), nullptr);
}
