#include "point_panels.h"

#include <cstdio>

#include "diag_ids.h"

namespace diag {

namespace {

void ShowPicturePair(DialogView &view, int offId, int onId, bool on) {
  view.SetVisible(onId, on);
  view.SetVisible(offId, !on);
}

std::string Decimal(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return text;
}

}  // namespace

int BoundedRowCount(int count) {
  if (count < 0) return 0;
  return count > kMaxRows ? kMaxRows : count;
}

void LayOutLedPhotoRows(const LedPhotoRows &rows, DialogView &view) {
  const int count = BoundedRowCount(rows.count);
  for (int i = 0; i < kMaxRows; ++i) {
    if (i >= count) {
      for (int base : {IDC_ROW_ARROW, IDC_ROW_SEPARATOR, IDC_ROW_CHECK, IDC_ROW_NAME, IDC_ROW_SENSOR_OFF,
                       IDC_ROW_SENSOR_ON, IDC_ROW_LED_OFF, IDC_ROW_LED_ON}) {
        view.SetVisible(base + i, false);
      }
      continue;
    }
    const bool hasLed = !rows.photoOnly[i];
    const bool hasSensor = !rows.ledOnly[i];
    // A row in use always shows its separator, even if a shorter file hid it earlier.
    view.SetVisible(IDC_ROW_SEPARATOR + i, true);
    view.SetVisible(IDC_ROW_ARROW + i, hasLed && hasSensor);
    view.SetVisible(IDC_ROW_CHECK + i, hasLed);
    view.SetVisible(IDC_ROW_NAME + i, !hasLed);
    view.SetText(hasLed ? IDC_ROW_CHECK + i : IDC_ROW_NAME + i, rows.names[i]);
    view.SetVisible(IDC_ROW_SENSOR_ON + i, false);
    view.SetVisible(IDC_ROW_LED_ON + i, false);
    view.SetVisible(IDC_ROW_SENSOR_OFF + i, hasSensor);
    view.SetVisible(IDC_ROW_LED_OFF + i, hasLed);
  }
}

void RefreshLeds(const LedPhotoRows &rows, DialogView &view, RowValues &ledCommand) {
  const int count = BoundedRowCount(rows.count);
  for (int i = 0; i < count; ++i) {
    if (rows.photoOnly[i]) continue;
    const bool lit = view.IsChecked(IDC_ROW_CHECK + i);
    ledCommand[i] = lit ? 1 : 0;
    ShowPicturePair(view, IDC_ROW_LED_OFF + i, IDC_ROW_LED_ON + i, lit);
  }
}

void SetAllLeds(const LedPhotoRows &rows, bool on, DialogView &view, RowValues &ledCommand) {
  const int count = BoundedRowCount(rows.count);
  for (int i = 0; i < count; ++i) {
    if (!rows.photoOnly[i]) view.SetChecked(IDC_ROW_CHECK + i, on);
  }
  RefreshLeds(rows, view, ledCommand);
}

void ShowLedPhotoValues(const LedPhotoRows &rows, const RowValues &photoState, DialogView &view,
                        RowValues &ledCommand) {
  RefreshLeds(rows, view, ledCommand);
  const int count = BoundedRowCount(rows.count);
  for (int i = 0; i < count; ++i) {
    if (rows.ledOnly[i]) continue;
    ShowPicturePair(view, IDC_ROW_SENSOR_OFF + i, IDC_ROW_SENSOR_ON + i,
                    PointIsOn(photoState[i], rows.photoActiveLow[i]));
  }
}

void LayOutSwitchRows(const NamedRows &rows, DialogView &view) {
  const int count = BoundedRowCount(rows.count);
  for (int i = 0; i < kMaxRows; ++i) {
    const bool used = i < count;
    view.SetVisible(IDC_ROW_SWITCH_OFF + i, used);
    view.SetVisible(IDC_ROW_SWITCH_ON + i, false);
    view.SetVisible(IDC_ROW_SEPARATOR + i, used);
    view.SetVisible(IDC_ROW_NAME + i, used);
    view.SetVisible(IDC_ROW_VALUE + i, used);
    if (used) {
      view.SetText(IDC_ROW_NAME + i, rows.names[i]);
      view.SetText(IDC_ROW_VALUE + i, "Off");
    }
  }
}

void ShowSwitchValues(const NamedRows &rows, const RowValues &switchState, DialogView &view) {
  const int count = BoundedRowCount(rows.count);
  for (int i = 0; i < count; ++i) {
    const bool closed = PointIsOn(switchState[i], rows.activeLow[i]);
    ShowPicturePair(view, IDC_ROW_SWITCH_OFF + i, IDC_ROW_SWITCH_ON + i, closed);
    view.SetText(IDC_ROW_VALUE + i, closed ? "On" : "Off");
  }
}

void LayOutEncoderRows(const NamedRows &rows, DialogView &view) {
  const int count = BoundedRowCount(rows.count);
  for (int i = 0; i < kMaxRows; ++i) {
    const bool used = i < count;
    view.SetVisible(IDC_ROW_NAME + i, used);
    view.SetVisible(IDC_ROW_SEPARATOR + i, used);
    view.SetVisible(IDC_ROW_VALUE + i, used);
    if (used) view.SetText(IDC_ROW_NAME + i, rows.names[i]);
  }
  for (int i = 0; i < kMaxRows; ++i) view.SetText(IDC_ROW_VALUE + i, "0");
}

void ShowEncoderValues(const NamedRows &rows, const RowValues &encoderValue, DialogView &view) {
  const int count = BoundedRowCount(rows.count);
  for (int i = 0; i < count; ++i) view.SetText(IDC_ROW_VALUE + i, Decimal(encoderValue[i]));
}

}  // namespace diag
