// Actions used as a user meets them: buttons and menu items that take their caption and state
// from an action and run it when clicked, updates while the application is idle, the action
// list's handlers first, clients that let go of a freed action, and forms that hold an action
// list read and written back.
#include "ControlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/Menus.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

namespace vcl::testing {
namespace {

using namespace win::testkit;

// Handlers that record what ran, by the sender's name.
struct TRecorder : TObject {
  TLines Log;
  bool UpdateEnables = true;
  bool ListHandles = false;
  void Execute(TObject* Sender) { Log.push_back("execute " + NameOf(Sender)); }
  void Update(TObject* Sender) {
    Log.push_back("update " + NameOf(Sender));
    static_cast<TCustomAction*>(Sender)->SetEnabled(UpdateEnables);
  }
  void Clicked(TObject* Sender) { Log.push_back("click " + NameOf(Sender)); }
  void ListExecute(TBasicAction* Action, bool& Handled) {
    Log.push_back("list execute " + Action->Name());
    Handled = ListHandles;
  }
  void ListUpdate(TBasicAction* Action, bool& Handled) {
    Log.push_back("list update " + Action->Name());
    Handled = ListHandles;
  }
  static std::string NameOf(TObject* o) { return static_cast<TComponent*>(o)->Name(); }
};

class ActionsTest : public ControlsTest {
 protected:
  void SetUp() override {
    form_ = new TForm(nullptr);
    form_->SetBounds(100, 100, 320, 200);
    list_ = new TActionList(form_);
    list_->SetName("ActionList1");
    action_ = NewAction("Open");
    button_ = Place<TButton>(form_, 10, 10, 90, 25, "Button1", form_);
    item_ = new TMenuItem(form_);
    item_->SetName("Item1");
  }
  void TearDown() override { delete form_; }
  TAction* NewAction(const std::string& name) {
    auto* a = new TAction(form_);
    a->SetName(name);
    a->SetActionList(list_);
    a->SetOnExecute(TNotifyEvent(&rec_, &TRecorder::Execute));
    return a;
  }
  // Shows the form with the item in a menu bar under "File".
  void ShowWithMenu() {
    auto* bar = new TMainMenu(form_);
    auto* top = new TMenuItem(form_);
    top->SetCaption("File");
    top->Add(item_);
    bar->Items()->Add(top);
    form_->SetMenu(bar);
    CloseMenusWhenIdle(true);
    ShowNow(form_);
  }
  // The application with nothing left to do: one idle pass.
  static void IdleOnce() {
    Idle();
    Application->HandleMessage();
  }
  TForm* form_ = nullptr;
  TActionList* list_ = nullptr;
  TAction* action_ = nullptr;
  TButton* button_ = nullptr;
  TMenuItem* item_ = nullptr;
  TRecorder rec_;
};

TEST_F(ActionsTest, TheActionsPropertiesFlowToItsClients) {
  action_->SetCaption("&Open");
  action_->SetHint("Opens a file");
  action_->SetHelpContext(12);
  action_->SetShortCut(ShortCut('O', {ssCtrl}));
  action_->SetImageIndex(3);
  button_->SetAction(action_);
  item_->SetAction(action_);
  // Taken over when linked, and followed afterwards.
  action_->SetChecked(true);
  action_->SetEnabled(false);
  action_->SetVisible(false);
  testsupport::ExpectCases({
      {button_->Caption(), "&Open"},
      {button_->Hint(), "Opens a file"},
      {std::to_string(button_->HelpContext()), "12"},
      {std::to_string(button_->Enabled()), "0"},
      {std::to_string(button_->Visible()), "0"},
      {item_->Caption(), "&Open"},
      {item_->Hint(), "Opens a file"},
      {ShortCutToText(item_->ShortCut()), "Ctrl+O"},
      {std::to_string(item_->ImageIndex()), "3"},
      {std::to_string(item_->Checked()), "1"},
      {std::to_string(item_->Enabled()), "0"},
      {std::to_string(item_->Visible()), "0"},
      {std::to_string(button_->ControlStyle().contains(csActionClient)), "1"},
  });
  EXPECT_EQ(button_->OnClick, action_->OnExecute());
  EXPECT_EQ(action_->ClientCount(), 2);
  // A handler given later reaches the clients that clicked with the old one.
  TRecorder other;
  action_->SetOnExecute(TNotifyEvent(&other, &TRecorder::Execute));
  EXPECT_EQ(item_->OnClick, action_->OnExecute());
  button_->SetAction(nullptr);
  EXPECT_EQ(action_->ClientCount(), 1);
  EXPECT_FALSE(button_->ControlStyle().contains(csActionClient));
}

TEST_F(ActionsTest, AClientsOwnValueStaysItsOwnAndIsStored) {
  button_->SetAction(action_);
  const TPropInfo* caption = GetPropInfo(button_, "Caption");
  const TPropInfo* hint = GetPropInfo(button_, "Hint");
  EXPECT_FALSE(IsStoredProp(button_, caption));  // the action supplies it
  button_->SetCaption("Mine");
  action_->SetCaption("Theirs");
  action_->SetHint("Still linked");
  EXPECT_EQ(button_->Caption(), "Mine");
  EXPECT_EQ(button_->Hint(), "Still linked");
  EXPECT_TRUE(IsStoredProp(button_, caption));
  EXPECT_FALSE(IsStoredProp(button_, hint));
  // The click still runs the action.
  ShowNow(form_);
  ClickAt(button_, 20, 10);
  EXPECT_EQ(rec_.Log, (TLines{"execute Open"}));
}

TEST_F(ActionsTest, ClickingAClientRunsTheActionWithTheClientAsItsComponent) {
  struct TSeen : TObject {
    TComponent* Component = nullptr;
    void Execute(TObject* Sender) {
      Component = static_cast<TBasicAction*>(Sender)->ActionComponent();
    }
  } seen;
  action_->SetOnExecute(TNotifyEvent(&seen, &TSeen::Execute));
  button_->SetAction(action_);
  ShowNow(form_);
  ClickAt(button_, 20, 10);
  EXPECT_EQ(seen.Component, button_);
  EXPECT_EQ(action_->ActionComponent(), nullptr);  // only while it runs
  // A handler of the client's own runs instead of the action.
  button_->OnClick = TNotifyEvent(&rec_, &TRecorder::Clicked);
  AdvanceClock(1000);  // not a double click
  ClickAt(button_, 20, 10);
  EXPECT_EQ(rec_.Log, (TLines{"click Button1"}));
  EXPECT_TRUE(IsStoredProp(button_, GetPropInfo(button_, "OnClick")));
}

TEST_F(ActionsTest, ChoosingALinkedMenuItemRunsTheActionAndAutoCheckTogglesIt) {
  action_->SetCaption("Open");
  action_->SetAutoCheck(true);
  item_->SetAction(action_);
  ShowWithMenu();
  ChooseMenuPath({"Open"});
  ClickMenuBar(form_->Handle(), "File");
  Idle();
  EXPECT_EQ(rec_.Log, (TLines{"execute Open"}));
  EXPECT_TRUE(action_->Checked());
  EXPECT_TRUE(item_->Checked());
  // A disabled action does not run; its item shows it disabled.
  action_->SetEnabled(false);
  EXPECT_FALSE(item_->Enabled());
  item_->Click();
  EXPECT_EQ(rec_.Log.size(), 1u);
}

TEST_F(ActionsTest, CheckBoxesAndRadioButtonsFollowTheActionsCheck) {
  auto* box = Place<TCheckBox>(form_, 10, 50, 90, 20, "CheckBox1", form_);
  auto* radio = Place<TRadioButton>(form_, 10, 80, 90, 20, "Radio1", form_);
  action_->SetChecked(true);
  box->SetAction(action_);
  radio->SetAction(action_);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(radio->Checked());
  action_->SetChecked(false);
  EXPECT_FALSE(box->Checked());
  EXPECT_FALSE(radio->Checked());
  EXPECT_TRUE(rec_.Log.empty());  // following the action is no click
  // A user's click checks the box and runs the action, which checks itself.
  action_->SetAutoCheck(true);
  radio->SetAction(nullptr);
  ShowNow(form_);
  ClickAt(box, 5, 10);
  EXPECT_EQ(rec_.Log, (TLines{"execute Open"}));
  EXPECT_TRUE(action_->Checked());
  EXPECT_TRUE(box->Checked());
}

TEST_F(ActionsTest, CheckingAnActionOfAGroupUnchecksTheOthers) {
  TAction* second = NewAction("Save");
  TAction* third = NewAction("Close");
  for (TAction* a : {action_, second, third}) a->SetGroupIndex(1);
  third->SetGroupIndex(2);
  action_->SetChecked(true);
  second->SetChecked(true);
  third->SetChecked(true);
  EXPECT_FALSE(action_->Checked());
  EXPECT_TRUE(second->Checked());
  EXPECT_TRUE(third->Checked());  // another group
  // An auto-checked action of a group only turns checked.
  second->SetAutoCheck(true);
  second->Execute();
  EXPECT_TRUE(second->Checked());
}

TEST_F(ActionsTest, IdleProcessingUpdatesTheActionsOfVisibleClients) {
  action_->SetOnUpdate(TNotifyEvent(&rec_, &TRecorder::Update));
  button_->SetAction(action_);
  IdleOnce();
  EXPECT_TRUE(rec_.Log.empty());  // the form is not showing
  ShowNow(form_);
  rec_.UpdateEnables = false;
  IdleOnce();
  EXPECT_EQ(rec_.Log, (TLines{"update Open"}));
  EXPECT_FALSE(button_->Enabled());
  rec_.UpdateEnables = true;
  IdleOnce();
  EXPECT_TRUE(button_->Enabled());
  // A hidden client is not updated.
  rec_.Log.clear();
  button_->SetVisible(false);
  IdleOnce();
  EXPECT_TRUE(rec_.Log.empty());
}

TEST_F(ActionsTest, TheListsHandlersComeFirst) {
  action_->SetOnUpdate(TNotifyEvent(&rec_, &TRecorder::Update));
  list_->SetOnExecute(TActionEvent(&rec_, &TRecorder::ListExecute));
  list_->SetOnUpdate(TActionEvent(&rec_, &TRecorder::ListUpdate));
  action_->Execute();
  EXPECT_EQ(rec_.Log,
            (TLines{"list update Open", "update Open", "list execute Open", "execute Open"}));
  rec_.Log.clear();
  rec_.ListHandles = true;
  action_->Execute();
  EXPECT_EQ(rec_.Log, (TLines{"list update Open", "list execute Open"}));
}

TEST_F(ActionsTest, AnActionWithoutAHandlerDisablesItsClientsUnlessToldNotTo) {
  TAction* bare = new TAction(form_);
  bare->SetName("Bare");
  button_->SetAction(bare);
  ShowNow(form_);
  IdleOnce();
  EXPECT_FALSE(bare->Enabled());
  EXPECT_FALSE(button_->Enabled());
  EXPECT_FALSE(bare->Execute());
  // With DisableIfNoHandler off it stays enabled and runs (nothing handles it).
  TAction* kept = new TAction(form_);
  kept->SetDisableIfNoHandler(false);
  button_->SetAction(kept);
  IdleOnce();
  EXPECT_TRUE(kept->Enabled());
  EXPECT_TRUE(button_->Enabled());
}

TEST_F(ActionsTest, ClientsLetGoOfAFreedActionOrList) {
  // An action of another owner (a data module's), so only the free notification tells.
  TComponent module(nullptr);
  auto* remote = new TAction(&module);
  button_->SetAction(remote);
  item_->SetAction(remote);
  delete remote;
  EXPECT_EQ(button_->Action(), nullptr);
  EXPECT_EQ(item_->Action(), nullptr);
  EXPECT_FALSE(button_->ControlStyle().contains(csActionClient));
  button_->Click();  // nothing to run, nothing breaks
  // Freeing the list frees its actions.
  button_->SetAction(action_);
  TAction* second = NewAction("Save");
  EXPECT_EQ(list_->ActionCount(), 2);
  EXPECT_EQ(second->Index(), 1);
  delete list_;
  EXPECT_EQ(button_->Action(), nullptr);
  EXPECT_EQ(form_->FindComponent("Save"), nullptr);
  EXPECT_EQ(form_->FindComponent("Open"), nullptr);
}

TEST_F(ActionsTest, TheListsShortCutRunsTheAction) {
  struct TKeys : TObject {
    int Downs = 0;
    void KeyDown(TObject*, uint16_t& Key, TShiftState) { Downs += Key == 'O'; }
  } keys;
  action_->SetShortCut(ShortCut('O', {ssCtrl}));
  button_->OnKeyDown = TKeyEvent(&keys, &TKeys::KeyDown);
  ShowNow(form_);
  button_->SetFocus();
  auto ctrlO = [] {
    SetShiftState(false, true, false);
    KeyPress('O');
    SetShiftState(false, false, false);
  };
  ctrlO();
  EXPECT_EQ(rec_.Log, (TLines{"execute Open"}));
  EXPECT_EQ(keys.Downs, 0);  // taken by the action
  // A disabled action leaves the key to the focused control.
  action_->SetDisableIfNoHandler(false);
  action_->SetEnabled(false);
  ctrlO();
  EXPECT_EQ(rec_.Log.size(), 1u);
  EXPECT_EQ(keys.Downs, 1);
  // A list index out of range is an error of the list.
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { list_->Actions(5); }),
            "List index out of bounds (5)");
}

// ---------------------------------------------------------------------------------------------
// Forms with actions

class TActionForm : public TForm {
  ZYL_CLASS(TActionForm, TForm)
  using TForm::TForm;
  TRecorder Rec;
  void OpenExecute(TObject* Sender) { Rec.Execute(Sender); }
};
ZYL_CLASS_IMPL(TActionForm) { b.Method("OpenExecute", &TActionForm::OpenExecute); }

const TObj kActionForm{
    "ActionForm: TActionForm",
    {"Left = 100", "Top = 80", "Width = 300", "Height = 200", "Caption = 'Actions'"},
    {{"Button1: TButton",
      {"Left = 10", "Top = 10", "Width = 75", "Height = 25", "Action = Open", "TabOrder = 0"}},
     {"Button2: TButton",
      {"Left = 10", "Top = 40", "Width = 75", "Height = 25", "Action = Open", "Caption = 'Own'",
       "TabOrder = 1"}},
     {"ActionList1: TActionList",
      {"Left = 120", "Top = 10"},
      {{"Open: TAction",
        {"Category = 'File'", "Caption = '&Open'", "Hint = 'Opens a file'", "ShortCut = 16463",
         "OnExecute = OpenExecute"}},
       {"Save: TAction", {"Category = 'File'", "Caption = '&Save'", "Enabled = False"}}}},
     {"MainMenu1: TMainMenu",
      {"Left = 150", "Top = 10"},
      {{"File1: TMenuItem",
        {"Caption = 'File'"},
        {{"Open1: TMenuItem", {"Action = Open"}}, {"Save1: TMenuItem", {"Action = Save"}}}}}}}};

TEST_F(ActionsTest, AFormWithAnActionListIsReadAndWrittenBackAsItWasWritten) {
  RegisterStandardControls();
  RegisterClass(TActionForm::StaticClass());
  const std::string text = ObjectText(kActionForm);
  auto read = std::make_unique<TActionForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(text), read.get());
  auto* list = Find<TActionList>(read.get(), "ActionList1");
  auto* open = Find<TAction>(read.get(), "Open");
  auto* save = Find<TAction>(read.get(), "Save");
  ASSERT_TRUE(list && open && save);
  EXPECT_EQ(open->ActionList(), list);
  EXPECT_EQ(save->Index(), 1);
  EXPECT_EQ(open->Category(), "File");
  auto* b1 = Find<TButton>(read.get(), "Button1");
  auto* b2 = Find<TButton>(read.get(), "Button2");
  auto* i2 = Find<TMenuItem>(read.get(), "Save1");
  ASSERT_TRUE(b1 && b2 && i2);
  testsupport::ExpectCases({
      {b1->Caption(), "&Open"},
      {b1->Hint(), "Opens a file"},
      {b2->Caption(), "Own"},  // read after the action was resolved: its own
      {i2->Caption(), "&Save"},
      {std::to_string(i2->Enabled()), "0"},
      {ShortCutToText(Find<TMenuItem>(read.get(), "Open1")->ShortCut()), "Ctrl+O"},
  });
  b1->Click();
  EXPECT_EQ(read->Rec.Log, (TLines{"execute Open"}));
  // Written back: each object as it was, with no property the actions supply.
  std::string back = ObjectBinaryToTextString(WriteComponentToBytes(read.get()));
  std::erase(back, '\r');
  for (const TObj& child : kActionForm.Children) {
    const std::string expected = ObjectText(child, "  ");
    EXPECT_NE(back.find(expected), std::string::npos) << expected << "in\n" << back;
  }
}

// ---------------------------------------------------------------------------------------------
// The mouse wheel

struct TWheelLog : TObject {
  TLines Log;
  bool Handle = false;
  void Wheel(TObject* Sender, TShiftState, int Delta, TPoint, bool& Handled) {
    Log.push_back(static_cast<TComponent*>(Sender)->Name() + " " + std::to_string(Delta));
    Handled = Handle;
  }
  void Up(TObject* Sender, TShiftState, TPoint, bool& Handled) {
    Log.push_back(static_cast<TComponent*>(Sender)->Name() + " up");
    Handled = true;
  }
  void Down(TObject* Sender, TShiftState, TPoint, bool& Handled) {
    Log.push_back(static_cast<TComponent*>(Sender)->Name() + " down");
    Handled = true;
  }
};

struct TWheelCase {
  std::vector<int> Deltas;
  TLines Calls;  // the Up/Down events, in order
};

class WheelTest : public ControlsTest, public ::testing::WithParamInterface<TWheelCase> {};

TEST_P(WheelTest, WholeNotchesBecomeWheelUpAndDown) {
  auto form = FramelessForm(200, 100);
  auto* edit = Place<TEdit>(form.get(), 10, 10, 100, 24, "Edit1", form.get());
  TWheelLog log;
  edit->OnMouseWheelUp = TMouseWheelUpDownEvent(&log, &TWheelLog::Up);
  edit->OnMouseWheelDown = TMouseWheelUpDownEvent(&log, &TWheelLog::Down);
  ShowNow(form.get());
  edit->SetFocus();
  for (int d : GetParam().Deltas) Wheel(d);
  EXPECT_EQ(log.Log, GetParam().Calls);
}

INSTANTIATE_TEST_SUITE_P(
    Deltas, WheelTest,
    ::testing::Values(TWheelCase{{120}, {"Edit1 up"}}, TWheelCase{{-120}, {"Edit1 down"}},
                      TWheelCase{{240}, {"Edit1 up", "Edit1 up"}},
                      TWheelCase{{60}, {}},                // half a notch: kept
                      TWheelCase{{60, 60}, {"Edit1 up"}},  // two halves make one
                      TWheelCase{{60, -120}, {}},          // -60 left over
                      TWheelCase{{-60, -60, -60}, {"Edit1 down"}}));

TEST_F(ControlsTest, AnUnhandledWheelGoesToTheParent) {
  auto form = FramelessForm(200, 100);
  form->SetName("Form1");
  auto* panel = Place<TPanel>(form.get(), 0, 0, 200, 100, "Panel1", form.get());
  auto* edit = Place<TEdit>(panel, 10, 10, 100, 24, "Edit1", form.get());
  TWheelLog log;
  for (TControl* c : std::vector<TControl*>{form.get(), panel, edit})
    c->OnMouseWheel = TMouseWheelEvent(&log, &TWheelLog::Wheel);
  ShowNow(form.get());
  edit->SetFocus();
  Wheel(-120);
  EXPECT_EQ(log.Log, (TLines{"Edit1 -120", "Panel1 -120", "Form1 -120"}));
  log.Log.clear();
  log.Handle = true;
  Wheel(120);
  EXPECT_EQ(log.Log, (TLines{"Edit1 120"}));
}

}  // namespace
}  // namespace vcl::testing
