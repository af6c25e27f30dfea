// The edge control: the edge values and flags its settings give, what each style paints over
// the parent, repaints, odd sizes and streaming.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "display/ZYLDrawEdge.h"
#include "foundation/ZYLGraph.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Canvas.h"
#include "tests/display/FillTestHost.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::TPicturePanel;
using vcl::TRect;

constexpr vcl::TColor Back = 0x00336699;

class TCountingEdge : public TZYLDrawEdge {
  ZYL_CLASS(TCountingEdge, TZYLDrawEdge)
  explicit TCountingEdge(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
};
ZYL_CLASS_IMPL(TCountingEdge) {}

class DrawEdgeTest : public ::testing::Test {
 protected:
  DrawEdgeTest() {
    form_.reset(host_.MakeHost(panel_));
    panel_->Back = filltest::Plain(160, 120, Back);
    edge_ = new TCountingEdge(form_.get());
    edge_->SetLeft(10);
    edge_->SetTop(10);
    edge_->SetParent(panel_);
    form_->Show();
    Idle();
  }
  static void Idle() { filltest::THostSession::Idle(); }
  // Pixels of the 40 x 40 control that differ from a reference that Draw paints on Back.
  template <class F>
  int DiffersFrom(F Draw) {
    vcl::TBitmap ref;
    ref.SetSize(40, 40);
    ref.Canvas()->Brush()->SetColor(Back);
    ref.Canvas()->FillRect(TRect{0, 0, 40, 40});
    win::TRect r{0, 0, 40, 40};
    Draw(ref.Canvas(), r);
    Idle();
    cap_ = filltest::THostSession::Capture(panel_);
    int n = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) n += At(cap_, 10 + x, 10 + y) != ref.Canvas()->Pixels(x, y);
    return n;
  }
  vcl::TColor Shot(int x, int y) const { return At(cap_, 10 + x, 10 + y); }

  filltest::THostSession host_;
  std::unique_ptr<vcl::TForm> form_;
  TPicturePanel* panel_ = nullptr;
  TCountingEdge* edge_ = nullptr;
  win::testkit::TCapture cap_;
};

TEST_F(DrawEdgeTest, EdgeValuesAndFlags) {
  TZYLDrawEdge e(nullptr);
  EXPECT_EQ(e.Width(), 40);
  EXPECT_EQ(e.Height(), 40);
  EXPECT_TRUE(e.ControlStyle().contains(vcl::csReplicatable));
  EXPECT_EQ(e.EdgeFlags(), 0x000Fu);  // all four sides
  const uint32_t kinds[] = {4, 1, 8, 2, 9, 6, 5, 10};
  for (int s = etRaisedInner; s <= etSunken; ++s)
    EXPECT_EQ(TZYLDrawEdge::EdgeKind(static_cast<TZYLEdgeStyle>(s)), kinds[s]) << s;
  e.SetBoolean(1, true);  // Soft
  e.SetBoolean(0, true);  // Filled
  e.SetFrame({fsLeft});
  EXPECT_EQ(e.EdgeFlags(), 0x1000u | 0x0800u | 0x0001u);
  e.SetStyle(esDiagonal);
  const uint32_t diagonals[] = {0x19, 0x1C, 0x13, 0x16};
  for (int d = dsEndBottomLeft; d <= dsEndTopRight; ++d) {
    e.SetDiagonal(static_cast<TZYLDiagonalStyle>(d));
    EXPECT_EQ(e.EdgeFlags(), 0x1800u | diagonals[d]) << d;
  }
  e.SetStyle(esStandard);
  EXPECT_EQ(e.EdgeFlags(), 0x1800u);
}

TEST_F(DrawEdgeTest, TopAndBottomSidesDrawTwoHorizontalLines) {
  edge_->SetEdgeStyle(etSunken);  // two pixels deep
  edge_->SetFrame({fsTop, fsBottom});
  DiffersFrom([](vcl::TCanvas*, win::TRect&) {});
  int lines = 0, elsewhere = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool line = y < 2 || y >= 38;
      if (Shot(x, y) != Back) (line ? lines : elsewhere)++;
    }
  EXPECT_GE(lines, 4 * 38);  // the corner pixels may belong to the missing sides
  EXPECT_EQ(elsewhere, 0);
  EXPECT_NE(Shot(20, 0), Shot(20, 39));  // dark above, light below
}

TEST_F(DrawEdgeTest, EachStylePaintsWhatThePrimitivesDraw) {
  using win::DrawEdge;
  EXPECT_EQ(DiffersFrom([](vcl::TCanvas* c, win::TRect& r) {
              DrawEdge(c->Handle(), &r, win::EDGE_ETCHED, win::BF_RECT);
            }), 0);
  edge_->SetEdgeStyle(etBump);
  edge_->SetBoolean(0, true);
  EXPECT_EQ(DiffersFrom([](vcl::TCanvas* c, win::TRect& r) {
              DrawEdge(c->Handle(), &r, win::EDGE_BUMP, win::BF_RECT | win::BF_MIDDLE);
            }), 0);
  EXPECT_EQ(Shot(20, 20), filltest::RGBOf(vcl::clBtnFace));  // filled

  edge_->SetBoolean(0, false);
  edge_->SetStyle(esDiagonal);
  const win::UINT diag[] = {win::BF_DIAGONAL_ENDBOTTOMLEFT, win::BF_DIAGONAL_ENDBOTTOMRIGHT,
                            win::BF_DIAGONAL_ENDTOPLEFT, win::BF_DIAGONAL_ENDTOPRIGHT};
  for (int d = dsEndBottomLeft; d <= dsEndTopRight; ++d) {
    edge_->SetDiagonal(static_cast<TZYLDiagonalStyle>(d));
    EXPECT_EQ(DiffersFrom([&](vcl::TCanvas* c, win::TRect& r) {
                DrawEdge(c->Handle(), &r, win::EDGE_BUMP, diag[d]);
              }), 0) << d;
    // A line across, away from the two corners it does not join.
    const bool falling = d == dsEndBottomRight || d == dsEndTopLeft;
    EXPECT_EQ(Shot(falling ? 39 : 0, 0), Back) << d;
    EXPECT_EQ(Shot(falling ? 0 : 39, 39), Back) << d;
    EXPECT_EQ(DiffersFrom([](vcl::TCanvas*, win::TRect&) {}) > 30, true) << d;
  }

  edge_->SetStyle(esStandard);
  edge_->SetShape(lsDoubleRaised);
  edge_->SetBoolean(1, true);
  EXPECT_EQ(DiffersFrom([](vcl::TCanvas* c, win::TRect& r) {
              ZYLDrawStdFrame(c, r, lsDoubleRaised, win::BF_SOFT);
            }), 0);
  edge_->SetShape(lsNone);
  EXPECT_EQ(DiffersFrom([](vcl::TCanvas*, win::TRect&) {}), 0);
}

TEST_F(DrawEdgeTest, EverySetterRepaintsOnceOnlyForANewValue) {
  auto paints = [&](auto change) {
    const int before = edge_->Paints;
    change();
    Idle();
    return edge_->Paints - before;
  };
  for (int twice = 1; twice >= 0; --twice) {  // the second round changes nothing
    EXPECT_EQ(paints([&] { edge_->SetDiagonal(dsEndTopLeft); }), twice);
    EXPECT_EQ(paints([&] { edge_->SetEdgeStyle(etRaised); }), twice);
    EXPECT_EQ(paints([&] { edge_->SetFrame({fsLeft, fsRight}); }), twice);
    EXPECT_EQ(paints([&] { edge_->SetShape(lsRaised); }), twice);
    EXPECT_EQ(paints([&] { edge_->SetStyle(esStandard); }), twice);
    EXPECT_EQ(paints([&] { edge_->SetBoolean(0, true); }), twice);
    EXPECT_EQ(paints([&] { edge_->SetBoolean(1, true); }), twice);
  }
}

TEST_F(DrawEdgeTest, TinyAndEmptySizesPaintOnlyTheirArea) {
  for (int style = esEdge; style <= esStandard; ++style) {
    edge_->SetStyle(static_cast<TZYLDrawEdgeStyle>(style));
    edge_->SetBoolean(0, true);
    for (auto [w, h] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{3, 0}, std::pair{2, 7}}) {
      edge_->SetBounds(10, 10, w, h);
      Idle();
    }
  }
  auto cap = filltest::THostSession::Capture(panel_);
  int outside = 0;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 160; ++x)
      outside += !(x >= 10 && x < 12 && y >= 10 && y < 17) && At(cap, x, y) != Back;
  EXPECT_EQ(outside, 0);
}

}  // namespace
}  // namespace zyl
