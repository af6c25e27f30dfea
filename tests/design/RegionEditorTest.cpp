// The region-from-bitmap form: loading a picture, picking the transparent colours on it or on
// its magnified view, building the region and its borders into the mask, and what a build
// refuses (no colour, no opaque pixel).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "design/pZYLBmpRegionEditorDlg.h"
#include "display/ZYLProgressFill.h"
#include "foundation/ZYLRegionMask.h"
#include "platform/base/Exceptions.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Consts.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/DesignPixels.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using Dlg = TZYLfrmRegionFromBMPdlg;
using TAnswer = std::function<void(Dlg*)>;

// '.' the background (silver), 'R' and 'N' the shape (red, navy), 'W' white.
const designtest::TPalette kPal = {
    {'.', vcl::clSilver}, {'R', vcl::clRed}, {'N', vcl::clNavy}, {'W', vcl::clWhite}};

// A 30 x 24 picture: a red block, a navy pixel in the last column, white in the last row.
std::vector<std::string> BigPicture() {
  std::vector<std::string> rows(24, std::string(30, '.'));
  for (int y = 4; y < 12; ++y) rows[y].replace(6, 10, std::string(10, 'R'));
  rows[7][29] = 'N';
  rows[23][0] = 'W';
  return rows;
}

// The mask as bytes: its region data and the border pictures' pixels.
std::string MaskState(TZYLRegionMask* m) {
  std::string s(reinterpret_cast<const char*>(m->RegionData()),
                m->RegionData() ? m->RegionDataSize() : 0);
  for (vcl::TBitmap* b : {m->BorderBmp(), m->BorderUpBmp(), m->BorderDnBmp()}) {
    s += "|" + std::to_string(b->Width()) + "x" + std::to_string(b->Height());
    for (uint32_t p : designtest::Capture(*b).Pixels) s += std::to_string(p) + ",";
  }
  return s;
}

// Whether each pixel of a w x h area lies in the mask's region: '#' in, '.' out.
std::vector<std::string> RegionRows(TZYLRegionMask* m, int w, int h) {
  win::HRGN rgn = m->CreateRegion();
  std::vector<std::string> rows(h, std::string(w, '.'));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (rgn && win::PtInRegion(rgn, x, y)) rows[y][x] = '#';
  if (rgn) win::DeleteObject(rgn);
  return rows;
}

class RegionEditor : public ::testing::Test {
 protected:
  // Opens the form through its opener with `answers`; true on OK.
  bool Run(const std::function<void(vt::TDialogScript&)>& answers, bool threeState = false) {
    vt::TDialogScript script;
    answers(script);
    const bool ok = Dlg::Edit(&mask_, threeState);
    EXPECT_EQ(script.Pending(), 0u);
    return ok;
  }
  // Loads `rows` as the picture through "&Load".
  void Load(vt::TDialogScript& script, const std::vector<std::string>& rows) {
    vcl::TBitmap bmp;
    designtest::Paint(bmp, rows, kPal);
    const std::string file = dir_.File("picture" + std::to_string(++files_) + ".bmp");
    bmp.SaveToFile(file);
    script.Do([](vcl::TCustomForm* f) { vt::ClickControl(static_cast<Dlg*>(f)->LoadButton); })
        .ChooseFiles({file});
  }
  static void On(vt::TDialogScript& script, const TAnswer& answer) {
    script.Do([answer](vcl::TCustomForm* f) { answer(static_cast<Dlg*>(f)); });
  }
  static void ClickAt(vcl::TControl* c, int x, int y, int button = 0) {
    const vcl::TPoint p = c->ClientToScreen({x, y});
    wt::Click(p.X, p.Y, button);
  }
  // Picks the colour of the picture's pixel x, y, then builds on the second page.
  static void PickAndBuild(vt::TDialogScript& script, std::vector<vcl::TPoint> picks,
                           const std::string& border = "") {
    On(script, [picks, border](Dlg* f) {
      for (vcl::TPoint p : picks) ClickAt(f->Image1, p.X, p.Y);
      f->pc->SetActivePage(f->tsBuild);
      wt::RunUntilIdle();
      if (!border.empty()) designtest::ChooseComboItem(f->ThreeState ? f->cb2 : f->cb, border);
      vt::ClickControl(f->BuildButton);
    });
  }

  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  testsupport::TempDir dir_;
  int files_ = 0;
  TZYLRegionMask mask_;
};

std::string Lines(vcl::TListBox* l) { return l->Items()->Text(); }

TEST_F(RegionEditor, PicksEachColourOnceFromThePicture) {
  std::string dim, list, shown;
  bool buildEnabled = false;
  Run([&](vt::TDialogScript& script) {
    On(script, [&](Dlg* f) {
      EXPECT_FALSE(f->BuildButton->Enabled());
      EXPECT_FALSE(f->OKButton->Enabled());
      EXPECT_EQ(f->cb->Text(), "None");
      EXPECT_EQ(f->colb->Text(), "spfDefault");
    });
    Load(script, BigPicture());
    On(script, [&](Dlg* f) {
      dim = f->DimLabel->Caption();
      ClickAt(f->Image1, 0, 0);
      ClickAt(f->Image1, 7, 5);
      ClickAt(f->Image1, 3, 3);  // silver again
      const vcl::TPoint p = f->Image1->ClientToScreen({29, 7});
      wt::MouseMove(p.X, p.Y);
      shown = f->cc->Caption();
      list = Lines(f->cl);
      buildEnabled = f->BuildButton->Enabled();
      wt::WritePng(designtest::CaptureControl(f), "/tmp/region_editor.png");
    });
    script.Press("Cancel");
  });
  EXPECT_EQ(dim, "Bitmap size: 30x24");
  EXPECT_EQ(list, "clSilver\r\nclRed\r\n");
  EXPECT_EQ(shown, "clNavy");
  EXPECT_TRUE(buildEnabled);
}

TEST_F(RegionEditor, TheMagnifiedViewEndsInsideThePicture) {
  struct TCase {
    vcl::TPoint Click, Origin;
  };
  const TCase cases[] = {
      {{0, 0}, {0, 0}}, {{25, 22}, {10, 4}}, {{29, 1}, {10, 1}}, {{4, 3}, {4, 3}}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.Click.X) + "," + std::to_string(c.Click.Y));
    vcl::TPoint origin;
    std::string label, list;
    wt::TCapture view;
    Run([&](vt::TDialogScript& script) {
      Load(script, BigPicture());
      On(script, [&](Dlg* f) {
        ClickAt(f->Image1, c.Click.X, c.Click.Y, 1);
        origin = f->ZoomOrigin();
        label = f->ViewLabel->Caption();
        view = designtest::CaptureControl(f->zoom);
        // The view's pixel 3, 2 is the picture's pixel origin + (3, 2).
        ClickAt(f->zoom, 3 * 4 + 1, 2 * 4 + 2);
        list = Lines(f->cl);
      });
      script.Press("Cancel");
    });
    EXPECT_EQ(origin.X, c.Origin.X);
    EXPECT_EQ(origin.Y, c.Origin.Y);
    EXPECT_EQ(label, "(" + std::to_string(c.Origin.X) + "x" + std::to_string(c.Origin.Y) + ")");
    const std::vector<std::string> rows = BigPicture();
    EXPECT_TRUE(wt::PixelsMatch(
        view,
        [&](int x, int y) {
          return win::COLORREF(kPal.at(rows[c.Origin.Y + y / 4][c.Origin.X + x / 4]));
        },
        "region_zoom"));
    EXPECT_EQ(list, vcl::ColorToString(kPal.at(rows[c.Origin.Y + 2][c.Origin.X + 3])) + "\r\n");
  }
}

TEST_F(RegionEditor, DeleteRemovesTheSelectedColour) {
  std::string list;
  Run([&](vt::TDialogScript& script) {
    Load(script, BigPicture());
    On(script, [&](Dlg* f) {
      ClickAt(f->Image1, 0, 0);
      ClickAt(f->Image1, 7, 5);
      ClickAt(f->Image1, 29, 7);
      vt::ChooseListItem(f->cl, "clRed");
      wt::KeyPress(win::VK_DELETE);
      list = Lines(f->cl);
    });
    script.Press("Cancel");
  });
  EXPECT_EQ(list, "clSilver\r\nclNavy\r\n");
}

TEST_F(RegionEditor, ABuildMakesTheRegionOfTheOpaquePixelsAndItsBorder) {
  const std::vector<std::string> picture = {"......", ".RRR.N", ".RRR..", "....W."};
  // The border picture of each style: None leaves the picture, Single paints the region's edge
  // black, Lowered grey on its top and left and white on its bottom and right.
  const std::pair<const char*, std::vector<std::string>> styles[] = {
      {"None", picture},
      {"Single", {"......", ".BBB.B", ".BBB..", "....W."}},
      {"Lowered", {"......", ".GGW.W", ".WWW..", "....W."}}};
  const designtest::TPalette pal = {{'.', vcl::clSilver}, {'R', vcl::clRed},   {'N', vcl::clNavy},
                                    {'W', vcl::clWhite},  {'B', vcl::clBlack}, {'G', vcl::clGray}};
  for (const auto& [style, border] : styles) {
    SCOPED_TRACE(style);
    bool ok = false;
    EXPECT_TRUE(Run([&, name = style](vt::TDialogScript& script) {
      Load(script, picture);
      PickAndBuild(script, {{0, 0}, {4, 3}}, name);
      On(script, [&](Dlg* f) {
        ok = f->OKButton->Enabled();
        EXPECT_FALSE(f->BuildButton->Enabled());
        EXPECT_FALSE(f->Progress->Visible());
      });
      script.Press("Ok");
    }));
    EXPECT_TRUE(ok);
    EXPECT_EQ(RegionRows(&mask_, 6, 4),
              (std::vector<std::string>{"......", ".###.#", ".###..", "......"}));
    EXPECT_TRUE(
        designtest::Shows(*mask_.BorderBmp(), border, pal, std::string("region_border_") + style));
    EXPECT_TRUE(mask_.BorderUpBmp()->Empty());
  }
}

TEST_F(RegionEditor, AThreeStateBuildMakesTheRaisedAndPressedPictures) {
  // The shape reaches the last row and column: the pressed picture's border pixels beyond the
  // picture are skipped.
  const std::vector<std::string> picture = {"....", ".RRR", ".RRR", ".RRR"};
  EXPECT_TRUE(Run(
      [&](vt::TDialogScript& script) {
        Load(script, picture);
        PickAndBuild(script, {{0, 0}}, "Win40");
        script.Press("Ok");
      },
      true));
  const designtest::TPalette pal = {
      {'.', vcl::clSilver}, {'R', vcl::clRed}, {'W', vcl::clWhite}, {'G', vcl::clGray}};
  EXPECT_TRUE(designtest::Shows(*mask_.BorderBmp(), picture, kPal, "region_plain_border"));
  EXPECT_TRUE(designtest::Shows(*mask_.BorderUpBmp(), {"....", ".WWG", ".WRG", ".GGG"}, pal,
                                "region_up_border"));
  EXPECT_EQ(mask_.BorderDnBmp()->Width(), 4);
  EXPECT_EQ(mask_.BorderDnBmp()->Canvas()->Pixels(1, 1), vcl::clGray);
  EXPECT_EQ(RegionRows(&mask_, 4, 4), (std::vector<std::string>{"....", ".###", ".###", ".###"}));
}

TEST_F(RegionEditor, ABuildWithoutAColourOrAnOpaquePixelChangesNothing) {
  struct TCase {
    const char* Name;
    std::vector<vcl::TPoint> Picks;
    const char* Message;
  };
  const TCase cases[] = {{"no colour", {}, vcl::SZYLRegionNoColors},
                         {"all transparent", {{0, 0}, {1, 0}}, vcl::SZYLRegionAllTransparent}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    bool ok = true;
    vt::TDialogScript* shown = nullptr;
    std::string message;
    Run([&](vt::TDialogScript& script) {
      shown = &script;
      Load(script, {".R", "R."});
      PickAndBuild(script, c.Picks);
      script.Press("OK");  // the message
      On(script, [&](Dlg* f) {
        ok = f->OKButton->Enabled();
        message = shown->Shown().back().Text;
      });
      script.Press("Cancel");
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(message, c.Message);
    EXPECT_EQ(mask_.RegionDataSize(), 0u);
  }
}

TEST_F(RegionEditor, OnlyOKGivesTheMaskToTheOpener) {
  // A mask from an earlier build, to be kept.
  Run([&](vt::TDialogScript& script) {
    Load(script, {"R.", ".."});
    PickAndBuild(script, {{1, 1}});
    script.Press("Ok");
  });
  for (TEnding ending :
       {TEnding::Ok, TEnding::Cancel, TEnding::CloseBox, TEnding::Escape, TEnding::Exception}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    const std::string before = MaskState(&mask_);
    std::string error;
    bool accepted = false;
    try {
      accepted = Run([&](vt::TDialogScript& script) {
        Load(script, {"..", ".R"});
        PickAndBuild(script, {{0, 0}});
        On(script, [](Dlg* f) {
          vt::ClickControl(f->ccb);
          designtest::ChooseComboItem(f->colb, "spf8bit");
        });
        switch (ending) {
          case TEnding::Ok: script.Press("Ok"); break;
          case TEnding::Cancel: script.Press("Cancel"); break;
          case TEnding::CloseBox:
            script.Do([](vcl::TCustomForm* f) { designtest::ClickCloseBox(f->Handle()); });
            break;
          case TEnding::Escape: script.PressKey(win::VK_ESCAPE); break;
          default:
            script.Do([](vcl::TCustomForm*) { throw vcl::Exception("failure inside the editor"); });
        }
      });
    } catch (const vcl::Exception& e) {
      error = e.Message();
    }
    EXPECT_EQ(accepted, ending == TEnding::Ok);
    EXPECT_EQ(error, ending == TEnding::Exception ? "failure inside the editor" : "");
    if (ending != TEnding::Ok) {
      EXPECT_EQ(MaskState(&mask_), before);
      continue;
    }
    EXPECT_EQ(RegionRows(&mask_, 2, 2), (std::vector<std::string>{"..", ".#"}));
    EXPECT_TRUE(mask_.Compressed());
    EXPECT_EQ(mask_.PixelFormat(), spf8bit);
  }
}

}  // namespace
}  // namespace zyl
