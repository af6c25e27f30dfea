#include "buttons/ZYLScrollBox.h"

#include "platform/base/Finally.h"

#include <algorithm>

#include "foundation/ZYLControl.h"
#include "foundation/ZYLWindowFrame.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasGuards.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/user/DCGuards.h"
#include "platform/user/WinUser.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLScrollBoxBevel) {}

TZYLScrollBoxBevel::TZYLScrollBoxBevel() {
  BeginUpdate();
  SetDefaultMode(bmWindows);
  EndUpdate(false);
}

ZYL_MESSAGE_MAP(TZYLCustomScrollBox) {
  m.On(win::WM_NCCALCSIZE, &TZYLCustomScrollBox::WMNCCalcSize)
      .On(win::WM_NCPAINT, &TZYLCustomScrollBox::WMNCPaint)
      .On(win::WM_PRINT, &TZYLCustomScrollBox::WMPrint)
      .On(win::WM_HSCROLL, &TZYLCustomScrollBox::WMScrollBox)
      .On(win::WM_VSCROLL, &TZYLCustomScrollBox::WMScrollBox)
      .On(win::WM_ERASEBKGND, &TZYLCustomScrollBox::WMEraseBkgndBox)
      .On(win::WM_PAINT, &TZYLCustomScrollBox::WMPaintBox)
      .On(CM_ZYLTRANSPARENTCHANGED, &TZYLCustomScrollBox::CMTransparentChanged);
}

ZYL_CLASS_IMPL(TZYLCustomScrollBox) {
  using C = TZYLCustomScrollBox;
  b.Declare("About", &C::About, &C::SetAbout, AboutVarTypeInfo())
      .Stored(false)
      .Declare("Bevel", &C::Bevel, &C::SetBevel)
      .Declare("CtlXP", &C::CtlXP, &C::SetCtlXP)
      .Default(true)
      .Declare("InstantUpdate", &C::InstantUpdate, &C::SetInstantUpdate)
      .Default(true)
      .Declare("Transparent", &C::Transparent, &C::SetTransparent)
      .Default(false);
}

TZYLCustomScrollBox::TZYLCustomScrollBox(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetControlStyle(vcl::TControlStyle{vcl::csAcceptsControls, vcl::csCaptureMouse,
                                     vcl::csClickEvents, vcl::csDoubleClicks, vcl::csReplicatable});
  FCanvas.reset(new vcl::TControlCanvas());
  FCanvas->SetControl(this);
  SetBorderStyle(vcl::bsNone);
  FBevel.reset(new TZYLScrollBoxBevel(), vcl::TNotifyEvent(this, &TZYLCustomScrollBox::GetChange));
  SetInstantUpdate(true);
  // Ctl3D starts true already; setting it again would only cut it loose from its parent's.
  SetBounds(Left(), Top(), 185, 41);
}

TZYLCustomScrollBox::~TZYLCustomScrollBox() {
  FBevel.reset();
  FCanvas.reset();
}

vcl::TCanvas* TZYLCustomScrollBox::Canvas() const { return FCanvas.get(); }

void TZYLCustomScrollBox::SetBevel(TZYLScrollBoxBevel* Value) {
  if (Value) FBevel->Assign(Value);
}

void TZYLCustomScrollBox::SetCtlXP(bool Value) {
  if (FCtlXP == Value) return;
  FCtlXP = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TZYLCustomScrollBox::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Perform(CM_ZYLTRANSPARENTCHANGED, 0, 0);
}

void TZYLCustomScrollBox::SetInstantUpdate(bool Value) { FInstantUpdate = Value; }

int TZYLCustomScrollBox::BevelExt() const {
  return FBevel->Mode() == bmWindows ? 0 : FBevel->GetBevelExtend();
}

void TZYLCustomScrollBox::GetChange(vcl::TObject* /*Sender*/) {
  const vcl::TComponentState st = ComponentState();
  if (st.contains(vcl::csLoading) || st.contains(vcl::csReading) || st.contains(vcl::csDestroying))
    return;
  if (HandleAllocated()) RecreateWnd();
}

void TZYLCustomScrollBox::CreateParams(vcl::TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~(win::CS_HREDRAW | win::CS_VREDRAW);
  Params.Style |= win::WS_CLIPCHILDREN;
  if (FBevel && FBevel->Mode() == bmWindows) {
    if (vcl::NewStyleControls && Ctl3D())
      Params.ExStyle |= win::WS_EX_CLIENTEDGE;
    else
      Params.Style |= win::WS_BORDER;
  }
}

void TZYLCustomScrollBox::CreateWnd() { inherited::CreateWnd(); }

void TZYLCustomScrollBox::DestroyWnd() {
  FCanvas->SetHandle(nullptr);
  inherited::DestroyWnd();
}

void TZYLCustomScrollBox::WMNCCalcSize(vcl::TMessage& Message) {
  // The bevel takes the outer band; the system's frame and scroll bars lie inside it.
  const int e = BevelExt();
  win::RECT* r = nullptr;
  if (Message.LParam)
    r = Message.WParam ? &reinterpret_cast<win::NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                       : reinterpret_cast<win::RECT*>(Message.LParam);
  if (r && e > 0) {
    r->Left += e;
    r->Top += e;
    r->Right = std::max(r->Left, r->Right - e);
    r->Bottom = std::max(r->Top, r->Bottom - e);
  }
  ZYL_INHERITED(Message);
}

void TZYLCustomScrollBox::WMNCPaint(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  PaintFrame();
}

void TZYLCustomScrollBox::WMPrint(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (ZYLPrintsFrame(Message)) PaintFrame(reinterpret_cast<win::HDC>(Message.WParam));
}

void TZYLCustomScrollBox::PaintFrame(win::HDC DC) {
  if (BevelExt() == 0) return;
  ZYLPaintWindowFrame(
      this,
      [this](vcl::TCanvas* Canvas, const TRect& Whole) {
        FBevel->PaintBevel(Canvas, Whole, false);
      },
      DC);
}

void TZYLCustomScrollBox::WMScrollBox(vcl::TMessage& Message) {
  // With InstantUpdate a dragged thumb moves the contents at once, whatever the bar's own
  // Tracking says (which stays the user's, and is streamed as such).
  vcl::TControlScrollBar* bar = Message.Msg == win::WM_HSCROLL ? HorzScrollBar() : VertScrollBar();
  const bool tracking = bar->Tracking();
  if (FInstantUpdate && (Message.WParam & 0xFFFF) == win::SB_THUMBTRACK) bar->SetTracking(true);
  {
    vcl::TFinally restore([bar, tracking] { bar->SetTracking(tracking); });
    ZYL_INHERITED(Message);
  }
  vcl::TMessage msg{};
  msg.Msg = CM_ZYLSCROLLBOXSCROLLEVENT;
  msg.WParam = Message.Msg == win::WM_HSCROLL ? 0 : 1;
  Broadcast(msg);
  // A transparent box shows the part of the parent's background behind the new view.
  if (FTransparent) Invalidate();
}

void TZYLCustomScrollBox::WMEraseBkgndBox(vcl::TWMEraseBkgnd& Message) {
  // PaintWindow paints the whole background.
  Message.Result = 1;
}

void TZYLCustomScrollBox::WMPaintBox(vcl::TWMPaint& Message) {
  SetControlState(ControlState() + vcl::csCustomPaint);
  vcl::TFinally done([this] { SetControlState(ControlState() - vcl::csCustomPaint); });
  ZYL_INHERITED(Message);
}

void TZYLCustomScrollBox::PaintWindow(win::HDC DC) {
  vcl::TCanvasBinding bind(FCanvas.get(), DC);
  const TRect r = ClientRect();
  if (FTransparent && ZYLBackBitmapCheck(this)) {
    vcl::TBitmap* bmp = ZYLBackBitmap(this);
    const vcl::TPoint p = ZYLBackMapPoint(this, vcl::TPoint{0, 0});
    FCanvas->CopyRect(r, bmp->Canvas(), TRect{p.X, p.Y, p.X + r.Width(), p.Y + r.Height()});
    return;
  }
  FCanvas->Brush()->SetStyle(vcl::bsSolid);
  FCanvas->Brush()->SetColor(Color());
  FCanvas->FillRect(r);
}

void TZYLCustomScrollBox::CMTransparentChanged(vcl::TMessage& /*Message*/) {
  if (HandleAllocated()) Invalidate();
}

ZYL_CLASS_IMPL(TZYLScrollBox) {
  b.Publish({"Align", "Anchors", "AutoScroll", "BiDiMode", "BorderStyle"})
      .Default(vcl::bsNone)
      .Publish({"Constraints", "DragCursor",  "DragKind",    "DragMode",       "Enabled",
                "Color",       "Ctl3D",       "Font",        "HorzScrollBar",  "ParentBiDiMode",
                "ParentColor", "ParentCtl3D", "ParentFont",  "ParentShowHint", "PopupMenu",
                "ShowHint",    "TabOrder",    "TabStop",     "VertScrollBar",  "Visible",
                "OnClick",     "OnDblClick",  "OnDragDrop",  "OnDragOver",     "OnEndDock",
                "OnEndDrag",   "OnEnter",     "OnExit",      "OnMouseDown",    "OnMouseMove",
                "OnMouseUp",   "OnResize",    "OnStartDock", "OnStartDrag"})
      .Publish({"About", "Bevel", "CtlXP", "InstantUpdate", "Transparent"});
}

TZYLScrollBox::TZYLScrollBox(vcl::TComponent* AOwner) : inherited(AOwner) {}

}  // namespace zyl
