// The graphic-control bases: background routines, transparency over a parent that supplies its
// background, the owned bevel and how owned objects and image lists repaint the control.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLCustomControl.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/ContainerScope.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

using vcl::TPoint;
using vcl::TRect;

win::COLORREF Rgb(vcl::TColor c) { return static_cast<win::COLORREF>(vcl::ColorToRGB(c)); }

// A patterned picture: every pixel differs from its neighbours, so a shifted copy shows.
std::unique_ptr<vcl::TBitmap> Pattern(int w, int h) {
  auto b = std::make_unique<vcl::TBitmap>();
  b->SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b->Canvas()->SetPixels(x, y, static_cast<vcl::TColor>(win::RGB((x * 7) & 255, (y * 11) & 255, (x + y) * 3 & 255)));
  return b;
}

// The parts of the background interface the suppliers here answer alike.
struct TBackStub : IZYLBackground {
  bool BackDrawArea(vcl::TCanvas*, const TRect&, const TPoint&, uint16_t) override { return false; }
  bool isTransparentSet() override { return false; }
  win::HPALETTE BackBitmapPalette() override { return nullptr; }
  void BackUpdate() override {}
  vcl::TControl* BackControl(int) override { return nullptr; }
  int BackControlCount() override { return 0; }
};

// A windowed parent that paints its background bitmap (from Offset) and supplies it.
class TBackPanel : public vcl::TCustomControl, public TBackStub {
  ZYL_CLASS(TBackPanel, vcl::TCustomControl)
  explicit TBackPanel(vcl::TComponent* AOwner) : inherited(AOwner) {}
  std::unique_ptr<vcl::TBitmap> Bmp;
  TPoint Offset{0, 0};
  bool Usable = true;

  vcl::TBitmap* BackBitmap() override { return Bmp.get(); }
  bool BackBitmapCheck() override { return Usable && Bmp; }
  TPoint BackMapPoint(const TPoint& P) override { return {P.X + Offset.X, P.Y + Offset.Y}; }

 protected:
  void Paint() override {
    const int w = Width(), h = Height();
    Canvas()->CopyRect(TRect{0, 0, w, h}, Bmp->Canvas(),
                       TRect{Offset.X, Offset.Y, Offset.X + w, Offset.Y + h});
  }
};
ZYL_CLASS_IMPL(TBackPanel) {}

// A non-visual supplier placed on a form.
class TBackComp : public vcl::TComponent, public TBackStub {
  ZYL_CLASS(TBackComp, vcl::TComponent)
  explicit TBackComp(vcl::TComponent* AOwner) : inherited(AOwner) { Bmp = Pattern(8, 8); }
  std::unique_ptr<vcl::TBitmap> Bmp;
  vcl::TBitmap* BackBitmap() override { return Bmp.get(); }
  bool BackBitmapCheck() override { return true; }
  TPoint BackMapPoint(const TPoint& P) override { return {P.X + 100, P.Y + 200}; }
};
ZYL_CLASS_IMPL(TBackComp) {}

// Counts its paints.
class TCountingControl : public TZYLGraphicControl {
  ZYL_CLASS(TCountingControl, TZYLGraphicControl)
  explicit TCountingControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;
  using TZYLGraphicControl::InvalidateControl;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
};
ZYL_CLASS_IMPL(TCountingControl) {}

// The bases keep their properties unpublished; a control shows them by name.
class TPublishingControl : public TZYLGraphicControl {
  ZYL_CLASS(TPublishingControl, TZYLGraphicControl)
  using TZYLGraphicControl::TZYLGraphicControl;
};
ZYL_CLASS_IMPL(TPublishingControl) {
  b.Publish({"ImageIndex", "ImageList", "ListIndex", "Transparent"});
}

class ControlBasesTest : public ::testing::Test {
 protected:
  ControlBasesTest() : session_(800, 600) {}
  static void Idle() { win::testkit::RunUntilIdle(); }
  // A form freed by the fixture, inside the session.
  vcl::TForm* Form() {
    forms_.emplace_back(new vcl::TForm(nullptr));
    return forms_.back().get();
  }
  // The panel's client area shows its bitmap from (dx, dy) on.
  static ::testing::AssertionResult ShowsBack(TBackPanel* panel, int dx, int dy, const char* name) {
    return win::testkit::PixelsMatch(
        win::testkit::CaptureWindow(panel->Handle(), false),
        [&](int x, int y) { return Rgb(panel->Bmp->Canvas()->Pixels(x + dx, y + dy)); }, name);
  }

  // A borderless form with a background panel filling it.
  std::pair<vcl::TForm*, TBackPanel*> Host(int w = 160, int h = 120) {
    auto* form = Form();
    form->SetBorderStyle(vcl::bsNone);
    form->SetBounds(0, 0, w, h);
    auto* panel = new TBackPanel(form);
    panel->Bmp = Pattern(w + 40, h + 40);
    panel->SetBounds(0, 0, w, h);
    panel->SetParent(form);
    return {form, panel};
  }
  // A control of class T on a shown host's panel, painted.
  template <class T>
  T* Shown(vcl::TForm* form, TBackPanel* panel) {
    auto* c = new T(form);
    c->SetParent(panel);
    form->Show();
    Idle();
    return c;
  }

 protected:
  vcl::testkit::TControlsSession session_;
  std::vector<std::unique_ptr<vcl::TForm>> forms_;
};

// ---- Background routines ----

TEST_F(ControlBasesTest, BackgroundRoutinesWithoutSupplier) {
  auto* form = Form();
  auto* c = new TZYLGraphicControl(form);
  EXPECT_EQ(ZYLBackBitmap(c), nullptr);  // no parent
  EXPECT_FALSE(ZYLBackBitmapCheck(c));
  c->SetBounds(5, 6, 20, 20);
  c->SetParent(form);  // a form without supplying components
  EXPECT_EQ(ZYLBackSupplier(c), nullptr);
  EXPECT_FALSE(ZYLBackBitmapCheck(c));
  EXPECT_EQ(ZYLBackBitmapPalette(c), nullptr);
  EXPECT_EQ(ZYLBackMapPoint(c, {1, 2}), (TPoint{6, 8}));
  // The control's own mapping leaves the point alone without a background.
  EXPECT_EQ(c->BackMapPoint({1, 2}), (TPoint{1, 2}));
  EXPECT_EQ(ZYLBackBitmap(nullptr), nullptr);
  EXPECT_FALSE(ZYLBackBitmapCheck(nullptr));
}

TEST_F(ControlBasesTest, FormParentUsesFirstSupplyingComponent) {
  auto* form = Form();
  // Sibling controls (which implement the interface too) are never taken as suppliers.
  auto* sibling = new TZYLGraphicControl(form);
  sibling->SetParent(form);
  auto* c = new TZYLGraphicControl(form);
  c->SetBounds(3, 4, 20, 20);
  c->SetParent(form);
  EXPECT_EQ(ZYLBackSupplier(c), nullptr);
  EXPECT_EQ(c->BackBitmap(), nullptr);
  auto* comp = new TBackComp(form);
  EXPECT_EQ(ZYLBackSupplier(c), static_cast<IZYLBackground*>(comp));
  EXPECT_EQ(ZYLBackBitmap(c), comp->Bmp.get());
  EXPECT_TRUE(ZYLBackBitmapCheck(c));
  // Left/Top, then the supplier's offset.
  EXPECT_EQ(ZYLBackMapPoint(c, {1, 1}), (TPoint{104, 205}));
  EXPECT_EQ(c->BackMapPoint({1, 1}), (TPoint{104, 205}));
}

// A component whose base asks for the form's supplier while it is being built: the answer then
// (none yet, the supplying part not built) must not stick once it is built.
class TAskingBase : public vcl::TComponent {
 public:
  TAskingBase(vcl::TComponent* AOwner, vcl::TControl* Asker) : vcl::TComponent(AOwner) {
    AskedWhileBuilt = ZYLBackSupplier(Asker);
  }
  IZYLBackground* AskedWhileBuilt = reinterpret_cast<IZYLBackground*>(1);
};
class TLateSupplier : public TAskingBase, public TBackStub {
 public:
  TLateSupplier(vcl::TComponent* AOwner, vcl::TControl* Asker) : TAskingBase(AOwner, Asker) {}
  vcl::TBitmap* BackBitmap() override { return nullptr; }
  bool BackBitmapCheck() override { return false; }
  TPoint BackMapPoint(const TPoint& P) override { return P; }
};

// The form's supplier follows its components: one added later is seen, the first of several
// is taken, a freed one is no longer taken (the next one is), and controls never are.
TEST_F(ControlBasesTest, FormSupplierFollowsComponentsAddedAndFreed) {
  auto* form = Form();
  auto* c = new TZYLGraphicControl(form);
  c->SetParent(form);
  auto* other = new TZYLGraphicControl(form);
  other->SetParent(form);
  EXPECT_EQ(ZYLBackSupplier(c), nullptr);
  EXPECT_EQ(ZYLBackSupplier(other), nullptr);
  auto* first = new TBackComp(form);
  EXPECT_EQ(ZYLBackSupplier(c), static_cast<IZYLBackground*>(first));
  auto* second = new TBackComp(form);
  EXPECT_EQ(ZYLBackSupplier(c), static_cast<IZYLBackground*>(first));
  EXPECT_EQ(ZYLBackSupplier(other), static_cast<IZYLBackground*>(first));
  delete first;
  EXPECT_EQ(ZYLBackSupplier(c), static_cast<IZYLBackground*>(second));
  // A control added later does not supply, nor hide the supplier.
  auto* late = new TZYLGraphicControl(form);
  late->SetParent(form);
  EXPECT_EQ(ZYLBackSupplier(late), static_cast<IZYLBackground*>(second));
  delete second;
  EXPECT_EQ(ZYLBackSupplier(c), nullptr);
  EXPECT_EQ(ZYLBackBitmap(c), nullptr);
  // Asked while it was being built, then asked again once built.
  auto* built = new TLateSupplier(form, c);
  EXPECT_EQ(built->AskedWhileBuilt, nullptr);
  EXPECT_EQ(ZYLBackSupplier(c), static_cast<IZYLBackground*>(built));
  // Moved to another owner, it no longer supplies this form; the other form's controls see it.
  auto* form2 = Form();
  auto* c2 = new TZYLGraphicControl(form2);
  c2->SetParent(form2);
  EXPECT_EQ(ZYLBackSupplier(c2), nullptr);
  form->RemoveComponent(built);
  form2->InsertComponent(built);
  EXPECT_EQ(ZYLBackSupplier(c), nullptr);
  EXPECT_EQ(ZYLBackSupplier(c2), static_cast<IZYLBackground*>(built));
  // A control moved to another form asks that form.
  c->SetParent(form2);
  EXPECT_EQ(ZYLBackSupplier(c), static_cast<IZYLBackground*>(built));
}

TEST_F(ControlBasesTest, UnusableOrEmptyBitmapFailsTheCheck) {
  auto [form, panel] = Host();
  auto* c = new TZYLGraphicControl(form);
  c->SetParent(panel);
  EXPECT_TRUE(ZYLBackBitmapCheck(c));
  EXPECT_TRUE(c->CheckOptimized());
  panel->Usable = false;
  EXPECT_FALSE(ZYLBackBitmapCheck(c));
  EXPECT_FALSE(c->CheckOptimized());
  panel->Usable = true;
  panel->Bmp->SetSize(0, 0);
  EXPECT_FALSE(ZYLBackBitmapCheck(c));
  panel->Bmp = Pattern(4, 4);
  c->SetTransparent(false);
  EXPECT_FALSE(c->CheckOptimized());  // opaque controls draw no background
}

TEST_F(ControlBasesTest, BackDrawAreaCopiesTheMappedPartOfTheParentsBitmap) {
  auto [form, panel] = Host();
  panel->Offset = {7, 3};
  auto* c = new TZYLGraphicControl(form);
  c->SetBounds(20, 10, 30, 25);
  c->SetParent(panel);
  vcl::TBitmap dest;
  dest.SetSize(12, 9);
  dest.Canvas()->Brush()->SetColor(vcl::clBlack);
  dest.Canvas()->FillRect(TRect{0, 0, 12, 9});
  // Source (4, 5) of the control, into (2, 1)..(12, 9) of the canvas.
  EXPECT_TRUE(c->BackDrawArea(dest.Canvas(), TRect{2, 1, 12, 9}, TPoint{4, 5}, 0));
  for (int y = 1; y < 9; ++y)
    for (int x = 2; x < 12; ++x)
      ASSERT_EQ(dest.Canvas()->Pixels(x, y),
                panel->Bmp->Canvas()->Pixels(x - 2 + 4 + 20 + 7, y - 1 + 5 + 10 + 3))
          << x << "," << y;
  EXPECT_EQ(dest.Canvas()->Pixels(0, 0), vcl::clBlack);  // outside DestRect untouched
  // Without a background bitmap nothing is drawn, and the answer is still true.
  panel->Bmp.reset();
  dest.Canvas()->FillRect(TRect{0, 0, 12, 9});
  EXPECT_TRUE(c->BackDrawArea(dest.Canvas(), TRect{0, 0, 12, 9}, TPoint{0, 0}, 0));
  EXPECT_EQ(dest.Canvas()->Pixels(5, 5), vcl::clBlack);
  panel->Bmp = Pattern(4, 4);
}

// ---- Painting ----

TEST_F(ControlBasesTest, TransparentControlShowsExactlyTheParentsPixels) {
  auto [form, panel] = Host();
  panel->Offset = {5, 9};
  auto* c = new TCountingControl(form);
  c->SetBounds(30, 20, 50, 40);
  c->SetParent(panel);
  form->Show();
  Idle();
  ASSERT_GE(c->Paints, 1);  // it painted (its background) rather than nothing
  EXPECT_TRUE(ShowsBack(panel, 5, 9, "transparent_over_back"));
}

TEST_F(ControlBasesTest, OpaqueBevelledControlPaintsColourAndBevel) {
  auto [form, panel] = Host();
  auto* c = new TZYLGraphicControl(form);
  c->SetBounds(10, 10, 40, 30);
  c->SetTransparent(false);
  c->SetColor(vcl::clRed);
  c->Bevel()->SetBevelStyleOuter(bvRaised);
  c->Bevel()->SetBevelWidthOuter(2);
  EXPECT_EQ(c->BevelExt(), 2);
  EXPECT_EQ(c->DblBevelExt(), 4);
  EXPECT_EQ(c->BeveledRect(), (TRect{2, 2, 38, 28}));
  c->SetParent(panel);
  form->Show();
  Idle();
  // The same bevel painted on a red bitmap is what the control shows.
  vcl::TBitmap ref;
  ref.SetSize(40, 30);
  ref.Canvas()->Brush()->SetColor(vcl::clRed);
  ref.Canvas()->FillRect(TRect{0, 0, 40, 30});
  TZYLBevel bevel;
  bevel.Assign(c->Bevel());
  bevel.PaintBevel(ref.Canvas(), TRect{0, 0, 40, 30}, false);
  auto cap = win::testkit::CaptureWindow(panel->Handle(), false);
  EXPECT_TRUE(win::testkit::PixelsMatch(
      cap, [&](int x, int y) { return Rgb(ref.Canvas()->Pixels(x - 10, y - 10)); },
      "bevelled_control", {10, 10, 50, 40}));
  EXPECT_EQ(cap.Color(20, 20), Rgb(vcl::clRed));
  EXPECT_NE(cap.Color(10, 10), Rgb(vcl::clRed));  // the bevel shows
  EXPECT_NE(cap.Color(49, 39), Rgb(vcl::clRed));
  EXPECT_NE(cap.Color(10, 10), cap.Color(49, 39));  // light and shadow sides
}

TEST_F(ControlBasesTest, ChangingTheOwnedBevelRepaintsOnce) {
  auto [form, panel] = Host();
  auto* c = new TCountingControl(form);
  c->SetBounds(10, 10, 40, 30);
  c->SetParent(panel);
  form->Show();
  Idle();

  // Transparent: the change invalidates; one paint follows.
  int before = c->Paints;
  c->Bevel()->SetBevelStyleOuter(bvLowered);
  EXPECT_EQ(c->Paints, before);
  Idle();
  EXPECT_EQ(c->Paints, before + 1);
  // An unchanged value does not repaint.
  c->Bevel()->SetBevelStyleOuter(bvLowered);
  Idle();
  EXPECT_EQ(c->Paints, before + 1);

  // Opaque: the change paints at once, once.
  c->SetTransparent(false);
  Idle();
  before = c->Paints;
  c->Bevel()->SetBevelWidthOuter(3);
  EXPECT_EQ(c->Paints, before + 1);
  Idle();
  EXPECT_EQ(c->Paints, before + 1);
}

TEST_F(ControlBasesTest, UpdateCounterDefersTheRepaint) {
  auto [form, panel] = Host();
  auto* c = Shown<TCountingControl>(form, panel);
  const int before = c->Paints;
  c->BeginUpdate();
  c->BeginUpdate();
  c->Bevel()->SetBevelStyleOuter(bvRaised);
  c->Bevel()->SetBevelWidthOuter(2);
  c->EndUpdate(true);  // still updating
  EXPECT_TRUE(c->IsUpdating());
  Idle();
  EXPECT_EQ(c->Paints, before);
  c->EndUpdate(true);
  EXPECT_FALSE(c->IsUpdating());
  Idle();
  EXPECT_EQ(c->Paints, before + 1);
  c->EndUpdate(false);  // never below 0
  EXPECT_EQ(c->UpdateCount(), 0);
  Idle();
  EXPECT_EQ(c->Paints, before + 1);
}

// ---- Transparency and control state ----

TEST_F(ControlBasesTest, TransparencyTogglesOpaqueStyle) {
  auto* c = new TZYLGraphicControl(Form());
  EXPECT_TRUE(c->isTransparentSet());
  EXPECT_FALSE(c->ControlStyle().contains(vcl::csOpaque));
  c->SetTransparent(false);
  EXPECT_TRUE(c->ControlStyle().contains(vcl::csOpaque));
  EXPECT_FALSE(c->isTransparentSet());
  c->SetTransparent(true);
  EXPECT_FALSE(c->ControlStyle().contains(vcl::csOpaque));
  c->DisableTransMode();
  EXPECT_FALSE(c->Transparent());
  EXPECT_TRUE(c->ControlStyle().contains(vcl::csOpaque));
  // Kept unpublished by the base; a descendant publishes it with the base's default.
  EXPECT_EQ(vcl::GetPropInfo(c, "Transparent"), nullptr);
  const vcl::TPropInfo* p = vcl::GetPropInfo(TPublishingControl::StaticClass(), "Transparent");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Default, 1);
}

class TEventSink : public vcl::TObject {
 public:
  int Enter = 0, Exit = 0, Bounds = 0;
  TZYLBoundsChangeStates Last;
  void OnEnter(vcl::TObject*) { ++Enter; }
  void OnExit(vcl::TObject*) { ++Exit; }
  // Listens to the mouse entering and leaving `c`.
  template <class C>
  void Watch(C* c) {
    c->SetOnMouseEnter(vcl::TNotifyEvent(this, &TEventSink::OnEnter));
    c->SetOnMouseExit(vcl::TNotifyEvent(this, &TEventSink::OnExit));
  }
  void OnBounds(vcl::TObject*, TZYLBoundsChangeStates s) {
    ++Bounds;
    Last = s;
  }
};

TEST_F(ControlBasesTest, MouseAndBoundsEvents) {
  auto* form = Form();
  auto* c = new TZYLGraphicControl(form);
  c->SetParent(form);
  TEventSink sink;
  sink.Watch(c);
  c->SetOnBoundsChange(TZYLBoundsChangeEvent(&sink, &TEventSink::OnBounds));
  c->Perform(vcl::CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(sink.Enter, 1);
  EXPECT_TRUE(c->MouseAbove());
  c->Perform(vcl::CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(sink.Exit, 1);
  EXPECT_FALSE(c->MouseAbove());

  c->SetBounds(c->Left() + 1, c->Top(), c->Width(), c->Height());
  EXPECT_EQ(sink.Bounds, 1);
  EXPECT_EQ(sink.Last, TZYLBoundsChangeStates{bcPos});
  c->SetBounds(c->Left(), c->Top(), c->Width() + 5, c->Height());
  EXPECT_EQ(sink.Last, TZYLBoundsChangeStates{bcSize});
  c->SetBounds(0, 0, 10, 10);
  EXPECT_EQ(sink.Last, (TZYLBoundsChangeStates{bcSize, bcPos}));
  c->SetBounds(0, 0, 10, 10);  // unchanged: no event
  EXPECT_EQ(sink.Bounds, 3);
}

TEST_F(ControlBasesTest, CtlXPThroughTheThemesInterface) {
  auto* c = new TZYLGraphicControl(Form());
  EXPECT_FALSE(c->UseXP());  // the base does not support themes
  c->SetCtlXP(false);
  IZYLThemes* t = nullptr;
  ASSERT_TRUE(ZYLSupports(c, t));
  t->SetCtlXP(true);
  EXPECT_TRUE(c->GetCtlXP());
}

// ---- Image list ----

TEST_F(ControlBasesTest, ImageListLinkRepaintsAndIsClearedOnFree) {
  auto [form, panel] = Host();
  auto* c = Shown<TCountingControl>(form, panel);
  auto* list = new TZYLImageList(nullptr);
  c->SetImageList(list);
  EXPECT_EQ(c->ImageList(), list);
  EXPECT_TRUE(c->IMLEmpty());
  Idle();
  int before = c->Paints;
  list->Add();  // a change of the list reaches the control
  Idle();
  EXPECT_EQ(c->Paints, before + 1);
  EXPECT_TRUE(c->IMLEmpty());  // the strip has no image 0

  before = c->Paints;
  c->SetIndex(1, 0);  // unchanged
  c->SetImageIndex(4);  // stored without repainting
  Idle();
  EXPECT_EQ(c->Paints, before);
  EXPECT_EQ(c->ImageIndex(), 4);
  c->SetIndex(0, 2);
  Idle();
  EXPECT_EQ(c->Paints, before + 1);
  EXPECT_EQ(c->GetIndex(0), 2);

  delete list;  // free notification clears the reference
  EXPECT_EQ(c->ImageList(), nullptr);
  EXPECT_TRUE(c->IMLEmpty());
}

TEST_F(ControlBasesTest, SwitchingImageListsMovesTheLink) {
  auto* form = Form();
  auto* c = new TZYLGraphicControl(form);
  TZYLImageList a(nullptr), b(nullptr);
  c->SetImageList(&a);
  EXPECT_EQ(a.LinkCount(), 1);
  c->SetImageList(&b);
  EXPECT_EQ(a.LinkCount(), 0);
  EXPECT_EQ(b.LinkCount(), 1);
  forms_.clear();  // the control unregisters on destruction
  EXPECT_EQ(b.LinkCount(), 0);
}

// ---- Windowed base ----

// Paints its common background and records what the base asks of it.
class TTestCustom : public TZYLCustomControl {
  ZYL_CLASS(TTestCustom, TZYLCustomControl)
  ZYL_MESSAGES(TTestCustom)
  explicit TTestCustom(vcl::TComponent* AOwner) : inherited(AOwner) {}
  std::vector<std::string> Log;
  int Paints = 0;
  bool ReadOnly = false;
  bool GetReadOnly() override { return ReadOnly; }

 protected:
  void Paint() override {
    ++Paints;
    FillControl();
  }
  void RestoreBorderFront() override { Log.push_back("front"); }
  void RestoreBorderBack() override { Log.push_back("back"); }
  void DoFlatChanged() override { Log.push_back("flat"); }
  void AfterEnter(vcl::TMessage&) { Log.push_back("afterenter"); }
  void AfterExit(vcl::TMessage&) { Log.push_back("afterexit"); }
  void ThemeChanged(vcl::TMessage&) { Log.push_back("theme"); }
};
ZYL_MESSAGE_MAP(TTestCustom) {
  m.On(CM_ZYLAFTERENTER, &TTestCustom::AfterEnter).On(CM_ZYLAFTEREXIT, &TTestCustom::AfterExit)
      .On(CM_ZYLTHEMECHANGED, &TTestCustom::ThemeChanged);
}
ZYL_CLASS_IMPL(TTestCustom) {}

TEST_F(ControlBasesTest, TransparentWindowedControlAndNestedGraphicShowTheParentsPixels) {
  auto [form, panel] = Host();
  panel->Offset = {3, 4};
  auto* w = new TTestCustom(form);
  w->SetBounds(20, 15, 100, 80);
  w->SetTransparent(true);
  w->SetColor(vcl::clRed);  // must not show
  w->SetParent(panel);
  // A transparent graphic control inside it: the mapping runs through both parents.
  auto* g = new TZYLGraphicControl(form);
  g->SetBounds(10, 12, 30, 20);
  g->SetParent(w);
  EXPECT_EQ(ZYLBackMapPoint(g, {0, 0}), (TPoint{10 + 20 + 3, 12 + 15 + 4}));
  EXPECT_TRUE(g->CheckOptimized());
  form->Show();
  Idle();
  ASSERT_GE(w->Paints, 1);
  EXPECT_TRUE(ShowsBack(panel, 3, 4, "transparent_windowed"));

  // Opaque, it fills with its colour instead.
  w->SetTransparent(false);
  EXPECT_TRUE(w->ControlStyle().contains(vcl::csOpaque));
  Idle();
  EXPECT_EQ(win::testkit::CaptureWindow(panel->Handle(), false).Color(25, 20), Rgb(vcl::clRed));
  EXPECT_EQ(w->BackDrawArea(nullptr, TRect{}, TPoint{}, 0), false);  // the base draws nothing
}

TEST_F(ControlBasesTest, WindowedFocusPostsAfterMessagesAndRestoresBorders) {
  auto* form = Form();
  auto* a = new TTestCustom(form);
  a->SetParent(form);
  auto* b = new TTestCustom(form);
  b->SetBounds(0, 40, 50, 30);
  b->SetParent(form);
  a->SetTabStop(true);
  b->SetTabStop(true);
  a->SetFlat(true);
  EXPECT_EQ(a->Log, (std::vector<std::string>{"flat", "back"}));
  a->SetFlat(true);  // unchanged
  EXPECT_EQ(a->Log.size(), 2u);
  a->Log.clear();
  form->Show();
  Idle();
  a->SetFocus();
  Idle();
  EXPECT_TRUE(a->FocusState());
  b->SetFocus();
  Idle();
  EXPECT_FALSE(a->FocusState());
  EXPECT_TRUE(b->FocusState());
  EXPECT_EQ(a->Log, (std::vector<std::string>{"front", "afterenter", "back", "afterexit"}));
  // Not flat: no front look on entering, the normal border on leaving.
  EXPECT_EQ(b->Log, (std::vector<std::string>{"afterenter"}));
}

TEST_F(ControlBasesTest, WindowedMouseStateAndThemeParams) {
  auto* form = Form();
  auto* c = new TTestCustom(form);
  c->SetParent(form);
  TEventSink sink;
  sink.Watch(c);
  std::string cls;
  int part = 0, state = 0;
  auto stateNow = [&] { return c->GetXPBevelParams(cls, part, state), state; };
  EXPECT_EQ(stateNow(), 1);
  EXPECT_EQ(cls, "EDIT");
  EXPECT_EQ(part, 1);
  c->Perform(vcl::CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(sink.Enter, 1);
  EXPECT_TRUE(c->MouseAbove());
  EXPECT_EQ(stateNow(), 2);
  c->ReadOnly = true;
  EXPECT_EQ(stateNow(), 6);
  c->SetEnabled(false);
  EXPECT_EQ(stateNow(), 4);  // the last test wins
  c->SetFlat(true);
  c->Log.clear();
  c->Perform(vcl::CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(sink.Exit, 1);
  EXPECT_FALSE(c->MouseAbove());
  EXPECT_EQ(c->Log, (std::vector<std::string>{"back"}));  // flat and not focused
  // Turning the focus state off on a flat control restores its border.
  c->SetBoolean(true);
  c->Log.clear();
  c->SetBoolean(false);
  EXPECT_EQ(c->Log, (std::vector<std::string>{"back"}));
}

TEST_F(ControlBasesTest, WindowedUpdateCounterAndOwnedObjects) {
  auto [form, panel] = Host();
  auto* c = new TTestCustom(form);
  c->SetBounds(5, 5, 50, 40);
  c->SetParent(panel);
  form->Show();
  Idle();
  ASSERT_GE(c->Paints, 1);
  int before = c->Paints;
  c->BackFX()->SetBoolean(2, true);  // an owned object's change repaints once
  Idle();
  EXPECT_EQ(c->Paints, before + 1);
  c->BeginUpdate();
  c->BackFX()->SetBoolean(3, true);
  Idle();
  EXPECT_EQ(c->Paints, before + 1);
  c->EndUpdate(true);
  EXPECT_FALSE(c->IsUpdating());
  Idle();
  EXPECT_EQ(c->Paints, before + 2);
  c->EndUpdate(false);
  EXPECT_FALSE(c->IsUpdating());

  auto* list = new TZYLImageList(nullptr);
  c->SetImageList(list);
  EXPECT_TRUE(c->IMLEmpty());
  EXPECT_EQ(list->LinkCount(), 1);
  delete list;
  EXPECT_EQ(c->ImageList(), nullptr);
}

TEST_F(ControlBasesTest, WindowedThemeHandleAndThemedBevel) {
  auto* form = Form();
  auto* c = new TTestCustom(form);
  c->SetBounds(0, 0, 40, 30);
  c->SetParent(form);
  auto* child = new TTestCustom(form);
  child->SetParent(c);
  vcl::TBitmap bmp;
  bmp.SetSize(20, 20);
  bmp.Canvas()->Brush()->SetColor(vcl::clBlack);
  bmp.Canvas()->FillRect(TRect{0, 0, 20, 20});
  // Without the theme functions nothing is drawn and no handle exists.
  c->BevelXP(bmp.Canvas(), TRect{0, 0, 20, 20});
  EXPECT_EQ(bmp.Canvas()->Pixels(10, 10), vcl::clBlack);
  EXPECT_EQ(c->ThemeHandle(), nullptr);

  ZYLUseStandInThemes(true);
  struct TOff {
    ~TOff() { ZYLUseStandInThemes(false); }
  } off;
  c->BevelXP(bmp.Canvas(), TRect{0, 0, 20, 20});
  ASSERT_NE(c->ThemeHandle(), nullptr);
  EXPECT_EQ(ZYLThemeClass(static_cast<HTHEME>(c->ThemeHandle())), "EDIT");
  EXPECT_EQ(static_cast<uint32_t>(bmp.Canvas()->Pixels(10, 10)), ZYLThemeFaceColor(1));
  c->Perform(vcl::CM_MOUSEENTER, 0, 0);
  c->BevelXP(bmp.Canvas(), TRect{0, 0, 20, 20});
  EXPECT_EQ(static_cast<uint32_t>(bmp.Canvas()->Pixels(10, 10)), ZYLThemeFaceColor(2));

  // A CtlXP change re-creates the handles and tells the children.
  c->SetCtlXP(false);
  EXPECT_NE(c->ThemeHandle(), nullptr);
  EXPECT_EQ(child->Log, (std::vector<std::string>{"theme"}));
  c->SetCtlXP(false);  // unchanged
  EXPECT_EQ(child->Log.size(), 1u);
  EXPECT_FALSE(c->UseXP());  // the base does not support themes
}

TEST_F(ControlBasesTest, GlobalImageListStreamsAsInternalIdent) {
  testsupport::TContainerScope container;
  TZYLCustomImageList* global = ZYLContainer()->ImageList();
  std::string bytes;
  {
    TPublishingControl c(nullptr);
    c.SetImageList(global);
    c.SetIndex(1, 1);
    c.SetIndex(0, 2);
    c.SetTransparent(false);
    c.Bevel()->SetBevelWidthOuter(3);
    bytes = vcl::WriteComponentToBytes(&c);
    EXPECT_EQ(global->LinkCount(), 1);
  }
  EXPECT_EQ(global->LinkCount(), 0);  // the destroyed control left the list
  const std::string text = vcl::ObjectBinaryToTextString(bytes);
  EXPECT_NE(text.find("Internal"), std::string::npos) << text;
  EXPECT_EQ(text.find("ImageList"), std::string::npos) << text;
  EXPECT_NE(text.find("Transparent = False"), std::string::npos) << text;
  {
    TPublishingControl d(nullptr);
    vcl::ReadComponentFromBytes(bytes, &d);
    EXPECT_EQ(d.ImageList(), global);
    EXPECT_EQ(d.ListIndex(), 1);
    EXPECT_EQ(d.ImageIndex(), 2);
    EXPECT_FALSE(d.Transparent());
    EXPECT_EQ(d.Bevel()->WidthOuter(), 3);
  }
}

TEST_F(ControlBasesTest, BackUpdateRepaintsTransparentControlsAndDropsTheEffectCache) {
  auto [form, panel] = Host();
  auto* c = Shown<TCountingControl>(form, panel);
  int before = c->Paints;
  c->BackUpdate();
  Idle();
  EXPECT_EQ(c->Paints, before + 1);
  // Opaque controls do not take the parent's background: no repaint.
  c->SetTransparent(false);
  Idle();
  before = c->Paints;
  c->BackUpdate();
  Idle();
  EXPECT_EQ(c->Paints, before);
  // Invisible: nothing at all.
  c->SetTransparent(true);
  c->SetVisible(false);
  Idle();
  before = c->Paints;
  c->BackUpdate();
  Idle();
  EXPECT_EQ(c->Paints, before);
}

TEST_F(ControlBasesTest, OutOfRangeIndexesLeaveTheImageListEmpty) {
  auto* form = Form();
  auto* c = new TZYLGraphicControl(form);
  TZYLImageList list(nullptr);
  list.Add();
  c->SetImageList(&list);
  for (int li : {-1, 0, 1, 1000000})
    for (int ii : {-5, 0, 7}) {
      c->SetIndex(1, li);
      c->SetIndex(0, ii);
      EXPECT_TRUE(c->IMLEmpty()) << li << "," << ii;
    }
}

}  // namespace
}  // namespace zyl
