// Buffers of heap entries: the buffer base TZYLCustomBuffer (entry count, maximum count,
// ownership, the entry-destroy callback, the buffer stream) and the last-in first-out
// TZYLDynLIFOBuffer.
//
// Entries are untyped pointers. A buffer disposes an entry it drops or clears through its
// entry-destroy callback when one is set; otherwise, when it owns its entries, it frees them
// with DisposeEntry, which releases memory taken with AllocEntry (malloc).
//
// Buffer stream: the Int32 23, the text "@ZYLBufferStream-V0.1@" with its terminating zero,
// then the items: the Int32 entry count, the Int32 size of one entry, and the entries from the
// oldest to the newest, each as WriteItem writes it (the base: the entry's bytes).
//
// Memory: besides each entry's own allocation, a buffer keeps 16 bytes per entry in blocks
// (no allocation per entry); loading a stream of n entries allocates the n entries, their
// bookkeeping and nothing else per entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "foundation/ZYLObject.h"
#include "platform/base/Exceptions.h"

namespace vcl {
class TStream;
}

namespace zyl {

using vcl::EReadError;
// A buffer stream that is damaged or not a buffer stream, or entries that cannot be streamed.
using EZYLBufferError = vcl::TNamedException<"EZYLBufferError", EReadError>;

class TZYLCustomBuffer;
// One entry of a buffer, handed out by FirstNode and NextNode; its fields are the buffer's
// bookkeeping.
struct TZYLBufferNode {
  void* Item;
  uint64_t Seq;  // position in the buffer's order of arrival
};
using TZYLBufferEntryDestroy = vcl::TEvent<void(TZYLCustomBuffer* Buffer, void* Entry)>;

extern const char* const ZYLBufferStreamSignature;  // "@ZYLBufferStream-V0.1@"
constexpr int32_t ZYLBufferStreamSignatureSize = 23;  // with its terminating zero

class TZYLCustomBuffer : public TZYLObject {
  ZYL_CLASS(TZYLCustomBuffer, TZYLObject)
  TZYLCustomBuffer() = default;

  // Iteration from the entry Get would return next to the one that would come last.
  virtual TZYLBufferNode* FirstNode() = 0;
  virtual TZYLBufferNode* NextNode(TZYLBufferNode* Node) = 0;
  virtual void* GetItem(TZYLBufferNode* Node) = 0;
  virtual bool EOFBuffer(TZYLBufferNode* Node) { return Node == nullptr; }
  virtual bool isEmpty() { return FCount == 0; }
  // True when a maximum is set and reached.
  virtual bool isFull() { return FMaxCount >= 0 && FCount >= FMaxCount; }
  virtual void Put(void* Item) = 0;
  virtual void* Get() = 0;
  virtual void Clear() = 0;
  // Replaces the entries with those of a buffer stream at the stream's position; on a damaged
  // stream raises EZYLBufferError and leaves the buffer unchanged.
  virtual void LoadFromStream(vcl::TStream* Stream);
  virtual void SaveToStream(vcl::TStream* Stream);

  int32_t Count() const { return FCount; }
  // -1 (the default): no maximum.
  int32_t MaxCount() const { return FMaxCount; }
  virtual void SetMaxCount(int32_t Value);
  void SetOwnsItems(bool Value) { FOwnsItems = Value; }
  void SetOnEntryDestroy(const TZYLBufferEntryDestroy& Value) { FOnEntryDestroy = Value; }
  // Bytes of one entry for the base WriteItem/ReadItem (0: entries cannot be streamed).
  int32_t ItemSize() const { return FItemSize; }
  void SetItemSize(int32_t Value) { FItemSize = Value < 0 ? 0 : Value; }

  // Memory for an owned entry, released by DisposeEntry.
  static void* AllocEntry(size_t Size);
  static void DisposeEntry(void* Entry);

 protected:
  // Hands an entry the buffer lets go of to the callback, or frees it when owned.
  void DropEntry(void* Entry);
  // Entries oldest first, as the stream holds them.
  virtual void GetEntriesOldestFirst(void** Entries) = 0;
  virtual void WriteItem(vcl::TStream* Stream, void* Item);
  virtual void* ReadItem(vcl::TStream* Stream);

  int32_t FCount = 0;
  int32_t FMaxCount = -1;
  bool FOwnsItems = true;
  int32_t FItemSize = 0;
  TZYLBufferEntryDestroy FOnEntryDestroy;
};

class TZYLDynLIFOBuffer : public TZYLCustomBuffer {
  ZYL_CLASS(TZYLDynLIFOBuffer, TZYLCustomBuffer)
  TZYLDynLIFOBuffer() = default;
  ~TZYLDynLIFOBuffer() override;

  // From the most recently pushed entry to the oldest.
  TZYLBufferNode* FirstNode() override;
  TZYLBufferNode* NextNode(TZYLBufferNode* Node) override;
  void* GetItem(TZYLBufferNode* Node) override;
  // Pushes an entry; with a maximum set and reached the oldest entry is dropped first (with a
  // maximum of 0 the new entry itself is dropped).
  void Put(void* Item) override;
  // Pops the most recently pushed entry; null when empty. The caller takes the entry over.
  void* Get() override;
  void Clear() override;
  void SetMaxCount(int32_t Value) override;

 protected:
  void GetEntriesOldestFirst(void** Entries) override;

 private:
  void DropOldest();
  // Oldest first; entries come and go only at the ends, so nodes never move.
  std::deque<TZYLBufferNode> FNodes;
  uint64_t FFirstSeq = 0;  // Seq of FNodes.front()
};

}  // namespace zyl
