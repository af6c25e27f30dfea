// The value pickers and small editor dialogs: each edits one value that only OK changes; the
// style and shape previews, the checked date, the format samples, the filter grid, the sample
// masks and the status-bar layouts.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "design/pZYLBitmapStyleEditorDlg.h"
#include "design/pZYLDateTimeEditor.h"
#include "design/pZYLDateTimePropertyEditor.h"
#include "design/pZYLFilterPropsDlg.h"
#include "design/pZYLMaskEditDlg.h"
#include "design/pZYLPointListEditor.h"
#include "design/pZYLShapeEditorDlg.h"
#include "design/pZYLStatusBarEditorDlg.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLNImage.h"
#include "display/ZYLShapeControl.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/controls/Grids.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/DateTime.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

std::string PointsText(const TZYLPointList& list) {
  std::string s;
  for (int i = 0; i < list.Count(); ++i)
    s += std::to_string(list.Point(i).X) + "," + std::to_string(list.Point(i).Y) + " ";
  return s;
}

class ValuePickers : public ::testing::Test {
 protected:
  // The values the pickers edit, with values other than their defaults.
  TZYLBitmapStyle style_ = sbTile;
  TZYLShapeType shape_ = stDiamond;
  TZYLDateTime date_;
  std::string format_ = "hh:mm";
  std::string filter_ = "Text files|*.txt|All files|*.*";
  std::string mask_ = "99999";
  int layout_ = 3;
  TZYLPointList points_;

  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
};

// One picker as the data-driven test sees it: the edited value as text, the opener, the
// changes a user makes and the value OK then leaves.
struct TPickerCase {
  const char* Name;
  std::function<std::string()> Value;
  std::function<void()> Edit;
  std::function<void(vcl::TCustomForm*)> Change;
  std::string Expected;
};

TEST_F(ValuePickers, OnlyOKChangesTheEditedValue) {
  date_.SetValue(vcl::EncodeDate(2004, 6, 15) + vcl::EncodeTime(10, 20, 30, 0));
  points_.AddPoint({5, -7});
  points_.AddPoint({-32768, 32767});
  const std::vector<TPickerCase> cases = {
      {"bitmap style", [&] { return std::to_string(style_); },
       [&] { style_ = TZYLBitmapStyleEditorDlg::Edit(style_); },
       [](vcl::TCustomForm* f) {
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "pred"), "sbKeepWidth");
       },
       std::to_string(sbKeepWidth)},
      {"shape", [&] { return std::to_string(shape_); },
       [&] { shape_ = TZYLShapeEditorDlg::Edit(shape_); },
       [](vcl::TCustomForm* f) {
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "pred"), "stOctagon");
       },
       std::to_string(stOctagon)},
      {"date and time", [&] { return date_.GetSetStr(); },
       [&] { TZYLFrmDateTimeEditor::Edit(&date_); },
       [](vcl::TCustomForm* f) {
         vt::TypeInto(On<vcl::TWinControl>(f, "DayEdit"), "29");
         vt::TypeInto(On<vcl::TWinControl>(f, "MonthEdit"), "2");
         vt::TypeInto(On<vcl::TWinControl>(f, "YearEdit"), "2008");
         vt::TypeInto(On<vcl::TWinControl>(f, "SecondEdit"), "59");
       },
       "{2008-02-29 10:20:59}"},
      {"date-time format", [&] { return format_; },
       [&] { TZYLFrmDateTimePropertyEditor::Edit(format_); },
       [](vcl::TCustomForm* f) { vt::TypeInto(On<vcl::TWinControl>(f, "Edit1"), "yyyy/mm"); },
       "yyyy/mm"},
      {"filter", [&] { return filter_; }, [&] { TZYLFilterPropsDlg::Edit(filter_); },
       [](vcl::TCustomForm* f) { On<vcl::TStringGrid>(f, "FilterGrid")->SetCells(1, 2, ""); },
       "Text files|*.txt"},
      {"mask", [&] { return mask_; }, [&] { TZYLfrmMaskEditDlg::Edit(mask_); },
       [](vcl::TCustomForm* f) {
         designtest::ClickListLine(On<TZYLListBox>(f, "MaskListBox")->ListBox(), 5);
       },
       "88888\\-8888"},
      {"status bar", [&] { return std::to_string(layout_); },
       [&] { layout_ = TZYLStatusBarEditorDlg::Choose(); },
       [](vcl::TCustomForm* f) {
         vt::ChooseListItem(On<vcl::TWinControl>(f, "ListBox"), "DateTime");
       },
       std::to_string(TZYLStatusBarEditorDlg::sbDateTime)},
      {"point list", [&] { return PointsText(points_); },
       [&] { TfrmTZYLPointListEditor::Edit(&points_); },
       [](vcl::TCustomForm* f) {
         vt::ClickControl(On<vcl::TControl>(f, "btAdd"));
         vt::TypeInto(On<vcl::TWinControl>(f, "YVal"), "-40");
       },
       "5,-7 -32768,32767 0,-40 "},
  };
  for (const TPickerCase& c : cases) {
    for (TEnding ending : {TEnding::Ok, TEnding::Cancel, TEnding::CloseBox, TEnding::Escape,
                           TEnding::Exception, TEnding::Unanswered}) {
      SCOPED_TRACE(std::string(c.Name) + ", " + designtest::EndingName(ending));
      const std::string before = c.Value();
      // The status bar chooser answers "none" unless OK accepts a line.
      const std::string unchanged = std::string(c.Name) == "status bar" ? "-1" : before;
      vt::TDialogScript script;
      designtest::AnswerEditor(script, c.Change, ending);
      const std::string error = designtest::MessageOf(c.Edit);
      ASSERT_EQ(script.Shown().size(), 1u) << error;
      if (ending == TEnding::Ok) {
        EXPECT_EQ(error, "");
        EXPECT_EQ(c.Value(), c.Expected);
        ASSERT_NE(c.Expected, before);
        continue;
      }
      EXPECT_EQ(c.Value(),
                ending == TEnding::Exception || ending == TEnding::Unanswered ? before : unchanged);
      designtest::ExpectEndingError(ending, error);
      layout_ = 3;
    }
  }
}

TEST_F(ValuePickers, EachFormHasItsCaptionDefaultButtonAndFormStyler) {
  struct {
    std::function<void()> Open;
    const char* Caption;
    const char* Default;
  } const forms[] = {
      {[&] { TZYLBitmapStyleEditorDlg::Edit(style_); }, "TZYLBitmapStyle-Editor", "OK"},
      {[&] { TZYLShapeEditorDlg::Edit(shape_); }, "ZYLShape-Editor", "OK"},
      {[&] { TZYLFrmDateTimeEditor::Edit(&date_); }, "DateTime Editor", "OK"},
      {[&] { TZYLFrmDateTimePropertyEditor::Edit(format_); }, "DateTimeFormat Property Editor",
       "OK"},
      {[&] { TZYLFilterPropsDlg::Edit(filter_); }, "Filter Editor", "OK"},
      {[&] { TZYLfrmMaskEditDlg::Edit(mask_); }, "ZYL Mask property editor", "OK"},
      {[&] { TZYLStatusBarEditorDlg::Choose(); }, "StatusBar Editor", "Ok & Insert"},
      {[&] { TfrmTZYLPointListEditor::Edit(&points_); }, "ZYL PointList Editor", "Ok"}};
  for (const auto& form : forms) {
    SCOPED_TRACE(form.Caption);
    vt::TDialogScript script;
    std::string styler;
    script.Do([&](vcl::TCustomForm* f) {
      styler = On<vcl::TComponent>(f, "styler")->ClassName();
      vt::ClickControl(On<vcl::TControl>(f, "btCancel"));
    });
    form.Open();
    ASSERT_EQ(script.Shown().size(), 1u);
    testsupport::ExpectCases({{script.Shown()[0].Caption, form.Caption},
                              {script.Shown()[0].DefaultButton, form.Default},
                              {styler, "TZYLFormStyler"}});
  }
}

TEST_F(ValuePickers, TheBitmapStylePreviewFitsThePictureOnlyForAutosize) {
  std::vector<std::string> sizes;
  wt::TCapture centred, expected;
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script,
      [&](vcl::TCustomForm* form) {
        auto* f = static_cast<TZYLBitmapStyleEditorDlg*>(form);
        // A picture of the same bitmap and bevel, sized by the image itself.
        TZYLNImage fitted(nullptr);
        fitted.SetBitmap(f->test->Bitmap());
        fitted.Bevel()->Assign(f->test->Bevel());
        fitted.SetStyle(sbAutosize);
        fitted.CorrectBounds();
        auto size = [&] {
          return std::to_string(f->test->Width()) + "x" + std::to_string(f->test->Height());
        };
        sizes.push_back(f->pred->Text());
        sizes.push_back(size());
        sizes.push_back(std::to_string(fitted.Width()) + "x" + std::to_string(fitted.Height()));
        designtest::ChooseComboItem(f->pred, "sbCenter");
        sizes.push_back(size());
        centred = designtest::CaptureControl(f->test);
        expected = designtest::CaptureSample(f->test, [&](vcl::TForm* host) {
          auto* image = new TZYLNImage(host);
          image->SetBitmap(f->test->Bitmap());
          image->Bevel()->Assign(f->test->Bevel());
          image->SetStyle(sbCenter);
          return image;
        });
      },
      TEnding::Ok);
  EXPECT_EQ(TZYLBitmapStyleEditorDlg::Edit(sbAutosize), sbCenter);
  ASSERT_EQ(sizes.size(), 4u);
  EXPECT_EQ(sizes[0], "sbAutosize");
  EXPECT_EQ(sizes[1], sizes[2]);
  EXPECT_NE(sizes[1], "250x180");
  EXPECT_EQ(sizes[3], "250x180");
  EXPECT_TRUE(wt::SamePixels(centred, expected, "bitmap_style_centred"));
}

TEST_F(ValuePickers, TheShapeListFollowsThePreviewAndThePreviewTheList) {
  std::string shown, after;
  wt::TCapture comb, expected;
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script,
      [&](vcl::TCustomForm* form) {
        auto* f = static_cast<TZYLShapeEditorDlg*>(form);
        shown = f->pred->Text();
        designtest::ChooseComboItem(f->pred, "stComb");
        after = f->pred->Text();
        comb = designtest::CaptureControl(f->test);
        expected = designtest::CaptureSample(f->test, [](vcl::TForm* host) {
          auto* s = new TZYLShapeControl(host);
          s->Caption()->SetCaption("Shape-Testobject");
          s->SetShape(stComb);
          return s;
        });
      },
      TEnding::Ok);
  EXPECT_EQ(TZYLShapeEditorDlg::Edit(stDirectLeft), stComb);
  EXPECT_EQ(shown, "stDirectLeft");
  EXPECT_EQ(after, "stComb");
  EXPECT_TRUE(wt::SamePixels(comb, expected, "shape_editor_comb"));
}

TEST_F(ValuePickers, TheDateEditorTakesTodayAndNowFromTheClock) {
  session_.Clock().SetNow(vcl::EncodeDate(2013, 7, 21) + vcl::EncodeTime(14, 5, 9, 0));
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script,
      [](vcl::TCustomForm* form) {
        auto* f = static_cast<TZYLFrmDateTimeEditor*>(form);
        vt::ClickControl(f->btDate);
        vt::ClickControl(f->btTime);
      },
      TEnding::Ok);
  ASSERT_TRUE(TZYLFrmDateTimeEditor::Edit(&date_));
  EXPECT_EQ(date_.GetSetStr(), "{2013-07-21 14:05:09}");
}

TEST_F(ValuePickers, ADateThatDoesNotExistIsRefusedWholeAndTheObjectChangesOnce) {
  struct {
    int Day, Month, Year;
    const char* Message;
  } const cases[] = {
      {31, 2, 2001, "There is no day 31 in month 2 of 2001: that month has 28 days"},
      {29, 2, 1900, "There is no day 29 in month 2 of 1900: that month has 28 days"},
      {31, 4, 2010, "There is no day 31 in month 4 of 2010: that month has 30 days"},
      {30, 2, 2000, "There is no day 30 in month 2 of 2000: that month has 29 days"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Message);
    date_.SetValue(vcl::EncodeDate(2001, 1, 31) + vcl::EncodeTime(8, 0, 0, 0));
    int changes = 0;
    struct TCounter : vcl::TObject {
      int* Count;
      void Changed(vcl::TObject*) { ++*Count; }
    } counter;
    counter.Count = &changes;
    date_.SetOnChange(vcl::TNotifyEvent(&counter, &TCounter::Changed));
    std::string problem;
    vt::TDialogScript script;
    script.Do([&](vcl::TCustomForm* form) {
      auto* f = static_cast<TZYLFrmDateTimeEditor*>(form);
      vt::TypeInto(f->DayEdit, std::to_string(c.Day));
      vt::TypeInto(f->MonthEdit, std::to_string(c.Month));
      vt::TypeInto(f->YearEdit, std::to_string(c.Year));
      problem = testsupport::ErrorOf<vcl::EConvertError>([f] { f->CheckedDateTime(); });
      vt::ClickControl(f->btOK);  // refused: the message answers next, the form stays
    });
    script.Press("OK");
    script.Do([](vcl::TCustomForm* form) {
      auto* f = static_cast<TZYLFrmDateTimeEditor*>(form);
      vt::TypeInto(f->DayEdit, "28");
      vt::ClickControl(f->btOK);
    });
    ASSERT_TRUE(TZYLFrmDateTimeEditor::Edit(&date_));
    date_.SetOnChange(nullptr);
    EXPECT_EQ(problem, c.Message);
    ASSERT_EQ(script.Shown().size(), 2u);  // the form, then the message
    EXPECT_EQ(script.Shown()[1].Text, c.Message);
    EXPECT_EQ(date_.Value(), vcl::EncodeDate(c.Year, c.Month, 28) + vcl::EncodeTime(8, 0, 0, 0));
    EXPECT_EQ(changes, 1);
  }
}

TEST_F(ValuePickers, FormatSamplesWriteTheirFormatAndCustomLeavesTheEdit) {
  session_.Clock().SetNow(vcl::EncodeDate(2013, 7, 21) + vcl::EncodeTime(14, 5, 9, 0));
  struct {
    const char* Sample;
    const char* Format;
  } const cases[] = {{"21.11.98", "dd.mm.yy"},
                     {"11/21/98", "mm/dd/yy"},
                     {"23:20", "hh:mm"},
                     {"23:20:12", "hh:mm:ss"},
                     {"31.10.1998", "dd.mm.yyyy"},
                     {"Thursday, 14.05.1998", "dddd, dd.mm.yyyy"},
                     {"Thursday, 14.05.1998 15:01", "dddd, dd.mm.yyyy hh:mm"},
                     {"Custom", "dddd, dd.mm.yyyy hh:mm"}};
  std::vector<std::pair<std::string, std::string>> seen;
  std::string preview;
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script,
      [&](vcl::TCustomForm* form) {
        auto* f = static_cast<TZYLFrmDateTimePropertyEditor*>(form);
        seen.push_back({f->Edit1->Text(), f->info->DateTimeFormat()});
        for (const auto& c : cases) {
          designtest::ChooseComboItem(f->ComboBox1, c.Sample);
          seen.push_back({f->Edit1->Text(), f->info->DateTimeFormat()});
        }
        vt::TypeInto(f->Edit1, "yyyy-mm-dd");
        preview = f->info->DateTimeFormat();
      },
      TEnding::Ok);
  std::string format = "hh";
  ASSERT_TRUE(TZYLFrmDateTimePropertyEditor::Edit(format));
  EXPECT_EQ(format, "yyyy-mm-dd");
  EXPECT_EQ(preview, "yyyy-mm-dd");
  ASSERT_EQ(seen.size(), std::size(cases) + 1);
  EXPECT_EQ(seen[0], std::make_pair(std::string("hh"), std::string("hh")));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(seen[i + 1].first, cases[i].Format) << cases[i].Sample;
    EXPECT_EQ(seen[i + 1].second, cases[i].Format) << cases[i].Sample;
  }
}

TEST_F(ValuePickers, TheFilterGridRoundTripsPairsAndDropsIncompleteRows) {
  struct TCell {
    int Col, Row;
    const char* Text;
  };
  struct {
    const char* Name;
    std::string Filter;
    std::vector<TCell> Edits;
    std::string Expected;
    int Rows;
  } const cases[] = {
      {"unchanged pairs",
       "Text files|*.txt|All files|*.*",
       {},
       "Text files|*.txt|All files|*.*",
       120},
      {"empty mask cell", "Text|*.txt|Pictures|*.bmp", {{1, 1, ""}}, "Pictures|*.bmp", 120},
      {"blank name cell", "Text|*.txt|Pictures|*.bmp", {{0, 2, "   "}}, "Text|*.txt", 120},
      {"blanks trimmed", "", {{0, 4, "  Docs "}, {1, 4, " *.doc  "}}, "Docs|*.doc", 100},
      {"empty grid", "", {}, "", 100},
      {"a name without mask", "A|*.a|B", {}, "A|*.a", 120},
      {"every row cleared", "A|*.a", {{0, 1, ""}}, "", 110},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    std::vector<std::string> headings;
    int rows = 0;
    vt::TDialogScript script;
    designtest::AnswerEditor(
        script,
        [&](vcl::TCustomForm* form) {
          auto* grid = static_cast<TZYLFilterPropsDlg*>(form)->FilterGrid;
          headings = {grid->Cells(0, 0), grid->Cells(1, 0)};
          rows = grid->RowCount();
          for (const TCell& e : c.Edits) grid->SetCells(e.Col, e.Row, e.Text);
        },
        TEnding::Ok);
    std::string filter = c.Filter;
    ASSERT_TRUE(TZYLFilterPropsDlg::Edit(filter));
    EXPECT_EQ(filter, c.Expected);
    EXPECT_EQ(rows, c.Rows);
    EXPECT_EQ(headings, (std::vector<std::string>{"Filter Name", "Filter"}));
  }
}

TEST_F(ValuePickers, APairTypedIntoTheFilterGridIsKept) {
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script,
      [](vcl::TCustomForm* form) {
        auto* grid = static_cast<TZYLFilterPropsDlg*>(form)->FilterGrid;
        const vcl::TRect cell = grid->CellRect(0, 2);
        const vcl::TPoint p = grid->ClientToScreen({cell.Left + 4, cell.Top + 4});
        wt::Click(p.X, p.Y);
        wt::TypeText("Pictures");
        wt::KeyPress(win::VK_TAB);
        wt::TypeText("*.bmp");
        wt::KeyPress(win::VK_RETURN);
        wt::RunUntilIdle();
      },
      TEnding::Ok);
  std::string filter = "Text|*.txt";
  ASSERT_TRUE(TZYLFilterPropsDlg::Edit(filter));
  EXPECT_EQ(filter, "Text|*.txt|Pictures|*.bmp");
}

TEST_F(ValuePickers, ClickingASampleMaskPutsItsMaskIntoTheEdit) {
  const std::vector<std::string> masks = {"\\(888\\)\\ 888-8888",
                                          "888\\-888\\-8888",
                                          "\\(88888\\)8888888",
                                          "88888\\ 8888888",
                                          "88888\\-8888888",
                                          "88888\\-8888",
                                          "99999"};
  std::vector<std::string> seen;
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script,
      [&](vcl::TCustomForm* form) {
        auto* f = static_cast<TZYLfrmMaskEditDlg*>(form);
        seen.push_back(f->MaskEdit->Text());
        // The lines in sight are clicked; the last one is chosen from the keyboard.
        auto* lines = f->MaskListBox->ListBox();
        for (int i = 0; i + 1 < static_cast<int>(masks.size()); ++i) {
          designtest::ClickListLine(lines, i);
          seen.push_back(f->MaskEdit->Text());
        }
        vt::ChooseListItem(lines, lines->Items()->Strings(lines->Items()->Count() - 1));
        seen.push_back(f->MaskEdit->Text());
      },
      TEnding::Ok);
  std::string mask = "000";
  ASSERT_TRUE(TZYLfrmMaskEditDlg::Edit(mask));
  EXPECT_EQ(mask, masks.back());
  std::vector<std::string> expected = {"000"};
  expected.insert(expected.end(), masks.begin(), masks.end());
  EXPECT_EQ(seen, expected);
}

TEST_F(ValuePickers, ADoubleClickChoosesALayoutAndOKWithoutALineChoosesNone) {
  vt::TDialogScript script;
  script.Do([](vcl::TCustomForm* form) {
    designtest::ClickListLine(static_cast<TZYLStatusBarEditorDlg*>(form)->ListBox, 2, true);
  });
  EXPECT_EQ(TZYLStatusBarEditorDlg::Choose(), TZYLStatusBarEditorDlg::sbTextOnly);
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Buttons, (std::vector<std::string>{"Ok & Insert", "Cancel"}));
  vt::TDialogScript none;
  designtest::AnswerEditor(
      none, [](vcl::TCustomForm*) {}, TEnding::Ok);
  EXPECT_EQ(TZYLStatusBarEditorDlg::Choose(), -1);
}

}  // namespace
}  // namespace zyl
