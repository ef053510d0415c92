// The stand-in's Intel-hex check: what a well-formed file is, and each way one is not.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "intel_hex.h"

namespace {

velk2::HexCheck Check(const std::string &text) {
  std::istringstream in(text);
  return velk2::CheckIntelHex(in);
}

TEST(IntelHex, AcceptsDataExtendedAddressAndEndRecords) {
  const auto check = Check(
      ":020000040001F9\r\n"
      ":0400100001020304E2\r\n"
      ":00000001FF\r\n\r\n");
  EXPECT_TRUE(check.valid) << check.error;
  EXPECT_EQ(check.records, 3);
  EXPECT_EQ(check.dataBytes, 4);
}

TEST(IntelHex, TheShippedPlaceholderBootstrapIsValid) {
  std::ifstream file(ML_BOOTSTRAP_SAMPLE, std::ios::binary);
  ASSERT_TRUE(file) << ML_BOOTSTRAP_SAMPLE;
  const auto check = velk2::CheckIntelHex(file);
  EXPECT_TRUE(check.valid) << check.error;
  EXPECT_EQ(check.dataBytes, 63);
}

TEST(IntelHex, RefusesEachKindOfDamage) {
  const struct {
    const char *text;
    const char *error;
  } cases[] = {
      {":0400100001020304E3\n:00000001FF\n", "line 1: checksum error"},
      {":0500100001020304E2\n:00000001FF\n", "line 1: length byte does not match"},
      {"0400100001020304E2\n:00000001FF\n", "line 1: record does not start with ':'"},
      {":04001000010203G4E2\n:00000001FF\n", "line 1: not hexadecimal digits"},
      {":0400100001020304E\n:00000001FF\n", "line 1: not hexadecimal digits"},
      {":00000001\n", "line 1: record too short"},
      {":0400100001020304E2\n", "line 1: no end record"},
      {"", "line 0: no end record"},
      {":00000006FA\n:00000001FF\n", "line 1: unknown record type 6"},
      {":00000001FF\n:0400100001020304E2\n", "line 2: record after the end record"},
      {":0400100001020304E2\n\n:00000001FF\n", "line 2: blank line before the end record"},
  };
  for (const auto &c : cases) {
    const auto check = Check(c.text);
    EXPECT_FALSE(check.valid) << c.text;
    EXPECT_EQ(check.error, c.error) << c.text;
  }
}

}  // namespace
