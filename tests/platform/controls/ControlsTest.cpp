#include "ControlsTestSupport.h"

#include "platform/classes/TypeInfo.h"

namespace vcl::testing {
namespace {

using AlignTest = ControlsTest;

// A bare container whose client area is its whole size (no window needed for alignment).
TPanel* MakeHost(TComponent* owner, int w, int h) {
  auto* p = new TPanel(owner);
  p->SetBevelOuter(bvNone);
  p->SetBounds(0, 0, w, h);
  return p;
}

TPanel* AddAligned(TPanel* host, TAlign a, int l, int t, int w, int h) {
  auto* c = new TPanel(host);
  c->SetBounds(l, t, w, h);
  c->SetAlign(a);
  c->SetParent(host);
  return c;
}

TEST_F(AlignTest, SidesAreTakenInOrderTopBottomLeftRightClient) {
  std::unique_ptr<TPanel> host(MakeHost(nullptr, 400, 300));
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
  std::unique_ptr<TPanel> host(MakeHost(nullptr, 200, 200));
  TPanel* a = AddAligned(host.get(), alTop, 0, 0, 10, 10);
  TPanel* b = AddAligned(host.get(), alTop, 0, 100, 10, 15);
  // c was placed between a and b, so it is stacked between them.
  TPanel* c = AddAligned(host.get(), alTop, 0, 5, 10, 5);
  EXPECT_EQ(a->Top(), 0);
  EXPECT_EQ(c->Top(), 10);
  EXPECT_EQ(b->Top(), 15);
  c->SetVisible(false);
  EXPECT_EQ(b->Top(), 10);
  c->SetVisible(true);
  EXPECT_EQ(b->Top(), 15);
  // Height changes of an aligned control move the ones after it.
  a->SetHeight(30);
  EXPECT_EQ(c->Top(), 30);
  EXPECT_EQ(b->Top(), 35);
  // Moving a control to the top of the stack reorders it.
  b->SetTop(-1);
  EXPECT_EQ(b->Top(), 0);
  EXPECT_EQ(a->Top(), 15);
}

TEST_F(AlignTest, BorderWidthAndBevelsShrinkTheAlignedArea) {
  std::unique_ptr<TPanel> host(MakeHost(nullptr, 100, 100));
  host->SetBorderWidth(3);
  host->SetBevelOuter(bvRaised);
  host->SetBevelInner(bvLowered);
  host->SetBevelWidth(2);
  TPanel* client = AddAligned(host.get(), alClient, 0, 0, 1, 1);
  EXPECT_EQ(client->BoundsRect(), Rect(7, 7, 93, 93));
}

TEST_F(AlignTest, DisabledAlignmentIsCaughtUpOnEnable) {
  std::unique_ptr<TPanel> host(MakeHost(nullptr, 100, 100));
  host->DisableAlign();
  TPanel* top = AddAligned(host.get(), alTop, 5, 5, 10, 10);
  EXPECT_EQ(top->BoundsRect(), Rect(5, 5, 15, 15));
  host->EnableAlign();
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 100, 10));
}

TEST_F(AlignTest, SwitchingBetweenVerticalAndHorizontalSidesSwapsTheExtent) {
  std::unique_ptr<TPanel> host(MakeHost(nullptr, 100, 80));
  TPanel* p = AddAligned(host.get(), alTop, 0, 0, 100, 20);
  p->SetAlign(alLeft);
  EXPECT_EQ(p->BoundsRect(), Rect(0, 0, 20, 80));
}

using PropagationTest = ControlsTest;

TEST_F(PropagationTest, ParentColorAndFontFlowDownUntilAChildSetsItsOwn) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetParentColor(true);
  auto* inner = new TPanel(form.get());
  inner->SetParent(panel);
  inner->SetParentColor(true);
  auto* label = new TLabel(form.get());
  label->SetParent(inner);
  EXPECT_EQ(label->Color(), clBtnFace);
  form->SetColor(clNavy);
  EXPECT_EQ(panel->Color(), clNavy);
  EXPECT_EQ(inner->Color(), clNavy);
  EXPECT_EQ(label->Color(), clNavy);
  EXPECT_TRUE(label->ParentColor());
  inner->SetColor(clYellow);
  EXPECT_FALSE(inner->ParentColor());
  EXPECT_EQ(label->Color(), clYellow);
  form->SetColor(clRed);
  EXPECT_EQ(panel->Color(), clRed);
  EXPECT_EQ(inner->Color(), clYellow);
  inner->SetParentColor(true);
  EXPECT_EQ(inner->Color(), clRed);
  EXPECT_EQ(label->Color(), clRed);

  form->Font()->SetName("Arial");
  form->Font()->SetSize(12);
  EXPECT_EQ(label->Font()->Name(), "Arial");
  EXPECT_EQ(label->Font()->Size(), 12);
  EXPECT_TRUE(label->ParentFont());
  label->Font()->SetStyle({fsBold});
  EXPECT_FALSE(label->ParentFont());
  form->Font()->SetSize(14);
  EXPECT_EQ(panel->Font()->Size(), 14);
  EXPECT_EQ(label->Font()->Size(), 12);
  EXPECT_TRUE(label->Font()->Style().contains(fsBold));
}

TEST_F(PropagationTest, ReparentingPicksUpTheNewParentsSettings) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  auto* a = new TPanel(form.get());
  a->SetParent(form.get());
  a->SetColor(clLime);
  a->SetShowHint(true);
  auto* b = new TPanel(form.get());
  b->SetParent(form.get());
  b->SetColor(clAqua);
  auto* label = new TLabel(form.get());
  label->SetParent(a);
  EXPECT_EQ(label->Color(), clLime);
  EXPECT_TRUE(label->ShowHint());
  label->SetParent(b);
  EXPECT_EQ(label->Color(), clAqua);
  EXPECT_FALSE(label->ShowHint());
}

TEST_F(PropagationTest, NotificationsReachControlsInOrder) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  std::vector<UINT> seen;
  struct TSpy : TObject {
    std::vector<UINT>* Seen;
    TWndMethod Old;
    void Proc(TMessage& m) {
      if (m.Msg >= CM_BASE && m.Msg < CM_BASE + 0x100) Seen->push_back(m.Msg);
      Old(m);
    }
  } spy;
  spy.Seen = &seen;
  spy.Old = form->WindowProc();
  form->SetWindowProc(TWndMethod(&spy, &TSpy::Proc));
  auto* p = new TPanel(form.get());
  p->SetParent(form.get());
  p->SetEnabled(false);
  EXPECT_EQ(seen, (std::vector<UINT>{CM_CONTROLLISTCHANGE, CM_CONTROLCHANGE}));
  seen.clear();
  form->SetCaption("x");
  form->SetEnabled(false);
  form->SetVisible(false);
  EXPECT_EQ(seen, (std::vector<UINT>{CM_TEXTCHANGED, CM_ENABLEDCHANGED}));
  seen.clear();
  p->SetParent(nullptr);
  EXPECT_EQ(seen, (std::vector<UINT>{CM_CONTROLCHANGE, CM_CONTROLLISTCHANGE}));
  form->SetWindowProc(spy.Old);
  delete p;
}

// ---- Painting and hit testing ----

class TSwatch : public TGraphicControl {
  ZYL_CLASS(TSwatch, TGraphicControl)
  explicit TSwatch(TComponent* AOwner) : TGraphicControl(AOwner) {}
  TColor Fill = clRed;
  std::vector<std::string>* Log = nullptr;
  void SetOpaque(bool v) {
    if (v) controlStyle_ += csOpaque;
    else controlStyle_ -= csOpaque;
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

class TBackdrop : public TCustomControl {
  ZYL_CLASS(TBackdrop, TCustomControl)
  explicit TBackdrop(TComponent* AOwner) : TCustomControl(AOwner) {
    controlStyle_ += csAcceptsControls;
  }
  std::vector<std::string>* Log = nullptr;

 protected:
  void Paint() override {
    if (Log) Log->push_back(Name());
    Canvas()->Brush()->SetColor(clBlue);
    Canvas()->FillRect(ClientRect());
  }
};
ZYL_CLASS_IMPL(TBackdrop) {}

using PaintTest = ControlsTest;

TEST_F(PaintTest, GraphicControlsPaintInZOrderBelowWindowedSiblings) {
  std::vector<std::string> log;
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 200, 100);
  form->SetColor(clWhite);
  auto* a = new TSwatch(form);
  a->SetName("A");
  a->SetBounds(10, 10, 60, 40);
  a->Fill = clRed;
  a->Log = &log;
  a->SetParent(form);
  auto* b = new TSwatch(form);
  b->SetName("B");
  b->SetBounds(40, 20, 60, 40);
  b->Fill = clLime;
  b->Log = &log;
  b->SetParent(form);
  auto* w = new TBackdrop(form);
  w->SetName("W");
  w->SetBounds(90, 30, 60, 40);
  w->Log = &log;
  w->SetParent(form);
  form->Show();
  Idle();
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_EQ(cap.Color(15, 15), static_cast<win::COLORREF>(clRed));
  EXPECT_EQ(cap.Color(50, 30), static_cast<win::COLORREF>(clLime));  // B over A
  EXPECT_EQ(cap.Color(95, 35), static_cast<win::COLORREF>(clBlue));  // the window over B
  EXPECT_EQ(cap.Color(5, 5), static_cast<win::COLORREF>(clWhite));
  ASSERT_GE(log.size(), 3u);
  auto pos = [&](const std::string& n) { return std::find(log.begin(), log.end(), n) - log.begin(); };
  EXPECT_LT(pos("A"), pos("B"));

  // Hit testing agrees: the window above both graphic controls, B above A.
  EXPECT_EQ(form->ControlAtPos({95, 35}, false), w);
  EXPECT_EQ(form->ControlAtPos({50, 30}, false), b);
  EXPECT_EQ(form->ControlAtPos({15, 15}, false), a);
  EXPECT_EQ(form->ControlAtPos({5, 5}, false), nullptr);
  EXPECT_EQ(FindDragTarget(ScreenOf(form, 95, 35), false), w);
  EXPECT_EQ(FindDragTarget(ScreenOf(form, 50, 30), false), b);
  b->SetEnabled(false);
  EXPECT_EQ(form->ControlAtPos({50, 30}, false), a);
  EXPECT_EQ(form->ControlAtPos({50, 30}, true), b);
  b->SetEnabled(true);

  // Bringing A to the front changes both the painting and the hit testing.
  a->BringToFront();
  Idle();
  cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_EQ(cap.Color(50, 30), static_cast<win::COLORREF>(clRed));
  EXPECT_EQ(form->ControlAtPos({50, 30}, false), a);
  delete form;
}

TEST_F(PaintTest, OpaqueGraphicChildrenAreClippedOutOfTheParentsPaint) {
  auto* host = new TForm(nullptr);
  host->SetBorderStyle(bsNone);
  host->SetBounds(0, 0, 200, 100);
  host->SetColor(clWhite);
  auto* back = new TBackdrop(host);  // paints blue everywhere it may
  back->SetBounds(0, 0, 200, 100);
  back->SetColor(clYellow);             // its erase colour
  back->SetParent(host);
  auto* opaque = new TSwatch(back);
  opaque->SetBounds(10, 10, 40, 40);
  opaque->Fill = clNone;  // paints nothing itself
  opaque->SetOpaque(true);
  opaque->SetParent(back);
  auto* clear = new TSwatch(back);
  clear->SetBounds(100, 10, 40, 40);
  clear->Fill = clNone;
  clear->SetOpaque(false);
  clear->SetParent(back);
  host->Show();
  Idle();
  auto cap = win::testkit::CaptureWindow(back->Handle(), false);
  // Under the opaque child the parent's Paint never drew: the erased background shows.
  EXPECT_EQ(cap.Color(20, 20), static_cast<win::COLORREF>(clYellow));
  // Under the transparent one the parent's painting shows through.
  EXPECT_EQ(cap.Color(110, 20), static_cast<win::COLORREF>(clBlue));
  EXPECT_EQ(cap.Color(70, 70), static_cast<win::COLORREF>(clBlue));
  delete host;
}

TEST_F(PaintTest, DoubleBufferedControlsPaintTheSame) {
  auto* host = new TForm(nullptr);
  host->SetBorderStyle(bsNone);
  host->SetBounds(0, 0, 120, 80);
  auto* back = new TBackdrop(host);
  back->SetBounds(0, 0, 120, 80);
  back->SetParent(host);
  auto* s = new TSwatch(back);
  s->SetBounds(10, 10, 20, 20);
  s->SetParent(back);
  host->Show();
  Idle();
  auto before = win::testkit::CaptureWindow(back->Handle(), false);
  back->SetDoubleBuffered(true);
  back->Repaint();
  Idle();
  auto after = win::testkit::CaptureWindow(back->Handle(), false);
  EXPECT_EQ(win::testkit::CountDifferentPixels(before, after), 0);
  EXPECT_EQ(after.Color(15, 15), static_cast<win::COLORREF>(clRed));
  delete host;
}

// ---- Focus and tab order ----

using FocusTest = ControlsTest;

struct TFocusLog : TLog {
  void Enter(TObject* s) { Add("enter " + static_cast<TComponent*>(s)->Name()); }
  void Exit(TObject* s) { Add("exit " + static_cast<TComponent*>(s)->Name()); }
};

TEST_F(FocusTest, TabMovesThroughControlsInTabOrderAcrossContainers) {
  auto* form = new TForm(nullptr);
  form->SetBounds(0, 0, 300, 200);
  TFocusLog log;
  auto make = [&](TWinControl* parent, const char* name, int x) {
    auto* b = new TButton(form);
    b->SetName(name);
    b->SetBounds(x, 5, 40, 20);
    b->SetParent(parent);
    b->OnEnter = TNotifyEvent(&log, &TFocusLog::Enter);
    b->OnExit = TNotifyEvent(&log, &TFocusLog::Exit);
    return b;
  };
  TButton* b1 = make(form, "B1", 5);
  auto* panel = new TPanel(form);
  panel->SetName("P");
  panel->SetBounds(0, 50, 300, 50);
  panel->SetParent(form);
  panel->OnEnter = TNotifyEvent(&log, &TFocusLog::Enter);
  panel->OnExit = TNotifyEvent(&log, &TFocusLog::Exit);
  TButton* p1 = make(panel, "P1", 5);
  TButton* p2 = make(panel, "P2", 50);
  TButton* b2 = make(form, "B2", 50);
  TButton* off = make(form, "Off", 100);
  off->SetTabStop(false);
  // The panel comes first in the form's tab order, then B1, then B2.
  panel->SetTabOrder(0);
  EXPECT_EQ(panel->TabOrder(), 0);
  EXPECT_EQ(b1->TabOrder(), 1);
  p2->SetTabOrder(0);
  form->Show();
  Idle();
  // The first tab stop got the focus on activation.
  EXPECT_TRUE(p2->Focused());
  EXPECT_EQ(form->ActiveControl(), p2);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"enter P", "enter P2"}));
  log.Clear();
  win::testkit::KeyPress(win::VK_TAB);
  EXPECT_TRUE(p1->Focused());
  win::testkit::KeyPress(win::VK_TAB);
  EXPECT_TRUE(b1->Focused());
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"exit P2", "enter P1", "exit P1", "exit P", "enter B1"}));
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
  EXPECT_EQ(form->FindNextControl(b1, true, true, false), b2);
  delete form;
}

TEST_F(FocusTest, SetFocusRefusesWhatCannotTakeIt) {
  auto* form = new TForm(nullptr);
  auto* b = new TButton(form);
  b->SetParent(form);
  EXPECT_FALSE(b->Focused());
  EXPECT_THROW(b->SetFocus(), EInvalidOperation);  // the form is not shown
  form->Show();
  Idle();
  b->SetEnabled(false);
  EXPECT_FALSE(b->CanFocus());
  EXPECT_THROW(b->SetFocus(), EInvalidOperation);
  TButton orphan(nullptr);
  EXPECT_FALSE(orphan.CanFocus());
  EXPECT_THROW(orphan.SetFocus(), EInvalidOperation);
  delete form;
}

TEST_F(FocusTest, KeyEventsGoToTheFocusedControlAfterThePreview) {
  auto* form = new TForm(nullptr);
  auto* b = new TButton(form);
  b->SetParent(form);
  TLog log;
  struct TKeys : TObject {
    TLog* L;
    void Down(TObject* s, uint16_t& key, TShiftState) {
      L->Add(static_cast<TComponent*>(s)->ClassName() + " down " + std::to_string(key));
      if (key == 'Q') key = 0;  // eaten
    }
    void Press(TObject* s, char& key) { L->Add(static_cast<TComponent*>(s)->ClassName() + " press " + key); }
  } keys;
  keys.L = &log;
  b->OnKeyDown = TKeyEvent(&keys, &TKeys::Down);
  b->OnKeyPress = TKeyPressEvent(&keys, &TKeys::Press);
  form->OnKeyDown = TKeyEvent(&keys, &TKeys::Down);
  form->Show();
  Idle();
  ASSERT_TRUE(b->Focused());
  win::testkit::KeyPress('A');
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"TButton down 65", "TButton press a"}));
  log.Clear();
  form->SetKeyPreview(true);
  win::testkit::KeyPress('A');
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"TForm down 65", "TButton down 65", "TButton press a"}));
  log.Clear();
  win::testkit::KeyPress('Q');  // the form's preview eats it
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"TForm down 81", "TButton press q"}));
  delete form;
}

// ---- Mouse ----

using MouseTest = ControlsTest;

class TTracker : public TObject {
 public:
  std::vector<std::string> Log;
  TWndMethod Old;
  TControl* C = nullptr;
  void Proc(TMessage& m) {
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
      std::string who = m.LParam ? reinterpret_cast<TControl*>(m.LParam)->Name() : "-";
      Log.push_back(C->Name() + (m.Msg == CM_MOUSEENTER ? " enter " : " leave ") + who);
    }
    Old(m);
  }
};

TEST_F(MouseTest, EnterAndLeaveFollowTheCursorAcrossNestedControls) {
  auto* form = new TForm(nullptr);
  form->SetName("F");
  form->SetBorderStyle(bsNone);
  form->SetBounds(100, 100, 300, 200);
  auto* panel = new TPanel(form);
  panel->SetName("P");
  panel->SetBounds(50, 50, 200, 100);
  panel->SetParent(form);
  auto* label = new TLabel(form);
  label->SetName("L");
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 50, 20);
  label->SetParent(panel);
  auto* button = new TButton(form);
  button->SetName("B");
  button->SetBounds(100, 10, 60, 30);
  button->SetParent(panel);
  form->Show();
  Idle();
  std::vector<std::unique_ptr<TTracker>> trackers;
  for (TControl* c : std::vector<TControl*>{form, panel, label, button}) {
    auto t = std::make_unique<TTracker>();
    t->C = c;
    t->Old = c->WindowProc();
    c->SetWindowProc(TWndMethod(t.get(), &TTracker::Proc));
    trackers.push_back(std::move(t));
  }
  auto moveTo = [&](TControl* c, int x, int y) {
    for (auto& t : trackers) t->Log.clear();
    TPoint p = c->ClientToScreen({x, y});
    win::testkit::MouseMove(p.X, p.Y);
  };
  auto logOf = [&](size_t i) { return trackers[i]->Log; };

  moveTo(form, 5, 5);
  EXPECT_EQ(MouseControl(), form);
  EXPECT_EQ(logOf(0), (std::vector<std::string>{"F enter -"}));

  moveTo(panel, 5, 5);  // into the panel
  EXPECT_EQ(MouseControl(), panel);
  EXPECT_EQ(logOf(0), (std::vector<std::string>{"F leave -", "F enter P"}));
  EXPECT_EQ(logOf(1), (std::vector<std::string>{"P enter -"}));

  moveTo(label, 5, 5);  // a graphic control inside the panel
  EXPECT_EQ(MouseControl(), label);
  EXPECT_EQ(logOf(1), (std::vector<std::string>{"P leave -", "P enter L"}));
  EXPECT_EQ(logOf(2), (std::vector<std::string>{"L enter -"}));
  EXPECT_EQ(logOf(0), (std::vector<std::string>{"F leave P", "F enter L"}));

  moveTo(button, 5, 5);  // straight from the label to the button
  EXPECT_EQ(MouseControl(), button);
  EXPECT_EQ(logOf(2), (std::vector<std::string>{"L leave -"}));
  EXPECT_EQ(logOf(3), (std::vector<std::string>{"B enter -"}));
  EXPECT_EQ(logOf(1), (std::vector<std::string>{"P leave L", "P enter B"}));

  moveTo(button, 6, 6);  // moving within the same control sends nothing
  for (auto& t : trackers) EXPECT_TRUE(t->Log.empty());

  win::testkit::MouseMove(5, 5);  // off the form altogether
  Idle();
  EXPECT_EQ(MouseControl(), nullptr);
  EXPECT_EQ(logOf(3), (std::vector<std::string>{"B leave -"}));
  for (TControl* c : std::vector<TControl*>{form, panel, label, button})
    c->SetWindowProc(TWndMethod(c, &TControl::WndProc));
  delete form;
}

TEST_F(MouseTest, ClicksReachGraphicControlsWithCapture) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 200, 100);
  auto* label = new TLabel(form);
  label->SetAutoSize(false);
  label->SetBounds(20, 20, 50, 20);
  label->SetParent(form);
  TLog log;
  struct TM : TObject {
    TLog* L;
    void Down(TObject*, TMouseButton b, TShiftState s, int x, int y) {
      L->Add("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y) +
             (s.contains(ssDouble) ? " double" : ""));
    }
    void Up(TObject*, TMouseButton b, TShiftState, int x, int y) {
      L->Add("up " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
    }
    void Click(TObject*) { L->Add("click"); }
    void Dbl(TObject*) { L->Add("dblclick"); }
  } m;
  m.L = &log;
  label->OnMouseDown = TMouseEvent(&m, &TM::Down);
  label->OnMouseUp = TMouseEvent(&m, &TM::Up);
  label->OnClick = TNotifyEvent(&m, &TM::Click);
  label->OnDblClick = TNotifyEvent(&m, &TM::Dbl);
  form->Show();
  Idle();
  TPoint p = label->ClientToScreen({5, 6});
  win::testkit::Click(p.X, p.Y);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"down 0 5,6", "click", "up 0 5,6"}));
  log.Clear();
  // Pressed inside, released outside: the capture keeps the messages but there is no click.
  Session().Clock().Advance(1000);
  win::testkit::MouseDown(p.X, p.Y);
  EXPECT_TRUE(label->MouseCapture());
  win::testkit::MouseUp(p.X + 100, p.Y);
  EXPECT_FALSE(label->MouseCapture());
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"down 0 5,6", "up 0 105,6"}));
  log.Clear();
  Session().Clock().Advance(1000);
  win::testkit::DoubleClick(p.X, p.Y);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"down 0 5,6", "click", "up 0 5,6", "dblclick",
                                                   "down 0 5,6 double", "up 0 5,6"}));
  delete form;
}

// ---- Windows ----

using WindowTest = ControlsTest;

TEST_F(WindowTest, RecreateWndKeepsTheControlsState) {
  auto* form = new TForm(nullptr);
  form->SetBounds(0, 0, 300, 200);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 20, 150, 80);
  panel->SetCaption("Caption");
  auto* inner = new TButton(form);
  inner->SetParent(panel);
  inner->SetBounds(5, 5, 50, 20);
  auto* after = new TButton(form);
  after->SetParent(form);
  after->SetBounds(200, 20, 50, 20);
  form->Show();
  Idle();
  inner->SetFocus();
  Idle();
  win::HWND oldPanel = panel->Handle();
  win::HWND oldInner = inner->Handle();
  std::vector<UINT> seen;
  struct TSpy : TObject {
    std::vector<UINT>* S;
    TWndMethod Old;
    void Proc(TMessage& m) {
      if (m.Msg == CM_RECREATEWND) S->push_back(m.Msg);
      Old(m);
    }
  } spy;
  spy.S = &seen;
  spy.Old = panel->WindowProc();
  panel->SetWindowProc(TWndMethod(&spy, &TSpy::Proc));
  panel->SetBorderStyle(bsSingle);  // a style change re-creates the window
  Idle();
  EXPECT_EQ(seen, (std::vector<UINT>{CM_RECREATEWND}));
  EXPECT_TRUE(panel->HandleAllocated());
  EXPECT_NE(panel->Handle(), oldPanel);
  EXPECT_FALSE(win::IsWindow(oldPanel));
  EXPECT_FALSE(win::IsWindow(oldInner));
  EXPECT_TRUE(win::IsWindowVisible(panel->Handle()));
  EXPECT_TRUE(win::IsWindowVisible(inner->Handle()));
  EXPECT_EQ(panel->BoundsRect(), Rect(10, 20, 160, 100));
  EXPECT_EQ(inner->BoundsRect(), Rect(5, 5, 55, 25));
  EXPECT_EQ(panel->Caption(), "Caption");
  char text[32];
  win::GetWindowTextA(panel->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Caption");
  EXPECT_EQ(win::GetParent(inner->Handle()), panel->Handle());
  EXPECT_TRUE(win::GetWindowLongA(panel->Handle(), win::GWL_EXSTYLE) & win::WS_EX_CLIENTEDGE);
  // The client area shrank by the new edge; the controls keep their places and z-order.
  EXPECT_EQ(panel->ClientWidth(), 146);
  EXPECT_EQ(FindDragTarget(ScreenOf(form, 205, 25), false), after);
  EXPECT_EQ(FindControl(panel->Handle()), panel);
  EXPECT_EQ(FindControl(oldPanel), nullptr);
  panel->SetWindowProc(spy.Old);
  delete form;
}

TEST_F(WindowTest, HandlesAreMadeOnDemandWithOneClassPerFrameworkClass) {
  auto* form = new TForm(nullptr);
  auto* b = new TButton(form);
  b->SetParent(form);
  EXPECT_FALSE(form->HandleAllocated());
  EXPECT_FALSE(b->HandleAllocated());
  win::HWND h = b->Handle();  // asks the parent for its window first
  EXPECT_TRUE(form->HandleAllocated());
  char cls[32];
  win::GetClassNameA(h, cls, sizeof cls);
  EXPECT_STREQ(cls, "TButton");
  win::GetClassNameA(form->Handle(), cls, sizeof cls);
  EXPECT_STREQ(cls, "TForm");
  EXPECT_EQ(win::GetParent(h), form->Handle());
  // Window messages sent to the handle reach the control's WindowProc.
  b->SetCaption("Go");
  EXPECT_EQ(win::SendMessageA(h, win::WM_GETTEXTLENGTH, 0, 0), 2);
  win::SendMessageA(h, win::WM_SETTEXT, 0, PtrToLParam("Stop"));
  EXPECT_EQ(b->Caption(), "Stop");
  // A control with no parent and no parent window has nowhere to live.
  TButton loose(nullptr);
  EXPECT_THROW(loose.HandleNeeded(), EInvalidOperation);
  delete form;
}

TEST_F(WindowTest, GeometryFollowsTheWindowAndConvertsPoints) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(100, 50, 300, 200);
  auto* panel = new TPanel(form);
  panel->SetBounds(10, 20, 100, 80);
  panel->SetParent(form);
  auto* label = new TLabel(form);
  label->SetBounds(3, 4, 20, 10);
  label->SetParent(panel);
  form->Show();
  Idle();
  EXPECT_EQ(label->ClientToScreen({1, 1}), Point(114, 75));
  EXPECT_EQ(label->ScreenToClient({114, 75}), Point(1, 1));
  EXPECT_EQ(panel->ClientOrigin(), Point(110, 70));
  // Moving the window by the platform updates the control's bounds.
  win::SetWindowPos(panel->Handle(), nullptr, 30, 40, 120, 90, win::SWP_NOZORDER);
  EXPECT_EQ(panel->BoundsRect(), Rect(30, 40, 150, 130));
  panel->SetClientWidth(50);
  EXPECT_EQ(panel->Width(), 50);
  delete form;
}

}  // namespace
}  // namespace vcl::testing
