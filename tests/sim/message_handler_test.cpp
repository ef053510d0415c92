#include "message_handler.h"

#include <gtest/gtest.h>

#include <sstream>

namespace sim {
namespace {

using Bytes = std::vector<uint8_t>;

MachineDescription Describe(const std::string &text) {
  std::istringstream in(text);
  MachineDescription description;
  DescriptionError error;
  EXPECT_TRUE(ParseMachineDescription(in, "m.txt", &description, &error)) << error.ToString();
  return description;
}

// A host block: R clear, device 0, block 1, system bytes 0x1234.
Bytes HostBlock(uint8_t stream, uint8_t function, bool wait, const Bytes &text) {
  Bytes block = {static_cast<uint8_t>(10 + text.size()), 0x00, 0x00,
                 static_cast<uint8_t>((wait ? 0x80 : 0) | stream), function, 0x80, 0x01, 0, 0, 0x12, 0x34};
  for (uint8_t byte : text) block.push_back(byte);
  return block;
}

Bytes Element(uint8_t node, uint32_t address, uint8_t op, uint16_t data) {
  return {0x01, 0x04, 0xA5, 0x01, node, 0xB1, 0x04, uint8_t(address >> 24), uint8_t(address >> 16),
          uint8_t(address >> 8), uint8_t(address), 0xA5, 0x01, op, 0xA9, 0x02, uint8_t(data >> 8), uint8_t(data)};
}

Bytes Request(const std::vector<Bytes> &elements) {
  Bytes text = {0x01, static_cast<uint8_t>(elements.size())};
  for (const Bytes &e : elements) text.insert(text.end(), e.begin(), e.end());
  return HostBlock(2, 63, true, text);
}

// Expected reply: R set, device 0, W clear, E set, block 1, the request's system bytes.
Bytes EquipmentBlock(uint8_t stream, uint8_t function, const Bytes &text) {
  Bytes block = {static_cast<uint8_t>(10 + text.size()), 0x80, 0x00, stream, function, 0x80, 0x01, 0, 0, 0x12, 0x34};
  for (uint8_t byte : text) block.push_back(byte);
  return block;
}

class MessageHandlerTest : public ::testing::Test {
 protected:
  MessageHandlerTest()
      : model_(Describe("node 1\nnode 7\n"
                        "ram 1 0x1000 0x00F0\nram 1 0x1001 0xABCD\n"
                        "led 1 0x2000 on=0x0004 name=Door1\n"
                        "led 7 0x2000 on=0x0001\n"),
               1),
        handler_(model_, options_, stats_) {}

  HandlerResult Handle(const Bytes &block) { return handler_.Handle(block.data(), block.size()); }

  HandlerOptions options_;
  SimStats stats_;
  MachineModel model_;
  MessageHandler handler_;
};

TEST_F(MessageHandlerTest, EachOperationTypeGivesItsReplyBytes) {
  HandlerResult result = Handle(Request({Element(1, 0x1000, 0, 0x0004),    // read word
                                         Element(1, 0x1000, 1, 0),         // read double word
                                         Element(1, 0x1000, 2, 0x0F0F),    // *address | data
                                         Element(1, 0x1000, 3, 0x0F0F),    // *address & data
                                         Element(1, 0x3000, 4, 0x5A5A)})); // write, read back
  ASSERT_TRUE(result.has_reply);
  EXPECT_EQ(result.reply, EquipmentBlock(2, 64, {0x01, 0x05,
                                                 0xA9, 0x02, 0x00, 0xF0,
                                                 0xB1, 0x04, 0xAB, 0xCD, 0x00, 0xF0,
                                                 0xA9, 0x02, 0x0F, 0xFF,
                                                 0xA9, 0x02, 0x00, 0x00,
                                                 0xA9, 0x02, 0x5A, 0x5A}));
  EXPECT_EQ(model_.ReadWord(1, 0x3000), 0x5A5A);
  EXPECT_EQ(stats_.requests, 1u);
}

TEST_F(MessageHandlerTest, OutputElementsYieldNoValueAndSetTheLed) {
  HandlerResult result = Handle(Request({Element(1, 0x2000, 2, 0x0004), Element(1, 0x1000, 0, 0),
                                         Element(7, 0x2000, 2, 0xFFFE)}));
  ASSERT_TRUE(result.has_reply);
  EXPECT_EQ(result.reply, EquipmentBlock(2, 64, {0x01, 0x01, 0xA9, 0x02, 0x00, 0xF0}));
  EXPECT_TRUE(model_.FindOutput(1, 0x2000)->lit);
  EXPECT_FALSE(model_.FindOutput(7, 0x2000)->lit);
  EXPECT_EQ(stats_.led_changes, 1u);
  ASSERT_EQ(result.notes.size(), 1u);
  EXPECT_EQ(result.notes[0], "LED Door1 (node 1 address 0x2000) on");

  result = Handle(Request({Element(1, 0x2000, 2, 0xFFFB)}));
  EXPECT_EQ(result.reply, EquipmentBlock(2, 64, {0x01, 0x00}));
  EXPECT_FALSE(model_.FindOutput(1, 0x2000)->lit);
}

TEST_F(MessageHandlerTest, UnknownNodeAnswersZeroAndIsCounted) {
  HandlerResult result = Handle(Request({Element(9, 0x1000, 0, 0), Element(9, 0x1000, 1, 0),
                                         Element(1, 0x1000, 9, 0)}));
  EXPECT_EQ(result.reply, EquipmentBlock(2, 64, {0x01, 0x03, 0xA9, 0x02, 0x00, 0x00,
                                                 0xB1, 0x04, 0x00, 0x00, 0x00, 0x00,
                                                 0xA9, 0x02, 0x00, 0x00}));
  EXPECT_EQ(stats_.unknown_nodes, 2u);
  EXPECT_EQ(stats_.bad_operations, 1u);
}

TEST_F(MessageHandlerTest, MalformedRequestsAreAnsweredNeverTrusted) {
  // The top item is not a list: S9F7 carrying the request header.
  HandlerResult result = Handle(HostBlock(2, 63, true, {0xA9, 0x02, 0x00, 0x01}));
  Bytes header = {0x00, 0x00, 0x82, 0x3F, 0x80, 0x01, 0, 0, 0x12, 0x34};
  Bytes text = {0x21, 0x0A};
  text.insert(text.end(), header.begin(), header.end());
  EXPECT_EQ(result.reply, EquipmentBlock(9, 7, text));

  // A list that claims more elements than the block holds.
  result = Handle(HostBlock(2, 63, true, {0x01, 0x05, 0x01, 0x04}));
  EXPECT_EQ(result.reply, EquipmentBlock(9, 7, text));

  // Elements of the wrong shape each answer 0; the good one is still served.
  Bytes three_items = {0x01, 0x03, 0xA5, 0x01, 0x01, 0xB1, 0x04, 0, 0, 0x10, 0, 0xA5, 0x01, 0x00};
  Bytes two_values = {0x01, 0x04, 0xA5, 0x02, 0x01, 0x01, 0xB1, 0x04, 0, 0, 0x10, 0,
                      0xA5, 0x01, 0x00, 0xA9, 0x02, 0x00, 0x00};
  Bytes ascii = {0x01, 0x04, 0x41, 0x01, 'x', 0xB1, 0x04, 0, 0, 0x10, 0, 0xA5, 0x01, 0x00, 0xA9, 0x02, 0, 0};
  result = Handle(Request({three_items, two_values, ascii, Element(1, 0x1000, 0, 0)}));
  EXPECT_EQ(result.reply, EquipmentBlock(2, 64, {0x01, 0x04, 0xA9, 0x02, 0, 0, 0xA9, 0x02, 0, 0,
                                                 0xA9, 0x02, 0, 0, 0xA9, 0x02, 0x00, 0xF0}));
  EXPECT_EQ(stats_.malformed, 5u);

  // A header cut short is ignored, not read past.
  Bytes cut = {10, 0x00, 0x00, 0x82};
  EXPECT_FALSE(Handle(cut).has_reply);
}

TEST_F(MessageHandlerTest, ReplyNeverOutgrowsOneBlock) {
  // 120 empty lists: each answers a value, but only what fits one block is sent.
  Bytes text = {0x01, 120};
  for (int i = 0; i < 120; ++i) text.insert(text.end(), {0x01, 0x00});
  HandlerResult result = Handle(HostBlock(2, 63, true, text));
  ASSERT_TRUE(result.has_reply);
  EXPECT_LE(result.reply[0], 252);
  EXPECT_EQ(result.reply.size(), result.reply[0] + 1u);
  EXPECT_EQ(result.reply[12], 60) << "60 U2 values fill the 242 text bytes";
}

TEST_F(MessageHandlerTest, UniqueNumberRequestIsAnsweredWithOrWithoutWaitBit) {
  options_.unique_number = 0x01020304;
  MessageHandler handler(model_, options_, stats_);
  for (bool wait : {false, true}) {
    Bytes request = HostBlock(127, 3, wait, {});
    HandlerResult result = handler.Handle(request.data(), request.size());
    EXPECT_EQ(result.reply, EquipmentBlock(127, 4, {0x01, 0x01, 0xB1, 0x04, 0x01, 0x02, 0x03, 0x04}));
  }
  Bytes notice = HostBlock(127, 1, false, {});
  EXPECT_FALSE(handler.Handle(notice.data(), notice.size()).has_reply);
  EXPECT_EQ(stats_.unique_number_requests, 2u);
  EXPECT_EQ(stats_.download_notices, 1u);
}

TEST_F(MessageHandlerTest, OldFirmwareAnswersUniqueNumberRequestWithAnError) {
  Bytes request = HostBlock(127, 3, false, {});
  Bytes text = {0x21, 0x0A, 0x00, 0x00, 0x7F, 0x03, 0x80, 0x01, 0, 0, 0x12, 0x34};
  options_.old_firmware = OldFirmware::AnswerS9F5;
  MessageHandler s9f5(model_, options_, stats_);
  EXPECT_EQ(s9f5.Handle(request.data(), request.size()).reply, EquipmentBlock(9, 5, text));
  options_.old_firmware = OldFirmware::AnswerS9F3;
  MessageHandler s9f3(model_, options_, stats_);
  EXPECT_EQ(s9f3.Handle(request.data(), request.size()).reply, EquipmentBlock(9, 3, text));
}

TEST_F(MessageHandlerTest, UnknownMessagesGetS9WithTheirHeader) {
  HandlerResult stream = Handle(HostBlock(1, 1, true, {}));
  EXPECT_EQ(stream.reply, EquipmentBlock(9, 3, {0x21, 0x0A, 0x00, 0x00, 0x81, 0x01, 0x80, 0x01, 0, 0, 0x12, 0x34}));
  HandlerResult function = Handle(HostBlock(2, 17, true, {0x01, 0x00}));
  EXPECT_EQ(function.reply,
            EquipmentBlock(9, 5, {0x21, 0x0A, 0x00, 0x00, 0x82, 0x11, 0x80, 0x01, 0, 0, 0x12, 0x34}));
  EXPECT_FALSE(Handle(HostBlock(1, 1, false, {})).has_reply) << "no wait bit, no answer";
  EXPECT_FALSE(Handle(HostBlock(1, 2, true, {})).has_reply) << "a secondary message is never answered";
  EXPECT_EQ(stats_.unknown_messages, 2u);
  EXPECT_EQ(stats_.ignored_messages, 2u);
}

}  // namespace
}  // namespace sim
