#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diag/messaging.h"
#include "fake_diag_link.h"
#include "shell_fixture.h"
#include "trace_fixture.h"

namespace {

struct Element {
  int node;
  uint32_t address;
  int operation;
  int data;
  bool operator==(const Element &other) const {
    return node == other.node && address == other.address && operation == other.operation && data == other.data;
  }
};

std::ostream &operator<<(std::ostream &out, const Element &e) {
  return out << "{node " << e.node << ", address " << e.address << ", op " << e.operation << ", data " << e.data
             << "}";
}

// The elements of a request, checking the layout of every byte on the way.
std::vector<Element> Elements(const std::vector<uint8_t> &bytes) {
  std::vector<Element> elements;
  EXPECT_GE(bytes.size(), 13u);
  if (bytes.size() < 13) return elements;
  EXPECT_EQ(bytes[11], 0x01);
  const size_t count = bytes[12];
  EXPECT_EQ(bytes.size(), 13 + 18 * count);
  for (size_t i = 0; i < count && 13 + 18 * (i + 1) <= bytes.size(); ++i) {
    const uint8_t *e = bytes.data() + 13 + 18 * i;
    const std::vector<uint8_t> layout = {e[0], e[1], e[2], e[3], e[5], e[6], e[11], e[12], e[14], e[15]};
    EXPECT_EQ(layout, (std::vector<uint8_t>{0x01, 0x04, 0xA5, 0x01, 0xB1, 0x04, 0xA5, 0x01, 0xA9, 0x02}));
    elements.push_back({e[4], static_cast<uint32_t>(e[7] << 24 | e[8] << 16 | e[9] << 8 | e[10]), e[13],
                        e[16] << 8 | e[17]});
  }
  return elements;
}

class MessagingTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ResetDiagExchange();
    SetDiagLink(&link_);
    SetTraceClock(&clock_);
  }
  void TearDown() override {
    SetDiagLink(nullptr);
    SetTraceClock(nullptr);
    ShellTest::TearDown();
  }

  static void SetRow(int table, int row, DescriptionEntry entry) {
    DescriptionTables[table].entries[row] = entry;
    if (DescriptionTables[table].rowCount <= row) DescriptionTables[table].rowCount = static_cast<uint8_t>(row + 1);
  }

  // A LED/photo table: row 0 LED only, row 1 a pair, row 2 photo only.
  static void ThreeLedPhotoRows() {
    SetRow(kLedTable, 0, {1, 0x1000, 4, 0x0004, 0});
    SetRow(kLedTable, 1, {2, 0x2000, 4, 0x0010, 0});
    SetRow(kPhotoTable, 1, {2, 0x2002, 0, 0x0001, 0});
    SetRow(kPhotoTable, 2, {3, 0x3002, 0, 0x0002, 0});
    DescriptionTables[kLedTable].rowCount = 3;
    LedOnly[0] = 1;
    PhotoOnly[2] = 1;
  }

  FakeDiagLink link_;
  MemoryTarget trace_;
  FixedClock clock_{10, 4, 7};
};

TEST_F(MessagingTest, SwitchRequestIsBuiltByteForByte) {
  SetRow(kSwitchTable, 0, {1, 0x1000, 0, 4, 0});
  ASSERT_EQ(SendDiagRequest(&trace_, kSwitchRequest), 1);
  ASSERT_EQ(link_.sent.size(), 1u);
  const SentRequest &request = link_.sent[0];
  EXPECT_EQ(request.port, 1);
  EXPECT_EQ(request.record.stream, 2);
  EXPECT_EQ(request.record.function, 63);
  EXPECT_EQ(request.record.wait, 1);
  EXPECT_EQ(request.record.spare, 4);

  ASSERT_EQ(request.bytes.size(), 31u);
  EXPECT_EQ(request.bytes[0], 0x1E);
  EXPECT_EQ(request.bytes[1], 0x00);
  EXPECT_EQ(request.bytes[2], 0x00);
  EXPECT_EQ(request.bytes[3], 0x82);
  EXPECT_EQ(request.bytes[4], 0x3F);
  EXPECT_EQ(request.bytes[5], 0x80);
  EXPECT_EQ(request.bytes[6], 0x01);
  const std::vector<uint8_t> body(request.bytes.begin() + 11, request.bytes.end());
  EXPECT_EQ(body, (std::vector<uint8_t>{0x01, 0x01, 0x01, 0x04, 0xA5, 0x01, 0x01, 0xB1, 0x04, 0x00, 0x00,
                                        0x10, 0x00, 0xA5, 0x01, 0x00, 0xA9, 0x02, 0x00, 0x04}));
  EXPECT_EQ(LastRequestKind, kSwitchRequest);
}

TEST_F(MessagingTest, RequestIsTracedBeforeItIsHandedToTheLink) {
  SetRow(kSwitchTable, 0, {1, 0x1000, 0, 4, 0});
  std::vector<std::string> linesAtEmit;
  link_.beforeEmit = [&] { linesAtEmit = trace_.Lines(); };
  PortIndex = 3;
  SendDiagRequest(&trace_, kSwitchRequest);
  ASSERT_EQ(linesAtEmit.size(), 11u);
  EXPECT_EQ(linesAtEmit[1], "10:04:07 Send (COM 4)");
  EXPECT_EQ(linesAtEmit[2], "S2F63 : W");
  EXPECT_EQ(linesAtEmit[8], "          <U2 4>");
  EXPECT_EQ(link_.sent[0].port, 4);
}

TEST_F(MessagingTest, RefusedEmissionReturnsZero) {
  SetRow(kEncoderTable, 0, {1, 0x1000, 0, 0, 0});
  link_.emitResult = 0;
  EXPECT_EQ(SendDiagRequest(&trace_, kEncoderRequest), 0);
  EXPECT_EQ(link_.sent.size(), 1u);
}

TEST_F(MessagingTest, EmptyTableGivesAnEmptyTopList) {
  ASSERT_EQ(SendDiagRequest(&trace_, kSwitchRequest), 1);
  EXPECT_EQ(link_.sent[0].bytes.size(), 13u);
  EXPECT_EQ(link_.sent[0].bytes[11], 0x01);
  EXPECT_EQ(link_.sent[0].bytes[12], 0x00);
}

TEST_F(MessagingTest, LedPhotoRequestCarriesLedsThenPhotosRowByRow) {
  ThreeLedPhotoRows();
  LedCommand[1] = 1;
  ASSERT_EQ(SendDiagRequest(&trace_, kLedPhotoRequest), 1);
  std::vector<Element> expected = {
      {1, 0x1000, 4, 0xFFFB}, {2, 0x2000, 4, 0x0010}, {2, 0x2002, 0, 0x0001}, {3, 0x3002, 0, 0x0002}};
  EXPECT_EQ(Elements(link_.sent[0].bytes), expected);
}

TEST_F(MessagingTest, UnknownKindShowsTheBoxAndSendsNothing) {
  EXPECT_EQ(SendDiagRequest(&trace_, 7), 0);
  EXPECT_TRUE(link_.sent.empty());
  EXPECT_EQ(LastRequestKind, 7);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Error");
  EXPECT_EQ(boxes_.shown[0].caption, "Unknown function");
  EXPECT_EQ(boxes_.shown[0].icon, platform::MessageIcon::None);
  EXPECT_EQ(boxes_.shown[0].owner, platform::MessageOwner::None);

  link_.Reply(0x02, 64, Join({ListOf(1), U2(1)}));
  EXPECT_EQ(ReceiveDiagReply(&trace_), 0);
}

class ReplyTest : public MessagingTest {
 protected:
  void SendSwitches(int rows) {
    for (int row = 0; row < rows; ++row) SetRow(kSwitchTable, row, {1, 0x1000u + row, 0, 1, 0});
    ASSERT_EQ(SendDiagRequest(&trace_, kSwitchRequest), 1);
  }
  void SendEncoders(int rows) {
    for (int row = 0; row < rows; ++row) SetRow(kEncoderTable, row, {1, 0x1000u + row, 0, 0, 0});
    ASSERT_EQ(SendDiagRequest(&trace_, kEncoderRequest), 1);
  }
};

TEST_F(ReplyTest, NothingReceivedChangesNothing) {
  SendSwitches(1);
  SwitchState[0] = 1;
  PortIndex = 5;
  EXPECT_EQ(ReceiveDiagReply(&trace_), 0);
  EXPECT_EQ(SwitchState[0], 1);
  EXPECT_EQ(link_.receivePorts, std::vector<int32_t>{6});
}

TEST_F(ReplyTest, SwitchValuesAreOneWhenNonzero) {
  SendSwitches(3);
  SwitchState[1] = 1;
  link_.Reply(0x02, 64, Join({ListOf(3), U2(0x0100), U2(0), U4(7)}));
  EXPECT_EQ(ReceiveDiagReply(&trace_), 1);
  EXPECT_EQ(SwitchState[0], 1);
  EXPECT_EQ(SwitchState[1], 0);
  EXPECT_EQ(SwitchState[2], 1);
}

TEST_F(ReplyTest, PhotoValuesSkipLedOnlyRows) {
  ThreeLedPhotoRows();
  ASSERT_EQ(SendDiagRequest(&trace_, kLedPhotoRequest), 1);
  PhotoState[0] = 5;
  link_.Reply(0x02, 64, Join({ListOf(2), U2(1), U2(9)}));
  EXPECT_EQ(ReceiveDiagReply(&trace_), 1);
  EXPECT_EQ(PhotoState[0], 5);
  EXPECT_EQ(PhotoState[1], 1);
  EXPECT_EQ(PhotoState[2], 1);
}

TEST_F(ReplyTest, ReplyWithTheWaitBitIsAccepted) {
  SendSwitches(1);
  link_.Reply(0x82, 64, Join({ListOf(1), U2(1)}));
  EXPECT_EQ(ReceiveDiagReply(&trace_), 1);
  EXPECT_EQ(SwitchState[0], 1);
}

TEST_F(ReplyTest, EncoderValuesAreKeptWhole) {
  SendEncoders(3);
  link_.Reply(0x02, 64, Join({ListOf(3), U4(0xFFFFFFFF), U2(0xFFFF), U4(123456)}));
  EXPECT_EQ(ReceiveDiagReply(&trace_), 1);
  EXPECT_EQ(EncoderValue[0], -1);
  EXPECT_EQ(EncoderValue[1], 65535);
  EXPECT_EQ(EncoderValue[2], 123456);
}

TEST_F(ReplyTest, EmptyReplyCountsOnlyForTheCustomKind) {
  SetRow(kCustomTable, 0, {1, 0x1000, 0, 0, 0});
  ASSERT_EQ(SendDiagRequest(&trace_, kCustomRequest), 1);
  CustomValue[0] = 42;
  link_.Reply(0x02, 64, ListOf(0));
  EXPECT_EQ(ReceiveDiagReply(&trace_), 1);
  EXPECT_EQ(CustomValue[0], 0);

  SendSwitches(1);
  SwitchState[0] = 1;
  link_.Reply(0x02, 64, ListOf(0));
  EXPECT_EQ(ReceiveDiagReply(&trace_), 0);
  EXPECT_EQ(SwitchState[0], 1);
}

TEST_F(ReplyTest, EmptyReplyAnswersARequestOfLedsAlone) {
  for (int row = 0; row < 2; ++row) {
    SetRow(kLedTable, row, {1, 0x1000u + row, 4, 1, 0});
    LedOnly[row] = 1;
  }
  DescriptionTables[kLedTable].rowCount = 2;
  ASSERT_EQ(SendDiagRequest(&trace_, kLedPhotoRequest), 1);
  link_.Reply(0x02, 64, ListOf(0));
  EXPECT_EQ(ReceiveDiagReply(&trace_), 1);

  // With a photo sensor in the request the empty list is still no answer.
  ThreeLedPhotoRows();
  ASSERT_EQ(SendDiagRequest(&trace_, kLedPhotoRequest), 1);
  link_.Reply(0x02, 64, ListOf(0));
  EXPECT_EQ(ReceiveDiagReply(&trace_), 0);
}

TEST_F(ReplyTest, CustomValueGoesToElementZero) {
  SetRow(kCustomTable, 0, {1, 0x1000, 1, 0, 0});
  ASSERT_EQ(SendDiagRequest(&trace_, kCustomRequest), 1);
  link_.Reply(0x02, 64, Join({ListOf(1), U4(0x80000000)}));
  EXPECT_EQ(ReceiveDiagReply(&trace_), 1);
  EXPECT_EQ(CustomValue[0], static_cast<int>(0x80000000u));
}

TEST_F(ReplyTest, OtherMessagesAreTracedAndIgnored) {
  SendSwitches(1);
  const int linesBefore = trace_.list.Count();
  link_.Reply(0x81, 1, {});
  EXPECT_EQ(ReceiveDiagReply(&trace_), 0);
  link_.Reply(0x02, 65, Join({ListOf(1), U2(1)}));
  EXPECT_EQ(ReceiveDiagReply(&trace_), 0);
  EXPECT_EQ(SwitchState[0], 0);
  std::vector<std::string> lines = trace_.Lines();
  ASSERT_GE(lines.size(), static_cast<size_t>(linesBefore) + 3);
  EXPECT_EQ(lines[linesBefore + 1], "10:04:07 Receive (COM 1)");
  EXPECT_EQ(lines[linesBefore + 2], "S1F1 : W");
  EXPECT_EQ(lines.back(), "      >.");
}

class MalformedReplyTest : public ReplyTest {
 protected:
  void SetUp() override {
    ReplyTest::SetUp();
    SendEncoders(3);
    for (int row = 0; row < kTableRows; ++row) EncoderValue[row] = -7;
  }
  int Receive(const std::vector<uint8_t> &body) {
    link_.Reply(0x02, 64, body);
    return ReceiveDiagReply(&trace_);
  }
  std::vector<int> Values() { return std::vector<int>(EncoderValue, EncoderValue + 4); }
};

TEST_F(MalformedReplyTest, ItemsBeyondTheRowsAreNotStored) {
  std::vector<uint8_t> body = ListOf(25);
  for (int i = 0; i < 25; ++i) body = Join({body, U2(static_cast<uint16_t>(100 + i))});
  EXPECT_EQ(Receive(body), 1);
  EXPECT_EQ(Values(), (std::vector<int>{100, 101, 102, -7}));
  for (int row = 3; row < kTableRows; ++row) EXPECT_EQ(EncoderValue[row], -7);
}

TEST_F(MalformedReplyTest, ItemsOfOtherFormatsLeaveTheirRowUnchanged) {
  // A U1, an I4 (a format com does not read) and a U2 too short for a value each take one row.
  std::vector<uint8_t> u1 = {0xA5, 0x01, 0x09};
  std::vector<uint8_t> i4 = {0x71, 0x04, 0x00, 0x00, 0x00, 0x05};
  std::vector<uint8_t> shortU2 = {0xA9, 0x01, 0x05};
  EXPECT_EQ(Receive(Join({ListOf(3), u1, i4, shortU2})), 1);
  EXPECT_EQ(Values(), (std::vector<int>{-7, -7, -7, -7}));

  EXPECT_EQ(Receive(Join({ListOf(3), i4, U2(11), u1})), 1);
  EXPECT_EQ(Values(), (std::vector<int>{-7, 11, -7, -7}));
}

TEST_F(MalformedReplyTest, SeveralValuesInOneItemGiveTheFirst) {
  std::vector<uint8_t> twoU2 = {0xA9, 0x04, 0x00, 0x05, 0x00, 0x06};
  std::vector<uint8_t> twoU4 = {0xB1, 0x08, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00, 0x08};
  EXPECT_EQ(Receive(Join({ListOf(3), twoU2, twoU4, U2(9)})), 1);
  EXPECT_EQ(Values(), (std::vector<int>{5, 7, 9, -7}));
}

TEST_F(MalformedReplyTest, ListLongerThanWhatFollowsStopsAtTheEnd) {
  EXPECT_EQ(Receive(Join({ListOf(3), U2(1)})), 1);
  EXPECT_EQ(Values(), (std::vector<int>{1, -7, -7, -7}));
}

TEST_F(MalformedReplyTest, ItemCutByTheBlockEndIsNotRead) {
  // The U4's last two bytes lie past the length byte; what sits behind it is not a value.
  link_.Reply(0x02, 64, Join({ListOf(2), U2(3), {0xB1, 0x04, 0x00, 0x00}}));
  link_.replies.back().insert(link_.replies.back().end(), {0x12, 0x34});
  EXPECT_EQ(ReceiveDiagReply(&trace_), 1);
  EXPECT_EQ(Values(), (std::vector<int>{3, -7, -7, -7}));
}

TEST_F(MalformedReplyTest, NestedListsAreSteppedOverWhole) {
  std::vector<uint8_t> nested = Join({ListOf(2), U2(50), ListOf(1), U4(60)});
  EXPECT_EQ(Receive(Join({ListOf(3), U2(1), nested, U2(3)})), 1);
  EXPECT_EQ(Values(), (std::vector<int>{1, -7, 3, -7}));
}

TEST_F(MalformedReplyTest, ItemWithTwoLengthBytesEndsTheReading) {
  std::vector<uint8_t> twoLengthBytes = {0xAA, 0x00, 0x02, 0x00, 0x04};
  EXPECT_EQ(Receive(Join({ListOf(3), U2(1), twoLengthBytes, U2(3)})), 1);
  EXPECT_EQ(Values(), (std::vector<int>{1, -7, -7, -7}));
}

TEST_F(MalformedReplyTest, BodyThatIsNotAListIsNotAReply) {
  EXPECT_EQ(Receive(U2(2)), 0);
  EXPECT_EQ(Values(), (std::vector<int>{-7, -7, -7, -7}));
}

TEST_F(MalformedReplyTest, HeaderShorterThanTenBytesIsNotAReply) {
  link_.replies.push_back({4, 0, 0, 0x02, 64});
  EXPECT_EQ(ReceiveDiagReply(&trace_), 0);
}

class PartsTest : public MessagingTest {
 protected:
  static void TwentyPairs() {
    for (int row = 0; row < kTableRows; ++row) {
      SetRow(kLedTable, row, {1, 0x1000u + row, 4, static_cast<uint16_t>(row), 0});
      SetRow(kPhotoTable, row, {1, 0x2000u + row, 0, 1, 0});
      LedCommand[row] = 1;
    }
  }
};

TEST_F(PartsTest, TwentyPairsArePolledInPartsOfWholeRows) {
  TwentyPairs();
  for (int row = 0; row < kTableRows; ++row) PhotoState[row] = 7;
  std::vector<int> firstRows;
  for (int exchange = 0; exchange < 4; ++exchange) {
    ASSERT_EQ(SendDiagRequest(&trace_, kLedPhotoRequest), 1);
    const std::vector<uint8_t> &bytes = link_.sent.back().bytes;
    ASSERT_LE(bytes[0], 252);
    std::vector<Element> elements = Elements(bytes);
    ASSERT_EQ(elements.size() % 2, 0u);
    ASSERT_LE(elements.size(), 13u);
    const int firstRow = static_cast<int>(elements[0].address - 0x1000);
    firstRows.push_back(firstRow);
    std::vector<uint8_t> body = ListOf(static_cast<int>(elements.size() / 2));
    for (size_t i = 0; i < elements.size(); i += 2) {
      const int row = static_cast<int>(elements[i].address - 0x1000);
      EXPECT_EQ(elements[i + 1].address, 0x2000u + row);
      // Odd rows read lit, even rows dark.
      body = Join({body, U2(static_cast<uint16_t>(row % 2))});
    }
    link_.Reply(0x02, 64, body);
    ASSERT_EQ(ReceiveDiagReply(&trace_), 1);
  }
  EXPECT_EQ(firstRows, (std::vector<int>{0, 6, 12, 18}));
  for (int row = 0; row < kTableRows; ++row) EXPECT_EQ(PhotoState[row], row % 2) << row;

  ASSERT_EQ(SendDiagRequest(&trace_, kLedPhotoRequest), 1);
  EXPECT_EQ(Elements(link_.sent.back().bytes)[0].address, 0x1000u);
}

TEST_F(PartsTest, ReplyOnlyReachesTheRowsOfItsOwnExchange) {
  for (int row = 0; row < kTableRows; ++row) SetRow(kSwitchTable, row, {1, 0x1000u + row, 0, 1, 0});
  ASSERT_EQ(SendDiagRequest(&trace_, kSwitchRequest), 1);
  EXPECT_EQ(Elements(link_.sent.back().bytes).size(), 13u);
  ASSERT_EQ(SendDiagRequest(&trace_, kSwitchRequest), 1);
  std::vector<Element> second = Elements(link_.sent.back().bytes);
  ASSERT_EQ(second.size(), 7u);
  EXPECT_EQ(second[0].address, 0x1000u + 13);

  std::vector<uint8_t> body = ListOf(20);
  for (int i = 0; i < 20; ++i) body = Join({body, U2(1)});
  link_.Reply(0x02, 64, body);
  ASSERT_EQ(ReceiveDiagReply(&trace_), 1);
  for (int row = 0; row < 13; ++row) EXPECT_EQ(SwitchState[row], 0) << row;
  for (int row = 13; row < 20; ++row) EXPECT_EQ(SwitchState[row], 1) << row;
}

TEST_F(PartsTest, MixedRowsNeverSplitAPair) {
  // LED-only, pair, photo-only repeating: 1 + 2 + 1 elements per three rows.
  for (int row = 0; row < 18; ++row) {
    SetRow(kLedTable, row, {1, 0x1000u + row, 4, 1, 0});
    SetRow(kPhotoTable, row, {1, 0x2000u + row, 0, 1, 0});
    LedOnly[row] = row % 3 == 0;
    PhotoOnly[row] = row % 3 == 2;
  }
  int elementsSeen = 0;
  for (int exchange = 0; exchange < 2; ++exchange) {
    ASSERT_EQ(SendDiagRequest(&trace_, kLedPhotoRequest), 1);
    std::vector<Element> elements = Elements(link_.sent.back().bytes);
    ASSERT_LE(elements.size(), 13u);
    for (size_t i = 0; i < elements.size(); ++i) {
      const int row = static_cast<int>(elements[i].address & 0xFF);
      if (row % 3 == 1 && elements[i].address < 0x2000) {
        ASSERT_LT(i + 1, elements.size()) << "pair of row " << row << " split";
        EXPECT_EQ(elements[i + 1].address, 0x2000u + row);
      }
    }
    elementsSeen += static_cast<int>(elements.size());
  }
  EXPECT_EQ(elementsSeen, 24);
}

}  // namespace
