#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "com/com.h"
#include "link.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Message {
  uint8_t buffer[260] = {};
  SecsMessage record{};
  Message(uint8_t stream, uint8_t function, uint8_t wait) {
    record.stream = stream;
    record.function = function;
    record.wait = wait;
    record.buffer = buffer;
  }
  Bytes Body() const { return Bytes(buffer + 11, buffer + 1 + buffer[0]); }
};

struct Item {
  int32_t type;
  uint8_t count;
};

Item NextItem(SecsMessage &record) {
  Item item{99, 99};
  Extract_Next_Item(&record, &item.type, &item.count);
  return item;
}

// Decodes a header whose system bytes are given, which also sets the process-wide counter.
void SetCounterThroughDecode(uint16_t system) {
  uint8_t block[260] = {10, 0, 0, 0x01, 0x01, 0x80, 1, 0, 0, uint8_t(system >> 8), uint8_t(system)};
  SecsMessage record{};
  record.buffer = block;
  UnBuild_Secs2(&record, SECS_HEADER, nullptr, 0);
}

class Codec : public ::testing::Test {
 protected:
  void SetUp() override { com::Settings().source_type = 0; }
  void TearDown() override { com::Settings().source_type = 0; }
};

TEST_F(Codec, SwitchRequestMatchesTheWireBytes) {
  SetCounterThroughDecode(0x0041);
  Message m(2, 63, 1);
  Genere_Header(&m.record, 0);
  uint8_t node = 1, operation = 0;
  uint32_t address = 0x1000;
  uint16_t data = 4;
  Build_Secs2(&m.record, SECS_LIST, nullptr, 1);
  Build_Secs2(&m.record, SECS_LIST, nullptr, 4);
  Build_Secs2(&m.record, SECS_U1, &node, 1);
  Build_Secs2(&m.record, SECS_U4, &address, 1);
  Build_Secs2(&m.record, SECS_U1, &operation, 1);
  Build_Secs2(&m.record, SECS_U2, &data, 1);

  Bytes header(m.buffer, m.buffer + 11);
  EXPECT_EQ(header, (Bytes{30, 0x00, 0x00, 0x82, 0x3F, 0x80, 0x01, 0, 0, 0x00, 0x42}));
  EXPECT_EQ(m.Body(), (Bytes{0x01, 0x01, 0x01, 0x04, 0xA5, 0x01, 0x01, 0xB1, 0x04, 0x00, 0x00,
                             0x10, 0x00, 0xA5, 0x01, 0x00, 0xA9, 0x02, 0x00, 0x04}));
}

TEST_F(Codec, ItemsAppendWithTheirFormatAndBigEndianData) {
  Message m(1, 1, 0);
  Genere_Header(&m.record, 0);
  uint16_t u2 = 0x1234;
  Build_Secs2(&m.record, SECS_U2, &u2, 1);
  EXPECT_EQ(m.buffer[0], 14);
  Build_Secs2(&m.record, SECS_LIST, nullptr, 3);
  int16_t i2[2] = {-2, 0x0102};
  Build_Secs2(&m.record, SECS_I2, i2, 2);
  float f4 = 1.0f;
  Build_Secs2(&m.record, SECS_F4, &f4, 1);
  double f8 = -2.0;
  Build_Secs2(&m.record, SECS_F8, &f8, 1);
  const char text[] = "Ab";
  Build_Secs2(&m.record, SECS_ASCII, text, 2);
  uint8_t bin = 0xFE;
  Build_Secs2(&m.record, SECS_BINARY, &bin, 1);
  int8_t i1 = -1;
  Build_Secs2(&m.record, SECS_I1, &i1, 1);
  uint8_t raw[2] = {0xDE, 0xAD};
  Build_Secs2(&m.record, SECS_RAW, raw, 2);
  EXPECT_EQ(m.Body(), (Bytes{0xA9, 0x02, 0x12, 0x34,                                //
                             0x01, 0x03,                                            //
                             0x69, 0x04, 0xFF, 0xFE, 0x01, 0x02,                    //
                             0x91, 0x04, 0x3F, 0x80, 0x00, 0x00,                    //
                             0x81, 0x08, 0xC0, 0, 0, 0, 0, 0, 0, 0,                 //
                             0x41, 0x02, 'A', 'b', 0x21, 0x01, 0xFE, 0x65, 0x01, 0xFF,  //
                             0xDE, 0xAD}));
}

TEST_F(Codec, NullSourceReservesSpaceAndUnknownCodesDoNothing) {
  Message m(1, 1, 0);
  Genere_Header(&m.record, 0);
  std::memset(m.buffer + 11, 0x77, 20);
  Build_Secs2(&m.record, SECS_U4, nullptr, 2);
  EXPECT_EQ(m.buffer[0], 20);
  EXPECT_EQ(m.Body(), (Bytes{0xB1, 0x08, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77}));
  Build_Secs2(&m.record, SECS_NOTHING, "x", 1);
  Build_Secs2(&m.record, SECS_HEADER, "x", 1);
  Build_Secs2(&m.record, 13, "x", 1);
  Build_Secs2(&m.record, -1, "x", 1);
  EXPECT_EQ(m.buffer[0], 20);
  EXPECT_EQ(m.buffer[21], 0x77);
}

TEST_F(Codec, HeaderCarriesSourceTypeWaitBitAndDevice) {
  Message m(127, 255, 0);
  Genere_Header(&m.record, 5);
  EXPECT_EQ(m.buffer[1], 0x00);
  EXPECT_EQ(m.buffer[2], 5);
  EXPECT_EQ(m.buffer[3], 0x7F);
  EXPECT_EQ(m.buffer[4], 0xFF);
  com::Settings().source_type = 1;
  Genere_Header(&m.record, 0);
  EXPECT_EQ(m.buffer[1], 0x80);
  EXPECT_EQ(m.buffer[2], 0x00);
  // Device IDs above 255 keep their upper bits in the header's 15-bit field.
  Genere_Header(&m.record, 0x1234);
  EXPECT_EQ(m.buffer[1], 0x92);
  EXPECT_EQ(m.buffer[2], 0x34);
  UnBuild_Secs2(&m.record, SECS_HEADER, nullptr, 0);
  EXPECT_EQ(m.record.device, 0x1234);
  EXPECT_EQ(m.record.reply, 1);
}

TEST_F(Codec, SystemBytesAdvanceOnlyForWaitedHeadersAndSkipZero) {
  SetCounterThroughDecode(0);
  Message waited(1, 1, 1), plain(1, 2, 0);
  Genere_Header(&waited.record, 0);
  EXPECT_EQ(waited.buffer[9], 0);
  EXPECT_EQ(waited.buffer[10], 1);
  Genere_Header(&plain.record, 0);
  EXPECT_EQ(plain.buffer[10], 1);
  Genere_Header(&waited.record, 0);
  EXPECT_EQ(waited.buffer[10], 2);

  SetCounterThroughDecode(65535);
  Genere_Header(&waited.record, 0);
  EXPECT_EQ(waited.buffer[9], 0);
  EXPECT_EQ(waited.buffer[10], 1);
}

TEST_F(Codec, ReplyCarriesTheSystemBytesOfTheDecodedPrimary) {
  uint8_t primary[260] = {10, 0x80, 0x00, 0x82, 0x3F, 0x80, 0x01, 0, 0, 0x12, 0x34};
  SecsMessage in{};
  in.buffer = primary;
  UnBuild_Secs2(&in, SECS_HEADER, nullptr, 0);
  EXPECT_EQ(in.stream, 2);
  EXPECT_EQ(in.function, 63);
  EXPECT_EQ(in.wait, 1);
  EXPECT_EQ(in.reply, 1);
  EXPECT_EQ(in.end, 1);
  EXPECT_EQ(in.block, 1);
  EXPECT_EQ(in.device, 0);
  EXPECT_EQ(in.system, 0x1234);
  Message reply(2, 64, 0);
  Genere_Header(&reply.record, 0);
  EXPECT_EQ(reply.buffer[9], 0x12);
  EXPECT_EQ(reply.buffer[10], 0x34);
}

TEST_F(Codec, ReadsTheSwitchReplyItemByItem) {
  uint8_t block[260] = {16, 0x80, 0, 0x02, 0x40, 0x80, 1, 0, 0, 0, 7, 0x01, 0x01, 0xA9, 0x02, 0x00, 0x01};
  SecsMessage r{};
  r.buffer = block;
  UnBuild_Secs2(&r, SECS_HEADER, nullptr, 0);
  Item item = NextItem(r);
  EXPECT_EQ(item.type, SECS_LIST);
  EXPECT_EQ(item.count, 1);
  UnBuild_Secs2(&r, SECS_LIST, nullptr, 0);
  item = NextItem(r);
  EXPECT_EQ(item.type, SECS_U2);
  EXPECT_EQ(item.count, 2);
  uint16_t value = 0;
  UnBuild_Secs2(&r, SECS_U2, &value, item.count / 2);
  EXPECT_EQ(value, 1);
  item = NextItem(r);
  EXPECT_EQ(item.type, SECS_NO_ITEM);
  EXPECT_EQ(item.count, 0);
}

TEST_F(Codec, RoundTripOfEveryItemKind) {
  Message m(6, 11, 0);
  Genere_Header(&m.record, 0);
  uint32_t u4[2] = {0x89ABCDEF, 7};
  double f8 = 3.25;
  int16_t i2 = -300;
  const char text[] = "xyz";
  uint8_t raw[3] = {9, 8, 7};
  Build_Secs2(&m.record, SECS_U4, u4, 2);
  Build_Secs2(&m.record, SECS_F8, &f8, 1);
  Build_Secs2(&m.record, SECS_I2, &i2, 1);
  Build_Secs2(&m.record, SECS_ASCII, text, 3);
  Build_Secs2(&m.record, SECS_RAW, raw, 3);

  SecsMessage r{};
  r.buffer = m.buffer;
  UnBuild_Secs2(&r, SECS_HEADER, nullptr, 0);
  uint32_t u4_back[2] = {};
  double f8_back = 0;
  int16_t i2_back = 0;
  char text_back[4] = {};
  uint8_t raw_back[3] = {};
  EXPECT_EQ(NextItem(r).type, SECS_U4);
  UnBuild_Secs2(&r, SECS_U4, u4_back, 2);
  EXPECT_EQ(NextItem(r).type, SECS_F8);
  UnBuild_Secs2(&r, SECS_F8, &f8_back, 1);
  EXPECT_EQ(NextItem(r).type, SECS_I2);
  UnBuild_Secs2(&r, SECS_I2, &i2_back, 1);
  Item ascii = NextItem(r);
  EXPECT_EQ(ascii.type, SECS_ASCII);
  EXPECT_EQ(ascii.count, 3);
  UnBuild_Secs2(&r, SECS_ASCII, text_back, ascii.count);
  UnBuild_Secs2(&r, SECS_RAW, raw_back, 3);
  EXPECT_EQ(u4_back[0], 0x89ABCDEFu);
  EXPECT_EQ(u4_back[1], 7u);
  EXPECT_EQ(f8_back, 3.25);
  EXPECT_EQ(i2_back, -300);
  EXPECT_STREQ(text_back, "xyz");
  EXPECT_EQ(raw_back[2], 7);
  EXPECT_EQ(NextItem(r).type, SECS_NO_ITEM);
}

TEST_F(Codec, NullDestinationSkipsTheItem) {
  uint8_t block[260] = {19, 0, 0, 1, 1, 0x80, 1, 0, 0, 0, 1, 0xB1, 0x04, 1, 2, 3, 4, 0xA5, 0x01, 0x2A};
  SecsMessage r{};
  r.buffer = block;
  UnBuild_Secs2(&r, SECS_HEADER, nullptr, 0);
  UnBuild_Secs2(&r, SECS_U4, nullptr, 1);
  Item item = NextItem(r);
  EXPECT_EQ(item.type, SECS_U1);
  uint8_t value = 0;
  UnBuild_Secs2(&r, SECS_U1, &value, 1);
  EXPECT_EQ(value, 0x2A);
}

TEST_F(Codec, FormatsWeDoNotReadAreReportedAsNoItem) {
  const uint8_t unread[] = {0x71, 0x25, 0x61, 0xA1, 0x91 & 0xFC, 0xA6, 0xA7};
  for (uint8_t format : unread) {
    uint8_t block[260] = {16, 0, 0, 1, 1, 0x80, 1, 0, 0, 0, 1, format, 0x04, 0, 0, 0, 1};
    SecsMessage r{};
    r.buffer = block;
    UnBuild_Secs2(&r, SECS_HEADER, nullptr, 0);
    Item item = NextItem(r);
    EXPECT_EQ(item.type, SECS_NO_ITEM) << "format " << int(format);
    EXPECT_EQ(item.count, 0) << "format " << int(format);
  }
}

TEST_F(Codec, ItemsRunningPastTheMessageAreNotReported) {
  // U4 whose count says 4 bytes but the message ends after 2 of them.
  uint8_t block[260] = {15, 0, 0, 1, 1, 0x80, 1, 0, 0, 0, 1, 0xB1, 0x04, 0xAA, 0xBB, 0xCC, 0xDD};
  SecsMessage r{};
  r.buffer = block;
  UnBuild_Secs2(&r, SECS_HEADER, nullptr, 0);
  Item item = NextItem(r);
  EXPECT_EQ(item.type, SECS_NO_ITEM);
  EXPECT_EQ(item.count, 0);
  // Only the format byte lies within L.
  block[0] = 11;
  item = NextItem(r);
  EXPECT_EQ(item.type, SECS_NO_ITEM);
  // A list's length byte counts elements, not bytes: it may exceed what follows.
  block[0] = 12;
  block[11] = 0x01;
  block[12] = 9;
  item = NextItem(r);
  EXPECT_EQ(item.type, SECS_LIST);
  EXPECT_EQ(item.count, 9);
}

TEST_F(Codec, DecodingNeverCopiesBytesFromBeyondTheMessage) {
  uint8_t block[260];
  std::memset(block, 0xEE, sizeof block);
  const uint8_t start[] = {15, 0, 0, 1, 1, 0x80, 1, 0, 0, 0, 1, 0xB1, 0x08, 0x11, 0x22, 0x33};
  std::memcpy(block, start, sizeof start);
  SecsMessage r{};
  r.buffer = block;
  UnBuild_Secs2(&r, SECS_HEADER, nullptr, 0);
  uint32_t values[2] = {0xFFFFFFFF, 0xFFFFFFFF};
  UnBuild_Secs2(&r, SECS_U4, values, 2);
  EXPECT_EQ(values[0], 0x11223300u);
  EXPECT_EQ(values[1], 0u);
  EXPECT_EQ(NextItem(r).type, SECS_NO_ITEM);

  // A reading point pushed far past the end stays harmless.
  uint8_t big[255];
  for (int i = 0; i < 100; ++i) UnBuild_Secs2(&r, SECS_F8, big, 31);
  UnBuild_Secs2(&r, SECS_RAW, big, 255);
  for (uint8_t b : big) ASSERT_EQ(b, 0);
  EXPECT_EQ(NextItem(r).type, SECS_NO_ITEM);

  // A header whose L stops short of it decodes the missing bytes as zero.
  block[0] = 4;
  UnBuild_Secs2(&r, SECS_HEADER, nullptr, 0);
  EXPECT_EQ(r.stream, 1);
  EXPECT_EQ(r.end, 0);
  EXPECT_EQ(r.system, 0);
}

TEST_F(Codec, AppendsThatWouldPassTheBlockLimitAreRefused) {
  Message m(1, 1, 0);
  Genere_Header(&m.record, 0);
  std::memset(m.buffer + 11, 0x55, sizeof m.buffer - 11);
  uint8_t data[255] = {};
  Build_Secs2(&m.record, SECS_BINARY, data, 240);  // L = 252, the limit
  ASSERT_EQ(m.buffer[0], 252);
  Build_Secs2(&m.record, SECS_LIST, nullptr, 1);
  Build_Secs2(&m.record, SECS_RAW, data, 1);
  EXPECT_EQ(m.buffer[0], 252);
  EXPECT_EQ(m.buffer[253], 0x55);

  // Items that would wrap L past 255 leave the message as it was.
  Genere_Header(&m.record, 0);
  Build_Secs2(&m.record, SECS_U2, data, 200);
  Build_Secs2(&m.record, SECS_F8, data, 255);
  Build_Secs2(&m.record, SECS_ASCII, data, 243);
  Build_Secs2(&m.record, SECS_RAW, data, 243);
  EXPECT_EQ(m.buffer[0], 10);
  EXPECT_EQ(m.buffer[11], 0x21);  // the earlier binary item's bytes are untouched
  EXPECT_EQ(m.buffer[12], 240);
  Build_Secs2(&m.record, SECS_ASCII, data, 241);
  EXPECT_EQ(m.buffer[0], 10);
  Build_Secs2(&m.record, SECS_ASCII, data, 240);
  EXPECT_EQ(m.buffer[0], 252);
}

TEST_F(Codec, NullRecordOrBufferIsIgnored) {
  Genere_Header(nullptr, 0);
  Build_Secs2(nullptr, SECS_U1, "a", 1);
  UnBuild_Secs2(nullptr, SECS_HEADER, nullptr, 0);
  SecsMessage empty{};
  Build_Secs2(&empty, SECS_U1, "a", 1);
  int32_t type = 5;
  uint8_t count = 5;
  Extract_Next_Item(&empty, &type, &count);
  EXPECT_EQ(type, SECS_NO_ITEM);
  EXPECT_EQ(count, 0);
}

}  // namespace
