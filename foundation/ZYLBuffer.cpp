#include "foundation/ZYLBuffer.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "foundation/ZYLConst.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"

namespace zyl {

const char* const ZYLBufferStreamSignature = "@ZYLBufferStream-V0.1@";

ZYL_CLASS_IMPL(TZYLCustomBuffer) {}
ZYL_CLASS_IMPL(TZYLDynLIFOBuffer) {}

namespace {

void WriteInt32(vcl::TStream* s, int32_t v) {
  uint8_t b[4];
  for (int k = 0; k < 4; ++k) b[k] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k));
  s->WriteBuffer(b, 4);
}

int32_t ReadInt32(vcl::TStream* s) {
  uint8_t b[4];
  if (s->Read(b, 4) != 4) throw EZYLBufferError(SZYLBufferEndsEarly);
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                              (static_cast<uint32_t>(b[2]) << 16) |
                              (static_cast<uint32_t>(b[3]) << 24));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TZYLCustomBuffer

void* TZYLCustomBuffer::AllocEntry(size_t Size) {
  void* p = std::malloc(Size == 0 ? 1 : Size);
  if (!p) throw vcl::EOutOfMemory(vcl::SOutOfMemory);
  return p;
}

void TZYLCustomBuffer::DisposeEntry(void* Entry) { std::free(Entry); }

void TZYLCustomBuffer::DropEntry(void* Entry) {
  if (FOnEntryDestroy) {
    FOnEntryDestroy(this, Entry);
  } else if (FOwnsItems) {
    DisposeEntry(Entry);
  }
}

void TZYLCustomBuffer::SetMaxCount(int32_t Value) { FMaxCount = Value < 0 ? -1 : Value; }

void TZYLCustomBuffer::WriteItem(vcl::TStream* Stream, void* Item) {
  Stream->WriteBuffer(Item, FItemSize);
}

void* TZYLCustomBuffer::ReadItem(vcl::TStream* Stream) {
  void* item = AllocEntry(static_cast<size_t>(FItemSize));
  if (Stream->Read(item, FItemSize) != FItemSize) {
    DisposeEntry(item);
    throw EZYLBufferError(SZYLBufferEndsEarly);
  }
  return item;
}

void TZYLCustomBuffer::SaveToStream(vcl::TStream* Stream) {
  if (FCount > 0 && FItemSize <= 0) {
    throw EZYLBufferError(SZYLBufferNotStreamable);
  }
  WriteInt32(Stream, ZYLBufferStreamSignatureSize);
  Stream->WriteBuffer(ZYLBufferStreamSignature, ZYLBufferStreamSignatureSize);
  WriteInt32(Stream, FCount);
  WriteInt32(Stream, FItemSize);
  std::vector<void*> entries(static_cast<size_t>(FCount));
  GetEntriesOldestFirst(entries.data());
  for (void* e : entries) WriteItem(Stream, e);
}

void TZYLCustomBuffer::LoadFromStream(vcl::TStream* Stream) {
  if (ReadInt32(Stream) != ZYLBufferStreamSignatureSize) {
    throw EZYLBufferError(SZYLNotABufferStream);
  }
  char sig[ZYLBufferStreamSignatureSize];
  if (Stream->Read(sig, ZYLBufferStreamSignatureSize) != ZYLBufferStreamSignatureSize ||
      std::memcmp(sig, ZYLBufferStreamSignature, ZYLBufferStreamSignatureSize) != 0) {
    throw EZYLBufferError(SZYLNotABufferStream);
  }
  const int32_t count = ReadInt32(Stream);
  const int32_t itemSize = ReadInt32(Stream);
  if (count < 0) throw EZYLBufferError(SZYLBufferNegativeCount);
  if (count > 0 && (itemSize <= 0 || itemSize != FItemSize)) {
    throw EZYLBufferError(SZYLBufferEntriesDontFit);
  }
  // The count must be backed by bytes present in the stream before anything is allocated.
  if (static_cast<int64_t>(count) * itemSize > Stream->Remaining()) {
    throw EZYLBufferError(SZYLBufferEndsEarly);
  }
  // Entries read so far; dropped again when the stream fails.
  struct TLoaded {
    TZYLCustomBuffer* Buffer;
    std::deque<void*> Entries;
    ~TLoaded() {
      for (void* e : Entries) Buffer->DropEntry(e);
    }
  } loaded{this, {}};
  for (int32_t i = 0; i < count; ++i) loaded.Entries.push_back(ReadItem(Stream));
  const bool updating = FUpdate;
  FUpdate = true;  // one change for the whole load
  Clear();
  const int32_t keep = FMaxCount;
  FMaxCount = -1;
  while (!loaded.Entries.empty()) {
    Put(loaded.Entries.front());
    loaded.Entries.pop_front();
  }
  FMaxCount = keep;
  if (FMaxCount >= 0) SetMaxCount(FMaxCount);
  FUpdate = updating;
  Change();
}

// ---------------------------------------------------------------------------------------------
// TZYLDynLIFOBuffer

TZYLDynLIFOBuffer::~TZYLDynLIFOBuffer() {
  FOnChange.Clear();
  Clear();
}

TZYLBufferNode* TZYLDynLIFOBuffer::FirstNode() { return FNodes.empty() ? nullptr : &FNodes.back(); }

TZYLBufferNode* TZYLDynLIFOBuffer::NextNode(TZYLBufferNode* Node) {
  if (!Node || Node->Seq <= FFirstSeq) return nullptr;
  const uint64_t i = Node->Seq - FFirstSeq;
  return i <= FNodes.size() ? &FNodes[size_t(i - 1)] : nullptr;
}

void* TZYLDynLIFOBuffer::GetItem(TZYLBufferNode* Node) { return Node ? Node->Item : nullptr; }

void TZYLDynLIFOBuffer::DropOldest() {
  if (FNodes.empty()) return;
  void* item = FNodes.front().Item;
  FNodes.pop_front();
  ++FFirstSeq;
  --FCount;
  DropEntry(item);
}

void TZYLDynLIFOBuffer::Put(void* Item) {
  if (FMaxCount == 0) {
    DropEntry(Item);
    return;
  }
  while (isFull() && FCount > 0) DropOldest();
  FNodes.push_back({Item, FFirstSeq + FNodes.size()});
  ++FCount;
  Change();
}

void* TZYLDynLIFOBuffer::Get() {
  if (FNodes.empty()) return nullptr;
  void* item = FNodes.back().Item;
  FNodes.pop_back();
  --FCount;
  Change();
  return item;
}

void TZYLDynLIFOBuffer::Clear() {
  if (FCount == 0) return;
  // Newest first, as the entries would be popped.
  while (!FNodes.empty()) {
    void* item = FNodes.back().Item;
    FNodes.pop_back();
    --FCount;
    DropEntry(item);
  }
  FCount = 0;
  Change();
}

void TZYLDynLIFOBuffer::SetMaxCount(int32_t Value) {
  TZYLCustomBuffer::SetMaxCount(Value);
  if (FMaxCount < 0 || FCount <= FMaxCount) return;
  while (FCount > FMaxCount) DropOldest();
  Change();
}

void TZYLDynLIFOBuffer::GetEntriesOldestFirst(void** Entries) {
  int i = 0;
  for (const TZYLBufferNode& n : FNodes) Entries[i++] = n.Item;
}

}  // namespace zyl
