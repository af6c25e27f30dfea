#include "foundation/ZYLControl.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLObject.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

using vcl::TPoint;
using vcl::TRect;

// ---- Background routines ----

namespace {

// The first of a form's components that supplies a background (controls supply their
// background to their own children only, and two sibling controls asking each other would
// never end).
vcl::TComponent* FirstSupplyingComponent(vcl::TCustomForm* form) {
  for (int i = 0; i < form->ComponentCount(); ++i) {
    vcl::TComponent* c = form->Components(i);
    if (!dynamic_cast<vcl::TControl*>(c) && ZYLSupports<IZYLBackground>(c)) return c;
  }
  return nullptr;
}

// A form's supplier, kept on the form until its components change, so that its controls do not
// walk its components each time they ask. What is kept is checked where it may be out of date:
// a component being built or freed supplies only while its supplying part exists, so the kept
// supplier must still supply, and a kept absence is asked again of the newest component (which
// may have been asked while it was being built).
IZYLBackground* FormBackSupplier(vcl::TCustomForm* form) {
  static const char kKey = 0;
  IZYLBackground* intf = nullptr;
  void* kept = nullptr;
  if (form->RecallOfComponents(&kKey, kept)) {
    auto* c = static_cast<vcl::TComponent*>(kept);
    if (c && ZYLSupports(c, intf)) return intf;
    const int n = form->ComponentCount();
    if (!c && (n == 0 || dynamic_cast<vcl::TControl*>(form->Components(n - 1)) ||
               !ZYLSupports<IZYLBackground>(form->Components(n - 1))))
      return nullptr;
  }
  vcl::TComponent* first = FirstSupplyingComponent(form);
  form->KeepOfComponents(&kKey, first);
  return first ? dynamic_cast<IZYLBackground*>(first) : nullptr;
}

// The supplier of the background of parent's children (ZYLBackSupplier of each of them).
IZYLBackground* ChildBackSupplier(vcl::TWinControl* parent) {
  if (!parent) return nullptr;
  IZYLBackground* intf = nullptr;
  if (ZYLSupports(parent, intf)) return intf;
  if (auto* form = dynamic_cast<vcl::TCustomForm*>(parent)) return FormBackSupplier(form);
  return nullptr;
}

}  // namespace

IZYLBackground* ZYLBackSupplier(vcl::TControl* Control) {
  return Control ? ChildBackSupplier(Control->Parent()) : nullptr;
}

vcl::TBitmap* ZYLBackBitmap(vcl::TControl* Control) {
  IZYLBackground* s = ZYLBackSupplier(Control);
  return s ? s->BackBitmap() : nullptr;
}

bool ZYLBackBitmapCheck(vcl::TControl* Control) {
  IZYLBackground* s = ZYLBackSupplier(Control);
  if (!s || !s->BackBitmapCheck()) return false;
  vcl::TBitmap* b = s->BackBitmap();
  return b && b->Width() > 0 && b->Height() > 0;
}

TPoint ZYLBackMapPoint(vcl::TControl* Control, const TPoint& Point) {
  if (!Control) return Point;
  TPoint p{Point.X + Control->Left(), Point.Y + Control->Top()};
  IZYLBackground* s = ZYLBackSupplier(Control);
  return s ? s->BackMapPoint(p) : p;
}

win::HPALETTE ZYLBackBitmapPalette(vcl::TControl* Control) {
  if (!ZYLBackBitmapCheck(Control)) return nullptr;
  return ZYLBackBitmap(Control)->Palette();
}

// ---- TZYLControl ----

ZYL_MESSAGE_MAP(TZYLControl) {
  m.On(vcl::CM_MOUSEENTER, &TZYLControl::CMMouseEnter)
      .On(vcl::CM_MOUSELEAVE, &TZYLControl::CMMouseLeave);
}

// The library's common control properties are described here once and published by the
// controls that show them.
ZYL_CLASS_IMPL(TZYLControl) {
  using C = TZYLControl;
  b.Declare("About", &C::About, &C::SetAbout, AboutVarTypeInfo())
      .Stored(false)
      .Declare("CtlXP", &C::GetCtlXP, &C::SetCtlXP)
      .Default(true)
      .Declare("OnBoundsChange", &C::GetOnBoundsChange, &C::SetOnBoundsChange)
      .Declare("OnMouseEnter", &C::GetOnMouseEnter, &C::SetOnMouseEnter)
      .Declare("OnMouseExit", &C::GetOnMouseExit, &C::SetOnMouseExit);
}

TZYLControl::TZYLControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
TZYLControl::~TZYLControl() = default;

void TZYLControl::SetCtlXP(bool Value) {
  if (FCtlXP == Value) return;
  FCtlXP = Value;
  DoThemeChanged();
}

bool TZYLControl::UseXP() const {
  TZYLApplication* app = ZYLApplication();
  return ControlSupportsXP() && app && app->GetUseXPThemes() && FCtlXP;
}

void TZYLControl::DoThemeChanged() {
  if (ControlSupportsXP()) Invalidate();
}

void TZYLControl::EndUpdate(bool Repaint) {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0 && Repaint) GetChange(nullptr);
}

void TZYLControl::GetChange(vcl::TObject* /*Sender*/) {
  if (!IsUpdating()) Invalidate();
}

void TZYLControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int l = Left(), t = Top(), w = Width(), h = Height();
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  TZYLBoundsChangeStates state;
  if (Width() != w || Height() != h) state.Include(bcSize);
  if (Left() != l || Top() != t) state.Include(bcPos);
  if (!state.empty()) BoundsChange(state);
}

void TZYLControl::BoundsChange(TZYLBoundsChangeStates State) {
  if (FOnBoundsChange) FOnBoundsChange(this, State);
}

void TZYLControl::MouseEnter() {
  FMouseAbove = true;
  if (FOnMouseEnter) FOnMouseEnter(this);
}

void TZYLControl::MouseExit() {
  FMouseAbove = false;
  if (FOnMouseExit) FOnMouseExit(this);
}

void TZYLControl::CMMouseEnter(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  MouseEnter();
}

void TZYLControl::CMMouseLeave(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  MouseExit();
}

void TZYLControl::FillControl() {
  vcl::TCanvas* c = Canvas();
  c->Brush()->SetStyle(vcl::bsSolid);
  c->Brush()->SetColor(Color());
  c->Pen()->SetStyle(vcl::psClear);
  c->FillRect(ClientRect());
}

void TZYLControl::DrawDashedFrame() {
  vcl::TCanvas* c = Canvas();
  c->Pen()->SetStyle(vcl::psDot);
  c->Pen()->SetColor(vcl::clBlack);
  c->Brush()->SetStyle(vcl::bsClear);
  c->Rectangle(ClientRect());
}

vcl::TBitmap* TZYLControl::BackBitmap() { return ZYLBackBitmap(this); }
bool TZYLControl::BackBitmapCheck() { return ZYLBackBitmapCheck(this); }

TPoint TZYLControl::BackMapPoint(const TPoint& Point) {
  if (!BackBitmapCheck()) return Point;
  return ZYLBackMapPoint(this, Point);
}

bool TZYLControl::BackDrawArea(vcl::TCanvas* Canvas, const TRect& DestRect, const TPoint& Source,
                               uint16_t /*Flags*/) {
  vcl::TBitmap* bmp = BackBitmap();
  if (!bmp || !Canvas) return true;
  const TPoint p = ZYLBackMapPoint(this, Source);
  const int w = DestRect.Right - DestRect.Left, h = DestRect.Bottom - DestRect.Top;
  Canvas->CopyRect(DestRect, bmp->Canvas(), TRect{p.X, p.Y, p.X + w, p.Y + h});
  return true;
}

void ZYLSetOpaque(vcl::TControl* Control, bool Opaque) {
  const vcl::TControlStyle s = Control->ControlStyle();
  Control->SetControlStyle(Opaque ? s + vcl::csOpaque : s - vcl::csOpaque);
}

void ZYLBackUpdate(IZYLBackground* Provider, vcl::TWinControl* Control) {
  std::unordered_set<vcl::TControl*> asked;
  auto ask = [&](vcl::TControl* c) {
    IZYLBackground* b = nullptr;
    if (!c || c == Control || asked.contains(c)) return;
    if (!ZYLSupports(c, b) || static_cast<void*>(b) == static_cast<void*>(Provider)) return;
    asked.insert(c);
    b->BackUpdate();
  };
  if (Provider)
    for (int i = 0; i < Provider->BackControlCount(); ++i) ask(Provider->BackControl(i));
  // Control's children all take their background from the same supplier: it is looked up once
  // (a form keeps its own). An asked child may change what Control holds, so each child is
  // taken afresh.
  if (Control && ChildBackSupplier(Control) == Provider)
    for (int i = 0; i < Control->ControlCount(); ++i) ask(Control->Controls(i));
}

// ---- TZYLBaseControl ----

ZYL_CLASS_IMPL(TZYLBaseControl) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLBaseControl;
  b.Declare("BackFX", &C::BackFX, &C::SetBackFX)
      .Declare("ImageIndex", &C::GetIndex, &C::SetIndex).Index(iiImageIndex).Default(0)
      .Declare("ImageList", &C::ImageList, &C::SetImageList).Stored(&C::IsImageListStored)
      .Declare("ListIndex", &C::GetIndex, &C::SetIndex).Index(iiListIndex).Default(0);
}

TZYLBaseControl::TZYLBaseControl(vcl::TComponent* AOwner)
    : inherited(AOwner), TZYLImageListClient(this) {
  FChangeLink.reset(new TZYLChangeLink(), vcl::TNotifyEvent(this, &TZYLBaseControl::GetIMLChange));
  FBackFX.reset(new TZYLBitmapEffectObject(),
                vcl::TNotifyEvent(this, &TZYLBaseControl::GetIMLChange));
}

TZYLBaseControl::~TZYLBaseControl() {
  ReleaseImageList();
  FBackFX.reset();
}

void TZYLBaseControl::SetBackFX(TZYLBitmapEffectObject* Value) {
  if (Value) FBackFX->Assign(Value);
}

TRect TZYLBaseControl::GetScreenRect(const TRect& Rect) {
  const TPoint tl = ClientToScreen({Rect.Left, Rect.Top});
  return TRect{tl.X, tl.Y, tl.X + (Rect.Right - Rect.Left), tl.Y + (Rect.Bottom - Rect.Top)};
}

void TZYLBaseControl::BackUpdate() {
  if (!Visible()) return;
  if (!ComponentState().contains(vcl::csLoading) && CheckOptimized()) GetChange(nullptr);
  FBackFX->DestroyBuffer();
}

void TZYLBaseControl::GetIMLChange(vcl::TObject* Sender) { GetChange(Sender); }

void TZYLBaseControl::Loaded() {
  inherited::Loaded();
  GetIMLChange(FImageList);
}

void TZYLBaseControl::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  ForgetRemovedList(AComponent, Operation);
}

void TZYLBaseControl::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  ZYLDefineGlobalIdent(Filer, FImageList, [this](TZYLCustomImageList* L) { SetImageList(L); });
}

// ---- TZYLBaseGraphicControl ----

ZYL_MESSAGE_MAP(TZYLBaseGraphicControl) {
  m.On(CM_ZYLTRANSPARENTCHANGED, &TZYLBaseGraphicControl::CMTransparentChanged);
}

ZYL_CLASS_IMPL(TZYLBaseGraphicControl) {
  b.Declare("Transparent", &TZYLBaseGraphicControl::Transparent,
            &TZYLBaseGraphicControl::SetTransparent)
      .Default(true);
}

TZYLBaseGraphicControl::TZYLBaseGraphicControl(vcl::TComponent* AOwner) : inherited(AOwner) {
  ZYLSetOpaque(this, false);
  SetBounds(Left(), Top(), 30, 30);
}

void TZYLBaseGraphicControl::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  ZYLSetOpaque(this, !Value);
  Perform(CM_ZYLTRANSPARENTCHANGED, 0, 0);
}

void TZYLBaseGraphicControl::CMTransparentChanged(vcl::TMessage& /*Message*/) {
  if (Visible()) Invalidate();
}

void TZYLBaseGraphicControl::DisableTransMode() {
  FTransparent = false;
  ZYLSetOpaque(this, true);
}

void TZYLBaseGraphicControl::InvalidateControl() {
  if (IsUpdating()) return;
  if (FTransparent || !Parent() || !Parent()->HandleAllocated() || !IsVisibleOnScreen()) {
    Invalidate();
  } else {
    Paint();
  }
}

void TZYLBaseGraphicControl::GetChange(vcl::TObject* /*Sender*/) { InvalidateControl(); }

bool TZYLBaseGraphicControl::CheckOptimized() { return FTransparent && BackBitmapCheck(); }

void TZYLBaseGraphicControl::Paint() {
  if (ComponentState().contains(vcl::csDesigning)) DrawDashedFrame();
}

// ---- TZYLGraphicControl ----

ZYL_CLASS_IMPL(TZYLGraphicControl) {
  b.Prop("Bevel", &TZYLGraphicControl::Bevel, &TZYLGraphicControl::SetBevel);
}

TZYLGraphicControl::TZYLGraphicControl(vcl::TComponent* AOwner) : inherited(AOwner) {
  FBevel.reset(new TZYLBevel(), vcl::TNotifyEvent(this, &TZYLGraphicControl::GetChange));
}

TZYLGraphicControl::~TZYLGraphicControl() { FBevel.reset(); }

void TZYLGraphicControl::SetBevel(TZYLBevel* Value) {
  if (Value) FBevel->Assign(Value);
}

int TZYLGraphicControl::BevelExt() const { return FBevel->GetBevelExtend(); }

TRect TZYLGraphicControl::BeveledRect() { return FBevel->ClientRect(ClientRect()); }

void TZYLGraphicControl::PaintBackground() {
  if (FTransparent) {
    if (CheckOptimized()) BackDrawArea(Canvas(), ClientRect(), TPoint{0, 0}, 0);
  } else {
    FillControl();
  }
}

void TZYLGraphicControl::Paint() {
  if (ComponentState().contains(vcl::csLoading)) return;
  PaintBackground();
  if (FBevel->GetBevelExtend() > 0)
    FBevel->PaintBevel(Canvas(), ClientRect(), FTransparent);
  else
    inherited::Paint();
}

}  // namespace zyl
