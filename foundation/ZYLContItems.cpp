// The list items of the unit's lists: TZYLImageListItem (a strip of images with their
// masks), TZYLBitmapListItem and TZYLStringListItem.
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

namespace {

// A device bitmap with the picture of b. Copying out of a DIB section brings all of its
// pixels in sync first, so images are cut from such a copy, never from the DIB itself.
std::unique_ptr<TBitmap> DeviceCopy(TBitmap* b) {
  auto d = std::make_unique<TBitmap>();
  d->SetSize(b->Width(), b->Height());
  const win::TRect all{0, 0, b->Width(), b->Height()};
  d->Canvas()->CopyRect(all, b->Canvas(), all);
  return d;
}

// Image i of a strip of w x h images.
std::unique_ptr<TBitmap> CutImage(TBitmap* Strip, int i, int w, int h) {
  auto b = std::make_unique<TBitmap>();
  b->SetSize(w, h);
  b->Canvas()->CopyRect(win::TRect{0, 0, w, h}, Strip->Canvas(),
                        win::TRect{i * w, 0, (i + 1) * w, h});
  return b;
}

std::unique_ptr<TBitmap> CopyBitmap(const TBitmap* b) {
  auto c = std::make_unique<TBitmap>();
  c->Assign(const_cast<TBitmap*>(b));
  return c;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TZYLImageListItem

TZYLImageListItem::TZYLImageListItem(vcl::TComponent*) {}
TZYLImageListItem::~TZYLImageListItem() = default;

void TZYLImageListItem::SetInteger(int Index, int Value) {
  if (Value < 1 || Value > 32767) throw vcl::EConvertError(vcl::SInvalidImageSize);
  int& field = Index == iiWidth ? FWidth : FHeight;
  if (field == Value) return;
  field = Value;
  Clear();
}

void TZYLImageListItem::MakeMask(int Index) {
  TBitmap* img = FImages[Index].get();
  auto m = CopyBitmap(img);
  m->Mask(img->Canvas()->Pixels(0, img->Height() - 1));
  FMasks[Index] = std::move(m);
}

void TZYLImageListItem::SetMaskedState(bool Value) {
  if (FMasked == Value) return;
  FMasked = Value;
  if (Value) {
    for (int i = 0; i < GetCount(); ++i) MakeMask(i);
  } else {
    for (auto& m : FMasks) m.reset();
  }
}

int TZYLImageListItem::Add(TBitmap* Image, TBitmap* Mask) {
  if (!Image || Image->Width() != FWidth || Image->Height() != FHeight) return -1;
  if (Mask && (Mask->Width() != FWidth || Mask->Height() != FHeight)) return -1;
  FImages.push_back(CopyBitmap(Image));
  FStrip.reset();
  FMasks.emplace_back();
  const int i = GetCount() - 1;
  if (FMasked) {
    if (Mask)
      FMasks[i] = CopyBitmap(Mask);
    else
      MakeMask(i);
  }
  return i;
}

int TZYLImageListItem::AddMasked(TBitmap* Image, vcl::TColor TransparentColor) {
  if (!Image || Image->Width() != FWidth || Image->Height() != FHeight) return -1;
  auto mask = CopyBitmap(Image);
  mask->Mask(TransparentColor);
  if (!FMasked) {
    FMasked = true;
    for (int i = 0; i < GetCount(); ++i) MakeMask(i);
  }
  return Add(Image, mask.get());
}

void TZYLImageListItem::AddImages(const TZYLImageListItem* Other) {
  InsertImages(GetCount(), Other);
}

void TZYLImageListItem::InsertImages(int Index, const TZYLImageListItem* Other) {
  if (!Other || Other->GetCount() == 0) return;
  if (Other->FWidth != FWidth || Other->FHeight != FHeight)
    throw EZYLWrongBmpSize(SZYLImagesDifferInSize);
  if (Index < 0 || Index > GetCount())
    throw vcl::EListError(vcl::Format(vcl::SListIndexError, {Index}));
  std::vector<std::unique_ptr<TBitmap>> imgs, masks;
  for (int i = 0; i < Other->GetCount(); ++i) {
    imgs.push_back(CopyBitmap(Other->FImages[i].get()));
    masks.emplace_back();
    if (FMasked) {
      if (Other->FMasks[i]) {
        masks.back() = CopyBitmap(Other->FMasks[i].get());
      } else {
        masks.back() = CopyBitmap(imgs.back().get());
        masks.back()->Mask(imgs.back()->Canvas()->Pixels(0, FHeight - 1));
      }
    }
  }
  FImages.insert(FImages.begin() + Index, std::make_move_iterator(imgs.begin()),
                 std::make_move_iterator(imgs.end()));
  FStrip.reset();
  FMasks.insert(FMasks.begin() + Index, std::make_move_iterator(masks.begin()),
                std::make_move_iterator(masks.end()));
}

void TZYLImageListItem::Delete(int Index) {
  if (Index < 0 || Index >= GetCount())
    throw vcl::EListError(vcl::Format(vcl::SListIndexError, {Index}));
  FImages.erase(FImages.begin() + Index);
  FStrip.reset();
  FMasks.erase(FMasks.begin() + Index);
}

void TZYLImageListItem::Move(int From, int To) {
  if (From < 0 || From >= GetCount())
    throw vcl::EListError(vcl::Format(vcl::SListIndexError, {From}));
  if (To < 0 || To >= GetCount()) throw vcl::EListError(vcl::Format(vcl::SListIndexError, {To}));
  if (From == To) return;
  auto img = std::move(FImages[From]);
  auto msk = std::move(FMasks[From]);
  FImages.erase(FImages.begin() + From);
  FMasks.erase(FMasks.begin() + From);
  FImages.insert(FImages.begin() + To, std::move(img));
  FStrip.reset();
  FMasks.insert(FMasks.begin() + To, std::move(msk));
}

void TZYLImageListItem::Clear() {
  FImages.clear();
  FStrip.reset();
  FMasks.clear();
}

bool TZYLImageListItem::GetBitmap(int Index, TBitmap* Bitmap) const {
  if (!Bitmap || Index < 0 || Index >= GetCount()) return false;
  Bitmap->Assign(FImages[Index].get());
  return true;
}

bool TZYLImageListItem::GetMaskBitmap(int Index, TBitmap* Bitmap) const {
  if (!Bitmap || Index < 0 || Index >= GetCount() || !FMasks[Index]) return false;
  Bitmap->Assign(FMasks[Index].get());
  return true;
}

vcl::TCanvas* TZYLImageListItem::StripCanvas() const {
  if (FImages.empty()) return nullptr;
  if (!FStrip) FStrip.reset(GetImageBitmap());
  return FStrip->Canvas();
}

TBitmap* TZYLImageListItem::GetImageBitmap() const {
  auto* strip = new TBitmap();
  strip->SetSize(FWidth * GetCount(), FHeight);
  for (int i = 0; i < GetCount(); ++i)
    strip->Canvas()->CopyRect(win::TRect{i * FWidth, 0, (i + 1) * FWidth, FHeight},
                              FImages[i]->Canvas(), win::TRect{0, 0, FWidth, FHeight});
  return strip;
}

void TZYLImageListItem::LoadFromBitmap(const std::string& FileName, int Count, bool Masked) {
  TBitmap file;
  file.LoadFromFile(FileName);
  if (Count < 1 || file.Width() < Count || file.Height() < 1)
    throw EZYLWrongBmpSize(SZYLBitmapNotCut);
  const int w = file.Width() / Count;
  const int h = file.Height();
  const std::unique_ptr<TBitmap> src = DeviceCopy(&file);
  TZYLImageListItem fresh;
  fresh.FWidth = w;
  fresh.FHeight = h;
  fresh.FMasked = Masked;
  for (int i = 0; i < Count; ++i) fresh.Add(CutImage(src.get(), i, w, h).get(), nullptr);
  FWidth = w;
  FHeight = h;
  FMasked = Masked;
  FImages = std::move(fresh.FImages);
  FStrip.reset();
  FMasks = std::move(fresh.FMasks);
}

void TZYLImageListItem::WriteData(TStream* s) const {
  WriteI32(s, FWidth);
  WriteI32(s, FHeight);
  WriteI32(s, GetCount());
  WriteU8(s, FMasked ? 1 : 0);
  WriteI32(s, AllocBy);
  std::unique_ptr<TBitmap> strip(GetImageBitmap());
  WriteBitmap(s, GetCount() ? strip.get() : nullptr, PixelFormat);
  if (FMasked && GetCount()) {
    TBitmap maskStrip;
    maskStrip.SetSize(FWidth * GetCount(), FHeight);
    for (int i = 0; i < GetCount(); ++i)
      maskStrip.Canvas()->CopyRect(win::TRect{i * FWidth, 0, (i + 1) * FWidth, FHeight},
                                   FMasks[i]->Canvas(), win::TRect{0, 0, FWidth, FHeight});
    WriteBitmap(s, &maskStrip, spfMono);
  }
}

void TZYLImageListItem::ReadData(TStream* s, int64_t Size) {
  const int64_t end = s->Position() + Size;
  const int32_t w = ReadI32(s), h = ReadI32(s), n = ReadI32(s);
  const bool masked = ReadU8(s) != 0;
  const int32_t allocBy = ReadI32(s);
  if (w < 1 || h < 1 || w > 32767 || h > 32767 || n < 0 || n > 65535)
    throw vcl::EReadError(SZYLInvalidImageStrip);
  if (int64_t(w) * h * n > ZYLMaxListItemPixels) TooLarge();
  std::unique_ptr<TBitmap> strip, maskStrip;
  if (n > 0) {
    strip = ReadBitmap(s, int64_t(w) * n, h);
    if (masked) maskStrip = ReadBitmap(s, int64_t(w) * n, h);
    const auto fits = [&](const std::unique_ptr<TBitmap>& b) {
      return b && int64_t(b->Width()) == int64_t(w) * n && b->Height() == h;
    };
    if (!fits(strip) || (masked && !fits(maskStrip))) throw vcl::EReadError(SZYLInvalidImageStrip);
    strip = DeviceCopy(strip.get());
    if (masked) maskStrip = DeviceCopy(maskStrip.get());
  }
  if (s->Position() > end) throw vcl::EReadError(SZYLInvalidImageStrip);
  std::vector<std::unique_ptr<TBitmap>> imgs, masks;
  for (int i = 0; i < n; ++i) {
    imgs.push_back(CutImage(strip.get(), i, w, h));
    masks.push_back(masked ? CutImage(maskStrip.get(), i, w, h) : nullptr);
  }
  FWidth = w;
  FHeight = h;
  FMasked = masked;
  AllocBy = allocBy;
  FImages = std::move(imgs);
  FStrip.reset();
  FMasks = std::move(masks);
  s->SetPosition(end);
}

void TZYLImageListItem::Assign(vcl::TPersistent* Source) {
  if (auto* o = dynamic_cast<TZYLImageListItem*>(Source)) {
    if (o == this) return;
    TZYLListItem::Assign(o);
    FWidth = o->FWidth;
    FHeight = o->FHeight;
    FMasked = o->FMasked;
    AllocBy = o->AllocBy;
    Clear();
    AddImages(o);
    return;
  }
  TZYLListItem::Assign(Source);
}

void TZYLImageListItem::SaveToFile(const std::string& FileName) const {
  vcl::TFileStream f(FileName, vcl::fmCreate);
  const std::string sig = ZYLListSignature(icImageList);
  WriteU8(&f, 8);
  f.WriteBuffer(sig.data(), 8);
  vcl::TMemoryStream m;
  WriteData(&m);
  WriteI32(&f, static_cast<int32_t>(m.Size()));
  f.WriteBuffer(m.Memory(), static_cast<int32_t>(m.Size()));
}

void TZYLImageListItem::LoadFromFile(const std::string& FileName) {
  vcl::TFileStream f(FileName, vcl::fmOpenRead | vcl::fmShareDenyWrite);
  CheckSignature(&f, icImageList, FileName, "TZYLImageListItem");
  const int32_t n = ReadLength(&f);
  TZYLImageListItem fresh;
  fresh.ReadData(&f, n);
  FWidth = fresh.FWidth;
  FHeight = fresh.FHeight;
  FMasked = fresh.FMasked;
  AllocBy = fresh.AllocBy;
  FImages = std::move(fresh.FImages);
  FStrip.reset();
  FMasks = std::move(fresh.FMasks);
}

win::TRect TZYLImageListItem::DrawExt(vcl::TCanvas* Canvas, const win::TRect& Rect,
                                      TZYLDrawStyleFlags Flags, int Index) const {
  if (!Canvas || Index < 0 || Index >= GetCount()) return win::TRect{};
  TBitmap* img = FImages[Index].get();
  const win::TRect src{0, 0, FWidth, FHeight};
  win::HBITMAP mask = nullptr;
  vcl::TColor tc = img->Canvas()->Pixels(0, FHeight - 1);
  if ((Flags & dsfTransparent) && FMasked && FMasks[Index]) {
    Flags = static_cast<TZYLDrawStyleFlags>((Flags & ~dsfTransparent) | dsfMaskHandle);
    // MaskBlt reads device masks only, and the mask must not stay selected in a DC.
    if (FMasks[Index]->HandleType() != vcl::bmDDB) FMasks[Index]->SetHandleType(vcl::bmDDB);
    FMasks[Index]->FreeContext();
    mask = FMasks[Index]->Handle();
  }
  return ZYLBmpDrawExt(Canvas, Rect, img->Canvas(), src, Flags, tc, mask);
}

// ---------------------------------------------------------------------------------------------
// TZYLBitmapListItem

TZYLBitmapListItem::TZYLBitmapListItem() : FBitmap(std::make_unique<TBitmap>()) {}
TZYLBitmapListItem::~TZYLBitmapListItem() = default;

bool TZYLBitmapListItem::GetEmpty() const { return FBitmap->Empty(); }

void TZYLBitmapListItem::SetBitmap(TBitmap* Value) { FBitmap->Assign(Value); }

void TZYLBitmapListItem::WriteData(TStream* s) const {
  WriteBitmap(s, FBitmap.get(), PixelFormat);
  WriteI32(s, FBitmap->TransparentColor());
}

void TZYLBitmapListItem::ReadData(TStream* s, int64_t Size) {
  const int64_t end = s->Position() + Size;
  auto b = ReadBitmap(s);
  const int32_t tc = ReadI32(s);
  if (s->Position() > end) throw vcl::EReadError(SZYLInvalidBitmapItem);
  if (b) {
    FBitmap = std::move(b);
    FBitmap->SetTransparentColor(tc);
  } else {
    FBitmap = std::make_unique<TBitmap>();
  }
  s->SetPosition(end);
}

void TZYLBitmapListItem::Assign(vcl::TPersistent* Source) {
  if (auto* o = dynamic_cast<TZYLBitmapListItem*>(Source)) {
    TZYLListItem::Assign(o);
    FBitmap->Assign(o->FBitmap.get());
    return;
  }
  if (auto* b = dynamic_cast<TBitmap*>(Source)) {
    FBitmap->Assign(b);
    return;
  }
  TZYLListItem::Assign(Source);
}

// ---------------------------------------------------------------------------------------------
// TZYLStringListItem

TZYLStringListItem::TZYLStringListItem() : FList(std::make_unique<vcl::TStringList>()) {}
TZYLStringListItem::~TZYLStringListItem() = default;
bool TZYLStringListItem::GetEmpty() const { return FList->Count() == 0; }
vcl::TStrings* TZYLStringListItem::GetList() const { return FList.get(); }
void TZYLStringListItem::SetList(vcl::TStrings* Value) { FList->Assign(Value); }

void TZYLStringListItem::WriteData(TStream* s) const {
  WriteI32(s, FList->Count());
  for (int i = 0; i < FList->Count(); ++i) WriteText(s, FList->Strings(i));
}

void TZYLStringListItem::ReadData(TStream* s, int64_t Size) {
  const int64_t end = s->Position() + Size;
  const int32_t n = ReadI32(s);
  if (n < 0 || int64_t(n) * 4 > Size) throw vcl::EReadError(SZYLInvalidStringItem);
  vcl::TStringList fresh;
  for (int i = 0; i < n; ++i) fresh.Add(ReadText(s, end - s->Position()));
  FList->Assign(&fresh);
  s->SetPosition(end);
}

void TZYLStringListItem::Assign(vcl::TPersistent* Source) {
  if (auto* o = dynamic_cast<TZYLStringListItem*>(Source)) {
    TZYLListItem::Assign(o);
    FList->Assign(o->FList.get());
    return;
  }
  if (auto* l = dynamic_cast<vcl::TStrings*>(Source)) {
    FList->Assign(l);
    return;
  }
  TZYLListItem::Assign(Source);
}

}  // namespace zyl
