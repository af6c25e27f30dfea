#include "system/ZYLCustomFormFill.h"

#include <memory>

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLControl.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasGuards.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCustomFormFill) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLCustomFormFill;
  b.Declare("DefaultFill", &T::DefaultFill, &T::SetDefaultFill)
      .Default(true)
      .Declare("ImageList", &T::ImageList, &T::SetImageList)
      .Stored(&T::IsImageListStored)
      .Declare("ImageIndex", &T::GetIndex, &T::SetIndex)
      .Index(iiImageIndex)
      .Default(0)
      .Declare("ListIndex", &T::GetIndex, &T::SetIndex)
      .Index(iiListIndex)
      .Default(0)
      .Declare("PaintMode", &T::PaintMode, &T::SetPaintMode)
      .Default(pcControl)
      .Declare("OnPaint", &T::GetOnPaint, &T::SetOnPaint);
}

TZYLCustomFormFill::TZYLCustomFormFill(vcl::TComponent* AOwner)
    : inherited(AOwner), TZYLImageListClient(this, irListed) {
  FChangeLink.reset(new TZYLChangeLink(),
                    vcl::TNotifyEvent(this, &TZYLCustomFormFill::ImageListChanged));
}

TZYLCustomFormFill::~TZYLCustomFormFill() {
  ReleaseImageList();
  FreeBuffer();
}

void TZYLCustomFormFill::FreeBuffer() { FBuffer.reset(); }

void TZYLCustomFormFill::SetPaintMode(TZYLPaintMode Value) {
  if (Value == FPaintMode) return;
  FPaintMode = Value;
  GetChange(this);
}

void TZYLCustomFormFill::GetChange(vcl::TObject*) {
  if (!Enabled() || ComponentState().contains(vcl::csDesigning)) return;
  FreeBuffer();
  FSizeChanged = true;
  Invalidate();
}

void TZYLCustomFormFill::GetIMLChange(vcl::TObject*) { Invalidate(); }

void TZYLCustomFormFill::Invalidate() {
  if (ComponentState().contains(vcl::csDestroying)) return;
  auto* owner = dynamic_cast<vcl::TWinControl*>(Owner());
  if (owner && owner->HandleAllocated()) win::InvalidateRect(owner->Handle(), nullptr, win::TRUE);
}

void TZYLCustomFormFill::Init() {
  if (!Enabled()) return;
  inherited::Init();
  if (!ComponentState().contains(vcl::csLoading)) Invalidate();
}

void TZYLCustomFormFill::RestoreState() {
  inherited::RestoreState();
  Invalidate();
}

void TZYLCustomFormFill::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (ForgetRemovedList(AComponent, Operation)) GetIMLChange(nullptr);
}

void TZYLCustomFormFill::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(
      "Internal", [this](vcl::TReader* r) { ReadIdent(r); },
      [this](vcl::TWriter* w) { WriteIdent(w); }, ZYLIsGlobalIdent(FImageList));
}

void TZYLCustomFormFill::ReadIdent(vcl::TReader* Reader) {
  SetImageList(ZYLReadGlobalIdent(Reader));
}

void TZYLCustomFormFill::WriteIdent(vcl::TWriter* Writer) {
  ZYLWriteGlobalIdent(Writer, FImageList);
}

void TZYLCustomFormFill::WndProc(vcl::TMessage& Message) {
  if (Enabled() && !Suspended()) {
    auto* owner = dynamic_cast<vcl::TWinControl*>(Owner());
    const bool handle = owner && owner->HandleAllocated();
    switch (Message.Msg) {
      case win::WM_SIZE:
        FSizeChanged = true;
        if (handle) win::InvalidateRect(owner->Handle(), nullptr, FEraseOnSize);
        BackUpdate();
        break;
      case win::WM_ERASEBKGND:
        if (PaintClientArea(reinterpret_cast<win::HDC>(Message.WParam))) {
          Message.Result = 1;
          return;
        }
        break;
      case win::WM_HSCROLL:
      case win::WM_VSCROLL:
        if (handle) win::InvalidateRect(owner->Handle(), nullptr, win::FALSE);
        BackUpdate();
        break;
      case win::WM_PALETTECHANGED:
        Invalidate();
        BackUpdate();
        break;
      default: break;
    }
  }
  inherited::WndProc(Message);
}

bool TZYLCustomFormFill::PaintClientArea(win::HDC DC) {
  const vcl::TComponentState state = ComponentState();
  vcl::TCustomForm* form = GetOwnerForm();
  if (!form || state.contains(vcl::csLoading) || state.contains(vcl::csDestroying) ||
      FPaintMode != pcOwnerDraw || !FOnPaint)
    return false;
  vcl::TCanvas canvas;
  const vcl::TCanvasBinding binding(&canvas, DC);
  const vcl::TRect client{0, 0, form->ClientWidth(), form->ClientHeight()};
  if (FDefaultFill) {
    // The form's own colour under what the handler paints.
    canvas.Brush()->SetColor(form->Color());
    canvas.FillRect(client);
  }
  FOnPaint(this, &canvas, client);
  return true;
}

bool TZYLCustomFormFill::BackDrawArea(vcl::TCanvas* Canvas, const vcl::TRect& DestRect,
                                      const vcl::TPoint& Source, uint16_t) {
  if (!FBuffer) return false;
  const vcl::TRect source{Source.X, Source.Y, Source.X + DestRect.Width(),
                          Source.Y + DestRect.Height()};
  Canvas->CopyRect(DestRect, FBuffer->Canvas(), source);
  return true;
}

win::HPALETTE TZYLCustomFormFill::BackBitmapPalette() {
  return FBuffer ? FBuffer->Palette() : nullptr;
}

void TZYLCustomFormFill::BackUpdate() {
  if (vcl::TCustomForm* form = GetOwnerForm()) ZYLBackUpdate(this, form);
}

vcl::TControl* TZYLCustomFormFill::BackControl(int Index) {
  vcl::TCustomForm* form = GetOwnerForm();
  return form && Index >= 0 && Index < form->ControlCount() ? form->Controls(Index) : nullptr;
}

int TZYLCustomFormFill::BackControlCount() {
  vcl::TCustomForm* form = GetOwnerForm();
  return form ? form->ControlCount() : 0;
}

}  // namespace zyl
