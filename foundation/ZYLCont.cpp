// The unit's shared parts: the list signatures, the stream primitives the list files use,
// TZYLListItem, TZYLCustomContainer and the global container with its list idents. The
// items are in ZYLContItems.cpp, the waves in ZYLContWave.cpp, the lists in
// ZYLContImageLists.cpp.
#include "foundation/ZYLCont.h"
#include "foundation/ZYLConst.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "foundation/ZYLContInternal.h"
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

namespace cont_internal {

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
int32_t ReadLength(TStream* s, int64_t Limit) {
  const int32_t n = ReadI32(s);
  const int64_t room = Limit >= 0 ? std::min(Limit, Remaining(s)) : Remaining(s);
  if (n < 0 || n > room) throw vcl::EReadError(SZYLListStreamLength);
  return n;
}
void WriteText(TStream* s, const std::string& t) {
  WriteI32(s, static_cast<int32_t>(t.size()));
  if (!t.empty()) s->WriteBuffer(t.data(), static_cast<int32_t>(t.size()));
}
std::string ReadText(TStream* s, int64_t Limit) {
  const int32_t n = ReadLength(s, Limit);
  std::string t(static_cast<size_t>(n), '\0');
  if (n) s->ReadBuffer(t.data(), n);
  return t;
}

namespace {
vcl::TPixelFormat ToPixelFormat(TZYLSavePixelFormat f) {
  switch (f) {
    case spfMono: return vcl::pf1bit;
    case spf4bit: return vcl::pf4bit;
    case spf8bit: return vcl::pf8bit;
    case spf16bit: return vcl::pf16bit;
    default: return vcl::pf24bit;
  }
}
}  // namespace

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
[[noreturn]] void TooLarge() {
  throw vcl::EReadError(SZYLListItemTooLarge);
}

// The width and height a BMP file's header declares (the height without its sign); false
// when the bytes do not start like a BMP file.
namespace {
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
}  // namespace

// ExpectWidth / ExpectHeight (when positive): the size the BMP header must give. Either way
// the declared size is checked against ZYLMaxListItemPixels before the picture is decoded.
std::unique_ptr<TBitmap> ReadBitmap(TStream* s, int64_t ExpectWidth, int64_t ExpectHeight) {
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

void CheckSignature(TStream* s, TZYLListItemClassType Kind, const std::string& FileName,
                    const char* ClassName) {
  char buf[9] = {};
  if (Remaining(s) < 9 || s->Read(buf, 9) != 9 || buf[0] != 8 ||
      std::memcmp(buf + 1, ZYLListSignature(Kind).data(), 8) != 0)
    throw vcl::EFOpenError(
        vcl::Format(SZYLListFileOpenError, {vcl::Format(vcl::SFOpenError, {FileName}), ClassName}));
}

}  // namespace cont_internal

using namespace cont_internal;

namespace {

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
                          const std::function<void(TZYLCustomImageList*)>& Set, const char* Name) {
  Filer->DefineProperty(
      Name, [Set](vcl::TReader* r) { Set(ZYLReadGlobalIdent(r)); },
      [List](vcl::TWriter* w) { ZYLWriteGlobalIdent(w, List); }, List && ZYLIsGlobalIdent(List));
}

bool ZYLIsReferenceStored(const TZYLCustomImageList* List) {
  return List && !ZYLIsGlobalIdent(List);
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
