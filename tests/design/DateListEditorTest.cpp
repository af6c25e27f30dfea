// The date list editor: lines of date, time and description, edited through the list, the two
// pickers and the description edit; a list replaced only when every line converts.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "design/pZYLDateListEditorDlg.h"
#include "edits/ZYLEdit.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLDateTime.h"
#include "platform/base/Clock.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/controls/ComCtrls.h"
#include "platform/rtl/Locale.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

using vcl::TDateTime;

TDateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
  return vcl::JoinDateTime(vcl::EncodeDate(y, m, d), vcl::EncodeTime(h, n, s, 0));
}

// The bytes a date list streams to: equal bytes, equal lists.
std::string Bytes(const TZYLDateList& list) {
  vcl::TMemoryStream m;
  list.SaveToStream(&m);
  return std::string(static_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

class DateListEditor : public ::testing::Test {
 protected:
  DateListEditor() {
    vcl::FormatSettings.DateSeparator = '/';
    vcl::FormatSettings.TimeSeparator = ':';
    vcl::FormatSettings.ShortDateFormat = "dd/mm/yyyy";
    vcl::FormatSettings.LongTimeFormat = "hh:nn:ss";
    session_.Clock().SetNow(At(2024, 2, 10, 9, 30, 15));
    list_.AddDate({At(2024, 1, 31, 8, 0), "first"});
    list_.AddDate({At(2023, 12, 24, 18, 30, 5), "second; with; semicolons"});
    list_.AddDate({At(2024, 2, 29, 23, 59, 59), "third"});
  }
  // Opens the editor on list_ with one answer on the form, left as `ending` says.
  bool Run(const std::function<void(TZYLDateListEditorDlg*)>& steps, TEnding ending = TEnding::Ok) {
    vt::TDialogScript script;
    designtest::AnswerEditorAs<TZYLDateListEditorDlg>(script, steps, ending);
    return TZYLDateListEditorDlg::Edit(&list_);
  }
  static void ClickLine(TZYLDateListEditorDlg* f, int row) {
    auto* inner = f->DList->ListBox();
    const vcl::TRect r = inner->ItemRect(row);
    const win::POINT p = wt::ScreenPoint(inner->Handle(), r.Left + 5, (r.Top + r.Bottom) / 2);
    wt::Click(p.X, p.Y);
    static_cast<win::TVirtualClock&>(win::CurrentClock()).Advance(1000);
  }
  // A click on a button, far enough in time from the last one not to make a double click.
  static void Push(vcl::TControl* button) {
    vt::ClickControl(button);
    static_cast<win::TVirtualClock&>(win::CurrentClock()).Advance(1000);
  }
  static int Selected(TZYLDateListEditorDlg* f) {
    return f->DList->GetInteger(TZYLListBox::iiItemIndex);
  }

  vcl::TFormatSettingsScope settings_;
  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  TZYLDateList list_;
};

TEST(DateLines, SplitAtTheFirstTwoSemicolonsOnly) {
  struct TCase {
    const char* Line;
    bool Ok;
    const char *Date, *Time, *Description;
  };
  for (const TCase& c :
       {TCase{"01/02/2024;10:00:00;a;b;c", true, "01/02/2024", "10:00:00", "a;b;c"},
        TCase{";;", true, "", "", ""}, TCase{"x;y", false, "", "", ""},
        TCase{"no separators", false, "", "", ""}, TCase{"d;t;", true, "d", "t", ""}}) {
    std::string d, t, s;
    EXPECT_EQ(ZYLSplitDateLine(c.Line, d, t, s), c.Ok) << c.Line;
    if (!c.Ok) continue;
    testsupport::ExpectCases({{d, c.Date}, {t, c.Time}, {s, c.Description}});
  }
}

TEST_F(DateListEditor, ListsBecomeLinesAndLinesTheSameList) {
  const std::vector<std::string> lines = ZYLDateListToLines(&list_);
  ASSERT_EQ(lines.size(), 3u);
  testsupport::ExpectCases({{lines[0], "31/01/2024;08:00:00;first"},
                            {lines[1], "24/12/2023;18:30:05;second; with; semicolons"},
                            {lines[2], "29/02/2024;23:59:59;third"}});
  TZYLDateList back;
  ZYLDateListFromLines(lines, &back);
  EXPECT_EQ(Bytes(back), Bytes(list_));
  // No lines make an empty list; a long description is cut to the list's 40 characters.
  ZYLDateListFromLines({"01/01/2000;00:00:00;" + std::string(50, 'x')}, &back);
  TZYLDateRecord rec;
  ASSERT_TRUE(back.GetDate(0, rec));
  EXPECT_EQ(rec.Description, std::string(40, 'x'));
  ZYLDateListFromLines({}, &back);
  EXPECT_EQ(back.Count(), 0);
}

// The lines follow the user's locale (its date and time forms, a 12-hour time with its mark) and
// read back to the same list under it.
TEST_F(DateListEditor, ListsBecomeLinesAndTheSameListUnderTheUsersLocale) {
  struct TCase {
    const char* Name;
    wt::TUserLocale::TItems Items;
    const char* First;
    const char* Second;
  };
  const TCase cases[] = {
      {"the layer's own",
       {},
       "1/31/2024;8:00:00 AM;first",
       "12/24/2023;6:30:05 PM;second; with; semicolons"},
      {"day.month.year, 24 hours",
       {{win::LOCALE_SDATE, "."},
        {win::LOCALE_SSHORTDATE, "dd.MM.yyyy"},
        {win::LOCALE_ITIME, "1"},
        {win::LOCALE_ITLZERO, "1"}},
       "31.01.2024;08:00:00;first",
       "24.12.2023;18:30:05;second; with; semicolons"},
      {"year-month-day, a dot between hours and minutes",
       {{win::LOCALE_SDATE, "-"},
        {win::LOCALE_SSHORTDATE, "yyyy-MM-dd"},
        {win::LOCALE_STIME, "."},
        {win::LOCALE_ITIME, "1"},
        {win::LOCALE_ITLZERO, "1"}},
       "2024-01-31;08.00.00;first",
       "2023-12-24;18.30.05;second; with; semicolons"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    wt::TUserLocale locale(c.Items);
    const std::vector<std::string> lines = ZYLDateListToLines(&list_);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], c.First);
    EXPECT_EQ(lines[1], c.Second);
    TZYLDateList back;
    ZYLDateListFromLines(lines, &back);
    EXPECT_EQ(Bytes(back), Bytes(list_));
  }
}

// One unreadable line leaves the whole list as it was, whichever line it is.
TEST_F(DateListEditor, AListIsReplacedOnlyWhenEveryLineConverts) {
  const std::string before = Bytes(list_);
  const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
      {{"31/02/2024;10:00:00;no such day", "01/01/2024;10:00:00;fine"},
       "Line 1 of the date list is not a date, a time and a description: '31/02/2024;10:00:00;no "
       "such day'"},
      {{"01/01/2024;10:00:00;fine", "01/01/2024;25:00:00;no such hour"},
       "Line 2 of the date list is not a date, a time and a description: '01/01/2024;25:00:00;no "
       "such hour'"},
      {{"01/01/2024;10:00:00;fine", "01/01/2024;10:00:00;fine", "just text"},
       "Line 3 of the date list is not a date, a time and a description: 'just text'"},
  };
  for (const auto& [lines, message] : bad) {
    EXPECT_EQ(testsupport::ErrorOf<vcl::EConvertError>(
                  [this, &text = lines] { ZYLDateListFromLines(text, &list_); }),
              message);
    EXPECT_EQ(Bytes(list_), before);
  }
}

TEST_F(DateListEditor, ClickingALineShowsItsPartsAndEditingThemRewritesOnlyThatPart) {
  ASSERT_TRUE(Run([](TZYLDateListEditorDlg* f) {
    EXPECT_EQ(f->Caption(), "ZYL DateListPropertyEditor");
    ClickLine(f, 1);
    EXPECT_DOUBLE_EQ(f->DateEdit->Date(), At(2023, 12, 24));
    EXPECT_NEAR(f->TimeEdit->Time(), vcl::EncodeTime(18, 30, 5, 0), 1e-9);
    EXPECT_EQ(f->Des->Text(), "second; with; semicolons");
    // The day up by one in the date picker, the minutes in the time picker.
    f->DateEdit->SetFocus();
    wt::KeyPress(win::VK_UP);
    EXPECT_EQ(f->Lines()->Get(1), "25/12/2023;18:30:05;second; with; semicolons");
    f->TimeEdit->SetFocus();
    wt::KeyPress(win::VK_RIGHT);
    wt::KeyPress(win::VK_DOWN);
    EXPECT_EQ(f->Lines()->Get(1), "25/12/2023;18:29:05;second; with; semicolons");
    vt::TypeInto(f->Des, "new; text");
    EXPECT_EQ(f->Lines()->Get(1), "25/12/2023;18:29:05;new; text");
    EXPECT_EQ(f->Lines()->Get(0), "31/01/2024;08:00:00;first");
  }));
  TZYLDateRecord rec;
  ASSERT_TRUE(list_.GetDate(1, rec));
  EXPECT_DOUBLE_EQ(rec.DateTime, At(2023, 12, 25, 18, 29, 5));
  EXPECT_EQ(rec.Description, "new; text");
}

// The date picker holds only real dates: a month stepped from the 31st lands on the month's
// last day, never on a day the month does not have.
TEST_F(DateListEditor, TheDatePickerNeverWritesADayTheMonthLacks) {
  ASSERT_TRUE(Run([](TZYLDateListEditorDlg* f) {
    ClickLine(f, 0);
    f->DateEdit->SetFocus();
    wt::KeyPress(win::VK_RIGHT);  // the month
    wt::KeyPress(win::VK_UP);
    EXPECT_EQ(f->Lines()->Get(0), "29/02/2024;08:00:00;first");
    f->DateEdit->SetFocus();
    wt::KeyPress(win::VK_RIGHT);  // the year: 2025 has no 29 February
    wt::KeyPress(win::VK_UP);
    EXPECT_EQ(f->Lines()->Get(0), "28/02/2025;08:00:00;first");
  }));
  TZYLDateRecord rec;
  ASSERT_TRUE(list_.GetDate(0, rec));
  EXPECT_DOUBLE_EQ(rec.DateTime, At(2025, 2, 28, 8));
}

TEST_F(DateListEditor, AddAppendsNowWithoutMovingTheSelectionAndDeleteNeedsOne) {
  const std::vector<std::string> shown = ZYLDateListToLines(&list_);
  std::string added;
  ASSERT_TRUE(Run([&](TZYLDateListEditorDlg* f) {
    // Nothing selected: Delete deletes nothing, editing changes no line.
    Push(f->DelBtn);
    EXPECT_EQ(f->Lines()->Count(), 3);
    vt::TypeInto(f->Des, "lost");
    f->DateEdit->SetFocus();
    wt::KeyPress(win::VK_UP);
    EXPECT_EQ(f->GetLines(), shown);
    ClickLine(f, 2);
    added = vcl::DateToStr(vcl::Date()) + ";" + vcl::TimeToStr(vcl::Time()) + ";-";
    Push(f->AddBtn);
    EXPECT_EQ(f->Lines()->Count(), 4);
    EXPECT_EQ(f->Lines()->Get(3), added);
    EXPECT_EQ(Selected(f), 2);
    Push(f->DelBtn);
    EXPECT_EQ(f->Lines()->Count(), 3);
    EXPECT_EQ(f->Lines()->Get(2), added);
  }));
  EXPECT_EQ(list_.Count(), 3);
  TZYLDateRecord rec;
  ASSERT_TRUE(list_.GetDate(2, rec));
  EXPECT_EQ(
      vcl::DateToStr(rec.DateTime) + ";" + vcl::TimeToStr(rec.DateTime) + ";" + rec.Description,
      added);
  EXPECT_EQ(added.substr(0, 11), "10/02/2024;");
}

TEST_F(DateListEditor, UpAndDownMoveOnlyTheSelectionAndStopAtTheEnds) {
  ASSERT_TRUE(Run([](TZYLDateListEditorDlg* f) {
    const std::vector<std::string> lines = f->GetLines();
    ClickLine(f, 0);
    Push(f->UpBtn);
    EXPECT_EQ(Selected(f), 0);
    Push(f->DownBtn);
    Push(f->DownBtn);
    EXPECT_EQ(Selected(f), 2);
    Push(f->DownBtn);
    EXPECT_EQ(Selected(f), 2);
    Push(f->UpBtn);
    EXPECT_EQ(Selected(f), 1);
    // The lines keep their order and the fields still show the line clicked first.
    EXPECT_EQ(f->GetLines(), lines);
    EXPECT_EQ(f->Des->Text(), "first");
    EXPECT_DOUBLE_EQ(f->DateEdit->Date(), At(2024, 1, 31));
  }));
}

// A line the format settings cannot read raises the conversion error when clicked and stays.
TEST_F(DateListEditor, AnUnreadableLineRaisesWhenClickedAndStaysAsItIs) {
  const std::string before = Bytes(list_);
  EXPECT_FALSE(Run(
      [](TZYLDateListEditorDlg* f) {
        f->SetLines(
            {"31/02/2024;10:00:00;bad day", "01/01/2024;xx;bad time", "01/01/2024;10:00:00;good"});
        for (int row : {0, 1}) {
          f->DList->SetInteger(TZYLListBox::iiItemIndex, row);
          EXPECT_FALSE(
              testsupport::ErrorOf<vcl::EConvertError>([&] { f->DListClick(f->DList); }).empty());
        }
        EXPECT_EQ(f->Lines()->Get(0), "31/02/2024;10:00:00;bad day");
        EXPECT_EQ(f->Lines()->Get(1), "01/01/2024;xx;bad time");
        EXPECT_EQ(f->Des->Text(), "");
      },
      TEnding::Cancel));
  EXPECT_EQ(Bytes(list_), before);
}

// OK with a line that does not convert raises and keeps the list whole.
TEST_F(DateListEditor, OkWithAnUnreadableLineKeepsTheListAndSaysWhichLine) {
  const std::string before = Bytes(list_);
  EXPECT_EQ(testsupport::ErrorOf<vcl::EConvertError>([&] {
              Run([](TZYLDateListEditorDlg* f) {
                f->SetLines({"01/01/2024;10:00:00;good", "1/13/2024;10:00:00;month 13"});
              });
            }),
            "Line 2 of the date list is not a date, a time and a description: "
            "'1/13/2024;10:00:00;month 13'");
  EXPECT_EQ(Bytes(list_), before);
}

class DateListEndings : public DateListEditor, public ::testing::WithParamInterface<TEnding> {};

TEST_P(DateListEndings, LeavingWithoutOkChangesNothing) {
  const std::string before = Bytes(list_);
  bool result = false;
  auto edit = [&] {
    result = Run(
        [](TZYLDateListEditorDlg* f) {
          ClickLine(f, 0);
          vt::TypeInto(f->Des, "changed");
          Push(f->AddBtn);
        },
        GetParam());
  };
  if (GetParam() == TEnding::Exception)
    EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>(edit), "failure inside the editor");
  else
    edit();
  EXPECT_FALSE(result);
  EXPECT_EQ(Bytes(list_), before);
}

INSTANTIATE_TEST_SUITE_P(Endings, DateListEndings,
                         ::testing::Values(TEnding::Cancel, TEnding::CloseBox, TEnding::Escape,
                                           TEnding::Exception),
                         [](const ::testing::TestParamInfo<TEnding>& i) {
                           std::string n = designtest::EndingName(i.param);
                           n.erase(std::remove(n.begin(), n.end(), ' '), n.end());
                           return n;
                         });

TEST_F(DateListEditor, TheFormShowsItsLinesInColumns) {
  ASSERT_TRUE(Run([](TZYLDateListEditorDlg* f) {
    ClickLine(f, 1);
    const wt::TCapture cap = wt::CaptureWindow(f->Handle());
    wt::WritePng(cap, "/tmp/zyl_date_list_editor.png");
    EXPECT_EQ(f->DList->Header()->Sections()->Count(), 3);
    EXPECT_EQ(f->DList->ItemPart(1, 0), "24/12/2023");
    EXPECT_EQ(f->DList->ItemPart(1, 1), "18:30:05");
    EXPECT_EQ(f->DateEdit->Text(), "24/12/2023");
    EXPECT_EQ(f->TimeEdit->Text(), "18:30:05");
    EXPECT_GT(cap.Width, 0);
  }));
}

}  // namespace
}  // namespace zyl
