#include "design/pZYLPE.h"

#include "design/ZYLCPGet.h"
#include "display/ZYLSmallBar.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

// ---- Settings objects ----

vcl::TPropertyAttributes TZYLObjectProperty::GetAttributes() {
  return {vcl::paSubProperties, vcl::paDialog, vcl::paMultiSelect};
}

void TZYLObjectProperty::Edit() {
  std::unique_ptr<vcl::TPersistent> copy = NewCopy();
  // A property of a descendant class takes objects of its own class only: the copy is one.
  const vcl::TClass own = GetPropType()->ClassType();
  if (own && own != copy->ClassType() && own->InheritsFrom(copy->ClassType()) &&
      own->FactoryKind() == vcl::fkPlain)
    if (auto* made = dynamic_cast<vcl::TPersistent*>(own->CreateInstance())) copy.reset(made);
  if (auto* current = dynamic_cast<vcl::TPersistent*>(GetObjectValue())) copy->Assign(current);
  // The components' setters copy from the temporary object, which goes at the end of the scope.
  if (Launch(copy.get())) SetObjectValue(copy.get());
}

void ZYLPEDrawSummary(vcl::TCanvas* ACanvas, const vcl::TRect& ARect, vcl::TObject* Object) {
  ACanvas->FillRect(ARect);
  if (auto* settings = dynamic_cast<TZYLObject*>(Object))
    ACanvas->TextOut(ARect.Left + 1, ARect.Top + 1, settings->GetSetStr());
}

void TZYLSummaryProperty::PropDrawValue(vcl::TCanvas* ACanvas, const vcl::TRect& ARect, bool) {
  ZYLPEDrawSummary(ACanvas, ARect, GetObjectValue());
}

void TZYLGradientSampleProperty::PropDrawValue(vcl::TCanvas* ACanvas, const vcl::TRect& ARect,
                                               bool) {
  auto* gradient = dynamic_cast<TZYLGradient*>(GetObjectValue());
  if (!gradient) return;
  TZYLGradient sample;
  sample.Assign(gradient);
  ACanvas->FillRect(ARect);
  vcl::TRect r{ARect.Left + 1, ARect.Top + 1, ARect.Right - 1, ARect.Bottom - 1};
  r.Right = r.Left + 24;
  ACanvas->TextOut(r.Right + 2, r.Top, "(TZYLGradient)");
  win::HDC dc = ACanvas->Handle();
  win::TSavedClip clip(dc);
  win::HRGN area = win::CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
  clip.Intersect(area);
  win::DeleteObject(area);
  sample.PaintGradient(ACanvas, r);
}

void TZYLFillSampleProperty::PropDrawValue(vcl::TCanvas* ACanvas, const vcl::TRect& ARect, bool) {
  auto* fill = dynamic_cast<TZYLFillObject*>(GetObjectValue());
  if (!fill) return;
  TZYLFillObject copy;
  copy.Assign(fill);
  ACanvas->FillRect(ARect);
  const TZYLFillStyle style = copy.Style();
  const bool bitmapStyle = style == sfBrushBitmap || style == sfBitmap;
  if (style == sfNone || style == sfBitmapList || (bitmapStyle && copy.Bitmap()->Empty())) {
    ACanvas->TextOut(ARect.Left + 1, ARect.Top + 1, copy.GetSetStr());
    return;
  }
  vcl::TRect r{ARect.Left + 1, ARect.Top + 1, ARect.Right - 1, ARect.Bottom - 1};
  r.Right = r.Left + 24;
  ACanvas->TextOut(r.Right + 2, ARect.Top + 1, copy.GetSetStr());
  vcl::TBitmap sample;
  ZYLBmpCreateFromRect(&sample, r, vcl::clBtnFace);
  copy.FillCanvas(sample.Canvas(), {0, 0, sample.Width(), sample.Height()}, vcl::clBtnFace);
  ACanvas->Draw(r.Left, r.Top, &sample);
}

std::unique_ptr<vcl::TPersistent> TZYLCaptionProperty::NewCopy() {
  return std::make_unique<TZYLCaption>();
}
bool TZYLCaptionProperty::Launch(vcl::TPersistent* Copy) {
  return ZYLCPGetZYLCaption(static_cast<TZYLCaption*>(Copy), true);
}

// ---- Point lists ----

void TZYLPointListProperty::Edit() {
  auto* list = dynamic_cast<TZYLPointList*>(GetObjectValue());
  if (list && ZYLCPGetPointList(list)) SetObjectValue(list);
}

vcl::TPropertyAttributes TZYLPointListProperty::GetAttributes() { return {vcl::paDialog}; }

// ---- Date lists ----

void TZYLDateListProperty::Edit() {
  auto* list = dynamic_cast<TZYLDateList*>(GetObjectValue());
  if (list && ZYLCPGetDateList(list)) SetObjectValue(list);
}

vcl::TPropertyAttributes TZYLDateListProperty::GetAttributes() { return {vcl::paDialog}; }

}  // namespace zyl
