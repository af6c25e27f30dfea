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
  TForm form(nullptr);
  auto* a = Place<TButton>(&form, 0, 0, 40, 20);
  auto* b = Place<TButton>(&form, 0, 30, 40, 20);
  auto* taker = Place<TArrowTaker>(&form, 0, 60, 40, 20);
  ShowNow(&form);
  ASSERT_TRUE(a->Focused());
  win::testkit::KeyPress(win::VK_DOWN);
  EXPECT_TRUE(b->Focused());
  win::testkit::KeyPress(win::VK_RIGHT);
  EXPECT_TRUE(taker->Focused());
  win::testkit::KeyPress(win::VK_DOWN);
  EXPECT_TRUE(taker->Focused());
  EXPECT_EQ(taker->Keys, (std::vector<uint16_t>{win::VK_DOWN}));
  win::testkit::KeyPress(win::VK_TAB);  // Tab is still the form's
  EXPECT_TRUE(a->Focused());
}

TEST_F(BehaviourTest, AutomaticDragDropsOnAnAcceptingTarget) {
  auto form = FramelessForm(300, 100);
  auto* source = FixedLabel(form.get(), 10, 10, 40, 20);
  source->SetDragMode(dmAutomatic);
  auto* target = Place<TPanel>(form.get(), 150, 10, 100, 60);
  struct TD : TLog {
    bool Accept = true;
    void Over(TObject*, TObject*, int x, int y, TDragState state, bool& accept) {
      // The target is asked as the mouse enters it and once more as the drag leaves it.
      Add(std::string(state == dsDragLeave ? "leave " : "over ") + std::to_string(x) + "," +
          std::to_string(y));
      accept = Accept;
    }
    void Drop(TObject*, TObject* src, int, int) { Add(std::string("drop ") + src->ClassName()); }
    void End(TObject*, TObject* t, int, int) { Add(t ? "end on target" : "end nowhere"); }
  } d;
  target->OnDragOver = TDragOverEvent(&d, &TD::Over);
  target->OnDragDrop = TDragDropEvent(&d, &TD::Drop);
  source->OnEndDrag = TEndDragEvent(&d, &TD::End);
  ShowNow(form.get());
  win::testkit::Drag(ScreenOf(source, 5, 5), ScreenOf(target, 20, 30));
  EXPECT_EQ(d.Entries, (TLines{"over 20,30", "leave 20,30", "drop TLabel", "end on target"}));
  EXPECT_FALSE(source->Dragging());
  d.Clear();
  d.Accept = false;
  win::testkit::Drag(ScreenOf(source, 5, 5), ScreenOf(target, 20, 30));
  EXPECT_EQ(d.Entries, (TLines{"over 20,30", "leave 20,30", "end nowhere"}));
}

TEST_F(BehaviourTest, LabelsSizeThemselvesToTheirCaption) {
  TForm form(nullptr);
  auto* l = Place<TLabel>(&form, 0, 0, 10, 10);
  l->SetCaption("Short");
  const int shortWidth = l->Width();
  l->SetCaption("A rather longer caption");
  EXPECT_GT(l->Width(), shortWidth);
  EXPECT_GT(l->Height(), 0);
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
  TForm form(nullptr);
  form.SetCaption("before");
  win::PostMessageA(form.Handle(), win::WM_SETTEXT, 0, PtrToLParam("after"));
  Application->HandleMessage();  // the posted message
  EXPECT_EQ(form.Caption(), "after");
  EXPECT_EQ(idle.Idles, 0);
  Application->HandleMessage();  // nothing left: idle
  EXPECT_EQ(idle.Idles, 1);
  Application->OnIdle = nullptr;
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
  std::unique_ptr<TPanel> p(
      static_cast<TPanel*>(TWinControl::CreateParented(TPanel::StaticClass(), host)));
  p->SetBounds(10, 10, 50, 50);
  EXPECT_TRUE(p->Showing());
  EXPECT_EQ(win::GetParent(p->Handle()), host);
  EXPECT_EQ(p->TabOrder(), -1);
  p.reset();
  win::DestroyWindow(host);
  EXPECT_THROW(TWinControl::CreateParented(TTimer::StaticClass(), host), EInvalidCast);
}

TEST_F(BehaviourTest, TimersFollowTheirIntervalAndNeedAHandler) {
  TTimer t(nullptr);
  TLog ticks;
  t.SetInterval(50);
  win::testkit::AdvanceClock(200);
  EXPECT_EQ(ticks.Count, 0);  // no handler, no timer
  t.SetOnTimer(ticks.Counter());
  win::testkit::AdvanceClock(120);
  EXPECT_EQ(ticks.Count, 2);
  t.SetInterval(100);
  win::testkit::AdvanceClock(250);
  EXPECT_EQ(ticks.Count, 4);
  t.SetInterval(0);
  win::testkit::AdvanceClock(500);
  EXPECT_EQ(ticks.Count, 4);
}

TEST_F(BehaviourTest, AFormWrittenToAStreamReadsBackTheSame) {
  TForm f(nullptr);
  f.SetName("Source");
  f.SetCaption("Round trip");
  f.SetBounds(5, 6, 300, 200);
  f.Font()->SetName("Arial");
  auto* panel = Place<TPanel>(&f, 0, 0, 10, 30, "Panel1");
  panel->SetAlign(alBottom);
  panel->SetCtl3D(false);
  Place<TButton>(panel, 0, 0, 40, 20, "Button1", &f);
  auto* b2 = Place<TButton>(panel, 50, 0, 40, 20, "Button2", &f);
  b2->SetTabOrder(0);
  b2->SetDefault(true);
  auto* l = Place<TLabel>(&f, 0, 0, 10, 10, "Label1");
  l->SetCaption("Hello");
  l->SetFocusControl(Find<TButton>(&f, "Button1"));
  auto* t = new TTimer(&f);
  t->SetName("Timer1");
  t->SetInterval(250);

  TForm g(nullptr);
  TStringStream s(WriteComponentToBytes(&f));
  ReadForm(&s, &g);
  EXPECT_EQ(g.Name(), "Source");
  EXPECT_EQ(g.Caption(), "Round trip");
  EXPECT_EQ(g.BoundsRect(), f.BoundsRect());
  auto* gp = Find<TPanel>(&g, "Panel1");
  auto* gb1 = Find<TButton>(&g, "Button1");
  auto* gb2 = Find<TButton>(&g, "Button2");
  auto* gl = Find<TLabel>(&g, "Label1");
  auto* gt = Find<TTimer>(&g, "Timer1");
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

TEST_F(BehaviourTest, TheCursorFollowsTheControlUnderTheMouse) {
  auto form = FramelessForm(200, 100);
  FixedLabel(form.get(), 10, 10, 50, 20)->SetCursor(crHandPoint);
  Place<TPanel>(form.get(), 100, 10, 50, 50)->SetCursor(crIBeam);
  ShowNow(form.get());
  win::testkit::MouseMove(20, 20);
  EXPECT_EQ(win::GetCursor(), Screen->Cursors(crHandPoint));
  win::testkit::MouseMove(110, 20);
  EXPECT_EQ(win::GetCursor(), Screen->Cursors(crIBeam));
  // The screen's cursor overrides every control's.
  Screen->SetCursor(crHourGlass);
  win::testkit::MouseMove(21, 20);
  EXPECT_EQ(win::GetCursor(), Screen->Cursors(crHourGlass));
  Screen->SetCursor(crDefault);
}

TEST_F(BehaviourTest, FormsPaintThroughOnPaintOnTheirCanvas) {
  auto form = FramelessForm(100, 60);
  struct TP : TLog {
    TForm* F;
    void Paint(TObject*) {
      ++Count;
      F->Canvas()->Brush()->SetColor(clFuchsia);
      F->Canvas()->FillRect(Rect(10, 10, 30, 30));
    }
  } p;
  p.F = form.get();
  form->OnPaint = TNotifyEvent(&p, &TP::Paint);
  ShowNow(form.get());
  EXPECT_GE(p.Count, 1);
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_EQ(cap.Color(15, 15), Rgb(clFuchsia));
  EXPECT_EQ(cap.Color(50, 50), Rgb(clBtnFace));
  const int before = p.Count;
  form->Invalidate();
  EXPECT_EQ(p.Count, before);  // painting waits for the loop
  Idle();
  EXPECT_EQ(p.Count, before + 1);
}

TEST_F(BehaviourTest, FocusMovedFromOnEnterWins) {
  TForm form(nullptr);
  auto* a = Place<TButton>(&form, 0, 0, 40, 20, "A");
  auto* b = Place<TButton>(&form, 0, 30, 40, 20, "B");
  auto* c = Place<TButton>(&form, 0, 60, 40, 20, "C");
  struct TR : TLog {
    TButton* Target;
    void Enter(TObject* s) {
      Add("enter " + static_cast<TComponent*>(s)->Name());
      if (s != Target) Target->SetFocus();
    }
  } r;
  r.Target = c;
  ShowNow(&form);
  ASSERT_TRUE(a->Focused());
  b->OnEnter = TNotifyEvent(&r, &TR::Enter);
  c->OnEnter = TNotifyEvent(&r, &TR::Enter);
  win::testkit::KeyPress(win::VK_TAB);
  EXPECT_TRUE(c->Focused());
  EXPECT_EQ(form.ActiveControl(), c);
  EXPECT_EQ(Screen->ActiveControl(), c);
  EXPECT_EQ(r.Entries, (TLines{"enter B", "enter C"}));
}

TEST_F(BehaviourTest, WheelMessagesRiseToTheFirstControlThatTakesThem) {
  TForm form(nullptr);
  auto* b = Place<TButton>(&form, 0, 0, 40, 20);
  struct TW : TLog {
    void Wheel(TObject* s, TShiftState, int delta, TPoint, bool& handled) {
      Add(static_cast<TComponent*>(s)->ClassName() + " " + std::to_string(delta));
      handled = s->ClassNameIs("TForm");
    }
  } w;
  b->OnMouseWheel = TMouseWheelEvent(&w, &TW::Wheel);
  form.OnMouseWheel = TMouseWheelEvent(&w, &TW::Wheel);
  ShowNow(&form);
  ASSERT_TRUE(b->Focused());
  win::testkit::Wheel(-120);
  EXPECT_EQ(w.Entries, (TLines{"TButton -120", "TForm -120"}));
}

}  // namespace
}  // namespace vcl::testing
