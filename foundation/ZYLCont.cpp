#include "foundation/ZYLCont.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "foundation/ZYLConst.h"
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

std::string ZYLListSignature(TZYLListItemClassType Kind) {
  static const char* const sig[] = {"ZYLIML30", "ZYLBML30", "ZYLWVL30",
                                    "ZYLSLL30", "ZYLGLL50", "ZYLRTL50"};
  const int k = static_cast<int>(Kind);
  if (k < 0 || k >= static_cast<int>(std::size(sig))) return std::string();  // icInvalid
  return sig[k];
}

namespace {

// Little-endian primitives with checked lengths.
void WriteU8(TStream* s, uint8_t v) { s->WriteBuffer(&v, 1); }
void WriteU16(TStream* s, uint16_t v) {
  uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
  s->WriteBuffer(b, 2);
}
void WriteI32(TStream* s, int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  uint8_t b[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
  s->WriteBuffer(b, 4);
}
uint8_t ReadU8(TStream* s) {
  uint8_t v;
  s->ReadBuffer(&v, 1);
  return v;
}
uint16_t ReadU16(TStream* s) {
  uint8_t b[2];
  s->ReadBuffer(b, 2);
  return uint16_t(b[0] | (b[1] << 8));
}
int32_t ReadI32(TStream* s) {
  uint8_t b[4];
  s->ReadBuffer(b, 4);
  return static_cast<int32_t>(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                              (uint32_t(b[3]) << 24));
}
int64_t Remaining(TStream* s) { return s->Size() - s->Position(); }
// A length field: non-negative and not beyond the end of the stream (or of Limit).
int32_t ReadLength(TStream* s, int64_t Limit = -1) {
  const int32_t n = ReadI32(s);
  const int64_t room = Limit >= 0 ? std::min(Limit, Remaining(s)) : Remaining(s);
  if (n < 0 || n > room) throw vcl::EReadError(SZYLListStreamLength);
  return n;
}
void WriteText(TStream* s, const std::string& t) {
  WriteI32(s, static_cast<int32_t>(t.size()));
  if (!t.empty()) s->WriteBuffer(t.data(), static_cast<int32_t>(t.size()));
}
std::string ReadText(TStream* s, int64_t Limit = -1) {
  const int32_t n = ReadLength(s, Limit);
  std::string t(static_cast<size_t>(n), '\0');
  if (n) s->ReadBuffer(t.data(), n);
  return t;
}

vcl::TPixelFormat ToPixelFormat(TZYLSavePixelFormat f) {
  switch (f) {
    case spfMono: return vcl::pf1bit;
    case spf4bit: return vcl::pf4bit;
    case spf8bit: return vcl::pf8bit;
    case spf16bit: return vcl::pf16bit;
    default: return vcl::pf24bit;
  }
}

// A bitmap as int32 length + BMP image (length 0: none), stored in the pixel format.
void WriteBitmap(TStream* s, const TBitmap* b, TZYLSavePixelFormat f) {
  if (!b || const_cast<TBitmap*>(b)->Empty()) {
    WriteI32(s, 0);
    return;
  }
  TBitmap copy;
  copy.Assign(const_cast<TBitmap*>(b));
  if (f != spfDefault) copy.SetPixelFormat(ToPixelFormat(f));
  vcl::TMemoryStream m;
  copy.SaveToStream(&m);
  WriteI32(s, static_cast<int32_t>(m.Size()));
  s->WriteBuffer(m.Memory(), static_cast<int32_t>(m.Size()));
}
[[noreturn]] void TooLarge() { throw vcl::EReadError(SZYLListItemTooLarge); }

// The width and height a BMP file's header declares (the height without its sign); false
// when the bytes do not start like a BMP file.
bool DeclaredSize(const uint8_t* p, int32_t n, int64_t& Width, int64_t& Height) {
  if (n < 26 || p[0] != 'B' || p[1] != 'M') return false;
  auto le = [p](int o, int bytes) {
    uint32_t v = 0;
    for (int k = bytes - 1; k >= 0; --k) v = (v << 8) | p[o + k];
    return v;
  };
  if (le(14, 4) == 12) {  // the old core header: 16-bit sizes
    Width = le(18, 2);
    Height = static_cast<int16_t>(le(20, 2));
  } else {
    Width = static_cast<int32_t>(le(18, 4));
    Height = static_cast<int32_t>(le(22, 4));
  }
  if (Height < 0) Height = -Height;
  return true;
}

// ExpectWidth / ExpectHeight (when positive): the size the BMP header must give. Either way
// the declared size is checked against ZYLMaxListItemPixels before the picture is decoded.
std::unique_ptr<TBitmap> ReadBitmap(TStream* s, int64_t ExpectWidth = 0,
                                    int64_t ExpectHeight = 0) {
  const int32_t n = ReadLength(s);
  if (n == 0) return nullptr;
  vcl::TMemoryStream m;
  m.SetSize(n);
  s->ReadBuffer(m.Memory(), n);
  int64_t w = 0, h = 0;
  const bool known = DeclaredSize(static_cast<const uint8_t*>(m.Memory()), n, w, h);
  if (ExpectWidth > 0 && (!known || w != ExpectWidth || h != ExpectHeight))
    throw vcl::EReadError(SZYLListBitmapInvalid);
  if (known && w > 0 && h > 0 && w * h > ZYLMaxListItemPixels) TooLarge();
  m.SetPosition(0);
  auto b = std::make_unique<TBitmap>();
  b->LoadFromStream(&m);
  return b;
}

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

std::vector<std::vector<uint8_t>>& Played() {
  static std::vector<std::vector<uint8_t>> list;
  return list;
}

TZYLContainer* globalContainer = nullptr;

}  // namespace

// ---------------------------------------------------------------------------------------------
// TZYLListItem

void TZYLListItem::WriteData(TStream*) const {}
void TZYLListItem::ReadData(TStream* Stream, int64_t Size) {
  Stream->Seek(Size, vcl::soCurrent);
}

void TZYLListItem::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLListItem*>(Source)) {
    Description = s->Description;
    Ident = s->Ident;
    Compressed = s->Compressed;
    PixelFormat = s->PixelFormat;
    return;
  }
  vcl::TPersistent::Assign(Source);
}

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

namespace {
void CheckSignature(TStream* s, TZYLListItemClassType Kind, const std::string& FileName,
                    const char* ClassName) {
  char buf[9] = {};
  if (Remaining(s) < 9 || s->Read(buf, 9) != 9 || buf[0] != 8 ||
      std::memcmp(buf + 1, ZYLListSignature(Kind).data(), 8) != 0)
    throw vcl::EFOpenError(
        vcl::Format(SZYLListFileOpenError, {vcl::Format(vcl::SFOpenError, {FileName}), ClassName}));
}
}  // namespace

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

// ---------------------------------------------------------------------------------------------
// TZYLWave

namespace {
uint32_t Le32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

// The body of the "fmt " chunk (at least 16 bytes) or nil.
const uint8_t* FindFmt(const std::vector<uint8_t>& d) {
  if (d.size() < 12 || std::memcmp(d.data(), "RIFF", 4) != 0 ||
      std::memcmp(d.data() + 8, "WAVE", 4) != 0)
    return nullptr;
  size_t pos = 12;
  while (pos + 8 <= d.size()) {
    const uint32_t len = Le32(d.data() + pos + 4);
    if (std::memcmp(d.data() + pos, "fmt ", 4) == 0)
      return (len >= 16 && len <= d.size() - pos - 8) ? d.data() + pos + 8 : nullptr;
    if (len > d.size() - pos - 8) return nullptr;
    pos += 8 + size_t(len) + (len & 1);
  }
  return nullptr;
}

std::string WaveError(const std::string& FileName) {
  return std::string("TZYLWave: ") + vcl::Format(vcl::SFOpenError, {FileName});
}
}  // namespace

bool TZYLWave::IsValidWave(const std::vector<uint8_t>& Data) { return FindFmt(Data) != nullptr; }

const uint8_t* TZYLWave::FmtChunk() const { return FindFmt(FData); }

TZYLWaveFormat TZYLWave::GetFormat() const {
  const uint8_t* f = FmtChunk();
  return f && Le16(f) == 1 ? wfPCM : wfUnknown;
}

TZYLChannelMode TZYLWave::GetChannelMode() const {
  const uint8_t* f = FmtChunk();
  if (!f) return cmUnknown;
  switch (Le16(f + 2)) {
    case 1: return cmMono;
    case 2: return cmStereo;
    default: return cmUnknown;
  }
}

int TZYLWave::GetSampleRate() const {
  const uint8_t* f = FmtChunk();
  return f ? static_cast<int>(Le32(f + 4)) : 0;
}

int TZYLWave::GetBits() const {
  const uint8_t* f = FmtChunk();
  return f ? Le16(f + 14) : 0;
}

void TZYLWave::SetData(std::vector<uint8_t> Data) {
  if (!Data.empty() && !IsValidWave(Data)) throw EInvalidWave(SZYLInvalidWaveData);
  FData = std::move(Data);
}

void TZYLWave::FreeWave() {
  Stop();
  FData.clear();
}

void TZYLWave::LoadFromFile(const std::string& FileName) {
  vcl::TFileStream f(FileName, vcl::fmOpenRead | vcl::fmShareDenyWrite);
  const int64_t n = f.Size();
  if (n < 12 || n > 0x7FFFFFFF) throw EInvalidWave(WaveError(FileName));
  std::vector<uint8_t> d(static_cast<size_t>(n));
  f.ReadBuffer(d.data(), static_cast<int32_t>(n));
  if (!IsValidWave(d)) throw EInvalidWave(WaveError(FileName));
  FData = std::move(d);
}

void TZYLWave::SaveToFile(const std::string& FileName) const {
  vcl::TFileStream f(FileName, vcl::fmCreate);
  if (!FData.empty()) f.WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
}

void TZYLWave::LoadFromStream(TStream* Stream) {
  const int32_t n = ReadLength(Stream);
  std::vector<uint8_t> d(static_cast<size_t>(n));
  if (n) Stream->ReadBuffer(d.data(), n);
  if (n && !IsValidWave(d)) throw EInvalidWave(SZYLInvalidWaveData);
  FData = std::move(d);
}

void TZYLWave::SaveToStream(TStream* Stream) const {
  WriteI32(Stream, static_cast<int32_t>(FData.size()));
  if (!FData.empty()) Stream->WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
}

void TZYLWave::Play() const {
  if (!FData.empty()) Played().push_back(FData);
}

void TZYLWave::Stop() const {}

ZYL_CLASS_IMPL(TZYLWave) {}

void TZYLWave::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { LoadFromStream(s); },
      [this](TStream* s) { SaveToStream(s); }, !GetEmpty());
}

void TZYLWave::Assign(vcl::TPersistent* Source) {
  if (auto* w = dynamic_cast<TZYLWave*>(Source)) {
    FData = w->FData;
    return;
  }
  if (!Source) {
    FData.clear();
    return;
  }
  vcl::TPersistent::Assign(Source);
}

const std::vector<std::vector<uint8_t>>& ZYLPlayedWaves() { return Played(); }
void ZYLClearPlayedWaves() { Played().clear(); }

bool ZYLGetWaveFileInfo(const std::string& FileName, TZYLWaveInfo& Info) {
  try {
    TZYLWave w;
    w.LoadFromFile(FileName);
    Info.Format = w.GetFormat();
    Info.Channels = w.GetChannelMode();
    Info.SampleRate = w.GetSampleRate();
    Info.Bits = w.GetBits();
    Info.Size = w.GetSize();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

TZYLWaveListItem::TZYLWaveListItem() : FWave(std::make_unique<TZYLWave>()) {}
TZYLWaveListItem::~TZYLWaveListItem() = default;
bool TZYLWaveListItem::GetEmpty() const { return FWave->GetEmpty(); }
void TZYLWaveListItem::SetWave(TZYLWave* Value) { FWave->Assign(Value); }
void TZYLWaveListItem::WriteData(TStream* s) const { FWave->SaveToStream(s); }
void TZYLWaveListItem::ReadData(TStream* s, int64_t Size) {
  const int64_t end = s->Position() + Size;
  TZYLWave w;
  w.LoadFromStream(s);
  if (s->Position() > end) throw vcl::EReadError(SZYLInvalidWaveItem);
  FWave->Assign(&w);
  s->SetPosition(end);
}
void TZYLWaveListItem::Assign(vcl::TPersistent* Source) {
  if (auto* o = dynamic_cast<TZYLWaveListItem*>(Source)) {
    TZYLListItem::Assign(o);
    FWave->Assign(o->FWave.get());
    return;
  }
  TZYLListItem::Assign(Source);
}

// ---------------------------------------------------------------------------------------------
// TZYLCustomContainer

ZYL_CLASS_IMPL(TZYLCustomContainer) {
  b.Prop("DefaultCompressed", &TZYLCustomContainer::DefaultCompressed,
         &TZYLCustomContainer::SetDefaultCompressed)
      .Default(false);
}

TZYLCustomContainer::TZYLCustomContainer(vcl::TComponent* AOwner) : inherited(AOwner) {}
TZYLCustomContainer::~TZYLCustomContainer() = default;

void TZYLCustomContainer::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count())
    throw vcl::EListError(vcl::Format(vcl::SListIndexError, {Index}));
}

TZYLListItem* TZYLCustomContainer::Item(int Index) const {
  CheckIndex(Index);
  return FItems[Index].get();
}

int TZYLCustomContainer::Add(TZYLListItem* Item) {
  Insert(Count(), Item);
  return Count() - 1;
}

void TZYLCustomContainer::Insert(int Index, TZYLListItem* Item) {
  std::unique_ptr<TZYLListItem> it(Item ? Item : NewItem());
  if (Index < 0 || Index > Count())
    throw vcl::EListError(vcl::Format(vcl::SListIndexError, {Index}));
  if (!Item) {
    it->Compressed = FDefaultCompressed;
    it->PixelFormat = FDefaultPixelFormat;
  }
  FItems.insert(FItems.begin() + Index, std::move(it));
  Change();
}

void TZYLCustomContainer::Delete(int Index) {
  CheckIndex(Index);
  FItems.erase(FItems.begin() + Index);
  Change();
}

void TZYLCustomContainer::Move(int From, int To) {
  CheckIndex(From);
  CheckIndex(To);
  if (From == To) return;
  auto it = std::move(FItems[From]);
  FItems.erase(FItems.begin() + From);
  FItems.insert(FItems.begin() + To, std::move(it));
  Change();
}

void TZYLCustomContainer::Clear() {
  FItems.clear();
  Change();
}

void TZYLCustomContainer::AddList(const TZYLCustomContainer* Other) {
  if (!Other) return;
  std::vector<std::unique_ptr<TZYLListItem>> copies;
  for (const auto& src : Other->FItems) {
    std::unique_ptr<TZYLListItem> c(NewItem());
    c->Assign(src.get());
    copies.push_back(std::move(c));
  }
  for (auto& c : copies) FItems.push_back(std::move(c));
  Change();
}

void TZYLCustomContainer::Assign(vcl::TPersistent* Source) {
  auto* o = dynamic_cast<TZYLCustomContainer*>(Source);
  if (o && o->ItemClassType() == ItemClassType()) {
    if (o == this) return;
    BeginUpdate();
    FItems.clear();
    FDefaultCompressed = o->FDefaultCompressed;
    FDefaultPixelFormat = o->FDefaultPixelFormat;
    AddList(o);
    EndUpdate(true);
    return;
  }
  inherited::Assign(Source);
}

void TZYLCustomContainer::SaveToStream(TStream* s) const {
  WriteU8(s, 1);
  WriteU8(s, FDefaultCompressed ? 1 : 0);
  WriteU8(s, static_cast<uint8_t>(FDefaultPixelFormat));
  WriteI32(s, Count());
  for (const auto& it : FItems) {
    WriteU16(s, it->Ident);
    WriteU8(s, it->Compressed ? 1 : 0);
    WriteU8(s, static_cast<uint8_t>(it->PixelFormat));
    WriteText(s, it->Description);
    vcl::TMemoryStream raw;
    it->WriteData(&raw);
    raw.SetPosition(0);
    if (it->Compressed) {
      vcl::TMemoryStream packed;
      ZYLCompressStream(&raw, &packed);
      WriteI32(s, static_cast<int32_t>(packed.Size()));
      s->WriteBuffer(packed.Memory(), static_cast<int32_t>(packed.Size()));
    } else {
      WriteI32(s, static_cast<int32_t>(raw.Size()));
      if (raw.Size()) s->WriteBuffer(raw.Memory(), static_cast<int32_t>(raw.Size()));
    }
  }
}

void TZYLCustomContainer::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Bitmap", [this](TStream* s) { LoadFromStream(s); },
      [this](TStream* s) { SaveToStream(s); }, !FItems.empty());
}

void TZYLCustomContainer::LoadFromStream(TStream* s) {
  const uint8_t version = ReadU8(s);
  if (version != 1) throw vcl::EReadError(SZYLListStreamVersion);
  const bool defCompressed = ReadU8(s) != 0;
  const uint8_t defFormat = ReadU8(s);
  const int32_t n = ReadI32(s);
  // Each item takes at least 12 bytes of header.
  if (defFormat > spf16bit || n < 0 || int64_t(n) * 12 > Remaining(s))
    throw vcl::EReadError(SZYLInvalidListStream);
  std::vector<std::unique_ptr<TZYLListItem>> items;
  for (int i = 0; i < n; ++i) {
    std::unique_ptr<TZYLListItem> it(NewItem());
    it->Ident = ReadU16(s);
    it->Compressed = ReadU8(s) != 0;
    const uint8_t fmt = ReadU8(s);
    if (fmt > spf16bit) throw vcl::EReadError(SZYLInvalidListStream);
    it->PixelFormat = static_cast<TZYLSavePixelFormat>(fmt);
    it->Description = ReadText(s);
    const int32_t size = ReadLength(s);
    vcl::TMemoryStream data;
    data.SetSize(size);
    if (size) s->ReadBuffer(data.Memory(), size);
    data.SetPosition(0);
    if (it->Compressed) {
      vcl::TMemoryStream plain;
      ZYLDecompressStream(&data, &plain);
      plain.SetPosition(0);
      it->ReadData(&plain, plain.Size());
    } else {
      it->ReadData(&data, size);
    }
    items.push_back(std::move(it));
  }
  FItems = std::move(items);
  FDefaultCompressed = defCompressed;
  FDefaultPixelFormat = static_cast<TZYLSavePixelFormat>(defFormat);
  Change();
}

void TZYLCustomContainer::SaveToFile(const std::string& FileName) const {
  vcl::TMemoryStream m;
  WriteU8(&m, 8);
  m.WriteBuffer(ZYLListSignature(ItemClassType()).data(), 8);
  SaveToStream(&m);
  vcl::TFileStream f(FileName, vcl::fmCreate);
  f.WriteBuffer(m.Memory(), static_cast<int32_t>(m.Size()));
}

void TZYLCustomContainer::LoadFromFile(const std::string& FileName) {
  vcl::TFileStream f(FileName, vcl::fmOpenRead | vcl::fmShareDenyWrite);
  CheckSignature(&f, ItemClassType(), FileName, ClassName().c_str());
  LoadFromStream(&f);
}

// ---------------------------------------------------------------------------------------------
// Image lists

ZYL_CLASS_IMPL(TZYLCustomImageList) {}

int TZYLCustomImageList::ItemCount(int) const { return 0; }
bool TZYLCustomImageList::IsValidItem(int, int) const { return false; }
int TZYLCustomImageList::Dimensions(int, bool) const { return 0; }
win::TRect TZYLCustomImageList::DrawExt(vcl::TCanvas*, const win::TRect&, TZYLDrawStyleFlags,
                                        int, int) const {
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
  return ZYLBmpDrawExt(Canvas, Rect, b->Canvas(), win::TRect{0, 0, b->Width(), b->Height()},
                       Flags, b->TransparentColor());
}

ZYL_CLASS_IMPL(TZYLStringList) {}
TZYLStringListItem* TZYLStringList::GetArrayItem(int Index) const {
  return static_cast<TZYLStringListItem*>(Item(Index));
}

ZYL_CLASS_IMPL(TZYLWaveList) {}
TZYLWaveListItem* TZYLWaveList::GetArrayItem(int Index) const {
  return static_cast<TZYLWaveListItem*>(Item(Index));
}

ZYL_CLASS_IMPL(TZYLWaveComp) { b.Prop("Wave", &TZYLWaveComp::Wave, &TZYLWaveComp::SetWave); }
TZYLWaveComp::TZYLWaveComp(vcl::TComponent* AOwner)
    : inherited(AOwner), FWave(std::make_unique<TZYLWave>()) {}
TZYLWaveComp::~TZYLWaveComp() = default;
void TZYLWaveComp::SetWave(TZYLWave* Value) { FWave->Assign(Value); }
void TZYLWaveComp::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { FWave->LoadFromStream(s); }, nullptr, false);
}

ZYL_CLASS_IMPL(TZYLImageListConnector) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  b.Prop("ImageList", &TZYLImageListConnector::ImageList, &TZYLImageListConnector::SetImageList);
}
TZYLImageListConnector::TZYLImageListConnector(vcl::TComponent* AOwner)
    : inherited(AOwner), FLink(std::make_unique<TZYLChangeLink>()) {
  FLink->OnChange = vcl::TNotifyEvent(this, &TZYLImageListConnector::ListChanged);
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
void TZYLImageListConnector::ClipDraw(vcl::TCanvas* Canvas, const win::TRect& Rect,
                                      uint16_t Flags, int32_t Offset, vcl::TColor TC, int L,
                                      int I) const {
  if (FImageList) FImageList->ClipDraw(Canvas, Rect, Flags, Offset, TC, L, I);
}

void TZYLImageListConnector::Notification(vcl::TComponent* AComponent,
                                          vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (ZYLImageListRemoved(FLink.get(), FImageList, AComponent, Operation)) Change();
}

void TZYLImageListConnector::ListChanged(vcl::TObject*) { Change(); }

// ---------------------------------------------------------------------------------------------
// The global container

TZYLContainer::TZYLContainer()
    : FBitmapList(std::make_unique<TZYLBitmapList>()),
      FImageList(std::make_unique<TZYLImageList>()),
      FStringList(std::make_unique<TZYLStringList>()),
      FWaveList(std::make_unique<TZYLWaveList>()) {}
TZYLContainer::~TZYLContainer() = default;

TZYLContainer* ZYLContainer() { return globalContainer; }
namespace {
std::vector<vcl::TClass> ContainerClasses() {
  return {TZYLImageList::StaticClass(),  TZYLBitmapList::StaticClass(),
          TZYLStringList::StaticClass(), TZYLWaveList::StaticClass(),
          TZYLWaveComp::StaticClass(),   TZYLImageListConnector::StaticClass(),
          TZYLContainerCtrl::StaticClass()};
}
}  // namespace

void ZYLContainerInit() {
  if (!globalContainer) globalContainer = new TZYLContainer();
  for (vcl::TClass c : ContainerClasses()) vcl::RegisterClass(c);
}
void ZYLContainerDone() {
  for (vcl::TClass c : ContainerClasses()) vcl::UnRegisterClass(c);
  delete globalContainer;
  globalContainer = nullptr;
}

ZYL_CLASS_IMPL(TZYLContainerCtrl) {}
TZYLContainerCtrl::TZYLContainerCtrl(vcl::TComponent* AOwner) : inherited(AOwner) {}
TZYLContainerCtrl::~TZYLContainerCtrl() = default;

TZYLContainer* TZYLContainerCtrl::Container() {
  if (ComponentState().contains(vcl::csDesigning) || !globalContainer) {
    if (!FOwn) FOwn = std::make_unique<TZYLContainer>();
    return FOwn.get();
  }
  return globalContainer;
}

bool ZYLIsGlobalIdent(const TZYLCustomImageList* List) {
  return List && globalContainer &&
         (List == globalContainer->BitmapList() || List == globalContainer->ImageList());
}

std::string ZYLGlobalIdent(const TZYLCustomImageList* List) {
  return ZYLIsGlobalIdent(List) ? ZYLListSignature(List->ItemClassType()) : std::string();
}

TZYLCustomImageList* ZYLGlobalList(const std::string& Ident) {
  if (!globalContainer) return nullptr;
  if (Ident == ZYLListSignature(icBitmap)) return globalContainer->BitmapList();
  if (Ident == ZYLListSignature(icImageList)) return globalContainer->ImageList();
  return nullptr;
}

void ZYLWriteGlobalIdent(vcl::TWriter* Writer, const TZYLCustomImageList* List) {
  Writer->WriteString(ZYLGlobalIdent(List));
}

TZYLCustomImageList* ZYLReadGlobalIdent(vcl::TReader* Reader) {
  return ZYLGlobalList(Reader->ReadString());
}

void ZYLDefineGlobalIdent(vcl::TFiler* Filer, TZYLCustomImageList* List,
                          const std::function<void(TZYLCustomImageList*)>& Set) {
  Filer->DefineProperty(
      "Internal", [Set](vcl::TReader* r) { Set(ZYLReadGlobalIdent(r)); },
      [List](vcl::TWriter* w) { ZYLWriteGlobalIdent(w, List); }, List && ZYLIsGlobalIdent(List));
}

bool ZYLIsSingleItemImageList(const TZYLCustomImageList* List) {
  return dynamic_cast<const TZYLBitmapList*>(List) != nullptr;
}

bool ZYLLinkImageList(vcl::TComponent* Client, TZYLChangeLink* Link, TZYLCustomImageList*& Slot,
                      TZYLCustomImageList* Value) {
  if (Slot == Value) return false;
  if (Slot) {
    Slot->UnRegisterChanges(Link);
    Slot->RemoveFreeNotification(Client);
  }
  Slot = Value;
  if (Slot) {
    Slot->RegisterChanges(Link);
    Slot->FreeNotification(Client);
  }
  return true;
}

bool ZYLImageListRemoved(TZYLChangeLink* Link, TZYLCustomImageList*& Slot,
                         vcl::TComponent* AComponent, vcl::TOperation Operation) {
  if (Operation != vcl::opRemove || !AComponent || !Slot ||
      AComponent != static_cast<vcl::TComponent*>(Slot))
    return false;
  Link->Unregister();
  Slot = nullptr;
  return true;
}

}  // namespace zyl
