// The framework's edits, memos, check boxes, radio buttons, group boxes, radio groups, static
// texts, bevels, shapes, images and paint boxes, on forms driven by the test kit.
#include "ControlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/TempDir.h"

namespace vcl::testing {
namespace {

using namespace win::testkit;
using win::COLORREF;

class StdControlsTest : public OneFormTest<300, 200> {
 protected:
  template <class T>
  T* Add(int x, int y, int w, int h) {
    auto* c = new T(form_.get());
    c->SetBounds(x, y, w, h);
    c->SetParent(form_.get());
    return c;
  }
  void ClickOn(TControl* c, int x, int y) {
    const TPoint p = ScreenOf(c, x, y);
    Click(p.X, p.Y);
    Session().Clock().Advance(1000);  // the next click is not a double click
  }
};

struct TCounter : TObject {
  int Changes = 0, Clicks = 0, Paints = 0;
  void Change(TObject*) { ++Changes; }
  void Clicked(TObject*) { ++Clicks; }
  void Paint(TObject* Sender) {
    ++Paints;
    auto* box = static_cast<TPaintBox*>(Sender);
    box->Canvas()->Brush()->SetColor(clLime);
    box->Canvas()->FillRect(TRect{0, 0, 10, 10});
  }
};

TEST_F(StdControlsTest, TypingInAnEditChangesItsTextAndTellsOnChange) {
  NewForm();
  auto* edit = Add<TEdit>(10, 10, 120, 21);
  TCounter n;
  edit->SetOnChange(TNotifyEvent(&n, &TCounter::Change));
  Show();
  ASSERT_TRUE(edit->Focused());
  TypeText("hello");
  EXPECT_EQ(edit->Text(), "hello");
  EXPECT_EQ(n.Changes, 5);
  EXPECT_TRUE(edit->Modified());
  EXPECT_EQ(edit->SelStart(), 5);
  // Setting the text from code tells OnChange too and resets Modified.
  edit->SetText("abcdef");
  EXPECT_EQ(n.Changes, 6);
  EXPECT_FALSE(edit->Modified());
  edit->SetSelStart(1);
  edit->SetSelLength(3);
  EXPECT_EQ(edit->SelText(), "bcd");
  edit->SetSelText("X");
  EXPECT_EQ(edit->Text(), "aXef");
  EXPECT_FALSE(edit->CanUndo());  // a replacement from code is not undone
  TypeText("Z");
  EXPECT_EQ(edit->Text(), "aXZef");
  EXPECT_TRUE(edit->CanUndo());
  edit->Undo();
  EXPECT_EQ(edit->Text(), "aXef");
  edit->SelectAll();
  edit->CutToClipboard();
  EXPECT_EQ(edit->Text(), "");
  edit->PasteFromClipboard();
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), "aXefaXef");
}

TEST_F(StdControlsTest, EditPropertiesReachTheWindow) {
  NewForm();
  auto* edit = Add<TEdit>(10, 10, 120, 21);
  edit->SetMaxLength(4);
  edit->SetCharCase(ecUpperCase);
  Show();
  TypeText("abcdef");
  EXPECT_EQ(edit->Text(), "ABCD");
  edit->SetReadOnly(true);
  TypeText("x");
  EXPECT_EQ(edit->Text(), "ABCD");
  edit->SetReadOnly(false);
  edit->SetPasswordChar('#');
  EXPECT_EQ(win::SendMessageA(edit->Handle(), win::EM_GETPASSWORDCHAR, 0, 0), '#');
  // State set before the window exists survives its making.
  auto* late = new TEdit(form_.get());
  late->SetText("later");
  late->SetSelStart(2);
  late->SetModified(true);
  late->SetParent(form_.get());
  EXPECT_TRUE(late->Modified());
  EXPECT_EQ(late->SelStart(), 2);
  EXPECT_EQ(testsupport::ErrorOf<ERangeError>([&] { edit->SetMaxLength(-1); }),
            "MaxLength cannot be negative");
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { edit->SetBorderStyle(bsDialog); }),
            "Edit borders are bsNone or bsSingle");
}

// The window system's edit takes 30,000 characters from the user unless told otherwise; the
// framework's edits tell it their MaxLength, whose 0 lifts the limit.
struct LimitCase {
  const char* Name;
  bool Memo;
  int MaxLength;
  size_t Put, Kept;
};
class EditLimits : public StdControlsTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(EditLimits, MaxLengthDecidesHowMuchTheUserPutsIn) {
  const LimitCase& c = GetParam();
  NewForm();
  TCustomEdit* edit = c.Memo ? static_cast<TCustomEdit*>(Add<TMemo>(10, 10, 200, 100))
                             : Add<TEdit>(10, 10, 120, 21);
  edit->SetMaxLength(c.MaxLength);
  Show();
  edit->SetSelText(std::string(c.Put, 'm'));
  EXPECT_EQ(edit->Text().size(), c.Kept);
}

INSTANTIATE_TEST_SUITE_P(
    StdControlsTest, EditLimits,
    ::testing::Values(LimitCase{"EditWithoutMaxLength", false, 0, 40000, 40000},
                      LimitCase{"MemoWithoutMaxLength", true, 0, 40000, 40000},
                      LimitCase{"EditWithMaxLength", false, 35000, 40000, 35000},
                      LimitCase{"MemoWithMaxLength", true, 100, 40000, 100}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(StdControlsTest, AutoSizedEditsFitTheirFont) {
  NewForm();
  auto* edit = Add<TEdit>(10, 10, 120, 50);
  const int small = edit->Height();
  EXPECT_LT(small, 50);
  edit->Font()->SetSize(20);
  EXPECT_GT(edit->Height(), small);
  edit->SetAutoSize(false);
  edit->SetHeight(60);
  EXPECT_EQ(edit->Height(), 60);
}

// An auto-sized edit whose height was given before its window was made, in code or by a form
// file, takes its font's height when the window is made: the height a change to the same font
// gives. Without AutoSize, or without a border, the height given stays.
TEST_F(StdControlsTest, AnEditsWindowMadeGivesItTheHeightOfItsFont) {
  struct Case {
    const char* Name;
    std::vector<std::string> Props;
    bool Fits;
  } cases[] = {{"default font", {}, true},
               {"own font", {"Font.Height = -27", "ParentFont = False"}, true},
               {"no AutoSize", {"AutoSize = False"}, false},
               {"no border", {"BorderStyle = bsNone"}, false}};
  for (const Case& c : cases) {
    for (bool fromFile : {false, true}) {
      SCOPED_TRACE(std::string(c.Name) + (fromFile ? ", read" : ", made in code"));
      std::vector<std::string> props = {"Left = 8", "Top = 8", "Width = 120", "Height = 50"};
      props.insert(props.end(), c.Props.begin(), c.Props.end());
      std::unique_ptr<TForm> form =
          FormFromText({"Host: TForm", {"Width = 200", "Height = 120"}, {{"Edit1: TEdit", props}}});
      auto* edit = static_cast<TEdit*>(form->FindComponent("Edit1"));
      if (!fromFile) {
        // The same edit made anew in code, its height given after its parent and font.
        const std::unique_ptr<TEdit> read(edit);
        edit = new TEdit(form.get());
        edit->SetAutoSize(read->AutoSize());
        edit->SetBorderStyle(read->BorderStyle());
        edit->SetParent(form.get());
        edit->SetParentFont(read->ParentFont());
        edit->Font()->Assign(read->Font());
        edit->SetBounds(8, 8, 120, 50);
      }
      ASSERT_FALSE(edit->HandleAllocated());
      ASSERT_EQ(edit->Height(), 50);
      form->Show();
      const int made = edit->Height();
      const int size = edit->Font()->Size();
      edit->Font()->SetSize(size + 1);
      edit->Font()->SetSize(size);
      EXPECT_EQ(made, c.Fits ? edit->Height() : 50);
      EXPECT_EQ(edit->Height(), c.Fits ? made : 50);
      win::RECT r{};
      win::GetWindowRect(edit->Handle(), &r);
      EXPECT_EQ(r.Bottom - r.Top, made) << "the window has the control's height";
    }
  }
}

struct LinesCase {
  const char* Name;
  std::function<void(TStrings*)> Do;
  const char* Text;
  int Count;
};

class MemoLines : public StdControlsTest, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(MemoLines, EditLinesAsAList) {
  NewForm();
  auto* memo = Add<TMemo>(10, 10, 200, 100);
  memo->SetText("one\r\ntwo\r\nthree");
  Show();
  GetParam().Do(memo->Lines());
  EXPECT_EQ(memo->Text(), GetParam().Text);
  EXPECT_EQ(memo->Lines()->Count(), GetParam().Count);
  EXPECT_EQ(win::SendMessageA(memo->Handle(), win::EM_GETLINECOUNT, 0, 0),
            std::max(1, GetParam().Count));
}

INSTANTIATE_TEST_SUITE_P(
    Memo, MemoLines,
    ::testing::Values(
        LinesCase{"Add", [](TStrings* l) { l->Add("four"); }, "one\r\ntwo\r\nthree\r\nfour", 4},
        LinesCase{"AddSeveral",
                  [](TStrings* l) {
                    l->Add("a");
                    l->Add("b\r\nc");
                    l->Add("d");
                  },
                  "one\r\ntwo\r\nthree\r\na\r\nb\r\nc\r\nd", 7},
        LinesCase{"AddAfterATrailingBreak",
                  [](TStrings* l) {
                    l->SetText("x\r\n");
                    l->Add("y");
                  },
                  "x\r\ny", 2},
        LinesCase{"AddToNothing",
                  [](TStrings* l) {
                    l->Clear();
                    l->Add("solo");
                  },
                  "solo", 1},
        LinesCase{"InsertFirst", [](TStrings* l) { l->Insert(0, "zero"); },
                  "zero\r\none\r\ntwo\r\nthree", 4},
        LinesCase{"DeleteMiddle", [](TStrings* l) { l->Delete(1); }, "one\r\nthree", 2},
        LinesCase{"Put", [](TStrings* l) { l->SetStrings(2, "3"); }, "one\r\ntwo\r\n3", 3},
        LinesCase{"Clear", [](TStrings* l) { l->Clear(); }, "", 0},
        LinesCase{"SetText", [](TStrings* l) { l->SetText("a\nb"); }, "a\nb", 1},
        LinesCase{"UpdateBracket",
                  [](TStrings* l) {
                    l->BeginUpdate();
                    l->Clear();
                    for (int i = 0; i < 3; ++i) l->Add(std::to_string(i));
                    l->Delete(0);
                    l->EndUpdate();
                  },
                  "1\r\n2", 2}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(StdControlsTest, MemoLinesFollowTypingAndWorkWithoutAWindow) {
  NewForm();
  auto* memo = Add<TMemo>(10, 10, 200, 100);
  auto* lines = memo->Lines();
  lines->Add("first");  // no window yet
  lines->Add("second");
  EXPECT_EQ(memo->Text(), "first\r\nsecond");
  Show();
  EXPECT_EQ(lines->Count(), 2);
  memo->SetFocus();
  win::SendMessageA(memo->Handle(), win::EM_SETSEL, 100, 100);
  win::testkit::TypeText("\rthird");
  EXPECT_EQ(lines->Count(), 3);
  EXPECT_EQ(memo->Text(), "first\r\nsecond\r\nthird");
  EXPECT_EQ(lines->Add("fourth"), 3);
  EXPECT_EQ(lines->Strings(3), "fourth");
  // Typing at the end continues the last line rather than the count.
  win::testkit::TypeText("!");
  EXPECT_EQ(lines->Count(), 4);
  EXPECT_EQ(lines->Strings(3), "fourth!");
}

TEST_F(StdControlsTest, MemoLinesRefuseBadIndexes) {
  NewForm();
  auto* memo = Add<TMemo>(10, 10, 200, 100);
  memo->SetText("a");
  EXPECT_EQ(testsupport::ErrorOf<EStringListError>([&] { memo->Lines()->Strings(1); }),
            "List index out of bounds (1)");
  EXPECT_EQ(testsupport::ErrorOf<EStringListError>([&] { memo->Lines()->Insert(3, "x"); }),
            "List index out of bounds (3)");
  EXPECT_EQ(memo->Text(), "a");
}

// The loop offers every key to the form as a dialog key before it makes a character: a key a
// button took there reaches the edit neither as a key nor as a character.
struct TDialogKeyCase {
  const char* Name;
  win::BYTE Key;
  bool Buttons;     // the form has a default and a cancel button
  bool AppLoop;     // run by the application's loop rather than the test kit's
  const char* Log;  // the edit's key events and the buttons' clicks, in order
};

class DialogKeys : public StdControlsTest, public ::testing::WithParamInterface<TDialogKeyCase> {};

TEST_P(DialogKeys, ReachTheButtonsBeforeTheyMakeCharacters) {
  const TDialogKeyCase& c = GetParam();
  NewForm();
  auto* edit = Add<TEdit>(10, 10, 100, 21);
  struct TKeys : TLog {
    void Down(TObject*, uint16_t& Key, TShiftState) { Add("down " + std::to_string(Key)); }
    void Up(TObject*, uint16_t& Key, TShiftState) { Add("up " + std::to_string(Key)); }
    void Press(TObject*, char& Key) { Add("press " + std::to_string(uint8_t(Key))); }
    void Ok(TObject*) { Add("ok"); }
    void Cancel(TObject*) { Add("cancel"); }
  } log;
  edit->OnKeyDown = TKeyEvent(&log, &TKeys::Down);
  edit->OnKeyUp = TKeyEvent(&log, &TKeys::Up);
  edit->OnKeyPress = TKeyPressEvent(&log, &TKeys::Press);
  if (c.Buttons) {
    auto* ok = Add<TButton>(10, 50, 75, 25);
    ok->SetDefault(true);
    ok->OnClick = TNotifyEvent(&log, &TKeys::Ok);
    auto* cancel = Add<TButton>(100, 50, 75, 25);
    cancel->SetCancel(true);
    cancel->OnClick = TNotifyEvent(&log, &TKeys::Cancel);
  }
  Show();
  edit->SetFocus();
  Idle();
  if (c.AppLoop) {
    QueueKey(c.Key, true);
    QueueKey(c.Key, false);
    Application->ProcessMessages();
  } else {
    KeyPress(c.Key);
  }
  std::string seen;
  for (const std::string& e : log.Entries) seen += (seen.empty() ? "" : ", ") + e;
  EXPECT_EQ(seen, c.Log);
  EXPECT_TRUE(edit->Focused());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogKeys,
    ::testing::ValuesIn(std::vector<TDialogKeyCase>{
        {"EnterClicksTheDefault", win::VK_RETURN, true, false, "ok, up 13"},
        {"EscapeClicksTheCancel", win::VK_ESCAPE, true, false, "cancel, up 27"},
        {"LettersStayWithTheEdit", 'A', true, false, "down 65, press 97, up 65"},
        {"EnterWithoutButtons", win::VK_RETURN, false, false, "down 13, press 13, up 13"},
        {"EscapeWithoutButtons", win::VK_ESCAPE, false, false, "down 27, press 27, up 27"},
        {"AppEnterClicksTheDefault", win::VK_RETURN, true, true, "ok, up 13"},
        {"AppEscapeClicksTheCancel", win::VK_ESCAPE, true, true, "cancel, up 27"},
        {"AppEnterWithoutButtons", win::VK_RETURN, false, true, "down 13, press 13, up 13"}}),
    [](const ::testing::TestParamInfo<TDialogKeyCase>& i) { return std::string(i.param.Name); });

// A focused button that leaves its form, alone or on its panel, is no longer the one Return
// clicks: on the other form the focus is on an edit and no button there is the default.
TEST_F(StdControlsTest, AButtonMovedAwayWithTheFocusIsNotClickedByReturnOnItsNewForm) {
  for (bool withPanel : {false, true}) {
    SCOPED_TRACE(withPanel ? "on its panel" : "alone");
    NewForm();
    auto* panel = Add<TPanel>(10, 10, 150, 100);
    auto* go = new TButton(form_.get());
    go->SetBounds(10, 10, 75, 25);
    go->SetParent(withPanel ? static_cast<TWinControl*>(panel) : form_.get());
    TCounter n;
    go->SetOnClick(TNotifyEvent(&n, &TCounter::Clicked));
    Show();
    go->SetFocus();
    win::testkit::RunUntilIdle();
    TForm other(nullptr);
    other.SetBounds(320, 0, 300, 200);
    auto* edit = new TEdit(&other);
    edit->SetBounds(10, 150, 100, 21);
    edit->SetParent(&other);
    ShowNow(&other);
    ASSERT_TRUE(edit->Focused());
    if (withPanel)
      panel->SetParent(&other);
    else
      go->SetParent(&other);
    win::testkit::RunUntilIdle();
    edit->SetFocus();
    KeyPress(win::VK_RETURN);
    EXPECT_EQ(n.Clicks, 0);
    // It is the one Return clicks once it has the focus again.
    go->SetFocus();
    KeyPress(win::VK_RETURN);
    EXPECT_EQ(n.Clicks, 1);
    if (withPanel)
      panel->SetParent(form_.get());
    else
      go->SetParent(form_.get());
  }
}

TEST_F(StdControlsTest, MemoReturnsAndTabsFollowWantReturnsAndWantTabs) {
  NewForm();
  auto* memo = Add<TMemo>(10, 10, 200, 100);
  auto* next = Add<TEdit>(10, 120, 100, 21);
  auto* ok = Add<TButton>(150, 120, 75, 25);
  ok->SetDefault(true);
  TCounter n;
  ok->SetOnClick(TNotifyEvent(&n, &TCounter::Clicked));
  Show();
  memo->SetFocus();
  TypeText("a");
  KeyPress(win::VK_RETURN);
  TypeText("b");
  EXPECT_EQ(memo->Text(), "a\r\nb");
  EXPECT_EQ(memo->CaretPos(), (TPoint{1, 1}));
  EXPECT_EQ(n.Clicks, 0);
  memo->SetWantReturns(false);
  KeyPress(win::VK_RETURN);
  EXPECT_EQ(memo->Text(), "a\r\nb");
  EXPECT_EQ(n.Clicks, 1);  // the default button took it
  // Ctrl+Enter still breaks the line.
  SetShiftState(false, true, false);
  KeyPress(win::VK_RETURN);
  SetShiftState(false, false, false);
  EXPECT_EQ(memo->Text(), "a\r\nb\r\n");
  EXPECT_EQ(n.Clicks, 1);
  KeyPress(win::VK_TAB);
  EXPECT_TRUE(next->Focused());
  memo->SetWantTabs(true);
  memo->SetFocus();
  KeyPress(win::VK_TAB);
  EXPECT_TRUE(memo->Focused());
  EXPECT_EQ(memo->Text(), "a\r\nb\r\n\t");
}

TEST_F(StdControlsTest, CheckBoxClicksCycleItsState) {
  NewForm();
  auto* box = Add<TCheckBox>(10, 10, 120, 17);
  box->SetCaption("Option");
  TCounter n;
  box->SetOnClick(TNotifyEvent(&n, &TCounter::Clicked));
  Show();
  ClickOn(box, 5, 8);
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_TRUE(box->Checked());
  ClickOn(box, 5, 8);
  EXPECT_EQ(box->State(), cbUnchecked);
  box->SetAllowGrayed(true);
  ClickOn(box, 5, 8);
  EXPECT_EQ(box->State(), cbGrayed);
  EXPECT_EQ(win::SendMessageA(box->Handle(), win::BM_GETCHECK, 0, 0), win::BST_INDETERMINATE);
  ClickOn(box, 5, 8);
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_EQ(n.Clicks, 4);
  // Setting Checked from code clicks too, as the framework does.
  box->SetChecked(false);
  EXPECT_EQ(n.Clicks, 5);
  EXPECT_TRUE(box->Focused());
  KeyPress(win::VK_SPACE);
  EXPECT_EQ(box->State(), cbGrayed);
  EXPECT_EQ(testsupport::ErrorOf<ERangeError>([&] { box->SetAlignment(taCenter); }),
            "A check box is aligned left or right");
}

TEST_F(StdControlsTest, RadioButtonsOfAParentExcludeEachOther) {
  NewForm();
  auto* a = Add<TRadioButton>(10, 10, 100, 17);
  auto* b = Add<TRadioButton>(10, 30, 100, 17);
  auto* group = Add<TGroupBox>(120, 10, 150, 100);
  auto* c = new TRadioButton(form_.get());
  c->SetBounds(10, 20, 100, 17);
  c->SetParent(group);
  Show();
  c->SetChecked(true);
  ClickOn(a, 5, 8);
  EXPECT_TRUE(a->Checked());
  ClickOn(b, 5, 8);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(c->Checked());  // another parent, another group
  EXPECT_EQ(win::SendMessageA(a->Handle(), win::BM_GETCHECK, 0, 0), win::BST_UNCHECKED);
  EXPECT_TRUE(b->TabStop());
  EXPECT_FALSE(a->TabStop());
  // Arrow keys move to the next radio button and choose it.
  KeyPress(win::VK_UP);
  EXPECT_TRUE(a->Focused());
  EXPECT_TRUE(a->Checked());
  EXPECT_FALSE(b->Checked());
}

TEST_F(StdControlsTest, RadioGroupMakesAButtonPerItem) {
  NewForm();
  auto* group = Add<TRadioGroup>(10, 10, 200, 120);
  group->Items()->Add("Small");
  group->Items()->Add("Medium");
  group->Items()->Add("Large");
  TCounter n;
  group->SetOnClick(TNotifyEvent(&n, &TCounter::Clicked));
  Show();
  EXPECT_EQ(group->ItemIndex(), -1);
  ClickOn(group->Buttons(2), 5, 8);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(n.Clicks, 1);
  group->SetItemIndex(0);
  EXPECT_TRUE(group->Buttons(0)->Checked());
  EXPECT_FALSE(group->Buttons(2)->Checked());
  EXPECT_EQ(n.Clicks, 1);  // only users' choices click
  // Two columns: the buttons of the second column stand right of the first.
  group->Items()->Add("Huge");
  group->SetColumns(2);
  EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
  EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());
  group->Items()->Delete(3);
  group->Items()->Delete(2);
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { group->Buttons(2); }),
            "List index out of bounds (2)");
  group->SetItemIndex(7);
  EXPECT_EQ(group->ItemIndex(), 1);
}

TEST_F(StdControlsTest, ExampleFormLoadsWithEveryControl) {
  std::unique_ptr<TForm> f(new TForm(nullptr));
  TFileStream file(testsupport::SourceDir() + "/examples/stdcontrols1.txt", fmOpenRead);
  ReadForm(&file, f.get());
  auto* pass = dynamic_cast<TEdit*>(f->FindComponent("PasswordEdit"));
  auto* memo = dynamic_cast<TMemo*>(f->FindComponent("NotesMemo"));
  auto* gray = dynamic_cast<TCheckBox*>(f->FindComponent("GrayCheck"));
  auto* size = dynamic_cast<TRadioGroup*>(f->FindComponent("SizeGroup"));
  auto* left = dynamic_cast<TRadioButton*>(f->FindComponent("LeftRadio"));
  auto* bevel = dynamic_cast<TBevel*>(f->FindComponent("Divider"));
  auto* circle = dynamic_cast<TShape*>(f->FindComponent("RedCircle"));
  auto* status = dynamic_cast<TStaticText*>(f->FindComponent("Status"));
  ASSERT_TRUE(pass && memo && gray && size && left && bevel && circle && status);
  EXPECT_EQ(pass->PasswordChar(), '*');
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->ScrollBars(), ssVertical);
  EXPECT_EQ(gray->State(), cbGrayed);
  EXPECT_EQ(size->ItemIndex(), 1);
  EXPECT_TRUE(size->Buttons(1)->Checked());
  EXPECT_TRUE(left->Checked());
  EXPECT_EQ(bevel->Shape(), bsTopLine);
  EXPECT_EQ(circle->Brush()->Color(), clRed);
  EXPECT_EQ(status->BorderStyle(), sbsSunken);
  EXPECT_EQ(dynamic_cast<TEdit*>(f->FindComponent("NameEdit"))->Text(), "Jane Sample");
}

TEST_F(StdControlsTest, ShapesAndBevelsPaint) {
  NewForm(200, 100);
  form_->SetColor(clWhite);
  auto* shape = Add<TShape>(10, 10, 30, 20);
  shape->Brush()->SetColor(clRed);
  Add<TBevel>(60, 10, 30, 20);  // a lowered box, the default
  Show();
  const TCapture cap = CaptureWindow(form_->Handle(), false);
  // A black one-pixel outline around a red inside.
  EXPECT_TRUE(PixelsMatch(cap,
                          [](int x, int y) {
                            const bool edge = x == 10 || x == 39 || y == 10 || y == 29;
                            return static_cast<COLORREF>(edge ? 0x000000 : 0x0000FF);
                          },
                          "shape_rectangle", {10, 10, 40, 30}));
  // A lowered box: shadow top and left, highlight bottom and right, inside untouched.
  const COLORREF shadow = static_cast<COLORREF>(ColorToRGB(clBtnShadow));
  const COLORREF light = static_cast<COLORREF>(ColorToRGB(clBtnHighlight));
  EXPECT_TRUE(PixelsMatch(cap,
                          [&](int x, int y) {
                            if (y == 29 || x == 89) return light;
                            if (y == 10 || x == 60) return shadow;
                            return static_cast<COLORREF>(0xFFFFFF);
                          },
                          "bevel_box", {60, 10, 90, 30}));
}

TEST_F(StdControlsTest, ImagesDrawTheirPictureAndPaintBoxesCallOnPaint) {
  NewForm(200, 100);
  form_->SetColor(clWhite);
  auto* image = Add<TImage>(10, 10, 40, 40);
  std::unique_ptr<TBitmap> bmp(new TBitmap());
  bmp->SetWidth(8);
  bmp->SetHeight(6);
  bmp->Canvas()->Brush()->SetColor(clBlue);
  bmp->Canvas()->FillRect(TRect{0, 0, 8, 6});
  image->Picture()->SetGraphic(bmp.get());
  image->SetCenter(true);
  auto* box = Add<TPaintBox>(100, 10, 40, 40);
  TCounter n;
  box->SetOnPaint(TNotifyEvent(&n, &TCounter::Paint));
  Show();
  EXPECT_GE(n.Paints, 1);
  const TCapture cap = CaptureWindow(form_->Handle(), false);
  EXPECT_EQ(image->DestRect(), (TRect{16, 17, 24, 23}));
  EXPECT_TRUE(PixelsMatch(cap,
                          [](int x, int y) {
                            const bool in = x >= 26 && x < 34 && y >= 27 && y < 33;
                            return static_cast<COLORREF>(in ? 0xFF0000 : 0xFFFFFF);
                          },
                          "image_centred", {10, 10, 50, 50}));
  EXPECT_TRUE(PixelsMatch(cap, [](int, int) { return static_cast<COLORREF>(0x00FF00); }, "paintbox",
                          {100, 10, 110, 20}));
  image->SetAutoSize(true);
  EXPECT_EQ(image->Width(), 8);
  EXPECT_EQ(image->Height(), 6);
}

TEST_F(StdControlsTest, DisabledAndFocusedCheckBoxesLookDifferent) {
  NewForm(200, 60);
  auto* a = Add<TCheckBox>(10, 10, 120, 17);
  a->SetCaption("Look");
  auto* b = Add<TButton>(10, 30, 75, 25);
  Show();
  b->SetFocus();
  Idle();
  const TCapture plain = CaptureWindow(a->Handle());
  a->SetFocus();
  Idle();
  const TCapture focused = CaptureWindow(a->Handle());
  b->SetFocus();
  a->SetEnabled(false);
  Idle();
  const TCapture disabled = CaptureWindow(a->Handle());
  // The focus rectangle is around the text only; the box stays as it was.
  EXPECT_GT(CountDifferentPixels(plain, focused), 0);
  EXPECT_TRUE(PixelsMatch(focused, [&](int x, int y) { return plain.Color(x, y); }, "focus_box",
                          {0, 0, 13, 17}));
  EXPECT_GT(CountDifferentPixels(plain, disabled), 0);
}

struct ShapeCase {
  const char* Name;
  TShapeType Type;
  // Points (in a 40 x 20 control) and whether the brush colour is there.
  std::vector<std::pair<TPoint, bool>> Probes;
};

class ShapeKinds : public StdControlsTest, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(ShapeKinds, FillWhereTheShapeIs) {
  NewForm(100, 40);
  form_->SetColor(clWhite);
  auto* shape = Add<TShape>(0, 0, 40, 20);
  shape->Brush()->SetColor(clRed);
  shape->Pen()->SetColor(clRed);
  shape->SetShape(GetParam().Type);
  Show();
  const TCapture cap = CaptureWindow(form_->Handle(), false);
  for (const auto& [p, inside] : GetParam().Probes)
    EXPECT_EQ(cap.Color(p.X, p.Y), inside ? 0x0000FFu : 0xFFFFFFu) << p.X << "," << p.Y;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ShapeKinds,
    ::testing::Values(
        ShapeCase{"Rectangle", stRectangle, {{{0, 0}, true}, {{39, 19}, true}, {{20, 10}, true}}},
        // Squares and circles take the shorter side, centred along the longer one.
        ShapeCase{"Square",
                  stSquare,
                  {{{10, 0}, true}, {{29, 19}, true}, {{5, 10}, false}, {{35, 10}, false}}},
        ShapeCase{"Ellipse",
                  stEllipse,
                  {{{0, 0}, false}, {{39, 19}, false}, {{20, 10}, true}, {{1, 10}, true}}},
        ShapeCase{"Circle",
                  stCircle,
                  {{{20, 10}, true}, {{5, 10}, false}, {{10, 0}, false}, {{20, 1}, true}}},
        ShapeCase{"RoundRect", stRoundRect, {{{0, 0}, false}, {{20, 0}, true}, {{0, 10}, true}}}),
    [](const auto& info) { return std::string(info.param.Name); });

struct BevelCase {
  const char* Name;
  TBevelShape Shape;
  TBevelStyle Style;
  win::RECT Dark, Light;  // a stretch in the shadow colour and one in the highlight colour
};

class BevelKinds : public StdControlsTest, public ::testing::WithParamInterface<BevelCase> {};

TEST_P(BevelKinds, DrawTheirLines) {
  NewForm(100, 60);
  auto* bevel = Add<TBevel>(0, 0, 40, 30);
  bevel->SetShape(GetParam().Shape);
  bevel->SetStyle(GetParam().Style);
  Show();
  const TCapture cap = CaptureWindow(form_->Handle(), false);
  const COLORREF shadow = static_cast<COLORREF>(ColorToRGB(clBtnShadow));
  const COLORREF light = static_cast<COLORREF>(ColorToRGB(clBtnHighlight));
  EXPECT_TRUE(PixelsMatch(
      cap, [&](int, int) { return shadow; }, std::string("bevel_dark_") + GetParam().Name,
      GetParam().Dark));
  EXPECT_TRUE(PixelsMatch(
      cap, [&](int, int) { return light; }, std::string("bevel_light_") + GetParam().Name,
      GetParam().Light));
}

INSTANTIATE_TEST_SUITE_P(
    Bevels, BevelKinds,
    ::testing::Values(BevelCase{"TopLowered", bsTopLine, bsLowered, {0, 0, 40, 1}, {0, 1, 40, 2}},
                      BevelCase{"TopRaised", bsTopLine, bsRaised, {0, 1, 40, 2}, {0, 0, 40, 1}},
                      BevelCase{
                          "Bottom", bsBottomLine, bsLowered, {0, 28, 40, 29}, {0, 29, 40, 30}},
                      BevelCase{"Left", bsLeftLine, bsLowered, {0, 0, 1, 30}, {1, 0, 2, 30}},
                      BevelCase{"Right", bsRightLine, bsLowered, {38, 0, 39, 30}, {39, 0, 40, 30}},
                      BevelCase{"BoxRaised", bsBox, bsRaised, {39, 1, 40, 30}, {0, 0, 39, 1}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(StdControlsTest, StaticTextSizesItselfAndFocusesItsControl) {
  NewForm();
  auto* edit = Add<TEdit>(100, 10, 100, 21);
  auto* button = Add<TButton>(100, 40, 75, 25);
  auto* text = Add<TStaticText>(10, 10, 10, 10);
  text->SetCaption("&Name");
  const int plain = text->Width();
  EXPECT_GT(plain, 10);
  text->SetBorderStyle(sbsSunken);
  EXPECT_EQ(text->Width(), plain + 2);
  text->SetAutoSize(false);
  text->SetCaption("a much longer caption");
  EXPECT_EQ(text->Width(), plain + 2);
  text->SetCaption("&Name");
  text->SetFocusControl(edit);
  Show();
  button->SetFocus();
  SetShiftState(false, false, true);
  KeyPress('N');
  SetShiftState(false, false, false);
  EXPECT_TRUE(edit->Focused());
  delete edit;
  EXPECT_EQ(text->FocusControl(), nullptr);
}

TEST_F(StdControlsTest, GroupBoxesKeepTheirChildrenBelowTheCaption) {
  NewForm();
  auto* group = Add<TGroupBox>(10, 10, 150, 100);
  group->SetCaption("&Group");
  auto* inner = new TEdit(form_.get());
  inner->SetAlign(alClient);
  inner->SetParent(group);
  auto* other = Add<TButton>(200, 10, 75, 25);
  Show();
  EXPECT_GT(inner->Top(), 4);
  EXPECT_GT(inner->Left(), 0);
  EXPECT_LT(inner->Top() + inner->Height(), group->Height());
  other->SetFocus();
  SetShiftState(false, false, true);
  KeyPress('G');
  SetShiftState(false, false, false);
  EXPECT_TRUE(inner->Focused());
}

// With the focus in an edit, which types the letters pressed alone, Alt and the marked letter
// still reach the button's accelerator and type nothing; the letter alone is typed.
TEST_F(StdControlsTest, AltAndTheMarkedLetterClickAButtonFromAnEdit) {
  NewForm();
  auto* edit = Add<TEdit>(10, 10, 100, 21);
  auto* go = Add<TButton>(200, 10, 75, 25);
  go->SetCaption("&Go");
  TCounter n;
  go->SetOnClick(TNotifyEvent(&n, &TCounter::Clicked));
  Show();
  edit->SetFocus();
  edit->SetText("");
  SetShiftState(false, false, true);
  KeyPress('G');
  SetShiftState(false, false, false);
  EXPECT_EQ(n.Clicks, 1);
  EXPECT_EQ(edit->Text(), "");
  EXPECT_TRUE(edit->Focused());
  KeyPress('G');
  EXPECT_EQ(n.Clicks, 1);
  EXPECT_EQ(edit->Text(), "g");
}

// A radio group's accelerator passes the focus to its chosen button, the one tab stop among
// its buttons, and leaves the choice as it is.
TEST_F(StdControlsTest, TheRadioGroupsAcceleratorFocusesTheChosenButton) {
  NewForm();
  auto* group = Add<TRadioGroup>(10, 10, 150, 100);
  group->SetCaption("&Size");
  for (const char* item : {"Small", "Medium", "Large"}) group->Items()->Add(item);
  group->SetItemIndex(1);
  TCounter n;
  group->SetOnClick(TNotifyEvent(&n, &TCounter::Clicked));
  auto* other = Add<TButton>(200, 10, 75, 25);
  Show();
  other->SetFocus();
  SetShiftState(false, false, true);
  KeyPress('S');
  SetShiftState(false, false, false);
  EXPECT_TRUE(group->Buttons(1)->Focused());
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(n.Clicks, 0);
}

// The caption's accelerator focuses a check box and toggles it, and focuses and checks a radio
// button; once checked, pressing it again leaves the radio button checked.
TEST_F(StdControlsTest, AcceleratorsPressCheckBoxesAndRadioButtons) {
  NewForm();
  auto* box = Add<TCheckBox>(10, 10, 100, 17);
  box->SetCaption("&Apples");
  auto* radio = Add<TRadioButton>(10, 30, 100, 17);
  radio->SetCaption("&Bananas");
  auto* other = Add<TButton>(200, 10, 75, 25);
  Show();
  const auto accel = [](win::BYTE key) {
    SetShiftState(false, false, true);
    KeyPress(key);
    SetShiftState(false, false, false);
  };
  other->SetFocus();
  accel('A');
  EXPECT_TRUE(box->Focused());
  EXPECT_EQ(box->State(), cbChecked);
  accel('A');
  EXPECT_EQ(box->State(), cbUnchecked);
  accel('B');
  EXPECT_TRUE(radio->Focused());
  EXPECT_TRUE(radio->Checked());
  accel('B');
  EXPECT_TRUE(radio->Checked());
  EXPECT_EQ(box->State(), cbUnchecked);
}

TEST_F(StdControlsTest, MemoLinesSurviveAFormStream) {
  NewForm();
  form_->SetName("Source");
  auto* memo = Add<TMemo>(10, 10, 150, 80);
  memo->SetName("Notes");
  EXPECT_EQ(memo->Text(), "Notes");  // a new memo shows its name, as in the designer
  memo->Lines()->Clear();
  memo->Lines()->Add("first");
  memo->Lines()->Add("second");
  memo->SetScrollBars(ssBoth);
  memo->SetWordWrap(false);
  const std::string bytes = WriteComponentToBytes(form_.get());
  std::unique_ptr<TForm> g(new TForm(nullptr));
  TStringStream s(bytes);
  ReadForm(&s, g.get());
  auto* copy = dynamic_cast<TMemo*>(g->FindComponent("Notes"));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->Text(), "first\r\nsecond");
  EXPECT_EQ(copy->ScrollBars(), ssBoth);
  EXPECT_FALSE(copy->WordWrap());
  const win::LONG style = win::GetWindowLongA(copy->Handle(), win::GWL_STYLE);
  EXPECT_TRUE(style & win::WS_VSCROLL);
  EXPECT_TRUE(style & win::ES_AUTOHSCROLL);
}

}  // namespace
}  // namespace vcl::testing
