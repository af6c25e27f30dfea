// The colour, font and font size list boxes: the lists they build, the chosen entry, the colour
// dialog on a right click, the swatches and type symbols they draw, the font example under the
// mouse, and the size list following a font list box.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "edits/ZYLColorListBox.h"
#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontListBox.h"
#include "edits/ZYLFontSizeComboBox.h"
#include "edits/ZYLFontSizeListBox.h"
#include "edits/ZYLFontSymbols.h"
#include "platform/base/Finally.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/StrUtils.h"
#include "platform/text/FontEngine.h"
#include "platform/text/Text.h"
#include "platform/user/WinUser.h"
#include "tests/edits/ComboTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/StringItems.h"

namespace {

using edittest::THost;

template <class T>
T* PlaceList(THost& Host, const char* Name, int X, int Y, int W = 160, int H = 200) {
  auto* c = new T(Host.Form());
  c->SetName(Name);
  c->SetBounds(X, Y, W, H);
  c->SetParent(Host.Form());
  THost::Idle();
  return c;
}

// The screen's picture of item Index of a list box (its client area's rectangle of the item).
win::testkit::TCapture ItemShot(THost& Host, vcl::TCustomListBox* List, int Index) {
  const vcl::TRect r = List->ItemRect(Index);
  const win::testkit::TCapture all = Host.Shot(List);
  return win::testkit::MakeCapture(r.Width(), r.Height(),
                                   [&](int x, int y) { return all.Color(r.Left + x, r.Top + y); });
}

class ListBoxesTest : public ::testing::Test {
 protected:
  THost host_;
};

TEST_F(ListBoxesTest, TheColourListBoxSharesTheComboBoxsColourList) {
  auto* list = PlaceList<zyl::TZYLColorListBox>(host_, "Colors", 10, 10);
  EXPECT_EQ(list->Items()->Count(), 16);
  EXPECT_EQ(list->SelectedColor(), -1);
  EXPECT_EQ(list->SelectedColorName(), "");
  list->SetSelectedColor(vcl::clTeal);
  EXPECT_EQ(list->Items()->Get(list->ItemIndex()), "clTeal");
  list->SetSelectedColor(0x00ABCDEF);
  EXPECT_EQ(list->SelectedColorName(), "$00ABCDEF");
  EXPECT_EQ(list->Items()->Count(), 17);
  list->SetOptions({zyl::coDefaultColors});
  list->SetSelectedColor(0x00123456);
  EXPECT_EQ(list->ItemIndex(), -1);
  // Name=value lines of its own, their names shown.
  list->CustomColors()->Add("Leaf=$00008000");
  list->SetCustomMode(true);
  EXPECT_EQ(list->Items()->Count(), 1);
  list->SetSelectedColor(0x8000);
  EXPECT_EQ(list->SelectedColorName(), "Leaf");
  EXPECT_FALSE(list->Execute());
}

TEST_F(ListBoxesTest, TheColourListBoxDrawsSwatchAndNameInIts3DText) {
  auto* list = PlaceList<zyl::TZYLColorListBox>(host_, "Colors", 10, 10);
  const win::testkit::TCapture item = ItemShot(host_, list, 9);  // clRed, not selected
  const int h = item.Height;
  // The swatch (frame and fill) from 4 + margin to 8 + the item's height less one pixel.
  const int margin = list->Margin();
  const win::RECT inside{margin + 5, 3, margin + 8 + (h - 1) - 1, h - 1 - 3};
  EXPECT_TRUE(win::testkit::PixelsMatch(
      item, [](int, int) { return static_cast<win::COLORREF>(vcl::clRed); }, "red_swatch", inside));
  const win::RECT name{margin + 8 + h + 6, 0, item.Width, h};
  const win::COLORREF paper = item.Color(item.Width - 1, 0);
  EXPECT_FALSE(win::testkit::PixelsMatch(
      item, [&](int, int) { return paper; }, "name", name));
  // The labeled twin carries its caption label.
  auto* labeled = PlaceList<zyl::TZYLLabeledColorListBox>(host_, "Labeled", 180, 30);
  ASSERT_NE(labeled->EditLabel(), nullptr);
}

TEST_F(ListBoxesTest, ARightClickOnTheColourListOpensTheDialog) {
  auto* list = PlaceList<zyl::TZYLColorListBox>(host_, "Colors", 10, 10);
  list->SetOptions({zyl::coDefaultColors, zyl::coAllowDialog});
  ASSERT_EQ(THost::ClickChoosingColor(list, vcl::clBlue), 1u);
  EXPECT_EQ(list->SelectedColor(), vcl::clBlue);
}

TEST_F(ListBoxesTest, TheFontListBoxListsTheFontsAndTellsItsSizeList) {
  auto* fonts = PlaceList<zyl::TZYLFontListBox>(host_, "Fonts", 10, 10);
  auto* combo = combotest::Place<zyl::TZYLFontComboBox>(host_, "Combo", 180, 10);
  std::vector<std::string> listed = testsupport::Items(*fonts->Items());
  std::vector<std::string> sorted = combotest::Texts(combo);
  std::sort(listed.begin(), listed.end(),
            [](auto& a, auto& b) { return vcl::CompareText(a, b) < 0; });
  EXPECT_EQ(listed, sorted);
  auto* sizes = PlaceList<zyl::TZYLFontSizeListBox>(host_, "Sizes", 180, 60, 60, 150);
  sizes->SetFontList(fonts);
  fonts->SetSelectedFont("ms sans serif");
  EXPECT_EQ(fonts->SelectedFont(), "MS Sans Serif");
  EXPECT_EQ(sizes->FontName(), "MS Sans Serif");
  EXPECT_EQ(testsupport::Items(*sizes->Items()), (std::vector<std::string>{"8", "10", "12"}));
  // A click on another face reaches the size list too.
  fonts->SetTopIndex(fonts->Items()->IndexOf("Arial"));
  THost::Idle();
  const vcl::TRect shown = fonts->ItemRect(fonts->Items()->IndexOf("Arial"));
  const win::POINT p = THost::At(fonts, 20, (shown.Top + shown.Bottom) / 2);
  win::testkit::Click(p.X, p.Y);
  THost::Idle();
  EXPECT_EQ(sizes->FontName(), "Arial");
  EXPECT_EQ(sizes->Items()->Count(), 16);
  delete fonts;
  EXPECT_EQ(sizes->FontList(), nullptr);
}

TEST_F(ListBoxesTest, TheFontExampleShowsOncePerItemUnderTheMouse) {
  auto* fonts = PlaceList<zyl::TZYLFontListBox>(host_, "Fonts", 10, 10);
  fonts->SetShowExample(true);
  fonts->SetExampleAlign(zyl::eaRow);
  vcl::THintWindow* example = fonts->ExampleWindow();
  const auto over = [&](int index) {
    const vcl::TRect r = fonts->ItemRect(index);
    const win::POINT p = THost::At(fonts, 30, (r.Top + r.Bottom) / 2);
    win::testkit::MouseMove(p.X, p.Y);
    THost::Idle();
  };
  over(1);
  ASSERT_TRUE(example->HandleAllocated() && win::IsWindowVisible(example->Handle()));
  EXPECT_EQ(example->Font()->Name(), fonts->Items()->Get(1));
  // Level with the mouse, right of the box.
  const vcl::TRect r1 = fonts->ItemRect(1);
  EXPECT_EQ(example->Left(), fonts->ClientToScreen(vcl::TPoint{fonts->Width(), 0}).X);
  EXPECT_EQ(example->Top(), fonts->ClientToScreen(vcl::TPoint{0, (r1.Top + r1.Bottom) / 2}).Y);
  over(2);
  EXPECT_EQ(example->Font()->Name(), fonts->Items()->Get(2));
  // Leaving the box hides it.
  win::testkit::MouseMove(600, 400);
  THost::Idle();
  EXPECT_FALSE(example->HandleAllocated() && win::IsWindowVisible(example->Handle()));
}

TEST_F(ListBoxesTest, TheFontListBoxDrawsTheTrueTypeSymbol) {
  auto* fonts = PlaceList<zyl::TZYLFontListBox>(host_, "Fonts", 10, 10, 160, 400);
  const int index = fonts->Items()->IndexOf("Arial");
  fonts->SetTopIndex(index);
  const win::testkit::TCapture item = ItemShot(host_, fonts, index);
  const int size = zyl::ZYLFontSymbolSize;
  const int left = fonts->Margin() + 2, top = (item.Height - 1 - size) / 2;
  EXPECT_TRUE(win::testkit::PixelsMatch(item,
                                        [&](int x, int y) {
                                          const int32_t c =
                                              zyl::ZYLFontSymbolPixel(x - left, y - top);
                                          return c == 0xFF00FF ? item.Color(left, top)
                                                               : static_cast<win::COLORREF>(c);
                                        },
                                        "list_symbol", {left, top, left + size, top + size}));
}

struct SizeCase {
  const char* Face;
  bool Nearest;
  int Value;
  int Selected;  // -1: nothing selected
};

class FontSizeListSelect : public ListBoxesTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(FontSizeListSelect, SelectsTheCheckedSize) {
  const SizeCase& c = GetParam();
  auto* sizes = PlaceList<zyl::TZYLFontSizeListBox>(host_, "Sizes", 10, 10, 60, 150);
  sizes->SetFontName(c.Face);
  sizes->SetUseNearestSize(c.Nearest);
  sizes->SetSelected(c.Value);
  EXPECT_EQ(sizes->Selected(), c.Selected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontSizeListSelect,
    ::testing::Values(SizeCase{"Arial", false, 14, 14}, SizeCase{"Arial", false, 0, 10},
                      SizeCase{"Arial", false, 13, -1}, SizeCase{"MS Sans Serif", true, 11, 10},
                      SizeCase{"MS Sans Serif", true, 100, 12},
                      SizeCase{"No Such Face", true, 12, -1}, SizeCase{"", false, 12, -1}));

// When the system's font table changes, the font lists are made again and keep the chosen face:
// a face missing from the list meanwhile is there again.
TEST_F(ListBoxesTest, AChangedFontTableListsTheFacesAgainKeepingTheChoice) {
  auto* combo = combotest::Place<zyl::TZYLFontComboBox>(host_, "Combo", 180, 10);
  auto* list = PlaceList<zyl::TZYLFontListBox>(host_, "Fonts", 10, 10, 150, 150);
  struct TCase {
    const char* Name;
    vcl::TStrings* Items;
    std::function<void()> Choose;
    std::function<std::string()> Chosen;
    vcl::TWinControl* Control;
  };
  const TCase cases[] = {
      {"combo", combo->Items(), [&] { combo->SetSelectedFont("Courier New"); },
       [&] { return combo->SelectedFont(); }, combo},
      {"list", list->Items(), [&] { list->SetSelectedFont("Courier New"); },
       [&] { return list->SelectedFont(); }, list},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const int faces = c.Items->Count();
    ASSERT_GT(faces, 10);
    c.Choose();
    ASSERT_EQ(c.Chosen(), "Courier New");
    c.Items->Delete(c.Items->IndexOf("Arial"));
    c.Control->Perform(vcl::CM_FONTCHANGE, 0, 0);
    EXPECT_EQ(c.Items->Count(), faces);
    EXPECT_GE(c.Items->IndexOf("Arial"), 0);
    EXPECT_EQ(c.Chosen(), "Courier New");
  }
}

// A font removed from the system and installed again: once the system tells the form's window,
// both font lists follow and keep the chosen face.
TEST_F(ListBoxesTest, TheFontListsFollowTheSystemsFontsWhenTheFormIsTold) {
  auto* combo = combotest::Place<zyl::TZYLFontComboBox>(host_, "Combo", 180, 10);
  auto* list = PlaceList<zyl::TZYLFontListBox>(host_, "Fonts", 10, 10, 150, 150);
  combo->SetSelectedFont("Courier New");
  list->SetSelectedFont("Courier New");
  std::string file;
  for (const win::fontengine::TCatalogFace& f : win::fontengine::CatalogFaces())
    if (f.FaceName == "Arial") file = f.File;
  ASSERT_FALSE(file.empty());
  const vcl::TFinally reinstall([&] { win::ResetFontResources(); });
  const struct {
    std::function<void()> Change;
    bool Listed;
  } steps[] = {{[&] { win::RemoveFontResourceA(file.c_str()); }, false},
               {[&] { win::AddFontResourceA(file.c_str()); }, true}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.Listed ? "installed" : "removed");
    step.Change();
    win::SendMessageA(win::HWND_BROADCAST, win::WM_FONTCHANGE, 0, 0);
    THost::Idle();
    EXPECT_EQ(combo->Items()->IndexOf("Arial") >= 0, step.Listed);
    EXPECT_EQ(list->Items()->IndexOf("Arial") >= 0, step.Listed);
    EXPECT_EQ(combo->SelectedFont(), "Courier New");
    EXPECT_EQ(list->SelectedFont(), "Courier New");
  }
}

}  // namespace
