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

// Edges in 6x5 boxes (unless sized): L 3D light, D dark shadow, H highlight, S shadow,
// F face, K window frame, W window.
struct EdgeCase {
  UINT Edge, Flags;
  std::vector<const char*> Rows;
  int W = 6, H = 5;
};
const EdgeCase kEdges[] = {
    {EDGE_RAISED, BF_RECT, {"LLLLLD", "LHHHSD", "LH..SD", "LSSSSD", "DDDDDD"}},
    {EDGE_SUNKEN, BF_RECT, {"SSSSSH", "SDDDLH", "SD..LH", "SLLLLH", "HHHHHH"}},
    {EDGE_ETCHED, BF_RECT, {"SSSSSH", "SHHHSH", "SH..SH", "SSSSSH", "HHHHHH"}},
    {EDGE_BUMP, BF_RECT, {"LLLLLD", "LDDDLD", "LD..LD", "LLLLLD", "DDDDDD"}},
    // One level sits at the outer position.
    {BDR_RAISEDOUTER, BF_RECT, {"LLLLLD", "L....D", "L....D", "L....D", "DDDDDD"}},
    {BDR_SUNKENINNER, BF_RECT, {"DDDDDL", "D....L", "D....L", "D....L", "LLLLLL"}},
    // Soft: outer raised highlight, outer sunken dark shadow, inner raised 3D light, inner
    // sunken shadow, whatever the other level.
    {EDGE_RAISED, BF_RECT | BF_SOFT, {"HHHHHD", "HLLLSD", "HL..SD", "HSSSSD", "DDDDDD"}},
    {EDGE_SUNKEN, BF_RECT | BF_SOFT, {"DDDDDH", "DSSSLH", "DS..LH", "DLLLLH", "HHHHHH"}},
    {EDGE_ETCHED, BF_RECT | BF_SOFT, {"DDDDDH", "DLLLSH", "DL..SH", "DSSSSH", "HHHHHH"}},
    {EDGE_BUMP, BF_RECT | BF_SOFT, {"HHHHHD", "HSSSLD", "HS..LD", "HLLLLD", "DDDDDD"}},
    {BDR_RAISEDINNER, BF_RECT | BF_SOFT, {"LLLLLS", "L....S", "L....S", "L....S", "SSSSSS"}},
    {BDR_SUNKENOUTER, BF_RECT | BF_SOFT, {"DDDDDH", "D....H", "D....H", "D....H", "HHHHHH"}},
    {EDGE_RAISED, BF_RECT | BF_FLAT, {"SSSSSS", "SFFFFS", "SF..FS", "SFFFFS", "SSSSSS"}},
    {EDGE_SUNKEN, BF_RECT | BF_MONO, {"KKKKKK", "KWWWWK", "KW..WK", "KWWWWK", "KKKKKK"}},
    {EDGE_SUNKEN, BF_RECT | BF_MIDDLE, {"SSSSSH", "SDDDLH", "SDFFLH", "SLLLLH", "HHHHHH"}},
    {BDR_RAISEDOUTER, BF_RECT | BF_MIDDLE | BF_MONO, {"KKKK", "KWWK", "KKKK"}, 4, 3},
    // Without a bottom or right line the top and left ones run the full width and height.
    {EDGE_RAISED, BF_TOPLEFT, {"LLLLLL", "LHHHHH", "LH....", "LH....", "LH...."}},
    {BDR_SUNKENOUTER, BF_LEFT, {"S.....", "S.....", "S.....", "S.....", "S....."}},
    // The inner level's right column starts at the unshrunk top.
    {EDGE_RAISED, BF_BOTTOMRIGHT, {"....SD", "....SD", "....SD", "SSSSSD", "DDDDDD"}},
    {BDR_SUNKENOUTER, BF_LEFT | BF_RIGHT, {"S....H", "S....H", "S....H", "S....H", ".....H"}},
    {BDR_SUNKENOUTER, BF_TOP | BF_BOTTOM, {"SSSSS.", "......", "......", "......", "HHHHHH"}},
    // Diagonals: 45 degrees from the starting corner, as long as the shorter side.
    {EDGE_RAISED, BF_DIAGONAL_ENDTOPRIGHT, {"....L", "...LH", "..LH.", ".LH..", "LH..."}, 5, 5},
    {EDGE_RAISED, BF_DIAGONAL_ENDBOTTOMRIGHT, {"LH...", ".LH..", "..LH.", "...LH", "....L"}, 5, 5},
    {BDR_SUNKENOUTER, BF_DIAGONAL_ENDTOPLEFT, {"H...", ".H..", "..H.", "...H"}, 4, 4},
    {BDR_SUNKENOUTER, BF_DIAGONAL_ENDBOTTOMRIGHT, {"S.....", ".S....", "..S...", "...S.."}, 6, 4},
    {BDR_SUNKENOUTER, BF_DIAGONAL_ENDTOPRIGHT, {"...S..", "..S...", ".S....", "S....."}, 6, 4},
    {BDR_SUNKENOUTER, BF_DIAGONAL_ENDBOTTOMLEFT, {"..H", ".H.", "H..", "...", "..."}, 3, 5},
};

class EdgePictures : public Edges, public testing::WithParamInterface<EdgeCase> {};

TEST_P(EdgePictures, FollowTheEdgeRules) {
  EXPECT_EQ(Edge(GetParam().Edge, GetParam().Flags, GetParam().W, GetParam().H), Rows(GetParam().Rows));
}
INSTANTIATE_TEST_SUITE_P(Edges, EdgePictures, testing::ValuesIn(kEdges));

TEST_F(Edges, DiagonalMiddleFillsTheFacedSide) {
  const std::string m = Edge(BDR_RAISEDOUTER, BF_DIAGONAL_ENDTOPRIGHT | BF_MIDDLE, 5, 5);
  EXPECT_EQ(m[4 * 6 + 4], 'F');  // bottom-right corner
  EXPECT_EQ(m[0], '.');          // top-left corner untouched
  // A rectangle as wide as the coordinate space: the square at its corner, without overflow.
  Canvas c(4, 4, kBack);
  RECT huge{-(1 << 30), -(1 << 30), 1 << 30, 2};
  EXPECT_TRUE(DrawEdge(c.dc(), &huge, BDR_SUNKENOUTER, BF_DIAGONAL_ENDBOTTOMRIGHT));
  EXPECT_EQ(c.Map(kLegend), Rows({"S...", ".S..", "....", "...."}));
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

TEST_F(Edges, EdgesFollowTheViewportAndClip) {
  Canvas c(8, 8, kBack);
  SetViewportOrgEx(c.dc(), 2, 2, nullptr);
  IntersectClipRect(c.dc(), 0, 0, 3, 8);
  RECT r{0, 0, 5, 5};
  DrawEdge(c.dc(), &r, BDR_RAISEDOUTER, BF_RECT);
  EXPECT_EQ(c.Map(kLegend), Rows({"........", "........", "..LLL...", "..L.....", "..L.....", "..L.....",
                                  "..DDD...", "........"}));
}

// Frame controls: pixels that tell each state apart.
struct FrameCase {
  UINT Type, State;
  int W, H;
  std::vector<std::pair<POINT, char>> Pixels;
};
const FrameCase kFrames[] = {
    {DFC_BUTTON, DFCS_BUTTONCHECK, 13, 13, {{{0, 0}, 'S'}, {{1, 1}, 'D'}, {{6, 6}, 'W'}}},
    {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT, 13, 13, {{{0, 0}, 'S'}, {{12, 12}, 'S'}, {{1, 1}, 'F'}}},
    {DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED, 13, 13, {{{3, 10}, 'F'}}},
    {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, 13, 13,
     {{{6, 6}, 'T'}, {{0, 0}, '.'}, {{6, 0}, 'S'}, {{6, 12}, 'H'}}},
    {DFC_BUTTON, DFCS_BUTTONPUSH, 13, 13, {{{0, 0}, 'H'}, {{12, 0}, 'D'}, {{6, 6}, 'F'}}},
    {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, 13, 13, {{{0, 0}, 'D'}, {{1, 1}, 'S'}}},
    // A pushed scroll button sinks with the soft edge.
    {DFC_SCROLL, DFCS_SCROLLUP | DFCS_PUSHED, 16, 16, {{{0, 0}, 'D'}, {{1, 1}, 'S'}, {{15, 15}, 'H'}}},
    {DFC_SCROLL, DFCS_SCROLLUP, 16, 16, {{{0, 0}, 'L'}, {{1, 1}, 'H'}, {{15, 15}, 'D'}}},
};

class FramePixels : public Edges, public testing::WithParamInterface<FrameCase> {};

TEST_P(FramePixels, TellTheStatesApart) {
  Canvas c(GetParam().W, GetParam().H, kBack);
  RECT r{0, 0, GetParam().W, GetParam().H};
  ASSERT_TRUE(DrawFrameControl(c.dc(), &r, GetParam().Type, GetParam().State));
  const std::string map = c.Map(kLegend);
  for (const auto& [p, want] : GetParam().Pixels)
    EXPECT_EQ(map[p.Y * (GetParam().W + 1) + p.X], want) << p.X << "," << p.Y;
}
INSTANTIATE_TEST_SUITE_P(Edges, FramePixels, testing::ValuesIn(kFrames));

TEST_F(Edges, FrameControlMarksStayInsideTheBox) {
  Canvas c(13, 13, kBack);
  RECT r{0, 0, 13, 13};
  DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK);
  EXPECT_EQ(c.Count(kT), 0);
  DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  EXPECT_GT(c.Count(kT), 10);
  for (int i = 0; i < 13; ++i) EXPECT_TRUE(c.At(i, 0) != kT && c.At(0, i) != kT && c.At(12, i) != kT);
  DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED);
  EXPECT_EQ(c.Count(kT), 0);
  EXPECT_GT(c.Count(kG), 10);  // grey mark on the face colour
  RECT adj{0, 0, 13, 13};
  DrawFrameControl(c.dc(), &adj, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
  EXPECT_EQ(adj, Rect(2, 2, 11, 11));
  Canvas m(12, 12, kBack);
  DrawFrameControl(m.dc(), &r, DFC_MENU, DFCS_MENUCHECK);
  EXPECT_GT(m.Count(kBlack), 5);
  EXPECT_EQ(m.Count(kBlack) + m.Count(kWhite), 144);  // menu glyphs are masks
  EXPECT_FALSE(DrawFrameControl(m.dc(), &r, 99, 0));
  Canvas x(16, 14, kBack);
  RECT xr{0, 0, 16, 14};
  DrawFrameControl(x.dc(), &xr, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  EXPECT_GT(x.Count(kT), 10);
}

// Scroll arrows: a quarter of the cell high and twice that less one across (7x4 in a
// 16-pixel cell), pointing their way; a pushed arrow moves one pixel down-right.
TEST_F(Edges, ScrollArrowsHaveTheCellsSize) {
  struct Arrow {
    UINT State;
    int Cell;
    std::vector<int> Widths;  // glyph pixels per row (per column for left and right), in order
    RECT Box;
  };
  const Arrow arrows[] = {
      {DFCS_SCROLLDOWN, 16, {7, 5, 3, 1}, {5, 7, 12, 11}},
      {DFCS_SCROLLUP, 16, {1, 3, 5, 7}, {5, 6, 12, 10}},
      {DFCS_SCROLLRIGHT, 16, {7, 5, 3, 1}, {7, 5, 11, 12}},
      {DFCS_SCROLLLEFT, 16, {1, 3, 5, 7}, {6, 5, 10, 12}},
      {DFCS_SCROLLUP | DFCS_PUSHED, 16, {1, 3, 5, 7}, {6, 7, 13, 11}},
      {DFCS_SCROLLDOWN, 20, {9, 7, 5, 3, 1}, {6, 8, 15, 13}},
  };
  for (const Arrow& a : arrows) {
    Canvas c(a.Cell, a.Cell, kBack);
    RECT r{0, 0, a.Cell, a.Cell};
    DrawFrameControl(c.dc(), &r, DFC_SCROLL, a.State);
    const bool across = (a.State & 0x1F) == DFCS_SCROLLLEFT || (a.State & 0x1F) == DFCS_SCROLLRIGHT;
    std::vector<int> counts(a.Cell);
    RECT box{99, 99, -1, -1};
    for (int y = 0; y < a.Cell; ++y)
      for (int x = 0; x < a.Cell; ++x)
        if (c.At(x, y) == kT) {
          ++counts[across ? x : y];
          box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
        }
    std::vector<int> widths;
    for (int n : counts)
      if (n) widths.push_back(n);
    EXPECT_EQ(widths, a.Widths) << a.State;
    EXPECT_EQ(box, a.Box) << a.State;
  }
  Canvas c(16, 16, kBack);  // disabled arrows: shadow over a highlight copy
  RECT r{0, 0, 16, 16};
  DrawFrameControl(c.dc(), &r, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE);
  EXPECT_EQ(c.Count(kT), 0);
  EXPECT_EQ(c.Count(kS), 16 + 14 + 14 - 1);  // the glyph and the inner level's bottom and right
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
