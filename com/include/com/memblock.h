/* Global memory blocks: the form in which received blocks leave the library and
 * in which callers build their requests. On Windows these are the system's
 * global memory calls; elsewhere a small equivalent with the same life cycle
 * (allocate zero-filled, lock, unlock, free), so callers are written once. */
#ifndef COM_MEMBLOCK_H
#define COM_MEMBLOCK_H

#include <stdint.h>

#include "com/com.h"

#ifdef __cplusplus
extern "C" {
#endif

ComBlock ComBlockAlloc(uint32_t size); /* zero-filled; null when out of memory */
void *ComBlockLock(ComBlock block);    /* null for a null handle */
void ComBlockUnlock(ComBlock block);
void ComBlockFree(ComBlock block);     /* a null handle is ignored */
uint32_t ComBlockSize(ComBlock block); /* 0 for a null handle */

#ifdef __cplusplus
}
#endif

#endif
