#include "point_panels.h"

#include <gtest/gtest.h>

#include "diag_ids.h"
#include "fake_dialog_view.h"

namespace {

using diag::LedPhotoRows;
using diag::NamedRows;
using diag::RowValues;
using diag_test::FakeDialogView;

// Row 0 LED only, row 1 a pair, row 2 photo only (active low).
LedPhotoRows ThreeRows() {
  LedPhotoRows rows;
  rows.count = 3;
  rows.ledOnly[0] = true;
  rows.photoOnly[2] = true;
  rows.photoActiveLow[2] = true;
  rows.names = {"Lamp", "Barrier", "Door"};
  return rows;
}

TEST(LedPhotoLayout, EachKindOfRowShowsItsOwnControls) {
  FakeDialogView view;
  diag::LayOutLedPhotoRows(ThreeRows(), view);

  EXPECT_TRUE(view.Shown(IDC_ROW_CHECK + 0));
  EXPECT_EQ(view.Text(IDC_ROW_CHECK + 0), "Lamp");
  EXPECT_FALSE(view.Shown(IDC_ROW_NAME + 0));
  EXPECT_FALSE(view.Shown(IDC_ROW_ARROW + 0));
  EXPECT_TRUE(view.Shown(IDC_ROW_LED_OFF + 0));
  EXPECT_FALSE(view.Shown(IDC_ROW_SENSOR_OFF + 0));

  EXPECT_TRUE(view.Shown(IDC_ROW_CHECK + 1));
  EXPECT_TRUE(view.Shown(IDC_ROW_ARROW + 1));
  EXPECT_TRUE(view.Shown(IDC_ROW_LED_OFF + 1));
  EXPECT_TRUE(view.Shown(IDC_ROW_SENSOR_OFF + 1));

  EXPECT_FALSE(view.Shown(IDC_ROW_CHECK + 2));
  EXPECT_TRUE(view.Shown(IDC_ROW_NAME + 2));
  EXPECT_EQ(view.Text(IDC_ROW_NAME + 2), "Door");
  EXPECT_FALSE(view.Shown(IDC_ROW_LED_OFF + 2));
  EXPECT_TRUE(view.Shown(IDC_ROW_SENSOR_OFF + 2));
  EXPECT_FALSE(view.Shown(IDC_ROW_ARROW + 2));

  for (int row = 0; row < 3; ++row) {
    EXPECT_FALSE(view.Shown(IDC_ROW_LED_ON + row));
    EXPECT_FALSE(view.Shown(IDC_ROW_SENSOR_ON + row));
    EXPECT_TRUE(view.Shown(IDC_ROW_SEPARATOR + row));
  }
  for (int row = 3; row < diag::kMaxRows; ++row) {
    for (int base : {IDC_ROW_ARROW, IDC_ROW_SEPARATOR, IDC_ROW_CHECK, IDC_ROW_NAME, IDC_ROW_SENSOR_OFF,
                     IDC_ROW_SENSOR_ON, IDC_ROW_LED_OFF, IDC_ROW_LED_ON}) {
      EXPECT_EQ(view.Visibility(base + row), "hidden") << base << " row " << row;
    }
  }
}

TEST(LedPhotoLayout, RowCountBeyondTheTablesIsBounded) {
  LedPhotoRows rows;
  rows.count = 200;
  FakeDialogView view;
  diag::LayOutLedPhotoRows(rows, view);
  EXPECT_TRUE(view.Shown(IDC_ROW_SENSOR_OFF + 19));
  EXPECT_EQ(view.Visibility(IDC_ROW_SENSOR_OFF + 20), "untouched");
  EXPECT_EQ(diag::BoundedRowCount(-3), 0);
}

TEST(RefreshLeds, CommandAndPictureFollowTheCheckBoxesOfRowsWithALed) {
  const LedPhotoRows rows = ThreeRows();
  FakeDialogView view;
  view.SetChecked(IDC_ROW_CHECK + 1, true);
  view.SetChecked(IDC_ROW_CHECK + 2, true);  // hidden box of the photo-only row
  RowValues command{};
  command[2] = 7;
  diag::RefreshLeds(rows, view, command);
  EXPECT_EQ(command[0], 0);
  EXPECT_EQ(command[1], 1);
  EXPECT_EQ(command[2], 7) << "photo-only rows are left alone";
  EXPECT_TRUE(view.Shown(IDC_ROW_LED_OFF + 0));
  EXPECT_FALSE(view.Shown(IDC_ROW_LED_ON + 0));
  EXPECT_TRUE(view.Shown(IDC_ROW_LED_ON + 1));
  EXPECT_FALSE(view.Shown(IDC_ROW_LED_OFF + 1));
  EXPECT_EQ(view.Visibility(IDC_ROW_LED_ON + 2), "untouched");
}

TEST(SelectAll, ChecksAndUnchecksOnlyRowsWithALed) {
  const LedPhotoRows rows = ThreeRows();
  FakeDialogView view;
  RowValues command{};
  diag::SetAllLeds(rows, true, view, command);
  EXPECT_TRUE(view.IsChecked(IDC_ROW_CHECK + 0));
  EXPECT_TRUE(view.IsChecked(IDC_ROW_CHECK + 1));
  EXPECT_FALSE(view.IsChecked(IDC_ROW_CHECK + 2));
  EXPECT_FALSE(view.IsChecked(IDC_ROW_CHECK + 3)) << "rows beyond the count are not touched";
  EXPECT_EQ(command[0] + command[1] + command[2], 2);

  diag::SetAllLeds(rows, false, view, command);
  EXPECT_FALSE(view.IsChecked(IDC_ROW_CHECK + 0));
  EXPECT_EQ(command[0] + command[1], 0);
  EXPECT_TRUE(view.Shown(IDC_ROW_LED_OFF + 1));
}

TEST(LedPhotoValues, ActiveLowSensorIsLitAtZeroAndLedOnlyRowsKeepTheirSensorPictures) {
  const LedPhotoRows rows = ThreeRows();
  FakeDialogView view;
  RowValues command{};
  RowValues photo{};
  photo[0] = 1;  // stale value of the LED-only row must not show anything
  photo[1] = 1;
  photo[2] = 0;
  diag::ShowLedPhotoValues(rows, photo, view, command);
  EXPECT_EQ(view.Visibility(IDC_ROW_SENSOR_ON + 0), "untouched");
  EXPECT_TRUE(view.Shown(IDC_ROW_SENSOR_ON + 1));
  EXPECT_FALSE(view.Shown(IDC_ROW_SENSOR_OFF + 1));
  EXPECT_TRUE(view.Shown(IDC_ROW_SENSOR_ON + 2));

  photo[1] = 0;
  photo[2] = 1;
  diag::ShowLedPhotoValues(rows, photo, view, command);
  EXPECT_TRUE(view.Shown(IDC_ROW_SENSOR_OFF + 1));
  EXPECT_TRUE(view.Shown(IDC_ROW_SENSOR_OFF + 2));
  EXPECT_FALSE(view.Shown(IDC_ROW_SENSOR_ON + 2));
  EXPECT_TRUE(view.Shown(IDC_ROW_LED_OFF + 0)) << "ShowValues refreshes the LEDs first";
}

NamedRows Switches() {
  NamedRows rows;
  rows.count = 2;
  rows.activeLow[1] = true;
  rows.names[0] = "Start";
  rows.names[1] = "Emergency";
  return rows;
}

TEST(SwitchPanel, LayoutStartsEveryRowOffAndHidesTheRest) {
  FakeDialogView view;
  diag::LayOutSwitchRows(Switches(), view);
  for (int row = 0; row < 2; ++row) {
    EXPECT_TRUE(view.Shown(IDC_ROW_SWITCH_OFF + row));
    EXPECT_FALSE(view.Shown(IDC_ROW_SWITCH_ON + row));
    EXPECT_TRUE(view.Shown(IDC_ROW_SEPARATOR + row));
    EXPECT_TRUE(view.Shown(IDC_ROW_VALUE + row));
    EXPECT_EQ(view.Text(IDC_ROW_VALUE + row), "Off");
  }
  EXPECT_EQ(view.Text(IDC_ROW_NAME + 1), "Emergency");
  for (int base : {IDC_ROW_SWITCH_OFF, IDC_ROW_SWITCH_ON, IDC_ROW_SEPARATOR, IDC_ROW_NAME, IDC_ROW_VALUE}) {
    EXPECT_EQ(view.Visibility(base + 2), "hidden");
    EXPECT_EQ(view.Visibility(base + 19), "hidden");
  }
}

TEST(SwitchPanel, ActiveLowSwitchReadsOnAtZero) {
  FakeDialogView view;
  RowValues state{};
  state[0] = 1;
  diag::ShowSwitchValues(Switches(), state, view);
  EXPECT_EQ(view.Text(IDC_ROW_VALUE + 0), "On");
  EXPECT_TRUE(view.Shown(IDC_ROW_SWITCH_ON + 0));
  EXPECT_FALSE(view.Shown(IDC_ROW_SWITCH_OFF + 0));
  EXPECT_EQ(view.Text(IDC_ROW_VALUE + 1), "On");
  state[0] = 0;
  state[1] = 1;
  diag::ShowSwitchValues(Switches(), state, view);
  EXPECT_EQ(view.Text(IDC_ROW_VALUE + 0), "Off");
  EXPECT_EQ(view.Text(IDC_ROW_VALUE + 1), "Off");
  EXPECT_TRUE(view.Shown(IDC_ROW_SWITCH_OFF + 1));
}

TEST(EncoderPanel, LayoutResetsAllValuesAndValuesShowSigned) {
  NamedRows rows;
  rows.count = 2;
  rows.names[0] = "Axis X";
  FakeDialogView view;
  diag::LayOutEncoderRows(rows, view);
  EXPECT_EQ(view.Text(IDC_ROW_NAME + 0), "Axis X");
  EXPECT_TRUE(view.Shown(IDC_ROW_VALUE + 1));
  EXPECT_EQ(view.Visibility(IDC_ROW_VALUE + 2), "hidden");
  EXPECT_EQ(view.Visibility(IDC_ROW_SEPARATOR + 2), "hidden");
  for (int row = 0; row < diag::kMaxRows; ++row) EXPECT_EQ(view.Text(IDC_ROW_VALUE + row), "0");

  RowValues values{};
  values[0] = static_cast<int>(0xFFFFFFFFu);
  values[1] = 65535;
  values[2] = 99;
  diag::ShowEncoderValues(rows, values, view);
  EXPECT_EQ(view.Text(IDC_ROW_VALUE + 0), "-1");
  EXPECT_EQ(view.Text(IDC_ROW_VALUE + 1), "65535");
  EXPECT_EQ(view.Text(IDC_ROW_VALUE + 2), "0") << "rows beyond the count keep their text";
}

}  // namespace
