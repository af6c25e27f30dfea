// Global blocks as a table of byte vectors; the clipboard as a map of format to block.
#include "platform/user/Clipboard.h"

#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

namespace win {

namespace {

struct Blocks {
  std::mutex Lock;
  std::map<uintptr_t, std::unique_ptr<std::vector<uint8_t>>> Live;
  uintptr_t Next = 0x5000;
};

Blocks& B() {
  static Blocks b;
  return b;
}

std::vector<uint8_t>* Block(HGLOBAL mem) {
  auto& b = B();
  auto it = b.Live.find(reinterpret_cast<uintptr_t>(mem));
  return it == b.Live.end() ? nullptr : it->second.get();
}

struct Board {
  std::mutex Lock;
  bool Open = false;
  HWND Opener = nullptr;
  std::map<UINT, HGLOBAL> Data;
};

Board& C() {
  static Board c;
  return c;
}

void FreeAll(Board& c) {
  for (auto& [format, mem] : c.Data) GlobalFree(mem);
  c.Data.clear();
}

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, size_t bytes) {
  auto& b = B();
  std::lock_guard lock(b.Lock);
  std::unique_ptr<std::vector<uint8_t>> v;
  try {
    v = std::make_unique<std::vector<uint8_t>>(bytes ? bytes : 1, 0);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  (void)flags;  // blocks always start zeroed
  const uintptr_t h = b.Next;
  b.Next += 8;
  b.Live[h] = std::move(v);
  return reinterpret_cast<HGLOBAL>(h);
}

LPVOID GlobalLock(HGLOBAL mem) {
  std::lock_guard lock(B().Lock);
  auto* v = Block(mem);
  return v ? v->data() : nullptr;
}

BOOL GlobalUnlock(HGLOBAL mem) {
  std::lock_guard lock(B().Lock);
  return Block(mem) ? TRUE : FALSE;
}

size_t GlobalSize(HGLOBAL mem) {
  std::lock_guard lock(B().Lock);
  auto* v = Block(mem);
  return v ? v->size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL mem) {
  auto& b = B();
  std::lock_guard lock(b.Lock);
  return b.Live.erase(reinterpret_cast<uintptr_t>(mem)) ? nullptr : mem;
}

BOOL OpenClipboard(HWND newOwner) {
  Board& c = C();
  std::lock_guard lock(c.Lock);
  if (c.Open) return FALSE;
  c.Open = true;
  c.Opener = newOwner;
  return TRUE;
}

BOOL CloseClipboard() {
  Board& c = C();
  std::lock_guard lock(c.Lock);
  if (!c.Open) return FALSE;
  c.Open = false;
  c.Opener = nullptr;
  return TRUE;
}

BOOL EmptyClipboard() {
  Board& c = C();
  std::lock_guard lock(c.Lock);
  if (!c.Open) return FALSE;
  FreeAll(c);
  return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
  Board& c = C();
  std::lock_guard lock(c.Lock);
  if (!c.Open || format == 0 || GlobalSize(data) == 0) return nullptr;
  auto it = c.Data.find(format);
  if (it != c.Data.end() && it->second != data) GlobalFree(it->second);
  c.Data[format] = data;
  return data;
}

HANDLE GetClipboardData(UINT format) {
  Board& c = C();
  std::lock_guard lock(c.Lock);
  if (!c.Open) return nullptr;
  auto it = c.Data.find(format);
  return it == c.Data.end() ? nullptr : it->second;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  Board& c = C();
  std::lock_guard lock(c.Lock);
  return c.Data.count(format) ? TRUE : FALSE;
}

}  // namespace win
