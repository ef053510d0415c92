#include "protocol_fixture.h"

namespace {

using fake::Bytes;
using fake::Count;

// The peer as a receiver: answers each ENQ with `grant` and each complete block with `verdict`.
class Receiver {
 public:
  Receiver(fake::ScriptedLine &line, Bytes grant, uint8_t verdict)
      : line_(line), grant_(std::move(grant)), verdict_(verdict) {
    line_.on_write = [this](uint8_t byte) { OnByte(byte); };
  }
  int blocks = 0;

 private:
  void OnByte(uint8_t byte) {
    if (expected_ == 0) {
      if (byte == ENQ) {
        line_.Arrive(grant_);
        expected_ = -1;
      }
      return;
    }
    if (expected_ < 0) {
      expected_ = byte + 2;
      return;
    }
    if (--expected_ == 0) {
      ++blocks;
      line_.Arrive({verdict_});
    }
  }
  fake::ScriptedLine &line_;
  Bytes grant_;
  uint8_t verdict_;
  int expected_ = 0;
};

SecsMessage RecordFor(uint8_t *buffer) {
  SecsMessage record{};
  record.buffer = buffer;
  return record;
}

class Emission : public ProtocolTest {
 protected:
  int32_t Send(const Bytes &block) {
    std::copy(block.begin(), block.end(), buffer_);
    SecsMessage record = RecordFor(buffer_);
    return EmissionTrame(kPort, &record);
  }
  uint8_t buffer_[260] = {};
};

TEST_F(Emission, HeaderOnlyBlockTravelsAsThirteenBytesAndIsAcknowledged) {
  Receiver peer(line, {EOT}, ACK);
  EXPECT_EQ(Send(HeaderBlock()), 1);
  Bytes expected{ENQ};
  Bytes block = WithChecksum(HeaderBlock());
  ASSERT_EQ(block.size(), 13u);
  expected.insert(expected.end(), block.begin(), block.end());
  EXPECT_EQ(line.written, expected);
  EXPECT_EQ(buffer_[11], block[11]);  // the checksum is written behind the block
  EXPECT_EQ(buffer_[12], block[12]);
  EXPECT_EQ(line.opens, 0);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(Emission, AckTimerStartsOnceTheBlockHasLeftThePort) {
  // The block needs 150 ms on the wire, more than T_proto; the ACK comes 20 ms after its last byte.
  line.drain_ms = 150;
  size_t written = 0;
  const size_t block_bytes = WithChecksum(HeaderBlock()).size();
  line.on_write = [&](uint8_t byte) {
    if (written++ == 0 && byte == ENQ) line.Arrive({EOT});
    if (written == 1 + block_bytes) line.Arrive({ACK}, line.drain_ms + 20);
  };
  EXPECT_EQ(Send(HeaderBlock()), 1);
  EXPECT_EQ(line.drains, 1);
  EXPECT_EQ(line.opens, 0);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(Emission, DebugLogOfOneExchange) {
  Receiver peer(line, {EOT}, ACK);
  ASSERT_EQ(Send(HeaderBlock()), 1);
  std::vector<std::string> expected{"Debut Emission", "S ENQ ", "R EOT "};
  for (uint8_t byte : WithChecksum(HeaderBlock())) expected.push_back("S " + std::to_string(byte));
  expected.push_back("R ACK");
  expected.push_back("Fin Emission");
  EXPECT_EQ(Debug(), expected);
}

TEST_F(Emission, ReceiverRefusingEveryBlockExhaustsTenAttempts) {
  Receiver peer(line, {EOT}, NAK);
  EXPECT_EQ(Send(HeaderBlock()), 0);
  EXPECT_EQ(peer.blocks, 10);
  Bytes attempt{ENQ};
  Bytes block = WithChecksum(HeaderBlock());
  attempt.insert(attempt.end(), block.begin(), block.end());
  Bytes expected;
  for (int i = 0; i < 10; ++i) expected.insert(expected.end(), attempt.begin(), attempt.end());
  EXPECT_EQ(line.written, expected);
  EXPECT_EQ(line.opens, 10);  // 9 resets between attempts, one at the end
  auto errors = Errors();
  EXPECT_EQ(Count(errors, "RESET de la com"), 10);
  EXPECT_EQ(Count(errors, "Reception d'un NAK"), 10);
  EXPECT_EQ(Count(errors, "retry ENQ"), 9);
  EXPECT_EQ(Count(errors, "End Retry"), 1);
  EXPECT_EQ(errors.back(), "RESET de la com");
  auto debug = Debug();
  EXPECT_EQ(Count(debug, "R NAK"), 10);
  EXPECT_EQ(Count(debug, "S ENQ "), 1);  // retries send ENQ without that line
  EXPECT_EQ(debug.back(), "Fin Emission");
}

TEST_F(Emission, SilentPeerTimesOutEachAttempt) {
  uint32_t start = clock.now;
  EXPECT_EQ(Send(HeaderBlock()), 0);
  EXPECT_EQ(line.written, Bytes(10, ENQ));
  EXPECT_EQ(Count(Debug(), "Time Out de protocole"), 10);
  EXPECT_EQ(Count(Errors(), "Time Out de protocole"), 10);
  EXPECT_EQ(clock.now - start, 10 * kProtoTimeout);
  EXPECT_LT(line.waits, 100);  // waits for input instead of spinning
}

TEST_F(Emission, EnqWhileWaitingForEotIsLoggedAndIgnored) {
  Receiver peer(line, {ENQ, EOT}, ACK);
  EXPECT_EQ(Send(HeaderBlock()), 1);
  EXPECT_EQ(line.written.size(), 14u);
  EXPECT_EQ(Errors(), std::vector<std::string>{"Reception d'un ENQ pendant une emission"});
  auto debug = Debug();
  EXPECT_EQ(debug[2], "RI ENQ ");
  EXPECT_EQ(debug[3], "R EOT ");
}

TEST_F(Emission, SecondEotIsAnsweredWithNakThenRetried) {
  int grants = 0;
  line.on_write = [&](uint8_t byte) {
    if (byte == ENQ) line.Arrive(++grants == 1 ? Bytes{EOT, EOT} : Bytes{EOT});
    if (grants == 2 && line.written.size() == 2 + 1 + 13) line.Arrive({ACK});
  };
  EXPECT_EQ(Send(HeaderBlock()), 1);
  ASSERT_GE(line.written.size(), 3u);
  EXPECT_EQ(line.written[0], ENQ);
  EXPECT_EQ(line.written[1], NAK);
  EXPECT_EQ(line.written[2], ENQ);
  EXPECT_EQ(line.written.size(), 16u);
  EXPECT_EQ(line.opens, 1);
  auto errors = Errors();
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_EQ(errors[0], "Attente du EOT : S NAK");
  EXPECT_EQ(errors[1], "retry ENQ");
  EXPECT_EQ(errors[2], "RESET de la com");
  auto debug = Debug();
  EXPECT_EQ(debug[2], "R EOT ");
  EXPECT_EQ(debug[3], "S NAK");
  EXPECT_EQ(debug[4], "retry ENQ");
}

TEST_F(Emission, UnknownByteIsAnsweredWithNakThenRetried) {
  int grants = 0;
  line.on_write = [&](uint8_t byte) {
    if (byte == ENQ) line.Arrive(++grants == 1 ? Bytes{0x41} : Bytes{EOT});
    if (grants == 2 && line.written.size() == 2 + 1 + 13) line.Arrive({ACK});
  };
  EXPECT_EQ(Send(HeaderBlock()), 1);
  ASSERT_GE(line.written.size(), 3u);
  EXPECT_EQ(line.written[1], NAK);
  EXPECT_EQ(line.written[2], ENQ);
  auto errors = Errors();
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(errors[0], "Reception inconnu : S NAK");
  EXPECT_EQ(Debug()[2], "S NAK");
}

TEST_F(Emission, AckBeforeEotEndsTheEmission) {
  Receiver peer(line, {ACK}, ACK);
  EXPECT_EQ(Send(HeaderBlock()), 1);
  EXPECT_EQ(line.written, Bytes{ENQ});
  EXPECT_EQ(Debug(), (std::vector<std::string>{"Debut Emission", "S ENQ ", "R ACK", "Fin Emission"}));
}

TEST_F(Emission, EquipmentWithEscSendsEscAfterTheAck) {
  Reopen("PROTOCOL AVEC_ESC\nSOURCE_TYPE EQUIPMENT\n");
  Receiver peer(line, {EOT}, ACK);
  EXPECT_EQ(Send(HeaderBlock()), 1);
  ASSERT_EQ(line.written.size(), 15u);
  EXPECT_EQ(line.written.back(), ESC);
  auto debug = Debug();
  ASSERT_GE(debug.size(), 4u);
  EXPECT_EQ(debug[debug.size() - 4], "R ACK");
  EXPECT_EQ(debug[debug.size() - 3], "S ESC ");
  EXPECT_EQ(debug[debug.size() - 2], "S 27");
}

TEST_F(Emission, HostWithEscSendsNothingAfterTheAck) {
  Reopen("PROTOCOL AVEC_ESC\n");
  Receiver peer(line, {EOT}, ACK);
  EXPECT_EQ(Send(HeaderBlock()), 1);
  EXPECT_EQ(line.written.size(), 14u);
}

TEST_F(Emission, BlocksTheCountersCannotCoverAreRefusedUnsent) {
  for (uint8_t length : {253, 254, 255}) {
    Bytes block(length + 1, 0x11);
    block[0] = length;
    EXPECT_EQ(Send(block), 0) << int(length);
  }
  EXPECT_TRUE(line.written.empty());
  EXPECT_EQ(line.opens, 0);
  EXPECT_EQ(Count(Errors(), "Longueur de bloc invalide"), 3);

  Receiver peer(line, {EOT}, ACK);
  Bytes largest(253, 0xFF);
  largest[0] = 252;
  EXPECT_EQ(Send(largest), 1);
  EXPECT_EQ(line.written.size(), 1u + 255u);
  EXPECT_EQ(buffer_[253], (252 * 255) >> 8);
  EXPECT_EQ(buffer_[254], (252 * 255) & 0xFF);
}

TEST_F(Emission, VstSendsOnTheCurrentPortAndUnlocksBothBlocks) {
  Receiver peer(line, {EOT}, ACK);
  ComBlock block = ComBlockAlloc(260), second = ComBlockAlloc(16);
  Bytes header = HeaderBlock();
  std::copy(header.begin(), header.end(), static_cast<uint8_t *>(ComBlockLock(block)));
  ComBlockUnlock(block);
  EXPECT_EQ(EmissionTrameVST(block, second), 1);
  EXPECT_EQ(line.written.size(), 14u);
  EXPECT_EQ(Debug().front(), "Debut Emission VST");
  ComBlockFree(block);
  ComBlockFree(second);
  EXPECT_EQ(EmissionTrameVST(nullptr, nullptr), 0);
}

TEST_F(Emission, BadArgumentsSendNothing) {
  SecsMessage record{};
  EXPECT_EQ(EmissionTrame(kPort, nullptr), 0);
  EXPECT_EQ(EmissionTrame(kPort, &record), 0);
  record.buffer = buffer_;
  EXPECT_EQ(EmissionTrame(10, &record), 0);
  EXPECT_EQ(EmissionTrame(-1, &record), 0);
  EXPECT_TRUE(line.written.empty());
}

}  // namespace
