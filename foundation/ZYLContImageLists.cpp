// The lists of the unit: TZYLCustomImageList and its image and bitmap lists, the string
// and wave lists, and TZYLImageListConnector, which shows another image list.
#include "foundation/ZYLCont.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLContInternal.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "foundation/ZYLStreamUtils.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

using vcl::TBitmap;
using vcl::TStream;
using namespace cont_internal;

// ---------------------------------------------------------------------------------------------
// Image lists

ZYL_CLASS_IMPL(TZYLCustomImageList) {}

int TZYLCustomImageList::ItemCount(int) const { return 0; }
bool TZYLCustomImageList::IsValidItem(int, int) const { return false; }
int TZYLCustomImageList::Dimensions(int, bool) const { return 0; }
win::TRect TZYLCustomImageList::DrawExt(vcl::TCanvas*, const win::TRect&, TZYLDrawStyleFlags, int,
                                        int) const {
  return win::TRect{};
}
vcl::TCanvas* TZYLCustomImageList::BmpCanvas(int) const { return nullptr; }
win::TRect TZYLCustomImageList::ItemRect(int, int) const { return win::TRect{}; }
win::HPALETTE TZYLCustomImageList::Palette(int) const { return nullptr; }

bool TZYLCustomImageList::GetBitmapItem(int ListIndex, int Index, TBitmap* Bitmap) const {
  vcl::TCanvas* src = Bitmap && IsValidItem(ListIndex, Index) ? BmpCanvas(ListIndex) : nullptr;
  const win::TRect r = ItemRect(ListIndex, Index);
  if (!src || r.Right <= r.Left || r.Bottom <= r.Top) return false;
  Bitmap->SetSize(r.Right - r.Left, r.Bottom - r.Top);
  Bitmap->Canvas()->CopyRect(win::TRect{0, 0, r.Right - r.Left, r.Bottom - r.Top}, src, r);
  return true;
}

vcl::TColor TZYLCustomImageList::TransparentColor(int ListIndex, int Index) const {
  vcl::TCanvas* src = IsValidItem(ListIndex, Index) ? BmpCanvas(ListIndex) : nullptr;
  const win::TRect r = ItemRect(ListIndex, Index);
  if (!src || r.Right <= r.Left || r.Bottom <= r.Top) return vcl::clNone;
  return src->Pixels(r.Left, r.Bottom - 1);
}

void TZYLCustomImageList::ClipDraw(vcl::TCanvas* Canvas, const win::TRect& Rect, uint16_t Flags,
                                   int32_t Offset, vcl::TColor TransparentColor, int ListIndex,
                                   int Index) const {
  vcl::TCanvas* src = Canvas && IsValidItem(ListIndex, Index) ? BmpCanvas(ListIndex) : nullptr;
  if (!src) return;
  ZYLBmpClipDrawExt(Canvas, Rect, src, ItemRect(ListIndex, Index),
                    static_cast<TZYLDrawStyleFlags>(Flags), Offset, TransparentColor);
}

ZYL_CLASS_IMPL(TZYLImageList) {
  b.Prop("DefaultPixelFormat", &TZYLImageList::DefaultPixelFormat,
         &TZYLImageList::SetDefaultPixelFormat)
      .Default(spfDefault);
}

TZYLListItem* TZYLImageList::NewItem() const { return new TZYLImageListItem(); }

TZYLImageListItem* TZYLImageList::GetArrayItem(int Index) const {
  return static_cast<TZYLImageListItem*>(Item(Index));
}

int TZYLImageList::ItemCount(int ListIndex) const {
  return ListIndex >= 0 && ListIndex < Count() ? GetArrayItem(ListIndex)->GetCount() : 0;
}

bool TZYLImageList::IsValidItem(int ListIndex, int Index) const {
  return Index >= 0 && Index < ItemCount(ListIndex);
}

int TZYLImageList::Dimensions(int ListIndex, bool Height) const {
  if (ListIndex < 0 || ListIndex >= Count()) return 0;
  auto* it = GetArrayItem(ListIndex);
  return Height ? it->Height() : it->Width();
}

vcl::TCanvas* TZYLImageList::BmpCanvas(int ListIndex) const {
  if (ListIndex < 0 || ListIndex >= Count()) return nullptr;
  return GetArrayItem(ListIndex)->StripCanvas();
}

win::TRect TZYLImageList::ItemRect(int ListIndex, int Index) const {
  if (!IsValidItem(ListIndex, Index)) return win::TRect{};
  auto* it = GetArrayItem(ListIndex);
  return win::TRect{Index * it->Width(), 0, (Index + 1) * it->Width(), it->Height()};
}

bool TZYLImageList::GetBitmapItem(int ListIndex, int Index, TBitmap* Bitmap) const {
  if (ListIndex < 0 || ListIndex >= Count()) return false;
  return GetArrayItem(ListIndex)->GetBitmap(Index, Bitmap);
}

bool TZYLImageList::Masked(int ListIndex) const {
  return ListIndex >= 0 && ListIndex < Count() && GetArrayItem(ListIndex)->Masked();
}

win::TRect TZYLImageList::DrawExt(vcl::TCanvas* Canvas, const win::TRect& Rect,
                                  TZYLDrawStyleFlags Flags, int ListIndex, int Index) const {
  if (ListIndex < 0 || ListIndex >= Count()) return win::TRect{};
  return GetArrayItem(ListIndex)->DrawExt(Canvas, Rect, Flags, Index);
}

ZYL_CLASS_IMPL(TZYLBitmapList) {
  b.Prop("DefaultPixelFormat", &TZYLBitmapList::DefaultPixelFormat,
         &TZYLBitmapList::SetDefaultPixelFormat)
      .Default(spfDefault);
}

TZYLListItem* TZYLBitmapList::NewItem() const { return new TZYLBitmapListItem(); }

TZYLBitmapListItem* TZYLBitmapList::GetArrayItem(int Index) const {
  return static_cast<TZYLBitmapListItem*>(Item(Index));
}

int TZYLBitmapList::ItemCount(int ListIndex) const {
  return ListIndex >= 0 && ListIndex < Count() && !GetArrayItem(ListIndex)->GetEmpty() ? 1 : 0;
}

bool TZYLBitmapList::IsValidItem(int ListIndex, int) const { return ItemCount(ListIndex) == 1; }

int TZYLBitmapList::Dimensions(int ListIndex, bool Height) const {
  if (ListIndex < 0 || ListIndex >= Count()) return 0;
  TBitmap* b = GetArrayItem(ListIndex)->GetBitmap();
  return Height ? b->Height() : b->Width();
}

vcl::TCanvas* TZYLBitmapList::BmpCanvas(int ListIndex) const {
  return IsValidItem(ListIndex, 0) ? GetArrayItem(ListIndex)->GetBitmap()->Canvas() : nullptr;
}

win::TRect TZYLBitmapList::ItemRect(int ListIndex, int) const {
  if (!IsValidItem(ListIndex, 0)) return win::TRect{};
  TBitmap* b = GetArrayItem(ListIndex)->GetBitmap();
  return win::TRect{0, 0, b->Width(), b->Height()};
}

bool TZYLBitmapList::GetBitmapItem(int ListIndex, int, TBitmap* Bitmap) const {
  if (!Bitmap || !IsValidItem(ListIndex, 0)) return false;
  Bitmap->Assign(GetArrayItem(ListIndex)->GetBitmap());
  return true;
}

win::HPALETTE TZYLBitmapList::Palette(int ListIndex) const {
  return IsValidItem(ListIndex, 0) ? GetArrayItem(ListIndex)->GetBitmap()->Palette() : nullptr;
}

vcl::TColor TZYLBitmapList::TransparentColor(int ListIndex, int) const {
  return IsValidItem(ListIndex, 0) ? GetArrayItem(ListIndex)->GetBitmap()->TransparentColor()
                                   : vcl::clNone;
}

win::TRect TZYLBitmapList::DrawExt(vcl::TCanvas* Canvas, const win::TRect& Rect,
                                   TZYLDrawStyleFlags Flags, int ListIndex, int) const {
  if (!IsValidItem(ListIndex, 0) || !Canvas) return win::TRect{};
  TBitmap* b = GetArrayItem(ListIndex)->GetBitmap();
  return ZYLBmpDrawExt(Canvas, Rect, b->Canvas(), win::TRect{0, 0, b->Width(), b->Height()}, Flags,
                       b->TransparentColor());
}

ZYL_CLASS_IMPL(TZYLStringList) {}
TZYLStringListItem* TZYLStringList::GetArrayItem(int Index) const {
  return static_cast<TZYLStringListItem*>(Item(Index));
}

ZYL_CLASS_IMPL(TZYLWaveList) {}
TZYLWaveListItem* TZYLWaveList::GetArrayItem(int Index) const {
  return static_cast<TZYLWaveListItem*>(Item(Index));
}

ZYL_CLASS_IMPL(TZYLImageListConnector) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  b.Prop("ImageList", &TZYLImageListConnector::ImageList, &TZYLImageListConnector::SetImageList)
      .Stored(&TZYLImageListConnector::IsImageListStored);
}
TZYLImageListConnector::TZYLImageListConnector(vcl::TComponent* AOwner)
    : inherited(AOwner), FLink(std::make_unique<TZYLChangeLink>()) {
  FLink->SetOnChange(vcl::TNotifyEvent(this, &TZYLImageListConnector::ListChanged));
}
TZYLImageListConnector::~TZYLImageListConnector() { SetImageList(nullptr); }

void TZYLImageListConnector::SetImageList(TZYLCustomImageList* Value) {
  // A connector must not show itself, directly or through other connectors.
  for (TZYLCustomImageList* l = Value; l;) {
    if (l == this) throw vcl::EInvalidOperation(SZYLConnectorShowsItself);
    auto* c = dynamic_cast<TZYLImageListConnector*>(l);
    l = c ? c->FImageList : nullptr;
  }
  if (ZYLLinkImageList(this, FLink.get(), FImageList, Value)) Change();
}

int TZYLImageListConnector::GetCount() const { return FImageList ? FImageList->GetCount() : 0; }
int TZYLImageListConnector::ItemCount(int L) const {
  return FImageList ? FImageList->ItemCount(L) : 0;
}
bool TZYLImageListConnector::IsValidItem(int L, int I) const {
  return FImageList && FImageList->IsValidItem(L, I);
}
int TZYLImageListConnector::Dimensions(int L, bool Height) const {
  return FImageList ? FImageList->Dimensions(L, Height) : 0;
}
vcl::TCanvas* TZYLImageListConnector::BmpCanvas(int L) const {
  return FImageList ? FImageList->BmpCanvas(L) : nullptr;
}
win::TRect TZYLImageListConnector::ItemRect(int L, int I) const {
  return FImageList ? FImageList->ItemRect(L, I) : win::TRect{};
}
bool TZYLImageListConnector::GetBitmapItem(int L, int I, TBitmap* Bitmap) const {
  return FImageList && FImageList->GetBitmapItem(L, I, Bitmap);
}
bool TZYLImageListConnector::Masked(int L) const { return FImageList && FImageList->Masked(L); }
win::HPALETTE TZYLImageListConnector::Palette(int L) const {
  return FImageList ? FImageList->Palette(L) : nullptr;
}
vcl::TColor TZYLImageListConnector::TransparentColor(int L, int I) const {
  return FImageList ? FImageList->TransparentColor(L, I) : vcl::clNone;
}
win::TRect TZYLImageListConnector::DrawExt(vcl::TCanvas* Canvas, const win::TRect& Rect,
                                           TZYLDrawStyleFlags Flags, int L, int I) const {
  return FImageList ? FImageList->DrawExt(Canvas, Rect, Flags, L, I) : win::TRect{};
}
void TZYLImageListConnector::ClipDraw(vcl::TCanvas* Canvas, const win::TRect& Rect, uint16_t Flags,
                                      int32_t Offset, vcl::TColor TC, int L, int I) const {
  if (FImageList) FImageList->ClipDraw(Canvas, Rect, Flags, Offset, TC, L, I);
}

void TZYLImageListConnector::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (ZYLImageListRemoved(FLink.get(), FImageList, AComponent, Operation)) Change();
}

bool TZYLImageListConnector::IsImageListStored() const { return ZYLIsReferenceStored(FImageList); }

void TZYLImageListConnector::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  ZYLDefineGlobalIdent(Filer, FImageList, [this](TZYLCustomImageList* L) { SetImageList(L); });
}

void TZYLImageListConnector::ListChanged(vcl::TObject*) { Change(); }

}  // namespace zyl
