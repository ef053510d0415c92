// Display rules of the three point panels (LED/photo, switch, encoder):
// which row controls are shown after a file was read, and how returned values
// and LED commands appear.
#ifndef DIAG_WINDOWS_POINT_PANELS_H
#define DIAG_WINDOWS_POINT_PANELS_H

#include <array>
#include <string>

#include "dialog_view.h"

namespace diag {

constexpr int kMaxRows = 20;
using RowValues = std::array<int, kMaxRows>;

// What the LED/photo panel shows of its rows, taken from the description tables.
struct LedPhotoRows {
  int count = 0;
  std::array<bool, kMaxRows> ledOnly{};
  std::array<bool, kMaxRows> photoOnly{};
  std::array<bool, kMaxRows> photoActiveLow{};
  std::array<std::string, kMaxRows> names;
};

// Rows of the switch or encoder panel.
struct NamedRows {
  int count = 0;
  std::array<bool, kMaxRows> activeLow{};
  std::array<std::string, kMaxRows> names;
};

// Row count bounded to the table capacity, whatever a caller hands in.
int BoundedRowCount(int count);

void LayOutLedPhotoRows(const LedPhotoRows &rows, DialogView &view);
// Commands each LED row from its check box and shows the commanded picture.
void RefreshLeds(const LedPhotoRows &rows, DialogView &view, RowValues &ledCommand);
// Select All / Deselect All: every row with a LED, then RefreshLeds.
void SetAllLeds(const LedPhotoRows &rows, bool on, DialogView &view, RowValues &ledCommand);
void ShowLedPhotoValues(const LedPhotoRows &rows, const RowValues &photoState, DialogView &view,
                        RowValues &ledCommand);

void LayOutSwitchRows(const NamedRows &rows, DialogView &view);
void ShowSwitchValues(const NamedRows &rows, const RowValues &switchState, DialogView &view);

// Also shows "0" in all twenty value fields: values are reset on every show.
void LayOutEncoderRows(const NamedRows &rows, DialogView &view);
void ShowEncoderValues(const NamedRows &rows, const RowValues &encoderValue, DialogView &view);

// Active-low points read 0 when on.
inline bool PointIsOn(int value, bool activeLow) { return (value != 0) != activeLow; }

}  // namespace diag

#endif
