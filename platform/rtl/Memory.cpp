#include "platform/rtl/Memory.h"

#include <cstdlib>

#include "platform/base/Exceptions.h"
#include "platform/rtl/Consts.h"

namespace vcl {

void* GetMem(std::ptrdiff_t size) {
  if (size == 0) return nullptr;
  void* p = size > 0 ? std::malloc(static_cast<size_t>(size)) : nullptr;
  if (!p) throw EOutOfMemory(SOutOfMemory);
  return p;
}

void* AllocMem(std::ptrdiff_t size) {
  if (size == 0) return nullptr;
  void* p = size > 0 ? std::calloc(1, static_cast<size_t>(size)) : nullptr;
  if (!p) throw EOutOfMemory(SOutOfMemory);
  return p;
}

void FreeMem(void* p) { std::free(p); }

void ReallocMem(void*& p, std::ptrdiff_t size) {
  if (size == 0) {
    std::free(p);
    p = nullptr;
    return;
  }
  void* q = size > 0 ? std::realloc(p, static_cast<size_t>(size)) : nullptr;
  if (!q) throw EOutOfMemory(SOutOfMemory);
  p = q;
}

}  // namespace vcl
