// Check-box and radio-button list items: packing an item's state into its object slot and back,
// the per-item state object, and the glyph drawn from the application's check bitmap, a theme
// or the system's frame control.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "edits/ZYLButtonListData.h"
#include "foundation/ZYLApplication.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

namespace tk = win::testkit;

TEST(ButtonListData, StatesArePackedIntoTheObjectSlotAndBack) {
  auto unpack = [](vcl::TCheckBoxState s, bool d) {
    vcl::TObject* o = ZYLBtnStateObject(ZYLBtnMakeSaveState(s, d));
    return std::to_string(ZYLBtnGetSaveState(o)) + "/" + std::to_string(ZYLBtnGetSaveDisabled(o));
  };
  testsupport::ExpectCases({
      {unpack(vcl::cbGrayed, true), "2/1"},
      {unpack(vcl::cbChecked, false), "1/0"},
      {unpack(vcl::cbUnchecked, true), "0/1"},
      {std::to_string(ZYLBtnMakeSaveState(vcl::cbGrayed, true)), std::to_string(0x20001)},
      // A slot that never held a packed state reads as an enabled unchecked item; a state
      // beyond grayed reads as unchecked.
      {std::to_string(ZYLBtnGetSaveState(nullptr)), "0"},
      {std::to_string(ZYLBtnGetSaveState(ZYLBtnStateObject(7 << 16))), "0"},
  });
  TZYLButtonListData d;
  EXPECT_EQ(d.State(), TZYLButtonListData::GetDefaultState());
  d.SetState(vcl::cbGrayed);
  EXPECT_FALSE(d.Checked());
  d.SetChecked(true);
  EXPECT_EQ(d.State(), vcl::cbChecked);
  d.SetChecked(false);
  EXPECT_EQ(d.State(), vcl::cbUnchecked);
}

// A 6-cell strip of 10 x 10 cells, cell i filled with kCell[i].
const vcl::TColor kCell[] = {vcl::clRed,  vcl::clLime,    vcl::clBlue,
                             vcl::clAqua, vcl::clFuchsia, vcl::clYellow};

class ButtonListDraw : public ::testing::Test {
 protected:
  ButtonListDraw() {
    target_.SetSize(30, 30);
    Clear();
  }
  ~ButtonListDraw() override { ZYLApplication()->SetCheckBitmap(nullptr); }
  void Clear() {
    target_.Canvas()->Brush()->SetColor(vcl::clWhite);
    target_.Canvas()->FillRect(vcl::TRect{0, 0, 30, 30});
  }
  void UseCells() {
    vcl::TBitmap cells;
    cells.SetSize(60, 10);
    for (int i = 0; i < 6; ++i) {
      cells.Canvas()->Brush()->SetColor(kCell[i]);
      cells.Canvas()->FillRect(vcl::TRect{i * 10, 0, i * 10 + 10, 10});
    }
    cells.SetTransparentColor(vcl::clBlack);
    ZYLApplication()->SetCheckBitmap(&cells);
  }
  void Draw(vcl::TCheckBoxState State, TZYLButtonListMode Mode, bool Enabled, bool Flat,
            bool SystemSize, HTHEME Theme = nullptr) {
    ZYLDrawButtonListItem(nullptr, target_.Canvas(), vcl::TRect{0, 0, 30, 30}, State, Mode, Enabled,
                          Flat, SystemSize, Theme);
  }
  tk::TCapture Shot() {
    return tk::MakeCapture(
        30, 30, [this](int x, int y) { return vcl::ColorToRGB(target_.Canvas()->Pixels(x, y)); });
  }
  edittest::THost host_;  // the application object
  vcl::TBitmap target_;
};

TEST_F(ButtonListDraw, TheBitmapCellFollowsTheStateAndTheEnabledFlag) {
  UseCells();
  struct {
    vcl::TCheckBoxState State;
    bool Enabled;
    int Cell;
  } cases[] = {{vcl::cbUnchecked, true, 0}, {vcl::cbUnchecked, false, 1},
               {vcl::cbChecked, true, 2},   {vcl::cbChecked, false, 3},
               {vcl::cbGrayed, true, 4},    {vcl::cbGrayed, false, 5}};
  for (const auto& c : cases) {
    Clear();
    Draw(c.State, blCheckBox, c.Enabled, false, false);
    // The 10 x 10 cell stands centred in the 30 x 30 item.
    const win::COLORREF cell = vcl::ColorToRGB(kCell[c.Cell]),
                        white = vcl::ColorToRGB(vcl::clWhite);
    EXPECT_TRUE(tk::PixelsMatch(
        Shot(), [&](int x, int y) { return x >= 10 && x < 20 && y >= 10 && y < 20 ? cell : white; },
        "check_cell_" + std::to_string(c.Cell)))
        << c.Cell;
  }
}

TEST_F(ButtonListDraw, AGrayedRadioItemIsAThreeStateCheckMarkOfTheSystem) {
  Draw(vcl::cbGrayed, blRadioButton, true, false, true);
  vcl::TBitmap expected;
  expected.SetSize(30, 30);
  expected.Canvas()->Brush()->SetColor(vcl::clWhite);
  expected.Canvas()->FillRect(vcl::TRect{0, 0, 30, 30});
  const int w = ZYLApplication()->SystemCheckWidth(), h = ZYLApplication()->SystemCheckHeight();
  win::RECT r{(30 - w) / 2, (30 - h) / 2, (30 - w) / 2 + w, (30 - h) / 2 + h};
  win::DrawFrameControl(expected.Canvas()->Handle(), &r, win::DFC_BUTTON,
                        win::DFCS_CHECKED | win::DFCS_BUTTON3STATE);
  EXPECT_TRUE(tk::SamePixels(
      Shot(),
      tk::MakeCapture(
          30, 30, [&](int x, int y) { return vcl::ColorToRGB(expected.Canvas()->Pixels(x, y)); }),
      "grayed_radio"));
}

TEST_F(ButtonListDraw, AFlatCheckBoxLosesItsEdgeForAShadowFrame) {
  vcl::TCanvas* c = target_.Canvas();
  c->Brush()->SetColor(vcl::clLime);
  c->Pen()->SetColor(vcl::clRed);
  Draw(vcl::cbChecked, blCheckBox, true, true, true);
  const int w = ZYLApplication()->SystemCheckWidth();
  const int left = (30 - w) / 2;
  testsupport::ExpectCases({
      {std::to_string(vcl::ColorToRGB(c->Pixels(left + 1, left + 1))),
       std::to_string(vcl::ColorToRGB(vcl::clBtnShadow))},
      {std::to_string(vcl::ColorToRGB(c->Pixels(left, left))),
       std::to_string(vcl::ColorToRGB(vcl::clWhite))},  // the 3D edge is cut off
      // The canvas's brush and pen are as they were.
      {std::to_string(c->Brush()->Color()) + "/" + std::to_string(c->Brush()->Style()),
       std::to_string(vcl::clLime) + "/" + std::to_string(vcl::bsSolid)},
      {std::to_string(c->Pen()->Color()), std::to_string(vcl::clRed)},
  });
}

TEST_F(ButtonListDraw, AThemedItemShowsTheStateOfItsPart) {
  ZYLUseStandInThemes(true);
  HTHEME theme = OpenThemeData(nullptr, "BUTTON");
  ASSERT_NE(theme, nullptr);
  Draw(vcl::cbChecked, blCheckBox, true, false, true, theme);
  const win::COLORREF checked = Shot().Color(15, 15);
  Clear();
  Draw(vcl::cbUnchecked, blRadioButton, true, false, true, theme);
  const win::COLORREF unchecked = Shot().Color(15, 15);
  CloseThemeData(theme);
  ZYLUseStandInThemes(false);
  EXPECT_EQ(checked, ZYLThemeFaceColor(5));
  EXPECT_EQ(unchecked, ZYLThemeFaceColor(1));
}

}  // namespace
}  // namespace zyl
