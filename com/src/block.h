// Limits of one block on the wire: the length byte L, L body bytes, two checksum bytes.
#ifndef COM_SRC_BLOCK_H
#define COM_SRC_BLOCK_H

#include <cstdint>

namespace com {

// The sender's position and the receiver's count are 8-bit: L + 3 must stay below 256.
constexpr uint32_t kMaxBlockLength = 252;
constexpr uint32_t kHeaderLength = 10;
constexpr uint32_t kReceivedBlockSize = 260;

}  // namespace com

#endif
