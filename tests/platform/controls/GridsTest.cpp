// Grids: cell layout, the current cell and selection driven by keys and the mouse, sizing and
// moving columns, the in-place editor, scrolling, the classic look, the string grid's cells and
// the sizes a form stream keeps.
#include "ComCtrlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/Grids.h"
#include "platform/rtl/Format.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FormText.h"

namespace vcl::testing {
namespace {

using namespace win;
using namespace win::testkit;
using testsupport::ErrorOf;

std::string Str(const TGridCoord& c) { return Format("%d,%d", {c.X, c.Y}); }
std::string Str(const TRect& r) {
  return Format("%d,%d,%d,%d", {r.Left, r.Top, r.Right, r.Bottom});
}
std::string Str(const TGridRect& r) {
  return Format("%d,%d-%d,%d", {r.Left, r.Top, r.Right, r.Bottom});
}
std::string Cur(TCustomGrid* g) { return Format("%d,%d", {g->Col(), g->Row()}); }

class GridsTest : public ComCtrlsTest {
 protected:
  // A string grid without border or scroll bars, so that client and control coincide.
  TStringGrid* NewGrid(int w = 300, int h = 200) {
    NewForm(400, 300);
    auto* g = Add<TStringGrid>(10, 10, w, h);
    g->SetBorderStyle(bsNone);
    g->SetScrollBars(ssNone);
    return g;
  }
  void Focus(TWinControl* c) {
    Show();
    c->SetFocus();
    Idle();
  }
  void Key(BYTE vk) { KeyPress(vk); }
  void ShiftKey(BYTE vk) {
    SetShiftState(true, false, false);
    KeyPress(vk);
    SetShiftState(false, false, false);
  }
};

TEST_F(GridsTest, CellsLieSideBySideWithTheirLinesAndHiddenOnesTakeNoRoom) {
  auto* g = NewGrid();
  g->SetColWidths(1, 30);
  g->SetRowHeights(2, 10);
  g->SetColWidths(3, -1);  // hidden
  Show();
  testsupport::ExpectCases({
      {Str(g->CellRect(0, 0)), "0,0,64,24"},
      {Str(g->CellRect(1, 0)), "65,0,95,24"},
      {Str(g->CellRect(2, 2)), "96,50,160,60"},
      {Str(g->CellRect(4, 3)), "161,61,225,85"},
      {Str(g->MouseCoord(64, 10)), "0,0"},  // the line belongs to the cell before it
      {Str(g->MouseCoord(65, 10)), "1,0"},
      {Str(g->MouseCoord(170, 55)), "4,2"},
      {Str(g->MouseCoord(290, 10)), "-1,-1"},  // past the last column
      {Str(g->MouseCoord(10, 190)), "-1,-1"},
  });
  EXPECT_EQ(g->GridWidth(), 226);
  EXPECT_EQ(g->GridHeight(), 111);
}

TEST_F(GridsTest, CountsAndFixedCellsRefuseWhatDoesNotFit) {
  auto* g = NewGrid();
  testsupport::ExpectCases({
      {ErrorOf<EInvalidGridOperation>([&] { g->SetFixedCols(5); }), SFixedColTooBig},
      {ErrorOf<EInvalidGridOperation>([&] { g->SetFixedRows(-1); }), SIndexOutOfRange},
      {ErrorOf<EInvalidGridOperation>([&] { g->SetColCount(MaxCustomExtents + 1); }),
       SGridTooLarge},
      {ErrorOf<EInvalidGridOperation>([&] { g->SetCells(5, 0, "x"); }), SIndexOutOfRange},
      {ErrorOf<EInvalidGridOperation>([&] { g->SetCol(0); }), SIndexOutOfRange},
      {ErrorOf<EInvalidGridOperation>([&] { g->SetColWidths(7, 1); }), SIndexOutOfRange},
  });
  // Fewer columns than fixed ones take the fixed count down; none at all leaves one.
  g->SetFixedCols(3);
  g->SetColCount(2);
  EXPECT_EQ(g->FixedCols(), 1);
  g->SetColCount(0);
  EXPECT_EQ(g->ColCount(), 1);
  EXPECT_EQ(g->FixedCols(), 0);
  // A huge grid costs nothing until its sizes differ.
  g->SetRowCount(MaxCustomExtents);
  g->SetColCount(3);
  g->SetRow(MaxCustomExtents - 1);
  EXPECT_EQ(g->Row(), MaxCustomExtents - 1);
  EXPECT_GT(g->TopRow(), MaxCustomExtents - 10);
}

// Changing the fixed counts starts the grid afresh: the current cell, the selection and the
// first scrolled cell become the first cell that is not fixed, wherever they were.
struct TFixedCase {
  int32_t FromCols, FromRows;  // the fixed counts before the current cell moves away
  int32_t Cols, Rows;          // the fixed counts set then
};
class GridFixedTest : public GridsTest, public ::testing::WithParamInterface<TFixedCase> {};

TEST_P(GridFixedTest, SettingTheFixedCountsMovesTheCurrentCellToTheFirstScrolledCell) {
  const TFixedCase& c = GetParam();
  auto* g = NewGrid(200, 100);
  g->SetColCount(10);
  g->SetRowCount(10);
  g->SetFixedCols(c.FromCols);
  g->SetFixedRows(c.FromRows);
  Show();
  g->SetCol(8);
  g->SetRow(9);
  g->SetSelection(TGridRect{5, 6, 8, 9});
  ASSERT_GT(g->LeftCol(), 5);
  g->SetFixedCols(c.Cols);
  g->SetFixedRows(c.Rows);
  const std::string first = Format("%d,%d", {c.Cols, c.Rows});
  EXPECT_EQ(Cur(g), first);
  EXPECT_EQ(Format("%d,%d", {g->LeftCol(), g->TopRow()}), first);
  EXPECT_EQ(Str(g->Selection()), first + "-" + first);
}

INSTANTIATE_TEST_SUITE_P(Counts, GridFixedTest,
                         ::testing::Values(TFixedCase{1, 1, 0, 1}, TFixedCase{1, 1, 1, 0},
                                           TFixedCase{1, 1, 0, 0}, TFixedCase{0, 0, 1, 1},
                                           TFixedCase{1, 1, 3, 2}, TFixedCase{2, 0, 2, 1}));

// Fewer columns than fixed ones lower the fixed count, which starts the grid afresh too.
TEST_F(GridsTest, LoweringTheCountBelowTheFixedCellsStartsAtTheFirstScrolledCell) {
  auto* g = NewGrid();
  g->SetFixedCols(3);
  g->SetRow(4);
  g->SetColCount(2);
  EXPECT_EQ(Cur(g), "1,1");
  g->SetFixedRows(3);
  g->SetCol(1);
  g->SetRowCount(2);
  EXPECT_EQ(Cur(g), "1,1");
  EXPECT_EQ(g->TopRow(), 1);
}

// A grid read from a form without fixed cells starts in its first cell.
TEST_F(GridsTest, AGridReadWithoutFixedCellsStartsInItsFirstCell) {
  const TObj text{"Form1: TForm",
                  {"Width = 300", "Height = 200"},
                  {{"Grid: TStringGrid", {"FixedCols = 0", "FixedRows = 0"}, {}}}};
  form_ = FormFromText(text);
  auto* g = Find<TStringGrid>(form_.get(), "Grid");
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(Cur(g), "0,0");
  EXPECT_EQ(Str(g->Selection()), "0,0-0,0");
  EXPECT_EQ(Format("%d,%d", {g->LeftCol(), g->TopRow()}), "0,0");
}

// A grid that takes its colour from its parent leaves it out of the form file, and read back
// it follows its parent still; one with a colour of its own keeps it.
TEST_F(GridsTest, AColourTakenFromTheParentIsNotWrittenAndTheGridReadBackFollows) {
  for (bool follows : {true, false}) {
    SCOPED_TRACE(follows ? "follows" : "own colour");
    TStringGrid* g = NewGrid();
    g->SetName("Grid");
    form_->SetName("Form1");
    if (follows)
      g->SetParentColor(true);
    else
      g->SetColor(clYellow);
    form_->SetColor(clAqua);
    EXPECT_EQ(g->Color(), follows ? clAqua : clYellow);
    const std::string text = ObjectBinaryToTextString(WriteComponentToBytes(form_.get()));
    const std::string grid = text.substr(text.find("object Grid"));
    if (follows)
      EXPECT_EQ(grid.find("    Color ="), std::string::npos) << grid;
    else
      EXPECT_NE(grid.find("    Color = clYellow"), std::string::npos) << grid;
    auto read = testsupport::FormFromText(text);
    auto* back = Find<TStringGrid>(read.get(), "Grid");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->ParentColor(), follows);
    EXPECT_EQ(back->Color(), follows ? clAqua : clYellow);
    read->SetColor(clLime);
    EXPECT_EQ(back->Color(), follows ? clLime : clYellow);
  }
}

// The picture of a focused grid: the focus rectangle, and with goDrawFocusSelected the
// highlight, sit on the first scrolled cell and on no other.
class GridFixedPictureTest : public GridsTest,
                             public ::testing::WithParamInterface<std::pair<int32_t, int32_t>> {
 protected:
  // The client rectangle of a cell of the default 64 x 24 size with its 1-pixel lines.
  static TRect Cell(int32_t col, int32_t row) {
    return TRect{col * 65, row * 25, col * 65 + 64, row * 25 + 24};
  }
};

TEST_P(GridFixedPictureTest, TheFocusedCellIsTheFirstScrolledCell) {
  const auto [cols, rows] = GetParam();
  auto* g = NewGrid(200, 100);
  g->SetColCount(3);
  g->SetRowCount(3);
  g->SetFixedCols(cols);
  g->SetFixedRows(rows);
  Focus(g);
  const int x0 = 10, y0 = 10;
  auto onForm = [&](TRect r) {
    return TRect{r.Left + x0, r.Top + y0, r.Right + x0, r.Bottom + y0};
  };
  auto inside = [](TRect r) { return TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}; };
  const TRect current = onForm(Cell(cols, rows));
  const TRect right = onForm(Cell(cols + 1, rows)), below = onForm(Cell(cols, rows + 1));
  auto window = [](int, int) { return Rgb(clWindow); };
  // Without goDrawFocusSelected the current cell keeps the window colour in a focus rectangle.
  TCapture cap = Capture();
  EXPECT_EQ(Str(InkBox(cap, current, IsNot(clWindow))), Str(current));
  EXPECT_TRUE(PixelsMatch(cap, window, "grid_fixed_focus_inside", inside(current)));
  EXPECT_TRUE(PixelsMatch(cap, window, "grid_fixed_focus_right", right));
  EXPECT_TRUE(PixelsMatch(cap, window, "grid_fixed_focus_below", below));
  // With it the current cell shows the highlight, its neighbours do not.
  g->SetOptions(g->Options() + goDrawFocusSelected);
  Idle();
  cap = Capture();
  EXPECT_TRUE(PixelsMatch(
      cap, [](int, int) { return Rgb(clHighlight); }, "grid_fixed_highlight", inside(current)));
  EXPECT_TRUE(PixelsMatch(cap, window, "grid_fixed_highlight_right", right));
  EXPECT_TRUE(PixelsMatch(cap, window, "grid_fixed_highlight_below", below));
}

INSTANTIATE_TEST_SUITE_P(Counts, GridFixedPictureTest,
                         ::testing::Values(std::pair{0, 0}, std::pair{0, 1}, std::pair{1, 0},
                                           std::pair{1, 1}));

TEST_F(GridsTest, KeysMoveTheCurrentCellAndShiftExtendsTheSelection) {
  auto* g = NewGrid(200, 100);  // 3 columns and 4 rows in view
  g->SetColCount(10);
  g->SetRowCount(20);
  Focus(g);
  Key(VK_RIGHT);
  Key(VK_DOWN);
  EXPECT_EQ(Cur(g), "2,2");
  ShiftKey(VK_RIGHT);
  ShiftKey(VK_DOWN);
  EXPECT_EQ(Str(g->Selection()), "2,2-3,3");
  Key(VK_UP);  // without shift the selection collapses
  EXPECT_EQ(Str(g->Selection()), "3,2-3,2");
  Key(VK_END);
  EXPECT_EQ(Cur(g), "9,2");
  EXPECT_EQ(g->LeftCol(), 8);  // scrolled so that the last column shows whole
  Key(VK_HOME);
  EXPECT_EQ(Cur(g), "1,2");
  EXPECT_EQ(g->LeftCol(), 1);
  Key(VK_NEXT);
  EXPECT_EQ(g->Row(), 5);
  SetShiftState(false, true, false);
  KeyPress(VK_END);
  SetShiftState(false, false, false);
  EXPECT_EQ(Cur(g), "9,19");
  EXPECT_EQ(g->TopRow(), 17);
  // Up at the first scrolled row stays there.
  SetShiftState(false, true, false);
  KeyPress(VK_HOME);
  SetShiftState(false, false, false);
  Key(VK_UP);
  EXPECT_EQ(Cur(g), "1,1");
}

TEST_F(GridsTest, TabWalksTheTabStopsOnlyWithGoTabs) {
  auto* g = NewGrid();
  g->SetColCount(4);
  auto* other = Add<TEdit>(10, 250, 80, 20);
  g->SetTabStops(2, false);
  Focus(g);
  Key(VK_TAB);  // without goTabs the key moves the focus on
  EXPECT_TRUE(other->Focused());
  g->SetOptions(g->Options() + goTabs);
  g->SetFocus();
  Idle();
  Key(VK_TAB);
  EXPECT_EQ(Cur(g), "3,1");  // column 2 is not a tab stop
  Key(VK_TAB);
  EXPECT_EQ(Cur(g), "1,2");  // wraps to the next row
  ShiftKey(VK_TAB);
  EXPECT_EQ(Cur(g), "3,1");
  EXPECT_TRUE(g->Focused());
}

TEST_F(GridsTest, ClicksSelectCellsDragsSelectRangesAndOnSelectCellMayRefuse) {
  auto* g = NewGrid();
  Show();
  ClickOn(g, 65 + 10, 25 + 5);
  EXPECT_EQ(Cur(g), "1,1");
  ClickOn(g, 130 + 10, 50 + 5);
  EXPECT_EQ(Cur(g), "2,2");
  EXPECT_TRUE(g->Focused());
  DragOn(g, {70, 30}, {200, 80});
  EXPECT_EQ(Str(g->Selection()), "1,1-3,3");
  // A click on a fixed cell changes nothing.
  ClickOn(g, 10, 60);
  EXPECT_EQ(Str(g->Selection()), "1,1-3,3");
  struct TRefuse : TObject {
    void Select(TObject*, int32_t ACol, int32_t, bool& Can) { Can = ACol != 4; }
  } refuse;
  g->OnSelectCell = TSelectCellEvent(&refuse, &TRefuse::Select);
  ClickOn(g, 260 + 10, 25 + 5);
  EXPECT_EQ(Cur(g), "3,3");
  ClickOn(g, 195 + 10, 25 + 5);
  EXPECT_EQ(Cur(g), "3,1");
  g->OnSelectCell = {};
}

TEST_F(GridsTest, DraggingALineBetweenFixedCellsSizesAndDraggingAFixedCellMoves) {
  auto* g = NewGrid();
  g->SetOptions(g->Options() + goColSizing + goRowMoving);
  for (int r = 0; r < 5; ++r) g->SetCells(0, r, Format("r%d", {r}));
  Show();
  // The line after column 1 lies at x = 129.
  DragOn(g, {129, 10}, {100, 10});
  EXPECT_EQ(g->ColWidths(1), 35);
  // Lines between scrolled cells do not grab.
  DragOn(g, {100 + 65, 60}, {200, 60});
  EXPECT_EQ(g->ColWidths(2), 64);
  struct TMoves : TObject {
    std::string Log;
    void Moved(TObject*, int32_t From, int32_t To) { Log += Format("%d>%d ", {From, To}); }
  } moves;
  g->OnRowMoved = TMovedEvent(&moves, &TMoves::Moved);
  DragOn(g, {10, 30}, {10, 80});  // row 1 onto row 3
  EXPECT_EQ(moves.Log, "1>3 ");
  testsupport::ExpectCases({{g->Cells(0, 1), "r2"},
                            {g->Cells(0, 2), "r3"},
                            {g->Cells(0, 3), "r1"},
                            {g->Cells(0, 4), "r4"}});
}

TEST_F(GridsTest, TheEditorWritesTheCellEscapeTakesItBackEnterClosesIt) {
  auto* g = NewGrid();
  g->SetOptions(g->Options() + goEditing);
  g->SetCells(1, 1, "old");
  Focus(g);
  TypeText("new");
  ASSERT_NE(g->InplaceEditor(), nullptr);
  EXPECT_TRUE(g->EditorMode());
  EXPECT_EQ(g->Cells(1, 1), "new");  // the cell follows every key
  EXPECT_EQ(Str(g->InplaceEditor()->BoundsRect()), Str(g->CellRect(1, 1)));
  Key(VK_ESCAPE);
  EXPECT_EQ(g->Cells(1, 1), "old");
  EXPECT_FALSE(g->EditorMode());
  EXPECT_TRUE(g->Focused());
  Key(VK_F2);
  EXPECT_TRUE(g->EditorMode());
  EXPECT_EQ(g->InplaceEditor()->Text(), "old");
  Key(VK_END);
  TypeText("er");
  Key(VK_RETURN);
  EXPECT_FALSE(g->EditorMode());
  EXPECT_EQ(g->Cells(1, 1), "older");
  // Down in the editor moves the grid on, and the editor comes along.
  Key(VK_RETURN);
  Key(VK_DOWN);
  EXPECT_EQ(Cur(g), "1,2");
  EXPECT_TRUE(g->EditorMode());
  EXPECT_EQ(g->InplaceEditor()->Top(), g->CellRect(1, 2).Top);
}

// An editor open while the fixed counts change goes to the first scrolled cell with its text.
TEST_F(GridsTest, AnOpenEditorFollowsTheCurrentCellWhenTheFixedCountsChange) {
  auto* g = NewGrid();
  g->SetOptions(g->Options() + goEditing);
  g->SetCells(0, 1, "first");
  Focus(g);
  g->SetCol(2);
  TypeText("typed");
  ASSERT_TRUE(g->EditorMode());
  g->SetFixedCols(0);
  EXPECT_EQ(g->Cells(2, 1), "typed");
  EXPECT_EQ(Cur(g), "0,1");
  EXPECT_TRUE(g->EditorMode());
  EXPECT_EQ(g->InplaceEditor()->Text(), "first");
  EXPECT_EQ(Str(g->InplaceEditor()->BoundsRect()), Str(g->CellRect(0, 1)));
}

TEST_F(GridsTest, TheEditorTakesTheMaskTheGridGivesTheCell) {
  auto* g = NewGrid();
  g->SetOptions(g->Options() + goEditing);
  struct TMasks : TObject {
    void Mask(TObject*, int32_t ACol, int32_t, std::string& Value) {
      if (ACol == 1) Value = "00-00;1;_";
    }
  } masks;
  g->OnGetEditMask = TGetEditEvent(&masks, &TMasks::Mask);
  Focus(g);
  TypeText("1x234");  // the letter does not fit
  EXPECT_EQ(g->Cells(1, 1), "12-34");
  Key(VK_RETURN);
  Key(VK_RIGHT);
  TypeText("1x");  // column 2 has no mask
  EXPECT_EQ(g->Cells(2, 1), "1x");
  g->OnGetEditMask = {};
}

TEST_F(GridsTest, ScrollBarsScrollTheRowsAndTellOnTopLeftChanged) {
  NewForm(400, 300);
  auto* g = Add<TDrawGrid>(10, 10, 200, 120);
  g->SetRowCount(50);
  struct TCount : TObject {
    int N = 0;
    void Changed(TObject*) { ++N; }
  } count;
  g->OnTopLeftChanged = TNotifyEvent(&count, &TCount::Changed);
  Show();
  const DWORD style = static_cast<DWORD>(GetWindowLongPtr(g->Handle(), GWL_STYLE));
  EXPECT_TRUE(style & WS_VSCROLL);
  g->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  g->Perform(WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(g->TopRow(), 2 + g->VisibleRowCount());
  g->Perform(WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(g->TopRow() + g->VisibleRowCount(), 50);
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_POS | SIF_RANGE;
  GetScrollInfo(g->Handle(), SB_VERT, &si);
  EXPECT_EQ(si.nPos, si.nMax);
  g->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
  EXPECT_EQ(g->TopRow(), 1);
  EXPECT_EQ(count.N, 4);
  // Few enough rows need no bar.
  g->SetRowCount(3);
  Idle();
  GetScrollInfo(g->Handle(), SB_VERT, &si);
  EXPECT_FALSE(static_cast<DWORD>(GetWindowLongPtr(g->Handle(), GWL_STYLE)) & WS_VSCROLL);
}

TEST_F(GridsTest, PaintsRaisedFixedCellsLinesSelectionAndTheCellsText) {
  auto* g = NewGrid(200, 80);
  g->SetColCount(3);
  g->SetRowCount(3);
  g->SetSelection(TGridRect{1, 1, 2, 1});
  g->SetCells(1, 2, "Wg");
  Show();
  const TCapture cap = Capture();
  const int x0 = 10, y0 = 10;
  // The fixed cell (0,0): white top-left, shadow bottom-right inside, a black line around.
  auto fixedCell = [&](int x, int y) -> COLORREF {
    const int cx = x - x0, cy = y - y0;
    if (cx == 64 || cy == 24) return Rgb(clBlack);
    if (cx == 0 || cy == 0) return Rgb(clBtnHighlight);
    if (cx == 63 || cy == 23) return Rgb(clBtnShadow);
    return Rgb(clBtnFace);
  };
  EXPECT_TRUE(PixelsMatch(cap, fixedCell, "grid_fixed", {x0, y0, x0 + 65, y0 + 25}));
  // The selected cells show the highlight; the current one too while the grid has no focus.
  EXPECT_TRUE(PixelsMatch(cap, [](int, int) { return Rgb(clHighlight); }, "grid_selected",
                          {x0 + 65, y0 + 25, x0 + 129, y0 + 49}));
  EXPECT_TRUE(PixelsMatch(cap, [](int, int) { return Rgb(clSilver); }, "grid_line",
                          {x0 + 129, y0 + 49, x0 + 130, y0 + 74}));
  // Past the grid the control's colour shows.
  EXPECT_TRUE(PixelsMatch(cap, [](int, int) { return Rgb(clWindow); }, "grid_beyond",
                          {x0 + 196, y0, x0 + 200, y0 + 75}));
  // The text starts 2 pixels in.
  const TRect ink = InkBox(cap, TRect{x0 + 65, y0 + 50, x0 + 129, y0 + 74}, IsNot(clWindow));
  EXPECT_GE(ink.Left, x0 + 67);
  EXPECT_GE(ink.Top, y0 + 52);
  EXPECT_LT(ink.Left, ink.Right);
  // With the focus, the current cell (2,1) keeps the window colour inside a focus rectangle.
  g->SetFocus();
  Idle();
  const TCapture focused = Capture();
  EXPECT_EQ(focused.Color(x0 + 160, y0 + 36), Rgb(clWindow));
  EXPECT_EQ(Str(InkBox(focused, TRect{x0 + 130, y0 + 25, x0 + 194, y0 + 49}, IsNot(clWindow))),
            Str(TRect{x0 + 130, y0 + 25, x0 + 194, y0 + 49}));
  EXPECT_EQ(focused.Color(x0 + 100, y0 + 36), Rgb(clHighlight));
}

TEST_F(GridsTest, OnDrawCellDrawsOverTheDefaultAndHearsTheStates) {
  NewForm();
  auto* g = Add<TDrawGrid>(0, 0, 200, 100);
  g->SetBorderStyle(bsNone);
  g->SetColCount(2);
  g->SetRowCount(2);
  struct TDraw : TObject {
    std::string Log;
    TDrawGrid* Grid = nullptr;
    void Draw(TObject*, int32_t c, int32_t r, TRect rect, TGridDrawState s) {
      Log += Format("%d%d:%s%s ",
                    {c, r, s.contains(gdFixed) ? "F" : "", s.contains(gdSelected) ? "S" : ""});
      if (c == 1 && r == 1) {
        Grid->Canvas()->Brush()->SetColor(clRed);
        Grid->Canvas()->FillRect(rect);
      }
    }
  } draw;
  draw.Grid = g;
  g->OnDrawCell = TDrawCellEvent(&draw, &TDraw::Draw);
  Show();
  EXPECT_EQ(draw.Log, "00:F 10:F 01:F 11:S ");
  // (inside the focus rectangle of the current cell)
  EXPECT_TRUE(PixelsMatch(Capture(), [](int, int) { return Rgb(clRed); }, "grid_owner_drawn",
                          {66, 26, 128, 48}));
}

TEST_F(GridsTest, ColumnsAndRowsAreStringListsOverTheCells) {
  auto* g = NewGrid();
  g->Rows(1)->SetCommaText("a,b,c");
  EXPECT_EQ(g->Cells(2, 1), "c");
  EXPECT_EQ(g->Cols(1)->Get(1), "b");
  EXPECT_EQ(g->Rows(1)->Count(), 5);
  EXPECT_EQ(g->Rows(1)->Add("d"), 3);
  g->Cols(0)->Clear();
  EXPECT_EQ(g->Rows(1)->CommaText(), ",b,c,d,");
  TObject marker;
  g->SetObjects(3, 3, &marker);
  g->MoveColumn(3, 1);
  EXPECT_EQ(g->Objects(1, 3), &marker);
  EXPECT_EQ(g->Rows(1)->CommaText(), ",d,b,c,");
  // Cells past a smaller count are gone when it grows again.
  g->SetColCount(2);
  g->SetColCount(5);
  EXPECT_EQ(g->Rows(1)->CommaText(), ",d,,,");
  g->DeleteRow(1);
  EXPECT_EQ(g->RowCount(), 4);
  EXPECT_EQ(g->Cells(1, 1), "");
  EXPECT_EQ(ErrorOf<EInvalidGridOperation>([&] {
              g->SetRowCount(2);
              g->DeleteRow(1);
            }),
            STooManyDeleted);
}

// The sizes that differ from the defaults travel as lists; a list of another length than the
// grid's side keeps what fits, and anything but integers is refused.
struct TSizesCase {
  const char* Lines;
  const char* Widths;  // of columns 0..4 after reading, or the error
};
class GridSizesTest : public GridsTest, public ::testing::WithParamInterface<TSizesCase> {};

TEST_P(GridSizesTest, ColWidthsAreReadFromTheFormStream) {
  const TSizesCase& c = GetParam();
  const TObj text{"Form1: TForm",
                  {"Width = 300", "Height = 200"},
                  {{"Grid: TStringGrid", {"DefaultColWidth = 40", c.Lines}, {}}}};
  form_ = std::make_unique<TForm>(nullptr);
  const std::string error = ErrorOf<EReadError>([&] { ReadObjectText(text, form_.get()); });
  auto* g = Find<TStringGrid>(form_.get(), "Grid");
  std::string widths;
  for (int i = 0; g && i < g->ColCount(); ++i) widths += Format("%d ", {g->ColWidths(i)});
  EXPECT_EQ(error == "<no error>" ? widths : "error", c.Widths);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, GridSizesTest,
    ::testing::Values(TSizesCase{"ColWidths = (10 20 30 40 50)", "10 20 30 40 50 "},
                      TSizesCase{"ColWidths = (10 -1)", "10 -1 40 40 40 "},
                      TSizesCase{"ColWidths = (1 2 3 4 5 6 7 8)", "1 2 3 4 5 "},
                      TSizesCase{"ColWidths = ()", "40 40 40 40 40 "},
                      TSizesCase{"ColWidths = ('a' 2)", "error"}));

TEST_F(GridsTest, SizesThatDifferAreWrittenBackAndReadAgain) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* g = Place<TStringGrid>(form.get(), 0, 0, 100, 100, "Grid");
  g->SetRowCount(3);
  g->SetRowHeights(2, 7);
  std::string text = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  EXPECT_NE(text.find("RowHeights = (\r\n      24\r\n      24\r\n      7)"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("ColWidths"), std::string::npos);
  auto again = std::make_unique<TForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(text), again.get());
  auto* back = Find<TStringGrid>(again.get(), "Grid");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->RowHeights(2), 7);
  EXPECT_EQ(back->RowHeights(1), 24);
}

}  // namespace
}  // namespace vcl::testing
