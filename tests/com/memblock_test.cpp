#include "com/memblock.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(MemBlock, AllocatesZeroFilledAndKeepsContentAcrossLocks) {
  ComBlock block = ComBlockAlloc(260);
  ASSERT_NE(block, nullptr);
  EXPECT_GE(ComBlockSize(block), 260u);
  auto *bytes = static_cast<unsigned char *>(ComBlockLock(block));
  ASSERT_NE(bytes, nullptr);
  for (int i = 0; i < 260; ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
  std::memset(bytes, 0xA5, 260);
  ComBlockUnlock(block);
  bytes = static_cast<unsigned char *>(ComBlockLock(block));
  EXPECT_EQ(bytes[0], 0xA5);
  EXPECT_EQ(bytes[259], 0xA5);
  ComBlockUnlock(block);
  ComBlockFree(block);
}

TEST(MemBlock, NullHandleIsHarmless) {
  EXPECT_EQ(ComBlockLock(nullptr), nullptr);
  EXPECT_EQ(ComBlockSize(nullptr), 0u);
  ComBlockUnlock(nullptr);
  ComBlockFree(nullptr);
}
