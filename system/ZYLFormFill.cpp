#include "system/ZYLFormFill.h"

#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLFormUtils.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasGuards.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLFormFill) {
  using T = TZYLFormFill;
  b.Publish({"About", "DefaultFill", "Enabled"})
      .Prop("FillObject", &T::FillObject, &T::SetFillObject)
      .Publish({"ImageList", "ImageIndex", "ListIndex", "PaintMode", "OnPaint"});
}

TZYLFormFill::TZYLFormFill(vcl::TComponent* AOwner)
    : inherited(AOwner), FFillObject(this, &TZYLFormFill::GetChange) {
  FBuffered = true;
  if (ComponentState().contains(vcl::csDesigning) &&
      ZYLCheckForSameClass(AOwner, ClassType(), false)) {
    throw ZYLEOneInstError(ClassName(), ZYLEOneInstError::okInvalidOwner);
  }
}

TZYLFormFill::~TZYLFormFill() = default;

void TZYLFormFill::SetFillObject(TZYLFillObject* Value) { FFillObject->Assign(Value); }

void TZYLFormFill::Loaded() {
  inherited::Loaded();
  UpdateEraseFlag();
}

void TZYLFormFill::UpdateEraseFlag() {
  if (FPaintMode == pcOwnerDraw)
    FEraseOnSize = true;
  else if (FPaintMode == pcControl)
    FEraseOnSize = FFillObject->GetMustRedraw();
}

void TZYLFormFill::GetChange(vcl::TObject* Sender) {
  if (FPaintMode == pcControl && FFillObject->Style() != sfGradient && FBuffer && !FBuffer->Empty())
    FreeBuffer();
  UpdateEraseFlag();
  inherited::GetChange(Sender);
}

void TZYLFormFill::GetIMLChange(vcl::TObject*) {
  bool taken = false;
  if (!IMLEmpty()) {
    vcl::TBitmap image;
    taken = FImageList->GetBitmapItem(FListIndex, FImageIndex, &image);
    if (taken) FFillObject->SetListBitmap(&image);
  }
  if (!taken) FFillObject->SetListBitmap(nullptr);
  GetChange(this);
}

bool TZYLFormFill::PaintClientArea(win::HDC DC) {
  vcl::TCustomForm* form = GetOwnerForm();
  if (!form || FPaintMode != pcControl || FFillObject->GetEmpty())
    return inherited::PaintClientArea(DC);
  vcl::TCanvas canvas;
  const vcl::TCanvasBinding binding(&canvas, DC);
  const int width = form->ClientWidth(), height = form->ClientHeight();
  if (FFillObject->Style() != sfGradient && !FBuffered)
    return FFillObject->FillCanvas(&canvas, vcl::TRect{0, 0, width + 1, height + 1}, form->Color());
  if (!FBuffer) FBuffer.reset(new vcl::TBitmap());
  if (FSizeChanged || FBuffer->Width() != width || FBuffer->Height() != height) {
    FBuffer->SetWidth(0);
    FBuffer->SetHeight(0);
    FBuffer->SetWidth(width);
    FBuffer->SetHeight(height);
    FFillObject->FillCanvas(FBuffer->Canvas(), vcl::TRect{0, 0, width, height}, 0);
    // The buffer stands for the fill of this size until the next resize or change.
    FSizeChanged = false;
  }
  FFillObject->Gradient()->SetRealPalette(&canvas);
  canvas.Draw(0, 0, FBuffer.get());
  return true;
}

}  // namespace zyl
