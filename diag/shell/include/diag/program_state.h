// Program-wide state of the diagnostic program, shared by the panels, the
// description-file reader and the messaging. One instance of each, zero at start.
#ifndef DIAG_PROGRAM_STATE_H
#define DIAG_PROGRAM_STATE_H

#include <cstdint>

constexpr int kTableRows = 20;     // rows per description table and per value array
constexpr int kConfigSlots = 3;    // 0 LED/photo file, 1 switch file, 2 encoder file
constexpr int kConfigPathSize = 255;

// Description tables, in this order.
enum DescriptionTableIndex {
  kLedTable = 0,
  kPhotoTable = 1,
  kSwitchTable = 2,
  kEncoderTable = 3,
  kCustomTable = 4,
  kDescriptionTables = 5
};

// Request kinds; equal to the PanelKind of the polling panel that sends them.
enum RequestKind { kLedPhotoRequest = 0, kSwitchRequest = 1, kEncoderRequest = 2, kCustomRequest = 3 };

#pragma pack(push, 1)
// One point: what goes into one element of a request.
struct DescriptionEntry {
  uint8_t node;        // node identifier
  uint32_t address;
  uint8_t operation;   // passed through to the machine unchanged
  uint16_t data;
  uint8_t activeLow;   // 0 or 1
};

struct DescriptionTable {
  uint8_t rowCount;    // rows in use, 0..20; entries beyond it keep old values
  DescriptionEntry entries[kTableRows];
};
#pragma pack(pop)

static_assert(sizeof(DescriptionEntry) == 9, "entries are 9 packed bytes");
static_assert(sizeof(DescriptionTable) == 1 + 9 * kTableRows, "row count byte then 20 entries");

extern int CommActive;                           // nonzero while the user has the link on
extern uint8_t PortIndex;                        // 0..7; com port number is PortIndex + 1
extern char ConfigPaths[kConfigSlots][kConfigPathSize];  // empty string = no file
extern int LastRequestKind;                      // kind of the latest SendDiagRequest

// LED and photo tables share one row numbering; only the LED table's row count is used.
extern DescriptionTable DescriptionTables[kDescriptionTables];

extern int LedOnly[kTableRows];       // row has a LED and no photo sensor
extern int PhotoOnly[kTableRows];     // row has a photo sensor and no LED (neither flag: a pair)
extern int LedCommand[kTableRows];    // 1 = LED to be lit
extern int PhotoState[kTableRows];    // 1 when the sensor's returned value was nonzero
extern int SwitchState[kTableRows];   // 1 when the switch's returned value was nonzero
extern int EncoderValue[kTableRows];  // returned value, whole (signed 32 bits)
extern int CustomValue[kTableRows];   // element 0 is the one shown

#endif
