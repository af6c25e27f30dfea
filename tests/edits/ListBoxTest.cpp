// The extended list box driven as a user drives it: editing items in place by keyboard,
// deleting and copying the selection, the wide-text modes, measured item heights, the look of
// selection, grid lines, focus bevel and transparency, and the caption label.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "buttons/ZYLSimplePanel.h"
#include "display/ZYLBoundLabel.h"
#include "edits/ZYLExtListBox.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"
#include "tests/edits/ListTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/ThemeScope.h"

namespace zyl {
namespace {

using edittest::THost;
using listtest::Joined;
namespace tk = win::testkit;

class ListBoxTest : public ::testing::Test {
 protected:
  TZYLExtListBox* List(const std::vector<std::string>& Items, int X = 10, int Y = 10) {
    auto* l = new TZYLExtListBox(host_.Form());
    l->SetBounds(X, Y, 120, 100);
    l->SetParent(host_.Form());
    for (const std::string& s : Items) l->Items()->Add(s);
    THost::Idle();
    return l;
  }
  listtest::TEvents events_;  // outlives the lists
  THost host_;
};

// ---------------------------------------------------------------------------------------------
// In-place editing by keyboard

struct TEditCase {
  const char* Name;
  TZYLListBoxEditOptions Options;
  bool Sorted;
  bool Multi;
  int Selected;        // item selected before the keys
  const char* Keys;    // see listtest::Play
  const char* Items;   // the items afterwards, joined by ','
  const char* Events;  // what OnEditChange and OnEditHide reported
};

class ListBoxEditing : public ListBoxTest, public ::testing::WithParamInterface<TEditCase> {};

TEST_P(ListBoxEditing, KeysEditInsertAndDeleteItems) {
  const TEditCase& c = GetParam();
  TZYLExtListBox* l = List({"a", "b", "c"});
  l->SetSorted(c.Sorted);
  l->SetMultiSelect(c.Multi);
  l->SetEditOptions(c.Options + lboSelectText);
  events_.Attach(l);
  THost::Focus(l);
  if (c.Multi)
    l->SetSelected(c.Selected, true);
  else
    l->SetItemIndex(c.Selected);
  listtest::Play(c.Keys);
  EXPECT_EQ(Joined(l->Items()), c.Items);
  EXPECT_EQ(events_.Take(), c.Events);
  EXPECT_EQ(l->Editor(), nullptr);
  EXPECT_EQ(l->EditIndex(), -1);
}

const TZYLListBoxEditOptions kAll{lboAllowDelete, lboAllowEdit, lboAllowInsert};

INSTANTIATE_TEST_SUITE_P(
    Keys, ListBoxEditing,
    ::testing::Values(
        TEditCase{"F2Commits", kAll, false, false, 1, "F2 zz ENTER", "a,zz,c", "change1 hide"},
        TEditCase{"F2EscapeKeeps", kAll, false, false, 1, "F2 zz ESC", "a,b,c", "hide"},
        TEditCase{"InsertBefore", kAll, false, false, 1, "INS new ENTER", "a,new,b,c",
                  "change1 hide"},
        TEditCase{"CtrlInsertOnLastAppends", kAll, false, false, 2, "^INS d ENTER", "a,b,c,d",
                  "change3 hide"},
        TEditCase{"InsertEscapeRemoves", kAll, false, false, 0, "INS x ESC", "a,b,c", "hide"},
        TEditCase{"SortedInsertPlacesInOrder", kAll, true, false, 0, "INS bb ENTER", "a,b,bb,c",
                  "change2 hide"},
        TEditCase{"SortedEditMoves", kAll, true, false, 0, "F2 d ENTER", "b,c,d", "change2 hide"},
        TEditCase{"DeleteKey", kAll, false, false, 1, "DEL", "a,c", ""},
        TEditCase{"KeysWithoutOptionsDoNothing", {}, false, false, 1, "F2 INS DEL", "a,b,c", ""},
        // Escape after inserting at the end of a multi-selection list: the removed item is not
        // selected again.
        TEditCase{"MultiInsertAtEndEscape", kAll, false, true, 2, "^INS x ESC", "a,b,c", "hide"},
        // F2 with nothing selected opens an editor below the items that appends its text.
        TEditCase{"F2WithoutSelectionAppends", kAll, false, false, -1, "F2 d ENTER", "a,b,c,d",
                  "change3 hide"},
        TEditCase{"TabStaysInEditor", kAll, false, false, 0, "F2 TAB q ENTER", "q,b,c",
                  "change0 hide"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ListBoxTest, LeavingTheEditorDiscardsItsTextButKeepsAnInsertedItem) {
  TZYLExtListBox* l = List({"a", "b"});
  TZYLExtListBox* other = List({"x"}, 10, 120);
  l->SetEditOptions(kAll);
  THost::Focus(l);
  l->SetItemIndex(0);
  listtest::Play("F2 typed");
  ASSERT_NE(l->Editor(), nullptr);
  THost::Focus(other);
  EXPECT_EQ(l->Editor(), nullptr);
  EXPECT_EQ(Joined(l->Items()), "a,b");
  THost::Focus(l);
  l->SetItemIndex(1);
  listtest::Play("^INS typed");
  THost::Focus(other);
  EXPECT_EQ(Joined(l->Items()), "a,b,");
}

TEST_F(ListBoxTest, TheEditorStandsOnItsItemAndCanBeCancelledOrMeasured) {
  TZYLExtListBox* l = List({"a", "b", "c"});
  events_.Attach(l);
  l->DisplayEditor(2);
  ASSERT_NE(l->Editor(), nullptr);
  const vcl::TRect item = l->ItemRect(2);
  EXPECT_EQ(l->Editor()->Top(), item.Top - 1);
  EXPECT_EQ(l->Editor()->Height(), item.Height() + 1);
  EXPECT_EQ(l->Editor()->Text(), "c");
  l->HideEditor();
  EXPECT_EQ(l->ItemIndex(), 2);
  events_.CancelShow = true;
  l->DisplayEditor(1);
  EXPECT_EQ(l->Editor(), nullptr);
  events_.CancelShow = false;
  events_.MeasureTo = 40;
  l->DisplayEditor(0);
  ASSERT_NE(l->Editor(), nullptr);
  EXPECT_EQ(l->Editor()->Height(), 40);
  // Resizing the box closes the editor.
  l->SetBounds(10, 10, 130, 100);
  EXPECT_EQ(l->Editor(), nullptr);
}

TEST_F(ListBoxTest, AnEditorForANewItemStandsBelowTheLastOne) {
  TZYLExtListBox* l = List({"a", "b"});
  l->AddItemByEditor();
  ASSERT_NE(l->Editor(), nullptr);
  EXPECT_EQ(l->Editor()->Top(), l->ItemRect(2).Top - 1);
  l->HideEditor();
  TZYLExtListBox* empty = List({}, 10, 120);
  empty->SetEditOptions(kAll);
  THost::Focus(empty);
  listtest::Play("F2");
  ASSERT_NE(empty->Editor(), nullptr);
  EXPECT_EQ(empty->Editor()->Top(), -1);
  EXPECT_EQ(empty->Editor()->Width(), empty->ClientWidth());
  listtest::Play("first ENTER");
  EXPECT_EQ(Joined(empty->Items()), "first");
}

TEST_F(ListBoxTest, AFlatBorderIsLoweredOnlyWhileFocusedOrHovered) {
  TZYLExtListBox* l = List({"a"});
  TZYLExtListBox* other = List({"x"}, 10, 120);
  l->SetFlat(true);
  l->vcl::TControl::SetColor(vcl::clLime);
  THost::Focus(other);
  const win::COLORREF lime = vcl::ColorToRGB(vcl::clLime);
  auto corner = [&] { return tk::CaptureWindow(l->Handle()).Color(0, 0); };
  EXPECT_EQ(corner(), lime);  // the flat look: the frame painted in the list's colour
  THost::Focus(l);
  EXPECT_NE(corner(), lime);  // a lowered frame
  THost::Focus(other);
  EXPECT_EQ(corner(), lime);
}

// Themes that come on while the list shows reach it as the window system's theme-change message,
// or as the library's own from its parent: either makes it build its window anew, themed.
TEST_F(ListBoxTest, EitherThemeChangeMessageMakesAShownListThemed) {
  for (const win::UINT message :
       {win::WM_THEMECHANGED, static_cast<win::UINT>(CM_ZYLTHEMECHANGED)}) {
    SCOPED_TRACE(message);
    TZYLExtListBox* l = List({"a"});
    auto corner = [&] { return tk::CaptureWindow(l->Handle()).Color(0, 0); };
    const win::COLORREF before = corner();
    ZYLUseStandInThemes(true);
    l->Perform(message, 0, 0);
    THost::Idle();
    const win::COLORREF after = corner();
    delete l;  // while the themes are on: its theme handle is closed with it
    ZYLUseStandInThemes(false);
    EXPECT_NE(before, 0x7A7A7Au);
    EXPECT_EQ(after, 0x7A7A7Au);
  }
}

// A themed list holds the "Edit" theme data while it has its window, and gives it back when it
// is freed.
TEST_F(ListBoxTest, AFreedThemedListClosesItsThemeData) {
  testsupport::TThemeScope themes;
  TZYLExtListBox* l = List({"a"});
  const HTHEME theme = static_cast<HTHEME>(l->ThemeHandle());
  ASSERT_NE(theme, nullptr);
  EXPECT_EQ(ZYLThemeClass(theme), "Edit");
  delete l;
  EXPECT_EQ(ZYLThemeClass(theme), "");  // no longer open
}

TEST_F(ListBoxTest, AThemedListFramesItselfWithTheEditThemeByState) {
  ZYLUseStandInThemes(true);
  TZYLExtListBox* l = List({"a"});
  l->RecreateWnd();  // themes came on after the window was made
  THost::Idle();
  auto corner = [&] { return tk::CaptureWindow(l->Handle()).Color(0, 0); };
  const win::COLORREF normal = corner();
  l->SetEnabled(false);
  THost::Idle();
  const win::COLORREF disabled = corner();
  l->SetCtlXP(false);  // the system's border again
  THost::Idle();
  const win::COLORREF plain = corner();
  ZYLUseStandInThemes(false);
  EXPECT_EQ(normal, 0x7A7A7Au);
  EXPECT_EQ(disabled, 0xB0B0B0u);
  EXPECT_NE(plain, normal);
}

TEST_F(ListBoxTest, DisplayEditorIgnoresIndexesOutsideTheItems) {
  TZYLExtListBox* l = List({"a", "b"});
  for (int bad : {-1, 2, 1000, INT32_MIN}) {
    l->DisplayEditor(bad);
    EXPECT_EQ(l->Editor(), nullptr) << bad;
  }
}

// ---------------------------------------------------------------------------------------------
// Selection operations

TEST_F(ListBoxTest, DeleteSelectedMovesTheSelectionToTheSamePlaceOrTheNewLast) {
  TZYLExtListBox* l = List({"a", "b", "c"});
  l->DeleteSelected();  // nothing selected
  EXPECT_EQ(Joined(l->Items()), "a,b,c");
  l->SetItemIndex(1);
  l->DeleteSelected();
  EXPECT_EQ(l->ItemIndex(), 1);
  l->DeleteSelected();
  EXPECT_EQ(Joined(l->Items()), "a");
  EXPECT_EQ(l->ItemIndex(), 0);
  l->DeleteSelected();
  EXPECT_EQ(l->Items()->Count(), 0);
  EXPECT_EQ(l->ItemIndex(), -1);
}

TEST_F(ListBoxTest, MultipleSelectionsAreDeletedCopiedSelectedAndCleared) {
  TZYLExtListBox* l = List({"a", "b", "c", "d"});
  l->SetMultiSelect(true);
  l->SetSelected(1, true);
  l->SetSelected(3, true);
  auto* dest = new TCustomListControl(host_.Form());
  dest->SetParent(host_.Form());
  l->CopySelection(dest);
  EXPECT_EQ(Joined(dest->Items()), "b,d");
  l->DeleteSelected();
  EXPECT_EQ(Joined(l->Items()), "a,c");
  l->SelectAll();
  EXPECT_EQ(l->SelCount(), 2);
  l->ClearSelection();
  EXPECT_EQ(l->SelCount(), 0);
}

TEST_F(ListBoxTest, OptionsThatExcludeEachOtherResetEachOther) {
  TZYLExtListBox* l = List({"a"});
  l->SetLargeTextOptions(lbltEndEllipsis);
  l->SetMultiLine(true);
  EXPECT_EQ(l->LargeTextOptions(), lbltNone);
  l->SetLargeTextOptions(lbltPathEllipsis);
  EXPECT_FALSE(l->MultiLine());
  l->SetMultiSelect(true);
  l->SetHideSelection(true);
  EXPECT_FALSE(l->HideSelection());
  l->SetMultiSelect(false);
  l->SetHideSelection(true);
  l->SetMultiSelect(true);  // the new window drops it
  EXPECT_FALSE(l->HideSelection());
}

TEST_F(ListBoxTest, ClickingAnItemFiresOnSelect) {
  TZYLExtListBox* l = List({"a", "b", "c"});
  events_.Attach(l);
  const vcl::TRect r = l->ItemRect(1);
  const win::POINT p = THost::At(l, r.Left + 5, r.Top + 3);
  tk::Click(p.X, p.Y);
  THost::Idle();
  EXPECT_EQ(l->ItemIndex(), 1);
  EXPECT_EQ(events_.Take(), "select");
}

TEST_F(ListBoxTest, TheWheelAndTheKeysMoveThroughALongList) {
  std::vector<std::string> items;
  for (int i = 0; i < 60; ++i) items.push_back("item " + std::to_string(i));
  TZYLExtListBox* l = List(items);
  THost::Focus(l);
  const win::POINT p = THost::At(l, 20, 20);
  tk::MouseMove(p.X, p.Y);
  tk::Wheel(-120);
  THost::Idle();
  EXPECT_GT(l->TopIndex(), 0);
  l->SetItemIndex(0);
  THost::Chord(win::VK_END, false);
  THost::Idle();
  EXPECT_EQ(l->ItemIndex(), 59);
  EXPECT_TRUE(l->ItemVisible(59));
  EXPECT_FALSE(l->ItemVisible(0));
  EXPECT_FALSE(l->ItemVisible(60));
}

// ---------------------------------------------------------------------------------------------
// Wide text and measured heights

TEST_F(ListBoxTest, TheHorizontalExtentFollowsTheWidestItem) {
  TZYLExtListBox* l = List({});
  l->SetLargeTextOptions(lbltHorzScrollBar);
  THost::Idle();
  l->Items()->Add("short");
  const std::string wide(60, 'W');
  l->Items()->Add(wide);
  const int wideExtent = l->GetHorzExtent(1);
  EXPECT_GT(wideExtent, l->ClientWidth());
  EXPECT_EQ(l->HorzExtent(), wideExtent);
  EXPECT_EQ(l->Perform(win::LB_GETHORIZONTALEXTENT, 0, 0), wideExtent);
  l->Items()->Delete(1);  // the widest goes: measured anew
  EXPECT_EQ(l->HorzExtent(), l->GetHorzExtent(0));
  l->Items()->Clear();
  EXPECT_EQ(l->HorzExtent(), 0);
  EXPECT_EQ(l->Perform(win::LB_GETHORIZONTALEXTENT, 0, 0), 0);
}

TEST_F(ListBoxTest, AutoHeightsFollowTheWrappedText) {
  TZYLExtListBox* l = List({"one", "many words that wrap over several lines of this list box"});
  l->SetMultiLine(true);
  l->SetItemAutoHeight(true);
  THost::Idle();
  const int one = static_cast<int>(l->Perform(win::LB_GETITEMHEIGHT, 0, 0));
  const int many = static_cast<int>(l->Perform(win::LB_GETITEMHEIGHT, 1, 0));
  EXPECT_GE(one, 16);
  EXPECT_GT(many, 2 * one);
}

TEST_F(ListBoxTest, TheLargeTextHintShowsTheWholeTextOfAnUnselectedItemOnly) {
  TZYLExtListBox* l = List({std::string(50, 'x'), "short"});
  l->SetLargeTextOptions(lbltShowHint);
  THost::Idle();
  auto hover = [&](int Item) {
    const vcl::TRect r = l->ItemRect(Item);
    const win::POINT p = THost::At(l, r.Left + 4, r.Top + 3);
    tk::MouseMove(p.X, p.Y);
    THost::Idle();
  };
  hover(0);
  ASSERT_TRUE(l->IsHintWindowActive());
  EXPECT_EQ(l->GetHintWindow()->Caption(), std::string(50, 'x'));
  hover(1);  // fits
  EXPECT_FALSE(l->IsHintWindowActive());
  l->SetItemIndex(0);
  hover(0);
  EXPECT_FALSE(l->IsHintWindowActive());
}

TEST_F(ListBoxTest, TheLargeTextHintComesBackOnEveryHoverAndLeavesTheMouseToTheList) {
  TZYLExtListBox* l = List({std::string(50, 'x'), "short", std::string(60, 'y')});
  l->SetLargeTextOptions(lbltShowHint);
  THost::Idle();
  auto hover = [&](int Item, int Dx) {
    const vcl::TRect r = l->ItemRect(Item);
    const win::POINT p = THost::At(l, r.Left + 4 + Dx, r.Top + 3);
    tk::MouseMove(p.X, p.Y);
    THost::Idle();
    return p;
  };
  struct TStep {
    int Item;
    int Dx;
    const char* Caption;  // nullptr: no hint
  };
  const std::string xs(50, 'x'), ys(60, 'y');
  const TStep steps[] = {{0, 0, xs.c_str()}, {0, 3, xs.c_str()}, {0, 6, xs.c_str()},
                         {1, 0, nullptr},    {0, 0, xs.c_str()}, {2, 0, ys.c_str()},
                         {2, 2, ys.c_str()}, {0, 1, xs.c_str()}};
  int n = 0;
  for (const TStep& s : steps) {
    const win::POINT p = hover(s.Item, s.Dx);
    SCOPED_TRACE("step " + std::to_string(n++));
    // The hint lies under the mouse, yet the point belongs to the list.
    EXPECT_EQ(win::WindowFromPoint(p), l->Handle());
    ASSERT_EQ(l->IsHintWindowActive(), s.Caption != nullptr);
    if (s.Caption) {
      EXPECT_EQ(l->GetHintWindow()->Caption(), s.Caption);
    }
  }
}

// The list at the screen's bottom-right corner (640 x 480), its first line the last the screen
// shows: the hint with the whole text is moved onto the screen and keeps showing while the
// mouse moves along the line.
TEST_F(ListBoxTest, TheLargeTextHintAtTheScreensCornerStaysOnTheScreen) {
  constexpr int sw = 640, sh = 480;
  ASSERT_EQ(win::GetSystemMetrics(win::SM_CXSCREEN), sw);
  ASSERT_EQ(win::GetSystemMetrics(win::SM_CYSCREEN), sh);
  const std::string xs(50, 'x');
  TZYLExtListBox* l = List({xs, "short"});
  l->SetLargeTextOptions(lbltShowHint);
  vcl::TForm* form = host_.Form();
  const win::POINT at = THost::At(l, 0, 0);
  form->SetBounds(form->Left() + sw - l->Width() - at.X, form->Top() + sh - 10 - at.Y,
                  form->Width(), form->Height());
  THost::Idle();
  const vcl::TRect item = l->ItemRect(0);
  for (int dx : {0, 2, 4}) {
    SCOPED_TRACE(dx);
    const win::POINT p = THost::At(l, item.Left + 4 + dx, item.Top + 3);
    ASSERT_LT(p.Y, sh);
    tk::MouseMove(p.X, p.Y);
    THost::Idle();
    ASSERT_TRUE(l->IsHintWindowActive());
    EXPECT_EQ(l->GetHintWindow()->Caption(), xs);
    win::RECT r{};
    win::GetWindowRect(l->GetHintWindow()->Handle(), &r);
    EXPECT_GE(r.Left, 0);
    EXPECT_GE(r.Top, 0);
    EXPECT_LE(r.Right, sw);
    EXPECT_LE(r.Bottom, sh);
    EXPECT_GT(r.Right - r.Left, l->Width());  // the whole text, wider than the list
  }
}

// ---------------------------------------------------------------------------------------------
// Look

TEST_F(ListBoxTest, SelectedItemsFillWithTheSelectionColourAndGridLinesEndEachItem) {
  TZYLExtListBox* l = List({"", "", ""});
  l->SetColor(TZYLCustomListBox::ciSelectedColor, vcl::clLime);
  l->SetColor(TZYLCustomListBox::ciHorzGridColor, vcl::clRed);
  l->SetHorzGridLine(true);
  l->SetHideFocus(true);
  l->SetItemIndex(1);
  const tk::TCapture shot = host_.Shot(l);
  const int h = l->ItemHeight();
  const win::COLORREF lime = vcl::ColorToRGB(vcl::clLime), red = vcl::ColorToRGB(vcl::clRed),
                      window = vcl::ColorToRGB(vcl::clWindow);
  EXPECT_TRUE(tk::PixelsMatch(
      shot,
      [&](int, int y) {
        if (y % h == h - 1) return red;
        return y / h == 1 ? lime : window;
      },
      "selection_and_grid", win::RECT{0, 0, 60, 3 * h}));
}

TEST_F(ListBoxTest, HideSelectionHidesTheSelectionWhileUnfocused) {
  TZYLExtListBox* l = List({"", ""});
  TZYLExtListBox* other = List({"x"}, 10, 120);
  l->SetColor(TZYLCustomListBox::ciSelectedColor, vcl::clLime);
  l->SetHideFocus(true);
  l->SetItemIndex(0);
  THost::Focus(other);
  const win::COLORREF lime = vcl::ColorToRGB(vcl::clLime);
  EXPECT_EQ(host_.Shot(l).Color(20, 5), lime);
  l->SetHideSelection(true);
  EXPECT_EQ(host_.Shot(l).Color(20, 5), vcl::ColorToRGB(vcl::clWindow));
  THost::Focus(l);
  EXPECT_EQ(host_.Shot(l).Color(20, 5), lime);
}

TEST_F(ListBoxTest, TheFocusBevelIsDarkAboveAndLeftAndLightBelowAndRight) {
  TZYLExtListBox* l = List({"", ""});
  l->SetBeveledFocus(true);
  l->SetColor(TZYLCustomListBox::ciBevelFocusShadowColor, vcl::clBlue);
  l->SetColor(TZYLCustomListBox::ciBevelFocusLightColor, vcl::clYellow);
  l->SetColor(TZYLCustomListBox::ciSelectedColor, vcl::clWindow);
  THost::Focus(l);
  l->SetItemIndex(0);
  const tk::TCapture shot = host_.Shot(l);
  const vcl::TRect r = l->ItemRect(0);
  const win::COLORREF blue = vcl::ColorToRGB(vcl::clBlue), yellow = vcl::ColorToRGB(vcl::clYellow);
  testsupport::ExpectCases({
      {std::to_string(shot.Color(r.Left, r.Top + 3)), std::to_string(blue)},
      {std::to_string(shot.Color(r.Left + 5, r.Top)), std::to_string(blue)},
      {std::to_string(shot.Color(r.Right - 1, r.Top + 3)), std::to_string(yellow)},
      {std::to_string(shot.Color(r.Left + 5, r.Bottom - 1)), std::to_string(yellow)},
  });
}

TEST_F(ListBoxTest, ATransparentListShowsTheParentsBackgroundBelowItsItems) {
  // A plain panel of the library supplies its colour as the background of its children.
  auto* panel = new TZYLSimplePanel(host_.Form());
  panel->SetBounds(0, 0, 200, 150);
  panel->SetColor(vcl::clFuchsia);
  panel->SetParent(host_.Form());
  auto* l = new TZYLExtListBox(host_.Form());
  l->SetBounds(10, 10, 100, 80);
  l->SetBorderStyle(vcl::bsNone);
  l->SetParent(panel);
  l->Items()->Add("");
  l->SetTransparent(true);
  THost::Idle();
  const tk::TCapture shot = host_.Shot(l);
  const int h = l->ItemHeight();
  const win::COLORREF fuchsia = vcl::ColorToRGB(vcl::clFuchsia);
  EXPECT_TRUE(tk::PixelsMatch(
      shot, [&](int, int) { return fuchsia; }, "transparent_below_items",
      win::RECT{0, h + 1, shot.Width, shot.Height}));
}

// ---------------------------------------------------------------------------------------------
// Caption label

TEST_F(ListBoxTest, TheLabeledTwinPlacesItsLabelAndKeepsItInAFormStream) {
  auto* l = new TZYLLabeledExtListBox(host_.Form());
  l->SetName("Fruit");
  l->SetBounds(40, 60, 100, 80);
  l->SetParent(host_.Form());
  ASSERT_NE(l->EditLabel(), nullptr);
  l->EditLabel()->SetCaption("Fruit:");
  const int lh = l->EditLabel()->Height(), lw = l->EditLabel()->Width();
  EXPECT_EQ(l->EditLabel()->Top(), 60 - lh - 3);
  l->SetLabelPosition(vcl::lpLeft);
  EXPECT_EQ(l->EditLabel()->Left(), 40 - lw - 3);
  l->SetLabelSync(true);
  EXPECT_EQ(l->EditLabel()->Height(), 80);
  // Written as "SubLabel" and read back into the new box's own label.
  vcl::TMemoryStream stream;
  stream.WriteComponent(l);
  stream.SetPosition(0);
  auto copy = std::make_unique<TZYLLabeledExtListBox>(nullptr);
  stream.ReadComponent(copy.get());
  ASSERT_NE(copy->EditLabel(), nullptr);
  EXPECT_EQ(copy->EditLabel()->Caption(), "Fruit:");
  l->SetHasLabel(false);
  EXPECT_EQ(l->EditLabel(), nullptr);
}

}  // namespace
}  // namespace zyl
