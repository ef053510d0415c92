#include "message_text.h"
#include "secs_message.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(SecsItems, DecodeRefusesAnythingThatRunsPastTheText) {
  std::vector<SecsItem> items;
  std::string error;
  const std::vector<Bytes> bad = {
      {0x01},                    // list without its length byte
      {0xA9, 0x04, 0x00, 0x01},  // U2 claims 4 bytes, 2 present
      {0xA9, 0x03, 0x00, 0x01, 0x02},  // 3 bytes is not a whole number of U2
      {0x01, 0x02, 0xA5, 0x01, 0x01},  // list of 2 holding 1
      {0xFC, 0x01, 0x00},        // unknown format
      {0xA4, 0x00},              // no length bytes
      {0xA7, 0xFF, 0xFF},        // three length bytes cut short
  };
  for (const Bytes &text : bad) {
    EXPECT_FALSE(DecodeItems(text.data(), text.size(), &items, &error)) << FormatItem(SecsItem::Binary(text.data(), text.size()), "");
    EXPECT_FALSE(error.empty());
  }
  Bytes deep(40, 0);
  for (size_t i = 0; i < deep.size(); i += 2) deep[i] = 0x01, deep[i + 1] = 0x01;
  EXPECT_FALSE(DecodeItems(deep.data(), deep.size(), &items, &error));
  EXPECT_NE(error.find("nested too deep"), std::string::npos);
}

TEST(SecsItems, EncodeThenDecodeKeepsTheTree) {
  SecsItem tree = SecsItem::List({SecsItem::U1(1), SecsItem::U2(0x1234), SecsItem::U4(0xDEADBEEF),
                                  SecsItem::List({})});
  Bytes bytes;
  EncodeItem(tree, &bytes);
  EXPECT_EQ(bytes, (Bytes{0x01, 0x04, 0xA5, 0x01, 0x01, 0xA9, 0x02, 0x12, 0x34, 0xB1, 0x04, 0xDE, 0xAD, 0xBE,
                          0xEF, 0x01, 0x00}));
  std::vector<SecsItem> items;
  std::string error;
  ASSERT_TRUE(DecodeItems(bytes.data(), bytes.size(), &items, &error)) << error;
  ASSERT_EQ(items.size(), 1u);
  uint64_t value;
  ASSERT_TRUE(items[0].items[2].SingleInteger(&value));
  EXPECT_EQ(value, 0xDEADBEEFu);
  EXPECT_FALSE(items[0].items[3].SingleInteger(&value));
}

TEST(SecsItems, HeaderRoundTrip) {
  const uint8_t raw[10] = {0x81, 0x02, 0x82, 0x3F, 0x80, 0x01, 0, 0, 0xAB, 0xCD};
  SecsHeader header = DecodeHeader(raw);
  EXPECT_TRUE(header.reply_bit);
  EXPECT_EQ(header.device, 0x0102);
  EXPECT_TRUE(header.wait);
  EXPECT_EQ(header.stream, 2);
  EXPECT_EQ(header.function, 63);
  EXPECT_EQ(header.system, 0xABCD);
  uint8_t again[10];
  EncodeHeader(header, again);
  EXPECT_EQ(Bytes(again, again + 10), Bytes(raw, raw + 10));
}

TEST(MessageText, TraceShowsNameWaitBitAndIndentedItems) {
  const Bytes block = {30, 0x00, 0x00, 0x82, 0x3F, 0x80, 0x01, 0, 0, 0x00, 0x01,
                       0x01, 0x01, 0x01, 0x04, 0xA5, 0x01, 0x01, 0xB1, 0x04, 0x00, 0x00, 0x10, 0x00,
                       0xA5, 0x01, 0x00, 0xA9, 0x02, 0x00, 0x04};
  EXPECT_EQ(FormatMessage(block.data(), block.size(), ""),
            "S2F63 : W   (device 0, system 0x0001)\n"
            "  <L [1]\n"
            "    <L [4]\n"
            "      <U1 1>\n"
            "      <U4 4096>\n"
            "      <U1 0>\n"
            "      <U2 4>\n"
            "    >\n"
            "  >\n");
  const Bytes bad = {13, 0x80, 0x00, 0x02, 0x40, 0x80, 0x01, 0, 0, 0x00, 0x01, 0x01, 0x05, 0x00};
  std::string text = FormatMessage(bad.data(), bad.size(), "");
  EXPECT_NE(text.find("S2F64   (device 0, system 0x0001, from equipment)"), std::string::npos) << text;
  EXPECT_NE(text.find("(malformed: "), std::string::npos) << text;
}

}  // namespace
}  // namespace sim
