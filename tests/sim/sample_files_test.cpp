// The sample machine and the sample point files describe the same points, so an
// engineer who opens the samples in the diagnostic program sees every row move.
#include <gtest/gtest.h>

#include <cstring>

#include "diag/program_state.h"
#include "diag/read_cnf_file.h"
#include "machine_description.h"
#include "machine_model.h"
#include "message_handler.h"
#include "platform/message_box.h"

namespace sim {
namespace {

const std::string kExamples = SIM_EXAMPLES_DIR;

class NoBoxes : public platform::MessageBoxes {
 public:
  void Show(const platform::MessageBoxRequest &request) override { ADD_FAILURE() << request.text; }
};

class SampleFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    DescriptionError error;
    ASSERT_TRUE(LoadMachineDescription(kExamples + "/machine.txt", &description_, &error)) << error.ToString();
    platform::SetMessageBoxes(&boxes_);
    DescriptionTables[kSwitchTable].rowCount = 0;
    DescriptionTables[kEncoderTable].rowCount = 0;
  }
  void TearDown() override { platform::SetMessageBoxes(nullptr); }

  const PointSpec *Point(const DescriptionEntry &entry) const {
    for (const PointSpec &point : description_.points)
      if (point.node == entry.node && point.address == entry.address) return &point;
    return nullptr;
  }

  void ExpectRowsNamed(const TReadCnfFile &reader, int rows) {
    for (int row = 0; row < rows; ++row) EXPECT_STRNE(reader.RowName(row), kBadDescription) << "row " << row;
  }

  MachineDescription description_;
  NoBoxes boxes_;
};

TEST_F(SampleFiles, LedAndPhotoRowsAreOutputsAndPhotoSensorsOfTheMachine) {
  TReadCnfFile reader;
  reader.Read((kExamples + "/leds_photos.txt").c_str());
  const DescriptionTable &leds = DescriptionTables[kLedTable];
  ASSERT_EQ(leds.rowCount, 3);
  ExpectRowsNamed(reader, 3);
  int photos = 0;
  for (int row = 0; row < leds.rowCount; ++row) {
    if (LedOnly[row] || !PhotoOnly[row]) {
      const PointSpec *led = Point(leds.entries[row]);
      ASSERT_NE(led, nullptr) << reader.RowName(row);
      EXPECT_EQ(led->kind, PointKind::Led);
      const uint16_t data = leds.entries[row].data;
      EXPECT_EQ(led->pattern, data) << "the file's data word is the LED's on-pattern";
      EXPECT_EQ(led->name, reader.RowName(row));
    }
    if (PhotoOnly[row] || !LedOnly[row]) {
      const DescriptionEntry &entry = DescriptionTables[kPhotoTable].entries[row];
      const PointSpec *photo = Point(entry);
      ASSERT_NE(photo, nullptr) << reader.RowName(row);
      EXPECT_EQ(photo->kind, PointKind::Photo);
      const uint16_t data = entry.data;
      const uint8_t operation = entry.operation;
      EXPECT_EQ(photo->pattern, data) << "read as *address & mask";
      EXPECT_EQ(operation, 3);
      ++photos;
    }
  }
  EXPECT_EQ(photos, 2);
}

TEST_F(SampleFiles, SwitchAndEncoderRowsAreInputsOfTheMachine) {
  TReadCnfFile switches;
  switches.Read((kExamples + "/switches.txt").c_str());
  TReadCnfFile encoders;
  encoders.Read((kExamples + "/encoders.txt").c_str());
  ASSERT_EQ(DescriptionTables[kSwitchTable].rowCount, 3);
  ASSERT_EQ(DescriptionTables[kEncoderTable].rowCount, 3);
  ExpectRowsNamed(switches, 3);
  ExpectRowsNamed(encoders, 3);
  for (int row = 0; row < 3; ++row) {
    const PointSpec *point = Point(DescriptionTables[kSwitchTable].entries[row]);
    ASSERT_NE(point, nullptr) << switches.RowName(row);
    EXPECT_EQ(point->kind, PointKind::Switch);
    EXPECT_EQ(point->name, switches.RowName(row));
    point = Point(DescriptionTables[kEncoderTable].entries[row]);
    ASSERT_NE(point, nullptr) << encoders.RowName(row);
    EXPECT_EQ(point->kind, PointKind::Encoder);
    EXPECT_EQ(DescriptionTables[kEncoderTable].entries[row].operation, 1) << "encoders are read whole";
  }
}

}  // namespace
}  // namespace sim
