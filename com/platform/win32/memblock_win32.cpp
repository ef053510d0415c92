// Global memory blocks on Windows: the system's own movable global memory.
#include <windows.h>

#include "com/memblock.h"

ComBlock ComBlockAlloc(uint32_t size) {
  return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
}

void *ComBlockLock(ComBlock block) {
  return block ? GlobalLock(block) : nullptr;
}

void ComBlockUnlock(ComBlock block) {
  if (block) GlobalUnlock(block);
}

void ComBlockFree(ComBlock block) {
  if (block) GlobalFree(block);
}

uint32_t ComBlockSize(ComBlock block) {
  return block ? static_cast<uint32_t>(GlobalSize(block)) : 0;
}
