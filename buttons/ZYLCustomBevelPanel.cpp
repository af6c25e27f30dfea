#include "buttons/ZYLCustomBevelPanel.h"

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLFaceController.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

using vcl::TRect;

ZYL_MESSAGE_MAP(TZYLCustomBevelPanel) {
  m.On(CM_ZYLBEVELCHANGED, &TZYLCustomBevelPanel::CMZYLBevelChanged);
}

ZYL_CLASS_IMPL(TZYLCustomBevelPanel) {
  b.Declare("Bevel", &TZYLCustomBevelPanel::Bevel, &TZYLCustomBevelPanel::SetBevel);
}

TZYLCustomBevelPanel::TZYLCustomBevelPanel(vcl::TComponent* AOwner) : inherited(AOwner) {
  FBevel.reset(new TZYLBevel(), vcl::TNotifyEvent(this, &TZYLCustomBevelPanel::GetChange));
}

TZYLCustomBevelPanel::~TZYLCustomBevelPanel() { FBevel.reset(); }

void TZYLCustomBevelPanel::Assign(vcl::TPersistent* Source) {
  inherited::Assign(Source);
  if (auto* src = dynamic_cast<TZYLCustomBevelPanel*>(Source)) FBevel->Assign(src->FBevel);
}

void TZYLCustomBevelPanel::SetBevel(TZYLBevel* Value) {
  if (Value) FBevel->Assign(Value);
}

int TZYLCustomBevelPanel::BevelExt() const {
  // The system draws a bmWindows border outside the client area.
  return FBevel->Mode() == bmWindows ? 0 : FBevel->GetBevelExtend();
}

TRect TZYLCustomBevelPanel::BeveledRect() {
  const TRect r = ClientRect();
  return FBevel->Mode() == bmWindows ? r : FBevel->ClientRect(r);
}

void TZYLCustomBevelPanel::CreateParams(vcl::TCreateParams& Params) {
  inherited::CreateParams(Params);
  FWindowsBorder = FBevel->Mode() == bmWindows;
  if (!FWindowsBorder) return;
  if (vcl::NewStyleControls && Ctl3D())
    Params.ExStyle |= win::WS_EX_CLIENTEDGE;
  else
    Params.Style |= win::WS_BORDER;
}

void TZYLCustomBevelPanel::GetChange(vcl::TObject* Sender) {
  const vcl::TComponentState st = ComponentState();
  if (st.contains(vcl::csLoading) || st.contains(vcl::csReading) || st.contains(vcl::csDestroying))
    return;
  if (Sender && Sender == FBevel) {
    DropBack();
    if (FNoHandleUpdate || !HandleAllocated()) {
      Realign();
      Invalidate();
    } else {
      RecreateWnd();
      Realign();
    }
    return;
  }
  inherited::GetChange(Sender);
}

void TZYLCustomBevelPanel::CMZYLBevelChanged(vcl::TMessage& /*Message*/) {
  // Only a move into or out of the system-drawn border changes the window's styles.
  if (HandleAllocated() && FWindowsBorder != (FBevel->Mode() == bmWindows)) RecreateWnd();
}

void TZYLCustomBevelPanel::AlignControls(vcl::TControl* AControl, TRect& Rect) {
  if (FBevel->Mode() != bmWindows) Rect = FBevel->ClientRect(Rect);
  inherited::AlignControls(AControl, Rect);
}

bool TZYLCustomBevelPanel::BorderInFront() { return !FFlat || FMouseAbove || FFocused; }

void TZYLCustomBevelPanel::PaintBorder(vcl::TCanvas* Canvas) {
  if (FBevel->Mode() == bmWindows) return;
  TZYLBevel* bevel = FBevel;
  if (TZYLBevel* face = GetFaceBevel()) bevel = face;
  if (BorderInFront() || GetFaceBevel()) bevel->PaintBevel(Canvas, ClientRect(), true);
}

void TZYLCustomBevelPanel::Paint() {
  inherited::Paint();
  PaintBorder(Canvas());
}

void TZYLCustomBevelPanel::RestoreBorderFront() {
  if (FBevel->Mode() == bmWindows || !HandleAllocated()) return;
  TZYLBevel* bevel = GetFaceBevel() ? GetFaceBevel() : FBevel;
  bevel->PaintBevel(Canvas(), ClientRect(), true);
}

void TZYLCustomBevelPanel::RestoreBorderBack() {
  if (!HandleAllocated()) return;
  if (TZYLBevel* face = GetFaceBevel()) {
    face->PaintBevel(Canvas(), ClientRect(), true);
    return;
  }
  if (!FFlat || FFocused || FMouseAbove || FBevel->Mode() == bmWindows) return;
  // The four border strips show the background again.
  const TRect r = ClientRect();
  const TRect in = FBevel->ClientRect(r);
  vcl::TCanvas* c = Canvas();
  for (const TRect& s :
       {TRect{r.Left, r.Top, r.Right, in.Top}, TRect{r.Left, in.Bottom, r.Right, r.Bottom},
        TRect{r.Left, in.Top, in.Left, in.Bottom}, TRect{in.Right, in.Top, r.Right, in.Bottom}})
    if (s.Right > s.Left && s.Bottom > s.Top) BackDrawArea(c, s, vcl::TPoint{s.Left, s.Top}, 0);
}

void TZYLCustomBevelPanel::DoEnter() {
  if (FaceController() || (FFlat && !FFocused)) {
    FFocused = true;
    RestoreBorderFront();
  }
  inherited::DoEnter();
}

void TZYLCustomBevelPanel::MouseEnter() {
  const bool wasFocused = FFocused;
  FMouseAbove = true;
  if (FFlat && !wasFocused) RestoreBorderFront();
  inherited::MouseEnter();
}

void TZYLCustomBevelPanel::DoThemeChanged() {
  if (ComponentState().contains(vcl::csLoading)) return;
  for (int i = 0; i < ControlCount(); ++i) {
    vcl::TControl* c = Controls(i);
    if (!dynamic_cast<vcl::TWinControl*>(c)) c->Perform(win::WM_THEMECHANGED, 0, 0);
  }
  inherited::DoThemeChanged();
  if (HandleAllocated()) RecreateWnd();
}

}  // namespace zyl
