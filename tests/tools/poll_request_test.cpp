#include "poll_request.h"

#include <gtest/gtest.h>

namespace {

using poll_tool::Element;
using poll_tool::ParseElement;

TEST(PollElementTest, FieldsAreDecimalOrHexadecimalAfter0x) {
  Element element;
  std::string error;
  ASSERT_TRUE(ParseElement("3,0x3F00,1,65535", &element, &error)) << error;
  EXPECT_EQ(element.node, 3);
  EXPECT_EQ(element.address, 0x3F00u);
  EXPECT_EQ(element.operation, 1);
  EXPECT_EQ(element.data, 0xFFFF);
  // A leading zero is still decimal: 0100 is a hundred, and 08 a valid number.
  ASSERT_TRUE(ParseElement("01,0100,04,08", &element, &error)) << error;
  EXPECT_EQ(element.node, 1);
  EXPECT_EQ(element.address, 100u);
  EXPECT_EQ(element.operation, 4);
  EXPECT_EQ(element.data, 8);
  ASSERT_TRUE(ParseElement("0X1,0xffffffff,0,0x0", &element, &error)) << error;
  EXPECT_EQ(element.address, 0xFFFFFFFFu);
}

TEST(PollElementTest, RefusesWhatIsNotOneNumberInRange) {
  Element element;
  for (const char *text : {"256,0,0,0", "1,0x100000000,0,0", "1,0,256,0", "1,0,0,65536", "1,0,0", "1,0,0,0,0",
                           "1,2x,0,0", "1,0x,0,0", "1,-1,0,0", "1,+1,0,0", "1, 1,0,0", "1,,0,0", "1,1F,0,0"}) {
    std::string error;
    EXPECT_FALSE(ParseElement(text, &element, &error)) << text;
    EXPECT_NE(error.find("--element"), std::string::npos) << text;
  }
}

}  // namespace
