#include <cstring>

#include "protocol_fixture.h"

namespace {

using fake::Bytes;
using fake::Count;

class Reception : public ProtocolTest {
 protected:
  // The peer as a sender: offers ENQ now and sends `bytes` once granted the line.
  void OfferAfterEot(Bytes bytes, uint32_t spacing = 0) {
    line.on_write = [this, bytes, spacing](uint8_t byte) {
      if (byte == EOT) line.Arrive(bytes, 1, spacing);
    };
    line.Arrive({ENQ});
  }
  // The received block's 260 bytes, or empty for null.
  Bytes Receive() {
    ComBlock block = ReceptionTrame(kPort);
    if (block == nullptr) return {};
    EXPECT_EQ(ComBlockSize(block), 260u);
    auto *bytes = static_cast<uint8_t *>(ComBlockLock(block));
    Bytes content(bytes, bytes + 260);
    ComBlockUnlock(block);
    ComBlockFree(block);
    return content;
  }
  static Bytes Padded(Bytes block) {
    block.resize(260, 0);
    return block;
  }
};

const char kCharTimeoutLine[] = "Time Out Intercaract\xE8re";

TEST_F(Reception, NothingWaitingReturnsNullAtOnce) {
  uint32_t start = clock.now;
  EXPECT_TRUE(Receive().empty());
  EXPECT_EQ(clock.now, start);
  EXPECT_EQ(line.waits, 0);
  EXPECT_TRUE(line.written.empty());
}

TEST_F(Reception, StrayByteIsDroppedOnePerCall) {
  line.Arrive({0x41, 0x42});
  EXPECT_TRUE(Receive().empty());
  EXPECT_TRUE(line.written.empty());
  EXPECT_TRUE(Receive().empty());
  EXPECT_TRUE(Receive().empty());
  EXPECT_TRUE(line.written.empty());
  EXPECT_TRUE(Debug().empty());
}

TEST_F(Reception, GoodBlockIsAcknowledgedAndHandedOverZeroFilled) {
  Bytes block = WithChecksum(HeaderBlock());
  OfferAfterEot(block);
  EXPECT_EQ(Receive(), Padded(block));
  EXPECT_EQ(line.written, (Bytes{EOT, ACK}));
  std::vector<std::string> expected{"R ENQ ", "S EOT ", "R LG : 10"};
  for (size_t i = 1; i < block.size(); ++i) expected.push_back("R " + std::to_string(block[i]));
  expected.push_back("S ACK");
  EXPECT_EQ(Debug(), expected);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(Reception, LargestBlockFillsTheCounters) {
  Bytes block(253, 0xFE);
  block[0] = 252;
  block = WithChecksum(block);
  OfferAfterEot(block);
  EXPECT_EQ(Receive(), Padded(block));
  EXPECT_EQ(line.written, (Bytes{EOT, ACK}));
}

TEST_F(Reception, BadChecksumIsRefused) {
  Bytes block = WithChecksum(HeaderBlock());
  block.back() ^= 1;
  OfferAfterEot(block);
  EXPECT_TRUE(Receive().empty());
  EXPECT_EQ(line.written, (Bytes{EOT, NAK}));
  EXPECT_EQ(Errors(), std::vector<std::string>{"Erreur de reception : S NAK"});
  EXPECT_EQ(Debug().back(), "Erreur de reception : S NAK");
}

TEST_F(Reception, ShortLengthIsDrainedUntilTheLineFallsSilent) {
  Reopen("SHORTEST_FRAME 10\n");
  OfferAfterEot({9, 1, 2, 3, 4}, kCharTimeout - 5);
  uint32_t start = clock.now;
  EXPECT_TRUE(Receive().empty());
  EXPECT_EQ(line.written, (Bytes{EOT, NAK}));
  // The last drained byte came 1 + 4 * 35 ms after EOT; silence for T_char ends it.
  EXPECT_EQ(clock.now - start, 1 + 4 * (kCharTimeout - 5) + kCharTimeout);
  std::vector<std::string> expected{"R ENQ ", "S EOT ", "R LG : 9", "C 1 ", "C 2 ", "C 3 ",
                                    "C 4 ", "Erreur de reception : S NAK", kCharTimeoutLine};
  EXPECT_EQ(Debug(), expected);
  EXPECT_EQ(Errors(), (std::vector<std::string>{"Erreur de reception : S NAK", kCharTimeoutLine}));
}

TEST_F(Reception, LengthsBeyondTheCountersAreDrainedAndRefused) {
  for (uint8_t length : {253, 254, 255}) {
    Bytes block(length + 3u, 0x33);
    block[0] = length;
    OfferAfterEot(block);
    EXPECT_TRUE(Receive().empty()) << int(length);
  }
  EXPECT_EQ(line.written, (Bytes{EOT, NAK, EOT, NAK, EOT, NAK}));
  auto debug = Debug();
  EXPECT_EQ(Count(debug, "R LG : 253"), 1);
  EXPECT_EQ(Count(debug, "R LG : 254"), 1);
  EXPECT_EQ(Count(debug, "C 51 "), 253 + 2 + 254 + 2 + 255 + 2);
  EXPECT_EQ(Count(Errors(), kCharTimeoutLine), 3);
}

TEST_F(Reception, PeerStallingMidBlockIsRefused) {
  Bytes block = WithChecksum(HeaderBlock());
  block.resize(5);
  OfferAfterEot(block);
  EXPECT_TRUE(Receive().empty());
  EXPECT_EQ(line.written, (Bytes{EOT, NAK}));
  EXPECT_EQ(Errors(), (std::vector<std::string>{"Erreur de reception : S NAK", kCharTimeoutLine}));
}

TEST_F(Reception, MissingLengthByteEndsWithProtocolTimeOut) {
  line.Arrive({ENQ});
  uint32_t start = clock.now;
  EXPECT_TRUE(Receive().empty());
  EXPECT_EQ(clock.now - start, kProtoTimeout);
  EXPECT_EQ(line.written, (Bytes{EOT, NAK}));
  EXPECT_EQ(Errors(), (std::vector<std::string>{"Erreur de reception : S NAK", "Time Out Protocole"}));
}

TEST_F(Reception, BytesWaitingBeforeTheEnqAnswerArePurged) {
  Bytes block = WithChecksum(HeaderBlock());
  line.Arrive({ENQ, 0x77, 0x78});
  line.on_write = [&](uint8_t byte) {
    if (byte == EOT) line.Arrive(block, 1);
  };
  EXPECT_EQ(Receive(), Padded(block));
}

TEST_F(Reception, HostWithEscKeepsTheBlockOnlyWhenEscFollows) {
  Reopen("PROTOCOL AVEC_ESC\n");
  Bytes block = WithChecksum(HeaderBlock());
  line.on_write = [&](uint8_t byte) {
    if (byte == EOT) line.Arrive(block, 1);
    if (byte == ACK) line.Arrive({0x00, ESC}, kProtoTimeout / 2);
  };
  line.Arrive({ENQ});
  EXPECT_EQ(Receive(), Padded(block));
  EXPECT_EQ(Debug().back(), "R ESC");

  line.on_write = [&](uint8_t byte) {
    if (byte == EOT) line.Arrive(block, 1);
  };
  line.Arrive({ENQ});
  uint32_t start = clock.now;
  EXPECT_TRUE(Receive().empty());
  EXPECT_GE(clock.now - start, kProtoTimeout);
  EXPECT_EQ(line.written, (Bytes{EOT, ACK, EOT, ACK}));
  auto debug = Debug();
  EXPECT_EQ(debug.back(), "? ESC");
  EXPECT_EQ(Errors(), std::vector<std::string>{"Non reception du ESC : Arret de la com"});
}

TEST_F(Reception, EquipmentWithEscDoesNotWaitForEsc) {
  Reopen("PROTOCOL AVEC_ESC\nSOURCE_TYPE EQUIPMENT\n");
  Bytes block = WithChecksum(HeaderBlock());
  OfferAfterEot(block);
  EXPECT_EQ(Receive(), Padded(block));
  EXPECT_EQ(Debug().back(), "S ACK");
}

TEST_F(Reception, EmptyBlockIsAcknowledgedButNotHandedOver) {
  Reopen("SHORTEST_FRAME 0\n");
  OfferAfterEot({0, 0, 0});
  EXPECT_TRUE(Receive().empty());
  EXPECT_EQ(line.written, (Bytes{EOT, ACK}));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(Reception, PortOutsideTheTableIsRefused) {
  line.Arrive({ENQ});
  EXPECT_EQ(ReceptionTrame(10), nullptr);
  EXPECT_EQ(ReceptionTrame(-1), nullptr);
  EXPECT_TRUE(line.written.empty());
}

}  // namespace
