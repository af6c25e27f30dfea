#include "foundation/ZYLCustomControl.h"

#include <algorithm>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLFaceController.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

using vcl::TPoint;
using vcl::TRect;

ZYL_MESSAGE_MAP(TZYLCustomControl) {
  m.On(win::WM_SETFOCUS, &TZYLCustomControl::WMSETFOCUS)
      .On(win::WM_KILLFOCUS, &TZYLCustomControl::WMKILLFOCUS)
      .On(vcl::CM_MOUSEENTER, &TZYLCustomControl::CMMouseEnter)
      .On(vcl::CM_MOUSELEAVE, &TZYLCustomControl::CMMouseLeave)
      .On(CM_ZYLAFTERENTER, &TZYLCustomControl::CMAfterEnter)
      .On(CM_ZYLAFTEREXIT, &TZYLCustomControl::CMAfterExit)
      .On(CM_ZYLTRANSPARENTCHANGED, &TZYLCustomControl::CMTransparentChanged);
}

// Described here, published by the windowed controls that show them.
ZYL_CLASS_IMPL(TZYLCustomControl) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomControl;
  b.Declare("BackFX", &C::BackFX, &C::SetBackFX)
      .Declare("CtlXP", &C::GetCtlXP, &C::SetCtlXP).Default(true)
      .Declare("FaceController", &C::FaceController, &C::SetFaceController)
      .Declare("Flat", &C::Flat, &C::SetFlat).Default(false)
      .Declare("ImageIndex", &C::GetIndex, &C::SetIndex).Index(iiImageIndex).Default(0)
      .Declare("ImageList", &C::ImageList, &C::SetImageList).Stored(&C::IsImageListStored)
      .Declare("ListIndex", &C::GetIndex, &C::SetIndex).Index(iiListIndex).Default(0)
      .Declare("Transparent", &C::Transparent, &C::SetTransparent).Default(false)
      .Declare("OnMouseEnter", &C::GetOnMouseEnter, &C::SetOnMouseEnter)
      .Declare("OnMouseExit", &C::GetOnMouseExit, &C::SetOnMouseExit);
  b.Declare("OnAfterEnter", &C::GetOnAfterEnter, &C::SetOnAfterEnter);
  b.Declare("OnAfterExit", &C::GetOnAfterExit, &C::SetOnAfterExit);
}

TZYLCustomControl::TZYLCustomControl(vcl::TComponent* AOwner)
    : inherited(AOwner), TZYLImageListClient(this) {
  FChangeLink.reset(new TZYLChangeLink(),
                    vcl::TNotifyEvent(this, &TZYLCustomControl::GetIMLChange));
  FBackFX.reset(new TZYLBitmapEffectObject(),
                vcl::TNotifyEvent(this, &TZYLCustomControl::GetChange));
  FFaceLink.reset(new TZYLChangeLink(),
                  vcl::TNotifyEvent(this, &TZYLCustomControl::FaceControllerChange));
}

TZYLCustomControl::~TZYLCustomControl() {
  // A list or controller freed first (siblings on one owner are freed without notices) has
  // unregistered the link already: the reference must not be followed then.
  if (FImageList && FChangeLink->Sender() != static_cast<vcl::TObject*>(FImageList))
    FImageList = nullptr;
  ReleaseImageList();
  if (TZYLFaceController* fc = FaceController()) {
    fc->UnRegisterChanges(FFaceLink);
    fc->LeaveHot(this);
    fc->RemoveFreeNotification(this);
  }
  FFaceController = nullptr;
  FFaceLink.reset();
  FBackFX.reset();
  FreeXPThemeHandles();
}

void TZYLCustomControl::Assign(vcl::TPersistent* Source) {
  if (auto* src = dynamic_cast<TZYLCustomControl*>(Source)) {
    SetTransparent(src->FTransparent);
    SetFlat(src->FFlat);
    SetCtlXP(src->FCtlXP);
    SetImageList(src->FImageList);
    SetIndex(iiImageIndex, src->FImageIndex);
    SetIndex(iiListIndex, src->FListIndex);
    FBackFX->Assign(src->FBackFX);
    SetFaceController(src->FaceController());
    FAllowMoving = src->FAllowMoving;
    FAllowSizing = src->FAllowSizing;
    SetControlLocked(src->FControlLocked);
    return;
  }
  inherited::Assign(Source);
}

void TZYLCustomControl::SetTransparent(bool Value) {
  FTransparent = Value;
  ZYLSetOpaque(this, !Value);
  Perform(CM_ZYLTRANSPARENTCHANGED, 0, 0);
}

void TZYLCustomControl::CMTransparentChanged(vcl::TMessage& /*Message*/) {
  if (Visible()) Invalidate();
}

void TZYLCustomControl::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  DoFlatChanged();
  if (FFlat)
    RestoreBorderBack();
  else
    RestoreBorderFront();
}

void TZYLCustomControl::SetCtlXP(bool Value) {
  if (FCtlXP == Value) return;
  FCtlXP = Value;
  DoThemeChanged();
}

bool TZYLCustomControl::UseXP() const {
  TZYLApplication* app = ZYLApplication();
  return ControlSupportsXP() && app && app->GetUseXPThemes() && app->GetXPThemesSupported() &&
         GetBorderCtlXP();
}

void TZYLCustomControl::CreateXPThemeHandles() {
  FreeXPThemeHandles();
  if (!XPThemesAvailable) return;
  FThemeClass = GetXPMainThemeClass();
  FTheme = OpenThemeData(HandleAllocated() ? Handle() : nullptr, FThemeClass);
}

void TZYLCustomControl::FreeXPThemeHandles() {
  if (FTheme) CloseThemeData(FTheme);  // also after themes were switched off
  FTheme = nullptr;
  FThemeClass.clear();
}

void* TZYLCustomControl::BevelTheme(int& Part, int& State) {
  std::string cls;
  GetXPBevelParams(cls, Part, State);
  if (!FTheme || cls != FThemeClass) {
    FreeXPThemeHandles();
    FThemeClass = cls;
    FTheme = OpenThemeData(HandleAllocated() ? Handle() : nullptr, cls);
  }
  return FTheme;
}

void TZYLCustomControl::BevelXP(vcl::TCanvas* Canvas, const TRect& Rect) {
  if (!Canvas || !XPThemesAvailable) return;
  int part = 0, state = 0;
  if (void* theme = BevelTheme(part, state))
    DrawThemeBackground(theme, Canvas->Handle(), part, state, &Rect, nullptr);
}

bool TZYLCustomControl::BevelXPContentRect(const TRect& Rect, TRect& Content) {
  if (!XPThemesAvailable) return false;
  int part = 0, state = 0;
  void* theme = BevelTheme(part, state);
  return theme &&
         GetThemeBackgroundContentRect(theme, nullptr, part, state, &Rect, &Content) == ZYL_S_OK;
}

void TZYLCustomControl::DoThemeChanged() {
  FreeXPThemeHandles();
  CreateXPThemeHandles();
  Invalidate();
  vcl::TMessage msg{};
  msg.Msg = CM_ZYLTHEMECHANGED;
  Broadcast(msg);
}

void TZYLCustomControl::SetBoolean(bool Value) {
  if (FFocused == Value) return;
  FFocused = Value;
  if (!Value && FFlat) RestoreBorderBack();
}

void TZYLCustomControl::SetBackFX(TZYLBitmapEffectObject* Value) {
  if (Value) FBackFX->Assign(Value);
}

void TZYLCustomControl::EndUpdate(bool Repaint) {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0 && Repaint) GetChange(nullptr);
}

bool TZYLCustomControl::CheckOptimized() { return GetTransparent() && BackBitmapCheck(); }

void TZYLCustomControl::GetChange(vcl::TObject* /*Sender*/) {
  if (!IsUpdating()) Invalidate();
}

void TZYLCustomControl::GetXPBevelParams(std::string& ClassName, int& Part, int& State) {
  ClassName = "EDIT";
  Part = 1;
  State = 1;
  if (FFocused) State = 5;
  if (FMouseAbove) State = 2;
  if (GetReadOnly()) State = 6;
  if (!Enabled()) State = 4;
}

vcl::TBitmap* TZYLCustomControl::BackBitmap() { return ZYLBackBitmap(this); }
bool TZYLCustomControl::BackBitmapCheck() { return ZYLBackBitmapCheck(this); }
TPoint TZYLCustomControl::BackMapPoint(const TPoint& Point) { return ZYLBackMapPoint(this, Point); }
win::HPALETTE TZYLCustomControl::BackBitmapPalette() { return ZYLBackBitmapPalette(this); }

bool TZYLCustomControl::BackDrawArea(vcl::TCanvas*, const TRect&, const TPoint&, uint16_t) {
  return false;
}

void TZYLCustomControl::FillControl() {
  vcl::TCanvas* c = Canvas();
  const TRect r = ClientRect();
  // The parent's background, not the one this control may supply its own children.
  if (FTransparent && ZYLBackBitmapCheck(this)) {
    vcl::TBitmap* bmp = ZYLBackBitmap(this);
    const TPoint p = ZYLBackMapPoint(this, TPoint{0, 0});
    c->CopyRect(r, bmp->Canvas(), TRect{p.X, p.Y, p.X + r.Right - r.Left, p.Y + r.Bottom - r.Top});
    return;
  }
  if (TZYLFillObject* fill = FTransparent ? nullptr : GetFillObject()) {
    if (fill->FillCanvas(c, r, GetBackColor())) return;
  }
  // A transparent control whose parent supplies no background shows the parent's colour, which
  // is what lies behind it.
  c->Brush()->SetStyle(vcl::bsSolid);
  c->Brush()->SetColor(FTransparent && Parent() ? Parent()->Color() : GetBackColor());
  c->FillRect(r);
}

void TZYLCustomControl::MouseEnter() {
  TZYLFaceController* fc = FaceController();
  if (fc) {
    fc->EnterHot(this);
    RecreateWnd();
  }
  FMouseAbove = true;
  if (FOnMouseEnter) FOnMouseEnter(this);
}

void TZYLCustomControl::MouseExit() {
  TZYLFaceController* fc = FaceController();
  FMouseAbove = false;
  if (FFlat && !FFocused) RestoreBorderBack();
  if (fc) {
    // A leave announced while the cursor is still over the control (a re-created window)
    // keeps the hot state.
    win::POINT p{0, 0};
    win::GetCursorPos(&p);
    const TPoint c = ScreenToClient(TPoint{p.X, p.Y});
    if (c.X < 0 || c.Y < 0 || c.X >= Width() || c.Y >= Height()) {
      fc->LeaveHot(this);
      Invalidate();
    }
  }
  if (FOnMouseExit) FOnMouseExit(this);
}

void TZYLCustomControl::CMMouseEnter(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  MouseEnter();
}

void TZYLCustomControl::CMMouseLeave(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  MouseExit();
}

void TZYLCustomControl::DoEnter() {
  inherited::DoEnter();
  FFocused = true;
  if (FFlat || FaceController()) RestoreBorderFront();
  if (FaceController()) Invalidate();
}

void TZYLCustomControl::DoExit() {
  FFocused = false;
  RestoreBorderBack();
  if (FaceController()) Invalidate();
  inherited::DoExit();
}

void TZYLCustomControl::WMSETFOCUS(vcl::TWMSetFocus& Message) {
  ZYL_INHERITED(Message);
  if (HandleAllocated()) win::PostMessageA(Handle(), CM_ZYLAFTERENTER, 0, 0);
  if (FFlat) Invalidate();
}

void TZYLCustomControl::WMKILLFOCUS(vcl::TWMKillFocus& Message) {
  ZYL_INHERITED(Message);
  if (HandleAllocated()) win::PostMessageA(Handle(), CM_ZYLAFTEREXIT, 0, 0);
  if (FFlat) Invalidate();
}

void TZYLCustomControl::CMAfterEnter(vcl::TMessage&) {
  if (FOnAfterEnter) FOnAfterEnter(this);
}

void TZYLCustomControl::CMAfterExit(vcl::TMessage&) {
  if (FOnAfterExit) FOnAfterExit(this);
}

void TZYLCustomControl::Loaded() {
  inherited::Loaded();
  GetIMLChange(FImageList);
}

void TZYLCustomControl::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  ForgetRemovedList(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent && FFaceController &&
      AComponent == static_cast<vcl::TComponent*>(FFaceController)) {  // compared, not followed
    FFaceLink->Unregister();
    FFaceController = nullptr;
    if (!ComponentState().contains(vcl::csDestroying)) Invalidate();
  }
}

// ---- Face controller ----

TZYLFaceController* TZYLCustomControl::FaceController() const {
  // The controller unregisters every link when it is freed; a link without it as Sender means
  // the reference is stale.
  return FFaceController && FFaceLink->Sender() == static_cast<vcl::TObject*>(FFaceController)
             ? FFaceController
             : nullptr;
}

void TZYLCustomControl::SetFaceController(TZYLFaceController* Value) {
  TZYLFaceController* old = FaceController();
  if (old == Value) {
    FFaceController = Value;
    return;
  }
  if (old) {
    old->UnRegisterChanges(FFaceLink);
    old->LeaveHot(this);
    old->RemoveFreeNotification(this);
  }
  FFaceController = Value;
  if (FFaceController) {
    FFaceController->RegisterChanges(FFaceLink);
    FFaceController->FreeNotification(this);
  }
  FaceControllerChange(FFaceController);
}

void TZYLCustomControl::FaceControllerChange(vcl::TObject* Sender) { GetChange(Sender); }

vcl::TColor TZYLCustomControl::GetBackColor() {
  TZYLFaceController* fc = FaceController();
  return fc ? fc->GetBackColor(this, Color()) : Color();
}

TZYLFillObject* TZYLCustomControl::GetFillObject() {
  TZYLFaceController* fc = FaceController();
  return fc ? fc->GetFillObject(this) : nullptr;
}

TZYLBevel* TZYLCustomControl::GetFaceBevel() {
  TZYLFaceController* fc = FaceController();
  return fc ? fc->GetBevel(this) : nullptr;
}

vcl::TColor TZYLCustomControl::GetFaceFontColor() {
  const vcl::TColor own = Font()->Color();
  TZYLFaceController* fc = FaceController();
  return fc ? fc->GetFontColor(this, own) : own;
}

bool TZYLCustomControl::GetBorderCtlXP() const {
  TZYLFaceController* fc = FaceController();
  if (!fc) return FCtlXP;
  return fc->GetCtlXP(const_cast<TZYLCustomControl*>(this));
}

// ---- Run-time moving and sizing ----

void TZYLCustomControl::SetControlLocked(bool Value) {
  FControlLocked = Value;
  if (Value && FPosSizeDrag != psdNone) FinishPosSizeDrag();
}

void TZYLCustomControl::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != vcl::mbLeft || FControlLocked || FPosSizeDrag != psdNone ||
      ComponentState().contains(vcl::csDesigning))
    return;
  const bool inGrip = X >= Width() - SizeGripSize && Y >= Height() - SizeGripSize;
  if (FAllowSizing && inGrip)
    FPosSizeDrag = psdSize;
  else if (FAllowMoving)
    FPosSizeDrag = psdMove;
  else
    return;
  FDragStart = ClientToScreen(TPoint{X, Y});
  FDragBounds = BoundsRect();
  SetMouseCapture(true);
}

void TZYLCustomControl::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  if (FPosSizeDrag == psdNone) return;
  const TPoint p = ClientToScreen(TPoint{X, Y});
  const int dx = p.X - FDragStart.X, dy = p.Y - FDragStart.Y;
  const TRect& b = FDragBounds;
  if (FPosSizeDrag == psdMove)
    SetBounds(b.Left + dx, b.Top + dy, b.Right - b.Left, b.Bottom - b.Top);
  else
    SetBounds(b.Left, b.Top, std::max(1, b.Right - b.Left + dx), std::max(1, b.Bottom - b.Top + dy));
}

void TZYLCustomControl::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  if (Button == vcl::mbLeft && FPosSizeDrag != psdNone) {
    MouseMove(Shift, X, Y);
    FinishPosSizeDrag();
  }
  inherited::MouseUp(Button, Shift, X, Y);
}

void TZYLCustomControl::FinishPosSizeDrag() {
  FPosSizeDrag = psdNone;
  if (MouseCapture()) SetMouseCapture(false);
  if (BoundsRect() != FDragBounds && FOnMove) FOnMove(this);
}

void TZYLCustomControl::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  ZYLDefineGlobalIdent(Filer, FImageList, [this](TZYLCustomImageList* L) { SetImageList(L); });
}

}  // namespace zyl
