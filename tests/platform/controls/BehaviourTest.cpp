#include "ControlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"

namespace vcl::testing {
namespace {

using BehaviourTest = ControlsTest;

// A windowed control that keeps the arrow keys for itself, as an edit would.
class TArrowTaker : public TCustomControl {
  ZYL_CLASS(TArrowTaker, TCustomControl)
  ZYL_MESSAGES(TArrowTaker)
  explicit TArrowTaker(TComponent* AOwner) : TCustomControl(AOwner) { tabStop_ = true; }
  std::vector<uint16_t> Keys;

 protected:
  void WMGetDlgCode(TMessage& M) { M.Result = win::DLGC_WANTARROWS; }
  void KeyDown(uint16_t& Key, TShiftState Shift) override {
    Keys.push_back(Key);
    TCustomControl::KeyDown(Key, Shift);
  }
};
ZYL_MESSAGE_MAP(TArrowTaker) { m.On(win::WM_GETDLGCODE, &TArrowTaker::WMGetDlgCode); }
ZYL_CLASS_IMPL(TArrowTaker) {}

TEST_F(BehaviourTest, ArrowKeysMoveFocusUnlessTheControlWantsThem) {
  auto* form = new TForm(nullptr);
  auto* a = new TButton(form);
  a->SetParent(form);
  auto* b = new TButton(form);
  b->SetParent(form);
  auto* taker = new TArrowTaker(form);
  taker->SetParent(form);
  form->Show();
  Idle();
  ASSERT_TRUE(a->Focused());
  win::testkit::KeyPress(win::VK_DOWN);
  EXPECT_TRUE(b->Focused());
  win::testkit::KeyPress(win::VK_RIGHT);
  EXPECT_TRUE(taker->Focused());
  win::testkit::KeyPress(win::VK_DOWN);
  EXPECT_TRUE(taker->Focused());
  EXPECT_EQ(taker->Keys, (std::vector<uint16_t>{win::VK_DOWN}));
  // Tab is still the form's.
  win::testkit::KeyPress(win::VK_TAB);
  EXPECT_TRUE(a->Focused());
  delete form;
}

TEST_F(BehaviourTest, AutomaticDragDropsOnAnAcceptingTarget) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 300, 100);
  auto* source = new TLabel(form);
  source->SetAutoSize(false);
  source->SetBounds(10, 10, 40, 20);
  source->SetParent(form);
  source->SetDragMode(dmAutomatic);
  auto* target = new TPanel(form);
  target->SetBounds(150, 10, 100, 60);
  target->SetParent(form);
  struct TD : TObject {
    std::vector<std::string> Log;
    bool Accept = true;
    void Over(TObject*, TObject*, int x, int y, TDragState, bool& accept) {
      Log.push_back("over " + std::to_string(x) + "," + std::to_string(y));
      accept = Accept;
    }
    void Drop(TObject*, TObject* src, int, int) { Log.push_back(std::string("drop ") + src->ClassName()); }
    void End(TObject*, TObject* t, int, int) { Log.push_back(t ? "end on target" : "end nowhere"); }
  } d;
  target->OnDragOver = TDragOverEvent(&d, &TD::Over);
  target->OnDragDrop = TDragDropEvent(&d, &TD::Drop);
  source->OnEndDrag = TEndDragEvent(&d, &TD::End);
  form->Show();
  Idle();
  win::testkit::Drag(ScreenOf(source, 5, 5), ScreenOf(target, 20, 30));
  EXPECT_EQ(d.Log, (std::vector<std::string>{"over 20,30", "drop TLabel", "end on target"}));
  EXPECT_FALSE(source->Dragging());
  d.Log.clear();
  d.Accept = false;
  win::testkit::Drag(ScreenOf(source, 5, 5), ScreenOf(target, 20, 30));
  EXPECT_EQ(d.Log, (std::vector<std::string>{"over 20,30", "end nowhere"}));
  delete form;
}

TEST_F(BehaviourTest, LabelsSizeThemselvesToTheirCaption) {
  auto* form = new TForm(nullptr);
  auto* l = new TLabel(form);
  l->SetParent(form);
  l->SetCaption("Short");
  const int shortWidth = l->Width();
  l->SetCaption("A rather longer caption");
  EXPECT_GT(l->Width(), shortWidth);
  const int oneLine = l->Height();
  EXPECT_GT(oneLine, 0);
  // The accelerator mark takes no room.
  l->SetCaption("&Short");
  EXPECT_EQ(l->Width(), shortWidth);
  l->SetShowAccelChar(false);
  l->SetCaption("&&Short");
  EXPECT_GT(l->Width(), shortWidth);
  // Right-aligned labels keep their right edge.
  l->SetShowAccelChar(true);
  l->SetAlignment(taRightJustify);
  l->SetLeft(100);
  const int right = l->Left() + l->Width();
  l->SetCaption("x");
  EXPECT_EQ(l->Left() + l->Width(), right);
  // Without AutoSize the bounds stay.
  l->SetAutoSize(false);
  l->SetBounds(0, 0, 10, 10);
  l->SetCaption("A rather longer caption");
  EXPECT_EQ(l->BoundsRect(), Rect(0, 0, 10, 10));
  delete form;
}

TEST_F(BehaviourTest, TheApplicationLoopRunsIdleHandlersAndPostedMessages) {
  struct TI : TObject {
    int Idles = 0;
    void Idle(TObject*, bool& done) {
      ++Idles;
      done = true;
    }
  } idle;
  Application->OnIdle = TIdleEvent(&idle, &TI::Idle);
  auto* form = new TForm(nullptr);
  form->SetCaption("before");
  form->HandleNeeded();
  win::PostMessageA(form->Handle(), win::WM_SETTEXT, 0, PtrToLParam("after"));
  Application->HandleMessage();  // the posted message
  EXPECT_EQ(form->Caption(), "after");
  EXPECT_EQ(idle.Idles, 0);
  Application->HandleMessage();  // nothing left: idle
  EXPECT_EQ(idle.Idles, 1);
  Application->OnIdle = nullptr;
  delete form;
}

TEST_F(BehaviourTest, ScreenKnowsFontsAndCursors) {
  const auto& fonts = Screen->Fonts();
  ASSERT_FALSE(fonts.empty());
  EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end()));
  EXPECT_NE(Screen->Cursors(crArrow), nullptr);
  EXPECT_NE(Screen->Cursors(crIBeam), nullptr);
  win::HCURSOR own = Screen->Cursors(crHandPoint);
  Screen->SetCursors(1, own);
  EXPECT_EQ(Screen->Cursors(1), own);
  EXPECT_GT(Screen->WorkAreaRect().Width(), 0);
  win::NONCLIENTMETRICSA ncm;
  ASSERT_TRUE(win::SystemParametersInfoA(win::SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0));
  EXPECT_EQ(Screen->HintFont()->Name(), ncm.lfStatusFont.lfFaceName);
  EXPECT_EQ(Screen->MenuFont()->Name(), ncm.lfMenuFont.lfFaceName);
  EXPECT_FALSE(Screen->IconFont()->Name().empty());
}

TEST_F(BehaviourTest, ControlsParentedToAForeignWindowLiveThere) {
  win::WNDCLASSA wc;
  wc.lpfnWndProc = win::DefWindowProcA;
  wc.lpszClassName = "ForeignHost";
  win::RegisterClassA(&wc);
  win::HWND host = win::CreateWindowExA(0, "ForeignHost", "", win::WS_POPUP | win::WS_VISIBLE, 0, 0,
                                        200, 200, nullptr, nullptr, nullptr, nullptr);
  auto* p = static_cast<TPanel*>(TWinControl::CreateParented(TPanel::StaticClass(), host));
  p->SetBounds(10, 10, 50, 50);
  EXPECT_TRUE(p->HandleAllocated());
  EXPECT_TRUE(p->Showing());
  EXPECT_EQ(win::GetParent(p->Handle()), host);
  EXPECT_EQ(p->TabOrder(), -1);
  delete p;
  win::DestroyWindow(host);
  EXPECT_THROW(TWinControl::CreateParented(TTimer::StaticClass(), host), EInvalidCast);
}

TEST_F(BehaviourTest, TimersFollowTheirIntervalAndNeedAHandler) {
  TTimer t(nullptr);
  int ticks = 0;
  struct TT : TObject {
    int* N;
    void Tick(TObject*) { ++*N; }
  } h;
  h.N = &ticks;
  t.SetInterval(50);
  win::testkit::AdvanceClock(200);
  EXPECT_EQ(ticks, 0);  // no handler, no timer
  t.SetOnTimer(TNotifyEvent(&h, &TT::Tick));
  win::testkit::AdvanceClock(120);
  EXPECT_EQ(ticks, 2);
  t.SetInterval(100);
  win::testkit::AdvanceClock(250);
  EXPECT_EQ(ticks, 4);
  t.SetInterval(0);
  win::testkit::AdvanceClock(500);
  EXPECT_EQ(ticks, 4);
}

}  // namespace
}  // namespace vcl::testing

namespace vcl::testing {
namespace {

TEST_F(BehaviourTest, AFormWrittenToAStreamReadsBackTheSame) {
  std::unique_ptr<TForm> f(new TForm(nullptr));
  f->SetName("Source");
  f->SetCaption("Round trip");
  f->SetBounds(5, 6, 300, 200);
  f->Font()->SetName("Arial");
  auto* panel = new TPanel(f.get());
  panel->SetName("Panel1");
  panel->SetParent(f.get());
  panel->SetAlign(alBottom);
  panel->SetHeight(30);
  panel->SetCtl3D(false);
  auto* b1 = new TButton(f.get());
  b1->SetName("Button1");
  b1->SetParent(panel);
  auto* b2 = new TButton(f.get());
  b2->SetName("Button2");
  b2->SetParent(panel);
  b2->SetTabOrder(0);
  b2->SetDefault(true);
  auto* l = new TLabel(f.get());
  l->SetName("Label1");
  l->SetParent(f.get());
  l->SetCaption("Hello");
  l->SetFocusControl(b1);
  auto* t = new TTimer(f.get());
  t->SetName("Timer1");
  t->SetInterval(250);
  const std::string bytes = WriteComponentToBytes(f.get());

  std::unique_ptr<TForm> g(new TForm(nullptr));
  TStringStream s(bytes);
  ReadForm(&s, g.get());
  EXPECT_EQ(g->Name(), "Source");
  EXPECT_EQ(g->Caption(), "Round trip");
  EXPECT_EQ(g->BoundsRect(), f->BoundsRect());
  EXPECT_EQ(g->Font()->Name(), "Arial");
  auto* gp = dynamic_cast<TPanel*>(g->FindComponent("Panel1"));
  auto* gb1 = dynamic_cast<TButton*>(g->FindComponent("Button1"));
  auto* gb2 = dynamic_cast<TButton*>(g->FindComponent("Button2"));
  auto* gl = dynamic_cast<TLabel*>(g->FindComponent("Label1"));
  auto* gt = dynamic_cast<TTimer*>(g->FindComponent("Timer1"));
  ASSERT_TRUE(gp && gb1 && gb2 && gl && gt);
  EXPECT_EQ(gp->Align(), alBottom);
  EXPECT_EQ(gp->BoundsRect(), panel->BoundsRect());
  EXPECT_FALSE(gp->Ctl3D());
  EXPECT_FALSE(gp->ParentCtl3D());
  EXPECT_EQ(gb1->Parent(), gp);
  EXPECT_EQ(gb2->TabOrder(), 0);
  EXPECT_EQ(gb1->TabOrder(), 1);
  EXPECT_TRUE(gb2->Default());
  EXPECT_EQ(gl->FocusControl(), gb1);
  EXPECT_EQ(gl->Font()->Name(), "Arial");
  EXPECT_EQ(gt->Interval(), 250u);
  // Ctl3D flows from parent to child unless the child sets its own.
  EXPECT_FALSE(gb1->Ctl3D());
  gp->SetCtl3D(true);
  EXPECT_TRUE(gb1->Ctl3D());
}

}  // namespace
}  // namespace vcl::testing

namespace vcl::testing {
namespace {

TEST_F(BehaviourTest, TheCursorFollowsTheControlUnderTheMouse) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 200, 100);
  auto* label = new TLabel(form);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 50, 20);
  label->SetCursor(crHandPoint);
  label->SetParent(form);
  auto* panel = new TPanel(form);
  panel->SetBounds(100, 10, 50, 50);
  panel->SetCursor(crIBeam);
  panel->SetParent(form);
  form->Show();
  Idle();
  win::testkit::MouseMove(20, 20);
  EXPECT_EQ(win::GetCursor(), Screen->Cursors(crHandPoint));
  win::testkit::MouseMove(110, 20);
  EXPECT_EQ(win::GetCursor(), Screen->Cursors(crIBeam));
  // The screen's cursor overrides every control's.
  Screen->SetCursor(crHourGlass);
  win::testkit::MouseMove(21, 20);
  EXPECT_EQ(win::GetCursor(), Screen->Cursors(crHourGlass));
  Screen->SetCursor(crDefault);
  delete form;
}

TEST_F(BehaviourTest, FormsPaintThroughOnPaintOnTheirCanvas) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 100, 60);
  struct TP : TObject {
    TForm* F;
    int Calls = 0;
    void Paint(TObject*) {
      ++Calls;
      F->Canvas()->Brush()->SetColor(clFuchsia);
      F->Canvas()->FillRect(Rect(10, 10, 30, 30));
    }
  } p;
  p.F = form;
  form->OnPaint = TNotifyEvent(&p, &TP::Paint);
  form->Show();
  Idle();
  EXPECT_GE(p.Calls, 1);
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_EQ(cap.Color(15, 15), static_cast<win::COLORREF>(clFuchsia));
  EXPECT_EQ(cap.Color(50, 50), static_cast<win::COLORREF>(ColorToRGB(clBtnFace)));
  const int before = p.Calls;
  form->Invalidate();
  EXPECT_EQ(p.Calls, before);  // painting waits for the loop
  Idle();
  EXPECT_EQ(p.Calls, before + 1);
  delete form;
}

}  // namespace
}  // namespace vcl::testing

namespace vcl::testing {
namespace {

TEST_F(BehaviourTest, FocusMovedFromOnEnterWins) {
  auto* form = new TForm(nullptr);
  auto* a = new TButton(form);
  a->SetName("A");
  a->SetParent(form);
  auto* b = new TButton(form);
  b->SetName("B");
  b->SetParent(form);
  auto* c = new TButton(form);
  c->SetName("C");
  c->SetParent(form);
  struct TR : TObject {
    TButton* Target;
    std::vector<std::string> Log;
    void Enter(TObject* s) {
      Log.push_back("enter " + static_cast<TComponent*>(s)->Name());
      if (s != Target) Target->SetFocus();
    }
  } r;
  r.Target = c;
  form->Show();
  Idle();
  ASSERT_TRUE(a->Focused());
  b->OnEnter = TNotifyEvent(&r, &TR::Enter);
  c->OnEnter = TNotifyEvent(&r, &TR::Enter);
  win::testkit::KeyPress(win::VK_TAB);
  EXPECT_TRUE(c->Focused());
  EXPECT_EQ(form->ActiveControl(), c);
  EXPECT_EQ(Screen->ActiveControl(), c);
  EXPECT_EQ(r.Log, (std::vector<std::string>{"enter B", "enter C"}));
  delete form;
}

}  // namespace
}  // namespace vcl::testing

namespace vcl::testing {
namespace {

TEST_F(BehaviourTest, WheelMessagesRiseToTheFirstControlThatTakesThem) {
  auto* form = new TForm(nullptr);
  auto* b = new TButton(form);
  b->SetParent(form);
  struct TW : TObject {
    std::vector<std::string> Log;
    bool Take = false;
    void Wheel(TObject* s, TShiftState, int delta, TPoint, bool& handled) {
      Log.push_back(static_cast<TComponent*>(s)->ClassName() + " " + std::to_string(delta));
      handled = Take && s->ClassNameIs("TForm");
    }
  } w;
  b->OnMouseWheel = TMouseWheelEvent(&w, &TW::Wheel);
  form->OnMouseWheel = TMouseWheelEvent(&w, &TW::Wheel);
  form->Show();
  Idle();
  ASSERT_TRUE(b->Focused());
  w.Take = true;
  win::testkit::Wheel(-120);
  EXPECT_EQ(w.Log, (std::vector<std::string>{"TButton -120", "TForm -120"}));
  delete form;
}

}  // namespace
}  // namespace vcl::testing
