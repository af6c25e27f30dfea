// A paint handler that throws must leave the DC, its selected objects, the canvas and the
// GDI object table as they were before the paint began.
#include "ControlsTestSupport.h"

#include "platform/gdi/GdiGuards.h"
#include "platform/gdi/GdiInternal.h"

namespace vcl::testing {
namespace {

using namespace win;

bool g_armed = false;

// Draws with every tool of its canvas (so that they are selected into the DC), then throws
// when armed.
void DrawThenThrow(TCanvas* c) {
  c->Pen()->SetColor(clRed);
  c->Brush()->SetColor(clBlue);
  c->Font()->SetSize(17);
  c->Rectangle(0, 0, 10, 10);
  c->TextOut(1, 1, "x");
  if (g_armed) throw EInvalidOperation("paint failed");
}

// A graphic or windowed control whose Paint throws when armed.
template <class Base>
class TThrowing : public Base {
 public:
  using Base::Base;

 protected:
  void Paint() override { DrawThenThrow(this->Canvas()); }
};

// Throws from its background erase, which the window system sends from BeginPaint.
class TThrowingEraser : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_ERASEBKGND && g_armed) throw EInvalidOperation("erase failed");
    TCustomControl::WndProc(Message);
  }
};

class TThrowingHandler : public TObject {
 public:
  void Paint(TObject* Sender) { DrawThenThrow(static_cast<TCustomForm*>(Sender)->Canvas()); }
};

// What a paint may change in a DC.
struct TDCState {
  HGDIOBJ Pen, Brush, Font, Bitmap;
  int Level;
  TPoint Org{};
  TRect Clip{};
  bool operator==(const TDCState&) const = default;
};

TDCState StateOf(HDC dc) {
  TDCState s{GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH),
             GetCurrentObject(dc, OBJ_FONT), GetCurrentObject(dc, OBJ_BITMAP), SaveDC(dc) - 1};
  RestoreDC(dc, -1);
  GetWindowOrgEx(dc, &s.Org);
  GetClipBox(dc, &s.Clip);
  return s;
}

// Which control throws, and how the paint reaches it.
enum class TCulprit { Graphic, Custom, Form, Eraser };
enum class TVia {
  HostPaintMessage,
  HostPaintTo,
  FormPaintMessage,
  OwnPaintMessage,
  DoubleBuffered,
  Window
};

struct TPaintCase {
  const char* Name;
  TCulprit Culprit;
  TVia Via;
};

class PaintGuardTest : public ControlsTest, public ::testing::WithParamInterface<TPaintCase> {
 protected:
  void SetUp() override {
    form_.reset(new TForm(nullptr));
    form_->SetBounds(10, 10, 200, 150);
    host_ = Place<TPanel>(form_.get(), 5, 5, 150, 100);
    switch (GetParam().Culprit) {
      case TCulprit::Graphic: Use(Place<TThrowing<TGraphicControl>>(host_, 10, 10, 40, 30)); break;
      case TCulprit::Custom: Use(Place<TThrowing<TCustomControl>>(host_, 10, 10, 40, 30)); break;
      case TCulprit::Eraser: Use(Place<TThrowingEraser>(host_, 10, 10, 40, 30)); break;
      case TCulprit::Form:
        form_->SetOnPaint(TNotifyEvent(&handler_, &TThrowingHandler::Paint));
        Use(form_.get());
        break;
    }
    if (GetParam().Via == TVia::DoubleBuffered || GetParam().Via == TVia::Window) {
      host_->SetDoubleBuffered(GetParam().Via == TVia::DoubleBuffered);
      form_->Show();
      Idle();
    }
    form_->HandleNeeded();
  }
  // The window a window-system paint goes to.
  TWinControl* Painted() const {
    return GetParam().Via == TVia::Window ? static_cast<TWinControl*>(culprit_) : host_;
  }
  template <class T>
  void Use(T* c) {
    culprit_ = c;
    canvas_ = c->Canvas();
  }
  void TearDown() override {
    g_armed = false;
    form_.reset();
  }

  // One paint along the case's path; it must throw.
  void PaintOnce(HDC dc) {
    switch (GetParam().Via) {
      case TVia::HostPaintMessage:
        EXPECT_THROW(host_->Perform(WM_PAINT, PtrToWParam(dc), 0), EInvalidOperation);
        break;
      case TVia::HostPaintTo: EXPECT_THROW(host_->PaintTo(dc, 3, 4), EInvalidOperation); break;
      case TVia::FormPaintMessage:
        EXPECT_THROW(form_->Perform(WM_PAINT, PtrToWParam(dc), 0), EInvalidOperation);
        break;
      case TVia::OwnPaintMessage:
        EXPECT_THROW(culprit_->Perform(WM_PAINT, PtrToWParam(dc), 0), EInvalidOperation);
        break;
      case TVia::DoubleBuffered:
      case TVia::Window:
        Painted()->Invalidate();
        EXPECT_THROW(Painted()->Update(), EInvalidOperation);
        break;
    }
  }

  std::unique_ptr<TForm> form_;
  TPanel* host_ = nullptr;
  TControl* culprit_ = nullptr;
  TCanvas* canvas_ = nullptr;
  TThrowingHandler handler_;
};

TEST_P(PaintGuardTest, AThrowingPaintLeavesDCCanvasAndObjectsAsFound) {
  // A caller's own bitmap, tools and settings, which the paint must give back.
  TOwnedObject<HBITMAP> bmp(CreateBitmap(200, 150, 1, 32, nullptr));
  TOwnedObject<HPEN> pen(CreatePen(PS_SOLID, 3, RGB(1, 2, 3)));
  TOwnedObject<HBRUSH> brush(CreateSolidBrush(RGB(4, 5, 6)));
  TMemoryDC dc;
  TSelectedObject selected(dc, bmp), usePen(dc, pen), useBrush(dc, brush);
  SetWindowOrgEx(dc, 2, 1, nullptr);
  IntersectClipRect(dc, 0, 0, 180, 120);

  g_armed = true;
  PaintOnce(dc);  // the first paint makes the cached handles of fonts and tools
  const size_t live = gdi::LiveObjectCount();
  const TDCState before = StateOf(dc);
  ASSERT_EQ(before.Pen, pen.Get());
  PaintOnce(dc);
  EXPECT_EQ(StateOf(dc), before);
  EXPECT_EQ(gdi::LiveObjectCount(), live);
  EXPECT_FALSE(canvas_->HandleAllocated());
  EXPECT_EQ(canvas_->LockCount(), 0);
  for (TControl* c : std::initializer_list<TControl*>{culprit_, host_, form_.get()}) {
    EXPECT_FALSE(c->ControlState().contains(csPaintCopy));
    EXPECT_FALSE(c->ControlState().contains(csCustomPaint));
  }
  if (GetParam().Via == TVia::DoubleBuffered || GetParam().Via == TVia::Window) {
    RECT r;
    EXPECT_FALSE(GetUpdateRect(Painted()->Handle(), &r, FALSE)) << "the paint was not ended";
  }
}

// Draws on its own canvas, and on the canvas of a graphic child, when it hears kDrawNow: a
// paint outside WM_PAINT, as a control does on a timer.
constexpr UINT kDrawNow = WM_USER + 71;
class TDrawingNow : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  TGraphicControl* Child = nullptr;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg != kDrawNow) return TCustomControl::WndProc(Message);
    Canvas()->Rectangle(0, 0, 10, 10);
    TCanvas* child = Child->Canvas();
    child->Rectangle(0, 0, 5, 5);
    // A canvas a caller holds locked keeps its context through the message.
    if (Message.WParam) child->Lock();
  }
};

class CanvasOutsidePaintTest : public OneFormTest<200, 150> {};

// The window DCs the control canvases took while a message ran go back at its end, unless the
// canvas is locked: a control drawing on a timer holds none between ticks.
TEST_F(CanvasOutsidePaintTest, TheWindowDCsOfAMessageGoBackAtItsEnd) {
  g_armed = false;
  NewForm();
  auto* host = Place<TDrawingNow>(form_.get(), 0, 0, 150, 100);
  auto* child = Place<TThrowing<TGraphicControl>>(host, 10, 10, 40, 30);
  host->Child = child;
  Show();
  const win::testkit::TLiveResources before = win::testkit::LiveResources();
  auto dcsAsBefore = [&] {
    const win::testkit::TLiveResources now = win::testkit::LiveResources();
    EXPECT_EQ(now.WindowDCs, before.WindowDCs);
    EXPECT_EQ(now.DCs, before.DCs);
  };
  PostMessageA(host->Handle(), kDrawNow, 0, 0);
  win::testkit::RunUntilIdle();
  EXPECT_FALSE(host->Canvas()->HandleAllocated());
  EXPECT_FALSE(child->Canvas()->HandleAllocated());
  dcsAsBefore();
  // Locked: the child's canvas keeps its context until it is unlocked and the next message ends.
  PostMessageA(host->Handle(), kDrawNow, 1, 0);
  win::testkit::RunUntilIdle();
  EXPECT_FALSE(host->Canvas()->HandleAllocated());
  EXPECT_TRUE(child->Canvas()->HandleAllocated());
  child->Canvas()->Unlock();
  PostMessageA(host->Handle(), WM_NULL, 0, 0);
  win::testkit::RunUntilIdle();
  EXPECT_FALSE(child->Canvas()->HandleAllocated());
  dcsAsBefore();
}

// A canvas whose own DC was set aside (its handle set to none) gives that DC back and takes no
// new one in doing so.
TEST_F(CanvasOutsidePaintTest, ACanvasGivesBackADCItNoLongerDrawsOn) {
  NewForm();
  auto* host = Place<TDrawingNow>(form_.get(), 0, 0, 150, 100);
  Show();
  const size_t lent = win::testkit::LiveResources().WindowDCs;
  ASSERT_NE(host->Canvas()->Handle(), nullptr);
  EXPECT_EQ(win::testkit::LiveResources().WindowDCs, lent + 1);
  host->Canvas()->SetHandle(nullptr);
  FreeDeviceContexts();
  EXPECT_FALSE(host->Canvas()->HandleAllocated());
  EXPECT_EQ(win::testkit::LiveResources().WindowDCs, lent);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PaintGuardTest,
    ::testing::Values(TPaintCase{"GraphicChildOfPanel", TCulprit::Graphic, TVia::HostPaintMessage},
                      TPaintCase{"GraphicChildPaintTo", TCulprit::Graphic, TVia::HostPaintTo},
                      TPaintCase{"CustomChildPaintTo", TCulprit::Custom, TVia::HostPaintTo},
                      TPaintCase{"FormOnPaint", TCulprit::Form, TVia::FormPaintMessage},
                      TPaintCase{"GraphicAlone", TCulprit::Graphic, TVia::OwnPaintMessage},
                      TPaintCase{"CustomAlone", TCulprit::Custom, TVia::OwnPaintMessage},
                      TPaintCase{"DoubleBufferedPanel", TCulprit::Graphic, TVia::DoubleBuffered},
                      TPaintCase{"CustomWindow", TCulprit::Custom, TVia::Window},
                      TPaintCase{"ErasingWindow", TCulprit::Eraser, TVia::Window}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace vcl::testing
