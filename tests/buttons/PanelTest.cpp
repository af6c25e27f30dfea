// The panel chain: the background a panel supplies to its children (with its back effect),
// bevels inside and outside the client area, children aligned inside the bevel, the flat
// border's hot look, the fill panel's caption, the parent panel's image-list removal and the
// status bar's gap, simple text and styles.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLBackPanel.h"
#include "buttons/ZYLCustomPanelFill.h"
#include "buttons/ZYLPanelFill.h"
#include "buttons/ZYLSimplePanel.h"
#include "buttons/ZYLStatusBar.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/user/WinUser.h"
#include "tests/buttons/PanelTestSupport.h"
#include "tests/support/FormText.h"

namespace zyl {
namespace {

using paneltest::Rgb;
using paneltest::Split;
using paneltest::THost;
using vcl::TRect;
using win::testkit::PixelsMatch;

// The fill panel with its protected parts reachable.
class TFillPanel : public TZYLCustomPanelFill {
  ZYL_CLASS(TFillPanel, TZYLCustomPanelFill)
  explicit TFillPanel(vcl::TComponent* AOwner) : inherited(AOwner) {}
  using TZYLCustomBevelPanel::BorderInFront;
};
ZYL_CLASS_IMPL(TFillPanel) {}

class TBevelPanel : public TZYLCustomBevelPanel {
  ZYL_CLASS(TBevelPanel, TZYLCustomBevelPanel)
  explicit TBevelPanel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};
ZYL_CLASS_IMPL(TBevelPanel) {}

class PanelTest : public ::testing::Test {
 protected:
  THost host_;
};

TEST_F(PanelTest, SuppliesItsBackgroundThroughTheBackEffect) {
  auto* p = host_.Add<TFillPanel>(10, 10, 60, 40);
  p->SetColor(vcl::clRed);
  host_.Show();
  vcl::TBitmap dst;
  dst.SetSize(20, 10);
  dst.Canvas()->Brush()->SetColor(vcl::clBlue);
  dst.Canvas()->FillRect(TRect{0, 0, 20, 10});
  // A piece that reaches beyond the panel's right edge: only the panel's part is copied.
  EXPECT_TRUE(p->BackDrawArea(dst.Canvas(), TRect{0, 0, 20, 10}, vcl::TPoint{50, 5}, 0));
  for (auto [x, y, c] : {std::tuple{0, 0, vcl::clRed}, {9, 9, vcl::clRed}, {10, 0, vcl::clBlue}})
    EXPECT_EQ(Rgb(dst.Canvas()->Pixels(x, y)), Rgb(c)) << x << "," << y;
  // Wholly outside: nothing to copy.
  EXPECT_FALSE(p->BackDrawArea(dst.Canvas(), TRect{0, 0, 5, 5}, vcl::TPoint{70, 0}, 0));

  p->BackFX()->SetBoolean(3, true);  // invert
  ASSERT_TRUE(p->BackDrawArea(dst.Canvas(), TRect{0, 0, 5, 5}, vcl::TPoint{0, 0}, 0));
  EXPECT_EQ(Rgb(dst.Canvas()->Pixels(2, 2)), Rgb(vcl::clAqua));
  // The panel shows what it supplies.
  EXPECT_TRUE(PixelsMatch(THost::Client(p),
                          Split([](int, int) { return true; }, vcl::clAqua, vcl::clAqua),
                          "panel_backfx"));
}

TEST_F(PanelTest, FillObjectPaintsAndIsSuppliedToChildren) {
  auto* p = host_.Add<TFillPanel>(0, 0, 40, 30);
  p->SetColor(vcl::clRed);
  p->FillObject()->SetFillStyle(sfBrush);
  p->FillObject()->Brush()->SetColor(vcl::clLime);
  host_.Show();
  EXPECT_TRUE(PixelsMatch(
      THost::Client(p), [](int, int) { return Rgb(vcl::clLime); }, "panel_fill"));
  vcl::TBitmap dst;
  dst.SetSize(4, 4);
  p->BackDrawArea(dst.Canvas(), TRect{0, 0, 4, 4}, vcl::TPoint{3, 3}, 0);
  EXPECT_EQ(Rgb(dst.Canvas()->Pixels(1, 1)), Rgb(vcl::clLime));
  // Back to no fill: the colour again, also in the supplied background.
  p->FillObject()->SetFillStyle(sfNone);
  p->BackDrawArea(dst.Canvas(), TRect{0, 0, 4, 4}, vcl::TPoint{3, 3}, 0);
  EXPECT_EQ(Rgb(dst.Canvas()->Pixels(1, 1)), Rgb(vcl::clRed));
}

struct TBevelCase {
  const char* Name;
  TZYLBevelStyle Outer;
  int Width;
  int Extent;  // what the children lose on each side
};

class BevelAlignTest : public PanelTest, public ::testing::WithParamInterface<TBevelCase> {};

TEST_P(BevelAlignTest, ChildrenAlignInsideTheBevel) {
  const TBevelCase& k = GetParam();
  auto* p = host_.Add<TFillPanel>(0, 0, 100, 60);
  p->Bevel()->SetBevelStyleOuter(k.Outer);
  p->Bevel()->SetBevelWidthOuter(static_cast<uint8_t>(k.Width));
  auto* child = host_.Add<TFillPanel>(0, 0, 10, 10);
  child->SetParent(p);
  child->SetAlign(vcl::alClient);
  host_.Show();
  EXPECT_EQ(p->BevelExt(), k.Extent);
  EXPECT_EQ(p->DblBevelExt(), 2 * k.Extent);
  EXPECT_EQ(child->BoundsRect(), (TRect{k.Extent, k.Extent, 100 - k.Extent, 60 - k.Extent}));
  EXPECT_EQ(p->BeveledRect(), child->BoundsRect());
}

INSTANTIATE_TEST_SUITE_P(Styles, BevelAlignTest,
                         ::testing::Values(TBevelCase{"none", bvNone, 1, 0},
                                           TBevelCase{"raised", bvRaised, 1, 1},
                                           TBevelCase{"lowered3", bvLowered, 3, 3},
                                           TBevelCase{"frame", bvFrameLowered, 1, 2}),
                         [](const auto& i) { return std::string(i.param.Name); });

TEST_F(PanelTest, WindowsBevelModeIsTheSystemBorder) {
  auto* p = host_.Add<TFillPanel>(0, 0, 80, 40);
  host_.Show();
  const auto exStyle = [&] { return win::GetWindowLongA(p->Handle(), win::GWL_EXSTYLE); };
  const auto style = [&] { return win::GetWindowLongA(p->Handle(), win::GWL_STYLE); };
  EXPECT_EQ(exStyle() & win::WS_EX_CLIENTEDGE, 0);
  p->Bevel()->SetMode(bmWindows);
  EXPECT_NE(exStyle() & win::WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(p->BevelExt(), 0);
  EXPECT_LT(p->ClientWidth(), 80);  // the system's edge takes its room
  p->SetCtl3D(false);
  p->Bevel()->SetMode(bmCustom);
  p->Bevel()->SetMode(bmWindows);
  EXPECT_EQ(exStyle() & win::WS_EX_CLIENTEDGE, 0);
  EXPECT_NE(style() & win::WS_BORDER, 0);
}

TEST_F(PanelTest, BevelChangesRemakeTheWindowUnlessTold) {
  auto* p = host_.Add<TBevelPanel>(0, 0, 60, 30);
  auto* child = host_.Add<TFillPanel>(0, 0, 5, 5);
  child->SetParent(p);
  child->SetAlign(vcl::alClient);
  host_.Show();
  win::testkit::TMessageRecorder rec(p->Handle());
  p->SetNoHandleUpdate(true);
  p->Bevel()->SetBevelStyleOuter(bvRaised);
  EXPECT_EQ(rec.Count(win::WM_DESTROY), 0);
  EXPECT_EQ(child->BoundsRect(), (TRect{1, 1, 59, 29}));  // realigned all the same
  p->SetNoHandleUpdate(false);
  p->Bevel()->SetBevelWidthOuter(2);
  EXPECT_EQ(rec.Count(win::WM_DESTROY), 1);
  EXPECT_EQ(child->BoundsRect(), (TRect{2, 2, 58, 28}));
  EXPECT_TRUE(PixelsMatch(
      THost::Client(child), [](int, int) { return Rgb(vcl::clBtnFace); }, "child_after_remake"));
  // The fill panel remakes its window only when the bevel moves into or out of the frame.
  auto* f = host_.Add<TFillPanel>(100, 0, 60, 30);
  THost::Idle();
  win::testkit::TMessageRecorder frec(f->Handle());
  f->Bevel()->SetBevelStyleOuter(bvRaised);
  EXPECT_EQ(frec.Count(win::WM_DESTROY), 0);
  f->Bevel()->SetMode(bmWindows);
  EXPECT_EQ(frec.Count(win::WM_DESTROY), 1);
}

TEST_F(PanelTest, RaisedBevelAndColourArePainted) {
  auto* p = host_.Add<TFillPanel>(0, 0, 50, 30);
  p->SetColor(vcl::clYellow);
  p->Bevel()->SetBevelStyleOuter(bvRaised);
  host_.Show();
  const auto cap = THost::Client(p);
  EXPECT_TRUE(PixelsMatch(
      cap,
      [](int x, int y) {
        if (x == 49 || y == 29) return Rgb(vcl::clBtnShadow);
        if (x == 0 || y == 0) return Rgb(vcl::clBtnHighlight);
        return Rgb(vcl::clYellow);
      },
      "panel_raised"));
}

TEST_F(PanelTest, FlatBorderShowsOnlyWhileHot) {
  auto* p = host_.Add<TFillPanel>(20, 20, 50, 30);
  p->SetColor(vcl::clYellow);
  p->Bevel()->SetBevelStyleOuter(bvRaised);
  p->SetFlat(true);
  host_.Show();
  const auto plain = [](int, int) { return Rgb(vcl::clYellow); };
  EXPECT_FALSE(p->BorderInFront());
  EXPECT_TRUE(PixelsMatch(THost::Client(p), plain, "flat_cold"));
  win::testkit::MouseMove(40, 30);
  THost::Idle();
  EXPECT_TRUE(p->BorderInFront());
  EXPECT_EQ(THost::Client(p).Color(0, 0), Rgb(vcl::clBtnHighlight));
  win::testkit::MouseMove(200, 200);
  THost::Idle();
  EXPECT_FALSE(p->BorderInFront());
  EXPECT_TRUE(PixelsMatch(THost::Client(p), plain, "flat_cold_again"));
}

TEST_F(PanelTest, CaptionIsDrawnInsideTheBevelAtItsAlignment) {
  auto* p = host_.Add<TFillPanel>(0, 0, 120, 30);
  p->SetColor(vcl::clWhite);
  p->Font()->SetColor(vcl::clBlack);
  p->SetCaption("Hello");
  host_.Show();
  const auto ink = [&](TRect a) { return paneltest::InkCount(THost::Client(p), vcl::clWhite, a); };
  EXPECT_EQ(ink(TRect{0, 0, 40, 30}), 0);  // centred: the left third stays empty
  EXPECT_GT(ink(TRect{40, 0, 80, 30}), 10);
  p->SetAlignment(agCenterLeft);
  EXPECT_GT(ink(TRect{0, 0, 40, 30}), 10);
  EXPECT_EQ(ink(TRect{80, 0, 120, 30}), 0);
}

TEST_F(PanelTest, ParentPanelForgetsARemovedImageList) {
  auto* p = host_.Add<TFillPanel>(0, 0, 20, 20);
  auto* list = new TZYLImageList(host_.Form);
  p->SetImageList(list);
  ASSERT_EQ(p->ImageList(), list);
  delete list;
  EXPECT_EQ(p->ImageList(), nullptr);
  EXPECT_TRUE(p->ImageListRemoved());
}

// A list with one 2 x 2 picture: red and blue on the first row, blue and red on the second.
TZYLImageList* Checker(vcl::TComponent* Owner) {
  auto* list = new TZYLImageList(Owner);
  auto* item = list->GetArrayItem(list->Add());
  item->SetInteger(0, 2);
  item->SetInteger(1, 2);
  vcl::TBitmap b;
  b.SetSize(2, 2);
  for (auto [x, y, c] :
       {std::tuple{0, 0, vcl::clRed}, {1, 0, vcl::clBlue}, {0, 1, vcl::clBlue}, {1, 1, vcl::clRed}})
    b.Canvas()->SetPixels(x, y, c);
  item->Add(&b, nullptr);
  return list;
}
const auto kChecker = [](int x, int y) { return Rgb((x + y) % 2 ? vcl::clBlue : vcl::clRed); };

TEST_F(PanelTest, BackPanelTilesItsPictureAlsoUnderTransparentChildren) {
  auto* p = host_.Add<TZYLBackPanel>(0, 0, 40, 30);
  p->SetColor(vcl::clLime);
  host_.Show();
  EXPECT_TRUE(PixelsMatch(
      THost::Client(p), [](int, int) { return Rgb(vcl::clLime); }, "back_plain"));
  p->SetImageList(Checker(host_.Form));
  ASSERT_NE(p->Picture(), nullptr);
  EXPECT_TRUE(PixelsMatch(THost::Client(p), kChecker, "back_tiled"));
  // A transparent fill panel placed at an odd offset continues the pattern.
  auto* child = host_.Add<TZYLPanelFill>(0, 0, 10, 10);
  child->SetParent(p);
  child->SetBounds(3, 5, 10, 10);
  child->SetTransparent(true);
  EXPECT_TRUE(PixelsMatch(
      THost::Client(child), [](int x, int y) { return kChecker(x + 3, y + 5); }, "back_child"));
  // An index without a picture: the colour again.
  p->SetIndex(iiImageIndex, 5);
  EXPECT_EQ(p->Picture(), nullptr);
  EXPECT_TRUE(PixelsMatch(
      THost::Client(p), [](int, int) { return Rgb(vcl::clLime); }, "back_none"));
}

TEST_F(PanelTest, PanelFillTakesItsListBitmapFromTheImageList) {
  auto* p = host_.Add<TZYLPanelFill>(0, 0, 20, 12);
  p->FillObject()->SetFillStyle(sfBitmapList);
  p->FillObject()->SetTileMode(tmTile);
  p->SetImageList(Checker(host_.Form));
  host_.Show();
  EXPECT_TRUE(PixelsMatch(THost::Client(p), kChecker, "panelfill_list"));
}

// ---- Simple panel ----

TEST_F(PanelTest, SimplePanelKeepsItsBevelOutsideTheClientArea) {
  auto* p = host_.Add<TZYLSimplePanel>(0, 0, 60, 40);
  p->SetColor(vcl::clYellow);
  p->Bevel()->SetBevelStyleOuter(bvLowered);
  p->Bevel()->SetBevelWidthOuter(2);
  auto* child = host_.Add<TFillPanel>(0, 0, 5, 5);
  child->SetParent(p);
  child->SetAlign(vcl::alClient);
  host_.Show();
  EXPECT_EQ(p->ClientRect(), (TRect{0, 0, 56, 36}));
  EXPECT_EQ(child->BoundsRect(), (TRect{0, 0, 56, 36}));
  const auto whole = THost::Whole(p);
  ASSERT_EQ(whole.Width, 60);
  EXPECT_EQ(whole.Color(0, 0), Rgb(vcl::clBtnShadow));
  EXPECT_EQ(whole.Color(59, 39), Rgb(vcl::clBtnHighlight));
}

// ---- Status bar ----

TEST_F(PanelTest, StatusBarGapAndPlace) {
  TZYLCustomStatusBar base(nullptr);
  EXPECT_EQ(base.GetControlGap(), 0);
  auto* bar = host_.Add<TZYLStatusBar>(0, 0, 200, 19);
  host_.Show();
  EXPECT_EQ(bar->Align(), vcl::alBottom);
  EXPECT_EQ(bar->Top() + bar->Height(), host_.Form->ClientHeight());
  EXPECT_EQ(static_cast<TZYLCustomStatusBar*>(bar)->GetControlGap(), 4);
  bar->SetControlGap(7);
  EXPECT_EQ(bar->GetControlGap(), 7);
  bar->SetControlGap(-1);  // refused
  EXPECT_EQ(bar->GetControlGap(), 7);
}

// Panels put on a shown bar one at a time, each placed and then aligned as the bar's editor
// does: a new left panel goes before the left ones (it starts at the left edge), a new right
// panel before the right ones (the right edge is taken): each panel lies beside the one added
// after it, by its width.
TEST_F(PanelTest, StatusBarPanelsAddedOneAtATimeLieSideBySide) {
  auto* bar = host_.Add<TZYLStatusBar>(0, 0, 200, 19);
  host_.Show();
  constexpr int kLeft = 120, kRight = 5;  // the right ones fit on the bar
  const int widths[] = {30, 12, 45, 7, 20};
  std::vector<vcl::TControl*> lefts, rights;
  TRect firstLeft{}, firstRight{};
  for (int i = 0; i < kLeft + kRight; ++i) {
    const bool left = i < kLeft;
    auto* p = new vcl::TPanel(host_.Form);
    p->SetParent(bar);
    p->SetWidth(widths[i % 5]);
    p->SetAlign(left ? vcl::alLeft : vcl::alRight);
    (left ? lefts : rights).push_back(p);
    if (i == 0) firstLeft = p->BoundsRect();
    if (i == kLeft) firstRight = p->BoundsRect();
  }
  for (size_t k = 0; k < lefts.size(); ++k) {
    const TRect r = lefts[k]->BoundsRect();
    EXPECT_EQ(r.Width(), widths[k % 5]) << "left " << k;
    EXPECT_EQ(r.Top, firstLeft.Top) << "left " << k;
    EXPECT_EQ(r.Bottom, firstLeft.Bottom) << "left " << k;
    const int after = k + 1 < lefts.size() ? lefts[k + 1]->BoundsRect().Right : firstLeft.Left;
    EXPECT_EQ(r.Left, after) << "left " << k;
  }
  for (size_t k = 0; k < rights.size(); ++k) {
    const TRect r = rights[k]->BoundsRect();
    EXPECT_EQ(r.Width(), widths[(kLeft + k) % 5]) << "right " << k;
    EXPECT_EQ(r.Top, firstRight.Top) << "right " << k;
    const int before = k > 0 ? rights[k - 1]->BoundsRect().Left : firstRight.Right;
    EXPECT_EQ(r.Right, before) << "right " << k;
  }
}

TEST_F(PanelTest, StatusBarSimpleTextReplacesTheCaption) {
  auto* bar = host_.Add<TZYLStatusBar>(0, 0, 200, 19);
  bar->SetColor(vcl::clWhite);
  bar->Font()->SetColor(vcl::clBlack);
  host_.Show();
  const auto ink = [&] {
    return paneltest::InkCount(THost::Client(bar), vcl::clWhite, TRect{0, 0, 200, bar->Height()});
  };
  bar->SetSimpleText("Ready");
  EXPECT_EQ(ink(), 0);  // not shown until SimplePanel
  bar->SetBoolean(TZYLStatusBar::biSimplePanel, true);
  EXPECT_TRUE(bar->SimplePanel());
  const int shown = ink();
  EXPECT_GT(shown, 10);
  bar->SetSimpleText("Ready and waiting");
  EXPECT_GT(ink(), shown);
}

TEST_F(PanelTest, StatusBarFramesItsChildrenInTheOldStyle) {
  auto* bar = host_.Add<TZYLStatusBar>(0, 0, 200, 19);
  bar->SetColor(vcl::clWhite);
  auto* child = host_.Add<TFillPanel>(10, 3, 30, 12);
  child->SetParent(bar);
  child->SetAlign(vcl::alNone);
  child->SetBounds(10, 3, 30, 12);
  bar->SetBoolean(TZYLStatusBar::biOldStyle, false);
  host_.Show();
  // New style: a separator line half the gap right of the child.
  EXPECT_EQ(THost::Client(bar).Color(42, 8), Rgb(vcl::clBtnShadow));
  EXPECT_EQ(THost::Client(bar).Color(9, 2), Rgb(vcl::clWhite));
  bar->SetBoolean(TZYLStatusBar::biOldStyle, true);
  const auto cap = THost::Client(bar);
  EXPECT_EQ(cap.Color(9, 2), Rgb(vcl::clBtnShadow));       // sunken: dark top-left
  EXPECT_EQ(cap.Color(40, 15), Rgb(vcl::clBtnHighlight));  // light bottom-right
  EXPECT_EQ(cap.Color(42, 8), Rgb(vcl::clWhite));
}

// A new bar is an old-style one and carries its own 3D font; a form that does not store
// OldStyle reads as an old-style bar, one that stores False as a new-style bar, and the 3D font
// is written with the form.
TEST_F(PanelTest, AStatusBarIsOldStyleUnlessItsFormSaysOtherwise) {
  auto* bar = host_.Add<TZYLStatusBar>(0, 0, 200, 19);
  EXPECT_TRUE(bar->OldStyle());
  ASSERT_NE(bar->Font3D(), nullptr);
  EXPECT_NE(vcl::GetPropInfo(bar, "Font3D"), nullptr);

  struct TCase {
    const char* Stored;
    bool OldStyle;
  };
  for (const TCase& c : {TCase{"", true}, TCase{"    OldStyle = False\n", false},
                         TCase{"    OldStyle = True\n", true}}) {
    SCOPED_TRACE(c.Stored);
    ZYLStatusBarUnit.Init();
    std::unique_ptr<vcl::TForm> form(new vcl::TForm(nullptr));
    vcl::ReadComponentFromBytes(
        vcl::ObjectTextToBinaryString(std::string("object F: TForm\n"
                                                  "  object B: TZYLStatusBar\n") +
                                      c.Stored +
                                      "    Font3D.Style = tdRaised\n"
                                      "  end\n"
                                      "end\n"),
        form.get());
    ZYLStatusBarUnit.FInit();
    auto* read = dynamic_cast<TZYLStatusBar*>(form->FindComponent("B"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->OldStyle(), c.OldStyle);
    EXPECT_EQ(read->Font3D()->Style(), tdRaised);
  }
}

// The bar stores no tab order: a form that holds it before the controls that do keeps their
// keyboard order as read, with the bar after them, and writes the same numbers back.
TEST_F(PanelTest, AStatusBarLeavesTheTabOrderOfAFormAsRead) {
  vcl::RegisterClass(vcl::TEdit::StaticClass());
  ZYLStatusBarUnit.Init();
  std::unique_ptr<vcl::TForm> form = testsupport::FormFromText(
      "object F: TForm\n"
      "  object Bar: TZYLStatusBar\n"
      "  end\n"
      "  object First: TEdit\n"
      "    TabOrder = 0\n"
      "  end\n"
      "  object Second: TEdit\n"
      "    TabOrder = 1\n"
      "  end\n"
      "end\n");
  ZYLStatusBarUnit.FInit();
  std::vector<vcl::TWinControl*> order;
  form->GetTabOrderList(order);
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[0]->Name(), "First");
  EXPECT_EQ(order[1]->Name(), "Second");
  EXPECT_EQ(order[2]->Name(), "Bar");
  const std::string written = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(form.get()));
  auto writtenOrder = [&written](const std::string& name) {
    const size_t at = written.find("object " + name + ": TEdit");
    const size_t end = written.find("end", at);
    const size_t prop = written.find("TabOrder = ", at);
    return at == std::string::npos || prop > end ? std::string() : written.substr(prop + 11, 1);
  };
  EXPECT_EQ(writtenOrder("First"), "0") << written;
  EXPECT_EQ(writtenOrder("Second"), "1") << written;
}

}  // namespace
}  // namespace zyl
