#include "foundation/ZYLCustomControl.h"

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLFillObject.h"
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
      .On(CM_ZYLTRANSPARENTCHANGED, &TZYLCustomControl::CMTransparentChanged);
}

ZYL_CLASS_IMPL(TZYLCustomControl) {
  b.Prop("BackFX", &TZYLCustomControl::BackFX, &TZYLCustomControl::SetBackFX)
      .Prop("CtlXP", &TZYLCustomControl::GetCtlXP, &TZYLCustomControl::SetCtlXP)
      .Default(true)
      .Prop("Flat", &TZYLCustomControl::Flat, &TZYLCustomControl::SetFlat)
      .Default(false)
      .Prop("ImageIndex", &TZYLCustomControl::GetIndex, &TZYLCustomControl::SetIndex)
      .Index(0)
      .Default(0)
      .Prop("ImageList", &TZYLCustomControl::ImageList, &TZYLCustomControl::SetImageList)
      .Stored(&TZYLCustomControl::IsImageListStored)
      .Prop("ListIndex", &TZYLCustomControl::GetIndex, &TZYLCustomControl::SetIndex)
      .Index(1)
      .Default(0)
      .Prop("Transparent", &TZYLCustomControl::Transparent, &TZYLCustomControl::SetTransparent)
      .Default(false)
      .Prop("OnMouseEnter", &TZYLCustomControl::GetOnMouseEnter,
            &TZYLCustomControl::SetOnMouseEnter)
      .Prop("OnMouseExit", &TZYLCustomControl::GetOnMouseExit,
            &TZYLCustomControl::SetOnMouseExit);
}

TZYLCustomControl::TZYLCustomControl(vcl::TComponent* AOwner) : inherited(AOwner) {
  FChangeLink = new TZYLChangeLink();
  FChangeLink->OnChange = vcl::TNotifyEvent(this, &TZYLCustomControl::GetIMLChange);
  FBackFX = new TZYLBitmapEffectObject();
  FBackFX->SetOnChange(vcl::TNotifyEvent(this, &TZYLCustomControl::GetChange));
}

TZYLCustomControl::~TZYLCustomControl() {
  ZYLLinkImageList(this, FChangeLink, FImageList, nullptr);
  FChangeLink->OnChange = nullptr;
  delete FChangeLink;
  FChangeLink = nullptr;
  FBackFX->SetOnChange(nullptr);
  delete FBackFX;
  FBackFX = nullptr;
  FreeXPThemeHandles();
}

void TZYLCustomControl::Assign(vcl::TPersistent* Source) {
  if (auto* src = dynamic_cast<TZYLCustomControl*>(Source)) {
    SetTransparent(src->FTransparent);
    SetFlat(src->FFlat);
    SetCtlXP(src->FCtlXP);
    SetImageList(src->FImageList);
    SetIndex(0, src->FImageIndex);
    SetIndex(1, src->FListIndex);
    FBackFX->Assign(src->FBackFX);
    return;
  }
  inherited::Assign(Source);
}

void TZYLCustomControl::SetTransparent(bool Value) {
  FTransparent = Value;
  vcl::TControlStyle s = ControlStyle();
  if (Value)
    s.Exclude(vcl::csOpaque);
  else
    s.Include(vcl::csOpaque);
  SetControlStyle(s);
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
  if (FTheme && XPThemesAvailable) CloseThemeData(FTheme);
  FTheme = nullptr;
  FThemeClass.clear();
}

void TZYLCustomControl::BevelXP(vcl::TCanvas* Canvas, const TRect& Rect) {
  if (!Canvas || !XPThemesAvailable) return;
  std::string cls;
  int part = 0, state = 0;
  GetXPBevelParams(cls, part, state);
  if (!FTheme || cls != FThemeClass) {
    FreeXPThemeHandles();
    FThemeClass = cls;
    FTheme = OpenThemeData(HandleAllocated() ? Handle() : nullptr, cls);
  }
  if (FTheme) DrawThemeBackground(FTheme, Canvas->Handle(), part, state, &Rect, nullptr);
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

void TZYLCustomControl::SetImageList(TZYLCustomImageList* Value) {
  if (ZYLLinkImageList(this, FChangeLink, FImageList, Value)) GetIMLChange(FImageList);
}

void TZYLCustomControl::SetIndex(int Index, int Value) {
  int& field = Index == 0 ? FImageIndex : FListIndex;
  if (field == Value) return;
  field = Value;
  GetIMLChange(this);
}

bool TZYLCustomControl::IMLEmpty() const {
  return !FImageList || !FImageList->IsValidItem(FListIndex, FImageIndex);
}

bool TZYLCustomControl::IsImageListStored() const {
  return FImageList && !ZYLIsGlobalIdent(FImageList);
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
  if (FTransparent) {
    if (!CheckOptimized()) return;
    vcl::TBitmap* bmp = BackBitmap();
    const TPoint p = ZYLBackMapPoint(this, TPoint{0, 0});
    c->CopyRect(r, bmp->Canvas(), TRect{p.X, p.Y, p.X + r.Right - r.Left, p.Y + r.Bottom - r.Top});
    return;
  }
  if (TZYLFillObject* fill = GetFillObject()) {
    if (fill->FillCanvas(c, r, GetBackColor())) return;
  }
  c->Brush()->SetStyle(vcl::bsSolid);
  c->Brush()->SetColor(GetBackColor());
  c->FillRect(r);
}

void TZYLCustomControl::MouseEnter() {
  FMouseAbove = true;
  if (OnMouseEnter) OnMouseEnter(this);
}

void TZYLCustomControl::MouseExit() {
  FMouseAbove = false;
  if (FFlat && !FFocused) RestoreBorderBack();
  if (OnMouseExit) OnMouseExit(this);
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
  if (FFlat) RestoreBorderFront();
}

void TZYLCustomControl::DoExit() {
  FFocused = false;
  RestoreBorderBack();
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

void TZYLCustomControl::Loaded() {
  inherited::Loaded();
  GetIMLChange(FImageList);
}

void TZYLCustomControl::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  ZYLImageListRemoved(FChangeLink, FImageList, AComponent, Operation);
}

void TZYLCustomControl::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(
      "Internal", [this](vcl::TReader* r) { SetImageList(ZYLReadGlobalIdent(r)); },
      [this](vcl::TWriter* w) { ZYLWriteGlobalIdent(w, FImageList); },
      FImageList && ZYLIsGlobalIdent(FImageList));
}

}  // namespace zyl
