// Runs alone in its process: the system-byte counter starts at 0 when the library loads.
#include <gtest/gtest.h>

#include "com/com.h"

TEST(CodecAtLoad, FirstWaitedHeaderCarriesSystemBytesOne) {
  uint8_t buffer[32] = {};
  SecsMessage record{};
  record.stream = 2;
  record.function = 63;
  record.buffer = buffer;
  Genere_Header(&record, 0);
  EXPECT_EQ(buffer[9], 0);
  EXPECT_EQ(buffer[10], 0);
  record.wait = 1;
  Genere_Header(&record, 0);
  EXPECT_EQ(buffer[9], 0);
  EXPECT_EQ(buffer[10], 1);
}
