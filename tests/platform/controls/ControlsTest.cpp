#include "ControlsTestSupport.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/RaisingHandler.h"

namespace vcl::testing {
namespace {

using AlignTest = ControlsTest;

TPanel* AddAligned(TPanel* host, TAlign a, int l, int t, int w, int h) {
  return AddPanel(host, l, t, w, h, [a](TPanel* c) { c->SetAlign(a); });
}

TEST_F(AlignTest, SidesAreTakenInOrderTopBottomLeftRightClient) {
  auto host = MakeHost(400, 300);
  TPanel* client = AddAligned(host.get(), alClient, 0, 0, 10, 10);
  TPanel* left = AddAligned(host.get(), alLeft, 0, 0, 50, 10);
  TPanel* bottom = AddAligned(host.get(), alBottom, 0, 0, 10, 30);
  TPanel* top = AddAligned(host.get(), alTop, 0, 0, 10, 20);
  TPanel* right = AddAligned(host.get(), alRight, 0, 0, 60, 10);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 20));
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 270, 400, 300));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 20, 50, 270));
  EXPECT_EQ(right->BoundsRect(), Rect(340, 20, 400, 270));
  EXPECT_EQ(client->BoundsRect(), Rect(50, 20, 340, 270));
  // The container grows: every aligned child follows.
  host->SetBounds(0, 0, 500, 400);
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 370, 500, 400));
  EXPECT_EQ(right->BoundsRect(), Rect(440, 20, 500, 370));
  EXPECT_EQ(client->BoundsRect(), Rect(50, 20, 440, 370));
}

TEST_F(AlignTest, ControlsOfOneSideStackByPositionAndHiddenOnesLeaveRoom) {
  auto host = MakeHost(200, 200);
  TPanel* a = AddAligned(host.get(), alTop, 0, 0, 10, 10);
  TPanel* b = AddAligned(host.get(), alTop, 0, 100, 10, 15);
  // c was placed between a and b, so it is stacked between them.
  TPanel* c = AddAligned(host.get(), alTop, 0, 5, 10, 5);
  EXPECT_EQ(c->Top(), 10);
  EXPECT_EQ(b->Top(), 15);
  c->SetVisible(false);
  EXPECT_EQ(b->Top(), 10);
  c->SetVisible(true);
  // Height changes of an aligned control move the ones after it.
  a->SetHeight(30);
  EXPECT_EQ(c->Top(), 30);
  EXPECT_EQ(b->Top(), 35);
  // Moving a control to the top of the stack reorders it.
  b->SetTop(-1);
  EXPECT_EQ(b->Top(), 0);
  EXPECT_EQ(a->Top(), 15);
}

// Controls of one edge that stand at the same place keep the parent's order of controls when
// read from top to bottom or left to right, at every edge; a control then aligned there from
// the same place comes before them all.
class AlignTiesTest : public ControlsTest, public ::testing::WithParamInterface<TAlign> {};

TEST_P(AlignTiesTest, TiedControlsShowInTheParentsOrder) {
  const TAlign edge = GetParam();
  const bool across = edge == alLeft || edge == alRight;
  auto host = MakeHost(200, 200);
  const auto at = [&](TControl* c) { return across ? c->Left() : c->Top(); };
  host->DisableAlign();
  std::vector<TControl*> tied;
  for (int i = 0; i < 3; ++i) tied.push_back(AddAligned(host.get(), edge, 0, 0, 20, 20));
  host->EnableAlign();
  EXPECT_LT(at(tied[0]), at(tied[1]));
  EXPECT_LT(at(tied[1]), at(tied[2]));
  TPanel* last = AddPanel(host.get(), 0, 0, 20, 20, [](TPanel*) {});
  last->SetAlign(edge);
  EXPECT_LT(at(last), at(tied[0]));
  EXPECT_LT(at(tied[0]), at(tied[1]));
  EXPECT_LT(at(tied[1]), at(tied[2]));
  // Side by side, without gaps.
  std::vector<int> places{at(last), at(tied[0]), at(tied[1]), at(tied[2])};
  for (size_t i = 1; i < places.size(); ++i) EXPECT_EQ(places[i] - places[i - 1], 20) << i;
}

INSTANTIATE_TEST_SUITE_P(Edges, AlignTiesTest, ::testing::Values(alTop, alBottom, alLeft, alRight));

// A form file keeps the places its aligned controls had: one moved above another of its edge
// comes back above it, though it is written (and read) after it.
TEST_F(AlignTest, AFormFileReadsItsAlignedControlsBackInTheOrderOfTheirPlaces) {
  auto form = std::make_unique<TForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 200
  Height = 200
  object First: TBevel
    Left = 0
    Top = 41
    Width = 192
    Height = 41
    Align = alTop
  end
  object Second: TPanel
    Left = 0
    Top = 0
    Width = 192
    Height = 41
    Align = alTop
  end
end)"),
                         form.get());
  auto* first = static_cast<TControl*>(form->FindComponent("First"));
  auto* second = static_cast<TControl*>(form->FindComponent("Second"));
  EXPECT_EQ(second->Top(), 0);
  EXPECT_EQ(first->Top(), 41);
}

TEST_F(AlignTest, BordersDisabledAlignmentAndSideSwitches) {
  auto host = MakeHost(100, 100);
  host->SetBorderWidth(3);
  host->SetBevelOuter(bvRaised);
  host->SetBevelInner(bvLowered);
  host->SetBevelWidth(2);
  // Border width and both bevels shrink the aligned area.
  EXPECT_EQ(AddAligned(host.get(), alClient, 0, 0, 1, 1)->BoundsRect(), Rect(7, 7, 93, 93));

  auto plain = MakeHost(100, 80);
  plain->DisableAlign();
  TPanel* top = AddAligned(plain.get(), alTop, 5, 5, 10, 10);
  EXPECT_EQ(top->BoundsRect(), Rect(5, 5, 15, 15));
  plain->EnableAlign();  // caught up on enable
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 100, 10));
  top->SetAlign(alLeft);  // a vertical side takes the extent as its width
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 10, 80));
}

using PropagationTest = ControlsTest;

TEST_F(PropagationTest, ParentColorAndFontFlowDownUntilAChildSetsItsOwn) {
  TForm form(nullptr);
  auto* panel = Place<TPanel>(&form, 0, 0, 100, 100);
  panel->SetParentColor(true);
  auto* inner = Place<TPanel>(panel, 0, 0, 50, 50);
  inner->SetParentColor(true);
  auto* label = Place<TLabel>(inner, 0, 0, 10, 10);
  EXPECT_EQ(label->Color(), clBtnFace);
  form.SetColor(clNavy);
  EXPECT_EQ(panel->Color(), clNavy);
  EXPECT_EQ(label->Color(), clNavy);
  EXPECT_TRUE(label->ParentColor());
  inner->SetColor(clYellow);
  EXPECT_FALSE(inner->ParentColor());
  EXPECT_EQ(label->Color(), clYellow);
  form.SetColor(clRed);
  EXPECT_EQ(panel->Color(), clRed);
  EXPECT_EQ(inner->Color(), clYellow);
  inner->SetParentColor(true);
  EXPECT_EQ(label->Color(), clRed);

  form.Font()->SetName("Arial");
  form.Font()->SetSize(12);
  EXPECT_EQ(label->Font()->Name(), "Arial");
  EXPECT_EQ(label->Font()->Size(), 12);
  label->Font()->SetStyle({fsBold});
  EXPECT_FALSE(label->ParentFont());
  form.Font()->SetSize(14);
  EXPECT_EQ(panel->Font()->Size(), 14);
  EXPECT_EQ(label->Font()->Size(), 12);
  EXPECT_TRUE(label->Font()->Style().contains(fsBold));
}

TEST_F(PropagationTest, ReparentingPicksUpTheNewParentsSettings) {
  TForm form(nullptr);
  auto* a = Place<TPanel>(&form, 0, 0, 50, 50);
  a->SetColor(clLime);
  a->SetShowHint(true);
  auto* b = Place<TPanel>(&form, 50, 0, 50, 50);
  b->SetColor(clAqua);
  auto* label = Place<TLabel>(a, 0, 0, 10, 10, nullptr, &form);
  EXPECT_EQ(label->Color(), clLime);
  EXPECT_TRUE(label->ShowHint());
  label->SetParent(b);
  EXPECT_EQ(label->Color(), clAqua);
  EXPECT_FALSE(label->ShowHint());
}

// Setting a control's own value to the one it already follows changes nothing: it keeps
// following its parent.
TEST_F(PropagationTest, SettingTheFollowedValueAgainKeepsFollowingTheParent) {
  TForm form(nullptr);
  auto* panel = Place<TPanel>(&form, 0, 0, 50, 50);
  auto* label = Place<TLabel>(panel, 0, 0, 10, 10, nullptr, &form);
  label->SetShowHint(label->ShowHint());
  EXPECT_TRUE(label->ParentShowHint());
  panel->SetCtl3D(panel->Ctl3D());
  EXPECT_TRUE(panel->ParentCtl3D());
  form.SetShowHint(true);
  form.SetCtl3D(false);
  EXPECT_TRUE(label->ShowHint());
  EXPECT_FALSE(panel->Ctl3D());
  // Another value is the control's own.
  label->SetShowHint(false);
  panel->SetCtl3D(true);
  EXPECT_FALSE(label->ParentShowHint());
  EXPECT_FALSE(panel->ParentCtl3D());
}

TEST_F(PropagationTest, NotificationsReachControlsInOrder) {
  TForm form(nullptr);
  TMessageSpy spy(&form, CM_BASE, CM_BASE + 0xFF);
  auto* p = Place<TPanel>(&form, 0, 0, 10, 10);
  p->SetEnabled(false);
  EXPECT_EQ(spy.Msgs, (std::vector<UINT>{CM_CONTROLLISTCHANGE, CM_CONTROLCHANGE}));
  spy.Msgs.clear();
  form.SetCaption("x");
  form.SetEnabled(false);
  form.SetVisible(false);
  EXPECT_EQ(spy.Msgs, (std::vector<UINT>{CM_TEXTCHANGED, CM_ENABLEDCHANGED}));
  spy.Msgs.clear();
  p->SetParent(nullptr);
  EXPECT_EQ(spy.Msgs, (std::vector<UINT>{CM_CONTROLCHANGE, CM_CONTROLLISTCHANGE}));
  delete p;
}

// ---- Painting and hit testing ----

// A graphic control filling itself with Fill (clNone: painting nothing), logging its name.
class TSwatch : public TGraphicControl {
  ZYL_CLASS(TSwatch, TGraphicControl)
  explicit TSwatch(TComponent* AOwner) : TGraphicControl(AOwner) {}
  TColor Fill = clRed;
  TLines* Log = nullptr;
  void SetOpaque(bool v) {
    if (v)
      controlStyle_ += csOpaque;
    else
      controlStyle_ -= csOpaque;
  }

 protected:
  void Paint() override {
    if (Log) Log->push_back(Name());
    if (Fill == clNone) return;
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(ClientRect());
  }
};
ZYL_CLASS_IMPL(TSwatch) {}

// A windowed control painting itself blue.
class TBackdrop : public TCustomControl {
  ZYL_CLASS(TBackdrop, TCustomControl)
  explicit TBackdrop(TComponent* AOwner) : TCustomControl(AOwner) {
    controlStyle_ += csAcceptsControls;
  }

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clBlue);
    Canvas()->FillRect(ClientRect());
  }
};
ZYL_CLASS_IMPL(TBackdrop) {}

TSwatch* AddSwatch(TWinControl* parent, int x, int y, int w, int h, TColor fill,
                   const char* name = nullptr, TLines* log = nullptr) {
  auto* s = Place<TSwatch>(parent, x, y, w, h, name);
  s->Fill = fill;
  s->Log = log;
  return s;
}

using PaintTest = ControlsTest;

TEST_F(PaintTest, GraphicControlsPaintInZOrderBelowWindowedSiblings) {
  TLines log;
  auto form = FramelessForm(200, 100);
  form->SetColor(clWhite);
  TSwatch* a = AddSwatch(form.get(), 10, 10, 60, 40, clRed, "A", &log);
  TSwatch* b = AddSwatch(form.get(), 40, 20, 60, 40, clLime, "B", &log);
  auto* w = Place<TBackdrop>(form.get(), 90, 30, 60, 40);
  ShowNow(form.get());
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_EQ(cap.Color(15, 15), Rgb(clRed));
  EXPECT_EQ(cap.Color(50, 30), Rgb(clLime));  // B over A
  EXPECT_EQ(cap.Color(95, 35), Rgb(clBlue));  // the window over B
  EXPECT_EQ(cap.Color(5, 5), Rgb(clWhite));
  auto pos = [&](const std::string& n) {
    return std::find(log.begin(), log.end(), n) - log.begin();
  };
  EXPECT_LT(pos("A"), pos("B"));
  EXPECT_LT(pos("B"), std::ssize(log));

  // Hit testing agrees: the window above both graphic controls, B above A.
  EXPECT_EQ(form->ControlAtPos({95, 35}, false), w);
  EXPECT_EQ(form->ControlAtPos({50, 30}, false), b);
  EXPECT_EQ(form->ControlAtPos({15, 15}, false), a);
  EXPECT_EQ(form->ControlAtPos({5, 5}, false), nullptr);
  EXPECT_EQ(FindDragTarget(ScreenOf(form.get(), 95, 35), false), w);
  EXPECT_EQ(FindDragTarget(ScreenOf(form.get(), 50, 30), false), b);
  b->SetEnabled(false);
  EXPECT_EQ(form->ControlAtPos({50, 30}, false), a);
  EXPECT_EQ(form->ControlAtPos({50, 30}, true), b);
  b->SetEnabled(true);

  // Bringing A to the front changes both the painting and the hit testing.
  a->BringToFront();
  Idle();
  cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_EQ(cap.Color(50, 30), Rgb(clRed));
  EXPECT_EQ(form->ControlAtPos({50, 30}, false), a);
}

TEST_F(PaintTest, OpaqueGraphicChildrenAreClippedOutOfTheParentsPaint) {
  auto host = FramelessForm(200, 100);
  auto* back = Place<TBackdrop>(host.get(), 0, 0, 200, 100);  // paints blue everywhere it may
  back->SetColor(clYellow);                                   // its erase colour
  AddSwatch(back, 10, 10, 40, 40, clNone)->SetOpaque(true);   // paints nothing itself
  AddSwatch(back, 100, 10, 40, 40, clNone)->SetOpaque(false);
  ShowNow(host.get());
  auto cap = win::testkit::CaptureWindow(back->Handle(), false);
  // Under the opaque child the parent's Paint never drew: the erased background shows.
  EXPECT_EQ(cap.Color(20, 20), Rgb(clYellow));
  // Under the transparent one the parent's painting shows through.
  EXPECT_EQ(cap.Color(110, 20), Rgb(clBlue));
  EXPECT_EQ(cap.Color(70, 70), Rgb(clBlue));
}

// Bevel rings go inwards until the panel is used up and no further (a ring per unit of
// 2^31 - 1 painted for minutes): every pixel lies on the ring of its distance from the edge, lit
// on its top and left, shaded on its bottom and right.
TEST_F(PaintTest, ABevelWiderThanThePanelStopsWhereItsRingsMeet) {
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(TestData("panel_bevel_max.txt")), form.get());
  ShowNow(form.get());
  auto* p = Find<TPanel>(form.get(), "P");
  ASSERT_NE(p, nullptr);
  const int w = p->Width(), h = p->Height();
  EXPECT_TRUE(PixelsMatch(
      win::testkit::CaptureWindow(p->Handle(), false),
      [w, h](int x, int y) {
        const int d = std::min({x, y, w - 1 - x, h - 1 - y});
        const bool shaded = x == w - 1 - d || y == h - 1 - d;
        return Rgb(shaded ? clBtnShadow : clBtnHighlight);
      },
      "bevel_max_int"));
}

TEST_F(PaintTest, DoubleBufferedControlsPaintTheSame) {
  auto host = FramelessForm(120, 80);
  auto* back = Place<TBackdrop>(host.get(), 0, 0, 120, 80);
  AddSwatch(back, 10, 10, 20, 20, clRed);
  ShowNow(host.get());
  auto before = win::testkit::CaptureWindow(back->Handle(), false);
  back->SetDoubleBuffered(true);
  back->Repaint();
  Idle();
  auto after = win::testkit::CaptureWindow(back->Handle(), false);
  EXPECT_TRUE(win::testkit::SamePixels(after, before, "double_buffered"));
  EXPECT_EQ(after.Color(15, 15), Rgb(clRed));
}

// ---- Focus and tab order ----

using FocusTest = ControlsTest;

struct TFocusLog : TLog {
  void Enter(TObject* s) { Add("enter " + static_cast<TComponent*>(s)->Name()); }
  void Exit(TObject* s) { Add("exit " + static_cast<TComponent*>(s)->Name()); }
  template <class T>
  T* Watch(T* c) {
    c->OnEnter = TNotifyEvent(this, &TFocusLog::Enter);
    c->OnExit = TNotifyEvent(this, &TFocusLog::Exit);
    return c;
  }
};

TEST_F(FocusTest, TabMovesThroughControlsInTabOrderAcrossContainers) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  TFocusLog log;
  auto button = [&](TWinControl* parent, const char* name, int x) {
    return log.Watch(Place<TButton>(parent, x, 5, 40, 20, name, &form));
  };
  TButton* b1 = button(&form, "B1", 5);
  auto* panel = log.Watch(Place<TPanel>(&form, 0, 50, 300, 50, "P"));
  TButton* p1 = button(panel, "P1", 5);
  TButton* p2 = button(panel, "P2", 50);
  TButton* b2 = button(&form, "B2", 50);
  button(&form, "Off", 100)->SetTabStop(false);
  // The panel comes first in the form's tab order, then B1, then B2.
  panel->SetTabOrder(0);
  EXPECT_EQ(b1->TabOrder(), 1);
  p2->SetTabOrder(0);
  ShowNow(&form);
  // The first tab stop got the focus on activation.
  EXPECT_TRUE(p2->Focused());
  EXPECT_EQ(form.ActiveControl(), p2);
  EXPECT_EQ(log.Entries, (TLines{"enter P", "enter P2"}));
  log.Clear();
  win::testkit::KeyPress(win::VK_TAB);
  EXPECT_TRUE(p1->Focused());
  win::testkit::KeyPress(win::VK_TAB);
  EXPECT_TRUE(b1->Focused());
  EXPECT_EQ(log.Entries, (TLines{"exit P2", "enter P1", "exit P1", "exit P", "enter B1"}));
  win::testkit::KeyPress(win::VK_TAB);
  EXPECT_TRUE(b2->Focused());
  win::testkit::KeyPress(win::VK_TAB);  // "Off" has no tab stop: wraps to the panel's first
  EXPECT_TRUE(p2->Focused());
  // Shift+Tab goes back.
  win::testkit::SetShiftState(true, false, false);
  win::testkit::KeyPress(win::VK_TAB);
  win::testkit::SetShiftState(false, false, false);
  EXPECT_TRUE(b2->Focused());
  // Disabled or hidden controls are skipped.
  p2->SetEnabled(false);
  p1->SetVisible(false);
  win::testkit::KeyPress(win::VK_TAB);
  EXPECT_TRUE(b1->Focused());
  EXPECT_EQ(form.FindNextControl(b1, true, true, false), b2);
}

TEST_F(FocusTest, SetFocusRefusesWhatCannotTakeIt) {
  TForm form(nullptr);
  auto* b = Place<TButton>(&form, 0, 0, 40, 20);
  EXPECT_FALSE(b->Focused());
  EXPECT_THROW(b->SetFocus(), EInvalidOperation);  // the form is not shown
  ShowNow(&form);
  b->SetEnabled(false);
  EXPECT_FALSE(b->CanFocus());
  EXPECT_THROW(b->SetFocus(), EInvalidOperation);
  TButton orphan(nullptr);
  EXPECT_FALSE(orphan.CanFocus());
  EXPECT_THROW(orphan.SetFocus(), EInvalidOperation);
}

// A handler that frees the control the focus is moving to, while the focus leaves the old one:
// the move stops, nothing is left pointing at the freed control and the form takes the focus on.
struct TFreeOnExit : TObject {
  TControl* Victim = nullptr;
  void Exit(TObject*) { delete std::exchange(Victim, nullptr); }
};

TEST_F(FocusTest, AControlFreedWhileTheFocusMovesToItIsForgotten) {
  for (const bool byTab : {true, false}) {
    SCOPED_TRACE(byTab ? "tab" : "set focus");
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* a = Place<TButton>(&form, 5, 5, 40, 20, "A");
    auto* b = Place<TButton>(&form, 50, 5, 40, 20, "B");
    auto* c = Place<TButton>(&form, 95, 5, 40, 20, "C");
    ShowNow(&form);
    a->SetFocus();
    const void* freed = b;
    TFreeOnExit freer;
    freer.Victim = b;
    a->OnExit = TNotifyEvent(&freer, &TFreeOnExit::Exit);
    if (byTab)
      win::testkit::KeyPress(win::VK_TAB);
    else
      b->SetFocus();
    win::testkit::RunUntilIdle();
    EXPECT_EQ(freer.Victim, nullptr);
    EXPECT_EQ(form.FindComponent("B"), nullptr);
    EXPECT_NE(static_cast<const void*>(form.ActiveControl()), freed);
    // The focus goes on from where it is.
    a->OnExit = nullptr;
    c->SetFocus();
    EXPECT_TRUE(c->Focused());
    EXPECT_EQ(form.ActiveControl(), c);
  }
}

// A modal form shown from OnExit while the focus moves on (closed at once): the focus still
// comes to the control it was going to, which the form names as its active control and tells
// its controls of (a button that looked the default one while focused looks so no more).
class TFocusChangedLog : public TObject {
 public:
  explicit TFocusChangedLog(TControl* c) : control_(c), old_(c->WindowProc()) {
    c->SetWindowProc(TWndMethod(this, &TFocusChangedLog::Proc));
  }
  ~TFocusChangedLog() override { control_->SetWindowProc(old_); }
  TControl* Last = nullptr;

 private:
  void Proc(TMessage& m) {
    if (m.Msg == CM_FOCUSCHANGED) Last = reinterpret_cast<TControl*>(m.LParam);
    old_(m);
  }
  TControl* control_;
  TWndMethod old_;
};

struct TModalOnExit : TObject {
  void Exit(TObject*) {
    TForm box(nullptr);
    box.ShowModal();
  }
};

TEST_F(FocusTest, AModalFormShownFromOnExitLetsTheFocusArrive) {
  for (const bool byTab : {true, false}) {
    SCOPED_TRACE(byTab ? "tab" : "set focus");
    SetModalFormHandler([](TCustomForm* f) { f->SetModalResult(mrCancel); });
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* a = Place<TButton>(&form, 5, 5, 40, 20, "A");
    auto* b = Place<TButton>(&form, 50, 5, 40, 20, "B");
    ShowNow(&form);
    a->SetFocus();
    TFocusChangedLog log(a);
    TModalOnExit modal;
    a->OnExit = TNotifyEvent(&modal, &TModalOnExit::Exit);
    if (byTab)
      win::testkit::KeyPress(win::VK_TAB);
    else
      b->SetFocus();
    win::testkit::RunUntilIdle();
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(form.ActiveControl(), b);
    EXPECT_EQ(log.Last, b);
    a->OnExit = nullptr;
  }
}

TEST_F(FocusTest, KeyEventsGoToTheFocusedControlAfterThePreview) {
  TForm form(nullptr);
  auto* b = Place<TButton>(&form, 0, 0, 40, 20);
  struct TKeys : TLog {
    void Down(TObject* s, uint16_t& key, TShiftState) {
      Add(static_cast<TComponent*>(s)->ClassName() + " down " + std::to_string(key));
      if (key == 'Q') key = 0;  // eaten
    }
    void Press(TObject* s, char& key) {
      Add(static_cast<TComponent*>(s)->ClassName() + " press " + key);
    }
  } log;
  b->OnKeyDown = TKeyEvent(&log, &TKeys::Down);
  b->OnKeyPress = TKeyPressEvent(&log, &TKeys::Press);
  form.OnKeyDown = TKeyEvent(&log, &TKeys::Down);
  ShowNow(&form);
  ASSERT_TRUE(b->Focused());
  win::testkit::KeyPress('A');
  EXPECT_EQ(log.Entries, (TLines{"TButton down 65", "TButton press a"}));
  log.Clear();
  form.SetKeyPreview(true);
  win::testkit::KeyPress('A');
  EXPECT_EQ(log.Entries, (TLines{"TForm down 65", "TButton down 65", "TButton press a"}));
  log.Clear();
  win::testkit::KeyPress('Q');  // the form's preview eats it
  EXPECT_EQ(log.Entries, (TLines{"TForm down 81", "TButton press q"}));
}

// ---- Mouse ----

using MouseTest = ControlsTest;

TEST_F(MouseTest, EnterAndLeaveFollowTheCursorAcrossNestedControls) {
  auto form = FramelessForm(300, 200, 100, 100);
  form->SetName("F");
  auto* panel = Place<TPanel>(form.get(), 50, 50, 200, 100, "P");
  auto* label = FixedLabel(panel, 10, 10, 50, 20, "L", form.get());
  auto* button = Place<TButton>(panel, 100, 10, 60, 30, "B", form.get());
  ShowNow(form.get());
  std::vector<std::unique_ptr<TMessageSpy>> spies;
  for (TControl* c : std::initializer_list<TControl*>{form.get(), panel, label, button})
    spies.push_back(std::make_unique<TMessageSpy>(c, CM_MOUSEENTER, CM_MOUSELEAVE));
  auto moveTo = [&](TControl* c, int x, int y) {
    for (auto& s : spies) s->Clear();
    MoveTo(c, x, y);
  };
  // "enter" or "leave", and the child the mouse went to or came from ("-": the control).
  auto logOf = [&](size_t i) {
    TLines log;
    for (size_t k = 0; k < spies[i]->Msgs.size(); ++k) {
      const LPARAM child = spies[i]->Params[k];
      log.push_back(std::string(spies[i]->Msgs[k] == CM_MOUSEENTER ? "enter " : "leave ") +
                    (child ? reinterpret_cast<TControl*>(child)->Name() : "-"));
    }
    return log;
  };

  moveTo(form.get(), 5, 5);
  EXPECT_EQ(MouseControl(), form.get());
  EXPECT_EQ(logOf(0), (TLines{"enter -"}));
  moveTo(panel, 5, 5);  // into the panel
  EXPECT_EQ(MouseControl(), panel);
  EXPECT_EQ(logOf(0), (TLines{"leave -", "enter P"}));
  EXPECT_EQ(logOf(1), (TLines{"enter -"}));
  moveTo(label, 5, 5);  // a graphic control inside the panel
  EXPECT_EQ(MouseControl(), label);
  EXPECT_EQ(logOf(1), (TLines{"leave -", "enter L"}));
  EXPECT_EQ(logOf(2), (TLines{"enter -"}));
  EXPECT_EQ(logOf(0), (TLines{"leave P", "enter L"}));
  moveTo(button, 5, 5);  // straight from the label to the button
  EXPECT_EQ(MouseControl(), button);
  EXPECT_EQ(logOf(2), (TLines{"leave -"}));
  EXPECT_EQ(logOf(3), (TLines{"enter -"}));
  EXPECT_EQ(logOf(1), (TLines{"leave L", "enter B"}));
  moveTo(button, 6, 6);  // moving within the same control sends nothing
  for (auto& s : spies) EXPECT_TRUE(s->Msgs.empty());
  win::testkit::MouseMove(5, 5);  // off the form altogether
  Idle();
  EXPECT_EQ(MouseControl(), nullptr);
  EXPECT_EQ(logOf(3), (TLines{"leave -"}));
}

// A parent whose handling of the mouse leaving its graphic child raises (a user's handler of
// it) hands the error to the application; the mouse has left the child all the same, and the
// parent it went to is entered at once, so that it hears the mouse leave again.
TEST_F(MouseTest, ARaisingLeaveStillEntersTheControlTheMouseWentTo) {
  testsupport::TRaisingHandler raising;
  raising.Armed = false;
  auto form = FramelessForm(300, 200, 100, 100);
  auto* panel = Place<TPanel>(form.get(), 10, 10, 200, 100, "P");
  auto* label = FixedLabel(panel, 10, 10, 50, 20, "L", form.get());
  ShowNow(form.get());
  struct TRaisingLeave : TObject {
    TWndMethod Old;
    TControl* Child = nullptr;
    testsupport::TRaisingHandler* Raising = nullptr;
    void Proc(TMessage& m) {
      Old(m);
      if (m.Msg == CM_MOUSELEAVE && m.LParam == PtrToLParam(Child)) Raising->Raise();
    }
  } leave;
  leave.Old = panel->WindowProc();
  leave.Child = label;
  leave.Raising = &raising;
  panel->SetWindowProc(TWndMethod(&leave, &TRaisingLeave::Proc));
  {
    // The spy chains to the raising procedure: it is gone before that procedure is taken off.
    TMessageSpy spy(panel, CM_MOUSEENTER, CM_MOUSELEAVE);
    MoveTo(label, 5, 5);
    EXPECT_EQ(MouseControl(), label);
    raising.Armed = true;
    spy.Clear();
    MoveTo(panel, 100, 60);  // off the label onto the panel's own ground
    EXPECT_EQ(raising.Arrived, std::vector<std::string>{"The file was not found"});
    EXPECT_EQ(MouseControl(), panel);
    EXPECT_EQ(spy.Msgs, (std::vector<UINT>{CM_MOUSELEAVE, CM_MOUSEENTER}));
    EXPECT_EQ(spy.Params.back(), 0);
    raising.Armed = false;
    spy.Clear();
    MoveTo(label, 5, 5);
    EXPECT_EQ(MouseControl(), label);
    EXPECT_EQ(spy.Msgs, (std::vector<UINT>{CM_MOUSELEAVE, CM_MOUSEENTER}));
  }
  panel->SetWindowProc(leave.Old);
}

// A control hears the mouse leave exactly when it heard it enter, whoever holds the mouse
// meanwhile: a press on a disabled label goes to the form, which keeps the mouse while the
// button is down; a press on a panel keeps the mouse with the panel while it is dragged onto a
// label, which is entered once the button is up.
struct TEnterLeaveCase {
  const char* Name;
  bool LabelEnabled;
  bool PressOnPanel;
  const char* Expected;  // the label's messages, each step's after a '|'
};

class MouseEnterLeave : public ControlsTest,
                        public ::testing::WithParamInterface<TEnterLeaveCase> {};

TEST_P(MouseEnterLeave, EveryEnterHasItsLeave) {
  const TEnterLeaveCase& c = GetParam();
  auto form = FramelessForm(300, 200, 100, 100);
  auto* panel = Place<TPanel>(form.get(), 10, 10, 60, 60, "P");
  auto* label = FixedLabel(form.get(), 100, 10, 60, 60, "L", form.get());
  label->SetEnabled(c.LabelEnabled);
  ShowNow(form.get());
  TMessageSpy spy(label, CM_MOUSEENTER, CM_MOUSELEAVE);
  std::string log;
  // What the program's loop does when it runs out of messages, which tracks the mouse too.
  auto step = [&] {
    Idle();
    win::MSG none{};
    Application->Idle(none);
    for (UINT m : spy.Msgs) log += m == CM_MOUSEENTER ? "enter " : "leave ";
    log += "|";
    spy.Clear();
  };
  const TPoint onLabel = ScreenOf(label, 20, 20), off = ScreenOf(form.get(), 200, 150);
  const TPoint start = c.PressOnPanel ? ScreenOf(panel, 20, 20) : onLabel;
  win::testkit::MouseMove(start.X, start.Y);
  step();
  win::testkit::MouseDown(start.X, start.Y);
  win::testkit::MouseMove(off.X, off.Y);
  win::testkit::MouseMove(onLabel.X, onLabel.Y);
  win::testkit::MouseMove(off.X, off.Y);
  win::testkit::MouseMove(onLabel.X, onLabel.Y);
  win::testkit::MouseUp(onLabel.X, onLabel.Y);
  step();
  win::testkit::MouseMove(off.X, off.Y);
  step();
  EXPECT_EQ(log, c.Expected);
  EXPECT_EQ(win::GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MouseEnterLeave,
    ::testing::Values(
        // Pressed on itself, the label keeps the mouse and hears every crossing.
        TEnterLeaveCase{"EnabledLabel", true, false, "enter |leave enter leave enter |leave |"},
        // The form keeps the mouse: the label hears the leave once the form lets it go.
        TEnterLeaveCase{"DisabledLabel", false, false, "enter |leave enter |leave |"},
        // Dragged onto from the panel: entered when the button is up, then left.
        TEnterLeaveCase{"DraggedOnto", true, true, "|enter |leave |"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MouseTest, ClicksReachGraphicControlsWithCapture) {
  auto form = FramelessForm(200, 100);
  auto* label = FixedLabel(form.get(), 20, 20, 50, 20);
  struct TM : TLog {
    void Down(TObject*, TMouseButton b, TShiftState s, int x, int y) {
      Add("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y) +
          (s.contains(ssDouble) ? " double" : ""));
    }
    void Up(TObject*, TMouseButton b, TShiftState, int x, int y) {
      Add("up " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
    }
    void Click(TObject*) { Add("click"); }
    void Dbl(TObject*) { Add("dblclick"); }
  } log;
  label->OnMouseDown = TMouseEvent(&log, &TM::Down);
  label->OnMouseUp = TMouseEvent(&log, &TM::Up);
  label->OnClick = TNotifyEvent(&log, &TM::Click);
  label->OnDblClick = TNotifyEvent(&log, &TM::Dbl);
  ShowNow(form.get());
  const TPoint p = ScreenOf(label, 5, 6);
  win::testkit::Click(p.X, p.Y);
  EXPECT_EQ(log.Entries, (TLines{"down 0 5,6", "click", "up 0 5,6"}));
  log.Clear();
  // Pressed inside, released outside: the capture keeps the messages but there is no click.
  Session().Clock().Advance(1000);
  win::testkit::MouseDown(p.X, p.Y);
  EXPECT_TRUE(label->MouseCapture());
  win::testkit::MouseUp(p.X + 100, p.Y);
  EXPECT_FALSE(label->MouseCapture());
  EXPECT_EQ(log.Entries, (TLines{"down 0 5,6", "up 0 105,6"}));
  log.Clear();
  Session().Clock().Advance(1000);
  win::testkit::DoubleClick(p.X, p.Y);
  EXPECT_EQ(log.Entries, (TLines{"down 0 5,6", "click", "up 0 5,6", "dblclick", "down 0 5,6 double",
                                 "up 0 5,6"}));
}

// A press interrupted before its release: a modal form shown from OnMouseDown (closed at once),
// the control disabled or hidden from there, the focus moved away from a control that held it,
// another window taking the mouse, the focus taken away by OnEnter while the press brings it.
// The release that follows raises no click and leaves the mouse free; the next press and
// release click as before.
enum class TInterruption { Modal, Disabled, Hidden, FocusMoved, CaptureTaken, FocusMovedOnEnter };

struct TInterruptedPress {
  const char* Name;
  bool Windowed;  // a panel, else a label
  TInterruption How;
};

class InterruptedPress : public ControlsTest,
                         public ::testing::WithParamInterface<TInterruptedPress> {};

TEST_P(InterruptedPress, TheReleaseRaisesNoClickAndTheNextPressClicks) {
  const TInterruptedPress& c = GetParam();
  auto form = FramelessForm(200, 100);
  TControl* control = nullptr;
  if (c.Windowed)
    control = Place<TPanel>(form.get(), 20, 20, 60, 30);
  else
    control = FixedLabel(form.get(), 20, 20, 60, 30);
  auto* other = Place<TEdit>(form.get(), 120, 60, 60, 24);
  auto* taker = Place<TPanel>(form.get(), 120, 10, 40, 30);
  struct TM : TLog {
    std::function<void()> Act;
    void Down(TObject*, TMouseButton, TShiftState, int, int) {
      Add("down");
      if (auto act = std::exchange(Act, nullptr)) act();
    }
    void Click(TObject*) { Add("click"); }
    std::function<void()> EnterAct;
    void Enter(TObject*) {
      if (auto act = std::exchange(EnterAct, nullptr)) act();
    }
  } log;
  control->OnMouseDown = TMouseEvent(&log, &TM::Down);
  control->OnClick = TNotifyEvent(&log, &TM::Click);
  SetModalFormHandler([](TCustomForm* f) { f->SetModalResult(mrCancel); });
  ShowNow(form.get());
  auto* panel = dynamic_cast<TPanel*>(control);
  if (panel) panel->SetFocus();
  if (c.How == TInterruption::FocusMovedOnEnter) {
    other->SetFocus();
    panel->OnEnter = TNotifyEvent(&log, &TM::Enter);
    log.EnterAct = [&] { other->SetFocus(); };
  }
  log.Act = [&] {
    switch (c.How) {
      case TInterruption::Modal: {
        TForm box(nullptr);
        box.ShowModal();
        break;
      }
      case TInterruption::Disabled: control->SetEnabled(false); break;
      case TInterruption::Hidden: control->Hide(); break;
      case TInterruption::FocusMoved: other->SetFocus(); break;
      case TInterruption::CaptureTaken: win::SetCapture(taker->Handle()); break;
      case TInterruption::FocusMovedOnEnter: panel->SetFocus(); break;
    }
  };
  const TPoint p = ScreenOf(control, 10, 10);
  win::testkit::MouseDown(p.X, p.Y);
  // The window that took the mouse lets it go when the button is up.
  if (c.How == TInterruption::CaptureTaken) {
    EXPECT_EQ(win::GetCapture(), taker->Handle());
  }
  win::testkit::MouseUp(p.X, p.Y);
  if (c.How == TInterruption::CaptureTaken) win::ReleaseCapture();
  EXPECT_EQ(log.Entries, (TLines{"down"}));
  EXPECT_EQ(win::GetCapture(), nullptr);
  EXPECT_EQ(GetCaptureControl(), nullptr);
  // Shown and enabled again, the control clicks.
  control->SetEnabled(true);
  control->Show();
  Idle();
  log.Clear();
  Session().Clock().Advance(1000);
  win::testkit::Click(p.X, p.Y);
  EXPECT_EQ(log.Entries, (TLines{"down", "click"}));
  EXPECT_EQ(win::GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InterruptedPress,
    ::testing::Values(TInterruptedPress{"LabelModal", false, TInterruption::Modal},
                      TInterruptedPress{"LabelDisabled", false, TInterruption::Disabled},
                      TInterruptedPress{"LabelHidden", false, TInterruption::Hidden},
                      TInterruptedPress{"PanelModal", true, TInterruption::Modal},
                      TInterruptedPress{"PanelDisabled", true, TInterruption::Disabled},
                      TInterruptedPress{"PanelHidden", true, TInterruption::Hidden},
                      TInterruptedPress{"PanelFocusMoved", true, TInterruption::FocusMoved},
                      TInterruptedPress{"PanelCaptureTaken", true, TInterruption::CaptureTaken},
                      TInterruptedPress{"PanelFocusMovedOnEnter", true,
                                        TInterruption::FocusMovedOnEnter}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- Windows ----

using WindowTest = ControlsTest;

TEST_F(WindowTest, RecreateWndKeepsTheControlsState) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  auto* panel = Place<TPanel>(&form, 10, 20, 150, 80);
  panel->SetCaption("Caption");
  auto* inner = Place<TButton>(panel, 5, 5, 50, 20, nullptr, &form);
  auto* after = Place<TButton>(&form, 200, 20, 50, 20);
  ShowNow(&form);
  inner->SetFocus();
  Idle();
  const win::HWND oldPanel = panel->Handle(), oldInner = inner->Handle();
  TMessageSpy spy(panel, CM_RECREATEWND, CM_RECREATEWND);
  panel->SetBorderStyle(bsSingle);  // a style change re-creates the window
  Idle();
  EXPECT_EQ(spy.Msgs.size(), 1u);
  EXPECT_NE(panel->Handle(), oldPanel);
  EXPECT_FALSE(win::IsWindow(oldPanel));
  EXPECT_FALSE(win::IsWindow(oldInner));
  EXPECT_TRUE(win::IsWindowVisible(panel->Handle()));
  EXPECT_TRUE(win::IsWindowVisible(inner->Handle()));
  EXPECT_EQ(panel->BoundsRect(), Rect(10, 20, 160, 100));
  EXPECT_EQ(inner->BoundsRect(), Rect(5, 5, 55, 25));
  char text[32];
  win::GetWindowTextA(panel->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Caption");
  EXPECT_EQ(win::GetParent(inner->Handle()), panel->Handle());
  EXPECT_TRUE(win::GetWindowLongA(panel->Handle(), win::GWL_EXSTYLE) & win::WS_EX_CLIENTEDGE);
  // The client area shrank by the new edge; the controls keep their places and z-order.
  EXPECT_EQ(panel->ClientWidth(), 146);
  EXPECT_EQ(FindDragTarget(ScreenOf(&form, 205, 25), false), after);
  EXPECT_EQ(FindControl(panel->Handle()), panel);
  EXPECT_EQ(FindControl(oldPanel), nullptr);
}

// A panel made again around the focused edit leaves the focus, the text and the caret with the
// edit, and tells no one the focus moved.
TEST_F(WindowTest, RecreateWndOfAParentKeepsTheFocusInside) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  auto* panel = Place<TPanel>(&form, 10, 20, 150, 80);
  auto* edit = Place<TEdit>(panel, 5, 5, 100, 24);
  Place<TEdit>(&form, 200, 20, 50, 24);
  ShowNow(&form);
  edit->SetFocus();
  Idle();
  win::testkit::TypeText("abc");
  TLog entered, exited;
  edit->OnEnter = entered.Counter();
  edit->OnExit = exited.Counter();
  const win::HWND old = edit->Handle();
  panel->SetBorderStyle(bsSingle);
  Idle();
  EXPECT_FALSE(win::IsWindow(old));
  EXPECT_EQ(win::GetFocus(), edit->Handle());
  EXPECT_EQ(form.ActiveControl(), edit);
  EXPECT_EQ(entered.Count, 0);
  EXPECT_EQ(exited.Count, 0);
  EXPECT_EQ(edit->SelStart(), 3);
  win::testkit::TypeText("d");
  EXPECT_EQ(edit->Text(), "abcd");
}

TEST_F(WindowTest, HandlesAreMadeOnDemandWithOneClassPerFrameworkClass) {
  TForm form(nullptr);
  auto* b = Place<TButton>(&form, 0, 0, 40, 20);
  EXPECT_FALSE(form.HandleAllocated());
  EXPECT_FALSE(b->HandleAllocated());
  const win::HWND h = b->Handle();  // asks the parent for its window first
  EXPECT_TRUE(form.HandleAllocated());
  char cls[32];
  win::GetClassNameA(h, cls, sizeof cls);
  EXPECT_STREQ(cls, "TButton");
  win::GetClassNameA(form.Handle(), cls, sizeof cls);
  EXPECT_STREQ(cls, "TForm");
  EXPECT_EQ(win::GetParent(h), form.Handle());
  // Window messages sent to the handle reach the control's WindowProc.
  b->SetCaption("Go");
  EXPECT_EQ(win::SendMessageA(h, win::WM_GETTEXTLENGTH, 0, 0), 2);
  win::SendMessageA(h, win::WM_SETTEXT, 0, PtrToLParam("Stop"));
  EXPECT_EQ(b->Caption(), "Stop");
  // A control with no parent and no parent window has nowhere to live.
  TButton loose(nullptr);
  EXPECT_THROW(loose.HandleNeeded(), EInvalidOperation);
}

TEST_F(WindowTest, GeometryFollowsTheWindowAndConvertsPoints) {
  auto form = FramelessForm(300, 200, 100, 50);
  auto* panel = Place<TPanel>(form.get(), 10, 20, 100, 80);
  auto* label = Place<TLabel>(panel, 3, 4, 20, 10);
  ShowNow(form.get());
  EXPECT_EQ(label->ClientToScreen({1, 1}), Point(114, 75));
  EXPECT_EQ(label->ScreenToClient({114, 75}), Point(1, 1));
  EXPECT_EQ(panel->ClientOrigin(), Point(110, 70));
  // Moving the window by the platform updates the control's bounds.
  win::SetWindowPos(panel->Handle(), nullptr, 30, 40, 120, 90, win::SWP_NOZORDER);
  EXPECT_EQ(panel->BoundsRect(), Rect(30, 40, 150, 130));
  panel->SetClientWidth(50);
  EXPECT_EQ(panel->Width(), 50);
}

}  // namespace
}  // namespace vcl::testing
