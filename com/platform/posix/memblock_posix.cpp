// Global memory blocks outside Windows: a heap block with its size in front,
// handed out as an opaque handle so callers keep the lock/unlock discipline.
#include <cstddef>
#include <cstdlib>

#include "com/memblock.h"

namespace {

struct alignas(std::max_align_t) BlockHeader {
  uint32_t size;
  uint32_t locks;
};

BlockHeader *Header(ComBlock block) { return static_cast<BlockHeader *>(block); }
unsigned char *Data(ComBlock block) { return reinterpret_cast<unsigned char *>(Header(block) + 1); }

}  // namespace

ComBlock ComBlockAlloc(uint32_t size) {
  void *raw = std::calloc(1, sizeof(BlockHeader) + (size ? size : 1));
  if (!raw) return nullptr;
  Header(raw)->size = size;
  return raw;
}

void *ComBlockLock(ComBlock block) {
  if (!block) return nullptr;
  Header(block)->locks++;
  return Data(block);
}

void ComBlockUnlock(ComBlock block) {
  if (block && Header(block)->locks > 0) Header(block)->locks--;
}

void ComBlockFree(ComBlock block) { std::free(block); }

uint32_t ComBlockSize(ComBlock block) { return block ? Header(block)->size : 0; }
