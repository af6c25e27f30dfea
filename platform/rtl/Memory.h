// Raw memory blocks of the framework (GetMem/FreeMem), for buffers handed to platform calls.
#pragma once

#include <cstddef>

namespace vcl {

// A block of `size` bytes; null for size 0. EOutOfMemory when the block cannot be had
// (including negative sizes).
void* GetMem(std::ptrdiff_t size);
// The same, zero-filled.
void* AllocMem(std::ptrdiff_t size);
// Frees a block of GetMem/AllocMem/ReallocMem; null is fine.
void FreeMem(void* p);
// Resizes `p` in place of the pointer: size 0 frees it and sets it to null.
void ReallocMem(void*& p, std::ptrdiff_t size);

}  // namespace vcl
