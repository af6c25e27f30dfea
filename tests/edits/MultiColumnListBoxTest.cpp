// The multi-column list box: rows and their columns, what each column shows, grid lines and
// alternating rows on screen, the sort by columns, the virtual width, the header's resizing
// reported to the box, and the column widths kept in (and read back from, even when damaged)
// the settings file.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "edits/ZYLListBox.h"
#include "foundation/ZYLIniCtrl.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"
#include "tests/edits/ListTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/StreamCopy.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using edittest::THost;
using listtest::Joined;
namespace tk = win::testkit;

// Writes what the box reports.
class TBoxEvents : public vcl::TObject {
  ZYL_CLASS(TBoxEvents, vcl::TObject)
 public:
  std::string Log;
  void Sized(vcl::TObject*, int Section, int Width) {
    Log += "sized" + std::to_string(Section) + "=" + std::to_string(Width) + " ";
  }
  void Read(vcl::TObject*, TZYLIniCtrl* Ini, std::string Section) {
    Log += std::string("read:") + (Ini ? "ini" : "nil") + ":" + Section + " ";
  }
  void Write(vcl::TObject*, TZYLIniCtrl* Ini, std::string Section) {
    Log += std::string("write:") + (Ini ? "ini" : "nil") + ":" + Section + " ";
  }
  // Orders rows by length.
  void ByLength(vcl::TObject*, const std::string& a, const std::string& b, int8_t& r) {
    r = a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
  }
};
ZYL_CLASS_IMPL(TBoxEvents) {}

class MultiColumnListBoxTest : public ::testing::Test {
 protected:
  TZYLListBox* Box(std::vector<int> Widths) {
    auto* b = new TZYLListBox(host_.Form());
    b->SetBounds(5, 5, 240, 150);
    b->SetParent(host_.Form());
    vcl::THeaderSections* s = b->GetHeaderSections();
    for (size_t i = 0; i < Widths.size(); ++i) {
      if (i >= static_cast<size_t>(s->Count())) s->Add();
      s->Items(static_cast<int>(i))->SetWidth(Widths[i]);
    }
    b->SetOnHeaderSized(TSectionEvent(&events_, &TBoxEvents::Sized));
    b->SetOnIniReadData(TZYLIniCtrlEvent(&events_, &TBoxEvents::Read));
    b->SetOnIniWriteData(TZYLIniCtrlEvent(&events_, &TBoxEvents::Write));
    THost::Idle();
    return b;
  }
  static std::string Widths(TZYLListBox* B) { return B->GetIniString(); }
  TBoxEvents events_;  // outlives the boxes, which report writing their widths as they go
  THost host_;
};

TEST_F(MultiColumnListBoxTest, RowsAreJoinedSplitAndChangedByColumn) {
  TZYLListBox* b = Box({50});
  EXPECT_EQ(b->AddLine({"a", "b", "c"}), 0);
  b->SetItemPart(0, 4, "e");  // past the last column: separators are added
  b->SetItemPart(1, 0, "x");  // no such row
  b->SetItemPart(-1, 0, "x");
  testsupport::ExpectCases({{Joined(b->GetItems()), "a;b;c;;e"},
                            {b->ItemPart(0, 1), "b"},
                            {b->ItemPart(0, 7), ""},
                            {b->ItemPart(5, 0), ""},
                            {b->ItemPart(-1, 0), ""},
                            {b->GetPartString("p;q", 1), "q"},
                            {std::to_string(b->GetBool(TZYLListBox::biAutoScroll)), "0"},
                            {std::to_string(b->GetInteger(TZYLListBox::iiSectionCount)), "1"}});
  b->SetDelimiter('|');
  b->AddLine({"1", "2"});
  EXPECT_EQ(b->GetItems()->Strings(1), "1|2");
  b->Clear();
  EXPECT_EQ(b->GetItems()->Count(), 0);
}

// The row at a point of the inner list: below the last row none, or, when the row need not
// exist, the number of rows.
TEST_F(MultiColumnListBoxTest, TheRowAtAPointOfTheList) {
  TZYLListBox* b = Box({80, 80});
  for (const char* row : {"a|1", "b|2", "c|3"}) b->GetItems()->Add(row);
  THost::Idle();
  auto* inner = b->ListBox();
  for (int i = 0; i < 3; ++i) {
    const vcl::TRect r = inner->ItemRect(i);
    EXPECT_EQ(b->ItemAtPos({r.Left + 3, (r.Top + r.Bottom) / 2}, true), i);
  }
  const vcl::TPoint below{3, inner->ItemRect(2).Bottom + 5};
  EXPECT_EQ(b->ItemAtPos(below, true), -1);
  EXPECT_EQ(b->ItemAtPos(below, false), 3);
}

TEST_F(MultiColumnListBoxTest, ColumnsBeyondTheSectionsAndBlankRowsShowNothing) {
  TZYLListBox* b = Box({40});
  b->GetFont(TZYLListBox::fiFont)->SetColor(vcl::clBlack);
  b->AddLine({"WWWW", "WWWW", "WWWW"});
  b->AddLine({"   "});
  const tk::TCapture shot = host_.Shot(b->ListBox());
  const int h = b->GetInteger(TZYLListBox::iiItemHeight);
  const win::COLORREF window = vcl::ColorToRGB(vcl::clWindow);
  // The first column is inked; right of its section, and on the blank row, only background.
  bool inked = false;
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < h; ++y) inked |= shot.Color(x, y) != window;
  EXPECT_TRUE(inked);
  EXPECT_TRUE(tk::PixelsMatch(
      shot, [&](int, int) { return window; }, "beyond_sections",
      win::RECT{42, 0, shot.Width, 2 * h}));
  EXPECT_TRUE(tk::PixelsMatch(
      shot, [&](int, int) { return window; }, "blank_row", win::RECT{0, h, shot.Width, 2 * h}));
}

TEST_F(MultiColumnListBoxTest, EveryRowIsDrawnInTheListsFont) {
  TZYLListBox* b = Box({60, 60});
  for (int i = 0; i < 3; ++i) b->AddLine({"Wide", "Text"});
  b->ListBox()->SetHideFocus(true);
  const tk::TCapture shot = host_.Shot(b->ListBox());
  const int h = b->GetInteger(TZYLListBox::iiItemHeight);
  auto row = [&](int i) {
    return tk::MakeCapture(shot.Width, h, [&](int x, int y) { return shot.Color(x, i * h + y); });
  };
  EXPECT_TRUE(tk::SamePixels(row(1), row(0), "row_1_as_row_0"));
  EXPECT_TRUE(tk::SamePixels(row(2), row(0), "row_2_as_row_0"));
}

TEST_F(MultiColumnListBoxTest, AlternateRowsAndGridLinesAreDrawn) {
  TZYLListBox* b = Box({60, 60});
  for (int i = 0; i < 4; ++i) b->GetItems()->Add("");
  b->SetBool(TZYLListBox::biAlternateColors, true);
  b->SetColor(TZYLListBox::ciAltLineColor, vcl::clAqua);
  b->SetColor(TZYLListBox::ciGridHorzColor, vcl::clRed);
  b->SetColor(TZYLListBox::ciGridVertColor, vcl::clBlue);
  b->SetGridLines(glBoth);
  b->ListBox()->SetHideFocus(true);
  b->AddLine({"x"});  // blank rows are drawn only in their background; this one has text
  const tk::TCapture shot = host_.Shot(b->ListBox());
  const int h = b->GetInteger(TZYLListBox::iiItemHeight);
  const win::COLORREF aqua = vcl::ColorToRGB(vcl::clAqua), window = vcl::ColorToRGB(vcl::clWindow),
                      blue = vcl::ColorToRGB(vcl::clBlue);
  // Rows 0..3 are blank: background only, alternating (the drawing area of an item ends one
  // line above the item's bottom, which keeps the list's colour).
  EXPECT_TRUE(tk::PixelsMatch(
      shot, [&](int, int y) { return (y / h) % 2 && y % h != h - 1 ? aqua : window; },
      "alternate_rows", win::RECT{2, 0, 50, 4 * h - 1}));
  // Row 4 has text: its grid lines are drawn, the vertical one at each section's end, the
  // horizontal one on the last line of the item's drawing area (one above the item's bottom).
  const vcl::TRect r = b->ListBox()->ItemRect(4);
  const int left = r.Left + b->ListBox()->Margin();
  EXPECT_EQ(shot.Color(left + 59, r.Top + 2), blue);
  EXPECT_EQ(shot.Color(left + 30, r.Bottom - 2), vcl::ColorToRGB(vcl::clRed));
}

TEST_F(MultiColumnListBoxTest, SpecialSortOrdersByTheListedColumnsOrByTheHandler) {
  TZYLListBox* b = Box({50, 50});
  for (const char* row : {"b;2", "a;2", "c;1", "a;1", "b;1"}) b->GetItems()->Add(row);
  b->SpecialSort({1, 0});
  EXPECT_EQ(Joined(b->GetItems()), "a;1,b;1,c;1,a;2,b;2");
  b->SpecialSort({0});
  EXPECT_EQ(b->ItemPart(0, 0) + b->ItemPart(1, 0) + b->ItemPart(4, 0), "aac");
  b->GetItems()->Clear();
  for (const char* row : {"ccc", "a", "bb", "dddd"}) b->GetItems()->Add(row);
  b->SetOnSSCompareItem(TZYLLBCompareItemEvent(&events_, &TBoxEvents::ByLength));
  b->SpecialSort();
  EXPECT_EQ(Joined(b->GetItems()), "a,bb,ccc,dddd");
}

TEST_F(MultiColumnListBoxTest, SortingManyRowsStaysInOrder) {
  TZYLListBox* b = Box({50});
  std::vector<std::string> want;
  for (int i = 0; i < 500; ++i) {
    const std::string key = std::to_string((i * 7919) % 1000 + 1000);
    b->GetItems()->Add(key);
    want.push_back(key);
  }
  std::sort(want.begin(), want.end());
  b->SpecialSort({0});
  std::string joined;
  for (const std::string& s : want) joined += (joined.empty() ? "" : ",") + s;
  EXPECT_EQ(Joined(b->GetItems()), joined);
}

TEST_F(MultiColumnListBoxTest, ResizingASectionIsReportedAndTheVirtualWidthFollows) {
  TZYLListBox* b = Box({100, 100});
  b->SetBool(TZYLListBox::biVirtualAutoWidth, true);
  EXPECT_EQ(b->VirtualWidth(), 0);  // 200 fits
  b->Header()->SetSectionWidth(1, 300);
  EXPECT_EQ(events_.Log, "sized1=300 ");
  EXPECT_EQ(b->VirtualWidth(), 400);
  EXPECT_EQ(b->ListBox()->Width(), 400);
  EXPECT_EQ(b->HorzScrollBar()->Range(), 400);
  b->Header()->SetSectionWidth(1, 300);  // unchanged: not reported
  EXPECT_EQ(events_.Log, "sized1=300 ");
  b->SetBool(TZYLListBox::biVirtualAutoWidth, false);
  EXPECT_EQ(b->VirtualWidth(), 0);
  EXPECT_EQ(b->ListBox()->Align(), vcl::alClient);
  b->SetVirtualWidth(-5);  // ignored
  EXPECT_EQ(b->VirtualWidth(), 0);
}

struct TIniCase {
  const char* Stored;
  const char* Widths;  // afterwards, starting from one section of 50
  int Sections;
};

class ColumnWidths : public MultiColumnListBoxTest,
                     public ::testing::WithParamInterface<TIniCase> {};

TEST_P(ColumnWidths, AreReadBackFromTheSettingsText) {
  TZYLListBox* b = Box({50});
  b->SetIniString(GetParam().Stored);
  EXPECT_EQ(Widths(b), GetParam().Widths);
  EXPECT_EQ(b->GetInteger(TZYLListBox::iiSectionCount), GetParam().Sections);
}

INSTANTIATE_TEST_SUITE_P(Entries, ColumnWidths,
                         ::testing::Values(TIniCase{"50,60,70", "50,60,70", 3},
                                           TIniCase{"80", "80", 1}, TIniCase{"", "50", 1},
                                           // Damaged entries leave their column's width alone.
                                           TIniCase{"40,zz,90", "40,50,90", 3},
                                           TIniCase{"-7", "50", 1},
                                           TIniCase{"99999999999999999999,30", "50,30", 2},
                                           TIniCase{" 45 ,x1", "45,50", 2}));

TEST_F(MultiColumnListBoxTest, AddedSectionsAreCaptionedByTheirNumber) {
  TZYLListBox* b = Box({50});
  b->SetIniString("50,60,70");
  EXPECT_EQ(b->GetHeaderSections()->Items(1)->Text(), "S. 2");
  EXPECT_EQ(b->GetHeaderSections()->Items(2)->Text(), "S. 3");
}

TEST_F(MultiColumnListBoxTest, WidthsGoToTheLinkedSettingsFileAndComeBackEvenWhenDamaged) {
  testsupport::TempDir dir;
  auto* ini = new TZYLIniCtrl(host_.Form());
  ini->SetTarget(itIniFile);
  ini->SetIniFile(dir.File("lists.ini"));
  TZYLListBox* b = Box({70, 80});
  b->SetIniUse(ioUseLink);
  b->SetIniLink(ini);
  b->SetSection("Files");
  b->WriteData();
  EXPECT_EQ(ini->ReadString("Files", "ListBoxData", "?"), "70,80");
  ini->WriteString("Files", "ListBoxData", "120,oops");
  b->ReadData();
  EXPECT_EQ(Widths(b), "120,80");
  EXPECT_EQ(events_.Log, "write:ini:Files read:ini:Files ");
  // Without storage nothing is read or written, but the events still come.
  events_.Log.clear();
  b->SetIniUse(ioNone);
  ini->WriteString("Files", "ListBoxData", "1,1");
  b->ReadData();
  b->WriteData();
  EXPECT_EQ(Widths(b), "120,80");
  EXPECT_EQ(events_.Log, "read:nil:Files write:nil:Files ");
  // A freed link is forgotten; with ioUseLink the owner's next ini control is taken.
  delete ini;
  EXPECT_EQ(b->IniLink(), nullptr);
  b->SetIniUse(ioUseLink);
  auto* other = new TZYLIniCtrl(host_.Form());
  other->SetTarget(itIniFile);
  other->SetIniFile(dir.File("other.ini"));
  b->WriteData();
  EXPECT_EQ(b->IniLink(), other);
  EXPECT_EQ(other->ReadString("Files", "ListBoxData", "?"), "120,80");
}

TEST_F(MultiColumnListBoxTest, ABoxWhoseSettingsCannotBeWrittenStillGoes) {
  testsupport::TempDir dir;
  auto* ini = new TZYLIniCtrl(host_.Form());
  ini->SetTarget(itIniFile);
  ini->SetIniFile(dir.File("gone/lists.ini"));  // a folder that does not exist
  TZYLListBox* b = Box({70});
  b->SetIniUse(ioUseLink);
  b->SetIniLink(ini);
  EXPECT_NE(testsupport::ErrorOf<vcl::Exception>([&] { b->WriteData(); }), "<no error>");
  delete b;
  EXPECT_EQ(events_.Log, "");
}

TEST_F(MultiColumnListBoxTest, TheBoxForwardsToItsInnerListAndHeader) {
  TZYLListBox* b = Box({50});
  b->SetBool(TZYLListBox::biMultiSelect, true);
  b->SetBool(TZYLListBox::biHeaderVisible, false);
  b->SetInteger(TZYLListBox::iiHeaderHeight, 30);
  b->SetColor(TZYLListBox::ciColor, vcl::clYellow);
  b->SetCursor(TZYLListBox::uiCursor, vcl::crHandPoint);
  b->SetBool(TZYLListBox::biEnabled, false);
  testsupport::ExpectCases({
      {std::to_string(b->ListBox()->MultiSelect()), "1"},
      {std::to_string(b->Header()->Visible()), "0"},
      {std::to_string(b->Header()->Height()), "30"},
      {std::to_string(b->ListBox()->Color()), std::to_string(vcl::clYellow)},
      {std::to_string(b->ListBox()->Cursor()), std::to_string(vcl::crHandPoint)},
      {std::to_string(b->ListBox()->Enabled()) + std::to_string(b->Header()->Enabled()) +
           std::to_string(b->Enabled()),
       "000"},
  });
  b->SetBool(TZYLListBox::biHeaderVisible, true);
  b->SetBool(TZYLListBox::biEnabled, true);
  b->AddLine({"one"});
  b->AddLine({"two"});
  b->SetFocus();
  THost::Idle();
  EXPECT_TRUE(b->Focused());
  const vcl::TRect r = b->ListBox()->ItemRect(1);
  const win::POINT p = THost::At(b->ListBox(), r.Left + 5, r.Top + 2);
  tk::Click(p.X, p.Y);
  THost::Idle();
  EXPECT_TRUE(b->GetSelected(1));
}

// Enabled is the whole control's: however the box is disabled (its published property, as a form
// read sets it, or as any control is, through the control's own setter) its inner list, its
// header and the box itself follow, and enabling gives all three back.
TEST_F(MultiColumnListBoxTest, DisablingTheBoxDisablesItsListHeaderAndItself) {
  const auto states = [](TZYLListBox* b) {
    return std::to_string(b->ListBox()->Enabled()) + std::to_string(b->Header()->Enabled()) +
           std::to_string(b->Enabled()) + std::to_string(b->GetBool(TZYLListBox::biEnabled));
  };
  struct TWay {
    const char* Name;
    void (*Set)(TZYLListBox*, bool);
  };
  const TWay ways[] = {
      {"published property",
       [](TZYLListBox* b, bool v) { vcl::SetPropValue(b, "Enabled", v ? "True" : "False"); }},
      {"control's setter",
       [](TZYLListBox* b, bool v) { static_cast<vcl::TControl*>(b)->SetEnabled(v); }},
  };
  for (const TWay& way : ways) {
    SCOPED_TRACE(way.Name);
    TZYLListBox* b = Box({50});
    way.Set(b, false);
    EXPECT_EQ(states(b), "0000");
    EXPECT_EQ(vcl::GetPropValue(b, "Enabled"), "False");
    way.Set(b, true);
    EXPECT_EQ(states(b), "1111");
    delete b;
  }
}

// Enabled and AllowResize both reach the header, but each keeps its own value: a disabled box
// whose columns may still be resized reads back so from a form file.
TEST_F(MultiColumnListBoxTest, EnabledAndAllowResizeKeepTheirOwnValues) {
  // The box writes its header and inner list as its children.
  const std::initializer_list<vcl::TClass> parts{TZYLHeaderControl::StaticClass(),
                                                 TZYLMyListBox::StaticClass()};
  for (vcl::TClass c : parts) vcl::RegisterClass(c);
  vcl::TFinally unregister([&] {
    for (vcl::TClass c : parts) vcl::UnRegisterClass(c);
  });
  TZYLListBox* b = Box({50});
  b->SetBool(TZYLListBox::biEnabled, false);
  EXPECT_FALSE(b->Header()->Enabled());
  EXPECT_TRUE(b->GetBool(TZYLListBox::biAllowResize));
  const std::unique_ptr<TZYLListBox> copy = testsupport::StreamCopy(b);
  EXPECT_FALSE(copy->GetBool(TZYLListBox::biEnabled));
  EXPECT_TRUE(copy->GetBool(TZYLListBox::biAllowResize));
  // Enabled again, the header lets the columns be resized; without AllowResize it does not.
  copy->SetBool(TZYLListBox::biEnabled, true);
  EXPECT_TRUE(copy->Header()->Enabled());
  copy->SetBool(TZYLListBox::biAllowResize, false);
  EXPECT_FALSE(copy->Header()->Enabled());
  EXPECT_TRUE(copy->GetBool(TZYLListBox::biEnabled));
}

// A box that takes ShowHint from its parent leaves it out of the form file and, read back,
// follows its parent still; one with a ShowHint of its own, on or off, keeps it.
TEST_F(MultiColumnListBoxTest, AShowHintTakenFromTheParentIsNotWrittenAndOneOfItsOwnIs) {
  std::vector<vcl::TClass> parts;
  for (vcl::TClass c :
       {TZYLListBox::StaticClass(), TZYLHeaderControl::StaticClass(), TZYLMyListBox::StaticClass()})
    if (!vcl::GetClass(c->ClassName())) parts.push_back(c);
  for (vcl::TClass c : parts) vcl::RegisterClass(c);
  vcl::TFinally unregister([&] {
    for (vcl::TClass c : parts) vcl::UnRegisterClass(c);
  });
  struct TCase {
    const char* Name;
    bool Follows;
    bool Shown;  // the ShowHint the box holds
  };
  for (const TCase& c : {TCase{"follows", true, true}, TCase{"own, off", false, false},
                         TCase{"own, on", false, true}}) {
    SCOPED_TRACE(c.Name);
    THost host;
    auto* b = new TZYLListBox(host.Form());
    b->SetName("Box");
    b->SetParent(host.Form());
    // The form shows hints where the box follows it, and the other way round where it does not.
    host.Form()->SetShowHint(c.Follows ? c.Shown : !c.Shown);
    if (!c.Follows) b->SetBool(TZYLListBox::biShowHint, c.Shown);
    EXPECT_EQ(b->GetBool(TZYLListBox::biParentShowHint), c.Follows);
    EXPECT_EQ(b->GetBool(TZYLListBox::biShowHint), c.Shown);
    const std::unique_ptr<vcl::TForm> copy = testsupport::StreamCopy(host.Form());
    auto* back = dynamic_cast<TZYLListBox*>(copy->FindComponent("Box"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetBool(TZYLListBox::biParentShowHint), c.Follows);
    EXPECT_EQ(back->GetBool(TZYLListBox::biShowHint), c.Shown);
    copy->SetShowHint(!copy->ShowHint());
    EXPECT_EQ(back->GetBool(TZYLListBox::biShowHint), c.Follows ? !c.Shown : c.Shown);
  }
}

// What the box's handlers heard: the Sender of each call.
class TBoxInput : public vcl::TObject {
  ZYL_CLASS(TBoxInput, vcl::TObject)
 public:
  std::vector<vcl::TObject*> Senders;
  void Notify(vcl::TObject* Sender) { Senders.push_back(Sender); }
  void Mouse(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int) {
    Senders.push_back(Sender);
  }
  void Move(vcl::TObject* Sender, vcl::TShiftState, int, int) { Senders.push_back(Sender); }
  void Key(vcl::TObject* Sender, uint16_t&, vcl::TShiftState) { Senders.push_back(Sender); }
  void Char(vcl::TObject* Sender, char&) { Senders.push_back(Sender); }
};
ZYL_CLASS_IMPL(TBoxInput) {}

// A form whose form file binds the box's events to its methods, as a designer writes them.
class TBoxForm : public vcl::TForm {
  ZYL_CLASS(TBoxForm, vcl::TForm)
 public:
  explicit TBoxForm(vcl::TComponent* AOwner) : inherited(AOwner) {}
  TBoxInput Heard;
  void BoxNotify(vcl::TObject* Sender) { Heard.Notify(Sender); }
  void BoxMouse(vcl::TObject* Sender, vcl::TMouseButton B, vcl::TShiftState S, int X, int Y) {
    Heard.Mouse(Sender, B, S, X, Y);
  }
  void BoxMove(vcl::TObject* Sender, vcl::TShiftState S, int X, int Y) {
    Heard.Move(Sender, S, X, Y);
  }
  void BoxKey(vcl::TObject* Sender, uint16_t& K, vcl::TShiftState S) { Heard.Key(Sender, K, S); }
  void BoxChar(vcl::TObject* Sender, char& K) { Heard.Char(Sender, K); }
};
ZYL_CLASS_IMPL(TBoxForm) {
  b.Method("BoxNotify", &TBoxForm::BoxNotify)
      .Method("BoxMouse", &TBoxForm::BoxMouse)
      .Method("BoxMove", &TBoxForm::BoxMove)
      .Method("BoxKey", &TBoxForm::BoxKey)
      .Method("BoxChar", &TBoxForm::BoxChar);
}

// The handler of `in` for a published event of the box, by the event's kind.
vcl::TMethod HandlerOf(TBoxInput* in, const std::string& event) {
  if (event == "OnMouseDown" || event == "OnMouseUp")
    return vcl::TMouseEvent(in, &TBoxInput::Mouse).Method();
  if (event == "OnMouseMove") return vcl::TMouseMoveEvent(in, &TBoxInput::Move).Method();
  if (event == "OnKeyDown" || event == "OnKeyUp")
    return vcl::TKeyEvent(in, &TBoxInput::Key).Method();
  if (event == "OnKeyPress") return vcl::TKeyPressEvent(in, &TBoxInput::Char).Method();
  return vcl::TNotifyEvent(in, &TBoxInput::Notify).Method();
}

// The form's method for the event, as the form file names it.
vcl::TMethod FormHandlerOf(TBoxForm* form, const std::string& event) {
  if (event == "OnMouseDown" || event == "OnMouseUp")
    return vcl::TMouseEvent(form, &TBoxForm::BoxMouse).Method();
  if (event == "OnMouseMove") return vcl::TMouseMoveEvent(form, &TBoxForm::BoxMove).Method();
  if (event == "OnKeyDown" || event == "OnKeyUp")
    return vcl::TKeyEvent(form, &TBoxForm::BoxKey).Method();
  if (event == "OnKeyPress") return vcl::TKeyPressEvent(form, &TBoxForm::BoxChar).Method();
  return vcl::TNotifyEvent(form, &TBoxForm::BoxNotify).Method();
}

// The box's events that the inner list raises, and what a user does to raise each.
struct TBoxEventCase {
  const char* Event;
  void (*Input)(TZYLListBox* Box, vcl::TWinControl* Other);
};

// A point of the list's second row, in screen coordinates.
win::POINT SecondRow(TZYLListBox* B) {
  const vcl::TRect r = B->ListBox()->ItemRect(1);
  return THost::At(B->ListBox(), r.Left + 5, r.Top + 2);
}

void ClickRow(TZYLListBox* B, vcl::TWinControl*) {
  const win::POINT p = SecondRow(B);
  tk::Click(p.X, p.Y);
}
void DoubleClickRow(TZYLListBox* B, vcl::TWinControl*) {
  const win::POINT p = SecondRow(B);
  tk::DoubleClick(p.X, p.Y);
}
void MoveOverRows(TZYLListBox* B, vcl::TWinControl*) {
  const win::POINT p = SecondRow(B);
  tk::MouseMove(p.X, p.Y);
  tk::MouseMove(p.X + 4, p.Y + 1);
}
void TypeIntoBox(TZYLListBox* B, vcl::TWinControl*) {
  THost::Focus(B);
  tk::TypeText("t");
}
void FocusFromOther(TZYLListBox* B, vcl::TWinControl* Other) {
  THost::Focus(Other);
  ClickRow(B, Other);
}
void FocusToOther(TZYLListBox* B, vcl::TWinControl* Other) {
  THost::Focus(B);
  THost::Focus(Other);
}

const TBoxEventCase kBoxEvents[] = {
    {"OnClick", ClickRow},    {"OnDblClick", DoubleClickRow}, {"OnMouseDown", ClickRow},
    {"OnMouseUp", ClickRow},  {"OnMouseMove", MoveOverRows},  {"OnKeyDown", TypeIntoBox},
    {"OnKeyUp", TypeIntoBox}, {"OnKeyPress", TypeIntoBox},    {"OnEnter", FocusFromOther},
    {"OnExit", FocusToOther},
};

// How the handler comes to the box.
enum class TBoxWay {
  SetBeforeShown,       // made in code, the handler set before the box is on the form
  SetWhenShown,         // made in code, the handler set once the box shows
  BoundByFile,          // read from a form file that binds the form's method
  SetAfterReading,      // read from a form file without the handler, then set in code
  ChangedAfterReading,  // read from a form file that binds one, then another set in code
  ClearedAfterReading,  // read from a form file that binds one, then cleared in code
};

struct TBoxWayCase {
  const char* Name;
  TBoxWay Way;
};

class BoxEventsInCode : public ::testing::TestWithParam<TBoxWayCase> {
 protected:
  void SetUp() override {
    for (vcl::TClass c : {TZYLListBox::StaticClass(), TBoxForm::StaticClass()})
      vcl::RegisterClass(c);
  }
  void TearDown() override {
    for (vcl::TClass c : {TZYLListBox::StaticClass(), TBoxForm::StaticClass()})
      vcl::UnRegisterClass(c);
  }
  // A form holding the box (named Box, two rows) and an edit; the box's event bound to the
  // form's method in the form file when `bound`.
  static std::unique_ptr<TBoxForm> ReadForm(const std::string& event, bool bound) {
    std::string bytes;
    {
      TBoxForm written(nullptr);
      written.SetName("BoxForm");
      auto* b = new TZYLListBox(&written);
      b->SetName("Box");
      b->SetParent(&written);
      if (bound) vcl::SetMethodProp(b, event, FormHandlerOf(&written, event));
      bytes = vcl::WriteComponentToBytes(&written);
    }
    auto form = std::make_unique<TBoxForm>(nullptr);
    vcl::ReadComponentFromBytes(bytes, form.get());
    return form;
  }
  THost host_;  // the session
};

// The handler the user gave the box runs on the user's input, named the inner list as Sender
// (the box itself may tell of the focus too), however and whenever it was given; a handler
// replaced or cleared runs no more.
TEST_P(BoxEventsInCode, TheHandlerGivenRunsWithTheInnerListAsSender) {
  const TBoxWay way = GetParam().Way;
  const bool fromFile = way != TBoxWay::SetBeforeShown && way != TBoxWay::SetWhenShown;
  const bool bound = way == TBoxWay::BoundByFile || way == TBoxWay::ChangedAfterReading ||
                     way == TBoxWay::ClearedAfterReading;
  for (const TBoxEventCase& c : kBoxEvents) {
    SCOPED_TRACE(c.Event);
    TBoxInput mine;
    std::unique_ptr<TBoxForm> form =
        fromFile ? ReadForm(c.Event, bound) : std::make_unique<TBoxForm>(nullptr);
    auto* b = fromFile ? static_cast<TZYLListBox*>(form->FindComponent("Box"))
                       : new TZYLListBox(form.get());
    ASSERT_NE(b, nullptr);
    if (way == TBoxWay::SetBeforeShown) vcl::SetMethodProp(b, c.Event, HandlerOf(&mine, c.Event));
    b->SetBounds(5, 5, 200, 120);
    b->SetParent(form.get());
    auto* other = new vcl::TEdit(form.get());
    other->SetBounds(5, 140, 80, 21);
    other->SetParent(form.get());
    form->SetBounds(0, 0, 300, 220);
    form->Show();
    b->AddLine({"one"});
    b->AddLine({"two"});
    THost::Idle();
    if (way == TBoxWay::SetWhenShown || way == TBoxWay::SetAfterReading ||
        way == TBoxWay::ChangedAfterReading)
      vcl::SetMethodProp(b, c.Event, HandlerOf(&mine, c.Event));
    if (way == TBoxWay::ClearedAfterReading) vcl::SetMethodProp(b, c.Event, vcl::TMethod{});
    // Only what the input raises counts (showing the form may have focused the box).
    mine.Senders.clear();
    form->Heard.Senders.clear();
    tk::AdvanceClock(1000);  // not a double click of an earlier one
    c.Input(b, other);
    THost::Idle();
    const std::vector<vcl::TObject*>& heard =
        way == TBoxWay::BoundByFile ? form->Heard.Senders : mine.Senders;
    const std::vector<vcl::TObject*>& silent =
        way == TBoxWay::BoundByFile ? mine.Senders : form->Heard.Senders;
    EXPECT_TRUE(silent.empty());
    if (way == TBoxWay::ClearedAfterReading) {
      EXPECT_TRUE(heard.empty());
      continue;
    }
    EXPECT_NE(std::find(heard.begin(), heard.end(), b->ListBox()), heard.end());
    for (vcl::TObject* sender : heard) EXPECT_TRUE(sender == b->ListBox() || sender == b);
  }
}

// A handler set on the inner list itself is kept while the box's stays as it was; a handler
// then set on the box replaces it.
TEST_F(MultiColumnListBoxTest, AHandlerOfTheInnerListStaysUntilTheBoxsChanges) {
  TZYLListBox* b = Box({50});
  b->AddLine({"one"});
  b->AddLine({"two"});
  TBoxInput inner, box;
  b->ListBox()->OnClick = vcl::TNotifyEvent(&inner, &TBoxInput::Notify);
  ClickRow(b, nullptr);
  THost::Idle();
  EXPECT_EQ(inner.Senders, std::vector<vcl::TObject*>{b->ListBox()});
  b->OnClick = vcl::TNotifyEvent(&box, &TBoxInput::Notify);
  inner.Senders.clear();
  tk::AdvanceClock(1000);
  const vcl::TRect r = b->ListBox()->ItemRect(0);
  const win::POINT p = THost::At(b->ListBox(), r.Left + 5, r.Top + 2);
  tk::Click(p.X, p.Y);
  THost::Idle();
  EXPECT_TRUE(inner.Senders.empty());
  EXPECT_EQ(box.Senders, std::vector<vcl::TObject*>{b->ListBox()});
}

const TBoxWayCase kBoxWays[] = {
    {"SetBeforeShown", TBoxWay::SetBeforeShown},
    {"SetWhenShown", TBoxWay::SetWhenShown},
    {"BoundByFile", TBoxWay::BoundByFile},
    {"SetAfterReading", TBoxWay::SetAfterReading},
    {"ChangedAfterReading", TBoxWay::ChangedAfterReading},
    {"ClearedAfterReading", TBoxWay::ClearedAfterReading},
};
INSTANTIATE_TEST_SUITE_P(Ways, BoxEventsInCode, ::testing::ValuesIn(kBoxWays),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace zyl
