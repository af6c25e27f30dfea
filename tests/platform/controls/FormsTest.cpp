#include "ControlsTestSupport.h"

#include "platform/testkit/DialogScript.h"

#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"

namespace vcl::testing {
namespace {

// A form class with a form stream, its components as published fields and its handlers as
// published methods.
class TTestForm : public TForm {
  ZYL_CLASS(TTestForm, TForm)
  explicit TTestForm(TComponent* AOwner) : TForm(AOwner) {}
  TPanel* Panel1 = nullptr;
  TLabel* Label1 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TTimer* Timer1 = nullptr;
  TLines Log;
  void FormCreate(TObject*) { Log.push_back("create"); }
  void FormShow(TObject*) { Log.push_back("show"); }
  void FormActivate(TObject*) { Log.push_back("activate"); }
  void ButtonClick(TObject* Sender) {
    Log.push_back("click " + static_cast<TComponent*>(Sender)->Name());
  }
  void TimerTick(TObject*) { Log.push_back("tick"); }
};

ZYL_CLASS_IMPL(TTestForm) {
  b.Field("Panel1", &TTestForm::Panel1)
      .Field("Label1", &TTestForm::Label1)
      .Field("Button1", &TTestForm::Button1)
      .Field("Button2", &TTestForm::Button2)
      .Field("Timer1", &TTestForm::Timer1)
      .Method("FormCreate", &TTestForm::FormCreate)
      .Method("FormShow", &TTestForm::FormShow)
      .Method("FormActivate", &TTestForm::FormActivate)
      .Method("ButtonClick", &TTestForm::ButtonClick)
      .Method("TimerTick", &TTestForm::TimerTick);
}

const TObj kTestForm{"TestForm: TTestForm",
                     {"Left = 100", "Top = 80", "Width = 300", "Height = 200",
                      "Caption = 'Stream form'", "Font.Height = -13", "Font.Name = 'Arial'",
                      "OnActivate = FormActivate", "OnCreate = FormCreate", "OnShow = FormShow",
                      "OldCreateOrder = True", "PixelsPerInch = 96", "TextHeight = 16"},
                     {{"Panel1: TPanel",
                       {"Height = 41", "Align = alTop", "TabOrder = 1"},
                       {{"Label1: TLabel", {"Caption = '&Name'", "FocusControl = Button2"}}}},
                      {"Button1: TButton",
                       {"Left = 10", "Top = 60", "Caption = 'OK'", "Default = True",
                        "ModalResult = 1", "TabOrder = 0", "OnClick = ButtonClick"}},
                      {"Button2: TButton",
                       {"Left = 100", "Top = 60", "Caption = 'Cancel'", "Cancel = True",
                        "ModalResult = 2", "TabOrder = 2", "OnClick = ButtonClick"}},
                      {"Timer1: TTimer", {"Interval = 100", "OnTimer = TimerTick"}}}};

class FormsTest : public ControlsTest {
 protected:
  FormsTest() {
    RegisterClass(TTestForm::StaticClass());
    const std::string binary = ObjectTextToBinaryString(ObjectText(kTestForm));
    RegisterResource(HInstance, RT_RCDATA, "TTestForm", binary.data(), binary.size());
  }
  ~FormsTest() override { UnregisterResource(HInstance, RT_RCDATA, "TTestForm"); }
};

TEST_F(FormsTest, AFormIsReadFromItsStreamWithChildrenAndEventsBound) {
  std::unique_ptr<TTestForm> f(CreateFormFromResource<TTestForm>(nullptr));
  EXPECT_EQ(f->Caption(), "Stream form");
  EXPECT_EQ(f->BoundsRect(), Rect(100, 80, 400, 280));
  // The framework's form files always carry these two.
  EXPECT_TRUE(f->OldCreateOrder());
  EXPECT_EQ(f->TextHeight(), 16);
  ASSERT_TRUE(f->Panel1 && f->Label1 && f->Button1 && f->Button2 && f->Timer1);
  EXPECT_EQ(f->Label1->Parent(), f->Panel1);
  EXPECT_EQ(f->Label1->Owner(), f.get());
  EXPECT_EQ(f->Button1->Parent(), f.get());
  EXPECT_EQ(f->Timer1->Owner(), f.get());
  // Aligned to the top of the client area; the label's font comes from the form.
  EXPECT_EQ(f->Panel1->BoundsRect(), Rect(0, 0, f->ClientWidth(), 41));
  EXPECT_EQ(f->Label1->Font()->Name(), "Arial");
  EXPECT_EQ(f->Label1->Font()->Height(), -13);
  EXPECT_TRUE(f->Label1->ParentFont());
  // A forward reference resolved after reading.
  EXPECT_EQ(f->Label1->FocusControl(), f->Button2);
  // Tab order as stored, whatever the reading order.
  EXPECT_EQ(f->Button1->TabOrder(), 0);
  EXPECT_EQ(f->Panel1->TabOrder(), 1);
  EXPECT_EQ(f->Button2->TabOrder(), 2);
  // OnCreate ran once the stream was read; events are bound by name.
  EXPECT_EQ(f->Log, (TLines{"create"}));
  EXPECT_EQ(GetMethodProp(f->Button1, "OnClick").Data, f.get());
  EXPECT_EQ(f->MethodName(GetMethodProp(f->Button1, "OnClick").Code), "ButtonClick");
  f->Button1->Click();
  EXPECT_EQ(f->Log.back(), "click Button1");
  EXPECT_FALSE(f->Visible());
}

TEST_F(FormsTest, ShowingRunsTheFormEventsTimersFireAndAcceleratorsFocus) {
  std::unique_ptr<TTestForm> f(CreateFormFromResource<TTestForm>(nullptr));
  ShowNow(f.get());
  EXPECT_EQ(f->Log, (TLines{"create", "show", "activate"}));
  EXPECT_TRUE(f->Button1->Focused());
  EXPECT_EQ(Screen->ActiveForm(), f.get());
  EXPECT_EQ(Screen->ActiveControl(), f->Button1);
  f->Log.clear();
  win::testkit::AdvanceClock(250);
  EXPECT_EQ(f->Log, (TLines{"tick", "tick"}));
  f->Timer1->SetEnabled(false);
  f->Log.clear();
  win::testkit::AdvanceClock(500);
  EXPECT_TRUE(f->Log.empty());
  // Alt and the label's accelerator focus the label's control.
  win::testkit::SetShiftState(false, false, true);
  win::testkit::KeyPress('N');
  win::testkit::SetShiftState(false, false, false);
  Idle();
  EXPECT_TRUE(f->Button2->Focused());
}

// How the modal handler answers a shown modal form, and what ShowModal must return.
struct TModalCase {
  const char* Name;
  void (*Answer)(TTestForm*);
  TModalResult Result;
  const char* LastLog;
};

class ModalTest : public FormsTest, public ::testing::WithParamInterface<TModalCase> {};

TEST_P(ModalTest, ModalFormsAreAnsweredByTheHandler) {
  std::unique_ptr<TTestForm> f(CreateFormFromResource<TTestForm>(nullptr));
  int calls = 0;
  SetModalFormHandler([&](TCustomForm* form) {
    ++calls;
    EXPECT_EQ(form, f.get());
    EXPECT_TRUE(form->FormState().contains(fsModal));
    EXPECT_TRUE(form->Visible());
    GetParam().Answer(f.get());
  });
  EXPECT_EQ(f->ShowModal(), GetParam().Result);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(f->Visible());
  EXPECT_FALSE(f->FormState().contains(fsModal));
  EXPECT_EQ(f->Log.back(), GetParam().LastLog);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ModalTest,
    ::testing::Values(
        // Return presses the default button, Escape the cancel button.
        TModalCase{"Return", [](TTestForm*) { win::testkit::KeyPress(win::VK_RETURN); }, mrOk,
                   "click Button1"},
        TModalCase{"Escape", [](TTestForm*) { win::testkit::KeyPress(win::VK_ESCAPE); }, mrCancel,
                   "click Button2"},
        TModalCase{"Click", [](TTestForm* f) { ClickAt(f->Button2, 5, 5); }, mrCancel,
                   "click Button2"},
        TModalCase{"Result", [](TTestForm* f) { f->SetModalResult(mrRetry); }, mrRetry, "activate"},
        // Closing a modal form answers Cancel.
        TModalCase{"Close", [](TTestForm* f) { f->Close(); }, mrCancel, "activate"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FormsTest, AFreedFocusedFormIsNeitherTheScreensActiveNorFocusedForm) {
  auto* form = new TForm(nullptr);
  auto* button = new TButton(form);
  button->SetParent(form);
  form->Show();
  button->SetFocus();
  Idle();
  ASSERT_EQ(Screen->FocusedForm(), form);
  delete form;  // its window hands the focus on while it is destroyed
  Idle();
  EXPECT_NE(Screen->FocusedForm(), form);
  EXPECT_NE(Screen->ActiveForm(), form);
}

TEST_F(FormsTest, OtherFormsAreDisabledWhileOneIsModal) {
  // A modal form left without an answer (and no timer to run) fails instead of hanging.
  TForm lonely(nullptr);
  EXPECT_THROW(lonely.ShowModal(), EInvalidOperation);
  EXPECT_FALSE(lonely.Visible());
  EXPECT_FALSE(lonely.FormState().contains(fsModal));
  TForm main(nullptr);
  ShowNow(&main);
  std::unique_ptr<TTestForm> f(CreateFormFromResource<TTestForm>(nullptr));
  bool mainEnabled = true;
  SetModalFormHandler([&](TCustomForm* form) {
    mainEnabled = win::IsWindowEnabled(main.Handle());
    form->SetModalResult(mrOk);
  });
  EXPECT_EQ(f->ShowModal(), mrOk);
  EXPECT_FALSE(mainEnabled);
  EXPECT_TRUE(win::IsWindowEnabled(main.Handle()));
  // A visible form cannot be made modal.
  EXPECT_THROW(main.ShowModal(), EInvalidOperation);
}

TEST_F(FormsTest, CloseQueryCanRefuseAndModalAnswersWaitForIt) {
  std::unique_ptr<TTestForm> f(CreateFormFromResource<TTestForm>(nullptr));
  struct TQ : TObject {
    int Asked = 0;
    void Query(TObject*, bool& can) { can = ++Asked > 1; }
  } q;
  f->OnCloseQuery = TCloseQueryEvent(&q, &TQ::Query);
  int answers = 0;
  SetModalFormHandler([&](TCustomForm* form) {
    ++answers;
    form->SetModalResult(mrOk);  // the first is refused by OnCloseQuery
  });
  EXPECT_EQ(f->ShowModal(), mrOk);
  EXPECT_EQ(q.Asked, 2);
  EXPECT_EQ(answers, 2);  // asked again when the loop went idle
}

TEST_F(FormsTest, CloseActionsHideOrFreeTheForm) {
  struct TC : TLog {
    TCloseAction Action = caHide;
    void OnClose(TObject*, TCloseAction& a) {
      Add("close");
      a = Action;
    }
    void OnHide(TObject*) { Add("hide"); }
    void OnDestroy(TObject*) { Add("destroy"); }
  } c;
  auto* f = new TForm(nullptr);
  f->OnClose = TCloseEvent(&c, &TC::OnClose);
  f->OnHide = TNotifyEvent(&c, &TC::OnHide);
  f->OnDestroy = TNotifyEvent(&c, &TC::OnDestroy);
  ShowNow(f);
  f->Close();
  EXPECT_EQ(c.Entries, (TLines{"close", "hide"}));
  EXPECT_FALSE(f->Visible());
  c.Clear();
  c.Action = caNone;
  f->Show();
  win::SendMessageA(f->Handle(), win::WM_CLOSE, 0, 0);
  EXPECT_TRUE(f->Visible());
  c.Action = caFree;
  const int before = Screen->FormCount();
  f->Close();
  EXPECT_EQ(Screen->FormCount(), before);  // freed only once the queue is handled
  Idle();
  EXPECT_EQ(Screen->FormCount(), before - 1);
  EXPECT_EQ(c.Entries, (TLines{"close", "close", "destroy"}));
}

// A component of a form runs a modal loop under a hold on the form's release, as a dialog
// component's Execute does; the form's timer releases (or frees) the form while the loop waits.
struct THeldModal : TLog {
  TForm* Owner = nullptr;
  bool FreeOutright = false;
  void Tick(TObject* timer) {
    static_cast<TTimer*>(timer)->SetEnabled(false);
    Add("tick");
    if (FreeOutright)
      delete Owner;
    else
      Owner->Release();
  }
  void Destroyed(TObject*) { Add("destroy"); }
  // What the component's call does: the hold, then the dialog's loop.
  TModalResult Run(TComponent* c) {
    const TReleaseHold hold(c);
    TForm dialog(nullptr);
    const TModalResult result = dialog.ShowModal();
    Add("returned");
    return result;
  }
};

TEST_F(FormsTest, AFormReleasedWhileItsComponentRunsAModalLoopEndsItAndGoesAfterTheCall) {
  THeldModal h;
  h.Owner = new TForm(nullptr);
  h.Owner->OnDestroy = TNotifyEvent(&h, &THeldModal::Destroyed);
  auto* dialogComponent = new TComponent(h.Owner);
  auto* timer = new TTimer(h.Owner);
  timer->SetInterval(50);
  timer->SetOnTimer(TNotifyEvent(&h, &THeldModal::Tick));
  ShowNow(h.Owner);
  const int before = Screen->FormCount();
  EXPECT_EQ(h.Run(dialogComponent), mrCancel);
  EXPECT_EQ(h.Entries, (TLines{"tick", "returned"}));
  Idle();
  EXPECT_EQ(h.Entries, (TLines{"tick", "returned", "destroy"}));
  EXPECT_EQ(Screen->FormCount(), before - 1);
}

TEST_F(FormsTest, AHeldFormFreedOutrightLeavesTheHoldWithoutIt) {
  THeldModal h;
  h.FreeOutright = true;
  h.Owner = new TForm(nullptr);
  h.Owner->OnDestroy = TNotifyEvent(&h, &THeldModal::Destroyed);
  auto* timer = new TTimer(h.Owner);
  timer->SetInterval(50);
  timer->SetOnTimer(TNotifyEvent(&h, &THeldModal::Tick));
  ShowNow(h.Owner);
  {
    const TReleaseHold hold(h.Owner);
    win::testkit::AdvanceClock(100);
    EXPECT_EQ(h.Entries, (TLines{"tick", "destroy"}));
  }
  Idle();
  EXPECT_EQ(h.Entries, (TLines{"tick", "destroy"}));
}

TEST_F(FormsTest, ApplicationCreatesTheMainFormAndRunsUntilItCloses) {
  TTestForm* f = nullptr;
  Application->CreateForm(f);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(Application->MainForm(), f);
  EXPECT_EQ(f->Owner(), Application);
  EXPECT_TRUE(f->HandleAllocated());
  struct TCloser : TObject {
    TCustomForm* F;
    int Ticks = 0;
    void Tick(TObject*) {
      if (++Ticks == 3) F->Close();
    }
  } closer;
  closer.F = f;
  f->Timer1->SetOnTimer(TNotifyEvent(&closer, &TCloser::Tick));
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(closer.Ticks, 3);
  EXPECT_TRUE(f->Log.size() >= 2 && f->Log[1] == "show");
  delete f;
  EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(FormsTest, ApplicationMessagesAndExceptions) {
  TForm form(nullptr);
  struct TA : TLog {
    std::vector<UINT> Seen;
    void Msg(win::MSG& m, bool& handled) {
      if (m.message >= win::WM_USER) {
        Seen.push_back(m.message);
        handled = m.message == win::WM_USER + 1;
      }
    }
    void Err(TObject*, Exception& e) { Add(e.Message()); }
    void Throw(TObject*) { throw EConvertError("bad value"); }
  } a;
  Application->OnMessage = TMessageEvent(&a, &TA::Msg);
  win::PostMessageA(form.Handle(), win::WM_USER + 1, 0, 0);
  win::PostMessageA(form.Handle(), win::WM_USER + 2, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(a.Seen, (std::vector<UINT>{win::WM_USER + 1, win::WM_USER + 2}));
  Application->OnMessage = nullptr;

  // An exception raised in a handler reaches OnException, or is recorded by ShowException.
  auto* b = Place<TButton>(&form, 0, 0, 40, 20);
  b->OnClick = TNotifyEvent(&a, &TA::Throw);
  ShowNow(&form);
  Application->OnException = TExceptionEvent(&a, &TA::Err);
  ClickAt(b, 3, 3);
  EXPECT_EQ(a.Entries, (TLines{"bad value"}));
  Application->OnException = nullptr;
  Application->HandleException(nullptr);  // outside a handler: nothing to do
  try {
    throw EConvertError("shown");
  } catch (...) {
    Application->HandleException(nullptr);
  }
  ASSERT_FALSE(Application->ShownExceptions().empty());
  EXPECT_EQ(Application->ShownExceptions().back(), "shown.");
}

TEST_F(FormsTest, HintsShowAfterThePauseAndHideAfterTheirTime) {
  TForm form(nullptr);
  form.SetBounds(50, 50, 300, 200);
  auto* b = Place<TButton>(&form, 20, 20, 80, 25);
  b->SetHint("Press me|Presses the button");
  b->SetShowHint(true);
  struct TH : TLog {
    void Show(std::string& s, bool&, THintInfo& info) {
      Add(s + "@" + info.HintControl->ClassName());
    }
  } h;
  Application->OnShowHint = TShowHintEvent(&h, &TH::Show);
  ShowNow(&form);
  MoveTo(b, 10, 10);
  win::testkit::AdvanceClock(Application->HintPause() - 10);
  EXPECT_TRUE(!Application->HintWindow() || !Application->HintWindow()->HandleAllocated());
  win::testkit::AdvanceClock(20);
  THintWindow* hint = Application->HintWindow();
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(win::IsWindowVisible(hint->Handle()));
  EXPECT_EQ(hint->Caption(), "Press me");
  EXPECT_EQ(h.Entries, (TLines{"Press me@TButton"}));
  EXPECT_EQ(hint->Width(), hint->CalcHintRect(300, "Press me", nullptr).Width());
  win::testkit::AdvanceClock(Application->HintHidePause() + 10);
  EXPECT_FALSE(hint->HandleAllocated());
  Application->OnShowHint = nullptr;
}

// The control under a resting mouse, or its form, freed while its hint waits to show or shows.
struct THintFreedCase {
  const char* Name;
  bool Shown;      // freed once the hint shows, else during the pause
  bool WholeForm;  // the form goes, else the control alone
};

class HintControlFreed : public FormsTest, public ::testing::WithParamInterface<THintFreedCase> {};

TEST_P(HintControlFreed, TheHintGoesWithItAndLaterMovesShowNothing) {
  const THintFreedCase& c = GetParam();
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(50, 50, 300, 200);
  auto* b = Place<TButton>(form.get(), 20, 20, 80, 25);
  b->SetHint("Going|Freed under the mouse");
  b->SetShowHint(true);
  ShowNow(form.get());
  const TPoint at = ScreenOf(b, 10, 10);
  MoveTo(b, 10, 10);
  win::testkit::AdvanceClock(c.Shown ? Application->HintPause() + 10
                                     : Application->HintPause() / 2);
  THintWindow* hint = Application->HintWindow();
  const win::HWND shown = hint && hint->HandleAllocated() ? hint->Handle() : nullptr;
  EXPECT_EQ(shown != nullptr, c.Shown);
  if (c.WholeForm)
    form.reset();
  else
    delete b;
  Idle();
  // The hint of the freed control is gone with it, and its window with the hint.
  EXPECT_FALSE(Application->HintWindow() && Application->HintWindow()->HandleAllocated());
  if (shown) {
    EXPECT_FALSE(win::IsWindow(shown));
  }
  // The pause runs out with the mouse still resting: no hint of the freed control shows.
  win::testkit::AdvanceClock(Application->HintPause());
  EXPECT_FALSE(Application->HintWindow() && Application->HintWindow()->HandleAllocated());
  // The mouse moves on where the control was: no hint comes, nothing touches the freed control.
  win::testkit::MouseMove(at.X + 1, at.Y);
  win::testkit::AdvanceClock(Application->HintPause() + Application->HintHidePause());
  EXPECT_FALSE(Application->HintWindow() && Application->HintWindow()->HandleAllocated());
}

INSTANTIATE_TEST_SUITE_P(Cases, HintControlFreed,
                         ::testing::Values(THintFreedCase{"ControlDuringThePause", false, false},
                                           THintFreedCase{"ControlWhileShown", true, false},
                                           THintFreedCase{"FormDuringThePause", false, true},
                                           THintFreedCase{"FormWhileShown", true, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FormsTest, AHintWindowLeavesTheMouseToTheWindowsBelowIt) {
  TForm form(nullptr);
  form.SetBounds(50, 50, 300, 200);
  auto* b = Place<TButton>(&form, 20, 20, 120, 40);
  ShowNow(&form);
  const TPoint corner = b->ClientToScreen(TPoint{0, 0});
  THintWindow hint(nullptr);
  hint.ActivateHint(Rect(corner.X, corner.Y, corner.X + 100, corner.Y + 20), "Over the button");
  ASSERT_TRUE(win::IsWindowVisible(hint.Handle()));
  const win::POINT over{corner.X + 10, corner.Y + 10};
  EXPECT_EQ(hint.Perform(win::WM_NCHITTEST, 0, win::MAKELPARAM(over.X, over.Y)),
            win::HTTRANSPARENT);
  EXPECT_EQ(win::WindowFromPoint(over), b->Handle());
  // The mouse moving under the hint stays with the button.
  struct TMoves : TLog {
    void Moved(TObject*, TShiftState, int X, int Y) {
      Add(std::to_string(X) + "," + std::to_string(Y));
    }
  } seen;
  b->OnMouseMove = TMouseMoveEvent(&seen, &TMoves::Moved);
  win::testkit::MouseMove(over.X, over.Y);
  win::testkit::MouseMove(over.X + 2, over.Y);
  EXPECT_EQ(seen.Entries, (TLines{"10,10", "12,10"}));
  EXPECT_EQ(MouseControl(), b);
}

// A hint asked for where it would leave the screen (800 x 600) is moved onto it, keeping its
// size; one wider or taller than the screen starts at its left or top edge.
struct THintPlaceCase {
  const char* Name;
  TRect Asked;
  TPoint Shown;
};

class HintKeptOnScreen : public FormsTest, public ::testing::WithParamInterface<THintPlaceCase> {};

TEST_P(HintKeptOnScreen, TheHintWindowMovesOntoTheScreen) {
  const THintPlaceCase& c = GetParam();
  ASSERT_EQ(win::GetSystemMetrics(win::SM_CXSCREEN), 800);
  ASSERT_EQ(win::GetSystemMetrics(win::SM_CYSCREEN), 600);
  THintWindow hint(nullptr);
  hint.ActivateHint(c.Asked, "Kept on the screen");
  ASSERT_TRUE(win::IsWindowVisible(hint.Handle()));
  win::RECT r;
  win::GetWindowRect(hint.Handle(), &r);
  EXPECT_EQ(r.Left, c.Shown.X);
  EXPECT_EQ(r.Top, c.Shown.Y);
  EXPECT_EQ(r.Right - r.Left, c.Asked.Width());
  EXPECT_EQ(r.Bottom - r.Top, c.Asked.Height());
  EXPECT_EQ(hint.Left(), c.Shown.X);
  EXPECT_EQ(hint.Top(), c.Shown.Y);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HintKeptOnScreen,
    ::testing::Values(THintPlaceCase{"Inside", Rect(100, 100, 200, 120), {100, 100}},
                      THintPlaceCase{"PastTheRight", Rect(750, 100, 850, 120), {700, 100}},
                      THintPlaceCase{"PastTheLeft", Rect(-30, 100, 70, 120), {0, 100}},
                      THintPlaceCase{"PastTheBottom", Rect(100, 590, 200, 610), {100, 580}},
                      THintPlaceCase{"PastTheTop", Rect(100, -15, 200, 5), {100, 0}},
                      THintPlaceCase{"PastTheBottomRight", Rect(790, 590, 890, 610), {700, 580}},
                      THintPlaceCase{"WiderThanTheScreen", Rect(-50, 100, 1750, 120), {0, 100}},
                      THintPlaceCase{"TallerThanTheScreen", Rect(10, 20, 110, 820), {10, 0}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FormsTest, ScreenTracksFormsAndTheActiveForm) {
  const int before = Screen->FormCount();
  auto a = std::make_unique<TForm>(nullptr), b = std::make_unique<TForm>(nullptr);
  EXPECT_EQ(Screen->FormCount(), before + 2);
  TLog changes;
  Screen->OnActiveFormChange = changes.Counter();
  ShowNow(a.get());
  EXPECT_EQ(Screen->ActiveForm(), a.get());
  ShowNow(b.get());
  EXPECT_EQ(Screen->ActiveForm(), b.get());
  EXPECT_GE(changes.Count, 2);
  EXPECT_EQ(Screen->Width(), 800);
  EXPECT_EQ(Screen->Height(), 600);
  EXPECT_THROW(Screen->Forms(-1), EListError);
  Screen->OnActiveFormChange = nullptr;
  b.reset();
  a.reset();
  EXPECT_EQ(Screen->FormCount(), before);
}

TEST_F(FormsTest, CorruptFormStreamsRaiseWithoutLeavingComponents) {
  TForm f(nullptr);
  TStringStream bad(std::string("TPF0\xF0garbage", 12));
  EXPECT_THROW(ReadForm(&bad, &f), EFilerError);
  TStringStream text(
      std::string("object F: TForm\n  Caption = 'x'\n  object B: TNoSuchClass\n  end\nend\n"));
  EXPECT_THROW(ReadForm(&text, &f), Exception);
  EXPECT_EQ(f.ControlCount(), 0);
  // Unknown handlers are either an error or, when asked, left empty.
  TStringStream handlers(std::string("object F: TForm\n  OnShow = NoSuchMethod\nend\n"));
  EXPECT_THROW(ReadForm(&handlers, &f), Exception);
  handlers.SetPosition(0);
  ReadForm(&handlers, &f, true);
  EXPECT_FALSE(f.OnShow.Assigned());
}

// A control that decides about its own hints through CM_HINTSHOW.
class THintedBox : public TCustomControl {
  ZYL_CLASS(THintedBox, TCustomControl)
  ZYL_MESSAGES(THintedBox)
  explicit THintedBox(TComponent* AOwner) : TCustomControl(AOwner) {}
  bool Suppress = false;
  int Asked = 0;

 protected:
  void CMHintShow(TCMHintShow& M) {
    ++Asked;
    if (Suppress)
      M.Result = 1;
    else
      M.HintInfo()->HintStr += " (" + std::to_string(M.HintInfo()->CursorPos.X) + ")";
  }
};
ZYL_MESSAGE_MAP(THintedBox) { m.On(CM_HINTSHOW, &THintedBox::CMHintShow); }
ZYL_CLASS_IMPL(THintedBox) {}

TEST_F(FormsTest, ControlsAnswerCMHintShowAndTheApplicationCanTurnHintsOff) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  form.SetShowHint(true);  // children inherit it
  auto* box = Place<THintedBox>(&form, 10, 10, 100, 50);
  box->SetHint("Box");
  EXPECT_TRUE(box->ShowHint());
  ShowNow(&form);
  const TPoint p = ScreenOf(box, 7, 7);
  auto hoverAt = [&](int dx, int pause) {
    win::testkit::MouseMove(p.X + dx, p.Y);
    win::testkit::AdvanceClock(pause);
  };
  auto leave = [&] { win::testkit::MouseMove(p.X + 200, p.Y + 100); };
  hoverAt(0, Application->HintPause() + 1);
  EXPECT_EQ(box->Asked, 1);
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_EQ(Application->HintWindow()->Caption(), "Box (7)");
  leave();  // leaving the control cancels the hint
  Idle();
  EXPECT_FALSE(Application->HintWindow()->HandleAllocated());
  box->Suppress = true;
  hoverAt(1, Application->HintPause() + 1);
  EXPECT_EQ(box->Asked, 2);
  EXPECT_FALSE(Application->HintWindow()->HandleAllocated());
  box->Suppress = false;
  leave();
  Application->SetShowHint(false);
  hoverAt(0, Application->HintPause() * 2);
  EXPECT_EQ(box->Asked, 2);
  Application->SetShowHint(true);
}

TEST_F(FormsTest, FormsReportResizes) {
  TForm form(nullptr);
  TLog resized;
  form.OnResize = resized.Counter();
  ShowNow(&form);
  resized.Count = 0;
  form.SetBounds(10, 10, 400, 300);
  EXPECT_EQ(resized.Count, 1);
  form.SetBounds(20, 20, 400, 300);  // a move is no resize
  EXPECT_EQ(resized.Count, 1);
  win::MoveWindow(form.Handle(), 20, 20, 350, 250, win::TRUE);
  EXPECT_EQ(resized.Count, 2);
  EXPECT_EQ(form.Width(), 350);
}

// ---- Hooks of the application window ----

// Logs its name for WM_USER + 5 and WM_SYSCOMMAND; answers them (true) when Answer is set.
struct TAppHook : TObject {
  TAppHook(std::string N, TLines* L) : Name(std::move(N)), Log(L) {}
  std::string Name;
  TLines* Log = nullptr;
  LRESULT Answer = 0;
  bool Hook(TMessage& m) {
    if (m.Msg != win::WM_USER + 5 && m.Msg != win::WM_SYSCOMMAND) return false;
    Log->push_back(Name);
    if (Answer) m.Result = Answer;
    return Answer != 0;
  }
  TWindowHook Method() { return TWindowHook(this, &TAppHook::Hook); }
};

LRESULT SendToApp(UINT Msg, WPARAM W = 0) {
  return win::SendMessageA(Application->Handle(), Msg, W, 0);
}

TEST_F(FormsTest, MainWindowHooksRunLastHookedFirstUntilOneHandles) {
  constexpr UINT WM_APPPROBE = win::WM_USER + 5;
  TLines log;
  TAppHook a("a", &log), b("b", &log);
  Application->HookMainWindow(a.Method());
  Application->HookMainWindow(b.Method());
  // Neither answers: both see it, and the application's default handling gives 0.
  EXPECT_EQ(SendToApp(WM_APPPROBE), 0);
  EXPECT_EQ(log, (TLines{"b", "a"}));
  // The first hook that answers true ends the chain with its result.
  log.clear();
  b.Answer = 7;
  EXPECT_EQ(SendToApp(WM_APPPROBE), 7);
  EXPECT_EQ(log, (TLines{"b"}));
  // Unhooking removes exactly that hook; an unknown hook changes nothing.
  log.clear();
  a.Answer = 9;
  Application->UnhookMainWindow(b.Method());
  Application->UnhookMainWindow(b.Method());
  EXPECT_EQ(Application->WindowHookCount(), 1);
  EXPECT_EQ(SendToApp(WM_APPPROBE), 9);
  EXPECT_EQ(log, (TLines{"a"}));
  // A handled message never reaches the application's own handling.
  TLog minimized;
  Application->OnMinimize = minimized.Counter();
  SendToApp(win::WM_SYSCOMMAND, win::SC_MINIMIZE);
  EXPECT_EQ(minimized.Count, 0);
  Application->UnhookMainWindow(a.Method());
  EXPECT_EQ(Application->WindowHookCount(), 0);
  SendToApp(win::WM_SYSCOMMAND, win::SC_MINIMIZE);
  EXPECT_EQ(minimized.Count, 1);
  Application->Restore();
  Application->OnMinimize = nullptr;
}

TEST_F(FormsTest, AHookMayUnhookItselfOrOthersWhileItRuns) {
  TLines log;
  TAppHook a("a", &log), c("c", &log);
  // Hooked last, so it runs first: it takes itself and "a" out.
  struct TRemover : TObject {
    TWindowHook Self, Other;
    bool Hook(TMessage&) {
      Application->UnhookMainWindow(Self);
      Application->UnhookMainWindow(Other);
      return false;
    }
  } r;
  r.Self = TWindowHook(&r, &TRemover::Hook);
  r.Other = a.Method();
  Application->HookMainWindow(c.Method());
  Application->HookMainWindow(a.Method());
  Application->HookMainWindow(r.Self);
  SendToApp(win::WM_USER + 5);
  EXPECT_EQ(log, (TLines{"c"}));
  EXPECT_EQ(Application->WindowHookCount(), 1);
  // The same hook twice runs twice; one unhook leaves one.
  Application->HookMainWindow(c.Method());
  log.clear();
  SendToApp(win::WM_USER + 5);
  EXPECT_EQ(log, (TLines{"c", "c"}));
  // A reset window system forgets the hooks with the window.
  ResetControlsGlobals();
  EXPECT_EQ(Application->WindowHookCount(), 0);
}

// An edit that notes the cancel-mode requests it hears and who sent them.
class TCancelModeEdit : public TEdit {
  ZYL_CLASS(TCancelModeEdit, TEdit)
  ZYL_MESSAGES(TCancelModeEdit)
  explicit TCancelModeEdit(TComponent* AOwner) : TEdit(AOwner) {}
  TLines Heard;
  void CMCancelMode(TMessage& Message) {
    auto* sender = reinterpret_cast<TComponent*>(Message.LParam);
    Heard.push_back(sender ? sender->Name() : "?");
  }
};

ZYL_CLASS_IMPL(TCancelModeEdit) {}
ZYL_MESSAGE_MAP(TCancelModeEdit) { m.On(CM_CANCELMODE, &TCancelModeEdit::CMCancelMode); }

TEST_F(FormsTest, APressOnAControlAsksTheFocusedControlToCancelItsModes) {
  TForm form(nullptr);
  form.SetName("Form");
  form.SetBounds(0, 0, 200, 120);
  auto* edit = Place<TCancelModeEdit>(&form, 10, 10, 100, 21, "Edit");
  auto* panel = Place<TPanel>(&form, 10, 50, 100, 40, "Panel");
  form.Show();
  edit->SetFocus();
  win::testkit::RunUntilIdle();
  testkit::ClickControl(panel);
  EXPECT_TRUE(edit->Focused());
  win::testkit::AdvanceClock(1000);
  const TPoint empty = form.ClientToScreen(TPoint{150, 20});  // the form's own ground
  win::testkit::Click(empty.X, empty.Y);
  win::testkit::RunUntilIdle();
  EXPECT_EQ(edit->Heard, (TLines{"Panel", "Form"}));
}

}  // namespace
}  // namespace vcl::testing
